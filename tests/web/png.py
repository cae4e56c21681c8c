"""Reads the PNGs the page's tests look at: Chromium's screenshots and the page's
icons (8-bit RGB or RGBA, not interlaced), with the standard library alone."""
import zlib


def pixels(data):
    """The width, the height and the rows of a PNG, each a list of (red, green,
    blue, alpha); alpha is 255 where the PNG has none."""
    at, chunks, header = 8, [], None
    while at < len(data):
        size = int.from_bytes(data[at:at + 4], "big")
        kind, body = data[at + 4:at + 8], data[at + 8:at + 8 + size]
        if kind == b"IHDR":
            header = body
        elif kind == b"IDAT":
            chunks.append(body)
        at += 12 + size
    width, height = int.from_bytes(header[0:4], "big"), int.from_bytes(header[4:8], "big")
    assert header[8] == 8 and header[9] in (2, 6) and header[12] == 0, "an 8-bit RGB(A) PNG"
    channels = 3 if header[9] == 2 else 4
    raw, stride, rows, previous = zlib.decompress(b"".join(chunks)), width * channels, [], bytearray(width * channels)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - channels] if x >= channels else 0
            up, corner = previous[x], previous[x - channels] if x >= channels else 0
            if kind == 1:
                line[x] = (line[x] + left) & 255
            elif kind == 2:
                line[x] = (line[x] + up) & 255
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                nearest = min((abs(p - left), 0, left), (abs(p - up), 1, up), (abs(p - corner), 2, corner))[2]
                line[x] = (line[x] + nearest) & 255
        rows.append([tuple(line[x:x + 3]) + ((line[x + 3],) if channels == 4 else (255,))
                     for x in range(0, stride, channels)])
        previous = line
    return width, height, rows
