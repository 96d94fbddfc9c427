#pragma once

#include <string>
#include <string_view>
#include <vector>

// Every text file of the game (roster, characters, levels, settings, names)
// is read through here: at most 4 MiB, a byte-order mark dropped, and the
// words scanned with their line numbers so that a reader can say where a
// file went wrong. Nothing here needs a window or a Game.

constexpr std::size_t maxTextFileBytes = 4u << 20;  // bytes read of any text file

// What a reader found wrong: the line (1-based; 0 = the file as a whole)
// and what was wrong there, in words a player can act on.
struct Problem {
    int line = 0;
    std::string what;
};
using Problems = std::vector<Problem>;

enum class TextFileStatus { Read, Missing, Folder, Unreadable };

struct TextFile {
    std::string name;  // the path as messages show it (relative to the run folder)
    TextFileStatus status = TextFileStatus::Missing;
    std::string text;  // the bytes read, without a leading byte-order mark
    bool cut = false;  // the file is larger than 4 MiB; only its start was read
};

// Reads `path` (resolved letter case aside). A missing file, a folder or
// anything else that is not a readable file notes a problem ending in
// `fallback` (what the game does instead); so does a file cut at 4 MiB.
TextFile readTextFile(const std::string& path, Problems& problems, const std::string& fallback);
// The name a message gives the file at `path`.
std::string shownPath(const std::string& path);

// One whitespace-separated word and the line it starts on.
struct Word {
    std::string_view text;
    int line = 0;
};

// Walks the words of a text the way a text stream extracts them (space, tab,
// line ends, vertical tab and form feed separate words; CRLF is two of them).
class WordScanner {
public:
    explicit WordScanner(std::string_view text);
    bool next(Word& word);
    int line() const { return line_; }

private:
    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 1;
};

// Whole-word numbers: a word like "12abc", "1e308" (for an int), "nan" or
// "inf" is not a number. The int must fit 32 bits; the float must be finite.
bool parseIntWord(std::string_view word, int& value);
bool parseFloatWord(std::string_view word, float& value);

// Prints the game's own message for a file it could not read on standard output.
void sayLoadFailure(const std::string& message);

// Reads `path` into `record` with `parse` (text -> a record holding its own
// `problems`); the reading's problems come first. A file that cannot be read
// leaves a fresh Record and prints the game's own `failure` message. True
// when the file was read.
template <class Record, class Parse>
bool takeRecordText(const TextFile& file, const Problems& problems, Record& record, const std::string& failure,
                    Parse parse);
template <class Record, class Parse>
bool readRecordFile(const std::string& path, Record& record, const std::string& fallback,
                    const std::string& failure, Parse parse)
{
    Problems problems;
    const TextFile file = readTextFile(path, problems, fallback);
    return takeRecordText(file, problems, record, failure, parse);
}

// The same on a file already read (from disk or from memory), with the
// problems its reading found.
template <class Record, class Parse>
bool takeRecordText(const TextFile& file, const Problems& problems, Record& record, const std::string& failure,
                    Parse parse)
{
    const bool read = file.status == TextFileStatus::Read;
    record = read ? parse(file.text) : Record{};
    if (!read)
        sayLoadFailure(failure);
    record.problems.insert(record.problems.begin(), problems.begin(), problems.end());
    return read;
}

// A word as a message may show it: quoted, at most `shown` characters,
// anything but printable ASCII written as \xNN. Raw file bytes never reach
// a terminal.
std::string quotedWord(std::string_view word, std::size_t shown = 24);

// Why a path listed in a file is refused, or "" when it may be read: empty,
// absolute, climbing out with "..", bytes other than printable ASCII, or
// longer than 255 bytes.
std::string listedPathProblem(std::string_view path);

// Says every problem on standard error as "<file>:<line>: <what>", at most
// 12 lines per file and then how many more there were.
void reportProblems(const std::string& file, const Problems& problems);
