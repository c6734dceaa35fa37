#!/usr/bin/env python3
"""Writes the seed corpus of the fuzzing harnesses (fuzz/corpus/<name>/)
from small slices of the real results files in data/history and of the
shipped weblinks.dat. Seeds that a run found (crash reproducers) live beside
them under names of their own and are not touched."""
import os
import struct
import sys

here = os.path.dirname(os.path.abspath(__file__))
root = os.path.dirname(here)
hist = os.path.join(root, "data", "history")


def rows(name, n, skip=0):
    with open(os.path.join(hist, name), encoding="latin-1") as f:
        lines = f.read().splitlines()
    return lines[0], lines[1 + skip:1 + skip + n]


def csv_slice(name, n, skip=0):
    head, body = rows(name, n, skip)
    return ("\n".join([head] + body) + "\n").encode("latin-1")


def key(iso):
    y, m, d = iso.split("-")
    return (d + m + y).encode()


def draw_record(date8, six, bonus):
    return date8 + struct.pack("<7h", *six, bonus)


def lotto_history(name, n, skip=0, irish=False):
    _, body = rows(name, n, skip)
    recs = []
    for line in body:
        f = line.split(",")
        if irish:
            f = f[:1] + f[2:]
        recs.append(draw_record(key(f[0]), [int(x) for x in f[1:7]], int(f[7])))
    return draw_record(b"\0" * 8, [0] * 6, len(recs)) + b"".join(recs)


def thunder_file(n, skip=0):
    _, body = rows("thunderball_534.csv", n, skip)
    out = b""
    for i, line in enumerate(body):
        f = line.split(",")
        y, m, d = (int(x) for x in f[0].split("-"))
        count = len(body) if i == 0 else 0
        out += struct.pack("<11h", count, 0, d, m, y, *[int(x) for x in f[1:6]], int(f[6]))
    return out


def entries(date8, sets):
    return b"".join(date8 + struct.pack("<6h", *s) for s in sets)


def write(name, seed, data):
    d = os.path.join(here, "corpus", name)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, seed), "wb") as f:
        f.write(data)


uk = lotto_history("uk_lotto_649.csv", 6)
uk_late = lotto_history("uk_lotto_649.csv", 4, skip=400)
ir = lotto_history("irish_lotto_642.csv", 5, irish=True)
damaged = uk[:20] + struct.pack("<h", -3) + uk[22:]          # negative count
overlong = uk[:20] + struct.pack("<h", 40) + uk[22:] + b"\x01" * 9  # count too large, cut record
lot = entries(b"19111994", [(1, 2, 3, 4, 5, 6), (3, 5, 14, 22, 30, 44), (7, 9, 11, 13, 15, 17)])
first = uk[22:44]

for name, data in [("uk", uk), ("irish", ir), ("negative_count", damaged), ("overlong", overlong), ("empty", b"")]:
    write("history_read", name, data)
    write("history_find", name, b"\x00" + first[:8] + data)
    write("history_find", name + "_held", b"\x03" + first[:8] + data)
    write("history_store", name, uk_late[22:44] + data)
    write("history_store", name + "_first", first + data)
    write("history_delete", name, b"\x01" + first[:8] + data)

for name, data in [("three", lot), ("cut", lot[:50]), ("blank_first", b"\0" * 20 + lot), ("empty", b"")]:
    write("entry_load", name, data)
    write("entry_open", name, b"\x00" + b"19111994" + data)
    write("entry_open", name + "_other_date", b"\x02" + b"26111994" + data)
    write("entry_append", name, b"\x00\x00" + entries(b"19111994", [(2, 4, 6, 8, 10, 12)]) + data)
    write("entry_append", name + "_full", b"\x02\x05" + entries(b"19111994", [(2, 4, 6, 8, 10, 12)]) + data)
    write("entry_delete", name, b"\x01\x00" + data)

tb = thunder_file(5)
for name, data in [("five", tb), ("damaged_count", struct.pack("<h", -2) + tb[2:]), ("empty", b"")]:
    write("thunder_results", name, bytes(22) + data)
    write("thunder_results", name + "_added", thunder_file(1, skip=300) + data)

# Deleting a result: pick (odd: the date of result pick >> 1), a record
# naming the date asked otherwise, then the results file.
tb6 = thunder_file(6, skip=40)
second_damaged = tb6[:22] + tb6[22:32] + struct.pack("<h", 35) + tb6[34:]  # 2nd result's first number 35
for name, data in [("six", tb6), ("second_damaged", second_damaged), ("one", thunder_file(1, skip=90)),
                   ("negative_count", struct.pack("<h", -1) + tb6[2:]), ("stale", struct.pack("<h", 3) + tb6[2:]),
                   ("cut", tb6[:50]), ("empty", b"")]:
    for pick in (0x01, 0x03, 0x0b):
        write("thunder_delete", f"{name}_{pick:02x}", bytes([pick]) + bytes(22) + data)
    write("thunder_delete", f"{name}_other_date", b"\x00" + thunder_file(1, skip=500) + data)

