// The online options of the command line: good values read, bad ones refused
// with what is allowed, other options left to the launch parser.
#include "net/NetOptions.h"

#include <gtest/gtest.h>

TEST(NetOptions, ReadWhatIsAllowedAndSayWhatIsNot)
{
    NetLaunch host;
    std::string error;
    EXPECT_EQ(readNetOption("--host", "7777", host, error), NetOptionRead::Read);
    EXPECT_EQ(readNetOption("--net-delay", "100", host, error), NetOptionRead::Read);
    EXPECT_EQ(readNetOption("--net-jitter", "0", host, error), NetOptionRead::Read);
    EXPECT_EQ(readNetOption("--net-loss", "5", host, error), NetOptionRead::Read);
    EXPECT_EQ(host.role, NetRole::Host);
    EXPECT_EQ(host.port, 7777);
    EXPECT_EQ(host.shim.delayMs, 100);
    EXPECT_EQ(host.shim.lossPercent, 5);
    EXPECT_EQ(readNetOption("--fight", "classic", host, error), NetOptionRead::NotOurs);
    NetLaunch join;
    EXPECT_EQ(readNetOption("--join", "127.0.0.1:7777", join, error), NetOptionRead::Read);
    EXPECT_EQ(join.address, "127.0.0.1");
    EXPECT_EQ(join.port, 7777);
    struct Case {
        const char* option;
        const char* value;
        const char* says;
    };
    const Case refused[] = {
        {"--host", "0", "1 to 65535"},          {"--host", "70000", "1 to 65535"},
        {"--host", "-5", "1 to 65535"},         {"--join", "127.0.0.1", "ADDRESS:PORT"},
        {"--join", ":7777", "ADDRESS:PORT"},    {"--join", "example.org:7777", "ADDRESS:PORT"},
        {"--join", "1.2.3.4:99999", "ADDRESS:PORT"}, {"--net-delay", "1001", "0 to 1000"},
        {"--net-jitter", "x", "0 to 500"},      {"--net-loss", "101", "0 to 100"},
        {"--host", "7778", "one of them, once"},
    };
    for (const Case& c : refused) {
        NetLaunch launch = join;
        error.clear();
        EXPECT_EQ(readNetOption(c.option, c.value, launch, error), NetOptionRead::Bad) << c.option << ' ' << c.value;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
    }
}
