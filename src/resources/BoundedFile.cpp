#include "resources/BoundedFile.h"

#include "resources/Paths.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

FileRead readFileBounded(const std::string& path, std::size_t maxBytes, std::string& content)
{
    content.clear();
    const std::string resolved = resolvePath(path);
    std::error_code error;
    const fs::file_status status = fs::status(resolved, error);
    if (status.type() == fs::file_type::not_found)
        return FileRead::Missing;
    if (error || status.type() != fs::file_type::regular)
        return FileRead::Unreadable;
    std::ifstream in(resolved, std::ios::binary);
    if (!in)
        return FileRead::Unreadable;
    // One byte more than allowed tells a file at the limit from a longer one;
    // the size is read, not trusted from the file system.
    content.resize(maxBytes + 1);
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    const std::size_t got = static_cast<std::size_t>(in.gcount());
    if (in.bad())
        return content.clear(), FileRead::Unreadable;
    if (got > maxBytes)
        return content.clear(), FileRead::TooLarge;
    content.resize(got);
    return FileRead::Read;
}
