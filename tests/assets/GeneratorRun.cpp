#include "assets/GeneratorRun.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace fs = std::filesystem;

int runAssetGenerator(const std::string& runDir, const std::string& groups)
{
    const fs::path generator = fs::read_symlink("/proc/self/exe").parent_path() / "tools/assetgen/assetgen";
    const std::string command = "'" + generator.string() + "' '" KESTRELFALL_SOURCE_DIR "/data' '" + runDir + "' " +
                                groups + " >/dev/null";
    const int status = std::system(command.c_str());
    return status == -1 ? -1 : WEXITSTATUS(status);
}

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
