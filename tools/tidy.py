#!/usr/bin/env python3
"""Runs clang-tidy (the checks of .clang-tidy) over framework/, design/, sim/ and app/.

Usage: tidy.py BUILD_DIR

Every source of those folders in BUILD_DIR/compile_commands.json is checked, in
parallel. A source found clean is not checked again until its object file (which
the build remakes whenever the source or a header it includes changes) or
.clang-tidy is newer than its stamp, so a second run after a small change is quick.
"""
import concurrent.futures
import json
import os
import subprocess
import sys

FOLDERS = ("framework/", "design/", "sim/", "app/")


def main():
    build = os.path.abspath(sys.argv[1])
    root = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
    config = os.path.join(root, ".clang-tidy")
    stamps = os.path.join(build, "tidy-stamps")
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
        commands = json.load(f)

    def due(entry):
        source = os.path.relpath(os.path.join(entry["directory"], entry["file"]), root)
        if not source.startswith(FOLDERS):
            return None
        stamp = os.path.join(stamps, source + ".clean")
        words = entry["command"].split()
        output = os.path.join(entry["directory"], words[words.index("-o") + 1])
        newest = max(os.path.getmtime(config), os.path.getmtime(os.path.join(root, source)))
        if os.path.isfile(output):
            newest = max(newest, os.path.getmtime(output))
        if os.path.isfile(stamp) and os.path.getmtime(stamp) > newest:
            return None
        return source, stamp

    work = sorted({d for d in map(due, commands) if d})

    def tidy(item):
        source, stamp = item
        run = subprocess.run(
            # The build's GCC may take warning options clang does not know.
            ["clang-tidy", "--quiet", "--extra-arg=-Wno-unknown-warning-option", "-p", build,
             os.path.join(root, source)],
            capture_output=True,
            text=True,
        )
        if run.returncode == 0:
            os.makedirs(os.path.dirname(stamp), exist_ok=True)
            with open(stamp, "w", encoding="utf-8"):
                pass
        return source, run

    failed = 0
    with concurrent.futures.ThreadPoolExecutor(os.cpu_count() or 2) as pool:
        for source, run in pool.map(tidy, work):
            if run.returncode != 0:
                failed += 1
                sys.stdout.write(run.stdout)
                sys.stdout.write(run.stderr)
    print(f"clang-tidy: {len(work)} checked, {failed} with findings")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
