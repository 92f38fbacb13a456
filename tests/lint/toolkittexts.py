#!/usr/bin/env python3
"""Fails when a literal is handed as a font family or a style name anywhere under the given
source folder.

A host's application keeps the toolkit's font and style caches after the library is unloaded
and goes on comparing their keys; a QStringLiteral (or any literal the toolkit keeps without a
copy) points into the library's read-only data, which dlclose unmaps. Such text goes through
tesk::core::keptByToolkit (frame/core/toolkittext.h), which makes it on the heap."""
import pathlib
import re
import sys

LITERAL = r'(?:QStringLiteral\s*\(|QLatin1String\s*\(|QLatin1StringView\s*\(|u"|"|QString\s*\(\s*")'
HANDED = re.compile(
    r'(?:\bsetFamily|\bsetFamilies|\bQFont(?:\s+\w+)?|\bsetStyleName|\bQStyleFactory::create|'
    r'\bQApplication::setStyle|\bQFont::insertSubstitutions?|\bsetDefaultFont)'
    r'\s*\(\s*\{?\s*' + LITERAL)


def main():
    root = pathlib.Path(sys.argv[1])
    found = []
    for path in sorted(root.rglob('*')):
        if path.suffix not in ('.cpp', '.h'):
            continue
        for number, line in enumerate(path.read_text(errors='replace').splitlines(), 1):
            if HANDED.search(line):
                found.append('%s:%d: %s' % (path.relative_to(root), number, line.strip()))
    for line in found:
        print('literal handed to the toolkit: ' + line)
    print('%d literals handed to the toolkit' % len(found))
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main())
