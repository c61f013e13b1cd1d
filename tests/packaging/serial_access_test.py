#!/usr/bin/env python3
"""The serial-access helper, run with its system commands replaced by recorders.

usermod, gpasswd, udevadm and pkexec only write their arguments to a log; `id` answers the
helper's own uid as told (FAKE_UID) and a user's groups as told (FAKE_GROUPS), and asks the
real `id` for everything else. Files live under TAVRO_SERIAL_ACCESS_ROOT, a temporary folder.

    serial_access_test.py HELPER INSTALLED_PATH RULES_FILE
"""
import os
import shutil
import stat
import subprocess
import sys
import tempfile
import unittest

HELPER, INSTALLED, RULES_SOURCE = sys.argv[1:4]
RUNS_AS_ROOT = os.geteuid() == 0
VENDORS = {"1a86", "10c4", "0403", "067b"}

RECORDER = """#!/bin/sh
printf '%s\\n' "$(basename "$0") $*" >>"$FAKE_LOG"
"""
FAKE_ID = """#!/bin/sh
if [ -n "${FAKE_UID:-}" ] && [ "$*" = "-u" ]; then echo "$FAKE_UID"; exit 0; fi
if [ -n "${FAKE_GROUPS:-}" ] && [ "$1" = "-nG" ]; then echo "$FAKE_GROUPS"; exit 0; fi
exec /usr/bin/id "$@"
"""


class HelperCase(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="tavro-serial-access-")
        os.chmod(self.folder, 0o755)
        self.addCleanup(shutil.rmtree, self.folder)
        self.root = os.path.join(self.folder, "root")
        self.bin = os.path.join(self.folder, "bin")
        self.log = os.path.join(self.folder, "commands.log")
        os.makedirs(self.bin)
        for name in ("usermod", "gpasswd", "udevadm", "pkexec"):
            self.write(os.path.join(self.bin, name), RECORDER, 0o755)
        self.write(os.path.join(self.bin, "id"), FAKE_ID, 0o755)
        self.rules_file = self.under_root("/etc/udev/rules.d/70-tavro-serial.rules")
        with open(RULES_SOURCE, encoding="utf-8") as f:
            self.rules = f.read().strip() + "\n"

    @staticmethod
    def write(path, text, mode=0o644):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        os.chmod(path, mode)

    def under_root(self, path):
        return self.root + path

    def run_helper(self, *args, uid=None, groups=None, helper=HELPER):
        env = {
            "PATH": self.bin + ":/usr/sbin:/usr/bin:/sbin:/bin",
            "FAKE_LOG": self.log,
            "TAVRO_SERIAL_ACCESS_ROOT": self.root,
            "LC_ALL": "C",
        }
        if uid is not None:
            env["FAKE_UID"] = str(uid)
        if groups is not None:
            env["FAKE_GROUPS"] = groups
        return subprocess.run([helper, *args], env=env, capture_output=True, text=True,
                              timeout=60, check=False)

    def commands(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log, encoding="utf-8") as f:
            return f.read().splitlines()

    def privileged_commands(self):
        return [c for c in self.commands() if c.split()[0] in ("usermod", "gpasswd", "pkexec")]

    def install_copy(self, mode=0o755):
        """The helper as `cmake --install` leaves it, under the test's root folder."""
        target = self.under_root(INSTALLED)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        for folder in self.folders_of(target):
            os.chmod(folder, 0o755)
        shutil.copyfile(HELPER, target)
        os.chmod(target, mode)
        return target

    def folders_of(self, path):
        folder = os.path.dirname(path)
        while folder.startswith(self.root):
            yield folder
            folder = os.path.dirname(folder)


class UserNameTest(HelperCase):
    """--user takes only a name from the user database."""

    def test_option_like_numeric_and_unknown_names_are_refused(self):
        for name in ("--help", "--version", "-n", "-G", "--dry-run", "0", "", "no-such-user-x"):
            for args in (["--user", name], ["--user=" + name], ["--user", name, "--dialout"]):
                with self.subTest(args=args):
                    result = self.run_helper(*args, uid=0)
                    self.assertIn(result.returncode, (1, 2), result.stdout + result.stderr)
                    self.assertEqual(self.privileged_commands(), [])
                    self.assertFalse(os.path.exists(self.rules_file))

    def test_an_existing_user_is_accepted(self):
        result = self.run_helper("--user", "nobody", "--dialout", uid=0)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(self.privileged_commands(), ["usermod -aG dialout nobody"])

    def test_root_is_never_put_in_the_group(self):
        result = self.run_helper("--user", "root", "--dialout", uid=0)
        self.assertEqual(result.returncode, 1)
        self.assertEqual(self.privileged_commands(), [])


