#include "graphics/TintUniform.h"

#include <GL/glew.h>

#include "graphics/CShader.h"

namespace TintUniform {

void set(CShader* shader, float red, float green, float blue, float alpha) {
    if (!shader || shader->getProgram() == 0 || !glGetUniformLocationARB || !glUniform4fARB)
        return;
    const GLint location = glGetUniformLocationARB(shader->getProgram(), "colors");
    if (location >= 0)
        glUniform4fARB(location, red, green, blue, alpha);
}

}  // namespace TintUniform
