// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "perpcal.h"

#include "pad/contrast.h"
#include "pad/datehelpers.h"
#include "pad/errors.h"
#include "pad/padfonts.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QStyle>
#include <QAbstractItemView>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextCharFormat>

#include <algorithm>
#include <utility>

namespace deskora {

namespace {

// Fonts are asked for in points of a 96-dpi screen, so the layout's pixel sizes hold.
QFont ArialFont(int points)
{
    return PadFont(ArialFamilies(), points);
}

constexpr int HeaderHeight = 14;
constexpr int MinYear = 1981;
constexpr int MaxYear = 2099;

// The year field. QSpinBox refuses a digit that would leave its range, so "2150" could not even
// be typed; here any number of up to four digits may stand while the field is edited, and
// leaving it clamps the number into the range. Anything that is no number becomes the first
// year.
class TYearSpinBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString& input, int& /*pos*/) const override
    {
        if (input.size() > 4)
            return QValidator::Invalid;
        for (const QChar c : input) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return QValidator::Invalid;
        }
        const int year = input.toInt();
        return !input.isEmpty() && minimum() <= year && year <= maximum()
                   ? QValidator::Acceptable
                   : QValidator::Intermediate;
    }

    void fixup(QString& input) const override
    {
        bool ok = false;
        const int year = input.trimmed().toInt(&ok);
        input = QString::number(ok ? std::clamp(year, minimum(), maximum()) : minimum());
    }
};

// The dialog's colours: the black text of its fields where black reads on the palette's fields
// (a light palette), the palette's own text where it does not (a dark one); and every other
// text of the palette moved just far enough from its background to read, the days of the
// neighbouring months (drawn in the disabled text colour) and the marked day among them.
QPalette ReadablePalette(const QPalette& given)
{
    QPalette palette = given;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const auto colour = [&](QPalette::ColorRole role) { return given.color(group, role); };
        const QColor field = colour(QPalette::Base);
        const QColor window = colour(QPalette::Window);
        const QColor button = colour(QPalette::Button);
        palette.setColor(group, QPalette::Text,
                         WantedOrFallback(Qt::black, ReadableOn(colour(QPalette::Text), field),
                                          {field, button}));
        palette.setColor(
            group, QPalette::WindowText,
            WantedOrFallback(Qt::black, ReadableOn(colour(QPalette::WindowText), window),
                             {window}));
        palette.setColor(group, QPalette::ButtonText,
                         ReadableOn(colour(QPalette::ButtonText), button));
        palette.setColor(group, QPalette::PlaceholderText,
                         ReadableOn(colour(QPalette::PlaceholderText), field));
        palette.setColor(
            group, QPalette::Highlight,
            ReadableOn(colour(QPalette::Highlight), colour(QPalette::HighlightedText)));
    }
    palette.setColor(QPalette::Disabled, QPalette::Text,
                     ReadableOn(given.color(QPalette::Disabled, QPalette::Text),
                                given.color(QPalette::Active, QPalette::Base)));
    return palette;
}

// The grid's cells as the stock grid paints them, but without the style's focus mark: Fusion
// lays a translucent tint over the whole focused cell, letters included, which takes the marked
// day below the readable contrast of its colours (4.1:1 on a dark palette). The focused cell
// gets a one-pixel ring in its own text colour instead, which leaves the letters alone.
class TCellDelegate : public QStyledItemDelegate {
public:
    TCellDelegate(QAbstractItemDelegate* stock, QObject* parent)
        : QStyledItemDelegate(parent),
          FStock(stock)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem plain = option;
        plain.state &= ~QStyle::State_HasFocus;
        FStock->paint(painter, plain, index);
        if (!(option.state & QStyle::State_HasFocus))
            return;
        const QPalette::ColorGroup group = option.state & QStyle::State_Active ? QPalette::Active
                                                                               : QPalette::Inactive;
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->setPen(
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return FStock->sizeHint(option, index);
    }

private:
    QAbstractItemDelegate* FStock;  // the calendar's own, which it keeps
};

}  // namespace

