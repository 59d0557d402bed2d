"""Music files against readers and writers outside the framework.

make FOLDER: writes the test's song as a CSV and has csvmidi build FOLDER/theirs-running.mid (running
    status) and FOLDER/theirs-plain.mid (-x: without) for foundation_music_tests to read.
check FOLDER: checks the files that foundation_music_tests left in FOLDER: the song with mido, midicsv
    and file; the bank with a walker of its records (chunk and struct) and fluidsynth, which also
    renders the song with the bank to audio that sox must find not silent.

A missing tool is a failure, not a skip. Run with -W ignore::DeprecationWarning (chunk is deprecated).
"""

import chunk
import io
import os
import struct
import subprocess
import sys

# The song of MusicFilesTest.cpp as midicsv writes it: csvmidi builds the files the test reads from it,
# and midicsv must give it back from the file the test writes.
SONG_CSV = """0, 0, Header, 1, 2, 480
1, 0, Start_track
1, 0, Time_signature, 3, 2, 24, 8
1, 0, Tempo, 500000
1, 1920, Tempo, 400000
1, 1920, End_track
2, 0, Start_track
2, 0, Title_t, "Dravim notes"
2, 0, Program_c, 0, 0
2, 0, Note_on_c, 0, 60, 100
2, 0, Note_on_c, 0, 64, 90
2, 480, Note_on_c, 0, 60, 0
2, 480, Note_on_c, 0, 64, 0
2, 960, System_exclusive, 5, 0, 0, 102, 1, 2
2, 960, Note_on_c, 0, 67, 80
2, 1000, Pitch_bend_c, 0, 10240
2, 1440, Text_t, "marker text"
2, 1920, Note_off_c, 0, 67, 64
2, 1920, End_track
0, 0, End_of_file
"""

# The same song as mido gives it: (message type, attributes, delta time) per track.
SONG_MESSAGES = [
    [("time_signature", {"numerator": 3, "denominator": 4, "clocks_per_click": 24,
                         "notated_32nd_notes_per_beat": 8}, 0),
     ("set_tempo", {"tempo": 500000}, 0),
     ("set_tempo", {"tempo": 400000}, 1920),
     ("end_of_track", {}, 0)],
    [("track_name", {"name": "Dravim notes"}, 0),
     ("program_change", {"channel": 0, "program": 0}, 0),
     ("note_on", {"channel": 0, "note": 60, "velocity": 100}, 0),
     ("note_on", {"channel": 0, "note": 64, "velocity": 90}, 0),
     ("note_on", {"channel": 0, "note": 60, "velocity": 0}, 480),
     ("note_on", {"channel": 0, "note": 64, "velocity": 0}, 0),
     ("sysex", {"data": (0, 0, 102, 1, 2)}, 480),
     ("note_on", {"channel": 0, "note": 67, "velocity": 80}, 0),
     ("pitchwheel", {"channel": 0, "pitch": 10240 - 8192}, 40),
     ("text", {"text": "marker text"}, 440),
     ("note_off", {"channel": 0, "note": 67, "velocity": 64}, 480),
     ("end_of_track", {}, 0)],
]

SAMPLE_LENGTH = 22050
GUARD_POINTS = 46
BANK_NAME = "Dravim sines"

# Every record of the bank's pdta list, decoded; names without their zero fill.
BANK_RECORDS = {
    "phdr": [(BANK_NAME, 0, 0, 0, 0, 0, 0), ("EOP", 0, 0, 1, 0, 0, 0)],
    "pbag": [(0, 0), (1, 0)],
    "pmod": [(0, 0, 0, 0, 0)],
    "pgen": [(41, 0), (0, 0)],
    "inst": [(BANK_NAME, 0), ("EOI", 2)],
    "ibag": [(0, 0), (3, 0), (6, 0)],
    "imod": [(0, 0, 0, 0, 0)],
    "igen": [(43, (57, 96)), (17, -500), (53, 0), (43, (57, 96)), (17, 500), (53, 1), (0, 0)],
    "shdr": [("sine 440", 0, SAMPLE_LENGTH, 0, SAMPLE_LENGTH, 44100, 57, 0, 1, 4),
             ("sine 660", SAMPLE_LENGTH + GUARD_POINTS, 2 * SAMPLE_LENGTH + GUARD_POINTS,
              SAMPLE_LENGTH + GUARD_POINTS, 2 * SAMPLE_LENGTH + GUARD_POINTS, 44100, 57, 0, 0, 2),
             ("EOS", 0, 0, 0, 0, 0, 0, 0, 0, 0)],
}

