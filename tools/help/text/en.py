# SPDX-License-Identifier: GPL-3.0-or-later
# English help pages. Placeholders are explained in tools/help/make_help.py.

TARGET_TITLE = "Converting to {name}"

TITLES = {
    "intro": "Introduction",
    "quickstart": "Quick start",
    "overview": "The user interface (Overview)",
    "profiles": "Profiles",
    "editor": "The profile editor",
    "devices": "Device presets",
    "converting": "During a conversion",
    "settings": "Settings",
    "cli": "The command line",
    "trouble": "Troubleshooting",
}

GROUPS = {
    "start": "Getting started",
    "profiles": "Profiles",
    "formats": "Target formats",
    "convert": "Converting",
    "more": "Reference",
}

WORDS = {
    "help": "Kinovert Help",
    "skip": "Skip to the text",
    "contents": "Contents",
    "shortcuts": "Shortcuts",
    "languages": "Languages",
    "profile": "Profile",
    "preset_file": "File",
    "preset_title": "Device",
    "preset_description": "For",
    "preset_items": "Choices in the profile box",
    "shown_for": "for {}",
    "advisory": "shows a warning when chosen",
    "codec": "Codec",
    "fixed_sizes": "fixed: {}",
    "free_size": "free: from the list or typed, from {} up to {}x{} pixels",
    "even_sizes": "(odd values are made even)",
    "size_list": "Sizes in the list:",
    "frame_rates": "Frame rates in the list (frames per second):",
    "fixed_auto_rate": "{0}: {1} writes {2} frames per second whatever the source, as the codec cannot follow every source's rate.",
    "no_bitrate": "none (uncompressed)",
    "at_rates": "{} Hz: {} – {}",
    "six_channels": "{}: {} – {}",
}

PAGES = {}

PAGES["intro"] = """
<p>Kinovert converts video and audio files in batches. You collect files in a
list, choose what they should become, pick an output folder and press
{ui:MSG_CONVERT}. Kinovert then converts one file after the other and marks
each one as done or failed.</p>

{img:main|The Kinovert main window with three files in the list and the media information of the selected file}

<h2>What Kinovert can make</h2>
<p>Sixteen target formats are available:</p>
<ul>
<li>video: {page:to-avi|AVI}, {page:to-mp4|MP4}, {page:to-3gp|3GP}, {page:to-mpeg|MPEG},
{page:to-mov|MOV}, {page:to-wmv|WMV}, {page:to-rm|RM}, {page:to-swf|SWF},
{page:to-vob|VOB} and {page:to-asf|ASF};</li>
<li>audio only: {page:to-aac|AAC}, {page:to-ac3|AC3}, {page:to-mp2|MP2},
{page:to-mp3|MP3}, {page:to-amr|AMR} and {page:to-wav|WAV}.</li>
</ul>
<p>How a file is converted is decided by a <em>profile</em>: a named set of
encoding settings such as codec, bitrate, frame size and sample rate. Kinovert
ships ready-made profiles for every format, and you can add your own. For
mobile phones (3GP) and players (MP4), <em>device presets</em> take the place
of profiles.</p>

<h2>Where to start</h2>
<ul>
<li>{page:quickstart} takes you through your first conversion in five steps.</li>
<li>{page:overview} explains every part of the main window, its menus and
its keyboard shortcuts.</li>
<li>{page:profiles} and {page:editor} show how to make your own settings; each
target format has a page of its own that lists what its profiles offer.</li>
<li>{page:converting} describes the progress window and what happens when a
batch is finished.</li>
<li>{page:cli} shows how to convert without a window, in scripts.</li>
<li>{page:trouble} helps when a file fails or something is missing.</li>
</ul>

<h2>What Kinovert needs</h2>
<p>Kinovert reads media files with the MediaInfo library and converts them with
FFmpeg, run through its own small encoder program <code>avcore</code>. Both
come from your Linux distribution (on Debian: the packages
<code>ffmpeg</code> and <code>libmediainfo0v5</code>, and
<code>libavcodec-extra</code> for AMR sound).</p>
"""

PAGES["quickstart"] = """
<p>This page takes you from an empty list to converted files. The example makes
3GP files for a mobile phone.</p>

<ol class="steps">
<li><p><strong>Add files.</strong> Click {ui:MSG_BROWSE} beside
{label:MSG_INPUTFILENAME} (or press {kbd:Ctrl+N}) and select one or more
files. You can also drag files from your file manager and drop them onto the
window. Each file gets a row in the list; files Kinovert cannot read are
reported and left out.</p></li>
<li><p><strong>Check a file.</strong> Click a row: the panel below the lists
shows the file's format, play time, video size and audio properties.
{ui:MSG_MOREINFO} opens the full report.</p></li>
<li><p><strong>Choose the device.</strong> In the list beside
<span class="ui">3GP Format</span>, click the kind of phone the files are
for, then choose a quality in the {label:MSG_PRPFILE} box. For other target
formats, open the {ui:MSG_CONVERT_TO} menu (right-click the file list, or the
<span class="ui">?</span> button at the top right) and choose the format; the
{label:MSG_PRPFILE} box then lists that format's profiles.</p></li>
<li><p><strong>Choose the output folder.</strong> Type a folder next to
{label:MSG_OUTPUTDIR} or click the {ui:MSG_BROWSE} button beside it. A folder
that does not exist yet is created when you start, after Kinovert has asked
you.</p></li>
<li><p><strong>Convert.</strong> Click {ui:MSG_CONVERT} (or press {kbd:F9}).
The progress window shows the current file and the whole batch. When it
closes, every row shows whether its file was converted (a green tick) or
failed (a red cross).</p></li>
</ol>

{img:main|The main window ready to convert: three files, a phone and a quality chosen}

<p class="note">The converted files have the name of their source with the
extension of the target format. If that name is already taken in the output
folder, Kinovert adds a number: <code>clip(1).3gp</code>,
<code>clip(2).3gp</code> and so on. Nothing is ever overwritten.</p>

<p>Next: {page:overview} describes all controls;
{page:converting} explains the progress window.</p>
"""

