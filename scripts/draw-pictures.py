#!/usr/bin/env python3
"""Draws CalculatorOrvi2009's pictures and writes them under assets/.

    scripts/draw-pictures.py [--out DIR]

Needs python3 and rsvg-convert (Debian: librsvg2-bin). Everything else is done here
with the standard library, so the files come out the same on every run.

Writes:
  eagle.svg            the eagle, the one source of every eagle picture below
  eagle.ico            32 x 32, 8 bits per pixel (256-colour palette), 1-bit AND mask
  eagle-32.png         the same 32 x 32 pixels as the ICO, as an RGBA PNG (window icon)
  icons/eagle-N.png    N x N RGBA renderings for the desktop's icon theme, and 192 and 512
                       for the page's web app manifest
  icons/eagle-maskable-512.png  the page's maskable icon: the eagle on the window's blue,
                       filling the square, the bird within the middle circle that a
                       phone's icon shapes keep
  portrait.png         54 x 72, 24-bit RGB, 96 dpi: the green-tinted portrait photograph
  portrait.bmp         the same pixels as a 24-bit Windows bitmap, for the Windows program

    scripts/draw-pictures.py --bmp-only

writes portrait.bmp from the portrait.png that is already there.
"""

import argparse
import math
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
WEB_ICON_SIZES = (192, 512)  # what a phone asks a web app for, to install it
MASKABLE_SIZE = 512
# A phone cuts a maskable icon into its own shape (a circle, a squircle, a rounded
# square), all of which keep the middle circle of radius 40 % of the side. The eagle
# reaches 178 / 256 of its side from its centre (its wing tips, in the corners), so
# at 55 % of the side it stays within 38 %.
MASKABLE_EAGLE = 0.55
WINDOW_BLUE = "#8080ff"  # the window's background, and the manifest's
ICO_SIZE = 32
PORTRAIT_W, PORTRAIT_H = 54, 72
DPI = 96
PX_PER_METRE = round(DPI / 0.0254)  # 3780

# ---------------------------------------------------------------------------------------
# The eagle. It is drawn flying straight up with its wings level, head at the top and
# tail at the bottom, inside a diamond |x| + |y| <= 178 around the origin; a turn of 45
# degrees then puts the head at the upper right, the tail at the lower left and the wings
# on the diagonal from the upper left to the lower right, filling the 256 x 256 square.
# Shapes are bold so that the bird still reads at 32 x 32 and 16 x 16.


def _feather(base, tip, base_half_width, tip_radius):
    """A long feather from base to tip: straight sides that narrow, a round end."""
    (x0, y0), (x1, y1) = base, tip
    length = math.hypot(x1 - x0, y1 - y0)
    nx, ny = -(y1 - y0) / length, (x1 - x0) / length

    def pt(x, y, k):
        return f"{x + nx * k:.1f},{y + ny * k:.1f}"

    return (f"M {pt(x0, y0, base_half_width)} L {pt(x1, y1, tip_radius)} "
            f"A {tip_radius},{tip_radius} 0 0 0 {pt(x1, y1, -tip_radius)} "
            f"L {pt(x0, y0, -base_half_width)} Z")


