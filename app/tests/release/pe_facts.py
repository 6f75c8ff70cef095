#!/usr/bin/env python3
"""Prints what a Windows executable's resources say, as "key=value" lines, for the release
inspection (inspect-release.sh) to compare against what the program must carry.

Reads the PE file directly (standard library only): its header versions, its imports and
its resource directory:

  header.OperatingSystemVersion=<major>.<minor>
  header.SubsystemVersion=<major>.<minor>
  import=<dll>!<function>                      every function imported by name
  import.ordinal=<dll>!<number>                every function imported by ordinal
  resource.<type>.<name>.<lang>=<size>         every resource; type, name and language as
                                               decimal numbers (or the name text)
  icongroup.first=<name>                       the first icon group, the shell's icon
  icongroup.<name>.image=<w>x<h>/<bits>/<dib|png>
                                               one line per image, taken from the image data
  icongroup.<name>.bad=<why>                   an entry that disagrees with its image, or an
                                               image that is missing or unreadable
  version.fixed.<field>=<value>                the fixed part (FileVersion as a.b.c.d, flags,
                                               OS and type as 0x.. numbers)
  version.string.<table>.<key>=<text>          the string tables
  version.translation=<lang>/<codepage>        each translation pair, as 4-digit hex
  manifest.<path>=<value>                      attributes of the manifest's elements of
                                               interest, its dpiAware text and each
                                               supportedOS Id (see read_manifest)
  string.<id>=<text>                           the string-table entries
  dialog.<name>.control=<id>|<CLASS>|<text>    the controls of each dialog template, in
                                               template order (a class or text given by
                                               number is written as #<number>)
  error=<why>                                  the file cannot be read as a PE image

Line breaks inside a value are written as \\n and \\r, so that every fact is one line.
"""

import struct
import sys
import xml.etree.ElementTree as ET

RT_ICON, RT_DIALOG, RT_STRING, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 5, 6, 14, 16, 24


class PeError(Exception):
    pass


def u16(b, o):
    return struct.unpack_from("<H", b, o)[0]


def u32(b, o):
    return struct.unpack_from("<I", b, o)[0]


