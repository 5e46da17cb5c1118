#!/usr/bin/env python3
"""Writes the example diagrams of the older program generations.

Each file follows the record layouts that the legacy readers document
(src/document/legacy_binary.h and legacy_text.h), written here independently
with struct, so that the readers' tests compare against values set by hand.
Run from any folder: the files are written beside this script.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
RECORDS = 254


def cstr(text, size):
    data = text.encode("cp1252")
    assert len(data) < size
    return data + b"\0" * (size - len(data))


def font32(height, weight, italic, face):
    # 60-byte logical font: five int32, eight bytes, a 32-byte face name.
    return struct.pack("<5i8B", height, 0, 0, 0, weight, italic, 0, 0, 0, 3, 2, 1, 34) + cstr(face, 32)


def font16(height, weight, italic, face):
    # 50-byte 16-bit logical font: five int16, eight bytes, a 32-byte face name.
    return struct.pack("<5h8B", height, 0, 0, 0, weight, italic, 0, 0, 0, 3, 2, 1, 34) + cstr(face, 32)


def binary(magic, narrow, curves, diagram):
    """curves: list of (slot, symbol, colour, count, line, flags, title, points)."""
    out = bytearray(cstr(magic, 16))
    out += struct.pack("<h", len(curves))
    by_slot = {c[0]: c for c in curves}
    for slot in range(RECORDS):
        c = by_slot.get(slot)
        if c is None:
            out += struct.pack("<h", 0)
            continue
        out += struct.pack("<h", 1)
        _, symbol, colour, count, line, flags, title, _ = c
        out += struct.pack("<3h" if narrow else "<3i", symbol, colour, count)
        out += struct.pack("<2B", line, flags) + cstr(title, 32)
        if not narrow:
            out += b"\0\0"
    block = bytearray(struct.pack("<6d", *diagram["size"], *diagram["margins"]))
    for axis in diagram["axes"]:
        ints = (axis["kind"], axis["format"], axis["decimals"], axis["subdivision"], axis["grid"], axis["colour"])
        block += struct.pack("<6h" if narrow else "<6i", *ints)
        block += struct.pack("<3d", axis["origin"], axis["extremity"], axis["step"])
        block += (font16 if narrow else font32)(*axis["font"])
    block += struct.pack("<h" if narrow else "<i", diagram["corner"])
    block += cstr(diagram["xlabel"], 129) + cstr(diagram["ylabel"], 129)
    if narrow:
        assert len(block) == 480
    else:
        assert len(block) <= 6736
        block += b"\0" * (6736 - len(block))
    out += block
    for c in sorted(curves):
        for x, y in c[7]:
            out += struct.pack("<2d", x, y)
    return bytes(out)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def text(lines, encoding="cp850"):
    return ("\r\n".join(lines) + "\r\n").encode(encoding)


def main():
    # Generation 2: two curves in record slots 0 and 5; the second one is
    # hidden, its symbol 25 comes back to 3 and its count is stored negative.
    write("gen2_asb00.orx", binary("ASB_00", False, [
        (0, 3, 4, 3, 2, 2, "Température", [(0.0, 1.0), (1.0, 2.5), (2.0, 4.0)]),
        (5, 25, 9, -2, 1, 1, "Pression", [(0.0, 10.0), (5.0, 100.0)]),
    ], {
        "size": (16.0, 12.5), "margins": (2.0, 1.0, 2.5, 1.5),
        "axes": [
            {"kind": 0, "format": 3, "decimals": 2, "subdivision": 4, "grid": 1, "colour": 1,
             "origin": 0.0, "extremity": 10.0, "step": 2.0, "font": (-13, 700, 0, "Arial")},
            {"kind": 1, "format": 0, "decimals": 0, "subdivision": 0, "grid": 0, "colour": 2,
             "origin": 1.0, "extremity": 1000.0, "step": 10.0, "font": (-11, 400, 1, "Times New Roman")},
        ],
        "corner": 3, "xlabel": "Temps (s)", "ylabel": "Débit",
    }))
    # Generation 3: one curve in the last record slot, no legend.
    write("gen3_asb97.orx", binary("ASB_97", False, [
        (253, 7, 12, 4, 3, 0, "Essai 97", [(1.0, 1.0), (2.0, 4.0), (3.0, 9.0), (4.0, 16.0)]),
    ], {
        "size": (17.0, 18.0), "margins": (2.5, 1.5, 2.5, 2.0),
        "axes": [
            {"kind": 0, "format": 2, "decimals": 0, "subdivision": 1, "grid": 0, "colour": 0,
             "origin": 0.0, "extremity": 5.0, "step": 1.0, "font": (-12, 400, 0, "Arial")},
            {"kind": 0, "format": 4, "decimals": 3, "subdivision": 2, "grid": 1, "colour": 0,
             "origin": 0.0, "extremity": 20.0, "step": 5.0, "font": (-12, 400, 0, "Arial")},
        ],
        "corner": -1, "xlabel": "x", "ylabel": "",
    }))
    # Generation 4: 16-bit integers and 16-bit fonts; legend at the top left.
    write("gen4_asb96.orx", binary("ASB_96", True, [
        (1, 5, 14, 2, 4, 2, "Série A", [(-1.0, 0.5), (1.0, -0.5)]),
        (2, 0, 3, 3, 0, 0, "Série B", [(0.0, 0.0), (0.5, 0.25), (1.0, 1.0)]),
    ], {
        "size": (15.0, 10.0), "margins": (1.5, 1.5, 2.0, 2.0),
        "axes": [
            {"kind": 0, "format": 1, "decimals": 0, "subdivision": 3, "grid": 1, "colour": 8,
             "origin": -1.0, "extremity": 1.0, "step": 0.5, "font": (-16, 700, 1, "Courier New")},
            {"kind": 0, "format": 5, "decimals": 1, "subdivision": 0, "grid": 0, "colour": 15,
             "origin": -1.0, "extremity": 1.0, "step": 0.25, "font": (-10, 400, 0, "Arial")},
        ],
        "corner": 1, "xlabel": "Abscisse", "ylabel": "Ordonnée",
    }))

    # Generation 5: keyed lines, two curves, decimal commas in places.
    write("gen5_asb91.dia", text([
        "ASB_91 diagramme",
        "TD: Essai de traction",
        "SX: LIN",
        "SY: LOG",
        "FX: 3",
        "FY: 5",
        "LFX: 2",
        "LX: Allongement (mm)",
        "LY: Effort",
        "DX: 0",
        "EX: 12,5",
        "PX: 2.5",
        "DY: 1",
        "EY: 1000",
        "PY: 10",
        "IX: 4",
        "IY: 1",
        "TAX: 2",
        "TAY: 1",
        "PLX: 2",
        "PLY: 2",
        ".END",
        "NF: G5A",
        "EF: Eprouvette 1",
        "LF: Ep. 1",
        "SP: 4",
        "CP: 12",
        "CL: 1",
        "NL: 2",
        "TL: Tirets",
        "PI: 1",
        "mL: 0,5",
        "ML: 10",
        ".",
        "NF: G5B",
        "TF: Eprouvette 2",
        "PL: 2",
        "SP: 0",
        ".",
    ]))
    write("G5A.LIS", text(["0 1", "2,5 10", "5\t100", "", "7.5;1000"]))
    write("G5B.LIS", text(["0 2", "10 20"]))

    # Generation 6: an accented title in the DOS code page, legend top left.
    write("gen6_assemblage91.dia", text([
        "ASSEMBLAGE_91",
        "TD: Débit mesuré",
        "LX: Temps",
        "LY: Débit",
        "DX: -5",
        "EX: 5",
        "PX: 1",
        "PLX: 1",
        ".end",
        "NF: G6A",
        "EF: Pompe n°1",
        "TL: M",
        "CP: 2",
        ".",
    ]))
    write("G6A.LIS", text(["-5 0", "0 3.5", "5 7"]))

    # Generation 7: fixed order, grid on Y only, legend bottom right.
    write("gen7_assemblage89.dia", text([
        "ASSEMBLAGE_89",
        " G",
        "BD",
        "LOG",
        "E2",
        "Fréquence (Hz)",
        "N",
        "D1",
        "Gain (dB)",
        "10",
        "10000",
        "10",
        "-40",
        "0",
        "10",
        "G7A",
        "G7B",
    ]))
    write("G7A.LIS", text(["10 -1", "100 -3", "1000 -20", "10000 -40"]))
    write("G7B.LIS", text(["10 0", "10000 -35"]))


if __name__ == "__main__":
    main()
