// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/commands/window_commands.h"

#include "app/in_words.h"
#include "cli/program_texts.h"
#include "identities/further_identity.h"
#include "ui/widgets/menus_in_words.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QKeySequence::StandardKey ToolkitKey(StandardKey key)
{
    switch (key) {
    case StandardKey::None: break;
    case StandardKey::Save: return QKeySequence::Save;
    case StandardKey::Copy: return QKeySequence::Copy;
    case StandardKey::Print: return QKeySequence::Print;
    case StandardKey::ZoomIn: return QKeySequence::ZoomIn;
    case StandardKey::ZoomOut: return QKeySequence::ZoomOut;
    case StandardKey::FullScreen: return QKeySequence::FullScreen;
    case StandardKey::HelpContents: return QKeySequence::HelpContents;
    case StandardKey::Quit: return QKeySequence::Quit;
    }
    return QKeySequence::UnknownKey;
}

// The keys of every action's platform binding and ours, each once: two
// shortcuts on the same keys would both stay silent.
QList<QKeySequence> KeysOf(const CommandRow& row)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(ToolkitKey(row.standard));
    for (const std::string_view key : row.keys) {
        const QKeySequence sequence =
            QKeySequence::fromString(QString::fromLatin1(key), QKeySequence::PortableText);
        if (!key.empty() && !keys.contains(sequence))
            keys << sequence;
    }
    return keys;
}

QString InLanguage(TextId text)
{
    return QString::fromUtf8(Tr(UsedLanguage(), text));
}

}  // namespace

WindowCommands::WindowCommands(QWidget& window) : QObject(&window), window_(window)
{
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        const CommandRow& row = kCommands[i];
        auto* action = new QAction(this);
        action->setShortcuts(KeysOf(row));
        action->setCheckable(row.checkable);
        if (row.inArgument)
            action->setShortcutContext(Qt::WidgetShortcut);  // the argument's lines take it
        else
            window.addAction(action);
        actions_[i] = action;
    }
    auto* languages = new QMenu(&window);
    languages_ = new QActionGroup(languages);
    for (std::size_t i = 0; i < kLanguageCount; ++i) {
        const auto language = static_cast<Language>(i);
        QAction* entry = languages->addAction(QString::fromUtf8(Tr(language, TextId::LanguageName)));
        entry->setCheckable(true);
        entry->setData(static_cast<int>(i));
        languages_->addAction(entry);
    }
    (*this)[Command::Language].setMenu(languages);
    auto* further = new QMenu(&window);
    further_ = new QActionGroup(further);
    for (int kind = kFirstFurtherKind - 1; kind <= kLastFurtherKind; ++kind) {
        QAction* entry = further->addAction(QString());
        entry->setCheckable(true);
        entry->setData(kind < kFirstFurtherKind ? 0 : kind);
        further_->addAction(entry);
    }
    (*this)[Command::Further].setMenu(further);
    retranslate();
    qApp->installEventFilter(this);
}

void WindowCommands::retranslate()
{
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        actions_[i]->setText(InLanguage(kCommands[i].text));
        actions_[i]->setToolTip(InLanguage(kCommands[i].meaning));
    }
    languages_->actions()[static_cast<int>(UsedLanguage())]->setChecked(true);
    for (QAction* entry : further_->actions()) {
        const int kind = entry->data().toInt();
        entry->setText(InLanguage(kind == 0   ? TextId::FurtherFormsOwn
                                  : kind == kProgressionKind ? TextId::FurtherProgressionAsked
                                              : DescribeFurther(kind).name));
    }
}

void WindowCommands::showFurther(int kind) const
{
    for (QAction* entry : further_->actions())
        entry->setChecked(entry->data().toInt() == kind);
}

QAction& WindowCommands::operator[](Command command) const
{
    return *actions_[static_cast<std::size_t>(&FindCommand(command) - kCommands.data())];
}

void WindowCommands::showMenu(const QPoint& globalPosition, bool byKeyboard) const
{
    QMenu menu(&window_);
    menu.setWindowTitle(InLanguage(FindCommand(Command::Menu).text));  // what a screen reader calls it
    for (QAction* action : actions_)
        menu.addAction(action);
    // opened by a key, on its first entry, as menus are elsewhere: a screen reader then says
    // the entry, where the menu alone opens in silence
    if (byKeyboard)
        OpenOnFirstEntry(menu);
    menu.exec(globalPosition);
}

