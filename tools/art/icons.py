# The program icons (the rabbit's head), the carrot and bottle icons, and the three cursors.
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


def _icon_image(draw, size, bpp):
    canvas = Canvas(size, size)
    draw(canvas, size)
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
                (lambda c, s: _head(c, 0.62), 32, 8)]),
    "small": ("IDI_SMALL", "small icon", [(lambda c, s: _head(c, 0.31), 16, 4)]),
    "carrot": ("IDI_CARROT", "carrot", [(_carrot, 32, 4), (_carrot, 16, 4)]),
    "water-bottle": ("IDI_WATER_BOTTLE", "water bottle", [(_bottle, 32, 4), (_bottle, 16, 4)]),
}


def icon_images(name):
    return [_icon_image(draw, size, bpp) for draw, size, bpp in ICONS[name][2]]


# Cursors are monochrome: shapes fill white, a black line runs around them and between parts.
def _pointing_hand(x, y):
    parts = [(10, 7, 12, 22), (14, 12, 16, 22), (18, 13, 20, 22), (22, 15, 24, 22),
             (10, 20, 24, 27), (5, 17, 9, 22), (7, 21, 10, 24), (12, 28, 23, 29)]
    return any(l <= x <= r and t <= y <= b for l, t, r, b in parts) and not (
        (x, y) in ((10, 27), (24, 27), (5, 17), (5, 22)))


def _grabbing_hand(x, y):
    parts = [(8, 8, 11, 14), (13, 8, 16, 14), (18, 8, 21, 14), (23, 9, 25, 14),
             (7, 12, 25, 24), (3, 14, 8, 19), (9, 25, 23, 27)]
    return any(l <= x <= r and t <= y <= b for l, t, r, b in parts) and not (
        (x, y) in ((8, 8), (11, 8), (13, 8), (16, 8), (18, 8), (21, 8), (25, 9), (3, 14),
                   (3, 19), (7, 24), (25, 24)))


def _move_arrows(x, y):
    dx, dy = abs(x - 16), abs(y - 16)
    along, across = max(dx, dy), min(dx, dy)
    shaft = across <= 1 and along <= 10
    head = 10 <= along <= 14 and across <= 14 - along
    return shaft or head


CURSORS = {
    "link-hand": ("IDC_LINK_HAND", "link: pointing hand", _pointing_hand, (11, 7)),
    "drag-hand": ("IDC_DRAG_HAND", "drag: grabbing hand", _grabbing_hand, (4, 16)),
    "move-arrows": ("IDC_MOVE_ARROWS", "over the rabbit: move", _move_arrows, (16, 16)),
}


def cursor_image(name):
    """rows (0 black, 1 white), mask (1 transparent) and hot spot of a 32x32 cursor."""
    inside = CURSORS[name][2]
    filled = [[inside(x, y) for x in range(32)] for y in range(32)]

    def near(x, y):
        return any(0 <= x + i < 32 and 0 <= y + j < 32 and filled[y + j][x + i]
                   for i in (-1, 0, 1) for j in (-1, 0, 1))
    rows = [[1 if filled[y][x] else 0 for x in range(32)] for y in range(32)]
    mask = [[0 if near(x, y) else 1 for x in range(32)] for y in range(32)]
    return rows, mask, CURSORS[name][3]
