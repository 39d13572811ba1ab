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
    <message>
        <source>Starts on the deal NUMBER, such as 20x12-43200250.</source>
        <translation>Починає з розкладу НОМЕР, наприклад 20x12-43200250.</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <translation>НОМЕР</translation>
    </message>
    <message>
        <source>Starts on today&apos;s deal, the same for every player.</source>
        <translation>Починає з розкладу дня, однакового для всіх гравців.</translation>
    </message>
    <message>
        <source>--deal needs a deal number, such as 20x12-43200250</source>
        <translation>для --deal потрібен номер розкладу, наприклад 20x12-43200250</translation>
    </message>
    <message>
        <source>%1: the field sizes are 20x12, 18x10 and 16x8</source>
        <translation>%1: розміри поля — 20x12, 18x10 і 16x8</translation>
    </message>
    <message>
        <source>%1: a deal&apos;s number goes up to 86399999</source>
        <translation>%1: номер розкладу не більший за 86399999</translation>
    </message>
    <message>
        <source>%1 is no deal number; they read like 20x12-43200250</source>
        <translation>%1 — не номер розкладу; він має вигляд 20x12-43200250</translation>
    </message>
    <message>
        <source>unknown argument: %1</source>
        <translation>невідомий аргумент: %1</translation>
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
    <name>GameAudio</name>
    <message>
        <source>Can&apos;t initialize digital sound system</source>
        <translation>Не вдається ініціалізувати цифрову звукову систему</translation>
    </message>
    <message>
        <source>SDL_mixer version 2 was not loaded</source>
        <translation>SDL_mixer версії 2 не завантажено</translation>
    </message>
    <message>
        <source>Can&apos;t initialize CD system</source>
        <translation>Не вдається ініціалізувати систему CD</translation>
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
    <name>MidiSequencer</name>
    <message>
        <source>No message available</source>
        <translation>Повідомлення відсутнє</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Not a valid MIDI file: %1</source>
        <translation>Недійсний файл MIDI: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1: %2</source>
        <translation>Не вдалося відкрити %1: %2</translation>
    </message>
    <message>
        <source>MIDI file too large: %1</source>
        <translation>Файл MIDI завеликий: %1</translation>
    </message>
</context>
<context>
    <name>MidiSynth</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 або %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the soundfont %1</source>
        <translation>Не вдалося завантажити звуковий шрифт %1</translation>
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
    <name>ScoreFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;</source>
        <translation>Не вдається записати файл «%1»</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;</source>
        <translation>Не вдається створити файл «%1»</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Не вдається записати файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Не вдається створити файл «%1». %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» — неприпустиме ціле число</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не знайдено</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не вдається відкрити файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Не вдається відкрити файл «%1». Це не файл</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Не вдається прочитати файл «%1». %2</translation>
    </message>
    <message>
        <source>The score table &quot;%1&quot; is busy: another copy of the game is saving to it. Try Save again in a moment.</source>
        <translation>Таблиця рекордів «%1» зайнята: інша копія гри зараз зберігає до неї. Натисніть «Зберегти» ще раз трохи згодом.</translation>
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
    <name>TFormMain</name>
    <message>
        <source>Glimmora! Game</source>
        <translation>Glimmora! Гра</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source> Exit</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Скасувати хід</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Підказка (H)</translation>
    </message>
    <message>
        <source>Game field</source>
        <translation>Ігрове поле</translation>
    </message>
    <message>
        <source>Can&apos;t initialize OpenGL: this display offers no OpenGL context for the game&apos;s field</source>
        <translation>Не вдається ініціалізувати OpenGL: цей дисплей не надає контексту OpenGL для ігрового поля</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Розклад %1</translation>
    </message>
    <message>
        <source>SCORE:  %1</source>
        <extracomment>The HUD&apos;s score; the spaces line the number up under POINTS.</extracomment>
        <translation>РАХУНОК: %1</translation>
    </message>
    <message>
        <source>POINTS: %1</source>
        <extracomment>The HUD&apos;s points of the lit group.</extracomment>
        <translation>ОЧКИ:    %1</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Підказка: %1</translation>
    </message>
