// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/induction_argument.h"
#include "app/fixed_texts.h"
#include "app/induction_step.h"
#include "app/shown_form.h"
#include "identities/identity_picture.h"
#include "ui/board/board_surface.h"
#include "ui/lesson/claim_dialog.h"
#include "ui/window/main_window.h"
#include "cli/program_texts.h"
#include "ui/commands/window_commands.h"
#include "picture/twips.h"

#include "marking_translator.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

class Window : public testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_EQ(window.logicalDpiX(), 96) << "the pixel figures below are for 96 DPI";
    }

    template <class Widget = QWidget>
    Widget* control(const char* name)
    {
        auto* widget = window.findChild<Widget*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QImage grab()
    {
        return window.grab().toImage();
    }

    void click(const char* name)
    {
        QTest::mouseClick(control(name), Qt::LeftButton);
    }

    MainWindow window;
};

QString Caption(QWidget* widget)
{
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return frame->title();
    return {};
}

std::string Rgb(QRgb pixel)
{
    return QStringLiteral("(%1, %2, %3)").arg(qRed(pixel)).arg(qGreen(pixel)).arg(qBlue(pixel)).toStdString();
}

}  // namespace

TEST_F(Window, EveryControlStandsAtItsPixelRectangleWithItsCaption)
{
    const struct {
        const char* name;
        QRect pixels;  // at 96 DPI, inside the frame for the radio buttons
        const char* caption;
    } rows[] = {
        {"Command1(1)", {384, 72, 97, 25}, "Изведи"},
        {"Frame1(0)", {304, 160, 233, 153}, "Индукция - нагледно"},
        {"Option1(5)", {8, 120, 217, 20}, "Разлика квадрати"},
        {"Option1(4)", {8, 100, 217, 20}, "1+...+n-1+n+n-1+...+1 = n*n"},
        {"Option1(1)", {8, 40, 217, 20}, "Аритметична прогресия"},
        {"Option1(2)", {8, 60, 217, 20}, "1 + 2 +...+ n = n*(n+1)/2"},
        {"Option1(3)", {8, 80, 217, 20}, "1 + 3 + 5 + ... + (2n-1) = n*n"},
        {"Option1(0)", {8, 20, 217, 20}, "Сума на първите естествени"},
        {"Command1(0)", {384, 120, 97, 25}, "Изчисти"},
        {"List1(0)", {304, 56, 57, 99}, ""},
        {"Text1(1)", {168, 368, 449, 121}, ""},
        {"Text1(0)", {8, 320, 529, 137}, ""},
    };
    EXPECT_EQ(window.size(), QSize(546, 462));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Математика - индукция, прогресии, суми"));
    EXPECT_FALSE(window.windowIcon().isNull());
    for (const auto& row : rows) {
        QWidget* widget = control(row.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), row.pixels) << row.name;
        EXPECT_EQ(Caption(widget), QString::fromUtf8(row.caption)) << row.name;
        EXPECT_EQ(widget->parentWidget()->objectName() == QStringLiteral("Frame1(0)"),
                  QByteArray(row.name).startsWith("Option1"))
            << row.name;
    }
}

TEST_F(Window, TextsUseASerifFontWithCyrillicLetters)
{
    const QString family = QFontInfo(control("Text1(0)")->font()).family();
    EXPECT_TRUE(family == QStringLiteral("Liberation Serif") || family == QStringLiteral("Times New Roman"))
        << family.toStdString();
    EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::Cyrillic));
    EXPECT_EQ(QFontInfo(control("Command1(1)")->font()).pointSize(), 12);
}

TEST_F(Window, TextBoxesShowTheirTextsReadOnlyWithAScrollBar)
{
    const std::pair<const char*, std::string_view> rows[] = {{"Text1(0)", kMethodText},
                                                             {"Text1(1)", kQuotation}};
    for (const auto& [name, text] : rows) {
        auto* box = control<QPlainTextEdit>(name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->toPlainText().toStdString() + '\n', [&] {
            std::string expected(text);
            for (auto at = expected.find("\r\n"); at != std::string::npos; at = expected.find("\r\n", at))
                expected.erase(at, 1);
            return expected + '\n';
        }()) << name;
        EXPECT_TRUE(box->isReadOnly());
        EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }
}

TEST_F(Window, ListHoldsOneToElevenWithNothingSelected)
{
    auto* list = control<QListWidget>("List1(0)");
    ASSERT_EQ(list->count(), 11);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(list->item(i)->text(), QString::number(i + 1));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
}

TEST_F(Window, TheFirstIdentityIsChosenAtStart)
{
    EXPECT_TRUE(control<QRadioButton>("Option1(0)")->isChecked());
    EXPECT_EQ(window.form().ProofKind, 1);
}

