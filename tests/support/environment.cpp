// Environments built from explicit lists, and temporary directories of the tests' own.
#include "tests/support/environment.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace gachapoko::test {

Environment Environment::privateSession(const std::filesystem::path& home) {
    namespace fs = std::filesystem;
    Environment environment;
    environment.set("PATH", "/usr/local/bin:/usr/bin:/bin");
    environment.set("LANG", "C.UTF-8");
    environment.set("HOME", home.string());
    const std::pair<const char*, const char*> directories[] = {{"XDG_CONFIG_HOME", "config"},
                                                               {"XDG_CACHE_HOME", "cache"},
                                                               {"XDG_DATA_HOME", "data"},
                                                               {"XDG_RUNTIME_DIR", "runtime"},
                                                               {"TMPDIR", "tmp"}};
    for (const auto& [name, sub] : directories) {
        fs::create_directories(home / sub);
        environment.set(name, (home / sub).string());
    }
    fs::permissions(home / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    return environment;
}

Environment& Environment::set(const std::string& name, const std::string& value) {
    m_variables[name] = value;
    return *this;
}

Environment& Environment::unset(const std::string& name) {
    m_variables.erase(name);
    return *this;
}

Environment& Environment::pass(const std::string& name) {
    if (const char* value = std::getenv(name.c_str())) {
        m_variables[name] = value;
    }
    return *this;
}

std::optional<std::string> Environment::get(const std::string& name) const {
    const auto found = m_variables.find(name);
    return found == m_variables.end() ? std::nullopt : std::optional(found->second);
}

TemporaryDirectory::TemporaryDirectory() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "gachapoko-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
    }
    m_path = pattern;
}

TemporaryDirectory::~TemporaryDirectory() {
    std::error_code ignored;
    // A program under test may have left a directory it cannot enter; make it removable.
    for (auto entry = std::filesystem::recursive_directory_iterator(m_path, ignored);
         entry != std::filesystem::recursive_directory_iterator(); entry.increment(ignored)) {
        std::filesystem::permissions(entry->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::remove_all(m_path, ignored);
}

std::vector<std::string> TemporaryDirectory::contents() const {
    std::vector<std::string> found;
    std::error_code ignored;
    for (auto entry = std::filesystem::recursive_directory_iterator(m_path, ignored);
         entry != std::filesystem::recursive_directory_iterator(); entry.increment(ignored)) {
        found.push_back(std::filesystem::relative(entry->path(), m_path).string());
    }
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace gachapoko::test
