// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/commands/picture_actions.h"

#include "app/board_picture.h"
#include "app/tessalo.h"
#include "app/visible_cells.h"
#include "picture/handout.h"
#include "picture/further_handouts.h"
#include "picture/picture_file.h"
#include "picture/step_strip.h"
#include "picture/tactile_page.h"
#include "picture/worksheet_page.h"
#include "cli/program_texts.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace {

struct FileKind {
    const char* filter;
    const char* suffix;
    PictureLook look = PictureLook::Handout;
};

// A handout first; the form exactly as on the screen where a teacher wants that.
constexpr std::array<FileKind, 8> kFileKinds{{
    {QT_TRANSLATE_NOOP("PictureActions", "Векторна картина SVG (*.svg)"), "svg"},
    {QT_TRANSLATE_NOOP("PictureActions", "Картина PNG (*.png)"), "png"},
    {QT_TRANSLATE_NOOP("PictureActions", "Документ PDF, лист A4 (*.pdf)"), "pdf"},
    {QT_TRANSLATE_NOOP("PictureActions", "Стъпката като анимация GIF (*.gif)"), "gif"},
    {QT_TRANSLATE_NOOP("PictureActions", "Картината като звук WAV (*.wav)"), "wav"},
    {QT_TRANSLATE_NOOP("PictureActions", "Както на екрана: картина SVG (*.svg)"), "svg", PictureLook::Window},
    {QT_TRANSLATE_NOOP("PictureActions", "Както на екрана: картина PNG (*.png)"), "png", PictureLook::Window},
    {QT_TRANSLATE_NOOP("PictureActions", "Както на екрана: документ PDF (*.pdf)"), "pdf", PictureLook::Window},
}};

// The sheets for a blind pupil, each in a dialog of its own.
constexpr std::array<FileKind, 3> kSheetKinds{{
    {QT_TRANSLATE_NOOP("PictureActions", "Релефен лист PDF (*.pdf)"), "pdf"},
    {QT_TRANSLATE_NOOP("PictureActions", "Релефен лист SVG (*.svg)"), "svg"},
    {QT_TRANSLATE_NOOP("PictureActions", "Брайлов файл BRF (*.brf)"), "brf"},
}};

QString SuggestedName(const Picture& picture)
{
    return QString::fromStdString(PictureFileStem(picture.drawnKind, picture.drawnN));
}

const FileKind& KindOf(const QString& filter)
{
    for (const auto kinds : {std::span<const FileKind>(kFileKinds), std::span<const FileKind>(kSheetKinds)}) {
        for (const auto& kind : kinds) {
            if (filter == Program::translate("PictureActions", kind.filter))
                return kind;
        }
    }
    return kFileKinds[0];
}

// Letter where the system measures in inches, A4 elsewhere.
Paper LocalPaper()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? Paper::Letter : Paper::A4;
}

QString SuffixOf(const QString& filter)
{
    return QString::fromLatin1(KindOf(filter).suffix);
}

// A save dialog for the file kinds `kinds`, the first offered first.
QFileDialog* NewSaveDialog(QWidget& window, const QString& title, std::span<const FileKind> kinds = kFileKinds)
{
    auto* dialog = new QFileDialog(&window, title, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const auto& kind : kinds)
        filters << Program::translate("PictureActions", kind.filter);
    dialog->setNameFilters(filters);
    dialog->setDefaultSuffix(SuffixOf(filters.first()));
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog,
                     [dialog](const QString& filter) { dialog->setDefaultSuffix(SuffixOf(filter)); });
    dialog->setLabelText(QFileDialog::LookIn, Program::translate("PictureActions", "Папка:"));
    dialog->setLabelText(QFileDialog::FileName, Program::translate("PictureActions", "Име на файла:"));
    dialog->setLabelText(QFileDialog::FileType, Program::translate("PictureActions", "Вид на файла:"));
    dialog->setLabelText(QFileDialog::Accept, Program::translate("PictureActions", "Запази"));
    dialog->setLabelText(QFileDialog::Reject, Program::translate("PictureActions", "Отказ"));
    return dialog;
}

