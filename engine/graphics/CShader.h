#pragma once
#include <cstdint>
#include <optional>
#include <string>

// One GLSL program built from a vertex-shader file and a fragment-shader file
// through the ARB shader-object entry points. Owns its OpenGL objects and
// deletes them when destroyed. A shader whose files could not be read, or
// did not compile or link, keeps program 0, so binding it falls back to
// fixed-function rendering.
class CShader {
public:
    CShader() = default;
    virtual ~CShader();
    CShader(const CShader&) = delete;
    CShader& operator=(const CShader&) = delete;

    // Whole contents of the file; none when the path is empty, the file
    // cannot be opened, or it holds no bytes.
    virtual std::optional<std::string> readFile(const std::string& path);
    virtual void setUniform1i(const std::string& name, int value);
    // Reads both files, compiles and links. Returns false (and keeps program
    // 0) when a file is missing, a source does not compile, the program does
    // not link (each reported with the file names and the driver's log), or
    // the context has no shader objects.
    virtual bool load(const std::string& fragmentPath, const std::string& vertexPath);
    virtual void bind();
    virtual void unbind();
    virtual std::uint32_t getProgram() const;

private:
    void release();

    std::uint32_t vertexShader = 0;
    std::uint32_t fragmentShader = 0;
    std::uint32_t program = 0;
};
