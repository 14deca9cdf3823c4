// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/board/board_explorer.h"

#include "app/tessalo.h"
#include "picture/twips.h"
#include "ui/board/board_surface.h"
#include "cli/program_texts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace {

QString ToQString(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One row of the board (cell < 0) or one cell of a row, as screen readers see it.
class ExploreItem : public QAccessibleInterface {
public:
    ExploreItem(const BoardExplorer& explorer, std::size_t row, int cell)
        : explorer_(explorer), row_(row), cell_(cell)
    {
    }

    bool isValid() const override { return row_ < explorer_.rows().size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return explorer_.board().window()->windowHandle(); }
    // the explored cell, so that what is said while exploring belongs to it
    QAccessibleInterface* focusChild() const override
    {
        return explorer_.board().hasFocus() ? explorer_.cursorInterface() : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (child(i)->rect().contains(x, y))
                return child(i);
        }
        return nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        return cell_ < 0 ? QAccessible::queryAccessibleInterface(&explorer_.board()) : explorer_.rowInterface(row_);
    }
    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 && index < childCount() ? explorer_.cellInterface(row_, static_cast<std::size_t>(index))
                                                  : nullptr;
    }
    int childCount() const override
    {
        return cell_ < 0 && isValid() ? static_cast<int>(explorer_.rows()[row_].cells.size()) : 0;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child)
                return i;
        }
        return -1;
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !isValid())
            return {};
        const ExploreRow& row = explorer_.rows()[row_];
        if (cell_ >= 0 && IsCursor())
            return explorer_.cursorWords();  // what was said of it, kept for the braille line
        return ToQString(cell_ < 0 ? RowWords(row) : CellWords(row, static_cast<std::size_t>(cell_)));
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const ExploreRow& row = explorer_.rows()[row_];
        QRect box;
        for (std::size_t i = 0; i < row.cells.size(); ++i) {
            if (cell_ < 0 || static_cast<std::size_t>(cell_) == i)
                box |= CellRect(row.cells[i].index);
        }
        return box;
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.focusable = cell_ >= 0;
        state.focused = cell_ >= 0 && IsCursor() && explorer_.board().hasFocus();
        state.invisible = !isValid();
        return state;
    }

private:
    bool IsCursor() const
    {
        return isValid() && static_cast<std::size_t>(cell_) < explorer_.rows()[row_].cells.size() &&
               explorer_.rows()[row_].cells[static_cast<std::size_t>(cell_)].index == explorer_.cursorIndex();
    }

    QRect CellRect(int index) const
    {
        const BoardSurface& board = explorer_.board();
        const QRect box = board.cellRect(index);
        return QRect(board.mapToGlobal(box.topLeft()), box.size());
    }

    const BoardExplorer& explorer_;
    std::size_t row_;
    int cell_;
};

// The board as a list of its rows.
class BoardAccessible : public QAccessibleWidget {
public:
    BoardAccessible(BoardSurface& board, const BoardExplorer& explorer)
        : QAccessibleWidget(&board, QAccessible::List), explorer_(explorer)
    {
    }

    int childCount() const override { return static_cast<int>(explorer_.rows().size()); }
    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 && index < childCount() ? explorer_.rowInterface(static_cast<std::size_t>(index)) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child)
                return i;
        }
        return -1;
    }
    // the explored cell, so that what is said while exploring belongs to it
    QAccessibleInterface* focusChild() const override
    {
        return explorer_.board().hasFocus() ? explorer_.cursorInterface() : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (child(i)->rect().contains(x, y))
                return child(i);
        }
        return nullptr;
    }

private:
    const BoardExplorer& explorer_;
};

QAccessibleInterface* BoardFactory(const QString&, QObject* object)
{
    auto* board = dynamic_cast<BoardSurface*>(object);
    if (!board)
        return nullptr;
    for (QObject* child : board->children()) {
        if (auto* explorer = dynamic_cast<BoardExplorer*>(child))
            return new BoardAccessible(*board, *explorer);
    }
    return nullptr;
}

}  // namespace

BoardExplorer::BoardExplorer(BoardSurface& board, std::function<void(const QString&)> say,
                             std::function<void(const QString&)> keep)
    : QObject(&board), board_(board), say_(std::move(say)), keep_(std::move(keep))
{
    static const bool installed = (QAccessible::installFactory(BoardFactory), true);
    Q_UNUSED(installed);
    // The board may have been asked for before: the next question gets the rows.
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&board_)));
    board_.setFocusPolicy(Qt::NoFocus);
    board_.installEventFilter(this);
}

