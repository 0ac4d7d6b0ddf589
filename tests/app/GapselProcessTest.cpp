// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/PropertyList.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QMap>
#include <QProcess>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <memory>

#include <sys/resource.h>

using namespace Qt::StringLiterals;

// The real gapsel executable, started headless over a private configuration
// and runtime folder, as a user would start it.
namespace {

constexpr int deadlineMs = 20000;

// A runtime folder must be private, or Qt will not use it.
QString privateFolder() {
    const QString path = testing_support::freshFolder(u"runtime"_s);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QMap<QString, QString> withoutADisplay() {
    return {{u"QT_QPA_PLATFORM"_s, u"xcb"_s}, {u"DISPLAY"_s, {}}, {u"WAYLAND_DISPLAY"_s, {}}};
}

// Processes still running at the end are killed as the test's QProcesses go.
struct GapselProcess : ::testing::Test {
    // Starts gapsel with these variables changed in its environment (an empty
    // value removes one), after `prepare` has run in the new process.
    QProcess& start(const QStringList& arguments, const QMap<QString, QString>& changes = {},
                    const std::function<void()>& prepare = {}) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_CONFIG_HOME"_s, configFolder_);
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtimeFolder_);
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.remove(u"DBUS_SESSION_BUS_ADDRESS"_s);
        for (const auto& [name, value] : changes.asKeyValueRange())
            value.isEmpty() ? environment.remove(name) : environment.insert(name, value);
        process->setProcessEnvironment(environment);
        if (prepare)
            process->setChildProcessModifier(prepare);
        process->start(QStringLiteral(GAPSEL_EXECUTABLE), arguments);
        EXPECT_TRUE(process->waitForStarted(deadlineMs));
        processes_.push_back(std::move(process));
        return *processes_.back();
    }

    // The launch count in the preferences file on disk; 0 before it exists.
    qint64 launchCountOnDisk() const {
        QFile file(configFolder_ + QStringLiteral("/" GAPSEL_BUNDLE_ID ".plist"));
        if (!file.open(QIODevice::ReadOnly))
            return 0;
        const auto contents = Defaults::parsePropertyList(file.readAll());
        return contents ? contents->value(u"JX_launchCount"_s).toLongLong() : 0;
    }

    const QString configFolder_ = testing_support::freshFolder(u"config"_s);
    const QString runtimeFolder_ = privateFolder();
    std::vector<std::unique_ptr<QProcess>> processes_;
};

// Whichever runtime folder it is given, a second start finds the first by its
// preferences file, says so and leaves without counting a launch. Qt's own
// options reach Qt instead of being refused.
TEST_F(GapselProcess, ASecondStartWhileRunningLeavesAndChangesNothing) {
    QProcess& running = start({u"-style"_s, u"Fusion"_s, u"-reverse"_s});
    ASSERT_TRUE(
        testing_support::processEventsUntil([&] { return launchCountOnDisk() == 1; }, deadlineMs));

    for (const QString& runtime : {runtimeFolder_, privateFolder()}) {
        QProcess& again = start({u"--support"_s}, {{u"XDG_RUNTIME_DIR"_s, runtime}});
        ASSERT_TRUE(again.waitForFinished(deadlineMs));
        EXPECT_EQ(again.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(again.exitCode(), 0);
        EXPECT_EQ(again.readAllStandardError(),
                  u"Gapsel is already running (pid %1)\n"_s.arg(running.processId()).toUtf8());
        EXPECT_EQ(running.state(), QProcess::Running);
        EXPECT_EQ(launchCountOnDisk(), 1);
    }
    // The running one does what the later starts asked for.
    QByteArray log;
    EXPECT_TRUE(testing_support::processEventsUntil(
        [&] { return (log += running.readAllStandardError()).contains("asked for: support"); },
        deadlineMs))
        << log.toStdString();
    running.terminate();
    ASSERT_TRUE(running.waitForFinished(deadlineMs));
    EXPECT_EQ(running.exitCode(), 0);
}

// Answered before any connection to a display: there is none here. Qt's own
// options pass, and a start that needs the display says in a line that it
// found none instead of Qt's abort. Only a lock that a running Gapsel holds
// means that one runs: a folder that is none, or a disk that takes no file
// (here: no file may grow), is said with the path and the reason.
TEST_F(GapselProcess, TheCommandLineIsAnsweredWithoutADisplayAndAStartWithoutALockFails) {
    const QByteArray noDisplay = "Gapsel needs a graphical session: no display found\n";
    const QString notAFolder = configFolder_ + u"/file"_s;
    ASSERT_TRUE(testing_support::writeFile(notAFolder, "x"));
    const auto noLock = [](const QString& folder, int reason) {
        return u"Gapsel cannot start: cannot make the lock file %1/%2: %3\n"_s
            .arg(folder, u"" GAPSEL_BUNDLE_ID ".plist.instance"_s,
                 QString::fromLocal8Bit(std::strerror(reason)))
            .toLocal8Bit();
    };
    const auto noFileMayGrow = [] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit none{0, 0};
        ::setrlimit(RLIMIT_FSIZE, &none);
    };
    const struct {
        QStringList arguments;
        int exitCode;
        QByteArray output;
        QByteArray error;
        QMap<QString, QString> changes = withoutADisplay();
        std::function<void()> prepare = {};
    } table[] = {
        {{u"--help"_s}, 0, "Usage: gapsel [options]", ""},
        {{u"-style"_s, u"Fusion"_s, u"--help"_s}, 0, "--delete-data", ""},
        {{u"--version"_s}, 0, "Gapsel " GAPSEL_VERSION "\n", ""},
        {{u"-help"_s}, 0, "Usage: gapsel", ""},
        {{u"--bogus"_s}, 2, "", "Unknown option 'bogus'"},
        {{u"--debug=yes"_s}, 2, "", "Unexpected value after '--debug'"},
        {{u"stray"_s}, 2, "", "Unexpected argument 'stray'"},
        {{}, 1, "", noDisplay},
        {{u"-style"_s, u"Fusion"_s, u"-stylesheet=a.qss"_s, u"-reverse"_s}, 1, "", noDisplay},
        {{u"-platform"_s, u"xcb"_s, u"--debug"_s}, 1, "", noDisplay},
        // With a display.
        {{}, 1, "", noLock(notAFolder, ENOTDIR), {{u"XDG_CONFIG_HOME"_s, notAFolder}}},
        {{}, 1, "", noLock(configFolder_, EFBIG), {}, noFileMayGrow},
    };
    for (const auto& row : table) {
        QProcess& gapsel = start(row.arguments, row.changes, row.prepare);
        ASSERT_TRUE(gapsel.waitForFinished(deadlineMs));
        const QByteArray output = gapsel.readAllStandardOutput();
        const QByteArray error = gapsel.readAllStandardError();
        EXPECT_EQ(gapsel.exitStatus(), QProcess::NormalExit)
            << row.arguments.join(u' ').toStdString();
        EXPECT_EQ(gapsel.exitCode(), row.exitCode) << row.arguments.join(u' ').toStdString();
        EXPECT_TRUE(output.contains(row.output)) << output.toStdString();
        EXPECT_TRUE(row.error == noDisplay ? error == row.error : error.contains(row.error))
            << error.toStdString();
        EXPECT_EQ(output.isEmpty(), row.output.isEmpty()) << output.toStdString();
    }
    EXPECT_EQ(launchCountOnDisk(), 0);
}

} // namespace
