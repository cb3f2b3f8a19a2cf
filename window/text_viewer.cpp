// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/text_viewer.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

#include "window/text_codec.h"

namespace pelikan {
namespace {

const QString kContinued = QStringLiteral("\u21AA ");
// What the window manager adds around a window, at most.
constexpr QSize kFrameRoom(16, 48);
// Many printers cannot print nearer the paper's edge.
constexpr double kMinimumMarginMm = 10;

}  // namespace

TextViewer::TextViewer(const QString& title, const QString& text, std::function<void()> open_in_editor,
                       Language language, QWidget* parent)
    : QDialog(parent) {
  const auto word = [language](Word w) { return FromUtf8(WordOf(w, language)); };
  setObjectName(QStringLiteral("TextViewer"));
  setWindowTitle(title);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("ViewerText"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSize(9);
  text_->setFont(fixed);
  // The file's CR LF ends would otherwise leave a stray CR on every line.
  text_->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* print = buttons->addButton(word(Word::kPrint), QDialogButtonBox::ActionRole);
  print->setObjectName(QStringLiteral("ViewerPrint"));
  QPushButton* editor = buttons->addButton(word(Word::kOpenInEditor), QDialogButtonBox::ActionRole);
  editor->setObjectName(QStringLiteral("ViewerEditor"));
  editor->setToolTip(word(Word::kOpenInEditorTip));
  QPushButton* close = buttons->addButton(word(Word::kClose), QDialogButtonBox::RejectRole);
  close->setObjectName(QStringLiteral("ViewerClose"));
  connect(print, &QPushButton::clicked, this, &TextViewer::Print);
  connect(editor, &QPushButton::clicked, this, [open_in_editor = std::move(open_in_editor)] { open_in_editor(); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addWidget(buttons);
  // About 80 columns of the fixed font and as many lines as fit comfortably,
  // yet never more than the screen has room for, frame and title bar
  // included: at a large display scale its buttons would fall off the edge.
  const QScreen* shown_on = parent ? parent->screen() : screen();
  const QSize room = shown_on->availableGeometry().size() - QSize(kFrameRoom.width(), kFrameRoom.height());
  resize(QSize(text_->fontMetrics().horizontalAdvance(QString(90, u'M')), 600).boundedTo(room));
  print->setFocus();
}

void TextViewer::Print() {
  QPrinter printer;
  printer.setDocName(windowTitle());
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted) PrintText(printer, text_->font(), text_->toPlainText());
}

int PrintText(QPagedPaintDevice& device, const QFont& font, const QString& text) {
  // Line by line in the fixed font, as many columns as the page takes: the
  // same font as on screen, since shrinking it for one long soapbox line
  // would make every line hard to read.
  QMarginsF margins = device.pageLayout().margins(QPageLayout::Millimeter);
  margins = QMarginsF(std::max(margins.left(), kMinimumMarginMm), std::max(margins.top(), kMinimumMarginMm),
                      std::max(margins.right(), kMinimumMarginMm), std::max(margins.bottom(), kMinimumMarginMm));
  device.setPageMargins(margins, QPageLayout::Millimeter);
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  painter.setFont(font);
  const QFontMetricsF metrics(font, &device);
  const QSizeF page(device.width(), device.height());
  const int columns = std::max(20, static_cast<int>(std::floor(page.width() / metrics.horizontalAdvance(u'M'))));
  int pages = 1;
  double y = metrics.ascent();
  for (const QString& line : LinesForPrinting(text, columns)) {
    if (y + metrics.descent() > page.height()) {
      device.newPage();
      ++pages;
      y = metrics.ascent();
    }
    painter.drawText(QPointF(0, y), line);
    y += metrics.lineSpacing();
  }
  painter.end();
  return pages;
}

QStringList LinesForPrinting(const QString& text, int columns) {
  QStringList printed;
  for (const QString& line : text.split(u'\n')) {
    printed << line.left(columns);
    for (qsizetype at = columns; at < line.size(); at += columns - kContinued.size()) {
      printed << kContinued + line.mid(at, columns - kContinued.size());
    }
  }
  return printed;
}

}  // namespace pelikan