with open(os.path.join(root, "data", "weblinks.dat"), "rb") as f:
    links = f.read()
typed = b"Results\nhttps://example.org/results\n\n\nMy page\nwww.example.com\n"
for name, data in [("shipped", links), ("cut", links[:500]), ("empty", b"")]:
    write("weblinks", name, struct.pack("<H", len(data)) + data + typed)

csvs = [("uk", 0, csv_slice("uk_lotto_649.csv", 8)), ("irish", 1, csv_slice("irish_lotto_642.csv", 8)),
        ("thunderball", 2, csv_slice("thunderball_534.csv", 8))]
for name, game, csv in csvs:
    write("import_empty", name, bytes([game]) + csv)
    write("import_empty", name + "_wrong_game", bytes([(game + 1) % 3]) + csv)
hist_for = {0: uk, 1: ir, 2: thunder_file(4, skip=2)}
for name, game, csv in csvs:
    h = hist_for[game]
    write("import_existing", name, bytes([game]) + struct.pack("<H", len(h)) + h + csv)
    write("import_existing", name + "_damaged", bytes([game]) + struct.pack("<H", len(h)) + h[:20] + b"\xff\xff" + h[22:] + csv)

for name, text in [("draw", "3|5|14|22|30|44|10"), ("fractions", "4.5|5.5|-0|1e3|  12abc|0x10|49.49"),
                   ("entry", "01|02|03|04|05|06")]:
    write("numbers", name, bytes([48]) + text.encode())
for name, text in [("iso", b"1994-11-19"), ("download", b"12-Jun-2024"), ("long", b"12 September 2001"),
                   ("slash", b"05/06/1999"), ("number", b"123456789")]:
    write("dates", name, b"19111994" + text)
# Wheel tables: kind (index of 6, 5, 4, 3), size past the kind's smallest,
# pick, room, the table's and the wheel file's lengths, then both and the boxes.
wheel_dir = os.path.join(root, "data", "wheels")
old_wheel = entries(b"\0" * 8, [(1, 2, 3, 4, 5, 6), (7, 8, 9, 10, 11, 12)])
for kind, first, table in [(0, 6, "J7.dat"), (1, 8, "58.dat"), (1, 8, "510.dat"), (2, 7, "408.dat"), (3, 8, "309.dat")]:
    with open(os.path.join(wheel_dir, table), "rb") as f:
        t = f.read()
    n = int(table[1:-4])
    head = bytes([kind, n - first])
    name = table[:-4]
    write("wheel_table", name, head + b"\0\0" + struct.pack("<HH", len(t), len(old_wheel)) + t + old_wheel)
    boxes = "\n".join(str(3 * i + 2) for i in range(13)).encode()
    write("wheel_table", name + "_typed", head + b"\x01\0" + struct.pack("<HH", len(t), len(old_wheel)) + t + old_wheel + boxes)
    write("wheel_table", name + "_damaged", head + b"\0\0" + struct.pack("<HH", len(t), 0) + t[:-3] + b"\x63\0\0")

# Thunderball entry files: operation, room, argument, the typed numbers, the file.
def thunder_entries(sets, weeks=1):
    out = b""
    for i, s in enumerate(sets):
        out += struct.pack("<11h", len(sets) if i == 0 else 0, weeks if i == 0 else 0, 5, 12, 2026, *s)
    return out
th = thunder_entries([(5, 12, 23, 30, 34, 7), (1, 2, 3, 4, 5, 14), (9, 10, 11, 20, 21, 1)])
typed_tb = bytes([4, 8, 15, 16, 23, 9])
for name, data in [("three", th), ("no_weeks", thunder_entries([(5, 12, 23, 30, 34, 7)], weeks=0)),
                   ("negative_count", struct.pack("<h", -4) + th[2:]), ("cut", th[:30]), ("empty", b"")]:
    for op, arg in [(0, 0), (1, 1), (2, 3)]:
        write("thunder_entries", f"{name}_{op}", bytes([op, 0]) + struct.pack("<H", arg) + typed_tb + data)
    write("thunder_entries", f"{name}_full", bytes([0x80, 40]) + struct.pack("<H", 0) + typed_tb + data)

