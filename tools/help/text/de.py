# SPDX-License-Identifier: GPL-3.0-or-later
# Deutsche Hilfeseiten. Die Platzhalter {…} erklärt tools/help/make_help.py.

TARGET_TITLE = "Umwandeln in {name}"

TITLES = {
    "intro": "Einführung",
    "quickstart": "Schnellstart",
    "overview": "Die Benutzeroberfläche (Überblick)",
    "profiles": "Profile",
    "editor": "Der Profileditor",
    "devices": "Gerätevorgaben",
    "converting": "Während der Umwandlung",
    "settings": "Einstellungen",
    "cli": "Die Befehlszeile",
    "trouble": "Fehlerbehebung",
}

GROUPS = {
    "start": "Erste Schritte",
    "profiles": "Profile",
    "formats": "Zielformate",
    "convert": "Umwandlung",
    "more": "Nachschlagen",
}

WORDS = {
    "help": "Kinovert-Hilfe",
    "skip": "Zum Text springen",
    "contents": "Inhalt",
    "shortcuts": "Schnellzugriff",
    "languages": "Sprachen",
    "profile": "Profil",
    "preset_file": "Datei",
    "preset_title": "Gerät",
    "preset_description": "Für",
    "preset_items": "Auswahl im Profilfeld",
    "shown_for": "bei {}",
    "advisory": "mit Warnhinweis",
    "codec": "Codec",
    "fixed_sizes": "fest: {}",
    "free_size": "frei: aus der Liste oder eingegeben, {} bis {}x{} Pixel",
    "even_sizes": "(ungerade Werte werden auf gerade aufgerundet)",
    "size_list": "Größen in der Liste:",
    "frame_rates": "Bildraten in der Liste (Bilder pro Sekunde):",
    "fixed_auto_rate": "{0}: {1} schreibt unabhängig von der Quelle {2} Bilder pro Sekunde, da der Codec nicht jeder Bildrate folgen kann.",
    "no_bitrate": "keine (unkomprimiert)",
    "at_rates": "{} Hz: {} – {}",
    "six_channels": "{}: {} – {}",
}

PAGES = {}

PAGES["intro"] = """
<p>Kinovert wandelt Video- und Audiodateien stapelweise um. Sie sammeln die
Dateien in einer Liste, legen fest, was daraus werden soll, wählen einen
Ausgabeordner und klicken auf {ui:MSG_CONVERT}. Kinovert bearbeitet die
Dateien dann nacheinander und kennzeichnet jede als umgewandelt oder
fehlgeschlagen.</p>

{img:main|Das Hauptfenster von Kinovert mit drei Dateien in der Liste und den Medieninformationen der ausgewählten Datei}

<h2>Was Kinovert erzeugt</h2>
<p>Sechzehn Zielformate stehen zur Wahl:</p>
<ul>
<li>Video: {page:to-avi|AVI}, {page:to-mp4|MP4}, {page:to-3gp|3GP},
{page:to-mpeg|MPEG}, {page:to-mov|MOV}, {page:to-wmv|WMV}, {page:to-rm|RM},
{page:to-swf|SWF}, {page:to-vob|VOB} und {page:to-asf|ASF};</li>
<li>nur Audio: {page:to-aac|AAC}, {page:to-ac3|AC3}, {page:to-mp2|MP2},
{page:to-mp3|MP3}, {page:to-amr|AMR} und {page:to-wav|WAV}.</li>
</ul>
<p>Wie eine Datei umgewandelt wird, bestimmt ein <em>Profil</em>: eine
benannte Zusammenstellung von Einstellungen wie Codec, Bitrate, Bildgröße
und Abtastrate. Für jedes Format liefert Kinovert fertige Profile mit, und
Sie können eigene anlegen. Für Handys (3GP) und mobile Player (MP4) treten
<em>Gerätevorgaben</em> an die Stelle der Profile.</p>

<h2>Wo Sie anfangen</h2>
<ul>
<li>{page:quickstart}: Ihre erste Umwandlung in fünf Schritten.</li>
<li>{page:overview}: alle Teile des Hauptfensters, seine Menüs und
Tastenkombinationen.</li>
<li>{page:profiles} und {page:editor}: eigene Einstellungen anlegen. Außerdem
hat jedes Zielformat eine eigene Seite, die zeigt, was seine Profile
bieten.</li>
<li>{page:converting}: das Fortschrittsfenster und was am Ende eines Stapels
geschieht.</li>
<li>{page:cli}: Umwandeln ohne Fenster, etwa in Skripten.</li>
<li>{page:trouble}: Hilfe, wenn eine Datei fehlschlägt oder etwas
fehlt.</li>
</ul>

<h2>Was Kinovert braucht</h2>
<p>Kinovert liest Mediendateien mit der Bibliothek MediaInfo und wandelt sie
mit FFmpeg um, gesteuert über das eigene kleine Encoderprogramm
<code>avcore</code>. Beides stammt aus Ihrer Linux-Distribution (unter Debian
die Pakete <code>ffmpeg</code> und <code>libmediainfo0v5</code>, für
AMR-Ton dazu <code>libavcodec-extra</code>).</p>
"""

PAGES["quickstart"] = """
<p>So kommen Sie von einer leeren Liste zu fertig umgewandelten Dateien. Im
Beispiel entstehen 3GP-Videos für ein Handy.</p>

<ol class="steps">
<li><p><strong>Dateien hinzufügen.</strong> Klicken Sie neben
{label:MSG_INPUTFILENAME} auf {ui:MSG_BROWSE} (oder drücken Sie
{kbd:Strg+N}) und wählen Sie eine oder mehrere Dateien aus. Sie können
Dateien auch aus dem Dateimanager auf das Fenster ziehen. Jede Datei erhält
eine Zeile in der Liste; Dateien, die Kinovert nicht lesen kann, werden
gemeldet und nicht übernommen.</p></li>
<li><p><strong>Datei prüfen.</strong> Klicken Sie auf eine Zeile: Der Bereich
unter den Listen zeigt Format, Spieldauer, Bildgröße und Toneigenschaften der
Datei. {ui:MSG_MOREINFO} öffnet den ausführlichen Bericht.</p></li>
<li><p><strong>Gerät wählen.</strong> Klicken Sie in der Liste neben
<span class="ui">3GP Format</span> auf die Art von Handy, für die die Videos
bestimmt sind, und wählen Sie dann im Feld {label:MSG_PRPFILE} eine
Qualität. Für andere Zielformate öffnen Sie das Menü {ui:MSG_CONVERT_TO}
(Rechtsklick auf die Dateiliste oder Schaltfläche
<span class="ui">?</span> oben rechts) und wählen das Format; das Feld
{label:MSG_PRPFILE} zeigt dann dessen Profile.</p></li>
<li><p><strong>Ausgabeordner festlegen.</strong> Geben Sie neben
{label:MSG_OUTPUTDIR} einen Ordner ein oder klicken Sie auf die Schaltfläche
{ui:MSG_BROWSE} daneben. Einen Ordner, der noch nicht existiert, legt
Kinovert beim Start nach Rückfrage an.</p></li>
<li><p><strong>Umwandeln.</strong> Klicken Sie auf {ui:MSG_CONVERT} (oder
drücken Sie {kbd:F9}). Das Fortschrittsfenster zeigt die aktuelle Datei und
den ganzen Stapel. Wenn es sich schließt, zeigt jede Zeile, ob ihre Datei
umgewandelt wurde (grüner Haken) oder fehlgeschlagen ist (rotes
Kreuz).</p></li>
</ol>

{img:main|Das Hauptfenster bereit zum Umwandeln: drei Dateien, ein Handy und eine Qualität sind gewählt}

<p class="note">Die umgewandelte Datei trägt den Namen der Quelle mit der
Endung des Zielformats. Ist dieser Name im Ausgabeordner schon vergeben,
hängt Kinovert eine Nummer an: <code>clip(1).3gp</code>,
<code>clip(2).3gp</code> usw. Vorhandene Dateien werden nie
überschrieben.</p>

<p>Weiter geht es mit {page:overview} (alle Bedienelemente) und
{page:converting} (das Fortschrittsfenster).</p>
"""

