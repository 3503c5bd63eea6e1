#include "core/Formulas.h"

#include <iterator>

#include "core/Choices.h"

namespace metalweight {
namespace {

// Single-precision coefficients, widened exactly to double where they are used.
constexpr float kStainlessAllowance = 1.015F;
constexpr float kNeutralAllowance = 1.0F;
// By model type: no letter, a, b, c.
constexpr float kIBeamCoefficients[] = {3.34F, 3.34F, 2.65F, 2.26F};
constexpr float kChannelCoefficients[] = {3.26F, 3.26F, 2.44F, 2.24F};
static_assert(std::size(kIBeamCoefficients) == kTypeC && std::size(kChannelCoefficients) == kTypeC);

constexpr int kDivisor = 100;
constexpr int kPlateMultiplier = 10;

// Coefficient of model type `choice` (1 to 4); any other choice gives 0, which
// leaves the web alone.
double modelCoefficient(const float (&coefficients)[kTypeC], int choice) {
    if (choice < kNoLetter || choice > kTypeC) {
        return 0.0;
    }
    return static_cast<double>(coefficients[choice - 1]);
}

// W = d·(h + c·(b − d))·p / 100, one step at a time.
double beamWeight(double h, double b, double d, double c, double p) {
    const double t1 = b - d;
    const double t2 = c * t1;
    const double t3 = h + t2;
    const double t4 = d * t3;
    const double t5 = t4 * p;
    return t5 / kDivisor;
}

// A square is the product of the value with itself: one rounding, as pow(x, 2) gives.
double square(double x) {
    return x * x;
}

}  // namespace

double guandaojisuan(const CalculatorState& state, double value1, double value2, double p) {
    double s = 0.0;
    float k = kNeutralAllowance;
    // Lead is recognised by its density factor, not by the choice: its first dimension
    // is the inner diameter.
    if (p == kLeadDensityFactor) {
        s = value1 + value2;
    } else {
        s = value1 - value2;
        if (state.choice == kStainlessSteel) {
            k = kStainlessAllowance;
        }
    }
    const double t1 = kPi * p;
    const double t2 = t1 / kDivisor;
    const double t3 = t2 * s;
    const double t4 = t3 * value2;
    return t4 * static_cast<double>(k);
}

double workjisuan(const CalculatorState& state, double value1, double value2, double value3) {
    return beamWeight(value1, value2, value3, modelCoefficient(kIBeamCoefficients, state.choice),
                      state.densityFactor);
}

double caojisuan(const CalculatorState& state, double value1, double value2, double vlaue3) {
    return beamWeight(value1, value2, vlaue3, modelCoefficient(kChannelCoefficients, state.choice),
                      state.densityFactor);
}

double eaquelanglejisuan(double value2, double value3) {
    const double t1 = kAngleConstant * value3;
    const double t2 = 2 * value2;
    const double t3 = t2 - value3;
    return t1 * t3;
}

double anglejisuan(double value1, double value2, double value3) {
    const double t1 = kAngleConstant * value3;
    const double t2 = value1 + value2;
    const double t3 = t2 - value3;
    return t1 * t3;
}

double flatBarWeight(double width, double thickness, double p) {
    const double t1 = width * thickness;
    const double t2 = t1 * p;
    return t2 / kDivisor;
}

double roundBarWeight(double diameter, double p) {
    const double t1 = diameter / 2;
    const double t2 = square(t1);
    const double t3 = t2 * kPi;
    const double t4 = t3 * p;
    return t4 / kDivisor;
}

double squareBarWeight(double side, double p) {
    const double t1 = square(side);
    const double t2 = t1 * p;
    return t2 / kDivisor;
}

double hexagonBarWeight(double acrossFlats, double p) {
    const double t1 = square(acrossFlats);
    const double t2 = t1 * p;
    return t2 * kHexagonConstant;
}

double hollowHexagonBarWeight(double acrossFlats, double holeDiameter, double p) {
    const double bar = hexagonBarWeight(acrossFlats, p);
    const double hole = roundBarWeight(holeDiameter, p);
    return bar - hole;
}

double plateWeight(double thickness, double p) {
    const double t1 = thickness * p;
    return t1 * kPlateMultiplier;
}

}  // namespace metalweight
