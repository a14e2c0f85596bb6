# SPDX-License-Identifier: GPL-3.0-or-later
"""The texts of the four shipped languages, one row per key in load order.

Columns: key, English, French, German, Italian. A line break is written as
"\\n" (the English defaults keep their own CR/LF sequences); the file writer
turns every break into "#13", the only way a language file can hold one.
"""

NOTICE_EN = ("This program is free software: you can redistribute it and/or modify it "
             "under the terms of the GNU General Public License, version 3 or later. "
             "It comes with ABSOLUTELY NO WARRANTY.")
NOTICE_FR = ("Ce programme est un logiciel libre : vous pouvez le redistribuer et/ou le "
             "modifier selon les termes de la licence publique générale GNU, version 3 ou "
             "ultérieure. Il est fourni SANS AUCUNE GARANTIE.")
NOTICE_DE = ("Dieses Programm ist freie Software: Sie können es unter den Bedingungen der "
             "GNU General Public License, Version 3 oder später, weitergeben und/oder "
             "verändern. Es wird OHNE JEDE GEWÄHRLEISTUNG bereitgestellt.")
NOTICE_IT = ("Questo programma è software libero: è possibile ridistribuirlo e/o modificarlo "
             "secondo i termini della GNU General Public License, versione 3 o successiva. "
             "Viene fornito SENZA ALCUNA GARANZIA.")

MP4_ADVISORY_EN = (
    "ATTENTION!\n\rThe MPEG-4 video codec provides better video quality and a wider choice of "
    "video sizes than H.263.\n\r\n\rMPEG-4 is supported by the Nokia N70/N90 and others.\n\r\n\r"
    "However, some mobile phone models MAY NOT support the MPEG-4 video codec.\n\rIf the "
    "converted clip does NOT play on your phone, try the H.263 video codec instead.")
MP4_ADVISORY_FR = (
    "ATTENTION !\nLe codec vidéo MPEG-4 offre une meilleure qualité d'image et un plus grand "
    "choix de tailles que le H.263.\n\nLe MPEG-4 est pris en charge par les Nokia N70/N90, etc."
    "\n\nCependant, certains modèles de téléphones mobiles NE prennent PAS en charge le codec "
    "vidéo MPEG-4.\nSi la vidéo convertie ne se lit PAS sur votre téléphone, essayez le codec "
    "vidéo H.263.")
MP4_ADVISORY_DE = (
    "ACHTUNG!\nDer MPEG-4-Videocodec bietet im Vergleich zu H.263 eine bessere Bildqualität und "
    "eine größere Auswahl an Bildgrößen.\n\nMPEG-4 wird unter anderem vom Nokia N70/N90 "
    "unterstützt.\n\nEinige Handymodelle unterstützen den MPEG-4-Videocodec jedoch "
    "MÖGLICHERWEISE NICHT.\nFalls der umgewandelte Clip auf Ihrem Handy NICHT abgespielt wird, "
    "versuchen Sie es mit dem H.263-Videocodec.")
MP4_ADVISORY_IT = (
    "ATTENZIONE!\nIl codec video MPEG-4 offre una qualità video superiore e una scelta più ampia "
    "di dimensioni rispetto a H.263.\n\nMPEG-4 è supportato da Nokia N70/N90 ecc.\n\nTuttavia, "
    "alcuni modelli di cellulare POTREBBERO NON supportare il codec video MPEG-4.\nSe il "
    "filmato convertito NON viene riprodotto sul cellulare, provare il codec video H.263.")

AMRWB_ADVISORY_EN = (
    "ATTENTION!\n\rThe Adaptive Multi-Rate Wideband (AMR-WB) speech codec CANNOT be played by "
    "QuickTime.\n\r\n\rAMR wide-band provides better audio quality than AMR narrow-band, but "
    "it is still a mono speech codec.\n\rSome mobile phone models MAY NOT play AMR wide-band "
    "inside a 3gp video clip.\n\rIf NO sound plays on your phone, try the AMR narrow-band "
    "codec instead.")
AMRWB_ADVISORY_FR = (
    "ATTENTION !\nLe codec vocal AMR-WB (Adaptive Multi-Rate Wideband) NE peut PAS être lu par "
    "QuickTime.\n\nL'AMR bande élargie offre une meilleure qualité sonore que l'AMR bande "
    "étroite, mais reste un codec vocal monophonique.\nCertains modèles de téléphones mobiles NE "
    "lisent PAS l'AMR bande élargie dans un clip vidéo 3gp.\nSi aucun son n'est audible sur "
    "votre téléphone, essayez le codec AMR bande étroite.")
AMRWB_ADVISORY_DE = (
    "ACHTUNG!\nDer Sprachcodec AMR-WB (Adaptive Multi-Rate Wideband) kann von QuickTime NICHT "
    "abgespielt werden.\n\nAMR-Breitband bietet eine bessere Tonqualität als AMR-Schmalband, ist "
    "aber weiterhin ein monophoner Sprachcodec.\nEinige Handymodelle spielen AMR-Breitband in "
    "3gp-Videoclips MÖGLICHERWEISE NICHT ab.\nFalls auf Ihrem Handy KEIN Ton zu hören ist, "
    "versuchen Sie es mit dem AMR-Schmalband-Codec.")
AMRWB_ADVISORY_IT = (
    "ATTENZIONE!\nIl codec vocale AMR-WB (Adaptive Multi-Rate Wideband) NON può essere "
    "riprodotto da QuickTime.\n\nAMR banda larga offre una qualità audio migliore di AMR banda "
    "stretta, ma resta un codec vocale monofonico.\nAlcuni modelli di cellulare POTREBBERO NON "
    "riprodurre AMR banda larga all'interno di un filmato 3gp.\nSe il cellulare NON riproduce "
    "alcun suono, provare il codec AMR banda stretta.")

AAC_ADVISORY_EN = (
    "ATTENTION!\n\rThe AAC audio codec provides better audio quality than AMR narrow-band and "
    "AMR wide-band, and it supports stereo.\n\r\n\rAAC is supported by the Nokia N70/N90 and "
    "others.\n\r\n\rHowever, some mobile phone models MAY NOT play AAC sound inside a 3gp "
    "video clip.\n\rIf NO sound plays on your phone, try the AMR narrow-band audio codec "
    "instead.")
AAC_ADVISORY_FR = (
    "ATTENTION !\nLe codec audio AAC offre une meilleure qualité sonore, avec prise en charge de "
    "la stéréo, que l'AMR bande étroite et l'AMR bande élargie.\n\nL'AAC est pris en charge par "
    "les Nokia N70/N90, etc.\n\nCependant, certains modèles de téléphones mobiles NE lisent PAS "
    "le son AAC dans un clip vidéo 3gp.\nSi aucun son n'est audible sur votre téléphone, "
    "essayez le codec audio AMR bande étroite.")
AAC_ADVISORY_DE = (
    "ACHTUNG!\nDer AAC-Audiocodec bietet im Vergleich zu AMR-Schmalband und AMR-Breitband eine "
    "bessere Tonqualität und unterstützt Stereo.\n\nAAC wird unter anderem vom Nokia N70/N90 "
    "unterstützt.\n\nEinige Handymodelle spielen AAC-Ton in 3gp-Videoclips jedoch "
    "MÖGLICHERWEISE NICHT ab.\nFalls auf Ihrem Handy KEIN Ton zu hören ist, versuchen Sie es mit "
    "dem AMR-Schmalband-Audiocodec.")
AAC_ADVISORY_IT = (
    "ATTENZIONE!\nIl codec audio AAC offre una qualità audio superiore, con supporto stereo, "
    "rispetto ad AMR banda stretta e AMR banda larga.\n\nAAC è supportato da Nokia N70/N90 ecc."
    "\n\nTuttavia, alcuni modelli di cellulare POTREBBERO NON riprodurre l'audio AAC "
    "all'interno di un filmato 3gp.\nSe il cellulare NON riproduce alcun suono, provare il codec "
    "audio AMR banda stretta.")

INVALID_NAME_CHARS = "\\ / : * ? \" < > |"

# The product title and its addresses belong to the edition the program is
# built as (src/core/lang/ResStr.cpp); the language files leave them alone.
EDITION = (None, None, None, None)


