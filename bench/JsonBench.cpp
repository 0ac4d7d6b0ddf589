// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/JsonCoding.h"

#include <benchmark/benchmark.h>

namespace {

struct Separator {
    QUuid id;
    QString character;

    static constexpr auto jsonFields() {
        return std::tuple{Defaults::jsonField("id", &Separator::id),
                          Defaults::jsonField("character", &Separator::character)};
    }
};

// One stored separator written and read back, as every change of the separator
// list does for each of its elements.
void encodeAndDecodeSeparator(benchmark::State& state) {
    const Separator separator{QUuid::createUuid(), QString(QChar(0x2014))};
    for (auto _ : state) {
        auto text = Defaults::encodeJsonText(separator);
        auto decoded = Defaults::decodeJsonText<Separator>(*text);
        benchmark::DoNotOptimize(decoded);
    }
}
BENCHMARK(encodeAndDecodeSeparator);

} // namespace
