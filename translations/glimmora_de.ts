<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Glimmora, a puzzle game: clear a field of 3D pieces in groups of like colour.

The game keeps its settings and scores in the folder it is started in; the
launcher, glimmora, starts it in the player&apos;s own folder.

The texts follow the desktop&apos;s language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR sets the size of the windows.</source>
        <translation>Glimmora, ein Denkspiel: Räume ein Feld aus 3D-Steinen in Gruppen gleicher Farbe ab.

Das Spiel legt seine Einstellungen und Bestenlisten in dem Ordner ab, in dem es
gestartet wird; der Starter glimmora startet es im eigenen Ordner des Spielers.

Die Texte folgen der Sprache des Desktops (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR legt die Größe der Fenster fest.</translation>
    </message>
    <message>
        <source>Starts on the deal NUMBER, such as 20x12-43200250.</source>
        <translation>Beginnt mit der Partie NUMMER, etwa 20x12-43200250.</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <translation>NUMMER</translation>
    </message>
    <message>
        <source>Starts on today&apos;s deal, the same for every player.</source>
        <translation>Beginnt mit der Partie des Tages, für alle Spieler dieselbe.</translation>
    </message>
    <message>
        <source>--deal needs a deal number, such as 20x12-43200250</source>
        <translation>--deal braucht eine Partienummer, etwa 20x12-43200250</translation>
    </message>
    <message>
        <source>%1: the field sizes are 20x12, 18x10 and 16x8</source>
        <translation>%1: Die Feldgrößen sind 20x12, 18x10 und 16x8</translation>
    </message>
    <message>
        <source>%1: a deal&apos;s number goes up to 86399999</source>
        <translation>%1: Die Nummer einer Partie reicht bis 86399999</translation>
    </message>
    <message>
        <source>%1 is no deal number; they read like 20x12-43200250</source>
        <translation>%1 ist keine Partienummer; sie sehen aus wie 20x12-43200250</translation>
    </message>
    <message>
        <source>unknown argument: %1</source>
        <translation>unbekanntes Argument: %1</translation>
    </message>
</context>
<context>
    <name>DataPath</name>
    <message>
        <source>The folder the game was started in cannot be used: %1.</source>
        <translation>Der Ordner, in dem das Spiel gestartet wurde, kann nicht verwendet werden: %1.</translation>
    </message>
    <message>
        <source>its name is unknown</source>
        <translation>sein Name ist unbekannt</translation>
    </message>
    <message>
        <source>it no longer exists</source>
        <translation>er existiert nicht mehr</translation>
    </message>
</context>
<context>
    <name>GameAudio</name>
    <message>
        <source>Can&apos;t initialize digital sound system</source>
        <translation>Das digitale Tonsystem kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>SDL_mixer version 2 was not loaded</source>
        <translation>SDL_mixer Version 2 wurde nicht geladen</translation>
    </message>
    <message>
        <source>Can&apos;t initialize CD system</source>
        <translation>Das CD-System kann nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Datei „%1“ kann nicht geöffnet werden. Keine Datei</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot read picture &quot;%1&quot;: %2</source>
        <translation>Bild „%1“ kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>takes no arguments</source>
        <translation>nimmt keine Argumente an</translation>
    </message>
    <message>
        <source>cannot tell where the launcher is</source>
        <translation>der Ort des Starters lässt sich nicht ermitteln</translation>
    </message>
    <message>
        <source>the game is missing: %1</source>
        <translation>das Spiel fehlt: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is missing: %1</source>
        <translation>die Daten des Spiels fehlen: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is incomplete: %1 has no Pics or defaults folder</source>
        <translation>die Daten des Spiels sind unvollständig: %1 hat keinen Ordner Pics oder defaults</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder for the game</source>
        <translation>HOME ist nicht gesetzt, daher gibt es keinen Ordner für das Spiel</translation>
    </message>
    <message>
        <source>HOME is not an absolute path: %1</source>
        <translation>HOME ist kein absoluter Pfad: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot enter the folder %1</source>
        <translation>Ordner %1 kann nicht betreten werden</translation>
    </message>
    <message>
        <source>cannot write to the folder %1</source>
        <translation>in Ordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot remove the broken link %1</source>
        <translation>defekte Verknüpfung %1 kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>cannot make a link in %1: %2</source>
        <translation>in %1 kann keine Verknüpfung angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot link %1: %2</source>
        <translation>%1 kann nicht verknüpft werden: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>%1 kann nicht nach %2 kopiert werden: %3</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2</source>
        <translation>%1 kann nicht nach %2 kopiert werden</translation>
    </message>
</context>
<context>
    <name>LitGroupText</name>
    <message>
        <source>piece</source>
        <translation>Stein</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>türkis</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, single piece, %2</source>
        <translation>%1, einzelner Stein, %2</translation>
    </message>
    <message>
        <source>%1, group of %2, %3</source>
        <translation>%1, Gruppe aus %2, %3</translation>
    </message>
</context>
<context>
    <name>MidiSequencer</name>
    <message>
        <source>No message available</source>
        <translation>Keine Meldung vorhanden</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Not a valid MIDI file: %1</source>
        <translation>Keine gültige MIDI-Datei: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>MIDI file too large: %1</source>
        <translation>MIDI-Datei zu groß: %1</translation>
    </message>
</context>
<context>
    <name>MidiSynth</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the soundfont %1</source>
        <translation>Die Soundfont %1 konnte nicht geladen werden</translation>
    </message>
</context>
<context>
    <name>ScaleFactorFloor</name>
    <message>
        <source>The scale factor %1 is too small for the game&apos;s windows: they are drawn at 1.</source>
        <translation>Der Skalierungsfaktor %1 ist für die Fenster des Spiels zu klein: Sie werden mit 1 gezeichnet.</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;</source>
        <translation>In Datei „%1“ kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;</source>
        <translation>Datei „%1“ kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>In Datei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Datei „%1“ kann nicht geöffnet werden. Keine Datei</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Datei „%1“ kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>The score table &quot;%1&quot; is busy: another copy of the game is saving to it. Try Save again in a moment.</source>
        <translation>Die Bestenliste „%1“ ist belegt: Eine andere Kopie des Spiels speichert gerade darin. Versuche es gleich noch einmal mit Speichern.</translation>
    </message>
</context>
<context>
    <name>TFormDeal</name>
    <message>
        <source>Deal number</source>
        <translation>Partienummer</translation>
    </message>
    <message>
        <source>Deal number:</source>
        <translation>Partienummer:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Type a deal number, such as 20x12-43200250.</source>
        <translation>Gib eine Partienummer ein, etwa 20x12-43200250.</translation>
    </message>
    <message>
        <source>This is not a deal number. Write it as 20x12-43200250, or the number after the dash alone.</source>
        <translation>Das ist keine Partienummer. Schreibe sie als 20x12-43200250 oder nur die Zahl nach dem Bindestrich.</translation>
    </message>
    <message>
        <source>The game has no field of that size. The sizes are %1.</source>
        <translation>Ein Feld dieser Größe gibt es im Spiel nicht. Die Feldgrößen sind %1.</translation>
    </message>
    <message>
        <source>The number after the dash is too large: it goes up to %L1.</source>
        <translation>Die Zahl nach dem Bindestrich ist zu groß: Sie reicht bis %L1.</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Glimmora! Game</source>
        <translation>Glimmora! Spiel</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source> Exit</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Tipp (H)</translation>
    </message>
    <message>
        <source>Game field</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Can&apos;t initialize OpenGL: this display offers no OpenGL context for the game&apos;s field</source>
        <translation>OpenGL kann nicht gestartet werden: Diese Anzeige bietet keinen OpenGL-Kontext für das Spielfeld</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Partie %1</translation>
    </message>
    <message>
        <source>SCORE:  %1</source>
        <extracomment>The HUD&apos;s score; the spaces line the number up under POINTS.</extracomment>
        <translation>PUNKTESTAND: %1</translation>
    </message>
    <message>
        <source>POINTS: %1</source>
        <extracomment>The HUD&apos;s points of the lit group.</extracomment>
        <translation>PUNKTE:      %1</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Tipp: %1</translation>
    </message>
</context>
<context>
    <name>TFormOpt</name>
    <message>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Player Name:</source>
        <translation>Spielername:</translation>
    </message>
    <message>
        <source>Rotate Objects</source>
        <translation>Steine drehen</translation>
    </message>
    <message>
        <source>Game Scheme:</source>
        <translation>Spielschema:</translation>
    </message>
    <message>
        <source>Scheme1</source>
        <translation>Schema 1</translation>
    </message>
    <message>
        <source>Scheme2</source>
        <translation>Schema 2</translation>
    </message>
    <message>
        <source>Scheme3</source>
        <translation>Schema 3</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Sound ON/OFF</source>
        <translation>Klang EIN/AUS</translation>
    </message>
    <message>
        <source>Music ON/OFF</source>
        <translation>Musik EIN/AUS</translation>
    </message>
    <message>
        <source>Place worker to desired position</source>
        <translation>Arbeiter an die gewünschte Stelle setzen</translation>
    </message>
    <message>
        <source>20 x 12 Game Field</source>
        <translation>Spielfeld 20 x 12</translation>
    </message>
    <message>
        <source>Choose wall primitive</source>
        <translation>Wand-Grundform wählen</translation>
    </message>
    <message>
        <source>18 x 10 Game Field</source>
        <translation>Spielfeld 18 x 10</translation>
    </message>
    <message>
        <source>Choose Box primitive</source>
        <translation>Kisten-Grundform wählen</translation>
    </message>
    <message>
        <source>16 x 08 Game Field</source>
        <translation>Spielfeld 16 x 08</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Sound volume down</source>
        <translation>Klang leiser</translation>
    </message>
    <message>
        <source>Sound volume up</source>
        <translation>Klang lauter</translation>
    </message>
    <message>
        <source>Sound volume</source>
        <translation>Klanglautstärke</translation>
    </message>
    <message>
        <source>Music volume down</source>
        <translation>Musik leiser</translation>
    </message>
    <message>
        <source>Music volume up</source>
        <translation>Musik lauter</translation>
    </message>
    <message>
        <source>Music volume</source>
        <translation>Musiklautstärke</translation>
    </message>
    <message>
        <source>Game Scheme</source>
        <translation>Spielschema</translation>
    </message>
</context>
<context>
    <name>TFormScore</name>
    <message>
        <source>HighScores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source> Save</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source> Close</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Plays the best line found on the field; a click or a key ends it</source>
        <translation>Spielt die beste gefundene Zugfolge auf dem Feld vor; ein Klick oder eine Taste beendet sie</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Partie %1</translation>
    </message>
    <message>
        <source>Deal %1, with a hint</source>
        <translation>Partie %1, mit Tipp</translation>
    </message>
    <message>
        <source>Not entered: a hint was used</source>
        <translation>Nicht eingetragen: Tipp benutzt</translation>
    </message>
    <message>
        <source>The search for the best line is off</source>
        <translation>Die Suche nach der besten Zugfolge ist aus</translation>
    </message>
    <message>
        <source>Searching for the best line...</source>
        <translation>Suche nach der besten Zugfolge...</translation>
    </message>
    <message numerus="yes">
        <source>Best line found for this deal: %n points</source>
        <translation>
            <numerusform>Beste Zugfolge: %n Punkt</numerusform>
            <numerusform>Beste Zugfolge: %n Punkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best line so far: %n points...</source>
        <translation>
            <numerusform>Bisher beste Zugfolge: %n Punkt...</numerusform>
            <numerusform>Bisher beste Zugfolge: %n Punkte...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>The settings file %1 is larger than %2 KB and was not read; the default settings are used.</source>
        <translation>Die Einstellungsdatei %1 ist größer als %2 KB und wurde nicht gelesen; es gelten die Standardeinstellungen.</translation>
    </message>
    <message>
        <source>Unable to write %1 to %2: the value holds a line break</source>
        <translation>%1 kann nicht in %2 geschrieben werden: Der Wert enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
</context>
</TS>
