// Programs started with posix_spawn in an environment of the test's choosing.
#include "tests/support/process.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace gachapoko::test {

namespace {

using Clock = std::chrono::steady_clock;

// The program's path: as given when it holds a slash, else the first executable of that name
// on the environment's PATH.
std::string locate(const std::string& program, const Environment& environment) {
    if (program.find('/') != std::string::npos) {
        return program;
    }
    std::istringstream path(environment.get("PATH").value_or("/usr/bin:/bin"));
    for (std::string dir; std::getline(path, dir, ':');) {
        const std::string candidate = (dir.empty() ? "." : dir) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

std::string commandLine(const std::string& program, const std::vector<std::string>& arguments) {
    std::string line = program;
    for (const std::string& argument : arguments) {
        line += " " + argument;
    }
    return line;
}

// `text` followed by what a program printed, each on lines of its own: for a failure message.
std::string withOutput(std::string text, const std::string& out, const std::string& err) {
    for (const std::string* printed : {&out, &err}) {
        if (!printed->empty()) {
            text += "\n" + *printed;
        }
    }
    return text;
}

// Reads what `fd` has without waiting; false once the other end is closed and all is read.
bool drain(int fd, std::string& into) {
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got > 0) {
            into.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0) {
            return false;
        } else {
            return errno == EAGAIN || errno == EINTR;
        }
    }
}

// The parent process id from /proc/PID/stat: the fourth field, after the name in parentheses.
pid_t parentOf(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const auto nameEnd = line.rfind(')');
    if (nameEnd == std::string::npos) {
        return -1;
    }
    std::istringstream fields(line.substr(nameEnd + 1));
    char state = 0;
    pid_t parent = -1;
    fields >> state >> parent;
    return parent;
}

std::string commandLineOf(pid_t pid) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/cmdline");
    std::string command((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    for (char& c : command) {
        c = c == '\0' ? ' ' : c;
    }
    return std::to_string(pid) + ": " + (command.empty() ? "(ended, not yet reaped)" : command);
}

// Asks `pid` to end, kills it after `grace`, and reaps it.
void endAndReap(pid_t pid, std::chrono::milliseconds grace, int* status) {
    kill(pid, SIGTERM);
    const auto deadline = Clock::now() + grace;
    while (Clock::now() < deadline) {
        if (waitpid(pid, status, WNOHANG) == pid) {
            return;
        }
        usleep(5000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, status, 0);
}

} // namespace

Process::Process(std::string program, std::vector<std::string> arguments, Environment environment)
    : m_program(std::move(program)), m_arguments(std::move(arguments)),
      m_environment(std::move(environment)) {}

Process::~Process() {
    if (m_pid > 0) {
        end(500ms);
    }
    for (const int fd : {m_out, m_err}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

void Process::setWorkingDirectory(const std::filesystem::path& directory) {
    m_workingDirectory = directory;
}

std::string Process::start() {
    const std::string path = locate(m_program, m_environment);
    if (path.empty()) {
        return m_program + " is not installed (scripts/ensure-deps.sh installs what the tests use)";
    }
    int out[2];
    int err[2];
    if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) {
        return std::string("cannot make a pipe: ") + std::strerror(errno);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (m_keepOut) {
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    if (m_keepErr) {
        posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }
    if (!m_workingDirectory.empty()) {
        posix_spawn_file_actions_addchdir_np(&actions, m_workingDirectory.c_str());
    }
    // The child starts with every signal at its default and none blocked, whatever the test
    // process set for itself.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    std::vector<std::string> words{m_program};
    words.insert(words.end(), m_arguments.begin(), m_arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    std::vector<std::string> entries = m_environment.entries();
    std::vector<char*> envp;
    for (std::string& entry : entries) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);

    const int failed =
        posix_spawn(&m_pid, path.c_str(), &actions, &attributes, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(out[1]);
    close(err[1]);
    if (failed != 0) {
        close(out[0]);
        close(err[0]);
        m_pid = -1;
        return "cannot start " + path + ": " + std::strerror(failed);
    }
    m_out = out[0];
    m_err = err[0];
    fcntl(m_out, F_SETFL, O_NONBLOCK);
    fcntl(m_err, F_SETFL, O_NONBLOCK);
    return {};
}

void Process::collect(int timeoutMs) {
    pollfd fds[2] = {{m_out, POLLIN, 0}, {m_err, POLLIN, 0}};
    if ((m_out >= 0 || m_err >= 0) && poll(fds, 2, timeoutMs) < 0 && errno != EINTR) {
        return;
    }
    if (m_out >= 0 && !drain(m_out, m_outText)) {
        close(m_out);
        m_out = -1;
    }
    if (m_err >= 0 && !drain(m_err, m_errText)) {
        close(m_err);
        m_err = -1;
    }
}

void Process::reaped(int status) {
    m_pid = -1;
    m_exited = WIFEXITED(status);
    m_exitCode = m_exited ? WEXITSTATUS(status) : -1;
    m_signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    // What it wrote just before it ended.
    collect(0);
}

bool Process::running() {
    if (m_pid <= 0) {
        return false;
    }
    collect(0);
    int status = 0;
    if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
        reaped(status);
        return false;
    }
    return true;
}

bool Process::waitForEnd(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (running()) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return false;
        }
        // Output wakes the wait early; otherwise look again every few milliseconds.
        collect(static_cast<int>(std::min<long long>(left.count(), 10)));
    }
    return true;
}

void Process::end(std::chrono::milliseconds grace) {
    if (!running()) {
        return;
    }
    int status = 0;
    endAndReap(m_pid, grace, &status);
    reaped(status);
}

const std::string& Process::standardOutput() {
    running();
    return m_outText;
}

const std::string& Process::standardError() {
    running();
    return m_errText;
}

std::string Process::report() {
    std::string text = commandLine(m_program, m_arguments);
    if (running()) {
        text += " is still running";
    } else if (m_exited) {
        text += " ended with status " + std::to_string(m_exitCode);
    } else {
        text += " ended by signal " + std::to_string(m_signal);
    }
    return withOutput(text, m_outText, m_errText);
}

std::string Finished::report() const {
    return withOutput(commandLine + (!problem.empty() ? ": " + problem
                                     : exited ? " ended with status " + std::to_string(exitCode)
                                              : " ended by a signal"),
                      out, err);
}

Finished run(const std::string& program, const std::vector<std::string>& arguments,
             const Environment& environment, std::chrono::milliseconds timeout) {
    Finished finished;
    finished.commandLine = commandLine(program, arguments);
    Process process(program, arguments, environment);
    finished.problem = process.start();
    if (finished.problem.empty()) {
        if (!process.waitForEnd(timeout)) {
            process.end(500ms);
            finished.problem = "still running after " + std::to_string(timeout.count()) + " ms";
        }
        finished.exited = process.exited();
        finished.exitCode = process.exitCode();
        finished.out = process.standardOutput();
        finished.err = process.standardError();
    }
    return finished;
}

std::set<pid_t> childProcesses() {
    std::set<pid_t> children;
    DIR* proc = opendir("/proc");
    if (proc == nullptr) {
        return children;
    }
    while (const dirent* entry = readdir(proc)) {
        const std::string name = entry->d_name;
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        const auto pid = static_cast<pid_t>(std::stol(name));
        if (parentOf(pid) == getpid()) {
            children.insert(pid);
        }
    }
    closedir(proc);
    return children;
}

std::vector<std::string> endLeftovers(const std::set<pid_t>& known) {
    std::vector<std::string> left;
    for (const pid_t pid : childProcesses()) {
        if (known.count(pid) == 0) {
            left.push_back(commandLineOf(pid));
            int status = 0;
            endAndReap(pid, 2s, &status);
        }
    }
    return left;
}

} // namespace gachapoko::test