def _right_wing():
    # Broad wing with the wrist a little forward: light coverts along the leading edge,
    # dark flight feathers behind, and four separated primaries ("fingers") at the tip.
    wing = (
        "M 12,-30 C 40,-48 76,-56 100,-50 L 128,-34 "
        "L 128,26 "
        "Q 118,40 106,32 Q 96,46 84,36 Q 74,48 62,38 Q 52,48 40,38 Q 30,44 20,34 "
        "L 10,30 Z"
    )
    fingers = [
        ((112, -36), (146, -30)),
        ((116, -20), (162, -12)),
        ((118, -4), (166, 5)),
        ((116, 12), (156, 21)),
    ]
    parts = ['<g fill="#3a2210" stroke="#2e1a0b" stroke-width="2" stroke-linejoin="round">']
    for base, tip in fingers:
        parts.append(f'<path d="{_feather(base, tip, 8, 4.5)}"/>')
    parts.append("</g>")
    parts.append(f'<path d="{wing}" fill="url(#wing)" stroke="#2e1a0b" stroke-width="3" '
                 'stroke-linejoin="round"/>')
    # coverts: a lighter band along the leading edge
    parts.append('<path d="M 16,-27 C 44,-42 78,-50 100,-44 L 124,-30 C 96,-14 60,-10 20,-6 Z" '
                 'fill="url(#coverts)"/>')
    # feather lines of the secondaries
    parts.append('<g stroke="#2a180a" stroke-width="2.5" stroke-linecap="round" opacity="0.7">')
    for x in (30, 52, 74, 96, 116):
        parts.append(f'<line x1="{x - 4}" y1="6" x2="{x}" y2="34"/>')
    parts.append("</g>")
    return "\n    ".join(parts)


def eagle_svg():
    wing = _right_wing()
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <title>Bald eagle in flight</title>
  <defs>
    <linearGradient id="wing" x1="0" y1="-45" x2="0" y2="40" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#7b4a22"/>
      <stop offset="1" stop-color="#46290f"/>
    </linearGradient>
    <linearGradient id="coverts" x1="0" y1="-40" x2="0" y2="-6" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#a86c35"/>
      <stop offset="1" stop-color="#7b4a22" stop-opacity="0"/>
    </linearGradient>
    <radialGradient id="body" cx="0" cy="0" r="60" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#6b4020"/>
      <stop offset="1" stop-color="#3a2210"/>
    </radialGradient>
    <radialGradient id="white" cx="-6" cy="-80" r="34" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#ffffff"/>
      <stop offset="1" stop-color="#d9d9d2"/>
    </radialGradient>
    <linearGradient id="tail" x1="0" y1="50" x2="0" y2="134" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#e6e6de"/>
      <stop offset="1" stop-color="#ffffff"/>
    </linearGradient>
    <linearGradient id="beak" x1="-8" y1="0" x2="8" y2="0" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#ffd21f"/>
      <stop offset="1" stop-color="#e09a00"/>
    </linearGradient>
  </defs>
  <g transform="translate(128 128) rotate(45)">
    <!-- white fanned tail -->
    <path d="M -13,46 L -34,116 Q 0,140 34,116 L 13,46 Z" fill="url(#tail)"
          stroke="#8a8a80" stroke-width="3" stroke-linejoin="round"/>
    <g stroke="#b9b9b0" stroke-width="2">
      <line x1="-5" y1="60" x2="-12" y2="124"/>
      <line x1="5" y1="60" x2="12" y2="124"/>
    </g>
    <!-- wings -->
    <g>
    {wing}
    </g>
    <g transform="scale(-1 1)">
    {wing}
    </g>
    <!-- body -->
    <ellipse cx="0" cy="8" rx="25" ry="50" fill="url(#body)" stroke="#2e1a0b" stroke-width="3"/>
    <!-- yellow feet tucked under the tail coverts -->
    <ellipse cx="-10" cy="52" rx="6" ry="10" fill="#f2b705" stroke="#9a6a00" stroke-width="2"/>
    <ellipse cx="10" cy="52" rx="6" ry="10" fill="#f2b705" stroke="#9a6a00" stroke-width="2"/>
    <!-- white head and neck in profile, looking ahead; crown to the upper left -->
    <path d="M -22,-34 C -30,-62 -22,-96 2,-100 C 18,-101 26,-84 23,-62 C 22,-50 22,-42 21,-34
             C 10,-26 -10,-26 -22,-34 Z" fill="url(#white)" stroke="#8a8a80" stroke-width="3"/>
    <!-- hooked yellow beak -->
    <path d="M -9,-93 C -8,-112 8,-126 21,-117 C 28,-111 24,-99 17,-98 C 17,-103 13,-104 10,-100
             L 15,-84 C 6,-83 -3,-86 -9,-93 Z"
          fill="url(#beak)" stroke="#9a6a00" stroke-width="2.5" stroke-linejoin="round"/>
    <!-- eye under a heavy brow -->
    <circle cx="-8" cy="-78" r="6" fill="#f5d04a"/>
    <circle cx="-8" cy="-78" r="3.5" fill="#1a1005"/>
    <path d="M -17,-86 Q -6,-92 4,-84" stroke="#9a9a90" stroke-width="3" fill="none"
          stroke-linecap="round"/>
  </g>
</svg>
"""


# ---------------------------------------------------------------------------------------
# The portrait: a studio head-and-shoulders photograph, drawn at ten times its size with
# soft gradients and a slight blur, then rendered at 54 x 72, tinted green and given a
# little film grain.

def maskable_svg(size):
    """The eagle, centred on the window's blue, which fills the whole square."""
    eagle = eagle_svg().split("\n", 1)[1]  # without its XML declaration
    side = round(size * MASKABLE_EAGLE)
    at = (size - side) // 2
    eagle = eagle.replace('width="256" height="256"', f'x="{at}" y="{at}" width="{side}" height="{side}"', 1)
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
            f'viewBox="0 0 {size} {size}">\n'
            f'<rect width="{size}" height="{size}" fill="{WINDOW_BLUE}"/>\n{eagle}</svg>\n')


