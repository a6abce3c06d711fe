<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AudioFacts</name>
    <message>
        <source>VBR</source>
        <extracomment>variable bit rate</extracomment>
        <translation>VBR</translation>
    </message>
    <message>
        <source>VBR %1 kbit/s</source>
        <translation>VBR %1 kbit/s</translation>
    </message>
    <message>
        <source>suitable</source>
        <translation>nadaje się</translation>
    </message>
    <message>
        <source>unsuitable</source>
        <translation>nie nadaje się</translation>
    </message>
</context>
<context>
    <name>BatchConvert</name>
    <message>
        <source>The file name is empty</source>
        <translation>Nazwa pliku jest pusta</translation>
    </message>
    <message>
        <source>not a BMU file</source>
        <translation>to nie jest plik BMU</translation>
    </message>
    <message>
        <source>already a BMU file</source>
        <translation>to już jest plik BMU</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to overwrite it?</source>
        <translation>Plik %1 już istnieje. Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation>Plik istnieje</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>%1 could not be converted:</source>
        <translation>Nie można przekonwertować pliku %1:</translation>
    </message>
    <message>
        <source>Conversion Failed</source>
        <translation>Konwersja nie powiodła się</translation>
    </message>
    <message>
        <source>Do you want to continue with the remaining files?</source>
        <translation>Czy chcesz kontynuować z pozostałymi plikami?</translation>
    </message>
    <message>
        <source>Source and destination are the same file</source>
        <translation>Plik źródłowy i docelowy to ten sam plik</translation>
    </message>
    <message>
        <source>would overwrite a file this run just created</source>
        <translation>plik docelowy został właśnie utworzony w tej operacji</translation>
    </message>
    <message>
        <source>would overwrite a source of this run</source>
        <translation>plik docelowy jest plikiem źródłowym tej operacji</translation>
    </message>
</context>
<context>
    <name>BatchSummary</name>
    <message>
        <source>re-encoded to %1</source>
        <translation>przekodowano do %1</translation>
    </message>
    <message>
        <source>converted to %1</source>
        <translation>przekonwertowano do %1</translation>
    </message>
    <message>
        <source>skipped: exists</source>
        <translation>pominięto: już istnieje</translation>
    </message>
    <message>
        <source>skipped: unsuitable</source>
        <translation>pominięto: nie nadaje się</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>błąd: %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>anulowano</translation>
    </message>
    <message>
        <source>failed: unknown error</source>
        <translation>błąd: nieznana przyczyna</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed</source>
        <translation>Przekonwertowano: %1, pominięto: %2, z błędem: %3</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed, %4 cancelled</source>
        <translation>Przekonwertowano: %1, pominięto: %2, z błędem: %3, anulowano: %4</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed, %5 not reached</source>
        <translation>Przekonwertowano: %1, pominięto: %2, z błędem: %3, nie przetworzono: %5</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed, %4 cancelled, %5 not reached</source>
        <translation>Przekonwertowano: %1, pominięto: %2, z błędem: %3, anulowano: %4, nie przetworzono: %5</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>nie przetworzono</translation>
    </message>
</context>
<context>
    <name>ConvertFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message>
        <source>The file&apos;s size is not known before it is read (as with the files in /proc)</source>
        <translation>Rozmiar pliku nie jest znany przed jego odczytaniem (jak w przypadku plików w /proc)</translation>
    </message>
