#!/usr/bin/env python3
"""`cpack -G DEB` from the build folder, checked with dpkg-deb and lintian.

    deb_test.py BUILD_DIR
"""
import glob
import gzip
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

BUILD = os.path.abspath(sys.argv[1])


def run(*command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, timeout=300, check=False,
                          **kwargs)


class DebianPackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp(prefix="tavro-deb-")
        result = run("cpack", "--config", os.path.join(BUILD, "CPackConfig.cmake"),
                     "-G", "DEB", "-B", cls.folder)
        if result.returncode != 0:
            raise AssertionError("cpack failed:\n" + result.stdout + result.stderr)
        packages = glob.glob(os.path.join(cls.folder, "tavro-laser_*_*.deb"))
        if len(packages) != 1:
            raise AssertionError(f"expected one package, found {packages}")
        cls.deb = packages[0]

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.folder)

    def field(self, name):
        result = run("dpkg-deb", "--field", self.deb, name)
        self.assertEqual(result.returncode, 0, result.stderr)
        return result.stdout.strip()

    def test_the_control_fields(self):
        depends = [d.strip() for d in self.field("Depends").split(",")]
        print("Depends:", ", ".join(depends))
        # Read from the binaries by dpkg-shlibdeps, plus the plugins the picture loader needs
        # and Qt's own translations, which the program loads by name.
        self.assertIn("qt6-image-formats-plugins", depends)
        self.assertIn("qt6-translations-l10n", depends)
        # libudev1: the device watcher and the connection check.
        for library in ("libqt6widgets6", "libqt6serialport6", "libudev1", "libc6"):
            self.assertTrue(any(d.startswith(library + " ") for d in depends), library)
        self.assertEqual(self.field("Package"), "tavro-laser")
        self.assertEqual(self.field("Section"), "electronics")
        self.assertRegex(self.field("Maintainer"), r"^[^<>]+ <[^@<>\s]+@[^@<>\s]+>$")
        self.assertRegex(os.path.basename(self.deb), r"^tavro-laser_\d+\.\d+\.\d+_[a-z0-9]+\.deb$")
        self.assertIn(self.field("Version"), os.path.basename(self.deb))

    def test_the_package_installs_under_usr_and_reloads_udev(self):
        listing = run("dpkg-deb", "--contents", self.deb).stdout
        files = sorted(line.split()[5] for line in listing.splitlines()
                       if not line.startswith("d"))
        self.assertIn("./usr/bin/tavro", files)
        self.assertIn("./usr/lib/udev/rules.d/70-tavro-serial.rules", files)
        self.assertIn("./usr/libexec/tavro/tavro-serial-access", files)
        self.assertFalse([f for f in files if not f.startswith("./usr/")], files)
        tree = os.path.join(self.folder, "tree")
        self.assertEqual(run("dpkg-deb", "--extract", self.deb, tree).returncode, 0)
        with open(os.path.join(tree, "usr/libexec/tavro/tavro-serial-access"), encoding="utf-8") as f:
            self.assertIn("INSTALLED='/usr/libexec/tavro/tavro-serial-access'", f.read())
        # The changelog's newest entry is the package's version (bump both together).
        with gzip.open(os.path.join(tree, "usr/share/doc/tavro-laser/changelog.gz"), "rt") as f:
            self.assertEqual(f.readline().split()[:2],
                             ["tavro-laser", "(%s)" % self.field("Version")])
        control = os.path.join(self.folder, "control")
        run("dpkg-deb", "--control", self.deb, control)
        for script in ("postinst", "postrm"):
            path = os.path.join(control, script)
            self.assertTrue(os.access(path, os.X_OK), script)
            with open(path, encoding="utf-8") as f:
                self.assertIn("udevadm control --reload-rules", f.read())

    def test_lintian_reports_no_error(self):
        result = run("lintian", "--tag-display-limit", "0", "--display-info", self.deb)
        print("$ lintian --display-info " + os.path.basename(self.deb))
        print(result.stdout + result.stderr)
        errors = [line for line in result.stdout.splitlines() if line.startswith("E:")]
        self.assertEqual(errors, [])
        self.assertEqual(result.returncode, 0, result.stderr)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[2:], verbosity=2)
