// The simulated host framework: every member the module calls, answered from the game state and
// reported to the observer.
#include <algorithm>
#include <cinttypes>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <memory>
#include <vector>

#include "platform/host_framework.h"
#include "platform/windows_api.h"
#include "sim/host/game_addresses.h"
#include "sim/host/game_objects.h"
#include "sim/host/host.h"
#include "sim/host/scenario_clock.h"

namespace {

struct HostData {
  GameState state;
  uint32_t tick = 0;
  HostObserver* observer = nullptr;
  host::TextureDecoder decoder = nullptr;
  MainLoopCallback mainLoop = nullptr;
  PresentCallback present = nullptr;
  stChatInfo chat{};
  std::map<uint32_t, uint32_t> memory;
  std::vector<std::unique_ptr<stTextureInfo>> textures;
};

HostData& Data() {
  static HostData data;
  return data;
}

SFGame gameServices;
SFRender render;
SFSAMP client;

void Query(std::string_view name) {
  if (HostObserver* observer = Data().observer) observer->OnQuery(name);
}

void Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Trace(const char* format, ...) {
  HostObserver* observer = Data().observer;
  if (observer == nullptr) return;
  char line[2048];
  va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  if (length < 0) return;
  const size_t size = static_cast<size_t>(length) < sizeof line ? static_cast<size_t>(length)
                                                                 : sizeof line - 1;
  observer->OnTraceLine(std::string_view(line, size));
}

// Puts the exported pointers in line with the state before the module runs.
void SyncExports() {
  const GameState& state = Data().state;
  PEDSELF = state.ped ? &SimPed() : nullptr;
  GAME = state.game ? &SimGame() : nullptr;
}

}  // namespace

CPed* PEDSELF = nullptr;
CGame* GAME = nullptr;

const GameState& SimState() { return Data().state; }
void ReportQuery(std::string_view name) { Query(name); }
void ReportDisplayComponent(int32_t component, bool shown) {
  Trace("displaySetComponent %" PRId32 " %s", component, shown ? "true" : "false");
}

bool SAMPFUNCS::initPlugin(MainLoopCallback mainLoop, void*) {
  Trace("initPlugin");
  Data().mainLoop = mainLoop;
  return true;
}
SFGame* SAMPFUNCS::getGame() { return &gameServices; }
SFRender* SAMPFUNCS::getRender() { return &render; }
SFSAMP* SAMPFUNCS::getSAMP() { return &client; }

void SFGame::getScreenResolution(int* width, int* height) {
  Query("getScreenResolution");
  *width = Data().state.screenWidth;
  *height = Data().state.screenHeight;
}
bool SFGame::isGTAMenuActive() {
  Query("isGTAMenuActive");
  return Data().state.menuActive;
}
bool SFGame::isKeyDown(unsigned char key) {
  Query("isKeyDown");
  return key == 2 && Data().state.rightMouse;
}

bool SFSAMP::IsInitialized() {
  Query("IsInitialized");
  return Data().state.clientInitialized;
}
stChatInfo* SFSAMP::getChat() {
  Query("getChat");
  Data().chat.drawWord = Data().state.chatWord;
  return &Data().chat;
}

void stChatInfo::AddChatMessage(uint32_t color, const char* format, ...) {
  char text[1536];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  Trace("AddChatMessage 0x%08" PRIX32 " %s", color, text);
}

bool SFRender::CanDraw() {
  Query("CanDraw");
  return Data().state.canDraw;
}
uint32_t SFRender::BeginRender() {
  Trace("BeginRender");
  return 1;
}
uint32_t SFRender::EndRender() {
  Trace("EndRender");
  return 1;
}
void SFRender::DrawBox(int x, int y, int w, int h, uint32_t color) {
  Trace("DrawBox %d %d %d %d 0x%08" PRIX32, x, y, w, h, color);
  if (HostObserver* observer = Data().observer) observer->OnDrawBox(x, y, w, h, color);
}
void SFRender::DrawTexture(stTextureInfo* texture, int x, int y, int w, int h, float rotation,
                           uint32_t color) {
  Trace("DrawTexture %s %d %d %d %d %g 0x%08" PRIX32, texture ? texture->path : "(null)", x, y,
        w, h, static_cast<double>(rotation), color);
  HostObserver* observer = Data().observer;
  if (observer != nullptr && texture != nullptr) observer->OnDrawTexture(*texture, x, y, w, h, color);
}
stTextureInfo* SFRender::LoadTextureFromFile(const char* path) {
  Trace("LoadTextureFromFile %s", path);
  auto texture = std::make_unique<stTextureInfo>();
  std::snprintf(texture->path, sizeof texture->path, "%s", path);
  char hostPath[sizeof texture->path];
  std::snprintf(hostPath, sizeof hostPath, "%s", path);
  for (char* c = hostPath; *c; ++c) {
    if (*c == '\\') *c = '/';
  }
  host::TextureDecoder decoder = Data().decoder;
  if (decoder == nullptr || !decoder(hostPath, texture->image)) return nullptr;
  Data().textures.push_back(std::move(texture));
  return Data().textures.back().get();
}
void SFRender::registerD3DCallback(eDirect3DDeviceMethods method, PresentCallback callback) {
  Trace("registerD3DCallback %d", static_cast<int>(method));
  if (method == D3DMETHOD_PRESENT) Data().present = callback;
}

