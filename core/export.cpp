// export.cpp
// The figure of a frame as SVG and TikZ text, from the list of what the frame draws; nothing here touches OpenGL.
#include "export.h"

#include "console.h"
#include "drawing.h"

#include <algorithm>
#include <cmath>

// The codes that have a colour, in the order the TikZ picture defines them.
static const ColourCode paletteCodes[] = {Red,  Green,  Blue,  Yellow, Orange,           Magenta,
                                          Cyan, Purple, White, Black,  ConstructionGreen};

// A number with at most the given decimals and no trailing zeros: the same value always prints the same way.
static std::string number(double value, int decimals) {
    return trimmedDecimalText(value, decimals);
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

std::string figureSvg(const std::vector<DrawnItem>& items, const WalkFrame& frame, int width, int height,
                      const char* title, const char* description) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    const VisibleRect& view = frame.view;
    const double pixel = frame.unitsPerPixel;
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
    for (const DrawnItem& item : items) {
        const std::string colour = svgColour(*paletteColour(item.colour));
        // A dashed record's dashes and gaps keep their lengths in pixels of the window.
        std::string stroke = "stroke=\"" + colour + "\"" +
                             (item.dashed ? " stroke-dasharray=\"" + svgNumber(dashPixels * pixel) + " " +
                                                svgNumber(dashGapPixels * pixel) + "\""
                                          : "");
        // A dashed stroke cut to the view starts as far into its pattern as the window's does.
        if (item.dashOffset > 0.0) {
            stroke += " stroke-dashoffset=\"" + svgNumber(item.dashOffset) + "\"";
        }
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
        case DrawnItem::Strokes: {
            // A label's letters or an arrow, drawn over the figure as the window draws them.
            std::string path;
            for (const auto& piece : item.pieces) {
                path += (path.empty() ? "M" : " M") + svgNumber(piece[0].x) + " " + svgNumber(-piece[0].y) + " L" +
                        svgNumber(piece[1].x) + " " + svgNumber(-piece[1].y);
            }
            svg += "<path d=\"" + path + "\" stroke=\"" + colour + "\"/>\n";
            break;
        }
        }
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

std::string figureTikz(const std::vector<DrawnItem>& items, const WalkFrame& frame) {
    const VisibleRect& view = frame.view;
    const double side = dotSize * frame.unitsPerPixel;
    const std::string unit = number(tikzWidthCm / (view.right - view.left), 6) + "cm";

    std::string tex = "% The figure in scene units, " + number(tikzWidthCm, 2) +
                      " cm wide; needs only \\usepackage{tikz}.\n"
                      "\\begin{tikzpicture}[x=" +
                      unit + ", y=" + unit + "]\n";
    // Each colour the figure uses, defined once, under a name of its own so that a document's colours stay as
    // they are.
    const auto used = [&](ColourCode code) {
        return std::any_of(items.begin(), items.end(), [code](const DrawnItem& item) { return item.colour == code; });
    };
    for (ColourCode code : paletteCodes) {
        if (used(code)) {
            const Rgb& rgb = *paletteColour(code);
            tex += "\\definecolor{figure" + std::string(colourName(code)) + "}{rgb}{" + number(rgb.red, 4) + "," +
                   number(rgb.green, 4) + "," + number(rgb.blue, 4) + "}\n";
        }
    }
    // A dashed record's pattern, in centimetres of paper: the pixels of the window scaled as the figure is.
    const double cmPerPixel = tikzWidthCm / (view.right - view.left) * frame.unitsPerPixel;
    const std::string dashes = ", dash pattern=on " + number(dashPixels * cmPerPixel, 4) + "cm off " +
                               number(dashGapPixels * cmPerPixel, 4) + "cm";
    const std::string corners = texPoint(view.left, view.bottom) + " rectangle " + texPoint(view.right, view.top);
    tex += "\\path[use as bounding box] " + corners + ";\n";
    tex += "\\clip " + corners + ";\n";
    for (const DrawnItem& item : items) {
        const std::string colour = std::string("figure") + colourName(item.colour);
        std::string stroke = colour + (item.dashed ? dashes : "");
        if (item.dashOffset > 0.0) {
            stroke += ", dash phase=" + number(item.dashOffset * tikzWidthCm / (view.right - view.left), 4) + "cm";
        }
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
        case DrawnItem::Strokes: {
            std::string pieces;
            for (const auto& piece : item.pieces) {
                pieces += " " + texPoint(piece[0].x, piece[0].y) + " -- " + texPoint(piece[1].x, piece[1].y);
            }
            tex += "\\draw[" + colour + "]" + pieces + ";\n";
            break;
        }
        }
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
