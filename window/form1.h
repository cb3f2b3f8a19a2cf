// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_WINDOW_FORM1_H_
#define PELIKAN_WINDOW_FORM1_H_

#include <QIcon>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <string>
#include <vector>

#include "contest/contest_data.h"
#include "contest/editing_rules.h"
#include "contest/fields.h"
#include "contest/words.h"
#include "engine/file_system.h"
#include "engine/result_list.h"
#include "window/data_paths.h"
#include "window/desktop.h"

class QGroupBox;
class QDragEnterEvent;
class QDropEvent;
class QKeyEvent;
class QMimeData;
class QLabel;
class QListView;
class QPushButton;
class QStatusBar;

namespace pelikan {

class ComboBox;
class ResultListModel;
class TextBox;
struct ConversionResult;

// The film-strip icon of the window and the program.
QIcon ProgramIcon();

// The program's one window: the contest data form on the left, the make and
// print buttons under it, the result list on the right and the status bar
// along the bottom. It runs one conversion per start: after a run that
// wrote the file, or a cancelled choice of log, the make button reads
// "KONEC" and closes the window. A failed run leaves it as it was, so that
// another log can be tried without typing everything again.
//
// The controls keep the names they were drawn with, as their object names
// too; a control array's members carry their index, as "Text1(4)":
// - Frame1: the frame "Podatki o tekmovanju" that holds the form;
// - Text1(0) to Text1(10): the text fields, Combo1(0) and Combo1(1): the
//   category and overlay lists, in the order of contest/fields.h, each with
//   its caption Label1(i) (there is no Label1(4));
// - Command1: the make button, "Izdelaj CBR", then "KONEC";
// - Command2: the print button, "Tiskaj", shown once a run is over;
// - Command3: "Naloži podatke iz prejšnje datoteke CBR", under the list,
//   hidden once a run is over;
// - Label2: the processed-records message under the buttons;
// - List1: the result list;
// - StatusBar1 with its two panels (panel1_, panel2_): the log or the file
//   written, and the date.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  // `program_folder` is the folder of the executable (empty: this
  // process's); DataPaths decides from it where the category lists come
  // from and where the Cabrillo file goes. `desktop` answers the
  // file dialog, opens the written file for printing and shows warnings;
  // `file_system` is the engine's way to the disk. Every word shown is in
  // `language`; the entry file is the same in both.
  explicit Form1(QString program_folder = {}, Desktop& desktop = SystemDesktop(),
                 FileSystem& file_system = SystemFileSystem(), Language language = Language::kSlovenian);
  ~Form1() override;

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // One log dropped onto the window runs as if chosen in the file dialog,
  // while the make button is on; otherwise the status bar says why not.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateControls();
  void CreateFields();
  void CreateButtons();
  void CreateList();
  void CreateStatusBar();
  // The form as drawn, or in a scroll area when that does not fit the screen.
  void FitToScreen();
  QWidget* FieldControl(const ContestField& field) const;
  void ConnectHandlers();

  // The window's own events.
  void FormLoad();
  void FormActivate();
  void ShowLoadWarnings();

  // One handler per event for each control array; `index` names the control.
  void Text1Change(int index);
  void Text1GotFocus(int index);
  void Text1LostFocus(int index);
  void Text1KeyPress(int index, QKeyEvent* event);
  void Combo1Change(int index);
  void Combo1Click(int index);
  void Combo1KeyPress(int index, QKeyEvent* event);
  void Command1Click();
  void Command2Click();
  // Fills the form from an earlier entry's header.
  void Command3Click();

  enum class RunOutcome { kNoInput, kWritten, kFailed };

  // A run on the log chosen in the file dialog, or on `dropped_log`.
  void StartRun(const QString& dropped_log);
  // Whether the user goes on after being told of odd field values, if any.
  bool FieldValuesAccepted();
  // Why a drop of `dropped` is refused; empty when it is taken.
  QString DropRefusalText(const QMimeData* dropped) const;
  // Runs the editing rule of `move` for `field` on the fields and shows what
  // it changed (ApplyFocusMove).
  void ApplyEditingRule(const ContestField& field, FocusMove move);
  void SendTabForEnter(const QKeyEvent* event);
  void ChooseInputFile();
  // The file dialog in the folder of the last file chosen in this run.
  QString ChooseFile(const QString& filter);
  // Status bar text that is true only for as long as the form is not ready.
  void ShowDropRefusal(const QString& text);
  // Converts the chosen log with the fields `data` and shows the outcome;
  // the Cabrillo file takes the name `file_name`.
  RunOutcome RunConversion(const ContestData& data, const std::string& file_name);
  void UpdateMakeButton();

  ContestData FieldsAsContestData() const;
  void ShowResultList(ResultList lines);
  // The status bar's first panel.
  void ShowStatus(const QString& text);
  void Warn(const QString& text);
  // A word of contest/words.h in the window's language.
  QString WordText(Word word) const;
  void ShowNotes(const ConversionResult& result);

  QString program_folder_;
  Language language_;
  DataPaths data_paths_;
  Desktop& desktop_;
  FileSystem& file_system_;

  QWidget* canvas_ = nullptr;  // holds the controls as drawn
  QGroupBox* Frame1 = nullptr;
  std::array<TextBox*, kText1Count> Text1{};
  std::array<ComboBox*, 2> Combo1{};
  std::array<QLabel*, 14> Label1{};  // there is no Label1(4)
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QLabel* Label2 = nullptr;
  QListView* List1 = nullptr;
  ResultListModel* result_list_ = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  QLabel* panel1_ = nullptr;
  QLabel* panel2_ = nullptr;

  // The full path of the input log; empty means none.
  QString InputPath;
  // The Cabrillo file the last run wrote; empty when it wrote none.
  QString written_file_;
  QString dialog_filter_;
  QString last_folder_;
  // The status bar says why a drop was refused before the form was ready.
  bool drop_refusal_shown_ = false;
  // The make button's caption is "KONEC": the one run is over.
  bool finished_ = false;
  // The two halves of the readiness rule (CategoryChosen and the required
  // texts filled), recomputed at every change of a field.
  bool category_chosen_ = false;
  bool required_texts_filled_ = false;
  bool activated_ = false;
  QStringList load_warnings_;
};

}  // namespace pelikan

#endif  // PELIKAN_WINDOW_FORM1_H_
