// SPDX-License-Identifier: GPL-3.0-or-later
// The window driven by the scripts in cases/ (what is typed and clicked,
// and what it shows, writes and asks of the desktop), and the parts behind
// it: category lists, data paths, code page, system reasons, the viewer.

#include <sys/stat.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QMimeData>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QStringDecoder>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "contest/fields.h"
#include "window/category_list.h"
#include "window/data_paths.h"
#include "window/form1.h"
#include "window/text_codec.h"
#include "window/text_viewer.h"

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace pelikan {
namespace {

// Answers the window's questions to the desktop and records them.
class FakeDesktop : public Desktop {
 public:
  QString ChooseExistingFile(QWidget*, const QString&, const QString& folder, const QString& filter) override {
    dialogs << folder + " " + filter;
    return chosen_file;
  }
  QString DefaultTextApplication() override { return text_application; }
  void Start(const QString& program, const QStringList& arguments, QObject*, std::function<void(bool)> done) override {
    started << (QStringList{program} + arguments).join(' ');
    done(start_succeeds);
  }
  // The own viewer, shown for real (the last one only): its title, what it shows, and whether it is
  // on screen, read-only in a fixed font, unwrapped, 80 columns wide, with its print button focused, and the one
  // before it gone once closed.
  void ShowText(QWidget* parent, const QString& title, const QString& text, std::function<void()> edit,
                Language language) override {
    for (TextViewer* viewer : parent->findChildren<TextViewer*>()) viewer->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const bool freed = parent->findChildren<TextViewer*>().isEmpty();
    Desktop::ShowText(parent, title, text, std::move(edit), language);
    const auto* view = parent->findChild<QPlainTextEdit*>("ViewerText");
    const QFontMetrics metrics = view->fontMetrics();
    const bool fixed = metrics.horizontalAdvance("iiii") == metrics.horizontalAdvance("MMMM");
    const bool wide = view->width() >= metrics.horizontalAdvance(QString(80, u'M'));
    const QWidget* focused = view->window()->focusWidget();
    const bool ready = focused && focused->objectName() == "ViewerPrint";
    const bool unwrapped = view->lineWrapMode() == QPlainTextEdit::NoWrap;
    const bool ok = view->isVisible() && view->isReadOnly() && unwrapped && fixed && wide && ready && freed;
    shown << title << view->toPlainText() << (ok ? "ok" : "?");
  }
  void Warn(QWidget*, const QString&, const QString& text) override { warnings << text; }
  void WarnWithDetails(QWidget*, const QString&, const QString& text, const QString& details) override {
    warnings << text + "\n--\n" + details;
  }
  bool WarnBeforeGoingOn(QWidget* parent, const QString& title, const QString& text, const QString& details,
                         Language) override {
    WarnWithDetails(parent, title, text, details);
    return go_on;
  }
  QString chosen_file, text_application;  // empty: a cancel, no application
  bool start_succeeds = true, go_on = true;
  QStringList dialogs, started, shown, warnings;
};

// Notes whether the busy pointer shows while the engine reads the log; can
// fail to sync a folder.
class SpyFileSystem : public FileSystem {
 public:
  ssize_t Read(int fd, char* buffer, std::size_t size) override {
    busy = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    return FileSystem::Read(fd, buffer, size);
  }
  int SyncFolder(const std::filesystem::path& folder) override {
    return sync_fails ? (errno = EIO, -1) : FileSystem::SyncFolder(folder);
  }
  bool busy = false, sync_fails = false;
};

// Runs a script of cases/: one command a line, "case" starts a case of its own in a new folder.
// A line indented by two blanks continues the value above it on a new line; values know
// \r, \n, \s (a blank), \xHH, $DIR (the case's folder), $HOME and $TODAY.
class WindowTest : public ::testing::Test {
 protected:
  void Run(const QString& script) {
    QFile file(QStringLiteral(PELIKAN_WINDOW_CASES "/%1").arg(script));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << script.toStdString();
    QList<std::pair<int, QString>> lines;
    for (int number = 0; const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
      ++number;
      if (line.startsWith("  "))
        lines.last().second += "\n" + line.mid(2);
      else if (!line.isEmpty() && !line.startsWith('#'))
        lines.append({number, line});
    }
    for (const auto& [at, line] : lines) {
      SCOPED_TRACE(QStringLiteral("%1:%2: %3").arg(script).arg(at).arg(case_).toStdString());
      Do(line.section(' ', 0, 0), line.section(' ', 1, 1), Expand(line.section(' ', 2)), line.section(' ', 1));
    }
    form_.reset();
  }

  void Do(const QString& command, const QString& target, const QString& value, const QString& rest) {
    QWidget* widget = form_ ? form_->findChild<QWidget*>(target) : nullptr;
    if (target == "focus") widget = QApplication::focusWidget();
    const bool acts = QStringList{"type", "keys", "key", "click", "cancel", "set"}.contains(command);
    if (acts && !widget) FAIL() << "no control " << target.toStdString();
    if (command == "case") {
      case_ = rest;
      folder_ = std::make_unique<QTemporaryDir>();
      desktop_ = FakeDesktop();
      file_system_.busy = file_system_.sync_fails = false;
      program_folder_ = folder_->path();
      Write("category.pod", "SINGLE-OP 80M LOW CW\r\n\r\nCHECKLOG\r\n");
      Write("category1.pod", "ROOKIE\r\nYL\r\n");
    } else if (command == "open") {
      form_.reset();
      const Language language = target == "english" ? Language::kEnglish : Language::kSlovenian;
      form_ = std::make_unique<Form1>(program_folder_, desktop_, file_system_, language);
      form_->show();
      form_->activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
      Settle();
    } else if (command == "program") {  // the build folder with its lists, or the staged install
      program_folder_ = target == "build" ? PELIKAN_PROGRAM_DIR : qEnvironmentVariable("PELIKAN_INSTALLED_BIN");
      qputenv("XDG_CONFIG_HOME", QFile::encodeName(Path("config")));
    } else if (command == "write") {  // lines ended by CR LF, in Windows-1250
      Write(target, QByteArray::fromStdString(ToCp1250(QString(value + "\n").replace("\n", "\r\n"))));
    } else if (command == "bytes") {  // as they stand, \xHH for byte HH
      Write(target, value.toLatin1());
    } else if (command == "contacts") {  // that many distinct contacts
      QByteArray log;
      for (int i = 0; i < value.toInt(); ++i) {
        log += "QSO: 80 CW 09.11.2007 06:01 S5" + QByteArray::number(i) + " 599 599 1995\r\n";
      }
      Write(target, log);
    } else if (command == "fifo") {
      EXPECT_EQ(::mkfifo(QFile::encodeName(Path(target)), 0600), 0);
    } else if (command == "rename") {
      EXPECT_TRUE(QFile::rename(Path(target), Path(value)));
    } else if (command == "same") {  // two files of the same bytes
      QFile one(Path(target)), other(Path(value));
      EXPECT_TRUE(one.open(QIODevice::ReadOnly) && other.open(QIODevice::ReadOnly));
      EXPECT_EQ(one.readAll(), other.readAll()) << target.toStdString() << " " << value.toStdString();
    } else if (command == "remove") {
      EXPECT_TRUE(QFile::remove(Path(target)));
    } else if (command == "readonly") {
      const auto write = value == "no" ? QFile::WriteOwner : QFile::Permissions();
      QFile::setPermissions(Path(target), QFile::ReadOwner | write);
    } else if (command == "answer") {  // the file dialog's answer; none is a cancel
      desktop_.chosen_file = target.isEmpty() ? "" : Path(target);
    } else if (command == "editor") {  // the desktop entry of the text application; none is none
      desktop_.text_application = target.isEmpty() ? "" : Path("editor.desktop");
      desktop_.start_succeeds = target != "fails";
      Write("editor.desktop", value.toUtf8());
    } else if (command == "fill") {  // the required texts and a category, so that the make button is on
      for (const auto& [box, text] : {std::pair{"Text1(2)", "1990"},
                                      {"Text1(6)", "Janez"},
                                      {"Text1(7)", "Pot 1"},
                                      {"Text1(8)", "1000 Ljubljana"},
                                      {"Combo1(0)", "CHECKLOG"}}) {
        Do("type", box, text, "");
      }
    } else if (command == "syncfails") {  // the folder of the written file cannot be synced
      file_system_.sync_fails = true;
    } else if (command == "goon") {  // the answer to a warning that asks whether to go on
      desktop_.go_on = target == "yes";
    } else if (command == "drop") {  // files dropped onto the window, names split by ","
      QMimeData dropped;
      QList<QUrl> urls;
      for (const QString& name : target.split(',')) urls << QUrl::fromLocalFile(Path(name));
      dropped.setUrls(urls);
      QDragEnterEvent enter(QPoint(500, 200), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(form_.get(), &enter);
      QDropEvent drop(QPointF(500, 200), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
      if (enter.isAccepted()) QApplication::sendEvent(form_.get(), &drop);
      Settle();
    } else if (command == "forget") {
      desktop_.dialogs.clear(), desktop_.started.clear(), desktop_.shown.clear(), desktop_.warnings.clear();
    } else if (command == "type" || command == "keys") {  // type: clicks in and replaces the text
      if (command == "type") {
        QTest::mouseClick(widget, Qt::LeftButton);
        QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(widget, Qt::Key_Delete);
      }
      for (QChar c : value) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    } else if (command == "key") {  // not settled, so that what is queued can be seen
      QTest::keyClick(widget, QKeySequence(value)[0].key());
    } else if (command == "click") {
      QTest::mouseClick(widget, Qt::LeftButton);
      Settle();
    } else if (command == "cancel") {  // clicks and cancels the modal dialog that opens, noted in dialogs
      QTimer poll;
      QObject::connect(&poll, &QTimer::timeout, [this] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
          desktop_.dialogs << modal->metaObject()->className();
          modal->close();
        }
      });
      poll.start(10);
      QTest::mouseClick(widget, Qt::LeftButton);
      Settle();
    } else if (command == "set") {  // by code, not by the user
      widget->setProperty("text", value);
    } else if (command == "settle") {
      Settle();
    } else if (command == "away") {  // to another window and back
      QWidget other;
      other.show();
      other.activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(&other));
      form_->activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    } else if (command == "expect") {
      EXPECT_EQ(Value(target), value);
    } else if (command == "contains" || command == "lacks") {
      EXPECT_EQ(Value(target).contains(value), command == "contains") << Value(target).toStdString();
    } else {
      ADD_FAILURE() << "no command " << command.toStdString();
    }
  }

  // focus, busy (while the log was read, now), files, files:program, items:BOX, shows, or a control's
  // property as Text1(4).text; or lines: list, file:NAME, dialogs, started, warning, shown, all of them
  // or with :N or :N..M after them, N counted from the end when negative.
  QString Value(const QString& what) {
    const QString kind = what.section(':', 0, 0), range = what.contains(':') ? what.section(':', -1) : "0..-1";
    QStringList lines = kind == "dialogs" ? desktop_.dialogs : kind == "started" ? desktop_.started : QStringList();
    if (kind == "list" || kind == "shows") {
      for (int row = 0; row < List()->model()->rowCount(); ++row) lines << Row(row).data().toString();
    } else if (kind == "file") {
      QFile file(Path(what.section(':', 1, 1)));
      if (file.open(QIODevice::ReadOnly)) lines = FromCp1250(file.readAll().toStdString()).split("\r\n");
    } else if (kind == "read") {
      const CategoryList list =
          ReadCategoryList(Path(what.section(':', 1)).toStdString(), file_system_, Language::kSlovenian);
      return list.error + list.entries.join('|');
    } else if (kind == "items") {
      const auto* box = form_->findChild<QComboBox*>(what.section(':', 1));
      for (int i = 0; i < box->count(); ++i) lines << box->itemText(i);
      return lines.join('|');
    } else if (kind == "warning" || kind == "shown") {
      lines = kind == "warning" ? desktop_.warnings : desktop_.shown;
    }
    const int first = range.section("..", 0, 0).toInt(), last = range.section("..", -1).toInt();
    if (kind == "shows") {
      const QRect seen = List()->viewport()->rect();
      const auto visible = [&](int row) { return seen.intersects(List()->visualRect(Row(row))); };
      return QStringLiteral("%1 %2").arg(visible(0) ? "first" : "-", visible(lines.size() - 1) ? "last" : "-");
    }
    if (QStringList{"list", "file", "warning", "shown", "dialogs", "started"}.contains(kind)) {
      const auto at = [&lines](int n) { return n < 0 ? lines.size() + n : n; };
      return lines.mid(at(first), at(last) - at(first) + 1).join('\n');
    }
    if (what == "focus") return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
    const QString now = QApplication::overrideCursor() ? "busy now" : "idle now";
    if (what == "busy") return QString(file_system_.busy ? "read busy, " : "read idle, ") + now;
    const QString folder = what == "files" ? folder_->path() : program_folder_;
    if (kind == "files") return QDir(folder).entryList({"*.cbr"}, QDir::Files).join(' ');
    const QString name = what.section('.', 0, 0);
    const QObject* control = name == "Form1" ? form_.get() : form_->findChild<QObject*>(name);
    const QVariant value = control ? control->property(what.section('.', 1).toLatin1()) : QVariant();
    if (!value.isValid()) return "no control or property " + what;
    const QSize size = value.toSize();
    if (value.typeId() == QMetaType::QSize) return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
    if (const QRect r = value.toRect(); value.typeId() == QMetaType::QRect) {
      return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    return value.toString();
  }

  QListView* List() const { return form_->findChild<QListView*>("List1"); }
  QModelIndex Row(int row) const { return List()->model()->index(row, 0); }
  QString Path(const QString& name) const { return folder_->filePath(name); }
  QString Expand(QString text) const {
    text.replace("$DIR", folder_ ? folder_->path() : "").replace("$HOME", QDir::homePath());
    text.replace("$TODAY", QDate::currentDate().toString("dd.MM.yy"));
    for (int at; (at = text.indexOf("\\x")) >= 0;) text.replace(at, 4, QChar(text.mid(at + 2, 2).toInt(nullptr, 16)));
    for (const auto& [escape, character] : {std::pair{"\\r", "\r"}, {"\\n", "\n"}, {"\\s", " "}}) {
      text.replace(escape, character);
    }
    return text;
  }
  void Write(const QString& name, const QByteArray& bytes) const {
    QDir().mkpath(QFileInfo(Path(name)).absolutePath());
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
  }
  // Lets queued events run (the Tab of the Enter rule, posted warnings).
  static void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }

  std::unique_ptr<QTemporaryDir> folder_;
  QString case_, program_folder_;
  FakeDesktop desktop_;
  SpyFileSystem file_system_;
  std::unique_ptr<Form1> form_;
};

TEST_F(WindowTest, EditingRules) { Run("editing_rules.txt"); }
TEST_F(WindowTest, Runs) { Run("runs.txt"); }
TEST_F(WindowTest, Printing) { Run("printing.txt"); }
TEST_F(WindowTest, CategoryLists) { Run("category_lists.txt"); }
TEST_F(WindowTest, EarlierEntryAndEnglish) { Run("earlier_entry_and_english.txt"); }
// Run by install.window against the staged tree.
TEST_F(WindowTest, Installed) {
  if (!qEnvironmentVariableIsSet("PELIKAN_INSTALLED_BIN")) GTEST_SKIP() << "no PELIKAN_INSTALLED_BIN";
  Run("installed.txt");
}

// Every field as the table has it: caption and tip, start text, place in
// the tab order, upper case when left, and its part in the readiness rule.
TEST_F(WindowTest, FieldsAsTheTableHasThem) {
  Do("case", "", "", "fields");
  Do("open", "", "", "");
  const auto utf8 = [](std::string_view text) { return QString::fromUtf8(text.data(), std::ssize(text)); };
  const auto name = [](const ContestField& field) {
    return QStringLiteral("%1(%2)").arg(field.list ? "Combo1" : "Text1").arg(field.index);
  };
  for (const ContestField& field : kContestFields) {
    SCOPED_TRACE(name(field).toStdString());
    const QString label = QStringLiteral("Label1(%1)").arg(field.label_index);
    EXPECT_EQ(Value(label + ".text"), utf8(field.caption));
    EXPECT_EQ(Value(label + ".toolTip"), utf8(field.tip));
    EXPECT_EQ(Value(name(field) + (field.list ? ".currentText" : ".text")), utf8(field.start_text));
    // A log dropped onto a field goes to the window, not into the field's text.
    auto* control = form_->findChild<QWidget*>(name(field));
    const QList<QWidget*> parts = control->findChildren<QWidget*>() << control;
    for (const QWidget* part : parts) EXPECT_FALSE(part->acceptDrops());
  }
  // In the table's order from top to bottom, each with its caption on its right.
  QRect above;
  for (const ContestField& field : kContestFields) {
    SCOPED_TRACE(name(field).toStdString());
    const QRect box = form_->findChild<QWidget*>(name(field))->geometry();
    const QRect caption = form_->findChild<QWidget*>(QStringLiteral("Label1(%1)").arg(field.label_index))->geometry();
    EXPECT_GE(box.top(), above.bottom());
    EXPECT_GT(caption.left(), box.right());
    EXPECT_LE(std::abs(caption.center().y() - box.center().y()), box.height() / 3);
    above = box;
  }
  for (const ContestField& field : kContestFields) {
    EXPECT_EQ(Value("focus"), name(field)) << "in tab order";
    Do("key", "focus", "Tab", "");
  }
  Do("fill", "", "", "");
  for (const ContestField& field : kContestFields) {
    if (field.list || field.index == kClubIndex) continue;
    SCOPED_TRACE(name(field).toStdString());
    const QString typed = Value(name(field) + ".text");
    Do("type", name(field), "s5čž ab", "");
    Do("key", name(field), "Tab", "");
    EXPECT_EQ(Value(name(field) + ".text"), field.upper_cased ? "S5ČŽ AB" : "s5čž ab");
    Do("set", name(field), "", "");
    EXPECT_EQ(Value("Command1.enabled"), field.required ? "false" : "true");
    Do("set", name(field), typed.isEmpty() ? "x" : typed, "");
  }
}

// A window as drawn that does not fit the screen (1080p at scale 2) scrolls, and Tab brings every
// control into view. Run by window.small_screen on such a screen.
TEST_F(WindowTest, SmallScreen) {
  if (QApplication::primaryScreen()->availableGeometry().height() > 600) GTEST_SKIP() << "the window fits";
  Do("case", "", "", "small screen");
  Do("open", "", "", "");
  const auto* view = form_->findChild<QScrollArea*>("Scroller");
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(form_->size(), QSize(950, 500)) << "as large as fits, a title bar's room left";
  EXPECT_EQ(view->geometry(), form_->rect());
  EXPECT_EQ(form_->findChild<QWidget*>("Frame1")->mapTo(form_.get(), QPoint()), QPoint(8, 8)) << "as drawn, unframed";
  Do("fill", "", "", "");
  Do("click", "Text1(10)", "", "");
  Do("key", "focus", "Tab", "");
  const QWidget* button = form_->findChild<QWidget*>("Command1");
  EXPECT_EQ(QApplication::focusWidget(), button);
  EXPECT_TRUE(view->viewport()->rect().contains(QRect(button->mapTo(view->viewport(), QPoint()), button->size())));
  // The viewer, too, opens no larger than the screen, its buttons on it.
  Do("write", "log.txt", "QSO: 80 CW 09.11.2007 06:01 S57BBB 599 599 1995", "");
  Do("answer", "log.txt", "", "");
  Do("click", "Command1", "", "");
  Do("click", "Command2", "", "");
  const auto* viewer = form_->findChild<TextViewer*>();
  ASSERT_NE(viewer, nullptr);
  const QSize room = QApplication::primaryScreen()->availableGeometry().size();
  EXPECT_LE(viewer->width(), room.width() - 16);
  EXPECT_LE(viewer->height(), room.height() - 48);
  const QWidget* close = viewer->findChild<QWidget*>("ViewerClose");
  EXPECT_TRUE(viewer->rect().contains(QRect(close->mapTo(viewer, QPoint()), close->size())));
}

TEST_F(WindowTest, CaptionsAreWholeAndTheListAndDropDownShowTheirText) {
  const QString longest = "SINGLE-OP-ASSISTED ALL BANDS HIGH POWER MIXED";
  Do("case", "", "", "layout");
  Write("category1.pod", longest.toLatin1());
  // In English, a caption too long for one line takes two.
  Do("open", "english", "", "");
  for (QLabel* label : form_->findChildren<QLabel*>(QRegularExpression("^Label1"))) {
    const bool whole = label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                         : label->width() >= label->sizeHint().width();
    EXPECT_TRUE(whole && label->geometry().right() < form_->findChild<QWidget*>("Frame1")->width())
        << label->text().toStdString();
  }
  Do("open", "", "", "");
  EXPECT_FALSE(form_->windowIcon().isNull());
  for (QLabel* label : form_->findChildren<QLabel*>(QRegularExpression("^Label1"))) {
    EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    EXPECT_FALSE(label->wordWrap());
  }
  EXPECT_EQ(List()->fontMetrics().horizontalAdvance("iiii  "), List()->fontMetrics().horizontalAdvance("MMMM--"));
  // The frame's own border, in the palette's colour for lines, and its caption in dark text above it.
  auto* frame = form_->findChild<QWidget*>("Frame1");
  const QImage drawn = frame->grab().toImage();
  const QRgb mid = frame->palette().color(QPalette::Mid).rgb();
  EXPECT_EQ(drawn.pixel(frame->width() / 2, frame->height() - 1), mid);
  int dark = 0, left = drawn.width(), right = 0;
  for (int y = 0; y < frame->fontMetrics().height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) {
      if (qGray(drawn.pixel(x, y)) < 96) ++dark, left = std::min(left, x), right = std::max(right, x);
    }
  }
  EXPECT_GT(dark, 50) << "the caption";
  // The border runs through the caption's middle and breaks for it.
  int top = 0;
  while (top < drawn.height() - 1 && drawn.pixel(frame->width() - 10, top) != mid) ++top;
  int crossed = 0;
  for (int x = left; x <= right; ++x) crossed += drawn.pixel(x, top) == mid;
  EXPECT_EQ(crossed, 0) << "the border at " << top << " crosses the caption from " << left << " to " << right;
  auto* box = form_->findChild<QComboBox*>("Combo1(1)");
  box->showPopup();
  EXPECT_GE(box->view()->viewport()->width(), box->view()->fontMetrics().horizontalAdvance(longest));
  box->hidePopup();
}