PAGES["overview"] = """
<p>Kinovert has one main window. It opens in its compact layout: the file list
at the top, the output folder, the device list, the profile box and the
{ui:MSG_CONVERT} button, and below them the media information of the selected
file.</p>

{img:main|The main window with its parts: file list, output folder, device list, profile box, Convert button and media panel}

<h2 id="parts">Parts of the window</h2>
<table>
<tr><th>Part</th><th>What it does</th></tr>
<tr><td>Title band</td><td>Shows the program name and version. Drag it to move
the window; double-click it to minimise. On the right are the buttons
{label:MSG_MINIMIZE}, {label:MSG_HELP} (<span class="ui">?</span>, opens the
help menu) and {label:MSG_CLOSE}.</td></tr>
<tr><td>{label:MSG_INPUTFILENAME}</td><td>The list of files to convert, with a
state picture in front of each path.</td></tr>
<tr><td>{ui:MSG_BROWSE} (top)</td><td>Adds files through a file dialog whose
filter lists every format Kinovert reads.</td></tr>
<tr><td><span class="ui">+</span> <span class="ui">−</span>
<span class="ui">↑</span> <span class="ui">↓</span></td><td>{ui:MSG_ADD_FILES},
{ui:MSG_DEL_FILES} (removes the selected rows from the list; the files stay on
disk), {label:MSG_MOVE_UP} and {label:MSG_MOVE_DOWN} (moves the selected row;
files are converted from top to bottom).</td></tr>
<tr><td>{label:MSG_OUTPUTDIR}</td><td>The folder the converted files go to.
Type it or choose it with the {ui:MSG_BROWSE} button beside it.</td></tr>
<tr><td><span class="ui">3GP Format</span></td><td>The device presets of the
3GP target. Clicking one makes 3GP the target and fills the profile box with
that device's choices (see {page:devices}).</td></tr>
<tr><td>{label:MSG_PRPFILE}</td><td>The profile of the current target: for 3GP
and MP4 the choices of the chosen device, for every other format its profiles
(see {page:profiles}).</td></tr>
<tr><td>{ui:MSG_CONVERT}</td><td>Starts converting every file in the list
({kbd:F9}).</td></tr>
<tr><td>Summary line</td><td>Counts the files, for example
{msg:MSG_STATUS_FILES|3}.</td></tr>
<tr><td>Media panel</td><td>Shows the properties of the selected file
(below).</td></tr>
</table>

<h2 id="files">The file list</h2>
<p>Add files with {ui:MSG_BROWSE}, the <span class="ui">+</span> button, by
dropping them onto the window, or by naming them when you start the program
(<code>kinovert clip1.avi clip2.mov</code>; an installed Kinovert also appears
in the file manager's “Open With” menu). Kinovert quietly skips:</p>
<ul>
<li>files that do not exist and folders (folders are not searched);</li>
<li>files whose type is not in the list of formats Kinovert reads;</li>
<li>a file that is already in the list with exactly the same path.</li>
</ul>
<p>A file that MediaInfo cannot read is not added; you see
{msg:MSG_FORMAT_ERROR|…} instead.</p>
<p>To change the order, use <span class="ui">↑</span> and
<span class="ui">↓</span> ({kbd:Ctrl+U}, {kbd:Ctrl+D}) or drag a row to its new
place. Double-click a row to play the file with your desktop's default
player. The list is not kept when you close Kinovert.</p>

<p>The picture in front of each row tells the file's state in the last
batch:</p>
{img:states|File list after a batch: the first file done, the second failed, the third being converted}
<table>
<tr><th>Picture</th><th>Meaning</th></tr>
<tr><td>empty circle</td><td>not converted yet in this batch</td></tr>
<tr><td>circular arrows</td><td>being converted now</td></tr>
<tr><td>green tick</td><td>converted</td></tr>
<tr><td>red cross</td><td>failed (see {page:trouble})</td></tr>
</table>

<h2 id="menus">Menus</h2>
<p>Right-click the file list to open its menu. With a row selected it offers
{ui:MSG_PLAY_SOURCE}, {ui:MSG_OPEN_DES_FOLDER}, {ui:MSG_DEL_FILES},
{ui:MSG_CLEARLIST}, {ui:MSG_ADD_FILES}, {ui:MSG_SEL_ALL} and
{ui:MSG_CONVERT_TO}; on an empty list {ui:MSG_ADD_FILES}, {ui:MSG_SETTINGS},
{ui:MSG_HELP_CONTENT} and {ui:MSG_CONVERT_TO}.</p>
{img:menu-files|The menu of the file list with a file selected}
<p>The <span class="ui">?</span> button opens the help menu:
{ui:MSG_HELP_CONTENT}, {ui:MSG_QUICK_START}, {ui:MSG_SETTINGS},
{ui:MSG_LANG} (the window changes at once, the profiles of that language are
used from the next start, and this help stays in the language Kinovert was
built for),
{ui:MSG_CONVERT_TO}, {ui:MSG_ONLINE_RES}, {ui:MSG_TECH_SUPPORT} and
{ui:MSG_ABOUT}.</p>
{img:menu-convert|The help menu with the Convert to submenu open}

<h3 id="targets">Choosing the target format</h3>
<p>{ui:MSG_CONVERT_TO} lists all sixteen formats; the current one is marked.
Choosing a format brings its profiles into the {label:MSG_PRPFILE} box.
Choosing 3GP (or clicking a device in the <span class="ui">3GP Format</span>
list) uses the device presets instead. MP4 also works with device presets
(iPod and PSP players); in an edition of Kinovert without such presets the MP4
entry is greyed out, and {page:cli|the command line} can still convert to MP4 with a preset
file. At its very first start Kinovert begins with AVI; after that it always
starts with 3GP and the device you chose last.</p>

<h2 id="media">Media information</h2>
<p>While the list has files, the panel below it shows the selected file's
{label:MSG_GENERAL} data ({label:MSG_COMPLETENAME}, {label:MSG_FILESIZE} in
bytes, {label:MSG_FORMAT}, {label:MSG_PLAYTIME}, {label:MSG_AUDIOCOUNT},
{label:MSG_VIDEOCOUNT}), its first {label:MSG_VIDEO} stream
({label:MSG_VCODE}, {label:MSG_WIDTH}, {label:MSG_HEIGHT},
{label:MSG_VBITRATE}, {label:MSG_ADPECTRATIO}, {label:MSG_FRAMERATE}) and its
first {label:MSG_AUDIO} stream ({label:MSG_ACODEC}, {label:MSG_ABITRATE},
{label:MSG_CHANNELS}, {label:MSG_SAMPLINGRATE}). Sizes are in bytes, bitrates
in bits per second. <q>...</q> means the file has no such value, for example
no video in an audio file. The values can be selected and copied.</p>
<p>{ui:MSG_MOREINFO} opens the {ui:MSG_FILEINFO_CAPTION} window with
MediaInfo's detailed text report of the file. {ui:MSG_SAVE_FILE_INFO} saves
it as a text file.</p>
{img:fileinfo|The File Information window with the report of a video file}

<h2 id="keys">Keyboard shortcuts</h2>
<table>
<tr><th>Keys</th><th>Action</th></tr>
<tr><td>{kbd:Ctrl+N}</td><td>add files ({ui:MSG_BROWSE})</td></tr>
<tr><td>{kbd:Del}</td><td>remove the selected files from the list (while the list has the focus)</td></tr>
<tr><td>{kbd:Shift+Del}</td><td>{ui:MSG_CLEARLIST}</td></tr>
<tr><td>{kbd:Ctrl+A}</td><td>{ui:MSG_SEL_ALL}</td></tr>
<tr><td>{kbd:Ctrl+U} / {kbd:Ctrl+D}</td><td>move the selected file up / down</td></tr>
<tr><td>{kbd:Ctrl+P}</td><td>{ui:MSG_PLAY_SOURCE}</td></tr>
<tr><td>{kbd:Ctrl+O}</td><td>choose the output folder</td></tr>
<tr><td>{kbd:F9}</td><td>{ui:MSG_CONVERT}</td></tr>
<tr><td>{kbd:Ctrl+E}</td><td>{ui:MSG_EDIT_PROFILE} (not for 3GP and MP4)</td></tr>
<tr><td>{kbd:Alt+N}</td><td>add a profile</td></tr>
<tr><td>{kbd:F2}</td><td>rename the profile</td></tr>
<tr><td>{kbd:Alt+Del}</td><td>delete the profile</td></tr>
<tr><td>{kbd:F12}</td><td>{ui:MSG_SETTINGS}</td></tr>
<tr><td>{kbd:F1}</td><td>{ui:MSG_HELP_CONTENT}</td></tr>
<tr><td>{kbd:Alt+F4}</td><td>close Kinovert (settings are saved)</td></tr>
</table>
"""

