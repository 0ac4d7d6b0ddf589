#include "defaults/PropertyList.h"
