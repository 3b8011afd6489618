#pragma once
// MiniDumper: the crash handler, installed first at engine start-up.
//
// On SIGSEGV, SIGBUS, SIGFPE, SIGILL or SIGABRT it writes a text crash report
// (the signal, the fault address and a symbolised backtrace) to the running
// executable's path followed by ".dmp", replacing an older report, prints one
// line about it to standard error and ends the process with status 128 + the
// signal number, so scripts and CI always see the failure. The handler runs on
// an alternate signal stack, so a stack overflow is reported too, and uses
// only async-signal-safe calls: the heap, stdio and the logs may be broken at
// the fault. Nothing of the normal shut-down runs after a fault.
//
// There is one process-wide instance. Tests install a derived dumper that
// writes its report elsewhere (BuildDumpPath) or adds its own text
// (UserStreams).

#include <limits.h>  // PATH_MAX
#include <signal.h>  // siginfo_t of the fault being handled

namespace Engine {

class MiniDumper {
public:
    static constexpr int kPathCapacity = PATH_MAX;

    MiniDumper();

    // dump_path = module_directory + module_name + ".dmp"; false when that
    // does not fit, so a truncated path is never written.
    virtual bool BuildDumpPath();
    // Extra text appended to the report, or null for none.
    virtual const char* UserStreams() const;
    virtual ~MiniDumper() = default;

    // Creates the process's dumper on the first call and installs the
    // handler; false (with a log line) when the platform refused it.
    static bool Install();
    // Installs dumper in place of the current one; it must live until exit.
    static bool Install(MiniDumper& dumper);
    // The installed dumper, or null before Install.
    static MiniDumper* Instance();

    // The crash-test action of the "crash" console command and of the
    // --crash-test option: a write through a null pointer, handled exactly as
    // a real fault. It does not return.
    static void CrashTest();

protected:
    const siginfo_t* exception_info = nullptr;  // the fault being handled
    char dump_path[kPathCapacity];
    char module_directory[kPathCapacity];  // with its trailing '/'
    char module_name[kPathCapacity];

private:
    // The signal handler: hands the fault to the installed dumper.
    static void HandleSignal(int signal_number, siginfo_t* info, void* context);
    // Writes the report and ends the process with 128 + signal_number.
    [[noreturn]] void DumpAndExit(int signal_number, const siginfo_t* info);
    // Fills module_directory and module_name from the running executable.
    void FindModule();
    // Writes the whole report to fd; false when a write failed.
    bool WriteReport(int fd, int signal_number) const;
    // Tells standard error that the report could not be saved, and why.
    void ReportSaveFailure(int error_code, int signal_number) const;
};

}  // namespace Engine
