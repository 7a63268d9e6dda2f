// The files a run writes: the trace and the snapshots. Every destination is checked before the
// module runs, the trace is written under a temporary name and moved into place only when the
// run succeeds, and a run that fails removes whatever it wrote, so no half-finished output stays.
#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "sim/render/image.h"

class RunOutputs {
 public:
  // traceFile: where the trace goes, if to a file. outDir: the snapshots' folder, used only
  // when takesSnapshots.
  RunOutputs(std::optional<std::filesystem::path> traceFile, bool traceToStandardOutput,
             std::filesystem::path outDir, bool takesSnapshots);
  // Without Commit, removes the temporary trace, the snapshots written and an output folder
  // this run created, if it is empty.
  ~RunOutputs();
  RunOutputs(const RunOutputs&) = delete;
  RunOutputs& operator=(const RunOutputs&) = delete;

  // Creates the output folder if it is missing, makes sure a file can be written in it, and
  // opens the trace's temporary file. Throws SimError naming the folder or file.
  void Prepare();

  // Where trace lines go; null when no trace is written.
  std::ostream* TraceStream();

  // Writes out the snapshot atomically. Throws SimError.
  void SaveSnapshot(const std::string& name, const Image& frame);

  // Moves the trace into place. Throws SimError, after removing everything, when that fails.
  void Commit();

  const std::vector<std::filesystem::path>& Snapshots() const { return snapshots_; }

 private:
  void RemoveAll();

  std::optional<std::filesystem::path> traceFile_;
  std::filesystem::path traceTemporary_;
  std::ofstream trace_;
  bool traceToStandardOutput_;
  std::filesystem::path outDir_;
  bool takesSnapshots_;
  bool createdOutDir_ = false;
  std::vector<std::filesystem::path> snapshots_;
  bool committed_ = false;
};
