// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// The planner for everyone: what a screen reader is told of the window and the perpetual
// calendar, and whether every text reads on its background under a dark palette and a light one.

#include "app/exespeedbutton.h"
#include "app/form1.h"
#include "app/oneinstance.h"
#include "app/trayicon.h"

#include "pad/calendarpad.h"
#include "pad/clock.h"
#include "pad/contrast.h"
#include "pad/errors.h"
#include "pad/language.h"
#include "pad/perpcal.h"
#include "pad/sound.h"
#include "pad/tests/modalanswer.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace deskora {
namespace {

class Access : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        FOldCurrent = QDir::currentPath();
        QDir::setCurrent(FDir.path());
        FOldRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", FDir.path().toLocal8Bit());
        // Friday, 15 February 2002, 10:30.
        FOldClock = SetClock([] { return QDateTime(QDate(2002, 2, 15), QTime(10, 30)); });
        FOldLanguage = SetProfileLanguageProvider([] { return QStringLiteral("de_DE"); });
        FOldSound = SetSoundPlayer([](const QString&, int) {});
        FOldErrors = SetErrorHook([this](const QString& text) { FErrors << text; });
        FOldTray = TTrayIcon::SetTrayAvailability([] { return false; });
        FOldTerminator = TOneInstance::SetTerminator([] {});
        FOldPalette = QApplication::palette();
    }
    void TearDown() override
    {
        FForm.reset();
        QApplication::setPalette(FOldPalette);
        TOneInstance::SetTerminator(FOldTerminator);
        TTrayIcon::SetTrayAvailability(FOldTray);
        SetErrorHook(FOldErrors);
        SetSoundPlayer(FOldSound);
        SetProfileLanguageProvider(FOldLanguage);
        SetClock(FOldClock);
        qputenv("XDG_RUNTIME_DIR", FOldRuntime);
        QDir::setCurrent(FOldCurrent);
    }

    TForm1* Open()
    {
        FForm = std::make_unique<TForm1>();
        FForm->show();
        FForm->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(FForm.get()));
        return FForm.get();
    }

    // Ctrl+K in the window; the calendar, once open, is handed to the answer.
    void WithCalendar(QWidget* focus, std::function<void(TPerpetualCalendarDlg*)> answer)
    {
        AnswerCalendarDialog(FForm.get(), [answer](TPerpetualCalendarDlg* dialog) {
            answer(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        QTest::keyClick(focus, Qt::Key_K, Qt::ControlModifier);
    }

    QTemporaryDir FDir;
    QStringList FErrors;
    std::unique_ptr<TForm1> FForm;
    QPalette FOldPalette;

private:
    QString FOldCurrent;
    QByteArray FOldRuntime;
    TClock FOldClock;
    TProfileLanguageProvider FOldLanguage;
    TSoundPlayer FOldSound;
    TErrorHook FOldErrors;
    TTrayIcon::TTrayAvailability FOldTray;
    TOneInstance::TTerminator FOldTerminator;
};

// --- names and roles -----------------------------------------------------------------------

QString Describe(QAccessibleInterface* node)
{
    return QStringLiteral("%1 '%2' (%3)")
        .arg(int(node->role()))
        .arg(node->text(QAccessible::Name),
             node->object() ? QString::fromLatin1(node->object()->metaObject()->className())
                            : QStringLiteral("painted"));
}

// Walks the accessible tree below a window. Collects every node a user can act on (it takes
// the focus or has an action) that has no name, and every widget reached.
void Walk(QAccessibleInterface* node, QStringList& unnamed, QSet<QObject*>& reached)
{
    ASSERT_NE(node, nullptr);
    reached.insert(node->object());
    const QAccessibleActionInterface* actions = node->actionInterface();
    const bool interactive = node->state().focusable
                             || (actions && !actions->actionNames().isEmpty());
    if (interactive && node->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << Describe(node);
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        ASSERT_NE(child, nullptr) << Describe(node).toStdString() << " child " << i;
        EXPECT_EQ(child->parent(), node) << Describe(child).toStdString();
        EXPECT_EQ(node->indexOfChild(child), i) << Describe(child).toStdString();
        Walk(child, unnamed, reached);
    }
}

// Every control of a window is in its tree and named.
void ExpectEveryControlNamed(QWidget* window)
{
    QStringList unnamed;
    QSet<QObject*> reached;
    Walk(QAccessible::queryAccessibleInterface(window), unnamed, reached);
    EXPECT_EQ(unnamed, QStringList()) << window->windowTitle().toStdString();
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
        // The spin field's own line edit is the spin field to a screen reader, a viewport its
        // view.
        if (node && widget->isVisibleTo(window)
            && !widget->objectName().startsWith("qt_spinbox_lineedit")
            && !widget->objectName().startsWith("qt_scrollarea")) {
            EXPECT_TRUE(reached.contains(widget))
                << "not in the tree: " << Describe(node).toStdString() << " "
                << widget->objectName().toStdString() << " in "
                << widget->parentWidget()->metaObject()->className();
        }
    }
}

QList<QAccessibleInterface*> Children(QAccessibleInterface* node)
{
    QList<QAccessibleInterface*> children;
    for (int i = 0; i < node->childCount(); ++i)
        children << node->child(i);
    return children;
}

TEST_F(Access, EveryControlOfTheWindowIsNamedAndThePaintedPartsAreThere)
{
    TForm1* form = Open();
    ExpectEveryControlNamed(form);

    TCalendarPad* pad = form->CalendarPad1();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(pad->NotesField())->text(QAccessible::Name),
              QStringLiteral("Notizen"));
    // The hours as the labels read them: the planner starts at 07:00.
    for (int k = 1; k <= 17; ++k) {
        QAccessibleInterface* slot = QAccessible::queryAccessibleInterface(pad->SlotField(k));
        EXPECT_EQ(slot->text(QAccessible::Name), QStringLiteral("%1 Uhr").arg(k + 6));
        EXPECT_EQ(slot->role(), QAccessible::EditableText);
        EXPECT_EQ(pad->HourLabel(k).left(2).toInt(), k + 6);
    }
    // The slot of the clock's hour, 10:00, says it is the current one.
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(pad->SlotField(4))->text(QAccessible::Description),
        QStringLiteral("aktuelle Stunde"));

    // The page in the order it is read: the date, the notes, the footer, the corner of the day
    // before, the hours, the corner of the next day.
    const QList<QAccessibleInterface*> parts = Children(QAccessible::queryAccessibleInterface(pad));
    QStringList painted;
    for (QAccessibleInterface* part : parts) {
        if (!part->object())
            painted << QString::number(int(part->role())) + " " + part->text(QAccessible::Name);
    }
    const auto text = [](QAccessible::Role role, const char* name) {
        return QString::number(int(role)) + " " + QString::fromUtf8(name);
    };
    EXPECT_EQ(painted, QStringList({text(QAccessible::StaticText, "Freitag, 15. Februar 2002"),
                                    text(QAccessible::StaticText, "Tag 46 - Woche 7"),
                                    text(QAccessible::Button, "Vorheriger Tag"),
                                    text(QAccessible::Button, "Nächster Tag")}));
    EXPECT_EQ(parts.first()->text(QAccessible::Name), QStringLiteral("Freitag, 15. Februar 2002"));
    EXPECT_EQ(parts.last()->text(QAccessible::Name), QStringLiteral("Nächster Tag"));
    EXPECT_EQ(parts.at(parts.size() - 2)->object(), pad->SlotField(17));

    // Where a screen reader points, it finds the corner.
    QAccessibleInterface* next = parts.last();
    const QPoint corner = pad->mapToGlobal(TCalendarPad::CornerRect(true).center());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(pad)->childAt(corner.x(), corner.y()), next);

    // A press on a corner turns the page as a click does, saving the page left.
    form->CalendarPad1()->SlotField(3)->setFocus();
    QTest::keyClicks(pad->SlotField(3), QStringLiteral("Zahnarzt"));
    ASSERT_EQ(next->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::pressAction()});
    next->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([&] { return pad->Date() == QStringLiteral("16.02.02"); }, 2000));
    EXPECT_EQ(parts.first()->text(QAccessible::Name), QStringLiteral("Samstag, 16. Februar 2002"));
    QFile hours(FDir.filePath(QStringLiteral("150202T.000")));
    ASSERT_TRUE(hours.open(QIODevice::ReadOnly));
    EXPECT_EQ(hours.readAll().split('\n').at(2), QByteArray("Zahnarzt\r"));
    parts.at(parts.indexOf(next) - 18)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([&] { return pad->Date() == QStringLiteral("15.02.02"); }, 2000));
    EXPECT_EQ(pad->SlotField(3)->text(), QStringLiteral("Zahnarzt"));
    EXPECT_TRUE(FErrors.isEmpty());
}

