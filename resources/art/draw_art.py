#!/usr/bin/python3
"""Draws Zerin's skin bitmaps and its application icon into the folder of this script.

Needs Debian's Python 3 with Pillow (python3-pil) and the DejaVu fonts (fonts-dejavu-core):
    /usr/bin/python3 resources/art/draw_art.py
The bitmaps are 24-bit, uncompressed and bottom-up; the icon holds 16 x 16 and 32 x 32 images in
16 and 256 colours with transparency masks. The drawing is deterministic.
"""
import math
import random
import struct
from pathlib import Path

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

HERE = Path(__file__).resolve().parent
TITLE_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
TITLE = "Network Setup Utility"

FIELD_GREY = (183, 183, 183)
PANEL_WHITE = (237, 237, 237)
# Faces of the cube: light top, lit left side, shaded right side; and its outline.
CUBE_FACES = {"top": (112, 172, 244), "left": (38, 108, 220), "right": (22, 68, 168)}
CUBE_RIM = (10, 32, 96)


# ---------------------------------------------------------------- the cube


def cube_faces(size):
    """Origin, end of u and end of v of the three visible faces of an isometric cube whose
    outline is the size x size square: a 2:1 diamond on top of two sides."""
    half, rise = size / 2, size / 4
    centre, bottom = (half, 2 * rise), (half, size)
    left_up, right_up, left_down = (0, rise), (size, rise), (0, 3 * rise)
    return {
        "top": ((half, 0), right_up, left_up),
        "left": (left_up, centre, left_down),
        "right": (centre, right_up, bottom),
    }


def face_coordinates(corners, x, y):
    """(u, v) of point (x, y) in a face, or None when the point lies outside it."""
    (ox, oy), (ux, uy), (vx, vy) = corners
    ax, ay, bx, by = ux - ox, uy - oy, vx - ox, vy - oy
    det = ax * by - ay * bx
    u = ((x - ox) * by - (y - oy) * bx) / det
    v = (ax * (y - oy) - ay * (x - ox)) / det
    return (u, v) if 0 <= u < 1 and 0 <= v < 1 else None


def scaled(colour, factor):
    return tuple(max(0, min(255, round(c * factor))) for c in colour)


def block_colour(face, u, v, blocks, gap):
    """A face is a grid of blocks: dark grooves between them, each block lit on its upper
    edges and shaded on its lower ones, the whole face a little brighter towards its top."""
    base = scaled(CUBE_FACES[face], 1.08 - 0.16 * (v if face != "top" else (u + v) / 2))
    bu, bv = (u * blocks) % 1, (v * blocks) % 1
    if min(bu, bv) < gap or max(bu, bv) > 1 - gap:
        return scaled(base, 0.5)
    bevel = gap + 0.12
    if min(bu, bv) < bevel:
        return scaled(base, 1.22)
    if max(bu, bv) > 1 - bevel:
        return scaled(base, 0.86)
    return base


def cube(size, blocks, gap, supersample):
    """An RGBA picture of the blue block cube with a dark rim so that it stands out on any
    background; shaded supersample times larger and reduced, for smooth edges."""
    big = size * supersample
    image = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    faces = cube_faces(big)
    pixels = image.load()
    for y in range(big):
        for x in range(big):
            for face, corners in faces.items():
                uv = face_coordinates(corners, x + 0.5, y + 0.5)
                if uv:
                    pixels[x, y] = block_colour(face, *uv, blocks, gap) + (255,)
                    break
    small = image.resize((size, size), Image.Resampling.BOX)
    return with_rim(small)


def with_rim(image):
    """Darkens the opaque pixels that touch a transparent one."""
    alpha = image.getchannel("A").point(lambda a: 255 if a >= 128 else 0)
    inner = alpha.filter(ImageFilter.MinFilter(3))
    rim = ImageChops.subtract(alpha, inner)
    dark = Image.new("RGBA", image.size, CUBE_RIM + (255,))
    out = image.copy()
    out.paste(dark, mask=rim.point(lambda a: a * 3 // 4))
    out.putalpha(alpha)
    return out


# ---------------------------------------------------------------- the skins


def vertical_gradient(size, top, bottom):
    width, height = size
    column = Image.new("RGB", (1, height))
    for y in range(height):
        t = y / max(1, height - 1)
        column.putpixel((0, y), tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)))
    return column.resize((width, height))


