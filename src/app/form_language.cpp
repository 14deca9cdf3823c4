// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form_language.h"

#include "app/layout.h"

namespace {

// Every line of `text` that starts with `from` starts with `to` instead: the
// proofs write their words only at the start of a line, the figures after them.
void ReplaceLineStarts(std::string& text, std::string_view from, std::string_view to)
{
    for (std::size_t line = 0; line < text.size();) {
        if (text.compare(line, from.size(), from) == 0)
            text.replace(line, from.size(), to);
        const std::size_t end = text.find('\n', line);
        if (end == std::string::npos)
            break;
        line = end + 1;
    }
}

}  // namespace

std::string TextInLanguage(std::string text, int box, Language from, Language to)
{
    const TextId fixed = FindControl("Text1", box).text;
    if (text == Tr(from, fixed))
        return std::string(Tr(to, fixed));
    for (const TextId word : {TextId::ProofHead, TextId::ProofTotal})
        ReplaceLineStarts(text, Tr(from, word), Tr(to, word));
    return text;
}

void SwitchLanguage(Tessalo& form, Language to)
{
    const Language from = form.language;
    if (from == to)
        return;
    form.language = to;
    for (int i = 0; i < form.Label1.Count(); ++i)
        form.Label1(i).Caption = Tr(to, FindControl("Label1", i).text);
    for (int i = 0; i < form.Text1.Count(); ++i)
        form.Text1(i).Text = TextInLanguage(std::move(form.Text1(i).Text), i, from, to);
}
