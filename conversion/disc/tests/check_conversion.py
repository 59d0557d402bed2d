#!/usr/bin/env python3
"""Checks what the command-line converter wrote for a synthetic disc, against the disc's manifest and with
nothing of the program: python's wave and struct modules, and the patch checker for every ".mqp".

  check_conversion.py check MANIFEST OUTFOLDER CHECK_PATCH_PY
      a completed conversion: exactly the manifest's folders and files and one HTML log;
  check_conversion.py disk-full MANIFEST WORKFOLDER CHECK_PATCH_PY EMULATOR TOOL IMAGE
      runs the tool with its writes failing after a number of bytes: exit 1 with the cause printed, every
      file written is whole and right, the failed one is absent and logged "disk full";
  check_conversion.py bad-usage WORKFOLDER EMULATOR TOOL IMAGE
      arguments, images and output folders the tool refuses with exit 2;
  check_conversion.py too-long MANIFEST WORKFOLDER CHECK_PATCH_PY EMULATOR TOOL IMAGE
      an output folder so deep that the longest file's path is too long for Windows: exit 1 with a line that
      names that path as too long, every file written is whole and the log too.
"""

import importlib.util
import json
import os
import re
import shutil
import struct
import subprocess
import sys
import wave

sys.dont_write_bytecode = True


class Bad(Exception):
    pass


def need(condition, message):
    if not condition:
        raise Bad(message)


def load_patch_checker(path):
    spec = importlib.util.spec_from_file_location("check_patch", path)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


def riff_chunks(data, what):
    need(data[0:4] == b"RIFF" and data[8:12] == b"WAVE", "%s: no RIFF WAVE header" % what)
    need(struct.unpack("<I", data[4:8])[0] == len(data) - 8, "%s: RIFF size does not cover the file" % what)
    chunks = {}
    at = 12
    while at < len(data):
        need(at + 8 <= len(data), "%s: chunk header cut" % what)
        chunk_id = data[at:at + 4].decode("latin-1")
        size = struct.unpack("<I", data[at + 4:at + 8])[0]
        need(at + 8 + size <= len(data), "%s: chunk %s runs past the end" % (what, chunk_id))
        chunks[chunk_id] = data[at + 8:at + 8 + size]
        at += 8 + size + (size & 1)
    return chunks


def check_wave(path, expected):
    what = os.path.basename(path)
    with wave.open(path, "rb") as w:
        need(w.getnchannels() == expected["channels"], "%s: %d channels" % (what, w.getnchannels()))
        need(w.getsampwidth() == 2, "%s: sample width %d" % (what, w.getsampwidth()))
        need(w.getframerate() == expected["rate"], "%s: rate %d" % (what, w.getframerate()))
        frames = len(expected["pcm"]) // expected["channels"]
        need(w.getnframes() == frames, "%s: %d frames, expected %d" % (what, w.getnframes(), frames))
        pcm = w.readframes(w.getnframes())
    need(pcm == struct.pack("<%dh" % len(expected["pcm"]), *expected["pcm"]), "%s: sample data differs" % what)
    with open(path, "rb") as f:
        chunks = riff_chunks(f.read(), what)
    loop = expected["loop"]
    need(("smpl" in chunks) == (loop is not None), "%s: smpl chunk %s" % (what, "present" if "smpl" in chunks else "missing"))
    if loop is not None:
        smpl = chunks["smpl"]
        need(len(smpl) == 60, "%s: smpl chunk of %d bytes" % (what, len(smpl)))
        need(struct.unpack("<I", smpl[28:32])[0] == 1, "%s: not one loop" % what)
        loop_type, start, end = struct.unpack("<III", smpl[40:52])
        need(loop_type == 0 and start == loop[0] and end == loop[1] - 1,
             "%s: loop type %d %d..%d, expected forward %d..%d" % (what, loop_type, start, end, loop[0], loop[1] - 1))


def patch_references(checker, path):
    with open(path, "rb") as f:
        data = f.read()
    form_size = struct.unpack(">I", data[4:8])[0]
    top = checker.chunks(data[12:8 + form_size], "FORM")
    cat = top[0][1]
    return [checker.check_refe(chunk, i).decode("latin-1") for i, (_, chunk) in enumerate(checker.chunks(cat[4:], "REFS"))]


def tree_of(folder):
    folders, files = set(), set()
    for root, dirs, names in os.walk(folder):
        for d in dirs:
            folders.add(os.path.relpath(os.path.join(root, d), folder).replace(os.sep, "/"))
        for n in names:
            files.add(os.path.relpath(os.path.join(root, n), folder).replace(os.sep, "/"))
    return folders, files


