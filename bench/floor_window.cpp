// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor to measure the program against: a bare Qt window with the same
// kinds and number of widgets at the same places, the same font and style, and
// no behaviour, no colours, no icon and no painting of its own.
#include "app/fixed_texts.h"
#include "app/layout.h"
#include "first_frame.h"

#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>

namespace {

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect Pixels(const ControlLayout& c)
{
    return {c.left / 15, c.top / 15, c.width / 15, c.height / 15};
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    window.setFont(QFont(Text(kWindowLayout.fontFamily), kWindowLayout.fontPoints));
    window.setFixedSize(kWindowLayout.clientWidth / 15, kWindowLayout.clientHeight / 15);
    (new QWidget(&window))->setGeometry(window.rect());
    QGroupBox* frame = nullptr;
    for (const auto& c : kControls) {
        QWidget* widget = nullptr;
        switch (c.kind) {
        case ControlKind::PushButton: widget = new QPushButton(Text(Tr(Language::bg, c.text)), &window); break;
        case ControlKind::Frame: widget = frame = new QGroupBox(Text(Tr(Language::bg, c.text)), &window); break;
        case ControlKind::OptionButton: widget = new QRadioButton(Text(Tr(Language::bg, c.text)), frame); break;
        case ControlKind::TextBox: widget = new QPlainTextEdit(Text(Tr(Language::bg, c.text)), &window); break;
        case ControlKind::ListBox: {
            auto* list = new QListWidget(&window);
            for (int i = 0; i < kListCount; ++i)
                list->addItem(Text(ListItemText(i)));
            widget = list;
            break;
        }
        case ControlKind::Label:
        case ControlKind::Shape: continue;
        }
        widget->setGeometry(Pixels(c));
    }
    ReportFirstFrame(window);
    window.show();
    return QApplication::exec();
}
