// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/shape_array.h"

#include "runtime/runtime_error.h"

#include <string>

void ShapeArray::ElementMissing(int index)
{
    throw RuntimeError(RuntimeError::kElementMissing,
                       "Control array element '" + std::to_string(index) + "' doesn't exist");
}

ShapeArray::ShapeArray(const Cell& design)
{
    slots_.push_back({design, true});
}

void ShapeArray::Load(int index)
{
    if (index < 0)
        ElementMissing(index);
    if (Exists(index))
        throw RuntimeError(RuntimeError::kAlreadyLoaded, "Object already loaded");
    if (index >= static_cast<int>(slots_.size()))
        slots_.resize(index + 1);
    Cell copy = slots_[0].cell;
    copy.Visible = false;
    slots_[index] = {copy, true};
    ++count_;
}

void ShapeArray::Unload(int index)
{
    if (index == 0)
        throw RuntimeError(RuntimeError::kDesignTimeControl,
                           "Can't unload controls created at design time");
    if (!Exists(index))
        ElementMissing(index);
    slots_[index].loaded = false;
    --count_;
    while (!slots_.back().loaded)
        slots_.pop_back();
}
