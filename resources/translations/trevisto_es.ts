<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Captions</name>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Find pauses...</source>
        <translation>Buscar pausas...</translation>
    </message>
    <message>
        <source>Split every N minutes...</source>
        <translation>Cortar cada N minutos...</translation>
    </message>
    <message>
        <source>Add split point</source>
        <translation>Añadir punto de corte</translation>
    </message>
    <message>
        <source>Remove split point</source>
        <translation>Quitar punto de corte</translation>
    </message>
    <message>
        <source>Clear split points</source>
        <translation>Quitar todos los puntos de corte</translation>
    </message>
    <message>
        <source>Add tracks as clips...</source>
        <translation>Añadir las pistas como clips...</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Write a cue sheet beside each join</source>
        <translation>Escribir una hoja CUE junto a cada unión</translation>
    </message>
    <message>
        <source>Ask for tags when saving</source>
        <translation>Preguntar por las etiquetas al guardar</translation>
    </message>
    <message>
        <source>Before a file is saved or joined, show the title, artist and other tags it will carry, to change them</source>
        <translation>Antes de guardar o unir un archivo, mostrar el título, el artista y las demás etiquetas que llevará, para cambiarlas</translation>
    </message>
    <message>
        <source>&amp;Join options...</source>
        <translation>Opciones de &amp;unión...</translation>
    </message>
    <message>
        <source>Loudness, crossfades and fades for every join</source>
        <translation>Sonoridad, fundidos cruzados y fundidos para cada unión</translation>
    </message>
    <message>
        <source>&amp;Hear the joint</source>
        <translation>&amp;Escuchar la unión</translation>
    </message>
    <message>
        <source>Plays the two seconds around the selected clip&apos;s joint with the next one, as the join will make them (Ctrl+J)</source>
        <translation>Reproduce los dos segundos alrededor de la unión del clip seleccionado con el siguiente, tal como los hará la unión (Ctrl+J)</translation>
    </message>
</context>
<context>
    <name>ClipSteps</name>
    <message>
        <source>Add clip %1</source>
        <translation>Añadir el clip %1</translation>
    </message>
    <message>
        <source>Move clip %1</source>
        <translation>Mover el clip %1</translation>
    </message>
    <message>
        <source>Delete clip %1</source>
        <translation>Borrar el clip %1</translation>
    </message>
    <message>
        <source>Delete all clips</source>
        <translation>Borrar todos los clips</translation>
    </message>
    <message>
        <source>Delete the clips joined into %1</source>
        <translation>Borrar los clips unidos en %1</translation>
    </message>
    <message numerus="yes">
        <source>Add %n clip(s)</source>
        <translation>
            <numerusform>Añadir %n clip</numerusform>
            <numerusform>Añadir %n clips</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Clips</name>
    <message>
        <source>The clip &quot;%1&quot; cannot be saved as &quot;%2&quot;: %3<byte value="xd"/>
%4</source>
        <translation>El clip &quot;%1&quot; no se puede guardar como &quot;%2&quot;: %3<byte value="xd"/>
%4</translation>
    </message>
</context>
<context>
    <name>CloseView</name>
    <message>
        <source>%1 s shown</source>
        <translation>%1 s visibles</translation>
    </message>
    <message>
        <source>%1 ms shown</source>
        <translation>%1 ms visibles</translation>
    </message>
    <message>
        <source>Close view of the sound</source>
        <translation>Vista de cerca del sonido</translation>
    </message>
    <message>
        <source>▶ In to Out</source>
        <translation>▶ De In a Out</translation>
    </message>
    <message>
        <source>Plays from Mark In to Mark Out (Shift+Space)</source>
        <translation>Reproduce de Mark In a Mark Out (Mayús+Espacio)</translation>
    </message>
    <message>
        <source>▶ 2 s from In</source>
        <translation>▶ 2 s desde In</translation>
    </message>
    <message>
        <source>Plays the two seconds from Mark In ([)</source>
        <translation>Reproduce los dos segundos desde Mark In ([)</translation>
    </message>
    <message>
        <source>▶ 2 s to Out</source>
        <translation>▶ 2 s hasta Out</translation>
    </message>
    <message>
        <source>Plays the two seconds up to Mark Out (])</source>
        <translation>Reproduce los dos segundos hasta Mark Out (])</translation>
    </message>
    <message>
        <source>Ctrl+wheel, Ctrl+Plus and Ctrl+Minus zoom; Ctrl+0 shows the whole sound, Ctrl+E Mark In to Mark Out.
The wheel or a drag scrolls; a click moves the play position.
Drag a mark&apos;s handle to move it; drag across the ruler, or Shift+drag, to mark a range.
Double-click the In or Out time to type it to the millisecond.
Shift+Space plays from Mark In to Mark Out, [ the first two seconds, ] the last two.
, and . step 10 ms, with Shift one second.</source>
        <translation>Ctrl+rueda, Ctrl+Más y Ctrl+Menos amplían; Ctrl+0 muestra todo el sonido, Ctrl+E de Mark In a Mark Out.
