#!/usr/bin/python3
"""Writes the skin packages that the skin window's and the viewer window's tests load, with
Python's zipfile as an independent zip writer.

    make_skin_packages.py OUTPUT_FOLDER

OUTPUT_FOLDER/cases holds packages that each show one way a package can be (good, not a zip,
damaged, nested, read-only), OUTPUT_FOLDER/switch the eight Change Skin packages, each a skin of
its own, and OUTPUT_FOLDER/viewer a start-up package with the controls the viewer window
prepares, plus Orange.zip to switch to, which puts the image elsewhere.
"""
import os
import struct
import sys
import zipfile

DATE = (2024, 1, 2, 3, 4, 6)
SCROLL = "track.bmp,up.bmp,upa.bmp,down.bmp,downa.bmp,thumb.bmp,thumba.bmp"
COLOURS = "0x202020,0xE0E0E0,0x3060A0,0xFFFFFF"


def bmp(width, height, rgb):
    """A 24-bit bitmap picture of one colour."""
    row = bytes((rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF)) * width
    row += b"\0" * ((4 - len(row) % 4) % 4)
    pixels = row * height
    header = b"BM" + struct.pack("<IHHI", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def ini(sections):
    """sections: list of (name, list of (key, value)); numbered sections give keys 1 to N."""
    lines = []
    for name, values in sections:
        lines.append("[%s]" % name)
        for key, value in values:
            lines.append("%s=%s" % (key, value))
    return ("\r\n".join(lines) + "\r\n").encode()


def numbered(entries):
    return [(str(i + 1), entry) for i, entry in enumerate(entries)]


def entry(name, mode=0o644, folder=False):
    info = zipfile.ZipInfo(name, DATE)
    info.create_system = 3
    info.external_attr = ((0o40000 if folder else 0o100000) | mode) << 16 | (0x10 if folder else 0)
    return info


def write(path, files, method=zipfile.ZIP_DEFLATED):
    """files: list of (name, bytes or None for a folder, mode)."""
    with zipfile.ZipFile(path, "w") as archive:
        for name, data, mode in files:
            if data is None:
                archive.writestr(entry(name, mode, folder=True), b"")
            else:
                archive.writestr(entry(name, mode), data, compress_type=method)


def small_skin(width, button):
    """A background, a control rectangle and one push button with its four-frame strip."""
    description = ini([
        ("Screen", [("Main", "back.bmp")]),
        ("TRANSPARENT", [("COLOR", "0xFF00FF")]),
        ("CONTROL", [("CONTROL", "2,3,20,15")]),
        ("BUTTONINFO", numbered(["%s,btn.bmp,22,2,32,10,Hint,F" % button])),
        ("COMBOBOXINFO", numbered(["COMBO_ONE,2,18,30,28,drop.bmp,0x000000,0xFFFFFF,0x808080,%s,%s"
                                   % (COLOURS, SCROLL)])),
    ])
    return [("Skin.ini", description, 0o644), ("back.bmp", bmp(width, 30, 0x402060), 0o644),
            ("btn.bmp", bmp(40, 8, 0xC0A000), 0o644)]


def cases(folder):
    os.makedirs(folder, exist_ok=True)
    skin = small_skin(40, "BUTTON_GOOD")
    write(os.path.join(folder, "good.zip"), skin)
    with open(os.path.join(folder, "text.zip"), "w") as text:
        text.write("This is a text file, not a skin package.\n")
    write(os.path.join(folder, "nested.zip"), [("skin/" + name, data, mode) for name, data, mode in skin])
    write(os.path.join(folder, "readonly.zip"),
          [(name, data, 0o444) for name, data, mode in skin] +
          [("locked/", None, 0o555), ("locked/note.txt", b"kept read-only\n", 0o444)])
    # The button strip's stored bytes are changed after the archive is written, so that its
    # CRC-32 no longer matches; the entry after it is never reached.
    damaged = os.path.join(folder, "damaged.zip")
    write(damaged, skin + [("after.bmp", bmp(4, 4, 0x00FF00), 0o644)], method=zipfile.ZIP_STORED)
    with zipfile.ZipFile(damaged) as archive:
        info = archive.getinfo("btn.bmp")
        start = info.header_offset + 30 + len(info.filename.encode()) + len(info.extra)
    with open(damaged, "r+b") as raw:
        raw.seek(start + 60)
        byte = raw.read(1)
        raw.seek(start + 60)
        raw.write(bytes((byte[0] ^ 0xFF,)))


SWITCH = ["Orange.zip", "Black.zip", "Purple.zip", "Blue.zip", "Red.zip", "Gray.zip", "Pink.zip", "Deluxe.zip"]


def switch(folder):
    """Package i has a background 50 + i pixels wide and a button BUTTON_<NAME>."""
    os.makedirs(folder, exist_ok=True)
    for i, package in enumerate(SWITCH):
        name = "BUTTON_" + package.split(".")[0].upper()
        write(os.path.join(folder, package), small_skin(50 + i, name))


def viewer(folder):
    """What the viewer window prepares: three lists, seven edit boxes, a combo box."""
    os.makedirs(folder, exist_ok=True)
    lists = ["LIST_%d,%d,100,%d,180,%s,%s" % (i, 10 + 110 * i, 110 + 110 * i, COLOURS, SCROLL) for i in range(3)]
    edits = ["EDIT_%d,%d,200,%d,220,0x000000,0xFFFFFF,0x808080,TRUE" % (i, 10 + 50 * i, 50 + 50 * i)
             for i in range(7)]
    description = ini([
        ("Screen", [("Main", "back.bmp")]),
        ("CONTROL", [("CONTROL", "10,10,330,90")]),
        ("BUTTONINFO", numbered(["BUTTON_EXIT,btn.bmp,340,10,350,18,Close,F"])),
        ("EDITBOXINFO", numbered(edits)),
        ("LISTBOXINFO", numbered(lists)),
        ("COMBOBOXINFO", numbered(["COMBO_FORMAT,10,230,120,250,drop.bmp,0x000000,0xFFFFFF,0x808080,%s,%s"
                                   % (COLOURS, SCROLL)])),
    ])
    files = [("Skin.ini", description, 0o644), ("back.bmp", bmp(360, 260, 0x305070), 0o644),
             ("btn.bmp", bmp(40, 8, 0xC0A000), 0o644), ("drop.bmp", bmp(80, 20, 0x808080), 0o644)]
    write(os.path.join(folder, "Purple.skn"), files)
    # The same skin with the image elsewhere.
    files[0] = ("Skin.ini", description.replace(b"CONTROL=10,10,330,90", b"CONTROL=20,30,300,80"), 0o644)
    write(os.path.join(folder, "Orange.zip"), files)


def main():
    out = sys.argv[1]
    cases(os.path.join(out, "cases"))
    switch(os.path.join(out, "switch"))
    viewer(os.path.join(out, "viewer"))


if __name__ == "__main__":
    main()
