#pragma once

#include <string>

struct GeneratorRun {
    int status = -1;     // exit status; -1 when it could not be started
    std::string output;  // what it printed
};

// Runs the asset generator built beside the test program on the repo's data,
// writing into `runDir`, for the named groups only ("audio", "text", ...).
// `environment` (e.g. "PATH=/nowhere") is set for the generator alone.
GeneratorRun runAssetGenerator(const std::string& runDir, const std::string& groups,
                               const std::string& environment = "");

// The whole file, or empty when it cannot be read.
std::string fileBytes(const std::string& path);
