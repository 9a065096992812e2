#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# web-screenshots.py --chromium PATH --site DIR --table PROGRAM --out DIR
#
# The pictures of the site in docs/ (./dev web screenshots): the page in
# headless Chromium at desktop and phone sizes, at device pixel ratios 1, 2
# and 3, after 12345 hours typed in ΠΕ; and the formula and about windows.
import argparse
import base64
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'web'))
import browser_test  # noqa: E402
from cdp import Browser, Site  # noqa: E402

# name, CSS width, height, device pixel ratio, a phone's
VIEWS = [
    ('web-desktop', 800, 520, 1, False),
    ('web-desktop-2x', 800, 520, 2, False),
    ('web-phone-3x', 390, 700, 3, True),
]


def save(browser, path):
    data = browser.send('Page.captureScreenshot', format='png')['data']
    with open(path, 'wb') as file:
        file.write(base64.b64decode(data))
    print(path)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--chromium', required=True)
    parser.add_argument('--site', required=True)
    parser.add_argument('--table', required=True)
    parser.add_argument('--out', required=True)
    options = parser.parse_args()
    conversions = browser_test.read_conversions(options.table)
    site = Site(options.site)
    browser = Browser(options.chromium)
    try:
        page = browser_test.Page(browser, site.url)
        for name, width, height, ratio, phone in VIEWS:
            page.open(width, height, ratio, phone)
            page.choose(1)
            page.enter_hours('12345')
            page.wait_figures(conversions[1, 12345], '12345 hours in ΠΕ')
            save(browser, os.path.join(options.out, f'{name}.png'))
        page.open(1024, 520, 1, False)
        page.key('F1')
        browser.wait_for(lambda: page.window('Τύπος υπολογισμού'), 'the formula window')
        save(browser, os.path.join(options.out, 'web-formula-window.png'))
        page.open(800, 520, 1, False)
        page.key('F2')
        browser.wait_for(lambda: page.window('Πληροφορίες'), 'the about window')
        save(browser, os.path.join(options.out, 'web-about-window.png'))
    finally:
        browser.close()
        site.stop()


if __name__ == '__main__':
    main()
