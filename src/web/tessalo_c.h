#pragma once

// The page's way into the form: one form per module, created by tessalo_load,
// driven by the same events as the window's controls. Every call that runs a
// handler returns 0, or the number of the run-time error that ended it (its
// text then in tessalo_error).

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// One cell as the page draws it; positions in twips from the form's corner.
typedef struct TessaloCell {
    int32_t index;     // Shape1 index; 0 is the template
    float left;
    float top;
    float width;
    float height;
    uint32_t colour;   // 0xRRGGBB
    int32_t shape;     // 1 square, 3 circle
    int32_t visible;   // 0 or 1
    int32_t added;     // 1: the last step up added it (framed until the next event)
} TessaloCell;

// A new form after Form_Load.
int tessalo_load(void);
// The user picks identity `kind` (0..5, the radio button's index).
int tessalo_choose_kind(int kind);
// The user picks n (1..11) in the list; 0 selects nothing.
void tessalo_choose_n(int n);
// Show (Command1(1)), Clear (Command1(0)), and a step of n by delta (PageDown +1, PageUp -1).
int tessalo_show(void);
int tessalo_clear(void);
int tessalo_step(int delta);

// The radio button that is on (0..5), -1 for none; the chosen n, 0 for none.
int tessalo_kind(void);
int tessalo_n(void);
// Lists the loaded cells, template first, in index order, and returns how many;
// tessalo_cells then points at that list until the next call.
int tessalo_cell_count(void);
const TessaloCell* tessalo_cells(void);
// UTF-8, NUL-terminated, valid until the next event: the proof text (lines end
// in CR LF), the sentence for a screen reader about the last event, and the
// last run-time error's text.
const char* tessalo_proof_text(void);
const char* tessalo_spoken(void);
const char* tessalo_error(void);

#ifdef __cplusplus
}
#endif