PAGES["profiles"] = """
<p>A profile is a named set of settings for one target format: which codecs to
use, at which bitrate, frame size, frame rate and sample rate, and optionally
which part of the source to convert. Every format except 3GP and MP4 has its
own profiles; those two use {page:devices|device presets}.</p>

<h2 id="choose">Choosing a profile</h2>
<p>The {label:MSG_PRPFILE} box always shows the profiles of the current target
format. Choose one before you press {ui:MSG_CONVERT}; the whole batch is
converted with it. After each start every box shows its first profile
again.</p>

<h2 id="manage">Adding, editing, renaming, deleting</h2>
<p>The profile commands work on the current target format and its selected
profile:</p>
<table>
<tr><th>Command</th><th>Keys</th><th>What happens</th></tr>
<tr><td>{ui:MSG_EDIT_PROFILE}</td><td>{kbd:Ctrl+E}</td><td>Opens the
{page:editor|profile editor} on the selected profile. {ui:MSG_SAVE} writes the changes into
the profile.</td></tr>
<tr><td>{ui:MSG_ADD_PROFILE}</td><td>{kbd:Alt+N}</td><td>Opens the editor with
the format's default settings. After {ui:MSG_SAVE} you are asked for a name
({ui:MSG_PROFILE_NAME}); the new profile is then selected. If a profile of
that name exists, Kinovert asks before it overwrites it.</td></tr>
<tr><td>{ui:MSG_REN_PROFILE}</td><td>{kbd:F2}</td><td>Asks for a new name.
Renaming onto a name that another profile already has is refused.</td></tr>
<tr><td>{ui:MSG_DEL_PROFILE}</td><td>{kbd:Alt+Del}</td><td>Deletes the selected
profile after asking. The last profile of a format cannot be deleted.</td></tr>
</table>
{img:name|The Profile Name dialog}
<p>A profile name may contain any character except
<code>\\ / : * ? " &lt; &gt; |</code>; blanks at the start and end are
allowed but easy to overlook. In the compact window the profile commands are
reached with their keys; they are not available for 3GP and MP4, whose
presets cannot be edited.</p>

<h2 id="files">Where profiles are kept</h2>
<p>Each profile is a small text file named after the profile, in a folder per
format: for example <code>avi/Standard.avo</code> or
<code>mp3/Standard.mpo</code>. The profiles of a program folder you unpacked
or built yourself live in that folder (<code>profile_en/</code>,
<code>profile_fr/</code>, <code>profile_de/</code>, <code>profile_it/</code>,
after the program's language). An installed Kinovert keeps each user's
profiles in <code>~/.local/share/kinovert/</code> instead, copied there from
the shipped ones at the first start. Later versions add new shipped profiles
but never replace a profile you created or changed, and one you deleted stays
deleted. You can copy profile files between computers; Kinovert reads the
folders at every start.</p>
"""

PAGES["editor"] = """
<p>The profile editor opens for {ui:MSG_EDIT_PROFILE} and {ui:MSG_ADD_PROFILE}.
Its title names the format, for example
{msg:MSG_PROFILE_EDITOR|AVI}. Every format has its own editor, but all of
them are built from the same parts, which this page explains. The page of each
target format lists exactly which codecs, sizes, rates and bitrates it
offers.</p>

<div class="shots">
{img:editor-avi-general|The General tab of the AVI profile editor}
{img:editor-avi-video|The Video tab of the AVI profile editor}
{img:editor-avi-audio|The Audio tab of the AVI profile editor}
</div>

<p>{ui:MSG_SAVE} (or {kbd:Enter}) keeps the changes; {ui:MSG_CLOSE} or
{kbd:Esc} leaves the profile as it was.</p>

<h2 id="general">The {label:MSG_PROFILE_GENERAL} tab</h2>
<dl>
<dt>{label:MSG_DESCIPTION}</dt>
<dd>A free text for yourself; it does not change the conversion.</dd>
<dt>{label:MSG_VIDEO_CODEC} and {label:MSG_AUDIO_CODEC}</dt>
<dd>The codecs the file is written with. The {label:MSG_VIDEO_PAGE} and
{label:MSG_AUDIO_PAGE} tabs always show the settings of the codec chosen here;
every codec keeps its own settings, so switching back and forth loses
nothing.</dd>
<dt>{label:MSG_TYPE}</dt>
<dd>Only for 3GP and MP4 (the kind of device) and MPEG (preset disc formats).
It decides which codecs are offered.</dd>
<dt>{label:MSG_SAME_Q}: {ui:MSG_SAME_Q_DETAIL}</dt>
<dd>Asks the encoder for the best quality it can keep instead of the bitrate
on the {label:MSG_VIDEO_PAGE} tab. Files become larger.</dd>
<dt>{label:MSG_DISABLE_AUDIO}: {ui:MSG_DISABLE_AUDIO_DETAIL}</dt>
<dd>Writes video only. The {label:MSG_AUDIO_PAGE} tab is hidden; its settings
are kept for later.</dd>
</dl>

<h3 id="time">{label:MSG_TIME_CONTROL}</h3>
<p>With {ui:MSG_ENABLE_TIME_CONTROL} ticked, only a part of each source is
converted: from {label:MSG_START_TIME} for {label:MSG_DURATION}.
{label:MSG_END_TIME} is worked out for you; change any of the three and the
others follow. Times are written as hours, minutes, seconds and milliseconds
(<code>0:01:30.000</code>); shorter forms such as <code>1:30</code> (minutes
and seconds) or <code>90</code> (seconds) are completed when you leave the
field.</p>
<p class="note">The digits after the point are a fraction of a second:
<code>0:00:01.5</code> and <code>1.5</code> both mean one and a half
seconds, <code>1.05</code> one second and 50 milliseconds.</p>
<p>An entry that is not a time, longer than 200 hours, or an end before the
start is refused with a message that says why, and the field goes back to
what it held before. With the box unticked the whole file is converted; the
times are kept for later.</p>

<h2 id="video">The {label:MSG_VIDEO_PAGE} tab</h2>
<dl>
<dt>{label:MSG_VIDEO_BITRATE}</dt>
<dd><p>How many kilobits per second the video may use: more gives better
pictures and larger files.</p>
<p>{ui:MSG_PRESET_QUALITY}: the slider goes from
<q>{ui:MSG_LOW_Q}</q> to <q>{ui:MSG_HIGH_Q}</q> in fixed steps;
{label:MSG_CURRNET_BITRATE} shows the value in kbit/s. A profile whose
bitrate lies between the steps or beyond the slider's end (one written by
hand or by another program) opens with the slider at the nearest step and
its own value shown; that value is kept until you move the slider, so
opening a profile and saving it never changes it.</p>
<p>{ui:MSG_SPECIFY_SETTINGS}: click {ui:MSG_CONFIGURE} and type any whole
number between the format's lowest and highest step. A value outside that
range or a text that is not a number is refused with a message; the dialog
stays open until you enter a valid value or cancel.</p></dd>
<dt>{label:MSG_VIDEO_SIZE}</dt>
<dd>{ui:MSG_KEEP_SOURCE_DIM} writes the frames at the source's size.
{ui:MSG_CHANGE_DIM} scales them: choose a size from the list or type
{label:MSG_VWIDTH} and {label:MSG_VHEIGHT} in pixels. Every codec takes
sizes up to a limit of its own (the page of each format lists them); a number
outside it is refused with a message that gives the range, and the field goes
back to what it held. Most codecs need even sizes, so an odd value is raised
by one when you leave the field. The list entry <q>...</q> stands for a size
of your own. H.263 offers three fixed sizes only.</dd>
<dt>{label:MSG_FRAMETRATE}</dt>
<dd>{ui:MSG_FRAMERATE_AUTO} keeps the source's frame rate;
{ui:MSG_CHANGE_FRAMERATE} converts to the rate chosen in the list (frames per
second). Real Video, MPEG-1 and the H.263 of 3GP phones cannot follow every
source: for them the choice reads <q>{msg:MSG_FRAMERATE_AUTO_FIXED|25}</q> (or
12.5) and writes that rate.</dd>
<dt>{label:MSG_ASPECT}</dt>
<dd>The shape the player gives the picture. {ui:MSG_ASPECT_AUTO} keeps the
source's shape; 4:3 suits classic television, 16:9 wide screens. H.263 adds
1:1 (square pixels) and 11:9.</dd>
</dl>

<h2 id="audio">The {label:MSG_AUDIO_PAGE} tab</h2>
<dl>
<dt>{label:MSG_AUDIO_BITRATE}</dt>
<dd>The slider chooses the audio bitrate in kbit/s. With
{ui:MSG_AUDIO_BITRATE_AUTO} ticked the encoder chooses it. Which bitrates are
offered depends on the codec and the sample rate: lower sample rates allow
lower maximum bitrates, and when you choose one the slider moves into the
allowed range by itself. A profile that holds a bitrate its sample rate does
not offer keeps it until you change the sample rate or the slider.
Uncompressed WAV and A-Law have no bitrate.</dd>
<dt>{label:MSG_SAMPLERATE}</dt>
<dd>Samples per second. 44100 Hz is CD quality, 48000 Hz is used on DVDs,
8000 and 16000 Hz are for speech (AMR).</dd>
<dt>{label:MSG_ACHANNELS}</dt>
<dd>{ui:MSG_CHANNELS_1} or {ui:MSG_CHANNELS_2}; AC3 also offers
{ui:MSG_CHANNELS_6}, which always uses 48000 Hz.</dd>
</dl>

<h2 id="values">When a value does not suit the codec</h2>
<p>Some codecs accept only certain values, for example H.263 only its three
sizes or AMR only its speech bitrates. Kinovert's encoder moves such a value
to the nearest one the codec accepts rather than failing.</p>
"""

