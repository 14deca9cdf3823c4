// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The fixed texts are long Cyrillic strings typed once; these checks catch a
// lost space, line or letter.
#include "app/fixed_texts.h"
#include "app/layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (auto end = text.find("\r\n"); end != std::string_view::npos; end = text.find("\r\n")) {
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 2);
    }
    EXPECT_TRUE(text.empty()) << "text after the last CR LF: " << text;
    return lines;
}

// Code points of UTF-8 text.
std::size_t Characters(std::string_view text)
{
    std::size_t count = 0;
    for (unsigned char byte : text)
        count += (byte & 0xC0) != 0x80;
    return count;
}

}  // namespace

TEST(FixedTexts, QuotationIsThreeLinesOf118Characters)
{
    EXPECT_EQ(Characters(kQuotation), 118u);
    const auto lines = Lines(kQuotation);
    ASSERT_EQ(lines.size(), 3u);
    for (auto line : lines)
        EXPECT_TRUE(line.ends_with(' ')) << line;
    EXPECT_EQ(lines[2], "било. ");
}

TEST(FixedTexts, MethodTextKeepsItsSpacesAndLetters)
{
    const auto lines = Lines(kMethodText);
    ASSERT_EQ(lines.size(), 14u);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].ends_with(' '), i < 6) << "line " << i + 1;
    EXPECT_NE(lines[0].find("включва  следните 3 стъпки: "), std::string_view::npos);
    EXPECT_NE(lines[1].find("n = р, ако р е"), std::string_view::npos) << "Cyrillic р";
    EXPECT_NE(lines[2].find("n = k  (k>p). "), std::string_view::npos) << "Latin p";
    EXPECT_TRUE(lines[6].ends_with("числа"));
    EXPECT_EQ(lines[7], "Тема на проекта: Tessalo чрез графика.");
    EXPECT_EQ(lines[11], "1 + 2 +... + n-1 + n + n-1 +....+ 2 + 1 = n*n");
    EXPECT_EQ(lines[12], "n^2 - (n-1)^2 +(n-2)^2 - (n-3)^2 +...+(-1)^(n-1) = n*(n+1)/2");
}

TEST(Layout, FreeBoardAreaHoldsElevenCellsEachWay)
{
    const auto& list = FindControl("List1", 0);
    const auto& proofText = FindControl("Text1", 0);
    const auto& cell = FindControl("Shape1", 0);
    EXPECT_GE(list.left - 120, 11 * cell.width);
    EXPECT_GE(proofText.top - 480, 11 * cell.height);
}

TEST(Layout, TabIndicesAreDistinct)
{
    std::vector<int> seen;
    for (const auto& control : kControls) {
        if (control.tabIndex < 0)
            continue;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), control.tabIndex), 0)
            << control.name << '(' << control.index << ')';
        seen.push_back(control.tabIndex);
    }
    EXPECT_EQ(seen.size(), 14u);
}
