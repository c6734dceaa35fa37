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
sys.exit(0)
