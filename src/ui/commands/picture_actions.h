// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/picture_file.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>

#include <functional>

class QFileDialog;
class QPrinter;
class QWidget;

// What a window offers for its picture: Save as SVG, PNG or PDF through a file
// dialog that remembers its folder and format; Copy (in a text box, its
// selected text instead) as an image, as SVG and as the proof text; Print,
// scaled to the page and centred.
class PictureActions : public QObject {
public:
    // `picture` gives the picture as the window shows it now, drawn on `board`.
    PictureActions(QWidget& window, const QWidget& board, std::function<Picture()> picture);

    // A PNG's width unless another is chosen: twice the form's device pixels.
    int defaultPngWidth() const;

    void save();
    // Saves a handout for the n shown, after a dialog of its own: the strip of
    // the steps, a worksheet or its answer sheet (PDF), the tactile sheet (PDF or
    // SVG, on Letter where the system measures in inches) or the proof in braille (BRF).
    enum class Handout { Strip, Worksheet, Answers, Tactile, Braille };
    void saveHandout(Handout handout);
    // What Copy put on the clipboard: a text box's selection, the picture or nothing.
    enum class Copied { Nothing, Text, Picture };
    Copied copy();
    void print();
    // Prints on `printer` as the print dialog left it; into a file, the file is
    // written whole or not at all, as Save writes, and a failure is said.
    void printTo(QPrinter& printer);

private:
    // A message about the picture.
    void tell(QMessageBox::Icon icon, const QString& title, const QString& text);
    // Says that `path` was not written, and why.
    void tellNotSaved(const QString& title, const QString& path, const WriteFailure& failure);
    // False, after saying so, while the board shows no cell.
    bool hasPicture();
    // The file the user chose, or empty.
    QString chooseFile();

    QWidget& window_;
    const QWidget& board_;
    std::function<Picture()> picture_;
    QPointer<QFileDialog> dialog_;  // one for the window's life: it keeps the folder and format
};
