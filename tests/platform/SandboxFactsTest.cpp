// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/SandboxFacts.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using platform::xdg::readSandboxFacts;

namespace {

void write(const QString& path, const QByteArray& contents) {
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

QProcessEnvironment environment(const QStringList& names) {
    QProcessEnvironment result;
    for (const QString& name : names)
        result.insert(name, QStringLiteral("1"));
    return result;
}

// A Flatpak deployment as the sandbox describes it, from the remote `origin`.
QString flatpakRoot(const QByteArray& origin) {
    const QString root = testing_support::freshFolder(QStringLiteral("sandbox"));
    const QString deployment = QStringLiteral("/var/lib/flatpak/app/com.gapsel.Gapsel/x86_64/"
                                              "stable/0123abcd");
    write(root + QStringLiteral("/.flatpak-info"),
          "[Application]\nname=com.gapsel.Gapsel\n\n[Instance]\napp-path=" + deployment.toUtf8() +
              "/files\n");
    write(root + deployment + QStringLiteral("/deploy"), origin + QByteArray("\0\0\x01rest", 7));
    return root;
}

TEST(SandboxFacts, FlatpakAndSnapAreSandboxesAndOnlyFlathubCountsAsTheStore) {
    const QString plain = testing_support::freshFolder(QStringLiteral("plain"));
    EXPECT_FALSE(readSandboxFacts(plain, environment({})).isSandboxed);
    EXPECT_TRUE(readSandboxFacts(plain, environment({QStringLiteral("SNAP")})).isSandboxed);
    EXPECT_TRUE(readSandboxFacts(plain, environment({QStringLiteral("FLATPAK_ID")})).isSandboxed);
    EXPECT_FALSE(
        readSandboxFacts(plain, environment({QStringLiteral("FLATPAK_ID")})).isInstalledFromStore);

    const auto fromFlathub = readSandboxFacts(flatpakRoot("flathub"), environment({}));
    EXPECT_TRUE(fromFlathub.isSandboxed);
    EXPECT_TRUE(fromFlathub.isInstalledFromStore);
    const auto fromElsewhere = readSandboxFacts(flatpakRoot("flathub-beta"), environment({}));
    EXPECT_TRUE(fromElsewhere.isSandboxed);
    EXPECT_FALSE(fromElsewhere.isInstalledFromStore);
}

} // namespace
