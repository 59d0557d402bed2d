#!/usr/bin/env python3
"""Runs Dravim.exe end to end under Wine, as a user would, with the stand-in raw-disk library serving
disc images as drives D: and E:, and the driver program finding, reading and clicking its windows.

  run_scenario.py SCENARIO CONFIG.json

SCENARIO is 1 to 5; CONFIG names the build's files (see the CMake fragment that writes it). Every scenario
works in a folder of its own under the build tree, in the Wine prefix made for these tests; the driver
keeps a screenshot of every step beside itself. Exit status 0 when the scenario went as it should.
"""

import filecmp
import json
import os
import shutil
import subprocess
import sys
import time

sys.dont_write_bytecode = True

ALERT_PACKER = "Kaplet Packer 2.4.0 or later could not be found"
ALERT_NOT_EMPTY = "Please select an empty folder"
ALERT_MULTIPLE = "Only one disk at a time can be converted"
ALERT_NOT_ALL = "Not all files have been converted"
ALERT_COMPLETED = "Conversion completed!"
ERROR_QUESTION = "Do you want to abort the conversion or ignore the error and continue?"
CHOOSER_TITLE = "Select an output folder"
MAIN_WINDOW = "Dravim"


class Failed(Exception):
    pass


def need(condition, message):
    if not condition:
        raise Failed(message)


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class Run:
    def __init__(self, scenario, config):
        self.config = config
        self.scenario = scenario
        self.work = os.path.join(config["work"], "scenario-%d" % scenario)
        shutil.rmtree(self.work, ignore_errors=True)
        os.makedirs(self.work)
        self.env = dict(os.environ)
        self.env["WINEPREFIX"] = config["wineprefix"]
        self.env["DRAVIM_WINE_BUILD_ROOT"] = config["build_root"]
        self.disc = os.path.join(self.work, "disc.img")
        self.disc2 = os.path.join(self.work, "disc2.img")
        self.device_log = os.path.join(self.work, "device.log")
        self.env["DRAVIM_TEST_DISC"] = windows_path(self.disc)
        self.env["DRAVIM_TEST_DISC2"] = windows_path(self.disc2)
        self.env["DRAVIM_TEST_DEVICE_LOG"] = windows_path(self.device_log)
        self.program = None
        self.step = 0
        # Output folders lie on the prefix's drive C:, a short walk for the folder chooser's tree.
        self.wine(config["driver"], "gone", "no such window", "0")
        self.drive_c_folder = "dravim-e2e\\scenario-%d" % scenario
        self.output = os.path.join(config["wineprefix"], "drive_c", "dravim-e2e", "scenario-%d" % scenario)
        shutil.rmtree(self.output, ignore_errors=True)
        os.makedirs(self.output)

    def output_folder(self, name):
        """A new folder for the program's output, and its path as the program sees it."""
        path = os.path.join(self.output, name)
        os.makedirs(path)
        return path, "C:\\%s\\%s" % (self.drive_c_folder, name)

    # The user's preference file inside the prefix.
    def prefs_path(self):
        users = os.path.join(self.config["wineprefix"], "drive_c", "users")
        user = os.environ.get("USER") or "root"
        if not os.path.isdir(os.path.join(users, user)):
            candidates = [u for u in os.listdir(users) if u != "Public"] if os.path.isdir(users) else []
            user = candidates[0] if candidates else user
        return os.path.join(users, user, "AppData", "Roaming", "Quenholt Software", "Dravim",
                            "Dravim Preferences.prf")

    def write_prefs(self, prefs):
        path = self.prefs_path()
        os.makedirs(os.path.dirname(path), exist_ok=True)
        subprocess.run([sys.executable, self.config["prefs_py"], "write", path], input=json.dumps(prefs),
                       text=True, check=True)

    def read_prefs(self):
        result = subprocess.run([sys.executable, self.config["prefs_py"], "read", self.prefs_path()],
                                capture_output=True, text=True)
        need(result.returncode == 0, "the preferences cannot be read: " + result.stderr)
        return json.loads(result.stdout)

    def wine(self, *arguments, timeout=600):
        return subprocess.run([self.config["wine_run"], *arguments], env=self.env, capture_output=True, text=True,
                              timeout=timeout)

    def shot_name(self, what):
        self.step += 1
        return "dravim-s%d-%02d-%s" % (self.scenario, self.step, what)

    def driver(self, *arguments, shot=None, check=True):
        extra = [self.shot_name(shot)] if shot else []
        result = self.wine(self.config["driver"], *arguments, *extra)
        if check:
            need(result.returncode == 0, "driver %s: %s%s" % (" ".join(arguments), result.stderr, result.stdout))
        return result

    def wait_window(self, text_part, timeout_ms, shot=None):
        return self.driver("wait", "*", text_part, str(timeout_ms), shot=shot).stdout

    def wait_state(self, state, timeout_ms=60000, shot=None):
        child = {0: "Exit", 1: "Eject", 2: "Stop"}[state]
        deadline = time.time() + timeout_ms / 1000.0
        while True:
            # Exit is also shown on the choose page: state 0 is reached once that page is gone.
            out = self.driver("wait-child", MAIN_WINDOW, child, "shown", str(timeout_ms),
                              shot=shot if state != 0 else None).stdout
            if state != 0 or not visible_child(out, "Eject"):
                break
            need(time.time() < deadline, "the choose page is still shown:\n" + out)
            time.sleep(0.5)
        if state == 0 and shot:
            self.driver("shot", self.shot_name(shot))
        return out

    def click(self, text_part, button, shot=None):
        self.driver("click", text_part, button, shot=shot)

    def start(self):
        self.program = subprocess.Popen([self.config["wine_run"], os.path.join(self.config["bin"], "Dravim.exe")],
                                        env=self.env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)

    def wait_for_exit(self, timeout=120):
        try:
            self.program.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failed("Dravim.exe did not end")

    def insert(self, path):
        shutil.copyfile(self.config["image"], path + ".part")
        os.replace(path + ".part", path)

    def ejects(self):
        if not os.path.exists(self.device_log):
            return []
        with open(self.device_log) as log:
            return [line.strip() for line in log if line.strip()]

    def finish(self):
        if self.program is not None and self.program.poll() is None:
            self.program.kill()
            subprocess.run(["wineserver", "-k"], env=self.env)


