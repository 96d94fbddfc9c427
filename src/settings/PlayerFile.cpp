#include "settings/PlayerFile.h"

#include "resources/Paths.h"
#include "resources/TextFile.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool isReadOnly(const fs::file_status& status)
{
    const fs::perms writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return fs::is_regular_file(status) && (status.permissions() & writable) == fs::perms::none;
}

// Copies the file as it is to "<name>.bad"; says where it went.
void keepBadCopy(const std::string& shown)
{
    const std::string copy = shown + ".bad";
    std::error_code error;
    if (fs::is_directory(copy, error) ||
        !fs::copy_file(shown, copy, fs::copy_options::overwrite_existing, error)) {
        std::cerr << shown << ": could not be read as it was, and no copy could be kept as "
                  << fs::path(copy).filename().string() << "; it is written anew\n";
        return;
    }
    std::cerr << shown << ": could not be read as it was; it is kept as " << fs::path(copy).filename().string()
              << " and written anew\n";
}

}  // namespace

SaveOutcome savePlayerFile(const std::string& path, const std::string& text, PlayerFileState& state)
{
    const std::string shown = shownPath(path);
    std::error_code error;
    const fs::file_status status = fs::symlink_status(shown, error);
    if (isReadOnly(fs::status(shown, error))) {
        if (!state.readOnlySaid)
            std::cerr << shown << ": is read-only; it is left as it is and this run's changes are not saved\n";
        state.readOnlySaid = true;
        return SaveOutcome::LeftReadOnly;
    }
    if (state.damaged && (fs::is_regular_file(status) || fs::is_symlink(status))) {
        keepBadCopy(shown);
        state.damaged = false;
    }
    std::cerr << std::flush;
    return writeFileAtomically(path, text) ? SaveOutcome::Written : SaveOutcome::Failed;
}
