#include "engine/platform/MiniDumper.h"

#include <errno.h>     // errno of a failed open or write
#include <execinfo.h>  // backtrace, backtrace_symbols_fd
#include <fcntl.h>     // open
#include <unistd.h>    // readlink, write, close, _exit

#include <atomic>   // the handler reads the installed dumper without locks
#include <cstring>  // strerror for the installation's log line

#include "engine/core/cLog.h"
#include "engine/platform/cFixedText.h"

namespace Engine {
namespace {

// The signals that end the process through the crash handler.
struct SignalName {
    int number;
    const char* name;
};
const SignalName kHandledSignals[] = {
    {SIGSEGV, "SIGSEGV"}, {SIGBUS, "SIGBUS"}, {SIGFPE, "SIGFPE"}, {SIGILL, "SIGILL"}, {SIGABRT, "SIGABRT"},
};

const int kMaxFrames = 64;
const size_t kAltStackSize = 128 * 1024;
// The alternate stack lives in static storage: at a stack overflow the
// handler can run nowhere else, and there may be no heap to ask.
alignas(16) char alt_stack[kAltStackSize];

std::atomic<MiniDumper*> installed{nullptr};

const char* SignalNameOf(int signal_number) {
    for (const SignalName& entry : kHandledSignals) {
        if (entry.number == signal_number) return entry.name;
    }
    return "unknown signal";
}

// Writes the whole text, going on after partial writes; false on failure.
bool WriteAll(int fd, const char* text, size_t length) {
    while (length > 0) {
        const ssize_t written = write(fd, text, length);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        text += written;
        length -= static_cast<size_t>(written);
    }
    return true;
}

bool WriteText(int fd, const cFixedText& text) {
    return WriteAll(fd, text.Text(), text.Length());
}

bool WriteText(int fd, const char* text) {
    return WriteAll(fd, text, strlen(text));
}

bool InstallAltStack() {
    stack_t stack{};
    stack.ss_sp = alt_stack;
    stack.ss_size = kAltStackSize;
    stack.ss_flags = 0;
    return sigaltstack(&stack, nullptr) == 0;
}

}  // namespace

MiniDumper::MiniDumper() {
    dump_path[0] = '\0';
    module_directory[0] = '\0';
    module_name[0] = '\0';
}

bool MiniDumper::BuildDumpPath() {
    cFixedText path(dump_path, sizeof dump_path);
    path.Append(module_directory).Append(module_name).Append(".dmp");
    return !path.Truncated();
}

const char* MiniDumper::UserStreams() const {
    return nullptr;
}

bool MiniDumper::Install() {
    // Never destroyed: a fault during the exit handlers still finds it.
    static MiniDumper* const process_dumper = new MiniDumper();
    MiniDumper* const current = installed.load();
    return Install(current != nullptr ? *current : *process_dumper);
}

bool MiniDumper::Install(MiniDumper& dumper) {
    // The first backtrace loads the unwinder library, which allocates: do it
    // now rather than inside the handler.
    void* frame = nullptr;
    backtrace(&frame, 1);

    installed.store(&dumper);
    if (!InstallAltStack()) {
        LogError(std::string("cannot set the crash handler's signal stack: ") + std::strerror(errno));
        return false;
    }
    struct sigaction action {};
    action.sa_sigaction = &MiniDumper::HandleSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    // A second fault while the report is written ends the process at once.
    sigemptyset(&action.sa_mask);
    for (const SignalName& entry : kHandledSignals) sigaddset(&action.sa_mask, entry.number);
    for (const SignalName& entry : kHandledSignals) {
        if (sigaction(entry.number, &action, nullptr) != 0) {
            LogError(std::string("cannot install the crash handler for ") + entry.name + ": " +
                     std::strerror(errno));
            return false;
        }
    }
    return true;
}

MiniDumper* MiniDumper::Instance() {
    return installed.load();
}

// The fault is the point: the undefined-behaviour sanitizer must let it through to the handler.
__attribute__((no_sanitize("undefined"))) void MiniDumper::CrashTest() {
    // Volatile on both levels: the compiler may neither see the null (and put
    // a trap instruction, SIGILL, in place of the write) nor drop the write.
    volatile int* volatile target = nullptr;
    *target = 0;
}

void MiniDumper::HandleSignal(int signal_number, siginfo_t* info, void* /*context*/) {
    MiniDumper* const dumper = installed.load();
    if (dumper == nullptr) {
        // No dumper: the platform's default action follows once this returns.
        signal(signal_number, SIG_DFL);
        raise(signal_number);
        return;
    }
    dumper->DumpAndExit(signal_number, info);
}

void MiniDumper::DumpAndExit(int signal_number, const siginfo_t* info) {
    exception_info = info;
    FindModule();
    if (!BuildDumpPath()) {
        ReportSaveFailure(ENAMETOOLONG, signal_number);
        _exit(128 + signal_number);
    }
    const int fd = open(dump_path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        ReportSaveFailure(errno, signal_number);
        _exit(128 + signal_number);
    }
    const bool written = WriteReport(fd, signal_number);
    const int write_error = errno;
    const bool closed = close(fd) == 0;
    if (!written || !closed) {
        ReportSaveFailure(written ? errno : write_error, signal_number);
        _exit(128 + signal_number);
    }
    char line[kPathCapacity + 128];
    cFixedText message(line, sizeof line);
    message.Append("Fatal signal ").AppendDecimal(signal_number).Append(" (").Append(SignalNameOf(signal_number));
    message.Append("): crash report written to ").Append(dump_path).Append("\n");
    WriteText(STDERR_FILENO, message);
    _exit(128 + signal_number);
}

void MiniDumper::FindModule() {
    const ssize_t length = readlink("/proc/self/exe", module_directory, sizeof module_directory - 1);
    if (length <= 0 || length >= static_cast<ssize_t>(sizeof module_directory - 1)) {
        // Without the executable's whole path the report goes to the working directory.
        module_directory[0] = '\0';
        cFixedText(module_name, sizeof module_name).Append("crash");
        return;
    }
    module_directory[length] = '\0';
    ssize_t slash = length - 1;
    while (slash >= 0 && module_directory[slash] != '/') --slash;
    cFixedText(module_name, sizeof module_name).Append(module_directory + slash + 1);
    module_directory[slash + 1] = '\0';
}

bool MiniDumper::WriteReport(int fd, int signal_number) const {
    char buffer[256];
    cFixedText header(buffer, sizeof buffer);
    header.Append("Crash report\nSignal: ").AppendDecimal(signal_number).Append(" (");
    header.Append(SignalNameOf(signal_number)).Append(")\nFault address: ");
    if (exception_info == nullptr) {
        header.Append("unknown");
    } else if (exception_info->si_code <= 0) {
        // Sent by kill, raise or abort: there is no faulting address.
        header.Append("none (signal sent by process ").AppendDecimal(exception_info->si_pid).Append(")");
    } else {
        header.AppendHex(reinterpret_cast<uintptr_t>(exception_info->si_addr));
    }
    header.Append("\nBacktrace:\n");
    if (!WriteText(fd, header)) return false;

    void* frames[kMaxFrames];
    const int count = backtrace(frames, kMaxFrames);
    backtrace_symbols_fd(frames, count, fd);

    const char* extra = UserStreams();
    if (extra == nullptr) return true;
    return WriteText(fd, "\n") && WriteText(fd, extra) && WriteText(fd, "\n");
}

void MiniDumper::ReportSaveFailure(int error_code, int signal_number) const {
    char line[kPathCapacity + 128];
    cFixedText message(line, sizeof line);
    message.Append("Failed to save dump file to ").Append(dump_path).Append("(error ");
    message.AppendDecimal(error_code).Append(")\n");
    WriteText(STDERR_FILENO, message);
    // The report would be lost with the file: standard error keeps it.
    WriteReport(STDERR_FILENO, signal_number);
}

}  // namespace Engine
