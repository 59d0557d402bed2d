#!/usr/bin/env python3
"""Checks the package a user downloads as that user gets it: unpacks it into a new folder, checks what it
holds (the four binaries, i686, stripped, their debug information beside the package, imports that
Windows XP SP3 has and no runtime DLL) and, with --run, runs from the unpacked folder on a new Wine prefix
one whole conversion with its DravimImageConvert.exe and the first-start scenario with its Dravim.exe.

  check_package.py ZIP WIN32-BUILD WORK-FOLDER [--run]

WIN32-BUILD is the i686 build tree whose test helpers (the disc image maker, the stand-in raw-disk
library in place of Brakvel.dll, the driver) the run takes. --run needs an X display. Exit status 0 when
everything held.
"""

import json
import os
import re
import shutil
import subprocess
import sys

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(SOURCE, "app", "application", "tests", "e2e"))
import package  # noqa: E402
import run_scenario  # noqa: E402
from run_scenario import Failed, need  # noqa: E402

BINARIES = ["Brakvel.dll", "Dravim.exe", "DravimImageConvert.exe", "Sondrel.dll"]
SHIPPED = sorted(BINARIES + ["ReadMe.txt"])
# The static runtime leaves none of these to be shipped beside the programs.
RUNTIME_DLL = re.compile(r"^(libstdc\+\+|libgcc|libwinpthread|libssp|libgomp).*\.dll$", re.IGNORECASE)
OBJDUMP = "i686-w64-mingw32-objdump"


def objdump(*arguments):
    result = subprocess.run([OBJDUMP, *arguments], capture_output=True, text=True)
    need(result.returncode == 0, "%s %s: %s" % (OBJDUMP, " ".join(arguments), result.stderr))
    return result.stdout


def built_version(build):
    """The version the build states, as the version resource was made from it."""
    with open(one_build_file(build, "DravimVersion.h")) as header:
        found = re.search(r'#define DRAVIM_VERSION_TEXT "([^"]+)"', header.read())
    need(found is not None, "DravimVersion.h names no version")
    return found.group(1)


def check_contents(archive, unpacked, build):
    folders = os.listdir(unpacked)
    name = os.path.splitext(os.path.basename(archive))[0]
    need(folders == [name], "the package holds %s, not one folder %s" % (folders, name))
    folder = os.path.join(unpacked, name)
    need(sorted(os.listdir(folder)) == SHIPPED, "the package's folder holds %s" % sorted(os.listdir(folder)))
    version = built_version(build)
    need(name == "Dravim-%s-win32" % version, "the package of version %s is named %s" % (version, name))
    need(package.file_version(os.path.join(folder, "Dravim.exe")) == version,
         "the build states version %s, its Dravim.exe %s"
         % (version, package.file_version(os.path.join(folder, "Dravim.exe"))))
    with open(os.path.join(folder, "ReadMe.txt"), "rb") as readme:
        text = readme.read().decode("ascii")
    need(version in text and "Licence" in text and "\r\n" in text, "the read-me lacks its version or licence")
    debug = os.path.join(os.path.dirname(archive), name + "-debug")
    for binary in BINARIES:
        path = os.path.join(folder, binary)
        headers = objdump("-f", "-h", path)
        need("pei-i386" in headers, "%s is not an i686 binary" % binary)
        need(".debug_" not in headers, "%s carries debug information" % binary)
        need(".gnu_debuglink" in headers, "%s names no debug file" % binary)
        debug_file = os.path.join(debug, binary + ".debug")
        need(os.path.isfile(debug_file) and ".debug_info" in objdump("-h", debug_file),
             "no debug information for %s beside the package" % binary)
        imports = re.findall(r"DLL Name:\s*(\S+)", objdump("-p", path))
        need(imports, "%s: no imports read" % binary)
        runtime = [dll for dll in imports if RUNTIME_DLL.match(dll)]
        need(not runtime, "%s needs runtime DLLs that do not ship: %s" % (binary, runtime))
        if binary == "Dravim.exe":
            lowered = [dll.lower() for dll in imports]
            need("brakvel.dll" in lowered and "sondrel.dll" in lowered, "Dravim.exe imports %s" % imports)
    xp = subprocess.run(["cmake", "-DOBJDUMP=" + shutil.which(OBJDUMP),
                         "-DLIST=" + os.path.join(SOURCE, "cmake", "xp-missing-imports.txt"),
                         "-P", os.path.join(SOURCE, "cmake", "CheckXPImports.cmake")]
                        + [os.path.join(folder, binary) for binary in BINARIES], capture_output=True, text=True)
    need(xp.returncode == 0, "the packaged files import what Windows XP SP3 lacks:\n" + xp.stdout + xp.stderr)
    return folder


