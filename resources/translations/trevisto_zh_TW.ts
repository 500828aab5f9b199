<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Captions</name>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Find pauses...</source>
        <translation>尋找停頓...</translation>
    </message>
    <message>
        <source>Split every N minutes...</source>
        <translation>每 N 分鐘分割...</translation>
    </message>
    <message>
        <source>Add split point</source>
        <translation>加入分割點</translation>
    </message>
    <message>
        <source>Remove split point</source>
        <translation>移除分割點</translation>
    </message>
    <message>
        <source>Clear split points</source>
        <translation>清除分割點</translation>
    </message>
    <message>
        <source>Add tracks as clips...</source>
        <translation>將音軌加入為片段...</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>音軌</translation>
    </message>
    <message>
        <source>Write a cue sheet beside each join</source>
        <translation>在每個合併檔案旁寫入 CUE 檔案</translation>
    </message>
    <message>
        <source>Ask for tags when saving</source>
        <translation>儲存時詢問標籤</translation>
    </message>
    <message>
        <source>Before a file is saved or joined, show the title, artist and other tags it will carry, to change them</source>
        <translation>儲存或合併檔案之前，顯示它將帶有的標題、演出者等標籤，以便修改</translation>
    </message>
    <message>
        <source>&amp;Join options...</source>
        <translation>合併選項(&amp;J)...</translation>
    </message>
    <message>
        <source>Loudness, crossfades and fades for every join</source>
        <translation>每次合併的響度、交叉淡化和淡入淡出</translation>
    </message>
    <message>
        <source>&amp;Hear the joint</source>
        <translation>試聽接合處(&amp;H)</translation>
    </message>
    <message>
        <source>Plays the two seconds around the selected clip&apos;s joint with the next one, as the join will make them (Ctrl+J)</source>
        <translation>按合併時的效果播放所選片段與下一片段接合處前後的兩秒 (Ctrl+J)</translation>
    </message>
</context>
<context>
    <name>ClipSteps</name>
    <message>
        <source>Add clip %1</source>
        <translation>加入片段 %1</translation>
    </message>
    <message>
        <source>Move clip %1</source>
        <translation>移動片段 %1</translation>
    </message>
    <message>
        <source>Delete clip %1</source>
        <translation>刪除片段 %1</translation>
    </message>
    <message>
        <source>Delete all clips</source>
        <translation>刪除所有片段</translation>
    </message>
    <message>
        <source>Delete the clips joined into %1</source>
        <translation>刪除已合併至 %1 的片段</translation>
    </message>
    <message numerus="yes">
        <source>Add %n clip(s)</source>
        <translation>
            <numerusform>加入 %n 個片段</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Clips</name>
    <message>
        <source>The clip &quot;%1&quot; cannot be saved as &quot;%2&quot;: %3<byte value="xd"/>
%4</source>
        <translation>無法將片段「%1」儲存為「%2」：%3<byte value="xd"/>
%4</translation>
    </message>
</context>
<context>
    <name>CloseView</name>
    <message>
        <source>%1 s shown</source>
        <translation>顯示 %1 秒</translation>
    </message>
    <message>
        <source>%1 ms shown</source>
        <translation>顯示 %1 毫秒</translation>
    </message>
    <message>
        <source>Close view of the sound</source>
        <translation>聲音的細節檢視</translation>
    </message>
    <message>
        <source>▶ In to Out</source>
        <translation>▶ In 到 Out</translation>
    </message>
    <message>
        <source>Plays from Mark In to Mark Out (Shift+Space)</source>
        <translation>從 Mark In 播放到 Mark Out（Shift+空白鍵）</translation>
    </message>
    <message>
        <source>▶ 2 s from In</source>
        <translation>▶ In 起 2 秒</translation>
    </message>
    <message>
        <source>Plays the two seconds from Mark In ([)</source>
        <translation>播放從 Mark In 開始的兩秒（[）</translation>
    </message>
    <message>
        <source>▶ 2 s to Out</source>
        <translation>▶ Out 前 2 秒</translation>
    </message>
    <message>
        <source>Plays the two seconds up to Mark Out (])</source>
        <translation>播放到 Mark Out 為止的兩秒（]）</translation>
    </message>
    <message>
        <source>Ctrl+wheel, Ctrl+Plus and Ctrl+Minus zoom; Ctrl+0 shows the whole sound, Ctrl+E Mark In to Mark Out.
The wheel or a drag scrolls; a click moves the play position.
Drag a mark&apos;s handle to move it; drag across the ruler, or Shift+drag, to mark a range.
Double-click the In or Out time to type it to the millisecond.
Shift+Space plays from Mark In to Mark Out, [ the first two seconds, ] the last two.
, and . step 10 ms, with Shift one second.</source>
        <translation>Ctrl+滾輪、Ctrl+加號和 Ctrl+減號縮放；Ctrl+0 顯示整個聲音，Ctrl+E 顯示 Mark In 到 Mark Out。