class ElevationTest(HelperCase):
    """Only the installed copy runs as root, and only when nobody but root can change it."""

    def elevated(self):
        return [c for c in self.commands() if c.startswith("pkexec ")]

    @unittest.skipUnless(RUNS_AS_ROOT, "needs files that belong to root")
    def test_pkexec_runs_the_installed_copy_never_the_caller(self):
        installed = self.install_copy()
        result = self.run_helper(uid=1000)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(self.elevated(), ["pkexec " + os.path.realpath(installed)])

    @unittest.skipUnless(RUNS_AS_ROOT, "needs files that belong to root")
    def test_the_request_passes_on_the_chosen_options(self):
        installed = self.install_copy()
        result = self.run_helper("--dialout", "--user", "nobody", uid=1000)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(self.elevated(),
                         ["pkexec %s --user nobody --dialout" % os.path.realpath(installed)])

    @unittest.skipUnless(RUNS_AS_ROOT, "needs files that belong to root")
    def test_a_sticky_folder_open_to_all_is_trusted(self):
        installed = self.install_copy()
        os.chmod(os.path.dirname(os.path.dirname(installed)), 0o1777)
        result = self.run_helper(uid=1000)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(len(self.elevated()), 1)

    def test_a_copy_others_can_change_is_never_elevated(self):
        def group_writable(target):
            os.chmod(target, 0o775)

        def world_writable(target):
            os.chmod(target, 0o757)

        def open_folder(target):
            os.chmod(os.path.dirname(os.path.dirname(target)), 0o777)

        def someone_elses_file(target):
            if RUNS_AS_ROOT:
                os.chown(target, 65534, 65534)

        def someone_elses_folder(target):
            if RUNS_AS_ROOT:
                os.chown(os.path.dirname(target), 65534, 65534)

        def link_to_a_changeable_file(target):
            elsewhere = os.path.join(self.folder, "open", "tavro-serial-access")
            os.makedirs(os.path.dirname(elsewhere))
            os.chmod(os.path.dirname(elsewhere), 0o777)
            shutil.copyfile(target, elsewhere)
            os.chmod(elsewhere, 0o755)
            os.remove(target)
            os.symlink(elsewhere, target)

        for change in (group_writable, world_writable, open_folder, someone_elses_file,
                       someone_elses_folder, link_to_a_changeable_file):
            with self.subTest(change=change.__name__):
                shutil.rmtree(self.root, ignore_errors=True)
                shutil.rmtree(os.path.join(self.folder, "open"), ignore_errors=True)
                change(self.install_copy())
                result = self.run_helper(uid=1000)
                self.assertEqual(result.returncode, 1)
                self.assertIn("will not ask for administrator rights", result.stderr)
                self.assertEqual(self.elevated(), [])

    def test_without_an_installed_copy_nothing_is_elevated(self):
        result = self.run_helper(uid=1000)
        self.assertEqual(result.returncode, 1)
        self.assertIn("not installed", result.stderr)
        self.assertEqual(self.elevated(), [])

    @unittest.skipUnless(RUNS_AS_ROOT, "needs files that belong to root")
    def test_a_dry_run_says_what_it_would_run_and_runs_nothing(self):
        installed = self.install_copy()
        result = self.run_helper("--dry-run", uid=1000)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("pkexec) and run as root: " + os.path.realpath(installed), result.stdout)
        self.assertEqual(self.commands(), [])


