// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_LOG_TEXT_H_
#define PELIKAN_ENGINE_LOG_TEXT_H_

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

// Recognises a log date and returns it as "yyyy-mm-dd". Accepted forms, and
// only for real calendar dates: yyyy-mm-dd, yyyy/mm/dd, dd/mm/yyyy, and
// d.m.yyyy with day and month of one or two digits and an optional final
// dot. Anything else, a time included, is no date.
std::optional<std::string> RecognizeDate(std::string_view text);

// Cuts a byte stream into lines. CR LF, a lone CR and a lone LF each end a
// line; the line end is not part of the line, and the last line needs none.
// The stream may arrive in chunks of any size, a CR LF split between two.
class LineSplitter {
 public:
  template <typename OnLine>
  void Feed(std::string_view chunk, OnLine&& on_line);
  // Hands over a last line that had no line end.
  template <typename OnLine>
  void Finish(OnLine&& on_line);
  // Hands over every line of a whole text, each a view into `text`.
  template <typename OnLine>
  static void ForEachLine(std::string_view text, OnLine&& on_line);

 private:
  // The first CR or LF at or after `start`, or the size of `chunk`. Two
  // memchr calls rather than a loop over bytes: memchr is vectorised.
  static std::size_t LineEnd(std::string_view chunk, std::size_t start);

  std::string pending_;
  bool after_cr_ = false;
};

template <typename OnLine>
void LineSplitter::Feed(std::string_view chunk, OnLine&& on_line) {
  std::size_t start = 0;
  if (after_cr_ && !chunk.empty()) {
    if (chunk.front() == '\n') start = 1;
    after_cr_ = false;
  }
  while (start < chunk.size()) {
    const std::size_t end = LineEnd(chunk, start);
    if (end == chunk.size()) {
      pending_.append(chunk.substr(start));
      return;
    }
    std::string_view line = chunk.substr(start, end - start);
    if (!pending_.empty()) {
      pending_.append(line);
      on_line(std::string_view(pending_));
      pending_.clear();
    } else {
      on_line(line);
    }
    start = end + 1;
    if (chunk[end] == '\r') {
      if (start == chunk.size()) {
        after_cr_ = true;
      } else if (chunk[start] == '\n') {
        ++start;
      }
    }
  }
}

inline std::size_t LineSplitter::LineEnd(std::string_view chunk, std::size_t start) {
  const char* const begin = chunk.data() + start;
  const std::size_t rest = chunk.size() - start;
  const void* lf = std::memchr(begin, '\n', rest);
  const std::size_t to_lf = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - begin) : rest;
  const void* cr = std::memchr(begin, '\r', to_lf);
  return start + (cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - begin) : to_lf);
}

template <typename OnLine>
void LineSplitter::Finish(OnLine&& on_line) {
  if (!pending_.empty()) on_line(std::string_view(pending_));
  pending_.clear();
  after_cr_ = false;
}

template <typename OnLine>
void LineSplitter::ForEachLine(std::string_view text, OnLine&& on_line) {
  LineSplitter splitter;
  splitter.Feed(text, on_line);
  // A last line without a line end is the tail of `text`.
  if (!splitter.pending_.empty()) on_line(text.substr(text.size() - splitter.pending_.size()));
}

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_LOG_TEXT_H_
