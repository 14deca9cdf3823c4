#pragma once

#include <QWidget>

// Tells a screen reader one sentence, without moving the keyboard's focus and
// without anything to see: a widget of no size that screen readers know as a
// notification. Each sentence is a new notification, so that Orca speaks it,
// the same sentence twice included.
class Announcer : public QWidget {
public:
    explicit Announcer(QWidget* parent);

    void say(const QString& sentence);
};
