#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# web-bench.py --chromium PATH --site DIR --floor DIR [--runs N]
#
# The browser build's benchmark (./dev web bench): what a first visit costs,
# for the site and for the floor (a Qt for WebAssembly program that shows one
# plain window, built with the same Qt and flags), loaded in turns in
# headless Chromium, each time with a fresh profile:
#   - the transfer size: every file the page fetched, compressed with gzip -9
#     as a server compresses what it sends (the .wasm included);
#   - the time from navigation to the first painted main window: the first
#     frame in which the window's canvas holds pixels, seen from a script the
#     benchmark adds to the page (the program has no hook for it).
# Prints medians, the ratio to the floor and the goal (at most 1.10).
import argparse
import gzip
import os
import statistics
import sys
import time
import urllib.parse

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'web'))
from cdp import Browser, Site  # noqa: E402

# Notes the time of the first animation frame in which a canvas inside the Qt
# screen (in the shadow roots under #screen) is drawn on; Qt paints the
# window's backing store there.
FIRST_PAINT = '''
(() => {
    const canvases = (root, found) => {
        for (const element of root.querySelectorAll('*')) {
            if (element.shadowRoot)
                canvases(element.shadowRoot, found);
            if (element.tagName === 'CANVAS')
                found.push(element);
        }
        return found;
    };
    const painted = () => {
        const screen = document.getElementById('screen');
        if (!screen)
            return false;
        for (const canvas of canvases(screen, [])) {
            if (canvas.width < 50 || canvas.height < 50)
                continue;
            const context = canvas.getContext('2d');
            if (!context)
                continue;
            const pixels = context.getImageData(canvas.width / 2, canvas.height / 2, 1, 1).data;
            if (pixels[3] !== 0)
                return true;
        }
        return false;
    };
    const look = () => {
        if (painted())
            window.__firstPaint = performance.now();
        else
            requestAnimationFrame(look);
    };
    requestAnimationFrame(look);
})();
'''

GOAL = 1.10


def first_visit(chromium, folder):
    site = Site(folder)
    browser = Browser(chromium)
    try:
        browser.send('Network.enable')
        browser.send('Page.addScriptToEvaluateOnNewDocument', source=FIRST_PAINT)
        browser.send('Emulation.setDeviceMetricsOverride', width=800, height=600, deviceScaleFactor=1,
                     mobile=False)
        browser.send('Page.navigate', url=site.url)
        paint = browser.wait_for(lambda: browser.evaluate('window.__firstPaint'), 'the first paint', 120)
        fetched = set()
        for event in browser.events:
            if event.get('method') == 'Network.requestWillBeSent':
                url = urllib.parse.urlparse(event['params']['request']['url'])
                if url.netloc == f'127.0.0.1:{site.port}':
                    fetched.add(url.path.lstrip('/') or 'index.html')
        size = 0
        for name in fetched:
            with open(os.path.join(folder, name), 'rb') as file:
                size += len(gzip.compress(file.read(), compresslevel=9, mtime=0))
        return paint, size, sorted(fetched)
    finally:
        browser.close()
        site.stop()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--chromium', required=True)
    parser.add_argument('--site', required=True)
    parser.add_argument('--floor', required=True)
    parser.add_argument('--runs', type=int, default=10)
    options = parser.parse_args()

    times = {'site': [], 'floor': []}
    sizes = {}
    files = {}
    for _ in range(options.runs):
        for name, folder in (('site', options.site), ('floor', options.floor)):
            paint, size, fetched = first_visit(options.chromium, folder)
            times[name].append(paint)
            sizes[name] = size
            files[name] = fetched
    load = os.getloadavg()
    print(f'Measured {time.strftime("%Y-%m-%d %H:%M UTC", time.gmtime())}, {os.cpu_count()} cores, '
          f'load average {load[0]:.2f} {load[1]:.2f} {load[2]:.2f}; {options.runs} first visits of each, '
          f'in turns, headless Chromium, each with a fresh profile; times are medians.')
    print(f'Quorvel fetched: {", ".join(files["site"])}')
    print(f'The floor fetched: {", ".join(files["floor"])}')
    print()
    print('| Measure | Quorvel | Floor | Ratio | Goal | Met |')
    print('|---|---|---|---|---|---|')
    rows = [('Transfer size, gzip -9', sizes['site'], sizes['floor'], lambda v: f'{v / 1024:.0f} KiB'),
            ('Navigation to the first painted main window', statistics.median(times['site']),
             statistics.median(times['floor']), lambda v: f'{v:.0f} ms')]
    for measure, site, floor, shown in rows:
        ratio = site / floor
        print(f'| {measure} | {shown(site)} | {shown(floor)} | {ratio:.3f} | ≤ {GOAL:.2f} | '
              f'{"yes" if ratio <= GOAL else "**no**"} |')


if __name__ == '__main__':
    main()
