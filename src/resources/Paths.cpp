#include "resources/Paths.h"

#include "resources/FolderListing.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int maxCaseVariants = 8;  // spellings of one name weighed per folder
constexpr int maxLinkHops = 40;     // as the kernel allows when opening a path

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The entries of `folder` named `name` letter case aside, in sorted order.
std::vector<std::string> caseVariants(const fs::path& folder, const std::string& name)
{
    std::vector<std::string> found;
    const std::string wanted = lowerCase(name);
    for (const std::string& candidate : folderNames(folder.string()))
        if (candidate.size() == wanted.size() && lowerCase(candidate) == wanted)
            found.push_back(candidate);
    std::sort(found.begin(), found.end());
    if (found.size() > static_cast<std::size_t>(maxCaseVariants))
        found.resize(maxCaseVariants);
    return found;
}

struct Resolution {
    fs::path path;
    int matched = 0;  // leading parts of the path that name existing entries
};

// Resolves `parts[index...]` inside `folder`. Where one folder holds several
// spellings of a name ("Assets" and "assets"), the one under which more of
// the path exists wins, then the first in sorted order: the choice depends on
// the files, never on the caller's spelling, so reads and writes agree.
Resolution resolveFrom(const fs::path& folder, const std::vector<std::string>& parts, std::size_t index,
                       int matched)
{
    if (index == parts.size())
        return {folder, matched};
    const std::string& name = parts[index];
    if (name == "." || name == "..")
        return resolveFrom(folder / name, parts, index + 1, matched + 1);
    const std::vector<std::string> variants = caseVariants(folder, name);
    if (variants.empty()) {
        fs::path rest = folder;
        for (std::size_t i = index; i < parts.size(); ++i)
            rest /= parts[i];
        return {rest, matched};
    }
    Resolution best;
    best.matched = -1;
    for (const std::string& variant : variants) {
        Resolution candidate = resolveFrom(folder / variant, parts, index + 1, matched + 1);
        if (candidate.matched > best.matched)
            best = std::move(candidate);
        if (best.matched == static_cast<int>(parts.size()))
            break;
    }
    return best;
}

// Where a write to `path` must go: through symbolic links to the file they
// name, so that the link stays a link. Empty when the links loop.
std::string writeTarget(const std::string& path)
{
    fs::path current(path);
    for (int hop = 0; hop < maxLinkHops; ++hop) {
        struct stat info;
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current.string();
        std::error_code error;
        const fs::path next = fs::read_symlink(current, error);
        if (error)
            return std::string();
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return std::string();
}

// Creates the temporary file exclusively: whatever already stands at its
// name (a file left by a crash, or a link planted there) is removed, never
// opened, so the write cannot be redirected.
int createFresh(const std::string& fresh)
{
    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::open(fresh.c_str(), flags, 0666);
    if (fd < 0 && errno == EEXIST && ::unlink(fresh.c_str()) == 0)
        fd = ::open(fresh.c_str(), flags, 0666);
    return fd;
}

bool writeAll(int fd, const std::string& content)
{
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written == 0)
            errno = ENOSPC;  // nothing taken: the disk is full
        if (written <= 0)
            return false;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// The rename itself reaches the disk once the folder is flushed.
void syncFolder(const std::string& file)
{
    const fs::path parent = fs::path(file).parent_path();
    const int fd = ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string resolvePath(const std::string& path)
{
    if (path.empty())
        return path;
    const fs::path input(path);
    std::vector<std::string> parts;
    for (const fs::path& part : input.relative_path())
        if (!part.empty())
            parts.push_back(part.string());
    return resolveFrom(input.root_path(), parts, 0, 0).path.string();
}

bool writeFileAtomically(const std::string& path, const std::string& content, std::string* reason)
{
    // Says why in words and in errno.
    const auto fail = [reason](int error, const char* why) {
        if (reason)
            *reason = why;
        errno = error;
        return false;
    };
    const std::string target = writeTarget(resolvePath(path));
    if (target.empty())
        return fail(ELOOP, "its symbolic links loop");
    struct stat old;
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode))
        return fail(EISDIR, "is a folder, not a file");
    if (replacing && !S_ISREG(old.st_mode))
        return fail(EISDIR, "is not a plain file");  // a device is never replaced by a file
    const std::string fresh = target + ".new";
    const int fd = createFresh(fresh);
    if (fd < 0)
        return fail(errno, std::strerror(errno));
    bool ok = writeAll(fd, content);
    if (ok && replacing)
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    ok = ok && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(fresh.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(fresh.c_str());
        const int cause = error != 0 ? error : EIO;
        return fail(cause, std::strerror(cause));
    }
    forgetFolderListings();
    syncFolder(target);
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
