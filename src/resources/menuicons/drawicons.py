#!/usr/bin/env python3
"""Draws the menu and toolbar icons (16 by 16 XPM) into this folder.

The pictures are simple shapes of our own; run this again after changing one.
"""
import math
import os

PALETTE = {
    '.': None, 'k': '#202020', 'g': '#808080', 'l': '#c8c8c8', 'w': '#ffffff',
    'r': '#d02020', 'G': '#20a040', 'b': '#2050c0', 'c': '#60a0e0', 'y': '#f0c020',
    'o': '#e08020', 'n': '#906030', 'p': '#a040c0',
}

FONT = {  # 3 by 5
    '?': ['.www.', 'ww.ww', '...ww', '..ww.', '..ww.', '.....', '..ww.'],
    'i': ['..ww.', '.....', '.www.', '..ww.', '..ww.', '..ww.', '.wwww'],
    'C': ['.ww', 'w..', 'w..', 'w..', '.ww'],
    'R': ['ww.', 'w.w', 'ww.', 'w.w', 'w.w'],
    'T': ['www', '.w.', '.w.', '.w.', '.w.'],
    '0': ['www', 'w.w', 'w.w', 'w.w', 'www'],
    '1': ['.w.', 'ww.', '.w.', '.w.', 'www'],
}


class Icon:
    def __init__(self):
        self.px = [['.'] * 16 for _ in range(16)]

    def set(self, x, y, c):
        if 0 <= x < 16 and 0 <= y < 16:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def box(self, x0, y0, x1, y1, fill, edge='k'):
        self.rect(x0, y0, x1, y1, edge)
        if x1 - x0 > 1 and y1 - y0 > 1:
            self.rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, fill)

    def line(self, x0, y0, x1, y1, c):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.set(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), c)

    def poly(self, points, c):
        for y in range(16):
            for x in range(16):
                if inside(points, x + 0.5, y + 0.5):
                    self.set(x, y, c)

    def disc(self, cx, cy, r, c):
        for y in range(16):
            for x in range(16):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.set(x, y, c)

    def ring(self, cx, cy, r, c, width=1.2, gap=None):
        for y in range(16):
            for x in range(16):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                angle = math.degrees(math.atan2(cy - (y + 0.5), x + 0.5 - cx)) % 360
                if abs(d - r) <= width / 2 and not (gap and gap[0] <= angle <= gap[1]):
                    self.set(x, y, c)

    def text(self, x, y, glyph, c):
        for dy, row in enumerate(FONT[glyph]):
            for dx, ch in enumerate(row):
                if ch == 'w':
                    self.set(x + dx, y + dy, c)

    def page(self, x0, y0, x1, y1, lines=True):
        self.box(x0, y0, x1, y1, 'w')
        self.line(x1 - 3, y0, x1, y0 + 3, 'k')
        for x in range(x1 - 2, x1 + 1):
            for y in range(y0, y0 + 3):
                if x - (x1 - 3) > y - y0:
                    self.px[y][x] = '.'
        if lines:
            for y in range(y0 + 4, y1 - 1, 2):
                self.line(x0 + 2, y, x1 - 2, y, 'g')

    def xpm(self, name):
        used = sorted({c for row in self.px for c in row})
        out = ['/* XPM */', 'static const char *%s[] = {' % name,
               '"16 16 %d 1",' % len(used)]
        for c in used:
            out.append('"%s c %s",' % (c, PALETTE[c] or 'None'))
        out += ['"%s",' % ''.join(row) for row in self.px]
        out[-1] = out[-1][:-1]
        out.append('};')
        return '\n'.join(out) + '\n'


def inside(points, x, y):
    result = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result


def arrow(icon, x0, y0, x1, y1, c, head=3):
    icon.line(x0, y0, x1, y1, c)
    angle = math.atan2(y1 - y0, x1 - x0)
    for side in (-1, 1):
        a = angle + math.pi + side * math.pi / 4
        icon.line(x1, y1, round(x1 + head * math.cos(a)), round(y1 + head * math.sin(a)), c)


def floppy(icon, x, y, size=13):
    icon.box(x, y, x + size, y + size, 'b')
    icon.rect(x + 3, y + 1, x + size - 3, y + 4, 'w')
    icon.rect(x + 3, y + size - 4, x + size - 3, y + size - 1, 'l')


def chip(icon, c='g'):
    icon.box(3, 4, 12, 11, c)
    for x in range(4, 12, 2):
        icon.set(x, 3, 'k')
        icon.set(x, 12, 'k')


def magnifier(icon, cx=6, cy=6, r=4):
    icon.disc(cx, cy, r, 'c')
    icon.ring(cx, cy, r, 'k')
    for i in range(4):
        icon.rect(cx + 2 + i, cy + 2 + i, cx + 3 + i, cy + 3 + i, 'n')


def triangle(icon, x0, y0, x1, y1, c):
    icon.poly([(x0, y0), (x1, (y0 + y1) / 2), (x0, y1)], c)


