// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
//
// Quorvel's own start-up (src/main.cpp), with the expose probe.
#include "exposeprobe.h"

#include "mainwindow/frmbasic.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const ExposeProbe probe;
    frmBasic window;
    window.show();
    return QApplication::exec();
}
