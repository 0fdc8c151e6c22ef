#!/usr/bin/env python3
"""Draws the three answer pictures of the riddle page: richtig.gif (a white
tick on a green disc), falsch.gif (a white cross on a red disc) and
falsrich.gif (a white question mark on a slate disc, shown until an answer is
chosen). Standard library only; run it in this directory to renew the files.

The pictures are 64 x 64 GIF89a with a transparent corner colour, drawn with
4 x 4 supersampling: the symbol's edge is blended into the disc colour, the
disc's own edge is cut at half coverage (GIF knows no partial transparency).
"""
import math
import struct
import sys

GROESSE = 64
UNTER = 4          # supersampling per axis
STUFEN = 8         # blend steps between disc colour and white
MITTE = GROESSE / 2
RADIUS = 30


def abstand_zur_strecke(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    laenge2 = dx * dx + dy * dy
    t = 0.0 if laenge2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / laenge2))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def linienzug(punkte, breite):
    strecken = list(zip(punkte, punkte[1:]))

    def innen(x, y):
        return any(abstand_zur_strecke(x, y, *a, *b) <= breite / 2 for a, b in strecken)
    return innen


def bogen(cx, cy, r, von, bis, schritte=40):
    return [(cx + r * math.cos(math.radians(von + (bis - von) * i / schritte)),
             cy - r * math.sin(math.radians(von + (bis - von) * i / schritte))) for i in range(schritte + 1)]


def haken():
    return linienzug([(17, 33), (27, 43), (47, 21)], 8)


def kreuz():
    a = linienzug([(20, 20), (44, 44)], 8)
    b = linienzug([(44, 20), (20, 44)], 8)
    return lambda x, y: a(x, y) or b(x, y)


def fragezeichen():
    punkte = bogen(32, 23, 10, 165, -60) + [(32, 37), (32, 39)]
    zug = linienzug(punkte, 7)
    return lambda x, y: zug(x, y) or math.hypot(x - 32, y - 48) <= 4.5


def zeichne(symbol, farbe):
    """Palette indices: 0 transparent, 1 + k the disc colour blended k/STUFEN to white."""
    pixel = []
    for y in range(GROESSE):
        for x in range(GROESSE):
            scheibe = zeichen = 0
            for j in range(UNTER):
                for i in range(UNTER):
                    sx = x + (i + 0.5) / UNTER
                    sy = y + (j + 0.5) / UNTER
                    if math.hypot(sx - MITTE, sy - MITTE) <= RADIUS:
                        scheibe += 1
                        if symbol(sx, sy):
                            zeichen += 1
            if scheibe * 2 < UNTER * UNTER:
                pixel.append(0)
            else:
                pixel.append(1 + round(STUFEN * zeichen / scheibe))
    palette = [(255, 255, 255)]
    for k in range(STUFEN + 1):
        palette.append(tuple(round(c + (255 - c) * k / STUFEN) for c in farbe))
    while len(palette) < 16:
        palette.append((0, 0, 0))
    return pixel, palette


def lzw_ohne_kompression(pixel, mindestgroesse):
    """Literal codes only, with a clear code before the table would make the
    code size grow: every decoder reads it, and the files stay tiny anyway."""
    loeschen = 1 << mindestgroesse
    breite = mindestgroesse + 1
    je_block = (1 << breite) - loeschen - 3
    codes = []
    for start in range(0, len(pixel), je_block):
        codes.append(loeschen)
        codes.extend(pixel[start:start + je_block])
    codes.append(loeschen + 1)
    bits = 0
    anzahl = 0
    ausgabe = bytearray()
    for code in codes:
        bits |= code << anzahl
        anzahl += breite
        while anzahl >= 8:
            ausgabe.append(bits & 0xFF)
            bits >>= 8
            anzahl -= 8
    if anzahl:
        ausgabe.append(bits & 0xFF)
    return bytes(ausgabe)


def gif(pixel, palette):
    daten = bytearray(b"GIF89a")
    daten += struct.pack("<HHBBB", GROESSE, GROESSE, 0x80 | 0x30 | 3, 0, 0)
    for farbe in palette:
        daten += bytes(farbe)
    daten += b"\x21\xf9\x04\x01\x00\x00\x00\x00"       # index 0 is transparent
    daten += b"\x2c" + struct.pack("<HHHHB", 0, 0, GROESSE, GROESSE, 0)
    daten.append(4)
    komprimiert = lzw_ohne_kompression(pixel, 4)
    for start in range(0, len(komprimiert), 255):
        block = komprimiert[start:start + 255]
        daten.append(len(block))
        daten += block
    daten += b"\x00\x3b"
    return bytes(daten)


def main():
    bilder = {
        "richtig.gif": (haken(), (46, 150, 62)),
        "falsch.gif": (kreuz(), (200, 38, 43)),
        "falsrich.gif": (fragezeichen(), (84, 101, 128)),
    }
    for name, (symbol, farbe) in bilder.items():
        with open(name, "wb") as datei:
            datei.write(gif(*zeichne(symbol, farbe)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
