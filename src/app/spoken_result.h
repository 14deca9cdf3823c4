#pragma once

#include "app/tessalo.h"

#include <string>

// The commands after which a screen reader is told what the board shows.
enum class Spoken { Show, StepUp, StepDown, Clear };

// One Bulgarian sentence (UTF-8) about `form` right after `what`: the identity, n,
// the arrangement and meaningful colours, the sum and the number of cells; after a
// step, with `before` the form as it was, how many cells the step added or removed,
// and after a step up to n >= 2 its arithmetic in words ("10 плюс 5 прави 15, ...").
std::string SpokenResult(Spoken what, const Tessalo& form, const Tessalo* before = nullptr);

// The same after a step, with `changed` the number of cells it added or removed
// already counted.
std::string SpokenAfterStep(Spoken what, const Tessalo& form, std::size_t changed);
