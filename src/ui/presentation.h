#pragma once

#include <QObject>

class MainWindow;

// The classroom keys of a window: zoom in steps with Ctrl+plus, Ctrl+minus,
// Ctrl+0 and Ctrl+wheel, never larger than the screen; full screen with F11
// (or the platform's key), left again with F11 or Esc; Ctrl+Q closes the window.
class Presentation : public QObject {
public:
    explicit Presentation(MainWindow& window);

    // One zoom step up (direction > 0) or down, or back to 100 % (0).
    void zoom(int direction);
    void toggleFullScreen();
    void leaveFullScreen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the window manager's frame adds to the window's size.
    QSize frameExtra() const;
    // Moves the window back onto its screen if growing pushed it past an edge.
    void keepOnScreen(QSize frameExtra);

    MainWindow& window_;
    bool wasMaximized_ = false;
    int wheelAngle_ = 0;  // wheel turns below one notch, kept for the next
};
