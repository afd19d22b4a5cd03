#pragma once
#include <memory>

#include "core/cApp.h"

class CTexture;
class CParticleSystem;
class CCamera2D;
class CParallaxScroll;

// The program's application: a full-screen 1024 x 768 2D scene scrolled with
// the arrow keys or by pushing the mouse against a screen edge.
class testParallax : public cApp {
public:
    testParallax();
    ~testParallax() override;

    // Opens the window and loads the content; false when no window could be
    // opened, in which case the program must end.
    virtual bool init();
    virtual void run();
    virtual void render();

private:
    void configureParticles();
    void buildScroller();
    void scrollLeft();
    void scrollRight();

    std::unique_ptr<CTexture> logo;
    std::unique_ptr<CParticleSystem> particles;  // configured, never drawn
    std::unique_ptr<CCamera2D> camera;
    std::unique_ptr<CParallaxScroll> scroller;
};
