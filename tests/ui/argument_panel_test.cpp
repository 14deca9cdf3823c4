// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/induction_step.h"
#include "app/lesson_step.h"
#include "app/shown_form.h"
#include "ui/lesson/argument_panel.h"

#include <QAccessible>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

// The keyboard reaches the step's line and the board is told to ring exactly the
// cells the step added, in the step's colour, and a screen reader reads the line.
// Pointing at another line chooses it, so that the highlighted line is the ringed
// one, and leaves the focus where it was.
TEST(ArgumentPanel, KeyboardOnTheStepsLineRingsTheAddedCells)
{
    Tessalo form = ShownForm(4, 4);
    StepN(form, +1);
    const LessonView view = LessonStep(form, LessonCommand::StepUp, 4, {});
    ArgumentPanel panel;
    panel.setArgument(view.argument);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    auto* list = panel.findChild<QListWidget*>(QStringLiteral("argumentLines"));
    ASSERT_NE(list, nullptr);
    list->setFocus();
    QCoreApplication::processEvents();  // the claim's ring, on the focus
    QSignalSpy rings(&panel, &ArgumentPanel::ringChanged);
    const auto& lines = view.argument.lines;
    const int added = static_cast<int>(
        std::find_if(lines.begin(), lines.end(), [](const ArgumentLine& l) { return l.role == ArgumentRole::NewTerm; }) -
        lines.begin());
    for (int line = 1; line <= added; ++line)
        QTest::keyClick(list, Qt::Key_Down);

    ASSERT_FALSE(rings.isEmpty());
    const QList<QVariant> last = rings.takeLast();
    EXPECT_EQ(last.at(0).value<std::vector<int>>(), view.framed);
    EXPECT_TRUE(last.at(1).toBool());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(accessible, nullptr);
    QAccessibleInterface* step = accessible->child(added);
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->text(QAccessible::Name).toStdString(), lines[static_cast<std::size_t>(added)].spoken)
        << "the line in words";

    list->clearFocus();
    list->scrollToItem(list->item(3));
    QTest::mouseMove(list->viewport(), list->visualItemRect(list->item(3)).center());  // the hypothesis
    EXPECT_EQ(list->currentRow(), 3) << "the line pointed at is the highlighted one";
    EXPECT_FALSE(list->hasFocus());
    ASSERT_FALSE(rings.isEmpty());
    EXPECT_EQ(rings.takeLast().at(0).value<std::vector<int>>(), lines[3].cells);

    // line by line, only the lines shown are there
    panel.setArgument(view.argument, 5);
    EXPECT_EQ(panel.lines().size(), 5);
}
