#!/usr/bin/env python3
"""Runs Dravim.exe end to end under Wine, as a user would, with the stand-in raw-disk library serving
disc images as drives D: and E:, and the driver program finding, reading and clicking its windows.

  run_scenario.py SCENARIO CONFIG.json

SCENARIO is 1 to 5, first-start, or first-start-wm (the first start under a window manager, on an X server
of its own); CONFIG names the build's files (see the CMake fragment that writes it).
Every scenario works in a folder of its own under the build tree, in the Wine prefix made for these tests
(a first start in a new prefix of its own). Every picture of a step is taken twice, by the driver through
Wine and by the X server, and both land beside the driver (screenshots/NAME.bmp and NAME.png): the window
the step looks at must show on the X screen what it draws, so a window that never reaches the screen, or
reaches it stale, fails the scenario. Exit status 0 when the scenario went as it should.

SCENARIO packer-keeps-input converts to an archive with a stand-in packer that keeps its input; it runs in a
prefix of its own, since the packer's registry entry would change what the other scenarios see.
"""

import filecmp
import importlib.util
import json
import os
import re
import shutil
import subprocess
import sys
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import xscreen  # noqa: E402

ALERT_PACKER = "Kaplet Packer 2.4.0 or later could not be found"
ALERT_NOT_EMPTY = "Please select an empty folder"
ALERT_MULTIPLE = "Only one disk at a time can be converted"
ALERT_NOT_ALL = "Not all files have been converted"
ABORTED_BY_USER = "Conversion aborted by user."
ALERT_COMPLETED = "Conversion completed!"
ERROR_QUESTION = "Do you want to abort the conversion or ignore the error and continue?"
CHOOSER_TITLE = "Select an output folder"
MAIN_WINDOW = "Dravim"
ABOUT_TITLE = "About Dravim"
# Each read of the stand-in's discs waits this long in the scenarios that stop a conversion, so that Stop
# comes while the disc is still being read.
SLOW_READ_MS = "200"
# The share of a window's pixels that must agree between the X server's picture and Wine's, and how long a
# window has to reach the X screen; a window that is all one colour in Wine's picture is not painted yet.
X_MATCH = 0.98
X_SECONDS = 15
ONE_COLOUR = 0.99


class Failed(Exception):
    pass


