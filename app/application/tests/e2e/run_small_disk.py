#!/usr/bin/env python3
"""Dravim.exe converting onto a real small disk under Wine, as a user would: a tmpfs with room for about half
of the files, mapped as a drive of its own in the prefix, with the output folder on it. Needs root to mount
it; exits 77 (skipped) where no file system can be mounted.

  run_small_disk.py CONFIG.json

On the full disk the first file that does not fit brings the item-error dialog with the disk-full text;
Abort asks about the files: Keep leaves every file written before whole, Delete leaves the folder empty.
The same folder made read-only while the conversion waits on a question gives item errors and an alert,
never a crash or a hang. With room on the disk the same disc then converts whole, and the program quits.
"""

import json
import os
import shutil
import subprocess
import sys
import time

sys.dont_write_bytecode = True
here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, here)
import run_scenario as rs  # noqa: E402

SKIPPED = 77
# Its folders are named as a scenario's (see run_scenario.Run), under a number no scenario there takes.
SCENARIO = 45
FULL_TEXT = "because the disk is full"
DISK_ERROR_TEXT = "because there was a disk error"
BAD_FORMAT_TEXT = "because it has a bad format"
ABORTED = "The conversion was aborted"


def dialog_texts(out):
    """What the driver printed of a window: the error text ends in a carriage return, which would split
    its row, so the whole answer is searched."""
    return out.replace("\r", " ")


def start_conversion(run, what):
    rs.click_picture_button(run, 0)
    run.click(rs.choose_folder(run, "chooser-" + what, "Conv"), "OK")
    run.wait_state(2)


def wait_any(run, texts, timeout_s):
    """The driver's answer for the first window that shows one of the texts, and that text."""
    deadline = time.time() + timeout_s
    while True:
        for text in texts:
            result = run.driver("wait", "*", text, "500", check=False)
            if result.returncode == 0:
                return text, result.stdout
        rs.need(time.time() < deadline, "none of %s came" % (texts,))


def ignore_until(run, wanted, what):
    """Answers Ignore to the bad-format questions until the question holds the wanted text."""
    for _ in range(20):
        out = run.wait_window(rs.ERROR_QUESTION, 300000)
        text = dialog_texts(out)
        if wanted in text:
            run.driver("shot", run.shot_name(what))
            return text
        rs.need(BAD_FORMAT_TEXT in text, "%s: an unexpected question: %s" % (what, text))
        rs.answer_error_dialog(run, "Ignore")
    raise rs.Failed("%s: no question %r came" % (what, wanted))


def insert_again(run):
    run.wait_state(0, 120000)
    run.insert(run.disc)
    run.wait_state(1, 60000)


def clear(folder):
    for name in os.listdir(folder):
        path = os.path.join(folder, name)
        shutil.rmtree(path) if os.path.isdir(path) else os.remove(path)


def full_disk_then_abort(run, conv, answer, cc, checker, manifest):
    start_conversion(run, answer.lower())
    text = ignore_until(run, FULL_TEXT, "disk-full-" + answer.lower())
    rs.need("cannot be converted" in text, "the disk-full question names no file: %s" % text)
    run.click(rs.ERROR_QUESTION, "Abort")
    run.wait_window(rs.ALERT_NOT_ALL, 60000, shot="keep-or-delete")
    run.click(rs.ALERT_NOT_ALL, answer)
    if answer == "Keep":
        # The log does not fit either: the alert says why it is missing.
        out = run.wait_window(ABORTED, 60000, shot="log-not-written")
        rs.need(FULL_TEXT in dialog_texts(out), "the alert does not name the full disk: %s" % dialog_texts(out))
        run.click(ABORTED, "OK")
        written = cc.check_output(manifest, conv, checker, partial=True)
        rs.need(any(name.endswith(".wav") for name in written), "nothing was kept")
        rs.need(not any(name.endswith(".htm") for name in written), "a log was left on the full disk")
    else:
        rs.need(run.driver("wait", "*", ABORTED, "3000", check=False).returncode != 0, "an alert after Delete")
        run.wait_state(0, 120000)
        rs.need(os.listdir(conv) == [], "Delete left %s" % os.listdir(conv))


