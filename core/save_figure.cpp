// save_figure.cpp
// Writing a figure's two files so that a name only ever holds a whole file, or, in the browser, offering them as
// downloads.
#include "console.h"
#include "export.h"

#include <cerrno>
#include <cstring>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#include <map>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// The console line, started on a line of its own when the text before it did not end one.
static void reportLine(const std::string& line) {
    const std::string& before = writtenText();
    writeText(((before.empty() || before.back() == '\n') ? line : "\n" + line).c_str());
}

#ifdef __EMSCRIPTEN__

// A download of text under a file name, as a link to it that is clicked. (JavaScript: clang-format would garble it.)
// clang-format off
EM_JS(void, offerDownload, (const char* name, const char* type, const char* text), {
    var link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([UTF8ToString(text)], {type: UTF8ToString(type)}));
    link.download = UTF8ToString(name);
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(function() { URL.revokeObjectURL(link.href); }, 60000);
});
// clang-format on

bool saveFigure(const std::string& name, bool numbered, const std::vector<DrawnItem>& items, const WalkFrame& frame,
                int width, int height, const char* title, const char* description, Language language) {
    // A page keeps no files of its own, so the numbers only have to differ within one visit.
    static std::map<std::string, int> lastNumber;
    const std::string base = numbered ? name + "-" + std::to_string(++lastNumber[name]) : name;
    offerDownload((base + ".svg").c_str(), "image/svg+xml",
                  figureSvg(items, frame, width, height, title, description).c_str());
    offerDownload((base + ".tex").c_str(), "application/x-tex", figureTikz(items, frame).c_str());
    reportLine(say(Sentence::Saved, language, {base, base}) + "\n");
    return true;
}

#else

namespace {

/// A whole file under a temporary name in the current directory, waiting for its own name.
struct PendingFile {
    std::string finalName;
    std::string temporary; ///< empty until it exists
};

/// What went wrong, and with which file.
struct Failure {
    std::string file;
    int error = 0;
};

} // namespace

// The permissions a new file gets from open(): 0666 less the process's umask.
static mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Writes text to a new hidden file beside file's final name. On failure nothing of it is left.
static bool writePending(PendingFile* file, const std::string& text, Failure* failure) {
    std::string pattern = "." + file->finalName + ".XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) {
        *failure = Failure{file->finalName, errno};
        return false;
    }
    file->temporary = pattern;
    int error = fchmod(fd, newFileMode()) == 0 ? 0 : errno;
    for (std::size_t done = 0; error == 0 && done < text.size();) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n >= 0) {
            done += std::size_t(n);
        } else if (errno != EINTR) {
            error = errno;
        }
    }
    // A full disk may only show when the data reaches it.
    if (error == 0 && fsync(fd) != 0) {
        error = errno;
    }
    if (close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        *failure = Failure{file->finalName, error};
        unlink(file->temporary.c_str());
        file->temporary.clear();
    }
    return error == 0;
}

static void discard(PendingFile* files, int count) {
    for (int i = 0; i < count; ++i) {
        if (!files[i].temporary.empty()) {
            unlink(files[i].temporary.c_str());
        }
    }
}

static bool exists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

// Gives both files the names <base>-N.svg and <base>-N.tex for the first N where neither name is taken. A hard
// link never replaces an existing name, so a file that appears meanwhile is kept and the next N is tried.
static bool linkNumbered(PendingFile files[2], const std::string& base, std::string* chosen, Failure* failure) {
    for (int n = 1;; ++n) {
        const std::string stem = base + "-" + std::to_string(n);
        const std::string svg = stem + ".svg";
        const std::string tex = stem + ".tex";
        if (exists(svg) || exists(tex)) {
            continue;
        }
        if (link(files[0].temporary.c_str(), svg.c_str()) != 0) {
            if (errno == EEXIST) {
                continue;
            }
            *failure = Failure{svg, errno};
            return false;
        }
        if (link(files[1].temporary.c_str(), tex.c_str()) != 0) {
            const int error = errno;
            unlink(svg.c_str());
            if (error == EEXIST) {
                continue;
            }
            *failure = Failure{tex, error};
            return false;
        }
        *chosen = stem;
        return true;
    }
}

bool saveFigure(const std::string& name, bool numbered, const std::vector<DrawnItem>& items, const WalkFrame& frame,
                int width, int height, const char* title, const char* description, Language language) {
    PendingFile files[2] = {{name + ".svg", ""}, {name + ".tex", ""}};
    const std::string texts[2] = {figureSvg(items, frame, width, height, title, description), figureTikz(items, frame)};
    Failure failure;
    std::string stem = name;
    bool saved = writePending(&files[0], texts[0], &failure) && writePending(&files[1], texts[1], &failure);
    if (saved && numbered) {
        saved = linkNumbered(files, name, &stem, &failure);
    } else if (saved) {
        for (PendingFile& file : files) {
            if (rename(file.temporary.c_str(), file.finalName.c_str()) != 0) {
                failure = Failure{file.finalName, errno};
                saved = false;
                break;
            }
            file.temporary.clear();
        }
    }
    discard(files, 2);
    if (!saved) {
        reportLine(say(Sentence::SaveError, language, {failure.file, std::strerror(failure.error)}) + "\n");
        return false;
    }
    reportLine(say(Sentence::Saved, language, {stem, stem}) + "\n");
    return true;
}

#endif
