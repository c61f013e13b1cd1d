<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>tavro::ui::BestPatchWindow</name>
    <message>
        <source>Test card of %1: burn time %2 at %3 % looked best.</source>
        <translation>%1 的测试卡：灼烧时间 %2、%3 % 的效果最好。</translation>
    </message>
    <message>
        <source>No patch picked yet.</source>
        <translation>尚未选择色块。</translation>
    </message>
    <message>
        <source>Burn time %1, %2 % black</source>
        <translation>灼烧时间 %1，%2 % 黑</translation>
    </message>
    <message>
        <source>Choose the Best Patch</source>
        <translation>选择最佳色块</translation>
    </message>
    <message>
        <source>Click the patch that looked best on the burnt card, then save it as a preset (or double-click it).</source>
        <translation>单击烧好的测试卡上效果最好的色块，然后将其另存为预设（或双击它）。</translation>
    </message>
    <message>
        <source>Save as Preset…</source>
        <translation>另存为预设…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>tavro::document::JobDocument</name>
    <message>
        <source>No chosen picture is on the board.</source>
        <translation>预览板上没有在效果选择器中选定的图片。</translation>
    </message>
    <message>
        <source>No part of the picture would be on the board.</source>
        <translation>图片将完全不在预览板上。</translation>
    </message>
</context>
<context>
    <name>tavro::session::JobGuard</name>
    <message>
        <source>A job is running. Stop it and send the new picture?</source>
        <translation>正在雕刻。停止雕刻并发送新图像吗？</translation>
    </message>
    <message>
        <source>A job is running. Stop it and change the language?</source>
        <translation>正在雕刻。停止雕刻并切换语言吗？</translation>
    </message>
    <message>
        <source>A job is running. Stop it and clear the board?</source>
        <translation>正在雕刻。停止雕刻并清除画板吗？</translation>
    </message>
    <message>
        <source>A job is running. Stop it and reload the picture?</source>
        <translation>正在雕刻。停止雕刻并重新载入图像吗？</translation>
    </message>
    <message>
        <source>A job is running. Stop it and open the new picture?</source>
        <translation>正在雕刻。停止雕刻并打开新图像吗？</translation>
    </message>
    <message>
        <source>A job is running. Stop it and open the job?</source>
        <translation>正在雕刻。停止雕刻并打开任务吗？</translation>
    </message>
    <message>
        <source>Job running</source>
        <translation>正在雕刻</translation>
    </message>
    <message>
        <source>The picture on the board was not sent to the machine. Change the language and lose it?</source>
        <translation>画板上的图像还没有发送到雕刻机。切换语言并丢弃它吗？</translation>
    </message>
    <message>
        <source>Picture not sent</source>
        <translation>图像未发送</translation>
    </message>
</context>
<context>
    <name>tavro::ui::MachineSizeDialog</name>
    <message>
        <source>Machine Size</source>
        <translation>机器尺寸</translation>
    </message>
    <message>
        <source>Measure a burnt line of known length in dots, or the side of the whole board, to find your machine&apos;s scale. The rulers beside the board show the default, 13.4.</source>
        <translation>测量一条已知点数的烧刻线（或整个预览板的一边）的长度，即可得到您机器的比例。预览板旁的标尺按默认值 13.4 绘制。</translation>
    </message>
    <message>
        <source>&amp;Dots per millimetre:</source>
        <translation>每毫米点数(&amp;D)：</translation>
    </message>
    <message>
        <source>The board is %1 x %1 mm; one dot is %2 mm.</source>
        <translation>预览板为 %1 x %1 mm；一个点为 %2 mm。</translation>
    </message>
</context>
<context>
    <name>tavro::materials::MaterialPresets</name>
    <message>
        <source>A preset needs a name.</source>
        <translation>预设需要一个名称。</translation>
    </message>
    <message>
        <source>A preset&apos;s name cannot begin or end with a blank.</source>
        <translation>预设名称不能以空格开头或结尾。</translation>
    </message>
    <message>
        <source>A preset&apos;s name can have at most 64 characters.</source>
        <translation>预设名称最多 64 个字符。</translation>
    </message>
    <message>
        <source>A preset&apos;s name must be one line.</source>
        <translation>预设名称只能是一行。</translation>
    </message>
    <message>
        <source>it holds no material presets</source>
        <translation>其中没有材料预设</translation>
    </message>
    <message>
        <source>it was written by a newer Tavro Laser</source>
        <translation>它由较新版本的 Tavro Laser 写入</translation>
    </message>
    <message>
        <source>There can be at most 200 presets.</source>
        <translation>最多可以有 200 个预设。</translation>
    </message>
    <message>
        <source>The presets could not be saved in %1: %2.</source>
        <translation>无法将预设保存到 %1：%2。</translation>
    </message>
    <message>
        <source>The preset&apos;s burn time or tuning is out of range.</source>
        <translation>预设的灼烧时间或调整超出范围。</translation>
    </message>
    <message>
        <source>The presets could not be exported as %1: %2.</source>
        <translation>无法将预设导出为 %1：%2。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>无法读取 %1：%2。</translation>
    </message>
    <message>
        <source>%1 was not imported: %2.</source>
        <translation>未导入 %1：%2。</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Tavro Laser (version %2); it is left as it is.</source>
        <translation>%1 由较新版本的 Tavro Laser（版本 %2）写入；保持原样，未作改动。</translation>
    </message>
