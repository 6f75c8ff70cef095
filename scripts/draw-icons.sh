#!/usr/bin/env bash
# Draws the program's three icons from plain shapes and writes them as .ico files into app/res/:
#   app.ico     the application mark: a drive with a circular format arrow;
#               16, 32, 48 px at 4 and at 8 bits per pixel, 16, 32, 48, 64 and 256 px at 32 bits
#               (the 256 px image stored as PNG)
#   logo.ico    the maker's ring mark, a "Q" of a ring and a tail; 16, 32, 48 px at 32 bits
#   search.ico  a magnifying glass; the same images as app.ico
#
# ImageMagick's convert rasterises every image at a multiple of its size from shapes only
# (no fonts, no pictures) and box-filters it down; the .ico files themselves are put together
# by the Python program below, because convert cannot be told the bit depth of each image.
# The output depends only on this script and ImageMagick's rasteriser: no time stamps, no
# randomness, fixed palette order.
#
# Usage: scripts/draw-icons.sh [output-folder]   (default: app/res of this tree)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/app/res}
mkdir -p "$out"
command -v convert >/dev/null || { echo "draw-icons: ImageMagick's convert is missing" >&2; exit 1; }

python3 - "$out" <<'PYTHON'
import math
import os
import struct
import subprocess
import sys
import zlib

OUT = sys.argv[1]

# The maker's colours.
DEEP = (11, 58, 140)        # deep blue
DEEP_EDGE = (5, 33, 82)     # outline of deep-blue shapes
LIGHT = (94, 194, 244)      # light blue
PALE = (214, 239, 255)      # glass of the magnifier
WHITE = (255, 255, 255)
STEEL = (70, 84, 104)       # magnifier handle
STEEL_EDGE = (34, 42, 56)


def hexc(rgb, alpha=1.0):
    if alpha >= 1.0:
        return "#%02x%02x%02x" % rgb
    return "#%02x%02x%02x%02x" % (rgb + (round(alpha * 255),))


class Canvas:
    """Collects drawing commands in design units (0..256 across the icon) for an icon of
    `size` pixels, rendered at `scale` times that size."""

    def __init__(self, size):
        self.size = size
        self.scale = 8 if size <= 64 else 4
        self.factor = size * self.scale / 256.0   # design unit -> rendered pixel
        self.unit = 256.0 / size                   # one icon pixel in design units
        self.cmds = []

    # Geometry helpers in design units.
    def px(self, n):
        return n * self.unit

    def snap(self, v):
        """The nearest icon-pixel edge, so that straight edges stay crisp at small sizes."""
        return round(v / self.unit) * self.unit

    def atleast(self, design, pixels):
        """A width of `design` units, but never thinner than `pixels` icon pixels."""
        return max(design, pixels * self.unit)

    def _p(self, x, y):
        # ImageMagick puts pixel centres on whole coordinates; the design puts pixel edges there.
        f = self.factor
        return "%.3f,%.3f" % (x * f - 0.5, y * f - 0.5)

    def _d(self, v):
        return "%.3f" % (v * self.factor)

    def _push(self, body):
        self.cmds.append("push graphic-context\n" + body + "\npop graphic-context")

    def polygon(self, pts, fill):
        self._push("stroke none\nfill '%s'\npolygon %s" % (fill, " ".join(self._p(x, y) for x, y in pts)))

    def rect(self, x0, y0, x1, y1, fill):
        self.polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], fill)

    def roundrect(self, x0, y0, x1, y1, r, fill):
        self._push("stroke none\nfill '%s'\nroundrectangle %s %s %s,%s"
                   % (fill, self._p(x0, y0), self._p(x1, y1), self._d(r), self._d(r)))

    def circle(self, cx, cy, r, fill):
        self._push("stroke none\nfill '%s'\ncircle %s %s" % (fill, self._p(cx, cy), self._p(cx + r, cy)))

    def ring(self, cx, cy, r, width, colour):
        """A closed ring of the given stroke width centred on radius r."""
        self.arc(cx, cy, r, width, 0.0, 360.0, colour)

    def arc(self, cx, cy, r, width, a0, a1, colour):
        """A ring sector from angle a0 to a1 (degrees, clockwise from 3 o'clock, as the y axis
        points down), filled as one polygon with square ends."""
        steps = max(8, int(abs(a1 - a0) / 3))
        ro, ri = r + width / 2.0, r - width / 2.0
        outer, inner = [], []
        for i in range(steps + 1):
            a = math.radians(a0 + (a1 - a0) * i / steps)
            outer.append((cx + ro * math.cos(a), cy + ro * math.sin(a)))
            inner.append((cx + ri * math.cos(a), cy + ri * math.sin(a)))
        if a1 - a0 >= 360.0:
            # Two closed contours; the even-odd rule leaves the hole open.
            self._push("stroke none\nfill-rule evenodd\nfill '%s'\npath '%s'" % (
                colour,
                "M " + " L ".join(self._p(x, y) for x, y in outer) + " Z " +
                "M " + " L ".join(self._p(x, y) for x, y in inner[::-1]) + " Z"))
        else:
            self.polygon(outer + inner[::-1], colour)

    def bar(self, x0, y0, x1, y1, width, colour):
        """A straight bar with round ends."""
        self._push("fill none\nstroke '%s'\nstroke-width %s\nstroke-linecap round\nline %s %s"
                   % (colour, self._d(width), self._p(x0, y0), self._p(x1, y1)))

    def render(self):
        """The icon's pixels as rows of (r, g, b, a) tuples, straight (not premultiplied) alpha."""
        big = self.size * self.scale
        mvg = "\n".join(self.cmds)
        raw = subprocess.run(
            ["convert", "-size", "%dx%d" % (big, big), "xc:none", "-draw", mvg,
             "-filter", "box", "-resize", "%dx%d!" % (self.size, self.size),
             "-depth", "8", "rgba:-"],
            check=True, stdout=subprocess.PIPE).stdout
        n = self.size
        if len(raw) != n * n * 4:
            raise SystemExit("draw-icons: convert returned %d bytes for a %d px image" % (len(raw), n))
        # The rasteriser's anti-aliasing reaches half a rendered pixel beyond every edge, which
        # leaves a faint fringe of a few alpha steps outside shapes that end on a pixel edge;
        # such pixels are made fully transparent.
        rows = []
        for y in range(n):
            row = []
            for x in range(n):
                p = tuple(raw[(y * n + x) * 4:(y * n + x) * 4 + 4])
                row.append(p if p[3] >= 10 else (0, 0, 0, 0))
            rows.append(row)
        return rows


