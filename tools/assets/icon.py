"""The program's icon: a green badge with a person and a golden spark, that is,
someone picked at random. Each size is drawn on its own grid so that the small
ones stay crisp."""

import math
import os
import struct

from raster import (Canvas, Linear, Radial, rgb, ellipse, round_rect,
                    png_bytes, write_png)

SIZES = [16, 24, 32, 48, 64, 256]


def _spark(cx, cy, r, waist):
    """A four-pointed star: long points on the axes, pinched between them."""
    pts = []
    for i in range(8):
        a = i * 45.0
        rr = r if i % 2 == 0 else r * waist
        t = math.radians(a - 90)
        pts.append((cx + rr * math.cos(t), cy + rr * math.sin(t)))
    return pts


def draw(s):
    c = Canvas(s, s)
    small = s <= 24
    inset = 0.0 if small else s * 0.03
    x0, y0, w = inset, inset, s - 2 * inset
    radius = w * (0.2 if small else 0.22)
    badge = round_rect(x0, y0, w, w, radius)
    ss = 12 if s <= 64 else 5

    # Badge: fresh green running into teal, a thin darker rim for pale desktops.
    c.fill(badge, rgb('#17695F'), ss=ss)
    rim = max(1.0, s / 40.0)
    inner = round_rect(x0 + rim, y0 + rim, w - 2 * rim, w - 2 * rim, radius - rim * 0.8)
    c.fill(inner, Linear((0, y0), (0, y0 + w),
                         [(0.0, rgb('#5CD08A')), (0.55, rgb('#2BA886')), (1.0, rgb('#1C8C7C'))]),
           ss=ss)
    if not small:
        # Soft light from the top left.
        c.fill(inner, Radial((s * 0.3, s * 0.18), s * 0.75,
                             [(0.0, (1, 1, 1, 0.22)), (1.0, (1, 1, 1, 0.0))]), ss=ss)
    clip = c.mask(inner, ss=ss)

    # Person: head and shoulders, a little left of centre, shoulders cut by the badge.
    white = (1.0, 1.0, 1.0, 1.0)
    if s <= 16:
        head = ellipse(6.5, 6.6, 2.55, 2.55, n=40)
        body = round_rect(1.8, 10.2, 9.4, 9.0, 4.2, 3.6)
    else:
        head = ellipse(s * 0.41, s * 0.41, s * 0.155, n=64)
        body = round_rect(s * 0.13, s * 0.63, s * 0.56, s * 0.5, s * 0.26, s * 0.22)
    shadow = (0.05, 0.25, 0.22, 0.28)
    if not small:
        off = s * 0.025
        c.fill([[(x + off, y + off) for (x, y) in head]], shadow, ss=ss, clip=clip)
        c.fill([[(x + off, y + off) for (x, y) in body]], shadow, ss=ss, clip=clip)
    if s >= 32:
        # A classmate behind: the one in front is the one picked.
        mate = (1.0, 1.0, 1.0, 0.42)
        c.fill(ellipse(s * 0.71, s * 0.55, s * 0.11, n=64), mate, ss=ss, clip=clip)
        c.fill(round_rect(s * 0.52, s * 0.71, s * 0.40, s * 0.4, s * 0.19, s * 0.16),
               mate, ss=ss, clip=clip)
    c.fill(head, white, ss=ss, clip=clip)
    c.fill(body, white, ss=ss, clip=clip)

    # The spark: the moment of the pick.
    gold = Linear((0, 0), (0, s * 0.45), [(0.0, rgb('#FFE680')), (1.0, rgb('#FFB92E'))])
    if s <= 16:
        star = _spark(12.0, 4.0, 3.6, 0.34)
    elif s <= 24:
        star = _spark(s * 0.74, s * 0.26, s * 0.21, 0.32)
    else:
        star = _spark(s * 0.74, s * 0.27, s * 0.19, 0.3)
        # A tiny companion twinkle.
        c.fill(_spark(s * 0.56, s * 0.13, s * 0.06, 0.35), (1.0, 0.93, 0.6, 0.95), ss=ss)
    if not small:
        c.fill([[(x, y + s * 0.02) for (x, y) in star]], (0.35, 0.22, 0.0, 0.3), ss=ss)
    c.fill(star, gold, ss=ss)
    return c


def _bmp_entry(c):
    """32-bit DIB with an AND mask, as classic icon entries are stored."""
    s = c.w
    data = c.rgba_bytes()
    header = struct.pack('<IiiHHIIiiII', 40, s, 2 * s, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    mask = bytearray()
    mask_stride = ((s + 31) // 32) * 4
    for y in range(s - 1, -1, -1):
        row_mask = bytearray(mask_stride)
        for x in range(s):
            i = (y * s + x) * 4
            r, g, b, a = data[i:i + 4]
            pixels += bytes((b, g, r, a))
            if a == 0:
                row_mask[x // 8] |= 0x80 >> (x % 8)
        mask += row_mask
    return header + bytes(pixels) + bytes(mask)


def build(folder, ico_path):
    """Writes each size as a PNG into folder and all of them into one icon:
    classic 32-bit DIB entries up to 64, a PNG entry for 256."""
    images = []
    for s in SIZES:
        c = draw(s)
        write_png(c, os.path.join(folder, 'rollcall-%d.png' % s))
        if s >= 256:
            blob = png_bytes(s, s, c.rgba_bytes(), 4)
        else:
            blob = _bmp_entry(c)
        images.append((s, blob))
    head = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b''
    body = b''
    for s, blob in images:
        dim = 0 if s >= 256 else s
        entries += struct.pack('<BBBBHHII', dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        body += blob
    with open(ico_path, 'wb') as f:
        f.write(head + entries + body)
