// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "small_disk.h"

#include <QFile>

#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>

#include <cerrno>
#include <cstring>

SmallDisk::SmallDisk(int kib)
{
    if (::unshare(CLONE_NEWNS) != 0) {
        error_ = QStringLiteral("no private mount namespace: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    // mounts made here must not reach the namespace the test came from
    const QByteArray size = "size=" + QByteArray::number(kib) + "k";
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tessalo-test", QFile::encodeName(folder_.path()).constData(), "tmpfs", 0, size.constData()) != 0) {
        error_ = QStringLiteral("cannot mount a tmpfs: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    mounted_ = true;
}

SmallDisk::~SmallDisk()
{
    if (mounted_)
        ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
}

void SmallDisk::fill(int leftKib)
{
    QFile filler(folder_.filePath(QStringLiteral(".filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(1024, 'x');
    struct statvfs free {};
    while (::statvfs(QFile::encodeName(folder_.path()).constData(), &free) == 0 &&
           free.f_bavail * free.f_frsize >= static_cast<unsigned long>(leftKib) * 1024 && filler.write(block) == block.size()) {
    }
}