class PeImage:
    """The headers of a PE file and the way from an address (RVA) to a file offset."""

    def __init__(self, data):
        if data[:2] != b"MZ":
            raise PeError("no MZ header")
        pe = u32(data, 0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise PeError("no PE signature")
        coff = pe + 4
        sections, opt_size = u16(data, coff + 2), u16(data, coff + 16)
        self.opt = opt = coff + 20
        self.magic = u16(data, opt)
        if self.magic == 0x10B:
            self.dirs = opt + 96
        elif self.magic == 0x20B:
            self.dirs = opt + 112
        else:
            raise PeError("unknown optional header magic 0x%x" % self.magic)
        self.data = data
        self.sections = []
        for i in range(sections):
            s = opt + opt_size + 40 * i
            vsize, va, rawsize, rawptr = struct.unpack_from("<IIII", data, s + 8)
            self.sections.append((va, max(vsize, rawsize), rawptr))

    def directory(self, index):
        """(rva, size) of data directory `index`, or (0, 0) when the header has none."""
        if u32(self.data, self.dirs - 4) <= index:
            return 0, 0
        return struct.unpack_from("<II", self.data, self.dirs + 8 * index)

    def offset(self, rva):
        for va, size, raw in self.sections:
            if va <= rva < va + size:
                return raw + rva - va
        raise PeError("address 0x%x is in no section" % rva)

    def text(self, rva):
        """The zero-terminated ANSI text at an address."""
        o = self.offset(rva)
        return self.data[o:self.data.index(b"\0", o)].decode("latin-1")


def header_facts(pe, emit):
    # Both versions sit at the same place in PE32 and PE32+ optional headers.
    os_major, os_minor = struct.unpack_from("<HH", pe.data, pe.opt + 40)
    sub_major, sub_minor = struct.unpack_from("<HH", pe.data, pe.opt + 48)
    emit("header.OperatingSystemVersion", "%d.%d" % (os_major, os_minor))
    emit("header.SubsystemVersion", "%d.%d" % (sub_major, sub_minor))


def import_facts(pe, emit):
    """One line per imported function, by name or by ordinal."""
    rva, _ = pe.directory(1)
    if not rva:
        return
    wide = pe.magic == 0x20B
    entry = pe.offset(rva)
    while True:
        lookup, _, _, name_rva, thunks = struct.unpack_from("<IIIII", pe.data, entry)
        if not name_rva:
            break
        dll = pe.text(name_rva)
        t = pe.offset(lookup or thunks)
        while True:
            value = struct.unpack_from("<Q" if wide else "<I", pe.data, t)[0]
            if not value:
                break
            if value >> (63 if wide else 31):
                emit("import.ordinal", "%s!%d" % (dll, value & 0xFFFF))
            else:
                emit("import", "%s!%s" % (dll, pe.text((value & 0x7FFFFFFF) + 2)))
            t += 8 if wide else 4
        entry += 20


def read_resources(pe):
    """[(type, name, lang, bytes)] in directory order; ids are ints, names are strings."""
    data = pe.data
    rsrc_rva, _ = pe.directory(2)
    if not rsrc_rva:
        return []
    offset = pe.offset
    base = offset(rsrc_rva)

    def entries(dir_off):
        named, ids = u16(data, base + dir_off + 12), u16(data, base + dir_off + 14)
        for i in range(named + ids):
            name, target = struct.unpack_from("<II", data, base + dir_off + 16 + 8 * i)
            if name & 0x80000000:
                n = name & 0x7FFFFFFF
                length = u16(data, base + n)
                name = data[base + n + 2:base + n + 2 + 2 * length].decode("utf-16-le")
            yield name, target

    out = []
    for rtype, t1 in entries(0):
        if not t1 & 0x80000000:
            raise PeError("resource type %s is not a directory" % rtype)
        for rname, t2 in entries(t1 & 0x7FFFFFFF):
            if not t2 & 0x80000000:
                raise PeError("resource %s/%s is not a directory" % (rtype, rname))
            for lang, t3 in entries(t2 & 0x7FFFFFFF):
                rva, size = struct.unpack_from("<II", data, base + t3)
                o = offset(rva)
                out.append((rtype, rname, lang, data[o:o + size]))
    return out


def describe_icon(img):
    """(width, height, bits, "dib" or "png") of one RT_ICON image."""
    if img[:8] == b"\x89PNG\r\n\x1a\n":
        w, h, depth, colour = struct.unpack_from(">IIBB", img, 16)
        channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}.get(colour, 0)
        return w, h, depth * channels, "png"
    if len(img) < 40 or u32(img, 0) != 40:
        raise PeError("neither PNG nor BITMAPINFOHEADER")
    w, h2, planes, bits = struct.unpack_from("<iiHH", img, 4)
    return w, h2 // 2, bits, "dib"


def icon_facts(res, emit):
    icons = {(n, l): d for t, n, l, d in res if t == RT_ICON}
    first = True
    for t, name, lang, d in res:
        if t != RT_GROUP_ICON:
            continue
        if first:
            emit("icongroup.first", name)
            first = False
        key = "icongroup.%s" % name
        if len(d) < 6 or u16(d, 2) != 1:
            emit(key + ".bad", "not an icon directory")
            continue
        for i in range(u16(d, 4)):
            if 6 + 14 * (i + 1) > len(d):
                emit(key + ".bad", "directory shorter than its count")
                break
            bw, bh, colours, _, planes, bits, size, icon_id = struct.unpack_from("<BBBBHHIH", d, 6 + 14 * i)
            img = icons.get((icon_id, lang))
            if img is None:
                emit(key + ".bad", "image %d (icon %d) is missing" % (i + 1, icon_id))
                continue
            try:
                w, h, real_bits, kind = describe_icon(img)
            except (PeError, struct.error) as e:
                emit(key + ".bad", "image %d (icon %d): %s" % (i + 1, icon_id, e))
                continue
            emit(key + ".image", "%dx%d/%d/%s" % (w, h, real_bits, kind))
            entry_w, entry_h = bw or 256, bh or 256
            if (entry_w, entry_h, bits) != (w, h, real_bits) or size != len(img):
                emit(key + ".bad", "entry %d says %dx%d/%d (%d bytes), the image is %dx%d/%d (%d bytes)"
                     % (i + 1, entry_w, entry_h, bits, size, w, h, real_bits, len(img)))