La rueda o arrastrar desplaza; un clic mueve la posición de reproducción.
Arrastre el asa de una marca para moverla; arrastre por la regla, o con Mayús, para marcar un intervalo.
Haga doble clic en la hora de entrada o salida para escribirla al milisegundo.
Mayús+Espacio reproduce de Mark In a Mark Out, [ los dos primeros segundos, ] los dos últimos.
, y . avanzan 10 ms, con Mayús un segundo.</translation>
    </message>
    <message>
        <source>Snap marks to zero crossings</source>
        <translation>Ajustar las marcas a los cruces por cero</translation>
    </message>
    <message>
        <source>Every mark placed or dragged goes to the nearest zero crossing within 5 ms</source>
        <translation>Cada marca puesta o arrastrada va al cruce por cero más cercano en 5 ms</translation>
    </message>
    <message>
        <source>The option cannot be saved in &quot;%1&quot;: %2.</source>
        <translation>No se puede guardar la opción en &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>Entrada %1</translation>
    </message>
    <message>
        <source>Out %1</source>
        <translation>Salida %1</translation>
    </message>
    <message>
        <source>Type the time as hh:mm:ss.mmm; Enter sets it, Escape leaves it.</source>
        <translation>Escriba la hora como hh:mm:ss.mmm; Intro la fija, Esc la deja.</translation>
    </message>
    <message>
        <source>Mark In cannot be after Mark Out.</source>
        <translation>Mark In no puede ir después de Mark Out.</translation>
    </message>
    <message>
        <source>Mark Out cannot be before Mark In.</source>
        <translation>Mark Out no puede ir antes de Mark In.</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Posición %1</translation>
    </message>
    <message>
        <source>Mark In, typed as hh:mm:ss.mmm</source>
        <translation>Mark In, escrito como hh:mm:ss.mmm</translation>
    </message>
    <message>
        <source>Mark Out, typed as hh:mm:ss.mmm</source>
        <translation>Mark Out, escrito como hh:mm:ss.mmm</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Hours of the time to go to</source>
        <translation>Horas del tiempo al que ir</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Minutes of the time to go to</source>
        <translation>Minutos del tiempo al que ir</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Seconds of the time to go to</source>
        <translation>Segundos del tiempo al que ir</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <source>Play from the time chosen above</source>
        <translation>Reproducir desde el tiempo elegido arriba</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>The whole sound: click or drag to play from there</source>
        <translation>Todo el sonido: haga clic o arrastre para reproducir desde ahí</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Master volume of the sound card</source>
        <translation>Volumen general de la tarjeta de sonido</translation>
    </message>
    <message>
        <source>Mark In</source>
        <translation>Marcar inicio</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>Marcar fin</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Play the cut</source>
        <translation>Reproducir el corte</translation>
    </message>
    <message>
        <source>Stop the cut</source>
        <translation>Detener el corte</translation>
    </message>
    <message>
        <source>Save the cut as MP3</source>
        <translation>Guardar el corte como MP3</translation>
    </message>
    <message>
        <source>Save the cut as WAV</source>
        <translation>Guardar el corte como WAV</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>End the program and delete its working files</source>
        <translation>Salir del programa y borrar sus archivos de trabajo</translation>
    </message>
    <message>
        <source>Add to list</source>
        <translation>Añadir a la lista</translation>
    </message>
    <message>
        <source>Clips</source>
        <translation>Lista de clips</translation>
    </message>
    <message>
        <source>Play list</source>
        <translation>Reproducir lista</translation>
    </message>
    <message>
        <source>Play the clips one after another, from the selected one</source>
        <translation>Reproducir los clips uno tras otro, desde el seleccionado</translation>
    </message>
    <message>
        <source>Stop list</source>
        <translation>Detener lista</translation>
    </message>
    <message>
        <source>Stop playing the list</source>
        <translation>Detener la reproducción de la lista</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move the selected clip up</source>
        <translation>Subir el clip seleccionado</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move the selected clip down</source>
        <translation>Bajar el clip seleccionado</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>Borrar clip</translation>
    </message>
    <message>
        <source>Delete all clips</source>
        <translation>Borrar todos los clips</translation>
    </message>
    <message>
        <source>Join as WAV</source>
        <translation>Unir como WAV</translation>
    </message>
    <message>
        <source>Join as MP3</source>
        <translation>Unir como MP3</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Choose a sound file to open</source>
        <translation>Elegir un archivo de sonido para abrir</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>Estado del codificador</translation>
    </message>
    <message>
        <source>Currently/Total</source>
        <translation>Actual/Total</translation>
    </message>
    <message>
        <source>Time Frame</source>
        <translation>Marco de tiempo</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <source>Mp3 Segment</source>
        <translation>Segmento MP3</translation>
    </message>
    <message>
        <source>New Mp3</source>
        <translation>Nuevo MP3</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Back 2 seconds</source>
        <translation>Retroceder 2 segundos</translation>
    </message>
    <message>
        <source>On 1 second</source>
        <translation>Avanzar 1 segundo</translation>
    </message>
    <message>
        <source>Delete the selected clip</source>
        <translation>Borrar el clip seleccionado</translation>
    </message>
    <message>
        <source>Delete every clip of the list</source>
        <translation>Borrar todos los clips de la lista</translation>
    </message>
    <message>
        <source>Save the cut as an MP3 file</source>
        <translation>Guardar el corte como archivo MP3</translation>
    </message>
    <message>
        <source>Save the cut as a WAV file</source>
        <translation>Guardar el corte como archivo WAV</translation>
    </message>
    <message>
        <source>Join every clip into one WAV file</source>
        <translation>Unir todos los clips en un archivo WAV</translation>
    </message>
    <message>
        <source>Join every clip into one MP3 file</source>
        <translation>Unir todos los clips en un archivo MP3</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Cortar</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>A conversion is already under way.</source>
        <translation>Ya hay una conversión en curso.</translation>
    </message>
    <message>
        <source>The working file &quot;%1&quot; cannot be replaced: %2.</source>
        <translation>No se puede reemplazar el archivo de trabajo &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The working file &quot;%1&quot; cannot be created: %2.</source>
        <translation>No se puede crear el archivo de trabajo &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Writing the working file &quot;%1&quot; failed: %2.</source>
        <translation>Error al escribir el archivo de trabajo &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The source could not be read to its end (error code %1, after %2 bytes).</source>
        <translation>No se pudo leer el origen hasta el final (código de error %1, tras %2 bytes).</translation>
    </message>
    <message>
        <source>The sound is too long: &quot;%1&quot; holds its first %2 bytes, the most one WAV file can hold.</source>
        <translation>El sonido es demasiado largo: &quot;%1&quot; contiene sus primeros %2 bytes, el máximo que admite un archivo WAV.</translation>
    </message>
    <message>
        <source>Completing the working file &quot;%1&quot; failed: %2.</source>
        <translation>No se pudo completar el archivo de trabajo &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>the sound&apos;s format is not one that can be converted</source>
        <translation>el formato del sonido no se puede convertir</translation>
    </message>
    <message>
        <source>the target format is not one that can be converted to</source>
        <translation>no se puede convertir al formato de destino</translation>
    </message>
