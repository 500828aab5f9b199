<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Captions</name>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Find pauses...</source>
        <translation>Trova pause...</translation>
    </message>
    <message>
        <source>Split every N minutes...</source>
        <translation>Dividi ogni N minuti...</translation>
    </message>
    <message>
        <source>Add split point</source>
        <translation>Aggiungi punto di divisione</translation>
    </message>
    <message>
        <source>Remove split point</source>
        <translation>Rimuovi punto di divisione</translation>
    </message>
    <message>
        <source>Clear split points</source>
        <translation>Cancella i punti di divisione</translation>
    </message>
    <message>
        <source>Add tracks as clips...</source>
        <translation>Aggiungi le tracce come clip...</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Tracce</translation>
    </message>
    <message>
        <source>Write a cue sheet beside each join</source>
        <translation>Scrivi un file CUE accanto a ogni unione</translation>
    </message>
    <message>
        <source>Ask for tags when saving</source>
        <translation>Chiedi i tag al salvataggio</translation>
    </message>
    <message>
        <source>Before a file is saved or joined, show the title, artist and other tags it will carry, to change them</source>
        <translation>Prima di salvare o unire un file, mostra il titolo, l’artista e gli altri tag che avrà, per cambiarli</translation>
    </message>
    <message>
        <source>&amp;Join options...</source>
        <translation>Opzioni di &amp;unione...</translation>
    </message>
    <message>
        <source>Loudness, crossfades and fades for every join</source>
        <translation>Loudness, dissolvenze incrociate e dissolvenze per ogni unione</translation>
    </message>
    <message>
        <source>&amp;Hear the joint</source>
        <translation>&amp;Ascolta la giunzione</translation>
    </message>
    <message>
        <source>Plays the two seconds around the selected clip&apos;s joint with the next one, as the join will make them (Ctrl+J)</source>
        <translation>Riproduce i due secondi attorno alla giunzione della clip selezionata con la successiva, come li farà l’unione (Ctrl+J)</translation>
    </message>
</context>
<context>
    <name>ClipSteps</name>
    <message>
        <source>Add clip %1</source>
        <translation>Aggiungi la clip %1</translation>
    </message>
    <message>
        <source>Move clip %1</source>
        <translation>Sposta la clip %1</translation>
    </message>
    <message>
        <source>Delete clip %1</source>
        <translation>Elimina la clip %1</translation>
    </message>
    <message>
        <source>Delete all clips</source>
        <translation>Elimina tutte le clip</translation>
    </message>
    <message>
        <source>Delete the clips joined into %1</source>
        <translation>Elimina le clip unite in %1</translation>
    </message>
    <message numerus="yes">
        <source>Add %n clip(s)</source>
        <translation>
            <numerusform>Aggiungi %n clip</numerusform>
            <numerusform>Aggiungi %n clip</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Clips</name>
    <message>
        <source>The clip &quot;%1&quot; cannot be saved as &quot;%2&quot;: %3<byte value="xd"/>
%4</source>
        <translation>Impossibile salvare la clip &quot;%1&quot; come &quot;%2&quot;: %3<byte value="xd"/>
%4</translation>
    </message>
</context>
<context>
    <name>CloseView</name>
    <message>
        <source>%1 s shown</source>
        <translation>%1 s visibili</translation>
    </message>
    <message>
        <source>%1 ms shown</source>
        <translation>%1 ms visibili</translation>
    </message>
    <message>
        <source>Close view of the sound</source>
        <translation>Vista ravvicinata del suono</translation>
    </message>
    <message>
        <source>▶ In to Out</source>
        <translation>▶ Da In a Out</translation>
    </message>
    <message>
        <source>Plays from Mark In to Mark Out (Shift+Space)</source>
        <translation>Riproduce da Mark In a Mark Out (Maiusc+Spazio)</translation>
    </message>
    <message>
        <source>▶ 2 s from In</source>
        <translation>▶ 2 s da In</translation>
    </message>
    <message>
        <source>Plays the two seconds from Mark In ([)</source>
        <translation>Riproduce i due secondi da Mark In ([)</translation>
    </message>
    <message>
        <source>▶ 2 s to Out</source>
        <translation>▶ 2 s fino a Out</translation>
    </message>
    <message>
        <source>Plays the two seconds up to Mark Out (])</source>
        <translation>Riproduce i due secondi fino a Mark Out (])</translation>
    </message>
    <message>
        <source>Ctrl+wheel, Ctrl+Plus and Ctrl+Minus zoom; Ctrl+0 shows the whole sound, Ctrl+E Mark In to Mark Out.
The wheel or a drag scrolls; a click moves the play position.
Drag a mark&apos;s handle to move it; drag across the ruler, or Shift+drag, to mark a range.
Double-click the In or Out time to type it to the millisecond.
Shift+Space plays from Mark In to Mark Out, [ the first two seconds, ] the last two.
, and . step 10 ms, with Shift one second.</source>
        <translation>Ctrl+rotella, Ctrl+Più e Ctrl+Meno ingrandiscono; Ctrl+0 mostra tutto il suono, Ctrl+E da Mark In a Mark Out.
