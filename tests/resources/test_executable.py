"""Checks the built lurn_config.exe from its bytes: the PE header, the DLLs it
imports, and every resource it carries. LURN_EXE names the exe, LURN_BITS its
expected word size (32 or 64), LURN_RESOURCE_DIR the committed artwork."""

import os
import struct
import unittest
import xml.etree.ElementTree as ElementTree
from pathlib import Path

from pe_file import PeFile, version_entries

RT_ICON, RT_BITMAP, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 2, 14, 16, 24
CHINESE_PRC = 2052
ASM = "{urn:schemas-microsoft-com:asm.v1}"
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "msvcrt.dll"}

EXE = Path(os.environ["LURN_EXE"])
BITS = int(os.environ.get("LURN_BITS", "32"))
ARTWORK = Path(os.environ["LURN_RESOURCE_DIR"])


def bitmap_header(data):
    return struct.unpack_from("<IiiHHIIiiII", data, 0)


class ExecutableTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = PeFile(EXE.read_bytes())
        cls.resources = cls.pe.resources()

    def only(self, kind):
        return {key: data for key, data in self.resources.items() if key[0] == kind}

    def resource(self, kind, name):
        matches = [key for key in self.resources if key[:2] == (kind, name)]
        self.assertEqual(len(matches), 1, f"resource {kind}/{name}: {matches}")
        self.assertEqual(matches[0][2], CHINESE_PRC, f"language of {kind}/{name}")
        return self.resources[matches[0]]

    def test_header_is_a_gui_program_with_aslr_and_dep(self):
        machine, magic = (0x14C, 0x10B) if BITS == 32 else (0x8664, 0x20B)
        self.assertEqual((self.pe.machine, self.pe.magic), (machine, magic))
        self.assertEqual(self.pe.subsystem, 2)
        dynamic_base, nx_compat = 0x40, 0x100
        self.assertEqual(self.pe.dll_characteristics & (dynamic_base | nx_compat),
                         dynamic_base | nx_compat)

    def test_imports_system_dlls_only(self):
        imported = {name.lower() for name in self.pe.imported_dlls()}
        self.assertTrue(imported, "no imports read")
        self.assertLessEqual(imported, SYSTEM_DLLS)

    def test_fits_in_one_mebibyte(self):
        self.assertLessEqual(EXE.stat().st_size, 1 << 20)

    def test_one_manifest_asking_for_common_controls_6(self):
        manifests = self.only(RT_MANIFEST)
        self.assertEqual(list(manifests), [(RT_MANIFEST, 1, CHINESE_PRC)])
        text = manifests[(RT_MANIFEST, 1, CHINESE_PRC)]
        self.assertTrue(text.startswith(b"\xef\xbb\xbf"), "UTF-8 byte-order mark")
        root = ElementTree.fromstring(text[3:].decode("utf-8"))
        self.assertEqual(root.tag, ASM + "assembly")
        self.assertEqual(root.get("manifestVersion"), "1.0")
        architecture = "X86" if BITS == 32 else "amd64"
        own = root.find(ASM + "assemblyIdentity")
        self.assertEqual((own.get("version"), own.get("processorArchitecture"), own.get("type")),
                         ("1.0.0.0", architecture, "win32"))
        self.assertTrue(own.get("name"))
        dependencies = root.findall(f"{ASM}dependency/{ASM}dependentAssembly/{ASM}assemblyIdentity")
        self.assertEqual(len(root.findall(ASM + "dependency")), 1)
        self.assertEqual(len(dependencies), 1)
        self.assertEqual(dict(dependencies[0].attrib), {
            "type": "win32", "name": "Microsoft.Windows.Common-Controls", "version": "6.0.0.0",
            "processorArchitecture": architecture, "publicKeyToken": "6595b64144ccf1df",
            "language": "*"})
        # Per-monitor DPI aware, written for Windows 7 to 11; no code page of its own.
        settings = root.find("{urn:schemas-microsoft-com:asm.v3}application/"
                             "{urn:schemas-microsoft-com:asm.v3}windowsSettings")
        self.assertEqual(settings.findtext(
            "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}dpiAwareness"),
            "PerMonitorV2, PerMonitor")
        self.assertEqual(settings.findtext(
            "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}dpiAware"), "true/pm")
        self.assertFalse([e for e in root.iter() if e.tag.endswith("}activeCodePage")])
        systems = root.iter("{urn:schemas-microsoft-com:compatibility.v1}supportedOS")
        self.assertEqual({e.get("Id") for e in systems}, {
            "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
            "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})

    def test_version_block(self):
        key, fixed, children = version_entries(self.resource(RT_VERSION, 1))
        self.assertEqual(key, "VS_VERSION_INFO")
        (signature, _, _, _, _, _, flags_mask, flags, file_os, file_type,
         _, _, _) = struct.unpack("<13I", fixed)
        self.assertEqual(signature, 0xFEEF04BD)
        self.assertEqual((flags & flags_mask, file_os, file_type), (0, 0x4, 0x1))
        blocks = {child[0]: child for child in children}
        self.assertEqual(set(blocks), {"StringFileInfo", "VarFileInfo"})
        tables = blocks["StringFileInfo"][2]
        self.assertEqual([table[0] for table in tables], ["080404B0"])
        strings = {entry[0]: entry[1] for entry in tables[0][2]}
        self.assertEqual(set(strings), {"CompanyName", "ProductName", "FileVersion",
                                        "ProductVersion", "InternalName", "OriginalFilename"})
        self.assertTrue(all(strings.values()), strings)
        self.assertEqual(strings["OriginalFilename"], EXE.name)
        (translation,) = blocks["VarFileInfo"][2]
        self.assertEqual(translation[0], "Translation")
        self.assertEqual(struct.unpack("<HH", translation[1]), (0x0804, 1200))

    def icon_group(self, name):
        group = self.resource(RT_GROUP_ICON, name)
        reserved, kind, count = struct.unpack_from("<HHH", group, 0)
        self.assertEqual((reserved, kind), (0, 1))
        entries = [struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i) for i in range(count)]
        images = []
        for width, height, _, _, _, bits, size, image_id in entries:
            image = self.resource(RT_ICON, image_id)
            self.assertEqual(len(image), size)
            images.append((width or 256, height or 256, bits, image))
        return images

    def test_program_icon_has_nine_bitmap_images_of_32_bits(self):
        images = self.icon_group(1)
        self.assertEqual([(w, h) for w, h, _, _ in images],
                         [(s, s) for s in (256, 128, 96, 72, 64, 48, 32, 24, 16)])
        for size, _, bits, image in images:
            with self.subTest(size=size):
                self.assertNotEqual(image[:8], b"\x89PNG\r\n\x1a\n")
                header = bitmap_header(image)
                self.assertEqual((header[0], header[1], header[2], header[4], header[5]),
                                 (40, size, 2 * size, 32, 0))
                self.assertEqual(bits, 32)

    def test_window_icon_is_one_32_pixel_image_of_24_bits(self):
        images = self.icon_group(2)
        self.assertEqual(len(images), 1)
        width, height, bits, image = images[0]
        self.assertEqual((width, height, bits), (32, 32, 24))
        self.assertEqual(bitmap_header(image)[4], 24)
        icon_file_size = 6 + 16 + len(image)
        self.assertEqual(icon_file_size, 3262)

    def test_title_picture(self):
        picture = self.resource(RT_BITMAP, 3)
        file_size = 14 + len(picture)
        self.assertEqual(file_size, 91854)
        (header_size, width, height, planes, bits, compression, _, x_resolution,
         y_resolution, colours_used, _) = bitmap_header(picture)
        self.assertEqual((header_size, width, height, planes, bits, compression),
                         (40, 359, 85, 1, 24, 0))
        self.assertEqual((x_resolution, y_resolution, colours_used), (0, 0, 0))
        self.assertEqual(len(picture) - 40, 1080 * 85)

    def test_carries_the_committed_artwork(self):
        title = (ARTWORK / "title.bmp").read_bytes()
        self.assertEqual(struct.unpack_from("<2sIHHI", title), (b"BM", 91854, 0, 0, 54))
        self.assertEqual(self.resource(RT_BITMAP, 3), title[14:])
        window_icon = (ARTWORK / "config_window.ico").read_bytes()
        self.assertEqual(len(window_icon), 3262)
        self.assertEqual(self.icon_group(2)[0][3], window_icon[22:])
        program_icon = (ARTWORK / "app.ico").read_bytes()
        (count,) = struct.unpack_from("<H", program_icon, 4)
        stored = []
        for i in range(count):
            size, offset = struct.unpack_from("<II", program_icon, 6 + 16 * i + 8)
            stored.append(program_icon[offset:offset + size])
        self.assertEqual([image for _, _, _, image in self.icon_group(1)], stored)


if __name__ == "__main__":
    unittest.main()
