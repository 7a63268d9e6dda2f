// The no-op host framework, tick, game memory and profile lookup.
#include <cstdio>
#include <cstring>
#include <iterator>

// The framework object's one word is the host's own; this host has no use for it, which clang
// reports once a file defines every member of the class.
#if defined(__clang__)
#  pragma clang diagnostic push
#  pragma clang diagnostic ignored "-Wunused-private-field"
#endif
#include "platform/host_framework.h"
#if defined(__clang__)
#  pragma clang diagnostic pop
#endif

#include "bench/noop_calls.h"
#include "bench/noop_host.h"
#include "platform/windows_api.h"

// The module's own profile reader, built for the benchmarks under this name (bench/CMakeLists.txt)
// so that the host's lookup below can count each call and hand it on.
extern "C" DWORD ReadProfileFile(const char* section, const char* key, const char* defaultValue,
                                 char* out, DWORD outSize, const char* fileName);

struct stTextureInfo {
  char path[64];
};

namespace noop {

// Everything here is constant-initialised: the module's static initialisation already calls in.
constinit uint64_t hostCalls = 0;
constinit std::vector<std::string>* recordedCalls = nullptr;

void Record(const char* name, const std::string& arguments) {
  recordedCalls->push_back(arguments.empty() ? std::string(name) : name + (" " + arguments));
}

namespace {

constinit GameState state;
constinit ProfileAnswers profileAnswers = ProfileAnswers::kFromFile;
constinit PresentCallback presentCallback = nullptr;

constexpr uint32_t kWantedLevelAddress = 0x58DB60;

constinit stTextureInfo textures[18] = {};
constinit size_t texturesLoaded = 0;

SFGame gameServices;
SFRender render;
SFSAMP client;
stChatInfo chat{};

// What the file gave for each key asked so far, kept without touching the heap. The module asks
// its keys in the same order every time, so the search starts after the last key answered.
struct ProfileEntry {
  char section[32];
  char key[48];
  char value[256];
};
constinit ProfileEntry profileEntries[128] = {};
constinit size_t profileEntryCount = 0;
constinit size_t profileCursor = 0;

void CopyBounded(char* out, size_t outSize, const char* text) {
  std::snprintf(out, outSize, "%s", text);
}

const ProfileEntry* FindProfileEntry(const char* section, const char* key) {
  for (size_t step = 0; step < profileEntryCount; ++step) {
    const size_t index = (profileCursor + step) % profileEntryCount;
    const ProfileEntry& entry = profileEntries[index];
    if (std::strcmp(entry.key, key) == 0 && std::strcmp(entry.section, section) == 0) {
      profileCursor = index + 1;
      return &entry;
    }
  }
  return nullptr;
}

DWORD AnswerFromMemory(const char* section, const char* key, const char* defaultValue, char* out,
                       DWORD outSize, const char* fileName) {
  if (const ProfileEntry* entry = FindProfileEntry(section, key)) {
    const size_t length = std::strlen(entry->value);
    const size_t copied = length < outSize - 1 ? length : outSize - 1;
    std::memcpy(out, entry->value, copied);
    out[copied] = '\0';
    return static_cast<DWORD>(copied);
  }
  const DWORD length = ReadProfileFile(section, key, defaultValue, out, outSize, fileName);
  if (profileEntryCount < std::size(profileEntries)) {
    ProfileEntry& entry = profileEntries[profileEntryCount++];
    CopyBounded(entry.section, sizeof entry.section, section);
    CopyBounded(entry.key, sizeof entry.key, key);
    CopyBounded(entry.value, sizeof entry.value, out);
  }
  return length;
}

}  // namespace

GameState& State() { return state; }
uint64_t HostCalls() { return hostCalls; }
void RecordCallsInto(std::vector<std::string>* calls) { recordedCalls = calls; }
void AnswerProfileLookups(ProfileAnswers answers) { profileAnswers = answers; }
bool PresentCallbackIs(PresentCallback callback) {
  return presentCallback != nullptr && presentCallback == callback;
}

}  // namespace noop