TEST_F(Window, ClicksReachTheForm)
{
    auto* list = control<QListWidget>("List1(0)");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    for (int i : {3, 5, 0}) {
        // far right on the button's rectangle, past its caption
        auto* option = control<QRadioButton>(QStringLiteral("Option1(%1)").arg(i).toUtf8());
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(option->width() - 4, option->height() / 2));
        EXPECT_EQ(window.form().ProofKind, i + 1);
        for (int j = 0; j < 6; ++j) {
            EXPECT_EQ(control<QRadioButton>(QStringLiteral("Option1(%1)").arg(j).toUtf8())->isChecked(), i == j)
                << "after " << i << ", button " << j;
            EXPECT_EQ(window.form().Option1(j).Value, i == j) << "after " << i << ", value " << j;
        }
        EXPECT_EQ(window.form().List1(0).ListIndex, 0) << "n = 1 stays chosen";
        EXPECT_EQ(list->selectedItems(), QList<QListWidgetItem*>{list->item(0)});
    }

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(window.form().List1(0).ListIndex, 2);

    click("Command1(1)");
    EXPECT_EQ(window.form().Shape1(0).Shape, kCircle) << "Show ran: the first identity draws circles";

    click("Command1(0)");
    EXPECT_EQ(window.form().List1(0).ListIndex, -1);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_FALSE(window.form().Shape1(0).Visible);
}

// Enter and keypad Enter press the focused button, as Space does.
TEST_F(Window, EnterPressesTheFocusedButtonOrShow)
{
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const struct {
        const char* button;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int cells;  // on the board afterwards, the template included
    } rows[] = {{"Command1(1)", Qt::Key_Return, Qt::NoModifier, 6}, {"Command1(0)", Qt::Key_Enter, Qt::KeypadModifier, 1},
                // in the list and on a radio button Enter presses Show
                {"List1(0)", Qt::Key_Return, Qt::NoModifier, 6}, {"Command1(0)", Qt::Key_Return, Qt::NoModifier, 1},
                {"Option1(0)", Qt::Key_Enter, Qt::KeypadModifier, 6}};
    for (const auto& row : rows) {
        control<QListWidget>("List1(0)")->setCurrentRow(2);  // Clear forgets n
        control(row.button)->setFocus();
        QTest::keyClick(control(row.button), row.key, row.modifiers);
        EXPECT_EQ(window.form().Shape1.Count(), row.cells) << row.button;
    }
}

