// native_texts.cpp
// Prints what the programs print natively, for the browser tests to compare the pages with: the prompts of a set of
// exercises, one a line, as each exercise starts; or what the explorer prints when a link's text opens it, then the
// line its key l prints for the figure it opened.
// Usage: native_texts prompts SET [sr-Cyrl|sr-Latn|en]
//        native_texts link TEXT [sr-Cyrl|sr-Latn|en]      (the plain form when no language is named)
#include "exercises/practice.h"
#include "explorer/explorer.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    const bool prompts = argc >= 3 && std::strcmp(argv[1], "prompts") == 0;
    const bool link = argc >= 3 && std::strcmp(argv[1], "link") == 0;
    if (!(prompts || link) || argc > 4 || (prompts && readSetNumber(argv[2]) == 0)) {
        std::fprintf(stderr, "usage: %s prompts SET [sr-Cyrl|sr-Latn|en]\n       %s link TEXT [sr-Cyrl|sr-Latn|en]\n",
                     argv[0], argv[0]);
        return 2;
    }
    const char* tag = argc == 4 ? argv[3] : "";
    const Language language = std::strcmp(tag, "sr-Cyrl") == 0   ? Language::Cyrillic
                              : std::strcmp(tag, "sr-Latn") == 0 ? Language::Latin
                              : std::strcmp(tag, "en") == 0      ? Language::English
                                                                 : Language::Plain;
    inversionRadius = 5.0f;
    if (prompts) {
        const auto exercises = exerciseSet(readSetNumber(argv[2]));
        for (int i = 0; i < exerciseCount; ++i) {
            std::printf("%s\n", promptText(exercises[std::size_t(i)], i + 1, language).c_str());
        }
        return 0;
    }
    Explorer explorer;
    explorer.language = language;
    const std::string opened = openExplorerLink(explorer, argv[2]).printed;
    std::printf("%s%s\n", opened.c_str(), explorerLinkLine(explorer).c_str());
    return 0;
}
