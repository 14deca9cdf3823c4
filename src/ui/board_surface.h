#pragma once

#include <QWidget>

#include <climits>
#include <vector>

class Tessalo;

// The window's own surface: the background, the labels and the cells, beneath
// every other control, drawn by PaintBoard at the window's zoom.
class BoardSurface : public QWidget {
public:
    BoardSurface(const Tessalo& form, double twipsPerPixel, QWidget* parent);

    const Tessalo& form() const { return form_; }
    // The scale, as the window zooms; takes effect at the next paint.
    void setTwipsPerPixel(double twipsPerPixel);
    // Cells framed as the ones a step added; none after any other action.
    void setMarked(std::vector<int> cells);
    const std::vector<int>& marked() const { return marked_; }
    // Cells above this index wait for the build-up; INT_MAX shows them all.
    void setLastCell(int index);
    int lastCell() const { return lastCell_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Tessalo& form_;
    double twipsPerPixel_;
    const double baseTwipsPerPixel_;  // at 100 %
    std::vector<int> marked_;
    int lastCell_ = INT_MAX;
};
