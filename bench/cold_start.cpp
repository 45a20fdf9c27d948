#include "cold_start.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace vintrel::bench {
namespace {

double SecondsSinceEpoch(std::chrono::steady_clock::time_point point) {
    return std::chrono::duration<double>(point.time_since_epoch()).count();
}

// The caller's environment with the platform plugin chosen.
std::vector<std::string> ChildEnvironment(const std::string& platform) {
    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable)
        if (std::strncmp(*variable, "QT_QPA_PLATFORM=", 16) != 0) variables.emplace_back(*variable);
    variables.push_back("QT_QPA_PLATFORM=" + platform);
    return variables;
}

std::string ReadAll(int fd) {
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, std::size_t(n));
    return text;
}

}  // namespace

ColdStart RunColdStart(const std::string& program, const std::string& platform) {
    std::vector<std::string> variables = ChildEnvironment(platform);
    std::vector<char*> envp;
    for (std::string& variable : variables) envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::string name = program;
    char* argv[] = {name.data(), nullptr};

    int pipeFds[2];
    if (pipe(pipeFds) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    // The headless platform's notices would drown the report; a program
    // that fails says so by its exit status.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const auto spawned = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (failed) {
        close(pipeFds[0]);
        return {};
    }
    const std::string report = ReadAll(pipeFds[0]);
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    const auto exited = std::chrono::steady_clock::now();

    ColdStart result;
    long long mainNs = 0, paintedNs = 0;
    result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
                std::sscanf(report.c_str(), "vmhwm_kb=%ld main_ns=%lld painted_ns=%lld",
                            &result.peakResidentKb, &mainNs, &paintedNs) == 3;
    result.wallSeconds = std::chrono::duration<double>(exited - spawned).count();
    result.toMainSeconds = double(mainNs) * 1e-9 - SecondsSinceEpoch(spawned);
    result.toPaintSeconds = double(paintedNs) * 1e-9 - SecondsSinceEpoch(spawned);
    return result;
}

}  // namespace vintrel::bench
