#pragma once
#include "Basic/CVector3.h"

// Debug outlines of boxes, drawn in the current colour and matrix with
// texturing off.
namespace BoxOutline {
// The twelve edges of the axis-aligned box from lo to hi, as GL_LINES.
void draw(const CVector3& lo, const CVector3& hi);
}  // namespace BoxOutline