BoardExplorer::~BoardExplorer()
{
    forgetInterfaces();
}

void BoardExplorer::forgetInterfaces()
{
    for (auto& row : interfaces_) {
        for (QAccessibleInterface* item : row) {
            if (item)
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
        }
    }
    interfaces_.clear();
}

void BoardExplorer::setRows(PictureRows rows)
{
    forgetInterfaces();
    walk_.SetRows(std::move(rows));
    const PictureRows& shown = walk_.Rows();
    interfaces_.resize(shown.size());
    for (std::size_t i = 0; i < shown.size(); ++i)
        interfaces_[i].assign(shown[i].cells.size() + 1, nullptr);
    board_.setFocusPolicy(walk_.Empty() ? Qt::NoFocus : Qt::TabFocus);
    if (walk_.Empty() && board_.hasFocus())
        board_.nextInFocusChain()->setFocus(Qt::TabFocusReason);
    showCursor();
    if (QAccessible::isActive()) {
        QAccessibleEvent reordered(&board_, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reordered);
    }
}

void BoardExplorer::explore()
{
    if (walk_.Empty()) {
        say_(Program::translate("BoardExplorer", "Дъската е празна, няма какво да се разглежда."));
    } else if (board_.hasFocus()) {
        say_(ToQString(walk_.Here()));
    } else {
        board_.setFocus(Qt::ShortcutFocusReason);
    }
}

QAccessibleInterface* BoardExplorer::rowInterface(std::size_t row) const
{
    return cellInterface(row, static_cast<std::size_t>(-1));
}

QAccessibleInterface* BoardExplorer::cellInterface(std::size_t row, std::size_t cell) const
{
    const std::size_t slot = cell + 1;  // the row itself in slot 0
    if (row >= interfaces_.size() || slot >= interfaces_[row].size())
        return nullptr;
    QAccessibleInterface*& item = interfaces_[row][slot];
    if (!item) {
        item = new ExploreItem(*this, row, slot == 0 ? -1 : static_cast<int>(cell));
        QAccessible::registerAccessibleInterface(item);
    }
    return item;
}

namespace {

// The key's move: the arrows, Home and End, and D (Д on a Cyrillic layout) for the diagonals.
std::optional<WalkKey> WalkKeyOf(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Left: return WalkKey::Left;
    case Qt::Key_Right: return WalkKey::Right;
    case Qt::Key_Home: return WalkKey::Home;
    case Qt::Key_End: return WalkKey::End;
    case Qt::Key_Up: return WalkKey::Up;
    case Qt::Key_Down: return WalkKey::Down;
    case Qt::Key_D:
    case 0x0414: return WalkKey::Diagonals;  // Д: a Cyrillic layout gives its letter's code
    default: return std::nullopt;
    }
}

}  // namespace

bool BoardExplorer::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        showCursor();
        if (!walk_.Empty()) {
            // the picture's shape first: the reader moves on to the cell before the board's description
            cursorWords_ = ToQString(OverviewWords(walk_.Rows()) + " " + walk_.Here());
            // after the board's own focus, which the toolkit tells once this returns
            QTimer::singleShot(0, this, [this] {
                if (board_.hasFocus() && !walk_.Empty())
                    focusCursor();
            });
        }
        return false;
    case QEvent::FocusOut:
        focused_ = -1;
        showCursor();
        return false;
    case QEvent::KeyPress: break;
    default: return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (walk_.Empty() || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const std::optional<WalkKey> walkKey = WalkKeyOf(*key);
    if (!walkKey)
        return false;
    cursorWords_ = ToQString(walk_.Press(*walkKey));
    showCursor();
    if (walk_.CellIndex() == focused_)
        say_(cursorWords_);  // the same cell: a reader says nothing of a focus it has
    else
        focusCursor();
    return true;
}

// The cell under the cursor becomes the screen reader's focus, named by what was said of it:
// the reader speaks it and keeps it on the braille line until the next.
void BoardExplorer::focusCursor()
{
    focused_ = walk_.CellIndex();
    keep_(cursorWords_);
    if (QAccessibleInterface* cell = QAccessible::isActive() ? cursorInterface() : nullptr) {
        QAccessibleEvent focused(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    }
}

QAccessibleInterface* BoardExplorer::cursorInterface() const
{
    const PictureRows& rows = walk_.Rows();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].cells.size(); ++c) {
            if (rows[r].cells[c].index == walk_.CellIndex())
                return cellInterface(r, c);
        }
    }
    return nullptr;
}

void BoardExplorer::showCursor()
{
    board_.setCursorCell(board_.hasFocus() ? walk_.CellIndex() : -1);
}
