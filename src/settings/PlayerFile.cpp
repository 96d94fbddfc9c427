#include "settings/PlayerFile.h"

#include "resources/BoundedFile.h"
#include "resources/Paths.h"
#include "resources/TextFile.h"

#include <filesystem>
#include <iostream>
#include <system_error>

#include <sys/statvfs.h>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t maxKeptCopyBytes = std::size_t{64} << 20;  // bytes of a damaged file copied to ".bad"

// A file without write permission, or any file on a disk mounted read-only.
bool isReadOnly(const std::string& shown)
{
    std::error_code error;
    const fs::file_status status = fs::status(shown, error);
    const fs::perms writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (fs::is_regular_file(status) && (status.permissions() & writable) == fs::perms::none)
        return true;
    const fs::path parent = fs::path(shown).parent_path();
    struct statvfs disk;
    return ::statvfs(parent.empty() ? "." : parent.c_str(), &disk) == 0 && (disk.f_flag & ST_RDONLY) != 0;
}

void sayWriteFailure(const std::string& shown, const std::string& reason, const char* consequence)
{
    std::cerr << shown << ": cannot be written (" << reason << "); " << consequence << '\n';
}

// Writes the file as it is to "<name>.bad", new-then-rename like any other
// file, so no empty or partial copy is ever left. True when it was kept.
bool keepBadCopy(const std::string& shown, FileWriter write)
{
    const std::string copy = shown + ".bad";
    std::string bytes;
    std::string reason;
    const FileRead read = readFileBounded(shown, maxKeptCopyBytes, bytes);
    if (read == FileRead::Read && write(copy, bytes, &reason))
        return true;
    if (read != FileRead::Read)
        reason = read == FileRead::TooLarge ? "the damaged file is larger than 64 MiB"
                                            : "the damaged file cannot be read back";
    sayWriteFailure(copy, reason, "no copy of the damaged file is kept");
    return false;
}

}  // namespace

SaveOutcome savePlayerFile(const std::string& path, const std::string& text, PlayerFileState& state)
{
    return savePlayerFile(path, text, state, writeFileAtomically);
}

SaveOutcome savePlayerFile(const std::string& path, const std::string& text, PlayerFileState& state,
                           FileWriter write)
{
    const std::string shown = shownPath(path);
    std::error_code error;
    if (isReadOnly(shown)) {
        if (!state.readOnlySaid)
            std::cerr << shown << ": is read-only; it is left as it is and this run's changes are not saved\n";
        state.readOnlySaid = true;
        return SaveOutcome::LeftReadOnly;
    }
    const fs::file_status status = fs::symlink_status(shown, error);
    const bool keepCopy = state.damaged && (fs::is_regular_file(status) || fs::is_symlink(status));
    const bool kept = keepCopy && keepBadCopy(shown, write);
    std::string reason;
    if (!write(path, text, &reason)) {
        sayWriteFailure(shown, reason, "this run's changes are not saved");
        std::cerr << std::flush;
        return SaveOutcome::Failed;
    }
    if (keepCopy) {
        const std::string copyName = fs::path(shown + ".bad").filename().string();
        std::cerr << shown << ": could not be read as it was; "
                  << (kept ? "it is kept as " + copyName + " and" : "no copy could be kept, and it is")
                  << " written anew\n";
        state.damaged = false;
    }
    std::cerr << std::flush;
    return SaveOutcome::Written;
}
