#pragma once
#include "Image.h"

// Mouse pointer images, 32 x 32. The engine draws a pointer with its top-left
// corner at the mouse position, so both put the arrow's tip in that corner.
namespace Pointers {

constexpr int size = 32;

// White arrow with a black outline and a soft shadow.
Image arrow();

// The same arrow, smaller, with a four-way move cross below and to its right;
// shown while a window is dragged.
Image move();

}  // namespace Pointers
