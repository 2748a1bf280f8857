#!/usr/bin/python3
"""Draws the program's artwork and writes it in the exact formats the
executable carries:

  src/resources/title.bmp          359 x 85, 24 bits, bottom-up, 54-byte header
  src/resources/app.ico            nine sizes 256..16, 32 bits, each a PNG image
  src/resources/config_window.ico  one 32 x 32 image, 24 bits (3262 bytes)

Needs Debian's python3-pil and fonts-noto-cjk. The output is deterministic,
so running it again changes nothing unless the drawing changes.

    tools/artwork/generate.py [output-dir]
"""

import math
import struct
import sys
import zlib
from pathlib import Path

from PIL import Image, ImageDraw, ImageFilter, ImageFont

TITLE = "轮回之境"
SUBTITLE = "设 置 程 序"
TITLE_FONT = "/usr/share/fonts/opentype/noto/NotoSerifCJK-Bold.ttc"
SUBTITLE_FONT = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc"

TITLE_SIZE = (359, 85)
ICON_SIZES = (256, 128, 96, 72, 64, 48, 32, 24, 16)

GOLD_LIGHT = (255, 232, 160)
GOLD = (232, 184, 84)
GOLD_DARK = (150, 98, 30)
NIGHT = (18, 16, 44)
CRIMSON = (120, 24, 36)


