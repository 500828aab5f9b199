<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Captions</name>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Find pauses...</source>
        <translation>查找停顿...</translation>
    </message>
    <message>
        <source>Split every N minutes...</source>
        <translation>每 N 分钟分割...</translation>
    </message>
    <message>
        <source>Add split point</source>
        <translation>添加分割点</translation>
    </message>
    <message>
        <source>Remove split point</source>
        <translation>删除分割点</translation>
    </message>
    <message>
        <source>Clear split points</source>
        <translation>清除分割点</translation>
    </message>
    <message>
        <source>Add tracks as clips...</source>
        <translation>将音轨添加为片段...</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>音轨</translation>
    </message>
    <message>
        <source>Write a cue sheet beside each join</source>
        <translation>在每个合并文件旁写入 CUE 文件</translation>
    </message>
    <message>
        <source>Ask for tags when saving</source>
        <translation>保存时询问标签</translation>
    </message>
    <message>
        <source>Before a file is saved or joined, show the title, artist and other tags it will carry, to change them</source>
        <translation>保存或合并文件之前，显示它将带有的标题、艺术家等标签，以便修改</translation>
    </message>
    <message>
        <source>&amp;Join options...</source>
        <translation>合并选项(&amp;J)...</translation>
    </message>
    <message>
        <source>Loudness, crossfades and fades for every join</source>
        <translation>每次合并的响度、交叉淡化和淡入淡出</translation>
    </message>
    <message>
        <source>&amp;Hear the joint</source>
        <translation>试听接合处(&amp;H)</translation>
    </message>
    <message>
        <source>Plays the two seconds around the selected clip&apos;s joint with the next one, as the join will make them (Ctrl+J)</source>
        <translation>按合并时的效果播放所选片段与下一片段接合处前后的两秒 (Ctrl+J)</translation>
    </message>
</context>
<context>
    <name>ClipSteps</name>
    <message>
        <source>Add clip %1</source>
        <translation>添加片段 %1</translation>
    </message>
    <message>
        <source>Move clip %1</source>
        <translation>移动片段 %1</translation>
    </message>
    <message>
        <source>Delete clip %1</source>
        <translation>删除片段 %1</translation>
    </message>
    <message>
        <source>Delete all clips</source>
        <translation>删除所有片段</translation>
    </message>
    <message>
        <source>Delete the clips joined into %1</source>
        <translation>删除已合并到 %1 的片段</translation>
    </message>
    <message numerus="yes">
        <source>Add %n clip(s)</source>
        <translation>
            <numerusform>添加 %n 个片段</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Clips</name>
    <message>
        <source>The clip &quot;%1&quot; cannot be saved as &quot;%2&quot;: %3<byte value="xd"/>
%4</source>
        <translation>无法将片段“%1”保存为“%2”：%3<byte value="xd"/>
%4</translation>
    </message>
</context>
<context>
    <name>CloseView</name>
    <message>
        <source>%1 s shown</source>
        <translation>显示 %1 秒</translation>
    </message>
    <message>
        <source>%1 ms shown</source>
        <translation>显示 %1 毫秒</translation>
    </message>
    <message>
        <source>Close view of the sound</source>
        <translation>声音的细节视图</translation>
    </message>
    <message>
        <source>▶ In to Out</source>
        <translation>▶ In 到 Out</translation>
    </message>
    <message>
        <source>Plays from Mark In to Mark Out (Shift+Space)</source>
        <translation>从 Mark In 播放到 Mark Out（Shift+空格）</translation>
    </message>
    <message>
        <source>▶ 2 s from In</source>
        <translation>▶ In 起 2 秒</translation>
    </message>
    <message>
        <source>Plays the two seconds from Mark In ([)</source>
        <translation>播放从 Mark In 开始的两秒（[）</translation>
    </message>
    <message>
        <source>▶ 2 s to Out</source>
        <translation>▶ Out 前 2 秒</translation>
    </message>
    <message>
        <source>Plays the two seconds up to Mark Out (])</source>
        <translation>播放到 Mark Out 为止的两秒（]）</translation>
    </message>
    <message>
        <source>Ctrl+wheel, Ctrl+Plus and Ctrl+Minus zoom; Ctrl+0 shows the whole sound, Ctrl+E Mark In to Mark Out.
The wheel or a drag scrolls; a click moves the play position.
Drag a mark&apos;s handle to move it; drag across the ruler, or Shift+drag, to mark a range.
Double-click the In or Out time to type it to the millisecond.
Shift+Space plays from Mark In to Mark Out, [ the first two seconds, ] the last two.
, and . step 10 ms, with Shift one second.</source>
        <translation>Ctrl+滚轮、Ctrl+加号和 Ctrl+减号缩放；Ctrl+0 显示整个声音，Ctrl+E 显示 Mark In 到 Mark Out。
