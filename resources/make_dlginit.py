#!/usr/bin/env python3
"""Writes a dialog-initialisation resource that fills one combo box with the texts of a list file.

Usage: make_dlginit.py OUTPUT HEADER CONTROL_NAME TEXTS_FILE

The combo box's id is read from its #define in the header of resource ids. The list file holds
one text a line between double quotes (blanks inside the quotes count); lines starting with '#'
and empty lines are skipped. Each text becomes one record: the control id (16 bits), the message
that adds a string to a combo box (16 bits), the length in bytes with the terminating zero
(32 bits) and the 8-bit text with its zero. A control id of 0 ends the list.
"""
import re
import struct
import sys

ADD_STRING = 0x0403


def read_control_id(header, name):
    with open(header, encoding="utf-8") as source:
        match = re.search(rf"^#define {name} (\d+)$", source.read(), re.M)
    if not match:
        sys.exit(f"{header}: no #define {name}")
    return int(match.group(1))


def read_texts(path):
    texts = []
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            line = line.rstrip("\r\n")
            if not line or line.startswith("#"):
                continue
            if len(line) < 2 or not (line.startswith('"') and line.endswith('"')):
                sys.exit(f"{path}:{number}: a text must stand between double quotes")
            texts.append(line[1:-1])
    return texts


def records(control_id, texts):
    data = bytearray()
    for text in texts:
        encoded = text.encode("ascii") + b"\0"
        data += struct.pack("<HHI", control_id, ADD_STRING, len(encoded)) + encoded
    return bytes(data + struct.pack("<H", 0))


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    output, header, control_name, texts_file = sys.argv[1:]
    data = records(read_control_id(header, control_name), read_texts(texts_file))
    with open(output, "wb") as out:
        out.write(data)


if __name__ == "__main__":
    main()
