// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/desktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextStream>
#include <QTranslator>

#include <cerrno>
#include <string_view>
#include <utility>

#include "engine/messages.h"
#include "window/system_reason.h"
#include "window/text_codec.h"
#include "window/text_viewer.h"

namespace pelikan {

QString Desktop::ChooseExistingFile(QWidget* parent, const QString& caption, const QString& folder,
                                    const QString& filter) {
  // Qt's own dialog rather than the desktop's, whose filters see the letter
  // case: a log exported as LOG.ADI must show under "*.adi", as on Windows.
  QFileDialog dialog(parent, caption, folder, filter);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

QString Desktop::DefaultTextApplication() {
  QProcess query;
  query.setStandardInputFile(QProcess::nullDevice());
  query.start(QStringLiteral("xdg-mime"),
              {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/plain")});
  // A shell script that reads a few small files; should it hang, the user
  // still gets the own viewer.
  if (!query.waitForFinished(5000)) {
    query.kill();
    query.waitForFinished();
    return {};
  }
  if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) return {};
  const QString id = QString::fromLocal8Bit(query.readAllStandardOutput()).section(u'\n', 0, 0).trimmed();
  if (id.isEmpty()) return {};
  return QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
}

void Desktop::Start(const QString& program, const QStringList& arguments, QObject* context,
                    std::function<void(bool succeeded)> done) {
  auto* process = new QProcess(context);
  process->setStandardInputFile(QProcess::nullDevice());
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  auto finish = [process, done = std::move(done)](bool succeeded) {
    process->disconnect();
    process->deleteLater();
    done(succeeded);
  };
  QObject::connect(process, &QProcess::finished, context, [finish](int code, QProcess::ExitStatus status) {
    finish(status == QProcess::NormalExit && code == 0);
  });
  QObject::connect(process, &QProcess::errorOccurred, context, [finish](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) finish(false);
  });
  process->start(program, arguments);
}

void Desktop::ShowText(QWidget* parent, const QString& title, const QString& text, std::function<void()> open_in_editor,
                       Language language) {
  auto* viewer = new TextViewer(title, text, std::move(open_in_editor), language, parent);
  viewer->setAttribute(Qt::WA_DeleteOnClose);
  viewer->show();
}

void Desktop::Warn(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::warning(parent, title, text);
}

void Desktop::WarnWithDetails(QWidget* parent, const QString& title, const QString& text, const QString& details) {
  QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
  box.setDetailedText(details);
  box.exec();
}

bool Desktop::WarnBeforeGoingOn(QWidget* parent, const QString& title, const QString& text, const QString& details,
                                Language language) {
  QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
  box.setDetailedText(details);
  QPushButton* go_on = box.addButton(FromUtf8(WordOf(Word::kGoOn, language)), QMessageBox::AcceptRole);
  QPushButton* go_back = box.addButton(FromUtf8(WordOf(Word::kGoBack, language)), QMessageBox::RejectRole);
  box.setDefaultButton(go_back);
  box.exec();
  return box.clickedButton() == go_on;
}

Desktop& SystemDesktop() {
  static Desktop desktop;
  return desktop;
}

bool RunsInTerminal(const QString& path) {
  // By hand: QSettings' INI reading takes the entry's ";" lists and "\"
  // escapes for its own syntax. Only one key of one group matters here.
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  QTextStream in(&file);
  bool in_main_group = false;
  QString line;
  while (in.readLineInto(&line)) {
    line = line.trimmed();
    if (line.startsWith(u'[')) {
      in_main_group = line == QStringLiteral("[Desktop Entry]");
    } else if (in_main_group && line.section(u'=', 0, 0).trimmed() == QStringLiteral("Terminal")) {
      return line.section(u'=', 1).trimmed() == QStringLiteral("true");
    }
  }
  return false;
}

namespace {

void CannotOpen(Desktop& desktop, QWidget* parent, const QString& title, const QString& path, const QString& reason,
                Language language) {
  desktop.Warn(
      parent, title,
      FromUtf8(CannotOpenMessage(QDir::toNativeSeparators(path).toStdString(), reason.toStdString(), language)));
}

}  // namespace

void ShowTextFile(Desktop& desktop, QWidget* parent, const QString& title, const QString& path, Language language) {
  QFile file(path);
  QByteArray bytes;
  if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
  if (!file.isOpen() || file.error() != QFileDevice::NoError) {
    CannotOpen(desktop, parent, title, path, SystemReason(0, file.errorString(), language), language);
    return;
  }
  desktop.ShowText(
      parent, QFileInfo(path).fileName(),
      FromCp1250(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))),
      [&desktop, parent = QPointer<QWidget>(parent), title, path, language] {
        if (parent) OpenInTextEditor(desktop, parent, title, path, language);
      },
      language);
}

void OpenInTextEditor(Desktop& desktop, QWidget* parent, const QString& title, const QString& path, Language language) {
  const std::string shown = QDir::toNativeSeparators(path).toStdString();
  // Said here rather than left to an editor that may open an empty new file
  // under that name.
  if (!QFileInfo::exists(path)) {
    CannotOpen(desktop, parent, title, path, SystemReason(ENOENT, {}, language), language);
    return;
  }
  const QString entry = desktop.DefaultTextApplication();
  if (entry.isEmpty() || RunsInTerminal(entry)) {
    desktop.Warn(parent, title, FromUtf8(NoTextEditorMessage(shown, language)));
    return;
  }
  // gio starts the entry as the desktop would, with its own rules for the
  // Exec line's field codes, and fails when the program cannot start.
  desktop.Start(QStringLiteral("gio"), {QStringLiteral("launch"), entry, path}, parent,
                [&desktop, parent = QPointer<QWidget>(parent), title, shown, language](bool succeeded) {
                  if (succeeded || !parent) return;
                  desktop.Warn(parent, title, FromUtf8(TextEditorFailedMessage(shown, language)));
                });
}

bool UseQtTexts(QCoreApplication& application, Language language) {
  // Qt's own texts are English.
  if (language == Language::kEnglish) return true;
  // Dates and sizes in the file dialog as a Slovenian reads them.
  QLocale::setDefault(QLocale(QLocale::Slovenian, QLocale::Slovenia));
  auto* texts = new QTranslator(&application);
  if (texts->load(QStringLiteral(":/translations/qt_sl.qm")) && QCoreApplication::installTranslator(texts)) return true;
  delete texts;
  return false;
}

}  // namespace pelikan