class RuleTest(HelperCase):
    """The grant: a udev rule for the USB-serial bridges only, dialout on request, undone by --remove."""

    def test_the_rule_names_only_the_usb_serial_bridges(self):
        result = self.run_helper(uid=0)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(self.rules_file, encoding="utf-8") as f:
            written = f.read()
        self.assertEqual(written, self.rules)
        self.assertEqual(stat.S_IMODE(os.stat(self.rules_file).st_mode), 0o644)
        vendors = set()
        acm = False
        for line in written.splitlines():
            if not line.strip() or line.startswith("#"):
                continue
            self.assertIn('SUBSYSTEM=="tty"', line)
            self.assertTrue(line.endswith('TAG+="uaccess"'), line)
            if 'KERNEL=="ttyACM[0-9]*"' in line:
                self.assertIn('DRIVERS=="cdc_acm"', line)
                acm = True
            else:
                self.assertIn('KERNEL=="ttyUSB[0-9]*"', line)
                # The adapter's own USB device, never a hub of the same maker above it.
                self.assertNotIn("ATTRS{", line)
                vendors.add(line.split('ENV{ID_VENDOR_ID}=="')[1][:4])
        self.assertEqual(vendors, VENDORS)
        self.assertTrue(acm)
        self.assertEqual(self.commands(), ["udevadm control --reload-rules",
                                           "udevadm trigger --subsystem-match=tty"])

    def test_dialout_only_when_asked(self):
        self.run_helper("--user", "nobody", uid=0)
        self.assertEqual(self.privileged_commands(), [])
        self.run_helper("--dialout", "--user", "nobody", uid=0)
        self.assertEqual(self.privileged_commands(), ["usermod -aG dialout nobody"])

    def test_remove_undoes_the_grant(self):
        self.run_helper(uid=0)
        self.assertTrue(os.path.exists(self.rules_file))
        result = self.run_helper("--remove", "--dialout", "--user", "nobody", uid=0,
                                 groups="nogroup dialout")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertFalse(os.path.exists(self.rules_file))
        self.assertEqual(self.privileged_commands(), ["gpasswd -d nobody dialout"])
        self.assertEqual(self.commands().count("udevadm control --reload-rules"), 2)

    def test_remove_leaves_the_packaged_rule_alone(self):
        packaged = self.under_root("/usr/lib/udev/rules.d/70-tavro-serial.rules")
        self.write(packaged, self.rules)
        self.write(self.rules_file, "# an older, wider rule\n")
        result = self.run_helper("--remove", uid=0)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertFalse(os.path.exists(self.rules_file))
        self.assertTrue(os.path.exists(packaged))
        self.assertIn("came with Tavro Laser's installation", result.stdout)

    def test_a_rule_in_place_asks_no_password(self):
        self.write(self.under_root("/usr/lib/udev/rules.d/70-tavro-serial.rules"), self.rules)
        result = self.run_helper(uid=1000)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("already in place", result.stdout)
        self.assertEqual(self.commands(), [])

    def test_an_older_rule_in_etc_is_replaced(self):
        self.write(self.under_root("/usr/lib/udev/rules.d/70-tavro-serial.rules"), self.rules)
        self.write(self.rules_file, 'SUBSYSTEM=="tty", KERNEL=="ttyUSB[0-9]*", TAG+="uaccess"\n')
        self.assertEqual(self.run_helper(uid=0).returncode, 0)
        with open(self.rules_file, encoding="utf-8") as f:
            self.assertEqual(f.read(), self.rules)

    def test_a_dry_run_as_root_changes_nothing(self):
        result = self.run_helper("--dry-run", "--dialout", "--user", "nobody", uid=0)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("Would write the udev rule", result.stdout)
        self.assertIn("Would add nobody to the group dialout", result.stdout)
        self.assertFalse(os.path.exists(self.root))
        self.assertEqual(self.commands(), [])


BRLTTY_RULES = """SUBSYSTEM=="usb", KERNEL!="*:*", GOTO="brltty_usb_begin"
GOTO="brltty_device_end"
LABEL="brltty_usb_begin"
# Device: 1A86:7523
ENV{PRODUCT}=="1a86/7523/*", ENV{BRLTTY_BRAILLE_DRIVER}="bm", GOTO="brltty_usb_run"
ENV{PRODUCT}=="403/6001/*", ENV{BRLTTY_BRAILLE_DRIVER}="at,ce,pm", GOTO="brltty_usb_run"
ATTRS{idVendor}=="10c4", ATTRS{idProduct}=="EA60", ENV{BRLTTY_BRAILLE_DRIVER}="sk", GOTO="brltty_usb_run"
ENV{PRODUCT}=="403/fe72/*", ENV{BRLTTY_BRAILLE_DRIVER}="pm", GOTO="brltty_usb_run"
ENV{PRODUCT}=="1c71/c005/*", ENV{BRLTTY_BRAILLE_DRIVER}="hw", GOTO="brltty_usb_run"
LABEL="brltty_device_end"
"""
BRIDGE_LINES = {4, 5, 6}  # the lines above that claim a USB-serial bridge
MARK = "# tavro-serial-access --fix-brltty"


