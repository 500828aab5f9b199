<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Captions</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Find pauses...</source>
        <translation>Pausen finden...</translation>
    </message>
    <message>
        <source>Split every N minutes...</source>
        <translation>Alle N Minuten teilen...</translation>
    </message>
    <message>
        <source>Add split point</source>
        <translation>Trennpunkt hinzufügen</translation>
    </message>
    <message>
        <source>Remove split point</source>
        <translation>Trennpunkt entfernen</translation>
    </message>
    <message>
        <source>Clear split points</source>
        <translation>Alle Trennpunkte entfernen</translation>
    </message>
    <message>
        <source>Add tracks as clips...</source>
        <translation>Tracks als Clips hinzufügen...</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Stücke</translation>
    </message>
    <message>
        <source>Write a cue sheet beside each join</source>
        <translation>Neben jedem verbundenen Stück ein Cue-Sheet schreiben</translation>
    </message>
    <message>
        <source>Ask for tags when saving</source>
        <translation>Beim Speichern nach Tags fragen</translation>
    </message>
    <message>
        <source>Before a file is saved or joined, show the title, artist and other tags it will carry, to change them</source>
        <translation>Vor dem Speichern oder Zusammenfügen Titel, Interpret und die anderen Tags der Datei zeigen, um sie zu ändern</translation>
    </message>
    <message>
        <source>&amp;Join options...</source>
        <translation>&amp;Verbindungsoptionen...</translation>
    </message>
    <message>
        <source>Loudness, crossfades and fades for every join</source>
        <translation>Lautheit, Überblendungen und Blenden für jedes Zusammenfügen</translation>
    </message>
    <message>
        <source>&amp;Hear the joint</source>
        <translation>Übergang an&amp;hören</translation>
    </message>
    <message>
        <source>Plays the two seconds around the selected clip&apos;s joint with the next one, as the join will make them (Ctrl+J)</source>
        <translation>Spielt die zwei Sekunden um den Übergang des ausgewählten Clips zum nächsten, so wie das Zusammenfügen sie macht (Strg+J)</translation>
    </message>
</context>
<context>
    <name>ClipSteps</name>
    <message>
        <source>Add clip %1</source>
        <translation>Clip %1 hinzufügen</translation>
    </message>
    <message>
        <source>Move clip %1</source>
        <translation>Clip %1 verschieben</translation>
    </message>
    <message>
        <source>Delete clip %1</source>
        <translation>Clip %1 löschen</translation>
    </message>
    <message>
        <source>Delete all clips</source>
        <translation>Alle Clips löschen</translation>
    </message>
    <message>
        <source>Delete the clips joined into %1</source>
        <translation>In %1 verbundene Clips löschen</translation>
    </message>
    <message numerus="yes">
        <source>Add %n clip(s)</source>
        <translation>
            <numerusform>%n Clip hinzufügen</numerusform>
            <numerusform>%n Clips hinzufügen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Clips</name>
    <message>
        <source>The clip &quot;%1&quot; cannot be saved as &quot;%2&quot;: %3<byte value="xd"/>
%4</source>
        <translation>Der Clip „%1“ kann nicht als „%2“ gespeichert werden: %3<byte value="xd"/>
%4</translation>
    </message>
</context>
<context>
    <name>CloseView</name>
    <message>
        <source>%1 s shown</source>
        <translation>%1 s sichtbar</translation>
    </message>
    <message>
        <source>%1 ms shown</source>
        <translation>%1 ms sichtbar</translation>
    </message>
    <message>
        <source>Close view of the sound</source>
        <translation>Nahansicht des Klangs</translation>
    </message>
    <message>
        <source>▶ In to Out</source>
        <translation>▶ In bis Out</translation>
    </message>
    <message>
        <source>Plays from Mark In to Mark Out (Shift+Space)</source>
        <translation>Spielt von Mark In bis Mark Out (Umschalt+Leertaste)</translation>
    </message>
    <message>
        <source>▶ 2 s from In</source>
        <translation>▶ 2 s ab In</translation>
    </message>
    <message>
        <source>Plays the two seconds from Mark In ([)</source>
        <translation>Spielt die zwei Sekunden ab Mark In ([)</translation>
    </message>
    <message>
        <source>▶ 2 s to Out</source>
        <translation>▶ 2 s bis Out</translation>
    </message>
    <message>
        <source>Plays the two seconds up to Mark Out (])</source>
        <translation>Spielt die zwei Sekunden bis Mark Out (])</translation>
    </message>
    <message>
        <source>Ctrl+wheel, Ctrl+Plus and Ctrl+Minus zoom; Ctrl+0 shows the whole sound, Ctrl+E Mark In to Mark Out.
The wheel or a drag scrolls; a click moves the play position.
Drag a mark&apos;s handle to move it; drag across the ruler, or Shift+drag, to mark a range.
Double-click the In or Out time to type it to the millisecond.
Shift+Space plays from Mark In to Mark Out, [ the first two seconds, ] the last two.
, and . step 10 ms, with Shift one second.</source>
        <translation>Strg+Mausrad, Strg+Plus und Strg+Minus zoomen; Strg+0 zeigt den ganzen Sound, Strg+E Mark In bis Mark Out.