滾輪或拖曳可捲動；按一下可移動播放位置。
拖曳標記的把手可移動標記；在尺規上拖曳或按住 Shift 拖曳可標記一段範圍。
按兩下入點或出點時間可精確到毫秒輸入。
Shift+空白鍵從 Mark In 播放到 Mark Out，[ 播放開頭兩秒，] 播放最後兩秒。
, 和 . 每次移動 10 毫秒，按住 Shift 移動一秒。</translation>
    </message>
    <message>
        <source>Snap marks to zero crossings</source>
        <translation>標記對齊到過零點</translation>
    </message>
    <message>
        <source>Every mark placed or dragged goes to the nearest zero crossing within 5 ms</source>
        <translation>放置或拖曳的每個標記都會移到 5 毫秒內最近的過零點</translation>
    </message>
    <message>
        <source>The option cannot be saved in &quot;%1&quot;: %2.</source>
        <translation>無法將選項儲存到「%1」：%2。</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>入點 %1</translation>
    </message>
    <message>
        <source>Out %1</source>
        <translation>出點 %1</translation>
    </message>
    <message>
        <source>Type the time as hh:mm:ss.mmm; Enter sets it, Escape leaves it.</source>
        <translation>按 hh:mm:ss.mmm 輸入時間；Enter 確定，Esc 放棄。</translation>
    </message>
    <message>
        <source>Mark In cannot be after Mark Out.</source>
        <translation>Mark In 不能在 Mark Out 之後。</translation>
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
        <translation>Mark In，以 hh:mm:ss.mmm 輸入</translation>
    </message>
    <message>
        <source>Mark Out, typed as hh:mm:ss.mmm</source>
        <translation>Mark Out，以 hh:mm:ss.mmm 輸入</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Hours</source>
        <translation>小時</translation>
    </message>
    <message>
        <source>Hours of the time to go to</source>
        <translation>要跳至的時間的小時</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <source>Minutes of the time to go to</source>
        <translation>要跳至的時間的分鐘</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Seconds of the time to go to</source>
        <translation>要跳至的時間的秒</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>跳至</translation>
    </message>
    <message>
        <source>Play from the time chosen above</source>
        <translation>從上方選定的時間開始播放</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>The whole sound: click or drag to play from there</source>
        <translation>整個聲音：按一下或拖曳以從該處播放</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>倒退</translation>
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
        <translation>暫停</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前進</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Master volume of the sound card</source>
        <translation>音效卡的主音量</translation>
    </message>
    <message>
        <source>Mark In</source>
        <translation>標記起點</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>標記終點</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Play the cut</source>
        <translation>播放剪下結果</translation>
    </message>
    <message>
        <source>Stop the cut</source>
        <translation>停止剪下結果</translation>
    </message>
    <message>
        <source>Save the cut as MP3</source>
        <translation>將剪下結果儲存為 MP3</translation>
    </message>
    <message>
        <source>Save the cut as WAV</source>
        <translation>將剪下結果儲存為 WAV</translation>
    </message>
    <message>
        <source>End</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>End the program and delete its working files</source>
        <translation>結束程式並刪除其工作檔案</translation>
    </message>
    <message>
        <source>Add to list</source>
        <translation>加入清單</translation>
    </message>
    <message>
        <source>Clips</source>
        <translation>片段</translation>
    </message>
    <message>
        <source>Play list</source>
        <translation>播放清單</translation>
    </message>
    <message>
        <source>Play the clips one after another, from the selected one</source>
        <translation>從選取的片段開始依序播放各片段</translation>
    </message>
    <message>
        <source>Stop list</source>
        <translation>停止清單</translation>
    </message>
    <message>
        <source>Stop playing the list</source>
        <translation>停止播放清單</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move the selected clip up</source>
        <translation>上移選取的片段</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Move the selected clip down</source>
        <translation>下移選取的片段</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>刪除片段</translation>
    </message>
    <message>
        <source>Delete all clips</source>
        <translation>刪除所有片段</translation>
    </message>
    <message>
        <source>Join as WAV</source>
        <translation>合併為 WAV</translation>
    </message>
    <message>
        <source>Join as MP3</source>
        <translation>合併為 MP3</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>Choose a sound file to open</source>
        <translation>選擇要開啟的音訊檔案</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>轉換</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>編碼器狀態</translation>
    </message>
    <message>
        <source>Currently/Total</source>
        <translation>目前/總計</translation>
    </message>
    <message>
        <source>Time Frame</source>
        <translation>時間範圍</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>跳至</translation>
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
        <translation>清單</translation>
    </message>
    <message>
        <source>Back 2 seconds</source>
        <translation>倒退 2 秒</translation>
    </message>
    <message>
        <source>On 1 second</source>
        <translation>前進 1 秒</translation>
    </message>
    <message>
        <source>Delete the selected clip</source>
        <translation>刪除選取的片段</translation>
    </message>
    <message>
        <source>Delete every clip of the list</source>
        <translation>刪除清單中的所有片段</translation>
    </message>
    <message>
        <source>Save the cut as an MP3 file</source>
        <translation>將剪下結果儲存為 MP3 檔案</translation>
    </message>
    <message>
        <source>Save the cut as a WAV file</source>
        <translation>將剪下結果儲存為 WAV 檔案</translation>
    </message>
    <message>
        <source>Join every clip into one WAV file</source>
        <translation>將所有片段合併為一個 WAV 檔案</translation>
    </message>
    <message>
        <source>Join every clip into one MP3 file</source>
        <translation>將所有片段合併為一個 MP3 檔案</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>時間:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>剪下</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>A conversion is already under way.</source>
        <translation>已有一個轉換正在進行。</translation>
    </message>
    <message>
        <source>The working file &quot;%1&quot; cannot be replaced: %2.</source>
        <translation>無法取代工作檔案「%1」：%2。</translation>
    </message>
    <message>
        <source>The working file &quot;%1&quot; cannot be created: %2.</source>
        <translation>無法建立工作檔案「%1」：%2。</translation>
    </message>
    <message>
        <source>Writing the working file &quot;%1&quot; failed: %2.</source>
        <translation>寫入工作檔案「%1」失敗：%2。</translation>
    </message>
    <message>
        <source>The source could not be read to its end (error code %1, after %2 bytes).</source>
        <translation>無法將來源檔案讀到結尾（錯誤代碼 %1，已讀 %2 位元組）。</translation>
    </message>
    <message>
        <source>The sound is too long: &quot;%1&quot; holds its first %2 bytes, the most one WAV file can hold.</source>
        <translation>聲音太長：「%1」只儲存了前 %2 位元組，這是一個 WAV 檔案所能容納的上限。</translation>
    </message>
    <message>
        <source>Completing the working file &quot;%1&quot; failed: %2.</source>
        <translation>無法完成工作檔案「%1」：%2。</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>the sound&apos;s format is not one that can be converted</source>
        <translation>該聲音的格式無法轉換</translation>
    </message>
    <message>
        <source>the target format is not one that can be converted to</source>
        <translation>無法轉換為目標格式</translation>
    </message>
