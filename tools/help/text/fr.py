# SPDX-License-Identifier: GPL-3.0-or-later
# Pages d'aide en français. Les repères {…} sont décrits dans tools/help/make_help.py.

FRENCH_SPACING = True

TARGET_TITLE = "Conversion en {name}"

TITLES = {
    "intro": "Introduction",
    "quickstart": "Démarrage rapide",
    "overview": "L'interface (vue d'ensemble)",
    "profiles": "Les profils",
    "editor": "L'éditeur de profil",
    "devices": "Préréglages d'appareils",
    "converting": "Pendant la conversion",
    "settings": "Paramètres",
    "cli": "La ligne de commande",
    "trouble": "Dépannage",
}

GROUPS = {
    "start": "Prise en main",
    "profiles": "Profils",
    "formats": "Formats cibles",
    "convert": "Conversion",
    "more": "Référence",
}

WORDS = {
    "help": "Aide de Kinovert",
    "skip": "Aller au texte",
    "contents": "Sommaire",
    "shortcuts": "Accès rapide",
    "languages": "Langues",
    "profile": "Profil",
    "preset_file": "Fichier",
    "preset_title": "Appareil",
    "preset_description": "Pour",
    "preset_items": "Choix proposés dans la liste des profils",
    "shown_for": "pour {}",
    "advisory": "affiche un avertissement",
    "codec": "Codec",
    "fixed_sizes": "imposée : {}",
    "free_size": "libre : choisie dans la liste ou saisie, de {} à {}x{} pixels",
    "even_sizes": "(une valeur impaire est arrondie au nombre pair supérieur)",
    "size_list": "Tailles proposées :",
    "frame_rates": "Images par seconde proposées :",
    "fixed_auto_rate": "{0} : {1} écrit {2} images par seconde quelle que soit la source, car le codec ne peut pas suivre toutes les fréquences.",
    "no_bitrate": "aucun (non compressé)",
    "at_rates": "{} Hz : {} – {}",
    "six_channels": "{} : {} – {}",
}

PAGES = {}

PAGES["intro"] = """
<p>Kinovert convertit des fichiers vidéo et audio par lots. Vous rassemblez les
fichiers dans une liste, vous indiquez ce qu'ils doivent devenir, vous
choisissez un dossier de sortie, puis vous cliquez sur {ui:MSG_CONVERT}.
Kinovert traite alors les fichiers l'un après l'autre et signale pour chacun
s'il a été converti ou non.</p>

{img:main|La fenêtre principale de Kinovert : trois fichiers dans la liste et les informations du fichier sélectionné}

<h2>Les formats proposés</h2>
<p>Kinovert sait produire seize formats :</p>
<ul>
<li>vidéo : {page:to-avi|AVI}, {page:to-mp4|MP4}, {page:to-3gp|3GP},
{page:to-mpeg|MPEG}, {page:to-mov|MOV}, {page:to-wmv|WMV}, {page:to-rm|RM},
{page:to-swf|SWF}, {page:to-vob|VOB} et {page:to-asf|ASF} ;</li>
<li>audio seul : {page:to-aac|AAC}, {page:to-ac3|AC3}, {page:to-mp2|MP2},
{page:to-mp3|MP3}, {page:to-amr|AMR} et {page:to-wav|WAV}.</li>
</ul>
<p>La façon de convertir est fixée par un <em>profil</em>, c'est-à-dire un jeu
de réglages nommé : codec, débit, taille d'image, fréquence
d'échantillonnage, etc. Kinovert est livré avec des profils prêts à l'emploi
pour chaque format, et vous pouvez créer les vôtres. Pour les téléphones
portables (3GP) et les baladeurs (MP4), des <em>préréglages d'appareils</em>
remplacent les profils.</p>

<h2>Par où commencer ?</h2>
<ul>
<li>{page:quickstart} : votre première conversion en cinq étapes.</li>
<li>{page:overview} : chaque élément de la fenêtre principale, ses menus et
ses raccourcis clavier.</li>
<li>{page:profiles} et {page:editor} : créer vos propres réglages. Chaque
format cible a en outre sa page, qui détaille ce que ses profils
proposent.</li>
<li>{page:converting} : la fenêtre de progression et ce qui se passe à la fin
d'un lot.</li>
<li>{page:cli} : convertir sans fenêtre, dans des scripts.</li>
<li>{page:trouble} : que faire quand un fichier échoue ou qu'un élément
manque.</li>
</ul>

<h2>Ce dont Kinovert a besoin</h2>
<p>Kinovert analyse les fichiers avec la bibliothèque MediaInfo et les convertit
avec FFmpeg, par l'intermédiaire de son propre petit programme d'encodage,
<code>avcore</code>. MediaInfo et FFmpeg sont fournis par votre distribution
Linux (sous Debian : paquets <code>ffmpeg</code> et
<code>libmediainfo0v5</code>, plus <code>libavcodec-extra</code> pour le son
AMR).</p>
"""

PAGES["quickstart"] = """
<p>Voici comment passer d'une liste vide à des fichiers convertis. L'exemple
prépare des vidéos 3GP pour un téléphone portable.</p>

<ol class="steps">
<li><p><strong>Ajoutez des fichiers.</strong> Cliquez sur {ui:MSG_BROWSE} à
côté de {label:MSG_INPUTFILENAME} (ou appuyez sur {kbd:Ctrl+N}) et
sélectionnez un ou plusieurs fichiers. Vous pouvez aussi les faire glisser
depuis votre gestionnaire de fichiers et les déposer sur la fenêtre. Chaque
fichier occupe une ligne de la liste ; un fichier illisible est signalé et
n'est pas ajouté.</p></li>
<li><p><strong>Vérifiez un fichier.</strong> Cliquez sur une ligne : le
panneau situé sous les listes affiche le format du fichier, sa durée, la
taille de l'image et les caractéristiques du son. {ui:MSG_MOREINFO} ouvre le
rapport détaillé.</p></li>
<li><p><strong>Choisissez l'appareil.</strong> Dans la liste
<span class="ui">3GP Format</span>, cliquez sur le type de téléphone
auquel les vidéos sont destinées, puis choisissez une qualité dans la liste
{label:MSG_PRPFILE}. Pour un autre format, ouvrez le menu
{ui:MSG_CONVERT_TO} (clic droit sur la liste des fichiers, ou bouton
<span class="ui">?</span> en haut à droite) et choisissez le format : la
liste {label:MSG_PRPFILE} affiche alors ses profils.</p></li>
<li><p><strong>Indiquez le dossier de sortie.</strong> Saisissez un dossier
dans le champ {label:MSG_OUTPUTDIR} ou cliquez sur le bouton
{ui:MSG_BROWSE} placé à côté. Si le dossier n'existe pas encore, Kinovert
propose de le créer au lancement de la conversion.</p></li>
<li><p><strong>Lancez la conversion.</strong> Cliquez sur {ui:MSG_CONVERT}
(ou appuyez sur {kbd:F9}). La fenêtre de progression suit le fichier en cours
et l'ensemble du lot. Une fois qu'elle s'est fermée, chaque ligne indique si
le fichier a été converti (coche verte) ou non (croix rouge).</p></li>
</ol>

{img:main|La fenêtre principale prête pour la conversion : trois fichiers, un téléphone et une qualité choisis}

<p class="note">Le fichier converti porte le nom de la source, avec l'extension
du format cible. Si ce nom est déjà pris dans le dossier de sortie, Kinovert
ajoute un numéro : <code>clip(1).3gp</code>, <code>clip(2).3gp</code>, etc.
Aucun fichier n'est jamais écrasé.</p>

<p>Pour aller plus loin : {page:overview} présente toutes les commandes,
{page:converting} décrit la fenêtre de progression.</p>
"""

