// drawing.cpp
// The renderer's geometry, computed in double and rounded to float where OpenGL takes it.
#include "drawing.h"

#include "sentences.h"

#include <algorithm>
#include <cmath>

static const Rgb palette[10] = {
    {1.0f, 0.0f, 0.0f}, // Red
    {0.0f, 1.0f, 0.0f}, // Green
    {0.0f, 0.0f, 1.0f}, // Blue
    {1.0f, 1.0f, 0.0f}, // Yellow
    {1.0f, 0.5f, 0.0f}, // Orange
    {1.0f, 0.0f, 1.0f}, // Magenta
    {0.0f, 1.0f, 1.0f}, // Cyan
    {0.5f, 0.0f, 0.5f}, // Purple
    {1.0f, 1.0f, 1.0f}, // White
    {0.0f, 0.0f, 0.0f}, // Black
};

// 2 pi as a double.
static const double fullTurn = 6.283185307179586;

// A dark green that stands out 4:1 on the beige of a frame and 5:1 on white paper, where WCAG asks 3:1 of the
// lines of a figure.
static const Rgb constructionColour{0.0f, 0.5f, 0.0f};

const Rgb* paletteColour(ColourCode code) {
    if (code == ConstructionGreen) {
        return &constructionColour;
    }
    if (code < 0 || code > 9) {
        return nullptr;
    }
    return &palette[code];
}

std::array<Point, 2> lineEnds(const Line& line) {
    const double x = line.point.x;
    const double y = line.point.y;
    const double dx = lineReach * line.direction.x;
    const double dy = lineReach * line.direction.y;
    return {Point{float(x + dx), float(y + dy)}, Point{float(x - dx), float(y - dy)}};
}

Point circleVertex(const Circle& circle, int i, int count) {
    const float angle = float(i * fullTurn / count);
    const float s = float(std::sin(double(angle)));
    const float c = float(std::cos(double(angle)));
    return Point{float(circle.centre.x + double(circle.radius) * c),
                 float(circle.centre.y + double(circle.radius) * s)};
}

std::array<Point, circleVertexCount> circleVertices(const Circle& circle) {
    std::array<Point, circleVertexCount> vertices;
    for (int i = 0; i < circleVertexCount; ++i) {
        vertices[i] = circleVertex(circle, i, circleVertexCount);
    }
    return vertices;
}

int outlineVertexCount(const Circle& circle, double pixelsPerUnit) {
    // A chord of the angle 2 pi / n strays radius * (1 - cos(pi / n)) from the circle.
    const double radius = std::fabs(double(circle.radius)) * pixelsPerUnit;
    const double stray = 0.25;
    // Enough for a circle a million pixels across; the browser's emulation of immediate mode holds 8192.
    const int mostVertices = 1 << 12;
    if (!(radius * (1.0 - std::cos(fullTurn / 2.0 / circleVertexCount)) > stray)) {
        return circleVertexCount;
    }
    const double n = std::ceil(fullTurn / 2.0 / std::acos(1.0 - stray / radius));
    return n < mostVertices ? int(n) : mostVertices;
}

static double linearChannel(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const Rgb& colour) {
    return 0.2126 * linearChannel(colour.red) + 0.7152 * linearChannel(colour.green) +
           0.0722 * linearChannel(colour.blue);
}

Rgb deuteranopeView(const Rgb& colour) {
    // Machado, Oliveira and Fernandes' deuteranopia (severity 1), on linear light, then encoded as sRGB again.
    static const double m[3][3] = {
        {0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}};
    const double in[3] = {linearChannel(colour.red), linearChannel(colour.green), linearChannel(colour.blue)};
    float out[3];
    for (int i = 0; i < 3; ++i) {
        const double c = std::clamp(m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2], 0.0, 1.0);
        out[i] = float(c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055);
    }
    return Rgb{out[0], out[1], out[2]};
}

