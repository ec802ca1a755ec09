// view.cpp
// The view's maths: the camera looks face-on at (cx, cy) from distance d, and the window's height shows
// 2 d tan(22.5 deg) units, so zooming divides d and moving the view moves (cx, cy).
#include "view.h"

#include <algorithm>
#include <cmath>

static const double pi = 3.14159265358979323846;

// Scene units of the window's height per unit of the camera's distance.
static double heightPerDistance() {
    return 2.0 * std::tan(fieldOfView / 2.0 * pi / 180.0);
}

Camera startView() {
    return frameCamera(Bounds{{-8.0f, -8.0f}, {8.0f, 8.0f}});
}

// The camera at (cx, cy) whose window height shows the given units, kept between the closest and the farthest view.
static Camera cameraShowing(double cx, double cy, double height) {
    Camera camera;
    camera.cx = float(cx);
    camera.cy = float(cy);
    camera.d = float(std::clamp(height, closestViewHeight, farthestViewHeight) / heightPerDistance());
    // The extents that frameCamera gives a camera at this distance: nothing reads them once d is set.
    camera.extentX = camera.d / 2.0f;
    camera.extentY = camera.d / 2.0f;
    return camera;
}

Camera zoomAbout(const Camera& view, Point q, double factor) {
    if (!(factor > 0.0) || !std::isfinite(factor)) {
        return view;
    }
    const Camera zoomed = cameraShowing(view.cx, view.cy, view.d * heightPerDistance() / factor);
    // The magnification actually made, after the limits: q keeps its place when every point's offset from q
    // shrinks by it.
    const double made = double(view.d) / zoomed.d;
    return cameraShowing(q.x + (view.cx - q.x) / made, q.y + (view.cy - q.y) / made, zoomed.d * heightPerDistance());
}

Camera panned(const Camera& view, Point from, Point to) {
    Camera moved = view;
    moved.cx = float(double(view.cx) + from.x - to.x);
    moved.cy = float(double(view.cy) + from.y - to.y);
    return moved;
}

Bounds sceneBox(const Picture& picture, bool stepPoints) {
    double lower[2] = {0.0, 0.0};
    double upper[2] = {0.0, 0.0};
    bool any = false;
    const auto grow = [&](double x, double y, double radius) {
        const double low[2] = {x - radius, y - radius};
        const double high[2] = {x + radius, y + radius};
        for (int axis = 0; axis < 2; ++axis) {
            lower[axis] = any ? std::min(lower[axis], low[axis]) : low[axis];
            upper[axis] = any ? std::max(upper[axis], high[axis]) : high[axis];
        }
        any = true;
    };
    for (const Shape& shape : picture.shapes) {
        const bool ofStep = shape.role == Role::Construction || shape.role == Role::Image;
        if (shape.kind == ShapeKind::Dot && (!stepPoints || ofStep)) {
            grow(shape.a.x, shape.a.y, 0.0);
        }
        if (shape.kind == ShapeKind::Circle && !stepPoints) {
            grow(shape.a.x, shape.a.y, std::fabs(double(shape.radius)));
        }
    }
    const auto cut = [](double v) { return float(std::clamp(v, -double(fitReach), double(fitReach))); };
    return Bounds{{cut(lower[0]), cut(lower[1])}, {cut(upper[0]), cut(upper[1])}};
}

Camera fitView(const Bounds& box, int width, int height) {
    const double aspect = double(float(double(std::max(width, 1)) / std::max(height, 1)));
    const double boxWidth = double(box.upper.x) - box.lower.x;
    const double boxHeight = double(box.upper.y) - box.lower.y;
    return cameraShowing((double(box.lower.x) + box.upper.x) / 2.0, (double(box.lower.y) + box.upper.y) / 2.0,
                         std::max(boxHeight, boxWidth / aspect) / 0.9);
}

Camera widenToInclude(const Camera& view, const Bounds& box, int width, int height) {
    const VisibleRect shown = visibleRect(view, width, height);
    if (box.lower.x >= shown.left && box.upper.x <= shown.right && box.lower.y >= shown.bottom &&
        box.upper.y <= shown.top) {
        return view;
    }
    const Bounds both{
        {float(std::min(shown.left, double(box.lower.x))), float(std::min(shown.bottom, double(box.lower.y)))},
        {float(std::max(shown.right, double(box.upper.x))), float(std::max(shown.top, double(box.upper.y)))}};
    return fitView(both, width, height);
}

// The arrow from the view's centre c towards aim, its tip inset pixels inside the rectangle's edge.
static EdgeArrow arrowTowards(const VisibleRect& shown, Point c, Point aim, double inset) {
    const double vx = double(aim.x) - c.x;
    const double vy = double(aim.y) - c.y;
    const double halfWidth = std::max((shown.right - shown.left) / 2.0 - inset, 0.0);
    const double halfHeight = std::max((shown.top - shown.bottom) / 2.0 - inset, 0.0);
    // The largest share of the offset that stays inside the inset rectangle.
    double share = 1.0;
    if (std::fabs(vx) > 0.0) {
        share = std::min(share, halfWidth / std::fabs(vx));
    }
    if (std::fabs(vy) > 0.0) {
        share = std::min(share, halfHeight / std::fabs(vy));
    }
    const double length = std::hypot(vx, vy);
    return EdgeArrow{
        Point{float(c.x + vx * share), float(c.y + vy * share)}, Point{float(vx / length), float(vy / length)}, {}};
}

