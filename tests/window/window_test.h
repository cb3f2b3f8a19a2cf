// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_TESTS_WINDOW_WINDOW_TEST_H_
#define PELIKAN_TESTS_WINDOW_WINDOW_TEST_H_

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

#include "window/desktop.h"
#include "window/form1.h"

// Readable failure messages for Qt's texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out) {
  *out << '[' << texts.join("|").toStdString() << ']';
}

namespace pelikan {

// Answers the window's questions to the desktop and records them.
class FakeDesktop : public Desktop {
 public:
  struct Dialog {
    QString folder, filter;
  };
  struct Shown {
    QString title, text;
  };
  QString ChooseExistingFile(QWidget*, const QString&, const QString& folder,
                             const QString& filter) override {
    dialogs.push_back({folder, filter});
    return chosen_file;
  }
  QString DefaultTextApplication() override { return text_application; }
  void Start(const QString& program, const QStringList& arguments, QObject*,
             std::function<void(bool)> done) override {
    started.push_back(QStringList{program} + arguments);
    done(start_succeeds);
  }
  void ShowText(QWidget*, const QString& title, const QString& text) override {
    shown.push_back({title, text});
  }
  void Warn(QWidget*, const QString&, const QString& text) override { warnings << text; }
  void WarnWithDetails(QWidget*, const QString&, const QString& text, const QString& details) override {
    detailed_warnings.push_back({text, details});
  }

  QString chosen_file;       // the dialog's answer; empty is a cancel
  QString text_application;  // a desktop entry file; empty is none
  bool start_succeeds = true;
  std::vector<Dialog> dialogs;
  std::vector<QStringList> started;
  std::vector<Shown> shown;
  QStringList warnings;
  std::vector<std::pair<QString, QString>> detailed_warnings;  // text, details
};

// A window on a program folder of its own (a portable copy with its lists),
// shown and active.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // A new window, replacing any earlier one.
  Form1& Open(FileSystem& file_system = SystemFileSystem());

  QString PathIn(const QString& name) const { return folder_.filePath(name); }
  void WriteFile(const QString& name, const QByteArray& bytes) const;
  QByteArray ReadFile(const QString& name) const;

  template <typename T>
  T* Control(const QString& name) const {
    T* control = form_->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
  }
  QLineEdit* Text1(int index) const { return Control<QLineEdit>(QStringLiteral("Text1(%1)").arg(index)); }
  QComboBox* Combo1(int index) const { return Control<QComboBox>(QStringLiteral("Combo1(%1)").arg(index)); }
  QPushButton* Button(const char* name) const { return Control<QPushButton>(QLatin1String(name)); }
  QString Label2() const { return Control<QLabel>("Label2")->text(); }
  QStringList ListLines() const;
  QString StatusPanel(int number) const;

  // Clicks into the field and replaces its text by typing.
  void Type(QWidget* field, const QString& text) const;
  // Types into the focused field, letters beyond ASCII too.
  static void KeyClicks(QWidget* field, const QString& text);
  // Types the five required texts and a category, the least that enables
  // the make button.
  void FillRequired() const;
  // Lets queued events run (the Tab of the Enter rule, posted warnings).
  static void Settle();

  QTemporaryDir folder_;
  QString program_folder_;  // where the window is started from; empty: folder_
  FakeDesktop desktop_;
  std::unique_ptr<Form1> form_;
};

}  // namespace pelikan

#endif  // PELIKAN_TESTS_WINDOW_WINDOW_TEST_H_