Mausrad oder Ziehen verschiebt; ein Klick setzt die Wiedergabeposition.
Ziehen Sie den Griff einer Marke, um sie zu verschieben; ziehen Sie über das Lineal oder mit Umschalt, um einen Bereich zu markieren.
Doppelklicken Sie die Zeit von Anfang oder Ende, um sie auf die Millisekunde einzugeben.
Umschalt+Leertaste spielt von Mark In bis Mark Out, [ die ersten zwei Sekunden, ] die letzten zwei.
, und . gehen 10 ms weiter, mit Umschalt eine Sekunde.</translation>
    </message>
    <message>
        <source>Snap marks to zero crossings</source>
        <translation>Marken an Nulldurchgängen ausrichten</translation>
    </message>
    <message>
        <source>Every mark placed or dragged goes to the nearest zero crossing within 5 ms</source>
        <translation>Jede gesetzte oder gezogene Marke springt zum nächsten Nulldurchgang innerhalb von 5 ms</translation>
    </message>
    <message>
        <source>The option cannot be saved in &quot;%1&quot;: %2.</source>
        <translation>Die Einstellung kann nicht in „%1“ gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>Anfang %1</translation>
    </message>
    <message>
        <source>Out %1</source>
        <translation>Ende %1</translation>
    </message>
    <message>
        <source>Type the time as hh:mm:ss.mmm; Enter sets it, Escape leaves it.</source>
        <translation>Geben Sie die Zeit als hh:mm:ss.mmm ein; Eingabe übernimmt sie, Esc verwirft sie.</translation>
    </message>
    <message>
        <source>Mark In cannot be after Mark Out.</source>
        <translation>Mark In kann nicht nach Mark Out liegen.</translation>
    </message>
    <message>
        <source>Mark Out cannot be before Mark In.</source>
        <translation>Mark Out kann nicht vor Mark In liegen.</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Wiedergabe %1</translation>
    </message>
    <message>
        <source>Mark In, typed as hh:mm:ss.mmm</source>
        <translation>Mark In, eingegeben als hh:mm:ss.mmm</translation>
    </message>
    <message>
        <source>Mark Out, typed as hh:mm:ss.mmm</source>
        <translation>Mark Out, eingegeben als hh:mm:ss.mmm</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Hours of the time to go to</source>
        <translation>Stunden der Zeit, zu der gesprungen wird</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Minutes of the time to go to</source>
        <translation>Minuten der Zeit, zu der gesprungen wird</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Seconds of the time to go to</source>
        <translation>Sekunden der Zeit, zu der gesprungen wird</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Springen</translation>
    </message>
    <message>
        <source>Play from the time chosen above</source>
        <translation>Ab der oben gewählten Zeit abspielen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Abspielposition</translation>
    </message>
    <message>
        <source>The whole sound: click or drag to play from there</source>
        <translation>Der ganze Klang: klicken oder ziehen, um dort abzuspielen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Master volume of the sound card</source>
        <translation>Gesamtlautstärke der Soundkarte</translation>
    </message>
    <message>
        <source>Mark In</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Schneiden</translation>
    </message>
    <message>
        <source>Play the cut</source>
        <translation>Den Schnitt abspielen</translation>
    </message>
    <message>
        <source>Stop the cut</source>
        <translation>Den Schnitt anhalten</translation>
    </message>
    <message>
        <source>Save the cut as MP3</source>
        <translation>Den Schnitt als MP3 speichern</translation>
    </message>
    <message>
        <source>Save the cut as WAV</source>
        <translation>Den Schnitt als WAV speichern</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>End the program and delete its working files</source>
        <translation>Das Programm beenden und seine Arbeitsdateien löschen</translation>
    </message>
    <message>
        <source>Add to list</source>
        <translation>Zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Clips</source>
        <translation>Clip-Liste</translation>
    </message>
    <message>
        <source>Play list</source>
        <translation>Liste abspielen</translation>
    </message>
    <message>
        <source>Play the clips one after another, from the selected one</source>
        <translation>Die Clips nacheinander abspielen, ab dem ausgewählten</translation>
    </message>
    <message>
        <source>Stop list</source>
        <translation>Liste anhalten</translation>
    </message>
    <message>
        <source>Stop playing the list</source>
        <translation>Die Wiedergabe der Liste anhalten</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move the selected clip up</source>
        <translation>Den ausgewählten Clip nach oben verschieben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move the selected clip down</source>
        <translation>Den ausgewählten Clip nach unten verschieben</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>Clip löschen</translation>
    </message>
    <message>
        <source>Delete all clips</source>
        <translation>Alle Clips löschen</translation>
    </message>
    <message>
        <source>Join as WAV</source>
        <translation>Als WAV zusammenfügen</translation>
    </message>
    <message>
        <source>Join as MP3</source>
        <translation>Als MP3 zusammenfügen</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Choose a sound file to open</source>
        <translation>Eine Audiodatei zum Öffnen wählen</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>Status des Encoders</translation>
    </message>
    <message>
        <source>Currently/Total</source>
        <translation>Aktuell/Gesamt</translation>
    </message>
    <message>
        <source>Time Frame</source>
        <translation>Zeitrahmen</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Springen zu</translation>
    </message>
    <message>
        <source>Mp3 Segment</source>
        <translation>MP3-Abschnitt</translation>
    </message>
    <message>
        <source>New Mp3</source>
        <translation>Neue MP3</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Back 2 seconds</source>
        <translation>2 Sekunden zurück</translation>
    </message>
    <message>
        <source>On 1 second</source>
        <translation>1 Sekunde vor</translation>
    </message>
    <message>
        <source>Delete the selected clip</source>
        <translation>Den ausgewählten Clip löschen</translation>
    </message>
    <message>
        <source>Delete every clip of the list</source>
        <translation>Jeden Clip der Liste löschen</translation>
    </message>
    <message>
        <source>Save the cut as an MP3 file</source>
        <translation>Den Schnitt als MP3-Datei speichern</translation>
    </message>
    <message>
        <source>Save the cut as a WAV file</source>
        <translation>Den Schnitt als WAV-Datei speichern</translation>
    </message>
    <message>
        <source>Join every clip into one WAV file</source>
        <translation>Alle Clips zu einer WAV-Datei zusammenfügen</translation>
    </message>
    <message>
        <source>Join every clip into one MP3 file</source>
        <translation>Alle Clips zu einer MP3-Datei zusammenfügen</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Schnitt</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>A conversion is already under way.</source>
        <translation>Es läuft bereits eine Umwandlung.</translation>
    </message>
    <message>
        <source>The working file &quot;%1&quot; cannot be replaced: %2.</source>
        <translation>Die Arbeitsdatei „%1“ kann nicht ersetzt werden: %2.</translation>
    </message>
    <message>
        <source>The working file &quot;%1&quot; cannot be created: %2.</source>
        <translation>Die Arbeitsdatei „%1“ kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Writing the working file &quot;%1&quot; failed: %2.</source>
        <translation>Das Schreiben der Arbeitsdatei „%1“ ist fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>The source could not be read to its end (error code %1, after %2 bytes).</source>
        <translation>Die Quelle konnte nicht bis zum Ende gelesen werden (Fehlercode %1, nach %2 Bytes).</translation>
    </message>
    <message>
        <source>The sound is too long: &quot;%1&quot; holds its first %2 bytes, the most one WAV file can hold.</source>
        <translation>Der Klang ist zu lang: „%1“ enthält seine ersten %2 Bytes, mehr fasst eine WAV-Datei nicht.</translation>
    </message>
    <message>
        <source>Completing the working file &quot;%1&quot; failed: %2.</source>
        <translation>Die Arbeitsdatei „%1“ konnte nicht abgeschlossen werden: %2.</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>the sound&apos;s format is not one that can be converted</source>
        <translation>das Format des Klangs lässt sich nicht umwandeln</translation>
    </message>
    <message>
        <source>the target format is not one that can be converted to</source>
        <translation>in das Zielformat kann nicht umgewandelt werden</translation>
    </message>
