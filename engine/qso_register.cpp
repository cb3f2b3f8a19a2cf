#include "engine/qso_register.h"

namespace pelikan {

bool QsoRegister::Add(std::string_view value) {
  if (value.empty()) return false;
  auto [it, inserted] = index_.emplace(value);
  if (inserted) order_.push_back(&*it);
  return inserted;
}

bool QsoRegister::Contains(std::string_view value) const {
  return index_.find(value) != index_.end();
}

}  // namespace pelikan
