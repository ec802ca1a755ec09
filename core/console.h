// console.h
// The console texts: written verbatim and at once, remembered for a figure's description, and the numbers in them.
#pragma once

#include <string>

/// Writes a console text verbatim and flushes it, so that it is on the console before the program goes on.
void writeText(const char* text);

/// The characters of UTF-8 text; a byte that starts no well-formed character stands for U+FFFD.
std::u32string decodeUtf8(const std::string& text);

/// Everything writeText has written so far, in order: the program's explanation, for a figure's description.
const std::string& writtenText();

/// A number with exactly the given decimals (0 to 6), as printf's %.*f writes it, rounded half away from zero and
/// without a minus sign on a number that shows as zero; written digit by digit, so that no program needs printf's
/// formatting for it. Beyond 10^12 (far off any figure) the number is held at 10^12.
std::string decimalText(double value, int decimals);

/// The same number with at most the given decimals and no zeros at their end: 2.5, 1, 3.85 (decimalText with its
/// trailing zeros, and a point left alone, taken away).
std::string trimmedDecimalText(double value, int decimals);
