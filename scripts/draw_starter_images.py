#!/usr/bin/env python3
"""Draws the starter pictures of the images folder: tile sets for ground, ladder and
sky, a walking person (four directions), an enemy, a car seen from above and an
indicator bar. Only the standard library is used; run it to redraw images/*.png:

    python3 scripts/draw_starter_images.py [OUTDIR]
"""
import os
import struct
import sys
import zlib

MAGENTA = (255, 0, 255)  # the background of the sprite strips: "сделать фон прозрачным"


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

    def png(self):
        raw = b"".join(
            b"\x00" + b"".join(struct.pack("BBB", *p) for p in row) for row in self.pixels)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def speckle(canvas, x0, y0, w, h, colour, step):
    """A regular sprinkle of dots, so tiles look like earth or stone, not flat paint."""
    for i in range(0, w * h, step):
        canvas.put(x0 + (i * 7) % w, y0 + (i * 3 // w * 5 + i) % h, colour)


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
    c = Canvas(32, 16, (120, 190, 255))
    wood, rung = (150, 100, 40), (190, 140, 70)
    for x0 in (0, 16):
        c.rect(x0 + 2, 0, 2, 16, wood)
        c.rect(x0 + 12, 0, 2, 16, wood)
        for y in (2, 7, 12):
            c.rect(x0 + 4, y, 8, 2, rung)
    c.rect(16, 0, 16, 2, (120, 190, 255))
    c.rect(17, 0, 4, 2, wood)
    c.rect(27, 0, 4, 2, wood)
    return c


def sky():
    """Three 32 x 32 tiles: clear sky, the left half and the right half of a cloud."""
    c = Canvas(96, 32, (120, 190, 255))
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


def bar():
    """An indicator: the full bar on the left half, the empty one on the right half."""
    c = Canvas(96, 10, (40, 40, 40))
    for x0, fill in ((0, (230, 40, 40)), (48, (70, 70, 70))):
        c.rect(x0, 0, 48, 10, (20, 20, 20))
        c.rect(x0 + 1, 1, 46, 8, fill)
        c.rect(x0 + 1, 1, 46, 2, tuple(min(255, v + 60) for v in fill))
    return c


PICTURES = {
    "ground.png": ground,
    "ladder.png": ladder,
    "sky.png": sky,
    "person.png": person,
    "enemy.png": enemy,
    "car.png": car,
    "bar.png": bar,
}


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "images")
    os.makedirs(out, exist_ok=True)
    for name, draw in PICTURES.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(draw().png())


if __name__ == "__main__":
    main()
