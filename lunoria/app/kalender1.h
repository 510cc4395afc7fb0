#pragma once
// Lunoria's one window: the tabs "Allgemein" (month grid and day facts) and "Astronomie".

#include <QWidget>

#include "calendar/extended.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QTabWidget;
class QToolButton;

namespace lunoria {

class TKalenderCtrl;

class TKalender1 : public QWidget {
    Q_OBJECT

public:
    explicit TKalender1(QWidget* parent = nullptr);

public Q_SLOTS:
    // Shows the facts of the month grid's date in the "Allgemein" labels.
    void KalenderCtrl1DatumChange();
    // Switches the grid option that the clicked box's tag names.
    void CheckBoxClick(QCheckBox* box);
    // Rows of the grid start on the chosen weekday.
    void ComboBox1Change();
    // Closes the window, which ends the program.
    void SpeedButton1Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    QLabel* WerteLabel(QWidget* eltern, const char* name, int zeile);

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
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
};

}  // namespace lunoria
