#ifndef PELIKAN_WINDOW_DESKTOP_H_
#define PELIKAN_WINDOW_DESKTOP_H_

#include <QString>

class QWidget;

namespace pelikan {

// What the window asks of the desktop around it: the file-open dialog, a
// viewer for the written file, and warnings that wait for the user. Tests
// put their own answers here; the program uses SystemDesktop().
class Desktop {
 public:
  virtual ~Desktop() = default;

  // Shows a modal file-open dialog that accepts only an existing file.
  // Returns its full path, or an empty text when the user cancelled.
  virtual QString ChooseExistingFile(QWidget* parent, const QString& caption,
                                     const QString& folder, const QString& filter);
  // Opens `path` in the desktop's viewer for its type without waiting for
  // it; false when no viewer could be started.
  virtual bool OpenInViewer(const QString& path);
  // Shows a modal warning and returns once the user has closed it.
  virtual void Warn(QWidget* parent, const QString& title, const QString& text);
  // The same with `details` behind the box's details button.
  virtual void WarnWithDetails(QWidget* parent, const QString& title, const QString& text,
                               const QString& details);
};

Desktop& SystemDesktop();

}  // namespace pelikan

#endif  // PELIKAN_WINDOW_DESKTOP_H_
