<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Captions</name>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Find pauses...</source>
        <translation>Trouver les pauses...</translation>
    </message>
    <message>
        <source>Split every N minutes...</source>
        <translation>Couper toutes les N minutes...</translation>
    </message>
    <message>
        <source>Add split point</source>
        <translation>Ajouter un point de coupe</translation>
    </message>
    <message>
        <source>Remove split point</source>
        <translation>Retirer le point de coupe</translation>
    </message>
    <message>
        <source>Clear split points</source>
        <translation>Effacer les points de coupe</translation>
    </message>
    <message>
        <source>Add tracks as clips...</source>
        <translation>Ajouter les pistes comme clips...</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Pistes</translation>
    </message>
    <message>
        <source>Write a cue sheet beside each join</source>
        <translation>Écrire un fichier CUE à côté de chaque jonction</translation>
    </message>
    <message>
        <source>Ask for tags when saving</source>
        <translation>Demander les étiquettes à l’enregistrement</translation>
    </message>
    <message>
        <source>Before a file is saved or joined, show the title, artist and other tags it will carry, to change them</source>
        <translation>Avant d’enregistrer ou de joindre un fichier, montrer le titre, l’artiste et les autres étiquettes qu’il portera, pour les modifier</translation>
    </message>
    <message>
        <source>&amp;Join options...</source>
        <translation>Options de &amp;jonction...</translation>
    </message>
    <message>
        <source>Loudness, crossfades and fades for every join</source>
        <translation>Sonie, fondus enchaînés et fondus pour chaque jonction</translation>
    </message>
    <message>
        <source>&amp;Hear the joint</source>
        <translation>É&amp;couter la jointure</translation>
    </message>
    <message>
        <source>Plays the two seconds around the selected clip&apos;s joint with the next one, as the join will make them (Ctrl+J)</source>
        <translation>Joue les deux secondes autour de la jointure du clip choisi avec le suivant, telles que la jonction les fera (Ctrl+J)</translation>
    </message>
</context>
<context>
    <name>ClipSteps</name>
    <message>
        <source>Add clip %1</source>
        <translation>Ajouter le clip %1</translation>
    </message>
    <message>
        <source>Move clip %1</source>
        <translation>Déplacer le clip %1</translation>
    </message>
    <message>
        <source>Delete clip %1</source>
        <translation>Supprimer le clip %1</translation>
    </message>
    <message>
        <source>Delete all clips</source>
        <translation>Supprimer tous les clips</translation>
    </message>
    <message>
        <source>Delete the clips joined into %1</source>
        <translation>Supprimer les clips réunis dans %1</translation>
    </message>
    <message numerus="yes">
        <source>Add %n clip(s)</source>
        <translation>
            <numerusform>Ajouter %n clip</numerusform>
            <numerusform>Ajouter %n clips</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Clips</name>
    <message>
        <source>The clip &quot;%1&quot; cannot be saved as &quot;%2&quot;: %3<byte value="xd"/>
%4</source>
        <translation>Le clip « %1 » ne peut pas être enregistré sous « %2 » : %3<byte value="xd"/>
%4</translation>
    </message>
</context>
<context>
    <name>CloseView</name>
    <message>
        <source>%1 s shown</source>
        <translation>%1 s affichées</translation>
    </message>
    <message>
        <source>%1 ms shown</source>
        <translation>%1 ms affichées</translation>
    </message>
    <message>
        <source>Close view of the sound</source>
        <translation>Vue rapprochée du son</translation>
    </message>
    <message>
        <source>▶ In to Out</source>
        <translation>▶ De In à Out</translation>
    </message>
    <message>
        <source>Plays from Mark In to Mark Out (Shift+Space)</source>
        <translation>Joue de Mark In à Mark Out (Maj+Espace)</translation>
    </message>
    <message>
        <source>▶ 2 s from In</source>
        <translation>▶ 2 s depuis In</translation>
    </message>
    <message>
        <source>Plays the two seconds from Mark In ([)</source>
        <translation>Joue les deux secondes à partir de Mark In ([)</translation>
    </message>
    <message>
        <source>▶ 2 s to Out</source>
        <translation>▶ 2 s jusqu’à Out</translation>
    </message>
    <message>
        <source>Plays the two seconds up to Mark Out (])</source>
        <translation>Joue les deux secondes qui finissent à Mark Out (])</translation>
    </message>
    <message>
        <source>Ctrl+wheel, Ctrl+Plus and Ctrl+Minus zoom; Ctrl+0 shows the whole sound, Ctrl+E Mark In to Mark Out.
The wheel or a drag scrolls; a click moves the play position.
Drag a mark&apos;s handle to move it; drag across the ruler, or Shift+drag, to mark a range.
Double-click the In or Out time to type it to the millisecond.
Shift+Space plays from Mark In to Mark Out, [ the first two seconds, ] the last two.
, and . step 10 ms, with Shift one second.</source>
        <translation>Ctrl+molette, Ctrl+Plus et Ctrl+Moins zooment ; Ctrl+0 montre tout le son, Ctrl+E de Mark In à Mark Out.