void WindowCommands::showKeyList(const QWidget& fontOf) const
{
    QDialog dialog(&window_);
    dialog.setWindowTitle(InLanguage(FindCommand(Command::Keys).text));
    dialog.setFont(fontOf.font());
    const auto rows = KeyListRows(*this);
    auto* table = new QTableWidget(static_cast<int>(rows.size()), 2, &dialog);
    // no name of its own: the dialog's title says it, and a reader would say it twice
    table->setHorizontalHeaderLabels(
        {InLanguage(FindCommand(Command::Keys).text), InLanguage(TextId::KeysAction)});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    for (int i = 0; i < rows.size(); ++i) {
        for (const int column : {0, 1}) {
            const QString& text = column == 0 ? rows[i].first : rows[i].second;
            auto* item = new QTableWidgetItem(text);
            // a reader would name the signs of "Ctrl+-" and "(SVG, PNG, PDF)"
            item->setData(Qt::AccessibleTextRole, QString::fromStdString(InWords(text.toStdString(), UsedLanguage())));
            table->setItem(i, column, item);
        }
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    // Letters grown with a full screen can make the list wider than the screen:
    // what the keys do then wraps within the width there is, never sideways.
    table->setWordWrap(true);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setCurrentCell(0, 0);
    // wide enough for the scroll bar the list shows when its rows do not all fit
    const QSize contents(table->horizontalHeader()->length() + 2 * table->frameWidth() +
                             table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table),
                         table->verticalHeader()->length() + table->horizontalHeader()->height() +
                             2 * table->frameWidth());
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    // A tenth of the screen for the dialog's frame; within the rest its margins,
    // its button and as much of the list as there is.
    const QSize room = window_.screen()->availableSize() * 9 / 10;
    const QMargins margins = layout->contentsMargins();
    const QSize around(margins.left() + margins.right(),
                       margins.top() + margins.bottom() + layout->spacing() + buttons->sizeHint().height());
    table->setMinimumSize(contents.boundedTo(room - around));
    dialog.exec();
}

bool WindowCommands::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride && type != QEvent::MouseButtonPress &&
        type != QEvent::ContextMenu)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &window_)
        return false;
    if (type == QEvent::ContextMenu) {
        // the Menu key comes as a menu of the focused control (a text box's own),
        // where it should open ours on its first entry, as Shift+F10 does
        if (static_cast<QContextMenuEvent*>(event)->reason() != QContextMenuEvent::Keyboard)
            return false;
        (*this)[Command::Menu].trigger();
        return true;
    }
    if (type == QEvent::MouseButtonPress) {
        // the toolkit has already given the keyboard to what was clicked
        pressedIn_ = QApplication::focusWidget();
        return false;
    }
    if (type == QEvent::KeyPress)
        pressedIn_ = QApplication::focusWidget();  // before a control moves the keyboard on
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        const CommandRow& row = kCommands[i];
        // Our own keys go by the key press, not as shortcuts, which the toolkit runs
        // before the press reaches the desktop's accessibility bus: a screen reader
        // then hears the press and stops what it was saying for the news. A key a
        // control took for itself still runs the command first. The toolkit's
        // standard keys (Copy in a text box) stay shortcuts, which such a control keeps.
        if (row.inArgument || (!row.everywhere && row.standard != StandardKey::None) || !actions_[i]->isEnabled() ||
            !actions_[i]->shortcuts().contains(pressed))
            continue;
        if (event->type() == QEvent::ShortcutOverride)
            event->accept();  // the press comes as a key press, to this filter
        else {
            actions_[i]->trigger();
        }
        return true;
    }
    return false;
}

QList<std::pair<QString, QString>> KeyListRows(const WindowCommands& commands)
{
    QList<std::pair<QString, QString>> rows;
    for (const FormKeysRow& row : kFormKeys)
        rows.emplaceBack(InLanguage(row.keys), InLanguage(row.meaning));
    for (const CommandRow& row : kCommands) {
        QStringList keys;
        for (const QKeySequence& sequence : commands[row.command].shortcuts())
            keys << sequence.toString(QKeySequence::NativeText);
        rows.emplaceBack(keys.join(QLatin1String(", ")), InLanguage(row.meaning));
    }
    return rows;
}
