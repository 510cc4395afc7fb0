// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "httplabel.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

#include <utility>

namespace deskora {

namespace {

THttpLabel::TUrlOpener& OpenerHook()
{
    static THttpLabel::TUrlOpener hook;
    return hook;
}

}  // namespace

THttpLabel::TUrlOpener THttpLabel::SetUrlOpener(TUrlOpener opener)
{
    return std::exchange(OpenerHook(), std::move(opener));
}

THttpLabel::THttpLabel(QWidget* parent) : QLabel(parent)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x80));
    setPalette(palette);
}

QString THttpLabel::Address(const QString& caption, bool secure)
{
    if (caption.left(7).toUpper() == QLatin1String("HTTP://")
        || caption.left(8).toUpper() == QLatin1String("HTTPS://"))
        return caption;
    return (secure ? QStringLiteral("Https://") : QStringLiteral("Http://")) + caption;
}

void THttpLabel::Click()
{
    emit OnClick();
    // An empty caption names no address; a bare scheme would only make the browser complain.
    if (!NamesAddress())
        return;
    const QUrl url(Address(text(), FSecureHttp));
    try {
        if (const TUrlOpener& opener = OpenerHook())
            opener(url);
        else
            QDesktopServices::openUrl(url);
    } catch (...) {
        // Opening the address is a courtesy; nothing is reported.
    }
}

void THttpLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Click();
    QLabel::mouseReleaseEvent(event);
}

void THttpLabel::enterEvent(QEnterEvent* event)
{
    // An empty caption offers nothing to click: no hand, no underline.
    if (!FHovered && NamesAddress()) {
        FHovered = true;
        FHadCursor = testAttribute(Qt::WA_SetCursor);
        FSavedCursor = cursor();
        FSavedUnderline = font().underline();
        setCursor(Qt::PointingHandCursor);
        QFont underlined = font();
        underlined.setUnderline(true);
        setFont(underlined);
    }
    QLabel::enterEvent(event);
}

void THttpLabel::leaveEvent(QEvent* event)
{
    if (FHovered) {
        FHovered = false;
        if (FHadCursor)
            setCursor(FSavedCursor);
        else
            unsetCursor();
        QFont restored = font();
        restored.setUnderline(FSavedUnderline);
        setFont(restored);
    }
    QLabel::leaveEvent(event);
}

}  // namespace deskora