TEST_F(WindowTest, DataPathsKeepAllBesideAPortableCopyAndSplitThemForAnInstalledOne) {
  Do("case", "", "", "paths");
  auto path = [this](const char* relative) { return QDir::cleanPath(Path(relative)); };
  for (const char* name : {"copy/category.pod", "config/category1.pod", "usr/bin/category1.pod"}) Write(name, "");
  // A list missing beside a portable copy is looked for there, not in the user's folder;
  // the overlay list alone beside the program makes no portable copy.
  const DataPaths portable(path("copy"), path("config")), installed(path("usr/bin"), path("config"));
  EXPECT_TRUE(portable.portable() && !installed.portable());
  const std::pair<QString, const char*> rows[] = {
      {portable.ListPath("category1.pod"), "copy/category1.pod"},
      {portable.OutputFolder(path("logs/contest.log")), "copy"},
      {installed.ListPath("category.pod"), "usr/share/pelikan/category.pod"},
      {installed.ListPath("category1.pod"), "config/category1.pod"},
      {DataPaths(path("usr/bin"), {}).ListPath("category1.pod"), "usr/share/pelikan/category1.pod"},
      {installed.OutputFolder(path("logs/contest.log")), "logs"},
  };
  for (const auto& [found, expected] : rows) EXPECT_EQ(found.toStdString(), path(expected).toStdString());
}

