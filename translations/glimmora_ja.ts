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
    <message>
        <source>Starts on the deal NUMBER, such as 20x12-43200250.</source>
        <translation>配置 番号 で始めます（例: 20x12-43200250）。</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Starts on today&apos;s deal, the same for every player.</source>
        <translation>今日の配置で始めます。すべてのプレイヤーで同じ配置です。</translation>
    </message>
    <message>
        <source>--deal needs a deal number, such as 20x12-43200250</source>
        <translation>--deal には配置番号が必要です（例: 20x12-43200250）</translation>
    </message>
    <message>
        <source>%1: the field sizes are 20x12, 18x10 and 16x8</source>
        <translation>%1: 盤面の大きさは 20x12、18x10、16x8 です</translation>
    </message>
    <message>
        <source>%1: a deal&apos;s number goes up to 86399999</source>
        <translation>%1: 配置の番号は 86399999 までです</translation>
    </message>
    <message>
        <source>%1 is no deal number; they read like 20x12-43200250</source>
        <translation>%1 は配置番号ではありません。配置番号は 20x12-43200250 のような形です</translation>
    </message>
    <message>
        <source>unknown argument: %1</source>
        <translation>不明な引数: %1</translation>
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
    <name>GameAudio</name>
    <message>
        <source>Can&apos;t initialize digital sound system</source>
        <translation>デジタルサウンドシステムを初期化できません</translation>
    </message>
    <message>
        <source>SDL_mixer version 2 was not loaded</source>
        <translation>SDL_mixer バージョン 2 を読み込めませんでした</translation>
    </message>
    <message>
        <source>Can&apos;t initialize CD system</source>
        <translation>CD システムを初期化できません</translation>
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
    <name>MidiSequencer</name>
    <message>
        <source>No message available</source>
        <translation>メッセージはありません</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Not a valid MIDI file: %1</source>
        <translation>有効な MIDI ファイルではありません: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>MIDI file too large: %1</source>
        <translation>MIDI ファイルが大きすぎます: %1</translation>
    </message>
</context>
<context>
    <name>MidiSynth</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 または %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the soundfont %1</source>
        <translation>サウンドフォント %1 を読み込めませんでした</translation>
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
    <name>ScoreFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;</source>
        <translation>ファイル「%1」に書き込めません</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;</source>
        <translation>ファイル「%1」を作成できません</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」に書き込めません。%2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」を作成できません。%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>「%1」は有効な整数ではありません</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」を開けません。%2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>ファイル「%1」を開けません。ファイルではありません</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」を読み込めません。%2</translation>
    </message>
    <message>
        <source>The score table &quot;%1&quot; is busy: another copy of the game is saving to it. Try Save again in a moment.</source>
        <translation>ハイスコア表「%1」は使用中です。別のゲームが保存しています。少ししてからもう一度「保存」を押してください。</translation>
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
    <name>TFormMain</name>
    <message>
        <source>Glimmora! Game</source>
        <translation>Glimmora! ゲーム</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source> Exit</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>ヒント (H)</translation>
    </message>
    <message>
        <source>Game field</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>Can&apos;t initialize OpenGL: this display offers no OpenGL context for the game&apos;s field</source>
        <translation>OpenGL を初期化できません: このディスプレイにはゲーム盤面用の OpenGL コンテキストがありません</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>配置 %1</translation>
    </message>
    <message>
        <source>SCORE:  %1</source>
        <extracomment>The HUD&apos;s score; the spaces line the number up under POINTS.</extracomment>
        <translation>スコア:  %1</translation>
    </message>
    <message>
        <source>POINTS: %1</source>
        <extracomment>The HUD&apos;s points of the lit group.</extracomment>
        <translation>点数:  %1</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>ヒント: %1</translation>
    </message>
</context>
<context>
    <name>TFormOpt</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Player Name:</source>
        <translation>プレイヤー名:</translation>
    </message>
    <message>
        <source>Rotate Objects</source>
        <translation>ピースを回転</translation>
    </message>
    <message>
        <source>Game Scheme:</source>
        <translation>デザイン:</translation>
    </message>
    <message>
        <source>Scheme1</source>
        <translation>デザイン 1</translation>
    </message>
    <message>
        <source>Scheme2</source>
        <translation>デザイン 2</translation>
    </message>
    <message>
        <source>Scheme3</source>
        <translation>デザイン 3</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>形状</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Sound ON/OFF</source>
        <translation>効果音 オン/オフ</translation>
    </message>
    <message>
        <source>Music ON/OFF</source>
        <translation>音楽 オン/オフ</translation>
    </message>
    <message>
        <source>Place worker to desired position</source>
        <translation>作業員を目的の位置に置く</translation>
    </message>
    <message>
        <source>20 x 12 Game Field</source>
        <translation>20 x 12 の盤面</translation>
    </message>
    <message>
        <source>Choose wall primitive</source>
        <translation>壁のプリミティブを選ぶ</translation>
    </message>
    <message>
        <source>18 x 10 Game Field</source>
        <translation>18 x 10 の盤面</translation>
    </message>
    <message>
        <source>Choose Box primitive</source>
        <translation>箱のプリミティブを選ぶ</translation>
    </message>
    <message>
        <source>16 x 08 Game Field</source>
        <translation>16 x 08 の盤面</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>プレイヤー名</translation>
    </message>
    <message>
        <source>Sound volume down</source>
        <translation>効果音の音量を下げる</translation>
    </message>
    <message>
        <source>Sound volume up</source>
        <translation>効果音の音量を上げる</translation>
    </message>
    <message>
        <source>Sound volume</source>
        <translation>効果音の音量</translation>
    </message>
    <message>
        <source>Music volume down</source>
        <translation>音楽の音量を下げる</translation>
    </message>
    <message>
        <source>Music volume up</source>
        <translation>音楽の音量を上げる</translation>
    </message>
    <message>
        <source>Music volume</source>
        <translation>音楽の音量</translation>
    </message>
    <message>
        <source>Game Scheme</source>
        <translation>デザイン</translation>
    </message>
</context>
<context>
    <name>TFormScore</name>
    <message>
        <source>HighScores</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source> Save</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>保存</translation>
    </message>
    <message>
        <source> Close</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>あなたの名前</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>点数</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Plays the best line found on the field; a click or a key ends it</source>
        <translation>見つかった最善手順を盤面で再生します。クリックかキーで終わります</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>配置 %1</translation>
    </message>
    <message>
        <source>Deal %1, with a hint</source>
        <translation>配置 %1（ヒントあり）</translation>
    </message>
    <message>
        <source>Not entered: a hint was used</source>
        <translation>記録なし: ヒントを使用</translation>
    </message>
    <message>
        <source>The search for the best line is off</source>
        <translation>最善手順の探索はオフです</translation>
    </message>
    <message>
        <source>Searching for the best line...</source>
        <translation>最善手順を探索中...</translation>
    </message>
    <message numerus="yes">
        <source>Best line found for this deal: %n points</source>
        <translation>
            <numerusform>この配置の最善手順: %n 点</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best line so far: %n points...</source>
        <translation>
            <numerusform>現在の最善: %n 点...</numerusform>
        </translation>
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
