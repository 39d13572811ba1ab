<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CommandLine</name>
    <message>
        <source>Glimmora, a puzzle game: clear a field of 3D pieces in groups of like colour.

The game keeps its settings and scores in the folder it is started in; the
launcher, glimmora, starts it in the player&apos;s own folder.

The texts follow the desktop&apos;s language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR sets the size of the windows.</source>
        <translation>Glimmora（グリモラ）: 同じ色のグループを消して 3D のピースの盤面を片付けるパズルゲームです。

ゲームは起動したフォルダーに設定とハイスコアを保存します。
ランチャー glimmora はプレイヤー自身のフォルダーでゲームを起動します。

表示言語はデスクトップの言語に従います (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)。
QT_SCALE_FACTOR でウィンドウの大きさを変えられます。</translation>
    </message>
</context>
<context>
    <name>DataPath</name>
    <message>
        <source>The folder the game was started in cannot be used: %1.</source>
        <translation>ゲームを起動したフォルダーを使用できません: %1。</translation>
    </message>
    <message>
        <source>its name is unknown</source>
        <translation>フォルダー名が不明です</translation>
    </message>
    <message>
        <source>it no longer exists</source>
        <translation>フォルダーがもう存在しません</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>ファイル「%1」を開けません。ファイルではありません</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」を開けません。%2</translation>
    </message>
    <message>
        <source>Cannot read picture &quot;%1&quot;: %2</source>
        <translation>画像「%1」を読み込めません: %2</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>takes no arguments</source>
        <translation>引数は指定できません</translation>
    </message>
    <message>
        <source>cannot tell where the launcher is</source>
        <translation>ランチャーの場所を特定できません</translation>
    </message>
    <message>
        <source>the game is missing: %1</source>
        <translation>ゲーム本体が見つかりません: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is missing: %1</source>
        <translation>ゲームのデータが見つかりません: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is incomplete: %1 has no Pics or defaults folder</source>
        <translation>ゲームのデータが不完全です: %1 に Pics または defaults フォルダーがありません</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder for the game</source>
        <translation>HOME が設定されていないため、ゲーム用のフォルダーがありません</translation>
    </message>
    <message>
        <source>HOME is not an absolute path: %1</source>
        <translation>HOME が絶対パスではありません: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>フォルダー %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>cannot enter the folder %1</source>
        <translation>フォルダー %1 に移動できません</translation>
    </message>
    <message>
        <source>cannot write to the folder %1</source>
        <translation>フォルダー %1 に書き込めません</translation>
    </message>
    <message>
        <source>cannot remove the broken link %1</source>
        <translation>壊れたリンク %1 を削除できません</translation>
    </message>
    <message>
        <source>cannot make a link in %1: %2</source>
        <translation>%1 にリンクを作成できません: %2</translation>
    </message>
    <message>
        <source>cannot link %1: %2</source>
        <translation>%1 をリンクできません: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>%1 を %2 にコピーできません: %3</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2</source>
        <translation>%1 を %2 にコピーできません</translation>
    </message>
</context>
<context>
    <name>LitGroupText</name>
    <message>
        <source>piece</source>
        <translation>ピース</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>水色</translation>
    </message>
    <message>
        <source>red</source>
        <translation>赤</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n 点</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n 点</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, single piece, %2</source>
        <translation>%1、単独のピース、%2</translation>
    </message>
    <message>
        <source>%1, group of %2, %3</source>
        <translation>%1、%2 個のグループ、%3</translation>
    </message>
</context>
<context>
    <name>ScaleFactorFloor</name>
    <message>
        <source>The scale factor %1 is too small for the game&apos;s windows: they are drawn at 1.</source>
        <translation>拡大率 %1 はゲームのウィンドウには小さすぎるため、1 で表示します。</translation>
    </message>
</context>
<context>
    <name>TFormDeal</name>
    <message>
        <source>Deal number</source>
        <translation>配置番号</translation>
    </message>
    <message>
        <source>Deal number:</source>
        <translation>配置番号:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Type a deal number, such as 20x12-43200250.</source>
        <translation>配置番号を入力してください（例: 20x12-43200250）。</translation>
    </message>
    <message>
        <source>This is not a deal number. Write it as 20x12-43200250, or the number after the dash alone.</source>
        <translation>配置番号ではありません。形は 20x12-43200250 か 43200250 です。</translation>
    </message>
    <message>
        <source>The game has no field of that size. The sizes are %1.</source>
        <translation>その大きさの盤面はありません。盤面の大きさは %1 です。</translation>
    </message>
    <message>
        <source>The number after the dash is too large: it goes up to %L1.</source>
        <translation>ハイフンの後の数字が大きすぎます。最大は %L1 です。</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>The settings file %1 is larger than %2 KB and was not read; the default settings are used.</source>
        <translation>設定ファイル %1 は %2 KB を超えているため読み込みませんでした。既定の設定を使用します。</translation>
    </message>
    <message>
        <source>Unable to write %1 to %2: the value holds a line break</source>
        <translation>%1 を %2 に書き込めません: 値に改行が含まれています</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
</context>
</TS>
