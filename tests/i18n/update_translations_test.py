#!/usr/bin/env python3
"""The extraction and merge of scripts/update_translations.py on a small
source tree of its own."""
import os
import sys
import tempfile
import unittest
from pathlib import Path

SOURCE_DIR = Path(os.environ.get("BALSAR_SOURCE_DIR", Path(__file__).resolve().parents[2]))
sys.path.insert(0, str(SOURCE_DIR / "scripts"))
import update_translations as ut  # noqa: E402

HEADER = r'''#pragma once
// "注释里的文字" is no text.
namespace x::texts {
inline constexpr const char* kJoined = "第一行\n"
    "第二行：%s";  /* "块注释" */
inline constexpr const char kArray[] = "甲";
inline constexpr const char* kList[] = {"乙", "丙", "ASCII only"};
inline constexpr const char* kEscapes = "引号\"\\\t";
inline constexpr const char* kUsage = "usage: tool FILE\n";
}
'''

WINDOW = r'''#include "w.h"
void F() {
    label->setText(Q("窗口文字"));
    auto c = 'x';
    log("plain ascii");
    // Q("注释");
}
'''


class Extraction(unittest.TestCase):
    def test_literals_outside_comments_joined_like_the_compiler(self):
        found = [text for text, _ in ut.string_literals(HEADER)]
        self.assertEqual(found, ["第一行\n第二行：%s", "甲", "乙", "丙", "ASCII only", "引号\"\\\t",
                                 "usage: tool FILE\n"])
        lines = dict(ut.string_literals(HEADER))
        self.assertEqual(lines["第一行\n第二行：%s"], 4)
        self.assertEqual(lines["甲"], 6)

    def test_collects_headers_and_qt_layers_only_non_ascii(self):
        with tempfile.TemporaryDirectory() as folder:
            root = Path(folder)
            (root / "src/core").mkdir(parents=True)
            (root / "src/app").mkdir(parents=True)
            (root / "src/core/CoreStrings.h").write_text(HEADER, encoding="utf-8")
            (root / "src/core/Core.cpp").write_text('auto t = "核心里的字面量";', encoding="utf-8")
            (root / "src/app/Window.cpp").write_text(WINDOW, encoding="utf-8")
            texts = {t.source: t.locations for t in ut.collect(root)}
            self.assertEqual(set(texts), {"第一行\n第二行：%s", "甲", "乙", "丙", "引号\"\\\t", "窗口文字"})
            self.assertEqual(texts["窗口文字"], [("src/app/Window.cpp", 3)])


class Merge(unittest.TestCase):
    def test_keeps_translations_adds_unfinished_marks_vanished_and_round_trips(self):
        texts = [ut.Text("保留", [("a.h", 1)]), ut.Text("新的\r\n%s", [("a.h", 2)])]
        existing = {"保留": ut.Message("保留", "Kept", ""), "删掉的": ut.Message("删掉的", "Gone", "")}
        merged = ut.merge(texts, existing, drop_vanished=False)
        self.assertEqual([(m.source, m.translation, m.kind) for m in merged],
                         [("保留", "Kept", ""), ("新的\r\n%s", "", "unfinished"), ("删掉的", "Gone", "vanished")])
        self.assertEqual(len(ut.merge(texts, existing, drop_vanished=True)), 2)

        with tempfile.TemporaryDirectory() as folder:
            path = Path(folder) / "t.ts"
            path.write_text(ut.render_ts(merged, "en_US"), encoding="utf-8")
            again = ut.read_ts(path)
            self.assertIn("新的\r\n%s", again, "a carriage return survives the XML")
            self.assertEqual(again["保留"].translation, "Kept")
            self.assertEqual(again["新的\r\n%s"].kind, "unfinished")

    def test_problems_name_missing_translations_and_placeholder_changes(self):
        messages = [
            ut.Message("好的 %s", "Fine %s", "", [("a.h", 1)]),
            ut.Message("缺少", "", "unfinished", [("a.h", 2)]),
            ut.Message("占位 %1 %2", "Place %1", "", [("a.h", 3)]),
            ut.Message("换行\n%d", "Line %d", "", [("a.h", 4)]),
            ut.Message("旧的", "Old", "vanished", []),
        ]
        found = ut.problems(messages)
        self.assertEqual(len(found), 3, found)
        self.assertIn("no finished translation (a.h:2): '缺少'", found[0])
        self.assertIn("placeholders differ (a.h:3)", found[1])
        self.assertIn("line breaks differ (a.h:4)", found[2])

    def test_the_committed_translation_is_complete(self):
        merged = ut.merge(ut.collect(SOURCE_DIR), ut.read_ts(SOURCE_DIR / "translations/balsar_en.ts"), False)
        self.assertEqual(ut.problems(merged), [])


if __name__ == "__main__":
    unittest.main()
