// band.cpp
// The band's text: the sentences the console prints, the numbers a release prints, and the keys.
#include "band.h"

#include "console.h"
#include "describe.h"
#include "vec.h"

#include <algorithm>

const char* const bandKeysText =
    "1-4 figura  k korak  n, strelice  r pocetak  tocak, + i - uvecanje  f sve  0 pogled  t traka  s cuva  h pomoc";

std::vector<std::string> wrapText(const std::string& text, int width, const CharacterWidth& advance) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string line;
        int used = 0;
        std::size_t word = start;
        while (word < end) {
            const std::size_t next = std::min(text.find(' ', word), end);
            const std::string piece = text.substr(word, next - word);
            int pieceWidth = 0;
            for (char c : piece) {
                pieceWidth += advance(c);
            }
            const int gap = line.empty() ? 0 : advance(' ');
            if (!line.empty() && used + gap + pieceWidth > width) {
                lines.push_back(line);
                line.clear();
                used = 0;
            }
            line += (line.empty() ? "" : " ") + piece;
            used += (used == 0 ? 0 : advance(' ')) + pieceWidth;
            word = next + 1;
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The image as drawn: its first circle, or its line.
static std::string imageWords(const Picture& picture) {
    for (const Shape& shape : picture.shapes) {
        if (shape.role == Role::Image && shape.kind == ShapeKind::Circle) {
            return circleWords(circleOf(shape));
        }
    }
    for (const Shape& shape : picture.shapes) {
        if (shape.role == Role::Image && shape.kind == ShapeKind::Line) {
            return "prava " + lineEquation(lineOf(shape));
        }
    }
    return "nema je";
}

std::string figureNumbersText(const Explorer& explorer) {
    const GivenFigure& figure = currentFigure(explorer);
    switch (figure.kind) {
    case FigureKind::PointFigure:
        return explorer.shownCase == FigureCase::PointAtCentre
                   ? "P(" + decimalText(figure.first.x, 2) + ", " + decimalText(figure.first.y, 2) + ")"
                   : measurementText(figure.first);
    case FigureKind::LineFigure:
        return "Prava " + lineEquation(spanView(Line{figure.first, towards(figure.first, figure.second)})) +
               ", slika: " + imageWords(explorerPicture(explorer));
    case FigureKind::CircleFigure:
        return "Dati " + circleWords(givenCircle(figure)) + ", slika: " + imageWords(explorerPicture(explorer));
    case FigureKind::AngleFigure:
        return explorer.shownCase == FigureCase::AnglesKept ? anglesText(figure) : "";
    }
    return "";
}

std::vector<std::string> bandLines(const Explorer& explorer, int width, const CharacterWidth& advance) {
    std::vector<std::string> lines = wrapText(panelText(explorer), width, advance);
    for (const std::string& text : {figureNumbersText(explorer), std::string(bandKeysText)}) {
        if (!text.empty()) {
            const std::vector<std::string> wrapped = wrapText(text, width, advance);
            lines.insert(lines.end(), wrapped.begin(), wrapped.end());
        }
    }
    return lines;
}
