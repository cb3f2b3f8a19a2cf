// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/category_list.h"

#include <optional>
#include <string>

#include "engine/log_reader.h"
#include "engine/log_text.h"
#include "engine/messages.h"
#include "window/system_reason.h"
#include "window/text_codec.h"

namespace pelikan {

CategoryList ReadCategoryList(const std::filesystem::path& path, FileSystem& fs, Language language) {
  // Through the engine's reader, as a log is read: a FIFO or a device in a
  // list's place would otherwise stall the window before it opens.
  std::string bytes;
  if (const std::optional<ConversionFailure> failure = ReadLog(path, fs, bytes, kMaxListBytes)) {
    switch (failure->kind) {
      case FailureKind::kLogNotAFile: return {{}, FromUtf8(NotAFileReason(language))};
      case FailureKind::kLogTooLarge: return {{}, FromUtf8(ListTooLargeReason(kMaxListBytes >> 10, language))};
      default: return {{}, SystemReason(failure->error, QString::fromStdString(failure->reason), language)};
    }
  }
  CategoryList list;
  for (const std::string& entry : ListFileEntries(bytes)) list.entries << FromCp1250(entry);
  return list;
}

}  // namespace pelikan
