<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>Glimmora, a puzzle game: clear a field of 3D pieces in groups of like colour.

The game keeps its settings and scores in the folder it is started in; the
launcher, glimmora, starts it in the player&apos;s own folder.

The texts follow the desktop&apos;s language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR sets the size of the windows.</source>
        <translation>Glimmora, логическая игра: очистите поле из объёмных фишек, убирая группы одного цвета.

Игра хранит настройки и рекорды в папке, из которой её запустили;
запускающий сценарий glimmora запускает её в собственной папке игрока.

Тексты следуют языку рабочего стола (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR задаёт размер окон.</translation>
    </message>
    <message>
        <source>Starts on the deal NUMBER, such as 20x12-43200250.</source>
        <translation>Начинает с расклада НОМЕР, например 20x12-43200250.</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <translation>НОМЕР</translation>
    </message>
    <message>
        <source>Starts on today&apos;s deal, the same for every player.</source>
        <translation>Начинает с расклада дня, одинакового для всех игроков.</translation>
    </message>
    <message>
        <source>--deal needs a deal number, such as 20x12-43200250</source>
        <translation>для --deal нужен номер расклада, например 20x12-43200250</translation>
    </message>
    <message>
        <source>%1: the field sizes are 20x12, 18x10 and 16x8</source>
        <translation>%1: размеры поля — 20x12, 18x10 и 16x8</translation>
    </message>
    <message>
        <source>%1: a deal&apos;s number goes up to 86399999</source>
        <translation>%1: номер расклада не больше 86399999</translation>
    </message>
    <message>
        <source>%1 is no deal number; they read like 20x12-43200250</source>
        <translation>%1 — не номер расклада; он выглядит как 20x12-43200250</translation>
    </message>
    <message>
        <source>unknown argument: %1</source>
        <translation>неизвестный аргумент: %1</translation>
    </message>
</context>
<context>
    <name>DataPath</name>
    <message>
        <source>The folder the game was started in cannot be used: %1.</source>
        <translation>Папку, из которой запущена игра, нельзя использовать: %1.</translation>
    </message>
    <message>
        <source>its name is unknown</source>
        <translation>её имя неизвестно</translation>
    </message>
    <message>
        <source>it no longer exists</source>
        <translation>её больше нет</translation>
    </message>
</context>
<context>
    <name>GameAudio</name>
    <message>
        <source>Can&apos;t initialize digital sound system</source>
        <translation>Не удаётся инициализировать цифровую звуковую систему</translation>
    </message>
    <message>
        <source>SDL_mixer version 2 was not loaded</source>
        <translation>SDL_mixer версии 2 не загружен</translation>
    </message>
    <message>
        <source>Can&apos;t initialize CD system</source>
        <translation>Не удаётся инициализировать систему CD</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Не удаётся открыть файл «%1». Это не файл</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не удаётся открыть файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot read picture &quot;%1&quot;: %2</source>
        <translation>Не удаётся прочитать изображение «%1»: %2</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>takes no arguments</source>
        <translation>не принимает аргументов</translation>
    </message>
    <message>
        <source>cannot tell where the launcher is</source>
        <translation>не удаётся определить, где находится сценарий запуска</translation>
    </message>
    <message>
        <source>the game is missing: %1</source>
        <translation>игра не найдена: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is missing: %1</source>
        <translation>данные игры не найдены: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is incomplete: %1 has no Pics or defaults folder</source>
        <translation>данные игры неполны: в %1 нет папки Pics или defaults</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder for the game</source>
        <translation>переменная HOME не задана, поэтому для игры нет папки</translation>
    </message>
    <message>
        <source>HOME is not an absolute path: %1</source>
        <translation>HOME не является абсолютным путём: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>не удаётся создать папку %1: %2</translation>
    </message>
    <message>
        <source>cannot enter the folder %1</source>
        <translation>не удаётся войти в папку %1</translation>
    </message>
    <message>
        <source>cannot write to the folder %1</source>
        <translation>не удаётся записать в папку %1</translation>
    </message>
    <message>
        <source>cannot remove the broken link %1</source>
        <translation>не удаётся удалить битую ссылку %1</translation>
    </message>
    <message>
        <source>cannot make a link in %1: %2</source>
        <translation>не удаётся создать ссылку в %1: %2</translation>
    </message>
    <message>
        <source>cannot link %1: %2</source>
        <translation>не удаётся создать ссылку %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>не удаётся скопировать %1 в %2: %3</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2</source>
        <translation>не удаётся скопировать %1 в %2</translation>
    </message>
</context>
<context>
    <name>LitGroupText</name>
    <message>
        <source>piece</source>
        <translation>фишка</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жёлтая</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелёная</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синяя</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>голубая</translation>
    </message>
    <message>
        <source>red</source>
        <translation>красная</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n очко</numerusform>
            <numerusform>%n очка</numerusform>
            <numerusform>%n очков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n очко</numerusform>
            <numerusform>%n очка</numerusform>
            <numerusform>%n очков</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, single piece, %2</source>
        <translation>%1, одиночная фишка, %2</translation>
    </message>
    <message>
        <source>%1, group of %2, %3</source>
        <translation>%1, группа из %2, %3</translation>
    </message>
</context>
<context>
    <name>MidiSequencer</name>
    <message>
        <source>No message available</source>
        <translation>Сообщение отсутствует</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Not a valid MIDI file: %1</source>
        <translation>Недопустимый файл MIDI: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1: %2</source>
        <translation>Не удалось открыть %1: %2</translation>
    </message>
    <message>
        <source>MIDI file too large: %1</source>
        <translation>Файл MIDI слишком велик: %1</translation>
    </message>
</context>
<context>
    <name>MidiSynth</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the soundfont %1</source>
        <translation>Не удалось загрузить звуковой шрифт %1</translation>
    </message>
</context>
<context>
    <name>ScaleFactorFloor</name>
    <message>
        <source>The scale factor %1 is too small for the game&apos;s windows: they are drawn at 1.</source>
        <translation>Масштаб %1 слишком мал для окон игры: они рисуются в масштабе 1.</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;</source>
        <translation>Не удаётся записать файл «%1»</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;</source>
        <translation>Не удаётся создать файл «%1»</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Не удаётся записать файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Не удаётся создать файл «%1». %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» — недопустимое целое число</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не удаётся открыть файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Не удаётся открыть файл «%1». Это не файл</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Не удаётся прочитать файл «%1». %2</translation>
    </message>
    <message>
        <source>The score table &quot;%1&quot; is busy: another copy of the game is saving to it. Try Save again in a moment.</source>
        <translation>Таблица рекордов «%1» занята: другая копия игры сейчас сохраняет в неё. Нажмите «Сохранить» ещё раз чуть позже.</translation>
    </message>
</context>
<context>
    <name>TFormDeal</name>
    <message>
        <source>Deal number</source>
        <translation>Номер расклада</translation>
    </message>
    <message>
        <source>Deal number:</source>
        <translation>Номер расклада:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Type a deal number, such as 20x12-43200250.</source>
        <translation>Введите номер расклада, например 20x12-43200250.</translation>
    </message>
    <message>
        <source>This is not a deal number. Write it as 20x12-43200250, or the number after the dash alone.</source>
        <translation>Это не номер расклада. Запишите его как 20x12-43200250 или только число после дефиса.</translation>
    </message>
    <message>
        <source>The game has no field of that size. The sizes are %1.</source>
        <translation>В игре нет поля такого размера. Размеры поля: %1.</translation>
    </message>
    <message>
        <source>The number after the dash is too large: it goes up to %L1.</source>
        <translation>Число после дефиса слишком велико: не больше %L1.</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Glimmora! Game</source>
        <translation>Glimmora! Игра</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source> Exit</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить ход</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Подсказка (H)</translation>
    </message>
    <message>
        <source>Game field</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Can&apos;t initialize OpenGL: this display offers no OpenGL context for the game&apos;s field</source>
        <translation>Не удаётся инициализировать OpenGL: этот дисплей не предоставляет контекст OpenGL для игрового поля</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Расклад %1</translation>
    </message>
    <message>
        <source>SCORE:  %1</source>
        <extracomment>The HUD&apos;s score; the spaces line the number up under POINTS.</extracomment>
        <translation>СЧЁТ: %1</translation>
    </message>
    <message>
        <source>POINTS: %1</source>
        <extracomment>The HUD&apos;s points of the lit group.</extracomment>
        <translation>ОЧКИ: %1</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Подсказка: %1</translation>
    </message>
</context>
<context>
    <name>TFormOpt</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Player Name:</source>
        <translation>Имя игрока:</translation>
    </message>
    <message>
        <source>Rotate Objects</source>
        <translation>Вращать фишки</translation>
    </message>
    <message>
        <source>Game Scheme:</source>
        <translation>Оформление:</translation>
    </message>
    <message>
        <source>Scheme1</source>
        <translation>Вариант 1</translation>
    </message>
    <message>
        <source>Scheme2</source>
        <translation>Вариант 2</translation>
    </message>
    <message>
        <source>Scheme3</source>
        <translation>Вариант 3</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Фигуры</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Sound ON/OFF</source>
        <translation>Звук ВКЛ/ВЫКЛ</translation>
    </message>
    <message>
        <source>Music ON/OFF</source>
        <translation>Музыка ВКЛ/ВЫКЛ</translation>
    </message>
    <message>
        <source>Place worker to desired position</source>
        <translation>Поставить рабочего в нужное место</translation>
    </message>
    <message>
        <source>20 x 12 Game Field</source>
        <translation>Поле 20 x 12</translation>
    </message>
    <message>
        <source>Choose wall primitive</source>
        <translation>Выбрать примитив стены</translation>
    </message>
    <message>
        <source>18 x 10 Game Field</source>
        <translation>Поле 18 x 10</translation>
    </message>
    <message>
        <source>Choose Box primitive</source>
        <translation>Выбрать примитив ящика</translation>
    </message>
    <message>
        <source>16 x 08 Game Field</source>
        <translation>Поле 16 x 08</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Имя игрока</translation>
    </message>
    <message>
        <source>Sound volume down</source>
        <translation>Уменьшить громкость звука</translation>
    </message>
    <message>
        <source>Sound volume up</source>
        <translation>Увеличить громкость звука</translation>
    </message>
    <message>
        <source>Sound volume</source>
        <translation>Громкость звука</translation>
    </message>
    <message>
        <source>Music volume down</source>
        <translation>Уменьшить громкость музыки</translation>
    </message>
    <message>
        <source>Music volume up</source>
        <translation>Увеличить громкость музыки</translation>
    </message>
    <message>
        <source>Music volume</source>
        <translation>Громкость музыки</translation>
    </message>
    <message>
        <source>Game Scheme</source>
        <translation>Оформление</translation>
    </message>
</context>
<context>
    <name>TFormScore</name>
    <message>
        <source>HighScores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source> Save</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source> Close</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Plays the best line found on the field; a click or a key ends it</source>
        <translation>Показывает на поле лучшую найденную последовательность; щелчок или клавиша прерывает показ</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Расклад %1</translation>
    </message>
    <message>
        <source>Deal %1, with a hint</source>
        <translation>Расклад %1, с подсказкой</translation>
    </message>
    <message>
        <source>Not entered: a hint was used</source>
        <translation>Не записано: была подсказка</translation>
    </message>
    <message>
        <source>The search for the best line is off</source>
        <translation>Поиск лучшей последовательности выключен</translation>
    </message>
    <message>
        <source>Searching for the best line...</source>
        <translation>Поиск лучшей последовательности...</translation>
    </message>
    <message numerus="yes">
        <source>Best line found for this deal: %n points</source>
        <translation>
            <numerusform>Лучшая последовательность: %n очко</numerusform>
            <numerusform>Лучшая последовательность: %n очка</numerusform>
            <numerusform>Лучшая последовательность: %n очков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best line so far: %n points...</source>
        <translation>
            <numerusform>Лучшая пока: %n очко...</numerusform>
            <numerusform>Лучшая пока: %n очка...</numerusform>
            <numerusform>Лучшая пока: %n очков...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>The settings file %1 is larger than %2 KB and was not read; the default settings are used.</source>
        <translation>Файл настроек %1 больше %2 КБ и не был прочитан; используются настройки по умолчанию.</translation>
    </message>
    <message>
        <source>Unable to write %1 to %2: the value holds a line break</source>
        <translation>Не удаётся записать %1 в %2: значение содержит перевод строки</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не удаётся записать в %1</translation>
    </message>
</context>
</TS>
