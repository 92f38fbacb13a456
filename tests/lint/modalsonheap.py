#!/usr/bin/env python3
"""Fails when a modal object of the library (a dialog, box, chooser or menu) is declared on the
stack or held in a smart pointer anywhere under the given source folder.

A window the host closes inside a modal loop deletes its child dialogs; a dialog on the stack
would then be freed twice. Modal objects are made on the heap and run through the modal seam's
guarded runs (system/modalseam.h)."""
import pathlib
import re
import sys

TOOLKIT_MODALS = {'QDialog', 'QMenu', 'QMessageBox', 'QFileDialog', 'QInputDialog',
                  'QColorDialog', 'QFontDialog', 'QProgressDialog', 'QErrorMessage', 'QWizard'}


def modal_classes(sources):
    """The toolkit's modal classes and every class of ours derived from one."""
    modal = set(TOOLKIT_MODALS)
    declaration = re.compile(r'class\s+(?:\w+\s+)?(\w+)\s*(?:final\s*)?:\s*([^{;]+)\{')
    grew = True
    while grew:
        grew = False
        for text in sources.values():
            for match in declaration.finditer(text):
                name, bases = match.groups()
                if name not in modal and any(re.search(r'\b%s\b' % b, bases) for b in modal):
                    modal.add(name)
                    grew = True
    return modal


def offences(sources, modal):
    names = '|'.join(sorted(modal))
    on_stack = re.compile(r'^\s*(?:const\s+)?(?:\w+::)*(?:%s)\s+\w+\s*[({;]' % names)
    in_pointer = re.compile(r'(?:unique_ptr|make_unique|shared_ptr|make_shared)<\s*(?:\w+::)*'
                            r'(?:%s)\s*>' % names)
    for path, text in sorted(sources.items()):
        for number, line in enumerate(text.splitlines(), 1):
            if on_stack.search(line) or in_pointer.search(line):
                yield '%s:%d: %s' % (path, number, line.strip())


def main():
    root = pathlib.Path(sys.argv[1])
    sources = {str(p.relative_to(root)): p.read_text(errors='replace')
               for p in root.rglob('*') if p.suffix in ('.cpp', '.h')}
    found = list(offences(sources, modal_classes(sources)))
    for line in found:
        print('modal object not on the heap: ' + line)
    print('%d modal classes checked, %d offences' % (len(modal_classes(sources)), len(found)))
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main())