# ---------------------------------------------------------------------------------------------
# The three drawings. Each takes the icon size in pixels and returns a Canvas; proportions are
# the same at every size, but strokes get a minimum width in pixels so that 16 px stays legible.

def draw_app(size):
    c = Canvas(size)
    edge = c.atleast(8, 1.0)
    x0, x1 = c.snap(12), c.snap(244)
    r = c.atleast(30, 2.0)
    if size <= 16:
        # Taller at 16 px, so that the arrow keeps a face of nine pixels.
        y0, y1, band = c.px(1), c.px(15), c.px(11)
    else:
        y0, y1 = c.snap(36), c.snap(222)
        band = c.snap(y1 - 52)                   # top of the light-blue front strip
    # Drive body: a dark outline, then the light strip, then the deep-blue face above it.
    c.roundrect(x0, y0, x1, y1, r, hexc(DEEP_EDGE))
    c.roundrect(x0 + edge, y0 + edge, x1 - edge, y1 - edge, r - edge / 2, hexc(LIGHT))
    c.roundrect(x0 + edge, y0 + edge, x1 - edge, band, r - edge / 2, hexc(DEEP))
    c.rect(x0 + edge, band - r, x1 - edge, band, hexc(DEEP))
    # Seam between face and strip.
    seam = c.snap(c.atleast(4, 1.0)) if size <= 32 else c.atleast(4, 0.5)
    c.rect(x0 + edge, band, x1 - edge, band + seam, hexc(DEEP_EDGE))
    if size >= 32:
        # Gloss on the upper face.
        c.roundrect(x0 + 2 * edge, y0 + 2 * edge, x1 - 2 * edge, y0 + (band - y0) * 0.42,
                    r - edge, hexc(WHITE, 0.10))
    # Activity light on the strip, at the right.
    led_y = (band + seam + y1 - edge) / 2
    led_r = c.atleast(10, 0.75)
    c.circle(x1 - edge - c.atleast(26, 2.5), led_y, led_r, hexc(WHITE))
    if size >= 32:
        # Vent slots on the strip, at the left.
        for i in range(4):
            sx = x0 + edge + c.atleast(24, 2) + i * c.atleast(16, 2)
            c.bar(sx, led_y - c.atleast(6, 0.5), sx, led_y + c.atleast(6, 0.5), c.atleast(6, 0.75),
                  hexc(DEEP))
    # Circular format arrow on the face: a ring sector running clockwise from the right to the
    # top, ending in an arrow head that points back towards where it started.
    w = c.snap(c.atleast(24, 2.0))
    outer = c.snap(c.atleast(52, 4.0))
    rad = outer - w / 2
    cx, cy = 128, c.snap((y0 + edge + band) / 2)
    a0, a1 = 30.0, 270.0
    c.arc(cx, cy, rad, w, a0, a1 + 1, hexc(WHITE))
    t = math.radians(a1)
    ex, ey = cx + rad * math.cos(t), cy + rad * math.sin(t)
    nx, ny = math.cos(t), math.sin(t)           # radial direction
    tx, ty = -math.sin(t), math.cos(t)          # direction of travel (clockwise)
    hw = w / 2 + c.atleast(w * 0.6, 1.0)
    hl = c.atleast(w * 1.5, 2.0)
    c.polygon([(ex + nx * hw, ey + ny * hw), (ex + tx * hl, ey + ty * hl),
               (ex - nx * hw, ey - ny * hw)], hexc(WHITE))
    return c


