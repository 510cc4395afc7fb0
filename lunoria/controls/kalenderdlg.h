// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The date-picker dialog that the drop-down calendar button opens: a month grid with a month
// list, a year field, an optional MJD field, the system-date panel and an optional panel with
// Julian Date and Julian centuries.

#include <QDialog>
#include <QColor>
#include <QMargins>

#include "calendar/extended.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lunoria {

class TKalenderCtrl;
class TSpinButton;

class TvexKalenderDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int Breite = 250;
    static constexpr int Hoehe = 180;

    explicit TvexKalenderDlg(QWidget* parent = nullptr);
    ~TvexKalenderDlg() override;

    TKalenderCtrl* KalenderCtrl1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QComboBox* MonatCombo = nullptr;
    QLineEdit* edJahr = nullptr;
    QLineEdit* edMJD = nullptr;
    QFrame* ShowSysDatumPanel = nullptr;
    QFrame* ShowMJDPanel = nullptr;
    QFrame* ShowMJD2Panel = nullptr;
    QLabel* lbSysTag = nullptr;
    QLabel* lbtag = nullptr;
    QLabel* lbmonatjahr = nullptr;
    QLabel* lbtagvon = nullptr;
    QLabel* lbJD = nullptr;
    QLabel* lbJHd = nullptr;
    TSpinButton* JahrSpin = nullptr;
    TSpinButton* MJDSpin = nullptr;

    int JahrAnzeige() const { return m_JahrAnzeige; }
    Extended MJDAnzeige() const { return m_MJDAnzeige; }
    bool ShowSystemDatum() const { return m_ShowSystemDatum; }
    bool ShowJD_JHd() const { return m_ShowJD_JHd; }
    bool ShowMJDEdit() const { return m_ShowMJDEdit; }

    // Places the dialog's outer frame at the screen point p, under an edit of the given width
    // and height (0 without edit); it moves left or above the edit where the screen ends.
    void Positionieren(QPoint p, int editBreite = 0, int editHoehe = 0);
    void SystemDatumZeigen(bool an);
    void JDJHdZeigen(bool an);
    void MJDEditZeigen(bool an);
    void SetGesperrt(bool an);

public Q_SLOTS:
    void Aktualisieren();
    void MonatComboChange();
    void JahrHoch();
    void JahrRunter();
    void MJDHoch();
    void MJDRunter();
    void KalenderCtrl1DblClick();

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    // Lays out month list, year field and spin button, and the column right of them.
    void KopfzeileLegen();
    void EingabeUebernehmen(QLineEdit* feld);
    // The system date's day in maroon (Sunday) or navy, or a palette colour where that is not
    // readable on the panel.
    void TagFarbeSetzen();
    // What the window manager adds around the dialog: left, title bar, right and bottom.
    QMargins Rahmen() const;
    // Puts the outer frame under (or above) the place last asked for.
    void Platzieren();

    int m_JahrAnzeige = 0;
    Extended m_MJDAnzeige = 0;
    bool m_ShowSystemDatum = true;
    bool m_ShowJD_JHd = false;
    bool m_ShowMJDEdit = false;
    QColor m_TagFarbe;

    // The last place asked for, kept while the dialog is shown.
    QPoint m_Anker;
    int m_AnkerBreite = 0;
    int m_AnkerHoehe = 0;
    bool m_AnkerGesetzt = false;
    QMargins m_RahmenBeimPlatzieren;
    bool m_Platzierend = false;
};

}  // namespace lunoria
