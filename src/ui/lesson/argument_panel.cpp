// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/lesson/argument_panel.h"

#include <QEvent>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QAccessible>
#include <QListWidget>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A gap between lines that grows with the zoomed font. (The list's own spacing
// would wrap the texts wider than it paints them.)
class SpacedLines : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, option.fontMetrics.height() / 3);
    }
};

}  // namespace

ArgumentPanel::ArgumentPanel(QWidget* parent)
    : QWidget(parent),
      title_(new QLabel(this)),
      list_(new QListWidget(this)),
      guess_(new QLineEdit(this)),
      note_(new QLabel(this))
{
    // only the weight is set, so the size still follows the parent's font
    QFont bold;
    bold.setBold(true);
    title_->setFont(bold);
    title_->setBuddy(list_);

    list_->setObjectName(QStringLiteral("argumentLines"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setWordWrap(true);
    list_->setResizeMode(QListView::Adjust);  // lines wrap again when the panel's width changes
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    list_->setMouseTracking(true);
    list_->viewport()->installEventFilter(this);
    list_->installEventFilter(this);

    // hidden unless predicting, so that the panel is otherwise just its lines
    guess_->setObjectName(QStringLiteral("guess"));
    guess_->setValidator(new QIntValidator(0, 999, guess_));
    guess_->hide();
    note_->setObjectName(QStringLiteral("verdict"));
    note_->setWordWrap(true);
    note_->setTextFormat(Qt::PlainText);
    note_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title_);
    layout->addWidget(list_, 1);
    layout->addWidget(guess_);
    layout->addWidget(note_);
    setFocusProxy(list_);
    list_->setItemDelegate(new SpacedLines(list_));

    connect(list_, &QListWidget::currentRowChanged, this, [this] { updateRing(); });
    retranslate();
}

std::vector<QWidget*> ArgumentPanel::tabStops() const
{
    std::vector<QWidget*> stops{list_};
    if (guess_->isVisibleTo(this))
        stops.push_back(guess_);
    return stops;
}

void ArgumentPanel::retranslate()
{
    title_->setText(tr("Доказателство по индукция"));
    list_->setAccessibleName(title_->text());
    if (guess_->isHidden())
        guess_->setAccessibleName(unasked());
    guess_->setPlaceholderText(tr("Броят, после Enter"));
}

void ArgumentPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ArgumentPanel::setArgument(const InductionArgument& argument, std::size_t shown)
{
    const int row = list_->currentRow();
    lines_.assign(argument.lines.begin(),
                  argument.lines.begin() + static_cast<std::ptrdiff_t>(std::min(shown, argument.lines.size())));
    {
        const QSignalBlocker quiet(list_);  // one ring update below, for the new lines
        // Lines that stay keep their items: wrapping a line again costs more than the picture.
        const int count = static_cast<int>(lines_.size());
        while (list_->count() > count)
            delete list_->takeItem(list_->count() - 1);
        for (int i = 0; i < count; ++i) {
            const ArgumentLine& line = lines_[static_cast<std::size_t>(i)];
            const QString text = QString::fromStdString(line.text);
            if (i == list_->count())
                list_->addItem(text);
            else if (list_->item(i)->text() != text)
                list_->item(i)->setText(text);
            // a screen reader reads the signs in words, grouped as the line groups them
            list_->item(i)->setData(Qt::AccessibleTextRole, QString::fromStdString(line.spoken));
        }
        if (!lines_.empty() && list_->currentRow() != std::clamp(row, 0, count - 1))
            list_->setCurrentRow(std::clamp(row, 0, count - 1));
    }
    updateRing();
}

void ArgumentPanel::addLinesAction(QAction* action)
{
    list_->addAction(action);
}

bool ArgumentPanel::linesHaveFocus() const
{
    return list_->hasFocus();
}

void ArgumentPanel::goToLastLine()
{
    if (list_->count() == 0)
        return;
    list_->setCurrentRow(list_->count() - 1);
    list_->scrollToItem(list_->currentItem());
}

QStringList ArgumentPanel::lines() const
{
    QStringList texts;
    for (int i = 0; i < list_->count(); ++i)
        texts << list_->item(i)->text();
    return texts;
}

void ArgumentPanel::chooseLine(ArgumentRole role)
{
    const auto line = std::find_if(lines_.begin(), lines_.end(), [role](const ArgumentLine& l) { return l.role == role; });
    if (line != lines_.end())
        list_->setCurrentRow(static_cast<int>(line - lines_.begin()));
}

void ArgumentPanel::setGuessing(bool on, const QString& question)
{
    // an empty box is left alone: clearing it would tell a screen reader the caret moved
    // before the focus came, and Orca would then say the empty line instead of the question
    if (!guess_->text().isEmpty())
        guess_->clear();
    if (!on)
        guess_->setAccessibleName(unasked());
    else if (!question.isEmpty())
        guess_->setAccessibleName(question);
    guess_->setVisible(on);
    if (on && isVisible())
        guess_->setFocus();  // the pupil types at once
}

long ArgumentPanel::guess() const
{
    bool ok = false;
    const long value = guess_->text().toLong(&ok);
    return !guess_->isHidden() && ok ? value : -1;
}

void ArgumentPanel::setNote(const QString& note)
{
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
}

bool ArgumentPanel::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (watched == list_->viewport() && (type == QEvent::MouseMove || type == QEvent::Leave)) {
        // below the last line the mouse points at none
        const QListWidgetItem* item =
            type == QEvent::Leave ? nullptr : list_->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        pointing_ = item != nullptr;
        if (item && list_->row(item) != list_->currentRow()) {
            // not scrolled into sight: a line half out of it would move from under the mouse
            list_->setAutoScroll(false);
            list_->setCurrentRow(list_->row(item));
            list_->setAutoScroll(true);
        }
        updateRing();
    } else if (watched == list_ && (type == QEvent::FocusIn || type == QEvent::FocusOut)) {
        // after the focus has really moved, so that hasFocus() says where it is
        QMetaObject::invokeMethod(this, &ArgumentPanel::updateRing, Qt::QueuedConnection);
        if (type == QEvent::FocusIn)
            QMetaObject::invokeMethod(this, &ArgumentPanel::tellLine, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

// The line the keyboard is on, told after the list's own focus: a screen reader
// says the list that came last, and F2 or Tab then left the line unsaid.
void ArgumentPanel::tellLine()
{
    if (!list_->hasFocus() || list_->currentRow() < 0)
        return;
    QAccessibleEvent line(list_, QAccessible::Focus);
    line.setChild(list_->currentRow());
    QAccessible::updateAccessibility(&line);
}

void ArgumentPanel::updateRing()
{
    const int row = pointing_ || list_->hasFocus() ? list_->currentRow() : -1;
    const bool valid = row >= 0 && row < static_cast<int>(lines_.size());
    const std::vector<int> cells = valid ? lines_[static_cast<std::size_t>(row)].cells : std::vector<int>{};
    const bool added = valid && lines_[static_cast<std::size_t>(row)].role == ArgumentRole::NewTerm;
    if (cells == ringed_ && added == ringedAdded_)
        return;
    ringed_ = cells;
    ringedAdded_ = added;
    emit ringChanged(ringed_, ringedAdded_);
}
