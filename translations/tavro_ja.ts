<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>tavro::ui::BestPatchWindow</name>
    <message>
        <source>Test card of %1: burn time %2 at %3 % looked best.</source>
        <translation>%1 のテストカード: バーニングタイム %2、%3 % が最もよく見えました。</translation>
    </message>
    <message>
        <source>No patch picked yet.</source>
        <translation>まだパッチが選ばれていません。</translation>
    </message>
    <message>
        <source>Burn time %1, %2 % black</source>
        <translation>バーニングタイム %1、%2 % 黒</translation>
    </message>
    <message>
        <source>Choose the Best Patch</source>
        <translation>最適なパッチを選ぶ</translation>
    </message>
    <message>
        <source>Click the patch that looked best on the burnt card, then save it as a preset (or double-click it).</source>
        <translation>焼いたカードで最もよく見えたパッチをクリックし、プリセットとして保存してください（ダブルクリックでも可）。</translation>
    </message>
    <message>
        <source>Save as Preset…</source>
        <translation>プリセットとして保存…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>tavro::document::JobDocument</name>
    <message>
        <source>No chosen picture is on the board.</source>
        <translation>プレビューに効果選択で選んだ画像がありません。</translation>
    </message>
    <message>
        <source>No part of the picture would be on the board.</source>
        <translation>画像がプレビューから完全にはみ出してしまいます。</translation>
    </message>
</context>
<context>
    <name>tavro::session::JobGuard</name>
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
    <name>tavro::ui::MachineSizeDialog</name>
    <message>
        <source>Machine Size</source>
        <translation>マシンのサイズ</translation>
    </message>
    <message>
        <source>Measure a burnt line of known length in dots, or the side of the whole board, to find your machine&apos;s scale. The rulers beside the board show the default, 13.4.</source>
        <translation>ドット数の分かっている焼き付け線（またはプレビュー全体の一辺）の長さを測ると、マシンの縮尺が分かります。プレビュー横の定規は既定値 13.4 で描かれています。</translation>
    </message>
    <message>
        <source>&amp;Dots per millimetre:</source>
        <translation>1 mm あたりのドット数(&amp;D):</translation>
    </message>
    <message>
        <source>The board is %1 x %1 mm; one dot is %2 mm.</source>
        <translation>プレビューは %1 x %1 mm、1 ドットは %2 mm です。</translation>
    </message>
</context>
<context>
    <name>tavro::materials::MaterialPresets</name>
    <message>
        <source>A preset needs a name.</source>
        <translation>プリセットには名前が必要です。</translation>
    </message>
    <message>
        <source>A preset&apos;s name cannot begin or end with a blank.</source>
        <translation>プリセット名の先頭と末尾に空白は使えません。</translation>
    </message>
    <message>
        <source>A preset&apos;s name can have at most 64 characters.</source>
        <translation>プリセット名は 64 文字までです。</translation>
    </message>
    <message>
        <source>A preset&apos;s name must be one line.</source>
        <translation>プリセット名は 1 行にしてください。</translation>
    </message>
    <message>
        <source>it holds no material presets</source>
        <translation>材料プリセットが含まれていません</translation>
    </message>
    <message>
        <source>it was written by a newer Tavro Laser</source>
        <translation>新しい Tavro Laser で書かれています</translation>
    </message>
    <message>
        <source>There can be at most 200 presets.</source>
        <translation>プリセットは 200 個までです。</translation>
    </message>
    <message>
        <source>The presets could not be saved in %1: %2.</source>
        <translation>プリセットを %1 に保存できませんでした: %2。</translation>
    </message>
    <message>
        <source>The preset&apos;s burn time or tuning is out of range.</source>
        <translation>プリセットのバーニングタイムまたは調整が範囲外です。</translation>
    </message>
    <message>
        <source>The presets could not be exported as %1: %2.</source>
        <translation>プリセットを %1 として書き出せませんでした: %2。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 を読み込めません: %2。</translation>
    </message>
    <message>
        <source>%1 was not imported: %2.</source>
        <translation>%1 は読み込まれませんでした: %2。</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Tavro Laser (version %2); it is left as it is.</source>
        <translation>%1 は新しいバージョンの Tavro Laser（バージョン %2）で書かれています。そのままにしておきます。</translation>
    </message>
