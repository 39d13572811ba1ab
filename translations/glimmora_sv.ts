<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>CommandLine</name>
    <message>
        <source>Glimmora, a puzzle game: clear a field of 3D pieces in groups of like colour.

The game keeps its settings and scores in the folder it is started in; the
launcher, glimmora, starts it in the player&apos;s own folder.

The texts follow the desktop&apos;s language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR sets the size of the windows.</source>
        <translation>Glimmora, ett tankespel: töm ett fält med 3D-brickor i grupper av samma färg.

Spelet sparar sina inställningar och topplistor i mappen det startas i;
startprogrammet glimmora startar det i spelarens egen mapp.

Texterna följer skrivbordets språk (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR anger fönstrens storlek.</translation>
    </message>
    <message>
        <source>Starts on the deal NUMBER, such as 20x12-43200250.</source>
        <translation>Börjar med given NUMMER, till exempel 20x12-43200250.</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <translation>NUMMER</translation>
    </message>
    <message>
        <source>Starts on today&apos;s deal, the same for every player.</source>
        <translation>Börjar med dagens giv, samma för alla spelare.</translation>
    </message>
    <message>
        <source>--deal needs a deal number, such as 20x12-43200250</source>
        <translation>--deal behöver givens nummer, till exempel 20x12-43200250</translation>
    </message>
    <message>
        <source>%1: the field sizes are 20x12, 18x10 and 16x8</source>
        <translation>%1: fältets storlekar är 20x12, 18x10 och 16x8</translation>
    </message>
    <message>
        <source>%1: a deal&apos;s number goes up to 86399999</source>
        <translation>%1: givens nummer går upp till 86399999</translation>
    </message>
    <message>
        <source>%1 is no deal number; they read like 20x12-43200250</source>
        <translation>%1 är inget givnummer; de ser ut som 20x12-43200250</translation>
    </message>
    <message>
        <source>unknown argument: %1</source>
        <translation>okänt argument: %1</translation>
    </message>
</context>
<context>
    <name>DataPath</name>
    <message>
        <source>The folder the game was started in cannot be used: %1.</source>
        <translation>Mappen som spelet startades i kan inte användas: %1.</translation>
    </message>
    <message>
        <source>its name is unknown</source>
        <translation>dess namn är okänt</translation>
    </message>
    <message>
        <source>it no longer exists</source>
        <translation>den finns inte längre</translation>
    </message>
</context>
<context>
    <name>GameAudio</name>
    <message>
        <source>Can&apos;t initialize digital sound system</source>
        <translation>Det går inte att starta det digitala ljudsystemet</translation>
    </message>
    <message>
        <source>SDL_mixer version 2 was not loaded</source>
        <translation>SDL_mixer version 2 lästes inte in</translation>
    </message>
    <message>
        <source>Can&apos;t initialize CD system</source>
        <translation>Det går inte att starta cd-systemet</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Kan inte öppna filen ”%1”. Inte en fil</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Kan inte öppna filen ”%1”. %2</translation>
    </message>
    <message>
        <source>Cannot read picture &quot;%1&quot;: %2</source>
        <translation>Kan inte läsa bilden ”%1”: %2</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>takes no arguments</source>
        <translation>tar inga argument</translation>
    </message>
    <message>
        <source>cannot tell where the launcher is</source>
        <translation>kan inte avgöra var startprogrammet finns</translation>
    </message>
    <message>
        <source>the game is missing: %1</source>
        <translation>spelet saknas: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is missing: %1</source>
        <translation>spelets data saknas: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is incomplete: %1 has no Pics or defaults folder</source>
        <translation>spelets data är ofullständiga: %1 har ingen mapp Pics eller defaults</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder for the game</source>
        <translation>HOME är inte satt, så det finns ingen mapp för spelet</translation>
    </message>
    <message>
        <source>HOME is not an absolute path: %1</source>
        <translation>HOME är ingen absolut sökväg: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>kan inte skapa mappen %1: %2</translation>
    </message>
    <message>
        <source>cannot enter the folder %1</source>
        <translation>kan inte gå in i mappen %1</translation>
    </message>
    <message>
        <source>cannot write to the folder %1</source>
        <translation>kan inte skriva i mappen %1</translation>
    </message>
    <message>
        <source>cannot remove the broken link %1</source>
        <translation>kan inte ta bort den brutna länken %1</translation>
    </message>
    <message>
        <source>cannot make a link in %1: %2</source>
        <translation>kan inte skapa en länk i %1: %2</translation>
    </message>
    <message>
        <source>cannot link %1: %2</source>
        <translation>kan inte länka %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>kan inte kopiera %1 till %2: %3</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2</source>
        <translation>kan inte kopiera %1 till %2</translation>
    </message>
</context>
<context>
    <name>LitGroupText</name>
    <message>
        <source>piece</source>
        <translation>bricka</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gul</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grön</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blå</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>turkos</translation>
    </message>
    <message>
        <source>red</source>
        <translation>röd</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n poäng</numerusform>
            <numerusform>%n poäng</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n poäng</numerusform>
            <numerusform>%n poäng</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, single piece, %2</source>
        <translation>%1, ensam bricka, %2</translation>
    </message>
    <message>
        <source>%1, group of %2, %3</source>
        <translation>%1, grupp om %2, %3</translation>
    </message>
</context>
<context>
    <name>MidiSequencer</name>
    <message>
        <source>No message available</source>
        <translation>Inget meddelande finns</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Not a valid MIDI file: %1</source>
        <translation>Ingen giltig MIDI-fil: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1: %2</source>
        <translation>Kunde inte öppna %1: %2</translation>
    </message>
    <message>
        <source>MIDI file too large: %1</source>
        <translation>MIDI-filen är för stor: %1</translation>
    </message>
</context>
<context>
    <name>MidiSynth</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 eller %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the soundfont %1</source>
        <translation>Det gick inte att läsa in ljudbanken %1</translation>
    </message>
</context>
<context>
    <name>ScaleFactorFloor</name>
    <message>
        <source>The scale factor %1 is too small for the game&apos;s windows: they are drawn at 1.</source>
        <translation>Skalfaktorn %1 är för liten för spelets fönster: de ritas i skala 1.</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;</source>
        <translation>Kan inte skriva filen ”%1”</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;</source>
        <translation>Kan inte skapa filen ”%1”</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Kan inte skriva filen ”%1”. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Kan inte skapa filen ”%1”. %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>”%1” är inget giltigt heltal</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Filen hittades inte</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Kan inte öppna filen ”%1”. %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Kan inte öppna filen ”%1”. Inte en fil</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Kan inte läsa filen ”%1”. %2</translation>
    </message>
    <message>
        <source>The score table &quot;%1&quot; is busy: another copy of the game is saving to it. Try Save again in a moment.</source>
        <translation>Topplistan ”%1” är upptagen: en annan kopia av spelet sparar i den. Försök med Spara igen om en stund.</translation>
    </message>
</context>
<context>
    <name>TFormDeal</name>
    <message>
        <source>Deal number</source>
        <translation>Givens nummer</translation>
    </message>
    <message>
        <source>Deal number:</source>
        <translation>Givens nummer:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Type a deal number, such as 20x12-43200250.</source>
        <translation>Skriv givens nummer, till exempel 20x12-43200250.</translation>
    </message>
    <message>
        <source>This is not a deal number. Write it as 20x12-43200250, or the number after the dash alone.</source>
        <translation>Det här kan inte vara givens nummer. Skriv det som 20x12-43200250, eller bara talet efter bindestrecket.</translation>
    </message>
    <message>
        <source>The game has no field of that size. The sizes are %1.</source>
        <translation>Spelet har ingen sådan fältstorlek. Storlekarna är %1.</translation>
    </message>
    <message>
        <source>The number after the dash is too large: it goes up to %L1.</source>
        <translation>Talet efter bindestrecket är för stort: det går upp till %L1.</translation>
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
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Topplista</translation>
    </message>
    <message>
        <source> Exit</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Ledtråd</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Ledtråd (H)</translation>
    </message>
    <message>
        <source>Game field</source>
        <translation>Spelplan</translation>
    </message>
    <message>
        <source>Can&apos;t initialize OpenGL: this display offers no OpenGL context for the game&apos;s field</source>
        <translation>Det går inte att starta OpenGL: den här skärmen erbjuder ingen OpenGL-kontext för spelplanen</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Giv %1</translation>
    </message>
    <message>
        <source>SCORE:  %1</source>
        <extracomment>The HUD&apos;s score; the spaces line the number up under POINTS.</extracomment>
        <translation>POÄNG: %1</translation>
    </message>
    <message>
        <source>POINTS: %1</source>
        <extracomment>The HUD&apos;s points of the lit group.</extracomment>
        <translation>VÄRDE: %1</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Ledtråd: %1</translation>
    </message>
</context>
<context>
    <name>TFormOpt</name>
    <message>
        <source>Options</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Player Name:</source>
        <translation>Spelarnamn:</translation>
    </message>
    <message>
        <source>Rotate Objects</source>
        <translation>Rotera brickor</translation>
    </message>
    <message>
        <source>Game Scheme:</source>
        <translation>Utseende:</translation>
    </message>
    <message>
        <source>Scheme1</source>
        <translation>Utseende 1</translation>
    </message>
    <message>
        <source>Scheme2</source>
        <translation>Utseende 2</translation>
    </message>
    <message>
        <source>Scheme3</source>
        <translation>Utseende 3</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Former</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Sound ON/OFF</source>
        <translation>Ljud PÅ/AV</translation>
    </message>
    <message>
        <source>Music ON/OFF</source>
        <translation>Musik PÅ/AV</translation>
    </message>
    <message>
        <source>Place worker to desired position</source>
        <translation>Placera arbetaren på önskad plats</translation>
    </message>
    <message>
        <source>20 x 12 Game Field</source>
        <translation>Spelplan 20 x 12</translation>
    </message>
    <message>
        <source>Choose wall primitive</source>
        <translation>Välj väggprimitiv</translation>
    </message>
    <message>
        <source>18 x 10 Game Field</source>
        <translation>Spelplan 18 x 10</translation>
    </message>
    <message>
        <source>Choose Box primitive</source>
        <translation>Välj lådprimitiv</translation>
    </message>
    <message>
        <source>16 x 08 Game Field</source>
        <translation>Spelplan 16 x 08</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Spelarnamn</translation>
    </message>
    <message>
        <source>Sound volume down</source>
        <translation>Sänk ljudvolymen</translation>
    </message>
    <message>
        <source>Sound volume up</source>
        <translation>Höj ljudvolymen</translation>
    </message>
    <message>
        <source>Sound volume</source>
        <translation>Ljudvolym</translation>
    </message>
    <message>
        <source>Music volume down</source>
        <translation>Sänk musikvolymen</translation>
    </message>
    <message>
        <source>Music volume up</source>
        <translation>Höj musikvolymen</translation>
    </message>
    <message>
        <source>Music volume</source>
        <translation>Musikvolym</translation>
    </message>
    <message>
        <source>Game Scheme</source>
        <translation>Utseende</translation>
    </message>
</context>
<context>
    <name>TFormScore</name>
    <message>
        <source>HighScores</source>
        <translation>Topplista</translation>
    </message>
    <message>
        <source> Save</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Spara</translation>
    </message>
    <message>
        <source> Close</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ditt namn</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Visa</translation>
    </message>
    <message>
        <source>Plays the best line found on the field; a click or a key ends it</source>
        <translation>Spelar upp den bästa funna dragföljden på spelplanen; ett klick eller en tangent avbryter</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Giv %1</translation>
    </message>
    <message>
        <source>Deal %1, with a hint</source>
        <translation>Giv %1, med ledtråd</translation>
    </message>
    <message>
        <source>Not entered: a hint was used</source>
        <translation>Inte inlagd: ledtråd användes</translation>
    </message>
    <message>
        <source>The search for the best line is off</source>
        <translation>Sökningen efter bästa dragföljd är avstängd</translation>
    </message>
    <message>
        <source>Searching for the best line...</source>
        <translation>Söker bästa dragföljd...</translation>
    </message>
    <message numerus="yes">
        <source>Best line found for this deal: %n points</source>
        <translation>
            <numerusform>Bästa dragföljd: %n poäng</numerusform>
            <numerusform>Bästa dragföljd: %n poäng</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best line so far: %n points...</source>
        <translation>
            <numerusform>Bästa hittills: %n poäng...</numerusform>
            <numerusform>Bästa hittills: %n poäng...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>The settings file %1 is larger than %2 KB and was not read; the default settings are used.</source>
        <translation>Inställningsfilen %1 är större än %2 kB och lästes inte; standardinställningarna används.</translation>
    </message>
    <message>
        <source>Unable to write %1 to %2: the value holds a line break</source>
        <translation>Kan inte skriva %1 till %2: värdet innehåller en radbrytning</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Kan inte skriva till %1</translation>
    </message>
</context>
</TS>
