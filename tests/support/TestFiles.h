#pragma once

#include "level/HeldLevel.h"

#include <string>

// Writes a text file for a test, creating its folders.
void writeTestFile(const std::string& path, const std::string& text);
// Reads a whole file ("" when missing).
std::string readTestFile(const std::string& path);
// A section file of `columns` x 20 codes, all `code`.
std::string uniformSection(int columns, int code);
// The custom level `name` as the editor saves it, held in memory: `sections`
// sections with a floor, and in each a ledge of tile (section + 1) at its middle.
HeldLevel heldTestLevel(const std::string& name, int sections);
