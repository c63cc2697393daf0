"""A small anti-aliased 2D rasteriser in pure Python, enough for flat artwork.

Shapes are lists of closed polygons in pixel coordinates (pixel (x, y) covers
[x, x+1) x [y, y+1)). Coverage is exact along x and sampled on `ss` sub-rows
along y. Colours are straight (not premultiplied) RGBA floats in 0..1.
"""

import math
import struct
import zlib
from array import array


# ---------------------------------------------------------------- colours

def rgb(hexcode, a=1.0):
    """'#RRGGBB' -> (r, g, b, a) floats."""
    h = hexcode.lstrip('#')
    return (int(h[0:2], 16) / 255.0, int(h[2:4], 16) / 255.0,
            int(h[4:6], 16) / 255.0, a)


def shade(c, f):
    """f < 0 darkens towards black, f > 0 lightens towards white."""
    if f < 0:
        return (c[0] * (1 + f), c[1] * (1 + f), c[2] * (1 + f), c[3])
    return (c[0] + (1 - c[0]) * f, c[1] + (1 - c[1]) * f,
            c[2] + (1 - c[2]) * f, c[3])


def with_alpha(c, a):
    return (c[0], c[1], c[2], a)


# ---------------------------------------------------------------- paints

class Solid:
    def __init__(self, colour):
        self.colour = colour

    def row(self, y, x0, x1):
        return self.colour


def _stop_lookup(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for i in range(1, len(stops)):
        if t <= stops[i][0]:
            t0, c0 = stops[i - 1]
            t1, c1 = stops[i]
            f = 0.0 if t1 == t0 else (t - t0) / (t1 - t0)
            return (c0[0] + (c1[0] - c0[0]) * f, c0[1] + (c1[1] - c0[1]) * f,
                    c0[2] + (c1[2] - c0[2]) * f, c0[3] + (c1[3] - c0[3]) * f)
    return stops[-1][1]


def _stops(colours):
    """Accept [(t, colour), ...] or (colour0, colour1)."""
    if len(colours) == 2 and len(colours[0]) == 4 and not isinstance(colours[0][1], tuple):
        return [(0.0, colours[0]), (1.0, colours[1])]
    return list(colours)


class Linear:
    """Linear gradient from point p0 to p1, clamped beyond the ends."""

    def __init__(self, p0, p1, stops):
        self.x0, self.y0 = p0
        dx, dy = p1[0] - p0[0], p1[1] - p0[1]
        d2 = dx * dx + dy * dy or 1.0
        self.ux, self.uy = dx / d2, dy / d2
        self.stops = _stops(stops)

    def row(self, y, x0, x1):
        base = (y + 0.5 - self.y0) * self.uy - self.x0 * self.ux
        if self.ux == 0:
            return _stop_lookup(self.stops, base)
        st, ux = self.stops, self.ux
        return [_stop_lookup(st, base + (x + 0.5) * ux) for x in range(x0, x1)]


class Radial:
    """Radial gradient centred at c with radius r (ellipse with ry if given)."""

    def __init__(self, c, r, stops, ry=None):
        self.cx, self.cy = c
        self.rx, self.ry = r, (ry or r)
        self.stops = _stops(stops)

    def row(self, y, x0, x1):
        dy = (y + 0.5 - self.cy) / self.ry
        dy2 = dy * dy
        cx, rx, st = self.cx, self.rx, self.stops
        out = []
        for x in range(x0, x1):
            dx = (x + 0.5 - cx) / rx
            out.append(_stop_lookup(st, math.sqrt(dx * dx + dy2)))
        return out


# ---------------------------------------------------------------- shapes

def area(poly):
    s = 0.0
    n = len(poly)
    for i in range(n):
        x0, y0 = poly[i]
        x1, y1 = poly[(i + 1) % n]
        s += x0 * y1 - x1 * y0
    return s / 2.0


def oriented(poly, positive=True):
    """The polygon with a fixed winding, so unions fill under the nonzero rule."""
    return list(poly) if (area(poly) >= 0) == positive else list(reversed(poly))


def ellipse(cx, cy, rx, ry=None, n=None):
    ry = rx if ry is None else ry
    if n is None:
        n = max(16, int(4 * math.sqrt(max(rx, ry)) * 6))
    return [(cx + rx * math.cos(2 * math.pi * i / n),
             cy + ry * math.sin(2 * math.pi * i / n)) for i in range(n)]


def arc_points(cx, cy, rx, ry, a0, a1, n=None):
    """Points on an elliptical arc from angle a0 to a1 (degrees, y down)."""
    if n is None:
        n = max(4, int(abs(a1 - a0) / 6))
    out = []
    for i in range(n + 1):
        a = math.radians(a0 + (a1 - a0) * i / n)
        out.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return out


def rect(x, y, w, h):
    return [(x, y), (x + w, y), (x + w, y + h), (x, y + h)]


def round_rect(x, y, w, h, r, ry=None):
    ry = r if ry is None else ry
    r = min(r, w / 2.0)
    ry = min(ry, h / 2.0)
    pts = []
    pts += arc_points(x + w - r, y + ry, r, ry, -90, 0)
    pts += arc_points(x + w - r, y + h - ry, r, ry, 0, 90)
    pts += arc_points(x + r, y + h - ry, r, ry, 90, 180)
    pts += arc_points(x + r, y + ry, r, ry, 180, 270)
    return pts


def bezier(p0, p1, p2, p3, n=16):
    out = []
    for i in range(n + 1):
        t = i / n
        u = 1 - t
        out.append((u * u * u * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t * t * t * p3[0],
                    u * u * u * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t * t * t * p3[1]))
    return out


def quad(p0, p1, p2, n=12):
    out = []
    for i in range(n + 1):
        t = i / n
        u = 1 - t
        out.append((u * u * p0[0] + 2 * u * t * p1[0] + t * t * p2[0],
                    u * u * p0[1] + 2 * u * t * p1[1] + t * t * p2[1]))
    return out


def path(*pieces):
    """Concatenate point lists, dropping repeated joints."""
    out = []
    for piece in pieces:
        for p in piece:
            if not out or abs(out[-1][0] - p[0]) > 1e-9 or abs(out[-1][1] - p[1]) > 1e-9:
                out.append(p)
    return out


def stroke(points, width, closed=False, caps=True):
    """A polyline widened into polygons with round joins (and caps)."""
    r = width / 2.0
    polys = []
    pts = list(points) + ([points[0]] if closed else [])
    for i in range(len(pts) - 1):
        (x0, y0), (x1, y1) = pts[i], pts[i + 1]
        dx, dy = x1 - x0, y1 - y0
        d = math.hypot(dx, dy)
        if d < 1e-9:
            continue
        nx, ny = -dy / d * r, dx / d * r
        polys.append(oriented([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny),
                               (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)]))
    joints = pts[1:-1] if not closed else pts[:-1]
    if caps and not closed:
        joints = [pts[0]] + joints + [pts[-1]]
    for (x, y) in joints:
        polys.append(oriented(ellipse(x, y, r, r, n=max(8, int(r * 8)))))
    return polys


