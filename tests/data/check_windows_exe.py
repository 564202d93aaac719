# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
"""check_windows_exe.py EXE: the Windows program, read back from the file: it
needs no DLL but the system's, and carries its version record and manifest."""
import struct
import sys
import xml.etree.ElementTree as ElementTree

import pefile

pe = pefile.PE(sys.argv[1])
failures = []


def check(what, seen, expected):
    if seen != expected:
        failures.append(f"{what}: {seen!r}, expected {expected!r}")


system = {"comctl32.dll", "kernel32.dll", "msvcrt.dll", "ole32.dll", "user32.dll", "gdi32.dll", "advapi32.dll"}
imports = {entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT}
check("DLLs beyond the system's", sorted(imports - system), [])

if not hasattr(pe, "VS_FIXEDFILEINFO"):
    sys.exit("check_windows_exe: failed: no version record")
fixed = pe.VS_FIXEDFILEINFO[0]
version = (1 << 16, 1)  # 1.0.0.1
check("file version", (fixed.FileVersionMS, fixed.FileVersionLS), version)
check("product version", (fixed.ProductVersionMS, fixed.ProductVersionLS), version)
check("flags (mask, set)", (fixed.FileFlagsMask, fixed.FileFlags), (0x3F, 0))
check("system, type", (fixed.FileOS, fixed.FileType), (0x4, 0x1))  # 32-bit Windows, application
blocks = {table.LangID.decode(): table.entries for info in pe.FileInfo[0] if info.Key == b"StringFileInfo"
          for table in info.StringTable}
check("string blocks", list(blocks), ["040904e4"])
strings = {key.decode(): value.decode() for key, value in blocks.get("040904e4", {}).items()}
for key, value in [("InternalName", "Vornaby.exe"), ("OriginalFilename", "Vornaby.exe"),
                   ("FileVersion", "1.0.0.1"), ("ProductVersion", "1.0.0.1")]:
    check(key, strings.get(key), value)
for key in ("CompanyName", "FileDescription", "LegalCopyright", "ProductName"):
    check(f"{key} given", bool(strings.get(key)), True)
check("the notice names the licence", "MIT" in strings.get("LegalCopyright", ""), True)
translations = [var.entry for info in pe.FileInfo[0] if info.Key == b"VarFileInfo" for var in info.Var]
check("translation", translations, [{b"Translation": "0x0409 0x04e4"}])

def resources(kind):
    return {resource.id: resource.directory.entries[0].data.struct for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries
            if entry.id == pefile.RESOURCE_TYPE[kind] for resource in entry.directory.entries}


manifests = resources("RT_MANIFEST")
check("manifests (identifier)", list(manifests), [1])
if manifests:
    data = manifests[min(manifests)]
    root = ElementTree.fromstring(pe.get_data(data.OffsetToData, data.Size))
    names = {element.tag.split("}")[1]: element for element in root.iter()}
    level = names["requestedExecutionLevel"].attrib
    check("execution level", (level.get("level"), level.get("uiAccess")), ("asInvoker", "false"))
    assemblies = [element.attrib for element in root.iter() if element.tag.endswith("assemblyIdentity")][1:]
    check("assemblies it depends on", [(a["name"], a["version"]) for a in assemblies],
          [("Microsoft.Windows.Common-Controls", "6.0.0.0")])
    check("DPI awareness", names["dpiAwareness"].text, "PerMonitorV2")

group = resources("RT_GROUP_ICON").get(128)
if group is None:
    failures.append("no icon group 128")
else:
    data = pe.get_data(group.OffsetToData, group.Size)
    images = [struct.unpack_from("<BBBBHHIH", data, 6 + 14 * i) for i in range(struct.unpack_from("<H", data, 4)[0])]
    check("icon images (size, bits)", [(width or 256, bits) for width, _, _, _, _, bits, _, _ in images],
          [(size, bits) for bits in (4, 8, 24, 32) for size in (48, 32, 16)] + [(256, 32)])

for failure in failures:
    print("check_windows_exe:", failure)
print(f"check_windows_exe: {'failed' if failures else 'passed'}")
sys.exit(1 if failures else 0)
