# SPDX-License-Identifier: GPL-3.0-or-later
# Pagine della guida in italiano. I segnaposto {…} sono descritti in tools/help/make_help.py.

TARGET_TITLE = "Conversione in {name}"

TITLES = {
    "intro": "Introduzione",
    "quickstart": "Guida rapida",
    "overview": "L'interfaccia (panoramica)",
    "profiles": "I profili",
    "editor": "L'editor dei profili",
    "devices": "Preimpostazioni per dispositivi",
    "converting": "Durante la conversione",
    "settings": "Impostazioni",
    "cli": "La riga di comando",
    "trouble": "Risoluzione dei problemi",
}

GROUPS = {
    "start": "Per iniziare",
    "profiles": "Profili",
    "formats": "Formati di destinazione",
    "convert": "Conversione",
    "more": "Riferimento",
}

WORDS = {
    "help": "Guida di Kinovert",
    "skip": "Vai al testo",
    "contents": "Sommario",
    "shortcuts": "Accesso rapido",
    "languages": "Lingue",
    "profile": "Profilo",
    "preset_file": "File",
    "preset_title": "Dispositivo",
    "preset_description": "Per",
    "preset_items": "Scelte nell'elenco dei profili",
    "shown_for": "per {}",
    "advisory": "mostra un avviso",
    "codec": "Codec",
    "fixed_sizes": "fisse: {}",
    "free_size": "libere: dall'elenco o digitate, da {} fino a {}x{} pixel",
    "even_sizes": "(i valori dispari vengono portati al pari successivo)",
    "size_list": "Dimensioni nell'elenco:",
    "frame_rates": "Fotogrammi al secondo nell'elenco:",
    "fixed_auto_rate": "{0}: {1} scrive {2} fotogrammi al secondo qualunque sia l'originale, perché il codec non può seguire ogni frequenza.",
    "no_bitrate": "nessuno (non compresso)",
    "at_rates": "{} Hz: {} – {}",
    "six_channels": "{}: {} – {}",
}

PAGES = {}

PAGES["intro"] = """
<p>Kinovert converte file video e audio in blocco. Si raccolgono i file in un
elenco, si sceglie il formato in cui trasformarli e una cartella di
destinazione, quindi si fa clic su {ui:MSG_CONVERT}. Kinovert converte i file
uno dopo l'altro e segnala per ciascuno se la conversione è riuscita o
meno.</p>

{img:main|La finestra principale di Kinovert con tre file nell'elenco e le informazioni del file selezionato}

<h2>Che cosa produce Kinovert</h2>
<p>Sono disponibili sedici formati di destinazione:</p>
<ul>
<li>video: {page:to-avi|AVI}, {page:to-mp4|MP4}, {page:to-3gp|3GP},
{page:to-mpeg|MPEG}, {page:to-mov|MOV}, {page:to-wmv|WMV}, {page:to-rm|RM},
{page:to-swf|SWF}, {page:to-vob|VOB} e {page:to-asf|ASF};</li>
<li>solo audio: {page:to-aac|AAC}, {page:to-ac3|AC3}, {page:to-mp2|MP2},
{page:to-mp3|MP3}, {page:to-amr|AMR} e {page:to-wav|WAV}.</li>
</ul>
<p>Il modo in cui un file viene convertito dipende da un <em>profilo</em>,
cioè un insieme di impostazioni con un nome: codec, bitrate, dimensioni
dell'immagine, frequenza di campionamento e così via. Kinovert include
profili pronti per ogni formato ed è possibile crearne di propri. Per i
telefoni cellulari (3GP) e i lettori portatili (MP4) i profili sono sostituiti
dalle <em>preimpostazioni per dispositivi</em>.</p>

<h2>Da dove cominciare</h2>
<ul>
<li>{page:quickstart}: la prima conversione in cinque passaggi.</li>
<li>{page:overview}: tutti gli elementi della finestra principale, i menu e
le scelte rapide da tastiera.</li>
<li>{page:profiles} e {page:editor}: come creare impostazioni personalizzate.
Ogni formato di destinazione ha inoltre una pagina che elenca ciò che i suoi
profili offrono.</li>
<li>{page:converting}: la finestra di avanzamento e che cosa accade al
termine di un blocco.</li>
<li>{page:cli}: convertire senza finestra, ad esempio negli script.</li>
<li>{page:trouble}: che cosa fare se un file non viene convertito o se manca
qualcosa.</li>
</ul>

<h2>Che cosa serve a Kinovert</h2>
<p>Kinovert legge i file multimediali con la libreria MediaInfo e li converte
con FFmpeg, tramite un proprio piccolo programma di codifica,
<code>avcore</code>. Entrambi sono forniti dalla distribuzione Linux (in
Debian i pacchetti <code>ffmpeg</code> e <code>libmediainfo0v5</code>, più
<code>libavcodec-extra</code> per l'audio AMR).</p>
"""

PAGES["quickstart"] = """
<p>Questa pagina accompagna dall'elenco vuoto fino ai file convertiti.
Nell'esempio si creano video 3GP per un telefono cellulare.</p>

<ol class="steps">
<li><p><strong>Aggiungere i file.</strong> Fare clic su {ui:MSG_BROWSE}
accanto a {label:MSG_INPUTFILENAME} (oppure premere {kbd:Ctrl+N}) e
selezionare uno o più file. In alternativa è possibile trascinarli dal file
manager e rilasciarli sulla finestra. Ogni file occupa una riga dell'elenco;
i file che Kinovert non riesce a leggere vengono segnalati e non
aggiunti.</p></li>
<li><p><strong>Controllare un file.</strong> Fare clic su una riga: il
riquadro sotto gli elenchi mostra il formato del file, la durata, le
dimensioni dell'immagine e le caratteristiche dell'audio.
{ui:MSG_MOREINFO} apre il rapporto dettagliato.</p></li>
<li><p><strong>Scegliere il dispositivo.</strong> Nell'elenco accanto a
<span class="ui">3GP Format</span> fare clic sul tipo di telefono a cui sono
destinati i video, quindi scegliere una qualità nell'elenco
{label:MSG_PRPFILE}. Per gli altri formati aprire il menu
{ui:MSG_CONVERT_TO} (clic destro sull'elenco dei file oppure pulsante
<span class="ui">?</span> in alto a destra) e scegliere il formato: l'elenco
{label:MSG_PRPFILE} mostra allora i relativi profili.</p></li>
<li><p><strong>Scegliere la cartella di destinazione.</strong> Digitare una
cartella nel campo {label:MSG_OUTPUTDIR} oppure fare clic sul pulsante
{ui:MSG_BROWSE} accanto. Se la cartella non esiste ancora, Kinovert chiede
se crearla all'avvio della conversione.</p></li>
<li><p><strong>Convertire.</strong> Fare clic su {ui:MSG_CONVERT} (oppure
premere {kbd:F9}). La finestra di avanzamento mostra il file corrente e
l'intero blocco. Quando si chiude, ogni riga indica se il file è stato
convertito (segno di spunta verde) o meno (croce rossa).</p></li>
</ol>

{img:main|La finestra principale pronta per la conversione: tre file, un telefono e una qualità selezionati}

<p class="note">Il file convertito ha lo stesso nome dell'originale, con
l'estensione del formato di destinazione. Se quel nome è già presente nella
cartella di destinazione, Kinovert aggiunge un numero:
<code>clip(1).3gp</code>, <code>clip(2).3gp</code> e così via. Nessun file
viene mai sovrascritto.</p>

<p>Per proseguire: {page:overview} descrive tutti i comandi,
{page:converting} spiega la finestra di avanzamento.</p>
"""

