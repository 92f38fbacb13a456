#!/usr/bin/env python3
"""Fails when a file under the given source folder includes the views manager's header, other
than the manager itself and its event observer.

The manager makes the panes and the views: a pane or view widget that included its header would
close a circle of includes again. The pane widgets reach it through views/panehost.h and the
views read the host event through views/hostevents.h."""
import pathlib
import re
import sys

HEADER = 'cgcp_viewsmanager.h'
ALLOWED = {'gui_components/gc_panes/views/cgcp_viewsmanager.cpp',
           'gui_components/gc_panes/views/cgcp_ksoeventobserver.cpp'}


def offences(root):
    include = re.compile(r'^\s*#\s*include\s*["<]([^">]+)[">]')
    for path in sorted(root.rglob('*')):
        if path.suffix not in ('.cpp', '.h') or not path.is_file():
            continue
        name = path.relative_to(root).as_posix()
        if name in ALLOWED:
            continue
        for number, line in enumerate(path.read_text(errors='replace').splitlines(), 1):
            match = include.match(line)
            if match and pathlib.PurePosixPath(match.group(1)).name == HEADER:
                yield '%s:%d: %s' % (name, number, line.strip())


def main():
    root = pathlib.Path(sys.argv[1])
    if not (root / 'gui_components/gc_panes/views' / HEADER).is_file():
        print('the views manager\'s header is not under %s' % root)
        return 1
    found = list(offences(root))
    for line in found:
        print('includes the views manager: ' + line)
    print('%d offences' % len(found))
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main())
