#pragma once

#include <cstddef>
#include <string>

// A short line a player types on a menu screen: an address, a port. Keys put
// characters in at the cursor and take them out again; a pad changes the
// character under the cursor through the line's alphabet and moves the
// cursor. Only the alphabet's characters get in, and never more than the
// line's limit.
struct TypedLine {
    std::string text;
    std::size_t cursor = 0;  // 0..text.size(): the end is the free place after the last character
    std::string alphabet;    // the characters taken, in the order the pad steps through them
    std::size_t limit = 0;   // the most characters the line holds
};

// A line holding `text` (cut to what the alphabet and the limit allow), the
// cursor at its end.
TypedLine makeTypedLine(const std::string& alphabet, std::size_t limit, const std::string& text = "");

// Puts the character `codePoint` in at the cursor and moves past it; false,
// with the line unchanged, for a character outside the alphabet or a full line.
bool typeCharacter(TypedLine& line, unsigned codePoint);
// Backspace: the character before the cursor goes.
void eraseBefore(TypedLine& line);
// Delete, or the pad's erase: the character under the cursor goes (at the
// free place after the end, the last one).
void eraseUnder(TypedLine& line);
// The cursor `step` places right (left when negative), within 0..size.
void moveCursor(TypedLine& line, int step);
// The pad's up (+1) and down (-1): the character under the cursor becomes the
// alphabet's next or previous, round its end. On the free place at the end a
// new character starts (the alphabet's first going up, its last going down),
// unless the line is full.
void stepCharacter(TypedLine& line, int step);
