# The named colours every picture is drawn with, and the fixed palette of the 16-colour sprites.

KEY = (0, 255, 0)  # the sprites' background; the window outline is cut from it

COLOURS = {
    "key": KEY,
    "line": (58, 38, 42),
    "fur": (240, 200, 156),
    "shade": (210, 162, 118),
    "cream": (255, 246, 230),
    "pink": (255, 176, 190),
    "rose": (226, 92, 124),
    "eye": (36, 26, 40),
    "white": (255, 255, 255),
    "orange": (248, 140, 36),
    "rust": (196, 84, 24),
    "leaf": (62, 104, 52),
    "glass": (170, 212, 246),
    "water": (56, 128, 216),
    "yellow": (250, 216, 64),
    "red": (214, 48, 48),
    "brown": (150, 92, 52),
    # 256-colour pictures only
    "porcelain": (236, 240, 246),
    "steel": (150, 160, 176),
    "wood": (196, 140, 84),
    "sky": (214, 236, 252),
    "lilac": (236, 226, 250),
    "peach": (255, 232, 220),
    "gold": (250, 196, 40),
    "devilred": (196, 30, 44),
    "plum": (90, 40, 70),
    "night": (70, 44, 84),
    "grass": (150, 200, 110),
    "sand": (236, 216, 170),
    "grey": (128, 128, 140),
    "tear": (120, 190, 250),
    "mint": (206, 240, 214),
    "black": (0, 0, 0),
}

# Order of the 16 entries of every 16-colour sprite; the key is entry 0.
SPRITE16 = ["key", "line", "fur", "shade", "cream", "pink", "rose", "eye",
            "orange", "rust", "leaf", "glass", "water", "yellow", "red", "brown"]

# No colour of a sprite may come this close to the key, so the outline cut from it is clean.
MIN_KEY_DISTANCE = 128


def key_distance(rgb):
    return sum((a - b) ** 2 for a, b in zip(rgb, KEY)) ** 0.5


def palette_of(names):
    return [COLOURS[n] for n in names]


def full_palette():
    """All named colours, for the 256-colour pictures; padded to 256 entries."""
    colours = list(COLOURS.values())
    return colours + [(0, 0, 0)] * (256 - len(colours))