def draw(name):
    i = Icon()
    if name == 'new':
        i.page(3, 1, 12, 14)
    elif name == 'open':
        i.box(1, 4, 14, 13, 'y')
        i.box(1, 2, 6, 4, 'y')
        i.poly([(3, 7), (15.5, 7), (13, 13.5), (1, 13.5)], 'o')
    elif name == 'save':
        floppy(i, 1, 1)
    elif name == 'saveall':
        floppy(i, 0, 0, 10)
        floppy(i, 5, 5, 10)
    elif name == 'print':
        i.page(4, 1, 11, 7, lines=False)
        i.box(1, 6, 14, 12, 'l')
        i.box(4, 10, 11, 15, 'w')
        i.set(12, 8, 'G')
    elif name in ('undo', 'redo'):
        i.ring(8, 9, 5, 'b', 1.6, gap=(200, 340))
        arrow(i, 3, 8, 3, 11, 'b', 3)
        if name == 'redo':
            i.px = [row[::-1] for row in i.px]
    elif name == 'cut':
        i.ring(4, 12, 2.5, 'k')
        i.ring(12, 12, 2.5, 'k')
        i.line(5, 10, 11, 1, 'g')
        i.line(11, 10, 5, 1, 'g')
    elif name == 'copy':
        i.page(1, 1, 9, 11)
        i.page(6, 5, 14, 15)
    elif name == 'paste':
        i.box(2, 2, 12, 15, 'n')
        i.box(5, 1, 9, 3, 'l')
        i.page(7, 6, 14, 15)
    elif name == 'find':
        magnifier(i)
    elif name == 'findinfiles':
        i.page(1, 1, 10, 14)
        magnifier(i, 9, 9, 3.5)
    elif name == 'analysis':
        i.box(0, 0, 15, 15, 'w')
        for x, h in ((2, 6), (5, 10), (8, 4), (11, 12)):
            i.rect(x, 14 - h, x + 2, 14, 'b')
    elif name == 'compile':
        i.page(2, 1, 13, 14, lines=False)
        i.text(5, 5, 'C', 'b')
        i.text(9, 8, '1', 'G')
    elif name == 'build':
        for x, y, c in ((1, 10, 'o'), (8, 10, 'r'), (4, 5, 'y'), (8, 0, 'b')):
            i.box(x, y, x + 6, y + 4, c)
    elif name == 'stopfind':
        magnifier(i)
        i.line(9, 9, 15, 15, 'r')
        i.line(15, 9, 9, 15, 'r')
    elif name == 'run':
        triangle(i, 3, 1, 14, 15, 'G')
    elif name == 'stop':
        i.box(2, 2, 13, 13, 'r')
    elif name == 'reset':
        i.ring(8, 8, 5.5, 'r', 2, gap=(60, 110))
        arrow(i, 7, 2, 10, 3, 'r', 3)
    elif name == 'stepinto':
        i.rect(1, 13, 14, 14, 'g')
        arrow(i, 8, 1, 8, 11, 'b', 4)
    elif name == 'stepover':
        i.ring(8, 10, 6, 'b', 1.5, gap=(180, 360))
        arrow(i, 14, 10, 14, 12, 'b', 3)
        i.disc(8, 13, 1.6, 'k')
    elif name == 'stepout':
        i.rect(1, 13, 14, 14, 'g')
        arrow(i, 8, 11, 8, 1, 'b', 4)
    elif name == 'runtocursor':
        triangle(i, 1, 3, 10, 13, 'G')
        i.rect(12, 1, 13, 14, 'k')
    elif name == 'locatepc':
        for y in range(3, 14, 3):
            i.line(7, y, 15, y, 'g')
        i.poly([(0, 6), (4, 6), (4, 3.5), (7.5, 8), (4, 12.5), (4, 10), (0, 10)], 'y')
    elif name == 'togglesource':
        i.page(1, 1, 14, 14, lines=False)
        for y in (4, 7, 10):
            i.line(3, y, 7, y, 'b')
            i.line(9, y, 12, y, 'r')
        i.line(8, 2, 8, 13, 'l')
    elif name in ('connect', 'disconnect'):
        apart = 2 if name == 'disconnect' else 0
        colour = 'r' if apart else 'G'
        i.box(0, 5, 5 - apart, 10, 'l')
        i.box(10 + apart, 5, 15, 10, 'l')
        i.line(5 - apart, 6, 9 + apart, 6, colour)
        i.line(5 - apart, 9, 9 + apart, 9, colour)
        if apart:
            i.line(6, 2, 9, 13, 'r')
    elif name == 'loadimage':
        chip(i)
        arrow(i, 8, 0, 8, 8, 'b', 3)
    elif name == 'reloadimage':
        chip(i)
        i.ring(8, 8, 2.5, 'b', 1.2, gap=(0, 60))
    elif name == 'setpc':
        for y in range(3, 14, 3):
            i.line(7, y, 15, y, 'g')
        i.poly([(0, 1), (4, 1), (4, -1), (7.5, 3), (4, 7), (4, 5), (0, 5)], 'y')
        i.text(1, 9, 'T', 'k')
    elif name == 'stepback':
        i.rect(1, 13, 14, 14, 'g')
        arrow(i, 13, 7, 2, 7, 'b', 4)
    elif name == 'breakpoint':
        i.disc(8, 8, 6, 'r')
        i.ring(8, 8, 6, 'k')
    elif name == 'watch':
        i.ring(4.5, 9, 3, 'k', 1.5)
        i.ring(11.5, 9, 3, 'k', 1.5)
        i.line(7, 8, 9, 8, 'k')
    elif name in ('about', 'help'):
        i.disc(8, 8, 7, 'b')
        i.text(5, 4, 'i' if name == 'about' else '?', 'w')
    elif name == 'cycleconnections':
        i.box(0, 5, 4, 10, 'l')
        i.box(11, 5, 15, 10, 'l')
        arrow(i, 5, 6, 10, 6, 'G', 2)
        arrow(i, 10, 9, 5, 9, 'G', 2)
    elif name == 'cyclethreads':
        for y, c in ((3, 'b'), (8, 'p'), (13, 'G')):
            for x in range(0, 12):
                i.set(x, y + (1 if (x // 2) % 2 else 0), c)
        arrow(i, 14, 2, 14, 13, 'k', 2)
    elif name == 'stepcycle':
        i.ring(8, 8, 6, 'k', 1.3)
        i.line(8, 8, 8, 4, 'k')
        i.line(8, 8, 11, 8, 'r')
    elif name == 'memory':
        i.box(1, 1, 14, 14, 'w')
        for v in (5, 10):
            i.line(v, 1, v, 14, 'g')
            i.line(1, v, 14, v, 'g')
    elif name == 'registers':
        for y in (1, 6, 11):
            i.box(1, y, 14, y + 3, 'c')
        i.text(12, 6, 'R', 'k')
    elif name == 'callstack':
        for n, y in enumerate((2, 6, 10)):
            i.box(1 + n * 2, y, 14 - n * 2, y + 3, 'y')
    elif name == 'cancel':
        i.disc(8, 8, 7, 'r')
        i.line(5, 5, 11, 11, 'w')
        i.line(11, 5, 5, 11, 'w')
        i.line(5, 6, 10, 11, 'w')
        i.line(10, 5, 5, 10, 'w')
    elif name == 'home':
        i.poly([(0, 8), (8, 0), (16, 8)], 'r')
        i.box(2, 8, 13, 15, 'l')
        i.box(6, 10, 9, 15, 'n')
    elif name == 'analyzer':
        i.box(0, 2, 15, 13, 'k')
        for x in range(1, 15):
            i.set(x, 7 + round(3 * math.sin(x / 2.0)), 'G')
    elif name == 'tracing':
        wave = [11, 11, 11, 4, 4, 4, 11, 11, 4, 4, 4, 4, 11, 11, 11, 4]
        for x, y in enumerate(wave):
            i.set(x, y, 'b')
            if x and wave[x - 1] != y:
                i.line(x, 4, x, 11, 'b')
        i.disc(13, 13, 2.5, 'r')
    elif name == 'tracking':
        i.box(0, 1, 15, 14, 'w')
        i.rect(0, 1, 15, 3, 'b')
        i.poly([(2, 9), (7, 9), (7, 6.5), (11, 10.5), (7, 14.5), (7, 12), (2, 12)], 'y')
    else:
        raise SystemExit('no picture for ' + name)
    return i


NAMES = ['new', 'open', 'save', 'saveall', 'print', 'undo', 'redo', 'cut', 'copy', 'paste',
         'find', 'findinfiles', 'analysis', 'compile', 'build', 'stopfind', 'run', 'stop',
         'reset', 'stepinto', 'stepover', 'stepout', 'runtocursor', 'locatepc', 'togglesource',
         'connect', 'disconnect', 'loadimage', 'reloadimage', 'setpc', 'stepback', 'breakpoint',
         'watch', 'about', 'help', 'cycleconnections', 'cyclethreads', 'stepcycle', 'memory',
         'registers', 'callstack', 'cancel', 'home', 'analyzer', 'tracing', 'tracking']

if __name__ == '__main__':
    here = os.path.dirname(os.path.abspath(__file__))
    for name in NAMES:
        with open(os.path.join(here, name + '.xpm'), 'w') as out:
            out.write(draw(name).xpm(name + '_xpm'))
    with open(os.path.join(here, '..', 'menuicons.qrc'), 'w') as qrc:
        qrc.write('<!DOCTYPE RCC>\n<RCC version="1.0">\n<qresource prefix="/menuicons">\n')
        for name in NAMES:
            qrc.write('    <file alias="%s.xpm">menuicons/%s.xpm</file>\n' % (name, name))
        qrc.write('</qresource>\n</RCC>\n')
