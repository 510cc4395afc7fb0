// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The application's help: an HTML handbook shown in a small help window.
//
// A help context is a number; the handbook marks the topic of each with an anchor of that
// number (<a name="100">). A relative handbook name is looked up beside the program's binary,
// then in the shared data folder of the installation (<prefix>/share/deskora).

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace deskora {

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows the file at the topic of the context number.
    void ShowTopic(const QString& file, int context);
    QTextBrowser* Browser() const { return FBrowser; }

private:
    QTextBrowser* FBrowser = nullptr;
};

// The handbook of the application; its name, as set at start.
void SetHelpFile(const QString& name);
QString HelpFile();

// The full path of a handbook name, or empty when the file is nowhere to be found.
QString FindHelpFile(const QString& name);

// Opens the application's handbook at a context number, in the one help window of the
// program. A missing handbook is reported as an error message. Returns the window, or null.
THelpWindow* HelpContext(int context);

// Closes and frees the help window, if one is open.
void CloseHelp();

}  // namespace deskora
