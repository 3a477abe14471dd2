#pragma once

#include <string_view>
#include <vector>

#include "field/charge_distribution.h"

// Every charge shape, in the order field/shape_list.h lists them.
const std::vector<const ChargeDistribution*>& ChargeShapes();

// The shape the program starts with, the first of the list.
const ChargeDistribution& StartShape();

// The shape's place in that list.
int ShapeIndex(const ChargeDistribution& shape);

// The shape the command line's word names ("anillo"), or none.
const ChargeDistribution* ShapeCalled(std::string_view commandWord);
