# The one rabbit: its body parts in pixels of the standing sprite, and how a pose moves them.
# Every sprite, icon and grade picture draws the rabbit through draw_rabbit, so a change here
# changes the rabbit everywhere.
from dataclasses import dataclass, field

from canvas import Affine, rotate, scale, translate

# Measured from the point between the feet on the ground; y grows downwards.
RABBIT = {
    "head": {"y": -47.0, "rx": 19.0, "ry": 16.0},
    "ear": {"dx": 8.0, "y": -57.0, "length": 27.0, "width": 6.6, "spread": 9.0, "inner": 0.55},
    "body": {"y": -19.0, "rx": 14.5, "ry": 15.5},
    "belly": {"y": -16.5, "rx": 9.0, "ry": 10.0},
    "arm": {"dx": 11.5, "y": -28.0, "length": 13.0, "width": 4.3},
    "foot": {"dx": 7.5, "y": -3.2, "rx": 7.8, "ry": 3.6},
    "tail": {"dx": 14.0, "y": -12.0, "r": 5.0},
    "eye": {"dx": 7.5, "y": -47.0, "rx": 2.9, "ry": 3.9},
    "nose": {"y": -41.0, "rx": 2.2, "ry": 1.5},
    "cheek": {"dx": 12.5, "y": -40.5, "rx": 3.2, "ry": 1.9},
    "hip": -10.0,  # the upper body leans about this height
    "neck": -31.0,  # the head tilts about this height
    "turn_shift": 8.0,  # how far the face slides to the side when the rabbit turns
}


@dataclass
class Arm:
    angle: float = 8.0  # degrees from hanging down, positive swings it outwards/forwards
    dx: float = 0.0
    dy: float = 0.0
    length: float = 1.0


@dataclass
class Pose:
    turn: float = 0.0  # 0 faces the viewer, 1 is a three-quarter view facing left
    lean: float = 0.0  # degrees the upper body bends forward (to the left) about the hip
    tilt: float = 0.0  # degrees the head tilts, positive towards the left
    head_dy: float = 0.0
    crouch: float = 0.0  # how far the body sinks towards the feet
    rise: float = 0.0  # how far the whole rabbit is lifted off the ground
    stretch: float = 1.0  # vertical stretch of the body (hops)
    ears: tuple = (0.0, 0.0)  # extra angle of the left and right ear, outwards positive
    ear_sweep: float = 0.0  # degrees both ears swing back (to the right)
    near_arm: Arm = field(default_factory=Arm)  # the arm on the left of the picture
    far_arm: Arm = field(default_factory=Arm)
    near_foot: tuple = (0.0, 0.0)  # offsets of the left and right feet
    far_foot: tuple = (0.0, 0.0)
    eyes: str = "open"  # open, wide, closed, happy, squeeze
    mouth: str = "smile"  # smile, open, wide, chew, small, frown
    blush: bool = True
    tears: bool = False
    brows: str = ""  # "", worried, angry
    hug: bool = False  # both paws in front of the head, as when holding something up


def _lerp(a, b, t):
    return a + (b - a) * t


def draw_rabbit(canvas, pose, ground, size=1.0, held=None, behind=None, on_head=None):
    """Draws the rabbit with its feet at ground; held(canvas, t) draws what its paws hold
    (under the paws), behind(canvas, t) what sits behind its body, both in the rabbit's own
    coordinates of its upper body or of the ground; on_head(canvas, t) what it wears."""
    R = RABBIT
    t = pose.turn
    place = scale(size).then(translate(*ground))
    lifted = translate(0, -pose.rise).then(place)
    upper = rotate(-pose.lean, (0, R["hip"] + pose.crouch)).then(
        translate(0, pose.crouch)).then(lifted)
    head = translate(0, pose.head_dy).then(rotate(-pose.tilt, (0, R["neck"]))).then(upper)
    side = R["turn_shift"] * t

    def face_x(x):
        return x * (1 - 0.45 * t) - side

    # ears behind the head, the far one first
    e = R["ear"]
    for sign, extra in ((1, pose.ears[1]), (-1, pose.ears[0])):
        angle = sign * (e["spread"] + extra) + 12 * t + pose.ear_sweep
        base = (face_x(sign * e["dx"]) + 5 * t, e["y"])
        ear = rotate(angle, base).then(head)
        cx, cy = base[0], base[1] - e["length"] / 2 + 2
        canvas.ellipse(cx, cy, e["width"], e["length"] / 2 + 1, "fur", ear)
        canvas.ellipse(cx, cy + 2, e["width"] * e["inner"], e["length"] / 2 - 3, "pink", ear,
                       outline=False)

    a = R["arm"]

    def arm(which, sign, colour):
        shoulder = (face_x(sign * a["dx"]) + 4 * t + which.dx, a["y"] + which.dy)
        turn = rotate(-sign * which.angle, shoulder).then(upper)
        length = a["length"] * which.length
        canvas.ellipse(shoulder[0], shoulder[1] + length / 2, a["width"], length / 2 + 1,
                       colour, turn)

    if behind:
        behind(canvas, lifted)
    far_colour = "shade" if t > 0.3 else "fur"
    if t > 0.3:
        arm(pose.far_arm, 1, far_colour)
    f = R["foot"]
    for sign, off, colour in ((1, pose.far_foot, far_colour), (-1, pose.near_foot, "fur")):
        x = sign * f["dx"] * (1 - 0.5 * t) - 2 * t + off[0]
        canvas.ellipse(x, f["y"] + off[1], f["rx"], f["ry"], colour, place,
                       angle=sign * 8 * (1 - t))
    tl = R["tail"]
    if t > 0.3:
        canvas.ellipse(tl["dx"] + 2 * t, tl["y"], tl["r"], tl["r"], "cream", upper)
    b = R["body"]
    body = Affine(e=pose.stretch, f=(1 - pose.stretch) * R["hip"]).then(upper)
    canvas.ellipse(3 * t, b["y"], b["rx"] + 2 * t, b["ry"], "fur", body)
    bl = R["belly"]
    canvas.ellipse(-3 * t, bl["y"], bl["rx"], bl["ry"], "cream", body, outline=False)
    if t <= 0.3 and not pose.hug:
        arm(pose.far_arm, 1, far_colour)

    h = R["head"]
    canvas.ellipse(0, h["y"], h["rx"] + 1.5 * t, h["ry"], "fur", head)
    _face(canvas, pose, head, face_x)
    if on_head:
        on_head(canvas, head)
    if held:
        held(canvas, upper)
    if pose.hug and t <= 0.3:
        arm(pose.far_arm, 1, "fur")
    arm(pose.near_arm, -1, "fur")


