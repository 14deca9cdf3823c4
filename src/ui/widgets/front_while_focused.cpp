// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/front_while_focused.h"

#include <QEvent>
#include <QWidget>

FrontWhileFocused::FrontWhileFocused(QWidget& control) : QObject(&control), control_(control)
{
    // siblings are stacked in the order of their parent's children, the last on top
    const QObjectList& siblings = control.parentWidget()->children();
    for (qsizetype i = siblings.indexOf(&control) + 1; i < siblings.size() && !above_; ++i)
        above_ = qobject_cast<QWidget*>(siblings[i]);
    control.installEventFilter(this);
}

bool FrontWhileFocused::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        control_.raise();
    else if (event->type() == QEvent::FocusOut && above_)
        control_.stackUnder(above_);
    return false;
}
