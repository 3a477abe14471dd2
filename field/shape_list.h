// The charge shapes the program offers, one line each, the one it starts
// with first: TERVIK_SHAPE(Name) names the function `const
// ChargeDistribution& Name()` that the shape's own file defines. Included
// by field/shapes.cpp only.
TERVIK_SHAPE(UniformSegment)
TERVIK_SHAPE(GrowingSegment)
TERVIK_SHAPE(Ring)
TERVIK_SHAPE(Disk)