PAGES["devices"] = """
<p>Phones and portable players need files made just so. For them, the 3GP and
MP4 targets work with <em>device presets</em> instead of profiles: each preset
is made for one kind of device and offers a few ready-made choices, usually a
small file and a better-looking one.</p>

<h2 id="use">Using a device preset</h2>
<ol>
<li>Click the device in the <span class="ui">3GP Format</span> list. 3GP
becomes the target.</li>
<li>Choose one of the device's choices in the {label:MSG_PRPFILE} box.</li>
<li>Press {ui:MSG_CONVERT}.</li>
</ol>
<p>Kinovert remembers the device you chose last and selects it again at the
next start. MP4 presets (iPod and PSP) are offered in editions of Kinovert
that have an MP4 device menu; the command line can use them in every edition
(see {page:cli}).</p>

<h2 id="shipped">The presets that come with Kinovert</h2>
<p>Presets whose title contains <q>3GPP</q> or <q>3GP2</q> appear for 3GP,
those with <q>iPod</q> or <q>PSP</q> for MP4.</p>
{devices}

<h2 id="own">Making your own</h2>
<p>A preset is a text file in the <code>default_setting</code> folder of the
profile folder (see {page:profiles#files|where profiles are kept}). Its
section <code>[Info]</code> holds the title (<code>TitleE</code>) and a
description (<code>DescriptionE</code>); every section whose name begins with
<code>Item</code> is one choice, with its title (<code>TitleE</code>), the
extension of the output file (<code>EXT</code>) and one or more command lines
(<code>Command1</code>, <code>Command2</code>, …) that are run one after the
other for each file.</p>
{preset:3gpp_h263_amr.ini}
<p>In the command lines, <code>&lt;%InputFile%&gt;</code> stands for the source,
<code>&lt;%OutputFile%&gt;</code> for the output file without its extension,
<code>&lt;%OutputPath%&gt;</code> for the output folder and
<code>&lt;%AppPath%&gt;</code> for the program folder. Every value is quoted
safely, so file names with blanks or quotes do no harm. Kinovert reads the
presets when it starts; restart it after adding one. There is no editor for
presets: change them with a text editor.</p>
"""

PAGES["converting"] = """
<p>When you press {ui:MSG_CONVERT}, Kinovert first checks that it can start:
the list must not be empty ({msg:MSG_NOFILES}) and an output folder must be
given ({msg:MSG_EMPTY_DIR}). If the folder does not exist, Kinovert asks
{msg:MSG_SURE_TO_CREATEDIR} and creates it, with any missing parent folders,
when you answer {ui:MSG_YES}.</p>

<h2 id="progress">The progress window</h2>
{img:progress|The progress window in the middle of a batch}
<p>While the batch runs, the progress window ({ui:MSG_ID_ENC_IN_PROGRESS}) shows:</p>
<ul>
<li>which file of how many is being converted and the name of the output
file;</li>
<li>{label:MSG_ID_STATUS}: how far the current file is, with its
{label:MSG_REMAINING_TIME};</li>
<li>{label:MSG_ID_BATCH}: how far the whole batch is, weighted by file size,
with the batch's {label:MSG_REMAINING_TIME}, {label:MSG_ELAPSED_TIME} and
{label:MSG_ESTIMATED_TIME};</li>
<li>the file that failed last, with the reason, in red (pointing at it lists
every failure of the batch);</li>
<li>{ui:MSG_DEL_AFTER}: see {page:converting#delete|below};</li>
<li>{ui:MSG_SHUTDOWN_AFTER}: tick or untick it at any time; the choice counts
for this batch and is kept for the next ones (see
{page:converting#done|below}).</li>
</ul>
<p>The other files of the list wait their turn; the main window cannot be used
while the progress window is open.</p>

<h2 id="stop">Stopping</h2>
<p>{ui:MSG_CANCEL} (or {kbd:Esc}, or closing the window) asks
{msg:MSG_ABORTENCODING}</p>
{img:question|The question asked when you stop a batch}
<ul>
<li>{ui:MSG_BTN_NOW} stops the encoder at once; the file being converted is
not finished. Files converted before stay.</li>
<li>{ui:MSG_BTN_DONE} lets the current file finish and then ends the batch;
the window shows {msg:MSG_ID_STOP_ENC}</li>
<li>{ui:MSG_CANCEL} goes on with the batch (and takes back an earlier
{ui:MSG_BTN_DONE}).</li>
</ul>

<h2 id="tray">Working in the background</h2>
<p>{ui:MSG_SEND_TO_TRAY} hides Kinovert's windows and shows its icon in the
notification area of your desktop; hovering over it shows the progress.
Double-click the icon (or choose {ui:MSG_SHOW_WINDOW} in its menu) to bring
the windows back. The icon's menu also offers {ui:MSG_TRAY_MENU_STOPENCODING},
which asks the same question as {ui:MSG_CANCEL}. On a desktop without a
notification area the window is minimised instead.</p>

<h2 id="failed">When a file fails</h2>
<p>If a file cannot be converted, Kinovert marks it with a red cross and goes
on with the next file at once; no message waits for you, so a batch left alone
runs to its end. Why the file failed (the encoder's message, or what happened
to it: stopped from outside, its output folder removed, …) is shown on the
progress window, in the file's row when you point at it, and in the note at
the end of the batch. A failed file's source is never deleted. See
{page:trouble} for the usual causes.</p>

<h2 id="done">When the batch is finished</h2>
<p>The progress window closes and the rows show their results. Kinovert then
says how the batch ended: {msg:MSG_BATCH_ALL_CONVERTED|3|3},
{msg:MSG_BATCH_SOME_FAILED|2|3|1} or {msg:MSG_BATCH_STOPPED|1|3}. It says so in
a notification (or a balloon of its icon in the notification area), in the
icon's tooltip, and in a note in the main window that lists the failed files
with their reasons and stays until you close it. Then, if
{ui:MSG_SHUTDOWN_AFTER} is ticked and every file was converted, a countdown
window gives you 30 seconds to press {ui:MSG_CANCEL} before Kinovert carries
out the action chosen in the {page:settings|settings}: close itself, shut the
computer down, log off, restart, hibernate or suspend. The countdown names the
action. There is no countdown when a file failed or when you chose
{ui:MSG_BTN_NOW}.</p>
{img:shutdown|The countdown before the computer is shut down}

<h2 id="delete">Deleting the sources</h2>
<p>Kinovert can delete each source file right after it was converted
successfully; a file that failed is always kept. Tick
{ui:MSG_DEL_AFTER} in the progress window (it counts at once, for the running
batch too) or in the {page:settings|settings}; the choice is kept for the next
batches. With {page:cli|kinovert-cli}, use <code>--delete-source</code>.</p>
"""

