#!/usr/bin/env python3
"""Writes the C++ menu tables from menutables.txt (the grammar is described there), and
optionally the hosts' C header of every host id per window kind.

usage: genmenutables.py menutables.txt output.cpp [tesk_menuids.h]
"""
import re
import shlex
import sys

KINDS = {'menubar': 0, 'toolbar': 1, 'popuproot': 2, 'menu': 3, '|': 4, 'command': 5,
         'toggle': 6, 'list': 7, 'checklist': 8, 'cycle': 9, 'radio': 10}
ROOTS = (0, 1, 2)
SEPARATOR_ID = 900


class TableError(Exception):
    pass


class ItemTable:
    def __init__(self, name, auto_first, auto_last, auto_host, reserved):
        self.name = name
        self.auto = (auto_first, auto_last)
        self.auto_host = auto_host
        self.reserved = set(reserved)
        self.rows = []          # in order of first mention
        self.by_id = {}
        self.pending = []       # rows waiting for an automatic id

    def add(self, row):
        self.rows.append(row)
        if row['id'] is None:
            self.pending.append(row)
        else:
            if row['id'] in self.by_id:
                raise TableError('%s: item id %d defined twice' % (self.name, row['id']))
            self.by_id[row['id']] = row

    def allocate(self):
        taken = set(self.by_id) | self.reserved
        candidate = self.auto[0]
        for row in self.pending:
            while candidate in taken:
                candidate += 1
            if candidate > self.auto[1]:
                raise TableError('%s: automatic ids exhausted' % self.name)
            row['id'] = candidate
            taken.add(candidate)
            self.by_id[candidate] = row
        self.pending = []
        for row in self.rows:
            if row['host'] is None:
                automatic = row['kind'] in (3, 5, 6, 10) and self.auto_host
                row['host'] = self.auto_host + row['id'] if automatic else 0
            if row['desc'] is None:
                row['desc'] = row['text'].replace('&', '')
        hosts = {}
        for row in self.rows:
            if row['host'] and row['host'] in hosts:
                raise TableError('%s: host id %d used by items %d and %d'
                                 % (self.name, row['host'], hosts[row['host']], row['id']))
            hosts[row['host']] = row['id']

    def find_text(self, text):
        found = [r for r in self.rows if r['text'] == text]
        if len(found) != 1:
            raise TableError('%s: "%s" names %d rows' % (self.name, text, len(found)))
        return found[0]


def parse_range(word):
    first, _, last = word.partition('-')
    first = int(first)
    return first, int(last) if last else first


def parse_line(words, line_no):
    kind_word = words[0]
    if kind_word not in KINDS:
        raise TableError('line %d: unknown kind %s' % (line_no, kind_word))
    row = {'kind': KINDS[kind_word], 'id': None, 'text': None, 'host': None, 'key': '',
           'label': None, 'desc': None, 'range': None, 'host_range': None}
    for word in words[1:]:
        attribute = re.match(r'^(key|host|label|desc)=(.*)$', word)
        if attribute:
            name, value = attribute.groups()
            if name == 'host':
                row['host_range'] = parse_range(value)
            else:
                row[name] = value
        elif re.match(r'^\d+(-\d+)?$', word) and row['text'] is None and row['range'] is None:
            row['range'] = parse_range(word)
        elif row['text'] is None:
            row['text'] = word
        else:
            raise TableError('line %d: unexpected %s' % (line_no, word))
    if row['kind'] == 4:
        row['range'] = (SEPARATOR_ID, SEPARATOR_ID)
    if row['text'] is None:
        row['text'] = ''
    return row


def expand(row, line_no):
    """One definition line may stand for a run of list entries."""
    if row['range'] is None:
        first = last = None
    else:
        first, last = row['range']
    if row['host_range'] is not None:
        hosts = range(row['host_range'][0], row['host_range'][1] + 1)
        count = 1 if first is None else last - first + 1
        if len(hosts) != count:
            raise TableError('line %d: id and host ranges differ in length' % line_no)
    else:
        hosts = None
    ids = [None] if first is None else list(range(first, last + 1))
    rows = []
    for i, item_id in enumerate(ids):
        entry = dict(row)
        entry['id'] = item_id
        entry['host'] = hosts[i] if hosts is not None else None
        rows.append(entry)
    return rows


