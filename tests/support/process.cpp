// Programs started through QProcess in an environment of the test's choosing.
#include "tests/support/process.h"

#include <QStandardPaths>
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace gachapoko::test {

Process::Process(std::string program, std::vector<std::string> arguments, Environment environment)
    : m_program(std::move(program)), m_arguments(std::move(arguments)) {
    QProcessEnvironment variables;
    for (const auto& [name, value] : environment.variables()) {
        variables.insert(QString::fromStdString(name), QString::fromStdString(value));
    }
    m_process.setProcessEnvironment(variables);
    m_process.setStandardInputFile(QProcess::nullDevice());
    // The child starts with every signal at its default and none blocked, whatever the test
    // process set for itself.
    m_process.setChildProcessModifier([] {
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        for (int number = 1; number < NSIG; ++number) {
            std::signal(number, SIG_DFL);
        }
    });
}

Process::~Process() {
    end(500ms);
}

void Process::setWorkingDirectory(const std::filesystem::path& directory) {
    m_process.setWorkingDirectory(QString::fromStdString(directory.string()));
}

std::string Process::start() {
    // As given when it holds a slash, else the first executable of that name on the
    // environment's PATH.
    QString path = QString::fromStdString(m_program);
    if (!path.contains('/')) {
        const QString found = m_process.processEnvironment().value("PATH", "/usr/bin:/bin");
        path = QStandardPaths::findExecutable(path, found.split(':'));
    }
    if (path.isEmpty()) {
        return m_program + " is not installed (scripts/ensure-deps.sh installs what the tests use)";
    }
    QStringList arguments;
    for (const std::string& argument : m_arguments) {
        arguments << QString::fromStdString(argument);
    }
    m_process.start(path, arguments);
    m_started = m_process.waitForStarted(-1);
    return m_started ? ""
                     : "cannot start " + path.toStdString() + ": " +
                           m_process.errorString().toStdString();
}

bool Process::running() {
    // Collects what it printed meanwhile, and notices its end.
    if (m_process.state() != QProcess::NotRunning) {
        m_process.waitForFinished(0);
    }
    return m_process.state() != QProcess::NotRunning;
}

bool Process::waitForEnd(std::chrono::milliseconds timeout) {
    return !running() || m_process.waitForFinished(static_cast<int>(timeout.count()));
}

bool Process::waitUntil(const std::function<bool()>& ready, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!ready()) {
        if (!running() || std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        waitForEnd(10ms);
    }
    return true;
}

void Process::end(std::chrono::milliseconds grace) {
    if (running()) {
        m_process.terminate();
        if (!m_process.waitForFinished(static_cast<int>(grace.count()))) {
            m_process.kill();
            m_process.waitForFinished(-1);
        }
    }
}

const std::string& Process::standardOutput() {
    running();
    m_out += m_process.readAllStandardOutput().toStdString();
    return m_out;
}

const std::string& Process::standardError() {
    running();
    m_err += m_process.readAllStandardError().toStdString();
    return m_err;
}

Finished Process::finished() {
    const bool runs = running();
    Finished state{m_program,      runs ? "still running" : "", exited(),
                   exitCode(),     m_process.exitCode(),        standardOutput(),
                   standardError()};
    for (const std::string& argument : m_arguments) {
        state.commandLine += " " + argument;
    }
    return state;
}

std::string Finished::report() const {
    std::string text = commandLine + (!problem.empty() ? ": " + problem
                                      : exited ? " ended with status " + std::to_string(exitCode)
                                               : " ended by signal " + std::to_string(signal));
    for (const std::string* printed : {&out, &err}) {
        if (!printed->empty()) {
            text += "\n" + *printed;
        }
    }
    return text;
}

Finished run(const std::string& program, const std::vector<std::string>& arguments,
             const Environment& environment, std::chrono::milliseconds timeout) {
    Process process(program, arguments, environment);
    std::string problem = process.start();
    if (problem.empty() && !process.waitForEnd(timeout)) {
        process.end(500ms);
        problem = "still running after " + std::to_string(timeout.count()) + " ms";
    }
    Finished finished = process.finished();
    finished.problem = problem;
    return finished;
}

std::set<pid_t> childProcesses() {
    std::set<pid_t> children;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", ignored)) {
        // The parent process id: the fourth field of /proc/PID/stat, after the name in
        // parentheses. Entries other than processes' have no such file.
        std::ifstream file(entry.path() / "stat");
        std::string stat;
        std::getline(file, stat);
        char state = 0;
        pid_t parent = -1;
        std::istringstream(stat.substr(stat.rfind(')') + 1)) >> state >> parent;
        if (parent == getpid()) {
            children.insert(std::stoi(entry.path().filename().string()));
        }
    }
    return children;
}

std::vector<std::string> endLeftovers(const std::set<pid_t>& known) {
    std::vector<std::string> left;
    for (const pid_t pid : childProcesses()) {
        if (known.count(pid) != 0) {
            continue;
        }
        std::ifstream file("/proc/" + std::to_string(pid) + "/cmdline");
        std::string command((std::istreambuf_iterator<char>(file)), {});
        std::replace(command.begin(), command.end(), '\0', ' ');
        left.push_back(std::to_string(pid) + ": " +
                       (command.empty() ? "(ended, not yet reaped)" : command));
        // Asks it to end, kills it after two seconds, and reaps it.
        kill(pid, SIGTERM);
        const auto deadline = std::chrono::steady_clock::now() + 2s;
        while (waitpid(pid, nullptr, WNOHANG) != pid) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(pid, SIGKILL);
                waitpid(pid, nullptr, 0);
                break;
            }
            usleep(5000);
        }
    }
    return left;
}

} // namespace gachapoko::test
