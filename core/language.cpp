// language.cpp
#include "language.h"

#include "console.h"

#include <sstream>

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
        const char32_t lower = c < 0x410 ? c + 0x50 : c < 0x430 ? c + 0x20 : c;
        std::string latin;
        switch (lower) {
        case 0x452:
            latin = "đ";
            break;
        case 0x458:
            latin = "j";
            break;
        case 0x459:
            latin = "lj";
            break;
        case 0x45a:
            latin = "nj";
            break;
        case 0x45b:
            latin = "ć";
            break;
        case 0x45f:
            latin = "dž";
            break;
        default: {
            // The Serbian letters among а..я (й щ ъ ы ь э ю я are not Serbian and pass unchanged).
            static const char32_t order[] = {0x430, 0x431, 0x432, 0x433, 0x434, 0x435, 0x436, 0x437,
                                             0x438, 0x43a, 0x43b, 0x43c, 0x43d, 0x43e, 0x43f, 0x440,
                                             0x441, 0x442, 0x443, 0x444, 0x445, 0x446, 0x447, 0x448};
            static const char* const names[] = {"a", "b", "v", "g", "d", "e", "ž", "z", "i", "k", "l", "m",
                                                "n", "o", "p", "r", "s", "t", "u", "f", "h", "c", "č", "š"};
            for (std::size_t k = 0; k < sizeof order / sizeof order[0]; ++k) {
                if (order[k] == lower) {
                    latin = names[k];
                }
            }
            if (latin.empty()) {
                appendUtf8(latin, c); // not a letter of Serbian: left as it is
            }
        }
        }
        if (capital && !latin.empty()) {
            // The first letter made capital; the second of lj, nj, dž too in a word in capitals.
            std::u32string parts = decodeUtf8(latin);
            const auto upper = [](char32_t l) {
                return l >= 'a' && l <= 'z'                                   ? l - 32
                       : l == 0x17e || l == 0x10d || l == 0x107 || l == 0x161 ? l - 1
                       : l == 0x111                                           ? 0x110
                                                                              : l;
            };
            parts[0] = upper(parts[0]);
            if (parts.size() > 1 && inCapitals(letters, i)) {
                parts[1] = upper(parts[1]);
            }
            latin.clear();
            for (char32_t p : parts) {
                appendUtf8(latin, p);
            }
        }
        out += latin;
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
    if (language) {
        std::istringstream entries(language);
        for (std::string entry; std::getline(entries, entry, ':');) {
            if (localeLanguage(entry) != Language::Plain) {
                return localeLanguage(entry);
            }
        }
    }
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (value && *value) {
            return localeLanguage(value);
        }
    }
    return Language::Plain;
}