# "prnt.dat": pick, room, the file's length, the file, then the two boxes.
for name, data, boxes in [("saved", struct.pack("<hh", 250, -120), b" 300\n-45"),
                          ("short", b"\x10", b"12.5\n1e3"), ("empty", b"", b"\n"),
                          ("large", struct.pack("<hh", -32768, 32767) + b"more", b"99999\n-99999")]:
    write("printer_settings", name, b"\0\0" + struct.pack("<H", len(data)) + data + boxes)
    write("printer_settings", name + "_full", b"\x02\x03" + struct.pack("<H", len(data)) + data + boxes)
# Damaged records for the code that uses the numbers: out of range, repeated.
def patched(data, size, fixes):
    out = bytearray(data)
    for rec, field, value in fixes:
        struct.pack_into("<h", out, rec * size + field, value)
    return bytes(out)


uk_damaged = patched(uk, 22, [(1, 8, 0), (2, 10, 50), (3, 20, -1), (4, 8, 7), (4, 10, 7), (4, 12, 7), (5, 18, 32767)])
tb_damaged = patched(tb, 22, [(1, 10, 35), (2, 12, 0), (3, 14, 8), (3, 16, 8), (4, 20, 15)])
# Grow flags of the harnesses that build full-size files from a seed: the
# records repeated up to 32,767 (after a count record for the lotto
# histories), with a count that says so.
FULL_LOTTO = 0xC1    # grown to 32,768 records, count 32,767
FULL_THUNDER = 0xC1  # grown to 32,767 records, count 32,767
FULL_ENTRIES = 0x34  # a Thunderball entry file grown to 32,767 records, count 32,767

# Lotto statistics: pick, grow, [limit], ball, the six, the history.
six = bytes([3, 5, 14, 22, 30, 44])
for name, pick, grow, extra, ball, data in [("uk", 0, 0, b"", 7, uk), ("irish", 1, 0, b"", 42, ir),
                                            ("damaged", 0, 0, b"", 7, uk_damaged),
                                            ("any_limit", 2, 0, bytes([0x80]), 0xff, uk_damaged),
                                            ("full", 0, FULL_LOTTO, b"", 49, uk), ("full_damaged", 1, FULL_LOTTO, b"", 1, uk_damaged),
                                            ("empty", 0, 0, b"", 1, b"")]:
    write("draw_stats", name, bytes([pick, grow]) + extra + bytes([ball]) + six + data)


def thunder_entries_of(day, month, year, sets, weeks=1, count=None):
    out = b""
    for i, s in enumerate(sets):
        c = (len(sets) if count is None else count) if i == 0 else 0
        out += struct.pack("<11h", c, weeks if i == 0 else 0, day, month, year, *s)
    return out


# The first results are weekly from 12/6/1999: entries of that date, one
# matching 3 + TB in week 1, one damaged (a number five times).
tb_entries = thunder_entries_of(12, 6, 1999, [(8, 26, 28, 1, 2, 6), (3, 4, 8, 20, 33, 7), (5, 5, 5, 5, 5, 13),
                                             (40, 0, -3, 26, 28, 20)], weeks=3)
fractions = bytes(range(0, 96, 2))
# Thunderball statistics and Auto Add: grow, pick, number, count asked, split,
# 48 bytes of fractions, the results, the entry file.
for name, grow, pick, number, asked, results, ents in [
        ("five", 0, 0, 8, 3, tb, b""), ("ball", 0, 1, 7, 1, tb, tb_entries),
        ("damaged", 0, 0, 35, 5, tb_damaged, tb_entries), ("full", FULL_THUNDER, 0, 26, 2, tb, tb_entries),
        ("full_entries", FULL_ENTRIES, 4, 1, 3, tb, tb_entries),
        ("entries_one_short", 0x30, 4, 1, 1, tb, tb_entries), ("empty", 0, 2, 1, 1, b"", b"")]:
    write("thunder_stats", name, bytes([grow, pick, number]) + struct.pack("<HH", asked, len(results)) + fractions + results + ents)

# The Thunderball refresh: flags, grow, result index, a date, weeks, split,
# the results, the entry file.
for name, flags, grow, weeks, results, ents in [
        ("held_date", 1, 0, 3, tb, tb_entries), ("weeks_8", 5, 0, 8, tb, tb_entries),
        ("damaged", 1, 0, 3, tb_damaged, tb_entries), ("no_entries", 1, 0, 1, tb, b""),
        ("full", 1, FULL_THUNDER, 2, tb, tb_entries),
        ("other_date", 0, 0, 1, tb, thunder_entries_of(12, 6, 1999, [(1, 2, 3, 4, 5, 6)]))]:
    write("thunder_check", name, bytes([flags, grow]) + struct.pack("<H", 0) + bytes([11, 5, 0]) +
          struct.pack("<HH", weeks, len(results)) + results + ents)

