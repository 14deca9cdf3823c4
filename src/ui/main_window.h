#pragma once

#include "app/tessalo.h"

#include <QWidget>

#include <array>
#include <string>
#include <utility>
#include <vector>

struct ControlLayout;
class Announcer;
class BoardSurface;
class BuildUp;
class FocusRing;
class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class SettingsFile;

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

    // The form's scale: 1.0 at 100 %, set by the window's size.
    double zoom() const { return zoom_; }
    // The form's size in pixels at 100 %, the smallest the window can be.
    QSize baseSize() const { return baseSize_; }
    // Resizes the window so that the form is shown at `zoom`.
    void resizeToZoom(double zoom);

    // Steps n by `delta` and shows the picture, as choosing that n and pressing
    // Show do; after a step up, the cells it added are framed.
    void step(int delta);
    BoardSurface& board() { return *board_; }
    // Tells a screen reader one sentence; the focus stays where it is.
    void announce(const QString& sentence);

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
    // Centres the form in the window and places every control at `zoom`.
    void layOut(double zoom);

    // Runs one of the form's handlers, then shows the state it left. An error
    // inside a handler ends the program, as nothing in the form catches it;
    // then it returns false.
    template <class Handler>
    bool run(Handler handler);

    enum class Command { Show, Clear, StepUp, StepDown, Choice };
    // What the window adds to a command: no frames but a step's, the build-up
    // and the sentence for screen readers. `before` is the picture a step is
    // measured from.
    void after(Command command, const Tessalo* before = nullptr);

    Tessalo form_;
    double baseTwipsPerPixel_;  // at 100 %
    QSize baseSize_;
    double zoom_ = 1.0;
    QWidget* formArea_ = nullptr;  // the form's client area, centred in the window
    BoardSurface* board_ = nullptr;
    FocusRing* focusRing_ = nullptr;
    Announcer* announcer_ = nullptr;
    BuildUp* buildUp_ = nullptr;
    bool showingState_ = false;  // the list's selection is being set from the form
    QGroupBox* frame_ = nullptr;
    QListWidget* list_ = nullptr;
    std::array<QPlainTextEdit*, 2> textBoxes_{};
    std::array<QRadioButton*, 6> options_{};
    std::vector<std::pair<QWidget*, const ControlLayout*>> placed_;
    std::vector<std::pair<int, QWidget*>> tabChain_;  // (tab index, widget)
    std::string shownText_;
};
