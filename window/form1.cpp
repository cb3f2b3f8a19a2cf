// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <utility>

#include "contest/fields.h"
#include "contest/file_name.h"
#include "contest/value_checks.h"
#include "engine/convert_log.h"
#include "engine/messages.h"
#include "window/category_list.h"
#include "window/controls.h"
#include "window/pelikan_icon.xpm"
#include "window/result_list_model.h"
#include "window/text_codec.h"

namespace pelikan {
namespace {

QString Utf8(std::string_view text) { return FromUtf8(text); }

std::filesystem::path ToPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString FromPath(const std::filesystem::path& path) {
  return QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path.native())));
}

// The busy pointer for as long as the conversion runs.
class BusyPointer {
 public:
  BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyPointer() { QApplication::restoreOverrideCursor(); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace

QIcon ProgramIcon() { return QIcon(QPixmap(pelikan_icon_xpm)); }

Form1::Form1(QString program_folder, Desktop& desktop, FileSystem& file_system, Language language)
    : program_folder_(program_folder.isEmpty() ? QCoreApplication::applicationDirPath() : std::move(program_folder)),
      language_(language),
      data_paths_(program_folder_, UserConfigFolder()),
      desktop_(desktop),
      file_system_(file_system),
      last_folder_(QDir::homePath()) {
  CreateControls();
  FormLoad();
  // Connected only now: the start texts and the filled lists raise no
  // change events, so both readiness flags start false.
  ConnectHandlers();
}

Form1::~Form1() {
  // The controls outlive this part of the window and may still signal while
  // QWidget takes them down; their handlers must no longer run by then.
  for (QObject* control : findChildren<QObject*>()) control->disconnect(this);
}

void Form1::ConnectHandlers() {
  for (int i = 0; auto* box : Text1) {
    connect(box, &QLineEdit::textChanged, this, [this, i] { Text1Change(i); });
    connect(box, &TextBox::GotFocus, this, [this, i] { Text1GotFocus(i); });
    connect(box, &TextBox::LostFocus, this, [this, i] { Text1LostFocus(i); });
    connect(box, &TextBox::KeyPress, this, [this, i](QKeyEvent* event) { Text1KeyPress(i, event); });
    ++i;
  }
  for (int i = 0; auto* combo : Combo1) {
    connect(combo, &QComboBox::editTextChanged, this, [this, i] { Combo1Change(i); });
    connect(combo, &QComboBox::activated, this, [this, i] { Combo1Click(i); });
    connect(combo, &ComboBox::KeyPress, this, [this, i](QKeyEvent* event) { Combo1KeyPress(i, event); });
    ++i;
  }
  connect(Command1, &QPushButton::clicked, this, &Form1::Command1Click);
  connect(Command2, &QPushButton::clicked, this, &Form1::Command2Click);
  connect(Command3, &QPushButton::clicked, this, &Form1::Command3Click);
}

void Form1::FormLoad() {
  const char* files[] = {kCategoryListFile, kOverlayListFile};
  for (int i = 0; i < 2; ++i) {
    const QString path = data_paths_.ListPath(QLatin1String(files[i]));
    const CategoryList list = ReadCategoryList(ToPath(path), file_system_, language_);
    if (!list.error.isEmpty()) {
      // Without its list the box still takes a typed category, so the window
      // opens and says which file is missing.
      load_warnings_ << Utf8(
          CategoryListMessage(QDir::toNativeSeparators(path).toStdString(), list.error.toStdString(), language_));
    }
    Combo1[i]->addItems(list.entries);
    // Adding the first entry selects it; the box starts with no choice.
    Combo1[i]->setCurrentIndex(-1);
    Combo1[i]->clearEditText();
  }
}

void Form1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!load_warnings_.isEmpty()) {
    // Once the window stands, so that the warnings have it as their parent.
    QMetaObject::invokeMethod(this, &Form1::ShowLoadWarnings, Qt::QueuedConnection);
  }
}

void Form1::ShowLoadWarnings() {
  const QStringList warnings = std::exchange(load_warnings_, {});
  for (const QString& warning : warnings) Warn(warning);
}

void Form1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && !activated_) {
    // Only the first activation: coming back from another program must not
    // move the caret under the user's hands.
    activated_ = true;
    FormActivate();
  }
}