std::vector<EdgeArrow> edgeArrows(const Picture& picture, const Camera& view, int width, int height) {
    const VisibleRect shown = visibleRect(view, width, height);
    const double inset = 8.0 * unitsPerPixel(view, std::max(height, 1));
    const Point c{view.cx, view.cy};
    const std::array<Point, 4> corners{
        Point{float(shown.left), float(shown.bottom)}, Point{float(shown.right), float(shown.bottom)},
        Point{float(shown.right), float(shown.top)}, Point{float(shown.left), float(shown.top)}};
    std::vector<EdgeArrow> arrows;
    const auto outside = [&](Point aim, std::string name = {}) {
        if (std::hypot(double(aim.x) - c.x, double(aim.y) - c.y) > 0.0) {
            arrows.push_back(arrowTowards(shown, c, aim, inset));
            arrows.back().name = std::move(name);
        }
    };
    for (const Shape& shape : picture.shapes) {
        const Point p = shape.a;
        if (shape.kind == ShapeKind::Dot && shape.role == Role::Image &&
            (p.x < shown.left || p.x > shown.right || p.y < shown.bottom || p.y > shown.top)) {
            std::string name;
            for (const Label& label : picture.labels) {
                name = label.at.x == p.x && label.at.y == p.y ? label.text : name;
            }
            outside(p, name);
        }
    }
    for (const Shape& shape : picture.shapes) {
        if (shape.kind != ShapeKind::Circle || shape.role != Role::Image) {
            continue;
        }
        const Circle circle = circleOf(shape);
        // The outline crosses the rectangle unless the rectangle's nearest point is farther than the radius or
        // its farthest corner is nearer: then the rectangle lies wholly outside the circle or wholly inside it.
        const double r = std::fabs(double(circle.radius));
        const double nx = std::clamp(double(circle.centre.x), shown.left, shown.right) - circle.centre.x;
        const double ny = std::clamp(double(circle.centre.y), shown.bottom, shown.top) - circle.centre.y;
        double farthest = 0.0;
        for (const Point& corner : corners) {
            farthest =
                std::max(farthest, std::hypot(double(corner.x) - circle.centre.x, double(corner.y) - circle.centre.y));
        }
        if (std::hypot(nx, ny) <= r && r <= farthest) {
            continue;
        }
        const double ox = double(c.x) - circle.centre.x;
        const double oy = double(c.y) - circle.centre.y;
        const double away = std::hypot(ox, oy);
        outside(away > 0.0 ? Point{float(circle.centre.x + r * ox / away), float(circle.centre.y + r * oy / away)}
                           : Point{float(circle.centre.x + r), circle.centre.y});
    }
    for (const Shape& shape : picture.shapes) {
        const Line line = lineOf(shape);
        const double dx = line.direction.x;
        const double dy = line.direction.y;
        const double squared = dx * dx + dy * dy;
        if (shape.kind != ShapeKind::Line || shape.role != Role::Image || !(squared > 0.0)) {
            continue;
        }
        // The line misses the rectangle when all four corners lie on one side of it.
        int above = 0;
        for (const Point& corner : corners) {
            above += dx * (double(corner.y) - line.point.y) - dy * (double(corner.x) - line.point.x) > 0.0;
        }
        if (above != 0 && above != 4) {
            continue;
        }
        const double t = (dx * (double(c.x) - line.point.x) + dy * (double(c.y) - line.point.y)) / squared;
        outside(Point{float(line.point.x + t * dx), float(line.point.y + t * dy)});
    }
    return arrows;
}

std::vector<std::array<Point, 2>> arrowStrokes(const EdgeArrow& arrow, double unitsPerPixel, double size) {
    const double shaft = 16.0 * size * unitsPerPixel;
    const double head = 7.0 * size * unitsPerPixel;
    const Point d = arrow.direction;
    const Point t = arrow.tip;
    const auto at = [&](double along, double across) {
        return Point{float(t.x + along * d.x - across * d.y), float(t.y + along * d.y + across * d.x)};
    };
    return {{{at(-shaft, 0.0), t}, {at(-head, head * 0.6), t}, {at(-head, -head * 0.6), t}}};
}

std::vector<DrawnItem> arrowItems(const Picture& picture, const Camera& view, int width, int height, double size,
                                  double labelHeight) {
    std::vector<DrawnItem> items;
    const double perPixel = unitsPerPixel(view, std::max(height, 1));
    for (const EdgeArrow& arrow : edgeArrows(picture, view, width, height)) {
        DrawnItem item;
        item.kind = DrawnItem::Strokes;
        item.role = Role::Image;
        item.colour = roleColour(Role::Image);
        item.pieces = arrowStrokes(arrow, perPixel, size);
        if (!arrow.name.empty()) {
            // The name beside the middle of the shaft, on the side away from the edge the arrow points to.
            const double back = 8.0 * size * perPixel;
            Label name{
                arrow.name,
                Point{float(arrow.tip.x - back * arrow.direction.x), float(arrow.tip.y - back * arrow.direction.y)},
                Role::Image};
            name.heightPixels = labelHeight;
            name.leftPixels = arrow.direction.x > 0.0f ? -labelHeight * 2.5 : labelHeight * 0.5;
            name.bottomPixels = arrow.direction.y > 0.0f ? -labelHeight * 1.5 : labelHeight * 0.5;
            const std::vector<std::array<Point, 2>> letters = labelStrokes(name, perPixel);
            item.pieces.insert(item.pieces.end(), letters.begin(), letters.end());
        }
        items.push_back(item);
    }
    return items;
}