double contrastRatio(const Rgb& a, const Rgb& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Whether a piece from a to b lies wholly beyond one side of the rectangle, so that none of it can be seen there.
static bool beyond(const VisibleRect& r, Point a, Point b) {
    return (a.x < r.left && b.x < r.left) || (a.x > r.right && b.x > r.right) || (a.y < r.bottom && b.y < r.bottom) ||
           (a.y > r.top && b.y > r.top);
}

StrokeSizes strokeSizesFor(int height) {
    // 0 at the first size, 1 at a projector's 1080 rows.
    const double growth = std::max(0.0, (height - 700.0) / (1080.0 - 700.0));
    const float lineWidth = float(1.0 + 2.0 * growth);
    return StrokeSizes{lineWidth, 2.0f * lineWidth, float(4.0 + 4.0 * growth), 1.0 + 3.0 * growth};
}

ColourCode roleColour(Role role) {
    switch (role) {
    case Role::Given:
    case Role::GivenArc:
        return Blue;
    case Role::Image:
    case Role::ImageArc:
    case Role::Trace:
        return Red;
    case Role::Construction:
    case Role::Tangent:
        return ConstructionGreen;
    case Role::K:
    case Role::Centre:
    case Role::Ring:
    case Role::Other:
        break;
    }
    return Black;
}

Role roleOfColour(ColourCode code, Role black) {
    switch (code) {
    case Black:
        return black;
    case Blue:
        return Role::Given;
    case Red:
        return Role::Image;
    case ConstructionGreen:
        return Role::Construction;
    default:
        return Role::Other;
    }
}

bool dashedRole(Role role) {
    return role == Role::Construction || role == Role::Tangent;
}

bool imageRole(Role role) {
    return role == Role::Image || role == Role::ImageArc || role == Role::Trace;
}

std::vector<std::array<Point, 2>> dashPieces(const std::vector<Point>& vertices, bool closed, double unitsPerPixel,
                                             const VisibleRect* within) {
    std::vector<std::array<Point, 2>> pieces;
    const double dash = dashPixels * unitsPerPixel;
    const double period = dash + dashGapPixels * unitsPerPixel;
    const std::size_t count = vertices.size();
    if (count < 2 || !(period > 0.0)) {
        return pieces;
    }
    // How far into the pattern the walk along the polyline is at the start of a side, in scene units.
    double phase = 0.0;
    const std::size_t sides = closed ? count : count - 1;
    for (std::size_t i = 0; i < sides; ++i) {
        const Point a = vertices[i];
        const Point b = vertices[(i + 1) % count];
        const double dx = double(b.x) - a.x;
        const double dy = double(b.y) - a.y;
        const double length = std::hypot(dx, dy);
        // The stretch [from, to] of the side that lies in the rectangle (none when from > to): a line of the
        // construction runs 1000 units either way, and only its dashes near the frame are worth computing.
        double from = 0.0;
        double to = length;
        if (within && length > 0.0) {
            const auto clip = [&](double start, double delta, double low, double high) {
                if (delta == 0.0) {
                    if (start < low || start > high) {
                        to = -1.0;
                    }
                    return;
                }
                const double t1 = (low - start) / delta * length;
                const double t2 = (high - start) / delta * length;
                from = std::max(from, std::min(t1, t2));
                to = std::min(to, std::max(t1, t2));
            };
            clip(a.x, dx, within->left, within->right);
            clip(a.y, dy, within->bottom, within->top);
        }
        const auto at = [&](double s) { return Point{float(a.x + dx * s / length), float(a.y + dy * s / length)}; };
        // Dash k of the side starts k periods on from where the pattern's last period before the side began.
        for (double k = std::floor((from + phase) / period); from <= to && k * period - phase < to; ++k) {
            const double start = std::max(k * period - phase, 0.0);
            const double end = std::min(k * period - phase + dash, length);
            if (end > start && !(within && beyond(*within, at(start), at(end)))) {
                pieces.push_back({at(start), at(end)});
            }
        }
        phase += length - period * std::floor((phase + length) / period);
    }
    return pieces;
}

std::string colourWords(ColourCode code, Language language) {
    using S = Sentence;
    static const Sentence* const names[] = {&S::ColourRed,    &S::ColourGreen,   &S::ColourBlue, &S::ColourYellow,
                                            &S::ColourOrange, &S::ColourMagenta, &S::ColourCyan, &S::ColourPurple,
                                            &S::ColourWhite,  &S::ColourBlack};
    if (code == ConstructionGreen) { // the explorer's construction, dashed
        return say(S::ColourConstruction, language);
    }
    return say(code < Red || code > Black ? S::ColourNone : *names[code], language);
}

const char* colourName(ColourCode code) {
    static const char* const names[10] = {"Red",     "Green", "Blue",   "Yellow", "Orange",
                                          "Magenta", "Cyan",  "Purple", "White",  "Black"};
    return code == ConstructionGreen ? "ConstructionGreen" : names[code];
}
