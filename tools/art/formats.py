# Writers for palette BMP, ICO, CUR and PNG files, byte for byte the same on every run.
import struct
import zlib


def _row_bytes(indices, bpp):
    if bpp == 32:  # (r, g, b, a) pixels
        data = b"".join(struct.pack("<BBBB", b, g, r, a) for r, g, b, a in indices)
    elif bpp == 8:
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


def png_bytes(rows):
    """rows of (r, g, b, a) as a PNG, filtered by nothing and compressed at the highest level."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data)))
    raw = b"".join(b"\0" + bytes(c for pixel in r for c in pixel) for r in rows)
    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def _icon_image(rows, mask, palette, bpp):
    """One image of an icon or cursor: header of double height, colours, XOR then AND mask;
    a 256-pixel one is stored as PNG, as Windows expects of that size."""
    if len(rows) == 256:
        return png_bytes(rows)
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


def _colour_count(bpp):
    return 1 << bpp if bpp < 8 else 0


def ico_bytes(images):
    """images: (rows, mask, palette, bpp); the mask is 1 where the icon is transparent. Rows
    of a 32-bit image hold (r, g, b, a) and come without a palette."""
    entries = []
    for rows, mask, palette, bpp in images:
        data = _icon_image(rows, mask, palette, bpp)
        entries.append((len(rows[0]), len(rows), _colour_count(bpp), 1, bpp, data))
    return _directory(1, entries)


MONOCHROME = [(0, 0, 0), (255, 255, 255)]


def cur_bytes(images):
    """images: (rows, mask, bpp, hot spot); a monochrome image's rows hold 0 black / 1 white,
    a 32-bit one's (r, g, b, a); the mask is 1 where the cursor is transparent."""
    entries = []
    for rows, mask, bpp, (x, y) in images:
        data = _icon_image(rows, mask, MONOCHROME if bpp == 1 else [], bpp)
        entries.append((len(rows[0]), len(rows), _colour_count(bpp), x, y, data))
    return _directory(2, entries)
