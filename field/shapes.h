#pragma once

#include <vector>

#include "field/charge_distribution.h"

// Every charge shape, in the order field/shape_list.h lists them.
const std::vector<const ChargeDistribution*>& ChargeShapes();

// The shape the program starts with, the first of the list.
const ChargeDistribution& StartShape();