def lerp(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def gradient(size, top, bottom, left_glow=None):
    """A vertical gradient with an optional warm glow behind the emblem."""
    width, height = size
    image = Image.new("RGB", size)
    pixels = image.load()
    for y in range(height):
        row = lerp(top, bottom, y / max(1, height - 1))
        for x in range(width):
            colour = row
            if left_glow is not None:
                cx, cy, radius, glow = left_glow
                d = math.hypot(x - cx, y - cy) / radius
                if d < 1.0:
                    colour = lerp(colour, glow, (1.0 - d) ** 2 * 0.55)
            pixels[x, y] = colour
    return image


def draw_emblem(size, with_plate):
    """The emblem: a golden wheel of eight spokes inside a ring, the cycle the
    game's title speaks of. Drawn at four times the size and reduced, so the
    edges are smooth at every size."""
    scale = 4
    big = size * scale
    layer = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    draw = ImageDraw.Draw(layer)
    centre = big / 2
    if with_plate:
        inset = big * 0.02
        draw.rounded_rectangle(
            (inset, inset, big - inset, big - inset),
            radius=big * 0.22,
            fill=CRIMSON + (255,),
            outline=GOLD_DARK + (255,),
            width=max(scale, round(big * 0.03)),
        )
        glow = Image.new("RGBA", (big, big), (0, 0, 0, 0))
        ImageDraw.Draw(glow).ellipse(
            (big * 0.1, big * 0.1, big * 0.9, big * 0.9), fill=(255, 120, 60, 90)
        )
        glow = glow.filter(ImageFilter.GaussianBlur(big * 0.08))
        layer = Image.alpha_composite(layer, glow)
        mask = Image.new("L", (big, big), 0)
        ImageDraw.Draw(mask).rounded_rectangle(
            (inset, inset, big - inset, big - inset), radius=big * 0.22, fill=255
        )
        alpha = Image.composite(layer.getchannel("A"), mask, mask)
        layer.putalpha(alpha)
        draw = ImageDraw.Draw(layer)
    outer = big * (0.40 if with_plate else 0.46)
    ring = outer * 0.16
    hub = outer * 0.22
    spoke = outer * 0.10
    for index in range(8):
        angle = index * math.pi / 4 + math.pi / 8
        ex = centre + math.cos(angle) * (outer - ring * 0.5)
        ey = centre + math.sin(angle) * (outer - ring * 0.5)
        draw.line((centre, centre, ex, ey), fill=GOLD + (255,), width=round(spoke))
    draw.ellipse(
        (centre - outer, centre - outer, centre + outer, centre + outer),
        outline=GOLD_LIGHT + (255,),
        width=round(ring),
    )
    draw.ellipse(
        (centre - outer + ring, centre - outer + ring, centre + outer - ring,
         centre + outer - ring),
        outline=GOLD_DARK + (255,),
        width=max(1, round(ring * 0.25)),
    )
    draw.ellipse((centre - hub, centre - hub, centre + hub, centre + hub),
                 fill=GOLD_LIGHT + (255,), outline=GOLD_DARK + (255,),
                 width=max(1, round(hub * 0.25)))
    return layer.resize((size, size), Image.LANCZOS)


def draw_title():
    width, height = TITLE_SIZE
    image = gradient(TITLE_SIZE, NIGHT, CRIMSON, (42, 42, 60, (255, 150, 70)))
    # Faint concentric arcs behind the text repeat the emblem's wheel.
    arcs = Image.new("RGBA", TITLE_SIZE, (0, 0, 0, 0))
    arc_draw = ImageDraw.Draw(arcs)
    for radius in range(60, 420, 26):
        arc_draw.ellipse((42 - radius, 42 - radius, 42 + radius, 42 + radius),
                         outline=GOLD + (28,), width=1)
    image = Image.alpha_composite(image.convert("RGBA"), arcs)
    emblem = draw_emblem(72, with_plate=False)
    image.alpha_composite(emblem, (6, 6))

    font = ImageFont.truetype(TITLE_FONT, 50)
    text_left = 92
    box = font.getbbox(TITLE)
    text_top = 2 - box[1] + (60 - (box[3] - box[1])) // 2
    shadow = Image.new("RGBA", TITLE_SIZE, (0, 0, 0, 0))
    ImageDraw.Draw(shadow).text((text_left + 2, text_top + 3), TITLE, font=font,
                                fill=(0, 0, 0, 200))
    image = Image.alpha_composite(image, shadow.filter(ImageFilter.GaussianBlur(2)))

    # Gold lettering: a vertical gradient seen through the text's shape.
    mask = Image.new("L", TITLE_SIZE, 0)
    ImageDraw.Draw(mask).text((text_left, text_top), TITLE, font=font, fill=255,
                              stroke_width=0)
    outline = Image.new("L", TITLE_SIZE, 0)
    ImageDraw.Draw(outline).text((text_left, text_top), TITLE, font=font, fill=255,
                                 stroke_width=2)
    image.paste(GOLD_DARK + (255,), (0, 0), outline)
    gold = gradient(TITLE_SIZE, GOLD_LIGHT, GOLD_DARK).convert("RGBA")
    image.paste(gold, (0, 0), mask)

    small = ImageFont.truetype(SUBTITLE_FONT, 13)
    draw = ImageDraw.Draw(image)
    # The window shows 83 of the 85 rows: keep the subtitle above the cut.
    draw.line((text_left + 2, 63, width - 14, 63), fill=GOLD_DARK + (255,), width=1)
    draw.text((width - 14, 79), SUBTITLE, font=small, fill=GOLD_LIGHT + (255,), anchor="rd")
    return image.convert("RGB")


def bmp_bytes(image):
    """A bottom-up 24-bit BMP with a 54-byte header and no resolution set."""
    width, height = image.size
    stride = (width * 3 + 3) & ~3
    rows = []
    raw = image.tobytes("raw", "BGR")
    for y in range(height - 1, -1, -1):
        row = raw[y * width * 3:(y + 1) * width * 3]
        rows.append(row + b"\0" * (stride - len(row)))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def and_mask(image, size):
    stride = ((size + 31) // 32) * 4
    alpha = image.getchannel("A").load()
    rows = []
    for y in range(size - 1, -1, -1):
        bits = bytearray(stride)
        for x in range(size):
            if alpha[x, y] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(bits))
    return b"".join(rows)


def icon_image(image, bits):
    """One icon image in bitmap form: header with doubled height, the colour
    rows bottom-up, then the 1-bit transparency mask."""
    size = image.size[0]
    if bits == 32:
        raw = image.tobytes("raw", "BGRA")
        stride = size * 4
    else:
        flat = Image.new("RGB", image.size, (0, 0, 0))
        flat.paste(image, (0, 0), image)
        raw = flat.tobytes("raw", "BGR")
        stride = size * 3
    padded = (stride + 3) & ~3
    colour = b"".join(
        raw[y * stride:(y + 1) * stride] + b"\0" * (padded - stride)
        for y in range(size - 1, -1, -1)
    )
    mask = and_mask(image, size)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                       len(colour) + len(mask), 0, 0, 0, 0)
    return info + colour + mask


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_image(image):
    """One icon image in PNG form: 8-bit RGBA, nothing but the pixels. The
    rows go unfiltered: for this flat artwork that compresses best at every
    size (by a quarter over adaptive filtering)."""
    width, height = image.size
    raw = image.tobytes("raw", "RGBA")
    stride = width * 4
    rows = b"".join(b"\0" + raw[y * stride:(y + 1) * stride] for y in range(height))
    packer = zlib.compressobj(9, zlib.DEFLATED, 15, 9)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", packer.compress(rows) + packer.flush()) + png_chunk(b"IEND", b""))


def ico_bytes(images, bits, png=False):
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = []
    blobs = []
    for image in images:
        size = image.size[0]
        blob = png_image(image) if png else icon_image(image, bits)
        entries.append(struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits,
                                   len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return header + b"".join(entries) + b"".join(blobs)


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parents[2] / "src" / "resources"
    out.mkdir(parents=True, exist_ok=True)
    (out / "title.bmp").write_bytes(bmp_bytes(draw_title()))
    (out / "app.ico").write_bytes(
        ico_bytes([draw_emblem(size, with_plate=True) for size in ICON_SIZES], 32, png=True))
    (out / "config_window.ico").write_bytes(ico_bytes([draw_emblem(32, with_plate=True)], 24))
    for name in ("title.bmp", "app.ico", "config_window.ico"):
        print(f"{out / name}: {(out / name).stat().st_size} bytes")


if __name__ == "__main__":
    main()