PAGES["overview"] = """
<p>Kinovert hat ein einziges Hauptfenster. Es öffnet sich in der kompakten
Ansicht: oben die Dateiliste, darunter der Ausgabeordner, die Geräteliste,
das Profilfeld und die Schaltfläche {ui:MSG_CONVERT}, ganz unten die
Medieninformationen der ausgewählten Datei.</p>

{img:main|Das Hauptfenster mit Dateiliste, Ausgabeordner, Geräteliste, Profilfeld, Schaltfläche Umwandeln und Medieninformationen}

<h2 id="parts">Die Teile des Fensters</h2>
<table>
<tr><th>Teil</th><th>Aufgabe</th></tr>
<tr><td>Titelleiste</td><td>Zeigt Programmname und Version. Ziehen Sie daran,
um das Fenster zu verschieben; ein Doppelklick minimiert es. Rechts liegen
die Schaltflächen {label:MSG_MINIMIZE}, {label:MSG_HELP}
(<span class="ui">?</span>, öffnet das Hilfemenü) und
{label:MSG_CLOSE}.</td></tr>
<tr><td>{label:MSG_INPUTFILENAME}</td><td>Die Liste der umzuwandelnden
Dateien; ein Symbol vor jedem Pfad zeigt den Zustand.</td></tr>
<tr><td>{ui:MSG_BROWSE} (oben)</td><td>Fügt Dateien über einen Dateidialog
hinzu, dessen Filter alle Formate aufführt, die Kinovert lesen kann.</td></tr>
<tr><td><span class="ui">+</span> <span class="ui">−</span>
<span class="ui">↑</span> <span class="ui">↓</span></td><td>{ui:MSG_ADD_FILES},
{ui:MSG_DEL_FILES} (nimmt die ausgewählten Zeilen aus der Liste; die Dateien
selbst bleiben erhalten), {label:MSG_MOVE_UP} und {label:MSG_MOVE_DOWN}
(verschiebt die ausgewählte Zeile; umgewandelt wird von oben nach
unten).</td></tr>
<tr><td>{label:MSG_OUTPUTDIR}</td><td>Der Ordner für die umgewandelten
Dateien. Geben Sie ihn ein oder wählen Sie ihn mit der Schaltfläche
{ui:MSG_BROWSE} daneben.</td></tr>
<tr><td><span class="ui">3GP Format</span></td><td>Die Gerätevorgaben des
Zielformats 3GP. Ein Klick auf ein Gerät macht 3GP zum Zielformat und zeigt
dessen Auswahl im Profilfeld (siehe {page:devices}).</td></tr>
<tr><td>{label:MSG_PRPFILE}</td><td>Das Profil des Zielformats: bei 3GP und
MP4 die Auswahl des gewählten Geräts, bei allen anderen Formaten deren
Profile (siehe {page:profiles}).</td></tr>
<tr><td>{ui:MSG_CONVERT}</td><td>Wandelt alle Dateien der Liste um
({kbd:F9}).</td></tr>
<tr><td>Übersichtszeile</td><td>Zählt die Dateien, zum Beispiel
{msg:MSG_STATUS_FILES|3}.</td></tr>
<tr><td>Medieninformationen</td><td>Zeigen die Eigenschaften der
ausgewählten Datei (siehe unten).</td></tr>
</table>

<h2 id="files">Die Dateiliste</h2>
<p>Dateien fügen Sie mit {ui:MSG_BROWSE} oder der Schaltfläche
<span class="ui">+</span> hinzu, durch Ziehen auf das Fenster oder beim
Programmstart (<code>kinovert clip1.avi clip2.mov</code>; ein installiertes
Kinovert erscheint außerdem im Menü „Öffnen mit“ des Dateimanagers). Ohne
Meldung übergangen werden:</p>
<ul>
<li>Dateien, die es nicht gibt, und Ordner (Ordner werden nicht
durchsucht);</li>
<li>Dateien, deren Typ nicht zu den lesbaren Formaten gehört;</li>
<li>eine Datei, die mit genau demselben Pfad schon in der Liste steht.</li>
</ul>
<p>Eine Datei, die MediaInfo nicht lesen kann, wird nicht aufgenommen;
stattdessen erscheint {msg:MSG_FORMAT_ERROR|…}</p>
<p>Die Reihenfolge ändern Sie mit <span class="ui">↑</span> und
<span class="ui">↓</span> ({kbd:Strg+U}, {kbd:Strg+D}) oder indem Sie eine
Zeile an ihren neuen Platz ziehen. Ein Doppelklick auf eine Zeile spielt die
Datei mit dem Standardplayer Ihres Desktops ab. Beim Beenden wird die Liste
nicht gespeichert.</p>

<p>Das Symbol vor jeder Zeile zeigt, wie es der Datei im letzten Stapel
ergangen ist:</p>
{img:states|Dateiliste nach einem Stapel: erste Datei umgewandelt, zweite fehlgeschlagen, dritte wird gerade umgewandelt}
<table>
<tr><th>Symbol</th><th>Bedeutung</th></tr>
<tr><td>leerer Kreis</td><td>in diesem Stapel noch nicht umgewandelt</td></tr>
<tr><td>kreisförmige Pfeile</td><td>wird gerade umgewandelt</td></tr>
<tr><td>grüner Haken</td><td>umgewandelt</td></tr>
<tr><td>rotes Kreuz</td><td>fehlgeschlagen (siehe {page:trouble})</td></tr>
</table>

<h2 id="menus">Menüs</h2>
<p>Ein Rechtsklick auf die Dateiliste öffnet ihr Menü. Ist eine Zeile
ausgewählt, bietet es {ui:MSG_PLAY_SOURCE}, {ui:MSG_OPEN_DES_FOLDER},
{ui:MSG_DEL_FILES}, {ui:MSG_CLEARLIST}, {ui:MSG_ADD_FILES},
{ui:MSG_SEL_ALL} und {ui:MSG_CONVERT_TO}; bei leerer Liste
{ui:MSG_ADD_FILES}, {ui:MSG_SETTINGS}, {ui:MSG_HELP_CONTENT} und
{ui:MSG_CONVERT_TO}.</p>
{img:menu-files|Das Menü der Dateiliste bei ausgewählter Datei}
<p>Die Schaltfläche <span class="ui">?</span> öffnet das Hilfemenü:
{ui:MSG_HELP_CONTENT}, {ui:MSG_QUICK_START}, {ui:MSG_SETTINGS},
{ui:MSG_LANG} (das Fenster wechselt sofort die Sprache, die Profile dieser
Sprache gelten ab dem nächsten Start, und diese Hilfe bleibt in der Sprache,
für die Kinovert gebaut wurde), {ui:MSG_CONVERT_TO}, {ui:MSG_ONLINE_RES},
{ui:MSG_TECH_SUPPORT} und {ui:MSG_ABOUT}.</p>
{img:menu-convert|Das Hilfemenü mit geöffnetem Untermenü Umwandeln in}

<h3 id="targets">Das Zielformat wählen</h3>
<p>{ui:MSG_CONVERT_TO} führt alle sechzehn Formate auf; das aktuelle ist
markiert. Wenn Sie ein Format wählen, zeigt das Feld {label:MSG_PRPFILE}
dessen Profile. Mit 3GP (oder einem Klick auf ein Gerät in der Liste
<span class="ui">3GP Format</span>) kommen stattdessen die Gerätevorgaben
zum Zug. Auch MP4 arbeitet mit Gerätevorgaben (iPod- und PSP-Player); in
einer Ausgabe von Kinovert ohne solche Vorgaben ist der Eintrag MP4
ausgegraut, {page:cli|die Befehlszeile} wandelt aber auch dann mit einer
Vorgabedatei in MP4 um. Beim allerersten Start beginnt Kinovert mit AVI,
danach immer mit 3GP und dem zuletzt gewählten Gerät.</p>

<h2 id="media">Medieninformationen</h2>
<p>Solange die Liste Dateien enthält, zeigt der untere Bereich zur
ausgewählten Datei die Angaben unter {label:MSG_GENERAL}
({label:MSG_COMPLETENAME}, {label:MSG_FILESIZE}, {label:MSG_FORMAT},
{label:MSG_PLAYTIME}, {label:MSG_AUDIOCOUNT}, {label:MSG_VIDEOCOUNT}), zur
ersten {label:MSG_VIDEO}-Spur ({label:MSG_VCODE}, {label:MSG_WIDTH},
{label:MSG_HEIGHT}, {label:MSG_VBITRATE}, {label:MSG_ADPECTRATIO},
{label:MSG_FRAMERATE}) und zur ersten {label:MSG_AUDIO}-Spur
({label:MSG_ACODEC}, {label:MSG_ABITRATE}, {label:MSG_CHANNELS},
{label:MSG_SAMPLINGRATE}). Größen stehen in Byte, Bitraten in Bit pro
Sekunde. „...“ bedeutet, dass es den Wert nicht gibt, etwa das Bild einer
reinen Audiodatei. Die Werte lassen sich markieren und kopieren.</p>
<p>{ui:MSG_MOREINFO} öffnet das Fenster {ui:MSG_FILEINFO_CAPTION} mit dem
ausführlichen Bericht von MediaInfo zur Datei; {ui:MSG_SAVE_FILE_INFO}
speichert ihn als Textdatei.</p>
{img:fileinfo|Das Fenster Dateiinformationen mit dem Bericht einer Videodatei}

<h2 id="keys">Tastenkombinationen</h2>
<table>
<tr><th>Tasten</th><th>Wirkung</th></tr>
<tr><td>{kbd:Strg+N}</td><td>Dateien hinzufügen ({ui:MSG_BROWSE})</td></tr>
<tr><td>{kbd:Entf}</td><td>ausgewählte Dateien aus der Liste nehmen (wenn die Liste den Fokus hat)</td></tr>
<tr><td>{kbd:Umschalt+Entf}</td><td>{ui:MSG_CLEARLIST}</td></tr>
<tr><td>{kbd:Strg+A}</td><td>{ui:MSG_SEL_ALL}</td></tr>
<tr><td>{kbd:Strg+U} / {kbd:Strg+D}</td><td>ausgewählte Datei nach oben / unten</td></tr>
<tr><td>{kbd:Strg+P}</td><td>{ui:MSG_PLAY_SOURCE}</td></tr>
<tr><td>{kbd:Strg+O}</td><td>Ausgabeordner wählen</td></tr>
<tr><td>{kbd:F9}</td><td>{ui:MSG_CONVERT}</td></tr>
<tr><td>{kbd:Strg+E}</td><td>{ui:MSG_EDIT_PROFILE} (nicht bei 3GP und MP4)</td></tr>
<tr><td>{kbd:Alt+N}</td><td>Profil hinzufügen</td></tr>
<tr><td>{kbd:F2}</td><td>Profil umbenennen</td></tr>
<tr><td>{kbd:Alt+Entf}</td><td>Profil löschen</td></tr>
<tr><td>{kbd:F12}</td><td>{ui:MSG_SETTINGS}</td></tr>
<tr><td>{kbd:F1}</td><td>{ui:MSG_HELP_CONTENT}</td></tr>
<tr><td>{kbd:Alt+F4}</td><td>Kinovert schließen (die Einstellungen werden gespeichert)</td></tr>
</table>
"""

