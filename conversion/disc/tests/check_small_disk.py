#!/usr/bin/env python3
"""The command-line converter onto real small file systems, mapped as Wine drives: one that fills up
midway, and one that is read-only. Needs root to mount them (tmpfs); exits 77 (skipped) where it cannot.

  check_small_disk.py MANIFEST WORKFOLDER CHECK_PATCH_PY EMULATOR TOOL IMAGE

A full disk: exit 1 with one line that names the cause and the folder on that disk, and every file that is
there is whole (the checkers pass it). A read-only disk: exit 1, the cause named, nothing written, no hang.
"""

import json
import os
import subprocess
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_conversion as cc  # noqa: E402

SKIPPED = 77
PAGE = 4096


class Skip(Exception):
    pass


def unmount_left_over(point):
    """A run that was cut off may have left its file system mounted."""
    while os.path.ismount(point):
        if subprocess.run(["umount", point]).returncode != 0:
            break


class MountedDrive:
    """A tmpfs of the given size at point; with a Wine prefix given, mapped as a free drive letter of it."""

    def __init__(self, point, size, prefix=None):
        self.point = point
        self.link = None
        unmount_left_over(point)
        os.makedirs(self.point, exist_ok=True)
        result = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=%d" % size, "tmpfs", self.point],
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        if result.returncode != 0:
            raise Skip("cannot mount a tmpfs here: %s" % result.stdout.decode("latin-1").strip())
        if prefix is not None:
            self.drive = cc.unmapped_drive(prefix)
            self.link = os.path.join(prefix, "dosdevices", self.drive.lower())
            os.symlink(self.point, self.link)

    def remount(self, options):
        subprocess.run(["mount", "-o", "remount," + options, self.point], check=True)

    def close(self):
        if self.link is not None and os.path.lexists(self.link):
            os.remove(self.link)
        subprocess.run(["umount", self.point], check=False)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()


def abort_lines(output):
    return [line for line in output.splitlines() if line.startswith("The conversion was aborted")]


def file_count(manifest):
    return len(manifest["waves"]) + len(manifest["patches"])


def half_the_files(manifest):
    """Room for about half of the converted files: each takes at least one page of a tmpfs."""
    return max(2, file_count(manifest) // 2) * PAGE


def check_full_disk(manifest, work, checker, emulator, tool, image):
    files = file_count(manifest)
    with MountedDrive(os.path.join(work, "small"), half_the_files(manifest), cc.wine_prefix(tool)) as disk:
        out = disk.drive + "\\Out"
        code, output = cc.run_tool([emulator, tool, image, out])
        cc.need(code == 1, "full disk: exit %d, not 1\n%s" % (code, output))
        lines = abort_lines(output)
        cc.need(len(lines) == 1, "full disk: not one abort line\n%s" % output)
        cc.need("because the disk is full" in lines[0] and out in lines[0],
                "full disk: the line names neither the cause nor the disk: %s" % lines[0])
        cc.need("Conversion completed!" not in output, "full disk: completed")
        folder = os.path.join(disk.point, "Out")
        written = cc.check_output(manifest, folder, checker, partial=True)
        cc.need(any(f.endswith(".wav") for f in written), "full disk: nothing was written before it filled up")
        cc.need(len(written) < files, "full disk: every file fitted")
        # The log did not fit either, or is whole: no page cut short.
        logs = [f for f in written if f.endswith(".htm") and "/" not in f]
        for log in logs:
            with open(os.path.join(folder, log), "rb") as f:
                page = f.read().decode("latin-1")
            cc.need(page.startswith("<html>") and page.endswith("</html>"), "full disk: the log %s is cut short" % log)
        print("ok: full disk %s, %d of %d files whole, log %s" % (disk.drive, len(written), files,
                                                                   "written" if logs else "left out"))


def check_read_only_disk(work, emulator, tool, image):
    with MountedDrive(os.path.join(work, "readonly"), 64 * PAGE, cc.wine_prefix(tool)) as disk:
        os.makedirs(os.path.join(disk.point, "Out"))
        disk.remount("ro")
        for what, out in (("existing folder", disk.drive + "\\Out"), ("new folder", disk.drive + "\\New")):
            code, output = cc.run_tool([emulator, tool, image, out])
            cc.need(code == 1, "read-only %s: exit %d, not 1\n%s" % (what, code, output))
            lines = abort_lines(output)
            cc.need(len(lines) == 1 and out in lines[0] and "because" in lines[0],
                    "read-only %s: no line names the cause and the folder\n%s" % (what, output))
            cc.need("Unknown exception" not in output, "read-only %s: no cause\n%s" % (what, output))
        cc.need(os.listdir(os.path.join(disk.point, "Out")) == [], "something was written on a read-only disk")
        print("ok: read-only disk %s refused with the cause" % disk.drive)


def main():
    if len(sys.argv) != 7:
        sys.exit(__doc__)
    manifest_path, work, checker_path, emulator, tool, image = sys.argv[1:]
    try:
        if os.geteuid() != 0:
            raise Skip("mounting a small file system needs root")
        with open(manifest_path, encoding="utf-8") as f:
            manifest = json.load(f)
        checker = cc.load_patch_checker(checker_path)
        os.makedirs(work, exist_ok=True)
        check_full_disk(manifest, work, checker, emulator, tool, image)
        check_read_only_disk(work, emulator, tool, image)
    except Skip as why:
        print("SKIPPED: %s" % why)
        sys.exit(SKIPPED)
    except cc.Bad as error:
        sys.exit("FAIL: %s" % error)


if __name__ == "__main__":
    main()
