// site_texts.cpp
// Writes the texts of the web pages in each language the pages offer, one script a language (texts-sr-Cyrl.js,
// texts-sr-Latn.js, texts-en.js in the folder given) and the explorer's page's own texts beside them (explorer-...),
// so that a page loads only what it shows: the pages' texts from the table of sentences, and each program's gallery
// sentence, given in a file that the web build writes from the table of programs (one program a line: its name, its
// English sentence and its Cyrillic one, separated by tabs). The Latin form is derived from the Cyrillic here, when
// the site is built.
// Usage (by the web build, under node): site_texts PROGRAMS FOLDER
#include "sentences.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A text as a JSON string.
std::string json(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return out + "\"";
}

struct Program {
    std::string name, english, cyrillic;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: site_texts PROGRAMS FOLDER\n");
        return 2;
    }
    std::vector<Program> programs;
    std::ifstream table(argv[1]);
    for (std::string line; std::getline(table, line);) {
        const std::size_t first = line.find('\t'), second = line.find('\t', first + 1);
        if (first == std::string::npos || second == std::string::npos) {
            std::fprintf(stderr, "site_texts: %s: a line without its three parts: %s\n", argv[1], line.c_str());
            return 1;
        }
        programs.push_back(
            {line.substr(0, first), line.substr(first + 1, second - first - 1), line.substr(second + 1)});
    }
    const struct {
        const char* tag;
        Language language;
    } languages[] = {{"sr-Cyrl", Language::Cyrillic}, {"sr-Latn", Language::Latin}, {"en", Language::English}};
    // The form of a text in a language: English as written, Serbian from its Cyrillic.
    const auto form = [](Language language, const char* cyrillic, const std::string& english) {
        return language == Language::English ? english
               : language == Language::Latin ? latinFromCyrillic(cyrillic)
                                             : std::string(cyrillic);
    };
    for (const auto& [tag, language] : languages) {
        // The texts of every page, then those of the explorer's page alone.
        std::string scripts[2];
        for (std::size_t i = 0; i < pageTextCount; ++i) {
            const PageTextRow& row = pageTextRows[i];
            const bool explorer = std::string(row.key).rfind("explorer-", 0) == 0;
            scripts[explorer] += ",\n" + json(row.key) + ": " + json(form(language, row.cyrillic, row.english));
        }
        for (const Program& program : programs) {
            scripts[0] += ",\n" + json("sentence:" + program.name) + ": " +
                          json(form(language, program.cyrillic.c_str(), program.english));
        }
        const std::string names[2] = {"/texts-", "/explorer-"};
        for (int i = 0; i < 2; ++i) {
            // Object.assign, so that the two files may come in either order.
            const std::string script = "siteTexts[" + json(tag) + "] = Object.assign(siteTexts[" + json(tag) +
                                       "] || {}, {" + scripts[i].substr(1) + "\n});\n";
            const std::string name = std::string(argv[2]) + names[i] + tag + ".js";
            std::ofstream output(name);
            if (!(output << script) || !output.flush() || !table.eof()) {
                std::fprintf(stderr, "site_texts: cannot read %s or write %s\n", argv[1], name.c_str());
                return 1;
            }
        }
    }
    return 0;
}
