#include "launch/ReplayLaunch.h"

namespace {

constexpr std::size_t longestPath = 4096;  // bytes of a replay's path

ReplayLaunch bad(const std::string& error)
{
    ReplayLaunch launch;
    launch.kind = ReplayLaunchKind::Bad;
    launch.error = "kestrelfall: " + error;
    return launch;
}

}  // namespace

ReplayLaunch parseReplayLaunch(const std::vector<std::string>& args)
{
    ReplayLaunch launch;
    if (args.empty() || (args[0] != "--replay" && args[0] != "--check-replay"))
        return launch;
    const std::string& option = args[0];
    if (args.size() != 2)
        return bad(option + " takes one replay file and no other option");
    if (args[1].empty() || args[1].size() > longestPath || args[1].find('\0') != std::string::npos)
        return bad(option + " needs the path of a replay file");
    launch.kind = option == "--replay" ? ReplayLaunchKind::Watch : ReplayLaunchKind::Check;
    launch.path = args[1];
    return launch;
}
