// program_cases.h
// The ten programs as a person meets them: the console text each one prints and the figure its window shows.
#pragma once

#include "figure_check.h"

#include <ostream>
#include <string>
#include <vector>

struct ProgramCase {
    const char* name;
    const char* text; ///< the console text, verbatim
    Figure figure;
};

/// The nine programs that open a window.
extern const std::vector<ProgramCase> windowPrograms;

/// The console text of invert_point_at_centre, which refuses its point and opens no window.
extern const char* const atCentreText;

/// The program's file in the build tree under test.
std::string programPath(const char* name);

/// Names the case by its program in test names and messages.
void PrintTo(const ProgramCase& c, std::ostream* out);
