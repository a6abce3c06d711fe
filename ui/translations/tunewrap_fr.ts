<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>adapté</translation>
    </message>
    <message>
        <source>unsuitable</source>
        <translation>inadapté</translation>
    </message>
</context>
<context>
    <name>BatchConvert</name>
    <message>
        <source>The file name is empty</source>
        <translation>Le nom de fichier est vide</translation>
    </message>
    <message>
        <source>not a BMU file</source>
        <translation>pas un fichier BMU</translation>
    </message>
    <message>
        <source>already a BMU file</source>
        <translation>déjà un fichier BMU</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to overwrite it?</source>
        <translation>%1 existe déjà. Voulez-vous l’écraser&#xa0;?</translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation>Fichier existant</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>%1 could not be converted:</source>
        <translation>Impossible de convertir %1&#xa0;:</translation>
    </message>
    <message>
        <source>Conversion Failed</source>
        <translation>Échec de la conversion</translation>
    </message>
    <message>
        <source>Do you want to continue with the remaining files?</source>
        <translation>Voulez-vous continuer avec les fichiers restants&#xa0;?</translation>
    </message>
    <message>
        <source>Source and destination are the same file</source>
        <translation>La source et la destination sont le même fichier</translation>
    </message>
    <message>
        <source>would overwrite a file this run just created</source>
        <translation>écraserait un fichier que cette conversion vient de créer</translation>
    </message>
    <message>
        <source>would overwrite a source of this run</source>
        <translation>écraserait un fichier source de cette conversion</translation>
    </message>
</context>
<context>
    <name>BatchSummary</name>
    <message>
        <source>re-encoded to %1</source>
        <translation>réencodé en %1</translation>
    </message>
    <message>
        <source>converted to %1</source>
        <translation>converti en %1</translation>
    </message>
    <message>
        <source>skipped: exists</source>
        <translation>ignoré&#xa0;: existe déjà</translation>
    </message>
    <message>
        <source>skipped: unsuitable</source>
        <translation>ignoré&#xa0;: inadapté</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>échec&#xa0;: %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>failed: unknown error</source>
        <translation>échec&#xa0;: erreur inconnue</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed</source>
        <translation>Convertis&#xa0;: %1, ignorés&#xa0;: %2, échecs&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed, %4 cancelled</source>
        <translation>Convertis&#xa0;: %1, ignorés&#xa0;: %2, échecs&#xa0;: %3, annulés&#xa0;: %4</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed, %5 not reached</source>
        <translation>Convertis&#xa0;: %1, ignorés&#xa0;: %2, échecs&#xa0;: %3, non traités&#xa0;: %5</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed, %4 cancelled, %5 not reached</source>
        <translation>Convertis&#xa0;: %1, ignorés&#xa0;: %2, échecs&#xa0;: %3, annulés&#xa0;: %4, non traités&#xa0;: %5</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>non traité</translation>
    </message>
</context>
<context>
    <name>ConvertFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The file&apos;s size is not known before it is read (as with the files in /proc)</source>
        <translation>La taille du fichier n’est pas connue avant sa lecture (comme pour les fichiers de /proc)</translation>
    </message>
</context>
<context>
    <name>Erf</name>
    <message>
        <source>Too short for an ERF archive</source>
        <translation>Trop court pour une archive ERF</translation>
    </message>
    <message>
        <source>Not a hak, ERF or module file</source>
        <translation>Pas un fichier hak, ERF ou module</translation>
    </message>
    <message>
        <source>Not an ERF V1.0 archive</source>
        <translation>Pas une archive ERF V1.0</translation>
    </message>
    <message>
        <source>The archive&apos;s index lies outside the file</source>
        <translation>L’index de l’archive se trouve hors du fichier</translation>
    </message>
    <message>
        <source>The archive could not be read</source>
        <translation>Impossible de lire l’archive</translation>
    </message>
    <message>
        <source>The archive&apos;s descriptions do not fit their room</source>
        <translation>Les descriptions de l’archive dépassent l’espace qui leur est réservé</translation>
    </message>
    <message>
        <source>Entry %1 has no valid name</source>
        <translation>L’entrée %1 n’a pas de nom valide</translation>
    </message>
    <message>
        <source>Entry %1 lies outside the file</source>
        <translation>L’entrée %1 se trouve hors du fichier</translation>
    </message>
    <message>
        <source>Entry %1 is in the archive twice</source>
        <translation>L’entrée %1 figure deux fois dans l’archive</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid resource name</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nom de ressource valide</translation>
    </message>
    <message>
        <source>More entries than announced</source>
        <translation>Plus d’entrées qu’annoncé</translation>
    </message>
    <message>
        <source>The archive would pass 4 GiB</source>
        <translation>L’archive dépasserait 4 Gio</translation>
    </message>
    <message>
        <source>No archive is being written</source>
        <translation>Aucune archive n’est en cours d’écriture</translation>
    </message>
    <message>
        <source>Too many entries for one archive</source>
        <translation>Trop d’entrées pour une seule archive</translation>
    </message>
    <message>
        <source>%1 of %2 entries were added</source>
        <translation>Entrées ajoutées&#xa0;: %1 sur %2</translation>
    </message>
