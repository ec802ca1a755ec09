// labels.cpp
// The stroke font: each glyph is a few polylines on a grid 4 units wide and 6 high (a capital's height), y up,
// kept as text so that the font costs the web pages next to nothing.
#include "labels.h"

namespace {

// A glyph's strokes as polylines on a grid of half units: each letter after the first two is a point, 'a' + x and
// 'a' + y in half units; a space starts a new polyline. The first letter is the character, the second its advance
// ('a' + half units).
const char* const font[] = {
    "Olcagaicikgmcmakacca",
    "Plaaamgmikiiggag",
    "Alaaemia bdhd",
    "Blaaamgmikiiggag ggieicgaaa",
    "Clicgacaacakcmgmik",
    "Rlaaamgmikiiggag egia",
    "Tlamim emea",
    "Fkimamaa aggg",
    "Dlaaamemiiieeaaa",
    "Ekimamaaia aggg",
    "kjaaam giad cfga",
    "1jckemea caga",
    "2lakcmgmikiiaaia",
    "'ebmbj",
    "Xlaaim amia",
    "0ldafahchkfmdmbkbcda",
    "3lakcmgmikiigg cggg ggieicgacaac",
    "4lgmaeie gmga",
    "5limamagggieicgacaac",
    "6limcmakaccagaicieggcgae",
    "7lamimca",
    "8lcgaiakcmgmikiiggcgaeaccagaiciegg",
    "9laagaicikgmcmakaicgggii",
    ".ebacacbbbba",
    "\xb0"
    "hbmdmelejdibiajalbm", // the degree sign
};

const char* glyphOf(char c) {
    for (const char* glyph : font) {
        if (glyph[0] == c) {
            return glyph;
        }
    }
    return nullptr;
}

} // namespace

std::vector<std::array<Point, 2>> labelStrokes(const Label& label, double unitsPerPixel) {
    // Half a grid unit, in scene units: a capital is 12 half units tall.
    const double half = labelHeightPixels / 12.0 * unitsPerPixel;
    const double offset = labelOffsetPixels * unitsPerPixel;
    std::vector<std::array<Point, 2>> strokes;
    double left = label.at.x + offset;
    const double bottom = label.at.y + offset;
    for (char c : label.text) {
        const char* glyph = glyphOf(c);
        if (!glyph) {
            continue;
        }
        const auto at = [&](const char* p) {
            return Point{float(left + (p[0] - 'a') * half), float(bottom + (p[1] - 'a') * half)};
        };
        for (const char* p = glyph + 2; *p;) {
            if (*p == ' ') {
                ++p;
                continue;
            }
            // One polyline: points until the next space or the end.
            for (; p[2] != '\0' && p[2] != ' '; p += 2) {
                strokes.push_back({at(p), at(p + 2)});
            }
            p += 2;
        }
        left += (glyph[1] - 'a') * half;
    }
    return strokes;
}
