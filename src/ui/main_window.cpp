#include "ui/main_window.h"

#include "app/form_language.h"
#include "app/induction_step.h"
#include "app/layout.h"
#include "app/prediction.h"
#include "app/spoken_result.h"
#include "picture/qt_colour.h"
#include "picture/twips.h"
#include "ui/announcer.h"
#include "ui/argument_panel.h"
#include "ui/board_explorer.h"
#include "ui/board_surface.h"
#include "ui/build_up.h"
#include "ui/focus_ring.h"
#include "ui/front_while_focused.h"
#include "ui/full_screen_zoom.h"
#include "ui/hamburger_icon.h"
#include "ui/picture_actions.h"
#include "ui/program_texts.h"
#include "ui/settings_file.h"
#include "ui/style.h"
#include "ui/wide_radio_button.h"
#include "ui/window_commands.h"
#include "ui/window_settings.h"
#include "ui/zoom.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QSettings>
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

// The last line of a text whose lines end in CR LF.
std::string_view LastLine(std::string_view text)
{
    if (text.ends_with("\r\n"))
        text.remove_suffix(2);
    const auto start = text.rfind("\r\n");
    return start == std::string_view::npos ? text : text.substr(start + 2);
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
    default: return ToQString(Tr(language, layout.text));
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

const QString kArgumentSetting = QStringLiteral("view/argument");
// The panel beside the form at 100 %, in pixels, and its margin.
constexpr int kPanelWidth = 330;
constexpr int kPanelMargin = 8;

}  // namespace

MainWindow::MainWindow(SettingsFile* settings, QWidget* parent)
    : QWidget(parent),
      form_(UsedLanguage()),
      settings_(settings),
      baseTwipsPerPixel_(TwipsPerPixel(logicalDpiX())),
      baseSize_(TwipsToPixels(0, 0, kWindowLayout.clientWidth, kWindowLayout.clientHeight, baseTwipsPerPixel_).size()),
      baseLetters_(QApplication::font())
{
    setWindowTitle(ToQString(form_.Text(kWindowLayout.caption)));
    setWindowIcon(HamburgerIcon());
    QFont font(ToQString(kWindowLayout.fontFamily), kWindowLayout.fontPoints);
    font.setStyleHint(QFont::Serif);
    setFont(font);
    setMinimumSize(baseSize_);
    resize(baseSize_);

    // Widgets created later lie on top, so the surface comes first and the rest
    // follow the layout's stacking order.
    formArea_ = new QWidget(this);
    formArea_->setObjectName(QStringLiteral("Form"));
    board_ = new BoardSurface(form_, baseTwipsPerPixel_, formArea_);
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
    focusRing_ = new FocusRing(formArea_);
    focusRing_->skip(board_);  // the explorer's cursor shows where it is
    announcer_ = new Announcer(this);
    explorer_ = new BoardExplorer(*board_, [this](const QString& sentence) { announce(sentence); });
    layOut(zoom_);
    setTabOrder();
    buildUp_ = new BuildUp(*this, *board_, settings);
    connectCommands();
    run([this] { form_.Form_Load(); });
}

