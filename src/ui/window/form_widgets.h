// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/tessalo.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

struct ControlLayout;
class QFont;
class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// The form's controls as widgets, one per control of the layout table (named
// "Name(index)"), on `area`. They pass the user's choices on and show the
// form's state; they hold none of their own.
class FormWidgets : public QObject {
public:
    struct Handlers {
        std::function<void(int)> button;  // Command1(index) pressed
        std::function<void(int)> option;  // Option1(index) turned on
        std::function<void(int)> n;       // the list's choice, 0 for none
    };
    FormWidgets(QWidget& area, const Tessalo& form, Handlers handlers);

    // Every control at `twipsPerPixel`, in `letters` (the form's font at `zoom`).
    void layOut(double twipsPerPixel, double zoom, const QFont& letters);
    // The captions and what a screen reader hears, in the form's language.
    void retranslate(const Tessalo& form);
    // The list's choice, the radio buttons and the quotation as the form has them,
    // and `proofText` in the proof's box.
    void showState(const Tessalo& form, const std::string& proofText);

    QPushButton& showButton() const { return *buttons_[1]; }
    QPlainTextEdit& proofBox() const { return *textBoxes_[0]; }
    // The form's tab stops in their order.
    const std::vector<QWidget*>& tabStops() const { return tabStops_; }
    // The same as Tab visits them: the identities' group once, at its button that is on
    // (at its first, with none on).
    std::vector<QWidget*> tabStopsNow() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createButton(const ControlLayout& layout);
    void createFrame(const ControlLayout& layout);
    void createOption(const ControlLayout& layout);
    void createList(const ControlLayout& layout);
    void createTextBox(const ControlLayout& layout);
    void place(QWidget* widget, const ControlLayout& layout);
    void orderTabStops();
    // Tells a screen reader the chosen n when the keyboard comes to the list.
    void describeList(int n);

    QWidget& area_;
    const Tessalo& form_;
    Handlers handlers_;
    bool showingState_ = false;  // the list's selection is being set from the form
    QGroupBox* frame_ = nullptr;
    QListWidget* list_ = nullptr;
    std::array<QPushButton*, 2> buttons_{};
    std::array<QPlainTextEdit*, 2> textBoxes_{};
    std::array<int, 2> textWidths_{};  // the boxes' room for their lines at 100 %
    std::array<QRadioButton*, 6> options_{};
    std::vector<std::pair<QWidget*, const ControlLayout*>> placed_;
    std::vector<std::pair<int, QWidget*>> tabChain_;  // (tab index, widget)
    std::vector<QWidget*> tabStops_;
    std::string shownText_;
};
