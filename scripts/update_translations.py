#!/usr/bin/env python3
"""Collects every text of the user interface and merges it into the
translation sources (translations/balsar_<lang>.ts).

The texts are the string constants of every *Strings.h header (Qt-free core
and Qt layers alike) and the non-ASCII string literals of the Qt layers'
sources. Only texts with a non-ASCII character are collected: ASCII texts
(usage lines, register names, "[Class::Operation]" diagnostics) are shown as
they stand in every language.

  scripts/update_translations.py            merge: existing translations are
                                            kept, new texts are added as
                                            unfinished, texts no longer in the
                                            code are marked vanished
  scripts/update_translations.py --check    change nothing; exit 1 and name
                                            every text without a finished
                                            translation, every translation
                                            whose placeholders differ from its
                                            source, and a .ts that is out of date
  --drop-vanished                           merge, and remove vanished texts
"""
from __future__ import annotations

import argparse
import re
import sys
import xml.etree.ElementTree as ET
from dataclasses import dataclass, field
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
CONTEXT = "balsar"
LANGUAGES = {"en": "en_US"}

# Folders whose sources hold the windows; their non-ASCII literals are UI texts.
QT_LAYERS = ["src/app", "src/dialogs", "src/editor", "src/transfer/app", "src/simulator"]

PLACEHOLDER = re.compile(r"%(?:%|[1-9]|[-+ #0]*\d*(?:\.\d+)?(?:hh|h|ll|l|z|j|t)?[diouxXcsfgeEp])")


@dataclass
class Text:
    source: str
    locations: list[tuple[str, int]] = field(default_factory=list)


# ---------------------------------------------------------------- extraction

_ESCAPES = {"n": "\n", "t": "\t", "r": "\r", "\\": "\\", '"': '"', "'": "'", "0": "\0", "a": "\a",
            "b": "\b", "f": "\f", "v": "\v", "?": "?"}


def _unescape(body: str) -> str:
    """The value of a C++ string literal's body (UTF-8 source)."""
    raw = body.encode("utf-8")
    buf = bytearray()
    i = 0
    while i < len(raw):
        if raw[i] != 0x5C:  # backslash
            buf.append(raw[i])
            i += 1
            continue
        n = chr(raw[i + 1])
        if n == "x":
            j = i + 2
            while j < len(raw) and chr(raw[j]) in "0123456789abcdefABCDEF":
                j += 1
            buf.append(int(raw[i + 2:j], 16) & 0xFF)
            i = j
        elif n in "01234567":
            j = i + 1
            while j < len(raw) and j < i + 4 and chr(raw[j]) in "01234567":
                j += 1
            buf.append(int(raw[i + 1:j], 8) & 0xFF)
            i = j
        else:
            buf += _ESCAPES.get(n, n).encode("utf-8")
            i += 2
    return buf.decode("utf-8", errors="replace")


def string_literals(code: str) -> list[tuple[str, int]]:
    """The string literals of C++ code outside comments, adjacent literals
    joined as the compiler joins them, with the line each starts on."""
    literals: list[tuple[str, int]] = []
    i = 0
    line = 1
    joinable = False  # only whitespace/comments since the last literal
    n = len(code)
    while i < n:
        c = code[i]
        if code.startswith("//", i):
            end = code.find("\n", i)
            i = n if end < 0 else end
            continue
        if code.startswith("/*", i):
            end = code.find("*/", i + 2)
            end = n if end < 0 else end + 2
            line += code.count("\n", i, end)
            i = end
            continue
        if c == "'":
            j = i + 1
            while j < n and code[j] != "'":
                j += 2 if code[j] == "\\" else 1
            i = j + 1
            joinable = False
            continue
        if c == '"':
            prefix = code[max(0, i - 2):i]
            if prefix.endswith("R"):  # raw strings: R"delim( ... )delim"
                delim_end = code.find("(", i)
                delim = code[i + 1:delim_end]
                close = code.find(")" + delim + '"', delim_end)
                body = code[delim_end + 1:close]
                end = close + len(delim) + 2
                value = body
            else:
                j = i + 1
                while j < n and code[j] != '"':
                    j += 2 if code[j] == "\\" else 1
                value = _unescape(code[i + 1:j])
                end = j + 1
            if joinable and literals:
                literals[-1] = (literals[-1][0] + value, literals[-1][1])
            else:
                literals.append((value, line))
            line += code.count("\n", i, end)
            i = end
            joinable = True
            continue
        if c == "\n":
            line += 1
        elif not c.isspace():
            joinable = False
        i += 1
    return literals


def is_ui_text(text: str) -> bool:
    return any(ord(ch) > 0x7F for ch in text)


