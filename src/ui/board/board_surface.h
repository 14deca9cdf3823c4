// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QWidget>

#include <vector>

class Lesson;

// The window's own surface: the background, the labels and the cells, beneath
// every other control, drawn by PaintBoard at the window's zoom.
class BoardSurface : public QWidget {
public:
    BoardSurface(const Lesson& lesson, double twipsPerPixel, QWidget* parent);

    // The scale, as the window zooms; takes effect at the next paint.
    void setTwipsPerPixel(double twipsPerPixel);
    // Cells framed as the ones a step added; none after any other action.
    void setMarked(std::vector<int> cells);
    const std::vector<int>& marked() const { return marked_; }
    // Cells that wait for the build-up, ascending; none shows them all.
    void setHidden(std::vector<int> cells);
    // Cells held back until the class has guessed them, ascending, apart from the
    // build-up's, so that neither shows what the other still hides.
    void setHeld(std::vector<int> cells);
    // Every cell left out: the build-up's and the held ones, ascending.
    const std::vector<int>& hidden() const { return hidden_; }
    // Cells ringed as the argument's line counts them, in the step's colour when `added`.
    void setRinged(std::vector<int> cells, bool added);
    // The cell the keyboard explores, ringed on screen only; -1 for none.
    void setCursorCell(int cell);
    int cursorCell() const { return cursor_; }
    double twipsPerPixel() const { return twipsPerPixel_; }
    // Where cell `index` of the picture on the board lies, in the board's pixels;
    // empty where none is drawn.
    QRect cellRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const Lesson& lesson_;
    double twipsPerPixel_;
    const double baseTwipsPerPixel_;  // at 100 %
    std::vector<int> marked_;
    void mergeHidden();

    std::vector<int> building_;  // waiting for the build-up
    std::vector<int> held_;
    std::vector<int> hidden_;    // both
    std::vector<int> ringed_;
    bool ringedAdded_ = false;
    int cursor_ = -1;
};
