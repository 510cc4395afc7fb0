// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "calendarpad.h"

#include "pad/clock.h"
#include "pad/datehelpers.h"
#include "pad/entryfiles.h"
#include "pad/errors.h"
#include "pad/padaccessible.h"
#include "pad/padfonts.h"
#include "pad/padpictures.h"
#include "pad/perpcal.h"
#include "pad/sound.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>
#include <QAccessible>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QValidator>

#include <algorithm>
#include <iterator>

namespace deskora {

namespace {

// Sizes are given in points of a 96-dpi screen; the pad's layout is in pixels of that screen.
QFont ArialFont(int points, bool bold = false)
{
    return PadFont(ArialFamilies(), points, bold);
}

enum class TAlign { Left, Centre, Right };

// Text with its top at y, placed by x as the alignment says, on an opaque background.
void DrawPadText(QPainter& painter, const QString& text, int x, int y, TAlign align,
                 const QFont& font, const QColor& color, const QColor& background)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text);
    const int left = align == TAlign::Centre  ? x - width / 2
                     : align == TAlign::Right ? x - width
                                              : x;
    const QRect box(left, y, width, metrics.height());
    painter.fillRect(box, background);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

// Pointer regions of the pad, all edges inclusive.
const QRect PriorCorner(QPoint(1, 249), QPoint(36, 269));
const QRect NextCorner(QPoint(349, 249), QPoint(384, 269));
const QRect DateBox(QPoint(105, 20), QPoint(165, 75));
// Year, month and the date box; the footer's line.
const QRect DateTexts(QPoint(20, 18), QPoint(165, 79));
const QRect FooterLine(QPoint(20, 251), QPoint(165, 265));

// The pad's keys, in the whole window: Alt+Right and Ctrl+Page Down turn to the next day,
// Alt+Left and Ctrl+Page Up to the day before, Alt+Home shows today, Ctrl+K opens the perpetual
// calendar.
enum class TPadAction { Next, Prior, Today, Calendar };
constexpr struct {
    QKeyCombination Keys;
    TPadAction Action;
} PadKeys[] = {
    {Qt::ALT | Qt::Key_Right, TPadAction::Next}, {Qt::CTRL | Qt::Key_PageDown, TPadAction::Next},
    {Qt::ALT | Qt::Key_Left, TPadAction::Prior}, {Qt::CTRL | Qt::Key_PageUp, TPadAction::Prior},
    {Qt::ALT | Qt::Key_Home, TPadAction::Today}, {Qt::CTRL | Qt::Key_K, TPadAction::Calendar},
};

bool IsPadKey(QKeyCombination keys)
{
    return std::any_of(std::begin(PadKeys), std::end(PadKeys),
                       [&](const auto& padKey) { return padKey.Keys == keys; });
}

constexpr int HourLabelX = 218;
const QRect NotesPlace(18, 85, 149, 160);

int HourLabelTop(int k)
{
    return 14 * k + 5;
}

// Sets a field's text colour, touching the palette only when the colour changes.
void SetTextColour(QWidget* field, const QColor& color)
{
    if (field->palette().color(QPalette::Text) == color)
        return;
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, color);
    field->setPalette(palette);
}

// Makes a field white and opaque, so that it paints its own background. The paper keeps its
// colours under any palette of the desktop, a dark one too: its text, the grey of a placeholder
// and the marked text are the paper's own, all readable on white.
void MakeWhite(QWidget* field)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::PlaceholderText, QColor(0x66, 0x66, 0x66));
    palette.setColor(QPalette::Highlight, QColor(0x1F, 0x4E, 0x99));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    field->setPalette(palette);
    field->setAutoFillBackground(true);
}

// Keeps a slot on one line: every line or paragraph break and every NUL that reaches the field,
// typed, pasted, dropped or set, becomes a blank. A break inside a slot would push every later
// slot down a line in its file.
class TOneLineValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override
    {
        for (QChar& c : input) {
            const char16_t u = c.unicode();
            if (u == u'\r' || u == u'\n' || u == 0x2028 || u == 0x2029 || u == 0)
                c = QLatin1Char(' ');
        }
        return Acceptable;
    }
};

// Words longer than this are broken anywhere (see TNotesField::ChooseWrapping).
constexpr qsizetype LongestWrappedWord = 1000;

bool HasVeryLongWord(const QString& text)
{
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > LongestWrappedWord)
            return true;
    }
    return false;
}

}  // namespace

