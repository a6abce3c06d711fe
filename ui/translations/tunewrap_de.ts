<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>geeignet</translation>
    </message>
    <message>
        <source>unsuitable</source>
        <translation>ungeeignet</translation>
    </message>
</context>
<context>
    <name>BatchConvert</name>
    <message>
        <source>The file name is empty</source>
        <translation>Der Dateiname ist leer</translation>
    </message>
    <message>
        <source>not a BMU file</source>
        <translation>keine BMU-Datei</translation>
    </message>
    <message>
        <source>already a BMU file</source>
        <translation>bereits eine BMU-Datei</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to overwrite it?</source>
        <translation>„%1“ ist bereits vorhanden. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation>Datei bereits vorhanden</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>%1 could not be converted:</source>
        <translation>„%1“ konnte nicht umgewandelt werden:</translation>
    </message>
    <message>
        <source>Conversion Failed</source>
        <translation>Umwandlung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Do you want to continue with the remaining files?</source>
        <translation>Möchten Sie mit den übrigen Dateien fortfahren?</translation>
    </message>
    <message>
        <source>Source and destination are the same file</source>
        <translation>Quelle und Ziel sind dieselbe Datei</translation>
    </message>
    <message>
        <source>would overwrite a file this run just created</source>
        <translation>würde eine Datei überschreiben, die dieser Durchlauf gerade erstellt hat</translation>
    </message>
    <message>
        <source>would overwrite a source of this run</source>
        <translation>würde eine Quelldatei dieses Durchlaufs überschreiben</translation>
    </message>
</context>
<context>
    <name>BatchSummary</name>
    <message>
        <source>re-encoded to %1</source>
        <translation>umkodiert als %1</translation>
    </message>
    <message>
        <source>converted to %1</source>
        <translation>umgewandelt in %1</translation>
    </message>
    <message>
        <source>skipped: exists</source>
        <translation>übersprungen: vorhanden</translation>
    </message>
    <message>
        <source>skipped: unsuitable</source>
        <translation>übersprungen: ungeeignet</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>failed: unknown error</source>
        <translation>fehlgeschlagen: unbekannter Fehler</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed</source>
        <translation>%1 umgewandelt, %2 übersprungen, %3 fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed, %4 cancelled</source>
        <translation>%1 umgewandelt, %2 übersprungen, %3 fehlgeschlagen, %4 abgebrochen</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed, %5 not reached</source>
        <translation>%1 umgewandelt, %2 übersprungen, %3 fehlgeschlagen, %5 nicht mehr bearbeitet</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed, %4 cancelled, %5 not reached</source>
        <translation>%1 umgewandelt, %2 übersprungen, %3 fehlgeschlagen, %4 abgebrochen, %5 nicht mehr bearbeitet</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>nicht mehr bearbeitet</translation>
    </message>
</context>
<context>
    <name>ConvertFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>The file&apos;s size is not known before it is read (as with the files in /proc)</source>
        <translation>Die Größe der Datei ist vor dem Lesen nicht bekannt (wie bei den Dateien in /proc)</translation>
    </message>
</context>
<context>
    <name>Erf</name>
    <message>
        <source>Too short for an ERF archive</source>
        <translation>Zu kurz für ein ERF-Archiv</translation>
    </message>
    <message>
        <source>Not a hak, ERF or module file</source>
        <translation>Keine Hak-, ERF- oder Moduldatei</translation>
    </message>
    <message>
        <source>Not an ERF V1.0 archive</source>
        <translation>Kein ERF-V1.0-Archiv</translation>
    </message>
    <message>
        <source>The archive&apos;s index lies outside the file</source>
        <translation>Das Inhaltsverzeichnis des Archivs liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>The archive could not be read</source>
        <translation>Das Archiv konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The archive&apos;s descriptions do not fit their room</source>
        <translation>Die Beschreibungen des Archivs passen nicht in den dafür vorgesehenen Platz</translation>
    </message>
    <message>
        <source>Entry %1 has no valid name</source>
        <translation>Eintrag %1 hat keinen gültigen Namen</translation>
    </message>
    <message>
        <source>Entry %1 lies outside the file</source>
        <translation>Eintrag %1 liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>Entry %1 is in the archive twice</source>
        <translation>Eintrag %1 ist doppelt im Archiv</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid resource name</source>
        <translation>„%1“ ist kein gültiger Ressourcenname</translation>
    </message>
    <message>
        <source>More entries than announced</source>
        <translation>Mehr Einträge als angekündigt</translation>
    </message>
    <message>
        <source>The archive would pass 4 GiB</source>
        <translation>Das Archiv würde 4 GiB überschreiten</translation>
    </message>
    <message>
        <source>No archive is being written</source>
        <translation>Es wird kein Archiv geschrieben</translation>
    </message>
    <message>
        <source>Too many entries for one archive</source>
        <translation>Zu viele Einträge für ein Archiv</translation>
    </message>
    <message>
        <source>%1 of %2 entries were added</source>
        <translation>Hinzugefügte Einträge: %1 von %2</translation>
    </message>
