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

std::u32string decodeUtf8(const std::string& text) {
    std::u32string characters;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        // The lead byte tells how many continuation bytes (10xxxxxx) follow and the least value they may make.
        const int more = lead < 0x80                   ? 0
                         : lead >= 0xc2 && lead < 0xe0 ? 1
                         : lead >= 0xe0 && lead < 0xf0 ? 2
                         : lead >= 0xf0 && lead < 0xf5 ? 3
                                                       : -1;
        char32_t c = more == 0 ? lead : more == 1 ? lead & 0x1f : more == 2 ? lead & 0x0f : lead & 0x07;
        int taken = 0;
        while (more > 0 && taken < more && i + 1 + std::size_t(taken) < text.size() &&
               (static_cast<unsigned char>(text[i + 1 + std::size_t(taken)]) & 0xc0) == 0x80) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + 1 + std::size_t(taken)]) & 0x3f);
            ++taken;
        }
        const char32_t least[] = {0, 0x80, 0x800, 0x10000};
        const bool whole =
            more >= 0 && taken == more && c >= least[more] && c <= 0x10ffff && (c < 0xd800 || c > 0xdfff);
        characters.push_back(whole ? c : 0xfffd);
        i += whole ? std::size_t(more) + 1 : 1;
    }
    return characters;
}
