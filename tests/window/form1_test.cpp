// SPDX-License-Identifier: GPL-3.0-or-later
// The window as it opens, and the editing and readiness rules of its fields.

#include <QApplication>
#include <QDate>
#include <QFontMetrics>
#include <QStatusBar>
#include <QTest>

#include <functional>
#include <tuple>
#include <utility>

#include "tests/window/window_test.h"

namespace pelikan {
namespace {

QWidget* FocusAfterTab() {
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  return QApplication::focusWidget();
}

TEST_F(WindowTest, OpensWithStartTextsAndCaretBehindPreset) {
  Form1& form = Open();
  EXPECT_EQ(form.windowTitle(), "Pelikan Write by QAZMIX 07");
  EXPECT_FALSE(form.windowIcon().pixmap(32, 32).isNull());
  EXPECT_EQ(form.minimumSize(), QSize(1011, 559));
  EXPECT_EQ(form.maximumSize(), QSize(1011, 559));

  EXPECT_EQ(Text1(0)->text(), "S5");
  EXPECT_EQ(Text1(1)->text(), "KV prvenstvo ZRS");
  for (int i = 2; i < 11; ++i) EXPECT_EQ(Text1(i)->text(), "") << i;
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(Combo1(i)->currentText(), "") << i;
    EXPECT_EQ(Combo1(i)->currentIndex(), -1) << i;
  }
  EXPECT_EQ(QApplication::focusWidget(), Text1(0));
  EXPECT_EQ(Text1(0)->cursorPosition(), 2);
  EXPECT_FALSE(Text1(0)->hasSelectedText());

