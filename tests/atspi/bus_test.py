#!/usr/bin/python3
"""The calculator as a screen reader meets it: over AT-SPI, on a display of
its own (Xvfb), a private D-Bus session and its accessibility bus. Types the
worked example with xdotool into the fields that AT-SPI finds, picks the chip
by keyboard, presses Go and reads the results; sets a field's text through
AT-SPI as voice control does; hears a refusal announced; reads the design
sheet's schematic and one of its tables.

Usage: bus_test.py PROGRAM. Every process it starts is stopped at the end.
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

WAIT = 10.0  # seconds any one condition may take to come true

# The worked example: ON Semi MC34063A, Vin 5, Vout 12, Iout 0.1, Vf 0.4.
CHIP_ROW = 7
TYPED = [("Vin (min), volts", "5"), ("Vout, volts", "12"), ("Iout (max), amps", "0.1"),
         ("Diode Vf, volts", "0.4")]
RESULTS = {
    "Ct, picofarads": "820",
    "Rsc, ohms": "0.5",
    "L, microhenries": "252.8",
    "Co, microfarads": "180",
    "R1 (to GND), kilohms": "1.6",
    "R2 (to Vout), kilohms": "13",
    "Output accuracy, volts": "0.4322 volts",
}

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAILED:", what, flush=True)


def wait_for(condition, what):
    """Polls `condition` (which may raise while the program is not ready)
    until it gives a true value; None after WAIT seconds."""
    deadline = time.monotonic() + WAIT
    while True:
        pump()
        try:
            value = condition()
        except Exception:  # the tree is still being built
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            check(False, "timed out waiting for " + what)
            return None
        time.sleep(0.05)


def pump():
    """Lets pyatspi hand the events received so far to the listeners."""
    if "gi.repository.GLib" in sys.modules:
        context = sys.modules["gi.repository.GLib"].MainContext.default()
        while context.pending():
            context.iteration(False)


def descendants(pid):
    """Every process below `pid`, children first in the list before theirs."""
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as f:
                parent = int(f.read().rsplit(")", 1)[1].split()[1])
        except (OSError, IndexError, ValueError):
            continue
        children.setdefault(parent, []).append(int(entry))
    found, todo = [], [pid]
    while todo:
        for child in children.get(todo.pop(), []):
            found.append(child)
            todo.append(child)
    return found


def stop(process):
    """Stops `process` and whatever it started (the bus daemons it activated)."""
    if process is None or process.poll() is not None:
        return
    for pid in reversed(descendants(process.pid)):
        try:
            os.kill(pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
    process.terminate()
    try:
        process.wait(5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def start_display():
    if os.environ.get("RA_TEST_DISPLAY"):
        display = os.environ["RA_TEST_DISPLAY"]
        xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                stderr=subprocess.DEVNULL)
        wait_for(lambda: subprocess.run(["xdotool", "getmouselocation"], env={"DISPLAY": display},
                                        capture_output=True).returncode == 0, "the display")
        return xvfb, display
    # The server picks a free display and says which.
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp"], pass_fds=(write,), stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as f:
        return xvfb, ":" + f.readline().strip()


def start_session_bus():
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    return bus, bus.stdout.readline().strip()


def find(root, role, name):
    """The first object below `root` with the role and name, or None."""
    import pyatspi
    return pyatspi.findDescendant(root, lambda a: a.getRoleName() == role and a.name == name)


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def click(accessible):
    import pyatspi
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1")


def run(program):
    import pyatspi

    heard = []  # (event type, source name, text)

    def listen(event):
        try:
            heard.append((event.type, event.source.name, event.any_data))
        except Exception:
            pass

    pyatspi.Registry.registerEventListener(listen, "object:text-changed:insert",
                                           "object:announcement")
    app = subprocess.Popen([program], stderr=subprocess.DEVNULL)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        frame = wait_for(lambda: find(desktop, "frame", "RA34063 Rovu Ze"), "the window")
        if frame is None:
            return
        fields = {name: wait_for(lambda n=name: find(frame, "text", n), name)
                  for name, _ in TYPED + list(RESULTS.items())}
        chip = find(frame, "combo box", "Device")
        go = find(frame, "push button", "Go")
        messages = find(frame, "alert", "Messages")
        check(chip is not None and go is not None and messages is not None,
              "the chip popup, Go and the message area are found by role and name")
        if None in fields.values() or chip is None or go is None or messages is None:
            return
        check(any(r.getRelationType() == pyatspi.RELATION_LABELLED_BY
                  for r in chip.getRelationSet()), "the chip popup is labelled")

        # The chip by keyboard: from the field before it in the tab order.
        click(find(frame, "text", "Vref, volts"))
        xdotool("key", "Tab", *["Down"] * CHIP_ROW)
        wait_for(lambda: chip.description.startswith("ON Semi MC34063A, 0 to 70 °C, 100 kHz"),
                 "the chip's row read with its meaning")
        for name, typed in TYPED:
            click(fields[name])
            xdotool("type", "--delay", "20", typed)
            wait_for(lambda n=name, t=typed: text_of(fields[n]) == t, "typed " + name)
        click(go)
        for name, shown in RESULTS.items():
            wait_for(lambda n=name, s=shown: text_of(fields[n]) == s, name + " reading " + shown)
        wait_for(lambda: ("object:text-changed:insert", "Rsc, ohms", "0.5") in heard,
                 "the reader told of Rsc's new text")

        # Voice control sets Vout whole: the results go, as after typing, and
        # Go refuses an output below the input, which the reader hears at once.
        vout = fields["Vout, volts"].queryEditableText()
        vout.setTextContents("4")
        wait_for(lambda: text_of(fields["Rsc, ohms"]) == "" and
                 text_of(fields["Output accuracy, volts"]) == "", "the results emptied")
        del heard[:]
        click(go)
        sentences = wait_for(lambda: text_of(messages), "the refusal's sentences")
        check(sentences and "Vout" in sentences, "the refusal names Vout: %r" % sentences)
        wait_for(lambda: any(t == "object:announcement" and s == "Messages" and d == sentences
                             for t, s, d in heard), "the refusal announced")
        check(text_of(fields["Rsc, ohms"]) == "", "a refusal leaves Rsc empty")

        # Text inserted through AT-SPI designs as typed text does.
        vout.setTextContents("")
        vout.insertText(0, "12", 2)
        wait_for(lambda: text_of(messages) == "", "the message area emptied by the edit")
        click(go)
        wait_for(lambda: text_of(fields["R2 (to Vout), kilohms"]) == "13", "R2 designed again")

        # The design sheet, from the keyboard: the reader lands on the
        # schematic, described in words, and reads the parts as a table.
        xdotool("key", "ctrl+d")
        sheet = wait_for(lambda: find(desktop, "frame", "Design Sheet"), "the design sheet")
        schematic = sheet and wait_for(lambda: find(sheet, "filler", "Schematic"), "the schematic")
        if schematic is None:
            return
        wait_for(lambda: schematic.getState().contains(pyatspi.STATE_FOCUSED),
                 "the focus on the schematic")
        check("out. MC34063A pin 6 (Vcc) at Vin;" in schematic.description and
              "; L 253 µH from pin 7's node to pin 1 (SwC);" in schematic.description,
              "the schematic's description names the chip, and L with its value and nodes: %r"
              % schematic.description)
        parts = wait_for(lambda: find(sheet, "table", "Parts"), "the parts table")
        if parts is None:
            return
        table = parts.queryTable()
        check(table.getColumnHeader(1).name == "Value", "the parts table's second column head")
        inductor = [r for r in range(table.nRows) if table.getAccessibleAt(r, 0).name == "L"]
        check(inductor and table.getAccessibleAt(inductor[0], 1).name == "253 µH",
              "the parts table reads L's value in its Value column")
    finally:
        stop(app)


def main():
    program = os.path.abspath(sys.argv[1])
    xvfb = bus = None
    # The accessibility bus's socket goes under the runtime folder, which
    # other runs must not share.
    runtime = tempfile.mkdtemp(prefix="ra34063-atspi-")
    try:
        xvfb, display = start_display()
        # The bus hands these on to the services it starts.
        os.environ.update(DISPLAY=display, XDG_RUNTIME_DIR=runtime,
                          QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        bus, address = start_session_bus()
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        # The accessibility bus first, so the program finds it as it starts.
        reply = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                                "/org/a11y/bus", "org.a11y.Bus.GetAddress"], check=True,
                               capture_output=True, text=True).stdout
        check(runtime in reply, "the accessibility bus is this run's own: " + reply.strip())
        run(program)
    finally:
        stop(bus)
        stop(xvfb)
        shutil.rmtree(runtime, ignore_errors=True)
    print("PASSED" if not failures else "%d FAILED" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
