// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/help_text.h"

#include "app/command_table.h"
#include "cli/program_texts.h"
#include "picture/picture_export.h"

namespace {

// One entry of the help: its name, and what it does from the column after the
// names'; on a line of its own there when the name leaves no gap before it.
QString HelpEntry(const QString& name, const QString& description)
{
    constexpr int kNames = 22;  // the names' column, gap included
    if (name.size() + 2 > kNames)
        return QStringLiteral("  %1\n  %2%3\n").arg(name, QString(kNames, QLatin1Char(' ')), description);
    return QStringLiteral("  %1%2\n").arg(name, -kNames).arg(description);
}

}  // namespace

QString HelpText(const std::vector<Option>& options)
{
    QString text = Program::translate("CommandLine",
                                      "Употреба: tessalo [опции]\n"
                                      "Математическа индукция, показана с цветни квадрати и кръгове.\n\n"
                                      "Опции:\n");
    for (const auto& [option, shown] : options)
        text += HelpEntry(shown, option.description());
    text += Program::translate(
        "CommandLine", "\nБез прозорец: tessalo --kind 4 --n 11 --export картина.svg\n\nКлавиши в прозореца:\n");
    for (const CommandRow& row : kCommands)
        text += HelpEntry(QString::fromStdString(OwnKeysText(row)), QString::fromUtf8(Tr(UsedLanguage(), row.meaning)));
    return text;
}

QString LanguageCodes()
{
    QStringList codes;
    for (std::size_t i = 0; i < kLanguageCount; ++i)
        codes << LanguageCode(static_cast<Language>(i));
    return codes.join(QStringLiteral(", "));
}

