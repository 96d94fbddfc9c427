#pragma once

#include <SFML/Graphics/Image.hpp>

#include <filesystem>
#include <string>

// Where the generator reads its hand-written data and writes the run folder.
struct AssetContext {
    std::filesystem::path dataDir;  // the repo's data/ folder
    std::filesystem::path runDir;   // the folder the game runs from
    int written = 0;                // files whose bytes changed this run
    int unchanged = 0;
    int seeded = 0;
    int failures = 0;
};

// Writes a generated file. The bytes go to a new file that is renamed over the
// old one, and a file whose bytes are already right is left alone (so a
// rebuild changes nothing and an interrupted one leaves no half file).
void writeGenerated(AssetContext& ctx, const std::string& relativePath, const std::string& bytes);

// Writes a file the game itself rewrites (settings, bindings, custom level
// list) only when it does not exist yet: a rebuild never loses a player's file.
void seedUserFile(AssetContext& ctx, const std::string& relativePath, const std::string& bytes);

// Installs a hand-written data file, data/<dataPath>, as <runPath>.
void installDataFile(AssetContext& ctx, const std::string& dataPath, const std::string& runPath);

// Encodes the picture as PNG and writes it with writeGenerated.
void writePng(AssetContext& ctx, const std::string& relativePath, const sf::Image& image);

// Reads a whole file; empty when it cannot be read (and counted as a failure).
std::string readFileBytes(AssetContext& ctx, const std::filesystem::path& path);
