#!/usr/bin/env python3
"""Writes include/tesk/tesk_functions.h: one function-pointer type per export, for hosts that
resolve the library with dlsym. The types are taken from the TESK_EXPORT declarations of the
other public headers, so a changed export changes its type here when the script runs again.

    genfunctions.py           rewrites the header
    genfunctions.py --check   fails when the header is not what the script would write
"""
import pathlib
import re
import shutil
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
HEADER_DIR = ROOT / "include" / "tesk"
OUTPUT = HEADER_DIR / "tesk_functions.h"
PREFIX = "PFN_"

# A declaration runs from TESK_EXPORT at the start of a line to the ';' that closes it; no
# parameter list holds a ';'. TESK_EXPORT_CXX (the decorated fill dialog) does not match: hosts
# resolving by name take its C twin.
DECLARATION = re.compile(r"^TESK_EXPORT\s+(?P<result>[^;(]*?)\b(?P<name>\w+)\s*\((?P<params>[^;]*)\)\s*;",
                         re.MULTILINE)
COMMENT = re.compile(r"/\*.*?\*/", re.DOTALL)

HEAD = """\
/* The type of a pointer to each export, for hosts that resolve the library at run time
   (dlopen and dlsym) instead of linking to it: PFN_<export> points to <export>, as in

       PFN_QtCreateNewCode createNewCode;
       void *symbol = dlsym(library, "QtCreateNewCode");
       memcpy(&createNewCode, &symbol, sizeof createNewCode);

   (ISO C has no cast from an object pointer to a function pointer; the copy is POSIX's way.)
   The decorated fill-memory export has no type here: resolve its C twin CuiFillMemoryDialogC.
   Written by scripts/genfunctions.py from the other headers: run it after changing an export. */
#ifndef TESK_FUNCTIONS_H
#define TESK_FUNCTIONS_H
"""

OPEN = """
#ifdef __cplusplus
extern "C" {
#endif
"""

TAIL = """
#ifdef __cplusplus
}
#endif

#endif
"""


def declarations(header):
    text = COMMENT.sub(" ", header.read_text())
    for match in DECLARATION.finditer(text):
        result = " ".join(match["result"].split())
        params = " ".join(match["params"].split())
        yield match["name"], result, params


def pointer_type(name, result, params):
    # "const char *" binds its star to the name: "const char *(*PFN_X)(...)".
    return f"typedef {result}(*{PREFIX}{name})({params});" if result.endswith("*") else \
        f"typedef {result} (*{PREFIX}{name})({params});"


def render():
    # tesk.h leaves some families out (the facade): each header with exports is included.
    includes, groups = [], []
    for header in sorted(HEADER_DIR.glob("*.h")):
        if header == OUTPUT:
            continue
        lines = [pointer_type(*d) for d in declarations(header)]
        if lines:
            includes.append(f"#include <tesk/{header.name}>\n")
            groups.append(f"\n/* {header.name} */\n" + "\n".join(lines) + "\n")
    parts = [HEAD, "\n", *includes, OPEN, *groups, TAIL]
    text = "".join(parts)
    formatter = shutil.which("clang-format-14") or shutil.which("clang-format")
    if not formatter:
        sys.exit("genfunctions: clang-format 14 is needed to write the header as formatted")
    return subprocess.run([formatter, f"--assume-filename={OUTPUT}"], input=text, text=True,
                          check=True, capture_output=True, cwd=ROOT).stdout


def main():
    text = render()
    if sys.argv[1:] == ["--check"]:
        if not OUTPUT.exists() or OUTPUT.read_text() != text:
            sys.exit(f"genfunctions: {OUTPUT.relative_to(ROOT)} is out of date; "
                     "run scripts/genfunctions.py")
        return
    OUTPUT.write_text(text)


if __name__ == "__main__":
    main()