  EXPECT_EQ(Button("Command1")->text(), "Izdelaj CBR");
  EXPECT_FALSE(Button("Command1")->isEnabled());
  EXPECT_FALSE(Button("Command2")->isVisible());
  EXPECT_EQ(Label2(), "");
  EXPECT_TRUE(ListLines().isEmpty());
  EXPECT_EQ(StatusPanel(1), "");
  EXPECT_EQ(StatusPanel(2), QDate::currentDate().toString("dd.MM.yy"));
  EXPECT_TRUE(desktop_.warnings.isEmpty());
}

TEST_F(WindowTest, ControlsStandWhereTheLayoutPutsThem) {
  Open();
  // Twips divided by 15.
  const std::pair<const char*, QRect> placed[] = {
      {"Frame1", {8, 8, 313, 441}},     {"Command1", {64, 464, 89, 25}},
      {"Command2", {184, 464, 97, 25}}, {"Label2", {16, 512, 305, 17}},
      {"List1", {328, 16, 673, 484}},   {"StatusBar1", {0, 542, 1011, 17}},
  };
  for (const auto& [name, pixels] : placed) EXPECT_EQ(Control<QWidget>(name)->geometry(), pixels) << name;

  // Row k: its box, its label (no Label1(4)) and the label's drawn width.
  const std::tuple<QString, int, int> rows[] = {
      {"Text1(0)", 0, 57},  {"Text1(1)", 1, 49},  {"Text1(2)", 2, 73},  {"Combo1(0)", 3, 57},
      {"Combo1(1)", 5, 89}, {"Text1(3)", 6, 73},  {"Text1(4)", 7, 57},  {"Text1(5)", 8, 57},
      {"Text1(6)", 9, 57},  {"Text1(7)", 10, 129}, {"Text1(8)", 11, 97}, {"Text1(9)", 12, 57},
      {"Text1(10)", 13, 57},
  };
  auto* frame = Control<QWidget>("Frame1");
  for (int k = 0; k < 13; ++k) {
    const auto& [box_name, label_index, label_width] = rows[k];
    SCOPED_TRACE(box_name.toStdString());
    auto* box = Control<QWidget>(box_name);
    auto* label = Control<QLabel>(QStringLiteral("Label1(%1)").arg(label_index));
    EXPECT_EQ(box->parentWidget(), frame);
    EXPECT_EQ(box->geometry(), QRect(24, 24 + 32 * k, 137, box_name.startsWith("Combo1") ? 21 : 25));
    EXPECT_EQ(label->parentWidget(), frame);
    EXPECT_EQ(label->pos(), QPoint(176, 32 + 32 * k));
    EXPECT_EQ(label->height(), 17);
    // Never narrower than drawn, never cutting its caption, inside the frame.
    EXPECT_GE(label->width(), label_width);
    EXPECT_GE(label->width(), label->sizeHint().width());
    EXPECT_LE(label->geometry().right(), frame->width());
    // Tips belong to the four labels that have one, never to a box.
    EXPECT_EQ(label->toolTip().isEmpty(), !QList<int>({7, 8, 10, 11}).contains(label_index));
    EXPECT_EQ(box->toolTip(), "");
  }
  EXPECT_EQ(Control<QLabel>("Label1(7)")->toolTip(), "Vpiši cel znak kluba, naveden v klubski prijavi");
  EXPECT_EQ(Control<QLabel>("Label1(11)")->text(), "Poštna št. in kraj *");

  // The frame's border runs through its caption, not below it.
  const QImage drawn = frame->grab().toImage();
  const QColor window = form_->palette().color(QPalette::Window);
  int border = 0;
  while (border < drawn.height() && drawn.pixelColor(frame->width() - 20, border) == window) ++border;
  EXPECT_LT(border, frame->fontMetrics().height());

  const QFontMetrics list_font = Control<QListView>("List1")->fontMetrics();
  EXPECT_EQ(list_font.horizontalAdvance("iiii  "), list_font.horizontalAdvance("MMMM--"));
}

TEST_F(WindowTest, TabVisitsTheControlsInOrderSkippingDisabledAndHidden) {
  Open();
  QList<QWidget*> expected;
  for (int i : {0, 1, 2}) expected << Text1(i);
  expected << Combo1(0) << Combo1(1);
  for (int i = 3; i < 11; ++i) expected << Text1(i);
  expected << Control<QListView>("List1") << Text1(0);
  for (int step = 1; step < expected.size(); ++step) {
    EXPECT_EQ(FocusAfterTab(), expected[step]) << "step " << step;
  }

  FillRequired();
  ASSERT_TRUE(Button("Command1")->isEnabled());
  QTest::mouseClick(Text1(10), Qt::LeftButton);
  EXPECT_EQ(FocusAfterTab(), Button("Command1"));
}

TEST_F(WindowTest, MakeButtonFollowsTheReadinessRule) {
  struct Case {
    const char* name;
    std::function<void()> act;
    bool enabled;
  };
  const Case cases[] = {
      {"required texts without a category",
       [&] { Type(Combo1(0), ""); }, false},
      {"category typed", [] {}, true},
      {"typed category deleted",
       [&] { QTest::keyClick(Combo1(0), Qt::Key_A, Qt::ControlModifier);
             QTest::keyClick(Combo1(0), Qt::Key_Backspace); }, false},
      {"category picked from the list",
       [&] { Type(Combo1(0), "");
             QTest::keyClick(Combo1(0), Qt::Key_Down); }, true},
      {"overlay alone is no category",
       [&] { Type(Combo1(0), ""); Type(Combo1(1), "YL"); }, false},
      {"a blank counts as filled", [&] { Type(Text1(6), " "); }, true},
      {"the contest is not required", [&] { Type(Text1(1), ""); }, true},
      {"a text emptied by code", [&] { Text1(8)->setText(""); }, false},
      {"the callsign emptied", [&] { Type(Text1(0), ""); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Open();
    FillRequired();
    c.act();
    EXPECT_EQ(Button("Command1")->isEnabled(), c.enabled);
  }
}

TEST_F(WindowTest, FieldsZeroToFiveTurnUpperCaseOnlyWhenLeft) {
  Open();
  for (int i = 0; i < 11; ++i) {
    if (i == 4) continue;  // the club has rules of its own, below
    SCOPED_TRACE(i);
    Type(Text1(i), "s5č ab");
    EXPECT_EQ(Text1(i)->text(), "s5č ab");
    FocusAfterTab();
    EXPECT_EQ(Text1(i)->text(), i < 6 ? "S5Č AB" : "s5č ab");
  }
}

TEST_F(WindowTest, ClubFieldTakesPresetOnEntryAndDropsItOnLeaving) {
  Open();
  QLineEdit* club = Text1(4);
  QTest::mouseClick(Text1(3), Qt::LeftButton);
  EXPECT_EQ(FocusAfterTab(), club);
  EXPECT_EQ(club->text(), "S5");
  KeyClicks(club, "0ab");  // the caret stands behind the preset, nothing selected
  EXPECT_EQ(club->text(), "S50ab");
  FocusAfterTab();
  EXPECT_EQ(club->text(), "S50AB");
  QTest::mouseClick(club, Qt::LeftButton);
  EXPECT_EQ(club->text(), "S50AB");  // three or more characters are kept

  Type(club, "x");
  FocusAfterTab();
  EXPECT_EQ(club->text(), "X");  // one character stays ...
  QTest::mouseClick(club, Qt::LeftButton);
  EXPECT_EQ(club->text(), "S5");  // ... and becomes the preset on the next entry
  FocusAfterTab();
  EXPECT_EQ(club->text(), "");  // the untouched preset is dropped

  // Any two characters go, whichever field is left.
  club->setText("AB");
  QTest::mouseClick(Text1(6), Qt::LeftButton);
  FocusAfterTab();
  EXPECT_EQ(club->text(), "");
}

TEST_F(WindowTest, SwitchingToAnotherWindowIsNoLeavingOfTheField) {
  Open();
  Type(Text1(5), "s59ab,s57xy");
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  EXPECT_EQ(QApplication::focusWidget(), Text1(5));
  EXPECT_EQ(Text1(5)->text(), "s59ab,s57xy");
}

TEST_F(WindowTest, EnterMovesOnLikeTabAfterTheKeyHasBeenHandled) {
  Open();
  QTest::keyClick(Text1(0), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), Text1(0));  // queued, not yet moved
  Settle();
  EXPECT_EQ(QApplication::focusWidget(), Text1(1));

  Type(Combo1(0), "CHECKLOG");
  QTest::keyClick(Combo1(0), Qt::Key_Enter);
  Settle();
  EXPECT_EQ(QApplication::focusWidget(), Combo1(1));
  EXPECT_EQ(Combo1(0)->currentText(), "CHECKLOG");
  EXPECT_EQ(Combo1(0)->count(), 2);  // Enter adds nothing to the list

  FillRequired();
  QTest::mouseClick(Text1(10), Qt::LeftButton);
  QTest::keyClick(Text1(10), Qt::Key_Return);
  Settle();
  EXPECT_EQ(QApplication::focusWidget(), Button("Command1"));
}

}  // namespace
}  // namespace pelikan