La rotella o il trascinamento scorre; un clic sposta la posizione di riproduzione.
Trascinare la maniglia di un segno per spostarlo; trascinare sul righello, o con Maiusc, per segnare un intervallo.
Fare doppio clic sul tempo di inizio o fine per digitarlo al millisecondo.
Maiusc+Spazio riproduce da Mark In a Mark Out, [ i primi due secondi, ] gli ultimi due.
, e . spostano di 10 ms, con Maiusc di un secondo.</translation>
    </message>
    <message>
        <source>Snap marks to zero crossings</source>
        <translation>Allinea i segni agli attraversamenti dello zero</translation>
    </message>
    <message>
        <source>Every mark placed or dragged goes to the nearest zero crossing within 5 ms</source>
        <translation>Ogni segno posto o trascinato va all’attraversamento dello zero più vicino entro 5 ms</translation>
    </message>
    <message>
        <source>The option cannot be saved in &quot;%1&quot;: %2.</source>
        <translation>Impossibile salvare l’opzione in &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>Inizio %1</translation>
    </message>
    <message>
        <source>Out %1</source>
        <translation>Fine %1</translation>
    </message>
    <message>
        <source>Type the time as hh:mm:ss.mmm; Enter sets it, Escape leaves it.</source>
        <translation>Digitare il tempo come hh:mm:ss.mmm; Invio lo imposta, Esc lo lascia.</translation>
    </message>
    <message>
        <source>Mark In cannot be after Mark Out.</source>
        <translation>Mark In non può stare dopo Mark Out.</translation>
    </message>
    <message>
        <source>Mark Out cannot be before Mark In.</source>
        <translation>Mark Out non può stare prima di Mark In.</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Posizione %1</translation>
    </message>
    <message>
        <source>Mark In, typed as hh:mm:ss.mmm</source>
        <translation>Mark In, digitato come hh:mm:ss.mmm</translation>
    </message>
    <message>
        <source>Mark Out, typed as hh:mm:ss.mmm</source>
        <translation>Mark Out, digitato come hh:mm:ss.mmm</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Hours</source>
        <translation>Ore</translation>
    </message>
    <message>
        <source>Hours of the time to go to</source>
        <translation>Ore del tempo a cui andare</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>Minutes of the time to go to</source>
        <translation>Minuti del tempo a cui andare</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Seconds of the time to go to</source>
        <translation>Secondi del tempo a cui andare</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Vai a</translation>
    </message>
    <message>
        <source>Play from the time chosen above</source>
        <translation>Riproduci dal tempo scelto sopra</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>The whole sound: click or drag to play from there</source>
        <translation>Tutto il suono: fai clic o trascina per riprodurre da lì</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume audio</translation>
    </message>
    <message>
        <source>Master volume of the sound card</source>
        <translation>Volume generale della scheda audio</translation>
    </message>
    <message>
        <source>Mark In</source>
        <translation>Segna inizio</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>Segna fine</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Play the cut</source>
        <translation>Riproduci il taglio</translation>
    </message>
    <message>
        <source>Stop the cut</source>
        <translation>Ferma il taglio</translation>
    </message>
    <message>
        <source>Save the cut as MP3</source>
        <translation>Salva il taglio come MP3</translation>
    </message>
    <message>
        <source>Save the cut as WAV</source>
        <translation>Salva il taglio come WAV</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>End the program and delete its working files</source>
        <translation>Chiudi il programma ed elimina i suoi file di lavoro</translation>
    </message>
    <message>
        <source>Add to list</source>
        <translation>Aggiungi alla lista</translation>
    </message>
    <message>
        <source>Clips</source>
        <translation>Elenco clip</translation>
    </message>
    <message>
        <source>Play list</source>
        <translation>Riproduci lista</translation>
    </message>
    <message>
        <source>Play the clips one after another, from the selected one</source>
        <translation>Riproduci le clip una dopo l’altra, da quella selezionata</translation>
    </message>
    <message>
        <source>Stop list</source>
        <translation>Ferma lista</translation>
    </message>
    <message>
        <source>Stop playing the list</source>
        <translation>Ferma la riproduzione della lista</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Move the selected clip up</source>
        <translation>Sposta su la clip selezionata</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Move the selected clip down</source>
        <translation>Sposta giù la clip selezionata</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>Elimina clip</translation>
    </message>
    <message>
        <source>Delete all clips</source>
        <translation>Elimina tutte le clip</translation>
    </message>
    <message>
        <source>Join as WAV</source>
        <translation>Unisci come WAV</translation>
    </message>
    <message>
        <source>Join as MP3</source>
        <translation>Unisci come MP3</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Choose a sound file to open</source>
        <translation>Scegli un file audio da aprire</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>Stato del codificatore</translation>
    </message>
    <message>
        <source>Currently/Total</source>
        <translation>Attuale/Totale</translation>
    </message>
    <message>
        <source>Time Frame</source>
        <translation>Intervallo di tempo</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Vai a</translation>
    </message>
    <message>
        <source>Mp3 Segment</source>
        <translation>Segmento MP3</translation>
    </message>
    <message>
        <source>New Mp3</source>
        <translation>Nuovo MP3</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Back 2 seconds</source>
        <translation>Indietro di 2 secondi</translation>
    </message>
    <message>
        <source>On 1 second</source>
        <translation>Avanti di 1 secondo</translation>
    </message>
    <message>
        <source>Delete the selected clip</source>
        <translation>Elimina la clip selezionata</translation>
    </message>
    <message>
        <source>Delete every clip of the list</source>
        <translation>Elimina tutte le clip dell’elenco</translation>
    </message>
    <message>
        <source>Save the cut as an MP3 file</source>
        <translation>Salva il taglio come file MP3</translation>
    </message>
    <message>
        <source>Save the cut as a WAV file</source>
        <translation>Salva il taglio come file WAV</translation>
    </message>
    <message>
        <source>Join every clip into one WAV file</source>
        <translation>Unisci tutte le clip in un file WAV</translation>
    </message>
    <message>
        <source>Join every clip into one MP3 file</source>
        <translation>Unisci tutte le clip in un file MP3</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Taglia</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>A conversion is already under way.</source>
        <translation>È già in corso una conversione.</translation>
    </message>
    <message>
        <source>The working file &quot;%1&quot; cannot be replaced: %2.</source>
        <translation>Impossibile sostituire il file di lavoro &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The working file &quot;%1&quot; cannot be created: %2.</source>
        <translation>Impossibile creare il file di lavoro &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Writing the working file &quot;%1&quot; failed: %2.</source>
        <translation>Scrittura del file di lavoro &quot;%1&quot; non riuscita: %2.</translation>
    </message>
    <message>
        <source>The source could not be read to its end (error code %1, after %2 bytes).</source>
        <translation>Non è stato possibile leggere l’origine fino alla fine (codice di errore %1, dopo %2 byte).</translation>
    </message>
    <message>
        <source>The sound is too long: &quot;%1&quot; holds its first %2 bytes, the most one WAV file can hold.</source>
        <translation>Il suono è troppo lungo: &quot;%1&quot; ne contiene i primi %2 byte, il massimo che un file WAV può contenere.</translation>
    </message>
    <message>
        <source>Completing the working file &quot;%1&quot; failed: %2.</source>
        <translation>Impossibile completare il file di lavoro &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>the sound&apos;s format is not one that can be converted</source>
        <translation>il formato del suono non può essere convertito</translation>
    </message>
    <message>
        <source>the target format is not one that can be converted to</source>
        <translation>non è possibile convertire nel formato di destinazione</translation>
    </message>