void MainWindow::connectCommands()
{
    commands_ = new WindowCommands(*this);
    const WindowCommands& commands = *commands_;
    const auto on = [this, &commands](Command command, auto&& doIt) {
        connect(&commands[command], &QAction::triggered, this, doIt);
    };
    auto* pictures = new PictureActions(*this, *board_, [this] {
        const bool argument = argument_ && argument_->isVisibleTo(this);
        return Picture{form_, board_->marked(), board_->hidden(),
                       argument ? ToQString(ArgumentText(waiting_ ? HoldBack(form_, lesson_).view.argument
                                                                  : lesson_.argument))
                                : QString()};
    });
    on(Command::Save, [pictures] { pictures->save(); });
    on(Command::Copy, [this, pictures] {
        switch (pictures->copy()) {
        case PictureActions::Copied::Text: announce(Program::translate("MainWindow", "Текстът е копиран.")); break;
        case PictureActions::Copied::Picture: announce(ToQString(form_.Text(TextId::PictureCopied))); break;
        case PictureActions::Copied::Nothing: break;  // a box says why, or a text box had no selection
        }
    });
    on(Command::Print, [pictures] { pictures->print(); });
    on(Command::StepUp, [this] { step(+1); });
    on(Command::StepDown, [this] { step(-1); });
    on(Command::Explore, [this] { explorer_->explore(); });
    on(Command::Repeat, [this] { announcer_->repeat(); });
    on(Command::Menu, [this] {
        // beside the control with the focus, as the mouse's menu opens beside the pointer
        const QWidget* focus = QApplication::focusWidget();
        const QWidget* at = focus && formArea_->isAncestorOf(focus) ? focus : formArea_;
        commands_->showMenu(at->mapToGlobal(at->rect().center()), [this](const QString& state) { announce(state); });
    });
    commands[Command::BuildUp].setChecked(buildUp_->enabled());
    on(Command::BuildUp, [this](bool enabled) {
        buildUp_->setEnabled(enabled);
        announce(ToQString(form_.Text(enabled ? TextId::SwitchBuildUpOn : TextId::SwitchBuildUpOff)));
    });
    commands[Command::Argument].setChecked(QSettings().value(kArgumentSetting).toBool());
    setArgumentShown(commands[Command::Argument].isChecked());
    on(Command::Argument, [this](bool shown) {
        QSettings().setValue(kArgumentSetting, shown);
        setArgumentShown(shown);
    });
    // A mode for one lesson, so not remembered: the next class starts as usual.
    on(Command::Predict, [this](bool on) {
        if (!on && waiting_)
            reveal();
        announce(ToQString(form_.Text(on ? TextId::SwitchPredictOn : TextId::SwitchPredictOff)));
    });
    commands[Command::Reveal].setEnabled(false);
    on(Command::Reveal, [this] { reveal(); });
    auto* screen = new FullScreenZoom(zoomable(),
                                      commands[Command::FullScreen], commands[Command::LeaveFullScreen]);
    const auto zoomBy = [this, screen](int direction) {
        screen->zoom(direction);
        announce(isFullScreen() ? Program::translate("MainWindow", "На цял екран размерът следва екрана.")
                                : Program::translate("MainWindow", "Мащаб %1 процента.").arg(std::lround(zoom_ * 100)));
    };
    on(Command::ZoomIn, [zoomBy] { zoomBy(+1); });
    on(Command::ZoomOut, [zoomBy] { zoomBy(-1); });
    on(Command::ZoomReset, [zoomBy] { zoomBy(0); });
    connect(&commands[Command::FullScreen], &QAction::toggled, this, [this](bool on) {
        announce(on ? Program::translate("MainWindow", "Цял екран.")
                    : Program::translate("MainWindow", "Излязохте от цял екран."));
    });
    on(Command::Language,
       [this] { setLanguage(static_cast<Language>((static_cast<std::size_t>(form_.language) + 1) % kLanguageCount)); });
    connect(&commands.languages(), &QActionGroup::triggered, this,
            [this](QAction* entry) { setLanguage(static_cast<Language>(entry->data().toInt())); });
    on(Command::Keys, [this] { commands_->showKeyList(*board_); });
    on(Command::Quit, [this] { close(); });
    // The board lets clicks through to the form beneath it, which holds the menu.
    formArea_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(formArea_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) {
                commands_->showMenu(formArea_->mapToGlobal(at), [this](const QString& state) { announce(state); });
            });
}

void MainWindow::open(int kind, int n)
{
    if (kind >= 1 && kind <= static_cast<int>(options_.size()))
        options_[kind - 1]->setChecked(true);
    if (n >= 1 && n <= list_->count()) {
        list_->setCurrentRow(n - 1);
        findChild<QPushButton*>(QStringLiteral("Command1(1)"))->click();
    }
}

