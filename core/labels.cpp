// labels.cpp
// The stroke font: each glyph is a few polylines on a grid 4 units wide and 6 high (a capital's height), y up,
// kept as text so that the font costs the web pages next to nothing.
#include "labels.h"

#include "drawing.h"

#include <algorithm>
#include <cmath>

namespace {

// A glyph's strokes as polylines on a grid of half units: each letter after the first two is a point, 'a' + x and
// 'a' + y in half units; a space starts a new polyline. The first letter is the character, the second its advance
// ('a' + half units).
const char* const font[] = {
    // O is a round twelve-gon wider than the digit zero, and the zero is narrow with a slash: O never reads as 0.
    "Onkgjjhlfmdlbjagbddbfahbjdkg",
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
    "Qnkgjjhlfmdlbjagbddbfahbjdkg hdka",
    "Mlaaamegimia",
    "0ldafahchkfmdmbkbcda cdgj",
    "3lakcmgmikiigg cggg ggieicgacaac",
    "4lgmaeie gmga",
    "5limamagggieicgacaac",
    "6limcmakaccagaicieggcgae",
    "7lamimca",
    "8lcgaiakcmgmikiiggcgaeaccagaiciegg",
    "9laagaicikgmcmakaicgggii",
    ".ebacacbbbba",
    "=kbehe bihi",
    " h",
    ("\xb0"
     "hbmdmelejdibiajalbm"), // the degree sign
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
    const double half = label.heightPixels / 12.0 * unitsPerPixel;
    std::vector<std::array<Point, 2>> strokes;
    double left = label.at.x + label.leftPixels * unitsPerPixel;
    const double bottom = label.at.y + label.bottomPixels * unitsPerPixel;
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

double labelHeightFor(int height) {
    return height <= 700 ? std::max(labelHeightPixels, 0.025 * height) : 17.5 + (height - 700) * (10.5 / 380.0);
}

PixelBox labelBox(const Label& label, double unitsPerPixel) {
    const double left = label.at.x / unitsPerPixel + label.leftPixels;
    const double bottom = label.at.y / unitsPerPixel + label.bottomPixels;
    PixelBox box{left, bottom, left, bottom + label.heightPixels};
    for (const auto& stroke : labelStrokes(label, unitsPerPixel)) {
        for (const Point& end : stroke) {
            box.left = std::min(box.left, end.x / unitsPerPixel);
            box.right = std::max(box.right, end.x / unitsPerPixel);
            box.bottom = std::min(box.bottom, end.y / unitsPerPixel);
            box.top = std::max(box.top, end.y / unitsPerPixel);
        }
    }
    return PixelBox{box.left - 1.0, box.bottom - 1.0, box.right + 1.0, box.top + 1.0};
}

static bool overlap(const PixelBox& a, const PixelBox& b) {
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

bool crossesPiece(const PixelBox& box, const std::array<Point, 2>& piece, double unitsPerPixel, double lineRoom) {
    // The piece clipped to the box (Liang and Barsky): whatever of it is left lies in the box.
    const double x0 = piece[0].x / unitsPerPixel, y0 = piece[0].y / unitsPerPixel;
    const double dx = piece[1].x / unitsPerPixel - x0, dy = piece[1].y / unitsPerPixel - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - (box.left - lineRoom), box.right + lineRoom - x0, y0 - (box.bottom - lineRoom),
                         box.top + lineRoom - y0};
    double from = 0.0, to = 1.0;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return false; // parallel to this side and outside it
            }
        } else if (p[i] < 0.0) {
            from = std::max(from, q[i] / p[i]);
        } else {
            to = std::min(to, q[i] / p[i]);
        }
    }
    return from <= to;
}

bool crossesCircle(const PixelBox& box, const Circle& circle, double unitsPerPixel, double lineRoom) {
    // The curve meets the box when the box's nearest point lies inside the circle and its farthest corner outside.
    const double cx = circle.centre.x / unitsPerPixel, cy = circle.centre.y / unitsPerPixel;
    const double radius = circle.radius / unitsPerPixel;
    const double left = box.left - lineRoom, right = box.right + lineRoom;
    const double bottom = box.bottom - lineRoom, top = box.top + lineRoom;
    const double near = std::hypot(std::max({left - cx, 0.0, cx - right}), std::max({bottom - cy, 0.0, cy - top}));
    const double far = std::hypot(std::max(cx - left, right - cx), std::max(cy - bottom, top - cy));
    return near <= radius && radius <= far;
}

void placeLabels(std::vector<Label>& labels, const LabelObstacles& around, double unitsPerPixel, double heightPixels) {
    std::vector<PixelBox> taken;
    for (const Point& dot : around.dots) {
        const double x = dot.x / unitsPerPixel;
        const double y = dot.y / unitsPerPixel;
        const double half = around.dotPixels / 2.0;
        taken.push_back({x - half, y - half, x + half, y + half});
    }
    // Half a line's width at the widest the explorer draws, so that a label clears a projector's line too.
    const double lineRoom = 2.0;
    const auto covered = [&](const PixelBox& box) {
        std::size_t hits =
            std::size_t(std::count_if(taken.begin(), taken.end(), [&](const PixelBox& t) { return overlap(box, t); }));
        for (const auto& piece : around.pieces) {
            hits += crossesPiece(box, piece, unitsPerPixel, lineRoom) ? 1 : 0;
        }
        for (const Circle& circle : around.circles) {
            hits += crossesCircle(box, circle, unitsPerPixel, lineRoom) ? 1 : 0;
        }
        return hits;
    };
    constexpr int rings = 7; // the close ring, then six half heights farther out
    for (Label& label : labels) {
        label.heightPixels = heightPixels;
        label.leftPixels = 0.0;
        label.bottomPixels = 0.0;
        // The text's box as it lies at the point; a place moves it as a whole.
        const PixelBox at = labelBox(label, unitsPerPixel);
        const double width = at.right - at.left - 2.0;
        const double h = heightPixels;
        std::size_t fewest = std::size_t(-1);
        for (int ring = 0; ring < rings && fewest > 0; ++ring) {
            const double gap = labelOffsetPixels * around.dotPixels / dotSize + ring * h / 2.0;
            const double round[8][2] = {
                {gap, gap},      {-gap - width, gap},      {gap, -gap - h},     {-gap - width, -gap - h},
                {gap, -h / 2.0}, {-gap - width, -h / 2.0}, {-width / 2.0, gap}, {-width / 2.0, -gap - h}};
            for (const auto& place : round) {
                const PixelBox box{at.left + place[0], at.bottom + place[1], at.right + place[0], at.top + place[1]};
                const std::size_t hits = covered(box);
                if (hits < fewest) {
                    fewest = hits;
                    label.leftPixels = place[0];
                    label.bottomPixels = place[1];
                }
                if (hits == 0) {
                    break;
                }
            }
        }
        taken.push_back(labelBox(label, unitsPerPixel));
    }
}
