#include "engine/qso_register.h"

#include <functional>

namespace pelikan {
namespace {

std::uint32_t HashOf(std::string_view value) {
  return static_cast<std::uint32_t>(std::hash<std::string_view>{}(value));
}

}  // namespace

std::size_t QsoRegister::Find(std::string_view value, std::uint32_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.entry == 0) return i;
    if (slot.hash == hash && entries_[slot.entry - 1] == value) return i;
  }
}

void QsoRegister::Grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? 4096 : old.size() * 2, Slot{});
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.entry == 0) continue;
    std::size_t i = slot.hash & mask;
    while (slots_[i].entry != 0) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

bool QsoRegister::Add(std::string_view value) {
  if (value.empty()) return false;
  if ((entries_.size() + 1) * 2 > slots_.size()) Grow();
  const std::uint32_t hash = HashOf(value);
  Slot& slot = slots_[Find(value, hash)];
  if (slot.entry != 0) return false;
  entries_.emplace_back(value);
  slot = Slot{hash, static_cast<std::uint32_t>(entries_.size())};
  return true;
}

bool QsoRegister::Contains(std::string_view value) const {
  if (value.empty() || slots_.empty()) return false;
  return slots_[Find(value, HashOf(value))].entry != 0;
}

}  // namespace pelikan