// The engine's codec through QString: UTF-16 pairs and halves.
TEST(TextCodec, EveryByteAsQtReadsItAndCharactersBeyondThePlane) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
  EXPECT_EQ(FromCp1250(all), QStringDecoder("windows-1250").decode(QByteArray::fromStdString(all)));
  EXPECT_EQ(ToCp1250(FromCp1250(all)), all);
  EXPECT_EQ(ToCp1250(u"S5\u200B9\U0001F600\U000E0041"), "S59?") << "a pair is one character";
  EXPECT_EQ(ToCp1250(QString(QChar(0xD800)) + "a"), "?a") << "a lone surrogate";
}

// Printed lines fit the page: a longer one goes on below with a mark.
TEST(TextViewer, LinesForPrintingFitThePage) {
  const std::pair<QString, QStringList> rows[] = {
      {"QSO: 1234\nEND", {"QSO: 1234", "END"}},
      {"SOAPBOX: 0123456789abc", {"SOAPBOX: ", "\u21AA 0123456", "\u21AA 789abc"}},
      {"", {""}},
  };
  for (const auto& [text, lines] : rows) EXPECT_EQ(LinesForPrinting(text, 9), lines) << text.toStdString();
  // On A4, one line takes a page, 150 lines more than one, and as many lines
  // too long for it more pages still, all their text in the file.
  QTemporaryDir folder;
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(9);
  const auto pages = [&](const QString& name, int lines, int width) {
    QPdfWriter pdf(folder.filePath(name));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    return PrintText(pdf, font, QStringList(lines, QString(width, u'x')).join('\n'));
  };
  EXPECT_EQ(pages("one.pdf", 1, 20), 1);
  const int short_lines = pages("short.pdf", 150, 20);
  EXPECT_GT(short_lines, 1);
  const int long_lines = pages("long.pdf", 150, 200);
  EXPECT_GT(long_lines, short_lines);
  QFile file(folder.filePath("long.pdf"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_TRUE(pdf.contains("/FontDescriptor"));
  EXPECT_EQ(pdf.count("/Type /Page") - pdf.count("/Type /Pages"), long_lines) << "as many pages in the file";
  // Margins a printer can print: at least 10 mm, wider ones kept.
  for (const double set : {3.5, 25.0}) {
    QPdfWriter narrow(folder.filePath("margins.pdf"));
    narrow.setPageMargins(QMarginsF(set, set, set, set), QPageLayout::Millimeter);
    PrintText(narrow, font, "QSO:");
    const QMarginsF margins = narrow.pageLayout().margins(QPageLayout::Millimeter);
    for (const double margin : {margins.left(), margins.top(), margins.right(), margins.bottom()}) {
      EXPECT_DOUBLE_EQ(margin, std::max(set, 10.0));
    }
  }
}

TEST(SystemDesktop, DefaultTextApplicationOnlyFromAQueryThatSucceeded) {
  QTemporaryDir home;
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", QFile::encodeName(home.path()) + ":" + path);
  qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
  QDir(home.path()).mkpath("applications");
  QFile(home.filePath("applications/viewer.desktop")).open(QIODevice::WriteOnly);
  for (const auto& [script, found] : {std::pair{"echo viewer.desktop", true}, {"echo viewer.desktop; exit 1", false}}) {
    QFile xdg_mime(home.filePath("xdg-mime"));
    ASSERT_TRUE(xdg_mime.open(QIODevice::WriteOnly) && xdg_mime.write(QByteArray("#!/bin/sh\n") + script) > 0);
    xdg_mime.close();
    xdg_mime.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(SystemDesktop().DefaultTextApplication(), found ? home.filePath("applications/viewer.desktop") : "")
        << script;
  }
  qputenv("PATH", path);
  qunsetenv("XDG_DATA_HOME");
}

// The system's boxes say what they are given, details and all, and the
// one that asks tells which button was pressed.
TEST(SystemDesktop, BoxesShowTheirTextAndTellTheAnswer) {
  QStringList seen;
  const auto answer = [&seen](const char* button) {
    QTimer::singleShot(0, [&seen, button] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      seen << box->text() + "|" + box->detailedText();
      for (QAbstractButton* b : box->buttons()) {
        if (b->text() == button || !*button) return b->click();
      }
    });
  };
  answer("");
  SystemDesktop().Warn(nullptr, "Pelikan", "a");
  answer("");
  SystemDesktop().WarnWithDetails(nullptr, "Pelikan", "b", "c");
  answer("Nadaljuj");
  EXPECT_TRUE(SystemDesktop().WarnBeforeGoingOn(nullptr, "Pelikan", "d", "e", Language::kSlovenian));
  answer("Popravi");
  EXPECT_FALSE(SystemDesktop().WarnBeforeGoingOn(nullptr, "Pelikan", "f", "g", Language::kSlovenian));
  EXPECT_EQ(seen, QStringList({"a|", "b|c", "d|e", "f|g"}));
}

// The file dialog is Qt's own, and its log filter matches names in any letter case.
TEST(SystemDesktop, FileDialogShowsLogsInAnyLetterCase) {
  QTemporaryDir folder;
  for (const char* name : {"a.ADI", "b.adi", "c.Cbr", "d.log", "e.pdf", "f"})
    QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
  QStringList shown;
  QTimer::singleShot(0, [&shown] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* view = dialog->findChild<QListView*>("listView");
    const auto rows = [view] { return view->model()->rowCount(view->rootIndex()); };
    EXPECT_TRUE(QTest::qWaitFor([&] { return rows() > 0; }));
    for (int row = 0; row < rows(); ++row) shown << view->model()->index(row, 0, view->rootIndex()).data().toString();
    dialog->reject();
  });
  EXPECT_EQ(
      SystemDesktop().ChooseExistingFile(nullptr, "Odpri", folder.path(), "Dnevniki (*.adi *.cbr *.log);;Vse (*)"), "");
  shown.sort();
  EXPECT_EQ(shown, QStringList({"a.ADI", "b.adi", "c.Cbr", "d.log"}));
}