TEST_F(Window, GrabShowsTheLayoutColours)
{
    const QImage image = grab();
    const struct {
        const char* what;
        QPoint at;
        QColor colour;
    } rows[] = {
        {"background right of the title", {530, 10}, QColor(128, 128, 255)},
        {"background under the buttons", {400, 150}, QColor(128, 128, 255)},
        {"Show button", {388, 92}, QColor(0, 255, 0)},
        {"Clear button", {388, 140}, QColor(0, 255, 0)},
        {"title label", {84, 22}, QColor(255, 192, 128)},
        {"count label", {306, 54}, QColor(255, 192, 128)},
        {"radio button", {304 + 8 + 212, 160 + 20 + 10}, QColor(255, 192, 128)},
        {"last radio button", {304 + 8 + 212, 160 + 120 + 10}, QColor(255, 192, 128)},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Rgb(image.pixel(row.at)), Rgb(row.colour.rgb())) << row.what;

    // the method text is drawn: dark letters on the text box's light ground
    int dark = 0;
    for (int y = 322; y < 345; ++y) {
        for (int x = 12; x < 500; ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    }
    EXPECT_GT(dark, 500);
}

TEST_F(Window, CellsLieBeneathTheOtherControls)
{
    Tessalo& form = window.editForm();
    form.Shape1(0) = {4200, 1500, 750, 375, {200, 120, 40}, kSquare, true};  // half under the list
    window.showState();
    const QImage image = grab();
    EXPECT_EQ(Rgb(image.pixel(290, 112)), Rgb(qRgb(200, 120, 40))) << "the part left of the list";
    EXPECT_NE(Rgb(image.pixel(320, 112)), Rgb(qRgb(200, 120, 40))) << "the part under the list";
}

namespace {

class WindowPicture : public Window, public testing::WithParamInterface<int> {};

}  // namespace

// Each identity at n = 3, drawn through the widgets: every cell shows its colour
// at its centre, and a circle leaves the corners of its square to the background.
TEST_P(WindowPicture, CellsShowTheirColours)
{
    const int kind = GetParam();
    if (kind >= kFirstFurtherKind) {
        // beside the form, from its menu (the progression's entry asks for a and d): its cells
        // where they lie, an outlined one in the background's colour; a radio button gives it back
        control<QListWidget>("List1(0)")->setCurrentRow(2);
        QAction* entry = window.commands().further().actions()[kind - kFirstFurtherKind + 1];
        if (kind == 8)
            window.chooseFurther(kind, Progression{2, 3});
        else
            entry->trigger();
        const QImage image = grab();
        for (const Cell& cell : FurtherCells(DescribeFurther(kind, {2, 3}), 3)) {
            const QPoint centre(qRound((cell.Left + cell.Width / 2) / 15), qRound((cell.Top + cell.Height / 2) / 15));
            const Colour colour = cell.BackColor;
            EXPECT_EQ(Rgb(image.pixel(centre)), Rgb(qRgb(colour.red, colour.green, colour.blue)));
        }
        EXPECT_TRUE(entry->isChecked());
        click("Option1(1)");
        EXPECT_TRUE(window.commands().further().actions()[0]->isChecked());
        return;
    }
    click(QStringLiteral("Option1(%1)").arg(kind - 1).toUtf8());
    control<QListWidget>("List1(0)")->setCurrentRow(2);
    click("Command1(1)");
    const QImage image = grab();
    const Tessalo& form = window.form();
    ASSERT_EQ(form.Shape1.Count(), kind == 4 || kind == 5 ? 9 : 6);
    for (int i = 0; i < form.Shape1.Count(); ++i) {
        const Cell& cell = form.Shape1(i);
        const Colour colour = cell.BackColor;
        const QPoint centre(qRound((cell.Left + cell.Width / 2) / 15), qRound((cell.Top + cell.Height / 2) / 15));
        EXPECT_EQ(Rgb(image.pixel(centre)), Rgb(qRgb(colour.red, colour.green, colour.blue))) << "cell " << i;
        const QPoint corner(qRound((cell.Left + 20) / 15), qRound((cell.Top + 20) / 15));
        const QRgb expected = cell.Shape == kCircle ? qRgb(128, 128, 255) : qRgb(colour.red, colour.green, colour.blue);
        EXPECT_EQ(Rgb(image.pixel(corner)), Rgb(expected)) << "corner of cell " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, WindowPicture, testing::Range(1, kLastFurtherKind + 1),
                         [](const testing::TestParamInfo<int>& info) { return "Kind" + std::to_string(info.param); });

TEST_F(Window, ScreenReadersHearANameForEveryControlAndTheProof)
{
    for (auto* widget : window.findChildren<QWidget*>(QRegularExpression(QStringLiteral("^\\w+\\(\\d\\)$"))))
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
    EXPECT_EQ(control("List1(0)")->accessibleName(), QStringLiteral("Брой"));
    EXPECT_EQ(control("Command1(1)")->accessibleName(), QStringLiteral("Изведи"));
    EXPECT_EQ(control("Text1(0)")->accessibleName(), QStringLiteral("Доказателство"));
    EXPECT_EQ(control("Text1(1)")->accessibleName(), QStringLiteral("Цитат"));

    // the identities' group is not named before each of its radio buttons
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control("Frame1(0)"))->text(QAccessible::Name), QString());

    QWidget* board = control("Board");
    EXPECT_FALSE(board->accessibleName().isEmpty());
    click("Option1(3)");
    control<QListWidget>("List1(0)")->setCurrentRow(2);
    click("Command1(1)");
    EXPECT_EQ(board->accessibleDescription(), QStringLiteral("Квадрат 3 по 3, 9 квадрата. 1 плюс 3 плюс 5 равно на 3 по 3 равно на 9"));
    // the proof is read in words, line for line, where the box's caret is
    auto* proof = control<QPlainTextEdit>("Text1(0)");
    proof->moveCursor(QTextCursor::End);
    proof->moveCursor(QTextCursor::PreviousBlock);  // the text ends with a line break
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(proof)->textInterface();
    ASSERT_NE(text, nullptr);
    int start = -1;
    int end = -1;
    EXPECT_EQ(text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end),
              QStringLiteral("1 плюс 3 плюс 5 равно на 3 по 3 равно на 9\n"));
    EXPECT_FALSE(text->text(0, text->characterCount()).contains(QLatin1Char('*')));
    click("Command1(0)");
    EXPECT_EQ(board->accessibleDescription(), QString());
}

