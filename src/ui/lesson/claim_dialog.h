// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/texts.h"
#include "identities/further_identity.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// "Where does the proof break?": for the identity on the board, its false claims
// to choose from or the class's own right-hand side typed, each checked as the
// proof goes; the proof's lines and the picture at the first false n, what the
// claim leaves out or adds marked.
class ClaimDialog : public QDialog {
public:
    // Identity `kind` (1..11, the progression for 8); the picture at n (0: where
    // the claim first fails).
    ClaimDialog(QWidget& parent, int kind, Progression progression, int n, Language language);

    // Checks what the claim's box holds and shows it.
    void check();
    // The shown proof, or the one line saying what is wrong with what was typed.
    QString result() const;

private:
    int kind_;
    Progression progression_;
    int n_;
    Language language_;
    QComboBox* claims_;
    QLineEdit* typed_;
    QPlainTextEdit* proof_;
    QLabel* picture_;
};
