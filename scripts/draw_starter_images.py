#!/usr/bin/env python3
"""Draws the starter pictures of the images folder: tile sets (ground, ladder, sky,
platforms, bricks, a sky-and-hills backdrop), sprite strips (a walking person, two
enemies, a car seen from above, a coin, a heart, a key, a door, a flag, a bullet, an
explosion) and indicators (bars in three colours, a row of hearts). Tiles and sprites
are 16 pixels (24 for the car and the explosion, 24 x 32 for the door, 8 for the
bullet); strips stand on a magenta backdrop. Only the standard library is used; run it
to redraw images/*.png:

    python3 scripts/draw_starter_images.py [OUTDIR]
"""
import math
import os
import struct
import sys
import zlib

MAGENTA = (255, 0, 255)  # the background of the sprite strips: "сделать фон прозрачным"
SKY = (120, 190, 255)  # the sky of the tile sets, so that their pieces match


class Canvas:
    def __init__(self, width, height, fill):
        self.width = width
        self.height = height
        self.pixels = [[fill for _ in range(width)] for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, x, y, w, h, colour):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.put(xx, yy, colour)

    def outline(self, x, y, w, h, colour):
        for xx in range(x, x + w):
            self.put(xx, y, colour)
            self.put(xx, y + h - 1, colour)
        for yy in range(y, y + h):
            self.put(x, yy, colour)
            self.put(x + w - 1, yy, colour)

    def disc(self, cx, cy, r, colour):
        for yy in range(cy - r, cy + r + 1):
            for xx in range(cx - r, cx + r + 1):
                if (xx - cx) ** 2 + (yy - cy) ** 2 <= r * r:
                    self.put(xx, yy, colour)

    def ellipse(self, cx, cy, rx, ry, colour):
        """Fills the pixels whose centres lie inside the ellipse (centre and radii in pixels)."""
        for yy in range(int(cy - ry) - 1, int(cy + ry) + 2):
            for xx in range(int(cx - rx) - 1, int(cx + rx) + 2):
                if ((xx + 0.5 - cx) / rx) ** 2 + ((yy + 0.5 - cy) / ry) ** 2 <= 1:
                    self.put(xx, yy, colour)

    def shape(self, x0, y0, cells, fill, edge, beyond=frozenset()):
        """Paints a set of (x, y) cells at (x0, y0): `fill` inside, `edge` on its rim (a cell
        with a side neighbour outside the set and outside `beyond`, the cells where the
        shape goes on past the picture)."""
        for x, y in cells:
            rim = any((x + dx, y + dy) not in cells and (x + dx, y + dy) not in beyond
                      for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            self.put(x0 + x, y0 + y, edge if rim else fill)

    def get(self, x, y):
        return self.pixels[y][x]

    def png(self):
        raw = b"".join(
            b"\x00" + b"".join(struct.pack("BBB", *p) for p in row) for row in self.pixels)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def speckle(canvas, x0, y0, w, h, colour, step, within=None):
    """A regular sprinkle of dots, so tiles look like earth or stone, not flat paint; with
    `within`, only on those cells (counted from x0, y0)."""
    for i in range(0, w * h, step):
        x, y = (i * 7) % w, (i * 3 // w * 5 + i) % h
        if within is None or (x, y) in within:
            canvas.put(x0 + x, y0 + y, colour)


def ground():
    """Six 16 x 16 tiles, 3 across and 2 down: grass, earth, stone; brick, water, sand."""
    c = Canvas(48, 32, (0, 0, 0))
    earth, dark = (134, 88, 46), (101, 64, 32)
    c.rect(0, 0, 16, 16, earth)
    speckle(c, 0, 5, 16, 11, dark, 5)
    c.rect(0, 0, 16, 5, (64, 168, 48))
    for x in range(0, 16, 3):
        c.put(x, 5, (64, 168, 48))
        c.put(x + 1, 0, (120, 210, 90))
    c.rect(16, 0, 16, 16, earth)
    speckle(c, 16, 0, 16, 16, dark, 5)
    c.rect(32, 0, 16, 16, (128, 128, 136))
    speckle(c, 32, 0, 16, 16, (96, 96, 104), 4)
    c.outline(32, 0, 16, 16, (80, 80, 88))
    c.rect(0, 16, 16, 16, (170, 60, 40))
    for y in (16, 20, 24, 28):
        c.rect(0, y, 16, 1, (210, 200, 190))
        shift = 0 if (y // 4) % 2 == 0 else 4
        for x in range(shift, 16, 8):
            c.rect(x, y, 1, 4, (210, 200, 190))
    c.rect(16, 16, 16, 16, (40, 100, 200))
    for y in (19, 25):
        for x in range(16, 32, 4):
            c.put(x, y, (150, 200, 255))
            c.put(x + 1, y - 1, (150, 200, 255))
    c.rect(32, 16, 16, 16, (230, 200, 120))
    speckle(c, 32, 16, 16, 16, (200, 170, 90), 6)
    return c


def ladder():
    """Two 16 x 16 tiles: a ladder piece and the ladder's top with its hooks."""
    c = Canvas(32, 16, SKY)
    wood, rung = (150, 100, 40), (190, 140, 70)
    for x0 in (0, 16):
        c.rect(x0 + 2, 0, 2, 16, wood)
        c.rect(x0 + 12, 0, 2, 16, wood)
        for y in (2, 7, 12):
            c.rect(x0 + 4, y, 8, 2, rung)
    c.rect(16, 0, 16, 2, SKY)
    c.rect(17, 0, 4, 2, wood)
    c.rect(27, 0, 4, 2, wood)
    return c


def sky():
    """Three 32 x 32 tiles: clear sky, the left half and the right half of a cloud."""
    c = Canvas(96, 32, SKY)
    white, shade = (250, 250, 255), (215, 225, 240)
    c.disc(48, 20, 8, white)
    c.disc(60, 14, 10, white)
    c.disc(74, 16, 9, white)
    c.disc(85, 21, 6, white)
    c.rect(40, 22, 52, 6, white)
    c.rect(42, 27, 48, 2, shade)
    return c


def person_frame(c, x0, direction, step):
    """One 16 x 24 frame of a walking person; direction 0 right, 1 up, 2 left, 3 down."""
    skin, hair, shirt, trousers = (240, 190, 150), (90, 50, 20), (40, 110, 220), (50, 50, 80)
    c.rect(x0 + 5, 1, 6, 6, skin)
    c.rect(x0 + 5, 1, 6, 2, hair)
    if direction == 1:
        c.rect(x0 + 5, 1, 6, 6, hair)
    elif direction == 0:
        c.put(x0 + 9, 4, (0, 0, 0))
    elif direction == 2:
        c.put(x0 + 6, 4, (0, 0, 0))
    else:
        c.put(x0 + 6, 4, (0, 0, 0))
        c.put(x0 + 9, 4, (0, 0, 0))
    c.rect(x0 + 4, 7, 8, 8, shirt)
    swing = 2 if step == 0 else -2
    c.rect(x0 + 2, 8 + max(0, swing), 2, 5, skin)
    c.rect(x0 + 12, 8 + max(0, -swing), 2, 5, skin)
    if direction in (0, 2):
        c.rect(x0 + 6 + swing, 15, 2, 8, trousers)
        c.rect(x0 + 8 - swing, 15, 2, 8, trousers)
    else:
        c.rect(x0 + 5, 15, 2, 8 - (2 if step == 0 else 0), trousers)
        c.rect(x0 + 9, 15, 2, 8 - (0 if step == 0 else 2), trousers)


def person():
    """Eight 16 x 24 frames: two steps each to the right, up, left and down."""
    c = Canvas(128, 24, MAGENTA)
    for i in range(8):
        person_frame(c, i * 16, i // 2, i % 2)
    return c


def enemy():
    """Four 16 x 16 frames of a crawling beetle: two of walking, one hit, one squashed."""
    c = Canvas(64, 16, MAGENTA)
    body, legs = (40, 160, 60), (20, 80, 30)
    for i in range(3):
        x0 = i * 16
        colour = (220, 60, 60) if i == 2 else body
        c.disc(x0 + 8, 9, 5, colour)
        c.put(x0 + 6, 7, (255, 255, 255))
        c.put(x0 + 10, 7, (255, 255, 255))
        for k, x in enumerate((3, 6, 10, 13)):
            c.rect(x0 + x, 13 + (k + i) % 2, 1, 2, legs)
    c.rect(48 + 2, 11, 12, 4, (120, 120, 60))
    return c


def car():
    """Four 24 x 24 frames of a car seen from above, facing right, up, left and down."""
    c = Canvas(96, 24, MAGENTA)
    paint, glass, tyre = (220, 40, 40), (150, 220, 250), (30, 30, 30)
    for i in range(4):
        x0 = i * 24
        if i in (0, 2):
            for tx in (4, 15):
                c.rect(x0 + tx, 4, 5, 3, tyre)
                c.rect(x0 + tx, 17, 5, 3, tyre)
            c.rect(x0 + 2, 6, 20, 12, paint)
            front = 16 if i == 0 else 4
            c.rect(x0 + front, 8, 4, 8, glass)
            c.rect(x0 + (6 if i == 0 else 14), 8, 3, 8, glass)
        else:
            for ty in (4, 15):
                c.rect(x0 + 4, ty, 3, 5, tyre)
                c.rect(x0 + 17, ty, 3, 5, tyre)
            c.rect(x0 + 6, 2, 12, 20, paint)
            front = 4 if i == 1 else 16
            c.rect(x0 + 8, front, 8, 4, glass)
            c.rect(x0 + 8, 14 if i == 1 else 6, 8, 3, glass)
    return c


def bar_of(full):
    """An indicator 96 x 10: the full bar on the left half, the empty one on the right half."""
    c = Canvas(96, 10, (40, 40, 40))
    for x0, fill in ((0, full), (48, (70, 70, 70))):
        c.rect(x0, 0, 48, 10, (20, 20, 20))
        c.rect(x0 + 1, 1, 46, 8, fill)
        c.rect(x0 + 1, 1, 46, 2, lighter(fill, 60))
    return c


def bar():
    return bar_of((230, 40, 40))


def bar_green():
    return bar_of((50, 190, 60))


def bar_blue():
    return bar_of((40, 120, 235))


def lighter(colour, amount):
    """The colour with each channel moved by `amount` (darker when negative)."""
    return tuple(max(0, min(255, v + amount)) for v in colour)


def cells_of(inside, w, h):
    """The cells of a w x h box whose centres pass the test `inside(x, y)`."""
    return {(x, y) for y in range(h) for x in range(w) if inside(x + 0.5, y + 0.5)}


def sprite(c, x0, y0, rows, palette, mirror=False):
    """Paints pixel rows ('.' left alone, other letters looked up in `palette`) at (x0, y0);
    with `mirror` also their mirror image, the rows being the left half of a 16-pixel width."""
    for y, row in enumerate(rows):
        for x, letter in enumerate(row):
            if letter != ".":
                c.put(x0 + x, y0 + y, palette[letter])
                if mirror:
                    c.put(x0 + 15 - x, y0 + y, palette[letter])


GOLD, GOLD_RIM, GOLD_DARK, GOLD_LIGHT = \
    (250, 196, 40), (160, 98, 14), (214, 150, 24), (255, 240, 150)


def coin():
    """Six 16 x 16 frames of a coin turning about its upright axis: face, turning, edge on,
    turning back; played in a loop it spins."""
    c = Canvas(96, 16, MAGENTA)
    for i, rx in enumerate((6.0, 4.6, 2.6, 1.0, 2.6, 4.6)):
        x0 = i * 16
        c.shape(x0, 0, cells_of(lambda x, y: ((x - 8) / rx) ** 2 + ((y - 8) / 6.5) ** 2 <= 1,
                                16, 16), GOLD, GOLD_RIM)
        if rx > 4:
            c.rect(x0 + 7, 5, 2, 6, GOLD_DARK)
            c.rect(x0 + 5, 4, 1, 2, GOLD_LIGHT)
            c.put(x0 + 6, 3, GOLD_LIGHT)
        elif rx > 2:
            c.rect(x0 + 8, 5, 1, 6, GOLD_DARK)
            c.rect(x0 + 7, 4, 1, 2, GOLD_LIGHT)
        else:
            c.rect(x0 + 7, 3, 1, 10, GOLD_LIGHT)
    return c


HEART, HEART_RIM, HEART_LIGHT = (230, 40, 64), (130, 14, 40), (255, 160, 170)
HEART_ROWS = (
    "..###...###..",
    ".#oll#.#ooo#.",
    "#olooo#ooooo#",
    "#loooooooooo#",
    "#ooooooooooo#",
    ".#ooooooooo#.",
    "..#ooooooo#..",
    "...#ooooo#...",
    "....#ooo#....",
    ".....#o#.....",
    "......#......",
)
SMALL_HEART_ROWS = (
    ".###...###.",
    "#olo#.#ooo#",
    "#loooooooo#",
    "#ooooooooo#",
    ".#ooooooo#.",
    "..#ooooo#..",
    "...#ooo#...",
    "....#o#....",
    ".....#.....",
)


def heart():
    """Two 16 x 16 frames of a heart beating: full size, then a little smaller."""
    c = Canvas(32, 16, MAGENTA)
    red = {"#": HEART_RIM, "o": HEART, "l": HEART_LIGHT}
    sprite(c, 1, 2, HEART_ROWS, red)
    sprite(c, 18, 3, SMALL_HEART_ROWS, red)
    return c


def lives():
    """An indicator 96 x 16 of three hearts: the full ones on the left half, the empty ones
    on the right half; with "количество" 3 every life is one whole heart."""
    c = Canvas(96, 16, (40, 40, 40))
    red = {"#": HEART_RIM, "o": HEART, "l": HEART_LIGHT}
    grey = {"#": (120, 120, 132), "o": (74, 74, 84), "l": (74, 74, 84)}
    for k in range(3):
        sprite(c, 2 + k * 16, 3, HEART_ROWS, red)
        sprite(c, 50 + k * 16, 3, HEART_ROWS, grey)
    return c


KEY_ROWS = (
    "..####..........",
    ".#llOO#.........",
    "#lO..OO########.",
    "#O....OOlllllll#",
    "#O....OOOOOOOOO#",
    "#OO..OO#####O#O#",
    ".#OOOO#....#O#O#",
    "..####.....#O###",
    "...........###..",
)


def key():
    """Two 16 x 16 frames of a golden key lying to the right, the second with a glint."""
    c = Canvas(32, 16, MAGENTA)
    gold = {"#": GOLD_RIM, "O": GOLD, "l": GOLD_LIGHT}
    sprite(c, 0, 4, KEY_ROWS, gold)
    sprite(c, 16, 4, KEY_ROWS, gold)
    for dx, dy in ((0, 0), (-1, 0), (1, 0), (0, -1), (0, 1), (-2, 0), (2, 0), (0, -2), (0, 2)):
        c.put(16 + 3 + dx, 4 + dy, (255, 255, 255) if abs(dx) + abs(dy) < 2 else GOLD_LIGHT)
    return c


STONE, STONE_RIM, STONE_DARK, STONE_LIGHT = \
    (140, 140, 150), (70, 70, 82), (105, 105, 116), (180, 180, 190)
WOOD, WOOD_DARK, WOOD_LIGHT = (160, 102, 52), (104, 64, 30), (196, 138, 76)


def door():
    """Two 24 x 32 frames of a door in a stone arch: closed, then open with light inside."""
    c = Canvas(48, 32, MAGENTA)
    arch = cells_of(lambda x, y: 1 <= x <= 23 and (y >= 11 or (x - 12) ** 2 / 121
                                                     + (y - 11) ** 2 / 100 <= 1), 24, 32)
    opening = cells_of(lambda x, y: 5 <= x <= 19 and (y >= 13 or (x - 12) ** 2 / 49
                                                         + (y - 13) ** 2 / 42 <= 1), 24, 32)
    for x0, is_open in ((0, False), (24, True)):
        c.shape(x0, 0, arch, STONE, STONE_RIM)
        for y in (8, 15, 22, 29):
            for x in range(1, 23):
                if (x, y) in arch and (x, y) not in opening and (x - 1, y) in arch:
                    c.put(x0 + x, y, STONE_DARK)
        for x, y in ((3, 10), (20, 10), (3, 19), (20, 19), (3, 26), (20, 26), (12, 3)):
            c.put(x0 + x, y, STONE_DARK)
        if is_open:
            c.shape(x0, 0, opening, (250, 224, 140), (200, 150, 70))
            c.rect(x0 + 6, 14, 2, 17, (255, 246, 200))
            c.rect(x0 + 5, 8, 3, 24, WOOD_DARK)
            c.rect(x0 + 6, 9, 1, 22, WOOD)
        else:
            c.shape(x0, 0, opening, WOOD, WOOD_DARK)
            for x in (9, 12, 15):
                c.rect(x0 + x, 7, 1, 24, WOOD_DARK)
            for y in (13, 25):
                c.rect(x0 + 6, y, 13, 2, WOOD_LIGHT)
            c.rect(x0 + 16, 19, 2, 2, GOLD)
            c.put(x0 + 17, 20, GOLD_RIM)
    return c


def flag():
    """Three 16 x 24 frames of a green flag on a pole waving in the wind."""
    c = Canvas(48, 24, MAGENTA)
    green, dark, light = (56, 170, 60), (28, 110, 40), (130, 220, 110)
    for i in range(3):
        x0 = i * 16
        c.rect(x0 + 2, 0, 2, 2, GOLD)
        c.rect(x0 + 2, 2, 1, 20, (236, 236, 244))
        c.rect(x0 + 3, 2, 1, 20, (150, 150, 164))
        c.rect(x0 + 1, 22, 4, 2, STONE_RIM)
        for x in range(4, 15):
            # a wave running away from the pole, growing towards the free end
            angle = (x - 4) * 0.7 - i * 2.1
            top = 3 + round(1.4 * math.sin(angle) * (x - 2) / 12)
            slope = math.cos(angle)
            c.rect(x0 + x, top, 1, 9, green)
            c.put(x0 + x, top, light)
            c.put(x0 + x, top + 8, dark)
            if slope < -0.6:
                c.rect(x0 + x, top + 1, 1, 7, (42, 142, 50))
            elif slope > 0.6:
                c.rect(x0 + x, top + 1, 1, 7, (88, 196, 84))
    return c


GRASS, GRASS_LIGHT = (64, 168, 48), (120, 210, 90)
EARTH, EARTH_DARK, EARTH_RIM = (134, 88, 46), (101, 64, 32), (84, 52, 26)


def platforms():
    """Eight 16 x 16 tiles, 4 across and 2 down, on the sky's colour: a floating grass
    platform's left end, middle and right end and a one-tile platform; a wooden bridge's
    left end, middle and right end, and spikes."""
    c = Canvas(64, 32, SKY)
    grass_rim = (36, 116, 36)
    for k, (left, right) in enumerate(((True, False), (False, False), (False, True),
                                       (True, True))):
        x0 = k * 16

        def inside(x, y, left=left, right=right):
            # rounded ends and a ragged lower edge
            if left and ((x < 4 and y < 4 and (x - 4) ** 2 + (y - 4) ** 2 > 16)
                         or (x < 6 and y > 9 and (x - 6) ** 2 + (y - 9) ** 2 > 36)):
                return False
            if right and ((x > 12 and y < 4 and (x - 12) ** 2 + (y - 4) ** 2 > 16)
                          or (x > 10 and y > 9 and (x - 10) ** 2 + (y - 9) ** 2 > 36)):
                return False
            return y < 14 + (1 if (int(x) * 5 + k) % 7 < 3 else 0)
        cells = cells_of(inside, 16, 16)
        beyond = ({(-1, y) for y in range(14)} if not left else set()) | \
            ({(16, y) for y in range(14)} if not right else set())
        c.shape(x0, 0, cells, EARTH, EARTH_RIM, beyond)
        inner = {(x, y - 5) for x, y in cells if y >= 6 and all(
            (x + dx, y + dy) in cells for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))}
        speckle(c, x0, 5, 16, 11, EARTH_DARK, 5, inner)
        grass = {(x, y) for x, y in cells if y < 4 or (y == 4 and (x + k) % 3 == 0)}
        c.shape(x0, 0, grass, GRASS, grass_rim,
                beyond | {(x, y + 1) for x, y in grass if (x, y + 1) in cells})
        for x, y in grass:
            if y == 1 and x % 3 == 1 and (x - 1, 0) in grass and (x + 1, 0) in grass:
                c.put(x0 + x, y, GRASS_LIGHT)
    for k in range(3):
        x0 = k * 16
        c.rect(x0, 16, 16, 5, WOOD)
        c.rect(x0, 16, 16, 1, WOOD_LIGHT)
        c.rect(x0, 20, 16, 1, WOOD_DARK)
        for x in (7, 15):
            c.rect(x0 + x, 16, 1, 5, WOOD_DARK)
        for x in range(16):
            c.put(x0 + x, 22 + round(1.5 * math.sin((x + 4) * math.pi / 8) ** 2), WOOD_DARK)
    c.rect(0, 16, 3, 16, WOOD_DARK)
    c.rect(1, 16, 1, 16, WOOD)
    c.rect(45, 16, 3, 16, WOOD_DARK)
    c.rect(46, 16, 1, 16, WOOD)
    steel, steel_light, steel_dark = (176, 180, 196), (236, 238, 246), (96, 100, 116)
    for k in range(4):
        x0 = 48 + k * 4
        for y in range(8):
            c.rect(x0 + 2 - y // 4, 22 + y, 1 + (y // 4) * 2, 1, steel)
        c.put(x0 + 1, 22, steel_light)
        c.rect(x0 + 1, 23, 1, 6, steel_light)
        c.rect(x0 + 3, 26, 1, 4, steel_dark)
    c.rect(48, 30, 16, 2, steel_dark)
    return c


def bevel(c, x0, y0, face, light, dark):
    """A 16 x 16 block lit from the upper left."""
    c.rect(x0, y0, 16, 16, face)
    c.rect(x0, y0, 16, 1, light)
    c.rect(x0, y0, 1, 16, light)
    c.rect(x0, y0 + 15, 16, 1, dark)
    c.rect(x0 + 15, y0, 1, 16, dark)


def brick_wall(c, x0, y0, brick, mortar, light):
    c.rect(x0, y0, 16, 16, mortar)
    for row in range(4):
        shift = 0 if row % 2 == 0 else 4
        for bx in range(-8 + shift, 16, 8):
            left = max(bx, 0)
            right = min(bx + 7, 16)
            if right > left:
                c.rect(x0 + left, y0 + row * 4, right - left, 3, brick)
                c.rect(x0 + left, y0 + row * 4, right - left, 1, light)


def bricks():
    """Eight 16 x 16 blocks, 4 across and 2 down: brick, stone, crate, bonus block; castle
    wall top (on the sky's colour), dark brick for walls behind, emptied bonus block, steel."""
    c = Canvas(64, 32, SKY)
    brick_wall(c, 0, 0, (206, 96, 52), (112, 52, 36), (236, 140, 96))
    bevel(c, 16, 0, STONE, STONE_LIGHT, STONE_RIM)
    c.rect(20, 5, 1, 3, STONE_DARK)
    c.rect(21, 8, 1, 3, STONE_DARK)
    c.rect(22, 11, 3, 1, STONE_DARK)
    bevel(c, 32, 0, WOOD, WOOD_LIGHT, WOOD_DARK)
    c.outline(34, 2, 12, 12, WOOD_DARK)
    for i in range(10):
        c.put(35 + i, 3 + i, WOOD_DARK)
        c.put(44 - i, 3 + i, WOOD_DARK)
    bevel(c, 48, 0, GOLD, GOLD_LIGHT, GOLD_RIM)
    for x, y in ((50, 2), (61, 2), (50, 13), (61, 13)):
        c.put(x, y, GOLD_RIM)
    c.shape(51, 3, cells_of(lambda x, y: (x - 5) ** 2 + (y - 5) ** 2 <= 20, 10, 10),
            (255, 226, 110), GOLD_RIM)
    c.rect(55, 6, 2, 4, GOLD_DARK)
    brick_wall(c, 0, 16, STONE, STONE_RIM, STONE_LIGHT)
    c.rect(0, 16, 16, 5, SKY)
    for x in (0, 10):
        c.rect(x, 16, 6, 5, STONE)
        c.rect(x, 16, 6, 1, STONE_LIGHT)
        c.rect(x + 5, 17, 1, 4, STONE_RIM)
    brick_wall(c, 16, 16, (96, 56, 52), (56, 34, 34), (118, 72, 66))
    bevel(c, 32, 16, (150, 104, 64), (186, 140, 96), (96, 62, 34))
    for x, y in ((34, 18), (45, 18), (34, 29), (45, 29)):
        c.put(x, y, (96, 62, 34))
    bevel(c, 48, 16, (150, 164, 184), (210, 220, 232), (84, 94, 112))
    for x, y in ((50, 18), (61, 18), (50, 29), (61, 29)):
        c.put(x, y, (84, 94, 112))
        c.put(x - 1, y - 1, (230, 236, 244))
    c.rect(52, 22, 8, 1, (120, 132, 150))
    c.rect(52, 25, 8, 1, (120, 132, 150))
    return c


def hills():
    """Twelve 16 x 16 tiles, 4 across and 3 down, for a backdrop: sky and a cloud three tiles
    long on the first row; a hill four tiles wide and two high on the next two rows (its
    top, then its foot: left flank, body, body with a bush, right flank). Laid out as in
    the picture, the pieces join; the body tile fills a taller hill."""
    c = Canvas(64, 48, SKY)
    white, shade = (250, 250, 255), (215, 225, 240)
    c.ellipse(23, 10, 7, 5, white)
    c.ellipse(33, 7, 8, 6, white)
    c.ellipse(44, 9, 7, 5, white)
    c.ellipse(54, 11, 6, 4, white)
    c.rect(18, 10, 42, 4, white)
    c.rect(20, 14, 38, 1, shade)
    c.rect(18, 13, 2, 1, shade)
    c.rect(58, 13, 2, 1, shade)
    hill, hill_rim, hill_dark, bush = (100, 190, 90), (60, 140, 60), (86, 170, 78), (48, 128, 52)
    cells = cells_of(lambda x, y: ((x - 32) / 33) ** 2 + ((y - 48) / 31) ** 2 <= 1
                     or y >= 47, 64, 48)
    cells = {(x, y) for x, y in cells if y >= 16}
    for x, y in cells:
        rim = (x, y - 1) not in cells or (x - 1, y) not in cells or (x + 1, y) not in cells
        c.put(x, y, hill_rim if rim else hill)
    for x, y in ((20, 26), (40, 24), (27, 34), (12, 38), (50, 37), (33, 42), (18, 44)):
        c.rect(x, y, 2, 1, hill_dark)
    c.ellipse(40.5, 41, 5, 3.5, bush)
    c.ellipse(43.5, 42, 3, 2.5, bush)
    c.rect(36, 43, 10, 1, (36, 100, 40))
    c.rect(38, 39, 2, 1, (80, 170, 80))
    return c


def bullet():
    """Four 8 x 8 frames of a glowing bullet flying to the right, up, left and down."""
    c = Canvas(32, 8, MAGENTA)
    right = {}
    for x, y in cells_of(lambda x, y: (x - 5) ** 2 + (y - 4) ** 2 <= 6.5, 8, 8):
        right[(x, y)] = (255, 160, 40)
    for x, y in ((1, 3), (1, 4), (2, 3), (2, 4)):
        right[(x, y)] = (230, 70, 30)
    right[(0, 4)] = (200, 50, 30)
    for x, y in ((4, 3), (5, 3), (4, 4), (5, 4), (6, 4)):
        right[(x, y)] = (255, 236, 120)
    right[(5, 3)] = (255, 255, 240)
    turns = (lambda x, y: (x, y), lambda x, y: (y, 7 - x), lambda x, y: (7 - x, y),
             lambda x, y: (y, x))
    for i, turn in enumerate(turns):
        for (x, y), colour in right.items():
            tx, ty = turn(x, y)
            c.put(i * 8 + tx, ty, colour)
    return c


def explosion():
    """Six 24 x 24 frames of an explosion: a flash, a growing fireball, a ring of fire,
    smoke, and the smoke thinning out."""
    c = Canvas(144, 24, MAGENTA)
    white, yellow, orange, red = (255, 255, 230), (255, 230, 90), (255, 150, 30), (220, 50, 30)
    smoke, smoke_light = (110, 106, 116), (160, 156, 166)

    def blob(x0, radius, colour, wobble, phase):
        def inside(x, y):
            angle = math.atan2(y - 12, x - 12)
            r = radius * (1 + wobble * math.sin(5 * angle + phase)
                          + wobble * 0.5 * math.sin(9 * angle + 2 * phase))
            return (x - 12) ** 2 + (y - 12) ** 2 <= r * r
        for x, y in cells_of(inside, 24, 24):
            c.put(x0 + x, y, colour)

    blob(0, 4.5, yellow, 0.15, 0)
    blob(0, 2.5, white, 0, 0)
    for radius, colour in ((7.5, orange), (5, yellow), (2.5, white)):
        blob(24, radius, colour, 0.15, 1)
    for radius, colour in ((10.5, red), (8, orange), (5, yellow), (2, white)):
        blob(48, radius, colour, 0.18, 2)
    for radius, colour in ((11.5, red), (9.5, orange), (6, red), (4, smoke)):
        blob(72, radius, colour, 0.16, 3)
    for k in range(7):
        angle = k * 2 * math.pi / 7 + 0.4
        cx, cy = 96 + 12 + 7 * math.cos(angle), 12 + 7 * math.sin(angle)
        c.ellipse(cx, cy, 4, 4, smoke)
        c.ellipse(cx - 1, cy - 1, 2, 2, smoke_light)
    c.ellipse(108, 12, 4, 4, smoke)
    c.ellipse(107, 11, 2, 2, orange)
    for k in range(5):
        angle = k * 2 * math.pi / 5 + 1.1
        cx, cy = 120 + 12 + 8.5 * math.cos(angle), 12 + 8.5 * math.sin(angle)
        c.ellipse(cx, cy, 2.6, 2.6, smoke_light)
        c.put(int(cx) - 1, int(cy) - 1, (200, 198, 206))
    return c


BAT_WINGS = (
    ("r......", "rr.....", "rwr....", "rwwr...", "rwwwr..", "rwwwwr.", "rwwwwwr", "rwrwwww",
     "r.rwrww", "...r.rr"),
    ("rrr....", "rwwrrr.", "rwwwwwr", "rwwwwww", ".rwrwww", "..r.rww", ".....r."),
    ("....rrr", "..rrwww", ".rwwwww", "rwwwwrw", "rwrwr.r", "r.r.r.."),
)
BAT_WING_TOP = (2, 6, 8)


def bat_frame(c, x0, pose, hit):
    """One 16 x 16 frame of a bat: wings up (0), level (1) or down (2); `hit` flashes it."""
    body, rim, wing = ((250, 230, 240), (200, 90, 120), (240, 200, 220)) if hit else \
        ((126, 70, 176), (52, 22, 80), (92, 48, 138))
    sprite(c, x0, BAT_WING_TOP[pose], BAT_WINGS[pose], {"r": rim, "w": wing}, mirror=True)
    ears = {(5, 4), (5, 5), (10, 4), (10, 5)}
    c.shape(x0, 0, cells_of(lambda x, y: ((x - 8) / 3.4) ** 2 + ((y - 9) / 4.2) ** 2 <= 1,
                            16, 16) | ears, body, rim)
    for x in (6, 9):
        c.put(x0 + x, 8, rim if hit else (255, 226, 60))
        c.put(x0 + x, 11, (255, 255, 255))


def bat():
    """Four 16 x 16 frames of a bat: wings up, level and down (in a loop it flies, the same
    to every side), and one flashing when hit."""
    c = Canvas(64, 16, MAGENTA)
    for i, (pose, hit) in enumerate(((0, False), (1, False), (2, False), (1, True))):
        bat_frame(c, i * 16, pose, hit)
    return c


# Each picture with how the editors cut it: a tile set into tiles across x down, a strip
# into frames side by side, an indicator into its full and empty halves.
TILE_SET, STRIP, INDICATOR = "tile set", "strip", "indicator"
PICTURES = {
    "ground.png": (ground, TILE_SET, (3, 2)),
    "ladder.png": (ladder, TILE_SET, (2, 1)),
    "sky.png": (sky, TILE_SET, (3, 1)),
    "platforms.png": (platforms, TILE_SET, (4, 2)),
    "bricks.png": (bricks, TILE_SET, (4, 2)),
    "hills.png": (hills, TILE_SET, (4, 3)),
    "person.png": (person, STRIP, 8),
    "enemy.png": (enemy, STRIP, 4),
    "bat.png": (bat, STRIP, 4),
    "car.png": (car, STRIP, 4),
    "coin.png": (coin, STRIP, 6),
    "heart.png": (heart, STRIP, 2),
    "key.png": (key, STRIP, 2),
    "door.png": (door, STRIP, 2),
    "flag.png": (flag, STRIP, 3),
    "bullet.png": (bullet, STRIP, 4),
    "explosion.png": (explosion, STRIP, 6),
    "bar.png": (bar, INDICATOR, 2),
    "bar-green.png": (bar_green, INDICATOR, 2),
    "bar-blue.png": (bar_blue, INDICATOR, 2),
    "lives.png": (lives, INDICATOR, 2),
}


def check(name, canvas, kind, cut):
    """Refuses a picture the editors would cut unevenly, one larger than the phone's
    240 x 320 screen, and a strip whose pixel at (1, 1), the colour the game makes
    transparent, is not the magenta backdrop."""
    across, down = cut if kind == TILE_SET else (cut, 1)
    problems = []
    if canvas.width % across or canvas.height % down:
        problems.append(f"{canvas.width} x {canvas.height} does not cut into {across} x {down}")
    if canvas.width // across > 240 or canvas.height // down > 320:
        problems.append("a piece is larger than the screen")
    if kind == STRIP and canvas.get(1, 1) != MAGENTA:
        problems.append("the pixel at (1, 1) is not magenta")
    if problems:
        raise SystemExit(f"{name}: " + "; ".join(problems))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "images")
    os.makedirs(out, exist_ok=True)
    for name, (draw, kind, cut) in PICTURES.items():
        canvas = draw()
        check(name, canvas, kind, cut)
        with open(os.path.join(out, name), "wb") as f:
            f.write(canvas.png())


if __name__ == "__main__":
    main()