def children(out):
    rows = []
    for line in out.splitlines():
        fields = line.split("\t")
        if fields[0] == "child" and len(fields) == 5:
            rows.append({"class": fields[1], "text": fields[2], "enabled": fields[3] == "enabled",
                         "shown": fields[4] == "shown"})
    return rows


def visible_child(out, text):
    return any(row["shown"] and row["text"] == text for row in children(out))


def picture_buttons(out):
    return [row for row in children(out) if row["shown"] and row["class"].lower() == "button" and row["text"] == ""]


def window_handle(out):
    for line in out.splitlines():
        fields = line.split("\t")
        if fields[0] == "window" and len(fields) >= 4:
            return fields[3]
    raise Failed("no window handle in the driver's answer")


def window_title(out):
    for line in out.splitlines():
        fields = line.split("\t")
        if fields[0] == "window":
            return fields[2]
    raise Failed("no window in the driver's answer")


def tree(folder):
    found = {}
    for root, _, files in os.walk(folder):
        for name in files:
            path = os.path.join(root, name)
            found[os.path.relpath(path, folder)] = path
    return found


def click_picture_button(run, index):
    """Clicks a picture button with a real mouse click (xdotool), as the chooser's focus hand-back matters."""
    out = run.driver("center", MAIN_WINDOW, "", str(index)).stdout.split()
    need(len(out) == 2, "no picture button %d" % index)
    env = dict(run.env)
    # The pointer leaves at once: left over the chooser's tree, which opens where it stands, it would move
    # the chooser's selection away from the remembered folder.
    subprocess.run(["xdotool", "mousemove", out[0], out[1], "click", "1", "mousemove", "1", "1"], env=env,
                   check=True)


def choose_folder(run, what, selected=None):
    """Waits for the folder chooser, and for its selection to reach the folder named `selected` (the
    chooser walks its tree there after it has opened); returns the chooser's title."""
    title = window_title(run.driver("wait-child", "", CHOOSER_TITLE, "shown", "60000").stdout)
    deadline = time.time() + 300
    while selected is not None:
        rows = children(run.driver("wait", "*", title, "10000").stdout)
        if any(row["text"].rstrip("\\").endswith("\\" + selected) for row in rows):
            break
        need(time.time() < deadline, "the chooser does not select %s: %s" % (selected, rows))
        time.sleep(0.5)
    run.driver("shot", run.shot_name(what))
    return title


def conversion_to_conv(run, conv):
    """State 1 to a finished conversion into conv with the error dialogs answered Ignore, then Ignore All."""
    click_picture_button(run, 0)
    chooser = choose_folder(run, "chooser-on-conv", "Conv")
    run.click(chooser, "OK")
    run.wait_state(2, shot="state-2-converting")
    first = window_handle(run.wait_window(ERROR_QUESTION, 300000, shot="error-dialog"))
    run.click(ERROR_QUESTION, "Ignore")
    # The next error may ask at once with the same text: the answered dialog itself must go.
    run.driver("gone", "#" + first, "30000")
    run.wait_window(ERROR_QUESTION, 300000)
    run.click(ERROR_QUESTION, "Ignore All Errors")
    run.wait_window(ALERT_COMPLETED, 600000, shot="result-alert")
    need(run.driver("wait", "*", ERROR_QUESTION, "0", check=False).returncode != 0, "a third error dialog")
    run.click(ALERT_COMPLETED, "OK")


def reference_conversion(run):
    reference = os.path.join(run.work, "reference", "Conv")
    os.makedirs(reference)
    result = run.wine(run.config["image_convert"], run.config["image"], reference)
    need(result.returncode == 0, "the reference conversion failed: " + result.stdout + result.stderr)
    return reference


