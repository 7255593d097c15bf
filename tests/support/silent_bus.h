// A socket at a path that takes connections (or, not listening, refuses them) and never says a
// word: a session bus that hangs, as a stuck or hostile one would.
#pragma once

#include <string>

namespace gachapoko::test {

class SilentBus {
public:
    explicit SilentBus(const std::string& path, bool listening = true);
    SilentBus(const SilentBus&) = delete;
    SilentBus& operator=(const SilentBus&) = delete;
    ~SilentBus();

    // "unix:path=..."
    const std::string& address() const { return m_address; }

private:
    int m_fd = -1;
    std::string m_address;
};

} // namespace gachapoko::test
