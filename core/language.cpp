// language.cpp
#include "language.h"

#include "console.h"

#include <cstring>

namespace {

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xc0 | (c >> 6));
        out += char(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        out += char(0xe0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3f));
        out += char(0x80 | (c & 0x3f));
    } else {
        out += char(0xf0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3f));
        out += char(0x80 | ((c >> 6) & 0x3f));
        out += char(0x80 | (c & 0x3f));
    }
}

bool isCyrillic(char32_t c) {
    return c >= 0x400 && c <= 0x45f;
}

// Small and capital letters of both scripts, as the derivations meet them.
bool isSmall(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 0x430 && c <= 0x45f) || c == 0x10d || c == 0x107 || c == 0x161 ||
           c == 0x17e || c == 0x111;
}
bool isCapital(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 0x400 && c <= 0x42f) || c == 0x10c || c == 0x106 || c == 0x160 ||
           c == 0x17d || c == 0x110;
}

// A two-letter capital (Lj, Nj, Dž, Dj) is written whole in capitals within a word in capitals: when the letter
// after it, or failing that the one before, is a capital.
bool inCapitals(const std::u32string& text, std::size_t i) {
    if (i + 1 < text.size() && (isSmall(text[i + 1]) || isCapital(text[i + 1]))) {
        return isCapital(text[i + 1]);
    }
    return i > 0 && isCapital(text[i - 1]);
}

// The Latin form of each small Cyrillic letter from а (U+0430) to џ (U+045F): small, capital, and capital within a
// word in capitals; none for the letters that are not Serbian (й щ ъ ы ь э ю я ѐ ё ѓ є ѕ і ї ќ ѝ ў).
struct Letter {
    const char* small;
    const char* capital;
    const char* inCapitals;
};
const Letter letters_[] = {
    {"a", "A", "A"},
    {"b", "B", "B"},
    {"v", "V", "V"},
    {"g", "G", "G"},
    {"d", "D", "D"},
    {"e", "E", "E"},
    {"ž", "Ž", "Ž"},
    {"z", "Z", "Z"},
    {"i", "I", "I"},
    {},
    {"k", "K", "K"},
    {"l", "L", "L"},
    {"m", "M", "M"},
    {"n", "N", "N"},
    {"o", "O", "O"},
    {"p", "P", "P"},
    {"r", "R", "R"},
    {"s", "S", "S"},
    {"t", "T", "T"},
    {"u", "U", "U"},
    {"f", "F", "F"},
    {"h", "H", "H"},
    {"c", "C", "C"},
    {"č", "Č", "Č"},
    {"š", "Š", "Š"},
    {},
    {},
    {},
    {},
    {},
    {},
    {}, // щ ъ ы ь э ю я
    {},
    {},
    {"đ", "Đ", "Đ"},
    {},
    {},
    {},
    {},
    {}, // ѐ ё ђ ѓ є ѕ і ї
    {"j", "J", "J"},
    {"lj", "Lj", "LJ"},
    {"nj", "Nj", "NJ"},
    {"ć", "Ć", "Ć"},
    {},
    {},
    {},
    {"dž", "Dž", "DŽ"},
};
static_assert(sizeof letters_ / sizeof letters_[0] == 0x460 - 0x430, "one entry for each of а..џ");

} // namespace

std::string latinFromCyrillic(const std::string& text) {
    const std::u32string letters = decodeUtf8(text);
    std::string out;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const char32_t c = letters[i];
        if (!isCyrillic(c)) {
            appendUtf8(out, c);
            continue;
        }
        // Capitals: Ѐ..Џ (Ђ Ј Љ Њ Ћ Џ among them) at U+0400, А..Я at U+0410; their small letters 0x50 and 0x20 on.
        const bool capital = c < 0x430;
        const Letter& letter = letters_[(c < 0x410 ? c + 0x50 : c < 0x430 ? c + 0x20 : c) - 0x430];
        if (!letter.small) {
            appendUtf8(out, c); // not a letter of Serbian: left as it is
        } else {
            out += !capital ? letter.small : inCapitals(letters, i) ? letter.inCapitals : letter.capital;
        }
    }
    return out;
}

std::string plainFromLatin(const std::string& text) {
    const std::u32string letters = decodeUtf8(text);
    std::string out;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        switch (letters[i]) {
        case 0x10d: // č
        case 0x107: // ć
            out += 'c';
            break;
        case 0x10c:
        case 0x106:
            out += 'C';
            break;
        case 0x161:
            out += 's';
            break;
        case 0x160:
            out += 'S';
            break;
        case 0x17e:
            out += 'z';
            break;
        case 0x17d:
            out += 'Z';
            break;
        case 0x111:
            out += "dj";
            break;
        case 0x110:
            out += inCapitals(letters, i) ? "DJ" : "Dj";
            break;
        default:
            appendUtf8(out, letters[i]);
        }
    }
    return out;
}

Language localeLanguage(const std::string& name) {
    // The language part ends at the territory, the codeset or the modifier.
    const std::string language = name.substr(0, name.find_first_of("_.@"));
    if (language == "sr") {
        return name.find("@latin") != std::string::npos ? Language::Latin : Language::Cyrillic;
    }
    return language == "en" ? Language::English : Language::Plain;
}

Language environmentLanguage(const char* language, const char* lcAll, const char* lcMessages, const char* lang) {
    // No string streams: their locales would bring the C library's time formatting into every page's runtime.
    for (const char* entry = language; entry && *entry;) {
        const char* end = std::strchr(entry, ':');
        const std::string name = end ? std::string(entry, end) : std::string(entry);
        if (localeLanguage(name) != Language::Plain) {
            return localeLanguage(name);
        }
        entry = end ? end + 1 : nullptr;
    }
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (value && *value) {
            return localeLanguage(value);
        }
    }
    return Language::Plain;
}
