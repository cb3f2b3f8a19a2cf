<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Slovenian for the texts of Qt's own dialogs and menus that the window
     shows: file and print dialogs, message boxes, context menus. Debian's
     qt_sl lacks Qt 6's texts, so we carry our own; lrelease compiles this
     file in the build. Some of the texts are those of Qt's own Slovenian
     translation, which Qt's licences cover. -->
<TS version="2.1" language="sl_SI">
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Mapa ni bila najdena.
Preverite, ali je bilo podano pravilno ime mape.</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Datoteka ni bila najdena.
Preverite, ali je bilo podano pravilno ime datoteke.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 že obstaja.
Ali jo želite nadomestiti?</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Izberi</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Izbriši</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Nova mapa</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Odpri</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Preimenuj</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Shrani</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>»%1« je zaščitena pred pisanjem.
Ali jo kljub temu želite izbrisati?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Vse datoteke (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Vse datoteke (*)</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Ali ste prepričani, da želite izbrisati »%1«?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazaj</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Preklopi v način prikaza podrobnosti</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Preklopi v način prikaza seznama</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Mape ni bilo mogoče izbrisati.</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Ustvari novo mapo</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Ustvari novo mapo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Podrobnosti</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Mape</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Mapa:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Ime &amp;datoteke:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Datoteke</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Datoteke vrste:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Najdi mapo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Naprej</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Pojdi nazaj</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Pojdi naprej</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Pojdi v nadrejeno mapo</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Seznam mest in zaznamkov</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Seznam</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Išči v:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova mapa</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Odpri</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Nadrejena mapa</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Nedavna mesta</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odstrani</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Shrani kot</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Prikaži </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Prikaži &amp;skrite datoteke</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Stranska vrstica</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>Računalnik</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Datum spremembe</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Vrsta</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Moj računalnik</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velikost</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Vrsta</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 že obstaja.
Ali jo želite prepisati?</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 nima pravilne oblike. Strani in obsege ločite z »,«, obsege določite z »-« in pazite, da se obsegi med seboj ne prekrivajo.</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 je mapa.
Izberite drugo ime datoteke.</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Možnosti «</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Možnosti »</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Na&amp;tisni</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Vse strani</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Od spodaj navzgor, od leve proti desni</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Od spodaj navzgor, od desne proti levi</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Spori v nastavitvah dvostranskega tiskanja</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Sode strani</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>V datoteko %1 ni mogoče pisati.
Izberite drugo ime datoteke.</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Neveljavna določitev strani</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Od leve proti desni, od spodaj navzgor</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Od leve proti desni, od zgoraj navzdol</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Krajevna datoteka</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Lihe strani</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>Možnosti »Strani na list« in »Nabor strani« ni mogoče uporabiti hkrati.
Izklopite eno od njiju.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Natisni</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Natisni v datoteko (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Natisni v datoteko ...</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Od desne proti levi, od spodaj navzgor</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Od desne proti levi, od zgoraj navzdol</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>Vrednost »Od« ne more biti večja od vrednosti »Do«.</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Nastavitve dvostranskega tiskanja so v sporu. Ali jih želite popraviti?</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Od zgoraj navzdol, od leve proti desni</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Od zgoraj navzdol, od desne proti levi</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Zapiši datoteko PDF</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Napredno</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Obrazec</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Stran</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Nekatere možnosti so v sporu. Popravite jih.</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Spori v naprednih možnostih</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Možnosti posla</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Spori v nastavitvah strani</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Lastnosti tiskalnika</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Nastavitve strani so v sporu. Ali jih želite popraviti?</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Nekatere napredne možnosti so v sporu. Ali jih želite popraviti?</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Collate</source>
        <translation>Razvrsti po izvodih</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Barvno</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Barvni način</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Izvodi</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Izvodi:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Trenutna stran</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Dvostransko tiskanje</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Obrazec</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Sivinsko</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Vezava po daljši stranici</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Izklopljeno</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Nastavitve izpisa</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Nabor strani:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strani</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Strani od</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Natisni vse</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Obseg tiskanja</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Obratni vrstni red</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Izbor</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Vezava po krajši stranici</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Vnesite strani ali obsege, ločene z vejicami. Obseg sta dve števili, ločeni z vezajem. Npr. 3,5-7,9 natisne strani 3, 5, 6, 7 in 9.</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Ime:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Obrazec</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lokacija:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>Izhodna d&amp;atoteka:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Lastnosti</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Predogled</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Tiskalnik</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Vrsta:</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>bottom margin</source>
        <translation>spodnji rob</translation>
    </message>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Po meri</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Obrazec</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Višina:</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Palci (in)</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Ležeče</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>levi rob</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Robovi</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimetri (mm)</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Usmerjenost</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Postavitev strani</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Vrstni red strani:</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Velikost papirja:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Strani na list:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papir</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Vir papirja:</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pica (P̸)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Točke (pt)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Pokončno</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Obrnjeno ležeče</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Obrnjeno pokončno</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>desni rob</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>zgornji rob</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Širina:</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Banner Pages</source>
        <translation>Naslovne strani</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Podatki za obračun:</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Označeno kot tajno</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Zaupno</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Podnevi (od 06:00 do 17:59)</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Konec:</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Zadrži za nedoločen čas</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Posel</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Nadzor posla</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Prednost posla:</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Ponoči (od 18:00 do 05:59)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brez</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Natisni takoj</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Čas tiskanja:</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Druga izmena (od 16:00 do 23:59)</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Tajno</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Ob določenem času</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Običajno</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Začetek:</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Tretja izmena (od 00:00 do 07:59)</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Strogo tajno</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Ni tajno</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Konec tedna (od sobote do nedelje)</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 in</translation>
    </message>
    <message>
        <source>A0</source>
        <translation>A0</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A10</source>
        <translation>A10</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A3 Extra</source>
        <translation>A3 Extra</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 Extra</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translation>A4 Plus</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 Small</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>A5 Extra</source>
        <translation>A5 Extra</translation>
    </message>
    <message>
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>A7</source>
        <translation>A7</translation>
    </message>
    <message>
        <source>A8</source>
        <translation>A8</translation>
    </message>
    <message>
        <source>A9</source>
        <translation>A9</translation>
    </message>
    <message>
        <source>ANSI C</source>
        <translation>ANSI C</translation>
    </message>
    <message>
        <source>ANSI D</source>
        <translation>ANSI D</translation>
    </message>
    <message>
        <source>ANSI E</source>
        <translation>ANSI E</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>Architect A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>Architect B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>Architect C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Architect D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>Architect E</translation>
    </message>
    <message>
        <source>B0</source>
        <translation>B0</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B10</source>
        <translation>B10</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>B3</translation>
    </message>
    <message>
        <source>B4</source>
        <translation>B4</translation>
    </message>
    <message>
        <source>B5</source>
        <translation>B5</translation>
    </message>
    <message>
        <source>B5 Extra</source>
        <translation>B5 Extra</translation>
    </message>
    <message>
        <source>B6</source>
        <translation>B6</translation>
    </message>
    <message>
        <source>B7</source>
        <translation>B7</translation>
    </message>
    <message>
        <source>B8</source>
        <translation>B8</translation>
    </message>
    <message>
        <source>B9</source>
        <translation>B9</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Po meri</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>Po meri (%1CC x %2CC)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>Po meri (%1DD x %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Po meri (%1in x %2in)</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>Po meri (%1mm x %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>Po meri (%1pc x %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>Po meri (%1pt x %2pt)</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Dvojna razglednica</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Kuverta B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Kuverta B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Kuverta B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Kuverta C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Kuverta C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Kuverta C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Kuverta C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Kuverta C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Kuverta C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Kuverta C6</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Kuverta C65</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Kuverta C7</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Kuverta Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Kuverta Chou 4</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Kuverta DL</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>Kuverta za vabila</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>Italijanska kuverta</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Kuverta Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Kuverta Kaku 3</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>Kuverta Monarch</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>Osebna kuverta</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Kuverta PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Kuverta PRC 10</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Kuverta PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Kuverta PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Kuverta PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Kuverta PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Kuverta PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Kuverta PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Kuverta PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Kuverta PRC 9</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Kuverta US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Kuverta US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Kuverta US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Kuverta US 14</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Kuverta US 9</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>Kuverta You 4</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7,25 x 10,5 in)</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7,5 x 10 in)</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Nemški neskončni papir (8,5 x 12 in)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Nemški neskončni papir Legal (8,5 x 13 in)</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>Ameriški neskončni papir (14,875 x 11 in)</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (8,27 x 13 in)</translation>
    </message>
    <message>
        <source>JIS B0</source>
        <translation>JIS B0</translation>
    </message>
    <message>
        <source>JIS B1</source>
        <translation>JIS B1</translation>
    </message>
    <message>
        <source>JIS B10</source>
        <translation>JIS B10</translation>
    </message>
    <message>
        <source>JIS B2</source>
        <translation>JIS B2</translation>
    </message>
    <message>
        <source>JIS B3</source>
        <translation>JIS B3</translation>
    </message>
    <message>
        <source>JIS B4</source>
        <translation>JIS B4</translation>
    </message>
    <message>
        <source>JIS B5</source>
        <translation>JIS B5</translation>
    </message>
    <message>
        <source>JIS B6</source>
        <translation>JIS B6</translation>
    </message>
    <message>
        <source>JIS B7</source>
        <translation>JIS B7</translation>
    </message>
    <message>
        <source>JIS B8</source>
        <translation>JIS B8</translation>
    </message>
    <message>
        <source>JIS B9</source>
        <translation>JIS B9</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>Ledger / ANSI B</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal Extra</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>Letter / ANSI A</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translation>Letter Extra</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>Letter Plus</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translation>Letter Small</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Razglednica</translation>
    </message>
    <message>
        <source>PRC 16K</source>
        <translation>PRC 16K</translation>
    </message>
    <message>
        <source>PRC 32K</source>
        <translation>PRC 32K</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translation>PRC 32K Big</translation>
    </message>
    <message>
        <source>Quarto</source>
        <translation>Quarto</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Super A</source>
        <translation>Super A</translation>
    </message>
    <message>
        <source>Super B</source>
        <translation>Super B</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>Tabloid / ANSI B</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translation>Tabloid Extra</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Izvozi v PDF</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Prva stran</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Prilagodi strani</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Prilagodi širini</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Ležeče</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Zadnja stran</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Naslednja stran</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Nastavitve strani</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Nastavitve strani</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Pokončno</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Prejšnja stran</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Natisni</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Predogled tiskanja</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>Prikaži dve strani</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>Prikaži ogled vseh strani</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>Prikaži eno stran</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Povečaj</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zmanjšaj</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;O Qt&lt;/h3&gt;&lt;p&gt;Ta program uporablja Qt različice %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt je zbirka orodij C++ za razvoj programov, ki tečejo na več platformah.&lt;/p&gt;&lt;p&gt;Qt omogoča, da ista izvorna koda deluje v vseh večjih namiznih operacijskih sistemih. Na voljo je tudi za vgrajeni Linux ter druge vgrajene in mobilne operacijske sisteme.&lt;/p&gt;&lt;p&gt;Qt je na voljo pod več licencami, ki ustrezajo potrebam različnih uporabnikov.&lt;/p&gt;&lt;p&gt;Qt pod našo komercialno licenčno pogodbo je primeren za razvoj lastniške/komercialne programske opreme, kadar izvorne kode ne želite deliti s tretjimi osebami ali pa ne morete izpolniti pogojev licence GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt pod licenco GNU (L)GPL je primeren za razvoj programov s&amp;nbsp;Qt, če lahko izpolnite določila in pogoje ustreznih licenc.&lt;/p&gt;&lt;p&gt;Pregled licenciranja Qt najdete na &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd in drugi sodelavci.&lt;/p&gt;&lt;p&gt;Qt in logotip Qt sta blagovni znamki podjetja The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt je izdelek podjetja The Qt Company Ltd, razvit kot odprtokodni projekt. Več informacij najdete na &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>O Qt</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Skrij podrobnosti ...</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>Prikaži podrobnosti ...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Prekini</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uveljavi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zapri</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Zavrzi</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoč</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Prezri</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;e za vse</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Odpri</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ponastavi</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Obnovi privzeto</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Poskusi znova</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Shrani</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Shrani vse</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da za &amp;vse</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Pri&amp;lepi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Uveljavi znova</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Razveljavi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Izreži</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izberi vse</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Pri&amp;lepi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Uveljavi znova</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Razveljavi</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopiraj &amp;mesto povezave</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Izreži</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izberi vse</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>Izberi &amp;vse</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>Korak &amp;gor</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>Korak &amp;dol</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Bottom</source>
        <translation>Dno</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Levi rob</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Za stran dol</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Za stran levo</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Za stran desno</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Za stran gor</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Desni rob</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Premakni dol</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>Premakni sem</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Premakni levo</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Premakni desno</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Premakni gor</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Vrh</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Prekliči</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zapri</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;V redu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Shrani</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Zapri brez shranjevanja</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>What&apos;s This?</source>
        <translation>Kaj je to?</translation>
    </message>
</context>
<context>
    <name>QErrorMessage</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;V redu</translation>
    </message>
    <message>
        <source>&amp;Show this message again</source>
        <translation>&amp;Znova prikaži to sporočilo</translation>
    </message>
    <message>
        <source>Critical Error:</source>
        <translation>Kritična napaka:</translation>
    </message>
    <message>
        <source>Debug Message:</source>
        <translation>Sporočilo razhroščevanja:</translation>
    </message>
    <message>
        <source>Fatal Error:</source>
        <translation>Usodna napaka:</translation>
    </message>
    <message>
        <source>Information:</source>
        <translation>Obvestilo:</translation>
    </message>
    <message>
        <source>Warning:</source>
        <translation>Opozorilo:</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Vračalka</translation>
    </message>
    <message>
        <source>Backtab</source>
        <translation>Tabulator nazaj</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>CapsLock</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Počisti</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Dol</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>F%1</source>
        <translation>F%1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoč</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Začetek</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Vstavi</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Levo</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Meni</translation>
    </message>
    <message>
        <source>Meta</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>NumLock</source>
        <translation>NumLock</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Za stran dol</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Za stran gor</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Premor</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>PgDown</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Natisni</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Natisni zaslon</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Desno</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>ScrollLock</source>
        <translation>ScrollLock</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Preslednica</translation>
    </message>
    <message>
        <source>SysReq</source>
        <translation>SysReq</translation>
    </message>
    <message>
        <source>System Request</source>
        <translation>Sistemska zahteva</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Gor</translation>
    </message>
</context>
</TS>
