#include "graphics/CShader.h"

#include <GL/glew.h>

#include <algorithm>
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
           glUniform1iARB && glDeleteObjectARB && glGetObjectParameterivARB && glGetInfoLogARB;
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

// The driver's log of a shader or program object, ending in a line break.
std::string infoLog(GLhandleARB object) {
    GLint length = 0;
    glGetObjectParameterivARB(object, GL_OBJECT_INFO_LOG_LENGTH_ARB, &length);
    std::string log(static_cast<size_t>(std::max(length, 1)), '\0');
    GLsizei written = 0;
    glGetInfoLogARB(object, static_cast<GLsizei>(log.size()), &written, log.data());
    log.resize(static_cast<size_t>(std::clamp<GLsizei>(written, 0, static_cast<GLsizei>(log.size()))));
    if (log.empty() || log.back() != '\n')
        log += '\n';
    return log;
}

// Reports a failed compile or link with the driver's log; `what` names the
// files so the message says which source to fix.
bool succeeded(GLhandleARB object, GLenum status, const std::string& what) {
    GLint ok = 0;
    glGetObjectParameterivARB(object, status, &ok);
    if (!ok)
        std::printf("\nCannot %s\n%s", what.c_str(), infoLog(object).c_str());
    return ok != 0;
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
    const bool vertexCompiled =
        succeeded(vertexShader, GL_OBJECT_COMPILE_STATUS_ARB, "compile vertex shader: " + vertexPath);
    const bool fragmentCompiled =
        succeeded(fragmentShader, GL_OBJECT_COMPILE_STATUS_ARB, "compile fragment shader: " + fragmentPath);
    if (vertexCompiled && fragmentCompiled) {
        program = glCreateProgramObjectARB();
        glAttachObjectARB(program, vertexShader);
        glAttachObjectARB(program, fragmentShader);
        glLinkProgramARB(program);
        if (succeeded(program, GL_OBJECT_LINK_STATUS_ARB,
                      "link shader program of " + vertexPath + " and " + fragmentPath + ":"))
            return true;
    }
    // Binding a program that failed would leave the previous one in use;
    // program 0 falls back to fixed-function rendering instead.
    release();
    return false;
}

void CShader::bind() { useProgram(program); }

void CShader::unbind() { useProgram(0); }

std::uint32_t CShader::getProgram() const { return program; }

void CShader::release() {
    deleteObject(program);
    deleteObject(vertexShader);
    deleteObject(fragmentShader);
}