using noop::Call;

bool SAMPFUNCS::initPlugin(MainLoopCallback, void*) {
  Call("initPlugin");
  return true;
}
SFGame* SAMPFUNCS::getGame() {
  Call("getGame");
  return &noop::gameServices;
}
SFRender* SAMPFUNCS::getRender() {
  Call("getRender");
  return &noop::render;
}
SFSAMP* SAMPFUNCS::getSAMP() {
  Call("getSAMP");
  return &noop::client;
}

void SFGame::getScreenResolution(int* width, int* height) {
  Call("getScreenResolution");
  *width = noop::state.screenWidth;
  *height = noop::state.screenHeight;
}
bool SFGame::isGTAMenuActive() {
  Call("isGTAMenuActive");
  return noop::state.menuActive;
}
bool SFGame::isKeyDown(unsigned char key) {
  Call("isKeyDown", key);
  return key == 2 && noop::state.rightMouse;
}

bool SFSAMP::IsInitialized() {
  Call("IsInitialized");
  return noop::state.clientInitialized;
}
stChatInfo* SFSAMP::getChat() {
  Call("getChat");
  noop::chat.drawWord = noop::state.chatWord;
  return &noop::chat;
}
void stChatInfo::AddChatMessage(uint32_t, const char* format, ...) {
  Call("AddChatMessage", format);
}

bool SFRender::CanDraw() {
  Call("CanDraw");
  return noop::state.canDraw;
}
uint32_t SFRender::BeginRender() {
  Call("BeginRender");
  return 1;
}
uint32_t SFRender::EndRender() {
  Call("EndRender");
  return 1;
}
void SFRender::DrawBox(int, int, int, int, uint32_t) { Call("DrawBox"); }
void SFRender::DrawTexture(stTextureInfo* texture, int, int, int, int, float, uint32_t) {
  Call("DrawTexture", texture != nullptr ? texture->path : "(null)");
}
stTextureInfo* SFRender::LoadTextureFromFile(const char* path) {
  Call("LoadTextureFromFile", path);
  stTextureInfo& texture = noop::textures[noop::texturesLoaded++ % std::size(noop::textures)];
  noop::CopyBounded(texture.path, sizeof texture.path, path);
  return &texture;
}
void SFRender::registerD3DCallback(eDirect3DDeviceMethods method, PresentCallback callback) {
  Call("registerD3DCallback", static_cast<int>(method));
  if (method == D3DMETHOD_PRESENT) noop::presentCallback = callback;
}

extern "C" DWORD GetTickCount() {
  Call("GetTickCount");
  return noop::state.tick;
}

extern "C" int32_t ReadGameInt32(uint32_t address) {
  Call("ReadGameInt32", address);
  return address == noop::kWantedLevelAddress ? noop::state.wanted : 0;
}

extern "C" void WriteGameWord(uint32_t address, uint32_t) { Call("WriteGameWord", address); }

extern "C" DWORD GetPrivateProfileStringA(const char* section, const char* key,
                                          const char* defaultValue, char* out, DWORD outSize,
                                          const char* fileName) {
  ++noop::hostCalls;
  if (noop::recordedCalls != nullptr) {
    char arguments[512];
    std::snprintf(arguments, sizeof arguments, "%s %s %s %u %s", section, key,
                  defaultValue != nullptr ? defaultValue : "(null)", static_cast<unsigned>(outSize),
                  fileName);
    noop::Record("GetPrivateProfileStringA", arguments);
  }
  if (noop::profileAnswers == noop::ProfileAnswers::kFromMemory) {
    return noop::AnswerFromMemory(section, key, defaultValue, out, outSize, fileName);
  }
  return ReadProfileFile(section, key, defaultValue, out, outSize, fileName);
}
