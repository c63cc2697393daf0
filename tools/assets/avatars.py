"""Flat cartoon portraits, one per roster line, sized to fill the photo box.

Everything about a portrait follows from its line number: the look is chosen
from fixed lists so that no two lines share the same combination."""

import math

from raster import (Canvas, Linear, Radial, Rng, rgb, shade, with_alpha,
                    ellipse, rect, round_rect, path, bezier, quad, stroke,
                    arc_points, oriented, transform)
import roster

W, H = 440, 272

SKIN = ['#FFE0C4', '#F8D2B0', '#F1C29A', '#E8B486', '#D9A273', '#C68A5E']
HAIR = ['#1E1A1A', '#2B211C', '#3A2A20', '#4A3326', '#231F2A', '#5B3A29', '#6E4128']
CLOTHES = ['#2F6FB5', '#C8423B', '#2E9A6B', '#243B6B', '#E9853A', '#E5B72A',
           '#7B5BB5', '#2A9D9A', '#E0708F', '#5E7183']
BACKS = ['#FDE2C4', '#D8ECF8', '#E3F4D7', '#F9D9E3', '#EDE3F7', '#FFF0BE',
         '#D5F0EC', '#F7E0D0', '#DCE5F7', '#F0EAD6']
HAIR_M = ['side', 'short', 'spiky', 'middle', 'buzz', 'curly']
HAIR_F = ['bob', 'long', 'ponytail', 'twintails', 'bun', 'longbangs']
OUTFITS = ['tracksuit', 'tee', 'sweater', 'hoodie', 'scarf']
DECOR = ['circles', 'dots', 'stripes', 'rays', 'confetti']