void Form1::FormActivate() { Text1[kCallsignIndex]->setCursorPosition(Text1[kCallsignIndex]->text().size()); }

void Form1::Text1Change(int /*index*/) { UpdateMakeButton(); }

// Either box re-evaluates the category; the overlay is never tested.
void Form1::Combo1Change(int /*index*/) { UpdateMakeButton(); }

void Form1::Combo1Click(int index) { Combo1Change(index); }

void Form1::UpdateMakeButton() {
  Command1->setEnabled(ReadyToMake(FieldsAsContestData()));
  // "Drop the log once the fields are filled" is no longer true.
  if (Command1->isEnabled() && std::exchange(drop_refusal_shown_, false)) ShowStatus({});
}

void Form1::Text1GotFocus(int index) {
  ApplyEditingRule(Text1Field(index), FocusMove::kEnter);
  if (index == kClubIndex) Text1[kClubIndex]->setCursorPosition(Text1[kClubIndex]->text().size());
}

void Form1::Text1LostFocus(int index) {
  ApplyEditingRule(Text1Field(index), FocusMove::kLeave);
  if (index == kClubIndex) Text1[kClubIndex]->setCursorPosition(Text1[kClubIndex]->text().size());
}

void Form1::ApplyEditingRule(const ContestField& field, FocusMove move) {
  ContestData data = FieldsAsContestData();
  const auto shown = ApplyFocusMove(field, move, data);
  for (std::size_t i = 0; i < kContestFields.size(); ++i) {
    const ContestField& f = kContestFields[i];
    if (!shown[i] || f.list) continue;
    const QString text = FromCp1250(data.*f.value);
    if (text != Text1[f.index]->text()) Text1[f.index]->setText(text);
  }
}

void Form1::Text1KeyPress(int /*index*/, QKeyEvent* event) { SendTabForEnter(event); }

void Form1::Combo1KeyPress(int /*index*/, QKeyEvent* event) { SendTabForEnter(event); }

void Form1::SendTabForEnter(const QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return;
  // Queued like a key the user pressed next, so the focus moves after the
  // box has had its Enter.
  QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
}

void Form1::Command1Click() {
  if (finished_) {
    close();
    return;
  }
  StartRun({});
}

void Form1::StartRun(const QString& dropped_log) {
  // The file's name once for the run, from the fields as they stand.
  const std::optional<std::string> file_name = CabrilloFileName(FieldsAsContestData());
  if (!file_name) {
    Warn(Utf8(NoFileNameMessage(Text1[kCallsignIndex]->text().toStdString(), language_)));
    return;
  }
  if (!FieldValuesAccepted()) return;
  InputPath.clear();
  written_file_.clear();
  if (dropped_log.isEmpty()) {
    // The logs of every kind read, in any letter case, and every file: "*"
    // since "*.*" would hide names without a dot.
    dialog_filter_ = WordText(Word::kLogFiles) + QStringLiteral(";;") + WordText(Word::kAllFiles);
    ChooseInputFile();
  } else {
    InputPath = dropped_log;
  }
  ShowStatus(QDir::toNativeSeparators(InputPath));
  // The QsoRegisters would be reset here: every conversion starts with
  // fresh ones of its own, so there is nothing left over to clear.
  // A failed run keeps the make button and the typed data, so the user can
  // pick another log at once instead of starting over.
  if (RunConversion(FieldsAsContestData(), *file_name) != RunOutcome::kFailed) {
    finished_ = true;
    Command1->setText(WordText(Word::kExit));
    Command2->setVisible(true);
    Command3->setVisible(false);
  }
  // Away from KONEC, where a stray Enter would end the program.
  List1->setFocus();
}

bool Form1::FieldValuesAccepted() {
  const std::vector<FieldWarning> odd = CheckFieldValues(FieldsAsContestData(), QDate::currentDate().year());
  if (odd.empty()) return true;
  QStringList details;
  for (const FieldWarning& warning : odd) {
    details << Utf8(language_ == Language::kEnglish ? warning.english : warning.slovenian);
  }
  if (desktop_.WarnBeforeGoingOn(this, WordText(Word::kProgram), Utf8(OddValuesMessage(language_)), details.join(u'\n'),
                                 language_)) {
    return true;
  }
  FieldControl(*odd.front().field)->setFocus();
  return false;
}

