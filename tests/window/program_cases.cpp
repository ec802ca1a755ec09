// program_cases.cpp
// The cases, read from the table of programs.
#include "program_cases.h"

#include "program_table.h"

#include <algorithm>

namespace {

// Whether the program answers the pointer and the keys: its figures are numbered.
bool answers(const ProgramRow& row) {
    return row.figure == "numbered";
}

ProgramCase caseOf(const ProgramRow& row) {
    return ProgramCase{row.name.c_str(), row.text.c_str(), row.scene.figure, row.title.c_str(), answers(row)};
}

const ProgramRow& rowOf(bool (*wanted)(const ProgramRow&)) {
    return *std::find_if(programTable().begin(), programTable().end(), wanted);
}

bool isExplorer(const ProgramRow& row) {
    return row.family == "explorer";
}

bool isDemo(const ProgramRow& row) {
    return !answers(row);
}

bool refuses(const ProgramRow& row) {
    return !row.scene.shown;
}

std::vector<ProgramCase> windowCases() {
    std::vector<ProgramCase> cases;
    for (const ProgramRow& row : programTable()) {
        if (row.scene.shown && !answers(row)) {
            cases.push_back(caseOf(row));
        }
    }
    return cases;
}

std::vector<ProgramCase> answeringCases() {
    std::vector<ProgramCase> cases{caseOf(rowOf(isExplorer))};
    for (const ProgramRow& row : programTable()) {
        if (answers(row) && !isExplorer(row)) {
            cases.push_back(caseOf(row));
        }
    }
    return cases;
}

} // namespace

const char* const programTitle = rowOf(isDemo).title.c_str();
const char* const explorerTitle = rowOf(isExplorer).title.c_str();
const std::vector<ProgramCase> windowPrograms = windowCases();
const ProgramCase explorerStart = caseOf(rowOf(isExplorer));
const std::vector<ProgramCase> answeringPrograms = answeringCases();
const char* const atCentreName = rowOf(refuses).name.c_str();
const char* const atCentreText = rowOf(refuses).text.c_str();

const ProgramCase& programGiving(const TableShape& given) {
    const auto gives = [&](const ProgramCase& c) {
        return std::any_of(c.figure.shapes.begin(), c.figure.shapes.end(), [&](const TableShape& s) {
            return s.kind == given.kind && s.x == given.x && s.y == given.y && s.radius == given.radius &&
                   s.dx == given.dx && s.dy == given.dy && s.colour == given.colour;
        });
    };
    return *std::find_if(windowPrograms.begin(), windowPrograms.end(), gives);
}

std::string programPath(const char* name) {
    return std::string(PROGRAM_DIR) + "/" + name;
}

void PrintTo(const ProgramCase& c, std::ostream* out) {
    *out << c.name;
}
