// console.cpp
// Console output and the digits of its numbers.
#include "console.h"

#include <cmath>
#include <cstdio>

// What the console has been told, for a figure's description.
static std::string consoleText;

void writeText(const char* text) {
    std::fputs(text, stdout);
    std::fflush(stdout);
    consoleText += text;
}

const std::string& writtenText() {
    return consoleText;
}

std::string decimalText(double value, int decimals) {
    double scale = 1.0;
    for (int i = 0; i < decimals; ++i) {
        scale *= 10.0;
    }
    // Whole units of 10^-decimals, within what a long long holds at six decimals.
    const double limit = 1e12;
    const long long units = std::llround(std::fmax(-limit, std::fmin(limit, value)) * scale);
    std::string digits = std::to_string(units < 0 ? -units : units);
    if (int(digits.size()) <= decimals) {
        digits.insert(0, std::size_t(decimals + 1) - digits.size(), '0');
    }
    const std::size_t point = digits.size() - std::size_t(decimals);
    const std::string text = digits.substr(0, point) + (decimals > 0 ? "." + digits.substr(point) : "");
    return units < 0 ? "-" + text : text;
}

std::string trimmedDecimalText(double value, int decimals) {
    std::string text = decimalText(value, decimals);
    if (decimals > 0) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}
