#!/usr/bin/env python3
"""Draws Marlivo's banner and icon and writes them into this folder.

    assets/make-assets.py        # writes banner.jpg, banner_jpeg.h, marlivo.ico

The drawing is our own: a shaded material sphere beside the name "Marlivo" in a
stroke lettering defined below, on a dark background. Only the standard library is
used (a small baseline JPEG encoder and an .ico writer are part of this script), and
the output is the same on every run, so the committed files can be checked against it.
The build uses the committed files and needs no image tool.
"""

import math
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

BANNER_WIDTH = 420
BANNER_HEIGHT = 60
ICON_SIZE = 48
JPEG_QUALITY = 90

# ---------------------------------------------------------------- drawing helpers


def clamp(value, low=0.0, high=1.0):
    return low if value < low else high if value > high else value


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else clamp(((px - ax) * dx + (py - ay) * dy) / length2)
    cx, cy = ax + t * dx - px, ay + t * dy - py
    return math.sqrt(cx * cx + cy * cy)


def arc(cx, cy, r, start_deg, end_deg, steps=24):
    points = []
    for i in range(steps + 1):
        a = math.radians(start_deg + (end_deg - start_deg) * i / steps)
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


# Stroke lettering for the name, in units of the capital height (baseline y = 0, up
# positive). Each glyph: advance width and a list of polylines.
X_HEIGHT = 0.62


def glyphs():
    o = arc(0.31, 0.31, 0.31, 0, 360, 32)
    return {
        "M": (0.86, [[(0, 0), (0, 1), (0.43, 0.38), (0.86, 1), (0.86, 0)]]),
        "a": (0.62, [arc(0.31, 0.31, 0.31, 0, 360, 32), [(0.62, 0), (0.62, X_HEIGHT)]]),
        "r": (0.36, [[(0, 0), (0, X_HEIGHT)], [(0, 0.34)] + arc(0.34, 0.30, 0.32, 180, 95, 10)]),
        "l": (0.0, [[(0, 0), (0, 1.04)]]),
        "i": (0.0, [[(0, 0), (0, X_HEIGHT)], [(0, 0.88), (0, 0.88)]]),
        "v": (0.58, [[(0, X_HEIGHT), (0.29, 0), (0.58, X_HEIGHT)]]),
        "o": (0.62, [o]),
    }


def layout_text(text, left, baseline, cap_height, spacing):
    """The text's strokes as pixel-space segments."""
    table = glyphs()
    segments = []
    x = left
    for ch in text:
        advance, lines = table[ch]
        for line in lines:
            pts = [(x + u * cap_height, baseline - v * cap_height) for u, v in line]
            for (ax, ay), (bx, by) in zip(pts, pts[1:]):
                segments.append((ax, ay, bx, by))
        x += advance * cap_height + spacing
    return segments, x - spacing


def stroke_coverage(px, py, segments, half_width):
    d = min(segment_distance(px, py, *s) for s in segments)
    return clamp(half_width - d + 0.5)


def sphere_colour(px, py, cx, cy, r):
    """A shaded material ball lit from the upper left: (colour, coverage)."""
    dx, dy = (px - cx) / r, (py - cy) / r
    d2 = dx * dx + dy * dy
    coverage = clamp((1.0 - math.sqrt(d2)) * r + 0.5)
    if coverage <= 0:
        return None, 0.0
    nz = math.sqrt(max(0.0, 1.0 - min(d2, 1.0)))
    lx, ly, lz = -0.5, -0.6, 0.62
    norm = math.sqrt(lx * lx + ly * ly + lz * lz)
    diffuse = max(0.0, (dx * lx + dy * ly + nz * lz) / norm)
    # Specular highlight (Blinn half vector between the light and the viewer).
    hx, hy, hz = lx / norm, ly / norm, lz / norm + 1.0
    hn = math.sqrt(hx * hx + hy * hy + hz * hz)
    spec = max(0.0, (dx * hx + dy * hy + nz * hz) / hn) ** 40
    base = (0.85, 0.42, 0.12)  # copper
    rim = 0.25 * (1.0 - nz) ** 2
    colour = tuple(clamp(0.08 + b * (0.25 + 0.85 * diffuse) + spec * 0.9 + rim * 0.6) for b in base)
    return colour, coverage