def kilobytes(size):
    return "%.1f" % (size / 1024.0)


def check_log(folder, files, checker, expected_skipped, end_note):
    logs = [f for f in files if "/" not in f and f.endswith(".htm")]
    need(len(logs) == 1, "not one HTML log at the top: %s" % logs)
    with open(os.path.join(folder, logs[0]), "rb") as f:
        page = f.read().decode("latin-1")
    need(page.startswith("<html>\r\n<head>") and page.endswith("</html>"), "the log is no HTML page")
    need("<h2><i>%s</i></h2>" % end_note in page, "the log does not end with %r" % end_note)

    skipped = re.findall(r'<br><i>Note: File "([^"]*)/([^"]*)/([^"]*)" was not converted: ([^<]*)\.</i>', page)
    need(sorted(skipped) == sorted(expected_skipped), "skipped notes %s, expected %s" % (skipped, expected_skipped))

    sizes = {f: os.path.getsize(os.path.join(folder, f)) for f in files}
    total = 0
    parts = re.split(r"<h2>([^<]*)/</h2>\r\n", page)
    logged_files = set()
    for index in range(1, len(parts), 2):
        partition = parts[index]
        sections = re.split(r"<h3>(\d+) - ([^<]*)/</h3>\r\n", parts[index + 1])
        for s in range(1, len(sections), 3):
            volume, section = sections[s + 1], sections[s + 2]
            prefix = partition + "/" + volume + "/"
            need(os.path.isdir(os.path.join(folder, partition, volume)), "heading %s names no folder" % prefix)
            volume_files = [f for f in files if f.startswith(prefix)]
            volume_size = sum(sizes[f] for f in volume_files)
            total += volume_size
            need("<p>Size: %s kB<br>" % kilobytes(volume_size) in section, "%s: volume size" % prefix)
            patch_part, _, sample_part = section.partition("<b>Sample</b>")
            for name, size, notes in re.findall(r"<tr><td>([^<]*)</td><td>([0-9.]+) kB(.*?)</td></tr>", patch_part, re.S):
                if name == "<b>Patches":
                    continue
                path = prefix + name + ".mqp"
                need(path in files, "patch row %s names no file" % path)
                logged_files.add(path)
                references = patch_references(checker, os.path.join(folder, path))
                missing = re.findall(r'refers to a missing sample "([^"]*)"', notes)
                with_samples = sizes[path]
                for reference in references:
                    if prefix + reference in files:
                        with_samples += sizes[prefix + reference]
                    else:
                        need(reference in missing, "%s: reference %s is neither a file nor noted missing" % (path, reference))
                need(size == kilobytes(with_samples), "%s: %s kB shown, %s kB with its samples" % (path, size, kilobytes(with_samples)))
            for name, size in re.findall(r"<tr><td>([^<]*)</td><td>([0-9.]+) kB", sample_part):
                path = prefix + name
                need(path in files, "sample row %s names no file" % path)
                logged_files.add(path)
                need(size == kilobytes(sizes[path]), "%s: %s kB shown, file of %d bytes" % (path, size, sizes[path]))
    need("<p>Total Size: %.1f MB" % (total / 1048576.0) in page, "total size")
    converted = {f for f in files if f.endswith(".wav") or f.endswith(".mqp")}
    need(logged_files == converted, "files not in the log: %s; logged twice or missing: %s"
         % (sorted(converted - logged_files), sorted(logged_files - converted)))


def check_output(manifest, folder, checker, partial):
    folders, files = tree_of(folder)
    need(folders <= set(manifest["folders"]), "unexpected folders %s" % sorted(folders - set(manifest["folders"])))
    if not partial:
        need(folders == set(manifest["folders"]), "missing folders %s" % sorted(set(manifest["folders"]) - folders))
    waves = {w["path"]: w for w in manifest["waves"]}
    expected_files = set(waves) | set(manifest["patches"])
    converted = {f for f in files if not (f.endswith(".htm") and "/" not in f)}
    need(converted <= expected_files, "unexpected files %s" % sorted(converted - expected_files))
    if not partial:
        need(converted == expected_files, "missing files %s" % sorted(expected_files - converted))
    for path in sorted(converted):
        if path.endswith(".wav"):
            check_wave(os.path.join(folder, path), waves[path])
        else:
            try:
                checker.check_file(os.path.join(folder, path))
            except checker.Bad as error:
                raise Bad("%s: %s" % (path, error))
    return files


