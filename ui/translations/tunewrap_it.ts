<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>FileListView</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durata</translation>
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
        <translation>Canali</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Giudizio</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Tunewrap developers</source>
        <translation>Gli sviluppatori di Tunewrap</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>By:</source>
        <translation>Autori:</translation>
    </message>
    <message>
        <source>e-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation>Home page:</translation>
    </message>
    <message>
        <source>Adding BMUs:</source>
        <translation>Aggiungere BMU:</translation>
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
        <translation>Dettagli dell&apos;operazione</translation>
    </message>
    <message>
        <source>Files of the last batch</source>
        <translation>File dell&apos;ultima operazione</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
</context>
<context>
    <name>frmDocument</name>
    <message>
        <source>The document %1 could not be found. It is installed with Tunewrap, in its documentation folder (share/doc/tunewrap); installing Tunewrap again brings it back.</source>
        <translation>Impossibile trovare il documento %1. Viene installato insieme a Tunewrap, nella sua cartella della documentazione (share/doc/tunewrap); reinstallando Tunewrap lo si ripristina.</translation>
    </message>
</context>
<context>
    <name>frmHak</name>
    <message>
        <source>Pack into hak</source>
        <translation>Impacchetta in un hak</translation>
    </message>
    <message>
        <source>Each song goes into the hak under its game name, with a row in the game&apos;s music table; the toolset lists it under its display name.</source>
        <translation>Ogni brano entra nell&apos;hak con il suo nome di gioco e una riga nella tabella musicale del gioco; il toolset lo elenca con il suo nome visualizzato.</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Brani</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Game name</source>
        <translation>Nome di gioco</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Nome visualizzato</translation>
    </message>
    <message>
        <source>&amp;Hak:</source>
        <translation>&amp;Hak:</translation>
    </message>
    <message>
        <source>Browse for the hak</source>
        <translation>Scegli l&apos;hak</translation>
    </message>
    <message>
        <source>Music &amp;table...</source>
        <translation>&amp;Tabella musicale...</translation>
    </message>
    <message>
        <source>Hak&apos;s or &amp;game&apos;s table</source>
        <translation>Tabella dell&apos;hak o del &amp;gioco</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Crea</translation>
    </message>
    <message>
        <source>Hak to write or add to</source>
        <translation>Hak da creare o da ampliare</translation>
    </message>
    <message>
        <source>Hak packs (*.hak)</source>
        <translation>Pacchetti hak (*.hak)</translation>
    </message>
    <message>
        <source>Music table to start from</source>
        <translation>Tabella musicale di partenza</translation>
    </message>
    <message>
        <source>2DA tables (*.2da)</source>
        <translation>Tabelle 2DA (*.2da)</translation>
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
        <translation>File MP3 (*.mp3) - origine</translation>
    </message>
    <message>
        <source>To .&amp;BMU -&gt;</source>
        <translation>In .&amp;BMU -&gt;</translation>
    </message>
    <message>
        <source>This is used to convert 96k/ mono MP3s for sound effects, VO, etc.</source>
        <translation>Serve per convertire MP3 mono a 96k per effetti sonori, voci ecc.</translation>
    </message>
    <message>
        <source>&lt;- To .&amp;MP3</source>
        <translation>&lt;- In .&amp;MP3</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Info...</translation>
    </message>
    <message>
        <source>BMU files (*.bmu, *.wav) files - destination</source>
        <translation>File BMU (*.bmu, *.wav) - destinazione</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Dettagli...</translation>
    </message>
    <message>
        <source>Details of the last batch</source>
        <translation>Dettagli dell&apos;ultima operazione</translation>
    </message>
    <message>
        <source>Browse for directory</source>
        <translation>Scegli la cartella</translation>
    </message>
    <message>
        <source>Refresh directory</source>
        <translation>Aggiorna la cartella</translation>
    </message>
    <message>
        <source>Browse for source directory</source>
        <translation>Scegli la cartella di origine</translation>
    </message>
    <message>
        <source>Browse for destination directory</source>
        <translation>Scegli la cartella di destinazione</translation>
    </message>
    <message>
        <source>Refresh source directory</source>
        <translation>Aggiorna la cartella di origine</translation>
    </message>
    <message>
        <source>Refresh destination directory</source>
        <translation>Aggiorna la cartella di destinazione</translation>
    </message>
    <message>
        <source>MP3 files</source>
        <translation>File MP3</translation>
    </message>
    <message>
        <source>BMU files</source>
        <translation>File BMU</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Pack into hak...</source>
        <translation>Impacchetta in un hak...</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Conversione in corso...</translation>
    </message>
    <message>
        <source>File %1 of %2</source>
        <translation>File %1 di %2</translation>
    </message>
    <message>
        <source>Batch progress</source>
        <translation>Avanzamento complessivo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Canceling</source>
        <translation>Annullamento</translation>
    </message>
</context>
<context>
    <name>frmProperties</name>
    <message>
        <source>Yes, as music (128 kbit/s stereo)</source>
        <translation>Sì, come musica (128 kbit/s stereo)</translation>
    </message>
    <message>
        <source>No, as music (128 kbit/s stereo)</source>
        <translation>No, come musica (128 kbit/s stereo)</translation>
    </message>
    <message>
        <source>Yes, as a sound effect (96 kbit/s mono)</source>
        <translation>Sì, come effetto sonoro (96 kbit/s mono)</translation>
    </message>
    <message>
        <source>No, as a sound effect (96 kbit/s mono)</source>
        <translation>No, come effetto sonoro (96 kbit/s mono)</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Cartella:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>BMU file (an MP3 behind an 8-byte header)</source>
        <translation>File BMU (un MP3 preceduto da un&apos;intestazione di 8 byte)</translation>
    </message>
    <message>
        <source>MP3 file</source>
        <translation>File MP3</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Dimensione:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuta</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Ultima modifica:</translation>
    </message>
    <message>
        <source>Frame headers:</source>
        <translation>Intestazioni dei frame:</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>impossibile leggerle: %1</translation>
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
        <translation>Bitrate variabile:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Sampling frequency:</source>
        <translation>Frequenza di campionamento:</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Channel mode:</source>
        <translation>Modalità canali:</translation>
    </message>
    <message>
        <source>CRC:</source>
        <translation>CRC:</translation>
    </message>
    <message>
        <source>Suits the game:</source>
        <translation>Adatto al gioco:</translation>
    </message>
</context>
</TS>
