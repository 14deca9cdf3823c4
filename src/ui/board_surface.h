#pragma once

#include <QWidget>

class Tessalo;

// The window's own surface: the background, the labels and the cells, beneath
// every other control. Cells are drawn in twips through one painter scale.
class BoardSurface : public QWidget {
public:
    BoardSurface(const Tessalo& form, double twipsPerPixel, QWidget* parent);

    // The scale, as the window zooms; takes effect at the next paint.
    void setTwipsPerPixel(double twipsPerPixel);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintLabel(QPainter& painter, int index) const;
    void paintCell(QPainter& painter, int index) const;

    const Tessalo& form_;
    double twipsPerPixel_;
    double outlineTwips_;  // a one-pixel outline at 100 %, growing with the zoom
};
