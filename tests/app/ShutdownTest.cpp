#include "fighters/Bindings.h"
#include "support/Headless.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

// The real program, run on a copy of the run folder, ended by a signal as a
// terminal or a log-out ends it: it must save like a closed window does.

namespace {

constexpr auto settleTime = std::chrono::seconds(3);  // loaded and running frames
constexpr int exitWaitTenths = 150;                   // 15 s for the save and the exit

pid_t startProgram(const std::string& folder)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(folder.c_str()) != 0)
            ::_exit(126);
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, STDOUT_FILENO);
        ::dup2(quiet, STDERR_FILENO);
        ::execl(KESTRELFALL_PROGRAM, KESTRELFALL_PROGRAM, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return child;
}

// The exit status, or -1 when the program did not end in time (it is then killed).
int waitForExit(pid_t child)
{
    for (int i = 0; i < exitWaitTenths; ++i) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return -1;
}

bool anyTemporaryLeft(const std::string& folder)
{
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
        if (entry.path().extension() == ".new")
            return true;
    return false;
}

}  // namespace

TEST(Shutdown, TermAndInterruptSaveSettingsAndBindingsAndExitCleanly)
{
    for (int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal);
        const std::string folder = enterFreshRunFolder();
        // Windowed, odd volumes, written long ago; no bindings file at all.
        const std::string settings = "0\n0.25\n0.75\n";
        writeTestFile("Assets/settings/gamesettings.txt", settings);
        const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365);
        fs::last_write_time("Assets/settings/gamesettings.txt", longAgo);
        fs::remove("Assets/settings/Binds.txt");

        const pid_t child = startProgram(folder);
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(settleTime);
        ::kill(child, signal);
        EXPECT_EQ(waitForExit(child), 0);

        EXPECT_EQ(readTestFile("Assets/settings/gamesettings.txt"), settings);
        EXPECT_GT(fs::last_write_time("Assets/settings/gamesettings.txt"), longAgo);
        EXPECT_EQ(readTestFile("Assets/settings/binds.txt"), bindingsText(defaultBindings(0), defaultBindings(1)));
        EXPECT_FALSE(anyTemporaryLeft(folder));
    }
}
