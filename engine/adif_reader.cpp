// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/adif_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>

#include "contest/cp1250.h"
#include "engine/log_format.h"
#include "engine/log_text.h"

namespace pelikan {
namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A name's characters (letters, digits and "_") with their letters in lower
// case, and 0 for any other byte: every byte of every name passes here.
constexpr auto kNameCharacters = [] {
  std::array<unsigned char, 256> table{};
  for (int c = 0; c < 256; ++c) {
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (letter || IsDigit(static_cast<char>(c)) || c == '_') {
      table[static_cast<std::size_t>(c)] = static_cast<unsigned char>(letter ? c | 0x20 : c);
    }
  }
  return table;
}();
unsigned char NameCharacter(char c) { return kNameCharacters[static_cast<unsigned char>(c)]; }

// A name of up to 16 characters as two numbers, its letters in one case,
// so that a name is told from the dozen read in two comparisons: an export
// holds a dozen or more fields a record. The bytes are taken eight at a
// time, as they stand (little-endian), and "| 0x20" puts letters in lower
// case: digits have that bit already, and "_" (0x5F) becomes 0x7F, which no
// other character of a name becomes. A longer name is no name read.
struct NameKey {
  std::uint64_t head = 0;  // the first eight characters
  std::uint64_t tail = 0;  // the next eight
  friend constexpr bool operator==(const NameKey&, const NameKey&) = default;
};

// The key of the name of `size` characters at `name`, which must be followed
// by 16 readable bytes or the end of the log at `end`.
NameKey KeyAt(const char* name, std::size_t size, const char* end) {
  if (size > 16) return {};
  std::array<std::uint64_t, 2> words{};
  // Sixteen bytes at once, or byte by byte near the end of the log (and on
  // a big-endian machine): a copy of a size known only at run time is a call.
  if (std::endian::native == std::endian::little && end - name >= 16) {
    std::memcpy(words.data(), name, 16);
  } else {
    for (std::size_t i = 0; i < size; ++i) {
      words[i / 8] |= std::uint64_t{static_cast<unsigned char>(name[i])} << 8 * (i % 8);
    }
  }
  const auto mask = [](std::size_t bytes) {
    return bytes >= 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << 8 * bytes) - 1;
  };
  const std::uint64_t head_mask = mask(size);
  const std::uint64_t tail_mask = size > 8 ? mask(size - 8) : 0;
  constexpr std::uint64_t kLower = 0x2020202020202020u;
  return {(words[0] | kLower) & head_mask, (words[1] | kLower) & tail_mask};
}

constexpr NameKey KeyOf(std::string_view name) {
  NameKey key;
  for (std::size_t i = name.size(); i-- > 0;) {
    std::uint64_t& word = i < 8 ? key.head : key.tail;
    word = word << 8 | (static_cast<unsigned char>(name[i]) | 0x20);
  }
  return key;
}

// The fields of a record that a contact is made of.
enum Field {
  kCall,
  kDate,
  kTime,
  kFreq,
  kBand,
  kMode,
  kRstRcvd,
  kSrxString,
  kSrx,
  kStation,
  kStxString,
  kStx,
  kFields
};
constexpr std::array<NameKey, kFields> kFieldKeys = {
    KeyOf("CALL"),       KeyOf("QSO_DATE"), KeyOf("TIME_ON"),    KeyOf("FREQ"), KeyOf("BAND"),
    KeyOf("MODE"),       KeyOf("RST_RCVD"), KeyOf("SRX_STRING"), KeyOf("SRX"),  KeyOf("STATION_CALLSIGN"),
    KeyOf("STX_STRING"), KeyOf("STX")};
constexpr NameKey kEndOfRecord = KeyOf("EOR");
constexpr NameKey kEndOfHeader = KeyOf("EOH");

Field FieldOf(const NameKey& key) {
  return static_cast<Field>(std::find(kFieldKeys.begin(), kFieldKeys.end(), key) - kFieldKeys.begin());
}

