// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/window/window_test.h"

#include <QApplication>
#include <QFile>
#include <QStatusBar>
#include <QTest>

namespace pelikan {

void WindowTest::SetUp() {
  ASSERT_TRUE(folder_.isValid());
  WriteFile(QStringLiteral("category.pod"), "SINGLE-OP 80M LOW CW\r\nCHECKLOG\r\n");
  WriteFile(QStringLiteral("category1.pod"), "ROOKIE\r\nYL\r\n");
}

Form1& WindowTest::Open(FileSystem& file_system) {
  form_.reset();
  form_ = std::make_unique<Form1>(program_folder_.isEmpty() ? folder_.path() : program_folder_,
                                  desktop_, file_system);
  form_->show();
  form_->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  Settle();
  return *form_;
}

void WindowTest::WriteFile(const QString& name, const QByteArray& bytes) const {
  QFile file(PathIn(name));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray WindowTest::ReadFile(const QString& name) const {
  QFile file(PathIn(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList WindowTest::ListLines() const {
  const QAbstractItemModel* model = Control<QListView>(QStringLiteral("List1"))->model();
  QStringList lines;
  for (int row = 0; row < model->rowCount(); ++row) lines << model->index(row, 0).data().toString();
  return lines;
}

QString WindowTest::StatusPanel(int number) const {
  return Control<QStatusBar>(QStringLiteral("StatusBar1"))
      ->findChild<QLabel*>(QStringLiteral("Panel%1").arg(number))
      ->text();
}

void WindowTest::Type(QWidget* field, const QString& text) const {
  QTest::mouseClick(field, Qt::LeftButton);
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_Delete);
  KeyClicks(field, text);
}

void WindowTest::KeyClicks(QWidget* field, const QString& text) {
  for (QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(field, c.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
}

void WindowTest::FillRequired() const {
  Type(Text1(2), QStringLiteral("1990"));
  Type(Combo1(0), QStringLiteral("SINGLE-OP 80M LOW CW"));
  Type(Text1(6), QStringLiteral("Janez"));
  Type(Text1(7), QStringLiteral("Pot 1"));
  Type(Text1(8), QStringLiteral("1000 Ljubljana"));
}

void WindowTest::Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

}  // namespace pelikan

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
