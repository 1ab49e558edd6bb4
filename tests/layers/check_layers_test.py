#!/usr/bin/env python3
"""Each kind of violation the layer check claims to find, in a small source tree of its own,
and spellings it must let pass. Usage: check_layers_test.py CHECK_LAYERS_SCRIPT."""
import os
import subprocess
import sys
import tempfile

PLAIN = "struct GridSquare {\n};\n"
# (files of the tree, a line the check must print, or None when it must pass)
ROWS = [
    ({"engine/b.h": "struct alignas(4) GridSquare {\n};\n"}, "type GridSquare is defined"),
    ({"engine/b.h": "struct [[nodiscard]] GridSquare {\n};\n"}, "type GridSquare is defined"),
    ({"engine/b.h": "struct __attribute__((packed)) GridSquare {};\n"}, "type GridSquare is"),
    ({"engine/b.h": "class GridSquare final : public Base {\n};\n"}, "type GridSquare is"),
    ({"engine/b.h": "template <typename T>\nclass GridSquare {\n};\n"}, "type GridSquare is"),
    ({"engine/b.h": "template <int N> struct GridSquare {\n};\n"}, "type GridSquare is"),
    ({"engine/b.h": "union GridSquare {\n};\n"}, "type GridSquare is defined"),
    ({"engine/b.h": "enum class GridSquare : int {\n};\n"}, "type GridSquare is defined"),
    ({"engine/b.h": "enum GridSquare { NORTH };\n"}, "type GridSquare is defined"),
    ({"engine/b.h": "namespace a {\nstruct GridSquare {\n};\n}  // namespace a\n"}, None),
    ({"engine/b.h": "namespace {\nstruct GridSquare {\n};\n}  // namespace\n"}, None),
    ({"engine/b.h": "struct GridSquare;\n"}, None),
    ({"engine/perft.h": "#include <QtCore/qglobal.h>\n"}, "includes the Qt header"),
    ({"engine/perft.h": "#include <qglobal.h>\n"}, "includes the Qt header"),
    ({"engine/perft.h": '#include "QString"\n'}, "includes the Qt header"),
    ({"engine/perft.h": "#  include<QtCore>\n"}, "includes the Qt header"),
    ({"tools/c.cpp": "#include <QCoreApplication>\n"}, "includes the Qt header"),
    ({"engine/perft.h": "#include <queue>\n"}, None),
    ({"ui/common/m.h": "#include <QtCore/qglobal.h>\n"}, None),
]


def main():
    failures = 0
    for files, expected in ROWS:
        with tempfile.TemporaryDirectory() as root:
            for path, text in {"rules/a.h": PLAIN, **files}.items():
                os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
                with open(os.path.join(root, path), "w", encoding="utf-8") as out:
                    out.write(text)
            run = subprocess.run([sys.executable, sys.argv[1], root], capture_output=True,
                                 text=True, check=False)
            caught = expected is not None and expected in run.stdout and run.returncode == 1
            passed = expected is None and run.returncode == 0
            if not caught and not passed:
                failures += 1
                print(f"{files}: expected {expected or 'no violation'}, got\n{run.stdout}")
    print(f"{len(ROWS) - failures} of {len(ROWS)} rows as expected")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
