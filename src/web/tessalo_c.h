// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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

// One thing the board shows, as the core describes it (DescribeBoard): kind 0 a
// label, 1 a cell, 2 the step's frame inside a cell, 3 a line's ring, 4 the
// cursor; a box in twips from the form's corner, drawn as a square or a circle
// (shape 1 or 3), filled (cells and labels) or stroked along its edge.
typedef struct TessaloItem {
    int32_t kind;
    float left;
    float top;
    float width;
    float height;
    int32_t shape;
    uint32_t fill;       // 0xRRGGBB
    int32_t filled;      // 0 or 1
    uint32_t line;       // 0xRRGGBB
    float lineWidth;     // twips
    int32_t cell;        // Shape1 index, -1 for a label
} TessaloItem;

// The roles of the induction argument's lines (ArgumentRole).
enum {
    TESSALO_CLAIM = 0,
    TESSALO_BASE_CASE = 1,
    TESSALO_HYPOTHESIS = 2,
    TESSALO_NEW_TERM = 3,  // its cells are the step's added cells
    TESSALO_STEP = 4,
    TESSALO_CONCLUSION = 5,
    TESSALO_GOAL = 6,
    TESSALO_STEP_GOAL = 7,
    TESSALO_EXAMPLE = 8,
    TESSALO_PICTURE_TERM = 9
};

// A new form after Form_Load.
int tessalo_load(void);
// The user picks identity `kind` (0..5, the radio button's index).
int tessalo_choose_kind(int kind);
// An identity beside the form's six on the board (7..11, the progression's first
// term a and difference d 1..5 for 8), drawn at once for the chosen n; 0: the
// form's own pictures again, as a radio button also gives them back. The
// picture, the cells, the texts and handouts below are then that identity's.
int tessalo_choose_further(int kind, int a, int d);
// The name of identity `kind` beside the form's six (7 and on) in the language,
// of the form's own six again for 0; "" for a kind there is none of. Valid while
// the language stays (the core's catalogue).
const char* tessalo_further_name(int kind);
// The identity beside the form's six on the board (7..11), 0 for none.
int tessalo_further(void);
// The user picks n (1..11) in the list; 0 selects nothing.
void tessalo_choose_n(int n);
// Show (Command1(1)), Clear (Command1(0)), and a step of n by delta (PageDown +1, PageUp -1).
int tessalo_show(void);
int tessalo_clear(void);
int tessalo_step(int delta);

// The language of every text the form and the calls below give, as the index of
// its code in the core's catalogues (0 is bg, the default); a new form keeps it.
// Switching keeps the cells, n, the identity and what waits, and tells the last
// event's view again in the new language. -1 for an index without a language.
int tessalo_set_language(int language);
int tessalo_language(void);

// The radio button that is on (0..5), -1 for none; the chosen n, 0 for none.
int tessalo_kind(void);
int tessalo_n(void);
// The picture on the board, which the address names: the radio button (0..5),
// or 6..10 for the identities beside the form's six, and n of the last Show or
// step, -1 and 0 while the board shows no cell.
int tessalo_drawn_kind(void);
int tessalo_drawn_n(void);
// Lists the loaded cells, template first, in index order (the board's cells in
// the picture's order for an identity beside the form's six), and returns how
// many; tessalo_cells then points at that list until the next call.
int tessalo_cell_count(void);
const TessaloCell* tessalo_cells(void);
// UTF-8, NUL-terminated, valid until the next event: the proof text (lines end
// in CR LF), the sentence for a screen reader about the last event, the same
// whole as F9 says it again (a step of the picture shown says only its news),
// and the last run-time error's text.
const char* tessalo_proof_text(void);
const char* tessalo_spoken(void);
const char* tessalo_spoken_whole(void);
const char* tessalo_error(void);

// What the board shows after the last event, in painting order, with the
// cells of argument line `line` ringed (-1: none): returns how many items
// there are; tessalo_picture_items then points at them until the next call.
int tessalo_picture(int line);
const TessaloItem* tessalo_picture_items(void);
// Handouts of the picture the board shows (the last Show or step), in the
// language: its title ("Триъгълни числа, n = 4"), and for the strip of the steps
// and the worksheet the picture of that identity at m (1..11), its cells alone
// with the step's cells framed (blank: those white, to colour in), listed as
// tessalo_picture lists them; the sum at m written out ("1 + 3 + 5 = 9"); the
// identity's statement; the worksheet's heading and its lines for the n shown
// (answers: filled in), counted, then each. Texts are UTF-8, valid until the next such call; ""
// and no items while the board shows no picture.
const char* tessalo_handout_title(void);
int tessalo_step_picture(int m, int blank);
const char* tessalo_step_sum(int m);
// The strip's columns for n pictures (StripColumns).
int tessalo_strip_columns(int n, double areaWidth, double areaHeight, double boxWidth, double boxHeight, double below);
const char* tessalo_statement(void);
const char* tessalo_worksheet_heading(int answers);
int tessalo_worksheet_count(int answers);
const char* tessalo_worksheet_line(int line);
// The picture on the board played as sound (the window's F8): its 16-bit mono
// samples, counted, then where they are until the next such call, and how many
// make a second.
int tessalo_sound(void);
const int16_t* tessalo_sound_samples(void);
int tessalo_sound_rate(void);
// The picture drawn as a tactile sheet (SVG, A4 or Letter) and its proof as a BRF
// file, valid until the next such call, their braille from the table the page's
// script set as the module's brailleTable; then how many texts the table lacked.
const char* tessalo_tactile_svg(int letter);
// The largest n whose tactile sheet fits the page: an identity beside the form's
// six draws larger pictures than a page holds at the least cell; "" above from
// tessalo_tactile_svg.
int tessalo_tactile_largest_n(int letter);
const char* tessalo_proof_brf(void);
int tessalo_braille_misses(void);
// The name a saved picture is offered under, without its extension.
const char* tessalo_picture_stem(void);

