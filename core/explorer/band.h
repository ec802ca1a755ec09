// band.h
// The band under the figure in the explorer's window, for a class that watches a projector: the case sentence, the
// step of the construction shown, the figure's numbers and the keys, each wrapped to the window's width. No OpenGL:
// the program measures the characters in its font and draws the lines.
#pragma once

#include "explorer.h"

#include <functional>
#include <string>
#include <vector>

/// The width of a character in pixels, in the font the band is drawn in.
using CharacterWidth = std::function<int(char32_t)>;

/// The UTF-8 text cut into lines of at most width pixels: at each line break of the text, and between words where the
/// next word would not fit. A word wider than the width has a line of its own.
std::vector<std::string> wrapText(const std::string& text, int width, const CharacterWidth& advance);

/// The figure's numbers on one line: P, P' and |OP| * |OP'| (P alone at O); the line's equation and its image; the
/// circle's centre and radius and its image's; the angles at X and at X'. The image is read from the picture.
std::string figureNumbersText(const Explorer& explorer);

/// The given line through its handles a and b: with the smallest whole coefficients when all four coordinates sit on
/// tenths, the first shown positive (6x + 8y = 25 through (1.5, 2) and (3.5, 0.5)), else with a leading coefficient 1
/// and the others to two decimals (x + 1.33y = 4.17).
std::string handleLineEquation(Point a, Point b);

/// The size of the band's letters in a window height pixels tall, in pixels (the height of its tallest glyphs): 18 up
/// to the first size's 700 pixels, growing with the height beyond it to 28 at a projector's 1080.
int bandTextSize(int height);

/// The band's lines in a window width pixels wide: panelText, the figure's numbers and the keys, wrapped; after the
/// key h, panelText and the help.
std::vector<std::string> bandLines(const Explorer& explorer, int width, const CharacterWidth& advance);