def _face(canvas, pose, t, face_x):
    R = RABBIT
    ey = R["eye"]
    for sign in (-1, 1):
        x, y = face_x(sign * ey["dx"]), ey["y"]
        if pose.blush:
            c = R["cheek"]
            canvas.ellipse(face_x(sign * c["dx"]), c["y"], c["rx"], c["ry"], "pink", t,
                           outline=False)
        if pose.eyes in ("open", "wide"):
            big = 1.25 if pose.eyes == "wide" else 1.0
            canvas.ellipse(x, y, ey["rx"] * big, ey["ry"] * big, "eye", t, outline=False)
            canvas.ellipse(x - 0.9 * big, y - 1.4 * big, 1.3 * big, 1.3 * big, "cream", t,
                           outline=False)
            if pose.eyes == "wide":
                canvas.ellipse(x + 1.0, y + 1.6, 0.6, 0.6, "cream", t, outline=False)
        elif pose.eyes == "closed":  # sleeping or blissful: a downward arc
            canvas.line([(x - 3, y - 0.5), (x - 1.5, y + 1), (x + 1.5, y + 1), (x + 3, y - 0.5)],
                        t=t)
        elif pose.eyes == "happy":  # an upward arc
            canvas.line([(x - 3, y + 1), (x - 1.5, y - 1), (x + 1.5, y - 1), (x + 3, y + 1)], t=t)
        elif pose.eyes == "squeeze":  # > < tightly shut
            d = -sign
            canvas.line([(x - 2.5 * d, y - 2.2), (x + 2 * d, y), (x - 2.5 * d, y + 2.2)], t=t)
        if pose.brows == "worried":
            canvas.line([(x - 3 * sign, y - 6.5), (x + 2.5 * sign, y - 5)], t=t)
        elif pose.brows == "angry":
            canvas.line([(x - 3 * sign, y - 5), (x + 2.5 * sign, y - 7)], t=t, weight=1.3)
        if pose.tears:
            canvas.ellipse(x + 1.5 * sign, y + 5, 1.4, 2.2, "tear", t, weight=0.8)
    n = R["nose"]
    nx, ny = face_x(0), n["y"]
    mouth = pose.mouth
    my = ny + 2.2
    if mouth in ("smile", "chew"):
        canvas.line([(nx - 3.2, my + 0.6), (nx - 1.6, my + 1.6), (nx, my), (nx + 1.6, my + 1.6),
                     (nx + 3.2, my + 0.6)], t=t)
    elif mouth == "frown":
        canvas.line([(nx - 3, my + 2.2), (nx, my + 0.6), (nx + 3, my + 2.2)], t=t)
    elif mouth == "small":
        canvas.ellipse(nx, my + 1.6, 1.6, 1.4, "rose", t, weight=0.8)
    elif mouth in ("open", "wide"):
        big = 1.0 if mouth == "open" else 1.8
        canvas.ellipse(nx, my + 1.5 + 1.6 * big, 2.6 * big, 2.4 * big, "rose", t, weight=0.9)
        canvas.ellipse(nx, my + 2.4 + 2.2 * big, 1.6 * big, 1.0 * big, "pink", t, outline=False)
    if mouth == "chew":
        canvas.ellipse(nx - 0.9, my + 2.4, 0.9, 1.1, "cream", t, weight=0.7)
        canvas.ellipse(nx + 0.9, my + 2.4, 0.9, 1.1, "cream", t, weight=0.7)
    canvas.ellipse(nx, ny, n["rx"], n["ry"], "rose", t, outline=False)
