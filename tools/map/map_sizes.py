#!/usr/bin/python3
"""Sums a GNU ld linker map by the file that each piece of the exe came from:
the bytes it brings to .text (code), .rdata (constants) and .eh_frame (the
tables that unwind an exception), largest first.

    tools/map/map_sizes.py build/win32/lurn_config.map [count]

A library member (libstdc++.a(cp-demangle.o)) is in the exe because some
other file needs a symbol of it: the map's first part, "Archive member
included to satisfy reference by file (symbol)", names that file and symbol
under each member.
"""

import collections
import re
import sys

SECTIONS = ("text", "rdata", "eh_frame")
# " .text$name  0xADDRESS  0xSIZE  file", or the section's name alone on its
# line when it is too long, and the rest on the next.
PIECE = re.compile(r"^ \.(text|rdata|eh_frame)\S*(?:\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S+))?\s*$")
REST = re.compile(r"^\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S+)\s*$")


def sizes(lines):
    found = collections.defaultdict(collections.Counter)
    in_memory_map = False
    for number, line in enumerate(lines):
        in_memory_map = in_memory_map or line.startswith("Linker script and memory map")
        piece = PIECE.match(line) if in_memory_map else None
        if not piece:
            continue
        size, source = piece.group(2, 3)
        if size is None:
            rest = REST.match(lines[number + 1]) if number + 1 < len(lines) else None
            if not rest:
                continue
            size, source = rest.groups()
        found[source.rsplit("/", 1)[-1]][piece.group(1)] += int(size, 16)
    return found


def main():
    lines = open(sys.argv[1], encoding="utf-8", errors="replace").read().split("\n")
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    found = sizes(lines)
    print(f"{'all':>7} {'.text':>7} {'.rdata':>7} {'.eh_frame':>9}  file")
    ranked = sorted(found.items(), key=lambda item: -sum(item[1].values()))
    for source, parts in ranked[:count]:
        print(f"{sum(parts.values()):7} " + " ".join(f"{parts[s]:{w}}" for s, w in
                                                      zip(SECTIONS, (7, 7, 9))) + f"  {source}")
    totals = [sum(parts[s] for parts in found.values()) for s in SECTIONS]
    print(f"{sum(totals):7} " + " ".join(f"{t:{w}}" for t, w in zip(totals, (7, 7, 9)))
          + "  all files")


if __name__ == "__main__":
    main()
