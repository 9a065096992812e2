// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
//
// Quorvel's own start-up (src/main.cpp), with the expose probe.
#include "exposeprobe.h"

#include "mainwindow/frmbasic.h"
#include "toolkit/desktopsession.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Asking the display before Qt connects is part of the start.
    const std::unique_ptr<QApplication> app = DesktopSession::startApplication(argc, argv);
    if (!app)
        return 1;
    const ExposeProbe probe;
    frmBasic window;
    window.show();
    return QApplication::exec();
}
