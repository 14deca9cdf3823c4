// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/lesson/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {

const QString kName = QStringLiteral("Announcer");
const QString kNoteName = QStringLiteral("AnnouncerNote");

// Our widgets are a status bar and a notification in it; every other object
// keeps the toolkit's view. Orca names a notification aloud ("известяване")
// unless it lies in a status bar.
QAccessibleInterface* NotificationFactory(const QString&, QObject* object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (object->objectName() == kName)
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (object->objectName() == kNoteName)
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent), note_(new QWidget(this)), text_(new QLabel(note_))
{
    static const bool installed = (QAccessible::installFactory(NotificationFactory), true);
    Q_UNUSED(installed);
    setObjectName(kName);
    note_->setObjectName(kNoteName);
    for (QWidget* widget : {static_cast<QWidget*>(this), note_, static_cast<QWidget*>(text_)}) {
        widget->setFocusPolicy(Qt::NoFocus);
        widget->setGeometry(0, 0, 0, 0);
    }
}

void Announcer::say(const QString& sentence, const QString& whole, Urgency urgency)
{
    last_ = whole.isEmpty() ? sentence : whole;
    if (urgency == Urgency::Interrupt && news_.tell(sentence, *window()))
        return;
    // The notification has no name of its own: Orca reads its label, which is
    // what braille and the history of messages take.
    text_->setText(sentence);
    // The toolkit's bridge to the desktop turns ObjectShow into "showing",
    // on which screen readers read a notification aloud.
    QAccessibleEvent shown(note_, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void Announcer::repeat()
{
    if (!last_.isEmpty())
        say(last_, {}, Urgency::Interrupt);
}
