#!/usr/bin/python3
"""Writes the zip archives that the reader's tests read, with independent writers: Python's zipfile,
Info-ZIP zip, and a few hand-assembled records for structures those two do not write.

    make_fixtures.py OUTPUT_FOLDER

For an archive NAME.zip whose entries should all extract, NAME.expected/ holds the tree that
extracting it must give.
"""
import io
import os
import shutil
import struct
import subprocess
import sys
import zipfile
import zlib

DATE = (2021, 5, 6, 7, 8, 10)


def bitmap_bytes(width, height, seed):
    """A small uncompressed bitmap picture: a header and rows of a colour pattern."""
    row = bytearray()
    for x in range(width):
        row += bytes(((x * seed) & 0xFF, (x + seed) & 0xFF, (x ^ seed) & 0xFF))
    row += b"\0" * ((4 - len(row) % 4) % 4)
    pixels = bytes(row) * height
    header = b"BM" + struct.pack("<IHHI", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def text_bytes(lines):
    return "".join("line %d of the skin description\n" % i for i in range(lines)).encode()


def noise(size, seed):
    """Incompressible bytes, the same on every run."""
    out = bytearray()
    state = seed
    while len(out) < size:
        state = (state * 6364136223846793005 + 1442695040888963407) & 0xFFFFFFFFFFFFFFFF
        out += (state >> 24).to_bytes(5, "little")
    return bytes(out[:size])


def info(name, mode=0o644, system=3, attributes=0):
    entry = zipfile.ZipInfo(name, DATE)
    entry.create_system = system
    entry.external_attr = (mode << 16) | attributes
    return entry


def write_expected(folder, files):
    """files: name -> bytes, or None for a folder."""
    for name, data in files.items():
        path = os.path.join(folder, name)
        if data is None:
            os.makedirs(path, exist_ok=True)
        else:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)


def python_archive(path, entries, expected=True):
    """entries: (name, data or None for a folder, method)."""
    with zipfile.ZipFile(path, "w") as archive:
        for name, data, method in entries:
            if data is None:
                entry = info(name, 0o40755, attributes=0x10)
                archive.writestr(entry, b"")
            else:
                entry = info(name)
                entry.compress_type = method
                archive.writestr(entry, data)
    if expected:
        write_expected(path[:-4] + ".expected", {name.rstrip("/"): data for name, data, _ in entries})


def patch(path, position, fmt, *values):
    with open(path, "r+b") as f:
        f.seek(position)
        f.write(struct.pack(fmt, *values))


def headers(path):
    """Positions of the local headers and central headers, by entry name."""
    with zipfile.ZipFile(path) as archive:
        data = open(path, "rb").read()
        central = {}
        position = data.rfind(b"PK\x01\x02")
        while position >= 0:
            name_length = struct.unpack_from("<H", data, position + 28)[0]
            central[data[position + 46:position + 46 + name_length].decode("cp437")] = position
            position = data.rfind(b"PK\x01\x02", 0, position)
        return {e.filename: (e.header_offset, central[e.filename]) for e in archive.infolist()}


def patch_both(path, name, offset_in_local, offset_in_central, fmt, *values):
    """Writes the same field into the local and the central header of entry `name`."""
    local, central = headers(path)[name]
    patch(path, local + offset_in_local, fmt, *values)
    patch(path, central + offset_in_central, fmt, *values)


class Unseekable(io.RawIOBase):
    """Makes zipfile write data descriptors, as it does for pipes."""

    def __init__(self, target):
        self.target = target

    def writable(self):
        return True

    def write(self, data):
        return self.target.write(data)


