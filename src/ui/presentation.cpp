#include "ui/presentation.h"

#include "ui/main_window.h"
#include "ui/zoom.h"

#include <QApplication>
#include <QScreen>
#include <QShortcut>
#include <QWheelEvent>

#include <algorithm>
#include <functional>

namespace {

// The platform's keys for `standard`, and `more`. One sequence gets one
// shortcut: two shortcuts on the same keys would both stay silent.
void AddShortcuts(QWidget& window, QKeySequence::StandardKey standard, std::initializer_list<QKeySequence> more,
                  const std::function<void()>& action)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (const QKeySequence& sequence : more) {
        if (!keys.contains(sequence))
            keys << sequence;
    }
    for (const QKeySequence& sequence : keys)
        QObject::connect(new QShortcut(sequence, &window), &QShortcut::activated, &window, action);
}

constexpr auto kCtrl = Qt::ControlModifier;
constexpr auto kCtrlKeypad = Qt::ControlModifier | Qt::KeypadModifier;

}  // namespace

Presentation::Presentation(MainWindow& window) : QObject(&window), window_(window)
{
    // Ctrl+= too: on many keyboards plus is Shift+=
    AddShortcuts(window, QKeySequence::ZoomIn,
                 {kCtrl | Qt::Key_Plus, kCtrl | Qt::Key_Equal, kCtrlKeypad | Qt::Key_Plus}, [this] { zoom(+1); });
    AddShortcuts(window, QKeySequence::ZoomOut, {kCtrl | Qt::Key_Minus, kCtrlKeypad | Qt::Key_Minus},
                 [this] { zoom(-1); });
    AddShortcuts(window, QKeySequence::UnknownKey, {kCtrl | Qt::Key_0, kCtrlKeypad | Qt::Key_0}, [this] { zoom(0); });
    AddShortcuts(window, QKeySequence::FullScreen, {Qt::Key_F11}, [this] { toggleFullScreen(); });
    AddShortcuts(window, QKeySequence::Cancel, {Qt::Key_Escape}, [this] { leaveFullScreen(); });
    AddShortcuts(window, QKeySequence::Quit, {kCtrl | Qt::Key_Q}, [&window] { window.close(); });
    // Ctrl+wheel anywhere in the window, even over the text boxes, which would
    // otherwise zoom their own text.
    qApp->installEventFilter(this);
}

void Presentation::zoom(int direction)
{
    if (window_.isFullScreen())
        return;  // the screen sets the size
    if (window_.isMaximized())
        window_.showNormal();
    // the window manager's frame stays the same size while the window grows
    const QSize extra = frameExtra();
    const QSize room = window_.screen()->availableGeometry().size() - extra;
    const double zoom = direction == 0 ? 1.0 : NextZoomStep(window_.zoom(), direction, window_.baseSize(), room);
    window_.resizeToZoom(zoom);
    keepOnScreen(extra);
}

void Presentation::toggleFullScreen()
{
    if (window_.isFullScreen()) {
        leaveFullScreen();
        return;
    }
    wasMaximized_ = window_.isMaximized();
    window_.showFullScreen();
}

void Presentation::leaveFullScreen()
{
    if (!window_.isFullScreen())
        return;
    if (wasMaximized_)
        window_.showMaximized();
    else
        window_.showNormal();
}

bool Presentation::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel)
        return false;
    auto* wheel = static_cast<QWheelEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!(wheel->modifiers() & Qt::ControlModifier) || !widget || widget->window() != &window_)
        return false;
    wheelAngle_ += wheel->angleDelta().y();
    while (wheelAngle_ >= QWheelEvent::DefaultDeltasPerStep) {
        zoom(+1);
        wheelAngle_ -= QWheelEvent::DefaultDeltasPerStep;
    }
    while (wheelAngle_ <= -QWheelEvent::DefaultDeltasPerStep) {
        zoom(-1);
        wheelAngle_ += QWheelEvent::DefaultDeltasPerStep;
    }
    return true;
}

QSize Presentation::frameExtra() const
{
    return window_.frameGeometry().size() - window_.geometry().size();
}

void Presentation::keepOnScreen(QSize frameExtra)
{
    const QRect free = window_.screen()->availableGeometry();
    QRect frame(window_.pos(), window_.size() + frameExtra);
    if (frame.right() > free.right())
        frame.moveRight(free.right());
    if (frame.bottom() > free.bottom())
        frame.moveBottom(free.bottom());
    frame.moveTopLeft(QPoint(std::max(frame.left(), free.left()), std::max(frame.top(), free.top())));
    if (frame.topLeft() != window_.pos())
        window_.move(frame.topLeft());
}
