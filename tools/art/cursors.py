# The three cursors: a white shape with a black line around it and between its parts. The
# 32x32 image is monochrome and drawn pixel by pixel; the 48x48 and 64x64 images for high-DPI
# screens are drawn from the same parts with their straight edges on whole pixels and smooth
# (partly transparent) curves, in 32 bits with alpha.
import math

SIZES = (32, 48, 64)
LINE = {48: 1, 64: 2}  # the black line's width in the larger images
SAMPLES = 8  # samples per pixel along each axis in the larger images

# A hand is made of parts: (left, top, right, bottom) as inclusive pixels of the 32x32 image
# and the radius of their corners in the larger images; the 32x32 image cuts single corner
# pixels off instead.
POINTING_HAND = [(10, 7, 12, 22, 1.5), (14, 12, 16, 22, 1.5), (18, 13, 20, 22, 1.5),
                 (22, 15, 24, 22, 1.5), (10, 20, 24, 27, 2), (5, 17, 9, 22, 2.5),
                 (7, 21, 10, 24, 1), (12, 28, 23, 29, 0)]
POINTING_HAND_CUT = ((10, 27), (24, 27), (5, 17), (5, 22))
GRABBING_HAND = [(8, 8, 11, 14, 1.5), (13, 8, 16, 14, 1.5), (18, 8, 21, 14, 1.5),
                 (23, 9, 25, 14, 1.5), (7, 12, 25, 24, 2), (3, 14, 8, 19, 2.5),
                 (9, 25, 23, 27, 0)]
GRABBING_HAND_CUT = ((8, 8), (11, 8), (13, 8), (16, 8), (18, 8), (21, 8), (25, 9), (3, 14),
                     (3, 19), (7, 24), (25, 24))
# The move arrows, in pixels from the centre of the 32x32 image: the shafts' half width and
# reach, and where the heads begin and end.
ARROWS = {"shaft": 1, "reach": 10, "head": 10, "tip": 14}


def _edge(v, k):
    """A pixel edge of the 32x32 image at scale k, on a whole pixel."""
    return math.floor(v * k + 0.5)


def _hand_pixels(parts, cut):
    def inside(x, y):
        return any(l <= x <= r and t <= y <= b for l, t, r, b, _ in parts) and (x, y) not in cut
    return inside


def _hand_shape(parts):
    """shape(k, grow) -> inside(x, y): whether a point of the image at scale k lies in the
    hand grown by grow pixels all round."""
    def shape(k, grow):
        boxes = [(_edge(l, k) - grow, _edge(t, k) - grow, _edge(r + 1, k) + grow,
                  _edge(b + 1, k) + grow, radius * k + grow) for l, t, r, b, radius in parts]

        def inside(x, y):
            for left, top, right, bottom, rad in boxes:
                if left <= x < right and top <= y < bottom:
                    dx = max(left + rad - x, x - (right - rad), 0)
                    dy = max(top + rad - y, y - (bottom - rad), 0)
                    if dx * dx + dy * dy <= rad * rad:
                        return True
            return False
        return inside
    return shape


def _arrow_pixels(x, y):
    dx, dy = abs(x - 16), abs(y - 16)
    along, across = max(dx, dy), min(dx, dy)
    shaft = across <= ARROWS["shaft"] and along <= ARROWS["reach"]
    head = ARROWS["head"] <= along <= ARROWS["tip"] and across <= ARROWS["tip"] - along
    return shaft or head


def _half(n, k):
    """Half the width of a run of pixels reaching n either side of the centre pixel, scaled by
    k and rounded so that the run again ends on whole pixels."""
    return math.floor((n + 0.5) * k) + 0.5


def _arrow_shape(k, grow):
    centre = _edge(16, k) + 0.5
    shaft, reach = _half(ARROWS["shaft"], k) + grow, _half(ARROWS["reach"], k) + grow
    # the heads' slanted sides keep their 45 degrees; a grown head is mitred at its tip
    head, tip = _half(ARROWS["head"] - 1, k) - grow, (ARROWS["tip"] + 0.5) * k + grow * 2 ** 0.5

    def inside(x, y):
        dx, dy = abs(x - centre), abs(y - centre)
        along, across = max(dx, dy), min(dx, dy)
        return (across <= shaft and along <= reach) or (along >= head and across + along <= tip)
    return inside


# file: (resource name, label, 32x32 pixels, larger shape, hot spot in the 32x32 image)
CURSORS = {
    "link-hand": ("IDC_LINK_HAND", "link: pointing hand",
                  _hand_pixels(POINTING_HAND, POINTING_HAND_CUT), _hand_shape(POINTING_HAND),
                  (11, 7)),
    "drag-hand": ("IDC_DRAG_HAND", "drag: grabbing hand",
                  _hand_pixels(GRABBING_HAND, GRABBING_HAND_CUT), _hand_shape(GRABBING_HAND),
                  (4, 16)),
    "move-arrows": ("IDC_MOVE_ARROWS", "over the rabbit: move", _arrow_pixels, _arrow_shape,
                    (16, 16)),
}


def _monochrome(inside):
    filled = [[inside(x, y) for x in range(32)] for y in range(32)]

    def near(x, y):
        return any(0 <= x + i < 32 and 0 <= y + j < 32 and filled[y + j][x + i]
                   for i in (-1, 0, 1) for j in (-1, 0, 1))
    rows = [[1 if filled[y][x] else 0 for x in range(32)] for y in range(32)]
    mask = [[0 if near(x, y) else 1 for x in range(32)] for y in range(32)]
    return rows, mask


def _smooth(shape, size):
    """White where the shape is, black where the grown shape adds to it, each pixel's colour
    and cover averaged over its samples."""
    k = size / 32
    white_at, grown_at = shape(k, 0), shape(k, LINE[size])
    steps = [(i + 0.5) / SAMPLES for i in range(SAMPLES)]
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            white = black = 0
            for sy in steps:
                for sx in steps:
                    if white_at(x + sx, y + sy):
                        white += 1
                    elif grown_at(x + sx, y + sy):
                        black += 1
            cover = white + black
            grey = round(255 * white / cover) if cover else 0
            row.append((grey, grey, grey, round(255 * cover / SAMPLES ** 2)))
        rows.append(row)
    mask = [[0 if a else 1 for _, _, _, a in r] for r in rows]
    return rows, mask


def cursor_images(name):
    """(rows, mask, bits per pixel, hot spot) of every size of a cursor: the 32x32 image's
    rows hold 0 black / 1 white, the larger ones' (r, g, b, a); the mask is 1 where
    transparent."""
    _, _, pixels, shape, (hx, hy) = CURSORS[name]
    images = [_monochrome(pixels) + (1, (hx, hy))]
    for size in SIZES[1:]:
        k = size / 32
        images.append(_smooth(shape, size) + (32, (_edge(hx, k), _edge(hy, k))))
    return images