</context>
<context>
    <name>CopySaving</name>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Keep the source&apos;s MP3 frames: no re-encoding</source>
        <translation>保留來源的 MP3 訊框：不重新編碼</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>未能寫入「%1」。<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Encoded again at %1 kbit/s: %2.</source>
        <translation>已按 %1 kbit/s 重新編碼：%2。</translation>
    </message>
    <message>
        <source>Joints encoded again: %1.</source>
        <translation>重新編碼的銜接處：%1。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stays %2 dB under the loudness asked for: more would take its peak past -1 dBTP.</source>
        <translation>「%1」比要求的響度低 %2 dB：再高會使其峰值超過 -1 dBTP。</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: the crossfades overlap them.</source>
        <translation>合併後的聲音長 %1，比各片段之和短 %2 毫秒：交叉淡化使它們重疊。</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: MP3 frames are whole, and each joint encoded again loses less than a frame.</source>
        <translation>合併後的聲音長 %1，比各片段之和短 %2 毫秒：MP3 幀是完整的，每個重新編碼的接合處損失不到一幀。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stays %2 dB under the loudness asked for: copied MP3 frames change their level in steps of 1.5 dB.</source>
        <translation>「%1」比要求的響度低 %2 dB：複製的 MP3 訊框只能以 1.5 dB 為一級調整音量。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; goes %2 dB over the loudness asked for: copied MP3 frames change their level in steps of 1.5 dB.</source>
        <translation>「%1」比要求的響度高 %2 dB：複製的 MP3 訊框只能以 1.5 dB 為一級調整音量。</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: the crossfades overlap them, each widened by less than a frame to whole MP3 frames.</source>
        <translation>合併後的聲音長度 %1，比片段總和少 %2 毫秒：交叉淡化使它們重疊，每處為湊成完整的 MP3 影格加寬不到一格。</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>Line %1 of the cue sheet: %2</source>
        <translation>CUE 檔案第 %1 行：%2</translation>
    </message>
    <message>
        <source>This is not a cue sheet: it holds binary data.</source>
        <translation>這不是 CUE 檔案：其中包含二進位資料。</translation>
    </message>
    <message>
        <source>a quotation mark is not closed.</source>
        <translation>引號未閉合。</translation>
    </message>
    <message>
        <source>FILE names no file.</source>
        <translation>FILE 未指定檔案。</translation>
    </message>
    <message>
        <source>a second FILE; only sheets of one sound file can be opened.</source>
        <translation>出現第二個 FILE；只能開啟對應單一聲音檔案的 CUE 檔案。</translation>
    </message>
    <message>
        <source>TRACK before any FILE.</source>
        <translation>TRACK 出現在第一個 FILE 之前。</translation>
    </message>
    <message>
        <source>this track has no INDEX 01.</source>
        <translation>此音軌沒有 INDEX 01。</translation>
    </message>
    <message>
        <source>a track number must be 1 to 99.</source>
        <translation>音軌編號必須為 1 到 99。</translation>
    </message>
    <message>
        <source>only AUDIO tracks can be opened.</source>
        <translation>只能開啟 AUDIO 音軌。</translation>
    </message>
    <message>
        <source>INDEX outside a TRACK.</source>
        <translation>INDEX 位於 TRACK 之外。</translation>
    </message>
    <message>
        <source>an INDEX is written as INDEX nn mm:ss:ff.</source>
        <translation>INDEX 的寫法為 INDEX nn mm:ss:ff。</translation>
    </message>
    <message>
        <source>a second INDEX 01 in one track.</source>
        <translation>同一音軌中出現第二個 INDEX 01。</translation>
    </message>
    <message>
        <source>this track starts no later than the one before it.</source>
        <translation>此音軌的開始位置不晚於前一個音軌。</translation>
    </message>
    <message>
        <source>The cue sheet names no sound file (it has no FILE line).</source>
        <translation>CUE 檔案未指定聲音檔案（沒有 FILE 行）。</translation>
    </message>
    <message>
        <source>The cue sheet has no TRACK.</source>
        <translation>CUE 檔案中沒有 TRACK。</translation>
    </message>
    <message>
        <source>The cue sheet cannot be read: %1</source>
        <translation>無法讀取 CUE 檔案：%1</translation>
    </message>
    <message>
        <source>The file is %1 MB; a cue sheet is at most %2 MB.</source>
        <translation>該檔案為 %1 MB；CUE 檔案最大為 %2 MB。</translation>
    </message>
    <message>
        <source>the sound file %1 is not there.</source>
        <translation>聲音檔案 %1 不存在。</translation>
    </message>
    <message>
        <source>track %1 starts at %2, past the end of the sound.</source>
        <translation>音軌 %1 開始於 %2，超出了聲音的結尾。</translation>
    </message>
</context>
<context>
    <name>Cutting</name>
    <message>
        <source>The cut of &quot;%1&quot; into &quot;%2&quot; could not be made: %3<byte value="xd"/>
%4</source>
        <translation>無法將「%1」剪下到「%2」：%3<byte value="xd"/>
