<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <translation>adatto</translation>
    </message>
    <message>
        <source>unsuitable</source>
        <translation>inadatto</translation>
    </message>
</context>
<context>
    <name>BatchConvert</name>
    <message>
        <source>The file name is empty</source>
        <translation>Il nome del file è vuoto</translation>
    </message>
    <message>
        <source>not a BMU file</source>
        <translation>non è un file BMU</translation>
    </message>
    <message>
        <source>already a BMU file</source>
        <translation>è già un file BMU</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to overwrite it?</source>
        <translation>%1 esiste già. Vuoi sovrascriverlo?</translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation>File esistente</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>%1 could not be converted:</source>
        <translation>Impossibile convertire %1:</translation>
    </message>
    <message>
        <source>Conversion Failed</source>
        <translation>Conversione non riuscita</translation>
    </message>
    <message>
        <source>Do you want to continue with the remaining files?</source>
        <translation>Vuoi continuare con i file rimanenti?</translation>
    </message>
    <message>
        <source>Source and destination are the same file</source>
        <translation>Origine e destinazione sono lo stesso file</translation>
    </message>
    <message>
        <source>would overwrite a file this run just created</source>
        <translation>sovrascriverebbe un file appena creato da questa operazione</translation>
    </message>
    <message>
        <source>would overwrite a source of this run</source>
        <translation>sovrascriverebbe un file di origine di questa operazione</translation>
    </message>
</context>
<context>
    <name>BatchSummary</name>
    <message>
        <source>re-encoded to %1</source>
        <translation>ricodificato in %1</translation>
    </message>
    <message>
        <source>converted to %1</source>
        <translation>convertito in %1</translation>
    </message>
    <message>
        <source>skipped: exists</source>
        <translation>saltato: esiste già</translation>
    </message>
    <message>
        <source>skipped: unsuitable</source>
        <translation>saltato: inadatto</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>non riuscito: %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annullato</translation>
    </message>
    <message>
        <source>failed: unknown error</source>
        <translation>non riuscito: errore sconosciuto</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed</source>
        <translation>Convertiti: %1, saltati: %2, non riusciti: %3</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed, %4 cancelled</source>
        <translation>Convertiti: %1, saltati: %2, non riusciti: %3, annullati: %4</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed, %5 not reached</source>
        <translation>Convertiti: %1, saltati: %2, non riusciti: %3, non raggiunti: %5</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed, %4 cancelled, %5 not reached</source>
        <translation>Convertiti: %1, saltati: %2, non riusciti: %3, annullati: %4, non raggiunti: %5</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>non raggiunto</translation>
    </message>
</context>
<context>
    <name>ConvertFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file regolare</translation>
    </message>
    <message>
        <source>The file&apos;s size is not known before it is read (as with the files in /proc)</source>
        <translation>La dimensione del file non è nota prima di leggerlo (come per i file in /proc)</translation>
    </message>
</context>
<context>
    <name>Erf</name>
    <message>
        <source>Too short for an ERF archive</source>
        <translation>Troppo corto per un archivio ERF</translation>
    </message>
    <message>
        <source>Not a hak, ERF or module file</source>
        <translation>Non è un file hak, ERF o modulo</translation>
    </message>
    <message>
        <source>Not an ERF V1.0 archive</source>
        <translation>Non è un archivio ERF V1.0</translation>
    </message>
    <message>
        <source>The archive&apos;s index lies outside the file</source>
        <translation>L&apos;indice dell&apos;archivio si trova fuori dal file</translation>
    </message>
    <message>
        <source>The archive could not be read</source>
        <translation>Impossibile leggere l&apos;archivio</translation>
    </message>
    <message>
        <source>The archive&apos;s descriptions do not fit their room</source>
        <translation>Le descrizioni dell&apos;archivio non rientrano nello spazio previsto</translation>
    </message>
    <message>
        <source>Entry %1 has no valid name</source>
        <translation>La voce %1 non ha un nome valido</translation>
    </message>
    <message>
        <source>Entry %1 lies outside the file</source>
        <translation>La voce %1 si trova fuori dal file</translation>
    </message>
    <message>
        <source>Entry %1 is in the archive twice</source>
        <translation>La voce %1 è presente due volte nell&apos;archivio</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid resource name</source>
        <translation>«%1» non è un nome di risorsa valido</translation>
    </message>
    <message>
        <source>More entries than announced</source>
        <translation>Più voci di quelle annunciate</translation>
    </message>
    <message>
        <source>The archive would pass 4 GiB</source>
        <translation>L&apos;archivio supererebbe 4 GiB</translation>
    </message>
    <message>
        <source>No archive is being written</source>
        <translation>Nessun archivio in fase di scrittura</translation>
    </message>
    <message>
        <source>Too many entries for one archive</source>
        <translation>Troppe voci per un solo archivio</translation>
    </message>
    <message>
        <source>%1 of %2 entries were added</source>
        <translation>Voci aggiunte: %1 su %2</translation>
    </message>