滚轮或拖动可滚动；单击可移动播放位置。
拖动标记的手柄可移动标记；在标尺上拖动或按住 Shift 拖动可标记一段范围。
双击入点或出点时间可精确到毫秒输入。
Shift+空格从 Mark In 播放到 Mark Out，[ 播放开头两秒，] 播放最后两秒。
, 和 . 每次移动 10 毫秒，按住 Shift 移动一秒。</translation>
    </message>
    <message>
        <source>Snap marks to zero crossings</source>
        <translation>标记对齐到过零点</translation>
    </message>
    <message>
        <source>Every mark placed or dragged goes to the nearest zero crossing within 5 ms</source>
        <translation>放置或拖动的每个标记都会移到 5 毫秒内最近的过零点</translation>
    </message>
    <message>
        <source>The option cannot be saved in &quot;%1&quot;: %2.</source>
        <translation>无法将选项保存到“%1”：%2。</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>入点 %1</translation>
    </message>
    <message>
        <source>Out %1</source>
        <translation>出点 %1</translation>
    </message>
    <message>
        <source>Type the time as hh:mm:ss.mmm; Enter sets it, Escape leaves it.</source>
        <translation>按 hh:mm:ss.mmm 输入时间；Enter 确定，Esc 放弃。</translation>
    </message>
    <message>
        <source>Mark In cannot be after Mark Out.</source>
        <translation>Mark In 不能在 Mark Out 之后。</translation>
    </message>
    <message>
        <source>Mark Out cannot be before Mark In.</source>
        <translation>Mark Out 不能在 Mark In 之前。</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>位置 %1</translation>
    </message>
    <message>
        <source>Mark In, typed as hh:mm:ss.mmm</source>
        <translation>Mark In，以 hh:mm:ss.mmm 输入</translation>
    </message>
    <message>
        <source>Mark Out, typed as hh:mm:ss.mmm</source>
        <translation>Mark Out，以 hh:mm:ss.mmm 输入</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Hours of the time to go to</source>
        <translation>要跳转到的时间的小时</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Minutes of the time to go to</source>
        <translation>要跳转到的时间的分钟</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Seconds of the time to go to</source>
        <translation>要跳转到的时间的秒</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>跳转</translation>
    </message>
    <message>
        <source>Play from the time chosen above</source>
        <translation>从上面选定的时间开始播放</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>The whole sound: click or drag to play from there</source>
        <translation>整个声音：单击或拖动以从该处播放</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Master volume of the sound card</source>
        <translation>声卡的主音量</translation>
    </message>
    <message>
        <source>Mark In</source>
        <translation>标记起点</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>标记终点</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Play the cut</source>
        <translation>播放剪切结果</translation>
    </message>
    <message>
        <source>Stop the cut</source>
        <translation>停止剪切结果</translation>
    </message>
    <message>
        <source>Save the cut as MP3</source>
        <translation>将剪切结果保存为 MP3</translation>
    </message>
    <message>
        <source>Save the cut as WAV</source>
        <translation>将剪切结果保存为 WAV</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>End the program and delete its working files</source>
        <translation>结束程序并删除其工作文件</translation>
    </message>
    <message>
        <source>Add to list</source>
        <translation>添加到列表</translation>
    </message>
    <message>
        <source>Clips</source>
        <translation>片段</translation>
    </message>
    <message>
        <source>Play list</source>
        <translation>播放列表</translation>
    </message>
    <message>
        <source>Play the clips one after another, from the selected one</source>
        <translation>从选中的片段开始依次播放各片段</translation>
    </message>
    <message>
        <source>Stop list</source>
        <translation>停止列表</translation>
    </message>
    <message>
        <source>Stop playing the list</source>
        <translation>停止播放列表</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move the selected clip up</source>
        <translation>上移选中的片段</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Move the selected clip down</source>
        <translation>下移选中的片段</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>删除片段</translation>
    </message>
    <message>
        <source>Delete all clips</source>
        <translation>删除所有片段</translation>
    </message>
    <message>
        <source>Join as WAV</source>
        <translation>合并为 WAV</translation>
    </message>
    <message>
        <source>Join as MP3</source>
        <translation>合并为 MP3</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Choose a sound file to open</source>
        <translation>选择要打开的音频文件</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>编码器状态</translation>
    </message>
    <message>
        <source>Currently/Total</source>
        <translation>当前/总计</translation>
    </message>
    <message>
        <source>Time Frame</source>
        <translation>时间范围</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>跳转</translation>
    </message>
    <message>
        <source>Mp3 Segment</source>
        <translation>MP3 片段</translation>
    </message>
    <message>
        <source>New Mp3</source>
        <translation>新 MP3</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>Back 2 seconds</source>
        <translation>后退 2 秒</translation>
    </message>
    <message>
        <source>On 1 second</source>
        <translation>前进 1 秒</translation>
    </message>
    <message>
        <source>Delete the selected clip</source>
        <translation>删除选中的片段</translation>
    </message>
    <message>
        <source>Delete every clip of the list</source>
        <translation>删除列表中的所有片段</translation>
    </message>
    <message>
        <source>Save the cut as an MP3 file</source>
        <translation>将剪切结果保存为 MP3 文件</translation>
    </message>
    <message>
        <source>Save the cut as a WAV file</source>
        <translation>将剪切结果保存为 WAV 文件</translation>
    </message>
    <message>
        <source>Join every clip into one WAV file</source>
        <translation>将所有片段合并为一个 WAV 文件</translation>
    </message>
    <message>
        <source>Join every clip into one MP3 file</source>
        <translation>将所有片段合并为一个 MP3 文件</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>时间:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>剪切</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>A conversion is already under way.</source>
        <translation>已有一个转换正在进行。</translation>
    </message>
    <message>
        <source>The working file &quot;%1&quot; cannot be replaced: %2.</source>
        <translation>无法替换工作文件“%1”：%2。</translation>
    </message>
    <message>
        <source>The working file &quot;%1&quot; cannot be created: %2.</source>
        <translation>无法创建工作文件“%1”：%2。</translation>
    </message>
    <message>
        <source>Writing the working file &quot;%1&quot; failed: %2.</source>
        <translation>写入工作文件“%1”失败：%2。</translation>
    </message>
    <message>
        <source>The source could not be read to its end (error code %1, after %2 bytes).</source>
        <translation>无法将源文件读到结尾（错误代码 %1，已读 %2 字节）。</translation>
    </message>
    <message>
        <source>The sound is too long: &quot;%1&quot; holds its first %2 bytes, the most one WAV file can hold.</source>
        <translation>声音太长：“%1”只保存了前 %2 字节，这是一个 WAV 文件所能容纳的上限。</translation>
    </message>
    <message>
        <source>Completing the working file &quot;%1&quot; failed: %2.</source>
        <translation>无法完成工作文件“%1”：%2。</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>the sound&apos;s format is not one that can be converted</source>
        <translation>该声音的格式无法转换</translation>
    </message>
    <message>
        <source>the target format is not one that can be converted to</source>
        <translation>无法转换为目标格式</translation>
    </message>
