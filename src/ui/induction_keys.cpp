#include "ui/induction_keys.h"

#include "ui/board_surface.h"
#include "ui/build_up.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

InductionKeys::InductionKeys(MainWindow& window, BuildUp& buildUp) : QObject(&window), window_(window)
{
    auto* gradual = new QAction(QStringLiteral("Постепенно построяване"), this);
    gradual->setCheckable(true);
    gradual->setChecked(buildUp.enabled());
    gradual->setShortcut(Qt::CTRL | Qt::Key_B);
    connect(gradual, &QAction::toggled, this, [&window, &buildUp](bool on) {
        buildUp.setEnabled(on);
        window.announce(on ? QStringLiteral("Постепенното построяване е включено.")
                           : QStringLiteral("Постепенното построяване е изключено."));
    });
    window.addAction(gradual);

    auto* help = new QAction(QStringLiteral("Клавиши"), this);
    help->setShortcuts(QKeySequence::HelpContents);
    if (!help->shortcuts().contains(QKeySequence(Qt::Key_F1)))
        help->setShortcut(Qt::Key_F1);
    connect(help, &QAction::triggered, this, [&window] { ShowKeyHelp(window); });
    window.addAction(help);

    // Before any control sees them: the list and the text boxes would page.
    qApp->installEventFilter(this);
}

bool InductionKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!widget || widget->window() != &window_ || !plain ||
        (key->key() != Qt::Key_PageDown && key->key() != Qt::Key_PageUp))
        return false;
    window_.step(key->key() == Qt::Key_PageDown ? +1 : -1);
    return true;
}

void InductionKeys::ShowKeyHelp(MainWindow& window)
{
    QDialog dialog(&window);
    dialog.setWindowTitle(QStringLiteral("Клавиши"));
    dialog.setFont(window.board().font());  // the form's letters, as large as the zoom makes them
    auto* layout = new QVBoxLayout(&dialog);
    auto* keys = new QLabel(KeyHelpText());
    keys->setTextFormat(Qt::RichText);
    layout->addWidget(keys);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.exec();
}

QString KeyHelpText()
{
    const std::pair<const char*, const char*> rows[] = {
        {"Tab, Shift+Tab", "към следващата или предишната контрола"},
        {"стрелки", "избор на n в списъка и на тъждество"},
        {"Интервал, Enter", "натиска бутона на фокуса"},
        {"PageDown, PageUp", "следващото или предишното n, с картината; новите клетки са в рамка"},
        {"Ctrl+B", "постепенно построяване, вкл./изкл."},
        {"F11", "цял екран; Esc излиза от него"},
        {"Ctrl+плюс, Ctrl+минус, Ctrl+0", "по-едро, по-дребно, 100 %; също Ctrl+колелце"},
        {"Ctrl+S", "запазва картината (SVG, PNG, PDF)"},
        {"Ctrl+C", "копира картината; в текстово поле — избрания текст"},
        {"Ctrl+P", "печата картината"},
        {"F1", "този списък"},
        {"Ctrl+Q", "изход"},
    };
    QString table = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"4\">");
    for (const auto& [keys, meaning] : rows)
        table += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                     .arg(QString::fromUtf8(keys).toHtmlEscaped(), QString::fromUtf8(meaning).toHtmlEscaped());
    return table + QStringLiteral("</table>");
}
