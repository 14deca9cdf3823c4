// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/lesson/claim_dialog.h"

#include "app/claim_view.h"
#include "app/in_words.h"
#include "app/shown_form.h"
#include "cli/program_texts.h"
#include "identities/claim_check.h"
#include "identities/claim_text.h"
#include "identities/formula_text.h"
#include "picture/picture_export.h"
#include "ui/widgets/text_in_words.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// The longest claim a class types; longer is refused with a line saying so.
constexpr int kLongestClaim = 200;
// The picture's width in the dialog, in the screen's pixels.
constexpr int kPictureWidth = 420;

QString ToQString(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

ClaimDialog::ClaimDialog(QWidget& parent, int kind, Progression progression, int n, Language language)
    : QDialog(&parent), kind_(kind), progression_(progression), n_(n), language_(language)
{
    setWindowTitle(Program::translate("ClaimDialog", "Къде се чупи доказателството?"));
    auto* form = new QFormLayout(this);
    claims_ = new QComboBox(this);
    // each false claim as the proof states it, then the class's own
    for (const std::string& claim : BrokenClaims(kind, progression)) {
        claims_->addItem(ToQString(WrittenLeft(kind, progression, 'n') + " = " + WrittenFormula(claim)),
                         ToQString(claim));
    }
    claims_->addItem(Program::translate("ClaimDialog", "Своето твърдение"), QString());
    // a screen reader reads each claim, and the chosen one with the box's name, in words
    for (int at = 0; at < claims_->count(); ++at)
        claims_->setItemData(at, ToQString(InWords(claims_->itemText(at).toStdString(), language)),
                             Qt::AccessibleTextRole);
    const auto describeChoice = [this](int at) {
        claims_->setAccessibleDescription(claims_->itemData(at, Qt::AccessibleTextRole).toString());
    };
    describeChoice(0);
    connect(claims_, &QComboBox::currentIndexChanged, this, describeChoice);
    typed_ = new QLineEdit(this);
    typed_->setMaxLength(kLongestClaim + 1);  // one more, so that too long is said rather than cut
    typed_->setPlaceholderText(QStringLiteral("n(n+1)/2"));
    auto* checkButton = new QPushButton(Program::translate("ClaimDialog", "&Провери"), this);
    checkButton->setDefault(true);
    proof_ = new QPlainTextEdit(this);
    // read in words before anything is said of it: a screen reader keeps the first reading it is given
    ReadInWords(*proof_, language);
    proof_->setReadOnly(true);
    proof_->setAccessibleName(Program::translate("ClaimDialog", "Доказателство на твърдението"));
    proof_->setMinimumWidth(2 * kPictureWidth);
    picture_ = new QLabel(this);
    picture_->setAccessibleName(Program::translate("ClaimDialog", "Картината на твърдението"));
    // the labels name the boxes for a screen reader, which would name a colon; & gives each its Alt key
    form->addRow(Program::translate("ClaimDialog", "&Твърдение"), claims_);
    form->addRow(Program::translate("ClaimDialog", "&Дясна страна, в n"), typed_);
    form->addRow(checkButton);
    form->addRow(proof_);
    form->addRow(picture_);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    form->addRow(close);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(checkButton, &QPushButton::clicked, this, &ClaimDialog::check);
    connect(claims_, &QComboBox::activated, this, [this](int at) {
        const QString claim = claims_->itemData(at).toString();
        if (claim.isEmpty()) {
            typed_->clear();
            typed_->setFocus();  // the class's own, to type
            return;
        }
        typed_->setText(claim);
        check();
    });
    typed_->setText(claims_->itemData(0).toString());
    check();
}

void ClaimDialog::check()
{
    const ClaimView view = ViewClaim(kind_, progression_, typed_->text().toStdString(), n_, language_);
    // what was checked in words, or the example while the box is empty, heard as the keyboard
    // reaches the box: a reader would name the signs of both («циркумфлекс», «наклонена черта»)
    const QString claim = typed_->text().isEmpty() ? typed_->placeholderText() : typed_->text();
    typed_->setAccessibleDescription(ToQString(InWords(claim.toStdString(), language_)));
    if (!view.problem.empty()) {
        proof_->setPlainText(ToQString(view.problem));
        proof_->setAccessibleDescription(ToQString(view.problem));
        picture_->clear();
        return;
    }
    QString lines;
    for (const std::string& line : view.lines)
        lines += ToQString(line) + QLatin1Char('\n');
    proof_->setPlainText(lines.trimmed());
    // what breaks, said as the keyboard reaches the proof
    proof_->setAccessibleDescription(ToQString(view.spoken));
    const Tessalo form = ShownForm(1, 0, language_);
    Picture picture{form, {}, {}, {}, kind_, view.n};
    picture.board = &view.board;
    picture.text = ToQString(view.lines.front());  // over the picture, with its n
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap = QPixmap::fromImage(PictureImage(picture, qRound(kPictureWidth * ratio)));
    pixmap.setDevicePixelRatio(ratio);
    picture_->setPixmap(pixmap);
    picture_->setAccessibleDescription(ToQString(view.spoken));
}

QString ClaimDialog::result() const
{
    return proof_->toPlainText();
}
