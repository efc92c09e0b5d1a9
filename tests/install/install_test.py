"""The installation as a user gets it: installed into a scratch prefix, its programs run from there
with nothing of the build in reach, the viewer started as the desktop's launcher starts it, the
launcher and the manual pages checked by Debian's own tools, and the Debian package made from it.

    install_test.py --build BUILD --version VERSION --shots FOLDER [--cmake CMAKE --cpack CPACK]
    (under xvfb-run)
"""

import argparse
import configparser
import gzip
import io
import os
import re
import shlex
import subprocess
import sys
import tempfile
import time
import unittest
import zipfile

import pydicom.data
from PIL import Image, ImageChops

ARGS = None
PREFIX = None  # the scratch installation, made once for every test
SCRATCH = None

PROGRAMS = ["vitrine", "vitrine-export", "vitrine-unzip"]
SKIN_PACKAGES = ["Purple.skn"] + [c + ".zip" for c in
                                  ("Orange", "Black", "Purple", "Blue", "Red", "Gray", "Pink", "Deluxe")]
ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]
EXPECTED_FILES = sorted(
    ["bin/" + p for p in PROGRAMS]
    + ["libexec/vitrine/vitrine-codec", "share/applications/vitrine.desktop"]
    + ["share/vitrine/skins/" + p for p in SKIN_PACKAGES]
    + ["share/icons/hicolor/%dx%d/apps/vitrine.png" % (s, s) for s in ICON_SIZES]
    + ["share/man/man1/%s.1.gz" % p for p in PROGRAMS])


def installed_files(root):
    found = []
    for folder, _, files in os.walk(root):
        found += [os.path.relpath(os.path.join(folder, f), root) for f in files]
    return sorted(found)


def test_file(name):
    return pydicom.data.get_testdata_file(name)


def run_installed(arguments, cwd=None):
    """A program of the installation, found through a PATH that holds only its bin folder."""
    environment = {"PATH": os.path.join(PREFIX, "bin"), "HOME": os.path.join(SCRATCH, "home")}
    return subprocess.run(arguments, cwd=cwd or SCRATCH, env=environment, capture_output=True, text=True,
                          timeout=60)


def setUpModule():
    global PREFIX, SCRATCH
    SCRATCH = tempfile.mkdtemp(prefix="vitrine-install-")
    os.makedirs(os.path.join(SCRATCH, "home"))
    PREFIX = os.path.join(SCRATCH, "prefix")
    # Stripped as the package strips them, so that what remains of the build in the files is what
    # the programs would really use.
    subprocess.run([ARGS.cmake, "--install", ARGS.build, "--prefix", PREFIX, "--strip"], check=True,
                   stdout=subprocess.DEVNULL)


def tearDownModule():
    subprocess.run(["rm", "-rf", SCRATCH], check=False)


class InstalledFilesTest(unittest.TestCase):
    def test_the_installation_holds_exactly_the_expected_files(self):
        self.assertEqual(installed_files(PREFIX), EXPECTED_FILES)

    def test_no_installed_file_names_the_build_or_source_folder(self):
        # A path compiled in from the build would work here and nowhere else.
        source = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
        for name in installed_files(PREFIX):
            with open(os.path.join(PREFIX, name), "rb") as file:
                data = gzip.decompress(file.read()) if name.endswith(".gz") else file.read()
            for folder in {os.path.realpath(ARGS.build), os.path.realpath(source)}:
                with self.subTest(name=name, folder=folder):
                    self.assertNotIn(folder.encode(), data)