PAGES["profiles"] = """
<p>Ein Profil fasst unter einem Namen die Einstellungen für ein Zielformat
zusammen: welche Codecs, welche Bitrate, Bildgröße, Bildrate und Abtastrate
und auf Wunsch, welcher Ausschnitt der Quelle umgewandelt wird. Jedes Format
außer 3GP und MP4 hat eigene Profile; diese beiden arbeiten mit
{page:devices}.</p>

<h2 id="choose">Ein Profil wählen</h2>
<p>Das Feld {label:MSG_PRPFILE} zeigt immer die Profile des aktuellen
Zielformats. Wählen Sie eines, bevor Sie auf {ui:MSG_CONVERT} klicken – der
ganze Stapel wird damit umgewandelt. Nach jedem Start steht jedes Feld
wieder auf seinem ersten Profil.</p>

<h2 id="manage">Hinzufügen, bearbeiten, umbenennen, löschen</h2>
<p>Die Profilbefehle wirken auf das aktuelle Zielformat und sein
ausgewähltes Profil:</p>
<table>
<tr><th>Befehl</th><th>Tasten</th><th>Wirkung</th></tr>
<tr><td>{ui:MSG_EDIT_PROFILE}</td><td>{kbd:Strg+E}</td><td>Öffnet den
{page:editor|Profileditor} mit dem ausgewählten Profil. {ui:MSG_SAVE}
schreibt die Änderungen in das Profil.</td></tr>
<tr><td>{ui:MSG_ADD_PROFILE}</td><td>{kbd:Alt+N}</td><td>Öffnet den Editor mit
den Standardeinstellungen des Formats. Nach {ui:MSG_SAVE} fragt Kinovert nach
einem Namen ({ui:MSG_PROFILE_NAME}) und wählt das neue Profil aus. Gibt es
den Namen schon, fragt Kinovert, bevor es das vorhandene Profil
überschreibt.</td></tr>
<tr><td>{ui:MSG_REN_PROFILE}</td><td>{kbd:F2}</td><td>Fragt nach einem neuen
Namen. Trägt schon ein anderes Profil diesen Namen, wird das Umbenennen
abgelehnt.</td></tr>
<tr><td>{ui:MSG_DEL_PROFILE}</td><td>{kbd:Alt+Entf}</td><td>Löscht das
ausgewählte Profil nach einer Rückfrage. Das letzte Profil eines Formats
lässt sich nicht löschen.</td></tr>
</table>
{img:name|Der Dialog Profilname}
<p>Ein Profilname darf jedes Zeichen außer
<code>\\ / : * ? " &lt; &gt; |</code> enthalten; Leerzeichen am Anfang oder
Ende sind erlaubt, werden aber leicht übersehen. In der kompakten Ansicht
erreichen Sie die Profilbefehle über ihre Tasten. Für 3GP und MP4 stehen sie
nicht zur Verfügung, da sich Gerätevorgaben in Kinovert nicht bearbeiten
lassen.</p>

<h2 id="files">Wo Profile gespeichert werden</h2>
<p>Jedes Profil ist eine kleine Textdatei mit dem Namen des Profils, in einem
Ordner je Format, zum Beispiel <code>avi/Standard.avo</code> oder
<code>mp3/Standard.mpo</code>. Bei einem Programmordner, den Sie selbst
entpackt oder gebaut haben, liegen die Profile in diesem Ordner
(<code>profile_en/</code>, <code>profile_fr/</code>,
<code>profile_de/</code>, <code>profile_it/</code>, je nach Sprache des
Programms). Ein installiertes Kinovert führt die Profile jedes Benutzers
stattdessen in <code>~/.local/share/kinovert/</code>; beim ersten Start werden
die mitgelieferten dorthin kopiert. Spätere Versionen ergänzen neu
mitgelieferte Profile, ersetzen aber nie ein Profil, das Sie angelegt oder
geändert haben, und ein gelöschtes Profil bleibt gelöscht. Profildateien
können Sie zwischen Rechnern kopieren; Kinovert liest die Ordner bei jedem
Start neu ein.</p>
"""

PAGES["editor"] = """
<p>Der Profileditor öffnet sich mit {ui:MSG_EDIT_PROFILE} und
{ui:MSG_ADD_PROFILE}. Sein Titel nennt das Format, zum Beispiel
{msg:MSG_PROFILE_EDITOR|AVI}. Jedes Format hat einen eigenen Editor, doch
alle bestehen aus denselben Bausteinen, die diese Seite erklärt. Welche
Codecs, Größen, Raten und Bitraten ein Format genau anbietet, steht auf
seiner eigenen Seite.</p>

<div class="shots">
{img:editor-avi-general|Die Registerkarte Allgemein des AVI-Profileditors}
{img:editor-avi-video|Die Registerkarte Video des AVI-Profileditors}
{img:editor-avi-audio|Die Registerkarte Audio des AVI-Profileditors}
</div>

<p>{ui:MSG_SAVE} (oder die {kbd:Eingabetaste}) übernimmt die Änderungen;
{ui:MSG_CLOSE} oder {kbd:Esc} lässt das Profil unverändert.</p>

<h2 id="general">Die Registerkarte {label:MSG_PROFILE_GENERAL}</h2>
<dl>
<dt>{label:MSG_DESCIPTION}</dt>
<dd>Ein freier Text für Sie selbst; er beeinflusst die Umwandlung
nicht.</dd>
<dt>{label:MSG_VIDEO_CODEC} und {label:MSG_AUDIO_CODEC}</dt>
<dd>Die Codecs, mit denen die Datei geschrieben wird. Die Registerkarten
{label:MSG_VIDEO_PAGE} und {label:MSG_AUDIO_PAGE} zeigen immer die
Einstellungen des hier gewählten Codecs. Jeder Codec behält seine eigenen
Einstellungen, beim Hin- und Herwechseln geht also nichts verloren.</dd>
<dt>{label:MSG_TYPE}</dt>
<dd>Nur bei 3GP und MP4 (die Art des Geräts) und bei MPEG (vordefinierte
Disc-Formate). Davon hängt ab, welche Codecs angeboten werden.</dd>
<dt>{label:MSG_SAME_Q}: {ui:MSG_SAME_Q_DETAIL}</dt>
<dd>Verlangt vom Encoder die bestmögliche Qualität statt der Bitrate der
Registerkarte {label:MSG_VIDEO_PAGE}. Die Dateien werden größer.</dd>
<dt>{label:MSG_DISABLE_AUDIO}: {ui:MSG_DISABLE_AUDIO_DETAIL}</dt>
<dd>Schreibt nur das Bild. Die Registerkarte {label:MSG_AUDIO_PAGE}
verschwindet; ihre Einstellungen bleiben für später erhalten.</dd>
</dl>

<h3 id="time">{label:MSG_TIME_CONTROL}</h3>
<p>Ist {ui:MSG_ENABLE_TIME_CONTROL} angekreuzt, wird von jeder Quelle nur ein
Ausschnitt umgewandelt: ab {label:MSG_START_TIME} für die {label:MSG_DURATION}.
{label:MSG_END_TIME} rechnet Kinovert selbst aus; ändern Sie einen der drei
Werte, ziehen die anderen nach. Zeiten schreiben Sie als Stunden, Minuten,
Sekunden und Millisekunden (<code>0:01:30.000</code>); Kurzformen wie
<code>1:30</code> (Minuten und Sekunden) oder <code>90</code> (Sekunden)
werden beim Verlassen des Feldes ergänzt.</p>
<p class="note">Die Ziffern nach dem Punkt sind Bruchteile einer Sekunde:
<code>0:00:01.5</code> und <code>1.5</code> bedeuten beide anderthalb
Sekunden, <code>1.05</code> eine Sekunde und 50 Millisekunden.</p>
<p>Eine Eingabe, die keine Zeit ist, die 200 Stunden übersteigt oder ein Ende
vor dem Beginn wird mit einer Meldung abgelehnt, die den Grund nennt, und das
Feld erhält seinen vorherigen Wert zurück. Ohne Häkchen wird die ganze Datei
umgewandelt; die Zeiten bleiben für später gespeichert.</p>

<h2 id="video">Die Registerkarte {label:MSG_VIDEO_PAGE}</h2>
<dl>
<dt>{label:MSG_VIDEO_BITRATE}</dt>
<dd><p>Wie viele Kilobit pro Sekunde das Bild belegen darf: Mehr ergibt ein
besseres Bild und größere Dateien.</p>
<p>{ui:MSG_PRESET_QUALITY}: Der Schieberegler reicht in festen Stufen von
„{ui:MSG_LOW_Q}“ bis „{ui:MSG_HIGH_Q}“; {label:MSG_CURRNET_BITRATE} zeigt
den Wert in kbit/s. Ein Profil, dessen Bitrate zwischen den Stufen oder
jenseits des Reglerendes liegt (von Hand oder von einem anderen Programm
geschrieben), öffnet mit dem Regler auf der nächstgelegenen Stufe und zeigt
seinen eigenen Wert; dieser bleibt erhalten, bis Sie den Regler bewegen. So
ändert Öffnen und Speichern ein Profil nie.</p>
<p>{ui:MSG_SPECIFY_SETTINGS}: Klicken Sie auf {ui:MSG_CONFIGURE} und geben
Sie eine ganze Zahl zwischen der kleinsten und der größten Stufe des
Formats ein. Werte außerhalb dieses Bereichs oder Text, der keine Zahl ist,
werden mit einer Meldung abgelehnt; der Dialog bleibt offen, bis Sie einen
gültigen Wert eingeben oder abbrechen.</p></dd>
<dt>{label:MSG_VIDEO_SIZE}</dt>
<dd>{ui:MSG_KEEP_SOURCE_DIM} schreibt die Bilder in der Größe der Quelle.
{ui:MSG_CHANGE_DIM} skaliert sie: Wählen Sie eine Größe aus der Liste oder
geben Sie {label:MSG_VWIDTH} und {label:MSG_VHEIGHT} in Pixeln ein. Jeder
Codec nimmt Maße bis zu einer eigenen Grenze an (die Seite jedes Formats
nennt sie); eine Zahl außerhalb wird mit einer Meldung abgelehnt, die den
erlaubten Bereich nennt, und das Feld erhält seinen vorherigen Wert zurück.
Die meisten Codecs brauchen gerade Maße, deshalb wird ein ungerader Wert beim
Verlassen des Feldes um eins erhöht. Der Listeneintrag „...“ steht für eine
eigene Größe. H.263 kennt nur drei feste Größen.</dd>
<dt>{label:MSG_FRAMETRATE}</dt>
<dd>{ui:MSG_FRAMERATE_AUTO} behält die Bildrate der Quelle bei;
{ui:MSG_CHANGE_FRAMERATE} wandelt in die in der Liste gewählte Rate um
(Bilder pro Sekunde). Real Video, MPEG-1 und das H.263 der 3GP-Handys können
nicht jeder Quelle folgen: Bei ihnen heißt die Wahl
„{msg:MSG_FRAMERATE_AUTO_FIXED|25}“ (oder 12.5) und schreibt diese Rate.</dd>
<dt>{label:MSG_ASPECT}</dt>
<dd>Die Form, in der der Player das Bild zeigt. {ui:MSG_ASPECT_AUTO} behält
die Form der Quelle bei; 4:3 passt zu klassischen Fernsehern, 16:9 zu
Breitbildschirmen. H.263 bietet zusätzlich 1:1 (quadratische Pixel) und
11:9.</dd>
</dl>

<h2 id="audio">Die Registerkarte {label:MSG_AUDIO_PAGE}</h2>
<dl>
<dt>{label:MSG_AUDIO_BITRATE}</dt>
<dd>Der Schieberegler wählt die Audiobitrate in kbit/s. Ist
{ui:MSG_AUDIO_BITRATE_AUTO} angekreuzt, wählt der Encoder sie selbst.
Welche Bitraten angeboten werden, hängt von Codec und Abtastrate ab:
Niedrigere Abtastraten erlauben nur niedrigere Höchstwerte, und wählen Sie
eine solche, rückt der Regler von selbst in den erlaubten Bereich. Ein
Profil mit einer Bitrate, die seine Abtastrate nicht anbietet, behält sie,
bis Sie die Abtastrate oder den Regler ändern. Unkomprimiertes WAV und A-Law
haben keine Bitrate.</dd>
<dt>{label:MSG_SAMPLERATE}</dt>
<dd>Abtastwerte pro Sekunde. 44100 Hz ist CD-Qualität, 48000 Hz wird auf
DVDs verwendet, 8000 und 16000 Hz sind für Sprache (AMR) gedacht.</dd>
<dt>{label:MSG_ACHANNELS}</dt>
<dd>{ui:MSG_CHANNELS_1} oder {ui:MSG_CHANNELS_2}; AC3 bietet außerdem
{ui:MSG_CHANNELS_6}, stets mit 48000 Hz.</dd>
</dl>

<h2 id="values">Wenn ein Wert nicht zum Codec passt</h2>
<p>Manche Codecs nehmen nur bestimmte Werte an, H.263 etwa nur seine drei
Größen und AMR nur seine Sprachbitraten. Statt abzubrechen, setzt der
Encoder von Kinovert einen solchen Wert auf den nächstgelegenen, den der
Codec annimmt.</p>
"""