void MainWindow::setLanguage(Language language)
{
    if (language == form_.language)
        return;
    UseLanguage(language);  // the toolkit's texts, the commands' and the panel's follow
    if (waiting_) {
        // the proof text the class still sees is the one before the step, in the new words too
        shownText_ = TextInLanguage(std::move(shownText_), 0, form_.language, language);
        textBoxes_[0]->setPlainText(ToDisplayText(shownText_));
    }
    SwitchLanguage(form_, language);
    lesson_ = InFormLanguage(form_, lesson_);
    if (settings_)
        RememberLanguage(*settings_, language);
    retranslate();
    const LessonView shown = waiting_ ? HoldBack(form_, lesson_).view : lesson_;
    explorer_->setRows(shown.rows);
    if (argument_) {
        argument_->setArgument(shown.argument);
        if (verdictFor_)
            argument_->setNote(ToQString(Reveal(form_, lesson_, *verdictFor_).shown));
    }
    showState();
    announce(ToQString(form_.Text(TextId::LanguageName)));
}

void MainWindow::retranslate()
{
    const Language language = form_.language;
    setWindowTitle(ToQString(form_.Text(kWindowLayout.caption)));
    for (const auto& [widget, layout] : placed_) {
        widget->setAccessibleName(AccessibleName(*layout, language));
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setText(ToQString(form_.Text(layout->text)));
        if (layout->kind == ControlKind::OptionButton)
            widget->setAccessibleDescription(ToQString(SpokenFormula(layout->index + 1, language)));
    }
    frame_->setTitle(ToQString(form_.Text(FindControl("Frame1", 0).text)));
    textBoxes_[1]->setPlainText(ToDisplayText(form_.Text1(1).Text));
    commands_->retranslate();
}

void MainWindow::place(QWidget* widget, const ControlLayout& layout)
{
    widget->setObjectName(QStringLiteral("%1(%2)").arg(ToQString(layout.name)).arg(layout.index));
    widget->setAccessibleName(AccessibleName(layout, form_.language));
    placed_.emplace_back(widget, &layout);
    if (layout.tabIndex >= 0)
        tabChain_.emplace_back(layout.tabIndex, widget);
}

QSize MainWindow::baseSize() const
{
    return argument_ && argument_->isVisibleTo(this) ? baseSize_ + QSize(kPanelWidth, 0) : baseSize_;
}

ArgumentPanel& MainWindow::argumentPanel()
{
    if (!argument_) {
        argument_ = new ArgumentPanel(this);
        argument_->setObjectName(QStringLiteral("Argument"));
        argument_->hide();
        connect(argument_, &ArgumentPanel::ringChanged, board_,
                [this](const std::vector<int>& cells, bool added) { board_->setRinged(cells, added); });
        QWidget::setTabOrder(tabChain_.back().second, argument_->focusProxy());  // after the form's own stops
        argument_->setArgument(waiting_ ? HoldBack(form_, lesson_).view.argument : lesson_.argument);
        argument_->setGuessing(waiting_);
    }
    return *argument_;
}

void MainWindow::setArgumentShown(bool shown)
{
    if (!shown && !argument_)
        return;  // never shown: nothing to hide
    argumentPanel().setVisible(shown);
    if (!shown)
        board_->setRinged({}, false);
    setMinimumSize(baseSize());
    // A window of its own size grows by the panel; a full screen or maximised
    // one shares its room between them.
    if (!isFullScreen() && !isMaximized())
        resize(ZoomedSize(baseSize(), zoom_));
    else
        zoom_ = FittingZoom(baseSize(), size());
    layOut(zoom_);
}

ZoomableWindow MainWindow::zoomable()
{
    return {*this, [this] { return baseSize(); }, [this] { return zoom_; },
            [this](double zoom) { resizeToZoom(zoom); }};
}

