// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "kalenderdlg.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <initializer_list>

#include "calendar/datumstext.h"
#include "calendar/julian.h"
#include "calendar/regional.h"
#include "calendar/zahlformat.h"
#include "farben.h"
#include "kalenderctrl.h"
#include "meldungsbox.h"
#include "schriften.h"
#include "spinbutton.h"
#include "zeichenkette.h"

namespace lunoria {

namespace {

QLabel* Beschriftung(QWidget* eltern, const char* name, const QString& text, QRect lage, Qt::Alignment ausrichtung)
{
    auto* l = new QLabel(text, eltern);
    if (name)
        l->setObjectName(QLatin1String(name));
    l->setGeometry(lage);
    l->setAlignment(ausrichtung);
    return l;
}

// A whole number as typed into the year field: the conversion's message on failure.
bool GanzeZahl(const QString& text, int& wert, QString& meldung)
{
    if (TextZuZahl(text.toStdString(), wert))
        return true;
    meldung = QStringLiteral("'%1' ist kein gültiger ganzzahliger Wert").arg(text);
    return false;
}

// A number as typed into the MJD field.
bool Zahl(const QString& text, Extended& wert, QString& meldung)
{
    const std::string s = text.toStdString();
    char* ende = nullptr;
    errno = 0;
    const long double x = std::strtold(s.c_str(), &ende);
    if (s.empty() || ende != s.c_str() + s.size() || errno == ERANGE || !std::isfinite(x)) {
        meldung = QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text);
        return false;
    }
    wert = x;
    return true;
}

}  // namespace

TvexKalenderDlg::TvexKalenderDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("vexKalenderDlg"));
    QFont schrift;
    InstallierteFamilie(schrift, FensterFamilien());
    schrift.setPointSize(8);
    setFont(schrift);
    setToolTip(QStringLiteral("Kalender"));
    setModal(true);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(158, 5, 81, 23);
    OKBtn->setToolTip(QStringLiteral("Datum übernehmen"));
    OKBtn->setDefault(true);  // Enter takes the date, Escape leaves without
    OKBtn->setAutoDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(158, 29, 81, 23);
    CancelBtn->setToolTip(QStringLiteral("Kalender ohne Datum beenden"));
    CancelBtn->setAutoDefault(true);  // Enter on the focused button presses it
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    MonatCombo = new QComboBox(this);
    MonatCombo->setObjectName(QStringLiteral("MonatCombo"));
    MonatCombo->setGeometry(2, 5, 91, 21);
    MonatCombo->setMaxVisibleItems(12);
    MonatCombo->setToolTip(QStringLiteral("Monat ändern"));
    MonatCombo->setAccessibleName(QStringLiteral("Monat"));
    edJahr = new QLineEdit(this);
    edJahr->setObjectName(QStringLiteral("edJahr"));
    edJahr->setGeometry(98, 5, 42, 21);
    edJahr->setMaxLength(9);
    edJahr->setProperty("Tag", 0);
    edJahr->setToolTip(QStringLiteral("Jahr"));
    edJahr->setAccessibleName(QStringLiteral("Jahr"));
    edJahr->installEventFilter(this);

    KalenderCtrl1 = new TKalenderCtrl(this);
    KalenderCtrl1->setObjectName(QStringLiteral("KalenderCtrl1"));
    KalenderCtrl1->setAccessibleName(QStringLiteral("Kalender"));
    KalenderCtrl1->move(2, 31);
    KalenderCtrl1->setFont(schrift);
    KalenderCtrl1->setAussehen(kst_win95);
    KalenderCtrl1->setStartWochentag(1);
    KalenderCtrl1->setZeitBasis(kzbGerman);
    KalenderCtrl1->setUseDefaultDatum(false);
    connect(KalenderCtrl1, &TKalenderCtrl::OnDatumChange, this, &TvexKalenderDlg::Aktualisieren);
    connect(KalenderCtrl1, &TKalenderCtrl::OnDblClick, this, &TvexKalenderDlg::KalenderCtrl1DblClick);

    ShowSysDatumPanel = new QFrame(this);
    ShowSysDatumPanel->setObjectName(QStringLiteral("ShowSysDatumPanel"));
    ShowSysDatumPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ShowSysDatumPanel->resize(81, 57);
    ShowSysDatumPanel->setToolTip(QStringLiteral("Systemdatum"));
    lbSysTag = Beschriftung(ShowSysDatumPanel, "lbSysTag", {}, {2, 2, 77, 13}, Qt::AlignCenter);
    lbtag = Beschriftung(ShowSysDatumPanel, "lbtag", {}, {2, 14, 77, 16}, Qt::AlignCenter);
    QFont fett = schrift;
    fett.setBold(true);
    lbtag->setFont(fett);
    lbmonatjahr = Beschriftung(ShowSysDatumPanel, "lbmonatjahr", {}, {2, 29, 77, 13}, Qt::AlignCenter);
    lbtagvon = Beschriftung(ShowSysDatumPanel, "lbtagvon", {}, {2, 42, 77, 13}, Qt::AlignCenter);

    ShowMJDPanel = new QFrame(this);
    ShowMJDPanel->setObjectName(QStringLiteral("ShowMJDPanel"));
    ShowMJDPanel->setGeometry(159, 55, 83, 35);
    Beschriftung(ShowMJDPanel, nullptr, QStringLiteral("ModJulDat:"), {0, 0, 80, 13}, Qt::AlignLeft | Qt::AlignVCenter);
    edMJD = new QLineEdit(ShowMJDPanel);
    edMJD->setObjectName(QStringLiteral("edMJD"));
    edMJD->setGeometry(0, 13, 66, 21);
    edMJD->setMaxLength(9);
    edMJD->setProperty("Tag", 1);
    edMJD->setToolTip(QStringLiteral("Modifiziertes Julianisches Datum"));
    edMJD->setAccessibleName(QStringLiteral("Modifiziertes Julianisches Datum"));
    edMJD->installEventFilter(this);

    ShowMJD2Panel = new QFrame(this);
    ShowMJD2Panel->setObjectName(QStringLiteral("ShowMJD2Panel"));
    ShowMJD2Panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ShowMJD2Panel->resize(81, 55);
    ShowMJD2Panel->setToolTip(QStringLiteral("Modifiziertes Datum und Julianische Jahrhunderte seit 01.01.2000"));
    Beschriftung(ShowMJD2Panel, nullptr, QStringLiteral("JulDat:"), {3, 2, 75, 13}, Qt::AlignLeft | Qt::AlignVCenter);
    lbJD = Beschriftung(ShowMJD2Panel, "lbJD", {}, {3, 14, 75, 13}, Qt::AlignRight | Qt::AlignVCenter);
    Beschriftung(ShowMJD2Panel, nullptr, QStringLiteral("JulJHd:"), {3, 27, 75, 13}, Qt::AlignLeft | Qt::AlignVCenter);
    lbJHd = Beschriftung(ShowMJD2Panel, "lbJHd", {}, {3, 39, 75, 13}, Qt::AlignRight | Qt::AlignVCenter);

    connect(MonatCombo, &QComboBox::activated, this, &TvexKalenderDlg::MonatComboChange);
    FormCreate();
}