def read(path):
    tables, structures = {}, []
    current_items, structure = None, None
    stack = []   # (indent, item row) of the open tree
    for line_no, raw in enumerate(open(path, encoding='utf-8'), 1):
        if not raw.strip() or raw.lstrip().startswith('#'):
            continue
        indent = len(raw) - len(raw.lstrip(' '))
        words = shlex.split(raw, posix=True)
        head = words[0]
        if head == 'items':
            options = dict(zip(words[2::2], words[3::2]))
            reserve = [int(w) for w in words[words.index('reserve') + 1:]] \
                if 'reserve' in words else []
            first, last = parse_range(options['autoid'])
            current_items = ItemTable(words[1], first, last, int(options['autohost']), reserve)
            tables[words[1]] = current_items
            structure = None
            continue
        if head in ('structure', 'unplaced'):
            options = dict(w.split('=', 1) for w in words[1:] if '=' in w)
            table = tables[options['items']]
            if head == 'structure':
                structure = {'name': words[1], 'kind': int(options['kind']), 'items': table,
                             'pairs': []}
                structures.append(structure)
            else:
                structure = {'items': table, 'pairs': None}
            stack = []
            continue
        if structure is None:
            raise TableError('line %d: item outside a structure' % line_no)
        table = structure['items']
        while stack and stack[-1][0] >= indent:
            stack.pop()
        if head == 'use':
            target = words[1]
            rows = [table.by_id[int(target)] if target.isdigit() else table.find_text(target)]
        else:
            rows = []
            for row in expand(parse_line(words, line_no), line_no):
                if row['kind'] == 4 and SEPARATOR_ID in table.by_id:
                    rows.append(table.by_id[SEPARATOR_ID])
                    continue
                table.add(row)
                rows.append(row)
        if structure['pairs'] is None:
            continue
        for row in rows:
            if row['kind'] in ROOTS and not stack:
                structure['pairs'].append((row, row))
            elif not stack:
                raise TableError('line %d: item without a root' % line_no)
            else:
                structure['pairs'].append((stack[-1][1], row))
        stack.append((indent, rows[-1]))
    for table in tables.values():
        table.allocate()
    return tables, structures


def c_string(text):
    if text is None:
        return 'nullptr'
    escaped = text.replace('\\', '\\\\').replace('"', '\\"')
    return 'QT_TRANSLATE_NOOP("QObject", "%s")' % escaped if text else '""'


def identifier(name):
    return 'k' + name[:1].upper() + name[1:]


def write(tables, structures, out):
    lines = ['// Written by genmenutables.py from menutables.txt; edit that file instead.',
             '#include "frame/menus/menutables.h"', '', '#include <QtGlobal>', '',
             'namespace tesk::menus::generated {', '', 'namespace {', '']
    for name, table in tables.items():
        lines.append('const MenuItemRow %sItems[] = {' % identifier(name))
        for r in table.rows:
            lines.append('    {%d, %d, %s, %s, %d, "%s", %s},' % (
                r['id'], r['kind'], c_string(r['text']), c_string(r['desc']), r['host'],
                r['key'], c_string(r['label'])))
        lines.append('    {0, 11, "", "", 0, "", nullptr},')
        lines.append('};')
        lines.append('')
    for s in structures:
        lines.append('const MenuStructurePair %sStructure[] = {' % identifier(s['name']))
        for parent, child in s['pairs']:
            lines.append('    {%d, %d},' % (parent['id'], child['id']))
        lines.append('    {-1, -1},')
        lines.append('};')
        lines.append('')
    lines.append('} // namespace')
    lines.append('')
    lines.append('const GeneratedTables kTables[] = {')
    for s in structures:
        lines.append('    {%d, %sStructure, %sItems},' % (
            s['kind'], identifier(s['name']), identifier(s['items'].name)))
    lines.append('    {-1, nullptr, nullptr},')
    lines.append('};')
    lines.append('')
    lines.append('} // namespace tesk::menus::generated')
    out.write('\n'.join(lines) + '\n')


