// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/layout.h"

#include <algorithm>
#include <cassert>

namespace {

constexpr Colour kGreen{0, 255, 0};
constexpr Colour kOrange{255, 192, 128};
constexpr Colour kLilac{128, 128, 255};
constexpr Colour kPaleGreen{192, 255, 192};

using enum ControlKind;

}  // namespace

const WindowLayout kWindowLayout{
    8190, 6930, kLilac, TextId::WindowCaption, "Times New Roman", 12,
};

const std::array<ControlLayout, 15> kControls{{
    {"Command1", 1, PushButton, 5760, 1080, 1455, 375, kGreen, 11, TextId::ShowButton, false},
    {"Frame1", 0, Frame, 4560, 2400, 3495, 2295, kLilac, 6, TextId::FrameCaption, false},
    {"Option1", 5, OptionButton, 120, 1800, 3255, 300, kOrange, 13, TextId::OptionDifference, true},
    {"Option1", 4, OptionButton, 120, 1500, 3255, 300, kOrange, 12, TextId::OptionPyramid, true},
    {"Option1", 1, OptionButton, 120, 600, 3255, 300, kOrange, 10, TextId::OptionProgression, true},
    {"Option1", 2, OptionButton, 120, 900, 3255, 300, kOrange, 9, TextId::OptionNatural, true},
    {"Option1", 3, OptionButton, 120, 1200, 3255, 300, kOrange, 8, TextId::OptionOdd, true},
    {"Option1", 0, OptionButton, 120, 300, 3255, 300, kOrange, 7, TextId::OptionFirstNumbers, true},
    {"Command1", 0, PushButton, 5760, 1800, 1455, 375, kGreen, 4, TextId::ClearButton, false},
    {"List1", 0, ListBox, 4560, 840, 855, 1485, std::nullopt, 3, TextId::None, false},
    {"Text1", 1, TextBox, 2520, 5520, 6735, 1815, std::nullopt, 1, TextId::Quotation, false},
    {"Text1", 0, TextBox, 120, 4800, 7935, 2055, std::nullopt, 0, TextId::MethodText, false},
    {"Label1", 1, Label, 4560, 480, 855, 375, kOrange, 5, TextId::CountLabel, false},
    {"Shape1", 0, Shape, 2280, 600, 375, 375, kPaleGreen, -1, TextId::None, false},
    {"Label1", 0, Label, 1200, 0, 5535, 375, kOrange, 2, TextId::TitleLabel, false},
}};

const ControlLayout& FindControl(std::string_view name, int index)
{
    const auto found = std::find_if(kControls.begin(), kControls.end(), [&](const auto& control) {
        return control.name == name && control.index == index;
    });
    assert(found != kControls.end());
    return *found;
}

std::string_view ListItemText(int position)
{
    static constexpr std::array<std::string_view, kListCount> kItems{
        "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
    return kItems.at(position);
}
