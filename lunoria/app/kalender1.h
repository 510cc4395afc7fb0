// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Lunoria's one window: the tabs "Allgemein" (month grid and day facts) and "Astronomie".

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <optional>
#include <vector>

#include "astronomy/astroinfo.h"
#include "calendar/extended.h"
#include "orte.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QTabWidget;
class QToolButton;

namespace lunoria {

class TKalenderBtn;
class TKalenderCtrl;
class TKalenderEdit;
class TOrtDialog;

class TKalender1 : public QWidget {
    Q_OBJECT

public:
    explicit TKalender1(QWidget* parent = nullptr);

    // How often the "Astronomie" tab has been filled with newly computed data since the window
    // was created.
    int AstronomieBerechnungen() const { return m_AstronomieBerechnungen; }

    // The place of the "Astronomie" tab: its coordinates go to the sun-and-moon objects, its
    // zone (none: the system zone) to every clock time, and the tab is computed anew. With
    // `merken` it is also stored in the settings file for the next start.
    void setOrt(const TOrt& ort, bool merken);
    const TOrt& Ort() const { return m_Ort; }

public Q_SLOTS:
    // Shows the facts of the month grid's date in the "Allgemein" labels.
    void KalenderCtrl1DatumChange();
    // Switches the grid option that the clicked box's tag names.
    void CheckBoxClick(QCheckBox* box);
    // Rows of the grid start on the chosen weekday.
    void ComboBox1Change();
    // Shows the astronomical data of the drop-down button's date on the "Astronomie" tab.
    void KalenderEdit1Change();
    // Takes the time basis of the checked rgZB item for the drop-down button and refreshes the
    // "Astronomie" tab.
    void rgZBClick();
    // Closes the window, which ends the program.
    void SpeedButton1Click();
    // Opens the place window beside the main window.
    void OrtKnopfClick();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FormCreate();
    QLabel* WerteLabel(QWidget* eltern, const char* name, int zeile);
    QLabel* AstroLabel(const char* caption, const char* name, int x, int y, int captionBreite, int wertBreite,
                       Qt::Alignment ausrichtung = Qt::AlignLeft);
    void AstronomieAufbauen();
    // The values' navy, or on a dark palette a palette colour where navy is not readable.
    void FarbenAnpassen();
    // Each value label tied to its caption reads as one line to a screen reader:
    // "Sonnenaufgang: 07:58 Uhr".
    void WerteBenennen();
    // The place's row: name and coordinates, the whole line of the place list in the tooltip.
    void OrtZeigen();
    // The data of the drop-down button's date, time basis and place.
    Astroinfo AstroinfoDesKnopfs();

    QCheckBox* CheckBox(QWidget* eltern, const char* name, const char* text, int tag, bool sichtbar);

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QGroupBox* gbInfo = nullptr;
    QLabel* lbTextWochentag = nullptr;
    QLabel* lbTextMonat = nullptr;
    QLabel* lbJahr = nullptr;
    QLabel* lbDatumLang = nullptr;
    QLabel* lbKalWoche = nullptr;
    QLabel* lbKWStart = nullptr;
    QLabel* lbTageseit = nullptr;
    QLabel* lbTagebis = nullptr;
    QLabel* lbSchaltjahr = nullptr;
    TKalenderCtrl* KalenderCtrl1 = nullptr;
    QCheckBox* cbKalenderwoche = nullptr;
    QCheckBox* cbTagesmarker = nullptr;
    QCheckBox* cbSysDatBmp = nullptr;
    QCheckBox* cbShowCaption = nullptr;
    QLabel* lbStartWochentag = nullptr;
    QComboBox* ComboBox1 = nullptr;
    TKalenderEdit* KalenderEdit1 = nullptr;
    TKalenderBtn* KalenderBtn1 = nullptr;
    QLabel* lbJD = nullptr;
    QLabel* lbMJD = nullptr;
    QLabel* lbJHd = nullptr;
    QLabel* lbMondPhase = nullptr;
    QLabel* lbSonneAuf = nullptr;
    QLabel* lbSonneUnter = nullptr;
    QLabel* lbMondAuf = nullptr;
    QLabel* lbMondUnter = nullptr;
    QLabel* lbGMT = nullptr;
    QLabel* lbZeitzone = nullptr;
    QLabel* lbStartSommerzeit = nullptr;
    QLabel* lbEndeSommerzeit = nullptr;
    QLabel* lbFruehling = nullptr;
    QLabel* lbSommer = nullptr;
    QLabel* lbHerbst = nullptr;
    QLabel* lbWinter = nullptr;
    QLabel* lbNaeherung = nullptr;  // the note on rough estimates, shown for far years only
    QFrame* Panel1 = nullptr;       // raised frame around the moon picture
    QLabel* Image1 = nullptr;       // the moon picture, 120 x 120
    QLabel* MondImage = nullptr;    // hidden holder of the full-moon bitmap
    QGroupBox* rgZB = nullptr;      // hidden choice of the time basis
    QButtonGroup* rgZBItems = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    int m_AstronomieBerechnungen = 0;
    std::vector<QLabel*> m_WerteLabels;  // the labels shown in navy
    QLabel* lbOrt = nullptr;             // "Ort: Bad Mergentheim (49,47° N, 9,65° O)"
    QToolButton* OrtKnopf = nullptr;     // "Ort…", opens the place window
    TOrt m_Ort;
    QPointer<TOrtDialog> m_OrtDialog;  // the open place window, raised again by the button

    // What the "Astronomie" tab shows: the button's date, time basis and place.
    struct TAstroStand {
        Extended ModJulDat;
        int ZeitBasis;
        Extended Breite;
        Extended Laenge;
        std::string Zone;  // the place's zone changes the clock times at the same coordinates
        bool operator==(const TAstroStand&) const = default;
    };
    std::optional<TAstroStand> m_AstroStand;
    QImage m_Vollmond;    // the picture of MondImage, converted once
    QImage m_Vollmond2x;  // the same full moon at twice the size, for screens of ratio above 1
};

}  // namespace lunoria
