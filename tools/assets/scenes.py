"""The two larger drawn pictures: the photo box's built-in picture (a green
sprout on a soft card) and the window background (a countryside school)."""

import math

from raster import (Canvas, Linear, Radial, Rng, rgb, shade, with_alpha,
                    ellipse, rect, path, bezier, quad, stroke, oriented)


# ---------------------------------------------------------------- sprout card

def _wave(x0, x1, base, amp, period, phase=0.0, bottom=None, step=4):
    """A band under a cosine edge; periodic, so tiles join without a seam."""
    pts = []
    x = x0
    while True:
        pts.append((x, base - amp * math.cos(2 * math.pi * (x + phase) / period)))
        if x >= x1:
            break
        x = min(x1, x + step)
    pts += [(x1, bottom), (x0, bottom)]
    return pts


def _leaf(base, tip, width, bend=0.0):
    """A pointed leaf from base to tip; bend curves its midrib sideways."""
    bx, by = base
    tx, ty = tip
    dx, dy = tx - bx, ty - by
    d = math.hypot(dx, dy)
    nx, ny = -dy / d, dx / d
    mx, my = bx + dx * 0.5 + nx * bend, by + dy * 0.5 + ny * bend
    c1 = (bx + dx * 0.25 + nx * (width + bend * 0.6), by + dy * 0.25 + ny * (width + bend * 0.6))
    c2 = (bx + dx * 0.8 + nx * (width * 0.9 + bend), by + dy * 0.8 + ny * (width * 0.9 + bend))
    c3 = (bx + dx * 0.8 - nx * (width * 0.9 - bend), by + dy * 0.8 - ny * (width * 0.9 - bend))
    c4 = (bx + dx * 0.25 - nx * (width - bend * 0.6), by + dy * 0.25 - ny * (width - bend * 0.6))
    outline = path(bezier(base, c1, c2, tip, 20), bezier(tip, c3, c4, base, 20))
    rib = quad(base, (mx, my), tip, 12)
    return outline, rib


def builtin_picture():
    w, h = 186, 279
    c = Canvas(w, h, (1.0, 1.0, 1.0, 1.0))
    # Card: pale morning sky into warm cream; vertical only, so tiles join.
    c.fill(rect(0, 0, w, h), Linear((0, 0), (0, h), [
        (0.0, rgb('#DDF0F4')), (0.45, rgb('#EAF6E2')), (1.0, rgb('#F7F1DA'))]))
    # Sun glow behind the sprout, kept clear of the side edges.
    c.fill(ellipse(93, 96, 88, 88), Radial((93, 96), 88, [
        (0.0, (1.0, 0.95, 0.72, 0.95)), (0.35, (1.0, 0.96, 0.78, 0.55)), (1.0, (1.0, 0.97, 0.85, 0.0))]))
    c.fill(ellipse(93, 96, 24), (1.0, 0.97, 0.84, 0.8))
    # Faint rays, fading out before they reach the card's sides.
    for i in range(14):
        a0 = 2 * math.pi * i / 14
        a1 = a0 + math.pi / 20
        wedge = [(93, 96), (93 + 90 * math.cos(a0), 96 + 90 * math.sin(a0)),
                 (93 + 90 * math.cos(a1), 96 + 90 * math.sin(a1))]
        c.fill(wedge, Radial((93, 96), 88, [(0.0, (1.0, 1.0, 0.9, 0.0)), (0.3, (1.0, 1.0, 0.92, 0.35)),
                                             (1.0, (1.0, 1.0, 0.92, 0.0))]))
    rng = Rng(7)
    # Floating light dots, each a soft disc with a brighter rim.
    for _ in range(16):
        x, y = rng.uniform(14, w - 14), rng.uniform(10, 190)
        r = rng.uniform(2.0, 8.0)
        a = rng.uniform(0.3, 0.6)
        c.fill(ellipse(x, y, r), (1.0, 1.0, 1.0, a * 0.6))
        c.fill(stroke(ellipse(x, y, r - 0.6), 1.0, closed=True, caps=False), (1.0, 1.0, 1.0, a))
    # Two soft hills and the soil the sprout grows from.
    c.fill(_wave(0, w, 214, 6, w, 0, h), rgb('#BFE3A8'))
    c.fill(_wave(0, w, 236, 5, w / 2.0, w / 4.0, h), rgb('#9ED27F'))
    c.fill(ellipse(93, 262, 52, 20), rgb('#8A6A4A'))
    c.fill(ellipse(93, 258, 46, 13), rgb('#A4805A'))
    c.fill(_wave(0, w, 268, 3, w / 3.0, 0, h), rgb('#7FC063'))
    # Grass tufts along the near hill (inside the card, away from the seams).
    for gx in (22, 48, 138, 166):
        gy = 236 - 5 * math.cos(2 * math.pi * (gx + w / 4.0) / (w / 2.0)) + 2
        for dx, lean, tall in ((-4, -5, 9), (0, 0, 13), (4, 5, 10)):
            blade = [(gx + dx - 1.6, gy), (gx + dx + 1.6, gy), (gx + dx + lean, gy - tall)]
            c.fill(blade, rgb('#6DB556'))

    # Stem: a gentle S from the soil up.
    stem = bezier((93, 256), (90, 220), (100, 185), (95, 140), 24)
    c.fill(stroke(stem, 7.0), rgb('#3E9A4D'))
    c.fill(stroke(stem, 3.0), rgb('#5DB866'))
    leaf_dark, leaf_light, rib_col = rgb('#3FA052'), rgb('#7CCB68'), rgb('#D7F3BE')
    for base, tip, width, bend in (((95, 182), (36, 140), 22, -6),
                                   ((96, 168), (158, 118), 20, 6),
                                   ((95, 143), (104, 86), 11, -4)):
        outline, rib = _leaf(base, tip, width, bend)
        c.fill(outline, Linear(base, tip, [(0.0, leaf_dark), (1.0, leaf_light)]))
        # The lower half of the leaf a shade darker, as if lit from above.
        half = outline[:21] + list(reversed(rib))[1:]
        lower = half if base[0] < tip[0] else outline[20:] + rib[1:]
        c.fill(lower, (0.05, 0.3, 0.12, 0.3))
        c.fill(stroke(rib, 1.8), with_alpha(rib_col, 0.85))
    # A dew drop on the big leaf.
    c.fill(ellipse(62, 150, 4.2, 5.0), (1.0, 1.0, 1.0, 0.55))
    c.fill(ellipse(61, 148.5, 1.4), (1.0, 1.0, 1.0, 0.9))
    c.noise(Rng(11), 0.05)
    return c


