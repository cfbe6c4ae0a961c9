#!/usr/bin/env python3
"""Draws the toolbar, menu and tray pictures of Velkor书签 into resources/pictures/.

Every picture is pixel art kept below as text, one character per pixel.
The output is written byte by byte (BMP v3, 24 bits, bottom-up; ICO 4 bits
with AND mask), so a rerun gives identical files.  Only the standard library
is needed:  python3 tools/pictures/draw.py [output-dir]
"""
import os
import struct
import sys

# Colours.  '.' is the background of each picture and is given per picture.
PAL = {
    'k': (0x00, 0x00, 0x00),  # black
    'r': (0x80, 0x00, 0x00),  # dark red
    'g': (0x00, 0x80, 0x00),  # dark green
    'y': (0x80, 0x80, 0x00),  # olive
    'b': (0x00, 0x00, 0x80),  # navy
    'm': (0x80, 0x00, 0x80),  # purple
    'c': (0x00, 0x80, 0x80),  # teal
    's': (0xC0, 0xC0, 0xC0),  # silver
    'd': (0x80, 0x80, 0x80),  # grey
    'R': (0xFF, 0x00, 0x00),  # red
    'G': (0x00, 0xFF, 0x00),  # green
    'Y': (0xFF, 0xFF, 0x00),  # yellow
    'B': (0x00, 0x00, 0xFF),  # blue
    'C': (0x00, 0xFF, 0xFF),  # cyan
    'w': (0xFF, 0xFF, 0xFF),  # white
}
SILVER = PAL['s']
MAGENTA = (0xFF, 0x00, 0xFF)  # menu strip: transparent colour


def art(text, w, h):
    rows = [r for r in text.split('\n') if r.strip()]
    assert len(rows) == h, (len(rows), h, rows[:1])
    for r in rows:
        assert len(r) == w, (len(r), w, r)
    return rows


def write_bmp(path, rows, bg):
    """24-bit BMP v3 (BITMAPINFOHEADER), uncompressed, bottom-up."""
    h, w = len(rows), len(rows[0])
    stride = (w * 3 + 3) & ~3
    pix = bytearray()
    for r in reversed(rows):
        line = bytearray()
        for ch in r:
            cr, cg, cb = bg if ch == '.' else PAL[ch]
            line += bytes((cb, cg, cr))
        line += b'\0' * (stride - len(line))
        pix += line
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(pix),
                       2835, 2835, 0, 0)
    head = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pix), 0, 0,
                       14 + len(info))
    with open(path, 'wb') as f:
        f.write(head + info + pix)


# Palette of the icon: the standard 16 colours, index 0 black.
ICO_PAL = ['k', 'r', 'g', 'y', 'b', 'm', 'c', 's',
           'd', 'R', 'G', 'Y', 'B', 'M', 'C', 'w']


def write_ico(path, rows):
    """One 32x32 image, 4 bits per pixel, '.' = transparent (AND mask)."""
    h, w = len(rows), len(rows[0])
    pal = {ch: i for i, ch in enumerate(ICO_PAL)}
    colours = dict(PAL, M=(0xFF, 0x00, 0xFF))
    xor = bytearray()
    mask = bytearray()
    for r in reversed(rows):
        idx = [0 if ch == '.' else pal[ch] for ch in r]
        line = bytearray((idx[i] << 4) | idx[i + 1] for i in range(0, w, 2))
        line += b'\0' * (-len(line) % 4)
        xor += line
        bits = 0
        mline = bytearray()
        for i, ch in enumerate(r):
            bits = (bits << 1) | (ch == '.')
            if i % 8 == 7:
                mline.append(bits)
                bits = 0
        mline += b'\0' * (-len(mline) % 4)
        mask += mline
    palette = b''.join(bytes((colours[c][2], colours[c][1], colours[c][0], 0))
                       for c in ICO_PAL)
    info = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 4, 0,
                       len(xor) + len(mask), 0, 0, 16, 0)
    image = info + palette + xor + mask
    head = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', w, h, 16, 0, 1, 4, len(image), 6 + 16)
    with open(path, 'wb') as f:
        f.write(head + entry + image)


# ---------------------------------------------------------------- toolbar
# Toolbar pictures sit on the silver bar; '.' is silver there.

RANDOM = art('''
............................
............................
............................
.kk.k.....k.....k...........
.k.k.k.kkkkkk...k...kkkkk...
.k.k.....k....kkkkk.k...k...
.kk.kk..kkkkk...k...k...k...
.k.k.k.kk...k..kkk..k...k...
.k.k.k..kkkkk.k.k...k...k...
.kk..k..k...k...k...k...k...
.k...k..kkkkk...k...k...k...
.k...k..k..kk...k...k...k...
.k..k.k.........k...k...k.k.
.k.....kkkkkk...k..k.....kk.
............................
............................
............................
''', 28, 17)

