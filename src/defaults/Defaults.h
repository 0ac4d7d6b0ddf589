// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

// The preferences store: typed keys over a preferences domain, the bridges
// that store each kind, and change observation.

#include "defaults/AnySerializable.h"
#include "defaults/CollectionBridges.h"
#include "defaults/Key.h"
#include "defaults/Migration.h"
#include "defaults/Observable.h"
#include "defaults/Observation.h"
#include "defaults/Publisher.h"
#include "defaults/UserDefaults.h"
#include "defaults/ValueBridges.h"
#include "defaults/ValueStream.h"
