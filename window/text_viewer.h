// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_WINDOW_TEXT_VIEWER_H_
#define PELIKAN_WINDOW_TEXT_VIEWER_H_

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

#include "contest/words.h"

class QFont;
class QPagedPaintDevice;
class QPlainTextEdit;

namespace pelikan {

// A small read-only window that shows a text file in the fixed-pitch font,
// scrolling sideways for long lines; it prints the file through the print
// dialog, and hands it to the desktop's text editor by `open_in_editor`.
class TextViewer : public QDialog {
  Q_OBJECT

 public:
  TextViewer(const QString& title, const QString& text, std::function<void()> open_in_editor, Language language,
             QWidget* parent = nullptr);

  void Print();

 private:
  QPlainTextEdit* text_ = nullptr;
};

// The lines of `text` as printed `columns` wide: a longer line goes on in
// the lines below it, each beginning with the continuation mark "↪ ", so
// that nothing runs past the page's edge and a wrapped line is told from a
// new one.
QStringList LinesForPrinting(const QString& text, int columns);

// Prints `text` on `device` in `font` by LinesForPrinting, a new page where
// one is full; returns the pages printed.
int PrintText(QPagedPaintDevice& device, const QFont& font, const QString& text);

}  // namespace pelikan

#endif  // PELIKAN_WINDOW_TEXT_VIEWER_H_