// --- notes field -------------------------------------------------------------------------

TNotesField::TNotesField(QWidget* parent) : QPlainTextEdit(parent)
{
    setFrameStyle(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    document()->setDocumentMargin(2);

    // The pad's navy would colour the scroll bar; it keeps the application's own look.
    // Every role counts as set, so that none is inherited from the pad.
    QPalette ordinary = QApplication::palette(verticalScrollBar());
    ordinary.setResolveMask(~QPalette::ResolveMask(0));
    verticalScrollBar()->setPalette(ordinary);
    if (QWidget* container = verticalScrollBar()->parentWidget())
        container->setPalette(ordinary);
}

void TNotesField::ChooseWrapping(const QString& text)
{
    const bool anywhere = HasVeryLongWord(text);
    if (anywhere)
        setWordWrapMode(QTextOption::WrapAnywhere);
    else if (!anywhere && wordWrapMode() == QTextOption::WrapAnywhere)
        setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

QStringList TNotesField::DisplayLines() const
{
    // The same line breaking as the field's own layout: the field's font and text options.
    // Lines as wide as the text area less the document margin on both sides; the area is the
    // viewport beside the scroll bar, or, in a field that was never laid out, the whole field.
    const QTextDocument* doc = document();
    const int areaWidth = testAttribute(Qt::WA_PendingResizeEvent) ? contentsRect().width()
                                                                   : viewport()->width();
    const qreal lineWidth = areaWidth - 2 * doc->documentMargin();
    QStringList lines;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (text.isEmpty()) {
            lines << QString();
            continue;
        }
        QTextLayout layout(text, block.charFormat().font());
        layout.setTextOption(doc->defaultTextOption());
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(lineWidth);
            lines << text.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void TNotesField::SetLines(const QStringList& lines)
{
    QString text = lines.join(QLatin1Char('\n'));
    // A last empty line shows as an empty paragraph after the last line end.
    if (!lines.isEmpty() && lines.last().isEmpty())
        text += QLatin1Char('\n');
    ChooseWrapping(text);
    setPlainText(text);
}

int TNotesField::Room() const
{
    const int length = document()->characterCount() - 1;
    const QTextCursor cursor = textCursor();
    const int selected = cursor.selectionEnd() - cursor.selectionStart();
    return MaxLength - (length - selected);
}

void TNotesField::keyPressEvent(QKeyEvent* event)
{
    const bool adds = (!event->text().isEmpty() && event->text().at(0).isPrint())
                      || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (adds && !(event->modifiers() & Qt::ControlModifier) && Room() <= 0)
        return;
    QPlainTextEdit::keyPressEvent(event);
}

void TNotesField::insertFromMimeData(const QMimeData* source)
{
    const int room = Room();
    if (room <= 0 || !source->hasText())
        return;
    const QString text = source->text().left(room);
    if (wordWrapMode() != QTextOption::WrapAnywhere && HasVeryLongWord(text))
        ChooseWrapping(text);
    insertPlainText(text);
}

// --- pad ---------------------------------------------------------------------------------

TCalendarPad::TCalendarPad(QWidget* parent) : QWidget(parent)
{
    setFixedSize(PadWidth, PadHeight);
    setFont(ArialFont(8));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);

    // Every two seconds, so that the current hour is marked within seconds of the full hour
    // and a clock that jumped (a resume from suspend) is noticed at once.
    FClockTimer = new QTimer(this);
    FClockTimer->setInterval(2000);
    connect(FClockTimer, &QTimer::timeout, this, &TCalendarPad::FollowClock);
    FClockTimer->start();
    FClockDay = Now().date();

    FPage = new TPadPage(this);

    FBackgroundPainting = std::async(std::launch::async, CalendarPadImage, devicePixelRatioF());

    InstallPadAccessibility();
    setAccessibleName(QStringLiteral("Kalenderblatt"));

    FNotes = new TNotesField(this);
    FNotes->setGeometry(NotesPlace);
    FNotes->setAccessibleName(QStringLiteral("Notizen"));

    FNotesCutNotice = new QLabel(QStringLiteral("Gekürzt: Der Rest steht nur in der Datei."), this);
    FNotesCutNotice->setToolTip(QStringLiteral(
        "Die Notizen dieses Tages sind länger als 32 000 Zeichen. Gezeigt wird der Anfang; der "
        "Rest bleibt unverändert in der Datei erhalten und wird nicht angezeigt."));
    FNotesCutNotice->setFont(ArialFont(7));
    FNotesCutNotice->setWordWrap(true);
    FNotesCutNotice->setAutoFillBackground(true);
    QPalette noticeColours = FNotesCutNotice->palette();
    noticeColours.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xC0));
    noticeColours.setColor(QPalette::WindowText, Qt::black);
    FNotesCutNotice->setPalette(noticeColours);
    FNotesCutNotice->hide();

    FMergeNotice = new QLabel(
        QStringLiteral("Die Seite wurde von einem anderen Programm geändert und zusammengeführt."),
        this);
    FMergeNotice->setFont(ArialFont(7));
    FMergeNotice->setWordWrap(true);
    FMergeNotice->setAutoFillBackground(true);
    FMergeNotice->setPalette(noticeColours);
    // At the foot of the notes, where the text the user writes is least often.
    const int noticeHeight = FMergeNotice->heightForWidth(NotesPlace.width());
    FMergeNotice->setGeometry(NotesPlace.left(), NotesPlace.bottom() + 1 - noticeHeight,
                              NotesPlace.width(), noticeHeight);
    FMergeNotice->hide();
    FMergeNoticeTimer = new QTimer(this);
    FMergeNoticeTimer->setSingleShot(true);
    FMergeNoticeTimer->setInterval(8000);
    connect(FMergeNoticeTimer, &QTimer::timeout, FMergeNotice, &QWidget::hide);
    MakeWhite(FNotes);
    FNotes->viewport()->setAutoFillBackground(true);
    connect(FNotes, &QPlainTextEdit::textChanged, this, [this] {
        if (!FLoading)
            FPage->MarkEdited(TPadPage::Notes);
    });
    FNotes->installEventFilter(this);

    QWidget* previous = FNotes;
    for (int k = 1; k <= SlotCount; ++k) {
        auto* slot = new QLineEdit(this);
        slot->setGeometry(246, 14 * k + 6, 115, 16);
        slot->setFrame(false);
        slot->setFont(ArialFont(7));
        slot->setMaxLength(SlotMaxLength);
        slot->setTextMargins(0, 0, 0, 0);
        slot->setValidator(new TOneLineValidator(slot));
        MakeWhite(slot);
        connect(slot, &QLineEdit::textChanged, this, [this] {
            if (!FLoading)
                FPage->MarkEdited(TPadPage::Slots);
        });
        slot->installEventFilter(this);
        FSlots[static_cast<std::size_t>(k - 1)] = slot;
        setTabOrder(previous, slot);
        previous = slot;
    }

    FDate = WriteDate(Now().date());
    FDirectory = QDir::toNativeSeparators(QDir::currentPath());
    FPage->SetFolder(FDirectory, FExtensionFile);
    FSoundFileName = FDirectory + QDir::separator() + QStringLiteral("paper.wav");
    ApplySlotColours();
    NameSlots();
    CreateShortcuts();

    FPage->SetSources([this] { return FNotes->DisplayLines(); }, [this] { return SlotLines(); });
    FPage->SetComposingCheck([this] { return FComposing; });
    connect(FPage, &TPadPage::OutsideChange, this, [this](TPadPage::TPart part, bool merged) {
        ShowPart(part, true);
        if (merged)
            ShowMergeNotice();
    });
    connect(FPage, &TPadPage::AutosaveFailed, this, &TCalendarPad::ShowAutosaveFailure);

    connect(qApp, &QApplication::focusChanged, this, &TCalendarPad::FocusChanged);
}

