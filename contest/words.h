// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_CONTEST_WORDS_H_
#define PELIKAN_CONTEST_WORDS_H_

#include <string_view>

namespace pelikan {

// The languages the interface speaks. Slovenian is the original; the entry
// file and the result list are the same in both.
enum class Language { kSlovenian, kEnglish };

// The words of the window and the page that are not messages (those are in
// engine/messages.h) nor the fields' own (contest/fields.h): titles,
// captions and button texts. "&" marks the window's shortcut letter, which
// the page drops.
enum class Word {
  kProgram,              // the program's name, the title of its boxes
  kWindowTitle,          // the window's title
  kFrame,                // the caption of the contest data frame
  kRequiredLegend,       // what the star after a caption means
  kMake,                 // the make button before its run
  kExit,                 // the make button after it, in the window
  kNextLog,              // the make button after the run, on the page
  kClearForm,            // the page's button for a fresh form
  kPrint,                // the print button
  kSaveAs,               // the page's button that asks where to save
  kOpen,                 // the title of the file dialog
  kLogFiles,             // the file dialog's filter for logs
  kAllFiles,             // the file dialog's filter for every file
  kEntryFiles,           // the file dialog's filter for earlier entries
  kOk,                   // closes a message
  kGoOn,                 // goes on after a warning
  kGoBack,               // goes back to correct
  kDetails,              // opens a message's details
  kClose,                // closes the viewer
  kOpenInEditor,         // the viewer's button to the desktop's editor
  kOpenInEditorTip,      // its tip
  kLoadCategoryList,     // the page's button for one's own category list
  kLoadOverlayList,      // the same for the overlay list
  kResultList,           // the name of the result list
  kError,                // the name of a box that says why a run failed
  kWarning,              // the name of a box that warns
  kLanguage,             // the name of the page's language switch
  kNeedsScript,          // the page without JavaScript
  kLoadEarlierEntry,     // the button that fills the form from an earlier .cbr
  kLoadEarlierEntryTip,  // its tip
  kWordCount,
};

// `word` in `language`.
std::string_view WordOf(Word word, Language language);

// The language's own name, as its switch shows it: "Slovenščina", "English".
std::string_view LanguageName(Language language);

// The window's language from the locale variables LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG, in that order: the first one set decides (of
// LANGUAGE's list, its first entry). English when it names a language other
// than Slovenian; Slovenian otherwise, "C", "POSIX" and nothing set included.
Language LanguageOfLocale(std::string_view language, std::string_view lc_all, std::string_view lc_messages,
                          std::string_view lang);

}  // namespace pelikan

#endif  // PELIKAN_CONTEST_WORDS_H_