// Tab visits the controls in the layout's tab order; the radio buttons are one
// stop, at the one that is on, whichever identity the window opened with, and
// the board with a picture and the argument's list beside the form after them;
// Shift+Tab walks back the same way.
TEST_F(Window, TabFollowsTheLayoutsOrder)
{
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const auto walk = [](Qt::KeyboardModifiers modifiers) {
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            visited << QApplication::focusWidget()->objectName();
        }
        return visited.join(' ').toStdString();
    };
    const struct {
        int kind;  // 0: as the window opens
        bool argument;
        const char* order;
    } rows[] = {
        {0, false, "Text1(0) Text1(1) List1(0) Command1(0) Option1(0) Command1(1) Text1(0) Text1(1)"},
        {1, false, "Text1(0) Text1(1) List1(0) Command1(0) Option1(0) Command1(1) Board Text1(0)"},
        {2, true, "Text1(0) Text1(1) List1(0) Command1(0) Option1(1) Command1(1) argumentLines Board"},
        {3, false, "Text1(0) Text1(1) List1(0) Command1(0) Option1(2) Command1(1) Board Text1(0)"},
        {4, true, "Text1(0) Text1(1) List1(0) Command1(0) Option1(3) Command1(1) argumentLines Board"},
        {5, false, "Text1(0) Text1(1) List1(0) Command1(0) Command1(1) Option1(4) Board Text1(0)"},
        {6, true, "Text1(0) Text1(1) List1(0) Command1(0) Command1(1) Option1(5) argumentLines Board"},
    };
    for (const auto& row : rows) {
        if (row.kind > 0)
            window.open(row.kind, 3);
        window.setArgumentShown(row.argument);
        control("Text1(0)")->setFocus();
        const std::string forward = walk(Qt::NoModifier);
        EXPECT_EQ(forward, row.order) << row.kind << (row.argument ? " with the argument" : "");
        QStringList back = QString::fromStdString(forward).split(' ');
        std::reverse(back.begin(), back.end());
        EXPECT_EQ(walk(Qt::ShiftModifier), back.join(' ').toStdString()) << row.kind;
    }

    // the quotation box, partly behind the proof box, is in front while it has the focus
    QWidget* quotation = control("Text1(1)");
    const QPoint overlap(300, 400);  // in both boxes
    quotation->setFocus();
    EXPECT_TRUE(quotation->isAncestorOf(window.childAt(overlap)));
    control("List1(0)")->setFocus();
    EXPECT_FALSE(quotation->isAncestorOf(window.childAt(overlap)));
}

// The offscreen screen is 800 × 800: 125 % fits, 150 % (819 × 693) does not.
// Each step scales the whole form: the Show button at 125 % is its twips / 12.
TEST_F(Window, ZoomKeysStepTheWindowAndStopAtTheScreensEdge)
{
    ASSERT_EQ(window.screen()->availableGeometry().size(), QSize(800, 800));
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const auto key = [&](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier); };
    const auto wheel = [&](int angle) {
        QWidget* over = control<QPlainTextEdit>("Text1(0)")->viewport();
        QWheelEvent event(QPointF(10, 10), over->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, angle), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &event);
    };
    const struct {
        const char* what;
        std::function<void()> act;
        QSize size;
    } rows[] = {
        {"Ctrl+=", [&] { key(Qt::Key_Equal); }, {683, 578}},
        {"Ctrl+plus at the edge", [&] { key(Qt::Key_Plus); }, {683, 578}},
        {"Ctrl+minus", [&] { key(Qt::Key_Minus); }, {546, 462}},
        {"Ctrl+minus at 100 %", [&] { key(Qt::Key_Minus); }, {546, 462}},
        {"Ctrl+wheel up", [&] { wheel(120); }, {683, 578}},
        {"Ctrl+wheel down", [&] { wheel(-120); }, {546, 462}},
        {"Ctrl+wheel, half a notch", [&] { wheel(60); }, {546, 462}},
        {"Ctrl+wheel, the other half", [&] { wheel(60); }, {683, 578}},
        {"Ctrl+0", [&] { key(Qt::Key_0); }, {546, 462}},
    };
    for (const auto& row : rows) {
        row.act();
        EXPECT_EQ(window.size(), row.size) << row.what;
    }
    key(Qt::Key_Equal);
    EXPECT_EQ(control("Command1(1)")->geometry(), QRect(480, 90, 121, 31));
    EXPECT_EQ(QFontInfo(control("Command1(1)")->font()).pointSizeF(), 15);
}

// Edges round to the nearest pixel at every screen density, never down.
TEST(TwipsToPixels, RoundsEveryEdge)
{
    const struct {
        int dpi;
        QRect twips;  // left, top, width, height
        QRect pixels;
    } rows[] = {
        {96, {5760, 1080, 1455, 375}, {384, 72, 97, 25}},
        {120, {5760, 1080, 1455, 375}, {480, 90, 121, 31}},  // right edge 601.25, bottom 121.25
        {120, {45, 0, 90, 45}, {4, 0, 7, 4}},                // left 3.75, right 11.25, bottom 3.75
        {144, {2280, 600, 375, 375}, {228, 60, 38, 38}},     // right 265.5, bottom 97.5: up
        {144, {4560, 840, 855, 1485}, {456, 84, 86, 149}},   // right 541.5, bottom 232.5
    };
    for (const auto& row : rows) {
        const QRect& t = row.twips;
        EXPECT_EQ(TwipsToPixels(t.x(), t.y(), t.width(), t.height(), TwipsPerPixel(row.dpi)), row.pixels)
            << row.dpi << " DPI, " << t.x() << ", " << t.y();
    }
}