PAGES["overview"] = """
<p>Kinovert ha un'unica finestra principale, che si apre nella disposizione
compatta: in alto l'elenco dei file, poi la cartella di destinazione,
l'elenco dei dispositivi, l'elenco dei profili e il pulsante
{ui:MSG_CONVERT}; in basso le informazioni sul file selezionato.</p>

{img:main|La finestra principale: elenco dei file, cartella di destinazione, elenco dei dispositivi, elenco dei profili, pulsante Converti e riquadro delle informazioni}

<h2 id="parts">Gli elementi della finestra</h2>
<table>
<tr><th>Elemento</th><th>Funzione</th></tr>
<tr><td>Barra del titolo</td><td>Mostra il nome e la versione del programma.
Trascinarla per spostare la finestra; un doppio clic la riduce a icona. A
destra si trovano i pulsanti {label:MSG_MINIMIZE}, {label:MSG_HELP}
(<span class="ui">?</span>, apre il menu della guida) e
{label:MSG_CLOSE}.</td></tr>
<tr><td>{label:MSG_INPUTFILENAME}</td><td>L'elenco dei file da convertire;
l'icona davanti a ogni percorso ne indica lo stato.</td></tr>
<tr><td>{ui:MSG_BROWSE} (in alto)</td><td>Aggiunge file tramite una finestra
di dialogo il cui filtro elenca tutti i formati che Kinovert sa
leggere.</td></tr>
<tr><td><span class="ui">+</span> <span class="ui">−</span>
<span class="ui">↑</span> <span class="ui">↓</span></td><td>{ui:MSG_ADD_FILES},
{ui:MSG_DEL_FILES} (toglie dall'elenco le righe selezionate; i file restano
sul disco), {label:MSG_MOVE_UP} e {label:MSG_MOVE_DOWN} (sposta la riga
selezionata; i file vengono convertiti dall'alto verso il basso).</td></tr>
<tr><td>{label:MSG_OUTPUTDIR}</td><td>La cartella in cui vengono salvati i
file convertiti. Digitarla o sceglierla con il pulsante {ui:MSG_BROWSE}
accanto.</td></tr>
<tr><td><span class="ui">3GP Format</span></td><td>Le preimpostazioni per
dispositivi del formato 3GP. Un clic su un dispositivo imposta il 3GP come
formato di destinazione e mostra le relative scelte nell'elenco dei profili
(vedere {page:devices}).</td></tr>
<tr><td>{label:MSG_PRPFILE}</td><td>Il profilo del formato di destinazione:
per 3GP e MP4 le scelte del dispositivo selezionato, per tutti gli altri
formati i loro profili (vedere {page:profiles}).</td></tr>
<tr><td>{ui:MSG_CONVERT}</td><td>Avvia la conversione di tutti i file
dell'elenco ({kbd:F9}).</td></tr>
<tr><td>Riga di riepilogo</td><td>Indica il numero di file, ad esempio
{msg:MSG_STATUS_FILES|3}.</td></tr>
<tr><td>Riquadro delle informazioni</td><td>Mostra le caratteristiche del
file selezionato (vedere più avanti).</td></tr>
</table>

<h2 id="files">L'elenco dei file</h2>
<p>Per aggiungere file si può usare {ui:MSG_BROWSE} o il pulsante
<span class="ui">+</span>, trascinarli sulla finestra oppure indicarli
all'avvio del programma (<code>kinovert clip1.avi clip2.mov</code>; una volta
installato, Kinovert compare anche nel menu «Apri con» del file manager).
Kinovert ignora senza avvisare:</p>
<ul>
<li>i file inesistenti e le cartelle (il loro contenuto non viene
esaminato);</li>
<li>i file di un tipo che non rientra tra i formati leggibili;</li>
<li>un file già presente nell'elenco con lo stesso identico percorso.</li>
</ul>
<p>Un file che MediaInfo non riesce a leggere non viene aggiunto; compare
invece il messaggio {msg:MSG_FORMAT_ERROR|…}</p>
<p>Per cambiare l'ordine usare <span class="ui">↑</span> e
<span class="ui">↓</span> ({kbd:Ctrl+U}, {kbd:Ctrl+D}) oppure trascinare una
riga nella nuova posizione. Un doppio clic su una riga riproduce il file con
il lettore predefinito del desktop. L'elenco non viene conservato alla
chiusura di Kinovert.</p>

<p>L'icona davanti a ogni riga indica lo stato del file nell'ultimo
blocco:</p>
{img:states|L'elenco dopo un blocco: il primo file convertito, il secondo non riuscito, il terzo in conversione}
<table>
<tr><th>Icona</th><th>Significato</th></tr>
<tr><td>cerchio vuoto</td><td>non ancora convertito in questo blocco</td></tr>
<tr><td>frecce circolari</td><td>conversione in corso</td></tr>
<tr><td>segno di spunta verde</td><td>convertito</td></tr>
<tr><td>croce rossa</td><td>non riuscito (vedere {page:trouble})</td></tr>
</table>

<h2 id="menus">I menu</h2>
<p>Un clic destro sull'elenco dei file apre il relativo menu. Con una riga
selezionata offre {ui:MSG_PLAY_SOURCE}, {ui:MSG_OPEN_DES_FOLDER},
{ui:MSG_DEL_FILES}, {ui:MSG_CLEARLIST}, {ui:MSG_ADD_FILES},
{ui:MSG_SEL_ALL} e {ui:MSG_CONVERT_TO}; con l'elenco vuoto
{ui:MSG_ADD_FILES}, {ui:MSG_SETTINGS}, {ui:MSG_HELP_CONTENT} e
{ui:MSG_CONVERT_TO}.</p>
{img:menu-files|Il menu dell'elenco dei file con un file selezionato}
<p>Il pulsante <span class="ui">?</span> apre il menu della guida:
{ui:MSG_HELP_CONTENT}, {ui:MSG_QUICK_START}, {ui:MSG_SETTINGS},
{ui:MSG_LANG} (la finestra cambia subito lingua, i profili di quella lingua
vengono usati dall'avvio successivo e questa guida resta nella lingua per cui
Kinovert è stato compilato), {ui:MSG_CONVERT_TO}, {ui:MSG_ONLINE_RES},
{ui:MSG_TECH_SUPPORT} e {ui:MSG_ABOUT}.</p>
{img:menu-convert|Il menu della guida con il sottomenu Converti in aperto}

<h3 id="targets">Scegliere il formato di destinazione</h3>
<p>{ui:MSG_CONVERT_TO} elenca tutti i sedici formati e contrassegna quello
attuale. Scegliendo un formato, l'elenco {label:MSG_PRPFILE} ne mostra i
profili. Scegliendo 3GP (o facendo clic su un dispositivo dell'elenco
<span class="ui">3GP Format</span>) si usano invece le preimpostazioni per
dispositivi. Anche l'MP4 funziona con preimpostazioni (lettori iPod e PSP);
nelle edizioni di Kinovert che non ne hanno, la voce MP4 è disattivata, ma
{page:cli|la riga di comando} può comunque convertire in MP4 con un file di
preimpostazione. Al primissimo avvio Kinovert parte dal formato AVI; in
seguito si avvia sempre con il 3GP e con l'ultimo dispositivo scelto.</p>

<h2 id="media">Le informazioni sul file</h2>
<p>Finché l'elenco contiene file, il riquadro in basso mostra per il file
selezionato i dati {label:MSG_GENERAL} ({label:MSG_COMPLETENAME},
{label:MSG_FILESIZE}, {label:MSG_FORMAT}, {label:MSG_PLAYTIME},
{label:MSG_AUDIOCOUNT}, {label:MSG_VIDEOCOUNT}), quelli della prima traccia
{label:MSG_VIDEO} ({label:MSG_VCODE}, {label:MSG_WIDTH},
{label:MSG_HEIGHT}, {label:MSG_VBITRATE}, {label:MSG_ADPECTRATIO},
{label:MSG_FRAMERATE}) e quelli della prima traccia {label:MSG_AUDIO}
({label:MSG_ACODEC}, {label:MSG_ABITRATE}, {label:MSG_CHANNELS},
{label:MSG_SAMPLINGRATE}). Le dimensioni sono in byte, i bitrate in bit al
secondo. «...» indica che il valore non esiste, ad esempio l'immagine di un
file solo audio. I valori si possono selezionare e copiare.</p>
<p>{ui:MSG_MOREINFO} apre la finestra {ui:MSG_FILEINFO_CAPTION} con il
rapporto dettagliato di MediaInfo sul file; {ui:MSG_SAVE_FILE_INFO} lo salva
in un file di testo.</p>
{img:fileinfo|La finestra Informazioni sul file con il rapporto di un file video}

<h2 id="keys">Scelte rapide da tastiera</h2>
<table>
<tr><th>Tasti</th><th>Azione</th></tr>
<tr><td>{kbd:Ctrl+N}</td><td>aggiungere file ({ui:MSG_BROWSE})</td></tr>
<tr><td>{kbd:Canc}</td><td>togliere dall'elenco i file selezionati (quando l'elenco ha lo stato attivo)</td></tr>
<tr><td>{kbd:Maiusc+Canc}</td><td>{ui:MSG_CLEARLIST}</td></tr>
<tr><td>{kbd:Ctrl+A}</td><td>{ui:MSG_SEL_ALL}</td></tr>
<tr><td>{kbd:Ctrl+U} / {kbd:Ctrl+D}</td><td>spostare su / giù il file selezionato</td></tr>
<tr><td>{kbd:Ctrl+P}</td><td>{ui:MSG_PLAY_SOURCE}</td></tr>
<tr><td>{kbd:Ctrl+O}</td><td>scegliere la cartella di destinazione</td></tr>
<tr><td>{kbd:F9}</td><td>{ui:MSG_CONVERT}</td></tr>
<tr><td>{kbd:Ctrl+E}</td><td>{ui:MSG_EDIT_PROFILE} (non per 3GP e MP4)</td></tr>
<tr><td>{kbd:Alt+N}</td><td>aggiungere un profilo</td></tr>
<tr><td>{kbd:F2}</td><td>rinominare il profilo</td></tr>
<tr><td>{kbd:Alt+Canc}</td><td>eliminare il profilo</td></tr>
<tr><td>{kbd:F12}</td><td>{ui:MSG_SETTINGS}</td></tr>
<tr><td>{kbd:F1}</td><td>{ui:MSG_HELP_CONTENT}</td></tr>
<tr><td>{kbd:Alt+F4}</td><td>chiudere Kinovert (le impostazioni vengono salvate)</td></tr>
</table>
"""

