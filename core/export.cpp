// export.cpp
// The figure of a frame as SVG and TikZ text. Only the store, the camera and the renderer's pure geometry are
// read; nothing here touches OpenGL.
#include "export.h"

#include "console.h"
#include "drawing.h"

#include <algorithm>
#include <cmath>
#include <iterator>

static const char* const colourNames[10] = {"Red",     "Green", "Blue",   "Yellow", "Orange",
                                            "Magenta", "Cyan",  "Purple", "White",  "Black"};

// The codes that have a colour, in the order the TikZ picture defines them.
static const ColourCode paletteCodes[] = {Red,  Green,  Blue,  Yellow, Orange,           Magenta,
                                          Cyan, Purple, White, Black,  ConstructionGreen};

static std::string colourName(ColourCode code) {
    return code == ConstructionGreen ? "ConstructionGreen" : colourNames[code];
}

VisibleRect visibleRect(const Camera& camera, int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    // The projection's aspect goes through a float on its way to gluPerspective; the same rounding keeps the
    // rectangle's sides where the frame has them.
    const double aspect = double(float(double(width) / height));
    const double halfHeight = unitsPerPixel(camera, height) * height / 2.0;
    const double halfWidth = halfHeight * aspect;
    return VisibleRect{camera.cx - halfWidth, camera.cy - halfHeight, camera.cx + halfWidth, camera.cy + halfHeight};
}

