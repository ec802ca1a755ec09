// render.cpp
// The renderer. What a frame draws comes from the core's one walk (drawList); the loop below hands it, item by item,
// to the back end (backend.h), which draws it with OpenGL natively and with WebGL in the browser.
#include "render.h"

#include "backend.h"

#include <GL/glut.h>

// The sizes the frames are drawn at: the first size's until a program asks for others.
static StrokeSizes sizes;

void drawItems(const std::vector<DrawnItem>& items) {
    static std::vector<Point> vertices;
    backend::beginScene();
    float width = sizes.lineWidth;
    backend::strokeSizes(width, sizes.dotSize);
    for (const DrawnItem& item : items) {
        // The image's lines and outlines are drawn wider than the rest (its label's letters and its dots are not).
        const bool line = item.kind == DrawnItem::Outline || item.kind == DrawnItem::Stroke;
        const float itemWidth = line && imageRole(item.role) ? sizes.imageLineWidth : sizes.lineWidth;
        if (itemWidth != width) {
            width = itemWidth;
            backend::strokeSizes(width, sizes.dotSize);
        }
        // The dashes of a dashed item are the strokes of one primitive: both back ends draw them as lines, so the
        // pixels agree.
        if (item.dashed) {
            backend::strokes(item.colour, item.pieces);
            continue;
        }
        switch (item.kind) {
        case DrawnItem::Outline: {
            const Circle circle{{float(item.x), float(item.y)}, float(item.radius)};
            vertices.resize(std::size_t(item.vertices));
            for (int i = 0; i < item.vertices; ++i) {
                vertices[std::size_t(i)] = circleVertex(circle, i, item.vertices);
            }
            backend::outline(item.colour, vertices.data(), item.vertices);
            break;
        }
        case DrawnItem::Stroke:
            backend::line(item.colour, Point{float(item.x), float(item.y)}, Point{float(item.x2), float(item.y2)});
            break;
        case DrawnItem::Dot:
            backend::dot(item.colour, Point{float(item.x), float(item.y)});
            break;
        case DrawnItem::Strokes:
            backend::strokes(item.colour, item.pieces);
            break;
        }
    }
    backend::endScene();
}

void drawScene(double pixelsPerUnit) {
    drawItems(drawList(storePicture(), WalkFrame{{}, pixelsPerUnit > 0.0 ? 1.0 / pixelsPerUnit : 0.0, false}));
}

void useStrokeSizes(const StrokeSizes& shown) {
    sizes = shown;
}

void endFrame() {
    backend::endFrame();
}

void displayScene() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawScene();
    endFrame();
}
