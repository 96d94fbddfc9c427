#include "resources/Paths.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The entry of `folder` named `name` letter case aside: the exact name first,
// otherwise the first match in sorted order so the choice is stable.
bool findEntry(const fs::path& folder, const std::string& name, fs::path& found)
{
    std::error_code error;
    const fs::path exact = folder / name;
    if (fs::exists(exact, error)) {
        found = exact;
        return true;
    }
    const std::string wanted = lowerCase(name);
    std::string best;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string candidate = it->path().filename().string();
        if (lowerCase(candidate) == wanted && (best.empty() || candidate < best))
            best = candidate;
    }
    if (best.empty())
        return false;
    found = folder / best;
    return true;
}

}  // namespace

std::string resolvePath(const std::string& path)
{
    if (path.empty())
        return path;
    const fs::path input(path);
    fs::path resolved = input.root_path();
    bool matching = true;
    for (const fs::path& part : input.relative_path()) {
        const std::string name = part.string();
        if (name.empty())
            continue;
        fs::path next;
        if (matching && name != "." && name != ".." && findEntry(resolved, name, next)) {
            resolved = next;
        } else {
            matching = matching && (name == "." || name == "..");
            resolved /= part;
        }
    }
    return resolved.string();
}

bool writeFileAtomically(const std::string& path, const std::string& content)
{
    const std::string target = resolvePath(path);
    const std::string fresh = target + ".new";
    {
        std::ofstream out(fresh, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out << content;
        out.flush();
        if (!out) {
            out.close();
            std::remove(fresh.c_str());
            return false;
        }
    }
    std::error_code error;
    fs::rename(fresh, target, error);
    if (error) {
        std::remove(fresh.c_str());
        return false;
    }
    return true;
}

bool readWholeFile(const std::string& path, std::string& content)
{
    std::ifstream in(resolvePath(path), std::ios::binary);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    content = text.str();
    return true;
}
