#include "sim/cli/run_outputs.h"

#include <algorithm>
#include <iostream>
#include <system_error>

#include "sim/cli/png_files.h"
#include "sim/cli/sim_error.h"

namespace fs = std::filesystem;

RunOutputs::RunOutputs(std::optional<fs::path> traceFile, bool traceToStandardOutput,
                       fs::path outDir, bool takesSnapshots)
    : traceFile_(std::move(traceFile)),
      traceToStandardOutput_(traceToStandardOutput),
      outDir_(std::move(outDir)),
      takesSnapshots_(takesSnapshots) {}

RunOutputs::~RunOutputs() {
  if (!committed_) RemoveAll();
}

void RunOutputs::Prepare() {
  if (takesSnapshots_) {
    const std::string folder = outDir_.string();
    std::error_code error;
    if (!fs::is_directory(outDir_, error)) {
      if (fs::exists(outDir_, error)) {
        throw SimError(folder + ": the output folder is a file, not a folder");
      }
      fs::create_directories(outDir_, error);
      if (error) throw SimError(folder + ": cannot create the output folder: " + error.message());
      createdOutDir_ = true;
    }
    // Permissions alone do not tell (read-only mounts, access lists): try writing a file.
    const fs::path probe = outDir_ / ".velomark-sim-write-test";
    const bool writable = static_cast<bool>(std::ofstream(probe, std::ios::binary) << 'x');
    fs::remove(probe, error);
    if (!writable) throw SimError(folder + ": cannot write files in the output folder");
  }
  if (traceFile_) {
    traceTemporary_ = *traceFile_;
    traceTemporary_ += ".partial";
    trace_.open(traceTemporary_, std::ios::binary | std::ios::trunc);
    if (!trace_) {
      traceTemporary_.clear();
      std::error_code error;
      const bool folderExists = fs::is_directory(traceFile_->parent_path(), error);
      throw SimError(traceFile_->string() + (folderExists
                                                 ? ": cannot write the trace file"
                                                 : ": cannot write the trace file, its folder "
                                                   "does not exist"));
    }
  }
}

std::ostream* RunOutputs::TraceStream() {
  if (traceToStandardOutput_) return &std::cout;
  if (trace_.is_open()) return &trace_;
  return nullptr;
}

void RunOutputs::SaveSnapshot(const std::string& name, const Image& frame) {
  const fs::path file = outDir_ / name;
  std::string error;
  if (!WriteSnapshot(file.string(), frame, error)) throw SimError(error);
  if (std::find(snapshots_.begin(), snapshots_.end(), file) == snapshots_.end()) {
    snapshots_.push_back(file);
  }
}

void RunOutputs::Commit() {
  if (traceToStandardOutput_) std::cout.flush();
  if (trace_.is_open()) {
    trace_.close();
    if (!trace_) throw SimError(traceFile_->string() + ": cannot finish writing the trace file");
    std::error_code error;
    fs::rename(traceTemporary_, *traceFile_, error);
    if (error) {
      throw SimError(traceFile_->string() +
                     ": cannot move the trace into place: " + error.message());
    }
    traceTemporary_.clear();
  }
  committed_ = true;
}

void RunOutputs::RemoveAll() {
  std::error_code error;
  if (trace_.is_open()) trace_.close();
  if (!traceTemporary_.empty()) fs::remove(traceTemporary_, error);
  for (const fs::path& snapshot : snapshots_) fs::remove(snapshot, error);
  snapshots_.clear();
  // Removes the folder only while empty: files the player put there since are kept.
  if (createdOutDir_) fs::remove(outDir_, error);
}
