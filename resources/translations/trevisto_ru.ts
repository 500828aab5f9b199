<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Captions</name>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Find pauses...</source>
        <translation>Найти паузы...</translation>
    </message>
    <message>
        <source>Split every N minutes...</source>
        <translation>Делить каждые N минут...</translation>
    </message>
    <message>
        <source>Add split point</source>
        <translation>Добавить точку разделения</translation>
    </message>
    <message>
        <source>Remove split point</source>
        <translation>Удалить точку разделения</translation>
    </message>
    <message>
        <source>Clear split points</source>
        <translation>Удалить все точки разделения</translation>
    </message>
    <message>
        <source>Add tracks as clips...</source>
        <translation>Добавить треки как фрагменты...</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Треки</translation>
    </message>
    <message>
        <source>Write a cue sheet beside each join</source>
        <translation>Записывать CUE-файл рядом с каждым объединением</translation>
    </message>
    <message>
        <source>Ask for tags when saving</source>
        <translation>Спрашивать теги при сохранении</translation>
    </message>
    <message>
        <source>Before a file is saved or joined, show the title, artist and other tags it will carry, to change them</source>
        <translation>Перед сохранением или объединением показать название, исполнителя и другие теги файла, чтобы изменить их</translation>
    </message>
    <message>
        <source>&amp;Join options...</source>
        <translation>&amp;Параметры объединения...</translation>
    </message>
    <message>
        <source>Loudness, crossfades and fades for every join</source>
        <translation>Громкость, кроссфейды и затухания для каждого объединения</translation>
    </message>
    <message>
        <source>&amp;Hear the joint</source>
        <translation>&amp;Прослушать стык</translation>
    </message>
    <message>
        <source>Plays the two seconds around the selected clip&apos;s joint with the next one, as the join will make them (Ctrl+J)</source>
        <translation>Воспроизводит две секунды вокруг стыка выбранного клипа со следующим так, как их сделает объединение (Ctrl+J)</translation>
    </message>
</context>
<context>
    <name>ClipSteps</name>
    <message>
        <source>Add clip %1</source>
        <translation>Добавить фрагмент %1</translation>
    </message>
    <message>
        <source>Move clip %1</source>
        <translation>Переместить фрагмент %1</translation>
    </message>
    <message>
        <source>Delete clip %1</source>
        <translation>Удалить фрагмент %1</translation>
    </message>
    <message>
        <source>Delete all clips</source>
        <translation>Удалить все фрагменты</translation>
    </message>
    <message>
        <source>Delete the clips joined into %1</source>
        <translation>Удалить фрагменты, объединённые в %1</translation>
    </message>
    <message numerus="yes">
        <source>Add %n clip(s)</source>
        <translation>
            <numerusform>Добавить %n фрагмент</numerusform>
            <numerusform>Добавить %n фрагмента</numerusform>
            <numerusform>Добавить %n фрагментов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Clips</name>
    <message>
        <source>The clip &quot;%1&quot; cannot be saved as &quot;%2&quot;: %3<byte value="xd"/>
%4</source>
        <translation>Фрагмент «%1» не удаётся сохранить как «%2»: %3<byte value="xd"/>
%4</translation>
    </message>
</context>
<context>
    <name>CloseView</name>
    <message>
        <source>%1 s shown</source>
        <translation>показано %1 с</translation>
    </message>
    <message>
        <source>%1 ms shown</source>
        <translation>показано %1 мс</translation>
    </message>
    <message>
        <source>Close view of the sound</source>
        <translation>Крупный план звука</translation>
    </message>
    <message>
        <source>▶ In to Out</source>
        <translation>▶ От In до Out</translation>
    </message>
    <message>
        <source>Plays from Mark In to Mark Out (Shift+Space)</source>
        <translation>Воспроизводит от Mark In до Mark Out (Shift+Пробел)</translation>
    </message>
    <message>
        <source>▶ 2 s from In</source>
        <translation>▶ 2 с от In</translation>
    </message>
    <message>
        <source>Plays the two seconds from Mark In ([)</source>
        <translation>Воспроизводит две секунды от Mark In ([)</translation>
    </message>
    <message>
        <source>▶ 2 s to Out</source>
        <translation>▶ 2 с до Out</translation>
    </message>
    <message>
        <source>Plays the two seconds up to Mark Out (])</source>
        <translation>Воспроизводит две секунды до Mark Out (])</translation>
    </message>
    <message>
        <source>Ctrl+wheel, Ctrl+Plus and Ctrl+Minus zoom; Ctrl+0 shows the whole sound, Ctrl+E Mark In to Mark Out.
The wheel or a drag scrolls; a click moves the play position.
Drag a mark&apos;s handle to move it; drag across the ruler, or Shift+drag, to mark a range.
Double-click the In or Out time to type it to the millisecond.
Shift+Space plays from Mark In to Mark Out, [ the first two seconds, ] the last two.
, and . step 10 ms, with Shift one second.</source>
        <translation>Ctrl+колесо, Ctrl+Плюс и Ctrl+Минус меняют масштаб; Ctrl+0 показывает весь звук, Ctrl+E — от Mark In до Mark Out.
