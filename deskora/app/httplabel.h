// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// THttpLabel: a label whose text is a web address, opened in the browser when clicked.
//
// A text without "http://" or "https://" in front (in any letter case) gets "Http://", or
// "Https://" with SecureHttp, put before it. While the pointer is over the label, the cursor
// is the pointing hand and the text is underlined; not while the caption is empty, as it then
// names no address.

#include <QLabel>
#include <QString>

#include <functional>

class QUrl;

namespace deskora {

class THttpLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(bool SecureHttp READ SecureHttp WRITE setSecureHttp)

public:
    explicit THttpLabel(QWidget* parent = nullptr);

    bool SecureHttp() const { return FSecureHttp; }
    void setSecureHttp(bool on) { FSecureHttp = on; }

    // Whether the caption names an address at all.
    bool NamesAddress() const { return !text().trimmed().isEmpty(); }

    // The address a caption stands for.
    static QString Address(const QString& caption, bool secure);

    // Opens an address; the desktop's browser by default, a recorder in tests.
    using TUrlOpener = std::function<bool(const QUrl& url)>;
    static TUrlOpener SetUrlOpener(TUrlOpener opener);

signals:
    void OnClick();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void Click();

    bool FSecureHttp = false;
    bool FHovered = false;
    QCursor FSavedCursor;
    bool FHadCursor = false;
    bool FSavedUnderline = false;
};

}  // namespace deskora
