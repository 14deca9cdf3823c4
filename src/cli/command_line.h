// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/tactile_sheet.h"
#include "app/texts.h"
#include "identities/further_identity.h"
#include "picture/picture_export.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks for. It is read before the program connects to a
// display, so that help, the version and mistakes need none.
struct CommandLine {
    bool fullScreen = false;
    std::optional<int> zoomPercent;  // 100..400
    bool geometryGiven = false;      // the toolkit's -geometry places the window

    // Pictures drawn without a window: identity `kind` (1..6, the radio
    // buttons' order) at n (1..11), written to `exportPath` (.svg, .png, .pdf;
    // a PNG `pngWidth` pixels wide), its proof text to standard output, or the
    // eleven SVG pictures of the kind into `seriesFolder`. Without any of
    // these, the window opens on that identity and n.
    int kind = 0;  // 0: none given; 7..11 the identities beside the form's six
    int n = 0;
    Progression progression;  // --a and --d: the first term and difference for identity 8
    // A right-hand side for the identity's sum, checked as its proof checks it
    // (--claim, or --broken's false claim), printed with where the proof breaks.
    QString claim;
    QString exportPath;
    std::optional<int> pngWidth;
    bool printText = false;
    bool printArgument = false;  // the induction argument to standard output
    bool withArgument = false;   // the exported picture has the argument beneath its proof
    bool strip = false;          // the export is the strip of the steps to n
    bool worksheet = false;      // the export is a pupil's worksheet for the step to n
    bool answers = false;        // the worksheet's answer sheet
    bool tactile = false;        // the export is the picture's tactile sheet
    Paper paper = Paper::A4;     // of the tactile sheet
    QString seriesFolder;
    PictureFormat seriesFormat = PictureFormat::Svg;  // of the series' slides; a GIF's slide is its step
    PictureLook look = PictureLook::Handout;          // of --export's picture and of the series
    Language language = Language::bg;  // of the texts drawn without a window, whatever the locale
    bool languageGiven = false;        // the window, too, then opens in it instead of the one it remembers
    bool drawsWithoutWindow() const
    {
        return !exportPath.isEmpty() || printText || printArgument || !seriesFolder.isEmpty() || !claim.isEmpty();
    }

    // Set when the program is to stop at once with this status, after
    // printing `output` (standard output) or `error` (standard error).
    std::optional<int> exitStatus;
    QString output;
    QString error;
};

// `arguments` starts with the program's name. The toolkit's own options
// (-platform, -geometry, -style, ...) are accepted and left to it.
CommandLine ParseCommandLine(const QStringList& arguments);