%4</translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>The command is not recognised.</source>
        <translation>無法識別該命令。</translation>
    </message>
    <message>
        <source>The command is missing a file name, an alias or a position.</source>
        <translation>該命令缺少檔名、別名或位置。</translation>
    </message>
    <message>
        <source>The command contains a word it does not accept.</source>
        <translation>該命令包含不接受的字詞。</translation>
    </message>
    <message>
        <source>No sound is open under that name.</source>
        <translation>沒有以該名稱開啟的聲音。</translation>
    </message>
    <message>
        <source>A sound is already open under that name.</source>
        <translation>已有以該名稱開啟的聲音。</translation>
    </message>
    <message>
        <source>A position is not a whole, non-negative number of milliseconds.</source>
        <translation>某個位置不是非負整數毫秒數。</translation>
    </message>
    <message>
        <source>The start position lies after the end position.</source>
        <translation>起始位置在結束位置之後。</translation>
    </message>
    <message>
        <source>The file cannot be found.</source>
        <translation>找不到該檔案。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>無法讀取該檔案。</translation>
    </message>
    <message>
        <source>The file is not a WAVE sound file.</source>
        <translation>該檔案不是 WAVE 聲音檔案。</translation>
    </message>
    <message>
        <source>The file holds compressed or unsupported sound; only uncompressed PCM and float WAVE files can be used.</source>
        <translation>該檔案包含壓縮的或不支援的聲音；只能使用未壓縮的 PCM 和浮點 WAVE 檔案。</translation>
    </message>
    <message>
        <source>The file&apos;s header is damaged or incomplete.</source>
        <translation>檔案標頭已損毀或不完整。</translation>
    </message>
    <message>
        <source>Only waveaudio sounds can be opened.</source>
        <translation>只能開啟 waveaudio 聲音。</translation>
    </message>
    <message>
        <source>The file cannot be written: check that the folder exists, is writable and has room.</source>
        <translation>無法寫入該檔案：請檢查資料夾是否存在、是否可寫入以及是否有足夠空間。</translation>
    </message>
    <message>
        <source>The result would be larger than the 4 GiB a WAVE file can hold.</source>
        <translation>結果將超過 WAVE 檔案所能容納的 4 GiB。</translation>
    </message>
    <message>
        <source>No sound file is open.</source>
        <translation>沒有開啟的聲音檔案。</translation>
    </message>
    <message>
        <source>No sound output is available.</source>
        <translation>沒有可用的聲音輸出。</translation>
    </message>
    <message>
        <source>The file cannot be written: %1.</source>
        <translation>無法寫入檔案：%1。</translation>
    </message>
</context>
<context>
    <name>DiskSpace</name>
    <message>
        <source>There is not enough room on the disk for &quot;%1&quot;: it needs %2, and %3 is free.</source>
        <translation>磁碟空間不足，無法寫入「%1」：需要 %2，可用 %3。</translation>
    </message>
</context>
<context>
    <name>Dropping</name>
    <message>
        <source>Drop one sound file at a time.</source>
        <translation>請一次只拖放一個聲音檔案。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file on this computer.</source>
        <translation>「%1」不是這台電腦上的檔案。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder. Drop a sound file.</source>
        <translation>「%1」是資料夾。請拖放聲音檔案。</translation>
    </message>
</context>
<context>
    <name>Encoder</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>無法寫入「%1」：%2</translation>
    </message>
    <message>
        <source>The MP3 encoder could not start (out of memory)</source>
        <translation>MP3 編碼器無法啟動（記憶體不足）</translation>
    </message>
    <message>
        <source>The MP3 encoder refused %1 kbit/s at %2 Hz</source>
        <translation>MP3 編碼器不接受 %2 Hz 下的 %1 kbit/s</translation>
    </message>
    <message>
        <source>The MP3 encoder failed on &quot;%1&quot; (error %2)</source>
        <translation>MP3 編碼器處理「%1」時失敗（錯誤 %2）</translation>
    </message>
    <message>
        <source>No info frame fits at %1 Hz</source>
        <translation>%1 Hz 下無法放入資訊框</translation>
    </message>
    <message>
        <source>The MP3 encoder failed at the end of &quot;%1&quot;</source>
        <translation>MP3 編碼器在「%1」結尾處失敗</translation>
    </message>
    <message>
        <source>The MP3 encoder gave no info frame for &quot;%1&quot;</source>
        <translation>MP3 編碼器沒有為「%1」產生資訊框</translation>
    </message>
    <message>
        <source>Cannot convert &quot;%1&quot;: %2</source>
        <translation>無法轉換「%1」：%2</translation>
    </message>
    <message>
        <source>Cannot convert &quot;%1&quot;</source>
        <translation>無法轉換「%1」</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>無法讀取「%1」：%2</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>檔案提前結束</translation>
    </message>
    <message>
        <source>An encoding is already running; &quot;%1&quot; was not started</source>
        <translation>已有編碼正在進行；未開始「%1」</translation>
    </message>
    <message>
        <source>No file name was given for the MP3 file</source>
        <translation>未提供 MP3 檔案的檔名</translation>
    </message>
    <message>
        <source>Cannot encode &quot;%1&quot;: it has %2 channels and MP3 holds at most two</source>
        <translation>無法編碼「%1」：它有 %2 個聲道，而 MP3 最多只能容納兩個</translation>
    </message>
    <message>
        <source>%1 Hz is not possible in MP3; encoded at %2 Hz</source>
        <translation>MP3 不支援 %1 Hz；已按 %2 Hz 編碼</translation>
    </message>
    <message>
        <source>%1 kbit/s is not possible at %2 Hz; encoded at %3 kbit/s</source>
        <translation>%2 Hz 下不支援 %1 kbit/s；已按 %3 kbit/s 編碼</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a folder</source>
        <translation>無法寫入「%1」：它是資料夾</translation>
    </message>
    <message>
        <source>Out of memory while encoding &quot;%1&quot;</source>
        <translation>編碼「%1」時記憶體不足</translation>
    </message>
    <message>
        <source>The encoding of &quot;%1&quot; failed</source>
        <translation>「%1」編碼失敗</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>無法儲存「%1」：%2</translation>
    </message>
    <message>
        <source>The encoding of &quot;%1&quot; was cancelled</source>
        <translation>「%1」的編碼已取消</translation>
    </message>
</context>
<context>
    <name>Frmwait</name>
    <message>
        <source>Please wait</source>
        <translation>請稍候</translation>
    </message>
    <message>
        <source>Copying…</source>
        <translation>正在複製…</translation>
    </message>
    <message>
        <source>Joining…</source>
        <translation>正在合併…</translation>
    </message>
    <message>
        <source>Encoding…</source>
        <translation>正在編碼…</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>正在載入…</translation>
    </message>
