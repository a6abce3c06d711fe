<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
        <translation>apto</translation>
    </message>
    <message>
        <source>unsuitable</source>
        <translation>no apto</translation>
    </message>
</context>
<context>
    <name>BatchConvert</name>
    <message>
        <source>The file name is empty</source>
        <translation>El nombre del archivo está vacío</translation>
    </message>
    <message>
        <source>not a BMU file</source>
        <translation>no es un archivo BMU</translation>
    </message>
    <message>
        <source>already a BMU file</source>
        <translation>ya es un archivo BMU</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to overwrite it?</source>
        <translation>%1 ya existe. ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>%1 could not be converted:</source>
        <translation>No se ha podido convertir %1:</translation>
    </message>
    <message>
        <source>Conversion Failed</source>
        <translation>Error de conversión</translation>
    </message>
    <message>
        <source>Do you want to continue with the remaining files?</source>
        <translation>¿Desea continuar con los archivos restantes?</translation>
    </message>
    <message>
        <source>Source and destination are the same file</source>
        <translation>El origen y el destino son el mismo archivo</translation>
    </message>
    <message>
        <source>would overwrite a file this run just created</source>
        <translation>sobrescribiría un archivo que este lote acaba de crear</translation>
    </message>
    <message>
        <source>would overwrite a source of this run</source>
        <translation>sobrescribiría un archivo de origen de este lote</translation>
    </message>
</context>
<context>
    <name>BatchSummary</name>
    <message>
        <source>re-encoded to %1</source>
        <translation>recodificado a %1</translation>
    </message>
    <message>
        <source>converted to %1</source>
        <translation>convertido a %1</translation>
    </message>
    <message>
        <source>skipped: exists</source>
        <translation>omitido: ya existe</translation>
    </message>
    <message>
        <source>skipped: unsuitable</source>
        <translation>omitido: no apto</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fallido: %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>failed: unknown error</source>
        <translation>fallido: error desconocido</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed</source>
        <translation>Convertidos: %1, omitidos: %2, fallidos: %3</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed, %4 cancelled</source>
        <translation>Convertidos: %1, omitidos: %2, fallidos: %3, cancelados: %4</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed, %5 not reached</source>
        <translation>Convertidos: %1, omitidos: %2, fallidos: %3, sin procesar: %5</translation>
    </message>
    <message>
        <source>%1 converted, %2 skipped, %3 failed, %4 cancelled, %5 not reached</source>
        <translation>Convertidos: %1, omitidos: %2, fallidos: %3, cancelados: %4, sin procesar: %5</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>sin procesar</translation>
    </message>
</context>
<context>
    <name>ConvertFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>The file&apos;s size is not known before it is read (as with the files in /proc)</source>
        <translation>El tamaño del archivo no se conoce hasta leerlo (como ocurre con los archivos de /proc)</translation>
    </message>
</context>
<context>
    <name>Erf</name>
    <message>
        <source>Too short for an ERF archive</source>
        <translation>Demasiado corto para ser un archivo ERF</translation>
    </message>
    <message>
        <source>Not a hak, ERF or module file</source>
        <translation>No es un archivo hak, ERF ni de módulo</translation>
    </message>
    <message>
        <source>Not an ERF V1.0 archive</source>
        <translation>No es un archivo ERF V1.0</translation>
    </message>
    <message>
        <source>The archive&apos;s index lies outside the file</source>
        <translation>El índice del archivo queda más allá de su final</translation>
    </message>
    <message>
        <source>The archive could not be read</source>
        <translation>No se ha podido leer el archivo</translation>
    </message>
    <message>
        <source>The archive&apos;s descriptions do not fit their room</source>
        <translation>Las descripciones del archivo no caben en su espacio</translation>
    </message>
    <message>
        <source>Entry %1 has no valid name</source>
        <translation>La entrada %1 no tiene un nombre válido</translation>
    </message>
    <message>
        <source>Entry %1 lies outside the file</source>
        <translation>La entrada %1 queda más allá del final del archivo</translation>
    </message>
    <message>
        <source>Entry %1 is in the archive twice</source>
        <translation>La entrada %1 aparece dos veces en el archivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid resource name</source>
        <translation>«%1» no es un nombre de recurso válido</translation>
    </message>
    <message>
        <source>More entries than announced</source>
        <translation>Hay más entradas de las anunciadas</translation>
    </message>
    <message>
        <source>The archive would pass 4 GiB</source>
        <translation>El archivo superaría los 4 GiB</translation>
    </message>
    <message>
        <source>No archive is being written</source>
        <translation>No se está escribiendo ningún archivo</translation>
    </message>
    <message>
        <source>Too many entries for one archive</source>
        <translation>Demasiadas entradas para un solo archivo</translation>
    </message>
    <message>
        <source>%1 of %2 entries were added</source>
        <translation>Entradas añadidas: %1 de %2</translation>
    </message>
