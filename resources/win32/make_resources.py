#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
"""make_resources.py OUT_DIR RESOURCE_H PNG... -- FORM.ui... -- TRANSLATION.ts...

Makes the Windows build's resources from the same sources as the Qt build's:
each Designer form becomes a DIALOGEX template (geometry already in dialog
units, children in tab order), the PNG artwork becomes one icon, and the combo
boxes' initial lists, which a template cannot hold, and the translations
become tables for the framework. Writes OUT_DIR/vornaby.rc, OUT_DIR/vornaby.ico and
OUT_DIR/Win32ProgramResources.cpp."""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

from PIL import Image

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from forms import cpp_string, flag, geometry, number, prop, text_of, translations  # noqa: E402


def rc_string(text):
    return '"' + text.replace('"', '""') + '"'


def control_line(widget):
    kind = widget.get("class")
    cid = number(widget, "controlId", -1)
    x, y, w, h = geometry(widget)
    disabled = [] if flag(widget, "enabled", True) else ["WS_DISABLED"]
    text = text_of(widget, "text")
    at = f"{x}, {y}, {w}, {h}"
    if kind == "QPushButton":
        style = ["BS_DEFPUSHBUTTON" if cid == 1 else "BS_PUSHBUTTON", "WS_TABSTOP", "WS_GROUP" if cid == 1 else None]
        return f'CONTROL {rc_string(text)}, {cid}, "Button", {" | ".join(s for s in style + disabled if s)}, {at}'
    if kind == "QLineEdit":
        style = ["ES_LEFT", "ES_AUTOHSCROLL", "WS_BORDER", "WS_TABSTOP"] + disabled
        return f'CONTROL "", {cid}, "Edit", {" | ".join(style)}, {at}'
    if kind == "QLabel":
        if number(widget, "iconId") is not None:
            return f'ICON {number(widget, "iconId")}, -1, {at}'
        return f'CONTROL {rc_string(text)}, -1, "Static", SS_LEFT | SS_NOPREFIX | WS_GROUP, {at}'
    if kind == "QComboBox":
        style = ["CBS_DROPDOWN", "WS_VSCROLL", "WS_TABSTOP"] + disabled
        return f'CONTROL "", {cid}, "ComboBox", {" | ".join(style)}, {at}'
    if kind == "QCheckBox":
        return f'CONTROL {rc_string(text)}, {cid}, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, {at}'
    if kind == "QGroupBox":
        return f'CONTROL {rc_string(text_of(widget, "title"))}, -1, "Button", BS_GROUPBOX, {at}'
    if kind == "QSlider":
        style = ["TBS_HORIZONTAL", "TBS_NOTICKS", "TBS_TOP", "WS_TABSTOP"] + disabled
        # A trackbar shows no text: its text is the name a screen reader gives it.
        name = rc_string(text_of(widget, "accessibleName"))
        return f'CONTROL {name}, {cid}, "msctls_trackbar32", {" | ".join(style)}, {at}'
    raise SystemExit(f"make_resources: no Windows control for {kind}")


def dialog(form):
    root = ET.parse(form).getroot().find("widget")
    tid = number(root, "templateId")
    _, _, w, h = geometry(root)
    style = ["DS_SETFONT", "DS_FIXEDSYS", "DS_MODALFRAME", "WS_POPUP", "WS_CAPTION", "WS_SYSMENU"]
    if flag(root, "minimizeBox"):
        style.append("WS_MINIMIZEBOX")
    exstyle = "WS_EX_APPWINDOW" if flag(root, "appWindow") else "0"
    lines = [f"{tid} DIALOGEX 0, 0, {w}, {h}",
             f"STYLE {' | '.join(style)}",
             f"EXSTYLE {exstyle}",
             f"CAPTION {rc_string(text_of(root, 'windowTitle'))}",
             'FONT 8, "MS Shell Dlg", 0, 0, 0x1',
             "BEGIN"]
    lists = []
    # A label goes just before the field it names: a screen reader names a
    # field by the static text before it. Only tab stops make the tab order,
    # so that stays as the form has it.
    children = root.findall("widget")
    for label in [c for c in children if prop(c, "buddy") is not None]:
        children.remove(label)
        field = next(c for c in children if c.get("name") == prop(label, "buddy").text)
        children.insert(children.index(field), label)
    for child in children:
        lines.append("    " + control_line(child))
        items = [i[0][0].text for i in child.findall("item")]
        if items:
            lists.append((tid, number(child, "controlId"), items))
    lines.append("END")
    return tid, "\n".join(lines), lists, root.get("name")


