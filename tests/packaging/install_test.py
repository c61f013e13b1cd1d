#!/usr/bin/env python3
"""`cmake --install` into a temporary DESTDIR, checked with the desktop's own validators.

    install_test.py BUILD_DIR
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

BUILD = os.path.abspath(sys.argv[1])
APP_ID = "io.github.tavro_laser.TavroLaser"
HELPER = "/usr/libexec/tavro/tavro-serial-access"
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)

EXPECTED_FILES = sorted([
    "/usr/bin/tavro",
    "/usr/bin/tavro-burn",
    "/usr/bin/tavro-engraver-sim",
    "/usr/bin/tavro-render",
    "/usr/lib/udev/rules.d/70-tavro-serial.rules",
    HELPER,
    f"/usr/share/applications/{APP_ID}.desktop",
    "/usr/share/doc/tavro-laser/changelog.gz",
    "/usr/share/doc/tavro-laser/copyright",
    *[f"/usr/share/icons/hicolor/{s}x{s}/apps/{APP_ID}.png" for s in ICON_SIZES],
    f"/usr/share/icons/hicolor/scalable/apps/{APP_ID}.svg",
    "/usr/share/man/man1/tavro-burn.1.gz",
    "/usr/share/man/man1/tavro-engraver-sim.1.gz",
    "/usr/share/man/man1/tavro-render.1.gz",
    "/usr/share/man/man1/tavro.1.gz",
    "/usr/share/man/man8/tavro-serial-access.8.gz",
    f"/usr/share/metainfo/{APP_ID}.metainfo.xml",
    f"/usr/share/mime/packages/{APP_ID}.xml",
    f"/usr/share/polkit-1/actions/{APP_ID}.serial-access.policy",
])


def run(*command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, timeout=300, check=False,
                          **kwargs)


class InstalledTreeTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.destdir = tempfile.mkdtemp(prefix="tavro-install-")
        # The prefix differs from the configured one, as with cpack: paths written into the
        # helper and the policy must follow it.
        result = run("cmake", "--install", BUILD, "--prefix", "/usr", "--strip",
                     env=dict(os.environ, DESTDIR=cls.destdir))
        if result.returncode != 0:
            raise AssertionError("cmake --install failed:\n" + result.stdout + result.stderr)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.destdir)

    def path(self, installed):
        return self.destdir + installed

    def read(self, installed):
        with open(self.path(installed), encoding="utf-8") as f:
            return f.read()

    def validate(self, *command):
        result = run(*command)
        print(f"$ {' '.join(os.path.basename(c) for c in command)}\n{result.stdout}{result.stderr}")
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

    def test_the_file_list(self):
        found = sorted("/" + os.path.relpath(os.path.join(folder, name), self.destdir)
                       for folder, _, names in os.walk(self.destdir) for name in names)
        print("\n".join(found))
        self.assertEqual(found, EXPECTED_FILES)
        for program in ("/usr/bin/tavro", "/usr/bin/tavro-render", "/usr/bin/tavro-engraver-sim",
                        HELPER):
            self.assertTrue(os.access(self.path(program), os.X_OK), program)

    def test_desktop_entry_and_metainfo_validate(self):
        self.validate("desktop-file-validate", self.path(f"/usr/share/applications/{APP_ID}.desktop"))
        self.validate("appstreamcli", "validate", "--no-net",
                      self.path(f"/usr/share/metainfo/{APP_ID}.metainfo.xml"))

    def test_the_metainfo_provides_every_installed_program(self):
        metainfo = ElementTree.parse(self.path(f"/usr/share/metainfo/{APP_ID}.metainfo.xml"))
        provided = sorted(b.text for b in metainfo.getroot().findall("provides/binary"))
        installed = sorted(os.listdir(self.path("/usr/bin")))
        self.assertEqual(provided, installed)

    def test_job_files_are_a_kind_of_png_known_by_their_double_extension(self):
        # Built in a copy, so the installed tree keeps only what was installed.
        mime = os.path.join(tempfile.mkdtemp(prefix="tavro-mime-"), "mime")
        self.addCleanup(shutil.rmtree, os.path.dirname(mime))
        shutil.copytree(self.path("/usr/share/mime"), mime)
        self.validate("update-mime-database", mime)
        with open(os.path.join(mime, "globs2"), encoding="utf-8") as f:
            self.assertIn("60:application/x-tavro-job:*.tavro.png", f.read().splitlines())
        with open(os.path.join(mime, "subclasses"), encoding="utf-8") as f:
            self.assertIn("application/x-tavro-job image/png", f.read().splitlines())
        self.assertIn("application/x-tavro-job;",
                      self.read(f"/usr/share/applications/{APP_ID}.desktop"))

    def test_icons_have_the_size_of_their_folder(self):
        for size in ICON_SIZES:
            with open(self.path(f"/usr/share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png"),
                      "rb") as f:
                header = f.read(24)
            self.assertEqual(header[:8], b"\x89PNG\r\n\x1a\n")
            self.assertEqual(struct.unpack(">II", header[16:24]), (size, size))

    def test_the_helper_and_its_polkit_action_name_the_installed_path(self):
        self.assertIn(f"INSTALLED='{HELPER}'", self.read(HELPER))
        policy = self.path(f"/usr/share/polkit-1/actions/{APP_ID}.serial-access.policy")
        self.validate("xmllint", "--noout", policy)
        text = self.read(f"/usr/share/polkit-1/actions/{APP_ID}.serial-access.policy")
        self.assertIn(f'<action id="{APP_ID}.serial-access">', text)
        self.assertIn(f'"org.freedesktop.policykit.exec.path">{HELPER}</annotate>', text)
        self.assertIn("<allow_active>auth_admin</allow_active>", text)
        # The packaged rule is the one the helper writes.
        rules = self.read("/usr/lib/udev/rules.d/70-tavro-serial.rules").strip()
        self.assertIn(rules, self.read(HELPER))

    def test_manual_pages_render_without_warnings(self):
        for page in ("man1/tavro.1.gz", "man1/tavro-render.1.gz", "man1/tavro-engraver-sim.1.gz",
                     "man8/tavro-serial-access.8.gz"):
            result = run("man", "--warnings", "-l", "-Tutf8", "-Z",
                         self.path("/usr/share/man/" + page), env=dict(os.environ, LC_ALL="C.UTF-8"))
            self.assertEqual((result.returncode, result.stderr), (0, ""), page)

    def test_the_installed_programs_run(self):
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8")
        version = run(self.path("/usr/bin/tavro"), "--version", env=env)
        self.assertEqual(version.returncode, 0, version.stderr)
        self.assertRegex(version.stdout, r"^tavro \d+\.\d+\.\d+\n$")
        self.assertEqual(run(self.path("/usr/bin/tavro-render"), "--help", env=env).returncode, 0)
        self.assertEqual(run(self.path("/usr/bin/tavro-engraver-sim"), "--help", env=env).returncode, 0)
        helper = run(self.path(HELPER), "--version", env=env)
        self.assertEqual(helper.stdout, version.stdout.replace("tavro ", "tavro-serial-access "))

    def test_the_program_names_no_build_folder(self):
        with open(self.path("/usr/bin/tavro"), "rb") as f:
            binary = f.read()
        # Qt keeps string literals in UTF-16.
        def occurs(text):
            return text.encode() in binary or text.encode("utf-16-le") in binary

        self.assertFalse(occurs(os.path.join(BUILD, "libexec")))
        self.assertTrue(occurs("../libexec/tavro/tavro-serial-access"))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[2:], verbosity=2)
