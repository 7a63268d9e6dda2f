// Writes the trace: one line per effect of the module on the host, in order.
#pragma once

#include <ostream>
#include <string_view>

#include "sim/host/host.h"

class TraceWriter : public HostObserver {
 public:
  explicit TraceWriter(std::ostream& out) : out_(out) {}
  // '\n' on every system, so traces compare byte for byte; the stream is opened in binary mode.
  void OnTraceLine(std::string_view line) override { out_ << line << '\n'; }

 private:
  std::ostream& out_;
};