PAGES["devices"] = """
<p>Handys und mobile Player verlangen ganz bestimmte Dateien. Für sie
arbeiten die Zielformate 3GP und MP4 mit <em>Gerätevorgaben</em> statt mit
Profilen: Jede Vorgabe gilt für eine Geräteart und bietet einige fertige
Varianten, meist eine kleine Datei und eine schönere.</p>

<h2 id="use">Eine Gerätevorgabe verwenden</h2>
<ol>
<li>Klicken Sie in der Liste <span class="ui">3GP Format</span> auf das
Gerät. 3GP wird Zielformat.</li>
<li>Wählen Sie im Feld {label:MSG_PRPFILE} eine der Varianten des
Geräts.</li>
<li>Klicken Sie auf {ui:MSG_CONVERT}.</li>
</ol>
<p>Kinovert merkt sich das zuletzt gewählte Gerät und wählt es beim nächsten
Start wieder aus. MP4-Vorgaben (iPod und PSP) stehen in Ausgaben von
Kinovert mit MP4-Gerätemenü zur Wahl; die Befehlszeile kann sie in jeder
Ausgabe verwenden (siehe {page:cli}).</p>

<h2 id="shipped">Mitgelieferte Gerätevorgaben</h2>
<p>Vorgaben, deren Titel „3GPP“ oder „3GP2“ enthält, erscheinen bei 3GP,
solche mit „iPod“ oder „PSP“ bei MP4.</p>
{devices}

<h2 id="own">Eigene Gerätevorgaben</h2>
<p>Eine Gerätevorgabe ist eine Textdatei im Ordner
<code>default_setting</code> des Profilordners (siehe
{page:profiles#files|wo Profile gespeichert werden}). Ihr Abschnitt
<code>[Info]</code> enthält den Titel (<code>TitleE</code>) und eine
Beschreibung (<code>DescriptionE</code>). Jeder Abschnitt, dessen Name mit
<code>Item</code> beginnt, ist eine Variante mit Titel (<code>TitleE</code>),
Endung der Ausgabedatei (<code>EXT</code>) und einer oder mehreren
Befehlszeilen (<code>Command1</code>, <code>Command2</code> usw.), die für
jede Datei nacheinander ausgeführt werden.</p>
{preset:3gpp_h263_amr.ini}
<p>In den Befehlszeilen steht <code>&lt;%InputFile%&gt;</code> für die Quelle,
<code>&lt;%OutputFile%&gt;</code> für die Ausgabedatei ohne Endung,
<code>&lt;%OutputPath%&gt;</code> für den Ausgabeordner und
<code>&lt;%AppPath%&gt;</code> für den Programmordner. Alle Werte werden
sicher maskiert, Dateinamen mit Leerzeichen oder Anführungszeichen richten
also keinen Schaden an. Kinovert liest die Vorgaben beim Start; starten Sie
es nach dem Hinzufügen neu. Einen Editor für Gerätevorgaben gibt es nicht:
Bearbeiten Sie die Dateien mit einem Texteditor.</p>
"""

PAGES["converting"] = """
<p>Wenn Sie auf {ui:MSG_CONVERT} klicken, prüft Kinovert zuerst, ob es
losgehen kann: Die Liste darf nicht leer sein ({msg:MSG_NOFILES}), und ein
Ausgabeordner muss angegeben sein ({msg:MSG_EMPTY_DIR}). Gibt es den Ordner
noch nicht, fragt Kinovert {msg:MSG_SURE_TO_CREATEDIR} und legt ihn samt
fehlender übergeordneter Ordner an, wenn Sie mit {ui:MSG_YES}
antworten.</p>

<h2 id="progress">Das Fortschrittsfenster</h2>
{img:progress|Das Fortschrittsfenster mitten in einem Stapel}
<p>Während der Stapel läuft, zeigt das Fortschrittsfenster
({ui:MSG_ID_ENC_IN_PROGRESS}):</p>
<ul>
<li>die wievielte Datei von wie vielen gerade umgewandelt wird und den Namen
der Ausgabedatei;</li>
<li>{label:MSG_ID_STATUS}: wie weit die aktuelle Datei ist, mit ihrer
{label:MSG_REMAINING_TIME};</li>
<li>{label:MSG_ID_BATCH}: wie weit der ganze Stapel ist, nach Dateigröße
gewichtet, mit {label:MSG_REMAINING_TIME}, {label:MSG_ELAPSED_TIME} und
{label:MSG_ESTIMATED_TIME} des Stapels;</li>
<li>die zuletzt fehlgeschlagene Datei mit dem Grund, in Rot (zeigt man
darauf, erscheinen alle Fehlschläge des Stapels);</li>
<li>{ui:MSG_DEL_AFTER}: siehe {page:converting#delete|unten};</li>
<li>{ui:MSG_SHUTDOWN_AFTER}: jederzeit an- oder abwählbar; die Wahl gilt für
diesen und die folgenden Stapel (siehe {page:converting#done|unten}).</li>
</ul>
<p>Die übrigen Dateien der Liste warten, bis sie an der Reihe sind; solange
das Fortschrittsfenster offen ist, lässt sich das Hauptfenster nicht
bedienen.</p>

<h2 id="stop">Anhalten</h2>
<p>{ui:MSG_CANCEL} (oder {kbd:Esc} oder das Schließen des Fensters) fragt:
{msg:MSG_ABORTENCODING}</p>
{img:question|Die Rückfrage beim Anhalten eines Stapels}
<ul>
<li>{ui:MSG_BTN_NOW} hält den Encoder sofort an; die aktuelle Datei wird
nicht fertig. Bereits umgewandelte Dateien bleiben erhalten.</li>
<li>{ui:MSG_BTN_DONE} lässt die aktuelle Datei zu Ende laufen und beendet
dann den Stapel; das Fenster zeigt {msg:MSG_ID_STOP_ENC}</li>
<li>{ui:MSG_CANCEL} setzt den Stapel fort (und nimmt ein zuvor gewähltes
{ui:MSG_BTN_DONE} zurück).</li>
</ul>

<h2 id="tray">Im Hintergrund arbeiten</h2>
<p>{ui:MSG_SEND_TO_TRAY} blendet die Fenster von Kinovert aus und zeigt sein
Symbol im Infobereich des Desktops; der Tooltip des Symbols nennt den
Fortschritt. Ein Doppelklick auf das Symbol (oder {ui:MSG_SHOW_WINDOW} in
seinem Menü) holt die Fenster zurück. Das Menü bietet außerdem
{ui:MSG_TRAY_MENU_STOPENCODING}, das dieselbe Frage stellt wie
{ui:MSG_CANCEL}. Auf einem Desktop ohne Infobereich wird das Fenster
stattdessen minimiert.</p>

<h2 id="failed">Wenn eine Datei fehlschlägt</h2>
<p>Lässt sich eine Datei nicht umwandeln, markiert Kinovert sie mit einem
roten Kreuz und macht sofort mit der nächsten Datei weiter; keine Meldung
wartet auf eine Antwort, sodass ein unbeaufsichtigter Stapel bis zum Ende
läuft. Der Grund (die Meldung des Encoders oder was geschehen ist: von außen
beendet, Ausgabeordner entfernt …) steht im Fortschrittsfenster, in der Zeile
der Datei, wenn Sie darauf zeigen, und in der Notiz am Ende des Stapels. Die
Quelle einer fehlgeschlagenen Datei wird nie gelöscht. Die üblichen Ursachen
beschreibt {page:trouble}.</p>

<h2 id="done">Am Ende des Stapels</h2>
<p>Das Fortschrittsfenster schließt sich, und die Zeilen zeigen ihr
Ergebnis. Dann sagt Kinovert, wie der Stapel geendet hat:
{msg:MSG_BATCH_ALL_CONVERTED|3|3}, {msg:MSG_BATCH_SOME_FAILED|2|3|1} oder
{msg:MSG_BATCH_STOPPED|1|3}, und zwar als Benachrichtigung (oder als Sprechblase
seines Symbols im Infobereich), im Tooltip des Symbols und in einer Notiz im
Hauptfenster, die die fehlgeschlagenen Dateien mit ihren Gründen auflistet
und stehen bleibt, bis Sie sie schließen. Ist {ui:MSG_SHUTDOWN_AFTER}
angekreuzt und wurde jede Datei umgewandelt, gibt Ihnen anschließend ein
Countdown-Fenster 30 Sekunden Zeit, auf {ui:MSG_CANCEL} zu klicken, bevor
Kinovert die in den {page:settings|Einstellungen} gewählte Aktion ausführt:
sich selbst beenden, den Rechner herunterfahren, abmelden, neu starten, in
den Ruhezustand oder in den Standby versetzen. Der Countdown nennt diese
Aktion. Nach einer fehlgeschlagenen Datei oder nach {ui:MSG_BTN_NOW} gibt es
keinen Countdown.</p>
{img:shutdown|Der Countdown vor dem Herunterfahren des Rechners}

<h2 id="delete">Quelldateien löschen</h2>
<p>Kinovert kann jede Quelldatei löschen, sobald sie erfolgreich umgewandelt
ist; eine fehlgeschlagene Datei bleibt immer erhalten. Kreuzen Sie
{ui:MSG_DEL_AFTER} im Fortschrittsfenster an (das gilt sofort, auch für den
laufenden Stapel) oder in den {page:settings|Einstellungen}; die Wahl bleibt
für die folgenden Stapel erhalten. Auf {page:cli|der Befehlszeile} verwenden
Sie <code>--delete-source</code>.</p>
"""

