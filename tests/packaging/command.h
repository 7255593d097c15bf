// Runs the tools the packaging tests check with: validators, lintian, dpkg.
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <string>

namespace gachapoko::test {

struct CommandResult {
    QString commandLine;
    bool finished = false; // started and ended by itself within the time allowed
    int exitCode = -1;
    QString out;
    QString err;

    bool succeeded() const { return finished && exitCode == 0; }
    // The command line, how it ended and everything it printed, for a failure message.
    std::string report() const;
};

// Runs `program` to its end, for at most `timeoutMs`, with `environment` (by default this
// process's own). A program that cannot be started ends with `finished` false and says why.
CommandResult
runCommand(const QString& program, const QStringList& arguments,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
           int timeoutMs = 60000);

} // namespace gachapoko::test