</context>
<context>
    <name>CopySaving</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Keep the source&apos;s MP3 frames: no re-encoding</source>
        <translation>Conservar las tramas MP3 del origen: sin volver a codificar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>No se pudo escribir &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Encoded again at %1 kbit/s: %2.</source>
        <translation>Codificado de nuevo a %1 kbit/s: %2.</translation>
    </message>
    <message>
        <source>Joints encoded again: %1.</source>
        <translation>Uniones codificadas de nuevo: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stays %2 dB under the loudness asked for: more would take its peak past -1 dBTP.</source>
        <translation>«%1» queda %2 dB por debajo de la sonoridad pedida: más llevaría su pico por encima de -1 dBTP.</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: the crossfades overlap them.</source>
        <translation>El sonido unido dura %1, %2 ms menos que la suma de los clips: los fundidos cruzados los solapan.</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: MP3 frames are whole, and each joint encoded again loses less than a frame.</source>
        <translation>El sonido unido dura %1, %2 ms menos que la suma de los clips: las tramas MP3 son enteras, y cada unión codificada de nuevo pierde menos de una trama.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stays %2 dB under the loudness asked for: copied MP3 frames change their level in steps of 1.5 dB.</source>
        <translation>«%1» queda %2 dB por debajo de la sonoridad pedida: los cuadros MP3 copiados cambian su nivel en pasos de 1,5 dB.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; goes %2 dB over the loudness asked for: copied MP3 frames change their level in steps of 1.5 dB.</source>
        <translation>«%1» queda %2 dB por encima de la sonoridad pedida: los cuadros MP3 copiados cambian su nivel en pasos de 1,5 dB.</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: the crossfades overlap them, each widened by less than a frame to whole MP3 frames.</source>
        <translation>El sonido unido dura %1, %2 ms menos de lo que suman los clips: los fundidos cruzados los solapan, cada uno ensanchado menos de una trama hasta tramas MP3 enteras.</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>Line %1 of the cue sheet: %2</source>
        <translation>Línea %1 de la hoja CUE: %2</translation>
    </message>
    <message>
        <source>This is not a cue sheet: it holds binary data.</source>
        <translation>Esto no es una hoja CUE: contiene datos binarios.</translation>
    </message>
    <message>
        <source>a quotation mark is not closed.</source>
        <translation>unas comillas no están cerradas.</translation>
    </message>
    <message>
        <source>FILE names no file.</source>
        <translation>FILE no indica ningún archivo.</translation>
    </message>
    <message>
        <source>a second FILE; only sheets of one sound file can be opened.</source>
        <translation>un segundo FILE; solo se pueden abrir hojas CUE de un único archivo de sonido.</translation>
    </message>
    <message>
        <source>TRACK before any FILE.</source>
        <translation>TRACK antes del primer FILE.</translation>
    </message>
    <message>
        <source>this track has no INDEX 01.</source>
        <translation>esta pista no tiene INDEX 01.</translation>
    </message>
    <message>
        <source>a track number must be 1 to 99.</source>
        <translation>el número de pista debe estar entre 1 y 99.</translation>
    </message>
    <message>
        <source>only AUDIO tracks can be opened.</source>
        <translation>solo se pueden abrir pistas AUDIO.</translation>
    </message>
    <message>
        <source>INDEX outside a TRACK.</source>
        <translation>INDEX fuera de un TRACK.</translation>
    </message>
    <message>
        <source>an INDEX is written as INDEX nn mm:ss:ff.</source>
        <translation>un INDEX se escribe como INDEX nn mm:ss:ff.</translation>
    </message>
    <message>
        <source>a second INDEX 01 in one track.</source>
        <translation>un segundo INDEX 01 en la misma pista.</translation>
    </message>
    <message>
        <source>this track starts no later than the one before it.</source>
        <translation>esta pista no empieza después de la anterior.</translation>
    </message>
    <message>
        <source>The cue sheet names no sound file (it has no FILE line).</source>
        <translation>La hoja CUE no indica ningún archivo de sonido (no tiene línea FILE).</translation>
    </message>
    <message>
        <source>The cue sheet has no TRACK.</source>
        <translation>La hoja CUE no tiene ningún TRACK.</translation>
    </message>
    <message>
        <source>The cue sheet cannot be read: %1</source>
        <translation>No se puede leer la hoja CUE: %1</translation>
    </message>
    <message>
        <source>The file is %1 MB; a cue sheet is at most %2 MB.</source>
        <translation>El archivo ocupa %1 MB; una hoja CUE ocupa como máximo %2 MB.</translation>
    </message>
    <message>
        <source>the sound file %1 is not there.</source>
        <translation>el archivo de sonido %1 no existe.</translation>
    </message>
    <message>
        <source>track %1 starts at %2, past the end of the sound.</source>
        <translation>la pista %1 empieza en %2, después del final del sonido.</translation>
    </message>
</context>
<context>
    <name>Cutting</name>
    <message>
        <source>The cut of &quot;%1&quot; into &quot;%2&quot; could not be made: %3<byte value="xd"/>
%4</source>
        <translation>No se pudo recortar &quot;%1&quot; en &quot;%2&quot;: %3<byte value="xd"/>