La molette ou un glisser fait défiler ; un clic déplace la position de lecture.
Faites glisser la poignée d’une marque pour la déplacer ; glissez sur la règle, ou avec Maj, pour marquer une plage.
Double-cliquez l’heure de début ou de fin pour la saisir à la milliseconde.
Maj+Espace joue de Mark In à Mark Out, [ les deux premières secondes, ] les deux dernières.
, et . avancent de 10 ms, avec Maj d’une seconde.</translation>
    </message>
    <message>
        <source>Snap marks to zero crossings</source>
        <translation>Caler les marques sur les passages à zéro</translation>
    </message>
    <message>
        <source>Every mark placed or dragged goes to the nearest zero crossing within 5 ms</source>
        <translation>Chaque marque posée ou glissée va au passage à zéro le plus proche à 5 ms près</translation>
    </message>
    <message>
        <source>The option cannot be saved in &quot;%1&quot;: %2.</source>
        <translation>Impossible d’enregistrer l’option dans « %1 » : %2.</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>Début %1</translation>
    </message>
    <message>
        <source>Out %1</source>
        <translation>Fin %1</translation>
    </message>
    <message>
        <source>Type the time as hh:mm:ss.mmm; Enter sets it, Escape leaves it.</source>
        <translation>Saisissez l’heure sous la forme hh:mm:ss.mmm ; Entrée la pose, Échap l’abandonne.</translation>
    </message>
    <message>
        <source>Mark In cannot be after Mark Out.</source>
        <translation>Mark In ne peut pas être après Mark Out.</translation>
    </message>
    <message>
        <source>Mark Out cannot be before Mark In.</source>
        <translation>Mark Out ne peut pas être avant Mark In.</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Lecture %1</translation>
    </message>
    <message>
        <source>Mark In, typed as hh:mm:ss.mmm</source>
        <translation>Mark In, saisi en hh:mm:ss.mmm</translation>
    </message>
    <message>
        <source>Mark Out, typed as hh:mm:ss.mmm</source>
        <translation>Mark Out, saisi en hh:mm:ss.mmm</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Hours of the time to go to</source>
        <translation>Heures du moment où aller</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Nombre de minutes</translation>
    </message>
    <message>
        <source>Minutes of the time to go to</source>
        <translation>Minutes du moment où aller</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Seconds of the time to go to</source>
        <translation>Secondes du moment où aller</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Aller à</translation>
    </message>
    <message>
        <source>Play from the time chosen above</source>
        <translation>Lire à partir du moment choisi ci-dessus</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position de lecture</translation>
    </message>
    <message>
        <source>The whole sound: click or drag to play from there</source>
        <translation>Tout le son : cliquez ou faites glisser pour lire à partir de là</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Reculer</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Mettre en pause</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avancer</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume sonore</translation>
    </message>
    <message>
        <source>Master volume of the sound card</source>
        <translation>Volume principal de la carte son</translation>
    </message>
    <message>
        <source>Mark In</source>
        <translation>Marquer le début</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>Marquer la fin</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Play the cut</source>
        <translation>Lire la coupe</translation>
    </message>
    <message>
        <source>Stop the cut</source>
        <translation>Arrêter la coupe</translation>
    </message>
    <message>
        <source>Save the cut as MP3</source>
        <translation>Enregistrer la coupe en MP3</translation>
    </message>
    <message>
        <source>Save the cut as WAV</source>
        <translation>Enregistrer la coupe en WAV</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>End the program and delete its working files</source>
        <translation>Quitter le programme et supprimer ses fichiers de travail</translation>
    </message>
    <message>
        <source>Add to list</source>
        <translation>Ajouter à la liste</translation>
    </message>
    <message>
        <source>Clips</source>
        <translation>Liste des clips</translation>
    </message>
    <message>
        <source>Play list</source>
        <translation>Lire la liste</translation>
    </message>
    <message>
        <source>Play the clips one after another, from the selected one</source>
        <translation>Lire les clips l’un après l’autre, à partir du clip sélectionné</translation>
    </message>
    <message>
        <source>Stop list</source>
        <translation>Arrêter la liste</translation>
    </message>
    <message>
        <source>Stop playing the list</source>
        <translation>Arrêter la lecture de la liste</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move the selected clip up</source>
        <translation>Monter le clip sélectionné</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move the selected clip down</source>
        <translation>Descendre le clip sélectionné</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>Supprimer le clip</translation>
    </message>
    <message>
        <source>Delete all clips</source>
        <translation>Supprimer tous les clips</translation>
    </message>
    <message>
        <source>Join as WAV</source>
        <translation>Assembler en WAV</translation>
    </message>
    <message>
        <source>Join as MP3</source>
        <translation>Assembler en MP3</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Choose a sound file to open</source>
        <translation>Choisir un fichier sonore à ouvrir</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>État de l’encodeur</translation>
    </message>
    <message>
        <source>Currently/Total</source>
        <translation>Actuel/Total</translation>
    </message>
    <message>
        <source>Time Frame</source>
        <translation>Cadre temporel</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Aller à</translation>
    </message>
    <message>
        <source>Mp3 Segment</source>
        <translation>Segment MP3</translation>
    </message>
    <message>
        <source>New Mp3</source>
        <translation>Nouveau MP3</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Back 2 seconds</source>
        <translation>Reculer de 2 secondes</translation>
    </message>
    <message>
        <source>On 1 second</source>
        <translation>Avancer d’1 seconde</translation>
    </message>
    <message>
        <source>Delete the selected clip</source>
        <translation>Supprimer le clip sélectionné</translation>
    </message>
    <message>
        <source>Delete every clip of the list</source>
        <translation>Supprimer tous les clips de la liste</translation>
    </message>
    <message>
        <source>Save the cut as an MP3 file</source>
        <translation>Enregistrer la coupe dans un fichier MP3</translation>
    </message>
    <message>
        <source>Save the cut as a WAV file</source>
        <translation>Enregistrer la coupe dans un fichier WAV</translation>
    </message>
    <message>
        <source>Join every clip into one WAV file</source>
        <translation>Assembler tous les clips en un fichier WAV</translation>
    </message>
    <message>
        <source>Join every clip into one MP3 file</source>
        <translation>Assembler tous les clips en un fichier MP3</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps :</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Couper</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>A conversion is already under way.</source>
        <translation>Une conversion est déjà en cours.</translation>
    </message>
    <message>
        <source>The working file &quot;%1&quot; cannot be replaced: %2.</source>
        <translation>Le fichier de travail « %1 » ne peut pas être remplacé : %2.</translation>
    </message>
    <message>
        <source>The working file &quot;%1&quot; cannot be created: %2.</source>
        <translation>Le fichier de travail « %1 » ne peut pas être créé : %2.</translation>
    </message>
    <message>
        <source>Writing the working file &quot;%1&quot; failed: %2.</source>
        <translation>L’écriture du fichier de travail « %1 » a échoué : %2.</translation>
    </message>
    <message>
        <source>The source could not be read to its end (error code %1, after %2 bytes).</source>
        <translation>La source n’a pas pu être lue jusqu’au bout (code d’erreur %1, après %2 octets).</translation>
    </message>
    <message>
        <source>The sound is too long: &quot;%1&quot; holds its first %2 bytes, the most one WAV file can hold.</source>
        <translation>Le son est trop long : « %1 » en contient les %2 premiers octets, le maximum qu’un fichier WAV peut contenir.</translation>
    </message>
    <message>
        <source>Completing the working file &quot;%1&quot; failed: %2.</source>
        <translation>Le fichier de travail « %1 » n’a pas pu être finalisé : %2.</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>the sound&apos;s format is not one that can be converted</source>
        <translation>le format du son ne peut pas être converti</translation>
    </message>
    <message>
        <source>the target format is not one that can be converted to</source>
        <translation>la conversion vers le format cible est impossible</translation>
    </message>
