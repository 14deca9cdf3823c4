// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/lesson.h"
#include "cli/zoom.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class Announcer;
class ArgumentPanel;
class BoardExplorer;
class BoardSurface;
class BuildUp;
class FocusRing;
class FormWidgets;
class SettingsFile;
class WindowCommands;

// The main window. It holds the lesson, builds the form's widgets and the parts
// around them, passes the user's commands to the lesson and shows what it says.
//
// The window can grow: the form then scales as a whole, centred on the form's
// background, by changing only the twips per pixel. It never shrinks below 100 %.
class MainWindow : public QWidget {
public:
    // `settings`, when given, keep the window's own choices (build-up).
    explicit MainWindow(SettingsFile* settings = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The form the window shows; after changing it, call showState().
    const Tessalo& form() const { return lesson_.Form(); }
    Tessalo& editForm() { return lesson_.EditForm(); }
    void showState();

    // Chooses identity `kind` (1..6, or 7..11 beside the form with `progression`
    // for 8) and n (1..11) as a user would, and shows the picture when both are
    // given; 0 leaves either as it is.
    void open(int kind, int n, Progression progression = {});
    // Draws identity `kind` (7..11) beside the form's six, or the form's own
    // pictures again (0), as its menu does; the progression (8) is asked for
    // unless given.
    void chooseFurther(int kind, std::optional<Progression> progression = std::nullopt);

    // The form's scale: 1.0 at 100 %, set by the window's size.
    double zoom() const { return zoom_; }
    // What the window shows at 100 % in pixels, the smallest it can be: the
    // form, and the argument beside it while that is shown.
    QSize baseSize() const;
    // Shows the induction argument beside the form, or hides it.
    void setArgumentShown(bool shown);
    // Resizes the window so that the form is shown at `zoom`.
    void resizeToZoom(double zoom);
    // The window as the parts that size and place it see it.
    ZoomableWindow zoomable();

    // Shows the window, the form and everything said in `language`, in place:
    // the picture, n and the identity stay. The window remembers it.
    void setLanguage(Language language);

    // Steps n by `delta` and shows the picture, as choosing that n and pressing
    // Show do; after a step up, the cells it added are framed.
    void step(int delta);
    BoardSurface& board() { return *board_; }
    const WindowCommands& commands() const { return *commands_; }
    // Tells a screen reader one sentence; the focus stays where it is.
    // `whole`: what F9 says again, when more than `sentence` ("": the sentence).
    void announce(const QString& sentence, const QString& whole = {});
    void showTitle();
    BoardExplorer& explorer() { return *explorer_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Tab and Shift+Tab: the form's stops, the argument's while it is shown, the board
    // while it shows a picture, round and round.
    bool focusNextPrevChild(bool next) override;

private:
    // The window's own texts and the form's captions in the form's language.
    void retranslate();
    // Connects every command of the window to the part that does it.
    void connectCommands();
    // Centres the form in the window and places every control at `zoom`.
    void layOut(double zoom);
    // Shows or hides the argument as the lesson wants it (F2, a waiting step).
    void placeArgument();

    // Runs one command of the lesson, then shows what it says. An error inside
    // a handler ends the program, as nothing in the form catches it.
    void run(const std::function<void(Lesson&)>& command);
    // What the window shows beyond the form after a command, as the lesson
    // says: the frames, the build-up, the argument and the sentence for screen
    // readers.
    void showLesson();

    // The argument's panel, made on first use: most lessons never show it, and
    // the window starts sooner without it.
    ArgumentPanel& argumentPanel();
    bool argumentShown() const;

    Lesson lesson_;
    BoardPicture furtherBoard_;  // what a save or copy of an identity beside the form's six draws
    SettingsFile* settings_;
    double baseTwipsPerPixel_;  // at 100 %
    QSize baseSize_;
    QFont baseLetters_;  // the toolkit's, at 100 %
    double zoom_ = 1.0;
    bool argumentOn_ = false;  // F2
    QPointer<QWidget> focusBeforeArgument_;  // where the keyboard goes back to when F2 hides it
    QWidget* formArea_ = nullptr;  // the form's client area, centred in the window
    BoardSurface* board_ = nullptr;
    FormWidgets* widgets_ = nullptr;
    FocusRing* focusRing_ = nullptr;
    Announcer* announcer_ = nullptr;
    BoardExplorer* explorer_ = nullptr;
    BuildUp* buildUp_ = nullptr;
    ArgumentPanel* argument_ = nullptr;  // beside the form while it is shown
    WindowCommands* commands_ = nullptr;
};
