<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CommandLine</name>
    <message>
        <source>Glimmora, a puzzle game: clear a field of 3D pieces in groups of like colour.

The game keeps its settings and scores in the folder it is started in; the
launcher, glimmora, starts it in the player&apos;s own folder.

The texts follow the desktop&apos;s language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR sets the size of the windows.</source>
        <translation>Glimmora, gra logiczna: oczyść planszę z klocków 3D, usuwając grupy w tym samym kolorze.

Gra przechowuje ustawienia i najlepsze wyniki w katalogu, w którym zostaje uruchomiona;
program uruchamiający glimmora uruchamia ją we własnym katalogu gracza.

Teksty są w języku pulpitu (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR ustala rozmiar okien.</translation>
    </message>
</context>
<context>
    <name>DataPath</name>
    <message>
        <source>The folder the game was started in cannot be used: %1.</source>
        <translation>Nie można użyć katalogu, w którym uruchomiono grę: %1.</translation>
    </message>
    <message>
        <source>its name is unknown</source>
        <translation>jego nazwa jest nieznana</translation>
    </message>
    <message>
        <source>it no longer exists</source>
        <translation>już nie istnieje</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Nie można otworzyć pliku „%1”. To nie jest plik</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Nie można otworzyć pliku „%1”. %2</translation>
    </message>
    <message>
        <source>Cannot read picture &quot;%1&quot;: %2</source>
        <translation>Nie można odczytać obrazu „%1”: %2</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>takes no arguments</source>
        <translation>nie przyjmuje argumentów</translation>
    </message>
    <message>
        <source>cannot tell where the launcher is</source>
        <translation>nie można ustalić, gdzie jest program uruchamiający</translation>
    </message>
    <message>
        <source>the game is missing: %1</source>
        <translation>brak gry: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is missing: %1</source>
        <translation>brak danych gry: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is incomplete: %1 has no Pics or defaults folder</source>
        <translation>dane gry są niekompletne: %1 nie zawiera katalogu Pics ani defaults</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder for the game</source>
        <translation>zmienna HOME nie jest ustawiona, więc nie ma katalogu dla gry</translation>
    </message>
    <message>
        <source>HOME is not an absolute path: %1</source>
        <translation>HOME nie jest ścieżką bezwzględną: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>nie można utworzyć katalogu %1: %2</translation>
    </message>
    <message>
        <source>cannot enter the folder %1</source>
        <translation>nie można wejść do katalogu %1</translation>
    </message>
    <message>
        <source>cannot write to the folder %1</source>
        <translation>nie można zapisywać w katalogu %1</translation>
    </message>
    <message>
        <source>cannot remove the broken link %1</source>
        <translation>nie można usunąć uszkodzonego dowiązania %1</translation>
    </message>
    <message>
        <source>cannot make a link in %1: %2</source>
        <translation>nie można utworzyć dowiązania w %1: %2</translation>
    </message>
    <message>
        <source>cannot link %1: %2</source>
        <translation>nie można dowiązać %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>nie można skopiować %1 do %2: %3</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2</source>
        <translation>nie można skopiować %1 do %2</translation>
    </message>
</context>
<context>
    <name>LitGroupText</name>
    <message>
        <source>piece</source>
        <translation>klocek</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>żółty</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zielony</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>turkusowy</translation>
    </message>
    <message>
        <source>red</source>
        <translation>czerwony</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n punkt</numerusform>
            <numerusform>%n punkty</numerusform>
            <numerusform>%n punktów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punkt</numerusform>
            <numerusform>%n punkty</numerusform>
            <numerusform>%n punktów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, single piece, %2</source>
        <translation>%1, pojedynczy klocek, %2</translation>
    </message>
    <message>
        <source>%1, group of %2, %3</source>
        <translation>%1, grupa %2, %3</translation>
    </message>
</context>
<context>
    <name>ScaleFactorFloor</name>
    <message>
        <source>The scale factor %1 is too small for the game&apos;s windows: they are drawn at 1.</source>
        <translation>Współczynnik skalowania %1 jest za mały dla okien gry: są rysowane w skali 1.</translation>
    </message>
</context>
<context>
    <name>TFormDeal</name>
    <message>
        <source>Deal number</source>
        <translation>Numer rozdania</translation>
    </message>
    <message>
        <source>Deal number:</source>
        <translation>Numer rozdania:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Type a deal number, such as 20x12-43200250.</source>
        <translation>Wpisz numer rozdania, na przykład 20x12-43200250.</translation>
    </message>
    <message>
        <source>This is not a deal number. Write it as 20x12-43200250, or the number after the dash alone.</source>
        <translation>To nie jest numer rozdania. Zapisz go jako 20x12-43200250 albo samą liczbę po myślniku.</translation>
    </message>
    <message>
        <source>The game has no field of that size. The sizes are %1.</source>
        <translation>Gra nie ma planszy tego rozmiaru. Dostępne rozmiary to %1.</translation>
    </message>
    <message>
        <source>The number after the dash is too large: it goes up to %L1.</source>
        <translation>Liczba po myślniku jest za duża: może wynosić najwyżej %L1.</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>The settings file %1 is larger than %2 KB and was not read; the default settings are used.</source>
        <translation>Plik ustawień %1 jest większy niż %2 KB i nie został wczytany; używane są ustawienia domyślne.</translation>
    </message>
    <message>
        <source>Unable to write %1 to %2: the value holds a line break</source>
        <translation>Nie można zapisać %1 w %2: wartość zawiera znak nowego wiersza</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać do %1</translation>
    </message>
</context>
</TS>