</context>
<context>
    <name>CopySaving</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Keep the source&apos;s MP3 frames: no re-encoding</source>
        <translation>Garder les trames MP3 de la source : sans nouvel encodage</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>« %1 » n’a pas pu être écrit.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Encoded again at %1 kbit/s: %2.</source>
        <translation>Encodé à nouveau à %1 kbit/s : %2.</translation>
    </message>
    <message>
        <source>Joints encoded again: %1.</source>
        <translation>Jonctions encodées à nouveau : %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stays %2 dB under the loudness asked for: more would take its peak past -1 dBTP.</source>
        <translation>« %1 » reste %2 dB sous la sonie demandée : davantage porterait sa crête au-delà de -1 dBTP.</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: the crossfades overlap them.</source>
        <translation>Le son joint dure %1, %2 ms de moins que la somme des clips : les fondus enchaînés les superposent.</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: MP3 frames are whole, and each joint encoded again loses less than a frame.</source>
        <translation>Le son joint dure %1, %2 ms de moins que la somme des clips : les trames MP3 sont entières, et chaque jointure réencodée perd moins d’une trame.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stays %2 dB under the loudness asked for: copied MP3 frames change their level in steps of 1.5 dB.</source>
        <translation>« %1 » reste %2 dB sous la sonie demandée : les trames MP3 copiées changent de niveau par pas de 1,5 dB.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; goes %2 dB over the loudness asked for: copied MP3 frames change their level in steps of 1.5 dB.</source>
        <translation>« %1 » dépasse de %2 dB la sonie demandée : les trames MP3 copiées changent de niveau par pas de 1,5 dB.</translation>
    </message>
    <message>
        <source>The joined sound lasts %1, %2 ms less than the clips add up to: the crossfades overlap them, each widened by less than a frame to whole MP3 frames.</source>
        <translation>Le son joint dure %1, %2 ms de moins que la somme des clips : les fondus enchaînés les font se chevaucher, chacun élargi de moins d&apos;une trame jusqu&apos;à des trames MP3 entières.</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>Line %1 of the cue sheet: %2</source>
        <translation>Ligne %1 du fichier CUE : %2</translation>
    </message>
    <message>
        <source>This is not a cue sheet: it holds binary data.</source>
        <translation>Ce n’est pas un fichier CUE : il contient des données binaires.</translation>
    </message>
    <message>
        <source>a quotation mark is not closed.</source>
        <translation>un guillemet n’est pas fermé.</translation>
    </message>
    <message>
        <source>FILE names no file.</source>
        <translation>FILE ne nomme aucun fichier.</translation>
    </message>
    <message>
        <source>a second FILE; only sheets of one sound file can be opened.</source>
        <translation>un second FILE ; seuls les fichiers CUE d’un seul fichier son peuvent être ouverts.</translation>
    </message>
    <message>
        <source>TRACK before any FILE.</source>
        <translation>TRACK avant le premier FILE.</translation>
    </message>
    <message>
        <source>this track has no INDEX 01.</source>
        <translation>cette piste n’a pas d’INDEX 01.</translation>
    </message>
    <message>
        <source>a track number must be 1 to 99.</source>
        <translation>un numéro de piste doit aller de 1 à 99.</translation>
    </message>
    <message>
        <source>only AUDIO tracks can be opened.</source>
        <translation>seules les pistes AUDIO peuvent être ouvertes.</translation>
    </message>
    <message>
        <source>INDEX outside a TRACK.</source>
        <translation>INDEX en dehors d’un TRACK.</translation>
    </message>
    <message>
        <source>an INDEX is written as INDEX nn mm:ss:ff.</source>
        <translation>un INDEX s’écrit INDEX nn mm:ss:ff.</translation>
    </message>
    <message>
        <source>a second INDEX 01 in one track.</source>
        <translation>un second INDEX 01 dans une même piste.</translation>
    </message>
    <message>
        <source>this track starts no later than the one before it.</source>
        <translation>cette piste ne commence pas après la précédente.</translation>
    </message>
    <message>
        <source>The cue sheet names no sound file (it has no FILE line).</source>
        <translation>Le fichier CUE ne nomme aucun fichier son (il n’a pas de ligne FILE).</translation>
    </message>
    <message>
        <source>The cue sheet has no TRACK.</source>
        <translation>Le fichier CUE n’a aucun TRACK.</translation>
    </message>
    <message>
        <source>The cue sheet cannot be read: %1</source>
        <translation>Le fichier CUE ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>The file is %1 MB; a cue sheet is at most %2 MB.</source>
        <translation>Le fichier fait %1 Mo ; un fichier CUE fait au plus %2 Mo.</translation>
    </message>
    <message>
        <source>the sound file %1 is not there.</source>
        <translation>le fichier son %1 est introuvable.</translation>
    </message>
    <message>
        <source>track %1 starts at %2, past the end of the sound.</source>
        <translation>la piste %1 commence à %2, après la fin du son.</translation>
    </message>
</context>
<context>
    <name>Cutting</name>
    <message>
        <source>The cut of &quot;%1&quot; into &quot;%2&quot; could not be made: %3<byte value="xd"/>
%4</source>
        <translation>La coupe de « %1 » vers « %2 » n’a pas pu être effectuée : %3<byte value="xd"/>