Колесо или перетаскивание прокручивает; щелчок переносит позицию воспроизведения.
Перетащите ручку метки, чтобы сдвинуть её; протяните по линейке или с Shift, чтобы отметить участок.
Дважды щёлкните время начала или конца, чтобы ввести его с точностью до миллисекунды.
Shift+Пробел воспроизводит от Mark In до Mark Out, [ первые две секунды, ] последние две.
, и . сдвигают на 10 мс, с Shift на секунду.</translation>
    </message>
    <message>
        <source>Snap marks to zero crossings</source>
        <translation>Привязывать метки к переходам через ноль</translation>
    </message>
    <message>
        <source>Every mark placed or dragged goes to the nearest zero crossing within 5 ms</source>
        <translation>Каждая поставленная или перетащенная метка переходит к ближайшему переходу через ноль в пределах 5 мс</translation>
    </message>
    <message>
        <source>The option cannot be saved in &quot;%1&quot;: %2.</source>
        <translation>Не удаётся сохранить параметр в «%1»: %2.</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>Начало %1</translation>
    </message>
    <message>
        <source>Out %1</source>
        <translation>Конец %1</translation>
    </message>
    <message>
        <source>Type the time as hh:mm:ss.mmm; Enter sets it, Escape leaves it.</source>
        <translation>Введите время как чч:мм:сс.ммм; Enter задаёт его, Esc отменяет.</translation>
    </message>
    <message>
        <source>Mark In cannot be after Mark Out.</source>
        <translation>Mark In не может быть после Mark Out.</translation>
    </message>
    <message>
        <source>Mark Out cannot be before Mark In.</source>
        <translation>Mark Out не может быть раньше Mark In.</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Позиция %1</translation>
    </message>
    <message>
        <source>Mark In, typed as hh:mm:ss.mmm</source>
        <translation>Mark In, ввод в виде чч:мм:сс.ммм</translation>
    </message>
    <message>
        <source>Mark Out, typed as hh:mm:ss.mmm</source>
        <translation>Mark Out, ввод в виде чч:мм:сс.ммм</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Hours</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Hours of the time to go to</source>
        <translation>Часы времени перехода</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Минуты</translation>
    </message>
    <message>
        <source>Minutes of the time to go to</source>
        <translation>Минуты времени перехода</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Секунды</translation>
    </message>
    <message>
        <source>Seconds of the time to go to</source>
        <translation>Секунды времени перехода</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Перейти</translation>
    </message>
    <message>
        <source>Play from the time chosen above</source>
        <translation>Воспроизвести с выбранного выше времени</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>The whole sound: click or drag to play from there</source>
        <translation>Весь звук: щёлкните или перетащите, чтобы играть с этого места</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Master volume of the sound card</source>
        <translation>Общая громкость звуковой карты</translation>
    </message>
    <message>
        <source>Mark In</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Play the cut</source>
        <translation>Воспроизвести вырезанное</translation>
    </message>
    <message>
        <source>Stop the cut</source>
        <translation>Остановить вырезанное</translation>
    </message>
    <message>
        <source>Save the cut as MP3</source>
        <translation>Сохранить вырезанное как MP3</translation>
    </message>
    <message>
        <source>Save the cut as WAV</source>
        <translation>Сохранить вырезанное как WAV</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>End the program and delete its working files</source>
        <translation>Завершить программу и удалить её рабочие файлы</translation>
    </message>
    <message>
        <source>Add to list</source>
        <translation>Добавить в список</translation>
    </message>
    <message>
        <source>Clips</source>
        <translation>Фрагменты</translation>
    </message>
    <message>
        <source>Play list</source>
        <translation>Воспроизвести список</translation>
    </message>
    <message>
        <source>Play the clips one after another, from the selected one</source>
        <translation>Воспроизвести фрагменты друг за другом, начиная с выбранного</translation>
    </message>
    <message>
        <source>Stop list</source>
        <translation>Остановить список</translation>
    </message>
    <message>
        <source>Stop playing the list</source>
        <translation>Остановить воспроизведение списка</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Move the selected clip up</source>
        <translation>Переместить выбранный фрагмент вверх</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Move the selected clip down</source>
        <translation>Переместить выбранный фрагмент вниз</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>Удалить фрагмент</translation>
    </message>
    <message>
        <source>Delete all clips</source>
        <translation>Удалить все фрагменты</translation>
    </message>
    <message>
        <source>Join as WAV</source>
        <translation>Склеить в WAV</translation>
    </message>
    <message>
        <source>Join as MP3</source>
        <translation>Склеить в MP3</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Choose a sound file to open</source>
        <translation>Выбрать звуковой файл для открытия</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Преобразовать</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>Состояние кодировщика</translation>
    </message>
    <message>
        <source>Currently/Total</source>
        <translation>Сейчас/Всего</translation>
    </message>
    <message>
        <source>Time Frame</source>
        <translation>Временной отрезок</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Переход</translation>
    </message>
    <message>
        <source>Mp3 Segment</source>
        <translation>Отрезок MP3</translation>
    </message>
    <message>
        <source>New Mp3</source>
        <translation>Новый MP3</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Back 2 seconds</source>
        <translation>Назад на 2 секунды</translation>
    </message>
    <message>
        <source>On 1 second</source>
        <translation>Вперёд на 1 секунду</translation>
    </message>
    <message>
        <source>Delete the selected clip</source>
        <translation>Удалить выбранный фрагмент</translation>
    </message>
    <message>
        <source>Delete every clip of the list</source>
        <translation>Удалить все фрагменты списка</translation>
    </message>
    <message>
        <source>Save the cut as an MP3 file</source>
        <translation>Сохранить вырезанное в файл MP3</translation>
    </message>
    <message>
        <source>Save the cut as a WAV file</source>
        <translation>Сохранить вырезанное в файл WAV</translation>
    </message>
    <message>
        <source>Join every clip into one WAV file</source>
        <translation>Склеить все клипы в один файл WAV</translation>
    </message>
    <message>
        <source>Join every clip into one MP3 file</source>
        <translation>Склеить все клипы в один файл MP3</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Резать</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>A conversion is already under way.</source>
        <translation>Преобразование уже выполняется.</translation>
    </message>
    <message>
        <source>The working file &quot;%1&quot; cannot be replaced: %2.</source>
        <translation>Не удаётся заменить рабочий файл «%1»: %2.</translation>
    </message>
    <message>
        <source>The working file &quot;%1&quot; cannot be created: %2.</source>
        <translation>Не удаётся создать рабочий файл «%1»: %2.</translation>
    </message>
    <message>
        <source>Writing the working file &quot;%1&quot; failed: %2.</source>
        <translation>Не удалось записать рабочий файл «%1»: %2.</translation>
    </message>
    <message>
        <source>The source could not be read to its end (error code %1, after %2 bytes).</source>
        <translation>Источник не удалось прочитать до конца (код ошибки %1, после %2 байт).</translation>
    </message>
    <message>
        <source>The sound is too long: &quot;%1&quot; holds its first %2 bytes, the most one WAV file can hold.</source>
        <translation>Звук слишком длинный: «%1» содержит его первые %2 байт — больше файл WAV вместить не может.</translation>
    </message>
    <message>
        <source>Completing the working file &quot;%1&quot; failed: %2.</source>
        <translation>Не удалось завершить рабочий файл «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>the sound&apos;s format is not one that can be converted</source>
        <translation>формат звука не поддерживает преобразование</translation>
    </message>
    <message>
        <source>the target format is not one that can be converted to</source>
        <translation>преобразование в целевой формат невозможно</translation>
    </message>