</context>
<context>
    <name>FailureReasons</name>
    <message>
        <source>The source file changed while it was being converted</source>
        <translation>Die Quelldatei wurde während der Umwandlung geändert</translation>
    </message>
</context>
<context>
    <name>FileByteSource</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>Too many unfinished conversions of this file are in progress</source>
        <translation>Für diese Datei laufen zu viele unfertige Umwandlungen</translation>
    </message>
</context>
<context>
    <name>FileListView</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Eignung</translation>
    </message>
</context>
<context>
    <name>HakMaker</name>
    <message>
        <source>%1 in %2</source>
        <extracomment>%1 is the music table&apos;s file name, %2 the hak&apos;s path</extracomment>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>too large for a music table</source>
        <translation>zu groß für eine Musiktabelle</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>%1 is where the table was read from, %2 the line, %3 what is wrong with it</extracomment>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>No music table to start from. A hak&apos;s %1 replaces the game&apos;s whole table, so the new rows need the game&apos;s own rows before them, and the game was not found where it is usually installed. Name the game&apos;s folder or a table to start from.</source>
        <translation>Keine Musiktabelle als Grundlage gefunden. Die %1 eines Haks ersetzt die gesamte Tabelle des Spiels, daher müssen den neuen Zeilen die Zeilen des Spiels vorangehen; das Spiel wurde aber nicht am üblichen Installationsort gefunden. Geben Sie den Ordner des Spiels oder eine Tabelle als Grundlage an.</translation>
    </message>
    <message>
        <source>No music table to start from. A hak&apos;s %1 replaces the game&apos;s whole table, so the new rows need the game&apos;s own rows before them, and the game was not found in %2. Name the game&apos;s folder or a table to start from.</source>
        <extracomment>%1 is the music table&apos;s file name, %2 the folder the game was looked for in</extracomment>
        <translation>Keine Musiktabelle als Grundlage gefunden. Die %1 eines Haks ersetzt die gesamte Tabelle des Spiels, daher müssen den neuen Zeilen die Zeilen des Spiels vorangehen; das Spiel wurde aber nicht in %2 gefunden. Geben Sie den Ordner des Spiels oder eine Tabelle als Grundlage an.</translation>
    </message>
    <message>
        <source>the game&apos;s data in %1</source>
        <translation>Spieldaten in %1</translation>
    </message>
    <message>
        <source>%1 holds no %2</source>
        <translation>%1: keine %2 vorhanden</translation>
    </message>
    <message>
        <source>Wave audio, not MPEG audio</source>
        <translation>Wave-Audio, kein MPEG-Audio</translation>
    </message>
    <message>
        <source>packed as %1, row %2</source>
        <translation>gepackt als %1, Zeile %2</translation>
    </message>
    <message>
        <source>re-encoded as %1, row %2</source>
        <translation>umkodiert als %1, Zeile %2</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>%1 packed, %2 failed, cancelled</source>
        <translation>%1 gepackt, %2 fehlgeschlagen, abgebrochen</translation>
    </message>
    <message>
        <source>%1 packed, %2 failed</source>
        <translation>%1 gepackt, %2 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Hak written to %1</source>
        <translation>Hak gespeichert unter %1</translation>
    </message>
    <message>
        <source>No hak written: cancelled</source>
        <translation>Kein Hak geschrieben: abgebrochen</translation>
    </message>
    <message>
        <source>No hak written: %1</source>
        <translation>Kein Hak geschrieben: %1</translation>
    </message>
    <message>
        <source>None of the songs could be packed</source>
        <translation>Keiner der Titel konnte gepackt werden</translation>
    </message>
