// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where does the proof break, on the page: the false claims of the identity the
// form or the board has chosen, and a claim the class types, checked by the
// same core calls as the window's dialog.
#include "web/tessalo_c.h"

#include "web/page_state.h"

#include "app/claim_view.h"
#include "app/in_words.h"
#include "identities/claim_check.h"
#include "identities/claim_text.h"
#include "identities/formula_text.h"

#include <string>

namespace {

std::vector<std::string> Claims()
{
    const Lesson::Claimed claimed = ThePage().lesson.ClaimedIdentity();
    return claimed.kind >= 1 ? BrokenClaims(claimed.kind, claimed.progression) : std::vector<std::string>();
}

// Claim `claim` of the identity the claims are checked against, as the proof states it; "" for none.
std::string Statement(int claim)
{
    const std::vector<std::string> claims = Claims();
    if (claim < 0 || claim >= static_cast<int>(claims.size()))
        return {};
    const Lesson::Claimed claimed = ThePage().lesson.ClaimedIdentity();
    return WrittenLeft(claimed.kind, claimed.progression, 'n') + " = " +
           WrittenFormula(claims[static_cast<std::size_t>(claim)]);
}

const char* Kept(std::string text)
{
    ThePage().claimText = std::move(text);
    return ThePage().claimText.c_str();
}

}  // namespace

extern "C" {

int tessalo_claim_count(void)
{
    return static_cast<int>(Claims().size());
}

const char* tessalo_claim_typed(int claim)
{
    const std::vector<std::string> claims = Claims();
    return Kept(claim >= 0 && claim < static_cast<int>(claims.size()) ? claims[static_cast<std::size_t>(claim)] : "");
}

const char* tessalo_claim_statement(int claim)
{
    return Kept(Statement(claim));
}

const char* tessalo_claim_statement_words(int claim)
{
    return Kept(InWords(Statement(claim), PageLanguage()));
}

int tessalo_check_claim(const char* typed)
{
    const Lesson::Claimed claimed = ThePage().lesson.ClaimedIdentity();
    Page& page = ThePage();
    page.claim = claimed.kind >= 1 ? ViewClaim(claimed.kind, claimed.progression, typed ? typed : "", 0, PageLanguage())
                                   : ClaimView{};
    return page.claim.problem.empty() ? ListItems(page.claim.board) : ListItems({});
}

const char* tessalo_claim_text(void)
{
    const ClaimView& claim = ThePage().claim;
    if (!claim.problem.empty())
        return claim.problem.c_str();
    std::string text;
    for (const std::string& line : claim.lines)
        text += line + '\n';
    return Kept(text);
}

const char* tessalo_claim_words(void)
{
    const ClaimView& claim = ThePage().claim;
    if (!claim.problem.empty())
        return Kept(InWords(claim.problem, PageLanguage()));
    std::string text;
    for (const std::string& line : claim.lines)
        text += line + '\n';
    return Kept(InWordsByLine(text, PageLanguage()));
}

const char* tessalo_claim_spoken(void)
{
    const ClaimView& claim = ThePage().claim;
    return claim.problem.empty() ? claim.spoken.c_str() : claim.problem.c_str();
}

}  // extern "C"
