#!/usr/bin/env python3
"""Draws Zelvik's program icon and caption-button pictures into res/.

Run from the repository root:  python3 res/draw_pictures.py [--preview DIR]

Everything is drawn procedurally (signed-distance shapes with one-pixel
anti-aliasing, gradients) and encoded byte by byte: app.ico holds 32 x 32
and 16 x 16 BGRA images with AND masks, the six caption tabs are 8-bit
palette BMPs. With --preview DIR, enlarged PNG copies are written to DIR.
Only the Python 3 standard library is used.
"""

import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


# ---------------------------------------------------------------- colours

def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    return tuple(lerp(a, b, t) for a, b in zip(c1, c2))


def ramp(stops, t):
    """Colour at t along a list of (position, colour) stops."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 1.0)
    return stops[-1][1]


def lighter(c, t):
    return mix(c, (255, 255, 255), t)


# ----------------------------------------------------------------- canvas

class Canvas:
    """RGBA picture with straight (not premultiplied) alpha in 0..1."""

    def __init__(self, w, h, rgb=(0, 0, 0), a=0.0):
        self.w, self.h = w, h
        self.px = [[[rgb[0], rgb[1], rgb[2], a] for _ in range(w)]
                   for _ in range(h)]

    def blend(self, x, y, rgb, a):
        """Porter-Duff 'over' of one pixel."""
        if a <= 0 or not (0 <= x < self.w and 0 <= y < self.h):
            return
        p = self.px[y][x]
        da = p[3] * (1 - a)
        oa = a + da
        for i in range(3):
            p[i] = (rgb[i] * a + p[i] * da) / oa
        p[3] = oa

    def put(self, x, y, rgb, a=1.0):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = [rgb[0], rgb[1], rgb[2], a]

    def rgba8(self, x, y):
        """Pixel as 0..255 integers."""
        r, g, b, a = self.px[y][x]
        c = lambda v: max(0, min(255, int(round(v))))
        return c(r), c(g), c(b), c(a * 255)


def fill(cv, sdf, paint, alpha=1.0):
    """Paints the shape sdf(x, y) <= 0; paint is a colour or f(x, y).

    Coverage comes from the distance at the pixel centre, which gives a
    one-pixel anti-aliased edge and exact edges on whole-pixel boxes.
    """
    for y in range(cv.h):
        for x in range(cv.w):
            px, py = x + 0.5, y + 0.5
            cover = min(1.0, max(0.0, 0.5 - sdf(px, py)))
            if cover > 0:
                rgb = paint(px, py) if callable(paint) else paint
                cv.blend(x, y, rgb, cover * alpha)


def hline(cv, x0, x1, y, rgb, a=1.0):
    for x in range(x0, x1 + 1):
        cv.blend(x, y, rgb, a)


def vline(cv, x, y0, y1, rgb, a=1.0):
    for y in range(y0, y1 + 1):
        cv.blend(x, y, rgb, a)


def vgradient(y0, y1, stops):
    """Paint that runs through the stops from y0 (top) to y1 (bottom)."""
    return lambda x, y: ramp(stops, (y - y0) / (y1 - y0))


def dgradient(x0, y0, x1, y1, stops):
    """Paint that runs through the stops along the line (x0,y0)-(x1,y1)."""
    dx, dy = x1 - x0, y1 - y0
    n = dx * dx + dy * dy
    return lambda x, y: ramp(stops, ((x - x0) * dx + (y - y0) * dy) / n)


# ------------------------------------------------------------------ shapes
# Each shape is a signed distance function: negative inside, in pixels.

def box(x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def d(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        out = math.hypot(max(qx, 0), max(qy, 0))
        return out + min(max(qx, qy), 0) - r
    return d


def disc(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def segment(ax, ay, bx, by, r):
    """Capsule: a line from a to b, r pixels either side, round ends."""
    dx, dy = bx - ax, by - ay
    n = dx * dx + dy * dy

    def d(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / n))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - r
    return d


def polygon(pts):
    """Distance to a simple polygon given as a list of (x, y) corners."""
    def d(x, y):
        best = float("inf")
        inside = False
        for (ax, ay), (bx, by) in zip(pts, pts[1:] + pts[:1]):
            ex, ey = bx - ax, by - ay
            t = max(0.0, min(1.0, ((x - ax) * ex + (y - ay) * ey)
                             / (ex * ex + ey * ey)))
            best = min(best, math.hypot(x - ax - t * ex, y - ay - t * ey))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / (by - ay):
                inside = not inside
        return -best if inside else best
    return d


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def cut(shape, hole):
    return lambda x, y: max(shape(x, y), -hole(x, y))


def clip(shape, window):
    return lambda x, y: max(shape(x, y), window(x, y))


def grow(shape, w):
    return lambda x, y: shape(x, y) - w


def outlined(cv, shape, paint, edge, width=1.0, alpha=1.0):
    """Shape with a dark border of the given width round it."""
    fill(cv, grow(shape, width), edge, alpha)
    fill(cv, shape, paint, alpha)


# ---------------------------------------------------------------- the icon

BEZEL = [(0, (246, 247, 249)), (0.55, (219, 223, 229)), (1, (184, 191, 201))]
BEZEL_EDGE = (74, 84, 100)
SCREEN_EDGE = (16, 46, 104)
GOLD = [(0, (255, 238, 150)), (0.45, (246, 190, 44)), (1, (190, 124, 12))]
GOLD_EDGE = (112, 68, 6)
WHITE = (255, 255, 255)


def scissors(cv, px, py, angle, spread, tip, blade_w, tail, splay,
             ring_r, hole_r, edge_w):
    """Gold scissors pivoting at (px, py), the tips pointing along angle.

    Each half is a tapering blade on one side of the pivot and a finger
    ring on the other; the rings are splayed wider than the blades (like
    real bent handles) so they do not run into each other.
    """
    halves = []
    for side in (+1, -1):
        a = math.radians(angle + side * spread)
        ux, uy = math.cos(a), math.sin(a)
        nx, ny = -uy, ux
        w = blade_w
        blade = polygon([
            (px - ux + nx * w, py - uy + ny * w),
            (px + ux * tip * 0.5 + nx * w * 0.8,
             py + uy * tip * 0.5 + ny * w * 0.8),
            (px + ux * tip, py + uy * tip),
            (px - ux - nx * w * 0.6, py - uy - ny * w * 0.6),
        ])
        b = math.radians(angle + 180 - side * splay)
        rx, ry = px + math.cos(b) * tail, py + math.sin(b) * tail
        shank = segment(px, py, rx, ry, w * 0.75)
        handle = cut(union(disc(rx, ry, ring_r), shank), disc(rx, ry, hole_r))
        halves.append(union(blade, handle))
    shine = dgradient(px - tip * 0.7, py - tip * 0.7, px + tail, py + tail,
                      GOLD)
    # Both outlines first, then the lower half, then the upper half with
    # its own outline so the crossing reads as one blade over the other.
    for shape in halves:
        fill(cv, grow(shape, edge_w), GOLD_EDGE)
    fill(cv, halves[1], shine)
    fill(cv, grow(halves[0], edge_w), GOLD_EDGE, 0.8)
    fill(cv, halves[0], shine)


def draw_icon32():
    cv = Canvas(32, 32)
    # soft shadow under the whole monitor
    fill(cv, box(2, 4.5, 32, 27, 3), (0, 0, 0), 0.18)
    # stand: neck and foot
    fill(cv, box(12, 23, 20, 29), BEZEL_EDGE)
    fill(cv, box(13, 23, 19, 28.5), vgradient(23, 29, BEZEL))
    outlined(cv, box(8, 28, 24, 31, 1.5), vgradient(28, 31, BEZEL),
             BEZEL_EDGE)
    # bezel
    outlined(cv, box(1.5, 2, 30.5, 25, 2.5), vgradient(2, 25, BEZEL),
             BEZEL_EDGE)
    fill(cv, box(2.5, 3, 29.5, 4), WHITE, 0.6)           # top rim light
    # screen: dimmed outside the crop frame, bright inside it
    fill(cv, box(4, 5, 28, 22), SCREEN_EDGE)
    dim = vgradient(6, 21, [(0, (40, 112, 206)), (1, (18, 62, 150))])
    lit = vgradient(6, 21, [(0, (110, 190, 252)), (1, (44, 126, 226))])
    fill(cv, box(5, 6, 27, 21), dim)
    fill(cv, box(9, 9, 20, 16), lit)
    # glass reflection across the upper left of the screen
    fill(cv, clip(box(5, 6, 27, 21), polygon([(5, 6), (27, 6), (5, 17)])),
         WHITE, 0.13)
    # crop marks: two interlocking L shapes framing the lit area
    vline(cv, 9, 7, 15, WHITE)
    hline(cv, 9, 23, 15, WHITE)
    hline(cv, 6, 19, 9, WHITE)
    vline(cv, 19, 9, 19, WHITE)
    # scissors over the lower right corner of the monitor
    scissors(cv, px=22.5, py=22.5, angle=-135, spread=17, tip=10,
             blade_w=1.25, tail=5.0, splay=40, ring_r=2.7, hole_r=1.2,
             edge_w=0.9)
    fill(cv, disc(22.5, 22.5, 0.8), GOLD_EDGE)          # pivot screw
    return cv


def pixel_scissors(cv, gold, holes):
    """Scissors for the small icon, placed pixel by pixel so they stay
    sharp: gold pixels shaded from light tips to deeper rings, with a
    one-pixel dark border and darkened ring holes."""
    gold = set(gold)
    top = min(y for x, y in gold)
    bottom = max(y for x, y in gold)
    for x, y in sorted(gold):
        for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if (nx, ny) not in gold and (nx, ny) not in holes:
                cv.blend(nx, ny, GOLD_EDGE, 0.85)
    for x, y in holes:
        cv.blend(x, y, GOLD_EDGE, 0.5)
    for x, y in gold:
        cv.put(x, y, ramp(GOLD, (y - top) / (bottom - top)))


def small_ring(x0, y0):
    """A 4 x 4 ring with its corners cut off: 8 pixels round a 2 x 2 hole."""
    cells = {(x0 + dx, y0 + dy) for dx in range(4) for dy in range(4)}
    corners = {(x0, y0), (x0 + 3, y0), (x0, y0 + 3), (x0 + 3, y0 + 3)}
    hole = {(x0 + dx, y0 + dy) for dx in (1, 2) for dy in (1, 2)}
    return cells - corners - hole, hole


def draw_icon16():
    cv = Canvas(16, 16)
    # stand
    fill(cv, box(6, 11, 10, 14), BEZEL_EDGE)
    fill(cv, box(7, 11, 9, 13), (206, 211, 218))
    fill(cv, box(4, 13, 12, 16), BEZEL_EDGE)
    fill(cv, box(5, 14, 11, 15), (214, 219, 226))
    # bezel, drawn on whole pixels so it stays sharp
    fill(cv, box(0, 0, 16, 12, 1.2), BEZEL_EDGE)
    fill(cv, box(1, 1, 15, 11), vgradient(1, 11, BEZEL))
    # screen, dimmed outside the crop frame
    fill(cv, box(2, 2, 14, 10), SCREEN_EDGE)
    fill(cv, box(3, 3, 14, 10), vgradient(3, 10, [(0, (46, 124, 222)),
                                                (1, (20, 66, 160))]))
    fill(cv, box(5, 4, 11, 9), vgradient(4, 9, [(0, (120, 196, 252)),
                                              (1, (70, 150, 236))]))
    # crop marks
    vline(cv, 5, 3, 8, WHITE)
    hline(cv, 5, 12, 8, WHITE)
    hline(cv, 3, 10, 4, WHITE)
    vline(cv, 10, 4, 9, WHITE)
    # scissors standing upright, blades crossing at the pivot
    left, left_hole = small_ring(7, 12)
    right, right_hole = small_ring(12, 12)
    blades = {(9, 6), (9, 7), (10, 8), (10, 9), (11, 10), (12, 11),
              (13, 6), (13, 7), (12, 8), (12, 9), (10, 11)}
    pixel_scissors(cv, blades | left | right, left_hole | right_hole)
    return cv


# ------------------------------------------------------- the caption tabs
# The tabs hang from the top edge of the window's header band, the
# minimise tab at x 212..237 and the close tab at x 238..279.

HEADER = [(0, (86, 197, 243)), (15, (50, 185, 239)), (29, (33, 179, 239))]
TOP_LINE = (1, 83, 150)
SEPARATOR = (22, 112, 186)
TAB_H = 19


def header_colour(y):
    return ramp(HEADER, y)


def gloss(top, split, deep, bottom, rim):
    """Colours of rows 1..18 of a glossy tab: a light upper half, a deeper
    lower half brightening downwards, and a last row near the header."""
    rows = []
    for y in range(1, TAB_H):
        if y < 9:
            rows.append(mix(top, split, (y - 1) / 7))
        elif y < TAB_H - 1:
            rows.append(mix(deep, bottom, (y - 9) / 8))
        else:
            rows.append(rim)
    return rows


BLUE = dict(top=(196, 238, 255), split=(122, 212, 249),
            deep=(30, 160, 228), bottom=(62, 190, 243), rim=(60, 190, 242))
# The red tab keeps the header-blue last row so both tabs end alike.
RED = dict(top=(255, 196, 170), split=(244, 118, 82),
           deep=(206, 38, 14), bottom=(246, 132, 36), rim=(60, 190, 242))


def tab_rows(scheme, lift=0.0, shade=0.0, flip=False, dark=(0, 0, 0)):
    """Row colours 0..18: the dark top line, then the gloss (lightened by
    lift, shaded towards dark, upside down when flip), the rim kept as is."""
    s = {k: v if k == "rim" else mix(lighter(v, lift), dark, shade)
         for k, v in scheme.items()}
    body = gloss(**s)
    rim = body.pop()
    if flip:
        body.reverse()
    return [TOP_LINE] + body + [rim]


def pressed_scheme(scheme):
    """A pressed tab keeps only a soft version of the glint."""
    s = dict(scheme)
    s["top"] = mix(s["top"], s["split"], 0.8)
    return s


def tab_canvas(w, rows, shape, pressed):
    """Header band behind, the tab body (shape) painted row by row."""
    cv = Canvas(w, TAB_H, a=1.0)
    for y in range(TAB_H):
        hline(cv, 0, w - 1, y, header_colour(y))
    fill(cv, grow(shape, 1.0), SEPARATOR)
    fill(cv, shape, lambda x, y: rows[int(y)])
    hline(cv, 0, w - 1, 0, TOP_LINE)
    if pressed:
        # pressed in: a soft shadow under the top line instead of a glint
        hline(cv, 0, w - 1, 1, (0, 40, 90), 0.35)
        hline(cv, 0, w - 1, 2, (0, 40, 90), 0.12)
    else:
        hline(cv, 0, w - 1, 1, WHITE, 0.4)
    return cv


def draw_minimise(state):
    w = 26
    if state == "pressed":
        rows = tab_rows(pressed_scheme(BLUE), shade=0.08, flip=True)
    else:
        rows = tab_rows(BLUE, lift=0.2 if state == "hover" else 0.0)
    # the body starts right of the separator; its lower left corner is
    # rounded off into the header
    body = box(1, -6, w + 6, TAB_H, 4.0)
    cv = tab_canvas(w, rows, body, state == "pressed")
    # light seam just inside the separator
    fill(cv, clip(grow(body, -1.0), box(1, 1, 2, TAB_H - 2)), WHITE, 0.3)
    d = 1 if state == "pressed" else 0
    bar = box(8 + d, 9 + d, 18 + d, 11 + d)
    fill(cv, grow(bar, 1.0), (0, 60, 120), 0.22)
    fill(cv, bar, WHITE)
    return cv


def draw_close(state):
    w = 42
    red = state != "normal"
    if state == "pressed":
        # shaded towards a deep red, not black, so it stays red, not brown
        rows = tab_rows(pressed_scheme(RED), shade=0.3, dark=(120, 0, 0))
    else:
        rows = tab_rows(RED if red else BLUE)
    cv = tab_canvas(w, rows, box(-6, -6, w - 1, TAB_H + 6),
                    state == "pressed")
    # right edge of the window with a light seam inside it, and a faint
    # seam against the minimise tab
    vline(cv, w - 1, 0, TAB_H - 1, TOP_LINE)
    vline(cv, w - 2, 1, TAB_H - 2, WHITE, 0.3)
    vline(cv, 0, 1, TAB_H - 2, WHITE, 0.2 if red else 0.3)
    d = 1 if state == "pressed" else 0
    cross = union(segment(17 + d, 7 + d, 24 + d, 13 + d, 0.95),
                  segment(17 + d, 13 + d, 24 + d, 7 + d, 0.95))
    if red:
        fill(cv, grow(cross, 1.0), (150, 14, 0), 0.9)
    else:
        fill(cv, grow(cross, 1.0), (0, 60, 120), 0.22)
    fill(cv, cross, WHITE)
    return cv


# ----------------------------------------------------------------- writers

def ico_image(cv):
    """One BITMAPINFOHEADER image for an ICO: BGRA rows bottom-up, then
    the AND mask (bit set where the pixel is fully transparent)."""
    w, h = cv.w, cv.h
    mask_row = (w + 31) // 32 * 4
    pixels = bytearray()
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        bits = bytearray(mask_row)
        for x in range(w):
            r, g, b, a = cv.rgba8(x, y)
            if a == 0:
                r = g = b = 0
                bits[x // 8] |= 0x80 >> (x % 8)
            pixels += bytes((b, g, r, a))
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    data = header + pixels + mask
    assert len(data) == 40 + w * h * 4 + mask_row * h
    return data


def write_ico(path, canvases):
    images = [ico_image(cv) for cv in canvases]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for cv, data in zip(canvases, images):
        out += struct.pack("<BBBBHHII", cv.w % 256, cv.h % 256, 0, 0, 1, 32,
                           len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)
    return out


def palette_for(cv):
    """Colours actually used, coarsened step by step if over 256."""
    cols = [cv.rgba8(x, y)[:3] for y in range(cv.h) for x in range(cv.w)]
    for shift in range(0, 8):
        snap = lambda c: tuple(min(255, (v >> shift << shift)
                                   + ((1 << shift) >> 1)) for v in c)
        used = sorted(set(snap(c) for c in cols))
        if len(used) <= 256:
            return [snap(c) for c in cols], used
    raise AssertionError("unreachable")


def write_bmp8(path, cv):
    pixels, pal = palette_for(cv)
    index = {c: i for i, c in enumerate(pal)}
    w, h = cv.w, cv.h
    stride = (w + 3) // 4 * 4
    rows = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytes(index[pixels[y * w + x]] for x in range(w))
        rows += row + bytes(stride - w)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in pal)
    table += bytes(4 * (256 - len(pal)))
    off = 14 + 40 + 1024
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(rows),
                       2835, 2835, 256, 0)
    head = struct.pack("<2sIHHI", b"BM", off + len(rows), 0, 0, off)
    out = head + info + table + rows
    with open(path, "wb") as f:
        f.write(out)
    return out, len(pal)


# ---------------------------------------------------------------- previews

def write_png(path, w, h, rgb_at, scale):
    """Enlarged RGB PNG; rgb_at(x, y) gives the colour of source pixel."""
    raw = bytearray()
    for y in range(h * scale):
        raw.append(0)
        for x in range(w * scale):
            raw += bytes(rgb_at(x // scale, y // scale))
    chunk = lambda kind, body: (struct.pack(">I", len(body)) + kind + body
                                + struct.pack(">I", zlib.crc32(kind + body)))
    png = (b"\x89PNG\r\n\x1a\n"
           + chunk(b"IHDR", struct.pack(">IIBBBBB", w * scale, h * scale,
                                        8, 2, 0, 0, 0))
           + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
           + chunk(b"IEND", b""))
    with open(path, "wb") as f:
        f.write(png)


def over(cv, x, y, bg):
    r, g, b, a = cv.rgba8(x, y)
    a /= 255
    return tuple(int(round(c * a + k * (1 - a)))
                 for c, k in zip((r, g, b), bg))


def previews(out_dir, icons, tabs):
    os.makedirs(out_dir, exist_ok=True)
    grounds = [(50, 187, 239), (255, 255, 255), (40, 40, 48)]
    for cv in icons:
        # the icon side by side over three grounds
        gw = cv.w + 2
        def at(x, y, cv=cv, gw=gw):
            bg = grounds[x // gw]
            lx = x % gw - 1
            if 0 <= lx < cv.w and 0 < y <= cv.h:
                return over(cv, lx, y - 1, bg)
            return bg
        write_png(os.path.join(out_dir, "icon%d.png" % cv.w),
                  gw * len(grounds), cv.h + 2, at, 8 if cv.w == 32 else 12)
    # the tabs in place in the top right corner of the header band
    for state in ("normal", "hover", "pressed"):
        mn, cl = tabs["min_" + state], tabs["close_" + state]
        left = 170

        def at(x, y):
            wx = x + left
            if y < TAB_H and 212 <= wx < 238:
                return mn.rgba8(wx - 212, y)[:3]
            if y < TAB_H and wx >= 238:
                return cl.rgba8(wx - 238, y)[:3]
            if y >= 30:
                return (240, 240, 240)
            return tuple(int(round(v)) for v in header_colour(y))
        write_png(os.path.join(out_dir, "tabs_%s.png" % state),
                  280 - left, 36, at, 8)


# -------------------------------------------------------------------- main

def main(argv):
    preview = None
    if "--preview" in argv:
        preview = argv[argv.index("--preview") + 1]

    icons = [draw_icon32(), draw_icon16()]
    data = write_ico(os.path.join(HERE, "app.ico"), icons)
    assert len(data) == 5430, len(data)
    assert struct.unpack_from("<HHH", data, 0) == (0, 1, 2)
    assert struct.unpack_from("<BBBBHHII", data, 6) == (32, 32, 0, 0, 1, 32,
                                                        4264, 38)
    assert struct.unpack_from("<BBBBHHII", data, 22) == (16, 16, 0, 0, 1, 32,
                                                         1128, 4302)
    print("app.ico %d bytes" % len(data))

    tabs = {}
    for state in ("normal", "hover", "pressed"):
        tabs["min_" + state] = draw_minimise(state)
        tabs["close_" + state] = draw_close(state)
    for name, cv in sorted(tabs.items()):
        data, colours = write_bmp8(os.path.join(HERE, name + ".bmp"), cv)
        size = {26: 1610, 42: 1914}[cv.w]
        assert len(data) == size, (name, len(data))
        assert data[:2] == b"BM"
        assert struct.unpack_from("<I", data, 2)[0] == size
        assert struct.unpack_from("<IiiHHI", data, 14) == (40, cv.w, TAB_H,
                                                           1, 8, 0)
        print("%s.bmp %d bytes, %d colours" % (name, len(data), colours))

    if preview:
        previews(preview, icons, tabs)
        print("previews in", preview)


if __name__ == "__main__":
    main(sys.argv[1:])
