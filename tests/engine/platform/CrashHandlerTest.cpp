// The crash handler in forked children (death tests), so the test process
// itself never crashes: every kind of fault leaves a readable report with the
// signal and a backtrace, prints its line, and ends with 128 + the signal.

#include <sys/resource.h>  // setrlimit: a bounded stack for the overflow

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>     // std::abort
#include <filesystem>  // the test program's own path
#include <string>

#include "engine/platform/MiniDumper.h"
#include "engine/platform/cFixedText.h"
#include "tests/support/TempDir.h"

// The faults are outside the anonymous namespace so that their names are in
// the program's symbol table and appear in the backtrace.
volatile bool keep_recursing = true;
volatile int dividend = 1;
volatile int divisor = 0;
volatile int quotient = 0;

__attribute__((noinline)) int CrashByStackOverflow(int depth) {
    volatile char frame[1024];
    frame[0] = static_cast<char>(depth);
    if (!keep_recursing) return depth;
    return CrashByStackOverflow(depth + 1) + frame[0];
}

__attribute__((noinline)) void CrashByAbort() {
    std::abort();
}

// Reaches the handler as SIGFPE, also under the undefined-behaviour sanitizer.
__attribute__((noinline, no_sanitize("undefined"))) void CrashByDivisionByZero() {
    quotient = dividend / divisor;
}

__attribute__((noinline)) void CrashByTrap() {
    __builtin_trap();
}

namespace {

// With an unlimited stack the recursion would eat memory instead of faulting.
void OverflowABoundedStack() {
    const rlimit limit{8 * 1024 * 1024, 8 * 1024 * 1024};
    setrlimit(RLIMIT_STACK, &limit);
    CrashByStackOverflow(0);
}

// A dumper that writes its report to a path the test chose and adds a line
// of its own to the report.
class TestDumper : public Engine::MiniDumper {
public:
    explicit TestDumper(std::string path_) : path(std::move(path_)) {}
    bool BuildDumpPath() override {
        Engine::cFixedText text(dump_path, sizeof dump_path);
        text.Append(path.c_str());
        return !text.Truncated();
    }
    const char* UserStreams() const override { return "test stream: present"; }

private:
    std::string path;
};

struct FaultCase {
    const char* label;
    void (*crash)();
    int signal_number;
    const char* signal_name;
    const char* function;  // a name the backtrace must show
    const char* address;   // what the report gives as the fault address
};

const FaultCase kFaults[] = {
    {"NullWrite", [] { Engine::MiniDumper::CrashTest(); }, SIGSEGV, "SIGSEGV", "CrashTest", "Fault address: 0x0\n"},
    {"StackOverflow", [] { OverflowABoundedStack(); }, SIGSEGV, "SIGSEGV", "CrashByStackOverflow", "Fault address: 0x"},
    // The return address after a call that never returns can lie in the next
    // function, so this case looks for abort itself.
    {"Abort", [] { CrashByAbort(); }, SIGABRT, "SIGABRT", "(abort+",
     "Fault address: none (signal sent by process "},
    {"DivisionByZero", [] { CrashByDivisionByZero(); }, SIGFPE, "SIGFPE", "CrashByDivisionByZero",
     "Fault address: 0x"},
    {"Trap", [] { CrashByTrap(); }, SIGILL, "SIGILL", "CrashByTrap", "Fault address: 0x"},
};

class CrashHandlerTest : public ::testing::TestWithParam<FaultCase> {
protected:
    std::string Report() const { return TestSupport::ReadFile(dump); }

    TestSupport::TempDir dir;
    const std::string dump = dir.File("crash.dmp");
};

TEST_P(CrashHandlerTest, WritesTheReportPrintsTheLineAndExitsWith128PlusTheSignal) {
    const FaultCase& fault = GetParam();
    dir.Write("crash.dmp", std::string(10000, 'x'));  // an older report is replaced
    const std::string line = std::string("Fatal signal ") + std::to_string(fault.signal_number) + " \\(" +
                             fault.signal_name + "\\): crash report written to .*crash\\.dmp";

    EXPECT_EXIT(
        {
            static TestDumper dumper(dump);
            if (!Engine::MiniDumper::Install(dumper)) std::_Exit(1);
            fault.crash();
        },
        ::testing::ExitedWithCode(128 + fault.signal_number), line);

    const std::string report = Report();
    ASSERT_EQ(report.find("xxx"), std::string::npos) << "the old report was not replaced";
    const std::string signal_line =
        std::string("Signal: ") + std::to_string(fault.signal_number) + " (" + fault.signal_name + ")\n";
    EXPECT_EQ(report.rfind("Crash report\n" + signal_line, 0), 0u) << report;
    EXPECT_NE(report.find(fault.address), std::string::npos) << report;
    EXPECT_NE(report.find("Backtrace:\n"), std::string::npos) << report;
    EXPECT_NE(report.find(fault.function), std::string::npos) << report;
    EXPECT_NE(report.find("test stream: present"), std::string::npos) << report;
}

INSTANTIATE_TEST_SUITE_P(Faults, CrashHandlerTest, ::testing::ValuesIn(kFaults),
                         [](const ::testing::TestParamInfo<FaultCase>& info) { return info.param.label; });

TEST(CrashHandler, TheProcessDumperWritesBesideTheExecutable) {
    const std::string dump = std::filesystem::read_symlink("/proc/self/exe").string() + ".dmp";
    std::filesystem::remove(dump);

    EXPECT_EXIT(
        {
            if (!Engine::MiniDumper::Install()) std::_Exit(1);
            Engine::MiniDumper::CrashTest();
        },
        ::testing::ExitedWithCode(128 + SIGSEGV), "crash report written to .*test_engine_platform\\.dmp");

    const std::string report = TestSupport::ReadFile(dump);
    std::filesystem::remove(dump);
    EXPECT_EQ(report.rfind("Crash report\nSignal: 11 (SIGSEGV)\n", 0), 0u) << report;
}

TEST(CrashHandler, AReportThatCannotBeSavedGoesToStandardErrorAndStillEndsTheProcess) {
    TestSupport::TempDir dir;
    const std::string dump = dir.File("missing/crash.dmp");

    EXPECT_EXIT(
        {
            static TestDumper dumper(dump);
            if (!Engine::MiniDumper::Install(dumper)) std::_Exit(1);
            Engine::MiniDumper::CrashTest();
        },
        ::testing::ExitedWithCode(128 + SIGSEGV),
        "Failed to save dump file to .*missing/crash\\.dmp\\(error 2\\)\nCrash report\nSignal: 11 \\(SIGSEGV\\)");
}

TEST(CrashHandler, InstallingAgainKeepsTheInstalledDumper) {
    // In a child too: the test process keeps its own signal handling.
    EXPECT_EXIT(
        {
            static TestDumper dumper("unused.dmp");
            const bool installed = Engine::MiniDumper::Install(dumper) && Engine::MiniDumper::Install();
            std::_Exit(installed && Engine::MiniDumper::Instance() == &dumper ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
