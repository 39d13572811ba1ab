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
    <message>
        <source>Starts on the deal NUMBER, such as 20x12-43200250.</source>
        <translation>Začne hrou ČÍSLO, například 20x12-43200250.</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <translation>ČÍSLO</translation>
    </message>
    <message>
        <source>Starts on today&apos;s deal, the same for every player.</source>
        <translation>Začne dnešní hrou, stejnou pro všechny hráče.</translation>
    </message>
    <message>
        <source>--deal needs a deal number, such as 20x12-43200250</source>
        <translation>--deal potřebuje číslo hry, například 20x12-43200250</translation>
    </message>
    <message>
        <source>%1: the field sizes are 20x12, 18x10 and 16x8</source>
        <translation>%1: velikosti pole jsou 20x12, 18x10 a 16x8</translation>
    </message>
    <message>
        <source>%1: a deal&apos;s number goes up to 86399999</source>
        <translation>%1: číslo hry jde nejvýše do 86399999</translation>
    </message>
    <message>
        <source>%1 is no deal number; they read like 20x12-43200250</source>
        <translation>%1 není číslo hry; vypadají jako 20x12-43200250</translation>
    </message>
    <message>
        <source>unknown argument: %1</source>
        <translation>neznámý argument: %1</translation>
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
    <name>GameAudio</name>
    <message>
        <source>Can&apos;t initialize digital sound system</source>
        <translation>Digitální zvukový systém nelze inicializovat</translation>
    </message>
    <message>
        <source>SDL_mixer version 2 was not loaded</source>
        <translation>SDL_mixer verze 2 nebyl načten</translation>
    </message>
    <message>
        <source>Can&apos;t initialize CD system</source>
        <translation>Systém CD nelze inicializovat</translation>
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
    <name>MidiSequencer</name>
    <message>
        <source>No message available</source>
        <translation>Žádná zpráva není k dispozici</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Not a valid MIDI file: %1</source>
        <translation>Neplatný soubor MIDI: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1: %2</source>
        <translation>Nelze otevřít %1: %2</translation>
    </message>
    <message>
        <source>MIDI file too large: %1</source>
        <translation>Soubor MIDI je příliš velký: %1</translation>
    </message>
</context>
<context>
    <name>MidiSynth</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 nebo %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the soundfont %1</source>
        <translation>Nepodařilo se načíst soundfont %1</translation>
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
    <name>ScoreFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;</source>
        <translation>Soubor „%1“ nelze zapsat</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;</source>
        <translation>Soubor „%1“ nelze vytvořit</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Soubor „%1“ nelze zapsat. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Soubor „%1“ nelze vytvořit. %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ není platné celé číslo</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Soubor nenalezen</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Soubor „%1“ nelze otevřít. %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Soubor „%1“ nelze otevřít. Nejde o soubor</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Soubor „%1“ nelze přečíst. %2</translation>
    </message>
    <message>
        <source>The score table &quot;%1&quot; is busy: another copy of the game is saving to it. Try Save again in a moment.</source>
        <translation>Tabulka nejlepších výsledků „%1“ je obsazená: jiná kopie hry do ní právě ukládá. Zkuste za chvíli znovu Uložit.</translation>
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
    <name>TFormMain</name>
    <message>
        <source>Glimmora! Game</source>
        <translation>Glimmora! Hra</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Výsledky</translation>
    </message>
    <message>
        <source> Exit</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Nápověda (H)</translation>
    </message>
    <message>
        <source>Game field</source>
        <translation>Hrací pole</translation>
    </message>
    <message>
        <source>Can&apos;t initialize OpenGL: this display offers no OpenGL context for the game&apos;s field</source>
        <translation>OpenGL nelze inicializovat: tento displej nenabízí pro hrací pole žádný kontext OpenGL</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Hra %1</translation>
    </message>
    <message>
        <source>SCORE:  %1</source>
        <extracomment>The HUD&apos;s score; the spaces line the number up under POINTS.</extracomment>
        <translation>SKÓRE: %1</translation>
    </message>
    <message>
        <source>POINTS: %1</source>
        <extracomment>The HUD&apos;s points of the lit group.</extracomment>
        <translation>BODY:  %1</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Nápověda: %1</translation>
    </message>
