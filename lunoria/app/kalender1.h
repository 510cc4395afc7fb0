#pragma once
// Lunoria's one window: the tabs "Allgemein" (month grid and day facts) and "Astronomie".

#include <QWidget>

#include "calendar/extended.h"

class QGroupBox;
class QLabel;
class QTabWidget;
class QToolButton;

namespace lunoria {

class TKalender1 : public QWidget {
    Q_OBJECT

public:
    explicit TKalender1(QWidget* parent = nullptr);

    // The date and start weekday whose facts the "Allgemein" tab shows.
    Extended Datum() const { return m_Datum; }
    int StartWochentag() const { return m_StartWochentag; }

public Q_SLOTS:
    // Shows the facts of the current date in the "Allgemein" labels.
    void KalenderCtrl1DatumChange();
    // Closes the window, which ends the program.
    void SpeedButton1Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    QLabel* WerteLabel(QWidget* eltern, const char* name, int zeile);

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
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;

    Extended m_Datum = 0;
    int m_StartWochentag = 1;
};

}  // namespace lunoria