PAGES["settings"] = """
<p>{ui:MSG_SETTINGS} (im Hilfemenü und im Menü der Dateiliste oder mit
{kbd:F12}) öffnet einen kleinen Dialog mit vier Einstellungen. {ui:MSG_OK}
speichert sie sofort; {ui:MSG_CANCEL} oder {kbd:Esc} ändert nichts.</p>

{img:settings|Der Dialog Einstellungen}

<dl>
<dt>{label:MSG_THREADPRIORITY}</dt>
<dd>Wie viel Rechenzeit der Encoder beanspruchen darf: {ui:MSG_IDLE} (nur
was sonst niemand braucht; der Rechner bleibt flüssig bedienbar),
{ui:MSG_NORMAL} (Standard), {ui:MSG_HIGH} und {ui:MSG_REALTIME}. Eine
höhere als die normale Priorität setzt entsprechende Rechte voraus; fehlen
sie, läuft der Encoder mit normaler Priorität, und der Dialog sagt es unter
der Liste ({msg:MSG_PRIORITY_NOT_ALLOWED}).</dd>
<dt>{label:MSG_DIRECTSHOW}: {ui:MSG_USE_DIRECTSHOW}</dt>
<dd>Leitet jede Quelle über ein kleines Skript, das der Encoder anstelle der
Datei öffnet. Das ist ein Kompatibilitätsweg für Profile und Vorgaben, die
ihn erwarten; lassen Sie die Option normalerweise aus, denn der Encoder liest
alle unterstützten Formate direkt.</dd>
<dt>{label:MSG_SOURCE_FILES}: {ui:MSG_DEL_AFTER}</dt>
<dd>Löscht jede Quelldatei nach ihrer erfolgreichen Umwandlung (siehe
{page:converting#delete|Quelldateien löschen}); derselbe Schalter wie im
Fortschrittsfenster.</dd>
<dt>{label:MSG_SHUTDOWN_REAL_DOES}</dt>
<dd>Was nach einem erfolgreichen Stapel geschieht, wenn
{ui:MSG_SHUTDOWN_AFTER} angekreuzt ist:
{msg:MSG_CLOSE_APP|@MSG_APPLICATION_TITLE} (das Programm beenden),
{ui:MSG_SHUTDOWN} (ausschalten), {ui:MSG_LOGOFF} (die Sitzung beenden),
{ui:MSG_RESTART}, {ui:MSG_HIBERNATE} oder {ui:MSG_SUSPEMD}. Diese Aktionen
werden beim System (systemd-logind) angefordert; lehnt es ab, läuft der
Rechner weiter und Kinovert bleibt geöffnet.</dd>
</dl>

<p>Die Einstellungen stehen in der Datei <code>info.ini</code>, zusammen mit
den zuletzt benutzten Ordnern und der Fensterposition (siehe
{page:trouble#settings|wo die Einstellungen liegen}).</p>
"""

PAGES["cli"] = """
<p><code>kinovert-cli</code> ist Kinovert ohne Fenster. Es wandelt mit
denselben Profilen und Gerätevorgaben um und ist damit das Werkzeug für
Skripte, Server und große Stapel.</p>

<pre><code>kinovert-cli [--home ORDNER] BEFEHL [OPTIONEN] [--] [ARGUMENTE]</code></pre>
<p><code>kinovert-cli --help</code> listet die Befehle auf,
<code>kinovert-cli BEFEHL --help</code> die Optionen eines Befehls.</p>

<h2 id="list">Profile und Gerätevorgaben anzeigen</h2>
<p><code>list</code> zeigt die Profile jedes Zielformats mit ihren
Beschreibungen, in der Reihenfolge des Profilfelds, und für MP4 und 3GP die
Gerätevorgaben: Datei, Titel, Menü und jeden <code>Item</code>-Abschnitt mit
seinem Titel. Mit <code>-t</code> nur die eines Formats. Der Befehl liest
dieselben Profile wie das Fenster, Ihre eigenen eingeschlossen.</p>
{listing:MP3}

<h2 id="convert">Umwandeln</h2>
<pre><code>kinovert-cli convert -t mp3 -p Standard -o ~/Musik -- *.avi
kinovert-cli convert -t mp3 -p ~/Downloads/Podcast.mpo -o ~/Musik gespraech.wav
kinovert-cli convert -t 3gp -d 3gpp_h263_amr.ini -i Item1 -o ausgabe clip.mp4</code></pre>
<dl>
<dt><code>-t</code>, <code>--target FORMAT</code></dt>
<dd>AVI, MP4, 3GP, MPEG, MOV, WMV, RM, SWF, VOB, ASF, AAC, AC3, MP2, MP3, AMR
oder WAV, in beliebiger Groß- und Kleinschreibung.</dd>
<dt><code>-p</code>, <code>--profile PROFIL</code></dt>
<dd>Ein Profil des Formats, genau so geschrieben, wie <code>list</code> es
zeigt. Oder eine Profildatei, etwa eine, die Ihnen jemand geschickt hat: Ein
Wert mit Schrägstrich (<code>./Podcast.mpo</code>,
<code>~/Downloads/Podcast.mpo</code>) ist immer eine Datei; ein bloßer Name
ist nur dann eine Datei im aktuellen Ordner, wenn kein Profil so heißt. Ein
Ordner, eine Datei über 16 MB oder eine Datei ohne eine einzige Einstellung
der Profile des Formats wird abgelehnt.</dd>
<dt><code>-d</code>, <code>--device VORGABE.ini</code>, <code>-i</code>,
<code>--item ABSCHNITT</code></dt>
<dd>Für MP4 und 3GP, die statt eines Profils eine Gerätevorgabe verwenden:
eine Datei im Ordner <code>default_setting</code> mit ihrem Namen oder eine
beliebige Vorgabedatei mit ihrem Pfad, dazu einer ihrer
<code>Item</code>-Abschnitte.</dd>
<dt><code>-o</code>, <code>--output ORDNER</code></dt>
<dd>Der Ausgabeordner; er wird bei Bedarf angelegt.</dd>
<dt><code>--delete-source</code></dt>
<dd>Löscht jede Quelle nach ihrer erfolgreichen Umwandlung.</dd>
<dt><code>--priority 0-3</code></dt>
<dd>Niedrig, normal, hoch, Echtzeit – wie in den
{page:settings|Einstellungen}.</dd>
<dt><code>--progress auto|terminal|plain|json</code></dt>
<dd>Wie der Stapel verfolgt wird; siehe {page:cli#progress|unten}.</dd>
</dl>
<p>Auf einen falsch geschriebenen Profil-, Vorgabe- oder Abschnittsnamen
antwortet der Befehl mit den vorhandenen Namen und schlägt den ähnlichsten
vor. Fehlende, unbekannte oder unlesbare Dateien werden gemeldet und
übersprungen; Fehler erscheinen, sobald sie auftreten, am Ende folgt eine
Zusammenfassung. {kbd:Strg+C} hält sofort an und entfernt die unfertige
Ausgabedatei.</p>
<p>Die Optionen folgen den üblichen Regeln: Ein Wert kann als nächstes Wort
folgen oder direkt anschließen (<code>--target=mp3</code>,
<code>-tmp3</code>), eine lange Option darf abgekürzt werden, solange sie
eindeutig bleibt (<code>--prof</code>), und Optionen und Dateien dürfen in
beliebiger Reihenfolge stehen. <code>--</code> beendet die Optionen, sodass
auch eine Datei namens <code>-x.avi</code> funktioniert.</p>

<h2 id="progress">Einen Stapel verfolgen</h2>
<table>
<tr><th><code>--progress</code></th><th>Anzeige</th></tr>
<tr><td><code>auto</code></td><td>Die Vorgabe: <code>terminal</code>, wenn
die Fehlerausgabe ein Terminal ist, sonst <code>plain</code>.</td></tr>
<tr><td><code>terminal</code></td><td>Eine einzige Zeile, die an Ort und
Stelle neu geschrieben wird, mit der aktuellen Datei und dem
Stapel.</td></tr>
<tr><td><code>plain</code></td><td>Eine Zeile pro Schritt, für
Protokolldateien: <code>[2/3] quelle -&gt; ziel</code>, <code>[2/3]
done</code>.</td></tr>
<tr><td><code>json</code></td><td>JSON-Zeilen für Programme: ein JSON-Objekt
pro Zeile auf der Standardausgabe, geschrieben, sobald etwas
geschieht.</td></tr>
</table>
<p>Jedes JSON-Objekt hat ein Feld <code>event</code>: <code>start</code>
(Zielformat, Ausgabeordner, Anzahl der Dateien), <code>file</code> (der
Zustand <code>state</code> einer Datei: <code>converting</code>, dann
<code>done</code>, <code>failed</code> mit dem Grund <code>reason</code> oder
<code>stopped</code>), <code>progress</code> (<code>file_percent</code>,
<code>batch_percent</code>, <code>elapsed</code> und <code>remaining</code> in
Sekunden, null, solange unbekannt) und <code>end</code> (wie viele Dateien
umgewandelt, fehlgeschlagen und übersprungen sind); <code>skipped</code> und
<code>message</code> melden eine ausgelassene Datei und ein Problem neben der
Umwandlung. Meldungen für Menschen bleiben auf der Fehlerausgabe.</p>
<pre><code>$ kinovert-cli convert -t mp3 -p Standard -o ausgabe --progress json ton.wav
{"event":"start","target":"MP3","output":"/home/ich/ausgabe","count":1}
{"event":"file","index":1,"count":1,"state":"converting","input":"/home/ich/ton.wav","output":"/home/ich/ausgabe/ton.mp3"}
{"event":"progress","index":1,"count":1,"name":"ton.wav","file_percent":100,"batch_percent":100,"elapsed":0,"remaining":0}
{"event":"file","index":1,"count":1,"state":"done","input":"/home/ich/ton.wav","output":"/home/ich/ausgabe/ton.mp3"}
{"event":"end","converted":1,"failed":0,"skipped":0,"stopped":false}</code></pre>

<h2 id="other">Weitere Befehle</h2>
<table>
<tr><th>Befehl</th><th>Wirkung</th></tr>
<tr><td><code>info [--report] DATEI…</code></td><td>Gibt die
Medieneigenschaften jeder Datei aus, dieselben Werte wie die
Medieninformationen; <code>--report</code> gibt den vollständigen Bericht des
Fensters {ui:MSG_FILEINFO_CAPTION} aus.</td></tr>
<tr><td><code>settings</code></td><td>Zeigt die Einstellungen, mit denen das
Programm startet, und die verwendeten Ordner (Einstellungsdatei, Profile,
Hilfe).</td></tr>
<tr><td><code>options -t FORMAT PROFILDATEI</code></td><td>Gibt die
Encoder-Optionen aus, für die ein Profil steht.</td></tr>
<tr><td><code>profile default -t FORMAT DATEI</code></td><td>Schreibt ein
Profil mit den Standardeinstellungen des Formats.</td></tr>
<tr><td><code>profile normalize -t FORMAT DATEI</code></td><td>Liest ein
Profil und schreibt es mit allen Einstellungen ausgeschrieben
zurück.</td></tr>
<tr><td><code>time parse TEXT</code>, <code>time format MS</code>,
<code>time encoder TEXT</code></td><td>Zeigt, wie die Editoren eine
Zeitangabe lesen (in Millisekunden), den Text zu einer Anzahl Millisekunden
und die Millisekunden einer Zeitangabe des Encoders (hh:mm:ss.ff).</td></tr>
</table>

<h2 id="completion">Vervollständigung in der Shell</h2>
<p>Ein installiertes Kinovert bringt die Vervollständigung für bash (mit dem
Paket bash-completion) und zsh mit: {kbd:Tab} ergänzt die Befehle, die
Optionen, die Formatnamen und die Namen der Profile, Vorgaben und Abschnitte,
die zu dem Format und der Vorgabe passen, die schon auf der Zeile stehen –
auch Ihre eigenen.</p>

<h2 id="exit">Rückgabewerte</h2>
<p>0: Alles hat geklappt. 1: Einige Dateien sind fehlgeschlagen oder wurden
übersprungen. 2: Falscher Aufruf, oder nichts konnte starten; eine Zeile auf
der Fehlerausgabe nennt den Grund. <code>--home ORDNER</code> (oder die
Umgebungsvariable <code>KINOVERT_HOME</code>) wählt einen anderen
Programmordner.</p>

<h2 id="parallel">Viele Dateien gleichzeitig</h2>
<p>Ein Stapel wandelt die Dateien nacheinander um. Um alle Prozessorkerne zu
nutzen, starten Sie mit GNU parallel einen Stapel pro Datei:</p>
<pre><code>parallel -j4 kinovert-cli convert -t mp3 -p Standard -o ~/Musik -- {} ::: *.avi</code></pre>
<p>Gleichzeitig laufende Stapel schreiben nie in dieselbe Ausgabedatei.</p>
"""

