// gl_context_test.cpp
// The renderer and the reshape callback against a real OpenGL context: what they leave in GL's state.
#include "render.h"
#include "viewer.h"
#include "x_session.h"

#include <GL/freeglut.h>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

class GlContext : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        setenv("DISPLAY", testScreen.name.c_str(), 1);
        int argc = 1;
        char name[] = "gl_context_test";
        char* argv[] = {name, nullptr};
        glutInit(&argc, argv);
        glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(200, 100);
        glutInitWindowPosition(10, 10);
        glutCreateWindow("gl_context_test");
        glutDisplayFunc(displayScene);
        glutReshapeFunc(reshapeViewport);
        // Let the window be mapped, so that what is drawn lands on the screen.
        const double deadline = now() + 30.0;
        while (grabWindow(testDisplay, findWindow(testDisplay, "gl_context_test")).width == 0 && now() < deadline) {
            glutMainLoopEvent();
            pause(0.01);
        }
    }
    // The connection must be closed before the display goes away.
    static void TearDownTestSuite() { glutExit(); }
};

std::array<float, 4> currentColour() {
    std::array<float, 4> colour{};
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    return colour;
}

TEST_F(GlContext, CodesOutsideThePaletteLeaveTheColourAlone) {
    glColor3f(0.25f, 0.5f, 0.75f);
    for (ColourCode code : {-1, 10, 12}) {
        setColour(code);
        EXPECT_EQ(currentColour(), (std::array<float, 4>{0.25f, 0.5f, 0.75f, 1.0f})) << "code " << code;
    }
    setColour(Orange);
    EXPECT_EQ(currentColour(), (std::array<float, 4>{1.0f, 0.5f, 0.0f, 1.0f}));
    setColour(Purple);
    EXPECT_EQ(currentColour(), (std::array<float, 4>{0.5f, 0.0f, 0.5f, 1.0f}));
}

TEST_F(GlContext, ReshapeToHeightZeroActsAsHeightOne) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(1.0f, 2.0f, -3.0f);
    reshapeViewport(640, 0);

    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 640);
    EXPECT_EQ(viewport[3], 1);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_PROJECTION) << "the projection stays current";

    // A 45-degree perspective of aspect 640: x is scaled by cot(22.5 deg) / 640, y by cot(22.5 deg).
    const double cot = 1.0 / std::tan(3.14159265358979323846 / 8.0);
    GLfloat projection[16] = {};
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_NEAR(projection[0], cot / 640.0, 1e-6);
    EXPECT_NEAR(projection[5], cot, 1e-5);

    GLfloat modelview[16] = {};
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    EXPECT_EQ(modelview[12], 1.0f) << "the modelview matrix is not touched";
    EXPECT_EQ(modelview[13], 2.0f);
    EXPECT_EQ(modelview[14], -3.0f);
}

TEST_F(GlContext, ARecordWithoutAPaletteColourTakesTheColourDrawnBeforeIt) {
    // A red circle, then a dot of code 12 at its centre: the dot shows red.
    sceneCircles = {Circle{{0.0f, 0.0f}, 5.0f, Red}};
    scenePoints = {Point{0.0f, 0.0f, 12}};
    glClearColor(0.9f, 0.9f, 0.8f, 0.0f);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -20.0f);
    reshapeViewport(200, 100);
    displayScene();
    glFinish();
    const Image frame = grabWindow(testDisplay, findWindow(testDisplay, "gl_context_test"));
    ASSERT_EQ(frame.width, 200);
    const Pixel centre = pixelAt(frame, 100, 49);
    EXPECT_EQ(centre.r, 255);
    EXPECT_EQ(centre.g, 0);
    EXPECT_EQ(centre.b, 0);
    const Pixel corner = pixelAt(frame, 1, 1);
    EXPECT_NEAR(corner.r, 0.9 * 255.0, 1.0) << "the background";
    sceneCircles.clear();
    scenePoints.clear();
}

// drawScene hands GL one line loop per circle; at 200 pixels a unit a circle of radius 5 is 1000 pixels in radius,
// and a quarter pixel's stray takes n = ceil(pi / acos(1 - 0.25 / 1000)) = ceil(140.49) = 141 vertices; without a
// scale, the fixed 100. GL's feedback reports each side of the loop as one line.
TEST_F(GlContext, DrawSceneGivesACircleTheVerticesOfItsSizeOnScreen) {
    sceneCircles = {Circle{{0.0f, 0.0f}, 5.0f, Black}};
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-6, 6, -6, 6, -1, 1); // the whole circle in view, so that nothing is clipped away
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    for (const auto& [pixelsPerUnit, expected] : {std::pair{200.0, 141}, {0.0, 100}}) {
        std::vector<GLfloat> feedback(8192);
        glFeedbackBuffer(GLsizei(feedback.size()), GL_2D, feedback.data());
        glRenderMode(GL_FEEDBACK);
        drawScene(pixelsPerUnit);
        const GLint size = glRenderMode(GL_RENDER);
        int lines = 0;
        for (GLint i = 0; i < size && (feedback[i] == GL_LINE_TOKEN || feedback[i] == GL_LINE_RESET_TOKEN); i += 5) {
            ++lines;
        }
        EXPECT_EQ(lines * 5, size) << "nothing but lines, two x, y vertices each";
        EXPECT_EQ(lines, expected) << pixelsPerUnit << " pixels a unit";
    }
    sceneCircles.clear();
}

} // namespace
