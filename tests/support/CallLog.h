#pragma once

#include <algorithm>
#include <string>
#include <vector>

// One ordered record of the calls several fakes receive, so a test can assert the order in
// which different subsystems were driven.
struct CallLog {
  std::vector<std::string> calls;

  void add(std::string call) { calls.push_back(std::move(call)); }
  bool contains(const std::string& call) const {
    return std::find(calls.begin(), calls.end(), call) != calls.end();
  }
  // Position of the first call equal to `call`, or -1.
  int indexOf(const std::string& call) const {
    auto it = std::find(calls.begin(), calls.end(), call);
    return it == calls.end() ? -1 : static_cast<int>(it - calls.begin());
  }
  // The calls that start with `prefix`, in order.
  std::vector<std::string> withPrefix(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& c : calls)
      if (c.rfind(prefix, 0) == 0) out.push_back(c);
    return out;
  }
};
