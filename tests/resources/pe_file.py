"""A small reader of the parts of a PE file the checks look at: the headers,
the imported DLLs and the resource tree."""

import struct


class PeFile:
    def __init__(self, data):
        self.data = data
        (pe_offset,) = struct.unpack_from("<I", data, 0x3C)
        if data[:2] != b"MZ" or data[pe_offset:pe_offset + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        coff = pe_offset + 4
        (self.machine, sections, _, _, _, optional_size,
         self.characteristics) = struct.unpack_from("<HHIIIHH", data, coff)
        optional = coff + 20
        (self.magic,) = struct.unpack_from("<H", data, optional)
        self.subsystem, self.dll_characteristics = struct.unpack_from("<HH", data, optional + 68)
        directories = optional + (96 if self.magic == 0x10B else 112)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(16)]
        table = optional + optional_size
        self.sections = []
        for i in range(sections):
            name, vsize, vaddr, rsize, raddr = struct.unpack_from("<8sIIII", data, table + 40 * i)
            self.sections.append((name.rstrip(b"\0"), vaddr, max(vsize, rsize), raddr))

    def offset(self, rva):
        for _, vaddr, size, raddr in self.sections:
            if vaddr <= rva < vaddr + size:
                return rva - vaddr + raddr
        raise ValueError(f"address {rva:#x} lies in no section")

    def c_string(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imported_dlls(self):
        rva, _ = self.directories[1]
        names = []
        position = self.offset(rva)
        while True:
            entry = struct.unpack_from("<IIIII", self.data, position)
            if entry == (0, 0, 0, 0, 0):
                return names
            names.append(self.c_string(entry[3]))
            position += 20

    def resources(self):
        """Every resource as {(type, name, language): bytes}; names given as
        strings are returned as str, identifiers as int."""
        rva, _ = self.directories[2]
        if rva == 0:
            return {}
        base = self.offset(rva)
        found = {}

        def label(entry_name):
            if entry_name & 0x80000000:
                start = base + (entry_name & 0x7FFFFFFF)
                (length,) = struct.unpack_from("<H", self.data, start)
                return self.data[start + 2:start + 2 + 2 * length].decode("utf-16-le")
            return entry_name

        def walk(directory, path):
            named, numbered = struct.unpack_from("<HH", self.data, base + directory + 12)
            for i in range(named + numbered):
                entry_name, target = struct.unpack_from("<II", self.data,
                                                        base + directory + 16 + 8 * i)
                here = path + (label(entry_name),)
                if target & 0x80000000:
                    walk(target & 0x7FFFFFFF, here)
                else:
                    data_rva, size = struct.unpack_from("<II", self.data, base + target)
                    start = self.offset(data_rva)
                    found[here] = self.data[start:start + size]

        walk(0, ())
        return found


def version_entries(block):
    """Parses a VS_VERSIONINFO block into (key, value, children) trees."""

    def parse(position):
        length, value_length, value_type = struct.unpack_from("<HHH", block, position)
        end = position + length
        key_start = position + 6
        key_end = key_start
        while block[key_end:key_end + 2] != b"\0\0":
            key_end += 2
        key = block[key_start:key_end].decode("utf-16-le")
        value_start = (key_end + 2 + 3) & ~3
        if value_type == 1:
            raw = block[value_start:value_start + 2 * value_length]
            value = raw.decode("utf-16-le").rstrip("\0")
            value_end = value_start + 2 * value_length
        else:
            value = block[value_start:value_start + value_length]
            value_end = value_start + value_length
        children = []
        child = (value_end + 3) & ~3
        while child < end:
            node, child_end = parse(child)
            children.append(node)
            child = (child_end + 3) & ~3
        return (key, value, children), end

    node, _ = parse(0)
    return node
