#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# browser_test.py --chromium PATH --site DIR --table PROGRAM
#
# The site in headless Chromium, served on 127.0.0.1: real mouse, touch and
# key events dispatched by the browser into the page, and the figures read
# back from the page's accessibility tree, as a screen reader gets them once
# its user has switched on Qt's accessibility layer with the page's hidden
# "Enable Screen Reader" button. The expected figures come from PROGRAM, the
# conversions compiled for this machine.
import argparse
import os
import re
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from cdp import Browser, Site  # noqa: E402

SECTIONS = ['ΠΕ', 'ΤΕ', 'ΔΕ', '1βάθμια']
# The hours box, found by its description: Qt 6.8 writes its name into the
# input element's name attribute, which no browser reads as a name.
HOURS = 'Στο πλαίσιο των ωρών'
FIGURES = ['Χρόνια προϋπηρεσίας', 'Μήνες προϋπηρεσίας', 'Μέρες προϋπηρεσίας']
TRACK = 'Με πατημένο το ποντίκι'
PLUS = 'Πατήστε για να αυξηθούν'
KEYS = {
    'Backspace': (8, 'Backspace'), 'End': (35, 'End'), 'Up': (38, 'ArrowUp'), 'Down': (40, 'ArrowDown'),
    'PageUp': (33, 'PageUp'), 'PageDown': (34, 'PageDown'), 'Escape': (27, 'Escape'),
    'F1': (112, 'F1'), 'F2': (113, 'F2'), 'Tab': (9, 'Tab'), 'Enter': (13, 'Enter'),
}
CONTROL = 2
# A function of visit that calls visit on each element under the page's
# #screen, through the shadow roots in which Qt keeps its windows, and returns
# what visit collected.
EVERY_ELEMENT = '''
((visit) => {
    const found = [];
    const walk = (root) => {
        for (const element of root.querySelectorAll('*')) {
            if (element.shadowRoot)
                walk(element.shadowRoot);
            visit(element, found);
        }
    };
    walk(document.getElementById('screen'));
    return found;
})'''
# The windows Qt shows in the page, with their title bars' text.
WINDOWS = EVERY_ELEMENT + '''((element, found) => {
    if (!element.classList.contains('qt-window'))
        return;
    const box = element.getBoundingClientRect();
    const title = element.querySelector('.window-name');
    found.push({title: title ? title.textContent : '', x: box.x, y: box.y, width: box.width,
                height: box.height});
})
'''
# Every element in the accessibility containers of Qt's windows.
CONTROLS = EVERY_ELEMENT + '''((element, found) => {
    const container = element.parentElement;
    if (!container || !container.classList.contains('qt-window-a11y-container'))
        return;
    const box = element.getBoundingClientRect();
    found.push({tag: element.tagName.toLowerCase(), type: element.type || '',
                text: element.innerHTML, name: element.getAttribute('name') || '',
                description: element.getAttribute('aria-description') || '',
                x: box.x, y: box.y, width: box.width, height: box.height});
})
'''

options = None
conversions = {}


def read_conversions(program):
    """section index, hours -> (years, months, days), from the machine's build."""
    table = {}
    output = subprocess.run([program], check=True, capture_output=True, text=True).stdout
    for line in output.splitlines():
        match = re.fullmatch(r'(\d) (\d+): (\d+) (\d+) (\d+)', line)
        if match:
            section, hours, *service = map(int, match.groups())
            table[section, hours] = tuple(service)
    return table


