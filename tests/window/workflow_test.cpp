// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions driven through the window: make, dialog, list, file, print
// and exit, and every way they can go wrong.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <utility>

#include "engine/convert_log.h"
#include "tests/window/window_test.h"
#include "window/system_reason.h"
#include "window/text_viewer.h"

namespace pelikan {
namespace {

constexpr char kLog[] =
    "Band Mode Date Time Call Sent Rcvd Exch\r\n"
    "----------\r\n"
    "QSO: 80 CW 09.11.2007 06:01 S59ABC 599 599 1995\r\n"
    "QSO: 80 CW 09.11.2007 06:03 S53XX 599 599 2001\r\n"
    "QSO: 80 SSB 09.11.2007 06:10 S59ABC 59 59 1995\r\n"
    "QSO: 80 CW 09.11.2007 06:12 S59ABC 599 599 1995\r\n";

class WorkflowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteFile("contest.log", kLog);
    desktop_.chosen_file = PathIn("contest.log");
  }

  void Make() {
    QTest::mouseClick(Button("Command1"), Qt::LeftButton);
    Settle();
  }

  void Print() { QTest::mouseClick(Button("Command2"), Qt::LeftButton); }

  // After a written file or a cancel; the focus is off KONEC either way.
  void ExpectFinished() {
    EXPECT_EQ(Button("Command1")->text(), "KONEC");
    EXPECT_TRUE(Button("Command2")->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), Control<QListView>("List1"));
  }

  // After a failure: the data stay and another log can be chosen at once.
  void ExpectReadyForAnotherRun() {
    EXPECT_EQ(Button("Command1")->text(), "Izdelaj CBR");
    EXPECT_TRUE(Button("Command1")->isEnabled());
    EXPECT_FALSE(Button("Command2")->isVisible());
    EXPECT_EQ(Text1(8)->text(), "1000 Ljubljana");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), Control<QListView>("List1"));
  }

  // A desktop entry file for the default text application.
  QString TextApplication(const QByteArray& entry) {
    WriteFile("editor.desktop", entry);
    return PathIn("editor.desktop");
  }

  QStringList CabrilloFiles() const { return QDir(folder_.path()).entryList({"*.cbr"}, QDir::Files); }
};

TEST_F(WorkflowTest, WholeRunFromTypedFieldsToExit) {
  Open();
  FillRequired();
  Type(Text1(6), "Janez Černe");
  QTest::mouseClick(Text1(4), Qt::LeftButton);
  ASSERT_EQ(Text1(4)->text(), "S5");
  Type(Text1(0), "s57ab");  // still focused, and lower case, when make is pressed
  Make();

  ASSERT_EQ(desktop_.dialogs.size(), 1u);
  EXPECT_EQ(desktop_.dialogs[0].filter, "*.* (*)");
  EXPECT_EQ(desktop_.dialogs[0].folder, QDir::homePath());
  EXPECT_EQ(StatusPanel(1), "Zapisano: " + QDir::toNativeSeparators(PathIn("S57AB.cbr")));
  EXPECT_TRUE(desktop_.warnings.isEmpty()) << desktop_.warnings.join("\n").toStdString();
  EXPECT_TRUE(desktop_.detailed_warnings.empty());

  const QStringList lines = ListLines();
  ASSERT_EQ(lines.size(), 30);
  EXPECT_EQ(lines[0], "START-OF-LOG: Beta 2.2");
  EXPECT_EQ(lines[2], "CALLSIGN: S57AB");
  EXPECT_EQ(lines[8], "CLUB: ");
  EXPECT_EQ(lines[11], "NAME: Janez Černe");
  EXPECT_EQ(lines[15],
            "QSO:  3500 CW 2007-11-09 0601 S57AB       599  1990     S59ABC       599  1995");
  EXPECT_EQ(lines[19], " DVOJNA ZVEZA Z  S59ABC");
  EXPECT_EQ(lines.last(), "Skupaj  5   tock   x     3 mnozilcev  =  15  tock");
  EXPECT_EQ(Label2(), "Obdelani so 4 zapisi");
  // The field shows the callsign as the conversion padded it; the file
  // takes its name from the call alone.
  EXPECT_EQ(Text1(0)->text(), "S57AB ");
  EXPECT_EQ(CabrilloFiles(), QStringList{"S57AB.cbr"});
  const QByteArray file = ReadFile("S57AB.cbr");
  EXPECT_TRUE(file.startsWith("START-OF-LOG: Beta 2.2\r\n"));
  EXPECT_TRUE(file.contains("\r\nCLAIMED-SCORE: 15\r\n"));
  EXPECT_TRUE(file.contains("\r\nNAME: Janez \xc8" "erne\r\n"));
  EXPECT_TRUE(file.endsWith("\r\nEND-OF-LOG:\r\n"));
  ExpectFinished();

  // Printed from the text application, as often as the user likes; the
  // file it gets is the one written, whatever the field reads now.
  desktop_.text_application = TextApplication("[Desktop Entry]\nExec=editor %f\n");
  Print();
  Type(Text1(0), "S57XY");
  Print();
  const QStringList launch = {"gio", "launch", PathIn("editor.desktop"), PathIn("S57AB.cbr")};
  EXPECT_EQ(desktop_.started, std::vector<QStringList>(2, launch));
  EXPECT_TRUE(desktop_.shown.empty());

  QTest::mouseClick(Button("Command1"), Qt::LeftButton);
  EXPECT_FALSE(form_->isVisible());
  EXPECT_EQ(desktop_.dialogs.size(), 1u);
}

