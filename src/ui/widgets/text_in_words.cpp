// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/text_in_words.h"

#include "app/in_words.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>
#include <vector>

namespace {

const char* const kLanguage = "tessaloWordsLanguage";

// The box's accessible text: the words, built again only when the text or the language changes.
class TextInWords : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TextInWords(QPlainTextEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? Words() : QAccessibleWidget::text(kind);
    }

    // The caret on the words' line that says the box's line it is on, as far into it as it can be.
    int cursorPosition() const override
    {
        const QTextCursor cursor = Box().textCursor();
        const int line = cursor.blockNumber();
        return std::min(LineStart(line) + cursor.positionInBlock(), LineStart(line) + LineLength(line));
    }
    void setCursorPosition(int position) override
    {
        QTextCursor cursor(Box().document()->findBlockByNumber(LineAt(position)));
        Box().setTextCursor(cursor);
    }
    QString text(int start, int end) const override { return Words().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Words().size()); }
    QRect characterRect(int offset) const override
    {
        QTextCursor cursor(Box().document()->findBlockByNumber(LineAt(offset)));
        const QRect box = Box().cursorRect(cursor);
        return QRect(Box().viewport()->mapToGlobal(box.topLeft()), box.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QTextCursor cursor = Box().cursorForPosition(Box().viewport()->mapFromGlobal(point));
        return LineStart(cursor.blockNumber());
    }
    // a read-only box: no selection of the words, and they scroll with the box's own lines
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    void scrollToSubstring(int, int) override {}
    // one run of no attributes over all of the words: a reader speaks a line run by run
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QPlainTextEdit& Box() const { return *static_cast<QPlainTextEdit*>(widget()); }

    const QString& Words() const
    {
        const QString shown = Box().toPlainText();
        const auto language = static_cast<Language>(Box().property(kLanguage).toInt());
        if (shown != shown_ || language != language_) {
            shown_ = shown;
            language_ = language;
            const QByteArray text = shown.toUtf8();
            words_ = QString::fromStdString(InWordsByLine(std::string_view(text.data(), text.size()), language));
            lines_.assign(1, 0);
            for (qsizetype at = words_.indexOf(QLatin1Char('\n')); at >= 0; at = words_.indexOf(QLatin1Char('\n'), at + 1))
                lines_.push_back(static_cast<int>(at + 1));
        }
        return words_;
    }
    int LineStart(int line) const
    {
        Words();
        return lines_[static_cast<std::size_t>(std::clamp(line, 0, static_cast<int>(lines_.size()) - 1))];
    }
    int LineLength(int line) const
    {
        const int start = LineStart(line);
        const qsizetype end = words_.indexOf(QLatin1Char('\n'), start);
        return static_cast<int>((end < 0 ? words_.size() : end) - start);
    }
    int LineAt(int offset) const
    {
        Words();
        const auto after = std::upper_bound(lines_.begin(), lines_.end(), offset);
        return static_cast<int>(std::max<std::ptrdiff_t>(0, after - lines_.begin() - 1));
    }

    mutable QString shown_;
    mutable Language language_ = Language::bg;
    mutable QString words_;
    mutable std::vector<int> lines_;  // where each line of the words starts
};

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    auto* box = qobject_cast<QPlainTextEdit*>(object);
    return box && box->property(kLanguage).isValid() ? new TextInWords(box) : nullptr;
}

}  // namespace

void ReadInWords(QPlainTextEdit& box, Language language)
{
    static const bool installed = (QAccessible::installFactory(Factory), true);
    Q_UNUSED(installed);
    box.setProperty(kLanguage, static_cast<int>(language));
}
