#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "runtime/process/detached_start.h"

namespace vortalis {
namespace {

// Runs in the forked children: only calls that are safe after fork.
[[noreturn]] void ReportAndExit(int reportFd, int error) {
    (void)!write(reportFd, &error, sizeof error);
    _exit(127);
}

// The caller's own input is no business of the program, and a program that
// reads it must not take what a terminal types to the shell that ran the caller.
void ReadFrom(int input) {
    const int source = input >= 0 ? input : open("/dev/null", O_RDONLY);
    if (source < 0) return;
    dup2(source, STDIN_FILENO);
    if (source != STDIN_FILENO) close(source);
}

// The grandchild becomes the program; a middle child that ends at once hands
// it to the system's reaper, so no zombie is left behind. The report pipe
// closes on a successful exec and carries errno otherwise.
[[noreturn]] void RunMiddleChild(int reportFd, int input, char* const* argv) {
    const pid_t program = fork();
    if (program < 0) ReportAndExit(reportFd, errno);
    if (program > 0) _exit(0);
    setsid();
    ReadFrom(input);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    execv(argv[0], argv);
    ReportAndExit(reportFd, errno);
}

std::error_code ReadReport(int reportFd) {
    int error = 0;
    ssize_t count;
    do {
        count = read(reportFd, &error, sizeof error);
    } while (count < 0 && errno == EINTR);
    if (count == static_cast<ssize_t>(sizeof error)) return {error, std::generic_category()};
    return {};
}

}  // namespace

std::error_code StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                              int input) {
    // Everything the children need is made before fork: they may not allocate.
    std::vector<std::string> texts{program};
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : texts) argv.push_back(text.data());
    argv.push_back(nullptr);

    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) return {errno, std::generic_category()};
    const pid_t middle = fork();
    if (middle < 0) {
        const int error = errno;
        close(report[0]);
        close(report[1]);
        return {error, std::generic_category()};
    }
    if (middle == 0) {
        close(report[0]);
        RunMiddleChild(report[1], input, argv.data());
    }
    close(report[1]);
    while (waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
    }
    const std::error_code error = ReadReport(report[0]);
    close(report[0]);
    return error;
}

}  // namespace vortalis
