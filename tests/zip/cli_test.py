#!/usr/bin/python3
"""vitrine-unzip against its contract, and its listings against Python's own zip reader.

    cli_test.py VITRINE_UNZIP FIXTURE_FOLDER
"""
import os
import subprocess
import sys
import tempfile
import unittest
import zipfile

TOOL = FIXTURES = None


def run(*arguments):
    result = subprocess.run([TOOL, *arguments], capture_output=True)
    return result.returncode, result.stdout.decode("utf-8").splitlines()


def fixture(name):
    return os.path.join(FIXTURES, name)


class ListTest(unittest.TestCase):
    def test_listing_agrees_with_pythons_reader(self):
        for name in ("python_mixed.zip", "prefix200.zip", "infozip_tree.zip", "encrypted_mixed.zip",
                     "descriptor_signed.zip", "names.zip", "modes.zip", "zip_slip.zip", "straddle.zip"):
            with self.subTest(name), zipfile.ZipFile(fixture(name)) as archive:
                expected = []
                for index, entry in enumerate(archive.infolist()):
                    folder = "dir" if entry.external_attr & 0x10 else "file"
                    expected.append("%d\t%s\t%d\t%d\t%d\t%08x\t%04x\t%s" % (
                        index, entry.filename.replace("\\", "/"), entry.compress_type, entry.compress_size,
                        entry.file_size, entry.CRC, entry.flag_bits, folder))
                self.assertEqual(run("list", fixture(name)), (0, expected))

    def test_open_failures(self):
        with tempfile.TemporaryDirectory() as folder:
            empty = os.path.join(folder, "empty.zip")
            open(empty, "wb").close()
            for command in (["list"], ["extract"]):
                destination = [os.path.join(folder, "out")] if command == ["extract"] else []
                with self.subTest(command[0]):
                    self.assertEqual(run(*command, empty, *destination), (3, ["open: cause 18"]))
                    self.assertEqual(run(*command, fixture("dirsize0_count3.zip"), *destination),
                                     (3, ["open: cause 10"]))
                    self.assertEqual(run(*command, os.path.join(folder, "missing.zip"), *destination),
                                     (3, ["open: file error: No such file or directory"]))

    def test_usage(self):
        for arguments in ([], ["list"], ["extract", "a.zip"], ["unpack", "a.zip", "b"]):
            with self.subTest(arguments):
                self.assertEqual(subprocess.run([TOOL, *arguments], capture_output=True).returncode, 2)


class ExtractTest(unittest.TestCase):
    def test_outcomes_and_exit_status(self):
        cases = {
            "python_mixed.zip": (0, [(i, n, "ok") for i, n in enumerate(
                ["stored.bmp", "deflated.bmp", "empty_stored.txt", "empty_deflated.txt", "exact_block.bin",
                 "folder/", "folder/nested/", "folder/nested/Skin.ini"])]),
            "encrypted_mixed.zip": (1, [(0, "a.txt", "ok"), (1, "secret.txt", "refused"), (2, "z.txt", "ok")]),
            "zip_slip.zip": (1, [(0, "good1.txt", "ok"), (1, "../evil1.txt", "refused"),
                                 (2, "a/../../evil2.txt", "refused"), (3, "/abs/evil3.txt", "refused"),
                                 (4, "../evil4.txt", "refused"), (5, "C:/evil5.txt", "refused"),
                                 (6, "sub/../inside.txt", "refused"), (7, "good2.txt", "ok")]),
            # After an error the remaining entries are skipped.
            "crc_mismatch.zip": (3, [(0, "first.txt", "error cause 11")]),
            "short_deflate.zip": (3, [(0, "cut.txt", "error cause 8")]),
        }
        for name, (status, lines) in cases.items():
            with self.subTest(name), tempfile.TemporaryDirectory() as folder:
                expected = ["%d\t%s\t%s" % line for line in lines]
                self.assertEqual(run("extract", fixture(name), os.path.join(folder, "out")), (status, expected))
                self.assertEqual(os.listdir(folder), ["out"])

    def test_extracted_tree_matches_the_packed_one(self):
        with tempfile.TemporaryDirectory() as folder:
            self.assertEqual(run("extract", fixture("infozip_tree.zip"), folder)[0], 0)
            with zipfile.ZipFile(fixture("infozip_tree.zip")) as archive:
                for entry in archive.infolist():
                    path = os.path.join(folder, entry.filename)
                    if entry.is_dir():
                        self.assertTrue(os.path.isdir(path), entry.filename)
                    else:
                        with open(path, "rb") as f:
                            self.assertEqual(f.read(), archive.read(entry), entry.filename)

    def test_failed_write_is_a_file_error(self):
        with tempfile.TemporaryDirectory() as folder:
            blocker = os.path.join(folder, "file")
            open(blocker, "wb").close()
            # The destination's folder part is an ordinary file.
            status, lines = run("extract", fixture("straddle.zip"), os.path.join(blocker, "out"))
            self.assertEqual(status, 3)
            self.assertEqual(lines, ["0\tonly.txt\terror file error: Not a directory"])


if __name__ == "__main__":
    TOOL, FIXTURES = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1], verbosity=1)
