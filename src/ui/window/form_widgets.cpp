// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window/form_widgets.h"

#include "app/in_words.h"
#include "app/induction_step.h"
#include "app/layout.h"
#include "app/spoken_result.h"
#include "picture/qt_colour.h"
#include "picture/twips.h"
#include "ui/widgets/front_while_focused.h"
#include "cli/program_texts.h"
#include "ui/widgets/text_in_words.h"
#include "ui/widgets/wide_radio_button.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Text widgets end lines in a single line feed.
QString ToDisplayText(std::string_view text)
{
    return ToQString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// What a screen reader calls a control: its caption, or what the window shows
// beside it.
QString AccessibleName(const ControlLayout& layout, Language language)
{
    switch (layout.kind) {
    case ControlKind::ListBox: return ToQString(Tr(language, FindControl("Label1", 1).text));
    case ControlKind::TextBox:
        return layout.index == 0 ? Program::translate("MainWindow", "Доказателство")
                                 : Program::translate("MainWindow", "Цитат");
    case ControlKind::OptionButton:
        // the caption stays as it is; a screen reader says the identity in words
        return ToQString(SpokenIdentityName(layout.index + 1, language));
    default: return ToQString(InWords(Tr(language, layout.text), language));  // "Индукция, нагледно", no dash
    }
}

// A style sheet, since not every style honours a button's palette. Borders
// grow with the zoom, in whole pixels.
QString ButtonStyleSheet(const Colour& background, double zoom)
{
    const QColor colour = ToQColor(background);
    const auto pixels = [zoom](int width) { return std::max(1L, std::lround(width * zoom)); };
    return QStringLiteral("QPushButton { background-color: %1; color: black; border: %3px solid black; }"
                          "QPushButton:focus { border: %4px solid black; }"
                          "QPushButton:pressed { background-color: %2; }")
        .arg(colour.name(), colour.darker(125).name())
        .arg(pixels(1))
        .arg(pixels(2));
}

// A fixed background, and text in the design's black on it whatever the theme.
void SetBackground(QWidget* widget, const Colour& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), ToQColor(colour));
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Lines break where they break at 100 %: letters whose widths are rounded to
// whole pixels are not in proportion from one size to the next, and the box's
// edges are rounded apart from its letters. So a zoomed box measures its
// letters unrounded, at a size in proportion to the width it has for them, its
// margin included; `base` is that width at 100 %.
void ScaleTextLayout(QPlainTextEdit& box, const QFont& font, int base)
{
    static const qreal margin = QTextDocument().documentMargin();
    const int width = box.maximumViewportSize().width();
    const double scale = width == base ? 1.0 : double(width) / base;
    QFont letters = font;
    letters.setPointSizeF(kWindowLayout.fontPoints * scale);
    box.setFont(letters);
    box.document()->setUseDesignMetrics(scale != 1.0);
    box.document()->setDocumentMargin(margin * scale);
}

// The identities' group as a screen reader hears it: without a name. Each radio
// button says its identity, and a reader would say the group's caption again
// before every one of them.
class QuietGroup : public QAccessibleWidget {
public:
    explicit QuietGroup(QWidget* group) : QAccessibleWidget(group, QAccessible::Grouping) {}
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? QString() : QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* QuietGroupFactory(const QString&, QObject* object)
{
    auto* group = qobject_cast<QGroupBox*>(object);
    return group && group->objectName() == QLatin1String("Frame1(0)") ? new QuietGroup(group) : nullptr;
}

}  // namespace

FormWidgets::FormWidgets(QWidget& area, const Tessalo& form, Handlers handlers)
    : QObject(&area), area_(area), form_(form), handlers_(std::move(handlers))
{
    static const bool installed = (QAccessible::installFactory(QuietGroupFactory), true);
    Q_UNUSED(installed);
    // Widgets created later lie on top: they follow the layout's stacking order.
    for (const auto& control : kControls) {
        switch (control.kind) {
        case ControlKind::PushButton: createButton(control); break;
        case ControlKind::Frame: createFrame(control); break;
        case ControlKind::OptionButton: createOption(control); break;
        case ControlKind::ListBox: createList(control); break;
        case ControlKind::TextBox: createTextBox(control); break;
        case ControlKind::Label:
        case ControlKind::Shape: break;  // painted by the board surface
        }
    }
    // the quotation box lies partly behind the proof box
    new FrontWhileFocused(*textBoxes_[1]);
    orderTabStops();
}

