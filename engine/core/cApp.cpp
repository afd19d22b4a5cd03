#include "core/cApp.h"

#include "core/Engine.h"
#include "runtime/EngineGlobals.h"

cApp::cApp() : engine(std::make_unique<Engine>()) { EngineGlobals::engine = engine.get(); }

cApp::~cApp() { EngineGlobals::engine = nullptr; }