// A handout of the identity beside the form's six that `picture` shows.
void WriteFurtherHandout(QIODevice& sheet, PictureActions::Handout handout, const Picture& picture, Language language,
                         PictureFormat format)
{
    const FurtherIdentity& identity = *picture.further;
    switch (handout) {
    case PictureActions::Handout::Strip:
        WriteFurtherStrip(sheet, PictureFormat::Pdf, identity, picture.drawnN, language);
        break;
    case PictureActions::Handout::Worksheet:
    case PictureActions::Handout::Answers:
        WriteFurtherWorksheet(sheet, identity, picture.drawnN, language, handout == PictureActions::Handout::Answers);
        break;
    case PictureActions::Handout::Braille: sheet.write(FurtherProofBrf(identity, picture.drawnN, language)); break;
    case PictureActions::Handout::Tactile:
        if (const auto tactile = FurtherTactileSheet(identity, picture.drawnN, language, LocalPaper()))
            WriteTactileSheet(sheet, format, *tactile, LocalPaper());
        break;
    }
}

}  // namespace

PictureActions::PictureActions(QWidget& window, const QWidget& board, std::function<Picture()> picture)
    : QObject(&window), window_(window), board_(board), picture_(std::move(picture))
{
}

int PictureActions::defaultPngWidth() const
{
    const double pixels = 2 * board_.width() * board_.devicePixelRatioF();
    return std::clamp(static_cast<int>(std::lround(pixels)), kMinPngWidth, kMaxPngWidth);
}

void PictureActions::tell(QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, &window_);
    box.exec();
}

bool PictureActions::hasPicture()
{
    const Picture picture = picture_();
    bool any = picture.board && picture.drawnN != 0;
    if (!picture.board)
        ForEachVisibleCell(picture.form.Shape1, [&](int, const Cell&) { any = true; });
    if (!any) {
        tell(QMessageBox::Information, Program::translate("PictureActions", "Няма картина"),
             Program::translate("PictureActions", "Дъската е празна: изберете n и натиснете „Изведи“."));
    }
    return any;
}

QString PictureActions::chooseFile()
{
    if (!dialog_)
        dialog_ = NewSaveDialog(window_, Program::translate("PictureActions", "Запазване на картината"));
    dialog_->selectFile(SuggestedName(picture_()) + QLatin1Char('.') + dialog_->defaultSuffix());
    if (dialog_->exec() != QDialog::Accepted || dialog_->selectedFiles().isEmpty())
        return {};
    return dialog_->selectedFiles().first();
}

void PictureActions::save()
{
    if (!hasPicture())
        return;
    const QString path = chooseFile();
    if (path.isEmpty())
        return;
    int width = defaultPngWidth();
    if (FormatOfFile(path) == PictureFormat::Png || FormatOfFile(path) == PictureFormat::Gif) {
        QInputDialog ask(&window_);
        ask.setWindowTitle(Program::translate("PictureActions", "Ширина на картината"));
        ask.setLabelText(Program::translate("PictureActions", "Ширина в пиксели:"));
        ask.setInputMode(QInputDialog::IntInput);
        ask.setIntRange(kMinPngWidth, kMaxPngWidth);
        ask.setIntStep(100);
        ask.setIntValue(width);
        if (ask.exec() != QDialog::Accepted)
            return;
        width = ask.intValue();
    }
    Picture picture = picture_();
    picture.look = KindOf(dialog_->selectedNameFilter()).look;
    if (const auto failure = SavePicture(path, picture, width))
        tellNotSaved(Program::translate("PictureActions", "Картината не е запазена"), path, *failure);
}

void PictureActions::tellNotSaved(const QString& title, const QString& path, const WriteFailure& failure)
{
    // Filled, not arg(): a translation may do without the Bulgarian cause
    tell(QMessageBox::Warning, title,
         Filled(Program::translate("PictureActions", "Файлът „%1“ не беше запазен: %2.\n\n(%3)"),
                {QDir::toNativeSeparators(path), failure.cause, failure.systemText}));
}

