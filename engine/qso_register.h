// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_QSO_REGISTER_H_
#define PELIKAN_ENGINE_QSO_REGISTER_H_

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string_view>
#include <vector>

namespace pelikan {

// A set of keys that are never the zero key (Key{}), which marks a free
// slot: open addressing with linear probing in a table of a power of two
// slots, at most three quarters of them taken. A key's slot is taken from
// the top bits of its hash times a large odd number (Fibonacci hashing), in
// which every bit of the key has a say. Hand-made because the registers are a
// conversion's hottest table and the standard set allocates a node per
// entry (bench/README.md has the figures); the two kinds of key it holds
// need no more than insertion.
template <typename Key, typename Hash>
class FlatSet {
 public:
  // Stores `key` unless it is already present; returns whether it was stored.
  bool Insert(Key key) {
    if (4 * (size_ + 1) > 3 * slots_.size()) Grow();
    const std::uint64_t mixed = std::uint64_t{Hash{}(key)} * 0x9E3779B97F4A7C15u;
    for (auto i = static_cast<std::size_t>(mixed >> shift_);; i = (i + 1) & (slots_.size() - 1)) {
      if (slots_[i] == Key{}) {
        slots_[i] = key;
        ++size_;
        return true;
      }
      if (slots_[i] == key) return false;
    }
  }
  std::size_t size() const { return size_; }

 private:
  void Grow() {
    std::vector<Key> old(slots_.empty() ? 16 : 2 * slots_.size());
    old.swap(slots_);
    shift_ = 64 - std::countr_zero(slots_.size());
    size_ = 0;
    for (const Key& key : old) {
      if (key != Key{}) Insert(key);
    }
  }

  std::vector<Key> slots_;
  std::size_t size_ = 0;
  int shift_ = 64;
};

// A set of distinct texts. Values are compared byte for byte: case and
// blanks count. The empty text is never stored. The register keeps views:
// a text must outlive the register (a conversion keeps pieces of its log).
class QsoRegister {
 public:
  // Stores `value` unless it is empty or already present; returns whether it
  // was stored.
  bool Add(std::string_view value) {
    if (value.empty()) return false;
    if (value.size() < sizeof(std::uint64_t)) return short_.Insert(ShortKey(value));
    return long_.Insert(value);
  }
  std::size_t size() const { return short_.size() + long_.size(); }

 private:
  // A text of up to seven bytes as one number, its length in the top byte
  // so that no two texts share one, and none is 0. Nearly every call and
  // exchange is that short, and a table of numbers is hashed, probed,
  // compared and grown in fewer instructions, and is half the size.
  static std::uint64_t ShortKey(std::string_view value) {
    std::uint64_t key = 0;
    std::memcpy(&key, value.data(), value.size());
    return key | std::uint64_t{value.size()} << 56;
  }
  struct Same {
    std::uint64_t operator()(std::uint64_t key) const { return key; }
  };

  FlatSet<std::uint64_t, Same> short_;
  // A view is never null once it holds a text, so the null view marks a
  // free slot.
  FlatSet<std::string_view, std::hash<std::string_view>> long_;
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
