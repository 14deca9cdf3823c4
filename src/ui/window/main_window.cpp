// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window/main_window.h"

#include "app/in_words.h"

#include "app/induction_argument.h"
#include "app/layout.h"
#include "picture/qt_colour.h"
#include "picture/twips.h"
#include "ui/lesson/announcer.h"
#include "ui/lesson/argument_panel.h"
#include "ui/board/board_explorer.h"
#include "ui/board/board_surface.h"
#include "ui/board/build_up.h"
#include "ui/widgets/focus_ring.h"
#include "ui/window/form_widgets.h"
#include "ui/commands/full_screen_zoom.h"
#include "ui/widgets/hamburger_icon.h"
#include "ui/widgets/menus_in_words.h"
#include "ui/commands/picture_actions.h"
#include "cli/program_texts.h"
#include "ui/settings/settings_file.h"
#include "ui/window/style.h"
#include "ui/commands/window_commands.h"
#include "ui/settings/window_settings.h"
#include "cli/zoom.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <iterator>
#include <cmath>

namespace {

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The panel beside the form at 100 %, in pixels, and its margin.
constexpr int kPanelWidth = 330;
constexpr int kPanelMargin = 8;

}  // namespace

MainWindow::MainWindow(SettingsFile* settings, QWidget* parent)
    : QWidget(parent),
      lesson_(UsedLanguage()),
      settings_(settings),
      baseTwipsPerPixel_(TwipsPerPixel(logicalDpiX())),
      baseSize_(TwipsToPixels(0, 0, kWindowLayout.clientWidth, kWindowLayout.clientHeight, baseTwipsPerPixel_).size()),
      baseLetters_(QApplication::font())
{
    // before a screen reader first hears of the window, which it then sees with its menus
    ReadMenusInWords(
        [](bool on) { return QString::fromUtf8(Tr(UsedLanguage(), on ? TextId::CommandOn : TextId::CommandOff)); },
        [](const QString& text) { return ToQString(InWords(text.toStdString(), UsedLanguage())); });
    showTitle();
    setWindowIcon(HamburgerIcon());
    QFont font(ToQString(kWindowLayout.fontFamily), kWindowLayout.fontPoints);
    font.setStyleHint(QFont::Serif);
    setFont(font);
    setMinimumSize(baseSize_);
    resize(baseSize_);

    // Widgets created later lie on top, so the surface comes first.
    formArea_ = new QWidget(this);
    formArea_->setObjectName(QStringLiteral("Form"));
    board_ = new BoardSurface(lesson_, baseTwipsPerPixel_, formArea_);
    widgets_ = new FormWidgets(*formArea_, form(),
                               {[this](int button) { run([button](Lesson& l) { l.Press(button); }); },
                                [this](int option) { run([option](Lesson& l) { l.ChooseIdentity(option); }); },
                                [this](int n) { run([n](Lesson& l) { l.ChooseN(n); }); }});
    board_->setAccessibleDescription(ToQString(lesson_.BoardWords()));
    focusRing_ = new FocusRing(formArea_);
    focusRing_->skip(board_);  // the explorer's cursor shows where it is
    announcer_ = new Announcer(this);
    explorer_ = new BoardExplorer(
        *board_, [this](const QString& sentence) { announce(sentence); },
        [this](const QString& sentence) { announcer_->keep(sentence); });
    layOut(zoom_);
    // After the form's own stops the board, a stop only while it shows a picture
    // (the argument, made on first use, comes in before it).
    const Qt::FocusPolicy boardPolicy = board_->focusPolicy();
    board_->setFocusPolicy(Qt::TabFocus);  // the toolkit orders only stops
    QWidget::setTabOrder(widgets_->tabStops().back(), board_);
    board_->setFocusPolicy(boardPolicy);
    widgets_->tabStops().front()->setFocus();  // the window opens on the first stop
    buildUp_ = new BuildUp(*this, *board_, settings);
    connectCommands();
    run([](Lesson& l) { l.Load(); });
}

void MainWindow::open(int kind, int n, Progression progression)
{
    if (kind >= 1 && kind <= form().Option1.Count())
        run([kind](Lesson& l) { l.ChooseIdentity(kind - 1); });
    if (n >= 1 && n <= form().List1(0).ListCount())
        run([n](Lesson& l) {
            l.ChooseN(n);
            l.Press(1);
        });
    if (kind >= kFirstFurtherKind && kind <= kLastFurtherKind)
        chooseFurther(kind, progression);
}