%4</translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>The command is not recognised.</source>
        <translation>La commande n’est pas reconnue.</translation>
    </message>
    <message>
        <source>The command is missing a file name, an alias or a position.</source>
        <translation>Il manque à la commande un nom de fichier, un alias ou une position.</translation>
    </message>
    <message>
        <source>The command contains a word it does not accept.</source>
        <translation>La commande contient un mot qu’elle n’accepte pas.</translation>
    </message>
    <message>
        <source>No sound is open under that name.</source>
        <translation>Aucun son n’est ouvert sous ce nom.</translation>
    </message>
    <message>
        <source>A sound is already open under that name.</source>
        <translation>Un son est déjà ouvert sous ce nom.</translation>
    </message>
    <message>
        <source>A position is not a whole, non-negative number of milliseconds.</source>
        <translation>Une position n’est pas un nombre entier positif ou nul de millisecondes.</translation>
    </message>
    <message>
        <source>The start position lies after the end position.</source>
        <translation>La position de début se trouve après la position de fin.</translation>
    </message>
    <message>
        <source>The file cannot be found.</source>
        <translation>Le fichier est introuvable.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file is not a WAVE sound file.</source>
        <translation>Le fichier n’est pas un fichier son WAVE.</translation>
    </message>
    <message>
        <source>The file holds compressed or unsupported sound; only uncompressed PCM and float WAVE files can be used.</source>
        <translation>Le fichier contient un son compressé ou non pris en charge ; seuls les fichiers WAVE PCM non compressés et à virgule flottante sont utilisables.</translation>
    </message>
    <message>
        <source>The file&apos;s header is damaged or incomplete.</source>
        <translation>L’en-tête du fichier est endommagé ou incomplet.</translation>
    </message>
    <message>
        <source>Only waveaudio sounds can be opened.</source>
        <translation>Seuls les sons waveaudio peuvent être ouverts.</translation>
    </message>
    <message>
        <source>The file cannot be written: check that the folder exists, is writable and has room.</source>
        <translation>Le fichier ne peut pas être écrit : vérifiez que le dossier existe, est accessible en écriture et dispose de place.</translation>
    </message>
    <message>
        <source>The result would be larger than the 4 GiB a WAVE file can hold.</source>
        <translation>Le résultat dépasserait les 4 Gio qu’un fichier WAVE peut contenir.</translation>
    </message>
    <message>
        <source>No sound file is open.</source>
        <translation>Aucun fichier son n’est ouvert.</translation>
    </message>
    <message>
        <source>No sound output is available.</source>
        <translation>Aucune sortie son n’est disponible.</translation>
    </message>
    <message>
        <source>The file cannot be written: %1.</source>
        <translation>Impossible d’écrire le fichier : %1.</translation>
    </message>
</context>
<context>
    <name>DiskSpace</name>
    <message>
        <source>There is not enough room on the disk for &quot;%1&quot;: it needs %2, and %3 is free.</source>
        <translation>Il n’y a pas assez de place sur le disque pour « %1 » : il faut %2, et %3 sont libres.</translation>
    </message>
</context>
<context>
    <name>Dropping</name>
    <message>
        <source>Drop one sound file at a time.</source>
        <translation>Déposez un seul fichier son à la fois.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file on this computer.</source>
        <translation>« %1 » n’est pas un fichier de cet ordinateur.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder. Drop a sound file.</source>
        <translation>« %1 » est un dossier. Déposez un fichier son.</translation>
    </message>
</context>
<context>
    <name>Encoder</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>The MP3 encoder could not start (out of memory)</source>
        <translation>L’encodeur MP3 n’a pas pu démarrer (mémoire insuffisante)</translation>
    </message>
    <message>
        <source>The MP3 encoder refused %1 kbit/s at %2 Hz</source>
        <translation>L’encodeur MP3 a refusé %1 kbit/s à %2 Hz</translation>
    </message>
    <message>
        <source>The MP3 encoder failed on &quot;%1&quot; (error %2)</source>
        <translation>L’encodeur MP3 a échoué sur « %1 » (erreur %2)</translation>
    </message>
    <message>
        <source>No info frame fits at %1 Hz</source>
        <translation>Aucune trame d’information ne convient à %1 Hz</translation>
    </message>
    <message>
        <source>The MP3 encoder failed at the end of &quot;%1&quot;</source>
        <translation>L’encodeur MP3 a échoué à la fin de « %1 »</translation>
    </message>
    <message>
        <source>The MP3 encoder gave no info frame for &quot;%1&quot;</source>
        <translation>L’encodeur MP3 n’a fourni aucune trame d’information pour « %1 »</translation>
    </message>
    <message>
        <source>Cannot convert &quot;%1&quot;: %2</source>
        <translation>Impossible de convertir « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot convert &quot;%1&quot;</source>
        <translation>Impossible de convertir « %1 »</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>le fichier s’est terminé trop tôt</translation>
    </message>
    <message>
        <source>An encoding is already running; &quot;%1&quot; was not started</source>
        <translation>Un encodage est déjà en cours ; « %1 » n’a pas été lancé</translation>
    </message>
    <message>
        <source>No file name was given for the MP3 file</source>
        <translation>Aucun nom n’a été donné au fichier MP3</translation>
    </message>
    <message>
        <source>Cannot encode &quot;%1&quot;: it has %2 channels and MP3 holds at most two</source>
        <translation>Impossible d’encoder « %1 » : il a %2 canaux et le MP3 en accepte au plus deux</translation>
    </message>
    <message>
        <source>%1 Hz is not possible in MP3; encoded at %2 Hz</source>
        <translation>%1 Hz n’est pas possible en MP3 ; encodé à %2 Hz</translation>
    </message>
    <message>
        <source>%1 kbit/s is not possible at %2 Hz; encoded at %3 kbit/s</source>
        <translation>%1 kbit/s n’est pas possible à %2 Hz ; encodé à %3 kbit/s</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a folder</source>
        <translation>Impossible d’écrire « %1 » : c’est un dossier</translation>
    </message>
    <message>
        <source>Out of memory while encoding &quot;%1&quot;</source>
        <translation>Mémoire insuffisante pendant l’encodage de « %1 »</translation>
    </message>
    <message>
        <source>The encoding of &quot;%1&quot; failed</source>
        <translation>L’encodage de « %1 » a échoué</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>Impossible d’enregistrer « %1 » : %2</translation>
    </message>
    <message>
        <source>The encoding of &quot;%1&quot; was cancelled</source>
        <translation>L’encodage de « %1 » a été annulé</translation>
    </message>
</context>
<context>
    <name>Frmwait</name>
    <message>
        <source>Please wait</source>
        <translation>Veuillez patienter</translation>
    </message>
    <message>
        <source>Copying…</source>
        <translation>Copie…</translation>
    </message>
    <message>
        <source>Joining…</source>
        <translation>Assemblage…</translation>
    </message>
    <message>
        <source>Encoding…</source>
        <translation>Encodage…</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