TvexKalenderDlg::~TvexKalenderDlg() = default;

void TvexKalenderDlg::FormCreate()
{
    setWindowTitle(QStringLiteral("Kalender"));
    setFixedSize(Breite, Hoehe);  // not resizable

    KalenderCtrl1->FensterErzeugen();
    KalenderCtrl1->setShowCaption(false);
    KalenderCtrl1->ZumSystemDatum();

    // The system-date panel shows the date of creation.
    const auto& e = RegionaleEinstellungen();
    const Extended d = KalenderCtrl1->ModJulDat();
    const int monat = KalenderCtrl1->Monat();
    lbSysTag->setText(Q(e.LangeTagNamen[static_cast<std::size_t>(Wochentag(0, d))]));
    lbtag->setText(QStringLiteral("%1.").arg(KalenderCtrl1->Day()));
    m_TagFarbe = Wochentag(0, d) == 0 ? QColor(128, 0, 0) : QColor(0, 0, 128);
    TagFarbeSetzen();
    const int seit = TagDesJahres(d);
    lbtagvon->setText(
        QStringLiteral("%1 - %2").arg(seit).arg(TagDesJahres(MJDAusDatum(31, 12, KalenderCtrl1->Jahr(), 0)) - seit));
    const QString lang = Q(e.LangeMonatsNamen[static_cast<std::size_t>(monat - 1)]);
    if (lang.size() <= 5) {
        lbmonatjahr->setText(QStringLiteral("%1 %2").arg(lang).arg(KalenderCtrl1->Jahr()));
    } else {
        // A short name is followed by a period unless the locale's own name already ends in one
        // ("Dez." in German).
        QString kurz = Q(e.KurzeMonatsNamen[static_cast<std::size_t>(monat - 1)]);
        if (!kurz.endsWith(QLatin1Char('.')))
            kurz += QLatin1Char('.');
        lbmonatjahr->setText(QStringLiteral("%1 %2").arg(kurz).arg(KalenderCtrl1->Jahr()));
    }

    m_ShowMJDEdit = false;
    ShowMJDPanel->hide();
    m_ShowJD_JHd = false;
    ShowMJD2Panel->hide();
    ShowMJD2Panel->move(158, 94);
    m_ShowSystemDatum = true;
    ShowSysDatumPanel->show();
    ShowSysDatumPanel->move(158, 94);

    for (const std::string& name : e.LangeMonatsNamen)
        MonatCombo->addItem(Q(name));

    JahrSpin = new TSpinButton(this);
    JahrSpin->setObjectName(QStringLiteral("JahrSpin"));
    JahrSpin->setGeometry(140, 5, 13, 21);
    JahrSpin->setFocusControl(this);
    JahrSpin->setFocusPolicy(Qt::TabFocus);  // Up and Down step the year
    JahrSpin->setAccessibleName(QStringLiteral("Jahr ändern"));
    JahrSpin->ObereHaelfte()->setAccessibleName(QStringLiteral("Nächstes Jahr"));
    JahrSpin->UntereHaelfte()->setAccessibleName(QStringLiteral("Vorheriges Jahr"));
    connect(JahrSpin, &TSpinButton::OnUpClick, this, &TvexKalenderDlg::JahrHoch);
    connect(JahrSpin, &TSpinButton::OnDownClick, this, &TvexKalenderDlg::JahrRunter);
    MJDSpin = new TSpinButton(ShowMJDPanel);
    MJDSpin->setObjectName(QStringLiteral("MJDSpin"));
    MJDSpin->setGeometry(66, 13, 13, 21);
    MJDSpin->setFocusControl(ShowMJDPanel);
    MJDSpin->setFocusPolicy(Qt::TabFocus);
    MJDSpin->setAccessibleName(QStringLiteral("Modifiziertes Julianisches Datum ändern"));
    MJDSpin->ObereHaelfte()->setAccessibleName(QStringLiteral("Nächster Tag"));
    MJDSpin->UntereHaelfte()->setAccessibleName(QStringLiteral("Vorheriger Tag"));
    connect(MJDSpin, &TSpinButton::OnUpClick, this, &TvexKalenderDlg::MJDHoch);
    connect(MJDSpin, &TSpinButton::OnDownClick, this, &TvexKalenderDlg::MJDRunter);
    KopfzeileLegen();
    // Tab goes through the dialog as it reads: the top row, Cancel below OK, the grid, then the
    // MJD field when it is shown.
    QWidget* reihe[] = {MonatCombo, edJahr, JahrSpin, OKBtn, CancelBtn, KalenderCtrl1, edMJD, MJDSpin};
    for (std::size_t i = 1; i < std::size(reihe); ++i)
        setTabOrder(reihe[i - 1], reihe[i]);
    Aktualisieren();
}

