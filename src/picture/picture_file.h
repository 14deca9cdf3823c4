#pragma once

#include "picture/picture_export.h"

#include <QString>

#include <optional>

// The format a file's extension names (.svg, .png, .pdf, in any case); none
// for any other.
std::optional<PictureFormat> FormatOfFile(const QString& path);

// Why a file could not be written: in Bulgarian, and in the system's words.
struct WriteFailure {
    QString cause;
    QString systemText;
};

// Saves the picture to `path` in the format its extension names, all at once:
// a temporary file in the same folder, renamed into place only when complete,
// so that a failed write leaves no file and the old one untouched.
std::optional<WriteFailure> SavePicture(const QString& path, const Picture& picture,
                                        int pngWidth = DefaultPngWidth());
