// drawing.h
// What the renderer draws, as numbers: the palette, the two ends of a drawn line and the vertices of a circle's
// outline. The viewer hands these to OpenGL; the exporter writes them into files.
#pragma once

#include "language.h"
#include "role.h"
#include "scene.h"

#include <array>
#include <string>
#include <vector>

/// A line is drawn from point + lineReach * direction to point - lineReach * direction.
constexpr double lineReach = 100.0;
/// Number of vertices of the polygon that stands for a circle.
constexpr int circleVertexCount = 100;
/// Size in pixels of the dots of points and of segment ends.
constexpr float dotSize = 4.0f;

/// How heavily the explorer's window draws, for a class that watches a projector: as the ten programs at the first
/// size, growing with the window's height to lines 3 pixels wide, dots 8 pixels across and arrows 4 times as long at
/// 1080 pixels. (The labels grow with it too: labelHeightFor.)
struct StrokeSizes {
    float lineWidth = 1.0f; ///< of lines, outlines and the strokes of labels, in pixels
    /// of the image's lines and outlines: twice the others' in the explorer, so that the image is told from the
    /// given figure by its stroke as well as by its colour (the ten programs draw both alike)
    float imageLineWidth = 1.0f;
    float dotSize = 4.0f;    ///< of dots, in pixels
    double arrowScale = 1.0; ///< of the arrows at the window's edge
};

/// The stroke sizes of a window height pixels tall: those of the first size up to windowHeight, then growing in
/// proportion to the height beyond it, reaching 3, 8 and 4 at 1080 pixels; the image's lines twice as wide.
StrokeSizes strokeSizesFor(int height);

/// RGB colour as handed to glColor3f.
struct Rgb {
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
};

/// The colour every frame is cleared to before anything is drawn: a pale beige.
constexpr Rgb clearColour{0.9f, 0.9f, 0.8f};

/// The palette entry of a code, or nullptr for a code outside 0..9 other than ConstructionGreen.
const Rgb* paletteColour(ColourCode code);

/// The colour code of a role: k, O and the ring Black, the given figure and its arc Blue, the image, its arc and a
/// trace Red, the construction and the tangents at X' ConstructionGreen; Other has none of its own (Black here).
ColourCode roleColour(Role role);

/// The role of a record of the store by the colour the ten programs give it: Blue the given figure, Red its image,
/// ConstructionGreen the construction, Black the role given as black (k or O, told by where the record is), any
/// other code Other.
Role roleOfColour(ColourCode code, Role black = Role::Other);

/// The colour of a code in the words of the figure's description, "u plavoj boji" (the locative does not change with
/// the noun, so every kind of object takes the same words); "bez sopstvene boje" for a code without a colour.
std::string colourWords(ColourCode code, Language language = Language::Plain);

/// The name of a code with a palette colour, as the code is named: "Red" ... "Black", "ConstructionGreen".
const char* colourName(ColourCode code);

/// Whether a role is drawn dashed: the construction and the tangents at X' are.
bool dashedRole(Role role);

/// Whether a role's lines are drawn at the image's width: the image, its arc and a trace.
bool imageRole(Role role);

/// The relative luminance of a colour as WCAG 2 defines it: each sRGB channel made linear, then weighted 0.2126,
/// 0.7152 and 0.0722.
double relativeLuminance(const Rgb& colour);

/// A colour as a deuteranope (no working green cones) sees it, simulated on linear light.
Rgb deuteranopeView(const Rgb& colour);

/// The contrast ratio of two colours, (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double contrastRatio(const Rgb& a, const Rgb& b);

/// The part of the plane that a frame of the given size shows, in scene units.
struct VisibleRect {
    double left = 0.0;   ///< smallest x
    double bottom = 0.0; ///< smallest y
    double right = 0.0;  ///< largest x
    double top = 0.0;    ///< largest y
};

/// Length in pixels of a dash of a dashed record, and of the gap after it.
constexpr double dashPixels = 8.0;
constexpr double dashGapPixels = 5.0;

/// The dashes of the polyline through the vertices (closed: back to the first one), for a view of unitsPerPixel
/// scene units per pixel: dashPixels drawn, dashGapPixels left out, the first dash starting at the first vertex and
/// the pattern running on across the corners. A dash is cut at the corners into straight pieces, given as pairs of
/// end points in scene units. Given a rectangle, only the pieces that can reach it are kept (a piece with both ends
/// beyond one of its sides cannot); the others still take their place in the pattern.
std::vector<std::array<Point, 2>> dashPieces(const std::vector<Point>& vertices, bool closed, double unitsPerPixel,
                                             const VisibleRect* within = nullptr);

/// The two ends of the drawn piece of a line, from parameter +lineReach to -lineReach.
std::array<Point, 2> lineEnds(const Line& line);

/// Vertex i of an outline of count vertices, at angle 2 pi i / count counter-clockwise from (centre.x + radius,
/// centre.y).
Point circleVertex(const Circle& circle, int i, int count);

/// The vertices of the outline of a circle, counter-clockwise from (centre.x + radius, centre.y).
std::array<Point, circleVertexCount> circleVertices(const Circle& circle);

/// The number of vertices that keeps the polygon of a circle within a quarter of a pixel of the true circle when
/// one scene unit is pixelsPerUnit pixels: circleVertexCount, or more for a circle hundreds of pixels across.
int outlineVertexCount(const Circle& circle, double pixelsPerUnit);