PAGES["trouble"] = """
<h2 id="failed">Eine Datei ist fehlgeschlagen</h2>
<p>Ein rotes Kreuz vor einer Datei bedeutet, dass der Encoder sie nicht
umwandeln konnte. Zeigen Sie auf die Zeile der Datei, um den Grund zu lesen;
das Fortschrittsfenster hat ihn während des Stapels gezeigt, und die Notiz am
Ende des Stapels listet jede fehlgeschlagene Datei mit ihrem Grund auf. Der
Rest des Stapels lief weiter. Häufige Ursachen:</p>
<ul>
<li><strong>Die Quelle ist beschädigt oder unvollständig</strong>, etwa ein
abgebrochener Download. Prüfen Sie sie mit {ui:MSG_PLAY_SOURCE}.</li>
<li><strong>Das Profil verlangt etwas, das Codec oder Format nicht
können.</strong> Probieren Sie eines der mitgelieferten Profile; klappt das,
vergleichen Sie dessen Einstellungen im {page:editor|Profileditor} mit
Ihren.</li>
<li><strong>Der Ausgabeordner ist schreibgeschützt</strong> oder die
Festplatte voll.</li>
<li><strong>Der Encoder wurde von außen beendet</strong>: durch ein Signal,
das nicht von Kinovert kam, etwa vom System, als der Speicher knapp wurde.</li>
<li><strong>FFmpeg fehlt ein Codec.</strong> Nur AMR-Ton (das Zielformat AMR
sowie die 3GP-Vorgaben und -Profile, die AMR wählen) braucht FFmpeg mit den
zusätzlichen Codecs (unter Debian das Paket <code>libavcodec-extra</code>);
alles andere wandelt FFmpeg so um, wie es installiert ist.</li>
</ul>
<p>Alles, was der Encoder meldet, sehen Sie, wenn Sie die Datei auf der
Befehlszeile umwandeln: <code>kinovert-cli convert --target avi --profile
Standard --output /tmp/test -- DATEI</code> gibt jede Fehlerzeile aus. Fehlt
die Ausgabedatei nach dem Ende des Encoders oder ist sie leer, gilt die
Datei ebenfalls als fehlgeschlagen; die Quelle einer fehlgeschlagenen Datei
wird nie gelöscht.</p>

<h2 id="sound">Eine umgewandelte Datei hat keinen Ton</h2>
<ul>
<li>{ui:MSG_DISABLE_AUDIO_DETAIL} ist auf der Registerkarte
{label:MSG_PROFILE_GENERAL} des Profils angekreuzt: Entfernen Sie das Häkchen
und wandeln Sie erneut um.</li>
<li>Die Quelle hat keinen Ton: Das Feld unter der Dateiliste zeigt dann
{label:MSG_AUDIOCOUNT} 0.</li>
<li>Der Player kennt den Audiocodec nicht. Viele Handys spielen
AMR-Schmalband, aber weder AMR-Breitband noch AAC in 3GP-Dateien, und
sechskanaliges AC3 braucht einen Player, der 5.1 decodiert. Versuchen Sie ein
anderes Profil oder eine andere Gerätevorgabe, oder spielen Sie die Datei auf
einem Computer ab, um zu sehen, ob der Ton da ist.</li>
</ul>

<h2 id="preset">Eine Gerätevorgabe oder ein Profil wird abgelehnt</h2>
<p>Eine Gerätevorgabe wird nur ausgeführt, wenn jeder ihrer Befehle ein
einfacher Aufruf des Encoders ist: <code>&lt;%AppPath%&gt;/avcore</code>,
gefolgt von Optionen und Platzhaltern. Ein Befehl mit einem Zeichen, das nur
eine Shell auswerten würde (<code>;</code>, <code>|</code>, <code>$</code>,
Anführungszeichen, Umleitungen), wird mit der Meldung <span class="msg">The
device preset "…" is not run: …</span> abgelehnt, und mit ihr wird nichts
umgewandelt. Verwenden Sie eine der mitgelieferten Vorgaben, oder kopieren
Sie eine und ändern Sie nur ihre Optionen.</p>
<p><code>kinovert-cli</code> lehnt außerdem eine Vorgabe ab, die zu einem
anderen Ziel gehört (eine iPod- oder PSP-Vorgabe für MP4, eine 3GP-Vorgabe für
3GP), sowie eine Profildatei, die kein Profil ist: einen Ordner, eine Datei
über 16 MB, eine Datei, die nicht wie die Profile des Ziels heißt
(<code>.avo</code> für AVI, …), oder eine, deren Abschnitt
<code>[General]</code> keinen ihrer Schlüssel enthält. Die Meldung nennt den
Grund.</p>

<h2 id="adding">Eine Datei lässt sich nicht hinzufügen</h2>
<ul>
<li>{msg:MSG_FORMAT_ERROR|…} MediaInfo konnte die Datei nicht lesen. Sie ist
vielleicht beschädigt oder gar keine Mediendatei.</li>
<li>Es passiert nichts: Die Datei steht schon in der Liste, ist ein Ordner,
oder ihre Endung gehört nicht zu den lesbaren Formaten. Der Filter des
Dialogs {ui:MSG_BROWSE} zeigt alle lesbaren Typen.</li>
</ul>

<h2 id="start">Kinovert startet nicht</h2>
<p>{msg:MSG_NO_DAT_FILE|…/skin/kvo/lang/type_deutsch.dat} Die Datei mit den
lesbaren Formaten der gewählten Sprache fehlt. Ohne sie kann Kinovert nicht
arbeiten und beendet sich; installieren Sie das Programm neu. Dieselbe
Prüfung findet beim Wechsel der Sprache statt.</p>
<p>{msg:MSG_CREATE_DIR_ERROR} Die Profilordner konnten nicht angelegt
werden, meist weil der Ordner schreibgeschützt ist. Ein Programmordner in
Ihrem persönlichen Ordner sollte beschreibbar sein; ein installiertes
Programm verwendet Ihre eigenen Ordner (siehe unten).</p>
<p>{msg:MSG_NOENCODER|avcore} Das Encoderprogramm fehlt im Programmordner.
Installieren Sie Kinovert neu.</p>

<h2 id="settings">Wo die Einstellungen und Profile liegen</h2>
<table>
<tr><th></th><th>Selbst gebauter oder entpackter Programmordner (portabel)</th><th>Installiertes Programm</th></tr>
<tr><td>Einstellungen</td><td><code>info.ini</code> im Programmordner</td>
<td><code>~/.config/kinovert/info.ini</code></td></tr>
<tr><td>Profile</td><td><code>profile_de/</code> … im Programmordner</td>
<td><code>~/.local/share/kinovert/profile_de/</code> …</td></tr>
</table>
<p>Ein Programmordner, der die Datei <code>installed</code> enthält oder in
den Sie nicht schreiben dürfen, gilt als installiert. Sind
<code>$XDG_CONFIG_HOME</code> oder <code>$XDG_DATA_HOME</code> gesetzt,
treten sie an die Stelle von <code>~/.config</code> und
<code>~/.local/share</code>. <code>kinovert --help</code> und
<code>kinovert-cli settings</code> zeigen die verwendeten Ordner.</p>
<p>Um mit den Standardeinstellungen neu zu beginnen, beenden Sie Kinovert und
löschen <code>info.ini</code>; beim nächsten Start wird die Datei neu
geschrieben. Ein installiertes Kinovert kopiert ein mitgeliefertes Profil nie
erneut, wenn Sie es geändert oder gelöscht haben; das Original holen Sie
sich aus der Installation zurück (zum Beispiel
<code>/usr/share/kinovert/profile_de/avi/Standard.avo</code>), indem Sie es
in Ihren eigenen Profilordner kopieren.</p>

<h2 id="help">Die Hilfe öffnet sich nicht</h2>
<p>{ui:MSG_HELP_CONTENT} und {ui:MSG_QUICK_START} öffnen diese Seiten in
Ihrem Webbrowser. Fehlt eine Seite, meldet Kinovert {msg:MSG_NO_HELP|…}
Die Seiten liegen im Programmordner unter <code>skin/kvo/lang/de_help/</code>
(en_help, fr_help, it_help für die anderen Sprachen); Sie können sie auch
selbst im Browser öffnen. Öffnet sich gar nichts, hat Ihr Desktop keinen
Standardbrowser: Legen Sie einen fest (auf den meisten Desktops mit
<code>xdg-settings set default-web-browser …</code>).</p>
<p>Die Hilfe öffnet sich in der Sprache, für die Kinovert gebaut wurde, auch
wenn Sie unter {ui:MSG_LANG} eine andere gewählt haben; die Verweise oben
auf jeder Seite führen zur selben Seite in den anderen Sprachen.</p>
<p>{ui:MSG_ONLINE_RES} öffnet die Startseite dieser Hilfe und
{ui:MSG_TECH_SUPPORT} diese Seite, sofern Ihr Kinovert nicht mit eigenen
Adressen gebaut wurde; das Fenster {ui:MSG_ABOUT} verweist auf dieselben beiden
Seiten.</p>

<h2 id="messages">Weitere Meldungen</h2>
<dl>
<dt>{msg:MSG_EMPTY_DIR}</dt>
<dd>Geben Sie neben {label:MSG_OUTPUTDIR} einen Ordner ein oder wählen Sie
einen aus.</dd>
<dt>{msg:MSG_FAIL_TO_CREATEDIR}</dt>
<dd>Der Ausgabeordner ließ sich nicht anlegen: Prüfen Sie die Schreibweise
und ob Sie im übergeordneten Ordner schreiben dürfen.</dd>
<dt>{msg:MSG_LAST_PROFILE}</dt>
<dd>Jedes Format behält mindestens ein Profil.</dd>
<dt>{msg:MSG_RENAMEFAILD}</dt>
<dd>Ein anderes Profil des Formats trägt diesen Namen bereits.</dd>
</dl>

<h2 id="report">Einen Fehler melden</h2>
<p>Geht etwas schief, das diese Seite nicht erklärt, wenden Sie sich an
diejenigen, von denen Sie Ihr Kinovert haben; bei einem aus einem Paket
installierten Programm ist das die Fehlerverwaltung dieses Pakets. Eine
hilfreiche Meldung enthält:</p>
<ul>
<li>die Version: Die Titelleiste zeigt sie, und <code>kinovert --version</code>
gibt sie aus;</li>
<li>was Sie getan haben, was Sie erwartet haben und was stattdessen
geschah, mit dem genauen Wortlaut jeder Meldung;</li>
<li>bei einer fehlgeschlagenen Datei: das Ziel und das Profil oder die
Gerätevorgabe sowie die Ausgabe von <code>kinovert-cli convert</code> für
diese Datei (siehe {page:cli}); <code>kinovert-cli options</code> zeigt die
Encoderoptionen eines Profils;</li>
<li>was <code>kinovert-cli info</code> über die Quelle ausgibt, und die
Ausgabe von <code>ffmpeg -version</code>;</li>
<li>die Profildatei selbst, wenn Sie sie angelegt oder geändert haben (wo
Einstellungen und Profile liegen, steht weiter oben).</li>
</ul>
<p>Senden Sie keine Datei, die Sie nicht weitergeben dürfen: Ein kurzer
Ausschnitt, der den Fehler zeigt, genügt.</p>
"""

