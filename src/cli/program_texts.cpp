// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/program_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

Language g_language = Language::bg;

QTranslator& Ours()
{
    static QTranslator translator;
    return translator;
}

QTranslator& Toolkits()
{
    static QTranslator translator;
    return translator;
}

}  // namespace

void UseLanguage(Language language)
{
    g_language = language;
    const QString code = LanguageCode(language);
    QLocale::setDefault(QLocale(code));
    // the toolkit's translations ship with it; a language it lacks keeps its English
    if (QCoreApplication::instance()) {
        QCoreApplication::removeTranslator(&Ours());
        QCoreApplication::removeTranslator(&Toolkits());
    }
    // a failed load leaves a translator empty: Bulgarian, the source, has no file
    (void)Ours().load(QStringLiteral(":/i18n/tessalo_") + code);
    (void)Toolkits().load(QStringLiteral("qt_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (QCoreApplication::instance()) {
        if (!Toolkits().isEmpty())
            QCoreApplication::installTranslator(&Toolkits());
        if (!Ours().isEmpty())
            QCoreApplication::installTranslator(&Ours());
    }
}

Language UsedLanguage()
{
    return g_language;
}

QString LanguageCode(Language language)
{
    const std::string_view code = CodeOf(language);
    return QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
}

QString Program::translate(const char* context, const char* source)
{
    // once there is an application, through every translator it has, as tr() goes;
    // drawing without a window has one with none installed
    if (QCoreApplication::instance()) {
        const QString text = QCoreApplication::translate(context, source);
        if (text != QString::fromUtf8(source))
            return text;
    }
    const QString text = Ours().translate(context, source);
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

QString Filled(const QString& pattern, std::initializer_list<QString> arguments)
{
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const qsizetype number = i + 1 < pattern.size() && pattern[i] == QLatin1Char('%')
                                     ? pattern[i + 1].digitValue()
                                     : -1;
        if (number >= 1 && number <= static_cast<qsizetype>(arguments.size())) {
            text += arguments.begin()[number - 1];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
