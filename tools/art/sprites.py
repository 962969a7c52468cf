# The 34 sprites: size, colour depth, what each shows and the pose that draws it.
from canvas import rotate, translate
from props import bottle, carrot, drop, plunger, puddle, sleep_mark, toilet
from rabbit import Arm, Pose, draw_rabbit

SIDE = 1.0  # three-quarter view used for the moving and bending frames


def rabbit(pose, x, lift=1.5, **extra):
    """The rabbit standing lift pixels above the bottom of its frame."""
    return lambda c: draw_rabbit(c, pose, (x, c.height - lift), **extra)


def walk(near, far, swing, rise=0.0, sweep=0.0):
    return Pose(turn=SIDE, near_foot=near, far_foot=far, rise=rise, ear_sweep=sweep,
                near_arm=Arm(angle=swing), far_arm=Arm(angle=-swing))


def hop(up):
    if up:
        return Pose(turn=0.6, rise=3.5, stretch=1.06, ears=(-14, 20), near_foot=(2, -1),
                    far_foot=(4, -2), near_arm=Arm(angle=40), far_arm=Arm(angle=-20),
                    eyes="happy", mouth="open")
    return Pose(turn=0.6, crouch=3.0, stretch=0.94, ears=(4, 12), near_foot=(-3, 0),
                far_foot=(2, 0), near_arm=Arm(angle=20), far_arm=Arm(angle=10))


def eating(bite):
    pose = Pose(turn=0.2, hug=True, near_arm=Arm(angle=-150, length=0.8),
                far_arm=Arm(angle=-140, length=0.8), eyes="happy" if bite else "closed",
                mouth="chew" if bite else "small")

    def held(c, t):
        carrot(c, rotate(-22).then(translate(-1.5, -38.5)).then(t), bitten=not bite)
    return rabbit(pose, 31, held=held)


def drinking(step):
    pose = Pose(turn=0.2, hug=True, tilt=(-8, -14)[step],
                near_arm=Arm(angle=-160, length=0.95), far_arm=Arm(angle=-150, length=0.9),
                eyes=("happy", "closed")[step], mouth="small")

    def held(c, t):
        angle = (35, 55)[step]
        bottle(c, rotate(180 + angle).then(translate(-1.4 + step, -38.5)).then(t),
               level=(0.6, 0.35)[step])
    return rabbit(pose, 33, held=held)


def labour(down):
    """Plunger raised, then pushed into the bowl; the toilet stands at the left."""
    pose = Pose(turn=SIDE, hug=True, lean=(4, 16)[down], crouch=(0, 3)[down],
                rise=(2, 0)[down], near_arm=Arm(angle=(120, 70)[down], length=0.9),
                far_arm=Arm(angle=(-100, -60)[down], length=0.9),
                eyes=("open", "squeeze")[down], mouth=("open", "smile")[down],
                near_foot=(-3, 0))

    def draw(c):
        floor = c.height
        toilet(c, 4, floor - 5)
        top = ((40, floor - 52), (36, floor - 42))[down]
        cup = ((27, floor - 33), (27, floor - 30))[down]
        draw_rabbit(c, pose, (64, floor - 2.5), held=lambda cc, t: plunger(cc, top, cup))
        drop(c, 86, floor - (82, 72)[down], 1.8)
    return draw


def bend(step):
    lean = (0, 14, 24, 34, 36, 22)[step]
    pose = Pose(turn=SIDE, lean=lean, crouch=(2, 5, 6, 5, 5, 3)[step], ear_sweep=lean * 0.7,
                near_arm=Arm(angle=10 + lean), far_arm=Arm(angle=-10),
                eyes=("open", "open", "squeeze", "squeeze", "squeeze", "happy")[step],
                mouth=("smile", "small", "small", "small", "small", "open")[step])
    x = (31, 41, 46, 52, 54, 48)[step]

    def draw(c):
        if step >= 4:  # the puddle appears behind it
            puddle(c, x + (12, 27)[step - 4], c.height - 4.5, (7, 12)[step - 4])
        draw_rabbit(c, pose, (x, c.height - 1.5))
    return draw