PAGES["profiles"] = """
<p>Un profilo raccoglie sotto un nome le impostazioni di un formato di
destinazione: quali codec usare, con quale bitrate, dimensioni, fotogrammi
al secondo e frequenza di campionamento e, se serve, quale parte
dell'originale convertire. Ogni formato ha i propri profili, tranne 3GP e
MP4, che usano le {page:devices|preimpostazioni per dispositivi}.</p>

<h2 id="choose">Scegliere un profilo</h2>
<p>L'elenco {label:MSG_PRPFILE} mostra sempre i profili del formato di
destinazione attuale. Sceglierne uno prima di fare clic su {ui:MSG_CONVERT}:
l'intero blocco verrà convertito con quel profilo. A ogni avvio ciascun
elenco torna al primo profilo.</p>

<h2 id="manage">Aggiungere, modificare, rinominare, eliminare</h2>
<p>I comandi dei profili agiscono sul formato di destinazione attuale e sul
profilo selezionato:</p>
<table>
<tr><th>Comando</th><th>Tasti</th><th>Effetto</th></tr>
<tr><td>{ui:MSG_EDIT_PROFILE}</td><td>{kbd:Ctrl+E}</td><td>Apre
{page:editor|l'editor dei profili} sul profilo selezionato; {ui:MSG_SAVE}
salva le modifiche nel profilo.</td></tr>
<tr><td>{ui:MSG_ADD_PROFILE}</td><td>{kbd:Alt+N}</td><td>Apre l'editor con le
impostazioni predefinite del formato. Dopo {ui:MSG_SAVE} Kinovert chiede un
nome ({ui:MSG_PROFILE_NAME}) e seleziona il nuovo profilo. Se esiste già un
profilo con quel nome, Kinovert chiede conferma prima di
sovrascriverlo.</td></tr>
<tr><td>{ui:MSG_REN_PROFILE}</td><td>{kbd:F2}</td><td>Chiede un nuovo nome.
Un nome già usato da un altro profilo viene rifiutato.</td></tr>
<tr><td>{ui:MSG_DEL_PROFILE}</td><td>{kbd:Alt+Canc}</td><td>Elimina il profilo
selezionato dopo una conferma. L'ultimo profilo di un formato non può essere
eliminato.</td></tr>
</table>
{img:name|La finestra di dialogo Nome profilo}
<p>Un nome di profilo può contenere qualsiasi carattere tranne
<code>\\ / : * ? " &lt; &gt; |</code>; gli spazi all'inizio o alla fine sono
ammessi, ma passano facilmente inosservati. Nella finestra compatta i comandi
dei profili si usano con i relativi tasti. Non sono disponibili per 3GP e
MP4, le cui preimpostazioni non si modificano in Kinovert.</p>

<h2 id="files">Dove vengono salvati i profili</h2>
<p>Ogni profilo è un piccolo file di testo con il nome del profilo, in una
cartella per formato: ad esempio <code>avi/Standard.avo</code> o
<code>mp3/Standard.mpo</code>. Con una cartella del programma decompressa o
compilata in proprio, i profili si trovano in quella cartella
(<code>profile_en/</code>, <code>profile_fr/</code>,
<code>profile_de/</code>, <code>profile_it/</code>, secondo la lingua del
programma). Un Kinovert installato conserva invece i profili di ciascun
utente in <code>~/.local/share/kinovert/</code>, dove al primo avvio vengono
copiati quelli forniti. Le versioni successive aggiungono i nuovi profili
forniti, ma non sostituiscono mai un profilo creato o modificato
dall'utente, e un profilo eliminato non ricompare. I file dei profili si
possono copiare da un computer all'altro: Kinovert rilegge le cartelle a ogni
avvio.</p>
"""

PAGES["editor"] = """
<p>L'editor dei profili si apre con {ui:MSG_EDIT_PROFILE} e
{ui:MSG_ADD_PROFILE}. Il titolo indica il formato, ad esempio
{msg:MSG_PROFILE_EDITOR|AVI}. Ogni formato ha il proprio editor, ma tutti
sono composti dagli stessi elementi, descritti in questa pagina. La pagina di
ciascun formato di destinazione riporta con esattezza i codec, le
dimensioni, i fotogrammi al secondo, le frequenze di campionamento e i
bitrate disponibili.</p>

<div class="shots">
{img:editor-avi-general|La scheda Generale dell'editor dei profili AVI}
{img:editor-avi-video|La scheda Video dell'editor dei profili AVI}
{img:editor-avi-audio|La scheda Audio dell'editor dei profili AVI}
</div>

<p>{ui:MSG_SAVE} (o {kbd:Invio}) conserva le modifiche; {ui:MSG_CLOSE} o
{kbd:Esc} lascia il profilo invariato.</p>

<h2 id="general">La scheda {label:MSG_PROFILE_GENERAL}</h2>
<dl>
<dt>{label:MSG_DESCIPTION}</dt>
<dd>Un testo libero a uso personale; non influisce sulla conversione.</dd>
<dt>{label:MSG_VIDEO_CODEC} e {label:MSG_AUDIO_CODEC}</dt>
<dd>I codec con cui viene scritto il file. Le schede {label:MSG_VIDEO_PAGE}
e {label:MSG_AUDIO_PAGE} mostrano sempre le impostazioni del codec scelto
qui. Ogni codec conserva le proprie impostazioni, quindi passando dall'uno
all'altro non si perde nulla.</dd>
<dt>{label:MSG_TYPE}</dt>
<dd>Solo per 3GP e MP4 (il tipo di dispositivo) e per MPEG (formati di disco
predefiniti). Determina quali codec vengono proposti.</dd>
<dt>{label:MSG_SAME_Q}: {ui:MSG_SAME_Q_DETAIL}</dt>
<dd>Chiede al codificatore la migliore qualità possibile invece del bitrate
indicato nella scheda {label:MSG_VIDEO_PAGE}. I file risultano più
grandi.</dd>
<dt>{label:MSG_DISABLE_AUDIO}: {ui:MSG_DISABLE_AUDIO_DETAIL}</dt>
<dd>Scrive solo le immagini. La scheda {label:MSG_AUDIO_PAGE} scompare, ma le
sue impostazioni vengono conservate.</dd>
</dl>

<h3 id="time">{label:MSG_TIME_CONTROL}</h3>
<p>Con {ui:MSG_ENABLE_TIME_CONTROL} selezionato viene convertita solo una
parte di ogni file: da {label:MSG_START_TIME} per la {label:MSG_DURATION}
indicata. {label:MSG_END_TIME} viene calcolata automaticamente; modificando
uno dei tre valori, gli altri si adeguano. I tempi si scrivono in ore,
minuti, secondi e millisecondi (<code>0:01:30.000</code>); le forme brevi
come <code>1:30</code> (minuti e secondi) o <code>90</code> (secondi) vengono
completate quando si esce dal campo.</p>
<p class="note">Le cifre dopo il punto sono una frazione di secondo:
<code>0:00:01.5</code> e <code>1.5</code> significano entrambi un secondo e
mezzo, <code>1.05</code> un secondo e 50 millisecondi.</p>
<p>Un valore che non è un tempo, che supera le 200 ore o una fine precedente
all'inizio viene rifiutato con un messaggio che ne indica il motivo, e il
campo torna al valore precedente. Con la casella deselezionata viene
convertito l'intero file; i tempi restano memorizzati per dopo.</p>

<h2 id="video">La scheda {label:MSG_VIDEO_PAGE}</h2>
<dl>
<dt>{label:MSG_VIDEO_BITRATE}</dt>
<dd><p>Quanti kilobit al secondo può occupare il video: più sono, migliore è
l'immagine e più grande il file.</p>
<p>{ui:MSG_PRESET_QUALITY}: il cursore va da «{ui:MSG_LOW_Q}» a
«{ui:MSG_HIGH_Q}» a passi fissi; {label:MSG_CURRNET_BITRATE} mostra il valore
in kbit/s. Un profilo il cui bitrate cade tra due passi o oltre la fine del
cursore (scritto a mano o da un altro programma) si apre con il cursore sul
passo più vicino e mostra il proprio valore, che resta invariato finché non
si sposta il cursore: aprire un profilo e salvarlo non lo modifica mai.</p>
<p>{ui:MSG_SPECIFY_SETTINGS}: fare clic su {ui:MSG_CONFIGURE} e digitare un
numero intero compreso tra il passo più basso e quello più alto del formato.
Un valore fuori da questo intervallo, o un testo che non è un numero, viene
rifiutato con un messaggio; la finestra resta aperta finché non si immette un
valore valido o si annulla.</p></dd>
<dt>{label:MSG_VIDEO_SIZE}</dt>
<dd>{ui:MSG_KEEP_SOURCE_DIM} scrive i fotogrammi con le dimensioni
dell'originale. {ui:MSG_CHANGE_DIM} li ridimensiona: scegliere una dimensione
dall'elenco o digitare {label:MSG_VWIDTH} e {label:MSG_VHEIGHT} in pixel.
Ogni codec accetta dimensioni fino a un proprio limite (indicato nella
pagina di ciascun formato); un numero oltre il limite viene rifiutato con un
messaggio che indica l'intervallo consentito, e il campo torna al valore
precedente. La maggior parte dei codec richiede dimensioni pari, perciò un
valore dispari viene aumentato di uno quando si esce dal campo. La voce «...» dell'elenco
indica una dimensione personalizzata. L'H.263 accetta solo tre dimensioni
fisse.</dd>
<dt>{label:MSG_FRAMETRATE}</dt>
<dd>{ui:MSG_FRAMERATE_AUTO} mantiene i fotogrammi al secondo
dell'originale; {ui:MSG_CHANGE_FRAMERATE} converte al numero di fotogrammi al
secondo scelto nell'elenco. Real Video, MPEG-1 e l'H.263 dei cellulari 3GP
non possono seguire ogni originale: per loro la scelta si chiama
«{msg:MSG_FRAMERATE_AUTO_FIXED|25}» (o 12.5) e scrive quel valore.</dd>
<dt>{label:MSG_ASPECT}</dt>
<dd>La forma che il lettore dà all'immagine. {ui:MSG_ASPECT_AUTO} mantiene
quella dell'originale; 4:3 è adatto ai televisori tradizionali, 16:9 agli
schermi panoramici. L'H.263 offre anche 1:1 (pixel quadrati) e 11:9.</dd>
</dl>

<h2 id="audio">La scheda {label:MSG_AUDIO_PAGE}</h2>
<dl>
<dt>{label:MSG_AUDIO_BITRATE}</dt>
<dd>Il cursore sceglie il bitrate audio in kbit/s. Con
{ui:MSG_AUDIO_BITRATE_AUTO} selezionato lo sceglie il codificatore. I bitrate
disponibili dipendono dal codec e dalla frequenza di campionamento: a un
campionamento più basso corrispondono bitrate massimi più bassi, e quando lo
si sceglie il cursore si riporta da solo nell'intervallo consentito. Un
profilo con un bitrate che il suo campionamento non offre lo mantiene finché
non si cambia il campionamento o il cursore. Il WAV non compresso e l'A-Law
non hanno bitrate.</dd>
<dt>{label:MSG_SAMPLERATE}</dt>
<dd>Campioni al secondo. 44100 Hz è la qualità CD, 48000 Hz si usa nei DVD,
8000 e 16000 Hz servono per la voce (AMR).</dd>
<dt>{label:MSG_ACHANNELS}</dt>
<dd>{ui:MSG_CHANNELS_1} o {ui:MSG_CHANNELS_2}; l'AC3 offre anche
{ui:MSG_CHANNELS_6}, sempre a 48000 Hz.</dd>
</dl>

<h2 id="values">Valori non adatti al codec</h2>
<p>Alcuni codec accettano solo valori precisi: l'H.263 le sue tre
dimensioni, l'AMR i suoi bitrate vocali. Invece di fallire, il codificatore
di Kinovert sostituisce un valore simile con quello accettato più
vicino.</p>
"""