</context>
<context>
    <name>FailureReasons</name>
    <message>
        <source>The source file changed while it was being converted</source>
        <translation>El archivo de origen ha cambiado durante la conversión</translation>
    </message>
</context>
<context>
    <name>FileByteSource</name>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>Too many unfinished conversions of this file are in progress</source>
        <translation>Hay demasiadas conversiones de este archivo en curso sin terminar</translation>
    </message>
</context>
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
    <name>HakMaker</name>
    <message>
        <source>%1 in %2</source>
        <extracomment>%1 is the music table&apos;s file name, %2 the hak&apos;s path</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>too large for a music table</source>
        <translation>demasiado grande para ser una tabla de música</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>%1 is where the table was read from, %2 the line, %3 what is wrong with it</extracomment>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>No music table to start from. A hak&apos;s %1 replaces the game&apos;s whole table, so the new rows need the game&apos;s own rows before them, and the game was not found where it is usually installed. Name the game&apos;s folder or a table to start from.</source>
        <translation>No hay ninguna tabla de música de la que partir. El %1 de un hak sustituye a toda la tabla del juego, así que las filas nuevas necesitan delante las filas propias del juego, y no se ha encontrado el juego donde suele estar instalado. Indique la carpeta del juego o una tabla de la que partir.</translation>
    </message>
    <message>
        <source>No music table to start from. A hak&apos;s %1 replaces the game&apos;s whole table, so the new rows need the game&apos;s own rows before them, and the game was not found in %2. Name the game&apos;s folder or a table to start from.</source>
        <extracomment>%1 is the music table&apos;s file name, %2 the folder the game was looked for in</extracomment>
        <translation>No hay ninguna tabla de música de la que partir. El %1 de un hak sustituye a toda la tabla del juego, así que las filas nuevas necesitan delante las filas propias del juego, y no se ha encontrado el juego en %2. Indique la carpeta del juego o una tabla de la que partir.</translation>
    </message>
    <message>
        <source>the game&apos;s data in %1</source>
        <translation>los datos del juego en %1</translation>
    </message>
    <message>
        <source>%1 holds no %2</source>
        <translation>No hay ningún %2 en %1</translation>
    </message>
    <message>
        <source>Wave audio, not MPEG audio</source>
        <translation>Audio Wave, no audio MPEG</translation>
    </message>
    <message>
        <source>packed as %1, row %2</source>
        <translation>empaquetada como %1, fila %2</translation>
    </message>
    <message>
        <source>re-encoded as %1, row %2</source>
        <translation>recodificada como %1, fila %2</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fallida: %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelada</translation>
    </message>
    <message>
        <source>%1 packed, %2 failed, cancelled</source>
        <translation>Canciones empaquetadas: %1, fallidas: %2; operación cancelada</translation>
    </message>
    <message>
        <source>%1 packed, %2 failed</source>
        <translation>Canciones empaquetadas: %1, fallidas: %2</translation>
    </message>
    <message>
        <source>Hak written to %1</source>
        <translation>Hak guardado en %1</translation>
    </message>
    <message>
        <source>No hak written: cancelled</source>
        <translation>No se ha guardado ningún hak: operación cancelada</translation>
    </message>
    <message>
        <source>No hak written: %1</source>
        <translation>No se ha guardado ningún hak: %1</translation>
    </message>
    <message>
        <source>None of the songs could be packed</source>
        <translation>No se ha podido empaquetar ninguna canción</translation>
    </message>
</context>
<context>
    <name>HakPlan</name>
    <message>
        <source>1 to 16 of a-z, 0-9 and _</source>
        <translation>De 1 a 16 caracteres entre a-z, 0-9 y _</translation>
    </message>
    <message>
        <source>Also the name of another song</source>
        <translation>También es el nombre de otra canción</translation>
    </message>
    <message>
        <source>The toolset lists the song under this name</source>
        <translation>El toolset muestra la canción con este nombre</translation>
    </message>
    <message>
        <source>No &quot; or control characters, no spaces at the ends, at most %1 bytes</source>
        <translation>Sin &quot; ni caracteres de control, sin espacios al principio ni al final, %1 bytes como máximo</translation>
    </message>
    <message>
        <source>A new hak. The music table starts from %1 (%2 row); new songs get the rows after.</source>
        <extracomment>%1 is where the music table comes from: a file, a hak&apos;s table or the game&apos;s data</extracomment>
        <translation>Hak nuevo. La tabla de música parte de %1 (%2 fila); las canciones nuevas ocupan las filas siguientes.</translation>
    </message>
    <message>
        <source>A new hak. The music table starts from %1 (%2 rows); new songs get the rows after.</source>
        <translation>Hak nuevo. La tabla de música parte de %1 (%2 filas); las canciones nuevas ocupan las filas siguientes.</translation>
    </message>
    <message>
        <source>Adds to the %3 entries of this hak. The music table starts from %1 (%2 row); new songs get the rows after.</source>
        <translation>Se añade a las entradas de este hak (%3). La tabla de música parte de %1 (%2 fila); las canciones nuevas ocupan las filas siguientes.</translation>
    </message>
    <message>
        <source>Adds to the %3 entries of this hak. The music table starts from %1 (%2 rows); new songs get the rows after.</source>
        <translation>Se añade a las entradas de este hak (%3). La tabla de música parte de %1 (%2 filas); las canciones nuevas ocupan las filas siguientes.</translation>
    </message>
