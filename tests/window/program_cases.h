// program_cases.h
// The programs as a person meets them, from the table of programs: the console text each one prints and the figure
// its window shows.
#pragma once

#include "figure_check.h"

#include <ostream>
#include <string>
#include <vector>

/// The title of the ten programs' window, and of the explorer's, from the table of programs.
extern const char* const programTitle;
extern const char* const explorerTitle;

struct ProgramCase {
    const char* name;
    const char* text; ///< the console text, verbatim
    Figure figure;
    const char* title = programTitle;
    bool answers = false; ///< it answers the pointer and the keys, with a band under its figure (figures numbered)
};

/// The nine programs that open a window.
extern const std::vector<ProgramCase> windowPrograms;

/// The explorer as it starts: the point figure, P(2, 2) inside k, in the fixed view of the box (-8, -8)-(8, 8).
extern const ProgramCase explorerStart;

/// The programs that answer the pointer and the keys, as they start: the explorer first.
extern const std::vector<ProgramCase> answeringPrograms;

/// The name and the console text of the program that refuses its point (the centre O) and opens no window.
extern const char* const atCentreName;
extern const char* const atCentreText;

/// The window program whose figure has this Blue record as its given object (the same numbers).
const ProgramCase& programGiving(const TableShape& given);

/// The program's file in the build tree under test.
std::string programPath(const char* name);

/// Names the case by its program in test names and messages.
void PrintTo(const ProgramCase& c, std::ostream* out);
