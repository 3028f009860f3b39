#!/usr/bin/env python3
# Writes the small hostile picture files of fuzz_pictureio's corpus, which tst_pictureio also reads
# in a child process under a memory ceiling. Each claims far more than it holds: a reader that
# believes the claim takes gigabytes. The files are committed; run this only to change them.
import gzip
import struct
import zlib
from pathlib import Path

corpus = Path(__file__).resolve().parent / "corpus" / "fuzz_pictureio"
fixtures = Path(__file__).resolve().parents[1] / "tests" / "data"
HUGE = 0x7FFFFFF0


def chunk(kind, data, length=None):
    """A PNG chunk; with a length, one that declares it and holds only data."""
    if length is None:
        crc = zlib.crc32(kind + data)
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", crc)
    return struct.pack(">I", length) + kind + data


def png(before_idat=b"", after_idat=b""):
    """An 8 x 12 white PNG, with chunks before and after its image data."""
    ihdr = struct.pack(">IIBBBBB", 8, 12, 8, 2, 0, 0, 0)
    rows = b"".join(b"\0" + b"\xff" * 24 for _ in range(12))
    signature = b"\x89PNG\r\n\x1a\n"
    return (signature + chunk(b"IHDR", ihdr) + before_idat + chunk(b"IDAT", zlib.compress(rows)) + after_idat
            + chunk(b"IEND", b""))


def write(name, data):
    (corpus / name).write_bytes(data)


# The input the fuzzer found: ImageMagick's 8 x 12 PNG whose second tEXt chunk declares 0x5C000025.
found = bytearray((fixtures / "white8x12.png").read_bytes())
text = [i - 4 for i in range(len(found)) if found[i:i + 4] == b"tEXt"]
struct.pack_into(">I", found, text[1], 0x5C000025)
write("hostile-found-text-5c000025.png", bytes(found))

# One chunk of each kind that carries a length, claiming 2 GB and holding the start of a sound one.
kinds = {
    b"tEXt": b"Comment\0a picture",
    b"zTXt": b"Comment\0\0" + zlib.compress(b"a picture"),
    b"iTXt": b"XML:com.adobe.xmp\0\1\0\0\0" + zlib.compress(b"<x:xmpmeta/>"),
    b"iCCP": b"ICC profile\0\0" + zlib.compress(bytes(132)),
    b"sPLT": b"palette\0\x08" + bytes(6 * 4),
    b"eXIf": b"MM\0\x2a\0\0\0\x08\0\0",
    b"lmNt": b"an ancillary chunk no reader knows",
}
for kind, data in kinds.items():
    claim = chunk(kind, data, HUGE)
    name = kind.decode().lower()
    # The chunks after the claim are what a reader would take for the first bytes of its data.
    write(f"hostile-{name}-before-idat.png", png(before_idat=claim))
    write(f"hostile-{name}-after-idat.png", png(after_idat=claim))

# 24 zTXt chunks of 7 KB, each inflating to 7 MB of text, just below what libpng inflates: kept
# all together, with their copies, they take gigabytes.
spaces = zlib.compress(b" " * (7 << 20), 9)
write("hostile-ztxt-24-inflating.png", png(before_idat=b"".join(chunk(b"zTXt", b"Comment%d\0\0" % i + spaces)
                                                                for i in range(24))))

# An icon whose one image is the found PNG.
entry = struct.pack("<BBBBHHII", 8, 12, 0, 0, 1, 32, len(found), 6 + 16)
write("hostile-icon-embedded-png.ico", struct.pack("<HHH", 0, 1, 1) + entry + bytes(found))

# A run-length encoded BMP that claims 30000 x 30000 pixels: it is decoded whole, 3.6 GB.
palette = b"".join(struct.pack("<BBBB", i, i, i, 0) for i in range(256))
rle = b"\x10\xff" * 8 + b"\0\0" + b"\0\1"
info = struct.pack("<IiiHHIIiiII", 40, 30000, 30000, 1, 8, 1, len(rle), 2835, 2835, 256, 0)
offset = 14 + len(info) + len(palette)
write("hostile-rle-30000.bmp", b"BM" + struct.pack("<IHHI", offset + len(rle), 0, 0, offset) + info + palette + rle)

# An SVG of 8 x 12 holding 256 MB of white space, gzip-compressed to about 250 KB: a vector reader
# inflates it all, and parses it into text twice its size.
svg = gzip.compress(b'<svg xmlns="http://www.w3.org/2000/svg" width="8" height="12">' + b" " * (256 << 20)
                    + b"</svg>\n", compresslevel=9, mtime=0)
write("hostile-whitespace-bomb.svgz", svg)
