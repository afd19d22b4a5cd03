#pragma once
#include <string>

// What one kind of file reports: the JSON line for standard output, and the
// optional dump written on request.
class FileReport {
public:
    virtual ~FileReport() = default;
    virtual std::string json() const = 0;
    // Writes the --dump file; false with error set when it cannot.
    virtual bool dump(const std::string& path, std::string& error) const = 0;

    // Readers' messages may start or end with line breaks or hold several
    // lines; the inspector reports them on one line.
    static std::string oneLine(std::string text);
};
