#!/usr/bin/env python3
"""Checks cmake/wine-run's choice of loader and its prefix marks with stand-in loaders, and that the
32-bit probe's hand-made program is sound (its x86_64 twin, made the same way, runs here).

  test_wine_run.py SOURCE-ROOT
"""

import os
import struct
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def pe_file(path, machine):
    # The DOS header's pointer at 0x3C leads to the PE signature and the COFF machine field.
    header = bytearray(b"MZ" + bytes(0x3A) + struct.pack("<I", 0x40))
    header += b"PE\0\0" + struct.pack("<H", machine) + bytes(18)
    with open(path, "wb") as out:
        out.write(header)


def stand_in(path, text):
    with open(path, "w") as out:
        out.write("#!/bin/sh\n" + text)
    os.chmod(path, 0o755)


def main():
    root = sys.argv[1]
    wine_run = os.path.join(root, "cmake", "wine-run")
    with tempfile.TemporaryDirectory() as work:
        log = os.path.join(work, "calls.log")
        tools = os.path.join(work, "bin")
        os.makedirs(tools)
        stand_in(os.path.join(tools, "wineserver"), "exit 0\n")
        for name in ("wine64", "wine32"):
            stand_in(os.path.join(work, name), 'echo "%s $*" >>"%s"\necho "%s ran"\n' % (name, log, name))
        programs = {"x86_64": 0x8664, "i686": 0x14C, "arm64": 0xAA64}
        for name, machine in programs.items():
            pe_file(os.path.join(work, name + ".exe"), machine)
        with open(os.path.join(work, "text.exe"), "w") as out:
            out.write("not a program")

        def run(program, loaders, prefix="prefix"):
            env = dict(os.environ, PATH=tools + os.pathsep + os.environ["PATH"], DISPLAY=":99",
                       WINEPREFIX=os.path.join(work, prefix), DRAVIM_WINE_BUILD_ROOT=work,
                       DRAVIM_WINE64=os.path.join(work, "wine64") if "64" in loaders else "",
                       DRAVIM_WINE32=os.path.join(work, "wine32") if "32" in loaders else "")
            if os.path.exists(log):
                os.remove(log)
            result = subprocess.run([wine_run, program], env=env, capture_output=True, text=True, timeout=60)
            calls = open(log).read().splitlines() if os.path.exists(log) else []
            return result, calls

        # Each program kind to its loader; what is not a PE file (or a name Wine finds) to the 64-bit one.
        for program, loaders, expected in [
            ("x86_64.exe", "64 32", "wine64"),
            ("i686.exe", "64 32", "wine32"),
            ("i686.exe", "32", "wine32"),
            ("text.exe", "64 32", "wine64"),
            ("notepad", "64 32", "wine64"),
            ("x86_64.exe", "32", "wine32"),
        ]:
            result, calls = run(os.path.join(work, program) if program != "notepad" else program, loaders,
                                prefix="prefix-" + loaders.replace(" ", "-"))
            check(result.returncode == 0 and result.stdout.strip() == expected + " ran",
                  "%s with loaders %s: status %d, output %r" % (program, loaders, result.returncode, result.stdout))

        result, calls = run(os.path.join(work, "i686.exe"), "64", prefix="prefix-64")
        check(result.returncode == 127 and "32-bit" in result.stderr and not any("i686" in c for c in calls),
              "a 32-bit program without 32-bit Wine: status %d, %r" % (result.returncode, result.stderr))

        # The prefix is made once per kind of Wine, by the 64-bit loader where there is one.
        prefix = os.path.join(work, "kinds")
        kind_mark = os.path.join(prefix, ".dravim-prefix-kind")
        x86_64 = os.path.join(work, "x86_64.exe")
        _, calls = run(x86_64, "64", prefix="kinds")
        check(calls[:1] == ["wine64 wineboot -i"], "first run made no prefix: %s" % calls)
        check(open(kind_mark).read().strip() == "x86_64", "kind mark %r" % open(kind_mark).read())
        _, calls = run(x86_64, "64", prefix="kinds")
        check(calls == ["wine64 " + x86_64], "the prefix was made again: %s" % calls)
        kept = os.path.join(prefix, "drive_c", "kept.txt")
        os.makedirs(os.path.dirname(kept))
        open(kept, "w").close()
        _, calls = run(os.path.join(work, "i686.exe"), "64 32", prefix="kinds")
        check(calls[:1] == ["wine64 wineboot -i"] and not os.path.exists(kept),
              "the prefix of 64-bit Wine alone was kept once 32-bit Wine came: %s" % calls)
        check(open(kind_mark).read().strip() == "x86_64+i686", "kind mark %r" % open(kind_mark).read())

        # A prefix from before the mark was made under 64-bit Wine alone, and stays as long as that holds.
        old = os.path.join(work, "old")
        os.makedirs(old)
        open(os.path.join(old, ".dravim-prefix-ready"), "w").close()
        _, calls = run(x86_64, "64", prefix="old")
        check(calls == ["wine64 " + x86_64], "a prefix without a kind mark was made again: %s" % calls)

        # Without a display each build tree gets an X server of its own and keeps it: a display number
        # left from an earlier server of its own, which another tree's server has taken since, is not used.
        displays = {}
        stand_in(os.path.join(work, "show-display"), 'echo "$DISPLAY"\n')
        for tree in ("tree-a", "tree-b", "tree-a"):
            tree_root = os.path.join(work, tree)
            os.makedirs(os.path.join(tree_root, "prefix"), exist_ok=True)
            open(os.path.join(tree_root, "prefix", ".dravim-prefix-ready"), "w").close()
            if tree == "tree-b":
                with open(os.path.join(tree_root, ".xvfb-display"), "w") as number:
                    number.write(displays["tree-a"].lstrip(":") + "\n")
                with open(os.path.join(tree_root, ".xvfb-pid"), "w") as pid:
                    pid.write("%d\n" % os.getpid())
            env = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
            env.update(PATH=tools + os.pathsep + os.environ["PATH"], DRAVIM_WINE_BUILD_ROOT=tree_root,
                       WINEPREFIX=os.path.join(tree_root, "prefix"), DRAVIM_WINE64=os.path.join(work, "show-display"),
                       DRAVIM_WINE32="")
            shown = subprocess.run([wine_run, x86_64], env=env, capture_output=True, text=True, timeout=60)
            display = shown.stdout.strip()
            check(display.startswith(":"), "%s ran without a display: %r %r" % (tree, display, shown.stderr))
            check(displays.setdefault(tree, display) == display, "%s changed its display" % tree)
        check(displays["tree-a"] != displays["tree-b"], "two build trees share the display %s" % displays["tree-a"])

        # The probe: its x86_64 twin, written by the same code, runs and exits 0 here; the probe's answer
        # agrees with executing the 32-bit program directly.
        probe = os.path.join(root, "tools", "can-run-32bit")
        twin, elf32 = os.path.join(work, "twin"), os.path.join(work, "elf32")
        subprocess.run([probe, "--write-elf", twin, "64"], check=True)
        subprocess.run([probe, "--write-elf", elf32, "32"], check=True)
        check(subprocess.run([twin]).returncode == 0, "the probe's x86_64 twin does not exit 0")
        try:
            runs = subprocess.run([elf32]).returncode == 0
        except OSError:
            runs = False
        answer = subprocess.run([probe], capture_output=True, text=True)
        check((answer.returncode == 0) == runs and answer.stdout.strip() != "",
              "probe says %d (%s), the program itself %s" % (answer.returncode, answer.stdout.strip(),
                                                             "runs" if runs else "does not run"))
    for failure in failures:
        print("FAILED: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