TCalendarPad::~TCalendarPad()
{
    // The fields are deleted by QWidget after this part of the pad is gone; the focus moves
    // and text changes of that moment must not reach it.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(FPage, nullptr, this, nullptr);
    FPage->SetSources({}, {});
    FPage->SetComposingCheck({});
    disconnect(FNotes, nullptr, this, nullptr);
    for (QLineEdit* slot : FSlots)
        disconnect(slot, nullptr, this, nullptr);
}

QPixmap TCalendarPad::Background() const
{
    TakePaintedBackground();
    return FBackground;
}

void TCalendarPad::TakePaintedBackground() const
{
    if (FBackgroundPainting.valid())
        FBackground = QPixmap::fromImage(FBackgroundPainting.get());
}

void TCalendarPad::setBackground(const QPixmap& picture)
{
    TakePaintedBackground();
    FBackground = picture;
    FOwnBackground = false;
    update();
}

void TCalendarPad::setYearColor(const QColor& color)
{
    FYearColor = color;
    update();
}
void TCalendarPad::setMonthColor(const QColor& color)
{
    FMonthColor = color;
    update();
}
void TCalendarPad::setDateColor(const QColor& color)
{
    FDateColor = color;
    update();
}
void TCalendarPad::setDayColor(const QColor& color)
{
    FDayColor = color;
    update();
}
void TCalendarPad::setDateBackgroundColor(const QColor& color)
{
    FDateBackgroundColor = color;
    update();
}
void TCalendarPad::setDayWeekColor(const QColor& color)
{
    FDayWeekColor = color;
    update();
}
void TCalendarPad::setTimeColor(const QColor& color)
{
    FTimeColor = color;
    update();
}
void TCalendarPad::setCurrentTimeColor(const QColor& color)
{
    FCurrentTimeColor = color;
    ApplySlotColours();
    update();
}