</context>
<context>
    <name>JoinClips</name>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n’existe pas</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>« %1 » ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>« %1 » ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>There are no clips to join.</source>
        <translation>Il n’y a aucun clip à assembler.</translation>
    </message>
    <message>
        <source>the joined sound would be longer than a WAVE file can hold (more than %1 bytes of sound)</source>
        <translation>le son assemblé serait plus long qu’un fichier WAVE ne peut contenir (plus de %1 octets de son)</translation>
    </message>
    <message>
        <source>The join was cancelled.</source>
        <translation>L’assemblage a été annulé.</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>le fichier s’est terminé trop tôt</translation>
    </message>
    <message>
        <source>its sound could not be converted</source>
        <translation>son son n’a pas pu être converti</translation>
    </message>
    <message>
        <source>the joined sound came out at another length than planned</source>
        <translation>le son assemblé n’a pas la longueur prévue</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds less sound than its header says: the file was cut short.</source>
        <translation>« %1 » contient moins de son que ne l’indique son en-tête : le fichier a été tronqué.</translation>
    </message>
</context>
<context>
    <name>JoinOptionsText</name>
    <message>
        <source>The loudness to match is empty (off), -23, -18, -16 or -14 LUFS, not &quot;%1&quot;.</source>
        <translation>La sonie à atteindre est vide (désactivée), -23, -18, -16 ou -14 LUFS, pas « %1 ».</translation>
    </message>
    <message>
        <source>The crossfade is 0 (none) or 5 to 5000 ms, not &quot;%1&quot;.</source>
        <translation>Le fondu enchaîné est 0 (aucun) ou de 5 à 5000 ms, pas « %1 ».</translation>
    </message>
    <message>
        <source>A fade is 0 to 10000 ms.</source>
        <translation>Un fondu dure de 0 à 10000 ms.</translation>
    </message>
</context>
<context>
    <name>JoinTimeline</name>
    <message>
        <source>&quot;%1&quot; cannot be read</source>
        <translation>Impossible de lire « %1 »</translation>
    </message>
</context>
<context>
    <name>Joining</name>
    <message>
        <source>The clips cannot be joined into &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Les clips ne peuvent pas être assemblés dans « %1 ».<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Start the next MP3 file when it is done.</source>
        <translation>« %1 » est encore en cours d’écriture. Lancez le fichier MP3 suivant quand il sera terminé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>« %1 » ne peut pas être écrit.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>« %1 » n’a pas pu être écrit.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written. Start the next file when it is done.</source>
        <translation>« %1 » est encore en cours d’écriture. Lancez le fichier suivant quand il sera terminé.</translation>
    </message>
    <message>
        <source>Match loudness (LUFS):</source>
        <translation>Égaliser la sonie (LUFS) :</translation>
    </message>
    <message>
        <source>Crossfade at each joint (ms):</source>
        <translation>Fondu enchaîné à chaque jointure (ms) :</translation>
    </message>
    <message>
        <source>Fade-in (ms):</source>
        <translation>Fondu d’entrée (ms) :</translation>
    </message>
    <message>
        <source>Fade-out (ms):</source>
        <translation>Fondu de sortie (ms) :</translation>
    </message>
    <message>
        <source>Empty: every clip keeps its level. -23, -18, -16 or -14: each clip is brought to that loudness, less where its peak would pass -1 dBTP.</source>
        <translation>Vide : chaque clip garde son niveau. -23, -18, -16 ou -14 : chaque clip est amené à cette sonie, moins là où sa crête dépasserait -1 dBTP.</translation>
    </message>
    <message>
        <source>0: a plain splice. 5 to 5000: the clips overlap by that much at each joint, one fading into the other. 10 takes the clicks out of the joints.</source>
        <translation>0 : un simple raccord. 5 à 5000 : les clips se superposent d’autant à chaque jointure, l’un fondu dans l’autre. 10 supprime les clics aux jointures.</translation>
    </message>
    <message>
        <source>0 to 10000: the joined sound rises from silence over this long.</source>
        <translation>0 à 10000 : le son joint monte du silence pendant cette durée.</translation>
    </message>
    <message>
        <source>0 to 10000: the joined sound falls to silence over this long.</source>
        <translation>0 à 10000 : le son joint descend au silence pendant cette durée.</translation>
    </message>
    <message>
        <source>How the clips are joined, in every join from now on.</source>
        <translation>Comment les clips sont joints, à chaque jonction désormais.</translation>
    </message>
    <message>
        <source>Join options</source>
        <translation>Options de jonction</translation>
    </message>
    <message>
        <source>The join options hold for this run only: %1</source>
        <translation>Les options de jonction valent pour cette session seulement : %1</translation>
    </message>
    <message>
        <source>Select a clip that has another one after it: the joint between them plays.</source>
        <translation>Choisissez un clip suivi d’un autre : la jointure entre eux est jouée.</translation>
    </message>
    <message>
        <source>The joint cannot be played.<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>La jointure ne peut pas être jouée.<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>Loading</name>
    <message>
        <source>&quot;%1&quot; is still being converted. Open the next sound when it is done.</source>
        <translation>« %1 » est encore en cours de conversion. Ouvrez le son suivant quand ce sera terminé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being copied. Open the next sound when it is done.</source>
        <translation>« %1 » est encore en cours de copie. Ouvrez le son suivant quand ce sera terminé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot take the place of the working file &quot;%2&quot;: %3.</source>
        <translation>« %1 » ne peut pas remplacer le fichier de travail « %2 » : %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>« %1 » ne peut pas être ouvert.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Its %1 channels were mixed down to stereo.</source>
        <translation>Ses %1 canaux ont été mixés en stéréo.</translation>
    </message>
