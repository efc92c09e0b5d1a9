#!/usr/bin/python3
"""Decodes saved pictures with readers that are not Vitrine's, for the export tests.

Usage: decode_pictures.py FOLDER FILE...

Each FILE (a name inside FOLDER) is decoded by Pillow, by ImageMagick (WBMP, WMF, PGX) or by
poppler's pdfimages (PDF, whose embedded pictures Pillow then reads from the PNG files
pdfimages writes). For every page or frame the pixels go to FOLDER/<FILE>.<n>.raw: one byte per
pixel for grey and bilevel pictures (and palettes that hold only greys), three (RGB) otherwise.
A JSON object on standard output describes each file:

  {"FILE": {"decoder": ..., "error": text when it could not be decoded,
            "info": what the reader tells of the file (TIFF compression, GIF loop, PDF images),
            "frames": [{"width", "height", "channels", "mode", "raw", "duration", "opaque"}]}}

"mode" is how the page is stored as the reader sees it: "grey", "bilevel", "palette", "rgb" or
"rgba" (then "opaque" says whether every alpha value is 255).
"""
import json
import os
import shutil
import subprocess
import sys

from PIL import Image, ImageSequence

MAGICK = {"wbmp": "gray", "pgx": "gray", "wmf": "rgb"}
# Metafiles are sized in inches; this density makes one logical unit one pixel.
WMF_DENSITY = "96"


def grey_palette(image):
    palette = image.getpalette() or []
    return all(palette[i] == palette[i + 1] == palette[i + 2] for i in range(0, len(palette), 3))


def pillow_frame(image, raw_path):
    mode = image.mode
    frame = {"width": image.width, "height": image.height, "raw": os.path.basename(raw_path)}
    if mode == "1":
        described, converted = "bilevel", image.convert("L")
    elif mode == "L":
        described, converted = "grey", image
    elif mode == "P" and grey_palette(image):
        described, converted = "grey", image.convert("L")
    elif mode == "P":
        described, converted = "palette", image.convert("RGB")
    elif mode == "RGBA":
        described, converted = "rgba", image.convert("RGB")
        frame["opaque"] = image.getchannel("A").getextrema() == (255, 255)
    else:
        described, converted = "rgb", image.convert("RGB")
    frame["mode"] = described
    frame["channels"] = 1 if converted.mode == "L" else 3
    if "duration" in image.info:
        frame["duration"] = image.info["duration"]
    with open(raw_path, "wb") as raw:
        raw.write(converted.tobytes())
    return frame


def decode_pillow(path, raw_base):
    result = {"decoder": "Pillow", "frames": [], "info": {}}
    with Image.open(path) as image:
        for key in ("compression", "loop"):
            if key in image.info:
                result["info"][key] = image.info[key]
        for index, frame in enumerate(ImageSequence.Iterator(image)):
            result["frames"].append(pillow_frame(frame, "%s.%d.raw" % (raw_base, index)))
    return result


def decode_magick(path, raw_base, kind):
    density = ["-density", WMF_DENSITY] if path.lower().endswith(".wmf") else []
    size = subprocess.run([shutil.which("identify"), "-format", "%w %h\n"] + density + [path],
                          check=True, capture_output=True, text=True).stdout.split()
    raw_path = raw_base + ".0.raw"
    subprocess.run([shutil.which("convert")] + density + [path, "-depth", "8", "%s:%s" % (kind, raw_path)],
                   check=True, capture_output=True)
    frame = {"width": int(size[0]), "height": int(size[1]), "raw": os.path.basename(raw_path),
             "channels": 1 if kind == "gray" else 3, "mode": "grey" if kind == "gray" else "rgb"}
    return {"decoder": "ImageMagick", "frames": [frame], "info": {}}


def decode_pdf(path, raw_base):
    listing = subprocess.run(["pdfimages", "-list", path], check=True, capture_output=True,
                             text=True).stdout.splitlines()[2:]
    images = []
    for line in listing:
        fields = line.split()
        images.append({"page": int(fields[0]), "width": int(fields[3]), "height": int(fields[4]),
                       "color": fields[5], "bpc": int(fields[7]), "enc": fields[8]})
    prefix = raw_base + ".extracted"
    subprocess.run(["pdfimages", "-png", path, prefix], check=True, capture_output=True)
    frames = []
    for index in range(len(images)):
        with Image.open("%s-%03d.png" % (prefix, index)) as image:
            frames.append(pillow_frame(image, "%s.%d.raw" % (raw_base, index)))
    return {"decoder": "pdfimages", "frames": frames, "info": {"images": images}}


def decode(folder, name):
    path = os.path.join(folder, name)
    raw_base = os.path.join(folder, name)
    extension = name.rsplit(".", 1)[-1].lower()
    try:
        if extension == "pdf":
            return decode_pdf(path, raw_base)
        if extension in MAGICK:
            return decode_magick(path, raw_base, MAGICK[extension])
        return decode_pillow(path, raw_base)
    except Exception as error:  # every failure is the test's finding, not the script's
        return {"error": "%s: %s" % (type(error).__name__, error), "frames": []}


def main():
    folder = sys.argv[1]
    json.dump({name: decode(folder, name) for name in sys.argv[2:]}, sys.stdout)


if __name__ == "__main__":
    main()