Form1::RunOutcome Form1::RunConversion(const ContestData& data, const std::string& file_name) {
  if (InputPath.isEmpty()) return RunOutcome::kNoInput;
  const QString cabrillo_path =
      QDir(data_paths_.OutputFolder(InputPath)).filePath(QFile::decodeName(file_name.c_str()));
  std::optional<ConversionFailure> failure;
  ConversionResult result;
  {
    BusyPointer busy;
    result = ConvertLogFile(ToPath(InputPath), data, LogFormat::kAuto, file_system_);
    WriteCabrilloFile(result, ToPath(InputPath), ToPath(cabrillo_path), file_system_);
    // A failed run keeps the lines it had; they stay on show.
    ShowResultList(std::move(result.result_list));
    if (result.ok()) {
      Label2->setText(FromCp1250(result.processed_message));
      written_file_ = cabrillo_path;
      // The status bar is the one place that can say where the file went.
      ShowStatus(Utf8(WrittenMessage(QDir::toNativeSeparators(written_file_).toStdString(), result.notes, language_)));
      // The summary and the claimed score close the list.
      List1->scrollToBottom();
    }
    // The conversion pads the callsign field for its QSO lines; the field
    // shows it as left, which raises the readiness rule. The blanks are
    // added to the field's own text, so that a character the code page
    // lacks is not turned into "?" on screen.
    if (const std::size_t blanks = CallsignBlanksAfterRun(data.Callsign, result.record_count)) {
      Text1[kCallsignIndex]->setText(Text1[kCallsignIndex]->text() +
                                     QString(static_cast<qsizetype>(blanks), QLatin1Char(' ')));
    }
    failure = std::move(result.failure);
  }
  if (failure) {
    // Whatever stands in the file's place now stood there before the run.
    const bool earlier_file_kept = QFileInfo(FromPath(failure->path)).isFile();
    Warn(Utf8(
        FailureMessage(*failure, QDir::toNativeSeparators(InputPath).toStdString(), earlier_file_kept, language_)));
    result_list_->AddLine(kRunStoppedLine);
  }
  if (result.folder_sync_error != 0) {
    Warn(Utf8(FolderNotSyncedMessage(QDir::toNativeSeparators(written_file_).toStdString(), result.folder_sync_error,
                                     language_)));
  }
  ShowNotes(result);
  return failure ? RunOutcome::kFailed : RunOutcome::kWritten;
}

void Form1::ShowNotes(const ConversionResult& result) {
  const int warnings = result.WarningCount();
  if (warnings == 0) return;
  QStringList details;
  for (const LogNote& note : result.notes) details << Utf8(NoteMessage(note, language_));
  if (result.notes_not_kept > 0) details << Utf8(NotesNotShownMessage(result.notes_not_kept, language_));
  desktop_.WarnWithDetails(this, WordText(Word::kProgram), Utf8(LineReportMessage(warnings, language_)),
                           details.join(u"\n\n"));
}

void Form1::Command2Click() {
  // Only the file this run wrote: a name rebuilt from the callsign field
  // could find an older entry and have the user send the wrong one.
  if (written_file_.isEmpty()) {
    Warn(Utf8(NothingToPrintMessage(language_)));
    return;
  }
  ShowTextFile(desktop_, this, WordText(Word::kProgram), written_file_, language_);
}

ContestData Form1::FieldsAsContestData() const {
  ContestData data;
  for (const ContestField& field : kContestFields) {
    data.*field.value = ToCp1250(field.list ? Combo1[field.index]->currentText() : Text1[field.index]->text());
  }
  return data;
}

void Form1::ShowStatus(const QString& text) {
  panel1_->setText(text);
  // The whole text where the panel is too narrow for it.
  panel1_->setToolTip(text);
}

void Form1::ShowResultList(ResultList lines) { result_list_->SetLines(std::move(lines)); }

void Form1::Warn(const QString& text) { desktop_.Warn(this, WordText(Word::kProgram), text); }

QString Form1::WordText(Word word) const { return Utf8(WordOf(word, language_)); }

}  // namespace pelikan
