// SPDX-License-Identifier: GPL-3.0-or-later
// The window's ways to a file: the file dialog, a log dropped onto the
// window, and the form filled from an earlier entry.
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>

#include <optional>
#include <string_view>

#include "contest/earlier_entry.h"
#include "engine/log_reader.h"
#include "engine/messages.h"
#include "window/controls.h"
#include "window/form1.h"
#include "window/system_reason.h"
#include "window/text_codec.h"

namespace pelikan {

QString Form1::DropRefusalText(const QMimeData* dropped) const {
  int files = 0;
  for (const QUrl& url : dropped->urls()) files += url.isLocalFile() ? 1 : 2;
  const RunState run = !finished_                ? RunState::kOpen
                       : written_file_.isEmpty() ? RunState::kCancelled
                                                 : RunState::kFileMade;
  return FromUtf8(DropMessage(RefuseDrop(Command1->isEnabled(), run, files), language_));
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
  const QString refusal = DropRefusalText(event->mimeData());
  if (refusal.isEmpty()) {
    event->acceptProposedAction();
  } else {
    ShowDropRefusal(refusal);
    event->ignore();
  }
}

void Form1::dropEvent(QDropEvent* event) {
  if (!DropRefusalText(event->mimeData()).isEmpty()) return;
  event->acceptProposedAction();
  // Run once the drop is over: the run's dialogs must not stand inside the
  // drag and drop.
  const QString log = event->mimeData()->urls().front().toLocalFile();
  QMetaObject::invokeMethod(
      this, [this, log] { StartRun(log); }, Qt::QueuedConnection);
}

void Form1::ShowDropRefusal(const QString& text) {
  ShowStatus(text);
  drop_refusal_shown_ = !Command1->isEnabled();
}

void Form1::ChooseInputFile() {
  // Only an existing file can be confirmed; a cancel leaves InputPath empty.
  const QString chosen = ChooseFile(dialog_filter_);
  if (!chosen.isEmpty()) InputPath = chosen;
}

QString Form1::ChooseFile(const QString& filter) {
  // Opens first in the user's home folder, then where the last file was:
  // the logs of a contest and last year's entry usually stand together.
  const QString chosen = desktop_.ChooseExistingFile(this, WordText(Word::kOpen), last_folder_, filter);
  if (!chosen.isEmpty()) last_folder_ = QFileInfo(chosen).absolutePath();
  return chosen;
}

void Form1::Command3Click() {
  const QString path = ChooseFile(WordText(Word::kEntryFiles) + QStringLiteral(";;") + WordText(Word::kAllFiles));
  if (path.isEmpty()) return;
  const QString shown = QFileInfo(path).fileName();
  // Through the engine's reader, as a log is read: a FIFO chosen by mistake
  // would otherwise stall the window.
  std::string head;
  if (const std::optional<ConversionFailure> failure =
          ReadHead(QFile::encodeName(path).toStdString(), file_system_, head, kEarlierEntryReadLimit)) {
    const QString reason = failure->kind == FailureKind::kLogNotAFile
                               ? FromUtf8(NotAFileReason(language_))
                               : SystemReason(failure->error, QString::fromStdString(failure->reason), language_);
    Warn(FromUtf8(CannotOpenMessage(QDir::toNativeSeparators(path).toStdString(), reason.toStdString(), language_)));
    return;
  }
  const std::optional<EarlierEntry> entry = ReadEarlierEntry(head);
  if (!entry) {
    Warn(FromUtf8(NotAnEntryMessage(shown.toStdString(), language_)));
    return;
  }
  ContestData data = FieldsAsContestData();
  FillFromEarlierEntry(*entry, data);
  for (std::size_t i = 0; i < kContestFields.size(); ++i) {
    const ContestField& field = kContestFields[i];
    if (!entry->filled[i]) continue;
    // Shown from its start, as a value read rather than typed.
    QLineEdit* box = field.list ? Combo1[field.index]->lineEdit() : Text1[field.index];
    box->setText(FromCp1250(data.*field.value));
    box->setCursorPosition(0);
  }
  ShowStatus(FromUtf8(FilledMessage(*entry, shown.toStdString(), language_)));
  drop_refusal_shown_ = false;
}

}  // namespace pelikan
