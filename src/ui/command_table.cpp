#include "ui/command_table.h"

#include <QStringList>

#include <algorithm>

namespace {

constexpr auto kCtrl = Qt::ControlModifier;
constexpr auto kCtrlKeypad = Qt::ControlModifier | Qt::KeypadModifier;
using Keys = std::array<QKeyCombination, 3>;

}  // namespace

// Ctrl+= zooms in too: on many keyboards plus is Shift+=.
const std::array<CommandRow, 19> kCommands{{
    {Command::Save, "Запази картината...", "запазва картината (SVG, PNG, PDF)", QKeySequence::Save,
     Keys{kCtrl | Qt::Key_S, kNoKey, kNoKey}},
    {Command::Copy, "Копирай картината", "копира картината; в текстово поле — избрания текст", QKeySequence::Copy,
     Keys{kCtrl | Qt::Key_C, kNoKey, kNoKey}},
    {Command::Print, "Печат...", "печата картината", QKeySequence::Print, Keys{kCtrl | Qt::Key_P, kNoKey, kNoKey}},
    {Command::StepUp, "Следващото n", "следващото n, с картината; новите клетки са в рамка",
     QKeySequence::UnknownKey, Keys{QKeyCombination(Qt::Key_PageDown), kNoKey, kNoKey}, false, true},
    {Command::StepDown, "Предишното n", "предишното n, с картината", QKeySequence::UnknownKey,
     Keys{QKeyCombination(Qt::Key_PageUp), kNoKey, kNoKey}, false, true},
    {Command::Explore, "Разглеждане на картината", "разглежда картината клетка по клетка със стрелките, Home и End до краищата на реда",
     QKeySequence::UnknownKey, Keys{kCtrl | Qt::Key_E, kNoKey, kNoKey}},
    {Command::Repeat, "Повтори последното", "казва последното изречение отново", QKeySequence::UnknownKey,
     Keys{QKeyCombination(Qt::Key_F9), kNoKey, kNoKey}, false, true},
    {Command::Menu, "Меню", "отваря това меню", QKeySequence::UnknownKey,
     Keys{Qt::ShiftModifier | Qt::Key_F10, QKeyCombination(Qt::Key_Menu), kNoKey}, false, true},
    {Command::BuildUp, "Постепенно построяване", "построява картината клетка по клетка, вкл./изкл.",
     QKeySequence::UnknownKey, Keys{kCtrl | Qt::Key_B, kNoKey, kNoKey}, true},
    {Command::Argument, "Доказателство по индукция", "доказателството по индукция до картината, вкл./изкл.",
     QKeySequence::UnknownKey, Keys{QKeyCombination(Qt::Key_F2), kNoKey, kNoKey}, true},
    {Command::Predict, "Предскажи, после виж",
     "след стъпка нагоре добавените клетки чакат, докато класът познае броя им, вкл./изкл.",
     QKeySequence::UnknownKey, Keys{QKeyCombination(Qt::Key_F3), kNoKey, kNoKey}, true},
    // Enter only while a step waits for its guess: otherwise it presses the focused button
    {Command::Reveal, "Покажи стъпката", "показва добавените клетки и дали броят е познат; също PageDown",
     QKeySequence::UnknownKey, Keys{QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_Enter), kNoKey},
     false, true},
    {Command::ZoomIn, "По-едро", "по-едро; също Ctrl+колелце", QKeySequence::ZoomIn,
     Keys{kCtrl | Qt::Key_Plus, kCtrl | Qt::Key_Equal, kCtrlKeypad | Qt::Key_Plus}},
    {Command::ZoomOut, "По-дребно", "по-дребно", QKeySequence::ZoomOut,
     Keys{kCtrl | Qt::Key_Minus, kCtrlKeypad | Qt::Key_Minus, kNoKey}},
    {Command::ZoomReset, "Мащаб 100 %", "мащаб 100 %", QKeySequence::UnknownKey,
     Keys{kCtrl | Qt::Key_0, kCtrlKeypad | Qt::Key_0, kNoKey}},
    {Command::FullScreen, "Цял екран", "цял екран, вкл./изкл.", QKeySequence::FullScreen,
     Keys{QKeyCombination(Qt::Key_F11), kNoKey, kNoKey}, true},
    {Command::LeaveFullScreen, "Изход от цял екран", "излиза от цял екран", QKeySequence::UnknownKey,
     Keys{QKeyCombination(Qt::Key_Escape), kNoKey, kNoKey}},
    {Command::Keys, "Клавиши", "този списък", QKeySequence::HelpContents,
     Keys{QKeyCombination(Qt::Key_F1), kNoKey, kNoKey}},
    {Command::Quit, "Изход", "затваря програмата", QKeySequence::Quit, Keys{kCtrl | Qt::Key_Q, kNoKey, kNoKey}},
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