TEST_F(Access, ThePerpetualCalendarIsNamedAndItsGridHasTheKeysAtOnce)
{
    TForm1* form = Open();
    QWidget* slot = form->CalendarPad1()->SlotField(1);
    slot->setFocus();
    WithCalendar(slot, [](TPerpetualCalendarDlg* dialog) {
        ExpectEveryControlNamed(dialog);
        EXPECT_EQ(dialog->Month->accessibleName(), QStringLiteral("Monat"));
        EXPECT_EQ(dialog->Year->accessibleName(), QStringLiteral("Jahr"));
        auto* grid = dialog->Calendar->findChild<QTableView*>();
        ASSERT_TRUE(QTest::qWaitFor([dialog] {
            return QApplication::focusWidget() && QApplication::focusWidget()->window() == dialog;
        }));
        ASSERT_EQ(QApplication::focusWidget(), grid)
            << QApplication::focusWidget()->metaObject()->className() << " "
            << QApplication::focusWidget()->accessibleName().toStdString();
        // Page Down and two days on, then Return takes the day.
        QTest::keyClick(grid, Qt::Key_PageDown);
        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(grid, Qt::Key_Return);
    });
    EXPECT_EQ(form->CalendarPad1()->Date(), QStringLiteral("17.03.02"));
    EXPECT_EQ(form->focusWidget(), form->CalendarPad1()->NotesField());
}

