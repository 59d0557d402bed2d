"""Chunk files against readers and writers outside the framework.

make-sox FOLDER: makes WAVE and AIFF files with sox and lists their chunks, as python's chunk module walks
    them, in FOLDER/sox-chunks.txt for foundation_chunks_tests to compare with the framework's readers.
check FOLDER: checks the files that foundation_chunks_tests left in FOLDER with python's chunk and wave
    modules, soxi and sndfile-info.

A missing tool is a failure, not a skip. Run with -W ignore::DeprecationWarning (chunk is deprecated).
"""

import chunk
import io
import os
import subprocess
import sys
import wave

# (file, rate, output options, length in frames); the rate goes to the null input, so that sox does not
# resample from its default rate and the frame counts stay as given.
SOX_FILES = [
    ("sox-stereo16.wav", "44100", ["-b", "16", "-c", "2"], "441s"),
    ("sox-mono24.wav", "48000", ["-b", "24", "-c", "1"], "481s"),
    ("sox-comment.aiff", "22050", ["--comment", "Dravim chunk test", "-b", "16", "-c", "1"], "100s"),
]

failures = []


def expect(condition, message):
    if not condition:
        failures.append(message)
        print("FAILED: " + message)


def pattern(count, seed=11):
    return bytes((i * 37 + seed) & 0xFF for i in range(count))


def open_group(path, bigendian):
    """The top group of a file as a chunk, and its type."""
    with open(path, "rb") as file:
        data = file.read()
    stream = io.BytesIO(data)
    group = chunk.Chunk(stream, bigendian=bigendian)
    return group, group.read(4).decode("latin-1"), len(data)


def walk(parent, bigendian, depth, groups):
    """(depth, id, type or None, size, data or None) for every chunk inside parent, recursively."""
    entries = []
    while True:
        try:
            child = chunk.Chunk(parent, bigendian=bigendian)
        except EOFError:
            break
        name = child.getname().decode("latin-1")
        size = child.getsize()
        if name in groups:
            group_type = child.read(4).decode("latin-1")
            entries.append((depth, name, group_type, size, None))
            entries.extend(walk(child, bigendian, depth + 1, groups))
        else:
            entries.append((depth, name, None, size, child.read()))
        child.skip()
    return entries


def make_sox(folder):
    os.makedirs(folder, exist_ok=True)
    # Files of an earlier run must not stand in for the ones the tests are about to write.
    for name in os.listdir(folder):
        if name.startswith("ours-"):
            os.remove(os.path.join(folder, name))
    lines = []
    for name, rate, options, length in SOX_FILES:
        path = os.path.join(folder, name)
        subprocess.run(["sox", "-r", rate, "-n"] + options + [path, "synth", length, "sine", "440"], check=True)
        bigendian = name.endswith(".aiff")
        group, group_type, _ = open_group(path, bigendian)
        lines.append("group|%s|%s|%s|%d" % (name, group.getname().decode("latin-1"), group_type, group.getsize()))
        for depth, chunk_id, _, size, _ in walk(group, bigendian, 0, ()):
            lines.append("chunk|%s|%s|%d" % (name, chunk_id, size))
    with open(os.path.join(folder, "sox-chunks.txt"), "w") as listing:
        listing.write("\n".join(lines) + "\n")


def check_nested(folder):
    path = os.path.join(folder, "ours-nested.iff")
    group, group_type, length = open_group(path, True)
    expect((group.getname(), group_type, group.getsize(), length) == (b"FORM", "TEST", 76, 84),
           "nested IFF: top group %r %r size %d, file %d bytes"
           % (group.getname(), group_type, group.getsize(), length))
    expected = [
        (0, "CAT ", "ENTR", 28, None),
        (1, "BODY", None, 3, b"bod"),
        (1, "PARM", None, 4, b"parm"),
        (0, "LIST", "INFO", 18, None),
        (1, "NAME", None, 5, b"named"),
        (0, "AUTH", None, 1, b"a"),
    ]
    found = walk(group, True, 0, ("FORM", "CAT ", "LIST"))
    expect(found == expected, "nested IFF walk: %r" % (found,))


def run(command):
    result = subprocess.run(command, capture_output=True, text=True)
    expect(result.returncode == 0, "%s exited with %d: %s" % (" ".join(command), result.returncode, result.stderr))
    return result.stdout + result.stderr


def check_wave(folder, name, channels, width, rate, frames):
    path = os.path.join(folder, name)
    samples = pattern(frames * channels * width)

    group, group_type, length = open_group(path, False)
    data_size = len(samples)
    riff_size = 4 + 24 + 8 + data_size + data_size % 2
    expect((group.getname(), group_type, group.getsize(), length) == (b"RIFF", "WAVE", riff_size, riff_size + 8),
           "%s: top group %r %r size %d, file %d bytes" % (name, group.getname(), group_type, group.getsize(), length))
    found = [(chunk_id, size) for _, chunk_id, _, size, _ in walk(group, False, 0, ())]
    expect(found == [("fmt ", 16), ("data", data_size)], "%s: chunks %r" % (name, found))

    with wave.open(path, "rb") as reader:
        parameters = (reader.getnchannels(), reader.getsampwidth(), reader.getframerate(), reader.getnframes())
        expect(parameters == (channels, width, rate, frames), "%s: wave reports %r" % (name, parameters))
        expect(reader.readframes(frames) == samples, "%s: wave returns other frame bytes" % name)

    soxi = [run(["soxi", option, path]).strip() for option in ("-c", "-b", "-r", "-s")]
    expect(soxi == [str(channels), str(width * 8), str(rate), str(frames)], "%s: soxi reports %r" % (name, soxi))

    info = run(["sndfile-info", path])
    fields = {}
    for line in info.splitlines():
        key, _, value = line.partition(":")
        fields.setdefault(key.strip(), value.strip())
    reported = (fields.get("Channels"), fields.get("Bit Width"), fields.get("Sample Rate"), fields.get("Frames"))
    expect(reported == (str(channels), str(width * 8), str(rate), str(frames)),
           "%s: sndfile-info reports %r" % (name, reported))
    # libsndfile notes every odd-sized "data" chunk, padded or not; anything else is a warning about our file.
    odd_note = "*** 'data' chunk should be an even number of bytes in length."
    warnings = [line for line in info.splitlines()
                if ("***" in line or "arning" in line) and not (data_size % 2 == 1 and line.strip() == odd_note)]
    expect(not warnings, "%s: sndfile-info warns %r" % (name, warnings))


def check(folder):
    checks = [
        ("ours-nested.iff", lambda: check_nested(folder)),
        ("ours-stereo16.wav", lambda: check_wave(folder, "ours-stereo16.wav", 2, 2, 44100, 10)),
        ("ours-mono8.wav", lambda: check_wave(folder, "ours-mono8.wav", 1, 1, 11025, 7)),
    ]
    for name, run_check in checks:
        # A reader that gives up on a damaged file fails that file's check, and the others still run.
        try:
            run_check()
        except Exception as error:
            expect(False, "%s: %s %s" % (name, type(error).__name__, error))


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("make-sox", "check"):
        print(__doc__)
        return 2
    (make_sox if sys.argv[1] == "make-sox" else check)(sys.argv[2])
    if failures:
        print("%d check(s) failed" % len(failures))
        return 1
    print("all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
