// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_CONTACT_LINE_H_
#define PELIKAN_ENGINE_CONTACT_LINE_H_

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/result_list.h"

namespace pelikan {

// Where a log keeps its pieces, fixed by the first line with a report field
// (599 or 59) and kept for the whole run. The columns are positional:
// whatever the neighbours of that first report hold, they are the call, the
// received report and the exchange.
struct ColumnLayout {
  int SentReportColumn = 0;
  int ReceivedReportColumn = 0;
  int MultiplierColumn = 0;
  int CallColumn = 0;
};

// The layout of `fields` when one of them is a report field; nothing
// otherwise.
std::optional<ColumnLayout> DetectLayout(const std::vector<std::string_view>& fields);

// What one contact line settles and the next one may take over: the mode
// and the time stay from one contact to the next when a line yields none.
class ContactSettings {
 public:
  // A date as the file writes it, "yyyy-mm-dd": a fixed size, so that
  // keeping one costs a copy of ten bytes and no string (bench/README.md,
  // "IsoDate").
  using IsoDate = std::array<char, 10>;

  // Settles the mode, the band, the time and the date of the contact line
  // `fields`, which holds at least every column of `layout`. A band
  // beginning with "80" is rewritten to "3500" in `fields`.
  void Settle(std::vector<std::string_view>& fields, const ColumnLayout& layout);

  // "CW", "PH", or empty before any line named a mode.
  std::string_view mode() const { return mode_; }
  // hhmm when the log gave a time in one of its forms; else what it gave.
  const std::string& time() const { return time_; }
  // The date as written: the recognised date, or else the text of the date
  // column as it stands.
  std::string_view WrittenDate(const std::vector<std::string_view>& fields);

 private:
  void SettleMode(const std::vector<std::string_view>& fields, const ColumnLayout& layout);
  void SettleTimeAndDate(const std::vector<std::string_view>& fields, const ColumnLayout& layout);
  void NormaliseTime(const std::vector<std::string_view>& fields, const ColumnLayout& layout);
  const std::optional<IsoDate>& DateOf(std::string_view text);

  std::string_view mode_;
  std::string time_;
  // The field the time was last taken from with its colons dropped.
  std::string_view time_without_colons_from_;
  int date_column_ = 0;
  std::optional<IsoDate> date_;  // the date of this line
  // The last text read as a date and what it gave: a log repeats one or two
  // dates on every line, and reading each anew costs (bench/README.md,
  // "DateOf").
  std::string last_date_text_;
  std::optional<IsoDate> last_date_;
};

// The pieces of a contact as its two lines show them.
struct ContactPieces {
  std::string_view band;
  std::string_view mode;
  std::string_view date;
  std::string_view time;
  std::string_view own_call;  // padded
  std::string_view sent_exchange;
  std::string_view worked_call;      // padded
  std::string_view received_report;  // padded
  std::string_view exchange;
};

// Appends the contact's listing line to `list` and its QSO line, ended by
// CR LF, to `cabrillo`. The sent report follows from the mode: 599 for CW,
// 59 otherwise. The two lines share everything up to the own call; then the
// listing aligns the received report after the call in a column of 13, the
// file keeps at least one blank between them.
void WriteContactLines(const ContactPieces& contact, ResultList& list, std::string& cabrillo);

// `text` padded with blanks to `width`, on the right or on the left; `room`
// holds the padded text when `text` is shorter.
template <std::size_t width>
std::string_view Padded(std::string_view text, std::array<char, width>& room, bool on_the_left);

// Copies `size` bytes, as std::memcpy does. Nearly every piece of a line is
// a few bytes long, and a call to memcpy for each cost more than the copies
// (bench/README.md, "CopyPiece"): up to 16 bytes are moved
// inline, as two overlapping moves of a fixed size, or for up to three as
// the first, middle and last byte. An empty piece may have no data at all,
// and is not touched.
inline void CopyPiece(char* to, const char* from, std::size_t size) {
  // The first and the last sizeof(Word) bytes, which cover `size` bytes from
  // sizeof(Word) to twice that.
  const auto copy_ends = [&](auto word) {
    decltype(word) tail;
    std::memcpy(&word, from, sizeof word);
    std::memcpy(&tail, from + size - sizeof tail, sizeof tail);
    std::memcpy(to, &word, sizeof word);
    std::memcpy(to + size - sizeof tail, &tail, sizeof tail);
  };
  if (size > 16) {
    std::memcpy(to, from, size);
  } else if (size >= 8) {
    copy_ends(std::uint64_t{});
  } else if (size >= 4) {
    copy_ends(std::uint32_t{});
  } else if (size > 0) {
    to[0] = from[0];
    to[size / 2] = from[size / 2];
    to[size - 1] = from[size - 1];
  }
}

template <std::size_t width>
std::string_view Padded(std::string_view text, std::array<char, width>& room, bool on_the_left) {
  if (text.size() >= width) return text;
  room.fill(' ');
  CopyPiece(room.data() + (on_the_left ? width - text.size() : 0), text.data(), text.size());
  return {room.data(), width};
}

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_CONTACT_LINE_H_