</context>
<context>
    <name>CopySaving</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Keep the source&apos;s MP3 frames: no re-encoding</source>
        <translation>Die MP3-Frames der Quelle behalten: keine neue Kodierung</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>„%1“ konnte nicht geschrieben werden.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Encoded again at %1 kbit/s: %2.</source>
        <translation>Neu kodiert mit %1 kbit/s: %2.</translation>
    </message>
    <message>
        <source>Joints encoded again: %1.</source>
        <translation>Neu kodierte Übergänge: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stays %2 dB under the loudness asked for: more would take its peak past -1 dBTP.</source>
        <translation>„%1“ bleibt %2 dB unter der gewünschten Lautheit: mehr würde seine Spitze über -1 dBTP heben.</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: the crossfades overlap them.</source>
        <translation>Der verbundene Klang dauert %1, %2 ms weniger als die Clips zusammen: Die Überblendungen überlappen sie.</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: MP3 frames are whole, and each joint encoded again loses less than a frame.</source>
        <translation>Der verbundene Klang dauert %1, %2 ms weniger als die Clips zusammen: MP3-Frames sind ganz, und jeder neu kodierte Übergang verliert weniger als einen Frame.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stays %2 dB under the loudness asked for: copied MP3 frames change their level in steps of 1.5 dB.</source>
        <translation>„%1“ bleibt %2 dB unter der gewünschten Lautheit: kopierte MP3-Frames ändern ihren Pegel in Schritten von 1,5 dB.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; goes %2 dB over the loudness asked for: copied MP3 frames change their level in steps of 1.5 dB.</source>
        <translation>„%1“ liegt %2 dB über der gewünschten Lautheit: kopierte MP3-Frames ändern ihren Pegel in Schritten von 1,5 dB.</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: the crossfades overlap them, each widened by less than a frame to whole MP3 frames.</source>
        <translation>Der zusammengefügte Klang dauert %1, %2 ms weniger als die Clips zusammen: die Überblendungen überlappen sie, jede um weniger als einen Frame auf ganze MP3-Frames verbreitert.</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>Line %1 of the cue sheet: %2</source>
        <translation>Zeile %1 des Cue-Sheets: %2</translation>
    </message>
    <message>
        <source>This is not a cue sheet: it holds binary data.</source>
        <translation>Dies ist kein Cue-Sheet: Es enthält Binärdaten.</translation>
    </message>
    <message>
        <source>a quotation mark is not closed.</source>
        <translation>ein Anführungszeichen ist nicht geschlossen.</translation>
    </message>
    <message>
        <source>FILE names no file.</source>
        <translation>FILE nennt keine Datei.</translation>
    </message>
    <message>
        <source>a second FILE; only sheets of one sound file can be opened.</source>
        <translation>ein zweites FILE; nur Cue-Sheets zu einer einzigen Klangdatei lassen sich öffnen.</translation>
    </message>
    <message>
        <source>TRACK before any FILE.</source>
        <translation>TRACK vor dem ersten FILE.</translation>
    </message>
    <message>
        <source>this track has no INDEX 01.</source>
        <translation>dieser Track hat kein INDEX 01.</translation>
    </message>
    <message>
        <source>a track number must be 1 to 99.</source>
        <translation>eine Tracknummer muss zwischen 1 und 99 liegen.</translation>
    </message>
    <message>
        <source>only AUDIO tracks can be opened.</source>
        <translation>nur AUDIO-Tracks lassen sich öffnen.</translation>
    </message>
    <message>
        <source>INDEX outside a TRACK.</source>
        <translation>INDEX außerhalb eines TRACK.</translation>
    </message>
    <message>
        <source>an INDEX is written as INDEX nn mm:ss:ff.</source>
        <translation>ein INDEX wird als INDEX nn mm:ss:ff geschrieben.</translation>
    </message>
    <message>
        <source>a second INDEX 01 in one track.</source>
        <translation>ein zweites INDEX 01 in einem Track.</translation>
    </message>
    <message>
        <source>this track starts no later than the one before it.</source>
        <translation>dieser Track beginnt nicht später als der vorige.</translation>
    </message>
    <message>
        <source>The cue sheet names no sound file (it has no FILE line).</source>
        <translation>Das Cue-Sheet nennt keine Klangdatei (es hat keine FILE-Zeile).</translation>
    </message>
    <message>
        <source>The cue sheet has no TRACK.</source>
        <translation>Das Cue-Sheet hat keinen TRACK.</translation>
    </message>
    <message>
        <source>The cue sheet cannot be read: %1</source>
        <translation>Das Cue-Sheet kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The file is %1 MB; a cue sheet is at most %2 MB.</source>
        <translation>Die Datei ist %1 MB groß; ein Cue-Sheet hat höchstens %2 MB.</translation>
    </message>
    <message>
        <source>the sound file %1 is not there.</source>
        <translation>die Klangdatei %1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>track %1 starts at %2, past the end of the sound.</source>
        <translation>Track %1 beginnt bei %2, nach dem Ende des Klangs.</translation>
    </message>
</context>
<context>
    <name>Cutting</name>
    <message>
        <source>The cut of &quot;%1&quot; into &quot;%2&quot; could not be made: %3<byte value="xd"/>
%4</source>
        <translation>„%1“ konnte nicht nach „%2“ geschnitten werden: %3<byte value="xd"/>