</context>
<context>
    <name>tavro::ui::MaterialStrip</name>
    <message>
        <source>No material</source>
        <translation>素材なし</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>素材:</translation>
    </message>
    <message>
        <source>Save as Preset…</source>
        <translation>プリセットとして保存…</translation>
    </message>
    <message>
        <source>Dot width:</source>
        <translation>ドット幅:</translation>
    </message>
    <message>
        <source> dots</source>
        <translation> ドット</translation>
    </message>
    <message>
        <source>Compensate dot gain</source>
        <translation>ドットゲインを補正</translation>
    </message>
    <message>
        <source>As it will burn</source>
        <translation>焼き上がり表示</translation>
    </message>
    <message>
        <source>How wide a burnt dot is on this material, in dots of the board</source>
        <translation>この素材で焼いた点の幅（プレビューのドット単位）</translation>
    </message>
    <message>
        <source>Lighten greys so that dots this wide burn them as dark as the picture asks</source>
        <translation>この幅の点で画像どおりの濃さに焼けるよう、グレーを明るくします</translation>
    </message>
    <message>
        <source>Show every burnt dot as a disc of the dot width in the material&apos;s colours</source>
        <translation>焼く点をすべてドット幅の円として素材の色で表示します</translation>
    </message>
</context>
<context>
    <name>tavro::document::Placement</name>
    <message>
        <source>The picture would be %1 x %2 mm (%3 x %4 dots); it can be at most %5 mm (%6 dots) on a side.</source>
        <translation>画像は %1 x %2 mm（%3 x %4 ドット）になります。一辺は最大 %5 mm（%6 ドット）です。</translation>
    </message>
    <message>
        <source>At %1 mm from the left and %2 mm from the top, no part of the picture would be on the board.</source>
        <translation>左から %1 mm、上から %2 mm の位置では、画像がプレビューから完全にはみ出します。</translation>
    </message>
    <message>
        <source>The picture cannot be %1 mm on a side: it can be at most %2 mm (%3 dots).</source>
        <translation>画像の一辺を %1 mm にすることはできません。一辺は最大 %2 mm（%3 ドット）です。</translation>
    </message>
