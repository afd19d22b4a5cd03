#pragma once
#include <cstdint>
#include <iosfwd>
#include <vector>

#include "Basic/CVector2.h"
#include "CLine.h"

class CLineHead;

// The playing field: an RGB image in main memory, rows from y = 0 (bottom)
// upwards, and the fills that claim the areas the trail encloses. Only draw()
// touches OpenGL; everything else works without a window.
class CPixelBuffer {
public:
    struct Rgb {
        std::uint8_t red, green, blue;
        bool operator==(const Rgb& o) const { return red == o.red && green == o.green && blue == o.blue; }
        bool operator!=(const Rgb& o) const { return !(*this == o); }
    };
    static constexpr Rgb FREE{150, 200, 250};
    static constexpr Rgb TRAIL{250, 10, 10};
    static constexpr Rgb CLAIMED{200, 200, 60};      // row pairs, single crossings
    static constexpr Rgb EDGE_CLAIMED{20, 200, 60};  // row scan, last crossing to a side
    static constexpr Rgb COLUMN_PAIR{20, 20, 255};   // column with exactly two crossings
    static constexpr Rgb COLUMN_PAIRS{120, 80, 80};  // column with four or more

    // Edge codes left in lastBorder by isOnBorder.
    enum Border { NO_BORDER = -1, LEFT = 0, RIGHT = 1, TOP = 2, BOTTOM = 3 };

    CPixelBuffer();
    virtual ~CPixelBuffer() = default;

    // Resizes to width x height and paints every pixel FREE.
    virtual void init(std::uint32_t width, std::uint32_t height);
    // Writes nothing outside the field.
    virtual void setPixel(std::uint32_t x, std::uint32_t y, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    // Coordinates truncate towards zero; negative ones land on row/column 0.
    virtual void setPixel(const CVector2& position, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    // Draws the field with its bottom-left corner at the current raster
    // position, pixel for pixel, whatever texturing, depth or blending state
    // the rest of the frame left switched on.
    virtual void draw() const;
    virtual void fillRows(const CLine& trail, const CLineHead& head);
    virtual void fillColumns(const CLine& trail, const CLineHead& head);
    // Paints every trail point FREE, then empties the trail.
    virtual void clearTrail(CLine& trail);
    // True when the position is on or beyond an edge; records which edge.
    virtual bool isOnBorder(const CVector2& position);

    // setPixel with one of the colours above.
    void paint(const CVector2& position, Rgb colour);

    // The scans over trail points already grouped per row / column
    // (buckets[k] = the crossings of row or column k, in trail order).
    void fillRows(const CLine::Buckets& rows, const CLineHead& head);
    void fillColumns(const CLine::Buckets& columns, const CLineHead& head);

    // Where the debugging lines go (standard output unless changed).
    void setOutput(std::ostream& stream) { out = &stream; }

    Rgb getPixel(std::uint32_t x, std::uint32_t y) const;  // throws std::out_of_range
    const std::vector<std::uint8_t>& getPixels() const { return pixels; }
    std::uint32_t getWidth() const { return width; }
    std::uint32_t getHeight() const { return height; }
    int getLastBorder() const { return lastBorder; }

    static std::uint32_t toIndex(float coordinate);

private:
    enum class Axis { X, Y };

    void fillRow(const std::vector<CVector2>& crossings, const CLineHead& head);
    void fillColumn(const std::vector<CVector2>& crossings, const CLineHead& head);
    void fillPairs(const std::vector<CVector2>& crossings, Axis axis, Rgb colour);
    void fillToEdge(const CVector2& crossing, Axis axis, bool towardsZero, Rgb colour);
    void fillSpan(const CVector2& first, const CVector2& second, Axis axis, Rgb colour);
    std::uint32_t extent(Axis axis) const { return axis == Axis::X ? width : height; }
    std::size_t offset(std::uint32_t x, std::uint32_t y) const { return y * rowStride + x * std::size_t{3}; }

    std::vector<std::uint8_t> pixels;
    std::uint32_t height = 0;
    std::uint32_t width = 0;
    std::size_t rowStride = 0;  // bytes per row; wide enough for any width
    int lastBorder = NO_BORDER;
    std::ostream* out;
};
