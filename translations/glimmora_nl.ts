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
    <name>ScaleFactorFloor</name>
    <message>
        <source>The scale factor %1 is too small for the game&apos;s windows: they are drawn at 1.</source>
        <translation>De schaalfactor %1 is te klein voor de vensters van het spel: ze worden op 1 getekend.</translation>
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
