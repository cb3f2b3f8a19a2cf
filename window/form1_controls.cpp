// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls as drawn: their places, captions and order.
#include <QDate>
#include <QFontDatabase>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <initializer_list>

#include "contest/fields.h"
#include "window/controls.h"
#include "window/form1.h"
#include "window/result_list_model.h"
#include "window/text_codec.h"

namespace pelikan {
namespace {

// Positions and sizes are kept in twips, the unit the layout was drawn in;
// at 96 dots per inch a pixel is 15 twips, and Qt scales these
// device-independent pixels on screens of other densities.
constexpr int kTwipsPerPixel = 15;
constexpr int Px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
QRect Twips(int left, int top, int width, int height) { return QRect(Px(left), Px(top), Px(width), Px(height)); }

constexpr int kClientWidth = 15165;
constexpr int kClientHeight = 8385;

// The label widths of the rows of the contest data frame, in tab order, in
// twips. The input box of row k stands at 360 + 480 k twips, its label 120
// twips lower.
constexpr std::array<int, kContestFields.size()> kLabelWidths = {855, 735, 1095, 855,  1335, 1095, 855,
                                                                 855, 855, 1935, 1455, 855,  855};

QString ControlName(const char* array, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

QString Utf8(std::string_view text) { return FromUtf8(text); }

}  // namespace

void Form1::CreateControls() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(WordText(Word::kWindowTitle));
  setWindowIcon(ProgramIcon());
  // A log dropped anywhere on the window lands here, not in a text box.
  setAcceptDrops(true);
  canvas_ = new QWidget(this);
  canvas_->setObjectName(QStringLiteral("Canvas"));
  canvas_->setFixedSize(Px(kClientWidth), Px(kClientHeight));
  CreateFields();
  CreateButtons();
  CreateList();
  CreateStatusBar();
  FitToScreen();