</context>
<context>
    <name>FailureReasons</name>
    <message>
        <source>The source file changed while it was being converted</source>
        <translation>Il file di origine è cambiato durante la conversione</translation>
    </message>
</context>
<context>
    <name>FileByteSource</name>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file regolare</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>Too many unfinished conversions of this file are in progress</source>
        <translation>Ci sono troppe conversioni non terminate di questo file in corso</translation>
    </message>
</context>
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
    <name>HakMaker</name>
    <message>
        <source>%1 in %2</source>
        <extracomment>%1 is the music table&apos;s file name, %2 the hak&apos;s path</extracomment>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>too large for a music table</source>
        <translation>troppo grande per una tabella musicale</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>%1 is where the table was read from, %2 the line, %3 what is wrong with it</extracomment>
        <translation>%1, riga %2: %3</translation>
    </message>
    <message>
        <source>No music table to start from. A hak&apos;s %1 replaces the game&apos;s whole table, so the new rows need the game&apos;s own rows before them, and the game was not found where it is usually installed. Name the game&apos;s folder or a table to start from.</source>
        <translation>Nessuna tabella musicale di partenza. Il file %1 di un hak sostituisce l&apos;intera tabella del gioco, quindi le nuove righe devono essere precedute dalle righe originali del gioco, ma il gioco non è stato trovato dove viene solitamente installato. Indica la cartella del gioco o una tabella di partenza.</translation>
    </message>
    <message>
        <source>No music table to start from. A hak&apos;s %1 replaces the game&apos;s whole table, so the new rows need the game&apos;s own rows before them, and the game was not found in %2. Name the game&apos;s folder or a table to start from.</source>
        <extracomment>%1 is the music table&apos;s file name, %2 the folder the game was looked for in</extracomment>
        <translation>Nessuna tabella musicale di partenza. Il file %1 di un hak sostituisce l&apos;intera tabella del gioco, quindi le nuove righe devono essere precedute dalle righe originali del gioco, ma il gioco non è stato trovato in %2. Indica la cartella del gioco o una tabella di partenza.</translation>
    </message>
    <message>
        <source>the game&apos;s data in %1</source>
        <translation>i dati del gioco in %1</translation>
    </message>
    <message>
        <source>%1 holds no %2</source>
        <translation>%2 non si trova tra %1</translation>
    </message>
    <message>
        <source>Wave audio, not MPEG audio</source>
        <translation>Audio Wave, non audio MPEG</translation>
    </message>
    <message>
        <source>packed as %1, row %2</source>
        <translation>inserito come %1, riga %2</translation>
    </message>
    <message>
        <source>re-encoded as %1, row %2</source>
        <translation>ricodificato come %1, riga %2</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>non riuscito: %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annullato</translation>
    </message>
    <message>
        <source>%1 packed, %2 failed, cancelled</source>
        <translation>Inseriti: %1, non riusciti: %2, operazione annullata</translation>
    </message>
    <message>
        <source>%1 packed, %2 failed</source>
        <translation>Inseriti: %1, non riusciti: %2</translation>
    </message>
    <message>
        <source>Hak written to %1</source>
        <translation>Hak scritto in %1</translation>
    </message>
    <message>
        <source>No hak written: cancelled</source>
        <translation>Nessun hak scritto: operazione annullata</translation>
    </message>
    <message>
        <source>No hak written: %1</source>
        <translation>Nessun hak scritto: %1</translation>
    </message>
    <message>
        <source>None of the songs could be packed</source>
        <translation>Non è stato possibile inserire nessuno dei brani</translation>
    </message>
</context>
<context>
    <name>HakPlan</name>
    <message>
        <source>1 to 16 of a-z, 0-9 and _</source>
        <translation>Da 1 a 16 caratteri tra a-z, 0-9 e _</translation>
    </message>
    <message>
        <source>Also the name of another song</source>
        <translation>È anche il nome di un altro brano</translation>
    </message>
    <message>
        <source>The toolset lists the song under this name</source>
        <translation>Il toolset elenca il brano con questo nome</translation>
    </message>
    <message>
        <source>No &quot; or control characters, no spaces at the ends, at most %1 bytes</source>
        <translation>Niente &quot; né caratteri di controllo, niente spazi all&apos;inizio o alla fine, al massimo %1 byte</translation>
    </message>
    <message>
        <source>A new hak. The music table starts from %1 (%2 row); new songs get the rows after.</source>
        <extracomment>%1 is where the music table comes from: a file, a hak&apos;s table or the game&apos;s data</extracomment>
        <translation>Nuovo hak. Tabella musicale di partenza: %1 (%2 riga); i nuovi brani ricevono le righe successive.</translation>
    </message>
    <message>
        <source>A new hak. The music table starts from %1 (%2 rows); new songs get the rows after.</source>
        <translation>Nuovo hak. Tabella musicale di partenza: %1 (%2 righe); i nuovi brani ricevono le righe successive.</translation>
    </message>
    <message>
        <source>Adds to the %3 entries of this hak. The music table starts from %1 (%2 row); new songs get the rows after.</source>
        <translation>Aggiunta a questo hak (voci già presenti: %3). Tabella musicale di partenza: %1 (%2 riga); i nuovi brani ricevono le righe successive.</translation>
    </message>
    <message>
        <source>Adds to the %3 entries of this hak. The music table starts from %1 (%2 rows); new songs get the rows after.</source>
        <translation>Aggiunta a questo hak (voci già presenti: %3). Tabella musicale di partenza: %1 (%2 righe); i nuovi brani ricevono le righe successive.</translation>
    </message>
