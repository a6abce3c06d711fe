<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
</TS>