</context>
<context>
    <name>CopySaving</name>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Keep the source&apos;s MP3 frames: no re-encoding</source>
        <translation>Mantenere i frame MP3 dell’origine: nessuna nuova codifica</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Non è stato possibile scrivere &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Encoded again at %1 kbit/s: %2.</source>
        <translation>Codificato di nuovo a %1 kbit/s: %2.</translation>
    </message>
    <message>
        <source>Joints encoded again: %1.</source>
        <translation>Giunzioni codificate di nuovo: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stays %2 dB under the loudness asked for: more would take its peak past -1 dBTP.</source>
        <translation>«%1» resta %2 dB sotto la loudness richiesta: di più porterebbe il suo picco oltre -1 dBTP.</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: the crossfades overlap them.</source>
        <translation>Il suono unito dura %1, %2 ms meno della somma delle clip: le dissolvenze incrociate le sovrappongono.</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: MP3 frames are whole, and each joint encoded again loses less than a frame.</source>
        <translation>Il suono unito dura %1, %2 ms meno della somma delle clip: i frame MP3 sono interi, e ogni giunzione codificata di nuovo perde meno di un frame.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stays %2 dB under the loudness asked for: copied MP3 frames change their level in steps of 1.5 dB.</source>
        <translation>«%1» resta %2 dB sotto la loudness richiesta: i frame MP3 copiati cambiano livello a passi di 1,5 dB.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; goes %2 dB over the loudness asked for: copied MP3 frames change their level in steps of 1.5 dB.</source>
        <translation>«%1» supera di %2 dB la loudness richiesta: i frame MP3 copiati cambiano livello a passi di 1,5 dB.</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: the crossfades overlap them, each widened by less than a frame to whole MP3 frames.</source>
        <translation>Il suono unito dura %1, %2 ms in meno della somma delle clip: le dissolvenze incrociate le sovrappongono, ciascuna allargata di meno di un frame fino a frame MP3 interi.</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>Line %1 of the cue sheet: %2</source>
        <translation>Riga %1 del file CUE: %2</translation>
    </message>
    <message>
        <source>This is not a cue sheet: it holds binary data.</source>
        <translation>Questo non è un file CUE: contiene dati binari.</translation>
    </message>
    <message>
        <source>a quotation mark is not closed.</source>
        <translation>delle virgolette non sono chiuse.</translation>
    </message>
    <message>
        <source>FILE names no file.</source>
        <translation>FILE non indica alcun file.</translation>
    </message>
    <message>
        <source>a second FILE; only sheets of one sound file can be opened.</source>
        <translation>un secondo FILE; si possono aprire solo file CUE di un unico file audio.</translation>
    </message>
    <message>
        <source>TRACK before any FILE.</source>
        <translation>TRACK prima del primo FILE.</translation>
    </message>
    <message>
        <source>this track has no INDEX 01.</source>
        <translation>questa traccia non ha INDEX 01.</translation>
    </message>
    <message>
        <source>a track number must be 1 to 99.</source>
        <translation>il numero di una traccia deve essere da 1 a 99.</translation>
    </message>
    <message>
        <source>only AUDIO tracks can be opened.</source>
        <translation>si possono aprire solo tracce AUDIO.</translation>
    </message>
    <message>
        <source>INDEX outside a TRACK.</source>
        <translation>INDEX fuori da un TRACK.</translation>
    </message>
    <message>
        <source>an INDEX is written as INDEX nn mm:ss:ff.</source>
        <translation>un INDEX si scrive INDEX nn mm:ss:ff.</translation>
    </message>
    <message>
        <source>a second INDEX 01 in one track.</source>
        <translation>un secondo INDEX 01 nella stessa traccia.</translation>
    </message>
    <message>
        <source>this track starts no later than the one before it.</source>
        <translation>questa traccia non inizia dopo la precedente.</translation>
    </message>
    <message>
        <source>The cue sheet names no sound file (it has no FILE line).</source>
        <translation>Il file CUE non indica alcun file audio (non ha una riga FILE).</translation>
    </message>
    <message>
        <source>The cue sheet has no TRACK.</source>
        <translation>Il file CUE non ha alcun TRACK.</translation>
    </message>
    <message>
        <source>The cue sheet cannot be read: %1</source>
        <translation>Impossibile leggere il file CUE: %1</translation>
    </message>
    <message>
        <source>The file is %1 MB; a cue sheet is at most %2 MB.</source>
        <translation>Il file è di %1 MB; un file CUE è al massimo di %2 MB.</translation>
    </message>
    <message>
        <source>the sound file %1 is not there.</source>
        <translation>il file audio %1 non esiste.</translation>
    </message>
    <message>
        <source>track %1 starts at %2, past the end of the sound.</source>
        <translation>la traccia %1 inizia a %2, oltre la fine del suono.</translation>
    </message>
</context>
<context>
    <name>Cutting</name>
    <message>
        <source>The cut of &quot;%1&quot; into &quot;%2&quot; could not be made: %3<byte value="xd"/>
%4</source>
        <translation>Impossibile tagliare &quot;%1&quot; in &quot;%2&quot;: %3<byte value="xd"/>