PAGES["settings"] = """
<p>{ui:MSG_SETTINGS} (in the help and file list menus, or {kbd:F12}) opens a
small dialog with four settings. {ui:MSG_OK} saves them at once;
{ui:MSG_CANCEL} or {kbd:Esc} changes nothing.</p>

{img:settings|The Settings dialog}

<dl>
<dt>{label:MSG_THREADPRIORITY}</dt>
<dd>How much of the computer the encoder may take: {ui:MSG_IDLE} (only what
nothing else needs; the computer stays responsive), {ui:MSG_NORMAL} (the
default), {ui:MSG_HIGH} and {ui:MSG_REALTIME}. Raising the priority above
normal needs the right to do so; without it the encoder runs at normal
priority, and the dialog says so under the list
({msg:MSG_PRIORITY_NOT_ALLOWED}).</dd>
<dt>{label:MSG_DIRECTSHOW}: {ui:MSG_USE_DIRECTSHOW}</dt>
<dd>Sends every source through a small script that the encoder opens instead
of the file itself. This is a compatibility route for profiles and presets
that expect it; normally leave it off, as the encoder reads all supported
formats directly.</dd>
<dt>{label:MSG_SOURCE_FILES}: {ui:MSG_DEL_AFTER}</dt>
<dd>Deletes each source file after its successful conversion (see
{page:converting#delete|deleting the sources}); the same switch as in the
progress window.</dd>
<dt>{label:MSG_SHUTDOWN_REAL_DOES}</dt>
<dd>What happens after a successful batch while {ui:MSG_SHUTDOWN_AFTER} is
ticked: {msg:MSG_CLOSE_APP|@MSG_APPLICATION_TITLE} (end the program),
{ui:MSG_SHUTDOWN} (power off), {ui:MSG_LOGOFF} (end your session),
{ui:MSG_RESTART}, {ui:MSG_HIBERNATE} or {ui:MSG_SUSPEMD}. The power actions
are requested from the system (systemd-logind); if your system refuses, the
computer keeps running and Kinovert stays open.</dd>
</dl>

<p>The settings are stored in the file <code>info.ini</code>, together with the
last folders used and the window's position (see
{page:trouble#settings|where the settings live}).</p>
"""

PAGES["cli"] = """
<p><code>kinovert-cli</code> is Kinovert without a window. It converts with the
same profiles and device presets, which makes it the tool for scripts,
servers and large batches.</p>

<pre><code>kinovert-cli [--home FOLDER] COMMAND [OPTIONS] [--] [ARGUMENTS]</code></pre>
<p><code>kinovert-cli --help</code> lists the commands, and
<code>kinovert-cli COMMAND --help</code> the options of one command.</p>

<h2 id="list">What there is to convert with</h2>
<p><code>list</code> shows the profiles of every target, with their
descriptions and in the order of the profile box, and for MP4 and 3GP the
device presets: file, title, menu, and each <code>Item</code> section with
its title. <code>-t</code> limits it to one target. It reads the same
profiles as the window, your own included.</p>
{listing:MP3}

<h2 id="convert">Converting</h2>
<pre><code>kinovert-cli convert -t mp3 -p Standard -o ~/Music -- *.avi
kinovert-cli convert -t mp3 -p ~/Downloads/Podcast.mpo -o ~/Music talk.wav
kinovert-cli convert -t 3gp -d 3gpp_h263_amr.ini -i Item1 -o out clip.mp4</code></pre>
<dl>
<dt><code>-t</code>, <code>--target FORMAT</code></dt>
<dd>One of AVI, MP4, 3GP, MPEG, MOV, WMV, RM, SWF, VOB, ASF, AAC, AC3, MP2,
MP3, AMR, WAV, in any letter case.</dd>
<dt><code>-p</code>, <code>--profile PROFILE</code></dt>
<dd>A profile of the format, named exactly as <code>list</code> shows it.
Or a profile file, such as one someone sent you: a value with a slash
(<code>./Podcast.mpo</code>, <code>~/Downloads/Podcast.mpo</code>) is always a
file; a bare name is a file of the current folder only when no profile has
that name. A folder, a file over 16 MB, or a file that holds no setting of
the target's profiles is refused.</dd>
<dt><code>-d</code>, <code>--device PRESET.ini</code>, <code>-i</code>,
<code>--item SECTION</code></dt>
<dd>For MP4 and 3GP, which take a device preset instead of a profile: a file
of the <code>default_setting</code> folder by its name, or any preset file by
its path, and one of its <code>Item</code> sections.</dd>
<dt><code>-o</code>, <code>--output FOLDER</code></dt>
<dd>The output folder; it is created when missing.</dd>
<dt><code>--delete-source</code></dt>
<dd>Delete each source after its successful conversion.</dd>
<dt><code>--priority 0-3</code></dt>
<dd>Idle, normal, high, realtime, as in the {page:settings|settings}.</dd>
<dt><code>--progress auto|terminal|plain|json</code></dt>
<dd>How the batch is followed; see {page:cli#progress|below}.</dd>
</dl>
<p>A misspelt profile, preset or item is answered with the names there are
and the nearest one. Files that are missing, of an unknown type or unreadable
are reported and skipped; failures are printed as they happen, and a summary
at the end. {kbd:Ctrl+C} stops at once and removes the unfinished output
file.</p>
<p>Options follow the usual rules: a value may follow as the next word or
joined (<code>--target=mp3</code>, <code>-tmp3</code>), a long option may be
cut short while it stays unambiguous (<code>--prof</code>), and options and
files may come in any order. <code>--</code> ends the options, so a file
named <code>-x.avi</code> works.</p>

<h2 id="progress">Following a batch</h2>
<table>
<tr><th><code>--progress</code></th><th>What it shows</th></tr>
<tr><td><code>auto</code></td><td>The default: <code>terminal</code> when the
error output is a terminal, <code>plain</code> otherwise.</td></tr>
<tr><td><code>terminal</code></td><td>One line, redrawn in place, with the
current file and the batch.</td></tr>
<tr><td><code>plain</code></td><td>A line per step, for log files:
<code>[2/3] input -&gt; output</code>, <code>[2/3] done</code>.</td></tr>
<tr><td><code>json</code></td><td>JSON lines for programs: one JSON object
per line on the standard output, written as it happens.</td></tr>
</table>
<p>Each JSON object has an <code>event</code>: <code>start</code> (target,
output folder, number of files), <code>file</code> (a file's
<code>state</code>: <code>converting</code>, then <code>done</code>,
<code>failed</code> with its <code>reason</code>, or <code>stopped</code>),
<code>progress</code> (<code>file_percent</code>, <code>batch_percent</code>,
<code>elapsed</code> and <code>remaining</code> in seconds, null while
unknown) and <code>end</code> (the numbers converted, failed and skipped);
<code>skipped</code> and <code>message</code> report a file left out and a
problem beside the conversion. The messages for people stay on the error
output.</p>
<pre><code>$ kinovert-cli convert -t mp3 -p Standard -o out --progress json tone.wav
{"event":"start","target":"MP3","output":"/home/me/out","count":1}
{"event":"file","index":1,"count":1,"state":"converting","input":"/home/me/tone.wav","output":"/home/me/out/tone.mp3"}
{"event":"progress","index":1,"count":1,"name":"tone.wav","file_percent":100,"batch_percent":100,"elapsed":0,"remaining":0}
{"event":"file","index":1,"count":1,"state":"done","input":"/home/me/tone.wav","output":"/home/me/out/tone.mp3"}
{"event":"end","converted":1,"failed":0,"skipped":0,"stopped":false}</code></pre>

<h2 id="other">Other commands</h2>
<table>
<tr><th>Command</th><th>What it does</th></tr>
<tr><td><code>info [--report] FILE…</code></td><td>Prints the media properties
of each file, the same values as the media panel; <code>--report</code> prints
the full report of the {ui:MSG_FILEINFO_CAPTION} window.</td></tr>
<tr><td><code>settings</code></td><td>Prints the settings the program starts
with and the folders in use (settings file, profiles, help).</td></tr>
<tr><td><code>options -t FORMAT PROFILE_FILE</code></td><td>Prints the
encoder options a profile stands for.</td></tr>
<tr><td><code>profile default -t FORMAT FILE</code></td><td>Writes a
profile with the format's default settings.</td></tr>
<tr><td><code>profile normalize -t FORMAT FILE</code></td><td>Reads a
profile and writes it back with every setting spelled out.</td></tr>
<tr><td><code>time parse TEXT</code>, <code>time format MS</code>,
<code>time encoder TEXT</code></td><td>Shows how the editors read a time text
(in milliseconds), the text of a number of milliseconds, and the milliseconds
of a time in the encoder's output (hh:mm:ss.ff).</td></tr>
</table>

<h2 id="completion">Completion in the shell</h2>
<p>An installed Kinovert brings completion for bash (with the
bash-completion package) and zsh: {kbd:Tab} completes the commands, the
options, the target names, and the names of the profiles, presets and items
of the target and preset already on the line, your own ones too.</p>

<h2 id="exit">Exit codes</h2>
<p>0: everything worked. 1: some files failed or were skipped. 2: wrong usage,
or nothing could start; one line on the error output says why.
<code>--home FOLDER</code> (or the environment variable
<code>KINOVERT_HOME</code>) chooses another program folder.</p>

<h2 id="parallel">Many files at once</h2>
<p>One batch converts one file after the other. To use every processor core,
run one batch per file with GNU parallel:</p>
<pre><code>parallel -j4 kinovert-cli convert -t mp3 -p Standard -o ~/Music -- {} ::: *.avi</code></pre>
<p>Batches running side by side never write to the same output file.</p>
"""