PAGES["devices"] = """
<p>Telefoni e lettori portatili richiedono file fatti in un modo ben preciso.
Per questo i formati 3GP e MP4 usano <em>preimpostazioni per
dispositivi</em> al posto dei profili: ogni preimpostazione è pensata per un
tipo di dispositivo e offre alcune scelte già pronte, di solito un file
leggero e uno di qualità migliore.</p>

<h2 id="use">Usare una preimpostazione</h2>
<ol>
<li>Fare clic sul dispositivo nell'elenco
<span class="ui">3GP Format</span>. Il 3GP diventa il formato di
destinazione.</li>
<li>Scegliere una delle proposte del dispositivo nell'elenco
{label:MSG_PRPFILE}.</li>
<li>Fare clic su {ui:MSG_CONVERT}.</li>
</ol>
<p>Kinovert ricorda l'ultimo dispositivo scelto e lo seleziona di nuovo
all'avvio successivo. Le preimpostazioni MP4 (iPod e PSP) sono disponibili
nelle edizioni di Kinovert dotate di un menu dei dispositivi MP4; la riga di
comando può usarle in tutte le edizioni (vedere {page:cli}).</p>

<h2 id="shipped">Le preimpostazioni fornite</h2>
<p>Le preimpostazioni il cui titolo contiene «3GPP» o «3GP2» compaiono per il
3GP, quelle con «iPod» o «PSP» per l'MP4.</p>
{devices}

<h2 id="own">Creare preimpostazioni personalizzate</h2>
<p>Una preimpostazione è un file di testo nella cartella
<code>default_setting</code> della cartella dei profili (vedere
{page:profiles#files|dove vengono salvati i profili}). La sezione
<code>[Info]</code> contiene il titolo (<code>TitleE</code>) e una
descrizione (<code>DescriptionE</code>). Ogni sezione il cui nome inizia con
<code>Item</code> è una scelta, con il titolo (<code>TitleE</code>),
l'estensione del file prodotto (<code>EXT</code>) e una o più righe di
comando (<code>Command1</code>, <code>Command2</code> e così via), eseguite
una dopo l'altra per ogni file.</p>
{preset:3gpp_h263_amr.ini}
<p>Nelle righe di comando <code>&lt;%InputFile%&gt;</code> indica il file
originale, <code>&lt;%OutputFile%&gt;</code> il file prodotto senza
estensione, <code>&lt;%OutputPath%&gt;</code> la cartella di destinazione e
<code>&lt;%AppPath%&gt;</code> la cartella del programma. Tutti i valori
vengono protetti, quindi i nomi di file con spazi o virgolette non creano
problemi. Kinovert legge le preimpostazioni all'avvio; dopo averne aggiunta
una occorre riavviarlo. Non esiste un editor per le preimpostazioni:
modificarle con un editor di testo.</p>
"""

PAGES["converting"] = """
<p>Quando si fa clic su {ui:MSG_CONVERT}, Kinovert verifica innanzitutto di
poter iniziare: l'elenco non deve essere vuoto ({msg:MSG_NOFILES}) e deve
essere indicata una cartella di destinazione ({msg:MSG_EMPTY_DIR}). Se la
cartella non esiste, Kinovert chiede {msg:MSG_SURE_TO_CREATEDIR} e, se si
risponde {ui:MSG_YES}, la crea insieme alle eventuali cartelle superiori
mancanti.</p>

<h2 id="progress">La finestra di avanzamento</h2>
{img:progress|La finestra di avanzamento a metà di un blocco}
<p>Durante la conversione la finestra di avanzamento
({ui:MSG_ID_ENC_IN_PROGRESS}) mostra:</p>
<ul>
<li>quale file si sta convertendo sul totale e il nome del file
prodotto;</li>
<li>{label:MSG_ID_STATUS}: l'avanzamento del file corrente, con il relativo
{label:MSG_REMAINING_TIME};</li>
<li>{label:MSG_ID_BATCH}: l'avanzamento dell'intero blocco, ponderato sulle
dimensioni dei file, con {label:MSG_REMAINING_TIME},
{label:MSG_ELAPSED_TIME} e {label:MSG_ESTIMATED_TIME} del blocco;</li>
<li>l'ultimo file non convertito, con il motivo, in rosso (puntandolo si
vedono tutti gli errori del blocco);</li>
<li>{ui:MSG_DEL_AFTER}: vedere {page:converting#delete|più avanti};</li>
<li>{ui:MSG_SHUTDOWN_AFTER}: si può selezionare o deselezionare in qualsiasi
momento; la scelta vale per questo blocco e per i successivi (vedere
{page:converting#done|più avanti}).</li>
</ul>
<p>Gli altri file dell'elenco attendono il proprio turno; finché la finestra
di avanzamento è aperta, la finestra principale non è utilizzabile.</p>

<h2 id="stop">Interrompere</h2>
<p>{ui:MSG_CANCEL} (oppure {kbd:Esc} o la chiusura della finestra) pone la
domanda {msg:MSG_ABORTENCODING}</p>
{img:question|La domanda posta quando si interrompe un blocco}
<ul>
<li>{ui:MSG_BTN_NOW} ferma subito il codificatore; il file in corso resta
incompleto. I file già convertiti vengono mantenuti.</li>
<li>{ui:MSG_BTN_DONE} lascia terminare il file corrente e poi chiude il
blocco; la finestra mostra {msg:MSG_ID_STOP_ENC}</li>
<li>{ui:MSG_CANCEL} prosegue con il blocco (e annulla un
{ui:MSG_BTN_DONE} scelto in precedenza).</li>
</ul>

<h2 id="tray">Lavorare in background</h2>
<p>{ui:MSG_SEND_TO_TRAY} nasconde le finestre di Kinovert e ne mostra l'icona
nell'area di notifica del desktop; il suggerimento dell'icona indica
l'avanzamento. Un doppio clic sull'icona (o {ui:MSG_SHOW_WINDOW} nel suo
menu) fa ricomparire le finestre. Il menu dell'icona offre anche
{ui:MSG_TRAY_MENU_STOPENCODING}, che pone la stessa domanda di
{ui:MSG_CANCEL}. Su un desktop senza area di notifica la finestra viene
invece ridotta a icona.</p>

<h2 id="failed">Quando un file non viene convertito</h2>
<p>Se un file non può essere convertito, Kinovert lo contrassegna con una
croce rossa e passa subito al file successivo; nessun messaggio attende una
risposta, così un blocco lasciato incustodito arriva fino in fondo. Il motivo
(il messaggio del codificatore, o ciò che è accaduto: interrotto
dall'esterno, cartella di destinazione rimossa…) compare nella finestra di
avanzamento, nella riga del file quando la si punta e nella nota alla fine
del blocco. L'originale di un file non convertito non viene mai eliminato. Le
cause più comuni sono descritte in {page:trouble}.</p>

<h2 id="done">Alla fine del blocco</h2>
<p>La finestra di avanzamento si chiude e ogni riga mostra il proprio
risultato. Kinovert dice poi come è terminato il blocco:
{msg:MSG_BATCH_ALL_CONVERTED|3|3}, {msg:MSG_BATCH_SOME_FAILED|2|3|1} oppure
{msg:MSG_BATCH_STOPPED|1|3}. Lo dice con una notifica (o un fumetto della sua
icona nell'area di notifica), nel suggerimento dell'icona e in una nota della
finestra principale che elenca i file non convertiti con i loro motivi e
resta aperta finché non la si chiude. Quindi, se {ui:MSG_SHUTDOWN_AFTER} è
selezionato e tutti i file sono stati convertiti, una finestra con il conto
alla rovescia lascia 30 secondi per fare clic su {ui:MSG_CANCEL} prima che
Kinovert esegua l'azione scelta nelle {page:settings|impostazioni}: chiudersi,
spegnere il computer, disconnettere la sessione, riavviare, ibernare o
sospendere. Il conto alla rovescia nomina l'azione. Non c'è alcun conto alla
rovescia se un file non è stato convertito o se si è scelto
{ui:MSG_BTN_NOW}.</p>
{img:shutdown|Il conto alla rovescia prima dello spegnimento del computer}

<h2 id="delete">Eliminare i file originali</h2>
<p>Kinovert può eliminare ogni file originale non appena è stato convertito
correttamente; un file non riuscito viene sempre conservato. Selezionare
{ui:MSG_DEL_AFTER} nella finestra di avanzamento (vale subito, anche per il
blocco in corso) o nelle {page:settings|impostazioni}; la scelta resta per i
blocchi successivi. Con {page:cli|la riga di comando} usare
<code>--delete-source</code>.</p>
"""