</context>
<context>
    <name>KeyBif</name>
    <message>
        <source>not a BIF V1 archive</source>
        <translation>no es un archivo BIF V1</translation>
    </message>
    <message>
        <source>its resource table lies outside the file</source>
        <translation>su tabla de recursos queda más allá del final del archivo</translation>
    </message>
    <message>
        <source>the key names an entry it does not have</source>
        <translation>el archivo KEY remite a una entrada que este no tiene</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>no se ha podido leer</translation>
    </message>
    <message>
        <source>an entry lies outside the file</source>
        <translation>una entrada queda más allá del final del archivo</translation>
    </message>
    <message>
        <source>not a KEY V1 file</source>
        <translation>no es un archivo KEY V1</translation>
    </message>
    <message>
        <source>its tables lie outside the file</source>
        <translation>sus tablas quedan más allá del final del archivo</translation>
    </message>
    <message>
        <source>an entry names a BIF it does not list</source>
        <translation>una entrada remite a un BIF que el archivo no enumera</translation>
    </message>
    <message>
        <source>a BIF&apos;s name lies outside the file</source>
        <translation>el nombre de un BIF queda más allá del final del archivo</translation>
    </message>
    <message>
        <source>The key file</source>
        <translation>El archivo KEY</translation>
    </message>
</context>
<context>
    <name>MP3Utils</name>
    <message>
        <source>free format</source>
        <translation>formato libre</translation>
    </message>
    <message>
        <source>invalid</source>
        <extracomment>a bit rate the header forbids</extracomment>
        <translation>no válida</translation>
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
        <translation>estéreo</translation>
    </message>
    <message>
        <source>joint stereo</source>
        <translation>estéreo conjunto</translation>
    </message>
    <message>
        <source>dual channel</source>
        <translation>doble canal</translation>
    </message>
    <message>
        <source>single channel</source>
        <translation>canal único</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>no se ha encontrado</translation>
    </message>
</context>
<context>
    <name>MainPresenter</name>
    <message>
        <source>Are you sure you want to delete:</source>
        <translation>¿Seguro que desea eliminar este archivo?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete these %1 files?</source>
        <translation>¿Seguro que desea eliminar estos %1 archivos?</translation>
    </message>
    <message>
        <source>Select your MP3 directory</source>
        <translation>Seleccione la carpeta de los MP3</translation>
    </message>
    <message>
        <source>Select your BMU directory</source>
        <translation>Seleccione la carpeta de los BMU</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar eliminación</translation>
    </message>
</context>
<context>
    <name>MusicTable</name>
    <message>
        <source>%1 column missing</source>
        <translation>Falta la columna %1</translation>
    </message>
</context>
<context>
    <name>OpenedFiles</name>
    <message>
        <source>not a file or folder</source>
        <translation>no es un archivo ni una carpeta</translation>
    </message>
    <message>
        <source>neither an MP3 nor a BMU file</source>
        <translation>no es un archivo MP3 ni BMU</translation>
    </message>
    <message>
        <source>not in %1, the folder of the files before it of its kind</source>
        <translation>no está en %1, la carpeta de los archivos anteriores del mismo tipo</translation>
    </message>
    <message>
        <source>both panes already have a folder</source>
        <translation>los dos paneles ya tienen carpeta</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>rename .&amp;wav</source>
        <translation>como .&amp;wav</translation>
    </message>
    <message>
        <source>&amp;overwrite all</source>
        <translation>&amp;sobrescribir</translation>
    </message>
    <message>
        <source>&amp;preserve file date/time</source>
        <translation>&amp;conservar fecha/hora</translation>
    </message>
    <message>
        <source>&amp;re-encode unsuitable</source>
        <translation>&amp;recodificar no aptos</translation>
    </message>
    <message>
        <source>&amp;game names</source>
        <translation>&amp;nombres NWN</translation>
    </message>
</context>
<context>
    <name>RandomAccess</name>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