// The toolkit's own words are Bulgarian too: the text boxes' context menu.
TEST_F(Window, TheTextBoxMenuSpeaksBulgarian)
{
    const std::unique_ptr<QMenu> menu(control<QPlainTextEdit>("Text1(0)")->createStandardContextMenu());
    int entries = 0;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        ++entries;
        EXPECT_TRUE(action->text().contains(QRegularExpression(QStringLiteral("\\p{Cyrillic}"))))
            << action->text().toStdString();
    }
    EXPECT_GE(entries, 2);
}

// Switched at run time, the window speaks the other language in place: the
// picture, n and the identity stay, and switching back gives every text back.
TEST_F(Window, SwitchesLanguageInPlace)
{
    window.open(4, 5);
    auto* proof = control<QPlainTextEdit>("Text1(0)");
    const QString bulgarian = proof->toPlainText();
    const auto menuHasCyrillic = [this] {
        const std::unique_ptr<QMenu> menu(control<QPlainTextEdit>("Text1(0)")->createStandardContextMenu());
        return menu->actions().first()->text().contains(QRegularExpression(QStringLiteral("\\p{Cyrillic}")));
    };
    window.commands()[Command::Language].trigger();  // Ctrl+L: the next language
    EXPECT_EQ(Caption(control("Command1(1)")), QStringLiteral("Show"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Mathematics - induction, progressions, sums"));
    EXPECT_TRUE(proof->toPlainText().startsWith(QStringLiteral("To prove: "))) << proof->toPlainText().toStdString();
    EXPECT_TRUE(proof->toPlainText().contains(QStringLiteral("Total: 5*5 = 25")));
    EXPECT_EQ(window.commands()[Command::Save].text(), QStringLiteral("Save the picture..."));
    EXPECT_FALSE(menuHasCyrillic()) << "the toolkit's own texts follow";
    EXPECT_EQ(window.form().List1(0).ListIndex, 4);
    EXPECT_TRUE(control<QRadioButton>("Option1(3)")->isChecked());
    EXPECT_EQ(window.form().CellTotal, ShownForm(4, 5).CellTotal);

    window.commands().languages().actions()[static_cast<int>(Language::bg)]->trigger();  // the menu's entry
    EXPECT_EQ(proof->toPlainText(), bulgarian);
    EXPECT_EQ(Caption(control("Command1(1)")), QStringLiteral("Изведи"));
    EXPECT_TRUE(menuHasCyrillic());

    // while a step waits for the class's guess, the text before it, in the new words;
    // after the reveal, its verdict
    window.setArgumentShown(true);
    window.commands()[Command::Predict].trigger();
    window.step(+1);
    window.setLanguage(Language::en);
    EXPECT_TRUE(proof->toPlainText().contains(QStringLiteral("Total: 5*5 = 25"))) << proof->toPlainText().toStdString();
    window.commands()[Command::Reveal].trigger();
    const auto* verdict = window.findChild<QLabel*>(QStringLiteral("verdict"));
    ASSERT_NE(verdict, nullptr);
    EXPECT_FALSE(verdict->text().contains(QRegularExpression(QStringLiteral("\\p{Cyrillic}"))));
    window.setLanguage(Language::bg);
    EXPECT_TRUE(verdict->text().contains(QRegularExpression(QStringLiteral("\\p{Cyrillic}")))) << verdict->text().toStdString();
}

// A pseudo-language marks every text the toolkit translates: whatever the
// window shows in English is marked or is one of the core's English texts, so
// a text that passes through no catalogue shows up.
TEST(Languages, EveryTextOfTheWindowComesFromACatalogue)
{
    UseLanguage(Language::en);
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    {
        QSet<QString> core;
        for (std::size_t id = 0; id < kTextCount; ++id)
            core << QString::fromUtf8(Tr(Language::en, static_cast<TextId>(id)));
        for (std::size_t language = 0; language < kLanguageCount; ++language)
            core << QString::fromUtf8(Tr(static_cast<Language>(language), TextId::LanguageName));
        const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
        const auto check = [&](const QString& text, const QString& where) {
            if (text.contains(word) && !text.contains(QStringLiteral("⟦")) && !core.contains(text))
                ADD_FAILURE() << where.toStdString() << ": " << text.toStdString();
        };
        MainWindow window;
        window.open(4, 5);
        window.setArgumentShown(true);
        check(window.windowTitle(), QStringLiteral("title"));
        for (const QWidget* widget : window.findChildren<QWidget*>()) {
            const QString name = widget->objectName();
            if (name.startsWith(QStringLiteral("Announcer")) || widget->parentWidget()->objectName() == QStringLiteral("AnnouncerNote"))
                continue;  // the core's sentences, made of its catalogue's words
            check(widget->accessibleName(), name + QStringLiteral(" name"));
            if (name != QStringLiteral("Board"))  // the board's is the core's sentence about the picture
                check(widget->accessibleDescription(), name + QStringLiteral(" description"));
            check(widget->toolTip(), name + QStringLiteral(" tip"));
            check(Caption(const_cast<QWidget*>(widget)), name);
            if (const auto* label = qobject_cast<const QLabel*>(widget))
                check(label->text(), name);
            if (const auto* box = qobject_cast<const QLineEdit*>(widget))
                check(box->placeholderText(), name);
        }
        for (const QAction* action : window.findChildren<QAction*>()) {
            check(action->text(), QStringLiteral("action"));
            check(action->toolTip(), QStringLiteral("action tip"));
        }
        for (const auto& [keys, meaning] : KeyListRows(window.commands())) {
            check(keys, QStringLiteral("keys"));
            check(meaning, keys);
        }
    }
    QCoreApplication::removeTranslator(&marking);
    UseLanguage(Language::bg);
}

// Every caption fits its control at 100 % in every language, measured with
// its font: the layout is the same whatever the language.
TEST(Languages, EveryCaptionFitsItsControl)
{
    for (std::size_t language = 0; language < kLanguageCount; ++language) {
        UseLanguage(static_cast<Language>(language));
        MainWindow window;
        const std::string code(kLanguageCodes[language]);
        for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            // the room the style leaves the caption, beside a radio button's circle
            QStyleOptionButton option;
            option.initFrom(button);
            const auto room = qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                                         : QStyle::SE_PushButtonContents;
            EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()),
                      button->style()->subElementRect(room, &option, button).width())
                << code << " " << button->text().toStdString();
        }
        const auto* frame = window.findChild<QGroupBox*>(QStringLiteral("Frame1(0)"));
        EXPECT_LE(QFontMetrics(frame->font()).horizontalAdvance(frame->title()), frame->width())
            << code << " " << frame->title().toStdString();
        for (int i = 0; i < window.form().Label1.Count(); ++i) {
            const Label& label = window.form().Label1(i);
            const QString caption = QString::fromUtf8(label.Caption.data(), static_cast<qsizetype>(label.Caption.size()));
            EXPECT_LE(QFontMetrics(window.board().font()).horizontalAdvance(caption), label.Width / 15)
                << code << " " << caption.toStdString();
        }
    }
    UseLanguage(Language::bg);
}