TEST_F(WorkflowTest, LinesToLookAtAreListedInOneBoxAfterTheRun) {
  WriteFile("contest.log", QByteArray(kLog) +
                               "QSO: 80 CW 09.11.2007 06:20 S57\xC8Z 599 599 1995\r\n"
                               "QSO: 80 CW 09.11.2007 06:21 S53YY 599\r\n");
  Open();
  FillRequired();
  Make();
  EXPECT_TRUE(desktop_.warnings.isEmpty());
  ASSERT_EQ(desktop_.detailed_warnings.size(), 1u);
  const auto& [text, details] = desktop_.detailed_warnings[0];
  EXPECT_TRUE(text.contains(": 2.")) << text.toStdString();
  EXPECT_EQ(details,
            "vrstica 7: vrstica QSO bo zavrnjena, napačno: klicni znak\n"
            "QSO: 80 CW 09.11.2007 06:20 S57ČZ 599 599 1995\n\n"
            "vrstica 8: videti je kot zveza, a ni pretvorjena: ima manj kot 8 polj\n"
            "QSO: 80 CW 09.11.2007 06:21 S53YY 599");
  EXPECT_EQ(Label2(), "Obdelano je 5 zapisov");
  ExpectFinished();
}

TEST_F(WorkflowTest, CancelledDialogStillEndsInTheFinishedState) {
  desktop_.chosen_file.clear();
  WriteFile("S5.cbr", "an earlier entry\r\n");
  Open();
  FillRequired();
  Make();
  EXPECT_EQ(desktop_.dialogs.size(), 1u);
  EXPECT_EQ(StatusPanel(1), "");
  EXPECT_TRUE(ListLines().isEmpty());
  EXPECT_EQ(Label2(), "");
  EXPECT_EQ(Text1(0)->text(), "S5");
  EXPECT_EQ(ReadFile("S5.cbr"), "an earlier entry\r\n");
  EXPECT_TRUE(desktop_.warnings.isEmpty());
  ExpectFinished();

  // This run wrote nothing: said, and the older file is not offered.
  Print();
  EXPECT_TRUE(desktop_.started.empty());
  EXPECT_TRUE(desktop_.shown.empty());
  ASSERT_EQ(desktop_.warnings.size(), 1);
  EXPECT_TRUE(desktop_.warnings[0].contains("ni bila zapisana"));

  QTest::mouseClick(Button("Command1"), Qt::LeftButton);
  EXPECT_FALSE(form_->isVisible());
}

TEST_F(WorkflowTest, CallsignThatGivesNoFileNameIsRefusedBeforeTheDialog) {
  Open();
  FillRequired();
  for (const char* callsign : {"   ", ".", " .. "}) {
    SCOPED_TRACE(callsign);
    Type(Text1(0), callsign);
    Make();
    EXPECT_TRUE(desktop_.dialogs.empty());
    ASSERT_EQ(desktop_.warnings.size(), 1);
    EXPECT_TRUE(desktop_.warnings.takeFirst().contains("imena datoteke"));
    EXPECT_EQ(Button("Command1")->text(), "Izdelaj CBR");
    EXPECT_TRUE(CabrilloFiles().isEmpty());
  }
  // A letter of the code page names the file as the system encodes names.
  Type(Text1(0), "s5č");
  Make();
  EXPECT_EQ(CabrilloFiles(), QStringList{"S5Č.cbr"});
}