</context>
<context>
    <name>CopySaving</name>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Keep the source&apos;s MP3 frames: no re-encoding</source>
        <translation>Сохранить MP3-кадры источника: без перекодирования</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>«%1» записать не удалось.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Encoded again at %1 kbit/s: %2.</source>
        <translation>Закодировано заново с %1 кбит/с: %2.</translation>
    </message>
    <message>
        <source>Joints encoded again: %1.</source>
        <translation>Заново закодировано стыков: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stays %2 dB under the loudness asked for: more would take its peak past -1 dBTP.</source>
        <translation>«%1» остаётся на %2 дБ ниже заданной громкости: больше подняло бы его пик выше -1 dBTP.</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: the crossfades overlap them.</source>
        <translation>Объединённый звук длится %1, на %2 мс меньше суммы клипов: кроссфейды накладывают их друг на друга.</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: MP3 frames are whole, and each joint encoded again loses less than a frame.</source>
        <translation>Объединённый звук длится %1, на %2 мс меньше суммы клипов: кадры MP3 целые, и каждый заново закодированный стык теряет меньше кадра.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stays %2 dB under the loudness asked for: copied MP3 frames change their level in steps of 1.5 dB.</source>
        <translation>«%1» остаётся на %2 дБ ниже заданной громкости: скопированные кадры MP3 меняют уровень шагами по 1,5 дБ.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; goes %2 dB over the loudness asked for: copied MP3 frames change their level in steps of 1.5 dB.</source>
        <translation>«%1» на %2 дБ громче заданной громкости: скопированные кадры MP3 меняют уровень шагами по 1,5 дБ.</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: the crossfades overlap them, each widened by less than a frame to whole MP3 frames.</source>
        <translation>Объединённый звук длится %1, на %2 мс меньше суммы клипов: плавные переходы перекрывают их, каждый расширен менее чем на кадр до целых кадров MP3.</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>Line %1 of the cue sheet: %2</source>
        <translation>Строка %1 CUE-файла: %2</translation>
    </message>
    <message>
        <source>This is not a cue sheet: it holds binary data.</source>
        <translation>Это не CUE-файл: в нём двоичные данные.</translation>
    </message>
    <message>
        <source>a quotation mark is not closed.</source>
        <translation>кавычка не закрыта.</translation>
    </message>
    <message>
        <source>FILE names no file.</source>
        <translation>FILE не указывает файл.</translation>
    </message>
    <message>
        <source>a second FILE; only sheets of one sound file can be opened.</source>
        <translation>второй FILE; открыть можно только CUE-файлы с одним звуковым файлом.</translation>
    </message>
    <message>
        <source>TRACK before any FILE.</source>
        <translation>TRACK перед первым FILE.</translation>
    </message>
    <message>
        <source>this track has no INDEX 01.</source>
        <translation>у этого трека нет INDEX 01.</translation>
    </message>
    <message>
        <source>a track number must be 1 to 99.</source>
        <translation>номер трека должен быть от 1 до 99.</translation>
    </message>
    <message>
        <source>only AUDIO tracks can be opened.</source>
        <translation>открыть можно только треки AUDIO.</translation>
    </message>
    <message>
        <source>INDEX outside a TRACK.</source>
        <translation>INDEX вне TRACK.</translation>
    </message>
    <message>
        <source>an INDEX is written as INDEX nn mm:ss:ff.</source>
        <translation>INDEX записывается как INDEX nn mm:ss:ff.</translation>
    </message>
    <message>
        <source>a second INDEX 01 in one track.</source>
        <translation>второй INDEX 01 в одном треке.</translation>
    </message>
    <message>
        <source>this track starts no later than the one before it.</source>
        <translation>этот трек начинается не позже предыдущего.</translation>
    </message>
    <message>
        <source>The cue sheet names no sound file (it has no FILE line).</source>
        <translation>CUE-файл не указывает звуковой файл (в нём нет строки FILE).</translation>
    </message>
    <message>
        <source>The cue sheet has no TRACK.</source>
        <translation>В CUE-файле нет ни одного TRACK.</translation>
    </message>
    <message>
        <source>The cue sheet cannot be read: %1</source>
        <translation>Не удаётся прочитать CUE-файл: %1</translation>
    </message>
    <message>
        <source>The file is %1 MB; a cue sheet is at most %2 MB.</source>
        <translation>Размер файла — %1 МБ; CUE-файл может занимать не более %2 МБ.</translation>
    </message>
    <message>
        <source>the sound file %1 is not there.</source>
        <translation>звуковой файл %1 не найден.</translation>
    </message>
    <message>
        <source>track %1 starts at %2, past the end of the sound.</source>
        <translation>трек %1 начинается в %2, после конца звука.</translation>
    </message>
</context>
<context>
    <name>Cutting</name>
    <message>
        <source>The cut of &quot;%1&quot; into &quot;%2&quot; could not be made: %3<byte value="xd"/>
%4</source>
        <translation>Не удалось вырезать фрагмент из «%1» в «%2»: %3<byte value="xd"/>