def one_build_file(build, name):
    """The build's own file of that name, outside the test folders and the Wine prefixes, whose drive
    links lead out of the build tree."""
    found = []
    for root, folders, files in os.walk(build):
        folders[:] = [f for f in folders if "wineprefix" not in f and f not in ("e2e", "package")]
        found += [os.path.join(root, name)] if name in files else []
    need(len(found) >= 1, "%s not found in %s" % (name, build))
    return sorted(found, key=len)[0]


def run_from_package(folder, build, work):
    wine_run = os.path.join(SOURCE, "cmake", "wine-run")
    prefix = os.path.join(work, "wineprefix")
    env = dict(os.environ, WINEPREFIX=prefix, DRAVIM_WINE_BUILD_ROOT=work)
    images = os.path.join(work, "images")
    os.makedirs(images)

    def wine(*arguments):
        return subprocess.run([wine_run, *arguments], env=env, capture_output=True, text=True, timeout=900)

    made = wine(one_build_file(build, "conversion_make_test_images.exe"), images)
    need(made.returncode == 0, "the disc images were not made: " + made.stdout + made.stderr)
    image = os.path.join(images, "acceptance.img")
    manifest = os.path.join(images, "acceptance.json")
    checker = os.path.join(SOURCE, "conversion", "disc", "tests", "check_conversion.py")
    check_patch = os.path.join(SOURCE, "conversion", "patch", "tests", "check_patch.py")

    # One whole conversion, checked against the disc's manifest.
    output = os.path.join(work, "conversion")
    converted = wine(os.path.join(folder, "DravimImageConvert.exe"), image, output)
    need(converted.returncode == 0 and "Conversion completed!" in converted.stdout,
         "the packaged converter failed: " + converted.stdout + converted.stderr)
    checked = subprocess.run([sys.executable, checker, "check", manifest, output, check_patch],
                             capture_output=True, text=True)
    need(checked.returncode == 0, "the packaged converter's output: " + checked.stdout + checked.stderr)

    # The first start, with the stand-in serving disc images in place of the raw-disk library.
    shutil.copyfile(os.path.join(build, "libs", "rawdisk", "standin", "Brakvel.dll"),
                    os.path.join(folder, "Brakvel.dll"))
    config = {
        "bin": folder,
        "driver": one_build_file(build, "DravimDriver.exe"),
        "work": os.path.join(work, "e2e"),
        "wineprefix": prefix,
        "build_root": work,
        "wine_run": wine_run,
        "image": image,
        "manifest": manifest,
        "image_convert": os.path.join(folder, "DravimImageConvert.exe"),
        "checker": checker,
        "check_patch": check_patch,
        "prefs_py": os.path.join(SOURCE, "tools", "prefs.py"),
    }
    with open(os.path.join(work, "config.json"), "w") as out:
        json.dump(config, out, indent=2)
    run = run_scenario.Run(1, config)
    try:
        run_scenario.scenario_1(run)
    except Failed as error:
        raise Failed("the first-start scenario from the package: %s" % error)
    finally:
        run.finish()
        run_scenario.remove_prefix(prefix)


def main():
    arguments = [a for a in sys.argv[1:] if a != "--run"]
    if len(arguments) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    archive, build, work = (os.path.abspath(a) for a in arguments)
    if os.path.exists(work):
        subprocess.run(["wineserver", "-k"], env=dict(os.environ, WINEPREFIX=os.path.join(work, "wineprefix")),
                       capture_output=True)
        shutil.rmtree(work)
    unpacked = os.path.join(work, "unpacked")
    try:
        package.unpack(archive, unpacked)
        folder = check_contents(archive, unpacked, build)
        print("package contents and imports: passed")
        if "--run" in sys.argv[1:]:
            run_from_package(folder, build, work)
            print("conversion and first start from the package: passed")
    except (Failed, OSError, ValueError, subprocess.SubprocessError) as error:
        print("check_package.py: %s" % error, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
