// backend_webgl.cpp
// The web back end (emscripten only): WebGL without the emulation of immediate mode. A frame's vertices go into one
// array as the renderer hands them over, in its order; consecutive primitives of one kind, one colour and one size
// form a run. When the frame ends the array becomes one vertex buffer and each run one draw call of a two-line
// shader: lines one pixel wide (a circle's polygon as its sides), wider lines as quads of two triangles each and a
// wider circle's polygon as one strip of triangles, dots as squares of their size in pixels, each run in its palette
// colour, every vertex taken to clip space by the camera's matrix. At one pixel the pixels are those of the
// immediate-mode drawing.
#include "backend.h"
#include "camera.h"
#include "drawing.h"

#include <GLES2/gl2.h>
#include <algorithm>
#include <cmath>

namespace backend {
namespace {

struct Run {
    GLenum mode;
    GLint first;
    GLsizei count;
    Rgb colour;
    float dotSize; ///< of a run of dots, in pixels
};

std::vector<float> vertices; // x, y of each vertex of the frame
std::vector<Run> runs;
Rgb current{1.0f, 1.0f, 1.0f}; // OpenGL's colour before any is given
std::array<float, 16> matrix{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
int viewportWidth = windowWidth;
int viewportHeight = windowHeight;
float lineWidth = 1.0f;
float shownDotSize = dotSize;

GLuint program = 0;
GLint matrixAt = -1;
GLint colourAt = -1;
GLint sizeAt = -1;

const char* const vertexShader = "attribute vec2 p;uniform mat4 m;uniform float s;"
                                 "void main(){gl_Position=m*vec4(p,0.0,1.0);gl_PointSize=s;}";
const char* const fragmentShader = "precision mediump float;uniform vec3 c;void main(){gl_FragColor=vec4(c,1.0);}";

GLuint compile(GLenum kind, const char* source) {
    const GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    glAttachShader(program, shader);
    return shader;
}

// The program, the buffer and the state every frame shares, made on the first frame (the window's context exists).
void setUp() {
    program = glCreateProgram();
    compile(GL_VERTEX_SHADER, vertexShader);
    compile(GL_FRAGMENT_SHADER, fragmentShader);
    glBindAttribLocation(program, 0, "p");
    glLinkProgram(program);
    glUseProgram(program);
    matrixAt = glGetUniformLocation(program, "m");
    colourAt = glGetUniformLocation(program, "c");
    sizeAt = glGetUniformLocation(program, "s");
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
}

// Starts a primitive of the mode in the colour of code (the colour before for a code outside 0..9): it continues the
// last run when that has the same mode and colour, and for dots the same size.
void begin(GLenum mode, ColourCode code) {
    if (const Rgb* rgb = paletteColour(code)) {
        current = *rgb;
    }
    const Run* last = runs.empty() ? nullptr : &runs.back();
    const bool sameRun = last && last->mode == mode && last->colour.red == current.red &&
                         last->colour.green == current.green && last->colour.blue == current.blue &&
                         (mode != GL_POINTS || last->dotSize == shownDotSize);
    if (!sameRun) {
        runs.push_back(Run{mode, GLint(vertices.size() / 2), 0, current, shownDotSize});
    }
}

void vertex(Point at) {
    vertices.push_back(at.x);
    vertices.push_back(at.y);
    ++runs.back().count;
}

void vertex(double x, double y) {
    vertex(Point{float(x), float(y)});
}

// WebGL draws no line wider than a pixel: a width that rounds to one pixel is drawn as WebGL's own lines, exactly as
// before there were wider ones; a wider one as triangles.
bool wide() {
    return lineWidth >= 1.5f;
}

GLenum lineMode() {
    return wide() ? GL_TRIANGLES : GL_LINES;
}

// A straight piece of a line from a to b. A wide one is a quad lineWidth pixels across, reaching half of that past
// each end, so that the sides of a circle's polygon overlap where they meet and leave no notch at the joints. The
// camera looks at the plane face on: every point of it lies at the depth w = m[15], so that a pixel is the same
// length of the plane anywhere in the view, and the quad's corners are found in the plane.
void piece(Point a, Point b) {
    if (!wide()) {
        vertex(a);
        vertex(b);
        return;
    }
    const double pixelsPerUnitX = matrix[0] * viewportWidth / 2.0;
    const double pixelsPerUnitY = matrix[5] * viewportHeight / 2.0;
    if (!(pixelsPerUnitX > 0.0 && pixelsPerUnitY > 0.0 && matrix[15] > 0.0f)) {
        return;
    }
    const double unitsX = matrix[15] / pixelsPerUnitX;
    const double unitsY = matrix[15] / pixelsPerUnitY;
    // Half the width along the piece and across it, in pixels.
    const double dx = (double(b.x) - a.x) / unitsX;
    const double dy = (double(b.y) - a.y) / unitsY;
    const double length = std::hypot(dx, dy);
    if (!(length > 0.0)) {
        return;
    }
    const double alongX = dx / length * lineWidth / 2.0 * unitsX;
    const double alongY = dy / length * lineWidth / 2.0 * unitsY;
    const double acrossX = -dy / length * lineWidth / 2.0 * unitsX;
    const double acrossY = dx / length * lineWidth / 2.0 * unitsY;
    const double startX = a.x - alongX, startY = a.y - alongY;
    const double endX = b.x + alongX, endY = b.y + alongY;
    vertex(startX + acrossX, startY + acrossY);
    vertex(startX - acrossX, startY - acrossY);
    vertex(endX + acrossX, endY + acrossY);
    vertex(endX + acrossX, endY + acrossY);
    vertex(startX - acrossX, startY - acrossY);
    vertex(endX - acrossX, endY - acrossY);
}

} // namespace

void strokeSizes(float width, float dots) {
    lineWidth = width;
    shownDotSize = dots;
}

void useMatrix(const std::array<float, 16>& cameraMatrix, int width, int height) {
    matrix = cameraMatrix;
    viewportWidth = width;
    viewportHeight = height;
}

void beginScene() {}

void endScene() {}

void outline(ColourCode colour, const Point* outlineVertices, int count) {
    if (!wide() || count < 3) {
        begin(lineMode(), colour);
        for (int i = 0; i < count; ++i) {
            piece(outlineVertices[i], outlineVertices[i + 1 < count ? i + 1 : 0]);
        }
        return;
    }
    // A wide closed polygon is one strip along it: at each corner a point lineWidth / 2 out and one in, along the
    // bisector of the two sides' normals and as far as keeps both sides lineWidth wide (at most twice that, for a
    // sharp corner). The sides meet without overlapping, and the strip has a third of the vertices of a quad per
    // side. A strip that follows another in the run is joined to it by two repeated vertices, whose triangles have no
    // area.
    const double pixelsPerUnitX = matrix[0] * viewportWidth / 2.0;
    const double pixelsPerUnitY = matrix[5] * viewportHeight / 2.0;
    if (!(pixelsPerUnitX > 0.0 && pixelsPerUnitY > 0.0 && matrix[15] > 0.0f)) {
        return;
    }
    const double unitsX = matrix[15] / pixelsPerUnitX;
    const double unitsY = matrix[15] / pixelsPerUnitY;
    // The unit normal of the side from a to b in pixels, (0, 0) for a side of no length.
    const auto normal = [&](Point a, Point b) {
        const double dx = (double(b.x) - a.x) / unitsX;
        const double dy = (double(b.y) - a.y) / unitsY;
        const double length = std::hypot(dx, dy);
        return length > 0.0 ? std::array<double, 2>{-dy / length, dx / length} : std::array<double, 2>{0.0, 0.0};
    };
    begin(GL_TRIANGLE_STRIP, colour);
    bool join = runs.back().count > 0;
    for (int i = 0; i <= count; ++i) {
        const Point at = outlineVertices[i % count];
        const auto before = normal(outlineVertices[(i + count - 1) % count], at);
        const auto after = normal(at, outlineVertices[(i + 1) % count]);
        double mx = before[0] + after[0];
        double my = before[1] + after[1];
        const double length = std::hypot(mx, my);
        if (!(length > 0.0)) {
            continue;
        }
        mx /= length;
        my /= length;
        const double side = std::max(mx * after[0] + my * after[1], mx * before[0] + my * before[1]);
        const double reach = lineWidth / 2.0 / std::max(side, 0.5);
        const double x = at.x + mx * reach * unitsX;
        const double y = at.y + my * reach * unitsY;
        if (join) {
            vertex(Point{vertices[vertices.size() - 2], vertices.back()});
            vertex(x, y);
            join = false;
        }
        vertex(x, y);
        vertex(at.x - mx * reach * unitsX, at.y - my * reach * unitsY);
    }
}

void line(ColourCode colour, Point a, Point b) {
    begin(lineMode(), colour);
    piece(a, b);
}

void dot(ColourCode colour, Point at) {
    begin(GL_POINTS, colour);
    vertex(at);
}

void strokes(ColourCode colour, const std::vector<std::array<Point, 2>>& pairs) {
    begin(lineMode(), colour);
    for (const auto& stroke : pairs) {
        piece(stroke[0], stroke[1]);
    }
}

// The browser shows the canvas when the callback that drew it returns: there is nothing to swap.
void endFrame() {
    if (program == 0) {
        setUp();
    }
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices.size() * sizeof(float)), vertices.data(), GL_STREAM_DRAW);
    glUniformMatrix4fv(matrixAt, 1, GL_FALSE, matrix.data());
    for (const Run& run : runs) {
        glUniform3f(colourAt, run.colour.red, run.colour.green, run.colour.blue);
        if (run.mode == GL_POINTS) {
            glUniform1f(sizeAt, run.dotSize);
        }
        glDrawArrays(run.mode, run.first, run.count);
    }
    vertices.clear();
    runs.clear();
}

} // namespace backend