def spiral_arm(centre, scale, phase, steps, factor):
    """Points of one arm of a flattened logarithmic spiral, in a factor times larger picture."""
    points = []
    for step in range(steps):
        angle = step * 0.028
        radius = 14 * scale * math.exp(0.30 * angle)
        points.append((factor * (centre[0] + radius * math.cos(angle + phase)),
                       factor * (centre[1] + 0.56 * radius * math.sin(angle + phase))))
    return points


def swirl_layer(size, centre, scale):
    """Alpha of a faint swirl: a few long spiral arms winding out of a centre, each a soft band
    with a finer line inside, fading in at the centre and out at its far end."""
    width, height = size
    factor, steps = 2, 400
    alpha = Image.new("L", (width * factor, height * factor), 0)
    draw = ImageDraw.Draw(alpha)
    for arm in range(3):
        points = spiral_arm(centre, scale, arm * 2 * math.pi / 3, steps, factor)
        for step in range(1, steps):
            t = step / steps
            fade = math.sin(math.pi * t) ** 1.5
            band = max(2, round(factor * 16 * scale * t))
            draw.line(points[step - 1:step + 1], fill=round(22 * fade), width=band)
            draw.line(points[step - 1:step + 1], fill=round(46 * fade), width=max(1, factor))
    alpha = alpha.filter(ImageFilter.GaussianBlur(factor * 1.5 * scale))
    return alpha.resize(size, Image.Resampling.BOX)


def draw_tile(draw, x, y, side, opacity):
    """A glass tile: lighter at its top, with a bright upper rim and a faint dark lower one."""
    for row in range(side):
        shade = round(opacity * (78 - 34 * row / side))
        draw.line((x, y + row, x + side - 1, y + row), fill=(255, 255, 255, shade))
    draw.line((x, y, x + side - 1, y), fill=(255, 255, 255, round(150 * opacity)))
    draw.line((x, y, x, y + side - 1), fill=(255, 255, 255, round(110 * opacity)))
    last = side - 1
    draw.line((x + 1, y + last, x + last, y + last), fill=(0, 0, 0, round(40 * opacity)))
    draw.line((x + last, y + 1, x + last, y + last), fill=(0, 0, 0, round(30 * opacity)))


def tile_layer(size, top, scale, seed, strength=1.0):
    """Translucent glass tiles in columns from the right edge, thinning out to the left and
    fading away above the bottom edge, where a window has its row of buttons."""
    width, height = size
    layer = Image.new("RGBA", size, (0, 0, 0, 0))
    draw = ImageDraw.Draw(layer)
    rng = random.Random(seed)
    side, pitch = round(30 * scale), round(37 * scale)
    columns = 8
    for column in range(columns):
        x = width - round(10 * scale) - (column + 1) * pitch + (pitch - side)
        fade = (1 - column / columns) ** 1.3
        for y in range(top + round(12 * scale), height - side, pitch):
            lower_fade = min(1.0, (height - y - side) / (0.16 * height))
            if rng.random() > 0.3 + 0.6 * fade or lower_fade < 0.1:
                continue
            draw_tile(draw, x, y, side, strength * fade * lower_fade * rng.uniform(0.4, 1.0))
    return layer


def field(size, top=0, scale=1.0, seed=7):
    """The light grey field with its swirl and its tiles towards the right edge."""
    width, height = size
    image = Image.new("RGB", size, FIELD_GREY)
    swirl = swirl_layer(size, (width * 0.30, top + (height - top) * 0.58), scale)
    image.paste(Image.new("RGB", size, (255, 255, 255)), mask=swirl)
    return Image.alpha_composite(image.convert("RGBA"), tile_layer(size, top, scale, seed))