%4</translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>The command is not recognised.</source>
        <translation>Il comando non è riconosciuto.</translation>
    </message>
    <message>
        <source>The command is missing a file name, an alias or a position.</source>
        <translation>Al comando manca un nome di file, un alias o una posizione.</translation>
    </message>
    <message>
        <source>The command contains a word it does not accept.</source>
        <translation>Il comando contiene una parola che non accetta.</translation>
    </message>
    <message>
        <source>No sound is open under that name.</source>
        <translation>Nessun suono è aperto con quel nome.</translation>
    </message>
    <message>
        <source>A sound is already open under that name.</source>
        <translation>Un suono è già aperto con quel nome.</translation>
    </message>
    <message>
        <source>A position is not a whole, non-negative number of milliseconds.</source>
        <translation>Una posizione non è un numero intero non negativo di millisecondi.</translation>
    </message>
    <message>
        <source>The start position lies after the end position.</source>
        <translation>La posizione iniziale è successiva a quella finale.</translation>
    </message>
    <message>
        <source>The file cannot be found.</source>
        <translation>Il file non è stato trovato.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>The file is not a WAVE sound file.</source>
        <translation>Il file non è un file audio WAVE.</translation>
    </message>
    <message>
        <source>The file holds compressed or unsupported sound; only uncompressed PCM and float WAVE files can be used.</source>
        <translation>Il file contiene suono compresso o non supportato; si possono usare solo file WAVE PCM non compressi e in virgola mobile.</translation>
    </message>
    <message>
        <source>The file&apos;s header is damaged or incomplete.</source>
        <translation>L’intestazione del file è danneggiata o incompleta.</translation>
    </message>
    <message>
        <source>Only waveaudio sounds can be opened.</source>
        <translation>Si possono aprire solo suoni waveaudio.</translation>
    </message>
    <message>
        <source>The file cannot be written: check that the folder exists, is writable and has room.</source>
        <translation>Impossibile scrivere il file: verificare che la cartella esista, sia scrivibile e abbia spazio.</translation>
    </message>
    <message>
        <source>The result would be larger than the 4 GiB a WAVE file can hold.</source>
        <translation>Il risultato supererebbe i 4 GiB che un file WAVE può contenere.</translation>
    </message>
    <message>
        <source>No sound file is open.</source>
        <translation>Nessun file audio è aperto.</translation>
    </message>
    <message>
        <source>No sound output is available.</source>
        <translation>Nessuna uscita audio disponibile.</translation>
    </message>
    <message>
        <source>The file cannot be written: %1.</source>
        <translation>Impossibile scrivere il file: %1.</translation>
    </message>
</context>
<context>
    <name>DiskSpace</name>
    <message>
        <source>There is not enough room on the disk for &quot;%1&quot;: it needs %2, and %3 is free.</source>
        <translation>Sul disco non c’è spazio sufficiente per «%1»: servono %2 e ne sono liberi %3.</translation>
    </message>
</context>
<context>
    <name>Dropping</name>
    <message>
        <source>Drop one sound file at a time.</source>
        <translation>Rilasciare un solo file audio alla volta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file on this computer.</source>
        <translation>&quot;%1&quot; non è un file di questo computer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder. Drop a sound file.</source>
        <translation>&quot;%1&quot; è una cartella. Rilasciare un file audio.</translation>
    </message>
</context>
<context>
    <name>Encoder</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossibile scrivere &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The MP3 encoder could not start (out of memory)</source>
        <translation>Impossibile avviare il codificatore MP3 (memoria esaurita)</translation>
    </message>
    <message>
        <source>The MP3 encoder refused %1 kbit/s at %2 Hz</source>
        <translation>Il codificatore MP3 ha rifiutato %1 kbit/s a %2 Hz</translation>
    </message>
    <message>
        <source>The MP3 encoder failed on &quot;%1&quot; (error %2)</source>
        <translation>Il codificatore MP3 non è riuscito a elaborare &quot;%1&quot; (errore %2)</translation>
    </message>
    <message>
        <source>No info frame fits at %1 Hz</source>
        <translation>Nessun frame informativo è adatto a %1 Hz</translation>
    </message>
    <message>
        <source>The MP3 encoder failed at the end of &quot;%1&quot;</source>
        <translation>Il codificatore MP3 non è riuscito a terminare &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The MP3 encoder gave no info frame for &quot;%1&quot;</source>
        <translation>Il codificatore MP3 non ha prodotto alcun frame informativo per &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cannot convert &quot;%1&quot;: %2</source>
        <translation>Impossibile convertire &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot convert &quot;%1&quot;</source>
        <translation>Impossibile convertire &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossibile leggere &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>il file è terminato prima del previsto</translation>
    </message>
    <message>
        <source>An encoding is already running; &quot;%1&quot; was not started</source>
        <translation>È già in corso una codifica; &quot;%1&quot; non è stato avviato</translation>
    </message>
    <message>
        <source>No file name was given for the MP3 file</source>
        <translation>Non è stato indicato alcun nome per il file MP3</translation>
    </message>
    <message>
        <source>Cannot encode &quot;%1&quot;: it has %2 channels and MP3 holds at most two</source>
        <translation>Impossibile codificare &quot;%1&quot;: ha %2 canali e l’MP3 ne supporta al massimo due</translation>
    </message>
    <message>
        <source>%1 Hz is not possible in MP3; encoded at %2 Hz</source>
        <translation>%1 Hz non è possibile in MP3; codificato a %2 Hz</translation>
    </message>
    <message>
        <source>%1 kbit/s is not possible at %2 Hz; encoded at %3 kbit/s</source>
        <translation>%1 kbit/s non è possibile a %2 Hz; codificato a %3 kbit/s</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a folder</source>
        <translation>Impossibile scrivere &quot;%1&quot;: è una cartella</translation>
    </message>
    <message>
        <source>Out of memory while encoding &quot;%1&quot;</source>
        <translation>Memoria esaurita durante la codifica di &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The encoding of &quot;%1&quot; failed</source>
        <translation>La codifica di &quot;%1&quot; non è riuscita</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>Impossibile salvare &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The encoding of &quot;%1&quot; was cancelled</source>
        <translation>La codifica di &quot;%1&quot; è stata annullata</translation>
    </message>
</context>
<context>
    <name>Frmwait</name>
    <message>
        <source>Please wait</source>
        <translation>Attendere prego</translation>
    </message>
    <message>
        <source>Copying…</source>
        <translation>Copia in corso…</translation>
    </message>
    <message>
        <source>Joining…</source>
        <translation>Unione in corso…</translation>
    </message>
    <message>
        <source>Encoding…</source>
        <translation>Codifica in corso…</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Caricamento…</translation>
    </message>
</context>
<context>
    <name>JoinClips</name>
    <message>
        <source>the folder does not exist</source>
        <translation>la cartella non esiste</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>Impossibile leggere &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>Impossibile scrivere &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>There are no clips to join.</source>
        <translation>Non ci sono clip da unire.</translation>
    </message>
    <message>
        <source>the joined sound would be longer than a WAVE file can hold (more than %1 bytes of sound)</source>
        <translation>il suono unito sarebbe più lungo di quanto un file WAVE possa contenere (più di %1 byte di suono)</translation>
    </message>
    <message>
        <source>The join was cancelled.</source>
        <translation>L’unione è stata annullata.</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>il file è terminato prima del previsto</translation>
    </message>
    <message>
        <source>its sound could not be converted</source>
        <translation>non è stato possibile convertirne il suono</translation>
    </message>
    <message>
        <source>the joined sound came out at another length than planned</source>
        <translation>il suono unito ha una durata diversa da quella prevista</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds less sound than its header says: the file was cut short.</source>
        <translation>&quot;%1&quot; contiene meno suono di quanto dichiari la sua intestazione: il file è stato troncato.</translation>
    </message>