class BrlttyTest(HelperCase):
    """--fix-brltty: brltty's rules copied to /etc without the bridges; --remove deletes the copy."""

    def setUp(self):
        super().setUp()
        # The package's copy is in place: only brltty is left to change.
        self.write(self.under_root("/usr/lib/udev/rules.d/70-tavro-serial.rules"), self.rules)
        self.packaged = self.under_root("/usr/lib/udev/rules.d/85-brltty.rules")
        self.write(self.packaged, BRLTTY_RULES)
        self.copy = self.under_root("/etc/udev/rules.d/85-brltty.rules")

    def read(self, path):
        with open(path, encoding="utf-8") as f:
            return f.read()

    def test_only_the_lines_that_claim_a_bridge_are_switched_off(self):
        result = self.run_helper("--fix-brltty", uid=0)
        self.assertEqual(result.returncode, 0, result.stderr)
        copy = self.read(self.copy).splitlines()
        self.assertEqual(copy[0], MARK)
        body = copy[2:]
        original = BRLTTY_RULES.splitlines()
        self.assertEqual(len(body), len(original))
        for number, (line, before) in enumerate(zip(body, original)):
            if number in BRIDGE_LINES:
                self.assertEqual(line, "#tavro-serial-access# " + before)
            else:
                self.assertEqual(line, before)
        self.assertEqual(self.read(self.packaged), BRLTTY_RULES)
        self.assertIn("Unplug the adapter", result.stdout)
        self.assertEqual(self.commands(), ["udevadm control --reload-rules",
                                           "udevadm trigger --subsystem-match=tty"])
        again = self.run_helper("--fix-brltty", uid=0)
        self.assertIn("switched off for the USB-serial bridges already", again.stdout)
        self.assertEqual(len(self.commands()), 2)

    def test_remove_deletes_only_the_helpers_copies(self):
        self.run_helper("--fix-brltty", uid=0)
        mine = self.under_root("/etc/udev/rules.d/90-brltty-local.rules")
        self.write(mine, "# the administrator's own\n")
        result = self.run_helper("--remove", uid=0)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertFalse(os.path.exists(self.copy))
        self.assertTrue(os.path.exists(mine))
        self.assertTrue(os.path.exists(self.packaged))

    def test_someone_elses_copy_in_etc_is_left_alone(self):
        self.write(self.copy, "# the administrator's own\n")
        result = self.run_helper("--fix-brltty", uid=0)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(self.read(self.copy), "# the administrator's own\n")
        self.assertIn("Left %s alone" % self.copy, result.stdout)
        self.assertEqual(self.commands(), [])

    def test_without_brltty_rules_it_says_how_to_remove_brltty_instead(self):
        os.remove(self.packaged)
        result = self.run_helper("--fix-brltty", uid=0)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("No udev rule of brltty claims", result.stdout)
        self.assertIn("apt remove brltty", result.stdout)
        self.assertFalse(os.path.exists(self.under_root("/etc")))

    def test_a_dry_run_shows_the_lines_and_changes_nothing(self):
        result = self.run_helper("--fix-brltty", "--dry-run", uid=0)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn('ENV{PRODUCT}=="1a86/7523/*"', result.stdout)
        self.assertNotIn("fe72", result.stdout)
        self.assertFalse(os.path.exists(self.copy))
        self.assertEqual(self.commands(), [])

    @unittest.skipUnless(RUNS_AS_ROOT, "needs files that belong to root")
    def test_a_normal_user_is_asked_for_the_password(self):
        installed = self.install_copy()
        result = self.run_helper("--fix-brltty", uid=1000)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual([c for c in self.commands() if c.startswith("pkexec ")],
                         ["pkexec %s --fix-brltty" % os.path.realpath(installed)])


class CommandLineTest(HelperCase):
    def test_version_help_and_wrong_options(self):
        self.assertRegex(self.run_helper("--version").stdout, r"^tavro-serial-access \d+\.\d+\.\d+\n$")
        self.assertIn("--remove", self.run_helper("--help").stdout)
        for args in (["--frobnicate"], ["--user"], ["extra"]):
            with self.subTest(args=args):
                self.assertEqual(self.run_helper(*args, uid=0).returncode, 2)
        self.assertEqual(self.commands(), [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[4:], verbosity=2)
