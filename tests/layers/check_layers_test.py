#!/usr/bin/env python3
"""The layer check on small trees: each planted include that points up is
reported at its line, and the includes that point down pass."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))
import check_layers  # noqa: E402

# Every file the includes below name.
TREE = [
    "framework/text.h",
    "framework/qt/line_view.h",
    "design/evalue.h",
    "sim/step.h",
    "app/mc34063.h",
    "app/sheet_view/schematic.h",
    "harness/window_driver.h",
    "fuzz/check.h",
]

# (including file, include line, the fault reported or None)
CASES = [
    ("design/a.cpp", '#include "framework/text.h"', None),
    ("design/a.cpp", '#include "app/mc34063.h"', "design may not include app/mc34063.h (app)"),
    ("design/a.cpp", '  #  include "../app/mc34063.h"', "design may not include app/mc34063.h (app)"),
    ("framework/a.cpp", '#include "design/evalue.h"', "framework may not include design/evalue.h"),
    ("sim/a.cpp", '#include "design/evalue.h"', None),
    ("sim/a.cpp", '#include "app/mc34063.h"', "sim may not include app/mc34063.h"),
    ("design/a.cpp", '#include "sim/step.h"', "design may not include sim/step.h"),
    ("app/a.cpp", '#include "sim/step.h"', None),
    ("app/a.cpp", '#include "harness/window_driver.h"', "app may not include harness/"),
    ("harness/a.cpp", '#include "fuzz/check.h"', "harness may not include fuzz/check.h"),
    ("tests/a.cpp", '#include <harness/window_driver.h>', None),
    ("app/sheet_view/a.cpp", '#include "schematic.h"', None),
    ("app/sheet_view/a.cpp", '#include "framework/qt/line_view.h"', None),
    ("app/qt_front_end.cpp", '#include "framework/qt/line_view.h"', None),
    ("app/a.cpp", '#include "framework/qt/line_view.h"', "only the Qt presentation may include"),
    ("harness/qt_driver.h", '#include "framework/qt/line_view.h"', None),
    ("harness/a.cpp", '#include "framework/qt/line_view.h"', "only the Qt presentation may include"),
    ("tests/qt/a.cpp", '#include "framework/qt/line_view.h"', None),
    ("tests/design/a.cpp", '#include "framework/qt/line_view.h"', "only the Qt presentation"),
    ("framework/qt/a.cpp", '#include "app/mc34063.h"', "framework may not include app/mc34063.h"),
    ("framework/a.cpp", '// #include "app/mc34063.h"', None),
    ("framework/a.cpp", '#include "generated/not_in_tree.h"', None),
    ("dist/a.cpp", "int x;", "dist/a.cpp: C++ has no place here"),
    ("docs/a.h", "int x;", "docs/a.h: in no layer"),
]


def plant(root, path, text):
    os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
    with open(os.path.join(root, path), "w", encoding="utf-8") as f:
        f.write(text)


class CheckLayers(unittest.TestCase):
    def test_each_planted_include(self):
        for including, line, fault in CASES:
            with self.subTest(including=including, line=line), tempfile.TemporaryDirectory() as root:
                for path in TREE:
                    plant(root, path, "#pragma once\n")
                plant(root, including, "// a file\n" + line + "\n")
                faults = check_layers.check(root)
                if fault is None:
                    self.assertEqual(faults, [])
                else:
                    self.assertEqual(len(faults), 1, faults)
                    self.assertIn(fault, faults[0])
                    if "include" in line:
                        self.assertTrue(faults[0].startswith(including + ":2: "), faults[0])

    def test_the_build_folder_is_not_read(self):
        with tempfile.TemporaryDirectory() as root:
            plant(root, "build/default/x.cpp", '#include "app/mc34063.h"\n')
            self.assertEqual(check_layers.check(root), [])


if __name__ == "__main__":
    unittest.main()
