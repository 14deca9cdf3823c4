// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/tactile_sheet.h"
#include "picture/picture_export.h"

#include <QByteArray>

class QIODevice;

// The tactile sheet of identity `kind` (1..6) at n with its braille, for swell
// paper or an embosser: SVG or a one-page PDF of the paper's size. False when
// braille cannot be made (liblouis's tables missing) or the device refused a write.
bool WriteTactileSheet(QIODevice& device, PictureFormat format, int kind, int n, Language language, Paper paper);
// A sheet laid out, written the same way.
bool WriteTactileSheet(QIODevice& device, PictureFormat format, const TactileSheet& sheet, Paper paper);
// The sheet of an identity beside the form's six at n, its braille by liblouis;
// none where its picture does not fit the page at the least cell size.
std::optional<TactileSheet> FurtherTactileSheet(const FurtherIdentity& identity, int n, Language language, Paper paper);
// The largest n of that identity whose sheet fits the page.
int LargestTactileN(const FurtherIdentity& identity, Language language, Paper paper);

// The proof text and the argument of identity `kind` at n as a BRF file; empty
// when braille cannot be made.
QByteArray ProofBrf(int kind, int n, Language language);
// Lines of text in `language` as a BRF file; empty when braille cannot be made.
QByteArray LinesBrf(const std::vector<std::string>& lines, Language language);

// Whether braille can be made in `language`: liblouis and its table are there.
bool BrailleWorks(Language language);
