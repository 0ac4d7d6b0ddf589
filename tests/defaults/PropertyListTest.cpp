#include "defaults/PropertyList.h"

#include <gtest/gtest.h>