def portrait_svg():
    return """<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="540" height="720" viewBox="0 0 540 720">
  <defs>
    <radialGradient id="backdrop" cx="270" cy="300" r="460" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#c9cdc4"/>
      <stop offset="0.55" stop-color="#8d9288"/>
      <stop offset="1" stop-color="#474b44"/>
    </radialGradient>
    <radialGradient id="skin" cx="250" cy="290" r="150" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#f0cfae"/>
      <stop offset="0.65" stop-color="#d4a27a"/>
      <stop offset="1" stop-color="#9c6a46"/>
    </radialGradient>
    <linearGradient id="neck" x1="0" y1="420" x2="0" y2="580" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#8a5c3c"/>
      <stop offset="0.45" stop-color="#c99670"/>
      <stop offset="1" stop-color="#b88560"/>
    </linearGradient>
    <linearGradient id="jacket" x1="0" y1="540" x2="0" y2="720" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#4a4c52"/>
      <stop offset="1" stop-color="#1d1e22"/>
    </linearGradient>
    <linearGradient id="shoulderlight" x1="60" y1="0" x2="480" y2="0" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#ffffff" stop-opacity="0.18"/>
      <stop offset="0.5" stop-color="#ffffff" stop-opacity="0"/>
      <stop offset="1" stop-color="#000000" stop-opacity="0.25"/>
    </linearGradient>
    <linearGradient id="hair" x1="0" y1="150" x2="0" y2="330" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#3b2a1e"/>
      <stop offset="1" stop-color="#17100b"/>
    </linearGradient>
    <radialGradient id="cheek" cx="0" cy="0" r="1">
      <stop offset="0" stop-color="#c8705a" stop-opacity="0.35"/>
      <stop offset="1" stop-color="#c8705a" stop-opacity="0"/>
    </radialGradient>
    <filter id="soft" x="-10%" y="-10%" width="120%" height="120%">
      <feGaussianBlur stdDeviation="3"/>
    </filter>
    <filter id="shade" x="-30%" y="-30%" width="160%" height="160%">
      <feGaussianBlur stdDeviation="12"/>
    </filter>
  </defs>
  <rect width="540" height="720" fill="url(#backdrop)"/>
  <g filter="url(#soft)">
    <!-- neck -->
    <path d="M 204,390 C 206,450 202,510 196,560 L 344,560 C 338,510 334,450 336,390 Z"
          fill="url(#neck)"/>
    <!-- jacket and shoulders -->
    <path d="M 0,720 L 0,650 C 16,596 90,560 196,532 L 270,604 L 344,532 C 450,560 524,596 540,650
             L 540,720 Z" fill="url(#jacket)"/>
    <path d="M 0,720 L 0,650 C 16,596 90,560 196,532 L 270,604 L 344,532 C 450,560 524,596 540,650
             L 540,720 Z" fill="url(#shoulderlight)"/>
    <!-- white shirt collar and a dark tie -->
    <path d="M 200,526 L 270,604 L 340,526 L 330,500 L 270,566 L 210,500 Z" fill="#eeeeea"/>
    <path d="M 200,526 L 192,560 L 256,624 L 270,604 Z" fill="#dcdcd6"/>
    <path d="M 340,526 L 348,560 L 284,624 L 270,604 Z" fill="#c4c4bd"/>
    <path d="M 258,592 L 282,592 L 292,720 L 248,720 Z" fill="#3a3236"/>
    <path d="M 255,582 L 285,582 L 280,606 L 260,606 Z" fill="#463c40"/>
    <!-- lapels -->
    <path d="M 196,532 L 238,644 L 224,720 L 146,720 L 172,600 Z" fill="#2e3035"/>
    <path d="M 344,532 L 302,644 L 316,720 L 394,720 L 368,600 Z" fill="#24252a"/>
    <!-- ears -->
    <ellipse cx="162" cy="318" rx="20" ry="40" fill="#c48e66"/>
    <ellipse cx="378" cy="318" rx="20" ry="40" fill="#a06a46"/>
    <!-- face: broad forehead and cheekbones, a rounded jaw -->
    <path d="M 166,270 C 166,176 374,176 374,270 C 378,340 366,400 334,436 C 306,466 234,466 206,436
             C 174,400 162,340 166,270 Z" fill="url(#skin)"/>
  </g>
  <!-- broad soft shading: light from the upper left -->
  <g filter="url(#shade)">
    <path d="M 322,210 C 376,250 380,360 344,426 C 322,456 296,462 276,464 C 330,420 352,320 322,210 Z"
          fill="#5e3a20" opacity="0.45"/>
    <ellipse cx="300" cy="344" rx="14" ry="34" fill="#6e4326" opacity="0.45"/>
    <ellipse cx="224" cy="352" rx="36" ry="26" fill="#d88a70" opacity="0.35"/>
    <ellipse cx="324" cy="352" rx="32" ry="24" fill="#c07860" opacity="0.25"/>
    <ellipse cx="226" cy="294" rx="34" ry="18" fill="#6e4326" opacity="0.3"/>
    <ellipse cx="314" cy="294" rx="34" ry="18" fill="#6e4326" opacity="0.35"/>
    <path d="M 206,450 C 240,486 300,486 334,450 L 334,500 C 300,520 240,520 206,500 Z"
          fill="#3e2414" opacity="0.5"/>
  </g>
  <g filter="url(#soft)">
    <!-- hair, short and dark, parted on the left -->
    <path d="M 160,316 C 146,226 178,158 270,150 C 362,150 396,220 380,316 C 372,280 366,246 354,228
             C 304,228 252,216 214,202 C 196,228 176,270 160,316 Z" fill="url(#hair)"/>
    <path d="M 214,202 C 240,182 300,180 334,194" stroke="#5a4634" stroke-width="5" fill="none"
          opacity="0.6"/>
    <!-- brows -->
    <path d="M 196,270 Q 222,256 250,264" stroke="#2a1c12" stroke-width="10" fill="none"
          stroke-linecap="round"/>
    <path d="M 290,264 Q 318,256 344,270" stroke="#2a1c12" stroke-width="10" fill="none"
          stroke-linecap="round"/>
    <!-- eyes: lids, whites, irises -->
    <path d="M 206,298 Q 224,286 244,298 Q 224,306 206,298 Z" fill="#e4d8cc"/>
    <path d="M 296,298 Q 316,286 334,298 Q 316,306 296,298 Z" fill="#d4c6b8"/>
    <circle cx="225" cy="297" r="7.5" fill="#3a2616"/>
    <circle cx="315" cy="297" r="7.5" fill="#3a2616"/>
    <path d="M 204,297 Q 224,282 246,296" stroke="#3a2616" stroke-width="4" fill="none"/>
    <path d="M 294,296 Q 316,282 336,297" stroke="#3a2616" stroke-width="4" fill="none"/>
    <!-- nose: bridge highlight, the shaded side and the nostrils -->
    <path d="M 262,300 C 260,330 256,350 258,362" stroke="#f6d8bc" stroke-width="6" fill="none"
          stroke-linecap="round" opacity="0.6"/>
    <path d="M 248,368 C 256,378 284,378 292,368" stroke="#8a5634" stroke-width="5" fill="none"
          stroke-linecap="round" opacity="0.7"/>
    <ellipse cx="258" cy="370" rx="6" ry="4" fill="#5a3420" opacity="0.7"/>
    <ellipse cx="284" cy="370" rx="6" ry="4" fill="#5a3420" opacity="0.7"/>
    <!-- a trimmed moustache and the lips -->
    <path d="M 236,394 C 252,384 288,384 304,394 C 294,400 282,396 270,398 C 258,396 246,400 236,394 Z"
          fill="#2e2016" opacity="0.85"/>
    <path d="M 242,408 Q 270,416 298,408" stroke="#7e3e30" stroke-width="6" fill="none"
          stroke-linecap="round"/>
    <path d="M 250,416 Q 270,426 290,416" stroke="#b06a58" stroke-width="5" fill="none"
          stroke-linecap="round" opacity="0.6"/>
  </g>
</svg>
"""


