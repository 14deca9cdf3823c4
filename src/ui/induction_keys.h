#pragma once

#include <QObject>

class BuildUp;
class MainWindow;

// The keys of the inductive step, wherever the focus is: PageDown and PageUp
// (what presenter remotes send) step n up or down and show the picture; Ctrl+B
// turns the build-up on and off; F1 lists every key the window knows. The last
// two are also in the picture's context menu.
class InductionKeys : public QObject {
public:
    InductionKeys(MainWindow& window, BuildUp& buildUp);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The keys in a dialog, in the form's letters at its zoom.
    static void ShowKeyHelp(MainWindow& window);

    MainWindow& window_;
};

// The keys, in Bulgarian, as F1 shows them.
QString KeyHelpText();
