#pragma once

#include "picture/picture_export.h"

#include <QKeySequence>
#include <QObject>
#include <QString>

class BoardSurface;
class MainWindow;
class QAction;

// What a window offers for its picture, by key and in the context menu of the
// form: Save (Ctrl+S) as SVG, PNG or PDF through a file dialog; Copy (Ctrl+C;
// in a text box, its selected text instead) as an image, as SVG and as the
// proof text; Print (Ctrl+P), scaled to the page and centred.
class PictureActions : public QObject {
public:
    explicit PictureActions(MainWindow& window);

    // The picture as the window shows it now.
    Picture picture() const;
    // A PNG's width unless another is chosen: twice the form's device pixels.
    int defaultPngWidth() const;

    void save();
    void copy();
    void print();

private:
    QAction* addAction(const QString& text, QKeySequence::StandardKey key, void (PictureActions::*command)());

    MainWindow& window_;
    const BoardSurface& board_;
    QString folder_;  // where the last picture was saved; at first, the user's pictures
};