</context>
<context>
    <name>JoinOptionsText</name>
    <message>
        <source>The loudness to match is empty (off), -23, -18, -16 or -14 LUFS, not &quot;%1&quot;.</source>
        <translation>La loudness da uniformare è vuota (disattivata), -23, -18, -16 o -14 LUFS, non «%1».</translation>
    </message>
    <message>
        <source>The crossfade is 0 (none) or 5 to 5000 ms, not &quot;%1&quot;.</source>
        <translation>La dissolvenza incrociata è 0 (nessuna) o da 5 a 5000 ms, non «%1».</translation>
    </message>
    <message>
        <source>A fade is 0 to 10000 ms.</source>
        <translation>Una dissolvenza dura da 0 a 10000 ms.</translation>
    </message>
</context>
<context>
    <name>JoinTimeline</name>
    <message>
        <source>&quot;%1&quot; cannot be read</source>
        <translation>Impossibile leggere «%1»</translation>
    </message>
</context>
<context>
    <name>Joining</name>
    <message>
        <source>The clips cannot be joined into &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Impossibile unire le clip in &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Start the next MP3 file when it is done.</source>
        <translation>&quot;%1&quot; è ancora in fase di scrittura. Avviare il prossimo file MP3 quando avrà finito.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Impossibile scrivere &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Non è stato possibile scrivere &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Start the next file when it is done.</source>
        <translation>&quot;%1&quot; è ancora in fase di scrittura. Avviare il prossimo file quando avrà finito.</translation>
    </message>
    <message>
        <source>Match loudness (LUFS):</source>
        <translation>Uniforma la loudness (LUFS):</translation>
    </message>
    <message>
        <source>Crossfade at each joint (ms):</source>
        <translation>Dissolvenza incrociata a ogni giunzione (ms):</translation>
    </message>
    <message>
        <source>Fade-in (ms):</source>
        <translation>Dissolvenza in entrata (ms):</translation>
    </message>
    <message>
        <source>Fade-out (ms):</source>
        <translation>Dissolvenza in uscita (ms):</translation>
    </message>
    <message>
        <source>Empty: every clip keeps its level. -23, -18, -16 or -14: each clip is brought to that loudness, less where its peak would pass -1 dBTP.</source>
        <translation>Vuoto: ogni clip mantiene il suo livello. -23, -18, -16 o -14: ogni clip è portata a quella loudness, meno dove il suo picco supererebbe -1 dBTP.</translation>
    </message>
    <message>
        <source>0: a plain splice. 5 to 5000: the clips overlap by that much at each joint, one fading into the other. 10 takes the clicks out of the joints.</source>
        <translation>0: un taglio semplice. Da 5 a 5000: le clip si sovrappongono di tanto a ogni giunzione, l’una sfumando nell’altra. 10 toglie i clic dalle giunzioni.</translation>
    </message>
    <message>
        <source>0 to 10000: the joined sound rises from silence over this long.</source>
        <translation>Da 0 a 10000: il suono unito sale dal silenzio per questa durata.</translation>
    </message>
    <message>
        <source>0 to 10000: the joined sound falls to silence over this long.</source>
        <translation>Da 0 a 10000: il suono unito scende al silenzio per questa durata.</translation>
    </message>
    <message>
        <source>How the clips are joined, in every join from now on.</source>
        <translation>Come vengono unite le clip, in ogni unione da ora in poi.</translation>
    </message>
    <message>
        <source>Join options</source>
        <translation>Opzioni di unione</translation>
    </message>
    <message>
        <source>The join options hold for this run only: %1</source>
        <translation>Le opzioni di unione valgono solo per questa esecuzione: %1</translation>
    </message>
    <message>
        <source>Select a clip that has another one after it: the joint between them plays.</source>
        <translation>Selezionare una clip seguita da un’altra: viene riprodotta la giunzione tra le due.</translation>
    </message>
    <message>
        <source>The joint cannot be played.<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>La giunzione non può essere riprodotta.<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>Loading</name>
    <message>
        <source>&quot;%1&quot; is still being converted. Open the next sound when it is done.</source>
        <translation>&quot;%1&quot; è ancora in fase di conversione. Aprire il prossimo suono quando avrà finito.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being copied. Open the next sound when it is done.</source>
        <translation>&quot;%1&quot; è ancora in fase di copia. Aprire il prossimo suono quando avrà finito.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot take the place of the working file &quot;%2&quot;: %3.</source>
        <translation>&quot;%1&quot; non può sostituire il file di lavoro &quot;%2&quot;: %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Impossibile aprire &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Its %1 channels were mixed down to stereo.</source>
        <translation>I suoi %1 canali sono stati mixati in stereo.</translation>
    </message>
