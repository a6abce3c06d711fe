<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Zum Umwandeln von 96k-Mono-MP3s für Soundeffekte, Sprachausgabe usw.</translation>
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
        <translation>Umwandeln …</translation>
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
</TS>