</context>
<context>
    <name>JoinClips</name>
    <message>
        <source>the folder does not exist</source>
        <translation>資料夾不存在</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>檔案不存在</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>它不是一般檔案</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>無法讀取「%1」：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>無法寫入「%1」：%2</translation>
    </message>
    <message>
        <source>There are no clips to join.</source>
        <translation>沒有可合併的片段。</translation>
    </message>
    <message>
        <source>the joined sound would be longer than a WAVE file can hold (more than %1 bytes of sound)</source>
        <translation>合併後的聲音將超過 WAVE 檔案所能容納的長度（超過 %1 位元組的聲音）</translation>
    </message>
    <message>
        <source>The join was cancelled.</source>
        <translation>合併已取消。</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>檔案提前結束</translation>
    </message>
    <message>
        <source>its sound could not be converted</source>
        <translation>其聲音無法轉換</translation>
    </message>
    <message>
        <source>the joined sound came out at another length than planned</source>
        <translation>合併後的聲音長度與預期不符</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds less sound than its header says: the file was cut short.</source>
        <translation>「%1」包含的聲音比其檔頭所說的少：檔案被截短了。</translation>
    </message>
</context>
<context>
    <name>JoinOptionsText</name>
    <message>
        <source>The loudness to match is empty (off), -23, -18, -16 or -14 LUFS, not &quot;%1&quot;.</source>
        <translation>要匹配的響度為空（關閉）、-23、-18、-16 或 -14 LUFS，而不是「%1」。</translation>
    </message>
    <message>
        <source>The crossfade is 0 (none) or 5 to 5000 ms, not &quot;%1&quot;.</source>
        <translation>交叉淡化為 0（無）或 5 到 5000 毫秒，而不是「%1」。</translation>
    </message>
    <message>
        <source>A fade is 0 to 10000 ms.</source>
        <translation>淡入淡出為 0 到 10000 毫秒。</translation>
    </message>
</context>
<context>
    <name>JoinTimeline</name>
    <message>
        <source>&quot;%1&quot; cannot be read</source>
        <translation>無法讀取「%1」</translation>
    </message>
</context>
<context>
    <name>Joining</name>
    <message>
        <source>The clips cannot be joined into &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>無法將片段合併為「%1」。<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Start the next MP3 file when it is done.</source>
        <translation>「%1」仍在寫入中。請在完成後再開始下一個 MP3 檔案。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>無法寫入「%1」。<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>未能寫入「%1」。<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Start the next file when it is done.</source>
        <translation>「%1」仍在寫入中。請在完成後再開始下一個檔案。</translation>
    </message>
    <message>
        <source>Match loudness (LUFS):</source>
        <translation>匹配響度 (LUFS)：</translation>
    </message>
    <message>
        <source>Crossfade at each joint (ms):</source>
        <translation>每個接合處的交叉淡化（毫秒）：</translation>
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
        <translation>空：每個片段保持其電平。-23、-18、-16 或 -14：每個片段調到該響度，峰值會超過 -1 dBTP 處則更低。</translation>
    </message>
    <message>
        <source>0: a plain splice. 5 to 5000: the clips overlap by that much at each joint, one fading into the other. 10 takes the clicks out of the joints.</source>
        <translation>0：直接拼接。5 到 5000：每個接合處片段重疊這麼長，一個淡入另一個。10 可消除接合處的喀嗒聲。</translation>
    </message>
    <message>
        <source>0 to 10000: the joined sound rises from silence over this long.</source>
        <translation>0 到 10000：合併後的聲音在這段時間內從靜音升起。</translation>
    </message>
    <message>
        <source>0 to 10000: the joined sound falls to silence over this long.</source>
        <translation>0 到 10000：合併後的聲音在這段時間內降到靜音。</translation>
    </message>
    <message>
        <source>How the clips are joined, in every join from now on.</source>
        <translation>從現在起每次合併時片段的合併方式。</translation>
    </message>
    <message>
        <source>Join options</source>
        <translation>合併選項</translation>
    </message>
    <message>
        <source>The join options hold for this run only: %1</source>
        <translation>合併選項僅在本次執行中有效：%1</translation>
    </message>
    <message>
        <source>Select a clip that has another one after it: the joint between them plays.</source>
        <translation>請選擇後面還有片段的片段：將播放它們之間的接合處。</translation>
    </message>
    <message>
        <source>The joint cannot be played.<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>無法播放接合處。<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>Loading</name>
    <message>
        <source>&quot;%1&quot; is still being converted. Open the next sound when it is done.</source>
        <translation>「%1」仍在轉換中。請在完成後再開啟下一個聲音。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being copied. Open the next sound when it is done.</source>
        <translation>「%1」仍在複製中。請在完成後再開啟下一個聲音。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot take the place of the working file &quot;%2&quot;: %3.</source>
        <translation>「%1」無法取代工作檔案「%2」：%3。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>無法開啟「%1」。<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Its %1 channels were mixed down to stereo.</source>
        <translation>其 %1 個聲道已縮混為立體聲。</translation>
    </message>
</context>
<context>
    <name>Mp3Copy</name>
    <message>
        <source>the cut does not come from an MP3 file</source>
        <translation>剪下的內容並非來自 MP3 檔案</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>無法寫入「%1」：%2</translation>
    </message>
