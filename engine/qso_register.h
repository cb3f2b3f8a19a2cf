#ifndef PELIKAN_ENGINE_QSO_REGISTER_H_
#define PELIKAN_ENGINE_QSO_REGISTER_H_

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
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
  std::size_t size() const { return order_.size(); }
  // The entries in first-seen order.
  const std::vector<const std::string*>& entries() const { return order_; }

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };
  // Node-based, so the strings stay where they are and order_ can point at
  // them.
  std::unordered_set<std::string, Hash, std::equal_to<>> index_;
  std::vector<const std::string*> order_;
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