</context>
<context>
    <name>Mp3Copy</name>
    <message>
        <source>the cut does not come from an MP3 file</source>
        <translation>la coupe ne provient pas d’un fichier MP3</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>Mp3Frames</name>
    <message>
        <source>the source MP3 file cannot be read</source>
        <translation>le fichier MP3 source ne peut pas être lu</translation>
    </message>
    <message>
        <source>the source holds no MPEG Layer III frames</source>
        <translation>la source ne contient aucune trame MPEG Layer III</translation>
    </message>
    <message>
        <source>the source is a free-format MP3</source>
        <translation>la source est un MP3 au format libre</translation>
    </message>
    <message>
        <source>the cut does not lie within the source MP3</source>
        <translation>la coupe ne se trouve pas dans le MP3 source</translation>
    </message>
    <message>
        <source>the cut is shorter than one MP3 frame</source>
        <translation>la coupe est plus courte qu’une trame MP3</translation>
    </message>
    <message>
        <source>the source MP3 has a damaged frame inside the cut</source>
        <translation>le MP3 source a une trame endommagée dans la coupe</translation>
    </message>
    <message>
        <source>the source MP3 file has changed since it was opened</source>
        <translation>le fichier MP3 source a changé depuis son ouverture</translation>
    </message>
    <message>
        <source>the sources differ in MPEG version, sample rate or channels</source>
        <translation>les sources diffèrent par la version MPEG, la fréquence d’échantillonnage ou les canaux</translation>
    </message>
    <message>
        <source>the MP3 file cannot be written</source>
        <translation>le fichier MP3 ne peut pas être écrit</translation>
    </message>
    <message>
        <source>no MPEG Layer III frame starts within the first megabyte of the source</source>
        <translation>aucune trame MPEG Layer III ne commence dans le premier mégaoctet de la source</translation>
    </message>
    <message>
        <source>the cut lies in the first frames of the source MP3, which take bit-reservoir bytes from before the start of the file</source>
        <translation>la coupe se trouve dans les premières trames du MP3 source, qui prennent des octets du réservoir de bits d’avant le début du fichier</translation>
    </message>
    <message>
        <source>the cut crosses the point where two MP3 streams were put end to end in the source</source>
        <translation>la coupe traverse l’endroit où deux flux MP3 ont été mis bout à bout dans la source</translation>
    </message>
    <message>
        <source>the info frame of the source MP3 contradicts its frames</source>
        <translation>la trame d’information du MP3 source contredit ses trames</translation>
    </message>
</context>
<context>
    <name>Mp3Join</name>
    <message>
        <source>a clip does not come from an MP3 file</source>
        <translation>un clip ne provient pas d’un fichier MP3</translation>
    </message>
    <message>
        <source>a clip file does not hold the sound it was cut as</source>
        <translation>un fichier de clip ne contient pas le son tel qu’il a été coupé</translation>
    </message>
    <message>
        <source>a clip is too short to be joined without encoding it again</source>
        <translation>un clip est trop court pour être joint sans nouvel encodage</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at a joint</source>
        <translation>l’encodeur MP3 a refusé le son d’une jonction</translation>
    </message>
    <message>
        <source>the frames at a joint cannot carry the bit reservoir</source>
        <translation>les trames d’une jonction ne peuvent pas porter le réservoir de bits</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>monophonique</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>stéréo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) and &quot;%3&quot; (%4) differ in MPEG version, sample rate or channels</source>
        <translation>« %1 » (%2) et « %3 » (%4) diffèrent par la version MPEG, la fréquence d’échantillonnage ou les canaux</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at the start</source>
        <translation>l’encodeur MP3 a refusé le son du début</translation>
    </message>
    <message>
        <source>the frames at the start cannot carry the bit reservoir</source>
        <translation>les trames du début ne peuvent pas porter le réservoir de bits</translation>
    </message>
    <message>
        <source>the MP3 encoder refused the sound at the end</source>
        <translation>l&apos;encodeur MP3 a refusé le son de la fin</translation>
    </message>
    <message>
        <source>a fade reaches the frames encoded again at a joint or for the other fade</source>
        <translation>un fondu atteint les trames encodées de nouveau à une jointure ou pour l&apos;autre fondu</translation>
    </message>
</context>
<context>
    <name>OpenWav</name>
    <message>
        <source>&quot;%1&quot; cannot be opened: %2</source>
        <translation>« %1 » ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be copied to the working file &quot;%2&quot;: %3.</source>
        <translation>« %1 » ne peut pas être copié dans le fichier de travail « %2 » : %3.</translation>
    </message>
</context>
<context>
    <name>PauseForm</name>
    <message>
        <source>Threshold (dBFS, empty for automatic):</source>
        <translation>Seuil (dBFS, vide pour automatique) :</translation>
    </message>
    <message>
        <source>Shortest pause (s):</source>
        <translation>Pause la plus courte (s) :</translation>
    </message>
    <message>
        <source>Shortest track (s):</source>
        <translation>Piste la plus courte (s) :</translation>
    </message>
    <message>
        <source>Pause kept before a split (ms, empty for its middle):</source>
        <translation>Pause gardée avant une coupe (ms, vide pour son milieu) :</translation>
    </message>
    <message>
        <source>The pause search needs four answers.</source>
        <translation>La recherche de pauses demande quatre réponses.</translation>
    </message>
    <message>
        <source>The threshold must be a level from -120 to 0 dBFS, or empty.</source>
        <translation>Le seuil doit être un niveau de -120 à 0 dBFS, ou vide.</translation>
    </message>
    <message>
        <source>The shortest pause must be from 0.05 to 600 seconds.</source>
        <translation>La pause la plus courte doit aller de 0,05 à 600 secondes.</translation>
    </message>
    <message>
        <source>The shortest track must be from 0 to 86400 seconds.</source>
        <translation>La piste la plus courte doit aller de 0 à 86400 secondes.</translation>
    </message>
    <message>
        <source>The pause kept must be from 0 to 600000 ms, or empty.</source>
        <translation>La pause gardée doit aller de 0 à 600000 ms, ou être vide.</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>It is no sound or video format the program knows.</source>
        <translation>Ce n&apos;est aucun format sonore ou vidéo que le programme connaît.</translation>
    </message>
    <message>
        <source>It holds no sound.</source>
        <translation>Il ne contient aucun son.</translation>
    </message>
    <message>
        <source>Its sound is encrypted.</source>
        <translation>Son son est chiffré.</translation>
    </message>
    <message>
        <source>Its sound is in a codec the program cannot decode.</source>
        <translation>Son son est dans un codec que le programme ne sait pas décoder.</translation>
    </message>
    <message>
        <source>It is a list of other files or addresses, which the program does not follow.</source>
        <translation>C&apos;est une liste d&apos;autres fichiers ou adresses, que le programme ne suit pas.</translation>
    </message>
    <message>
        <source>Its data is damaged or cut short.</source>
        <translation>Ses données sont endommagées ou tronquées.</translation>
    </message>
    <message>
        <source>The file cannot be opened or read.</source>
        <translation>Le fichier ne peut être ni ouvert ni lu.</translation>
    </message>
    <message>
        <source>Its sample rate or channel count is out of range.</source>
        <translation>Sa fréquence d&apos;échantillonnage ou son nombre de canaux est hors limites.</translation>
    </message>
    <message>
        <source>not a sound file</source>
        <translation>pas un fichier sonore</translation>
    </message>
    <message>
        <source>Found: %1. %2</source>
        <translation>Trouvé : %1. %2</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>&quot;%1&quot; cannot be saved: %2<byte value="xd"/>
