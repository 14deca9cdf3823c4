// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picture_file.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// The file device keeps only the system's text for an error; the number
// behind it is found again by that text, so that both languages name one
// cause.
int ErrorNumber(const QString& systemText)
{
    for (int number : {ENOSPC, EDQUOT, EFBIG, EIO, ENAMETOOLONG, EACCES, EPERM, EROFS, ENOENT, ENOTDIR, EISDIR,
                       ELOOP, ETXTBSY, EMFILE, ENFILE, ENOMEM}) {
        if (systemText == qt_error_string(number))
            return number;
    }
    return 0;
}

// The nearest folder above `path` that exists, or the file that stands where
// a folder should.
QFileInfo NearestExisting(const QString& path)
{
    QFileInfo existing(QFileInfo(path).absolutePath());
    while (!existing.exists() && !existing.isRoot())
        existing.setFile(existing.absolutePath());
    return existing;
}

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString Cause(const QString& path, int number)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    switch (number) {
    case ENOSPC: return QStringLiteral("на диска няма място");
    case EDQUOT: return QStringLiteral("квотата ви на диска е изчерпана");
    case EFBIG: return QStringLiteral("файлът става по-голям от позволеното");
    case EIO: return QStringLiteral("грешка на диска при запис");
    case ENAMETOOLONG: return QStringLiteral("името на файла е твърде дълго");
    case EACCES:
    case EPERM:
        // a folder that was to be made is not: the one above it says no
        return QStringLiteral("нямате право да пишете в папката „%1“").arg(Shown(NearestExisting(path).absoluteFilePath()));
    case EROFS: return QStringLiteral("дискът е само за четене");
    case ELOOP: return QStringLiteral("пътят минава през твърде много връзки");
    case EISDIR: return QStringLiteral("на това място има папка");
    case ENOENT:
    case ENOTDIR: {
        const QFileInfo existing = NearestExisting(path);
        if (existing.exists() && !existing.isDir())
            return QStringLiteral("„%1“ е файл, а не папка").arg(Shown(existing.absoluteFilePath()));
        return QStringLiteral("папката „%1“ не съществува").arg(Shown(folder.absoluteFilePath()));
    }
    default: return QStringLiteral("системата не позволи записа");
    }
}

// Writes all of `bytes` to `fd` and syncs it: 0, or the system's error. The
// file device would report a write cut short (a size limit) as an unknown
// error, so the writes are made here.
int WriteWhole(int fd, const QByteArray& bytes)
{
    const char* next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, static_cast<std::size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        next += written;
        left -= written;
    }
    return ::fdatasync(fd) == 0 ? 0 : errno;
}

}  // namespace

std::optional<PictureFormat> FormatOfFile(const QString& path)
{
    // read off the name itself: file information gives up on very long paths
    const QStringView name = QStringView(path).mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString suffix = dot < 0 ? QString() : name.mid(dot + 1).toString().toLower();
    if (suffix == QLatin1String("svg"))
        return PictureFormat::Svg;
    if (suffix == QLatin1String("png"))
        return PictureFormat::Png;
    if (suffix == QLatin1String("pdf"))
        return PictureFormat::Pdf;
    if (suffix == QLatin1String("gif"))
        return PictureFormat::Gif;
    if (suffix == QLatin1String("wav"))
        return PictureFormat::Wav;
    if (suffix == QLatin1String("brf"))
        return PictureFormat::Brf;
    return std::nullopt;
}

WriteFailure FailureOf(const QString& path, int systemError)
{
    return {Cause(path, systemError), qt_error_string(systemError)};
}

WriteFailure FailureOf(const QString& path, const QFileDevice& file)
{
    const int number = ErrorNumber(file.errorString());
    return {Cause(path, number), number ? qt_error_string(number) : file.errorString()};
}

std::optional<WriteFailure> RefusedTarget(const QString& path, bool ownFilesOnly)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat node {};
    if (::lstat(name.constData(), &node) != 0)
        return std::nullopt;  // nothing there yet, or the open says why
    if (S_ISLNK(node.st_mode)) {
        if (ownFilesOnly) {
            const QString target = Shown(QFileInfo(path).symLinkTarget());
            return WriteFailure{QStringLiteral("това е връзка към „%1“ и не се презаписва").arg(target),
                                QStringLiteral("it is a link to '%1' and is not overwritten").arg(target)};
        }
        if (::stat(name.constData(), &node) != 0)
            return std::nullopt;  // a link to nothing: the file is made where it points
    }
    if (S_ISDIR(node.st_mode))
        return FailureOf(path, EISDIR);
    if (!S_ISREG(node.st_mode))
        return WriteFailure{QStringLiteral("това не е обикновен файл, а устройство, канал или гнездо, и не се "
                                           "презаписва"),
                            QStringLiteral("it is not a regular file but a device, a pipe or a socket, and is not "
                                           "overwritten")};
    // made read-only to be kept, even from root, who could replace it
    if ((node.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return WriteFailure{QStringLiteral("файлът е само за четене"), QStringLiteral("the file is read-only")};
    if (::access(name.constData(), W_OK) != 0) {
        if (errno == EROFS)
            return FailureOf(path, EROFS);
        return WriteFailure{QStringLiteral("нямате право да презапишете файла"),
                            QStringLiteral("you may not overwrite the file")};
    }
    return std::nullopt;
}

int MakeFolder(const QString& folder)
{
    if (QDir().mkpath(folder))
        return 0;
    // the first folder that could not be made says why
    QString missing = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    while (!QFileInfo::exists(QFileInfo(missing).absolutePath()) && !QFileInfo(missing).isRoot())
        missing = QFileInfo(missing).absolutePath();
    if (::mkdir(QFile::encodeName(missing).constData(), 0777) == 0)
        return MakeFolder(folder);  // one level nearer
    return errno == EEXIST ? ENOTDIR : errno;  // a file stands where the folder should
}

std::optional<WriteFailure> SavePicture(const QString& path, const Picture& picture, int pngWidth,
                                        bool ownFilesOnly)
{
    const auto format = FormatOfFile(path);
    if (!format)
        return WriteFailure{QStringLiteral("непознат вид файл"), QStringLiteral("unknown file type")};
    // Drawn in memory first: the SVG writer's text stream drops the device's
    // errors, and libpng prints its own.
    QBuffer drawn;
    drawn.open(QIODevice::WriteOnly);
    if (!WritePicture(drawn, *format, picture, pngWidth))
        return WriteFailure{QStringLiteral("картината не можа да бъде нарисувана"),
                            QStringLiteral("the picture could not be drawn")};
    return SaveWhole(path, drawn.data(), ownFilesOnly);
}

std::optional<WriteFailure> SaveWhole(const QString& path, const QByteArray& bytes, bool ownFilesOnly)
{
    if (auto refused = RefusedTarget(path, ownFilesOnly))
        return refused;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return FailureOf(path, file);
    if (const int error = WriteWhole(file.handle(), bytes)) {
        file.cancelWriting();
        return FailureOf(path, error);
    }
    // again: something may have been put there while the picture was written
    if (auto refused = RefusedTarget(path, ownFilesOnly)) {
        file.cancelWriting();
        return refused;
    }
    if (!file.commit())
        return FailureOf(path, file);
    return std::nullopt;
}
