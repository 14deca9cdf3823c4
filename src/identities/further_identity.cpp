// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identities/further_identity.h"

FurtherIdentity DescribeFurther(int kind, Progression progression)
{
    switch (kind) {
    case 7: return EvenSum();
    case 8: return ProgressionSum(progression);
    case 9: return PowersOfTwoSum();
    case 10: return CubeSum();
    case 11: return SquareSum();
    default: return {};
    }
}
