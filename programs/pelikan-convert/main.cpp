// SPDX-License-Identifier: GPL-3.0-or-later
// pelikan-convert: the headless front end. Converts one log into a Cabrillo
// file with the contest data given as options, for scripts and batch use.

#include <QCommandLineParser>
#include <QFile>
#include <QStringDecoder>
#include <QStringList>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "contest/contest_data.h"
#include "contest/editing_rules.h"
#include "engine/convert_log.h"
#include "window/text_codec.h"

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitWarnings = 3;
constexpr int kExitOutputFailed = 4;

// One contest data field as a command-line option.
struct FieldOption {
  const char* name;
  std::string pelikan::ContestData::*field;
  int text1_index;  // -1 for the two combo boxes, which have no leaving rules
  bool required;
};

constexpr std::array<FieldOption, 13> kFieldOptions = {{
    {"callsign", &pelikan::ContestData::Callsign, 0, true},
    {"contest", &pelikan::ContestData::ContestName, 1, false},
    {"licence-year", &pelikan::ContestData::LicenceYear, 2, true},
    {"category", &pelikan::ContestData::Category, -1, true},
    {"category-overlay", &pelikan::ContestData::CategoryOverlay, -1, false},
    {"team", &pelikan::ContestData::Team, 3, false},
    {"club", &pelikan::ContestData::Club, 4, false},
    {"operators", &pelikan::ContestData::Operators, 5, false},
    {"name", &pelikan::ContestData::EntrantName, 6, true},
    {"street", &pelikan::ContestData::Street, 7, true},
    {"postal-code-and-place", &pelikan::ContestData::PostalCodeAndPlace, 8, true},
    {"address-extra", &pelikan::ContestData::AddressExtra, 9, false},
    {"soapbox", &pelikan::ContestData::Soapbox, 10, false},
}};

constexpr const char* kUsage =
    "Usage: pelikan-convert [options] LOGFILE\n"
    "Converts a contest log into a Cabrillo file named after the callsign.\n"
    "\n"
    "Contest data (each takes one text; * marks the required ones):\n"
    "  --callsign TEXT               * own call sign (default \"S5\")\n"
    "  --contest TEXT                  contest (default \"KV prvenstvo ZRS\")\n"
    "  --licence-year TEXT           * licence year, the sent exchange\n"
    "  --category TEXT               * category, e.g. \"SINGLE-OP 80M LOW CW\"\n"
    "  --category-overlay TEXT         category overlay\n"
    "  --team TEXT                     team\n"
    "  --club TEXT                     club call sign\n"
    "  --operators TEXT                operators, separated by commas\n"
    "  --name TEXT                   * name\n"
    "  --street TEXT                 * street and number\n"
    "  --postal-code-and-place TEXT  * postal code and place\n"
    "  --address-extra TEXT            a further address line\n"
    "  --soapbox TEXT                  soapbox\n"
    "\n"
    "  --output-dir DIR                where the .cbr file goes (default: here)\n"
    "  --check                         convert and report, but write no file\n"
    "  --strict                        exit with status 3 when there were warnings\n"
    "  --help                          show this text\n"
    "  --version                       show the version and the licence\n"
    "\n"
    "The result list goes to standard output, the processed-records message to\n"
    "standard error. Before it, standard error has a line LOGFILE:LINE: warning:\n"
    "for every log line that looks like a contact but was not converted, or whose\n"
    "QSO line has a faulty piece. Exit status: 0 done, 1 the conversion failed\n"
    "(no file written), 2 wrong options, missing contest data or a callsign that\n"
    "gives no file name, 3 done with warnings under --strict, 4 the Cabrillo file\n"
    "was written but standard output failed.\n";

constexpr const char* kVersion =
    "pelikan-convert (Pelikan) " PELIKAN_VERSION "\n"
    "Copyright (C) 2026 the Pelikan developers.\n"
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

int UsageError(const QString& message) {
  std::fprintf(stderr, "pelikan-convert: %s\n%s", message.toLocal8Bit().constData(), kUsage);
  return kExitUsage;
}

// Writes `lines` as UTF-8, one to a line, gathered into blocks so that a
// long result list costs a few writes.
void PrintLines(std::FILE* stream, const std::vector<std::string>& lines) {
  constexpr std::size_t kBlock = std::size_t{1} << 16;
  std::string utf8;
  utf8.reserve(kBlock + 1024);
  for (const std::string& line : lines) {
    pelikan::AppendCp1250AsUtf8(line, utf8);
    utf8 += '\n';
    if (utf8.size() >= kBlock) {
      std::fwrite(utf8.data(), 1, utf8.size(), stream);
      utf8.clear();
    }
  }
  std::fwrite(utf8.data(), 1, utf8.size(), stream);
}

