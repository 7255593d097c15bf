// The program started where it cannot open its window says why in one line and ends with
// status 1: no abort, no core dump, no advice to reinstall it.
#include "app/startup_checks.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace gachapoko::test {
namespace {

struct Case {
    const char* name;
    std::map<std::string, std::string> environment;
    bool noDisplay;
};

TEST(MissingDisplay, IsCertainOnlyWithoutAnyDisplayOrChosenPlatform) {
    const Case cases[] = {
        {"nothing set", {}, true},
        {"both empty", {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}, true},
        {"X display", {{"DISPLAY", ":0"}}, false},
        {"Wayland display", {{"WAYLAND_DISPLAY", "wayland-0"}}, false},
        {"platform chosen", {{"QT_QPA_PLATFORM", "offscreen"}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto reason = missingDisplayReason([&](const char* name) {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? std::nullopt : std::optional(found->second);
        });
        EXPECT_EQ(reason.has_value(), c.noDisplay);
    }
}

struct ProgramRun {
    int status = -1;
    std::string output;
};

// Runs the program with only `environment`, capturing what it prints on either stream.
ProgramRun runProgram(const std::vector<std::string>& environment) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return {};
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        dup2(pipeFds[1], STDERR_FILENO);
        close(pipeFds[0]);
        std::vector<char*> variables;
        for (const std::string& variable : environment) {
            variables.push_back(const_cast<char*>(variable.c_str()));
        }
        variables.push_back(nullptr);
        char* const arguments[] = {const_cast<char*>(GACHAPOKO_EXECUTABLE), nullptr};
        execve(GACHAPOKO_EXECUTABLE, arguments, variables.data());
        _exit(127);
    }
    close(pipeFds[1]);
    ProgramRun run;
    std::array<char, 512> buffer{};
    ssize_t got = 0;
    while ((got = read(pipeFds[0], buffer.data(), buffer.size())) > 0) {
        run.output.append(buffer.data(), static_cast<std::size_t>(got));
    }
    close(pipeFds[0]);
    waitpid(pid, &run.status, 0);
    return run;
}

TEST(Startup, WithoutADisplayTheProgramSaysSoInOneLineAndEndsWithStatusOne) {
    const std::string home = "HOME=" + std::string(std::getenv("HOME") ? std::getenv("HOME") : "/");
    struct Program {
        const char* name;
        std::vector<std::string> environment;
        const char* cause;
    };
    const Program cases[] = {
        {"no display at all", {home, "PATH=/usr/bin:/bin"}, "no display to show the window on"},
        // A display number nobody serves: Qt's platform gives up, the program says why.
        {"a display nobody serves",
         {home, "PATH=/usr/bin:/bin", "DISPLAY=:65000"},
         "could not connect to display"},
    };
    for (const Program& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramRun run = runProgram(c.environment);
        ASSERT_TRUE(WIFEXITED(run.status)) << "ended by a signal; printed: " << run.output;
        EXPECT_EQ(WEXITSTATUS(run.status), 1);
        EXPECT_EQ(run.output.rfind("gachapoko: cannot open its window: ", 0), 0u) << run.output;
        EXPECT_NE(run.output.find(c.cause), std::string::npos) << run.output;
        EXPECT_EQ(run.output.find('\n'), run.output.size() - 1) << "more than one line:\n"
                                                                << run.output;
    }
}

} // namespace
} // namespace gachapoko::test