</context>
<context>
    <name>Reencoding</name>
    <message>
        <source>The MP3 encoder could not be set up</source>
        <translation>No se ha podido preparar el codificador MP3</translation>
    </message>
    <message>
        <source>The resampler stalled</source>
        <translation>El remuestreo se ha atascado</translation>
    </message>
    <message>
        <source>The MP3 encoder failed</source>
        <translation>El codificador MP3 ha fallado</translation>
    </message>
    <message>
        <source>Re-encoding %1</source>
        <translation>Recodificando %1</translation>
    </message>
    <message>
        <source>No MPEG audio could be decoded</source>
        <translation>No se ha podido decodificar ningún audio MPEG</translation>
    </message>
    <message>
        <source>Re-encoding is not available in this build</source>
        <translation>La recodificación no está disponible en esta compilación</translation>
    </message>
</context>
<context>
    <name>Suitability</name>
    <message>
        <source>- Channel mode is not stereo</source>
        <translation>- El modo de canal no es estéreo</translation>
    </message>
    <message>
        <source>- Channel mode is not mono</source>
        <translation>- El modo de canal no es mono</translation>
    </message>
    <message>
        <source>- No %1 audio found</source>
        <extracomment>%1 is the kind of audio, such as &quot;MPEG-1 Layer III&quot;</extracomment>
        <translation>- No se ha encontrado audio %1</translation>
    </message>
    <message>
        <source>- %1 audio found; the game expects %2</source>
        <extracomment>%1 is the kind of audio found, %2 the MPEG version and/or layer the game wants instead</extracomment>
        <translation>- Se ha encontrado audio %1; el juego espera %2</translation>
    </message>
    <message>
        <source>- Bit Rate is not Constant - Variable Bit Rate reported</source>
        <translation>- La tasa de bits no es constante (indicada: tasa de bits variable)</translation>
    </message>
    <message>
        <source>- Bit Rate is not %1 kbps - %2 reported</source>
        <extracomment>%2 is the bit rate read, such as &quot;96 kbps&quot; or &quot;free format&quot;</extracomment>
        <translation>- La tasa de bits no es de %1 kbps (indicada: %2)</translation>
    </message>
    <message>
        <source>- Sampling Frequency is not 44.1 kHz - %1 kHz reported</source>
        <translation>- La frecuencia de muestreo no es de 44,1 kHz (indicada: %1 kHz)</translation>
    </message>
    <message>
        <source>- file name (excluding &apos;.mp3&apos;) is longer than 16 characters</source>
        <translation>- el nombre del archivo (sin «.mp3») tiene más de 16 caracteres</translation>
    </message>
    <message>
        <source>- file name (excluding &apos;.mp3&apos;) has characters other than a-z, 0-9 and _</source>
        <translation>- el nombre del archivo (sin «.mp3») tiene caracteres distintos de a-z, 0-9 y _</translation>
    </message>
    <message>
        <source>Warning! &apos;%1&apos;</source>
        <translation>¡Atención! «%1»</translation>
    </message>
    <message>
        <source>has the following potential issues if you convert it to a BMU:</source>
        <translation>presenta los siguientes posibles problemas si se convierte a BMU:</translation>
    </message>
    <message>
        <source>Do you wish to continue?</source>
        <translation>¿Desea continuar?</translation>
    </message>
</context>
<context>
    <name>TwoDa</name>
    <message>
        <source>not a 2DA V2.0 table</source>
        <translation>no es una tabla 2DA V2.0</translation>
    </message>
    <message>
        <source>neither empty nor &quot;DEFAULT: value&quot;</source>
        <translation>ni vacía ni «DEFAULT: valor»</translation>
    </message>
    <message>
        <source>a quote is not closed</source>
        <translation>hay comillas sin cerrar</translation>
    </message>
    <message>
        <source>a row has %1 fields for %2 columns</source>
        <translation>el número de campos de una fila (%1) no coincide con el de columnas (%2)</translation>
    </message>
    <message>
        <source>the column names are missing</source>
        <translation>faltan los nombres de las columnas</translation>
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
        <translation>Se usa con MP3 de 96k mono para efectos de sonido, voces, etc.</translation>
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
Abre la ventana de Tunewrap: MP3 a la izquierda y archivos BMU del juego a la derecha.
Los FILE MP3 abren su carpeta a la izquierda y los FILE BMU la suya a la derecha,
seleccionados y listos para convertir; un DIR va a la izquierda y otro, a la derecha.
No se convierte nada hasta que se pulsa un botón de conversión.
Para scripts y carpetas enteras, use tunewrap-cli.

Opciones:
  -h,--help    Muestra esta ayuda y sale
  --version    Muestra la versión y la licencia y sale
</translation>
    </message>
    <message>
        <source>tunewrap: unknown option %1</source>
        <translation>tunewrap: opción desconocida %1</translation>
    </message>
</context>
</TS>