</context>
<context>
    <name>tavro::ui::PlacementDialog</name>
    <message>
        <source>Size and Position</source>
        <translation>サイズと位置</translation>
    </message>
    <message>
        <source>Mirror &amp;left to right</source>
        <translation>左右反転(&amp;L)</translation>
    </message>
    <message>
        <source>Mirror &amp;top to bottom</source>
        <translation>上下反転(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>幅(&amp;W):</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>高さ(&amp;H):</translation>
    </message>
    <message>
        <source>Left &amp;edge:</source>
        <translation>左端(&amp;E):</translation>
    </message>
    <message>
        <source>T&amp;op edge:</source>
        <translation>上端(&amp;O):</translation>
    </message>
    <message>
        <source>Edges are measured from the board&apos;s top-left corner. The board is %1 mm square at %2 dots a millimetre (Machine &gt; Machine Size).</source>
        <translation>端はプレビューの左上隅から測ります。1 mm あたり %2 ドットで、プレビューは %1 mm 四方です（マシン &gt; マシンのサイズ）。</translation>
    </message>
</context>
<context>
    <name>tavro::ui::PresetDialog</name>
    <message>
        <source>brightness %1</source>
        <translation>明るさ %1</translation>
    </message>
    <message>
        <source>contrast %1</source>
        <translation>コントラスト %1</translation>
    </message>
    <message>
        <source>gamma %1</source>
        <translation>ガンマ %1</translation>
    </message>
    <message>
        <source>inverted</source>
        <translation>反転</translation>
    </message>
    <message>
        <source>dots %1 wide, dot gain compensated</source>
        <translation>ドット幅 %1、ドットゲイン補正あり</translation>
    </message>
    <message>
        <source>dots %1 wide</source>
        <translation>ドット幅 %1</translation>
    </message>
    <message>
        <source>Save as Preset</source>
        <translation>プリセットとして保存</translation>
    </message>
    <message>
        <source>Birch plywood 3 mm</source>
        <translation>シナベニヤ 3 mm</translation>
    </message>
    <message>
        <source>Material…</source>
        <translation>素材の色…</translation>
    </message>
    <message>
        <source>Burn…</source>
        <translation>焼き色…</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>Burn time:</source>
        <translation>バーニングタイム:</translation>
    </message>
    <message>
        <source>Method and tuning:</source>
        <translation>方式と調整:</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>色:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>The preset %1 will be replaced.</source>
        <translation>プリセット %1 は置き換えられます。</translation>
    </message>
</context>
<context>
    <name>tavro::session::SessionImpl</name>
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
    <message>
        <source>The board holds a picture that was not sent. Put the interrupted job in its place?</source>
        <translation>ボードに未送信の画像があります。中断したジョブに置き換えますか？</translation>
    </message>
    <message>
        <source>Interrupted job</source>
        <translation>中断したジョブ</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>元に戻す操作はありません</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>やり直す操作はありません</translation>
    </message>
    <message>
        <source>Only a picture chosen in the effect chooser, not yet zoomed out or rotated, can be placed</source>
        <translation>配置できるのは、効果選択で選び、まだ縮小も回転もしていない画像だけです</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>反転</translation>
    </message>
    <message>
        <source>Not while a job is paused: Start goes on with it, Restart ends it</source>
        <translation>ジョブの一時停止中はできません。「スタート」で再開し、「リスタート」で終了します</translation>
    </message>
</context>
<context>
    <name>tavro::materials::TestCard</name>
    <message>
        <source>Choose 2 to 8 burn times.</source>
        <translation>バーニングタイムを 2～8 個選んでください。</translation>
    </message>
    <message>
        <source>Burn times go from 1 to 100.</source>
        <translation>バーニングタイムは 1～100 です。</translation>
    </message>
    <message>
        <source>Each burn time can be tried once.</source>
        <translation>各バーニングタイムは 1 回だけ試せます。</translation>
    </message>
    <message>
        <source>Choose 1 to 8 grey levels.</source>
        <translation>グレーレベルを 1～8 個選んでください。</translation>
    </message>
    <message>
        <source>Grey levels go from 0 to 100 %.</source>
        <translation>グレーレベルは 0～100 % です。</translation>
    </message>
    <message>
        <source>Each grey level can be tried once.</source>
        <translation>各グレーレベルは 1 回だけ試せます。</translation>
    </message>
    <message>
        <source>Patches can be 1 to 10 mm wide.</source>
        <translation>パッチの幅は 1～10 mm です。</translation>
    </message>
    <message>
        <source>The tuning is out of range.</source>
        <translation>調整が範囲外です。</translation>
    </message>
    <message>
        <source>The card would be %1 x %2 mm; the board holds %3 x %3 mm. Choose smaller patches, or fewer burn times or grey levels.</source>
        <translation>カードは %1 x %2 mm になりますが、プレビューに収まるのは %3 x %3 mm です。パッチを小さくするか、バーニングタイムかグレーレベルを減らしてください。</translation>
    </message>
</context>
<context>
    <name>tavro::ui::TestCardDialog</name>
    <message>
        <source>Write the burn times as whole numbers separated by commas.</source>
        <translation>バーニングタイムはコンマで区切った整数で書いてください。</translation>
    </message>
    <message>
        <source>Write the grey levels as whole numbers separated by commas.</source>
        <translation>グレーレベルはコンマで区切った整数で書いてください。</translation>
    </message>
    <message>
        <source>A test card is being burnt.</source>
        <translation>テストカードを焼いています。</translation>
    </message>
    <message>
        <source>No machine is connected: the card can be seen, not burnt.</source>
        <translation>マシンが接続されていません。カードは表示できますが、焼けません。</translation>
    </message>
    <message>
        <source>A job is running: stop it before burning the card.</source>
        <translation>彫刻中です。カードを焼く前に止めてください。</translation>
    </message>
    <message>
        <source>%1 burn times x %2 grey levels, patches of %3 dots, %4 dots in all; about %5.</source>
        <translation>バーニングタイム %1 個 x グレーレベル %2 個、パッチ %3 ドット、合計 %4 ドット、約 %5。</translation>
    </message>
    <message>
        <source>Tuning: %1, as set in the effect chooser.</source>
        <translation>調整: %1（効果の選択で設定したとおり）。</translation>
    </message>
    <message>
        <source>The board holds a picture that was never sent. Replace it with the test card?</source>
        <translation>プレビューの画像はまだ送信されていません。テストカードで置き換えますか？</translation>
    </message>
    <message>
        <source>Material Test Card</source>
        <translation>材料テストカード</translation>
    </message>
    <message>
        <source>Burns a patch of each grey level at each burn time, one column a burn time, lowest first. The card is shown on the board.</source>
        <translation>各バーニングタイムで各グレーレベルのパッチを焼きます。バーニングタイムごとに 1 列、短いものから順に焼きます。カードはプレビューに表示されます。</translation>
    </message>
    <message>
        <source>Burn times:</source>
        <translation>バーニングタイム:</translation>
    </message>
    <message>
        <source>Spread from, to, how many:</source>
        <translation>開始、終了、個数:</translation>
    </message>
    <message>
        <source>Grey levels (% black):</source>
        <translation>グレーレベル（% 黒）:</translation>
    </message>
    <message>
        <source>Solid patches only</source>
        <translation>塗りつぶしパッチのみ</translation>
    </message>
    <message>
        <source>Patch size:</source>
        <translation>パッチの大きさ:</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>方式:</translation>
    </message>
    <message>
        <source>Burn labels and the date:</source>
        <translation>ラベルと日付を焼く:</translation>
    </message>
    <message>
        <source>Burn the Card</source>
        <translation>カードを焼く</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>tavro::session::TestCardRun</name>
    <message>
        <source>A test card is being burnt already.</source>
        <translation>すでにテストカードを焼いています。</translation>
    </message>
    <message>
        <source>The card has columns 1 to %1.</source>
        <translation>カードの列は 1～%1 です。</translation>
    </message>
    <message>
        <source>Rows go from 0 to 511.</source>
        <translation>行は 0～511 です。</translation>
    </message>
    <message>
        <source>No machine is connected.</source>
        <translation>マシンが接続されていません。</translation>
    </message>
    <message>
        <source>A job is running; stop it first.</source>
        <translation>彫刻中です。先に止めてください。</translation>
    </message>
    <message>
        <source>The card&apos;s first column could not be sent.</source>
        <translation>カードの最初の列を送信できませんでした。</translation>
    </message>
</context>
<context>
    <name>tavro::ui::TuningStrip</name>
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
    <message>
        <source>the machine did not ask for the picture within %1 s</source>
        <translation>マシンが %1 秒以内に画像を要求しませんでした</translation>
    </message>
    <message>
        <source>The machine did not ask for the picture: it was not sent.</source>
        <translation>マシンが画像を要求しなかったため、送信されませんでした。</translation>
    </message>
</context>
<context>
    <name>tavro::machine::DiagnosisText</name>
    <message>
        <source>USB adapter %1</source>
        <translation>USB アダプター %1</translation>
    </message>
    <message>
        <source>Not a USB device</source>
        <translation>USB デバイスではありません</translation>
    </message>
    <message>
        <source>Connected: the program uses this machine.</source>
        <translation>接続済み：プログラムはこのマシンを使用しています。</translation>
    </message>
    <message>
        <source>An engraver of this kind answers here.</source>
        <translation>この種類の彫刻機がここで応答しています。</translation>
    </message>
    <message>
        <source>You may not open this device.</source>
        <translation>このデバイスを開く権限がありません。</translation>
    </message>
    <message>
        <source>Held by another program.</source>
        <translation>別のプログラムが使用中です。</translation>
    </message>
    <message>
        <source>Held by another copy of Tavro Laser: %1.</source>
        <translation>別の Tavro Laser が使用中です：%1。</translation>
    </message>
    <message>
        <source>Held by %1.</source>
        <translation>%1 が使用中です。</translation>
    </message>
    <message>
        <source>No answer. Is the engraver switched on? Is it an engraver of this kind?</source>
        <translation>応答がありません。彫刻機の電源は入っていますか？この種類の彫刻機ですか？</translation>
    </message>
    <message>
        <source>It answers as product %1, not as an engraver of this kind.</source>
        <translation>製品 %1 として応答しました。この種類の彫刻機ではありません。</translation>
    </message>
    <message>
        <source>This USB-serial adapter is plugged in, but has no serial device.</source>
        <translation>この USB シリアルアダプターは接続されていますが、シリアルデバイスがありません。</translation>
    </message>
    <message>
        <source>It does not open: %1.</source>
        <translation>開けません：%1。</translation>
    </message>
    <message>
        <source>%1 has probably taken it for a braille display.</source>
        <translation>%1 が点字ディスプレイ用に取得した可能性があります。</translation>
    </message>
    <message>
        <source>No driver has taken it. Unplug it and plug it in again.</source>
        <translation>どのドライバーも認識していません。いったん抜いて、もう一度差し込んでください。</translation>
    </message>
    <message>
        <source>It belongs to %1, group %2, mode %3.</source>
        <translation>所有者 %1、グループ %2、モード %3 です。</translation>
    </message>
    <message>
        <source>You are in the group %1.</source>
        <translation>あなたはグループ %1 に属しています。</translation>
    </message>
    <message>
        <source>You were added to the group %1; that takes effect when you log in again.</source>
        <translation>グループ %1 に追加済みです。再ログインすると有効になります。</translation>
    </message>
    <message>
        <source>You are not in the group %1.</source>
        <translation>あなたはグループ %1 に属していません。</translation>
    </message>
    <message>
        <source>The access rule of Tavro Laser does not cover this device.</source>
        <translation>Tavro Laser のアクセスルールはこのデバイスを対象にしていません。</translation>
    </message>
    <message>
        <source>The access rule of Tavro Laser is installed; it gives access to whoever sits at this computer, not to remote logins.</source>
        <translation>Tavro Laser のアクセスルールはインストール済みです。このコンピューターの前にいる人にはアクセスを許可しますが、リモートログインには許可しません。</translation>
    </message>
    <message>
        <source>The access rule of Tavro Laser is not installed.</source>
        <translation>Tavro Laser のアクセスルールがインストールされていません。</translation>
    </message>
    <message>
        <source>Allow access installs it; you are asked for the administrator password.</source>
        <translation>「アクセスを許可」でインストールします。管理者パスワードを求められます。</translation>
    </message>
    <message>
        <source>Joining the group %1 takes effect when you log in again.</source>
        <translation>グループ %1 への参加は再ログイン後に有効になります。</translation>
    </message>
    <message>
        <source>Close the program that uses it.</source>
        <translation>使用中のプログラムを終了してください。</translation>
    </message>
    <message>
        <source>Running now, and known to hold ports like this one: %1.</source>
        <translation>実行中で、このようなポートを使用することが知られているもの：%1。</translation>
    </message>
    <message>
        <source>ModemManager tries new adapters as modems for a few seconds, then lets go. Check again in a moment.</source>
        <translation>ModemManager は新しいアダプターを数秒間モデムとして試し、その後解放します。少し待ってから再確認してください。</translation>
    </message>
    <message>
        <source>Close the other Tavro Laser window or tavro-burn.</source>
        <translation>もう一つの Tavro Laser ウィンドウまたは tavro-burn を終了してください。</translation>
    </message>
    <message>
        <source>Close that program, or make it let go of the port.</source>
        <translation>そのプログラムを終了するか、ポートを解放させてください。</translation>
    </message>
    <message>
        <source>brltty&apos;s rule for these adapters is switched off already: unplug the adapter and plug it in again.</source>
        <translation>これらのアダプター向けの brltty のルールは既に無効です。アダプターをいったん抜いて、もう一度差し込んでください。</translation>
    </message>
    <message>
        <source>brltty serves braille displays and takes USB-serial adapters of this kind for one. If you use no braille display, stop it taking them, then unplug the adapter and plug it in again.</source>
        <translation>brltty は点字ディスプレイ用のサービスで、この種類の USB シリアルアダプターを点字ディスプレイとして扱います。点字ディスプレイを使わない場合は、brltty がアダプターを占有しないようにしてから、アダプターをいったん抜いて、もう一度差し込んでください。</translation>
    </message>
    <message>
        <source>Allow access</source>
        <translation>アクセスを許可</translation>
    </message>
    <message>
        <source>Join the group dialout</source>
        <translation>グループ dialout に参加</translation>
    </message>
    <message>
        <source>Stop brltty taking adapters</source>
        <translation>brltty によるアダプター占有を止める</translation>
    </message>
    <message>
        <source>No USB-serial adapter is connected.</source>
        <translation>USB シリアルアダプターが接続されていません。</translation>
    </message>
    <message>
        <source>No machine: no USB-serial adapter is connected</source>
        <translation>マシンなし：USB シリアルアダプターが接続されていません</translation>
    </message>
    <message>
        <source>No machine: %1 is held by %2</source>
        <translation>マシンなし：%1 は %2 が使用中です</translation>
    </message>
    <message>
        <source>No machine: %1 is held by another program</source>
        <translation>マシンなし：%1 は別のプログラムが使用中です</translation>
    </message>
    <message>
        <source>No machine: you may not open %1</source>
        <translation>マシンなし：%1 を開く権限がありません</translation>
    </message>
    <message>
        <source>No machine: the USB-serial adapter %1 has no serial device</source>
        <translation>マシンなし：USB シリアルアダプター %1 にシリアルデバイスがありません</translation>
    </message>
    <message>
        <source>No machine: %1 answers with another product id</source>
        <translation>マシンなし：%1 は別の製品 ID で応答しています</translation>
    </message>
    <message>
        <source>No machine: %1 does not open</source>
        <translation>マシンなし：%1 を開けません</translation>
    </message>
    <message>
        <source>No machine: %1 does not answer</source>
        <translation>マシンなし：%1 が応答しません</translation>
    </message>
    <message>
        <source>Check…</source>
        <translation>確認…</translation>
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
    <name>tavro::shell::BoardEditing</name>
    <message>
        <source>Board</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>%1, %2 mm</source>
        <translation>%1, %2 mm</translation>
    </message>
    <message>
        <source>picture %1 x %2 mm</source>
        <translation>画像 %1 x %2 mm</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1 倍</translation>
    </message>
    <message>
        <source>Size and Position</source>
        <translation>サイズと位置</translation>
    </message>
</context>
<context>
    <name>tavro::shell::ConnectionCheckWindow</name>
    <message>
        <source>Checking…</source>
        <translation>確認しています…</translation>
    </message>
    <message>
        <source>Check Connection</source>
        <translation>接続の確認</translation>
    </message>
    <message>
        <source>The serial devices the program tries when it searches for the machine, and what stands in the way of each.</source>
        <translation>マシンを探すときにプログラムが試すシリアルデバイスと、それぞれの妨げになっているもの。</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>再確認</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>A machine answers.</source>
        <translation>マシンが応答しています。</translation>
    </message>
    <message>
        <source>Plug the engraver&apos;s USB cable in; this window follows.</source>
        <translation>彫刻機の USB ケーブルを差し込んでください。このウィンドウは自動で更新されます。</translation>
    </message>
    <message>
        <source>The check runs again when a device is plugged in or pulled out.</source>
        <translation>デバイスを抜き差しすると、再確認します。</translation>
    </message>
    <message>
        <source>Waiting for tavro-serial-access; it may ask for the administrator password…</source>
        <translation>tavro-serial-access を待っています。管理者パスワードを求められることがあります…</translation>
    </message>
    <message>
        <source>tavro-serial-access is done.</source>
        <translation>tavro-serial-access が完了しました。</translation>
    </message>
    <message>
        <source>The administrator password was not given; nothing was changed.</source>
        <translation>管理者パスワードが入力されなかったため、何も変更していません。</translation>
    </message>
    <message>
        <source>tavro-serial-access could not be started: %1</source>
        <translation>tavro-serial-access を起動できませんでした：%1</translation>
    </message>
    <message>
        <source>tavro-serial-access failed (exit status %1): %2</source>
        <translation>tavro-serial-access が失敗しました（終了ステータス %1）：%2</translation>
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
    <message>
        <source>The test card is done</source>
        <translation>テストカードが完了しました</translation>
    </message>
    <message>
        <source>Machine &gt; Choose the Best Patch… makes a preset of it.</source>
        <translation>マシン &gt; 最適なパッチを選ぶ… でプリセットにできます。</translation>
    </message>
    <message>
        <source>Test card paused: column %1 of %2, burn time %3</source>
        <translation>テストカード一時停止: %2 列中 %1 列目、バーニングタイム %3</translation>
    </message>
    <message>
        <source>Test card: column %1 of %2, burn time %3</source>
        <translation>テストカード: %2 列中 %1 列目、バーニングタイム %3</translation>
    </message>
    <message>
        <source>Test card done</source>
        <translation>テストカード完了</translation>
    </message>
    <message>
        <source>Interrupted test card: column %1 of %2, %3 % of it burnt</source>
        <translation>中断したテストカード: %2 列中 %1 列目、その %3 % 彫刻済み</translation>
    </message>
    <message>
        <source>Resume from column %1, row %2</source>
        <translation>%1 列目の %2 行目から再開</translation>
    </message>
    <message>
        <source>Not sent: the machine did not ask for the picture</source>
        <translation>未送信：マシンが画像を要求しませんでした</translation>
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
    <message>
        <source>C&amp;heck Connection…</source>
        <translation>接続を確認(&amp;H)…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Mirror &amp;Left to Right</source>
        <translation>左右反転(&amp;L)</translation>
    </message>
    <message>
        <source>Mirror &amp;Top to Bottom</source>
        <translation>上下反転(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Size and Position…</source>
        <translation>サイズと位置(&amp;S)…</translation>
    </message>
    <message>
        <source>Machine Si&amp;ze…</source>
        <translation>マシンのサイズ(&amp;Z)…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>表示を拡大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>表示を縮小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>実際のサイズ(&amp;A)</translation>
    </message>
    <message>
        <source>Add &amp;Code…</source>
        <translation>コードを追加(&amp;C)…</translation>
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
    <message>
        <source>%1 cannot be opened as a picture: %2.</source>
        <translation>%1 は画像として開けません: %2。</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>画像を開く</translation>
    </message>
</context>
<context>
    <name>tavro::shell::MaterialMenu</name>
    <message>
        <source>No material</source>
        <translation>素材なし</translation>
    </message>
    <message>
        <source>Export Presets</source>
        <translation>プリセットの書き出し</translation>
    </message>
    <message>
        <source>Import Presets</source>
        <translation>プリセットの読み込み</translation>
    </message>
    <message>
        <source>Presets imported from %1: %2.</source>
        <translation>%1 からプリセットを読み込みました: %2 個。</translation>
    </message>
    <message>
        <source>Remove the preset %1?</source>
        <translation>プリセット %1 を削除しますか？</translation>
    </message>
    <message>
        <source>Remove Preset</source>
        <translation>プリセットの削除</translation>
    </message>
    <message>
        <source>&amp;Material Test Card…</source>
        <translation>材料テストカード(&amp;M)…</translation>
    </message>
    <message>
        <source>Choos&amp;e the Best Patch…</source>
        <translation>最適なパッチを選ぶ(&amp;E)…</translation>
    </message>
    <message>
        <source>M&amp;aterial</source>
        <translation>素材(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Save as Preset…</source>
        <translation>プリセットとして保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Remove Chosen Preset…</source>
        <translation>選んだプリセットを削除(&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Export Presets…</source>
        <translation>プリセットの書き出し(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Import Presets…</source>
        <translation>プリセットの読み込み(&amp;I)…</translation>
    </message>
    <message>
        <source>As It Will &amp;Burn</source>
        <translation>焼き上がり表示(&amp;B)</translation>
    </message>
</context>
<context>
    <name>tavro::shell::SerialAccessRunner</name>
    <message>
        <source>tavro-serial-access is running already.</source>
        <translation>tavro-serial-access は既に実行中です。</translation>
    </message>
    <message>
        <source>tavro-serial-access is not installed at %1.</source>
        <translation>tavro-serial-access が %1 にインストールされていません。</translation>
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
    <message>
        <source>Export Presets</source>
        <translation>プリセットの書き出し</translation>
    </message>
    <message>
        <source>Material presets (*.ini)</source>
        <translation>材料プリセット (*.ini)</translation>
    </message>
    <message>
        <source>Import Presets</source>
        <translation>プリセットの読み込み</translation>
    </message>
</context>
<context>
    <name>tavro::shell::UserGuideWindow</name>
    <message>
        <source>Tavro Laser User Guide</source>
        <translation>Tavro Laser ユーザーガイド</translation>
    </message>
</context>
<context>
    <name>tavro::run::RunDriver</name>
    <message>
        <source>The machine finished the interrupted job on its own.</source>
        <translation>中断されたジョブはマシンが単独で完了しました。</translation>
    </message>
</context>
<context>
    <name>tavro::codes::CodeSymbol</name>
    <message>
        <source>An EAN-13 code takes 12 digits, or 13 with the check digit.</source>
        <translation>EAN-13 コードは 12 桁、またはチェックデジットを含めて 13 桁です。</translation>
    </message>
    <message>
        <source>The last digit of an EAN-13 code is its check digit: for %1 it is %2, not %3.</source>
        <translation>EAN-13 コードの最後の桁はチェックデジットです。%1 では %3 ではなく %2 です。</translation>
    </message>
    <message>
        <source>Code 128 holds only Western European letters, digits and signs, not &quot;%1&quot;.</source>
        <translation>Code 128 に入れられるのは西欧の文字・数字・記号だけです。「%1」は入れられません。</translation>
    </message>
    <message>
        <source>There is no text to make a code of.</source>
        <translation>コードにするテキストがありません。</translation>
    </message>
    <message>
        <source>The text is too long for a QR code at error correction %1; a lower level or a shorter text fits.</source>
        <translation>誤り訂正レベル %1 の QR コードには長すぎるテキストです。低いレベルか短いテキストなら収まります。</translation>
    </message>
    <message>
        <source>The text is too long for a %1 code.</source>
        <translation>%1 コードには長すぎるテキストです。</translation>
    </message>
    <message>
        <source>The text cannot be made into a %1 code.</source>
        <translation>このテキストから %1 コードは作れません。</translation>
    </message>
</context>
<context>
    <name>tavro::codes::CodeFit</name>
    <message>
        <source>At %1 dots a module the code would be %2 x %3 dots with its quiet zone; the board is %4 dots a side.</source>
        <translation>1 モジュール %1 ドットでは、コードはクワイエットゾーンを含めて %2 x %3 ドットになります。プレビューは一辺 %4 ドットです。</translation>
    </message>
    <message>
        <source>The code cannot be %1 mm wide: with its quiet zone it takes at least %2 mm (%3 dots).</source>
        <translation>コードの幅を %1 mm にすることはできません。クワイエットゾーンを含めて少なくとも %2 mm（%3 ドット）必要です。</translation>
    </message>
</context>
<context>
    <name>tavro::pictures::SvgCheck</name>
    <message>
        <source>it uses a style sheet from outside the picture</source>
        <translation>画像の外にあるスタイルシートを使用しています</translation>
    </message>
    <message>
        <source>it refers to %1, outside the picture</source>
        <translation>画像の外にある %1 を参照しています</translation>
    </message>
    <message>
        <source>it embeds a picture that is too large or cannot be read</source>
        <translation>大きすぎるか読み取れない画像が埋め込まれています</translation>
    </message>
    <message>
        <source>it declares a width, height or viewBox that is empty, negative or absurd</source>
        <translation>幅、高さまたは viewBox が空、負、または不合理な値です</translation>
    </message>
    <message>
        <source>it declares a size larger than %1 mm</source>
        <translation>%1 mm を超えるサイズが指定されています</translation>
    </message>
    <message>
        <source>it has more than %1 elements</source>
        <translation>要素が %1 個を超えています</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>要素の入れ子が %1 段を超えています</translation>
    </message>
    <message>
        <source>it is not an SVG picture</source>
        <translation>SVG 画像ではありません</translation>
    </message>
    <message>
        <source>it declares entities, which could make it grow without end</source>
        <translation>エンティティが宣言されており、際限なく膨張する恐れがあります</translation>
    </message>
    <message>
        <source>a &lt;use&gt; element refers to itself</source>
        <translation>&lt;use&gt; 要素が自分自身を参照しています</translation>
    </message>
    <message>
        <source>the SVG is damaged (line %1: %2)</source>
        <translation>SVG が壊れています（%1 行目: %2）</translation>
    </message>
    <message>
        <source>no elements</source>
        <translation>要素がありません</translation>
    </message>
    <message>
        <source>its &lt;use&gt; elements would draw more than %1 elements</source>
        <translation>&lt;use&gt; 要素によって %1 個を超える要素が描画されます</translation>
    </message>
</context>
<context>
    <name>tavro::pictures::VectorPicture</name>
    <message>
        <source>it cannot be drawn</source>
        <translation>描画できません</translation>
    </message>
    <message>
        <source>it has no size</source>
        <translation>サイズがありません</translation>
    </message>
</context>
<context>
    <name>tavro::ui::AddCodeDialog</name>
    <message>
        <source>Add Code</source>
        <translation>コードを追加</translation>
    </message>
    <message>
        <source>QR code</source>
        <translation>QR コード</translation>
    </message>
    <message>
        <source>Data Matrix</source>
        <translation>データマトリックス</translation>
    </message>
    <message>
        <source>Code 128</source>
        <translation>Code 128</translation>
    </message>
    <message>
        <source>EAN-13</source>
        <translation>EAN-13</translation>
    </message>
    <message>
        <source>L (7 %)</source>
        <translation>L（7%）</translation>
    </message>
    <message>
        <source>M (15 %)</source>
        <translation>M（15%）</translation>
    </message>
    <message>
        <source>Q (25 %)</source>
        <translation>Q（25%）</translation>
    </message>
    <message>
        <source>H (30 %)</source>
        <translation>H（30%）</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>テキスト(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>種類(&amp;K):</translation>
    </message>
    <message>
        <source>&amp;Error correction:</source>
        <translation>誤り訂正(&amp;E):</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>幅(&amp;W):</translation>
    </message>
    <message>
        <source>Type the text the code holds.</source>
        <translation>コードに入れるテキストを入力してください。</translation>
    </message>
    <message>
        <source>%1 x %2 mm with its quiet zone; a module is %3 mm (dots a module: %4).</source>
        <translation>余白込みで %1 x %2 mm、1 モジュールは %3 mm（1 モジュールのドット数: %4）。</translation>
    </message>
    <message>
        <source>Modules smaller than 3 dots burn unreadably on wood: make the code larger.</source>
        <translation>3 ドット未満のモジュールは木材では読めなくなります。コードを大きくしてください。</translation>
    </message>
</context>
</TS>
