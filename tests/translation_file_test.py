"""The English translation file: every text of the code in it, every entry
finished, and no entry that would show Russian or lose a number's place."""

import os
import re
import shutil
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TS = os.path.join(ROOT, "translations", "monocl_en.ts")
LUPDATE = os.environ.get("LUPDATE", "/usr/lib/qt6/bin/lupdate")
CYRILLIC = re.compile("[\u0400-\u04FF]")
PLACEHOLDER = re.compile(r"%\d")
NOTE_MARKER = re.compile(r"([1-5]) ?\)\s*$")


def messages(path):
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message.findtext("source") or "", message.find("translation")


class TranslationFile(unittest.TestCase):
    def test_every_entry_is_finished_and_english(self):
        count = 0
        for context, source, translation in messages(TS):
            count += 1
            with self.subTest(context=context, source=source):
                self.assertIsNotNone(translation)
                self.assertIsNone(translation.get("type"), "unfinished, obsolete or vanished")
                text = translation.text or ""
                if source:
                    self.assertTrue(text.strip() or not source.strip(), "empty translation")
                self.assertIsNone(CYRILLIC.search(text), text)
                self.assertEqual(sorted(PLACEHOLDER.findall(source)), sorted(PLACEHOLDER.findall(text)))
                marker = NOTE_MARKER.search(source)
                if marker:
                    self.assertRegex(text, r"%s ?\)\s*$" % marker.group(1))
                self.assertEqual(source.endswith(" "), text.endswith(" "), "trailing blank")
        self.assertGreater(count, 200)

    @unittest.skipUnless(os.path.exists(LUPDATE), "lupdate (qt6-l10n-tools) is not installed")
    def test_file_holds_every_text_of_the_code(self):
        with tempfile.TemporaryDirectory() as folder:
            fresh = os.path.join(folder, "fresh.ts")
            shutil.copy(TS, fresh)
            subprocess.run(
                [LUPDATE, "-silent", "-locations", "none", "-no-obsolete",
                 "-source-language", "ru_RU", "-target-language", "en_GB",
                 "-tr-function-alias", "translate+=MONOCL_TR,QT_TRANSLATE_NOOP+=MONOCL_NOOP",
                 os.path.join(ROOT, "ui"), os.path.join(ROOT, "texts"),
                 os.path.join(ROOT, "document"), "-ts", fresh],
                check=True)
            committed = {(c, s) for c, s, _ in messages(TS)}
            code = {(c, s) for c, s, _ in messages(fresh)}
            self.assertEqual(sorted(code - committed), [], "texts of the code missing from the file")
            self.assertEqual(sorted(committed - code), [], "texts no longer in the code")


if __name__ == "__main__":
    unittest.main()