void TCalendarPad::setTimeFieldColor(const QColor& color)
{
    FTimeFieldColor = color;
    ApplySlotColours();
}

void TCalendarPad::setLanguage(TLanguage language)
{
    FLanguage = language;
    NameSlots();
    AnnounceDate();
    update();
}

void TCalendarPad::setDate(const QString& date)
{
    bool allowChange = true;
    emit OnChange(this, date, allowChange);
    if (!allowChange)
        return;
    FDate = date;
    AnnounceDate();
    repaint();
    // Shown or not, the fields must not keep another day's text under the new date.
    ShowEntries();
}

void TCalendarPad::setExtensionFile(const QString& extension)
{
    if (extension.size() <= 3)
        FExtensionFile = extension;
    FPage->SetFolder(FDirectory, FExtensionFile);
}

void TCalendarPad::setDirectory(const QString& directory)
{
    FDirectory = directory;
    FPage->SetFolder(FDirectory, FExtensionFile);
}

void TCalendarPad::setStartTime(int hour)
{
    if (hour >= 0 && hour <= 23)
        FStartTime = hour;
    ApplySlotColours();
    NameSlots();
    update();
}

void TCalendarPad::setDestroyDelay(int days)
{
    if (days >= 1 && days <= 365)
        FDestroyDelay = days;
    update();
}

QLineEdit* TCalendarPad::SlotField(int k) const
{
    if (k < 1 || k > SlotCount)
        return nullptr;
    return FSlots[static_cast<std::size_t>(k - 1)];
}

QString TCalendarPad::NotesFilePath() const
{
    if (FPage->LoadedDate() == FDate && FPage->Directory() == FDirectory
        && FPage->Extension() == FExtensionFile)
        return FPage->FilePath(TPadPage::Notes);
    return EntryFilePath(FDirectory, EntryFileStem(FDate), QLatin1Char('N'), FExtensionFile);
}

QString TCalendarPad::SlotFilePath() const
{
    if (FPage->LoadedDate() == FDate && FPage->Directory() == FDirectory
        && FPage->Extension() == FExtensionFile)
        return FPage->FilePath(TPadPage::Slots);
    return EntryFilePath(FDirectory, EntryFileStem(FDate), QLatin1Char('T'), FExtensionFile);
}

void TCalendarPad::SaveEntries()
{
    if (FPage->LoadedDate().isEmpty())
        return;
    FPage->Save();
}

QStringList TCalendarPad::SlotLines() const
{
    QStringList lines;
    for (const QLineEdit* slot : FSlots)
        lines << slot->text();
    return lines;
}

void TCalendarPad::LoadEntries()
{
    const bool samePage = FPage->LoadedDate() == FDate;
    FPage->SetFolder(FDirectory, FExtensionFile);
    // No text of another day may stay in the fields under this date, whatever the files hold.
    const QStringList errors = FPage->Load(FDate);
    ShowPart(TPadPage::Notes, false);
    ShowPart(TPadPage::Slots, false);

    // Unreadable files are reported once per page shown, after whatever asked for the load
    // (a paint, a focus move) is over; loading the same page again reports nothing new.
    if (errors.isEmpty()) {
        FLoadErrorDate.clear();
    } else if (!(samePage && FLoadErrorDate == FDate)) {
        FLoadErrorDate = FDate;
        QTimer::singleShot(0, this, [errors] {
            for (const QString& message : errors)
                ShowErrorMessage(message);
        });
    }
}

