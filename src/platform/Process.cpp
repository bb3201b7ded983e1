#include "platform/Process.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace qvt::platform {

ProcessResult RunProcessAndWait(const std::string& program, const std::vector<std::string>& arguments) {
    QStringList args;
    for (const std::string& a : arguments) args << QString::fromStdString(a);
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QString::fromStdString(program), args);
    ProcessResult result;
    if (!process.waitForStarted(-1)) return result;
    result.started = true;
    process.waitForFinished(-1);
    result.crashed = process.exitStatus() == QProcess::CrashExit;
    result.exitCode = process.exitCode();
    return result;
}

std::string FindExecutable(const std::string& name) {
    return QStandardPaths::findExecutable(QString::fromStdString(name)).toStdString();
}

}  // namespace qvt::platform
