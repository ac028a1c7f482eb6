#!/usr/bin/env python3
"""Draws Morvane's embedded pictures (stdlib only, deterministic output).

    python3 draw_sprites.py OUTDIR

writes into OUTDIR:
    caption_buttons.png   729x20 RGBA, title-bar button frames
    msgbox_icons.png      200x40 RGBA, five 40x40 message-box icons
    app.ico               16/32/48 px, 32-bit BGRA with alpha
    background.ppm        317x230 RGB, turned into background.jpg by make_pictures.sh

Shapes are described as "inside(x, y)" predicates in pixel coordinates
(pixel i covers [i, i+1)) and rasterised with 8x8 supersampling, so edges
that sit on whole pixels come out crisp and everything else is anti-aliased.
"""

import math
import os
import random
import struct
import sys
import zlib

SS = 8  # supersampling grid per pixel axis
_OFFS = [(i + 0.5) / SS for i in range(SS)]


# --------------------------------------------------------------------------
# canvas (premultiplied RGBA floats, 0..1)

class Canvas:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]

    def coverage(self, inside, box):
        """Yields (x, y, cov) for pixels of box = (x0, y0, x1, y1) touched by the shape."""
        x0, y0, x1, y1 = box
        x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        x1, y1 = min(self.w, int(math.ceil(x1))), min(self.h, int(math.ceil(y1)))
        n = SS * SS
        for y in range(y0, y1):
            for x in range(x0, x1):
                hits = 0
                for oy in _OFFS:
                    sy = y + oy
                    for ox in _OFFS:
                        if inside(x + ox, sy):
                            hits += 1
                if hits:
                    yield x, y, hits / n

    def blend(self, x, y, rgb, a):
        """Source-over one straight-alpha colour onto pixel (x, y)."""
        if a <= 0.0:
            return
        p = self.px[y * self.w + x]
        k = 1.0 - a
        p[0] = rgb[0] * a + p[0] * k
        p[1] = rgb[1] * a + p[1] * k
        p[2] = rgb[2] * a + p[2] * k
        p[3] = a + p[3] * k

    def fill(self, inside, box, color, alpha=1.0):
        """color: (r, g, b) in 0..1, or a function (x, y) -> (r, g, b)."""
        for x, y, cov in self.coverage(inside, box):
            c = color(x + 0.5, y + 0.5) if callable(color) else color
            self.blend(x, y, c, cov * alpha)

    def mask(self, inside, box):
        """Coverage of a shape as a w*h float list (used for shadows)."""
        m = [0.0] * (self.w * self.h)
        for x, y, cov in self.coverage(inside, box):
            m[y * self.w + x] = cov
        return m

    def rgba_bytes(self):
        out = bytearray()
        for r, g, b, a in self.px:
            if a <= 1e-6:
                out += b"\0\0\0\0"
                continue
            a8 = min(255, int(round(a * 255)))
            if a8 == 0:
                out += b"\0\0\0\0"
                continue
            out += bytes((_u8(r / a), _u8(g / a), _u8(b / a), a8))
        return bytes(out)


def _u8(v):
    return max(0, min(255, int(round(v * 255))))


def hexrgb(s):
    s = s.lstrip("#")
    return tuple(int(s[i:i + 2], 16) / 255.0 for i in (0, 2, 4))


def mix(c1, c2, t):
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


# --------------------------------------------------------------------------
# shapes

def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def rrect(x0, y0, x1, y1, r):
    def f(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return f


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_out, r_in):
    return lambda x, y: r_in * r_in < (x - cx) ** 2 + (y - cy) ** 2 <= r_out * r_out


def seg_dist2(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    l2 = dx * dx + dy * dy
    t = 0.0 if l2 == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / l2))
    px, py = ax + t * dx - x, ay + t * dy - y
    return px * px + py * py


def capsule(ax, ay, bx, by, width):
    h2 = (width / 2.0) ** 2
    return lambda x, y: seg_dist2(x, y, ax, ay, bx, by) <= h2


def polyline(points, width):
    h2 = (width / 2.0) ** 2
    segs = list(zip(points, points[1:]))
    return lambda x, y: any(seg_dist2(x, y, a[0], a[1], b[0], b[1]) <= h2 for a, b in segs)


