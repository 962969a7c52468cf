# Drawing at a multiple of the real size, read out either hard-edged (sampled down without
# blending, so every pixel keeps one of the named colours and the edge against the key stays
# clean) or smooth (averaged, with the key turned into transparency) for the large icons.
import math

from PIL import Image, ImageChops, ImageDraw

from palette import COLOURS

SCALE = 4
OUTLINE = 1.15  # the line weight of every picture, in output pixels, at any drawing size


class Affine:
    """x' = a x + b y + c, y' = d x + e y + f."""

    def __init__(self, a=1.0, b=0.0, c=0.0, d=0.0, e=1.0, f=0.0):
        self.m = (a, b, c, d, e, f)

    def __call__(self, p):
        a, b, c, d, e, f = self.m
        return (a * p[0] + b * p[1] + c, d * p[0] + e * p[1] + f)

    def then(self, other):
        """This transform followed by other."""
        a, b, c, d, e, f = self.m
        A, B, C, D, E, F = other.m
        return Affine(A * a + B * d, A * b + B * e, A * c + B * f + C,
                      D * a + E * d, D * b + E * e, D * c + E * f + F)


def translate(x, y):
    return Affine(c=x, f=y)


def scale(s):
    return Affine(a=s, e=s)


def rotate(degrees, about=(0.0, 0.0)):
    r = math.radians(degrees)
    cos, sin = math.cos(r), math.sin(r)
    x, y = about
    return translate(-x, -y).then(Affine(cos, -sin, 0, sin, cos, 0)).then(translate(x, y))


def ellipse_points(cx, cy, rx, ry, angle=0.0, steps=48):
    r = math.radians(angle)
    pts = []
    for i in range(steps):
        t = 2 * math.pi * i / steps
        x, y = rx * math.cos(t), ry * math.sin(t)
        pts.append((cx + x * math.cos(r) - y * math.sin(r), cy + x * math.sin(r) + y * math.cos(r)))
    return pts


class Canvas:
    def __init__(self, width, height, background="key", samples=SCALE, line=OUTLINE):
        """samples: how many times larger it is drawn; line: the outline's weight in pixels."""
        self.width, self.height = width, height
        self.samples, self.line_weight = samples, line
        self.image = Image.new("RGB", (width * samples, height * samples), COLOURS[background])
        self.draw = ImageDraw.Draw(self.image)

    def _xy(self, pts, t):
        return [(x * self.samples, y * self.samples) for x, y in (t(p) for p in pts)]

    def shape(self, pts, colour, t=Affine(), outline=True, weight=1.0):
        """A filled polygon with the dark outline around it (drawn outside its edge)."""
        xy = self._xy(pts, t)
        if outline:
            w = self.line_weight * weight * self.samples
            self.draw.polygon(xy, fill=COLOURS["line"])
            self.draw.line(xy + [xy[0]], fill=COLOURS["line"], width=max(1, round(2 * w)),
                           joint="curve")
            for x, y in (xy[0], xy[-1]):
                self.draw.ellipse((x - w, y - w, x + w, y + w), fill=COLOURS["line"])
        if colour is not None:
            self.draw.polygon(xy, fill=COLOURS[colour])

    def ellipse(self, cx, cy, rx, ry, colour, t=Affine(), angle=0.0, outline=True, weight=1.0):
        self.shape(ellipse_points(cx, cy, rx, ry, angle), colour, t, outline, weight)

    def line(self, pts, colour="line", t=Affine(), weight=1.0):
        xy = self._xy(pts, t)
        w = self.line_weight * weight * self.samples
        self.draw.line(xy, fill=COLOURS[colour], width=max(1, round(w)), joint="curve")
        for x, y in (xy[0], xy[-1]):
            r = w / 2
            self.draw.ellipse((x - r, y - r, x + r, y + r), fill=COLOURS[colour])

    def rows(self, palette):
        """The picture at its real size as rows of palette indices."""
        small = self.image.resize((self.width, self.height), Image.NEAREST)
        index = {rgb: i for i, rgb in reversed(list(enumerate(palette)))}
        px = small.load()
        return [[index[px[x, y]] for x in range(self.width)] for y in range(self.height)]

    def smooth_rows(self):
        """The picture at its real size as rows of (r, g, b, a): each pixel the average of the
        samples it covers, the key's share of them transparent."""
        key = Image.new("RGB", self.image.size, COLOURS["key"])
        r, g, b = ImageChops.difference(self.image, key).split()
        alpha = ImageChops.lighter(ImageChops.lighter(r, g), b)
        rgba = self.image.copy()
        rgba.putalpha(alpha.point(lambda v: 255 if v else 0))
        # averaged with the colours weighted by their cover, so no key green bleeds in
        small = rgba.convert("RGBa").reduce(self.samples).convert("RGBA")
        px = small.load()
        return [[px[x, y] if px[x, y][3] else (0, 0, 0, 0) for x in range(self.width)]
                for y in range(self.height)]
