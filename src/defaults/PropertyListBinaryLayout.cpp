// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/PropertyListDetail.h"

#include <algorithm>
#include <vector>

// The binary format: "bplist00", the objects, a table of their offsets, and a
// 32-byte trailer giving the offset and reference widths, the object count,
// the top object and where the offset table starts. Containers hold object
// references: arrays and sets their elements, dictionaries their keys and then
// their values.
namespace Defaults::detail {

namespace {

// Bounds the tree that shared objects unfold into when libplist copies them.
constexpr quint64 maxUnfoldedObjects = 1'000'000;
constexpr qsizetype trailerSize = 32;

struct Trailer {
    int offsetSize = 0;
    int referenceSize = 0;
    quint64 objectCount = 0;
    quint64 topObject = 0;
    quint64 offsetTable = 0;
};

// An object being walked: its references, how far the walk has got through
// them, and what the finished ones add up to.
struct Frame {
    quint64 object = 0;
    bool isContainer = false;
    std::vector<quint64> children;
    std::size_t next = 0;
    int childHeight = 0;
    quint64 unfolded = 1;
};

class LayoutCheck {
public:
    explicit LayoutCheck(const QByteArray& bytes)
        : data(bytes) {}

    std::optional<BinaryLayout> run(QString& error) {
        if (!readTrailer() || !walk()) {
            error = QStringLiteral("binary property list: %1").arg(problem);
            return std::nullopt;
        }
        layout.unfoldedObjects = unfolded[trailer.topObject];
        return layout;
    }

private:
    bool failure(const QString& message) {
        problem = message;
        return false;
    }

    // A big-endian unsigned number of `size` bytes (1 to 8) at `offset`.
    std::optional<quint64> number(quint64 offset, int size) const {
        if (size < 1 || size > 8 || offset > static_cast<quint64>(data.size()) ||
            static_cast<quint64>(data.size()) - offset < static_cast<quint64>(size))
            return std::nullopt;
        quint64 value = 0;
        for (int i = 0; i < size; ++i)
            value = (value << 8) | static_cast<uchar>(data[static_cast<qsizetype>(offset) + i]);
        return value;
    }

    bool readTrailer() {
        if (!data.startsWith("bplist00"))
            return failure(QStringLiteral("only version 00 is supported"));
        if (data.size() < 8 + trailerSize + 1)
            return failure(QStringLiteral("the file is too short"));
        const quint64 start = static_cast<quint64>(data.size() - trailerSize);
        trailer.offsetSize = static_cast<int>(*number(start + 6, 1));
        trailer.referenceSize = static_cast<int>(*number(start + 7, 1));
        trailer.objectCount = *number(start + 8, 8);
        trailer.topObject = *number(start + 16, 8);
        trailer.offsetTable = *number(start + 24, 8);
        const bool widthsValid = trailer.offsetSize >= 1 && trailer.offsetSize <= 8 &&
                                 trailer.referenceSize >= 1 && trailer.referenceSize <= 8;
        const bool tableFits =
            trailer.objectCount <= start && trailer.offsetTable >= 8 &&
            trailer.offsetTable <= start &&
            trailer.objectCount * trailer.offsetSize <= start - trailer.offsetTable;
        if (!widthsValid || !tableFits || trailer.topObject >= trailer.objectCount)
            return failure(QStringLiteral("the trailer is inconsistent"));
        return true;
    }

    std::optional<quint64> objectOffset(quint64 object) const {
        const auto offset =
            number(trailer.offsetTable + object * trailer.offsetSize, trailer.offsetSize);
        if (!offset || *offset < 8 || *offset >= trailer.offsetTable)
            return std::nullopt;
        return offset;
    }

    // The element count of a container or string: in the marker's low four
    // bits, or, when those are all set, in an integer object that follows the
    // marker. Moves `cursor` past the count.
    std::optional<quint64> elementCount(quint64& cursor, uchar marker) const {
        if ((marker & 0x0F) != 0x0F)
            return marker & 0x0F;
        const auto countMarker = number(cursor, 1);
        if (!countMarker || (*countMarker & 0xF0) != 0x10 || (*countMarker & 0x0F) > 3)
            return std::nullopt;
        const int width = 1 << (*countMarker & 0x0F);
        const auto count = number(cursor + 1, width);
        cursor += 1 + width;
        return count;
    }

    void noteInteger(quint64 offset, uchar marker) {
        if (marker == 0x13)
            layout.hasNegativeIntegers |= (*number(offset + 1, 1) & 0x80) != 0;
        if (marker == 0x14)
            layout.hasWideIntegers = true;
    }

