<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>tavro::shell::AppWindow</name>
    <message>
        <source>%1 is no longer there and was taken off the list.</source>
        <translation>%1 は見つからないため、一覧から削除しました。</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>Tavro Laser %1

The desktop controller of a small laser engraver.

Licence: MIT
Serial port: %2

%3</source>
        <translation>Tavro Laser %1

小型レーザー彫刻機のデスクトップ制御ソフトウェア。

ライセンス: MIT
シリアルポート: %2

%3</translation>
    </message>
    <message>
        <source>About Tavro Laser</source>
        <translation>Tavro Laser について</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Tavro Laser jobs (*%1)</source>
        <translation>Tavro Laser ジョブ (*%1)</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>画像を開く</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>画像 (%1)</translation>
    </message>
    <message>
        <source>Open Job</source>
        <translation>ジョブを開く</translation>
    </message>
    <message>
        <source>Save Job</source>
        <translation>ジョブを保存</translation>
    </message>
    <message>
        <source>Export Board as PNG</source>
        <translation>プレビューを PNG で書き出す</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
</context>
<context>
    <name>tavro::shell::JobDocument</name>
    <message>
        <source>The job %1 cannot be read: %2.</source>
        <translation>ジョブ %1 を読み込めません: %2。</translation>
    </message>
    <message>
        <source>%1 is a picture, not a Tavro Laser job. Open it with Open Picture… to render it.</source>
        <translation>%1 は画像で、Tavro Laser のジョブではありません。「画像を開く…」で開いて変換してください。</translation>
    </message>
    <message>
        <source>%1 is not a Tavro Laser job.</source>
        <translation>%1 は Tavro Laser のジョブではありません。</translation>
    </message>
    <message>
        <source>%1 was saved by a newer Tavro Laser (job format %2); this version opens formats up to %3. Nothing was changed.</source>
        <translation>%1 は新しいバージョンの Tavro Laser で保存されています (ジョブ形式 %2)。このバージョンが開けるのは形式 %3 までです。何も変更していません。</translation>
    </message>
    <message>
        <source>The job %1 is damaged and was not opened: %2. Nothing was changed.</source>
        <translation>ジョブ %1 は破損しているため開きませんでした: %2。何も変更していません。</translation>
    </message>
    <message>
        <source>Open Job</source>
        <translation>ジョブを開く</translation>
    </message>
    <message>
        <source>The job could not be saved as %1: %2. A file already there was left as it was.</source>
        <translation>ジョブを %1 として保存できませんでした: %2。既存のファイルはそのままです。</translation>
    </message>
    <message>
        <source>Save Job</source>
        <translation>ジョブを保存</translation>
    </message>
    <message>
        <source>The board could not be exported as %1: %2. A file already there was left as it was.</source>
        <translation>プレビューを %1 として書き出せませんでした: %2。既存のファイルはそのままです。</translation>
    </message>
    <message>
        <source>Export Board</source>
        <translation>プレビューの書き出し</translation>
    </message>
</context>
<context>
    <name>tavro::shell::MainMenu</name>
    <message>
        <source>No recent files</source>
        <translation>最近使ったファイルはありません</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open Picture…</source>
        <translation>画像を開く(&amp;O)…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message>
        <source>Open &amp;Job…</source>
        <translation>ジョブを開く(&amp;J)…</translation>
    </message>
    <message>
        <source>&amp;Save Job</source>
        <translation>ジョブを保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save Job &amp;As…</source>
        <translation>ジョブに名前を付けて保存(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Export Board as PNG…</source>
        <translation>プレビューを PNG で書き出す(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Machine</source>
        <translation>マシン(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>接続(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Break</source>
        <translation>切断(&amp;B)</translation>
    </message>
    <message>
        <source>Send &amp;Image To Machine</source>
        <translation>マシンに画像を送信(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>スタート(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>ポーズ(&amp;P)</translation>
    </message>
    <message>
        <source>Power &amp;Off…</source>
        <translation>シャットダウン(&amp;O)…</translation>
    </message>
    <message>
        <source>Se&amp;ttings…</source>
        <translation>設定(&amp;T)…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Tavro Laser &amp;Help</source>
        <translation>Tavro Laser ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Tavro Laser</source>
        <translation>Tavro Laser について(&amp;A)</translation>
    </message>
</context>
</TS>