# ---------------------------------------------------------------------------------------
# PNG reading and writing (8-bit RGB / RGBA, not interlaced), enough for rsvg-convert's
# output and for the files written here.

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_png(path):
    """Returns (width, height, rows) with rows as lists of (r, g, b, a) tuples."""
    with open(path, "rb") as f:
        data = f.read()
    if not data.startswith(PNG_SIGNATURE):
        raise ValueError(f"{path}: not a PNG file")
    pos = len(PNG_SIGNATURE)
    idat = bytearray()
    width = height = colour_type = None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour_type, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or colour_type not in (2, 6) or interlace != 0:
                raise ValueError(f"{path}: unsupported PNG format")
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    channels = 4 if colour_type == 6 else 3
    raw = zlib.decompress(bytes(idat))
    stride = width * channels
    prev = bytearray(stride)
    rows = []
    pos = 0
    for _ in range(height):
        ftype = raw[pos]
        line = bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = prev[i]
            up_left = prev[i - channels] if i >= channels else 0
            if ftype == 1:
                line[i] = (line[i] + left) & 0xFF
            elif ftype == 2:
                line[i] = (line[i] + up) & 0xFF
            elif ftype == 3:
                line[i] = (line[i] + ((left + up) >> 1)) & 0xFF
            elif ftype == 4:
                line[i] = (line[i] + _paeth(left, up, up_left)) & 0xFF
        prev = line
        row = []
        for x in range(width):
            px = tuple(line[x * channels:(x + 1) * channels])
            row.append(px if channels == 4 else px + (255,))
        rows.append(row)
    return width, height, rows