%4</translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>The command is not recognised.</source>
        <translation>Команда не распознана.</translation>
    </message>
    <message>
        <source>The command is missing a file name, an alias or a position.</source>
        <translation>В команде не хватает имени файла, псевдонима или позиции.</translation>
    </message>
    <message>
        <source>The command contains a word it does not accept.</source>
        <translation>Команда содержит недопустимое слово.</translation>
    </message>
    <message>
        <source>No sound is open under that name.</source>
        <translation>Звук с таким именем не открыт.</translation>
    </message>
    <message>
        <source>A sound is already open under that name.</source>
        <translation>Звук с таким именем уже открыт.</translation>
    </message>
    <message>
        <source>A position is not a whole, non-negative number of milliseconds.</source>
        <translation>Позиция не является целым неотрицательным числом миллисекунд.</translation>
    </message>
    <message>
        <source>The start position lies after the end position.</source>
        <translation>Начальная позиция находится после конечной.</translation>
    </message>
    <message>
        <source>The file cannot be found.</source>
        <translation>Файл не найден.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Файл не удаётся прочитать.</translation>
    </message>
    <message>
        <source>The file is not a WAVE sound file.</source>
        <translation>Файл не является звуковым файлом WAVE.</translation>
    </message>
    <message>
        <source>The file holds compressed or unsupported sound; only uncompressed PCM and float WAVE files can be used.</source>
        <translation>Файл содержит сжатый или неподдерживаемый звук; можно использовать только несжатые файлы WAVE в формате PCM или с плавающей точкой.</translation>
    </message>
    <message>
        <source>The file&apos;s header is damaged or incomplete.</source>
        <translation>Заголовок файла повреждён или неполон.</translation>
    </message>
    <message>
        <source>Only waveaudio sounds can be opened.</source>
        <translation>Открывать можно только звуки типа waveaudio.</translation>
    </message>
    <message>
        <source>The file cannot be written: check that the folder exists, is writable and has room.</source>
        <translation>Не удаётся записать файл: проверьте, что папка существует, доступна для записи и на диске есть место.</translation>
    </message>
    <message>
        <source>The result would be larger than the 4 GiB a WAVE file can hold.</source>
        <translation>Результат превысил бы 4 ГиБ — предел файла WAVE.</translation>
    </message>
    <message>
        <source>No sound file is open.</source>
        <translation>Звуковой файл не открыт.</translation>
    </message>
    <message>
        <source>No sound output is available.</source>
        <translation>Нет доступного устройства вывода звука.</translation>
    </message>
    <message>
        <source>The file cannot be written: %1.</source>
        <translation>Не удаётся записать файл: %1.</translation>
    </message>
</context>
<context>
    <name>DiskSpace</name>
    <message>
        <source>There is not enough room on the disk for &quot;%1&quot;: it needs %2, and %3 is free.</source>
        <translation>На диске недостаточно места для «%1»: нужно %2, свободно %3.</translation>
    </message>
</context>
<context>
    <name>Dropping</name>
    <message>
        <source>Drop one sound file at a time.</source>
        <translation>Перетаскивайте по одному звуковому файлу.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file on this computer.</source>
        <translation>«%1» не является файлом на этом компьютере.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder. Drop a sound file.</source>
        <translation>«%1» — это папка. Перетащите звуковой файл.</translation>
    </message>
</context>
<context>
    <name>Encoder</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Не удаётся записать «%1»: %2</translation>
    </message>
    <message>
        <source>The MP3 encoder could not start (out of memory)</source>
        <translation>Не удалось запустить кодировщик MP3 (недостаточно памяти)</translation>
    </message>
    <message>
        <source>The MP3 encoder refused %1 kbit/s at %2 Hz</source>
        <translation>Кодировщик MP3 не принял %1 кбит/с при %2 Гц</translation>
    </message>
    <message>
        <source>The MP3 encoder failed on &quot;%1&quot; (error %2)</source>
        <translation>Ошибка кодировщика MP3 при обработке «%1» (ошибка %2)</translation>
    </message>
    <message>
        <source>No info frame fits at %1 Hz</source>
        <translation>При %1 Гц информационный кадр не помещается</translation>
    </message>
    <message>
        <source>The MP3 encoder failed at the end of &quot;%1&quot;</source>
        <translation>Ошибка кодировщика MP3 в конце «%1»</translation>
    </message>
    <message>
        <source>The MP3 encoder gave no info frame for &quot;%1&quot;</source>
        <translation>Кодировщик MP3 не выдал информационный кадр для «%1»</translation>
    </message>
    <message>
        <source>Cannot convert &quot;%1&quot;: %2</source>
        <translation>Не удаётся преобразовать «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot convert &quot;%1&quot;</source>
        <translation>Не удаётся преобразовать «%1»</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Не удаётся прочитать «%1»: %2</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>файл закончился раньше времени</translation>
    </message>
    <message>
        <source>An encoding is already running; &quot;%1&quot; was not started</source>
        <translation>Кодирование уже выполняется; «%1» не запущен</translation>
    </message>
    <message>
        <source>No file name was given for the MP3 file</source>
        <translation>Не задано имя MP3-файла</translation>
    </message>
    <message>
        <source>Cannot encode &quot;%1&quot;: it has %2 channels and MP3 holds at most two</source>
        <translation>Не удаётся закодировать «%1»: в нём %2 каналов, а MP3 вмещает не более двух</translation>
    </message>
    <message>
        <source>%1 Hz is not possible in MP3; encoded at %2 Hz</source>
        <translation>%1 Гц невозможно в MP3; закодировано с частотой %2 Гц</translation>
    </message>
    <message>
        <source>%1 kbit/s is not possible at %2 Hz; encoded at %3 kbit/s</source>
        <translation>%1 кбит/с невозможно при %2 Гц; закодировано с %3 кбит/с</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a folder</source>
        <translation>Не удаётся записать «%1»: это папка</translation>
    </message>
    <message>
        <source>Out of memory while encoding &quot;%1&quot;</source>
        <translation>Недостаточно памяти при кодировании «%1»</translation>
    </message>
    <message>
        <source>The encoding of &quot;%1&quot; failed</source>
        <translation>Не удалось закодировать «%1»</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>Не удаётся сохранить «%1»: %2</translation>
    </message>
    <message>
        <source>The encoding of &quot;%1&quot; was cancelled</source>
        <translation>Кодирование «%1» отменено</translation>
    </message>
</context>
<context>
    <name>Frmwait</name>
    <message>
        <source>Please wait</source>
        <translation>Подождите</translation>
    </message>
    <message>
        <source>Copying…</source>
        <translation>Копирование…</translation>
    </message>
    <message>
        <source>Joining…</source>
        <translation>Склейка…</translation>
    </message>
    <message>
        <source>Encoding…</source>
        <translation>Кодирование…</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Загрузка…</translation>
    </message>