# ---------------------------------------------------------------- the banner


def draw_banner():
    w, h = BANNER_WIDTH, BANNER_HEIGHT
    top, bottom = (0.09, 0.11, 0.16), (0.04, 0.05, 0.08)
    text_colour = (0.93, 0.94, 0.96)
    accent = (0.85, 0.42, 0.12)
    cap = 32.0
    segments, text_right = layout_text("Marlivo", 96.0, 44.0, cap, 0.20 * cap)
    half_width = 0.06 * cap
    sphere = (48.0, 30.0, 21.0)
    pixels = []
    for y in range(h):
        row = []
        for x in range(w):
            c = mix(top, bottom, y / (h - 1))
            # A faint sheen across the background.
            sheen = 0.035 * math.exp(-((x - 0.55 * w) / (0.30 * w)) ** 2)
            c = tuple(clamp(v + sheen) for v in c)
            # Soft shadow under the ball.
            sx, sy = (x - sphere[0]) / (sphere[2] * 1.1), (y - (sphere[1] + sphere[2] * 0.95)) / 4.0
            c = tuple(v * (1.0 - 0.5 * math.exp(-(sx * sx + sy * sy))) for v in c)
            ball, cov = sphere_colour(x + 0.5, y + 0.5, *sphere)
            if cov > 0:
                c = mix(c, ball, cov)
            if 88 <= x <= text_right + 8 and 6 <= y <= 54:
                t = stroke_coverage(x + 0.5, y + 0.5, segments, half_width)
                if t > 0:
                    c = mix(c, text_colour, t)
            # A thin accent line under the name.
            if 51 <= y <= 52 and 96 <= x <= text_right:
                fade = clamp((text_right - x) / 60.0)
                c = mix(c, accent, 0.9 * fade)
            row.append(tuple(int(round(clamp(v) * 255)) for v in c))
        pixels.append(row)
    return pixels


# ---------------------------------------------------------------- the icon


def draw_icon():
    n = ICON_SIZE
    radius = 9.0
    pixels = []
    for y in range(n):
        row = []
        for x in range(n):
            px, py = x + 0.5, y + 0.5
            # Rounded square: distance to the inner rectangle.
            qx = max(abs(px - n / 2) - (n / 2 - radius), 0.0)
            qy = max(abs(py - n / 2) - (n / 2 - radius), 0.0)
            alpha = clamp(radius - math.sqrt(qx * qx + qy * qy) + 0.5)
            c = mix((0.10, 0.12, 0.18), (0.04, 0.05, 0.08), y / (n - 1))
            ball, cov = sphere_colour(px, py, 24.0, 23.0, 17.0)
            if cov > 0:
                c = mix(c, ball, cov)
            row.append((tuple(int(round(clamp(v) * 255)) for v in c), int(round(alpha * 255))))
        pixels.append(row)
    return pixels


def ico_bytes(pixels):
    n = len(pixels)
    mask_row = ((n + 31) // 32) * 4
    body = bytearray()
    for y in range(n - 1, -1, -1):  # bottom-up
        for (r, g, b), a in pixels[y]:
            body += bytes((b, g, r, a))
    body += bytes(mask_row * n)  # the alpha channel carries the shape
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, len(body), 0, 0, 0, 0)
    image = header + body
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


# ---------------------------------------------------------------- baseline JPEG

ZIGZAG = [
    0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5,
    12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6, 7, 14, 21, 28,
    35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
    58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
]

LUMA_QUANT = [
    16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55,
    14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62,
    18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99,
]
CHROMA_QUANT = [
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
] + [99] * 32

DC_LUMA = ([0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0], list(range(12)))
DC_CHROMA = ([0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0], list(range(12)))
AC_LUMA = ([0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D], [
    0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51, 0x61, 0x07,
    0x22, 0x71, 0x14, 0x32, 0x81, 0x91, 0xA1, 0x08, 0x23, 0x42, 0xB1, 0xC1, 0x15, 0x52, 0xD1, 0xF0,
    0x24, 0x33, 0x62, 0x72, 0x82, 0x09, 0x0A, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x25, 0x26, 0x27, 0x28,
    0x29, 0x2A, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49,
    0x4A, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69,
    0x6A, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89,
    0x8A, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9A, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7,
    0xA8, 0xA9, 0xAA, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xC2, 0xC3, 0xC4, 0xC5,
    0xC6, 0xC7, 0xC8, 0xC9, 0xCA, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xE1, 0xE2,
    0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9, 0xEA, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8,
    0xF9, 0xFA])