</context>
<context>
    <name>TFormOpt</name>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Player Name:</source>
        <translation>Ім’я гравця:</translation>
    </message>
    <message>
        <source>Rotate Objects</source>
        <translation>Обертати фішки</translation>
    </message>
    <message>
        <source>Game Scheme:</source>
        <translation>Оформлення:</translation>
    </message>
    <message>
        <source>Scheme1</source>
        <translation>Варіант 1</translation>
    </message>
    <message>
        <source>Scheme2</source>
        <translation>Варіант 2</translation>
    </message>
    <message>
        <source>Scheme3</source>
        <translation>Варіант 3</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Фігури</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Sound ON/OFF</source>
        <translation>Звук УВІМК/ВИМК</translation>
    </message>
    <message>
        <source>Music ON/OFF</source>
        <translation>Музика УВІМК/ВИМК</translation>
    </message>
    <message>
        <source>Place worker to desired position</source>
        <translation>Поставити робітника в потрібне місце</translation>
    </message>
    <message>
        <source>20 x 12 Game Field</source>
        <translation>Поле 20 x 12</translation>
    </message>
    <message>
        <source>Choose wall primitive</source>
        <translation>Вибрати примітив стіни</translation>
    </message>
    <message>
        <source>18 x 10 Game Field</source>
        <translation>Поле 18 x 10</translation>
    </message>
    <message>
        <source>Choose Box primitive</source>
        <translation>Вибрати примітив ящика</translation>
    </message>
    <message>
        <source>16 x 08 Game Field</source>
        <translation>Поле 16 x 08</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Ім’я гравця</translation>
    </message>
    <message>
        <source>Sound volume down</source>
        <translation>Зменшити гучність звуку</translation>
    </message>
    <message>
        <source>Sound volume up</source>
        <translation>Збільшити гучність звуку</translation>
    </message>
    <message>
        <source>Sound volume</source>
        <translation>Гучність звуку</translation>
    </message>
    <message>
        <source>Music volume down</source>
        <translation>Зменшити гучність музики</translation>
    </message>
    <message>
        <source>Music volume up</source>
        <translation>Збільшити гучність музики</translation>
    </message>
    <message>
        <source>Music volume</source>
        <translation>Гучність музики</translation>
    </message>
    <message>
        <source>Game Scheme</source>
        <translation>Оформлення</translation>
    </message>
</context>
<context>
    <name>TFormScore</name>
    <message>
        <source>HighScores</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source> Save</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source> Close</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ваше ім’я</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показати</translation>
    </message>
    <message>
        <source>Plays the best line found on the field; a click or a key ends it</source>
        <translation>Показує на полі найкращу знайдену послідовність; клацання або клавіша перериває показ</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Розклад %1</translation>
    </message>
    <message>
        <source>Deal %1, with a hint</source>
        <translation>Розклад %1, з підказкою</translation>
    </message>
    <message>
        <source>Not entered: a hint was used</source>
        <translation>Не записано: була підказка</translation>
    </message>
    <message>
        <source>The search for the best line is off</source>
        <translation>Пошук найкращої послідовності вимкнено</translation>
    </message>
    <message>
        <source>Searching for the best line...</source>
        <translation>Пошук найкращої послідовності...</translation>
    </message>
    <message numerus="yes">
        <source>Best line found for this deal: %n points</source>
        <translation>
            <numerusform>Найкраща послідовність: %n очко</numerusform>
            <numerusform>Найкраща послідовність: %n очки</numerusform>
            <numerusform>Найкраща послідовність: %n очок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best line so far: %n points...</source>
        <translation>
            <numerusform>Найкраща поки що: %n очко...</numerusform>
            <numerusform>Найкраща поки що: %n очки...</numerusform>
            <numerusform>Найкраща поки що: %n очок...</numerusform>
        </translation>
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
