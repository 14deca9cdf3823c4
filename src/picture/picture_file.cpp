#include "picture/picture_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// The reason the system gives is often the same for different mistakes, so the
// folder is looked at first.
QString Cause(const QString& path, const QSaveFile& file)
{
    QFileInfo folder(QFileInfo(path).absolutePath());
    QFileInfo existing = folder;
    while (!existing.exists() && !existing.isRoot())
        existing.setFile(existing.absolutePath());
    if (existing.exists() && !existing.isDir())
        return QStringLiteral("„%1“ е файл, а не папка").arg(QDir::toNativeSeparators(existing.absoluteFilePath()));
    if (!folder.exists())
        return QStringLiteral("папката „%1“ не съществува").arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    if (QFileInfo(path).isDir())
        return QStringLiteral("на това място има папка");
    if (!folder.isWritable())
        return QStringLiteral("нямате право да пишете в папката „%1“")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    switch (file.error()) {
    case QFileDevice::WriteError: return QStringLiteral("записът прекъсна (може би дискът е пълен)");
    case QFileDevice::RenameError: return QStringLiteral("старият файл не може да бъде заменен");
    default: return QStringLiteral("файлът не може да бъде създаден");
    }
}

}  // namespace

std::optional<PictureFormat> FormatOfFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg"))
        return PictureFormat::Svg;
    if (suffix == QLatin1String("png"))
        return PictureFormat::Png;
    if (suffix == QLatin1String("pdf"))
        return PictureFormat::Pdf;
    return std::nullopt;
}

std::optional<WriteFailure> SavePicture(const QString& path, const Picture& picture, int pngWidth)
{
    QSaveFile file(path);
    const auto format = FormatOfFile(path);
    if (format && file.open(QIODevice::WriteOnly) && WritePicture(file, *format, picture, pngWidth) && file.commit())
        return std::nullopt;
    if (!format)
        return WriteFailure{QStringLiteral("непознат вид файл"), QStringLiteral("unknown file type")};
    return WriteFailure{Cause(path, file), file.errorString()};
}
