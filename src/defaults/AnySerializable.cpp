// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/AnySerializable.h"

#include "defaults/PropertyList.h"

#include <QHash>

namespace Defaults {

QVariant AnySerializable::canonical(const std::optional<QVariant>& stored) {
    if (!stored || !stored->isValid())
        return {};
    return propertyListValue(*stored).value_or(QVariant());
}

AnySerializable AnySerializable::fromStored(QVariant stored) {
    AnySerializable any;
    any.value_ = canonical(stored);
    return any;
}

bool operator==(const AnySerializable& a, const AnySerializable& b) {
    if (a.isNilValue() || b.isNilValue())
        return false;
    return identicalValues(a.value_, b.value_);
}

size_t qHash(const AnySerializable& value, size_t seed) {
    // Equal values have the same type and the same XML form.
    return qHashMulti(seed, value.value().typeId(),
                      propertyListXml({{QStringLiteral("v"), value.value()}}));
}

} // namespace Defaults
