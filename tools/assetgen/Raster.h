#pragma once
#include <functional>
#include <vector>

#include "Color.h"
#include "Image.h"

// Anti-aliased shape filling by supersampling: each pixel is covered by the
// fraction of a 4 x 4 grid of sample points that lies inside the shape.
namespace Raster {

struct Point {
    float x;
    float y;
};

using Inside = std::function<bool(float, float)>;
using Shader = std::function<Color(float, float)>;

// Paints every pixel of the box [minX, maxX] x [minY, maxY] by the coverage
// of the inside test, in the colour the shader gives for the pixel centre.
void shadeShape(Image& target, float minX, float minY, float maxX, float maxY, const Inside& inside,
                const Shader& shader);

// The same in one colour; shared by the shapes below.
void fillShape(Image& target, float minX, float minY, float maxX, float maxY, const Color& color, const Inside& inside);

// Polygon with the even-odd rule, vertices in pixel coordinates.
void fillPolygon(Image& target, const std::vector<Point>& polygon, const Color& color);

// A band of the given width centred on the polygon's closed outline.
void strokePolygon(Image& target, const std::vector<Point>& polygon, float width, const Color& color);

// The same band along an open line through the points.
void strokePolyline(Image& target, const std::vector<Point>& line, float width, const Color& color);

// Soft round spot: alpha falls from the centre to zero at the radius as
// (1 - d^2 / r^2)^2, which is smooth at both ends.
void fillGlow(Image& target, float cx, float cy, float radius, const Color& color);

// Signed distance to a rounded rectangle: negative inside.
float roundedBoxDistance(float x, float y, float left, float top, float right, float bottom, float radius);

// A rounded rectangle whose outer band of borderWidth pixels is the border
// colour and whose inside the body shader colours.
void fillRoundedPlate(Image& target, float left, float top, float right, float bottom, float radius, float borderWidth,
                      const Color& border, const Shader& body);

}  // namespace Raster
