// labels.cpp
// The stroke font: each glyph is a few polylines on a grid 4 units wide and 6 high (a capital's height), y up.
#include "labels.h"

#include "render.h"

#include <GL/glut.h>

namespace {

using Polyline = std::vector<std::array<double, 2>>;

struct Glyph {
    char character;
    double advance; ///< grid units from this character's left edge to the next one's
    std::vector<Polyline> strokes;
};

const double gridHeight = 6.0;

const std::vector<Glyph>& glyphs() {
    static const std::vector<Glyph> font = {
        {'O', 5.5, {{{1, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {1, 6}, {0, 5}, {0, 1}, {1, 0}}}},
        {'P', 5.5, {{{0, 0}, {0, 6}, {3, 6}, {4, 5}, {4, 4}, {3, 3}, {0, 3}}}},
        {'A', 5.5, {{{0, 0}, {2, 6}, {4, 0}}, {{0.7, 2}, {3.3, 2}}}},
        {'B',
         5.5,
         {{{0, 0}, {0, 6}, {3, 6}, {4, 5}, {4, 4}, {3, 3}, {0, 3}}, {{3, 3}, {4, 2}, {4, 1}, {3, 0}, {0, 0}}}},
        {'C', 5.5, {{{4, 1}, {3, 0}, {1, 0}, {0, 1}, {0, 5}, {1, 6}, {3, 6}, {4, 5}}}},
        {'R', 5.5, {{{0, 0}, {0, 6}, {3, 6}, {4, 5}, {4, 4}, {3, 3}, {0, 3}}, {{2, 3}, {4, 0}}}},
        {'T', 5.5, {{{0, 6}, {4, 6}}, {{2, 6}, {2, 0}}}},
        {'F', 5.0, {{{4, 6}, {0, 6}, {0, 0}}, {{0, 3}, {3, 3}}}},
        {'D', 5.5, {{{0, 0}, {0, 6}, {2, 6}, {4, 4}, {4, 2}, {2, 0}, {0, 0}}}},
        {'E', 5.0, {{{4, 6}, {0, 6}, {0, 0}, {4, 0}}, {{0, 3}, {3, 3}}}},
        {'k', 4.5, {{{0, 0}, {0, 6}}, {{3, 4}, {0, 1.5}}, {{1.2, 2.5}, {3, 0}}}},
        {'1', 4.5, {{{1, 5}, {2, 6}, {2, 0}}, {{1, 0}, {3, 0}}}},
        {'2', 5.5, {{{0, 5}, {1, 6}, {3, 6}, {4, 5}, {4, 4}, {0, 0}, {4, 0}}}},
        {'\'', 2.0, {{{0.5, 6}, {0.5, 4.5}}}},
    };
    return font;
}

const Glyph* glyphOf(char c) {
    for (const Glyph& glyph : glyphs()) {
        if (glyph.character == c) {
            return &glyph;
        }
    }
    return nullptr;
}

} // namespace

std::vector<std::array<Point, 2>> labelStrokes(const Label& label, double unitsPerPixel) {
    const double unit = labelHeightPixels / gridHeight * unitsPerPixel;
    const double offset = labelOffsetPixels * unitsPerPixel;
    std::vector<std::array<Point, 2>> strokes;
    double left = label.at.x + offset;
    const double bottom = label.at.y + offset;
    for (char c : label.text) {
        const Glyph* glyph = glyphOf(c);
        if (!glyph) {
            continue;
        }
        for (const Polyline& line : glyph->strokes) {
            for (std::size_t i = 1; i < line.size(); ++i) {
                strokes.push_back({Point{float(left + line[i - 1][0] * unit), float(bottom + line[i - 1][1] * unit)},
                                   Point{float(left + line[i][0] * unit), float(bottom + line[i][1] * unit)}});
            }
        }
        left += glyph->advance * unit;
    }
    return strokes;
}

void drawLabels(const std::vector<Label>& labels, double unitsPerPixel) {
    for (const Label& label : labels) {
        setColour(label.colour);
        glBegin(GL_LINES);
        for (const auto& stroke : labelStrokes(label, unitsPerPixel)) {
            glVertex2f(stroke[0].x, stroke[0].y);
            glVertex2f(stroke[1].x, stroke[1].y);
        }
        glEnd();
    }
}
