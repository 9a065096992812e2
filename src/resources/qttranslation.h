// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

class QCoreApplication;

// Puts Qt's own texts that a user meets (a text box's context menu, standard
// buttons) into Greek, whatever the system's language: the program speaks only
// Greek, and Debian ships no Greek for Qt's base strings. Returns false if the
// compiled-in translation could not be loaded.
bool installQtTranslation(QCoreApplication &application);
