#include "window/category_list.h"

#include <QByteArray>
#include <QFile>

#include <string_view>

#include "engine/log_text.h"
#include "window/text_codec.h"

namespace pelikan {

CategoryList ReadCategoryList(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {{}, file.errorString()};
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return {{}, file.errorString()};

  CategoryList list;
  // The log's own line splitter, so that both kinds of file end their lines
  // by the same rule.
  LineSplitter splitter;
  auto add = [&list](std::string_view line) { list.entries << FromCp1250(line); };
  splitter.Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), add);
  splitter.Finish(add);
  return list;
}

}  // namespace pelikan
