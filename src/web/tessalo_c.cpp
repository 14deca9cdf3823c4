#include "web/tessalo_c.h"

#include "app/form_language.h"
#include "app/induction_step.h"
#include "app/lesson_step.h"
#include "app/prediction.h"
#include "app/tessalo.h"

#include <algorithm>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// The lesson's lists of Shape1 indices go out as they are.
static_assert(std::is_same_v<int, std::int32_t>);

namespace {

struct Page {
    explicit Page(Language language) : form(language) {}
    Tessalo form;
    std::vector<TessaloCell> cells;
    LessonView lesson;  // what the page shows beyond the form after the last event
    std::string argumentText;
    std::string error;
    std::string said;  // the last row's or cell's words asked for
    // predicting: while a step up waits for the class's guess, `lesson` is what the
    // class sees and `full` what the step did; the board leaves out `hidden`
    bool predicting = false;
    bool waiting = false;
    LessonView full;
    std::vector<int> hidden;
    std::string textBefore;  // the proof text the class still sees
    std::string note;        // the reveal's verdict
    // the last event as the lesson step saw it, to tell its view again in another language
    LessonCommand command = LessonCommand::Choice;
    int nBefore = 0;
    LessonView previous;
    bool failed = false;
    bool revealed = false;
    long guess = -1;
};

std::unique_ptr<Page> g_page;
Language g_language = Language::bg;  // kept by a new form after a run-time error

Page& ThePage()
{
    if (!g_page)
        tessalo_load();
    return *g_page;
}

// Runs one event as the window does, then takes what the page shows after it
// from the lesson step; a run-time error ends the handler, is reported, and
// leaves nothing framed, said or argued.
template <class Handler>
int Run(LessonCommand command, Handler handler)
{
    Page& page = ThePage();
    const int nBefore = page.form.List1(0).ListIndex + 1;
    if (page.predicting)
        page.textBefore = page.form.Text1(0).Text;
    page.waiting = false;
    page.hidden.clear();
    page.note.clear();
    page.revealed = false;
    page.command = command;
    page.nBefore = nBefore;
    page.previous = page.lesson;
    page.failed = false;
    try {
        handler(page.form);
    } catch (const RuntimeError& error) {
        page.lesson = {};
        page.argumentText.clear();
        page.error = error.what();
        page.failed = true;
        return error.Number();
    }
    page.lesson = LessonStep(page.form, command, nBefore, page.lesson);
    if (page.predicting && WaitsForGuess(page.form, command, page.lesson)) {
        HeldBack held = HoldBack(page.form, page.lesson);
        page.full = std::move(page.lesson);
        page.lesson = std::move(held.view);
        page.hidden = std::move(held.hidden);
        page.waiting = true;
    }
    page.argumentText = ArgumentText(page.lesson.argument);
    return 0;
}

// Shows what the waiting step did, with whether `guess` (negative: none) was right.
void RevealStep(Page& page, long guess)
{
    if (!page.waiting)
        return;
    const Revealed revealed = Reveal(page.form, page.full, guess);
    page.waiting = false;
    page.hidden.clear();
    page.lesson = std::move(page.full);
    page.lesson.spoken = revealed.spoken;
    page.note = revealed.shown;
    page.revealed = true;
    page.guess = guess;
    page.argumentText = ArgumentText(page.lesson.argument);
}

// The view of the last event again, in the form's language now: the same frames,
// what waits and the verdict, in other words.
void Retell(Page& page)
{
    if (page.failed)
        return;
    LessonView view = LessonStep(page.form, page.command, page.nBefore, page.previous);
    view.buildOrder.clear();  // nothing is built again
    if (page.waiting) {
        page.lesson = HoldBack(page.form, view).view;
        page.full = std::move(view);
    } else if (page.revealed) {
        const Revealed revealed = Reveal(page.form, view, page.guess);
        page.lesson = std::move(view);
        page.lesson.spoken = revealed.spoken;
        page.note = revealed.shown;
    } else {
        page.lesson = std::move(view);
    }
    page.argumentText = ArgumentText(page.lesson.argument);
}

const ArgumentLine* Line(int line)
{
    const auto& lines = ThePage().lesson.argument.lines;
    return line >= 0 && line < static_cast<int>(lines.size()) ? &lines[static_cast<std::size_t>(line)] : nullptr;
}

const ExploreRow* Row(int row)
{
    const PictureRows& rows = ThePage().lesson.rows;
    return row >= 0 && row < static_cast<int>(rows.size()) ? &rows[static_cast<std::size_t>(row)] : nullptr;
}

const ExploreCell* RowCell(int row, int cell)
{
    const ExploreRow* found = Row(row);
    return found && cell >= 0 && cell < static_cast<int>(found->cells.size())
               ? &found->cells[static_cast<std::size_t>(cell)]
               : nullptr;
}

// Keeps words for the page until it asks for other words.
const char* Said(std::string words)
{
    std::string& said = ThePage().said;
    said = std::move(words);
    return said.c_str();
}

std::uint32_t Rgb(const Colour& colour)
{
    return static_cast<std::uint32_t>(colour.red) << 16 | static_cast<std::uint32_t>(colour.green) << 8 |
           colour.blue;
}

}  // namespace

