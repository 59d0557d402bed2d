#!/usr/bin/env python3
"""The exchange of preference files between tools/prefs.py and the program.

    prefs_exchange.py write PREFS_PY FOLDER   prefs.py writes FOLDER/from-python.prf for the program
    prefs_exchange.py read PREFS_PY FOLDER    prefs.py reads the files the program wrote there
"""
import json
import os
import subprocess
import sys

FROM_PYTHON = {
    "location": [300, 200],
    "folder_dialog": {"folder": "C:\\From Python\\", "position": [1, 2, 3, 4]},
    "save_dialog": {"file_type": {"description": "Kaplet file", "extensions": [".kpl"], "type": "KPL "},
                    "folder": "C:\\Kaplets\\", "position": [5, 6, 7, 8]},
    "packer_alert_count": 3,
}

# What prefs.py must read from each file the program wrote (only the fields that tell the files apart).
FROM_PROGRAM = {
    "default.prf": {"location": [-32768, -32768], "packer_alert_count": 0,
                    "folder_dialog": {"platform": "Win", "folder": None, "position": [0, 0, 0, 0]}},
    "filled.prf": {"location": [64, 48], "packer_alert_count": 2,
                   "folder_dialog": {"platform": "Win", "folder": "C:\\Akai Output\\", "position": [1, 2, 3, 4]},
                   "save_dialog": {"file_type": {"description": "Kaplet file", "extensions": [".kpl"],
                                                 "type": "KPL "},
                                   "platform": "Win", "folder": "C:\\Kaplets\\", "position": [-5, 6, 700, 80]}},
    "odd.prf": {"folder_dialog": {"platform": "Win", "folder": "C:\\Odd\\", "position": [0, 0, 0, 0]}},
}


def main(argv):
    mode, prefs_py, folder = argv[1:4]
    os.makedirs(folder, exist_ok=True)
    if mode == "write":
        subprocess.run([sys.executable, prefs_py, "write", os.path.join(folder, "from-python.prf")],
                       input=json.dumps(FROM_PYTHON), text=True, check=True)
        return 0
    failures = 0
    for name, expected in FROM_PROGRAM.items():
        read = json.loads(subprocess.run([sys.executable, prefs_py, "read", os.path.join(folder, name)],
                                         capture_output=True, text=True, check=True).stdout)
        for key, value in expected.items():
            if read.get(key) != value:
                print(f"{name}: {key} read as {read.get(key)!r}, expected {value!r}", file=sys.stderr)
                failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
