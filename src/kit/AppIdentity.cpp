// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/AppIdentity.h"

namespace kit {

AppIdentity::AppIdentity(const platform::BundleInfo& bundle)
    : id_(bundle.identifier)
    , name_(bundle.name)
    , version_(bundle.version)
    , location_(bundle.location)
    , isSandboxed_(bundle.isSandboxed)
    , isInstalledFromAppStore_(bundle.isInstalledFromStore)
    , packaging_(bundle.packaging) {
    if (id_.isEmpty())
        qFatal("Gapsel/JXKit: the application has no bundle identifier");
    bool isNumber = false;
    build_ = bundle.build.toLongLong(&isNumber, 10);
    if (!isNumber)
        qFatal("Gapsel/JXKit: the build \"%s\" is not an integer", qPrintable(bundle.build));
}

QString AppIdentity::versionWithBuild() const {
    return QStringLiteral("%1 (%2)").arg(version_).arg(build_);
}

} // namespace kit
