// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Seeded random sequences of what a user (or a careless caller) can do, with the
// form's invariants checked after every event. A failure names the seed and the
// events that led to it.
#include "proof_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <sstream>

namespace {

enum class Action { Radio, Select, Show, Clear, OtherButton };

struct Event {
    Action action;
    int value;
};

std::string Describe(const Event& event)
{
    switch (event.action) {
    case Action::Radio: return "radio " + std::to_string(event.value);
    case Action::Select: return "select " + std::to_string(event.value);
    case Action::Show: return "Show";
    case Action::Clear: return "Clear";
    case Action::OtherButton: return "button " + std::to_string(event.value);
    }
    return "?";
}

Event RandomEvent(std::mt19937& random)
{
    const int pick = std::uniform_int_distribution(0, 9)(random);
    if (pick < 2)
        return {Action::Radio, std::uniform_int_distribution(-2, 7)(random)};
    if (pick < 5)
        return {Action::Select, std::uniform_int_distribution(-1, 10)(random)};
    if (pick < 8)
        return {Action::Show, 1};
    if (pick < 9)
        return {Action::Clear, 0};
    return {Action::OtherButton, std::uniform_int_distribution(0, 1)(random) ? -1 : 2};
}

// A radio click turns the button on where there is one and raises its click.
void Apply(Tessalo& form, const Event& event)
{
    switch (event.action) {
    case Action::Radio:
        form.ChooseOption(event.value);
        form.Option1_Click(event.value);
        break;
    case Action::Select: form.List1(0).ListIndex = event.value; break;
    case Action::Show:
    case Action::Clear:
    case Action::OtherButton: form.Command1_Click(event.value); break;
    }
}



// Cells of one size overlap when both their distances are under that size;
// sorted by Top, each cell need only be compared with the rows just above it.
bool AnyOverlap(std::vector<Cell> cells)
{
    std::sort(cells.begin(), cells.end(), [](const Cell& a, const Cell& b) {
        return a.Top < b.Top || (a.Top == b.Top && a.Left < b.Left);
    });
    for (std::size_t i = 0; i < cells.size(); ++i) {
        for (std::size_t j = i; j-- > 0 && cells[i].Top - cells[j].Top < cells[j].Height;) {
            if (Overlap(cells[i], cells[j]))
                return true;
        }
    }
    return false;
}

// Empty when every invariant holds after `event`; otherwise what broke.
std::string Broken(const Tessalo& form, const Event& event, const FormState& before)
{
    if (form.Shape1.Count() != form.CellTotal + 1)
        return "cells other than 1..CellTotal exist";
    for (int i = 0; i <= form.CellTotal; ++i) {
        if (!form.Shape1.Exists(i))
            return "cell " + std::to_string(i) + " is missing";
    }
    std::vector<Cell> visible;
    for (const Cell& cell : Cells(form)) {
        if (!cell.Visible)
            continue;
        if (cell.Left < 120 || cell.Top < 480 || cell.Left + cell.Width > 4560 || cell.Top + cell.Height > 4800)
            return "a cell lies outside the board area";
        visible.push_back(cell);
    }
    if (AnyOverlap(visible))
        return "two cells overlap";
    const auto lines = Lines(form.Text1(0).Text);
    if (!lines.empty() && std::count(lines.begin(), lines.end(), lines[0]) > 1)
        return "the text is doubled";
    if (event.action != Action::Show)
        return {};
    if (before.listIndex < 0)
        return Capture(form) == before ? "" : "Show without a number changed the form";
    const int n = before.listIndex + 1;
    const int count = static_cast<int>(visible.size());
    if (count != Value(form.ProofKind, n) || LastNumber(form.Text1(0).Text) != count)
        return "the count does not match the picture";
    return {};
}

}  // namespace

TEST(RandomEvents, EveryInvariantHoldsAfterEveryEvent)
{
    const char* configured = std::getenv("TESSALO_RANDOM_SEQUENCES");
    const int sequences = configured ? std::atoi(configured) : 10000;
    constexpr int kEvents = 50;
    for (int seed = 1; seed <= sequences; ++seed) {
        std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
        Tessalo form = LoadedForm();
        std::vector<Event> events;
        for (int e = 0; e < kEvents; ++e) {
            events.push_back(RandomEvent(random));
            const FormState before = Capture(form);
            Apply(form, events.back());
            const std::string broken = Broken(form, events.back(), before);
            if (!broken.empty()) {
                std::ostringstream trail;
                for (const auto& event : events)
                    trail << Describe(event) << "; ";
                FAIL() << broken << "\nseed " << seed << ", events: " << trail.str();
            }
        }
    }
}
