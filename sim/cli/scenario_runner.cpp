#include "sim/cli/scenario_runner.h"

#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "sim/cli/observer_pair.h"
#include "sim/cli/png_files.h"
#include "sim/cli/run_outputs.h"
#include "sim/cli/sim_error.h"
#include "sim/cli/snapshot_renderer.h"
#include "sim/cli/trace_writer.h"
#include "sim/host/host.h"
#include "sim/host/module_loader.h"

namespace {

namespace fs = std::filesystem;

constexpr uint32_t kProcessAttach = 1;

void CheckGameFolder(const fs::path& folder) {
  std::error_code error;
  if (fs::is_directory(folder, error)) return;
  throw SimError(folder.string() + (fs::exists(folder, error)
                                        ? ": the game folder is a file, not a folder"
                                        : ": no such game folder"));
}

// Resets the host as the run starts and again however it ends, so that the host never keeps a
// pointer to the run's observers or to the module's callbacks once they are gone.
struct HostSession {
  HostSession() { host::Reset(); }
  ~HostSession() { host::Reset(); }
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;
};

}  // namespace

std::vector<fs::path> RunScenario(const Options& options, const Scenario& scenario) {
  CheckGameFolder(options.gameDir);
  RunOutputs outputs(options.traceFile, options.traceToStandardOutput, options.outDir,
                     scenario.TakesSnapshots() && WritesSnapshots());
  outputs.Prepare();

  // The module reads SAMPFUNCS\Velomark\Velomark.ini and its textures from the current folder.
  std::error_code error;
  fs::current_path(options.gameDir, error);
  if (error) {
    throw SimError(options.gameDir.string() + ": cannot enter the game folder: " + error.message());
  }

  SnapshotRenderer renderer;
  std::optional<TraceWriter> traceWriter;
  std::optional<ObserverPair> traceAndRenderer;
  HostObserver* observer = &renderer;
  if (std::ostream* trace = outputs.TraceStream()) {
    traceWriter.emplace(*trace);
    traceAndRenderer.emplace(*traceWriter, renderer);
    observer = &*traceAndRenderer;
  }

  HostSession session;
  host::SetObserver(observer);
  host::SetTextureDecoder(DecodeTexture);
  Apply(scenario.initial, host::State());
  // Static initialisation stamps the money-change tick, so the clock is set before the load.
  host::SetTick(scenario.tickStart);

  std::string loadError;
  const std::unique_ptr<LoadedModule> module =
      LoadedModule::Load(options.module.string(), loadError);
  if (!module) throw SimError(loadError);
  if (!module->AttachedByLoad()) module->CallDllMain(kProcessAttach);

  for (const ScenarioStep& step : scenario.steps) {
    host::SetTick(scenario.tickStart + step.at);  // unsigned: wraps modulo 2^32
    Apply(step.set, host::State());
    for (int32_t call = 0; call < step.mainLoopCalls; ++call) host::RunMainLoop();
    for (int32_t call = 0; call < step.presentCalls; ++call) host::RunPresent();
    if (!step.snapshot.empty() && WritesSnapshots()) {
      outputs.SaveSnapshot(step.snapshot, renderer.Render());
    }
  }

  outputs.Commit();
  return outputs.Snapshots();
}
