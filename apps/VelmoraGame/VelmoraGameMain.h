#pragma once
#include <memory>

#include "CGameManager.h"
#include "core/cApp.h"
#include "graphics/CTexture.h"

// The picture-claim game: a 600 x 600 field in a 1024 x 768 window, the head
// steered with the arrow keys. Escape or closing the window ends it.
class VelmoraGameMain : public cApp {
public:
    // Opens the window and creates the game; false when no window could be
    // opened, in which case the program must end.
    virtual bool init();
    virtual void run();
    virtual void render();

private:
    std::unique_ptr<CTexture> logo;
    std::unique_ptr<CGameManager> game;
};