def _chunk(kind, body):
    return (struct.pack(">I", len(body)) + kind + body
            + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))


def write_png(path, width, height, rows, alpha, dpi=None):
    colour_type = 6 if alpha else 2
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for px in row:
            raw += bytes(px[:4] if alpha else px[:3])
    out = PNG_SIGNATURE
    out += _chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0))
    if dpi:
        ppm = round(dpi / 0.0254)
        out += _chunk(b"pHYs", struct.pack(">IIB", ppm, ppm, 1))
    out += _chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    out += _chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(out)


def write_bmp(path, width, height, rows, dpi):
    """A bottom-up 24-bit BITMAPINFOHEADER bitmap; rows of (r, g, b[, a]) tuples."""
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for pixel in row:
            line += bytes((pixel[2], pixel[1], pixel[0]))
        pixels += line + bytes(stride - len(line))
    per_metre = round(dpi / 0.0254)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels),
                       per_metre, per_metre, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def render(svg_path, png_path, width, height):
    subprocess.run(["rsvg-convert", "--width", str(width), "--height", str(height),
                    "--format", "png", "--output", png_path, svg_path], check=True)
    w, h, rows = read_png(png_path)
    if (w, h) != (width, height):
        raise RuntimeError(f"rsvg-convert gave {w}x{h}, wanted {width}x{height}")
    return rows