def draw_logo(size):
    """A ring with a tail that cuts through it at the lower right, like the letter Q. The ring
    is broken where the tail crosses it, so the tail reads as part of a letter rather than as a
    handle."""
    c = Canvas(size)
    w = c.snap(c.atleast(44, 3.0))
    outer = c.snap(112)
    cx = cy = c.snap(120)
    rad = outer - w / 2
    tail_angle = 45.0
    tw = c.atleast(38, 2.5)                      # tail width
    gap = c.atleast(10, 1.0)                     # clear space on each side of the tail
    half = math.degrees((tw / 2 + gap) / rad)
    c.arc(cx, cy, rad, w, tail_angle + half, tail_angle + 360 - half, hexc(DEEP))
    t = math.radians(tail_angle)
    d0 = rad - w * 0.9
    d1 = min(outer + c.atleast(30, 2.0), (256 - cx) * math.sqrt(2) - tw * 0.75)
    c.bar(cx + d0 * math.cos(t), cy + d0 * math.sin(t), cx + d1 * math.cos(t), cy + d1 * math.sin(t),
          tw, hexc(LIGHT))
    return c


def draw_search(size):
    c = Canvas(size)
    rim = c.snap(c.atleast(24, 2.0))
    outer = c.snap(94)                           # outer edge of the rim
    cx = cy = c.snap(100)
    rad = outer - rim / 2                        # centre line of the rim
    d = math.sqrt(0.5)
    # Handle: from the rim to the lower right corner. Its round ends reach back no further
    # than the middle of the opaque rim, so nothing shows through the glass.
    hw = c.atleast(40, 2.6)
    he = c.atleast(6, 0.5)                       # dark edge of the handle
    hs = rad + hw / 2 + he
    ex = ey = 256 - he - hw / 2
    c.bar(cx + hs * d, cy + hs * d, ex, ey, hw + 2 * he, hexc(STEEL_EDGE))
    c.bar(cx + hs * d, cy + hs * d, ex, ey, hw, hexc(STEEL))
    # Collar between lens and handle.
    cw = hw * 0.95
    cs, ce = rad + cw / 2, outer + c.atleast(22, 1.5)
    c.bar(cx + cs * d, cy + cs * d, cx + ce * d, cy + ce * d, cw, hexc(DEEP_EDGE))
    # Glass, then its glint, then the rim.
    c.circle(cx, cy, rad, hexc(PALE, 0.85))
    if size >= 32:
        c.arc(cx, cy, (outer - rim) * 0.66, c.atleast(12, 1.25), 190, 260, hexc(WHITE))
    c.ring(cx, cy, rad, rim, hexc(DEEP))
    return c


# ---------------------------------------------------------------------------------------------
# .ico writing.

def png_bytes(pixels):
    """An 8-bit RGBA PNG of the pixels, without any ancillary chunks."""
    h, w = len(pixels), len(pixels[0])
    raw = bytearray()
    for row in pixels:
        raw.append(0)                            # filter type None
        for p in row:
            raw.extend(p if p[3] else (0, 0, 0, 0))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def and_mask(pixels):
    """The 1-bit transparency mask, bottom-up rows padded to 32 bits: 1 = transparent."""
    w = len(pixels[0])
    stride = (w + 31) // 32 * 4
    out = bytearray()
    for row in reversed(pixels):
        line = bytearray(stride)
        for x, p in enumerate(row):
            if p[3] < 128:
                line[x >> 3] |= 0x80 >> (x & 7)
        out += line
    return bytes(out)


def bitmap_header(w, h, bits, image_bytes):
    # BITMAPINFOHEADER; the height counts the colour bitmap and the mask together.
    return struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, bits, 0, image_bytes, 0, 0, 0, 0)


