// The one blur of the drawing kit: a Gaussian of `deviation` pixels (its standard deviation),
// the picture's edge repeating its outermost pixels. It softens masks before they are painted
// (airbrushed edges, glows, halos) and whole layers.
#pragma once

#include "assets/painter/layer.h"
#include "assets/painter/mask.h"

namespace gachapoko::painter {

void blur(Mask& mask, double deviation);
void blur(Layer& layer, double deviation);

} // namespace gachapoko::painter
