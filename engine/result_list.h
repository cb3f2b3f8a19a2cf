// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_RESULT_LIST_H_
#define PELIKAN_ENGINE_RESULT_LIST_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pelikan {

// The lines of a result list, kept back to back in one text. A conversion
// adds a line for every contact, and a string for each cost an allocation
// and a release each (bench/README.md, "ResultList as one text").
class ResultList {
 public:
  // Reads the lines as views, first to last.
  class const_iterator {
   public:
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;

    const_iterator(const ResultList* list, std::size_t index) : list_(list), index_(index) {}
    std::string_view operator*() const { return (*list_)[index_]; }
    const_iterator& operator++() {
      ++index_;
      return *this;
    }
    bool operator==(const const_iterator& other) const { return index_ == other.index_; }

   private:
    const ResultList* list_;
    std::size_t index_;
  };

  std::size_t size() const { return ends_.size(); }
  std::string_view operator[](std::size_t i) const {
    const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(text_).substr(begin, ends_[i] - begin);
  }
  std::string_view back() const { return (*this)[size() - 1]; }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size()}; }

  void push_back(std::string_view line) {
    text_.append(line);
    ends_.push_back(text_.size());
  }
  // Adds a line of `length` blanks and returns its start, for the caller to
  // write the line in place.
  char* AddBlankLine(std::size_t length) {
    const std::size_t start = text_.size();
    text_.append(length, ' ');
    ends_.push_back(text_.size());
    return text_.data() + start;
  }
  // Makes room for `lines` lines of `bytes` bytes in all.
  void Reserve(std::size_t lines, std::size_t bytes) {
    ends_.reserve(lines);
    text_.reserve(bytes);
  }

  bool operator==(const ResultList&) const = default;

 private:
  std::string text_;
  std::vector<std::size_t> ends_;  // where each line ends in text_
};

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_RESULT_LIST_H_
