// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/words.h"

#include <array>
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
    }};

}  // namespace

std::string_view WordOf(Word word, Language language) {
  const auto& [slovenian, english] = kWords[static_cast<std::size_t>(word)];
  return language == Language::kEnglish ? english : slovenian;
}

std::string_view LanguageName(Language language) { return language == Language::kEnglish ? "English" : "Slovenščina"; }

}  // namespace pelikan
