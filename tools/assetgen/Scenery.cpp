#include "Scenery.h"

#include <cstdint>

#include "Clouds.h"
#include "Color.h"
#include "Raster.h"
#include "Ridge.h"
#include "Vegetation.h"
#include "Village.h"

namespace Scenery {
namespace {

constexpr int landscapeWidth = screenWidth * stripCount;

// Late-afternoon daylight: deep blue overhead, pale and warm at the horizon.
const ColorStop skyStops[] = {
    {0.0f, {0.06f, 0.17f, 0.42f}},   {260.0f, {0.26f, 0.49f, 0.80f}}, {400.0f, {0.58f, 0.74f, 0.91f}},
    {480.0f, {0.90f, 0.89f, 0.84f}}, {768.0f, {0.84f, 0.85f, 0.84f}},
};
const Color sunGlowColor = {1.0f, 0.86f, 0.62f, 0.55f};

}  // namespace

Image sky() {
    Image image(screenWidth, screenHeight);
    for (int y = 0; y < screenHeight; ++y)
        for (int x = 0; x < screenWidth; ++x)
            image.set(x, y, gradient(skyStops, 5, static_cast<float>(y)));
    Raster::fillGlow(image, 770.0f, 470.0f, 420.0f, sunGlowColor);
    const CloudRow rows[] = {
        {212.0f, 70.0f, 260.0f, 0.42f, 1.0f, 0.0f, {1.0f, 0.99f, 0.96f}, {0.62f, 0.68f, 0.82f}, 11},
        {300.0f, 45.0f, 170.0f, 0.40f, 0.95f, 0.0f, {0.98f, 0.97f, 0.95f}, {0.68f, 0.74f, 0.86f}, 12},
        {370.0f, 25.0f, 110.0f, 0.45f, 0.85f, 0.0f, {0.96f, 0.95f, 0.93f}, {0.74f, 0.79f, 0.88f}, 13},
    };
    for (const CloudRow& row : rows)
        paintCloudRow(image, row);
    return image;
}

std::vector<Image> landscapeStrips() {
    Image land(landscapeWidth, screenHeight);
    const Ridge ridges[] = {
        {480.0f,
         180.0f,
         520.0f,
         true,
         {0.60f, 0.64f, 0.80f},
         {0.36f, 0.41f, 0.60f},
         {0.66f, 0.72f, 0.84f},
         220.0f,
         0.20f,
         350.0f,
         1000.0f,
         0.05f,
         21},
        {545.0f,
         120.0f,
         380.0f,
         false,
         {0.44f, 0.60f, 0.58f},
         {0.32f, 0.46f, 0.52f},
         {0.40f, 0.54f, 0.58f},
         90.0f,
         0.38f,
         0.0f,
         50.0f,
         0.5f,
         22},
        {590.0f,
         110.0f,
         330.0f,
         false,
         {0.50f, 0.66f, 0.32f},
         {0.32f, 0.50f, 0.28f},
         {0.34f, 0.50f, 0.27f},
         120.0f,
         0.18f,
         0.0f,
         50.0f,
         0.5f,
         23},
        {680.0f,
         120.0f,
         300.0f,
         false,
         {0.42f, 0.62f, 0.20f},
         {0.22f, 0.42f, 0.16f},
         {0.22f, 0.40f, 0.14f},
         120.0f,
         0.05f,
         0.0f,
         60.0f,
         0.5f,
         24},
        {740.0f,
         40.0f,
         260.0f,
         false,
         {0.30f, 0.50f, 0.14f},
         {0.18f, 0.36f, 0.10f},
         {0.14f, 0.30f, 0.09f},
         60.0f,
         0.0f,
         0.0f,
         30.0f,
         0.5f,
         25},
    };
    const Forest forests[] = {
        {5.0f, 9.0f, 7.0f, 0.55f, 25.0f, 0.5f, {0.26f, 0.40f, 0.40f}, {0.38f, 0.52f, 0.50f}, 41},
        {10.0f, 20.0f, 8.0f, 0.50f, 40.0f, 0.4f, {0.18f, 0.36f, 0.18f}, {0.36f, 0.56f, 0.26f}, 42},
        {30.0f, 70.0f, 15.0f, 0.42f, 60.0f, 0.35f, {0.10f, 0.26f, 0.09f}, {0.30f, 0.52f, 0.14f}, 43},
    };
    const float villages[] = {900.0f, 2520.0f, 4300.0f};
    paintRidge(land, ridges[0]);
    paintRidge(land, ridges[1]);
    paintForest(land, ridges[1], forests[0]);
    paintRidge(land, ridges[2]);
    paintForest(land, ridges[2], forests[1]);
    for (std::uint32_t i = 0; i < 3; ++i)
        paintVillage(land, ridges[2], villages[i], 50 + i);
    paintRidge(land, ridges[3]);
    paintForest(land, ridges[3], forests[2]);
    paintRidge(land, ridges[4]);
    paintGrass(land, ridges[4], 60);
    land.bleedColumns();
    std::vector<Image> strips;
    for (int i = 0; i < stripCount; ++i)
        strips.push_back(land.crop(i * screenWidth, screenWidth));
    return strips;
}

Image cloudLayer() {
    Image image(cloudLayerWidth, screenHeight);
    const CloudRow rows[] = {
        {160.0f, 42.0f, 240.0f, 0.45f, 0.92f, 260.0f, {1.0f, 1.0f, 1.0f}, {0.70f, 0.75f, 0.86f}, 31},
        {255.0f, 36.0f, 170.0f, 0.42f, 0.88f, 260.0f, {1.0f, 1.0f, 0.98f}, {0.74f, 0.79f, 0.88f}, 32},
    };
    for (const CloudRow& row : rows)
        paintCloudRow(image, row);
    image.bleedColumns();
    return image;
}

}  // namespace Scenery