// Every text a widget and its children show: captions, buttons, titles, list items, tips.
QStringList TextsShown(const QWidget* widget) {
  QStringList texts{widget->windowTitle(), widget->toolTip()};
  for (const QWidget* part : widget->findChildren<QWidget*>()) {
    texts << part->toolTip();
    if (const auto* label = qobject_cast<const QLabel*>(part)) texts << label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(part)) texts << button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(part)) texts << group->title();
    if (const auto* tabs = qobject_cast<const QTabWidget*>(part)) {
      for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    }
    if (const auto* box = qobject_cast<const QComboBox*>(part)) {
      for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
    }
  }
  return texts;
}

// Qt's own file and print dialogs wholly in Slovenian, from the program's own translation: a text
// the same with and without it is one it lacks, unless it is a name in both languages.
TEST(SystemDesktop, QtDialogsWhollyInSlovenian) {
  ASSERT_TRUE(UseQtTexts(*QCoreApplication::instance(), Language::kEnglish));
  EXPECT_TRUE(QCoreApplication::instance()->findChildren<QTranslator*>().isEmpty()) << "Qt's own texts are English";
  const auto dialogs = [] {
    QFileDialog files(nullptr, "Odpri", QDir::homePath(), "Dnevniki (*.log)");
    files.setOption(QFileDialog::DontUseNativeDialog);
    QPrinter printer;
    QPrintDialog print(&printer);
    return TextsShown(&files) + TextsShown(&print);
  };
  const QStringList english = dialogs();
  ASSERT_TRUE(UseQtTexts(*QCoreApplication::instance(), Language::kSlovenian));
  const QStringList slovenian = dialogs();
  ASSERT_EQ(english.size(), slovenian.size());
  const QRegularExpression word("[A-Za-z]{3}");
  const QStringList names = {"Odpri", "Dnevniki (*.log)", QDir::homePath(), "Print to File (PDF)", "Letter / ANSI A"};
  QStringList untranslated;
  for (qsizetype i = 0; i < english.size(); ++i) {
    if (english[i] == slovenian[i] && english[i].contains(word) && !names.contains(english[i]))
      untranslated << english[i];
  }
  EXPECT_EQ(untranslated, QStringList());
  qsizetype translated = 0;
  for (qsizetype i = 0; i < english.size(); ++i) translated += english[i] != slovenian[i];
  EXPECT_GT(translated, 40) << "the dialogs' texts were found";
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), "Ime &datoteke:");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Prekliči");
}

TEST(SystemDesktop, StartReportsWhetherTheProgramRanAndSucceeded) {
  QObject context;
  for (const auto& [program, succeeded] : {std::pair{"true", true}, {"false", false}, {"/nonexistent/gio", false}}) {
    QList<bool> answers;
    SystemDesktop().Start(program, {}, &context, [&](bool ok) { answers << ok; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return !answers.isEmpty(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(answers, QList<bool>{succeeded}) << program;
  }
}

}  // namespace
}  // namespace pelikan

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