def banner(width, scale):
    """The grey gradient banner with the cube logo and the title, above its dark bar."""
    height, bar = round(104 * scale), round(11 * scale)
    image = vertical_gradient((width, height), (132, 132, 132), (84, 84, 84)).convert("RGBA")
    sheen = Image.new("RGBA", (width, height // 2), (255, 255, 255, 255))
    sheen.putalpha(vertical_gradient((width, height // 2), (46,) * 3, (6,) * 3).convert("L"))
    image.alpha_composite(sheen)
    image.alpha_composite(tile_layer((width, height), -round(6 * scale), scale * 0.8, 3, 0.5))
    logo_size = round(70 * scale)
    logo_x, logo_y = round(28 * scale), (height - logo_size) // 2
    place_logo(image, cube(logo_size, 3, 0.05, 6), logo_x, logo_y, scale)
    draw_title(image, logo_x + logo_size + round(24 * scale), height, scale)
    return image, height, bar


def place_logo(image, logo, x, y, scale):
    """The logo at (x, y) over its soft drop shadow."""
    margin = round(10 * scale)
    shadow = Image.new("RGBA", (logo.width + 2 * margin, logo.height + 2 * margin), (0, 0, 0, 0))
    shade = logo.getchannel("A").point(lambda a: a * 0.45)
    shadow.paste((0, 0, 0, 255), (margin, margin), mask=shade)
    shadow = shadow.filter(ImageFilter.GaussianBlur(3 * scale))
    image.alpha_composite(shadow, (x - margin + round(3 * scale), y - margin + round(4 * scale)))
    image.alpha_composite(logo, (x, y))


def draw_title(image, x, height, scale):
    font = ImageFont.truetype(TITLE_FONT, round(36 * scale))
    ascent, descent = font.getmetrics()
    y = (height - ascent - descent) // 2 + round(2 * scale)
    shadow = Image.new("RGBA", image.size, (0, 0, 0, 0))
    offset = 2 * scale
    ImageDraw.Draw(shadow).text((x + offset, y + offset), TITLE, font=font, fill=(0, 0, 0, 150))
    image.alpha_composite(shadow.filter(ImageFilter.GaussianBlur(1.6 * scale)))
    ImageDraw.Draw(image).text((x, y), TITLE, font=font, fill=(255, 255, 255, 255))


def dark_bar(image, width, top, bar):
    """The dark bar that closes the banner, casting a short soft shadow on the field below."""
    shadow_height = max(3, bar // 2)
    shadow = vertical_gradient((width, shadow_height), (70,) * 3, (0,) * 3).convert("L")
    image.paste((0, 0, 0, 255), (0, top + bar, width, top + bar + shadow_height), mask=shadow)
    draw = ImageDraw.Draw(image)
    draw.rectangle((0, top, width - 1, top + bar - 1), fill=(46, 46, 46))
    draw.line((0, top, width - 1, top), fill=(24, 24, 24))
    draw.line((0, top + 1, width - 1, top + 1), fill=(78, 78, 78))
    draw.line((0, top + bar - 1, width - 1, top + bar - 1), fill=(128, 128, 128))


def banner_skin(size):
    width, height = size
    scale = width / 780
    head, head_height, bar = banner(width, scale)
    image = field(size, head_height + bar, scale)
    image.alpha_composite(head)
    dark_bar(image, width, head_height, bar)
    return image.convert("RGB")


def plain_skin(size):
    return field(size, 0, 1.0).convert("RGB")


def side_panel(size):
    """The wizard's side picture: flat grey with a faint bevel, the cube logo near the top and a
    few faint tiles in the lower right corner."""
    width, height = size
    image = Image.new("RGBA", size, FIELD_GREY + (255,))
    place_logo(image, cube(64, 3, 0.05, 6), (width - 64) // 2, 36, 1.0)
    tiles = Image.new("RGBA", size, (0, 0, 0, 0))
    draw = ImageDraw.Draw(tiles)
    for column, row, opacity in ((0, 0, 0.5), (0, 1, 0.8), (1, 1, 0.45), (0, 2, 0.6),
                                 (1, 2, 0.9), (2, 2, 0.35)):
        draw_tile(draw, width - 36 - 29 * column, height - 96 + 29 * row, 24, opacity)
    image.alpha_composite(tiles)
    draw = ImageDraw.Draw(image)
    draw.line((0, 0, width - 1, 0), fill=(198, 198, 198))
    draw.line((0, 0, 0, height - 1), fill=(198, 198, 198))
    draw.line((0, height - 1, width - 1, height - 1), fill=(168, 168, 168))
    draw.line((width - 1, 0, width - 1, height - 1), fill=(168, 168, 168))
    return image.convert("RGB")


def light_panel(size):
    return vertical_gradient(size, PANEL_WHITE, (206, 206, 206))


# ---------------------------------------------------------------- file formats


def write_bmp(image, path):
    """A 24-bit, uncompressed, bottom-up device-independent bitmap file."""
    width, height = image.size
    stride = (width * 3 + 3) & ~3
    rows = []
    raw = image.convert("RGB").tobytes("raw", "BGR")
    for y in range(height - 1, -1, -1):
        row = raw[y * width * 3:(y + 1) * width * 3]
        rows.append(row + b"\0" * (stride - len(row)))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    path.write_bytes(header + info + pixels)


def palette_for(image, mask, colours):
    """Up to colours entries for the opaque pixels, black first for the transparent ones."""
    opaque = [image.getpixel((x, y)) for y in range(image.height) for x in range(image.width)
              if mask[y][x]]
    unique = sorted(set(opaque))
    if len(unique) >= colours:
        strip = Image.new("RGB", (len(opaque), 1))
        strip.putdata(opaque)
        reduced = strip.quantize(colours - 1, method=Image.Quantize.MEDIANCUT,
                                 dither=Image.Dither.NONE)
        flat = reduced.getpalette()[:3 * (colours - 1)]
        unique = [tuple(flat[i:i + 3]) for i in range(0, len(flat), 3)]
    return [(0, 0, 0)] + unique + [(0, 0, 0)] * (colours - 1 - len(unique))


def nearest(palette, colour):
    return min(range(1, len(palette)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], colour)))


def packed_rows(values, bits, width):
    """Rows of bits-wide values, most significant first, padded to 4 bytes, bottom row first."""
    stride = ((width * bits + 31) // 32) * 4
    out = bytearray()
    for row in reversed(values):
        number = 0
        for value in row:
            number = (number << bits) | value
        number <<= stride * 8 - width * bits
        out += number.to_bytes(stride, "big")
    return bytes(out)


def icon_image(rgba, bits):
    """One icon image: header, palette, colour bits and the AND mask (1 = transparent)."""
    width, height = rgba.size
    mask = [[rgba.getpixel((x, y))[3] >= 128 for x in range(width)] for y in range(height)]
    rgb = rgba.convert("RGB")
    palette = palette_for(rgb, mask, 1 << bits)
    indexes = [[nearest(palette, rgb.getpixel((x, y))) if mask[y][x] else 0 for x in range(width)]
               for y in range(height)]
    colour_bits = packed_rows(indexes, bits, width)
    and_bits = packed_rows([[0 if opaque else 1 for opaque in row] for row in mask], 1, width)
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, bits, 0,
                         len(colour_bits) + len(and_bits), 0, 0, 0, 0)
    quads = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    return header + quads + colour_bits + and_bits


def write_ico(images, path):
    """An icon file of (rgba picture, bits per pixel) images, in the given order."""
    blobs = [(rgba.size, bits, icon_image(rgba, bits)) for rgba, bits in images]
    offset = 6 + 16 * len(blobs)
    directory = struct.pack("<HHH", 0, 1, len(blobs))
    for (width, height), bits, blob in blobs:
        colour_count = 1 << bits if bits < 8 else 0
        directory += struct.pack("<BBBBHHII", width, height, colour_count, 0, 1, bits, len(blob),
                                 offset)
        offset += len(blob)
    path.write_bytes(directory + b"".join(blob for _, _, blob in blobs))


def main():
    write_bmp(banner_skin((780, 600)), HERE / "skin_main.bmp")
    write_bmp(banner_skin((600, 463)), HERE / "skin_share_mapping.bmp")
    write_bmp(plain_skin((502, 206)), HERE / "skin_verify.bmp")
    write_bmp(plain_skin((517, 405)), HERE / "skin_page.bmp")
    write_bmp(side_panel((190, 308)), HERE / "wizard_side.bmp")
    write_bmp(light_panel((160, 250)), HERE / "panel_light.bmp")
    small, large = cube(16, 2, 0.12, 2), cube(32, 3, 0.1, 2)
    write_ico([(small, 4), (small, 8), (large, 4), (large, 8)], HERE / "zerin.ico")


if __name__ == "__main__":
    main()
