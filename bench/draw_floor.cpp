// draw_floor.cpp
// The floor of the drawing pipeline: the programs' window and camera calls, and one primitive of each kind they
// draw (a 100-vertex line loop, a line, a 4-pixel dot) in immediate mode on every repaint.
// Given "LOOPS LINES DOTS" on the command line it draws that many of each instead: the same drawing as a
// program's figure, without the program; a fourth number WIDTH draws the lines that wide and the dots as the
// explorer's grow with them (4 pixels at width 1, 8 at width 3), as on a projector.
#include <GL/glut.h>
#include <cmath>
#include <cstdlib>

static int loops = 1;
static int lines = 1;
static int dots = 1;
static float width = 1.0f;

// Black, blue, red in turn, as the figures use them.
static void colour(int i) {
    glColor3f(i % 3 == 2 ? 1.0f : 0.0f, 0.0f, i % 3 == 1 ? 1.0f : 0.0f);
}

static void display() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    for (int k = 0; k < loops; ++k) {
        colour(k);
        glBegin(GL_LINE_LOOP);
        for (int i = 0; i < 100; ++i) {
            const double angle = i * 6.283185307179586 / 100.0;
            glVertex2f(float((5.0 - k) * std::cos(angle)), float((5.0 - k) * std::sin(angle)));
        }
        glEnd();
    }
    for (int k = 0; k < lines; ++k) {
        colour(k + 1);
        glBegin(GL_LINES);
        glVertex2f(-100.0f + float(k), 100.0f);
        glVertex2f(100.0f + float(k), -100.0f);
        glEnd();
    }
    for (int k = 0; k < dots; ++k) {
        colour(k + 2);
        glPointSize(4.0f + 2.0f * (width - 1.0f));
        glBegin(GL_POINTS);
        glVertex2f(float(k), float(k));
        glEnd();
    }
    glPopMatrix();
    glFlush();
    glutSwapBuffers();
}

static void reshape(int width, int height) {
    height = height > 0 ? height : 1;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, width, height);
    gluPerspective(45.0, double(float(double(width) / height)), 1.0, 1000.0);
}

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    if (argc >= 4) {
        loops = std::atoi(argv[1]);
        lines = std::atoi(argv[2]);
        dots = std::atoi(argv[3]);
    }
    if (argc == 5) {
        width = float(std::atof(argv[4]));
    }
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(1024, 700);
    glutInitWindowPosition(100, 50);
    glutCreateWindow("Geometrija - prikaz zadatka");
    glClearColor(0.9f, 0.9f, 0.8f, 0.0f);
    // The camera of a scene framed on the box from (-5, -5) to (5, 5).
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(30.0, 1.0, 1.0, 20.0);
    gluLookAt(0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -20.0f);
    glLineWidth(width);
    glutDisplayFunc(display);
    glutReshapeFunc(reshape);
    glutMainLoop();
    return 0;
}