# (record size, struct layout) of each pdta chunk.
RECORD_LAYOUTS = {
    "phdr": (38, "<20sHHHIII"),
    "pbag": (4, "<HH"),
    "pmod": (10, "<HHhHH"),
    "pgen": (4, "<HH"),
    "inst": (22, "<20sH"),
    "ibag": (4, "<HH"),
    "imod": (10, "<HHhHH"),
    "igen": (4, "<HH"),
    "shdr": (46, "<20sIIIIIBbHH"),
}

INFO_TEXTS = {"ifil": b"\x02\x00\x00\x00", "isng": b"EMU8000\x00", "INAM": b"Dravim sines\x00\x00",
              "ICRD": b"December 2026\x00", "ICMT": b"two sines\x00"}

failures = []


def expect(condition, message):
    if not condition:
        failures.append(message)
        print("FAILED: " + message)


def run(arguments, **options):
    """A tool's run; a missing tool fails the check."""
    try:
        return subprocess.run(arguments, capture_output=True, text=True, timeout=120, **options)
    except FileNotFoundError:
        expect(False, "%s is not installed" % arguments[0])
        return None


def make(folder):
    os.makedirs(folder, exist_ok=True)
    # Files of an earlier run must not stand in for the ones the tests are about to write.
    for name in os.listdir(folder):
        if name.startswith("ours-") or name.endswith(".wav"):
            os.remove(os.path.join(folder, name))
    csv_path = os.path.join(folder, "song.csv")
    with open(csv_path, "w") as file:
        file.write(SONG_CSV)
    for name, options in (("theirs-running.mid", []), ("theirs-plain.mid", ["-x"])):
        result = run(["csvmidi", "-z"] + options + [csv_path, os.path.join(folder, name)])
        expect(result is not None and result.returncode == 0 and not result.stderr,
               "csvmidi %s: %s" % (name, result.stderr if result else ""))


def check_song(path):
    try:
        import mido
    except ImportError:
        expect(False, "python3-mido is not installed")
        return
    song = mido.MidiFile(path)
    expect(song.type == 1 and song.ticks_per_beat == 480,
           "mido: type %d, %d ticks per beat" % (song.type, song.ticks_per_beat))
    read = []
    for index, track in enumerate(song.tracks):
        expected = SONG_MESSAGES[index] if index < len(SONG_MESSAGES) else []
        messages = []
        for position, message in enumerate(track):
            keys = expected[position][1].keys() if position < len(expected) else ()
            values = {key: getattr(message, key, None) for key in keys}
            if "data" in values:
                values["data"] = tuple(values["data"])
            messages.append((message.type, values, message.time))
        read.append(messages)
    expect(read == SONG_MESSAGES, "mido reads %s" % read)

    result = run(["midicsv", path])
    if result is not None:
        lines = [line.strip() for line in result.stdout.splitlines()]
        expect(lines == SONG_CSV.splitlines(), "midicsv gives:\n" + result.stdout)

    result = run(["file", "-b", path])
    if result is not None:
        expect("format 1" in result.stdout and "2 tracks" in result.stdout, "file says " + result.stdout)