def skipped_of(manifest):
    return [(s["partition"], s["volume"], s["file"], s["cause"]) for s in manifest["skipped"]]


def command_check(manifest_path, folder, checker_path):
    with open(manifest_path, encoding="utf-8") as f:
        manifest = json.load(f)
    checker = load_patch_checker(checker_path)
    files = check_output(manifest, folder, checker, partial=False)
    check_log(folder, files, checker, skipped_of(manifest), "End of Log")
    print("ok: %d files as the manifest says" % len(files))


def run_tool(command, env=None):
    result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, env=env, timeout=600)
    return result.returncode, result.stdout.decode("latin-1")


def command_disk_full(manifest_path, work, checker_path, emulator, tool, image):
    with open(manifest_path, encoding="utf-8") as f:
        manifest = json.load(f)
    checker = load_patch_checker(checker_path)
    os.makedirs(work, exist_ok=True)
    # Each limit fails at another file, from the first WAVE file to the last volume's.
    for limit in (700, 2000, 4000, 4150):
        folder = os.path.join(work, "full-%d" % limit)
        shutil.rmtree(folder, ignore_errors=True)
        env = dict(os.environ, DRAVIM_TEST_FAIL_WRITES_AFTER_BYTES=str(limit))
        code, output = run_tool([emulator, tool, image, folder], env)
        need(code == 1, "limit %d: exit %d, not 1\n%s" % (limit, code, output))
        need("The conversion was aborted because the disk is full (writing into" in output,
             "limit %d: no cause printed\n%s" % (limit, output))
        need("Conversion completed!" not in output, "limit %d: completed" % limit)
        questions = [line for line in output.splitlines() if line.startswith("Error:")]
        need(all(line.endswith("because it has a bad format.") for line in questions),
             "limit %d: a question about the full disk\n%s" % (limit, output))
        files = check_output(manifest, folder, checker, partial=True)
        with open(os.path.join(folder, [f for f in files if f.endswith(".htm") and "/" not in f][0]), "rb") as f:
            page = f.read().decode("latin-1")
        full = re.findall(r'Note: File "([^"]*)/([^"]*)/([^"]*)" was not converted: disk full\.', page)
        need(len(full) == 1, "limit %d: %d files logged disk full" % (limit, len(full)))
        partition, volume, name = full[0]
        need(not any(f.startswith("%s/%s/%s" % (partition, volume, name)) for f in files),
             "limit %d: the failed file %s is on disk" % (limit, name))
        # The damaged files read before the disk filled up are logged as well.
        expected = [s for s in skipped_of(manifest) if 'File "%s/%s/%s"' % s[:3] in page]
        expected.append((partition, volume, name, "disk full"))
        check_log(folder, files, checker, expected, "Fatal Error: Conversion could not be completed!")
        print("ok: limit %d failed at %s/%s/%s" % (limit, partition, volume, name))


def wine_prefix(tool):
    """The prefix the emulator runs the tool in: WINEPREFIX, else the build tree's (see cmake/wine-run)."""
    if os.environ.get("WINEPREFIX"):
        return os.environ["WINEPREFIX"]
    folder = os.path.dirname(os.path.abspath(tool))
    while folder != "/" and not os.path.exists(os.path.join(folder, "CMakeCache.txt")):
        folder = os.path.dirname(folder)
    return os.path.join(folder, "wineprefix")


def unmapped_drive(prefix):
    devices = os.path.join(prefix, "dosdevices")
    for letter in "qrstuvwxy":
        if not os.path.lexists(os.path.join(devices, letter + ":")):
            return letter.upper() + ":"
    raise Bad("every drive letter is mapped in %s" % devices)