// `value` without the blanks around it (tabs and line breaks are blanks by now).
std::string_view Trimmed(std::string_view value) {
  const std::size_t first = value.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view()
                                         : value.substr(first, value.find_last_not_of(' ') - first + 1);
}

// A tag as it stands in the log: <NAME>, <NAME:LENGTH> or <NAME:LENGTH:TYPE>.
struct Tag {
  NameKey key;
  bool has_length = false;
  std::size_t length = 0;
  std::size_t end = 0;  // just past its ">"
};

// Reads the tag at `at` (a "<") into `tag`; false when it is malformed.
bool ReadTag(std::string_view log, std::size_t at, Tag& tag) {
  const char* const begin = log.data() + at + 1;
  const char* const end = log.data() + log.size();
  const char* p = begin;
  // Names of up to 64 characters; the log's end is looked for only near it.
  for (const char* limit = std::min(end, begin + 64); p < limit && NameCharacter(*p) != 0;) ++p;
  if (p == begin || p == end) return false;
  tag.key = KeyAt(begin, static_cast<std::size_t>(p - begin), end);
  if (*p == ':') {
    const char* const digits = ++p;
    // Nine digits count up to far beyond any log taken.
    for (; p < end && IsDigit(*p) && p - digits < 9; ++p)
      tag.length = tag.length * 10 + static_cast<std::size_t>(*p - '0');
    if (p == digits || p == end) return false;
    tag.has_length = true;
    if (*p == ':') {
      const char* const type = ++p;
      while (p < end && NameCharacter(*p) != 0 && p - type < 8) ++p;
      if (p == type || p == end) return false;
    }
  }
  if (*p != '>') return false;
  tag.end = static_cast<std::size_t>(p + 1 - log.data());
  return true;
}

// Whether a tag starts at `at`: "<", a name, and ":" or ">".
bool TagStartsAt(std::string_view log, std::size_t at) {
  std::size_t i = at + 1;
  while (i < log.size() && NameCharacter(log[i]) != 0) ++i;
  return i > at + 1 && i < log.size() && (log[i] == ':' || log[i] == '>');
}

class AdifReader {
 public:
  AdifReader(std::string_view log, bool utf8, std::size_t stop_after, NoteList& notes)
      : log_(log), utf8_(utf8), stop_after_(stop_after), notes_(notes), lines_(log) {}

  RecordLog Read();

 private:
  // Takes the value of the field `tag` (at `tag_at`); returns where the
  // next tag starts.
  std::size_t FieldRead(const Tag& tag, std::size_t tag_at);
  // The first "<" from `from` on, or the end of the log.
  std::size_t NextTag(std::size_t from) const;
  void EndRecord(std::size_t end);
  // The value as the entry takes it: without blanks around it, Windows-1250,
  // on one line. A value may run over lines, and a line break taken into
  // the entry would split its QSO line in two.
  std::string_view Taken(std::string_view value) {
    if (value.empty()) return value;
    if (utf8_ && SkipAscii(value, 0) != value.size()) value = Recoded(value);
    if (std::any_of(value.begin(), value.end(), IsControl)) value = OnOneLine(value);
    return Trimmed(value);
  }
  static bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7f'; }
  std::string_view Recoded(std::string_view utf8);
  std::string_view OnOneLine(std::string_view value);
  void Warn(NoteKind kind, std::size_t at, std::string_view text, unsigned pieces = 0);

  std::string_view log_;
  bool utf8_;
  std::size_t stop_after_;
  NoteList& notes_;
  LineCounter lines_;
  RecordLog out_;
  std::array<std::string_view, kFields> fields_{};
  std::size_t record_start_ = std::string_view::npos;  // where the record's first field stands
  std::uint64_t last_when_ = 0;
};

