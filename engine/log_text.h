// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_LOG_TEXT_H_
#define PELIKAN_ENGINE_LOG_TEXT_H_

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelikan {

// Splits a candidate contact line into fields, views into `line`. A tab
// counts as a blank; blanks at both ends are ignored and a run of blanks is
// one separator; every apostrophe is a separator of its own, so an
// apostrophe beside a blank or another apostrophe yields an empty field
// between them. Empty fields are kept. A line of blanks yields no fields.
void SplitFields(std::string_view line, std::vector<std::string_view>& fields);

// Whether `text` is digits only (the empty text is), and the value of such
// a text of up to 19 digits.
inline bool IsDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}
inline std::uint64_t DecimalValue(std::string_view digits) {
  std::uint64_t value = 0;
  for (const char c : digits) value = value * 10 + static_cast<std::uint64_t>(c - '0');
  return value;
}

// Splits `text` at runs of blanks and tabs into its items, views into it;
// blanks at both ends are ignored. Unlike SplitFields, an apostrophe is part
// of an item: a Cabrillo line separates by blanks only.
void SplitItems(std::string_view text, std::vector<std::string_view>& items);

// The line of `text` that holds a byte, counted as ForEachLine ends lines,
// for readers that move through a log by its tags rather than its lines.
// The bytes asked for must not go back; each byte is looked at once.
class LineCounter {
 public:
  explicit LineCounter(std::string_view text) : text_(text) {}
  // The line, from 1, of the byte at `offset`.
  int LineAt(std::size_t offset);

 private:
  std::string_view text_;
  std::size_t at_ = 0;
  int line_ = 1;
};

// Recognises a log date and returns it as "yyyy-mm-dd". Accepted forms, and
// only for real calendar dates: yyyy-mm-dd, yyyy/mm/dd, dd/mm/yyyy, and
// d.m.yyyy with day and month of one or two digits and an optional final
// dot. Anything else, a time included, is no date.
std::optional<std::string> RecognizeDate(std::string_view text);

// The entries of a category list file as read: Windows-1250 text, or UTF-8
// by the same rule as a log (Utf8LogAsCp1250), one entry per line, ended as
// a log's lines are. Every line is an entry exactly as it stands: blanks
// stay, an empty line gives an empty entry, order and duplicates are kept.
// The entries are Windows-1250.
std::vector<std::string> ListFileEntries(std::string_view bytes);

// Calls `on_line` with every line of `text`, each a view into it. CR LF, a
// lone CR and a lone LF each end a line; the line end is not part of the
// line, and the last line needs none.
template <typename OnLine>
void ForEachLine(std::string_view text, OnLine&& on_line) {
  // memchr (find is memchr too) rather than a loop over bytes, which cost
  // more (bench/README.md, "ForEachLine"): memchr is vectorised. The
  // next LF is kept until the lines pass it, so that every byte is searched
  // once: looked for from every line, it would read a log of lone CRs to
  // its end once per line, hours for a large one.
  const auto next_lf = [text](std::size_t from) { return std::min(text.find('\n', from), text.size()); };
  for (std::size_t start = 0, lf = next_lf(0); start < text.size();) {
    if (lf < start) lf = next_lf(start);
    const void* cr = std::memchr(text.data() + start, '\r', lf - start);
    const std::size_t end = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - text.data()) : lf;
    on_line(text.substr(start, end - start));
    if (end == text.size()) return;
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
}

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_LOG_TEXT_H_