def command_bad_usage(work, emulator, tool, image):
    not_akai = os.path.join(work, "not-akai.img")
    with open(not_akai, "wb") as f:
        f.write(bytes(64 * 1024))
    busy = os.path.join(work, "busy")
    os.makedirs(busy, exist_ok=True)
    with open(os.path.join(busy, "someone's.txt"), "w") as f:
        f.write("x")
    a_file = os.path.join(work, "a-file.txt")
    with open(a_file, "w") as f:
        f.write("x")
    unused = os.path.join(work, "unused")
    no_parent = os.path.join(work, "no-such-folder", "out")
    on_missing_drive = unmapped_drive(wine_prefix(tool)) + "\\out"
    # Each refused run names the path it refuses (when there is one) and a word of why.
    cases = [
        ("no arguments", [emulator, tool], None, "usage"),
        ("one argument", [emulator, tool, image], None, "usage"),
        ("empty image", [emulator, tool, "", unused], None, "empty"),
        ("empty output folder", [emulator, tool, image, ""], None, "empty"),
        ("missing image", [emulator, tool, os.path.join(work, "missing.img"), unused], "missing.img", "does not exist"),
        ("folder as image", [emulator, tool, busy, unused], busy, "is a folder"),
        ("no Akai disc", [emulator, tool, not_akai, unused], not_akai, "no Akai disc"),
        ("file as output folder", [emulator, tool, image, a_file], a_file, "is a file"),
        ("missing parent folder", [emulator, tool, image, no_parent], no_parent, "does not exist"),
        ("missing drive", [emulator, tool, image, on_missing_drive], on_missing_drive, "does not exist"),
        ("folder not empty", [emulator, tool, image, busy], busy, "not empty"),
    ]
    for what, command, path, why in cases:
        code, output = run_tool(command)
        need(code == 2, "%s: exit %d, not 2\n%s" % (what, code, output))
        need("Conversion completed!" not in output, "%s: completed" % what)
        need("Unknown exception" not in output, "%s: no reason given\n%s" % (what, output))
        lines = [line for line in output.splitlines() if why in line and (path is None or path in line)]
        need(lines, "%s: no line names %r and %r\n%s" % (what, path, why, output))
    need(os.listdir(busy) == ["someone's.txt"], "the busy folder was changed")
    need(not os.path.exists(unused), "a refused run made its output folder")
    need(not os.path.exists(os.path.dirname(no_parent)), "a refused run made the missing parent folder")
    print("ok: %d refused runs" % len(cases))


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def command_too_long(manifest_path, work, checker_path, emulator, tool, image):
    with open(manifest_path, encoding="utf-8") as f:
        manifest = json.load(f)
    checker = load_patch_checker(checker_path)
    longest = max(manifest["patches"] + [w["path"] for w in manifest["waves"]], key=len).replace("/", "\\")
    # Under Wine a path fails beyond 260 characters: the longest file's is 262 long, the log's short enough.
    folder = os.path.join(work, "too-long")
    shutil.rmtree(folder, ignore_errors=True)
    wanted = 262 - len(longest) - len("\\Out\\")
    need(len(windows_path(folder)) + 2 <= wanted, "the work folder %s is too deep for the case" % folder)
    # Folder names of at most 40 characters, each with its backslash, to the exact length.
    while len(windows_path(folder)) < wanted:
        remaining = wanted - len(windows_path(folder))
        folder = os.path.join(folder, "d" * (remaining - 1 if remaining <= 41 else 39 if remaining == 42 else 40))
    os.makedirs(folder)
    out = os.path.join(folder, "Out")
    too_long = windows_path(out) + "\\" + longest
    need(len(too_long) == 262, "the case's path has %d characters" % len(too_long))
    code, output = run_tool([emulator, tool, image, windows_path(out)])
    need(code == 1, "exit %d, not 1\n%s" % (code, output))
    lines = [line for line in output.splitlines() if line.startswith("The conversion was aborted")]
    need(len(lines) == 1 and '"%s" is too long' % too_long in lines[0] and "disk error" not in lines[0],
         "the line does not name the path as too long\n%s" % output)
    files = check_output(manifest, out, checker, partial=True)
    need(longest.replace("\\", "/") not in files, "the file with the long path is there")
    logs = [f for f in files if f.endswith(".htm") and "/" not in f]
    need(len(logs) == 1, "logs: %s" % logs)
    print("ok: %s refused as too long, %d files whole" % (longest, len(files)))


def main():
    try:
        if len(sys.argv) == 5 and sys.argv[1] == "check":
            command_check(*sys.argv[2:])
        elif len(sys.argv) == 8 and sys.argv[1] == "disk-full":
            command_disk_full(*sys.argv[2:])
        elif len(sys.argv) == 6 and sys.argv[1] == "bad-usage":
            command_bad_usage(*sys.argv[2:])
        elif len(sys.argv) == 8 and sys.argv[1] == "too-long":
            command_too_long(*sys.argv[2:])
        else:
            sys.exit(__doc__)
    except Bad as error:
        sys.exit("FAIL: %s" % error)


if __name__ == "__main__":
    main()
