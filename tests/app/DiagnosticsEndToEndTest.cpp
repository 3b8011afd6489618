// The real executable's diagnostics: the crash-test option ends the process
// through the crash handler, and every normal run writes the profile report.

#include <fcntl.h>     // open for the child's output file
#include <sys/wait.h>  // waitpid and the child's status
#include <unistd.h>    // fork, chdir, dup2, execv

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/cLaunchOptions.h"
#include "tests/support/TempDir.h"

namespace {

struct ChildResult {
    bool exited = false;  // ended by exit, not killed by a signal
    int status = -1;
};

class DiagnosticsEndToEndTest : public ::testing::Test {
protected:
    DiagnosticsEndToEndTest() {
        std::filesystem::create_directory_symlink(std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData",
                                                  dir.Path() / "GameData");
    }

    // Runs the game in the test folder without a shell between, so that an
    // exit with 139 and a death by SIGSEGV stay apart.
    ChildResult Run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), BRAMBLEBY_EXE);
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        const std::string output = dir.File("out.txt");

        const pid_t child = fork();
        if (child == 0) {
            const int fd = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || chdir(dir.Path().c_str()) != 0) _exit(126);
            dup2(fd, STDOUT_FILENO);
            dup2(fd, STDERR_FILENO);
            execv(argv[0], argv.data());
            _exit(127);
        }
        ChildResult result;
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child) return result;
        result.exited = WIFEXITED(status);
        result.status = result.exited ? WEXITSTATUS(status) : WTERMSIG(status);
        return result;
    }

    std::string Output() const { return TestSupport::ReadFile(dir.File("out.txt")); }

    TestSupport::TempDir dir;
};

TEST_F(DiagnosticsEndToEndTest, CrashTestExitsWith139AndLeavesTheReportBesideTheExecutable) {
    const std::string dump = std::string(BRAMBLEBY_EXE) + ".dmp";
    std::filesystem::remove(dump);

    const ChildResult result = Run({"--headless", "--crash-test"});
    EXPECT_TRUE(result.exited) << "killed by signal " << result.status << "\n" << Output();
    EXPECT_EQ(result.status, 139) << Output();
    EXPECT_NE(Output().find("Fatal signal 11 (SIGSEGV): crash report written to " + dump), std::string::npos)
        << Output();

    const std::string report = TestSupport::ReadFile(dump);
    std::filesystem::remove(dump);
    EXPECT_EQ(report.rfind("Crash report\nSignal: 11 (SIGSEGV)\nFault address: 0x0\nBacktrace:\n", 0), 0u) << report;
    EXPECT_NE(report.find("CrashTest"), std::string::npos) << report;
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "profileLog.log")) << "a crash runs no normal shut-down";
}

// The splash state samples no profile, so the report holds its fixed lines only.
TEST_F(DiagnosticsEndToEndTest, EveryRunWritesTheFixedLinesOfTheProfileReport) {
    const ChildResult result = Run({"--headless", "--state", "Splash", "--frames", "3"});
    ASSERT_TRUE(result.exited && result.status == 0) << Output();
    const std::string rule = std::string(64, '-') + "\n";
    EXPECT_EQ(TestSupport::ReadFile(dir.File("profileLog.log")),
              "Time per frame:\n" + rule + "  Ave(ms)  |  Min(ms)  |  Max(ms)  |  Profile Name\n" + rule + rule +
                  "\n\n\n");
}

TEST(LaunchOptionsCrashTest, IsOffUnlessAsked) {
    Game::cLaunchOptions plain;
    Game::cLaunchOptions asked;
    std::string error;
    ASSERT_TRUE(plain.Parse({"--headless"}, error)) << error;
    ASSERT_TRUE(asked.Parse({"--crash-test", "--headless"}, error)) << error;
    EXPECT_FALSE(plain.crash_test);
    EXPECT_TRUE(asked.crash_test);
    EXPECT_TRUE(asked.headless);
}

}  // namespace
