// Preloaded (LD_PRELOAD) into an application under test: hides the OpenGL
// extensions named in KAVOR_HIDE_GL_EXTENSIONS (separated by spaces) from the
// driver's extension lists, so start-up can be tested as on a card without
// them. Mesa keeps some extensions on whatever its own override asks.
#include <GL/gl.h>
#include <GL/glx.h>
#include <dlfcn.h>

#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

namespace {
using GetStringFn = const GLubyte* (*)(GLenum);
using GetStringiFn = const GLubyte* (*)(GLenum, GLuint);
using ProcAddressFn = __GLXextFuncPtr (*)(const GLubyte*);

// Stands in for a hidden name in the indexed list, which keeps its length.
const GLubyte* const kPlaceholder = reinterpret_cast<const GLubyte*>("GL_KAVOR_hidden_extension");

GetStringiFn realGetStringi = nullptr;

bool hidden(const std::string& name) {
    const char* list = std::getenv("KAVOR_HIDE_GL_EXTENSIONS");
    std::istringstream names(list ? list : "");
    for (std::string entry; names >> entry;)
        if (entry == name)
            return true;
    return false;
}

template <typename Fn>
Fn next(const char* symbol) {
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, symbol));
}

const GLubyte* filteredGetStringi(GLenum name, GLuint index) {
    const GLubyte* text = realGetStringi(name, index);
    if (name == GL_EXTENSIONS && text && hidden(reinterpret_cast<const char*>(text)))
        return kPlaceholder;
    return text;
}

__GLXextFuncPtr wrapped(const GLubyte* name, __GLXextFuncPtr function) {
    if (function && std::strcmp(reinterpret_cast<const char*>(name), "glGetStringi") == 0) {
        realGetStringi = reinterpret_cast<GetStringiFn>(function);
        return reinterpret_cast<__GLXextFuncPtr>(&filteredGetStringi);
    }
    return function;
}
}  // namespace

extern "C" {

const GLubyte* glGetString(GLenum name) {
    static const GetStringFn real = next<GetStringFn>("glGetString");
    const GLubyte* text = real(name);
    if (name != GL_EXTENSIONS || !text)
        return text;
    static std::string kept;
    std::istringstream all(reinterpret_cast<const char*>(text));
    kept.clear();
    for (std::string entry; all >> entry;)
        if (!hidden(entry))
            kept += entry + " ";
    return reinterpret_cast<const GLubyte*>(kept.c_str());
}

__GLXextFuncPtr glXGetProcAddressARB(const GLubyte* name) {
    static const ProcAddressFn real = next<ProcAddressFn>("glXGetProcAddressARB");
    return wrapped(name, real(name));
}

__GLXextFuncPtr glXGetProcAddress(const GLubyte* name) {
    static const ProcAddressFn real = next<ProcAddressFn>("glXGetProcAddress");
    return wrapped(name, real(name));
}
}