PAGES["overview"] = """
<p>Kinovert s'utilise dans une seule fenêtre principale, qui s'ouvre dans sa
présentation compacte : en haut la liste des fichiers, puis le dossier de
sortie, la liste des appareils, la liste des profils et le bouton
{ui:MSG_CONVERT} ; en dessous, les informations sur le fichier
sélectionné.</p>

{img:main|La fenêtre principale : liste des fichiers, dossier de sortie, liste des appareils, liste des profils, bouton Convertir et panneau d'informations}

<h2 id="parts">Les éléments de la fenêtre</h2>
<table>
<tr><th>Élément</th><th>Rôle</th></tr>
<tr><td>Bandeau de titre</td><td>Affiche le nom et la version du programme.
Faites-le glisser pour déplacer la fenêtre ; un double-clic la réduit. À
droite se trouvent les boutons {label:MSG_MINIMIZE}, {label:MSG_HELP}
(<span class="ui">?</span>, qui ouvre le menu d'aide) et
{label:MSG_CLOSE}.</td></tr>
<tr><td>{label:MSG_INPUTFILENAME}</td><td>La liste des fichiers à convertir ;
une icône devant chaque chemin indique son état.</td></tr>
<tr><td>{ui:MSG_BROWSE} (en haut)</td><td>Ajoute des fichiers à l'aide d'une
boîte de dialogue dont le filtre énumère tous les formats que Kinovert sait
lire.</td></tr>
<tr><td><span class="ui">+</span> <span class="ui">−</span>
<span class="ui">↑</span> <span class="ui">↓</span></td><td>{ui:MSG_ADD_FILES},
{ui:MSG_DEL_FILES} (enlève de la liste les lignes sélectionnées, sans toucher
aux fichiers), {label:MSG_MOVE_UP} et {label:MSG_MOVE_DOWN} (déplace la ligne
sélectionnée ; les fichiers sont traités de haut en bas).</td></tr>
<tr><td>{label:MSG_OUTPUTDIR}</td><td>Le dossier qui recevra les fichiers
convertis. Saisissez-le ou choisissez-le avec le bouton {ui:MSG_BROWSE}
voisin.</td></tr>
<tr><td><span class="ui">3GP Format</span></td><td>Les préréglages
d'appareils du format 3GP. Un clic sur l'un d'eux fait du 3GP le format
cible et affiche les choix de cet appareil dans la liste des profils (voir
{page:devices}).</td></tr>
<tr><td>{label:MSG_PRPFILE}</td><td>Le profil du format cible : pour le 3GP
et le MP4, les choix de l'appareil retenu ; pour les autres formats, leurs
profils (voir {page:profiles}).</td></tr>
<tr><td>{ui:MSG_CONVERT}</td><td>Convertit tous les fichiers de la liste
({kbd:F9}).</td></tr>
<tr><td>Ligne de résumé</td><td>Indique le nombre de fichiers, par exemple
{msg:MSG_STATUS_FILES|3}.</td></tr>
<tr><td>Panneau d'informations</td><td>Affiche les caractéristiques du fichier
sélectionné (voir plus bas).</td></tr>
</table>

<h2 id="files">La liste des fichiers</h2>
<p>Pour ajouter des fichiers, utilisez {ui:MSG_BROWSE} ou le bouton
<span class="ui">+</span>, déposez-les sur la fenêtre, ou indiquez-les au
démarrage du programme (<code>kinovert clip1.avi clip2.mov</code> ; une fois
installé, Kinovert figure aussi dans le menu « Ouvrir avec » du gestionnaire
de fichiers). Kinovert ignore sans rien dire :</p>
<ul>
<li>les fichiers inexistants et les dossiers (leur contenu n'est pas
parcouru) ;</li>
<li>les fichiers dont le type ne figure pas parmi les formats lus ;</li>
<li>un fichier déjà présent dans la liste sous exactement le même
chemin.</li>
</ul>
<p>Un fichier que MediaInfo ne parvient pas à lire n'est pas ajouté ; le
message {msg:MSG_FORMAT_ERROR|…} s'affiche à la place.</p>
<p>Pour changer l'ordre, utilisez <span class="ui">↑</span> et
<span class="ui">↓</span> ({kbd:Ctrl+U}, {kbd:Ctrl+D}) ou faites glisser une
ligne à sa nouvelle place. Un double-clic sur une ligne lit le fichier avec
le lecteur par défaut du bureau. La liste n'est pas conservée à la fermeture
de Kinovert.</p>

<p>L'icône placée devant chaque ligne donne l'état du fichier lors du dernier
lot :</p>
{img:states|La liste après un lot : premier fichier converti, deuxième en échec, troisième en cours de conversion}
<table>
<tr><th>Icône</th><th>Signification</th></tr>
<tr><td>cercle vide</td><td>pas encore converti dans ce lot</td></tr>
<tr><td>flèches en cercle</td><td>conversion en cours</td></tr>
<tr><td>coche verte</td><td>converti</td></tr>
<tr><td>croix rouge</td><td>échec (voir {page:trouble})</td></tr>
</table>

<h2 id="menus">Les menus</h2>
<p>Un clic droit sur la liste des fichiers ouvre son menu. Si une ligne est
sélectionnée, il propose {ui:MSG_PLAY_SOURCE}, {ui:MSG_OPEN_DES_FOLDER},
{ui:MSG_DEL_FILES}, {ui:MSG_CLEARLIST}, {ui:MSG_ADD_FILES},
{ui:MSG_SEL_ALL} et {ui:MSG_CONVERT_TO} ; sur une liste vide,
{ui:MSG_ADD_FILES}, {ui:MSG_SETTINGS}, {ui:MSG_HELP_CONTENT} et
{ui:MSG_CONVERT_TO}.</p>
{img:menu-files|Le menu de la liste des fichiers, un fichier étant sélectionné}
<p>Le bouton <span class="ui">?</span> ouvre le menu d'aide :
{ui:MSG_HELP_CONTENT}, {ui:MSG_QUICK_START}, {ui:MSG_SETTINGS},
{ui:MSG_LANG} (la fenêtre change aussitôt de langue, les profils de cette
langue sont utilisés à partir du démarrage suivant, et cette aide reste dans
la langue pour laquelle Kinovert a été compilé), {ui:MSG_CONVERT_TO},
{ui:MSG_ONLINE_RES}, {ui:MSG_TECH_SUPPORT} et {ui:MSG_ABOUT}.</p>
{img:menu-convert|Le menu d'aide avec le sous-menu Convertir en ouvert}

<h3 id="targets">Choisir le format cible</h3>
<p>{ui:MSG_CONVERT_TO} énumère les seize formats et marque le format actuel.
Choisir un format affiche ses profils dans la liste {label:MSG_PRPFILE}.
Choisir 3GP (ou cliquer sur un appareil de la liste
<span class="ui">3GP Format</span>) fait appel aux préréglages d'appareils.
Le MP4 fonctionne lui aussi avec des préréglages (baladeurs iPod et PSP) ;
dans une édition de Kinovert qui n'en comporte pas, l'entrée MP4 est grisée,
mais {page:cli|la ligne de commande} peut toujours convertir en MP4 avec un fichier de
préréglage. Au tout premier démarrage, Kinovert part du format AVI ; ensuite,
il démarre toujours sur le 3GP et sur l'appareil choisi en dernier.</p>

<h2 id="media">Les informations sur le fichier</h2>
<p>Tant que la liste contient des fichiers, le panneau inférieur présente le
fichier sélectionné : les données {label:MSG_GENERAL}
({label:MSG_COMPLETENAME}, {label:MSG_FILESIZE}, {label:MSG_FORMAT},
{label:MSG_PLAYTIME}, {label:MSG_AUDIOCOUNT}, {label:MSG_VIDEOCOUNT}), la
première piste {label:MSG_VIDEO} ({label:MSG_VCODE}, {label:MSG_WIDTH},
{label:MSG_HEIGHT}, {label:MSG_VBITRATE}, {label:MSG_ADPECTRATIO},
{label:MSG_FRAMERATE}) et la première piste {label:MSG_AUDIO}
({label:MSG_ACODEC}, {label:MSG_ABITRATE}, {label:MSG_CHANNELS},
{label:MSG_SAMPLINGRATE}). Les tailles sont exprimées en octets et les débits
en bits par seconde. « ... » signifie que la valeur n'existe pas, par exemple
l'image d'un fichier purement audio. Les valeurs peuvent être sélectionnées
et copiées.</p>
<p>{ui:MSG_MOREINFO} ouvre la fenêtre {ui:MSG_FILEINFO_CAPTION}, qui contient
le rapport détaillé de MediaInfo sur le fichier ;
{ui:MSG_SAVE_FILE_INFO} l'enregistre dans un fichier texte.</p>
{img:fileinfo|La fenêtre Informations sur le fichier avec le rapport d'un fichier vidéo}

<h2 id="keys">Raccourcis clavier</h2>
<table>
<tr><th>Touches</th><th>Action</th></tr>
<tr><td>{kbd:Ctrl+N}</td><td>ajouter des fichiers ({ui:MSG_BROWSE})</td></tr>
<tr><td>{kbd:Suppr}</td><td>retirer de la liste les fichiers sélectionnés (quand la liste a le focus)</td></tr>
<tr><td>{kbd:Maj+Suppr}</td><td>{ui:MSG_CLEARLIST}</td></tr>
<tr><td>{kbd:Ctrl+A}</td><td>{ui:MSG_SEL_ALL}</td></tr>
<tr><td>{kbd:Ctrl+U} / {kbd:Ctrl+D}</td><td>monter / descendre le fichier sélectionné</td></tr>
<tr><td>{kbd:Ctrl+P}</td><td>{ui:MSG_PLAY_SOURCE}</td></tr>
<tr><td>{kbd:Ctrl+O}</td><td>choisir le dossier de sortie</td></tr>
<tr><td>{kbd:F9}</td><td>{ui:MSG_CONVERT}</td></tr>
<tr><td>{kbd:Ctrl+E}</td><td>{ui:MSG_EDIT_PROFILE} (sauf 3GP et MP4)</td></tr>
<tr><td>{kbd:Alt+N}</td><td>ajouter un profil</td></tr>
<tr><td>{kbd:F2}</td><td>renommer le profil</td></tr>
<tr><td>{kbd:Alt+Suppr}</td><td>supprimer le profil</td></tr>
<tr><td>{kbd:F12}</td><td>{ui:MSG_SETTINGS}</td></tr>
<tr><td>{kbd:F1}</td><td>{ui:MSG_HELP_CONTENT}</td></tr>
<tr><td>{kbd:Alt+F4}</td><td>fermer Kinovert (les paramètres sont enregistrés)</td></tr>
</table>
"""

