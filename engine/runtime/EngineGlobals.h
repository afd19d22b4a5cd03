#pragma once
// Process-wide slots of the engine's managers and the engine-wide enumerations.
// The Engine fills the slots at start-up and owns what they point to; every
// subsystem reaches the managers only through these slots.

class Engine;
class CGraphicsCore;
class CUtils;
class CFontManager;
class CTextureManager;
class CEventManager;
class CWindowManager;
class CSoundManager;
class CCamera;
class CCameraManager;
class CShaderManager;
class CLightManager;
class CLogger;
class C3DGameObjectManager;

// Kind of the input event taken in the current frame.
enum eEvents {
    NO_EVENT = 0,
    KEY_DOWN = 1,
    QUIT = 2,
    LEFT_BUTTON_UP = 3,
    RIGHT_BUTTON_UP = 4,
    LEFT_BUTTON_DOWN = 5,
    RIGHT_BUTTON_DOWN = 6
};

// Shadow technique stored in the graphics core.
enum sShadowTypes { SHADOW_VOLUMES = 0, SHADOW_MAPPING = 1 };

// Identifiers of the built-in shader programs, in load order.
enum Default_Shader_Types {
    SIMPLE_TEXTURE = 0,
    COLOR = 1,
    COLOR_WITH_TEXTURE = 2,
    HEIGHTMAP = 3,
    DIR_PER_PIXEL = 4,
    DIR_PER_VERTEX = 5,
    POINT_LIGHT = 6,
    SPOT_LIGHT = 7,
    TOON = 8,
    DIR_PER_VERTEX_TEX = 9,
    DIR_PER_PIXEL_TEX = 10,
    SHADOW_MAP = 11,
    SHADOW_MAP_PCF = 12,
    PARALLAX_MAP = 13,
    BUILT_IN_SHADER_COUNT = 14
};

namespace EngineGlobals {
extern Engine* engine;
extern CGraphicsCore* graphicsCore;
extern CUtils* utils;
extern CFontManager* fontManager;
extern CTextureManager* textureManager;
extern CEventManager* eventManager;
extern CWindowManager* windowManager;
extern CSoundManager* soundManager;
extern CCamera* camera;
extern CCameraManager* cameraManager;
extern CShaderManager* shaderManager;
extern CLightManager* lightManager;
extern CLogger* logger;
extern C3DGameObjectManager* gameObjectManager;
}  // namespace EngineGlobals
