// scene.h
// The scene of one program: plain records, the four lists, the bounding box and the circle of inversion k.
#pragma once

#include <list>

/// Integer colour code of a record. Codes outside 0..9, but for ConstructionGreen, are allowed; such a record is
/// drawn without a colour change of its own.
using ColourCode = int;

/// The ten named colour codes.
enum : ColourCode {
    Red = 0,
    Green = 1,
    Blue = 2,
    Yellow = 3,
    Orange = 4,
    Magenta = 5,
    Cyan = 6,
    Purple = 7,
    White = 8,
    Black = 9,
};

/// The explorer's construction records: a dark green, drawn dashed. Only the explorer uses it; it stands apart from
/// the ten so that the codes just past them keep drawing without a colour of their own.
enum : ColourCode { ConstructionGreen = 20 };

/// A dot of the figure, or a plain 2-D vector (then its colour is never read). Scene units, x right, y up.
struct Point {
    float x = 0.0f;            ///< abscissa
    float y = 0.0f;            ///< ordinate
    ColourCode colour = Black; ///< colour of the dot
};

/// The infinite line of the points point + t * direction for every real t.
struct Line {
    Point point;               ///< one point of the line
    Point direction;           ///< any length; the length decides how far the line is drawn
    ColourCode colour = Black; ///< colour of the drawn line
};

/// A segment, drawn with a dot at each end.
struct Segment {
    Point start;               ///< first end point
    Point end;                 ///< second end point
    ColourCode colour = Black; ///< colour of the segment and of its end dots
};

/// A circle outline.
struct Circle {
    Point centre;              ///< centre
    float radius = 0.0f;       ///< radius in scene units
    ColourCode colour = Black; ///< colour of the outline
};

/// The box around every registered point and circle, as its lower corner (minX, minY) and upper corner
/// (maxX, maxY). It starts as (1024, 700) to (0, 0), not as an empty box, so minX never exceeds 1024,
/// minY never exceeds 700, and maxX and maxY never fall below 0.
struct Bounds {
    Point lower{1024.0f, 700.0f}; ///< (minX, minY)
    Point upper{0.0f, 0.0f};      ///< (maxX, maxY)
};

// The store, one per program, filled before the viewer starts and only read afterwards.
// The lists are constructed in this order and destroyed in the reverse order.
extern std::list<Point> scenePoints;     ///< dots, in insertion order
extern std::list<Segment> sceneSegments; ///< segments with end dots (no program adds one)
extern std::list<Line> sceneLines;       ///< infinite lines, in insertion order
extern std::list<Circle> sceneCircles;   ///< circle outlines, in insertion order
extern Bounds SceneBounds;               ///< box around all registered points and circles
extern const Point inversionCentre;      ///< the centre O of k, (0, 0)
extern float inversionRadius;            ///< the radius r of k; 0 until the entry sets it to 5

/// Appends a copy of p in the given colour (p's own colour is dropped), then grows SceneBounds by p.
void addPoint(Point p, ColourCode colour);

/// Appends a copy of c in the given colour, then grows SceneBounds by the square that encloses c.
void addCircle(Circle c, ColourCode colour);

/// Appends a copy of line with its own colour. Lines are infinite, so SceneBounds does not change.
void addLine(Line line);

/// Appends a copy of segment with its own colour. The ten programs add none; SceneBounds does not change.
void addSegment(Segment segment);

/// Empties the four lists and puts SceneBounds back to its starting value, for a program that builds its scene
/// anew after each change (the ten programs build theirs once). The circle of inversion is kept.
void clearScene();
