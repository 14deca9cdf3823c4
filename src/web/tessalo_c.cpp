// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/tessalo_c.h"

#include "web/page_state.h"

#include "app/board_picture.h"
#include "app/induction_argument.h"
#include "app/lesson.h"
#include "app/picture_walk.h"
#include "app/spoken_result.h"

#include <algorithm>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// The lesson's lists of Shape1 indices go out as they are.
static_assert(std::is_same_v<int, std::int32_t>);

namespace {

std::unique_ptr<Page> g_page;
Language g_language = Language::bg;  // kept by a new form after a run-time error

// Runs one command of the lesson; a run-time error ends the handler and is reported.
template <class Command>
int Run(Command command)
{
    Page& page = ThePage();
    try {
        command(page.lesson);
    } catch (const RuntimeError& error) {
        page.error = error.what();
        return error.Number();
    }
    return 0;
}

// A line the class sees.
const ArgumentLine* Line(int line)
{
    const auto& lines = View().argument.lines;
    return line >= 0 && static_cast<std::size_t>(line) < ThePage().lesson.ShownLines()
               ? &lines[static_cast<std::size_t>(line)]
               : nullptr;
}

const ExploreRow* Row(int row)
{
    const PictureRows& rows = View().rows;
    return row >= 0 && row < static_cast<int>(rows.size()) ? &rows[static_cast<std::size_t>(row)] : nullptr;
}

const ExploreCell* RowCell(int row, int cell)
{
    const ExploreRow* found = Row(row);
    return found && cell >= 0 && cell < static_cast<int>(found->cells.size())
               ? &found->cells[static_cast<std::size_t>(cell)]
               : nullptr;
}

std::uint32_t Rgb(const Colour& colour)
{
    return static_cast<std::uint32_t>(colour.red) << 16 | static_cast<std::uint32_t>(colour.green) << 8 |
           colour.blue;
}

}  // namespace

Page& ThePage()
{
    if (!g_page)
        tessalo_load();
    return *g_page;
}

const LessonView& View()
{
    return ThePage().lesson.View();
}

Language PageLanguage()
{
    return g_language;
}

int ListItems(const BoardPicture& picture)
{
    Page& page = ThePage();
    page.items.clear();
    for (const PictureItem& item : picture.items)
        page.items.push_back({static_cast<std::int32_t>(item.kind), static_cast<float>(item.left),
                              static_cast<float>(item.top), static_cast<float>(item.width),
                              static_cast<float>(item.height), item.shape, Rgb(item.fill), item.filled ? 1 : 0,
                              Rgb(item.line), static_cast<float>(item.lineWidth), item.cell});
    return static_cast<int>(page.items.size());
}

// Keeps words for the page until it asks for other words.
const char* Said(std::string words)
{
    std::string& said = ThePage().said;
    said = std::move(words);
    return said.c_str();
}

