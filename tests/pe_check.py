#!/usr/bin/env python3
"""Checks a built tavikStar.dll as a PE file: the export table, the imports, the
resources and the security flags. Usage: pe_check.py DLL..."""
import struct
import sys

EXPORTS = ["MQCheckVersion", "MQCreate", "MQEnumString", "MQGetPlugInID",
           "MQGetPlugInName", "MQGetPlugInType", "MQInit"]
ALLOWED_IMPORTS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll"}
# (type, id, language): the dialog, the picture strip and the manifest, nothing else.
RESOURCES = {(5, 101, 0x0411), (2, 1030, 0x0411), (24, 2, 0x0409)}
DYNAMIC_BASE, NX_COMPAT = 0x0040, 0x0100
SCN_EXECUTE, SCN_WRITE = 0x20000000, 0x80000000


class Pe:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        assert data[pe:pe + 4] == b"PE\0\0", "no PE signature"
        self.machine, nsections, _, _, _, optsize, self.characteristics = struct.unpack_from("<HHIIIHH", data, pe + 4)
        opt = pe + 24
        self.magic = struct.unpack_from("<H", data, opt)[0]
        dd = opt + (96 if self.magic == 0x10B else 112)
        self.dll_characteristics = struct.unpack_from("<H", data, opt + 70)[0]
        self.dirs = [struct.unpack_from("<II", data, dd + 8 * i) for i in range(16)]
        self.sections = []
        for i in range(nsections):
            s = opt + optsize + 40 * i
            name = data[s:s + 8].rstrip(b"\0").decode()
            vsize, va, rawsize, rawptr = struct.unpack_from("<IIII", data, s + 8)
            flags = struct.unpack_from("<I", data, s + 36)[0]
            self.sections.append((name, va, max(vsize, rawsize), rawptr, flags))

    def offset(self, rva):
        for _, va, size, raw, _ in self.sections:
            if va <= rva < va + size:
                return rva - va + raw
        raise ValueError("rva %x outside sections" % rva)

    def u32(self, rva):
        return struct.unpack_from("<I", self.data, self.offset(rva))[0]

    def cstr(self, rva):
        o = self.offset(rva)
        return self.data[o:self.data.index(b"\0", o)].decode("latin-1")

    def exports(self):
        rva, size = self.dirs[0]
        o = self.offset(rva)
        _, _, _, _, name, base, nfuncs, nnames, funcs, names, ords = struct.unpack_from("<IIHHIIIIIII", self.data, o)
        table = {}
        for i in range(nnames):
            n = self.cstr(self.u32(names + 4 * i))
            ordinal = struct.unpack_from("<H", self.data, self.offset(ords + 2 * i))[0]
            target = self.u32(funcs + 4 * ordinal)
            forwarded = rva <= target < rva + size
            table[n] = (base + ordinal, forwarded)
        return self.cstr(name), base, nfuncs, table

    def imports(self):
        rva, _ = self.dirs[1]
        dlls = []
        o = self.offset(rva)
        while True:
            desc = struct.unpack_from("<IIIII", self.data, o)
            if desc == (0, 0, 0, 0, 0):
                return dlls
            dlls.append(self.cstr(desc[3]))
            o += 20

    def resources(self):
        rva, _ = self.dirs[2]
        root = self.offset(rva)
        found = set()

        def entries(o):
            named, ids = struct.unpack_from("<HH", self.data, o + 12)
            for i in range(named + ids):
                key, value = struct.unpack_from("<II", self.data, o + 16 + 8 * i)
                yield key, value

        for t, tv in entries(root):
            for n, nv in entries(root + (tv & 0x7FFFFFFF)):
                for lang, _ in entries(root + (nv & 0x7FFFFFFF)):
                    found.add((t, n, lang))
        return found


def check(path):
    problems = []
    pe = Pe(open(path, "rb").read())
    if pe.machine != 0x14C or pe.magic != 0x10B:
        problems.append("not a 32-bit x86 image (machine %#x)" % pe.machine)
    name, base, nfuncs, table = pe.exports()
    if name != "tavikStar.dll":
        problems.append("export module name %r" % name)
    if base != 1 or nfuncs != 7:
        problems.append("ordinal base %d, %d functions" % (base, nfuncs))
    expected = {n: (i + 1, False) for i, n in enumerate(EXPORTS)}
    if table != expected:
        problems.append("exports %r" % sorted(table.items()))
    for dll in pe.imports():
        if dll.lower() not in ALLOWED_IMPORTS:
            problems.append("imports %s" % dll)
    found = pe.resources()
    if found != RESOURCES:
        problems.append("resources %r" % sorted(found))
    for flag, label in ((DYNAMIC_BASE, "DYNAMIC_BASE"), (NX_COMPAT, "NX_COMPAT")):
        if not pe.dll_characteristics & flag:
            problems.append("no " + label)
    for sname, _, _, _, flags in pe.sections:
        if flags & SCN_EXECUTE and flags & SCN_WRITE:
            problems.append("section %s is writable and executable" % sname)
    return problems


def main():
    failed = 0
    for path in sys.argv[1:]:
        problems = check(path)
        for p in problems:
            print("%s: %s" % (path, p))
        print("%s: %s" % (path, "FAILED" if problems else "ok"))
        failed += bool(problems)
    print("%d passed, %d failed" % (len(sys.argv) - 1 - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
