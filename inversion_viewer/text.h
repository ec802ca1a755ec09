// text.h
// The band's letters, native only: DejaVu Sans (Debian's fonts-dejavu-core), found through fontconfig and drawn with
// FreeType, so that the band shows every letter of Serbian in both scripts, č, ć, š, ž, đ and the Cyrillic alike.
// Each character is rasterised once per size, when it is first drawn, and the band's text is written into a picture
// of its own that goes to the window at once. Without any font the band falls back to GLUT's bitmap font, which has
// the ASCII letters only.
#pragma once

#include <string>

/// Measures and draws the next texts at pixelSize pixels, the height of the tallest glyphs (the bar, from the top of
/// the tall letters to below the baseline).
void useTextSize(int pixelSize);

/// The advance of a character at the size in use, in pixels.
int textAdvance(char32_t c);

/// Starts the text of a window width by height pixels: white, until endText puts it into the window.
void beginText(int width, int height);

/// Writes UTF-8 text in black with the left end of its baseline at (x, y), in pixels from the lower left corner.
void drawText(const std::string& text, int x, int y);

/// Puts the text written since beginText into the window (whose projection maps its pixels one to one), over all
/// that was drawn there before.
void endText();