void TvexKalenderDlg::TagFarbeSetzen()
{
    const QPalette& pal = QApplication::palette();
    QPalette farben = lbtag->palette();
    farben.setColor(QPalette::WindowText,
                    DunklePalette(pal) ? LesbareFarbe(m_TagFarbe, pal.color(QPalette::Window),
                                                      {pal.color(QPalette::Link), pal.color(QPalette::WindowText)})
                                       : m_TagFarbe);
    lbtag->setPalette(farben);
}

void TvexKalenderDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The keys pick a day at once: the grid has the focus whenever the dialog opens.
    KalenderCtrl1->setFocus(Qt::OtherFocusReason);
}

void TvexKalenderDlg::KopfzeileLegen()
{
    // The year field shows a sign and seven digits whole (the years run to 5879490), the spin
    // button right beside it. The month list keeps the width of its longest name where the
    // right column of buttons and panels can move right for it, up to a small margin at the
    // dialog's edge; beyond that the list gives up width, the year field never.
    constexpr int luecke = 3;
    constexpr int rand = 4;
    const int jahrBreite = std::max(42, EditBreite(*edJahr, QStringLiteral("-8888888")));
    const int spinBreite = JahrSpin->width();
    const int spalteAlt = OKBtn->x();
    const int spalte = std::clamp(
        MonatCombo->x() + MonatCombo->sizeHint().width() + luecke + jahrBreite + spinBreite + rand, spalteAlt,
        Breite - OKBtn->width() - rand);
    const int jahrLinks = spalte - rand - spinBreite - jahrBreite;
    MonatCombo->resize(jahrLinks - luecke - MonatCombo->x(), MonatCombo->height());
    edJahr->setGeometry(jahrLinks, edJahr->y(), jahrBreite, edJahr->height());
    JahrSpin->move(edJahr->geometry().right() + 1, JahrSpin->y());
    for (QWidget* w : std::initializer_list<QWidget*>{OKBtn, CancelBtn, ShowSysDatumPanel, ShowMJDPanel, ShowMJD2Panel})
        w->move(w->x() + spalte - spalteAlt, w->y());
}

