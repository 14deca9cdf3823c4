#include "ui/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

const QString kName = QStringLiteral("Announcer");

// Our widget is a notification; every other object keeps the toolkit's view.
QAccessibleInterface* NotificationFactory(const QString&, QObject* object)
{
    if (object->objectName() == kName && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(NotificationFactory), true);
    Q_UNUSED(installed);
    setObjectName(kName);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
}

void Announcer::say(const QString& sentence)
{
    // The toolkit's bridge to the desktop turns ObjectShow into "showing",
    // on which screen readers read a notification's name aloud.
    setAccessibleName(sentence);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