TStockCalendar::TStockCalendar(QWidget* parent) : QCalendarWidget(parent)
{
    setFirstDayOfWeek(Qt::Monday);
    setNavigationBarVisible(false);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // The headings are painted above the grid from the process-wide names, which need not be
    // those of any locale.
    setHorizontalHeaderFormat(QCalendarWidget::NoHorizontalHeader);
    setContentsMargins(0, HeaderHeight, 0, 0);
    setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    setGridVisible(false);
    // Typing digits into the grid would open Qt's own date editor over it; the year field is
    // the place for typing.
    setDateEditEnabled(false);
    // Saturday and Sunday in the text colour like the other days, which the red of the stock
    // grid would not be: it reads on neither a white nor a dark field.
    setWeekdayTextFormat(Qt::Saturday, QTextCharFormat());
    setWeekdayTextFormat(Qt::Sunday, QTextCharFormat());
    // Six week rows must fit into the small grid: let the rows shrink below the style's
    // usual minimum.
    if (auto* view = findChild<QTableView*>()) {
        view->verticalHeader()->setMinimumSectionSize(8);
        view->horizontalHeader()->setMinimumSectionSize(8);
        view->setFrameStyle(QFrame::NoFrame);
        view->setAccessibleName(QStringLiteral("Tage"));
        view->setItemDelegate(new TCellDelegate(view->itemDelegate(), view));
    }
    // The hidden navigation bar's buttons, named for a screen reader that lists them anyway.
    const struct {
        const char* object;
        const char* name;
    } navigation[] = {{"qt_calendar_prevmonth", "Voriger Monat"},
                      {"qt_calendar_nextmonth", "Nächster Monat"},
                      {"qt_calendar_monthbutton", "Monat"},
                      {"qt_calendar_yearbutton", "Jahr"},
                      {"qt_calendar_yearedit", "Jahr"}};
    for (const auto& part : navigation) {
        if (auto* widget = findChild<QWidget*>(QLatin1String(part.object)))
            widget->setAccessibleName(QString::fromUtf8(part.name));
    }
}

void TStockCalendar::paintEvent(QPaintEvent* event)
{
    QCalendarWidget::paintEvent(event);
    QPainter painter(this);
    const QRect strip(0, 0, width(), HeaderHeight);
    painter.fillRect(strip, palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.setFont(font());
    const QStringList& names = NameSettings().ShortDayNames;
    const int columnWidth = width() / 7;
    for (int column = 0; column < 7; ++column) {
        // Monday first; the name lists start with Sunday.
        const int index = (column + 1) % 7;
        const QString name = index < names.size() ? names.at(index) : QString();
        const QRect cell(column * columnWidth, 0,
                         column == 6 ? width() - 6 * columnWidth : columnWidth, HeaderHeight);
        painter.drawText(cell, Qt::AlignCenter, name);
    }
}

TPerpetualCalendarDlg::TPerpetualCalendarDlg(QWidget* parent) : QDialog(parent)
{
    // FormCreate: a dialog border without any title-bar buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("Kalender"));
    setFixedSize(193, 171);
    setPalette(ReadablePalette(palette()));

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setGeometry(0, 0, 193, 171);

    Month = new QComboBox(panel);
    Month->setGeometry(5, 5, 126, 24);
    Month->setFont(ArialFont(10));
    Month->setAccessibleName(QStringLiteral("Monat"));
    Month->view()->setAccessibleName(QStringLiteral("Monate"));
    // A screen reader names a drop-down list by its label and reads the chosen month as its
    // value; the label stays out of sight, the list shows what it is.
    auto* monthLabel = new QLabel(QStringLiteral("Monat"), panel);
    monthLabel->setBuddy(Month);
    monthLabel->hide();
    Month->setEditable(false);

    Year = new TYearSpinBox(panel);
    Year->setGeometry(135, 5, 53, 24);
    Year->setFont(ArialFont(9));
    Year->setAccessibleName(QStringLiteral("Jahr"));
    Year->setRange(MinYear, MaxYear);
    // Leaving the field clamps a typed year into the range (the field's fixup) instead of
    // going back to the year before.
    Year->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    Year->findChild<QLineEdit*>()->setMaxLength(4);

    Calendar = new TStockCalendar(panel);
    Calendar->setGeometry(5, 34, 183, 106);
    Calendar->setFont(ArialFont(8));
    Calendar->setAccessibleName(QStringLiteral("Monatsblatt"));

    BitBtn1 = new QPushButton(QStringLiteral("&OK"), panel);
    BitBtn1->setGeometry(5, 144, 86, 22);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);

    BitBtn2 = new QPushButton(panel);
    BitBtn2->setGeometry(95, 144, 93, 22);
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    BitBtn2->setText(CancelCaption(laEnglish));

    connect(Month, &QComboBox::currentIndexChanged, this, &TPerpetualCalendarDlg::MonthChange);
    // Every change of the text counts: typed text, intermediate numbers included, and the
    // values set by the spin buttons or by the correction when the field is left.
    connect(Year->findChild<QLineEdit*>(), &QLineEdit::textChanged, this,
            &TPerpetualCalendarDlg::YearChange);
    connect(Year, &QSpinBox::valueChanged, this,
            [this](int year) { YearChange(QString::number(year)); });
    // Leaving the field corrects the text without a signal of its line edit.
    connect(Year, &QSpinBox::editingFinished, this, [this] { YearChange(Year->text()); });
    connect(Calendar, &QCalendarWidget::currentPageChanged, this,
            &TPerpetualCalendarDlg::GridPageChange);
    // A click into the neighbouring month may select the day before the page turns.
    connect(Calendar, &QCalendarWidget::selectionChanged, this, [this] {
        const QDate selected = Calendar->selectedDate();
        GridPageChange(selected.year(), selected.month());
    });
    // Return or Enter in the grid, or a double click on a day, takes the day like OK.
    connect(Calendar, &QCalendarWidget::activated, BitBtn1, &QPushButton::click);
    connect(BitBtn1, &QPushButton::clicked, this, &TPerpetualCalendarDlg::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TPerpetualCalendarDlg::BitBtn2Click);
}

