// SPDX-License-Identifier: GPL-3.0-or-later
// The window started from an installed tree (PELIKAN_INSTALLED_BIN, the
// staged bin folder): it reads the installed lists or the user's own copy
// and writes the Cabrillo file beside the log, never into the program's
// folder.

#include <QDir>
#include <QTest>

#include "tests/window/window_test.h"

namespace pelikan {
namespace {

class InstalledWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    program_folder_ = qEnvironmentVariable("PELIKAN_INSTALLED_BIN");
    ASSERT_FALSE(program_folder_.isEmpty()) << "PELIKAN_INSTALLED_BIN names no folder";
    ASSERT_TRUE(config_.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
  }

  QTemporaryDir config_;
};

TEST_F(InstalledWindowTest, ReadsTheInstalledListsAndWritesBesideTheLog) {
  // The user's own overlay list wins over the installed one.
  ASSERT_TRUE(QDir(config_.path()).mkpath("pelikan"));
  QFile own(QDir(config_.path()).filePath("pelikan/category1.pod"));
  ASSERT_TRUE(own.open(QIODevice::WriteOnly));
  own.write("MY OVERLAY\r\n");
  own.close();
  WriteFile("contest.log", "QSO: 80 CW 09.11.2007 06:01 S59ABC 599 599 1995\r\n");
  desktop_.chosen_file = PathIn("contest.log");

  Open();
  EXPECT_TRUE(desktop_.warnings.isEmpty()) << desktop_.warnings.join("\n").toStdString();
  EXPECT_GE(Combo1(0)->findText("SINGLE-OP 80M LOW CW"), 0);
  EXPECT_GE(Combo1(0)->findText("CHECKLOG"), 0);
  EXPECT_EQ(Combo1(1)->count(), 1);
  EXPECT_EQ(Combo1(1)->itemText(0), "MY OVERLAY");

  FillRequired();
  Type(Text1(0), "S57AB");
  QTest::mouseClick(Button("Command1"), Qt::LeftButton);
  Settle();
  EXPECT_TRUE(desktop_.warnings.isEmpty()) << desktop_.warnings.join("\n").toStdString();
  EXPECT_TRUE(ReadFile("S57AB.cbr").contains("\r\nCLAIMED-SCORE: 2\r\n"));
  EXPECT_EQ(QDir(program_folder_).entryList({"*.cbr"}, QDir::Files), QStringList());

  // No text application here: the own viewer shows the file written.
  QTest::mouseClick(Button("Command2"), Qt::LeftButton);
  ASSERT_EQ(desktop_.shown.size(), 1u);
  EXPECT_EQ(desktop_.shown[0].title, "S57AB.cbr");
  EXPECT_TRUE(desktop_.shown[0].text.contains("\r\nCLAIMED-SCORE: 2\r\n"));
}

}  // namespace
}  // namespace pelikan
