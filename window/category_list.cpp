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
#include "engine/cp1250.h"
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

  // A list saved as UTF-8 is read by the same rule as a log.
  std::string text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  if (std::optional<std::string> recoded = Utf8LogAsCp1250(text)) text = std::move(*recoded);
  CategoryList list;
  // The log's own line splitter, so that both kinds of file end their lines
  // by the same rule.
  ForEachLine(text, [&list](std::string_view line) { list.entries << FromCp1250(line); });
  return list;
}

}  // namespace pelikan
