// walk.cpp
// The one walk: what is drawn, in which colour and how, cut to the view where a file asks for it. Nothing here
// touches OpenGL.
#include "walk.h"

#include <algorithm>
#include <cmath>

VisibleRect visibleRect(const Camera& camera, int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    // The projection's aspect goes through a float on its way to gluPerspective; the same rounding keeps the
    // rectangle's sides where the frame has them.
    const double aspect = double(float(double(width) / height));
    const double halfHeight = unitsPerPixel(camera, height) * height / 2.0;
    const double halfWidth = halfHeight * aspect;
    return VisibleRect{camera.cx - halfWidth, camera.cy - halfHeight, camera.cx + halfWidth, camera.cy + halfHeight};
}

WalkFrame windowFrame(const Camera& camera, int width, int height) {
    return WalkFrame{visibleRect(camera, width, height), unitsPerPixel(camera, std::max(height, 1)), false};
}

WalkFrame fileFrame(const Camera& camera, int width, int height) {
    WalkFrame frame = windowFrame(camera, width, height);
    frame.cut = true;
    return frame;
}

// Cuts the piece from (x, y) to (x2, y2) to the rectangle (Liang-Barsky: the piece is p + t (q - p) for t in
// [0, 1], and each side of the rectangle bounds t from one end). False when nothing of a piece of positive length
// is left.
static bool clipPiece(const VisibleRect& r, DrawnItem* piece) {
    const double dx = piece->x2 - piece->x;
    const double dy = piece->y2 - piece->y;
    if (dx == 0.0 && dy == 0.0) {
        return false; // a piece of length 0 covers no pixel
    }
    double enter = 0.0;
    double leave = 1.0;
    const double towards[4] = {-dx, dx, -dy, dy};
    const double room[4] = {piece->x - r.left, r.right - piece->x, piece->y - r.bottom, r.top - piece->y};
    for (int side = 0; side < 4; ++side) {
        if (towards[side] == 0.0) {
            if (room[side] < 0.0) {
                return false; // parallel to this side and beyond it
            }
            continue;
        }
        const double t = room[side] / towards[side];
        if (towards[side] < 0.0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    if (!(enter < leave)) {
        return false;
    }
    const double x = piece->x;
    const double y = piece->y;
    piece->x = x + enter * dx;
    piece->y = y + enter * dy;
    piece->x2 = x + leave * dx;
    piece->y2 = y + leave * dy;
    return true;
}

// Whether a circle's outline passes within margin of the rectangle: the rectangle neither lies wholly outside the
// circle nor wholly inside it.
static bool outlineReaches(const VisibleRect& r, double x, double y, double radius, double margin) {
    const double nearX = std::max({r.left - x, 0.0, x - r.right});
    const double nearY = std::max({r.bottom - y, 0.0, y - r.top});
    const double farX = std::max(std::fabs(x - r.left), std::fabs(x - r.right));
    const double farY = std::max(std::fabs(y - r.bottom), std::fabs(y - r.top));
    return std::hypot(nearX, nearY) <= radius + margin && std::hypot(farX, farY) >= radius - margin;
}

static bool dotReaches(const VisibleRect& r, double x, double y, double half) {
    return x >= r.left - half && x <= r.right + half && y >= r.bottom - half && y <= r.top + half;
}

std::vector<DrawnItem> drawList(const Picture& shown, const WalkFrame& frame, const std::vector<DrawnItem>& arrows) {
    const VisibleRect& view = frame.view;
    const double pixel = frame.unitsPerPixel;
    const bool scaled = pixel > 0.0;
    const double halfDot = dotSize / 2.0 * pixel;
    // Dashes are computed only where they can reach the frame, two pixels to spare: a line of the construction runs
    // 1000 units either way, tens of thousands of dashes at a close view.
    const double spare = 2.0 * pixel;
    const VisibleRect reach{view.left - spare, view.bottom - spare, view.right + spare, view.top + spare};
    std::vector<DrawnItem> items;
    ColourCode current = White;
    // The item of a shape, in its role's colour, or the current one when a stored code names no colour.
    const auto item = [&current, scaled](DrawnItem::Kind kind, const Shape& shape) {
        const ColourCode code = shape.role == Role::Other ? shape.colour : roleColour(shape.role);
        if (paletteColour(code)) {
            current = code;
        }
        DrawnItem drawn;
        drawn.kind = kind;
        drawn.role = shape.role;
        drawn.colour = current;
        drawn.dashed = dashedRole(shape.role) && scaled;
        return drawn;
    };
    const auto dashes = [&](DrawnItem& drawn, const std::vector<Point>& vertices, bool closed) {
        if (drawn.dashed && !frame.cut) {
            drawn.pieces = dashPieces(vertices, closed, pixel, &reach);
        }
    };
    const auto addDot = [&](DrawnItem drawn, Point p) {
        drawn.kind = DrawnItem::Dot;
        drawn.dashed = false;
        drawn.pieces.clear();
        drawn.x = p.x;
        drawn.y = p.y;
        drawn.x2 = drawn.y2 = drawn.radius = 0.0;
        if (!frame.cut || dotReaches(view, p.x, p.y, halfDot)) {
            items.push_back(drawn);
        }
    };
    // A stroke from a to b, cut to the view for a file.
    const auto addStroke = [&](DrawnItem drawn, Point a, Point b) {
        drawn.x = a.x;
        drawn.y = a.y;
        drawn.x2 = b.x;
        drawn.y2 = b.y;
        dashes(drawn, {a, b}, false);
        if (!frame.cut || clipPiece(view, &drawn)) {
            // A dashed stroke cut at its start keeps its dashes where the window has them.
            drawn.dashOffset = drawn.dashed ? std::hypot(drawn.x - a.x, drawn.y - a.y) : 0.0;
            items.push_back(drawn);
        }
    };
    for (const Shape& shape : shown.shapes) {
        if (shape.kind != ShapeKind::Circle) {
            continue;
        }
        DrawnItem drawn = item(DrawnItem::Outline, shape);
        const Circle circle = circleOf(shape);
        drawn.x = circle.centre.x;
        drawn.y = circle.centre.y;
        // A negative radius traces the same circle.
        drawn.radius = std::fabs(double(circle.radius));
        drawn.vertices = scaled ? outlineVertexCount(circle, 1.0 / pixel) : circleVertexCount;
        if (frame.cut) {
            // A circle of radius 0 covers no pixel.
            if (drawn.radius > 0.0 && outlineReaches(view, drawn.x, drawn.y, drawn.radius, pixel)) {
                items.push_back(drawn);
            }
            continue;
        }
        if (drawn.dashed) {
            std::vector<Point> vertices(std::size_t(drawn.vertices));
            for (int i = 0; i < drawn.vertices; ++i) {
                vertices[std::size_t(i)] = circleVertex(circle, i, drawn.vertices);
            }
            dashes(drawn, vertices, true);
        }
        items.push_back(drawn);
    }
    for (const Shape& shape : shown.shapes) {
        if (shape.kind == ShapeKind::Line) {
            const std::array<Point, 2> ends = lineEnds(lineOf(shape));
            addStroke(item(DrawnItem::Stroke, shape), ends[0], ends[1]);
        }
    }
    for (const Shape& shape : shown.shapes) {
        if (shape.kind != ShapeKind::Segment) {
            continue;
        }
        const DrawnItem drawn = item(DrawnItem::Stroke, shape);
        addStroke(drawn, shape.a, shape.b);
        // An arc's pieces, a trace's and a construction's dashes end in no dot of their own: a dot would read as a
        // point.
        if (shape.role != Role::GivenArc && shape.role != Role::ImageArc && shape.role != Role::Trace &&
            !dashedRole(shape.role)) {
            addDot(drawn, shape.a);
            addDot(drawn, shape.b);
        }
    }
    for (const Shape& shape : shown.shapes) {
        if (shape.kind == ShapeKind::Dot) {
            addDot(item(DrawnItem::Dot, shape), shape.a);
        }
    }
    for (const Label& label : shown.labels) {
        DrawnItem drawn;
        drawn.kind = DrawnItem::Strokes;
        drawn.role = label.role;
        drawn.colour = roleColour(label.role);
        drawn.pieces = labelStrokes(label, pixel);
        items.push_back(drawn);
    }
    items.insert(items.end(), arrows.begin(), arrows.end());
    return items;
}
