// webgl_line.cpp
// The floor of drawing with WebGL (web build only): the programs' window, cleared to their background and one line
// drawn across it with a vertex buffer and a two-line shader on every repaint, the way the pages draw their figures.
#include <GL/glut.h>
#include <GLES2/gl2.h>
#include <utility>

static GLuint program = 0;

// The shader and the buffer of the line, made on the first frame as the pages make theirs.
static void setUp() {
    const char* const vertexShader = "attribute vec2 p;void main(){gl_Position=vec4(p,0.0,1.0);}";
    const char* const fragmentShader = "precision mediump float;void main(){gl_FragColor=vec4(0.0,0.0,0.0,1.0);}";
    program = glCreateProgram();
    for (const auto& [kind, source] : {std::pair{GL_VERTEX_SHADER, vertexShader},
                                      std::pair{GL_FRAGMENT_SHADER, fragmentShader}}) {
        const GLuint shader = glCreateShader(kind);
        glShaderSource(shader, 1, &source, nullptr);
        glCompileShader(shader);
        glAttachShader(program, shader);
    }
    glBindAttribLocation(program, 0, "p");
    glLinkProgram(program);
    glUseProgram(program);
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
}

static void display() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (program == 0) {
        setUp();
    }
    const float line[] = {-1.0f, 1.0f, 1.0f, -1.0f};
    glBufferData(GL_ARRAY_BUFFER, sizeof line, line, GL_STREAM_DRAW);
    glDrawArrays(GL_LINES, 0, 2);
}

static void reshape(int width, int height) {
    glViewport(0, 0, width, height > 0 ? height : 1);
}

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(1024, 700);
    glutInitWindowPosition(100, 50);
    glutCreateWindow("Geometrija - prikaz zadatka");
    glClearColor(0.9f, 0.9f, 0.8f, 0.0f);
    glutDisplayFunc(display);
    glutReshapeFunc(reshape);
    glutMainLoop();
    return 0;
}