void TCalendarPad::ShowPart(TPadPage::TPart part, bool keepCursor)
{
    struct TLoadingScope {
        bool& Flag;
        explicit TLoadingScope(bool& flag) : Flag(flag) { Flag = true; }
        ~TLoadingScope() { Flag = false; }
    } loading(FLoading);

    const QString unreadable = QStringLiteral("Datei kann nicht gelesen werden");
    const bool readable = FPage->Readable(part);
    const QStringList lines = FPage->Lines(part);
    if (part == TPadPage::Notes) {
        const int cursor = FNotes->textCursor().position();
        const int scrolled = FNotes->verticalScrollBar()->value();
        FNotes->clear();
        FNotes->setReadOnly(!readable);
        FNotes->setPlaceholderText(readable ? QString() : unreadable);
        if (!lines.isEmpty())
            FNotes->SetLines(lines);
        if (keepCursor) {
            QTextCursor place = FNotes->textCursor();
            place.setPosition(std::min(cursor, FNotes->document()->characterCount() - 1));
            FNotes->setTextCursor(place);
            FNotes->verticalScrollBar()->setValue(scrolled);
        }
        ShowNotesCutNotice(FPage->NotesCut());
        return;
    }
    for (int k = 1; k <= SlotCount; ++k) {
        QLineEdit* slot = FSlots[static_cast<std::size_t>(k - 1)];
        // A short file leaves the remaining slots empty; lines after the 17th are ignored.
        const QString text = k <= lines.size() ? lines.at(k - 1) : QString();
        if (keepCursor && slot->text() == text)
            continue;
        const int cursor = keepCursor ? slot->cursorPosition() : 0;
        // A longer line from a hand-edited file is shown whole rather than cut.
        slot->setMaxLength(std::max<int>(SlotMaxLength, static_cast<int>(text.size())));
        slot->setText(text);
        slot->setCursorPosition(std::min<int>(cursor, static_cast<int>(text.size())));
        slot->setReadOnly(!readable);
        slot->setPlaceholderText(readable || k > 1 ? QString() : unreadable);
    }
}

void TCalendarPad::ShowMergeNotice()
{
    FMergeNotice->show();
    FMergeNotice->raise();
    FMergeNoticeTimer->start();
}

void TCalendarPad::ShowAutosaveFailure(const QString& message)
{
    // Not modal: the user may go on typing, and the text stays in the fields meanwhile.
    auto* box = new QMessageBox(
        QMessageBox::Warning, QStringLiteral("Deskora"),
        message
            + QStringLiteral("\nDie Einträge bleiben auf dem Blatt; Deskora versucht weiter, sie "
                             "zu speichern."),
        QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

bool TCalendarPad::eventFilter(QObject* watched, QEvent* event)
{
    // Alt with a letter is a button's key (its underlined letter) or nothing: it never types
    // the letter into the page. The fields would take it as text, and the pad's keys (Ctrl+K
    // would delete to the end of the line) go to the pad rather than to the field.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers held = key->modifiers() & ~Qt::KeypadModifier;
        if (event->type() == QEvent::KeyPress && (held & Qt::AltModifier)
            && !(held & Qt::ControlModifier) && !key->text().isEmpty()
            && key->text().at(0).isPrint())
            return true;
        if (event->type() == QEvent::ShortcutOverride && IsPadKey(key->keyCombination()))
            return true;
    }
    if (event->type() == QEvent::InputMethod)
        FComposing = !static_cast<QInputMethodEvent*>(event)->preeditString().isEmpty();
    else if (event->type() == QEvent::FocusOut)
        FComposing = false;
    return QWidget::eventFilter(watched, event);
}

void TCalendarPad::ShowNotesCutNotice(bool shown)
{
    // The notice takes the bottom of the notes field's place, below its scroll bar.
    const int height = shown ? FNotesCutNotice->heightForWidth(NotesPlace.width()) : 0;
    FNotes->setGeometry(NotesPlace.adjusted(0, 0, 0, -height));
    FNotesCutNotice->setGeometry(NotesPlace.left(), NotesPlace.bottom() + 1 - height,
                                 NotesPlace.width(), height);
    FNotesCutNotice->setVisible(shown);
}

void TCalendarPad::RefreshEntries()
{
    if (FPage->LoadedDate() != FDate || !Modified())
        LoadEntries();
}

void TCalendarPad::ShowEntries()
{
    // Files that could not be read are tried again when the focus enters the pad or the date
    // changes, not each time the page is shown.
    if (FPage->LoadedDate() == FDate && FLoadErrorDate == FDate)
        return;
    try {
        RefreshEntries();
    } catch (const EDeskoraError& e) {
        // A pad that is not on screen reports it once it is shown.
        if (isVisible())
            ReportPaintError(e.Message());
    }
}

void TCalendarPad::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ShowEntries();
}