class InstalledToolsTest(unittest.TestCase):
    def test_versions_come_from_the_project(self):
        for program in PROGRAMS:
            with self.subTest(program):
                result = run_installed([program, "--version"])
                self.assertEqual((result.returncode, result.stdout), (0, "%s %s\n" % (program, ARGS.version)))

    def test_export_reads_a_file_and_decodes_through_the_installed_decoder(self):
        info = run_installed(["vitrine-export", "info", test_file("CT_small.dcm")])
        self.assertEqual(info.returncode, 0, info.stderr)
        self.assertIn("PatientName\tCompressedSamples^CT1", info.stdout)
        # A JPEG frame is decoded by the decoder process under libexec/vitrine.
        out = os.path.join(SCRATCH, "jpeg.png")
        save = run_installed(["vitrine-export", "save", test_file("JPEG-lossy.dcm"), out])
        self.assertEqual(save.returncode, 0, save.stderr)
        with Image.open(out) as picture:
            self.assertGreater(picture.convert("L").getextrema()[1], 0)

    def test_unzip_lists_the_installed_start_up_skin(self):
        package = os.path.join(PREFIX, "share/vitrine/skins/Purple.skn")
        result = run_installed(["vitrine-unzip", "list", package])
        self.assertEqual(result.returncode, 0, result.stdout)
        names = [line.split("\t")[1] for line in result.stdout.splitlines()]
        self.assertIn("skin.ini", [n.lower() for n in names])


class StartUpSkin:
    """The size and background of the installed start-up skin, read with Python's own zip reader."""

    def __init__(self, package):
        with zipfile.ZipFile(package) as archive:
            names = {name.lower(): name for name in archive.namelist()}
            ini = configparser.ConfigParser(interpolation=None, strict=False)
            ini.read_string(archive.read(names["skin.ini"]).decode("latin-1"))
            sections = {s.upper(): s for s in ini.sections()}
            main = ini.get(sections["SCREEN"], "Main").strip().strip('"')
            self.background = Image.open(io.BytesIO(archive.read(names[main.lower()]))).convert("RGB")
            self.control = [int(v) for v in ini.get(sections["CONTROL"], "CONTROL").strip('"').split(",")]


def xdotool(*arguments):
    result = subprocess.run(["xdotool", *map(str, arguments)], capture_output=True, text=True)
    return result.stdout.strip() if result.returncode == 0 else ""