def transform(poly, dx=0.0, dy=0.0, sx=1.0, sy=None, rot=0.0, origin=(0.0, 0.0)):
    sy = sx if sy is None else sy
    ox, oy = origin
    ca, sa = math.cos(math.radians(rot)), math.sin(math.radians(rot))
    out = []
    for (x, y) in poly:
        x, y = (x - ox) * sx, (y - oy) * sy
        x, y = x * ca - y * sa, x * sa + y * ca
        out.append((x + ox + dx, y + oy + dy))
    return out


# ---------------------------------------------------------------- canvas

class Canvas:
    def __init__(self, w, h, fill=(0.0, 0.0, 0.0, 0.0)):
        self.w, self.h = w, h
        self.px = array('d', fill) * (w * h)

    def put(self, x, y, c):
        i = (y * self.w + x) * 4
        self.px[i:i + 4] = array('d', c)

    # -- compositing one pixel with coverage-scaled source alpha
    def _blend(self, i, c, a):
        px = self.px
        da = px[i + 3]
        if da >= 1.0:
            ia = 1.0 - a
            px[i] = c[0] * a + px[i] * ia
            px[i + 1] = c[1] * a + px[i + 1] * ia
            px[i + 2] = c[2] * a + px[i + 2] * ia
            return
        oa = a + da * (1.0 - a)
        if oa <= 0.0:
            return
        k = da * (1.0 - a)
        px[i] = (c[0] * a + px[i] * k) / oa
        px[i + 1] = (c[1] * a + px[i + 1] * k) / oa
        px[i + 2] = (c[2] * a + px[i + 2] * k) / oa
        px[i + 3] = oa

    def coverage_rows(self, polys, ss=5, evenodd=False):
        """Yield (y, x0, cov list) for every row the shape touches."""
        edges = []
        ymin, ymax = float('inf'), float('-inf')
        xmin, xmax = float('inf'), float('-inf')
        for poly in polys:
            n = len(poly)
            for i in range(n):
                (xa, ya), (xb, yb) = poly[i], poly[(i + 1) % n]
                xmin, xmax = min(xmin, xa), max(xmax, xa)
                if ya == yb:
                    continue
                d = 1
                if ya > yb:
                    xa, ya, xb, yb, d = xb, yb, xa, ya, -1
                edges.append((ya, yb, xa, (xb - xa) / (yb - ya), d))
                ymin, ymax = min(ymin, ya), max(ymax, yb)
        if not edges:
            return
        bx0 = max(0, int(math.floor(xmin)))
        bx1 = min(self.w, int(math.ceil(xmax)) + 1)
        if bx1 <= bx0:
            return
        y0 = max(0, int(math.floor(ymin)))
        y1 = min(self.h, int(math.ceil(ymax)))
        edges.sort()
        bw = bx1 - bx0
        wgt = 1.0 / ss
        start = 0
        active = []
        for py in range(y0, y1):
            while start < len(edges) and edges[start][0] < py + 1:
                active.append(edges[start])
                start += 1
            active = [e for e in active if e[1] > py]
            if not active:
                continue
            acc = [0.0] * (bw + 2)
            diff = [0.0] * (bw + 2)
            touched = False
            for s in range(ss):
                sy = py + (s + 0.5) * wgt
                xs = []
                for (ea, eb, ex, k, d) in active:
                    if ea <= sy < eb:
                        xs.append((ex + (sy - ea) * k, d))
                if not xs:
                    continue
                xs.sort()
                wind = 0
                for j in range(len(xs) - 1):
                    wind += xs[j][1]
                    inside = (wind % 2 == 1) if evenodd else (wind != 0)
                    if not inside:
                        continue
                    xa = xs[j][0] - bx0
                    xb = xs[j + 1][0] - bx0
                    if xb <= 0 or xa >= bw:
                        continue
                    if xa < 0:
                        xa = 0.0
                    if xb > bw:
                        xb = float(bw)
                    if xb <= xa:
                        continue
                    touched = True
                    ia, ib = int(xa), int(xb)
                    if ia == ib:
                        acc[ia] += (xb - xa) * wgt
                    else:
                        acc[ia] += (ia + 1 - xa) * wgt
                        diff[ia + 1] += wgt
                        diff[ib] -= wgt
                        acc[ib] += (xb - ib) * wgt
            if not touched:
                continue
            run = 0.0
            cov = [0.0] * bw
            for x in range(bw):
                run += diff[x]
                v = run + acc[x]
                cov[x] = 1.0 if v > 0.9999 else v
            yield py, bx0, cov

    def fill(self, polys, paint, opacity=1.0, ss=5, evenodd=False, clip=None):
        """Fill polygons (a list of point lists, or one point list) with a paint.

        clip, when given, is a Canvas-sized array('d') of 0..1 factors."""
        if polys and isinstance(polys[0], tuple):
            polys = [polys]
        if not isinstance(paint, (Solid, Linear, Radial)):
            paint = Solid(paint)
        w = self.w
        px = self.px
        for py, bx0, cov in self.coverage_rows(polys, ss, evenodd):
            bw = len(cov)
            cols = paint.row(py, bx0, bx0 + bw)
            const = isinstance(cols, tuple)
            base = py * w
            if const and cols[3] * opacity >= 1.0 and clip is None:
                # Opaque solid runs are copied in one go.
                block = array('d', (cols[0], cols[1], cols[2], 1.0))
                x = 0
                while x < bw:
                    if cov[x] >= 1.0:
                        e = x
                        while e < bw and cov[e] >= 1.0:
                            e += 1
                        i = (base + bx0 + x) * 4
                        px[i:i + (e - x) * 4] = block * (e - x)
                        x = e
                        continue
                    if cov[x] > 0.0:
                        self._blend((base + bx0 + x) * 4, cols, cov[x])
                    x += 1
                continue
            for x in range(bw):
                c = cov[x]
                if c <= 0.0:
                    continue
                col = cols if const else cols[x]
                a = col[3] * opacity * c
                if clip is not None:
                    a *= clip[base + bx0 + x]
                if a <= 0.0:
                    continue
                self._blend((base + bx0 + x) * 4, col, a if a < 1.0 else 1.0)

    def mask(self, polys, ss=5, evenodd=False):
        """Coverage of a shape as a Canvas-sized array('d')."""
        if polys and isinstance(polys[0], tuple):
            polys = [polys]
        m = array('d', [0.0]) * (self.w * self.h)
        for py, bx0, cov in self.coverage_rows(polys, ss, evenodd):
            base = py * self.w + bx0
            for x, c in enumerate(cov):
                if c > 0.0:
                    m[base + x] = c
        return m

    def paint_mask(self, m, paint, opacity=1.0, dx=0, dy=0):
        """Composite a paint through a coverage array, optionally shifted."""
        if not isinstance(paint, (Solid, Linear, Radial)):
            paint = Solid(paint)
        w, h = self.w, self.h
        for y in range(h):
            sy = y - dy
            if sy < 0 or sy >= h:
                continue
            cols = None
            for x in range(w):
                sx = x - dx
                if sx < 0 or sx >= w:
                    continue
                c = m[sy * w + sx]
                if c <= 0.0:
                    continue
                if cols is None:
                    cols = paint.row(y, 0, w)
                col = cols if isinstance(cols, tuple) else cols[x]
                a = col[3] * opacity * c
                if a > 0.0:
                    self._blend((y * w + x) * 4, col, min(a, 1.0))

    def noise(self, rng, amount):
        """Add a faint luminance grain (hides banding in gradients)."""
        px = self.px
        for i in range(0, len(px), 4):
            n = (rng.random() - 0.5) * amount
            for k in range(3):
                v = px[i + k] + n
                px[i + k] = 0.0 if v < 0.0 else (1.0 if v > 1.0 else v)

    # -- output
    def rgba_bytes(self):
        out = bytearray(len(self.px))
        for i, v in enumerate(self.px):
            q = int(v * 255.0 + 0.5)
            out[i] = 0 if q < 0 else (255 if q > 255 else q)
        return bytes(out)

    def rgb_bytes(self):
        """Flattened onto black where transparent (pictures here are opaque)."""
        b = self.rgba_bytes()
        out = bytearray(self.w * self.h * 3)
        out[0::3] = b[0::4]
        out[1::3] = b[1::4]
        out[2::3] = b[2::4]
        return bytes(out)