</context>
<context>
    <name>JoinClips</name>
    <message>
        <source>the folder does not exist</source>
        <translation>папка не существует</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>файл не существует</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>«%1» не удаётся прочитать: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>«%1» не удаётся записать: %2</translation>
    </message>
    <message>
        <source>There are no clips to join.</source>
        <translation>Нет фрагментов для склейки.</translation>
    </message>
    <message>
        <source>the joined sound would be longer than a WAVE file can hold (more than %1 bytes of sound)</source>
        <translation>склеенный звук оказался бы длиннее, чем вмещает файл WAVE (более %1 байт звука)</translation>
    </message>
    <message>
        <source>The join was cancelled.</source>
        <translation>Склейка отменена.</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>файл закончился раньше времени</translation>
    </message>
    <message>
        <source>its sound could not be converted</source>
        <translation>его звук не удалось преобразовать</translation>
    </message>
    <message>
        <source>the joined sound came out at another length than planned</source>
        <translation>склеенный звук получился другой длины, чем ожидалось</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds less sound than its header says: the file was cut short.</source>
        <translation>«%1» содержит меньше звука, чем указано в заголовке: файл обрезан.</translation>
    </message>
</context>
<context>
    <name>JoinOptionsText</name>
    <message>
        <source>The loudness to match is empty (off), -23, -18, -16 or -14 LUFS, not &quot;%1&quot;.</source>
        <translation>Громкость для выравнивания: пусто (выкл.), -23, -18, -16 или -14 LUFS, а не «%1».</translation>
    </message>
    <message>
        <source>The crossfade is 0 (none) or 5 to 5000 ms, not &quot;%1&quot;.</source>
        <translation>Кроссфейд равен 0 (нет) или от 5 до 5000 мс, а не «%1».</translation>
    </message>
    <message>
        <source>A fade is 0 to 10000 ms.</source>
        <translation>Затухание длится от 0 до 10000 мс.</translation>
    </message>
</context>
<context>
    <name>JoinTimeline</name>
    <message>
        <source>&quot;%1&quot; cannot be read</source>
        <translation>Не удаётся прочитать «%1»</translation>
    </message>
</context>
<context>
    <name>Joining</name>
    <message>
        <source>The clips cannot be joined into &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Фрагменты не удаётся склеить в «%1».<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Start the next MP3 file when it is done.</source>
        <translation>«%1» ещё записывается. Начните следующий MP3-файл, когда запись закончится.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>«%1» не удаётся записать.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>«%1» записать не удалось.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Start the next file when it is done.</source>
        <translation>«%1» ещё записывается. Начните следующий файл, когда запись закончится.</translation>
    </message>
    <message>
        <source>Match loudness (LUFS):</source>
        <translation>Выровнять громкость (LUFS):</translation>
    </message>
    <message>
        <source>Crossfade at each joint (ms):</source>
        <translation>Кроссфейд на каждом стыке (мс):</translation>
    </message>
    <message>
        <source>Fade-in (ms):</source>
        <translation>Нарастание (мс):</translation>
    </message>
    <message>
        <source>Fade-out (ms):</source>
        <translation>Затухание (мс):</translation>
    </message>
    <message>
        <source>Empty: every clip keeps its level. -23, -18, -16 or -14: each clip is brought to that loudness, less where its peak would pass -1 dBTP.</source>
        <translation>Пусто: каждый клип сохраняет свой уровень. -23, -18, -16 или -14: каждый клип приводится к этой громкости, меньше там, где его пик превысил бы -1 dBTP.</translation>
    </message>
    <message>
        <source>0: a plain splice. 5 to 5000: the clips overlap by that much at each joint, one fading into the other. 10 takes the clicks out of the joints.</source>
        <translation>0: простая склейка. От 5 до 5000: клипы перекрываются на столько на каждом стыке, один переходя в другой. 10 убирает щелчки на стыках.</translation>
    </message>
    <message>
        <source>0 to 10000: the joined sound rises from silence over this long.</source>
        <translation>От 0 до 10000: объединённый звук нарастает из тишины столько времени.</translation>
    </message>
    <message>
        <source>0 to 10000: the joined sound falls to silence over this long.</source>
        <translation>От 0 до 10000: объединённый звук затихает до тишины столько времени.</translation>
    </message>
    <message>
        <source>How the clips are joined, in every join from now on.</source>
        <translation>Как объединяются клипы, во всех объединениях отныне.</translation>
    </message>
    <message>
        <source>Join options</source>
        <translation>Параметры объединения</translation>
    </message>
    <message>
        <source>The join options hold for this run only: %1</source>
        <translation>Параметры объединения действуют только до выхода из программы: %1</translation>
    </message>
    <message>
        <source>Select a clip that has another one after it: the joint between them plays.</source>
        <translation>Выберите клип, за которым следует другой: прозвучит стык между ними.</translation>
    </message>
    <message>
        <source>The joint cannot be played.<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Стык нельзя воспроизвести.<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>Loading</name>
    <message>
        <source>&quot;%1&quot; is still being converted. Open the next sound when it is done.</source>
        <translation>«%1» ещё преобразуется. Откройте следующий звук, когда преобразование закончится.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being copied. Open the next sound when it is done.</source>
        <translation>«%1» ещё копируется. Откройте следующий звук, когда копирование закончится.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot take the place of the working file &quot;%2&quot;: %3.</source>
        <translation>«%1» не может заменить рабочий файл «%2»: %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>«%1» не удаётся открыть.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Its %1 channels were mixed down to stereo.</source>
        <translation>Его каналы (%1) сведены в стерео.</translation>
    </message>
</context>
<context>
    <name>Mp3Copy</name>
    <message>
        <source>the cut does not come from an MP3 file</source>
        <translation>фрагмент вырезан не из MP3-файла</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Не удаётся записать «%1»: %2</translation>
    </message>