void TvexKalenderDlg::Aktualisieren()
{
    if (!MonatCombo || !edMJD || !lbJHd)
        return;
    MonatCombo->setCurrentIndex(KalenderCtrl1->Monat() - 1);
    m_JahrAnzeige = KalenderCtrl1->Jahr();
    edJahr->setText(QString::number(m_JahrAnzeige));
    m_MJDAnzeige = KalenderCtrl1->ModJulDat();
    edMJD->setText(Q(FormatFloat("#0", m_MJDAnzeige)));
    lbJD->setText(Q(FormatFloat("#,#0.000", KalenderCtrl1->JulDat())));
    lbJHd->setText(Q(FormatFloat("#,#0.00000000", KalenderCtrl1->JulJHd())));
}

void TvexKalenderDlg::MonatComboChange()
{
    KalenderCtrl1->setMonat(MonatCombo->currentIndex() + 1);
}

void TvexKalenderDlg::JahrHoch()
{
    if (m_JahrAnzeige < KalenderCtrl1->MaxJahr()) {
        ++m_JahrAnzeige;
        KalenderCtrl1->setJahr(m_JahrAnzeige);
    }
}

void TvexKalenderDlg::JahrRunter()
{
    if (m_JahrAnzeige > KalenderCtrl1->MinJahr()) {
        --m_JahrAnzeige;
        KalenderCtrl1->setJahr(m_JahrAnzeige);
    }
}

void TvexKalenderDlg::MJDHoch()
{
    m_MJDAnzeige += 1;
    KalenderCtrl1->setModJulDat(m_MJDAnzeige);
}

void TvexKalenderDlg::MJDRunter()
{
    m_MJDAnzeige -= 1;
    KalenderCtrl1->setModJulDat(m_MJDAnzeige);
}

void TvexKalenderDlg::KalenderCtrl1DblClick()
{
    if (KalenderCtrl1->TagAngeklickt())
        accept();
}

bool TvexKalenderDlg::eventFilter(QObject* objekt, QEvent* event)
{
    auto* feld = qobject_cast<QLineEdit*>(objekt);
    if (!feld || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(objekt, event);
    auto* taste = static_cast<QKeyEvent*>(event);
    if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
        EingabeUebernehmen(feld);
        return true;
    }
    const QString zeichen = taste->text();
    if (zeichen.size() != 1 || taste->key() == Qt::Key_Backspace || !zeichen[0].isPrint())
        return QDialog::eventFilter(objekt, event);
    const QChar c = zeichen[0];
    // Only digits and a leading minus sign can be typed.
    if (c == QLatin1Char('-')) {
        const qsizetype minus = feld->text().indexOf(QLatin1Char('-'));
        if (minus >= 1)
            return true;
        return QDialog::eventFilter(objekt, event);
    }
    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
        return true;
    return QDialog::eventFilter(objekt, event);
}

void TvexKalenderDlg::EingabeUebernehmen(QLineEdit* feld)
{
    const QString text = feld->text();
    if (text.isEmpty() || text == QStringLiteral("-"))
        return;
    QString meldung;
    if (feld == edJahr) {
        int jahr = 0;
        if (GanzeZahl(text, jahr, meldung)) {
            m_JahrAnzeige = std::clamp(jahr, KalenderCtrl1->MinJahr(), KalenderCtrl1->MaxJahr());
            KalenderCtrl1->setJahr(m_JahrAnzeige);
        } else {
            ZeigeMeldung(this, windowTitle(), QStringLiteral("KalenderCtrl:\n\r\n\r%1.").arg(meldung),
                         TMeldungsArt::Fehler);
            m_JahrAnzeige = KalenderCtrl1->Jahr();
            KalenderCtrl1->setJahr(m_JahrAnzeige);
            Aktualisieren();
        }
    } else {
        Extended x = 0;
        if (Zahl(text, x, meldung)) {
            Extended ganz;
            m_MJDAnzeige = std::modf(m_MJDAnzeige, &ganz) + x;  // the time of day stays
            KalenderCtrl1->setModJulDat(m_MJDAnzeige);
        } else {
            ZeigeMeldung(this, windowTitle(), QStringLiteral("KalenderCtrl:\n\r\n\r%1.").arg(meldung),
                         TMeldungsArt::Fehler);
            m_MJDAnzeige = KalenderCtrl1->ModJulDat();
            KalenderCtrl1->setModJulDat(m_MJDAnzeige);
        }
    }
    feld->selectAll();
}