PAGES["profiles"] = """
<p>Un profil regroupe, sous un nom, les réglages d'un format cible : codecs,
débit, taille de l'image, images par seconde, fréquence d'échantillonnage et, au
besoin, la partie de la source à convertir. Chaque format a ses propres
profils, sauf le 3GP et le MP4, qui utilisent les
{page:devices|préréglages d'appareils}.</p>

<h2 id="choose">Choisir un profil</h2>
<p>La liste {label:MSG_PRPFILE} affiche toujours les profils du format cible
actuel. Choisissez-en un avant de cliquer sur {ui:MSG_CONVERT} : tout le lot
sera converti avec ce profil. À chaque démarrage, chaque liste revient sur son
premier profil.</p>

<h2 id="manage">Ajouter, modifier, renommer, supprimer</h2>
<p>Les commandes de profil s'appliquent au format cible actuel et au profil
sélectionné :</p>
<table>
<tr><th>Commande</th><th>Touches</th><th>Effet</th></tr>
<tr><td>{ui:MSG_EDIT_PROFILE}</td><td>{kbd:Ctrl+E}</td><td>Ouvre
{page:editor|l'éditeur de profil} sur le profil sélectionné ;
{ui:MSG_SAVE} enregistre les modifications dans le profil.</td></tr>
<tr><td>{ui:MSG_ADD_PROFILE}</td><td>{kbd:Alt+N}</td><td>Ouvre l'éditeur avec
les réglages par défaut du format. Après {ui:MSG_SAVE}, Kinovert demande un
nom ({ui:MSG_PROFILE_NAME}) et sélectionne le nouveau profil. Si ce nom est
déjà pris, Kinovert demande confirmation avant de remplacer l'ancien
profil.</td></tr>
<tr><td>{ui:MSG_REN_PROFILE}</td><td>{kbd:F2}</td><td>Demande un nouveau nom.
Un nom déjà porté par un autre profil est refusé.</td></tr>
<tr><td>{ui:MSG_DEL_PROFILE}</td><td>{kbd:Alt+Suppr}</td><td>Supprime le
profil sélectionné après confirmation. Le dernier profil d'un format ne peut
pas être supprimé.</td></tr>
</table>
{img:name|La boîte de dialogue Nom du profil}
<p>Un nom de profil peut contenir n'importe quel caractère sauf
<code>\\ / : * ? " &lt; &gt; |</code> ; des espaces au début ou à la fin
sont acceptés, mais passent facilement inaperçus. Dans la fenêtre compacte,
les commandes de profil s'utilisent au clavier. Elles ne sont pas
disponibles pour le 3GP et le MP4, dont les préréglages ne se modifient pas
dans Kinovert.</p>

<h2 id="files">Où les profils sont-ils enregistrés ?</h2>
<p>Chaque profil est un petit fichier texte qui porte son nom, rangé dans un
dossier par format : par exemple <code>avi/Standard.avo</code> ou
<code>mp3/Standard.mpo</code>. Avec un dossier de programme que vous avez
décompressé ou compilé vous-même, les profils se trouvent dans ce dossier
(<code>profile_en/</code>, <code>profile_fr/</code>,
<code>profile_de/</code>, <code>profile_it/</code>, selon la langue du
programme). Un Kinovert installé conserve les profils de chaque utilisateur
dans <code>~/.local/share/kinovert/</code>, où ils sont copiés depuis les
profils fournis au premier démarrage. Les versions suivantes y ajoutent les
nouveaux profils fournis, mais ne remplacent jamais un profil que vous avez
créé ou modifié ; un profil que vous avez supprimé ne revient pas. Vous
pouvez copier des fichiers de profil d'un ordinateur à l'autre : Kinovert
relit les dossiers à chaque démarrage.</p>
"""

PAGES["editor"] = """
<p>L'éditeur de profil s'ouvre avec {ui:MSG_EDIT_PROFILE} et
{ui:MSG_ADD_PROFILE}. Son titre rappelle le format, par exemple
{msg:MSG_PROFILE_EDITOR|AVI}. Chaque format a son propre éditeur, mais tous
sont composés des mêmes éléments, présentés sur cette page. La page de chaque
format cible indique précisément les codecs, tailles, images par seconde,
fréquences d'échantillonnage et débits proposés.</p>

<div class="shots">
{img:editor-avi-general|L'onglet Général de l'éditeur de profil AVI}
{img:editor-avi-video|L'onglet Vidéo de l'éditeur de profil AVI}
{img:editor-avi-audio|L'onglet Audio de l'éditeur de profil AVI}
</div>

<p>{ui:MSG_SAVE} (ou {kbd:Entrée}) conserve les modifications ;
{ui:MSG_CLOSE} ou {kbd:Échap} laisse le profil tel qu'il était.</p>

<h2 id="general">L'onglet {label:MSG_PROFILE_GENERAL}</h2>
<dl>
<dt>{label:MSG_DESCIPTION}</dt>
<dd>Un texte libre, pour vous ; il n'influe pas sur la conversion.</dd>
<dt>{label:MSG_VIDEO_CODEC} et {label:MSG_AUDIO_CODEC}</dt>
<dd>Les codecs utilisés pour écrire le fichier. Les onglets
{label:MSG_VIDEO_PAGE} et {label:MSG_AUDIO_PAGE} montrent toujours les
réglages du codec choisi ici. Chaque codec garde ses propres réglages : vous
pouvez passer de l'un à l'autre sans rien perdre.</dd>
<dt>{label:MSG_TYPE}</dt>
<dd>Uniquement pour le 3GP et le MP4 (type d'appareil) et pour le MPEG
(formats de disque prédéfinis). Ce choix détermine les codecs
proposés.</dd>
<dt>{label:MSG_SAME_Q} : {ui:MSG_SAME_Q_DETAIL}</dt>
<dd>Demande à l'encodeur la meilleure qualité possible au lieu du débit
indiqué dans l'onglet {label:MSG_VIDEO_PAGE}. Les fichiers sont plus
volumineux.</dd>
<dt>{label:MSG_DISABLE_AUDIO} : {ui:MSG_DISABLE_AUDIO_DETAIL}</dt>
<dd>N'écrit que l'image. L'onglet {label:MSG_AUDIO_PAGE} disparaît, mais ses
réglages sont conservés.</dd>
</dl>

<h3 id="time">{label:MSG_TIME_CONTROL}</h3>
<p>Lorsque la case {ui:MSG_ENABLE_TIME_CONTROL} est cochée, seule une partie
de chaque source est convertie : à partir de {label:MSG_START_TIME}, pendant
{label:MSG_DURATION}. {label:MSG_END_TIME} est calculée automatiquement ; si
vous modifiez l'une des trois valeurs, les autres s'ajustent. Les durées
s'écrivent en heures, minutes, secondes et millisecondes
(<code>0:01:30.000</code>) ; une forme abrégée comme <code>1:30</code>
(minutes et secondes) ou <code>90</code> (secondes) est complétée lorsque
vous quittez le champ.</p>
<p class="note">Les chiffres après le point sont une fraction de seconde :
<code>0:00:01.5</code> et <code>1.5</code> signifient tous deux une seconde
et demie, <code>1.05</code> une seconde et 50 millisecondes.</p>
<p>Une saisie qui n'est pas une durée, qui dépasse 200 heures, ou une fin
placée avant le début est refusée par un message qui en donne la raison, et
le champ reprend sa valeur précédente. Case décochée, le fichier est
converti en entier ; les durées saisies sont gardées pour plus tard.</p>

<h2 id="video">L'onglet {label:MSG_VIDEO_PAGE}</h2>
<dl>
<dt>{label:MSG_VIDEO_BITRATE}</dt>
<dd><p>Le nombre de kilobits par seconde accordés à l'image : plus il est
élevé, plus l'image est belle et le fichier volumineux.</p>
<p>{ui:MSG_PRESET_QUALITY} : le curseur va de « {ui:MSG_LOW_Q} » à
« {ui:MSG_HIGH_Q} » par paliers fixes ; {label:MSG_CURRNET_BITRATE}
indique la valeur en kbit/s. Un profil dont le débit tombe entre deux
paliers ou au-delà de la fin du curseur (écrit à la main ou par un autre
programme) s'ouvre avec le curseur sur le palier le plus proche et affiche
sa propre valeur ; celle-ci est conservée tant que vous ne déplacez pas le
curseur, si bien qu'ouvrir un profil et l'enregistrer ne le modifie
jamais.</p>
<p>{ui:MSG_SPECIFY_SETTINGS} : cliquez sur {ui:MSG_CONFIGURE} et saisissez un
nombre entier compris entre le plus petit et le plus grand palier du format.
Une valeur hors de cet intervalle, ou qui n'est pas un nombre, est refusée
par un message ; la boîte reste ouverte jusqu'à ce que vous saisissiez une
valeur correcte ou que vous annuliez.</p></dd>
<dt>{label:MSG_VIDEO_SIZE}</dt>
<dd>{ui:MSG_KEEP_SOURCE_DIM} conserve la taille d'image de la source.
{ui:MSG_CHANGE_DIM} la redimensionne : choisissez une taille dans la liste ou
saisissez {label:MSG_VWIDTH} et {label:MSG_VHEIGHT} en pixels. Chaque codec
accepte des dimensions jusqu'à une limite qui lui est propre (la page de
chaque format l'indique) ; un nombre qui la dépasse est refusé par un
message indiquant l'intervalle permis, et le champ reprend sa valeur. La
plupart des codecs exigent des dimensions paires : une valeur impaire est
augmentée de un quand vous quittez le champ. L'entrée « ... » de la liste correspond à une
taille personnalisée. Le H.263 n'accepte que trois tailles.</dd>
<dt>{label:MSG_FRAMETRATE}</dt>
<dd>{ui:MSG_FRAMERATE_AUTO} conserve le nombre d'images par seconde de la
source ; {ui:MSG_CHANGE_FRAMERATE} convertit au nombre d'images par seconde
choisi dans la liste. Le Real Video, le MPEG-1 et le H.263 des téléphones
3GP ne peuvent pas suivre toutes les sources : pour eux, le choix s'intitule
« {msg:MSG_FRAMERATE_AUTO_FIXED|25} » (ou 12.5) et écrit ce nombre.</dd>
<dt>{label:MSG_ASPECT}</dt>
<dd>La forme que le lecteur donne à l'image. {ui:MSG_ASPECT_AUTO} conserve
celle de la source ; 4:3 convient aux téléviseurs classiques, 16:9 aux écrans
larges. Le H.263 propose en plus 1:1 (pixels carrés) et 11:9.</dd>
</dl>

<h2 id="audio">L'onglet {label:MSG_AUDIO_PAGE}</h2>
<dl>
<dt>{label:MSG_AUDIO_BITRATE}</dt>
<dd>Le curseur règle le débit audio en kbit/s. Si la case
{ui:MSG_AUDIO_BITRATE_AUTO} est cochée, l'encodeur le choisit lui-même. Les
débits proposés dépendent du codec et de la fréquence d'échantillonnage : plus
l'échantillonnage est bas, plus le débit maximal l'est aussi, et quand vous
en choisissez un, le curseur se replace de lui-même dans l'intervalle permis.
Un profil dont le débit dépasse ce que permet son échantillonnage le garde
jusqu'à ce que vous changiez l'échantillonnage ou le curseur. Le WAV non compressé et l'A-Law
n'ont pas de débit.</dd>
<dt>{label:MSG_SAMPLERATE}</dt>
<dd>Le nombre d'échantillons par seconde. 44100 Hz correspond à la qualité
CD, 48000 Hz aux DVD ; 8000 et 16000 Hz sont réservés à la voix (AMR).</dd>
<dt>{label:MSG_ACHANNELS}</dt>
<dd>{ui:MSG_CHANNELS_1} ou {ui:MSG_CHANNELS_2} ; l'AC3 propose aussi
{ui:MSG_CHANNELS_6}, toujours à 48000 Hz.</dd>
</dl>

<h2 id="values">Valeurs non acceptées par un codec</h2>
<p>Certains codecs n'acceptent que des valeurs précises : le H.263 ses trois
tailles, l'AMR ses débits vocaux. Plutôt que d'échouer, l'encodeur de
Kinovert remplace alors la valeur par la plus proche que le codec
accepte.</p>
"""

