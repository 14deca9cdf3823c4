#pragma once

#include "picture/picture_export.h"

#include <QString>

#include <optional>

class QFileDevice;

// The format a file's extension names (.svg, .png, .pdf, in any case); none
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

// Saves the picture to `path` in the format its extension names, all at once:
// drawn in memory, written to a temporary file in the same folder with every
// write, the flush and the sync checked, and renamed into place only when
// complete, so that a failed write (a full disk, a size limit) leaves no file
// and the old one untouched.
std::optional<WriteFailure> SavePicture(const QString& path, const Picture& picture,
                                        int pngWidth = DefaultPngWidth());
