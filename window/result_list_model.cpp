// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/result_list_model.h"

#include <utility>

#include "window/text_codec.h"

namespace pelikan {

void ResultListModel::SetLines(ResultList lines) {
  beginResetModel();
  lines_ = std::move(lines);
  endResetModel();
}

void ResultListModel::AddLine(std::string_view line) {
  const int row = rowCount();
  beginInsertRows({}, row, row);
  lines_.push_back(line);
  endInsertRows();
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
  // A list has rows only under its invisible root.
  return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.parent().isValid() || index.row() >= rowCount() ||
      (role != Qt::DisplayRole && role != Qt::EditRole)) {
    return {};
  }
  return FromCp1250(lines_[static_cast<std::size_t>(index.row())]);
}

}  // namespace pelikan