def need(condition, message):
    if not condition:
        raise Failed(message)


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class Run:
    def __init__(self, scenario, config, prefix=None, slow_reads=False, stop_disc=False):
        self.config = config
        self.image = config["stop_image"] if stop_disc else config["image"]
        self.manifest = config["stop_manifest"] if stop_disc else config["manifest"]
        self.scenario = scenario
        self.prefix = prefix or config["wineprefix"]
        self.work = os.path.join(config["work"], "scenario-%s" % scenario)
        shutil.rmtree(self.work, ignore_errors=True)
        os.makedirs(self.work)
        # The driver saves its pictures beside itself, which need not be beside the program.
        self.screenshots = os.path.join(os.path.dirname(config["driver"]), "screenshots")
        self.env = dict(os.environ)
        self.env["WINEPREFIX"] = self.prefix
        self.env["DRAVIM_WINE_BUILD_ROOT"] = config["build_root"]
        self.disc = os.path.join(self.work, "disc.img")
        self.disc2 = os.path.join(self.work, "disc2.img")
        self.device_log = os.path.join(self.work, "device.log")
        self.env["DRAVIM_TEST_DISC"] = windows_path(self.disc)
        self.env["DRAVIM_TEST_DISC2"] = windows_path(self.disc2)
        self.env["DRAVIM_TEST_DEVICE_LOG"] = windows_path(self.device_log)
        if slow_reads:
            self.env["DRAVIM_TEST_READ_DELAY_MS"] = SLOW_READ_MS
        self.program = None
        self.step = 0
        # Output folders lie on the prefix's drive C:, a short walk for the folder chooser's tree. The first
        # program run makes the prefix and, without a display, the build tree's X server, which the X
        # pictures and the mouse then use too.
        self.wine(config["driver"], "gone", "no such window", "0")
        if not self.env.get("DISPLAY"):
            with open(os.path.join(config["build_root"], ".xvfb-display")) as display_file:
                self.env["DISPLAY"] = ":" + display_file.read().strip()
        self.drive_c_folder = "dravim-e2e\\scenario-%s" % scenario
        self.output = os.path.join(self.prefix, "drive_c", "dravim-e2e", "scenario-%s" % scenario)
        shutil.rmtree(self.output, ignore_errors=True)
        os.makedirs(self.output)

    def output_folder(self, name):
        """A new folder for the program's output, and its path as the program sees it."""
        path = os.path.join(self.output, name)
        os.makedirs(path)
        return path, "C:\\%s\\%s" % (self.drive_c_folder, name)

    # The user's preference file inside the prefix.
    def prefs_path(self):
        users = os.path.join(self.prefix, "drive_c", "users")
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
        scenario = str(self.scenario)
        return "dravim-%s-%02d-%s" % (scenario if not scenario.isdigit() else "s" + scenario,
                                      self.step, what)

    def driver(self, *arguments, check=True):
        result = self.wine(self.config["driver"], *arguments)
        if result.returncode not in (0, 2) and not result.stdout and not result.stderr:
            # Every step the driver fails says why; an end without a word is the driver's process lost under
            # Wine (seen twice in some forty runs of the scenarios on a loaded machine), not its verdict.
            print("driver %s ended without a word (exit %d): once more" % (" ".join(arguments), result.returncode),
                  file=sys.stderr)
            result = self.wine(self.config["driver"], *arguments)
        if check:
            need(result.returncode == 0, "driver %s: exit %d: %s%s" % (" ".join(arguments), result.returncode,
                                                                         result.stderr, result.stdout))
        return result

    def look(self, what, text_part):
        """The step's pictures, Wine's and the X server's, taken until the window with the text shows on the
        X screen what it holds drawn (where no window in front hides it); returns the X server's picture and
        the window's rectangle."""
        name = self.shot_name(what)
        deadline = time.time() + X_SECONDS
        while True:
            rows = [line.split("\t") for line in self.driver("look", text_part, name).stdout.splitlines()]
            rects = [tuple(int(field) for field in row[1:]) for row in rows if len(row) == 5]
            need(rows and rows[0][0] == "rect" and len(rects) == len(rows), "no rectangle for %r: %s"
                 % (text_part, rows))
            rect, covers = rects[0], rects[1:]
            screen = xscreen.take_x_screenshot(self.env["DISPLAY"])
            drawn = xscreen.read_bmp(os.path.join(self.screenshots, name + "-window.bmp"))
            agreeing, one_colour = xscreen.compare_window(screen, drawn, rect, covers)
            if agreeing >= X_MATCH and one_colour < ONE_COLOUR:
                break
            if time.time() >= deadline:
                xscreen.write_png(screen, os.path.join(self.screenshots, name + ".png"))
                raise Failed("%s: the window %r at %s does not reach the X screen: %.1f%% of its pixels agree "
                             "with what it holds drawn (%.0f%% needed), its commonest colour covers %.1f%% of "
                             "it (screenshots/%s.png against %s-window.bmp)"
                             % (what, text_part, rect, 100 * agreeing, 100 * X_MATCH, 100 * one_colour, name, name))
            time.sleep(0.2)
        xscreen.write_png(screen, os.path.join(self.screenshots, name + ".png"))
        return screen, rect

    def wait_window(self, text_part, timeout_ms, shot=None):
        out = self.driver("wait", "*", text_part, str(timeout_ms)).stdout
        if shot:
            self.look(shot, text_part)
        return out

    def wait_state(self, state, timeout_ms=60000, shot=None):
        child = {0: "Exit", 1: "Eject", 2: "Stop"}[state]
        deadline = time.time() + timeout_ms / 1000.0
        while True:
            # Exit is also shown on the choose page: state 0 is reached once that page is gone.
            out = self.driver("wait-child", MAIN_WINDOW, child, "shown", str(timeout_ms)).stdout
            if state != 0 or not visible_child(out, "Eject"):
                break
            need(time.time() < deadline, "the choose page is still shown:\n" + out)
            time.sleep(0.5)
        if shot:
            self.look(shot, MAIN_WINDOW)
        return out

    def click(self, text_part, button, shot=None):
        if shot:
            self.look(shot, text_part)
        self.driver("click", text_part, button)

    def start(self):
        self.program = subprocess.Popen([self.config["wine_run"], os.path.join(self.config["bin"], "Dravim.exe")],
                                        env=self.env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)

    def wait_for_exit(self, timeout=120):
        try:
            self.program.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failed("Dravim.exe did not end")

    def insert(self, path):
        shutil.copyfile(self.image, path + ".part")
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
    run.look(what, title)
    return title