</context>
<context>
    <name>CopySaving</name>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Keep the source&apos;s MP3 frames: no re-encoding</source>
        <translation>保留源文件的 MP3 帧：不重新编码</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>未能写入“%1”。<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Encoded again at %1 kbit/s: %2.</source>
        <translation>已按 %1 kbit/s 重新编码：%2。</translation>
    </message>
    <message>
        <source>Joints encoded again: %1.</source>
        <translation>重新编码的衔接处：%1。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stays %2 dB under the loudness asked for: more would take its peak past -1 dBTP.</source>
        <translation>“%1”比要求的响度低 %2 dB：再高会使其峰值超过 -1 dBTP。</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: the crossfades overlap them.</source>
        <translation>合并后的声音长 %1，比各片段之和短 %2 毫秒：交叉淡化使它们重叠。</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: MP3 frames are whole, and each joint encoded again loses less than a frame.</source>
        <translation>合并后的声音长 %1，比各片段之和短 %2 毫秒：MP3 帧是完整的，每个重新编码的接合处损失不到一帧。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stays %2 dB under the loudness asked for: copied MP3 frames change their level in steps of 1.5 dB.</source>
        <translation>“%1”比要求的响度低 %2 dB：复制的 MP3 帧只能以 1.5 dB 为一级调整电平。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; goes %2 dB over the loudness asked for: copied MP3 frames change their level in steps of 1.5 dB.</source>
        <translation>“%1”比要求的响度高 %2 dB：复制的 MP3 帧只能以 1.5 dB 为一级调整电平。</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: the crossfades overlap them, each widened by less than a frame to whole MP3 frames.</source>
        <translation>合并后的声音时长 %1，比片段总和少 %2 毫秒：交叉淡化使它们重叠，每处为凑成完整的 MP3 帧加宽不到一帧。</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>Line %1 of the cue sheet: %2</source>
        <translation>CUE 文件第 %1 行：%2</translation>
    </message>
    <message>
        <source>This is not a cue sheet: it holds binary data.</source>
        <translation>这不是 CUE 文件：其中包含二进制数据。</translation>
    </message>
    <message>
        <source>a quotation mark is not closed.</source>
        <translation>引号未闭合。</translation>
    </message>
    <message>
        <source>FILE names no file.</source>
        <translation>FILE 未指定文件。</translation>
    </message>
    <message>
        <source>a second FILE; only sheets of one sound file can be opened.</source>
        <translation>出现第二个 FILE；只能打开对应单个声音文件的 CUE 文件。</translation>
    </message>
    <message>
        <source>TRACK before any FILE.</source>
        <translation>TRACK 出现在第一个 FILE 之前。</translation>
    </message>
    <message>
        <source>this track has no INDEX 01.</source>
        <translation>此音轨没有 INDEX 01。</translation>
    </message>
    <message>
        <source>a track number must be 1 to 99.</source>
        <translation>音轨编号必须为 1 到 99。</translation>
    </message>
    <message>
        <source>only AUDIO tracks can be opened.</source>
        <translation>只能打开 AUDIO 音轨。</translation>
    </message>
    <message>
        <source>INDEX outside a TRACK.</source>
        <translation>INDEX 位于 TRACK 之外。</translation>
    </message>
    <message>
        <source>an INDEX is written as INDEX nn mm:ss:ff.</source>
        <translation>INDEX 的写法为 INDEX nn mm:ss:ff。</translation>
    </message>
    <message>
        <source>a second INDEX 01 in one track.</source>
        <translation>同一音轨中出现第二个 INDEX 01。</translation>
    </message>
    <message>
        <source>this track starts no later than the one before it.</source>
        <translation>此音轨的开始位置不晚于前一个音轨。</translation>
    </message>
    <message>
        <source>The cue sheet names no sound file (it has no FILE line).</source>
        <translation>CUE 文件未指定声音文件（没有 FILE 行）。</translation>
    </message>
    <message>
        <source>The cue sheet has no TRACK.</source>
        <translation>CUE 文件中没有 TRACK。</translation>
    </message>
    <message>
        <source>The cue sheet cannot be read: %1</source>
        <translation>无法读取 CUE 文件：%1</translation>
    </message>
    <message>
        <source>The file is %1 MB; a cue sheet is at most %2 MB.</source>
        <translation>该文件为 %1 MB；CUE 文件最大为 %2 MB。</translation>
    </message>
    <message>
        <source>the sound file %1 is not there.</source>
        <translation>声音文件 %1 不存在。</translation>
    </message>
    <message>
        <source>track %1 starts at %2, past the end of the sound.</source>
        <translation>音轨 %1 开始于 %2，超出了声音的结尾。</translation>
    </message>
</context>
<context>
    <name>Cutting</name>
    <message>
        <source>The cut of &quot;%1&quot; into &quot;%2&quot; could not be made: %3<byte value="xd"/>
%4</source>
        <translation>无法将“%1”剪切到“%2”：%3<byte value="xd"/>
