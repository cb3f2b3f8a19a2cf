// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_QSO_REGISTER_H_
#define PELIKAN_ENGINE_QSO_REGISTER_H_

#include <absl/container/flat_hash_set.h>
#include <absl/strings/string_view.h>

#include <cstddef>
#include <string_view>

namespace pelikan {

// A set of distinct texts. Values are compared byte for byte: case and
// blanks count. The empty text is never stored. The register keeps views:
// a text must outlive the register (a conversion keeps pieces of its log).
class QsoRegister {
 public:
  // Makes room for `count` texts at once.
  void Reserve(std::size_t count) { entries_.reserve(count); }
  // Stores `value` unless it is empty or already present; returns whether it
  // was stored.
  bool Add(std::string_view value) {
    return !value.empty() && entries_.insert(absl::string_view(value.data(), value.size())).second;
  }
  std::size_t size() const { return entries_.size(); }

 private:
  // A flat table: std::unordered_set allocates a node per entry and chases
  // them when it grows, which made the registers the largest cost of a
  // conversion. Keyed by Abseil's own string view, which Abseil hashes
  // itself; the standard one it hashes through std::hash, twice as slowly.
  absl::flat_hash_set<absl::string_view> entries_;
};

// The four registers of one conversion: calls and multiplier keys per mode.
struct QsoRegisters {
  QsoRegister CwCalls;
  QsoRegister PhCalls;
  QsoRegister CwMultipliers;
  QsoRegister PhMultipliers;
};

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_QSO_REGISTER_H_
