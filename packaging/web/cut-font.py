#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# cut-font.py SOURCE.ttf OUTPUT.ttf
#
# Cuts a face of Liberation Sans down to the characters the program can show
# (Latin, Greek, the punctuation of both), without hinting, and names it
# Quorvel Sans: the SIL Open Font License reserves the name Liberation for
# the unmodified fonts. Glyph shapes and advance widths stay as they are, so
# captions measure as in Liberation Sans.
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

UNICODES = [
    *range(0x0020, 0x007F),  # Basic Latin
    *range(0x00A0, 0x0100),  # Latin-1: «», the degree and multiplication signs
    *range(0x0370, 0x0400),  # Greek and Coptic
    *range(0x2010, 0x2028),  # dashes, quotation marks, the ellipsis
    *range(0x2030, 0x203B),
    0x20AC, 0x2122, 0x2212,
]


def main(source, output):
    options = subset.Options()
    options.hinting = False
    options.name_IDs = ['*']
    options.name_languages = ['*']
    options.layout_features = ['*']
    options.notdef_outline = True
    options.drop_tables += ['FFTM']  # a FontForge timestamp
    font = TTFont(source)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=UNICODES)
    subsetter.subset(font)
    for record in font['name'].names:
        text = record.toUnicode()
        renamed = text.replace('Liberation Sans', 'Quorvel Sans').replace('LiberationSans', 'QuorvelSans')
        if renamed != text:
            record.string = renamed
    font.save(output)


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit('usage: cut-font.py SOURCE.ttf OUTPUT.ttf')
    main(sys.argv[1], sys.argv[2])