%4</translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>The command is not recognised.</source>
        <translation>Der Befehl ist unbekannt.</translation>
    </message>
    <message>
        <source>The command is missing a file name, an alias or a position.</source>
        <translation>Dem Befehl fehlt ein Dateiname, ein Alias oder eine Position.</translation>
    </message>
    <message>
        <source>The command contains a word it does not accept.</source>
        <translation>Der Befehl enthält ein Wort, das er nicht annimmt.</translation>
    </message>
    <message>
        <source>No sound is open under that name.</source>
        <translation>Unter diesem Namen ist kein Klang geöffnet.</translation>
    </message>
    <message>
        <source>A sound is already open under that name.</source>
        <translation>Unter diesem Namen ist bereits ein Klang geöffnet.</translation>
    </message>
    <message>
        <source>A position is not a whole, non-negative number of milliseconds.</source>
        <translation>Eine Position ist keine ganze, nicht negative Zahl von Millisekunden.</translation>
    </message>
    <message>
        <source>The start position lies after the end position.</source>
        <translation>Die Anfangsposition liegt hinter der Endposition.</translation>
    </message>
    <message>
        <source>The file cannot be found.</source>
        <translation>Die Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is not a WAVE sound file.</source>
        <translation>Die Datei ist keine WAVE-Klangdatei.</translation>
    </message>
    <message>
        <source>The file holds compressed or unsupported sound; only uncompressed PCM and float WAVE files can be used.</source>
        <translation>Die Datei enthält komprimierten oder nicht unterstützten Klang; nur unkomprimierte PCM- und Gleitkomma-WAVE-Dateien sind verwendbar.</translation>
    </message>
    <message>
        <source>The file&apos;s header is damaged or incomplete.</source>
        <translation>Der Dateikopf ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <source>Only waveaudio sounds can be opened.</source>
        <translation>Nur waveaudio-Klänge können geöffnet werden.</translation>
    </message>
    <message>
        <source>The file cannot be written: check that the folder exists, is writable and has room.</source>
        <translation>Die Datei kann nicht geschrieben werden: Prüfen Sie, ob der Ordner existiert, beschreibbar ist und genug Platz hat.</translation>
    </message>
    <message>
        <source>The result would be larger than the 4 GiB a WAVE file can hold.</source>
        <translation>Das Ergebnis wäre größer als die 4 GiB, die eine WAVE-Datei fassen kann.</translation>
    </message>
    <message>
        <source>No sound file is open.</source>
        <translation>Es ist keine Klangdatei geöffnet.</translation>
    </message>
    <message>
        <source>No sound output is available.</source>
        <translation>Es ist keine Klangausgabe verfügbar.</translation>
    </message>
    <message>
        <source>The file cannot be written: %1.</source>
        <translation>Die Datei kann nicht geschrieben werden: %1.</translation>
    </message>
</context>
<context>
    <name>DiskSpace</name>
    <message>
        <source>There is not enough room on the disk for &quot;%1&quot;: it needs %2, and %3 is free.</source>
        <translation>Auf dem Datenträger ist nicht genug Platz für „%1“: Nötig sind %2, frei sind %3.</translation>
    </message>
</context>
<context>
    <name>Dropping</name>
    <message>
        <source>Drop one sound file at a time.</source>
        <translation>Bitte jeweils nur eine Klangdatei ablegen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file on this computer.</source>
        <translation>„%1“ ist keine Datei auf diesem Computer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder. Drop a sound file.</source>
        <translation>„%1“ ist ein Ordner. Legen Sie eine Klangdatei ab.</translation>
    </message>
</context>
<context>
    <name>Encoder</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The MP3 encoder could not start (out of memory)</source>
        <translation>Der MP3-Encoder konnte nicht starten (kein Speicher frei)</translation>
    </message>
    <message>
        <source>The MP3 encoder refused %1 kbit/s at %2 Hz</source>
        <translation>Der MP3-Encoder hat %1 kbit/s bei %2 Hz abgelehnt</translation>
    </message>
    <message>
        <source>The MP3 encoder failed on &quot;%1&quot; (error %2)</source>
        <translation>Der MP3-Encoder ist bei „%1“ gescheitert (Fehler %2)</translation>
    </message>
    <message>
        <source>No info frame fits at %1 Hz</source>
        <translation>Bei %1 Hz passt kein Info-Frame</translation>
    </message>
    <message>
        <source>The MP3 encoder failed at the end of &quot;%1&quot;</source>
        <translation>Der MP3-Encoder ist am Ende von „%1“ gescheitert</translation>
    </message>
    <message>
        <source>The MP3 encoder gave no info frame for &quot;%1&quot;</source>
        <translation>Der MP3-Encoder lieferte keinen Info-Frame für „%1“</translation>
    </message>
    <message>
        <source>Cannot convert &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht umgewandelt werden: %2</translation>
    </message>
    <message>
        <source>Cannot convert &quot;%1&quot;</source>
        <translation>„%1“ kann nicht umgewandelt werden</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>die Datei endete vorzeitig</translation>
    </message>
    <message>
        <source>An encoding is already running; &quot;%1&quot; was not started</source>
        <translation>Es läuft bereits eine Kodierung; „%1“ wurde nicht begonnen</translation>
    </message>
    <message>
        <source>No file name was given for the MP3 file</source>
        <translation>Für die MP3-Datei wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>Cannot encode &quot;%1&quot;: it has %2 channels and MP3 holds at most two</source>
        <translation>„%1“ kann nicht kodiert werden: Die Datei hat %2 Kanäle, MP3 fasst höchstens zwei</translation>
    </message>
    <message>
        <source>%1 Hz is not possible in MP3; encoded at %2 Hz</source>
        <translation>%1 Hz ist in MP3 nicht möglich; mit %2 Hz kodiert</translation>
    </message>
    <message>
        <source>%1 kbit/s is not possible at %2 Hz; encoded at %3 kbit/s</source>
        <translation>%1 kbit/s ist bei %2 Hz nicht möglich; mit %3 kbit/s kodiert</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a folder</source>
        <translation>„%1“ kann nicht geschrieben werden: Es ist ein Ordner</translation>
    </message>
    <message>
        <source>Out of memory while encoding &quot;%1&quot;</source>
        <translation>Kein Speicher frei beim Kodieren von „%1“</translation>
    </message>
    <message>
        <source>The encoding of &quot;%1&quot; failed</source>
        <translation>Die Kodierung von „%1“ ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The encoding of &quot;%1&quot; was cancelled</source>
        <translation>Die Kodierung von „%1“ wurde abgebrochen</translation>
    </message>
</context>
<context>
    <name>Frmwait</name>
    <message>
        <source>Please wait</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>Copying…</source>
        <translation>Kopieren…</translation>
    </message>
    <message>
        <source>Joining…</source>
        <translation>Zusammenfügen…</translation>
    </message>
    <message>
        <source>Encoding…</source>
        <translation>Kodieren…</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Laden…</translation>
    </message>
