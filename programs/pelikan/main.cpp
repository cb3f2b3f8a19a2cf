// SPDX-License-Identifier: GPL-3.0-or-later
// pelikan: the desktop window. Fill in the contest data, choose a log, and
// the Cabrillo file is written beside the program (a portable copy) or
// beside the log (an installed one).

#include <QApplication>

#include "process/huge_pages.h"
#include "window/desktop.h"
#include "window/form1.h"

int main(int argc, char* argv[]) {
  pelikan::PreferHugePagesForHeap();
  QApplication application(argc, argv);
  // Ties the window to its menu entry, whose icon the desktop then shows.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Pelikan"));
  pelikan::UseSlovenianQtTexts(application);
  QApplication::setWindowIcon(pelikan::ProgramIcon());
  pelikan::Form1 form;
  form.show();
  return QApplication::exec();
}
