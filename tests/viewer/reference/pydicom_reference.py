#!/usr/bin/python3
"""Writes what pydicom makes of every file it ships under its data folder, for the corpus test.

Usage: pydicom_reference.py OUTPUT_FOLDER

OUTPUT_FOLDER/manifest.json lists each file with pydicom's verdict: "pixels" (the stored values
of every frame are in OUTPUT_FOLDER/<index>.bin as little-endian int64, frame by frame, row by
row, sample by sample), "nopixels" (read, no pixel data), "unreadable" or "undecodable", and
every Patient's Name in the file (nested ones included) as pydicom decodes it, in file order. Files pydicom reads only
when forced (no preamble, or not DICOM at all) are marked "forced".

Values are taken as stored values: where pydicom leaves bits above Bits Stored in place, they
are masked and the sign extended here, so that both sides compare the same quantity.
"""
import json
import os
import sys
import warnings

import numpy as np
import pydicom
import pydicom.data
from pydicom.dataset import Dataset

FOLDERS = ("test_files", "charset_files")


def corpus_files():
    base = os.path.dirname(pydicom.data.__file__)
    for folder in FOLDERS:
        for root, _, names in os.walk(os.path.join(base, folder)):
            for name in sorted(names):
                yield os.path.join(root, name)


def patient_names(dataset):
    names = []
    for element in dataset:
        if element.VR == "SQ":
            for item in element.value:
                names.extend(patient_names(item))
        elif element.tag == 0x00100010:
            value = element.value
            values = value if isinstance(value, pydicom.multival.MultiValue) else [value]
            names.append("\\".join("" if v is None else str(v) for v in values))
    return names


def stored_values(dataset, array):
    frames = int(dataset.get("NumberOfFrames", 1) or 1)
    rows, columns = int(dataset.Rows), int(dataset.Columns)
    samples = int(dataset.get("SamplesPerPixel", 1))
    array = np.asarray(array).reshape(frames, rows, columns, samples).astype(np.int64)
    allocated = int(dataset.BitsAllocated)
    stored = int(dataset.get("BitsStored", allocated))
    if 1 < stored < allocated:
        array &= (1 << stored) - 1
        if int(dataset.get("PixelRepresentation", 0)) == 1:
            sign = 1 << (stored - 1)
            array = np.where(array & sign, array - (1 << stored), array)
    return frames, rows, columns, samples, array


def describe(index, path, out):
    entry = {"path": path, "forced": False}
    try:
        dataset = pydicom.dcmread(path)
    except Exception as error:  # not DICOM, damaged, or written without the preamble
        try:
            dataset = pydicom.dcmread(path, force=True)
            entry["forced"] = True
        except Exception:
            entry.update(status="unreadable", reason=f"{type(error).__name__}: {error}")
            return entry
    try:
        entry["patientNames"] = patient_names(dataset)
    except Exception:
        entry["patientNames"] = None
    if "PixelData" not in dataset:
        entry["status"] = "nopixels"
        return entry
    try:
        frames, rows, columns, samples, values = stored_values(dataset, dataset.pixel_array)
    except Exception as error:
        entry.update(status="undecodable", reason=f"{type(error).__name__}: {error}")
        return entry
    values.astype("<i8").tofile(os.path.join(out, f"{index}.bin"))
    entry.update(status="pixels", frames=frames, rows=rows, columns=columns, samples=samples,
                 values=f"{index}.bin", photometric=str(dataset.get("PhotometricInterpretation", "")))
    return entry


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    warnings.simplefilter("ignore")
    entries = [describe(index, path, out) for index, path in enumerate(corpus_files())]
    with open(os.path.join(out, "manifest.json"), "w", encoding="utf-8") as manifest:
        json.dump({"pydicom": pydicom.__version__, "files": entries}, manifest, ensure_ascii=False, indent=1)


if __name__ == "__main__":
    main()
