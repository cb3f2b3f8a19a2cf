// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_WINDOW_DESKTOP_H_
#define PELIKAN_WINDOW_DESKTOP_H_

#include <QString>
#include <QStringList>

#include <functional>

class QObject;
class QWidget;

namespace pelikan {

// What the window asks of the desktop around it: the file-open dialog, the
// text application for the written file, the program's own text viewer,
// and warnings that wait for the user. Tests put their own answers here;
// the program uses SystemDesktop().
class Desktop {
 public:
  virtual ~Desktop() = default;

  // Shows a modal file-open dialog that accepts only an existing file.
  // Returns its full path, or an empty text when the user cancelled.
  virtual QString ChooseExistingFile(QWidget* parent, const QString& caption,
                                     const QString& folder, const QString& filter);
  // The desktop entry file of the user's default application for plain
  // text; empty when none is set or its entry cannot be found.
  virtual QString DefaultTextApplication();
  // Starts `program` with `arguments`, no shell between, and calls `done`
  // with whether it ran and succeeded. `done` is not called once `context`
  // is gone.
  virtual void Start(const QString& program, const QStringList& arguments, QObject* context,
                     std::function<void(bool succeeded)> done);
  // Shows `text` in the program's own read-only viewer, which can print it.
  virtual void ShowText(QWidget* parent, const QString& title, const QString& text);
  // Shows a modal warning and returns once the user has closed it.
  virtual void Warn(QWidget* parent, const QString& title, const QString& text);
  // The same with `details` behind the box's details button.
  virtual void WarnWithDetails(QWidget* parent, const QString& title, const QString& text,
                               const QString& details);
};

Desktop& SystemDesktop();

// Whether the desktop entry file at `path` runs its program in a terminal.
bool RunsInTerminal(const QString& path);

// Opens the Windows-1250 text file at `path` for the user to read and print:
// in the desktop's default application for plain text (never chosen by the
// file's extension), or, when there is none, it runs in a terminal or it
// fails to start, in the program's own viewer. Problems are told through
// `desktop.Warn` under `title`.
void OpenAsText(Desktop& desktop, QWidget* parent, const QString& title, const QString& path);

}  // namespace pelikan

#endif  // PELIKAN_WINDOW_DESKTOP_H_