QString TCalendarPad::HourLabel(int k) const
{
    int h = FStartTime;
    QString label;
    for (int i = 1; i <= k && i <= SlotCount; ++i) {
        // The stored language, not the resolved one, chooses the twelve-hour dial.
        if (FLanguage == laEnglish && h > 12)
            h -= 12;
        else if (h > 23)
            h = 0;
        label = ZeroPad(h, 2) + QStringLiteral(":00");
        ++h;
    }
    return k >= 1 && k <= SlotCount ? label : QString();
}

bool TCalendarPad::IsCurrentHourSlot(int k) const
{
    // The slot's own hour on the 24-hour clock, whatever its label reads.
    return k >= 1 && k <= SlotCount && (FStartTime + k - 1) % 24 == Now().time().hour()
           && ShowsToday();
}

bool TCalendarPad::ShowsToday() const
{
    try {
        return ReadDate(FDate) == Now().date();
    } catch (const EDeskoraError&) {
        return false;
    }
}

void TCalendarPad::FollowClock()
{
    const QDateTime now = Now();
    if (now.date() != FClockDay) {
        FClockDay = now.date();
        emit TodayChanged(WriteDate(FClockDay));
    }
    if (const std::optional<QString> today = FPage->DayToFollow()) {
        // The old day's text goes to its own file first; a save that fails keeps the page,
        // and the autosave has said so already.
        try {
            SaveEntries();
        } catch (const EDeskoraError&) {
            return;
        }
        setDate(*today);
    }
    // The marked hour: none on a page other than today's.
    const int hour = ShowsToday() ? now.time().hour() : -1;
    if (hour != FClockHour) {
        FClockHour = hour;
        RefreshHourLabels();
    }
}

QString TCalendarPad::FooterText(const QString& date, TLanguage language)
{
    const TPadWords words = PadWords(language);
    return words.DayWord + QLatin1Char(' ') + QString::number(DayOfYear(date))
           + QStringLiteral(" - ") + words.WeekWord + QLatin1Char(' ')
           + QString::number(WeekNumber(date));
}

void TCalendarPad::ApplySlotColours()
{
    for (int k = 1; k <= SlotCount; ++k) {
        QLineEdit* slot = FSlots[static_cast<std::size_t>(k - 1)];
        const bool current = IsCurrentHourSlot(k);
        SetTextColour(slot, current ? FCurrentTimeColor : FTimeFieldColor);
        // The red of the current hour, in words.
        const QString description = current ? QStringLiteral("aktuelle Stunde") : QString();
        if (slot->accessibleDescription() != description)
            slot->setAccessibleDescription(description);
    }
}

void TCalendarPad::NameSlots()
{
    // The hour as the label reads it, without its ":00" and leading zero.
    for (int k = 1; k <= SlotCount; ++k) {
        FSlots[static_cast<std::size_t>(k - 1)]->setAccessibleName(
            QStringLiteral("%1 Uhr").arg(HourLabel(k).left(2).toInt()));
    }
}

QString TCalendarPad::FullDateText() const
{
    try {
        return QStringLiteral("%1, %2. %3 %4")
            .arg(WeekdayName(WeekdayIndex(FDate), FLanguage))
            .arg(DatePart(FDate, 0).toInt())
            .arg(MonthName(DatePart(FDate, 1).toInt(), FLanguage), DatePart(FDate, 2));
    } catch (const EDeskoraError&) {
        return FDate;
    }
}

QRect TCalendarPad::CornerRect(bool forward)
{
    return forward ? NextCorner : PriorCorner;
}

QRect TCalendarPad::DateArea()
{
    return DateTexts;
}

QRect TCalendarPad::FooterArea()
{
    return FooterLine;
}

void TCalendarPad::AnnounceDate()
{
    if (!QAccessible::isActive())
        return;
    AnnouncePadDate(this);
}