# ---------------------------------------------------------------- Zielformate

TARGET_INTRO = """
<p>{ui:MSG_CONVERT_TO} › <span class="ui">{name}</span> macht {name} zum
Zielformat; das Feld {label:MSG_PRPFILE} zeigt dann die {name}-Profile.
Diese Seite zeigt, was ein {name}-Profil enthalten kann; was die einzelnen
Einstellungen bedeuten, erklärt {page:editor}.</p>
"""

PAGES["to-avi"] = """
<p>AVI ist der verbreitetste Video-Container. Kinovert schreibt ihn mit
MPEG-4 (DivX- oder Xvid-kompatibel), älterem Microsoft-MPEG-4, H.263,
H.264, verlustfreiem huffYUV, Motion-JPEG, Sorenson- oder Flash-Video und
mit MP2-, MP3-, unkomprimiertem WAV- oder AC3-Ton. Eine gute Wahl für
Computer und für DVD-Player, die DivX-Dateien abspielen.</p>
<h2>Mitgelieferte Profile</h2>
{profiles:AVI}
<h2>Codecs und Einstellungen</h2>
{options:AVI}
<p>huffYUV bewahrt jedes Detail, erzeugt aber sehr große Dateien – sinnvoll
für Material, das Sie weiterbearbeiten wollen. Zum Ansehen liefern Divx oder
Xvid mit 1080 bis 2496 kbit/s bei DVD-Größe ein gutes Bild.</p>
<div class="shots">
{img:editor-avi-general|Die Registerkarte Allgemein des AVI-Profileditors}
{img:editor-avi-video|Die Registerkarte Video des AVI-Profileditors}
</div>
"""

PAGES["to-mp4"] = """
<p>MP4-Dateien laufen auf den meisten Handys, Tablets, Medienplayern und in
Webbrowsern. Kinovert schreibt sie mit H.264-Video und AAC-Ton.</p>
<p>Wie 3GP wandelt MP4 mit {page:devices} um: Vorgaben für den iPod und die
PlayStation Portable, wählbar im MP4-Gerätemenü der Kinovert-Ausgaben, die
eines haben, oder mit <code>--device</code> auf {page:cli|der
Befehlszeile}.</p>
<p>Neben den Vorgaben führt Kinovert MP4-Profile (die Dateien des
Profilordners <code>mp4</code>) mit den unten aufgeführten Einstellungen.
Umwandlungen verwenden sie nicht; <code>kinovert-cli options --target mp4
DATEI</code> gibt die Encoder-Optionen eines solchen Profils aus, die Sie in
eine eigene Gerätevorgabe übernehmen können.</p>
<h2>Mitgelieferte Profile</h2>
{profiles:MP4}
<h2>Codecs und Einstellungen</h2>
{options:MP4}
<p>Die Liste {label:MSG_TYPE} legt fest, für welches Gerät die Datei gedacht
ist. {ui:MSG_TYPE_PSP} schreibt die PSP-eigene MP4-Variante und verwendet AAC
nur mit 48000 Hz; {ui:MSG_TYPE_IPOD}, {ui:MSG_TYPE_MOBILE} und
{ui:MSG_TYPE_MP4} bieten die acht Abtastraten von 11025 bis 48000 Hz. Die
Größenliste nennt die Größen, die zu diesen Geräten passen, etwa
{ui:MSG_PSP_FULLSCR} (368x208).</p>
<div class="shots">
{img:editor-mp4-general|Die Registerkarte Allgemein des MP4-Profileditors}
{img:editor-mp4-audio|Die Registerkarte Audio des MP4-Profileditors}
</div>
"""

PAGES["to-3gp"] = """
<p>3GP ist das Videoformat der Handys und das Zielformat, mit dem Kinovert
startet: Die Vorgaben für Handys stehen im Hauptfenster neben
<span class="ui">3GP Format</span>, das Feld {label:MSG_PRPFILE} bietet ihre
Qualitätsstufen an. Siehe {page:devices}.</p>
<p>Neben den Vorgaben führt Kinovert 3GP-Profile (die Dateien des
Profilordners <code>3gp</code>) mit den unten aufgeführten Einstellungen.
Umwandlungen verwenden die Gerätevorgaben, nicht diese Profile;
<code>kinovert-cli options --target 3gp DATEI</code> gibt die
Encoder-Optionen eines solchen Profils aus, die Sie in eine eigene
Gerätevorgabe übernehmen können.</p>
<h2>Mitgelieferte Profile</h2>
{profiles:3GP}
<h2>Codecs und Einstellungen</h2>
{options:3GP}
<p>Der {label:MSG_TYPE} bestimmt die angebotenen Codecs: Handys vom Typ
{ui:MSG_3GP_TYPE1} spielen H.263- oder MPEG-4-Video mit AMR- oder AAC-Ton,
Handys vom Typ {ui:MSG_3GP_TYPE2} und {ui:MSG_3GP_TYPE3} MPEG-4 oder Xvid mit
AAC. Jeder Typ behält seine eigene Codec-Wahl.</p>
<p>H.263 versteht fast jedes Handy, erlaubt aber nur drei Größen. Wählen Sie
für ein Nokia-, NEC- oder Siemens-Handy MPEG-4, AMR-Breitband oder AAC, weist
Kinovert darauf hin, dass manche Geräte das nicht abspielen: Bleibt ein
umgewandelter Clip auf Ihrem Handy stumm oder schwarz, kehren Sie zu H.263
und AMR-Schmalband zurück. AMR ist ein Sprachcodec: mono, mit 8000 Hz
(Schmalband) oder 16000 Hz (Breitband).</p>
<div class="shots">
{img:editor-3gp-general|Die Registerkarte Allgemein des 3GP-Profileditors}
{img:editor-3gp-video|Die Registerkarte Video des 3GP-Profileditors}
{img:editor-3gp-audio|Die Registerkarte Audio des 3GP-Profileditors}
</div>
"""

