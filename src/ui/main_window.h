#pragma once

#include "app/lesson_step.h"
#include "app/tessalo.h"
#include "ui/zoom.h"

#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct ControlLayout;
class Announcer;
class ArgumentPanel;
class BoardExplorer;
class BoardSurface;
class BuildUp;
class FocusRing;
class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class SettingsFile;
class WindowCommands;

// The main window. It owns the form, builds one widget per control of the layout
// table (named "Name(index)"), forwards the user's commands to the form's
// handlers and then shows the form's state.
//
// The window can grow: the form then scales as a whole, centred on the form's
// background, by changing only the twips per pixel. It never shrinks below 100 %.
class MainWindow : public QWidget {
public:
    // `settings`, when given, keep the window's own choices (build-up).
    explicit MainWindow(SettingsFile* settings = nullptr, QWidget* parent = nullptr);

    // The form the window shows; after changing it, call showState().
    Tessalo& form() { return form_; }
    void showState();

    // Chooses identity `kind` (1..6) and n (1..11) as a user would, and shows
    // the picture when both are given; 0 leaves either as it is.
    void open(int kind, int n);

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
    void announce(const QString& sentence);
    BoardExplorer& explorer() { return *explorer_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* createButton(const ControlLayout& layout);
    QGroupBox* createFrame(const ControlLayout& layout);
    QRadioButton* createOption(const ControlLayout& layout);
    QListWidget* createList(const ControlLayout& layout);
    QPlainTextEdit* createTextBox(const ControlLayout& layout);
    void place(QWidget* widget, const ControlLayout& layout);
    void setTabOrder();
    // The window's own texts and the form's captions in the form's language.
    void retranslate();
    // Connects every command of the window to the part that does it.
    void connectCommands();
    // Centres the form in the window and places every control at `zoom`.
    void layOut(double zoom);

    // Runs one of the form's handlers, then shows the state it left. An error
    // inside a handler ends the program, as nothing in the form catches it;
    // then it returns false.
    template <class Handler>
    bool run(Handler handler);

    // n as the list has it, 0 for none.
    int chosenN() const;
    // The argument's panel, made on first use: most lessons never show it, and
    // the window starts sooner without it.
    ArgumentPanel& argumentPanel();
    // The proof text and the board's description as the form has them, unless a
    // step waits for its guess.
    void showProofText();
    // Shows what a step waiting for the class's guess held back, and whether the
    // guess in the panel, if any, was right.
    void reveal();
    // Tells a screen reader the chosen n when the keyboard comes to the list.
    void describeList();
    // What the window shows beyond the form after a command, as the lesson
    // step says: the frames, the build-up, the argument and the sentence for
    // screen readers. `nBefore` is the n chosen before the command.
    void after(LessonCommand command, int nBefore);

    Tessalo form_;
    SettingsFile* settings_;
    LessonView lesson_;
    double baseTwipsPerPixel_;  // at 100 %
    QSize baseSize_;
    QFont baseLetters_;  // the toolkit's, at 100 %
    double zoom_ = 1.0;
    QWidget* formArea_ = nullptr;  // the form's client area, centred in the window
    BoardSurface* board_ = nullptr;
    FocusRing* focusRing_ = nullptr;
    Announcer* announcer_ = nullptr;
    BoardExplorer* explorer_ = nullptr;
    BuildUp* buildUp_ = nullptr;
    ArgumentPanel* argument_ = nullptr;  // beside the form while it is shown
    WindowCommands* commands_ = nullptr;
    bool showingState_ = false;  // the list's selection is being set from the form
    bool waiting_ = false;       // a step up holds back what it added until the reveal
    std::optional<long> verdictFor_;  // the guess the reveal's verdict below the argument answers
    QGroupBox* frame_ = nullptr;
    QListWidget* list_ = nullptr;
    std::array<QPlainTextEdit*, 2> textBoxes_{};
    std::array<int, 2> textWidths_{};  // the boxes' room for their lines at 100 %
    std::array<QRadioButton*, 6> options_{};
    std::vector<std::pair<QWidget*, const ControlLayout*>> placed_;
    std::vector<std::pair<int, QWidget*>> tabChain_;  // (tab index, widget)
    std::string shownText_;
};