</context>
<context>
    <name>TFormOpt</name>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Player Name:</source>
        <translation>Hráč:</translation>
    </message>
    <message>
        <source>Rotate Objects</source>
        <translation>Otáčet kameny</translation>
    </message>
    <message>
        <source>Game Scheme:</source>
        <translation>Vzhled:</translation>
    </message>
    <message>
        <source>Scheme1</source>
        <translation>Vzhled 1</translation>
    </message>
    <message>
        <source>Scheme2</source>
        <translation>Vzhled 2</translation>
    </message>
    <message>
        <source>Scheme3</source>
        <translation>Vzhled 3</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Tvary</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Sound ON/OFF</source>
        <translation>Zvuk ZAP/VYP</translation>
    </message>
    <message>
        <source>Music ON/OFF</source>
        <translation>Hudba ZAP/VYP</translation>
    </message>
    <message>
        <source>Place worker to desired position</source>
        <translation>Umístit dělníka na požadované místo</translation>
    </message>
    <message>
        <source>20 x 12 Game Field</source>
        <translation>Hrací pole 20 x 12</translation>
    </message>
    <message>
        <source>Choose wall primitive</source>
        <translation>Zvolit primitivum zdi</translation>
    </message>
    <message>
        <source>18 x 10 Game Field</source>
        <translation>Hrací pole 18 x 10</translation>
    </message>
    <message>
        <source>Choose Box primitive</source>
        <translation>Zvolit primitivum krabice</translation>
    </message>
    <message>
        <source>16 x 08 Game Field</source>
        <translation>Hrací pole 16 x 08</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Jméno hráče</translation>
    </message>
    <message>
        <source>Sound volume down</source>
        <translation>Ztišit zvuk</translation>
    </message>
    <message>
        <source>Sound volume up</source>
        <translation>Zesílit zvuk</translation>
    </message>
    <message>
        <source>Sound volume</source>
        <translation>Hlasitost zvuku</translation>
    </message>
    <message>
        <source>Music volume down</source>
        <translation>Ztišit hudbu</translation>
    </message>
    <message>
        <source>Music volume up</source>
        <translation>Zesílit hudbu</translation>
    </message>
    <message>
        <source>Music volume</source>
        <translation>Hlasitost hudby</translation>
    </message>
    <message>
        <source>Game Scheme</source>
        <translation>Vzhled</translation>
    </message>
</context>
<context>
    <name>TFormScore</name>
    <message>
        <source>HighScores</source>
        <translation>Nejlepší výsledky</translation>
    </message>
    <message>
        <source> Save</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Uložit</translation>
    </message>
    <message>
        <source> Close</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Vaše jméno</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Ukázat</translation>
    </message>
    <message>
        <source>Plays the best line found on the field; a click or a key ends it</source>
        <translation>Přehraje na hracím poli nejlepší nalezený sled tahů; kliknutí nebo klávesa jej ukončí</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Hra %1</translation>
    </message>
    <message>
        <source>Deal %1, with a hint</source>
        <translation>Hra %1, s nápovědou</translation>
    </message>
    <message>
        <source>Not entered: a hint was used</source>
        <translation>Nezapsáno: použita nápověda</translation>
    </message>
    <message>
        <source>The search for the best line is off</source>
        <translation>Hledání nejlepšího sledu tahů je vypnuto</translation>
    </message>
    <message>
        <source>Searching for the best line...</source>
        <translation>Hledám nejlepší sled tahů...</translation>
    </message>
    <message numerus="yes">
        <source>Best line found for this deal: %n points</source>
        <translation>
            <numerusform>Nejlepší sled tahů: %n bod</numerusform>
            <numerusform>Nejlepší sled tahů: %n body</numerusform>
            <numerusform>Nejlepší sled tahů: %n bodů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best line so far: %n points...</source>
        <translation>
            <numerusform>Zatím nejlepší: %n bod...</numerusform>
            <numerusform>Zatím nejlepší: %n body...</numerusform>
            <numerusform>Zatím nejlepší: %n bodů...</numerusform>
        </translation>
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
