#include "resources/TextFile.h"

#include "resources/Paths.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t maxListedPath = 255;     // bytes of a path a file may list
constexpr std::size_t maxShownProblems = 12;   // lines per file on standard error
const std::string_view byteOrderMark = "\xEF\xBB\xBF";

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

void readStart(const std::string& resolved, TextFile& file)
{
    std::error_code error;
    const std::uintmax_t size = fs::file_size(resolved, error);
    std::ifstream in(resolved, std::ios::binary);
    if (error || !in) {
        file.status = TextFileStatus::Unreadable;
        return;
    }
    file.cut = size > maxTextFileBytes;
    file.text.resize(static_cast<std::size_t>(file.cut ? maxTextFileBytes : size));
    in.read(file.text.data(), static_cast<std::streamsize>(file.text.size()));
    file.text.resize(static_cast<std::size_t>(in.gcount()));  // a file that shrank meanwhile
    if (in.bad()) {
        file.status = TextFileStatus::Unreadable;
        file.text.clear();
        return;
    }
    file.status = TextFileStatus::Read;
    if (std::string_view(file.text).substr(0, byteOrderMark.size()) == byteOrderMark)
        file.text.erase(0, byteOrderMark.size());
}

}  // namespace

std::string shownPath(const std::string& path)
{
    std::string shown = resolvePath(path);
    if (shown.rfind("./", 0) == 0)
        shown.erase(0, 2);
    return shown;
}

TextFile readTextFile(const std::string& path, Problems& problems, const std::string& fallback)
{
    TextFile file;
    file.name = shownPath(path);
    std::error_code error;
    const fs::file_status status = fs::status(file.name, error);
    if (fs::is_directory(status)) {
        file.status = TextFileStatus::Folder;
        problems.push_back({0, "is a folder, not a file; " + fallback});
    } else if (!fs::exists(status)) {
        file.status = TextFileStatus::Missing;
        problems.push_back({0, "is missing; " + fallback});
    } else if (!fs::is_regular_file(status)) {
        // A pipe or a device could block the start-up or never end.
        file.status = TextFileStatus::Unreadable;
        problems.push_back({0, "is not a plain file; " + fallback});
    } else {
        readStart(file.name, file);
        if (file.status != TextFileStatus::Read)
            problems.push_back({0, "cannot be read; " + fallback});
        else if (file.cut)
            problems.push_back({0, "is larger than 4 MiB; only its first 4 MiB are read"});
    }
    return file;
}

WordScanner::WordScanner(std::string_view text) : text_(text) {}

bool WordScanner::next(Word& word)
{
    while (at_ < text_.size() && isSpace(text_[at_])) {
        if (text_[at_] == '\n')
            ++line_;
        ++at_;
    }
    if (at_ >= text_.size())
        return false;
    const std::size_t start = at_;
    while (at_ < text_.size() && !isSpace(text_[at_]))
        ++at_;
    word.text = text_.substr(start, at_ - start);
    word.line = line_;
    return true;
}

bool parseIntWord(std::string_view word, int& value)
{
    if (!word.empty() && word.front() == '+')
        word.remove_prefix(1);
    if (word.empty() || word.front() == '+')
        return false;
    int parsed = 0;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), parsed);
    if (result.ec != std::errc() || result.ptr != word.data() + word.size())
        return false;
    value = parsed;
    return true;
}

bool parseFloatWord(std::string_view word, float& value)
{
    if (!word.empty() && word.front() == '+')
        word.remove_prefix(1);
    if (word.empty() || word.front() == '+')
        return false;
    float parsed = 0.f;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), parsed);
    if (result.ec != std::errc() || result.ptr != word.data() + word.size() || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

std::string quotedWord(std::string_view word, std::size_t shown)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text = "\"";
    for (char c : word) {
        if (text.size() > shown) {  // counted as shown, escapes included
            text += "...";
            break;
        }
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
            text += c;
        } else {
            text += "\\x";
            text += digits[byte >> 4];
            text += digits[byte & 0xF];
        }
    }
    return text + "\"";
}

std::string listedPathProblem(std::string_view path)
{
    if (path.empty())
        return "is an empty path";
    if (path.size() > maxListedPath)
        return "is longer than 255 characters";
    // Messages and the media library echo paths: only plain text may pass.
    for (char c : path)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F)
            return "holds characters other than plain letters, digits and signs";
    if (path.front() == '/' || path.front() == '\\' || (path.size() > 1 && path[1] == ':'))
        return "is an absolute path; only files inside the game folder are read";
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find_first_of("/\\", start);
        if (end == std::string_view::npos)
            end = path.size();
        if (path.substr(start, end - start) == "..")
            return "climbs out with \"..\"; only files inside the game folder are read";
        start = end + 1;
    }
    return "";
}

void sayLoadFailure(const std::string& message)
{
    std::cout << message << std::flush;
}

void reportProblems(const std::string& file, const Problems& problems)
{
    std::cout << std::flush;  // the game's own message comes first
    std::size_t shown = 0;
    for (const Problem& problem : problems) {
        if (shown++ == maxShownProblems) {
            std::cerr << file << ": " << problems.size() - maxShownProblems << " more problems not shown\n";
            break;
        }
        std::cerr << file;
        if (problem.line > 0)
            std::cerr << ':' << problem.line;
        std::cerr << ": " << problem.what << '\n';
    }
    std::cerr << std::flush;
}