</context>
<context>
    <name>HakPlan</name>
    <message>
        <source>1 to 16 of a-z, 0-9 and _</source>
        <translation>1 bis 16 Zeichen aus a-z, 0-9 und _</translation>
    </message>
    <message>
        <source>Also the name of another song</source>
        <translation>Bereits der Name eines anderen Titels</translation>
    </message>
    <message>
        <source>The toolset lists the song under this name</source>
        <translation>Das Toolset führt den Titel unter diesem Namen</translation>
    </message>
    <message>
        <source>No &quot; or control characters, no spaces at the ends, at most %1 bytes</source>
        <translation>Kein &quot; und keine Steuerzeichen, keine Leerzeichen am Anfang oder Ende, höchstens %1 Bytes</translation>
    </message>
    <message>
        <source>A new hak. The music table starts from %1 (%2 row); new songs get the rows after.</source>
        <extracomment>%1 is where the music table comes from: a file, a hak&apos;s table or the game&apos;s data</extracomment>
        <translation>Neues Hak. Grundlage der Musiktabelle: %1 (%2 Zeile); neue Titel erhalten die Zeilen danach.</translation>
    </message>
    <message>
        <source>A new hak. The music table starts from %1 (%2 rows); new songs get the rows after.</source>
        <translation>Neues Hak. Grundlage der Musiktabelle: %1 (%2 Zeilen); neue Titel erhalten die Zeilen danach.</translation>
    </message>
    <message>
        <source>Adds to the %3 entries of this hak. The music table starts from %1 (%2 row); new songs get the rows after.</source>
        <translation>Ergänzt dieses Hak (Einträge: %3). Grundlage der Musiktabelle: %1 (%2 Zeile); neue Titel erhalten die Zeilen danach.</translation>
    </message>
    <message>
        <source>Adds to the %3 entries of this hak. The music table starts from %1 (%2 rows); new songs get the rows after.</source>
        <translation>Ergänzt dieses Hak (Einträge: %3). Grundlage der Musiktabelle: %1 (%2 Zeilen); neue Titel erhalten die Zeilen danach.</translation>
    </message>
</context>
<context>
    <name>KeyBif</name>
    <message>
        <source>not a BIF V1 archive</source>
        <translation>kein BIF-V1-Archiv</translation>
    </message>
    <message>
        <source>its resource table lies outside the file</source>
        <translation>die Ressourcentabelle liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>the key names an entry it does not have</source>
        <translation>die KEY-Datei nennt einen Eintrag, den das BIF nicht enthält</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>an entry lies outside the file</source>
        <translation>ein Eintrag liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>not a KEY V1 file</source>
        <translation>keine KEY-V1-Datei</translation>
    </message>
    <message>
        <source>its tables lie outside the file</source>
        <translation>die Tabellen liegen außerhalb der Datei</translation>
    </message>
    <message>
        <source>an entry names a BIF it does not list</source>
        <translation>ein Eintrag nennt ein BIF, das die Datei nicht aufführt</translation>
    </message>
    <message>
        <source>a BIF&apos;s name lies outside the file</source>
        <translation>der Name eines BIF liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>The key file</source>
        <translation>Die KEY-Datei</translation>
    </message>
</context>
<context>
    <name>MP3Utils</name>
    <message>
        <source>free format</source>
        <translation>freies Format</translation>
    </message>
    <message>
        <source>invalid</source>
        <extracomment>a bit rate the header forbids</extracomment>
        <translation>ungültig</translation>
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
        <translation>Stereo</translation>
    </message>
    <message>
        <source>joint stereo</source>
        <translation>Joint Stereo</translation>
    </message>
    <message>
        <source>dual channel</source>
        <translation>Zweikanal</translation>
    </message>
    <message>
        <source>single channel</source>
        <translation>Einkanal</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>nicht gefunden</translation>
    </message>
</context>
<context>
    <name>MainPresenter</name>
    <message>
        <source>Are you sure you want to delete:</source>
        <translation>Möchten Sie Folgendes wirklich löschen:</translation>
    </message>
    <message>
        <source>Are you sure you want to delete these %1 files?</source>
        <translation>Möchten Sie diese %1 Dateien wirklich löschen?</translation>
    </message>
    <message>
        <source>Select your MP3 directory</source>
        <translation>MP3-Ordner auswählen</translation>
    </message>
    <message>
        <source>Select your BMU directory</source>
        <translation>BMU-Ordner auswählen</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