# Tickets: pick (odd: Thunderball), grow, entry count, the settings file, the entry file.
lot_damaged = entries(b"19111994", [(1, 2, 3, 4, 5, 6), (50, 0, -7, 49, 49, 3), (7, 9, 11, 13, 15, 17)] * 3)
for name, pick, grow, count, settings, data in [
        ("lotto", 2, 0, 3, struct.pack("<hh", 250, -120), lot), ("lotto_damaged", 6, 0, 8, b"", lot_damaged),
        ("lotto_full", 2, 0x80, 0, struct.pack("<hh", -400, 440), lot),
        ("thunder", 3, 0, 0, struct.pack("<hh", 100, 100), tb_entries),
        ("thunder_full", 1, 0xC0, 0, b"", tb_entries)]:
    write("tickets", name, bytes([pick, grow]) + struct.pack("<h", count) + bytes([len(settings)]) + settings + data)

# The range check: pick (source, Irish, letter case, missing), grow, months,
# years, split, the entry file, the history. Years with the top bit are taken
# as they are; others pick from the history's years.
stand = entries(b"Standing", [(3, 5, 14, 22, 30, 44), (6, 12, 15, 16, 31, 37), (1, 2, 3, 4, 5, 6)])
for name, pick, grow, months, years, ents, data in [
        ("standing", 0, 0, (10, 11), (0x8000 | 1994, 0x8000 | 1994), stand, uk),
        ("wheel_irish", 4 | 8, 0, (0, 11), (0, 0), stand, ir), ("lower_case", 0x11, 0, (0, 0), (0, 0), stand, uk),
        ("damaged_entry", 0, 0, (0, 0), (0, 0), stand + entries(b"", [(1, 1, 2, 3, 4, 5)]), uk),
        ("damaged_draws", 0, 0, (0, 11), (0x8000 | 1994, 0x8000 | 1995), stand, uk_damaged),
        ("missing", 0x20, 0, (0, 0), (0, 0), b"", uk), ("full", 0, FULL_LOTTO, (0, 11), (0, 1), stand, uk)]:
    write("range_check", name, bytes([pick, grow]) + bytes(months) + struct.pack("<HHH", *years, len(ents)) + ents + data)

# The standing entry: pick (country, an old standing entry and its spelling,
# itself on display, a full disk), grow, room, split, the entry file, the old one.
for name, pick, grow, room, current, old in [
        ("new", 0, 0, 0, lot, b""), ("replace", 2, 0, 0, lot, lot_damaged), ("lower_case", 2 | 4, 0, 0, lot, lot[:20]),
        ("itself", 2 | 0x10, 0, 0, lot, lot), ("full_disk", 2 | 0x20, 0, 1, lot * 4, lot),
        ("full_size", 1, 0x80, 0, lot, b""), ("no_entries", 0, 0, 0, b"\0" * 20 + lot, b"")]:
    write("standing_copy", name, bytes([pick, grow, room]) + struct.pack("<H", len(current)) + current + old)


# The program folder fill: flags (no program folder, a full disk), room, then
# files and folders: kind (0, 1 shipped file, 2 program file, 3 program
# folder; depth in bits 2-3), names (length, letters from "aAbB.1"), content.
def node(kind, depth, names, content=b""):
    out = bytes([kind | ((depth - 1) << 2)])
    for n in names:
        out += bytes([len(n) - 1]) + bytes("aAbB.1".index(c) for c in n)
    return out + bytes([len(content)]) + content


tree = (node(0, 1, ["a"], b"UK history") + node(0, 2, ["b", "a1"], b"wheel table") +
        node(0, 2, ["b", "B1"], b"another") + node(0, 1, [".a"], b"hidden"))
for name, flags, room, data in [
        ("fresh", 1, 0, tree), ("present_other_case", 0, 0, tree + node(2, 1, ["A"], b"player's own") + node(3, 1, ["B"])),
        ("file_in_the_way", 0, 0, tree + node(2, 1, ["b"], b"a file")),
        ("folder_in_the_way", 0, 0, tree + node(3, 1, ["a"])), ("full_disk", 2, 4, tree)]:
    write("program_fill", name, bytes([flags, room]) + data)

# Importing from a file: game, flags, room, split, the game's file, the results file.
for name, game, csv in csvs:
    h = hist_for[game]
    grown = 0xD0  # grown to full size (bits 0-3 are the other flags)
    for suffix, flags, data in [("", 0, h), ("_generic", 8, h), ("_new_file", 2, b""), ("_no_csv", 1, h),
                                ("_full_disk", 4, h), ("_full", grown, h)]:
        write("import_file", name + suffix, bytes([game, flags, 0]) + struct.pack("<H", len(data)) + data + csv)
sys.exit(0)
