#pragma once

#include "app/tessalo.h"

// Puts the form's texts into `to` where they stand: the labels' captions, the
// method text and the quotation, and the words of a proof text. The cells, n and
// the chosen identity stay, so the board shows the same picture.
void SwitchLanguage(Tessalo& form, Language to);
