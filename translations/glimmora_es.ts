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
    <message>
        <source>Starts on the deal NUMBER, such as 20x12-43200250.</source>
        <translation>Empieza con la partida NÚMERO, por ejemplo 20x12-43200250.</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <translation>NÚMERO</translation>
    </message>
    <message>
        <source>Starts on today&apos;s deal, the same for every player.</source>
        <translation>Empieza con la partida del día, la misma para todos los jugadores.</translation>
    </message>
    <message>
        <source>--deal needs a deal number, such as 20x12-43200250</source>
        <translation>--deal necesita un número de partida, por ejemplo 20x12-43200250</translation>
    </message>
    <message>
        <source>%1: the field sizes are 20x12, 18x10 and 16x8</source>
        <translation>%1: los tamaños de tablero son 20x12, 18x10 y 16x8</translation>
    </message>
    <message>
        <source>%1: a deal&apos;s number goes up to 86399999</source>
        <translation>%1: el número de una partida llega hasta 86399999</translation>
    </message>
    <message>
        <source>%1 is no deal number; they read like 20x12-43200250</source>
        <translation>%1 no es un número de partida; se escriben como 20x12-43200250</translation>
    </message>
    <message>
        <source>unknown argument: %1</source>
        <translation>argumento desconocido: %1</translation>
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
    <name>GameAudio</name>
    <message>
        <source>Can&apos;t initialize digital sound system</source>
        <translation>No se puede inicializar el sistema de sonido digital</translation>
    </message>
    <message>
        <source>SDL_mixer version 2 was not loaded</source>
        <translation>No se cargó SDL_mixer versión 2</translation>
    </message>
    <message>
        <source>Can&apos;t initialize CD system</source>
        <translation>No se puede inicializar el sistema de CD</translation>
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
    <name>MidiSequencer</name>
    <message>
        <source>No message available</source>
        <translation>No hay ningún mensaje</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Not a valid MIDI file: %1</source>
        <translation>Archivo MIDI no válido: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1: %2</source>
        <translation>No se pudo abrir %1: %2</translation>
    </message>
    <message>
        <source>MIDI file too large: %1</source>
        <translation>Archivo MIDI demasiado grande: %1</translation>
    </message>
</context>
<context>
    <name>MidiSynth</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the soundfont %1</source>
        <translation>No se pudo cargar el banco de sonidos %1</translation>
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
    <name>ScoreFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;</source>
        <translation>No se puede escribir el archivo «%1»</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;</source>
        <translation>No se puede crear el archivo «%1»</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>No se puede escribir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo «%1». %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>No se puede abrir el archivo «%1». No es un archivo</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>No se puede leer el archivo «%1». %2</translation>
    </message>
    <message>
        <source>The score table &quot;%1&quot; is busy: another copy of the game is saving to it. Try Save again in a moment.</source>
        <translation>La tabla de récords «%1» está ocupada: otra copia del juego está guardando en ella. Pulse Guardar de nuevo dentro de un momento.</translation>
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
    <name>TFormMain</name>
    <message>
        <source>Glimmora! Game</source>
        <translation>¡Glimmora! Juego</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source> Exit</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Pista (H)</translation>
    </message>
    <message>
        <source>Game field</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Can&apos;t initialize OpenGL: this display offers no OpenGL context for the game&apos;s field</source>
        <translation>No se puede inicializar OpenGL: esta pantalla no ofrece ningún contexto OpenGL para el tablero del juego</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Partida %1</translation>
    </message>
    <message>
        <source>SCORE:  %1</source>
        <extracomment>The HUD&apos;s score; the spaces line the number up under POINTS.</extracomment>
        <translation>PUNTUACIÓN: %1</translation>
    </message>
    <message>
        <source>POINTS: %1</source>
        <extracomment>The HUD&apos;s points of the lit group.</extracomment>
        <translation>PUNTOS:     %1</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Pista: %1</translation>
    </message>
</context>
<context>
    <name>TFormOpt</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Player Name:</source>
        <translation>Jugador:</translation>
    </message>
    <message>
        <source>Rotate Objects</source>
        <translation>Girar las piezas</translation>
    </message>
    <message>
        <source>Game Scheme:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>Scheme1</source>
        <translation>Estilo 1</translation>
    </message>
    <message>
        <source>Scheme2</source>
        <translation>Estilo 2</translation>
    </message>
    <message>
        <source>Scheme3</source>
        <translation>Estilo 3</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Sound ON/OFF</source>
        <translation>Sonido SÍ/NO</translation>
    </message>
    <message>
        <source>Music ON/OFF</source>
        <translation>Música SÍ/NO</translation>
    </message>
    <message>
        <source>Place worker to desired position</source>
        <translation>Colocar al trabajador en la posición deseada</translation>
    </message>
    <message>
        <source>20 x 12 Game Field</source>
        <translation>Tablero de 20 x 12</translation>
    </message>
    <message>
        <source>Choose wall primitive</source>
        <translation>Elegir la primitiva de muro</translation>
    </message>
    <message>
        <source>18 x 10 Game Field</source>
        <translation>Tablero de 18 x 10</translation>
    </message>
    <message>
        <source>Choose Box primitive</source>
        <translation>Elegir la primitiva de caja</translation>
    </message>
    <message>
        <source>16 x 08 Game Field</source>
        <translation>Tablero de 16 x 08</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Nombre del jugador</translation>
    </message>
    <message>
        <source>Sound volume down</source>
        <translation>Bajar el volumen del sonido</translation>
    </message>
    <message>
        <source>Sound volume up</source>
        <translation>Subir el volumen del sonido</translation>
    </message>
    <message>
        <source>Sound volume</source>
        <translation>Volumen del sonido</translation>
    </message>
    <message>
        <source>Music volume down</source>
        <translation>Bajar el volumen de la música</translation>
    </message>
    <message>
        <source>Music volume up</source>
        <translation>Subir el volumen de la música</translation>
    </message>
    <message>
        <source>Music volume</source>
        <translation>Volumen de la música</translation>
    </message>
    <message>
        <source>Game Scheme</source>
        <translation>Estilo</translation>
    </message>
</context>
<context>
    <name>TFormScore</name>
    <message>
        <source>HighScores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source> Save</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Guardar</translation>
    </message>
    <message>
        <source> Close</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Plays the best line found on the field; a click or a key ends it</source>
        <translation>Reproduce en el tablero la mejor secuencia hallada; un clic o una tecla la detiene</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Partida %1</translation>
    </message>
    <message>
        <source>Deal %1, with a hint</source>
        <translation>Partida %1, con pista</translation>
    </message>
    <message>
        <source>Not entered: a hint was used</source>
        <translation>No registrado: se usó una pista</translation>
    </message>
    <message>
        <source>The search for the best line is off</source>
        <translation>La búsqueda de la mejor secuencia está desactivada</translation>
    </message>
    <message>
        <source>Searching for the best line...</source>
        <translation>Buscando la mejor secuencia...</translation>
    </message>
    <message numerus="yes">
        <source>Best line found for this deal: %n points</source>
        <translation>
            <numerusform>Mejor secuencia hallada: %n punto</numerusform>
            <numerusform>Mejor secuencia hallada: %n puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best line so far: %n points...</source>
        <translation>
            <numerusform>Mejor secuencia por ahora: %n punto...</numerusform>
            <numerusform>Mejor secuencia por ahora: %n puntos...</numerusform>
        </translation>
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