TEST_F(WorkflowTest, PrintFallsBackToTheOwnViewer) {
  struct Case {
    const char* name;
    QByteArray entry;  // empty: no text application at all
    bool start_succeeds;
    bool launched;
    bool viewed;
  };
  const Case cases[] = {
      {"no text application", "", true, false, true},
      {"a terminal program", "[Desktop Entry]\nExec=vim %f\nTerminal=true\n", true, false, true},
      {"blanks around the key", "[Desktop Entry]\nTerminal = true\n", true, false, true},
      {"terminal only in an action",
       "[Desktop Entry]\nExec=ed %f\n[Desktop Action new]\nTerminal=true\n", true, true, false},
      {"an application that does not start", "[Desktop Entry]\nExec=ed %f\n", false, true, true},
  };
  Open();
  FillRequired();
  Type(Text1(6), "Janez Černe");
  Make();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    desktop_.started.clear();
    desktop_.shown.clear();
    desktop_.text_application = c.entry.isEmpty() ? QString() : TextApplication(c.entry);
    desktop_.start_succeeds = c.start_succeeds;
    Print();
    EXPECT_EQ(desktop_.started.size(), c.launched ? 1u : 0u);
    ASSERT_EQ(desktop_.shown.size(), c.viewed ? 1u : 0u);
    if (c.viewed) {
      EXPECT_EQ(desktop_.shown[0].title, "S5.cbr");
      EXPECT_TRUE(desktop_.shown[0].text.contains("\r\nNAME: Janez Černe\r\n"));
    }
  }
  EXPECT_TRUE(desktop_.warnings.isEmpty());

  // The viewer itself: the text as given, read-only, in the fixed font.
  TextViewer viewer("S5.cbr", desktop_.shown.back().text);
  const auto* text = viewer.findChild<QPlainTextEdit*>("ViewerText");
  EXPECT_EQ(text->toPlainText(), QString(desktop_.shown.back().text).replace("\r\n", "\n"));
  EXPECT_TRUE(text->isReadOnly());
  EXPECT_EQ(text->fontMetrics().horizontalAdvance("iiii"), text->fontMetrics().horizontalAdvance("MMMM"));
  EXPECT_NE(viewer.findChild<QPushButton*>("ViewerPrint"), nullptr);

  // A file gone since the run is said, not opened as a new one.
  ASSERT_TRUE(QFile::remove(PathIn("S5.cbr")));
  desktop_.text_application = TextApplication("[Desktop Entry]\nExec=ed %f\n");
  desktop_.started.clear();
  desktop_.shown.clear();
  Print();
  EXPECT_TRUE(desktop_.started.empty());
  EXPECT_TRUE(desktop_.shown.empty());
  ASSERT_EQ(desktop_.warnings.size(), 1);
  EXPECT_TRUE(desktop_.warnings[0].contains("datoteka ali mapa ne obstaja"));
}

TEST_F(WorkflowTest, EachConversionStartsWithEmptyRegisters) {
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    Open();
    FillRequired();
    Make();
    EXPECT_EQ(ListLines().filter("DVOJNA ZVEZA").size(), 1);
    EXPECT_EQ(Label2(), "Obdelani so 4 zapisi");
  }
}

class SpyFileSystem : public FileSystem {
 public:
  ssize_t Read(int fd, char* buffer, std::size_t size) override {
    const QCursor* cursor = QApplication::overrideCursor();
    busy_while_reading = cursor && cursor->shape() == Qt::WaitCursor;
    return FileSystem::Read(fd, buffer, size);
  }
  bool busy_while_reading = false;
};

TEST_F(WorkflowTest, BusyPointerShowsWhileTheLogIsConverted) {
  SpyFileSystem file_system;
  Open(file_system);
  FillRequired();
  Make();
  EXPECT_TRUE(file_system.busy_while_reading);
  ExpectFinished();
}