def bow(step):
    lean = step * 9
    pose = Pose(turn=0.5, lean=lean, crouch=step * 0.8, hug=True, ear_sweep=lean * 0.6,
                near_arm=Arm(angle=-30, length=0.8), far_arm=Arm(angle=-30, length=0.8),
                eyes="open" if step == 0 else "happy", mouth="smile")
    return rabbit(pose, (30, 33, 39, 44, 51)[step])


def sleeping(breath):
    pose = Pose(ears=(48, 48), eyes="closed", mouth="small", head_dy=breath * 0.8)
    marks = ((40, 11, 6), (50, 2, 9)) if breath == 0 else ((44, 7, 7), (54, 1, 7))

    def draw(c):
        draw_rabbit(c, pose, (31.5, c.height + 35), size=1.45)
        for x, y, size in marks:
            sleep_mark(c, x, y, size)
    return draw


def stretch(eyes, mouth, crouch, ears, near, far, x, tilt=0.0):
    return rabbit(Pose(eyes=eyes, mouth=mouth, crouch=crouch, ears=(ears, ears + tilt),
                       tilt=tilt, blush=mouth != "wide", near_arm=near, far_arm=far), x)


CLOSE_UPS = (153, 154)  # the face fills these frames, so the ears run off the top

# id: (width, height, bits per pixel, label, draw or the id it mirrors)
SPRITES = {
    146: (60, 88, 4, "standing", rabbit(Pose(), 30)),
    133: (60, 88, 4, "blink: eyes wide", rabbit(Pose(eyes="wide"), 30)),
    136: (63, 89, 4, "walk left 1", rabbit(walk((-7, -2), (6, 0), 30, sweep=4), 33)),
    134: (64, 89, 4, "walk left 2", rabbit(walk((0, 0), (0, -1), 0, rise=1.5, sweep=-3), 33)),
    135: (65, 88, 4, "walk left 3", rabbit(walk((6, 0), (-7, -2), -30, sweep=4), 34)),
    137: (63, 89, 4, "walk right 1", 136),
    138: (64, 89, 4, "walk right 2", 134),
    140: (65, 88, 4, "walk right 3", 135),
    139: (62, 91, 4, "eating 1", eating(True)),
    141: (62, 91, 4, "eating 2", eating(False)),
    142: (63, 93, 4, "drinking 1", drinking(0)),
    143: (63, 92, 4, "drinking 2", drinking(1)),
    144: (98, 106, 8, "labour 1", labour(0)),
    145: (98, 103, 8, "labour 2", labour(1)),
    147: (63, 86, 4, "play A 1", bend(0)),
    148: (70, 81, 4, "play A 2", bend(1)),
    149: (73, 80, 4, "play A 3", bend(2)),
    150: (77, 80, 4, "play A 4", bend(3)),
    151: (77, 80, 4, "play A 5: puddle", bend(4)),
    152: (92, 87, 4, "play A 6: puddle", bend(5)),
    153: (63, 77, 8, "sleeping 1", sleeping(0)),
    154: (63, 75, 8, "sleeping 2", sleeping(1)),
    161: (60, 88, 4, "bow 1", bow(0)),
    156: (62, 88, 4, "bow 2", bow(1)),
    157: (63, 86, 4, "bow 3", bow(2)),
    158: (66, 82, 4, "bow 4", bow(3)),
    159: (69, 80, 4, "bow 5", bow(4)),
    155: (63, 84, 4, "stretch: mouth opening",
          stretch("closed", "open", 2, 12, Arm(angle=30), Arm(angle=30), 31)),
    162: (62, 80, 4, "stretch: mouth wide",
          stretch("squeeze", "wide", 4, 22, Arm(angle=150), Arm(angle=150), 31)),
    160: (73, 87, 4, "stretch: wiping an eye",
          stretch("squeeze", "smile", 0, 6, Arm(angle=-160), Arm(angle=110), 32, tilt=6)),
    163: (63, 94, 4, "down-left 1: hop", rabbit(hop(True), 32)),
    164: (62, 90, 4, "down-left 2: land", rabbit(hop(False), 31)),
    165: (62, 90, 4, "down-right 1: land", 164),
    166: (63, 94, 4, "down-right 2: hop", 163),
}
