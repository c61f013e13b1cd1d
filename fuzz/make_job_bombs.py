#!/usr/bin/env python3
"""Writes the two memory bombs among the job-file seeds, from the saved jobs beside them.

bad-text-bomb.tavro.png: a whole job with 40 compressed text chunks of 7.9 MB each in
about 310 KB. bad-remembered-claims-2g.tavro.png: a whole job whose remembered image has
a text chunk that claims 2 GiB. Run it again to get the same bytes.
"""
import base64
import pathlib
import struct
import zlib

CORPUS = pathlib.Path(__file__).resolve().parent / "corpus" / "job_file"


def chunks(png):
    pos = 8
    while pos < len(png):
        (length,) = struct.unpack(">I", png[pos : pos + 4])
        yield png[pos + 4 : pos + 8], png[pos + 8 : pos + 8 + length]
        pos += 12 + length


def chunk(kind, data, claimed=None):
    length = len(data) if claimed is None else claimed
    check = zlib.crc32(kind + data) & 0xFFFFFFFF
    return struct.pack(">I", length) + kind + data + struct.pack(">I", check)


def rebuild(png, replace):
    """The PNG with each chunk passed through replace(kind, data) -> bytes."""
    return png[:8] + b"".join(replace(kind, data) for kind, data in chunks(png))


def text_bomb():
    job = (CORPUS / "ok-white.tavro.png").read_bytes()
    # Just below libpng's 8,000,000-byte limit per chunk, so that every one is inflated.
    inflated = b"A" * 7_900_000
    bomb = b"".join(
        chunk(b"zTXt", b"Comment%d\0\0" % i + zlib.compress(inflated, 9)) for i in range(40)
    )

    def replace(kind, data):
        return (bomb if kind == b"IDAT" else b"") + chunk(kind, data)

    return rebuild(job, replace)


def remembered_claiming_2g():
    job = (CORPUS / "ok-remembered.tavro.png").read_bytes()
    key = b"TavroRememberedImage\0"
    remembered = next(d for k, d in chunks(job) if k == b"tEXt" and d.startswith(key))
    inner = base64.b64decode(remembered[len(key) :])

    def claim(kind, data):
        if kind != b"IHDR":
            return chunk(kind, data)
        return chunk(kind, data) + chunk(b"tEXt", b"Comment\0short", claimed=0x7FFFFF00)

    lying = key + base64.b64encode(rebuild(inner, claim))

    def replace(kind, data):
        if kind == b"tEXt" and data.startswith(key):
            return chunk(kind, lying)
        return chunk(kind, data)

    return rebuild(job, replace)


if __name__ == "__main__":
    (CORPUS / "bad-text-bomb.tavro.png").write_bytes(text_bomb())
    (CORPUS / "bad-remembered-claims-2g.tavro.png").write_bytes(remembered_claiming_2g())
