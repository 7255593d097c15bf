// Programs and tools run by the tests: the real game, the font probe, validators, dpkg, Xvfb,
// D-Bus daemons. Each runs in an environment of the test's choosing, its output kept apart, with
// a time limit; and the test process adopts whatever its children leave running (the test main
// makes it their subreaper), so that a test can see, name and end it.
#pragma once

#include "tests/support/environment.h"

#include <QProcess>
#include <chrono>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <sys/types.h>
#include <vector>

namespace gachapoko::test {

using namespace std::chrono_literals;

// What a program printed and how it ended.
struct Finished {
    std::string commandLine;
    // Why it did not start, did not end in time or (from Process::finished) still runs; empty
    // when it ended.
    std::string problem;
    bool exited = false;
    int exitCode = -1;
    int signal = 0; // the one that ended it, when it did not exit
    std::string out;
    std::string err;

    bool succeeded() const { return problem.empty() && exited && exitCode == 0; }
    std::string report() const;
};

class Process {
public:
    // `program` is found on the environment's PATH unless it holds a slash.
    Process(std::string program, std::vector<std::string> arguments, Environment environment);
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    // Ends the program if it still runs.
    ~Process();

    void setWorkingDirectory(const std::filesystem::path& directory);
    // Sends what it prints there to /dev/null: for servers that go on printing long after the
    // test last looks.
    void discardStandardOutput() { m_process.setStandardOutputFile(QProcess::nullDevice()); }
    void discardStandardError() { m_process.setStandardErrorFile(QProcess::nullDevice()); }

    // Starts the program; an empty string, or why it could not be started.
    std::string start();
    pid_t pid() const { return static_cast<pid_t>(m_process.processId()); }

    // Whether it still runs, collecting what it printed meanwhile.
    bool running();
    // Waits up to `timeout` for it to end by itself.
    bool waitForEnd(std::chrono::milliseconds timeout);
    // Waits up to `timeout` until `ready` holds, asking again every 10 ms; false when time runs
    // out or the program ends first.
    bool waitUntil(const std::function<bool()>& ready, std::chrono::milliseconds timeout);
    // Asks it to end (SIGTERM), kills it if it is still there after `grace`, and reaps it.
    void end(std::chrono::milliseconds grace = 2s);

    // How it ended: by exit with a status, or by a signal.
    bool exited() const {
        return m_started && m_process.state() == QProcess::NotRunning &&
               m_process.exitStatus() == QProcess::NormalExit;
    }
    int exitCode() const { return exited() ? m_process.exitCode() : -1; }

    // What it printed until now.
    const std::string& standardOutput();
    const std::string& standardError();

    // What it printed and how it ended, or the problem that it still runs.
    Finished finished();
    // The command line, how it ended (or that it still runs) and everything it printed, for a
    // failure message.
    std::string report() { return finished().report(); }

private:
    std::string m_program;
    std::vector<std::string> m_arguments;
    QProcess m_process;
    bool m_started = false;
    std::string m_out;
    std::string m_err;
};

// A program run to its end within `timeout` (ended if it takes longer).
Finished run(const std::string& program, const std::vector<std::string>& arguments,
             const Environment& environment, std::chrono::milliseconds timeout = 60s);

// The processes still running (or not yet reaped) whose parent is this test process: those it
// started and those it adopted.
std::set<pid_t> childProcesses();
// Ends and reaps every child not in `known`, after the programs under test have ended, and
// gives each one's command line.
std::vector<std::string> endLeftovers(const std::set<pid_t>& known);

} // namespace gachapoko::test
