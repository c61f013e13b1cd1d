<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>tavro::job::TuningStrip</name>
    <message>
        <source>Grey from:</source>
        <translation>グレーの取り方：</translation>
    </message>
    <message>
        <source>As drawn</source>
        <translation>従来どおり</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青チャンネル</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Luma</source>
        <translation>輝度</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation>ガンマ</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>反転</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>しきい値</translation>
    </message>
    <message>
        <source>Dither method</source>
        <translation>ディザ方式</translation>
    </message>
    <message>
        <source>Dither</source>
        <translation>ディザ</translation>
    </message>
    <message>
        <source>Floyd-Steinberg</source>
        <translation>Floyd-Steinberg</translation>
    </message>
    <message>
        <source>Atkinson</source>
        <translation>Atkinson</translation>
    </message>
    <message>
        <source>Jarvis-Judice-Ninke</source>
        <translation>Jarvis-Judice-Ninke</translation>
    </message>
    <message>
        <source>Stucki</source>
        <translation>Stucki</translation>
    </message>
    <message>
        <source>Sierra</source>
        <translation>Sierra</translation>
    </message>
    <message>
        <source>Bayer 8 x 8</source>
        <translation>Bayer 8 x 8</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Which grey level of a colour is read: as each rendering has always read it, the blue channel, the average of red, green and blue, or luma (as the eye sees it)</source>
        <translation>色のどのグレー値を読むか：各表現の従来どおり、青チャンネル、赤・緑・青の平均、または輝度（目に見える明るさ）</translation>
    </message>
    <message>
        <source>Left panel: levels below this burn</source>
        <translation>左のパネル：この値より暗い所が焼かれます</translation>
    </message>
    <message>
        <source>Right panel: how grey becomes dots</source>
        <translation>右のパネル：グレーを点にする方法</translation>
    </message>
</context>
<context>
    <name>tavro::link::EngraverLink</name>
    <message>
        <source>the port is no longer there</source>
        <translation>ポートがなくなりました</translation>
    </message>
</context>
<context>
    <name>tavro::platform::QtSerialLine</name>
    <message>
        <source>the image block did not leave the port in %1 s</source>
        <translation>画像データが %1 秒以内に送り出されませんでした</translation>
    </message>
    <message>
        <source>the port is closed</source>
        <translation>ポートが閉じています</translation>
    </message>
</context>
<context>
    <name>tavro::shell::MainWindow</name>
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
</context>
<context>
    <name>tavro::job::Session</name>
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
    <message>
        <source>The machine holds the picture sent at %1, not the board shown.</source>
        <translation>マシンにあるのは %1 に送信した画像で、表示中のプレビューではありません。</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>スタート</translation>
    </message>
    <message>
        <source>Send the board first</source>
        <translation>先にプレビューを送信</translation>
    </message>
    <message>
        <source>Start anyway</source>
        <translation>このまま開始</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>A job is running. Pause the machine and quit?</source>
        <translation>ジョブの実行中です。マシンを一時停止して終了しますか？</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>The machine is connected</source>
        <translation>マシンは接続済みです</translation>
    </message>
    <message>
        <source>No machine is connected</source>
        <translation>マシンが接続されていません</translation>
    </message>
    <message>
        <source>Not while the machine carves</source>
        <translation>彫刻中は使えません</translation>
    </message>
    <message>
        <source>Choose a rendering and send it, or clear the board, first</source>
        <translation>先に効果を選んで送信するか、プレビューをクリアしてください</translation>
    </message>
</context>
<context>
    <name>tavro::job::JobGuard</name>
    <message>
        <source>A job is running. Stop it and send the new picture?</source>
        <translation>彫刻中です。止めて新しい画像を送りますか？</translation>
    </message>
    <message>
        <source>A job is running. Stop it and change the language?</source>
        <translation>彫刻中です。止めて言語を切り替えますか？</translation>
    </message>
    <message>
        <source>A job is running. Stop it and clear the board?</source>
        <translation>彫刻中です。止めてボードを消去しますか？</translation>
    </message>
    <message>
        <source>A job is running. Stop it and reload the picture?</source>
        <translation>彫刻中です。止めて画像を読み直しますか？</translation>
    </message>
    <message>
        <source>A job is running. Stop it and open the new picture?</source>
        <translation>彫刻中です。止めて新しい画像を開きますか？</translation>
    </message>
    <message>
        <source>A job is running. Stop it and open the job?</source>
        <translation>彫刻中です。止めてジョブを開きますか？</translation>
    </message>
    <message>
        <source>Job running</source>
        <translation>彫刻中</translation>
    </message>
    <message>
        <source>The picture on the board was not sent to the machine. Change the language and lose it?</source>
        <translation>ボードの画像はまだマシンに送られていません。言語を切り替えて失いますか？</translation>
    </message>
    <message>
        <source>Picture not sent</source>
        <translation>画像は未送信</translation>
    </message>
</context>
<context>
    <name>tavro::shell::JobStatusBar</name>
    <message>
        <source>The job is done</source>
        <translation>彫刻が終わりました</translation>
    </message>
    <message>
        <source>Searching for the machine…</source>
        <translation>マシンを探しています…</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 に接続</translation>
    </message>
    <message>
        <source>Connection broken, searching…</source>
        <translation>接続が切れました。探しています…</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>No picture on the machine</source>
        <translation>マシンに画像がありません</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>彫刻中</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Interrupted at row %1 (%2 %)</source>
        <translation>%1 行目で中断（%2 %）</translation>
    </message>
    <message numerus="yes">
        <source>%n dots, about %1</source>
        <translation>
            <numerusform>%n 点、約 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dots, %1</source>
        <translation>
            <numerusform>%n 点、%1</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>残り約 %1</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>残り %1</translation>
    </message>
    <message numerus="yes">
        <source>Done: %n dots in %1</source>
        <translation>
            <numerusform>完了：%n 点、%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture not sent since the machine reconnected</source>
        <translation>マシンの再接続後、画像はまだ送られていません</translation>
    </message>
    <message>
        <source>Interrupted job: %1 % burnt</source>
        <translation>中断したジョブ：%1 % 彫刻済み</translation>
    </message>
    <message>
        <source>Resume from row %1</source>
        <translation>%1 行目から再開</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>最初から</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Connection broken (%1), searching…</source>
        <translation>接続が切れました（%1）。探しています…</translation>
    </message>
    <message>
        <source>Machine is carving (not started here)</source>
        <translation>マシンが彫刻中（ここで開始したものではありません）</translation>
    </message>
    <message>
        <source>Paused (not started here)</source>
        <translation>一時停止中（ここで開始したものではありません）</translation>
    </message>
    <message>
        <source>Board changed since it was sent</source>
        <translation>送信後にプレビューが変更されました</translation>
    </message>
    <message numerus="yes">
        <source>Done: %n dots in %1 (%2 in this run)</source>
        <translation>
            <numerusform>完了：%n 点、%1（今回 %2）</numerusform>
        </translation>
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
    <message>
        <source>&amp;Restart</source>
        <translation>リスタート(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>ユーザーガイド(&amp;U)</translation>
    </message>
</context>
<context>
    <name>tavro::shell::MainPanel</name>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
</context>
<context>
    <name>tavro::shell::SystemDesktop</name>
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
    <name>tavro::shell::UserGuideWindow</name>
    <message>
        <source>Tavro Laser User Guide</source>
        <translation>Tavro Laser ユーザーガイド</translation>
    </message>
</context>
</TS>