void MainWindow::resizeToZoom(double zoom)
{
    resize(ZoomedSize(baseSize(), zoom));
    zoom_ = zoom;
    layOut(zoom_);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the list or on a radio button presses Show.
    if (event->type() == QEvent::KeyPress &&
        (watched == list_ || std::find(options_.begin(), options_.end(), watched) != options_.end())) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
            (static_cast<QKeyEvent*>(event)->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            findChild<QPushButton*>(QStringLiteral("Command1(1)"))->click();
            return true;
        }
    }
    if (watched == list_ && event->type() == QEvent::FocusOut)
        describeList();
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
    return QWidget::eventFilter(watched, event);
}

void MainWindow::resizeEvent(QResizeEvent*)
{
    // A size made for a zoom step keeps that step exactly; any other size
    // shows the form as large as fits.
    // The window's size now, not the event's: an event held back from before
    // the window was shown can arrive after the window manager resized it.
    if (size() != ZoomedSize(baseSize(), zoom_))
        zoom_ = FittingZoom(baseSize(), size());
    layOut(zoom_);
}

void MainWindow::paintEvent(QPaintEvent*)
{
    // Around the form, once the window is larger than it. (Not the palette: the
    // controls would inherit it.)
    QPainter(this).fillRect(rect(), ToQColor(kWindowLayout.background));
}

void MainWindow::layOut(double zoom)
{
    SetStyleZoom(zoom);
    // Menus and dialogs opened from the window, the toolkit's own included,
    // speak in letters as much larger as the form's.
    QFont letters = baseLetters_;
    letters.setPointSizeF(baseLetters_.pointSizeF() * zoom);
    QApplication::setFont(letters, "QMenu");
    QApplication::setFont(letters, "QDialog");
    const double twipsPerPixel = baseTwipsPerPixel_ / zoom;
    const QSize formSize = ZoomedSize(baseSize_, zoom);
    const QSize content = ZoomedSize(baseSize(), zoom);
    const QPoint corner((width() - content.width()) / 2, (height() - content.height()) / 2);
    formArea_->setGeometry(QRect(corner, formSize));
    QFont zoomed = font();
    zoomed.setPointSizeF(kWindowLayout.fontPoints * zoom);
    formArea_->setFont(zoomed);
    if (argument_ && argument_->isVisibleTo(this)) {
        const int margin = static_cast<int>(std::lround(kPanelMargin * zoom));
        argument_->setGeometry(QRect(corner + QPoint(formSize.width(), 0),
                                     QSize(content.width() - formSize.width(), formSize.height()))
                                   .adjusted(margin, margin, -margin, -margin));
        argument_->setFont(zoomed);
    }
    board_->setGeometry(formArea_->rect());
    board_->setTwipsPerPixel(twipsPerPixel);
    for (const auto& [widget, layout] : placed_) {
        widget->setGeometry(TwipsToPixels(layout->left, layout->top, layout->width, layout->height, twipsPerPixel));
        if (layout->kind == ControlKind::PushButton) {
            // a new sheet costs a re-polish, and the same sheet changes nothing
            const QString sheet = ButtonStyleSheet(*layout->background, zoom);
            if (widget->styleSheet() != sheet)
                widget->setStyleSheet(sheet);
            widget->setFont(zoomed);  // a widget with a sheet of its own no longer follows its parent's font
        }
    }
    for (std::size_t i = 0; i < textBoxes_.size(); ++i) {
        if (zoom == 1.0)
            textWidths_[i] = textBoxes_[i]->maximumViewportSize().width();
        ScaleTextLayout(*textBoxes_[i], zoomed, textWidths_[i]);
    }
    focusRing_->follow(zoom);
}

