// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/data_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

#include "window/category_list.h"

namespace pelikan {

DataPaths::DataPaths(QString program_folder, QString config_folder)
    : program_folder_(std::move(program_folder)),
      config_folder_(std::move(config_folder)),
      portable_(QFileInfo::exists(QDir(program_folder_).filePath(QLatin1String(kCategoryListFile)))) {}

QString DataPaths::ListPath(const QString& file_name) const {
  if (portable_) return QDir(program_folder_).filePath(file_name);
  const QString own = QDir(config_folder_).filePath(file_name);
  if (!config_folder_.isEmpty() && QFileInfo::exists(own)) return own;
  return QDir(InstalledDataFolder()).filePath(file_name);
}

QString DataPaths::OutputFolder(const QString& log_path) const {
  return portable_ ? program_folder_ : QFileInfo(log_path).absolutePath();
}

QString DataPaths::InstalledDataFolder() const {
  // PELIKAN_DATA_FROM_BIN is the data folder relative to the binary folder,
  // worked out from the install directories at configure time.
  return QDir::cleanPath(QDir(program_folder_).filePath(QStringLiteral(PELIKAN_DATA_FROM_BIN)));
}

QString UserConfigFolder() {
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return base.isEmpty() ? QString() : QDir(base).filePath(QStringLiteral("pelikan"));
}

}  // namespace pelikan
