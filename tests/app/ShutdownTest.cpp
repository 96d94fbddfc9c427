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

// The real program on a copy of the run folder, ended by a signal as a
// terminal or a log-out ends it, saves as a closed window does; ended while
// still loading, it leaves the player's keys as they were.
TEST(Shutdown, TermAndInterruptSaveSettingsAndBindingsAndExitCleanly)
{
    struct Case {
        int signal;
        std::chrono::milliseconds after;
    };
    for (const Case c : {Case{SIGTERM, std::chrono::milliseconds(3000)}, Case{SIGINT, std::chrono::milliseconds(3000)},
                         Case{SIGTERM, std::chrono::milliseconds(150)}}) {
        const int signal = c.signal;
        const bool loaded = c.after.count() >= 3000;
        SCOPED_TRACE(testing::Message() << signal << " after " << c.after.count() << " ms");
        const std::string folder = enterFreshRunFolder();
        const std::string settings = "0\n0.25\n0.75\n";  // windowed, odd volumes, written long ago
        const std::string settingsFile = "Assets/settings/gamesettings.txt";
        writeTestFile(settingsFile, settings);
        const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365);
        fs::last_write_time(settingsFile, longAgo);
        fs::remove("Assets/settings/Binds.txt");
        // The players' keys swapped: not what a game that never read them would write.
        const std::string keys = bindingsText(defaultBindings(1), defaultBindings(0));
        writeTestFile("Assets/settings/binds.txt", keys);

        const pid_t child = ::fork();
        if (child == 0) {
            const int quiet = ::open("/dev/null", O_WRONLY);
            ::dup2(quiet, STDOUT_FILENO);
            ::dup2(quiet, STDERR_FILENO);
            ::execl(KESTRELFALL_PROGRAM, KESTRELFALL_PROGRAM, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(c.after);  // loaded and running frames, or still loading
        ::kill(child, signal);
        int status = -1;
        for (int tenth = 0; tenth < 150 && ::waitpid(child, &status, WNOHANG) != child; ++tenth)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (::waitpid(child, nullptr, WNOHANG) == 0) {
            ::kill(child, SIGKILL);  // hung: fail, but leave no process behind
            ::waitpid(child, nullptr, 0);
        }
        // So early that the handlers are not in yet, the signal ends it as it ends any program.
        const bool endedEarly = !loaded && WIFSIGNALED(status) && WTERMSIG(status) == signal;
        EXPECT_TRUE((WIFEXITED(status) && WEXITSTATUS(status) == 0) || endedEarly) << "status " << status;

        EXPECT_EQ(readTestFile("Assets/settings/binds.txt"), keys);
        if (loaded) {
            EXPECT_EQ(readTestFile(settingsFile), settings);
            EXPECT_GT(fs::last_write_time(settingsFile), longAgo);
        }
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
            EXPECT_NE(entry.path().extension(), ".new") << entry.path();
    }
}
