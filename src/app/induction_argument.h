#pragma once

#include "app/texts.h"

#include <string>
#include <vector>

// What a line of the argument does; the numbers are stable (the page reads them).
enum class ArgumentRole {
    Claim = 0,            // P(n) for the identity
    BaseCase = 1,         // P(1) checked with numbers
    Hypothesis = 2,       // P(n - 1) with numbers for the chosen n
    StepWithNumbers = 3,  // the sum for n as the sum for n - 1 and the last term, with numbers
    StepInLetters = 4,    // the same step for any n
    Conclusion = 5,
};

struct ArgumentLine {
    ArgumentRole role;
    std::string text;        // UTF-8, formulas as a teacher writes them: ·, ², a/b
    std::vector<int> cells;  // Shape1 indices, ascending, of the cells the line counts
};

// The induction argument for one identity and n: the claim, the base case, and for
// n >= 2 the hypothesis, the step with numbers and in letters, and the conclusion.
struct InductionArgument {
    std::vector<ArgumentLine> lines;
};

// The right-hand side of identity `kind` (1..6) for n: n² for kinds 4 and 5, n(n + 1)/2 otherwise.
long IdentityValue(int kind, int n);

// The lines for identity `kind` (1..6) and n (1..11) with no cells; for any other n
// the claim alone, and for any other kind no lines.
InductionArgument ArgumentLines(int kind, int n, Language language = Language::bg);

// The cells of a board showing a picture that the lines count, Shape1 indices ascending.
struct ArgumentCells {
    std::vector<int> all;       // every visible cell
    std::vector<int> base;      // at the places of the picture for 1
    std::vector<int> previous;  // at the places of the picture for n - 1
    std::vector<int> added;     // the others: what the step to n added
};

// The lines for identity `kind` and n as ArgumentLines gives them, each with its
// cells: the base case, the hypothesis and the step with numbers theirs, the other
// lines every cell.
InductionArgument ArgumentWithCells(int kind, int n, ArgumentCells cells, Language language = Language::bg);

// The lines' texts, each ended by "\n".
std::string ArgumentText(const InductionArgument& argument);
