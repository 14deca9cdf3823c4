#include "web/tessalo_c.h"

#include "app/induction_step.h"
#include "app/spoken_result.h"
#include "app/tessalo.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Page {
    Tessalo form;
    std::vector<TessaloCell> cells;
    std::vector<int> added;
    std::string spoken;
    std::string error;
};

std::unique_ptr<Page> g_page;

Page& ThePage()
{
    if (!g_page)
        tessalo_load();
    return *g_page;
}

// Runs one event as the window does: a run-time error ends the handler and is reported.
template <class Handler>
int Run(Handler handler)
{
    Page& page = ThePage();
    page.added.clear();
    try {
        handler(page);
    } catch (const RuntimeError& error) {
        page.error = error.what();
        return error.Number();
    }
    return 0;
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
    g_page = std::make_unique<Page>();
    return Run([](Page& page) { page.form.Form_Load(); });
}

int tessalo_choose_kind(int kind)
{
    return Run([kind](Page& page) { page.form.ChooseOption(kind); });
}

void tessalo_choose_n(int n)
{
    Page& page = ThePage();
    page.added.clear();  // the marks last until the next action, and this is one
    ListBox& list = page.form.List1(0);
    list.ListIndex = n >= 1 && n <= list.ListCount() ? n - 1 : -1;
}

int tessalo_show(void)
{
    return Run([](Page& page) {
        page.form.Command1_Click(1);
        page.spoken = SpokenResult(Spoken::Show, page.form);
    });
}

int tessalo_clear(void)
{
    return Run([](Page& page) {
        page.form.Command1_Click(0);
        page.spoken = SpokenResult(Spoken::Clear, page.form);
    });
}

int tessalo_step(int delta)
{
    const std::vector<int> framed = ThePage().added;
    return Run([delta, &framed](Page& page) {
        const int from = page.form.List1(0).ListIndex;
        StepN(page.form, delta);
        const Spoken what = delta > 0 ? Spoken::StepUp : Spoken::StepDown;
        if (page.form.List1(0).ListIndex == from) {
            // at an end: the same picture again, its frames kept
            page.spoken = SpokenResult(what, page.form, &page.form);
            page.added = framed;
            return;
        }
        // the step from the picture for the next n of this identity, whatever was shown
        const Tessalo neighbour = PictureForN(page.form, page.form.List1(0).ListIndex + 1 - delta);
        page.spoken = SpokenResult(what, page.form, &neighbour);
        if (delta > 0)
            page.added = AddedCells(neighbour, page.form);
    });
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
        const bool added = std::binary_search(page.added.begin(), page.added.end(), i);
        page.cells.push_back({i, cell.Left, cell.Top, cell.Width, cell.Height, Rgb(cell.BackColor), cell.Shape,
                              cell.Visible ? 1 : 0, added ? 1 : 0});
    }
    return static_cast<int>(page.cells.size());
}

const TessaloCell* tessalo_cells(void)
{
    return ThePage().cells.data();
}

const char* tessalo_proof_text(void)
{
    return ThePage().form.Text1(0).Text.c_str();
}

const char* tessalo_spoken(void)
{
    return ThePage().spoken.c_str();
}

const char* tessalo_error(void)
{
    return ThePage().error.c_str();
}

}  // extern "C"