def raw_archive(path, entries, comment=b""):
    """Hand-assembled records. entries: dicts with name (bytes), data, method (0 or 8), flags, and
    descriptor None / 'signed' / 'unsigned' (sizes and CRC then zero in the local header)."""
    out = bytearray()
    central = bytearray()
    for e in entries:
        data = e["data"]
        crc = zlib.crc32(data)
        if e.get("method", 8) == 8:
            packer = zlib.compressobj(6, zlib.DEFLATED, -15)
            packed = packer.compress(data) + packer.flush()
        else:
            packed = data
        method = e.get("method", 8)
        flags = e.get("flags", 0)
        descriptor = e.get("descriptor")
        if descriptor:
            flags |= 0x08
        offset = len(out)
        local_values = (0, 0, 0) if descriptor else (crc, len(packed), len(data))
        out += struct.pack("<4s5H3L2H", b"PK\x03\x04", 20, flags, method, 0x3C00, 0x52A6, *local_values,
                           len(e["name"]), 0)
        out += e["name"] + packed
        if descriptor == "signed":
            out += b"PK\x07\x08"
        if descriptor:
            out += struct.pack("<3L", e.get("descriptor_crc", crc), len(packed), len(data))
        central += struct.pack("<4s6H3L5H2L", b"PK\x01\x02", 0x031E, 20, flags, method, 0x3C00, 0x52A6,
                               crc, len(packed), len(data), len(e["name"]), 0, 0, 0, 0,
                               e.get("attributes", 0o644 << 16), offset)
        central += e["name"]
    end = struct.pack("<4s4H2LH", b"PK\x05\x06", 0, 0, len(entries), len(entries), len(central), len(out),
                      len(comment))
    with open(path, "wb") as f:
        f.write(out + central + end + comment)


def end_record_position(path):
    data = open(path, "rb").read()
    return data.rfind(b"PK\x05\x06")


