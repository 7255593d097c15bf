// Xvfb on a display it chooses itself.
#include "tests/support/x_server.h"

namespace gachapoko::test {

XServer::~XServer() = default;

std::string XServer::start(const Options& options) {
    // Xvfb writes the number of the display it took to -displayfd once it takes connections.
    std::vector<std::string> arguments = {"-displayfd",  "1",         "-screen", "0",
                                          "1024x768x24", "-nolisten", "tcp",     "-noreset"};
    if (!options.authorityFile.empty()) {
        arguments.insert(arguments.end(), {"-auth", options.authorityFile.string()});
    }
    m_server =
        std::make_unique<Process>("Xvfb", arguments, Environment().set("PATH", "/usr/bin:/bin"));
    m_server->discardStandardError();
    if (const std::string failure = m_server->start(); !failure.empty()) {
        m_server.reset();
        return failure;
    }
    const auto opened = [this] {
        return m_server->standardOutput().find('\n') != std::string::npos;
    };
    if (!m_server->waitUntil(opened, 10s)) {
        return "Xvfb opened no display within 10 seconds: " + m_server->report();
    }
    const std::string& number = m_server->standardOutput();
    m_display = ":" + number.substr(0, number.find('\n'));
    return {};
}

} // namespace gachapoko::test
