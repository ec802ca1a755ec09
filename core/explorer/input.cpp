// input.cpp
// The pointer's and the view's arithmetic shared by the programs that answer a person.
#include "input.h"

#include "labels.h"
#include "snapping.h"
#include "view.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

void printLine(Effects& effects, const std::string& text) {
    effects.printed += text;
    if (text.empty() || text.back() != '\n') {
        effects.printed += "\n";
    }
}

double Pointing::scale() const {
    return unitsPerPixel(view, area.height);
}

double Pointing::reach() const {
    return finger ? touchUnitsPerPixel(scale(), cssScale) : scale();
}

Point Pointing::at(int x, int y) const {
    return sceneOfPixel(view, area.width, area.height, x, y);
}

Point Pointing::inside(int x, int y) const {
    return at(std::clamp(x, 0, std::max(area.width - 1, 0)), std::clamp(y, 0, std::max(area.height - 1, 0)));
}

bool Pointing::leftThePress(int pressX, int pressY, int x, int y) const {
    const double apart = std::hypot(double(x) - pressX, double(y) - pressY);
    return apart > clickPixels * cssScale;
}

bool zoomed(Camera& view, const Pointing& pointing, const InputEvent& event) {
    if (event.kind == InputEvent::Wheel) {
        for (int notch = 0; notch < std::abs(event.notches); ++notch) {
            view = zoomAbout(view, pointing.inside(event.x, event.y), event.notches > 0 ? zoomStep : 1.0 / zoomStep);
        }
        return true;
    }
    const Point middle{view.cx, view.cy};
    if (event.kind == InputEvent::Key && (event.key == '+' || event.key == '=')) {
        view = zoomAbout(view, middle, zoomStep);
        return true;
    }
    if (event.kind == InputEvent::Key && event.key == '-') {
        view = zoomAbout(view, middle, 1.0 / zoomStep);
        return true;
    }
    return false;
}

// A phone draws its page at two or three pixels to a CSS pixel: the sizes made for a window's pixels would show its
// lines hairline thin and its labels too small to read at arm's length, so on a page they are never less than the
// first size's in CSS pixels. Natively a CSS pixel is a pixel, and the window's sizes are never less than those.
StrokeSizes figureStrokeSizes(const FigureArea& area, double cssScale) {
    StrokeSizes sizes = strokeSizesFor(area.height + area.band);
    const StrokeSizes least = strokeSizesFor(windowHeight);
    sizes.lineWidth = std::max(sizes.lineWidth, float(least.lineWidth * cssScale));
    sizes.imageLineWidth = std::max(sizes.imageLineWidth, float(least.imageLineWidth * cssScale));
    sizes.dotSize = std::max(sizes.dotSize, float(least.dotSize * cssScale));
    sizes.arrowScale = std::max(sizes.arrowScale, least.arrowScale * cssScale);
    return sizes;
}

double figureLabelHeight(const FigureArea& area, double cssScale) {
    return std::max(labelHeightFor(area.height + area.band), labelHeightPixels * cssScale);
}
