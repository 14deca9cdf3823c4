// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/lesson/progression_dialog.h"

#include "cli/program_texts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

namespace {

// The progression's terms and differences a picture on the board holds.
constexpr int kLargestTerm = 5;

QSpinBox* NewTermBox(QWidget& parent, int value)
{
    auto* box = new QSpinBox(&parent);
    box->setRange(1, kLargestTerm);
    box->setValue(value);
    return box;
}

}  // namespace

std::optional<Progression> AskProgression(QWidget& parent, Progression current)
{
    QDialog dialog(&parent);
    dialog.setWindowTitle(Program::translate("ProgressionDialog", "Аритметична прогресия"));
    auto* form = new QFormLayout(&dialog);
    QSpinBox* first = NewTermBox(dialog, current.a);
    QSpinBox* difference = NewTermBox(dialog, current.d);
    // the labels name the boxes for a screen reader, which would name brackets and a colon;
    // & gives each its Alt key
    form->addRow(Program::translate("ProgressionDialog", "&Първи член a, от 1 до 5"), first);
    form->addRow(Program::translate("ProgressionDialog", "&Разлика d, от 1 до 5"), difference);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return Progression{first->value(), difference->value()};
}
