// Module load: the host framework instance, the money-change stamp and the settings, in that
// order, all in this one file so their order of initialisation is fixed; then the registration
// with the host.
#include "core/host.h"
#include "core/plugin.h"
#include "core/settings.h"
#include "platform/windows_api.h"
#include "widgets/money_counter.h"

namespace {

SAMPFUNCS sampfuncsInstance;

struct ModuleLoad {
  ModuleLoad() {
    SF = &sampfuncsInstance;
    StampMoneyDeltaTick();
    LoadSettings();
  }
};

}  // namespace

SAMPFUNCS* SF = nullptr;

namespace {
const ModuleLoad moduleLoad;
}  // namespace

extern "C" VELOMARK_MODULE_EXPORT BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) SF->initPlugin(MainLoop, module);
  return TRUE;
}
