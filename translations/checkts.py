#!/usr/bin/env python3
"""Checks that every finished translation keeps what its source text needs at run time:
the same %1..%9 and %n placeholders, the same number of & accelerators, the same number of
line breaks, the same leading spaces and the same trailing colon or white space.
With --complete, an unfinished or empty translation is a fault too."""
import re
import sys
import xml.etree.ElementTree as ET


def features(text):
    return {
        'placeholders': sorted(re.findall(r'%(?:\d+|n)', text)),
        'accelerators': len(re.findall(r'&', text.replace('&&', ''))),
        'line breaks': text.count('\n'),
        'leading spaces': len(text) - len(text.lstrip(' ')),
        'ending': re.search(r'[:\s]*\Z', text).group(0),
    }


def check(path, complete):
    faults = []
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            source = message.findtext('source') or ''
            translation = message.find('translation')
            plural = message.get('numerus') == 'yes'
            forms = ([f.text or '' for f in translation.findall('numerusform')] if plural
                     else [translation.text or ''])
            if translation.get('type') in ('unfinished', 'vanished', 'obsolete') or not all(forms):
                if complete and translation.get('type') != 'vanished':
                    faults.append(f'{path}: [{name}] no translation: {source!r}')
                continue
            wanted = features(source)
            for form in forms:
                got = features(form)
                if plural:  # a singular form may spell the number out instead of %n
                    for f in (wanted, got):
                        f['placeholders'] = sorted(set(f['placeholders']) - {'%n'})
                differs = [key for key in wanted if wanted[key] != got[key]]
                if differs:
                    faults.append(f'{path}: [{name}] {", ".join(differs)} differ: '
                                  f'{source!r} -> {form!r}')
    return faults


def main(args):
    complete = '--complete' in args
    faults = [f for path in args if not path.startswith('--') for f in check(path, complete)]
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
