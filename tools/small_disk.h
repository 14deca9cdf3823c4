// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A nearly full disk for the tests of writing: a tmpfs of a few KiB mounted
// over a new folder in a private mount namespace of the calling thread (and
// the programs it starts), so that nothing outside sees it. It needs the
// right to mount (root, as in CI); error() says why when it has none.

#include <QString>
#include <QTemporaryDir>

class SmallDisk {
public:
    explicit SmallDisk(int kib = 64);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // Empty when no disk could be made.
    QString path() const { return mounted_ ? folder_.path() : QString(); }
    QString error() const { return error_; }
    // Fills the disk until fewer than `leftKib` KiB are free.
    void fill(int leftKib);

private:
    QTemporaryDir folder_;
    bool mounted_ = false;
    QString error_;
};
