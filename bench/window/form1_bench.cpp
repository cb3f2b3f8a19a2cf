// SPDX-License-Identifier: GPL-3.0-or-later
// What the user waits for after choosing a log at the contact limit: from
// the file dialog's close to the full result list on screen. Runs offscreen
// unless QT_QPA_PLATFORM says otherwise.

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

#include "engine/convert_log.h"
#include "process/huge_pages.h"
#include "window/desktop.h"
#include "window/form1.h"

namespace {

// Answers the file dialog at once, so the timing starts where it closes.
class ChosenLog : public pelikan::Desktop {
 public:
  explicit ChosenLog(QString path) : path_(std::move(path)) {}
  QString ChooseExistingFile(QWidget*, const QString&, const QString&, const QString&) override { return path_; }
  void Warn(QWidget*, const QString&, const QString& text) override { warning_ = text; }
  const QString& warning() const { return warning_; }

 private:
  QString path_;
  QString warning_;
};

QByteArray LogAtTheLimit() {
  QByteArray log = "Band Mode Date Time Call Sent Rcvd Exch\r\n";
  for (int i = 0; i < pelikan::kMaxRecords; ++i) {
    log += (i % 2 ? "QSO: 80 CW 09.11.2007 06:" : "QSO: 80 SSB 09.11.2007 07:") + QByteArray::number(10 + i % 50) +
           " S5" + QByteArray::number(i % 20000) + (i % 2 ? " 599 599 " : " 59 59 ") +
           QByteArray::number(1950 + i % 60) + "\r\n";
  }
  return log;
}

void BM_DialogClosedToListShown(benchmark::State& state) {
  QTemporaryDir folder;
  QFile log(folder.filePath("contest.log"));
  if (!folder.isValid() || !log.open(QIODevice::WriteOnly) || log.write(LogAtTheLimit()) < 0) {
    state.SkipWithError("cannot write the log");
    return;
  }
  log.close();
  for (const char* list : {"category.pod", "category1.pod"}) {
    QFile(folder.filePath(list)).open(QIODevice::WriteOnly);
  }
  ChosenLog desktop(log.fileName());

  qsizetype lines = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto form = std::make_unique<pelikan::Form1>(folder.path(), desktop);
    for (auto [name, text] : {std::pair{"Text1(0)", "S59ZZ"},
                              {"Text1(2)", "1990"},
                              {"Text1(6)", "Janez"},
                              {"Text1(7)", "Pot 1"},
                              {"Text1(8)", "1000 Ljubljana"}}) {
      form->findChild<QLineEdit*>(name)->setText(text);
    }
    form->findChild<QComboBox*>("Combo1(0)")->setEditText("SINGLE-OP 80M LOW MIXED");
    form->show();
    QCoreApplication::processEvents();
    auto* list = form->findChild<QListView*>("List1");
    state.ResumeTiming();

    form->findChild<QPushButton*>("Command1")->click();
    QCoreApplication::processEvents();  // the view's delayed layout
    list->viewport()->repaint();

    state.PauseTiming();
    lines = list->model()->rowCount();
    if (!desktop.warning().isEmpty()) state.SkipWithError(qPrintable(desktop.warning()));
    form.reset();
    QFile::remove(folder.filePath("S59ZZ.cbr"));
    state.ResumeTiming();
  }
  state.counters["contacts"] = pelikan::kMaxRecords;
  state.counters["list_lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_DialogClosedToListShown)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  // The heap as the program sets it up, so that the figure is the program's.
  pelikan::PreferHugePagesForHeap();
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