def box_blur(m, w, h, radius):
    """Separable box blur of a coverage array (used for soft shadows)."""
    if radius <= 0:
        return array('d', m)
    n = 2 * radius + 1
    tmp = array('d', [0.0]) * (w * h)
    for y in range(h):
        row = m[y * w:(y + 1) * w]
        for x in range(w):
            s = 0.0
            for k in range(x - radius, x + radius + 1):
                if 0 <= k < w:
                    s += row[k]
            tmp[y * w + x] = s / n
    out = array('d', [0.0]) * (w * h)
    for x in range(w):
        for y in range(h):
            s = 0.0
            for k in range(y - radius, y + radius + 1):
                if 0 <= k < h:
                    s += tmp[k * w + x]
            out[y * w + x] = s / n
    return out


# ---------------------------------------------------------------- output

def _png_chunk(kind, data):
    return (struct.pack('>I', len(data)) + kind + data +
            struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff))


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def png_bytes(w, h, data, channels):
    """Encode 8-bit RGB (channels 3) or RGBA (channels 4) rows as a PNG."""
    stride = w * channels
    raw = bytearray()
    prev = bytes(stride)
    for y in range(h):
        row = data[y * stride:(y + 1) * stride]
        best = None
        for ftype in range(5):
            f = bytearray(stride)
            for i in range(stride):
                a = row[i - channels] if i >= channels else 0
                b = prev[i]
                c = prev[i - channels] if i >= channels else 0
                pred = (0, a, b, (a + b) >> 1, _paeth(a, b, c))[ftype]
                f[i] = (row[i] - pred) & 0xff
            score = sum(v if v < 128 else 256 - v for v in f)
            if best is None or score < best[0]:
                best = (score, ftype, f)
        raw.append(best[1])
        raw += best[2]
        prev = row
    colour_type = 6 if channels == 4 else 2
    ihdr = struct.pack('>IIBBBBB', w, h, 8, colour_type, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + _png_chunk(b'IHDR', ihdr) +
            _png_chunk(b'IDAT', zlib.compress(bytes(raw), 9)) +
            _png_chunk(b'IEND', b''))


def write_png(canvas, filename):
    with open(filename, 'wb') as f:
        f.write(png_bytes(canvas.w, canvas.h, canvas.rgba_bytes(), 4))


def write_ppm(canvas, filename):
    with open(filename, 'wb') as f:
        f.write(b'P6\n%d %d\n255\n' % (canvas.w, canvas.h))
        f.write(canvas.rgb_bytes())


# ---------------------------------------------------------------- randomness

class Rng:
    """xorshift32: the same numbers on every Python version and platform."""

    def __init__(self, seed):
        self.s = (seed * 2654435761 + 0x9E3779B9) & 0xffffffff or 1
        for _ in range(8):
            self.next()

    def next(self):
        s = self.s
        s ^= (s << 13) & 0xffffffff
        s ^= s >> 17
        s ^= (s << 5) & 0xffffffff
        self.s = s
        return s

    def random(self):
        return self.next() / 4294967296.0

    def uniform(self, a, b):
        return a + (b - a) * self.random()

    def randint(self, a, b):
        return a + self.next() % (b - a + 1)

    def choice(self, seq):
        return seq[self.next() % len(seq)]