%3</source>
        <translation>« %1 » ne peut pas être enregistré : %2<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is one of the program&apos;s working files. Choose another file.</source>
        <translation>« %1 » est l’un des fichiers de travail du programme. Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file of the clip &quot;%2&quot;. Choose another file: a clip is never written over.</source>
        <translation>« %1 » est le fichier du clip « %2 ». Choisissez un autre fichier : un clip n’est jamais écrasé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the file the open sound came from. Choose another file: the source is never written over.</source>
        <translation>« %1 » est le fichier dont provient le son ouvert. Choisissez un autre fichier : la source n’est jamais écrasée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the MP3 file still being written. Choose another file.</source>
        <translation>« %1 » est le fichier MP3 encore en cours d’écriture. Choisissez un autre fichier.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The language cannot be saved in &quot;%1&quot;: %2.</source>
        <translation>Impossible d’enregistrer la langue dans « %1 » : %2.</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>erreur %1</translation>
    </message>
</context>
<context>
    <name>Shutdown</name>
    <message>
        <source>All %1 clip files of the list will be deleted.</source>
        <translation>Les %1 fichiers des clips de la liste seront supprimés.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is still being written and will not be finished.</source>
        <translation>« %1 » est encore en cours d’écriture et ne sera pas terminé.</translation>
    </message>
</context>
<context>
    <name>SourceSteps</name>
    <message>
        <source>Mark In at %1</source>
        <translation>Début à %1</translation>
    </message>
    <message>
        <source>Mark out at %1</source>
        <translation>Fin à %1</translation>
    </message>
    <message>
        <source>Cut from %1 to %2</source>
        <translation>Coupe de %1 à %2</translation>
    </message>
    <message>
        <source>Marks at %1 to %2</source>
        <translation>Marques de %1 à %2</translation>
    </message>
</context>
<context>
    <name>SplitSteps</name>
    <message numerus="yes">
        <source>Split points at %n pause(s)</source>
        <translation>
            <numerusform>Points de coupe à %n pause</numerusform>
            <numerusform>Points de coupe à %n pauses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Split points every %n minute(s)</source>
        <translation>
            <numerusform>Points de coupe à intervalle de %n minute</numerusform>
            <numerusform>Points de coupe à intervalle de %n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>Split points of %1</source>
        <translation>Points de coupe de %1</translation>
    </message>
    <message>
        <source>Split point at %1</source>
        <translation>Point de coupe à %1</translation>
    </message>
    <message>
        <source>Split point at %1 removed</source>
        <translation>Point de coupe à %1 retiré</translation>
    </message>
    <message>
        <source>Split point moved from %1 to %2</source>
        <translation>Point de coupe déplacé de %1 à %2</translation>
    </message>
    <message>
        <source>Split points cleared</source>
        <translation>Points de coupe effacés</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>a file of that name is in the way</source>
        <translation>un fichier du même nom est dans le chemin</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; cannot be created: %2.<byte value="xd"/>
<byte value="xd"/>
Trevisto MP3 Editor cannot run without it.</source>
        <translation>Le dossier de travail « %1 » ne peut pas être créé : %2.<byte value="xd"/>
<byte value="xd"/>
Trevisto MP3 Editor ne peut pas fonctionner sans lui.</translation>
    </message>
    <message>
        <source>Trevisto MP3 Editor is already running with the working files in &quot;%1&quot;.<byte value="xd"/>
<byte value="xd"/>
Only one copy can use them at a time.</source>
        <translation>Trevisto MP3 Editor est déjà lancé avec les fichiers de travail dans « %1 ».<byte value="xd"/>
<byte value="xd"/>
Une seule copie peut les utiliser à la fois.</translation>
    </message>
</context>
<context>
    <name>System</name>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>le quota disque est épuisé</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>le dossier est en lecture seule</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>le fichier ou le dossier n’existe pas</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>une partie du chemin n’est pas un dossier</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>a file of that name already exists</source>
        <translation>un fichier de ce nom existe déjà</translation>
    </message>
    <message>
        <source>the file would be too large</source>
        <translation>le fichier serait trop volumineux</translation>
    </message>
    <message>
        <source>an input/output error</source>
        <translation>une erreur d’entrée/sortie</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>trop de fichiers sont ouverts</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>the file is in use</source>
        <translation>le fichier est en cours d’utilisation</translation>
    </message>
    <message>
        <source>the path has too many symbolic links</source>
        <translation>le chemin comporte trop de liens symboliques</translation>
    </message>
    <message>
        <source>the file cannot be moved to another disk</source>
        <translation>le fichier ne peut pas être déplacé vers un autre disque</translation>
    </message>
    <message>
        <source>it is not a plain file but a device, a pipe or a socket</source>
        <translation>ce n’est pas un fichier ordinaire mais un périphérique, un tube ou un socket</translation>
    </message>
</context>
<context>
    <name>TagForm</name>
    <message>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>The title the file carries</source>
        <translation>Le titre que porte le fichier</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artiste :</translation>
    </message>
    <message>
        <source>Who performs it</source>
        <translation>Qui l’interprète</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album :</translation>
    </message>
    <message>
        <source>The album or the programme it belongs to</source>
        <translation>L’album ou l’émission dont il fait partie</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année :</translation>
    </message>
    <message>
        <source>The year, or a date such as 2024-05-31</source>
        <translation>L’année, ou une date comme 2024-05-31</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genre :</translation>
    </message>
    <message>
        <source>The kind of sound: a word such as Speech or Jazz</source>
        <translation>Le genre de son : un mot comme Parole ou Jazz</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Commentaire :</translation>
    </message>
    <message>
        <source>Any note that goes with the file</source>
        <translation>Toute note qui accompagne le fichier</translation>
    </message>
    <message>
        <source>The tags &quot;%1&quot; will carry. Pictures and lyrics of the source go with them.</source>
        <translation>Les étiquettes que portera « %1 ». Les images et paroles de la source les accompagnent.</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Étiquettes</translation>
    </message>
