#include "app/induction_step.h"
#include "app/lesson_step.h"
#include "app/shown_form.h"
#include "ui/lesson/argument_panel.h"

#include <QAccessible>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

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
    for (int line = 1; line <= 3; ++line)  // base case, hypothesis, step
        QTest::keyClick(list, Qt::Key_Down);

    ASSERT_FALSE(rings.isEmpty());
    const QList<QVariant> last = rings.takeLast();
    EXPECT_EQ(last.at(0).value<std::vector<int>>(), view.framed);
    EXPECT_TRUE(last.at(1).toBool());
    QAccessibleInterface* lines = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(lines, nullptr);
    QAccessibleInterface* step = lines->child(3);
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->text(QAccessible::Name).toStdString(), view.argument.lines[3].text);

    list->clearFocus();
    QTest::mouseMove(list->viewport(), list->visualItemRect(list->item(2)).center());  // the hypothesis
    EXPECT_EQ(list->currentRow(), 2) << "the line pointed at is the highlighted one";
    EXPECT_FALSE(list->hasFocus());
    ASSERT_FALSE(rings.isEmpty());
    EXPECT_EQ(rings.takeLast().at(0).value<std::vector<int>>(), view.argument.lines[2].cells);
}
