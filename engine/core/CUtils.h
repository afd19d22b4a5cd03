#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Basic/CVector2.h"
#include "Basic/CVector3.h"
#include "bytes/TextFormat.h"
#include "graphics/ImageData.h"

// The engine's toolbox: the frame clock and frame-rate counter behind
// time-scaled movement, the text conversions used by the model and XML code,
// debug drawing and the tangent-space helper of the model loaders.
class CUtils {
public:
    CUtils() = default;
    virtual ~CUtils() = default;

    // printf-style formatting into a string of any length.
    virtual std::string format(const char* fmt, ...) const KAVOR_PRINTF_FORMAT(2, 3);

    // Advances the frame clock; called once per frame. Once more than a
    // second has passed since the last refresh, the frame rate, its text and
    // the window caption are refreshed.
    virtual void updateFps();
    // Seconds between the last two updateFps calls.
    virtual float getDeltaTime() const;
    // Frames counted during the last completed second.
    virtual int getFps() const;
    // " Current FPS: <n>", empty until the first refresh.
    virtual std::string getFpsText() const;

    // Splits at every ", " and reads each piece like strtod (0 if unreadable).
    virtual std::vector<float> parseFloatList(const std::string& text) const;
    // Each value times 255 as upper-case hex of at least two digits.
    virtual std::string floatsToHex(const std::vector<float>& values) const;
    // Hexadecimal digits (no prefix) to a number; throws std::runtime_error
    // on a non-hex character or a value beyond 32 bits.
    virtual std::uint32_t hexToUint(const std::string& text) const;
    // 1/y/yes/on/true and 0/n/no/off/false, any case; throws otherwise.
    virtual bool strToBool(const std::string& text) const;
    virtual std::string boolToStr(bool value) const;
    virtual std::string escapeXml(const std::string& text) const;
    // Exact inverse of escapeXml: &amp; &lt; &gt; are decoded in one pass.
    virtual std::string unescapeXml(const std::string& text) const;

    // Debug geometry in the current OpenGL frame; texturing is switched off.
    // A 2x2x2 cube with one colour per face; leaves the colour white.
    virtual void drawCube(const CVector3& position);
    // A 60x60 grey line grid in the xz plane; leaves the colour grey.
    virtual void drawGrid(const CVector3& position);
    // Red x, green y and blue z axes of length 10; leaves the colour blue.
    virtual void drawAxes();

    // Image files to mipmapped OpenGL texture names (0 when unreadable):
    // ".bmp"/".pcx" in the path select the engine's readers, anything else
    // SDL_image.
    virtual std::uint32_t loadTexture(const std::string& path);
    // A BMP file read through SDL.
    virtual std::uint32_t loadBmpTexture(const std::string& path);
    // A BMP file read through SDL as R, G, B rows bottom first; empty when
    // it cannot be read.
    virtual ImageData loadImageData(const std::string& path);

    virtual void swapBytes(std::uint8_t& a, std::uint8_t& b);
    // Tangent and binormal of a textured triangle. A degenerate texture
    // mapping leaves both outputs untouched.
    virtual void computeTangentSpace(const CVector3& pa, const CVector3& pb, const CVector3& pc, const CVector2& ta,
                                     const CVector2& tb, const CVector2& tc, CVector3& tangent, CVector3& binormal);

private:
    int fps = 0;
    float deltaTime = 0.0f;
};
