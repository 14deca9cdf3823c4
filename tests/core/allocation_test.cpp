// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Once the largest picture of every kind has been drawn, drawing and clearing
// pictures reuses the memory it has: no heap allocation per Show or Clear.
// In its own executable, since it replaces the global operator new.
#include "proof_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {

long allocations = 0;

}  // namespace

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

TEST(Allocation, ShowAndClearAllocateNothingOnceWarm)
{
    Tessalo form = LoadedForm();
    for (int kind = 1; kind <= 6; ++kind)
        Show(form, kind, 11);

    const long before = allocations;
    for (int cycle = 0; cycle < 2000; ++cycle) {
        Show(form, cycle % 6 + 1, cycle / 6 % 11 + 1);
        form.Command1_Click(0);
    }
    EXPECT_EQ(allocations - before, 0);
}