%4</translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>The command is not recognised.</source>
        <translation>No se reconoce la orden.</translation>
    </message>
    <message>
        <source>The command is missing a file name, an alias or a position.</source>
        <translation>A la orden le falta un nombre de archivo, un alias o una posición.</translation>
    </message>
    <message>
        <source>The command contains a word it does not accept.</source>
        <translation>La orden contiene una palabra que no admite.</translation>
    </message>
    <message>
        <source>No sound is open under that name.</source>
        <translation>No hay ningún sonido abierto con ese nombre.</translation>
    </message>
    <message>
        <source>A sound is already open under that name.</source>
        <translation>Ya hay un sonido abierto con ese nombre.</translation>
    </message>
    <message>
        <source>A position is not a whole, non-negative number of milliseconds.</source>
        <translation>Una posición no es un número entero y no negativo de milisegundos.</translation>
    </message>
    <message>
        <source>The start position lies after the end position.</source>
        <translation>La posición inicial está después de la posición final.</translation>
    </message>
    <message>
        <source>The file cannot be found.</source>
        <translation>No se encuentra el archivo.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>The file is not a WAVE sound file.</source>
        <translation>El archivo no es un archivo de sonido WAVE.</translation>
    </message>
    <message>
        <source>The file holds compressed or unsupported sound; only uncompressed PCM and float WAVE files can be used.</source>
        <translation>El archivo contiene sonido comprimido o no compatible; solo se pueden usar archivos WAVE PCM sin comprimir y de coma flotante.</translation>
    </message>
    <message>
        <source>The file&apos;s header is damaged or incomplete.</source>
        <translation>La cabecera del archivo está dañada o incompleta.</translation>
    </message>
    <message>
        <source>Only waveaudio sounds can be opened.</source>
        <translation>Solo se pueden abrir sonidos waveaudio.</translation>
    </message>
    <message>
        <source>The file cannot be written: check that the folder exists, is writable and has room.</source>
        <translation>No se puede escribir el archivo: compruebe que la carpeta existe, admite escritura y tiene espacio.</translation>
    </message>
    <message>
        <source>The result would be larger than the 4 GiB a WAVE file can hold.</source>
        <translation>El resultado superaría los 4 GiB que puede contener un archivo WAVE.</translation>
    </message>
    <message>
        <source>No sound file is open.</source>
        <translation>No hay ningún archivo de sonido abierto.</translation>
    </message>
    <message>
        <source>No sound output is available.</source>
        <translation>No hay ninguna salida de sonido disponible.</translation>
    </message>
    <message>
        <source>The file cannot be written: %1.</source>
        <translation>No se puede escribir el archivo: %1.</translation>
    </message>
</context>
<context>
    <name>DiskSpace</name>
    <message>
        <source>There is not enough room on the disk for &quot;%1&quot;: it needs %2, and %3 is free.</source>
        <translation>No hay espacio suficiente en el disco para «%1»: necesita %2 y hay %3 libres.</translation>
    </message>
</context>
<context>
    <name>Dropping</name>
    <message>
        <source>Drop one sound file at a time.</source>
        <translation>Suelte un solo archivo de sonido cada vez.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file on this computer.</source>
        <translation>&quot;%1&quot; no es un archivo de este equipo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder. Drop a sound file.</source>
        <translation>&quot;%1&quot; es una carpeta. Suelte un archivo de sonido.</translation>
    </message>
</context>
<context>
    <name>Encoder</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The MP3 encoder could not start (out of memory)</source>
        <translation>El codificador MP3 no pudo iniciarse (memoria insuficiente)</translation>
    </message>
    <message>
        <source>The MP3 encoder refused %1 kbit/s at %2 Hz</source>
        <translation>El codificador MP3 rechazó %1 kbit/s a %2 Hz</translation>
    </message>
    <message>
        <source>The MP3 encoder failed on &quot;%1&quot; (error %2)</source>
        <translation>El codificador MP3 falló con &quot;%1&quot; (error %2)</translation>
    </message>
    <message>
        <source>No info frame fits at %1 Hz</source>
        <translation>No cabe ningún marco de información a %1 Hz</translation>
    </message>
    <message>
        <source>The MP3 encoder failed at the end of &quot;%1&quot;</source>
        <translation>El codificador MP3 falló al final de &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The MP3 encoder gave no info frame for &quot;%1&quot;</source>
        <translation>El codificador MP3 no generó ningún marco de información para &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cannot convert &quot;%1&quot;: %2</source>
        <translation>No se puede convertir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot convert &quot;%1&quot;</source>
        <translation>No se puede convertir &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>No se puede leer &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>el archivo terminó antes de tiempo</translation>
    </message>
    <message>
        <source>An encoding is already running; &quot;%1&quot; was not started</source>
        <translation>Ya hay una codificación en curso; no se inició &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No file name was given for the MP3 file</source>
        <translation>No se indicó ningún nombre para el archivo MP3</translation>
    </message>
    <message>
        <source>Cannot encode &quot;%1&quot;: it has %2 channels and MP3 holds at most two</source>
        <translation>No se puede codificar &quot;%1&quot;: tiene %2 canales y MP3 admite como máximo dos</translation>
    </message>
    <message>
        <source>%1 Hz is not possible in MP3; encoded at %2 Hz</source>
        <translation>%1 Hz no es posible en MP3; codificado a %2 Hz</translation>
    </message>
    <message>
        <source>%1 kbit/s is not possible at %2 Hz; encoded at %3 kbit/s</source>
        <translation>%1 kbit/s no es posible a %2 Hz; codificado a %3 kbit/s</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a folder</source>
        <translation>No se puede escribir &quot;%1&quot;: es una carpeta</translation>
    </message>
    <message>
        <source>Out of memory while encoding &quot;%1&quot;</source>
        <translation>Memoria insuficiente al codificar &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The encoding of &quot;%1&quot; failed</source>
        <translation>La codificación de &quot;%1&quot; falló</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>No se puede guardar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The encoding of &quot;%1&quot; was cancelled</source>
        <translation>Se canceló la codificación de &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>Frmwait</name>
    <message>
        <source>Please wait</source>
        <translation>Espere, por favor</translation>
    </message>
    <message>
        <source>Copying…</source>
        <translation>Copiando…</translation>
    </message>
    <message>
        <source>Joining…</source>
        <translation>Uniendo…</translation>
    </message>
    <message>
        <source>Encoding…</source>
        <translation>Codificando…</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