def macro_word(text):
    word = re.sub(r'[^A-Za-z0-9]+', '_', text.replace('&', '')).strip('_').upper()
    return word


def menu_path(parents, row):
    """The menu texts from the root down to the row, as the user sees them."""
    path, seen = [], set()
    while row is not None and row['kind'] not in ROOTS and id(row) not in seen:
        seen.add(id(row))
        path.append((row['text'] or row['label'] or '').replace('&', ''))
        row = parents.get(id(row))
    return [p for p in reversed(path) if p]


def window_rows(structure, unplaced):
    """The rows with host ids that a window of this kind carries, in menu order, each with its
    parent; rows that no structure places follow for the first window over their table."""
    parents, rows, seen = {}, [], set()
    for parent, child in structure['pairs']:
        if parent is not child:
            parents.setdefault(id(child), parent)
        if child['host'] and id(child) not in seen:
            seen.add(id(child))
            rows.append(child)
    for row in unplaced:
        if row['host'] and id(row) not in seen:
            seen.add(id(row))
            rows.append(row)
    return parents, rows


def write_header(tables, structures, out):
    placed = set()
    for s in structures:
        for parent, child in s['pairs']:
            placed.add(id(parent))
            placed.add(id(child))
    lines = ['/* Written by genmenutables.py from menutables.txt; edit that file instead.',
             ' *',
             ' * The host id of every menu command, toggle and entry, per window kind: the id',
             ' * that the menu callback (QtRegisterMenuCB) receives when the user picks the entry',
             ' * and that the host passes to address it. Each name is the window kind and the menu',
             ' * text; the comment gives the menu path. */',
             '#ifndef TESK_MENUIDS_H', '#define TESK_MENUIDS_H', '']
    first_for_table = set()
    for s in structures:
        table = s['items']
        unplaced = []
        if table.name not in first_for_table:
            first_for_table.add(table.name)
            unplaced = [r for r in table.rows if id(r) not in placed]
        parents, rows = window_rows(s, unplaced)
        if not rows:
            continue
        prefix = 'TESK_MENU_%s_' % macro_word(s['name'])
        lines.append('/* Window kind %d (%s) */' % (s['kind'], s['name']))
        lines.append('#define %sKIND %d' % (prefix, s['kind']))
        names, entries = {}, {}
        for row in rows:
            path = menu_path(parents, row) if id(row) in placed else []
            parent = parents.get(id(row))
            parent_word = macro_word(parent['text'] or '') if parent is not None else ''
            word = macro_word(row['text'] or row['label'] or row['desc'] or '')
            if not word:
                # Entries of a list carry no text: they count up under their menu.
                base = parent_word or 'ENTRY'
                entries[base] = entries.get(base, 0) + 1
                word = '%s_%d' % (base, entries[base])
            if word in names or word == 'KIND':
                # Entries sharing a text are told apart by their menu, then by their item id.
                word = '_'.join(w for w in (parent_word, word) if w)
                if word in names:
                    word = '%s_%d' % (word, row['id'])
            names[word] = row
            where = ' > '.join(path) if path else 'in no menu of the window'
            lines.append('#define %s%s %d /* %s */' % (prefix, word, row['host'],
                                                       where.replace('*/', '* /')))
        lines.append('')
    lines.append('#endif')
    out.write('\n'.join(lines) + '\n')


def main(argv):
    try:
        tables, structures = read(argv[1])
    except (TableError, KeyError, ValueError) as error:
        sys.stderr.write('%s: %s\n' % (argv[1], error))
        return 1
    with open(argv[2], 'w', encoding='utf-8') as out:
        write(tables, structures, out)
    if len(argv) > 3:
        with open(argv[3], 'w', encoding='utf-8') as out:
            write_header(tables, structures, out)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