</context>
<context>
    <name>MusicTable</name>
    <message>
        <source>%1 column missing</source>
        <translation>Spalte %1 fehlt</translation>
    </message>
</context>
<context>
    <name>OpenedFiles</name>
    <message>
        <source>not a file or folder</source>
        <translation>weder Datei noch Ordner</translation>
    </message>
    <message>
        <source>neither an MP3 nor a BMU file</source>
        <translation>weder MP3- noch BMU-Datei</translation>
    </message>
    <message>
        <source>not in %1, the folder of the files before it of its kind</source>
        <translation>nicht in %1, dem Ordner der vorher genannten Dateien dieser Art</translation>
    </message>
    <message>
        <source>both panes already have a folder</source>
        <translation>beide Bereiche haben bereits einen Ordner</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>rename .&amp;wav</source>
        <translation>Endung .&amp;wav</translation>
    </message>
    <message>
        <source>&amp;overwrite all</source>
        <translation>&amp;Alle ersetzen</translation>
    </message>
    <message>
        <source>&amp;preserve file date/time</source>
        <translation>&amp;Dateidatum beibehalten</translation>
    </message>
    <message>
        <source>&amp;re-encode unsuitable</source>
        <translation>&amp;Ungeeignete umkodieren</translation>
    </message>
    <message>
        <source>&amp;game names</source>
        <translation>&amp;Spielnamen</translation>
    </message>
</context>
<context>
    <name>RandomAccess</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>Reencoding</name>
    <message>
        <source>The MP3 encoder could not be set up</source>
        <translation>Der MP3-Encoder konnte nicht eingerichtet werden</translation>
    </message>
    <message>
        <source>The resampler stalled</source>
        <translation>Die Abtastratenwandlung ist stehen geblieben</translation>
    </message>
    <message>
        <source>The MP3 encoder failed</source>
        <translation>Fehler im MP3-Encoder</translation>
    </message>
    <message>
        <source>Re-encoding %1</source>
        <translation>%1 wird umkodiert</translation>
    </message>
    <message>
        <source>No MPEG audio could be decoded</source>
        <translation>Es konnten keine MPEG-Audiodaten dekodiert werden</translation>
    </message>
    <message>
        <source>Re-encoding is not available in this build</source>
        <translation>Umkodieren ist in dieser Programmversion nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>Suitability</name>
    <message>
        <source>- Channel mode is not stereo</source>
        <translation>- Kanalmodus ist nicht Stereo</translation>
    </message>
    <message>
        <source>- Channel mode is not mono</source>
        <translation>- Kanalmodus ist nicht Mono</translation>
    </message>
    <message>
        <source>- No %1 audio found</source>
        <extracomment>%1 is the kind of audio, such as &quot;MPEG-1 Layer III&quot;</extracomment>
        <translation>- Keine Audiodaten im Format %1 gefunden</translation>
    </message>
    <message>
        <source>- %1 audio found; the game expects %2</source>
        <extracomment>%1 is the kind of audio found, %2 the MPEG version and/or layer the game wants instead</extracomment>
        <translation>- Audiodaten im Format %1 gefunden; das Spiel erwartet %2</translation>
    </message>
    <message>
        <source>- Bit Rate is not Constant - Variable Bit Rate reported</source>
        <translation>- Bitrate ist nicht konstant – variable Bitrate erkannt</translation>
    </message>
    <message>
        <source>- Bit Rate is not %1 kbps - %2 reported</source>
        <extracomment>%2 is the bit rate read, such as &quot;96 kbps&quot; or &quot;free format&quot;</extracomment>
        <translation>- Bitrate ist nicht %1 kbps – %2 erkannt</translation>
    </message>
    <message>
        <source>- Sampling Frequency is not 44.1 kHz - %1 kHz reported</source>
        <translation>- Abtastrate ist nicht 44,1 kHz – %1 kHz erkannt</translation>
    </message>
    <message>
        <source>- file name (excluding &apos;.mp3&apos;) is longer than 16 characters</source>
        <translation>- Dateiname (ohne „.mp3“) ist länger als 16 Zeichen</translation>
    </message>
    <message>
        <source>- file name (excluding &apos;.mp3&apos;) has characters other than a-z, 0-9 and _</source>
        <translation>- Dateiname (ohne „.mp3“) enthält andere Zeichen als a-z, 0-9 und _</translation>
    </message>
    <message>
        <source>Warning! &apos;%1&apos;</source>
        <translation>Warnung! „%1“</translation>
    </message>
    <message>
        <source>has the following potential issues if you convert it to a BMU:</source>
        <translation>hat beim Umwandeln in BMU möglicherweise folgende Probleme:</translation>
    </message>
    <message>
        <source>Do you wish to continue?</source>
        <translation>Möchten Sie fortfahren?</translation>
    </message>
