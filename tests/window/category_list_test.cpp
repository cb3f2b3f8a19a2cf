// SPDX-License-Identifier: GPL-3.0-or-later
// The category lists: how a file becomes entries, and what the window does
// with them.

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QTest>

#include "tests/window/window_test.h"
#include "window/category_list.h"

namespace pelikan {
namespace {

TEST(ReadCategoryList, EveryLineIsAnEntryAsItStands) {
  struct Case {
    const char* name;
    QByteArray bytes;
    QStringList entries;
  };
  const Case cases[] = {
      {"CR LF after the last line adds no entry", "A\r\nB\r\n", {"A", "B"}},
      {"a last line without an end", "A\r\nB", {"A", "B"}},
      {"an empty line in the middle", "A\r\n\r\nB\r\n", {"A", "", "B"}},
      {"lone CR and lone LF end lines", "A\rB\nC\r\n", {"A", "B", "C"}},
      {"blanks, duplicates and order kept", " Z \r\nA\r\n Z \r\n", {" Z ", "A", " Z "}},
      {"an empty file", "", {}},
      {"Windows-1250 letters", "Za\xe8\x9a" "etnik\r\n", {"Začšetnik"}},
      {"UTF-8 with its mark dropped", "\xef\xbb\xbf\xc5\xbd" "ENSKE\r\nYL\r\n", {"ŽENSKE", "YL"}},
      {"UTF-8 without a mark", "A\r\n\xc5\xbd" "ENSKE", {"A", "ŽENSKE"}},
      {"a mark and plain ASCII", "\xef\xbb\xbfYL\r\n", {"YL"}},
      {"Windows-1250 that is no UTF-8", "\xc5\xbd\x8e" "ENSKE\r\n", {"Ĺ˝ŽENSKE"}},
  };
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QFile file(folder.filePath("list.pod"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(c.bytes);
    file.close();
    const CategoryList list = ReadCategoryList(file.fileName());
    EXPECT_EQ(list.error, "");
    EXPECT_EQ(list.entries, c.entries);
  }
}

TEST_F(WindowTest, ListsStartWithNothingChosenAndAnEmptyEntryIsNoCategory) {
  WriteFile("category.pod", "B\r\n\r\nA\r\n");
  Open();
  EXPECT_EQ(Combo1(0)->count(), 3);
  EXPECT_EQ(Combo1(0)->currentText(), "");
  FillRequired();
  Type(Combo1(0), "");
  QTest::keyClick(Combo1(0), Qt::Key_Down);
  EXPECT_EQ(Combo1(0)->currentText(), "B");
  EXPECT_TRUE(Button("Command1")->isEnabled());
  QTest::keyClick(Combo1(0), Qt::Key_Down);
  EXPECT_EQ(Combo1(0)->currentIndex(), 1);
  EXPECT_FALSE(Button("Command1")->isEnabled());
}

TEST_F(WindowTest, DropDownIsWideEnoughForTheLongestEntry) {
  const QString longest = "SINGLE-OP-ASSISTED ALL BANDS HIGH POWER MIXED";
  WriteFile("category.pod", "CHECKLOG\r\n" + longest.toLatin1() + "\r\n");
  Open();
  QComboBox* box = Combo1(0);
  box->showPopup();
  QAbstractItemView* list = box->view();
  EXPECT_GT(list->width(), box->width());
  EXPECT_GE(list->viewport()->width(), list->fontMetrics().horizontalAdvance(longest));
  box->hidePopup();
}

TEST_F(WindowTest, MissingOrUnreadableListStillOpensTheWindow) {
  ASSERT_TRUE(QFile::remove(PathIn("category.pod")));
  ASSERT_TRUE(QFile::remove(PathIn("category1.pod")));
  // A folder in the list's place keeps the copy portable but cannot be read.
  ASSERT_TRUE(QDir(folder_.path()).mkdir("category.pod"));
  Open();
  EXPECT_TRUE(form_->isVisible());
  EXPECT_EQ(Combo1(0)->count(), 0);
  EXPECT_EQ(Combo1(1)->count(), 0);
  ASSERT_EQ(desktop_.warnings.size(), 2);
  EXPECT_TRUE(desktop_.warnings[0].contains(QDir::toNativeSeparators(PathIn("category.pod"))));
  EXPECT_TRUE(desktop_.warnings[1].contains(QDir::toNativeSeparators(PathIn("category1.pod"))));
  EXPECT_TRUE(desktop_.warnings[0].contains("to je mapa, ne datoteka"));
  EXPECT_TRUE(desktop_.warnings[1].contains("datoteka ali mapa ne obstaja"));

  // A category can still be typed.
  FillRequired();
  EXPECT_TRUE(Button("Command1")->isEnabled());
}

TEST(DefaultLists, StandBesideTheProgramAndFillBothBoxes) {
  FakeDesktop desktop;
  Form1 form(PELIKAN_PROGRAM_DIR, desktop);
  form.show();
  QCoreApplication::processEvents();
  EXPECT_TRUE(desktop.warnings.isEmpty());
  const auto* category = form.findChild<QComboBox*>("Combo1(0)");
  const auto* overlay = form.findChild<QComboBox*>("Combo1(1)");
  EXPECT_GE(category->findText("SINGLE-OP 80M LOW CW"), 0);
  EXPECT_GE(category->findText("CHECKLOG"), 0);
  EXPECT_GE(overlay->findText("ROOKIE"), 0);
  EXPECT_EQ(category->findText(""), -1);
  EXPECT_EQ(overlay->findText(""), -1);
}

}  // namespace
}  // namespace pelikan
