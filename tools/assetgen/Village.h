#pragma once
#include <cstdint>

#include "Image.h"
#include "Ridge.h"

// Houses gathered around a church, standing on the ridge line near centre.
void paintVillage(Image& image, const Ridge& ridge, float centre, std::uint32_t seed);
