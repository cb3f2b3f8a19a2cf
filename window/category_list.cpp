// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/category_list.h"

#include <optional>
#include <string>

#include "engine/log_reader.h"
#include "engine/log_text.h"
#include "window/system_reason.h"
#include "window/text_codec.h"

namespace pelikan {

CategoryList ReadCategoryList(const std::filesystem::path& path, FileSystem& fs) {
  // Through the engine's reader, as a log is read: a FIFO or a device in a
  // list's place would otherwise stall the window before it opens.
  std::string bytes;
  if (const std::optional<ConversionFailure> failure = ReadLog(path, fs, bytes, kMaxListBytes)) {
    switch (failure->kind) {
      case FailureKind::kLogNotAFile: return {{}, QStringLiteral("to ni navadna datoteka")};
      case FailureKind::kLogTooLarge:
        return {{}, QStringLiteral("datoteka je večja od %1 KiB").arg(kMaxListBytes >> 10)};
      default: return {{}, SystemReason(failure->error, QString::fromStdString(failure->reason))};
    }
  }
  CategoryList list;
  for (const std::string& entry : ListFileEntries(bytes)) list.entries << FromCp1250(entry);
  return list;
}

}  // namespace pelikan
