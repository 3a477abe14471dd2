#include "field/shapes.h"

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
