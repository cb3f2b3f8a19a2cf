// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/words.h"

#include <array>
#include <initializer_list>
#include <utility>

namespace pelikan {
namespace {

// Each word in Slovenian and in English, in the order of Word.
constexpr std::array<std::pair<std::string_view, std::string_view>, static_cast<std::size_t>(Word::kWordCount)> kWords =
    {{
        {"Pelikan", "Pelikan"},
        {"Pelikan Write by QAZMIX 07", "Pelikan Write by QAZMIX 07"},
        {"Podatki o tekmovanju", "Contest data"},
        {"Podatki z zvezdico (*) morajo biti v prijavi; ime tekmovanja je že vpisano.",
         "The data marked with a star (*) must be in the entry; the contest's name is filled in for you."},
        {"Izdelaj CBR", "Make CBR"},
        {"KONEC", "End"},
        {"Naslednji dnevnik", "Next log"},
        {"Počisti obrazec", "Clear form"},
        {"Tiskaj", "Print"},
        {"Shrani kot …", "Save as …"},
        {"Odpri", "Open"},
        {"Dnevniki (*.txt *.log *.adi *.adif *.cbr)", "Logs (*.txt *.log *.adi *.adif *.cbr)"},
        {"Vse datoteke (*)", "All files (*)"},
        {"Prijave CBR (*.cbr *.log *.txt)", "CBR entries (*.cbr *.log *.txt)"},
        {"V redu", "OK"},
        {"Nadaljuj", "Go on"},
        {"Popravi", "Correct"},
        {"Podrobnosti", "Details"},
        {"Zapri", "Close"},
        {"Odpri v &urejevalniku", "Open in &editor"},
        {"Odpre datoteko v urejevalniku besedil namizja. Datoteka je zapisana v kodni tabeli Windows-1250: "
         "urejevalnik jo mora brati v njej, sicer pokaže napačne črke.",
         "Opens the file in the desktop's text editor. The file is written in the Windows-1250 code page: the "
         "editor must read it as such, or it shows wrong letters."},
        {"Naloži seznam kategorij …", "Load a category list …"},
        {"Naloži seznam overlay …", "Load an overlay list …"},
        {"Seznam", "List"},
        {"Napaka", "Error"},
        {"Opozorilo", "Warning"},
        {"Jezik", "Language"},
        {"Pelikan potrebuje JavaScript.", "Pelikan needs JavaScript."},
        {"Naloži podatke iz prejšnje datoteke CBR", "Load the data from an earlier CBR file"},
        {"Izpolni polja s podatki o postaji iz glave lanske prijave (datoteke CBR). Program sam ne shrani ničesar.",
         "Fills the fields with the station data from the header of last year's entry (a CBR file). The program "
         "itself stores nothing."},
    }};

}  // namespace

std::string_view WordOf(Word word, Language language) {
  const auto& [slovenian, english] = kWords[static_cast<std::size_t>(word)];
  return language == Language::kEnglish ? english : slovenian;
}

Language LanguageOfLocale(std::string_view language, std::string_view lc_all, std::string_view lc_messages,
                          std::string_view lang) {
  for (std::string_view locale : {language, lc_all, lc_messages, lang}) {
    locale = locale.substr(0, locale.find(':'));
    if (locale.empty()) continue;
    // "sl_SI.UTF-8@euro" names the language "sl".
    const std::string_view name = locale.substr(0, locale.find_first_of("_.@"));
    return name == "sl" || name == "C" || name == "POSIX" ? Language::kSlovenian : Language::kEnglish;
  }
  return Language::kSlovenian;
}

std::string_view LanguageName(Language language) { return language == Language::kEnglish ? "English" : "Slovenščina"; }

}  // namespace pelikan