PAGES["devices"] = """
<p>Les téléphones et les baladeurs n'acceptent que des fichiers bien précis.
Pour eux, les formats 3GP et MP4 utilisent des <em>préréglages
d'appareils</em> au lieu de profils : chaque préréglage vise un type
d'appareil et offre quelques choix tout prêts, en général un fichier léger et
un fichier de meilleure qualité.</p>

<h2 id="use">Utiliser un préréglage</h2>
<ol>
<li>Cliquez sur l'appareil dans la liste <span class="ui">3GP Format</span>.
Le 3GP devient le format cible.</li>
<li>Choisissez l'une des propositions de l'appareil dans la liste
{label:MSG_PRPFILE}.</li>
<li>Cliquez sur {ui:MSG_CONVERT}.</li>
</ol>
<p>Kinovert retient le dernier appareil choisi et le sélectionne de nouveau au
démarrage suivant. Les préréglages MP4 (iPod et PSP) sont proposés dans les
éditions de Kinovert dotées d'un menu d'appareils MP4 ; la ligne de commande
peut les utiliser dans toutes les éditions (voir {page:cli}).</p>

<h2 id="shipped">Les préréglages fournis</h2>
<p>Les préréglages dont le titre contient « 3GPP » ou « 3GP2 » sont proposés
pour le 3GP, ceux qui contiennent « iPod » ou « PSP » pour le MP4.</p>
{devices}

<h2 id="own">Créer vos propres préréglages</h2>
<p>Un préréglage est un fichier texte placé dans le dossier
<code>default_setting</code> du dossier des profils (voir
{page:profiles#files|où sont enregistrés les profils}). Sa section
<code>[Info]</code> contient le titre (<code>TitleE</code>) et une
description (<code>DescriptionE</code>). Chaque section dont le nom commence
par <code>Item</code> constitue un choix : son titre (<code>TitleE</code>),
l'extension du fichier produit (<code>EXT</code>) et une ou plusieurs lignes
de commande (<code>Command1</code>, <code>Command2</code>, etc.), exécutées
l'une après l'autre pour chaque fichier.</p>
{preset:3gpp_h263_amr.ini}
<p>Dans les lignes de commande, <code>&lt;%InputFile%&gt;</code> désigne la
source, <code>&lt;%OutputFile%&gt;</code> le fichier produit sans son
extension, <code>&lt;%OutputPath%&gt;</code> le dossier de sortie et
<code>&lt;%AppPath%&gt;</code> le dossier du programme. Toutes les valeurs
sont protégées : un nom de fichier contenant des espaces ou des guillemets ne
pose aucun problème. Kinovert lit les préréglages au démarrage ; relancez-le
après en avoir ajouté un. Il n'existe pas d'éditeur de préréglages :
modifiez-les avec un éditeur de texte.</p>
"""

PAGES["converting"] = """
<p>Quand vous cliquez sur {ui:MSG_CONVERT}, Kinovert vérifie d'abord qu'il
peut commencer : la liste ne doit pas être vide ({msg:MSG_NOFILES}) et un
dossier de sortie doit être indiqué ({msg:MSG_EMPTY_DIR}). Si ce dossier
n'existe pas, Kinovert demande {msg:MSG_SURE_TO_CREATEDIR} et, si vous
répondez {ui:MSG_YES}, le crée avec les dossiers parents manquants.</p>

<h2 id="progress">La fenêtre de progression</h2>
{img:progress|La fenêtre de progression au milieu d'un lot}
<p>Pendant le traitement, la fenêtre de progression
({ui:MSG_ID_ENC_IN_PROGRESS}) indique :</p>
<ul>
<li>le rang du fichier en cours sur le nombre total, et le nom du fichier
produit ;</li>
<li>{label:MSG_ID_STATUS} : l'avancement du fichier en cours, avec son
{label:MSG_REMAINING_TIME} ;</li>
<li>{label:MSG_ID_BATCH} : l'avancement de l'ensemble du lot, pondéré par la
taille des fichiers, avec pour tout le lot {label:MSG_REMAINING_TIME},
{label:MSG_ELAPSED_TIME} et {label:MSG_ESTIMATED_TIME} ;</li>
<li>le dernier fichier en échec, avec la raison, en rouge (le pointer affiche
tous les échecs du lot) ;</li>
<li>{ui:MSG_DEL_AFTER} : voir {page:converting#delete|plus bas} ;</li>
<li>{ui:MSG_SHUTDOWN_AFTER} : cochez ou décochez la case à tout moment ; le
choix vaut pour ce lot et pour les suivants (voir
{page:converting#done|plus bas}).</li>
</ul>
<p>Les autres fichiers de la liste attendent leur tour ; la fenêtre
principale reste inaccessible tant que la fenêtre de progression est
ouverte.</p>

<h2 id="stop">Arrêter</h2>
<p>{ui:MSG_CANCEL} (ou {kbd:Échap}, ou la fermeture de la fenêtre) pose la
question {msg:MSG_ABORTENCODING}</p>
{img:question|La question posée à l'arrêt d'un lot}
<ul>
<li>{ui:MSG_BTN_NOW} interrompt immédiatement l'encodeur ; le fichier en
cours reste inachevé. Les fichiers déjà convertis sont conservés.</li>
<li>{ui:MSG_BTN_DONE} laisse le fichier en cours se terminer, puis met fin au
lot ; la fenêtre affiche {msg:MSG_ID_STOP_ENC}</li>
<li>{ui:MSG_CANCEL} poursuit le lot (et annule un
{ui:MSG_BTN_DONE} demandé auparavant).</li>
</ul>

<h2 id="tray">Travailler en arrière-plan</h2>
<p>{ui:MSG_SEND_TO_TRAY} masque les fenêtres de Kinovert et place son icône
dans la zone de notification du bureau ; l'infobulle de l'icône indique
l'avancement. Un double-clic sur l'icône (ou {ui:MSG_SHOW_WINDOW} dans son
menu) fait réapparaître les fenêtres. Le menu de l'icône propose aussi
{ui:MSG_TRAY_MENU_STOPENCODING}, qui pose la même question que
{ui:MSG_CANCEL}. Sur un bureau sans zone de notification, la fenêtre est
simplement réduite.</p>

<h2 id="failed">Quand un fichier échoue</h2>
<p>Si un fichier ne peut pas être converti, Kinovert le marque d'une croix
rouge et passe aussitôt au fichier suivant ; aucun message n'attend de
réponse, si bien qu'un lot laissé sans surveillance va jusqu'au bout. La
raison de l'échec (le message de l'encodeur, ou ce qui est arrivé : arrêt
depuis l'extérieur, dossier de sortie supprimé…) s'affiche dans la fenêtre de
progression, sur la ligne du fichier quand vous la pointez, et dans la note
de fin de lot. La source d'un fichier en échec n'est jamais supprimée. Les
causes habituelles sont décrites dans {page:trouble}.</p>

<h2 id="done">À la fin du lot</h2>
<p>La fenêtre de progression se ferme et chaque ligne affiche son résultat.
Kinovert dit ensuite comment le lot s'est terminé :
{msg:MSG_BATCH_ALL_CONVERTED|3|3}, {msg:MSG_BATCH_SOME_FAILED|2|3|1} ou
{msg:MSG_BATCH_STOPPED|1|3}. Il le dit par une notification (ou une bulle de
son icône dans la zone de notification), dans l'info-bulle de l'icône, et
dans une note de la fenêtre principale qui énumère les fichiers en échec avec
leur raison et reste affichée jusqu'à ce que vous la fermiez. Ensuite, si la
case {ui:MSG_SHUTDOWN_AFTER} est cochée et que tous les fichiers ont été
convertis, une fenêtre de compte à rebours vous laisse 30 secondes pour
cliquer sur {ui:MSG_CANCEL} avant que Kinovert n'exécute l'action choisie dans
les {page:settings|paramètres} : se fermer, arrêter l'ordinateur, fermer la
session, redémarrer, mettre en veille prolongée ou en veille. Le compte à
rebours nomme cette action. Il n'y a pas de compte à rebours si un fichier a
échoué ou si vous avez choisi {ui:MSG_BTN_NOW}.</p>
{img:shutdown|Le compte à rebours avant l'arrêt de l'ordinateur}

<h2 id="delete">Supprimer les fichiers source</h2>
<p>Kinovert peut supprimer chaque fichier source dès qu'il a été converti avec
succès ; un fichier en échec est toujours conservé. Cochez
{ui:MSG_DEL_AFTER} dans la fenêtre de progression (le choix compte aussitôt,
y compris pour le lot en cours) ou dans les {page:settings|paramètres} ; il
est conservé pour les lots suivants. Avec {page:cli|la ligne de commande},
utilisez l'option <code>--delete-source</code>.</p>
"""