</context>
<context>
    <name>Mp3Frames</name>
    <message>
        <source>the source MP3 file cannot be read</source>
        <translation>無法讀取來源 MP3 檔案</translation>
    </message>
    <message>
        <source>the source holds no MPEG Layer III frames</source>
        <translation>來源中沒有 MPEG Layer III 訊框</translation>
    </message>
    <message>
        <source>the source is a free-format MP3</source>
        <translation>來源是自由格式的 MP3</translation>
    </message>
    <message>
        <source>the cut does not lie within the source MP3</source>
        <translation>剪下範圍不在來源 MP3 之內</translation>
    </message>
    <message>
        <source>the cut is shorter than one MP3 frame</source>
        <translation>剪下的內容短於一個 MP3 訊框</translation>
    </message>
    <message>
        <source>the source MP3 has a damaged frame inside the cut</source>
        <translation>來源 MP3 在剪下範圍內有損壞的訊框</translation>
    </message>
    <message>
        <source>the source MP3 file has changed since it was opened</source>
        <translation>來源 MP3 檔案自開啟後已被變更</translation>
    </message>
    <message>
        <source>the sources differ in MPEG version, sample rate or channels</source>
        <translation>各來源的 MPEG 版本、取樣率或聲道數不同</translation>
    </message>
    <message>
        <source>the MP3 file cannot be written</source>
        <translation>無法寫入 MP3 檔案</translation>
    </message>
    <message>
        <source>no MPEG Layer III frame starts within the first megabyte of the source</source>
        <translation>來源的前 1 MB 內沒有 MPEG Layer III 訊框開始</translation>
    </message>
    <message>
        <source>the cut lies in the first frames of the source MP3, which take bit-reservoir bytes from before the start of the file</source>
        <translation>剪下範圍位於來源 MP3 的開頭幾個訊框，這些訊框要從檔案開頭之前取位元儲備位元組</translation>
    </message>
    <message>
        <source>the cut crosses the point where two MP3 streams were put end to end in the source</source>
        <translation>剪下範圍跨過了來源中兩段 MP3 串流首尾相接的位置</translation>
    </message>
    <message>
        <source>the info frame of the source MP3 contradicts its frames</source>
        <translation>來源 MP3 的資訊訊框與其訊框不符</translation>
    </message>
</context>
<context>
    <name>Mp3Join</name>
    <message>
        <source>a clip does not come from an MP3 file</source>
        <translation>有片段並非來自 MP3 檔案</translation>
    </message>
    <message>
        <source>a clip file does not hold the sound it was cut as</source>
        <translation>有片段檔案與剪下時的聲音不符</translation>
    </message>
    <message>
        <source>a clip is too short to be joined without encoding it again</source>
        <translation>有片段太短，無法不重新編碼而拼接</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at a joint</source>
        <translation>MP3 編碼器拒絕了銜接處的聲音</translation>
    </message>
    <message>
        <source>the frames at a joint cannot carry the bit reservoir</source>
        <translation>銜接處的訊框無法容納位元儲備</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>無法寫入「%1」：%2</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>單聲道</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>立體聲</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) and &quot;%3&quot; (%4) differ in MPEG version, sample rate or channels</source>
        <translation>「%1」（%2）與「%3」（%4）的 MPEG 版本、取樣率或聲道數不同</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at the start</source>
        <translation>MP3 編碼器拒絕了開頭的聲音</translation>
    </message>
    <message>
        <source>the frames at the start cannot carry the bit reservoir</source>
        <translation>開頭的訊框無法容納位元儲備</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at the end</source>
        <translation>MP3 編碼器拒絕了結尾的聲音</translation>
    </message>
    <message>
        <source>a fade reaches the frames encoded again at a joint or for the other fade</source>
        <translation>淡入或淡出延伸到了在接合處或為另一個淡化而重新編碼的影格</translation>
    </message>
</context>
<context>
    <name>OpenWav</name>
    <message>
        <source>&quot;%1&quot; cannot be opened: %2</source>
        <translation>無法開啟「%1」：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be copied to the working file &quot;%2&quot;: %3.</source>
        <translation>無法將「%1」複製到工作檔案「%2」：%3。</translation>
    </message>
</context>
<context>
    <name>PauseForm</name>
    <message>
        <source>Threshold (dBFS, empty for automatic):</source>
        <translation>臨界值（dBFS，留空則自動）：</translation>
    </message>
    <message>
        <source>Shortest pause (s):</source>
        <translation>最短停頓（s）：</translation>
    </message>
    <message>
        <source>Shortest track (s):</source>
        <translation>最短音軌（s）：</translation>
    </message>
    <message>
        <source>Pause kept before a split (ms, empty for its middle):</source>
        <translation>分割前保留的停頓（ms，留空則取其中點）：</translation>
    </message>
    <message>
        <source>The pause search needs four answers.</source>
        <translation>尋找停頓需要填寫四項。</translation>
    </message>
    <message>
        <source>The threshold must be a level from -120 to 0 dBFS, or empty.</source>
        <translation>臨界值必須是 -120 到 0 dBFS 之間的音量，或留空。</translation>
    </message>
    <message>
        <source>The shortest pause must be from 0.05 to 600 seconds.</source>
        <translation>最短停頓必須在 0.05 到 600 秒之間。</translation>
    </message>
    <message>
        <source>The shortest track must be from 0 to 86400 seconds.</source>
        <translation>最短音軌必須在 0 到 86400 秒之間。</translation>
    </message>
    <message>
        <source>The pause kept must be from 0 to 600000 ms, or empty.</source>
        <translation>保留的停頓必須在 0 到 600000 ms 之間，或留空。</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>It is no sound or video format the program knows.</source>
        <translation>這不是本程式認得的音訊或視訊格式。</translation>
    </message>
    <message>
        <source>It holds no sound.</source>
        <translation>其中沒有聲音。</translation>
    </message>
    <message>
        <source>Its sound is encrypted.</source>
        <translation>其聲音已加密。</translation>
    </message>
    <message>
        <source>Its sound is in a codec the program cannot decode.</source>
        <translation>其聲音所用的編解碼器本程式無法解碼。</translation>
    </message>
    <message>
        <source>It is a list of other files or addresses, which the program does not follow.</source>
        <translation>這是其他檔案或位址的清單，本程式不會跟隨。</translation>
    </message>
    <message>
        <source>Its data is damaged or cut short.</source>
        <translation>其資料已損壞或不完整。</translation>
    </message>
    <message>
        <source>The file cannot be opened or read.</source>
        <translation>無法開啟或讀取該檔案。</translation>
    </message>
    <message>
        <source>Its sample rate or channel count is out of range.</source>
        <translation>其取樣率或聲道數超出範圍。</translation>
    </message>
    <message>
        <source>not a sound file</source>
        <translation>不是音訊檔案</translation>
    </message>
    <message>
        <source>Found: %1. %2</source>
        <translation>識別為：%1。%2</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>&quot;%1&quot; cannot be saved: %2<byte value="xd"/>
