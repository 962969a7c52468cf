#!/usr/bin/python3
# Draws every picture of the program and writes the resource files, their resource-script
# fragment and a contact sheet for review. Usage: make_art.py [output root, default the repo].
import io
import os
import sys

from PIL import Image, ImageDraw, ImageFont

from canvas import Canvas
from cursors import CURSORS, cursor_images
from formats import MONOCHROME, bmp_bytes, cur_bytes, ico_bytes
from palette import MIN_KEY_DISTANCE, SPRITE16, full_palette, key_distance, palette_of
from grades import BACKGROUNDS, GRADES
from icons import ICONS, icon_images
from sprites import CLOSE_UPS, SPRITES

SHEET_ZOOM = 3
SHEET_WIDEST = 600  # no picture is enlarged beyond this width


def sprite_palette(bpp):
    return palette_of(SPRITE16) if bpp == 4 else full_palette()


def render_sprites():
    """id -> (rows, palette, bpp, label)."""
    out = {}
    for sid, (w, h, bpp, label, how) in SPRITES.items():
        if isinstance(how, int):
            continue
        canvas = Canvas(w, h)
        how(canvas)
        out[sid] = (canvas.rows(sprite_palette(bpp)), sprite_palette(bpp), bpp, label)
    for sid, (w, h, bpp, label, how) in SPRITES.items():
        if isinstance(how, int):
            rows, palette, _, _ = out[how]
            assert (len(rows[0]), len(rows)) == (w, h), sid
            out[sid] = ([list(reversed(r)) for r in rows], palette, bpp, label)
    for sid, (rows, palette, _, _) in out.items():
        assert rows[0][0] == 0, sid
        used = {i for r in rows for i in r} - {0}
        assert all(key_distance(palette[i]) >= MIN_KEY_DISTANCE for i in used), sid
        if sid not in CLOSE_UPS:  # the whole rabbit fits inside its frame
            edge = rows[0] + [r[0] for r in rows] + [r[-1] for r in rows]
            assert not any(edge), sid
    return {sid: out[sid] for sid in SPRITES}  # in the order of the activities


def write(root, path, data):
    full = os.path.join(root, path)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, "wb") as f:
        f.write(data)


def to_image(rows, palette):
    im = Image.new("RGB", (len(rows[0]), len(rows)))
    im.putdata([palette[i] for r in rows for i in r])
    return im


def masked_image(rows, mask, palette, hot=None):
    """Icons and cursors on a checker board, so their transparent parts show; the hot spot red.
    Rows without a palette hold (r, g, b, a)."""
    size = (len(rows[0]), len(rows))
    board = Image.new("RGB", size)
    board.putdata([(200, 200, 200) if (x // 4 + y // 4) % 2 else (236, 236, 236)
                   for y in range(size[1]) for x in range(size[0])])
    if palette:
        im = to_image(rows, palette)
        transparent = Image.new("L", size)
        transparent.putdata([255 * m for r in mask for m in r])
        im.paste(board, mask=transparent)
    else:
        im = Image.new("RGBA", size)
        im.putdata([p for r in rows for p in r])
        im = Image.alpha_composite(board.convert("RGBA"), im).convert("RGB")
    if hot:
        im.putpixel(hot, (255, 0, 0))
    return im


def contact_sheet(entries, width=1100):
    """entries: (label, PIL image); laid out in rows, each picture enlarged and labelled."""
    font = ImageFont.load_default()
    tiles = []
    for label, im in entries:
        zoom = max(1, min(SHEET_ZOOM, SHEET_WIDEST // im.width))
        big = im.resize((im.width * zoom, im.height * zoom), Image.NEAREST)
        tile = Image.new("RGB", (max(big.width, 6 * len(label)) + 12, big.height + 24),
                         (250, 250, 250))
        tile.paste(big, (6, 6))
        ImageDraw.Draw(tile).text((6, big.height + 9), label, fill=(40, 40, 40), font=font)
        tiles.append(tile)
    rows, row, x = [], [], 0
    for tile in tiles:
        if row and x + tile.width > width:
            rows.append(row)
            row, x = [], 0
        row.append(tile)
        x += tile.width
    rows.append(row)
    sheet = Image.new("RGB", (width, sum(max(t.height for t in r) for r in rows)),
                      (250, 250, 250))
    y = 0
    for r in rows:
        x = 0
        for tile in r:
            sheet.paste(tile, (x, y))
            x += tile.width
        y += max(t.height for t in r)
    return sheet


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")
    rc = ["// The program's pictures, written by tools/art/make_art.py; resource ids from",
          "// resource.h, file names relative to this folder.", ""]
    sheet = []
    for sid, (rows, palette, bpp, label) in render_sprites().items():
        write(root, "res/sprites/%d.bmp" % sid, bmp_bytes(rows, palette, bpp))
        rc.append('%d BITMAP "sprites/%d.bmp"' % (sid, sid))
        sheet.append(("%d %s" % (sid, label), to_image(rows, palette)))
    rc.append("")
    for gid, (name, w, h, label, draw) in GRADES.items():
        canvas = Canvas(w, h, BACKGROUNDS[gid])
        draw(canvas)
        rows = canvas.rows(full_palette())
        write(root, "res/grades/%d.bmp" % gid, bmp_bytes(rows, full_palette(), 8))
        rc.append('%s BITMAP "grades/%d.bmp"' % (name, gid))
        sheet.append(("%d %s" % (gid, label), to_image(rows, full_palette())))
    rc.append("")
    for file, (name, label, _) in ICONS.items():
        images = icon_images(file)
        write(root, "res/icons/%s.ico" % file, ico_bytes(images))
        rc.append('%s ICON "icons/%s.ico"' % (name, file))
        for rows, mask, palette, bpp in images:
            sheet.append(("%s %dx%d %dbpp" % (label, len(rows), len(rows), bpp),
                          masked_image(rows, mask, palette)))
    rc.append("")
    for file, (name, label, *_) in CURSORS.items():
        images = cursor_images(file)
        write(root, "res/cursors/%s.cur" % file, cur_bytes(images))
        rc.append('%s CURSOR "cursors/%s.cur"' % (name, file))
        for rows, mask, bpp, hot in images:
            sheet.append(("%s %dx%d, hot spot %d,%d" % (label, len(rows), len(rows), *hot),
                          masked_image(rows, mask, MONOCHROME if bpp == 1 else [], hot)))
    write(root, "res/pictures.rc", ("\n".join(rc) + "\n").encode())
    buf = io.BytesIO()
    contact_sheet(sheet).save(buf, "PNG")
    write(root, "docs/contact-sheet.png", buf.getvalue())


if __name__ == "__main__":
    main()