PAGES["settings"] = """
<p>{ui:MSG_SETTINGS} (dans le menu d'aide et dans celui de la liste des
fichiers, ou {kbd:F12}) ouvre une petite boîte de dialogue à quatre réglages.
{ui:MSG_OK} les enregistre aussitôt ; {ui:MSG_CANCEL} ou {kbd:Échap} ne
change rien.</p>

{img:settings|La boîte de dialogue Paramètres}

<dl>
<dt>{label:MSG_THREADPRIORITY}</dt>
<dd>La part de l'ordinateur que l'encodeur peut occuper : {ui:MSG_IDLE}
(seulement ce dont rien d'autre n'a besoin ; l'ordinateur reste réactif),
{ui:MSG_NORMAL} (valeur par défaut), {ui:MSG_HIGH} et {ui:MSG_REALTIME}. Une
priorité supérieure à la normale exige des droits particuliers ; faute de
quoi l'encodeur tourne en priorité normale, et la boîte de dialogue l'indique
sous la liste ({msg:MSG_PRIORITY_NOT_ALLOWED}).</dd>
<dt>{label:MSG_DIRECTSHOW} : {ui:MSG_USE_DIRECTSHOW}</dt>
<dd>Fait passer chaque source par un petit script que l'encodeur ouvre à la
place du fichier lui-même. Il s'agit d'une voie de compatibilité pour les
profils et préréglages qui la prévoient ; laissez la case décochée en temps
normal, car l'encodeur lit directement tous les formats pris en charge.</dd>
<dt>{label:MSG_SOURCE_FILES} : {ui:MSG_DEL_AFTER}</dt>
<dd>Supprime chaque fichier source après sa conversion réussie (voir
{page:converting#delete|supprimer les fichiers source}) ; la même case que
dans la fenêtre de progression.</dd>
<dt>{label:MSG_SHUTDOWN_REAL_DOES}</dt>
<dd>Ce qui se passe après un lot réussi lorsque la case
{ui:MSG_SHUTDOWN_AFTER} est cochée : {msg:MSG_CLOSE_APP|@MSG_APPLICATION_TITLE}
(quitter le programme), {ui:MSG_SHUTDOWN} (éteindre), {ui:MSG_LOGOFF},
{ui:MSG_RESTART}, {ui:MSG_HIBERNATE} ou {ui:MSG_SUSPEMD}. Ces actions sont
demandées au système (systemd-logind) ; si celui-ci refuse, l'ordinateur
continue de fonctionner et Kinovert reste ouvert.</dd>
</dl>

<p>Les paramètres sont enregistrés dans le fichier <code>info.ini</code>, avec
les derniers dossiers utilisés et la position de la fenêtre (voir
{page:trouble#settings|où sont enregistrés les paramètres}).</p>
"""

PAGES["cli"] = """
<p><code>kinovert-cli</code> est un Kinovert sans fenêtre. Il convertit avec
les mêmes profils et préréglages d'appareils ; c'est l'outil qu'il vous faut
pour les scripts, les serveurs et les gros volumes.</p>

<pre><code>kinovert-cli [--home DOSSIER] COMMANDE [OPTIONS] [--] [ARGUMENTS]</code></pre>
<p><code>kinovert-cli --help</code> énumère les commandes, et
<code>kinovert-cli COMMANDE --help</code> les options d'une commande.</p>

<h2 id="list">Voir les profils et les préréglages</h2>
<p><code>list</code> affiche les profils de chaque format cible, avec leur
description et dans l'ordre de la liste des profils, et pour le MP4 et le
3GP les préréglages d'appareils : fichier, titre, menu, et chaque section
<code>Item</code> avec son titre. <code>-t</code> limite l'affichage à un seul
format. La commande lit les mêmes profils que la fenêtre, y compris les
vôtres.</p>
{listing:MP3}

<h2 id="convert">Convertir</h2>
<pre><code>kinovert-cli convert -t mp3 -p Standard -o ~/Musique -- *.avi
kinovert-cli convert -t mp3 -p ~/Téléchargements/Podcast.mpo -o ~/Musique entretien.wav
kinovert-cli convert -t 3gp -d 3gpp_h263_amr.ini -i Item1 -o sortie clip.mp4</code></pre>
<dl>
<dt><code>-t</code>, <code>--target FORMAT</code></dt>
<dd>AVI, MP4, 3GP, MPEG, MOV, WMV, RM, SWF, VOB, ASF, AAC, AC3, MP2, MP3, AMR
ou WAV, en majuscules ou en minuscules.</dd>
<dt><code>-p</code>, <code>--profile PROFIL</code></dt>
<dd>Un profil du format, nommé exactement comme <code>list</code>
l'affiche. Ou bien un fichier de profil, par exemple un profil que l'on vous
a envoyé : une valeur qui contient une barre oblique
(<code>./Podcast.mpo</code>, <code>~/Téléchargements/Podcast.mpo</code>)
désigne toujours un fichier ; un nom seul ne désigne un fichier du dossier
courant que si aucun profil ne porte ce nom. Un dossier, un fichier de plus
de 16 Mo ou un fichier qui ne contient aucun réglage des profils du format
est refusé.</dd>
<dt><code>-d</code>, <code>--device PRÉRÉGLAGE.ini</code>, <code>-i</code>,
<code>--item SECTION</code></dt>
<dd>Pour le MP4 et le 3GP, qui utilisent un préréglage d'appareil au lieu
d'un profil : le nom d'un fichier du dossier <code>default_setting</code>, ou
le chemin de n'importe quel fichier de préréglage, et l'une de ses sections
<code>Item</code>.</dd>
<dt><code>-o</code>, <code>--output DOSSIER</code></dt>
<dd>Le dossier de sortie, créé s'il n'existe pas.</dd>
<dt><code>--delete-source</code></dt>
<dd>Supprime chaque source après sa conversion réussie.</dd>
<dt><code>--priority 0-3</code></dt>
<dd>Basse, normale, haute, temps réel, comme dans les
{page:settings|paramètres}.</dd>
<dt><code>--progress auto|terminal|plain|json</code></dt>
<dd>La manière de suivre le lot ; voir {page:cli#progress|plus bas}.</dd>
</dl>
<p>Si le nom d'un profil, d'un préréglage ou d'une section est mal
orthographié, la réponse énumère les noms existants et propose le plus
proche. Les fichiers absents, d'un type inconnu ou illisibles sont signalés
et ignorés ; les échecs s'affichent au fur et à mesure et un bilan termine
le traitement. {kbd:Ctrl+C} arrête tout immédiatement et supprime le fichier
inachevé.</p>
<p>Les options suivent les règles habituelles : la valeur peut venir dans le
mot suivant ou être collée à l'option (<code>--target=mp3</code>,
<code>-tmp3</code>), une option longue peut être abrégée tant qu'elle reste
sans ambiguïté (<code>--prof</code>), et options et fichiers peuvent se
suivre dans n'importe quel ordre. <code>--</code> marque la fin des options :
un fichier nommé <code>-x.avi</code> est ainsi accepté.</p>

<h2 id="progress">Suivre un lot</h2>
<table>
<tr><th><code>--progress</code></th><th>Affichage</th></tr>
<tr><td><code>auto</code></td><td>Par défaut : <code>terminal</code> si la
sortie d'erreur est un terminal, <code>plain</code> sinon.</td></tr>
<tr><td><code>terminal</code></td><td>Une seule ligne, redessinée sur place,
avec le fichier en cours et le lot.</td></tr>
<tr><td><code>plain</code></td><td>Une ligne par étape, pour les journaux :
<code>[2/3] source -&gt; sortie</code>, <code>[2/3] done</code>.</td></tr>
<tr><td><code>json</code></td><td>Des lignes JSON pour les programmes : un
objet JSON par ligne sur la sortie standard, écrit au fil du
traitement.</td></tr>
</table>
<p>Chaque objet JSON porte un champ <code>event</code> : <code>start</code>
(format cible, dossier de sortie, nombre de fichiers), <code>file</code>
(l'état <code>state</code> d'un fichier : <code>converting</code>, puis
<code>done</code>, <code>failed</code> avec sa raison <code>reason</code>, ou
<code>stopped</code>), <code>progress</code> (<code>file_percent</code>,
<code>batch_percent</code>, <code>elapsed</code> et <code>remaining</code> en
secondes, null tant qu'ils sont inconnus) et <code>end</code> (nombre de
fichiers convertis, en échec et ignorés) ; <code>skipped</code> et
<code>message</code> signalent un fichier laissé de côté et un problème
survenu en dehors de la conversion. Les messages destinés aux personnes
restent sur la sortie d'erreur.</p>
<pre><code>$ kinovert-cli convert -t mp3 -p Standard -o sortie --progress json son.wav
{"event":"start","target":"MP3","output":"/home/moi/sortie","count":1}
{"event":"file","index":1,"count":1,"state":"converting","input":"/home/moi/son.wav","output":"/home/moi/sortie/son.mp3"}
{"event":"progress","index":1,"count":1,"name":"son.wav","file_percent":100,"batch_percent":100,"elapsed":0,"remaining":0}
{"event":"file","index":1,"count":1,"state":"done","input":"/home/moi/son.wav","output":"/home/moi/sortie/son.mp3"}
{"event":"end","converted":1,"failed":0,"skipped":0,"stopped":false}</code></pre>

<h2 id="other">Autres commandes</h2>
<table>
<tr><th>Commande</th><th>Effet</th></tr>
<tr><td><code>info [--report] FICHIER…</code></td><td>Affiche les
caractéristiques de chaque fichier, les mêmes que le panneau d'informations ;
<code>--report</code> affiche le rapport complet de la fenêtre
{ui:MSG_FILEINFO_CAPTION}.</td></tr>
<tr><td><code>settings</code></td><td>Affiche les paramètres avec lesquels le
programme démarre et les dossiers utilisés (fichier de paramètres, profils,
aide).</td></tr>
<tr><td><code>options -t FORMAT FICHIER_PROFIL</code></td><td>Affiche les
options d'encodage qui correspondent à un profil.</td></tr>
<tr><td><code>profile default -t FORMAT FICHIER</code></td><td>Écrit un
profil avec les réglages par défaut du format.</td></tr>
<tr><td><code>profile normalize -t FORMAT FICHIER</code></td><td>Lit un
profil et le réécrit en détaillant tous les réglages.</td></tr>
<tr><td><code>time parse TEXTE</code>, <code>time format MS</code>,
<code>time encoder TEXTE</code></td><td>Montre comment les éditeurs
interprètent une durée (en millisecondes), le texte correspondant à un nombre
de millisecondes, et les millisecondes d'une durée écrite par l'encodeur
(hh:mm:ss.ff).</td></tr>
</table>

<h2 id="completion">Complétion dans le shell</h2>
<p>Un Kinovert installé apporte la complétion pour bash (avec le paquet
bash-completion) et zsh : la touche {kbd:Tab} complète les commandes, les
options, les noms des formats, et les noms des profils, des préréglages et
des sections qui correspondent au format et au préréglage déjà saisis sur la
ligne, y compris les vôtres.</p>

<h2 id="exit">Codes de retour</h2>
<p>0 : tout s'est bien passé. 1 : des fichiers ont échoué ou ont été ignorés.
2 : erreur d'utilisation, ou rien n'a pu démarrer ; une ligne sur la sortie
d'erreur en donne la raison. <code>--home DOSSIER</code> (ou la variable
d'environnement <code>KINOVERT_HOME</code>) désigne un autre dossier de
programme.</p>

<h2 id="parallel">Plusieurs fichiers à la fois</h2>
<p>Un lot traite les fichiers l'un après l'autre. Pour occuper tous les cœurs
du processeur, lancez un lot par fichier avec GNU parallel :</p>
<pre><code>parallel -j4 kinovert-cli convert -t mp3 -p Standard -o ~/Musique -- {} ::: *.avi</code></pre>
<p>Des lots qui tournent en parallèle n'écrivent jamais dans le même fichier
de sortie.</p>
"""