void TCalendarPad::CreateShortcuts()
{
    // Anywhere in the window, in a field too: the fields leave these keys to the pad.
    for (const auto& padKey : PadKeys) {
        auto* shortcut = new QShortcut(QKeySequence(padKey.Keys), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, action = padKey.Action] {
            switch (action) {
            case TPadAction::Next: TurnPage(true); break;
            case TPadAction::Prior: TurnPage(false); break;
            case TPadAction::Today: TurnToToday(); break;
            // Opened from the keys, the calendar lies over the date box.
            case TPadAction::Calendar: OpenPerpetualCalendar(mapToGlobal(DateBox.topLeft())); break;
            }
        });
    }
}

QRect TCalendarPad::HourLabelStrip() const
{
    return QRect(HourLabelX, HourLabelTop(1), 28, HourLabelTop(SlotCount + 1) - HourLabelTop(1));
}

void TCalendarPad::RefreshHourLabels()
{
    ApplySlotColours();
    update(HourLabelStrip());
}

template <class Action>
bool TCalendarPad::Guarded(Action&& action)
{
    try {
        action();
        return true;
    } catch (const EDeskoraError& e) {
        ShowErrorMessage(e.Message());
        return false;
    }
}

void TCalendarPad::ReportPaintError(const QString& message)
{
    // Every repaint would fail again, and a message box shown from inside a paint would itself
    // cause repaints: report once per date text, after the paint.
    if (FPaintErrorDate == FDate)
        return;
    FPaintErrorDate = FDate;
    QTimer::singleShot(0, this, [message] { ShowErrorMessage(message); });
}

bool TCalendarPad::event(QEvent* event)
{
    // Why a corner does not turn is said even where hints are off.
    if (event->type() == QEvent::ToolTip && !FShowHint && !FLimitHint) {
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

void TCalendarPad::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    TakePaintedBackground();
    // The pad's own background is painted at the screen's device pixel ratio.
    if ((FBackground.width() < 1 && FBackground.height() < 1)
        || (FOwnBackground && FBackground.devicePixelRatio() != devicePixelRatioF())) {
        FBackground = CalendarPadBitmap(devicePixelRatioF());
        FOwnBackground = true;
    }
    painter.drawPixmap(0, 0, FBackground);

    QString weekday, day, month, year, footer;
    try {
        weekday = WeekdayName(WeekdayIndex(FDate), FLanguage);
        day = DatePart(FDate, 0);
        month = MonthName(DatePart(FDate, 1).toInt(), FLanguage);
        year = DatePart(FDate, 2);
        footer = FooterText(FDate, FLanguage);
    } catch (const EDeskoraError& e) {
        ReportPaintError(e.Message());
        return;
    }
    FPaintErrorDate.clear();

    // Date box; a 1-pixel outline covering x 100..163, y 18..75.
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(FDateBackgroundColor);
    painter.drawRect(QRect(100, 18, 63, 57));

    DrawPadText(painter, day, 133, 20, TAlign::Centre, ArialFont(28, true), FDateColor,
                FDateBackgroundColor);
    DrawPadText(painter, weekday, 133, 60, TAlign::Centre, ArialFont(8), FDayColor,
                FDateBackgroundColor);
    DrawPadText(painter, month, 60, 55, TAlign::Centre, ArialFont(11, true), FMonthColor,
                Qt::white);
    DrawPadText(painter, year, 60, 20, TAlign::Centre, ArialFont(20, true), FYearColor, Qt::white);
    DrawPadText(painter, footer, 165, 250, TAlign::Right, ArialFont(8), FDayWeekColor, Qt::white);

    for (int k = 1; k <= SlotCount; ++k) {
        DrawPadText(painter, HourLabel(k), HourLabelX, HourLabelTop(k), TAlign::Left, ArialFont(8),
                    IsCurrentHourSlot(k) ? FCurrentTimeColor : FTimeColor, Qt::white);
    }

    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(20, 80, 165, 80);
    painter.drawLine(20, 250, 165, 250);
}

void TCalendarPad::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    FPriorFlag = FNextFlag = FDateFlag = false;
    const TPadWords words = PadWords(FLanguage);
    QString hint;
    int cursor = 0;
    FLimitHint = false;
    if (PriorCorner.contains(pos)) {
        hint = LimitHint(false);
        FLimitHint = !hint.isEmpty();
        if (hint.isEmpty())
            hint = words.PriorHint;
        cursor = crLeftHand;
        FPriorFlag = true;
    } else if (NextCorner.contains(pos)) {
        hint = LimitHint(true);
        FLimitHint = !hint.isEmpty();
        if (hint.isEmpty())
            hint = words.NextHint;
        cursor = crRightHand;
        FNextFlag = true;
    } else if (DateBox.contains(pos)) {
        hint = words.GoHint;
        cursor = crTopHand;
        FDateFlag = true;
    }
    if (hint != toolTip())
        setToolTip(hint);
    if (cursor != FCursorNumber) {
        FCursorNumber = cursor;
        // The hands are painted when the pointer first comes over a place that turns the page:
        // the start does not wait for them.
        if (cursor != 0 && !FHandCursorsMade) {
            FHandCursors = {PadCursor(crLeftHand), PadCursor(crRightHand), PadCursor(crTopHand)};
            FHandCursorsMade = true;
        }
        if (cursor == crLeftHand)
            setCursor(FHandCursors[0]);
        else if (cursor == crRightHand)
            setCursor(FHandCursors[1]);
        else if (cursor == crTopHand)
            setCursor(FHandCursors[2]);
        else
            unsetCursor();
    }
    QWidget::mouseMoveEvent(event);
}

