// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/picture_walk.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>
#include <vector>

class BoardSurface;
class QAccessibleInterface;

// Puts the keyboard on the board, for a pupil who cannot see it: a tab stop
// while a picture is shown, where the arrow keys move a cursor cell by cell
// along the picture's rows (Up and Down to the nearest cell of the next row),
// Home and End to a row's ends, and D along a square's diagonals instead. The
// cell under the cursor is the screen reader's focus, named by its words (the
// row's first on entering a row), so that the reader says it and keeps it on
// the braille line until the next; a key that leaves the cursor where it was
// (an edge, D) says why. The board tells screen readers its rows and cells as a list
// of rows, each holding its cells, so that their own review reaches them too.
class BoardExplorer : public QObject {
public:
    // `say` tells a screen reader one sentence; `keep` keeps one, unsaid, for
    // the key that says the last sentence again.
    BoardExplorer(BoardSurface& board, std::function<void(const QString&)> say,
                  std::function<void(const QString&)> keep);
    ~BoardExplorer() override;

    // The picture's rows after a command. The cursor keeps its place, as near
    // as the new rows allow.
    void setRows(PictureRows rows);
    const PictureRows& rows() const { return walk_.Rows(); }
    // Puts the keyboard on the board and says where the cursor is.
    void explore();

    // For the board's accessible rows and cells.
    QAccessibleInterface* rowInterface(std::size_t row) const;
    QAccessibleInterface* cellInterface(std::size_t row, std::size_t cell) const;
    QAccessibleInterface* cursorInterface() const;  // the cell under the cursor; null on an empty board
    BoardSurface& board() const { return board_; }
    int cursorIndex() const { return walk_.CellIndex(); }
    const QString& cursorWords() const { return cursorWords_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCursor();
    void focusCursor();
    void forgetInterfaces();

    BoardSurface& board_;
    std::function<void(const QString&)> say_;
    std::function<void(const QString&)> keep_;
    int focused_ = -1;     // the cell the screen reader was last told has the focus
    PictureWalk walk_;
    QString cursorWords_;  // said on reaching the cell under the cursor
    // made when a screen reader asks, one per row (index 0) and cell (from 1)
    mutable std::vector<std::vector<QAccessibleInterface*>> interfaces_;
};
