"""Sample files against readers and writers outside the framework.

make-sox FOLDER: makes WAVE, AIFF and AIFC files with sox and lists, in FOLDER/sox-audio.txt, what python's
    wave and aifc modules read from each (parameters, and every sample taken to 16 bits in a .s16 file) for
    foundation_audio_tests to compare with the framework's readers.
check FOLDER: checks the files that foundation_audio_tests left in FOLDER with python's wave and aifc
    modules, soxi and sndfile-info.

A missing tool is a failure, not a skip. Run with -W ignore::DeprecationWarning (aifc is deprecated).
"""

import aifc
import os
import re
import struct
import subprocess
import sys
import wave

# (file, rate, output options, expected outcome of the framework's reader); the rate goes to the null
# input, so that sox does not resample and the frame counts stay as given.
SOX_FILES = [
    ("sox-mono8.wav", "22050", ["-b", "8", "-c", "1"], "read"),
    ("sox-stereo16.wav", "44100", ["-b", "16", "-c", "2"], "read"),
    ("sox-mono24.wav", "22050", ["-t", "wavpcm", "-b", "24", "-c", "1"], "read"),
    ("sox-stereo24.wav", "44100", ["-t", "wavpcm", "-b", "24", "-c", "2"], "read"),
    ("sox-extensible24.wav", "44100", ["-b", "24", "-c", "2"], "unsupported"),
    ("sox-stereo8.aiff", "44100", ["-b", "8", "-c", "2"], "read"),
    ("sox-mono16.aiff", "22050", ["-b", "16", "-c", "1"], "read"),
    ("sox-stereo24.aiff", "44100", ["-b", "24", "-c", "2"], "read"),
    ("sox-stereo16.aifc", "22050", ["-t", "aifc", "-b", "16", "-c", "2"], "read"),
    ("sox-mono8.aifc", "44100", ["-t", "aifc", "-b", "8", "-c", "1"], "read"),
]
SOX_FRAMES = 2501

failures = []


def expect(condition, message):
    if not condition:
        failures.append(message)
        print("FAILED: " + message)


def open_reader(path):
    return wave.open(path, "rb") if path.endswith(".wav") else aifc.open(path, "rb")


def to_16_bits(frames, width, wave_file):
    """Every sample as a 16-bit value: 8-bit into the high byte, 24-bit cut to its top 16 bits."""
    values = []
    for i in range(0, len(frames), width):
        sample = frames[i:i + width]
        if width == 1:
            byte = sample[0] ^ 0x80 if wave_file else sample[0]
            values.append(struct.unpack("b", bytes([byte]))[0] * 256)
        elif width == 2:
            values.append(struct.unpack("<h" if wave_file else ">h", sample)[0])
        else:
            top = sample[1:3] if wave_file else sample[0:2]
            values.append(struct.unpack("<h" if wave_file else ">h", top)[0])
    return values


def read_with_python(path):
    with open_reader(path) as reader:
        parameters = (reader.getnchannels(), reader.getsampwidth(), reader.getframerate(), reader.getnframes())
        frames = reader.readframes(parameters[3])
    return parameters, frames


def make_sox(folder):
    os.makedirs(folder, exist_ok=True)
    # Files of an earlier run must not stand in for the ones the tests are about to write.
    for name in os.listdir(folder):
        if name.startswith("ours-"):
            os.remove(os.path.join(folder, name))
    lines = []
    for name, rate, options, outcome in SOX_FILES:
        path = os.path.join(folder, name)
        # Two tones, so that the channels of a stereo file differ.
        subprocess.run(["sox", "-r", rate, "-n"] + options + [path, "synth", "%ds" % SOX_FRAMES,
                                                               "sine", "440", "sine", "1234", "gain", "-1"], check=True)
        if outcome == "unsupported":
            lines.append("%s|unsupported" % name)
            continue
        (channels, width, file_rate, frames), data = read_with_python(path)
        values = to_16_bits(data, width, name.endswith(".wav"))
        with open(path + ".s16", "wb") as samples:
            samples.write(struct.pack("<%dh" % len(values), *values))
        lines.append("%s|read|%d|%d|%d|%d" % (name, channels, width * 8, file_rate, frames))
    with open(os.path.join(folder, "sox-audio.txt"), "w") as listing:
        listing.write("\n".join(lines) + "\n")


def run(command):
    result = subprocess.run(command, capture_output=True, text=True)
    expect(result.returncode == 0, "%s exited with %d: %s" % (" ".join(command), result.returncode, result.stderr))
    return result.stdout + result.stderr