TEST_F(Access, ButtonsTakeTheFocusInScreenOrderAndTheirLettersTypeNothing)
{
    TForm1* form = Open();
    QLineEdit* slot = form->CalendarPad1()->SlotField(17);
    slot->setFocus();
    const QList<QWidget*> order = {form->Edit1(), form->ExeSpeedButton1(), form->SpeedButton1(),
                                   form->SpeedButton2(), form->CalendarPad1()->NotesField()};
    for (QWidget* expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected)
            << QApplication::focusWidget()->metaObject()->className();
    }
    // Alt with a button's letter presses the button; no Alt letter is typed into a field.
    int helpPressed = 0;
    QObject::disconnect(form->SpeedButton1(), nullptr, form, nullptr);
    QObject::connect(form->SpeedButton1(), &QToolButton::clicked, [&] { ++helpPressed; });
    slot->setFocus();
    for (const Qt::Key key : {Qt::Key_X, Qt::Key_H, Qt::Key_Q})
        QTest::keyClick(slot, key, Qt::AltModifier);
    // A button shows itself pressed for a moment before it acts.
    EXPECT_TRUE(QTest::qWaitFor([&] { return helpPressed == 1; }, 2000));
    EXPECT_EQ(slot->text(), QString());
    QTest::keyClick(form->CalendarPad1()->NotesField(), Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }, 2000));
    EXPECT_EQ(form->CalendarPad1()->NotesField()->toPlainText(), QString());
}

// --- contrast ------------------------------------------------------------------------------

