#ifndef PELIKAN_ENGINE_QSO_REGISTER_H_
#define PELIKAN_ENGINE_QSO_REGISTER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelikan {

// A table of distinct texts in the order they were first met, with a hash
// index beside it so that a look-up does not scan the table. Values are
// compared byte for byte: case and blanks count. The empty text is never
// stored.
class QsoRegister {
 public:
  // Stores `value` unless it is empty or already present; returns whether it
  // was stored.
  bool Add(std::string_view value);
  bool Contains(std::string_view value) const;
  std::size_t size() const { return entries_.size(); }
  // The entries in first-seen order.
  const std::vector<std::string>& entries() const { return entries_; }

 private:
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t entry = 0;  // index into entries_ plus one; 0 is a free slot
  };
  // The slot that holds `value`, or the free slot where it belongs.
  std::size_t Find(std::string_view value, std::uint32_t hash) const;
  void Grow();

  std::vector<std::string> entries_;
  // Open addressing with linear probing over a power-of-two table kept at
  // most half full. Hand-written because std::unordered_set allocates a
  // node per entry and rehashes by chasing them, which made the registers
  // the largest cost of a conversion.
  std::vector<Slot> slots_;
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
