// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/settings/settings_file.h"

#include "picture/picture_file.h"
#include "cli/program_texts.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>

namespace {

// Long enough for another copy of the program to finish its write, short
// enough that nobody sees the window wait.
constexpr int kLockWaitMs = 20;

const QString kGeometry = QStringLiteral("window/geometry");
const QString kZoom = QStringLiteral("window/zoom");  // percent
// written by earlier versions
const QString kFullScreen = QStringLiteral("window/fullScreen");
const QString kPosition = QStringLiteral("window/position");
const QString kBuildUp = QStringLiteral("view/buildUp");
const QString kArgument = QStringLiteral("view/argument");
const QString kLanguage = QStringLiteral("view/language");  // its code: bg, en

bool Refuse(const QString& path, const QString& cause, const QString& english)
{
    // Filled, not arg(): the English line has no use for the Bulgarian cause
    std::fputs(Filled(Program::translate("CommandLine", "tessalo: настройките не бяха записани в „%1“: %2. / "
                                                        "settings not saved to '%1': %3.\n"),
                      {QDir::toNativeSeparators(path), cause, english})
                   .toLocal8Bit()
                   .constData(),
               stderr);
    return false;
}

// Our own file holds a few short lines: anything much bigger was not
// written by us, and reading it would hold the window.
constexpr qint64 kMaxSettingsBytes = 64 * 1024;
// a lock holds a process number, a program and a machine name
constexpr qint64 kMaxLockBytes = 4 * 1024;

// Why the file at `path` is not read: it is not a regular file (a pipe
// would block the read) or it is bigger than `maxBytes`; none when it may be
// read, or when nothing is there.
std::optional<WriteFailure> Unreadable(const QString& path, qint64 maxBytes)
{
    struct stat node {};
    if (::stat(QFile::encodeName(path).constData(), &node) != 0)
        return std::nullopt;
    if (!S_ISREG(node.st_mode))
        return RefusedTarget(path, false);  // it says what stands there
    if (node.st_size > maxBytes)
        return WriteFailure{QStringLiteral("файлът е по-голям от %1 KiB, каквито програмата не пише").arg(maxBytes / 1024),
                            QStringLiteral("the file is larger than %1 KiB, which it never writes").arg(maxBytes / 1024)};
    return std::nullopt;
}

// The settings in the file at `path`; none when it may not be read.
QVariantMap ReadValues(const QString& path)
{
    QVariantMap values;
    if (Unreadable(path, kMaxSettingsBytes))
        return values;
    // Reading takes no lock: QSettings locks only to write.
    const QSettings file(path, QSettings::IniFormat);
    for (const QString& key : file.allKeys())
        values.insert(key, file.value(key));
    return values;
}

bool RefuseLock(const QString& path, QLockFile::LockError error, const QString& folder)
{
    const QString name = QFileInfo(path).fileName();
    if (error == QLockFile::LockFailedError)
        return Refuse(path, QStringLiteral("файлът е заключен (%1.lock)").arg(name),
                      QStringLiteral("the file is locked (%1.lock)").arg(name));
    // a folder the user may not write to says so, not that the disk is full
    if (::access(QFile::encodeName(folder).constData(), W_OK) != 0) {
        const WriteFailure failure = FailureOf(path, errno);
        return Refuse(path, failure.cause, failure.systemText);
    }
    return Refuse(path, QStringLiteral("ключалката %1.lock не може да бъде създадена (може би дискът е пълен)").arg(name),
                  QStringLiteral("its lock %1.lock cannot be made (the disk may be full)").arg(name));
}

// An INI file gives every value back as text: a value read back is the one
// written when both say the same.
bool SameValues(const QVariantMap& read, const QVariantMap& written)
{
    if (read.keys() != written.keys())
        return false;
    for (auto it = written.begin(); it != written.end(); ++it) {
        const QVariant& back = read[it.key()];
        if (back != it.value() && (back.toString() != it.value().toString() || back.toByteArray() != it.value().toByteArray()))
            return false;
    }
    return true;
}

}  // namespace

// Where the toolkit keeps an application's settings, found without opening
// them as QSettings would: a pipe there would hold the window before it opens.
SettingsFile::SettingsFile()
    : SettingsFile(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
                   QCoreApplication::organizationName() + QLatin1Char('/') + QCoreApplication::applicationName() +
                   QStringLiteral(".conf"))
{
}

SettingsFile::SettingsFile(QString path) : path_(std::move(path))
{
    values_ = ReadValues(path_);
}

bool SettingsFile::setValues(const QVariantMap& values)
{
    QVariantMap changes;
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (it.value().isValid() ? values_.value(it.key()) != it.value() : values_.contains(it.key()))
            changes.insert(it.key(), it.value());
    }
    return changes.isEmpty() || write(changes);
}

