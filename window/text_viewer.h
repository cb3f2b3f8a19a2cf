// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_WINDOW_TEXT_VIEWER_H_
#define PELIKAN_WINDOW_TEXT_VIEWER_H_

#include <QDialog>
#include <QString>

class QPlainTextEdit;

namespace pelikan {

// A small read-only window that shows a text file in the fixed-pitch font
// and prints it through the print dialog; the fallback when the desktop has
// no usable text application.
class TextViewer : public QDialog {
  Q_OBJECT

 public:
  TextViewer(const QString& title, const QString& text, QWidget* parent = nullptr);

  void Print();

 private:
  QPlainTextEdit* text_ = nullptr;
};

}  // namespace pelikan

#endif  // PELIKAN_WINDOW_TEXT_VIEWER_H_
