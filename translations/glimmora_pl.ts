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
    <message>
        <source>Starts on the deal NUMBER, such as 20x12-43200250.</source>
        <translation>Zaczyna od rozdania NUMER, na przykład 20x12-43200250.</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <translation>NUMER</translation>
    </message>
    <message>
        <source>Starts on today&apos;s deal, the same for every player.</source>
        <translation>Zaczyna od dzisiejszego rozdania, takiego samego dla wszystkich graczy.</translation>
    </message>
    <message>
        <source>--deal needs a deal number, such as 20x12-43200250</source>
        <translation>--deal wymaga numeru rozdania, na przykład 20x12-43200250</translation>
    </message>
    <message>
        <source>%1: the field sizes are 20x12, 18x10 and 16x8</source>
        <translation>%1: rozmiary planszy to 20x12, 18x10 i 16x8</translation>
    </message>
    <message>
        <source>%1: a deal&apos;s number goes up to 86399999</source>
        <translation>%1: numer rozdania sięga do 86399999</translation>
    </message>
    <message>
        <source>%1 is no deal number; they read like 20x12-43200250</source>
        <translation>%1 to nie numer rozdania; wyglądają tak: 20x12-43200250</translation>
    </message>
    <message>
        <source>unknown argument: %1</source>
        <translation>nieznany argument: %1</translation>
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
    <name>GameAudio</name>
    <message>
        <source>Can&apos;t initialize digital sound system</source>
        <translation>Nie można zainicjować cyfrowego systemu dźwięku</translation>
    </message>
    <message>
        <source>SDL_mixer version 2 was not loaded</source>
        <translation>Nie wczytano SDL_mixer w wersji 2</translation>
    </message>
    <message>
        <source>Can&apos;t initialize CD system</source>
        <translation>Nie można zainicjować systemu CD</translation>
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
    <name>MidiSequencer</name>
    <message>
        <source>No message available</source>
        <translation>Brak komunikatu</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Not a valid MIDI file: %1</source>
        <translation>Nieprawidłowy plik MIDI: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1: %2</source>
        <translation>Nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>MIDI file too large: %1</source>
        <translation>Plik MIDI jest za duży: %1</translation>
    </message>
</context>
<context>
    <name>MidiSynth</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 lub %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the soundfont %1</source>
        <translation>Nie można wczytać soundfontu %1</translation>
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
    <name>ScoreFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;</source>
        <translation>Nie można zapisać pliku „%1”</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;</source>
        <translation>Nie można utworzyć pliku „%1”</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Nie można zapisać pliku „%1”. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Nie można utworzyć pliku „%1”. %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1” nie jest prawidłową liczbą całkowitą</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Nie można otworzyć pliku „%1”. %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Nie można otworzyć pliku „%1”. To nie jest plik</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Nie można odczytać pliku „%1”. %2</translation>
    </message>
    <message>
        <source>The score table &quot;%1&quot; is busy: another copy of the game is saving to it. Try Save again in a moment.</source>
        <translation>Tabela najlepszych wyników „%1” jest zajęta: inna kopia gry właśnie w niej zapisuje. Spróbuj Zapisz ponownie za chwilę.</translation>
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
    <name>TFormMain</name>
    <message>
        <source>Glimmora! Game</source>
        <translation>Glimmora! Gra</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source> Exit</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Podpowiedź (H)</translation>
    </message>
    <message>
        <source>Game field</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Can&apos;t initialize OpenGL: this display offers no OpenGL context for the game&apos;s field</source>
        <translation>Nie można zainicjować OpenGL: ten ekran nie udostępnia kontekstu OpenGL dla planszy gry</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Rozdanie %1</translation>
    </message>
    <message>
        <source>SCORE:  %1</source>
        <extracomment>The HUD&apos;s score; the spaces line the number up under POINTS.</extracomment>
        <translation>WYNIK:  %1</translation>
    </message>
    <message>
        <source>POINTS: %1</source>
        <extracomment>The HUD&apos;s points of the lit group.</extracomment>
        <translation>PUNKTY: %1</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Podpowiedź: %1</translation>
    </message>
