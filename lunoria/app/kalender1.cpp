#include "kalender1.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>

#include "calendar/datumstext.h"
#include "calendar/julian.h"
#include "tagesinfo.h"

namespace lunoria {

namespace {

constexpr int FensterBreite = 544;
constexpr int FensterHoehe = 374;

// Rows of the facts group: caption texts in the order of their value labels.
constexpr const char* InfoCaptions[] = {
    "Wochentag:",    "Monat:",          "Jahr:",           "langes Datum:", "Kalenderwoche:",
    "beginnt am:",   "Tage seit 1.1.:", "Tage bis 31.12.:", "Schaltjahr:",
};

constexpr int InfoZeilenAbstand = 22;
constexpr int InfoErsteZeile = 22;
constexpr int InfoCaptionX = 10;
constexpr int InfoWertX = 100;
constexpr int InfoBreite = 270;

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

QToolButton* SchliessenKnopf(QWidget* eltern, const char* name)
{
    auto* knopf = new QToolButton(eltern);
    knopf->setObjectName(QLatin1String(name));
    knopf->setText(QStringLiteral("Schließen"));
    knopf->setAutoRaise(true);  // flat until the pointer is over it
    knopf->setGeometry(436, 286, 88, 25);
    return knopf;
}

}  // namespace

TKalender1::TKalender1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Kalender1"));
    setWindowTitle(QStringLiteral(" Brinvale Kalender"));
    QFont schrift;
    schrift.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    schrift.setPointSize(8);
    setFont(schrift);
    resize(FensterBreite, FensterHoehe);
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen()) {
        const QRect frei = bildschirm->availableGeometry();
        move(frei.center() - QPoint(FensterBreite / 2, FensterHoehe / 2));
    }

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, FensterBreite, FensterHoehe);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Allgemein"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Astronomie"));

    gbInfo = new QGroupBox(QStringLiteral(" Allgemeine Info's: "), TabSheet1);
    gbInfo->setObjectName(QStringLiteral("gbInfo"));
    gbInfo->setGeometry(258, 8, InfoBreite, 22 + 9 * InfoZeilenAbstand + 6);
    for (int zeile = 0; zeile < 9; ++zeile) {
        auto* caption = new QLabel(QString::fromUtf8(InfoCaptions[zeile]), gbInfo);
        caption->setGeometry(InfoCaptionX, InfoErsteZeile + zeile * InfoZeilenAbstand, InfoWertX - InfoCaptionX, 18);
    }
    lbTextWochentag = WerteLabel(gbInfo, "lbTextWochentag", 0);
    lbTextMonat = WerteLabel(gbInfo, "lbTextMonat", 1);
    lbJahr = WerteLabel(gbInfo, "lbJahr", 2);
    lbDatumLang = WerteLabel(gbInfo, "lbDatumLang", 3);
    lbKalWoche = WerteLabel(gbInfo, "lbKalWoche", 4);
    lbKWStart = WerteLabel(gbInfo, "lbKWStart", 5);
    lbTageseit = WerteLabel(gbInfo, "lbTageseit", 6);
    lbTagebis = WerteLabel(gbInfo, "lbTagebis", 7);
    lbSchaltjahr = WerteLabel(gbInfo, "lbSchaltjahr", 8);

    SpeedButton1 = SchliessenKnopf(TabSheet1, "SpeedButton1");
    SpeedButton2 = SchliessenKnopf(TabSheet2, "SpeedButton2");
    connect(SpeedButton1, &QToolButton::clicked, this, &TKalender1::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TKalender1::SpeedButton1Click);

    PageControl1->setCurrentWidget(TabSheet2);  // the astronomy tab is the one shown at start
    FormCreate();
}

void TKalender1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PageControl1->setGeometry(rect());
}

QLabel* TKalender1::WerteLabel(QWidget* eltern, const char* name, int zeile)
{
    auto* label = new QLabel(eltern);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(InfoWertX, InfoErsteZeile + zeile * InfoZeilenAbstand, InfoBreite - InfoWertX - 6, 18);
    QPalette farben = label->palette();
    farben.setColor(QPalette::WindowText, QColor(0, 0, 128));  // navy
    label->setPalette(farben);
    return label;
}

void TKalender1::FormCreate()
{
    // The grid's go-to-today: the facts of today's date.
    m_Datum = MJDHeute();
    KalenderCtrl1DatumChange();
}

void TKalender1::KalenderCtrl1DatumChange()
{
    const Tagesinfo info = TagesinfoBerechnen(m_Datum, m_StartWochentag);
    lbTextWochentag->setText(Q(info.Wochentagname));
    lbTextMonat->setText(Q(info.Monatsname));
    lbJahr->setText(QString::number(info.Jahr));
    lbDatumLang->setText(Q(info.LangesDatum));
    if (info.KWBeginn != -1) {
        lbKalWoche->setText(QString::number(info.KW));
        lbKWStart->setText(Q(MJDZuTextDatum(info.KWBeginn)));
    } else {
        lbKalWoche->clear();
        lbKWStart->clear();
    }
    lbTageseit->setText(QString::number(info.TageSeit));
    lbTagebis->setText(QString::number(info.TageBis));
    lbSchaltjahr->setText(info.Schaltjahr ? QStringLiteral("Ja") : QStringLiteral("Nein"));
}

void TKalender1::SpeedButton1Click()
{
    close();
}

}  // namespace lunoria