TPerpetualCalendarDlg::~TPerpetualCalendarDlg()
{
    // The children outlive this part of the dialog while QWidget deletes them, and the year
    // field still reports its correction when it loses the focus then.
    disconnect(Month, nullptr, this, nullptr);
    disconnect(Calendar, nullptr, this, nullptr);
    disconnect(Calendar, nullptr, BitBtn1, nullptr);
    disconnect(Year, nullptr, this, nullptr);
    disconnect(Year->findChild<QLineEdit*>(), nullptr, this, nullptr);
    disconnect(BitBtn1, nullptr, this, nullptr);
    disconnect(BitBtn2, nullptr, this, nullptr);
}

QString TPerpetualCalendarDlg::CancelCaption(TLanguage language)
{
    switch (ResolveLanguage(language)) {
    case laGerman: return QStringLiteral("&Annulieren");
    case laFrench: return QStringLiteral("&Annuler");
    case laItalian: return QStringLiteral("&Annulare");
    case laSpanish: return QStringLiteral("&Cancelar");
    default: return QStringLiteral("&Cancel");
    }
}

void TPerpetualCalendarDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TPerpetualCalendarDlg::FormShow()
{
    FShowing = true;
    if (FLanguage == laDefault)
        FLanguage = SystemLanguage();
    ApplyLanguageNames(FLanguage);
    Calendar->update();

    Month->clear();
    for (int month = 1; month <= 12; ++month)
        Month->addItem(MonthName(month, FLanguage));

    try {
        const int day = DatePart(FDateText, 0).toInt();
        const int month = DatePart(FDateText, 1).toInt();
        const int year = DatePart(FDateText, 2).toInt();
        Calendar->setSelectedDate(QDate(year, month, day));
    } catch (const EDeskoraError& e) {
        // The grid keeps its date; the caller's text stays as it was.
        ShowErrorMessage(e.Message());
    }
    const QDate shown = Calendar->selectedDate();
    Calendar->setCurrentPage(shown.year(), shown.month());
    Month->setCurrentIndex(shown.month() - 1);
    Year->setValue(shown.year());

    BitBtn2->setText(CancelCaption(FLanguage));
    // The grid has the keys at once: Page Up and Down, the arrows, Return.
    Calendar->setFocus(Qt::OtherFocusReason);
    FShowing = false;
}

void TPerpetualCalendarDlg::MoveGrid(int month, int year)
{
    const QDate current = Calendar->selectedDate();
    int day = current.day();
    if (DaysInMonth(month, year) < day)
        day = DaysInMonth(month, year);
    QDate target(year, month, day);
    // The divisible-by-4 rule gives 29 February to years such as 1900 or 200 that the grid's
    // calendar does not have; there the grid's own month length holds.
    if (!target.isValid())
        target = QDate(year, month, 1).addDays(QDate(year, month, 1).daysInMonth() - 1);
    if (!target.isValid())
        return;
    const bool wasMoving = std::exchange(FMovingGrid, true);
    Calendar->setSelectedDate(target);
    Calendar->setCurrentPage(target.year(), target.month());
    FMovingGrid = wasMoving;
}

void TPerpetualCalendarDlg::GridPageChange(int year, int month)
{
    if (FShowing || FMovingGrid)
        return;
    if (year < MinYear) {
        year = MinYear;
        month = 1;
    } else if (year > MaxYear) {
        year = MaxYear;
        month = 12;
    }
    const QDate selected = Calendar->selectedDate();
    // The selection and the page stay on one month, the one the fields name.
    if (selected.year() != year || selected.month() != month || Calendar->yearShown() != year
        || Calendar->monthShown() != month)
        MoveGrid(month, year);
    const bool wasFollowing = std::exchange(FFollowingGrid, true);
    Month->setCurrentIndex(month - 1);
    Year->setValue(year);
    FFollowingGrid = wasFollowing;
}

void TPerpetualCalendarDlg::MonthChange(int index)
{
    if (FShowing || FFollowingGrid || index < 0 || index > 11)
        return;
    MoveGrid(index + 1, Calendar->selectedDate().year());
}

void TPerpetualCalendarDlg::YearChange(const QString& text)
{
    if (FShowing || FFollowingGrid)
        return;
    bool ok = false;
    int year = text.trimmed().toInt(&ok);
    if (!ok)
        year = MinYear;
    // The grid has no year 0 (nor negative years): it keeps its year.
    if (year < 1)
        return;
    MoveGrid(Calendar->selectedDate().month(), year);
}

void TPerpetualCalendarDlg::BitBtn1Click()
{
    FDateText = WriteExactDate(Calendar->selectedDate()).left(10);
    accept();
}

void TPerpetualCalendarDlg::BitBtn2Click()
{
    reject();
}

}  // namespace deskora