START = art('''
.......................
............kkkkkk.....
..........kkGGGGgk.....
........kkGGGGGggk.....
.......kGGGGGGgggk.....
.......kGGgGGggggk.....
......kGGGgGgggggk.....
......kGGGggggggk......
.....kGGGGgGGGggk......
.....kGGGggggggk.......
.....kGGgggggggk.......
.....kGggggggkk........
.....kgggggkk..........
.....gkkkkk............
....gk.................
...gk..................
..gk...................
''', 23, 17)

MINI = art('''
................
................
................
..kkkkkkkkkkk...
..kwwwwwwwwwyk..
..kwYYYYYYYYyk..
..kwYYYYYYYYyk..
..kwYYYYYYYYyk..
..kwYYYYYYYYyk..
..kwYYYYYYYYyk..
..kwYkkkkkkYyk..
..kwYkkkkkkYyk..
..kwYYYYYYYYyk..
..kyyyyyyyyyyk..
..kkkkkkkkkkkk..
................
................
''', 16, 17)


def grip(w=53, h=18):
    """Drag handle: three staggered rows of raised dots."""
    rows = [['.'] * w for _ in range(h)]
    for n, y in enumerate((4, 8, 12)):
        for x in range(3 + 2 * (n % 2), w - 3, 4):
            rows[y][x] = 'w'
            rows[y + 1][x + 1] = 'd'
    return [''.join(r) for r in rows]


# ---------------------------------------------------------------- menu
# 16x16 each, left to right; '.' is magenta, the transparent colour.

