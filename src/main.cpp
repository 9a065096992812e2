// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "mainwindow/frmbasic.h"
#include "resources/qttranslation.h"
#include "toolkit/accessiblefactory.h"
#include "toolkit/desktopsession.h"
#include "toolkit/modal.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Without a display to reach it has said so, in Greek and English.
    const std::unique_ptr<QApplication> app = DesktopSession::startApplication(argc, argv);
    if (!app)
        return 1;
    // Ties the windows to the installed desktop entry, for their icon on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_APP_ID));
    installQtTranslation(*app);
    AccessibleFactory::install();
    frmBasic window;
    Modal::showWindow(&window);
    return QApplication::exec();
}
