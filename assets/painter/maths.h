// The painter's own sine, cosine, arc tangent and exponential. The C library's may differ in
// their last bit between libraries, versions and machines, and one bit is enough to move a
// pixel; these use only + - * / and floor, which IEEE arithmetic rounds alike everywhere, so
// every build paints the same bytes. They are accurate to a few units in the last place.
//
// Elsewhere the painter uses the C library only where IEEE 754 fixes the result exactly: sqrt
// (correctly rounded), and floor, ceil, fabs and ldexp (exact).
#pragma once

#include <algorithm>

namespace gachapoko::painter {

inline constexpr double Pi = 3.14159265358979323846;
inline constexpr double Tau = 2 * Pi;

double sine(double radians);
double cosine(double radians);
// The angle of the point (x, y) from the x axis, -pi to pi, like atan2; 0 for (0, 0).
double arcTangent2(double y, double x);
double exponential(double x);

constexpr double clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

} // namespace gachapoko::painter
