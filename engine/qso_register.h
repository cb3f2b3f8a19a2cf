// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_QSO_REGISTER_H_
#define PELIKAN_ENGINE_QSO_REGISTER_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(PELIKAN_STD_SETS)
#include <unordered_set>
#else
#include <absl/container/flat_hash_set.h>
#include <absl/strings/string_view.h>
#endif

namespace pelikan {

// A set of distinct texts. Values are compared byte for byte: case and
// blanks count. The empty text is never stored. The register keeps views:
// a text must outlive the register (a conversion keeps pieces of its log).
class QsoRegister {
 public:
  // Makes room for `count` texts at once.
  void Reserve(std::size_t count) { short_.reserve(count); }
  // Stores `value` unless it is empty or already present; returns whether it
  // was stored.
  bool Add(std::string_view value) {
    if (value.empty()) return false;
    if (value.size() < sizeof(std::uint64_t)) return short_.insert(ShortKey(value)).second;
    return long_.insert(LongKey(value.data(), value.size())).second;
  }
  std::size_t size() const { return short_.size() + long_.size(); }

 private:
  // A text of up to seven bytes as one number, its length in the top byte
  // so that no two texts share one. Nearly every call and exchange is that
  // short, and a table of numbers is hashed, probed and compared in a few
  // instructions where one of texts took a fifth of a conversion.
  static std::uint64_t ShortKey(std::string_view value) {
    std::uint64_t key = 0;
    std::memcpy(&key, value.data(), value.size());
    return key | std::uint64_t{value.size()} << 56;
  }

  // Flat tables: std::unordered_set allocates a node per entry and chases
  // them when it grows. The longer texts are kept as views, keyed by
  // Abseil's own string view, which Abseil hashes itself (the standard one
  // it hashes through std::hash, twice as slowly).
#if defined(PELIKAN_STD_SETS)
  template <typename Key>
  using Set = std::unordered_set<Key>;
  using LongKey = std::string_view;
#else
  template <typename Key>
  using Set = absl::flat_hash_set<Key>;
  using LongKey = absl::string_view;
#endif
  Set<std::uint64_t> short_;
  Set<LongKey> long_;
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