AC_CHROMA = ([0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77], [
    0x00, 0x01, 0x02, 0x03, 0x11, 0x04, 0x05, 0x21, 0x31, 0x06, 0x12, 0x41, 0x51, 0x07, 0x61, 0x71,
    0x13, 0x22, 0x32, 0x81, 0x08, 0x14, 0x42, 0x91, 0xA1, 0xB1, 0xC1, 0x09, 0x23, 0x33, 0x52, 0xF0,
    0x15, 0x62, 0x72, 0xD1, 0x0A, 0x16, 0x24, 0x34, 0xE1, 0x25, 0xF1, 0x17, 0x18, 0x19, 0x1A, 0x26,
    0x27, 0x28, 0x29, 0x2A, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48,
    0x49, 0x4A, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68,
    0x69, 0x6A, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87,
    0x88, 0x89, 0x8A, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9A, 0xA2, 0xA3, 0xA4, 0xA5,
    0xA6, 0xA7, 0xA8, 0xA9, 0xAA, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xC2, 0xC3,
    0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA,
    0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9, 0xEA, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8,
    0xF9, 0xFA])


def check_huffman(table, symbols):
    bits, values = table
    assert sum(bits) == len(values) == len(set(values)), "malformed Huffman table"
    assert set(values) == set(symbols), "Huffman table misses symbols"


AC_SYMBOLS = [0x00, 0xF0] + [(run << 4) | size for run in range(16) for size in range(1, 11)]
for _table in (AC_LUMA, AC_CHROMA):
    check_huffman(_table, AC_SYMBOLS)
for _table in (DC_LUMA, DC_CHROMA):
    check_huffman(_table, list(range(12)))