void MainWindow::setLanguage(Language language)
{
    if (language == form().language)
        return;
    UseLanguage(language);  // the toolkit's texts, the commands' and the panel's follow
    lesson_.SetLanguage(language);
    if (settings_)
        settings_->setLanguage(language);
    retranslate();
    // what the lesson shows, in the new words; nothing is built or said again
    widgets_->showState(form(), lesson_.ProofText());
    board_->setAccessibleDescription(ToQString(lesson_.BoardWords()));
    explorer_->setRows(lesson_.View().rows);
    if (argument_) {
        argument_->setArgument(lesson_.View().argument, lesson_.ShownLines());
        argument_->setNote(ToQString(lesson_.Note()));
    }
    board_->update();
    announce(ToQString(form().Text(TextId::LanguageName)));
}

// The title, and for a screen reader the same in words: "Математика, индукция, ..." with no dash.
void MainWindow::showTitle()
{
    const std::string_view title = form().Text(kWindowLayout.caption);
    setWindowTitle(ToQString(title));
    setAccessibleName(ToQString(InWords(title, form().language)));
}

void MainWindow::retranslate()
{
    showTitle();
    widgets_->retranslate(form());
    commands_->retranslate();
}

QSize MainWindow::baseSize() const
{
    return argumentShown() ? baseSize_ + QSize(kPanelWidth, 0) : baseSize_;
}

bool MainWindow::argumentShown() const
{
    return argument_ && argument_->isVisibleTo(this);
}

// Hidden while the lesson is still there: the form's list reads it as it loses the keyboard,
// and the toolkit's own teardown, which hides the window too, comes after the lesson is gone.
MainWindow::~MainWindow()
{
    hide();
}

namespace {

// The stop that holds `focused`: itself, its parent, or for a radio button the group's stop.
std::ptrdiff_t StopOf(const std::vector<QWidget*>& stops, const QWidget* focused)
{
    const auto holds = [focused](const QWidget* stop) {
        return stop == focused || stop->isAncestorOf(focused) ||
               (qobject_cast<const QRadioButton*>(stop) && qobject_cast<const QRadioButton*>(focused) &&
                stop->parentWidget() == focused->parentWidget());
    };
    const auto at = std::find_if(stops.begin(), stops.end(), holds);
    return at == stops.end() ? -1 : at - stops.begin();
}

}  // namespace

// The toolkit's own chain enters the identities' group at its first button whichever is
// on, and once the argument joins the chain it goes from Clear straight to the argument.
bool MainWindow::focusNextPrevChild(bool next)
{
    std::vector<QWidget*> stops = widgets_->tabStopsNow();
    if (argument_ && !argument_->isHidden())
        std::ranges::copy(argument_->tabStops(), std::back_inserter(stops));
    if (board_->focusPolicy() & Qt::TabFocus)
        stops.push_back(board_);
    const QWidget* focused = QApplication::focusWidget();
    const std::ptrdiff_t at = focused ? StopOf(stops, focused) : -1;
    if (at < 0)
        return QWidget::focusNextPrevChild(next);
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    stops[static_cast<std::size_t>((at + (next ? 1 : count - 1)) % count)]->setFocus(next ? Qt::TabFocusReason
                                                                                         : Qt::BacktabFocusReason);
    return true;
}

ArgumentPanel& MainWindow::argumentPanel()
{
    if (!argument_) {
        argument_ = new ArgumentPanel(this);
        argument_->setObjectName(QStringLiteral("Argument"));
        argument_->hide();
        connect(argument_, &ArgumentPanel::ringChanged, board_,
                [this](const std::vector<int>& cells, bool added) { board_->setRinged(cells, added); });
        QWidget::setTabOrder(widgets_->tabStops().back(), argument_->focusProxy());  // after the form's own stops
        argument_->setArgument(lesson_.View().argument, lesson_.ShownLines());
        argument_->addLinesAction(&(*commands_)[Command::NextLine]);
        argument_->setGuessing(lesson_.Waiting());
        argument_->setNote(ToQString(lesson_.Note()));
    }
    return *argument_;
}

