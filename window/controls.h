// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_WINDOW_CONTROLS_H_
#define PELIKAN_WINDOW_CONTROLS_H_

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

class QFocusEvent;
class QKeyEvent;

namespace pelikan {

// A single-line text box that reports the events the form's handlers work
// on. GotFocus and LostFocus come after the box has handled the focus
// change itself, so a caret set there stays. Only moves between the
// window's own controls count: switching to another window, a dialog or a
// popup menu and back is no change of field.
class TextBox : public QLineEdit {
  Q_OBJECT

 public:
  // Takes no drops, so that a log dropped on it goes to the window.
  explicit TextBox(QWidget* parent = nullptr);

 signals:
  void GotFocus();
  void LostFocus();
  // Before the box handles the key; the key is never taken away.
  void KeyPress(QKeyEvent* event);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

// An editable combo box whose list only the program fills: Enter never adds
// the typed text to the list, and typing is not completed from it, so the
// text is exactly what the user typed or picked. Once left, it shows the
// start of a text longer than the box. Its drop-down list is as wide as
// its longest entry, so that no entry is cut.
class ComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit ComboBox(QWidget* parent = nullptr);

  void showPopup() override;

 signals:
  // Before the box handles the key; the key is never taken away.
  void KeyPress(QKeyEvent* event);

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

// A frame whose caption stands on its top border, whatever the style draws.
class Frame : public QGroupBox {
  Q_OBJECT

 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace pelikan

#endif  // PELIKAN_WINDOW_CONTROLS_H_