PAGES["settings"] = """
<p>{ui:MSG_SETTINGS} (nel menu della guida e in quello dell'elenco dei file,
oppure {kbd:F12}) apre una piccola finestra di dialogo con quattro impostazioni.
{ui:MSG_OK} le salva subito; {ui:MSG_CANCEL} o {kbd:Esc} non cambia
nulla.</p>

{img:settings|La finestra di dialogo Impostazioni}

<dl>
<dt>{label:MSG_THREADPRIORITY}</dt>
<dd>Quanta parte del computer può usare il codificatore: {ui:MSG_IDLE}
(solo ciò che non serve ad altro; il computer resta reattivo),
{ui:MSG_NORMAL} (predefinita), {ui:MSG_HIGH} e {ui:MSG_REALTIME}. Una
priorità superiore alla normale richiede i relativi permessi; in mancanza, il
codificatore viene eseguito con priorità normale, e la finestra di dialogo lo
indica sotto l'elenco ({msg:MSG_PRIORITY_NOT_ALLOWED}).</dd>
<dt>{label:MSG_DIRECTSHOW}: {ui:MSG_USE_DIRECTSHOW}</dt>
<dd>Fa passare ogni file attraverso un piccolo script che il codificatore
apre al posto del file stesso. È una via di compatibilità per i profili e le
preimpostazioni che la prevedono; di norma lasciarla disattivata, perché il
codificatore legge direttamente tutti i formati supportati.</dd>
<dt>{label:MSG_SOURCE_FILES}: {ui:MSG_DEL_AFTER}</dt>
<dd>Elimina ogni file originale dopo la sua conversione riuscita (vedere
{page:converting#delete|eliminare i file originali}); la stessa opzione
della finestra di avanzamento.</dd>
<dt>{label:MSG_SHUTDOWN_REAL_DOES}</dt>
<dd>Che cosa accade dopo un blocco riuscito quando
{ui:MSG_SHUTDOWN_AFTER} è selezionato:
{msg:MSG_CLOSE_APP|@MSG_APPLICATION_TITLE} (chiudere il programma),
{ui:MSG_SHUTDOWN} (spegnere), {ui:MSG_LOGOFF} (terminare la sessione),
{ui:MSG_RESTART}, {ui:MSG_HIBERNATE} o {ui:MSG_SUSPEMD}. Queste azioni
vengono richieste al sistema (systemd-logind); se il sistema le rifiuta, il
computer resta acceso e Kinovert resta aperto.</dd>
</dl>

<p>Le impostazioni sono salvate nel file <code>info.ini</code>, insieme alle
ultime cartelle usate e alla posizione della finestra (vedere
{page:trouble#settings|dove si trovano le impostazioni}).</p>
"""

PAGES["cli"] = """
<p><code>kinovert-cli</code> è Kinovert senza finestra. Converte con gli
stessi profili e le stesse preimpostazioni per dispositivi ed è quindi lo
strumento adatto a script, server e grandi quantità di file.</p>

<pre><code>kinovert-cli [--home CARTELLA] COMANDO [OPZIONI] [--] [ARGOMENTI]</code></pre>
<p><code>kinovert-cli --help</code> elenca i comandi e
<code>kinovert-cli COMANDO --help</code> le opzioni di un comando.</p>

<h2 id="list">Vedere profili e preimpostazioni</h2>
<p><code>list</code> mostra i profili di ogni formato di destinazione, con la
descrizione e nell'ordine dell'elenco dei profili, e per MP4 e 3GP le
preimpostazioni per dispositivi: file, titolo, menu e ogni sezione
<code>Item</code> con il suo titolo. Con <code>-t</code> si limita a un solo
formato. Il comando legge gli stessi profili della finestra, compresi i
propri.</p>
{listing:MP3}

<h2 id="convert">Convertire</h2>
<pre><code>kinovert-cli convert -t mp3 -p Standard -o ~/Musica -- *.avi
kinovert-cli convert -t mp3 -p ~/Scaricati/Podcast.mpo -o ~/Musica intervista.wav
kinovert-cli convert -t 3gp -d 3gpp_h263_amr.ini -i Item1 -o uscita clip.mp4</code></pre>
<dl>
<dt><code>-t</code>, <code>--target FORMATO</code></dt>
<dd>AVI, MP4, 3GP, MPEG, MOV, WMV, RM, SWF, VOB, ASF, AAC, AC3, MP2, MP3, AMR
o WAV, in maiuscolo o minuscolo.</dd>
<dt><code>-p</code>, <code>--profile PROFILO</code></dt>
<dd>Un profilo del formato, scritto esattamente come lo mostra
<code>list</code>. Oppure un file di profilo, ad esempio uno ricevuto da
qualcun altro: un valore che contiene una barra (<code>./Podcast.mpo</code>,
<code>~/Scaricati/Podcast.mpo</code>) indica sempre un file; un nome senza
barra indica un file della cartella corrente solo se nessun profilo ha quel
nome. Vengono rifiutati una cartella, un file di oltre 16 MB o un file che
non contiene nessuna impostazione dei profili del formato.</dd>
<dt><code>-d</code>, <code>--device PREIMPOSTAZIONE.ini</code>,
<code>-i</code>, <code>--item SEZIONE</code></dt>
<dd>Per MP4 e 3GP, che usano una preimpostazione per dispositivi al posto di
un profilo: il nome di un file della cartella <code>default_setting</code>
oppure il percorso di un qualsiasi file di preimpostazione, e una delle sue
sezioni <code>Item</code>.</dd>
<dt><code>-o</code>, <code>--output CARTELLA</code></dt>
<dd>La cartella di destinazione, creata se non esiste.</dd>
<dt><code>--delete-source</code></dt>
<dd>Elimina ogni file originale dopo la conversione riuscita.</dd>
<dt><code>--priority 0-3</code></dt>
<dd>Bassa, normale, alta, tempo reale, come nelle
{page:settings|impostazioni}.</dd>
<dt><code>--progress auto|terminal|plain|json</code></dt>
<dd>Come seguire il blocco; vedere {page:cli#progress|più avanti}.</dd>
</dl>
<p>A un nome di profilo, preimpostazione o sezione scritto male il comando
risponde con i nomi esistenti e propone il più simile. I file mancanti, di
tipo sconosciuto o illeggibili vengono segnalati e saltati; gli errori
vengono stampati man mano e alla fine compare un riepilogo.
{kbd:Ctrl+C} interrompe subito ed elimina il file incompleto.</p>
<p>Le opzioni seguono le regole consuete: un valore può seguire come parola
successiva o essere attaccato all'opzione (<code>--target=mp3</code>,
<code>-tmp3</code>), un'opzione lunga può essere abbreviata finché resta
univoca (<code>--prof</code>), e opzioni e file possono comparire in
qualsiasi ordine. <code>--</code> chiude le opzioni, quindi anche un file
chiamato <code>-x.avi</code> viene accettato.</p>

<h2 id="progress">Seguire un blocco</h2>
<table>
<tr><th><code>--progress</code></th><th>Che cosa mostra</th></tr>
<tr><td><code>auto</code></td><td>Il valore predefinito:
<code>terminal</code> se l'output di errore è un terminale,
<code>plain</code> altrimenti.</td></tr>
<tr><td><code>terminal</code></td><td>Una sola riga, riscritta sul posto,
con il file corrente e il blocco.</td></tr>
<tr><td><code>plain</code></td><td>Una riga per ogni passo, per i file di
log: <code>[2/3] origine -&gt; destinazione</code>, <code>[2/3]
done</code>.</td></tr>
<tr><td><code>json</code></td><td>Righe JSON per i programmi: un oggetto
JSON per riga sull'output standard, scritto man mano.</td></tr>
</table>
<p>Ogni oggetto JSON ha un campo <code>event</code>: <code>start</code>
(formato di destinazione, cartella di destinazione, numero di file),
<code>file</code> (lo stato <code>state</code> di un file:
<code>converting</code>, poi <code>done</code>, <code>failed</code> con il
motivo <code>reason</code>, oppure <code>stopped</code>),
<code>progress</code> (<code>file_percent</code>,
<code>batch_percent</code>, <code>elapsed</code> e <code>remaining</code> in
secondi, null finché non sono noti) ed <code>end</code> (quanti file sono
stati convertiti, non riusciti e saltati); <code>skipped</code> e
<code>message</code> segnalano un file escluso e un problema estraneo alla
conversione. I messaggi destinati alle persone restano sull'output di
errore.</p>
<pre><code>$ kinovert-cli convert -t mp3 -p Standard -o uscita --progress json suono.wav
{"event":"start","target":"MP3","output":"/home/io/uscita","count":1}
{"event":"file","index":1,"count":1,"state":"converting","input":"/home/io/suono.wav","output":"/home/io/uscita/suono.mp3"}
{"event":"progress","index":1,"count":1,"name":"suono.wav","file_percent":100,"batch_percent":100,"elapsed":0,"remaining":0}
{"event":"file","index":1,"count":1,"state":"done","input":"/home/io/suono.wav","output":"/home/io/uscita/suono.mp3"}
{"event":"end","converted":1,"failed":0,"skipped":0,"stopped":false}</code></pre>

<h2 id="other">Altri comandi</h2>
<table>
<tr><th>Comando</th><th>Effetto</th></tr>
<tr><td><code>info [--report] FILE…</code></td><td>Stampa le caratteristiche
di ogni file, gli stessi valori del riquadro delle informazioni;
<code>--report</code> stampa il rapporto completo della finestra
{ui:MSG_FILEINFO_CAPTION}.</td></tr>
<tr><td><code>settings</code></td><td>Stampa le impostazioni con cui si avvia
il programma e le cartelle in uso (file delle impostazioni, profili,
guida).</td></tr>
<tr><td><code>options -t FORMATO FILE_PROFILO</code></td><td>Stampa le
opzioni del codificatore che corrispondono a un profilo.</td></tr>
<tr><td><code>profile default -t FORMATO FILE</code></td><td>Scrive un
profilo con le impostazioni predefinite del formato.</td></tr>
<tr><td><code>profile normalize -t FORMATO FILE</code></td><td>Legge un
profilo e lo riscrive con tutte le impostazioni esplicite.</td></tr>
<tr><td><code>time parse TESTO</code>, <code>time format MS</code>,
<code>time encoder TESTO</code></td><td>Mostra come gli editor interpretano
un tempo (in millisecondi), il testo corrispondente a un numero di
millisecondi e i millisecondi di un tempo scritto dal codificatore
(hh:mm:ss.ff).</td></tr>
</table>

<h2 id="completion">Completamento nella shell</h2>
<p>Kinovert installato porta con sé il completamento per bash (con il
pacchetto bash-completion) e zsh: il tasto {kbd:Tab} completa i comandi, le
opzioni, i nomi dei formati e i nomi di profili, preimpostazioni e sezioni
che corrispondono al formato e alla preimpostazione già scritti sulla riga,
compresi i propri.</p>

<h2 id="exit">Codici di uscita</h2>
<p>0: tutto è andato a buon fine. 1: alcuni file non sono stati convertiti o
sono stati saltati. 2: uso errato, oppure non è stato possibile avviare
nulla; una riga sull'output di errore ne spiega il motivo.
<code>--home CARTELLA</code> (o la variabile d'ambiente
<code>KINOVERT_HOME</code>) sceglie un'altra cartella del programma.</p>

<h2 id="parallel">Molti file contemporaneamente</h2>
<p>Un blocco converte i file uno dopo l'altro. Per usare tutti i core del
processore, avviare un blocco per ogni file con GNU parallel:</p>
<pre><code>parallel -j4 kinovert-cli convert -t mp3 -p Standard -o ~/Musica -- {} ::: *.avi</code></pre>
<p>I blocchi eseguiti in parallelo non scrivono mai nello stesso file di
destinazione.</p>
"""

