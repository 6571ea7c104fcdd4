#!/usr/bin/env python3
"""Writes a pseudo-translation for the tests: every text of the catalogue becomes its own
source between the marks ⟦ and ⟧ (placeholders, %n, accelerators and line breaks kept), so
a text the running program shows without the marks never went through the catalogue.
Usage: pseudots.py <catalogue.ts> <pseudo.ts>"""
import sys
import xml.etree.ElementTree as ET

OPEN, CLOSE = '\u27e6', '\u27e7'


def main(source, target):
    tree = ET.parse(source)
    root = tree.getroot()
    root.set('language', 'en')  # two plural forms
    for message in root.iter('message'):
        text = OPEN + (message.findtext('source') or '') + CLOSE
        translation = message.find('translation')
        if translation is None:
            translation = ET.SubElement(message, 'translation')
        translation.attrib.clear()
        if message.get('numerus') == 'yes':
            for form in list(translation):
                translation.remove(form)
            for _ in range(2):
                ET.SubElement(translation, 'numerusform').text = text
        else:
            translation.text = text
    tree.write(target, encoding='utf-8', xml_declaration=True)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2]))