QPushButton* MainWindow::createButton(const ControlLayout& layout)
{
    auto* button = new QPushButton(ToQString(form_.Text(layout.text)), formArea_);
    place(button, layout);
    button->setAutoDefault(true);  // Enter and keypad Enter press it, as Space does
    const int index = layout.index;
    connect(button, &QPushButton::clicked, this, [this, index] {
        const int nBefore = chosenN();
        if (run([this, index] { form_.Command1_Click(index); }))
            after(index == 1 ? LessonCommand::Show : index == 0 ? LessonCommand::Clear : LessonCommand::Choice, nBefore);
    });
    return button;
}

QGroupBox* MainWindow::createFrame(const ControlLayout& layout)
{
    frame_ = new QGroupBox(ToQString(form_.Text(layout.text)), formArea_);
    place(frame_, layout);
    SetBackground(frame_, *layout.background);
    return frame_;
}

QRadioButton* MainWindow::createOption(const ControlLayout& layout)
{
    auto* option = new WideRadioButton(ToQString(form_.Text(layout.text)), frame_);
    place(option, layout);
    option->setAccessibleDescription(ToQString(SpokenFormula(layout.index + 1, form_.language)));
    option->installEventFilter(this);
    SetBackground(option, *layout.background);
    const int index = layout.index;
    options_[index] = option;
    connect(option, &QRadioButton::toggled, this, [this, index](bool on) {
        if (on && run([this, index] { form_.ChooseOption(index); }))
            after(LessonCommand::IdentityChoice, chosenN());
    });
    return option;
}

QListWidget* MainWindow::createList(const ControlLayout& layout)
{
    list_ = new QListWidget(formArea_);
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
        const int nBefore = chosenN();
        form_.List1(0).ListIndex = selected.isEmpty() ? -1 : selected.first().row();
        after(LessonCommand::Choice, nBefore);
    });
    return list_;
}

QPlainTextEdit* MainWindow::createTextBox(const ControlLayout& layout)
{
    auto* textBox = new QPlainTextEdit(formArea_);
    place(textBox, layout);
    textBox->setReadOnly(true);
    // read-only, yet a keyboard user can still move through the text
    textBox->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textBox->setTabChangesFocus(true);
    textBox->setPlainText(ToDisplayText(form_.Text1(layout.index).Text));
    textBoxes_[layout.index] = textBox;
    if (layout.index == 0) {
        shownText_ = form_.Text1(0).Text;
        board_->setAccessibleDescription(ToQString(LastLine(shownText_)));
    }
    return textBox;
}

void MainWindow::setTabOrder()
{
    std::sort(tabChain_.begin(), tabChain_.end());
    for (std::size_t i = 1; i < tabChain_.size(); ++i)
        QWidget::setTabOrder(tabChain_[i - 1].second, tabChain_[i].second);
    // After the form's own stops the board, a stop only while it shows a picture
    // (the argument, made on first use, comes in before it).
    const Qt::FocusPolicy boardPolicy = board_->focusPolicy();
    board_->setFocusPolicy(Qt::TabFocus);  // the toolkit orders only stops
    QWidget::setTabOrder(tabChain_.back().second, board_);
    board_->setFocusPolicy(boardPolicy);
    tabChain_.front().second->setFocus();  // the window opens on the first stop
}

template <class Handler>
bool MainWindow::run(Handler handler)
{
    try {
        handler();
    } catch (const RuntimeError& error) {
        QMessageBox::critical(this, windowTitle(), QString::fromUtf8(error.what()));
        QApplication::exit(1);
        return false;
    }
    showState();
    return true;
}

int MainWindow::chosenN() const
{
    return form_.List1(0).ListIndex + 1;
}

void MainWindow::step(int delta)
{
    if (waiting_ && delta > 0) {
        reveal();  // the teacher's PageDown: first what this step added
        return;
    }
    const int nBefore = chosenN();
    // held back before the form writes it, in case this step waits for a guess
    waiting_ = delta > 0 && (*commands_)[Command::Predict].isChecked();
    if (run([this, delta] { StepN(form_, delta); }))
        after(delta > 0 ? LessonCommand::StepUp : LessonCommand::StepDown, nBefore);
}

