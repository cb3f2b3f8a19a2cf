// pelikan: the desktop window. Fill in the contest data, choose a log, and
// the Cabrillo file is written beside the program.

#include <QApplication>

#include "window/form1.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setWindowIcon(pelikan::ProgramIcon());
  pelikan::Form1 form;
  form.show();
  return QApplication::exec();
}
