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
    <name>ScaleFactorFloor</name>
    <message>
        <source>The scale factor %1 is too small for the game&apos;s windows: they are drawn at 1.</source>
        <translation>Масштаб %1 слишком мал для окон игры: они рисуются в масштабе 1.</translation>
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
