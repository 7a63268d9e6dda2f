// The host framework as the module sees it: registration, game services, the multiplayer
// client with its chat record, the drawing object and the two exported game pointers.
//
// Every member function here is defined by whichever host loads the module; the module holds
// exactly one SAMPFUNCS instance and reaches everything else through it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/game_objects.h"
#include "platform/host_api.h"

class SFGame;
class SFRender;
class SFSAMP;

// A texture as the host loaded it; the module only keeps and passes the pointer.
struct stTextureInfo;

// Direct3D 9 device methods the module hooks.
enum eDirect3DDeviceMethods : int32_t {
  D3DMETHOD_PRESENT = 17,
};

using MainLoopCallback = void (*)();
// Present's four 32-bit arguments are passed through untouched; the result is always true.
using PresentCallback = bool(VELOMARK_CALLBACK*)(uint32_t, uint32_t, uint32_t, uint32_t);

class VELOMARK_HOST_API SAMPFUNCS {
 public:
  constexpr SAMPFUNCS() = default;

  bool initPlugin(MainLoopCallback mainLoop, void* moduleHandle);
  SFGame* getGame();
  SFRender* getRender();
  SFSAMP* getSAMP();

 private:
  uint32_t reserved_ = 0;
};

class VELOMARK_HOST_API SFGame {
 public:
  void getScreenResolution(int* width, int* height);
  bool isGTAMenuActive();
  bool isKeyDown(unsigned char key);
};

// The chat record. The module reads only the word at byte offset 8: while it is zero the
// chat window is hidden and the module draws nothing.
struct VELOMARK_HOST_API stChatInfo {
  uint32_t reserved[2];
  uint32_t drawWord;

  void AddChatMessage(uint32_t color, const char* format, ...);
};
static_assert(offsetof(stChatInfo, drawWord) == 8, "the draw word sits at byte offset 8");

class VELOMARK_HOST_API SFSAMP {
 public:
  bool IsInitialized();
  stChatInfo* getChat();
};

class VELOMARK_HOST_API SFRender {
 public:
  bool CanDraw();
  uint32_t BeginRender();
  uint32_t EndRender();
  void DrawBox(int x, int y, int w, int h, uint32_t color);
  void DrawTexture(stTextureInfo* texture, int x, int y, int w, int h, float rotation,
                   uint32_t color);
  stTextureInfo* LoadTextureFromFile(const char* path);
  void registerD3DCallback(eDirect3DDeviceMethods method, PresentCallback callback);
};

// The local player's character and the game object, exported by the host. Both may change
// (or become null) between any two calls, so they are read afresh at every use.
extern "C" VELOMARK_HOST_API CPed* PEDSELF;
extern "C" VELOMARK_HOST_API CGame* GAME;
