#include "net/NetOptions.h"

#include <enet/enet.h>

const char* const netOptionsHelp =
    "  --host PORT              play online: wait for the other player on PORT (1-65535)\n"
    "  --join ADDRESS:PORT      play online: connect to the host at ADDRESS (numeric IPv4)\n"
    "  --net-delay MS           testing aid: hold back what this side sends (0-1000 ms)\n"
    "  --net-jitter MS          testing aid: vary that delay by up to MS (0-500 ms)\n"
    "  --net-loss PERCENT       testing aid: drop this share of the buttons sent (0-100)\n"
    "                           (the testing aid's options alone: online play from the menus uses them)\n";

namespace {

// A whole number from `low` to `high` written in plain digits.
bool number(const std::string& text, int low, int high, int& out)
{
    if (text.empty() || text.size() > 5)
        return false;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    out = value;
    return value >= low && value <= high;
}

NetOptionRead bad(std::string& error, const std::string& option, const std::string& value, const char* allowed)
{
    error = option + " \"" + value.substr(0, 40) + "\" is not allowed; " + allowed;
    return NetOptionRead::Bad;
}

bool setRole(NetLaunch& launch, NetRole role, std::string& error)
{
    if (launch.role != NetRole::None) {
        error = "--host and --join go alone: one of them, once";
        return false;
    }
    launch.role = role;
    return true;
}

}  // namespace

NetOptionRead readNetOption(const std::string& option, const std::string& value, NetLaunch& launch,
                            std::string& error)
{
    int n = 0;
    if (option == "--host") {
        if (!number(value, 1, 65535, n))
            return bad(error, option, value, "a port from 1 to 65535");
        if (!setRole(launch, NetRole::Host, error))
            return NetOptionRead::Bad;
        launch.port = static_cast<std::uint16_t>(n);
    } else if (option == "--join") {
        const std::size_t colon = value.rfind(':');
        ENetAddress parsed{};
        const std::string address = colon == std::string::npos ? "" : value.substr(0, colon);
        if (address.empty() || !number(value.substr(colon + 1), 1, 65535, n) ||
            enet_address_set_host_ip(&parsed, address.c_str()) != 0)
            return bad(error, option, value, "ADDRESS:PORT, as 192.168.1.20:7777");
        if (!setRole(launch, NetRole::Join, error))
            return NetOptionRead::Bad;
        launch.address = address;
        launch.port = static_cast<std::uint16_t>(n);
    } else if (option == "--net-delay") {
        if (!number(value, 0, maxShimDelayMs, launch.shim.delayMs))
            return bad(error, option, value, "0 to 1000 ms");
    } else if (option == "--net-jitter") {
        if (!number(value, 0, maxShimJitterMs, launch.shim.jitterMs))
            return bad(error, option, value, "0 to 500 ms");
    } else if (option == "--net-loss") {
        if (!number(value, 0, 100, launch.shim.lossPercent))
            return bad(error, option, value, "0 to 100 percent");
    } else {
        return NetOptionRead::NotOurs;
    }
    return NetOptionRead::Read;
}
