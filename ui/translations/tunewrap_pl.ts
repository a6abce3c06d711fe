<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>FileListView</name>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Zmodyfikowano</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Długość</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Przepływność</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Ocena</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Tunewrap developers</source>
        <translation>Twórcy programu Tunewrap</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>By:</source>
        <translation>Autorzy:</translation>
    </message>
    <message>
        <source>e-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation>Strona główna:</translation>
    </message>
    <message>
        <source>Adding BMUs:</source>
        <translation>Dodawanie BMU:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmBatchDetails</name>
    <message>
        <source>Batch Details</source>
        <translation>Szczegóły operacji</translation>
    </message>
    <message>
        <source>Files of the last batch</source>
        <translation>Pliki ostatniej operacji</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Wynik</translation>
    </message>
</context>
<context>
    <name>frmDocument</name>
    <message>
        <source>The document %1 could not be found. It is installed with Tunewrap, in its documentation folder (share/doc/tunewrap); installing Tunewrap again brings it back.</source>
        <translation>Nie znaleziono dokumentu %1. Jest on instalowany razem z programem Tunewrap w folderze dokumentacji (share/doc/tunewrap); ponowna instalacja programu Tunewrap go przywróci.</translation>
    </message>
</context>
<context>
    <name>frmHak</name>
    <message>
        <source>Pack into hak</source>
        <translation>Pakowanie do haka</translation>
    </message>
    <message>
        <source>Each song goes into the hak under its game name, with a row in the game&apos;s music table; the toolset lists it under its display name.</source>
        <translation>Każdy utwór trafia do haka pod swoją nazwą w grze i dostaje wiersz w tabeli muzyki gry; toolset pokazuje go pod nazwą wyświetlaną.</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Utwory</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Game name</source>
        <translation>Nazwa w grze</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Nazwa wyświetlana</translation>
    </message>
    <message>
        <source>&amp;Hak:</source>
        <translation>&amp;Hak:</translation>
    </message>
    <message>
        <source>Browse for the hak</source>
        <translation>Wybierz hak</translation>
    </message>
    <message>
        <source>Music &amp;table...</source>
        <translation>&amp;Tabela muzyki...</translation>
    </message>
    <message>
        <source>Hak&apos;s or &amp;game&apos;s table</source>
        <translation>Tabela z haka lub &amp;gry</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Utwórz</translation>
    </message>
    <message>
        <source>Hak to write or add to</source>
        <translation>Hak do utworzenia lub uzupełnienia</translation>
    </message>
    <message>
        <source>Hak packs (*.hak)</source>
        <translation>Pliki hak (*.hak)</translation>
    </message>
    <message>
        <source>Music table to start from</source>
        <translation>Wyjściowa tabela muzyki</translation>
    </message>
    <message>
        <source>2DA tables (*.2da)</source>
        <translation>Tabele 2DA (*.2da)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>MP3 files (*.mp3) - source</source>
        <translation>Pliki MP3 (*.mp3) – źródło</translation>
    </message>
    <message>
        <source>To .&amp;BMU -&gt;</source>
        <translation>Na .&amp;BMU -&gt;</translation>
    </message>
    <message>
        <source>This is used to convert 96k/ mono MP3s for sound effects, VO, etc.</source>
        <translation>Do konwersji MP3 96k/mono na efekty dźwiękowe, głosy itp.</translation>
    </message>
    <message>
        <source>&lt;- To .&amp;MP3</source>
        <translation>&lt;- Na .&amp;MP3</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>O programie...</translation>
    </message>
    <message>
        <source>BMU files (*.bmu, *.wav) files - destination</source>
        <translation>Pliki BMU (*.bmu, *.wav) – cel</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Szczegóły...</translation>
    </message>
    <message>
        <source>Details of the last batch</source>
        <translation>Szczegóły ostatniej operacji</translation>
    </message>
    <message>
        <source>Browse for directory</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Refresh directory</source>
        <translation>Odśwież folder</translation>
    </message>
    <message>
        <source>Browse for source directory</source>
        <translation>Wybierz folder źródłowy</translation>
    </message>
    <message>
        <source>Browse for destination directory</source>
        <translation>Wybierz folder docelowy</translation>
    </message>
    <message>
        <source>Refresh source directory</source>
        <translation>Odśwież folder źródłowy</translation>
    </message>
    <message>
        <source>Refresh destination directory</source>
        <translation>Odśwież folder docelowy</translation>
    </message>
    <message>
        <source>MP3 files</source>
        <translation>Pliki MP3</translation>
    </message>
    <message>
        <source>BMU files</source>
        <translation>Pliki BMU</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Menu podręczne</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolumny</translation>
    </message>
    <message>
        <source>Pack into hak...</source>
        <translation>Spakuj do haka...</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Konwertowanie...</translation>
    </message>
    <message>
        <source>File %1 of %2</source>
        <translation>Plik %1 z %2</translation>
    </message>
    <message>
        <source>Batch progress</source>
        <translation>Postęp całej operacji</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Canceling</source>
        <translation>Anulowanie</translation>
    </message>
</context>
<context>
    <name>frmProperties</name>
    <message>
        <source>Yes, as music (128 kbit/s stereo)</source>
        <translation>Tak, jako muzyka (128 kbit/s stereo)</translation>
    </message>
    <message>
        <source>No, as music (128 kbit/s stereo)</source>
        <translation>Nie, jako muzyka (128 kbit/s stereo)</translation>
    </message>
    <message>
        <source>Yes, as a sound effect (96 kbit/s mono)</source>
        <translation>Tak, jako efekt dźwiękowy (96 kbit/s mono)</translation>
    </message>
    <message>
        <source>No, as a sound effect (96 kbit/s mono)</source>
        <translation>Nie, jako efekt dźwiękowy (96 kbit/s mono)</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>BMU file (an MP3 behind an 8-byte header)</source>
        <translation>Plik BMU (MP3 poprzedzony 8-bajtowym nagłówkiem)</translation>
    </message>
    <message>
        <source>MP3 file</source>
        <translation>Plik MP3</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Rozmiar:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>brak danych</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Data modyfikacji:</translation>
    </message>
    <message>
        <source>Frame headers:</source>
        <translation>Nagłówki ramek:</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>nie można odczytać: %1</translation>
    </message>
    <message>
        <source>Audio:</source>
        <translation>Dźwięk:</translation>
    </message>
    <message>
        <source>Bit rate:</source>
        <translation>Przepływność:</translation>
    </message>
    <message>
        <source>Variable bit rate:</source>
        <translation>Zmienna przepływność:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Sampling frequency:</source>
        <translation>Częstotliwość próbkowania:</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Channel mode:</source>
        <translation>Tryb kanałów:</translation>
    </message>
    <message>
        <source>CRC:</source>
        <translation>CRC:</translation>
    </message>
    <message>
        <source>Suits the game:</source>
        <translation>Nadaje się do gry:</translation>
    </message>
</context>
</TS>
