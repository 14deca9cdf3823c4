// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/picture_export.h"

#include <QString>

#include <optional>

class QFileDevice;

// The format a file's extension names (.svg, .png, .pdf, .gif, .wav, in any case); none
// for any other.
std::optional<PictureFormat> FormatOfFile(const QString& path);

// Why a file could not be written: in Bulgarian, and in the system's words,
// both from the same system error.
struct WriteFailure {
    QString cause;
    QString systemText;
};

// Why writing `path` failed: from the system's error number, or from the
// error `file` reports.
WriteFailure FailureOf(const QString& path, int systemError);
WriteFailure FailureOf(const QString& path, const QFileDevice& file);

// Why `path` may not be replaced: what stands there is not a regular file (a
// link to one is, unless `ownFilesOnly`), or it is read-only; none when it may
// be, or when nothing is there.
std::optional<WriteFailure> RefusedTarget(const QString& path, bool ownFilesOnly);

// Makes `folder` and the folders above it: 0, or the system's error for the
// first one that could not be made.
int MakeFolder(const QString& folder);

// Writes `bytes` to `path` whole or not at all, as SavePicture writes a picture.
std::optional<WriteFailure> SaveWhole(const QString& path, const QByteArray& bytes, bool ownFilesOnly = false);

// Saves the picture to `path` in the format its extension names, all at once:
// drawn in memory, written to a temporary file in the same folder with every
// write, the flush and the sync checked, and renamed into place only when
// complete, so that a failed write (a full disk, a size limit) leaves no file
// and the old one untouched. Only a regular file is replaced (or a link to one,
// unless `ownFilesOnly`): a folder, a device, a pipe or a socket is refused, and
// so is a link when `ownFilesOnly`, looked at before the file is opened and
// again right before it is renamed into place.
std::optional<WriteFailure> SavePicture(const QString& path, const Picture& picture,
                                        int pngWidth = DefaultPngWidth(), bool ownFilesOnly = false);
