#include "graphics/GLBuffer.h"

#include <GL/glew.h>

#include <utility>

GLBuffer::~GLBuffer() { release(); }

GLBuffer::GLBuffer(GLBuffer&& other) noexcept : name_(std::exchange(other.name_, 0)) {}

GLBuffer& GLBuffer::operator=(GLBuffer&& other) noexcept {
    if (this != &other) {
        release();
        name_ = std::exchange(other.name_, 0);
    }
    return *this;
}

void GLBuffer::upload(const void* data, std::size_t bytes) {
    if (!name_)
        glGenBuffersARB(1, &name_);
    bind();
    glBufferDataARB(GL_ARRAY_BUFFER_ARB, static_cast<GLsizeiptrARB>(bytes), data, GL_STATIC_DRAW_ARB);
}

void GLBuffer::bind() const { glBindBufferARB(GL_ARRAY_BUFFER_ARB, name_); }

void GLBuffer::release() {
    if (name_)
        glDeleteBuffersARB(1, &name_);
    name_ = 0;
}
