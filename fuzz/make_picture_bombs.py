#!/usr/bin/env python3
"""Writes the picture files that once hurt the Linux program, and the pictures it once showed
wrongly, into fuzz/seeds/picture (the picture fuzzer's seeds, and the files the unit tests and
the bombs scenario read). The files are committed; this script says how they were made.

The JPEGs are written byte by byte, as no encoder writes them: each block holds one flat colour
(only its DC coefficient), so the entropy coding is a few bits a block, and a picture's header
may claim a size far beyond the data that follows.

- bomb-sequential-12000.jpg, bomb-sequential-65500.jpg: sequential JPEGs of three full-size
  components whose first scan holds one component only, so libjpeg keeps every coefficient of
  the picture (864 MB and 25.7 GB), then data that stops after a few blocks.
- bomb-20000-scans.jpg: a 4096 x 4096 grey progressive JPEG of 20000 scans, each going over
  all 262144 blocks (seconds for every thousand scans) while it costs some forty bytes.
- bomb-1000000x1.png: a picture a million pixels wide and one high, the left half red and the
  right half blue: filled over a screen 2160 pixels high it is 2.16 billion pixels wide.
- bomb-7000x7000.webp: a lossless WebP header claiming 7000 x 7000 in some forty bytes: within
  the pixel limit, but libwebp's own copy of a lossless picture and the decoded one are seven
  bytes a pixel, 343 MB, past the decode budget.
- grey-16bit-8080.png: 16 x 16 grey, every sample 0x8080, no word on its gamma: 128 as sRGB.
- cmyk.jpg, cmyk-adobe.jpg: 64 x 32, the left half cyan ink, the right half magenta and yellow
  ink with half black (red 127 by the usual product); the first without Adobe's marker, the
  second with it and its inks inverted, as Photoshop writes them.
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "seeds", "picture")


def segment(marker, payload):
    return bytes([0xFF, marker]) + struct.pack(">H", len(payload) + 2) + payload


class Bits:
    def __init__(self):
        self.out = bytearray()
        self.value = 0
        self.count = 0

    def put(self, code, length):
        for i in range(length - 1, -1, -1):
            self.value = (self.value << 1) | ((code >> i) & 1)
            self.count += 1
            if self.count == 8:
                self.out.append(self.value)
                if self.value == 0xFF:
                    self.out.append(0)
                self.value = 0
                self.count = 0

    def bytes(self):
        if self.count:
            self.put((1 << (8 - self.count)) - 1, 8 - self.count)
        return bytes(self.out)


class Huffman:
    """A table from (symbol, length) pairs, given shortest first."""

    def __init__(self, table_class, ident, symbols):
        self.definition = bytes([table_class << 4 | ident])
        counts = [0] * 16
        for _, length in symbols:
            counts[length - 1] += 1
        self.definition += bytes(counts) + bytes(s for s, _ in symbols)
        self.codes = {}
        code = 0
        previous = symbols[0][1]
        for symbol, length in symbols:
            code <<= length - previous
            previous = length
            self.codes[symbol] = (code, length)
            code += 1

    def put(self, bits, symbol):
        bits.put(*self.codes[symbol])


# DC differences: category 0 in one bit, the others in five.
DC = Huffman(0, 0, [(0, 1)] + [(c, 5) for c in range(1, 12)])
# Baseline AC: the end of every block at once.
AC = Huffman(1, 0, [(0x00, 1)])
# Progressive AC: the runs of empty blocks, EOB0 to EOB14.
EOBRUNS = Huffman(1, 0, [(n << 4, 4) for n in range(15)])


def put_dc(bits, difference):
    magnitude = abs(difference)
    category = magnitude.bit_length()
    DC.put(bits, category)
    if category:
        value = difference if difference > 0 else difference + (1 << category) - 1
        bits.put(value, category)


def dqt():
    # 8 for the DC coefficient: a flat block's pixels are 128 plus its quantised DC.
    return segment(0xDB, bytes([0, 8] + [1] * 63))


def sof(marker, width, height, components):
    payload = struct.pack(">BHHB", 8, height, width, len(components))
    for ident in components:
        payload += bytes([ident, 0x11, 0])
    return segment(marker, payload)


def sos(components, start, end, high_low, table):
    payload = bytes([len(components)])
    for ident in components:
        payload += bytes([ident, table])
    return segment(0xDA, payload + bytes([start, end, high_low]))


def dht(*tables):
    return segment(0xC4, b"".join(t.definition for t in tables))


def adobe(transform):
    return segment(0xEE, b"Adobe" + struct.pack(">HHHB", 100, 0, 0, transform))


def flat_blocks(levels):
    """Baseline scan data of interleaved blocks (one per component a unit); LEVELS holds each
    unit's pixel values, component by component."""
    bits = Bits()
    previous = [0] * len(levels[0])
    for unit in levels:
        for c, level in enumerate(unit):
            dc = level - 128
            put_dc(bits, dc - previous[c])
            previous[c] = dc
            AC.put(bits, 0x00)
    return bits.bytes()