</context>
<context>
    <name>tavro::ui::MaterialStrip</name>
    <message>
        <source>No material</source>
        <translation>无材料</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>材料：</translation>
    </message>
    <message>
        <source>Save as Preset…</source>
        <translation>另存为预设…</translation>
    </message>
    <message>
        <source>Dot width:</source>
        <translation>点宽：</translation>
    </message>
    <message>
        <source> dots</source>
        <translation> 点</translation>
    </message>
    <message>
        <source>Compensate dot gain</source>
        <translation>补偿点扩大</translation>
    </message>
    <message>
        <source>As it will burn</source>
        <translation>按灼烧效果显示</translation>
    </message>
    <message>
        <source>How wide a burnt dot is on this material, in dots of the board</source>
        <translation>此材料上灼烧点的宽度，以预览的点为单位</translation>
    </message>
    <message>
        <source>Lighten greys so that dots this wide burn them as dark as the picture asks</source>
        <translation>调亮灰度，使这样宽的点烧出的深浅与图片一致</translation>
    </message>
    <message>
        <source>Show every burnt dot as a disc of the dot width in the material&apos;s colours</source>
        <translation>将每个灼烧点显示为该点宽的圆盘，使用材料的颜色</translation>
    </message>
</context>
<context>
    <name>tavro::document::Placement</name>
    <message>
        <source>The picture would be %1 x %2 mm (%3 x %4 dots); it can be at most %5 mm (%6 dots) on a side.</source>
        <translation>图片将为 %1 x %2 mm（%3 x %4 点）；每边最多 %5 mm（%6 点）。</translation>
    </message>
    <message>
        <source>At %1 mm from the left and %2 mm from the top, no part of the picture would be on the board.</source>
        <translation>距左边 %1 mm、距上边 %2 mm 时，图片将完全不在预览板上。</translation>
    </message>
    <message>
        <source>The picture cannot be %1 mm on a side: it can be at most %2 mm (%3 dots).</source>
        <translation>图片的一边不能为 %1 mm；每边最多 %2 mm（%3 点）。</translation>
    </message>
