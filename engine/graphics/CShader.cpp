#include "graphics/CShader.h"

#include <GL/glew.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

// The shader-object entry points exist only once a context with GLSL
// support has been set up; without them every call would jump through a
// null pointer.
bool shaderObjectsAvailable() {
    return glCreateShaderObjectARB && glShaderSourceARB && glCompileShaderARB && glCreateProgramObjectARB &&
           glAttachObjectARB && glLinkProgramARB && glUseProgramObjectARB && glGetUniformLocationARB &&
           glUniform1iARB && glDeleteObjectARB;
}

void useProgram(GLhandleARB program) {
    if (glUseProgramObjectARB)
        glUseProgramObjectARB(program);
}

void deleteObject(std::uint32_t& object) {
    if (object != 0 && glDeleteObjectARB)
        glDeleteObjectARB(object);
    object = 0;
}

GLhandleARB compileShader(GLenum type, const std::string& source) {
    const GLhandleARB shader = glCreateShaderObjectARB(type);
    const GLcharARB* text = source.c_str();
    // The length is passed so a stray zero byte cannot silently cut the text.
    const GLint length = static_cast<GLint>(source.size());
    glShaderSourceARB(shader, 1, &text, &length);
    glCompileShaderARB(shader);
    return shader;
}

}  // namespace

CShader::~CShader() { release(); }

std::optional<std::string> CShader::readFile(const std::string& path) {
    if (path.empty())
        return std::nullopt;
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in)
        return std::nullopt;
    // Streaming the buffer (rather than iterating it) turns read errors,
    // such as a directory given as the path, into an empty result.
    std::ostringstream text;
    text << in.rdbuf();
    if (text.str().empty())
        return std::nullopt;
    return text.str();
}

void CShader::setUniform1i(const std::string& name, int value) {
    // A program that never linked has no uniforms; asking for them would
    // only raise an OpenGL error.
    if (program == 0)
        return;
    glUniform1iARB(glGetUniformLocationARB(program, name.c_str()), value);
}

bool CShader::load(const std::string& fragmentPath, const std::string& vertexPath) {
    release();
    const auto vertexSource = readFile(vertexPath);
    if (!vertexSource)
        std::printf("\nCannot Load vertex shader: %s\n", vertexPath.c_str());
    const auto fragmentSource = readFile(fragmentPath);
    if (!fragmentSource)
        std::printf("\nCannot Load fragment shader: %s\n", fragmentPath.c_str());
    if (!vertexSource || !fragmentSource)
        return false;
    if (!shaderObjectsAvailable()) {
        std::printf("\nCannot build shader program: OpenGL shader objects are not available\n");
        return false;
    }
    vertexShader = compileShader(GL_VERTEX_SHADER_ARB, *vertexSource);
    fragmentShader = compileShader(GL_FRAGMENT_SHADER_ARB, *fragmentSource);
    program = glCreateProgramObjectARB();
    glAttachObjectARB(program, vertexShader);
    glAttachObjectARB(program, fragmentShader);
    glLinkProgramARB(program);
    return true;
}

void CShader::bind() { useProgram(program); }

void CShader::unbind() { useProgram(0); }

std::uint32_t CShader::getProgram() const { return program; }

void CShader::release() {
    deleteObject(program);
    deleteObject(vertexShader);
    deleteObject(fragmentShader);
}
