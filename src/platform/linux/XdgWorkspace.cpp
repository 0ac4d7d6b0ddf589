#include "platform/linux/XdgWorkspace.h"

#include "platform/MainQueue.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace platform::xdg {

namespace {

// The program a desktop entry starts: TryExec when given, else the first word
// of Exec (field codes and arguments follow it), resolved through PATH.
std::optional<QString> programOfDesktopEntry(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QString tryExec, exec;
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inMainGroup = line == QLatin1String("[Desktop Entry]");
        else if (inMainGroup && line.startsWith(QLatin1String("TryExec=")))
            tryExec = line.mid(8).trimmed();
        else if (inMainGroup && line.startsWith(QLatin1String("Exec=")))
            exec = line.mid(5).trimmed();
    }
    QString program = tryExec;
    if (program.isEmpty() && !exec.isEmpty())
        program = QProcess::splitCommand(exec).value(0);
    if (program.isEmpty())
        return std::nullopt;
    const QString resolved = QStandardPaths::findExecutable(program);
    if (resolved.isEmpty())
        return std::nullopt;
    return resolved;
}

} // namespace

bool XdgWorkspace::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

void XdgWorkspace::launchNewInstance(const QString& location, Completion completion) {
    const auto outcome = startProgram(location, {QString::fromLatin1(newInstanceArgument)});
    queue_.async([completion = std::move(completion), outcome] { completion(outcome); });
}

std::optional<QString> XdgWorkspace::applicationLocation(const QString& identifier) const {
    const QString entry = QStandardPaths::locate(QStandardPaths::ApplicationsLocation,
                                                 identifier + QLatin1String(".desktop"));
    if (entry.isEmpty())
        return std::nullopt;
    return programOfDesktopEntry(entry);
}

std::optional<Error> XdgWorkspace::startProgram(const QString& program,
                                                const QStringList& arguments) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (process.startDetached())
        return std::nullopt;
    const QString reason = process.errorString();
    return Error::failure(QStringLiteral("Could not start %1: %2").arg(program, reason));
}

} // namespace platform::xdg
