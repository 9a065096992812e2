// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
//
// The floor that the browser build's size and first paint are measured
// against: what Qt for WebAssembly costs a program that shows one plain
// window of the main window's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quorvel"));
    window.resize(298, 225);
    window.show();
    return QApplication::exec();
}
