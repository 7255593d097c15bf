// Reproducible sine, cosine, arc tangent and exponential: argument reduction, then a short
// Taylor series evaluated in Horner form, the same operations in the same order on every
// machine (the painter is built without contraction into fused multiply-adds).
#include "assets/painter/maths.h"

#include <algorithm>
#include <cmath>

namespace gachapoko::painter {

namespace {

constexpr double HalfPi = Pi / 2;
constexpr double Ln2 = 0.69314718055994530942;
constexpr double Sqrt3 = 1.73205080756887729353;
constexpr double TanFifteenDegrees = 0.26794919243112270647; // 2 - sqrt(3)

// The angle brought into -pi..pi by whole turns.
double withinHalfTurn(double radians) {
    return radians - std::floor(radians / Tau + 0.5) * Tau;
}

} // namespace

double sine(double radians) {
    double r = withinHalfTurn(radians);
    // sin(pi - r) = sin(r) folds the outer quarters onto -pi/2..pi/2.
    if (r > HalfPi) {
        r = Pi - r;
    } else if (r < -HalfPi) {
        r = -Pi - r;
    }
    // r (1 - r^2/(2*3) (1 - r^2/(4*5) (1 - ...))): the last term, r^23/23!, is below 1e-17.
    const double r2 = r * r;
    double sum = 1;
    for (int n = 11; n >= 1; --n) {
        sum = 1 - r2 / static_cast<double>(2 * n * (2 * n + 1)) * sum;
    }
    return r * sum;
}

double cosine(double radians) {
    double r = std::fabs(withinHalfTurn(radians));
    // cos(r) = -cos(pi - r) folds the outer quarters onto 0..pi/2.
    double sign = 1;
    if (r > HalfPi) {
        r = Pi - r;
        sign = -1;
    }
    const double r2 = r * r;
    double sum = 1;
    for (int n = 11; n >= 1; --n) {
        sum = 1 - r2 / static_cast<double>((2 * n - 1) * 2 * n) * sum;
    }
    return sign * sum;
}

double arcTangent2(double y, double x) {
    if (x == 0 && y == 0) {
        return 0;
    }
    const double ax = std::fabs(x), ay = std::fabs(y);
    const bool steep = ay > ax;
    double t = steep ? ax / ay : ay / ax; // 0 to 1
    // atan(t) = pi/6 + atan((sqrt(3) t - 1) / (sqrt(3) + t)) brings t within tan(15 degrees).
    double angle = 0;
    if (t > TanFifteenDegrees) {
        t = (Sqrt3 * t - 1) / (Sqrt3 + t);
        angle = Pi / 6;
    }
    // t (1 - t^2 (1/3 - t^2 (1/5 - ...))): the last term, t^31/31, is below 1e-19.
    const double t2 = t * t;
    double sum = 0;
    for (int n = 15; n >= 0; --n) {
        sum = 1 / static_cast<double>(2 * n + 1) - t2 * sum;
    }
    angle += t * sum;
    if (steep) {
        angle = HalfPi - angle;
    }
    if (x < 0) {
        angle = Pi - angle;
    }
    return y < 0 ? -angle : angle;
}

double exponential(double x) {
    // e^x = 2^n e^r with |r| <= ln(2)/2; the scaling by 2^n is exact.
    const double n = std::clamp(std::floor(x / Ln2 + 0.5), -1000.0, 1000.0);
    const double r = x - n * Ln2;
    // 1 + r (1 + r/2 (1 + r/3 (...))): the last term, r^15/15!, is below 1e-19.
    double sum = 1;
    for (int k = 15; k >= 1; --k) {
        sum = 1 + r / static_cast<double>(k) * sum;
    }
    return std::ldexp(sum, static_cast<int>(n));
}

} // namespace gachapoko::painter
