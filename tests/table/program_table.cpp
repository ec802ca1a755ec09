// program_table.cpp
#include "program_table.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

[[noreturn]] static void fail(const std::string& what) {
    std::fprintf(stderr, "%s: %s\n", PROGRAM_TABLE, what.c_str());
    std::exit(2);
}

static std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        parts.push_back(part);
    }
    return parts;
}

// A number: decimal, a fraction a/b, either after ~ when it holds only within float rounding.
static double number(std::string word, bool* approximate) {
    if (!word.empty() && word[0] == '~') {
        *approximate = true;
        word.erase(0, 1);
    }
    const std::size_t slash = word.find('/');
    char* end = nullptr;
    const double value = std::strtod(word.c_str(), &end);
    if (slash == std::string::npos ? *end != '\0' : end != word.c_str() + slash) {
        fail("not a number: " + word);
    }
    return slash == std::string::npos ? value : value / number(word.substr(slash + 1), approximate);
}

static TableScene scene(const std::string& text) {
    TableScene s;
    if (text == "-") {
        return s;
    }
    s.shown = true;
    static const std::map<std::string, int> colours{{"red", 0}, {"green", 1}, {"blue", 2}, {"black", 9}};
    for (const std::string& item : split(text, ';')) {
        std::istringstream in(item);
        std::string kind, word;
        std::vector<double> values;
        TableShape shape;
        in >> kind;
        while (in >> word) {
            if (colours.count(word)) {
                shape.colour = colours.at(word);
            } else if (word == "hidden") {
                shape.hidden = true;
            } else {
                values.push_back(number(word, &s.approximate));
            }
        }
        const std::map<std::string, std::size_t> sizes{{"box", 4},     {"circle", 3}, {"line", 4},
                                                       {"segment", 4}, {"dot", 2},    {"label", 2}};
        if (!sizes.count(kind) || values.size() != sizes.at(kind)) {
            fail("not a record: " + item);
        }
        if (kind == "box") {
            s.figure.minX = values[0], s.figure.minY = values[1], s.figure.maxX = values[2], s.figure.maxY = values[3];
            continue;
        }
        shape.x = values[0];
        shape.y = values[1];
        if (kind == "circle") {
            shape.kind = TableShape::CircleShape;
            shape.radius = values[2];
        } else if (kind == "line" || kind == "segment") {
            shape.kind = kind == "line" ? TableShape::LineShape : TableShape::SegmentShape;
            shape.dx = values[2] - (kind == "segment" ? values[0] : 0.0);
            shape.dy = values[3] - (kind == "segment" ? values[1] : 0.0);
        } else if (kind == "label") {
            shape.kind = TableShape::LabelShape;
        }
        s.figure.shapes.push_back(shape);
    }
    return s;
}

static std::string decoded(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool lineBreak = text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n';
        out += lineBreak ? '\n' : text[i];
        i += lineBreak ? 1 : 0;
    }
    return out;
}

static std::vector<ProgramRow> readTable() {
    std::ifstream in(PROGRAM_TABLE);
    if (!in) {
        fail("cannot be read");
    }
    std::vector<ProgramRow> rows;
    std::map<std::string, std::size_t> column;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::vector<std::string> cells = split(line, '\t');
        if (column.empty()) {
            for (std::size_t i = 0; i < cells.size(); ++i) {
                column[cells[i]] = i;
            }
            continue;
        }
        if (cells.size() != column.size()) {
            fail("a row of " + std::to_string(cells.size()) + " cells: " + line);
        }
        const auto cell = [&](const char* name) { return cells.at(column.at(name)); };
        rows.push_back({cell("name"),
                        cell("family"),
                        cell("title"),
                        cell("figure"),
                        decoded(cell("text")),
                        scene(cell("scene")),
                        {cell("menu"), cell("comment")},
                        {cell("menu_sr"), cell("comment_sr")},
                        cell("sentence_sr")});
    }
    return rows;
}

const std::vector<ProgramRow>& programTable() {
    static const std::vector<ProgramRow> rows = readTable();
    return rows;
}

const ProgramRow& programRow(const std::string& name) {
    for (const ProgramRow& row : programTable()) {
        if (row.name == name) {
            return row;
        }
    }
    fail("no row for " + name);
}
