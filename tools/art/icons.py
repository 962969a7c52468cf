# The program icons (the rabbit's head) and the carrot and bottle icons.
from canvas import Canvas, rotate, scale, translate
from palette import SPRITE16, full_palette, palette_of
from props import bottle, carrot
from rabbit import Pose, draw_rabbit

ICON16 = ["black"] + SPRITE16[1:]  # the key's entry turns black under the transparency mask


def _head(canvas, size):
    """The head and ears fill the icon; the body runs off its bottom."""
    k = canvas.width / 32
    draw_rabbit(canvas, Pose(ears=(7, 7)), (canvas.width / 2, 21.5 * k + 47 * size), size=size)


def _carrot(canvas, size):
    k = size / 32
    carrot(canvas, rotate(-45).then(scale(1.45 * k)).then(translate(4 * k, 28 * k)))


def _bottle(canvas, size):
    k = size / 32
    bottle(canvas, rotate(90).then(scale(1.2 * k)).then(translate(16 * k, 1.5 * k)))


# The outline's weight in the large 32-bit images, which have smooth edges.
SMOOTH_LINE = {48: 1.5, 64: 2.0, 256: 5.0}


def _icon_image(draw, size, bpp):
    smooth = bpp == 32
    canvas = Canvas(size, size, samples=8, line=SMOOTH_LINE[size]) if smooth else Canvas(size, size)
    draw(canvas, size)
    if smooth:  # transparent where the key shows
        rows = canvas.smooth_rows()
        return rows, [[0 if a else 1 for _, _, _, a in r] for r in rows], [], bpp
    palette = palette_of(ICON16) if bpp == 4 else full_palette()
    key_rows = canvas.rows(palette_of(SPRITE16) if bpp == 4 else full_palette())
    black = palette.index((0, 0, 0))
    rows = [[black if i == 0 else i for i in r] for r in key_rows]
    mask = [[1 if i == 0 else 0 for i in r] for r in key_rows]
    return rows, mask, palette, bpp


# file: (resource name, label, [(draw, size, bpp)])
ICONS = {
    "varnok": ("IDI_VARNOK", "program icon",
               [(lambda c, s: _head(c, 0.62), 32, 4), (lambda c, s: _head(c, 0.31), 16, 4),
                (lambda c, s: _head(c, 0.62), 32, 8), (lambda c, s: _head(c, 0.93), 48, 32),
                (lambda c, s: _head(c, 1.2), 64, 32), (lambda c, s: _head(c, 4.6), 256, 32)]),
    "small": ("IDI_SMALL", "small icon", [(lambda c, s: _head(c, 0.31), 16, 4)]),
    "carrot": ("IDI_CARROT", "carrot", [(_carrot, 32, 4), (_carrot, 16, 4)]),
    "water-bottle": ("IDI_WATER_BOTTLE", "water bottle", [(_bottle, 32, 4), (_bottle, 16, 4)]),
}


def icon_images(name):
    return [_icon_image(draw, size, bpp) for draw, size, bpp in ICONS[name][2]]
