#!/usr/bin/python3
"""Every translation file against the source texts, and the desktop files.

  translations_check.py LUPDATE SOURCE_FOLDER

Runs the translation tool over the sources into copies of the committed
files: a copy that changes holds a source text the file lacks or one it
still lists after the source dropped it. Every message is finished, keeps
the placeholders of its source (%1 ... %9, %n) and fills every plural form.
The desktop entry and the AppStream file speak every language.
"""
import filecmp
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

LANGUAGES = ['de', 'fr', 'es', 'it', 'nl', 'pl', 'pt_BR', 'sv', 'ru']
PLACEHOLDER = re.compile(r'%(?:\d|n)')

lupdate, source = sys.argv[1], Path(sys.argv[2])
folder = source / 'assets' / 'translations'
failures = []


def text(element):
    out = element.text or ''
    for child in element:
        if child.tag == 'byte':
            out += chr(int(child.get('value').lstrip('x'), 16))
        out += child.tail or ''
    return out


with tempfile.TemporaryDirectory() as work:
    for language in LANGUAGES:
        committed = folder / f'trivolo_{language}.ts'
        copy = Path(work) / committed.name
        shutil.copy(committed, copy)
        subprocess.run([lupdate, '-silent', '-I', str(source), '-locations', 'none', '-no-obsolete',
                        str(source / 'shell'), str(source / 'scores'), '-ts', str(copy)], check=True)
        if not filecmp.cmp(committed, copy, shallow=False):
            failures.append(f'{committed.name}: not up to date with the sources (run the update_translations target)')
        count = 0
        for context in ET.parse(committed).getroot().iter('context'):
            for message in context.iter('message'):
                count += 1
                where = f'{committed.name} {context.findtext("name")}: {text(message.find("source"))!r}'
                translation = message.find('translation')
                if translation.get('type') in ('unfinished', 'vanished', 'obsolete'):
                    failures.append(f'{where} is {translation.get("type")}')
                    continue
                forms = [text(f) for f in translation.iter('numerusform')] if message.get('numerus') == 'yes' else [text(translation)]
                wanted = sorted(set(PLACEHOLDER.findall(text(message.find('source')))))
                for form in forms:
                    if not form:
                        failures.append(f'{where} has an empty translation')
                    elif sorted(set(PLACEHOLDER.findall(form))) != wanted:
                        failures.append(f'{where}: {form!r} does not keep the placeholders {wanted}')
        print(f'ok    {committed.name}: {count} texts')

desktop = (source / 'assets' / 'trivolo.desktop').read_text(encoding='utf-8')
metainfo = ET.parse(source / 'packaging' / 'de.mollberg.trivolo.metainfo.xml').getroot()
lang = '{http://www.w3.org/XML/1998/namespace}lang'
for language in LANGUAGES:
    for key in ('GenericName', 'Comment', 'Keywords'):
        if f'\n{key}[{language}]=' not in desktop:
            failures.append(f'trivolo.desktop has no {key}[{language}]')
    if not any(s.get(lang) == language for s in metainfo.iter('summary')):
        failures.append(f'the AppStream file has no summary in {language}')
    if sum(p.get(lang) == language for p in metainfo.iter('p')) < 2:
        failures.append(f'the AppStream file has no description in {language}')

rules = (source / 'assets' / 'help' / 'trivolo.html').read_text(encoding='utf-8')
sections = re.findall(r'<section id="context-(\d+)"', rules)
if sections != [str(n) for n in range(1, 11)]:
    failures.append(f'the rules hold the topics {sections}, not 1 to 10')

for failure in failures:
    print('FAIL  ' + failure)
sys.exit(1 if failures else 0)