def decode_records(name, data):
    size, layout = RECORD_LAYOUTS[name]
    expect(len(data) % size == 0, "%s holds %d bytes, not records of %d" % (name, len(data), size))
    records = []
    for offset in range(0, len(data) - len(data) % size, size):
        fields = list(struct.unpack_from(layout, data, offset))
        if isinstance(fields[0], bytes):
            expect(fields[0].endswith(b"\0"), "%s: a name without its zero" % name)
            fields[0] = fields[0].rstrip(b"\0").decode("latin-1")
        if name in ("pgen", "igen"):
            operator, amount = fields
            # Key ranges hold two bytes, other amounts a signed word.
            fields = [operator, tuple(struct.pack("<H", amount)) if operator == 43 else
                      struct.unpack("<h", struct.pack("<H", amount))[0]]
        records.append(tuple(fields))
    return records


def check_bank(path):
    with open(path, "rb") as file:
        data = file.read()
    bank = chunk.Chunk(io.BytesIO(data), bigendian=False)
    expect(bank.getname() == b"RIFF" and bank.getsize() == len(data) - 8,
           "bank group %r of %d bytes in %d" % (bank.getname(), bank.getsize(), len(data)))
    expect(bank.read(4) == b"sfbk", "bank type")
    lists = {}
    while True:
        try:
            group = chunk.Chunk(bank, bigendian=False)
        except EOFError:
            break
        expect(group.getname() == b"LIST", "a %r in the bank" % group.getname())
        list_type = group.read(4).decode("latin-1")
        members = []
        while True:
            try:
                member = chunk.Chunk(group, bigendian=False)
            except EOFError:
                break
            members.append((member.getname().decode("latin-1"), member.read()))
            member.skip()
        lists[list_type] = members
        group.skip()
    expect(list(lists) == ["INFO", "sdta", "pdta"], "lists %s" % list(lists))
    expect(lists.get("INFO") == list(INFO_TEXTS.items()), "INFO holds %s" % lists.get("INFO"))
    samples = dict(lists.get("sdta", []))
    expect(len(samples.get("smpl", b"")) == 2 * 2 * (SAMPLE_LENGTH + GUARD_POINTS), "smpl length")
    pdta = lists.get("pdta", [])
    expect([name for name, _ in pdta] == list(BANK_RECORDS), "pdta order %s" % [name for name, _ in pdta])
    for name, records in pdta:
        decoded = decode_records(name, records)
        expect(decoded == BANK_RECORDS.get(name), "%s decodes to %s" % (name, decoded))


def check_synthesis(folder):
    bank = os.path.join(folder, "ours-bank.sf2")
    song = os.path.join(folder, "ours-song.mid")
    result = run(["fluidsynth", "-n", "-a", "file", "-o", "audio.file.name=" + os.devnull, "-q", bank],
                 input="inst 1\nquit\n")
    if result is None:
        return
    output = result.stdout + result.stderr
    expect(not [line for line in output.splitlines() if "error" in line.lower()], "fluidsynth:\n" + output)
    expect("000-000 " + BANK_NAME in output, "fluidsynth lists no preset 000-000 %s:\n%s" % (BANK_NAME, output))

    rendered = os.path.join(folder, "ours-song.wav")
    result = run(["fluidsynth", "-ni", "-F", rendered, "-r", "44100", bank, song])
    if result is None:
        return
    output = result.stdout + result.stderr
    expect(result.returncode == 0 and os.path.exists(rendered), "fluidsynth rendered nothing:\n" + output)
    expect(not [line for line in output.splitlines() if "error" in line.lower()], "fluidsynth:\n" + output)
    result = run(["sox", rendered, "-n", "stat"])
    if result is None:
        return
    amplitude = [line.split(":")[1] for line in result.stderr.splitlines() if line.startswith("Maximum amplitude")]
    expect(amplitude and float(amplitude[0]) >= 0.01, "sox finds the rendering silent:\n" + result.stderr)


def check(folder):
    check_song(os.path.join(folder, "ours-song.mid"))
    check_bank(os.path.join(folder, "ours-bank.sf2"))
    check_synthesis(folder)


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("make", "check"):
        print(__doc__)
        return 2
    (make if sys.argv[1] == "make" else check)(sys.argv[2])
    if failures:
        print("%d checks failed" % len(failures))
        return 1
    print("all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
