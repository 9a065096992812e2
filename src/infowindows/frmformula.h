// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

// The information windows: the formula window, which explains how teaching
// hours become service, and the about window with the maker's links.

#include <QWidget>

class LineShape;
class QLabel;
class SpokenDrawing;

// How the conversion works, as a drawn fraction, a paragraph and the weekly
// hours of the four sections. Fixed texts and lines only: it computes nothing.
// A screen reader hears the fraction as one sentence, then each text by Tab.
// It places itself beside the main window once, when it is created, and is
// destroyed when closed.
class frmFormula : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(frmFormula)

public:
    // A window's left, top, width and height in twips, outer size (its frame
    // included), on the screen.
    struct WindowTwips
    {
        float left = 0;
        float top = 0;
        float width = 0;
        float height = 0;
    };
    struct Position
    {
        float left = 0;
        float top = 0;
    };

    // Created beside mainWindow, which is not its owner.
    explicit frmFormula(const QWidget &mainWindow);
    ~frmFormula() override;

    // Where the window goes beside the main window, in single precision: to
    // its right if there is strictly room before the screen's right edge,
    // else to its left if that leaves a left edge strictly right of the
    // screen's, else at own.left; the tops so that both share the mid-line.
    static Position placeBeside(const WindowTwips &main, const WindowTwips &own, float screenWidth);

private:
    void createControls();
    void makeReadable();
    void Form_Load(const QWidget &mainWindow);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label5 = nullptr;
    LineShape *Line1 = nullptr;
    LineShape *Line2 = nullptr;
    LineShape *Line3 = nullptr;
    LineShape *Line4 = nullptr;
    SpokenDrawing *Fraction = nullptr;
};