PAGES["trouble"] = """
<h2 id="failed">Un fichier a échoué</h2>
<p>Une croix rouge devant un fichier signifie que l'encodeur n'a pas pu le
convertir. Pointez la ligne du fichier pour lire pourquoi ; la fenêtre de
progression l'a affiché pendant le lot, et la note de fin de lot énumère
chaque fichier en échec avec sa raison. Le reste du lot a continué. Causes
fréquentes :</p>
<ul>
<li><strong>La source est endommagée ou incomplète</strong>, par exemple un
téléchargement interrompu. Vérifiez-la avec {ui:MSG_PLAY_SOURCE}.</li>
<li><strong>Le profil demande quelque chose que le codec ou le format ne sait
pas faire.</strong> Essayez l'un des profils fournis ; s'il fonctionne,
comparez ses réglages aux vôtres dans {page:editor|l'éditeur de
profil}.</li>
<li><strong>Le dossier de sortie n'est pas accessible en écriture</strong>, ou
le disque est plein.</li>
<li><strong>L'encodeur a été arrêté depuis l'extérieur</strong> : tué par un
signal que Kinovert n'a pas envoyé, par exemple par le système faute de
mémoire.</li>
<li><strong>Il manque un codec à FFmpeg.</strong> Seul le son AMR (le format
cible AMR, ainsi que les préréglages et profils 3GP qui choisissent l'AMR)
demande FFmpeg avec les codecs supplémentaires (sous Debian, le paquet
<code>libavcodec-extra</code>) ; tout le reste se convertit avec FFmpeg tel
qu'il est installé.</li>
</ul>
<p>Pour lire tout ce que dit l'encodeur, convertissez le fichier en ligne de
commande : <code>kinovert-cli convert --target avi --profile Standard --output
/tmp/test -- FICHIER</code> affiche chaque ligne d'erreur. Un fichier de
sortie absent ou vide à la fin de l'encodage compte aussi comme un échec ; la
source d'un fichier en échec n'est jamais supprimée.</p>

<h2 id="sound">Un fichier converti n'a pas de son</h2>
<ul>
<li>La case {ui:MSG_DISABLE_AUDIO_DETAIL} est cochée dans l'onglet
{label:MSG_PROFILE_GENERAL} du profil : décochez-la et convertissez à
nouveau.</li>
<li>La source n'a pas de son : le panneau sous la liste des fichiers indique
alors {label:MSG_AUDIOCOUNT} 0.</li>
<li>Le lecteur ne connaît pas le codec audio. Beaucoup de téléphones lisent
l'AMR bande étroite, mais pas l'AMR bande élargie ni l'AAC dans un fichier
3GP, et l'AC3 à six canaux exige un lecteur qui décode le 5.1. Essayez un
autre profil ou un autre préréglage, ou lisez le fichier sur un ordinateur
pour vérifier que le son est bien là.</li>
</ul>

<h2 id="preset">Un préréglage d'appareil ou un profil est refusé</h2>
<p>Un préréglage d'appareil n'est exécuté que si chacune de ses commandes est
un simple appel de l'encodeur : <code>&lt;%AppPath%&gt;/avcore</code> suivi
d'options et de variables. Une commande contenant un caractère que seul un
shell interpréterait (<code>;</code>, <code>|</code>, <code>$</code>,
guillemets, redirections) est refusée avec le message <span class="msg">The
device preset "…" is not run: …</span>, et rien n'est converti avec ce
préréglage. Utilisez l'un des préréglages fournis, ou copiez-en un et ne
modifiez que ses options.</p>
<p><code>kinovert-cli</code> refuse aussi un préréglage destiné à une autre
cible (un préréglage iPod ou PSP pour MP4, un préréglage 3GP pour 3GP) et un
fichier de profil qui n'en est pas un : un dossier, un fichier de plus de
16 Mo, un fichier qui ne porte pas l'extension des profils de la cible
(<code>.avo</code> pour AVI, …) ou dont la section <code>[General]</code> ne
contient aucune de leurs clés. Le message en donne la raison.</p>

<h2 id="adding">Un fichier ne s'ajoute pas à la liste</h2>
<ul>
<li>{msg:MSG_FORMAT_ERROR|…} : MediaInfo n'a pas pu lire le fichier. Il est
peut-être endommagé, ou ce n'est pas un fichier multimédia.</li>
<li>Rien ne se passe : le fichier figure déjà dans la liste, c'est un dossier,
ou son extension ne fait pas partie des formats lus. Le filtre de la boîte de
dialogue {ui:MSG_BROWSE} énumère tous les types acceptés.</li>
</ul>

<h2 id="start">Kinovert ne démarre pas</h2>
<p>{msg:MSG_NO_DAT_FILE|…/skin/kvo/lang/type_french.dat} : le fichier qui
décrit les formats lisibles pour la langue choisie est absent. Kinovert ne
peut pas fonctionner sans lui et se ferme ; réinstallez le programme. La même
vérification a lieu quand vous changez de langue.</p>
<p>{msg:MSG_CREATE_DIR_ERROR} : les dossiers des profils n'ont pas pu être
créés, le plus souvent parce que le dossier n'est pas accessible en écriture.
Un dossier de programme placé dans votre dossier personnel devrait l'être ;
un programme installé utilise vos propres dossiers (voir ci-dessous).</p>
<p>{msg:MSG_NOENCODER|avcore} : le programme d'encodage manque dans le dossier
du programme. Réinstallez Kinovert.</p>

<h2 id="settings">Où sont enregistrés les paramètres et les profils ?</h2>
<table>
<tr><th></th><th>Dossier de programme compilé ou décompressé (portable)</th><th>Programme installé</th></tr>
<tr><td>Paramètres</td><td><code>info.ini</code> dans le dossier du programme</td>
<td><code>~/.config/kinovert/info.ini</code></td></tr>
<tr><td>Profils</td><td><code>profile_fr/</code> … dans le dossier du programme</td>
<td><code>~/.local/share/kinovert/profile_fr/</code> …</td></tr>
</table>
<p>Un dossier de programme qui contient le fichier <code>installed</code>, ou
dans lequel vous ne pouvez pas écrire, est considéré comme installé. Si les
variables <code>$XDG_CONFIG_HOME</code> ou <code>$XDG_DATA_HOME</code> sont
définies, elles remplacent <code>~/.config</code> et
<code>~/.local/share</code>. <code>kinovert --help</code> et
<code>kinovert-cli settings</code> affichent les dossiers utilisés.</p>
<p>Pour revenir aux paramètres par défaut, fermez Kinovert et supprimez
<code>info.ini</code> : le fichier est recréé au démarrage suivant. Un
Kinovert installé ne recopie jamais un profil fourni que vous avez modifié ou
supprimé ; pour retrouver l'original, copiez-le depuis l'installation (par
exemple <code>/usr/share/kinovert/profile_fr/avi/Standard.avo</code>) dans
votre propre dossier de profils.</p>

<h2 id="help">L'aide ne s'ouvre pas</h2>
<p>{ui:MSG_HELP_CONTENT} et {ui:MSG_QUICK_START} ouvrent ces pages dans votre
navigateur. S'il manque une page, Kinovert l'indique :
{msg:MSG_NO_HELP|…}. Les pages se trouvent dans
<code>skin/kvo/lang/fr_help/</code> du dossier du programme (en_help, de_help,
it_help pour les autres langues) ; vous pouvez aussi les ouvrir vous-même
dans un navigateur. Si rien ne s'ouvre, votre bureau n'a pas de navigateur
par défaut : définissez-en un (sur la plupart des bureaux avec
<code>xdg-settings set default-web-browser …</code>).</p>
<p>L'aide s'ouvre dans la langue pour laquelle Kinovert a été compilé, même si
vous avez choisi une autre langue dans {ui:MSG_LANG} ; les liens en haut de
chaque page mènent à la même page dans les autres langues.</p>
<p>{ui:MSG_ONLINE_RES} ouvre la page d'accueil de cette aide et
{ui:MSG_TECH_SUPPORT} cette page-ci, sauf si votre copie de Kinovert a été
construite avec ses propres adresses ; la boîte {ui:MSG_ABOUT} mène aux deux
mêmes pages.</p>

<h2 id="messages">Autres messages</h2>
<dl>
<dt>{msg:MSG_EMPTY_DIR}</dt>
<dd>Saisissez ou choisissez un dossier dans le champ
{label:MSG_OUTPUTDIR}.</dd>
<dt>{msg:MSG_FAIL_TO_CREATEDIR}</dt>
<dd>Le dossier de sortie n'a pas pu être créé : vérifiez son orthographe et
vos droits d'écriture sur le dossier parent.</dd>
<dt>{msg:MSG_LAST_PROFILE}</dt>
<dd>Chaque format conserve au moins un profil.</dd>
<dt>{msg:MSG_RENAMEFAILD}</dt>
<dd>Un autre profil du format porte déjà ce nom.</dd>
</dl>

<h2 id="report">Signaler un problème</h2>
<p>Si quelque chose ne fonctionne pas et que cette page ne l'explique pas,
prévenez la personne ou l'organisation qui vous a fourni votre copie de
Kinovert ; pour un programme installé à partir d'un paquet, c'est le système
de suivi des bogues de ce paquet. Un rapport utile contient :</p>
<ul>
<li>la version : la barre de titre l'affiche, et <code>kinovert --version</code>
l'imprime ;</li>
<li>ce que vous avez fait, ce que vous attendiez et ce qui s'est passé, avec
le texte exact de chaque message ;</li>
<li>pour un fichier qui a échoué : la cible et le profil ou le préréglage,
ainsi que ce qu'affiche <code>kinovert-cli convert</code> pour ce fichier
(voir {page:cli}) ; <code>kinovert-cli options</code> affiche les options
d'encodeur d'un profil ;</li>
<li>ce que <code>kinovert-cli info</code> indique sur la source, et ce
qu'affiche <code>ffmpeg -version</code> ;</li>
<li>le fichier de profil lui-même si vous l'avez créé ou modifié (voir plus
haut où se trouvent les paramètres et les profils).</li>
</ul>
<p>N'envoyez aucun fichier que vous n'avez pas le droit de partager : un court
extrait qui montre le problème suffit.</p>
"""

