#pragma once
#include <memory>
#include <string>

class Engine;

// Base of every application. Constructing an application constructs the one
// Engine (and with it every manager) and puts it in the engine slot.
// Applications add init, run and render as their first three operations.
class cApp {
public:
    cApp();
    virtual ~cApp();
    cApp(const cApp&) = delete;
    cApp& operator=(const cApp&) = delete;

protected:
    int width = 1024;
    int height = 768;
    int bpp = 16;
    std::string title = "Engine Demo";
    bool windowFlag = true;  // stored for applications; the engine never reads it

private:
    std::unique_ptr<Engine> engine;
};
