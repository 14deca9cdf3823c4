// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/menus_in_words.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QStyle>
#include <QTimer>

namespace {

QString (*onOffWords)(bool on) = nullptr;
QString (*inWords)(const QString& text) = nullptr;

// Set on a menu opened by a key until the keyboard leaves its first entry.
const char* const kSaysItsName = "tessaloSaysItsName";

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
        QString name = SpokenEntry(action_->text());
        if (inWords)
            name = inWords(name);  // "По-едро" without its hyphen, "Мащаб 100 %" without its sign
        if (Switch() && onOffWords)
            name += QLatin1String(", ") + onOffWords(action_->isChecked());
        // readers say the entry a menu opens on, never a popup menu's own name
        QMenu* menu = Menu();
        if (menu && menu->property(kSaysItsName).toBool() && menu->activeAction() == action_)
            name = menu->windowTitle() + QLatin1String(", ") + name;
        return name;
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

// A menu: its entries, and above it the entry that opens it or, for the
// window's own menu, the window.
class MenuInWords : public QAccessibleWidget {
public:
    explicit MenuInWords(QMenu* menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

    QMenu& Menu() const { return *static_cast<QMenu*>(widget()); }
    int childCount() const override { return static_cast<int>(Menu().actions().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QAction*> actions = Menu().actions();
        return index >= 0 && index < actions.size() ? QAccessible::queryAccessibleInterface(actions[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(Menu().actions().indexOf(qobject_cast<QAction*>(child->object()))) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        QAction* action = Menu().actionAt(Menu().mapFromGlobal(QPoint(x, y)));
        return action && !action->isSeparator() ? QAccessible::queryAccessibleInterface(action) : nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        for (QObject* holder : Menu().menuAction()->associatedObjects()) {
            if (holder != &Menu() && qobject_cast<QMenu*>(holder))
                return QAccessible::queryAccessibleInterface(Menu().menuAction());
        }
        QWidget* window = Menu().parentWidget() ? Menu().parentWidget()->window() : nullptr;
        return window ? QAccessible::queryAccessibleInterface(window) : QAccessibleWidget::parent();
    }
};

// A window of plain widgets, with the menus it has open among its parts. The
// toolkit leaves them out, as windows of their own, and a reader then passes
// over a menu it cannot find in its window: Shift+F10 said the first entry but
// not that a menu had opened.
class WindowWithMenus : public QAccessibleWidget {
public:
    explicit WindowWithMenus(QWidget* window) : QAccessibleWidget(window, QAccessible::Client) {}

    int childCount() const override { return QAccessibleWidget::childCount() + static_cast<int>(Menus().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const int own = QAccessibleWidget::childCount();
        const QList<QMenu*> menus = Menus();
        return index < own ? QAccessibleWidget::child(index)
               : index - own < menus.size() ? QAccessible::queryAccessibleInterface(menus[index - own])
                                            : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto at = child ? Menus().indexOf(qobject_cast<QMenu*>(child->object())) : -1;
        return at < 0 ? QAccessibleWidget::indexOfChild(child) : QAccessibleWidget::childCount() + static_cast<int>(at);
    }

private:
    QList<QMenu*> Menus() const
    {
        QList<QMenu*> open;
        for (QMenu* menu : widget()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
            if (menu->isVisible())
                open << menu;
        }
        return open;
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    if (auto* menu = qobject_cast<QMenu*>(object))
        return new MenuInWords(menu);
    // a window of plain widgets, as the toolkit would tell of it, not a dialog or the like
    const QMetaObject* kind = object->metaObject();
    if (object->isWidgetType() && static_cast<QWidget*>(object)->isWindow() &&
        (kind == &QWidget::staticMetaObject || kind->superClass() == &QWidget::staticMetaObject))
        return new WindowWithMenus(static_cast<QWidget*>(object));
    auto* action = qobject_cast<QAction*>(object);
    return action ? new MenuEntry(action) : nullptr;
}

}  // namespace

void ReadMenusInWords(QString (*onOff)(bool on), QString (*words)(const QString& text))
{
    inWords = words;
    onOffWords = onOff;
    static const bool installed = (QAccessible::installFactory(Factory), true);
    Q_UNUSED(installed);
}

void OpenOnFirstEntry(QMenu& menu)
{
    menu.setProperty(kSaysItsName, true);
    QObject::connect(&menu, &QMenu::hovered, &menu, [&menu](QAction* entry) {
        if (entry != menu.actions().constFirst())
            menu.setProperty(kSaysItsName, false);
    });
    QTimer::singleShot(0, &menu, [&menu] { menu.setActiveAction(menu.actions().constFirst()); });
}