// A step is measured against the picture for n − 1 of the identity now
// chosen, not against what the board showed before it.
TEST_F(Window, AStepAfterAnotherIdentityFramesItsOwnLastTerm)
{
    click("Option1(4)");
    control<QListWidget>("List1(0)")->setCurrentRow(2);
    click("Command1(1)");
    click("Option1(5)");
    window.step(+1);
    EXPECT_EQ(window.board().marked().size(), 4u) << "the fourth term of the alternating squares";
    window.step(+1);
    EXPECT_EQ(window.board().marked().size(), 5u);
}

// Letters rounded to whole pixels are not in proportion from one size to the
// next: without care the method text wrapped at other words at 150 %.
TEST_F(Window, TheTextsBreakAtEveryZoomWhereTheyBreakAtHundredPercent)
{
    const auto lines = [&](const char* name) {
        QApplication::processEvents();  // the boxes lay their text out when they can
        QStringList lengths;
        const QTextDocument* document = control<QPlainTextEdit>(name)->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (int i = 0; i < block.layout()->lineCount(); ++i)
                lengths << QString::number(block.layout()->lineAt(i).textLength());
        }
        return lengths.join(QLatin1Char(',')).toStdString();
    };
    const std::string method = lines("Text1(0)");
    const std::string quotation = lines("Text1(1)");
    for (const double zoom : {1.5, 1.6667, 2.0, 4.675, 7.03}) {
        window.resizeToZoom(zoom);
        EXPECT_EQ(lines("Text1(0)"), method) << "at " << zoom;
        EXPECT_EQ(lines("Text1(1)"), quotation) << "at " << zoom;
    }
    // each zoom's margin would be a step to undo, kept until the window closes
    EXPECT_EQ(control<QPlainTextEdit>("Text1(0)")->document()->availableUndoSteps(), 0);
}