</context>
<context>
    <name>Tracks</name>
    <message>
        <source>Steps quieter than this count as pause. Empty: a little above the sound&apos;s own noise floor.</source>
        <translation>Les pas de mesure plus silencieux que ce seuil comptent comme pause. Vide : un peu au-dessus du bruit de fond propre au son.</translation>
    </message>
    <message>
        <source>A quiet stretch at least this long is a pause between tracks.</source>
        <translation>Un passage silencieux au moins aussi long est une pause entre deux pistes.</translation>
    </message>
    <message>
        <source>Split points that would leave a track shorter than this are dropped.</source>
        <translation>Les points de coupe qui laisseraient une piste plus courte que cette durée sont abandonnés.</translation>
    </message>
    <message>
        <source>How much of each pause stays at the end of the track before it. Empty: the split falls in the pause&apos;s middle.</source>
        <translation>Part de chaque pause qui reste à la fin de la piste qui la précède. Vide : la coupe tombe au milieu de la pause.</translation>
    </message>
    <message>
        <source>Find the pauses in the sound, or in the marked range when marks are set.</source>
        <translation>Trouver les pauses dans le son, ou dans la plage marquée si des marques sont posées.</translation>
    </message>
    <message>
        <source>Find pauses</source>
        <translation>Trouver les pauses</translation>
    </message>
    <message>
        <source>The sound &quot;%1&quot; could not be read.</source>
        <translation>Le son « %1 » n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>No pause of %1 s or more below %2 dBFS was found.</source>
        <translation>Aucune pause de %1 s ou plus sous %2 dBFS n’a été trouvée.</translation>
    </message>
    <message>
        <source>Split every how many minutes (1 to 1440)? Each point moves to the quietest place within 30 seconds.</source>
        <translation>Couper toutes les combien de minutes (1 à 1440) ? Chaque point se déplace vers l’endroit le plus silencieux à 30 secondes près.</translation>
    </message>
    <message>
        <source>Split every N minutes</source>
        <translation>Couper toutes les N minutes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of minutes from 1 to 1440.</source>
        <translation>« %1 » n’est pas un nombre de minutes de 1 à 1440.</translation>
    </message>
    <message numerus="yes">
        <source>The sound is not longer than %n minute(s): there is nothing to split.</source>
        <translation>
            <numerusform>Le son ne dure pas plus de %n minute : il n’y a rien à couper.</numerusform>
            <numerusform>Le son ne dure pas plus de %n minutes : il n’y a rien à couper.</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no split points: find the pauses, or add a split point, first.</source>
        <translation>Il n’y a aucun point de coupe : trouvez d’abord les pauses, ou ajoutez un point de coupe.</translation>
    </message>
    <message numerus="yes">
        <source>Add the %n track(s) as clips. Tracks without a title are named with this prefix and their number:</source>
        <translation>
            <numerusform>Ajouter %n piste comme clip. Les pistes sans titre sont nommées avec ce préfixe et leur numéro :</numerusform>
            <numerusform>Ajouter les %n pistes comme clips. Les pistes sans titre sont nommées avec ce préfixe et leur numéro :</numerusform>
        </translation>
    </message>
    <message>
        <source>Add as clips</source>
        <translation>Ajouter comme clips</translation>
    </message>
    <message>
        <source>A prefix takes letters, digits, &quot;-&quot; and &quot;_&quot; only.</source>
        <translation>Un préfixe ne prend que des lettres, des chiffres, &quot;-&quot; et &quot;_&quot;.</translation>
    </message>
    <message>
        <source>The tracks could not be added as clips: %1</source>
        <translation>Les pistes n’ont pas pu être ajoutées comme clips : %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; as %2</source>
        <translation>« %1 » sous le nom %2</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) added. Clip names take letters, digits, &quot;-&quot; and &quot;_&quot; only, and no name twice; these titles were named otherwise:</source>
        <translation>
            <numerusform>%n clip ajouté. Les noms de clip ne prennent que des lettres, des chiffres, &quot;-&quot; et &quot;_&quot;, et jamais deux fois le même nom ; ces titres ont été nommés autrement :</numerusform>
            <numerusform>%n clips ajoutés. Les noms de clip ne prennent que des lettres, des chiffres, &quot;-&quot; et &quot;_&quot;, et jamais deux fois le même nom ; ces titres ont été nommés autrement :</numerusform>
        </translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; cannot be opened.<byte value="xd"/>
%2</source>
        <translation>Le fichier CUE « %1 » ne peut pas être ouvert.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; does not fit its sound.<byte value="xd"/>
%2</source>
        <translation>Le fichier CUE « %1 » ne correspond pas au son qu’il décrit.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The cue sheet &quot;%1&quot; could not be written: %2</source>
        <translation>Le fichier CUE « %1 » n’a pas pu être écrit : %2</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
</context>
<context>
    <name>WavFile</name>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>the file is not a WAVE file</source>
        <translation>le fichier n’est pas un fichier WAVE</translation>
    </message>
    <message>
        <source>the file holds compressed or unsupported sound</source>
        <translation>le fichier contient un son compressé ou non pris en charge</translation>
    </message>
    <message>
        <source>the file&apos;s header is damaged or truncated</source>
        <translation>l’en-tête du fichier est endommagé ou tronqué</translation>
    </message>
    <message>
        <source>the file cannot be created there</source>
        <translation>le fichier ne peut pas être créé à cet endroit</translation>
    </message>
    <message>
        <source>writing the file failed</source>
        <translation>l’écriture du fichier a échoué</translation>
    </message>
    <message>
        <source>the sound is too long for a WAVE file (4 GiB)</source>
        <translation>le son est trop long pour un fichier WAVE (4 Gio)</translation>
    </message>
    <message>
        <source>the sound to save could not be read</source>
        <translation>le son à enregistrer n’a pas pu être lu</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cut, collect and join sounds into one MP3 or WAV file.</source>
        <translation>Coupez, rassemblez et assemblez des sons en un seul fichier MP3 ou WAV.</translation>
    </message>
    <message>
        <source>Mark pieces, list them, and save the list as one file.</source>
        <translation>Marquez des passages, mettez-les en liste et enregistrez la liste en un seul fichier.</translation>
    </message>
</context>
<context>
    <name>trevisto::ClipLoudness</name>
    <message>
        <source>measuring loudness…</source>
        <translation>mesure de la sonie…</translation>
    </message>
</context>
</TS>
