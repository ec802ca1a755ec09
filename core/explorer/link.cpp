// link.cpp
// The link's text and its reading. Numbers are written and read digit by digit, as decimalText writes the console's,
// so that no locale's decimal comma creeps in and the page reads a link exactly as the program does.
#include "link.h"

#include "vec.h"
#include "view.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

// The figures' names, in the order of FigureKind, and how many handles each link carries.
static const char* const kindNames[] = {"tacka", "prava", "krug", "ugao"};
static const int kindHandles[] = {1, 2, 2, 3};

// 10^power; exact up to 10^22, rounded beyond.
static double tenTo(int power) {
    double ten = 1.0;
    for (int i = 0; i < power; ++i) {
        ten *= 10.0;
    }
    return ten;
}

// The whole number a run of digits writes (at most 19 of them).
static std::uint64_t wholeOf(const std::string& digits) {
    std::uint64_t whole = 0;
    for (const char c : digits) {
        whole = whole * 10 + std::uint64_t(c - '0');
    }
    return whole;
}

// The run of digits from at, which moves past it.
static std::string digitRun(const std::string& text, std::size_t& at) {
    const std::size_t from = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        ++at;
    }
    return text.substr(from, at - from);
}

// A number as the link writes it: a minus or none, digits, a point and digits or none, e, a minus or none and up to
// three digits or none; nothing else, no plus, no space. Its digits make a whole number, scaled by powers of ten of at
// most 10^22, each exact in double: one rounding for the nine digits or fewer that a float needs.
static bool readNumber(const std::string& text, float& value) {
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    at += negative ? 1 : 0;
    std::string digits = digitRun(text, at);
    int exponent = 0;
    if (digits.empty()) {
        return false;
    }
    if (at < text.size() && text[at] == '.') {
        ++at;
        const std::string fraction = digitRun(text, at);
        if (fraction.empty()) {
            return false;
        }
        digits += fraction;
        exponent -= int(fraction.size());
    }
    if (at < text.size() && text[at] == 'e') {
        ++at;
        const bool down = at < text.size() && text[at] == '-';
        at += down ? 1 : 0;
        const std::string power = digitRun(text, at);
        if (power.empty() || power.size() > 3) {
            return false;
        }
        exponent += down ? -int(wholeOf(power)) : int(wholeOf(power));
    }
    // Leading zeros carry nothing; a 64-bit whole number holds the 18 digits left at most.
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (at != text.size() || digits.size() > 18) {
        return false;
    }
    double number = double(wholeOf(digits));
    for (int step = 0; exponent != 0; exponent -= step) {
        step = std::clamp(exponent, -22, 22);
        number = step > 0 ? number * tenTo(step) : number / tenTo(-step);
    }
    value = float(negative ? -number : number);
    return std::isfinite(value);
}

// The whole number times 10^exponent, laid out plainly from 0.0001 to ten million and with an exponent beyond.
static std::string layout(std::uint64_t whole, int exponent) {
    while (whole != 0 && whole % 10 == 0) {
        whole /= 10;
        ++exponent;
    }
    const std::string digits = std::to_string(whole);
    const int count = int(digits.size());
    const int point = count + exponent; // digits before the decimal point
    if (exponent >= 0 && point <= 7) {
        return digits + std::string(std::size_t(exponent), '0');
    }
    if (exponent < 0 && point > 0) {
        return digits.substr(0, std::size_t(point)) + "." + digits.substr(std::size_t(point));
    }
    if (exponent < 0 && point >= -3) {
        return "0." + std::string(std::size_t(-point), '0') + digits;
    }
    const std::string rest = count > 1 ? "." + digits.substr(1) : "";
    return digits.substr(0, 1) + rest + "e" + std::to_string(point - 1);
}

// The fewest significant digits, up to the nine that always do for a float, that readNumber reads back to value.
static std::string numberText(float value) {
    const std::string sign = std::signbit(value) ? "-" : "";
    const double size = std::fabs(double(value));
    if (size == 0.0 || !std::isfinite(size)) {
        return sign + (size == 0.0 ? "0" : "nan");
    }
    // 10^power <= size < 10^(power + 1), up to the logarithm's rounding, which only costs a digit more.
    const int power = int(std::floor(std::log10(size)));
    std::string text;
    for (int digits = 1; digits <= 9; ++digits) {
        const int shift = digits - 1 - power;
        const double scaled = shift >= 0 ? size * tenTo(shift) : size / tenTo(-shift);
        text = sign + layout(std::uint64_t(std::llround(scaled)), -shift);
        float back = 0.0f;
        if (readNumber(text, back) && back == value) {
            break;
        }
    }
    return text;
}