PAGES["trouble"] = """
<h2 id="failed">Un file non è stato convertito</h2>
<p>Una croce rossa davanti a un file indica che il codificatore non è
riuscito a convertirlo. Puntare la riga del file per leggerne il motivo; la
finestra di avanzamento lo ha mostrato durante il blocco, e la nota alla fine
del blocco elenca ogni file non convertito con il suo motivo. Il resto del
blocco è proseguito. Cause frequenti:</p>
<ul>
<li><strong>Il file originale è danneggiato o incompleto</strong>, ad esempio
un download interrotto. Verificarlo con {ui:MSG_PLAY_SOURCE}.</li>
<li><strong>Il profilo chiede qualcosa che il codec o il formato non
supporta.</strong> Provare uno dei profili forniti; se funziona, confrontarne
le impostazioni con le proprie nell'{page:editor|editor dei profili}.</li>
<li><strong>La cartella di destinazione non è scrivibile</strong> oppure il
disco è pieno.</li>
<li><strong>Il codificatore è stato interrotto dall'esterno</strong>: terminato
da un segnale che Kinovert non ha inviato, ad esempio dal sistema per mancanza
di memoria.</li>
<li><strong>A FFmpeg manca un codec.</strong> Solo l'audio AMR (il formato di
destinazione AMR e i preset e profili 3GP che scelgono l'AMR) richiede FFmpeg
con i codec aggiuntivi (in Debian il pacchetto <code>libavcodec-extra</code>);
tutto il resto si converte con FFmpeg così com'è installato.</li>
</ul>
<p>Per leggere tutto ciò che dice il codificatore, convertire il file dalla
riga di comando: <code>kinovert-cli convert --target avi --profile Standard
--output /tmp/test -- FILE</code> stampa ogni riga di errore. Anche un file
di destinazione mancante o vuoto al termine della codifica conta come errore;
l'originale di un file non convertito non viene mai eliminato.</p>

<h2 id="sound">Un file convertito non ha audio</h2>
<ul>
<li>Nella scheda {label:MSG_PROFILE_GENERAL} del profilo è selezionato
{ui:MSG_DISABLE_AUDIO_DETAIL}: deselezionarlo e convertire di nuovo.</li>
<li>L'originale non ha audio: il pannello sotto l'elenco dei file indica
allora {label:MSG_AUDIOCOUNT} 0.</li>
<li>Il lettore non conosce il codec audio. Molti cellulari riproducono AMR
banda stretta, ma non AMR banda larga né AAC nei file 3GP, e l'AC3 a sei
canali richiede un lettore che decodifichi il 5.1. Provare un altro profilo o
un'altra impostazione predefinita, oppure riprodurre il file su un computer
per verificare che l'audio ci sia.</li>
</ul>

<h2 id="preset">Un'impostazione per dispositivo o un profilo viene rifiutato</h2>
<p>Un'impostazione per dispositivo viene eseguita solo se ognuno dei suoi
comandi è una semplice chiamata del codificatore:
<code>&lt;%AppPath%&gt;/avcore</code> seguito da opzioni e segnaposto. Un
comando che contiene un carattere che solo una shell interpreterebbe
(<code>;</code>, <code>|</code>, <code>$</code>, virgolette, redirezioni)
viene rifiutato con il messaggio <span class="msg">The device preset "…" is
not run: …</span>, e con essa non viene convertito nulla. Usare una delle
impostazioni fornite, oppure copiarne una e modificarne solo le opzioni.</p>
<p><code>kinovert-cli</code> rifiuta anche un'impostazione destinata a un altro
formato (un'impostazione iPod o PSP per MP4, una 3GP per 3GP) e un file di
profilo che non è un profilo: una cartella, un file oltre 16 MB, un file che
non ha il nome dei profili del formato (<code>.avo</code> per AVI, …) o la
cui sezione <code>[General]</code> non contiene nessuna delle loro chiavi. Il
messaggio ne indica il motivo.</p>

<h2 id="adding">Un file non viene aggiunto all'elenco</h2>
<ul>
<li>{msg:MSG_FORMAT_ERROR|…} MediaInfo non è riuscito a leggere il file.
Potrebbe essere danneggiato o non essere affatto un file
multimediale.</li>
<li>Non succede nulla: il file è già nell'elenco, è una cartella oppure la
sua estensione non rientra tra i formati leggibili. Il filtro della finestra
{ui:MSG_BROWSE} mostra tutti i tipi leggibili.</li>
</ul>

<h2 id="start">Kinovert non si avvia</h2>
<p>{msg:MSG_NO_DAT_FILE|…/skin/kvo/lang/type_italian.dat} Manca il file che
elenca i formati leggibili per la lingua scelta. Senza di esso Kinovert non
può funzionare e si chiude: reinstallare il programma. Lo stesso controllo
avviene quando si cambia lingua.</p>
<p>{msg:MSG_CREATE_DIR_ERROR} Non è stato possibile creare le cartelle dei
profili, di solito perché la cartella non è scrivibile. Una cartella del
programma nella propria cartella personale dovrebbe esserlo; un programma
installato usa le cartelle dell'utente (vedere più avanti).</p>
<p>{msg:MSG_NOENCODER|avcore} Nella cartella del programma manca il
codificatore. Reinstallare Kinovert.</p>

<h2 id="settings">Dove si trovano le impostazioni e i profili</h2>
<table>
<tr><th></th><th>Cartella del programma compilata o decompressa (portatile)</th><th>Programma installato</th></tr>
<tr><td>Impostazioni</td><td><code>info.ini</code> nella cartella del programma</td>
<td><code>~/.config/kinovert/info.ini</code></td></tr>
<tr><td>Profili</td><td><code>profile_it/</code> … nella cartella del programma</td>
<td><code>~/.local/share/kinovert/profile_it/</code> …</td></tr>
</table>
<p>Una cartella del programma che contiene il file <code>installed</code>, o
in cui non si può scrivere, è considerata installata. Se
<code>$XDG_CONFIG_HOME</code> o <code>$XDG_DATA_HOME</code> sono impostate,
sostituiscono <code>~/.config</code> e <code>~/.local/share</code>.
<code>kinovert --help</code> e <code>kinovert-cli settings</code> mostrano le
cartelle in uso.</p>
<p>Per ripartire dalle impostazioni predefinite, chiudere Kinovert ed
eliminare <code>info.ini</code>: il file viene riscritto all'avvio
successivo. Un Kinovert installato non copia mai di nuovo un profilo fornito
che è stato modificato o eliminato; per recuperare l'originale, copiarlo
dall'installazione (ad esempio
<code>/usr/share/kinovert/profile_it/avi/Standard.avo</code>) nella propria
cartella dei profili.</p>

<h2 id="help">La guida non si apre</h2>
<p>{ui:MSG_HELP_CONTENT} e {ui:MSG_QUICK_START} aprono queste pagine nel
browser web. Se una pagina manca, Kinovert lo segnala:
{msg:MSG_NO_HELP|…} Le pagine si trovano in
<code>skin/kvo/lang/it_help/</code> della cartella del programma (en_help,
fr_help, de_help per le altre lingue); è possibile anche aprirle direttamente
in un browser. Se non si apre nulla, il desktop non ha un browser
predefinito: impostarne uno (sulla maggior parte dei desktop con
<code>xdg-settings set default-web-browser …</code>).</p>
<p>La guida si apre nella lingua per cui Kinovert è stato compilato, anche
dopo aver scelto un'altra lingua in {ui:MSG_LANG}; i collegamenti in alto in
ogni pagina portano alla stessa pagina nelle altre lingue.</p>
<p>{ui:MSG_ONLINE_RES} apre la pagina iniziale di questa guida e
{ui:MSG_TECH_SUPPORT} questa pagina, a meno che la propria copia di Kinovert
non sia stata compilata con indirizzi propri; la finestra {ui:MSG_ABOUT}
rimanda alle stesse due pagine.</p>

<h2 id="messages">Altri messaggi</h2>
<dl>
<dt>{msg:MSG_EMPTY_DIR}</dt>
<dd>Digitare o scegliere una cartella nel campo {label:MSG_OUTPUTDIR}.</dd>
<dt>{msg:MSG_FAIL_TO_CREATEDIR}</dt>
<dd>Non è stato possibile creare la cartella di destinazione: controllarne
il nome e verificare di poter scrivere nella cartella superiore.</dd>
<dt>{msg:MSG_LAST_PROFILE}</dt>
<dd>Ogni formato conserva almeno un profilo.</dd>
<dt>{msg:MSG_RENAMEFAILD}</dt>
<dd>Un altro profilo del formato ha già questo nome.</dd>
</dl>

<h2 id="report">Segnalare un errore</h2>
<p>Se qualcosa non funziona e questa pagina non lo spiega, rivolgersi a chi
ha fornito la propria copia di Kinovert; per un programma installato da un
pacchetto, è il sistema di segnalazione dei bug di quel pacchetto. Una
segnalazione utile contiene:</p>
<ul>
<li>la versione: la mostra la barra del titolo, e la stampa
<code>kinovert --version</code>;</li>
<li>che cosa si è fatto, che cosa ci si aspettava e che cosa è successo
invece, con il testo esatto di ogni messaggio;</li>
<li>per un file non convertito: il formato e il profilo o l'impostazione per
dispositivo, e quello che <code>kinovert-cli convert</code> stampa per quel
file (vedere {page:cli}); <code>kinovert-cli options</code> stampa le opzioni
del codificatore di un profilo;</li>
<li>quello che <code>kinovert-cli info</code> dice dell'originale, e quello che
stampa <code>ffmpeg -version</code>;</li>
<li>il file di profilo stesso, se lo si è creato o modificato (dove si trovano
impostazioni e profili è spiegato sopra).</li>
</ul>
<p>Non inviare file che non si possono condividere: basta un breve spezzone che
mostri l'errore.</p>
"""