def make_python(out):
    mixed = [
        ("stored.bmp", bitmap_bytes(40, 30, 3), zipfile.ZIP_STORED),
        ("deflated.bmp", bitmap_bytes(300, 200, 5), zipfile.ZIP_DEFLATED),
        ("empty_stored.txt", b"", zipfile.ZIP_STORED),
        ("empty_deflated.txt", b"", zipfile.ZIP_DEFLATED),
        ("exact_block.bin", noise(65535, 1), zipfile.ZIP_STORED),
        ("folder/", None, zipfile.ZIP_STORED),
        ("folder/nested/", None, zipfile.ZIP_STORED),
        ("folder/nested/Skin.ini", text_bytes(400), zipfile.ZIP_DEFLATED),
    ]
    python_archive(os.path.join(out, "python_mixed.zip"), mixed)

    # The same archive behind 200 bytes of other data, as a self-extracting stub would put it.
    with open(os.path.join(out, "prefix200.zip"), "wb") as f:
        f.write(b"\x7fSTUB" + noise(195, 2) + open(os.path.join(out, "python_mixed.zip"), "rb").read())
    shutil.copytree(os.path.join(out, "python_mixed.expected"), os.path.join(out, "prefix200.expected"))

    with zipfile.ZipFile(os.path.join(out, "empty_archive.zip"), "w"):
        pass

    # A directory of three headers whose end record claims size 0.
    path = os.path.join(out, "dirsize0_count3.zip")
    python_archive(path, [("a.txt", b"a", 0), ("b.txt", b"b", 0), ("c.txt", b"c", 0)], expected=False)
    patch(path, end_record_position(path) + 12, "<L", 0)

    # The comment holds a second end record, of an empty directory; being nearer the end, it wins.
    path = os.path.join(out, "two_end_records.zip")
    with zipfile.ZipFile(path, "w") as archive:
        archive.writestr(info("one.txt"), b"one")
        archive.writestr(info("two.txt"), b"two")
        archive.comment = b"note " + struct.pack("<4s4H2LH", b"PK\x05\x06", 0, 0, 0, 0, 0, 0, 0)

    # The end record starts 32770 bytes before the end of the file: its signature straddles the
    # boundary of the first 32768-byte chunk of the search.
    path = os.path.join(out, "straddle.zip")
    with zipfile.ZipFile(path, "w") as archive:
        archive.writestr(info("only.txt"), b"straddled")
        archive.comment = b"c" * (32770 - 22)
    assert os.path.getsize(path) - end_record_position(path) == 32770
    write_expected(path[:-4] + ".expected", {"only.txt": b"straddled"})

    # Data descriptors with signature (zipfile writing to a pipe) and without (assembled).
    path = os.path.join(out, "descriptor_signed.zip")
    with open(path, "wb") as f:
        with zipfile.ZipFile(Unseekable(f), "w") as archive:
            archive.writestr(info("first.txt"), text_bytes(50), zipfile.ZIP_DEFLATED)
            archive.writestr(info("second.bmp"), bitmap_bytes(20, 20, 9), zipfile.ZIP_STORED)
    write_expected(path[:-4] + ".expected", {"first.txt": text_bytes(50), "second.bmp": bitmap_bytes(20, 20, 9)})
    path = os.path.join(out, "descriptor_unsigned.zip")
    raw_archive(path, [
        {"name": b"first.txt", "data": text_bytes(60), "descriptor": "unsigned"},
        {"name": b"stored.txt", "data": b"stored after a descriptor", "method": 0, "descriptor": "unsigned"},
    ])
    write_expected(path[:-4] + ".expected",
                   {"first.txt": text_bytes(60), "stored.txt": b"stored after a descriptor"})

    # A data descriptor that disagrees with the central header.
    raw_archive(os.path.join(out, "descriptor_mismatch.zip"), [
        {"name": b"first.txt", "data": text_bytes(60), "descriptor": "signed", "descriptor_crc": 1},
    ])

    # A local header whose flags disagree with the central header's.
    path = os.path.join(out, "local_mismatch.zip")
    python_archive(path, [("a.txt", b"a", 0)], expected=False)
    patch(path, headers(path)["a.txt"][0] + 6, "<H", 0x0002)

    # A stored entry whose data is shorter than its uncompressed size.
    path = os.path.join(out, "short_stored.zip")
    python_archive(path, [("short.bin", noise(100, 6), 0)], expected=False)
    patch_both(path, "short.bin", 22, 24, "<L", 150)

    # A stored entry whose data changed after its CRC was taken, then a sound one.
    path = os.path.join(out, "crc_mismatch.zip")
    python_archive(path, [("first.txt", b"checked data", 0), ("second.txt", b"second", 0)], expected=False)
    local, _ = headers(path)["first.txt"]
    patch(path, local + 30 + len("first.txt"), "<1s", b"C")

    # Sizes (in both headers) that run past the end of the file.
    path = os.path.join(out, "truncated.zip")
    python_archive(path, [("big.bin", noise(1000, 3), 0)], expected=False)
    patch_both(path, "big.bin", 18, 20, "<2L", 1000000, 1000000)

    # A deflate stream cut short: the compressed size (in both headers) is half the stream's.
    path = os.path.join(out, "short_deflate.zip")
    python_archive(path, [("cut.txt", text_bytes(2000), zipfile.ZIP_DEFLATED)], expected=False)
    with zipfile.ZipFile(path) as archive:
        half = archive.getinfo("cut.txt").compress_size // 2
    patch_both(path, "cut.txt", 18, 20, "<L", half)

    # A deflate stream that gives more than the declared size: only the declared bytes may come out.
    # The CRC is the one of those bytes, so extraction succeeds with exactly them.
    path = os.path.join(out, "excess_deflate.zip")
    data = text_bytes(3000)
    python_archive(path, [("bomb.txt", data, zipfile.ZIP_DEFLATED)], expected=False)
    patch_both(path, "bomb.txt", 14, 16, "<L", zlib.crc32(data[:1000]))
    patch_both(path, "bomb.txt", 22, 24, "<L", 1000)
    write_expected(path[:-4] + ".expected", {"bomb.txt": data[:1000]})

    path = os.path.join(out, "unsupported_method.zip")
    python_archive(path, [("packed.txt", text_bytes(100), zipfile.ZIP_BZIP2)], expected=False)

    # A central header whose name, or whose comment, runs past the end of the file.
    for part, offset in (("name", 28), ("comment", 32)):
        path = os.path.join(out, "header_%s_past_end.zip" % part)
        python_archive(path, [("a.txt", b"a", 0), ("b.txt", b"b", 0)], expected=False)
        patch(path, headers(path)["b.txt"][1] + offset, "<H", 0xFFFF)

    # Names that climb out of the destination or are absolute, among sound ones.
    path = os.path.join(out, "zip_slip.zip")
    names = ["good1.txt", "../evil1.txt", "a/../../evil2.txt", "/abs/evil3.txt", "..\\evil4.txt",
             "C:/evil5.txt", "sub/../inside.txt", "good2.txt"]
    with zipfile.ZipFile(path, "w") as archive:
        for name in names:
            archive.writestr(info(name), name.encode())

    # Names in code page 437 (no flag) and in UTF-8 (flag bit 11), and a backslash separator.
    path = os.path.join(out, "names.zip")
    raw_archive(path, [
        {"name": b"caf\x82.txt", "data": b"cp437 e acute", "method": 0},
        {"name": b"\x81ber/\xe1.txt", "data": b"cp437 u umlaut and sharp s", "method": 0},
        {"name": "naïve 日本.txt".encode(), "data": b"utf-8", "method": 0, "flags": 0x800},
        {"name": b"dir\\file.txt", "data": b"backslash", "method": 0},
    ])
    write_expected(path[:-4] + ".expected", {
        "café.txt": b"cp437 e acute",
        "über/ß.txt": b"cp437 u umlaut and sharp s",
        "naïve 日本.txt": b"utf-8",
        "dir/file.txt": b"backslash",
    })

    # What every byte of code page 437 is in UTF-8, by Python's codec.
    with open(os.path.join(out, "cp437_table.txt"), "wb") as f:
        f.write(bytes(range(256)).decode("cp437").encode("utf-8"))

    # External attributes: Unix permissions (set-id dropped), the read-only bit, DOS-made entries,
    # and a folder whose permissions would lock its content in.
    path = os.path.join(out, "modes.zip")
    with zipfile.ZipFile(path, "w") as archive:
        archive.writestr(info("locked/", 0o40500, attributes=0x10), b"")
        archive.writestr(info("locked/inside.txt", 0o640), b"inside")
        archive.writestr(info("tool.sh", 0o4755), b"#!/bin/sh\n")
        archive.writestr(info("unix_readonly.txt", 0o644, attributes=0x01), b"ro")
        archive.writestr(info("dos_readonly.txt", 0, system=0, attributes=0x21), b"dos ro")
        archive.writestr(info("dos_plain.txt", 0, system=0, attributes=0x20), b"dos")