</context>
<context>
    <name>JoinClips</name>
    <message>
        <source>the folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>No se puede leer &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>No se puede escribir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>There are no clips to join.</source>
        <translation>No hay clips que unir.</translation>
    </message>
    <message>
        <source>the joined sound would be longer than a WAVE file can hold (more than %1 bytes of sound)</source>
        <translation>el sonido unido sería más largo de lo que admite un archivo WAVE (más de %1 bytes de sonido)</translation>
    </message>
    <message>
        <source>The join was cancelled.</source>
        <translation>Se canceló la unión.</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>el archivo terminó antes de tiempo</translation>
    </message>
    <message>
        <source>its sound could not be converted</source>
        <translation>no se pudo convertir su sonido</translation>
    </message>
    <message>
        <source>the joined sound came out at another length than planned</source>
        <translation>el sonido unido resultó de una duración distinta de la prevista</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds less sound than its header says: the file was cut short.</source>
        <translation>&quot;%1&quot; contiene menos sonido del que indica su cabecera: el archivo se ha recortado.</translation>
    </message>
</context>
<context>
    <name>JoinOptionsText</name>
    <message>
        <source>The loudness to match is empty (off), -23, -18, -16 or -14 LUFS, not &quot;%1&quot;.</source>
        <translation>La sonoridad a igualar es vacía (desactivada), -23, -18, -16 o -14 LUFS, no «%1».</translation>
    </message>
    <message>
        <source>The crossfade is 0 (none) or 5 to 5000 ms, not &quot;%1&quot;.</source>
        <translation>El fundido cruzado es 0 (ninguno) o de 5 a 5000 ms, no «%1».</translation>
    </message>
    <message>
        <source>A fade is 0 to 10000 ms.</source>
        <translation>Un fundido dura de 0 a 10000 ms.</translation>
    </message>
</context>
<context>
    <name>JoinTimeline</name>
    <message>
        <source>&quot;%1&quot; cannot be read</source>
        <translation>No se puede leer «%1»</translation>
    </message>
</context>
<context>
    <name>Joining</name>
    <message>
        <source>The clips cannot be joined into &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Los clips no se pueden unir en &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Start the next MP3 file when it is done.</source>
        <translation>Todavía se está escribiendo &quot;%1&quot;. Empiece el siguiente archivo MP3 cuando termine.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>No se puede escribir &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>No se pudo escribir &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Start the next file when it is done.</source>
        <translation>Todavía se está escribiendo &quot;%1&quot;. Empiece el siguiente archivo cuando termine.</translation>
    </message>
    <message>
        <source>Match loudness (LUFS):</source>
        <translation>Igualar sonoridad (LUFS):</translation>
    </message>
    <message>
        <source>Crossfade at each joint (ms):</source>
        <translation>Fundido cruzado en cada unión (ms):</translation>
    </message>
    <message>
        <source>Fade-in (ms):</source>
        <translation>Entrada gradual (ms):</translation>
    </message>
    <message>
        <source>Fade-out (ms):</source>
        <translation>Salida gradual (ms):</translation>
    </message>
    <message>
        <source>Empty: every clip keeps its level. -23, -18, -16 or -14: each clip is brought to that loudness, less where its peak would pass -1 dBTP.</source>
        <translation>Vacío: cada clip conserva su nivel. -23, -18, -16 o -14: cada clip se lleva a esa sonoridad, menos donde su pico pasaría de -1 dBTP.</translation>
    </message>
    <message>
        <source>0: a plain splice. 5 to 5000: the clips overlap by that much at each joint, one fading into the other. 10 takes the clicks out of the joints.</source>
        <translation>0: un corte simple. 5 a 5000: los clips se solapan ese tiempo en cada unión, uno fundiéndose en el otro. 10 quita los chasquidos de las uniones.</translation>
    </message>
    <message>
        <source>0 to 10000: the joined sound rises from silence over this long.</source>
        <translation>0 a 10000: el sonido unido sube desde el silencio durante ese tiempo.</translation>
    </message>
    <message>
        <source>0 to 10000: the joined sound falls to silence over this long.</source>
        <translation>0 a 10000: el sonido unido baja hasta el silencio durante ese tiempo.</translation>
    </message>
    <message>
        <source>How the clips are joined, in every join from now on.</source>
        <translation>Cómo se unen los clips, en cada unión a partir de ahora.</translation>
    </message>
    <message>
        <source>Join options</source>
        <translation>Opciones de unión</translation>
    </message>
    <message>
        <source>The join options hold for this run only: %1</source>
        <translation>Las opciones de unión valen solo para esta ejecución: %1</translation>
    </message>
    <message>
        <source>Select a clip that has another one after it: the joint between them plays.</source>
        <translation>Seleccione un clip que tenga otro después: se reproduce la unión entre ambos.</translation>
    </message>
    <message>
        <source>The joint cannot be played.<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>La unión no se puede reproducir.<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>Loading</name>
    <message>
        <source>&quot;%1&quot; is still being converted. Open the next sound when it is done.</source>
        <translation>Todavía se está convirtiendo &quot;%1&quot;. Abra el siguiente sonido cuando termine.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being copied. Open the next sound when it is done.</source>
        <translation>Todavía se está copiando &quot;%1&quot;. Abra el siguiente sonido cuando termine.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot take the place of the working file &quot;%2&quot;: %3.</source>
        <translation>&quot;%1&quot; no puede sustituir al archivo de trabajo &quot;%2&quot;: %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>No se puede abrir &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Its %1 channels were mixed down to stereo.</source>
        <translation>Sus %1 canales se han mezclado en estéreo.</translation>
    </message>