extern "C" {

int tessalo_load(void)
{
    g_page = std::make_unique<Page>(g_language);
    return Run([](Lesson& lesson) { lesson.Load(); });
}

int tessalo_choose_kind(int kind)
{
    return Run([kind](Lesson& lesson) { lesson.ChooseIdentity(kind); });
}

int tessalo_choose_further(int kind, int a, int d)
{
    return Run([=](Lesson& lesson) { lesson.ChooseFurther(kind, {a, d}); });
}

const char* tessalo_further_name(int kind)
{
    if (kind == 0)
        return Tr(g_language, TextId::FurtherFormsOwn).data();
    return kind >= kFirstFurtherKind && kind <= kLastFurtherKind ? Tr(g_language, DescribeFurther(kind).name).data()
                                                                 : "";
}

int tessalo_further(void)
{
    const FurtherIdentity* further = ThePage().lesson.Further();
    return further ? further->kind : 0;
}

void tessalo_choose_n(int n)
{
    Run([n](Lesson& lesson) { lesson.ChooseN(n); });
}

int tessalo_show(void)
{
    return Run([](Lesson& lesson) { lesson.Press(1); });
}

int tessalo_clear(void)
{
    return Run([](Lesson& lesson) { lesson.Press(0); });
}

int tessalo_step(int delta)
{
    return Run([delta](Lesson& lesson) { lesson.Step(delta); });
}

int tessalo_set_language(int language)
{
    if (language < 0 || language >= static_cast<int>(kLanguageCount))
        return -1;
    g_language = static_cast<Language>(language);
    if (g_page)
        g_page->lesson.SetLanguage(g_language);
    return 0;
}

int tessalo_language(void)
{
    return static_cast<int>(g_language);
}

int tessalo_kind(void)
{
    const Tessalo& form = ThePage().lesson.Form();
    for (int i = 0; i < form.Option1.Count(); ++i)
        if (form.Option1(i).Value)
            return i;
    return -1;
}

int tessalo_n(void)
{
    return ThePage().lesson.N();
}

int tessalo_drawn_kind(void)
{
    return ThePage().lesson.DrawnPicture().kind - 1;
}

int tessalo_drawn_n(void)
{
    return ThePage().lesson.DrawnPicture().n;
}

int tessalo_cell_count(void)
{
    Page& page = ThePage();
    const auto& framed = View().framed;
    const auto& hidden = page.lesson.Hidden();
    const auto cellOf = [&](int i, double left, double top, double width, double height, Colour fill,
                            std::int16_t shape, bool visible) {
        const bool added = std::binary_search(framed.begin(), framed.end(), i);
        const bool held = std::binary_search(hidden.begin(), hidden.end(), i);
        page.cells.push_back({i, static_cast<float>(left), static_cast<float>(top), static_cast<float>(width),
                              static_cast<float>(height), Rgb(fill), shape, visible && !held ? 1 : 0, added ? 1 : 0});
    };
    page.cells.clear();
    if (page.lesson.Further()) {
        // the board's cells, beside the form's, which stay as they are beneath
        for (const PictureItem& item : page.lesson.Board().items) {
            if (item.kind == PictureItemKind::Cell)
                cellOf(item.cell, item.left, item.top, item.width, item.height, item.fill, item.shape, true);
        }
        return static_cast<int>(page.cells.size());
    }
    const ShapeArray& shapes = page.lesson.Form().Shape1;
    for (int i = 0; static_cast<int>(page.cells.size()) < shapes.Count(); ++i) {
        if (!shapes.Exists(i))
            continue;
        const Cell& cell = shapes(i);
        cellOf(i, cell.Left, cell.Top, cell.Width, cell.Height, cell.BackColor, cell.Shape, cell.Visible);
    }
    return static_cast<int>(page.cells.size());
}

const TessaloCell* tessalo_cells(void)
{
    return ThePage().cells.data();
}

int tessalo_picture(int line)
{
    Page& page = ThePage();
    const ArgumentLine* ringed = Line(line);
    const std::vector<int> none;
    return ListItems(page.lesson.Board({View().framed, page.lesson.Hidden(), ringed ? ringed->cells : none,
                                        ringed && ringed->role == ArgumentRole::NewTerm}));
}

const TessaloItem* tessalo_picture_items(void)
{
    return ThePage().items.data();
}

const char* tessalo_picture_stem(void)
{
    Page& page = ThePage();
    page.stem = PictureFileStem(page.lesson.DrawnPicture().kind, page.lesson.DrawnPicture().n);
    return page.stem.c_str();
}

const char* tessalo_proof_text(void)
{
    return ThePage().lesson.ProofText().c_str();
}

const char* tessalo_spoken(void)
{
    return View().spoken.c_str();
}

const char* tessalo_spoken_whole(void)
{
    const LessonView& view = View();
    return (view.whole.empty() ? view.spoken : view.whole).c_str();
}

const char* tessalo_error(void)
{
    return ThePage().error.c_str();
}

void tessalo_set_predicting(int on)
{
    ThePage().lesson.SetPredicting(on != 0);
}

int tessalo_waiting(void)
{
    return ThePage().lesson.Waiting() ? 1 : 0;
}

void tessalo_reveal(int guess)
{
    ThePage().lesson.Reveal(guess);
}

const char* tessalo_note(void)
{
    return ThePage().lesson.Note().c_str();
}

int tessalo_shows_argument(int chosen)
{
    return ThePage().lesson.ShowsArgument(chosen != 0) ? 1 : 0;
}

int tessalo_argument_count(void)
{
    return static_cast<int>(ThePage().lesson.ShownLines());
}

const char* tessalo_argument_text(int line)
{
    const ArgumentLine* found = Line(line);
    return found ? found->text.c_str() : "";
}

const char* tessalo_argument_spoken(int line)
{
    const ArgumentLine* found = Line(line);
    return found ? found->spoken.c_str() : "";
}

int tessalo_argument_role(int line)
{
    const ArgumentLine* found = Line(line);
    return found ? static_cast<int>(found->role) : -1;
}

int tessalo_argument_cell_count(int line)
{
    const ArgumentLine* found = Line(line);
    return found ? static_cast<int>(found->cells.size()) : 0;
}

const int32_t* tessalo_argument_cells(int line)
{
    const ArgumentLine* found = Line(line);
    return found ? found->cells.data() : nullptr;
}

const char* tessalo_argument_plain(void)
{
    Page& page = ThePage();
    page.argumentText = ArgumentText(page.lesson.View().argument);
    return page.argumentText.c_str();
}

void tessalo_set_line_by_line(int on)
{
    ThePage().lesson.SetLineByLine(on != 0);
}

int tessalo_next_line(void)
{
    return ThePage().lesson.NextLine() ? 1 : 0;
}

int tessalo_build_count(void)
{
    return static_cast<int>(View().buildOrder.size());
}

const int32_t* tessalo_build_order(void)
{
    return View().buildOrder.data();
}

int tessalo_explore_row_count(void)
{
    return static_cast<int>(View().rows.size());
}
const char* tessalo_explore_row_words(int row)
{
    const ExploreRow* found = Row(row);
    return Said(found ? RowWords(*found) : std::string());
}

int tessalo_explore_cell_count(int row)
{
    const ExploreRow* found = Row(row);
    return found ? static_cast<int>(found->cells.size()) : 0;
}

const char* tessalo_explore_cell_words(int row, int cell)
{
    const ExploreCell* found = RowCell(row, cell);
    return Said(found ? CellWords(*Row(row), static_cast<std::size_t>(cell)) : std::string());
}

int32_t tessalo_explore_cell_index(int row, int cell)
{
    const ExploreCell* found = RowCell(row, cell);
    return found ? found->index : -1;
}

int32_t tessalo_explore_cell_added(int row, int cell)
{
    const ExploreCell* found = RowCell(row, cell);
    return found && found->added ? 1 : 0;
}

int tessalo_explore_start(void)
{
    Page& page = ThePage();
    page.walk.SetRows(page.lesson.View().rows);
    return static_cast<int>(page.walk.Rows().size());
}

const char* tessalo_explore_press(int key)
{
    if (key < 0 || key > static_cast<int>(WalkKey::Diagonals))
        return Said({});
    return Said(ThePage().walk.Press(static_cast<WalkKey>(key)));
}

const char* tessalo_explore_here(void)
{
    return Said(ThePage().walk.Here());
}

int32_t tessalo_explore_cursor(void)
{
    return ThePage().walk.CellIndex();
}

}  // extern "C"