# ---------------------------------------------------------------------------------------
# The ICO: median-cut palette of at most 255 colours plus black, 8-bit indices, 1-bit mask.

def median_cut(colours, max_colours):
    """colours: dict (r, g, b) -> count. Returns a list of at most max_colours colours."""
    if len(colours) <= max_colours:
        return sorted(colours)
    boxes = [list(colours.items())]
    while len(boxes) < max_colours:
        # split the box with the widest channel range (weighted by its pixel count)
        best, best_score, best_channel = None, -1, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for ch in range(3):
                values = [c[ch] for c, _ in box]
                score = (max(values) - min(values)) * math.sqrt(sum(n for _, n in box))
                if score > best_score:
                    best, best_score, best_channel = i, score, ch
        if best is None:
            break
        box = sorted(boxes.pop(best), key=lambda item: item[0][best_channel])
        total = sum(n for _, n in box)
        acc, cut = 0, 1
        for j, (_, n) in enumerate(box):
            acc += n
            if acc * 2 >= total:
                cut = min(max(j + 1, 1), len(box) - 1)
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(round(sum(c[ch] * n for c, n in box) / total) for ch in range(3)))
    return sorted(set(palette))


def quantise(rows, threshold=128):
    """Returns (palette, indices, mask): palette[0] is black, used under the mask."""
    counts = {}
    for row in rows:
        for r, g, b, a in row:
            if a >= threshold:
                counts[(r, g, b)] = counts.get((r, g, b), 0) + 1
    palette = [(0, 0, 0)] + [c for c in median_cut(counts, 255) if c != (0, 0, 0)]
    palette = palette[:256]
    cache = {}

    def nearest(c):
        if c not in cache:
            cache[c] = min(range(len(palette)),
                           key=lambda i: sum((palette[i][k] - c[k]) ** 2 for k in range(3)))
        return cache[c]

    indices, mask = [], []
    for row in rows:
        irow, mrow = [], []
        for r, g, b, a in row:
            if a >= threshold:
                irow.append(nearest((r, g, b)))
                mrow.append(0)
            else:
                irow.append(0)
                mrow.append(1)
        indices.append(irow)
        mask.append(mrow)
    return palette, indices, mask


def write_ico(path, size, palette, indices, mask):
    xor_stride = (size + 3) // 4 * 4              # 8-bit rows, padded to 32 bits
    and_stride = (size + 31) // 32 * 4            # 1-bit rows, padded to 32 bits
    xor = bytearray()
    for irow in reversed(indices):                # bottom-up
        xor += bytes(irow) + bytes(xor_stride - size)
    and_mask = bytearray()
    for mrow in reversed(mask):
        line = bytearray(and_stride)
        for x, bit in enumerate(mrow):
            if bit:
                line[x // 8] |= 0x80 >> (x % 8)
        and_mask += line
    colours = bytearray()
    for i in range(256):
        r, g, b = palette[i] if i < len(palette) else (0, 0, 0)
        colours += bytes((b, g, r, 0))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0,
                         len(xor) + len(and_mask), 0, 0, 256, 0)
    image = header + colours + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 8, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


# ---------------------------------------------------------------------------------------

