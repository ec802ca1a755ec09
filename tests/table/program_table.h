// program_table.h
// The table of programs (programs/programs.tsv) as the tests read it: each program's console text and the scene of
// its first frame, written once for the unit, window and browser tests.
#pragma once

#include <string>
#include <vector>

/// One drawn record in scene units. Lines run from point - 100 * direction to point + 100 * direction; a segment
/// from (x, y) to (x + dx, y + dy), with a dot of its colour at either end; a label is the name of the point (x, y),
/// drawn somewhere round it.
struct TableShape {
    enum Kind { CircleShape, LineShape, DotShape, SegmentShape, LabelShape } kind = DotShape;
    double x = 0.0; ///< centre, point of the line, start of the segment, the dot, or the named point
    double y = 0.0;
    double radius = 0.0; ///< circles
    double dx = 0.0;     ///< lines: direction; segments: from start to end
    double dy = 0.0;
    int colour = 9;      ///< the colour code: red 0, green 1, blue 2, black 9
    bool hidden = false; ///< wholly covered by a later record, so its colour must not show
};

/// A scene as the camera frames it: its box and its records in drawing order (circles, lines, then dots).
struct Figure {
    double minX = 0.0;
    double minY = 0.0;
    double maxX = 0.0;
    double maxY = 0.0;
    std::vector<TableShape> shapes;
};

/// The first frame of a program.
struct TableScene {
    bool shown = false; ///< false for a program that opens no window
    Figure figure;
    bool approximate = false; ///< some number holds only within float rounding
};

/// A row of the table.
struct ProgramRow {
    std::string name;
    std::string family;
    std::string title;
    std::string figure; ///< file, numbered or -
    std::string text;   ///< the console text, line breaks decoded
    TableScene scene;
    std::string menu[2];    ///< its menu entry's name and comment, plain
    std::string menuSr[2];  ///< and in Serbian Cyrillic
    std::string sentenceSr; ///< its gallery sentence in Serbian Cyrillic
};

/// Every row, in the table's order. A table that cannot be read or parsed ends the test program with a message.
const std::vector<ProgramRow>& programTable();

/// The row of the program of that name.
const ProgramRow& programRow(const std::string& name);