%4</translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>The command is not recognised.</source>
        <translation>无法识别该命令。</translation>
    </message>
    <message>
        <source>The command is missing a file name, an alias or a position.</source>
        <translation>该命令缺少文件名、别名或位置。</translation>
    </message>
    <message>
        <source>The command contains a word it does not accept.</source>
        <translation>该命令包含不接受的词。</translation>
    </message>
    <message>
        <source>No sound is open under that name.</source>
        <translation>没有以该名称打开的声音。</translation>
    </message>
    <message>
        <source>A sound is already open under that name.</source>
        <translation>已有以该名称打开的声音。</translation>
    </message>
    <message>
        <source>A position is not a whole, non-negative number of milliseconds.</source>
        <translation>某个位置不是非负整数毫秒数。</translation>
    </message>
    <message>
        <source>The start position lies after the end position.</source>
        <translation>起始位置在结束位置之后。</translation>
    </message>
    <message>
        <source>The file cannot be found.</source>
        <translation>找不到该文件。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>无法读取该文件。</translation>
    </message>
    <message>
        <source>The file is not a WAVE sound file.</source>
        <translation>该文件不是 WAVE 声音文件。</translation>
    </message>
    <message>
        <source>The file holds compressed or unsupported sound; only uncompressed PCM and float WAVE files can be used.</source>
        <translation>该文件包含压缩的或不支持的声音；只能使用未压缩的 PCM 和浮点 WAVE 文件。</translation>
    </message>
    <message>
        <source>The file&apos;s header is damaged or incomplete.</source>
        <translation>文件头已损坏或不完整。</translation>
    </message>
    <message>
        <source>Only waveaudio sounds can be opened.</source>
        <translation>只能打开 waveaudio 声音。</translation>
    </message>
    <message>
        <source>The file cannot be written: check that the folder exists, is writable and has room.</source>
        <translation>无法写入该文件：请检查文件夹是否存在、是否可写以及是否有足够空间。</translation>
    </message>
    <message>
        <source>The result would be larger than the 4 GiB a WAVE file can hold.</source>
        <translation>结果将超过 WAVE 文件所能容纳的 4 GiB。</translation>
    </message>
    <message>
        <source>No sound file is open.</source>
        <translation>没有打开的声音文件。</translation>
    </message>
    <message>
        <source>No sound output is available.</source>
        <translation>没有可用的声音输出。</translation>
    </message>
    <message>
        <source>The file cannot be written: %1.</source>
        <translation>无法写入文件：%1。</translation>
    </message>
</context>
<context>
    <name>DiskSpace</name>
    <message>
        <source>There is not enough room on the disk for &quot;%1&quot;: it needs %2, and %3 is free.</source>
        <translation>磁盘空间不足，无法写入“%1”：需要 %2，可用 %3。</translation>
    </message>
</context>
<context>
    <name>Dropping</name>
    <message>
        <source>Drop one sound file at a time.</source>
        <translation>请一次只拖放一个声音文件。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file on this computer.</source>
        <translation>“%1”不是这台电脑上的文件。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder. Drop a sound file.</source>
        <translation>“%1”是文件夹。请拖放声音文件。</translation>
    </message>
</context>
<context>
    <name>Encoder</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>无法写入“%1”：%2</translation>
    </message>
    <message>
        <source>The MP3 encoder could not start (out of memory)</source>
        <translation>MP3 编码器无法启动（内存不足）</translation>
    </message>
    <message>
        <source>The MP3 encoder refused %1 kbit/s at %2 Hz</source>
        <translation>MP3 编码器不接受 %2 Hz 下的 %1 kbit/s</translation>
    </message>
    <message>
        <source>The MP3 encoder failed on &quot;%1&quot; (error %2)</source>
        <translation>MP3 编码器处理“%1”时失败（错误 %2）</translation>
    </message>
    <message>
        <source>No info frame fits at %1 Hz</source>
        <translation>%1 Hz 下无法放入信息帧</translation>
    </message>
    <message>
        <source>The MP3 encoder failed at the end of &quot;%1&quot;</source>
        <translation>MP3 编码器在“%1”结尾处失败</translation>
    </message>
    <message>
        <source>The MP3 encoder gave no info frame for &quot;%1&quot;</source>
        <translation>MP3 编码器没有为“%1”生成信息帧</translation>
    </message>
    <message>
        <source>Cannot convert &quot;%1&quot;: %2</source>
        <translation>无法转换“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot convert &quot;%1&quot;</source>
        <translation>无法转换“%1”</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>无法读取“%1”：%2</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>文件提前结束</translation>
    </message>
    <message>
        <source>An encoding is already running; &quot;%1&quot; was not started</source>
        <translation>已有编码正在进行；未开始“%1”</translation>
    </message>
    <message>
        <source>No file name was given for the MP3 file</source>
        <translation>未给出 MP3 文件的文件名</translation>
    </message>
    <message>
        <source>Cannot encode &quot;%1&quot;: it has %2 channels and MP3 holds at most two</source>
        <translation>无法编码“%1”：它有 %2 个声道，而 MP3 最多只能容纳两个</translation>
    </message>
    <message>
        <source>%1 Hz is not possible in MP3; encoded at %2 Hz</source>
        <translation>MP3 不支持 %1 Hz；已按 %2 Hz 编码</translation>
    </message>
    <message>
        <source>%1 kbit/s is not possible at %2 Hz; encoded at %3 kbit/s</source>
        <translation>%2 Hz 下不支持 %1 kbit/s；已按 %3 kbit/s 编码</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a folder</source>
        <translation>无法写入“%1”：它是文件夹</translation>
    </message>
    <message>
        <source>Out of memory while encoding &quot;%1&quot;</source>
        <translation>编码“%1”时内存不足</translation>
    </message>
    <message>
        <source>The encoding of &quot;%1&quot; failed</source>
        <translation>“%1”编码失败</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>无法保存“%1”：%2</translation>
    </message>
    <message>
        <source>The encoding of &quot;%1&quot; was cancelled</source>
        <translation>“%1”的编码已取消</translation>
    </message>
</context>
<context>
    <name>Frmwait</name>
    <message>
        <source>Please wait</source>
        <translation>请稍候</translation>
    </message>
    <message>
        <source>Copying…</source>
        <translation>正在复制…</translation>
    </message>
    <message>
        <source>Joining…</source>
        <translation>正在合并…</translation>
    </message>
    <message>
        <source>Encoding…</source>
        <translation>正在编码…</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>正在加载…</translation>
    </message>