# (file, channels, bits, rate, frames, loop or None, root key, key range or None); a loop is
# (alternating, start, exclusive end) as the test wrote it.
OUR_FILES = [
    ("ours-stereo16.wav", 2, 16, 44100, 1500, (False, 100, 900), 62, None),
    ("ours-mono8.wav", 1, 8, 11025, 777, (True, 10, 700), 48, None),
    ("ours-mono24.wav", 1, 24, 48000, 300, None, None, None),
    ("ours-stereo16.aiff", 2, 16, 44100, 1500, (False, 100, 900), 62, (40, 80)),
    ("ours-mono8.aiff", 1, 8, 11025, 777, (True, 10, 700), 48, (0, 127)),
    ("ours-stereo24.aiff", 2, 24, 22050, 300, None, None, None),
]


def fields_of(text):
    fields = {}
    for line in text.splitlines():
        key, _, value = line.partition(":")
        fields.setdefault(key.strip(), value.strip())
    return fields


def check_python(name, path, channels, bits, rate, frames, loop):
    (found_channels, width, found_rate, found_frames), data = read_with_python(path)
    parameters = (found_channels, width * 8, found_rate, found_frames, len(data))
    expected = (channels, bits, rate, frames, frames * channels * bits // 8)
    expect(parameters == expected, "%s: python reports %r, not %r" % (name, parameters, expected))
    with open(path + ".s16", "rb") as samples:
        written = samples.read()
    ours = list(struct.unpack("<%dh" % (len(written) // 2), written))
    if bits == 8:
        ours = [value & ~0xFF for value in ours]
    expect(to_16_bits(data, width, name.endswith(".wav")) == ours, "%s: python reads other samples" % name)
    if name.endswith(".aiff"):
        with aifc.open(path, "rb") as reader:
            markers = reader.getmarkers()
        wanted = [(1, loop[1], b"Loop Start"), (2, loop[2], b"Loop End")] if loop else None
        expect(markers == wanted, "%s: aifc markers %r, not %r" % (name, markers, wanted))


def check_sox(name, path, channels, bits, rate, frames):
    soxi = [run(["soxi", option, path]).strip() for option in ("-c", "-b", "-r", "-s")]
    expect(soxi == [str(channels), str(bits), str(rate), str(frames)], "%s: soxi reports %r" % (name, soxi))


def check_sndfile(name, path, channels, bits, rate, frames, loop, root, key_range):
    info = run(["sndfile-info", path])
    fields = fields_of(info)
    reported = (fields.get("Channels"), fields.get("Sample Rate"), fields.get("Frames"))
    expect(reported == (str(channels), str(rate), str(frames)), "%s: sndfile-info reports %r" % (name, reported))
    data_size = frames * channels * bits // 8
    # libsndfile notes every odd-sized "data" chunk, padded or not; anything else is a warning about our file.
    odd_note = "*** 'data' chunk should be an even number of bytes in length."
    warnings = [line for line in info.splitlines()
                if ("***" in line or "arning" in line) and not (data_size % 2 == 1 and line.strip() == odd_note)]
    expect(not warnings, "%s: sndfile-info warns %r" % (name, warnings))
    if root is None:
        return
    if name.endswith(".wav"):
        expect(fields.get("Midi Note") == str(root), "%s: smpl unity note %r" % (name, fields.get("Midi Note")))
        found = re.findall(r"Type :\s*(\d+)\s+Start :\s*(\d+)\s+End :\s*(\d+)", info)
        wanted = [(str(int(loop[0])), str(loop[1]), str(loop[2] - 1))]
        expect(found == wanted, "%s: smpl loops %r, not %r" % (name, found, wanted))
    else:
        # libsndfile names the AIFF play mode 2 "backward"; the stored number is what counts.
        found = re.findall(r"Sustain\s+mode\s*:\s*(\d+)", info)
        wanted = ["80%d" % (2 if loop[0] else 1)]
        expect(found == wanted, "%s: sustain play mode %r, not %r" % (name, found, wanted))

    instrument = run(["sndfile-info", "--instrument", path])
    expect(fields_of(instrument).get("Base note") == str(root), "%s: base note in %r" % (name, instrument))
    low, high = key_range or (0, 127)
    expect(re.search(r"Key\s*:\s*%d - %d\b" % (low, high), instrument) is not None,
           "%s: key range %d - %d not in %r" % (name, low, high, instrument))
    found = re.findall(r"Mode : (\w+)\s+Start :\s*(\d+)\s+End :\s*(\d+)", instrument)
    mode = "alt" if loop[0] and name.endswith(".wav") else "fwd"
    wanted = [(mode, str(loop[1]), str(loop[2]))]
    expect(found == wanted, "%s: instrument loops %r, not %r" % (name, found, wanted))


def check(folder):
    for name, channels, bits, rate, frames, loop, root, key_range in OUR_FILES:
        path = os.path.join(folder, name)
        # A reader that gives up on a damaged file fails that file's check, and the others still run.
        for run_check in (lambda: check_python(name, path, channels, bits, rate, frames, loop),
                          lambda: check_sox(name, path, channels, bits, rate, frames),
                          lambda: check_sndfile(name, path, channels, bits, rate, frames, loop, root, key_range)):
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
