#pragma once

#include "field/model_in_use.h"

// The pixels of one axis of a map that mirror others about a coordinate:
// pixel i and pixel sum - i have centres at equal distances on either side.
// They exist only when the mirrored centres fall on pixel centres.
class AxisMirror {
public:
    AxisMirror() = default;  // no pixel mirrors another
    // first: the coordinate of pixel 0's centre; step: from one centre to the next.
    AxisMirror(double first, double step, int count, double about);

    // The mirrored pixels come after the pixels they mirror: [copiedBegin, copiedEnd).
    int copiedBegin() const { return copiedBegin_; }
    int copiedEnd() const { return copiedEnd_; }
    int mirrorOf(int i) const { return sum_ - i; }

private:
    int sum_ = 0;
    int copiedBegin_ = 0;
    int copiedEnd_ = 0;
};

// Whether the model's charge is even, in the front view, about the plane
// x = bisectorX() across the axis (the uniform segment, the ring, the disk, and
// their elements) and in y (all, but for an odd number of charges round the
// ring): each element has its mirror image among the elements, with the same
// charge. The exact model takes the symmetry of its 50 elements.
bool EvenAboutItsPlane(const FieldModel& model);
bool EvenInY(const FieldModel& model);