def dib_32(pixels):
    h, w = len(pixels), len(pixels[0])
    xor = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a)) if a else b"\0\0\0\0"
    mask = and_mask(pixels)
    return bitmap_header(w, h, 32, len(xor) + len(mask)) + bytes(xor) + mask


def median_cut(weighted, n):
    """At most n colours standing for the weighted colour list [(rgb, count)]."""
    boxes = [sorted(weighted)]
    while len(boxes) < n:
        best, best_score = None, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            spread = max(max(c[0][k] for c in box) - min(c[0][k] for c in box) for k in range(3))
            score = spread * sum(c[1] for c in box)
            if score > best_score:
                best, best_score = i, score
        if best is None:
            break
        box = boxes.pop(best)
        axis = max(range(3), key=lambda k: (max(c[0][k] for c in box) - min(c[0][k] for c in box), -k))
        box.sort(key=lambda c: (c[0][axis], c[0]))
        total, acc, cut = sum(c[1] for c in box), 0, 1
        for j, c in enumerate(box):
            acc += c[1]
            if acc * 2 >= total:
                cut = min(max(j + 1, 1), len(box) - 1)
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(c[1] for c in box)
        palette.append(tuple(round(sum(c[0][k] * c[1] for c in box) / total) for k in range(3)))
    return sorted(set(palette))


def dib_paletted(pixels, bits):
    """A 4- or 8-bit image with its own palette. Entry 0 is black, which transparent pixels use,
    so that the mask leaves the background untouched; the other entries come from a median cut
    of the opaque pixels, which are then mapped to their nearest entry (no dithering)."""
    h, w = len(pixels), len(pixels[0])
    entries = 1 << bits
    counts = {}
    for row in pixels:
        for p in row:
            if p[3] >= 128:
                counts[p[:3]] = counts.get(p[:3], 0) + 1
    if len(counts) <= entries - 1:
        colours = sorted(counts)
    else:
        colours = median_cut(sorted(counts.items()), entries - 1)
    palette = [(0, 0, 0)] + colours
    palette += [(0, 0, 0)] * (entries - len(palette))
    nearest = {}

    def index_of(rgb):
        if rgb not in nearest:
            nearest[rgb] = min(range(1, len(colours) + 1), key=lambda i: (
                2 * (palette[i][0] - rgb[0]) ** 2 + 4 * (palette[i][1] - rgb[1]) ** 2
                + 3 * (palette[i][2] - rgb[2]) ** 2, i))
        return nearest[rgb]

    stride = (w * bits + 31) // 32 * 4
    xor = bytearray()
    for row in reversed(pixels):
        line = bytearray(stride)
        for x, p in enumerate(row):
            i = index_of(p[:3]) if p[3] >= 128 else 0
            if bits == 8:
                line[x] = i
            else:
                line[x >> 1] |= i << (4 if x % 2 == 0 else 0)
        xor += line
    mask = and_mask(pixels)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return bitmap_header(w, h, bits, len(xor) + len(mask)) + table + bytes(xor) + mask


def write_ico(path, images):
    """images: [(size, bits, data)]; 256 px images are written as PNG data already."""
    head = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, blobs = b"", b""
    for size, bits, data in images:
        dim = 0 if size >= 256 else size
        colours = 16 if bits == 4 else 0
        entries += struct.pack("<BBBBHHII", dim, dim, colours, 0, 1, bits, len(data), offset)
        blobs += data
        offset += len(data)
    with open(path, "wb") as f:
        f.write(head + entries + blobs)


def build(name, draw, layout):
    """layout: [(size, bits)] in file order."""
    rendered = {}
    images = []
    for size, bits in layout:
        if size not in rendered:
            rendered[size] = draw(size).render()
        px = rendered[size]
        if bits == 32:
            data = png_bytes(px) if size >= 256 else dib_32(px)
        else:
            data = dib_paletted(px, bits)
        images.append((size, bits, data))
    path = os.path.join(OUT, name)
    write_ico(path, images)
    print("draw-icons: wrote %s (%s)" % (path, ", ".join("%dpx/%d" % (s, b) for s, b, _ in images)))


FULL_SET = [(16, 4), (32, 4), (48, 4), (16, 8), (32, 8), (48, 8),
            (16, 32), (32, 32), (48, 32), (64, 32), (256, 32)]
build("app.ico", draw_app, FULL_SET)
build("logo.ico", draw_logo, [(16, 32), (32, 32), (48, 32)])
build("search.ico", draw_search, FULL_SET)
PYTHON