std::vector<Option> ProgramOptions()
{
    return {
        {{{QStringLiteral("h"), QStringLiteral("help")},
          Program::translate("CommandLine", "Показва тази помощ и излиза.")},
         QStringLiteral("-h, --help")},
        {{{QStringLiteral("v"), QStringLiteral("version")},
          Program::translate("CommandLine", "Показва версията и излиза.")},
         QStringLiteral("-v, --version")},
        {{QStringLiteral("fullscreen"), Program::translate("CommandLine", "Отваря прозореца на цял екран.")},
         QStringLiteral("--fullscreen")},
        {{QStringLiteral("zoom"), Program::translate("CommandLine", "Мащаб в проценти, от 100 до 400 (напр. 150)."),
          Program::translate("CommandLine", "проценти")},
         Program::translate("CommandLine", "--zoom ПРОЦЕНТИ")},
        {{QStringLiteral("kind"),
          Program::translate("CommandLine",
                             "Тъждество от 1 до 6, по реда в прозореца (без --export прозорецът се отваря на "
                             "него), или от 7 до 11: 2 + 4 + … + 2n, a + (a + d) + …, 1 + 2 + 4 + … + 2ⁿ⁻¹, "
                             "кубовете, квадратите."),
          Program::translate("CommandLine", "вид")},
         Program::translate("CommandLine", "--kind ВИД")},
        {{QStringLiteral("n"), Program::translate("CommandLine", "n от 1 до 11."), QStringLiteral("n")},
         QStringLiteral("--n N")},
        {{QStringLiteral("a"), Program::translate("CommandLine", "С --kind 8: първият член, от 1 до 5 (иначе 1)."),
          QStringLiteral("a")},
         QStringLiteral("--a A")},
        {{QStringLiteral("d"), Program::translate("CommandLine", "С --kind 8: разликата, от 1 до 5 (иначе 1)."),
          QStringLiteral("d")},
         QStringLiteral("--d D")},
        {{QStringLiteral("claim"),
          Program::translate("CommandLine", "Проверява дясна страна за сбора на тъждеството, както доказателството "
                                            "по индукция: основата, стъпката и къде се чупи (напр. \"3n-2\")."),
          Program::translate("CommandLine", "формула")},
         Program::translate("CommandLine", "--claim ФОРМУЛА")},
        {{QStringLiteral("broken"),
          Program::translate("CommandLine", "Проверява N-тото невярно твърдение за тъждеството, както --claim."),
          QStringLiteral("N")},
         QStringLiteral("--broken N")},
        {{QStringLiteral("export"),
          Program::translate("CommandLine", "Записва картината без прозорец: .svg, .png или .pdf; .gif е "
                                            "стъпката до n като анимация, .wav е картината като звук, "
                                            ".brf е доказателството на брайл."),
          Program::translate("CommandLine", "файл")},
         Program::translate("CommandLine", "--export ФАЙЛ")},
        {{QStringLiteral("width"),
          Program::translate("CommandLine", "Ширина на PNG или GIF картината в пиксели (%1 до %2, иначе %3).")
              .arg(kMinPngWidth)
              .arg(kMaxPngWidth)
              .arg(DefaultPngWidth()),
          Program::translate("CommandLine", "пиксели")},
         Program::translate("CommandLine", "--width ПИКСЕЛИ")},
        {{QStringLiteral("text"), Program::translate("CommandLine", "Извежда текста на доказателството.")},
         QStringLiteral("--text")},
        {{QStringLiteral("argument"), Program::translate("CommandLine", "Извежда доказателството по индукция.")},
         QStringLiteral("--argument")},
        {{QStringLiteral("strip"),
          Program::translate("CommandLine", "С --export: стъпките до n една до друга на лист A4 (.pdf или .svg).")},
         QStringLiteral("--strip")},
        {{QStringLiteral("tactile"),
          Program::translate("CommandLine", "С --export: релефен лист на картината с брайл, за подуваща се хартия "
                                            "или брайлов принтер (.pdf или .svg).")},
         QStringLiteral("--tactile")},
        {{QStringLiteral("paper"),
          Program::translate("CommandLine", "С --tactile: a4 (подразбира се) или letter."),
          Program::translate("CommandLine", "хартия")},
         Program::translate("CommandLine", "--paper ХАРТИЯ")},
        {{QStringLiteral("worksheet"),
          Program::translate("CommandLine", "С --export: работен лист за стъпката до n (.pdf).")},
         QStringLiteral("--worksheet")},
        {{QStringLiteral("answers"),
          Program::translate("CommandLine", "С --worksheet: листът с отговорите.")},
         QStringLiteral("--answers")},
        {{QStringLiteral("with-argument"),
          Program::translate("CommandLine", "С --export и --series: доказателството по индукция под картината.")},
         QStringLiteral("--with-argument")},
        {{QStringLiteral("lang"),
          Program::translate("CommandLine",
                             "Езикът на прозореца и на --text, --argument, --export и --series: "
                             "%1 (подразбира се bg).")
              .arg(LanguageCodes()),
          Program::translate("CommandLine", "език")},
         Program::translate("CommandLine", "--lang ЕЗИК")},
        {{QStringLiteral("series"),
          Program::translate("CommandLine", "Записва картините за n от 1 до 11 в папката (kind-ВИД-n-01.svg ...), "
                                            "с рамки около клетките, които добавя всяка стъпка."),
          Program::translate("CommandLine", "папка")},
         Program::translate("CommandLine", "--series ПАПКА")},
        {{QStringLiteral("format"),
          Program::translate("CommandLine", "С --series: svg (подразбира се), png, pdf, gif (всяка стъпка "
                                            "като анимация) или wav (като звук)."),
          Program::translate("CommandLine", "вид")},
         Program::translate("CommandLine", "--format ВИД")},
        {{QStringLiteral("look"),
          Program::translate("CommandLine", "С --export и --series: handout (подразбира се: клетките на бяло, "
                                            "със заглавие; PDF на лист A4) или window (както в прозореца)."),
          Program::translate("CommandLine", "вид")},
         Program::translate("CommandLine", "--look ВИД")},
    };
}