</context>
<context>
    <name>Mp3Copy</name>
    <message>
        <source>the cut does not come from an MP3 file</source>
        <translation>il taglio non proviene da un file MP3</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossibile scrivere &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Mp3Frames</name>
    <message>
        <source>the source MP3 file cannot be read</source>
        <translation>impossibile leggere il file MP3 di origine</translation>
    </message>
    <message>
        <source>the source holds no MPEG Layer III frames</source>
        <translation>l’origine non contiene frame MPEG Layer III</translation>
    </message>
    <message>
        <source>the source is a free-format MP3</source>
        <translation>l’origine è un MP3 in formato libero</translation>
    </message>
    <message>
        <source>the cut does not lie within the source MP3</source>
        <translation>il taglio non rientra nell’MP3 di origine</translation>
    </message>
    <message>
        <source>the cut is shorter than one MP3 frame</source>
        <translation>il taglio è più corto di un frame MP3</translation>
    </message>
    <message>
        <source>the source MP3 has a damaged frame inside the cut</source>
        <translation>l’MP3 di origine ha un frame danneggiato all’interno del taglio</translation>
    </message>
    <message>
        <source>the source MP3 file has changed since it was opened</source>
        <translation>il file MP3 di origine è cambiato da quando è stato aperto</translation>
    </message>
    <message>
        <source>the sources differ in MPEG version, sample rate or channels</source>
        <translation>le origini differiscono per versione MPEG, frequenza di campionamento o canali</translation>
    </message>
    <message>
        <source>the MP3 file cannot be written</source>
        <translation>impossibile scrivere il file MP3</translation>
    </message>
    <message>
        <source>no MPEG Layer III frame starts within the first megabyte of the source</source>
        <translation>nessun frame MPEG Layer III inizia nel primo megabyte dell’origine</translation>
    </message>
    <message>
        <source>the cut lies in the first frames of the source MP3, which take bit-reservoir bytes from before the start of the file</source>
        <translation>il taglio si trova nei primi frame dell’MP3 di origine, che prendono byte della riserva di bit da prima dell’inizio del file</translation>
    </message>
    <message>
        <source>the cut crosses the point where two MP3 streams were put end to end in the source</source>
        <translation>il taglio attraversa il punto in cui nell’origine sono stati accodati due flussi MP3</translation>
    </message>
    <message>
        <source>the info frame of the source MP3 contradicts its frames</source>
        <translation>il frame informativo dell’MP3 di origine contraddice i suoi frame</translation>
    </message>
</context>
<context>
    <name>Mp3Join</name>
    <message>
        <source>a clip does not come from an MP3 file</source>
        <translation>un clip non proviene da un file MP3</translation>
    </message>
    <message>
        <source>a clip file does not hold the sound it was cut as</source>
        <translation>un file di clip non contiene il suono con cui è stato tagliato</translation>
    </message>
    <message>
        <source>a clip is too short to be joined without encoding it again</source>
        <translation>un clip è troppo corto per essere unito senza codificarlo di nuovo</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at a joint</source>
        <translation>il codificatore MP3 ha rifiutato il suono di una giunzione</translation>
    </message>
    <message>
        <source>the frames at a joint cannot carry the bit reservoir</source>
        <translation>i frame di una giunzione non possono contenere la riserva di bit</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossibile scrivere &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>monofonico</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>stereofonico</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) and &quot;%3&quot; (%4) differ in MPEG version, sample rate or channels</source>
        <translation>&quot;%1&quot; (%2) e &quot;%3&quot; (%4) differiscono per versione MPEG, frequenza di campionamento o canali</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at the start</source>
        <translation>il codificatore MP3 ha rifiutato il suono dell’inizio</translation>
    </message>
    <message>
        <source>the frames at the start cannot carry the bit reservoir</source>
        <translation>i frame dell’inizio non possono contenere la riserva di bit</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at the end</source>
        <translation>il codificatore MP3 ha rifiutato il suono alla fine</translation>
    </message>
    <message>
        <source>a fade reaches the frames encoded again at a joint or for the other fade</source>
        <translation>una dissolvenza raggiunge i frame codificati di nuovo a una giunzione o per l&apos;altra dissolvenza</translation>
    </message>
</context>
<context>
    <name>OpenWav</name>
    <message>
        <source>&quot;%1&quot; cannot be opened: %2</source>
        <translation>Impossibile aprire &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be copied to the working file &quot;%2&quot;: %3.</source>
        <translation>Impossibile copiare &quot;%1&quot; nel file di lavoro &quot;%2&quot;: %3.</translation>
    </message>
</context>
<context>
    <name>PauseForm</name>
    <message>
        <source>Threshold (dBFS, empty for automatic):</source>
        <translation>Soglia (dBFS, vuoto per automatica):</translation>
    </message>
    <message>
        <source>Shortest pause (s):</source>
        <translation>Pausa più breve (s):</translation>
    </message>
    <message>
        <source>Shortest track (s):</source>
        <translation>Traccia più breve (s):</translation>
    </message>
    <message>
        <source>Pause kept before a split (ms, empty for its middle):</source>
        <translation>Pausa mantenuta prima di una divisione (ms, vuoto per la sua metà):</translation>
    </message>
    <message>
        <source>The pause search needs four answers.</source>
        <translation>La ricerca delle pause richiede quattro risposte.</translation>
    </message>
    <message>
        <source>The threshold must be a level from -120 to 0 dBFS, or empty.</source>
        <translation>La soglia deve essere un livello da -120 a 0 dBFS, o vuota.</translation>
    </message>
    <message>
        <source>The shortest pause must be from 0.05 to 600 seconds.</source>
        <translation>La pausa più breve deve essere da 0,05 a 600 secondi.</translation>
    </message>
    <message>
        <source>The shortest track must be from 0 to 86400 seconds.</source>
        <translation>La traccia più breve deve essere da 0 a 86400 secondi.</translation>
    </message>
    <message>
        <source>The pause kept must be from 0 to 600000 ms, or empty.</source>
        <translation>La pausa mantenuta deve essere da 0 a 600000 ms, o vuota.</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>It is no sound or video format the program knows.</source>
        <translation>Non è un formato audio o video che il programma conosce.</translation>
    </message>
    <message>
        <source>It holds no sound.</source>
        <translation>Non contiene audio.</translation>
    </message>
    <message>
        <source>Its sound is encrypted.</source>
        <translation>Il suo audio è cifrato.</translation>
    </message>
    <message>
        <source>Its sound is in a codec the program cannot decode.</source>
        <translation>Il suo audio è in un codec che il programma non sa decodificare.</translation>
    </message>
    <message>
        <source>It is a list of other files or addresses, which the program does not follow.</source>
        <translation>È un elenco di altri file o indirizzi, che il programma non segue.</translation>
    </message>
    <message>
        <source>Its data is damaged or cut short.</source>
        <translation>I suoi dati sono danneggiati o troncati.</translation>
    </message>
    <message>
        <source>The file cannot be opened or read.</source>
        <translation>Il file non può essere aperto o letto.</translation>
    </message>
    <message>
        <source>Its sample rate or channel count is out of range.</source>
        <translation>La sua frequenza di campionamento o il numero di canali è fuori intervallo.</translation>
    </message>
    <message>
        <source>not a sound file</source>
        <translation>non è un file audio</translation>
    </message>
    <message>
        <source>Found: %1. %2</source>
        <translation>Trovato: %1. %2</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>&quot;%1&quot; cannot be saved: %2<byte value="xd"/>
