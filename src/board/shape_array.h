// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "board/cell.h"

#include <cstddef>
#include <vector>

// The control array of cells. Element 0 is the template, loaded at design time;
// every other element is loaded as a hidden copy of the template's current state
// and lives until it is unloaded. Addressing an element that is not loaded is an error.
// A reference to an element does not survive a Load.
class ShapeArray {
public:
    explicit ShapeArray(const Cell& design);

    // Here, not out of line: every walk over the cells calls them for each cell.
    Cell& operator()(int index)
    {
        if (!Exists(index))
            ElementMissing(index);
        return slots_[static_cast<std::size_t>(index)].cell;
    }
    const Cell& operator()(int index) const
    {
        if (!Exists(index))
            ElementMissing(index);
        return slots_[static_cast<std::size_t>(index)].cell;
    }

    // Loaded elements, the template included.
    int Count() const { return count_; }
    bool Exists(int index) const
    {
        return index >= 0 && index < static_cast<int>(slots_.size()) && slots_[static_cast<std::size_t>(index)].loaded;
    }
    // One past the highest index that can be loaded now: loops over the
    // elements stop here, whatever Count() says.
    int End() const { return static_cast<int>(slots_.size()); }

    void Load(int index);
    void Unload(int index);

private:
    [[noreturn]] static void ElementMissing(int index);

    struct Slot {
        Cell cell;
        bool loaded = false;
    };
    std::vector<Slot> slots_;  // keeps its capacity, so a redrawn picture allocates nothing
    int count_ = 1;
};
