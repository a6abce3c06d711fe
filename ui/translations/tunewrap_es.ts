<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>FileListView</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Tunewrap developers</source>
        <translation>Desarrolladores de Tunewrap</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>By:</source>
        <translation>Autores:</translation>
    </message>
    <message>
        <source>e-mail:</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation>Página web:</translation>
    </message>
    <message>
        <source>Adding BMUs:</source>
        <translation>Añadir BMU:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmBatchDetails</name>
    <message>
        <source>Batch Details</source>
        <translation>Detalles del lote</translation>
    </message>
    <message>
        <source>Files of the last batch</source>
        <translation>Archivos del último lote</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
</context>
<context>
    <name>frmDocument</name>
    <message>
        <source>The document %1 could not be found. It is installed with Tunewrap, in its documentation folder (share/doc/tunewrap); installing Tunewrap again brings it back.</source>
        <translation>No se ha encontrado el documento %1. Se instala con Tunewrap, en su carpeta de documentación (share/doc/tunewrap); al volver a instalar Tunewrap se recupera.</translation>
    </message>
</context>
<context>
    <name>frmHak</name>
    <message>
        <source>Pack into hak</source>
        <translation>Empaquetar en hak</translation>
    </message>
    <message>
        <source>Each song goes into the hak under its game name, with a row in the game&apos;s music table; the toolset lists it under its display name.</source>
        <translation>Cada canción entra en el hak con su nombre en el juego y con una fila en la tabla de música del juego; el toolset la muestra con su nombre visible.</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Canciones</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Game name</source>
        <translation>Nombre en el juego</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Nombre visible</translation>
    </message>
    <message>
        <source>&amp;Hak:</source>
        <translation>&amp;Hak:</translation>
    </message>
    <message>
        <source>Browse for the hak</source>
        <translation>Buscar el hak</translation>
    </message>
    <message>
        <source>Music &amp;table...</source>
        <translation>&amp;Tabla de música...</translation>
    </message>
    <message>
        <source>Hak&apos;s or &amp;game&apos;s table</source>
        <translation>Tabla del hak o del &amp;juego</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Crear</translation>
    </message>
    <message>
        <source>Hak to write or add to</source>
        <translation>Hak que crear o al que añadir</translation>
    </message>
    <message>
        <source>Hak packs (*.hak)</source>
        <translation>Paquetes hak (*.hak)</translation>
    </message>
    <message>
        <source>Music table to start from</source>
        <translation>Tabla de música de partida</translation>
    </message>
    <message>
        <source>2DA tables (*.2da)</source>
        <translation>Tablas 2DA (*.2da)</translation>
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
        <translation>Archivos MP3 (*.mp3) - origen</translation>
    </message>
    <message>
        <source>To .&amp;BMU -&gt;</source>
        <translation>A .&amp;BMU -&gt;</translation>
    </message>
    <message>
        <source>This is used to convert 96k/ mono MP3s for sound effects, VO, etc.</source>
        <translation>Sirve para convertir MP3 de 96k mono para efectos de sonido, voces, etc.</translation>
    </message>
    <message>
        <source>&lt;- To .&amp;MP3</source>
        <translation>&lt;- A .&amp;MP3</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>BMU files (*.bmu, *.wav) files - destination</source>
        <translation>Archivos BMU (*.bmu, *.wav) - destino</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Detalles...</translation>
    </message>
    <message>
        <source>Details of the last batch</source>
        <translation>Detalles del último lote</translation>
    </message>
    <message>
        <source>Browse for directory</source>
        <translation>Buscar carpeta</translation>
    </message>
    <message>
        <source>Refresh directory</source>
        <translation>Actualizar carpeta</translation>
    </message>
    <message>
        <source>Browse for source directory</source>
        <translation>Buscar carpeta de origen</translation>
    </message>
    <message>
        <source>Browse for destination directory</source>
        <translation>Buscar carpeta de destino</translation>
    </message>
    <message>
        <source>Refresh source directory</source>
        <translation>Actualizar carpeta de origen</translation>
    </message>
    <message>
        <source>Refresh destination directory</source>
        <translation>Actualizar carpeta de destino</translation>
    </message>
    <message>
        <source>MP3 files</source>
        <translation>Archivos MP3</translation>
    </message>
    <message>
        <source>BMU files</source>
        <translation>Archivos BMU</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Menú contextual</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Pack into hak...</source>
        <translation>Empaquetar en hak...</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Convirtiendo...</translation>
    </message>
    <message>
        <source>File %1 of %2</source>
        <translation>Archivo %1 de %2</translation>
    </message>
    <message>
        <source>Batch progress</source>
        <translation>Progreso del lote</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Canceling</source>
        <translation>Cancelando</translation>
    </message>
</context>
<context>
    <name>frmProperties</name>
    <message>
        <source>Yes, as music (128 kbit/s stereo)</source>
        <translation>Sí, como música (128 kbit/s estéreo)</translation>
    </message>
    <message>
        <source>No, as music (128 kbit/s stereo)</source>
        <translation>No, como música (128 kbit/s estéreo)</translation>
    </message>
    <message>
        <source>Yes, as a sound effect (96 kbit/s mono)</source>
        <translation>Sí, como efecto de sonido (96 kbit/s mono)</translation>
    </message>
    <message>
        <source>No, as a sound effect (96 kbit/s mono)</source>
        <translation>No, como efecto de sonido (96 kbit/s mono)</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>BMU file (an MP3 behind an 8-byte header)</source>
        <translation>Archivo BMU (un MP3 tras una cabecera de 8 bytes)</translation>
    </message>
    <message>
        <source>MP3 file</source>
        <translation>Archivo MP3</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modificado:</translation>
    </message>
    <message>
        <source>Frame headers:</source>
        <translation>Cabeceras de trama:</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se pueden leer: %1</translation>
    </message>
    <message>
        <source>Audio:</source>
        <translation>Audio:</translation>
    </message>
    <message>
        <source>Bit rate:</source>
        <translation>Tasa de bits:</translation>
    </message>
    <message>
        <source>Variable bit rate:</source>
        <translation>Tasa de bits variable:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Sampling frequency:</source>
        <translation>Frecuencia de muestreo:</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Channel mode:</source>
        <translation>Modo de canal:</translation>
    </message>
    <message>
        <source>CRC:</source>
        <translation>CRC:</translation>
    </message>
    <message>
        <source>Suits the game:</source>
        <translation>Apto para el juego:</translation>
    </message>
</context>
</TS>
