#!/usr/bin/python3
"""Writes the plug-in's default textures: the wanted star, four crosshairs and
thirteen glyphs (digits 0-9, dollar, plus, minus).

Usage: make_assets.py [OUTPUT_DIR]
OUTPUT_DIR is the game folder to write into (default: this repository's
assets/ folder); files land under OUTPUT_DIR/SAMPFUNCS/Velomark/.

Every texture is white on a transparent background, edged with a dark
outline. The plug-in multiplies each texture by an ARGB tint from its settings
file, so the white parts take the configured colour exactly while the outline
stays dark and keeps the shape readable on bright scenery.

The output is byte-for-byte reproducible for a given Debian release: fixed
font, fixed geometry, no randomness, and PNG files without any metadata chunk.
Needs Debian's python3-pil and fonts-dejavu-core.
"""

import math
import sys
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

FONT_PATH = Path("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf")
PLUGIN_DIR = Path("SAMPFUNCS") / "Velomark"

OUTLINE_RGB = (0, 0, 0)

# Glyphs share one cell so that a strip of digits lines up whatever the digits.
# The font size is the largest at which every glyph, outline included, keeps a
# 2 px margin on each side: with an advance of one cell width (fLetterOffset
# 1.0) neighbouring digits then stand apart instead of touching.
GLYPH_CELL = (32, 48)
GLYPH_FONT_SIZE = 38
GLYPH_OUTLINE_PX = 2
GLYPH_OUTLINE_ALPHA = 255
GLYPH_MARGIN_PX = 2
# File stem -> character. U+2212 is the typographic minus, as wide as the plus.
GLYPHS = [(str(d), str(d)) for d in range(10)] + [
    ("dollar", "$"),
    ("+", "+"),
    ("-", "\u2212"),
]

SHAPE_SIZE = 64
CENTRE = SHAPE_SIZE / 2

STAR_OUTER_RADIUS = 30.0
# Slightly fuller than a regular pentagram (0.382) so the star stays solid
# when drawn only a dozen pixels wide.
STAR_INNER_RATIO = 0.42
STAR_OUTLINE_PX = 2.0
STAR_OUTLINE_ALPHA = 200

CROSSHAIR_STROKE = 4.0
CROSSHAIR_OUTLINE_PX = 1.5
CROSSHAIR_OUTLINE_ALPHA = 200


# --- Shapes as signed distance functions (negative inside, in pixels) -------
# A pixel's coverage is taken from the distance at its centre, which renders
# axis-aligned edges on pixel boundaries perfectly sharp and antialiases the
# rest, with no dependence on a rasteriser's rounding rules.


def disc(cx, cy, radius):
    return lambda x, y: math.hypot(x - cx, y - cy) - radius


def ring(cx, cy, radius, thickness):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - radius) - thickness / 2


def polygon(points):
    edges = list(zip(points, points[1:] + points[:1]))

    def distance(x, y):
        nearest = math.inf
        inside = False
        for (x0, y0), (x1, y1) in edges:
            dx, dy = x1 - x0, y1 - y0
            t = ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)
            t = min(1.0, max(0.0, t))
            nearest = min(nearest, math.hypot(x - x0 - t * dx, y - y0 - t * dy))
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * dx / dy:
                inside = not inside
        return -nearest if inside else nearest

    return distance


def radial_bar(angle_deg, r_from, r_to, thickness):
    """A bar of the given thickness along the ray from the centre at angle_deg
    (0 = right, 90 = down), spanning radii r_from..r_to."""
    a = math.radians(angle_deg)
    # Drop floating-point dust (cos 90 deg is 6e-17) so that bars along the
    # axes have edges exactly on pixel boundaries.
    ux, uy = round(math.cos(a), 12), round(math.sin(a), 12)
    nx, ny = -uy * thickness / 2, ux * thickness / 2
    near = (CENTRE + ux * r_from, CENTRE + uy * r_from)
    far = (CENTRE + ux * r_to, CENTRE + uy * r_to)
    return polygon([
        (near[0] + nx, near[1] + ny),
        (far[0] + nx, far[1] + ny),
        (far[0] - nx, far[1] - ny),
        (near[0] - nx, near[1] - ny),
    ])


def coverage_mask(shapes, grow):
    """L mask of the union of shapes, each widened by grow pixels."""
    mask = Image.new("L", (SHAPE_SIZE, SHAPE_SIZE), 0)
    pixels = mask.load()
    for py in range(SHAPE_SIZE):
        for px in range(SHAPE_SIZE):
            d = min(shape(px + 0.5, py + 0.5) for shape in shapes) - grow
            pixels[px, py] = round(255 * min(1.0, max(0.0, 0.5 - d)))
    return mask