</context>
<context>
    <name>KeyBif</name>
    <message>
        <source>not a BIF V1 archive</source>
        <translation>non è un archivio BIF V1</translation>
    </message>
    <message>
        <source>its resource table lies outside the file</source>
        <translation>la tabella delle risorse si trova fuori dal file</translation>
    </message>
    <message>
        <source>the key names an entry it does not have</source>
        <translation>il file KEY indica una voce che il BIF non contiene</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>lettura non riuscita</translation>
    </message>
    <message>
        <source>an entry lies outside the file</source>
        <translation>una voce si trova fuori dal file</translation>
    </message>
    <message>
        <source>not a KEY V1 file</source>
        <translation>non è un file KEY V1</translation>
    </message>
    <message>
        <source>its tables lie outside the file</source>
        <translation>le tabelle si trovano fuori dal file</translation>
    </message>
    <message>
        <source>an entry names a BIF it does not list</source>
        <translation>una voce indica un BIF che il file non elenca</translation>
    </message>
    <message>
        <source>a BIF&apos;s name lies outside the file</source>
        <translation>il nome di un BIF si trova fuori dal file</translation>
    </message>
    <message>
        <source>The key file</source>
        <translation>Il file KEY</translation>
    </message>
</context>
<context>
    <name>MP3Utils</name>
    <message>
        <source>free format</source>
        <translation>formato libero</translation>
    </message>
    <message>
        <source>invalid</source>
        <extracomment>a bit rate the header forbids</extracomment>
        <translation>non valido</translation>
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
        <translation>doppio canale</translation>
    </message>
    <message>
        <source>single channel</source>
        <translation>canale singolo</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuta</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>non trovato</translation>
    </message>
</context>
<context>
    <name>MainPresenter</name>
    <message>
        <source>Are you sure you want to delete:</source>
        <translation>Vuoi davvero eliminare questo file?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete these %1 files?</source>
        <translation>Vuoi davvero eliminare questi %1 file?</translation>
    </message>
    <message>
        <source>Select your MP3 directory</source>
        <translation>Seleziona la cartella degli MP3</translation>
    </message>
    <message>
        <source>Select your BMU directory</source>
        <translation>Seleziona la cartella dei BMU</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Conferma eliminazione</translation>
    </message>
</context>
<context>
    <name>MusicTable</name>
    <message>
        <source>%1 column missing</source>
        <translation>colonna %1 mancante</translation>
    </message>
</context>
<context>
    <name>OpenedFiles</name>
    <message>
        <source>not a file or folder</source>
        <translation>non è né un file né una cartella</translation>
    </message>
    <message>
        <source>neither an MP3 nor a BMU file</source>
        <translation>non è né un file MP3 né un file BMU</translation>
    </message>
    <message>
        <source>not in %1, the folder of the files before it of its kind</source>
        <translation>non si trova in %1, la cartella dei file dello stesso tipo indicati prima</translation>
    </message>
    <message>
        <source>both panes already have a folder</source>
        <translation>entrambi i riquadri hanno già una cartella</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>rename .&amp;wav</source>
        <translation>come .&amp;wav</translation>
    </message>
    <message>
        <source>&amp;overwrite all</source>
        <translation>&amp;sovrascrivi</translation>
    </message>
    <message>
        <source>&amp;preserve file date/time</source>
        <translation>&amp;conserva data/ora</translation>
    </message>
    <message>
        <source>&amp;re-encode unsuitable</source>
        <translation>&amp;ricodifica inadatti</translation>
    </message>
    <message>
        <source>&amp;game names</source>
        <translation>&amp;nomi di gioco</translation>
    </message>
</context>
<context>
    <name>RandomAccess</name>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file regolare</translation>
    </message>