</context>
<context>
    <name>Erf</name>
    <message>
        <source>Too short for an ERF archive</source>
        <translation>Plik jest za krótki na archiwum ERF</translation>
    </message>
    <message>
        <source>Not a hak, ERF or module file</source>
        <translation>To nie jest plik haka, ERF ani modułu</translation>
    </message>
    <message>
        <source>Not an ERF V1.0 archive</source>
        <translation>To nie jest archiwum ERF V1.0</translation>
    </message>
    <message>
        <source>The archive&apos;s index lies outside the file</source>
        <translation>Indeks archiwum wykracza poza plik</translation>
    </message>
    <message>
        <source>The archive could not be read</source>
        <translation>Nie można odczytać archiwum</translation>
    </message>
    <message>
        <source>The archive&apos;s descriptions do not fit their room</source>
        <translation>Opisy archiwum nie mieszczą się w przeznaczonym na nie miejscu</translation>
    </message>
    <message>
        <source>Entry %1 has no valid name</source>
        <translation>Wpis %1 nie ma prawidłowej nazwy</translation>
    </message>
    <message>
        <source>Entry %1 lies outside the file</source>
        <translation>Wpis %1 wykracza poza plik</translation>
    </message>
    <message>
        <source>Entry %1 is in the archive twice</source>
        <translation>Wpis %1 występuje w archiwum dwukrotnie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid resource name</source>
        <translation>„%1” nie jest prawidłową nazwą zasobu</translation>
    </message>
    <message>
        <source>More entries than announced</source>
        <translation>Więcej wpisów, niż zapowiedziano</translation>
    </message>
    <message>
        <source>The archive would pass 4 GiB</source>
        <translation>Archiwum przekroczyłoby 4 GiB</translation>
    </message>
    <message>
        <source>No archive is being written</source>
        <translation>Żadne archiwum nie jest zapisywane</translation>
    </message>
    <message>
        <source>Too many entries for one archive</source>
        <translation>Za dużo wpisów jak na jedno archiwum</translation>
    </message>
    <message>
        <source>%1 of %2 entries were added</source>
        <translation>Dodano wpisy: %1 z %2</translation>
    </message>
</context>
<context>
    <name>FailureReasons</name>
    <message>
        <source>The source file changed while it was being converted</source>
        <translation>Plik źródłowy zmienił się podczas konwersji</translation>
    </message>
</context>
<context>
    <name>FileByteSource</name>
    <message>
        <source>Not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>Too many unfinished conversions of this file are in progress</source>
        <translation>Trwa zbyt wiele niedokończonych konwersji tego pliku</translation>
    </message>
</context>
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
    <name>HakMaker</name>
    <message>
        <source>%1 in %2</source>
        <extracomment>%1 is the music table&apos;s file name, %2 the hak&apos;s path</extracomment>
        <translation>%1 w %2</translation>
    </message>
    <message>
        <source>too large for a music table</source>
        <translation>za duży jak na tabelę muzyki</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>%1 is where the table was read from, %2 the line, %3 what is wrong with it</extracomment>
        <translation>%1, wiersz %2: %3</translation>
    </message>
    <message>
        <source>No music table to start from. A hak&apos;s %1 replaces the game&apos;s whole table, so the new rows need the game&apos;s own rows before them, and the game was not found where it is usually installed. Name the game&apos;s folder or a table to start from.</source>
        <translation>Brak tabeli muzyki, od której można zacząć. Plik %1 w haku zastępuje całą tabelę gry, więc przed nowymi wierszami muszą się znaleźć wiersze samej gry, a gry nie znaleziono w zwykłym miejscu instalacji. Wskaż folder gry lub tabelę wyjściową.</translation>
    </message>
    <message>
        <source>No music table to start from. A hak&apos;s %1 replaces the game&apos;s whole table, so the new rows need the game&apos;s own rows before them, and the game was not found in %2. Name the game&apos;s folder or a table to start from.</source>
        <extracomment>%1 is the music table&apos;s file name, %2 the folder the game was looked for in</extracomment>
        <translation>Brak tabeli muzyki, od której można zacząć. Plik %1 w haku zastępuje całą tabelę gry, więc przed nowymi wierszami muszą się znaleźć wiersze samej gry, a gry nie znaleziono w %2. Wskaż folder gry lub tabelę wyjściową.</translation>
    </message>
    <message>
        <source>the game&apos;s data in %1</source>
        <translation>dane gry w %1</translation>
    </message>
    <message>
        <source>%1 holds no %2</source>
        <translation>Nie znaleziono %2 (%1)</translation>
    </message>
    <message>
        <source>Wave audio, not MPEG audio</source>
        <translation>Dźwięk w formacie Wave, a nie MPEG</translation>
    </message>
    <message>
        <source>packed as %1, row %2</source>
        <translation>spakowano jako %1, wiersz %2</translation>
    </message>
    <message>
        <source>re-encoded as %1, row %2</source>
        <translation>przekodowano jako %1, wiersz %2</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>błąd: %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>anulowano</translation>
    </message>
    <message>
        <source>%1 packed, %2 failed, cancelled</source>
        <translation>Spakowano: %1, z błędem: %2, anulowano</translation>
    </message>
    <message>
        <source>%1 packed, %2 failed</source>
        <translation>Spakowano: %1, z błędem: %2</translation>
    </message>
    <message>
        <source>Hak written to %1</source>
        <translation>Zapisano hak: %1</translation>
    </message>
    <message>
        <source>No hak written: cancelled</source>
        <translation>Nie zapisano haka: anulowano</translation>
    </message>
    <message>
        <source>No hak written: %1</source>
        <translation>Nie zapisano haka: %1</translation>
    </message>
    <message>
        <source>None of the songs could be packed</source>
        <translation>Nie udało się spakować żadnego utworu</translation>
    </message>