def sequential_bomb(size):
    # Three components, the first scan of the first alone: a few blocks of it, then the end.
    data = flat_blocks([[128]] * 8)
    return (b"\xFF\xD8" + dqt() + sof(0xC0, size, size, [1, 2, 3]) + dht(DC, AC) +
            sos([1], 0, 63, 0, 0x00) + data + b"\xFF\xD9")


def many_scans(side, scans):
    blocks = (side // 8) ** 2
    dc = Bits()
    put_dc(dc, 96 - 128)
    for _ in range(blocks - 1):
        put_dc(dc, 0)
    ac = Bits()
    remaining = blocks
    while remaining:
        run = min(remaining, 32767)
        n = run.bit_length() - 1
        EOBRUNS.put(ac, n << 4)
        ac.put(run - (1 << n), n)
        remaining -= run
    ac_scan = sos([1], 1, 63, 0, 0x00) + ac.bytes()
    return (b"\xFF\xD8" + dqt() + sof(0xC2, side, side, [1]) + dht(DC) +
            sos([1], 0, 0, 0, 0x00) + dc.bytes() + dht(EOBRUNS) + ac_scan * (scans - 1) +
            b"\xFF\xD9")


def cmyk(inverted):
    width, height = 64, 32
    inks = [(255, 0, 0, 0), (0, 255, 255, 128)]  # cyan; magenta and yellow with half black
    units = []
    for _ in range(height // 8):
        for x in range(width // 8):
            ink = inks[0 if x < width // 16 else 1]
            units.append([255 - v if inverted else v for v in ink])
    header = b"\xFF\xD8" + (adobe(0) if inverted else b"")
    return (header + dqt() + sof(0xC0, width, height, [1, 2, 3, 4]) + dht(DC, AC) +
            sos([1, 2, 3, 4], 0, 63, 0, 0x00) + flat_blocks(units) + b"\xFF\xD9")


def png(width, height, depth, colour_type, rows):
    def chunk(kind, payload):
        body = kind + payload
        return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, depth, colour_type, 0, 0, 0)
    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def lossless_webp_header(width, height):
    bits = (width - 1) | (height - 1) << 14
    payload = b"\x2f" + struct.pack("<I", bits) + bytes(16)
    if len(payload) % 2:
        payload += b"\x00"
    chunk = b"VP8L" + struct.pack("<I", len(payload)) + payload
    return b"RIFF" + struct.pack("<I", 4 + len(chunk)) + b"WEBP" + chunk


def main():
    os.makedirs(OUT, exist_ok=True)
    half = 500000
    files = {
        "bomb-sequential-12000.jpg": sequential_bomb(12000),
        "bomb-sequential-65500.jpg": sequential_bomb(65500),
        "bomb-20000-scans.jpg": many_scans(4096, 20000),
        "bomb-1000000x1.png": png(2 * half, 1, 8, 2,
                                  [b"\xFF\x00\x00" * half + b"\x00\x00\xFF" * half]),
        "bomb-7000x7000.webp": lossless_webp_header(7000, 7000),
        "grey-16bit-8080.png": png(16, 16, 16, 0, [b"\x80\x80" * 16] * 16),
        "cmyk.jpg": cmyk(False),
        "cmyk-adobe.jpg": cmyk(True),
    }
    for name, data in files.items():
        with open(os.path.join(OUT, name), "wb") as out:
            out.write(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