void FormWidgets::place(QWidget* widget, const ControlLayout& layout)
{
    widget->setObjectName(QStringLiteral("%1(%2)").arg(ToQString(layout.name)).arg(layout.index));
    widget->setAccessibleName(AccessibleName(layout, form_.language));
    placed_.emplace_back(widget, &layout);
    if (layout.tabIndex >= 0)
        tabChain_.emplace_back(layout.tabIndex, widget);
}

void FormWidgets::createButton(const ControlLayout& layout)
{
    auto* button = new QPushButton(ToQString(form_.Text(layout.text)), &area_);
    place(button, layout);
    button->setAutoDefault(true);  // Enter and keypad Enter press it, as Space does
    const int index = layout.index;
    if (index < static_cast<int>(buttons_.size()))
        buttons_[static_cast<std::size_t>(index)] = button;
    connect(button, &QPushButton::clicked, this, [this, index] { handlers_.button(index); });
}

void FormWidgets::createFrame(const ControlLayout& layout)
{
    frame_ = new QGroupBox(ToQString(form_.Text(layout.text)), &area_);
    place(frame_, layout);
    SetBackground(frame_, *layout.background);
    // its title told the toolkit's view of it before it had its name: the next question gets ours
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(frame_)));
}

void FormWidgets::createOption(const ControlLayout& layout)
{
    auto* option = new WideRadioButton(ToQString(form_.Text(layout.text)), frame_);
    place(option, layout);
    option->setAccessibleDescription(ToQString(SpokenFormula(layout.index + 1, form_.language)));
    option->installEventFilter(this);
    SetBackground(option, *layout.background);
    const int index = layout.index;
    options_[static_cast<std::size_t>(index)] = option;
    connect(option, &QRadioButton::toggled, this, [this, index](bool on) {
        if (on)
            handlers_.option(index);
    });
}

void FormWidgets::createList(const ControlLayout& layout)
{
    list_ = new QListWidget(&area_);
    place(list_, layout);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->installEventFilter(this);
    for (auto item : form_.List1(0).items)
        list_->addItem(ToQString(item));
    // choosing n has no handler of its own: the form only keeps the selection
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (showingState_)
            return;  // the form already holds it
        const auto selected = list_->selectionModel()->selectedRows();
        handlers_.n(selected.isEmpty() ? 0 : selected.first().row() + 1);
    });
}

void FormWidgets::createTextBox(const ControlLayout& layout)
{
    auto* textBox = new QPlainTextEdit(&area_);
    ReadInWords(*textBox, form_.language);
    place(textBox, layout);
    textBox->setReadOnly(true);
    // nothing to undo in a read-only box, and each zoom's margin would
    // otherwise be kept as a step until the window closes
    textBox->setUndoRedoEnabled(false);
    // read-only, yet a keyboard user can still move through the text
    textBox->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textBox->setTabChangesFocus(true);
    textBox->setPlainText(ToDisplayText(form_.Text1(layout.index).Text));
    textBoxes_[static_cast<std::size_t>(layout.index)] = textBox;
    if (layout.index == 0)
        shownText_ = form_.Text1(0).Text;
}

void FormWidgets::orderTabStops()
{
    std::sort(tabChain_.begin(), tabChain_.end());
    for (std::size_t i = 1; i < tabChain_.size(); ++i)
        QWidget::setTabOrder(tabChain_[i - 1].second, tabChain_[i].second);
    for (const auto& [index, widget] : tabChain_)
        tabStops_.push_back(widget);
}

std::vector<QWidget*> FormWidgets::tabStopsNow() const
{
    const bool anyOn = std::any_of(options_.begin(), options_.end(), [](const QRadioButton* o) { return o->isChecked(); });
    std::vector<QWidget*> stops;
    bool groupVisited = false;
    for (QWidget* stop : tabStops_) {
        if (stop->focusPolicy() == Qt::NoFocus)
            continue;  // the frame, which only holds the group
        if (auto* option = qobject_cast<QRadioButton*>(stop)) {
            if (anyOn ? !option->isChecked() : groupVisited)
                continue;
            groupVisited = true;
        }
        stops.push_back(stop);
    }
    return stops;
}