# ---------------------------------------------------------------- formats cibles

TARGET_INTRO = """
<p>Le menu {ui:MSG_CONVERT_TO} › <span class="ui">{name}</span> choisit ce
format comme cible ; la liste {label:MSG_PRPFILE} présente alors ses
profils. Cette page détaille ce qu'un profil {name} peut contenir ; le sens de
chaque réglage est expliqué dans {page:editor|l'éditeur de profil}.</p>
"""

PAGES["to-avi"] = """
<p>L'AVI est le conteneur vidéo le plus répandu. Kinovert l'écrit en MPEG-4
(compatible DivX ou Xvid), en MPEG-4 Microsoft de première génération, en
H.263, en H.264, en huffYUV sans perte, en Motion-JPEG, en Sorenson ou en
vidéo Flash, avec un son MP2, MP3, WAV non compressé ou AC3. C'est un bon
choix pour les ordinateurs et pour les lecteurs de salon qui lisent les
fichiers DivX.</p>
<h2>Profils fournis</h2>
{profiles:AVI}
<h2>Codecs et réglages</h2>
{options:AVI}
<p>Le huffYUV conserve tous les détails mais produit des fichiers énormes :
réservez-le aux vidéos que vous comptez retoucher. Pour la lecture, le Divx
ou le Xvid entre 1080 et 2496 kbit/s donne une belle image au format
DVD.</p>
<div class="shots">
{img:editor-avi-general|L'onglet Général de l'éditeur de profil AVI}
{img:editor-avi-video|L'onglet Vidéo de l'éditeur de profil AVI}
</div>
"""

PAGES["to-mp4"] = """
<p>Les fichiers MP4 se lisent sur la plupart des téléphones, tablettes,
lecteurs multimédias et navigateurs web. Kinovert les écrit en H.264 avec un
son AAC.</p>
<p>Comme le 3GP, le MP4 se convertit avec des
{page:devices|préréglages d'appareils} : iPod et PlayStation Portable, à
choisir dans le menu des appareils MP4 des éditions de Kinovert qui en ont
un, ou avec l'option <code>--device</code> de {page:cli|la ligne de
commande}.</p>
<p>En plus des préréglages, Kinovert conserve des profils MP4 (les fichiers
du dossier de profils <code>mp4</code>) qui contiennent les réglages
ci-dessous. Les conversions ne les utilisent pas ; la commande
<code>kinovert-cli options --target mp4 FICHIER</code> affiche les options
d'encodage correspondantes, que vous pouvez reprendre dans un préréglage de
votre cru.</p>
<h2>Profils fournis</h2>
{profiles:MP4}
<h2>Codecs et réglages</h2>
{options:MP4}
<p>La liste {label:MSG_TYPE} indique l'appareil visé. {ui:MSG_TYPE_PSP}
produit la variante de MP4 propre à la PSP et n'accepte l'AAC qu'à
48000 Hz ; {ui:MSG_TYPE_IPOD}, {ui:MSG_TYPE_MOBILE} et {ui:MSG_TYPE_MP4}
proposent les huit fréquences d'échantillonnage de 11025 à 48000 Hz. La liste des tailles
signale celles qui conviennent à ces appareils, par exemple
{ui:MSG_PSP_FULLSCR} (368x208).</p>
<div class="shots">
{img:editor-mp4-general|L'onglet Général de l'éditeur de profil MP4}
{img:editor-mp4-audio|L'onglet Audio de l'éditeur de profil MP4}
</div>
"""

PAGES["to-3gp"] = """
<p>Le 3GP est le format vidéo des téléphones portables, et le format cible
que Kinovert propose à l'ouverture : les préréglages des téléphones figurent
dans la liste <span class="ui">3GP Format</span> de la fenêtre principale,
et la liste {label:MSG_PRPFILE} propose leurs niveaux de qualité. Voir
{page:devices}.</p>
<p>En plus des préréglages, Kinovert conserve des profils 3GP (les fichiers
du dossier de profils <code>3gp</code>) qui contiennent les réglages
ci-dessous. Les conversions utilisent les préréglages et non ces profils ;
la commande <code>kinovert-cli options --target 3gp FICHIER</code> affiche
les options d'encodage correspondantes, que vous pouvez reprendre dans un
préréglage de votre cru.</p>
<h2>Profils fournis</h2>
{profiles:3GP}
<h2>Codecs et réglages</h2>
{options:3GP}
<p>Le {label:MSG_TYPE} détermine les codecs proposés : les téléphones
{ui:MSG_3GP_TYPE1} lisent la vidéo H.263 ou MPEG-4 avec un son AMR ou AAC ;
les téléphones {ui:MSG_3GP_TYPE2} et {ui:MSG_3GP_TYPE3} lisent le MPEG-4 ou
le Xvid avec de l'AAC. Chaque type garde son propre choix de codecs.</p>
<p>Le H.263 est compris par presque tous les téléphones mais n'admet que
trois tailles. Si vous choisissez le MPEG-4, l'AMR bande élargie ou l'AAC
pour un téléphone Nokia, NEC ou Siemens, Kinovert vous avertit que certains
modèles ne savent pas les lire : si la vidéo reste muette ou noire sur votre
téléphone, revenez au H.263 et à l'AMR bande étroite. L'AMR est un codec
vocal : mono, à 8000 Hz (bande étroite) ou 16000 Hz (bande élargie).</p>
<div class="shots">
{img:editor-3gp-general|L'onglet Général de l'éditeur de profil 3GP}
{img:editor-3gp-video|L'onglet Vidéo de l'éditeur de profil 3GP}
{img:editor-3gp-audio|L'onglet Audio de l'éditeur de profil 3GP}
</div>
"""