void PictureActions::saveHandout(Handout handout)
{
    if (!hasPicture())
        return;
    const Picture picture = picture_();
    const Language language = picture.form.language;
    if (picture.further && handout == Handout::Tactile &&
        !FurtherTactileSheet(*picture.further, picture.drawnN, picture.form.language, LocalPaper())) {
        const int largest = LargestTactileN(*picture.further, picture.form.language, LocalPaper());
        tell(QMessageBox::Information, Program::translate("PictureActions", "Няма релефен лист"),
             QString::fromUtf8(Tr(picture.form.language, TextId::TactileTooLarge)) + QString::number(largest) +
                 QLatin1Char('.'));
        return;
    }
    const bool braille = handout == Handout::Tactile || handout == Handout::Braille;
    if (braille && !BrailleWorks(language)) {
        tell(QMessageBox::Warning, Program::translate("PictureActions", "Няма брайл"),
             Program::translate("PictureActions", "Брайлът не може да бъде направен: липсват брайловите таблици на "
                                                  "liblouis. Инсталирайте пакета liblouis-data."));
        return;
    }
    static const char* const kTitles[] = {QT_TRANSLATE_NOOP("PictureActions", "Лист със стъпките"),
                                          QT_TRANSLATE_NOOP("PictureActions", "Работен лист"),
                                          QT_TRANSLATE_NOOP("PictureActions", "Отговори към работния лист"),
                                          QT_TRANSLATE_NOOP("PictureActions", "Релефен лист"),
                                          QT_TRANSLATE_NOOP("PictureActions", "Доказателството на брайл")};
    static const char* const kEndings[] = {"-steps.pdf", "-worksheet.pdf", "-answers.pdf", "-tactile.pdf", ".brf"};
    const auto which = static_cast<std::size_t>(handout);
    const std::span<const FileKind> kinds = handout == Handout::Tactile   ? std::span(kSheetKinds).subspan(0, 2)
                                            : handout == Handout::Braille ? std::span(kSheetKinds).subspan(2, 1)
                                                                          : std::span(kFileKinds).subspan(2, 1);  // PDF
    QPointer<QFileDialog> dialog = NewSaveDialog(window_, Program::translate("PictureActions", kTitles[which]), kinds);
    dialog->selectFile(SuggestedName(picture) + QLatin1String(kEndings[which]));
    const bool chosen = dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty();
    const QString path = chosen ? dialog->selectedFiles().first() : QString();
    delete dialog;
    if (path.isEmpty())
        return;
    QBuffer sheet;
    sheet.open(QIODevice::WriteOnly);
    if (picture.further)
        WriteFurtherHandout(sheet, handout, picture, language, FormatOfFile(path).value_or(PictureFormat::Pdf));
    else if (handout == Handout::Strip)
        WriteStepStrip(sheet, PictureFormat::Pdf, picture.drawnKind, picture.drawnN, language);
    else if (handout == Handout::Tactile)
        WriteTactileSheet(sheet, FormatOfFile(path).value_or(PictureFormat::Pdf), picture.drawnKind, picture.drawnN,
                          language, LocalPaper());
    else if (handout == Handout::Braille)
        sheet.write(ProofBrf(picture.drawnKind, picture.drawnN, language));
    else
        WriteWorksheet(sheet, picture.drawnKind, picture.drawnN, language, handout == Handout::Answers);
    if (const auto failure = SaveWhole(path, sheet.data()))
        tellNotSaved(Program::translate("PictureActions", "Картината не е запазена"), path, *failure);
}

PictureActions::Copied PictureActions::copy()
{
    // In a text box Ctrl+C keeps its meaning.
    if (auto* text = qobject_cast<QPlainTextEdit*>(QApplication::focusWidget())) {
        text->copy();
        return text->textCursor().hasSelection() ? Copied::Text : Copied::Nothing;
    }
    if (!hasPicture())
        return Copied::Nothing;
    const Picture shown = picture_();
    auto* data = new QMimeData;
    data->setImageData(PictureImage(shown, defaultPngWidth()));
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    WritePicture(svg, PictureFormat::Svg, shown);
    data->setData(QStringLiteral("image/svg+xml"), svg.data());
    data->setText(PictureText(shown));
    QApplication::clipboard()->setMimeData(data);
    return Copied::Picture;
}

void PictureActions::print()
{
    if (!hasPicture())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(SuggestedName(picture_()));
    const double margin = kHandoutMarginPoints;
    printer.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Point);
    QPrintDialog dialog(&printer, &window_);
    dialog.setWindowTitle(Program::translate("PictureActions", "Печат на картината"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    printTo(printer);
}

void PictureActions::printTo(QPrinter& printer)
{
    const QString path = printer.outputFileName();
    if (printer.outputFormat() == QPrinter::PdfFormat && !path.isEmpty()) {
        // drawn in memory on the printer's page and written whole: the printer's own
        // file would be cut short on a full disk, the old one lost, and nothing said
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&pdf);
            writer.setPageLayout(printer.pageLayout());
            writer.setResolution(printer.resolution());
            writer.setTitle(printer.docName());
            QPainter painter(&writer);
            PaintOnPage(painter, picture_(), QRectF(0, 0, writer.width(), writer.height()));
        }
        if (const auto failure = SaveWhole(path, pdf.data()))
            tellNotSaved(Program::translate("PictureActions", "Картината не е отпечатана"), path, *failure);
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        tell(QMessageBox::Warning, Program::translate("PictureActions", "Печатът не започна"),
             Program::translate("PictureActions", "Принтерът не прие картината."));
        return;
    }
    PaintOnPage(painter, picture_(), QRectF(0, 0, printer.width(), printer.height()));
}
