#pragma once
#include <cstdio>
#include <memory>
#include <string>

// Plain-text log file, truncated at start and flushed after every entry so it
// is complete even when the program ends abnormally. Entries can also be
// echoed to the console. When the file cannot be created the logger still
// works, echoing only.
class CLogger {
public:
    explicit CLogger(const std::string& fileName = "Kavor_Engine.log");
    virtual ~CLogger();
    CLogger(const CLogger&) = delete;
    CLogger& operator=(const CLogger&) = delete;

    virtual void log(const std::string& text, bool echo);

private:
    struct FileCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };

    void writeLine(const std::string& text);

    std::string fileName;
    std::unique_ptr<std::FILE, FileCloser> file;
};