</context>
<context>
    <name>Mp3Frames</name>
    <message>
        <source>the source MP3 file cannot be read</source>
        <translation>исходный MP3-файл не удаётся прочитать</translation>
    </message>
    <message>
        <source>the source holds no MPEG Layer III frames</source>
        <translation>в источнике нет кадров MPEG Layer III</translation>
    </message>
    <message>
        <source>the source is a free-format MP3</source>
        <translation>источник — MP3 в свободном формате</translation>
    </message>
    <message>
        <source>the cut does not lie within the source MP3</source>
        <translation>фрагмент не лежит внутри исходного MP3</translation>
    </message>
    <message>
        <source>the cut is shorter than one MP3 frame</source>
        <translation>фрагмент короче одного кадра MP3</translation>
    </message>
    <message>
        <source>the source MP3 has a damaged frame inside the cut</source>
        <translation>в исходном MP3 внутри фрагмента есть повреждённый кадр</translation>
    </message>
    <message>
        <source>the source MP3 file has changed since it was opened</source>
        <translation>исходный MP3-файл изменился с момента открытия</translation>
    </message>
    <message>
        <source>the sources differ in MPEG version, sample rate or channels</source>
        <translation>источники различаются версией MPEG, частотой дискретизации или числом каналов</translation>
    </message>
    <message>
        <source>the MP3 file cannot be written</source>
        <translation>MP3-файл не удаётся записать</translation>
    </message>
    <message>
        <source>no MPEG Layer III frame starts within the first megabyte of the source</source>
        <translation>в первом мегабайте источника не начинается ни один кадр MPEG Layer III</translation>
    </message>
    <message>
        <source>the cut lies in the first frames of the source MP3, which take bit-reservoir bytes from before the start of the file</source>
        <translation>фрагмент лежит в первых кадрах исходного MP3, которые берут байты битового резервуара до начала файла</translation>
    </message>
    <message>
        <source>the cut crosses the point where two MP3 streams were put end to end in the source</source>
        <translation>фрагмент пересекает место, где в источнике два потока MP3 поставлены друг за другом</translation>
    </message>
    <message>
        <source>the info frame of the source MP3 contradicts its frames</source>
        <translation>информационный кадр исходного MP3 противоречит его кадрам</translation>
    </message>
</context>
<context>
    <name>Mp3Join</name>
    <message>
        <source>a clip does not come from an MP3 file</source>
        <translation>клип взят не из MP3-файла</translation>
    </message>
    <message>
        <source>a clip file does not hold the sound it was cut as</source>
        <translation>файл клипа не содержит звук, вырезанный для него</translation>
    </message>
    <message>
        <source>a clip is too short to be joined without encoding it again</source>
        <translation>клип слишком короткий, чтобы соединить его без перекодирования</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at a joint</source>
        <translation>MP3-кодер не принял звук на стыке</translation>
    </message>
    <message>
        <source>the frames at a joint cannot carry the bit reservoir</source>
        <translation>кадры на стыке не вмещают битовый резервуар</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Не удаётся записать «%1»: %2</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>моно</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>стерео</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) and &quot;%3&quot; (%4) differ in MPEG version, sample rate or channels</source>
        <translation>«%1» (%2) и «%3» (%4) различаются версией MPEG, частотой дискретизации или числом каналов</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at the start</source>
        <translation>MP3-кодер не принял звук в начале</translation>
    </message>
    <message>
        <source>the frames at the start cannot carry the bit reservoir</source>
        <translation>кадры в начале не вмещают битовый резервуар</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at the end</source>
        <translation>кодировщик MP3 отказался кодировать звук в конце</translation>
    </message>
    <message>
        <source>a fade reaches the frames encoded again at a joint or for the other fade</source>
        <translation>затухание доходит до кадров, заново кодируемых на стыке или для другого затухания</translation>
    </message>
</context>
<context>
    <name>OpenWav</name>
    <message>
        <source>&quot;%1&quot; cannot be opened: %2</source>
        <translation>«%1» не удаётся открыть: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be copied to the working file &quot;%2&quot;: %3.</source>
        <translation>«%1» не удаётся скопировать в рабочий файл «%2»: %3.</translation>
    </message>
</context>
<context>
    <name>PauseForm</name>
    <message>
        <source>Threshold (dBFS, empty for automatic):</source>
        <translation>Порог (dBFS, пусто — автоматически):</translation>
    </message>
    <message>
        <source>Shortest pause (s):</source>
        <translation>Кратчайшая пауза (s):</translation>
    </message>
    <message>
        <source>Shortest track (s):</source>
        <translation>Кратчайший трек (s):</translation>
    </message>
    <message>
        <source>Pause kept before a split (ms, empty for its middle):</source>
        <translation>Пауза, оставляемая перед разделением (ms, пусто — её середина):</translation>
    </message>
    <message>
        <source>The pause search needs four answers.</source>
        <translation>Для поиска пауз нужны четыре ответа.</translation>
    </message>
    <message>
        <source>The threshold must be a level from -120 to 0 dBFS, or empty.</source>
        <translation>Порог должен быть уровнем от -120 до 0 dBFS или пустым.</translation>
    </message>
    <message>
        <source>The shortest pause must be from 0.05 to 600 seconds.</source>
        <translation>Кратчайшая пауза должна быть от 0,05 до 600 секунд.</translation>
    </message>
    <message>
        <source>The shortest track must be from 0 to 86400 seconds.</source>
        <translation>Кратчайший трек должен быть от 0 до 86400 секунд.</translation>
    </message>
    <message>
        <source>The pause kept must be from 0 to 600000 ms, or empty.</source>
        <translation>Оставляемая пауза должна быть от 0 до 600000 ms или пустой.</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>It is no sound or video format the program knows.</source>
        <translation>Это не известный программе формат звука или видео.</translation>
    </message>
    <message>
        <source>It holds no sound.</source>
        <translation>В нём нет звука.</translation>
    </message>
    <message>
        <source>Its sound is encrypted.</source>
        <translation>Его звук зашифрован.</translation>
    </message>
    <message>
        <source>Its sound is in a codec the program cannot decode.</source>
        <translation>Его звук в кодеке, который программа не умеет декодировать.</translation>
    </message>
    <message>
        <source>It is a list of other files or addresses, which the program does not follow.</source>
        <translation>Это список других файлов или адресов, по которым программа не переходит.</translation>
    </message>
    <message>
        <source>Its data is damaged or cut short.</source>
        <translation>Его данные повреждены или обрезаны.</translation>
    </message>
    <message>
        <source>The file cannot be opened or read.</source>
        <translation>Файл не удаётся открыть или прочитать.</translation>
    </message>
    <message>
        <source>Its sample rate or channel count is out of range.</source>
        <translation>Его частота дискретизации или число каналов вне допустимых пределов.</translation>
    </message>
    <message>
        <source>not a sound file</source>
        <translation>не звуковой файл</translation>
    </message>
    <message>
        <source>Found: %1. %2</source>
        <translation>Найдено: %1. %2</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>&quot;%1&quot; cannot be saved: %2<byte value="xd"/>