// The pieces of a faulty QSO line, as "time, date and exchange".
QString PieceNames(unsigned pieces) {
  static constexpr std::array<std::pair<unsigned, const char*>, 7> kNames = {{
      {pelikan::kQsoFrequency, "frequency"},
      {pelikan::kQsoMode, "mode"},
      {pelikan::kQsoDate, "date"},
      {pelikan::kQsoTime, "time"},
      {pelikan::kQsoWorkedCall, "worked call"},
      {pelikan::kQsoReceivedReport, "received report"},
      {pelikan::kQsoExchange, "exchange"},
  }};
  QStringList names;
  for (const auto& [piece, name] : kNames) {
    if (pieces & piece) names << QLatin1String(name);
  }
  const QString last = names.takeLast();
  return names.isEmpty() ? last : names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

QString NoteText(const pelikan::LogNote& note) {
  const QString line = pelikan::FromCp1250(note.text);
  switch (note.kind) {
    case pelikan::NoteKind::kContactBeforeColumns:
      return QStringLiteral("looks like a contact but was not converted: no 599 or 59 field came "
                            "before it: %1")
          .arg(line);
    case pelikan::NoteKind::kContactTooShort:
      return QStringLiteral("looks like a contact but was not converted: fewer than 8 fields: %1")
          .arg(line);
    case pelikan::NoteKind::kFaultyQsoLine:
      return QStringLiteral("the QSO line has a faulty %1: %2").arg(PieceNames(note.faulty_pieces), line);
    case pelikan::NoteKind::kReadAsUtf8:
      return QStringLiteral("the log is UTF-8; converted to Windows-1250 before reading");
  }
  return {};
}

// One line per note on standard error, in the form editors jump to.
void PrintNotes(const pelikan::ConversionResult& result, const QString& log_path) {
  for (const pelikan::LogNote& note : result.notes) {
    const QString text = note.IsWarning()
                             ? QStringLiteral("%1:%2: warning: %3").arg(log_path).arg(note.line).arg(NoteText(note))
                             : QStringLiteral("%1: note: %2").arg(log_path, NoteText(note));
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
  }
  if (result.notes_not_kept > 0) {
    std::fprintf(stderr, "%s: warning: %d more warnings not shown\n", log_path.toUtf8().constData(),
                 result.notes_not_kept);
  }
}

QString FailureMessage(const pelikan::ConversionFailure& failure, const QString& log_path) {
  const QString path = QFile::decodeName(QByteArray::fromStdString(failure.path.string()));
  const QString reason = QString::fromLocal8Bit(failure.reason);
  switch (failure.kind) {
    case pelikan::FailureKind::kCannotReadLog:
      return QStringLiteral("cannot read the log %1: %2").arg(path, reason);
    case pelikan::FailureKind::kCannotWriteFile:
      return QStringLiteral("cannot write %1: %2; no file written").arg(path, reason);
    case pelikan::FailureKind::kTooManyContacts:
      return QStringLiteral("%1 holds more than %2 contacts; no file written")
          .arg(log_path)
          .arg(pelikan::kMaxRecords);
    case pelikan::FailureKind::kLogNotAFile:
      return QStringLiteral("%1 is not a regular file; no file written").arg(path);
    case pelikan::FailureKind::kLogTooLarge:
      return QStringLiteral("%1 is larger than %2 MiB; no file written").arg(path).arg(pelikan::kMaxLogBytes >> 20);
    case pelikan::FailureKind::kLineTooLong:
      return QStringLiteral("line %2 of %1 is longer than %3 bytes; no file written")
          .arg(path)
          .arg(failure.line)
          .arg(pelikan::kMaxLineBytes);
    case pelikan::FailureKind::kOutOfMemory:
      return QStringLiteral("out of memory while converting %1; no file written").arg(path);
  }
  return {};
}

// Stands for an argument that is not valid UTF-8, followed by its index: a
// lone surrogate, which no decoded text can hold. Paths are taken as the
// bytes given, whatever their encoding; a text for the file must be UTF-8.
constexpr QChar kRawArgument(0xDC00);

// The bytes of a path argument as given.
std::string PathBytes(const QString& argument, char* argv[]) {
  if (argument.startsWith(kRawArgument)) return argv[argument.mid(1).toInt()];
  return argument.toUtf8().toStdString();
}

// A signal that ends the run takes the named temporary file with it, then
// ends the program as the signal would have.
void EndBySignal(int signal) {
  pelikan::RemoveNamedTemporaryFile();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

}  // namespace

int main(int argc, char* argv[]) {
  std::signal(SIGINT, EndBySignal);
  std::signal(SIGTERM, EndBySignal);
  QStringList arguments;
  for (int i = 0; i < argc; ++i) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString argument = utf8.decode(QByteArrayView(argv[i]));
    if (utf8.hasError()) argument = kRawArgument + QString::number(i);
    arguments << argument;
  }

  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  for (const FieldOption& option : kFieldOptions) {
    parser.addOption(QCommandLineOption(QString::fromLatin1(option.name), {}, QStringLiteral("TEXT")));
  }
  const QCommandLineOption output_dir_option(QStringLiteral("output-dir"), {}, QStringLiteral("DIR"),
                                             QStringLiteral("."));
  const QCommandLineOption help_option(QStringLiteral("help"));
  const QCommandLineOption version_option(QStringLiteral("version"));
  const QCommandLineOption check_option(QStringLiteral("check"));
  const QCommandLineOption strict_option(QStringLiteral("strict"));
  parser.addOption(output_dir_option);
  parser.addOption(check_option);
  parser.addOption(strict_option);
  parser.addOption(help_option);
  parser.addOption(version_option);

  if (!parser.parse(arguments)) return UsageError(parser.errorText());
  if (parser.isSet(help_option)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (parser.isSet(version_option)) {
    std::fputs(kVersion, stdout);
    return 0;
  }
  const QStringList positional = parser.positionalArguments();
  if (positional.size() != 1) {
    return UsageError(positional.isEmpty() ? QStringLiteral("no LOGFILE given")
                                           : QStringLiteral("only one LOGFILE is taken"));
  }
  const QString log_path = positional.first();

  pelikan::ContestData data;
  QStringList missing;
  for (const FieldOption& option : kFieldOptions) {
    const QString name = QString::fromLatin1(option.name);
    if (parser.isSet(name)) {
      // A text box holds one line; a line break in a value would break the
      // header's lines apart.
      QString value = parser.values(name).constLast();
      if (value.startsWith(kRawArgument)) {
        return UsageError(QStringLiteral("--%1 is not valid UTF-8").arg(name));
      }
      value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
      const std::string typed = pelikan::ToCp1250(value);
      data.*option.field =
          option.text1_index < 0 ? typed : pelikan::TextAfterLeaving(option.text1_index, typed);
    }
    if (option.required && (data.*option.field).empty()) missing << QStringLiteral("--") + name;
  }
  if (!missing.isEmpty()) {
    std::fprintf(stderr, "pelikan-convert: missing contest data: %s\n",
                 missing.join(QStringLiteral(", ")).toLocal8Bit().constData());
    return kExitUsage;
  }

  // Named after the callsign as the field shows it once left, in the file
  // system's encoding.
  const QString callsign = pelikan::FromCp1250(data.Callsign);
  const std::optional<std::string> file_name = pelikan::CabrilloFileName(callsign.toUtf8().toStdString());
  if (!file_name) {
    std::fprintf(stderr, "pelikan-convert: the callsign \"%s\" gives no file name\n",
                 callsign.toLocal8Bit().constData());
    return kExitUsage;
  }

  const std::string log_bytes = PathBytes(log_path, argv);
  const QString log_shown = QFile::decodeName(log_bytes.c_str());
  const pelikan::ConversionResult result =
      parser.isSet(check_option)
          ? pelikan::CheckLog(log_bytes, data)
          : pelikan::ConvertLog(log_bytes, data,
                                std::filesystem::path(PathBytes(parser.value(output_dir_option), argv)) / *file_name);

  PrintLines(stdout, result.result_list);
  const bool output_failed = std::fflush(stdout) != 0 || std::ferror(stdout);
  const int output_error = errno;
  PrintNotes(result, log_shown);
  if (result.failure) {
    std::fprintf(stderr, "pelikan-convert: %s\n", FailureMessage(*result.failure, log_shown).toLocal8Bit().constData());
    return kExitFailed;
  }
  PrintLines(stderr, {result.processed_message});
  if (output_failed) {
    std::fprintf(stderr, "pelikan-convert: %s standard output failed: %s\n",
                 parser.isSet(check_option) ? "the log was checked, but" : "the Cabrillo file was written, but",
                 std::strerror(output_error));
    return kExitOutputFailed;
  }
  return parser.isSet(strict_option) && result.WarningCount() > 0 ? kExitWarnings : 0;
}
