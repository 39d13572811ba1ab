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
    <name>ScaleFactorFloor</name>
    <message>
        <source>The scale factor %1 is too small for the game&apos;s windows: they are drawn at 1.</source>
        <translation>Der Skalierungsfaktor %1 ist für die Fenster des Spiels zu klein: Sie werden mit 1 gezeichnet.</translation>
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