    // A frame for `object` with the objects it refers to (none unless it is a
    // container).
    std::optional<Frame> frameFor(quint64 object) {
        const auto offset = objectOffset(object);
        if (!offset)
            return std::nullopt;
        const auto marker = static_cast<uchar>(*number(*offset, 1));
        const int kind = marker >> 4;
        Frame frame;
        frame.object = object;
        frame.isContainer = kind == 0xA || kind == 0xB || kind == 0xC || kind == 0xD;
        if (!frame.isContainer) {
            noteInteger(*offset, marker);
            return frame;
        }
        quint64 cursor = *offset + 1;
        const auto count = elementCount(cursor, marker);
        if (!count || *count > trailer.objectCount)
            return std::nullopt;
        const quint64 references = kind == 0xD ? *count * 2 : *count;
        frame.children.reserve(references);
        for (quint64 i = 0; i < references; ++i) {
            const auto child = number(cursor + i * trailer.referenceSize, trailer.referenceSize);
            if (!child || *child >= trailer.objectCount)
                return std::nullopt;
            frame.children.push_back(*child);
        }
        const bool keysUsable =
            std::all_of(frame.children.begin(), frame.children.begin() + (references - *count),
                        [this](quint64 key) { return isUsableKey(key); });
        if (!keysUsable)
            return std::nullopt;
        return frame;
    }

    // libplist 2.2 aborts the process on a dictionary key with a NUL
    // character in it (an assertion in plist_get_key_val), so such keys, and
    // keys that are not strings at all, count as damage.
    bool isUsableKey(quint64 key) const {
        const auto offset = objectOffset(key);
        if (!offset)
            return false;
        const auto marker = static_cast<uchar>(*number(*offset, 1));
        const int unitSize = (marker >> 4) == 0x5 ? 1 : (marker >> 4) == 0x6 ? 2 : 0;
        quint64 cursor = *offset + 1;
        const auto length = elementCount(cursor, marker);
        if (unitSize == 0 || !length || *length > static_cast<quint64>(data.size()))
            return false;
        for (quint64 i = 0; i < *length; ++i) {
            const auto unit = number(cursor + i * unitSize, unitSize);
            if (!unit || *unit == 0)
                return false;
        }
        return true;
    }

    bool tooDeep() {
        return failure(QStringLiteral("containers are nested deeper than %1 levels").arg(maxDepth));
    }

    // Every frame below the top of the stack is a container, so the stack's
    // size is the nesting level of the container on top.
    bool push(quint64 object) {
        auto frame = frameFor(object);
        if (!frame)
            return failure(QStringLiteral("object %1 is damaged").arg(object));
        if (frame->isContainer && static_cast<int>(stack.size()) >= maxDepth)
            return tooDeep();
        state[object] = State::Open;
        stack.push_back(std::move(*frame));
        return true;
    }

    // Depth-first over the object graph, each object expanded once; what a
    // finished object contributes is remembered for every later reference.
    bool walk() {
        state.assign(trailer.objectCount, State::Unvisited);
        height.assign(trailer.objectCount, 0);
        unfolded.assign(trailer.objectCount, 0);
        if (!push(trailer.topObject))
            return false;
        while (!stack.empty()) {
            Frame& frame = stack.back();
            if (frame.next == frame.children.size()) {
                if (!finish(frame))
                    return false;
                continue;
            }
            const quint64 child = frame.children[frame.next++];
            if (state[child] == State::Open)
                return failure(QStringLiteral("object %1 contains itself").arg(child));
            const bool added = state[child] == State::Done ? addChild(child) : push(child);
            if (!added)
                return false;
        }
        return true;
    }

    // Adds a finished child to the frame on top of the stack. A child reached
    // again through another reference may sit deeper than where it was first
    // walked, so its height is checked against this place too.
    bool addChild(quint64 child) {
        Frame& frame = stack.back();
        if (static_cast<int>(stack.size()) + height[child] > maxDepth)
            return tooDeep();
        frame.childHeight = std::max(frame.childHeight, height[child]);
        frame.unfolded = std::min(frame.unfolded + unfolded[child], maxUnfoldedObjects + 1);
        return true;
    }

    bool finish(const Frame& frame) {
        const quint64 object = frame.object;
        height[object] = frame.isContainer ? frame.childHeight + 1 : 0;
        unfolded[object] = frame.unfolded;
        state[object] = State::Done;
        if (frame.unfolded > maxUnfoldedObjects)
            return failure(QStringLiteral("the file unfolds into more than %1 objects")
                               .arg(maxUnfoldedObjects));
        stack.pop_back();
        return stack.empty() || addChild(object);
    }

    enum class State : uchar { Unvisited, Open, Done };

    const QByteArray& data;
    Trailer trailer;
    BinaryLayout layout;
    QString problem;
    std::vector<Frame> stack;
    std::vector<State> state;
    std::vector<int> height;
    std::vector<quint64> unfolded;
};

} // namespace

std::optional<BinaryLayout> checkBinaryLayout(const QByteArray& bytes, QString& error) {
    return LayoutCheck(bytes).run(error);
}

} // namespace Defaults::detail