</context>
<context>
    <name>tavro::ui::PlacementDialog</name>
    <message>
        <source>Size and Position</source>
        <translation>大小和位置</translation>
    </message>
    <message>
        <source>Mirror &amp;left to right</source>
        <translation>左右镜像(&amp;L)</translation>
    </message>
    <message>
        <source>Mirror &amp;top to bottom</source>
        <translation>上下镜像(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>宽度(&amp;W)：</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>高度(&amp;H)：</translation>
    </message>
    <message>
        <source>Left &amp;edge:</source>
        <translation>左边距(&amp;E)：</translation>
    </message>
    <message>
        <source>T&amp;op edge:</source>
        <translation>上边距(&amp;O)：</translation>
    </message>
    <message>
        <source>Edges are measured from the board&apos;s top-left corner. The board is %1 mm square at %2 dots a millimetre (Machine &gt; Machine Size).</source>
        <translation>边距从预览板左上角量起。按每毫米 %2 点计，预览板为 %1 mm 见方（雕刻机 &gt; 机器尺寸）。</translation>
    </message>
</context>
<context>
    <name>tavro::ui::PresetDialog</name>
    <message>
        <source>brightness %1</source>
        <translation>亮度 %1</translation>
    </message>
    <message>
        <source>contrast %1</source>
        <translation>对比度 %1</translation>
    </message>
    <message>
        <source>gamma %1</source>
        <translation>伽马 %1</translation>
    </message>
    <message>
        <source>inverted</source>
        <translation>反相</translation>
    </message>
    <message>
        <source>dots %1 wide, dot gain compensated</source>
        <translation>点宽 %1，已补偿点扩大</translation>
    </message>
    <message>
        <source>dots %1 wide</source>
        <translation>点宽 %1</translation>
    </message>
    <message>
        <source>Save as Preset</source>
        <translation>另存为预设</translation>
    </message>
    <message>
        <source>Birch plywood 3 mm</source>
        <translation>桦木胶合板 3 mm</translation>
    </message>
    <message>
        <source>Material…</source>
        <translation>材料颜色…</translation>
    </message>
    <message>
        <source>Burn…</source>
        <translation>灼烧颜色…</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Burn time:</source>
        <translation>灼烧时间：</translation>
    </message>
    <message>
        <source>Method and tuning:</source>
        <translation>方法和调整：</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>颜色：</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <source>The preset %1 will be replaced.</source>
        <translation>将替换预设 %1。</translation>
    </message>
</context>
<context>
    <name>tavro::session::SessionImpl</name>
    <message>
        <source>The job %1 cannot be read: %2.</source>
        <translation>无法读取任务 %1：%2。</translation>
    </message>
    <message>
        <source>%1 is a picture, not a Tavro Laser job. Open it with Open Picture… to render it.</source>
        <translation>%1 是一张图片，不是 Tavro Laser 任务。请用“打开图片…”打开它，生成雕刻效果。</translation>
    </message>
    <message>
        <source>%1 is not a Tavro Laser job.</source>
        <translation>%1 不是 Tavro Laser 任务。</translation>
    </message>
    <message>
        <source>%1 was saved by a newer Tavro Laser (job format %2); this version opens formats up to %3. Nothing was changed.</source>
        <translation>%1 由较新版本的 Tavro Laser 保存（任务格式 %2）；本版本只能打开格式 %3 及以下。未做任何更改。</translation>
    </message>
    <message>
        <source>The job %1 is damaged and was not opened: %2. Nothing was changed.</source>
        <translation>任务 %1 已损坏，未打开：%2。未做任何更改。</translation>
    </message>
    <message>
        <source>Open Job</source>
        <translation>打开任务</translation>
    </message>
    <message>
        <source>The job could not be saved as %1: %2. A file already there was left as it was.</source>
        <translation>无法将任务保存为 %1：%2。原有文件保持不变。</translation>
    </message>
    <message>
        <source>Save Job</source>
        <translation>保存任务</translation>
    </message>
    <message>
        <source>The board could not be exported as %1: %2. A file already there was left as it was.</source>
        <translation>无法将预览导出为 %1：%2。原有文件保持不变。</translation>
    </message>
    <message>
        <source>Export Board</source>
        <translation>导出预览</translation>
    </message>
    <message>
        <source>The machine holds the picture sent at %1, not the board shown.</source>
        <translation>雕刻机上是 %1 发送的图片，不是当前显示的预览。</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Send the board first</source>
        <translation>先发送预览</translation>
    </message>
    <message>
        <source>Start anyway</source>
        <translation>仍然开始</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>A job is running. Pause the machine and quit?</source>
        <translation>任务正在进行。暂停雕刻机并退出？</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>The machine is connected</source>
        <translation>雕刻机已连接</translation>
    </message>
    <message>
        <source>No machine is connected</source>
        <translation>未连接雕刻机</translation>
    </message>
    <message>
        <source>Not while the machine carves</source>
        <translation>雕刻进行中不可用</translation>
    </message>
    <message>
        <source>Choose a rendering and send it, or clear the board, first</source>
        <translation>请先选择效果并发送，或清除预览</translation>
    </message>
    <message>
        <source>The board holds a picture that was not sent. Put the interrupted job in its place?</source>
        <translation>画板上有尚未发送的图片。用中断的任务替换它吗？</translation>
    </message>
    <message>
        <source>Interrupted job</source>
        <translation>中断的任务</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>没有可撤销的操作</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>没有可重做的操作</translation>
    </message>
    <message>
        <source>Only a picture chosen in the effect chooser, not yet zoomed out or rotated, can be placed</source>
        <translation>只有在效果选择器中选定、尚未缩小或旋转的图片才能摆放</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>镜像</translation>
    </message>
    <message>
        <source>Not while a job is paused: Start goes on with it, Restart ends it</source>
        <translation>任务暂停时不可用：“开始”可继续，“重启”则结束</translation>
    </message>
</context>
<context>
    <name>tavro::materials::TestCard</name>
    <message>
        <source>Choose 2 to 8 burn times.</source>
        <translation>请选择 2 到 8 个灼烧时间。</translation>
    </message>
    <message>
        <source>Burn times go from 1 to 100.</source>
        <translation>灼烧时间范围为 1 到 100。</translation>
    </message>
    <message>
        <source>Each burn time can be tried once.</source>
        <translation>每个灼烧时间只能试一次。</translation>
    </message>
    <message>
        <source>Choose 1 to 8 grey levels.</source>
        <translation>请选择 1 到 8 个灰度。</translation>
    </message>
    <message>
        <source>Grey levels go from 0 to 100 %.</source>
        <translation>灰度范围为 0 到 100 %。</translation>
    </message>
    <message>
        <source>Each grey level can be tried once.</source>
        <translation>每个灰度只能试一次。</translation>
    </message>
    <message>
        <source>Patches can be 1 to 10 mm wide.</source>
        <translation>色块宽度可为 1 到 10 mm。</translation>
    </message>
    <message>
        <source>The tuning is out of range.</source>
        <translation>调整超出范围。</translation>
    </message>
    <message>
        <source>The card would be %1 x %2 mm; the board holds %3 x %3 mm. Choose smaller patches, or fewer burn times or grey levels.</source>
        <translation>测试卡将为 %1 x %2 mm，而预览只能容纳 %3 x %3 mm。请选择更小的色块，或更少的灼烧时间或灰度。</translation>
    </message>
</context>
<context>
    <name>tavro::ui::TestCardDialog</name>
    <message>
        <source>Write the burn times as whole numbers separated by commas.</source>
        <translation>请将灼烧时间写成用逗号分隔的整数。</translation>
    </message>
    <message>
        <source>Write the grey levels as whole numbers separated by commas.</source>
        <translation>请将灰度写成用逗号分隔的整数。</translation>
    </message>
    <message>
        <source>A test card is being burnt.</source>
        <translation>正在灼烧一张测试卡。</translation>
    </message>
    <message>
        <source>No machine is connected: the card can be seen, not burnt.</source>
        <translation>未连接雕刻机：测试卡只能查看，不能灼烧。</translation>
    </message>
    <message>
        <source>A job is running: stop it before burning the card.</source>
        <translation>正在雕刻：请先停止，再灼烧测试卡。</translation>
    </message>
    <message>
        <source>%1 burn times x %2 grey levels, patches of %3 dots, %4 dots in all; about %5.</source>
        <translation>%1 个灼烧时间 x %2 个灰度，色块 %3 点，共 %4 点；约 %5。</translation>
    </message>
    <message>
        <source>Tuning: %1, as set in the effect chooser.</source>
        <translation>调整：%1，与效果选择窗口中的设置相同。</translation>
    </message>
    <message>
        <source>The board holds a picture that was never sent. Replace it with the test card?</source>
        <translation>预览中的图片还没有发送。用测试卡替换它吗？</translation>
    </message>
    <message>
        <source>Material Test Card</source>
        <translation>材料测试卡</translation>
    </message>
    <message>
        <source>Burns a patch of each grey level at each burn time, one column a burn time, lowest first. The card is shown on the board.</source>
        <translation>在每个灼烧时间下为每个灰度烧一个色块，每个灼烧时间一列，从最低开始。测试卡显示在预览中。</translation>
    </message>
    <message>
        <source>Burn times:</source>
        <translation>灼烧时间：</translation>
    </message>
    <message>
        <source>Spread from, to, how many:</source>
        <translation>从、到、个数：</translation>
    </message>
    <message>
        <source>Grey levels (% black):</source>
        <translation>灰度（% 黑）：</translation>
    </message>
    <message>
        <source>Solid patches only</source>
        <translation>仅实心色块</translation>
    </message>
    <message>
        <source>Patch size:</source>
        <translation>色块大小：</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>方法：</translation>
    </message>
    <message>
        <source>Burn labels and the date:</source>
        <translation>灼烧标签和日期：</translation>
    </message>
    <message>
        <source>Burn the Card</source>
        <translation>灼烧测试卡</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>tavro::session::TestCardRun</name>
    <message>
        <source>A test card is being burnt already.</source>
        <translation>已经在灼烧一张测试卡。</translation>
    </message>
    <message>
        <source>The card has columns 1 to %1.</source>
        <translation>测试卡的列为 1 到 %1。</translation>
    </message>
    <message>
        <source>Rows go from 0 to 511.</source>
        <translation>行的范围为 0 到 511。</translation>
    </message>
    <message>
        <source>No machine is connected.</source>
        <translation>未连接雕刻机。</translation>
    </message>
    <message>
        <source>A job is running; stop it first.</source>
        <translation>正在雕刻，请先停止。</translation>
    </message>
    <message>
        <source>The card&apos;s first column could not be sent.</source>
        <translation>无法发送测试卡的第一列。</translation>
    </message>
</context>
<context>
    <name>tavro::ui::TuningStrip</name>
    <message>
        <source>Grey from:</source>
        <translation>灰度来源：</translation>
    </message>
    <message>
        <source>As drawn</source>
        <translation>按原方式</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色通道</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Luma</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度调整</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>对比度</translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation>伽马</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>反相</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>阈值</translation>
    </message>
    <message>
        <source>Dither method</source>
        <translation>抖动方法</translation>
    </message>
    <message>
        <source>Dither</source>
        <translation>抖动</translation>
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
        <translation>重置</translation>
    </message>
    <message>
        <source>Which grey level of a colour is read: as each rendering has always read it, the blue channel, the average of red, green and blue, or luma (as the eye sees it)</source>
        <translation>读取颜色的哪种灰度：各效果原有的方式、蓝色通道、红绿蓝的平均值，或亮度（人眼所见）</translation>
    </message>
    <message>
        <source>Left panel: levels below this burn</source>
        <translation>左侧面板：低于此值的灰度会被灼烧</translation>
    </message>
    <message>
        <source>Right panel: how grey becomes dots</source>
        <translation>右侧面板：灰度如何变成点</translation>
    </message>
</context>
<context>
    <name>tavro::link::EngraverLink</name>
    <message>
        <source>the port is no longer there</source>
        <translation>端口已不存在</translation>
    </message>
    <message>
        <source>the machine did not ask for the picture within %1 s</source>
        <translation>机器在 %1 秒内没有请求图像</translation>
    </message>
    <message>
        <source>The machine did not ask for the picture: it was not sent.</source>
        <translation>机器没有请求图像：图像未发送。</translation>
    </message>
</context>
<context>
    <name>tavro::machine::DiagnosisText</name>
    <message>
        <source>USB adapter %1</source>
        <translation>USB 适配器 %1</translation>
    </message>
    <message>
        <source>Not a USB device</source>
        <translation>不是 USB 设备</translation>
    </message>
    <message>
        <source>Connected: the program uses this machine.</source>
        <translation>已连接：程序正在使用这台雕刻机。</translation>
    </message>
    <message>
        <source>An engraver of this kind answers here.</source>
        <translation>这里有一台此型号的雕刻机应答。</translation>
    </message>
    <message>
        <source>You may not open this device.</source>
        <translation>您无权打开此设备。</translation>
    </message>
    <message>
        <source>Held by another program.</source>
        <translation>被另一个程序占用。</translation>
    </message>
    <message>
        <source>Held by another copy of Tavro Laser: %1.</source>
        <translation>被另一个 Tavro Laser 占用：%1。</translation>
    </message>
    <message>
        <source>Held by %1.</source>
        <translation>被 %1 占用。</translation>
    </message>
    <message>
        <source>No answer. Is the engraver switched on? Is it an engraver of this kind?</source>
        <translation>没有应答。雕刻机是否已开机？是否为此型号的雕刻机？</translation>
    </message>
    <message>
        <source>It answers as product %1, not as an engraver of this kind.</source>
        <translation>它以产品 %1 应答，不是此型号的雕刻机。</translation>
    </message>
    <message>
        <source>This USB-serial adapter is plugged in, but has no serial device.</source>
        <translation>此 USB 串口适配器已插入，但没有串口设备。</translation>
    </message>
    <message>
        <source>It does not open: %1.</source>
        <translation>无法打开：%1。</translation>
    </message>
    <message>
        <source>%1 has probably taken it for a braille display.</source>
        <translation>%1 可能已将它当作盲文显示器占用。</translation>
    </message>
    <message>
        <source>No driver has taken it. Unplug it and plug it in again.</source>
        <translation>没有驱动程序接管它。请拔下后重新插入。</translation>
    </message>
    <message>
        <source>It belongs to %1, group %2, mode %3.</source>
        <translation>属于 %1，组 %2，权限 %3。</translation>
    </message>
    <message>
        <source>You are in the group %1.</source>
        <translation>您在组 %1 中。</translation>
    </message>
    <message>
        <source>You were added to the group %1; that takes effect when you log in again.</source>
        <translation>您已被加入组 %1；重新登录后生效。</translation>
    </message>
    <message>
        <source>You are not in the group %1.</source>
        <translation>您不在组 %1 中。</translation>
    </message>
    <message>
        <source>The access rule of Tavro Laser does not cover this device.</source>
        <translation>Tavro Laser 的访问规则不适用于此设备。</translation>
    </message>
    <message>
        <source>The access rule of Tavro Laser is installed; it gives access to whoever sits at this computer, not to remote logins.</source>
        <translation>Tavro Laser 的访问规则已安装；它只允许坐在这台电脑前的用户访问，不包括远程登录。</translation>
    </message>
    <message>
        <source>The access rule of Tavro Laser is not installed.</source>
        <translation>Tavro Laser 的访问规则未安装。</translation>
    </message>
    <message>
        <source>Allow access installs it; you are asked for the administrator password.</source>
        <translation>“允许访问”会安装它；需要输入管理员密码。</translation>
    </message>
    <message>
        <source>Joining the group %1 takes effect when you log in again.</source>
        <translation>加入组 %1 将在重新登录后生效。</translation>
    </message>
    <message>
        <source>Close the program that uses it.</source>
        <translation>请关闭正在使用它的程序。</translation>
    </message>
    <message>
        <source>Running now, and known to hold ports like this one: %1.</source>
        <translation>正在运行且已知会占用此类端口的程序：%1。</translation>
    </message>
    <message>
        <source>ModemManager tries new adapters as modems for a few seconds, then lets go. Check again in a moment.</source>
        <translation>ModemManager 会把新适配器当作调制解调器试用几秒钟，然后释放。请稍后再检查。</translation>
    </message>
    <message>
        <source>Close the other Tavro Laser window or tavro-burn.</source>
        <translation>请关闭另一个 Tavro Laser 窗口或 tavro-burn。</translation>
    </message>
    <message>
        <source>Close that program, or make it let go of the port.</source>
        <translation>请关闭该程序，或让它释放此端口。</translation>
    </message>
    <message>
        <source>brltty&apos;s rule for these adapters is switched off already: unplug the adapter and plug it in again.</source>
        <translation>brltty 针对这些适配器的规则已关闭：请拔下适配器后重新插入。</translation>
    </message>
    <message>
        <source>brltty serves braille displays and takes USB-serial adapters of this kind for one. If you use no braille display, stop it taking them, then unplug the adapter and plug it in again.</source>
        <translation>brltty 是盲文显示器服务，会把此类 USB 串口适配器当作盲文显示器占用。如果您不使用盲文显示器，请阻止它占用适配器，然后拔下适配器并重新插入。</translation>
    </message>
    <message>
        <source>Allow access</source>
        <translation>允许访问</translation>
    </message>
    <message>
        <source>Join the group dialout</source>
        <translation>加入 dialout 组</translation>
    </message>
    <message>
        <source>Stop brltty taking adapters</source>
        <translation>阻止 brltty 占用适配器</translation>
    </message>
    <message>
        <source>No USB-serial adapter is connected.</source>
        <translation>未连接 USB 串口适配器。</translation>
    </message>
    <message>
        <source>No machine: no USB-serial adapter is connected</source>
        <translation>无雕刻机：未连接 USB 串口适配器</translation>
    </message>
    <message>
        <source>No machine: %1 is held by %2</source>
        <translation>无雕刻机：%1 被 %2 占用</translation>
    </message>
    <message>
        <source>No machine: %1 is held by another program</source>
        <translation>无雕刻机：%1 被另一个程序占用</translation>
    </message>
    <message>
        <source>No machine: you may not open %1</source>
        <translation>无雕刻机：您无权打开 %1</translation>
    </message>
    <message>
        <source>No machine: the USB-serial adapter %1 has no serial device</source>
        <translation>无雕刻机：USB 串口适配器 %1 没有串口设备</translation>
    </message>
    <message>
        <source>No machine: %1 answers with another product id</source>
        <translation>无雕刻机：%1 应答的产品 ID 不同</translation>
    </message>
    <message>
        <source>No machine: %1 does not open</source>
        <translation>无雕刻机：无法打开 %1</translation>
    </message>
    <message>
        <source>No machine: %1 does not answer</source>
        <translation>无雕刻机：%1 没有应答</translation>
    </message>
    <message>
        <source>Check…</source>
        <translation>检查…</translation>
    </message>
</context>
<context>
    <name>tavro::platform::QtSerialLine</name>
    <message>
        <source>the image block did not leave the port in %1 s</source>
        <translation>图像数据在 %1 秒内未能发出</translation>
    </message>
    <message>
        <source>the port is closed</source>
        <translation>端口已关闭</translation>
    </message>
</context>
<context>
    <name>tavro::shell::BoardEditing</name>
    <message>
        <source>Board</source>
        <translation>预览板</translation>
    </message>
    <message>
        <source>%1, %2 mm</source>
        <translation>%1, %2 mm</translation>
    </message>
    <message>
        <source>picture %1 x %2 mm</source>
        <translation>图片 %1 x %2 mm</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1 倍</translation>
    </message>
    <message>
        <source>Size and Position</source>
        <translation>大小和位置</translation>
    </message>
</context>
<context>
    <name>tavro::shell::ConnectionCheckWindow</name>
    <message>
        <source>Checking…</source>
        <translation>正在检查…</translation>
    </message>
    <message>
        <source>Check Connection</source>
        <translation>检查连接</translation>
    </message>
    <message>
        <source>The serial devices the program tries when it searches for the machine, and what stands in the way of each.</source>
        <translation>程序查找雕刻机时尝试的串口设备，以及各自存在的问题。</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>重新检查</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>A machine answers.</source>
        <translation>有雕刻机应答。</translation>
    </message>
    <message>
        <source>Plug the engraver&apos;s USB cable in; this window follows.</source>
        <translation>请插入雕刻机的 USB 线；此窗口会自动更新。</translation>
    </message>
    <message>
        <source>The check runs again when a device is plugged in or pulled out.</source>
        <translation>插入或拔出设备时会重新检查。</translation>
    </message>
    <message>
        <source>Waiting for tavro-serial-access; it may ask for the administrator password…</source>
        <translation>正在等待 tavro-serial-access；可能会要求输入管理员密码…</translation>
    </message>
    <message>
        <source>tavro-serial-access is done.</source>
        <translation>tavro-serial-access 已完成。</translation>
    </message>
    <message>
        <source>The administrator password was not given; nothing was changed.</source>
        <translation>未输入管理员密码；未做任何更改。</translation>
    </message>
    <message>
        <source>tavro-serial-access could not be started: %1</source>
        <translation>无法启动 tavro-serial-access：%1</translation>
    </message>
    <message>
        <source>tavro-serial-access failed (exit status %1): %2</source>
        <translation>tavro-serial-access 失败（退出状态 %1）：%2</translation>
    </message>
</context>
<context>
    <name>tavro::shell::JobStatusBar</name>
    <message>
        <source>The job is done</source>
        <translation>雕刻完成</translation>
    </message>
    <message>
        <source>Searching for the machine…</source>
        <translation>正在查找雕刻机…</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 已连接</translation>
    </message>
    <message>
        <source>Connection broken, searching…</source>
        <translation>连接已断开，正在查找…</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>No picture on the machine</source>
        <translation>雕刻机上没有图像</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>正在雕刻</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Interrupted at row %1 (%2 %)</source>
        <translation>在第 %1 行中断（%2 %）</translation>
    </message>
    <message numerus="yes">
        <source>%n dots, about %1</source>
        <translation>
            <numerusform>%n 个点，约 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dots, %1</source>
        <translation>
            <numerusform>%n 个点，%1</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>约剩 %1</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>剩余 %1</translation>
    </message>
    <message numerus="yes">
        <source>Done: %n dots in %1</source>
        <translation>
            <numerusform>完成：%n 个点，用时 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture not sent since the machine reconnected</source>
        <translation>雕刻机重新连接后尚未发送图像</translation>
    </message>
    <message>
        <source>Interrupted job: %1 % burnt</source>
        <translation>中断的任务：已雕刻 %1 %</translation>
    </message>
    <message>
        <source>Resume from row %1</source>
        <translation>从第 %1 行继续</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>从头开始</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Connection broken (%1), searching…</source>
        <translation>连接已断开（%1），正在查找…</translation>
    </message>
    <message>
        <source>Machine is carving (not started here)</source>
        <translation>雕刻机正在雕刻（不是在这里开始的）</translation>
    </message>
    <message>
        <source>Paused (not started here)</source>
        <translation>已暂停（不是在这里开始的）</translation>
    </message>
    <message>
        <source>Board changed since it was sent</source>
        <translation>预览在发送后已更改</translation>
    </message>
    <message numerus="yes">
        <source>Done: %n dots in %1 (%2 in this run)</source>
        <translation>
            <numerusform>完成：%n 点，用时 %1（本次 %2）</numerusform>
        </translation>
    </message>
    <message>
        <source>The test card is done</source>
        <translation>测试卡已完成</translation>
    </message>
    <message>
        <source>Machine &gt; Choose the Best Patch… makes a preset of it.</source>
        <translation>雕刻机 &gt; 选择最佳色块… 可将其保存为预设。</translation>
    </message>
    <message>
        <source>Test card paused: column %1 of %2, burn time %3</source>
        <translation>测试卡已暂停：第 %1 列，共 %2 列，灼烧时间 %3</translation>
    </message>
    <message>
        <source>Test card: column %1 of %2, burn time %3</source>
        <translation>测试卡：第 %1 列，共 %2 列，灼烧时间 %3</translation>
    </message>
    <message>
        <source>Test card done</source>
        <translation>测试卡完成</translation>
    </message>
    <message>
        <source>Interrupted test card: column %1 of %2, %3 % of it burnt</source>
        <translation>中断的测试卡：第 %1 列，共 %2 列，该列已雕刻 %3 %</translation>
    </message>
    <message>
        <source>Resume from column %1, row %2</source>
        <translation>从第 %1 列第 %2 行继续</translation>
    </message>
    <message>
        <source>Not sent: the machine did not ask for the picture</source>
        <translation>未发送：机器没有请求图像</translation>
    </message>
</context>
<context>
    <name>tavro::shell::MainMenu</name>
    <message>
        <source>No recent files</source>
        <translation>没有最近的文件</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open Picture…</source>
        <translation>打开图片(&amp;O)…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>Open &amp;Job…</source>
        <translation>打开任务(&amp;J)…</translation>
    </message>
    <message>
        <source>&amp;Save Job</source>
        <translation>保存任务(&amp;S)</translation>
    </message>
    <message>
        <source>Save Job &amp;As…</source>
        <translation>任务另存为(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Export Board as PNG…</source>
        <translation>将预览导出为 PNG(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Machine</source>
        <translation>雕刻机(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>连接(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Break</source>
        <translation>断开(&amp;B)</translation>
    </message>
    <message>
        <source>Send &amp;Image To Machine</source>
        <translation>发送图像到雕刻机(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>Power &amp;Off…</source>
        <translation>关机(&amp;O)…</translation>
    </message>
    <message>
        <source>Se&amp;ttings…</source>
        <translation>设置(&amp;T)…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Tavro Laser &amp;Help</source>
        <translation>Tavro Laser 帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Tavro Laser</source>
        <translation>关于 Tavro Laser(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>重启(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>用户指南(&amp;U)</translation>
    </message>
    <message>
        <source>C&amp;heck Connection…</source>
        <translation>检查连接(&amp;H)…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Mirror &amp;Left to Right</source>
        <translation>左右镜像(&amp;L)</translation>
    </message>
    <message>
        <source>Mirror &amp;Top to Bottom</source>
        <translation>上下镜像(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Size and Position…</source>
        <translation>大小和位置(&amp;S)…</translation>
    </message>
    <message>
        <source>Machine Si&amp;ze…</source>
        <translation>机器尺寸(&amp;Z)…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大视图(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小视图(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>实际大小(&amp;A)</translation>
    </message>
    <message>
        <source>Add &amp;Code…</source>
        <translation>添加条码(&amp;C)…</translation>
    </message>
</context>
<context>
    <name>tavro::shell::MainPanel</name>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
</context>
<context>
    <name>tavro::shell::MainWindow</name>
    <message>
        <source>%1 is no longer there and was taken off the list.</source>
        <translation>%1 已不存在，已从列表中移除。</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>最近打开</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Tavro Laser %1

The desktop controller of a small laser engraver.

Licence: MIT
Serial port: %2

%3</source>
        <translation>Tavro Laser %1

小型激光雕刻机的桌面控制程序。

许可证：MIT
串口：%2

%3</translation>
    </message>
    <message>
        <source>About Tavro Laser</source>
        <translation>关于 Tavro Laser</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a picture: %2.</source>
        <translation>无法将 %1 作为图片打开：%2。</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>打开图片</translation>
    </message>
</context>
<context>
    <name>tavro::shell::MaterialMenu</name>
    <message>
        <source>No material</source>
        <translation>无材料</translation>
    </message>
    <message>
        <source>Export Presets</source>
        <translation>导出预设</translation>
    </message>
    <message>
        <source>Import Presets</source>
        <translation>导入预设</translation>
    </message>
    <message>
        <source>Presets imported from %1: %2.</source>
        <translation>已从 %1 导入预设：%2 个。</translation>
    </message>
    <message>
        <source>Remove the preset %1?</source>
        <translation>删除预设 %1 吗？</translation>
    </message>
    <message>
        <source>Remove Preset</source>
        <translation>删除预设</translation>
    </message>
    <message>
        <source>&amp;Material Test Card…</source>
        <translation>材料测试卡(&amp;M)…</translation>
    </message>
    <message>
        <source>Choos&amp;e the Best Patch…</source>
        <translation>选择最佳色块(&amp;E)…</translation>
    </message>
    <message>
        <source>M&amp;aterial</source>
        <translation>材料(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Save as Preset…</source>
        <translation>另存为预设(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Remove Chosen Preset…</source>
        <translation>删除所选预设(&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Export Presets…</source>
        <translation>导出预设(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Import Presets…</source>
        <translation>导入预设(&amp;I)…</translation>
    </message>
    <message>
        <source>As It Will &amp;Burn</source>
        <translation>按灼烧效果显示(&amp;B)</translation>
    </message>
</context>
<context>
    <name>tavro::shell::SerialAccessRunner</name>
    <message>
        <source>tavro-serial-access is running already.</source>
        <translation>tavro-serial-access 已在运行。</translation>
    </message>
    <message>
        <source>tavro-serial-access is not installed at %1.</source>
        <translation>tavro-serial-access 未安装在 %1。</translation>
    </message>
</context>
<context>
    <name>tavro::shell::SystemDesktop</name>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Tavro Laser jobs (*%1)</source>
        <translation>Tavro Laser 雕刻任务 (*%1)</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>打开图片</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>图片 (%1)</translation>
    </message>
    <message>
        <source>Open Job</source>
        <translation>打开任务</translation>
    </message>
    <message>
        <source>Save Job</source>
        <translation>保存任务</translation>
    </message>
    <message>
        <source>Export Board as PNG</source>
        <translation>将预览导出为 PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>Export Presets</source>
        <translation>导出预设</translation>
    </message>
    <message>
        <source>Material presets (*.ini)</source>
        <translation>材料预设 (*.ini)</translation>
    </message>
    <message>
        <source>Import Presets</source>
        <translation>导入预设</translation>
    </message>
</context>
<context>
    <name>tavro::shell::UserGuideWindow</name>
    <message>
        <source>Tavro Laser User Guide</source>
        <translation>Tavro Laser 用户指南</translation>
    </message>
</context>
<context>
    <name>tavro::run::RunDriver</name>
    <message>
        <source>The machine finished the interrupted job on its own.</source>
        <translation>机器已自行完成被中断的任务。</translation>
    </message>
</context>
<context>
    <name>tavro::codes::CodeSymbol</name>
    <message>
        <source>An EAN-13 code takes 12 digits, or 13 with the check digit.</source>
        <translation>EAN-13 码由 12 位数字组成，含校验位则为 13 位。</translation>
    </message>
    <message>
        <source>The last digit of an EAN-13 code is its check digit: for %1 it is %2, not %3.</source>
        <translation>EAN-13 码的最后一位是校验位：%1 的校验位是 %2，不是 %3。</translation>
    </message>
    <message>
        <source>Code 128 holds only Western European letters, digits and signs, not &quot;%1&quot;.</source>
        <translation>Code 128 只能容纳西欧字母、数字和符号，不能容纳“%1”。</translation>
    </message>
    <message>
        <source>There is no text to make a code of.</source>
        <translation>没有可生成码的文本。</translation>
    </message>
    <message>
        <source>The text is too long for a QR code at error correction %1; a lower level or a shorter text fits.</source>
        <translation>文本太长，无法生成纠错等级为 %1 的二维码；降低等级或缩短文本即可。</translation>
    </message>
    <message>
        <source>The text is too long for a %1 code.</source>
        <translation>文本太长，无法生成 %1 码。</translation>
    </message>
    <message>
        <source>The text cannot be made into a %1 code.</source>
        <translation>无法用此文本生成 %1 码。</translation>
    </message>
</context>
<context>
    <name>tavro::codes::CodeFit</name>
    <message>
        <source>At %1 dots a module the code would be %2 x %3 dots with its quiet zone; the board is %4 dots a side.</source>
        <translation>每个模块 %1 点时，码连同空白区为 %2 x %3 点；预览板每边 %4 点。</translation>
    </message>
    <message>
        <source>The code cannot be %1 mm wide: with its quiet zone it takes at least %2 mm (%3 dots).</source>
        <translation>码的宽度不能为 %1 mm：连同空白区至少需要 %2 mm（%3 点）。</translation>
    </message>
</context>
<context>
    <name>tavro::pictures::SvgCheck</name>
    <message>
        <source>it uses a style sheet from outside the picture</source>
        <translation>它使用了图片以外的样式表</translation>
    </message>
    <message>
        <source>it refers to %1, outside the picture</source>
        <translation>它引用了图片以外的 %1</translation>
    </message>
    <message>
        <source>it embeds a picture that is too large or cannot be read</source>
        <translation>它嵌入的图片过大或无法读取</translation>
    </message>
    <message>
        <source>it declares a width, height or viewBox that is empty, negative or absurd</source>
        <translation>它声明的宽度、高度或 viewBox 为空、为负或不合理</translation>
    </message>
    <message>
        <source>it declares a size larger than %1 mm</source>
        <translation>它声明的尺寸超过 %1 毫米</translation>
    </message>
    <message>
        <source>it has more than %1 elements</source>
        <translation>它包含超过 %1 个元素</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>它的元素嵌套超过 %1 层</translation>
    </message>
    <message>
        <source>it is not an SVG picture</source>
        <translation>它不是 SVG 图片</translation>
    </message>
    <message>
        <source>it declares entities, which could make it grow without end</source>
        <translation>它声明了实体，可能无限膨胀</translation>
    </message>
    <message>
        <source>a &lt;use&gt; element refers to itself</source>
        <translation>某个 &lt;use&gt; 元素引用了自身</translation>
    </message>
    <message>
        <source>the SVG is damaged (line %1: %2)</source>
        <translation>SVG 已损坏（第 %1 行：%2）</translation>
    </message>
    <message>
        <source>no elements</source>
        <translation>没有元素</translation>
    </message>
    <message>
        <source>its &lt;use&gt; elements would draw more than %1 elements</source>
        <translation>它的 &lt;use&gt; 元素将绘制超过 %1 个元素</translation>
    </message>
</context>
<context>
    <name>tavro::pictures::VectorPicture</name>
    <message>
        <source>it cannot be drawn</source>
        <translation>无法绘制</translation>
    </message>
    <message>
        <source>it has no size</source>
        <translation>它没有尺寸</translation>
    </message>
</context>
<context>
    <name>tavro::ui::AddCodeDialog</name>
    <message>
        <source>Add Code</source>
        <translation>添加条码</translation>
    </message>
    <message>
        <source>QR code</source>
        <translation>二维码（QR）</translation>
    </message>
    <message>
        <source>Data Matrix</source>
        <translation>Data Matrix</translation>
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
        <translation>文本(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>类型(&amp;K)：</translation>
    </message>
    <message>
        <source>&amp;Error correction:</source>
        <translation>纠错等级(&amp;E)：</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>宽度(&amp;W)：</translation>
    </message>
    <message>
        <source>Type the text the code holds.</source>
        <translation>请输入条码所含的文字。</translation>
    </message>
    <message>
        <source>%1 x %2 mm with its quiet zone; a module is %3 mm (dots a module: %4).</source>
        <translation>含静区 %1 x %2 mm；每个模块 %3 mm（每模块点数：%4）。</translation>
    </message>
    <message>
        <source>Modules smaller than 3 dots burn unreadably on wood: make the code larger.</source>
        <translation>小于 3 点的模块在木材上烧出来无法识别：请把条码放大。</translation>
    </message>
</context>
</TS>