</context>
<context>
    <name>JoinClips</name>
    <message>
        <source>the folder does not exist</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>There are no clips to join.</source>
        <translation>Es gibt keine Clips zum Zusammenfügen.</translation>
    </message>
    <message>
        <source>the joined sound would be longer than a WAVE file can hold (more than %1 bytes of sound)</source>
        <translation>der zusammengefügte Klang wäre länger, als eine WAVE-Datei fassen kann (mehr als %1 Bytes Klang)</translation>
    </message>
    <message>
        <source>The join was cancelled.</source>
        <translation>Das Zusammenfügen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>die Datei endete vorzeitig</translation>
    </message>
    <message>
        <source>its sound could not be converted</source>
        <translation>sein Klang konnte nicht umgewandelt werden</translation>
    </message>
    <message>
        <source>the joined sound came out at another length than planned</source>
        <translation>der zusammengefügte Klang hat eine andere Länge als geplant</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds less sound than its header says: the file was cut short.</source>
        <translation>„%1“ enthält weniger Klang, als sein Kopf angibt: Die Datei wurde gekürzt.</translation>
    </message>
</context>
<context>
    <name>JoinOptionsText</name>
    <message>
        <source>The loudness to match is empty (off), -23, -18, -16 or -14 LUFS, not &quot;%1&quot;.</source>
        <translation>Die anzugleichende Lautheit ist leer (aus), -23, -18, -16 oder -14 LUFS, nicht „%1“.</translation>
    </message>
    <message>
        <source>The crossfade is 0 (none) or 5 to 5000 ms, not &quot;%1&quot;.</source>
        <translation>Die Überblendung ist 0 (keine) oder 5 bis 5000 ms, nicht „%1“.</translation>
    </message>
    <message>
        <source>A fade is 0 to 10000 ms.</source>
        <translation>Eine Blende ist 0 bis 10000 ms lang.</translation>
    </message>
</context>
<context>
    <name>JoinTimeline</name>
    <message>
        <source>&quot;%1&quot; cannot be read</source>
        <translation>„%1“ kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>Joining</name>
    <message>
        <source>The clips cannot be joined into &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Die Clips können nicht zu „%1“ zusammengefügt werden.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Start the next MP3 file when it is done.</source>
        <translation>„%1“ wird noch geschrieben. Beginnen Sie die nächste MP3-Datei, wenn sie fertig ist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>„%1“ kann nicht geschrieben werden.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>„%1“ konnte nicht geschrieben werden.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Start the next file when it is done.</source>
        <translation>„%1“ wird noch geschrieben. Beginnen Sie die nächste Datei, wenn sie fertig ist.</translation>
    </message>
    <message>
        <source>Match loudness (LUFS):</source>
        <translation>Lautheit angleichen (LUFS):</translation>
    </message>
    <message>
        <source>Crossfade at each joint (ms):</source>
        <translation>Überblendung an jedem Übergang (ms):</translation>
    </message>
    <message>
        <source>Fade-in (ms):</source>
        <translation>Einblenden (ms):</translation>
    </message>
    <message>
        <source>Fade-out (ms):</source>
        <translation>Ausblenden (ms):</translation>
    </message>
    <message>
        <source>Empty: every clip keeps its level. -23, -18, -16 or -14: each clip is brought to that loudness, less where its peak would pass -1 dBTP.</source>
        <translation>Leer: Jeder Clip behält seinen Pegel. -23, -18, -16 oder -14: Jeder Clip wird auf diese Lautheit gebracht, weniger, wo seine Spitze -1 dBTP überschreiten würde.</translation>
    </message>
    <message>
        <source>0: a plain splice. 5 to 5000: the clips overlap by that much at each joint, one fading into the other. 10 takes the clicks out of the joints.</source>
        <translation>0: ein harter Schnitt. 5 bis 5000: Die Clips überlappen sich an jedem Übergang so lange, einer blendet in den anderen. 10 nimmt die Knackser aus den Übergängen.</translation>
    </message>
    <message>
        <source>0 to 10000: the joined sound rises from silence over this long.</source>
        <translation>0 bis 10000: Der verbundene Klang steigt so lange aus der Stille an.</translation>
    </message>
    <message>
        <source>0 to 10000: the joined sound falls to silence over this long.</source>
        <translation>0 bis 10000: Der verbundene Klang fällt so lange in die Stille ab.</translation>
    </message>
    <message>
        <source>How the clips are joined, in every join from now on.</source>
        <translation>Wie die Clips zusammengefügt werden, bei jedem Zusammenfügen von nun an.</translation>
    </message>
    <message>
        <source>Join options</source>
        <translation>Verbindungsoptionen</translation>
    </message>
    <message>
        <source>The join options hold for this run only: %1</source>
        <translation>Die Verbindungsoptionen gelten nur für diesen Lauf: %1</translation>
    </message>
    <message>
        <source>Select a clip that has another one after it: the joint between them plays.</source>
        <translation>Wählen Sie einen Clip, dem ein weiterer folgt: Der Übergang zwischen ihnen wird gespielt.</translation>
    </message>
    <message>
        <source>The joint cannot be played.<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Der Übergang kann nicht gespielt werden.<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>Loading</name>
    <message>
        <source>&quot;%1&quot; is still being converted. Open the next sound when it is done.</source>
        <translation>„%1“ wird noch umgewandelt. Öffnen Sie den nächsten Klang, wenn das erledigt ist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being copied. Open the next sound when it is done.</source>
        <translation>„%1“ wird noch kopiert. Öffnen Sie den nächsten Klang, wenn das erledigt ist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot take the place of the working file &quot;%2&quot;: %3.</source>
        <translation>„%1“ kann nicht an die Stelle der Arbeitsdatei „%2“ treten: %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>„%1“ kann nicht geöffnet werden.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Its %1 channels were mixed down to stereo.</source>
        <translation>Seine %1 Kanäle wurden zu Stereo heruntergemischt.</translation>
    </message>
