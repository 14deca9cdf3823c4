// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/menu_entry_in_words.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QStyle>

namespace {

QString (*onOffWords)(bool on) = nullptr;

// "Печат..." is named "Печат", "&Копирай" "Копирай": the dots say that a dialog
// follows, which a reader hears as a word of its own.
QString SpokenEntry(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    text.replace(QLatin1String("&&"), QLatin1String("&"));
    for (const QLatin1String dots : {QLatin1String("..."), QLatin1String("\u2026")}) {
        if (text.endsWith(dots))
            text.chop(dots.size());
    }
    return text.trimmed();
}

class MenuEntry : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit MenuEntry(QAction* action) : action_(action) {}

    bool isValid() const override { return action_ && Menu(); }
    QObject* object() const override { return action_; }
    QWindow* window() const override
    {
        QMenu* menu = Menu();
        return menu ? menu->windowHandle() : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(Menu()); }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && action_->menu() ? QAccessible::queryAccessibleInterface(action_->menu()) : nullptr;
    }
    int childCount() const override { return action_->menu() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && action_->menu() && child->object() == action_->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        QAccessibleInterface* menu = child(0);
        return menu && menu->rect().contains(x, y) ? menu : nullptr;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return {};
        if (!Switch() || !onOffWords)
            return SpokenEntry(action_->text());
        return SpokenEntry(action_->text()) + QLatin1String(", ") + onOffWords(action_->isChecked());
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        QMenu* menu = Menu();
        return menu ? menu->actionGeometry(action_).translated(menu->mapToGlobal(QPoint(0, 0))) : QRect();
    }
    QAccessible::Role role() const override
    {
        return action_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        QMenu* menu = Menu();
        state.invisible = !menu || !menu->isVisible() || !action_->isVisible();
        state.focused = menu && menu->activeAction() == action_;
        state.focusable = !action_->isSeparator();
        state.hotTracked = menu && menu->style()->styleHint(QStyle::SH_Menu_MouseTracking);
        state.disabled = action_->isSeparator() || !action_->isEnabled();
        // a switch says on or off in its name; of a choice, a reader names the one chosen
        state.checkable = action_->isCheckable() && !Switch();
        state.checked = action_->isChecked() && !Switch();
        // an entry with a menu of its own: said as one that opens, and whether it is open
        if (QMenu* own = action_->menu()) {
            state.hasPopup = true;
            state.expandable = true;
            state.expanded = own->isVisible();
            state.collapsed = !own->isVisible();
        }
        return state;
    }

    QStringList actionNames() const override
    {
        if (action_->isSeparator())
            return {};
        return {action_->menu() ? showMenuAction() : pressAction()};
    }
    void doAction(const QString& name) override
    {
        QMenu* menu = Menu();
        if (!menu || !action_->isEnabled())
            return;
        if (name == pressAction())
            action_->trigger();
        else if (name == showMenuAction() && action_->menu())
            action_->menu()->isVisible() ? action_->menu()->hide() : menu->setActiveAction(action_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    // An entry turned on and off on its own, not one of a choice: a reader says
    // only "checked", so that one turned off would sound like any entry.
    bool Switch() const
    {
        return action_->isCheckable() && !(action_->actionGroup() && action_->actionGroup()->isExclusive());
    }

    // The menu the entry is in now. The same entry is in every menu the window
    // opens, each made anew, so this is never the menu it was first found in.
    QMenu* Menu() const
    {
        if (!action_)
            return nullptr;
        QMenu* found = nullptr;
        for (QObject* holder : action_->associatedObjects()) {
            if (auto* menu = qobject_cast<QMenu*>(holder)) {
                found = menu;
                if (menu->isVisible())
                    break;
            }
        }
        return found;
    }

    QPointer<QAction> action_;
};

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    auto* action = qobject_cast<QAction*>(object);
    return action ? new MenuEntry(action) : nullptr;
}

}  // namespace

void ReadMenuEntriesInWords(QString (*onOff)(bool on))
{
    onOffWords = onOff;
    static const bool installed = (QAccessible::installFactory(Factory), true);
    Q_UNUSED(installed);
}
