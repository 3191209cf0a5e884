'''The catalogues of translations/, as lrelease will build them: every text
translated (but for the few listed below, which wait for a native speaker),
every translation keeping the placeholders, markup, line breaks, shortcut
marks and plural forms of its source, and nothing in the code that the
catalogues lack, cannot read or keep though the code dropped it.'''

import os
import re
import shutil
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree as ET

TS_FILES = os.environ['WEX_TS_FILES'].split()
SOURCE_DIR = os.environ['WEX_SOURCE_DIR']

# Translations shipped but marked unfinished, until a native speaker has
# looked at them: (language, context, source).
UNFINISHED = {
    # The code joins "<action> " + this + ":", which leaves a space inside
    # the label that neither language would write.
    ('zh_CN', 'ScheduleControlWidget', 'at'),
    ('ja', 'ScheduleControlWidget', 'at'),
}

# How many plural forms Qt's rules give each language.
PLURAL_FORMS = {'de': 2, 'fr': 2, 'es': 2, 'it': 2, 'pt_BR': 2, 'pl': 3, 'ru': 3, 'uk': 3,
                'zh_CN': 1, 'ja': 1}

PLACEHOLDER = re.compile(r'%L?\d+|%n')
TAG = re.compile(r'</?[a-zA-Z][^>]*>')
# A shortcut mark: '&' before a letter, but not an escaped '&&'.
SHORTCUT = re.compile(r'(?<!&)&(?=[^&\s])')


def language_of(path):
    return re.fullmatch(r'wex-power_(.+)\.ts', os.path.basename(path)).group(1)


def messages(path):
    '''(context, message element) of every message of a .ts file.'''
    root = ET.parse(path).getroot()
    for context in root.iter('context'):
        for message in context.iter('message'):
            yield context.findtext('name'), message


def key(context, message):
    return (context, message.findtext('source'), message.findtext('comment'),
            message.get('numerus') == 'yes')


def forms(message):
    '''The translated texts of a message: one, or one per plural form.'''
    translation = message.find('translation')
    if message.get('numerus') == 'yes':
        return [form.text or '' for form in translation.iter('numerusform')]
    return [translation.text or '']


class Catalogues(unittest.TestCase):
    def test_every_language_has_its_file(self):
        self.assertEqual(sorted(language_of(p) for p in TS_FILES), sorted(PLURAL_FORMS))
        for path in TS_FILES:
            language = ET.parse(path).getroot().get('language', '')
            self.assertTrue(language.startswith(language_of(path)), (path, language))

    def test_complete_and_faithful(self):
        faults = []
        unfinished = set()
        for path in TS_FILES:
            language = language_of(path)
            for context, message in messages(path):
                source = message.findtext('source')
                where = '%s %s %r' % (language, context, source)
                state = message.find('translation').get('type')
                if state == 'unfinished':
                    unfinished.add((language, context, source))
                elif state is not None:
                    faults.append('%s: %s' % (where, state))
                texts = forms(message)
                if message.get('numerus') == 'yes' and len(texts) != PLURAL_FORMS[language]:
                    faults.append('%s: %d plural forms' % (where, len(texts)))
                for text in texts:
                    faults += ['%s -> %r: %s' % (where, text, fault)
                               for fault in unfaithful(source, text, message)]
        faults += ['%s %s %r: unfinished, not listed' % entry
                   for entry in sorted(unfinished - UNFINISHED)]
        faults += ['%s %s %r: listed as unfinished, but is not (or is gone)' % entry
                   for entry in sorted(UNFINISHED - unfinished)]
        self.assertEqual(faults, [])

    def test_up_to_date_with_the_code(self):
        scratch = tempfile.mkdtemp(prefix='wex-lupdate-')
        try:
            copies = [shutil.copy(path, scratch) for path in TS_FILES]
            run = subprocess.run([os.environ['WEX_LUPDATE']]
                                 + os.environ['WEX_LUPDATE_ARGUMENTS'].split() + ['-ts'] + copies,
                                 cwd=SOURCE_DIR, check=True, capture_output=True, text=True)
            # A text lupdate cannot place in a context ("tr() cannot be
            # called without context") is left out of every catalogue.
            self.assertNotRegex(run.stdout + run.stderr, r':\d+: ', 'lupdate skipped texts')
            for path, copy in zip(TS_FILES, copies):
                with self.subTest(language=language_of(path)):
                    kept = {key(c, m) for c, m in messages(path)}
                    code = {key(c, m) for c, m in messages(copy)}
                    self.assertEqual(sorted(code - kept), [], 'texts of the code not in %s' % path)
                    self.assertEqual(sorted(kept - code), [], 'texts in %s the code no longer has'
                                     % path)
        finally:
            shutil.rmtree(scratch)


def unfaithful(source, text, message):
    '''What a translation lost or added against its source.'''
    if not text.strip():
        return ['empty']
    faults = []
    wanted = sorted(PLACEHOLDER.findall(source))
    if message.get('numerus') == 'yes':
        wanted = sorted(set(wanted) | {'%n'})
    if sorted(set(PLACEHOLDER.findall(text))) != sorted(set(wanted)):
        faults.append('placeholders %s instead of %s' % (PLACEHOLDER.findall(text), wanted))
    if TAG.findall(text) != TAG.findall(source):
        faults.append('markup %s instead of %s' % (TAG.findall(text), TAG.findall(source)))
    if text.count('\n') != source.count('\n'):
        faults.append('%d line breaks instead of %d' % (text.count('\n'), source.count('\n')))
    if len(SHORTCUT.findall(text)) != len(SHORTCUT.findall(source)):
        faults.append('shortcut marks differ')
    return faults


if __name__ == '__main__':
    unittest.main(verbosity=2)
