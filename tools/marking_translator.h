// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTranslator>

// A pseudo-language for tests: every text asked of the toolkit's translations,
// ours and the toolkit's own, comes back marked as ⟦text⟧. Installed last, it
// answers first; any text on the screen without the marks did not pass through
// a translation.
class MarkingTranslator : public QTranslator {
public:
    static QString Mark(const QString& text) { return QStringLiteral("⟦%1⟧").arg(text); }

    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char* = nullptr, int = -1) const override
    {
        return source && *source ? Mark(QString::fromUtf8(source)) : QString();
    }
};