</context>
<context>
    <name>Reencoding</name>
    <message>
        <source>The MP3 encoder could not be set up</source>
        <translation>Impossibile inizializzare l&apos;encoder MP3</translation>
    </message>
    <message>
        <source>The resampler stalled</source>
        <translation>Il ricampionamento si è bloccato</translation>
    </message>
    <message>
        <source>The MP3 encoder failed</source>
        <translation>Errore dell&apos;encoder MP3</translation>
    </message>
    <message>
        <source>Re-encoding %1</source>
        <translation>Ricodifica di %1</translation>
    </message>
    <message>
        <source>No MPEG audio could be decoded</source>
        <translation>Impossibile decodificare audio MPEG</translation>
    </message>
    <message>
        <source>Re-encoding is not available in this build</source>
        <translation>La ricodifica non è disponibile in questa versione del programma</translation>
    </message>
</context>
<context>
    <name>Suitability</name>
    <message>
        <source>- Channel mode is not stereo</source>
        <translation>- La modalità canali non è stereo</translation>
    </message>
    <message>
        <source>- Channel mode is not mono</source>
        <translation>- La modalità canali non è mono</translation>
    </message>
    <message>
        <source>- No %1 audio found</source>
        <extracomment>%1 is the kind of audio, such as &quot;MPEG-1 Layer III&quot;</extracomment>
        <translation>- Nessun audio %1 trovato</translation>
    </message>
    <message>
        <source>- %1 audio found; the game expects %2</source>
        <extracomment>%1 is the kind of audio found, %2 the MPEG version and/or layer the game wants instead</extracomment>
        <translation>- Trovato audio %1; il gioco si aspetta %2</translation>
    </message>
    <message>
        <source>- Bit Rate is not Constant - Variable Bit Rate reported</source>
        <translation>- Il bitrate non è costante - rilevato: bitrate variabile</translation>
    </message>
    <message>
        <source>- Bit Rate is not %1 kbps - %2 reported</source>
        <extracomment>%2 is the bit rate read, such as &quot;96 kbps&quot; or &quot;free format&quot;</extracomment>
        <translation>- Il bitrate non è %1 kbps - rilevato: %2</translation>
    </message>
    <message>
        <source>- Sampling Frequency is not 44.1 kHz - %1 kHz reported</source>
        <translation>- La frequenza di campionamento non è 44,1 kHz - rilevato: %1 kHz</translation>
    </message>
    <message>
        <source>- file name (excluding &apos;.mp3&apos;) is longer than 16 characters</source>
        <translation>- Il nome del file (senza «.mp3») supera i 16 caratteri</translation>
    </message>
    <message>
        <source>- file name (excluding &apos;.mp3&apos;) has characters other than a-z, 0-9 and _</source>
        <translation>- Il nome del file (senza «.mp3») contiene caratteri diversi da a-z, 0-9 e _</translation>
    </message>
    <message>
        <source>Warning! &apos;%1&apos;</source>
        <translation>Attenzione! «%1»</translation>
    </message>
    <message>
        <source>has the following potential issues if you convert it to a BMU:</source>
        <translation>potrebbe avere i seguenti problemi se lo converti in BMU:</translation>
    </message>
    <message>
        <source>Do you wish to continue?</source>
        <translation>Vuoi continuare?</translation>
    </message>
</context>
<context>
    <name>TwoDa</name>
    <message>
        <source>not a 2DA V2.0 table</source>
        <translation>non è una tabella 2DA V2.0</translation>
    </message>
    <message>
        <source>neither empty nor &quot;DEFAULT: value&quot;</source>
        <translation>né vuota né nella forma «DEFAULT: valore»</translation>
    </message>
    <message>
        <source>a quote is not closed</source>
        <translation>virgolette non chiuse</translation>
    </message>
    <message>
        <source>a row has %1 fields for %2 columns</source>
        <translation>una riga ha un numero di campi (%1) diverso da quello delle colonne (%2)</translation>
    </message>
    <message>
        <source>the column names are missing</source>
        <translation>mancano i nomi delle colonne</translation>
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
        <translation>Uso: tunewrap [--help | --version] [--] [FILE | DIR]...
Apre la finestra di Tunewrap: i file MP3 a sinistra, i file BMU del gioco a destra.
Un FILE MP3 apre la sua cartella a sinistra, un FILE BMU la sua a destra, con i file
selezionati e pronti da convertire; una DIR viene elencata a sinistra, una seconda
DIR a destra. Nulla viene convertito finché non premi un pulsante di conversione.
Per script e intere cartelle usa tunewrap-cli.

Opzioni:
  -h,--help    Mostra questo aiuto ed esce
  --version    Mostra la versione e la licenza ed esce
</translation>
    </message>
    <message>
        <source>tunewrap: unknown option %1</source>
        <translation>tunewrap: opzione sconosciuta %1</translation>
    </message>
</context>
</TS>