</context>
<context>
    <name>JoinClips</name>
    <message>
        <source>the folder does not exist</source>
        <translation>文件夹不存在</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取“%1”：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>无法写入“%1”：%2</translation>
    </message>
    <message>
        <source>There are no clips to join.</source>
        <translation>没有可合并的片段。</translation>
    </message>
    <message>
        <source>the joined sound would be longer than a WAVE file can hold (more than %1 bytes of sound)</source>
        <translation>合并后的声音将超过 WAVE 文件所能容纳的长度（超过 %1 字节的声音）</translation>
    </message>
    <message>
        <source>The join was cancelled.</source>
        <translation>合并已取消。</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>文件提前结束</translation>
    </message>
    <message>
        <source>its sound could not be converted</source>
        <translation>其声音无法转换</translation>
    </message>
    <message>
        <source>the joined sound came out at another length than planned</source>
        <translation>合并后的声音长度与预期不符</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds less sound than its header says: the file was cut short.</source>
        <translation>“%1”包含的声音比其文件头所说的少：文件被截短了。</translation>
    </message>
</context>
<context>
    <name>JoinOptionsText</name>
    <message>
        <source>The loudness to match is empty (off), -23, -18, -16 or -14 LUFS, not &quot;%1&quot;.</source>
        <translation>要匹配的响度为空（关闭）、-23、-18、-16 或 -14 LUFS，而不是“%1”。</translation>
    </message>
    <message>
        <source>The crossfade is 0 (none) or 5 to 5000 ms, not &quot;%1&quot;.</source>
        <translation>交叉淡化为 0（无）或 5 到 5000 毫秒，而不是“%1”。</translation>
    </message>
    <message>
        <source>A fade is 0 to 10000 ms.</source>
        <translation>淡入淡出为 0 到 10000 毫秒。</translation>
    </message>
</context>
<context>
    <name>JoinTimeline</name>
    <message>
        <source>&quot;%1&quot; cannot be read</source>
        <translation>无法读取“%1”</translation>
    </message>
</context>
<context>
    <name>Joining</name>
    <message>
        <source>The clips cannot be joined into &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>无法将片段合并为“%1”。<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Start the next MP3 file when it is done.</source>
        <translation>“%1”仍在写入中。请在完成后再开始下一个 MP3 文件。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>无法写入“%1”。<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>未能写入“%1”。<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Start the next file when it is done.</source>
        <translation>“%1”仍在写入中。请在完成后再开始下一个文件。</translation>
    </message>
    <message>
        <source>Match loudness (LUFS):</source>
        <translation>匹配响度 (LUFS)：</translation>
    </message>
    <message>
        <source>Crossfade at each joint (ms):</source>
        <translation>每个接合处的交叉淡化（毫秒）：</translation>
    </message>
    <message>
        <source>Fade-in (ms):</source>
        <translation>淡入（毫秒）：</translation>
    </message>
    <message>
        <source>Fade-out (ms):</source>
        <translation>淡出（毫秒）：</translation>
    </message>
    <message>
        <source>Empty: every clip keeps its level. -23, -18, -16 or -14: each clip is brought to that loudness, less where its peak would pass -1 dBTP.</source>
        <translation>空：每个片段保持其电平。-23、-18、-16 或 -14：每个片段调到该响度，峰值会超过 -1 dBTP 处则更低。</translation>
    </message>
    <message>
        <source>0: a plain splice. 5 to 5000: the clips overlap by that much at each joint, one fading into the other. 10 takes the clicks out of the joints.</source>
        <translation>0：直接拼接。5 到 5000：每个接合处片段重叠这么长，一个淡入另一个。10 可消除接合处的咔嗒声。</translation>
    </message>
    <message>
        <source>0 to 10000: the joined sound rises from silence over this long.</source>
        <translation>0 到 10000：合并后的声音在这段时间内从静音升起。</translation>
    </message>
    <message>
        <source>0 to 10000: the joined sound falls to silence over this long.</source>
        <translation>0 到 10000：合并后的声音在这段时间内降到静音。</translation>
    </message>
    <message>
        <source>How the clips are joined, in every join from now on.</source>
        <translation>从现在起每次合并时片段的合并方式。</translation>
    </message>
    <message>
        <source>Join options</source>
        <translation>合并选项</translation>
    </message>
    <message>
        <source>The join options hold for this run only: %1</source>
        <translation>合并选项仅在本次运行中有效：%1</translation>
    </message>
    <message>
        <source>Select a clip that has another one after it: the joint between them plays.</source>
        <translation>请选择后面还有片段的片段：将播放它们之间的接合处。</translation>
    </message>
    <message>
        <source>The joint cannot be played.<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>无法播放接合处。<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>Loading</name>
    <message>
        <source>&quot;%1&quot; is still being converted. Open the next sound when it is done.</source>
        <translation>“%1”仍在转换中。请在完成后再打开下一个声音。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being copied. Open the next sound when it is done.</source>
        <translation>“%1”仍在复制中。请在完成后再打开下一个声音。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot take the place of the working file &quot;%2&quot;: %3.</source>
        <translation>“%1”无法替换工作文件“%2”：%3。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>无法打开“%1”。<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Its %1 channels were mixed down to stereo.</source>
        <translation>其 %1 个声道已缩混为立体声。</translation>
    </message>
</context>
<context>
    <name>Mp3Copy</name>
    <message>
        <source>the cut does not come from an MP3 file</source>
        <translation>剪切内容并非来自 MP3 文件</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>无法写入“%1”：%2</translation>
    </message>