std::string figureLinkText(const GivenFigure& figure, const Camera& view, int steps) {
    const int kind = int(figure.kind);
    const Point handles[3] = {figure.first, figure.second, figure.third};
    std::string text = kindNames[kind];
    for (int i = 0; i < kindHandles[kind]; ++i) {
        text += (i == 0 ? "~" : ",") + numberText(handles[i].x) + "," + numberText(handles[i].y);
    }
    return text + "~v" + numberText(view.cx) + "," + numberText(view.cy) + "," + numberText(view.d) + "~s" +
           std::to_string(std::clamp(steps, 0, 9));
}

// The pieces of text between the separators.
static std::vector<std::string> pieces(const std::string& text, char separator) {
    std::vector<std::string> found;
    std::size_t from = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, from)) {
        found.push_back(text.substr(from, at - from));
        from = at + 1;
    }
    found.push_back(text.substr(from));
    return found;
}

// The numbers of a part between commas, each within linkReach; on failure the piece at fault.
static bool readNumbers(const std::string& part, std::vector<float>& numbers, std::string& fault) {
    for (const std::string& piece : pieces(part, ',')) {
        float value = 0.0f;
        if (!readNumber(piece, value) || std::fabs(value) > linkReach) {
            fault = piece;
            return false;
        }
        numbers.push_back(value);
    }
    return true;
}

FigureLink readFigureLink(const std::string& text) {
    FigureLink link;
    const auto fail = [&link](LinkError error, const std::string& part) {
        link.error = error;
        link.part = part;
        return link;
    };
    const std::vector<std::string> parts = pieces(text, '~');
    if (parts.size() < 4) {
        return fail(LinkError::Parts, text);
    }
    if (parts.size() > 4) { // from the fourth ~ on
        return fail(LinkError::Parts,
                    text.substr(parts[0].size() + parts[1].size() + parts[2].size() + parts[3].size() + 3));
    }
    const auto named = std::find_if(std::begin(kindNames), std::end(kindNames),
                                    [&parts](const char* name) { return parts[0] == name; });
    if (named == std::end(kindNames)) {
        return fail(LinkError::Kind, parts[0]);
    }
    const int kind = int(named - std::begin(kindNames));
    std::string fault;
    std::vector<float> xy;
    if (!readNumbers(parts[1], xy, fault)) {
        return fail(LinkError::Number, fault);
    }
    if (int(xy.size()) != 2 * kindHandles[kind]) {
        return fail(LinkError::Points, parts[1]);
    }
    GivenFigure& figure = link.figure;
    figure.kind = FigureKind(kind);
    Point* const handles[3] = {&figure.first, &figure.second, &figure.third};
    for (int i = 0; i < kindHandles[kind]; ++i) {
        *handles[i] = Point{xy[2 * i], xy[2 * i + 1]};
    }
    if (figure.kind == FigureKind::PointFigure) {
        figure.second = figure.first;
    }
    // The explorer keeps A and B apart, C and R, and X from each of A and B: no line, circle or angle without them.
    const bool together = figure.kind != FigureKind::PointFigure &&
                          (distance(figure.first, figure.second) == 0.0 ||
                           (figure.kind == FigureKind::AngleFigure && distance(figure.first, figure.third) == 0.0));
    if (together) {
        return fail(LinkError::Points, parts[1]);
    }
    std::vector<float> view;
    if (parts[2].empty() || parts[2][0] != 'v') {
        return fail(LinkError::View, parts[2]);
    }
    if (!readNumbers(parts[2].substr(1), view, fault)) {
        return fail(LinkError::Number, fault);
    }
    if (view.size() != 3) {
        return fail(LinkError::View, parts[2]);
    }
    link.view = Camera{view[0], view[1], view[2] / 2.0f, view[2] / 2.0f, view[2]};
    // The explorer holds the height within its range before it rounds the distance to a float: allow that rounding.
    const double height = unitsPerPixel(link.view, 1);
    if (!(height >= closestViewHeight * (1.0 - 1e-6) && height <= farthestViewHeight * (1.0 + 1e-6))) {
        return fail(LinkError::View, parts[2]);
    }
    const std::string& steps = parts[3];
    if (steps.size() != 2 || steps[0] != 's' || steps[1] < '0' || steps[1] > '9') {
        return fail(LinkError::Steps, steps);
    }
    link.steps = steps[1] - '0';
    return link;
}
