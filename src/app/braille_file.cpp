// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/braille_file.h"

#include "identities/claim_text.h"
#include "identities/further_argument.h"

#include "app/induction_argument.h"
#include "app/shown_form.h"

#include <string_view>

namespace {

// North American braille ASCII, by the dots' bits (dot 1 is 1, dot 6 is 32).
constexpr std::string_view kBrailleAscii = " A1B'K2L@CIF/MSP\"E3H9O6R^DJG>NTQ,*5<-U8V.%[$+X!&;:4\\0Z7(_?W]#Y)=";
constexpr char32_t kBlank = U'\u2800';
constexpr std::size_t kRunoverIndent = 2;

// Breaks one line at its blank cells; what goes on is indented.
std::vector<std::u32string> Broken(const std::u32string& line)
{
    std::vector<std::u32string> lines;
    std::u32string rest = line;
    while (rest.size() > kBrfCells) {
        std::size_t cut = rest.rfind(kBlank, kBrfCells);
        const bool atBlank = cut != std::u32string::npos && cut > kRunoverIndent;
        if (!atBlank)
            cut = kBrfCells;
        lines.push_back(rest.substr(0, cut));
        rest = std::u32string(kRunoverIndent, kBlank) + rest.substr(atBlank ? cut + 1 : cut);
    }
    lines.push_back(rest);
    return lines;
}

}  // namespace

char BrailleAscii(char32_t cell)
{
    return kBrailleAscii[(static_cast<unsigned>(cell) - 0x2800U) & 0x3FU];
}

char32_t BrailleCell(char ascii)
{
    const std::size_t at = kBrailleAscii.find(ascii);
    return U'\u2800' + static_cast<char32_t>(at == std::string_view::npos ? 0 : at);
}

std::vector<std::string> ProofForBraille(int kind, int n, Language language)
{
    std::vector<std::string> argument;
    for (const ArgumentLine& line : ArgumentLines(kind, n, language).lines)
        argument.push_back(line.text);
    return ProofForBraille(ShownForm(kind, n, language).Text1(0).Text, argument);
}

std::vector<std::string> ProofForBraille(const FurtherIdentity& identity, int n, Language language)
{
    std::vector<std::string> argument;
    for (const ArgumentLine& line : FurtherArgument(identity, n, language).lines)
        argument.push_back(line.text);
    return ProofForBraille(FurtherProofText(identity, n, language), argument);
}

std::vector<std::string> ProofForBraille(const std::string& proof, const std::vector<std::string>& argument)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < proof.size();) {
        const std::size_t end = std::min(proof.find("\r\n", start), proof.size());
        lines.push_back(proof.substr(start, end - start));
        start = end + 2;
    }
    lines.emplace_back();
    lines.insert(lines.end(), argument.begin(), argument.end());
    return lines;
}

std::string BrfPages(const std::vector<std::u32string>& lines)
{
    std::string brf;
    std::size_t onPage = 0;
    for (const std::u32string& line : lines) {
        for (const std::u32string& part : Broken(line)) {
            if (onPage == kBrfLines) {
                brf += '\f';
                onPage = 0;
            }
            for (const char32_t cell : part)
                brf += BrailleAscii(cell);
            brf += "\r\n";
            ++onPage;
        }
    }
    return brf;
}
