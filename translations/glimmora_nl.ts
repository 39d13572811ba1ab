<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CommandLine</name>
    <message>
        <source>Glimmora, a puzzle game: clear a field of 3D pieces in groups of like colour.

The game keeps its settings and scores in the folder it is started in; the
launcher, glimmora, starts it in the player&apos;s own folder.

The texts follow the desktop&apos;s language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR sets the size of the windows.</source>
        <translation>Glimmora, een denkspel: maak een veld met 3D-stenen leeg in groepen van dezelfde kleur.

Het spel bewaart zijn instellingen en topscores in de map waarin het wordt gestart;
het startprogramma glimmora start het in de eigen map van de speler.

De teksten volgen de taal van het bureaublad (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR bepaalt de grootte van de vensters.</translation>
    </message>
    <message>
        <source>Starts on the deal NUMBER, such as 20x12-43200250.</source>
        <translation>Begint met spel NUMMER, bijvoorbeeld 20x12-43200250.</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <translation>NUMMER</translation>
    </message>
    <message>
        <source>Starts on today&apos;s deal, the same for every player.</source>
        <translation>Begint met het spel van vandaag, voor iedere speler hetzelfde.</translation>
    </message>
    <message>
        <source>--deal needs a deal number, such as 20x12-43200250</source>
        <translation>--deal heeft een spelnummer nodig, bijvoorbeeld 20x12-43200250</translation>
    </message>
    <message>
        <source>%1: the field sizes are 20x12, 18x10 and 16x8</source>
        <translation>%1: de veldgroottes zijn 20x12, 18x10 en 16x8</translation>
    </message>
    <message>
        <source>%1: a deal&apos;s number goes up to 86399999</source>
        <translation>%1: een spelnummer gaat tot 86399999</translation>
    </message>
    <message>
        <source>%1 is no deal number; they read like 20x12-43200250</source>
        <translation>%1 is geen spelnummer; die zien eruit als 20x12-43200250</translation>
    </message>
    <message>
        <source>unknown argument: %1</source>
        <translation>onbekend argument: %1</translation>
    </message>
</context>
<context>
    <name>DataPath</name>
    <message>
        <source>The folder the game was started in cannot be used: %1.</source>
        <translation>De map waarin het spel is gestart kan niet worden gebruikt: %1.</translation>
    </message>
    <message>
        <source>its name is unknown</source>
        <translation>de naam is onbekend</translation>
    </message>
    <message>
        <source>it no longer exists</source>
        <translation>hij bestaat niet meer</translation>
    </message>
</context>
<context>
    <name>GameAudio</name>
    <message>
        <source>Can&apos;t initialize digital sound system</source>
        <translation>Kan het digitale geluidssysteem niet starten</translation>
    </message>
    <message>
        <source>SDL_mixer version 2 was not loaded</source>
        <translation>SDL_mixer versie 2 is niet geladen</translation>
    </message>
    <message>
        <source>Can&apos;t initialize CD system</source>
        <translation>Kan het cd-systeem niet starten</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Kan bestand ‘%1’ niet openen. Geen bestand</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Kan bestand ‘%1’ niet openen. %2</translation>
    </message>
    <message>
        <source>Cannot read picture &quot;%1&quot;: %2</source>
        <translation>Kan afbeelding ‘%1’ niet lezen: %2</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>takes no arguments</source>
        <translation>accepteert geen argumenten</translation>
    </message>
    <message>
        <source>cannot tell where the launcher is</source>
        <translation>kan niet bepalen waar het startprogramma staat</translation>
    </message>
    <message>
        <source>the game is missing: %1</source>
        <translation>het spel ontbreekt: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is missing: %1</source>
        <translation>de gegevens van het spel ontbreken: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is incomplete: %1 has no Pics or defaults folder</source>
        <translation>de gegevens van het spel zijn onvolledig: %1 heeft geen map Pics of defaults</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder for the game</source>
        <translation>HOME is niet ingesteld, dus er is geen map voor het spel</translation>
    </message>
    <message>
        <source>HOME is not an absolute path: %1</source>
        <translation>HOME is geen absoluut pad: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>kan map %1 niet aanmaken: %2</translation>
    </message>
    <message>
        <source>cannot enter the folder %1</source>
        <translation>kan map %1 niet openen</translation>
    </message>
    <message>
        <source>cannot write to the folder %1</source>
        <translation>kan niet schrijven in map %1</translation>
    </message>
    <message>
        <source>cannot remove the broken link %1</source>
        <translation>kan verbroken koppeling %1 niet verwijderen</translation>
    </message>
    <message>
        <source>cannot make a link in %1: %2</source>
        <translation>kan geen koppeling maken in %1: %2</translation>
    </message>
    <message>
        <source>cannot link %1: %2</source>
        <translation>kan %1 niet koppelen: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>kan %1 niet naar %2 kopiëren: %3</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2</source>
        <translation>kan %1 niet naar %2 kopiëren</translation>
    </message>
</context>
<context>
    <name>LitGroupText</name>
    <message>
        <source>piece</source>
        <translation>steen</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>geel</translation>
    </message>
    <message>
        <source>green</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyaan</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rood</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n punt</numerusform>
            <numerusform>%n punten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punt</numerusform>
            <numerusform>%n punten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, single piece, %2</source>
        <translation>%1, losse steen, %2</translation>
    </message>
    <message>
        <source>%1, group of %2, %3</source>
        <translation>%1, groep van %2, %3</translation>
    </message>
</context>
<context>
    <name>MidiSequencer</name>
    <message>
        <source>No message available</source>
        <translation>Geen melding beschikbaar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Not a valid MIDI file: %1</source>
        <translation>Geen geldig MIDI-bestand: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1: %2</source>
        <translation>Kan %1 niet openen: %2</translation>
    </message>
    <message>
        <source>MIDI file too large: %1</source>
        <translation>MIDI-bestand te groot: %1</translation>
    </message>
</context>
<context>
    <name>MidiSynth</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the soundfont %1</source>
        <translation>Kan de soundfont %1 niet laden</translation>
    </message>
</context>
<context>
    <name>ScaleFactorFloor</name>
    <message>
        <source>The scale factor %1 is too small for the game&apos;s windows: they are drawn at 1.</source>
        <translation>De schaalfactor %1 is te klein voor de vensters van het spel: ze worden op 1 getekend.</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;</source>
        <translation>Kan bestand ‘%1’ niet schrijven</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;</source>
        <translation>Kan bestand ‘%1’ niet aanmaken</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Kan bestand ‘%1’ niet schrijven. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Kan bestand ‘%1’ niet aanmaken. %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>‘%1’ is geen geldig geheel getal</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Bestand niet gevonden</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Kan bestand ‘%1’ niet openen. %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Kan bestand ‘%1’ niet openen. Geen bestand</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Kan bestand ‘%1’ niet lezen. %2</translation>
    </message>
    <message>
        <source>The score table &quot;%1&quot; is busy: another copy of the game is saving to it. Try Save again in a moment.</source>
        <translation>De topscorelijst ‘%1’ is bezet: een ander exemplaar van het spel slaat erin op. Probeer zo meteen opnieuw Opslaan.</translation>
    </message>
</context>
<context>
    <name>TFormDeal</name>
    <message>
        <source>Deal number</source>
        <translation>Spelnummer</translation>
    </message>
    <message>
        <source>Deal number:</source>
        <translation>Spelnummer:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Type a deal number, such as 20x12-43200250.</source>
        <translation>Typ een spelnummer, bijvoorbeeld 20x12-43200250.</translation>
    </message>
    <message>
        <source>This is not a deal number. Write it as 20x12-43200250, or the number after the dash alone.</source>
        <translation>Dit is geen spelnummer. Schrijf het als 20x12-43200250, of alleen het getal na het streepje.</translation>
    </message>
    <message>
        <source>The game has no field of that size. The sizes are %1.</source>
        <translation>Het spel kent die veldgrootte niet. De veldgroottes zijn %1.</translation>
    </message>
    <message>
        <source>The number after the dash is too large: it goes up to %L1.</source>
        <translation>Het getal na het streepje is te groot: het gaat tot %L1.</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Glimmora! Game</source>
        <translation>Glimmora! Spel</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source> Exit</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zet terug</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Hint (H)</translation>
    </message>
    <message>
        <source>Game field</source>
        <translation>Speelveld</translation>
    </message>
    <message>
        <source>Can&apos;t initialize OpenGL: this display offers no OpenGL context for the game&apos;s field</source>
        <translation>Kan OpenGL niet starten: dit beeldscherm biedt geen OpenGL-context voor het speelveld</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Spel %1</translation>
    </message>
    <message>
        <source>SCORE:  %1</source>
        <extracomment>The HUD&apos;s score; the spaces line the number up under POINTS.</extracomment>
        <translation>SCORE:  %1</translation>
    </message>
    <message>
        <source>POINTS: %1</source>
        <extracomment>The HUD&apos;s points of the lit group.</extracomment>
        <translation>PUNTEN: %1</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Hint: %1</translation>
    </message>
</context>
<context>
    <name>TFormOpt</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Player Name:</source>
        <translation>Spelersnaam:</translation>
    </message>
    <message>
        <source>Rotate Objects</source>
        <translation>Stenen laten draaien</translation>
    </message>
    <message>
        <source>Game Scheme:</source>
        <translation>Stijl:</translation>
    </message>
    <message>
        <source>Scheme1</source>
        <translation>Stijl 1</translation>
    </message>
    <message>
        <source>Scheme2</source>
        <translation>Stijl 2</translation>
    </message>
    <message>
        <source>Scheme3</source>
        <translation>Stijl 3</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Vormen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Sound ON/OFF</source>
        <translation>Geluid AAN/UIT</translation>
    </message>
    <message>
        <source>Music ON/OFF</source>
        <translation>Muziek AAN/UIT</translation>
    </message>
    <message>
        <source>Place worker to desired position</source>
        <translation>Zet de werker op de gewenste plek</translation>
    </message>
    <message>
        <source>20 x 12 Game Field</source>
        <translation>Speelveld 20 x 12</translation>
    </message>
    <message>
        <source>Choose wall primitive</source>
        <translation>Kies de muurvorm</translation>
    </message>
    <message>
        <source>18 x 10 Game Field</source>
        <translation>Speelveld 18 x 10</translation>
    </message>
    <message>
        <source>Choose Box primitive</source>
        <translation>Kies de kistvorm</translation>
    </message>
    <message>
        <source>16 x 08 Game Field</source>
        <translation>Speelveld 16 x 08</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Spelersnaam</translation>
    </message>
    <message>
        <source>Sound volume down</source>
        <translation>Geluid zachter</translation>
    </message>
    <message>
        <source>Sound volume up</source>
        <translation>Geluid harder</translation>
    </message>
    <message>
        <source>Sound volume</source>
        <translation>Geluidsvolume</translation>
    </message>
    <message>
        <source>Music volume down</source>
        <translation>Muziek zachter</translation>
    </message>
    <message>
        <source>Music volume up</source>
        <translation>Muziek harder</translation>
    </message>
    <message>
        <source>Music volume</source>
        <translation>Muziekvolume</translation>
    </message>
    <message>
        <source>Game Scheme</source>
        <translation>Stijl</translation>
    </message>
</context>
<context>
    <name>TFormScore</name>
    <message>
        <source>HighScores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source> Save</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source> Close</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Je naam</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Toon</translation>
    </message>
    <message>
        <source>Plays the best line found on the field; a click or a key ends it</source>
        <translation>Speelt de beste gevonden zettenreeks af op het veld; een klik of toets stopt hem</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Spel %1</translation>
    </message>
    <message>
        <source>Deal %1, with a hint</source>
        <translation>Spel %1, met hint</translation>
    </message>
    <message>
        <source>Not entered: a hint was used</source>
        <translation>Niet ingevoerd: hint gebruikt</translation>
    </message>
    <message>
        <source>The search for the best line is off</source>
        <translation>Het zoeken naar de beste zettenreeks staat uit</translation>
    </message>
    <message>
        <source>Searching for the best line...</source>
        <translation>Zoeken naar de beste zettenreeks...</translation>
    </message>
    <message numerus="yes">
        <source>Best line found for this deal: %n points</source>
        <translation>
            <numerusform>Beste zettenreeks: %n punt</numerusform>
            <numerusform>Beste zettenreeks: %n punten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best line so far: %n points...</source>
        <translation>
            <numerusform>Beste reeks tot nu toe: %n punt...</numerusform>
            <numerusform>Beste reeks tot nu toe: %n punten...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>The settings file %1 is larger than %2 KB and was not read; the default settings are used.</source>
        <translation>Het instellingenbestand %1 is groter dan %2 KB en is niet gelezen; de standaardinstellingen worden gebruikt.</translation>
    </message>
    <message>
        <source>Unable to write %1 to %2: the value holds a line break</source>
        <translation>Kan %1 niet naar %2 schrijven: de waarde bevat een regeleinde</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Kan niet schrijven naar %1</translation>
    </message>
</context>
</TS>
