// Two real game processes on this machine's loopback, no window: a host and a
// joiner play one match through the packet shim's delay, jitter and loss and
// print the same result; a joiner killed mid-match is noticed within 6 s.
// Every wait is bounded but generous, and waits for what the processes say
// rather than for a fixed time, so that a loaded machine only makes it slower.
#include "support/Headless.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <optional>
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

constexpr std::chrono::seconds startLimit(90);   // a process loading on a busy machine
constexpr std::chrono::seconds matchLimit(420);  // a whole kill race at a quarter of its pace

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

// Waits until something holds `port` on UDP (the host listens), at most `limit`.
bool portTaken(int port, std::chrono::seconds limit)
{
    for (const Clock::time_point giveUp = Clock::now() + limit; Clock::now() < giveUp;) {
        const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        const bool taken = ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0;
        ::close(s);
        if (taken)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
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

// Waits until the file at `path` holds `text`, at most `limit`; when it came.
std::optional<Clock::time_point> whenSaid(const std::string& path, const std::string& text, std::chrono::seconds limit)
{
    for (const Clock::time_point giveUp = Clock::now() + limit; Clock::now() < giveUp;) {
        if (fileText(path).find(text) != std::string::npos)
            return Clock::now();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
}

int exitCode(const Side& side)
{
    return WIFEXITED(side.status) ? WEXITSTATUS(side.status) : -1;
}

const std::string matchBegins = "kestrelfall: connected; the match begins\n";

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
    EXPECT_TRUE(portTaken(std::stoi(port), startLimit)) << fileText(host.err);
    Side joiner = launch("joiner", with({"--join", "127.0.0.1:" + port, "--headless", "--cpu1", "hard"}, shim));
    waitFor({&host, &joiner}, startLimit + matchLimit);
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
    EXPECT_TRUE(portTaken(std::stoi(port), startLimit)) << fileText(host.err);
    Side joiner = launch("joiner", {"--join", "127.0.0.1:" + port, "--headless", "--cpu1", "normal"});
    const bool playing = whenSaid(host.err, matchBegins, startLimit) && whenSaid(joiner.err, matchBegins, startLimit);
    std::this_thread::sleep_for(std::chrono::seconds(1));
    ::kill(joiner.pid, SIGKILL);
    const Clock::time_point killedAt = Clock::now();
    ASSERT_TRUE(playing) << fileText(host.err) << fileText(joiner.err);
    const std::string stopped = "kestrelfall: the other player stopped answering (nothing heard for 5 s)\n";
    const std::optional<Clock::time_point> told = whenSaid(host.err, stopped, std::chrono::seconds(30));
    waitFor({&host, &joiner}, std::chrono::seconds(30));
    ASSERT_TRUE(told) << fileText(host.err);
    EXPECT_LT(*told - killedAt, std::chrono::seconds(6));
    EXPECT_EQ(exitCode(host), 1);
    EXPECT_EQ(fileText(host.err), matchBegins + stopped);
    EXPECT_EQ(fileText(host.out), "");
}
