// band_window.h
// Natively, the band along the bottom of the window of a program that answers a person: its lines laid out in the
// band's letters, wrapped to the window's width, and drawn in a window of its own (a page shows its panel instead).
#pragma once

#include "explorer/band.h"

#include <functional>
#include <string>
#include <vector>

/// The band's lines for a text width in pixels, measured with the widths of the band's letters.
using BandText = std::function<std::vector<std::string>(int width, const CharacterWidth& advance)>;

/// Lays the band out for the window as it now is: when shown, its lines wrapped to the window's width, with room for
/// at least five lines (so that the figure does not jump while a drag changes the text) and never more than half the
/// window; the band is drawn anew when its text or its size changes. Returns its height in pixels, 0 when hidden.
int layOutBand(bool shown, const BandText& text, bool resized);

/// Draws the band as last laid out (Interaction::displayBand): black text on white (21:1) under a black rule, its
/// letters growing with the window (bandTextSize).
void displayBand();