</context>
<context>
    <name>TwoDa</name>
    <message>
        <source>not a 2DA V2.0 table</source>
        <translation>keine 2DA-V2.0-Tabelle</translation>
    </message>
    <message>
        <source>neither empty nor &quot;DEFAULT: value&quot;</source>
        <translation>weder leer noch „DEFAULT: Wert“</translation>
    </message>
    <message>
        <source>a quote is not closed</source>
        <translation>ein Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>a row has %1 fields for %2 columns</source>
        <translation>Anzahl der Felder (%1) passt nicht zu den Spalten (%2)</translation>
    </message>
    <message>
        <source>the column names are missing</source>
        <translation>die Spaltennamen fehlen</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Tunewrap developers</source>
        <translation>Die Tunewrap-Entwickler</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>By:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>e-mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation>Homepage:</translation>
    </message>
    <message>
        <source>Adding BMUs:</source>
        <translation>BMUs einbinden:</translation>
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
        <translation>Details zum Durchlauf</translation>
    </message>
    <message>
        <source>Files of the last batch</source>
        <translation>Dateien des letzten Durchlaufs</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
</context>
<context>
    <name>frmDocument</name>
    <message>
        <source>The document %1 could not be found. It is installed with Tunewrap, in its documentation folder (share/doc/tunewrap); installing Tunewrap again brings it back.</source>
        <translation>Das Dokument %1 wurde nicht gefunden. Es wird mit Tunewrap in dessen Dokumentationsordner (share/doc/tunewrap) installiert; eine erneute Installation von Tunewrap stellt es wieder her.</translation>
    </message>
</context>
<context>
    <name>frmHak</name>
    <message>
        <source>Pack into hak</source>
        <translation>In Hak packen</translation>
    </message>
    <message>
        <source>Each song goes into the hak under its game name, with a row in the game&apos;s music table; the toolset lists it under its display name.</source>
        <translation>Jeder Titel kommt unter seinem Spielnamen ins Hak und erhält eine Zeile in der Musiktabelle des Spiels; das Toolset führt ihn unter seinem Anzeigenamen.</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Game name</source>
        <translation>Spielname</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Anzeigename</translation>
    </message>
    <message>
        <source>&amp;Hak:</source>
        <translation>&amp;Hak:</translation>
    </message>
    <message>
        <source>Browse for the hak</source>
        <translation>Hak auswählen</translation>
    </message>
    <message>
        <source>Music &amp;table...</source>
        <translation>&amp;Musiktabelle …</translation>
    </message>
    <message>
        <source>Hak&apos;s or &amp;game&apos;s table</source>
        <translation>Tabelle aus Hak oder &amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <source>Hak to write or add to</source>
        <translation>Hak anlegen oder ergänzen</translation>
    </message>
    <message>
        <source>Hak packs (*.hak)</source>
        <translation>Hak-Pakete (*.hak)</translation>
    </message>
    <message>
        <source>Music table to start from</source>
        <translation>Musiktabelle als Grundlage</translation>
    </message>
    <message>
        <source>2DA tables (*.2da)</source>
        <translation>2DA-Tabellen (*.2da)</translation>
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
        <translation>MP3-Dateien (*.mp3) – Quelle</translation>
    </message>
    <message>
        <source>To .&amp;BMU -&gt;</source>
        <translation>Nach .&amp;BMU -&gt;</translation>
    </message>
    <message>
        <source>This is used to convert 96k/ mono MP3s for sound effects, VO, etc.</source>
        <translation>Für 96k-Mono-MP3s wie Soundeffekte, Sprachausgabe usw.</translation>
    </message>
    <message>
        <source>&lt;- To .&amp;MP3</source>
        <translation>&lt;- Nach .&amp;MP3</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Info …</translation>
    </message>
    <message>
        <source>BMU files (*.bmu, *.wav) files - destination</source>
        <translation>BMU-Dateien (*.bmu, *.wav) – Ziel</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Details …</translation>
    </message>
    <message>
        <source>Details of the last batch</source>
        <translation>Details zum letzten Durchlauf</translation>
    </message>
    <message>
        <source>Browse for directory</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Refresh directory</source>
        <translation>Ordner aktualisieren</translation>
    </message>
    <message>
        <source>Browse for source directory</source>
        <translation>Quellordner auswählen</translation>
    </message>
    <message>
        <source>Browse for destination directory</source>
        <translation>Zielordner auswählen</translation>
    </message>
    <message>
        <source>Refresh source directory</source>
        <translation>Quellordner aktualisieren</translation>
    </message>
    <message>
        <source>Refresh destination directory</source>
        <translation>Zielordner aktualisieren</translation>
    </message>
    <message>
        <source>MP3 files</source>
        <translation>MP3-Dateien</translation>
    </message>
    <message>
        <source>BMU files</source>
        <translation>BMU-Dateien</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Kontextmenü</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Pack into hak...</source>
        <translation>In Hak packen …</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Wird umgewandelt …</translation>
    </message>
    <message>
        <source>File %1 of %2</source>
        <translation>Datei %1 von %2</translation>
    </message>
    <message>
        <source>Batch progress</source>
        <translation>Gesamtfortschritt</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Canceling</source>
        <translation>Wird abgebrochen</translation>
    </message>
