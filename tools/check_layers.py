#!/usr/bin/env python3
"""Fails on an #include that points up the layers, or on C++ where none belongs.

Usage: check_layers.py [ROOT]   (ROOT defaults to the folder above this script)

A file may include files of its own layer and of the layers listed before it.
The rules are path patterns (fnmatch, '*' also crosses '/'), relative to ROOT;
amend them here when a folder is added or moves.
"""
import fnmatch
import os
import re
import sys

# Lowest first.
LAYERS = [
    ("framework", ["framework/*"]),
    ("design", ["design/*"]),
    ("sim", ["sim/*"]),
    ("app", ["app/*"]),
    ("harness", ["harness/*"]),
    ("tests, fuzz, bench and tools", ["tests/*", "fuzz/*", "bench/*", "tools/*"]),
]

# The Qt presentation of the framework, and the only files that may include it.
QT_LAYER = ["framework/qt/*"]
QT_USERS = [
    "framework/qt/*",
    "app/qt_front_end.cpp",
    "app/sheet_view/*",
    "harness/qt_*",
    "bench/*",
    "tests/qt*",
    "tools/*",
]

NO_CPP = ["dist/*"]
SKIPPED_FOLDERS = {"build", ".git"}
CPP_EXTENSIONS = (".h", ".hpp", ".cpp", ".cc", ".cxx", ".inc")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')


def matches(path, patterns):
    return any(fnmatch.fnmatchcase(path, p) for p in patterns)


def layer_of(path):
    for rank, (name, patterns) in enumerate(LAYERS):
        if matches(path, patterns):
            return rank, name
    return None, None


def cpp_files(root):
    for folder, subfolders, files in os.walk(root):
        subfolders[:] = sorted(
            d for d in subfolders if d not in SKIPPED_FOLDERS and not d.startswith(("build", "."))
        )
        for name in sorted(files):
            if name.endswith(CPP_EXTENSIONS):
                yield os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")


def resolve(root, including, target):
    """The included file's path relative to root, or None when it is not in the tree."""
    for base in (os.path.dirname(including), ""):
        candidate = os.path.normpath(os.path.join(base, target)).replace(os.sep, "/")
        if not candidate.startswith("../") and os.path.isfile(os.path.join(root, candidate)):
            return candidate
    return None


def check(root):
    faults = []
    for path in cpp_files(root):
        if matches(path, NO_CPP):
            faults.append(f"{path}: C++ has no place here")
            continue
        rank, name = layer_of(path)
        if rank is None:
            faults.append(f"{path}: in no layer; add its folder to tools/check_layers.py")
            continue
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as source:
            for number, line in enumerate(source, 1):
                include = INCLUDE.match(line)
                if not include:
                    continue
                target = resolve(root, path, include.group(2))
                if target is None:
                    continue
                target_rank, target_name = layer_of(target)
                if target_rank is not None and target_rank > rank:
                    faults.append(f"{path}:{number}: {name} may not include {target} ({target_name})")
                elif matches(target, QT_LAYER) and not matches(path, QT_USERS):
                    faults.append(f"{path}:{number}: only the Qt presentation may include {target}")
    return faults


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    faults = check(os.path.abspath(root))
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