</context>
<context>
    <name>FailureReasons</name>
    <message>
        <source>The source file changed while it was being converted</source>
        <translation>Le fichier source a été modifié pendant sa conversion</translation>
    </message>
</context>
<context>
    <name>FileByteSource</name>
    <message>
        <source>Not a regular file</source>
        <translation>Pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>Too many unfinished conversions of this file are in progress</source>
        <translation>Trop de conversions inachevées de ce fichier sont en cours</translation>
    </message>
</context>
<context>
    <name>FileListView</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
</context>
<context>
    <name>HakMaker</name>
    <message>
        <source>%1 in %2</source>
        <extracomment>%1 is the music table&apos;s file name, %2 the hak&apos;s path</extracomment>
        <translation>%1 dans %2</translation>
    </message>
    <message>
        <source>too large for a music table</source>
        <translation>trop volumineux pour une table des musiques</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>%1 is where the table was read from, %2 the line, %3 what is wrong with it</extracomment>
        <translation>%1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>No music table to start from. A hak&apos;s %1 replaces the game&apos;s whole table, so the new rows need the game&apos;s own rows before them, and the game was not found where it is usually installed. Name the game&apos;s folder or a table to start from.</source>
        <translation>Aucune table des musiques de départ. Le fichier %1 d’un hak remplace toute la table du jeu&#xa0;: les nouvelles lignes doivent donc être précédées des lignes du jeu, or le jeu est introuvable à son emplacement d’installation habituel. Indiquez le dossier du jeu ou une table de départ.</translation>
    </message>
    <message>
        <source>No music table to start from. A hak&apos;s %1 replaces the game&apos;s whole table, so the new rows need the game&apos;s own rows before them, and the game was not found in %2. Name the game&apos;s folder or a table to start from.</source>
        <extracomment>%1 is the music table&apos;s file name, %2 the folder the game was looked for in</extracomment>
        <translation>Aucune table des musiques de départ. Le fichier %1 d’un hak remplace toute la table du jeu&#xa0;: les nouvelles lignes doivent donc être précédées des lignes du jeu, or le jeu est introuvable dans %2. Indiquez le dossier du jeu ou une table de départ.</translation>
    </message>
    <message>
        <source>the game&apos;s data in %1</source>
        <translation>les données du jeu (%1)</translation>
    </message>
    <message>
        <source>%1 holds no %2</source>
        <translation>Aucun fichier %2 dans %1</translation>
    </message>
    <message>
        <source>Wave audio, not MPEG audio</source>
        <translation>Audio Wave, et non MPEG</translation>
    </message>
    <message>
        <source>packed as %1, row %2</source>
        <translation>empaqueté sous %1, ligne %2</translation>
    </message>
    <message>
        <source>re-encoded as %1, row %2</source>
        <translation>réencodé sous %1, ligne %2</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>échec&#xa0;: %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>%1 packed, %2 failed, cancelled</source>
        <translation>Empaquetés&#xa0;: %1, échecs&#xa0;: %2, opération annulée</translation>
    </message>
    <message>
        <source>%1 packed, %2 failed</source>
        <translation>Empaquetés&#xa0;: %1, échecs&#xa0;: %2</translation>
    </message>
    <message>
        <source>Hak written to %1</source>
        <translation>Hak écrit dans %1</translation>
    </message>
    <message>
        <source>No hak written: cancelled</source>
        <translation>Aucun hak écrit&#xa0;: opération annulée</translation>
    </message>
    <message>
        <source>No hak written: %1</source>
        <translation>Aucun hak écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>None of the songs could be packed</source>
        <translation>Aucun morceau n’a pu être empaqueté</translation>
    </message>
