// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// How fast the separator list moves between memory and the preferences file.

#include "defaults/Defaults.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

struct BenchSeparator {
    QUuid id;
    QString character;
    static constexpr auto jsonFields() {
        return std::tuple{Defaults::jsonField("id", &BenchSeparator::id),
                          Defaults::jsonField("character", &BenchSeparator::character)};
    }
};

QList<BenchSeparator> separators(int count, const QString& character) {
    QList<BenchSeparator> list;
    for (int i = 0; i < count; ++i)
        list.push_back({QUuid::createUuid(), character});
    return list;
}

struct Fixture {
    QTemporaryDir folder;
    std::shared_ptr<UserDefaults> suite =
        UserDefaults::open(QStringLiteral("bench"), folder.path() + QStringLiteral("/bench.plist"));
    Defaults::Key<QList<BenchSeparator>> key{QStringLiteral("separators"), {}, suite};
};

void ReadSeparatorList100(benchmark::State& state) {
    Fixture fixture;
    Defaults::set(fixture.key, separators(100, QStringLiteral("—")));
    for (auto _ : state) {
        auto list = Defaults::get(fixture.key);
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(ReadSeparatorList100)->Unit(benchmark::kMicrosecond);

// Every iteration really reaches the disk: the list alternates between two
// contents, and a write of an unchanged list would be skipped.
void DurableWriteSeparatorList100(benchmark::State& state) {
    Fixture fixture;
    const QList<BenchSeparator> lists[2] = {separators(100, QStringLiteral("—")),
                                            separators(100, QStringLiteral("·"))};
    int turn = 0;
    for (auto _ : state)
        Defaults::set(fixture.key, lists[turn++ % 2]);
}
BENCHMARK(DurableWriteSeparatorList100)->Unit(benchmark::kMicrosecond);

// What the disk allows at best: 4 KB written to a temporary name, synced,
// renamed, and the folder synced. A durable write cannot beat this; compare the
// two in the same run, since the figure varies a lot with the machine's load.
void DurableWriteFloor4KB(benchmark::State& state) {
    QTemporaryDir folder;
    const QByteArray temporary = QFile::encodeName(folder.path() + QStringLiteral("/floor.tmp"));
    const QByteArray target = QFile::encodeName(folder.path() + QStringLiteral("/floor.plist"));
    const QByteArray folderName = QFile::encodeName(folder.path());
    const QByteArray page(4096, 'x');
    for (auto _ : state) {
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        benchmark::DoNotOptimize(::write(fd, page.constData(), static_cast<size_t>(page.size())));
        ::fsync(fd);
        ::close(fd);
        ::rename(temporary.constData(), target.constData());
        const int dir = ::open(folderName.constData(), O_RDONLY | O_DIRECTORY);
        ::fsync(dir);
        ::close(dir);
    }
}
BENCHMARK(DurableWriteFloor4KB)->Unit(benchmark::kMicrosecond);

} // namespace
