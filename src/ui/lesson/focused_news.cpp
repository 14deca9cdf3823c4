// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/lesson/focused_news.h"

#include <QAccessibleInterface>
#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace {

// An object on the accessibility bus: the bus name of its program and its path.
struct AtSpiReference {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const AtSpiReference& reference)
{
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, AtSpiReference& reference)
{
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}

// The toolkit's own connection to the accessibility bus, open only while a
// screen reader listens; the paths of objects on it are the toolkit's, built
// from their ids.
QDBusConnection AccessibilityBus() { return QDBusConnection(QStringLiteral("a11y")); }

QString PathOf(QAccessibleInterface* iface)
{
    if (iface == nullptr)
        return {};
    return QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(iface));
}

// What a screen reader knows as focused: the widget, or its part with the
// focus (a list's item, the explored cell).
QAccessibleInterface* FocusedObject(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    QAccessibleInterface* child = iface != nullptr ? iface->focusChild() : nullptr;
    return child != nullptr ? child : iface;
}

// Keeps `part` with the one before it, which the reader may still read; older ones go.
void Keep(std::deque<QAccessible::Id>& told, QAccessible::Id part)
{
    for (; told.size() > 1; told.pop_front())
        QAccessible::deleteAccessibleInterface(told.front());
    told.push_back(part);
}

}  // namespace

Q_DECLARE_METATYPE(AtSpiReference)

// A sentence told as a part of the focused object: a label in a status bar
// whose parent is the focused widget. A screen reader going back to the object from
// the label names no group, list or window again, and names neither the label
// nor the bar.
class SentencePart : public QAccessibleInterface {
public:
    SentencePart(QAccessible::Role role, QString sentence) : role_(role), sentence_(std::move(sentence)) {}
    void setParent(QAccessible::Id parent) { parent_ = parent; }
    void setChild(QAccessible::Id child) { child_ = child; }
    // A pixel shorter than the last sentence told: a reader takes a part of the same
    // name, role and place for the one it stands on, and F9 said nothing the second time.
    void setShorter(bool shorter) { shorter_ = shorter; }

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() != nullptr ? parent()->window() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::accessibleInterface(parent_); }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::accessibleInterface(child_) : nullptr;
    }
    int childCount() const override { return child_ != 0 ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr && child == this->child(0) ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text kind) const override { return kind == QAccessible::Name ? sentence_ : QString(); }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        return parent() != nullptr ? parent()->rect().adjusted(0, 0, 0, shorter_ ? -1 : 0) : QRect();
    }
    QAccessible::Role role() const override { return role_; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

private:
    QAccessible::Role role_;
    QString sentence_;
    QAccessible::Id parent_ = 0;
    QAccessible::Id child_ = 0;
    bool shorter_ = false;
};

FocusedNews::FocusedNews() { qDBusRegisterMetaType<AtSpiReference>(); }

FocusedNews::~FocusedNews()
{
    for (const auto* told : {&labels_, &bars_}) {
        for (QAccessible::Id part : *told)
            QAccessible::deleteAccessibleInterface(part);
    }
}

bool FocusedNews::tell(const QString& sentence, const QWidget& window)
{
    QDBusConnection bus = AccessibilityBus();
    QWidget* widget = QApplication::focusWidget();
    if (!bus.isConnected() || widget == nullptr || widget->window() != &window)
        return false;
    QAccessibleInterface* focused = FocusedObject(widget);
    if (focused == nullptr)
        return false;
    // A new label for every sentence: a screen reader does not speak again the
    // object it stands on, and remembers an object's parent. The bar stays
    // while the focus does, so that going from one sentence to the next the
    // reader finds them side by side and names nothing above them. It lies in
    // the widget, not in its focused part: a list's lines and the explored cells
    // go with the picture, and a reader whose sentence had lost its parent found
    // no way up from it and said nothing of the next focus.
    const QAccessible::Id on = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widget));
    if (bars_.empty() || on != barOn_) {
        auto* bar = new SentencePart(QAccessible::StatusBar, QString());
        bar->setParent(on);
        Keep(bars_, QAccessible::registerAccessibleInterface(bar));
        barOn_ = on;
    }
    auto* bar = static_cast<SentencePart*>(QAccessible::accessibleInterface(bars_.back()));
    auto* label = new SentencePart(QAccessible::StaticText, sentence);
    label->setParent(bars_.back());
    shorter_ = !shorter_;
    label->setShorter(shorter_);
    Keep(labels_, QAccessible::registerAccessibleInterface(label));
    bar->setChild(labels_.back());
    const AtSpiReference descendant{bus.baseService(), QDBusObjectPath(PathOf(label))};
    QDBusMessage signal = QDBusMessage::createSignal(PathOf(focused), QStringLiteral("org.a11y.atspi.Event.Object"),
                                                     QStringLiteral("ActiveDescendantChanged"));
    signal << QString() << 0 << 0 << QVariant::fromValue(QDBusVariant(QVariant::fromValue(descendant)))
           << QVariantMap();
    return bus.send(signal);
}
