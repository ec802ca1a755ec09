// render.cpp
// The renderer. The geometry is computed by the core's pure functions; the walk below hands it, record by record, to
// the back end (backend.h), which draws it with OpenGL natively and with WebGL in the browser.
#include "render.h"

#include "backend.h"

#include <GL/glut.h>
#include <iterator>

void drawLine(Line line) {
    const std::array<Point, 2> ends = lineEnds(line);
    backend::line(line.colour, ends[0], ends[1]);
}

// A closed polygon of count vertices.
static void drawOutline(const Circle& circle, int count) {
    static std::vector<Point> vertices;
    vertices.resize(count);
    for (int i = 0; i < count; ++i) {
        vertices[i] = circleVertex(circle, i, count);
    }
    backend::outline(circle.colour, vertices.data(), count);
}

void drawCircle(Circle circle) {
    drawOutline(circle, circleVertexCount);
}

// The dashes of a dashed record, as the strokes of one primitive: both back ends draw them as lines, so the pixels
// agree. A line of the construction runs 1000 units either way, tens of thousands of dashes at a close view and
// nearly all of them beyond the frame: only those that can reach it, two pixels to spare, are computed and handed to
// GL, which would draw nothing of the others.
static void drawDashes(ColourCode colour, const std::vector<Point>& vertices, bool closed, double pixelsPerUnit,
                       const VisibleRect& shown) {
    const double spare = 2.0 / pixelsPerUnit;
    const VisibleRect reach{shown.left - spare, shown.bottom - spare, shown.right + spare, shown.top + spare};
    backend::strokes(colour, dashPieces(vertices, closed, 1.0 / pixelsPerUnit, &reach));
}

// The walk of the store. Only the explorer has dashed records: the ten programs' walk has no dashes, so that their
// web pages carry no dash code. Dashes are measured in pixels, so only a scene drawn at a known scale has them.
template <bool withDashes> static void walkScene(double pixelsPerUnit, const VisibleRect& shown = {}) {
    const auto dashed = [pixelsPerUnit](ColourCode colour) {
        return withDashes && pixelsPerUnit > 0.0 && dashedColour(colour);
    };
    backend::beginScene();
    for (const Circle& circle : sceneCircles) {
        const int count = pixelsPerUnit > 0.0 ? outlineVertexCount(circle, pixelsPerUnit) : circleVertexCount;
        if (dashed(circle.colour)) {
            std::vector<Point> vertices(count);
            for (int i = 0; i < count; ++i) {
                vertices[i] = circleVertex(circle, i, count);
            }
            drawDashes(circle.colour, vertices, true, pixelsPerUnit, shown);
        } else {
            drawOutline(circle, count);
        }
    }
    for (const Line& line : sceneLines) {
        if (dashed(line.colour)) {
            const std::array<Point, 2> ends = lineEnds(line);
            drawDashes(line.colour, {ends[0], ends[1]}, false, pixelsPerUnit, shown);
        } else {
            drawLine(line);
        }
    }
    std::vector<std::array<Point, 2>> run; // the pieces of a broken line under way
    for (auto it = sceneSegments.begin(); it != sceneSegments.end(); ++it) {
        const Segment& segment = *it;
        const auto next = std::next(it);
        const bool carriedOn = next != sceneSegments.end() && continuesRun(segment, *next);
        if (dashed(segment.colour)) {
            drawDashes(segment.colour, {segment.start, segment.end}, false, pixelsPerUnit, shown);
            backend::dot(segment.colour, segment.start);
            backend::dot(segment.colour, segment.end);
        } else if (run.empty() && !carriedOn) {
            backend::segment(segment.colour, segment.start, segment.end);
        } else {
            // A broken line: its pieces in one go, a dot at either end and none at its corners.
            run.push_back({segment.start, segment.end});
            if (!carriedOn) {
                backend::strokes(segment.colour, run);
                backend::dot(segment.colour, run.front()[0]);
                backend::dot(segment.colour, segment.end);
                run.clear();
            }
        }
    }
    for (const Point& point : scenePoints) {
        backend::dot(point.colour, point);
    }
    backend::endScene();
}

void drawScene(double pixelsPerUnit) {
    walkScene<false>(pixelsPerUnit);
}

void drawDashedScene(double pixelsPerUnit, const VisibleRect& shown) {
    walkScene<true>(pixelsPerUnit, shown);
}

void drawLabels(const std::vector<Label>& labels, double unitsPerPixel) {
    for (const Label& label : labels) {
        backend::strokes(label.colour, labelStrokes(label, unitsPerPixel));
    }
}

void drawStrokes(ColourCode colour, const std::vector<std::array<Point, 2>>& pairs) {
    backend::strokes(colour, pairs);
}

void endFrame() {
    backend::endFrame();
}

void displayScene() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawScene();
    endFrame();
}