%3</source>
        <translation>«%1» не удаётся сохранить: %2<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is one of the program&apos;s working files. Choose another file.</source>
        <translation>«%1» — один из рабочих файлов программы. Выберите другой файл.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of the clip &quot;%2&quot;. Choose another file: a clip is never written over.</source>
        <translation>«%1» — файл фрагмента «%2». Выберите другой файл: фрагмент никогда не перезаписывается.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file the open sound came from. Choose another file: the source is never written over.</source>
        <translation>«%1» — файл, из которого открыт звук. Выберите другой файл: исходный файл никогда не перезаписывается.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the MP3 file still being written. Choose another file.</source>
        <translation>«%1» — MP3-файл, который ещё записывается. Выберите другой файл.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The language cannot be saved in &quot;%1&quot;: %2.</source>
        <translation>Не удаётся сохранить язык в «%1»: %2.</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>ошибка %1</translation>
    </message>
</context>
<context>
    <name>Shutdown</name>
    <message>
        <source>All %1 clip files of the list will be deleted.</source>
        <translation>Все файлы фрагментов списка (%1) будут удалены.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written and will not be finished.</source>
        <translation>«%1» ещё записывается и не будет завершён.</translation>
    </message>
</context>
<context>
    <name>SourceSteps</name>
    <message>
        <source>Mark In at %1</source>
        <translation>Начало в %1</translation>
    </message>
    <message>
        <source>Mark out at %1</source>
        <translation>Конец в %1</translation>
    </message>
    <message>
        <source>Cut from %1 to %2</source>
        <translation>Вырезка с %1 до %2</translation>
    </message>
    <message>
        <source>Marks at %1 to %2</source>
        <translation>Метки от %1 до %2</translation>
    </message>
</context>
<context>
    <name>SplitSteps</name>
    <message numerus="yes">
        <source>Split points at %n pause(s)</source>
        <translation>
            <numerusform>Точки разделения в %n паузе</numerusform>
            <numerusform>Точки разделения в %n паузах</numerusform>
            <numerusform>Точки разделения в %n паузах</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Split points every %n minute(s)</source>
        <translation>
            <numerusform>Точки разделения каждую %n минуту</numerusform>
            <numerusform>Точки разделения каждые %n минуты</numerusform>
            <numerusform>Точки разделения каждые %n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>Split points of %1</source>
        <translation>Точки разделения из %1</translation>
    </message>
    <message>
        <source>Split point at %1</source>
        <translation>Точка разделения в %1</translation>
    </message>
    <message>
        <source>Split point at %1 removed</source>
        <translation>Точка разделения в %1 удалена</translation>
    </message>
    <message>
        <source>Split point moved from %1 to %2</source>
        <translation>Точка разделения перенесена из %1 в %2</translation>
    </message>
    <message>
        <source>Split points cleared</source>
        <translation>Все точки разделения удалены</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>a file of that name is in the way</source>
        <translation>мешает файл с таким же именем</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; cannot be created: %2.<byte value="xd"/>
<byte value="xd"/>
Trevisto MP3 Editor cannot run without it.</source>
        <translation>Не удаётся создать рабочую папку «%1»: %2.<byte value="xd"/>
<byte value="xd"/>
Без неё Trevisto MP3 Editor работать не может.</translation>
    </message>
    <message>
        <source>Trevisto MP3 Editor is already running with the working files in &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
Only one copy can use them at a time.</source>
        <translation>Trevisto MP3 Editor уже запущен с рабочими файлами в «%1».<byte value="xd"/>
<byte value="xd"/>
Использовать их одновременно может только одна копия.</translation>
    </message>
</context>
<context>
    <name>System</name>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>дисковая квота исчерпана</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>папка доступна только для чтения</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>доступ запрещён</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>нет такого файла или папки</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>часть пути не является папкой</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>a file of that name already exists</source>
        <translation>файл с таким именем уже существует</translation>
    </message>
    <message>
        <source>the file would be too large</source>
        <translation>файл получился бы слишком большим</translation>
    </message>
    <message>
        <source>an input/output error</source>
        <translation>ошибка ввода-вывода</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>слишком длинное имя</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>открыто слишком много файлов</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>the file is in use</source>
        <translation>файл занят</translation>
    </message>
    <message>
        <source>the path has too many symbolic links</source>
        <translation>в пути слишком много символических ссылок</translation>
    </message>
    <message>
        <source>the file cannot be moved to another disk</source>
        <translation>файл нельзя переместить на другой диск</translation>
    </message>
    <message>
        <source>it is not a plain file but a device, a pipe or a socket</source>
        <translation>это не обычный файл, а устройство, канал или сокет</translation>
    </message>
</context>
<context>
    <name>TagForm</name>
    <message>
        <source>Title:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>The title the file carries</source>
        <translation>Название, которое несёт файл</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Исполнитель:</translation>
    </message>
    <message>
        <source>Who performs it</source>
        <translation>Кто исполняет</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Альбом:</translation>
    </message>
    <message>
        <source>The album or the programme it belongs to</source>
        <translation>Альбом или передача, к которой он относится</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Год:</translation>
    </message>
    <message>
        <source>The year, or a date such as 2024-05-31</source>
        <translation>Год или дата, например 2024-05-31</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Жанр:</translation>
    </message>
    <message>
        <source>The kind of sound: a word such as Speech or Jazz</source>
        <translation>Вид звука: слово вроде «Речь» или «Джаз»</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Комментарий:</translation>
    </message>
    <message>
        <source>Any note that goes with the file</source>
        <translation>Любая заметка к файлу</translation>
    </message>
    <message>
        <source>The tags &quot;%1&quot; will carry. Pictures and lyrics of the source go with them.</source>
        <translation>Теги, которые будет нести «%1». Изображения и тексты песен источника сохраняются.</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Теги</translation>
    </message>