def outlined(fill_mask, outline_mask, outline_alpha):
    """White fill over a dark outline, on a transparent background."""
    size = fill_mask.size
    outline = Image.new("RGBA", size, OUTLINE_RGB + (0,))
    outline.putalpha(outline_mask.point(lambda v: v * outline_alpha // 255))
    fill = Image.new("RGBA", size, (255, 255, 255, 0))
    fill.putalpha(fill_mask)
    return Image.alpha_composite(outline, fill)


def render_shapes(shapes, outline_px, outline_alpha):
    return outlined(coverage_mask(shapes, 0.0), coverage_mask(shapes, outline_px), outline_alpha)


# --- Textures ----------------------------------------------------------------


def star_texture():
    # Centre the star's bounding box: its points reach the outer radius at
    # the top but only outer * cos(36 deg) at the bottom.
    cy = CENTRE + STAR_OUTER_RADIUS * (1 - math.cos(math.radians(36))) / 2
    points = []
    for i in range(10):
        radius = STAR_OUTER_RADIUS if i % 2 == 0 else STAR_OUTER_RADIUS * STAR_INNER_RATIO
        a = math.radians(-90 + 36 * i)
        points.append((CENTRE + radius * math.cos(a), cy + radius * math.sin(a)))
    return render_shapes([polygon(points)], STAR_OUTLINE_PX, STAR_OUTLINE_ALPHA)


def crosshair_shapes():
    s = CROSSHAIR_STROKE
    cardinal = (0, 90, 180, 270)
    diagonal = (45, 135, 225, 315)
    return {
        # Small ring and a centre dot: precise single shots.
        "pistol": [ring(CENTRE, CENTRE, 12, s), disc(CENTRE, CENTRE, 3)],
        # Wide ring with short inward ticks: the spread of a shot.
        "shotgun": [ring(CENTRE, CENTRE, 25.5, s)]
        + [radial_bar(a, 16, 24, s) for a in cardinal],
        # Four short diagonal ticks around a dot.
        "smg": [radial_bar(a, 9, 21, s) for a in diagonal] + [disc(CENTRE, CENTRE, 2.5)],
        # Long cross with an open centre.
        "assault": [radial_bar(a, 7, 29, s) for a in cardinal],
    }


def glyph_texture(font, char):
    """The character on the shared cell: its advance box centred horizontally,
    every glyph on one baseline chosen to centre the digits vertically."""
    width, height = GLYPH_CELL
    origin_x = (width - round(font.getlength(char))) // 2
    top, bottom = digit_ink_extent(font)
    baseline = (height - (bottom - top)) // 2 - top

    masks = []
    for stroke in (0, GLYPH_OUTLINE_PX):
        mask = Image.new("L", GLYPH_CELL, 0)
        ImageDraw.Draw(mask).text(
            (origin_x, baseline), char, font=font, fill=255, anchor="ls",
            stroke_width=stroke, stroke_fill=255,
        )
        masks.append(mask)
    fill_mask, outline_mask = masks
    check_inside_cell(char, outline_mask)
    return outlined(fill_mask, outline_mask, GLYPH_OUTLINE_ALPHA)


def digit_ink_extent(font):
    """Top and bottom of the outlined digits' ink, relative to the baseline."""
    probe = Image.new("L", (4 * GLYPH_CELL[0], 4 * GLYPH_CELL[1]), 0)
    baseline = 3 * GLYPH_CELL[1]
    ImageDraw.Draw(probe).text(
        (GLYPH_CELL[0], baseline), "0123456789", font=font, fill=255, anchor="ls",
        stroke_width=GLYPH_OUTLINE_PX, stroke_fill=255,
    )
    _, top, _, bottom = probe.getbbox()
    return top - baseline, bottom - baseline


def check_inside_cell(char, outline_mask):
    left, top, right, bottom = outline_mask.getbbox()
    width, height = GLYPH_CELL
    m = GLYPH_MARGIN_PX
    if left < m or top < m or right > width - m or bottom > height - m:
        raise SystemExit(f"glyph {char!r} does not fit the {width}x{height} cell")


def all_textures():
    """(relative path, image) for every texture, in the plug-in's load order."""
    if not FONT_PATH.is_file():
        raise SystemExit(f"{FONT_PATH} is missing: apt-get install fonts-dejavu-core")
    font = ImageFont.truetype(str(FONT_PATH), GLYPH_FONT_SIZE, layout_engine=ImageFont.Layout.BASIC)

    yield Path("star") / "star.png", star_texture()
    for name, shapes in crosshair_shapes().items():
        yield Path("crosshairs") / f"{name}.png", render_shapes(
            shapes, CROSSHAIR_OUTLINE_PX, CROSSHAIR_OUTLINE_ALPHA)
    for stem, char in GLYPHS:
        yield Path("characters") / f"{stem}.png", glyph_texture(font, char)


def main(argv):
    if len(argv) > 2:
        raise SystemExit(__doc__)
    game_dir = Path(argv[1]) if len(argv) == 2 else Path(__file__).resolve().parent.parent / "assets"
    for relative, image in all_textures():
        path = game_dir / PLUGIN_DIR / relative
        path.parent.mkdir(parents=True, exist_ok=True)
        # A fresh image carries no info dict, so Pillow writes only the image
        # chunks: no time stamp, no text, no physical size.
        image.save(path, format="PNG", optimize=False, compress_level=9)
        print(path)


if __name__ == "__main__":
    main(sys.argv)