  // The fields in their order, then the make button, the list and the
  // print button.
  QWidget* previous = nullptr;
  for (const ContestField& field : kContestFields) {
    QWidget* next = FieldControl(field);
    if (previous) QWidget::setTabOrder(previous, next);
    previous = next;
  }
  for (QWidget* next : std::initializer_list<QWidget*>{Command1, List1, Command2, Command3}) {
    QWidget::setTabOrder(previous, next);
    previous = next;
  }
  Text1[kCallsignIndex]->setFocus();
}

void Form1::FitToScreen() {
  const QSize drawn = canvas_->size();
  // Room for the title bar and the frame, which the window manager adds.
  constexpr int kFrame = 40;
  const QSize room = screen()->availableGeometry().size() - QSize(kFrame / 4, kFrame);
  if (room.width() >= drawn.width() && room.height() >= drawn.height()) {
    setFixedSize(drawn);
    return;
  }
  // At a large display scale the window as drawn runs off the screen and its
  // buttons cannot be reached: the form scrolls instead, in a window as
  // large as fits.
  auto* scroller = new QScrollArea(this);
  scroller->setObjectName(QStringLiteral("Scroller"));
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidget(canvas_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroller);
  setMaximumSize(drawn);
  resize(drawn.boundedTo(room));
}

void Form1::CreateFields() {
  Frame1 = new Frame(WordText(Word::kFrame), canvas_);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setGeometry(Twips(120, 120, 4695, 6615));
  for (std::size_t k = 0; k < kContestFields.size(); ++k) {
    const ContestField& field = kContestFields[k];
    const int top = 360 + 480 * static_cast<int>(k);
    if (field.list) {
      auto* combo = new ComboBox(Frame1);
      combo->setObjectName(ControlName("Combo1", field.index));
      combo->setGeometry(Twips(360, top, 2055, 315));
      Combo1[field.index] = combo;
    } else {
      auto* text = new TextBox(Frame1);
      text->setObjectName(ControlName("Text1", field.index));
      text->setGeometry(Twips(360, top, 2055, 375));
      text->setText(FromCp1250(field.start_text));
      Text1[field.index] = text;
    }

    auto* label = new QLabel(Utf8(CaptionOf(field, language_)), Frame1);
    label->setObjectName(ControlName("Label1", field.label_index));
    // Captions sit at the top of their label, level with the text beside them.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setToolTip(Utf8(TipOf(field, language_)));
    // The widths were drawn for an 8-point dialog font; a caption that needs
    // more in this platform's font may use the frame up to its inner edge.
    const QRect drawn = Twips(2640, top + 120, kLabelWidths[k], 255);
    const int room = Frame1->width() - Frame1->contentsMargins().right() - drawn.left();
    if (label->sizeHint().width() <= room) {
      label->setGeometry(drawn.left(), drawn.top(), std::max(drawn.width(), label->sizeHint().width()), drawn.height());
    } else {
      // Longer still (an English caption): two lines, level with the box's middle.
      label->setWordWrap(true);
      const int height = label->heightForWidth(room);
      label->setGeometry(drawn.left(), Px(top) + Px(375) / 2 - height / 2, room, height);
    }
    Label1[field.label_index] = label;
  }
}

void Form1::CreateButtons() {
  Command1 = new QPushButton(WordText(Word::kMake), canvas_);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setGeometry(Twips(960, 6960, 1335, 375));
  Command1->setEnabled(false);

  Command2 = new QPushButton(WordText(Word::kPrint), canvas_);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command2->setGeometry(Twips(2760, 6960, 1455, 375));
  Command2->setVisible(false);
  // Under the list, in the room beside the processed message: the form
  // above stays as drawn.
  Command3 = new QPushButton(WordText(Word::kLoadEarlierEntry), canvas_);
  Command3->setObjectName(QStringLiteral("Command3"));
  Command3->setToolTip(WordText(Word::kLoadEarlierEntryTip));
  const QRect drawn = Twips(4920, 7620, 3600, 375);
  Command3->setGeometry(drawn.left(), drawn.top(), std::clamp(Command3->sizeHint().width(), drawn.width(), Px(10095)),
                        drawn.height());
  // Enter presses a focused button, as it does in a dialog.
  for (QPushButton* button : {Command1, Command2, Command3}) button->setAutoDefault(true);
}

void Form1::CreateList() {
  Label2 = new QLabel(canvas_);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setGeometry(Twips(240, 7680, 4575, 255));

  List1 = new QListView(canvas_);
  List1->setObjectName(QStringLiteral("List1"));
  List1->setGeometry(Twips(4920, 240, 10095, 7260));
  result_list_ = new ResultListModel(List1);
  List1->setModel(result_list_);
  List1->setSelectionMode(QAbstractItemView::SingleSelection);
  List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // One height for every line lets the view lay out tens of thousands of
  // lines without measuring each.
  List1->setUniformItemSizes(true);
  // The platform's fixed-pitch font, so that the blank-padded summary lines
  // stand in columns.
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSize(9);
  List1->setFont(fixed);
}

void Form1::CreateStatusBar() {
  StatusBar1 = new QStatusBar(canvas_);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(false);
  StatusBar1->setGeometry(Twips(0, 8130, kClientWidth, 255));
  panel1_ = new QLabel(StatusBar1);
  panel1_->setObjectName(QStringLiteral("Panel1"));
  panel2_ = new QLabel(QDate::currentDate().toString(QStringLiteral("dd.MM.yy")), StatusBar1);
  panel2_->setObjectName(QStringLiteral("Panel2"));
  panel2_->setFixedWidth(Px(1440));
  StatusBar1->addWidget(panel1_, 1);
  StatusBar1->addPermanentWidget(panel2_);
}

QWidget* Form1::FieldControl(const ContestField& field) const {
  return field.list ? static_cast<QWidget*>(Combo1[field.index]) : Text1[field.index];
}

}  // namespace pelikan