# ---------------------------------------------------------------- formati di destinazione

TARGET_INTRO = """
<p>{ui:MSG_CONVERT_TO} › <span class="ui">{name}</span> imposta questo formato
come destinazione; l'elenco {label:MSG_PRPFILE} mostra allora i suoi profili.
Questa pagina riporta ciò che un profilo {name} può contenere; il significato
delle singole impostazioni è spiegato in {page:editor}.</p>
"""

PAGES["to-avi"] = """
<p>L'AVI è il contenitore video più diffuso. Kinovert lo scrive con video
MPEG-4 (compatibile DivX o Xvid), MPEG-4 Microsoft di prima generazione,
H.263, H.264, huffYUV senza perdita, Motion-JPEG, Sorenson o Flash, e con
audio MP2, MP3, WAV non compresso o AC3. È una buona scelta per i computer e
per i lettori da salotto che riproducono i file DivX.</p>
<h2>Profili forniti</h2>
{profiles:AVI}
<h2>Codec e impostazioni</h2>
{options:AVI}
<p>L'huffYUV conserva ogni dettaglio ma crea file molto grandi: è adatto al
materiale da elaborare ancora. Per la visione, Divx o Xvid tra 1080 e
2496 kbit/s danno una bella immagine in formato DVD.</p>
<div class="shots">
{img:editor-avi-general|La scheda Generale dell'editor dei profili AVI}
{img:editor-avi-video|La scheda Video dell'editor dei profili AVI}
</div>
"""

PAGES["to-mp4"] = """
<p>I file MP4 si riproducono sulla maggior parte di telefoni, tablet, lettori
multimediali e browser web. Kinovert li scrive con video H.264 e audio
AAC.</p>
<p>Come il 3GP, l'MP4 si converte con le
{page:devices|preimpostazioni per dispositivi}: preimpostazioni per iPod e
PlayStation Portable, da scegliere nel menu dei dispositivi MP4 delle
edizioni di Kinovert che lo hanno, oppure con <code>--device</code> dalla
{page:cli|riga di comando}.</p>
<p>Oltre alle preimpostazioni, Kinovert conserva profili MP4 (i file della
cartella dei profili <code>mp4</code>) con le impostazioni elencate sotto.
Le conversioni non li usano; <code>kinovert-cli options --target mp4
FILE</code> stampa le opzioni del codificatore di un profilo, che si possono
riprendere in una preimpostazione personalizzata.</p>
<h2>Profili forniti</h2>
{profiles:MP4}
<h2>Codec e impostazioni</h2>
{options:MP4}
<p>L'elenco {label:MSG_TYPE} indica il dispositivo a cui è destinato il file.
{ui:MSG_TYPE_PSP} scrive la variante di MP4 propria della PSP e usa l'AAC
solo a 48000 Hz; {ui:MSG_TYPE_IPOD}, {ui:MSG_TYPE_MOBILE} e
{ui:MSG_TYPE_MP4} offrono le otto frequenze di campionamento da 11025 a 48000 Hz. L'elenco
delle dimensioni segnala quelle adatte a questi dispositivi, ad esempio
{ui:MSG_PSP_FULLSCR} (368x208).</p>
<div class="shots">
{img:editor-mp4-general|La scheda Generale dell'editor dei profili MP4}
{img:editor-mp4-audio|La scheda Audio dell'editor dei profili MP4}
</div>
"""

PAGES["to-3gp"] = """
<p>Il 3GP è il formato video dei telefoni cellulari ed è il formato con cui
Kinovert si apre: le preimpostazioni dei telefoni compaiono nell'elenco
<span class="ui">3GP Format</span> della finestra principale e l'elenco
{label:MSG_PRPFILE} ne propone i livelli di qualità. Vedere
{page:devices}.</p>
<p>Oltre alle preimpostazioni, Kinovert conserva profili 3GP (i file della
cartella dei profili <code>3gp</code>) con le impostazioni elencate sotto.
Le conversioni usano le preimpostazioni, non questi profili;
<code>kinovert-cli options --target 3gp FILE</code> stampa le opzioni del
codificatore di un profilo, che si possono riprendere in una
preimpostazione personalizzata.</p>
<h2>Profili forniti</h2>
{profiles:3GP}
<h2>Codec e impostazioni</h2>
{options:3GP}
<p>Il {label:MSG_TYPE} determina i codec proposti: i telefoni
{ui:MSG_3GP_TYPE1} riproducono video H.263 o MPEG-4 con audio AMR o AAC; i
telefoni {ui:MSG_3GP_TYPE2} e {ui:MSG_3GP_TYPE3} riproducono MPEG-4 o Xvid
con AAC. Ogni tipo conserva la propria scelta di codec.</p>
<p>L'H.263 è compreso da quasi tutti i telefoni ma ammette solo tre
dimensioni. Se per un telefono Nokia, NEC o Siemens si sceglie MPEG-4, AMR
banda larga o AAC, Kinovert avvisa che alcuni modelli non sono in grado di
riprodurli: se sul telefono il filmato resta muto o nero, tornare a H.263 e
AMR banda stretta. L'AMR è un codec vocale: mono, a 8000 Hz (banda stretta) o
16000 Hz (banda larga).</p>
<div class="shots">
{img:editor-3gp-general|La scheda Generale dell'editor dei profili 3GP}
{img:editor-3gp-video|La scheda Video dell'editor dei profili 3GP}
{img:editor-3gp-audio|La scheda Audio dell'editor dei profili 3GP}
</div>
"""