%3</source>
        <translation>無法儲存「%1」：%2<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is one of the program&apos;s working files. Choose another file.</source>
        <translation>「%1」是本程式的工作檔案之一。請選擇其他檔案。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of the clip &quot;%2&quot;. Choose another file: a clip is never written over.</source>
        <translation>「%1」是片段「%2」的檔案。請選擇其他檔案：片段永遠不會被覆寫。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file the open sound came from. Choose another file: the source is never written over.</source>
        <translation>「%1」是目前開啟的聲音所來自的檔案。請選擇其他檔案：來源檔案永遠不會被覆寫。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the MP3 file still being written. Choose another file.</source>
        <translation>「%1」是仍在寫入的 MP3 檔案。請選擇其他檔案。</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The language cannot be saved in &quot;%1&quot;: %2.</source>
        <translation>無法將語言儲存到「%1」：%2。</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>錯誤 %1</translation>
    </message>
</context>
<context>
    <name>Shutdown</name>
    <message>
        <source>All %1 clip files of the list will be deleted.</source>
        <translation>清單中全部 %1 個片段檔案將被刪除。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written and will not be finished.</source>
        <translation>「%1」仍在寫入，將不會完成。</translation>
    </message>
</context>
<context>
    <name>SourceSteps</name>
    <message>
        <source>Mark In at %1</source>
        <translation>起點設於 %1</translation>
    </message>
    <message>
        <source>Mark out at %1</source>
        <translation>終點設於 %1</translation>
    </message>
    <message>
        <source>Cut from %1 to %2</source>
        <translation>剪下 %1 至 %2</translation>
    </message>
    <message>
        <source>Marks at %1 to %2</source>
        <translation>標記 %1 至 %2</translation>
    </message>
</context>
<context>
    <name>SplitSteps</name>
    <message numerus="yes">
        <source>Split points at %n pause(s)</source>
        <translation>
            <numerusform>在 %n 處停頓設定分割點</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Split points every %n minute(s)</source>
        <translation>
            <numerusform>每 %n 分鐘設定分割點</numerusform>
        </translation>
    </message>
    <message>
        <source>Split points of %1</source>
        <translation>來自 %1 的分割點</translation>
    </message>
    <message>
        <source>Split point at %1</source>
        <translation>分割點設於 %1</translation>
    </message>
    <message>
        <source>Split point at %1 removed</source>
        <translation>已移除 %1 處的分割點</translation>
    </message>
    <message>
        <source>Split point moved from %1 to %2</source>
        <translation>分割點從 %1 移到 %2</translation>
    </message>
    <message>
        <source>Split points cleared</source>
        <translation>已清除分割點</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>a file of that name is in the way</source>
        <translation>已有同名檔案</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; cannot be created: %2.<byte value="xd"/>
<byte value="xd"/>
Trevisto MP3 Editor cannot run without it.</source>
        <translation>無法建立工作資料夾「%1」：%2。<byte value="xd"/>
<byte value="xd"/>
沒有它，Trevisto MP3 Editor 無法執行。</translation>
    </message>
    <message>
        <source>Trevisto MP3 Editor is already running with the working files in &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
Only one copy can use them at a time.</source>
        <translation>Trevisto MP3 Editor 已在執行，其工作檔案位於「%1」。<byte value="xd"/>
<byte value="xd"/>
同一時間只能有一個副本使用它們。</translation>
    </message>
</context>
<context>
    <name>System</name>
    <message>
        <source>the disk is full</source>
        <translation>磁碟已滿</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>磁碟配額已用完</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>資料夾是唯讀的</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>權限遭拒</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>檔案或資料夾不存在</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>路徑中有一部分不是資料夾</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>它是資料夾</translation>
    </message>
    <message>
        <source>a file of that name already exists</source>
        <translation>同名檔案已存在</translation>
    </message>
    <message>
        <source>the file would be too large</source>
        <translation>檔案將過大</translation>
    </message>
    <message>
        <source>an input/output error</source>
        <translation>輸入/輸出錯誤</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>名稱過長</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>開啟的檔案過多</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>記憶體不足</translation>
    </message>
    <message>
        <source>the file is in use</source>
        <translation>檔案正在使用中</translation>
    </message>
    <message>
        <source>the path has too many symbolic links</source>
        <translation>路徑中的符號連結過多</translation>
    </message>
    <message>
        <source>the file cannot be moved to another disk</source>
        <translation>無法將檔案移動到另一個磁碟</translation>
    </message>
    <message>
        <source>it is not a plain file but a device, a pipe or a socket</source>
        <translation>它不是一般檔案，而是裝置、管線或通訊端</translation>
    </message>
</context>
<context>
    <name>TagForm</name>
    <message>
        <source>Title:</source>
        <translation>標題：</translation>
    </message>
    <message>
        <source>The title the file carries</source>
        <translation>檔案所帶的標題</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>演出者：</translation>
    </message>
    <message>
        <source>Who performs it</source>
        <translation>演奏或演唱者</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>專輯：</translation>
    </message>
    <message>
        <source>The album or the programme it belongs to</source>
        <translation>所屬的專輯或節目</translation>
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
        <translation>類型：</translation>
    </message>
    <message>
        <source>The kind of sound: a word such as Speech or Jazz</source>
        <translation>聲音的類型：如「語音」或「爵士」</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>註解：</translation>
    </message>
    <message>
        <source>Any note that goes with the file</source>
        <translation>隨檔案附帶的任何說明</translation>
    </message>
    <message>
        <source>The tags &quot;%1&quot; will carry. Pictures and lyrics of the source go with them.</source>
        <translation>「%1」將帶有的標籤。來源的圖片和歌詞一併保留。</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>標籤</translation>
    </message>
