// SPDX-License-Identifier: GPL-3.0-or-later
// pelikan: the desktop window. Fill in the contest data, choose a log, and
// the Cabrillo file is written beside the program (a portable copy) or
// beside the log (an installed one).

#include <QApplication>

#include "contest/words.h"
#include "process/huge_pages.h"
#include "window/desktop.h"
#include "window/form1.h"

int main(int argc, char* argv[]) {
  pelikan::PreferHugePagesForHeap();
  QApplication application(argc, argv);
  // Ties the window to its menu entry, whose icon the desktop then shows.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Pelikan"));
  const pelikan::Language language =
      pelikan::LanguageOfLocale(qgetenv("LANGUAGE").toStdString(), qgetenv("LC_ALL").toStdString(),
                                qgetenv("LC_MESSAGES").toStdString(), qgetenv("LANG").toStdString());
  pelikan::UseQtTexts(application, language);
  QApplication::setWindowIcon(pelikan::ProgramIcon());
  pelikan::Form1 form({}, pelikan::SystemDesktop(), pelikan::SystemFileSystem(), language);
  form.show();
  return QApplication::exec();
}
