#include "window/category_list.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <string_view>

#include "engine/log_text.h"
#include "window/system_reason.h"
#include "window/text_codec.h"

namespace pelikan {

bool IsUtf8Text(QByteArrayView bytes) {
  const bool marked = bytes.startsWith("\xEF\xBB\xBF");
  const bool multibyte = std::any_of(bytes.begin(), bytes.end(),
                                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  if (!marked && !multibyte) return false;
  QStringDecoder utf8(QStringConverter::Utf8);
  const QString decoded = utf8.decode(bytes);  // lazy until it becomes a QString
  return !utf8.hasError();
}

CategoryList ReadCategoryList(const QString& path) {
  // Qt refuses a folder with words of its own, not the system's.
  if (QFileInfo(path).isDir()) return {{}, SystemReason(EISDIR, {})};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {{}, SystemReason(0, file.errorString())};
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return {{}, SystemReason(0, file.errorString())};

  const bool utf8 = IsUtf8Text(bytes);
  if (utf8 && bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
  CategoryList list;
  // The log's own line splitter, so that both kinds of file end their lines
  // by the same rule. CR and LF never occur inside a UTF-8 character, so
  // the lines can be split before they are decoded.
  LineSplitter splitter;
  auto add = [&list, utf8](std::string_view line) {
    list.entries << (utf8 ? QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()))
                          : FromCp1250(line));
  };
  splitter.Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), add);
  splitter.Finish(add);
  return list;
}

}  // namespace pelikan