void MainWindow::setArgumentShown(bool shown)
{
    argumentOn_ = shown;
    placeArgument();
}

void MainWindow::placeArgument()
{
    const bool shown = lesson_.ShowsArgument(argumentOn_);
    if (!argument_ ? !shown : argument_->isHidden() != shown)
        return;  // never shown and not wanted, or as wanted already
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
    if (argumentShown()) {
        const int margin = static_cast<int>(std::lround(kPanelMargin * zoom));
        argument_->setGeometry(QRect(corner + QPoint(formSize.width(), 0),
                                     QSize(content.width() - formSize.width(), formSize.height()))
                                   .adjusted(margin, margin, -margin, -margin));
        argument_->setFont(zoomed);
    }
    board_->setGeometry(formArea_->rect());
    board_->setTwipsPerPixel(twipsPerPixel);
    widgets_->layOut(twipsPerPixel, zoom, zoomed);
    focusRing_->follow(zoom);
}

void MainWindow::run(const std::function<void(Lesson&)>& command)
{
    try {
        command(lesson_);
    } catch (const RuntimeError& error) {
        QMessageBox::critical(this, windowTitle(), QString::fromUtf8(error.what()));
        QApplication::exit(1);
        return;
    }
    showLesson();
}

void MainWindow::step(int delta)
{
    run([delta](Lesson& l) { l.Step(delta); });
}

void MainWindow::announce(const QString& sentence, const QString& whole)
{
    // once the toolkit has told where the keyboard went (a radio button chosen by an
    // arrow says its name): the news follows it, not the other way round
    const QPointer<QWidget> pressedIn = commands_ != nullptr ? commands_->pressedIn() : nullptr;
    QTimer::singleShot(0, announcer_, [announcer = announcer_, sentence, whole, pressedIn] {
        // news cuts short what the reader says (the echo of a key, Space on Show
        // included) and stays in braille, unless the key or the click moved the
        // keyboard: where it went is said first
        const QWidget* focus = QApplication::focusWidget();
        if (focus != nullptr && focus->accessibleName() == sentence) {
            announcer->keep(whole.isEmpty() ? sentence : whole);  // the focus says it, braille keeps it
            return;
        }
        const bool stayed = pressedIn != nullptr && focus == pressedIn;
        // the verdict on a guess, whose box hands the keyboard to the step's line: heard at
        // once, and kept in braille, rather than after the panel, the list and the line
        const bool guessed = pressedIn != nullptr && pressedIn->objectName() == QLatin1String("guess");
        announcer->say(sentence, whole,
                       stayed || guessed ? Announcer::Urgency::Interrupt : Announcer::Urgency::Queue);
    });
}

void MainWindow::showLesson()
{
    showState();
    commands_->showFurther(lesson_.Further() ? lesson_.Further()->kind : 0);
    const LessonView& view = lesson_.View();
    (*commands_)[Command::Reveal].setEnabled(lesson_.Waiting());
    board_->setHeld(lesson_.Hidden());
    board_->setMarked(view.framed);
    explorer_->setRows(view.rows);
    // a revealed step is built as the class watches, build-up on or not
    buildUp_->start(view.buildOrder, lesson_.Revealed());
    placeArgument();
    if (argument_) {
        const bool typing = lesson_.Revealed() && argument_->isAncestorOf(QApplication::focusWidget());
        argument_->setArgument(view.argument, lesson_.ShownLines());
        // after a reveal the class looks at what it guessed: the step's line, its cells
        if (lesson_.Revealed())
            argument_->chooseLine(ArgumentRole::NewTerm);
        argument_->setNote(ToQString(lesson_.Note()));
        // on its lines, where the step now stands, before the box goes: hidden with the
        // keyboard in it, the box would pass it on to the next control, which a screen
        // reader would name before the verdict
        if (typing)
            argument_->setFocus();
        argument_->setGuessing(lesson_.Waiting(), ToQString(view.spoken));
    }
    if (!view.spoken.empty())
        announce(ToQString(view.spoken), ToQString(view.whole));
}

void MainWindow::showState()
{
    const std::string& text = lesson_.ProofText();
    board_->setAccessibleDescription(ToQString(lesson_.BoardWords()));
    widgets_->showState(form(), text);
    board_->update();
}
