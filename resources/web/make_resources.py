#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
"""make_resources.py OUT_FILE RESOURCE_H -- FORM.ui... -- TRANSLATION.ts...

Makes the web build's resources from the same sources as the Qt build's: each
Designer form becomes a template of controls (geometry in dialog units,
children in tab order, each label tied to the field it names), with the combo
boxes' lists and the translations as tables. Writes OUT_FILE, a C++ source."""
import os
import re
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from forms import cpp_string, flag, geometry, number, prop, text_of, translations  # noqa: E402
import xml.etree.ElementTree as ET  # noqa: E402

KINDS = {"QPushButton": "PushButton", "QLineEdit": "Edit", "QLabel": "Label", "QComboBox": "ComboBox",
         "QCheckBox": "CheckBox", "QGroupBox": "GroupBox", "QSlider": "Slider"}


def dialog(form, n):
    root = ET.parse(form).getroot().find("widget")
    children = root.findall("widget")
    ids = {c.get("name"): number(c, "controlId", -1) for c in children}
    lines, rows = [], []
    for i, child in enumerate(children):
        kind = child.get("class")
        if kind not in KINDS:
            raise SystemExit(f"make_resources: no web control for {kind}")
        items = [item[0][0].text for item in child.findall("item")]
        if items:
            lines.append(f"constexpr const char* kItems{n}_{i}[] = {{{', '.join(cpp_string(t) for t in items)}}};")
        buddy = prop(child, "buddy")
        text = text_of(child, "title" if kind == "QGroupBox" else "text")
        x, y, w, h = geometry(child)
        rows.append(f"    {{fw::WebControlKind::{KINDS[kind]}, {cpp_string(child.get('name'))}, "
                    f"{number(child, 'controlId', -1)}, {cpp_string(text)}, "
                    f"{cpp_string(text_of(child, 'accessibleName'))}, {{{x}, {y}, {w}, {h}}}, "
                    f"{'true' if flag(child, 'enabled', True) else 'false'}, "
                    f"{ids[buddy.text] if buddy is not None else 0}, {number(child, 'iconId', 0)}, "
                    f"{f'kItems{n}_{i}' if items else '{}'}}},")
    lines.append(f"constexpr fw::WebControl kControls{n}[] = {{")
    lines += rows
    lines.append("};")
    _, _, w, h = geometry(root)
    entry = (f"    {{{number(root, 'templateId')}, {cpp_string(root.get('name'))}, "
             f"{cpp_string(text_of(root, 'windowTitle'))}, {w}, {h}, "
             f"{'true' if flag(root, 'minimizeBox') else 'false'}, kControls{n}}},")
    return lines, entry


def main(argv):
    split, split2 = argv.index("--"), len(argv) - argv[::-1].index("--") - 1
    out, header, forms, ts = argv[1], argv[2], argv[split + 1:split2], argv[split2 + 1:]
    # The icon's identifier, as resource.h gives it to the program.
    icon_id = int(re.search(r"\bIDI_APP\s*=\s*(\d+)", open(header, encoding="utf-8").read()).group(1))
    cpp = ["// Made by make_resources.py from the Designer forms; not to be edited.",
           '#include "framework/web/WebResources.h"', '#include "resources/ProgramResources.h"', "",
           "namespace {", ""]
    entries = []
    for n, form in enumerate(forms):
        lines, entry = dialog(form, n)
        cpp += lines + [""]
        entries.append(entry)
    cpp += ["constexpr fw::WebTemplate kTemplates[] = {", *entries, "};",
            f"constexpr int kIcons[] = {{{icon_id}}};",
            "constexpr fw::Translation kTranslations[] = {",
            *[f"    {{{', '.join(cpp_string(field) for field in row)}}}," for row in translations(ts)],
            "};", "", "} // namespace", "",
            "const fw::BackendResources& ProgramBackendResources()", "{",
            "    static const fw::BackendResources resources{kTemplates, kIcons, kTranslations};",
            "    return resources;", "}", ""]
    os.makedirs(os.path.dirname(out), exist_ok=True)
    with open(out, "w", encoding="utf-8") as f:
        f.write("\n".join(cpp))


if __name__ == "__main__":
    main(sys.argv)
