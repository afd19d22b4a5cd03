#include "graphics/CFont.h"

#include <algorithm>

#include "graphics/CShader.h"
#include "graphics/CShaderManager.h"
#include "graphics/CTGALoader.h"
#include "graphics/TintUniform.h"
#include "runtime/EngineGlobals.h"

namespace {
const int kCells = 256;
const float kCell = 1.0f / 16.0f;
const float kTopInset = 0.001f;
const unsigned char kFirstCode = 32;
const unsigned char kLastCode = 159;

// Codes without a glyph of their own would call the other set's lists, or
// lists that belong to something else; they print as blanks instead.
std::string printableCodes(const std::string& text) {
    std::string codes = text;
    for (char& c : codes) {
        const unsigned char code = static_cast<unsigned char>(c);
        if (code < kFirstCode || code > kLastCode)
            c = static_cast<char>(kFirstCode);
    }
    return codes;
}
}  // namespace

CFont::CFont() : image(std::make_unique<CTGALoader>()) {}

CFont::~CFont() {
    release();
    if (image->textureId != 0)
        glDeleteTextures(1, &image->textureId);
}

GLuint CFont::getTextureId() const { return image->textureId; }

bool CFont::setScale(float x, float y) {
    scaleX = x;
    scaleY = y;
    return true;
}

bool CFont::load(const std::string& path) {
    const GLuint previousTexture = image->textureId;
    const bool loaded = image->load(path);
    if (loaded && previousTexture != 0)
        glDeleteTextures(1, &previousTexture);
    release();
    listBase = glGenLists(kCells);
    glBindTexture(GL_TEXTURE_2D, image->textureId);
    buildLists();
    if (EngineGlobals::shaderManager)
        shader = EngineGlobals::shaderManager->getShader(SIMPLE_TEXTURE);
    return loaded;
}

// Cell i is column i mod 16, row i div 16 counted from the top of the
// picture; texture row 0 is the picture's bottom row.
void CFont::buildLists() {
    for (int i = 0; i < kCells; ++i) {
        const float cx = static_cast<float>(i % 16) / 16.0f;
        const float cy = static_cast<float>(i / 16) / 16.0f;
        glNewList(listBase + static_cast<GLuint>(i), GL_COMPILE);
        glBegin(GL_QUADS);
        glTexCoord2f(cx, 1.0f - cy - kCell);
        glVertex2i(0, 16);
        glTexCoord2f(cx + kCell, 1.0f - cy - kCell);
        glVertex2i(16, 16);
        glTexCoord2f(cx + kCell, 1.0f - cy - kTopInset);
        glVertex2i(16, 0);
        glTexCoord2f(cx, 1.0f - cy - kTopInset);
        glVertex2i(0, 0);
        glEnd();
        glTranslated(12.0, 0.0, 0.0);
        glEndList();
    }
}

bool CFont::release() {
    if (listBase != 0)
        glDeleteLists(listBase, kCells);
    listBase = 0;
    return true;
}

bool CFont::print(float x, float y, std::uint8_t set, const std::string& text) {
    return print(x, y, set, colour.red, colour.green, colour.blue, colour.alpha, scaleX, scaleY, text);
}

bool CFont::print(const CVector2& position, std::uint8_t set, const std::string& text) {
    return print(position.x, position.y, set, text);
}

bool CFont::print(float x, float y, std::uint8_t set, float red, float green, float blue, const std::string& text) {
    return print(x, y, set, red, green, blue, 1.0f, scaleX, scaleY, text);
}

bool CFont::print(const CVector2& position, std::uint8_t set, float red, float green, float blue,
                  const std::string& text) {
    return print(position.x, position.y, set, red, green, blue, text);
}

bool CFont::print(float x, float y, std::uint8_t set, float red, float green, float blue, float alpha, float sx,
                  float sy, const std::string& text) {
    if (text.empty() || listBase == 0)
        return true;
    set = std::min<std::uint8_t>(set, FONT_ALTERNATE_BOLD);
    const bool bold = set >= FONT_NORMAL_BOLD;
    const GLuint base = listBase - kFirstCode + 128u * (bold ? set - 2u : set);
    const std::string codes = printableCodes(text);

    // Everything touched below comes back with the attribute stack, the
    // matrix stacks and the saved program.
    GLint program = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_TEXTURE_BIT | GL_LIST_BIT | GL_TRANSFORM_BIT |
                 GL_CURRENT_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glEnable(GL_SCISSOR_TEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, viewport[2], viewport[3], 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    if (glActiveTexture)
        glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, image->textureId);

    drawPass(x, y, base, red, green, blue, alpha, sx, sy, codes);
    if (bold)
        drawPass(x + 1.0f, y, base, red, green, blue, alpha, sx, sy, codes);

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
    if (glUseProgram)
        glUseProgram(static_cast<GLuint>(program));
    return true;
}

void CFont::drawPass(float x, float y, GLuint base, float red, float green, float blue, float alpha, float sx, float sy,
                     const std::string& codes) {
    glLoadIdentity();
    glTranslated(x, y, 0.0);
    glListBase(base);
    glScalef(sx, sy, 1.0f);
    if (shader) {
        shader->bind();
        TintUniform::set(shader, red, green, blue, alpha);
    }
    glColor4f(red, green, blue, alpha);  // the same colour for fixed-function drawing
    glCallLists(static_cast<GLsizei>(codes.size()), GL_UNSIGNED_BYTE, codes.data());
    if (shader)
        shader->unbind();
}

void CFont::setColor(const FontColor& value) { colour = value; }

void CFont::setColor(float red, float green, float blue, float alpha) { colour = FontColor{red, blue, green, alpha}; }
