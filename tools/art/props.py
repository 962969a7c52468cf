# The things around the rabbit: carrot, bottle, plunger, toilet, puddle, sleep marks and the
# trimmings of the grade pictures. Each is drawn in its own coordinates through a transform.
import math

from canvas import Affine, ellipse_points, rotate


def carrot(canvas, t=Affine(), length=17.0, bitten=False):
    """Points left from its tip at (0, 0); the leaves sit at the thick end on the right."""
    thick = 3.6
    leaf_base = (length, 0)
    for angle in (-35, 0, 35):
        leaf = rotate(angle, leaf_base).then(t)
        canvas.ellipse(length + 4.5, 0, 4.5, 1.6, "leaf", leaf)
    tip = 2.5 if bitten else 0.0
    canvas.shape([(tip, -0.8 if bitten else 0), (length, -thick), (length + 1, 0),
                  (length, thick), (tip, 0.8 if bitten else 0)], "orange", t)
    for x in (length * 0.35, length * 0.6, length * 0.82):
        half = thick * x / length * 0.8
        canvas.line([(x, -half), (x + 1.2, -half * 0.3)], "rust", t, weight=0.9)


def bottle(canvas, t=Affine(), level=0.6):
    """Its mouth at (0, 0), the bottle lying along +x."""
    body = [(5, -2), (8, -5.5), (22, -5.5), (23.5, -4), (23.5, 4), (22, 5.5), (8, 5.5), (5, 2)]
    canvas.shape([(0, -2), (5, -2), (5, 2), (0, 2)], "red", t)
    canvas.shape(body, "glass", t)
    wet = 8 + (1 - level) * 12
    canvas.shape([(wet, -5), (22, -5), (23, -3.6), (23, 3.6), (22, 5), (wet, 5)], "water", t,
                 outline=False)
    canvas.line([(10, -3.2), (19, -3.2)], "cream", t, weight=1.0)


def plunger(canvas, top, bottom, t=Affine()):
    canvas.line([top, bottom], "wood", t, weight=2.4)
    canvas.line([top, bottom], "brown", t, weight=1.0)
    x, y = bottom
    canvas.shape([(x - 7, y + 4), (x - 5, y - 1), (x - 2, y - 2.5), (x + 2, y - 2.5),
                  (x + 5, y - 1), (x + 7, y + 4)], "red", t)


def toilet(canvas, x, y):
    """Standing on the ground at x (its left edge) and y."""
    canvas.shape([(x, y - 50), (x + 8, y - 50), (x + 8, y - 18), (x, y - 18)], "porcelain")
    canvas.shape([(x + 1, y - 53), (x + 9, y - 53), (x + 9, y - 49), (x + 1, y - 49)], "steel")
    canvas.shape([(x + 9, y - 3), (x + 12, y - 20), (x + 24, y - 20), (x + 23, y - 3)],
                 "porcelain")
    canvas.shape([(x + 4, y - 27), (x + 36, y - 27), (x + 34, y - 20), (x + 27, y - 15),
                  (x + 12, y - 15), (x + 5, y - 20)], "porcelain")
    canvas.ellipse(x + 21, y - 27, 16, 3.2, "steel")
    canvas.ellipse(x + 21, y - 27, 12, 2.0, "water", outline=False)
    canvas.shape([(x + 6, y - 1), (x + 26, y - 1), (x + 26, y + 2), (x + 6, y + 2)], "steel")


def puddle(canvas, cx, cy, rx):
    canvas.ellipse(cx, cy, rx, rx * 0.32, "yellow", weight=0.8)
    canvas.ellipse(cx - rx * 0.3, cy - rx * 0.08, rx * 0.3, rx * 0.08, "cream", outline=False)


def sleep_mark(canvas, x, y, size, colour="water"):
    """One letter z, its top-left corner at (x, y)."""
    canvas.line([(x, y), (x + size, y), (x, y + size), (x + size, y + size)], colour,
                weight=1.6 if size > 6 else 1.2)


def drop(canvas, x, y, size, colour="water"):
    canvas.shape([(x, y - size * 1.6)] + [
        p for p in ellipse_points(x, y, size, size, steps=24) if p[1] > y - size * 0.2],
        colour, weight=0.8)


def heart(canvas, x, y, size, colour="red"):
    pts = []
    for i in range(40):
        a = 2 * math.pi * i / 40
        hx = 16 * math.sin(a) ** 3
        hy = -(13 * math.cos(a) - 5 * math.cos(2 * a) - 2 * math.cos(3 * a) - math.cos(4 * a))
        pts.append((x + hx * size / 16, y + hy * size / 16))
    canvas.shape(pts, colour)


def star(canvas, x, y, size, colour="gold"):
    pts = []
    for i in range(10):
        r = size if i % 2 == 0 else size * 0.45
        a = math.pi * i / 5 - math.pi / 2
        pts.append((x + r * math.cos(a), y + r * math.sin(a)))
    canvas.shape(pts, colour)
