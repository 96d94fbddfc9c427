#include "screens/TypedLine.h"

#include <algorithm>

namespace {

bool inAlphabet(const TypedLine& line, unsigned codePoint)
{
    return codePoint > 0 && codePoint < 0x80 && line.alphabet.find(static_cast<char>(codePoint)) != std::string::npos;
}

}  // namespace

TypedLine makeTypedLine(const std::string& alphabet, std::size_t limit, const std::string& text)
{
    TypedLine line;
    line.alphabet = alphabet;
    line.limit = limit;
    for (char c : text)
        typeCharacter(line, static_cast<unsigned char>(c));
    return line;
}

bool typeCharacter(TypedLine& line, unsigned codePoint)
{
    if (!inAlphabet(line, codePoint) || line.text.size() >= line.limit)
        return false;
    line.text.insert(line.cursor, 1, static_cast<char>(codePoint));
    ++line.cursor;
    return true;
}

void eraseBefore(TypedLine& line)
{
    if (line.cursor == 0)
        return;
    --line.cursor;
    line.text.erase(line.cursor, 1);
}

void eraseUnder(TypedLine& line)
{
    if (line.text.empty())
        return;
    if (line.cursor >= line.text.size())
        line.cursor = line.text.size() - 1;
    line.text.erase(line.cursor, 1);
}

void moveCursor(TypedLine& line, int step)
{
    const long long moved = static_cast<long long>(line.cursor) + step;
    line.cursor = static_cast<std::size_t>(std::max(0LL, std::min(moved, static_cast<long long>(line.text.size()))));
}

void stepCharacter(TypedLine& line, int step)
{
    if (line.alphabet.empty() || step == 0)
        return;
    if (line.cursor >= line.text.size()) {
        if (line.text.size() >= line.limit)
            return;
        line.text.push_back(step > 0 ? line.alphabet.front() : line.alphabet.back());
        return;
    }
    const std::size_t size = line.alphabet.size();
    const std::size_t found = line.alphabet.find(line.text[line.cursor]);
    const std::size_t at = found == std::string::npos ? 0 : found;
    line.text[line.cursor] = line.alphabet[(at + size + (step > 0 ? 1 : size - 1)) % size];
}