</context>
<context>
    <name>Tracks</name>
    <message>
        <source>Steps quieter than this count as pause. Empty: a little above the sound&apos;s own noise floor.</source>
        <translation>Шаги измерения тише этого уровня считаются паузой. Пусто: чуть выше собственного шума звука.</translation>
    </message>
    <message>
        <source>A quiet stretch at least this long is a pause between tracks.</source>
        <translation>Тихий участок не короче этого — пауза между треками.</translation>
    </message>
    <message>
        <source>Split points that would leave a track shorter than this are dropped.</source>
        <translation>Точки разделения, после которых остался бы трек короче этого, отбрасываются.</translation>
    </message>
    <message>
        <source>How much of each pause stays at the end of the track before it. Empty: the split falls in the pause&apos;s middle.</source>
        <translation>Какая часть каждой паузы остаётся в конце предыдущего трека. Пусто: разделение приходится на середину паузы.</translation>
    </message>
    <message>
        <source>Find the pauses in the sound, or in the marked range when marks are set.</source>
        <translation>Найти паузы в звуке или, если метки поставлены, в отмеченном диапазоне.</translation>
    </message>
    <message>
        <source>Find pauses</source>
        <translation>Найти паузы</translation>
    </message>
    <message>
        <source>The sound &quot;%1&quot; could not be read.</source>
        <translation>Не удалось прочитать звук «%1».</translation>
    </message>
    <message>
        <source>No pause of %1 s or more below %2 dBFS was found.</source>
        <translation>Пауза от %1 s ниже %2 dBFS не найдена.</translation>
    </message>
    <message>
        <source>Split every how many minutes (1 to 1440)? Each point moves to the quietest place within 30 seconds.</source>
        <translation>Через сколько минут делить (от 1 до 1440)? Каждая точка сдвигается в самое тихое место в пределах 30 секунд.</translation>
    </message>
    <message>
        <source>Split every N minutes</source>
        <translation>Делить каждые N минут</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of minutes from 1 to 1440.</source>
        <translation>«%1» — не число минут от 1 до 1440.</translation>
    </message>
    <message numerus="yes">
        <source>The sound is not longer than %n minute(s): there is nothing to split.</source>
        <translation>
            <numerusform>Звук не длиннее %n минуты: делить нечего.</numerusform>
            <numerusform>Звук не длиннее %n минут: делить нечего.</numerusform>
            <numerusform>Звук не длиннее %n минут: делить нечего.</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no split points: find the pauses, or add a split point, first.</source>
        <translation>Точек разделения нет: сначала найдите паузы или добавьте точку разделения.</translation>
    </message>
    <message numerus="yes">
        <source>Add the %n track(s) as clips. Tracks without a title are named with this prefix and their number:</source>
        <translation>
            <numerusform>Добавить %n трек как фрагмент. Треки без названия получат имя из этого префикса и своего номера:</numerusform>
            <numerusform>Добавить %n трека как фрагменты. Треки без названия получат имя из этого префикса и своего номера:</numerusform>
            <numerusform>Добавить %n треков как фрагменты. Треки без названия получат имя из этого префикса и своего номера:</numerusform>
        </translation>
    </message>
    <message>
        <source>Add as clips</source>
        <translation>Добавить как фрагменты</translation>
    </message>
    <message>
        <source>A prefix takes letters, digits, &quot;-&quot; and &quot;_&quot; only.</source>
        <translation>Префикс может содержать только буквы, цифры, &quot;-&quot; и &quot;_&quot;.</translation>
    </message>
    <message>
        <source>The tracks could not be added as clips: %1</source>
        <translation>Не удалось добавить треки как фрагменты: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; as %2</source>
        <translation>«%1» как %2</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) added. Clip names take letters, digits, &quot;-&quot; and &quot;_&quot; only, and no name twice; these titles were named otherwise:</source>
        <translation>
            <numerusform>Добавлен %n фрагмент. Имена фрагментов могут содержать только буквы, цифры, &quot;-&quot; и &quot;_&quot; и не могут повторяться; эти названия заменены другими:</numerusform>
            <numerusform>Добавлено %n фрагмента. Имена фрагментов могут содержать только буквы, цифры, &quot;-&quot; и &quot;_&quot; и не могут повторяться; эти названия заменены другими:</numerusform>
            <numerusform>Добавлено %n фрагментов. Имена фрагментов могут содержать только буквы, цифры, &quot;-&quot; и &quot;_&quot; и не могут повторяться; эти названия заменены другими:</numerusform>
        </translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; cannot be opened.<byte value="xd"/>
%2</source>
        <translation>Не удаётся открыть CUE-файл «%1».<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; does not fit its sound.<byte value="xd"/>
%2</source>
        <translation>CUE-файл «%1» не соответствует своему звуку.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; could not be written: %2</source>
        <translation>Не удаётся записать CUE-файл «%1»: %2</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>Undo %1</source>
        <translation>Отменить: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Повторить: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
</context>
<context>
    <name>WavFile</name>
    <message>
        <source>the file does not exist</source>
        <translation>файл не существует</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>файл не удаётся прочитать</translation>
    </message>
    <message>
        <source>the file is not a WAVE file</source>
        <translation>файл не является файлом WAVE</translation>
    </message>
    <message>
        <source>the file holds compressed or unsupported sound</source>
        <translation>файл содержит сжатый или неподдерживаемый звук</translation>
    </message>
    <message>
        <source>the file&apos;s header is damaged or truncated</source>
        <translation>заголовок файла повреждён или обрезан</translation>
    </message>
    <message>
        <source>the file cannot be created there</source>
        <translation>файл нельзя создать в этом месте</translation>
    </message>
    <message>
        <source>writing the file failed</source>
        <translation>не удалось записать файл</translation>
    </message>
    <message>
        <source>the sound is too long for a WAVE file (4 GiB)</source>
        <translation>звук слишком длинный для файла WAVE (4 ГиБ)</translation>
    </message>
    <message>
        <source>the sound to save could not be read</source>
        <translation>не удалось прочитать сохраняемый звук</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cut, collect and join sounds into one MP3 or WAV file.</source>
        <translation>Вырезайте, собирайте и склеивайте звуки в один файл MP3 или WAV.</translation>
    </message>
    <message>
        <source>Mark pieces, list them, and save the list as one file.</source>
        <translation>Отмечайте фрагменты, составляйте из них список и сохраняйте его одним файлом.</translation>
    </message>
</context>
<context>
    <name>trevisto::ClipLoudness</name>
    <message>
        <source>measuring loudness…</source>
        <translation>измерение громкости…</translation>
    </message>
</context>
</TS>
