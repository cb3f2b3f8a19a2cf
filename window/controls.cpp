#include "window/controls.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace pelikan {
namespace {

bool MovesBetweenFields(const QFocusEvent* event) {
  return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

}  // namespace

void TextBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (MovesBetweenFields(event)) emit GotFocus();
}

void TextBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (MovesBetweenFields(event)) emit LostFocus();
}

void TextBox::keyPressEvent(QKeyEvent* event) {
  emit KeyPress(event);
  QLineEdit::keyPressEvent(event);
}

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
}

void ComboBox::focusOutEvent(QFocusEvent* event) {
  QComboBox::focusOutEvent(event);
  if (MovesBetweenFields(event)) lineEdit()->home(false);
}

void ComboBox::keyPressEvent(QKeyEvent* event) {
  emit KeyPress(event);
  QComboBox::keyPressEvent(event);
}

}  // namespace pelikan
