// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/induction_argument.h"

#include <QWidget>

#include <cstdint>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;

// The induction argument beside the form: a title and one list of its lines, a
// single tab stop in which the arrow keys move from line to line and a screen
// reader reads each line. Pointing at a line chooses it as the arrow keys do,
// without taking the focus: the one chosen line is highlighted, and the board
// rings its cells while the mouse is over a line or the list has the focus. The
// fonts follow the parent's, so the window's zoom scales the panel with the form.
class ArgumentPanel : public QWidget {
    Q_OBJECT

public:
    explicit ArgumentPanel(QWidget* parent = nullptr);

    // Shows the first `shown` of these lines; the keyboard stays on the line of
    // the same place.
    void setArgument(const InductionArgument& argument, std::size_t shown = SIZE_MAX);
    // An action whose keys work while the lines have the focus.
    void addLinesAction(QAction* action);
    bool linesHaveFocus() const;
    // Where Tab stops in the panel, in order: the lines, and the guess's box while predicting.
    std::vector<QWidget*> tabStops() const;
    // Puts the keyboard's line on the last line shown, as one more appears.
    void goToLastLine();
    // The lines' texts as shown, for tests and the clipboard.
    QStringList lines() const;
    // Chooses the first line of `role`, as the arrow keys would; none of it: nothing.
    void chooseLine(ArgumentRole role);

    // Predicting: a box for the class's guess below the lines, empty and with the
    // focus when the panel is shown, while `on`; named by the `question` asked, if any,
    // which a screen reader then says as it reaches the box and braille keeps.
    void setGuessing(bool on, const QString& question = {});
    // The number typed in the box; negative when there is none.
    long guess() const;
    // A sentence below the lines (the reveal's verdict); empty hides it.
    void setNote(const QString& note);

signals:
    // The line to ring changed: its Shape1 cells, ascending, none when no line is
    // pointed at, and whether they are the step's added cells (the step's frame
    // colour) or another line's.
    void ringChanged(const std::vector<int>& cells, bool added);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // the guess's box's name while no question is asked
    static QString unasked() { return tr("Колко клетки добавя стъпката"); }
    // Its own texts in the language now in use.
    void retranslate();
    // Emits ringChanged for the chosen line while the mouse is over a line or the
    // list has the focus, else for none; only when that changes.
    void updateRing();
    void tellLine();

    QLabel* title_;
    QListWidget* list_;
    QLineEdit* guess_;
    QLabel* note_;
    std::vector<ArgumentLine> lines_;
    bool pointing_ = false;  // the mouse is over a line
    std::vector<int> ringed_;
    bool ringedAdded_ = false;
};