def make_infozip(out):
    """Info-ZIP: a tree with folder entries, stored bitmaps and deflated texts; an encrypted entry
    among plain ones; an archive split into numbered volumes."""
    work = os.path.join(out, "infozip_work")
    tree = os.path.join(out, "infozip_tree.expected")
    write_expected(tree, {
        "Skin.ini": text_bytes(200),
        "pictures/back.bmp": bitmap_bytes(120, 80, 7),
        "pictures/buttons/zoom.bmp": bitmap_bytes(64, 16, 11),
        "pictures/empty/": None,
    })
    # -n bmp stores the bitmaps; -X leaves out the extra Unix fields.
    subprocess.run(["zip", "-q", "-r", "-X", "-n", "bmp", os.path.join(out, "infozip_tree.zip"), "."],
                   cwd=tree, check=True)

    os.makedirs(work, exist_ok=True)
    for name, data in (("a.txt", b"plain before"), ("secret.txt", b"hidden"), ("z.txt", b"plain after")):
        with open(os.path.join(work, name), "wb") as f:
            f.write(data)
    encrypted = os.path.join(out, "encrypted_mixed.zip")
    subprocess.run(["zip", "-q", "-X", encrypted, "a.txt"], cwd=work, check=True)
    subprocess.run(["zip", "-q", "-X", "-P", "password", encrypted, "secret.txt"], cwd=work, check=True)
    subprocess.run(["zip", "-q", "-X", encrypted, "z.txt"], cwd=work, check=True)

    # Info-ZIP names the volumes .z01, .z02, ... and .zip; numbered volumes here are .000, .001, ...
    span = os.path.join(out, "span.expected")
    write_expected(span, {
        "first.bin": noise(90000, 4),
        "second.bin": noise(50000, 5),
        "third.txt": text_bytes(400),
    })
    spanned = os.path.join(out, "span.zip")
    subprocess.run(["zip", "-q", "-X", "-s", "64k", spanned, "first.bin", "second.bin", "third.txt"],
                   cwd=span, check=True)
    os.replace(os.path.join(out, "span.z01"), os.path.join(out, "span.000"))
    os.replace(os.path.join(out, "span.z02"), os.path.join(out, "span.001"))
    shutil.rmtree(work)


def main():
    out = sys.argv[1]
    if os.path.isdir(out):
        shutil.rmtree(out)
    os.makedirs(out)
    make_python(out)
    make_infozip(out)


if __name__ == "__main__":
    main()
