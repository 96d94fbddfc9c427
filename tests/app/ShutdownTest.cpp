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
// terminal or a log-out ends it, saves as a closed window does.
TEST(Shutdown, TermAndInterruptSaveSettingsAndBindingsAndExitCleanly)
{
    for (int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal);
        const std::string folder = enterFreshRunFolder();
        const std::string settings = "0\n0.25\n0.75\n";  // windowed, odd volumes, written long ago
        const std::string settingsFile = "Assets/settings/gamesettings.txt";
        writeTestFile(settingsFile, settings);
        const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365);
        fs::last_write_time(settingsFile, longAgo);
        fs::remove("Assets/settings/Binds.txt");

        const pid_t child = ::fork();
        if (child == 0) {
            const int quiet = ::open("/dev/null", O_WRONLY);
            ::dup2(quiet, STDOUT_FILENO);
            ::dup2(quiet, STDERR_FILENO);
            ::execl(KESTRELFALL_PROGRAM, KESTRELFALL_PROGRAM, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::seconds(3));  // loaded and running frames
        ::kill(child, signal);
        int status = -1;
        for (int tenth = 0; tenth < 150 && ::waitpid(child, &status, WNOHANG) != child; ++tenth)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (::waitpid(child, nullptr, WNOHANG) == 0) {
            ::kill(child, SIGKILL);  // hung: fail, but leave no process behind
            ::waitpid(child, nullptr, 0);
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;

        EXPECT_EQ(readTestFile(settingsFile), settings);
        EXPECT_GT(fs::last_write_time(settingsFile), longAgo);
        EXPECT_EQ(readTestFile("Assets/settings/binds.txt"), bindingsText(defaultBindings(0), defaultBindings(1)));
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
            EXPECT_NE(entry.path().extension(), ".new") << entry.path();
    }
}