MENU = [
    # 0: computer and internet
    art('''
.kkkkkkkkkkkkkk.
.kwwwwwwwwwwwsk.
.kwdddddddddwdk.
.kwdCCBBBBBBwdk.
.kwdCBBBBBBBwdk.
.kwdBBBBBBBBwdk.
.kwdBBBBBBBBwdk.
.kwdBBBBBBBBwdk.
.kwdBBBBBBBBwdk.
.kwwwwwwwwwwwdk.
.kwssssssssGsdk.
.kddddddddddddk.
.kkkkkkkkkkkkkk.
......kssk......
...kwwssssddk...
...kkkkkkkkkk...
''', 16, 16),
    # 1: chat and forums
    art('''
................
.kkkkkkkk.......
kYYYYYYYYk......
kYYYYYYYYk......
kYYYYYYYYk......
kYYYYYkkkkkkkkk.
kYYYYkwwwwwwwwwk
.kYkkkwdddddddwk
.kk..kwwwwwwwwwk
.....kwdddddddwk
.....kwwwwwwwwwk
.....kwddddwwwwk
......kkkkkwwkk.
...........kwk..
............kk..
................
''', 16, 16),
    # 2: leisure and sports
    art('''
................
.....kkkkkk.....
...kkRRRRRRkk...
..kRwwRRRRRwwk..
..kRwRRRRRwwwk..
.kYYRRRRRwwwwwk.
.kYYYYRRwwwwwwk.
.kYYYYYkkwwwwwk.
.kYYYYYkkBBBBBk.
.kYYYYYYBBBBBBk.
.kYYYYYBBBBBBBk.
..kYYYYBBBBBBk..
..kYYYBBBBBBBk..
...kkYBBBBBkk...
.....kkkkkk.....
................
''', 16, 16),
    # 3: arts and literature
    art('''
..kkkkkkkkkkk...
..kbBBBBBBBBkk..
..kbBBBBBBBBkwk.
..kbBkkkkkkBkwk.
..kbBkYYYYkBkwk.
..kbBkkkkkkBkwk.
..kbBBBBBBBBkwk.
..kbBBBBBBBBkwk.
..kbBBBBBBBBkwk.
..kbBBBBBBBBkwk.
..kbBBBBBBBBkwk.
..kbBBBBBBBBkwk.
..kbBBBBBBBBkwk.
..kkkkkkkkkkkwk.
...kwwwwwwwwwwk.
....kkkkkkkkkkk.
''', 16, 16),
    # 4: regional sites
    art('''
.....kkkkkk.....
....kRRRRRRk....
...kRwwRRRRRk...
...kRwRRRRRrk...
...kRRRkkRRrk...
...kRRkwwkRrk...
...kRRkwwkRrk...
...kRRRkkRRrk...
....kRRRRRrk....
....kRRRRrrk....
.....kRRrrk.....
.....kRRrrk.....
......kRrk......
......kRrk......
.......kk.......
................
''', 16, 16),
    # 5: health and medicine
    art('''
................
..kkkkkkkkkkkk..
.kwwwwwwwwwwwsk.
.kwwwwRRRRwwwsk.
.kwwwwRRRRwwwsk.
.kwwwwRRRRwwwsk.
.kwRRRRRRRRRRsk.
.kwRRRRRRRRRRsk.
.kwRRRRRRRRRRsk.
.kwRRRRRRRRRRsk.
.kwwwwRRRRwwwsk.
.kwwwwRRRRwwwsk.
.kwwwwRRRRwwwsk.
.kssssssssssssk.
..kkkkkkkkkkkk..
................
''', 16, 16),
    # 6: news and media
    art('''
kkkkkkkkkkkkkk..
kwwwwwwwwwwwwkd.
kwkkkkkkkkkkwkd.
kwkkkkkkkkkkwkd.
kwwwwwwwwwwwwkd.
kwBBBBwddddwwkd.
kwBCCBwwwwwwwkd.
kwBCCBwddddwwkd.
kwBBBBwwwwwwwkd.
kwwwwwwddddwwkd.
kwwwwwwwwwwwwkd.
kwddddddddddwkd.
kwwwwwwwwwwwwkd.
kwddddddwwwwwkd.
kkkkkkkkkkkkkkd.
.dddddddddddddd.
''', 16, 16),
    # 7: free stuff
    art('''
....kkk..kkk....
...kYYYkkYYYk...
...kYkkYYkkYk...
....kkkYYkkk....
.kkkkkkYYkkkkkk.
.kRRRRRYYRRRRRk.
.kRRRRRYYRRRRRk.
.kkkkkkYYkkkkkk.
..kRRRRYYRRRrk..
..kRRRRYYRRRrk..
..kRRRRYYRRRrk..
..kRRRRYYRRRrk..
..kRRRRYYRRRrk..
..kRRRRYYRRRrk..
..kkkkkkkkkkkk..
................
''', 16, 16),
    # 8: finance and business
    art('''
................
.....kkkkkk.....
...kkYYYYYYkk...
..kYwwYYYYYYyk..
..kwkkYYYYkkyk..
.kwYYkkYYkkYYyk.
.kwYYYkkkkYYYyk.
.kYYYkkkkkkYYyk.
.kYYYYYkkYYYYyk.
.kYYYkkkkkkYYyk.
.kYYYYYkkYYYYyk.
..kYYYYkkYYYyk..
..kYYYYYYYYyyk..
...kkyyyyyykk...
.....kkkkkk.....
................
''', 16, 16),
    # 9: society and culture
    art('''
..........kkk...
.........kYYYk..
.........kYYYk..
...kkk...kYYYk..
..kYYYk..kkkkk..
..kYYYk.kGGGGGk.
..kYYYkkGGGGGGGk
..kkkkkkGGGGGGGk
.kBBBBBkGGGGGGGk
kBBBBBBBkGGGGGGk
kBBBBBBBkGGGGGGk
kBBBBBBBkGGGGGGk
kBBBBBBBkGGGGGGk
kBBBBBBBkGGGGGGk
kBBBBBBBkGGGGGGk
kkkkkkkkkkkkkkkk
''', 16, 16),
    # 10: tools
    art('''
.........kkkkk..
........kwwwk...
.......kwsdk...k
.......kwdk...kk
.......kwdk..kwk
.......kwswkkwdk
.......kwsswwsdk
......kwsdddddk.
.....kwsdkkkkk..
....kwsdk.......
...kwsdk........
..kwsdk.........
.kwsdk..........
kwsdk...........
kddk............
.kk.............
''', 16, 16),
    # 11: science
    art('''
.....kkkkkk.....
......kwwk......
......kwwk......
......kwwk......
.....kwwwwk.....
.....kwwwwk.....
....kwwwwwwk....
....kGGGGGGk....
...kGGwGGGGGk...
...kGGGGGGGGk...
..kGGGGGGwGGGk..
..kGGwGGGGGGGk..
.kGGGGGGGGwGGGk.
.kGGGGGGGGGGGGk.
.kkkkkkkkkkkkkk.
................
''', 16, 16),
    # 12: government; tray "open"
    art('''
.......kk.......
.....kkwskk.....
...kkwwwssskk...
.kkwwwwwssssskk.
kkkkkkkkkkkkkkkk
kwwwwwwwwwwwwwsk
kkkkkkkkkkkkkkkk
kdwsdwsddwsdwsdk
kdwsdwsddwsdwsdk
kdwsdwsddwsdwsdk
kdwsdwsddwsdwsdk
kdwsdwsddwsdwsdk
kkkkkkkkkkkkkkkk
kwwwwwwwwwwwwwsk
kkkkkkkkkkkkkkkk
................
''', 16, 16),
    # 13: other; tray "settings"
    art('''
................
................
.kkkkk..........
kYYYYYkkkkkkkk..
kwwwwwwwwwwwwYk.
kwYYYYYYYYYYYyk.
kwYYYYYYYYYYYyk.
kwYYYYYYYYYYYyk.
kwYYYYYYYYYYYyk.
kwYYYYYYYYYYYyk.
kwYYYYYYYYYYYyk.
kwYYYYYYYYYYYyk.
kwYYYYYYYYYYYyk.
kyyyyyyyyyyyyyk.
kkkkkkkkkkkkkkk.
................
''', 16, 16),
    # 14: own bookmarks
    art('''
.......k........
......kYk.......
......kYk.......
.....kYYYk......
.....kYYYk......
kkkkkkYYYkkkkkk.
.kYYYYYYYYYYYk..
..kYYYYYYYYYk...
...kYYYYYYYk....
....kYYYYYk.....
....kYYYYYk.....
...kYYYkYYYk....
...kYYk.kYYk....
..kYk.....kYk...
..kk.......kk...
................
''', 16, 16),
    # 15: list all
    art('''
.kkkkkkkkkkkkkk.
.kwwwwwwwwwwwwk.
.kwBBBwwwwwwwwk.
.kwBBBwkkkkkkwk.
.kwBBBwwwwwwwwk.
.kwwwwwwwwwwwwk.
.kwBBBwwwwwwwwk.
.kwBBBwkkkkkkwk.
.kwBBBwwwwwwwwk.
.kwwwwwwwwwwwwk.
.kwBBBwwwwwwwwk.
.kwBBBwkkkkkkwk.
.kwBBBwwwwwwwwk.
.kwwwwwwwwwwwwk.
.kkkkkkkkkkkkkk.
................
''', 16, 16),
    # 16: a single link
    art('''
..kkkkkkkkk.....
..kwwwwwwwkk....
..kwwwwwwwksk...
..kwwwwwwwkssk..
..kwwwwwwwkkkkk.
..kwwwwwwwwwwwk.
..kwBBBBBBBBwwk.
..kwwwwwwwwwwwk.
..kwBBBBBBwwwwk.
..kwwwwwwwwwwwk.
..kwBBBBBBBBwwk.
..kwwwwwwwwwwwk.
..kwBBBBBwwwwwk.
..kwwwwwwwwwwwk.
..kwwwwwwwwwwwk.
..kkkkkkkkkkkkk.
''', 16, 16),
]


