<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Glimmora, a puzzle game: clear a field of 3D pieces in groups of like colour.

The game keeps its settings and scores in the folder it is started in; the
launcher, glimmora, starts it in the player&apos;s own folder.

The texts follow the desktop&apos;s language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR sets the size of the windows.</source>
        <translation>Glimmora, un juego de ingenio: vacía un tablero de piezas en 3D por grupos del mismo color.

El juego guarda su configuración y sus récords en la carpeta desde la que se inicia;
el lanzador glimmora lo inicia en la carpeta propia del jugador.

Los textos siguen el idioma del escritorio (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR fija el tamaño de las ventanas.</translation>
    </message>
</context>
<context>
    <name>DataPath</name>
    <message>
        <source>The folder the game was started in cannot be used: %1.</source>
        <translation>No se puede usar la carpeta en la que se inició el juego: %1.</translation>
    </message>
    <message>
        <source>its name is unknown</source>
        <translation>su nombre es desconocido</translation>
    </message>
    <message>
        <source>it no longer exists</source>
        <translation>ya no existe</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>No se puede abrir el archivo «%1». No es un archivo</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Cannot read picture &quot;%1&quot;: %2</source>
        <translation>No se puede leer la imagen «%1»: %2</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>takes no arguments</source>
        <translation>no admite argumentos</translation>
    </message>
    <message>
        <source>cannot tell where the launcher is</source>
        <translation>no se puede saber dónde está el lanzador</translation>
    </message>
    <message>
        <source>the game is missing: %1</source>
        <translation>falta el juego: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is missing: %1</source>
        <translation>faltan los datos del juego: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is incomplete: %1 has no Pics or defaults folder</source>
        <translation>los datos del juego están incompletos: %1 no tiene carpeta Pics ni defaults</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder for the game</source>
        <translation>HOME no está definida, así que no hay carpeta para el juego</translation>
    </message>
    <message>
        <source>HOME is not an absolute path: %1</source>
        <translation>HOME no es una ruta absoluta: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>cannot enter the folder %1</source>
        <translation>no se puede entrar en la carpeta %1</translation>
    </message>
    <message>
        <source>cannot write to the folder %1</source>
        <translation>no se puede escribir en la carpeta %1</translation>
    </message>
    <message>
        <source>cannot remove the broken link %1</source>
        <translation>no se puede eliminar el enlace roto %1</translation>
    </message>
    <message>
        <source>cannot make a link in %1: %2</source>
        <translation>no se puede crear un enlace en %1: %2</translation>
    </message>
    <message>
        <source>cannot link %1: %2</source>
        <translation>no se puede enlazar %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>no se puede copiar %1 en %2: %3</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2</source>
        <translation>no se puede copiar %1 en %2</translation>
    </message>
</context>
<context>
    <name>LitGroupText</name>
    <message>
        <source>piece</source>
        <translation>pieza</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, single piece, %2</source>
        <translation>%1, pieza suelta, %2</translation>
    </message>
    <message>
        <source>%1, group of %2, %3</source>
        <translation>%1, grupo de %2, %3</translation>
    </message>
</context>
<context>
    <name>ScaleFactorFloor</name>
    <message>
        <source>The scale factor %1 is too small for the game&apos;s windows: they are drawn at 1.</source>
        <translation>El factor de escala %1 es demasiado pequeño para las ventanas del juego: se dibujan a 1.</translation>
    </message>
</context>
<context>
    <name>TFormDeal</name>
    <message>
        <source>Deal number</source>
        <translation>Número de partida</translation>
    </message>
    <message>
        <source>Deal number:</source>
        <translation>Número de partida:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Type a deal number, such as 20x12-43200250.</source>
        <translation>Escriba un número de partida, por ejemplo 20x12-43200250.</translation>
    </message>
    <message>
        <source>This is not a deal number. Write it as 20x12-43200250, or the number after the dash alone.</source>
        <translation>Esto no es un número de partida. Escríbalo como 20x12-43200250, o solo el número tras el guion.</translation>
    </message>
    <message>
        <source>The game has no field of that size. The sizes are %1.</source>
        <translation>El juego no tiene un tablero de ese tamaño. Los tamaños son %1.</translation>
    </message>
    <message>
        <source>The number after the dash is too large: it goes up to %L1.</source>
        <translation>El número tras el guion es demasiado grande: llega hasta %L1.</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>The settings file %1 is larger than %2 KB and was not read; the default settings are used.</source>
        <translation>El archivo de configuración %1 ocupa más de %2 KB y no se ha leído; se usa la configuración predeterminada.</translation>
    </message>
    <message>
        <source>Unable to write %1 to %2: the value holds a line break</source>
        <translation>No se puede escribir %1 en %2: el valor contiene un salto de línea</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
</TS>
