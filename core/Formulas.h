#pragma once

#include "core/CalculatorState.h"

// The twelve unit-weight formulas. Dimensions in mm, weights in kg/m (kg/m² for
// plate). Each formula runs as a fixed sequence of single double operations, in
// the order and grouping written, so results are bit-exact; nothing is validated
// here (zero and negative weights come back as computed).
namespace metalweight {

// π as the calculator has always used it: seven decimals, not full precision.
inline constexpr double kPi = 3.1415927;
// Stands in for the density factor in both angle formulas.
inline constexpr double kAngleConstant = 0.00795;
// Hexagon area factor (slightly above √3/2 / 100).
inline constexpr double kHexagonConstant = 0.0086624;

// Pipe: value1 outer diameter (inner for lead), value2 wall; reads `choice`.
double guandaojisuan(const CalculatorState& state, double value1, double value2, double p);
// I-beam: height, leg width, web thickness; reads `choice` and `densityFactor`.
double workjisuan(const CalculatorState& state, double value1, double value2, double value3);
// Channel: height, leg width, web thickness; reads `choice` and `densityFactor`.
double caojisuan(const CalculatorState& state, double value1, double value2, double vlaue3);
// Equal-leg angle: leg width, thickness.
double eaquelanglejisuan(double value2, double value3);
// Unequal-leg angle: long leg, short leg, thickness.
double anglejisuan(double value1, double value2, double value3);

// The seven sections the recalculation evaluates inline.
double flatBarWeight(double width, double thickness, double p);
double roundBarWeight(double diameter, double p);  // also wire
double squareBarWeight(double side, double p);
double hexagonBarWeight(double acrossFlats, double p);
double hollowHexagonBarWeight(double acrossFlats, double holeDiameter, double p);
double plateWeight(double thickness, double p);

}  // namespace metalweight
