// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// TExeSpeedButton: a flat button that starts a program (or opens a document) when clicked.
//
// A bare program name is looked up beside this program's own binary first, then in the
// absolute folders of PATH (relative entries such as "." or "bin" are passed over), so that
// programs installed together find each other. A name with a folder in it is taken as
// given, relative to the current folder. Failures are silent: nothing is reported when the
// program cannot be found or started.

#include <QString>
#include <QToolButton>

#include <functional>

namespace deskora {

class TExeSpeedButton : public QToolButton {
    Q_OBJECT
    Q_PROPERTY(QString ExeName READ ExeName WRITE setExeName)
    Q_PROPERTY(QString Parameter READ Parameter WRITE setParameter)

public:
    explicit TExeSpeedButton(QWidget* parent = nullptr);

    QString ExeName() const { return FExeName; }
    void setExeName(const QString& name) { FExeName = name; }
    QString Parameter() const { return FParameter; }
    void setParameter(const QString& parameter) { FParameter = parameter; }

    // Starts ExeName with Parameter; false when nothing could be started.
    bool Execute() const;

    // The file a name stands for: a name with a slash as it is (when it exists); a bare name
    // as an executable in ownFolder, else in the first absolute folder of searchPath
    // (colon-separated) that holds one. Empty when there is none.
    static QString FindProgram(const QString& name, const QString& ownFolder,
                               const QString& searchPath);

private:
    QString FExeName;
    QString FParameter;
};

}  // namespace deskora