%3</source>
        <translation>Impossibile salvare &quot;%1&quot;: %2<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is one of the program&apos;s working files. Choose another file.</source>
        <translation>&quot;%1&quot; è uno dei file di lavoro del programma. Scegliere un altro file.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of the clip &quot;%2&quot;. Choose another file: a clip is never written over.</source>
        <translation>&quot;%1&quot; è il file della clip &quot;%2&quot;. Scegliere un altro file: una clip non viene mai sovrascritta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file the open sound came from. Choose another file: the source is never written over.</source>
        <translation>&quot;%1&quot; è il file da cui proviene il suono aperto. Scegliere un altro file: la sorgente non viene mai sovrascritta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the MP3 file still being written. Choose another file.</source>
        <translation>&quot;%1&quot; è il file MP3 ancora in scrittura. Scegliere un altro file.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The language cannot be saved in &quot;%1&quot;: %2.</source>
        <translation>Impossibile salvare la lingua in &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>errore %1</translation>
    </message>
</context>
<context>
    <name>Shutdown</name>
    <message>
        <source>All %1 clip files of the list will be deleted.</source>
        <translation>Tutti i %1 file delle clip dell’elenco verranno eliminati.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written and will not be finished.</source>
        <translation>&quot;%1&quot; è ancora in scrittura e non verrà completato.</translation>
    </message>
</context>
<context>
    <name>SourceSteps</name>
    <message>
        <source>Mark In at %1</source>
        <translation>Inizio a %1</translation>
    </message>
    <message>
        <source>Mark out at %1</source>
        <translation>Fine a %1</translation>
    </message>
    <message>
        <source>Cut from %1 to %2</source>
        <translation>Taglio da %1 a %2</translation>
    </message>
    <message>
        <source>Marks at %1 to %2</source>
        <translation>Segni da %1 a %2</translation>
    </message>
</context>
<context>
    <name>SplitSteps</name>
    <message numerus="yes">
        <source>Split points at %n pause(s)</source>
        <translation>
            <numerusform>Punti di divisione a %n pausa</numerusform>
            <numerusform>Punti di divisione a %n pause</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Split points every %n minute(s)</source>
        <translation>
            <numerusform>Punti di divisione ogni %n minuto</numerusform>
            <numerusform>Punti di divisione ogni %n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>Split points of %1</source>
        <translation>Punti di divisione di %1</translation>
    </message>
    <message>
        <source>Split point at %1</source>
        <translation>Punto di divisione a %1</translation>
    </message>
    <message>
        <source>Split point at %1 removed</source>
        <translation>Punto di divisione a %1 rimosso</translation>
    </message>
    <message>
        <source>Split point moved from %1 to %2</source>
        <translation>Punto di divisione spostato da %1 a %2</translation>
    </message>
    <message>
        <source>Split points cleared</source>
        <translation>Punti di divisione cancellati</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>a file of that name is in the way</source>
        <translation>un file con lo stesso nome lo impedisce</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; cannot be created: %2.<byte value="xd"/>
<byte value="xd"/>
Trevisto MP3 Editor cannot run without it.</source>
        <translation>Impossibile creare la cartella di lavoro &quot;%1&quot;: %2.<byte value="xd"/>
<byte value="xd"/>
Trevisto MP3 Editor non può funzionare senza di essa.</translation>
    </message>
    <message>
        <source>Trevisto MP3 Editor is already running with the working files in &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
Only one copy can use them at a time.</source>
        <translation>Trevisto MP3 Editor è già in esecuzione con i file di lavoro in &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
Solo una copia alla volta può usarli.</translation>
    </message>
</context>
<context>
    <name>System</name>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>la quota del disco è esaurita</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>la cartella è di sola lettura</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>il file o la cartella non esiste</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>una parte del percorso non è una cartella</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>a file of that name already exists</source>
        <translation>esiste già un file con quel nome</translation>
    </message>
    <message>
        <source>the file would be too large</source>
        <translation>il file sarebbe troppo grande</translation>
    </message>
    <message>
        <source>an input/output error</source>
        <translation>un errore di input/output</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>il nome è troppo lungo</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>ci sono troppi file aperti</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria esaurita</translation>
    </message>
    <message>
        <source>the file is in use</source>
        <translation>il file è in uso</translation>
    </message>
    <message>
        <source>the path has too many symbolic links</source>
        <translation>il percorso contiene troppi collegamenti simbolici</translation>
    </message>
    <message>
        <source>the file cannot be moved to another disk</source>
        <translation>il file non può essere spostato su un altro disco</translation>
    </message>
    <message>
        <source>it is not a plain file but a device, a pipe or a socket</source>
        <translation>non è un file normale ma un dispositivo, una pipe o un socket</translation>
    </message>
</context>
<context>
    <name>TagForm</name>
    <message>
        <source>Title:</source>
        <translation>Titolo:</translation>
    </message>
    <message>
        <source>The title the file carries</source>
        <translation>Il titolo che il file riporta</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artista:</translation>
    </message>
    <message>
        <source>Who performs it</source>
        <translation>Chi lo esegue</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Nome album:</translation>
    </message>
    <message>
        <source>The album or the programme it belongs to</source>
        <translation>L’album o il programma a cui appartiene</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Anno:</translation>
    </message>
    <message>
        <source>The year, or a date such as 2024-05-31</source>
        <translation>L’anno, o una data come 2024-05-31</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genere:</translation>
    </message>
    <message>
        <source>The kind of sound: a word such as Speech or Jazz</source>
        <translation>Il tipo di suono: una parola come Parlato o Jazz</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Commento:</translation>
    </message>
    <message>
        <source>Any note that goes with the file</source>
        <translation>Qualsiasi nota che accompagna il file</translation>
    </message>
    <message>
        <source>The tags &quot;%1&quot; will carry. Pictures and lyrics of the source go with them.</source>
        <translation>I tag che «%1» avrà. Le immagini e i testi della sorgente li accompagnano.</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tag</translation>
    </message>