def version_facts(d, emit):
    def node(o):
        length, value_len, vtype = struct.unpack_from("<HHH", d, o)
        end = o + length
        k = o + 6
        key_end = k
        while u16(d, key_end):
            key_end += 2
        key = d[k:key_end].decode("utf-16-le")
        v = (key_end + 2 + 3) & ~3
        if vtype == 1:
            vbytes = d[v:v + 2 * value_len]
            vlen = 2 * value_len
        else:
            vbytes = d[v:v + value_len]
            vlen = value_len
        children = []
        c = (v + vlen + 3) & ~3
        while c + 6 <= end:
            child = node(c)
            children.append(child)
            if child[4] <= c:
                break
            c = (child[4] + 3) & ~3
        return key, vtype, vbytes, children, end

    key, _, fixed, children, _ = node(0)
    if key != "VS_VERSION_INFO":
        emit("version.bad", "root key is %r" % key)
        return
    if len(fixed) >= 52 and u32(fixed, 0) == 0xFEEF04BD:
        f = struct.unpack_from("<13I", fixed, 0)
        emit("version.fixed.FileVersion", "%d.%d.%d.%d" % (f[2] >> 16, f[2] & 0xFFFF, f[3] >> 16, f[3] & 0xFFFF))
        emit("version.fixed.ProductVersion", "%d.%d.%d.%d" % (f[4] >> 16, f[4] & 0xFFFF, f[5] >> 16, f[5] & 0xFFFF))
        emit("version.fixed.FileFlagsMask", "0x%x" % f[6])
        emit("version.fixed.FileFlags", "0x%x" % f[7])
        emit("version.fixed.FileOS", "0x%x" % f[8])
        emit("version.fixed.FileType", "0x%x" % f[9])
        emit("version.fixed.FileSubtype", "0x%x" % f[10])
    else:
        emit("version.bad", "no VS_FIXEDFILEINFO")
    for key, _, _, kids, _ in children:
        if key == "StringFileInfo":
            for table, _, _, strings, _ in kids:
                for name, _, value, _, _ in strings:
                    text = value.decode("utf-16-le", "replace").split("\0", 1)[0]
                    emit("version.string.%s.%s" % (table, name), text)
        elif key == "VarFileInfo":
            for name, _, value, _, _ in kids:
                if name == "Translation":
                    for i in range(0, len(value) - 3, 4):
                        lang, cp = struct.unpack_from("<HH", value, i)
                        emit("version.translation", "%04x/%04x" % (lang, cp))


def dialog_facts(name, d, emit):
    """The controls of an extended dialog template (DLGTEMPLATEEX), in template order."""
    if u16(d, 0) != 1 or u16(d, 2) != 0xFFFF:
        emit("dialog.%s.bad" % name, "not an extended dialog template")
        return

    def text_or_number(o):
        """(text, offset after it) of a field that holds a text, a number or nothing."""
        first = u16(d, o)
        if first == 0xFFFF:
            return "#%d" % u16(d, o + 2), o + 4
        end = o
        while u16(d, end):
            end += 2
        return d[o:end].decode("utf-16-le"), end + 2

    style, count = u32(d, 12), u16(d, 16)
    o = 26
    for _ in range(3):  # menu, class, title
        _, o = text_or_number(o)
    if style & 0x40:  # DS_SETFONT: point size, weight, italic, character set, typeface
        _, o = text_or_number(o + 6)
    for _ in range(count):
        o = (o + 3) & ~3
        control_id = struct.unpack_from("<i", d, o + 20)[0]
        cls, o = text_or_number(o + 24)
        text, o = text_or_number(o)
        # Window class names are the same in any letter case.
        emit("dialog.%s.control" % name, "%d|%s|%s" % (control_id, cls.upper(), text))
        o += 2 + u16(d, o)