def answer_error_dialog(run, button):
    """Answers the error dialog in front and returns once that dialog is gone: told apart by its handle,
    since the next file's dialog may follow at once with the same text."""
    first = window_handle(run.driver("wait", "*", ERROR_QUESTION, "0").stdout)
    run.click(ERROR_QUESTION, button)
    run.driver("gone", "#" + first, "30000")


def start_and_choose(run, conv_for_program, timeout_ms):
    """Starts the program with the disc in and the folder remembered, and chooses that folder as the output."""
    run.write_prefs({"folder_dialog": {"platform": "Win", "folder": conv_for_program + "\\"},
                     "packer_alert_count": 3})
    run.insert(run.disc)
    run.start()
    run.wait_state(1, timeout_ms)
    click_picture_button(run, 0)
    run.click(choose_folder(run, "chooser", "Conv"), "OK")


def conversion_to_conv(run, conv):
    """State 1 to a finished conversion into conv with the error dialogs answered Ignore, then Ignore All."""
    click_picture_button(run, 0)
    chooser = choose_folder(run, "chooser-on-conv", "Conv")
    run.click(chooser, "OK")
    run.wait_state(2, shot="state-2-converting")
    run.wait_window(ERROR_QUESTION, 300000, shot="error-dialog")
    answer_error_dialog(run, "Ignore")
    run.wait_window(ERROR_QUESTION, 300000)
    run.click(ERROR_QUESTION, "Ignore All Errors")
    run.wait_window(ALERT_COMPLETED, 600000, shot="result-alert")
    need(run.driver("wait", "*", ERROR_QUESTION, "0", check=False).returncode != 0, "a third error dialog")
    run.click(ALERT_COMPLETED, "OK")


