#!/usr/bin/python3
"""Independent reading of a PE module for the tests: prints whether the header checksum is the
standard one, then every resource as TYPE/NAME/LANG SIZE FNV1A64, in directory order."""
import sys

import pefile


def fnv1a64(data):
    h = 0xCBF29CE484222325
    for b in data:
        h = ((h ^ b) * 0x100000001B3) & 0xFFFFFFFFFFFFFFFF
    return h


def ident(entry):
    return str(entry.name) if entry.name is not None else str(entry.id)


pe = pefile.PE(sys.argv[1])
print("checksum", "ok" if pe.OPTIONAL_HEADER.CheckSum == pe.generate_checksum() else "bad")
if hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
    for t in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for n in t.directory.entries:
            for l in n.directory.entries:
                d = l.data.struct
                data = pe.get_data(d.OffsetToData, d.Size)
                print(f"{ident(t)}/{ident(n)}/{l.id} {d.Size} {fnv1a64(data):016x}")
