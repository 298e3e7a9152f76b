#!/usr/bin/env python3
"""Checks the shipped translations (translations/wuxo_*.ts) against the sources.

A translation fails the check when an entry is unfinished or obsolete, when a text of the
sources is missing from it (lupdate is run over the sources into a temporary file and the
two are compared), or when a translation drops a placeholder (%1, %n) or the keyboard
accelerator (&) of its source text.

    check_translations.py LUPDATE SOURCE_ROOT
"""
import glob
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r'%L?(\d+|n)')


def parse(text):
    """The entries of a .ts file: {(context, source, comment): (status, [forms])}."""
    # lupdate writes control characters as <byte value="xd"/>.
    text = re.sub(r'<byte value="x([0-9a-fA-F]+)"/>', r'&#x\1;', text)
    entries = {}
    for context in ET.fromstring(text).iter('context'):
        name = context.findtext('name', '')
        for message in context.iter('message'):
            translation = message.find('translation')
            status = translation.get('type', '') if translation is not None else 'unfinished'
            forms = [form.text or '' for form in translation.iter('numerusform')] \
                if message.get('numerus') == 'yes' else [translation.text or '']
            key = (name, message.findtext('source', ''), message.findtext('comment', ''))
            entries[key] = (status, forms)
    return entries


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text)))


def has_accelerator(text):
    return re.search(r'&[^&\s]', text.replace('&&', '')) is not None


def problems(shipped, current):
    """What is wrong with a translation, given the texts the sources have now."""
    found = []
    for (context, source, comment), (status, forms) in sorted(shipped.items()):
        where = f'{context}: "{source}"'
        if status in ('obsolete', 'vanished'):
            found.append(f'{where}: obsolete (run lupdate with -no-obsolete)')
            continue
        if status == 'unfinished' or not all(forms):
            found.append(f'{where}: unfinished')
            continue
        if (context, source, comment) not in current:
            found.append(f'{where}: no longer in the sources (run lupdate)')
        for form in forms:
            if placeholders(form) != placeholders(source):
                found.append(f'{where}: "{form}" has placeholders {placeholders(form)}, '
                             f'the source {placeholders(source)}')
            if has_accelerator(source) and not has_accelerator(form):
                found.append(f'{where}: "{form}" drops the keyboard accelerator (&)')
    for key in sorted(set(current) - shipped.keys()):
        found.append(f'{key[0]}: "{key[1]}": missing (run lupdate and translate it)')
    return found


def source_texts(lupdate, root):
    with tempfile.TemporaryDirectory() as folder:
        fresh = os.path.join(folder, 'sources.ts')
        subprocess.run([lupdate, '-silent', '-locations', 'none', 'src', 'tools', '-ts', fresh],
                       cwd=root, check=True)
        with open(fresh, encoding='utf-8') as file:
            return parse(file.read()).keys()


def main():
    lupdate, root = sys.argv[1], sys.argv[2]
    current = set(source_texts(lupdate, root))
    files = sorted(glob.glob(os.path.join(root, 'translations', 'wuxo_*.ts')))
    if not files:
        print('no translations in translations/')
        return 1
    failed = False
    for path in files:
        with open(path, encoding='utf-8') as file:
            found = problems(parse(file.read()), current)
        name = os.path.relpath(path, root)
        for problem in found:
            print(f'{name}: {problem}')
        print(f'{name}: {"FAIL" if found else "ok"}')
        failed = failed or bool(found)
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
