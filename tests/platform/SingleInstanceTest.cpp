// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/SingleInstance.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using platform::xdg::SingleInstance;

namespace {

// One connection to the running instance's socket, made by someone who is
// not a later start of ours.
class Peer {
public:
    explicit Peer(const QString& socket)
        : fd_(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(socket);
        std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
        connected_ =
            ::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    }
    ~Peer() { ::close(fd_); }

    bool connected() const { return connected_; }
    void sendByte() const { ::send(fd_, "s", 1, MSG_NOSIGNAL); }
    // True once the instance has closed its end.
    bool isDropped() const {
        char byte = 0;
        const ssize_t got = ::recv(fd_, &byte, 1, MSG_DONTWAIT);
        return got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
    }

private:
    int fd_;
    bool connected_ = false;
};

// The running instance reads its socket as bytes arrive: peers that connect
// and say nothing, or one byte at a time, never hold up the loop (and with
// it the answers to D-Bus calls), and a later start is heard among them.
// With an hour's patience, a reader that waited on a peer would hang here.
TEST(SingleInstance, SilentOrTricklingPeersNeverHoldUpTheLoopNorALaterStart) {
    const QString preferences = testing_support::freshFolder(u"instance"_s) + u"/p.plist"_s;
    const QString socket = preferences + u".instance.socket"_s;
    {
        SingleInstance running(u"test"_s, preferences, 60 * 60 * 1000);
        ASSERT_EQ(running.claim(false), SingleInstance::Claim::Granted);
        QStringList heard;
        running.onStartedAgain([&](const QStringList& requests) { heard = requests; });

        const Peer trickle(socket);
        std::vector<std::unique_ptr<Peer>> silent;
        for (int round = 0; round < 10; ++round) {
            for (int i = 0; i < 50; ++i)
                silent.push_back(std::make_unique<Peer>(socket));
            trickle.sendByte();
            QCoreApplication::processEvents();
        }
        EXPECT_TRUE(silent.back()->connected());

        SingleInstance later(u"test"_s, preferences);
        EXPECT_EQ(later.claim(false, {u"support"_s}), SingleInstance::Claim::AnotherIsRunning);
        EXPECT_TRUE(testing_support::processEventsUntil([&] { return !heard.isEmpty(); }, 10000));
        EXPECT_EQ(heard, QStringList{u"support"_s});
    }

    // Alone, a peer that never ends its line is dropped once its patience
    // has run out, and not before.
    constexpr int patienceMs = 200;
    SingleInstance running(u"test"_s, preferences, patienceMs);
    ASSERT_EQ(running.claim(false), SingleInstance::Claim::Granted);
    const Peer slow(socket);
    slow.sendByte();
    QElapsedTimer since;
    since.start();
    EXPECT_TRUE(testing_support::processEventsUntil([&] { return slow.isDropped(); }, 10000));
    EXPECT_GE(since.elapsed(), patienceMs * 9 / 10);
}

} // namespace
