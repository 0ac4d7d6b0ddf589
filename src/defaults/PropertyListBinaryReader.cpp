// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/PropertyListDetail.h"

#include <plist/plist.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <memory>

#ifdef __GLIBC__
#include <malloc.h>
#endif

// Binary property lists, as macOS tools may leave them, are read with libplist
// and its nodes turned into canonical values. Entries of kinds a preferences
// file has no use for (keyed-archiver UIDs) and strings XML could not carry
// are left out rather than failing the whole file.
namespace Defaults::detail {

namespace {

// Seconds from 1970-01-01T00:00:00Z to 2001-01-01T00:00:00Z, the binary format's epoch.
constexpr qint64 referenceDateOffset = 978'307'200;

// The memory of freed nodes is handed back a few times per read, each time
// a sixteenth of the tree is gone (never more often than every few thousand
// nodes): often enough to bound the peak, seldom enough to stay linear.
constexpr quint64 handBacksPerRead = 16;
constexpr quint64 fewestNodesPerHandBack = 4096;

// glibc keeps small freed blocks in caches by size, and serves from them only
// requests of exactly that size. libplist's nodes and the values made from
// them have different sizes, so without this the peak of a read would be the
// whole tree plus all the values; merged and handed back as they are freed,
// the nodes make room for the values.
void handBackFreedNodes() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

class NodeConverter {
public:
    explicit NodeConverter(const BinaryLayout& layout)
        // libplist 2.2 hands out every integer as 64 unsigned bits, so a value
        // above the largest qint64 is either a negative number (written in 8
        // bytes) or a large unsigned one (written in 16). The layout says which
        // kinds the file holds; only when it holds both is the guess (negative)
        // possibly wrong.
        : largeIntegersAreUnsigned(layout.hasWideIntegers && !layout.hasNegativeIntegers)
        , nodesPerHandBack_(
              std::max(layout.unfoldedObjects / handBacksPerRead, fewestNodesPerHandBack)) {}

    // libplist 2.2 finds a container's nth child, also through its
    // iterators, by walking from the first one: asking for each child in turn
    // takes time quadratic in the container's size. So the first child is
    // taken every time and freed once converted, which keeps reading linear
    // and lets the tree shrink while the values grow.
    QVariantMap dictionary(plist_t node) {
        QVariantMap map;
        for (;;) {
            char* key = nullptr;
            plist_t item = nullptr;
            plist_dict_iter first = nullptr;
            plist_dict_new_iter(node, &first);
            plist_dict_next_item(node, first, &key, &item);
            std::free(first);
            const std::unique_ptr<char, decltype(&std::free)> keyOwner(key, &std::free);
            if (!item)
                return map;
            const QString name = QString::fromUtf8(key);
            auto value = convert(item);
            // Removes the first entry under this key: the one just read.
            plist_dict_remove_item(node, key);
            noteFreedNode();
            if (value && !unstorableTextProblem(name))
                map.insert(name, *value);
        }
    }

private:
    QVariantList array(plist_t node) {
        QVariantList list;
        list.reserve(plist_array_get_size(node));
        while (plist_t item = plist_array_get_item(node, 0)) {
            if (auto value = convert(item))
                list.append(*value);
            plist_array_remove_item(node, 0);
            noteFreedNode();
        }
        return list;
    }

    void noteFreedNode() {
        if (++freedNodes_ % nodesPerHandBack_ == 0)
            handBackFreedNodes();
    }

    QVariant integer(plist_t node) const {
        uint64_t bits = 0;
        plist_get_uint_val(node, &bits);
        if (bits > static_cast<uint64_t>(std::numeric_limits<qint64>::max()) &&
            largeIntegersAreUnsigned)
            return QVariant(static_cast<quint64>(bits));
        return QVariant(static_cast<qint64>(bits));
    }

    // libplist splits the stored seconds into whole seconds and microseconds,
    // both rounded towards zero; whole seconds are kept, rounded down.
    QVariant date(plist_t node) const {
        int32_t seconds = 0;
        int32_t microseconds = 0;
        plist_get_date_val(node, &seconds, &microseconds);
        const qint64 floored =
            static_cast<qint64>(seconds) - (seconds < 0 && microseconds != 0 ? 1 : 0);
        return QVariant(utcDate(referenceDateOffset + floored));
    }

    std::optional<QVariant> string(plist_t node) const {
        uint64_t length = 0;
        const char* text = plist_get_string_ptr(node, &length);
        const QString value = QString::fromUtf8(text, static_cast<qsizetype>(length));
        if (unstorableTextProblem(value))
            return std::nullopt;
        return QVariant(value);
    }

    QVariant data(plist_t node) const {
        uint64_t length = 0;
        const char* bytes = plist_get_data_ptr(node, &length);
        return QVariant(QByteArray(bytes, static_cast<qsizetype>(length)));
    }

    QVariant real(plist_t node) const {
        double value = 0;
        plist_get_real_val(node, &value);
        return QVariant(value);
    }

    QVariant boolean(plist_t node) const {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return QVariant(value != 0);
    }

    std::optional<QVariant> convert(plist_t node) {
        switch (plist_get_node_type(node)) {
        case PLIST_BOOLEAN:
            return boolean(node);
        case PLIST_UINT:
            return integer(node);
        case PLIST_REAL:
            return real(node);
        case PLIST_STRING:
            return string(node);
        case PLIST_DATE:
            return date(node);
        case PLIST_DATA:
            return data(node);
        case PLIST_ARRAY:
            return QVariant(array(node));
        case PLIST_DICT:
            return QVariant(dictionary(node));
        default:
            return std::nullopt;
        }
    }

    bool largeIntegersAreUnsigned;
    quint64 nodesPerHandBack_;
    quint64 freedNodes_ = 0;
};

} // namespace

std::optional<QVariantMap> parseBinary(const QByteArray& bytes, QString& error) {
    if (bytes.size() > std::numeric_limits<uint32_t>::max()) {
        error = QStringLiteral("binary property list: the file is too large");
        return std::nullopt;
    }
    const auto layout = checkBinaryLayout(bytes, error);
    if (!layout)
        return std::nullopt;
    plist_t root = nullptr;
    plist_from_bin(bytes.constData(), static_cast<uint32_t>(bytes.size()), &root);
    const std::unique_ptr<void, decltype(&plist_free)> rootOwner(root, &plist_free);
    if (!root) {
        error = QStringLiteral("binary property list: libplist cannot read it");
        return std::nullopt;
    }
    if (plist_get_node_type(root) != PLIST_DICT) {
        error = QStringLiteral("binary property list: the top value is not a dictionary");
        return std::nullopt;
    }
    NodeConverter converter(*layout);
    return converter.dictionary(root);
}

} // namespace Defaults::detail
