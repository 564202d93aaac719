# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
"""What the Windows and the web builds read from the Designer forms and the
translations, which the Qt build compiles as they are."""
import json
import xml.etree.ElementTree as ET


def prop(widget, name):
    for p in widget.findall("property"):
        if p.get("name") == name:
            return p[0]
    return None


def text_of(widget, name):
    p = prop(widget, name)
    return p.text or "" if p is not None else ""


def number(widget, name, default=None):
    p = prop(widget, name)
    return int(p.text) if p is not None else default


def flag(widget, name, default=False):
    p = prop(widget, name)
    return p.text == "true" if p is not None else default


def geometry(widget):
    rect = prop(widget, "geometry")
    return tuple(int(rect.find(k).text) for k in ("x", "y", "width", "height"))


def cpp_string(text):
    return json.dumps(text, ensure_ascii=False)


def translations(paths):
    """(language, context, source, translation) of every finished translation."""
    rows = []
    for path in paths:
        root = ET.parse(path).getroot()
        for context in root.iter("context"):
            for message in context.iter("message"):
                done = message.find("translation")
                if done is not None and done.text and done.get("type") not in ("unfinished", "obsolete", "vanished"):
                    rows.append((root.get("language"), context.findtext("name"), message.findtext("source"), done.text))
    return rows
