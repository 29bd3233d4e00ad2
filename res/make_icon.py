#!/usr/bin/env python3
"""Writes brimlock.ico beside this script from the pixel map below.

The icon is one 32 x 32 image in 16 colours: a window with a padlock in front
of it. Edit the map, run `python3 res/make_icon.py` and commit both files; the
build uses the committed .ico and never runs this script.
"""
import os
import struct

# The standard 16-colour palette, by index: (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]

# Map characters to palette indexes; '.' is transparent.
COLOURS = {
    "K": 0,   # black: outlines, keyhole
    "O": 3,   # olive: the padlock's shaded edge
    "N": 4,   # navy: title bar
    "S": 7,   # silver: text lines, title bar buttons
    "G": 8,   # grey: the shackle
    "Y": 11,  # yellow: the padlock's body
    "W": 15,  # white: window face, highlights
}

PIXELS = [
    "................................",
    "KKKKKKKKKKKKKKKKKKKKKKKKKK......",
    "KNNNNNNNNNNNNNNNNNNNNNNNNK......",
    "KNWWWWWWWWNNNNNNSSNSSNSSNK......",
    "KNWWWWWWWWNNNNNNSSNSSNSSNK......",
    "KNNNNNNNNNNNNNNNNNNNNNNNNK......",
    "KWWWWWWWWWWWWWWWWWWWWWWWWK......",
    "KWWWWWWWWWWWWWWWWWWWWWWWWK......",
    "KWSSSSSSSSSSSSSSSSWWWWWWWK......",
    "KWWWWWWWWWWWWWWWWWWWWWWWWK......",
    "KWSSSSSSSSSSSSWWWWKKKKKKKK......",
    "KWWWWWWWWWWWWWWWWKGGGGGGGGK.....",
    "KWSSSSSSSSSWWWWWKGGKKKKKKGGK....",
    "KWWWWWWWWWWWWWWWKGGKWWWWKGGK....",
    "KWSSSSSSSSSSWWWWKGGKWWWWKGGK....",
    "KWWWWWWWWWWWWWWWKGGKWWWWKGGK....",
    "KWSSSSSSSWWWWWWWKGGKWWWWKGGK....",
    "KWWWWWWWWWWWWWWWKGGKWWWWKGGK....",
    "KWSSSSSSSSSWWKKKKKKKKKKKKKKKKKK.",
    "KWWWWWWWWWWWWKWYYYYYYYYYYYYYYOK.",
    "KWSSSSSWWWWWWKWYYYYYYYYYYYYYYOK.",
    "KWWWWWWWWWWWWKWYYYYYYKKYYYYYYOK.",
    "KKKKKKKKKKKKKKWYYYYYKKKKYYYYYOK.",
    ".............KWYYYYYKKKKYYYYYOK.",
    ".............KWYYYYYYKKYYYYYYOK.",
    ".............KWYYYYYYKKYYYYYYOK.",
    ".............KWYYYYYYKKYYYYYYOK.",
    ".............KWYYYYYYYYYYYYYYOK.",
    ".............KOOOOOOOOOOOOOOOOK.",
    ".............KKKKKKKKKKKKKKKKKK.",
    "................................",
    "................................",
]

SIZE = 32


def image_bytes(rows):
    """The icon image: header, palette, colour bits, then the transparency mask."""
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                         SIZE * SIZE // 2 + SIZE * SIZE // 8, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    colour = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # bitmaps are stored bottom-up
        indexes = [COLOURS.get(c, 0) for c in row]
        for left, right in zip(indexes[0::2], indexes[1::2]):
            colour.append(left << 4 | right)
        bits = 0
        for c in row:
            bits = bits << 1 | (1 if c == "." else 0)
        mask += bits.to_bytes(SIZE // 8, "big")
    return header + palette + bytes(colour) + bytes(mask)


def icon_file(rows):
    assert len(rows) == SIZE and all(len(row) == SIZE for row in rows), "the map must be 32 x 32"
    unknown = set("".join(rows)) - set(COLOURS) - {"."}
    assert not unknown, "characters without a colour: %s" % sorted(unknown)
    image = image_bytes(rows)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "brimlock.ico")
    with open(path, "wb") as out:
        out.write(icon_file(PIXELS))


if __name__ == "__main__":
    main()
