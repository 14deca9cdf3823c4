// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/claim_view.h"

#include "app/in_words.h"
#include "app/shown_form.h"
#include "identities/claim_check.h"
#include "identities/claim_parser.h"
#include "identities/claim_picture.h"
#include "identities/claim_text.h"
#include "identities/identity_picture.h"

#include <algorithm>
#include <stdexcept>

ClaimView ViewClaim(int kind, Progression progression, std::string_view typed, int n, Language language)
{
    ClaimView view;
    const ClaimParse parse = ParseExpression(typed);
    if (!parse.value) {
        view.problem = ClaimProblemText(parse, language);
        return view;
    }
    const SumRule rule = RuleOf(kind, progression);
    ClaimCheck check;
    try {
        check = CheckClaim(rule, *parse.value);
        view.lines = ClaimLines(kind, progression, typed, check, language);
        view.n = std::clamp(n > 0 ? n : std::max(check.firstFalse, 1), 1, rule.maxN);
        const bool further = kind >= kFirstFurtherKind;
        const Tessalo form = ShownForm(further ? 1 : kind, further ? 0 : view.n, language);
        view.board = MarkClaim(further ? DescribeFurtherBoard(form, DescribeFurther(kind, progression), view.n)
                                       : DescribeBoard(form),
                               SumAt(rule, view.n).Numerator(), parse.value->At(view.n));
    } catch (const std::overflow_error&) {
        view = {};
        view.problem = Tr(language, TextId::ClaimTooLarge);
        return view;
    }
    // the verdict, and where the count parts: the last lines
    const std::size_t said = check.firstFalse > 0 ? 2 : 1;
    for (std::size_t i = view.lines.size() - std::min(said, view.lines.size()); i < view.lines.size(); ++i)
        view.spoken += (view.spoken.empty() ? "" : " ") + InWords(view.lines[i], language);
    return view;
}
