// backend_webgl.cpp
// The web back end (emscripten only): WebGL without the emulation of immediate mode. A frame's vertices go into one
// array as the renderer hands them over, in its order; consecutive primitives of one kind and one colour form a run.
// When the frame ends the array becomes one vertex buffer and each run one draw call of a two-line shader: lines
// one pixel wide (a circle's polygon as its sides), dots as squares of dotSize pixels, each run in its palette colour,
// every vertex taken to clip space by the camera's matrix. The pixels are those of the immediate-mode drawing.
#include "backend.h"
#include "drawing.h"

#include <GLES2/gl2.h>

namespace backend {
namespace {

struct Run {
    GLenum mode;
    GLint first;
    GLsizei count;
    Rgb colour;
};

std::vector<float> vertices; // x, y of each vertex of the frame
std::vector<Run> runs;
Rgb current{1.0f, 1.0f, 1.0f}; // OpenGL's colour before any is given
std::array<float, 16> matrix{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

GLuint program = 0;
GLint matrixAt = -1;
GLint colourAt = -1;

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
    glUniform1f(glGetUniformLocation(program, "s"), dotSize);
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
}

// Starts a primitive of the mode in the colour of code (the colour before for a code outside 0..9): it continues the
// last run when that has the same mode and colour.
void begin(GLenum mode, ColourCode code) {
    if (const Rgb* rgb = paletteColour(code)) {
        current = *rgb;
    }
    const bool sameRun = !runs.empty() && runs.back().mode == mode && runs.back().colour.red == current.red &&
                         runs.back().colour.green == current.green && runs.back().colour.blue == current.blue;
    if (!sameRun) {
        runs.push_back(Run{mode, GLint(vertices.size() / 2), 0, current});
    }
}

void vertex(Point at) {
    vertices.push_back(at.x);
    vertices.push_back(at.y);
    ++runs.back().count;
}

} // namespace

// The page's canvas keeps the first size's drawing: its lines stay one pixel wide, as WebGL draws them.
void strokeSizes(float, float) {}

void useMatrix(const std::array<float, 16>& cameraMatrix) {
    matrix = cameraMatrix;
}

void beginScene() {}

void endScene() {}

void outline(ColourCode colour, const Point* outlineVertices, int count) {
    begin(GL_LINES, colour);
    for (int i = 0; i < count; ++i) {
        vertex(outlineVertices[i]);
        vertex(outlineVertices[i + 1 < count ? i + 1 : 0]);
    }
}

void line(ColourCode colour, Point a, Point b) {
    begin(GL_LINES, colour);
    vertex(a);
    vertex(b);
}

void dot(ColourCode colour, Point at) {
    begin(GL_POINTS, colour);
    vertex(at);
}

void strokes(ColourCode colour, const std::vector<std::array<Point, 2>>& pairs) {
    begin(GL_LINES, colour);
    for (const auto& stroke : pairs) {
        vertex(stroke[0]);
        vertex(stroke[1]);
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
        glDrawArrays(run.mode, run.first, run.count);
    }
    vertices.clear();
    runs.clear();
}

} // namespace backend