// Cuts the piece from (x, y) to (x2, y2) to the rectangle (Liang-Barsky: the piece is p + t (q - p) for t in
// [0, 1], and each side of the rectangle bounds t from one end). False when nothing of a piece of positive length
// is left.
static bool clipPiece(const VisibleRect& r, DrawnItem* piece) {
    const double dx = piece->x2 - piece->x;
    const double dy = piece->y2 - piece->y;
    if (dx == 0.0 && dy == 0.0) {
        return false; // a piece of length 0 covers no pixel
    }
    double enter = 0.0;
    double leave = 1.0;
    const double towards[4] = {-dx, dx, -dy, dy};
    const double room[4] = {piece->x - r.left, r.right - piece->x, piece->y - r.bottom, r.top - piece->y};
    for (int side = 0; side < 4; ++side) {
        if (towards[side] == 0.0) {
            if (room[side] < 0.0) {
                return false; // parallel to this side and beyond it
            }
            continue;
        }
        const double t = room[side] / towards[side];
        if (towards[side] < 0.0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    if (!(enter < leave)) {
        return false;
    }
    const double x = piece->x;
    const double y = piece->y;
    piece->x = x + enter * dx;
    piece->y = y + enter * dy;
    piece->x2 = x + leave * dx;
    piece->y2 = y + leave * dy;
    return true;
}

// Whether a circle's outline passes within margin of the rectangle: the rectangle neither lies wholly outside the
// circle nor wholly inside it.
static bool outlineReaches(const VisibleRect& r, double x, double y, double radius, double margin) {
    const double nearX = std::max({r.left - x, 0.0, x - r.right});
    const double nearY = std::max({r.bottom - y, 0.0, y - r.top});
    const double farX = std::max(std::fabs(x - r.left), std::fabs(x - r.right));
    const double farY = std::max(std::fabs(y - r.bottom), std::fabs(y - r.top));
    return std::hypot(nearX, nearY) <= radius + margin && std::hypot(farX, farY) >= radius - margin;
}

static bool dotReaches(const VisibleRect& r, double x, double y, double half) {
    return x >= r.left - half && x <= r.right + half && y >= r.bottom - half && y <= r.top + half;
}

std::vector<DrawnItem> drawnItems(const Camera& camera, int width, int height) {
    const VisibleRect view = visibleRect(camera, width, height);
    const double pixel = unitsPerPixel(camera, height);
    const double halfDot = dotSize / 2.0 * pixel;
    std::vector<DrawnItem> items;
    ColourCode current = White;
    // The colour a record is drawn in: its own, or the current one when its code names no colour.
    auto take = [&current](ColourCode code) {
        if (paletteColour(code)) {
            current = code;
        }
        return current;
    };
    auto addDot = [&](Point p, ColourCode colour) {
        if (dotReaches(view, p.x, p.y, halfDot)) {
            items.push_back({DrawnItem::Dot, p.x, p.y, 0.0, 0.0, 0.0, colour});
        }
    };
    for (const Circle& circle : sceneCircles) {
        const ColourCode colour = take(circle.colour);
        // A negative radius traces the same circle; a circle of radius 0 covers no pixel.
        const double radius = std::fabs(double(circle.radius));
        if (radius > 0.0 && outlineReaches(view, circle.centre.x, circle.centre.y, radius, pixel)) {
            items.push_back({DrawnItem::Outline, circle.centre.x, circle.centre.y, 0.0, 0.0, radius, colour});
        }
    }
    for (const Line& line : sceneLines) {
        const ColourCode colour = take(line.colour);
        const std::array<Point, 2> ends = lineEnds(line);
        DrawnItem piece{DrawnItem::Stroke, ends[0].x, ends[0].y, ends[1].x, ends[1].y, 0.0, colour};
        if (clipPiece(view, &piece)) {
            items.push_back(piece);
        }
    }
    Point runStart{};
    for (auto it = sceneSegments.begin(); it != sceneSegments.end(); ++it) {
        const Segment& segment = *it;
        const ColourCode colour = take(segment.colour);
        if (it == sceneSegments.begin() || !continuesRun(*std::prev(it), segment)) {
            runStart = segment.start;
        }
        DrawnItem piece{DrawnItem::Stroke, segment.start.x, segment.start.y, segment.end.x, segment.end.y, 0.0, colour};
        if (clipPiece(view, &piece)) {
            items.push_back(piece);
        }
        const auto next = std::next(it);
        if (next == sceneSegments.end() || !continuesRun(segment, *next)) {
            addDot(runStart, colour);
            addDot(segment.end, colour);
        }
    }
    for (const Point& point : scenePoints) {
        addDot(point, take(point.colour));
    }
    return items;
}

// A number with at most the given decimals and no trailing zeros: the same value always prints the same way.
static std::string number(double value, int decimals) {
    std::string text = decimalText(value, decimals);
    if (decimals > 0) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

// Coordinates in SVG carry six decimals: far below a pixel at any scale a window can have.
static std::string svgNumber(double value) {
    return number(value, 6);
}

static std::string svgColour(const Rgb& rgb) {
    return "rgb(" + number(100.0 * rgb.red, 4) + "%," + number(100.0 * rgb.green, 4) + "%," +
           number(100.0 * rgb.blue, 4) + "%)";
}

static std::string xmlText(const char* text) {
    std::string s;
    for (const char* c = text ? text : ""; *c; ++c) {
        switch (*c) {
        case '&':
            s += "&amp;";
            break;
        case '<':
            s += "&lt;";
            break;
        case '>':
            s += "&gt;";
            break;
        default:
            s += *c;
        }
    }
    return s;
}

std::string figureSvg(const Camera& camera, int width, int height, const char* title, const char* description,
                      const std::vector<Label>& labels) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    const VisibleRect view = visibleRect(camera, width, height);
    const double pixel = unitsPerPixel(camera, height);
    // SVG's y grows downwards: the plane's point (x, y) is the SVG point (x, -y).
    const std::string viewBox = svgNumber(view.left) + " " + svgNumber(-view.top) + " " +
                                svgNumber(view.right - view.left) + " " + svgNumber(view.top - view.bottom);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" viewBox=\"" + viewBox +
                      "\">\n";
    svg += "<title>" + xmlText(title) + "</title>\n";
    svg += "<desc>" + xmlText(description) + "</desc>\n";
    svg += "<rect x=\"" + svgNumber(view.left) + "\" y=\"" + svgNumber(-view.top) + "\" width=\"" +
           svgNumber(view.right - view.left) + "\" height=\"" + svgNumber(view.top - view.bottom) + "\" fill=\"" +
           svgColour(clearColour) + "\"/>\n";
    svg += "<g fill=\"none\" stroke-width=\"" + svgNumber(pixel) + "\">\n";
    const double side = dotSize * pixel;
    for (const DrawnItem& item : drawnItems(camera, width, height)) {
        const std::string colour = svgColour(*paletteColour(item.colour));
        // A dashed record's dashes and gaps keep their lengths in pixels of the window.
        const std::string stroke = "stroke=\"" + colour + "\"" +
                                   (dashedColour(item.colour) ? " stroke-dasharray=\"" + svgNumber(dashPixels * pixel) +
                                                                    " " + svgNumber(dashGapPixels * pixel) + "\""
                                                              : "");
        switch (item.kind) {
        case DrawnItem::Outline:
            svg += "<circle cx=\"" + svgNumber(item.x) + "\" cy=\"" + svgNumber(-item.y) + "\" r=\"" +
                   svgNumber(item.radius) + "\" " + stroke + "/>\n";
            break;
        case DrawnItem::Stroke:
            svg += "<line x1=\"" + svgNumber(item.x) + "\" y1=\"" + svgNumber(-item.y) + "\" x2=\"" +
                   svgNumber(item.x2) + "\" y2=\"" + svgNumber(-item.y2) + "\" " + stroke + "/>\n";
            break;
        case DrawnItem::Dot:
            svg += "<rect x=\"" + svgNumber(item.x - side / 2.0) + "\" y=\"" + svgNumber(-item.y - side / 2.0) +
                   "\" width=\"" + svgNumber(side) + "\" height=\"" + svgNumber(side) + "\" fill=\"" + colour +
                   "\"/>\n";
            break;
        }
    }
    for (const Label& label : labels) {
        std::string path;
        for (const auto& stroke : labelStrokes(label, pixel)) {
            path += (path.empty() ? "M" : " M") + svgNumber(stroke[0].x) + " " + svgNumber(-stroke[0].y) + " L" +
                    svgNumber(stroke[1].x) + " " + svgNumber(-stroke[1].y);
        }
        svg += "<path d=\"" + path + "\" stroke=\"" + svgColour(*paletteColour(label.colour)) + "\"/>\n";
    }
    svg += "</g>\n</svg>\n";
    return svg;
}

// TeX reads about five decimals of a number; four keep a printed figure exact to a micrometre.
static std::string texNumber(double value) {
    return number(value, 4);
}

static std::string texPoint(double x, double y) {
    return "(" + texNumber(x) + "," + texNumber(y) + ")";
}

std::string figureTikz(const Camera& camera, int width, int height, const std::vector<Label>& labels) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    const VisibleRect view = visibleRect(camera, width, height);
    const double side = dotSize * unitsPerPixel(camera, height);
    const std::vector<DrawnItem> items = drawnItems(camera, width, height);
    const std::string unit = number(tikzWidthCm / (view.right - view.left), 6) + "cm";

    std::string tex = "% The figure in scene units, " + number(tikzWidthCm, 2) +
                      " cm wide; needs only \\usepackage{tikz}.\n"
                      "\\begin{tikzpicture}[x=" +
                      unit + ", y=" + unit + "]\n";
    // Each colour the figure uses, defined once, under a name of its own so that a document's colours stay as
    // they are.
    const auto used = [&](ColourCode code) {
        return std::any_of(items.begin(), items.end(), [code](const DrawnItem& item) { return item.colour == code; }) ||
               std::any_of(labels.begin(), labels.end(), [code](const Label& label) { return label.colour == code; });
    };
    for (ColourCode code : paletteCodes) {
        if (used(code)) {
            const Rgb& rgb = *paletteColour(code);
            tex += "\\definecolor{figure" + colourName(code) + "}{rgb}{" + number(rgb.red, 4) + "," +
                   number(rgb.green, 4) + "," + number(rgb.blue, 4) + "}\n";
        }
    }
    // A dashed record's pattern, in centimetres of paper: the pixels of the window scaled as the figure is.
    const double cmPerPixel = tikzWidthCm / (view.right - view.left) * unitsPerPixel(camera, height);
    const std::string dashes = ", dash pattern=on " + number(dashPixels * cmPerPixel, 4) + "cm off " +
                               number(dashGapPixels * cmPerPixel, 4) + "cm";
    const std::string corners = texPoint(view.left, view.bottom) + " rectangle " + texPoint(view.right, view.top);
    tex += "\\path[use as bounding box] " + corners + ";\n";
    tex += "\\clip " + corners + ";\n";
    for (const DrawnItem& item : items) {
        const std::string colour = "figure" + colourName(item.colour);
        const std::string stroke = colour + (dashedColour(item.colour) ? dashes : "");
        switch (item.kind) {
        case DrawnItem::Outline:
            tex += "\\draw[" + stroke + "] " + texPoint(item.x, item.y) + " circle[radius=" + texNumber(item.radius) +
                   "];\n";
            break;
        case DrawnItem::Stroke:
            tex += "\\draw[" + stroke + "] " + texPoint(item.x, item.y) + " -- " + texPoint(item.x2, item.y2) + ";\n";
            break;
        case DrawnItem::Dot:
            tex += "\\fill[" + colour + "] " + texPoint(item.x - side / 2.0, item.y - side / 2.0) + " rectangle " +
                   texPoint(item.x + side / 2.0, item.y + side / 2.0) + ";\n";
            break;
        }
    }
    const double pixel = unitsPerPixel(camera, height);
    for (const Label& label : labels) {
        std::string strokes;
        for (const auto& stroke : labelStrokes(label, pixel)) {
            strokes += " " + texPoint(stroke[0].x, stroke[0].y) + " -- " + texPoint(stroke[1].x, stroke[1].y);
        }
        tex += "\\draw[figure" + colourName(label.colour) + "]" + strokes + ";\n";
    }
    // The % keeps the line break from adding a space after the picture where it is \input into a paragraph.
    tex += "\\end{tikzpicture}%\n";
    return tex;
}

std::string figureBaseName(const char* programPath) {
    const std::string path = programPath ? programPath : "";
    const std::string base = path.substr(path.find_last_of('/') + 1);
    return base.empty() ? "figure" : base;
}
