// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_WINDOW_DESKTOP_H_
#define PELIKAN_WINDOW_DESKTOP_H_

#include <QString>
#include <QStringList>

#include <functional>

#include "contest/words.h"

class QCoreApplication;
class QObject;
class QWidget;

namespace pelikan {

// What the window asks of the desktop around it: the file-open dialog, the
// program's own text viewer, the text editor for the written file, and
// warnings that wait for the user. Tests put their own answers here; the
// program uses SystemDesktop().
class Desktop {
 public:
  virtual ~Desktop() = default;

  // Shows a modal file-open dialog that accepts only an existing file.
  // Returns its full path, or an empty text when the user cancelled.
  virtual QString ChooseExistingFile(QWidget* parent, const QString& caption, const QString& folder,
                                     const QString& filter);
  // The desktop entry file of the user's default application for plain
  // text; empty when none is set or its entry cannot be found.
  virtual QString DefaultTextApplication();
  // Starts `program` with `arguments`, no shell between, and calls `done`
  // with whether it ran and succeeded. `done` is not called once `context`
  // is gone.
  virtual void Start(const QString& program, const QStringList& arguments, QObject* context,
                     std::function<void(bool succeeded)> done);
  // Shows `text` in the program's own read-only viewer, its buttons in
  // `language`, which can print it and calls `open_in_editor` for its editor
  // button.
  virtual void ShowText(QWidget* parent, const QString& title, const QString& text,
                        std::function<void()> open_in_editor, Language language);
  // Shows a modal warning and returns once the user has closed it.
  virtual void Warn(QWidget* parent, const QString& title, const QString& text);
  // The same with `details` behind the box's details button.
  virtual void WarnWithDetails(QWidget* parent, const QString& title, const QString& text, const QString& details);
  // The same with a button to go on and one to go back, in `language`;
  // returns whether the user went on.
  virtual bool WarnBeforeGoingOn(QWidget* parent, const QString& title, const QString& text, const QString& details,
                                 Language language);
};

Desktop& SystemDesktop();

// Whether the desktop entry file at `path` runs its program in a terminal.
bool RunsInTerminal(const QString& path);

// Shows the Windows-1250 text file at `path` in the program's own viewer,
// which decodes it as what it is (a text application guesses, and a common
// one took it for ISO-8859-1); from there it prints, or goes to the desktop's
// text editor by OpenInTextEditor. Problems are told through `desktop.Warn`
// under `title`, in `language`.
void ShowTextFile(Desktop& desktop, QWidget* parent, const QString& title, const QString& path, Language language);

// Opens `path` in the desktop's default application for plain text (never
// one chosen by the file's extension), started as the desktop would start
// it. Says so when there is none, when it runs in a terminal (which we
// cannot pick reliably), or when it does not start or ends at once with a
// failure.
void OpenInTextEditor(Desktop& desktop, QWidget* parent, const QString& title, const QString& path, Language language);

// Makes Qt's own texts, such as those of its file and print dialogs, speak
// `language`, as the window does, and for Slovenian writes dates and sizes
// the Slovenian way. Returns false where they cannot.
bool UseQtTexts(QCoreApplication& application, Language language);

}  // namespace pelikan

#endif  // PELIKAN_WINDOW_DESKTOP_H_