def read_only_midway(run, disk):
    start_conversion(run, "read-only")
    ignore_until(run, BAD_FORMAT_TEXT, "before-read-only")
    disk.remount("ro")
    rs.answer_error_dialog(run, "Ignore")
    # The files after it fail, each with a question of its own until Ignore All; an alert that names a
    # cause ends the run.
    disk_errors = 0
    while True:
        which, out = wait_any(run, [rs.ERROR_QUESTION, ABORTED, rs.ALERT_COMPLETED], 300)
        text = dialog_texts(out)
        if which != rs.ERROR_QUESTION:
            break
        if DISK_ERROR_TEXT in text:
            disk_errors += 1
            run.driver("shot", run.shot_name("read-only-error"))
            rs.answer_error_dialog(run, "Ignore All Errors")
        else:
            rs.need(BAD_FORMAT_TEXT in text, "read-only: an unexpected question: %s" % text)
            rs.answer_error_dialog(run, "Ignore")
    run.driver("shot", run.shot_name("read-only-alert"))
    rs.need(ABORTED in text and " because " in text, "the read-only disk ended in: %s" % text)
    rs.need(disk_errors > 0 or "disk error" in text, "read-only: no disk error was reported: %s" % text)
    run.click(ABORTED, "Keep" if "Do you want to keep" in text else "OK")
    run.wait_state(0, 120000)
    rs.need(run.program.poll() is None, "the program ended")
    disk.remount("rw")


def scenario(run, disk, conv, conv_for_program, cc, checker, manifest):
    run.write_prefs({"folder_dialog": {"platform": "Win", "folder": conv_for_program + "\\"},
                     "packer_alert_count": 3})
    run.insert(run.disc)
    run.start()
    run.wait_state(1, 120000)
    full_disk_then_abort(run, conv, "Keep", cc, checker, manifest)
    clear(conv)
    insert_again(run)
    full_disk_then_abort(run, conv, "Delete", cc, checker, manifest)
    insert_again(run)
    read_only_midway(run, disk)
    clear(conv)
    # Room again: the same disc into the same folder converts whole.
    disk.remount("size=%d" % (64 * 1024 * 1024))
    insert_again(run)
    rs.conversion_to_conv(run, conv)
    run.wait_state(0, 120000)
    rs.check_output(run, conv)
    run.click(rs.MAIN_WINDOW, "Exit")
    run.wait_for_exit()


def stop_wine_server(run):
    """Wine's mount manager lists the drives it finds when the prefix's server starts, and the folder chooser
    shows only those: the small disk is mapped while the server is down, and unmapped before it runs again."""
    subprocess.run(["wineserver", "-k"], env=run.env)
    subprocess.run(["wineserver", "-w"], env=run.env)


def unmap_left_over(prefix, point):
    devices = os.path.join(prefix, "dosdevices")
    for name in os.listdir(devices) if os.path.isdir(devices) else []:
        link = os.path.join(devices, name)
        if os.path.islink(link) and os.readlink(link) == point:
            os.remove(link)


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    with open(sys.argv[1]) as config_file:
        config = json.load(config_file)
    sys.path.insert(0, os.path.dirname(config["checker"]))
    import check_conversion as cc
    import check_small_disk as sd
    if os.geteuid() != 0:
        print("SKIPPED: mounting a small file system needs root")
        return SKIPPED
    with open(config["manifest"], encoding="utf-8") as f:
        manifest = json.load(f)
    checker = cc.load_patch_checker(config["check_patch"])
    # A run that was cut off may have left its file system mounted in the scenario's folder, which the run's
    # start empties, and its drive mapped.
    point = os.path.join(config["work"], "scenario-%d" % SCENARIO, "small")
    sd.unmount_left_over(point)
    unmap_left_over(config["wineprefix"], point)
    run = rs.Run(SCENARIO, config)
    try:
        stop_wine_server(run)
        with sd.MountedDrive(point, sd.half_the_files(manifest), run.prefix) as disk:
            try:
                conv = os.path.join(disk.point, "Conv")
                os.makedirs(conv)
                scenario(run, disk, conv, disk.drive + "\\Conv", cc, checker, manifest)
            finally:
                run.finish()
                stop_wine_server(run)
    except sd.Skip as why:
        print("SKIPPED: %s" % why)
        return SKIPPED
    except (rs.Failed, cc.Bad, subprocess.SubprocessError, OSError) as error:
        print("small disk scenario failed: %s" % error, file=sys.stderr)
        return 1
    print("small disk scenario passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
