// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's commands wired to the parts that do them: every action of the
// command table, and the picture's menu.
#include "ui/window/main_window.h"

#include "app/induction_argument.h"
#include "app/picture_sound.h"
#include "ui/lesson/announcer.h"
#include "ui/lesson/argument_panel.h"
#include "ui/lesson/sound_player.h"
#include "ui/board/board_explorer.h"
#include "ui/board/board_surface.h"
#include "ui/board/build_up.h"
#include "ui/commands/full_screen_zoom.h"
#include "ui/commands/picture_actions.h"
#include "ui/settings/settings_file.h"
#include "cli/program_texts.h"
#include "ui/commands/window_commands.h"
#include "ui/lesson/claim_dialog.h"
#include "ui/lesson/progression_dialog.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>

#include <cmath>

namespace {

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void MainWindow::chooseFurther(int kind, std::optional<Progression> progression)
{
    if (kind == kProgressionKind && !progression) {
        const FurtherIdentity* now = lesson_.Further();
        progression = AskProgression(*this, now && now->kind == kProgressionKind ? now->progression : Progression{});
        if (!progression) {
            commands_->showFurther(now ? now->kind : 0);  // as it was
            return;
        }
    }
    run([kind, progression](Lesson& l) { l.ChooseFurther(kind, progression.value_or(Progression{})); });
}

void MainWindow::connectCommands()
{
    commands_ = new WindowCommands(*this);
    const WindowCommands& commands = *commands_;
    const auto on = [this, &commands](Command command, auto&& doIt) {
        connect(&commands[command], &QAction::triggered, this, doIt);
    };
    auto* pictures = new PictureActions(*this, *board_, [this] {
        Picture picture{form(), board_->marked(), board_->hidden(),
                        argumentShown() ? ToQString(ArgumentText(lesson_.View().argument)) : QString(),
                        lesson_.DrawnPicture().kind, lesson_.DrawnPicture().n};
        if (const FurtherIdentity* further = lesson_.Further()) {
            // drawn from its board with the form's labels, its proof text beneath
            furtherBoard_ = lesson_.Board();
            picture.board = &furtherBoard_;
            picture.further = further;
            picture.text = ToQString(lesson_.ProofText()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
        }
        return picture;
    });
    on(Command::Save, [pictures] { pictures->save(); });
    on(Command::Strip, [pictures] { pictures->saveHandout(PictureActions::Handout::Strip); });
    on(Command::Worksheet, [pictures] { pictures->saveHandout(PictureActions::Handout::Worksheet); });
    on(Command::WorksheetAnswers, [pictures] { pictures->saveHandout(PictureActions::Handout::Answers); });
    on(Command::Tactile, [pictures] { pictures->saveHandout(PictureActions::Handout::Tactile); });
    on(Command::Braille, [pictures] { pictures->saveHandout(PictureActions::Handout::Braille); });
    on(Command::Copy, [this, pictures] {
        switch (pictures->copy()) {
        case PictureActions::Copied::Text: announce(Program::translate("MainWindow", "Текстът е копиран.")); break;
        case PictureActions::Copied::Picture: announce(ToQString(form().Text(TextId::PictureCopied))); break;
        case PictureActions::Copied::Nothing: break;  // a box says why, or a text box had no selection
        }
    });
    on(Command::Print, [pictures] { pictures->print(); });
    on(Command::StepUp, [this] { step(+1); });
    on(Command::StepDown, [this] { step(-1); });
    on(Command::Explore, [this] { explorer_->explore(); });
    on(Command::Repeat, [this] { announcer_->repeat(); });
    on(Command::Listen, [this] {
        if (!ToggleSound(PlayPicture(lesson_.View().rows)))
            announce(ToQString(form().Text(TextId::NoSoundDevice)));
    });
    on(Command::Menu, [this] {
        // beside the control with the focus, as the mouse's menu opens beside the pointer
        const QWidget* focus = QApplication::focusWidget();
        const QWidget* at = focus && formArea_->isAncestorOf(focus) ? focus : formArea_;
        commands_->showMenu(at->mapToGlobal(at->rect().center()), true);
    });
    commands[Command::BuildUp].setChecked(buildUp_->enabled());
    on(Command::BuildUp, [this](bool enabled) {
        buildUp_->setEnabled(enabled);
        announce(ToQString(form().Text(enabled ? TextId::SwitchBuildUpOn : TextId::SwitchBuildUpOff)));
    });
    commands[Command::Argument].setChecked(settings_ && settings_->argument());
    setArgumentShown(commands[Command::Argument].isChecked());
    on(Command::Argument, [this](bool shown) {
        if (settings_)
            settings_->setArgument(shown);
        // The keyboard goes where a screen reader goes, to the lines just shown, and back
        // to where it was when they go.
        const bool inLines = argument_ && argument_->isAncestorOf(QApplication::focusWidget());
        if (shown && !inLines)
            focusBeforeArgument_ = QApplication::focusWidget();
        setArgumentShown(shown);
        if (shown)
            argumentPanel().setFocus();
        else if (inLines && argument_->isHidden() && focusBeforeArgument_)
            focusBeforeArgument_->setFocus();
    });
    // A mode for one lesson, so not remembered: the next class starts as usual.
    // Only what a reveal changes is shown again: the board and what was said stay.
    on(Command::Predict, [this](bool on) {
        const bool revealing = !on && lesson_.Waiting();
        lesson_.SetPredicting(on);
        if (revealing)
            showLesson();
        announce(ToQString(form().Text(on ? TextId::SwitchPredictOn : TextId::SwitchPredictOff)));
    });
    commands[Command::Reveal].setEnabled(false);
    on(Command::Reveal, [this] {
        if (!lesson_.Waiting())
            return;
        lesson_.Reveal(argument_ ? argument_->guess() : -1);
        showLesson();
    });
    // Also a mode for one lesson. A line shown is said whole, as the class reads it.
    on(Command::LineByLine, [this](bool on) {
        lesson_.SetLineByLine(on);
        if (argument_)
            argument_->setArgument(lesson_.View().argument, lesson_.ShownLines());
        announce(ToQString(form().Text(on ? TextId::SwitchLineByLineOn : TextId::SwitchLineByLineOff)));
    });
    on(Command::NextLine, [this] {
        if (!lesson_.NextLine()) {
            announce(ToQString(form().Text(TextId::AllLinesShown)));
            return;
        }
        // in the lines, the screen reader reads the new line as the keyboard moves to it
        const bool read = argument_ && argument_->linesHaveFocus();
        if (argument_) {
            argument_->setArgument(lesson_.View().argument, lesson_.ShownLines());
            argument_->goToLastLine();
        }
        if (!read)
            announce(ToQString(lesson_.View().argument.lines[lesson_.ShownLines() - 1].spoken));
    });
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
       [this] { setLanguage(static_cast<Language>((static_cast<std::size_t>(form().language) + 1) % kLanguageCount)); });
    connect(&commands.languages(), &QActionGroup::triggered, this,
            [this](QAction* entry) { setLanguage(static_cast<Language>(entry->data().toInt())); });
    connect(&commands.further(), &QActionGroup::triggered, this,
            [this](QAction* entry) { chooseFurther(entry->data().toInt()); });
    on(Command::Broken, [this] {
        const Lesson::Claimed claimed = lesson_.ClaimedIdentity();
        if (claimed.kind < 1)
            return;
        ClaimDialog dialog(*this, claimed.kind, claimed.progression, 0, form().language);
        dialog.exec();
    });
    on(Command::Keys, [this] { commands_->showKeyList(*board_); });
    on(Command::Quit, [this] { close(); });
    // The board lets clicks through to the form beneath it, which holds the menu.
    formArea_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(formArea_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) {
                // a right click queued behind Ctrl+Q: no menu for a closed window
                if (!isVisible())
                    return;
                commands_->showMenu(formArea_->mapToGlobal(at));
            });
}