def same_files(conv, reference):
    ours, theirs = tree(conv), tree(reference)
    need(sorted(ours) == sorted(theirs), "names differ: %s against %s" % (sorted(ours), sorted(theirs)))
    for name in ours:
        if name.lower().endswith(".htm") or name.lower().endswith(".html"):
            continue   # the logs name the time of the conversion
        need(filecmp.cmp(ours[name], theirs[name], shallow=False), "%s differs" % name)


def check_output(run, conv):
    result = subprocess.run([sys.executable, run.config["checker"], "check", run.config["manifest"], conv,
                             run.config["check_patch"]], capture_output=True, text=True)
    need(result.returncode == 0, "check_conversion.py: " + result.stdout + result.stderr)


def scenario_1(run):
    conv, conv_for_program = run.output_folder("Conv")
    run.write_prefs({"folder_dialog": {"platform": "Win", "folder": conv_for_program + "\\"},
                     "packer_alert_count": 0})
    run.start()
    run.wait_window(ALERT_PACKER, 120000, shot="packer-alert")
    run.click(ALERT_PACKER, "OK")
    run.wait_state(0, shot="state-0")
    # The disc goes in while another program's window is in front and nothing is typed.
    front = subprocess.Popen([run.config["wine_run"], run.config["driver"], "front", "Driver in front", "60000"],
                             env=run.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        run.wait_window("Driver in front", 60000)
        run.insert(run.disc)
        out = run.wait_state(1, 15000, shot="state-1")
    finally:
        run.driver("close", "Driver in front", check=False)
        front.wait(timeout=60)
    buttons = picture_buttons(out)
    need(len(buttons) == 2 and buttons[0]["enabled"] and not buttons[1]["enabled"],
         "the archive button is not disabled without the packer:\n" + out)
    conversion_to_conv(run, conv)
    run.wait_state(0, shot="state-0-again")
    need(run.ejects() == ["eject D:"], "ejects: %s" % run.ejects())
    same_files(conv, reference_conversion(run))
    check_output(run, conv)
    run.click(MAIN_WINDOW, "Exit")
    run.wait_for_exit()
    prefs = run.read_prefs()
    need(prefs["packer_alert_count"] == 1, "packer alert count %s" % prefs["packer_alert_count"])
    need(prefs["location"] != [-32768, -32768], "no window location saved")
    need((prefs["folder_dialog"].get("folder") or "").rstrip("\\").endswith("Conv"),
         "the chooser's folder is %s" % prefs["folder_dialog"].get("folder"))


def scenario_2(run):
    conv, conv_for_program = run.output_folder("Conv")
    with open(os.path.join(conv, "keep.txt"), "w") as keep:
        keep.write("x")
    run.write_prefs({"folder_dialog": {"platform": "Win", "folder": conv_for_program + "\\"},
                     "packer_alert_count": 3})
    run.insert(run.disc)
    run.start()
    run.wait_state(1, 60000)
    click_picture_button(run, 0)
    run.click(choose_folder(run, "chooser", "Conv"), "OK")
    run.wait_window(ALERT_NOT_EMPTY, 60000, shot="folder-not-empty")
    run.click(ALERT_NOT_EMPTY, "OK")
    run.click(choose_folder(run, "chooser-again", "Conv"), "Cancel")
    run.wait_state(1, 60000, shot="still-choosing")
    # Clicked before the main window is active again, Eject would lose its click to the activation.
    run.driver("wait-child", MAIN_WINDOW, "Eject", "active", "60000")
    run.click(MAIN_WINDOW, "Eject")
    run.wait_state(0, 60000, shot="ejected")
    need(run.ejects() == ["eject D:"], "ejects: %s" % run.ejects())
    run.click(MAIN_WINDOW, "Exit")
    run.wait_for_exit()


def scenario_5(run):
    run.write_prefs({"packer_alert_count": 3})
    run.insert(run.disc)
    run.insert(run.disc2)
    run.start()
    run.wait_window(ALERT_MULTIPLE, 120000, shot="multiple-disks")
    run.click(ALERT_MULTIPLE, "Quit")
    run.wait_for_exit()
    need(os.path.exists(run.prefs_path()), "no preferences written")
    need(run.read_prefs()["location"] != [-32768, -32768], "no window location saved")


SCENARIOS = {1: scenario_1, 2: scenario_2, 5: scenario_5}


def main():
    if len(sys.argv) != 3 or not sys.argv[1].isdigit() or int(sys.argv[1]) not in SCENARIOS:
        print(__doc__, file=sys.stderr)
        return 2
    with open(sys.argv[2]) as config_file:
        config = json.load(config_file)
    run = Run(int(sys.argv[1]), config)
    try:
        SCENARIOS[run.scenario](run)
    except (Failed, subprocess.SubprocessError, OSError) as error:
        print("scenario %d failed: %s" % (run.scenario, error), file=sys.stderr)
        return 1
    finally:
        run.finish()
    print("scenario %d passed" % run.scenario)
    return 0


if __name__ == "__main__":
    sys.exit(main())