RecordLog AdifReader::Read() {
  // Room for the contacts at once, from the log's size: growing copies them
  // all each time. A record takes a hundred bytes and more.
  out_.records.reserve(std::min(stop_after_ + 1, log_.size() / 100));
  std::size_t at = 0;
  const std::size_t first = log_.find_first_not_of(" \t\r\n");
  if (first != std::string_view::npos && log_[first] != '<') {
    // A header of free text, which may hold anything but its end tag.
    at = log_.size();
    for (std::size_t lt = log_.find('<'); lt != std::string_view::npos; lt = log_.find('<', lt + 1)) {
      if (StartsWithNoCase(log_.substr(lt), "<EOH>")) {
        at = lt + 5;
        break;
      }
    }
  }
  for (std::size_t lt = NextTag(at); lt < log_.size() && out_.records.size() <= stop_after_;) {
    Tag tag;
    if (!ReadTag(log_, lt, tag)) {
      Warn(NoteKind::kMalformedTag, lt, log_.substr(lt, std::min<std::size_t>(log_.find('>', lt) - lt + 1, 40)));
      lt = NextTag(lt + 1);
    } else if (tag.has_length) {
      if (record_start_ == std::string_view::npos) record_start_ = lt;
      lt = FieldRead(tag, lt);
    } else {
      if (tag.key == kEndOfRecord) {
        EndRecord(tag.end);
      } else if (tag.key == kEndOfHeader) {
        fields_ = {};  // a header of fields
        record_start_ = std::string_view::npos;
      } else {
        Warn(NoteKind::kMalformedTag, lt, log_.substr(lt, std::min<std::size_t>(tag.end - lt, 40)));
      }
      lt = NextTag(tag.end);
    }
  }
  // A last record that the log does not end with <EOR>.
  if (record_start_ != std::string_view::npos && out_.records.size() <= stop_after_) EndRecord(log_.size());
  return std::move(out_);
}

std::size_t AdifReader::NextTag(std::size_t from) const {
  const void* found = std::memchr(log_.data() + from, '<', log_.size() - from);
  return found ? static_cast<std::size_t>(static_cast<const char*>(found) - log_.data()) : log_.size();
}

std::size_t AdifReader::FieldRead(const Tag& tag, std::size_t tag_at) {
  const std::size_t start = tag.end;
  bool runs_over = tag.length > log_.size() - start;
  const std::size_t end = runs_over ? log_.size() : start + tag.length;
  // The next "<" after the value is where the next tag starts; one inside
  // it that starts a tag means a miscounted length: the value stops there,
  // and the next tag is read all the same.
  std::size_t next = NextTag(start);
  for (; next < end; next = NextTag(next + 1)) {
    if (TagStartsAt(log_, next)) {
      runs_over = true;
      break;
    }
  }
  if (runs_over) Warn(NoteKind::kLengthRunsOver, tag_at, log_.substr(tag_at, tag.end - tag_at));
  if (const Field field = FieldOf(tag.key); field != kFields) {
    fields_[field] = {log_.data() + start, std::min(next, end) - start};
  }
  return next;
}

void AdifReader::Warn(NoteKind kind, std::size_t at, std::string_view text, unsigned pieces) {
  notes_.Add(kind, lines_.LineAt(at), text, pieces);
}

std::string_view AdifReader::Recoded(std::string_view value) {
  std::string& recoded = out_.recoded.emplace_back();
  while (!value.empty()) {
    const std::size_t length = Utf8SequenceLength(value);
    if (length == 0) {
      recoded += '?';
      value.remove_prefix(1);
    } else {
      recoded += Utf8AsCp1250(value.substr(0, length)).value_or("?");
      value.remove_prefix(length);
    }
  }
  return recoded;
}

std::string_view AdifReader::OnOneLine(std::string_view value) {
  std::string& line = out_.recoded.emplace_back(value);
  std::replace_if(line.begin(), line.end(), IsControl, ' ');
  return line;
}

