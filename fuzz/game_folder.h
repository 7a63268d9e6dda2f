// A game folder of the fuzzer's own, in which the module is loaded afresh for every input: the
// eighteen texture files from assets/ and a settings file that the fuzzer writes.
#pragma once

#include <memory>
#include <string_view>

#include "sim/host/host.h"
#include "sim/host/module_loader.h"

// Creates the folder, once per process; it is removed when the process exits.
void PrepareGameFolder();

// Makes the game folder the current folder, where the module and the profile reader look for
// their files, until the scope ends; libFuzzer writes its findings to the folder it started in.
class InGameFolder {
 public:
  InGameFolder();
  ~InGameFolder();
  InGameFolder(const InGameFolder&) = delete;
  InGameFolder& operator=(const InGameFolder&) = delete;
};

void WriteSettingsFile(std::string_view contents);

// A fresh copy of the module for one input. Resets the host to its default state with observer
// watching, loads the copy (its static initialisation reads the settings file now) and calls
// its DllMain with process attach; aborts when it cannot be loaded or refuses the attach.
// Unloading it must unmap it, or every input would leave a copy behind; that is checked.
class FreshModule {
 public:
  explicit FreshModule(HostObserver& observer);
  ~FreshModule();
  FreshModule(const FreshModule&) = delete;
  FreshModule& operator=(const FreshModule&) = delete;

 private:
  std::unique_ptr<LoadedModule> module_;
};
