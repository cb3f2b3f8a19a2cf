// SPDX-License-Identifier: GPL-3.0-or-later
// Where the lists come from and where the Cabrillo file goes, for a
// portable copy and for an installed program. The window against a real
// install tree is in installed_window_test.cpp.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/window/window_test.h"
#include "window/data_paths.h"

namespace pelikan {
namespace {

TEST(DataPaths, PortableCopyKeepsAllBesideItAndAnInstalledOneSplitsThem) {
  QTemporaryDir root;
  ASSERT_TRUE(root.isValid());
  auto path = [&root](const char* relative) { return QDir::cleanPath(root.filePath(relative)); };
  for (const char* file : {"copy/category.pod", "config/category1.pod", "usr/bin/category1.pod"}) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path(file)).absolutePath()));
    QFile touched(path(file));
    ASSERT_TRUE(touched.open(QIODevice::WriteOnly));
  }

  // The user's copies do not reach into a portable copy; a list missing
  // beside it is looked for there, and reported there.
  const DataPaths portable(path("copy"), path("config"));
  EXPECT_TRUE(portable.portable());
  EXPECT_EQ(portable.ListPath("category1.pod"), path("copy/category1.pod"));
  EXPECT_EQ(portable.OutputFolder(path("logs/contest.log")), path("copy"));

  // The overlay list alone beside the program makes no portable copy.
  const DataPaths installed(path("usr/bin"), path("config"));
  EXPECT_FALSE(installed.portable());
  EXPECT_EQ(installed.ListPath("category.pod"), path("usr/share/pelikan/category.pod"));
  EXPECT_EQ(installed.ListPath("category1.pod"), path("config/category1.pod"));
  EXPECT_EQ(DataPaths(path("usr/bin"), {}).ListPath("category1.pod"),
            path("usr/share/pelikan/category1.pod"));
  EXPECT_EQ(installed.OutputFolder(path("logs/contest.log")), path("logs"));
}

}  // namespace
}  // namespace pelikan