</context>
<context>
    <name>Mp3Copy</name>
    <message>
        <source>the cut does not come from an MP3 file</source>
        <translation>el recorte no procede de un archivo MP3</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Mp3Frames</name>
    <message>
        <source>the source MP3 file cannot be read</source>
        <translation>no se puede leer el archivo MP3 de origen</translation>
    </message>
    <message>
        <source>the source holds no MPEG Layer III frames</source>
        <translation>el origen no contiene tramas MPEG Layer III</translation>
    </message>
    <message>
        <source>the source is a free-format MP3</source>
        <translation>el origen es un MP3 de formato libre</translation>
    </message>
    <message>
        <source>the cut does not lie within the source MP3</source>
        <translation>el recorte no está dentro del MP3 de origen</translation>
    </message>
    <message>
        <source>the cut is shorter than one MP3 frame</source>
        <translation>el recorte es más corto que una trama MP3</translation>
    </message>
    <message>
        <source>the source MP3 has a damaged frame inside the cut</source>
        <translation>el MP3 de origen tiene una trama dañada dentro del recorte</translation>
    </message>
    <message>
        <source>the source MP3 file has changed since it was opened</source>
        <translation>el archivo MP3 de origen ha cambiado desde que se abrió</translation>
    </message>
    <message>
        <source>the sources differ in MPEG version, sample rate or channels</source>
        <translation>los orígenes difieren en versión MPEG, frecuencia de muestreo o canales</translation>
    </message>
    <message>
        <source>the MP3 file cannot be written</source>
        <translation>no se puede escribir el archivo MP3</translation>
    </message>
    <message>
        <source>no MPEG Layer III frame starts within the first megabyte of the source</source>
        <translation>ninguna trama MPEG Layer III empieza en el primer megabyte del origen</translation>
    </message>
    <message>
        <source>the cut lies in the first frames of the source MP3, which take bit-reservoir bytes from before the start of the file</source>
        <translation>el recorte está en las primeras tramas del MP3 de origen, que toman bytes de la reserva de bits de antes del inicio del archivo</translation>
    </message>
    <message>
        <source>the cut crosses the point where two MP3 streams were put end to end in the source</source>
        <translation>el recorte cruza el punto donde en el origen se pusieron dos flujos MP3 uno tras otro</translation>
    </message>
    <message>
        <source>the info frame of the source MP3 contradicts its frames</source>
        <translation>la trama de información del MP3 de origen contradice sus tramas</translation>
    </message>
</context>
<context>
    <name>Mp3Join</name>
    <message>
        <source>a clip does not come from an MP3 file</source>
        <translation>un clip no procede de un archivo MP3</translation>
    </message>
    <message>
        <source>a clip file does not hold the sound it was cut as</source>
        <translation>un archivo de clip no contiene el sonido con el que se recortó</translation>
    </message>
    <message>
        <source>a clip is too short to be joined without encoding it again</source>
        <translation>un clip es demasiado corto para unirlo sin volver a codificarlo</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at a joint</source>
        <translation>el codificador MP3 rechazó el sonido de una unión</translation>
    </message>
    <message>
        <source>the frames at a joint cannot carry the bit reservoir</source>
        <translation>las tramas de una unión no pueden llevar la reserva de bits</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>monoaural</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>estéreo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) and &quot;%3&quot; (%4) differ in MPEG version, sample rate or channels</source>
        <translation>&quot;%1&quot; (%2) y &quot;%3&quot; (%4) difieren en versión MPEG, frecuencia de muestreo o canales</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at the start</source>
        <translation>el codificador MP3 rechazó el sonido del principio</translation>
    </message>
    <message>
        <source>the frames at the start cannot carry the bit reservoir</source>
        <translation>las tramas del principio no pueden llevar la reserva de bits</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at the end</source>
        <translation>el codificador MP3 rechazó el sonido del final</translation>
    </message>
    <message>
        <source>a fade reaches the frames encoded again at a joint or for the other fade</source>
        <translation>un fundido alcanza las tramas codificadas de nuevo en una unión o para el otro fundido</translation>
    </message>
</context>
<context>
    <name>OpenWav</name>
    <message>
        <source>&quot;%1&quot; cannot be opened: %2</source>
        <translation>No se puede abrir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be copied to the working file &quot;%2&quot;: %3.</source>
        <translation>No se puede copiar &quot;%1&quot; en el archivo de trabajo &quot;%2&quot;: %3.</translation>
    </message>
</context>
<context>
    <name>PauseForm</name>
    <message>
        <source>Threshold (dBFS, empty for automatic):</source>
        <translation>Umbral (dBFS, vacío para automático):</translation>
    </message>
    <message>
        <source>Shortest pause (s):</source>
        <translation>Pausa más corta (s):</translation>
    </message>
    <message>
        <source>Shortest track (s):</source>
        <translation>Pista más corta (s):</translation>
    </message>
    <message>
        <source>Pause kept before a split (ms, empty for its middle):</source>
        <translation>Pausa conservada antes de un corte (ms, vacío para su mitad):</translation>
    </message>
    <message>
        <source>The pause search needs four answers.</source>
        <translation>La búsqueda de pausas necesita cuatro respuestas.</translation>
    </message>
    <message>
        <source>The threshold must be a level from -120 to 0 dBFS, or empty.</source>
        <translation>El umbral debe ser un nivel de -120 a 0 dBFS, o quedar vacío.</translation>
    </message>
    <message>
        <source>The shortest pause must be from 0.05 to 600 seconds.</source>
        <translation>La pausa más corta debe ser de 0,05 a 600 segundos.</translation>
    </message>
    <message>
        <source>The shortest track must be from 0 to 86400 seconds.</source>
        <translation>La pista más corta debe ser de 0 a 86400 segundos.</translation>
    </message>
    <message>
        <source>The pause kept must be from 0 to 600000 ms, or empty.</source>
        <translation>La pausa conservada debe ser de 0 a 600000 ms, o quedar vacía.</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>It is no sound or video format the program knows.</source>
        <translation>No es un formato de sonido o vídeo que el programa conozca.</translation>
    </message>
    <message>
        <source>It holds no sound.</source>
        <translation>No contiene sonido.</translation>
    </message>
    <message>
        <source>Its sound is encrypted.</source>
        <translation>Su sonido está cifrado.</translation>
    </message>
    <message>
        <source>Its sound is in a codec the program cannot decode.</source>
        <translation>Su sonido está en un códec que el programa no puede decodificar.</translation>
    </message>
    <message>
        <source>It is a list of other files or addresses, which the program does not follow.</source>
        <translation>Es una lista de otros archivos o direcciones, que el programa no sigue.</translation>
    </message>
    <message>
        <source>Its data is damaged or cut short.</source>
        <translation>Sus datos están dañados o cortados.</translation>
    </message>
    <message>
        <source>The file cannot be opened or read.</source>
        <translation>El archivo no se puede abrir ni leer.</translation>
    </message>
    <message>
        <source>Its sample rate or channel count is out of range.</source>
        <translation>Su frecuencia de muestreo o su número de canales está fuera de rango.</translation>
    </message>
    <message>
        <source>not a sound file</source>
        <translation>no es un archivo de sonido</translation>
    </message>
    <message>
        <source>Found: %1. %2</source>
        <translation>Encontrado: %1. %2</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>&quot;%1&quot; cannot be saved: %2<byte value="xd"/>