void FormWidgets::retranslate(const Tessalo& form)
{
    for (const auto& [widget, layout] : placed_) {
        widget->setAccessibleName(AccessibleName(*layout, form.language));
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setText(ToQString(form.Text(layout->text)));
        if (layout->kind == ControlKind::OptionButton)
            widget->setAccessibleDescription(ToQString(SpokenFormula(layout->index + 1, form.language)));
    }
    frame_->setTitle(ToQString(form.Text(FindControl("Frame1", 0).text)));
    for (QPlainTextEdit* box : textBoxes_)
        ReadInWords(*box, form.language);
    textBoxes_[1]->setPlainText(ToDisplayText(form.Text1(1).Text));
}

void FormWidgets::layOut(double twipsPerPixel, double zoom, const QFont& letters)
{
    for (const auto& [widget, layout] : placed_) {
        widget->setGeometry(TwipsToPixels(layout->left, layout->top, layout->width, layout->height, twipsPerPixel));
        if (layout->kind == ControlKind::PushButton) {
            // a new sheet costs a re-polish, and the same sheet changes nothing
            const QString sheet = ButtonStyleSheet(*layout->background, zoom);
            if (widget->styleSheet() != sheet)
                widget->setStyleSheet(sheet);
            widget->setFont(letters);  // a widget with a sheet of its own no longer follows its parent's font
        }
    }
    for (std::size_t i = 0; i < textBoxes_.size(); ++i) {
        if (zoom == 1.0)
            textWidths_[i] = textBoxes_[i]->maximumViewportSize().width();
        ScaleTextLayout(*textBoxes_[i], letters, textWidths_[i]);
    }
}

void FormWidgets::showState(const Tessalo& form, const std::string& proofText)
{
    if (proofText != shownText_) {
        textBoxes_[0]->setPlainText(ToDisplayText(proofText));
        shownText_ = proofText;
    }
    // The list writes its selection back to the form, which then already holds it.
    const int listIndex = form.List1(0).ListIndex;
    if (listIndex < 0) {
        list_->clearSelection();
        list_->setCurrentIndex({});
    } else if (!list_->item(listIndex)->isSelected() || (list_->hasFocus() && list_->currentRow() != listIndex)) {
        showingState_ = true;
        if (list_->hasFocus()) {
            list_->setCurrentRow(listIndex);
        } else {
            // Only the selection: moving the current item would tell a screen
            // reader that the focus went to the list. It follows on focus-in.
            list_->selectionModel()->select(list_->model()->index(listIndex, 0), QItemSelectionModel::ClearAndSelect);
        }
        // in view, so that what the pupil sees selected is what a click selects
        list_->scrollToItem(list_->item(listIndex));
        showingState_ = false;
    }
    // Radio buttons are exclusive: turning one on turns the others off.
    for (int i = 0; i < form.Option1.Count(); ++i) {
        if (form.Option1(i).Value && !options_[static_cast<std::size_t>(i)]->isChecked()) {
            const QSignalBlocker blocker(options_[static_cast<std::size_t>(i)]);
            options_[static_cast<std::size_t>(i)]->setChecked(true);
        }
    }
    if (!list_->hasFocus())
        describeList(ChosenN(form));
}

void FormWidgets::describeList(int n)
{
    // Read on coming to the list; while it has the focus its items speak for themselves.
    list_->setAccessibleDescription(n > 0 ? Program::translate("MainWindow", "n е %1").arg(n)
                                          : Program::translate("MainWindow", "n не е избрано"));
}

bool FormWidgets::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the list or on a radio button presses Show.
    if (event->type() == QEvent::KeyPress &&
        (watched == list_ || std::find(options_.begin(), options_.end(), watched) != options_.end())) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            showButton().click();
            return true;
        }
    }
    if (watched == list_ && event->type() == QEvent::FocusOut)
        describeList(ChosenN(form_));
    // The list's current item catches up with a selection made from elsewhere;
    // not on a click, which makes the item under the pointer current itself.
    if (watched == list_ && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason) {
        const auto selected = list_->selectionModel()->selectedRows();
        if (!selected.isEmpty() && selected.first() != list_->currentIndex()) {
            showingState_ = true;
            list_->selectionModel()->setCurrentIndex(selected.first(), QItemSelectionModel::NoUpdate);
            showingState_ = false;
        }
    }
    return QObject::eventFilter(watched, event);
}