def tint_green(rows, seed=2009):
    """A green-toned print: luminance mapped onto a dark-green-to-pale-green ramp, a
    quarter of the original colour kept, and a fine deterministic grain."""
    rng = random.Random(seed)
    shadow, highlight = (14, 38, 20), (214, 238, 196)
    out = []
    for row in rows:
        orow = []
        for r, g, b, _ in row:
            lum = (0.299 * r + 0.587 * g + 0.114 * b) / 255.0
            grain = rng.gauss(0.0, 3.0)
            px = []
            for ch, orig in enumerate((r, g, b)):
                toned = shadow[ch] + (highlight[ch] - shadow[ch]) * lum
                v = 0.75 * toned + 0.25 * orig + grain
                px.append(max(0, min(255, round(v))))
            orow.append(tuple(px))
        out.append(orow)
    return out


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(here, "..", "assets"),
                        help="folder to write into (default: assets/)")
    parser.add_argument("--bmp-only", action="store_true",
                        help="only write portrait.bmp from the existing portrait.png")
    args = parser.parse_args()
    out = os.path.normpath(args.out)
    if args.bmp_only:
        width, height, rows = read_png(os.path.join(out, "portrait.png"))
        write_bmp(os.path.join(out, "portrait.bmp"), width, height, rows, DPI)
        print(f"draw-pictures: wrote portrait.bmp in {out}")
        return
    if shutil.which("rsvg-convert") is None:
        sys.exit("draw-pictures: rsvg-convert is missing (Debian package librsvg2-bin)")
    os.makedirs(os.path.join(out, "icons"), exist_ok=True)

    eagle = os.path.join(out, "eagle.svg")
    with open(eagle, "w", encoding="utf-8") as f:
        f.write(eagle_svg())

    with tempfile.TemporaryDirectory() as tmp:
        scratch = os.path.join(tmp, "r.png")
        for size in ICON_SIZES + WEB_ICON_SIZES:
            rows = render(eagle, scratch, size, size)
            write_png(os.path.join(out, "icons", f"eagle-{size}.png"), size, size, rows, alpha=True)
        maskable = os.path.join(tmp, "maskable.svg")
        with open(maskable, "w", encoding="utf-8") as f:
            f.write(maskable_svg(MASKABLE_SIZE))
        rows = render(maskable, scratch, MASKABLE_SIZE, MASKABLE_SIZE)
        write_png(os.path.join(out, "icons", f"eagle-maskable-{MASKABLE_SIZE}.png"), MASKABLE_SIZE,
                  MASKABLE_SIZE, rows, alpha=True)

        rows = render(eagle, scratch, ICO_SIZE, ICO_SIZE)
        palette, indices, mask = quantise(rows)
        write_ico(os.path.join(out, "eagle.ico"), ICO_SIZE, palette, indices, mask)
        # the window icon: exactly the ICO's pixels, transparent where its mask is set
        icon_rows = [[palette[i] + ((0,) if m else (255,)) for i, m in zip(irow, mrow)]
                     for irow, mrow in zip(indices, mask)]
        write_png(os.path.join(out, "eagle-32.png"), ICO_SIZE, ICO_SIZE, icon_rows, alpha=True)

        portrait_src = os.path.join(tmp, "portrait.svg")
        with open(portrait_src, "w", encoding="utf-8") as f:
            f.write(portrait_svg())
        rows = render(portrait_src, scratch, PORTRAIT_W, PORTRAIT_H)
        tinted = tint_green(rows)
        write_png(os.path.join(out, "portrait.png"), PORTRAIT_W, PORTRAIT_H, tinted,
                  alpha=False, dpi=DPI)
        write_bmp(os.path.join(out, "portrait.bmp"), PORTRAIT_W, PORTRAIT_H, tinted, DPI)

    print(f"draw-pictures: wrote eagle.svg, eagle.ico ({len(palette)} colours), eagle-32.png, "
          f"icons/eagle-{{{','.join(map(str, ICON_SIZES + WEB_ICON_SIZES))}}}.png, "
          f"icons/eagle-maskable-{MASKABLE_SIZE}.png, portrait.png and portrait.bmp in {out}")


if __name__ == "__main__":
    main()
