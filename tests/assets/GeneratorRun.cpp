#include "assets/GeneratorRun.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace fs = std::filesystem;

GeneratorRun runAssetGenerator(const std::string& runDir, const std::string& groups, const std::string& environment)
{
    const fs::path generator = fs::read_symlink("/proc/self/exe").parent_path() / "tools/assetgen/assetgen";
    const std::string log = runDir + ".log";
    const std::string command = environment + " '" + generator.string() + "' '" KESTRELFALL_SOURCE_DIR "/data' '" +
                                runDir + "' " + groups + " >'" + log + "' 2>&1";
    GeneratorRun run;
    const int status = std::system(command.c_str());
    run.status = status == -1 ? -1 : WEXITSTATUS(status);
    run.output = fileBytes(log);
    return run;
}

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
