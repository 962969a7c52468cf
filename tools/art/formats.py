# Writers for palette BMP, ICO and CUR files, byte for byte the same on every run.
import struct


def _row_bytes(indices, bpp):
    if bpp == 8:
        data = bytes(indices)
    elif bpp == 4:
        padded = list(indices) + [0] * (len(indices) % 2)
        data = bytes((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))
    else:
        bits = list(indices) + [0] * (-len(indices) % 8)
        data = bytes(sum(bits[i + k] << (7 - k) for k in range(8)) for i in range(0, len(bits), 8))
    return data + b"\0" * (-len(data) % 4)


def _pixel_block(rows, bpp):
    """Rows given top to bottom, stored bottom-up as the format wants."""
    return b"".join(_row_bytes(r, bpp) for r in reversed(rows))


def _palette_block(palette):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)


def _info_header(width, height, bpp, image_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0, image_size, 2835, 2835,
                       colours, 0)


def bmp_bytes(rows, palette, bpp):
    width, height = len(rows[0]), len(rows)
    pixels = _pixel_block(rows, bpp)
    body = _info_header(width, height, bpp, len(pixels), len(palette)) + _palette_block(palette)
    offset = 14 + len(body)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + body + pixels


def _icon_image(rows, mask, palette, bpp):
    """One image of an icon or cursor: header of double height, colours, XOR then AND mask."""
    width, height = len(rows[0]), len(rows)
    xor = _pixel_block(rows, bpp)
    and_mask = _pixel_block(mask, 1)
    return (_info_header(width, height * 2, bpp, len(xor) + len(and_mask), 0) +
            _palette_block(palette) + xor + and_mask)


def _directory(kind, entries):
    """entries: (width, height, colour count, field a, field b, image bytes)."""
    out = struct.pack("<HHH", 0, kind, len(entries))
    offset = 6 + 16 * len(entries)
    for width, height, colours, a, b, data in entries:
        out += struct.pack("<BBBBHHII", width % 256, height % 256, colours, 0, a, b, len(data),
                           offset)
        offset += len(data)
    return out + b"".join(e[5] for e in entries)


def ico_bytes(images):
    """images: (rows, mask, palette, bpp); the mask is 1 where the icon is transparent."""
    entries = []
    for rows, mask, palette, bpp in images:
        data = _icon_image(rows, mask, palette, bpp)
        entries.append((len(rows[0]), len(rows), 16 if bpp == 4 else 0, 1, bpp, data))
    return _directory(1, entries)


def cur_bytes(rows, mask, hot_spot):
    """A monochrome cursor: rows of 0 black / 1 white, mask 1 where transparent."""
    data = _icon_image(rows, mask, [(0, 0, 0), (255, 255, 255)], 1)
    return _directory(2, [(len(rows[0]), len(rows), 2, hot_spot[0], hot_spot[1], data)])
