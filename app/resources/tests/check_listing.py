#!/usr/bin/env python3
"""Lists a program's resources with wrestool and its icon groups with icotool, and compares them with the
resources the program must carry: exactly these types and ids, one 40 x 40 32-bit image per picture-button
icon, 16, 32 and 48 pixel 32-bit images in the program's own icon groups.

Usage: check_listing.py [--program] PROGRAM.exe
--program: the shipping program, which also carries the framework's dialog templates and common alerts.
"""
import os
import re
import subprocess
import sys
import tempfile

EXPECTED = {
    "'SSTR'": {128, 1000}, "'SALR'": {128}, "'SMNU'": {128}, "'SHTM'": set(range(128, 142)),
    "'BMPF'": {128, 129}, "'JPEG'": {128},
    "5": set(range(128, 137)),              # dialog templates
    "6": {10000 // 16 + 1},                 # the string block of 10000 to 10004
    "12": {10016, 10017},                   # the split cursors
    "14": {1, 2, 130, 131, 140, 141},       # icon groups
    "16": {1},                              # version block
    "24": {1},                              # manifest
}
FRAMEWORK = {"'SALR'": {1000}, "5": {10000, 10003, 10005}}
ICON_SIZES = {1: [16, 32, 48], 2: [16, 32, 48], 130: [40], 131: [40], 140: [40], 141: [40]}


def listed_resources(program):
    output = subprocess.run(["wrestool", "-l", program], check=True, capture_output=True, text=True).stdout
    found = {}
    for line in output.splitlines():
        match = re.match(r"--type=(\S+) --name=(\d+) ", line)
        if not match:
            raise ValueError("unexpected wrestool line: " + line)
        found.setdefault(match.group(1), set()).add(int(match.group(2)))
    return found


def icon_images(program, group, folder):
    path = os.path.join(folder, f"{group}.ico")
    subprocess.run(["wrestool", "-x", "--type=14", f"--name={group}", "-o", path, program], check=True)
    output = subprocess.run(["icotool", "-l", path], check=True, capture_output=True, text=True).stdout
    images = []
    for line in output.splitlines():
        fields = dict(re.findall(r"--([a-z-]+)=(\d+)", line))
        images.append((int(fields["width"]), int(fields["height"]), int(fields["bit-depth"])))
    return images


def main(argv):
    shipping = len(argv) == 3 and argv[1] == "--program"
    if len(argv) != (3 if shipping else 2):
        print(__doc__, file=sys.stderr)
        return 2
    program = argv[-1]
    expected = {kind: set(ids) for kind, ids in EXPECTED.items()}
    if shipping:
        for kind, ids in FRAMEWORK.items():
            expected[kind] |= ids
    problems = []
    found = listed_resources(program)
    icons = found.pop("3", set())
    cursors = found.pop("1", set())
    if found != expected:
        problems.append(f"resource table differs: {sorted(found.items())} instead of {sorted(expected.items())}")
    if len(icons) != sum(len(sizes) for sizes in ICON_SIZES.values()):
        problems.append(f"{len(icons)} icon images")
    if len(cursors) != len(EXPECTED["12"]):
        problems.append(f"{len(cursors)} cursor images")
    with tempfile.TemporaryDirectory() as folder:
        for group, sizes in ICON_SIZES.items():
            images = icon_images(program, group, folder)
            if images != [(size, size, 32) for size in sizes]:
                problems.append(f"icon group {group} holds {images}")
    for problem in problems:
        print("check_listing: " + problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