# ---------------------------------------------------------------- background

def _ridge(w, base, amps, rng, bottom):
    """A hill line from a sum of slow sines."""
    phases = [rng.uniform(0, 2 * math.pi) for _ in amps]
    pts = []
    for x in range(0, w + 8, 8):
        y = base
        for k, (amp, period) in enumerate(amps):
            y -= amp * math.sin(2 * math.pi * x / period + phases[k])
        pts.append((x, y))
    return pts + [(w + 8, bottom), (0, bottom)]


def _school(c, x, y, s):
    """A small two-storey school with a clock gable and a flag."""
    wall, roof, trim = rgb('#F3E3C8'), rgb('#C2584A'), rgb('#FFFFFF')
    win = rgb('#7FB2D6')
    wdt, hgt = 220 * s, 78 * s
    c.fill(rect(x + 6 * s, y + 8 * s, wdt, hgt), (0.1, 0.25, 0.2, 0.18))  # shade
    c.fill(rect(x, y, wdt, hgt), wall)
    c.fill(rect(x - 6 * s, y - 12 * s, wdt + 12 * s, 14 * s), roof)
    c.fill(rect(x, y + 36 * s, wdt, 3 * s), shade(wall, -0.12))
    for row in range(2):
        for col in range(7):
            if row == 1 and col == 3:
                continue
            wx = x + (14 + col * 29) * s
            wy = y + (8 + row * 38) * s
            c.fill(rect(wx, wy, 16 * s, 20 * s), win)
            c.fill(rect(wx, wy, 16 * s, 4 * s), (1.0, 1.0, 1.0, 0.45))
    # Door.
    c.fill(rect(x + 99 * s, y + 46 * s, 22 * s, 32 * s), rgb('#8A5A3C'))
    # Gable with a clock.
    gx = x + wdt / 2.0
    c.fill([(gx - 38 * s, y - 12 * s), (gx + 38 * s, y - 12 * s), (gx, y - 46 * s)], roof)
    c.fill([(gx - 28 * s, y - 12 * s), (gx + 28 * s, y - 12 * s), (gx, y - 36 * s)], wall)
    c.fill(ellipse(gx, y - 20 * s, 7 * s), trim)
    c.fill(stroke([(gx, y - 24 * s), (gx, y - 20 * s), (gx + 4 * s, y - 20 * s)], 1.4 * s), rgb('#555555'))
    # Flagpole.
    fx = x + wdt + 26 * s
    c.fill(rect(fx, y - 60 * s, 2.5 * s, 60 * s + hgt), rgb('#E8E8E8'))
    c.fill([(fx + 2.5 * s, y - 60 * s), (fx + 34 * s, y - 53 * s), (fx + 2.5 * s, y - 44 * s)],
           rgb('#E0433A'))


def _tree(c, x, y, r, colour):
    c.fill(rect(x - r * 0.12, y, r * 0.24, r * 0.9), rgb('#7A5A3E'))
    c.fill(ellipse(x, y - r * 0.2, r * 0.8, r), colour)
    c.fill(ellipse(x - r * 0.25, y - r * 0.5, r * 0.35, r * 0.4), with_alpha(shade(colour, 0.25), 0.7))


