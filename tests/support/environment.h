// The environment of a program a test starts, built from an explicit list: nothing of the test
// process's own environment reaches the program unless the test names it.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace gachapoko::test {

class Environment {
public:
    // A session of its own under `home`, as a desktop would give it and nothing more: PATH,
    // LANG=C.UTF-8, HOME, the XDG base directories and TMPDIR inside `home`, and a private
    // (0700) XDG_RUNTIME_DIR, all made here.
    static Environment privateSession(const std::filesystem::path& home);

    Environment& set(const std::string& name, const std::string& value);
    Environment& unset(const std::string& name);
    // Passes this process's own value of `name` on, where it has one.
    Environment& pass(const std::string& name);

    std::optional<std::string> get(const std::string& name) const;
    // Every variable by name, for starting a program.
    const std::map<std::string, std::string>& variables() const { return m_variables; }

private:
    std::map<std::string, std::string> m_variables;
};

// A directory of the test's own under the temporary directory, removed with everything in it
// when it goes.
class TemporaryDirectory {
public:
    TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;
    ~TemporaryDirectory();

    const std::filesystem::path& path() const { return m_path; }
    // Every file and directory under it, relative to it, sorted.
    std::vector<std::string> contents() const;

private:
    std::filesystem::path m_path;
};

} // namespace gachapoko::test
