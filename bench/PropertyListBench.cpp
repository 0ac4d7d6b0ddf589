// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// How fast, and in how much memory, large preferences files are read: a file
// that someone else wrote must not stall Gapsel. Targets: under 100 ms per MB,
// and a peak under ten times the file's size.

#include "defaults/PropertyList.h"
#include "defaults/UserDefaults.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

constexpr int arrayLength = 100'000;
constexpr int dictionarySize = 50'000;

QByteArray bigEndian(quint64 value, int width) {
    QByteArray bytes;
    for (int shift = (width - 1) * 8; shift >= 0; shift -= 8)
        bytes.append(static_cast<char>((value >> shift) & 0xFF));
    return bytes;
}

// A binary property list of the given objects, object 0 on top; references
// and offsets are 4 bytes wide.
QByteArray binaryFile(const std::vector<QByteArray>& objects) {
    QByteArray file("bplist00");
    QByteArray offsets;
    for (const QByteArray& object : objects) {
        offsets += bigEndian(static_cast<quint64>(file.size()), 4);
        file += object;
    }
    const auto table = static_cast<quint64>(file.size());
    return file + offsets + QByteArray(6, '\0') + '\x04' + '\x04' + bigEndian(objects.size(), 8) +
           bigEndian(0, 8) + bigEndian(table, 8);
}

QByteArray container(uchar kind, quint64 count, quint64 firstReference, quint64 references) {
    QByteArray object(1, static_cast<char>(kind | 0x0F));
    object += '\x13' + bigEndian(count, 8);
    for (quint64 i = 0; i < references; ++i)
        object += bigEndian(firstReference + i, 4);
    return object;
}

QByteArray integerObject(quint64 value) {
    return '\x12' + bigEndian(value, 4);
}

QByteArray keyObject(int number) {
    const QByteArray name = QByteArray::number(number).rightJustified(8, '0');
    return static_cast<char>(0x50 | name.size()) + name;
}

// {"a": [0, 1, ..., length - 1]}
QByteArray binaryArray(int length) {
    std::vector<QByteArray> objects{container(0xD0, 1, 1, 2), keyObject(0),
                                    container(0xA0, length, 3, length)};
    for (int i = 0; i < length; ++i)
        objects.push_back(integerObject(i));
    return binaryFile(objects);
}

// {"00000000": 0, "00000001": 1, ...}
QByteArray binaryDictionary(int size) {
    std::vector<QByteArray> objects{container(0xD0, size, 1, 2 * size)};
    for (int i = 0; i < size; ++i)
        objects.push_back(keyObject(i));
    for (int i = 0; i < size; ++i)
        objects.push_back(integerObject(i));
    return binaryFile(objects);
}

QByteArray xmlArray(int length) {
    QVariantList list;
    for (int i = 0; i < length; ++i)
        list.append(qint64(i));
    return Defaults::propertyListXml({{QStringLiteral("a"), list}});
}

QByteArray xmlDictionary(int size) {
    QVariantMap map;
    for (int i = 0; i < size; ++i)
        map.insert(QString::number(i).rightJustified(8, u'0'), qint64(i));
    return Defaults::propertyListXml(map);
}

qint64 statusField(const char* name) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(qstrlen(name)).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

void resetPeakMemory() {
    malloc_trim(0);
    QFile reset(QStringLiteral("/proc/self/clear_refs"));
    if (reset.open(QIODevice::WriteOnly))
        reset.write("5");
}

// Reads the file once for the peak of memory that a read takes beyond what
// the process held before, from the kernel's high-water mark (which writing 5
// to clear_refs resets), then as often as the benchmark likes for the time.
void readFile(benchmark::State& state, const QByteArray& file) {
    resetPeakMemory();
    const qint64 before = statusField("VmRSS:");
    if (!Defaults::parsePropertyList(file)) {
        state.SkipWithError("the sample file does not parse");
        return;
    }
    const qint64 peak = statusField("VmHWM:") - before;
    for (auto _ : state) {
        auto values = Defaults::parsePropertyList(file);
        benchmark::DoNotOptimize(values);
    }
    const double megabytes = static_cast<double>(file.size()) / (1024 * 1024);
    state.counters["MB"] = megabytes;
    state.counters["s_per_MB"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * megabytes,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["peak_per_size"] = static_cast<double>(peak) / static_cast<double>(file.size());
}

void ReadBinaryArray(benchmark::State& state) {
    readFile(state, binaryArray(arrayLength));
}
void ReadXmlArray(benchmark::State& state) {
    readFile(state, xmlArray(arrayLength));
}
void ReadBinaryDictionary(benchmark::State& state) {
    readFile(state, binaryDictionary(dictionarySize));
}
void ReadXmlDictionary(benchmark::State& state) {
    readFile(state, xmlDictionary(dictionarySize));
}
// The whole way from a file to a domain's values, and the way of a change
// that another program makes to it.
void OpenAndSynchronizeXmlDictionary(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("large.plist"));
    const QByteArray whole = xmlDictionary(dictionarySize),
                     half = xmlDictionary(dictionarySize / 2);
    const auto put = [&path](const QByteArray& contents) {
        QSaveFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(contents);
        file.commit();
    };
    for (auto _ : state) {
        state.PauseTiming();
        put(whole);
        state.ResumeTiming();
        auto suite = UserDefaults::open(QStringLiteral("large"), path);
        state.PauseTiming();
        put(half);
        state.ResumeTiming();
        suite->synchronize();
    }
}
BENCHMARK(OpenAndSynchronizeXmlDictionary)->Unit(benchmark::kMillisecond);

BENCHMARK(ReadBinaryArray)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadXmlArray)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadBinaryDictionary)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadXmlDictionary)->Unit(benchmark::kMillisecond);

} // namespace
