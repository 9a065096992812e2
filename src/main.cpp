// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "mainwindow/frmbasic.h"
#include "resources/qttranslation.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Ties the windows to the installed desktop entry, for their icon on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_APP_ID));
    installQtTranslation(app);
    frmBasic window;
    window.show();
    return QApplication::exec();
}