PAGES["to-mpeg"] = """
<p>I file MPEG si riproducono quasi ovunque. L'MPEG-1 è adatto ai lettori
più datati e ai Video CD, l'MPEG-2 è il video dei DVD e della
televisione.</p>
<h2>Profili forniti</h2>
{profiles:MPEG}
<h2>Codec e impostazioni</h2>
{options:MPEG}
<h2 id="presets">{label:MSG_PRESET_FORMATS}: VCD, SVCD e DVD</h2>
<p>Con {ui:MSG_USE_PRESET_FORMATS} selezionato, Kinovert crea file conformi
alle regole di un formato di disco e mette da parte le impostazioni dei
codec:</p>
<ul>
<li><strong>VCD</strong> (Video CD): MPEG-1 a 352x288 (PAL) o 352x240 (NTSC)
con audio MP2; si riproduce su quasi tutti i lettori DVD.</li>
<li><strong>SVCD</strong> (Super Video CD): MPEG-2 a 480x576 o 480x480;
immagine migliore, ma meno lettori compatibili.</li>
<li><strong>DVD</strong>: MPEG-2 a 720x576 o 720x480. Per il DVD la scheda
{ui:MSG_DVD_PAGE} regola il bitrate video, le proporzioni e il bitrate
audio.</li>
</ul>
<p>{label:MSG_TARGET_FORMAT} sceglie lo standard televisivo:
{ui:MSG_TARGET_FORMAT_PAL} (Europa, gran parte dell'Asia e dell'Africa,
25 fotogrammi al secondo), {ui:MSG_TARGET_FORMAT_NTSC} (America del Nord e
Giappone, 29,97 fotogrammi al secondo) oppure {ui:MSG_TARGET_FORMAT_AUTO},
che segue i fotogrammi al secondo dell'originale. Le impostazioni dei
codec vengono conservate e tornano quando si deseleziona la casella.</p>
<p>L'editor MPEG mantiene larghezze e altezze dispari così come vengono
digitate.</p>
<div class="shots">
{img:editor-mpeg-general|La scheda Generale dell'editor dei profili MPEG con un formato predefinito}
{img:editor-mpeg-dvd|La scheda DVD dell'editor dei profili MPEG}
</div>
"""

PAGES["to-mov"] = """
<p>Il MOV è il formato QuickTime. Kinovert lo scrive con video Sorenson,
MPEG-4, Xvid, H.263 o H.264 e con audio AAC, A-Law, AMR o non compresso.
H.264 con AAC è la combinazione meglio riprodotta dai computer e dai
dispositivi attuali.</p>
<h2>Profili forniti</h2>
{profiles:MOV}
<h2>Codec e impostazioni</h2>
{options:MOV}
<div class="shots">
{img:editor-mov-general|La scheda Generale dell'editor dei profili MOV}
{img:editor-mov-video|La scheda Video dell'editor dei profili MOV}
</div>
"""

PAGES["to-wmv"] = """
<p>I file WMV (Windows Media Video) si riproducono con Windows Media Player e
con molti altri lettori. Kinovert li scrive con video MPEG-4 Microsoft
(versioni 2 e 3) o Windows Media 7 e 8 e audio MP3.</p>
<h2>Profili forniti</h2>
{profiles:WMV}
<h2>Codec e impostazioni</h2>
{options:WMV}
<p>I passi di bitrate dei formati Windows Media si fermano a
6000 kbit/s.</p>
<div class="shots">
{img:editor-wmv-general|La scheda Generale dell'editor dei profili WMV}
{img:editor-wmv-video|La scheda Video dell'editor dei profili WMV}
</div>
"""

PAGES["to-rm"] = """
<p>L'RM è il formato RealMedia di RealPlayer. Kinovert scrive video Real
Video con audio AC3.</p>
<h2>Profili forniti</h2>
{profiles:RM}
<h2>Codec e impostazioni</h2>
{options:RM}
<p>Real Video richiede dimensioni multiple di 16 e non può scrivere immagini
più grandi di 720x576: l'elenco si ferma lì, l'editor non accetta larghezze o
altezze maggiori e il codificatore porta le altre dimensioni a multipli di
16.</p>
<div class="shots">
{img:editor-rm-general|La scheda Generale dell'editor dei profili RM}
{img:editor-rm-video|La scheda Video dell'editor dei profili RM}
</div>
"""

PAGES["to-swf"] = """
<p>L'SWF è il formato Flash incorporato nelle pagine web di vecchia
generazione. Kinovert scrive video Flash con audio MP3.</p>
<h2>Profili forniti</h2>
{profiles:SWF}
<h2>Codec e impostazioni</h2>
{options:SWF}
<p>Flash accetta l'audio MP3 solo a 11025, 22050 o 44100 Hz; i suoi passi di
bitrate si fermano a 3600 kbit/s.</p>
<div class="shots">
{img:editor-swf-general|La scheda Generale dell'editor dei profili SWF}
{img:editor-swf-audio|La scheda Audio dell'editor dei profili SWF}
</div>
"""

PAGES["to-vob"] = """
<p>Il VOB è il formato dei file contenuti nella cartella
<code>VIDEO_TS</code> di un DVD: video MPEG-2 con audio MP2 o AC3. Serve a
preparare il materiale per i programmi di authoring DVD.</p>
<h2>Profili forniti</h2>
{profiles:VOB}
<h2>Codec e impostazioni</h2>
{options:VOB}
<p>Per i DVD PAL scegliere 720x576 a 25 fotogrammi al secondo, per i DVD NTSC
720x480 a 29,97, come fanno i due profili forniti. Il VOB propone solo i
valori di fotogrammi al secondo ammessi su un DVD.</p>
<div class="shots">
{img:editor-vob-general|La scheda Generale dell'editor dei profili VOB}
{img:editor-vob-video|La scheda Video dell'editor dei profili VOB}
</div>
"""

PAGES["to-asf"] = """
<p>L'ASF (Advanced Systems Format) è il contenitore di Windows Media. Kinovert
lo scrive con video MPEG-4 Microsoft e audio MP3, per i lettori Windows meno
recenti e per i server di streaming.</p>
<h2>Profili forniti</h2>
{profiles:ASF}
<h2>Codec e impostazioni</h2>
{options:ASF}
<div class="shots">
{img:editor-asf-general|La scheda Generale dell'editor dei profili ASF}
{img:editor-asf-video|La scheda Video dell'editor dei profili ASF}
</div>
"""

PAGES["to-aac"] = """
<p>A parità di bitrate l'AAC suona meglio dell'MP3 e si riproduce su
telefoni, tablet e lettori multimediali. Kinovert scrive l'audio
dell'originale (anche di un video) in un file <code>.aac</code>.</p>
<h2>Profili forniti</h2>
{profiles:AAC}
<h2>Impostazioni</h2>
{options:AAC}
<p>Frequenze di campionamento più basse consentono bitrate massimi più bassi;
scegliendo un campionamento basso, il cursore del bitrate scende da
solo.</p>
{img:editor-aac-audio|La scheda Audio dell'editor dei profili AAC}
"""

PAGES["to-ac3"] = """
<p>L'AC3 (Dolby Digital) è l'audio dei DVD e dell'home theater e può
contenere audio surround 5.1.</p>
<h2>Profili forniti</h2>
{profiles:AC3}
<h2>Impostazioni</h2>
{options:AC3}
<p>Con {ui:MSG_CHANNELS_6} la frequenza di campionamento è fissa a 48000 Hz
e il bitrate parte da 112 kbit/s. A 22050 e 24000 Hz il bitrate si ferma a
320 kbit/s, a 44100 e 48000 Hz parte da 48 kbit/s.</p>
{img:editor-ac3-audio|La scheda Audio dell'editor dei profili AC3}
"""

PAGES["to-mp2"] = """
<p>L'MP2 (MPEG-1 Layer II) è l'audio dei Video CD e della radio
digitale.</p>
<h2>Profili forniti</h2>
{profiles:MP2}
<h2>Impostazioni</h2>
{options:MP2}
{img:editor-mp2-audio|La scheda Audio dell'editor dei profili MP2}
"""

PAGES["to-mp3"] = """
<p>L'MP3 è il formato audio che ogni lettore conosce. Serve a estrarre
l'audio da un video o a ridurre le dimensioni dei file musicali.</p>
<h2>Profili forniti</h2>
{profiles:MP3}
<h2>Impostazioni</h2>
{options:MP3}
<p>128 kbit/s a 44100 Hz sono una buona scelta per l'uso quotidiano; da
192 kbit/s in su la differenza con l'originale è difficile da
percepire.</p>
{img:editor-mp3-audio|La scheda Audio dell'editor dei profili MP3}
"""

PAGES["to-amr"] = """
<p>L'AMR è un codec vocale pensato per i telefoni cellulari: ideale per
registrazioni della voce e suonerie parlate, inadatto alla musica.</p>
<h2>Profili forniti</h2>
{profiles:AMR}
<h2>Impostazioni</h2>
{options:AMR}
<p>L'{ui:MSG_AMRNB} (8000 Hz) è riprodotta da tutti i telefoni.
L'{ui:MSG_AMRWB} (16000 Hz) è più nitida, ma alcuni telefoni e lettori non la
riproducono; per questo Kinovert mostra un avviso quando la si sceglie.
Entrambe sono solo mono. Il codificatore usa il bitrate previsto dal codec
più vicino, ad esempio 12,2 kbit/s per il passo 12.</p>
{img:editor-amr-audio|La scheda Audio dell'editor dei profili AMR}
"""

PAGES["to-wav"] = """
<p>Il WAV contiene audio non compresso: la qualità migliore e i file più
grandi. È adatto al montaggio e alla masterizzazione di CD audio.</p>
<h2>Profili forniti</h2>
{profiles:WAV}
<h2>Impostazioni</h2>
{options:WAV}
<p>Il {ui:MSG_PCM16LE} a 44100 Hz stereo corrisponde alla qualità CD. Il
{ui:MSG_PCMU8} occupa la metà dello spazio ed è sufficiente per la voce. Il
WAV non ha un'impostazione di bitrate: le dimensioni dipendono dalla
frequenza di campionamento e dal numero di canali.</p>
{img:editor-wav-audio|La scheda Audio dell'editor dei profili WAV}
"""
