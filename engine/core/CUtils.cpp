#include "core/CUtils.h"

#include <GL/glew.h>
#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <utility>

#include "Basic/C3DMath.h"
#include "bytes/TextFormat.h"
#include "graphics/CGraphicsCore.h"
#include "graphics/ImageLoading.h"
#include "runtime/EngineGlobals.h"
#include "runtime/FrameClock.h"
#include "xml/XmlText.h"

namespace {

// v x 255 truncated toward zero into 16 bits; saturates instead of leaving
// out-of-range and NaN values undefined.
int toInt16Scaled(float v) {
    const float scaled = v * 255.0f;
    if (std::isnan(scaled))
        return 0;
    const float lo = std::numeric_limits<std::int16_t>::min();
    const float hi = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(scaled, lo, hi));
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

void glTranslate(const CVector3& v) { glTranslatef(v.x, v.y, v.z); }

}  // namespace

std::string CUtils::format(const char* fmt, ...) const {
    va_list args;
    va_start(args, fmt);
    std::string text = TextFormat::formatList(fmt, args);
    va_end(args);
    return text;
}

void CUtils::updateFps() {
    const FrameClock::Tick tick = FrameClock::advance();
    deltaTime = tick.deltaTime;
    if (!tick.secondPassed)
        return;
    fps = tick.fps;
    if (EngineGlobals::graphicsCore)
        SDL_WM_SetCaption((EngineGlobals::graphicsCore->getCaption() + FrameClock::fpsText()).c_str(), "");
}

float CUtils::getDeltaTime() const { return deltaTime; }

int CUtils::getFps() const { return fps; }

std::string CUtils::getFpsText() const { return FrameClock::fpsText(); }

std::vector<float> CUtils::parseFloatList(const std::string& text) const {
    static const std::string separator = ", ";
    std::vector<float> values;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        const std::string piece = text.substr(start, end - start);
        values.push_back(static_cast<float>(std::strtod(piece.c_str(), nullptr)));
        if (end == std::string::npos)
            return values;
        start = end + separator.size();
    }
}

std::string CUtils::floatsToHex(const std::vector<float>& values) const {
    std::string out;
    for (float v : values)
        out += format("%.2X", static_cast<unsigned>(toInt16Scaled(v)));
    return out;
}

std::uint32_t CUtils::hexToUint(const std::string& text) const {
    std::uint64_t result = 0;
    for (char c : text) {
        const int digit = hexDigit(c);
        if (digit < 0)
            throw std::runtime_error(std::string("Invalid character '") + c + "' for hexToUint()");
        result = result * 16 + static_cast<std::uint64_t>(digit);
        if (result > std::numeric_limits<std::uint32_t>::max())
            throw std::runtime_error("Value '" + text + "' is too large for hexToUint()");
    }
    return static_cast<std::uint32_t>(result);
}

bool CUtils::strToBool(const std::string& text) const {
    std::string word = text;
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const char* yes : {"1", "y", "yes", "on", "true"})
        if (word == yes)
            return true;
    for (const char* no : {"0", "n", "no", "off", "false"})
        if (word == no)
            return false;
    throw std::runtime_error("strToBool() cannot parse '" + text + "'.");
}

std::string CUtils::boolToStr(bool value) const { return value ? "true" : "false"; }

std::string CUtils::escapeXml(const std::string& text) const { return XmlText::escape(text); }

std::string CUtils::unescapeXml(const std::string& text) const { return XmlText::unescape(text); }

void CUtils::drawCube(const CVector3& position) {
    struct Face {
        CVector3 colour;
        CVector3 corners[4];  // counter-clockwise seen from outside
    };
    static const Face faces[] = {
        {{0, 1, 0}, {{-1, 1, -1}, {-1, 1, 1}, {1, 1, 1}, {1, 1, -1}}},         // top
        {{1, 0.5f, 0}, {{-1, -1, -1}, {1, -1, -1}, {1, -1, 1}, {-1, -1, 1}}},  // bottom
        {{1, 0, 0}, {{-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}}},         // front
        {{1, 1, 0}, {{-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}, {1, -1, -1}}},     // back
        {{0, 0, 1}, {{-1, -1, -1}, {-1, -1, 1}, {-1, 1, 1}, {-1, 1, -1}}},     // left
        {{1, 0, 1}, {{1, -1, -1}, {1, 1, -1}, {1, 1, 1}, {1, -1, 1}}},         // right
    };
    glDisable(GL_TEXTURE_2D);
    glTranslate(position);
    glBegin(GL_QUADS);
    for (const Face& face : faces) {
        glColor3fv(face.colour.ptr());
        for (const CVector3& corner : face.corners)
            glVertex3fv(corner.ptr());
    }
    glEnd();
    glTranslate(position * -1.0f);
    glColor3f(1, 1, 1);
}

void CUtils::drawGrid(const CVector3& position) {
    constexpr int kHalfSize = 30;
    glDisable(GL_TEXTURE_2D);
    glTranslate(position);
    glColor3f(0.5f, 0.5f, 0.5f);
    glBegin(GL_LINES);
    for (int i = -kHalfSize; i <= kHalfSize; ++i) {
        const auto f = static_cast<float>(i);
        glVertex3f(f, 0, -kHalfSize);
        glVertex3f(f, 0, kHalfSize);
        glVertex3f(kHalfSize, 0, f);
        glVertex3f(-kHalfSize, 0, f);
    }
    glEnd();
    glTranslate(position * -1.0f);
}

void CUtils::drawAxes() {
    constexpr float kLength = 10.0f;
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_LINES);
    glColor3f(1, 0, 0);
    glVertex3f(0, 0, 0);
    glVertex3f(kLength, 0, 0);
    glColor3f(0, 1, 0);
    glVertex3f(0, 0, 0);
    glVertex3f(0, kLength, 0);
    glColor3f(0, 0, 1);
    glVertex3f(0, 0, 0);
    glVertex3f(0, 0, kLength);
    glEnd();
}

std::uint32_t CUtils::loadTexture(const std::string& path) { return ImageLoading::loadTexture(path); }

std::uint32_t CUtils::loadBmpTexture(const std::string& path) { return ImageLoading::loadBmpTexture(path); }

ImageData CUtils::loadImageData(const std::string& path) { return ImageLoading::loadImageData(path); }

void CUtils::swapBytes(std::uint8_t& a, std::uint8_t& b) { std::swap(a, b); }

void CUtils::computeTangentSpace(const CVector3& pa, const CVector3& pb, const CVector3& pc, const CVector2& ta,
                                 const CVector2& tb, const CVector2& tc, CVector3& tangent, CVector3& binormal) {
    ::computeTangentSpace(pa, pb, pc, ta, tb, tc, tangent, binormal);
}