</context>
<context>
    <name>Mp3Copy</name>
    <message>
        <source>the cut does not come from an MP3 file</source>
        <translation>der Schnitt stammt nicht aus einer MP3-Datei</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Mp3Frames</name>
    <message>
        <source>the source MP3 file cannot be read</source>
        <translation>die MP3-Quelldatei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the source holds no MPEG Layer III frames</source>
        <translation>die Quelle enthält keine MPEG-Layer-III-Frames</translation>
    </message>
    <message>
        <source>the source is a free-format MP3</source>
        <translation>die Quelle ist ein MP3 im freien Format</translation>
    </message>
    <message>
        <source>the cut does not lie within the source MP3</source>
        <translation>der Schnitt liegt nicht innerhalb der MP3-Quelle</translation>
    </message>
    <message>
        <source>the cut is shorter than one MP3 frame</source>
        <translation>der Schnitt ist kürzer als ein MP3-Frame</translation>
    </message>
    <message>
        <source>the source MP3 has a damaged frame inside the cut</source>
        <translation>die MP3-Quelle hat innerhalb des Schnitts einen beschädigten Frame</translation>
    </message>
    <message>
        <source>the source MP3 file has changed since it was opened</source>
        <translation>die MP3-Quelldatei hat sich seit dem Öffnen geändert</translation>
    </message>
    <message>
        <source>the sources differ in MPEG version, sample rate or channels</source>
        <translation>die Quellen unterscheiden sich in MPEG-Version, Abtastrate oder Kanälen</translation>
    </message>
    <message>
        <source>the MP3 file cannot be written</source>
        <translation>die MP3-Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>no MPEG Layer III frame starts within the first megabyte of the source</source>
        <translation>im ersten Megabyte der Quelle beginnt kein MPEG-Layer-III-Frame</translation>
    </message>
    <message>
        <source>the cut lies in the first frames of the source MP3, which take bit-reservoir bytes from before the start of the file</source>
        <translation>der Schnitt liegt in den ersten Frames der MP3-Quelle, die Bytes des Bit-Reservoirs von vor dem Dateianfang beziehen</translation>
    </message>
    <message>
        <source>the cut crosses the point where two MP3 streams were put end to end in the source</source>
        <translation>der Schnitt überquert die Stelle, an der in der Quelle zwei MP3-Ströme aneinandergehängt wurden</translation>
    </message>
    <message>
        <source>the info frame of the source MP3 contradicts its frames</source>
        <translation>der Info-Frame der MP3-Quelle widerspricht ihren Frames</translation>
    </message>
</context>
<context>
    <name>Mp3Join</name>
    <message>
        <source>a clip does not come from an MP3 file</source>
        <translation>ein Clip stammt nicht aus einer MP3-Datei</translation>
    </message>
    <message>
        <source>a clip file does not hold the sound it was cut as</source>
        <translation>eine Clip-Datei enthält nicht den Klang, als der sie geschnitten wurde</translation>
    </message>
    <message>
        <source>a clip is too short to be joined without encoding it again</source>
        <translation>ein Clip ist zu kurz, um ohne neue Kodierung angefügt zu werden</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at a joint</source>
        <translation>der MP3-Encoder hat den Klang an einem Übergang abgelehnt</translation>
    </message>
    <message>
        <source>the frames at a joint cannot carry the bit reservoir</source>
        <translation>die Frames an einem Übergang können das Bit-Reservoir nicht tragen</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) and &quot;%3&quot; (%4) differ in MPEG version, sample rate or channels</source>
        <translation>„%1“ (%2) und „%3“ (%4) unterscheiden sich in MPEG-Version, Abtastrate oder Kanälen</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at the start</source>
        <translation>der MP3-Encoder hat den Klang am Anfang abgelehnt</translation>
    </message>
    <message>
        <source>the frames at the start cannot carry the bit reservoir</source>
        <translation>die Frames am Anfang können das Bit-Reservoir nicht tragen</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at the end</source>
        <translation>der MP3-Encoder hat den Klang am Ende abgelehnt</translation>
    </message>
    <message>
        <source>a fade reaches the frames encoded again at a joint or for the other fade</source>
        <translation>eine Blende reicht in die Frames, die an einem Übergang oder für die andere Blende neu kodiert werden</translation>
    </message>
</context>
<context>
    <name>OpenWav</name>
    <message>
        <source>&quot;%1&quot; cannot be opened: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be copied to the working file &quot;%2&quot;: %3.</source>
        <translation>„%1“ kann nicht in die Arbeitsdatei „%2“ kopiert werden: %3.</translation>
    </message>
</context>
<context>
    <name>PauseForm</name>
    <message>
        <source>Threshold (dBFS, empty for automatic):</source>
        <translation>Schwelle (dBFS, leer für automatisch):</translation>
    </message>
    <message>
        <source>Shortest pause (s):</source>
        <translation>Kürzeste Pause (s):</translation>
    </message>
    <message>
        <source>Shortest track (s):</source>
        <translation>Kürzester Track (s):</translation>
    </message>
    <message>
        <source>Pause kept before a split (ms, empty for its middle):</source>
        <translation>Vor einer Trennung behaltene Pause (ms, leer für ihre Mitte):</translation>
    </message>
    <message>
        <source>The pause search needs four answers.</source>
        <translation>Die Pausensuche braucht vier Angaben.</translation>
    </message>
    <message>
        <source>The threshold must be a level from -120 to 0 dBFS, or empty.</source>
        <translation>Die Schwelle muss ein Pegel von -120 bis 0 dBFS sein oder leer bleiben.</translation>
    </message>
    <message>
        <source>The shortest pause must be from 0.05 to 600 seconds.</source>
        <translation>Die kürzeste Pause muss 0,05 bis 600 Sekunden lang sein.</translation>
    </message>
    <message>
        <source>The shortest track must be from 0 to 86400 seconds.</source>
        <translation>Der kürzeste Track muss 0 bis 86400 Sekunden lang sein.</translation>
    </message>
    <message>
        <source>The pause kept must be from 0 to 600000 ms, or empty.</source>
        <translation>Die behaltene Pause muss 0 bis 600000 ms lang sein oder leer bleiben.</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>It is no sound or video format the program knows.</source>
        <translation>Es ist kein Audio- oder Videoformat, das das Programm kennt.</translation>
    </message>
    <message>
        <source>It holds no sound.</source>
        <translation>Es enthält keinen Ton.</translation>
    </message>
    <message>
        <source>Its sound is encrypted.</source>
        <translation>Sein Ton ist verschlüsselt.</translation>
    </message>
    <message>
        <source>Its sound is in a codec the program cannot decode.</source>
        <translation>Sein Ton liegt in einem Codec vor, den das Programm nicht dekodieren kann.</translation>
    </message>
    <message>
        <source>It is a list of other files or addresses, which the program does not follow.</source>
        <translation>Es ist eine Liste anderer Dateien oder Adressen, denen das Programm nicht folgt.</translation>
    </message>
    <message>
        <source>Its data is damaged or cut short.</source>
        <translation>Seine Daten sind beschädigt oder abgeschnitten.</translation>
    </message>
    <message>
        <source>The file cannot be opened or read.</source>
        <translation>Die Datei kann nicht geöffnet oder gelesen werden.</translation>
    </message>
    <message>
        <source>Its sample rate or channel count is out of range.</source>
        <translation>Seine Abtastrate oder Kanalzahl liegt außerhalb des Bereichs.</translation>
    </message>
    <message>
        <source>not a sound file</source>
        <translation>keine Audiodatei</translation>
    </message>
    <message>
        <source>Found: %1. %2</source>
        <translation>Gefunden: %1. %2</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>&quot;%1&quot; cannot be saved: %2<byte value="xd"/>
