#!/usr/bin/env python3
"""The translation check finds each kind of fault in a small translation, and passes a sound one."""
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_translations import parse, problems  # noqa: E402

SOUND = {
    ('frmMain', 'Copy Post', ''): 'Beitrag kopieren',
    ('frmMain', '%1 Error', ''): '%1-Fehler',
    ('frmMain', '&Open', ''): '&Öffnen',
    ('frmMain', 'Fish && Chips', ''): 'Fisch und Pommes',
}


def ts(messages):
    """A .ts file with the given message elements in one context."""
    return ('<?xml version="1.0" encoding="utf-8"?><!DOCTYPE TS><TS version="2.1" language="de">'
            '<context><name>frmMain</name>' + ''.join(messages) + '</context></TS>')


def message(source, translation, kind=''):
    kind = f' type="{kind}"' if kind else ''
    return f'<message><source>{source}</source><translation{kind}>{translation}</translation></message>'


def sound_messages(**replaced):
    return [replaced.get(source, message(source.replace('&', '&amp;'), text.replace('&', '&amp;')))
            for (_, source, _), text in SOUND.items()]


class CheckTranslations(unittest.TestCase):
    def test_a_complete_translation_passes(self):
        self.assertEqual(problems(parse(ts(sound_messages())), set(SOUND)), [])

    def test_faults(self):
        cases = [
            ('unfinished', {'Copy Post': message('Copy Post', '', 'unfinished')}, set(SOUND),
             'frmMain: "Copy Post": unfinished'),
            ('obsolete', {'Copy Post': message('Copy Post', 'Beitrag kopieren', 'vanished')},
             set(SOUND), 'frmMain: "Copy Post": obsolete'),
            ('placeholder dropped', {'%1 Error': message('%1 Error', 'Fehler')}, set(SOUND),
             'frmMain: "%1 Error": "Fehler" has placeholders [], the source [\'1\']'),
            ('accelerator dropped', {'&Open': message('&amp;Open', 'Öffnen')}, set(SOUND),
             'frmMain: "&Open": "Öffnen" drops the keyboard accelerator (&)'),
            ('a source text missing', {}, set(SOUND) | {('frmMain', 'Paste', '')},
             'frmMain: "Paste": missing'),
            ('a text the sources no longer have', {}, set(SOUND) - {('frmMain', 'Copy Post', '')},
             'frmMain: "Copy Post": no longer in the sources'),
        ]
        for name, replaced, current, expected in cases:
            with self.subTest(name):
                found = problems(parse(ts(sound_messages(**replaced))), current)
                self.assertEqual(len(found), 1, found)
                self.assertTrue(found[0].startswith(expected), found)

    def test_plural_forms_keep_the_placeholders(self):
        plural = ('<message numerus="yes"><source>%1 characters</source><translation>'
                  '<numerusform>%1 Zeichen</numerusform><numerusform>Zeichen</numerusform>'
                  '</translation></message>')
        found = problems(parse(ts([plural])), {('frmMain', '%1 characters', '')})
        self.assertEqual(found, ['frmMain: "%1 characters": "Zeichen" has placeholders [], '
                                 'the source [\'1\']'])

    def test_control_characters_as_lupdate_writes_them(self):
        text = ('<message><source>Line<byte value="xd"/>\n%1</source>'
                '<translation>Zeile<byte value="xd"/>\n%1</translation></message>')
        entries = parse(ts([text]))
        self.assertEqual(list(entries), [('frmMain', 'Line\r\n%1', '')])
        self.assertEqual(problems(entries, set(entries)), [])


if __name__ == '__main__':
    unittest.main()
