// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Show for every kind at n = 1 and n = 11 on a loaded form (each Show clears the
// picture before it), Clear after the largest picture of each kind, and the step
// from n = 10 to 11: the cells it added, the sentence a screen reader speaks and
// the whole lesson step after it and after Show (frames, sentence, argument, build-up,
// rows), and the picture's rows and cells in words after it. Beside them, Show of the
// largest picture of each identity beside the form's six, as the board's cells, and a
// typed claim checked: read, its base and step, and the lines that say where it breaks.
#include "app/induction_step.h"
#include "app/lesson_step.h"
#include "app/picture_rows.h"
#include "app/spoken_result.h"
#include "app/tessalo.h"
#include "identities/claim_check.h"
#include "identities/claim_parser.h"
#include "identities/claim_text.h"
#include "identities/identity_picture.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <utility>

namespace {

Tessalo FormFor(int kind, int n)
{
    Tessalo form;
    form.Form_Load();
    form.ChooseOption(kind - 1);
    form.List1(0).ListIndex = n - 1;
    return form;
}

void Show(benchmark::State& state)
{
    Tessalo form = FormFor(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        form.Command1_Click(1);
        benchmark::DoNotOptimize(form.CellTotal);
    }
}

// Only the Clear is timed; the picture before it is drawn off the clock.
void ClearAfterEleven(benchmark::State& state)
{
    Tessalo form = FormFor(static_cast<int>(state.range(0)), 11);
    for (auto _ : state) {
        form.List1(0).ListIndex = 10;
        form.Command1_Click(1);
        const auto start = std::chrono::steady_clock::now();
        form.Command1_Click(0);
        const auto stop = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(form.CellTotal);
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
}

// The pictures for n = 10 and n = 11 of one kind, the second stepped to from the first.
std::pair<Tessalo, Tessalo> StepToEleven(int kind)
{
    Tessalo previous = FormFor(kind, 10);
    previous.Command1_Click(1);
    Tessalo form = previous;
    StepN(form, +1);
    return {previous, form};
}

void AddedCellsToEleven(benchmark::State& state)
{
    const auto [previous, form] = StepToEleven(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(AddedCells(previous, form));
}

// The longest sentence: after a step up, with what the step added.
void SpokenStepToEleven(benchmark::State& state)
{
    const auto [previous, form] = StepToEleven(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(SpokenResult(Spoken::StepUp, form, &previous));
}

// The rows and cell words a blind pupil explores after the step up to 11.
void ExploreRowsAtEleven(benchmark::State& state)
{
    const auto [previous, form] = StepToEleven(static_cast<int>(state.range(0)));
    const std::vector<int> added = AddedCells(previous, form);
    for (auto _ : state) {
        const PictureRows rows = ExploreRows(form, added);
        for (const ExploreRow& row : rows) {
            benchmark::DoNotOptimize(RowWords(row));
            for (std::size_t cell = 0; cell < row.cells.size(); ++cell)
                benchmark::DoNotOptimize(CellWords(row, cell));
        }
    }
}

// command 0: Show at n = 11, which orders the whole build-up; 2: the step up to 11.
void LessonStepAtEleven(benchmark::State& state)
{
    const auto command = static_cast<LessonCommand>(state.range(1));
    const auto [previous, form] = StepToEleven(static_cast<int>(state.range(0)));
    const LessonView before;
    for (auto _ : state)
        benchmark::DoNotOptimize(LessonStep(form, command, command == LessonCommand::Show ? 11 : 10, before));
}

}  // namespace

BENCHMARK(Show)->ArgNames({"kind", "n"})->ArgsProduct({{1, 2, 3, 4, 5, 6}, {1, 11}});
BENCHMARK(ClearAfterEleven)->ArgName("kind")->DenseRange(1, 6)->UseManualTime()->Iterations(20000);
// The picture of identity `kind` (7..11) at its largest n: its cells and where they
// lie, as Show lays out the form's cells; and the same as the board a front end draws.
void FurtherShowLargest(benchmark::State& state)
{
    const FurtherIdentity identity = DescribeFurther(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(identity.cells(identity.maxN));
}

void FurtherBoardLargest(benchmark::State& state)
{
    Tessalo form;
    form.Form_Load();
    const FurtherIdentity identity = DescribeFurther(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(DescribeFurtherBoard(form, identity, identity.maxN));
}

void CheckTypedClaim(benchmark::State& state)
{
    const std::string typed = "n(n+1)(2n+1)/6 + (n-1)(n-2)(n-3)/6";
    for (auto _ : state) {
        const ClaimCheck check = CheckClaim(RuleOf(11), *ParseExpression(typed).value);
        benchmark::DoNotOptimize(ClaimLines(11, {}, typed, check, Language::bg));
    }
}

BENCHMARK(FurtherShowLargest)->ArgName("kind")->DenseRange(7, 11);
BENCHMARK(FurtherBoardLargest)->ArgName("kind")->DenseRange(7, 11);
BENCHMARK(CheckTypedClaim);
BENCHMARK(AddedCellsToEleven)->ArgName("kind")->DenseRange(1, 6);
BENCHMARK(SpokenStepToEleven)->ArgName("kind")->DenseRange(1, 6);
BENCHMARK(ExploreRowsAtEleven)->ArgName("kind")->DenseRange(1, 6);
BENCHMARK(LessonStepAtEleven)
    ->ArgNames({"kind", "command"})
    ->ArgsProduct({{1, 2, 3, 4, 5, 6}, {static_cast<int>(LessonCommand::Show), static_cast<int>(LessonCommand::StepUp)}});