def reference_conversion(run):
    reference = os.path.join(run.work, "reference", "Conv")
    os.makedirs(reference)
    result = run.wine(run.config["image_convert"], run.image, reference)
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
    result = subprocess.run([sys.executable, run.config["checker"], "check", run.manifest, conv,
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
    start_and_choose(run, conv_for_program, 60000)
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


def load_checker(run):
    spec = importlib.util.spec_from_file_location("check_conversion", run.config["checker"])
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


def converted_files(conv):
    return [name for name in tree(conv) if name.lower().endswith(".wav") or name.lower().endswith(".mqp")]


def stop_after_first_wave(run, conv, conv_for_program):
    """From a slowed start to the question whether to keep what was converted: Stop is pressed as soon as
    the first ".wav" file exists; an error dialog before that is answered Ignore."""
    start_and_choose(run, conv_for_program, 120000)
    run.wait_state(2, 60000)
    deadline = time.time() + 600
    while True:
        files = tree(conv)
        need(run.program.poll() is None and time.time() < deadline, "no .wav file was written")
        need(not any(name.endswith(".htm") for name in files), "the conversion ended before Stop: %s" % sorted(files))
        # Stop is pressed as a user can press it: with no dialog over the main window.
        if run.driver("wait", "*", ERROR_QUESTION, "0", check=False).returncode == 0:
            answer_error_dialog(run, "Ignore")
        elif any(name.lower().endswith(".wav") for name in files):
            break
        time.sleep(0.1)
    run.click(MAIN_WINDOW, "Stop")
    run.wait_window(ALERT_NOT_ALL, 120000, shot="stop-question")


def after_stop(run):
    # The converter heeds Stop at its next step: a damaged file read before that still brings its error
    # dialog, which is answered Ignore.
    deadline = time.time() + 300
    while run.driver("wait-child", MAIN_WINDOW, "Stop", "shown", "0", check=False).returncode == 0:
        need(run.program.poll() is None and time.time() < deadline, "the stopped conversion does not end")
        if run.driver("wait", "*", ERROR_QUESTION, "0", check=False).returncode == 0:
            answer_error_dialog(run, "Ignore")
        time.sleep(0.2)
    run.wait_state(0, 60000, shot="state-0-stopped")
    need(run.ejects() == ["eject D:"], "ejects: %s" % run.ejects())
    run.click(MAIN_WINDOW, "Exit")
    run.wait_for_exit()


def scenario_3(run):
    """Stop, then Keep: the log ends "Conversion aborted by user." and lists exactly the files left, which
    are whole and right."""
    conv, conv_for_program = run.output_folder("Conv")
    stop_after_first_wave(run, conv, conv_for_program)
    run.click(ALERT_NOT_ALL, "Keep")
    after_stop(run)
    checker = load_checker(run)
    with open(run.manifest, encoding="utf-8") as manifest_file:
        manifest = json.load(manifest_file)
    try:
        files = checker.check_output(manifest, conv, checker.load_patch_checker(run.config["check_patch"]),
                                     partial=True)
        need(any(name.endswith(".wav") for name in files), "no .wav file kept: %s" % sorted(files))
        need(len(converted_files(conv)) < len(manifest["waves"]) + len(manifest["patches"]),
             "the stopped conversion wrote every file")
        logs = [name for name in files if "/" not in name and name.endswith(".htm")]
        need(len(logs) == 1, "logs: %s" % logs)
        with open(os.path.join(conv, logs[0]), "rb") as log:
            page = log.read().decode("latin-1")
        headings = re.findall(r"<h2>(.*?)</h2>", page)
        need(headings and headings[-1] == "<i>%s</i>" % ABORTED_BY_USER,
             "the log's last heading is %r" % (headings[-1:],))
        # Only the damaged files that were reached before Stop are noted.
        reached = [note for note in checker.skipped_of(manifest) if 'File "%s/%s/%s"' % note[:3] in page]
        checker.check_log(conv, files, checker.load_patch_checker(run.config["check_patch"]), reached,
                          ABORTED_BY_USER)
    except checker.Bad as error:
        raise Failed("the kept files: %s" % error)


def scenario_4(run):
    """Stop, then Delete: no log and no visible file are left, and the folder stays."""
    conv, conv_for_program = run.output_folder("Conv")
    stop_after_first_wave(run, conv, conv_for_program)
    run.click(ALERT_NOT_ALL, "Delete")
    after_stop(run)
    need(os.path.isdir(conv), "the output folder is gone")
    visible = sorted(name for name in os.listdir(conv) if not name.startswith("."))
    need(visible == [], "left in the output folder: %s" % visible)


# The archive packer as the program finds it, and the stand-in that plays it: the fake packer of the packer
# tests, told to accept every job and keep the parameter file open (its variables and report lines are in
# conversion/packer/tests/PackerFakeProtocol.h).
PACKER_KEY = "HKLM\\Software\\Quenholt Software\\Kaplet Packer"
STAND_IN_PACKER = "FakePacker.exe"
HAND_OVER = 0x485
CLOSE_MESSAGE = 16
SAVE_AS_TITLE = "Save As"
ARCHIVE_STEM = "My Kaplet"
ALERT_PACKING_ABORTED = "No Kaplet file was created"
# How long the hand-over waits at most for the packer to let go of its input: 60 rounds of a second, each
# also pumping the program's events; a loaded machine stretches the rounds.
PACKER_WAIT_S = 60
PACKER_WAIT_DEADLINE_S = 300


def packer_report(run):
    """The stand-in packer's report: its process lines and the messages it took, in order."""
    if not os.path.exists(run.packer_report):
        return [], []
    with open(run.packer_report) as report:
        lines = [line.split() for line in report if line.strip()]
    return ([line[1] for line in lines if line[0] == "process"],
            [int(line[1]) for line in lines if line[0] == "message"])


def hand_overs(run):
    return packer_report(run)[1].count(HAND_OVER)


def convert_to_archive(run, what):
    """From state 1 to the packer holding the job: the archive named in the save chooser's folder, the
    damaged files' questions answered Ignore All. Returns once the packer has taken its hand-over."""
    taken = hand_overs(run)
    click_picture_button(run, 1)
    run.wait_window(SAVE_AS_TITLE, 60000)
    run.look("save-as-" + what, SAVE_AS_TITLE)
    run.click(SAVE_AS_TITLE, "&Save")
    run.wait_state(2, 60000)
    run.wait_window(ERROR_QUESTION, 300000)
    answer_error_dialog(run, "Ignore All Errors")
    deadline = time.time() + 600
    while hand_overs(run) == taken:
        need(run.program.poll() is None and time.time() < deadline, "%s: the packer got no job" % what)
        need(run.driver("wait", "*", ALERT_PACKING_ABORTED, "0", check=False).returncode != 0,
             "%s: packing ended before the packer got its job" % what)
        time.sleep(0.2)


def wait_with_stop_enabled(run, what):
    """While the packer holds its input, the program waits for it with Stop enabled all along; the wait
    ends by itself with the packing-aborted question. Returns the seconds it took."""
    start = time.time()
    run.look("waiting-for-packer-" + what, MAIN_WINDOW)
    while run.driver("wait", "*", ALERT_PACKING_ABORTED, "0", check=False).returncode != 0:
        need(time.time() - start < PACKER_WAIT_DEADLINE_S, "%s: the wait for the packer does not end" % what)
        out = run.driver("wait-child", MAIN_WINDOW, "Stop", "shown", "0").stdout
        stop = [row for row in children(out) if row["shown"] and row["text"] == "Stop"]
        # The question may have come between the two looks; Stop is taken away only after it is answered.
        if run.driver("wait", "*", ALERT_PACKING_ABORTED, "0", check=False).returncode == 0:
            break
        need(stop and stop[0]["enabled"], "%s: Stop is disabled while the program waits for the packer" % what)
        time.sleep(1)
    return time.time() - start


def packer_keeps_input(run):
    """Archive mode with a packer that accepts the job and keeps its parameter file open: the program
    starts the packer, hands the job over and waits a bounded time for it with Stop enabled; the wait
    runs out and the packing-aborted question ends the conversion (Delete: nothing left). A second
    conversion goes to the packer, still running, and Stop ends its wait at once (Keep: the converted
    files stay whole in the temporary folder). Exit then ends the program, though the packer holds on."""
    out_folder, out_for_program = run.output_folder("Out")
    run.packer_report = os.path.join(run.work, "packer-report.txt")
    run.env["DRAVIM_FAKE_PACKER_READING"] = "keep"
    run.env["DRAVIM_FAKE_PACKER_REPORT"] = windows_path(run.packer_report)
    packer = windows_path(os.path.join(run.config["bin"], STAND_IN_PACKER))
    # Both views of the registry: the i686 program reads the 32-bit one, the x86_64 program the other.
    for view in ("/reg:32", "/reg:64"):
        result = run.wine("reg", "add", PACKER_KEY, "/v", "Application Path", "/t", "REG_SZ", "/d", packer, "/f",
                          view)
        need(result.returncode == 0, "the packer's path cannot be set: " + result.stdout + result.stderr)
    run.write_prefs({"save_dialog": {"platform": "Win", "folder": out_for_program + "\\"}, "packer_alert_count": 0})
    run.insert(run.disc)
    run.start()
    out = run.wait_state(1, 120000, shot="state-1-archive")
    buttons = picture_buttons(out)
    need(len(buttons) == 2 and all(button["enabled"] for button in buttons),
         "the archive button is not enabled with the packer installed:\n" + out)
    temporary = os.path.join(out_folder, ARCHIVE_STEM + " Temp Folder")

    convert_to_archive(run, "first")
    waited = wait_with_stop_enabled(run, "first")
    need(waited < PACKER_WAIT_DEADLINE_S, "the wait took %.0f s" % waited)
    run.look("packing-aborted", ALERT_PACKING_ABORTED)
    run.click(ALERT_PACKING_ABORTED, "Delete")
    run.wait_state(0, 120000, shot="state-0-after-wait")
    need(os.listdir(out_folder) == [], "Delete left %s" % os.listdir(out_folder))
    processes, messages = packer_report(run)
    need(len(processes) == 1 and messages == [HAND_OVER, CLOSE_MESSAGE],
         "the started packer saw %s, messages %s" % (processes, messages))

    run.insert(run.disc)
    run.wait_state(1, 60000)
    convert_to_archive(run, "second")
    stopped = time.time()
    run.click(MAIN_WINDOW, "Stop")
    run.wait_window(ALERT_NOT_ALL, 60000, shot="stop-question")
    run.click(ALERT_NOT_ALL, "Keep")
    run.wait_window(ALERT_PACKING_ABORTED, 60000)
    need(time.time() - stopped < PACKER_WAIT_S, "Stop did not end the wait for the packer")
    run.click(ALERT_PACKING_ABORTED, "Keep")
    run.wait_state(0, 120000, shot="state-0-after-stop")
    processes, messages = packer_report(run)
    need(len(processes) == 1 and messages == [HAND_OVER, CLOSE_MESSAGE, HAND_OVER],
         "the running packer saw %s, messages %s" % (processes, messages))
    need(os.path.isdir(temporary), "Keep did not keep %s: %s" % (temporary, os.listdir(out_folder)))
    left = sorted(os.listdir(temporary))
    need("INFO.TXT" not in left and "Splash.jpg" not in left, "the job's description files were left: %s" % left)
    checker = load_checker(run)
    with open(run.config["manifest"], encoding="utf-8") as manifest_file:
        manifest = json.load(manifest_file)
    try:
        checker.check_output(manifest, temporary, checker.load_patch_checker(run.config["check_patch"]),
                             partial=False)
    except checker.Bad as error:
        raise Failed("the kept temporary folder: %s" % error)

    run.click(MAIN_WINDOW, "Exit")
    run.wait_for_exit()
    need(packer_report(run)[0] == processes, "the packer was started again")


# The waiting page's texts, in the order they stand: each paragraph is a block of lines of its own on the
# screen, set off from the next by at least a blank line's height.
WAITING_PAGE_PARAGRAPHS = [
    "Welcome to Quenholt Dravim!",
    "Please insert an Akai formatted CD or other removable media into any drive in your computer.",
    "Note: Dravim cannot convert Akai floppy discs!",
    "Waiting for disk...",
]


def text_blocks(picture):
    """The blocks of dark text on the light message pane, as (top, bottom) rows: rows with text that lie
    closer than a text line's height go together."""
    rows = []
    for y, row in enumerate(picture.rows):
        if any(row[x] + row[x + 1] + row[x + 2] < 3 * 96 for x in range(0, len(row), 3)):
            rows.append(y)
    if not rows:
        return []
    lines = [[rows[0], rows[0]]]
    for y in rows[1:]:
        if y == lines[-1][1] + 1:
            lines[-1][1] = y
        else:
            lines.append([y, y])
    line_height = max(bottom - top + 1 for top, bottom in lines)
    blocks = [list(lines[0])]
    for top, bottom in lines[1:]:
        if top - blocks[-1][1] - 1 < line_height:
            blocks[-1][1] = bottom
        else:
            blocks.append([top, bottom])
    return blocks


def message_pane(picture):
    """The message pane on the main window's picture: the widest light box framed on both sides (the menu
    bar and the button strip run to the window's edges), as far up and down as its margin stays light."""
    def light(row, x):
        return min(row[x], row[x + 1], row[x + 2]) >= 200

    best = None
    for y in range(0, picture.height, 4):
        row = picture.rows[y]
        x = 0
        while x < picture.width:
            if light(row, 3 * x):
                start = x
                while x < picture.width and light(row, 3 * x):
                    x += 1
                framed = start > 0 and x < picture.width
                if framed and (best is None or x - start > best[1] - best[0]):
                    best = (start, x, y)
            x += 1
    need(best is not None and best[1] - best[0] > picture.width // 4, "no message pane on the main window")
    left, right, y = best
    margin = left + 2
    top = y
    while top > 0 and light(picture.rows[top - 1], 3 * margin):
        top -= 1
    bottom = y
    while bottom + 1 < picture.height and light(picture.rows[bottom + 1], 3 * margin):
        bottom += 1
    return picture.crop((left, top, right, bottom + 1))


def open_about_window(run, rect):
    """Chooses "About Dravim", the first item of the first menu, from the keyboard as a user can: a click on
    the main window (at `rect`) gives it the keyboard, F10 takes the menu bar, Return opens its first menu
    and Return chooses that menu's first item."""
    # Without a window manager the X server's keyboard follows the pointer (other scenarios leave it in a
    # corner), whichever window Wine has activated: the pointer stays over the window while the keys go.
    subprocess.run(["xdotool", "mousemove", str(rect[0] + 20), str(rect[1] + 20), "click", "1"], env=run.env,
                   check=True)
    subprocess.run(["xdotool", "key", "F10", "Return"], env=run.env, check=True)
    run.driver("wait", "#32768", "", "10000")
    subprocess.run(["xdotool", "key", "Return"], env=run.env, check=True)
    run.wait_window(ABOUT_TITLE, 30000)


def first_start(run):
    """A new user's first start: no preference file and no packer. The packer alert comes painted, OK closes
    it, the waiting page shows every one of its texts, the about window comes painted, Exit ends the program
    and the packer alert is counted in the saved preferences."""
    need(not os.path.exists(run.prefs_path()), "the new prefix holds a preference file")
    run.start()
    run.wait_window(ALERT_PACKER, 300000, shot="packer-alert")
    run.click(ALERT_PACKER, "OK")
    run.driver("gone", ALERT_PACKER, "30000")
    run.wait_state(0, 60000)
    screen, rect = run.look("state-0", MAIN_WINDOW)
    pane = message_pane(screen.crop(rect))
    blocks = text_blocks(pane)
    need(len(blocks) == len(WAITING_PAGE_PARAGRAPHS),
         "the waiting page shows %d blocks of text, not the %d of its texts %s (rows %s)"
         % (len(blocks), len(WAITING_PAGE_PARAGRAPHS), WAITING_PAGE_PARAGRAPHS, blocks))
    open_about_window(run, rect)
    run.look("about", ABOUT_TITLE)
    run.driver("close", ABOUT_TITLE)
    run.driver("gone", ABOUT_TITLE, "30000")
    run.click(MAIN_WINDOW, "Exit")
    run.wait_for_exit()
    prefs = run.read_prefs()
    need(prefs["packer_alert_count"] == 1, "packer alert count %s" % prefs["packer_alert_count"])


# Each scenario, and how its run is set up.
SCENARIOS = {
    "1": (scenario_1, {}),
    "2": (scenario_2, {}),
    "3": (scenario_3, {"slow_reads": True, "stop_disc": True}),
    "4": (scenario_4, {"slow_reads": True, "stop_disc": True}),
    "5": (scenario_5, {}),
    "first-start": (first_start, {"new_prefix": ""}),
    # The same under a window manager, which frames and places the windows itself.
    "first-start-wm": (first_start, {"new_prefix": "-wm", "window_manager": True}),
    # The packer's registry entry would make the other scenarios find it: a prefix of its own.
    "packer-keeps-input": (packer_keeps_input, {"new_prefix": "-packer"}),
}


class ManagedDisplay:
    """An X server of its own with a window manager running on it, for as long as the scenario lasts."""

    def __init__(self):
        self.processes = []
        try:
            self.start()
        except BaseException:
            self.close()
            raise

    def start(self):
        read_end, write_end = os.pipe()
        self.processes.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-screen", "0", "1024x768x24"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        os.close(write_end)
        with os.fdopen(read_end) as number:
            self.display = ":" + number.readline().strip()
        need(self.display != ":", "Xvfb did not start")
        env = dict(os.environ, DISPLAY=self.display)
        self.processes.append(subprocess.Popen(["openbox", "--sm-disable"], env=env, stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL))
        deadline = time.time() + 60
        while "window id" not in subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=env,
                                                capture_output=True, text=True).stdout:
            need(time.time() < deadline and self.processes[-1].poll() is None, "the window manager did not start")
            time.sleep(0.1)

    def close(self):
        for process in reversed(self.processes):
            process.terminate()
            process.wait(timeout=30)
        self.processes = []


def remove_prefix(prefix):
    """Ends the prefix's server, and with it whatever a run left running there (a stand-in packer, say),
    then removes the prefix: each holds over a gigabyte of Wine's own files."""
    if os.path.isdir(prefix):
        subprocess.run(["wineserver", "-k"], env=dict(os.environ, WINEPREFIX=prefix))
        subprocess.run(["wineserver", "-w"], env=dict(os.environ, WINEPREFIX=prefix))
        shutil.rmtree(prefix, ignore_errors=True)


def new_prefix(config, suffix):
    """A Wine prefix that no program has used yet, made by the scenario's first program run."""
    prefix = config["new_wineprefix"] + suffix
    remove_prefix(prefix)
    return prefix


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in SCENARIOS:
        print(__doc__, file=sys.stderr)
        return 2
    with open(sys.argv[2]) as config_file:
        config = json.load(config_file)
    scenario, options = SCENARIOS[sys.argv[1]]
    managed = None
    if options.get("window_manager"):
        try:
            managed = ManagedDisplay()
        except (Failed, OSError, subprocess.SubprocessError) as error:
            print("scenario %s failed: %s" % (sys.argv[1], error), file=sys.stderr)
            return 1
        os.environ["DISPLAY"] = managed.display
    prefix = new_prefix(config, options["new_prefix"]) if "new_prefix" in options else None
    run = Run(sys.argv[1], config, prefix, options.get("slow_reads", False), options.get("stop_disc", False))
    try:
        scenario(run)
    except (Failed, xscreen.BadPicture, subprocess.SubprocessError, OSError) as error:
        print("scenario %s failed: %s" % (run.scenario, error), file=sys.stderr)
        return 1
    finally:
        run.finish()
        if prefix is not None:
            remove_prefix(prefix)
        if managed is not None:
            managed.close()
    print("scenario %s passed" % run.scenario)
    return 0


if __name__ == "__main__":
    sys.exit(main())
