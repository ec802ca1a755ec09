// language.h
// The suite's languages and the two derivations of Serbian: each sentence is written once in Cyrillic, its Latin
// form follows letter by letter, and the plain form (today's texts, ASCII) drops the Latin form's marks.
#pragma once

#include <string>

/// Serbian in Cyrillic, Serbian in Latin with its marks, English, and the plain form: Latin without marks.
enum class Language { Cyrillic, Latin, English, Plain };

/// The Latin form of Serbian Cyrillic UTF-8 text, by the standard one-to-one transliteration (љ lj, њ nj, џ dž, ђ đ,
/// ћ ć, ч č, ш š, ж ž ...): a capital Љ, Њ or Џ gives Lj, Nj, Dž before a small letter and LJ, NJ, DŽ in a word in
/// capitals. Latin letters, digits and every other character pass unchanged.
std::string latinFromCyrillic(const std::string& text);

/// The plain form of Serbian Latin UTF-8 text: č and ć give c, š s, ž z, đ dj (capitals alike, Đ giving Dj before a
/// small letter and DJ in a word in capitals).
std::string plainFromLatin(const std::string& text);

/// The language a locale's name asks for: sr, sr_RS, sr_RS.UTF-8, sr_ME ... Cyrillic; sr@latin, sr_RS@latin ...
/// Latin; en* English; anything else (C, POSIX, another language, nothing) the plain form.
Language localeLanguage(const std::string& name);

/// The language of the environment, from the variables' names alone: the first entry of language (LANGUAGE, a
/// colon-separated list) that is Serbian or English; else the first of the others (LC_ALL, LC_MESSAGES, LANG) that
/// is set and not empty. A null pointer is a variable not set.
Language environmentLanguage(const char* language, const char* lcAll, const char* lcMessages, const char* lang);