def source_files(root: Path) -> list[Path]:
    """Every strings header, then every source of the Qt layers."""
    files = sorted((root / "src").rglob("*Strings.h"))
    for layer in QT_LAYERS:
        folder = root / layer
        if folder.is_dir():
            files += [p for p in sorted(folder.iterdir()) if p.suffix in (".cpp", ".h") and p not in files]
    return files


def collect(root: Path) -> list[Text]:
    texts: dict[str, Text] = {}
    for path in source_files(root):
        relative = path.relative_to(root).as_posix()
        for value, line in string_literals(path.read_text(encoding="utf-8")):
            if not is_ui_text(value):
                continue
            texts.setdefault(value, Text(value)).locations.append((relative, line))
    return list(texts.values())


# ---------------------------------------------------------------- .ts files

@dataclass
class Message:
    source: str
    translation: str = ""
    kind: str = "unfinished"  # "" (finished), "unfinished" or "vanished"
    locations: list[tuple[str, int]] = field(default_factory=list)


def read_ts(path: Path) -> dict[str, Message]:
    messages: dict[str, Message] = {}
    if not path.exists():
        return messages
    for context in ET.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            node = message.find("translation")
            translation = (node.text or "") if node is not None else ""
            kind = node.get("type", "") if node is not None else "unfinished"
            messages[source] = Message(source, translation, kind)
    return messages


def _escape(text: str, attribute: bool = False) -> str:
    text = text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace("\r", "&#xd;")
    if attribute:
        text = text.replace('"', "&quot;")
    return text


def render_ts(messages: list[Message], language: str) -> str:
    out = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
           f'<TS version="2.1" language="{language}" sourcelanguage="zh_CN">',
           "<context>", f"    <name>{CONTEXT}</name>"]
    for message in messages:
        out.append("    <message>")
        for filename, line in message.locations:
            out.append(f'        <location filename="../{_escape(filename, True)}" line="{line}"/>')
        out.append(f"        <source>{_escape(message.source)}</source>")
        kind = f' type="{message.kind}"' if message.kind else ""
        out.append(f"        <translation{kind}>{_escape(message.translation)}</translation>")
        out.append("    </message>")
    out += ["</context>", "</TS>", ""]
    return "\n".join(out)


def merge(texts: list[Text], existing: dict[str, Message], drop_vanished: bool) -> list[Message]:
    merged: list[Message] = []
    for text in texts:
        old = existing.get(text.source)
        if old is not None and old.translation:
            kind = "" if old.kind in ("", "vanished", "obsolete") else old.kind
            merged.append(Message(text.source, old.translation, kind, text.locations))
        else:
            merged.append(Message(text.source, "", "unfinished", text.locations))
    if not drop_vanished:
        current = {t.source for t in texts}
        for source, old in existing.items():
            if source not in current and old.translation:
                merged.append(Message(source, old.translation, "vanished", []))
    return merged


# ---------------------------------------------------------------- checks

def placeholders(text: str) -> list[str]:
    return sorted(t for t in PLACEHOLDER.findall(text) if t != "%%")


def problems(messages: list[Message]) -> list[str]:
    found = []
    for message in messages:
        if message.kind == "vanished":
            continue
        where = f" ({message.locations[0][0]}:{message.locations[0][1]})" if message.locations else ""
        if message.kind == "unfinished" or not message.translation:
            found.append(f"no finished translation{where}: {message.source!r}")
        elif placeholders(message.source) != placeholders(message.translation):
            found.append(f"placeholders differ{where}: {message.source!r} -> {message.translation!r}")
        elif message.source.count("\n") != message.translation.count("\n") and "\n" in message.source:
            found.append(f"line breaks differ{where}: {message.source!r} -> {message.translation!r}")
    return found


def main(argv: list[str]) -> int:
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--check", action="store_true", help="change nothing; report what is missing")
    parser.add_argument("--drop-vanished", action="store_true", help="remove texts no longer in the code")
    parser.add_argument("--root", type=Path, default=ROOT, help="the source tree (default: this one)")
    args = parser.parse_args(argv)

    texts = collect(args.root)
    status = 0
    for short, language in LANGUAGES.items():
        path = args.root / "translations" / f"balsar_{short}.ts"
        existing = read_ts(path)
        merged = merge(texts, existing, args.drop_vanished)
        rendered = render_ts(merged, language)
        if args.check:
            found = problems(merged)
            if path.exists() and path.read_text(encoding="utf-8") != rendered:
                found.append(f"{path.relative_to(args.root)} is out of date: run scripts/update_translations.py")
            for problem in found:
                print(f"{path.name}: {problem}")
            status = 1 if found else status
        else:
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(rendered, encoding="utf-8")
            unfinished = sum(1 for m in merged if m.kind == "unfinished")
            print(f"{path.relative_to(args.root)}: {len(texts)} texts, {unfinished} unfinished")
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