TEST_F(WorkflowTest, AfterAFailedRunAnotherLogCanBeTriedAtOnce) {
  desktop_.chosen_file = PathIn("vanished.log");
  Open();
  FillRequired();
  Make();
  ASSERT_EQ(desktop_.warnings.size(), 1);
  EXPECT_TRUE(desktop_.warnings[0].contains("Dnevnika"));
  EXPECT_TRUE(desktop_.warnings[0].contains(QDir::toNativeSeparators(PathIn("vanished.log"))));
  EXPECT_TRUE(desktop_.warnings[0].contains(":\ndatoteka ali mapa ne obstaja."));
  EXPECT_EQ(ListLines().value(0), "START-OF-LOG: Beta 2.2");
  EXPECT_EQ(Label2(), "");
  EXPECT_EQ(StatusPanel(1), QDir::toNativeSeparators(PathIn("vanished.log")));
  EXPECT_TRUE(CabrilloFiles().isEmpty());
  ExpectReadyForAnotherRun();

  // A longer log, so that the summary is below the list's first screen.
  QByteArray log;
  for (int i = 0; i < 80; ++i) {
    log += "QSO: 80 CW 09.11.2007 06:01 S5" + QByteArray::number(i) + " 599 599 1995\r\n";
  }
  WriteFile("long.log", log);
  desktop_.chosen_file = PathIn("long.log");
  Make();
  EXPECT_EQ(desktop_.dialogs.size(), 2u);
  EXPECT_EQ(desktop_.warnings.size(), 1);
  EXPECT_EQ(CabrilloFiles(), QStringList{"S5.cbr"});
  EXPECT_EQ(Label2(), "Obdelano je 80 zapisov");
  ExpectFinished();
  auto* list = Control<QListView>("List1");
  const QRect seen = list->viewport()->rect();
  EXPECT_TRUE(seen.contains(list->visualRect(list->model()->index(ListLines().size() - 1, 0))));
  EXPECT_FALSE(seen.intersects(list->visualRect(list->model()->index(0, 0))));
}

TEST_F(WorkflowTest, FileThatCannotBeWrittenIsReportedAndTheOldOneKept) {
  WriteFile("S5.cbr", "an earlier entry\r\n");
  ASSERT_TRUE(QFile::setPermissions(PathIn("S5.cbr"), QFile::ReadOwner | QFile::ReadGroup));
  Open();
  FillRequired();
  Make();
  ASSERT_EQ(desktop_.warnings.size(), 1);
  EXPECT_TRUE(desktop_.warnings[0].contains(QDir::toNativeSeparators(PathIn("S5.cbr"))));
  EXPECT_TRUE(desktop_.warnings[0].contains(":\ndostop ni dovoljen."));
  EXPECT_EQ(ReadFile("S5.cbr"), "an earlier entry\r\n");
  EXPECT_EQ(CabrilloFiles(), QStringList{"S5.cbr"});
  EXPECT_EQ(ListLines().value(29), "Skupaj  5   tock   x     3 mnozilcev  =  15  tock");
  EXPECT_EQ(Label2(), "");
  ExpectReadyForAnotherRun();
}

TEST_F(WorkflowTest, LogOverTheContactLimitIsReportedAndNothingWritten) {
  QByteArray log;
  for (int i = 0; i <= kMaxRecords; ++i) {
    log += "QSO: 80 CW 09.11.2007 06:01 S5" + QByteArray::number(i) + " 599 599 1995\r\n";
  }
  WriteFile("big%1.log", log);  // a "%1" in a name stays as it is
  desktop_.chosen_file = PathIn("big%1.log");
  Open();
  FillRequired();
  Make();
  ASSERT_EQ(desktop_.warnings.size(), 1);
  EXPECT_TRUE(desktop_.warnings[0].contains(QDir::toNativeSeparators(PathIn("big%1.log"))));
  EXPECT_TRUE(desktop_.warnings[0].contains("32767"));
  EXPECT_TRUE(CabrilloFiles().isEmpty());
  EXPECT_GT(ListLines().size(), kMaxRecords);
  EXPECT_EQ(ListLines().filter("Skupaj").size(), 0);
  ExpectReadyForAnotherRun();
}

TEST(SystemDesktop, StartReportsWhetherTheProgramRanAndSucceeded) {
  const std::pair<const char*, bool> cases[] = {{"true", true}, {"false", false}, {"/nonexistent/gio", false}};
  QObject context;
  for (const auto& [program, succeeded] : cases) {
    SCOPED_TRACE(program);
    int answers = 0;
    bool answer = !succeeded;
    SystemDesktop().Start(program, {}, &context, [&](bool ok) {
      ++answers;
      answer = ok;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return answers > 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(answers, 1);
    EXPECT_EQ(answer, succeeded);
  }
}

TEST(SystemReason, CommonReasonsInSlovenianOthersAsTheSystemSaysThem) {
  const auto words = [](int error) { return QString::fromLocal8Bit(std::strerror(error)); };
  EXPECT_EQ(SystemReason(ENOSPC, "whatever"), "na disku ni več prostora");
  EXPECT_EQ(SystemReason(0, words(EROFS)), "datotečni sistem je samo za branje");
  EXPECT_EQ(SystemReason(0, words(ENAMETOOLONG)), "ime datoteke je predolgo");
  EXPECT_EQ(SystemReason(ESTALE, words(ESTALE)), words(ESTALE));
}

}  // namespace
}  // namespace pelikan