</context>
<context>
    <name>HakPlan</name>
    <message>
        <source>1 to 16 of a-z, 0-9 and _</source>
        <translation>Od 1 do 16 znaków spośród a-z, 0-9 i _</translation>
    </message>
    <message>
        <source>Also the name of another song</source>
        <translation>Tę nazwę ma też inny utwór</translation>
    </message>
    <message>
        <source>The toolset lists the song under this name</source>
        <translation>Toolset pokazuje utwór pod tą nazwą</translation>
    </message>
    <message>
        <source>No &quot; or control characters, no spaces at the ends, at most %1 bytes</source>
        <translation>Bez znaku &quot; i znaków sterujących, bez spacji na początku i na końcu, najwyżej %1 B</translation>
    </message>
    <message>
        <source>A new hak. The music table starts from %1 (%2 row); new songs get the rows after.</source>
        <extracomment>%1 is where the music table comes from: a file, a hak&apos;s table or the game&apos;s data</extracomment>
        <translation>Nowy hak. Źródło tabeli muzyki: %1 (wierszy: %2); nowe utwory dostaną kolejne wiersze.</translation>
    </message>
    <message>
        <source>A new hak. The music table starts from %1 (%2 rows); new songs get the rows after.</source>
        <translation>Nowy hak. Źródło tabeli muzyki: %1 (wierszy: %2); nowe utwory dostaną kolejne wiersze.</translation>
    </message>
    <message>
        <source>Adds to the %3 entries of this hak. The music table starts from %1 (%2 row); new songs get the rows after.</source>
        <translation>Uzupełnienie istniejącego haka (wpisów: %3). Źródło tabeli muzyki: %1 (wierszy: %2); nowe utwory dostaną kolejne wiersze.</translation>
    </message>
    <message>
        <source>Adds to the %3 entries of this hak. The music table starts from %1 (%2 rows); new songs get the rows after.</source>
        <translation>Uzupełnienie istniejącego haka (wpisów: %3). Źródło tabeli muzyki: %1 (wierszy: %2); nowe utwory dostaną kolejne wiersze.</translation>
    </message>
</context>
<context>
    <name>KeyBif</name>
    <message>
        <source>not a BIF V1 archive</source>
        <translation>to nie jest archiwum BIF V1</translation>
    </message>
    <message>
        <source>its resource table lies outside the file</source>
        <translation>tabela zasobów wykracza poza plik</translation>
    </message>
    <message>
        <source>the key names an entry it does not have</source>
        <translation>plik klucza wskazuje wpis, którego to archiwum nie zawiera</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>nie można odczytać</translation>
    </message>
    <message>
        <source>an entry lies outside the file</source>
        <translation>wpis wykracza poza plik</translation>
    </message>
    <message>
        <source>not a KEY V1 file</source>
        <translation>to nie jest plik KEY V1</translation>
    </message>
    <message>
        <source>its tables lie outside the file</source>
        <translation>tabele wykraczają poza plik</translation>
    </message>
    <message>
        <source>an entry names a BIF it does not list</source>
        <translation>wpis wskazuje archiwum BIF, którego plik nie wymienia</translation>
    </message>
    <message>
        <source>a BIF&apos;s name lies outside the file</source>
        <translation>nazwa archiwum BIF wykracza poza plik</translation>
    </message>
    <message>
        <source>The key file</source>
        <translation>Plik klucza</translation>
    </message>