bool SettingsFile::write(const QVariantMap& changes)
{
    // A dotfile manager links the file into place from the user's own
    // files; a link to anything else (as root, a file in /etc) is not ours to
    // replace.
    QString target = path_;
    const QFileInfo file(path_);
    if (file.isSymLink()) {
        target = file.canonicalFilePath();
        if (target.isEmpty())
            return Refuse(path_, QStringLiteral("връзката сочи към „%1“, който липсва").arg(file.symLinkTarget()),
                          QStringLiteral("the link points to '%1', which is missing").arg(file.symLinkTarget()));
        const QString home = QDir(QDir::homePath()).canonicalPath() + QLatin1Char('/');
        if (QFileInfo(target).ownerId() != ::geteuid() || !target.startsWith(home))
            return Refuse(path_, QStringLiteral("това е връзка към „%1“, който не е ваш файл в домашната ви папка").arg(target),
                          QStringLiteral("it is a link to '%1', which is not a file of yours in your home folder").arg(target));
    }
    // a settings file that is read-only was made so to be kept as it is
    auto refused = RefusedTarget(target, false);
    if (!refused)
        refused = Unreadable(target, kMaxSettingsBytes);
    if (refused)
        return Refuse(path_, refused->cause, refused->systemText);
    const QString folder = QFileInfo(target).absolutePath();
    if (const int error = MakeFolder(folder))  // a first run
        return Refuse(path_, FailureOf(target, error).cause, FailureOf(target, error).systemText);

    const QString lockPath = path_ + QStringLiteral(".lock");
    // the lock is read to see whether its owner still runs: a pipe would
    // block that read, and a huge file would be read whole
    if (const auto refused = Unreadable(lockPath, kMaxLockBytes)) {
        return Refuse(path_, QStringLiteral("ключалката „%1“: %2").arg(QFileInfo(lockPath).fileName(), refused->cause),
                      QStringLiteral("its lock '%1': %2").arg(QFileInfo(lockPath).fileName(), refused->systemText));
    }
    QLockFile lock(lockPath);
    if (!lock.tryLock(kLockWaitMs))
        return RefuseLock(path_, lock.error(), folder);

    // Another window may have changed other settings since this one read
    // them: only this window's changes are laid over what the file holds now.
    QVariantMap values = ReadValues(target);
    for (auto it = changes.begin(); it != changes.end(); ++it) {
        if (it.value().isValid())
            values.insert(it.key(), it.value());
        else
            values.remove(it.key());
    }
    values_ = values;

    // Written whole beside the target, then renamed over it: a full disk
    // leaves the old file as it was.
    QTemporaryFile whole(folder + QStringLiteral("/.tessalo-settings-XXXXXX"));
    if (!whole.open())
        return Refuse(path_, FailureOf(target, whole).cause, FailureOf(target, whole).systemText);
    if (QFileInfo::exists(target))
        whole.setPermissions(QFileInfo(target).permissions());
    whole.close();
    {
        QSettings out(whole.fileName(), QSettings::IniFormat);
        for (auto it = values.begin(); it != values.end(); ++it)
            out.setValue(it.key(), it.value());
        out.sync();
    }
    // The toolkit's save file can take a last buffer the disk refused for
    // written: what is on the disk is read back before it replaces anything.
    if (!SameValues(ReadValues(whole.fileName()), values))
        return Refuse(path_, QStringLiteral("записът прекъсна (може би дискът е пълен)"),
                      QStringLiteral("the write was cut short (the disk may be full)"));
    if (::rename(QFile::encodeName(whole.fileName()).constData(), QFile::encodeName(target).constData()) != 0) {
        const WriteFailure failure = FailureOf(target, errno);
        return Refuse(path_, failure.cause, failure.systemText);
    }
    whole.setAutoRemove(false);  // it is the settings file now
    return true;
}

QByteArray SettingsFile::windowGeometry() const
{
    const QVariant geometry = value(kGeometry);
    return geometry.typeId() == QMetaType::QByteArray ? geometry.toByteArray() : QByteArray();
}

std::optional<int> SettingsFile::zoomPercent() const
{
    bool isNumber = false;
    const int percent = value(kZoom).toInt(&isNumber);
    return isNumber ? std::optional(percent) : std::nullopt;
}

bool SettingsFile::oldFullScreen() const
{
    return value(kFullScreen).toString() == QLatin1String("true");
}

std::optional<QPoint> SettingsFile::oldPosition() const
{
    const QVariant position = value(kPosition);
    return position.typeId() == QMetaType::QPoint ? std::optional(position.toPoint()) : std::nullopt;
}

bool SettingsFile::setWindow(const QByteArray& geometry, int zoomPercent)
{
    return setValues({{kGeometry, geometry}, {kZoom, zoomPercent}, {kFullScreen, QVariant()}, {kPosition, QVariant()}});
}

bool SettingsFile::buildUp() const
{
    return value(kBuildUp).toBool();
}

bool SettingsFile::setBuildUp(bool on)
{
    return setValues({{kBuildUp, on}});
}

bool SettingsFile::argument() const
{
    return value(kArgument).toBool();
}

bool SettingsFile::setArgument(bool shown)
{
    return setValues({{kArgument, shown}});
}

std::optional<Language> SettingsFile::language() const
{
    return LanguageOfCode(value(kLanguage).toString().toStdString());
}

bool SettingsFile::setLanguage(Language language)
{
    return setValues({{kLanguage, LanguageCode(language)}});
}