%3</source>
        <translation>No se puede guardar &quot;%1&quot;: %2<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is one of the program&apos;s working files. Choose another file.</source>
        <translation>&quot;%1&quot; es uno de los archivos de trabajo del programa. Elija otro archivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of the clip &quot;%2&quot;. Choose another file: a clip is never written over.</source>
        <translation>&quot;%1&quot; es el archivo del clip &quot;%2&quot;. Elija otro archivo: un clip nunca se sobrescribe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file the open sound came from. Choose another file: the source is never written over.</source>
        <translation>&quot;%1&quot; es el archivo del que procede el sonido abierto. Elija otro archivo: el origen nunca se sobrescribe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the MP3 file still being written. Choose another file.</source>
        <translation>&quot;%1&quot; es el archivo MP3 que aún se está escribiendo. Elija otro archivo.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The language cannot be saved in &quot;%1&quot;: %2.</source>
        <translation>No se puede guardar el idioma en &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>error n.º %1</translation>
    </message>
</context>
<context>
    <name>Shutdown</name>
    <message>
        <source>All %1 clip files of the list will be deleted.</source>
        <translation>Se eliminarán los %1 archivos de clip de la lista.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written and will not be finished.</source>
        <translation>&quot;%1&quot; aún se está escribiendo y no se terminará.</translation>
    </message>
</context>
<context>
    <name>SourceSteps</name>
    <message>
        <source>Mark In at %1</source>
        <translation>Inicio en %1</translation>
    </message>
    <message>
        <source>Mark out at %1</source>
        <translation>Fin en %1</translation>
    </message>
    <message>
        <source>Cut from %1 to %2</source>
        <translation>Corte de %1 a %2</translation>
    </message>
    <message>
        <source>Marks at %1 to %2</source>
        <translation>Marcas de %1 a %2</translation>
    </message>
</context>
<context>
    <name>SplitSteps</name>
    <message numerus="yes">
        <source>Split points at %n pause(s)</source>
        <translation>
            <numerusform>Puntos de corte en %n pausa</numerusform>
            <numerusform>Puntos de corte en %n pausas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Split points every %n minute(s)</source>
        <translation>
            <numerusform>Puntos de corte cada %n minuto</numerusform>
            <numerusform>Puntos de corte cada %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>Split points of %1</source>
        <translation>Puntos de corte de %1</translation>
    </message>
    <message>
        <source>Split point at %1</source>
        <translation>Punto de corte en %1</translation>
    </message>
    <message>
        <source>Split point at %1 removed</source>
        <translation>Punto de corte en %1 quitado</translation>
    </message>
    <message>
        <source>Split point moved from %1 to %2</source>
        <translation>Punto de corte movido de %1 a %2</translation>
    </message>
    <message>
        <source>Split points cleared</source>
        <translation>Todos los puntos de corte quitados</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>a file of that name is in the way</source>
        <translation>hay un archivo con ese nombre que lo impide</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; cannot be created: %2.<byte value="xd"/>
<byte value="xd"/>
Trevisto MP3 Editor cannot run without it.</source>
        <translation>No se puede crear la carpeta de trabajo &quot;%1&quot;: %2.<byte value="xd"/>
<byte value="xd"/>
Trevisto MP3 Editor no puede funcionar sin ella.</translation>
    </message>
    <message>
        <source>Trevisto MP3 Editor is already running with the working files in &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
Only one copy can use them at a time.</source>
        <translation>Trevisto MP3 Editor ya se está ejecutando con los archivos de trabajo en &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
Solo una copia puede usarlos a la vez.</translation>
    </message>
</context>
<context>
    <name>System</name>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>se ha agotado la cuota de disco</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>la carpeta es de solo lectura</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>no existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>una parte de la ruta no es una carpeta</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>a file of that name already exists</source>
        <translation>ya existe un archivo con ese nombre</translation>
    </message>
    <message>
        <source>the file would be too large</source>
        <translation>el archivo sería demasiado grande</translation>
    </message>
    <message>
        <source>an input/output error</source>
        <translation>un error de entrada/salida</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>el nombre es demasiado largo</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>hay demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>the file is in use</source>
        <translation>el archivo está en uso</translation>
    </message>
    <message>
        <source>the path has too many symbolic links</source>
        <translation>la ruta tiene demasiados enlaces simbólicos</translation>
    </message>
    <message>
        <source>the file cannot be moved to another disk</source>
        <translation>el archivo no se puede mover a otro disco</translation>
    </message>
    <message>
        <source>it is not a plain file but a device, a pipe or a socket</source>
        <translation>no es un archivo normal, sino un dispositivo, una tubería o un socket</translation>
    </message>
</context>
<context>
    <name>TagForm</name>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>The title the file carries</source>
        <translation>El título que lleva el archivo</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artista:</translation>
    </message>
    <message>
        <source>Who performs it</source>
        <translation>Quién lo interpreta</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Álbum:</translation>
    </message>
    <message>
        <source>The album or the programme it belongs to</source>
        <translation>El álbum o el programa al que pertenece</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>The year, or a date such as 2024-05-31</source>
        <translation>El año, o una fecha como 2024-05-31</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Género:</translation>
    </message>
    <message>
        <source>The kind of sound: a word such as Speech or Jazz</source>
        <translation>El tipo de sonido: una palabra como Habla o Jazz</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Comentario:</translation>
    </message>
    <message>
        <source>Any note that goes with the file</source>
        <translation>Cualquier nota que acompañe al archivo</translation>
    </message>
    <message>
        <source>The tags &quot;%1&quot; will carry. Pictures and lyrics of the source go with them.</source>
        <translation>Las etiquetas que llevará «%1». Las imágenes y letras de la fuente van con ellas.</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