</context>
<context>
    <name>MP3Utils</name>
    <message>
        <source>free format</source>
        <translation>format swobodny</translation>
    </message>
    <message>
        <source>invalid</source>
        <extracomment>a bit rate the header forbids</extracomment>
        <translation>nieprawidłowa wartość</translation>
    </message>
    <message>
        <source>Layer III</source>
        <translation>Layer III</translation>
    </message>
    <message>
        <source>Layer II</source>
        <translation>Layer II</translation>
    </message>
    <message>
        <source>Layer I</source>
        <translation>Layer I</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>stereo</translation>
    </message>
    <message>
        <source>joint stereo</source>
        <translation>joint stereo</translation>
    </message>
    <message>
        <source>dual channel</source>
        <translation>dwa kanały</translation>
    </message>
    <message>
        <source>single channel</source>
        <translation>jeden kanał</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nieznany</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>nie znaleziono</translation>
    </message>
</context>
<context>
    <name>MainPresenter</name>
    <message>
        <source>Are you sure you want to delete:</source>
        <translation>Czy na pewno chcesz usunąć:</translation>
    </message>
    <message>
        <source>Are you sure you want to delete these %1 files?</source>
        <translation>Czy na pewno chcesz usunąć te pliki (%1)?</translation>
    </message>
    <message>
        <source>Select your MP3 directory</source>
        <translation>Wybierz folder z plikami MP3</translation>
    </message>
    <message>
        <source>Select your BMU directory</source>
        <translation>Wybierz folder z plikami BMU</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Potwierdź usunięcie</translation>
    </message>
</context>
<context>
    <name>MusicTable</name>
    <message>
        <source>%1 column missing</source>
        <translation>Brak kolumny %1</translation>
    </message>
</context>
<context>
    <name>OpenedFiles</name>
    <message>
        <source>not a file or folder</source>
        <translation>to nie jest plik ani folder</translation>
    </message>
    <message>
        <source>neither an MP3 nor a BMU file</source>
        <translation>to nie jest plik MP3 ani BMU</translation>
    </message>
    <message>
        <source>not in %1, the folder of the files before it of its kind</source>
        <translation>nie znajduje się w folderze %1, w którym są wcześniejsze pliki tego rodzaju</translation>
    </message>
    <message>
        <source>both panes already have a folder</source>
        <translation>oba panele mają już folder</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>rename .&amp;wav</source>
        <translation>Jako .&amp;wav</translation>
    </message>
    <message>
        <source>&amp;overwrite all</source>
        <translation>&amp;Nadpisuj</translation>
    </message>
    <message>
        <source>&amp;preserve file date/time</source>
        <translation>&amp;Zachowaj datę/czas</translation>
    </message>
    <message>
        <source>&amp;re-encode unsuitable</source>
        <translation>&amp;Przekoduj niezgodne</translation>
    </message>
    <message>
        <source>&amp;game names</source>
        <translation>Nazwy w &amp;grze</translation>
    </message>
</context>
<context>
    <name>RandomAccess</name>
    <message>
        <source>Not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
</context>
<context>
    <name>Reencoding</name>
    <message>
        <source>The MP3 encoder could not be set up</source>
        <translation>Nie udało się przygotować kodera MP3</translation>
    </message>
    <message>
        <source>The resampler stalled</source>
        <translation>Zmiana częstotliwości próbkowania utknęła</translation>
    </message>
    <message>
        <source>The MP3 encoder failed</source>
        <translation>Błąd kodera MP3</translation>
    </message>
    <message>
        <source>Re-encoding %1</source>
        <translation>Przekodowywanie: %1</translation>
    </message>
    <message>
        <source>No MPEG audio could be decoded</source>
        <translation>Nie udało się zdekodować dźwięku MPEG</translation>
    </message>
    <message>
        <source>Re-encoding is not available in this build</source>
        <translation>Ta wersja programu nie obsługuje przekodowywania</translation>
    </message>
