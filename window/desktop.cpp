#include "window/desktop.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace pelikan {

QString Desktop::ChooseExistingFile(QWidget* parent, const QString& caption,
                                    const QString& folder, const QString& filter) {
  // The static dialog runs in ExistingFile mode and returns an empty text on
  // a cancel, which is all the window relies on.
  return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

bool Desktop::OpenInViewer(const QString& path) {
  // A file URL goes to the desktop's opener as one argument, with no shell
  // between, so blanks and quotes in the path need no escaping.
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void Desktop::Warn(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::warning(parent, title, text);
}

void Desktop::WarnWithDetails(QWidget* parent, const QString& title, const QString& text,
                              const QString& details) {
  QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
  box.setDetailedText(details);
  box.exec();
}

Desktop& SystemDesktop() {
  static Desktop desktop;
  return desktop;
}

}  // namespace pelikan
