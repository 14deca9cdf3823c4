// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/texts.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <optional>

// The program's one settings file (an INI file, the toolkit's format), read
// once when it is made, and every choice the program remembers in it, each
// by its type; nothing else opens the file or names its keys. Every change is
// written at once, all of it or nothing, laid over what the file holds by
// then (another window's choices stay), and never holds the caller more than
// a few milliseconds:
// - a lock that another program holds, or that cannot be taken (junk, a
//   folder, a pipe), means the settings are not written this time;
// - a settings file that is a link is written through only when what it
//   points to is the user's own file in the home folder;
// - a read-only settings file is read and kept; one that is not a regular
//   file, or far bigger than ours, is neither read nor replaced;
// each of these, and a failed write, is one line on standard error.
class SettingsFile {
public:
    // The user's file (~/.config/tessalo/tessalo.conf) once the application
    // has its names.
    SettingsFile();
    explicit SettingsFile(QString path);

    QString path() const { return path_; }

    // The window's place, size and state as the toolkit saves them, and its zoom.
    QByteArray windowGeometry() const;
    std::optional<int> zoomPercent() const;
    // What earlier versions kept instead of the geometry.
    bool oldFullScreen() const;
    std::optional<QPoint> oldPosition() const;
    bool setWindow(const QByteArray& geometry, int zoomPercent);

    bool buildUp() const;
    bool setBuildUp(bool on);
    bool argument() const;  // the induction argument beside the form
    bool setArgument(bool shown);
    std::optional<Language> language() const;  // the one the window was last switched to
    bool setLanguage(Language language);

    // Each setter writes the file unless nothing changed; false when it was not written.

private:
    QVariant value(const QString& key) const { return values_.value(key); }
    // Sets the keys (an invalid value removes its key) and writes the file.
    bool setValues(const QVariantMap& values);
    // Lays `changes` over what the file holds now and writes it.
    bool write(const QVariantMap& changes);

    QString path_;
    QVariantMap values_;
};