// F2 puts the argument beside the form and takes it away again, leaving the
// window as it was; on the step's line the board rings exactly the cells the
// step added, in the step's colour, inside their frames.
TEST_F(Window, TheArgumentComesAndGoesAndItsStepRingsTheAddedCells)
{
    window.open(4, 4);
    window.step(+1);
    const QImage before = grab();
    QAction& argument = window.commands()[Command::Argument];
    argument.trigger();
    EXPECT_EQ(window.size(), QSize(546 + 330, 462)) << "the window grows by the panel";
    EXPECT_EQ(window.focusWidget(), control("argumentLines")) << "the keyboard where a screen reader goes";
    argument.trigger();
    EXPECT_EQ(window.size(), QSize(546, 462));
    EXPECT_EQ(grab(), before);

    argument.trigger();
    auto* lines = control<QListWidget>("argumentLines");
    QApplication::setActiveWindow(&window);
    control("Command1(1)")->setFocus();  // Show, the form's last stop with identity 4 on
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), lines) << "one tab stop after the form's own";
    lines->setFocus();
    const auto& shown = ArgumentLines(4, 5).lines;
    const int stepLine = static_cast<int>(std::find_if(shown.begin(), shown.end(), [](const ArgumentLine& line) {
                                              return line.role == ArgumentRole::NewTerm;
                                          }) - shown.begin());
    lines->setCurrentRow(stepLine);  // what the step adds
    QApplication::processEvents();
    const QImage ringed = grab();
    const Tessalo& form = window.form();
    const std::vector<int> added = AddedCells(ShownForm(4, 4), form);
    ASSERT_EQ(added.size(), 9u);
    // on each cell's ring the step's wine, only on the cells it added
    const auto expectRingedInWine = [&](const QImage& image, const std::vector<int>& cells, const char* when) {
        for (int i = 0; i < form.Shape1.Count(); ++i) {
            const Cell& cell = form.Shape1(i);
            const QPoint ring(static_cast<int>((cell.Left + cell.Width / 2) / 15) + 7,
                              static_cast<int>((cell.Top + cell.Height / 2) / 15));
            const bool isAdded = std::find(cells.begin(), cells.end(), i) != cells.end();
            EXPECT_EQ(image.pixel(ring) == qRgb(0x5a, 0x00, 0x28), isAdded) << "cell " << i << " " << when;
        }
    };
    expectRingedInWine(ringed, added, "on the step's line");

    // predicting, the step to 6 leaves its band unpainted until the guess is in; turning
    // it on builds and says nothing again
    window.commands()[Command::BuildUp].trigger();
    const QImage standing = grab();
    window.commands()[Command::Predict].trigger();
    EXPECT_EQ(grab(), standing);
    lines->setCurrentRow(0);  // the claim, where a class that has just opened the argument stands
    window.step(+1);
    const std::vector<int> band = AddedCells(ShownForm(4, 5), form);
    ASSERT_EQ(band.size(), 11u);
    const auto centre = [&](int i) {
        const Cell& cell = form.Shape1(i);
        return QPoint(static_cast<int>((cell.Left + cell.Width / 2) / 15), static_cast<int>((cell.Top + cell.Height / 2) / 15));
    };
    const QImage held = grab();
    for (const int i : band)
        EXPECT_EQ(held.pixel(centre(i)), ringed.pixel(centre(i))) << "cell " << i << " before the reveal";
    QTest::keyClicks(control("guess"), QStringLiteral("11"));
    QTest::keyClick(control("guess"), Qt::Key_Return);
    EXPECT_EQ(control<QLabel>("verdict")->text().toStdString(), "Вярно: стъпката добави 11 квадрата.");
    EXPECT_EQ(lines->currentRow(), stepLine) << "the step's line is the one chosen after the reveal";
    QTest::keyClick(&window, Qt::Key_Shift);  // the band is built at once
    QApplication::processEvents();            // the rings follow the focus on the lines
    const QImage revealed = grab();
    for (const int i : band)
        EXPECT_NE(revealed.pixel(centre(i)), ringed.pixel(centre(i))) << "cell " << i << " after the reveal";
    expectRingedInWine(revealed, band, "after the reveal");
    window.commands()[Command::Predict].trigger();
    argument.trigger();  // remembered: the next window opens without it
}