def choose(k):
    """The look of line k, distinct for every line of the roster."""
    rng = Rng(k * 97 + 13)
    gender = roster.NAMES[k - 1][1] if k <= len(roster.NAMES) else ('f' if k % 2 else 'm')
    styles = HAIR_F if gender == 'f' else HAIR_M
    # Position among the pupils of the same look family, so styles rotate within it.
    ordinal = sum(1 for _, g in roster.NAMES[:k] if g == gender) if k <= len(roster.NAMES) else k
    # Index-driven picks with co-prime strides spread the looks evenly.
    look = {
        'gender': gender,
        'hair': styles[(ordinal - 1 + (ordinal - 1) // len(styles)) % len(styles)],
        'hair_colour': rgb(HAIR[(k * 3) % len(HAIR)]),
        'skin': rgb(SKIN[(k * 7 + 2) % len(SKIN)]),
        'outfit': OUTFITS[(k * 3 + k // 5) % len(OUTFITS)],
        'clothes': rgb(CLOTHES[(k * 7) % len(CLOTHES)]),
        'back': rgb(BACKS[(k * 3 + 1) % len(BACKS)]),
        'decor': DECOR[(k + k // 5) % len(DECOR)],
        'glasses': ['none', 'none', 'round', 'none', 'square', 'none', 'none'][(k * 5) % 7],
        'mouth': ['smile', 'open', 'grin', 'smile', 'small'][(k * 2 + k // 4) % 5],
        'eyes': ['dots', 'dots', 'happy', 'dots', 'lashes'][(k + k // 3) % 5]
        if gender == 'f' else ['dots', 'happy', 'dots', 'dots'][(k + k // 3) % 4],
        'freckles': k % 9 == 4,
        'tilt': rng.uniform(-3.0, 3.0),
        'rng': rng,
    }
    if look['outfit'] == 'scarf' and look['glasses'] != 'none' and k % 2:
        look['outfit'] = 'tee'
    return look


# ---------------------------------------------------------------- background

def _background(c, look):
    back = look['back']
    rng = Rng(len(look['decor']) * 31 + int(back[0] * 1000))
    c.fill(rect(0, 0, W, H), Linear((0, 0), (0, H), [(0.0, shade(back, 0.35)), (1.0, back)]))
    deco = shade(back, -0.08)
    light = shade(back, 0.55)
    kind = look['decor']
    if kind == 'circles':
        for (x, y, r) in ((60, 60, 70), (390, 210, 90), (370, 40, 36), (70, 230, 40)):
            c.fill(ellipse(x, y, r), with_alpha(deco, 0.55))
    elif kind == 'dots':
        for j in range(7):
            for i in range(12):
                x = 18 + i * 38 + (19 if j % 2 else 0)
                y = 16 + j * 40
                c.fill(ellipse(x, y, 5), with_alpha(deco, 0.6))
    elif kind == 'stripes':
        for i in range(-6, 16):
            x = i * 44
            c.fill([(x, 0), (x + 20, 0), (x + 20 - 180, H), (x - 180, H)], with_alpha(deco, 0.35))
    elif kind == 'rays':
        for i in range(18):
            a0 = 2 * math.pi * i / 18
            a1 = a0 + math.pi / 18
            c.fill([(220, 120), (220 + 400 * math.cos(a0), 120 + 400 * math.sin(a0)),
                    (220 + 400 * math.cos(a1), 120 + 400 * math.sin(a1))], with_alpha(deco, 0.3))
    elif kind == 'confetti':
        palette = [rgb('#F6C85F'), rgb('#6FB7E0'), rgb('#F08A8A'), rgb('#8FD694'), rgb('#B89AE6')]
        for _ in range(40):
            x, y = rng.uniform(10, W - 10), rng.uniform(10, H - 10)
            if abs(x - 220) < 130 and y > 30:
                continue
            col = rng.choice(palette)
            piece = transform(rect(-6, -2.5, 12, 5), dx=x, dy=y, rot=rng.uniform(0, 180))
            c.fill(piece, with_alpha(col, 0.8))
    # A soft spotlight behind the head.
    c.fill(ellipse(220, 130, 150), Radial((220, 130), 150, [
        (0.0, with_alpha(light, 0.95)), (0.7, with_alpha(light, 0.6)), (1.0, with_alpha(light, 0.0))]))


# ---------------------------------------------------------------- figure

def _face_outline(cx, cy, rx, ry):
    pts = []
    n = 96
    for i in range(n):
        t = 2 * math.pi * i / n
        s = math.sin(t)
        taper = 1.0 - 0.13 * s * s if s > 0 else 1.0
        pts.append((cx + rx * math.cos(t) * taper, cy + ry * s))
    return pts


def _cap(cx, cy, rx, ry, fringe, lift=6, grow=6):
    """Hair over the top of the head: the upper arc of a slightly larger oval,
    closed by a fringe line from the right temple to the left. Fringes of
    short styles start and end just inside the face, so no gap shows."""
    outer = arc_points(cx, cy - lift, rx + grow, ry + grow, 180, 360, 48)
    return path(outer, fringe)


def _hair_back(c, look, cx, cy, rx, ry):
    col = look['hair_colour']
    style = look['hair']
    if style == 'bob':
        c.fill(round_rect(cx - rx - 14, cy - ry - 10, 2 * rx + 28, ry + 70, 50, 50), col)
    elif style == 'long':
        c.fill(round_rect(cx - rx - 16, cy - ry - 10, 2 * rx + 32, 200, 56, 40), col)
    elif style == 'longbangs':
        c.fill(round_rect(cx - rx - 14, cy - ry - 10, 2 * rx + 28, 180, 54, 30), col)
    elif style == 'ponytail':
        side = 1 if look['tilt'] >= 0 else -1
        tail = transform(ellipse(0, 0, 22, 46), dx=cx + side * (rx + 10), dy=cy - 6, rot=side * -18)
        c.fill(tail, col)
        c.fill(transform(ellipse(0, 0, 8, 14), dx=cx + side * (rx - 2), dy=cy - 44, rot=side * -40),
               rgb('#E8545A'))
    elif style == 'twintails':
        for side in (-1, 1):
            tail = transform(ellipse(0, 0, 20, 44), dx=cx + side * (rx + 14), dy=cy + 26, rot=side * 12)
            c.fill(tail, col)
    elif style == 'bun':
        c.fill(ellipse(cx, cy - ry - 14, 26, 22), col)
        c.fill(ellipse(cx - 6, cy - ry - 20, 8, 5), with_alpha(shade(col, 0.3), 0.5))


def _hair_front(c, look, cx, cy, rx, ry):
    col = look['hair_colour']
    style = look['hair']
    hi = with_alpha(shade(col, 0.28), 0.55)
    L, R = cx - rx - 4, cx + rx + 4
    cap = None
    Ri, Li = cx + rx - 3, cx - rx + 3
    if style == 'side':
        fringe = path([(Ri, cy + 8)], bezier((Ri, cy - 6), (cx + 30, cy - 40), (cx - 10, cy - 18), (Li, cy - 8), 24),
                      [(Li, cy + 8)])
        cap = _cap(cx, cy, rx, ry, fringe)
        c.fill(cap, col)
    elif style == 'short':
        fringe = path([(Ri, cy + 6)], bezier((Ri, cy - 10), (cx + 20, cy - 34), (cx - 20, cy - 34), (Li, cy - 10), 24),
                      [(Li, cy + 6)])
        cap = _cap(cx, cy, rx, ry, fringe)
        c.fill(cap, col)
        # A few locks over the forehead.
        for dx in (-22, 0, 20):
            c.fill([(cx + dx - 12, cy - 30), (cx + dx + 12, cy - 30), (cx + dx + 2, cy - 16)], col)
    elif style == 'spiky':
        zig = [(Ri, cy + 4), (Ri, cy - 10)]
        for i in range(7):
            x = Ri - (i + 0.5) * (Ri - Li) / 7
            zig.append((x, cy - 14 if i % 2 else cy - 28))
        zig += [(Li, cy - 10), (Li, cy + 4)]
        cap = _cap(cx, cy, rx, ry, zig, lift=4, grow=4)
        c.fill(cap, col)
        spikes = []
        for i in range(9):
            a = 200 + i * 17.5
            r0 = ry + 2
            t = math.radians(a)
            tip = (cx + (rx + 18) * math.cos(t), cy - 6 + (ry + 18) * math.sin(t))
            left = (cx + r0 * 0.9 * math.cos(t - 0.18), cy - 6 + r0 * math.sin(t - 0.18))
            right = (cx + r0 * 0.9 * math.cos(t + 0.18), cy - 6 + r0 * math.sin(t + 0.18))
            spikes.append(oriented([left, tip, right]))
        c.fill(spikes, col)
    elif style == 'middle':
        fringe = path([(Ri, cy + 8)], bezier((Ri, cy - 6), (cx + 30, cy - 22), (cx + 6, cy - 40), (cx, cy - 44), 16),
                      bezier((cx, cy - 44), (cx - 6, cy - 40), (cx - 30, cy - 22), (Li, cy - 6), 16), [(Li, cy + 8)])
        cap = _cap(cx, cy, rx, ry, fringe)
        c.fill(cap, col)
    elif style == 'buzz':
        fringe = path([(Ri, cy - 2)], quad((Ri, cy - 16), (cx, cy - 56), (Li, cy - 16), 20), [(Li, cy - 2)])
        cap = _cap(cx, cy, rx, ry, fringe, lift=3, grow=3)
        c.fill(cap, col)
    elif style == 'curly':
        curls = []
        for i in range(13):
            a = math.radians(180 + i * 15)
            curls.append(oriented(ellipse(cx + (rx + 2) * math.cos(a), cy - 8 + (ry + 2) * math.sin(a), 17, n=32)))
        c.fill(curls, col)
        fringe = path([(Ri, cy + 6)], quad((Ri, cy - 20), (cx, cy - 42), (Li, cy - 20), 20), [(Li, cy + 6)])
        cap = _cap(cx, cy, rx, ry, fringe)
        c.fill(cap, col)
        for i in range(12):
            a = math.radians(192 + i * 14)
            c.fill(stroke(arc_points(cx + (rx - 4) * math.cos(a), cy - 8 + (ry - 4) * math.sin(a), 7, 7, 200, 340, 8),
                          2.5), hi)
        hi = None
    elif style in ('bob', 'long'):
        fringe = path([(R + 4, cy + 30)], bezier((R + 2, cy - 12), (cx + 20, cy - 20), (cx - 20, cy - 20), (L - 2, cy - 12), 24),
                      [(L - 4, cy + 30)])
        if style == 'long':
            fringe = path([(R + 6, cy + 40)], bezier((R + 2, cy - 8), (cx + 34, cy - 30), (cx + 8, cy - 40), (cx, cy - 46), 16),
                          bezier((cx, cy - 46), (cx - 8, cy - 40), (cx - 34, cy - 30), (L - 2, cy - 8), 16), [(L - 6, cy + 40)])
        cap = _cap(cx, cy, rx, ry, fringe)
        c.fill(cap, col)
    elif style == 'longbangs':
        fringe = path([(R + 6, cy + 46)], [(R + 2, cy - 14)], quad((cx + 30, cy - 18), (cx, cy - 13), (cx - 30, cy - 18), 12),
                      [(L - 2, cy - 14)], [(L - 6, cy + 46)])
        cap = _cap(cx, cy, rx, ry, fringe)
        c.fill(cap, col)
    else:  # ponytail, twintails, bun: hair drawn back, a soft side-swept fringe
        fringe = path([(Ri, cy + 8)], bezier((Ri, cy - 10), (cx + 10, cy - 42), (cx - 30, cy - 20), (Li, cy - 6), 24),
                      [(Li, cy + 8)])
        cap = _cap(cx, cy, rx, ry, fringe, lift=6, grow=4)
        c.fill(cap, col)
        if style == 'twintails':
            for side in (-1, 1):
                c.fill(ellipse(cx + side * (rx + 8), cy - 8, 7, 9), rgb('#F2A541'))
        if style == 'bun':
            c.fill(ellipse(cx, cy - ry - 3, 17, 4.5), rgb('#E8545A'))
    if hi is not None:
        # A light streak on the crown, kept on the hair.
        crown = c.mask(cap)
        c.fill(stroke(arc_points(cx - 8, cy - 6, rx - 6, ry - 4, 215, 255, 12), 5), hi, clip=crown)


def _body(c, look, cx):
    col = look['clothes']
    outfit = look['outfit']
    skin = look['skin']
    neck_col = shade(skin, -0.1)
    top = 206
    body = round_rect(cx - 124, top, 248, 140, 66, 54)
    inside = c.mask(body)
    if outfit == 'scarf':
        col = rgb('#F5F5F2')
    c.fill(body, Linear((0, top), (0, H), [(0.0, shade(col, 0.08)), (1.0, shade(col, -0.08))]))
    # Neck, with the chin's shadow on it.
    c.fill(round_rect(cx - 18, 150, 36, 70, 12), neck_col)
    if outfit == 'tracksuit':
        white = (0.97, 0.97, 0.97, 1.0)
        for side in (-1, 1):
            x = cx + side * 92
            c.fill([(x - 7, top - 4), (x + 7, top - 4), (x + 7 + side * 20, H), (x - 7 + side * 20, H)],
                   white, clip=inside)
        c.fill(ellipse(cx, top + 2, 26, 14), neck_col)
        for side in (-1, 1):
            c.fill([(cx + side * 24, top - 8), (cx + side * 30, top + 10), (cx + side * 4, top + 22), (cx + side * 2, top + 10)],
                   shade(col, -0.2))
        c.fill(stroke([(cx, top + 14), (cx, H + 2)], 3), shade(col, -0.3))
        c.fill(rect(cx - 3, top + 34, 6, 10), (0.85, 0.85, 0.85, 1.0))
    elif outfit == 'tee':
        c.fill(ellipse(cx, top + 2, 30, 18), neck_col)
        c.fill(stroke(arc_points(cx, top + 2, 30, 18, 0, 180, 24), 5), shade(col, -0.15))
    elif outfit == 'sweater':
        shirt = (0.96, 0.96, 0.94, 1.0)
        c.fill([(cx - 34, top - 2), (cx + 34, top - 2), (cx, top + 52)], shirt)
        c.fill([(cx - 20, top - 6), (cx + 20, top - 6), (cx, top + 18)], neck_col)
        c.fill(stroke([(cx - 34, top - 2), (cx, top + 52), (cx + 34, top - 2)], 6), shade(col, -0.15))
        for side in (-1, 1):
            c.fill(oriented([(cx + side * 2, top + 18), (cx + side * 24, top - 6), (cx + side * 30, top + 12)]),
                   (0.99, 0.99, 0.99, 1.0))
            c.fill(stroke([(cx + side * 2, top + 18), (cx + side * 30, top + 12)], 1.5), (0.75, 0.75, 0.75, 1.0))
    elif outfit == 'hoodie':
        c.fill(ellipse(cx, top + 2, 28, 16), neck_col)
        c.fill(stroke(arc_points(cx, top, 38, 26, -10, 190, 30), 12), shade(col, -0.15))
        for side in (-1, 1):
            c.fill(stroke([(cx + side * 12, top + 22), (cx + side * 14, top + 56)], 3), (0.95, 0.95, 0.95, 1.0))
            c.fill(ellipse(cx + side * 14, top + 58, 4), (0.95, 0.95, 0.95, 1.0))
    elif outfit == 'scarf':
        red = rgb('#D8322E')
        c.fill([(cx - 22, top - 4), (cx + 22, top - 4), (cx, top + 16)], neck_col)
        for side in (-1, 1):
            c.fill(oriented([(cx, top + 16), (cx + side * 22, top - 6), (cx + side * 34, top + 12)]),
                   (1.0, 1.0, 1.0, 1.0))
            c.fill(stroke([(cx, top + 16), (cx + side * 34, top + 12)], 1.5), (0.78, 0.78, 0.78, 1.0))
        # The red neckerchief: a band round the collar, a knot and two tails.
        c.fill(stroke(arc_points(cx, top - 2, 30, 16, 10, 170, 20), 7), red)
        c.fill(oriented([(cx - 6, top + 16), (cx - 30, top + 64), (cx - 12, top + 68)]), red)
        c.fill(oriented([(cx + 6, top + 16), (cx + 26, top + 58), (cx + 10, top + 64)]), shade(red, -0.12))
        c.fill(ellipse(cx, top + 16, 10, 8), shade(red, -0.05))


def _face(c, look, cx, cy, rx, ry):
    skin = look['skin']
    dark = rgb('#2A211E')
    # Ears.
    for side in (-1, 1):
        c.fill(ellipse(cx + side * (rx - 2), cy + 12, 11, 15), shade(skin, -0.04))
        c.fill(ellipse(cx + side * (rx + 1), cy + 12, 5, 8), with_alpha(shade(skin, -0.2), 0.6))
    c.fill(_face_outline(cx, cy, rx, ry), skin)
    # Cheeks.
    for side in (-1, 1):
        c.fill(ellipse(cx + side * 31, cy + 28, 12, 8), (0.96, 0.45, 0.45, 0.28))
    if look['freckles']:
        for side in (-1, 1):
            for (dx, dy) in ((26, 20), (33, 24), (29, 29), (37, 19)):
                c.fill(ellipse(cx + side * dx, cy + dy, 1.4), with_alpha(shade(skin, -0.35), 0.8))
    ey = cy + 8
    eyes = look['eyes']
    for side in (-1, 1):
        ex = cx + side * 21
        if eyes == 'happy':
            c.fill(stroke(arc_points(ex, ey + 3, 8, 7, 200, 340, 12), 3.6), dark)
        else:
            c.fill(ellipse(ex, ey, 6.5, 8), dark)
            c.fill(ellipse(ex + 2, ey - 3, 2.4), (1.0, 1.0, 1.0, 0.95))
            if eyes == 'lashes':
                c.fill(stroke([(ex + side * 5, ey - 5), (ex + side * 10, ey - 9)], 2.4), dark)
        # Eyebrows follow the hair colour.
        brow = shade(look['hair_colour'], -0.1)
        c.fill(stroke(arc_points(ex, ey - 8, 11, 7, 220, 320, 10), 3.2), brow)
    # Nose.
    c.fill(stroke(arc_points(cx, cy + 20, 5, 4, 20, 160, 8), 2.6), with_alpha(shade(skin, -0.3), 0.8))
    my = cy + 34
    mouth = look['mouth']
    lip = rgb('#A8443F')
    if mouth == 'smile':
        c.fill(stroke(arc_points(cx, my - 8, 14, 10, 25, 155, 16), 3.4), lip)
    elif mouth == 'small':
        c.fill(stroke(arc_points(cx, my - 5, 8, 6, 30, 150, 12), 3.2), lip)
    else:
        shape = path(arc_points(cx, my - 4, 16, 14, 0, 180, 24))
        c.fill(shape, rgb('#8E2F35'))
        if mouth == 'grin':
            c.fill(path([(cx - 15, my - 4), (cx + 15, my - 4)], [(cx + 13, my + 1), (cx - 13, my + 1)]),
                   (1.0, 1.0, 1.0, 1.0))
        else:
            c.fill(ellipse(cx, my + 7, 8, 4), rgb('#E98C8C'))
    if look['glasses'] != 'none':
        frame = rgb('#3B3B46') if look['glasses'] == 'round' else rgb('#7A3E2A')
        for side in (-1, 1):
            ex = cx + side * 21
            if look['glasses'] == 'round':
                ring = ellipse(ex, ey, 15, 14, n=48)
            else:
                ring = round_rect(ex - 16, ey - 12, 32, 24, 6)
            c.fill(ring, (1.0, 1.0, 1.0, 0.18))
            c.fill(stroke(ring, 3.2, closed=True, caps=False), frame)
        c.fill(stroke(arc_points(cx, ey - 1, 6, 4, 200, 340, 8), 3.0), frame)
        for side in (-1, 1):
            c.fill(stroke([(cx + side * 36, ey - 2), (cx + side * (rx - 2), ey - 6)], 3.0), frame)


def portrait(k):
    look = choose(k)
    c = Canvas(W, H, (1.0, 1.0, 1.0, 1.0))
    _background(c, look)
    cx, cy = 220.0, 118.0
    rx, ry = 52.0, 60.0
    # Shadow of the figure on the backdrop.
    c.fill(round_rect(cx - 120, 212, 248, 140, 66, 54), (0.0, 0.0, 0.0, 0.06))
    _hair_back(c, look, cx, cy, rx, ry)
    _body(c, look, cx)
    if look['hair'] in ('long', 'longbangs'):
        # Strands falling forward over the shoulders.
        for side in (-1, 1):
            x0 = cx + side * (rx - 4)
            x1 = cx + side * (rx + 18)
            c.fill(round_rect(min(x0, x1), cy, abs(x1 - x0), 136 if look['hair'] == 'long' else 112, 11, 16),
                   look['hair_colour'])
    neck = c.mask(round_rect(cx - 18, 150, 36, 70, 12))
    c.fill(ellipse(cx, cy + 52, 36, 14), with_alpha(shade(look['skin'], -0.25), 0.5), clip=neck)
    _face(c, look, cx, cy, rx, ry)
    _hair_front(c, look, cx, cy, rx, ry)
    c.noise(Rng(k), 0.015)
    return c
