// A blocking QProcess run with both output channels kept apart.
#include "tests/packaging/command.h"

#include <QProcess>

namespace gachapoko::test {

std::string CommandResult::report() const {
    std::string text = commandLine.toStdString();
    text += finished ? " ended with exit code " + std::to_string(exitCode) : " did not finish";
    text += "\n" + out.toStdString();
    if (!err.isEmpty()) {
        text += "\n" + err.toStdString();
    }
    return text;
}

CommandResult runCommand(const QString& program, const QStringList& arguments,
                         const QProcessEnvironment& environment, int timeoutMs) {
    CommandResult result;
    result.commandLine = (QStringList{program} + arguments).join(QLatin1Char(' '));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForStarted(10000)) {
        result.err = QStringLiteral("cannot start %1 (%2): scripts/ensure-deps.sh installs it")
                         .arg(program, process.errorString());
        return result;
    }
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        result.err = QStringLiteral("still running after %1 ms").arg(timeoutMs);
    } else {
        result.finished = process.exitStatus() == QProcess::NormalExit;
        result.exitCode = process.exitCode();
    }
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err += QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace gachapoko::test