void TvexKalenderDlg::Positionieren(QPoint p, int editBreite, int editHoehe)
{
    m_Anker = p;
    m_AnkerBreite = editBreite;
    m_AnkerHoehe = editHoehe;
    m_AnkerGesetzt = true;
    Platzieren();
}

namespace {

// What the window manager adds around a shown window: left, title bar, right and bottom.
QMargins RahmenVon(const QWidget* w)
{
    const QRect aussen = w->frameGeometry();
    const QRect innen = w->geometry();
    return QMargins(innen.left() - aussen.left(), innen.top() - aussen.top(), aussen.right() - innen.right(),
                    aussen.bottom() - innen.bottom());
}

}  // namespace

QMargins TvexKalenderDlg::Rahmen() const
{
    const QMargins eigener = RahmenVon(this);
    if (!eigener.isNull())
        return eigener;
    // Until it has been shown once, the window system has not told the dialog its frame; the
    // program's active window carries the frame that the window manager draws.
    const QWidget* vorbild = QApplication::activeWindow();
    if (vorbild && vorbild != this && vorbild->isVisible())
        return RahmenVon(vorbild);
    return {};
}

void TvexKalenderDlg::Platzieren()
{
    // Placed by its outer frame, title bar included, so that neither the title bar nor the
    // frame covers the edit above it or below it.
    m_RahmenBeimPlatzieren = Rahmen();
    const QMargins& r = m_RahmenBeimPlatzieren;
    const int aussenBreite = Breite + r.left() + r.right();
    const int aussenHoehe = Hoehe + r.top() + r.bottom();
    QRect schirm(0, 0, 1 << 20, 1 << 20);
    const QScreen* s = QGuiApplication::screenAt(m_Anker);
    if (!s)
        s = QGuiApplication::primaryScreen();
    if (s)
        schirm = s->availableGeometry();
    int links = m_Anker.x();
    int oben = m_Anker.y();
    if (schirm.x() + schirm.width() < links + aussenBreite)
        links = m_Anker.x() + m_AnkerBreite + 22 - aussenBreite;  // right edge 22 pixels right of the edit's
    if (schirm.y() + schirm.height() < oben + aussenHoehe + 2)
        oben = m_Anker.y() - m_AnkerHoehe - aussenHoehe;  // above the edit
    if (RahmenVon(this).isNull()) {
        // Frame not known yet: a window's position is that of its frame, and the window system
        // puts the frame's corner there.
        resize(Breite, Hoehe);
        move(links, oben);
    } else {
        setGeometry(links + r.left(), oben + r.top(), Breite, Hoehe);
    }
}

bool TvexKalenderDlg::event(QEvent* event)
{
    const bool ergebnis = QDialog::event(event);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
        // The window system reports the frame once the dialog is shown; where it differs from
        // the one assumed, the place is worked out again.
        if (m_AnkerGesetzt && isVisible() && !m_Platzierend && Rahmen() != m_RahmenBeimPlatzieren) {
            m_Platzierend = true;
            Platzieren();
            m_Platzierend = false;
        }
        break;
    case QEvent::Hide: m_AnkerGesetzt = false; break;
    case QEvent::ApplicationPaletteChange: TagFarbeSetzen(); break;
    default: break;
    }
    return ergebnis;
}

void TvexKalenderDlg::SystemDatumZeigen(bool an)
{
    if (an == m_ShowSystemDatum)
        return;
    m_ShowSystemDatum = an;
    ShowSysDatumPanel->setVisible(an);
    JDJHdZeigen(false);
}

void TvexKalenderDlg::MJDEditZeigen(bool an)
{
    if (an == m_ShowMJDEdit)
        return;
    m_ShowMJDEdit = an;
    ShowMJDPanel->setVisible(an);
}

void TvexKalenderDlg::JDJHdZeigen(bool an)
{
    if (an == m_ShowJD_JHd)
        return;
    m_ShowJD_JHd = an && !m_ShowSystemDatum;  // the two panels share one place
    ShowMJD2Panel->setVisible(m_ShowJD_JHd);
}

void TvexKalenderDlg::SetGesperrt(bool an)
{
    KalenderCtrl1->SetGesperrt(an);
    MonatCombo->setEnabled(!an);
    edJahr->setEnabled(MonatCombo->isEnabled());
    JahrSpin->setEnabled(MonatCombo->isEnabled());
    MJDSpin->setEnabled(MonatCombo->isEnabled());
}

}  // namespace lunoria
