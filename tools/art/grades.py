# The seven grade pictures: the same rabbit, larger, dressed and set so each grade reads at once.
import math

from canvas import rotate, translate
from props import carrot, drop, heart, star
from rabbit import Arm, Pose, draw_rabbit


def _horns(c, t):
    for sign in (-1, 1):
        x = sign * 9
        c.shape([(x - 4, -58), (x + sign * 5, -72), (x + 4, -58)], "devilred", t)


def _pitchfork(c, t):
    c.line([(-22, 0), (-22, -60)], "steel", t, weight=2.2)
    c.shape([(-32, -60), (-12, -60), (-12, -70), (-15, -64), (-19, -64), (-21, -74), (-23, -74),
             (-25, -64), (-29, -64), (-32, -70)], "devilred", t)


def _devil_tail(c, t):
    c.line([(12, -12), (24, -8), (30, -18), (27, -28)], "line", t, weight=1.8)
    c.shape([(27, -34), (22, -27), (32, -26)], "devilred", t)


def devil(c):
    pose = Pose(turn=0.2, eyes="open", brows="angry", mouth="open", blush=False,
                near_arm=Arm(angle=60), far_arm=Arm(angle=40))
    c.ellipse(100, 138, 70, 9, "sand", weight=1.0)
    draw_rabbit(c, pose, (100, 141), size=1.55, held=_pitchfork, behind=_devil_tail,
                on_head=_horns)


def good(c):
    pose = Pose(eyes="happy", mouth="smile", hug=True, near_arm=Arm(angle=-20, length=0.9),
                far_arm=Arm(angle=-20, length=0.9))
    draw_rabbit(c, pose, (55, 140), size=1.5)
    star(c, 18, 22, 10)
    star(c, 96, 40, 7)


def _bundle(c, t):
    c.line([(-6, -30), (26, -52)], "brown", t, weight=1.6)
    c.shape([(24, -54), (32, -54), (29, -50)], "red", t)
    c.ellipse(28, -44, 10, 8, "red", t)
    for x, y in ((24, -46), (31, -41), (29, -48)):
        c.ellipse(x, y, 1.5, 1.5, "cream", t, outline=False)


def hungry(c):
    pose = Pose(turn=1.0, lean=14, ear_sweep=18, eyes="open", brows="worried", mouth="frown",
                near_foot=(-9, -3), far_foot=(9, -1), near_arm=Arm(angle=50),
                far_arm=Arm(angle=-120))
    draw_rabbit(c, pose, (70, 140), size=1.45, held=_bundle)
    for i in range(3):
        c.line([(110 + 5 * i, 105 + 8 * i), (124 + 5 * i, 105 + 8 * i)], "steel", weight=1.2)
    drop(c, 28, 40, 3)


def sad(c):
    pose = Pose(eyes="closed", brows="worried", mouth="frown", tears=True, ears=(55, 55),
                crouch=3, blush=False, near_arm=Arm(angle=-25), far_arm=Arm(angle=-25))
    draw_rabbit(c, pose, (53, 106), size=1.12)
    c.ellipse(86, 14, 14, 7, "grey", weight=1.0)
    for x in (78, 86, 94):
        drop(c, x, 30, 1.6, "tear")


def cared(c):
    pose = Pose(eyes="happy", mouth="open", hug=True, near_arm=Arm(angle=-150, length=0.8),
                far_arm=Arm(angle=-140, length=0.8))

    def held(cc, t):
        carrot(cc, rotate(-22).then(translate(-1.5, -38.5)).then(t))
    draw_rabbit(c, pose, (55, 140), size=1.45, held=held)
    heart(c, 16, 24, 9)
    heart(c, 98, 18, 7)
    heart(c, 100, 60, 5, "pink")


def _wings(c, t):
    for sign in (-1, 1):
        pts = [(sign * 8, -30), (sign * 30, -44), (sign * 34, -36), (sign * 30, -30),
               (sign * 32, -24), (sign * 26, -18), (sign * 28, -12), (sign * 10, -16)]
        c.shape(pts, "white", t)


def angel(c):
    pose = Pose(eyes="happy", mouth="smile", hug=True, near_arm=Arm(angle=-25, length=0.9),
                far_arm=Arm(angle=-25, length=0.9))
    draw_rabbit(c, pose, (45, 95), size=0.88, behind=_wings)
    c.ellipse(45, 6, 13, 3.2, "gold", weight=1.0)
    c.ellipse(45, 6, 9, 1.4, "sky", outline=False)


def _eggshell(c, x, y, size):
    """The lower half of a hatched egg standing on y, its rim broken into points."""
    rx, ry = 30 * size, 20 * size
    top = y - ry
    rim = [(x - rx + 2 * rx * i / 12, top - (2 if i % 2 else 6) * size) for i in range(13)]
    bowl = [(x + rx * math.cos(math.pi * i / 16), top + ry * math.sin(math.pi * i / 16))
            for i in range(1, 16)]
    c.shape(rim + bowl, "white", weight=1.0)


def baby(c):
    pose = Pose(eyes="wide", mouth="small", hug=True, crouch=4, ears=(4, 4),
                near_arm=Arm(angle=-150, length=0.75), far_arm=Arm(angle=-150, length=0.75))
    draw_rabbit(c, pose, (72, 118), size=1.25)
    _eggshell(c, 72, 134, 1.25)
    star(c, 22, 24, 8, "yellow")
    star(c, 124, 34, 6, "yellow")
    star(c, 118, 92, 4, "gold")


BACKGROUNDS = {167: "peach", 178: "sky", 180: "sand", 181: "lilac", 183: "peach", 184: "sky",
               186: "mint"}

# id: (resource name, width, height, label, draw)
GRADES = {
    167: ("IDB_GRADE_DEVIL", 200, 145, "grade: devil rabbit", devil),
    178: ("IDB_GRADE_GOOD", 110, 145, "grade: well behaved", good),
    180: ("IDB_GRADE_HUNGRY", 134, 145, "grade: hungry, runs off", hungry),
    181: ("IDB_GRADE_SAD", 107, 109, "grade: sad", sad),
    183: ("IDB_GRADE_CARED", 114, 145, "grade: lovingly cared for", cared),
    184: ("IDB_GRADE_ANGEL", 90, 97, "grade: angel rabbit", angel),
    186: ("IDB_GRADE_BABY", 145, 145, "grade: baby rabbit", baby),
}
