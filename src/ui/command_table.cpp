#include "ui/command_table.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace {

constexpr auto kCtrl = Qt::ControlModifier;
constexpr auto kCtrlKeypad = Qt::ControlModifier | Qt::KeypadModifier;
using Keys = std::array<QKeyCombination, 3>;

}  // namespace

// Ctrl+= zooms in too: on many keyboards plus is Shift+=.
const std::array<CommandRow, 20> kCommands{{
    {Command::Save, QT_TRANSLATE_NOOP("Commands", "Запази картината..."),
     QT_TRANSLATE_NOOP("Commands", "запазва картината (SVG, PNG, PDF)"), QKeySequence::Save,
     Keys{kCtrl | Qt::Key_S, kNoKey, kNoKey}},
    {Command::Copy, QT_TRANSLATE_NOOP("Commands", "Копирай картината"),
     QT_TRANSLATE_NOOP("Commands", "копира картината; в текстово поле — избрания текст"), QKeySequence::Copy,
     Keys{kCtrl | Qt::Key_C, kNoKey, kNoKey}},
    {Command::Print, QT_TRANSLATE_NOOP("Commands", "Печат..."), QT_TRANSLATE_NOOP("Commands", "печата картината"),
     QKeySequence::Print, Keys{kCtrl | Qt::Key_P, kNoKey, kNoKey}},
    {Command::StepUp, QT_TRANSLATE_NOOP("Commands", "Следващото n"),
     QT_TRANSLATE_NOOP("Commands", "следващото n, с картината; новите клетки са в рамка"), QKeySequence::UnknownKey,
     Keys{QKeyCombination(Qt::Key_PageDown), kNoKey, kNoKey}, false, true},
    {Command::StepDown, QT_TRANSLATE_NOOP("Commands", "Предишното n"),
     QT_TRANSLATE_NOOP("Commands", "предишното n, с картината"), QKeySequence::UnknownKey,
     Keys{QKeyCombination(Qt::Key_PageUp), kNoKey, kNoKey}, false, true},
    {Command::Explore, QT_TRANSLATE_NOOP("Commands", "Разглеждане на картината"),
     QT_TRANSLATE_NOOP("Commands",
                       "разглежда картината клетка по клетка със стрелките, Home и End до краищата на реда"),
     QKeySequence::UnknownKey, Keys{kCtrl | Qt::Key_E, kNoKey, kNoKey}},
    {Command::Repeat, QT_TRANSLATE_NOOP("Commands", "Повтори последното"),
     QT_TRANSLATE_NOOP("Commands", "казва последното изречение отново"), QKeySequence::UnknownKey,
     Keys{QKeyCombination(Qt::Key_F9), kNoKey, kNoKey}, false, true},
    {Command::Menu, QT_TRANSLATE_NOOP("Commands", "Меню"), QT_TRANSLATE_NOOP("Commands", "отваря това меню"),
     QKeySequence::UnknownKey, Keys{Qt::ShiftModifier | Qt::Key_F10, QKeyCombination(Qt::Key_Menu), kNoKey}, false,
     true},
    {Command::BuildUp, QT_TRANSLATE_NOOP("Commands", "Постепенно построяване"),
     QT_TRANSLATE_NOOP("Commands", "построява картината клетка по клетка, вкл./изкл."), QKeySequence::UnknownKey,
     Keys{kCtrl | Qt::Key_B, kNoKey, kNoKey}, true},
    {Command::Argument, QT_TRANSLATE_NOOP("Commands", "Доказателство по индукция"),
     QT_TRANSLATE_NOOP("Commands", "доказателството по индукция до картината, вкл./изкл."), QKeySequence::UnknownKey,
     Keys{QKeyCombination(Qt::Key_F2), kNoKey, kNoKey}, true},
    {Command::Predict, QT_TRANSLATE_NOOP("Commands", "Предскажи, после виж"),
     QT_TRANSLATE_NOOP("Commands",
                       "след стъпка нагоре добавените клетки чакат, докато класът познае броя им, вкл./изкл."),
     QKeySequence::UnknownKey, Keys{QKeyCombination(Qt::Key_F3), kNoKey, kNoKey}, true},
    // Enter only while a step waits for its guess: otherwise it presses the focused button
    {Command::Reveal, QT_TRANSLATE_NOOP("Commands", "Покажи стъпката"),
     QT_TRANSLATE_NOOP("Commands", "показва добавените клетки и дали броят е познат; също PageDown"),
     QKeySequence::UnknownKey, Keys{QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_Enter), kNoKey}, false,
     true},
    {Command::ZoomIn, QT_TRANSLATE_NOOP("Commands", "По-едро"),
     QT_TRANSLATE_NOOP("Commands", "по-едро; също Ctrl+колелце"), QKeySequence::ZoomIn,
     Keys{kCtrl | Qt::Key_Plus, kCtrl | Qt::Key_Equal, kCtrlKeypad | Qt::Key_Plus}},
    {Command::ZoomOut, QT_TRANSLATE_NOOP("Commands", "По-дребно"), QT_TRANSLATE_NOOP("Commands", "по-дребно"),
     QKeySequence::ZoomOut, Keys{kCtrl | Qt::Key_Minus, kCtrlKeypad | Qt::Key_Minus, kNoKey}},
    {Command::ZoomReset, QT_TRANSLATE_NOOP("Commands", "Мащаб 100 %"), QT_TRANSLATE_NOOP("Commands", "мащаб 100 %"),
     QKeySequence::UnknownKey, Keys{kCtrl | Qt::Key_0, kCtrlKeypad | Qt::Key_0, kNoKey}},
    {Command::FullScreen, QT_TRANSLATE_NOOP("Commands", "Цял екран"),
     QT_TRANSLATE_NOOP("Commands", "цял екран, вкл./изкл."), QKeySequence::FullScreen,
     Keys{QKeyCombination(Qt::Key_F11), kNoKey, kNoKey}, true},
    {Command::LeaveFullScreen, QT_TRANSLATE_NOOP("Commands", "Изход от цял екран"),
     QT_TRANSLATE_NOOP("Commands", "излиза от цял екран"), QKeySequence::UnknownKey,
     Keys{QKeyCombination(Qt::Key_Escape), kNoKey, kNoKey}},
    // its menu lists each language in its own words, readable to one who cannot read the other
    {Command::Language, QT_TRANSLATE_NOOP("Commands", "Език"),
     QT_TRANSLATE_NOOP("Commands", "сменя езика на прозореца със следващия"), QKeySequence::UnknownKey,
     Keys{kCtrl | Qt::Key_L, kNoKey, kNoKey}},
    {Command::Keys, QT_TRANSLATE_NOOP("Commands", "Клавиши"), QT_TRANSLATE_NOOP("Commands", "този списък"),
     QKeySequence::HelpContents, Keys{QKeyCombination(Qt::Key_F1), kNoKey, kNoKey}},
    {Command::Quit, QT_TRANSLATE_NOOP("Commands", "Изход"), QT_TRANSLATE_NOOP("Commands", "затваря програмата"),
     QKeySequence::Quit, Keys{kCtrl | Qt::Key_Q, kNoKey, kNoKey}},
}};

const CommandRow& FindCommand(Command command)
{
    return *std::find_if(kCommands.begin(), kCommands.end(),
                         [command](const CommandRow& row) { return row.command == command; });
}

QString OwnKeysText(const CommandRow& row)
{
    QStringList keys;
    for (const QKeyCombination key : row.keys) {
        if (key != kNoKey)
            keys << QKeySequence(key).toString(QKeySequence::PortableText);
    }
    return keys.join(QLatin1String(", "));
}