class Page:
    """The program's page in one browser, as its user and screen reader meet it."""

    def __init__(self, browser, url):
        self.browser = browser
        self.url = url

    def open(self, width=800, height=600, ratio=1, phone=False):
        self.browser.send('Emulation.setDeviceMetricsOverride', width=width, height=height,
                          deviceScaleFactor=ratio, mobile=phone)
        self.browser.send('Emulation.setTouchEmulationEnabled', enabled=phone, maxTouchPoints=5)
        self.browser.send('Page.navigate', url=self.url)
        # Qt's button for screen readers comes with the first window.
        self.browser.wait_for(lambda: self.node('Enable Screen Reader'), 'the main window', 120)
        button = next(node for node in self.browser.send('Accessibility.getFullAXTree')['nodes']
                      if node.get('name', {}).get('value') == 'Enable Screen Reader')
        self.browser.send('DOM.getDocument', depth=-1)
        # What a screen reader's user does to it: activates it.
        remote = self.browser.send('DOM.resolveNode', backendNodeId=button['backendDOMNodeId'])['object']
        self.browser.send('Runtime.callFunctionOn', objectId=remote['objectId'],
                          functionDeclaration='function () { this.click(); }')
        self.browser.wait_for(lambda: len(self.choices()) == len(SECTIONS), 'the accessible controls')

    def nodes(self):
        """The page's accessibility tree, as Chromium gives it to a screen reader."""
        found = []
        for node in self.browser.send('Accessibility.getFullAXTree')['nodes']:
            if node.get('ignored'):
                continue
            found.append({field: str(node.get(field, {}).get('value', ''))
                          for field in ('role', 'name', 'value', 'description')})
        return found

    def controls(self):
        """The elements Qt's accessibility layer keeps behind the windows, each
        with the text Qt gave it and where it lies (Qt puts each over its
        widget): what the tests aim their clicks and touches at."""
        return self.browser.evaluate(CONTROLS)

    def control(self, text):
        for control in self.controls():
            if any(field.startswith(text) for field in (control['text'], control['name'], control['description'])):
                return control
        return None

    def window(self, title):
        """Where the window of that title lies in the page, or None while
        the page shows none."""
        for window in self.browser.evaluate(WINDOWS):
            if window['title'] == title:
                return window
        return None

    def choices(self):
        """The section choices from left to right, as they show. Qt 6.8 gives
        their elements no text: they are told apart by where they lie."""
        radios = [control for control in self.controls() if control['type'] == 'radio']
        return sorted(radios, key=lambda control: control['x'])

    def choose(self, index):
        """Clicks the choice of section index (1 to 4)."""
        choice = self.choices()[index - 1]
        self.click(choice['x'] + 8, choice['y'] + choice['height'] / 2)

    def centre(self, text):
        control = self.browser.wait_for(lambda: self.control(text), f'the control {text}')
        return control['x'] + control['width'] / 2, control['y'] + control['height'] / 2

    def box(self, text):
        control = self.browser.wait_for(lambda: self.control(text), f'the control {text}')
        return control['x'], control['y'], control['x'] + control['width'], control['y'] + control['height']

    def node(self, text):
        """The first node of the accessibility tree whose name, value or
        description starts with text."""
        for node in self.nodes():
            if any(node[field].startswith(text) for field in ('name', 'value', 'description')):
                return node
        return None

    def text_of(self, prefix):
        node = self.node(prefix)
        return None if node is None else next(node[field] for field in ('name', 'value', 'description')
                                              if node[field].startswith(prefix))

    def figures(self):
        """The three figures as a screen reader reads them; None before any."""
        shown = []
        for meaning in FIGURES:
            text = self.text_of(meaning) or ''
            match = re.search(r':\s*(\d+)$', text)
            shown.append(int(match.group(1)) if match else None)
        return tuple(shown)

    # Real input, dispatched by the browser.
    def mouse(self, kind, x, y, buttons=0, button='none'):
        self.browser.send('Input.dispatchMouseEvent', type=kind, x=x, y=y, button=button, buttons=buttons,
                          clickCount=1 if kind != 'mouseMoved' else 0, pointerType='mouse')

    def click(self, x, y, button='left'):
        self.mouse('mouseMoved', x, y)
        self.mouse('mousePressed', x, y, {'left': 1, 'right': 2}[button], button)
        self.mouse('mouseReleased', x, y, 0, button)

    def touch(self, kind, x=None, y=None):
        points = [] if kind == 'touchEnd' else [{'x': x, 'y': y, 'id': 1, 'radiusX': 4, 'radiusY': 4, 'force': 1}]
        self.browser.send('Input.dispatchTouchEvent', type=kind, touchPoints=points)

    def key(self, name, modifiers=0):
        code, key = KEYS[name]
        for kind in ('rawKeyDown', 'keyUp'):
            self.browser.send('Input.dispatchKeyEvent', type=kind, key=key, code=key, modifiers=modifiers,
                              windowsVirtualKeyCode=code, nativeVirtualKeyCode=code)

    def type(self, text):
        for character in text:
            code = f'Digit{character}' if character.isdigit() else ''
            self.browser.send('Input.dispatchKeyEvent', type='keyDown', key=character, code=code, text=character,
                              windowsVirtualKeyCode=ord(character.upper()))
            self.browser.send('Input.dispatchKeyEvent', type='keyUp', key=character, code=code,
                              windowsVirtualKeyCode=ord(character.upper()))

    def wait_figures(self, expected, what):
        return self.browser.wait_for(lambda: self.figures() == expected, f'{what}: {expected}, '
                                     f'while the page shows {self.figures()}', 20)

    def enter_hours(self, hours):
        """Clicks into the hours box, empties it and types hours."""
        self.click(*self.centre(HOURS))
        self.key('End')
        for _ in range(6):
            self.key('Backspace')
        self.type(hours)


class BrowserTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.site = Site(options.site)
        cls.browser = Browser(options.chromium)
        cls.page = Page(cls.browser, cls.site.url)

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.site.stop()

    def setUp(self):
        self.page.open()

    def test_controls_and_figures_have_names(self):
        # What a screen reader finds in the page: the figures with their
        # meaning and number, the button and the words by name. (Qt 6.8
        # gives the choices, the check box and the hours box no name the
        # browser reads: see the README.)
        page = self.page
        page.choose(2)
        page.enter_hours('12345')
        page.wait_figures(conversions[2, 12345], '12345 hours in ΤΕ')
        for meaning, figure in zip(FIGURES, conversions[2, 12345]):
            with self.subTest(figure=meaning):
                self.assertEqual(page.text_of(meaning), f'{meaning}: {figure}')
        self.assertIn(('button', 'Υπολογισμός'), [(node['role'], node['name']) for node in page.nodes()])
        for word in ('χρόνια', 'μήνες', 'μέρες'):
            with self.subTest(word=word):
                self.assertTrue(page.node(word), f'{word} is not in the accessibility tree')

    def test_section_table_edges(self):
        # The first and last hours of each section, a fraction that shows as
        # 25 days without a carry, and the ceiling: typed, as a user types.
        cases = []
        for index in range(1, 5):
            near_month = next(h for h in range(1, 200) if conversions[index, h][2] == 25)
            for hours in (0, 1, near_month, near_month + 1, 12345, 99998, 99999):
                cases.append((index, hours))
        for index, hours in cases:
            with self.subTest(section=SECTIONS[index - 1], hours=hours):
                self.page.choose(index)
                self.page.enter_hours(str(hours))
                self.page.wait_figures(conversions[index, hours], f'{hours} hours in {SECTIONS[index - 1]}')

    def test_keys_step_the_hours_and_the_service(self):
        # The desktop's keys in the hours box. In ΠΕ every service converts
        # to hours and back to itself, so each key moves one figure by one.
        # (Ctrl+Page Up and Down switch the browser's tabs and never reach
        # the page.)
        page = self.page
        page.choose(1)
        page.enter_hours('100')
        page.wait_figures(conversions[1, 100], 'typed')
        page.key('Up')
        page.wait_figures(conversions[1, 101], 'Up, an hour more')
        years, months, days = conversions[1, 101]
        for key, modifiers, service, what in [
                ('PageUp', 0, (years, months + 1, days), 'Page Up, a month more'),
                ('Up', CONTROL, (years, months + 1, days + 1), 'Ctrl+Up, a day more'),
                ('Down', CONTROL, (years, months + 1, days), 'Ctrl+Down, a day less'),
                ('PageDown', 0, (years, months, days), 'Page Down, a month less')]:
            page.key(key, modifiers)
            page.wait_figures(service, what)

    def test_touch(self):
        page = self.page
        page.open(390, 700, 3, phone=True)
        page.choose(1)
        page.enter_hours('0')
        page.wait_figures((0, 0, 0), 'no hours')
        # A finger held near the track's right end: the hours climb by the
        # step there, more than a month of them in a second, and stop when it
        # lifts. (The figures are told once the finger is up.)
        left, top, right, bottom = page.box(TRACK)
        middle = (top + bottom) / 2
        page.touch('touchStart', right - 10, middle)
        time.sleep(1.0)
        page.touch('touchEnd')
        raised = self.browser.wait_for(lambda: page.figures()[1] and page.figures(), 'the hours raised by the finger')
        time.sleep(1.0)
        self.assertEqual(page.figures(), raised, 'the hours went on after the finger lifted')
        # Near the left end they fall.
        page.touch('touchStart', left + 10, middle)
        time.sleep(0.3)
        page.touch('touchEnd')
        self.browser.wait_for(lambda: page.figures() < raised, 'the hours lowered by the finger')
        # A tap on "+" is one hour more.
        page.enter_hours('86')
        page.wait_figures(conversions[1, 86], 'typed')
        page.touch('touchStart', *page.centre(PLUS))
        page.touch('touchEnd')
        page.wait_figures(conversions[1, 87], 'a tap on +')
        # A finger dragged 12 pixels right on "μήνες": three months more.
        years, months, days = conversions[1, 87]
        x, y = page.centre('μήνες')
        page.touch('touchStart', x, y)
        for step in range(1, 13):
            page.touch('touchMove', x + step, y)
        page.touch('touchEnd')
        page.wait_figures((years, months + 3, days), "three months more after the finger's drag")

    def test_word_dragged_with_the_mouse(self):
        page = self.page
        page.choose(1)
        page.enter_hours('500')
        years, months, days = conversions[1, 500]
        page.wait_figures((years, months, days), 'typed')
        # Each 4 pixels (60 twips) of travel to the right is a month more.
        x, y = page.centre('μήνες')
        page.mouse('mouseMoved', x, y)
        page.mouse('mousePressed', x, y, 1, 'left')
        for step in range(1, 13):
            page.mouse('mouseMoved', x + step, y, 1, 'left')
        page.mouse('mouseReleased', x + 12, y, 0, 'left')
        self.browser.wait_for(lambda: page.figures()[:2] == (years, months + 3), 'three months more after the drag')

    def test_formula_and_about_windows(self):
        page = self.page
        # Wide enough for the formula window beside the main window.
        page.open(1024, 700)
        page.choose(1)
        page.enter_hours('100')
        page.wait_figures(conversions[1, 100], 'typed')
        # F1: the formula window, beside the main window and inside the page.
        page.key('F1')
        formula = self.browser.wait_for(lambda: page.window('Τύπος υπολογισμού'), 'the formula window')
        main = page.window(options.product)
        width, height = self.browser.evaluate('[innerWidth, innerHeight]')
        # Qt's frame for the page draws a border of 4 pixels outside what
        # the window reports as its frame, which the rule keeps in the page.
        border = 4
        self.assertTrue(-border <= formula['x'] and formula['x'] + formula['width'] <= width + border
                        and -border <= formula['y'] and formula['y'] + formula['height'] <= height + border, formula)
        self.assertTrue(formula['x'] >= main['x'] + main['width'] or formula['x'] + formula['width'] <= main['x']
                        or formula['y'] >= main['y'] + main['height'], (formula, main))
        # F2: the about window, modal: a click on the main window changes
        # nothing until it is closed with Escape.
        page.click(main['x'] + 20, main['y'] + 10)
        page.key('F2')
        self.browser.wait_for(lambda: page.window('Πληροφορίες'), 'the about window')
        # The web link's menu, from the mouse, then the keys: its second
        # item copies the address onto the browser's clipboard.
        self.browser.send('Browser.grantPermissions', origin=self.site.url.rstrip('/'),
                          permissions=['clipboardReadWrite', 'clipboardSanitizedWrite'])
        self.browser.evaluate("navigator.clipboard.writeText('')")
        address = next(control['text'] for control in page.controls() if control['text'].startswith('https://'))
        x, y = page.centre(address)
        shown = len(self.browser.evaluate(WINDOWS))
        page.click(x, y, 'right')
        self.browser.wait_for(lambda: len(self.browser.evaluate(WINDOWS)) > shown, 'the link\'s menu')
        page.key('Down')
        page.key('Down')
        page.key('Enter')
        self.assertEqual(self.browser.wait_for(lambda: self.browser.evaluate('navigator.clipboard.readText()'),
                                               'the address on the clipboard', 20), address)
        page.choose(2)
        page.key('Escape')
        self.browser.wait_for(lambda: not page.window('Πληροφορίες'), 'the about window closed')
        self.assertEqual(page.figures(), conversions[1, 100])
        page.choose(2)
        page.wait_figures(conversions[2, 100], 'ΤΕ chosen once the about window is closed')

    def test_page_opens_again_without_the_network(self):
        page = self.page
        # The service worker keeps the files once the page has run.
        self.browser.wait_for(lambda: self.browser.evaluate(
            'navigator.serviceWorker.ready.then(r => !!r.active)'), 'the service worker')
        self.browser.wait_for(lambda: self.browser.evaluate(
            "caches.keys().then(k => Promise.all(k.map(n => caches.open(n).then(c => c.keys()))))"
            ".then(l => l.flat().some(r => r.url.endsWith('.wasm')))"), 'the program kept')
        self.site.stop()
        try:
            page.open()
            page.choose(4)
            page.enter_hours('500')
            page.wait_figures(conversions[4, 500], 'offline, 500 hours in 1βάθμια')
        finally:
            type(self).site = Site(options.site, self.site.port)


def main():
    global options, conversions
    parser = argparse.ArgumentParser()
    parser.add_argument('--chromium', required=True)
    parser.add_argument('--site', required=True)
    parser.add_argument('--table', required=True)
    parser.add_argument('--product', default='Quorvel')
    options, rest = parser.parse_known_args()
    conversions = read_conversions(options.table)
    unittest.main(argv=[sys.argv[0], '-v', *rest])


if __name__ == '__main__':
    main()
