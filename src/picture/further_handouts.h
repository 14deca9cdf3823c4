// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/texts.h"
#include "identities/further_identity.h"
#include "picture/picture_export.h"

#include <QByteArray>

class QIODevice;

// The handouts of an identity beside the form's six at n, as the six's are made
// from their pictures: for the command line and the window alike.

// The strip of the steps up to n, each step's counted cells framed.
bool WriteFurtherStrip(QIODevice& device, PictureFormat format, const FurtherIdentity& identity, int n,
                       Language language);
// The worksheet for the step to n, its cells white to colour in; with `answers`, filled.
bool WriteFurtherWorksheet(QIODevice& device, const FurtherIdentity& identity, int n, Language language, bool answers);
// The proof text and the argument in braille; empty where liblouis cannot make it.
QByteArray FurtherProofBrf(const FurtherIdentity& identity, int n, Language language);