// With the argument off, a waiting step still takes the class's guess: the argument comes
// beside the form with the guess's box, so that typing 7 goes there and not to the list of n,
// stays for the verdict, and goes again with the next picture.
// Where does the proof break: the identity's first false claim checked as the dialog
// opens, then the class's own claims, a true one, one in error and one too long.
TEST(ClaimDialog, ChecksTheChosenIdentitysClaimsAndTheClasssOwn)
{
    QWidget parent;
    QAccessible::setActive(true);  // as with a screen reader: what is said of the proof as it is made stays
    ClaimDialog dialog(parent, 4, {}, 0, Language::bg);
    QAccessibleInterface* proof = QAccessible::queryAccessibleInterface(dialog.findChild<QPlainTextEdit*>());
    ASSERT_NE(proof, nullptr);
    EXPECT_FALSE(proof->textInterface()->text(0, proof->textInterface()->characterCount()).contains(QLatin1Char('(')))
        << "read in words";
    QAccessible::setActive(false);
    const QString claim = dialog.findChild<QComboBox*>()->accessibleDescription();  // the chosen claim, with the box
    EXPECT_TRUE(claim.startsWith(QStringLiteral("1 плюс 3")) && !claim.contains(QLatin1Char('('))) << claim.toStdString();
    const auto typed = [&dialog](const QString& claim) {
        dialog.findChild<QLineEdit*>()->setText(claim);
        dialog.check();
        return dialog.result().toStdString();
    };
    EXPECT_NE(dialog.result().indexOf(QStringLiteral("доказателството се чупи")), -1) << dialog.result().toStdString();
    const struct {
        const char* claim;
        const char* found;
    } rows[] = {
        {"n^2", "Основата и стъпката са верни"},
        {"n^2+1", "доказателството се чупи в основата"},
        {"n^", "Колона 3"},
        {"", "Колона 1"},
    };
    for (const auto& row : rows) {
        EXPECT_NE(typed(QString::fromUtf8(row.claim)).find(row.found), std::string::npos) << row.claim;
        // and the claim, or the example in its place, in words
        const QString said = dialog.findChild<QLineEdit*>()->accessibleDescription();
        EXPECT_TRUE(said.startsWith(QLatin1Char('n')) && !said.contains(QRegularExpression(QStringLiteral("[()^/]"))))
            << said.toStdString();
    }
    EXPECT_NE(typed(QStringLiteral("n+").repeated(101)).find("200"), std::string::npos) << "too long";
    ClaimDialog cubes(parent, 10, {}, 0, Language::en);
    EXPECT_NE(cubes.result().indexOf(QStringLiteral("1³ + 2³")), -1) << cubes.result().toStdString();
}

TEST_F(Window, PredictingWithTheArgumentOffTakesTheGuess)
{
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.open(4, 3);
    const QSize alone = window.size();
    window.commands()[Command::Predict].trigger();
    window.step(+1);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("guess"));
    // named by the question, which a braille display keeps while the pupil types
    EXPECT_TRUE(QApplication::focusWidget()->accessibleName().startsWith(QStringLiteral("n е 4. Колко квадрата")))
        << QApplication::focusWidget()->accessibleName().toStdString();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    EXPECT_EQ(window.form().List1(0).ListIndex, 3);  // n = 4
    // the keyboard goes from the box to the argument's lines and nowhere between, where a
    // screen reader would name a control before the verdict
    QStringList visited;
    const auto watch = QObject::connect(qApp, &QApplication::focusChanged, [&visited](QWidget*, QWidget* now) {
        visited << (now ? now->metaObject()->className() : QStringLiteral("none"));
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QObject::disconnect(watch);
    EXPECT_EQ(visited.size(), 1) << visited.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(control<QLabel>("verdict")->text().toStdString(), "Вярно: стъпката добави 7 квадрата.");
    EXPECT_GT(window.width(), alone.width());
    window.step(+1);  // the next step waits again
    window.commands()[Command::Predict].trigger();
    click("Command1(1)");
    EXPECT_EQ(window.size(), alone);
}

// The key list opened from a full screen, its letters grown with the form, fits
// the screen without a sideways scroll bar, with the argument beside the form
// (a zoom of 100 % on this 800-pixel screen) and without it (146 %, where what
// the keys do must wrap).
TEST_F(Window, TheKeyListFitsAFullScreenWithoutScrollingSideways)
{
    window.showFullScreen();
    for (const bool argument : {true, false}) {
        window.setArgumentShown(argument);
        QApplication::processEvents();
        QStringList faults;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                faults << QStringLiteral("no key list");
                return;
            }
            QApplication::processEvents();  // its layout
            auto* table = dialog->findChild<QTableWidget*>();
            if (table->horizontalScrollBar()->isVisible())
                faults << QStringLiteral("a sideways scroll bar");
            if (!window.screen()->availableGeometry().contains(dialog->frameGeometry()))
                faults << QStringLiteral("off the screen");
            // and heard in words: «Ctrl и минус», «SVG, PNG, PDF»
            QAccessibleTableInterface* cells = QAccessible::queryAccessibleInterface(table)->tableInterface();
            for (int row = 0; row < table->rowCount(); ++row) {
                for (const int column : {0, 1}) {
                    const QString said = cells->cellAt(row, column)->text(QAccessible::Name);
                    if (said.contains(QRegularExpression(QStringLiteral("[()%:;/—-]"))))
                        faults << said;
                }
            }
            dialog->reject();
        });
        window.commands()[Command::Keys].trigger();
        EXPECT_TRUE(faults.isEmpty()) << faults.join(QStringLiteral(", ")).toStdString() << " at zoom " << window.zoom();
    }
    window.setArgumentShown(false);
    window.showNormal();
}