def _cloud(c, x, y, s, alpha):
    col = (1.0, 1.0, 1.0, alpha)
    shape = [oriented(ellipse(x, y, 60 * s, 22 * s)), oriented(ellipse(x - 30 * s, y - 8 * s, 30 * s, 22 * s)),
             oriented(ellipse(x + 14 * s, y - 18 * s, 34 * s, 28 * s)), oriented(ellipse(x + 46 * s, y - 2 * s, 26 * s, 18 * s))]
    c.fill(shape, col)


def background():
    w, h = 1024, 788
    c = Canvas(w, h, (1.0, 1.0, 1.0, 1.0))
    rng = Rng(2024)
    # Sky: calm across the caption band, brightening towards the horizon.
    c.fill(rect(0, 0, w, 560), Linear((0, 0), (0, 560), [
        (0.0, rgb('#5E9ED0')), (0.18, rgb('#74AEDA')), (0.6, rgb('#A9D3EE')), (1.0, rgb('#E4F1EE'))]))
    # Sun low on the left, with a wide soft glow.
    c.fill(ellipse(250, 300, 230), Radial((250, 300), 230, [
        (0.0, (1.0, 0.97, 0.82, 0.8)), (0.3, (1.0, 0.96, 0.8, 0.35)), (1.0, (1.0, 0.96, 0.8, 0.0))]))
    c.fill(ellipse(250, 300, 46), rgb('#FFF4CF'))
    # Clouds well below the caption band.
    _cloud(c, 640, 230, 1.3, 0.75)
    _cloud(c, 880, 330, 0.9, 0.6)
    _cloud(c, 110, 420, 0.8, 0.55)
    # A few birds, well below the caption band.
    for bx, by, bs in ((760, 150, 1.0), (792, 168, 0.8), (735, 176, 0.7)):
        wing = [(bx - 9 * bs, by - 3 * bs), (bx - 4 * bs, by - 4 * bs), (bx, by), (bx + 4 * bs, by - 4 * bs),
                (bx + 9 * bs, by - 3 * bs)]
        c.fill(stroke(wing, 1.6 * bs), (0.22, 0.3, 0.4, 0.75))

    # Far hills, hazy blue-green.
    c.fill(_ridge(w, 470, [(26, 700), (12, 260)], rng, h), rgb('#9CC7B5'))
    c.fill(_ridge(w, 505, [(22, 560), (10, 210)], rng, h), rgb('#84BC8F'))
    # The school on the near hill, right of centre.
    _school(c, 656, 482, 0.95)
    c.fill(_ridge(w, 560, [(18, 900), (8, 330)], rng, h), rgb('#8CC66E'))
    for tx, ty, r in ((580, 548, 26), (618, 556, 20), (968, 548, 30), (80, 566, 24), (120, 572, 18)):
        _tree(c, tx, ty, r, rgb('#4E9A55'))

    # Fields below a softly waving edge, crop bands fanning from a far point.
    field = _ridge(w, 594, [(4, 520), (2, 190)], rng, h)
    c.fill(field, Linear((0, 580), (0, h), [(0.0, rgb('#A8D47C')), (1.0, rgb('#8BC262'))]))
    inside = c.mask(field)
    vx, vy = 512, 420
    stripes = 26
    for i in range(stripes):
        a0 = -0.5 + i / stripes
        a1 = a0 + 0.5 / stripes
        pts = []
        for a in (a0, a1):
            xb = vx + a * 3200
            t = (560 - vy) / (h - vy)
            pts.append((vx + (xb - vx) * t, 560))
            pts.append((xb, h))
        c.fill([pts[0], pts[2], pts[3], pts[1]], (0.35, 0.6, 0.25, 0.16), clip=inside)
    # A soft haze along the field's edge ties it to the hills.
    c.fill(rect(0, 570, w, 50), Linear((0, 570), (0, 620), [
        (0.0, (1, 1, 1, 0.0)), (0.5, (1, 1, 1, 0.2)), (1.0, (1, 1, 1, 0.0))]))
    # The path to the school door, narrowing into the distance.
    c.fill(path(bezier((296, h + 2), (470, 690), (560, 600), (758, 557), 40),
                bezier((768, 557), (600, 604), (545, 690), (432, h + 2), 40)), rgb('#EADFB8'))
    c.fill(path(bezier((296, h + 2), (470, 690), (560, 600), (758, 557), 40),
                bezier((763, 557), (580, 602), (500, 690), (330, h + 2), 40)), (1.0, 1.0, 1.0, 0.25))
    # Flowers dotted over the near field.
    for _ in range(90):
        x, y = rng.uniform(0, w), rng.uniform(640, h)
        r = 1.5 + (y - 620) / 70.0
        col = rng.choice([rgb('#FFFFFF'), rgb('#FFE27A'), rgb('#FFC1D0')])
        c.fill(ellipse(x, y, r), with_alpha(col, 0.85))
    c.noise(Rng(5), 0.02)
    return c