void MainWindow::describeList()
{
    // Read on coming to the list; while it has the focus its items speak for themselves.
    const int n = chosenN();
    list_->setAccessibleDescription(n > 0 ? Program::translate("MainWindow", "n е %1").arg(n)
                                          : Program::translate("MainWindow", "n не е избрано"));
}

void MainWindow::announce(const QString& sentence)
{
    announcer_->say(sentence);
}

void MainWindow::after(LessonCommand command, int nBefore)
{
    lesson_ = LessonStep(form_, command, nBefore, lesson_);
    verdictFor_.reset();
    waiting_ = (*commands_)[Command::Predict].isChecked() && WaitsForGuess(form_, command, lesson_);
    (*commands_)[Command::Reveal].setEnabled(waiting_);
    if (waiting_) {
        const HeldBack held = HoldBack(form_, lesson_);
        board_->setMarked({});
        buildUp_->start({});
        board_->setHeld(held.hidden);
        explorer_->setRows(held.view.rows);
        if (argument_) {
            argument_->setArgument(held.view.argument);
            argument_->setNote({});
            argument_->setGuessing(true);
        }
        announce(ToQString(held.view.spoken));
        return;
    }
    board_->setHeld({});
    showProofText();
    board_->setMarked(lesson_.framed);
    explorer_->setRows(lesson_.rows);
    buildUp_->start(lesson_.buildOrder);
    if (argument_) {
        argument_->setArgument(lesson_.argument);
        argument_->setNote({});
        argument_->setGuessing(false);
    }
    if (!lesson_.spoken.empty())
        announce(ToQString(lesson_.spoken));
}

void MainWindow::reveal()
{
    if (!waiting_)
        return;
    verdictFor_ = argument_ ? argument_->guess() : -1;
    const Revealed revealed = Reveal(form_, lesson_, *verdictFor_);
    waiting_ = false;
    (*commands_)[Command::Reveal].setEnabled(false);
    showProofText();
    board_->setHeld({});
    board_->setMarked(lesson_.framed);
    explorer_->setRows(lesson_.rows);
    buildUp_->start(lesson_.buildOrder, true);  // built as the class watches, build-up on or not
    if (argument_) {
        const bool typing = argument_->isAncestorOf(QApplication::focusWidget());
        argument_->setGuessing(false);
        argument_->setArgument(lesson_.argument);
        argument_->setNote(ToQString(revealed.shown));
        if (typing)
            argument_->setFocus();  // on its lines, where the step now stands
    }
    announce(ToQString(revealed.spoken));
}

void MainWindow::showProofText()
{
    const std::string& text = form_.Text1(0).Text;
    if (!waiting_ && text != shownText_) {
        textBoxes_[0]->setPlainText(ToDisplayText(text));
        board_->setAccessibleDescription(ToQString(LastLine(text)));
        shownText_ = text;
    }
}

void MainWindow::showState()
{
    showProofText();
    // The list writes its selection back to the form, which then already holds it.
    const int listIndex = form_.List1(0).ListIndex;
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
            list_->selectionModel()->select(list_->model()->index(listIndex, 0),
                                            QItemSelectionModel::ClearAndSelect);
        }
        // in view, so that what the pupil sees selected is what a click selects
        list_->scrollToItem(list_->item(listIndex));
        showingState_ = false;
    }
    // Radio buttons are exclusive: turning one on turns the others off.
    for (int i = 0; i < form_.Option1.Count(); ++i) {
        if (form_.Option1(i).Value && !options_[i]->isChecked()) {
            const QSignalBlocker blocker(options_[i]);
            options_[i]->setChecked(true);
        }
    }
    if (!list_->hasFocus())
        describeList();
    board_->update();
}