</context>
<context>
    <name>Tracks</name>
    <message>
        <source>Steps quieter than this count as pause. Empty: a little above the sound&apos;s own noise floor.</source>
        <translation>比此值更安靜的測量步計為停頓。留空：略高於聲音本身的底噪。</translation>
    </message>
    <message>
        <source>A quiet stretch at least this long is a pause between tracks.</source>
        <translation>至少這麼長的安靜段即為音軌之間的停頓。</translation>
    </message>
    <message>
        <source>Split points that would leave a track shorter than this are dropped.</source>
        <translation>會使音軌短於此值的分割點將被捨棄。</translation>
    </message>
    <message>
        <source>How much of each pause stays at the end of the track before it. Empty: the split falls in the pause&apos;s middle.</source>
        <translation>每個停頓中留在前一音軌結尾的長度。留空：在停頓的中點分割。</translation>
    </message>
    <message>
        <source>Find the pauses in the sound, or in the marked range when marks are set.</source>
        <translation>在聲音中尋找停頓；若已設定標記，則在標記範圍內尋找。</translation>
    </message>
    <message>
        <source>Find pauses</source>
        <translation>尋找停頓</translation>
    </message>
    <message>
        <source>The sound &quot;%1&quot; could not be read.</source>
        <translation>無法讀取聲音「%1」。</translation>
    </message>
    <message>
        <source>No pause of %1 s or more below %2 dBFS was found.</source>
        <translation>找不到低於 %2 dBFS 且長達 %1 s 或以上的停頓。</translation>
    </message>
    <message>
        <source>Split every how many minutes (1 to 1440)? Each point moves to the quietest place within 30 seconds.</source>
        <translation>每隔幾分鐘分割（1 到 1440）？每個分割點會移到 30 秒內最安靜的位置。</translation>
    </message>
    <message>
        <source>Split every N minutes</source>
        <translation>每 N 分鐘分割</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of minutes from 1 to 1440.</source>
        <translation>「%1」不是 1 到 1440 之間的分鐘數。</translation>
    </message>
    <message numerus="yes">
        <source>The sound is not longer than %n minute(s): there is nothing to split.</source>
        <translation>
            <numerusform>聲音不超過 %n 分鐘：無需分割。</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no split points: find the pauses, or add a split point, first.</source>
        <translation>沒有分割點：請先尋找停頓，或加入分割點。</translation>
    </message>
    <message numerus="yes">
        <source>Add the %n track(s) as clips. Tracks without a title are named with this prefix and their number:</source>
        <translation>
            <numerusform>將 %n 個音軌加入為片段。沒有標題的音軌將以此前綴加編號命名：</numerusform>
        </translation>
    </message>
    <message>
        <source>Add as clips</source>
        <translation>加入為片段</translation>
    </message>
    <message>
        <source>A prefix takes letters, digits, &quot;-&quot; and &quot;_&quot; only.</source>
        <translation>前綴只能包含字母、數字、&quot;-&quot; 和 &quot;_&quot;。</translation>
    </message>
    <message>
        <source>The tracks could not be added as clips: %1</source>
        <translation>無法將音軌加入為片段：%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; as %2</source>
        <translation>「%1」命名為 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) added. Clip names take letters, digits, &quot;-&quot; and &quot;_&quot; only, and no name twice; these titles were named otherwise:</source>
        <translation>
            <numerusform>已加入 %n 個片段。片段名稱只能包含字母、數字、&quot;-&quot; 和 &quot;_&quot;，且不能重複；以下標題已改用其他名稱：</numerusform>
        </translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; cannot be opened.<byte value="xd"/>
%2</source>
        <translation>無法開啟 CUE 檔案「%1」。<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; does not fit its sound.<byte value="xd"/>
%2</source>
        <translation>CUE 檔案「%1」與其聲音不符。<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; could not be written: %2</source>
        <translation>無法寫入 CUE 檔案「%1」：%2</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>Undo %1</source>
        <translation>復原 %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
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
        <translation>檔案不存在</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>無法讀取該檔案</translation>
    </message>
    <message>
        <source>the file is not a WAVE file</source>
        <translation>該檔案不是 WAVE 檔案</translation>
    </message>
    <message>
        <source>the file holds compressed or unsupported sound</source>
        <translation>該檔案包含壓縮的或不支援的聲音</translation>
    </message>
    <message>
        <source>the file&apos;s header is damaged or truncated</source>
        <translation>檔案標頭已損毀或被截斷</translation>
    </message>
    <message>
        <source>the file cannot be created there</source>
        <translation>無法在該位置建立檔案</translation>
    </message>
    <message>
        <source>writing the file failed</source>
        <translation>寫入檔案失敗</translation>
    </message>
    <message>
        <source>the sound is too long for a WAVE file (4 GiB)</source>
        <translation>聲音太長，WAVE 檔案無法容納（4 GiB）</translation>
    </message>
    <message>
        <source>the sound to save could not be read</source>
        <translation>無法讀取要儲存的聲音</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cut, collect and join sounds into one MP3 or WAV file.</source>
        <translation>剪下、收集聲音，並合併為一個 MP3 或 WAV 檔案。</translation>
    </message>
    <message>
        <source>Mark pieces, list them, and save the list as one file.</source>
        <translation>標記片段，加入清單，再將清單儲存為一個檔案。</translation>
    </message>
</context>
<context>
    <name>trevisto::ClipLoudness</name>
    <message>
        <source>measuring loudness…</source>
        <translation>正在測量響度…</translation>
    </message>
</context>
</TS>