def wait_for_window(process, timeout=20.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if process.poll() is not None:
            raise AssertionError("the viewer ended with status %d: %s" % (process.returncode,
                                                                          process.stderr.read()))
        for window in xdotool("search", "--onlyvisible", "--pid", process.pid).split():
            shell = xdotool("getwindowgeometry", "--shell", window)
            values = dict(line.split("=") for line in shell.splitlines() if "=" in line)
            if values:
                return [int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT")]
        time.sleep(0.1)
    raise AssertionError("the viewer showed no window")


def matching_share(shot, background):
    """The share of the background's pixels that the screenshot shows within a few levels."""
    red, green, blue = ImageChops.difference(shot, background).split()
    largest = ImageChops.lighter(ImageChops.lighter(red, green), blue)
    return sum(largest.histogram()[:9]) / (background.width * background.height)


class InstalledViewerTest(unittest.TestCase):
    def test_launcher_starts_the_viewer_from_the_root_with_its_skin_and_the_file(self):
        launcher = configparser.ConfigParser(interpolation=None)
        launcher.read(os.path.join(PREFIX, "share/applications/vitrine.desktop"))
        picture = test_file("CT_small.dcm")
        # A skins folder above the installation, as ~/skins is above ~/.local/bin, is the user's
        # own business, not the program's skins.
        os.makedirs(os.path.join(SCRATCH, "skins"), exist_ok=True)
        with open(os.path.join(SCRATCH, "skins", "Purple.skn"), "w") as decoy:
            decoy.write("not a skin package")
        # As a desktop starts it: the Exec line with %f for the file, the program found on PATH, and
        # a current folder that holds no skin.
        command = [picture if word == "%f" else word
                   for word in shlex.split(launcher.get("Desktop Entry", "Exec"))]
        environment = {"PATH": os.path.join(PREFIX, "bin"), "HOME": os.path.join(SCRATCH, "home"),
                       "DISPLAY": os.environ["DISPLAY"], "QT_QPA_PLATFORM": "xcb"}
        if "XAUTHORITY" in os.environ:
            environment["XAUTHORITY"] = os.environ["XAUTHORITY"]
        viewer = subprocess.Popen(command, cwd="/", env=environment, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.PIPE, text=True)
        try:
            x, y, width, height = wait_for_window(viewer)
            time.sleep(1.5)  # the first paint and the file's first page
            os.makedirs(ARGS.shots, exist_ok=True)
            path = os.path.join(ARGS.shots, "installed_viewer.png")
            subprocess.run(["import", "-window", "root", path], check=True)
        finally:
            viewer.kill()
            viewer.communicate()
        skin = StartUpSkin(os.path.join(PREFIX, "share/vitrine/skins/Purple.skn"))
        with Image.open(path) as screen:
            shot = screen.convert("RGB").crop((x, y, x + width, y + height))
        self.assertEqual(shot.size, skin.background.size, "the window does not take the start-up skin's size")
        # Controls and the cut-out parts cover much of the background; the rest shows through, where a
        # plain look or a misplaced window matches a few per cent at most.
        self.assertGreater(matching_share(shot, skin.background), 0.25)
        left, top, right, bottom = skin.control
        image = shot.crop((left, top, right, bottom)).convert("L")
        self.assertGreater(image.getextrema()[1], 40, "the file named on the command line is not shown")


class DesktopAndManualsTest(unittest.TestCase):
    def test_launcher_passes_desktop_file_validate(self):
        launcher = os.path.join(PREFIX, "share/applications/vitrine.desktop")
        result = subprocess.run(["desktop-file-validate", launcher], capture_output=True, text=True)
        self.assertEqual((result.returncode, result.stdout + result.stderr), (0, ""))

    def test_manual_pages_render_without_warnings_and_name_every_option(self):
        environment = dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8")
        for program in PROGRAMS:
            with self.subTest(program):
                page = os.path.join(PREFIX, "share/man/man1/%s.1.gz" % program)
                result = subprocess.run(["man", "--warnings", "-l", page], capture_output=True, text=True,
                                        env=environment)
                self.assertEqual((result.returncode, result.stderr), (0, ""))
                text = re.sub(".\b", "", result.stdout)
                for section in ("SYNOPSIS", "OPTIONS", "EXIT STATUS", "EXAMPLES"):
                    self.assertIn(section, text)
                usage = run_installed([program, "--help"]).stdout
                for option in set(re.findall(r"--[a-z]+", usage)):
                    self.assertIn(option, text)


class DebianPackageTest(unittest.TestCase):
    def test_package_holds_the_installation_and_its_library_dependencies(self):
        folder = os.path.join(SCRATCH, "package")
        subprocess.run([ARGS.cpack, "-G", "DEB", "--config", os.path.join(ARGS.build, "CPackConfig.cmake"),
                        "-B", folder], check=True, stdout=subprocess.DEVNULL)
        package = os.path.join(folder, "vitrine_%s_amd64.deb" % ARGS.version)
        listing = subprocess.run(["dpkg-deb", "-c", package], capture_output=True, text=True, check=True)
        files = sorted(line.split()[-1][len("./usr/"):]
                       for line in listing.stdout.splitlines() if line.startswith("-"))
        self.assertEqual(files, EXPECTED_FILES)
        fields = subprocess.run(["dpkg-deb", "-f", package, "Depends"], capture_output=True, text=True)
        for library in ("libqt6widgets6", "libgdcm3.0", "libtiff6", "libc6"):
            self.assertIn(library, fields.stdout)
        print("\n%s: %d bytes" % (os.path.basename(package), os.path.getsize(package)), file=sys.stderr)


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--shots", required=True)
    parser.add_argument("--cmake", default="cmake")
    parser.add_argument("--cpack", default="cpack")
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0], *rest], verbosity=2)