</context>
<context>
    <name>Tracks</name>
    <message>
        <source>Steps quieter than this count as pause. Empty: a little above the sound&apos;s own noise floor.</source>
        <translation>Los pasos de medida más silenciosos que este valor cuentan como pausa. Vacío: un poco por encima del ruido de fondo del propio sonido.</translation>
    </message>
    <message>
        <source>A quiet stretch at least this long is a pause between tracks.</source>
        <translation>Un tramo silencioso de al menos esta duración es una pausa entre pistas.</translation>
    </message>
    <message>
        <source>Split points that would leave a track shorter than this are dropped.</source>
        <translation>Se descartan los puntos de corte que dejarían una pista más corta que este valor.</translation>
    </message>
    <message>
        <source>How much of each pause stays at the end of the track before it. Empty: the split falls in the pause&apos;s middle.</source>
        <translation>Cuánto de cada pausa queda al final de la pista anterior. Vacío: el corte cae en la mitad de la pausa.</translation>
    </message>
    <message>
        <source>Find the pauses in the sound, or in the marked range when marks are set.</source>
        <translation>Buscar las pausas en el sonido, o en el rango marcado si hay marcas puestas.</translation>
    </message>
    <message>
        <source>Find pauses</source>
        <translation>Buscar pausas</translation>
    </message>
    <message>
        <source>The sound &quot;%1&quot; could not be read.</source>
        <translation>No se pudo leer el sonido &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No pause of %1 s or more below %2 dBFS was found.</source>
        <translation>No se encontró ninguna pausa de %1 s o más por debajo de %2 dBFS.</translation>
    </message>
    <message>
        <source>Split every how many minutes (1 to 1440)? Each point moves to the quietest place within 30 seconds.</source>
        <translation>¿Cortar cada cuántos minutos (de 1 a 1440)? Cada punto se desplaza al lugar más silencioso dentro de 30 segundos.</translation>
    </message>
    <message>
        <source>Split every N minutes</source>
        <translation>Cortar cada N minutos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of minutes from 1 to 1440.</source>
        <translation>&quot;%1&quot; no es un número de minutos de 1 a 1440.</translation>
    </message>
    <message numerus="yes">
        <source>The sound is not longer than %n minute(s): there is nothing to split.</source>
        <translation>
            <numerusform>El sonido no dura más de %n minuto: no hay nada que cortar.</numerusform>
            <numerusform>El sonido no dura más de %n minutos: no hay nada que cortar.</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no split points: find the pauses, or add a split point, first.</source>
        <translation>No hay puntos de corte: primero busque las pausas o añada un punto de corte.</translation>
    </message>
    <message numerus="yes">
        <source>Add the %n track(s) as clips. Tracks without a title are named with this prefix and their number:</source>
        <translation>
            <numerusform>Añadir %n pista como clip. Las pistas sin título se nombran con este prefijo y su número:</numerusform>
            <numerusform>Añadir las %n pistas como clips. Las pistas sin título se nombran con este prefijo y su número:</numerusform>
        </translation>
    </message>
    <message>
        <source>Add as clips</source>
        <translation>Añadir como clips</translation>
    </message>
    <message>
        <source>A prefix takes letters, digits, &quot;-&quot; and &quot;_&quot; only.</source>
        <translation>Un prefijo solo admite letras, cifras, &quot;-&quot; y &quot;_&quot;.</translation>
    </message>
    <message>
        <source>The tracks could not be added as clips: %1</source>
        <translation>No se pudieron añadir las pistas como clips: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; as %2</source>
        <translation>&quot;%1&quot; como %2</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) added. Clip names take letters, digits, &quot;-&quot; and &quot;_&quot; only, and no name twice; these titles were named otherwise:</source>
        <translation>
            <numerusform>%n clip añadido. Los nombres de clip solo admiten letras, cifras, &quot;-&quot; y &quot;_&quot;, y ningún nombre puede repetirse; estos títulos se nombraron de otra forma:</numerusform>
            <numerusform>%n clips añadidos. Los nombres de clip solo admiten letras, cifras, &quot;-&quot; y &quot;_&quot;, y ningún nombre puede repetirse; estos títulos se nombraron de otra forma:</numerusform>
        </translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; cannot be opened.<byte value="xd"/>
%2</source>
        <translation>No se puede abrir la hoja CUE &quot;%1&quot;.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; does not fit its sound.<byte value="xd"/>
%2</source>
        <translation>La hoja CUE &quot;%1&quot; no corresponde a su sonido.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; could not be written: %2</source>
        <translation>No se pudo escribir la hoja CUE «%1»: %2</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
</context>
<context>
    <name>WavFile</name>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>the file is not a WAVE file</source>
        <translation>el archivo no es un archivo WAVE</translation>
    </message>
    <message>
        <source>the file holds compressed or unsupported sound</source>
        <translation>el archivo contiene sonido comprimido o no compatible</translation>
    </message>
    <message>
        <source>the file&apos;s header is damaged or truncated</source>
        <translation>la cabecera del archivo está dañada o truncada</translation>
    </message>
    <message>
        <source>the file cannot be created there</source>
        <translation>no se puede crear el archivo allí</translation>
    </message>
    <message>
        <source>writing the file failed</source>
        <translation>error al escribir el archivo</translation>
    </message>
    <message>
        <source>the sound is too long for a WAVE file (4 GiB)</source>
        <translation>el sonido es demasiado largo para un archivo WAVE (4 GiB)</translation>
    </message>
    <message>
        <source>the sound to save could not be read</source>
        <translation>no se pudo leer el sonido que se iba a guardar</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cut, collect and join sounds into one MP3 or WAV file.</source>
        <translation>Corte, reúna y una sonidos en un solo archivo MP3 o WAV.</translation>
    </message>
    <message>
        <source>Mark pieces, list them, and save the list as one file.</source>
        <translation>Marque fragmentos, añádalos a la lista y guarde la lista como un solo archivo.</translation>
    </message>
</context>
<context>
    <name>trevisto::ClipLoudness</name>
    <message>
        <source>measuring loudness…</source>
        <translation>midiendo la sonoridad…</translation>
    </message>
</context>
</TS>
