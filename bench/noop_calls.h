// How every member of the no-op host reports a call: a count always, a line only while a test
// records.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace noop {

extern uint64_t hostCalls;
extern std::vector<std::string>* recordedCalls;

void Record(const char* name, const std::string& arguments);

inline void Call(const char* name) {
  ++hostCalls;
  if (recordedCalls != nullptr) Record(name, std::string());
}

inline void Call(const char* name, long long argument) {
  ++hostCalls;
  if (recordedCalls != nullptr) Record(name, std::to_string(argument));
}

inline void Call(const char* name, const char* argument) {
  ++hostCalls;
  if (recordedCalls != nullptr) Record(name, argument);
}

}  // namespace noop
