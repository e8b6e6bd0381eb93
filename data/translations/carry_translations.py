#!/usr/bin/env python3
"""Carries finished translations over after code moved between areas.

    python3 data/translations/carry_translations.py [REV] [--any-context]

Run it after `ninja update_translations`. Every message that lupdate left
unfinished in a Chinese catalogue data/translations/*_zh.ts gets the translation that the same
context and source text had in any catalogue of the same language at git
revision REV (default HEAD). With --any-context, a text moved to another
class also takes the translation of the same source text in any context.
Prints what is still unfinished.
"""
import glob
import os
import subprocess
import sys
import xml.etree.ElementTree as ET

here = os.path.dirname(os.path.abspath(__file__))
args = [a for a in sys.argv[1:] if not a.startswith('--')]
any_context = '--any-context' in sys.argv
rev = args[0] if args else 'HEAD'


def language(path):
    return 'zh' if path.endswith('_zh.ts') else 'en'


def messages(root):
    for context in root.iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            yield name, message


top = subprocess.check_output(['git', 'rev-parse', '--show-toplevel'], cwd=here, text=True).strip()
rel = os.path.relpath(here, top)
listed = subprocess.check_output(['git', 'ls-tree', '--name-only', rev, rel + '/'], cwd=top,
                                 text=True).split()
known = {}
by_source = {}
for path in (p for p in listed if p.endswith('.ts')):
    text = subprocess.check_output(['git', 'show', f'{rev}:{path}'], cwd=top)
    for name, message in messages(ET.fromstring(text)):
        tr = message.find('translation')
        if tr is None or tr.get('type') in ('unfinished', 'obsolete', 'vanished'):
            continue
        source = message.findtext('source')
        known[(language(path), name, source, message.findtext('comment'))] = tr.text
        by_source.setdefault((language(path), source), tr.text)

filled = left = 0
for path in sorted(glob.glob(os.path.join(here, '*.ts'))):
    tree = ET.parse(path)
    changed = False
    if language(path) != 'zh':
        # The English catalogues translate only what their authors chose to;
        # an unfinished entry there is the source text shown as it is.
        continue
    for name, message in messages(tree.getroot()):
        tr = message.find('translation')
        if tr is None or tr.get('type') != 'unfinished':
            continue
        source = message.findtext('source')
        value = known.get((language(path), name, source, message.findtext('comment')))
        if value is None and any_context:
            value = by_source.get((language(path), source))
        if value is None:
            left += 1
            print('unfinished:', os.path.basename(path), name, repr(source))
            continue
        tr.text = value
        del tr.attrib['type']
        changed = True
        filled += 1
    if changed:
        body = ET.tostring(tree.getroot(), encoding='unicode')
        with open(path, 'w', encoding='utf-8') as out:
            out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + '\n')
print(f'filled {filled}; unfinished {left}; '
      'run update_translations once more to restore its layout')