</context>
<context>
    <name>Mp3Frames</name>
    <message>
        <source>the source MP3 file cannot be read</source>
        <translation>无法读取源 MP3 文件</translation>
    </message>
    <message>
        <source>the source holds no MPEG Layer III frames</source>
        <translation>源文件中没有 MPEG Layer III 帧</translation>
    </message>
    <message>
        <source>the source is a free-format MP3</source>
        <translation>源文件是自由格式的 MP3</translation>
    </message>
    <message>
        <source>the cut does not lie within the source MP3</source>
        <translation>剪切范围不在源 MP3 之内</translation>
    </message>
    <message>
        <source>the cut is shorter than one MP3 frame</source>
        <translation>剪切内容短于一个 MP3 帧</translation>
    </message>
    <message>
        <source>the source MP3 has a damaged frame inside the cut</source>
        <translation>源 MP3 在剪切范围内有损坏的帧</translation>
    </message>
    <message>
        <source>the source MP3 file has changed since it was opened</source>
        <translation>源 MP3 文件自打开以来已被更改</translation>
    </message>
    <message>
        <source>the sources differ in MPEG version, sample rate or channels</source>
        <translation>各源文件的 MPEG 版本、采样率或声道数不同</translation>
    </message>
    <message>
        <source>the MP3 file cannot be written</source>
        <translation>无法写入 MP3 文件</translation>
    </message>
    <message>
        <source>no MPEG Layer III frame starts within the first megabyte of the source</source>
        <translation>源文件的前 1 MB 内没有 MPEG Layer III 帧开始</translation>
    </message>
    <message>
        <source>the cut lies in the first frames of the source MP3, which take bit-reservoir bytes from before the start of the file</source>
        <translation>剪切范围位于源 MP3 的开头几帧，这些帧要从文件开头之前取位储备字节</translation>
    </message>
    <message>
        <source>the cut crosses the point where two MP3 streams were put end to end in the source</source>
        <translation>剪切范围跨过了源文件中两段 MP3 流首尾相接的位置</translation>
    </message>
    <message>
        <source>the info frame of the source MP3 contradicts its frames</source>
        <translation>源 MP3 的信息帧与其帧不符</translation>
    </message>
</context>
<context>
    <name>Mp3Join</name>
    <message>
        <source>a clip does not come from an MP3 file</source>
        <translation>有片段并非来自 MP3 文件</translation>
    </message>
    <message>
        <source>a clip file does not hold the sound it was cut as</source>
        <translation>有片段文件与剪切时的声音不符</translation>
    </message>
    <message>
        <source>a clip is too short to be joined without encoding it again</source>
        <translation>有片段太短，无法不重新编码而拼接</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at a joint</source>
        <translation>MP3 编码器拒绝了衔接处的声音</translation>
    </message>
    <message>
        <source>the frames at a joint cannot carry the bit reservoir</source>
        <translation>衔接处的帧无法容纳位储备</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>无法写入“%1”：%2</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) and &quot;%3&quot; (%4) differ in MPEG version, sample rate or channels</source>
        <translation>“%1”（%2）与“%3”（%4）的 MPEG 版本、采样率或声道数不同</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at the start</source>
        <translation>MP3 编码器拒绝了开头的声音</translation>
    </message>
    <message>
        <source>the frames at the start cannot carry the bit reservoir</source>
        <translation>开头的帧无法容纳位储备</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at the end</source>
        <translation>MP3 编码器拒绝了结尾的声音</translation>
    </message>
    <message>
        <source>a fade reaches the frames encoded again at a joint or for the other fade</source>
        <translation>淡入或淡出延伸到了在接合处或为另一个淡化而重新编码的帧</translation>
    </message>
</context>
<context>
    <name>OpenWav</name>
    <message>
        <source>&quot;%1&quot; cannot be opened: %2</source>
        <translation>无法打开“%1”：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be copied to the working file &quot;%2&quot;: %3.</source>
        <translation>无法将“%1”复制到工作文件“%2”：%3。</translation>
    </message>
</context>
<context>
    <name>PauseForm</name>
    <message>
        <source>Threshold (dBFS, empty for automatic):</source>
        <translation>阈值（dBFS，留空则自动）：</translation>
    </message>
    <message>
        <source>Shortest pause (s):</source>
        <translation>最短停顿（s）：</translation>
    </message>
    <message>
        <source>Shortest track (s):</source>
        <translation>最短音轨（s）：</translation>
    </message>
    <message>
        <source>Pause kept before a split (ms, empty for its middle):</source>
        <translation>分割前保留的停顿（ms，留空则取其中点）：</translation>
    </message>
    <message>
        <source>The pause search needs four answers.</source>
        <translation>查找停顿需要填写四项。</translation>
    </message>
    <message>
        <source>The threshold must be a level from -120 to 0 dBFS, or empty.</source>
        <translation>阈值必须是 -120 到 0 dBFS 之间的电平，或留空。</translation>
    </message>
    <message>
        <source>The shortest pause must be from 0.05 to 600 seconds.</source>
        <translation>最短停顿必须在 0.05 到 600 秒之间。</translation>
    </message>
    <message>
        <source>The shortest track must be from 0 to 86400 seconds.</source>
        <translation>最短音轨必须在 0 到 86400 秒之间。</translation>
    </message>
    <message>
        <source>The pause kept must be from 0 to 600000 ms, or empty.</source>
        <translation>保留的停顿必须在 0 到 600000 ms 之间，或留空。</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>It is no sound or video format the program knows.</source>
        <translation>这不是本程序认识的音频或视频格式。</translation>
    </message>
    <message>
        <source>It holds no sound.</source>
        <translation>其中没有声音。</translation>
    </message>
    <message>
        <source>Its sound is encrypted.</source>
        <translation>其声音已加密。</translation>
    </message>
    <message>
        <source>Its sound is in a codec the program cannot decode.</source>
        <translation>其声音所用的编解码器本程序无法解码。</translation>
    </message>
    <message>
        <source>It is a list of other files or addresses, which the program does not follow.</source>
        <translation>这是其他文件或地址的列表，本程序不会跟随。</translation>
    </message>
    <message>
        <source>Its data is damaged or cut short.</source>
        <translation>其数据已损坏或不完整。</translation>
    </message>
    <message>
        <source>The file cannot be opened or read.</source>
        <translation>无法打开或读取该文件。</translation>
    </message>
    <message>
        <source>Its sample rate or channel count is out of range.</source>
        <translation>其采样率或声道数超出范围。</translation>
    </message>
    <message>
        <source>not a sound file</source>
        <translation>不是音频文件</translation>
    </message>
    <message>
        <source>Found: %1. %2</source>
        <translation>识别为：%1。%2</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>&quot;%1&quot; cannot be saved: %2<byte value="xd"/>
