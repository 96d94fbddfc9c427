#pragma once

#include <string>

// Writes a text file for a test, creating its folders.
void writeTestFile(const std::string& path, const std::string& text);
// Reads a whole file ("" when missing).
std::string readTestFile(const std::string& path);
// A section file of `columns` x 20 codes, all `code`.
std::string uniformSection(int columns, int code);
