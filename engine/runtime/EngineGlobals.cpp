#include "runtime/EngineGlobals.h"

namespace EngineGlobals {
Engine* engine = nullptr;
CGraphicsCore* graphicsCore = nullptr;
CUtils* utils = nullptr;
CFontManager* fontManager = nullptr;
CTextureManager* textureManager = nullptr;
CEventManager* eventManager = nullptr;
CWindowManager* windowManager = nullptr;
CSoundManager* soundManager = nullptr;
CCamera* camera = nullptr;
CCameraManager* cameraManager = nullptr;
CShaderManager* shaderManager = nullptr;
CLightManager* lightManager = nullptr;
CLogger* logger = nullptr;
C3DGameObjectManager* gameObjectManager = nullptr;
}  // namespace EngineGlobals