PAGES["trouble"] = """
<h2 id="failed">A file failed</h2>
<p>A red cross in front of a file means the encoder could not convert it.
Point at the file's row to read why; the progress window showed it while the
batch ran, and the note at the end of the batch lists every failed file with
its reason. The rest of the batch went on. Common causes:</p>
<ul>
<li><strong>The source is damaged or incomplete</strong>, for example a
download that did not finish. Play it with {ui:MSG_PLAY_SOURCE} to check.</li>
<li><strong>The profile asks for something the codec or format cannot
do.</strong> Try one of the shipped profiles; if that works, compare its
settings with yours in the {page:editor|profile editor}.</li>
<li><strong>The output folder is not writable</strong> or the disk is
full.</li>
<li><strong>The encoder was stopped from outside</strong>: killed by a signal
Kinovert did not send, for example by the system when memory ran out.</li>
<li><strong>FFmpeg lacks a codec.</strong> Only AMR sound (the AMR target,
and the 3GP presets and profiles that choose AMR) needs FFmpeg with the extra
codecs (on Debian the package <code>libavcodec-extra</code>); everything else
converts with FFmpeg as it comes.</li>
</ul>
<p>To see everything the encoder says, convert the file on the command line:
<code>kinovert-cli convert --target avi --profile Standard --output /tmp/test --
FILE</code> prints every failure line. An output file that is missing or empty
after the encoder ended also counts as a failure; the source of a failed file
is never deleted.</p>

<h2 id="sound">A converted file has no sound</h2>
<ul>
<li>{ui:MSG_DISABLE_AUDIO_DETAIL} is ticked on the {label:MSG_PROFILE_GENERAL}
tab of the profile: untick it and convert again.</li>
<li>The source has no sound: the panel below the file list then shows
{label:MSG_AUDIOCOUNT} 0.</li>
<li>The player does not know the sound codec. Many phones play AMR
narrow-band but not AMR wide-band or AAC inside 3GP files, and six-channel AC3
needs a player that decodes 5.1. Try another profile or device preset, or play
the file on a computer to see whether the sound is there.</li>
</ul>

<h2 id="preset">A device preset or a profile is refused</h2>
<p>A device preset runs only when each of its commands is a plain call of the
encoder: <code>&lt;%AppPath%&gt;/avcore</code> followed by options and
placeholders. A command holding a character that only a shell would read
(<code>;</code>, <code>|</code>, <code>$</code>, quotes, redirections) is
refused with the message <span class="msg">The device preset "…" is not run:
…</span>, and nothing is converted with it. Use one of the shipped presets,
or copy one and change its options only.</p>
<p><code>kinovert-cli</code> also refuses a preset that belongs to another
target (an iPod or PSP preset for MP4, a 3GP one for 3GP) and a profile file
that is no profile: a folder, a file over 16 MB, a file not named as the
target's profiles are (<code>.avo</code> for AVI, …) or one whose
<code>[General]</code> section holds none of their keys. The message names the
reason.</p>

<h2 id="adding">A file is not added to the list</h2>
<ul>
<li>{msg:MSG_FORMAT_ERROR|…}: MediaInfo could not read the file. It may be
damaged, or not a media file at all.</li>
<li>Nothing happens: the file is already in the list, is a folder, or its
extension is not one Kinovert reads. The {ui:MSG_BROWSE} dialog's filter
shows all readable types.</li>
</ul>

<h2 id="start">Kinovert does not start</h2>
<p>{msg:MSG_NO_DAT_FILE|…/skin/kvo/lang/type_english.dat}: the file
that lists the readable formats of the chosen language is missing. Kinovert
cannot work without it and ends; install the program again. The same check
runs when you switch the language.</p>
<p>{msg:MSG_CREATE_DIR_ERROR}: the profile folders could not be created,
usually because the folder is not writable. A program folder in your home
folder should be writable; an installed program uses your own folders (below).</p>
<p>{msg:MSG_NOENCODER|avcore}: the encoder program is missing from the program
folder. Install Kinovert again.</p>

<h2 id="settings">Where the settings and profiles live</h2>
<table>
<tr><th></th><th>Program folder you built or unpacked (portable)</th><th>Installed program</th></tr>
<tr><td>Settings</td><td><code>info.ini</code> in the program folder</td>
<td><code>~/.config/kinovert/info.ini</code></td></tr>
<tr><td>Profiles</td><td><code>profile_en/</code> … in the program folder</td>
<td><code>~/.local/share/kinovert/profile_en/</code> …</td></tr>
</table>
<p>A program folder that contains the file <code>installed</code>, or that you
cannot write to, counts as installed. If <code>$XDG_CONFIG_HOME</code> or
<code>$XDG_DATA_HOME</code> are set, they replace <code>~/.config</code> and
<code>~/.local/share</code>. <code>kinovert --help</code> and
<code>kinovert-cli settings</code> print the folders in use.</p>
<p>To start over with the default settings, close Kinovert and delete
<code>info.ini</code>; it is written again at the next start. An installed
Kinovert never copies a shipped profile again once you have changed or deleted
it; to get the original back, copy it from the installation (for example
<code>/usr/share/kinovert/profile_en/avi/Standard.avo</code>) into your own
profile folder.</p>

<h2 id="help">The help does not open</h2>
<p>{ui:MSG_HELP_CONTENT} and {ui:MSG_QUICK_START} open these pages in your web
browser. If a page is missing, Kinovert says {msg:MSG_NO_HELP|…}. The pages
are in <code>skin/kvo/lang/en_help/</code> of the program folder (fr_help,
de_help, it_help for the other languages); you can also open them in a
browser yourself. If nothing opens at all, your desktop has no default
browser: set one (on most desktops with <code>xdg-settings set
default-web-browser …</code>).</p>
<p>The help opens in the language Kinovert was built for, even after you chose
another language in {ui:MSG_LANG}; the links at the top of each page lead to
the same page in the other languages.</p>
<p>{ui:MSG_ONLINE_RES} opens the start page of this help and
{ui:MSG_TECH_SUPPORT} this page, unless your copy of Kinovert was built with
addresses of its own; the {ui:MSG_ABOUT} box links to the same two.</p>

<h2 id="messages">Other messages</h2>
<dl>
<dt>{msg:MSG_EMPTY_DIR}</dt>
<dd>Type or choose a folder next to {label:MSG_OUTPUTDIR}.</dd>
<dt>{msg:MSG_FAIL_TO_CREATEDIR}</dt>
<dd>The output folder could not be created: check its spelling and that you
may write to its parent folder.</dd>
<dt>{msg:MSG_LAST_PROFILE}</dt>
<dd>Every format keeps at least one profile.</dd>
<dt>{msg:MSG_RENAMEFAILD}</dt>
<dd>Another profile of the format already has that name.</dd>
</dl>

<h2 id="report">Reporting a fault</h2>
<p>If something goes wrong that this page does not explain, tell whoever gave
you your copy of Kinovert; for a program installed from a package, that is
the package's bug tracker. A useful report holds:</p>
<ul>
<li>the version: the title bar shows it, and <code>kinovert --version</code>
prints it;</li>
<li>what you did, what you expected and what happened instead, with the exact
text of every message;</li>
<li>for a file that failed: the target and the profile or device preset, and
what <code>kinovert-cli convert</code> prints for that file (see {page:cli});
<code>kinovert-cli options</code> prints the encoder options of a
profile;</li>
<li>what <code>kinovert-cli info</code> says about the source, and what
<code>ffmpeg -version</code> prints;</li>
<li>the profile file itself if you made or changed it (see where the settings
and profiles live, above).</li>
</ul>
<p>Send no file you may not share: a short clip that shows the fault is
enough.</p>
"""

