#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "field/model_in_use.h"
#include "field/world_window.h"
#include "fieldmap/potential_map.h"

class FastLog2;

// A value of the colour bar: its potential and where it stands on the bar,
// from 0 (the lowest potential) to 1 (the highest).
struct ColourTick {
    double volts;
    double position;
};

// Colours for potentials: viridis lightened towards white, perceptually
// uniform and readable with every common colour-vision deficiency, spread
// evenly in log |V| from the potential at the corner of the view farthest from
// the charge to that at one pixel from it. The colour rises with V for either sign of the density;
// potentials beyond either end take the end's colour.
class ColourScale {
public:
    static constexpr int kSteps = 256;

    // For the model's shape, density and view, always from its exact
    // integral. Colours are 0xAARRGGBB, opaque.
    ColourScale(const FieldModel& model, const WorldWindow& area, std::uint32_t noValueColour);

    // 0 to kSteps - 1, rising with V; -1 where there is no value (NaN).
    int stepOf(double volts) const;
    std::uint32_t colourOf(double volts) const;

    // Round values (1, 2 and 5 times a power of ten) within the scale, lowest first.
    std::vector<ColourTick> ticks() const;

    // Paints the map into an image of 32-bit pixels, pixelsPerLine apart.
    void paint(const PotentialMap& map, std::uint32_t* pixels, std::size_t pixelsPerLine) const;

private:
    int stepWith(const FastLog2& log2, double volts) const;

    double sign_;              // of the potentials
    double lowLog2_;           // log2 |V| at the weak end
    double log2Span_;          // log2 of the ratio of the ends
    double stepsPerLog2_ = 0;  // the step is linear in log2 |V|
    double stepAtLog2Zero_ = 0;
    std::uint32_t noValue_;
};
