// latin_lines.cpp
// Copies a text file, writing each line that names sr@latin in its Latin form: the Serbian Latin of the menu entries
// and of the AppStream metadata is derived at build time from the Cyrillic written there, letter by letter.
// Usage: latin_lines INPUT OUTPUT
#include "language.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s INPUT OUTPUT\n", argv[0]);
        return 2;
    }
    std::ifstream input(argv[1]);
    std::ofstream output(argv[2]);
    for (std::string line; std::getline(input, line);) {
        output << (line.find("sr@latin") != std::string::npos ? latinFromCyrillic(line) : line) << '\n';
    }
    if (!input.eof() || !output.flush()) {
        std::fprintf(stderr, "%s: cannot copy %s to %s\n", argv[0], argv[1], argv[2]);
        return 1;
    }
    return 0;
}