# ---------------------------------------------------------------- targets

TARGET_INTRO = """
<p>{ui:MSG_CONVERT_TO} › <span class="ui">{name}</span> makes {name} the target;
the {label:MSG_PRPFILE} box then lists the {name} profiles. This page lists
what {name} profiles can hold; the meaning of each setting is explained on the
page {page:editor}.</p>
"""

PAGES["to-avi"] = """
<p>AVI is the most widely read video container. Kinovert writes it with
MPEG-4 (DivX or Xvid compatible), older Microsoft MPEG-4, H.263, H.264,
lossless huffYUV, Motion-JPEG, Sorenson or Flash video, and with MP2, MP3,
uncompressed WAV or AC3 sound. It is a good choice for computers and for DVD
players that play DivX files.</p>
<h2>Profiles that come with Kinovert</h2>
{profiles:AVI}
<h2>Codecs and settings</h2>
{options:AVI}
<p>huffYUV keeps every detail but makes very large files; use it for footage
you want to edit further. For playback, Divx or Xvid at 1080 to 2496 kbit/s
give a good picture at DVD size.</p>
<div class="shots">
{img:editor-avi-general|The General tab of the AVI profile editor}
{img:editor-avi-video|The Video tab of the AVI profile editor}
</div>
"""

PAGES["to-mp4"] = """
<p>MP4 files play on most phones, tablets, media players and web browsers.
Kinovert writes them with H.264 video and AAC sound.</p>
<p>Like 3GP, MP4 converts with {page:devices|device presets}: presets for the iPod and the
PlayStation Portable, chosen from the MP4 device menu in editions of Kinovert
that have one, or with <code>--device</code> on {page:cli|the command line}.</p>
<p>Besides the presets, Kinovert keeps MP4 profiles (the files of the
<code>mp4</code> profile folder) with the settings listed below. Conversions
do not use them; <code>kinovert-cli options --target mp4 FILE</code> prints
the encoder options such a profile stands for, which you can copy into a
preset of your own.</p>
<h2>Profiles that come with Kinovert</h2>
{profiles:MP4}
<h2>Codecs and settings</h2>
{options:MP4}
<p>The {label:MSG_TYPE} list tells Kinovert which device the file is for.
{ui:MSG_TYPE_PSP} writes the PSP's own variant of MP4 and uses AAC at 48000 Hz
only; {ui:MSG_TYPE_IPOD}, {ui:MSG_TYPE_MOBILE} and {ui:MSG_TYPE_MP4} offer
the eight sample rates from 11025 to 48000 Hz. The size list names the sizes
that suit these devices, for example {ui:MSG_PSP_FULLSCR} (368x208).</p>
<div class="shots">
{img:editor-mp4-general|The General tab of the MP4 profile editor}
{img:editor-mp4-audio|The Audio tab of the MP4 profile editor}
</div>
"""

PAGES["to-3gp"] = """
<p>3GP is the video format of mobile phones. It is the target Kinovert opens
with: the phones' presets are listed beside <span class="ui">3GP Format</span>
in the main window, and the {label:MSG_PRPFILE} box offers their quality
choices. See {page:devices}.</p>
<p>Besides the presets, Kinovert keeps 3GP profiles (the files of the
<code>3gp</code> profile folder) with the settings listed below. Conversions
use the device presets, not these profiles; <code>kinovert-cli options
--target 3gp FILE</code> prints the encoder options such a profile stands
for, which you can copy into a preset of your own.</p>
<h2>Profiles that come with Kinovert</h2>
{profiles:3GP}
<h2>Codecs and settings</h2>
{options:3GP}
<p>The {label:MSG_TYPE} decides which codecs are offered:
{ui:MSG_3GP_TYPE1} phones play H.263 or MPEG-4 video with AMR or AAC sound;
{ui:MSG_3GP_TYPE2} and {ui:MSG_3GP_TYPE3} phones play MPEG-4 or Xvid with AAC.
Each type keeps its own codec choice.</p>
<p>H.263 is understood by nearly every phone but allows only three sizes. When
you choose MPEG-4, AMR wide-band or AAC for a Nokia, NEC or Siemens phone,
Kinovert warns that some phones cannot play it: if a converted clip stays
silent or black on your phone, go back to H.263 and AMR narrow-band. AMR is a
speech codec: mono, 8000 Hz (narrow-band) or 16000 Hz (wide-band).</p>
<div class="shots">
{img:editor-3gp-general|The General tab of the 3GP profile editor}
{img:editor-3gp-video|The Video tab of the 3GP profile editor}
{img:editor-3gp-audio|The Audio tab of the 3GP profile editor}
</div>
"""

PAGES["to-mpeg"] = """
<p>MPEG files play almost everywhere. MPEG-1 suits older players and Video
CDs, MPEG-2 is the video of DVDs and of television.</p>
<h2>Profiles that come with Kinovert</h2>
{profiles:MPEG}
<h2>Codecs and settings</h2>
{options:MPEG}
<h2 id="presets">{label:MSG_PRESET_FORMATS}: VCD, SVCD and DVD</h2>
<p>With {ui:MSG_USE_PRESET_FORMATS} ticked, Kinovert makes files that follow
the rules of a disc format, and the codec settings are left aside:</p>
<ul>
<li><strong>VCD</strong> (Video CD): MPEG-1 at 352x288 (PAL) or 352x240 (NTSC)
with MP2 sound; plays on nearly every DVD player.</li>
<li><strong>SVCD</strong> (Super Video CD): MPEG-2 at 480x576 or 480x480;
better pictures, fewer players.</li>
<li><strong>DVD</strong>: MPEG-2 at 720x576 or 720x480. For DVD the
{ui:MSG_DVD_PAGE} tab sets the video bitrate, the aspect ratio and the audio
bitrate.</li>
</ul>
<p>{label:MSG_TARGET_FORMAT} chooses the television standard: {ui:MSG_TARGET_FORMAT_PAL}
(Europe, most of Asia and Africa, 25 frames per second),
{ui:MSG_TARGET_FORMAT_NTSC} (North America and Japan, 29.97 frames per second)
or {ui:MSG_TARGET_FORMAT_AUTO}, which follows the source's frame rate. Your
codec settings are kept and come back when you untick the box.</p>
<p>The MPEG editor keeps odd widths and heights as you type them.</p>
<div class="shots">
{img:editor-mpeg-general|The General tab of the MPEG profile editor with preset formats}
{img:editor-mpeg-dvd|The DVD tab of the MPEG profile editor}
</div>
"""

