// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QLibrary>
#include <QString>

namespace platform {

// A shared library that only a rare action needs (reading a binary property
// list, drawing a QR code), loaded when that action first asks for it rather
// than by every start. Ask for its functions with GAPSEL_LIBRARY_FUNCTION
// and their C names (`plist_free`, not a qualified name), which types each by
// the library's own header. The library stays loaded.
class LibraryOnDemand {
public:
    explicit LibraryOnDemand(const char* fileName)
        : library_(QString::fromUtf8(fileName)) {}

    // The function `name` as a `Function`, or null; loads the library first.
    template <class Function> Function function(const char* name) {
        const auto found = reinterpret_cast<Function>(library_.resolve(name));
        complete_ = complete_ && found != nullptr;
        return found;
    }

    // Whether every function asked for so far was found.
    bool complete() const { return complete_; }
    // Why the library or a function was not found.
    QString errorString() const { return library_.errorString(); }

private:
    QLibrary library_;
    bool complete_ = true;
};

} // namespace platform

#define GAPSEL_LIBRARY_FUNCTION(library, name) (library).function<decltype(&name)>(#name)
