"""The twelve small images the skin engine draws with: caption-button glyphs,
check boxes and arrows. Glyphs are white on a transparent ground with a soft
sheen; a faint dark halo keeps them readable on pale backgrounds."""

from array import array

from raster import (Canvas, Linear, rgb, rect, stroke, box_blur)

WHITE = (1.0, 1.0, 1.0, 1.0)
SS = 16


def _sheen(c, first_alpha, edges):
    """White wash over the top rows, fading out by mid-height, plus the faint
    one-pixel highlight down the upper part of the given edge columns."""
    fade_rows = 9
    for y in range(fade_rows):
        t = 1.0 - y / fade_rows
        a = first_alpha / 255.0 * t * t
        c.fill(rect(0, y, c.w, 1), (1.0, 1.0, 1.0, a))
    for x in edges:
        for y in range(11):
            t = 1.0 - y / 11.0
            c.fill(rect(x, y, 1, 1), (1.0, 1.0, 1.0, 0.22 * t))


def _glyph(c, shapes):
    """White glyph over a dark halo: a one-pixel rim plus a soft shadow one
    pixel lower, so the glyph holds on pale backgrounds too."""
    m = c.mask(shapes, ss=SS)
    w, h = c.w, c.h
    rim = array('d', m)
    for y in range(h):
        for x in range(w):
            v = 0.0
            for yy in range(max(0, y - 1), min(h, y + 2)):
                for xx in range(max(0, x - 1), min(w, x + 2)):
                    v = max(v, m[yy * w + xx])
            rim[y * w + x] = v
    soft = box_blur(m, w, h, 1)
    c.paint_mask(rim, (0.0, 0.0, 0.0, 1.0), opacity=0.22)
    c.paint_mask(soft, (0.0, 0.0, 0.0, 1.0), opacity=0.7, dy=1)
    c.paint_mask(m, WHITE)


def _pixels(art, x0, y0):
    """Pixel art, '#' a lit pixel: small round glyphs stay crisp this way."""
    return [rect(x0 + dx, y0 + dy, 1, 1)
            for dy, line in enumerate(art) for dx, ch in enumerate(line) if ch == '#']


HELP_ART = [
    '....####....',
    '..##....##..',
    '.#........#.',
    '.#..####..#.',
    '#..##..##..#',
    '#......##..#',
    '#....###...#',
    '#....##....#',
    '.#........#.',
    '.#...##...#.',
    '.#......##..',
    '.#..####....',
    '.#.#........',
    '.##.........',
]


def help_glyph():
    c = Canvas(26, 18)
    _sheen(c, 56, [])
    _glyph(c, _pixels(HELP_ART, 7, 2))
    return c


def main_menu_glyph():
    c = Canvas(26, 18)
    _sheen(c, 56, [])
    board = [rect(8, 4, 3, 1), rect(15, 4, 3, 1), rect(8, 14, 10, 1),
             rect(8, 5, 1, 9), rect(17, 5, 1, 9)]
    clip = [rect(11, 3, 4, 3)]
    lines = [rect(10, 8, 6, 1), rect(10, 10, 6, 1), rect(10, 12, 4, 1)]
    _glyph(c, board + clip + lines)
    return c


def minimise_glyph():
    c = Canvas(26, 18)
    _sheen(c, 80, [0])
    _glyph(c, [rect(8, 11, 10, 2)])
    return c


def _window_outline(x, y, w, h):
    return [rect(x, y, w, 2), rect(x, y + h - 1, w, 1),
            rect(x, y + 2, 1, h - 3), rect(x + w - 1, y + 2, 1, h - 3)]


def maximise_glyph():
    c = Canvas(26, 18)
    _sheen(c, 80, [0])
    _glyph(c, _window_outline(8, 4, 10, 9))
    return c


def restore_glyph():
    c = Canvas(26, 18)
    _sheen(c, 80, [0])
    back = [rect(10, 3, 8, 2), rect(17, 5, 1, 6), rect(15, 10, 3, 1), rect(10, 5, 1, 1)]
    front = _window_outline(8, 6, 8, 8)
    _glyph(c, back + front)
    return c


def close_glyph():
    c = Canvas(38, 18)
    _sheen(c, 80, [0, 37])
    a, b = 15.0, 23.0
    top, bottom = 5.0, 13.0
    cross = stroke([(a, top), (b, bottom)], 1.6) + stroke([(b, top), (a, bottom)], 1.6)
    _glyph(c, cross)
    return c


def _check_box(frame):
    c = Canvas(13, 13)
    c.fill(rect(0, 0, 13, 13), frame)
    inside = Linear((0, 1), (0, 12), [(0.0, rgb('#FBFAF7')), (1.0, rgb('#DAD5CC'))])
    # Clear the inside first so the frame's alpha does not show through it.
    for y in range(1, 12):
        for x in range(1, 12):
            c.put(x, y, (0.0, 0.0, 0.0, 0.0))
    c.fill(rect(1, 1, 11, 11), inside)
    # A lighter inner edge on top and left, for a little depth.
    c.fill(rect(1, 1, 11, 1), (1.0, 1.0, 1.0, 0.7))
    c.fill(rect(1, 2, 1, 10), (1.0, 1.0, 1.0, 0.45))
    return c


def check_off():
    return _check_box(rgb('#030303', 230 / 255.0))


def check_on():
    c = _check_box(rgb('#185184'))
    tick = stroke([(3.2, 6.6), (5.4, 8.9), (9.8, 3.9)], 1.9)
    c.fill(tick, rgb('#246E75'), ss=SS)
    return c


def _arrow(rows, vertical=True):
    """rows: filled column ranges of a pixel triangle, first row first."""
    n = len(rows)
    wdt = max(e for _, e in rows)
    c = Canvas(wdt, n) if vertical else Canvas(n, wdt)
    for i, (s, e) in enumerate(rows):
        for j in range(s, e):
            if vertical:
                c.put(j, i, (0.0, 0.0, 0.0, 1.0))
            else:
                c.put(i, j, (0.0, 0.0, 0.0, 1.0))
    return c


def arrow_down():
    return _arrow([(0, 7), (1, 6), (2, 5), (3, 4)])


def arrow_up():
    return _arrow([(3, 4), (2, 5), (1, 6), (0, 7)])


def arrow_right():
    return _arrow([(0, 7), (1, 6), (2, 5), (3, 4)], vertical=False)


def arrow_left():
    return _arrow([(3, 4), (2, 5), (1, 6), (0, 7)], vertical=False)


IMAGES = [
    ('help.png', help_glyph),
    ('main_menu.png', main_menu_glyph),
    ('minimise.png', minimise_glyph),
    ('maximise.png', maximise_glyph),
    ('restore.png', restore_glyph),
    ('close.png', close_glyph),
    ('check_off.png', check_off),
    ('check_on.png', check_on),
    ('arrow_down.png', arrow_down),
    ('arrow_up.png', arrow_up),
    ('arrow_left.png', arrow_left),
    ('arrow_right.png', arrow_right),
]
