// band_window.cpp
// The band's layout and drawing, in the window's pixels.
#include "band_window.h"

#include "text.h"
#include "viewer.h"

#include <GL/glut.h>
#include <algorithm>

namespace {

// The band's letters, large enough to be read across a classroom and larger on a projector, and its line spacing and
// margins in pixels, in proportion to them (22 and 10 for 18-pixel letters).
int bandSize = 18;
// The band keeps room for this many lines.
const int bandLeastLines = 5;
// The band's lines and height as last laid out.
std::vector<std::string> bandText;
int bandHeight = 0;

int bandLineHeight() {
    return (bandSize * 22 + 9) / 18;
}

int bandMargin() {
    return (bandSize * 10 + 9) / 18;
}

} // namespace

int layOutBand(bool shown, const BandText& text, bool resized) {
    const WindowSize size = shownWindowSize();
    int height = 0;
    std::vector<std::string> lines;
    if (shown) {
        bandSize = bandTextSize(size.height);
        useTextSize(bandSize);
        lines = text(size.width - 2 * bandMargin(), textAdvance);
        const int rows = int(std::max(lines.size(), std::size_t(bandLeastLines)));
        height = std::min(rows * bandLineHeight() + bandMargin(), size.height / 2);
    }
    if (resized || height != bandHeight || lines != bandText) {
        showBand(height, resized);
    }
    bandText = std::move(lines);
    bandHeight = height;
    return height;
}

void displayBand() {
    const int width = glutGet(GLUT_WINDOW_WIDTH);
    const int height = glutGet(GLUT_WINDOW_HEIGHT);
    glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0.0, width, 0.0, height);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3f(0.0f, 0.0f, 0.0f);
    useTextSize(bandSize);
    beginText(width, height);
    for (std::size_t i = 0; i < bandText.size(); ++i) {
        // The baseline sits a fifth of a line above the line's bottom, room for the descenders.
        drawText(bandText[i], bandMargin(),
                 height - bandMargin() / 2 - int(i + 1) * bandLineHeight() + bandLineHeight() / 5);
    }
    endText();
    glBegin(GL_LINES);
    glVertex2f(0.0f, height - 0.5f);
    glVertex2f(float(width), height - 0.5f);
    glEnd();
    glutSwapBuffers();
}