</context>
<context>
    <name>TFormOpt</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Player Name:</source>
        <translation>Gracz:</translation>
    </message>
    <message>
        <source>Rotate Objects</source>
        <translation>Obracaj klocki</translation>
    </message>
    <message>
        <source>Game Scheme:</source>
        <translation>Wygląd:</translation>
    </message>
    <message>
        <source>Scheme1</source>
        <translation>Wygląd 1</translation>
    </message>
    <message>
        <source>Scheme2</source>
        <translation>Wygląd 2</translation>
    </message>
    <message>
        <source>Scheme3</source>
        <translation>Wygląd 3</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Kształty</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Sound ON/OFF</source>
        <translation>Dźwięk WŁ./WYŁ.</translation>
    </message>
    <message>
        <source>Music ON/OFF</source>
        <translation>Muzyka WŁ./WYŁ.</translation>
    </message>
    <message>
        <source>Place worker to desired position</source>
        <translation>Ustaw robotnika w wybranym miejscu</translation>
    </message>
    <message>
        <source>20 x 12 Game Field</source>
        <translation>Plansza 20 x 12</translation>
    </message>
    <message>
        <source>Choose wall primitive</source>
        <translation>Wybierz prymityw ściany</translation>
    </message>
    <message>
        <source>18 x 10 Game Field</source>
        <translation>Plansza 18 x 10</translation>
    </message>
    <message>
        <source>Choose Box primitive</source>
        <translation>Wybierz prymityw skrzyni</translation>
    </message>
    <message>
        <source>16 x 08 Game Field</source>
        <translation>Plansza 16 x 08</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Imię gracza</translation>
    </message>
    <message>
        <source>Sound volume down</source>
        <translation>Ścisz dźwięk</translation>
    </message>
    <message>
        <source>Sound volume up</source>
        <translation>Pogłośnij dźwięk</translation>
    </message>
    <message>
        <source>Sound volume</source>
        <translation>Głośność dźwięku</translation>
    </message>
    <message>
        <source>Music volume down</source>
        <translation>Ścisz muzykę</translation>
    </message>
    <message>
        <source>Music volume up</source>
        <translation>Pogłośnij muzykę</translation>
    </message>
    <message>
        <source>Music volume</source>
        <translation>Głośność muzyki</translation>
    </message>
    <message>
        <source>Game Scheme</source>
        <translation>Wygląd</translation>
    </message>
</context>
<context>
    <name>TFormScore</name>
    <message>
        <source>HighScores</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source> Save</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source> Close</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Twoje imię</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Plays the best line found on the field; a click or a key ends it</source>
        <translation>Odtwarza na planszy najlepszą znalezioną sekwencję; kliknięcie lub klawisz ją przerywa</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Rozdanie %1</translation>
    </message>
    <message>
        <source>Deal %1, with a hint</source>
        <translation>Rozdanie %1, z podpowiedzią</translation>
    </message>
    <message>
        <source>Not entered: a hint was used</source>
        <translation>Nie wpisano: użyto podpowiedzi</translation>
    </message>
    <message>
        <source>The search for the best line is off</source>
        <translation>Szukanie najlepszej sekwencji jest wyłączone</translation>
    </message>
    <message>
        <source>Searching for the best line...</source>
        <translation>Szukanie najlepszej sekwencji...</translation>
    </message>
    <message numerus="yes">
        <source>Best line found for this deal: %n points</source>
        <translation>
            <numerusform>Najlepsza sekwencja: %n punkt</numerusform>
            <numerusform>Najlepsza sekwencja: %n punkty</numerusform>
            <numerusform>Najlepsza sekwencja: %n punktów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best line so far: %n points...</source>
        <translation>
            <numerusform>Najlepsza dotąd: %n punkt...</numerusform>
            <numerusform>Najlepsza dotąd: %n punkty...</numerusform>
            <numerusform>Najlepsza dotąd: %n punktów...</numerusform>
        </translation>
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