PAGES["to-mpeg"] = """
<p>Les fichiers MPEG se lisent presque partout. Le MPEG-1 convient aux
lecteurs anciens et aux Vidéo CD ; le MPEG-2 est la vidéo des DVD et de la
télévision.</p>
<h2>Profils fournis</h2>
{profiles:MPEG}
<h2>Codecs et réglages</h2>
{options:MPEG}
<h2 id="presets">{label:MSG_PRESET_FORMATS} : VCD, SVCD et DVD</h2>
<p>Lorsque la case {ui:MSG_USE_PRESET_FORMATS} est cochée, Kinovert produit des
fichiers conformes à un format de disque et laisse de côté les réglages des
codecs :</p>
<ul>
<li><strong>VCD</strong> (Vidéo CD) : MPEG-1 en 352x288 (PAL) ou 352x240
(NTSC) avec un son MP2 ; lisible par presque tous les lecteurs de DVD.</li>
<li><strong>SVCD</strong> (Super Vidéo CD) : MPEG-2 en 480x576 ou 480x480 ;
une meilleure image, mais moins de lecteurs compatibles.</li>
<li><strong>DVD</strong> : MPEG-2 en 720x576 ou 720x480. Pour le DVD, l'onglet
{ui:MSG_DVD_PAGE} règle le débit vidéo, le format d'image et le débit
audio.</li>
</ul>
<p>{label:MSG_TARGET_FORMAT} fixe la norme de télévision :
{ui:MSG_TARGET_FORMAT_PAL} (Europe, majeure partie de l'Asie et de
l'Afrique, 25 images par seconde), {ui:MSG_TARGET_FORMAT_NTSC} (Amérique du
Nord et Japon, 29,97 images par seconde) ou {ui:MSG_TARGET_FORMAT_AUTO}, qui
reprend le nombre d'images par seconde de la source. Vos réglages de codecs sont conservés
et reviennent quand vous décochez la case.</p>
<p>L'éditeur MPEG accepte des largeurs et hauteurs impaires telles que vous
les saisissez.</p>
<div class="shots">
{img:editor-mpeg-general|L'onglet Général de l'éditeur de profil MPEG avec un format prédéfini}
{img:editor-mpeg-dvd|L'onglet DVD de l'éditeur de profil MPEG}
</div>
"""

PAGES["to-mov"] = """
<p>Le MOV est le format QuickTime. Kinovert l'écrit en Sorenson, MPEG-4, Xvid,
H.263 ou H.264, avec un son AAC, A-Law, AMR ou non compressé. Le couple
H.264 et AAC est le mieux lu par les ordinateurs et appareils
actuels.</p>
<h2>Profils fournis</h2>
{profiles:MOV}
<h2>Codecs et réglages</h2>
{options:MOV}
<div class="shots">
{img:editor-mov-general|L'onglet Général de l'éditeur de profil MOV}
{img:editor-mov-video|L'onglet Vidéo de l'éditeur de profil MOV}
</div>
"""

PAGES["to-wmv"] = """
<p>Les fichiers WMV (Windows Media Video) se lisent dans le Lecteur Windows
Media et dans beaucoup d'autres lecteurs. Kinovert les écrit en MPEG-4
Microsoft (versions 2 et 3) ou en Windows Media 7 et 8, avec un son
MP3.</p>
<h2>Profils fournis</h2>
{profiles:WMV}
<h2>Codecs et réglages</h2>
{options:WMV}
<p>Pour les formats Windows Media, les paliers de débit s'arrêtent à
6000 kbit/s.</p>
<div class="shots">
{img:editor-wmv-general|L'onglet Général de l'éditeur de profil WMV}
{img:editor-wmv-video|L'onglet Vidéo de l'éditeur de profil WMV}
</div>
"""

PAGES["to-rm"] = """
<p>Le RM est le format RealMedia de RealPlayer. Kinovert écrit de la vidéo
Real Video avec un son AC3.</p>
<h2>Profils fournis</h2>
{profiles:RM}
<h2>Codecs et réglages</h2>
{options:RM}
<p>Real Video exige des dimensions multiples de 16 et ne sait pas écrire
d'images plus grandes que 720x576 : la liste s'arrête là, l'éditeur n'accepte
ni largeur ni hauteur plus grande, et l'encodeur ramène les autres tailles à
des multiples de 16.</p>
<div class="shots">
{img:editor-rm-general|L'onglet Général de l'éditeur de profil RM}
{img:editor-rm-video|L'onglet Vidéo de l'éditeur de profil RM}
</div>
"""

PAGES["to-swf"] = """
<p>Le SWF est le format Flash qu'intègrent les pages web d'ancienne
génération. Kinovert écrit de la vidéo Flash avec un son MP3.</p>
<h2>Profils fournis</h2>
{profiles:SWF}
<h2>Codecs et réglages</h2>
{options:SWF}
<p>Le Flash n'accepte le MP3 qu'à 11025, 22050 ou 44100 Hz, et ses paliers de
débit s'arrêtent à 3600 kbit/s.</p>
<div class="shots">
{img:editor-swf-general|L'onglet Général de l'éditeur de profil SWF}
{img:editor-swf-audio|L'onglet Audio de l'éditeur de profil SWF}
</div>
"""

PAGES["to-vob"] = """
<p>Le VOB est le format des fichiers du dossier <code>VIDEO_TS</code> d'un
DVD : de la vidéo MPEG-2 avec un son MP2 ou AC3. Utilisez-le pour préparer
des vidéos destinées à un logiciel de création de DVD.</p>
<h2>Profils fournis</h2>
{profiles:VOB}
<h2>Codecs et réglages</h2>
{options:VOB}
<p>Choisissez 720x576 à 25 images par seconde pour un DVD PAL, 720x480 à 29,97
pour un DVD NTSC, comme le font les deux profils fournis. Le VOB ne propose
que les nombres d'images par seconde admis sur un DVD.</p>
<div class="shots">
{img:editor-vob-general|L'onglet Général de l'éditeur de profil VOB}
{img:editor-vob-video|L'onglet Vidéo de l'éditeur de profil VOB}
</div>
"""

PAGES["to-asf"] = """
<p>L'ASF (Advanced Systems Format) est le conteneur de Windows Media. Kinovert
l'écrit en MPEG-4 Microsoft avec un son MP3, pour les anciens lecteurs
Windows et les serveurs de diffusion.</p>
<h2>Profils fournis</h2>
{profiles:ASF}
<h2>Codecs et réglages</h2>
{options:ASF}
<div class="shots">
{img:editor-asf-general|L'onglet Général de l'éditeur de profil ASF}
{img:editor-asf-video|L'onglet Vidéo de l'éditeur de profil ASF}
</div>
"""

PAGES["to-aac"] = """
<p>À débit égal, l'AAC sonne mieux que le MP3 ; il se lit sur les téléphones,
les tablettes et les lecteurs multimédias. Kinovert enregistre le son de la
source (y compris d'une vidéo) dans un fichier <code>.aac</code>.</p>
<h2>Profils fournis</h2>
{profiles:AAC}
<h2>Réglages</h2>
{options:AAC}
<p>Plus la fréquence d'échantillonnage est basse, plus le débit maximal l'est
aussi ; si vous choisissez un échantillonnage bas, le curseur du débit redescend
de lui-même.</p>
{img:editor-aac-audio|L'onglet Audio de l'éditeur de profil AAC}
"""

PAGES["to-ac3"] = """
<p>L'AC3 (Dolby Digital) est le son des DVD et du home cinéma. Il peut
contenir un son surround 5.1.</p>
<h2>Profils fournis</h2>
{profiles:AC3}
<h2>Réglages</h2>
{options:AC3}
<p>Avec {ui:MSG_CHANNELS_6}, la fréquence d'échantillonnage est fixée à
48000 Hz et le débit commence à 112 kbit/s. À 22050 et 24000 Hz, le débit
s'arrête à 320 kbit/s ; à 44100 et 48000 Hz, il commence à 48 kbit/s.</p>
{img:editor-ac3-audio|L'onglet Audio de l'éditeur de profil AC3}
"""

PAGES["to-mp2"] = """
<p>Le MP2 (MPEG-1 Layer II) est le son des Vidéo CD et de la radio
numérique.</p>
<h2>Profils fournis</h2>
{profiles:MP2}
<h2>Réglages</h2>
{options:MP2}
{img:editor-mp2-audio|L'onglet Audio de l'éditeur de profil MP2}
"""

PAGES["to-mp3"] = """
<p>Le MP3 est le format audio que tous les lecteurs connaissent. Utilisez-le
pour extraire le son d'une vidéo ou pour alléger des fichiers de
musique.</p>
<h2>Profils fournis</h2>
{profiles:MP3}
<h2>Réglages</h2>
{options:MP3}
<p>128 kbit/s à 44100 Hz conviennent à un usage courant ; à partir de
192 kbit/s, la différence avec l'original devient difficile à
percevoir.</p>
{img:editor-mp3-audio|L'onglet Audio de l'éditeur de profil MP3}
"""

PAGES["to-amr"] = """
<p>L'AMR est un codec vocal conçu pour les téléphones portables : idéal pour
les enregistrements de voix et les messages parlés, il ne convient pas à la
musique.</p>
<h2>Profils fournis</h2>
{profiles:AMR}
<h2>Réglages</h2>
{options:AMR}
<p>L'{ui:MSG_AMRNB} (8000 Hz) est lue par tous les téléphones. L'{ui:MSG_AMRWB}
(16000 Hz) est plus claire, mais certains téléphones et lecteurs ne la lisent
pas ; Kinovert vous avertit donc quand vous la choisissez. Les deux sont
uniquement mono. L'encodeur retient le débit défini par le codec le plus
proche, par exemple 12,2 kbit/s pour le palier 12.</p>
{img:editor-amr-audio|L'onglet Audio de l'éditeur de profil AMR}
"""

PAGES["to-wav"] = """
<p>Le WAV contient du son non compressé : la meilleure qualité, et les
fichiers les plus gros. Utilisez-le pour le montage ou pour graver des CD
audio.</p>
<h2>Profils fournis</h2>
{profiles:WAV}
<h2>Réglages</h2>
{options:WAV}
<p>Le {ui:MSG_PCM16LE} à 44100 Hz en stéréo correspond à la qualité CD. Le
{ui:MSG_PCMU8} prend deux fois moins de place et suffit pour la voix. Le WAV
n'a pas de réglage de débit : la taille découle de la fréquence
d'échantillonnage et du nombre de canaux.</p>
{img:editor-wav-audio|L'onglet Audio de l'éditeur de profil WAV}
"""
