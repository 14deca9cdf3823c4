// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "identities/further_identity.h"

#include <QImage>
#include <QSizeF>
#include <QString>
#include <QTransform>

#include <span>

class QIODevice;
class QPainter;
class QRectF;
class Tessalo;
struct BoardPicture;

// How a picture leaves the screen: as a handout (the cells alone on white,
// centred under a title naming the identity and n, the proof text beneath; on
// paper an A4 page or the printer's, with margins), or exactly as the window
// shows the form (its lilac, its labels), with the proof text beneath.
enum class PictureLook { Handout, Window };

// A picture taken out of the program: the board's cells and the frames of a
// step, with the proof text beneath.
struct Picture {
    const Tessalo& form;
    std::span<const int> marked = {};
    std::span<const int> hidden = {};  // cells a build-up has not drawn yet, ascending
    QString argument = {};  // the induction argument beneath the proof, when it is shown
    // the identity (1..6) and n it shows, which name the file it is saved to
    int drawnKind = 0;
    int drawnN = 0;
    PictureLook look = PictureLook::Handout;
    // An identity beside the form's six: its board, drawn instead of the form's
    // (its cells and frames with the form's labels), and its proof text.
    const BoardPicture* board = nullptr;
    QString text = {};
    const FurtherIdentity* further = nullptr;  // that identity, for its handouts
};

enum class PictureFormat { Svg, Png, Pdf, Gif, Wav, Brf };

// The proof text beneath the picture, its lines ending in "\n".
QString PictureText(const Tessalo& form);
// What is written beneath the picture: the proof text, then the argument.
QString PictureText(const Picture& picture);

// The picture's size in pixels at 100 % (96 DPI): the form's width; in the
// window's look the board down to the top of the proof's text box, then the
// text beneath it.
QSizeF PictureSize(const Picture& picture);

// Where the picture puts the board: from its twips to the picture's pixels at 100 %.
QTransform BoardPlacement(const Picture& picture);

// Paints the picture as large as fits `target` (the painter's units), centred,
// keeping its proportions: the board through PaintBoard, the text as text.
void PaintPicture(QPainter& painter, const Picture& picture, const QRectF& target);
// Paints the picture on a page whose margins are outside `paintRect` (the
// painter's units): a handout as wide as fits, at the top; the window's look
// as PaintPicture does.
void PaintOnPage(QPainter& painter, const Picture& picture, const QRectF& paintRect);

// A PNG's width unless another is chosen: twice the form's width at 100 %.
int DefaultPngWidth();
inline constexpr int kMinPngWidth = 100;
inline constexpr int kMaxPngWidth = 10000;

// The picture `width` pixels wide, on white; its letters with smooth edges
// unless `fewColours` (a GIF's 256 hold exactly the rest).
QImage PictureImage(const Picture& picture, int width = DefaultPngWidth(), bool fewColours = false);

// Writes the picture to `device` as SVG, PNG `pngWidth` pixels wide, PDF (a
// handout on an A4 page, the window's look on a page of its size), as sound
// (WAV, PlayPicture, the marked cells the step's), the proof in braille (BRF,
// ProofBrf), or the step to it as an animated GIF `pngWidth` pixels wide
// (WriteStepGif); false when the device refused a write or braille cannot be made.
bool WritePicture(QIODevice& device, PictureFormat format, const Picture& picture, int pngWidth = DefaultPngWidth());