def same(text):
    """A text every language shows unchanged (codec and format names)."""
    return (text, text, text, text)


ROWS = [
    # Main window
    ("MSG_EXIT", "Exit", "Quitter", "Beenden", "Esci"),
    ("MSG_TOAVI", "To AVI", "Vers AVI", "In AVI", "In AVI"),
    ("MSG_TOMP4", "To MP4", "Vers MP4", "In MP4", "In MP4"),
    ("MSG_TO3GP", "To 3GP", "Vers 3GP", "In 3GP", "In 3GP"),
    ("MSG_TOMPEG", "To MPEG", "Vers MPEG", "In MPEG", "In MPEG"),
    ("MSG_TOMOV", "To MOV", "Vers MOV", "In MOV", "In MOV"),
    ("MSG_TOWMV", "To WMV", "Vers WMV", "In WMV", "In WMV"),
    ("MSG_TORM", "To RM", "Vers RM", "In RM", "In RM"),
    ("MSG_TOSWF", "To SWF", "Vers SWF", "In SWF", "In SWF"),
    ("MSG_TOOTHERS", "To Others", "Autres formats", "Andere Formate", "Altri formati"),
    ("MSG_BURNDVD", "Burn DVD", "Graver un DVD", "DVD brennen", "Masterizza DVD"),
    ("MSG_INPUTFILENAME", "Input File Name:", "Fichier source :", "Quelldatei:",
     "File originale:"),
    ("MSG_OUTPUTDIR", "Output Directory:", "Dossier de sortie :", "Ausgabeordner:",
     "Destinazione:"),
    ("MSG_PRPFILE", "Profile:", "Profil :", "Profil:", "Profilo:"),
    ("MSG_BROWSE", "Browse...", "Parcourir...", "Durchsuchen...", "Sfoglia..."),
    ("MSG_EDIT_PROFILE", "Edit Profile", "Modifier le profil", "Profil bearbeiten",
     "Modifica profilo"),
    ("MSG_EMPTY_STR",) + same("..."),
    ("MSG_STATUS_NOFILES", "Summary: No files", "Résumé : aucun fichier",
     "Übersicht: keine Dateien", "Riepilogo: nessun file"),
    ("MSG_STATUS_ONEFILE", "Summary: One file", "Résumé : un fichier", "Übersicht: eine Datei",
     "Riepilogo: un file"),
    ("MSG_STATUS_FILES", "Summary: %d files", "Résumé : %d fichiers", "Übersicht: %d Dateien",
     "Riepilogo: %d file"),
    ("MSG_FORMAT_ERROR",
     "An error occurred while adding a file:\r\n\r\nThe file \"%s\" is damaged or the format is "
     "not supported.",
     "Une erreur s'est produite lors de l'ajout du fichier :\n\nLe fichier « %s » est "
     "endommagé ou son format n'est pas pris en charge.",
     "Beim Hinzufügen der Datei ist ein Fehler aufgetreten:\n\nDie Datei „%s“ ist beschädigt, "
     "oder ihr Format wird nicht unterstützt.",
     "Si è verificato un errore durante l'aggiunta del file:\n\nIl file \"%s\" è danneggiato "
     "oppure il formato non è supportato."),
    ("MSG_NO_DAT_FILE",
     "Cannot find \"%s\".\r\n\r\nPlease reinstall this program and try again.",
     "Impossible de trouver « %s ».\n\nVeuillez réinstaller le programme et réessayer.",
     "„%s“ wurde nicht gefunden.\n\nBitte installieren Sie das Programm neu und versuchen Sie "
     "es noch einmal.",
     "Impossibile trovare \"%s\".\n\nReinstallare il programma e riprovare."),
    ("MSG_NOENCODER", "The file \"%s\" couldn't be found.",
     "Le fichier « %s » est introuvable.", "Die Datei „%s“ wurde nicht gefunden.",
     "Impossibile trovare il file \"%s\"."),
    ("MSG_NOFILES", "There are no files to encode!", "Il n'y a aucun fichier à convertir !",
     "Es sind keine Dateien zum Umwandeln vorhanden!", "Non ci sono file da convertire!"),
    ("MSG_Error", "Error", "Erreur", "Fehler", "Errore"),
    ("MSG_HINT", "Hint", "Remarque", "Hinweis", "Avviso"),
    ("MSG_FILE_EXISTS",
     "File \"%s\" already exists.\r\n\r\nAre you sure you want to overwrite it?",
     "Le fichier « %s » existe déjà.\n\nVoulez-vous vraiment le remplacer ?",
     "Die Datei „%s“ ist bereits vorhanden.\n\nMöchten Sie sie wirklich überschreiben?",
     "Il file \"%s\" esiste già.\n\nSovrascriverlo?"),
    ("MSG_OVERWRITE", "Overwrite file?", "Remplacer le fichier ?", "Datei überschreiben?",
     "Sovrascrivere il file?"),
    ("MSG_CREATE_DIR_ERROR", "The profile folder could not be created!",
     "Impossible de créer le dossier des profils !",
     "Der Profilordner konnte nicht erstellt werden!",
     "Impossibile creare la cartella dei profili!"),
    ("MSG_CREATEDIR", "Create folder", "Créer le dossier", "Ordner erstellen",
     "Crea cartella"),
    ("MSG_SURE_TO_CREATEDIR", "The output folder does not exist. Do you want to create it?",
     "Le dossier de sortie n'existe pas. Voulez-vous le créer ?",
     "Der Ausgabeordner ist nicht vorhanden. Möchten Sie ihn erstellen?",
     "La cartella di destinazione non esiste. Crearla?"),
    ("MSG_FAIL_TO_CREATEDIR",
     "The folder could not be created! Please check that the path of the output folder is "
     "correct.",
     "Impossible de créer le dossier ! Vérifiez que le chemin du dossier de sortie est "
     "correct.",
     "Der Ordner konnte nicht erstellt werden! Bitte prüfen Sie, ob der Ausgabeordner richtig "
     "angegeben ist.",
     "Impossibile creare la cartella! Verificare che il percorso della cartella di "
     "destinazione sia corretto."),
    ("MSG_FAIL_CREATEDIR", "Failed", "Échec", "Fehlgeschlagen", "Operazione non riuscita"),
    ("MSG_EMPTY", "No Folder", "Aucun dossier", "Kein Ordner", "Nessuna cartella"),
    ("MSG_EMPTY_DIR", "You must choose an output folder first!",
     "Vous devez d'abord choisir un dossier de sortie !",
     "Sie müssen zuerst einen Ausgabeordner wählen!",
     "Scegliere prima una cartella di destinazione!"),
    ("MSG_TRAY_ENCODING_DONE", "Finished converting", "Conversion terminée",
     "Umwandlung abgeschlossen", "Conversione completata"),
    ("MSG_TRAY_ENCODING_START", "Starting...", "Démarrage...", "Wird gestartet...",
     "Avvio in corso..."),
    ("MSG_TRAY_MENU_STOPENCODING", "Stop converting...", "Arrêter la conversion...",
     "Umwandlung beenden...", "Interrompi la conversione..."),
    ("MSG_TRAY_MENU_EXIT", "Exit program", "Quitter le programme", "Programm beenden",
     "Esci dal programma"),
    ("MSG_TRAY_HINT", "%s: %d%%", "%s : %d %%", "%s: %d\u00a0%%", "%s: %d%%"),
    ("MSG_ID_ENC_IN_PROGRESS", "Encoding in progress", "Conversion en cours",
     "Umwandlung läuft", "Conversione in corso"),
    ("MSG_ID_STOP_ENC", "Encoding will stop when the current file is done...",
     "La conversion s'arrêtera après le fichier en cours...",
     "Die Umwandlung wird nach der aktuellen Datei beendet...",
     "La conversione si fermerà al termine del file corrente..."),
    ("MSG_ID_BATCH", "Batch=", "Total=", "Gesamt=", "Totale="),
    ("MSG_ID_OUTPUT", "Output file: %s", "Fichier de sortie : %s", "Ausgabedatei: %s",
     "File di destinazione: %s"),
    ("MSG_ID_WORKING", "Working on file %d of %d: %s", "Traitement du fichier %d sur %d : %s",
     "Datei %d von %d wird bearbeitet: %s", "Elaborazione del file %d di %d: %s"),
    ("MSG_LABEL_ENCODINGFINISHED", "Encoding finished", "Conversion terminée",
     "Umwandlung abgeschlossen", "Conversione completata"),
    ("MSG_FILE_INFO", "File Information - %s", "Informations sur le fichier - %s",
     "Dateiinformationen - %s", "Informazioni sul file - %s"),
    ("MSG_SELECT_FOLDER", "Please select a folder!", "Veuillez choisir un dossier.",
     "Bitte wählen Sie einen Ordner.", "Selezionare una cartella."),
    ("MSG_RENAMEFAILD_TITLE", "Rename Failed", "Échec du renommage",
     "Umbenennen fehlgeschlagen", "Ridenominazione non riuscita"),
    ("MSG_RENAMEFAILD", "Rename failed! Please check whether a profile with this name already exists.",
     "Le renommage a échoué ! Vérifiez qu'aucun profil ne porte déjà ce nom.",
     "Umbenennen fehlgeschlagen! Bitte prüfen Sie, ob bereits ein Profil mit diesem Namen "
     "vorhanden ist.",
     "Ridenominazione non riuscita! Verificare che non esista già un profilo con questo nome."),
    ("MSG_LAST_PROFILE", "This is the last profile; it cannot be deleted!",
     "C'est le dernier profil, il ne peut pas être supprimé !",
     "Dies ist das letzte Profil, es kann nicht gelöscht werden!",
     "Questo è l'ultimo profilo, non può essere eliminato!"),
    ("MSG_LAST_PROFILE_TITLE", "Cannot Be Deleted", "Suppression impossible",
     "Löschen nicht möglich", "Impossibile eliminare"),
    ("MSG_SURE_DELETE_PROFILE", "Are you sure you want to delete the profile \"%s\"?",
     "Voulez-vous vraiment supprimer le profil « %s » ?",
     "Möchten Sie das Profil „%s“ wirklich löschen?",
     "Eliminare il profilo \"%s\"?"),
    ("MSG_SURE_DELETE_PROFILE_TITLE", "Delete Profile", "Supprimer le profil", "Profil löschen",
     "Elimina profilo"),
    ("MSG_CONVERTING", "Converting", "Conversion", "Umwandlung", "Conversione"),
    ("MSG_CLEARLIST", "Clear List", "Vider la liste", "Liste leeren", "Svuota elenco"),
    ("MSG_SEL_ALL", "Select All", "Tout sélectionner", "Alle auswählen", "Seleziona tutto"),
    ("MSG_CONVERT", "Convert", "Convertir", "Umwandeln", "Converti"),
    ("MSG_PLAY_SOURCE", "Play Source", "Lire le fichier source", "Quelldatei abspielen",
     "Riproduci file originale"),
    ("MSG_OPEN_DES_FOLDER", "Open Destination Folder...", "Ouvrir le dossier de sortie...",
     "Ausgabeordner öffnen...", "Apri cartella di destinazione..."),
    ("MSG_SETTINGS", "Settings...", "Paramètres...", "Einstellungen...", "Impostazioni..."),
    ("MSG_HELP_CONTENT", "Help Contents", "Sommaire de l'aide", "Hilfethemen",
     "Sommario della guida"),
    ("MSG_QUICK_START", "Quick Start...", "Démarrage rapide...", "Schnellstart...",
     "Guida rapida..."),
    ("MSG_ONLINE_RES", "Online Resources...", "Ressources en ligne...", "Online-Ressourcen...",
     "Risorse online..."),
    ("MSG_TECH_SUPPORT", "Contact Technical Support...", "Contacter le support technique...",
     "Technischen Support kontaktieren...", "Contatta l'assistenza tecnica..."),
    ("MSG_ABOUT", "About...", "À propos...", "Info...", "Informazioni..."),
    ("MSG_GENERAL", "General", "Général", "Allgemein", "Generale"),
    ("MSG_COMPLETENAME", "Complete Name:", "Nom complet :", "Dateipfad:", "Nome completo:"),
    ("MSG_FILESIZE", "File Size:", "Taille :", "Dateigröße:", "Dimensione:"),
    ("MSG_FORMAT", "Format:", "Format :", "Format:", "Formato:"),
    ("MSG_PLAYTIME", "Play Time:", "Durée :", "Spieldauer:", "Durata:"),
    ("MSG_AUDIOCOUNT", "Audio Count:", "Pistes audio :", "Audiospuren:", "Tracce audio:"),
    ("MSG_VIDEOCOUNT", "Video Count:", "Pistes vidéo :", "Videospuren:", "Tracce video:"),
    ("MSG_VIDEO", "Video", "Vidéo", "Video", "Video"),
    ("MSG_VCODE", "Codec:", "Codec :", "Codec:", "Codec:"),
    ("MSG_WIDTH", "Width", "Largeur", "Breite", "Larghezza"),
    ("MSG_HEIGHT", "Height", "Hauteur", "Höhe", "Altezza"),
    ("MSG_VBITRATE", "Bitrate:", "Débit :", "Bitrate:", "Bitrate:"),
    ("MSG_ADPECTRATIO", "Aspect Ratio:", "Proportions :", "Seitenverhältnis:",
     "Proporzioni:"),
    ("MSG_FRAMERATE", "Frame Rate:", "Images/s :", "Bildrate:", "Fotogrammi/s:"),
    ("MSG_AUDIO", "Audio", "Audio", "Audio", "Audio"),
    ("MSG_ACODEC", "Codec:", "Codec :", "Codec:", "Codec:"),
    ("MSG_ABITRATE", "Bitrate:", "Débit :", "Bitrate:", "Bitrate:"),
    ("MSG_CHANNELS", "Channels:", "Canaux :", "Kanäle:", "Canali:"),
    ("MSG_SAMPLINGRATE", "Sampling Rate:", "Échantillonnage :", "Abtastrate:", "Campionamento:"),
    ("MSG_TRAY_CONVERT_COMPLETE", "Conversion complete!", "Conversion terminée !",
     "Umwandlung abgeschlossen!", "Conversione completata!"),
    ("MSG_MOREINFO", "More Information...", "Plus d'informations...",
     "Weitere Informationen...", "Altre informazioni..."),
    ("MSG_ADD_PROFILE", "Add...", "Ajouter...", "Hinzufügen...", "Aggiungi..."),
    ("MSG_DEL_PROFILE", "Delete", "Supprimer", "Löschen", "Elimina"),
    ("MSG_REN_PROFILE", "Rename...", "Renommer...", "Umbenennen...", "Rinomina..."),
    ("MSG_ADD_FILES", "Add Files...", "Ajouter des fichiers...", "Dateien hinzufügen...",
     "Aggiungi file..."),
    ("MSG_DEL_FILES", "Delete", "Retirer", "Entfernen", "Rimuovi"),
    ("MSG_NO_DESCRIPTION", "No Description", "Aucune description", "Keine Beschreibung",
     "Nessuna descrizione"),
    ("MSG_LANG", "Languages", "Langues", "Sprachen", "Lingue"),
    ("MSG_SHOW_WINDOW", "Show window", "Afficher la fenêtre", "Fenster anzeigen",
     "Mostra finestra"),
    ("MSG_NO_DAT_FILE_TITLE", "File Not Found", "Fichier introuvable",
     "Datei nicht gefunden", "File non trovato"),
    ("MSG_YES", "Yes", "Oui", "Ja", "Sì"),
    ("MSG_NO", "No", "Non", "Nein", "No"),
    ("MSG_TOVOB", "To VOB", "Vers VOB", "In VOB", "In VOB"),
    ("MSG_TOASF", "To ASF", "Vers ASF", "In ASF", "In ASF"),
    ("MSG_TOAAC", "To AAC", "Vers AAC", "In AAC", "In AAC"),
    ("MSG_TOAC3", "To AC3", "Vers AC3", "In AC3", "In AC3"),
    ("MSG_TOMP2", "To MP2", "Vers MP2", "In MP2", "In MP2"),
    ("MSG_TOMP3", "To MP3", "Vers MP3", "In MP3", "In MP3"),
    ("MSG_TOAMR", "To AMR", "Vers AMR", "In AMR", "In AMR"),
    ("MSG_TOWAV", "To WAV", "Vers WAV", "In WAV", "In WAV"),
    ("MSG_CAPTURE", "Capture", "Capture", "Aufnahme", "Acquisizione"),

    # Shared by several windows
    ("MSG_APPLICATION_TITLE",) + EDITION,
    ("MSG_APPLICATION_VERSION", "version:", "version :", "Version:", "versione:"),
    ("MSG_ID_STATUS", "Status=", "État=", "Status=", "Stato="),
    ("MSG_TRAY_INFO", "%s Information", "%s - Informations", "%s - Information",
     "%s - Informazioni"),
    ("MSG_OK",) + same("OK"),
    ("MSG_CANCEL", "Cancel", "Annuler", "Abbrechen", "Annulla"),
    ("MSG_ALLFILES", "All Files", "Tous les fichiers", "Alle Dateien", "Tutti i file"),

    # Profile editors
    ("MSG_PROFILE_EDITOR", "%s Profile Editor", "Éditeur de profil %s", "%s-Profileditor",
     "Editor profilo %s"),
    ("MSG_DESCIPTION", "Description:", "Description :", "Beschreibung:", "Descrizione:"),
    ("MSG_PROFILE_GENERAL", "General", "Général", "Allgemein", "Generale"),
    ("MSG_TIME_CONTROL", "Time Control", "Intervalle de temps", "Zeitbereich",
     "Intervallo di tempo"),
    ("MSG_ENABLE_TIME_CONTROL", "Enable time control", "Activer l'intervalle de temps",
     "Zeitbereich aktivieren", "Attiva intervallo di tempo"),
    ("MSG_START_TIME", "Start time:", "Début :", "Beginn:", "Inizio:"),
    ("MSG_HH_MN", "hh:mm:ss.xxx", "hh:mm:ss.xxx", "hh:mm:ss.xxx", "hh:mm:ss.xxx"),
    ("MSG_END_TIME", "End time:", "Fin :", "Ende:", "Fine:"),
    ("MSG_DURATION", "Duration:", "Durée :", "Dauer:", "Durata:"),
    ("MSG_DIVX",) + same("Divx"),
    ("MSG_XVID",) + same("Xvid"),
    ("MSG_MSMPEG4",) + same("Ms-mpeg4"),
    ("MSG_MSMPEG4v2",) + same("Ms-mpeg4v2"),
    ("MSG_H263",) + same("H263"),
    ("MSG_H263P",) + same("H263P"),
    ("MSG_H264",) + same("H264"),
    ("MSG_HUFFYUV",) + same("huffYUV"),
    ("MSG_MJPEG",) + same("M-JPEG"),
    ("MSG_SVQ1",) + same("Svq1"),
    ("MSG_FLV",) + same("Flv"),
    ("MSG_MPEG1",) + same("Mpeg-1"),
    ("MSG_MPEG2",) + same("Mpeg-2"),
    ("MSG_DV",) + same("DV"),
    ("MSG_MP2",) + same("Mp2"),
    ("MSG_MP3",) + same("Mp3"),
    ("MSG_PCM16LE", "WAV (PCM 16-bit little-endian)", "WAV (PCM 16 bits little-endian)",
     "WAV (PCM 16 Bit Little-Endian)", "WAV (PCM 16 bit little-endian)"),
    ("MSG_PCMU8", "WAV (PCM 8-bit unsigned)", "WAV (PCM 8 bits non signé)",
     "WAV (PCM 8 Bit vorzeichenlos)", "WAV (PCM 8 bit senza segno)"),
    ("MSG_AC3",) + same("AC3"),
    ("MSG_SAVE", "Save", "Enregistrer", "Speichern", "Salva"),
    ("MSG_CLOSE", "Close", "Fermer", "Schließen", "Chiudi"),
    ("MSG_FORMAT_AVI",) + same("AVI"),
    ("MSG_FORMAT_MP4",) + same("MP4"),
    ("MSG_FORMAT_3GP",) + same("3GP"),
    ("MSG_FORMAT_MPEG",) + same("MPEG"),
    ("MSG_FORMAT_MOV",) + same("MOV"),
    ("MSG_FORMAT_WMV",) + same("WMV"),
    ("MSG_FORMAT_RM",) + same("RM"),
    ("MSG_FORMAT_SWF",) + same("SWF"),
    ("MSG_FORMAT_ASF",) + same("ASF"),
    ("MSG_FORMAT_VOB",) + same("VOB"),
    ("MSG_FORMAT_AAC",) + same("AAC"),
    ("MSG_FORMAT_AC3",) + same("AC3"),
    ("MSG_FORMAT_MP2",) + same("MP2"),
    ("MSG_FORMAT_MP3",) + same("MP3"),
    ("MSG_FORMAT_AMR",) + same("AMR"),
    ("MSG_FORMAT_WAV",) + same("WAV"),
    ("MSG_AUDIO_CODEC", "Audio Codec", "Codec audio", "Audiocodec", "Codec audio"),
    ("MSG_DISABLE_AUDIO", "Disable Audio", "Désactiver le son", "Audio deaktivieren",
     "Disattiva audio"),
    ("MSG_DISABLE_AUDIO_DETAIL", "Encode without an audio track",
     "Convertir sans piste audio", "Ohne Audiospur umwandeln", "Converti senza traccia audio"),
    ("MSG_VIDEO_CODEC", "Video Codec", "Codec vidéo", "Videocodec", "Codec video"),
    ("MSG_SAME_Q", "Same Quality", "Qualité identique", "Gleiche Qualität", "Stessa qualità"),
    ("MSG_SAME_Q_DETAIL", "Keep the quality of the source", "Conserver la qualité de la source",
     "Qualität der Quelle beibehalten", "Mantieni la qualità dell'originale"),
    ("MSG_VIDEO_PAGE", "Video", "Vidéo", "Video", "Video"),
    ("MSG_FORMAT_PROPERTIES", "%s format properties", "Propriétés du format %s",
     "Eigenschaften des Formats %s", "Proprietà del formato %s"),
    ("MSG_VIDEO_BITRATE", "Video Bitrate", "Débit vidéo", "Videobitrate", "Bitrate video"),
    ("MSG_PRESET_QUALITY", "Preset quality", "Qualité prédéfinie", "Vordefinierte Qualität",
     "Qualità predefinita"),
    ("MSG_SPECIFY_SETTINGS", "Specify bitrate", "Débit personnalisé", "Bitrate festlegen",
     "Specifica il bitrate"),
    ("MSG_LOW_Q", "Low quality,\nsmall size", "Basse qualité,\npetit fichier",
     "Niedrige Qualität,\nkleine Datei", "Bassa qualità,\nfile piccolo"),
    ("MSG_HIGH_Q", "High quality,\nlarge size", "Haute qualité,\ngros fichier",
     "Hohe Qualität,\ngroße Datei", "Alta qualità,\nfile grande"),
    ("MSG_CURRNET_BITRATE", "Current bitrate:", "Débit actuel :", "Aktuelle Bitrate:",
     "Bitrate attuale:"),
    ("MSG_CONFIGURE", "Configure...", "Configurer...", "Festlegen...", "Configura..."),
    ("MSG_VIDEO_SIZE", "Video Size", "Taille de l'image", "Bildgröße", "Dimensioni video"),
    ("MSG_KEEP_SOURCE_DIM", "Keep source dimensions", "Conserver les dimensions de la source",
     "Abmessungen der Quelle beibehalten", "Mantieni le dimensioni originali"),
    ("MSG_CHANGE_DIM", "Change dimensions", "Modifier les dimensions", "Abmessungen ändern",
     "Cambia dimensioni"),
    ("MSG_VIDEO_DIM", "Dimensions:", "Dimensions :", "Abmessungen:", "Dimensioni:"),
    ("MSG_VWIDTH", "Width:", "Largeur :", "Breite:", "Larghezza:"),
    ("MSG_VHEIGHT", "Height:", "Hauteur :", "Höhe:", "Altezza:"),
    ("MSG_FRAMETRATE", "Frame Rate", "Fréquence d'images", "Bildrate", "Frequenza fotogrammi"),
    ("MSG_FRAMERATE_AUTO", "Auto", "Auto", "Automatisch", "Automatica"),
    ("MSG_CHANGE_FRAMERATE", "Change frame rate", "Modifier la fréquence", "Bildrate ändern",
     "Cambia frequenza"),
    ("MSG_ASPECT", "Aspect Ratio", "Proportions", "Seitenverhältnis", "Proporzioni"),
    ("MSG_ASPECT_AUTO", "Auto", "Auto", "Automatisch", "Automatiche"),
    ("MSG_AUDIO_PAGE", "Audio", "Audio", "Audio", "Audio"),
    ("MSG_ACHANNELS", "Audio Channels", "Canaux audio", "Audiokanäle", "Canali audio"),
    ("MSG_CHANNELS_1", "1 (mono)", "1 (mono)", "1 (Mono)", "1 (mono)"),
    ("MSG_CHANNELS_2", "2 (stereo)", "2 (stéréo)", "2 (Stereo)", "2 (stereo)"),
    ("MSG_CHANNELS_6", "6 (5.1 AC3 48000 Hz)", "6 (5.1 AC3 48000 Hz)", "6 (5.1 AC3 48000 Hz)",
     "6 (5.1 AC3 48000 Hz)"),
    ("MSG_SAMPLERATE", "Sample Rate", "Fréquence d'échantillonnage", "Abtastrate",
     "Frequenza di campionamento"),
    ("MSG_AUDIO_BITRATE", "Audio Bitrate", "Débit audio", "Audiobitrate", "Bitrate audio"),
    ("MSG_AUDIO_BITRATE_AUTO", "Auto", "Auto", "Automatisch", "Automatico"),
    ("MSG_RV7",) + same("Real Video 7"),
    ("MSG_WMV7",) + same("WMV7"),
    ("MSG_WMV8",) + same("WMV8"),
    ("MSG_AAC",) + same("AAC"),
    ("MSG_AMRNB", "AMR Narrow-Band", "AMR bande étroite", "AMR-Schmalband",
     "AMR banda stretta"),
    ("MSG_AMRWB", "AMR Wide-Band", "AMR bande élargie", "AMR-Breitband", "AMR banda larga"),
    ("MSG_ALAW",) + same("A-Law"),
    ("MSG_PCM16BE", "WAV (PCM 16-bit big-endian)", "WAV (PCM 16 bits big-endian)",
     "WAV (PCM 16 Bit Big-Endian)", "WAV (PCM 16 bit big-endian)"),
    ("MSG_TYPE", "Type", "Type", "Typ", "Tipo"),
    ("MSG_TYPE_IPOD",) + same("Apple iPod"),
    ("MSG_TYPE_PSP",) + same("Sony PSP"),
    ("MSG_TYPE_MOBILE", "Mobile Movie", "Vidéo pour mobile", "Handy-Video",
     "Video per cellulare"),
    ("MSG_TYPE_MP4",) + same("Mp4"),
    ("MSG_DVD_PAGE",) + same("DVD"),
    ("MSG_PRESET_FORMATS", "Preset Formats", "Formats prédéfinis", "Vordefinierte Formate",
     "Formati predefiniti"),
    ("MSG_USE_PRESET_FORMATS", "Use preset formats", "Utiliser un format prédéfini",
     "Vordefiniertes Format verwenden", "Usa un formato predefinito"),
    ("MSG_TARGET_FORMAT", "Target format", "Norme cible", "Zielnorm", "Standard di destinazione"),
    ("MSG_TARGET_FORMAT_AUTO", "Auto", "Auto", "Automatisch", "Automatico"),
    ("MSG_TARGET_FORMAT_NTSC",) + same("NTSC"),
    ("MSG_TARGET_FORMAT_PAL",) + same("PAL"),
    ("MSG_CHANGE_ASPECT", "Change aspect", "Modifier les proportions",
     "Seitenverhältnis ändern", "Cambia proporzioni"),
    ("MSG_ASPECT1", "1:1 (square pixels)", "1:1 (pixels carrés)",
     "1:1 (quadratische Pixel)", "1:1 (pixel quadrati)"),
    ("MSG_ASPECT2", "4:3 (standard TV)", "4:3 (téléviseur standard)",
     "4:3 (Standardfernseher)", "4:3 (TV standard)"),
    ("MSG_ASPECT3", "16:9 (widescreen TV)", "16:9 (téléviseur grand écran)",
     "16:9 (Breitbildfernseher)", "16:9 (TV widescreen)"),
    ("MSG_3GP_TYPE1",) + same("3gp (Nokia/NEC/Siemens)"),
    ("MSG_3GP_TYPE2",) + same("3gp (Sony Ericsson)"),
    ("MSG_3GP_TYPE3",) + same("3gp2 (Sony Ericsson)"),
    ("MSG_BITTATE_FORMAT",) + same("%s"),
    ("MSG_ENTER_VIDEOBITRATE", "Please enter the video bitrate", "Veuillez saisir le débit vidéo",
     "Bitte geben Sie die Videobitrate ein", "Immettere il bitrate video"),
    ("MSG_ENTER_VIDEOBITRATE_TITLE", "Enter value", "Saisir une valeur", "Wert eingeben",
     "Immetti valore"),
    ("MSG_MP4SELECTED_TITLE", "MPEG-4 Video Codec selected", "Codec vidéo MPEG-4 sélectionné",
     "MPEG-4-Videocodec ausgewählt", "Codec video MPEG-4 selezionato"),
    ("MSG_MP4SELECTED", MP4_ADVISORY_EN, MP4_ADVISORY_FR, MP4_ADVISORY_DE, MP4_ADVISORY_IT),
    ("MSG_AMRNBSELECTED_TITLE", "AMR-WB Audio Codec selected", "Codec audio AMR-WB sélectionné",
     "AMR-WB-Audiocodec ausgewählt", "Codec audio AMR-WB selezionato"),
    ("MSG_AMRNBSELECTED", AMRWB_ADVISORY_EN, AMRWB_ADVISORY_FR, AMRWB_ADVISORY_DE,
     AMRWB_ADVISORY_IT),
    ("MSG_AACSELECTED_TITLE", "AAC Audio Codec selected", "Codec audio AAC sélectionné",
     "AAC-Audiocodec ausgewählt", "Codec audio AAC selezionato"),
    ("MSG_AACSELECTED", AAC_ADVISORY_EN, AAC_ADVISORY_FR, AAC_ADVISORY_DE, AAC_ADVISORY_IT),
    ("MSG_MOBILE", "Mobile", "Mobile", "Handy", "Cellulare"),
    ("MSG_IPOD_PSP",) + same("iPod/PSP"),
    ("MSG_PSP_FULLSCR", "PSP Full Screen", "PSP plein écran", "PSP-Vollbild",
     "PSP schermo intero"),

    # Value entry dialog
    ("MSG_INVAILD_VALUE", "The value you entered is not valid. Error at position %d.",
     "La valeur saisie n'est pas valide. Erreur à la position %d.",
     "Der eingegebene Wert ist ungültig. Fehler an Position %d.",
     "Il valore immesso non è valido. Errore alla posizione %d."),
    ("MSG_INVAILD_VALUE_TITLE", "Invalid Value", "Valeur non valide", "Ungültiger Wert",
     "Valore non valido"),
    ("MSG_INVAILD_VALUE_BETWEEN",
     "The value you entered is not valid. Please make sure the value is between %d and %d!",
     "La valeur saisie n'est pas valide. Elle doit être comprise entre %d et %d !",
     "Der eingegebene Wert ist ungültig. Bitte geben Sie einen Wert zwischen %d und %d ein!",
     "Il valore immesso non è valido. Il valore deve essere compreso tra %d e %d!"),
    ("MSG_INVAILD_VALUE_BETWEEN_TITLE", "Invalid Value", "Valeur non valide", "Ungültiger Wert",
     "Valore non valido"),

    # Profile name dialog
    ("MSG_INVALID_FILE_NAME_TITLE", "Invalid File Name", "Nom de fichier non valide",
     "Ungültiger Dateiname", "Nome file non valido"),
    ("MSG_INVALID_FILE_NAME",
     "The name you entered is not valid. Please note that a file name cannot contain any of the "
     "following characters:\n\r\n\r" + INVALID_NAME_CHARS,
     "Le nom saisi n'est pas valide. Un nom de fichier ne peut contenir aucun des caractères "
     "suivants :\n\n" + INVALID_NAME_CHARS,
     "Der eingegebene Name ist ungültig. Ein Dateiname darf keines der folgenden Zeichen "
     "enthalten:\n\n" + INVALID_NAME_CHARS,
     "Il nome immesso non è valido. Un nome file non può contenere nessuno dei seguenti "
     "caratteri:\n\n" + INVALID_NAME_CHARS),
    ("MSG_PROFILE_NAME", "Profile Name", "Nom du profil", "Profilname", "Nome profilo"),
    ("MSG_ENTER_PROFILE_NAME", "Enter the profile name:", "Saisissez le nom du profil :",
     "Geben Sie den Profilnamen ein:", "Immettere il nome del profilo:"),

    # File information window
    ("MSG_FILEINFO_CAPTION", "File Information", "Informations sur le fichier",
     "Dateiinformationen", "Informazioni sul file"),
    ("MSG_SAVE_FILE_INFO", "Save File Info...", "Enregistrer...", "Informationen speichern...",
     "Salva informazioni..."),
    ("MSG_TEXTFILE", "Text Files", "Fichiers texte", "Textdateien", "File di testo"),
    ("MSG_FILE_INFO_FILE", "File Info", "Informations sur le fichier", "Dateiinformationen",
     "Informazioni sul file"),

    # Settings dialog
    ("MSG_SETTINGS_TITLE", "Settings", "Paramètres", "Einstellungen", "Impostazioni"),
    ("MSG_GENERAL_PAGE", "General", "Général", "Allgemein", "Generale"),
    ("MSG_THREADPRIORITY", "Thread Priority", "Priorité de la conversion",
     "Priorität der Umwandlung", "Priorità della conversione"),
    ("MSG_IDLE", "Idle", "Basse", "Niedrig", "Bassa"),
    ("MSG_NORMAL", "Normal", "Normale", "Normal", "Normale"),
    ("MSG_HIGH", "High", "Haute", "Hoch", "Alta"),
    ("MSG_REALTIME", "Realtime", "Temps réel", "Echtzeit", "Tempo reale"),
    ("MSG_SHUTDOWN_REAL_DOES", "\"Shut down the computer\" really does:",
     "« Arrêter l'ordinateur » effectue :", "„Computer herunterfahren“ bewirkt:",
     "\"Spegni il computer\" esegue:"),
    ("MSG_CLOSE_APP", "Close %s", "Fermer %s", "%s beenden", "Chiudi %s"),
    ("MSG_SHUTDOWN", "Shut down", "Arrêter", "Herunterfahren", "Spegni"),
    ("MSG_LOGOFF", "Log off", "Fermer la session", "Abmelden", "Disconnetti"),
    ("MSG_RESTART", "Restart", "Redémarrer", "Neu starten", "Riavvia"),
    ("MSG_HIBERNATE", "Hibernate", "Veille prolongée", "Ruhezustand", "Iberna"),
    ("MSG_SUSPEMD", "Suspend", "Mettre en veille", "Standby", "Sospendi"),
    ("MSG_DIRECTSHOW",) + same("DirectShow"),
    ("MSG_USE_DIRECTSHOW", "Use DirectShow", "Utiliser DirectShow", "DirectShow verwenden",
     "Usa DirectShow"),

    # Progress window
    ("MSG_ABORTENCODING",
     "Do you want to stop encoding now or stop encoding when the currently processed file is "
     "done?",
     "Voulez-vous arrêter la conversion maintenant ou après le fichier en cours ?",
     "Möchten Sie die Umwandlung jetzt beenden oder erst nach der aktuellen Datei?",
     "Interrompere la conversione ora o al termine del file corrente?"),
    ("MSG_QUESTION", "Question", "Question", "Frage", "Domanda"),
    ("MSG_BTN_NOW", "Stop now", "Maintenant", "Jetzt beenden", "Interrompi ora"),
    ("MSG_BTN_DONE", "When done", "Après ce fichier", "Nach der Datei", "Al termine"),
    ("MSG_CONVERTING_IN", "Conversion in progress...", "Conversion en cours...",
     "Umwandlung läuft...", "Conversione in corso..."),
    ("MSG_REMAINING_TIME", "Remaining time:", "Temps restant :", "Restzeit:",
     "Tempo rimanente:"),
    ("MSG_ELAPSED_TIME", "Elapsed time:", "Temps écoulé :", "Verstrichene Zeit:",
     "Tempo trascorso:"),
    ("MSG_ESTIMATED_TIME", "Estimated time:", "Temps estimé :", "Geschätzte Zeit:",
     "Tempo stimato:"),
    ("MSG_STOP_WHEN_DONE", "Encoding will stop when the current file is done...",
     "La conversion s'arrêtera après le fichier en cours...",
     "Die Umwandlung wird nach der aktuellen Datei beendet...",
     "La conversione si fermerà al termine del file corrente..."),
    ("MSG_DEL_AFTER", "Delete source file after encoding",
     "Supprimer le fichier source après la conversion",
     "Quelldatei nach der Umwandlung löschen",
     "Elimina il file originale dopo la conversione"),
    ("MSG_SHUTDOWN_AFTER", "Shut down the computer when done", "Arrêter l'ordinateur à la fin",
     "Nach Abschluss Computer herunterfahren", "Spegni il computer al termine"),
    ("MSG_SEND_TO_TRAY", "Send to tray", "Réduire en icône", "Minimieren",
     "Riduci a icona"),
    ("MSG_TRAY_MIN", "The program has been minimized. Double-click its icon in the notification area to restore it.",
     "Le programme a été réduit. Double-cliquez sur l'icône de la zone de notification pour "
     "le rouvrir.",
     "Das Programm wurde minimiert. Doppelklicken Sie auf das Symbol im Infobereich, um es "
     "wiederherzustellen.",
     "Il programma è stato ridotto a icona. Fare doppio clic sull'icona nell'area di notifica "
     "per ripristinarlo."),
    ("MSG_PLEASE_WAIT", "Please wait...", "Veuillez patienter...", "Bitte warten...",
     "Attendere..."),
    ("MSG_PREPARING", "Preparing", "Préparation", "Vorbereitung", "Preparazione"),

    # Countdown window
    ("MSG_LABEL_TIMEOUT", "Time left: %d", "Temps restant : %d", "Restzeit: %d",
     "Tempo rimanente: %d"),
    ("MSG_SHUTDOWN_TITLE", "Shutdown", "Arrêt", "Herunterfahren", "Spegnimento"),
    ("MSG_WARNING", "Warning!", "Attention !", "Warnung!", "Attenzione!"),
    ("MSG_WARNING_DETAIL", "If you don't press Cancel now, %s will shut down the computer.",
     "Si vous ne cliquez pas maintenant sur Annuler, %s arrêtera l'ordinateur.",
     "Wenn Sie jetzt nicht auf „Abbrechen“ klicken, fährt %s den Computer herunter.",
     "Se non si fa clic su Annulla ora, %s spegnerà il computer."),
    ("MSG_TIME_LEFT", "Time left:", "Temps restant :", "Restzeit:",
     "Tempo rimanente:"),

    # About box
    ("MSG_ABOUT_CAPTIAON", "About", "À propos", "Info", "Informazioni"),
    ("MSG_COPYRIGHT", "Copyright (C) 2026 the Kinovert developers",
     "Copyright (C) 2026 les développeurs de Kinovert",
     "Copyright (C) 2026 die Kinovert-Entwickler",
     "Copyright (C) 2026 gli sviluppatori di Kinovert"),
    ("MSG_HOMEPAGE",) + EDITION,
    ("MSG_SUPPORT_MAIL",) + EDITION,
    ("MSG_COPYRIGHT_WARNING", NOTICE_EN, NOTICE_FR, NOTICE_DE, NOTICE_IT),

    # Our own keys
    ("MSG_DELETE_PROFILE_FAILED", "The profile file \"%s\" could not be deleted.",
     "Le fichier de profil « %s » n'a pas pu être supprimé.",
     "Die Profildatei „%s“ konnte nicht gelöscht werden.",
     "Impossibile eliminare il file di profilo \"%s\"."),
    ("MSG_CONVERT_TO", "Convert to", "Convertir en", "Umwandeln in", "Converti in"),
    ("MSG_MOVE_UP", "Move up", "Monter", "Nach oben", "Sposta su"),
    ("MSG_MOVE_DOWN", "Move down", "Descendre", "Nach unten", "Sposta giù"),
    ("MSG_MINIMIZE", "Minimize", "Réduire", "Minimieren", "Riduci a icona"),
    ("MSG_HELP", "Help", "Aide", "Hilfe", "Guida"),
    ("MSG_PROFILE_MENU", "Profile actions", "Actions sur le profil", "Profilaktionen", "Azioni sul profilo"),
    ("MSG_NO_HELP", "The help page \"%s\" could not be found.", "La page d'aide « %s » est introuvable.", "Die Hilfeseite „%s“ wurde nicht gefunden.", "Impossibile trovare la pagina della guida \"%s\"."),
    ("MSG_NO_TRAY",
     "This desktop has no notification area, so the program has been minimized instead.",
     "Ce bureau n'a pas de zone de notification : le programme a été réduit à la place.",
     "Diese Arbeitsumgebung hat keinen Infobereich, daher wurde das Programm stattdessen minimiert.",
     "Questo desktop non ha un'area di notifica, quindi il programma è stato ridotto a icona."),
    ("MSG_SOURCE_KEPT",
     "The file \"%s\" has been converted, but it could not be deleted:\r\n\r\n%s",
     "Le fichier « %s » a été converti, mais il n'a pas pu être supprimé :\n\n%s",
     "Die Datei „%s“ wurde umgewandelt, konnte aber nicht gelöscht werden:\n\n%s",
     "Il file \"%s\" è stato convertito, ma non è stato possibile eliminarlo:\n\n%s"),
    ("MSG_NO_PROFILE_CHOSEN",
     "There is no profile to convert with. Choose one in the list first, or add one.",
     "Aucun profil n'est choisi pour la conversion. Choisissez-en un dans la liste ou ajoutez-en un.",
     "Es ist kein Profil für die Umwandlung gewählt. Wählen Sie zuerst eines in der Liste oder legen Sie eines an.",
     "Nessun profilo scelto per la conversione. Sceglierne uno nell'elenco oppure aggiungerne uno."),
    ("MSG_LANGUAGE_MISSING",
     "The file \"%s\" of the language chosen in the settings cannot be found, so the program uses \"%s\" instead.",
     "Le fichier « %s » de la langue choisie dans les réglages est introuvable ; le programme utilise « %s » à la place.",
     "Die Datei „%s“ der in den Einstellungen gewählten Sprache wurde nicht gefunden; das Programm verwendet stattdessen „%s“.",
     "Il file \"%s\" della lingua scelta nelle impostazioni non è stato trovato; il programma usa invece \"%s\"."),
    ("MSG_PROFILES_READ_ONLY",
     "Your profile folder \"%s\" could not be written (%s). The profiles shipped with the program are used instead; they cannot be changed.",
     "Votre dossier de profils « %s » n'a pas pu être écrit (%s). Les profils fournis avec le programme sont utilisés à la place ; ils ne peuvent pas être modifiés.",
     "Ihr Profilordner „%s“ konnte nicht geschrieben werden (%s). Stattdessen werden die mit dem Programm gelieferten Profile verwendet; sie können nicht geändert werden.",
     "Non è stato possibile scrivere nella cartella dei profili \"%s\" (%s). Vengono usati i profili forniti con il programma, che non possono essere modificati."),
    ("MSG_OUTPUT_SHORT",
     "The file \"%s\" has been converted, but the output lasts only %s of the %s the source states: the source may be incomplete.",
     "Le fichier « %s » a été converti, mais la sortie ne dure que %s sur les %s qu'annonce la source : la source est peut-être incomplète.",
     "Die Datei „%s“ wurde umgewandelt, aber die Ausgabe dauert nur %s der %s, die die Quelle angibt: Die Quelle ist möglicherweise unvollständig.",
     "Il file \"%s\" è stato convertito, ma l'uscita dura solo %s dei %s indicati dalla sorgente: la sorgente potrebbe essere incompleta."),
    ("MSG_SOURCE_CHANGED",
     "The file \"%s\" has been converted, but it changed while it was read (is it still being copied?): the output may be incomplete.",
     "Le fichier « %s » a été converti, mais il a changé pendant sa lecture (est-il encore en cours de copie ?) : la sortie est peut-être incomplète.",
     "Die Datei „%s“ wurde umgewandelt, hat sich aber während des Lesens geändert (wird sie noch kopiert?): Die Ausgabe ist möglicherweise unvollständig.",
     "Il file \"%s\" è stato convertito, ma è cambiato durante la lettura (è ancora in fase di copia?): l'uscita potrebbe essere incompleta."),
    ("MSG_PRESET_REFUSED",
     "The device preset \"%s\" cannot be used: %s.",
     "Le préréglage d'appareil « %s » ne peut pas être utilisé : %s.",
     "Die Gerätevorgabe „%s“ kann nicht verwendet werden: %s.",
     "La preimpostazione per dispositivi \"%s\" non può essere usata: %s."),
    ("MSG_SOURCE_NOT_DELETED",
     "The source has not been deleted.",
     "La source n'a pas été supprimée.",
     "Die Quelle wurde nicht gelöscht.",
     "La sorgente non è stata eliminata."),

    # The batch's end, failure reasons, the countdown's actions, settings
    ("MSG_BATCH_ALL_CONVERTED",
     "All files converted (%d of %d).",
     "Tous les fichiers ont été convertis (%d sur %d).",
     "Alle Dateien wurden umgewandelt (%d von %d).",
     "Tutti i file sono stati convertiti (%d di %d)."),
    ("MSG_BATCH_SOME_FAILED",
     "%d of %d files converted, %d failed.",
     "%d fichiers sur %d convertis, %d en échec.",
     "%d von %d Dateien umgewandelt, %d fehlgeschlagen.",
     "%d file su %d convertiti, %d non riusciti."),
    ("MSG_BATCH_STOPPED",
     "Stopped: %d of %d files converted.",
     "Arrêté : %d fichiers sur %d convertis.",
     "Angehalten: %d von %d Dateien umgewandelt.",
     "Interrotto: %d file su %d convertiti."),
    ("MSG_BATCH_STOPPED_FAILED",
     "Stopped: %d of %d files converted, %d failed.",
     "Arrêté : %d fichiers sur %d convertis, %d en échec.",
     "Angehalten: %d von %d Dateien umgewandelt, %d fehlgeschlagen.",
     "Interrotto: %d file su %d convertiti, %d non riusciti."),
    ("MSG_FILE_FAILED",
     "%s failed: %s",
     "Échec de %s : %s",
     "%s fehlgeschlagen: %s",
     "%s non riuscito: %s"),
    ("MSG_REASON_KILLED",
     "the encoder was stopped from outside (killed by signal %d, %s)",
     "l'encodeur a été arrêté de l'extérieur (tué par le signal %d, %s)",
     "der Encoder wurde von außen beendet (durch das Signal %d, %s)",
     "il codificatore è stato interrotto dall'esterno (terminato dal segnale %d, %s)"),
    ("MSG_REASON_FOLDER_GONE",
     "the output folder \"%s\" was removed during the conversion",
     "le dossier de sortie « %s » a été supprimé pendant la conversion",
     "der Ausgabeordner „%s“ wurde während der Umwandlung entfernt",
     "la cartella di destinazione \"%s\" è stata rimossa durante la conversione"),
    ("MSG_REASON_EXIT_STATUS",
     "the encoder ended with exit status %d",
     "l'encodeur s'est terminé avec le code de sortie %d",
     "der Encoder endete mit dem Exit-Status %d",
     "il codificatore è terminato con il codice di uscita %d"),
    ("MSG_REASON_WROTE_ELSEWHERE",
     "the device preset wrote \"%s\" instead of \"%s\"",
     "le préréglage d'appareil a écrit « %s » au lieu de « %s »",
     "die Gerätevorgabe hat „%s“ statt „%s“ geschrieben",
     "il preset del dispositivo ha scritto \"%s\" invece di \"%s\""),
    ("MSG_REASON_PRESET_NO_OUTPUT",
     "the device preset wrote nothing into \"%s\"",
     "le préréglage d'appareil n'a rien écrit dans « %s »",
     "die Gerätevorgabe hat nichts in „%s“ geschrieben",
     "il preset del dispositivo non ha scritto nulla in \"%s\""),
    ("MSG_REASON_OUTPUT_GONE",
     "the output file \"%s\" no longer exists",
     "le fichier de sortie « %s » n'existe plus",
     "die Ausgabedatei „%s“ existiert nicht mehr",
     "il file di destinazione \"%s\" non esiste più"),
    ("MSG_REASON_NO_OUTPUT",
     "the encoder wrote no output",
     "l'encodeur n'a rien écrit",
     "der Encoder hat keine Ausgabe geschrieben",
     "il codificatore non ha scritto alcun file"),
    ("MSG_WARNING_DETAIL_CLOSE",
     "If you don't press Cancel now, %s will close.",
     "Si vous ne cliquez pas maintenant sur Annuler, %s se fermera.",
     "Wenn Sie jetzt nicht auf „Abbrechen“ klicken, wird %s beendet.",
     "Se non si fa clic su Annulla ora, %s verrà chiuso."),
    ("MSG_WARNING_DETAIL_LOGOFF",
     "If you don't press Cancel now, %s will log you off.",
     "Si vous ne cliquez pas maintenant sur Annuler, %s fermera votre session.",
     "Wenn Sie jetzt nicht auf „Abbrechen“ klicken, meldet %s Sie ab.",
     "Se non si fa clic su Annulla ora, %s chiuderà la sessione."),
    ("MSG_WARNING_DETAIL_RESTART",
     "If you don't press Cancel now, %s will restart the computer.",
     "Si vous ne cliquez pas maintenant sur Annuler, %s redémarrera l'ordinateur.",
     "Wenn Sie jetzt nicht auf „Abbrechen“ klicken, startet %s den Computer neu.",
     "Se non si fa clic su Annulla ora, %s riavvierà il computer."),
    ("MSG_WARNING_DETAIL_HIBERNATE",
     "If you don't press Cancel now, %s will hibernate the computer.",
     "Si vous ne cliquez pas maintenant sur Annuler, %s mettra l'ordinateur en veille prolongée.",
     "Wenn Sie jetzt nicht auf „Abbrechen“ klicken, versetzt %s den Computer in den Ruhezustand.",
     "Se non si fa clic su Annulla ora, %s metterà il computer in ibernazione."),
    ("MSG_WARNING_DETAIL_SUSPEND",
     "If you don't press Cancel now, %s will suspend the computer.",
     "Si vous ne cliquez pas maintenant sur Annuler, %s mettra l'ordinateur en veille.",
     "Wenn Sie jetzt nicht auf „Abbrechen“ klicken, versetzt %s den Computer in den Standby.",
     "Se non si fa clic su Annulla ora, %s sospenderà il computer."),
    ("MSG_SOURCE_FILES",
     "Source files",
     "Fichiers source",
     "Quelldateien",
     "File originali"),
    ("MSG_PRIORITY_NOT_ALLOWED",
     "This user may not raise priorities: the encoder will run at normal priority.",
     "Cet utilisateur ne peut pas augmenter les priorités : l'encodeur tournera en priorité normale.",
     "Dieser Benutzer darf keine Priorität erhöhen: Der Encoder läuft mit normaler Priorität.",
     "Questo utente non può aumentare le priorità: il codificatore funzionerà con priorità normale."),
    ("MSG_NAME_TOO_LONG",
     "The name you entered is too long for a file name. Please choose a shorter name.",
     "Le nom saisi est trop long pour un nom de fichier. Veuillez choisir un nom plus court.",
     "Der eingegebene Name ist als Dateiname zu lang. Bitte wählen Sie einen kürzeren Namen.",
     "Il nome inserito è troppo lungo per un nome di file. Scegliere un nome più breve."),
    ("MSG_WIDTH_RANGE",
     "This width is not possible: %s takes widths from %d to %d pixels.",
     "Cette largeur n'est pas possible : %s accepte des largeurs de %d à %d pixels.",
     "Diese Breite ist nicht möglich: %s erlaubt Breiten von %d bis %d Pixeln.",
     "Questa larghezza non è possibile: %s accetta larghezze da %d a %d pixel."),
    ("MSG_HEIGHT_RANGE",
     "This height is not possible: %s takes heights from %d to %d pixels.",
     "Cette hauteur n'est pas possible : %s accepte des hauteurs de %d à %d pixels.",
     "Diese Höhe ist nicht möglich: %s erlaubt Höhen von %d bis %d Pixeln.",
     "Questa altezza non è possibile: %s accetta altezze da %d a %d pixel."),
    ("MSG_FRAMERATE_AUTO_FIXED", "Auto (always %s fps)", "Auto (toujours %s im/s)",
     "Automatisch (immer %s B/s)", "Automatica (sempre %s fps)"),
    ("MSG_TIME_REFUSED_TITLE", "Invalid Time", "Temps non valide", "Ungültige Zeitangabe",
     "Tempo non valido"),
    ("MSG_TIME_NOT_A_TIME",
     "\"%s\" is not a time. Type hours:minutes:seconds (for example 1:02:03.5), "
     "minutes:seconds (2:30) or seconds (90 or 1.5). The previous value has been restored.",
     "« %s » n'est pas une durée. Saisissez heures:minutes:secondes (par exemple 1:02:03.5), "
     "minutes:secondes (2:30) ou secondes (90 ou 1.5). La valeur précédente a été rétablie.",
     "„%s“ ist keine Zeitangabe. Geben Sie Stunden:Minuten:Sekunden (zum Beispiel 1:02:03.5), "
     "Minuten:Sekunden (2:30) oder Sekunden (90 oder 1.5) ein. Der vorherige Wert wurde "
     "wiederhergestellt.",
     "\"%s\" non è un tempo. Immettere ore:minuti:secondi (ad esempio 1:02:03.5), "
     "minuti:secondi (2:30) o secondi (90 o 1.5). È stato ripristinato il valore precedente."),
    ("MSG_TIME_TOO_LONG",
     "%s is too long: a time may be at most 200:00:00.000 (200 hours). The previous value has "
     "been restored.",
     "%s est trop long : un temps ne peut dépasser 200:00:00.000 (200 heures). La valeur "
     "précédente a été rétablie.",
     "%s ist zu lang: Eine Zeitangabe darf höchstens 200:00:00.000 (200 Stunden) betragen. Der "
     "vorherige Wert wurde wiederhergestellt.",
     "%s è troppo lungo: un tempo può essere al massimo 200:00:00.000 (200 ore). È stato "
     "ripristinato il valore precedente."),
    ("MSG_TIME_END_BEFORE_START",
     "The end time %s lies before the start time %s. The previous value has been restored.",
     "La fin %s précède le début %s. La valeur précédente a été rétablie.",
     "Das Ende %s liegt vor dem Beginn %s. Der vorherige Wert wurde wiederhergestellt.",
     "La fine %s precede l'inizio %s. È stato ripristinato il valore precedente."),
    ("MSG_HELP_HOME_LINK", "Kinovert Help", "Aide de Kinovert", "Kinovert-Hilfe",
     "Guida di Kinovert"),
    ("MSG_HELP_SUPPORT_LINK", "Troubleshooting and reporting a fault",
     "Dépannage et signalement d'un problème", "Fehlerbehebung und Fehlermeldung",
     "Risoluzione dei problemi e segnalazione di un errore"),
]



def french_spacing(text):
    """French sets a space before the high punctuation and inside guillemets;
    a no-break one (narrow before ! ? ; and the percent sign) keeps the mark on
    the line of its word when a message wraps."""
    if text is None:
        return None
    for plain, glued in ((" :", "\u00a0:"), (" ;", "\u202f;"), (" !", "\u202f!"),
                         (" ?", "\u202f?"), (" %%", "\u202f%%"), ("« ", "«\u00a0"),
                         (" »", "\u00a0»")):
        text = text.replace(plain, glued)
    return text


ROWS = [row[:2] + (french_spacing(row[2]),) + row[3:] for row in ROWS]

LANGUAGES = [("english", 1), ("french", 2), ("deutsch", 3), ("italian", 4)]