ASM_V3 = "{urn:schemas-microsoft-com:asm.v3}"
WINDOWS_SETTINGS = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"
COMPATIBILITY = "{urn:schemas-microsoft-com:compatibility.v1}"


def read_manifest(text, emit):
    """Attributes of the program's identity, the requested execution level and every
    dependent assembly (keyed by its name); the DPI awareness and the supported systems."""
    root = ET.fromstring(text)

    def local(tag):
        return tag.rsplit("}", 1)[-1]

    for el in root:
        if local(el.tag) == "assemblyIdentity":
            for a, v in sorted(el.attrib.items()):
                emit("manifest.identity.%s" % a, v)
    for el in root.iter():
        tag = local(el.tag)
        if tag == "requestedExecutionLevel":
            for a, v in sorted(el.attrib.items()):
                emit("manifest.executionLevel.%s" % a, v)
        elif tag == "dependentAssembly":
            for ident in el:
                if local(ident.tag) == "assemblyIdentity":
                    name = ident.attrib.get("name", "?")
                    for a, v in sorted(ident.attrib.items()):
                        emit("manifest.dependency.%s.%s" % (name, a), v)
    # Windows reads these two only by their namespace-qualified names: a dpiAware or a
    # supportedOS in another namespace or place is ignored, so it is not reported either.
    for el in root.findall("%sapplication/%swindowsSettings/%sdpiAware" % (ASM_V3, ASM_V3, WINDOWS_SETTINGS)):
        emit("manifest.dpiAware", (el.text or "").strip())
    for el in root.findall("%scompatibility/%sapplication/%ssupportedOS" % ((COMPATIBILITY,) * 3)):
        emit("manifest.supportedOS", el.attrib.get("Id", ""))


def main():
    if len(sys.argv) != 2:
        sys.stderr.write("usage: pe_facts.py <executable>\n")
        return 2

    def emit(key, value):
        # One fact per line: line breaks inside a value are written as \n and \r.
        print("%s=%s" % (key, str(value).replace("\r", "\\r").replace("\n", "\\n")))

    try:
        with open(sys.argv[1], "rb") as f:
            data = f.read()
        pe = PeImage(data)
        header_facts(pe, emit)
        import_facts(pe, emit)
        res = read_resources(pe)
    except (OSError, PeError, struct.error, ValueError) as e:
        emit("error", e)
        return 1
    for t, n, l, d in res:
        emit("resource.%s.%s.%s" % (t, n, l), len(d))
    icon_facts(res, emit)
    for t, n, l, d in res:
        try:
            if t == RT_VERSION:
                version_facts(d, emit)
            elif t == RT_MANIFEST:
                text = d.decode("utf-8-sig") if not d.startswith(b"\xff\xfe") else d.decode("utf-16")
                read_manifest(text, emit)
            elif t == RT_DIALOG:
                dialog_facts(n, d, emit)
            elif t == RT_STRING and isinstance(n, int):
                o = 0
                for i in range(16):
                    length = u16(d, o)
                    if length:
                        emit("string.%d" % ((n - 1) * 16 + i), d[o + 2:o + 2 + 2 * length].decode("utf-16-le"))
                    o += 2 + 2 * length
        except (struct.error, ET.ParseError, UnicodeDecodeError) as e:
            emit("resource.%s.%s.bad" % (t, n), "unreadable: %s" % e)
    return 0


if __name__ == "__main__":
    sys.exit(main())