%3</source>
        <translation>„%1“ kann nicht gespeichert werden: %2<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is one of the program&apos;s working files. Choose another file.</source>
        <translation>„%1“ ist eine Arbeitsdatei des Programms. Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of the clip &quot;%2&quot;. Choose another file: a clip is never written over.</source>
        <translation>„%1“ ist die Datei des Clips „%2“. Wählen Sie eine andere Datei: Ein Clip wird nie überschrieben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file the open sound came from. Choose another file: the source is never written over.</source>
        <translation>„%1“ ist die Datei, aus der der geöffnete Klang stammt. Wählen Sie eine andere Datei: Die Quelle wird nie überschrieben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the MP3 file still being written. Choose another file.</source>
        <translation>„%1“ ist die MP3-Datei, die noch geschrieben wird. Wählen Sie eine andere Datei.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The language cannot be saved in &quot;%1&quot;: %2.</source>
        <translation>Die Sprache kann nicht in „%1“ gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
</context>
<context>
    <name>Shutdown</name>
    <message>
        <source>All %1 clip files of the list will be deleted.</source>
        <translation>Alle %1 Clip-Dateien der Liste werden gelöscht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written and will not be finished.</source>
        <translation>„%1“ wird noch geschrieben und wird nicht fertiggestellt.</translation>
    </message>
</context>
<context>
    <name>SourceSteps</name>
    <message>
        <source>Mark In at %1</source>
        <translation>Anfang bei %1</translation>
    </message>
    <message>
        <source>Mark out at %1</source>
        <translation>Ende bei %1</translation>
    </message>
    <message>
        <source>Cut from %1 to %2</source>
        <translation>Schnitt von %1 bis %2</translation>
    </message>
    <message>
        <source>Marks at %1 to %2</source>
        <translation>Marken bei %1 bis %2</translation>
    </message>
</context>
<context>
    <name>SplitSteps</name>
    <message numerus="yes">
        <source>Split points at %n pause(s)</source>
        <translation>
            <numerusform>Trennpunkte an %n Pause</numerusform>
            <numerusform>Trennpunkte an %n Pausen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Split points every %n minute(s)</source>
        <translation>
            <numerusform>Trennpunkte im Abstand von %n Minute</numerusform>
            <numerusform>Trennpunkte im Abstand von %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Split points of %1</source>
        <translation>Trennpunkte aus %1</translation>
    </message>
    <message>
        <source>Split point at %1</source>
        <translation>Trennpunkt bei %1</translation>
    </message>
    <message>
        <source>Split point at %1 removed</source>
        <translation>Trennpunkt bei %1 entfernt</translation>
    </message>
    <message>
        <source>Split point moved from %1 to %2</source>
        <translation>Trennpunkt von %1 nach %2 verschoben</translation>
    </message>
    <message>
        <source>Split points cleared</source>
        <translation>Alle Trennpunkte entfernt</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>a file of that name is in the way</source>
        <translation>eine gleichnamige Datei ist im Weg</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; cannot be created: %2.<byte value="xd"/>
<byte value="xd"/>
Trevisto MP3 Editor cannot run without it.</source>
        <translation>Der Arbeitsordner „%1“ kann nicht angelegt werden: %2.<byte value="xd"/>
<byte value="xd"/>
Ohne ihn kann Trevisto MP3 Editor nicht laufen.</translation>
    </message>
    <message>
        <source>Trevisto MP3 Editor is already running with the working files in &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
Only one copy can use them at a time.</source>
        <translation>Trevisto MP3 Editor läuft bereits mit den Arbeitsdateien in „%1“.<byte value="xd"/>
<byte value="xd"/>
Nur ein Exemplar kann sie gleichzeitig benutzen.</translation>
    </message>
</context>
<context>
    <name>System</name>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>das Speicherkontingent ist aufgebraucht</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>der Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>die Datei oder der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>ein Teil des Pfads ist kein Ordner</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>a file of that name already exists</source>
        <translation>eine Datei dieses Namens existiert bereits</translation>
    </message>
    <message>
        <source>the file would be too large</source>
        <translation>die Datei würde zu groß</translation>
    </message>
    <message>
        <source>an input/output error</source>
        <translation>ein Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>es sind zu viele Dateien geöffnet</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>kein Speicher frei</translation>
    </message>
    <message>
        <source>the file is in use</source>
        <translation>die Datei wird gerade verwendet</translation>
    </message>
    <message>
        <source>the path has too many symbolic links</source>
        <translation>der Pfad enthält zu viele symbolische Verknüpfungen</translation>
    </message>
    <message>
        <source>the file cannot be moved to another disk</source>
        <translation>die Datei kann nicht auf einen anderen Datenträger verschoben werden</translation>
    </message>
    <message>
        <source>it is not a plain file but a device, a pipe or a socket</source>
        <translation>es ist keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder ein Socket</translation>
    </message>
</context>
<context>
    <name>TagForm</name>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>The title the file carries</source>
        <translation>Der Titel, den die Datei trägt</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Interpret:</translation>
    </message>
    <message>
        <source>Who performs it</source>
        <translation>Wer es vorträgt</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Albumtitel:</translation>
    </message>
    <message>
        <source>The album or the programme it belongs to</source>
        <translation>Das Album oder die Sendung, zu der es gehört</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>The year, or a date such as 2024-05-31</source>
        <translation>Das Jahr oder ein Datum wie 2024-05-31</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Stilrichtung:</translation>
    </message>
    <message>
        <source>The kind of sound: a word such as Speech or Jazz</source>
        <translation>Die Art des Klangs: ein Wort wie Sprache oder Jazz</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>Any note that goes with the file</source>
        <translation>Eine beliebige Notiz zur Datei</translation>
    </message>
    <message>
        <source>The tags &quot;%1&quot; will carry. Pictures and lyrics of the source go with them.</source>
        <translation>Die Tags, die „%1“ tragen wird. Bilder und Liedtexte der Quelle kommen mit.</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tag-Angaben</translation>
    </message>
