// text.cpp
// FreeType's grey bitmaps written black into the band's own picture, which goes to the window in one glDrawPixels:
// no texture and no blending state to keep, and nothing held for the sizes a resized window has left.
#include "text.h"

#include "console.h"

#include <GL/glut.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace {

struct Glyph {
    std::vector<unsigned char> coverage; // rows from the top, 0 (none) to 255 (whole)
    int width = 0;
    int rows = 0;
    int left = 0; // bitmap's left edge, right of the origin
    int top = 0;  // bitmap's top row, above the baseline
};

FT_Library library = nullptr;
FT_Face face = nullptr;
bool searched = false;
int size = 18;
// The advances of every size measured (a few numbers each), and the bitmaps of the one size last drawn.
std::map<std::pair<int, char32_t>, int> advances;
std::map<int, FT_UInt> emOf; // the em of each size
std::map<char32_t, Glyph> glyphs;
int glyphsSize = 0;
void* const fallbackFont = GLUT_BITMAP_HELVETICA_18;
// The band's grey levels, rows from the bottom, white where nothing is written.
std::vector<unsigned char> band;
int bandWidth = 0;
int bandHeight = 0;

// fontconfig's best match for DejaVu Sans: the file the font's package installs, or the nearest font there is.
void openFace() {
    searched = true;
    if (!FcInit()) {
        return;
    }
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("DejaVu Sans"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcChar8* file = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && FT_Init_FreeType(&library) == 0 &&
        FT_New_Face(library, reinterpret_cast<const char*>(file), 0, &face) != 0) {
        face = nullptr;
    }
    if (match) {
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    // The file is open: fontconfig's configuration and caches are no longer needed.
    FcFini();
}

// The character's bitmap at the size in use, rendered when first drawn.
const Glyph& glyphOf(char32_t c) {
    if (glyphsSize != size) {
        glyphs.clear();
        glyphsSize = size;
    }
    const auto found = glyphs.find(c);
    if (found != glyphs.end()) {
        return found->second;
    }
    Glyph& glyph = glyphs[c];
    if (FT_Load_Char(face, c, FT_LOAD_RENDER) == 0) {
        const FT_Bitmap& bitmap = face->glyph->bitmap;
        glyph.width = int(bitmap.width);
        glyph.rows = int(bitmap.rows);
        glyph.left = face->glyph->bitmap_left;
        glyph.top = face->glyph->bitmap_top;
        for (int row = 0; row < glyph.rows; ++row) {
            const unsigned char* from = bitmap.buffer + row * bitmap.pitch;
            glyph.coverage.insert(glyph.coverage.end(), from, from + glyph.width);
        }
    }
    return glyph;
}

} // namespace

void useTextSize(int pixelSize) {
    if (!searched) {
        openFace();
    }
    size = pixelSize;
    if (!face) {
        return;
    }
    // The size is the height of the tallest glyphs, the bar of |OP| that runs from the top of k to below the
    // baseline: the smallest em whose bar is as tall.
    FT_UInt& em = emOf[pixelSize];
    if (em == 0) {
        em = FT_UInt(pixelSize);
        while (FT_Set_Pixel_Sizes(face, 0, em) == 0 && FT_Load_Char(face, '|', FT_LOAD_RENDER) == 0 &&
               int(face->glyph->bitmap.rows) < pixelSize && em < FT_UInt(2 * pixelSize)) {
            ++em;
        }
    }
    FT_Set_Pixel_Sizes(face, 0, em);
}

int textAdvance(char32_t c) {
    if (!face) {
        return c < 0x80 ? glutBitmapWidth(fallbackFont, int(c)) : glutBitmapWidth(fallbackFont, '?');
    }
    const auto found = advances.find({size, c});
    if (found != advances.end()) {
        return found->second;
    }
    const int advance = FT_Load_Char(face, c, FT_LOAD_DEFAULT) == 0 ? int(face->glyph->advance.x >> 6) : 0;
    advances[{size, c}] = advance;
    return advance;
}

void beginText(int width, int height) {
    bandWidth = std::max(width, 0);
    bandHeight = std::max(height, 0);
    band.assign(std::size_t(bandWidth) * std::size_t(bandHeight), 255);
}

void drawText(const std::string& text, int x, int y) {
    if (!face) {
        glRasterPos2i(x, y);
        for (char32_t c : decodeUtf8(text)) {
            glutBitmapCharacter(fallbackFont, c < 0x80 ? int(c) : '?');
        }
        return;
    }
    for (char32_t c : decodeUtf8(text)) {
        const Glyph& glyph = glyphOf(c);
        // Black over what is there: each pixel keeps the part of its light that the glyph does not cover.
        for (int row = 0; row < glyph.rows; ++row) {
            const int bandRow = y + glyph.top - 1 - row;
            for (int column = 0; column < glyph.width; ++column) {
                const int bandColumn = x + glyph.left + column;
                if (bandRow >= 0 && bandRow < bandHeight && bandColumn >= 0 && bandColumn < bandWidth) {
                    unsigned char& pixel =
                        band[std::size_t(bandRow) * std::size_t(bandWidth) + std::size_t(bandColumn)];
                    pixel =
                        (unsigned char)(pixel * (255 - glyph.coverage[std::size_t(row * glyph.width + column)]) / 255);
                }
            }
        }
        x += textAdvance(c);
    }
}

void endText() {
    if (!face || band.empty()) {
        return;
    }
    glRasterPos2i(0, 0);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glDrawPixels(bandWidth, bandHeight, GL_LUMINANCE, GL_UNSIGNED_BYTE, band.data());
    band.clear();
    band.shrink_to_fit();
}
