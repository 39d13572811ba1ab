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
    <name>ScaleFactorFloor</name>
    <message>
        <source>The scale factor %1 is too small for the game&apos;s windows: they are drawn at 1.</source>
        <translation>Skalfaktorn %1 är för liten för spelets fönster: de ritas i skala 1.</translation>
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