</context>
<context>
    <name>HakPlan</name>
    <message>
        <source>1 to 16 of a-z, 0-9 and _</source>
        <translation>1 à 16 caractères parmi a-z, 0-9 et _</translation>
    </message>
    <message>
        <source>Also the name of another song</source>
        <translation>Déjà le nom d’un autre morceau</translation>
    </message>
    <message>
        <source>The toolset lists the song under this name</source>
        <translation>L’éditeur Aurora répertorie le morceau sous ce nom</translation>
    </message>
    <message>
        <source>No &quot; or control characters, no spaces at the ends, at most %1 bytes</source>
        <translation>Pas de &quot; ni de caractère de contrôle, pas d’espace aux extrémités, %1 octets au maximum</translation>
    </message>
    <message>
        <source>A new hak. The music table starts from %1 (%2 row); new songs get the rows after.</source>
        <extracomment>%1 is where the music table comes from: a file, a hak&apos;s table or the game&apos;s data</extracomment>
        <translation>Nouveau hak. Table des musiques de départ&#xa0;: %1, %2 ligne&#xa0;; les nouveaux morceaux prennent les lignes suivantes.</translation>
    </message>
    <message>
        <source>A new hak. The music table starts from %1 (%2 rows); new songs get the rows after.</source>
        <translation>Nouveau hak. Table des musiques de départ&#xa0;: %1, %2 lignes&#xa0;; les nouveaux morceaux prennent les lignes suivantes.</translation>
    </message>
    <message>
        <source>Adds to the %3 entries of this hak. The music table starts from %1 (%2 row); new songs get the rows after.</source>
        <translation>Complète ce hak (entrées existantes&#xa0;: %3). Table des musiques de départ&#xa0;: %1, %2 ligne&#xa0;; les nouveaux morceaux prennent les lignes suivantes.</translation>
    </message>
    <message>
        <source>Adds to the %3 entries of this hak. The music table starts from %1 (%2 rows); new songs get the rows after.</source>
        <translation>Complète ce hak (entrées existantes&#xa0;: %3). Table des musiques de départ&#xa0;: %1, %2 lignes&#xa0;; les nouveaux morceaux prennent les lignes suivantes.</translation>
    </message>
</context>
<context>
    <name>KeyBif</name>
    <message>
        <source>not a BIF V1 archive</source>
        <translation>pas une archive BIF V1</translation>
    </message>
    <message>
        <source>its resource table lies outside the file</source>
        <translation>sa table des ressources se trouve hors du fichier</translation>
    </message>
    <message>
        <source>the key names an entry it does not have</source>
        <translation>la clé désigne une entrée absente de ce fichier</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>an entry lies outside the file</source>
        <translation>une entrée se trouve hors du fichier</translation>
    </message>
    <message>
        <source>not a KEY V1 file</source>
        <translation>pas un fichier KEY V1</translation>
    </message>
    <message>
        <source>its tables lie outside the file</source>
        <translation>ses tables se trouvent hors du fichier</translation>
    </message>
    <message>
        <source>an entry names a BIF it does not list</source>
        <translation>une entrée désigne un BIF absent de sa liste</translation>
    </message>
    <message>
        <source>a BIF&apos;s name lies outside the file</source>
        <translation>le nom d’un BIF se trouve hors du fichier</translation>
    </message>
    <message>
        <source>The key file</source>
        <translation>Le fichier clé</translation>
    </message>
</context>
<context>
    <name>MP3Utils</name>
    <message>
        <source>free format</source>
        <translation>format libre</translation>
    </message>
    <message>
        <source>invalid</source>
        <extracomment>a bit rate the header forbids</extracomment>
        <translation>invalide</translation>
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
        <translation>stéréo</translation>
    </message>
    <message>
        <source>joint stereo</source>
        <translation>stéréo jointe</translation>
    </message>
    <message>
        <source>dual channel</source>
        <translation>double canal</translation>
    </message>
    <message>
        <source>single channel</source>
        <translation>canal unique</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>aucun détecté</translation>
    </message>
</context>
<context>
    <name>MainPresenter</name>
    <message>
        <source>Are you sure you want to delete:</source>
        <translation>Voulez-vous vraiment supprimer&#xa0;:</translation>
    </message>
    <message>
        <source>Are you sure you want to delete these %1 files?</source>
        <translation>Voulez-vous vraiment supprimer ces %1 fichiers&#xa0;?</translation>
    </message>
    <message>
        <source>Select your MP3 directory</source>
        <translation>Choisissez votre dossier MP3</translation>
    </message>
    <message>
        <source>Select your BMU directory</source>
        <translation>Choisissez votre dossier BMU</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmer la suppression</translation>
    </message>
</context>
<context>
    <name>MusicTable</name>
    <message>
        <source>%1 column missing</source>
        <translation>colonne %1 manquante</translation>
    </message>
</context>
<context>
    <name>OpenedFiles</name>
    <message>
        <source>not a file or folder</source>
        <translation>ni un fichier ni un dossier</translation>
    </message>
    <message>
        <source>neither an MP3 nor a BMU file</source>
        <translation>ni un fichier MP3 ni un fichier BMU</translation>
    </message>
    <message>
        <source>not in %1, the folder of the files before it of its kind</source>
        <translation>pas dans %1, le dossier des fichiers du même type qui le précèdent</translation>
    </message>
    <message>
        <source>both panes already have a folder</source>
        <translation>les deux volets ont déjà un dossier</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>rename .&amp;wav</source>
        <translation>en .&amp;wav</translation>
    </message>
    <message>
        <source>&amp;overwrite all</source>
        <translation>&amp;tout écraser</translation>
    </message>
    <message>
        <source>&amp;preserve file date/time</source>
        <translation>&amp;conserver la date/heure</translation>
    </message>
    <message>
        <source>&amp;re-encode unsuitable</source>
        <translation>&amp;réencoder si inadapté</translation>
    </message>
    <message>
        <source>&amp;game names</source>
        <translation>&amp;noms en jeu</translation>
    </message>
</context>
<context>
    <name>RandomAccess</name>
    <message>
        <source>Not a regular file</source>
        <translation>Pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>Reencoding</name>
    <message>
        <source>The MP3 encoder could not be set up</source>
        <translation>Impossible d’initialiser l’encodeur MP3</translation>
    </message>
    <message>
        <source>The resampler stalled</source>
        <translation>Le rééchantillonneur s’est bloqué</translation>
    </message>
    <message>
        <source>The MP3 encoder failed</source>
        <translation>L’encodeur MP3 a échoué</translation>
    </message>
    <message>
        <source>Re-encoding %1</source>
        <translation>Réencodage de %1</translation>
    </message>
    <message>
        <source>No MPEG audio could be decoded</source>
        <translation>Aucun flux audio MPEG n’a pu être décodé</translation>
    </message>
    <message>
        <source>Re-encoding is not available in this build</source>
        <translation>Le réencodage n’est pas disponible dans cette version</translation>
    </message>
</context>
<context>
    <name>Suitability</name>
    <message>
        <source>- Channel mode is not stereo</source>
        <translation>- Le mode de canal n’est pas stéréo</translation>
    </message>
    <message>
        <source>- Channel mode is not mono</source>
        <translation>- Le mode de canal n’est pas mono</translation>
    </message>
    <message>
        <source>- No %1 audio found</source>
        <extracomment>%1 is the kind of audio, such as &quot;MPEG-1 Layer III&quot;</extracomment>
        <translation>- Aucun flux audio %1 trouvé</translation>
    </message>
    <message>
        <source>- %1 audio found; the game expects %2</source>
        <extracomment>%1 is the kind of audio found, %2 the MPEG version and/or layer the game wants instead</extracomment>
        <translation>- Flux audio %1 trouvé&#xa0;; le jeu attend %2</translation>
    </message>
    <message>
        <source>- Bit Rate is not Constant - Variable Bit Rate reported</source>
        <translation>- Le débit n’est pas constant - débit variable signalé</translation>
    </message>
    <message>
        <source>- Bit Rate is not %1 kbps - %2 reported</source>
        <extracomment>%2 is the bit rate read, such as &quot;96 kbps&quot; or &quot;free format&quot;</extracomment>
        <translation>- Le débit n’est pas de %1 kbps - débit lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>- Sampling Frequency is not 44.1 kHz - %1 kHz reported</source>
        <translation>- La fréquence d’échantillonnage n’est pas de 44,1 kHz - fréquence lue&#xa0;: %1 kHz</translation>
    </message>
    <message>
        <source>- file name (excluding &apos;.mp3&apos;) is longer than 16 characters</source>
        <translation>- Le nom du fichier (sans «&#xa0;.mp3&#xa0;») dépasse 16 caractères</translation>
    </message>
    <message>
        <source>- file name (excluding &apos;.mp3&apos;) has characters other than a-z, 0-9 and _</source>
        <translation>- Le nom du fichier (sans «&#xa0;.mp3&#xa0;») contient des caractères autres que a-z, 0-9 et _</translation>
    </message>
    <message>
        <source>Warning! &apos;%1&apos;</source>
        <translation>Attention&#xa0;! «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>has the following potential issues if you convert it to a BMU:</source>
        <translation>présente les problèmes potentiels suivants si vous le convertissez en BMU&#xa0;:</translation>
    </message>
    <message>
        <source>Do you wish to continue?</source>
        <translation>Voulez-vous continuer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TwoDa</name>
    <message>
        <source>not a 2DA V2.0 table</source>
        <translation>pas une table 2DA V2.0</translation>
    </message>
    <message>
        <source>neither empty nor &quot;DEFAULT: value&quot;</source>
        <translation>ni vide ni «&#xa0;DEFAULT: valeur&#xa0;»</translation>
    </message>
    <message>
        <source>a quote is not closed</source>
        <translation>un guillemet n’est pas fermé</translation>
    </message>
    <message>
        <source>a row has %1 fields for %2 columns</source>
        <translation>nombre de champs d’une ligne (%1) différent du nombre de colonnes (%2)</translation>
    </message>
    <message>
        <source>the column names are missing</source>
        <translation>les noms de colonnes manquent</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Tunewrap developers</source>
        <translation>Les développeurs de Tunewrap</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>By:</source>
        <translation>Par&#xa0;:</translation>
    </message>
    <message>
        <source>e-mail:</source>
        <translation>Courriel&#xa0;:</translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation>Page d’accueil&#xa0;:</translation>
    </message>
    <message>
        <source>Adding BMUs:</source>
        <translation>Ajouter des BMU&#xa0;:</translation>
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
        <translation>Détails du lot</translation>
    </message>
    <message>
        <source>Files of the last batch</source>
        <translation>Fichiers du dernier lot</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
</context>
<context>
    <name>frmDocument</name>
    <message>
        <source>The document %1 could not be found. It is installed with Tunewrap, in its documentation folder (share/doc/tunewrap); installing Tunewrap again brings it back.</source>
        <translation>Le document %1 est introuvable. Il est installé avec Tunewrap, dans son dossier de documentation (share/doc/tunewrap)&#xa0;; réinstaller Tunewrap le rétablit.</translation>
    </message>
</context>
<context>
    <name>frmHak</name>
    <message>
        <source>Pack into hak</source>
        <translation>Empaqueter dans un hak</translation>
    </message>
    <message>
        <source>Each song goes into the hak under its game name, with a row in the game&apos;s music table; the toolset lists it under its display name.</source>
        <translation>Chaque morceau entre dans le hak sous son nom en jeu, avec une ligne dans la table des musiques du jeu&#xa0;; l’éditeur Aurora le répertorie sous son nom affiché.</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Morceaux</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Game name</source>
        <translation>Nom en jeu</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Nom affiché</translation>
    </message>
    <message>
        <source>&amp;Hak:</source>
        <translation>&amp;Hak&#xa0;:</translation>
    </message>
    <message>
        <source>Browse for the hak</source>
        <translation>Parcourir pour choisir le hak</translation>
    </message>
    <message>
        <source>Music &amp;table...</source>
        <translation>&amp;Table des musiques...</translation>
    </message>
    <message>
        <source>Hak&apos;s or &amp;game&apos;s table</source>
        <translation>Table du hak ou du &amp;jeu</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Créer</translation>
    </message>
    <message>
        <source>Hak to write or add to</source>
        <translation>Hak à créer ou à compléter</translation>
    </message>
    <message>
        <source>Hak packs (*.hak)</source>
        <translation>Fichiers hak (*.hak)</translation>
    </message>
    <message>
        <source>Music table to start from</source>
        <translation>Table des musiques de départ</translation>
    </message>
    <message>
        <source>2DA tables (*.2da)</source>
        <translation>Tables 2DA (*.2da)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>MP3 files (*.mp3) - source</source>
        <translation>Fichiers MP3 (*.mp3) - source</translation>
    </message>
    <message>
        <source>To .&amp;BMU -&gt;</source>
        <translation>Vers .&amp;BMU -&gt;</translation>
    </message>
    <message>
        <source>This is used to convert 96k/ mono MP3s for sound effects, VO, etc.</source>
        <translation>Sert à convertir les MP3 96k/ mono des effets sonores, voix, etc.</translation>
    </message>
    <message>
        <source>&lt;- To .&amp;MP3</source>
        <translation>&lt;- Vers .&amp;MP3</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>BMU files (*.bmu, *.wav) files - destination</source>
        <translation>Fichiers BMU (*.bmu, *.wav) - destination</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Détails...</translation>
    </message>
    <message>
        <source>Details of the last batch</source>
        <translation>Détails du dernier lot</translation>
    </message>
    <message>
        <source>Browse for directory</source>
        <translation>Choisir le dossier</translation>
    </message>
    <message>
        <source>Refresh directory</source>
        <translation>Actualiser le dossier</translation>
    </message>
    <message>
        <source>Browse for source directory</source>
        <translation>Choisir le dossier source</translation>
    </message>
    <message>
        <source>Browse for destination directory</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Refresh source directory</source>
        <translation>Actualiser le dossier source</translation>
    </message>
    <message>
        <source>Refresh destination directory</source>
        <translation>Actualiser le dossier de destination</translation>
    </message>
    <message>
        <source>MP3 files</source>
        <translation>Fichiers MP3</translation>
    </message>
    <message>
        <source>BMU files</source>
        <translation>Fichiers BMU</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Menu contextuel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Pack into hak...</source>
        <translation>Empaqueter dans un hak...</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Conversion...</translation>
    </message>
    <message>
        <source>File %1 of %2</source>
        <translation>Fichier %1 sur %2</translation>
    </message>
    <message>
        <source>Batch progress</source>
        <translation>Progression du lot</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Canceling</source>
        <translation>Annulation</translation>
    </message>
</context>
<context>
    <name>frmProperties</name>
    <message>
        <source>Yes, as music (128 kbit/s stereo)</source>
        <translation>Oui, en tant que musique (128 kbit/s stéréo)</translation>
    </message>
    <message>
        <source>No, as music (128 kbit/s stereo)</source>
        <translation>Non, en tant que musique (128 kbit/s stéréo)</translation>
    </message>
    <message>
        <source>Yes, as a sound effect (96 kbit/s mono)</source>
        <translation>Oui, en tant qu’effet sonore (96 kbit/s mono)</translation>
    </message>
    <message>
        <source>No, as a sound effect (96 kbit/s mono)</source>
        <translation>Non, en tant qu’effet sonore (96 kbit/s mono)</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>BMU file (an MP3 behind an 8-byte header)</source>
        <translation>Fichier BMU (un MP3 précédé d’un en-tête de 8 octets)</translation>
    </message>
    <message>
        <source>MP3 file</source>
        <translation>Fichier MP3</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modifié le&#xa0;:</translation>
    </message>
    <message>
        <source>Frame headers:</source>
        <translation>En-têtes de trame&#xa0;:</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>illisibles&#xa0;: %1</translation>
    </message>
    <message>
        <source>Audio:</source>
        <translation>Audio&#xa0;:</translation>
    </message>
    <message>
        <source>Bit rate:</source>
        <translation>Débit&#xa0;:</translation>
    </message>
    <message>
        <source>Variable bit rate:</source>
        <translation>Débit variable&#xa0;:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Sampling frequency:</source>
        <translation>Fréquence d’échantillonnage&#xa0;:</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Channel mode:</source>
        <translation>Mode de canal&#xa0;:</translation>
    </message>
    <message>
        <source>CRC:</source>
        <translation>CRC&#xa0;:</translation>
    </message>
    <message>
        <source>Suits the game:</source>
        <translation>Adapté au jeu&#xa0;:</translation>
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
        <translation>Utilisation&#xa0;: tunewrap [--help | --version] [--] [FILE | DIR]...
Ouvre la fenêtre de Tunewrap&#xa0;: fichiers MP3 à gauche, fichiers BMU du jeu à droite.
Un FILE MP3 ouvre son dossier à gauche, un FILE BMU le sien à droite, sélectionné
et prêt à être converti&#xa0;; un DIR s’affiche à gauche, un second DIR à droite.
Rien n’est converti tant que vous n’appuyez pas sur un bouton de conversion.
Pour les scripts et les dossiers entiers, utilisez tunewrap-cli.

Options&#xa0;:
  -h,--help    Affiche cette aide et quitte
  --version    Affiche la version et la licence et quitte
</translation>
    </message>
    <message>
        <source>tunewrap: unknown option %1</source>
        <translation>tunewrap&#xa0;: option inconnue %1</translation>
    </message>
</context>
</TS>
