// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/controls.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

#include <algorithm>

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

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) { setAcceptDrops(false); }

void TextBox::keyPressEvent(QKeyEvent* event) {
  emit KeyPress(event);
  QLineEdit::keyPressEvent(event);
}

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  // A log dropped on the box goes to the window.
  lineEdit()->setAcceptDrops(false);
}

void ComboBox::showPopup() {
  QAbstractItemView* list = view();
  // The popup is at least as wide as its list, and the box is drawn narrow.
  list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                        list->verticalScrollBar()->sizeHint().width());
  QComboBox::showPopup();
}

void ComboBox::focusOutEvent(QFocusEvent* event) {
  QComboBox::focusOutEvent(event);
  if (MovesBetweenFields(event)) lineEdit()->home(false);
}

void ComboBox::keyPressEvent(QKeyEvent* event) {
  emit KeyPress(event);
  QComboBox::keyPressEvent(event);
}

void Frame::paintEvent(QPaintEvent* /*event*/) {
  // Drawn here, since some styles (Fusion among them) always keep their
  // frame below the caption: the border runs through the caption's middle
  // and breaks for it.
  QStylePainter painter(this);
  QStyleOptionGroupBox option;
  initStyleOption(&option);
  QRect caption = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
  const int indent = fontMetrics().averageCharWidth();
  caption.moveLeft(std::max(caption.left(), indent));

  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setClipRegion(QRegion(rect()) - caption.adjusted(-indent / 2, 0, indent / 2, 0));
  painter.setPen(palette().color(QPalette::Mid));
  painter.setBrush(palette().color(QPalette::Window).darker(104));
  const QRectF border = QRectF(rect().adjusted(0, caption.center().y(), 0, 0)).adjusted(0.5, 0.5, -0.5, -0.5);
  painter.drawRoundedRect(border, 2, 2);
  painter.restore();
  painter.drawItemText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                       title(), QPalette::WindowText);
}

}  // namespace pelikan
