<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>CommandLine</name>
    <message>
        <source>Glimmora, a puzzle game: clear a field of 3D pieces in groups of like colour.

The game keeps its settings and scores in the folder it is started in; the
launcher, glimmora, starts it in the player&apos;s own folder.

The texts follow the desktop&apos;s language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR sets the size of the windows.</source>
        <translation>Glimmora, логічна гра: очистьте поле з об’ємних фішок, прибираючи групи одного кольору.

Гра зберігає налаштування та рекорди в теці, з якої її запущено;
сценарій запуску glimmora запускає її у власній теці гравця.

Тексти відповідають мові стільниці (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR задає розмір вікон.</translation>
    </message>
</context>
<context>
    <name>DataPath</name>
    <message>
        <source>The folder the game was started in cannot be used: %1.</source>
        <translation>Теку, з якої запущено гру, неможливо використати: %1.</translation>
    </message>
    <message>
        <source>its name is unknown</source>
        <translation>її назва невідома</translation>
    </message>
    <message>
        <source>it no longer exists</source>
        <translation>її більше не існує</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Не вдається відкрити файл «%1». Це не файл</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не вдається відкрити файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot read picture &quot;%1&quot;: %2</source>
        <translation>Не вдається прочитати зображення «%1»: %2</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>takes no arguments</source>
        <translation>не приймає аргументів</translation>
    </message>
    <message>
        <source>cannot tell where the launcher is</source>
        <translation>не вдається визначити, де розташований сценарій запуску</translation>
    </message>
    <message>
        <source>the game is missing: %1</source>
        <translation>гру не знайдено: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is missing: %1</source>
        <translation>дані гри не знайдено: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is incomplete: %1 has no Pics or defaults folder</source>
        <translation>дані гри неповні: у %1 немає теки Pics або defaults</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder for the game</source>
        <translation>змінну HOME не задано, тому для гри немає теки</translation>
    </message>
    <message>
        <source>HOME is not an absolute path: %1</source>
        <translation>HOME не є абсолютним шляхом: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>не вдається створити теку %1: %2</translation>
    </message>
    <message>
        <source>cannot enter the folder %1</source>
        <translation>не вдається увійти до теки %1</translation>
    </message>
    <message>
        <source>cannot write to the folder %1</source>
        <translation>не вдається записати до теки %1</translation>
    </message>
    <message>
        <source>cannot remove the broken link %1</source>
        <translation>не вдається вилучити пошкоджене посилання %1</translation>
    </message>
    <message>
        <source>cannot make a link in %1: %2</source>
        <translation>не вдається створити посилання в %1: %2</translation>
    </message>
    <message>
        <source>cannot link %1: %2</source>
        <translation>не вдається створити посилання %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>не вдається скопіювати %1 до %2: %3</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2</source>
        <translation>не вдається скопіювати %1 до %2</translation>
    </message>
</context>
<context>
    <name>LitGroupText</name>
    <message>
        <source>piece</source>
        <translation>фішка</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жовта</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелена</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синя</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>блакитна</translation>
    </message>
    <message>
        <source>red</source>
        <translation>червона</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n очко</numerusform>
            <numerusform>%n очки</numerusform>
            <numerusform>%n очок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n очко</numerusform>
            <numerusform>%n очки</numerusform>
            <numerusform>%n очок</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, single piece, %2</source>
        <translation>%1, поодинока фішка, %2</translation>
    </message>
    <message>
        <source>%1, group of %2, %3</source>
        <translation>%1, група з %2, %3</translation>
    </message>
</context>
<context>
    <name>ScaleFactorFloor</name>
    <message>
        <source>The scale factor %1 is too small for the game&apos;s windows: they are drawn at 1.</source>
        <translation>Масштаб %1 замалий для вікон гри: їх намальовано в масштабі 1.</translation>
    </message>
</context>
<context>
    <name>TFormDeal</name>
    <message>
        <source>Deal number</source>
        <translation>Номер розкладу</translation>
    </message>
    <message>
        <source>Deal number:</source>
        <translation>Номер розкладу:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Type a deal number, such as 20x12-43200250.</source>
        <translation>Введіть номер розкладу, наприклад 20x12-43200250.</translation>
    </message>
    <message>
        <source>This is not a deal number. Write it as 20x12-43200250, or the number after the dash alone.</source>
        <translation>Це не номер розкладу. Запишіть його як 20x12-43200250 або лише число після дефіса.</translation>
    </message>
    <message>
        <source>The game has no field of that size. The sizes are %1.</source>
        <translation>У грі немає поля такого розміру. Розміри поля: %1.</translation>
    </message>
    <message>
        <source>The number after the dash is too large: it goes up to %L1.</source>
        <translation>Число після дефіса завелике: не більше %L1.</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>The settings file %1 is larger than %2 KB and was not read; the default settings are used.</source>
        <translation>Файл налаштувань %1 більший за %2 КБ і не був прочитаний; використано типові налаштування.</translation>
    </message>
    <message>
        <source>Unable to write %1 to %2: the value holds a line break</source>
        <translation>Не вдається записати %1 до %2: значення містить розрив рядка</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не вдається записати до %1</translation>
    </message>
</context>
</TS>
