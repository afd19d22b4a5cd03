#include "runtime/CLogger.h"

namespace {
// Writes the bytes of `text` (embedded NULs included) and a line end.
void putLine(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fputc('\n', stream);
}
}  // namespace

CLogger::CLogger(const std::string& name) : fileName(name), file(std::fopen(name.c_str(), "w")) {
    if (!file) {
        std::printf("Cannot create log file!\n");
        return;
    }
    writeLine("Kavor Engine version 0.03 log");
    writeLine("Logger started...");
}

CLogger::~CLogger() {
    if (file)
        writeLine("Logger stopped...");
}

void CLogger::log(const std::string& text, bool echo) {
    if (file)
        writeLine(text);
    if (echo)
        putLine(stdout, text);
}

void CLogger::writeLine(const std::string& text) {
    putLine(file.get(), text);
    std::fflush(file.get());
}
