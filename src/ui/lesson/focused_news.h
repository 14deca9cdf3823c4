// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QString>

#include <deque>

class QWidget;

// News a screen reader speaks at once: the sentence is told as the part of the
// focused object that the reader now stands on (an active descendant, in the
// desktop's accessibility terms, sent on the toolkit's own connection to the
// accessibility bus). Orca then stops what it is saying, its echo of the key
// included, speaks the sentence and keeps it in braille until the focus moves.
class FocusedNews {
public:
    FocusedNews();
    ~FocusedNews();
    FocusedNews(const FocusedNews&) = delete;
    FocusedNews& operator=(const FocusedNews&) = delete;

    // False without a screen reader or a focused widget in `window`.
    bool tell(const QString& sentence, const QWidget& window);

private:
    // the last sentences' labels, and the status bars they lie in: the last
    // one in the focused object `barOn_`
    std::deque<QAccessible::Id> labels_;
    std::deque<QAccessible::Id> bars_;
    QAccessible::Id barOn_ = 0;
    bool shorter_ = false;  // the last sentence's part a pixel shorter than the one before
};
