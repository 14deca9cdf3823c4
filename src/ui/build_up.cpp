#include "ui/build_up.h"

#include "ui/board_surface.h"
#include "ui/settings_file.h"

#include <QApplication>

#include <climits>

namespace {

const QString kSetting = QStringLiteral("view/buildUp");
constexpr int kWholePictureMs = 1500;

}  // namespace

BuildUp::BuildUp(QWidget& window, BoardSurface& board, SettingsFile* settings)
    : QObject(&window),
      window_(window),
      board_(board),
      settings_(settings),
      enabled_(settings && settings->value(kSetting).toBool())
{
    connect(&timer_, &QTimer::timeout, this, &BuildUp::next);
    timer_.setTimerType(Qt::PreciseTimer);
}

void BuildUp::setEnabled(bool on)
{
    enabled_ = on;
    if (settings_)
        settings_->setValue(kSetting, on);
    if (!on)
        finish();
}

void BuildUp::start(int lastCell)
{
    if (!enabled_ || lastCell < 1) {
        finish();
        return;
    }
    lastCell_ = lastCell;
    board_.setLastCell(0);
    timer_.start(kWholePictureMs / lastCell);
    qApp->installEventFilter(this);
}

void BuildUp::next()
{
    if (board_.lastCell() + 1 >= lastCell_)
        finish();
    else
        board_.setLastCell(board_.lastCell() + 1);
}

void BuildUp::finish()
{
    timer_.stop();
    qApp->removeEventFilter(this);
    board_.setLastCell(INT_MAX);
}

bool BuildUp::eventFilter(QObject* watched, QEvent* event)
{
    // the key or click still does what it does; it only ends the waiting first
    const auto type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == &window_)
            finish();
    }
    return false;
}