extern "C" {

int tessalo_load(void)
{
    g_page = std::make_unique<Page>(g_language);
    return Run(LessonCommand::Choice, [](Tessalo& form) { form.Form_Load(); });
}

int tessalo_choose_kind(int kind)
{
    return Run(LessonCommand::IdentityChoice, [kind](Tessalo& form) { form.ChooseOption(kind); });
}

void tessalo_choose_n(int n)
{
    Run(LessonCommand::Choice, [n](Tessalo& form) {
        ListBox& list = form.List1(0);
        list.ListIndex = n >= 1 && n <= list.ListCount() ? n - 1 : -1;
    });
}

int tessalo_show(void)
{
    return Run(LessonCommand::Show, [](Tessalo& form) { form.Command1_Click(1); });
}

int tessalo_clear(void)
{
    return Run(LessonCommand::Clear, [](Tessalo& form) { form.Command1_Click(0); });
}

int tessalo_step(int delta)
{
    Page& page = ThePage();
    if (page.waiting && delta > 0) {
        RevealStep(page, -1);  // the teacher's PageDown: first what this step added
        return 0;
    }
    return Run(delta > 0 ? LessonCommand::StepUp : LessonCommand::StepDown,
               [delta](Tessalo& form) { StepN(form, delta); });
}

int tessalo_set_language(int language)
{
    if (language < 0 || language >= static_cast<int>(kLanguageCount))
        return -1;
    g_language = static_cast<Language>(language);
    if (!g_page)
        return 0;
    Page& page = *g_page;
    // the proof text the class still sees is the one before the step, in the new words too
    if (page.waiting)
        page.textBefore = TextInLanguage(std::move(page.textBefore), 0, page.form.language, g_language);
    SwitchLanguage(page.form, g_language);
    Retell(page);
    return 0;
}

int tessalo_language(void)
{
    return static_cast<int>(g_language);
}

int tessalo_kind(void)
{
    const Tessalo& form = ThePage().form;
    for (int i = 0; i < form.Option1.Count(); ++i)
        if (form.Option1(i).Value)
            return i;
    return -1;
}

int tessalo_n(void)
{
    return ThePage().form.List1(0).ListIndex + 1;
}

int tessalo_cell_count(void)
{
    Page& page = ThePage();
    const ShapeArray& shapes = page.form.Shape1;
    page.cells.clear();
    for (int i = 0; static_cast<int>(page.cells.size()) < shapes.Count(); ++i) {
        if (!shapes.Exists(i))
            continue;
        const Cell& cell = shapes(i);
        const auto& framed = page.lesson.framed;
        const bool added = std::binary_search(framed.begin(), framed.end(), i);
        const bool held = std::binary_search(page.hidden.begin(), page.hidden.end(), i);
        page.cells.push_back({i, cell.Left, cell.Top, cell.Width, cell.Height, Rgb(cell.BackColor), cell.Shape,
                              cell.Visible && !held ? 1 : 0, added ? 1 : 0});
    }
    return static_cast<int>(page.cells.size());
}

const TessaloCell* tessalo_cells(void)
{
    return ThePage().cells.data();
}

const char* tessalo_proof_text(void)
{
    const Page& page = ThePage();
    return (page.waiting ? page.textBefore : page.form.Text1(0).Text).c_str();
}

const char* tessalo_spoken(void)
{
    return ThePage().lesson.spoken.c_str();
}

const char* tessalo_error(void)
{
    return ThePage().error.c_str();
}

void tessalo_set_predicting(int on)
{
    Page& page = ThePage();
    page.predicting = on != 0;
    if (!page.predicting)
        RevealStep(page, -1);
}

int tessalo_waiting(void)
{
    return ThePage().waiting ? 1 : 0;
}

void tessalo_reveal(int guess)
{
    RevealStep(ThePage(), guess);
}

const char* tessalo_note(void)
{
    return ThePage().note.c_str();
}

int tessalo_argument_count(void)
{
    return static_cast<int>(ThePage().lesson.argument.lines.size());
}

const char* tessalo_argument_text(int line)
{
    const ArgumentLine* found = Line(line);
    return found ? found->text.c_str() : "";
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
    return ThePage().argumentText.c_str();
}

int tessalo_build_count(void)
{
    return static_cast<int>(ThePage().lesson.buildOrder.size());
}

const int32_t* tessalo_build_order(void)
{
    return ThePage().lesson.buildOrder.data();
}

int tessalo_explore_row_count(void)
{
    return static_cast<int>(ThePage().lesson.rows.size());
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

int tessalo_explore_nearest(int row, int from, int cell)
{
    const ExploreRow* target = Row(row);
    const ExploreCell* start = RowCell(from, cell);
    return target && start ? static_cast<int>(NearestCell(*target, start->left)) : 0;
}

}  // extern "C"