</context>
<context>
    <name>Tracks</name>
    <message>
        <source>Steps quieter than this count as pause. Empty: a little above the sound&apos;s own noise floor.</source>
        <translation>Messschritte, die leiser sind als dieser Wert, zählen als Pause. Leer: knapp über dem Grundrauschen des Klangs selbst.</translation>
    </message>
    <message>
        <source>A quiet stretch at least this long is a pause between tracks.</source>
        <translation>Eine leise Strecke, die mindestens so lang ist, ist eine Pause zwischen zwei Tracks.</translation>
    </message>
    <message>
        <source>Split points that would leave a track shorter than this are dropped.</source>
        <translation>Trennpunkte, die einen Track kürzer als diesen Wert ließen, werden verworfen.</translation>
    </message>
    <message>
        <source>How much of each pause stays at the end of the track before it. Empty: the split falls in the pause&apos;s middle.</source>
        <translation>Wie viel von jeder Pause am Ende des Tracks davor bleibt. Leer: Die Trennung fällt in die Mitte der Pause.</translation>
    </message>
    <message>
        <source>Find the pauses in the sound, or in the marked range when marks are set.</source>
        <translation>Die Pausen im Klang finden, oder im markierten Bereich, wenn Marken gesetzt sind.</translation>
    </message>
    <message>
        <source>Find pauses</source>
        <translation>Pausen finden</translation>
    </message>
    <message>
        <source>The sound &quot;%1&quot; could not be read.</source>
        <translation>Der Klang „%1“ konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No pause of %1 s or more below %2 dBFS was found.</source>
        <translation>Es wurde keine Pause von %1 s oder mehr unter %2 dBFS gefunden.</translation>
    </message>
    <message>
        <source>Split every how many minutes (1 to 1440)? Each point moves to the quietest place within 30 seconds.</source>
        <translation>Alle wie viele Minuten teilen (1 bis 1440)? Jeder Punkt rückt an die leiseste Stelle innerhalb von 30 Sekunden.</translation>
    </message>
    <message>
        <source>Split every N minutes</source>
        <translation>Alle N Minuten teilen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of minutes from 1 to 1440.</source>
        <translation>„%1“ ist keine Minutenzahl von 1 bis 1440.</translation>
    </message>
    <message numerus="yes">
        <source>The sound is not longer than %n minute(s): there is nothing to split.</source>
        <translation>
            <numerusform>Der Klang ist nicht länger als %n Minute: Es gibt nichts zu teilen.</numerusform>
            <numerusform>Der Klang ist nicht länger als %n Minuten: Es gibt nichts zu teilen.</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no split points: find the pauses, or add a split point, first.</source>
        <translation>Es gibt keine Trennpunkte: Finden Sie zuerst die Pausen, oder fügen Sie einen Trennpunkt hinzu.</translation>
    </message>
    <message numerus="yes">
        <source>Add the %n track(s) as clips. Tracks without a title are named with this prefix and their number:</source>
        <translation>
            <numerusform>Den %n Track als Clip hinzufügen. Tracks ohne Titel werden mit diesem Präfix und ihrer Nummer benannt:</numerusform>
            <numerusform>Die %n Tracks als Clips hinzufügen. Tracks ohne Titel werden mit diesem Präfix und ihrer Nummer benannt:</numerusform>
        </translation>
    </message>
    <message>
        <source>Add as clips</source>
        <translation>Als Clips hinzufügen</translation>
    </message>
    <message>
        <source>A prefix takes letters, digits, &quot;-&quot; and &quot;_&quot; only.</source>
        <translation>Ein Präfix darf nur Buchstaben, Ziffern, &quot;-&quot; und &quot;_&quot; enthalten.</translation>
    </message>
    <message>
        <source>The tracks could not be added as clips: %1</source>
        <translation>Die Tracks konnten nicht als Clips hinzugefügt werden: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; as %2</source>
        <translation>„%1“ als %2</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) added. Clip names take letters, digits, &quot;-&quot; and &quot;_&quot; only, and no name twice; these titles were named otherwise:</source>
        <translation>
            <numerusform>%n Clip hinzugefügt. Clipnamen dürfen nur Buchstaben, Ziffern, &quot;-&quot; und &quot;_&quot; enthalten, und kein Name darf doppelt vorkommen; diese Titel wurden anders benannt:</numerusform>
            <numerusform>%n Clips hinzugefügt. Clipnamen dürfen nur Buchstaben, Ziffern, &quot;-&quot; und &quot;_&quot; enthalten, und kein Name darf doppelt vorkommen; diese Titel wurden anders benannt:</numerusform>
        </translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; cannot be opened.<byte value="xd"/>
%2</source>
        <translation>Das Cue-Sheet „%1“ kann nicht geöffnet werden.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; does not fit its sound.<byte value="xd"/>
%2</source>
        <translation>Das Cue-Sheet „%1“ passt nicht zu seinem Klang.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; could not be written: %2</source>
        <translation>Das Cue-Sheet „%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>WavFile</name>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the file is not a WAVE file</source>
        <translation>die Datei ist keine WAVE-Datei</translation>
    </message>
    <message>
        <source>the file holds compressed or unsupported sound</source>
        <translation>die Datei enthält komprimierten oder nicht unterstützten Klang</translation>
    </message>
    <message>
        <source>the file&apos;s header is damaged or truncated</source>
        <translation>der Dateikopf ist beschädigt oder abgeschnitten</translation>
    </message>
    <message>
        <source>the file cannot be created there</source>
        <translation>die Datei kann dort nicht angelegt werden</translation>
    </message>
    <message>
        <source>writing the file failed</source>
        <translation>das Schreiben der Datei ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>the sound is too long for a WAVE file (4 GiB)</source>
        <translation>der Klang ist zu lang für eine WAVE-Datei (4 GiB)</translation>
    </message>
    <message>
        <source>the sound to save could not be read</source>
        <translation>der zu speichernde Klang konnte nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cut, collect and join sounds into one MP3 or WAV file.</source>
        <translation>Klänge schneiden, sammeln und zu einer MP3- oder WAV-Datei zusammenfügen.</translation>
    </message>
    <message>
        <source>Mark pieces, list them, and save the list as one file.</source>
        <translation>Abschnitte markieren, in die Liste aufnehmen und die Liste als eine Datei speichern.</translation>
    </message>
</context>
<context>
    <name>trevisto::ClipLoudness</name>
    <message>
        <source>measuring loudness…</source>
        <translation>Lautheit wird gemessen…</translation>
    </message>
</context>
</TS>