TEST(Contrast, RatiosOfKnownPairs)
{
    const struct {
        QColor a, b;
        double ratio;
    } cases[] = {{Qt::black, Qt::white, 21.0},
                 {Qt::white, Qt::white, 1.0},
                 {Qt::black, QColor(0x24, 0x24, 0x24), 1.35},
                 {Qt::red, Qt::white, 4.0},
                 {QColor(0xCC, 0, 0), Qt::white, 5.89},
                 {QColor(0xC0, 0xC0, 0xC0), QColor(0, 0, 0x80), 8.80}};
    for (const auto& c : cases) {
        EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.01) << c.a.name().toStdString();
        EXPECT_NEAR(ContrastRatio(c.b, c.a), c.ratio, 0.01);
    }
    // Moved just far enough: the grey of a dark palette's disabled text on its dark field.
    const QColor moved = ReadableOn(QColor(0x55, 0x55, 0x55), QColor(0x24, 0x24, 0x24));
    EXPECT_GE(ContrastRatio(moved, QColor(0x24, 0x24, 0x24)), ReadableContrast);
    EXPECT_LT(ContrastRatio(moved, QColor(0x24, 0x24, 0x24)), 6.0);
}

// A window drawn at twice its size, so that the strokes of small letters have pixels of their
// full colour.
QImage Render(QWidget* window)
{
    QImage image(window->size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::magenta);
    window->render(&image);
    return image;
}

// The contrast of the text in a place of the window: of the colour that stands out most from
// the colour most of the place has.
double TextContrast(const QImage& image, const QRect& place)
{
    const QRect pixels(place.topLeft() * 2, place.size() * 2);
    QHash<QRgb, int> counts;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        if (it.value() > most)
            std::tie(background, most) = std::pair(it.key(), it.value());
    }
    double best = 1;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        best = std::max(best, ContrastRatio(QColor(it.key()), QColor(background)));
    return best;
}

QPalette DarkPalette()
{
    // As a dark desktop theme gives it: light text on dark fields.
    QPalette dark;
    const struct {
        QPalette::ColorRole role;
        QColor colour;
    } roles[] = {{QPalette::Window, QColor(0x35, 0x35, 0x35)},
                 {QPalette::WindowText, Qt::white},
                 {QPalette::Base, QColor(0x24, 0x24, 0x24)},
                 {QPalette::AlternateBase, QColor(0x2D, 0x2D, 0x2D)},
                 {QPalette::Text, Qt::white},
                 {QPalette::PlaceholderText, QColor(0x6E, 0x6E, 0x6E)},
                 {QPalette::Button, QColor(0x3A, 0x3A, 0x3A)},
                 {QPalette::ButtonText, Qt::white},
                 {QPalette::Highlight, QColor(0x35, 0x84, 0xE4)},
                 {QPalette::HighlightedText, Qt::white}};
    for (const auto& r : roles)
        dark.setColor(r.role, r.colour);
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x55, 0x55, 0x55));
    return dark;
}

struct TPlace {
    QString what;
    QRect where;  // in the window's coordinates
};

// The places of text in a window: fields and labels whole, a button's caption beside its
// picture, every day and heading of a month grid.
QList<TPlace> TextPlaces(QWidget* window)
{
    QList<TPlace> places;
    const auto add = [&](QWidget* widget, QRect local, const QString& what) {
        if (widget->isVisibleTo(window))
            places << TPlace{what, QRect(widget->mapTo(window, local.topLeft()), local.size())};
    };
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const QString name = QString::fromLatin1(widget->metaObject()->className());
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty())
            add(label, label->rect(), label->text());
        else if (auto* field = qobject_cast<QLineEdit*>(widget); field && !field->text().isEmpty())
            add(field, field->rect(), field->text());
        else if (auto* notes = qobject_cast<QPlainTextEdit*>(widget);
                 notes && !notes->toPlainText().isEmpty())
            add(notes->viewport(), notes->viewport()->rect(), notes->toPlainText());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                 button && !button->text().isEmpty()) {
            // The caption: right of the picture, as wide as its letters.
            const int width = button->fontMetrics().horizontalAdvance(button->text().remove('&'));
            const int right = qobject_cast<QToolButton*>(button)
                                  ? button->iconSize().width() + 4 + width + 4
                                  : (button->width() + button->iconSize().width() + 4 + width) / 2
                                        + 2;
            add(button, QRect(QPoint(right - width - 4, 2), QPoint(right, button->height() - 3)),
                button->text());
        } else if (auto* combo = qobject_cast<QComboBox*>(widget))
            add(combo, combo->rect().adjusted(2, 2, -20, -2), combo->currentText());
        else if (auto* grid = qobject_cast<QTableView*>(widget)) {
            for (int row = 0; row < grid->model()->rowCount(); ++row) {
                for (int column = 0; column < grid->model()->columnCount(); ++column) {
                    const QModelIndex index = grid->model()->index(row, column);
                    const QRect cell = grid->visualRect(index);
                    if (cell.isValid())
                        add(grid->viewport(), cell, index.data().toString());
                }
            }
        } else if (name == QLatin1String("deskora::TStockCalendar"))
            add(widget, QRect(0, 0, widget->width(), 14), QStringLiteral("Wochentage"));
    }
    return places;
}