uint32_t ScenarioTick() {
  Query("GetTickCount");
  return Data().tick;
}

namespace {

// A store of the module at a game address: traced, and kept for host::GameWord.
void RecordStore(uint32_t address, uint32_t value) {
  Trace("WriteMemory 0x%08" PRIX32 " 0x%08" PRIX32, address, value);
  Data().memory[address] = value;
}

}  // namespace

#if !defined(_WIN32)

// Off Windows the module asks the host for the tick and for every read and store of game
// memory, so the host keeps the game's memory and has nothing to do around a callback.
extern "C" DWORD GetTickCount() { return ScenarioTick(); }

extern "C" int32_t ReadGameInt32(uint32_t address) {
  Query("ReadGameInt32");
  if (address == kWantedLevelAddress) return Data().state.wanted;
  return static_cast<int32_t>(host::GameWord(address));
}

extern "C" void WriteGameWord(uint32_t address, uint32_t value) { RecordStore(address, value); }

namespace {
void ResetGameMemory() {}
void PutStateInGameMemory() {}
void CollectStores() {}
}  // namespace

#else

// On Windows the module reads and stores the game's fixed addresses itself, as in the game (its
// GetTickCount is the host's, see module_loader.cpp). The addresses lie in the image of the
// program that drives the host, which is based where the game's image is and reserves them
// (velomark-sim.exe: sim/cli/game_image_windows.cpp). The host puts the wanted level there
// before each callback and, when the callback returns, traces each store found, in address order.
namespace {

void* GameAddress(uint32_t address) {
  return reinterpret_cast<void*>(static_cast<uintptr_t>(address));
}
uint32_t LoadGameWord(uint32_t address) {
  uint32_t value;
  std::memcpy(&value, GameAddress(address), sizeof value);
  return value;
}
void StoreGameWord(uint32_t address, uint32_t value) {
  std::memcpy(GameAddress(address), &value, sizeof value);
}

// What the store addresses hold before the module writes them: a signalling NaN. The module
// never stores one (its settings reader yields only quiet NaNs, and the other two words are
// constants), so each of its stores shows as a change, even a store of 0.
constexpr uint32_t kUnwrittenWord = 0x7FA00001;

bool InImage(uint32_t address) {
  MEMORY_BASIC_INFORMATION region{};
  return VirtualQuery(GameAddress(address), &region, sizeof region) == sizeof region &&
         region.State == MEM_COMMIT && region.Type == MEM_IMAGE;
}

// A host driven by a program without the reserved image would fault on the first access.
void RequireGameImage() {
  static const bool mapped = InImage(kWantedLevelAddress) &&
                             std::all_of(std::begin(kStoreAddresses), std::end(kStoreAddresses),
                                         InImage);
  if (mapped) return;
  std::fprintf(stderr,
               "simulated host: the game's fixed addresses are not in this program's image; "
               "the program must reserve them as velomark-sim.exe does\n");
  std::abort();
}

void ResetGameMemory() {
  RequireGameImage();
  StoreGameWord(kWantedLevelAddress, 0);
  for (uint32_t address : kStoreAddresses) StoreGameWord(address, kUnwrittenWord);
}

void PutStateInGameMemory() {
  StoreGameWord(kWantedLevelAddress, static_cast<uint32_t>(Data().state.wanted));
}

void CollectStores() {
  for (uint32_t address : kStoreAddresses) {
    const auto known = Data().memory.find(address);
    const uint32_t before = known == Data().memory.end() ? kUnwrittenWord : known->second;
    const uint32_t now = LoadGameWord(address);
    if (now != before) RecordStore(address, now);
  }
}

}  // namespace

#endif  // _WIN32

namespace host {

void Reset() {
  HostData& data = Data();
  data.state = GameState{};
  data.tick = 0;
  data.observer = nullptr;
  data.decoder = nullptr;
  data.mainLoop = nullptr;
  data.present = nullptr;
  data.chat = stChatInfo{};
  data.memory.clear();
  data.textures.clear();
  ResetGameMemory();
  SyncExports();
}

GameState& State() { return Data().state; }
void SetTick(uint32_t tick) { Data().tick = tick; }
void SetObserver(HostObserver* observer) { Data().observer = observer; }
void SetTextureDecoder(TextureDecoder decoder) { Data().decoder = decoder; }

uint32_t GameWord(uint32_t address) {
  const auto found = Data().memory.find(address);
  return found == Data().memory.end() ? 0 : found->second;
}

bool MainLoopRegistered() { return Data().mainLoop != nullptr; }
bool PresentRegistered() { return Data().present != nullptr; }

void RunMainLoop() {
  if (Data().mainLoop == nullptr) return;
  SyncExports();
  PutStateInGameMemory();
  Trace("MainLoop");
  Data().mainLoop();
  CollectStores();
}

void RunPresent() {
  if (Data().present == nullptr) return;
  SyncExports();
  PutStateInGameMemory();
  Trace("Present");
  if (HostObserver* observer = Data().observer) observer->OnPresentBegins();
  Data().present(0, 0, 0, 0);
  CollectStores();
}

}  // namespace host