</context>
<context>
    <name>frmProperties</name>
    <message>
        <source>Yes, as music (128 kbit/s stereo)</source>
        <translation>Ja, als Musik (128 kbit/s, Stereo)</translation>
    </message>
    <message>
        <source>No, as music (128 kbit/s stereo)</source>
        <translation>Nein, als Musik (128 kbit/s, Stereo)</translation>
    </message>
    <message>
        <source>Yes, as a sound effect (96 kbit/s mono)</source>
        <translation>Ja, als Soundeffekt (96 kbit/s, Mono)</translation>
    </message>
    <message>
        <source>No, as a sound effect (96 kbit/s mono)</source>
        <translation>Nein, als Soundeffekt (96 kbit/s, Mono)</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>BMU file (an MP3 behind an 8-byte header)</source>
        <translation>BMU-Datei (MP3 mit vorangestelltem 8-Byte-Header)</translation>
    </message>
    <message>
        <source>MP3 file</source>
        <translation>MP3-Datei</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Geändert:</translation>
    </message>
    <message>
        <source>Frame headers:</source>
        <translation>Frame-Header:</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source>Audio:</source>
        <translation>Audio:</translation>
    </message>
    <message>
        <source>Bit rate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Variable bit rate:</source>
        <translation>Variable Bitrate:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Sampling frequency:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Channel mode:</source>
        <translation>Kanalmodus:</translation>
    </message>
    <message>
        <source>CRC:</source>
        <translation>CRC:</translation>
    </message>
    <message>
        <source>Suits the game:</source>
        <translation>Für das Spiel geeignet:</translation>
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
        <translation>Aufruf: tunewrap [--help | --version] [--] [FILE | DIR]...
Öffnet das Tunewrap-Fenster: links MP3-Dateien, rechts die BMU-Dateien des Spiels.
MP3-Dateien (FILE) erscheinen links in ihrem Ordner, BMU-Dateien rechts, ausgewählt
und bereit zum Umwandeln; ein DIR wird links angezeigt, ein zweites DIR rechts.
Umgewandelt wird erst, wenn Sie auf eine Schaltfläche zum Umwandeln klicken.
Für Skripte und ganze Ordner verwenden Sie tunewrap-cli.

Optionen:
  -h,--help    Diese Hilfe ausgeben und beenden
  --version    Version und Lizenz ausgeben und beenden
</translation>
    </message>
    <message>
        <source>tunewrap: unknown option %1</source>
        <translation>tunewrap: unbekannte Option %1</translation>
    </message>
</context>
</TS>