# ---------------------------------------------------------------- icon
# Program and tray icon; '.' is transparent.

ICON = art('''
................................
................................
.........................kkkkk..
.....................kkkkGGGgk..
...................kkGGGGGGggk..
.................kkGGGGGGGgggk..
...............kkGGGGGGgGggggk..
..............kGGGGGGGGgggggk...
.............kGGGGgGGGGgGGggk...
............kGGGGGgGGGggggggk...
...........kGGGGGGgGGgggggggk...
..........kGGgGGGGgGgggggggk....
..........kGGgGGGGgggggggggk....
.........kGGGgGGGGgGGGGGggk.....
.........kGGGgGGGgggggggggk.....
........kGGGGgGGgggggggggkkkkk..
........kGGGGgGggggggggggkRRrk..
........kGGGGgggggggggggkRRRrk..
.......kGGGGGgGGGGGGGggkRRRRrk..
.......kGGGGggggggggggkkRRRRrk..
.......kGGGggggggggggk.kRRRRrk..
.......kGGgggggggggkk..kRRRRrk..
.......kGggggggggkk....kRRRRrk..
.......kggggggkkk......kRRRRrk..
.......gkkkkkk.........kRRRRrk..
......gk...............kRRRRrk..
.....gk................kRRkRrk..
....gk.................kRk.krk..
...gk..................kk...kk..
...k............................
................................
................................
''', 32, 32)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        here, '..', '..', 'resources', 'pictures')
    os.makedirs(out, exist_ok=True)
    strip = [''.join(icon[y] for icon in MENU) for y in range(16)]
    write_bmp(os.path.join(out, 'random.bmp'), RANDOM, SILVER)
    write_bmp(os.path.join(out, 'start.bmp'), START, SILVER)
    write_bmp(os.path.join(out, 'grip.bmp'), grip(), SILVER)
    write_bmp(os.path.join(out, 'mini.bmp'), MINI, SILVER)
    write_bmp(os.path.join(out, 'menu.bmp'), strip, MAGENTA)
    write_ico(os.path.join(out, 'velkor.ico'), ICON)


if __name__ == '__main__':
    main()
