# Checks the built lurn_config.exe from its bytes: the PE header, the DLLs it
# imports, and every resource it carries. LURN_EXE names the exe, LURN_BITS its
# expected word size (32 or 64), LURN_RESOURCE_DIR the committed artwork.

import hashlib
import io
import os
import struct
import unittest
import xml.etree.ElementTree as ElementTree
from pathlib import Path

import pefile
from PIL import Image

RT_ICON, RT_BITMAP, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 2, 14, 16, 24
CHINESE_PRC = 2052
ASM = "{urn:schemas-microsoft-com:asm.v1}"

EXE = Path(os.environ["LURN_EXE"])
BITS = int(os.environ.get("LURN_BITS", "32"))
ARTWORK = Path(os.environ["LURN_RESOURCE_DIR"])
# The shipped exe with all its resources stays within this; it is 454,656 bytes.
SIZE_LIMIT = 450 * 1024

# SHA-256 of the pixels (8-bit RGBA, top row first) of the program icon's
# images, each size as it was drawn when the images were stored as bitmaps.
PROGRAM_ICON_PIXELS = {
    256: "96eac14be75e9d37f98b2dff8336ea680378eaee2ea24bd22fc13bfabd256097",
    128: "ef9caf90e7e6724a8679a994d7d66218bb4d9c0e863012c2b18062bcb7d19a2b",
    96: "c99af37c9447554248ec5e7d625cc3015b9b0f3587e4d51110c3eacabd97638b",
    72: "182d94326a7ef3b71de81246f98f35dbb21fa86ee508e3f955131f3a46eb468a",
    64: "8f16270699e38a9ede2591477502fac23921502334912355430dfcabeb65ee23",
    48: "01522da611aa155388d854204d94530802125fec8bef4bc19d7a3025160bac14",
    32: "45484151f9e37d2fdacc41bc2dc825acb64b5da57112d7d6754b732237904a98",
    24: "d1cc6d3e7bfb1bcc5a16014fa0cd5aa48260dbb25bc1a483a4891377f72d974b",
    16: "7fd49e4b7b996817c59f342760e0f61f95ef611a99bb209c3d8a2f4f9885e783",
}


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
        size = EXE.stat().st_size
        self.assertLessEqual(size, SIZE_LIMIT, f"{EXE.name} is {size} bytes")

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

    # Windows reads an icon image that is a PNG of 32 bits in every size
    # (Vista and later); each keeps the pixels it had as a bitmap.
    def test_program_icon_has_nine_png_images_of_32_bits_with_their_pixels(self):
        images = self.icon_group(1)
        self.assertEqual([(size, bits) for size, bits, _ in images],
                         [(size, 32) for size in PROGRAM_ICON_PIXELS])
        for size, _, image in images:
            picture = Image.open(io.BytesIO(image))
            self.assertEqual((picture.format, picture.mode, picture.size),
                             ("PNG", "RGBA", (size, size)))
            self.assertEqual(hashlib.sha256(picture.tobytes()).hexdigest(),
                             PROGRAM_ICON_PIXELS[size], f"the pixels of the {size}-pixel image")

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
