// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_WINDOW_RESULT_LIST_MODEL_H_
#define PELIKAN_WINDOW_RESULT_LIST_MODEL_H_

#include <QAbstractListModel>

#include "engine/result_list.h"

namespace pelikan {

// The result list as List1 shows it. It keeps the engine's Windows-1250
// lines and decodes a line only when the view asks for it: a view shows a
// few dozen of the tens of thousands of lines, and turning all of them into
// QStrings up front was most of the wait after a conversion.
class ResultListModel : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  void SetLines(ResultList lines);
  // Adds a line (Windows-1250) at the end.
  void AddLine(std::string_view line);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  ResultList lines_;
};

}  // namespace pelikan

#endif  // PELIKAN_WINDOW_RESULT_LIST_MODEL_H_
