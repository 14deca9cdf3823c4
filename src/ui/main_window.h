#pragma once

#include "app/tessalo.h"

#include <QWidget>

#include <array>
#include <string>
#include <utility>
#include <vector>

struct ControlLayout;
class BoardSurface;
class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The main window. It owns the form, builds one widget per control of the layout
// table (named "Name(index)"), forwards the user's commands to the form's
// handlers and then shows the form's state.
class MainWindow : public QWidget {
public:
    explicit MainWindow(QWidget* parent = nullptr);

    // The form the window shows; after changing it, call showState().
    Tessalo& form() { return form_; }
    void showState();

private:
    QPushButton* createButton(const ControlLayout& layout);
    QGroupBox* createFrame(const ControlLayout& layout);
    QRadioButton* createOption(const ControlLayout& layout);
    QListWidget* createList(const ControlLayout& layout);
    QPlainTextEdit* createTextBox(const ControlLayout& layout);
    void place(QWidget* widget, const ControlLayout& layout);
    void setTabOrder();

    // Runs one of the form's handlers, then shows the state it left. An error
    // inside a handler ends the program, as nothing in the form catches it.
    template <class Handler>
    void run(Handler handler);

    Tessalo form_;
    double twipsPerPixel_;
    BoardSurface* board_ = nullptr;
    QGroupBox* frame_ = nullptr;
    QListWidget* list_ = nullptr;
    std::array<QPlainTextEdit*, 2> textBoxes_{};
    std::array<QRadioButton*, 6> options_{};
    std::vector<std::pair<int, QWidget*>> tabChain_;  // (tab index, widget)
    std::string shownText_;
};
