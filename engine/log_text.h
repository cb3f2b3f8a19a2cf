#ifndef PELIKAN_ENGINE_LOG_TEXT_H_
#define PELIKAN_ENGINE_LOG_TEXT_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelikan {

// Normalises a candidate contact line into `out` in one pass: every tab
// becomes a blank, the blanks at both ends go, and every run of two or more
// blanks becomes one. Other characters are copied unchanged.
void CollapseSpaces(std::string_view line, std::string& out);

// Splits a normalised contact line into fields. Every blank and every
// apostrophe is a separator of its own, so two separators side by side
// yield an empty field between them; empty fields are kept. The empty line
// yields no fields at all. The strings already in `fields` are reused.
void SplitFields(std::string_view line, std::vector<std::string>& fields);

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

 private:
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
    std::size_t end = start;
    while (end < chunk.size() && chunk[end] != '\r' && chunk[end] != '\n') ++end;
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

template <typename OnLine>
void LineSplitter::Finish(OnLine&& on_line) {
  if (!pending_.empty()) on_line(std::string_view(pending_));
  pending_.clear();
  after_cr_ = false;
}

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_LOG_TEXT_H_
