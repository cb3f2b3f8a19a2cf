// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_WINDOW_CATEGORY_LIST_H_
#define PELIKAN_WINDOW_CATEGORY_LIST_H_

#include <QString>
#include <QStringList>

#include <cstddef>
#include <filesystem>

#include "contest/words.h"
#include "engine/file_system.h"

namespace pelikan {

// The files beside the program that fill the two category combo boxes.
inline constexpr char kCategoryListFile[] = "category.pod";
inline constexpr char kOverlayListFile[] = "category1.pod";
// Real lists hold a few dozen lines; a larger file would fill a box with
// more entries than anyone could choose from.
inline constexpr std::size_t kMaxListBytes = std::size_t{64} << 10;

// One category list file as read: its entries, or why it could not be read.
struct CategoryList {
  QStringList entries;
  QString error;  // why not; empty when the file was read
};

// Reads a category list file, its entries by the engine's rule
// (ListFileEntries). A file that cannot be opened or read, is no regular
// file or holds more than kMaxListBytes gives no entries at all and the
// reason in `error`, in `language`.
CategoryList ReadCategoryList(const std::filesystem::path& path, FileSystem& fs, Language language);

}  // namespace pelikan

#endif  // PELIKAN_WINDOW_CATEGORY_LIST_H_
