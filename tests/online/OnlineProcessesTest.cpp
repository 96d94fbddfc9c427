// Two real game processes on this machine's loopback, no window: a host and a
// joiner play one match through the packet shim's delay, jitter and loss and
// print the same result; a joiner killed mid-match is noticed within 6 s.
#include "support/Headless.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// A UDP port on 127.0.0.1 free a moment ago.
int freePort()
{
    const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(s);
    return ntohs(address.sin_port);
}

struct Side {
    pid_t pid = -1;
    std::string out, err;  // files in the run folder
    int status = -1;
    Clock::time_point endedAt;
};

// The program with `options`, its output into files named after `name`.
Side launch(const std::string& name, const std::vector<std::string>& options)
{
    Side side{-1, name + ".out", name + ".err"};
    side.pid = ::fork();
    if (side.pid == 0) {
        ::dup2(::open(side.out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDOUT_FILENO);
        ::dup2(::open(side.err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDERR_FILENO);
        std::vector<char*> argv{const_cast<char*>(KESTRELFALL_PROGRAM)};
        for (const std::string& option : options)
            argv.push_back(const_cast<char*>(option.c_str()));
        argv.push_back(nullptr);
        ::execv(KESTRELFALL_PROGRAM, argv.data());
        ::_exit(127);
    }
    return side;
}

// Waits for every side to end, at most `limit`; a side still running then is killed (and fails).
void waitFor(std::vector<Side*> sides, std::chrono::seconds limit)
{
    const Clock::time_point giveUp = Clock::now() + limit;
    for (bool running = true; running && Clock::now() < giveUp;) {
        running = false;
        for (Side* side : sides) {
            if (side->status == -1 && ::waitpid(side->pid, &side->status, WNOHANG) == side->pid)
                side->endedAt = Clock::now();
            running = running || side->status == -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    for (Side* side : sides)
        if (side->status == -1) {
            ::kill(side->pid, SIGKILL);
            ::waitpid(side->pid, nullptr, 0);
            ADD_FAILURE() << side->out << " did not end in time";
        }
}

std::string fileText(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

int exitCode(const Side& side)
{
    return WIFEXITED(side.status) ? WEXITSTATUS(side.status) : -1;
}

const std::vector<std::string> shim = {"--net-delay", "30", "--net-jitter", "10", "--net-loss", "5"};

std::vector<std::string> with(std::vector<std::string> options, const std::vector<std::string>& more)
{
    options.insert(options.end(), more.begin(), more.end());
    return options;
}

}  // namespace

TEST(OnlineProcesses, AHostAndAJoinerPlayOneMatchToTheSameResultThroughDelayJitterAndLoss)
{
    enterFreshRunFolder();
    const std::string port = std::to_string(freePort());
    Side host = launch("host", with({"--fight", "caa", "--seed", "11", "--host", port, "--headless", "--cpu1", "hard"}, shim));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Side joiner = launch("joiner", with({"--join", "127.0.0.1:" + port, "--headless", "--cpu1", "hard"}, shim));
    waitFor({&host, &joiner}, std::chrono::seconds(240));
    const std::string line = fileText(host.out);
    EXPECT_EQ(exitCode(host), 0) << fileText(host.err);
    EXPECT_EQ(exitCode(joiner), 0) << fileText(joiner.err);
    EXPECT_TRUE(std::regex_match(line, std::regex("winner (P1|P2|both) time [0-9]+\\.[0-9]{2} checksum [0-9a-f]{16}\n")))
        << line;
    EXPECT_EQ(fileText(joiner.out), line);
}

TEST(OnlineProcesses, AJoinerKilledMidMatchLeavesTheHostWithAMessageWithinSixSeconds)
{
    enterFreshRunFolder();
    const std::string port = std::to_string(freePort());
    Side host = launch("host", {"--fight", "classic", "--host", port, "--headless", "--cpu1", "normal"});
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Side joiner = launch("joiner", {"--join", "127.0.0.1:" + port, "--headless", "--cpu1", "normal"});
    std::this_thread::sleep_for(std::chrono::seconds(4));
    ASSERT_EQ(::waitpid(host.pid, nullptr, WNOHANG), 0) << "the host ended early: " << fileText(host.err);
    ::kill(joiner.pid, SIGKILL);
    const Clock::time_point killedAt = Clock::now();
    waitFor({&host, &joiner}, std::chrono::seconds(20));
    EXPECT_EQ(exitCode(host), 1);
    EXPECT_LT(host.endedAt - killedAt, std::chrono::seconds(6));
    EXPECT_EQ(fileText(host.err), "kestrelfall: the other player stopped answering (nothing heard for 5 s)\n");
    EXPECT_EQ(fileText(host.out), "");
}