def huffman_codes(table):
    bits, values = table
    codes = {}
    code = 0
    k = 0
    for length in range(1, 17):
        for _ in range(bits[length - 1]):
            codes[values[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


def scaled_quant(table, quality):
    scale = 5000 // quality if quality < 50 else 200 - 2 * quality
    return [clamp((q * scale + 50) // 100, 1, 255) for q in table]


COS = [[(math.sqrt(0.125) if u == 0 else 0.5) * math.cos((2 * x + 1) * u * math.pi / 16)
        for x in range(8)] for u in range(8)]


def fdct(block):
    """block: 64 level-shifted samples, row-major; the 64 coefficients, row-major."""
    rows = [[sum(COS[u][x] * block[y * 8 + x] for x in range(8)) for u in range(8)] for y in range(8)]
    return [sum(COS[v][y] * rows[y][u] for y in range(8)) for v in range(8) for u in range(8)]


class BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.count = 0

    def write(self, value, length):
        self.acc = (self.acc << length) | (value & ((1 << length) - 1))
        self.count += length
        while self.count >= 8:
            self.count -= 8
            byte = (self.acc >> self.count) & 0xFF
            self.out.append(byte)
            if byte == 0xFF:
                self.out.append(0x00)  # byte stuffing
        self.acc &= (1 << self.count) - 1

    def flush(self):
        if self.count:
            self.write((1 << (8 - self.count)) - 1, 8 - self.count)


def magnitude(value):
    size = 0 if value == 0 else abs(value).bit_length()
    bits = value if value >= 0 else value + (1 << size) - 1
    return size, bits


def encode_block(writer, coefficients, quant, previous_dc, dc_codes, ac_codes):
    q = [int(round(coefficients[ZIGZAG[i]] / quant[i])) for i in range(64)]
    diff = q[0] - previous_dc
    size, bits = magnitude(diff)
    writer.write(*dc_codes[size])
    if size:
        writer.write(bits, size)
    run = 0
    for i in range(1, 64):
        if q[i] == 0:
            run += 1
            continue
        while run > 15:
            writer.write(*ac_codes[0xF0])
            run -= 16
        size, bits = magnitude(q[i])
        writer.write(*ac_codes[(run << 4) | size])
        writer.write(bits, size)
        run = 0
    if run:
        writer.write(*ac_codes[0x00])
    return q[0]


def segment(marker, payload):
    return struct.pack(">BBH", 0xFF, marker, len(payload) + 2) + payload


def jpeg_bytes(pixels, quality):
    h, w = len(pixels), len(pixels[0])
    planes = [[], [], []]
    for row in pixels:
        for plane in planes:
            plane.append([])
        for r, g, b in row:
            planes[0][-1].append(0.299 * r + 0.587 * g + 0.114 * b)
            planes[1][-1].append(-0.168736 * r - 0.331264 * g + 0.5 * b + 128)
            planes[2][-1].append(0.5 * r - 0.418688 * g - 0.081312 * b + 128)
    quants = [scaled_quant(LUMA_QUANT, quality), scaled_quant(CHROMA_QUANT, quality)]
    zig_quants = [[q[ZIGZAG[i]] for i in range(64)] for q in quants]
    dc = [huffman_codes(DC_LUMA), huffman_codes(DC_CHROMA)]
    ac = [huffman_codes(AC_LUMA), huffman_codes(AC_CHROMA)]

    writer = BitWriter()
    previous = [0, 0, 0]
    for by in range(0, h, 8):
        for bx in range(0, w, 8):
            for c in range(3):
                block = []
                for y in range(8):
                    src = planes[c][min(by + y, h - 1)]  # edges repeat into the padding
                    for x in range(8):
                        block.append(src[min(bx + x, w - 1)] - 128)
                table = 0 if c == 0 else 1
                previous[c] = encode_block(writer, fdct(block), zig_quants[table], previous[c],
                                           dc[table], ac[table])
    writer.flush()

    out = bytearray(b"\xFF\xD8")
    out += segment(0xE0, b"JFIF\x00" + struct.pack(">BBBHHBB", 1, 1, 0, 1, 1, 0, 0))
    for index, zig in enumerate(zig_quants):
        out += segment(0xDB, bytes([index]) + bytes(zig))
    components = b"".join(struct.pack(">BBB", cid, 0x11, 0 if cid == 1 else 1) for cid in (1, 2, 3))
    out += segment(0xC0, struct.pack(">BHHB", 8, h, w, 3) + components)  # baseline
    for klass, index, (bits, values) in ((0, 0, DC_LUMA), (1, 0, AC_LUMA),
                                         (0, 1, DC_CHROMA), (1, 1, AC_CHROMA)):
        out += segment(0xC4, bytes([(klass << 4) | index]) + bytes(bits) + bytes(values))
    scan = struct.pack(">B", 3) + b"".join(
        struct.pack(">BB", cid, 0x00 if cid == 1 else 0x11) for cid in (1, 2, 3))
    out += segment(0xDA, scan + b"\x00\x3F\x00")
    out += writer.out
    out += b"\xFF\xD9"
    return bytes(out)


# ---------------------------------------------------------------- the embedded copy


def header_text(data):
    lines = [
        "// The program's banner, a 420 x 60 baseline JPEG, embedded so that the build needs",
        "// no image file at run time. Written by assets/make-assets.py from banner.jpg's",
        "// bytes; do not edit.",
        "#pragma once",
        "",
        "#include <cstddef>",
        "",
        "namespace marlivo::assets {",
        "",
        "inline constexpr std::size_t kBannerJpegSize = %d;" % len(data),
        "inline constexpr unsigned char kBannerJpeg[kBannerJpegSize] = {",
    ]
    for i in range(0, len(data), 16):
        lines.append("    " + ", ".join("0x%02X" % b for b in data[i:i + 16]) + ",")
    lines += ["};", "", "}  // namespace marlivo::assets", ""]
    return "\n".join(lines)


def main():
    banner = jpeg_bytes(draw_banner(), JPEG_QUALITY)
    icon = ico_bytes(draw_icon())
    outputs = {
        "banner.jpg": banner,
        "banner_jpeg.h": header_text(banner).encode("ascii"),
        "marlivo.ico": icon,
    }
    for name, data in outputs.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)
        print("%s: %d bytes" % (name, len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
