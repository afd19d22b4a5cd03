#pragma once
#include <cstddef>
#include <cstdint>

// One OpenGL buffer object holding static vertex data; the name is deleted
// with the object. Made empty; upload creates the name on first use.
class GLBuffer {
public:
    GLBuffer() = default;
    ~GLBuffer();
    GLBuffer(GLBuffer&& other) noexcept;
    GLBuffer& operator=(GLBuffer&& other) noexcept;
    GLBuffer(const GLBuffer&) = delete;
    GLBuffer& operator=(const GLBuffer&) = delete;

    // Copies bytes into the buffer (GL_ARRAY_BUFFER, GL_STATIC_DRAW), which
    // is left bound.
    void upload(const void* data, std::size_t bytes);
    // Binds it to GL_ARRAY_BUFFER.
    void bind() const;
    std::uint32_t name() const { return name_; }

private:
    void release();

    std::uint32_t name_ = 0;
};
