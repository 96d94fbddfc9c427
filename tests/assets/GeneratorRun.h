#pragma once

#include <string>

// Runs the asset generator built beside the test program on the repo's data,
// writing into `runDir`, for the named groups only ("audio", "text", ...).
// Returns the generator's exit status (-1 when it could not be started).
int runAssetGenerator(const std::string& runDir, const std::string& groups);

// The whole file, or empty when it cannot be read.
std::string fileBytes(const std::string& path);
