// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QDialog>

class MouseLabel;
class QAction;
class QLabel;
class QMenu;
struct VersionInfo;

// The product's name and version, the maker's name and two links, the maker's
// e-mail address and web address. A left press on a link opens it; a right
// press offers to open it or to copy the address. Shown modally, created
// afresh for each showing.
class frmAbout : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(frmAbout)

public:
    // parent is the window it is centred on; it is not shown in the taskbar.
    explicit frmAbout(QWidget *parent = nullptr);
    ~frmAbout() override;

    // The product name, a blank and major.minor.revision in plain decimal.
    static QString productLine(const VersionInfo &version);
    // The link that starts a mail to address about subject, as plain text;
    // LinkOpener hands it to the desktop as a URI.
    static QString mailLink(const QString &address, const QString &subject);

protected:
    // Enter and Space on a link do what a left press does; the Menu key and
    // Shift+F10 what a right press does. Escape closes the window, the
    // keyboard's way out besides the window manager's.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void connectAccessibleActions();
    void connectHandlers();
    void placeLink(MouseLabel *link);
    void centreOnOwner();
    void keyPressOn(MouseLabel *link, int button);
    void popUp(QMenu *menu, QAction *defaultItem, const QWidget *control, float x, float y) const;

    void Form_Load();
    void lblEmail_MouseDown(int Button, int Shift, float X, float Y);
    void lblWebSite_MouseDown(int Button, int Shift, float X, float Y);
    void M_SendEMail_Click();
    void M_CopyEMail_Click();
    void M_GotoWebSite_Click();
    void M_CopyWebSite_Click();

    bool menuFromKeyboard = false;

    QLabel *lblProductName = nullptr;
    QLabel *lblName = nullptr;
    MouseLabel *lblEmail = nullptr;
    MouseLabel *lblWebSite = nullptr;
    QLabel *imgCursorPoint = nullptr;
    QMenu *M_Email = nullptr;
    QAction *M_SendEMail = nullptr;
    QAction *M_CopyEMail = nullptr;
    QMenu *M_WebSite = nullptr;
    QAction *M_GotoWebSite = nullptr;
    QAction *M_CopyWebSite = nullptr;
};
