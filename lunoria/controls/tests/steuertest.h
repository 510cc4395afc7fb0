// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Common set-up of the control tests: German settings, central European time, a fixed clock,
// and message boxes recorded instead of shown.

#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "calendar/tests/testquellen.h"
#include "calendar/tests/zonenregelguard.h"
#include "controls/meldungsbox.h"

namespace lunoria::test {

class MeldungsboxRecorder {
public:
    MeldungsboxRecorder()
        : m_Vorher(SetzeMeldungsBox([this](QWidget*, const QString& titel, const QString& text, TMeldungsArt art) {
              Titel << titel;
              Texte << text;
              Arten.push_back(art);
          }))
    {
    }
    ~MeldungsboxRecorder() { SetzeMeldungsBox(std::move(m_Vorher)); }
    QStringList Titel;
    QStringList Texte;
    std::vector<TMeldungsArt> Arten;

private:
    TMeldungsBox m_Vorher;
};

// A double click as the window system delivers it: press, release, double click, release.
inline void DoppelKlick(QWidget* w, QPoint pos, Qt::KeyboardModifiers mod = Qt::NoModifier)
{
    QTest::mouseClick(w, Qt::LeftButton, mod, pos);
    QTest::mouseDClick(w, Qt::LeftButton, mod, pos);
    QTest::mouseRelease(w, Qt::LeftButton, mod, pos);
}

// Acts in a modal dialog once it is shown, so that the test's exec() returns.
inline void WennOffen(QWidget* dlg, std::function<void()> tun)
{
    auto* timer = new QTimer(dlg);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, dlg, [dlg, timer, tun] {
        if (!dlg->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        tun();
    });
    timer->start();
}

// Whether a shown line edit shows its whole text: the caret moves from the text's start to its
// end by the text's width, without scrolling.
inline ::testing::AssertionResult ZeigtGanz(QLineEdit& feld)
{
    const auto caret = [&feld](bool amEnde) {
        amEnde ? feld.end(false) : feld.home(false);
        feld.repaint();  // the toolkit scrolls the text when it paints
        return feld.inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    };
    const int noetig = feld.fontMetrics().horizontalAdvance(feld.text());
    const int anfang = caret(false);
    const int weg = caret(true) - anfang;
    if (weg >= noetig)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << '"' << feld.text().toStdString() << "\" needs " << noetig << ", shows "
                                         << weg << " in " << feld.width() << " pixels";
}

class SteuerTest : public ::testing::Test {
protected:
    RegionalGuard m_Regional;
    ZonenregelGuard m_Zone;
    UhrGuard m_Uhr{1998, 5, 23, 12, 0};  // Saturday 23 May 1998, noon
    MeldungsboxRecorder m_Boxen;
    MeldungsRecorder m_Meldungen;
};

}  // namespace lunoria::test
