#!/usr/bin/env python3
"""Packs PNG images into one Windows icon file (.ico).

Usage: make_ico.py OUT.ico IMAGE.png...

Each image keeps its PNG bytes, which every Windows since Vista reads inside an icon; the
directory gives each one's size from its own header (256 is written as 0, as the format asks).
"""
import struct
import sys


def png_size(data, name):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        sys.exit(f"make_ico: {name} is not a PNG")
    width, height = struct.unpack(">II", data[16:24])
    if not (1 <= width <= 256 and 1 <= height <= 256):
        sys.exit(f"make_ico: {name} is {width}x{height}; an icon image is 1 to 256 pixels a side")
    return width, height


def main(out, names):
    images = []
    for name in names:
        with open(name, "rb") as file:
            data = file.read()
        images.append((png_size(data, name), data))
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    directory, payload = b"", b""
    for (width, height), data in images:
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data),
                                 offset + len(payload))
        payload += data
    with open(out, "wb") as file:
        file.write(header + directory + payload)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2:])
