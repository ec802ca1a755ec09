// band.cpp
// The band's text: the sentences the console prints, the numbers a release prints, and the keys.
#include "band.h"

#include "console.h"
#include "describe.h"
#include "vec.h"

#include <algorithm>
#include <cmath>
#include <numeric>

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
            for (char32_t c : decodeUtf8(piece)) {
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

int bandTextSize(int height) {
    return height <= 700 ? 18 : int(std::lround(18.0 + (height - 700) * (10.0 / 380.0)));
}

// Whether a coordinate sits on a tenth, as the arrow keys leave it.
static bool onTenths(float v) {
    return float(std::round(double(v) * 10.0) / 10.0) == v;
}

// A coefficient before its variable: 1 left out, -1 a minus sign alone.
static std::string term(const std::string& digits, const char* variable) {
    return (digits == "1" ? "" : digits == "-1" ? "-" : digits) + variable;
}

// a x + b y = c, its coefficients written already; a zero term left out.
static std::string equation(const std::string& a, const std::string& b, const std::string& c) {
    std::string text = a == "0" ? "" : term(a, "x");
    if (b != "0") {
        const bool minus = b[0] == '-';
        text += text.empty() ? (minus ? "-" : "") : (minus ? " - " : " + ");
        text += term(minus ? b.substr(1) : b, "y");
    }
    return text + " = " + c;
}

std::string handleLineEquation(Point a, Point b) {
    if (onTenths(a.x) && onTenths(a.y) && onTenths(b.x) && onTenths(b.y)) {
        // In tenths, (t - q) x + (p - s) y = ((t - q) p + (p - s) q) / 10 is the line through (p, q) and (s, t)
        // over ten: whole numbers, divided by their greatest common divisor.
        const long long p = std::llround(a.x * 10.0), q = std::llround(a.y * 10.0);
        const long long s = std::llround(b.x * 10.0), t = std::llround(b.y * 10.0);
        long long ca = 10 * (t - q), cb = 10 * (p - s), cc = (t - q) * p + (p - s) * q;
        const long long divisor = std::gcd(std::gcd(ca, cb), cc);
        if (divisor != 0) {
            const long long sign = (ca != 0 ? ca : cb) < 0 ? -1 : 1;
            ca = ca / divisor * sign;
            cb = cb / divisor * sign;
            cc = cc / divisor * sign;
            return equation(std::to_string(ca), std::to_string(cb), std::to_string(cc));
        }
    }
    // The leading coefficient 1, the others to two decimals.
    double ca = double(b.y) - a.y;
    double cb = double(a.x) - b.x;
    const double lead = std::fabs(ca) > 0.0 ? ca : cb;
    if (!(std::fabs(lead) > 0.0)) {
        return lineEquation(Line{a, towards(a, b)});
    }
    ca /= lead;
    cb /= lead;
    return equation(trimmedDecimalText(ca, 2), trimmedDecimalText(cb, 2), trimmedDecimalText(ca * a.x + cb * a.y, 2));
}

// The image as drawn: its first circle, or its line.
static std::string imageWords(const Picture& picture, Language language) {
    for (const Shape& shape : picture.shapes) {
        if (shape.role == Role::Image && shape.kind == ShapeKind::Circle) {
            return circleWords(circleOf(shape), language);
        }
    }
    for (const Shape& shape : picture.shapes) {
        if (shape.role == Role::Image && shape.kind == ShapeKind::Line) {
            return say(Sentence::ImageLine, language, {lineEquation(lineOf(shape))});
        }
    }
    return say(Sentence::ImageNone, language);
}

std::string figureNumbersText(const Explorer& explorer) {
    const GivenFigure& figure = currentFigure(explorer);
    const Language language = explorer.language;
    switch (figure.kind) {
    case FigureKind::PointFigure:
        return explorer.shownCase == FigureCase::PointAtCentre
                   ? "P(" + decimalText(figure.first.x, 2) + ", " + decimalText(figure.first.y, 2) + ")"
                   : measurementText(figure.first);
    case FigureKind::LineFigure:
        return say(Sentence::BandLine, language,
                   {handleLineEquation(figure.first, figure.second), imageWords(explorerPicture(explorer), language)});
    case FigureKind::CircleFigure:
        return say(Sentence::BandCircle, language,
                   {circleWords(givenCircle(figure), language), imageWords(explorerPicture(explorer), language)});
    case FigureKind::AngleFigure:
        return anglesText(figure, language);
    }
    return "";
}

std::vector<std::string> bandLines(const Explorer& explorer, int width, const CharacterWidth& advance) {
    std::vector<std::string> lines = wrapText(panelText(explorer), width, advance);
    // The help, after h, in place of the numbers and the keys; its last line break ends no line of the band.
    std::string help = say(Sentence::ExplorerHelp, explorer.language);
    help.pop_back();
    const std::vector<std::string> texts =
        explorer.helpShown
            ? std::vector<std::string>{help}
            : std::vector<std::string>{figureNumbersText(explorer), say(Sentence::BandKeys, explorer.language)};
    for (const std::string& text : texts) {
        if (!text.empty()) {
            const std::vector<std::string> wrapped = wrapText(text, width, advance);
            lines.insert(lines.end(), wrapped.begin(), wrapped.end());
        }
    }
    return lines;
}