// The induction argument after the last event, valid until the next one: the
// lines the class sees, each with its UTF-8 text, its words for a screen reader,
// its role (TESSALO_CLAIM ..) and the Shape1 indices, ascending, of the cells it
// counts; outside 0 .. count - 1 a line is empty, of role -1, with no cells.
int tessalo_argument_count(void);
const char* tessalo_argument_text(int line);
const char* tessalo_argument_spoken(int line);
int tessalo_argument_role(int line);
int tessalo_argument_cell_count(int line);
const int32_t* tessalo_argument_cells(int line);
// The whole argument as plain text, each line ended by "\n".
const char* tessalo_argument_plain(void);
// The Shape1 indices a build-up paints after the last event, in order (the other
// cells stand from the start), valid until the next event; none: nothing is built.
int tessalo_build_count(void);
const int32_t* tessalo_build_order(void);

// Predict, then reveal: while predicting is on, a step up to a new n >= 2 waits
// for the class's guess. While it waits, every call above shows what the class
// sees: the cells the step added are not visible, the proof text is the one
// before the step, the argument asks instead of stepping, the sentence asks for
// the guess. tessalo_reveal (or a step up, or predicting turned off) shows the
// step; guess is the number the class typed, negative for none. tessalo_note
// is then the verdict for the panel, and the sentence begins with it; "" before.
// tessalo_shows_argument: whether the argument stands beside the form, chosen
// (1) or not (0) by the class: also while a step waits and with its verdict.
void tessalo_set_predicting(int on);
int tessalo_waiting(void);
void tessalo_reveal(int guess);
const char* tessalo_note(void);
int tessalo_shows_argument(int chosen);

// Line by line: while on, after each event the step's lines wait, and
// tessalo_next_line shows one more (1), or 0 when none waits.
void tessalo_set_line_by_line(int on);
int tessalo_next_line(void);

// The picture's rows and cells as a blind pupil explores them after the last
// event, valid until the next one: rows from the top, cells from the left. Each
// row's and cell's words are UTF-8 to be spoken ("ред 3, 3 кръга, 1 нов" on
// entering a row, "ред 3, кръг 2 от 3, нов" on reaching a cell), valid until
// the next words are asked for or the next event; a cell's index
// is its Shape1 index, for the page to ring it, and added is 1 for the step's
// added cells. Outside the rows and cells: words "", index -1, added 0, no cells.
int tessalo_explore_row_count(void);
const char* tessalo_explore_row_words(int row);
int tessalo_explore_cell_count(int row);
const char* tessalo_explore_cell_words(int row, int cell);
int32_t tessalo_explore_cell_index(int row, int cell);
int32_t tessalo_explore_cell_added(int row, int cell);
// The cursor a pupil moves over the picture, as in the window: tessalo_explore_start
// gives it the rows of the last event (it keeps its place as near as they allow)
// and returns their count; tessalo_explore_press moves it by key 0 Left, 1 Right,
// 2 Home, 3 End, 4 Up, 5 Down, 6 the switch between rows and a square's diagonals,
// and returns what to say; tessalo_explore_here says where it is, the row first;
// tessalo_explore_cursor is the Shape1 index under it, -1 for none.
int tessalo_explore_start(void);
const char* tessalo_explore_press(int key);
const char* tessalo_explore_here(void);
int32_t tessalo_explore_cursor(void);

// A caption in words for a screen reader, in language `language` (0 bg, 1 en):
// 0 the window's title, 1 the identities' group ("Индукция, нагледно", no dash),
// 2 the quotation's text box, line for line as it shows; 3 to 8 the radio buttons'
// identities as written beside them, 9 to 14 their names as the sentences say them.
const char* tessalo_caption_words(int caption, int language);

// Any text of the page's (UTF-8) in words for a screen reader, in the page's
// language: a claim as typed, a row of the key list ("Ctrl и минус").
const char* tessalo_in_words(const char* text);

// The proof's text box in words for a screen reader, line for line as it shows
// ("n по скоба, n плюс 1, затваряме скобата, върху 2" where it shows "n*(n+1)/2").
const char* tessalo_proof_words(void);

// The board as a screen reader describes it: the picture's shape and the
// proof's last line, in words (UTF-8, valid until the next call).
const char* tessalo_board_words(void);

// Where does the proof break: the false claims of the identity on the board
// beside the form's six, or else of the chosen radio button, counted; each as
// typed ("3n-2") and as the statement it makes ("1 + 3 + … + (2n − 1) = 3n − 2").
// tessalo_check_claim checks what was typed (UTF-8) as the proof goes and
// lists its picture for tessalo_picture_items (the cells it misses or adds
// marked), returning how many items; 0 when it cannot be read. Then its proof's
// lines ("\n" after each), or the one line saying what is wrong; the same in
// words, line for line; which part breaks, in words. Texts valid until the next
// such call.
int tessalo_claim_count(void);
const char* tessalo_claim_typed(int claim);
const char* tessalo_claim_statement(int claim);
const char* tessalo_claim_statement_words(int claim);  // the same in words
int tessalo_check_claim(const char* typed);
const char* tessalo_claim_text(void);
const char* tessalo_claim_words(void);
const char* tessalo_claim_spoken(void);

#ifdef __cplusplus
}
#endif
