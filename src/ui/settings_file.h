#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

// The program's one settings file (an INI file, the toolkit's format), read
// once when it is made. Every change is written at once, all of it or
// nothing, and never holds the caller more than a few milliseconds:
// - a lock that another program holds, or that cannot be taken (junk, a
//   folder), means the settings are not written this time;
// - a settings file that is a link is written through only when what it
//   points to is the user's own file in the home folder;
// each of these, and a failed write, is one line on standard error.
class SettingsFile {
public:
    // The user's file (~/.config/tessalo/tessalo.conf) once the application
    // has its names.
    SettingsFile();
    explicit SettingsFile(QString path);

    QString path() const { return path_; }
    QVariant value(const QString& key) const { return values_.value(key); }
    // Sets the keys (an invalid value removes its key) and writes the file
    // unless nothing changed; false when it was not written.
    bool setValues(const QVariantMap& values);
    bool setValue(const QString& key, const QVariant& value) { return setValues({{key, value}}); }

private:
    bool write() const;

    QString path_;
    QVariantMap values_;
};