</context>
<context>
    <name>Suitability</name>
    <message>
        <source>- Channel mode is not stereo</source>
        <translation>- Tryb kanałów inny niż stereo</translation>
    </message>
    <message>
        <source>- Channel mode is not mono</source>
        <translation>- Tryb kanałów inny niż mono</translation>
    </message>
    <message>
        <source>- No %1 audio found</source>
        <extracomment>%1 is the kind of audio, such as &quot;MPEG-1 Layer III&quot;</extracomment>
        <translation>- Nie znaleziono dźwięku %1</translation>
    </message>
    <message>
        <source>- %1 audio found; the game expects %2</source>
        <extracomment>%1 is the kind of audio found, %2 the MPEG version and/or layer the game wants instead</extracomment>
        <translation>- Znaleziono dźwięk %1; gra oczekuje: %2</translation>
    </message>
    <message>
        <source>- Bit Rate is not Constant - Variable Bit Rate reported</source>
        <translation>- Przepływność nie jest stała – wykryto zmienną przepływność (VBR)</translation>
    </message>
    <message>
        <source>- Bit Rate is not %1 kbps - %2 reported</source>
        <extracomment>%2 is the bit rate read, such as &quot;96 kbps&quot; or &quot;free format&quot;</extracomment>
        <translation>- Przepływność inna niż %1 kbps – odczytano: %2</translation>
    </message>
    <message>
        <source>- Sampling Frequency is not 44.1 kHz - %1 kHz reported</source>
        <translation>- Częstotliwość próbkowania inna niż 44,1 kHz – odczytano: %1 kHz</translation>
    </message>
    <message>
        <source>- file name (excluding &apos;.mp3&apos;) is longer than 16 characters</source>
        <translation>- Nazwa pliku (bez „.mp3”) jest dłuższa niż 16 znaków</translation>
    </message>
    <message>
        <source>- file name (excluding &apos;.mp3&apos;) has characters other than a-z, 0-9 and _</source>
        <translation>- Nazwa pliku (bez „.mp3”) zawiera znaki inne niż a-z, 0-9 i _</translation>
    </message>
    <message>
        <source>Warning! &apos;%1&apos;</source>
        <translation>Uwaga! „%1”</translation>
    </message>
    <message>
        <source>has the following potential issues if you convert it to a BMU:</source>
        <translation>może sprawiać następujące problemy po konwersji na BMU:</translation>
    </message>
    <message>
        <source>Do you wish to continue?</source>
        <translation>Czy chcesz kontynuować?</translation>
    </message>
</context>
<context>
    <name>TwoDa</name>
    <message>
        <source>not a 2DA V2.0 table</source>
        <translation>to nie jest tabela 2DA V2.0</translation>
    </message>
    <message>
        <source>neither empty nor &quot;DEFAULT: value&quot;</source>
        <translation>nie jest pusty ani w postaci „DEFAULT: wartość”</translation>
    </message>
    <message>
        <source>a quote is not closed</source>
        <translation>niezamknięty cudzysłów</translation>
    </message>
    <message>
        <source>a row has %1 fields for %2 columns</source>
        <translation>liczba pól (%1) nie zgadza się z liczbą kolumn (%2)</translation>
    </message>
    <message>
        <source>the column names are missing</source>
        <translation>brak nazw kolumn</translation>
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
<context>
    <name>tunewrap_main</name>
    <message>
        <source>Usage: tunewrap [--help | --version] [--] [FILE | DIR]...
Opens the Tunewrap window: MP3 files on the left, the game&apos;s BMU files on the right.
MP3 FILEs open their folder on the left, BMU FILEs theirs on the right, selected and
ready to convert; a DIR is listed on the left, a second DIR on the right.
Nothing is converted until you press a convert button.
For scripts and whole folders use tunewrap-cli.

Options:
  -h,--help    Print this help and exit
  --version    Print the version and the licence and exit
</source>
        <extracomment>the options, FILE, DIR and the program names stay as they are</extracomment>
        <translation>Użycie: tunewrap [--help | --version] [--] [FILE | DIR]...
Otwiera okno programu Tunewrap: pliki MP3 po lewej, pliki BMU gry po prawej.
Pliki MP3 (FILE) otwierają swój folder po lewej, pliki BMU – po prawej, zaznaczone
i gotowe do konwersji; DIR jest wyświetlany po lewej, drugi DIR po prawej.
Nic nie zostanie przekonwertowane, dopóki nie naciśniesz przycisku konwersji.
Do skryptów i całych folderów służy tunewrap-cli.

Opcje:
  -h,--help    Wyświetla tę pomoc i kończy działanie
  --version    Wyświetla wersję i licencję, po czym kończy działanie
</translation>
    </message>
    <message>
        <source>tunewrap: unknown option %1</source>
        <translation>tunewrap: nieznana opcja %1</translation>
    </message>
</context>
</TS>