void ExpectReadable(QWidget* window, const QList<TPlace>& places, const char* palette)
{
    const QImage image = Render(window);
    ASSERT_FALSE(places.isEmpty());
    for (const TPlace& place : places) {
        EXPECT_GE(TextContrast(image, place.where), ReadableContrast)
            << palette << ": " << place.what.toStdString() << " " << place.where.x() << ","
            << place.where.y() << " " << place.where.width() << "x" << place.where.height();
    }
}

TEST_F(Access, EveryTextReadsUnderADarkPaletteAndTheLightOne)
{
    for (const bool dark : {true, false}) {
        const char* name = dark ? "dunkel" : "hell";
        QApplication::setPalette(dark ? DarkPalette() : FOldPalette);
        TForm1* form = Open();
        TCalendarPad* pad = form->CalendarPad1();
        pad->NotesField()->setPlainText(QStringLiteral("Einkaufen"));
        pad->SlotField(2)->setText(QStringLiteral("Post"));
        // 10:00, the clock's hour, in the planner's red.
        pad->SlotField(4)->setText(QStringLiteral("Kaffee"));
        QList<TPlace> places = TextPlaces(form);
        const QPoint padAt = pad->mapTo(form, QPoint(0, 0));
        const struct {
            const char* what;
            QRect where;
        } painted[] = {{"Tag", QRect(104, 22, 56, 36)},
                       {"Wochentag", QRect(102, 60, 60, 14)},
                       {"Jahr", QRect(22, 20, 76, 28)},
                       {"Monat", QRect(22, 55, 76, 18)},
                       {"Fußzeile", TCalendarPad::FooterArea()}};
        for (const auto& p : painted)
            places << TPlace{QString::fromUtf8(p.what), p.where.translated(padAt)};
        for (int k = 1; k <= 17; ++k)
            places << TPlace{pad->HourLabel(k), QRect(218, 14 * k + 5, 28, 13).translated(padAt)};
        ExpectReadable(form, places, name);

        // The perpetual calendar: fields, headings, every day, the marked one among them, in
        // each state the marked day is drawn in: the keys in the grid with the pointer on the
        // day, the keys in the year field, the window inactive.
        WithCalendar(pad->SlotField(1), [&](TPerpetualCalendarDlg* dialog) {
            auto* grid = dialog->Calendar->findChild<QTableView*>();
            // The dialog gives the grid the focus; as after a Tab, the style draws its focus marks.
            ASSERT_TRUE(QTest::qWaitFor([grid] { return grid->hasFocus(); }));
            dialog->setAttribute(Qt::WA_KeyboardFocusChange);
            QTest::mouseMove(grid->viewport(), grid->visualRect(grid->currentIndex()).center());
            ExpectReadable(dialog, TextPlaces(dialog), (name + std::string(", Tage")).c_str());
            dialog->Year->setFocus();
            ExpectReadable(dialog, TextPlaces(dialog), (name + std::string(", Jahr")).c_str());
            form->activateWindow();
            ASSERT_TRUE(QTest::qWaitFor([dialog] { return !dialog->isActiveWindow(); }));
            ExpectReadable(dialog, TextPlaces(dialog), (name + std::string(", inaktiv")).c_str());
            // On the light palette the fields keep their black.
            if (!dark) {
                EXPECT_EQ(dialog->Year->palette().color(QPalette::Text), QColor(Qt::black));
                EXPECT_EQ(dialog->Month->palette().color(QPalette::Text), QColor(Qt::black));
            }
        });
        FForm.reset();
    }
}

}  // namespace
}  // namespace deskora