PAGES["to-mpeg"] = """
<p>MPEG-Dateien laufen fast überall. MPEG-1 eignet sich für ältere Player und
Video-CDs, MPEG-2 ist das Video von DVD und Fernsehen.</p>
<h2>Mitgelieferte Profile</h2>
{profiles:MPEG}
<h2>Codecs und Einstellungen</h2>
{options:MPEG}
<h2 id="presets">{label:MSG_PRESET_FORMATS}: VCD, SVCD und DVD</h2>
<p>Ist {ui:MSG_USE_PRESET_FORMATS} angekreuzt, erzeugt Kinovert Dateien nach
den Regeln eines Disc-Formats; die Codec-Einstellungen treten dann in den
Hintergrund:</p>
<ul>
<li><strong>VCD</strong> (Video-CD): MPEG-1 in 352x288 (PAL) oder 352x240
(NTSC) mit MP2-Ton; läuft auf fast jedem DVD-Player.</li>
<li><strong>SVCD</strong> (Super-Video-CD): MPEG-2 in 480x576 oder 480x480;
besseres Bild, aber weniger Player.</li>
<li><strong>DVD</strong>: MPEG-2 in 720x576 oder 720x480. Für DVD stellt die
Registerkarte {ui:MSG_DVD_PAGE} Videobitrate, Seitenverhältnis und
Audiobitrate ein.</li>
</ul>
<p>{label:MSG_TARGET_FORMAT} wählt die Fernsehnorm:
{ui:MSG_TARGET_FORMAT_PAL} (Europa, große Teile Asiens und Afrikas,
25 Bilder pro Sekunde), {ui:MSG_TARGET_FORMAT_NTSC} (Nordamerika und Japan,
29,97 Bilder pro Sekunde) oder {ui:MSG_TARGET_FORMAT_AUTO}, das sich nach
der Bildrate der Quelle richtet. Ihre Codec-Einstellungen bleiben erhalten
und kehren zurück, wenn Sie das Häkchen entfernen.</p>
<p>Der MPEG-Editor lässt ungerade Breiten und Höhen so stehen, wie Sie sie
eingeben.</p>
<div class="shots">
{img:editor-mpeg-general|Die Registerkarte Allgemein des MPEG-Profileditors mit vordefiniertem Format}
{img:editor-mpeg-dvd|Die Registerkarte DVD des MPEG-Profileditors}
</div>
"""

PAGES["to-mov"] = """
<p>MOV ist das QuickTime-Format. Kinovert schreibt es mit Sorenson-, MPEG-4-,
Xvid-, H.263- oder H.264-Video und mit AAC-, A-Law-, AMR- oder
unkomprimiertem Ton. H.264 mit AAC spielen heutige Computer und Geräte am
besten ab.</p>
<h2>Mitgelieferte Profile</h2>
{profiles:MOV}
<h2>Codecs und Einstellungen</h2>
{options:MOV}
<div class="shots">
{img:editor-mov-general|Die Registerkarte Allgemein des MOV-Profileditors}
{img:editor-mov-video|Die Registerkarte Video des MOV-Profileditors}
</div>
"""

PAGES["to-wmv"] = """
<p>WMV-Dateien (Windows Media Video) laufen im Windows Media Player und in
vielen anderen Playern. Kinovert schreibt sie mit Microsoft-MPEG-4
(Version 2 und 3) oder Windows-Media-7- und -8-Video und MP3-Ton.</p>
<h2>Mitgelieferte Profile</h2>
{profiles:WMV}
<h2>Codecs und Einstellungen</h2>
{options:WMV}
<p>Die Bitratenstufen der Windows-Media-Formate enden bei 6000 kbit/s.</p>
<div class="shots">
{img:editor-wmv-general|Die Registerkarte Allgemein des WMV-Profileditors}
{img:editor-wmv-video|Die Registerkarte Video des WMV-Profileditors}
</div>
"""

PAGES["to-rm"] = """
<p>RM ist das RealMedia-Format des RealPlayers. Kinovert schreibt Real Video
mit AC3-Ton.</p>
<h2>Mitgelieferte Profile</h2>
{profiles:RM}
<h2>Codecs und Einstellungen</h2>
{options:RM}
<p>Real Video braucht Bildmaße in Vielfachen von 16 und kann keine Bilder
größer als 720x576 schreiben: Die Größenliste endet dort, der Editor nimmt
keine größere Breite oder Höhe an, und andere Größen rückt der Encoder auf
Vielfache von 16.</p>
<div class="shots">
{img:editor-rm-general|Die Registerkarte Allgemein des RM-Profileditors}
{img:editor-rm-video|Die Registerkarte Video des RM-Profileditors}
</div>
"""

PAGES["to-swf"] = """
<p>SWF ist das Flash-Format, das ältere Webseiten einbetten. Kinovert
schreibt Flash-Video mit MP3-Ton.</p>
<h2>Mitgelieferte Profile</h2>
{profiles:SWF}
<h2>Codecs und Einstellungen</h2>
{options:SWF}
<p>Flash nimmt MP3-Ton nur mit 11025, 22050 oder 44100 Hz an; seine
Bitratenstufen enden bei 3600 kbit/s.</p>
<div class="shots">
{img:editor-swf-general|Die Registerkarte Allgemein des SWF-Profileditors}
{img:editor-swf-audio|Die Registerkarte Audio des SWF-Profileditors}
</div>
"""

PAGES["to-vob"] = """
<p>VOB ist das Dateiformat im Ordner <code>VIDEO_TS</code> einer DVD:
MPEG-2-Video mit MP2- oder AC3-Ton. Damit bereiten Sie Material für
DVD-Authoring-Programme vor.</p>
<h2>Mitgelieferte Profile</h2>
{profiles:VOB}
<h2>Codecs und Einstellungen</h2>
{options:VOB}
<p>Wählen Sie für PAL-DVDs 720x576 mit 25 Bildern pro Sekunde und für
NTSC-DVDs 720x480 mit 29,97, wie es die beiden mitgelieferten Profile tun.
VOB bietet nur die Bildraten an, die eine DVD zulässt.</p>
<div class="shots">
{img:editor-vob-general|Die Registerkarte Allgemein des VOB-Profileditors}
{img:editor-vob-video|Die Registerkarte Video des VOB-Profileditors}
</div>
"""

PAGES["to-asf"] = """
<p>ASF (Advanced Systems Format) ist der Container von Windows Media.
Kinovert schreibt ihn mit Microsoft-MPEG-4-Video und MP3-Ton – für ältere
Windows-Player und Streaming-Server.</p>
<h2>Mitgelieferte Profile</h2>
{profiles:ASF}
<h2>Codecs und Einstellungen</h2>
{options:ASF}
<div class="shots">
{img:editor-asf-general|Die Registerkarte Allgemein des ASF-Profileditors}
{img:editor-asf-video|Die Registerkarte Video des ASF-Profileditors}
</div>
"""

PAGES["to-aac"] = """
<p>AAC klingt bei gleicher Bitrate besser als MP3 und läuft auf Handys,
Tablets und Medienplayern. Kinovert schreibt den Ton der Quelle (auch eines
Videos) in eine <code>.aac</code>-Datei.</p>
<h2>Mitgelieferte Profile</h2>
{profiles:AAC}
<h2>Einstellungen</h2>
{options:AAC}
<p>Niedrigere Abtastraten erlauben nur niedrigere Höchstbitraten; wählen Sie
eine solche Rate, rückt der Bitratenregler von selbst nach unten.</p>
{img:editor-aac-audio|Die Registerkarte Audio des AAC-Profileditors}
"""

PAGES["to-ac3"] = """
<p>AC3 (Dolby Digital) ist der Ton von DVDs und Heimkinos und kann
5.1-Raumklang aufnehmen.</p>
<h2>Mitgelieferte Profile</h2>
{profiles:AC3}
<h2>Einstellungen</h2>
{options:AC3}
<p>Bei {ui:MSG_CHANNELS_6} ist die Abtastrate fest auf 48000 Hz eingestellt,
und die Bitrate beginnt bei 112 kbit/s. Mit 22050 und 24000 Hz endet die
Bitrate bei 320 kbit/s, mit 44100 und 48000 Hz beginnt sie bei
48 kbit/s.</p>
{img:editor-ac3-audio|Die Registerkarte Audio des AC3-Profileditors}
"""

PAGES["to-mp2"] = """
<p>MP2 (MPEG-1 Layer II) ist der Ton von Video-CDs und Digitalradio.</p>
<h2>Mitgelieferte Profile</h2>
{profiles:MP2}
<h2>Einstellungen</h2>
{options:MP2}
{img:editor-mp2-audio|Die Registerkarte Audio des MP2-Profileditors}
"""

PAGES["to-mp3"] = """
<p>MP3 ist das Audioformat, das jeder Player kennt. Damit holen Sie den Ton
aus einem Video oder machen Musikdateien kleiner.</p>
<h2>Mitgelieferte Profile</h2>
{profiles:MP3}
<h2>Einstellungen</h2>
{options:MP3}
<p>128 kbit/s bei 44100 Hz sind eine gute Wahl für den Alltag; ab
192 kbit/s ist der Unterschied zum Original kaum noch zu hören.</p>
{img:editor-mp3-audio|Die Registerkarte Audio des MP3-Profileditors}
"""

PAGES["to-amr"] = """
<p>AMR ist ein Sprachcodec für Handys: ideal für Sprachaufnahmen und
gesprochene Klingeltöne, ungeeignet für Musik.</p>
<h2>Mitgelieferte Profile</h2>
{profiles:AMR}
<h2>Einstellungen</h2>
{options:AMR}
<p>{ui:MSG_AMRNB} (8000 Hz) versteht jedes Handy. {ui:MSG_AMRWB}
(16000 Hz) klingt klarer, lässt sich aber auf manchen Handys und Playern
nicht abspielen; deshalb warnt Kinovert, wenn Sie es wählen. Beide sind nur
mono. Der Encoder nimmt die nächstgelegene Bitrate, die der Codec kennt, bei
der Stufe 12 also 12,2 kbit/s.</p>
{img:editor-amr-audio|Die Registerkarte Audio des AMR-Profileditors}
"""

PAGES["to-wav"] = """
<p>WAV enthält unkomprimierten Ton: höchste Qualität, größte Dateien. Es
eignet sich zum Schneiden und zum Brennen von Audio-CDs.</p>
<h2>Mitgelieferte Profile</h2>
{profiles:WAV}
<h2>Einstellungen</h2>
{options:WAV}
<p>{ui:MSG_PCM16LE} mit 44100 Hz in Stereo entspricht CD-Qualität.
{ui:MSG_PCMU8} braucht halb so viel Platz und genügt für Sprache. WAV hat
keine Bitrate-Einstellung: Die Größe ergibt sich aus Abtastrate und
Kanalzahl.</p>
{img:editor-wav-audio|Die Registerkarte Audio des WAV-Profileditors}
"""
