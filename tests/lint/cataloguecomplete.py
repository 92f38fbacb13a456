#!/usr/bin/env python3
"""Fails when a translation catalogue lacks a translation for a text that lupdate finds in the
sources and the generated menu tables, or when lrelease reports an untranslated text.

lupdate writes into a copy, so the catalogue in the tree is never touched. Without lupdate or
lrelease the check is skipped (exit code 77, ctest's SKIP_RETURN_CODE)."""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

SKIP = 77


def tool(name):
    for candidate in ('/usr/lib/qt6/bin/' + name, name + '-qt6', name):
        found = shutil.which(candidate)
        if found:
            return found
    return None


def unfinished(catalogue):
    """Source texts whose translation is empty or still marked unfinished."""
    text = catalogue.read_text(encoding='utf-8')
    found = []
    for message in re.finditer(r'<message[^>]*>(.*?)</message>', text, re.S):
        body = message.group(1)
        translation = re.search(r'<translation([^>]*)>(.*?)</translation>', body, re.S)
        source = re.search(r'<source>(.*?)</source>', body, re.S)
        if 'type="vanished"' in translation.group(1) or 'type="obsolete"' in translation.group(1):
            continue
        if 'type="unfinished"' in translation.group(1) or not translation.group(2).strip():
            found.append(source.group(1) if source else '?')
    return found


def main():
    if len(sys.argv) < 3:
        print('usage: cataloguecomplete.py <source folder> <generated menu tables> <catalogue>...')
        return 2
    sources, tables, catalogues = sys.argv[1], sys.argv[2], sys.argv[3:]
    lupdate, lrelease = tool('lupdate'), tool('lrelease')
    if not lupdate or not lrelease:
        print('SKIPPED: lupdate or lrelease (package qt6-l10n-tools) is not installed')
        return SKIP
    failed = False
    with tempfile.TemporaryDirectory() as scratch:
        for catalogue in map(pathlib.Path, catalogues):
            copy = pathlib.Path(scratch) / catalogue.name
            shutil.copyfile(catalogue, copy)
            subprocess.run([lupdate, '-silent', '-locations', 'none', sources, tables, '-ts',
                            str(copy)], check=True, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
            missing = unfinished(copy)
            for source in missing:
                print('%s: untranslated: %s' % (catalogue.name, source))
            released = subprocess.run([lrelease, str(copy), '-qm', str(copy.with_suffix('.qm'))],
                                      check=True, capture_output=True, text=True).stdout
            counts = re.findall(r'(\d+) (?:unfinished|untranslated)', released)
            if any(int(count) for count in counts):
                print('%s: lrelease: %s' % (catalogue.name, released.strip()))
                failed = True
            failed = failed or bool(missing)
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