void AdifReader::EndRecord(std::size_t end) {
  const std::size_t start = std::exchange(record_start_, std::string_view::npos);
  if (start == std::string_view::npos) return;  // <EOR> with no field before it
  const std::array<std::string_view, kFields>& f = fields_;
  struct Clear {
    std::array<std::string_view, kFields>& fields;
    ~Clear() { fields = {}; }
  } clear{fields_};
  LogRecord r;
  r.offset = start;
  r.text = {log_.data() + start, end - start};

  // Band and mode first: another band's record need not be complete.
  bool beyond = false;
  bool on_the_band = true;
  if (const std::string_view freq = Taken(f[kFreq]); (r.khz = KhzOfMhz(freq, beyond)) != 0) {
    on_the_band = OnTheBand(r.khz, beyond);
  } else if (const std::string_view band = Taken(f[kBand]); EqualsNoCase(band, "80M")) {
    r.khz = kBandLowKhz;
  } else {
    on_the_band = band.empty();
    r.frequency = freq;
  }
  const std::string_view mode = Taken(f[kMode]);
  if (EqualsNoCase(mode, "CW")) {
    r.mode = "CW";
  } else if (EqualsNoCase(mode, "SSB") || EqualsNoCase(mode, "USB") || EqualsNoCase(mode, "LSB")) {
    r.mode = "PH";
  }
  if (!on_the_band || (!mode.empty() && r.mode.empty())) {
    ++out_.left_out;
    return;
  }

  r.worked_call = Taken(f[kCall]);
  r.date = Taken(f[kDate]);
  r.time = Taken(f[kTime]);
  r.exchange = Taken(f[kSrxString]);
  if (r.exchange.empty()) r.exchange = Taken(f[kSrx]);
  unsigned missing = 0;
  if (r.worked_call.empty()) missing |= kQsoWorkedCall;
  if (r.date.empty()) missing |= kQsoDate;
  if (r.time.empty()) missing |= kQsoTime;
  if (r.mode.empty()) missing |= kQsoMode;
  if (r.exchange.empty()) missing |= kQsoExchange;
  if (missing != 0) {
    Warn(NoteKind::kRecordIncomplete, start, r.text, missing);
    return;
  }
  r.received_report = Taken(f[kRstRcvd]);
  r.own_call = Taken(f[kStation]);
  r.sent_exchange = Taken(f[kStxString]);
  if (r.sent_exchange.empty()) r.sent_exchange = Taken(f[kStx]);

  r.compact_date = r.date.size() == 8 && IsDigits(r.date);
  const bool whole_time = (r.time.size() == 4 || r.time.size() == 6) && IsDigits(r.time);
  if (r.compact_date && whole_time) {
    r.when = DecimalValue(r.date) * 1000000 + DecimalValue(r.time) * (r.time.size() == 4 ? 100 : 1);
    last_when_ = r.when;
  } else {
    r.when = last_when_;
  }
  if (whole_time) r.time = r.time.substr(0, 4);
  out_.records.push_back(r);
}

}  // namespace

RecordLog ReadAdif(std::string_view log, bool utf8, std::size_t stop_after, NoteList& notes) {
  return AdifReader(log, utf8, stop_after, notes).Read();
}

std::uint32_t KhzOfMhz(std::string_view mhz, bool& beyond) {
  beyond = false;
  const std::size_t point = std::min(mhz.find('.'), mhz.size());
  const std::string_view whole = mhz.substr(0, point);
  const std::string_view fraction = mhz.substr(std::min(point + 1, mhz.size()));
  // Up to 999 MHz: the contest's band is far below, and the kHz must fit.
  if (whole.empty() || whole.size() > 3 || !IsDigits(whole) || !IsDigits(fraction)) return 0;
  if (point < mhz.size() && fraction.empty()) return 0;
  std::uint32_t khz = static_cast<std::uint32_t>(DecimalValue(whole));
  for (std::size_t i = 0; i < 3; ++i) {
    khz = khz * 10 + (i < fraction.size() ? static_cast<std::uint32_t>(fraction[i] - '0') : 0);
  }
  beyond = fraction.size() > 3 && fraction.substr(3).find_first_not_of('0') != std::string_view::npos;
  return khz;
}

}  // namespace pelikan
