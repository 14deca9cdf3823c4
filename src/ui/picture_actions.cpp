#include "ui/picture_actions.h"

#include "app/tessalo.h"
#include "ui/board_surface.h"
#include "ui/main_window.h"
#include "picture/picture_file.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct FileKind {
    const char* filter;
    const char* suffix;
};

constexpr std::array<FileKind, 3> kFileKinds{{
    {"Векторна картина SVG (*.svg)", "svg"},
    {"Картина PNG (*.png)", "png"},
    {"Документ PDF (*.pdf)", "pdf"},
}};

// "tessalo-kind-4-n-11" after Show, "tessalo" before.
QString SuggestedName(const Tessalo& form)
{
    const int n = form.List1(0).ListIndex + 1;
    if (form.ProofKind == 0 || n == 0)
        return QStringLiteral("tessalo");
    return QStringLiteral("tessalo-kind-%1-n-%2").arg(form.ProofKind).arg(n);
}

}  // namespace

PictureActions::PictureActions(MainWindow& window)
    : QObject(&window),
      window_(window),
      board_(window.board())
{
    addAction(QStringLiteral("Запази картината..."), QKeySequence::Save, &PictureActions::save);
    addAction(QStringLiteral("Копирай картината"), QKeySequence::Copy, &PictureActions::copy);
    addAction(QStringLiteral("Печат..."), QKeySequence::Print, &PictureActions::print);
    // The board lets clicks through to the form beneath it, which holds the menu.
    auto* form = window.findChild<QWidget*>(QStringLiteral("Form"));
    form->setContextMenuPolicy(Qt::CustomContextMenu);
    // every command the window has, these first
    connect(form, &QWidget::customContextMenuRequested, this, [form](const QPoint& at) {
        QMenu::exec(form->window()->actions(), form->mapToGlobal(at), nullptr, form);
    });
}

QAction* PictureActions::addAction(const QString& text, QKeySequence::StandardKey key,
                                   void (PictureActions::*command)())
{
    auto* action = new QAction(text, this);
    action->setShortcuts(key);
    connect(action, &QAction::triggered, this, command);
    window_.addAction(action);
    return action;
}

Picture PictureActions::picture() const
{
    return {window_.form(), board_.marked(), board_.lastCell()};
}

int PictureActions::defaultPngWidth() const
{
    const double pixels = 2 * window_.baseSize().width() * window_.zoom() * window_.devicePixelRatioF();
    return std::clamp(static_cast<int>(std::lround(pixels)), kMinPngWidth, kMaxPngWidth);
}

void PictureActions::save()
{
    if (folder_.isEmpty())
        folder_ = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QFileDialog dialog(&window_, QStringLiteral("Запазване на картината"), folder_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const auto& kind : kFileKinds)
        filters << QString::fromUtf8(kind.filter);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromLatin1(kFileKinds[0].suffix));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& filter) {
        dialog.setDefaultSuffix(QString::fromLatin1(kFileKinds[std::max(0, int(filters.indexOf(filter)))].suffix));
    });
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Папка:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Име на файла:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Вид на файла:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Запази"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Отказ"));
    dialog.selectFile(SuggestedName(window_.form()) + QLatin1Char('.') + dialog.defaultSuffix());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    folder_ = QFileInfo(path).absolutePath();

    int width = defaultPngWidth();
    if (FormatOfFile(path) == PictureFormat::Png) {
        bool chosen = false;
        width = QInputDialog::getInt(&window_, QStringLiteral("Ширина на картината"),
                                     QStringLiteral("Ширина в пиксели:"), width, kMinPngWidth, kMaxPngWidth, 100,
                                     &chosen);
        if (!chosen)
            return;
    }
    if (const auto failure = SavePicture(path, picture(), width)) {
        QMessageBox::warning(&window_, QStringLiteral("Картината не е запазена"),
                             QStringLiteral("Файлът „%1“ не беше запазен: %2.\n\n(%3)")
                                 .arg(QDir::toNativeSeparators(path), failure->cause, failure->systemText));
    }
}

void PictureActions::copy()
{
    // In a text box Ctrl+C keeps its meaning.
    if (auto* text = qobject_cast<QPlainTextEdit*>(QApplication::focusWidget())) {
        text->copy();
        return;
    }
    auto* data = new QMimeData;
    data->setImageData(PictureImage(picture(), defaultPngWidth()));
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    WritePicture(svg, PictureFormat::Svg, picture());
    data->setData(QStringLiteral("image/svg+xml"), svg.data());
    data->setText(PictureText(window_.form()));
    QApplication::clipboard()->setMimeData(data);
}

void PictureActions::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(SuggestedName(window_.form()));
    QPrintDialog dialog(&printer, &window_);
    dialog.setWindowTitle(QStringLiteral("Печат на картината"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        QMessageBox::warning(&window_, QStringLiteral("Печатът не започна"),
                             QStringLiteral("Принтерът не прие картината."));
        return;
    }
    PaintPicture(painter, picture(), QRectF(0, 0, printer.width(), printer.height()));
}
