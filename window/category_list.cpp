// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/category_list.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "engine/log_text.h"
#include "window/system_reason.h"
#include "window/text_codec.h"

namespace pelikan {

CategoryList ReadCategoryList(const QString& path) {
  // Qt refuses a folder with words of its own, not the system's.
  if (QFileInfo(path).isDir()) return {{}, SystemReason(EISDIR, {})};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {{}, SystemReason(0, file.errorString())};
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return {{}, SystemReason(0, file.errorString())};

  CategoryList list;
  const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  for (const std::string& entry : ListFileEntries(text)) list.entries << FromCp1250(entry);
  return list;
}

}  // namespace pelikan
