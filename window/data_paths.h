// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_WINDOW_DATA_PATHS_H_
#define PELIKAN_WINDOW_DATA_PATHS_H_

#include <QString>

namespace pelikan {

// Where the window finds its category lists and puts the Cabrillo file,
// decided by how the program stands on the disk.
//
// A portable copy has its category list beside the program (the build
// folder is one): the lists are read from there and the file is written
// there. An installed program has none beside it and its folder is not the
// user's: each list comes from the user's own copy in the configuration
// folder when there is one, else from the installed defaults, and the file
// goes beside the log. The layout decides, not whether a folder is writable,
// since root can write anywhere.
class DataPaths {
 public:
  // `program_folder` holds the executable; `config_folder` is the user's
  // own folder for the lists (UserConfigFolder() in the program).
  DataPaths(QString program_folder, QString config_folder);

  bool portable() const { return portable_; }
  // The list file named `file_name` to read: for an installed program the
  // user's copy when it exists, otherwise the installed default.
  QString ListPath(const QString& file_name) const;
  // The folder that receives the Cabrillo file of a run on `log_path`.
  QString OutputFolder(const QString& log_path) const;
  // The installed defaults: `share/pelikan` of the prefix the program
  // stands in, found from its own folder so any prefix and a staged tree
  // work alike.
  QString InstalledDataFolder() const;

 private:
  QString program_folder_;
  QString config_folder_;
  bool portable_;
};

// The user's folder for their own copies of the lists: "pelikan" in the
// XDG configuration folder (~/.config/pelikan).
QString UserConfigFolder();

}  // namespace pelikan

#endif  // PELIKAN_WINDOW_DATA_PATHS_H_
