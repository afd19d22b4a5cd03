#pragma once
#include <memory>
#include <string>
#include <vector>

#include "Basic/CVector3.h"
#include "FileReport.h"

// What the engine's model loaders make of a model file: the counts a game
// object would report and the object-space box right after loading. The
// loaders' console lines go to standard error, so standard output stays the
// one JSON line. A model without a single face is refused.
class ModelReport : public FileReport {
public:
    struct Animation {
        std::string name;
        int start = 0;
        int end = 0;
    };
    struct Counts {
        std::string format;  // "native", "3ds", "md2", "obj"
        std::size_t objects = 0;
        std::size_t faces = 0;
        unsigned long long vertexCount = 0;
        std::size_t materials = 0;
        CVector3 boundsMin, boundsMax;
        int frames = -1;  // MD2 only
        std::vector<Animation> animations;
    };

    explicit ModelReport(Counts counts);

    std::string json() const override;
    bool dump(const std::string& path, std::string& error) const override;

    // Readers for each model kind; on failure they return null and set error.
    static std::unique_ptr<FileReport> native(const std::string& path, std::string& error);
    static std::unique_ptr<FileReport> threeDS(const std::string& path, std::string& error);
    static std::unique_ptr<FileReport> md2(const std::string& path, std::string& error);
    static std::unique_ptr<FileReport> obj(const std::string& path, std::string& error);

private:
    Counts counts_;
};