QString TCalendarPad::LimitHint(bool forward) const
{
    try {
        if (NeighbourDay(FDate, forward))
            return QString();
    } catch (const EDeskoraError&) {
        return QString();
    }
    return forward ? QStringLiteral("Weiter geht es nicht: Der Kalender reicht bis zum %1.")
                         .arg(LastPadDay.toString(QStringLiteral("dd.MM.yyyy")))
                   : QStringLiteral("Weiter zurück geht es nicht: Der Kalender beginnt am %1.")
                         .arg(FirstPadDay.toString(QStringLiteral("dd.MM.yyyy")));
}

void TCalendarPad::TurnPage(bool forward)
{
    Guarded([&] {
        const std::optional<QString> next = NeighbourDay(FDate, forward);
        if (!next) {
            // The first or last day the pad can name: the corner only says why.
            const QRect corner = forward ? NextCorner : PriorCorner;
            QToolTip::showText(mapToGlobal(corner.center()), LimitHint(forward), this, corner,
                               5000);
            return;
        }
        // A save that fails stops the turn: the page and its text stay.
        SaveEntries();
        setDate(*next);
        // The sound plays even when OnChange kept the page.
        if (FSoundEffect)
            PlaySoundFile(FSoundFileName, SND_ASYNC);
    });
}

void TCalendarPad::mouseReleaseEvent(QMouseEvent* /*event*/)
{
    // The corner flags stay set until the pointer moves: every release over a corner turns
    // one more page.
    if (FPriorFlag)
        TurnPage(false);
    else if (FNextFlag)
        TurnPage(true);
}

void TCalendarPad::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (FDateFlag)
        OpenPerpetualCalendar(QCursor::pos());
    else
        QWidget::mouseDoubleClickEvent(event);
}

void TCalendarPad::TurnToToday()
{
    Guarded([&] {
        if (ShowsToday())
            return;
        SaveEntries();
        setDate(WriteDate(Now().date()));
        if (FSoundEffect)
            PlaySoundFile(FSoundFileName, SND_ASYNC);
    });
}

void TCalendarPad::OpenPerpetualCalendar(const QPoint& at)
{
    if (!Guarded([&] { SaveEntries(); }))
        return;
    QString picked;
    {
        TPerpetualCalendarDlg dialog(this);
        dialog.setLanguage(FLanguage);
        dialog.setDateText(FDate.left(10));
        dialog.move(at);
        dialog.exec();
        picked = dialog.DateText();
    }
    // After a cancel this is the unchanged date, and OnChange is asked all the same.
    QPointer<TCalendarPad> self(this);
    setDate(picked);
    if (!self)
        return;
    Guarded([&] { LoadEntries(); });
    FNotes->setFocus(Qt::OtherFocusReason);
}

bool TCalendarPad::Contains(const QWidget* widget) const
{
    return widget && (widget == this || isAncestorOf(widget));
}

void TCalendarPad::FocusChanged(QWidget* old, QWidget* now)
{
    const bool wasInside = Contains(old);
    const bool isInside = Contains(now);
    if (wasInside == isInside)
        return;
    if (isInside) {
        // Entering from a control of the same window (or from nowhere, at the window's start);
        // coming back from a dialog or message box is no entry.
        if (old && old->window() != window())
            return;
        Guarded([&] { RefreshEntries(); });
    } else {
        // Only a move to another control of the same window leaves the pad; switching to
        // another window or application does not.
        if (!now || now->window() != window())
            return;
        Guarded([&] { SaveEntries(); });
    }
}

}  // namespace deskora