PAGES["to-mov"] = """
<p>MOV is the QuickTime format. Kinovert writes it with Sorenson, MPEG-4,
Xvid, H.263 or H.264 video and with AAC, A-Law, AMR or uncompressed sound.
H.264 with AAC plays best on today's computers and devices.</p>
<h2>Profiles that come with Kinovert</h2>
{profiles:MOV}
<h2>Codecs and settings</h2>
{options:MOV}
<div class="shots">
{img:editor-mov-general|The General tab of the MOV profile editor}
{img:editor-mov-video|The Video tab of the MOV profile editor}
</div>
"""

PAGES["to-wmv"] = """
<p>WMV (Windows Media Video) files play in Windows Media Player and many other
players. Kinovert writes them with Microsoft MPEG-4 (versions 2 and 3) or
Windows Media 7 and 8 video and MP3 sound.</p>
<h2>Profiles that come with Kinovert</h2>
{profiles:WMV}
<h2>Codecs and settings</h2>
{options:WMV}
<p>The bitrate steps of the Windows Media formats end at 6000 kbit/s.</p>
<div class="shots">
{img:editor-wmv-general|The General tab of the WMV profile editor}
{img:editor-wmv-video|The Video tab of the WMV profile editor}
</div>
"""

PAGES["to-rm"] = """
<p>RM is the RealMedia format of RealPlayer. Kinovert writes Real Video with
AC3 sound.</p>
<h2>Profiles that come with Kinovert</h2>
{profiles:RM}
<h2>Codecs and settings</h2>
{options:RM}
<p>Real Video needs frame sizes in multiples of 16 and cannot write frames
larger than 720x576: the size list stops there, the editor takes no larger
width or height, and the encoder moves other sizes to multiples of 16.</p>
<div class="shots">
{img:editor-rm-general|The General tab of the RM profile editor}
{img:editor-rm-video|The Video tab of the RM profile editor}
</div>
"""

PAGES["to-swf"] = """
<p>SWF is the Flash format that older web pages embed. Kinovert writes Flash
video with MP3 sound.</p>
<h2>Profiles that come with Kinovert</h2>
{profiles:SWF}
<h2>Codecs and settings</h2>
{options:SWF}
<p>Flash accepts MP3 sound only at 11025, 22050 or 44100 Hz; its bitrate steps
end at 3600 kbit/s.</p>
<div class="shots">
{img:editor-swf-general|The General tab of the SWF profile editor}
{img:editor-swf-audio|The Audio tab of the SWF profile editor}
</div>
"""

PAGES["to-vob"] = """
<p>VOB is the file format found in the <code>VIDEO_TS</code> folder of a DVD:
MPEG-2 video with MP2 or AC3 sound. Use it to prepare material for DVD
authoring programs.</p>
<h2>Profiles that come with Kinovert</h2>
{profiles:VOB}
<h2>Codecs and settings</h2>
{options:VOB}
<p>Choose 720x576 at 25 frames per second for PAL discs and 720x480 at 29.97
for NTSC discs, as the two shipped profiles do. VOB offers only the frame
rates a DVD allows.</p>
<div class="shots">
{img:editor-vob-general|The General tab of the VOB profile editor}
{img:editor-vob-video|The Video tab of the VOB profile editor}
</div>
"""

PAGES["to-asf"] = """
<p>ASF (Advanced Systems Format) is the container of Windows Media; Kinovert
writes it with Microsoft MPEG-4 video and MP3 sound, for older Windows
players and streaming servers.</p>
<h2>Profiles that come with Kinovert</h2>
{profiles:ASF}
<h2>Codecs and settings</h2>
{options:ASF}
<div class="shots">
{img:editor-asf-general|The General tab of the ASF profile editor}
{img:editor-asf-video|The Video tab of the ASF profile editor}
</div>
"""

PAGES["to-aac"] = """
<p>AAC gives better sound than MP3 at the same bitrate and plays on phones,
tablets and media players. Kinovert writes the audio of the source (video
files too) to an <code>.aac</code> file.</p>
<h2>Profiles that come with Kinovert</h2>
{profiles:AAC}
<h2>Settings</h2>
{options:AAC}
<p>Lower sample rates allow lower maximum bitrates; when you choose such a
rate, the bitrate slider moves down by itself.</p>
{img:editor-aac-audio|The Audio tab of the AAC profile editor}
"""

PAGES["to-ac3"] = """
<p>AC3 (Dolby Digital) is the sound of DVDs and home cinema. It can hold 5.1
surround sound.</p>
<h2>Profiles that come with Kinovert</h2>
{profiles:AC3}
<h2>Settings</h2>
{options:AC3}
<p>With {ui:MSG_CHANNELS_6} the sample rate is fixed at 48000 Hz and the
bitrate starts at 112 kbit/s. At 22050 and 24000 Hz the bitrate ends at
320 kbit/s, at 44100 and 48000 Hz it starts at 48 kbit/s.</p>
{img:editor-ac3-audio|The Audio tab of the AC3 profile editor}
"""

PAGES["to-mp2"] = """
<p>MP2 (MPEG-1 Layer II) is the sound of Video CDs and of digital radio.</p>
<h2>Profiles that come with Kinovert</h2>
{profiles:MP2}
<h2>Settings</h2>
{options:MP2}
{img:editor-mp2-audio|The Audio tab of the MP2 profile editor}
"""

PAGES["to-mp3"] = """
<p>MP3 is the audio format every player knows. Use it to take the sound out of
a video or to make music files smaller.</p>
<h2>Profiles that come with Kinovert</h2>
{profiles:MP3}
<h2>Settings</h2>
{options:MP3}
<p>128 kbit/s at 44100 Hz is a good everyday choice; 192 kbit/s and above are
hard to tell from the original.</p>
{img:editor-mp3-audio|The Audio tab of the MP3 profile editor}
"""

PAGES["to-amr"] = """
<p>AMR is a speech codec made for mobile phones: ideal for voice recordings
and ringtones of spoken words, unsuited to music.</p>
<h2>Profiles that come with Kinovert</h2>
{profiles:AMR}
<h2>Settings</h2>
{options:AMR}
<p>{ui:MSG_AMRNB} (8000 Hz) is understood by every phone;
{ui:MSG_AMRWB} (16000 Hz) sounds clearer, but some phones and players cannot
play it, so Kinovert warns you when you choose it. Both are mono only. The
encoder uses the nearest bitrate the codec defines, for example 12.2 kbit/s
for the step 12.</p>
{img:editor-amr-audio|The Audio tab of the AMR profile editor}
"""

PAGES["to-wav"] = """
<p>WAV holds uncompressed sound: the best quality and the largest files. Use
it for editing or burning audio CDs.</p>
<h2>Profiles that come with Kinovert</h2>
{profiles:WAV}
<h2>Settings</h2>
{options:WAV}
<p>{ui:MSG_PCM16LE} at 44100 Hz stereo is CD quality. {ui:MSG_PCMU8} needs half
the space and is enough for speech. WAV has no bitrate setting: the size
follows from the sample rate and the channels.</p>
{img:editor-wav-audio|The Audio tab of the WAV profile editor}
"""