def icon(pngs, path):
    """The program's icon: 48, 32 and 16 px at 4, 8 and 24 bits per pixel, in
    that order, as the classic desktop takes them; then the same sizes at 32
    bits and the 256 px image as PNG, which Explorer and the task bar take at
    high scale. Pillow reduces the artwork's colours, icoutils' icotool writes
    the icon."""
    artwork = {Image.open(png).size[0]: png for png in pngs}
    with tempfile.TemporaryDirectory() as work:
        arguments = []
        for bits in (4, 8, 24, 32):
            for size in (48, 32, 16):
                image = Image.open(artwork[size]).convert("RGBA")
                if bits < 32:
                    # Each pixel shown or not (the classic images' mask); the
                    # shown ones in at most 2^bits - 1 colours, the hidden
                    # ones in one more.
                    shown = image.getchannel("A").point(lambda a: 255 if a >= 128 else 0)
                    colours = image.convert("RGB")
                    if bits < 24:
                        colours = colours.quantize(colors=2 ** bits - 1, dither=Image.Dither.NONE).convert("RGB")
                    image = Image.composite(colours.convert("RGBA"), Image.new("RGBA", image.size), shown)
                file = os.path.join(work, f"{size}-{bits}.png")
                image.save(file)
                arguments += ["--bit-depth", str(bits), file]
        subprocess.run(["icotool", "--create", "--output", path, *arguments, "--raw", artwork[256]], check=True)


def main(argv):
    split, split2 = argv.index("--"), len(argv) - argv[::-1].index("--") - 1
    out, header, pngs, forms, ts = argv[1], argv[2], argv[3:split], argv[split + 1:split2], argv[split2 + 1:]
    # The icon's identifier, as resource.h gives it to the program.
    icon_id = int(re.search(r"\bIDI_APP\s*=\s*(\d+)", open(header, encoding="utf-8").read()).group(1))
    os.makedirs(out, exist_ok=True)
    icon(pngs, os.path.join(out, "vornaby.ico"))
    dialogs = [dialog(form) for form in forms]
    rc = ["// Made by make_resources.py from the Designer forms; not to be edited.",
          "#pragma code_page(65001)", "#include <windows.h>", "",
          "// The slider's styles, where <commctrl.h> does not give them to a resource script.",
          *[f"#ifndef {name}\n#define {name} {value}\n#endif" for name, value in
            (("TBS_HORIZONTAL", "0x0000"), ("TBS_TOP", "0x0004"), ("TBS_NOTICKS", "0x0010"))], "",
          f'{icon_id} ICON "vornaby.ico"', ""]
    rc += [text + "\n" for _, text, _, _ in dialogs]
    with open(os.path.join(out, "vornaby.rc"), "w", encoding="utf-8") as f:
        f.write("\n".join(rc))
    cpp = ["// Made by make_resources.py from the Designer forms; not to be edited.",
           '#include "framework/win32/Win32Resources.h"', '#include "resources/ProgramResources.h"', "",
           "namespace {", ""]
    lists = [entry for _, _, entries, _ in dialogs for entry in entries]
    for n, (tid, cid, items) in enumerate(lists):
        cpp.append(f"constexpr const char* kItems{n}[] = {{{', '.join(cpp_string(i) for i in items)}}};")
    cpp.append("constexpr fw::ListItems kLists[] = {")
    cpp += [f"    {{{tid}, {cid}, kItems{n}}}," for n, (tid, cid, _) in enumerate(lists)]
    cpp.append("};")
    cpp.append(f"constexpr int kTemplates[] = {{{', '.join(str(tid) for tid, _, _, _ in dialogs)}}};")
    cpp.append(f"constexpr int kIcons[] = {{{icon_id}}};")
    cpp.append("constexpr fw::FormContext kForms[] = {")
    cpp += [f"    {{{tid}, {cpp_string(context)}}}," for tid, _, _, context in dialogs]
    cpp.append("};")
    cpp.append("constexpr fw::Translation kTranslations[] = {")
    cpp += [f"    {{{', '.join(cpp_string(field) for field in row)}}}," for row in translations(ts)]
    cpp.append("};")
    cpp += ["", "} // namespace", "",
            "const fw::BackendResources& ProgramBackendResources()", "{",
            "    static const fw::BackendResources resources{kTemplates, kLists, kIcons, kForms, kTranslations};",
            "    return resources;", "}", ""]
    with open(os.path.join(out, "Win32ProgramResources.cpp"), "w", encoding="utf-8") as f:
        f.write("\n".join(cpp))


if __name__ == "__main__":
    main(sys.argv)