</context>
<context>
    <name>Tracks</name>
    <message>
        <source>Steps quieter than this count as pause. Empty: a little above the sound&apos;s own noise floor.</source>
        <translation>I passi di misura più silenziosi di questo valore contano come pausa. Vuoto: poco sopra il rumore di fondo del suono stesso.</translation>
    </message>
    <message>
        <source>A quiet stretch at least this long is a pause between tracks.</source>
        <translation>Un tratto silenzioso lungo almeno così è una pausa tra due tracce.</translation>
    </message>
    <message>
        <source>Split points that would leave a track shorter than this are dropped.</source>
        <translation>I punti di divisione che lascerebbero una traccia più breve di così vengono scartati.</translation>
    </message>
    <message>
        <source>How much of each pause stays at the end of the track before it. Empty: the split falls in the pause&apos;s middle.</source>
        <translation>Quanto di ogni pausa resta alla fine della traccia che la precede. Vuoto: la divisione cade a metà della pausa.</translation>
    </message>
    <message>
        <source>Find the pauses in the sound, or in the marked range when marks are set.</source>
        <translation>Trovare le pause nel suono, o nell’intervallo segnato quando i segni sono posti.</translation>
    </message>
    <message>
        <source>Find pauses</source>
        <translation>Trova pause</translation>
    </message>
    <message>
        <source>The sound &quot;%1&quot; could not be read.</source>
        <translation>Non è stato possibile leggere il suono &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No pause of %1 s or more below %2 dBFS was found.</source>
        <translation>Non è stata trovata alcuna pausa di %1 s o più sotto %2 dBFS.</translation>
    </message>
    <message>
        <source>Split every how many minutes (1 to 1440)? Each point moves to the quietest place within 30 seconds.</source>
        <translation>Dividere ogni quanti minuti (da 1 a 1440)? Ogni punto si sposta nel posto più silenzioso entro 30 secondi.</translation>
    </message>
    <message>
        <source>Split every N minutes</source>
        <translation>Dividi ogni N minuti</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of minutes from 1 to 1440.</source>
        <translation>&quot;%1&quot; non è un numero di minuti da 1 a 1440.</translation>
    </message>
    <message numerus="yes">
        <source>The sound is not longer than %n minute(s): there is nothing to split.</source>
        <translation>
            <numerusform>Il suono non è più lungo di %n minuto: non c’è nulla da dividere.</numerusform>
            <numerusform>Il suono non è più lungo di %n minuti: non c’è nulla da dividere.</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no split points: find the pauses, or add a split point, first.</source>
        <translation>Non ci sono punti di divisione: prima trovare le pause, o aggiungere un punto di divisione.</translation>
    </message>
    <message numerus="yes">
        <source>Add the %n track(s) as clips. Tracks without a title are named with this prefix and their number:</source>
        <translation>
            <numerusform>Aggiungere %n traccia come clip. Le tracce senza titolo prendono il nome da questo prefisso e dal loro numero:</numerusform>
            <numerusform>Aggiungere le %n tracce come clip. Le tracce senza titolo prendono il nome da questo prefisso e dal loro numero:</numerusform>
        </translation>
    </message>
    <message>
        <source>Add as clips</source>
        <translation>Aggiungi come clip</translation>
    </message>
    <message>
        <source>A prefix takes letters, digits, &quot;-&quot; and &quot;_&quot; only.</source>
        <translation>Un prefisso accetta solo lettere, cifre, &quot;-&quot; e &quot;_&quot;.</translation>
    </message>
    <message>
        <source>The tracks could not be added as clips: %1</source>
        <translation>Non è stato possibile aggiungere le tracce come clip: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; as %2</source>
        <translation>&quot;%1&quot; come %2</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) added. Clip names take letters, digits, &quot;-&quot; and &quot;_&quot; only, and no name twice; these titles were named otherwise:</source>
        <translation>
            <numerusform>%n clip aggiunta. I nomi delle clip accettano solo lettere, cifre, &quot;-&quot; e &quot;_&quot;, e nessun nome due volte; questi titoli sono stati chiamati diversamente:</numerusform>
            <numerusform>%n clip aggiunte. I nomi delle clip accettano solo lettere, cifre, &quot;-&quot; e &quot;_&quot;, e nessun nome due volte; questi titoli sono stati chiamati diversamente:</numerusform>
        </translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; cannot be opened.<byte value="xd"/>
%2</source>
        <translation>Impossibile aprire il file CUE &quot;%1&quot;.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; does not fit its sound.<byte value="xd"/>
%2</source>
        <translation>Il file CUE &quot;%1&quot; non corrisponde al suo suono.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; could not be written: %2</source>
        <translation>Impossibile scrivere il file CUE «%1»: %2</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>Undo %1</source>
        <translation>Annulla: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripeti: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
</context>
<context>
    <name>WavFile</name>
    <message>
        <source>the file does not exist</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>impossibile leggere il file</translation>
    </message>
    <message>
        <source>the file is not a WAVE file</source>
        <translation>il file non è un file WAVE</translation>
    </message>
    <message>
        <source>the file holds compressed or unsupported sound</source>
        <translation>il file contiene suono compresso o non supportato</translation>
    </message>
    <message>
        <source>the file&apos;s header is damaged or truncated</source>
        <translation>l’intestazione del file è danneggiata o troncata</translation>
    </message>
    <message>
        <source>the file cannot be created there</source>
        <translation>impossibile creare il file in quella posizione</translation>
    </message>
    <message>
        <source>writing the file failed</source>
        <translation>scrittura del file non riuscita</translation>
    </message>
    <message>
        <source>the sound is too long for a WAVE file (4 GiB)</source>
        <translation>il suono è troppo lungo per un file WAVE (4 GiB)</translation>
    </message>
    <message>
        <source>the sound to save could not be read</source>
        <translation>non è stato possibile leggere il suono da salvare</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cut, collect and join sounds into one MP3 or WAV file.</source>
        <translation>Taglia, raccogli e unisci suoni in un unico file MP3 o WAV.</translation>
    </message>
    <message>
        <source>Mark pieces, list them, and save the list as one file.</source>
        <translation>Segna i brani, mettili in elenco e salva l’elenco come un unico file.</translation>
    </message>
</context>
<context>
    <name>trevisto::ClipLoudness</name>
    <message>
        <source>measuring loudness…</source>
        <translation>misurazione della loudness…</translation>
    </message>
</context>
</TS>
