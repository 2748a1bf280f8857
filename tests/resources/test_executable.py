# Checks the built lurn_config.exe from its bytes: the PE header, the DLLs it
# imports, and every resource it carries. LURN_EXE names the exe, LURN_BITS its
# expected word size (32 or 64), LURN_RESOURCE_DIR the committed artwork.

import os
import struct
import unittest
import xml.etree.ElementTree as ElementTree
from pathlib import Path

import pefile

RT_ICON, RT_BITMAP, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 2, 14, 16, 24
CHINESE_PRC = 2052
ASM = "{urn:schemas-microsoft-com:asm.v1}"

EXE = Path(os.environ["LURN_EXE"])
BITS = int(os.environ.get("LURN_BITS", "32"))
ARTWORK = Path(os.environ["LURN_RESOURCE_DIR"])


def bitmap_header(data):
    return struct.unpack_from("<IiiHHIIiiII", data, 0)


class ExecutableTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = pefile.PE(str(EXE))
        cls.resources = {}  # (type, id, language) -> bytes
        for kind in cls.pe.DIRECTORY_ENTRY_RESOURCE.entries:
            for name in kind.directory.entries:
                for language in name.directory.entries:
                    entry = language.data.struct
                    cls.resources[(kind.id, name.id, language.id)] = cls.pe.get_data(
                        entry.OffsetToData, entry.Size)

    def resource(self, kind, name):
        self.assertIn((kind, name, CHINESE_PRC), self.resources)
        return self.resources[(kind, name, CHINESE_PRC)]

    def test_header_is_a_gui_program_with_aslr_and_dep_importing_system_dlls_only(self):
        machine, magic = (0x14C, 0x10B) if BITS == 32 else (0x8664, 0x20B)
        header = self.pe.OPTIONAL_HEADER
        self.assertEqual((self.pe.FILE_HEADER.Machine, header.Magic, header.Subsystem),
                         (machine, magic, 2))
        self.assertEqual(header.DllCharacteristics & 0x140, 0x140)  # DYNAMIC_BASE, NX_COMPAT
        imported = {entry.dll.decode().lower() for entry in self.pe.DIRECTORY_ENTRY_IMPORT}
        # All known DLLs: the system loads them from its own folder, never
        # from the game's.
        self.assertLessEqual(imported, {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll",
                                        "ole32.dll", "msvcrt.dll"})
        self.assertLessEqual(EXE.stat().st_size, 1 << 20)

    # Two builds of one commit give the same bytes: no link time, no folder of
    # the machine that built it.
    def test_bytes_depend_on_the_sources_only(self):
        self.assertEqual(self.pe.FILE_HEADER.TimeDateStamp, 0)
        data = EXE.read_bytes()
        for folder in (EXE.resolve().parent, ARTWORK.resolve().parents[1]):
            for encoding in ("utf-8", "utf-16-le"):
                self.assertNotIn(str(folder).encode(encoding), data)

    def test_one_manifest_asking_for_common_controls_6(self):
        self.assertEqual([key for key in self.resources if key[0] == RT_MANIFEST],
                         [(RT_MANIFEST, 1, CHINESE_PRC)])
        text = self.resource(RT_MANIFEST, 1)
        self.assertTrue(text.startswith(b"\xef\xbb\xbf"), "UTF-8 byte-order mark")
        root = ElementTree.fromstring(text[3:].decode("utf-8"))
        self.assertEqual((root.tag, root.get("manifestVersion")), (ASM + "assembly", "1.0"))
        architecture = "X86" if BITS == 32 else "amd64"
        own = root.find(ASM + "assemblyIdentity")
        self.assertEqual((own.get("version"), own.get("processorArchitecture"), own.get("type")),
                         ("1.0.0.0", architecture, "win32"))
        dependencies = root.findall(f"{ASM}dependency/{ASM}dependentAssembly/{ASM}assemblyIdentity")
        self.assertEqual([dict(d.attrib) for d in dependencies], [{
            "type": "win32", "name": "Microsoft.Windows.Common-Controls", "version": "6.0.0.0",
            "processorArchitecture": architecture, "publicKeyToken": "6595b64144ccf1df",
            "language": "*"}])
        # Per-monitor DPI aware, written for Windows 7 to 11; no code page of its
        # own, and no execution level, so that Windows redirects its writes
        # under Program Files as it does the game's.
        settings = root.find("{urn:schemas-microsoft-com:asm.v3}application/"
                             "{urn:schemas-microsoft-com:asm.v3}windowsSettings")
        self.assertEqual(settings.findtext(
            "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}dpiAwareness"),
            "PerMonitorV2, PerMonitor")
        self.assertEqual(settings.findtext(
            "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}dpiAware"), "true/pm")
        self.assertFalse([e for e in root.iter()
                          if e.tag.endswith(("}activeCodePage", "}requestedExecutionLevel"))])
        systems = root.iter("{urn:schemas-microsoft-com:compatibility.v1}supportedOS")
        self.assertEqual({e.get("Id") for e in systems}, {
            "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
            "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})

    def test_version_block(self):
        self.resource(RT_VERSION, 1)
        fixed = self.pe.VS_FIXEDFILEINFO[0]
        self.assertEqual((fixed.FileFlags & fixed.FileFlagsMask, fixed.FileOS, fixed.FileType),
                         (0, 0x4, 0x1))
        blocks = {block.Key: block for block in self.pe.FileInfo[0]}
        self.assertEqual(set(blocks), {b"StringFileInfo", b"VarFileInfo"})
        (table,) = blocks[b"StringFileInfo"].StringTable
        self.assertEqual(table.LangID, b"080404B0")
        self.assertEqual(set(table.entries), {b"CompanyName", b"ProductName", b"FileVersion",
                                              b"ProductVersion", b"InternalName",
                                              b"OriginalFilename"})
        self.assertTrue(all(table.entries.values()), table.entries)
        self.assertEqual([var.entry for var in blocks[b"VarFileInfo"].Var],
                         [{b"Translation": "0x0804 0x04b0"}])

    # (width, bits per pixel, image) of each image of an icon group.
    def icon_group(self, name):
        group = self.resource(RT_GROUP_ICON, name)
        (count,) = struct.unpack_from("<H", group, 4)
        images = []
        for i in range(count):
            width, _, _, _, _, bits, size, image_id = struct.unpack_from("<BBBBHHIH", group,
                                                                         6 + 14 * i)
            image = self.resource(RT_ICON, image_id)
            self.assertEqual(len(image), size)
            images.append((width or 256, bits, image))
        return images

    def test_program_icon_has_nine_bitmap_images_of_32_bits(self):
        images = self.icon_group(1)
        self.assertEqual([(size, bits) for size, bits, _ in images],
                         [(s, 32) for s in (256, 128, 96, 72, 64, 48, 32, 24, 16)])
        for size, _, image in images:
            header = bitmap_header(image)  # a PNG image would have none
            self.assertEqual((header[0], header[1], header[2], header[4]), (40, size, 2 * size, 32))

    def test_window_icon_is_one_32_pixel_image_of_24_bits(self):
        ((width, bits, image),) = self.icon_group(2)
        self.assertEqual((width, bits, bitmap_header(image)[4]), (32, 24, 24))
        self.assertEqual(6 + 16 + len(image), 3262, "the size of its icon file")

    def test_title_picture(self):
        picture = self.resource(RT_BITMAP, 3)
        self.assertEqual(14 + len(picture), 91854, "the size of its bitmap file")
        # Header size, width, height, planes, bits, compression; no resolution, no colour table.
        header = bitmap_header(picture)
        self.assertEqual(header[:6] + header[7:10], (40, 359, 85, 1, 24, 0, 0, 0, 0))

    def test_carries_the_committed_artwork(self):
        title = (ARTWORK / "title.bmp").read_bytes()
        self.assertEqual(self.resource(RT_BITMAP, 3), title[14:])
        self.assertEqual(self.icon_group(2)[0][2], (ARTWORK / "config_window.ico").read_bytes()[22:])
        program_icon = (ARTWORK / "app.ico").read_bytes()
        (count,) = struct.unpack_from("<H", program_icon, 4)
        stored = [program_icon[offset:offset + size] for size, offset in (
            struct.unpack_from("<II", program_icon, 14 + 16 * i) for i in range(count))]
        self.assertEqual([image for _, _, image in self.icon_group(1)], stored)


if __name__ == "__main__":
    unittest.main()
