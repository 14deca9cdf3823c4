#pragma once

#include <QWidget>

class Tessalo;

// The window's own surface: the background, the labels and the cells, beneath
// every other control. Cells are drawn in twips through one painter scale.
class BoardSurface : public QWidget {
public:
    BoardSurface(const Tessalo& form, double twipsPerPixel, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintLabel(QPainter& painter, int index) const;
    void paintCell(QPainter& painter, int index) const;

    const Tessalo& form_;
    double twipsPerPixel_;
};
