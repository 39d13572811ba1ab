<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>CommandLine</name>
    <message>
        <source>Glimmora, a puzzle game: clear a field of 3D pieces in groups of like colour.

The game keeps its settings and scores in the folder it is started in; the
launcher, glimmora, starts it in the player&apos;s own folder.

The texts follow the desktop&apos;s language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR sets the size of the windows.</source>
        <translation>Glimmora, logická hra: vyčistěte pole 3D kamenů po skupinách stejné barvy.

Hra si ukládá nastavení a nejlepší výsledky do složky, ve které je spuštěna;
spouštěč glimmora ji spouští ve vlastní složce hráče.

Texty se řídí jazykem pracovní plochy (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR určuje velikost oken.</translation>
    </message>
</context>
<context>
    <name>DataPath</name>
    <message>
        <source>The folder the game was started in cannot be used: %1.</source>
        <translation>Složku, ve které byla hra spuštěna, nelze použít: %1.</translation>
    </message>
    <message>
        <source>its name is unknown</source>
        <translation>její název není znám</translation>
    </message>
    <message>
        <source>it no longer exists</source>
        <translation>již neexistuje</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Soubor „%1“ nelze otevřít. Nejde o soubor</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Soubor „%1“ nelze otevřít. %2</translation>
    </message>
    <message>
        <source>Cannot read picture &quot;%1&quot;: %2</source>
        <translation>Obrázek „%1“ nelze přečíst: %2</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>takes no arguments</source>
        <translation>nepřijímá žádné argumenty</translation>
    </message>
    <message>
        <source>cannot tell where the launcher is</source>
        <translation>nelze zjistit, kde je spouštěč</translation>
    </message>
    <message>
        <source>the game is missing: %1</source>
        <translation>hra chybí: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is missing: %1</source>
        <translation>data hry chybí: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is incomplete: %1 has no Pics or defaults folder</source>
        <translation>data hry nejsou úplná: %1 nemá složku Pics ani defaults</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder for the game</source>
        <translation>proměnná HOME není nastavena, a tak pro hru není žádná složka</translation>
    </message>
    <message>
        <source>HOME is not an absolute path: %1</source>
        <translation>HOME není absolutní cesta: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>nelze vytvořit složku %1: %2</translation>
    </message>
    <message>
        <source>cannot enter the folder %1</source>
        <translation>nelze vstoupit do složky %1</translation>
    </message>
    <message>
        <source>cannot write to the folder %1</source>
        <translation>do složky %1 nelze zapisovat</translation>
    </message>
    <message>
        <source>cannot remove the broken link %1</source>
        <translation>nelze odstranit nefunkční odkaz %1</translation>
    </message>
    <message>
        <source>cannot make a link in %1: %2</source>
        <translation>v %1 nelze vytvořit odkaz: %2</translation>
    </message>
    <message>
        <source>cannot link %1: %2</source>
        <translation>nelze vytvořit odkaz %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>%1 nelze zkopírovat do %2: %3</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2</source>
        <translation>%1 nelze zkopírovat do %2</translation>
    </message>
</context>
<context>
    <name>LitGroupText</name>
    <message>
        <source>piece</source>
        <translation>kámen</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>žlutý</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zelený</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>modrý</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>tyrkysový</translation>
    </message>
    <message>
        <source>red</source>
        <translation>červený</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n bod</numerusform>
            <numerusform>%n body</numerusform>
            <numerusform>%n bodů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n bod</numerusform>
            <numerusform>%n body</numerusform>
            <numerusform>%n bodů</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, single piece, %2</source>
        <translation>%1, samostatný kámen, %2</translation>
    </message>
    <message>
        <source>%1, group of %2, %3</source>
        <translation>%1, skupina %2, %3</translation>
    </message>
</context>
<context>
    <name>ScaleFactorFloor</name>
    <message>
        <source>The scale factor %1 is too small for the game&apos;s windows: they are drawn at 1.</source>
        <translation>Faktor měřítka %1 je pro okna hry příliš malý: kreslí se v měřítku 1.</translation>
    </message>
</context>
<context>
    <name>TFormDeal</name>
    <message>
        <source>Deal number</source>
        <translation>Číslo hry</translation>
    </message>
    <message>
        <source>Deal number:</source>
        <translation>Číslo hry:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Type a deal number, such as 20x12-43200250.</source>
        <translation>Zadejte číslo hry, například 20x12-43200250.</translation>
    </message>
    <message>
        <source>This is not a deal number. Write it as 20x12-43200250, or the number after the dash alone.</source>
        <translation>Toto není číslo hry. Zapište ho jako 20x12-43200250, nebo jen číslo za pomlčkou.</translation>
    </message>
    <message>
        <source>The game has no field of that size. The sizes are %1.</source>
        <translation>Hra nemá pole této velikosti. Velikosti pole jsou %1.</translation>
    </message>
    <message>
        <source>The number after the dash is too large: it goes up to %L1.</source>
        <translation>Číslo za pomlčkou je příliš velké: může být nejvýše %L1.</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>The settings file %1 is larger than %2 KB and was not read; the default settings are used.</source>
        <translation>Soubor nastavení %1 je větší než %2 KB a nebyl načten; používá se výchozí nastavení.</translation>
    </message>
    <message>
        <source>Unable to write %1 to %2: the value holds a line break</source>
        <translation>%1 nelze zapsat do %2: hodnota obsahuje zalomení řádku</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Do %1 nelze zapisovat</translation>
    </message>
</context>
</TS>