%3</source>
        <translation>无法保存“%1”：%2<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is one of the program&apos;s working files. Choose another file.</source>
        <translation>“%1”是本程序的工作文件之一。请选择其他文件。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of the clip &quot;%2&quot;. Choose another file: a clip is never written over.</source>
        <translation>“%1”是片段“%2”的文件。请选择其他文件：片段永远不会被覆盖。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file the open sound came from. Choose another file: the source is never written over.</source>
        <translation>“%1”是当前打开的声音所来自的文件。请选择其他文件：源文件永远不会被覆盖。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the MP3 file still being written. Choose another file.</source>
        <translation>“%1”是仍在写入的 MP3 文件。请选择其他文件。</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The language cannot be saved in &quot;%1&quot;: %2.</source>
        <translation>无法将语言保存到“%1”：%2。</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>错误 %1</translation>
    </message>
</context>
<context>
    <name>Shutdown</name>
    <message>
        <source>All %1 clip files of the list will be deleted.</source>
        <translation>列表中全部 %1 个片段文件将被删除。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written and will not be finished.</source>
        <translation>“%1”仍在写入，将不会完成。</translation>
    </message>
</context>
<context>
    <name>SourceSteps</name>
    <message>
        <source>Mark In at %1</source>
        <translation>起点设于 %1</translation>
    </message>
    <message>
        <source>Mark out at %1</source>
        <translation>终点设于 %1</translation>
    </message>
    <message>
        <source>Cut from %1 to %2</source>
        <translation>剪切 %1 至 %2</translation>
    </message>
    <message>
        <source>Marks at %1 to %2</source>
        <translation>标记 %1 至 %2</translation>
    </message>
</context>
<context>
    <name>SplitSteps</name>
    <message numerus="yes">
        <source>Split points at %n pause(s)</source>
        <translation>
            <numerusform>在 %n 处停顿设置分割点</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Split points every %n minute(s)</source>
        <translation>
            <numerusform>每 %n 分钟设置分割点</numerusform>
        </translation>
    </message>
    <message>
        <source>Split points of %1</source>
        <translation>来自 %1 的分割点</translation>
    </message>
    <message>
        <source>Split point at %1</source>
        <translation>分割点设于 %1</translation>
    </message>
    <message>
        <source>Split point at %1 removed</source>
        <translation>已删除 %1 处的分割点</translation>
    </message>
    <message>
        <source>Split point moved from %1 to %2</source>
        <translation>分割点从 %1 移到 %2</translation>
    </message>
    <message>
        <source>Split points cleared</source>
        <translation>已清除分割点</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>a file of that name is in the way</source>
        <translation>已有同名文件</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; cannot be created: %2.<byte value="xd"/>
<byte value="xd"/>
Trevisto MP3 Editor cannot run without it.</source>
        <translation>无法创建工作文件夹“%1”：%2。<byte value="xd"/>
<byte value="xd"/>
没有它，Trevisto MP3 Editor 无法运行。</translation>
    </message>
    <message>
        <source>Trevisto MP3 Editor is already running with the working files in &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
Only one copy can use them at a time.</source>
        <translation>Trevisto MP3 Editor 已在运行，其工作文件位于“%1”。<byte value="xd"/>
<byte value="xd"/>
同一时间只能有一个副本使用它们。</translation>
    </message>
</context>
<context>
    <name>System</name>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>磁盘配额已用完</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>文件夹是只读的</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>权限被拒绝</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>文件或文件夹不存在</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>路径中有一部分不是文件夹</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>它是文件夹</translation>
    </message>
    <message>
        <source>a file of that name already exists</source>
        <translation>同名文件已存在</translation>
    </message>
    <message>
        <source>the file would be too large</source>
        <translation>文件将过大</translation>
    </message>
    <message>
        <source>an input/output error</source>
        <translation>输入/输出错误</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>名称过长</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>打开的文件过多</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>the file is in use</source>
        <translation>文件正在使用中</translation>
    </message>
    <message>
        <source>the path has too many symbolic links</source>
        <translation>路径中的符号链接过多</translation>
    </message>
    <message>
        <source>the file cannot be moved to another disk</source>
        <translation>无法将文件移动到另一个磁盘</translation>
    </message>
    <message>
        <source>it is not a plain file but a device, a pipe or a socket</source>
        <translation>它不是普通文件，而是设备、管道或套接字</translation>
    </message>
</context>
<context>
    <name>TagForm</name>
    <message>
        <source>Title:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <source>The title the file carries</source>
        <translation>文件所带的标题</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>艺术家：</translation>
    </message>
    <message>
        <source>Who performs it</source>
        <translation>演奏或演唱者</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>专辑：</translation>
    </message>
    <message>
        <source>The album or the programme it belongs to</source>
        <translation>所属的专辑或节目</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>年份：</translation>
    </message>
    <message>
        <source>The year, or a date such as 2024-05-31</source>
        <translation>年份，或如 2024-05-31 的日期</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>流派：</translation>
    </message>
    <message>
        <source>The kind of sound: a word such as Speech or Jazz</source>
        <translation>声音的类型：如“语音”或“爵士”</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>注释：</translation>
    </message>
    <message>
        <source>Any note that goes with the file</source>
        <translation>随文件附带的任何说明</translation>
    </message>
    <message>
        <source>The tags &quot;%1&quot; will carry. Pictures and lyrics of the source go with them.</source>
        <translation>“%1”将带有的标签。来源的图片和歌词一并保留。</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>标签</translation>
    </message>