def polygon(points):
    n = len(points)

    def f(x, y):
        inside = False
        j = n - 1
        for i in range(n):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                inside = not inside
            j = i
        return inside
    return f


def union(*fs):
    return lambda x, y: any(f(x, y) for f in fs)


def minus(a, *bs):
    return lambda x, y: a(x, y) and not any(b(x, y) for b in bs)


def arc(cx, cy, r, width, a0, a1):
    """Stroke of a circle arc from angle a0 to a1 (degrees, clockwise on screen,
    0 = pointing right), with round ends."""
    r_in, r_out = r - width / 2.0, r + width / 2.0
    h2 = (width / 2.0) ** 2
    ends = [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a))) for a in (a0, a1)]

    def f(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if r_in * r_in <= d2 <= r_out * r_out:
            a = math.degrees(math.atan2(y - cy, x - cx))
            while a < a0:
                a += 360.0
            while a >= a0 + 360.0:
                a -= 360.0
            if a <= a1:
                return True
        return any((x - ex) ** 2 + (y - ey) ** 2 <= h2 for ex, ey in ends)
    return f


# --------------------------------------------------------------------------
# PNG / ICO writers

def write_png(path, w, h, rgba):
    raw = bytearray()
    stride = w * 4
    for y in range(h):
        raw.append(0)
        raw += rgba[y * stride:(y + 1) * stride]

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as fh:
        fh.write(png)


def write_ico(path, images):
    """images: list of (size, rgba bytes top-down). Stored as classic 32-bit DIBs
    (BGRA bottom-up + 1-bit AND mask), which every resource compiler accepts."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for size, rgba in images:
        hdr = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        xor = bytearray()
        for y in range(size - 1, -1, -1):
            for x in range(size):
                r, g, b, a = rgba[(y * size + x) * 4:(y * size + x) * 4 + 4]
                xor += bytes((b, g, r, a))
        mask_stride = ((size + 31) // 32) * 4
        andm = bytearray()
        for y in range(size - 1, -1, -1):
            row = bytearray(mask_stride)
            for x in range(size):
                if rgba[(y * size + x) * 4 + 3] == 0:
                    row[x // 8] |= 0x80 >> (x % 8)
            andm += row
        blob = hdr + bytes(xor) + bytes(andm)
        entries.append(struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    with open(path, "wb") as fh:
        fh.write(struct.pack("<HHH", 0, 1, len(images)))
        fh.write(b"".join(entries))
        fh.write(b"".join(blobs))


# --------------------------------------------------------------------------
# caption buttons: 729x20, close at x = 0/40/80 (39 wide), the other seven
# symbols at x = 120 + 29*k (28 wide), each as normal / hover / pressed.

CAP_W, CAP_H = 729, 20
CAP_TOP, CAP_BOTTOM = 2, 20          # artwork lives in rows 2..19
WHITE = (1.0, 1.0, 1.0)
BLACK = (0.0, 0.0, 0.0)


def glyph_close(ox, cx, cy):
    # the close frame is 39 px wide, so its centre is a pixel centre: put the
    # crossing on one and let both diagonals run through pixel centres (9x9)
    cy -= 0.5
    d = 4.0
    return union(capsule(ox + cx - d, cy - d, ox + cx + d, cy + d, 1.5),
                 capsule(ox + cx - d, cy + d, ox + cx + d, cy - d, 1.5))


def glyph_maximise(ox, cx, cy):
    x0, y0 = ox + cx - 5, cy - 5
    return minus(rect(x0, y0, x0 + 10, y0 + 10), rect(x0 + 1, y0 + 2, x0 + 9, y0 + 9))


def glyph_restore(ox, cx, cy):
    # back window up-right, front window down-left; the front one hides the back
    bx0, by0 = ox + cx - 3, cy - 5
    fx0, fy0 = ox + cx - 5, cy - 2
    back = minus(rect(bx0, by0, bx0 + 8, by0 + 8), rect(bx0 + 1, by0 + 2, bx0 + 7, by0 + 7))
    front_out = rect(fx0, fy0, fx0 + 8, fy0 + 7)
    front = minus(front_out, rect(fx0 + 1, fy0 + 2, fx0 + 7, fy0 + 6))
    return union(front, minus(back, front_out))


def glyph_minimise(ox, cx, cy):
    return rect(ox + cx - 5, cy + 1, ox + cx + 5, cy + 3)


def glyph_menu(ox, cx, cy):
    x0, y0 = ox + cx - 5, cy - 5
    box = minus(rrect(x0, y0, x0 + 10, y0 + 10, 1.6), rrect(x0 + 1, y0 + 1, x0 + 9, y0 + 9, 0.8))
    # stepped 6/4/2 triangle, crisp at this size
    tri = union(rect(ox + cx - 3, cy - 1, ox + cx + 3, cy),
                rect(ox + cx - 2, cy, ox + cx + 2, cy + 1),
                rect(ox + cx - 1, cy + 1, ox + cx + 1, cy + 2))
    return union(box, tri)


def glyph_skin(ox, cx, cy):
    X = lambda v: ox + cx + v
    Y = lambda v: cy + v
    shirt = polygon([
        (X(-3.0), Y(-5.0)), (X(-1.6), Y(-5.0)),
        (X(-0.9), Y(-4.1)), (X(0.0), Y(-3.8)), (X(0.9), Y(-4.1)),
        (X(1.6), Y(-5.0)), (X(3.0), Y(-5.0)),
        (X(6.0), Y(-2.0)), (X(4.5), Y(-0.3)), (X(3.0), Y(-1.6)),
        (X(3.0), Y(5.0)), (X(-3.0), Y(5.0)),
        (X(-3.0), Y(-1.6)), (X(-4.5), Y(-0.3)), (X(-6.0), Y(-2.0)),
    ])
    return shirt


def glyph_chat(ox, cx, cy):
    # 12x8 bubble on whole pixels, tail to the lower left, three 2x2 dots
    x0, y0, x1, y1 = ox + cx - 6, cy - 6, ox + cx + 6, cy + 2
    outer = rrect(x0, y0, x1, y1, 2.5)
    inner = rrect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 1.5)
    tail = polygon([(ox + cx - 3.5, y1 - 0.5), (ox + cx + 0.2, y1 - 0.5), (ox + cx - 3.5, cy + 5.6)])
    dots = union(*[circle(ox + cx + dx, cy - 2, 1.12) for dx in (-3, 0, 3)])
    return union(minus(union(outer, tail), inner), dots)


def glyph_settings(ox, cx, cy):
    gx, gy = ox + cx, cy
    teeth, r_body, r_tip, half_w, r_hole = 8, 3.9, 5.6, 1.05, 1.9

    def f(x, y):
        dx, dy = x - gx, y - gy
        d = math.hypot(dx, dy)
        if d <= r_hole or d > r_tip:
            return False
        if d <= r_body:
            return True
        a = math.atan2(dy, dx) + math.pi / teeth  # teeth at k*45 degrees
        step = 2 * math.pi / teeth
        a = (a % step) - step / 2
        return abs(d * math.sin(a)) <= half_w * (1.0 + 0.25 * (r_tip - d) / (r_tip - r_body))
    return f


def glyph_box(cx, cy, pad=7):
    return (cx - pad, cy - pad, cx + pad, cy + pad)


def draw_frame(cv, ox, fw, glyph_fn, plate=None, shadow_alpha=0.38):
    cx, cy = fw / 2.0, (CAP_TOP + CAP_BOTTOM) / 2.0
    if plate is not None:
        rgb, a = plate
        cv.fill(rrect(ox, CAP_TOP, ox + fw, CAP_BOTTOM, 2.0), (ox, CAP_TOP, ox + fw, CAP_BOTTOM), rgb, a)
    shape = glyph_fn(ox, cx, cy)
    box = glyph_box(ox + cx, cy)
    m = cv.mask(shape, box)
    # soft dark halo: 3x3 binomial blur of the glyph coverage, kept inside the frame
    w = cv.w
    k = ((1, 2, 1), (2, 4, 2), (1, 2, 1))
    for y in range(CAP_TOP, CAP_BOTTOM):
        for x in range(ox, ox + fw):
            s = 0.0
            for j in (-1, 0, 1):
                yy = y + j
                if not (0 <= yy < cv.h):
                    continue
                for i in (-1, 0, 1):
                    xx = x + i
                    if ox <= xx < ox + fw:
                        s += m[yy * w + xx] * k[j + 1][i + 1]
            s /= 16.0
            if s > 0:
                cv.blend(x, y, BLACK, min(1.0, s * 1.6) * shadow_alpha)
    for y in range(cv.h):
        for x in range(ox, ox + fw):
            c = m[y * w + x]
            if c:
                cv.blend(x, y, WHITE, c)


def caption_buttons(path):
    cv = Canvas(CAP_W, CAP_H)
    red_hover, red_down = (hexrgb("#E04343"), 1.0), (hexrgb("#B02A2A"), 1.0)
    blue_hover, blue_down = (hexrgb("#3C8CE6"), 0.85), (hexrgb("#2566B0"), 0.90)
    for i, plate in enumerate((None, red_hover, red_down)):
        draw_frame(cv, 40 * i, 39, glyph_close, plate, 0.38 if plate is None else 0.22)
    glyphs = (glyph_maximise, glyph_restore, glyph_minimise, glyph_menu,
              glyph_skin, glyph_chat, glyph_settings)
    offsets = []
    for gi, g in enumerate(glyphs):
        for si, plate in enumerate((None, blue_hover, blue_down)):
            ox = 120 + 29 * (gi * 3 + si)
            offsets.append(ox)
            draw_frame(cv, ox, 28, g, plate, 0.38 if plate is None else 0.22)
    rgba = cv.rgba_bytes()
    # rows 0-1 and the 1-px gaps between frames must stay fully transparent
    gaps = [39, 79, 119] + [o + 28 for o in offsets]
    for y in range(CAP_H):
        for x in range(CAP_W):
            if (y < CAP_TOP or x in gaps) and rgba[(y * CAP_W + x) * 4 + 3] != 0:
                raise SystemExit("caption_buttons: stray pixel at %d,%d" % (x, y))
    write_png(path, CAP_W, CAP_H, rgba)
    return offsets


# --------------------------------------------------------------------------
# message-box icons: 200x40, five 40x40 cells

def msgbox_icons(path):
    cv = Canvas(200, 40)
    cells = [
        ("#D93B3B", "error"),
        ("#F0961E", "warning"),
        ("#3A78D6", "question"),
        ("#1E8AE0", "info"),
        ("#2FA54A", "ok"),
    ]
    for i, (col, kind) in enumerate(cells):
        ox = 40 * i
        cx, cy, r = ox + 20.0, 20.0, 18.0
        base = hexrgb(col)
        top = mix(base, WHITE, 0.22)
        bottom = mix(base, BLACK, 0.14)
        rim = mix(base, BLACK, 0.28)
        grad = (lambda top, bottom: lambda x, y: mix(top, bottom, max(0.0, min(1.0, (y - 2.0) / 36.0))))(top, bottom)
        box = (ox, 0, ox + 40, 40)
        # faint contact shadow, then rim, then body
        cv.fill(circle(cx, cy + 0.8, r + 0.6), box, BLACK, 0.16)
        cv.fill(circle(cx, cy, r), box, rim)
        cv.fill(circle(cx, cy, r - 1.0), box, grad)
        # soft gloss on the upper half
        cv.fill(minus(circle(cx, cy - 6.5, r - 4.0), circle(cx, cy + 14.0, r + 2.0)),
                box, WHITE, 0.10)
        if kind == "error":
            d = 6.6
            sym = union(capsule(cx - d, cy - d, cx + d, cy + d, 4.0),
                        capsule(cx - d, cy + d, cx + d, cy - d, 4.0))
        elif kind == "warning":
            sym = union(polygon([(cx - 2.3, 9.5), (cx + 2.3, 9.5), (cx + 1.4, 23.5), (cx - 1.4, 23.5)]),
                        circle(cx, 9.8, 2.3), circle(cx, 28.3, 2.5))
        elif kind == "question":
            sym = union(arc(cx, 15.6, 5.4, 3.7, 180.0, 395.0),
                        capsule(cx + 5.4 * math.cos(math.radians(35)), 15.6 + 5.4 * math.sin(math.radians(35)),
                                cx, 21.2, 3.7),
                        capsule(cx, 21.2, cx, 22.8, 3.7),
                        circle(cx, 28.6, 2.5))
        elif kind == "info":
            sym = union(circle(cx, 11.6, 2.6), capsule(cx, 17.4, cx, 28.2, 4.2))
        else:
            sym = polyline([(cx - 8.0, 20.5), (cx - 2.6, 26.0), (cx + 8.2, 14.6)], 4.0)
        cv.fill(sym, box, WHITE)
    write_png(path, 200, 40, cv.rgba_bytes())


# --------------------------------------------------------------------------
# application icon: rounded square in the background's blue/teal with a
# white locator target (ring, cross hairs, centre dot)

ICON_TUNING = {
    # size: (corner radius, ring radius, ring width, hair width, hair inner, hair outer, dot radius)
    16: (3.0, 4.7, 1.6, 2.0, 4.0, 7.0, 1.3),
    32: (6.0, 8.6, 2.4, 2.0, 4.0, 13.0, 2.3),
    48: (9.0, 12.8, 3.2, 3.0, 6.0, 20.0, 3.3),
}


def app_icon_image(s):
    cr, rr, rw, hw, hin, hout, dr = ICON_TUNING[s]
    cv = Canvas(s, s)
    c0, c1 = hexrgb("#1E5FA8"), hexrgb("#12918E")
    # diagonal blue -> teal, lifted a little towards the top so it does not look flat
    grad = lambda x, y: mix(mix(c0, c1, max(0.0, min(1.0, (x + y) / (2.0 * s)))), WHITE, 0.10 * (1.0 - y / s))
    box = (0, 0, s, s)
    cv.fill(rrect(0, 0, s, s, cr), box, grad)
    c = s / 2.0
    hairs = union(rect(c - hw / 2, c - hout, c + hw / 2, c - hin),
                  rect(c - hw / 2, c + hin, c + hw / 2, c + hout),
                  rect(c - hout, c - hw / 2, c - hin, c + hw / 2),
                  rect(c + hin, c - hw / 2, c + hout, c + hw / 2))
    sym = union(ring(c, c, rr + rw / 2, rr - rw / 2), hairs, circle(c, c, dr))
    # keep hair ends inside the tile's rounded outline
    sym = (lambda sym: lambda x, y: sym(x, y) and 1.0 <= x < s - 1.0 and 1.0 <= y < s - 1.0)(sym)
    cv.fill(sym, box, WHITE)
    return cv.rgba_bytes()


def app_icon(path):
    write_ico(path, [(s, app_icon_image(s)) for s in (16, 32, 48)])


# --------------------------------------------------------------------------
# background: 317x230, diagonal deep blue -> teal with soft light shapes

BG_W, BG_H = 317, 230
RIBBON_LINES = 9
BG_GRAIN = 2.2  # std-dev of the monochrome film grain, in 8-bit levels


def smoothstep(e0, e1, v):
    t = max(0.0, min(1.0, (v - e0) / (e1 - e0)))
    return t * t * (3 - 2 * t)


def background(path):
    stops = [(0.0, hexrgb("#0A1F3F")), (0.45, hexrgb("#123F6E")),
             (0.80, hexrgb("#17627F")), (1.0, hexrgb("#1C7C88"))]

    def base(t):
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t <= t1:
                return mix(c0, c1, smoothstep(0.0, 1.0, (t - t0) / (t1 - t0)))
        return stops[-1][1]

    light = hexrgb("#BFE8FF")
    # (cx, cy, radius, strength, edge softness)
    bokeh = [
        (238, 34, 44, 0.075, 10.0), (284, 86, 20, 0.070, 4.0), (196, 8, 14, 0.060, 3.0),
        (30, 182, 52, 0.060, 14.0), (92, 214, 16, 0.070, 3.5), (150, 196, 9, 0.060, 2.5),
        (22, 58, 11, 0.050, 2.5), (64, 22, 7, 0.055, 2.0), (262, 178, 13, 0.045, 3.0),
        (214, 118, 5, 0.050, 1.5), (112, 40, 4, 0.045, 1.5), (300, 30, 6, 0.055, 1.8),
        (8, 120, 6, 0.045, 1.8), (180, 224, 24, 0.050, 6.0),
    ]
    # tiny specks of light, kept away from the middle where the button sits
    srng = random.Random(7)
    sparkles = []
    while len(sparkles) < 46:
        sx, sy = srng.uniform(0, BG_W), srng.uniform(0, BG_H)
        if 60 < sx < 230 and 45 < sy < 140:
            continue
        sparkles.append((sx, sy, srng.uniform(0.6, 1.6), srng.uniform(0.08, 0.28)))
    rng = random.Random(20240611)
    data = bytearray()
    for y in range(BG_H):
        for x in range(BG_W):
            t = 0.56 * x / (BG_W - 1) + 0.44 * y / (BG_H - 1)
            r, g, b = base(t)
            # broad glow upper right, gentle shade under the title strip
            glow = 0.10 * math.exp(-(((x - 250) / 140.0) ** 2 + ((y + 10) / 110.0) ** 2))
            shade = 0.20 * (1.0 - smoothstep(0.0, 30.0, y))
            k = 1.0 - shade
            r, g, b = r * k, g * k, b * k
            add = glow
            for cx, cy, rad, st, soft in bokeh:
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if d < rad + soft:
                    inner = 1.0 - smoothstep(rad - soft, rad + soft * 0.3, d)
                    rim = math.exp(-((d - rad + soft * 0.4) / (soft * 0.6 + 0.8)) ** 2) * 0.6
                    add += st * (0.75 * inner + rim)
            # two long soft waves across the lower part
            for y0, amp, per, ph, width, st in ((168, 14, 230, 0.6, 16, 0.085), (192, 10, 170, 2.2, 9, 0.070)):
                wy = y0 + amp * math.sin(2 * math.pi * x / per + ph) - 0.08 * x
                dy = y - wy
                add += st * math.exp(-(dy / width) ** 2) * (0.55 + 0.45 * x / BG_W)
                add += st * 0.9 * math.exp(-(dy / 0.9) ** 2) * smoothstep(30, 200, x)
            # a loose ribbon of hair-thin lines that twists along the waves
            yc = 176 + 12 * math.sin(2 * math.pi * x / 260 + 0.3) - 0.07 * x
            spread = 13 + 9 * math.sin(2 * math.pi * x / 190 + 1.2)
            fade = smoothstep(0, 150, x) * (0.6 + 0.4 * math.sin(2 * math.pi * x / 300 + 2.0))
            for k in range(RIBBON_LINES):
                ly = yc + spread * (k / (RIBBON_LINES - 1.0) - 0.5)
                dy = y + 0.5 - ly
                if -3 < dy < 3:
                    add += 0.075 * fade * math.exp(-(dy / 0.65) ** 2)
            for sx, sy, sr, ss in sparkles:
                d2 = (x + 0.5 - sx) ** 2 + (y + 0.5 - sy) ** 2
                if d2 < 36:
                    add += ss * math.exp(-d2 / (sr * sr))
            # screen-blend the light, then a little grain against banding
            r = 1 - (1 - r) * (1 - light[0] * add)
            g = 1 - (1 - g) * (1 - light[1] * add)
            b = 1 - (1 - b) * (1 - light[2] * add)
            n = rng.gauss(0.0, BG_GRAIN) / 255.0
            data += bytes((_u8(r + n), _u8(g + n), _u8(b + n)))
    with open(path, "wb") as fh:
        fh.write(b"P6\n%d %d\n255\n" % (BG_W, BG_H))
        fh.write(bytes(data))


# --------------------------------------------------------------------------

def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    offsets = caption_buttons(os.path.join(out, "caption_buttons.png"))
    msgbox_icons(os.path.join(out, "msgbox_icons.png"))
    app_icon(os.path.join(out, "app.ico"))
    background(os.path.join(out, "background.ppm"))
    print("caption frames: close 0 40 80; others " + " ".join(str(o) for o in offsets))


if __name__ == "__main__":
    main()
