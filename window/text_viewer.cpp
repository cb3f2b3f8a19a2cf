// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/text_viewer.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelikan {

TextViewer::TextViewer(const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("TextViewer"));
  setWindowTitle(title);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("ViewerText"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSize(9);
  text_->setFont(fixed);
  // The print goes from the document, which keeps its own font.
  text_->document()->setDefaultFont(fixed);
  // The file's CR LF ends would otherwise leave a stray CR on every line.
  text_->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* print = buttons->addButton(QStringLiteral("Tiskaj"), QDialogButtonBox::ActionRole);
  print->setObjectName(QStringLiteral("ViewerPrint"));
  QPushButton* close = buttons->addButton(QStringLiteral("Zapri"), QDialogButtonBox::RejectRole);
  connect(print, &QPushButton::clicked, this, &TextViewer::Print);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addWidget(buttons);
  // About 80 columns of the fixed font, and as many lines as fit comfortably.
  resize(text_->fontMetrics().horizontalAdvance(QString(90, u'M')), 600);
  print->setFocus();
}

void TextViewer::Print() {
  QPrinter printer;
  printer.setDocName(windowTitle());
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted) text_->print(&printer);
}

}  // namespace pelikan
