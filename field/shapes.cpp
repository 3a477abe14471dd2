#include "field/shapes.h"

#include <algorithm>

#define TERVIK_SHAPE(Name) const ChargeDistribution& Name();
#include "field/shape_list.h"
#undef TERVIK_SHAPE

const std::vector<const ChargeDistribution*>& ChargeShapes() {
    static const std::vector<const ChargeDistribution*> shapes{
#define TERVIK_SHAPE(Name) &Name(),
#include "field/shape_list.h"
#undef TERVIK_SHAPE
    };
    return shapes;
}

const ChargeDistribution& StartShape() { return *ChargeShapes().front(); }

int ShapeIndex(const ChargeDistribution& shape) {
    const auto& shapes = ChargeShapes();
    return int(std::find(shapes.begin(), shapes.end(), &shape) - shapes.begin());
}

const ChargeDistribution* ShapeCalled(std::string_view commandWord) {
    for (const ChargeDistribution* shape : ChargeShapes())
        if (shape->words().commandWord == commandWord) return shape;
    return nullptr;
}