</context>
<context>
    <name>Tracks</name>
    <message>
        <source>Steps quieter than this count as pause. Empty: a little above the sound&apos;s own noise floor.</source>
        <translation>比此值更安静的测量步计为停顿。留空：略高于声音自身的本底噪声。</translation>
    </message>
    <message>
        <source>A quiet stretch at least this long is a pause between tracks.</source>
        <translation>至少这么长的安静段即为音轨之间的停顿。</translation>
    </message>
    <message>
        <source>Split points that would leave a track shorter than this are dropped.</source>
        <translation>会使音轨短于此值的分割点将被舍弃。</translation>
    </message>
    <message>
        <source>How much of each pause stays at the end of the track before it. Empty: the split falls in the pause&apos;s middle.</source>
        <translation>每个停顿中留在前一音轨末尾的长度。留空：在停顿的中点分割。</translation>
    </message>
    <message>
        <source>Find the pauses in the sound, or in the marked range when marks are set.</source>
        <translation>在声音中查找停顿；若已设置标记，则在标记范围内查找。</translation>
    </message>
    <message>
        <source>Find pauses</source>
        <translation>查找停顿</translation>
    </message>
    <message>
        <source>The sound &quot;%1&quot; could not be read.</source>
        <translation>无法读取声音“%1”。</translation>
    </message>
    <message>
        <source>No pause of %1 s or more below %2 dBFS was found.</source>
        <translation>未找到低于 %2 dBFS 且长达 %1 s 或以上的停顿。</translation>
    </message>
    <message>
        <source>Split every how many minutes (1 to 1440)? Each point moves to the quietest place within 30 seconds.</source>
        <translation>每隔多少分钟分割（1 到 1440）？每个分割点会移到 30 秒内最安静的位置。</translation>
    </message>
    <message>
        <source>Split every N minutes</source>
        <translation>每 N 分钟分割</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of minutes from 1 to 1440.</source>
        <translation>“%1”不是 1 到 1440 之间的分钟数。</translation>
    </message>
    <message numerus="yes">
        <source>The sound is not longer than %n minute(s): there is nothing to split.</source>
        <translation>
            <numerusform>声音不超过 %n 分钟：无需分割。</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no split points: find the pauses, or add a split point, first.</source>
        <translation>没有分割点：请先查找停顿，或添加分割点。</translation>
    </message>
    <message numerus="yes">
        <source>Add the %n track(s) as clips. Tracks without a title are named with this prefix and their number:</source>
        <translation>
            <numerusform>将 %n 个音轨添加为片段。没有标题的音轨将以此前缀加编号命名：</numerusform>
        </translation>
    </message>
    <message>
        <source>Add as clips</source>
        <translation>添加为片段</translation>
    </message>
    <message>
        <source>A prefix takes letters, digits, &quot;-&quot; and &quot;_&quot; only.</source>
        <translation>前缀只能包含字母、数字、&quot;-&quot; 和 &quot;_&quot;。</translation>
    </message>
    <message>
        <source>The tracks could not be added as clips: %1</source>
        <translation>无法将音轨添加为片段：%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; as %2</source>
        <translation>“%1”命名为 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) added. Clip names take letters, digits, &quot;-&quot; and &quot;_&quot; only, and no name twice; these titles were named otherwise:</source>
        <translation>
            <numerusform>已添加 %n 个片段。片段名称只能包含字母、数字、&quot;-&quot; 和 &quot;_&quot;，且不能重名；以下标题已改用其他名称：</numerusform>
        </translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; cannot be opened.<byte value="xd"/>
%2</source>
        <translation>无法打开 CUE 文件“%1”。<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; does not fit its sound.<byte value="xd"/>
%2</source>
        <translation>CUE 文件“%1”与其声音不符。<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; could not be written: %2</source>
        <translation>无法写入 CUE 文件“%1”：%2</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>Undo %1</source>
        <translation>撤销 %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>重做 %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
</context>
<context>
    <name>WavFile</name>
    <message>
        <source>the file does not exist</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>无法读取该文件</translation>
    </message>
    <message>
        <source>the file is not a WAVE file</source>
        <translation>该文件不是 WAVE 文件</translation>
    </message>
    <message>
        <source>the file holds compressed or unsupported sound</source>
        <translation>该文件包含压缩的或不支持的声音</translation>
    </message>
    <message>
        <source>the file&apos;s header is damaged or truncated</source>
        <translation>文件头已损坏或被截断</translation>
    </message>
    <message>
        <source>the file cannot be created there</source>
        <translation>无法在该位置创建文件</translation>
    </message>
    <message>
        <source>writing the file failed</source>
        <translation>写入文件失败</translation>
    </message>
    <message>
        <source>the sound is too long for a WAVE file (4 GiB)</source>
        <translation>声音太长，WAVE 文件无法容纳（4 GiB）</translation>
    </message>
    <message>
        <source>the sound to save could not be read</source>
        <translation>无法读取要保存的声音</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cut, collect and join sounds into one MP3 or WAV file.</source>
        <translation>剪切、收集声音，并合并为一个 MP3 或 WAV 文件。</translation>
    </message>
    <message>
        <source>Mark pieces, list them, and save the list as one file.</source>
        <translation>标记片段，加入列表，再将列表保存为一个文件。</translation>
    </message>
</context>
<context>
    <name>trevisto::ClipLoudness</name>
    <message>
        <source>measuring loudness…</source>
        <translation>正在测量响度…</translation>
    </message>
</context>
</TS>
