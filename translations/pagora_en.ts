<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>Import</name>
    <message>
        <source>%1 Einträge des Inhaltsverzeichnisses führen auf Seiten nach 999; sie wurden weggelassen.</source>
        <translation>%1 contents entries lead to pages beyond 999; they were left out.</translation>
    </message>
    <message>
        <source>%1 Zeilen ohne Trennstelle (Leerzeichen, Komma, Bindestrich, Punkt) wurden gekürzt: Zeile %2.</source>
        <translation>%1 lines without a place to break (blank, comma, hyphen, full stop) were cut short: line %2.</translation>
    </message>
    <message>
        <source>Das Buch hat %1 Seiten; gezeigt werden können nur die Seiten 1 bis 999.</source>
        <translation>The book has %1 pages; only pages 1 to 999 can be shown.</translation>
    </message>
    <message>
        <source>%1 Bilder im Text konnten nicht eingesetzt werden.</source>
        <translation>%1 pictures in the text could not be placed.</translation>
    </message>
    <message>
        <source>… und %1 weitere Zeichen (%2 Stellen im Ganzen)</source>
        <translation>… and %1 more characters (%2 places in all)</translation>
    </message>
    <message>
        <source>%1 und %2 weiteren</source>
        <translation>%1 and %2 more</translation>
    </message>
    <message>
        <source>„%1“ (U+%2) in Zeile %3</source>
        <translation>“%1” (U+%2) in line %3</translation>
    </message>
    <message>
        <source>Die Textdatei %1 ist in UTF-8 geschrieben. Diese Zeichen kann Windows-1252, der Zeichensatz der Buchseiten, nicht darstellen:
%2</source>
        <translation>The text file %1 is written in UTF-8. Windows-1252, the character set of the book pages, cannot hold these characters:
%2</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Der Text wird importiert …</source>
        <translation>The text is being imported …</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Text importieren</source>
        <translation>Import text</translation>
    </message>
    <message>
        <source>Die Textdatei %1 kann nicht gelesen werden.</source>
        <translation>The text file %1 cannot be read.</translation>
    </message>
    <message>
        <source>Die Trennmuster %1 fehlen (Paket hyphen-de). Importieren Sie ohne Silbentrennung.</source>
        <translation>The hyphenation patterns %1 are missing (package hyphen-de). Import without hyphenation.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden. Die Seiten sind unverändert.</source>
        <translation>The file %1 cannot be written. The pages are unchanged.</translation>
    </message>
    <message>
        <source>Der Import wurde abgebrochen. Die Seiten sind unverändert.</source>
        <translation>The import was cancelled. The pages are unchanged.</translation>
    </message>
    <message>
        <source>Ohne diese Zeichen importieren?</source>
        <translation>Import without these characters?</translation>
    </message>
    <message>
        <source>%1 ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Ordner) und wird nicht importiert.</source>
        <translation>%1 is not a regular file (a device, a pipe or a folder) and is not imported.</translation>
    </message>
    <message>
        <source>Die Textdatei %1 ist größer als 1 GiB und wird nicht importiert.</source>
        <translation>The text file %1 is larger than 1 GiB and is not imported.</translation>
    </message>
    <message>
        <source>Der Text wurde nicht importiert. Die Seiten sind unverändert.</source>
        <translation>The text was not imported. The pages are unchanged.</translation>
    </message>
</context>
<context>
    <name>Starter</name>
    <message>
        <source>%1 liegt in den installierten Daten (%2), die nur gelesen werden: wählen Sie einen eigenen Ordner</source>
        <translation>%1 lies inside the installed data (%2), which are read-only: choose a folder of your own</translation>
    </message>
    <message>
        <source>%1 ist ein Verweis ins Leere</source>
        <translation>%1 is a link that leads nowhere</translation>
    </message>
    <message>
        <source>%1 ist kein Ordner</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>der Datenordner %1 kann nicht angelegt werden: %2: %3</source>
        <translation>cannot make the data root %1: %2: %3</translation>
    </message>
    <message>
        <source>%1 ist nicht leer und kein Pagora-Datenordner (names.exe fehlt)</source>
        <translation>%1 is not empty and not a Pagora data root (no names.exe)</translation>
    </message>
    <message>
        <source>Aufruf: pagora [--root ORDNER]

Startet Pagora auf Ihrem eigenen Datenordner, in dem Ihre Lesezeichen, Marken,
Bildtexte und neuen Projekte bleiben. Ohne --root ist das $XDG_DATA_HOME/pagora
(~/.local/share/pagora); beim ersten Start wird er aus den installierten Büchern
angelegt.

  --root ORDNER   stattdessen den Datenordner ORDNER öffnen; ein leerer oder
                  fehlender ORDNER wird aus den installierten Büchern angelegt,
                  ein Ordner mit Inhalt muss schon ein Datenordner sein (mit names.exe)
  --help          diese Hilfe zeigen

Rückgabe: die des Programms, 2 bei einem Aufruffehler, 1 wenn der Datenordner nicht
angelegt oder das Programm nicht gestartet werden kann.
</source>
        <translation>Usage: pagora [--root DIR]

Starts Pagora on your own data root, where your bookmarks, marks, picture texts
and new projects are kept. Without --root that is $XDG_DATA_HOME/pagora
(~/.local/share/pagora); on the first start it is made from the installed books.

  --root DIR   open the data root DIR instead; an empty or missing DIR is made
               from the installed books, a folder that is not empty must already
               be a data root (it holds names.exe)
  --help       show this help

Exit status: the program&apos;s, 2 for a usage error, 1 when the data root cannot be
made or the program cannot be started.
</translation>
    </message>
    <message>
        <source>--root braucht einen Ordner</source>
        <translation>--root needs a folder</translation>
    </message>
    <message>
        <source>unbekannte Angabe: %1 (pagora --help)</source>
        <translation>unknown argument: %1 (pagora --help)</translation>
    </message>
    <message>
        <source>weder XDG_DATA_HOME noch HOME nennt einen Ordner: geben Sie --root an</source>
        <translation>neither XDG_DATA_HOME nor HOME names a folder: give --root</translation>
    </message>
    <message>
        <source>Pagora ist unvollständig installiert: %1 oder %2 fehlt</source>
        <translation>Pagora is not installed completely: %1 or %2 is missing</translation>
    </message>
    <message>
        <source>Pagora kann nicht gestartet werden: %1: %2</source>
        <translation>cannot start Pagora: %1: %2</translation>
    </message>
</context>
<context>
    <name>Werkzeug</name>
    <message>
        <source>Keine Pagora-Datenwurzel: &quot;names.exe&quot; fehlt in %1.</source>
        <translation>No Pagora data root: &quot;names.exe&quot; is missing in %1.</translation>
    </message>
    <message>
        <source>Projekt %1 im Verzeichnis %2 angelegt.</source>
        <translation>Project %1 made in the folder %2.</translation>
    </message>
    <message>
        <source>Die Seitendatei %1 kann nicht gelesen werden.</source>
        <translation>The page file %1 cannot be read.</translation>
    </message>
    <message>
        <source>Aufruf: pagora-tool --root ORDNER --name NAME album
Stellt die Albumseiten aus der Bilderliste her und speichert den Albuminhalt (.2 und .8).
</source>
        <translation>Usage: pagora-tool --root DIR --name NAME album
Makes the album spreads from the picture list and saves the album contents (.2 and .8).
</translation>
    </message>
    <message>
        <source>Aufruf: pagora-tool --root ORDNER --name NAME pages --part text|help [--from N] [--to N]
Gibt Seiten aus: &quot;# &quot; Überschrift, &quot;[Bild] &quot; Bildzeile, &quot;[Unterschrift] &quot; Bildunterschrift.
</source>
        <translation>Usage: pagora-tool --root DIR --name NAME pages --part text|help [--from N] [--to N]
Prints pages: &quot;# &quot; heading, &quot;[Bild] &quot; picture line, &quot;[Unterschrift] &quot; caption.
</translation>
    </message>
    <message>
        <source>Aufruf: pagora-tool --root ORDNER --name NAME contents --part text|album|help
Gibt das Inhaltsverzeichnis des Teils aus.
</source>
        <translation>Usage: pagora-tool --root DIR --name NAME contents --part text|album|help
Prints the contents of the part.
</translation>
    </message>
    <message>
        <source>Aufruf: pagora-tool --root ORDNER --name NAME suche --part text|help|album BEGRIFF
Sucht wie Pagora fehlertolerant im Leseteil, in der Hilfe oder in den Bildmarken und gibt
jeden Treffer auf einer Zeile aus. Rückgabe 0 mit Treffern, 1 ohne.
</source>
        <translation>Usage: pagora-tool --root DIR --name NAME suche --part text|help|album TERM
Searches like Pagora, with spelling tolerance, in the reading part, the help or the picture marks
and prints each hit on a line. Exit status 0 with hits, 1 without.
</translation>
    </message>
    <message>
        <source>Aufruf: pagora-tool --root ORDNER --name NAME check
Prüft das Projekt; Rückgabe 1, wenn etwas nicht stimmt.
</source>
        <translation>Usage: pagora-tool --root DIR --name NAME check
Checks the project; exit status 1 when something is wrong.
</translation>
    </message>
    <message>
        <source>Ungültiger Programmname &quot;%1&quot;: ohne Punkt und ohne die Zeichen \ / : * ? &quot; &lt; &gt; |, wie Pagora selbst Programme benennt.</source>
        <translation>Invalid programme name &quot;%1&quot;: without a full stop and without the characters \ / : * ? &quot; &lt; &gt; |, as Pagora itself names programmes.</translation>
    </message>
    <message>
        <source>Das Projekt &quot;%1&quot; gibt es in %2 nicht: weder %1.ini noch der Ordner %1.</source>
        <translation>There is no project &quot;%1&quot; in %2: neither %1.ini nor the folder %1.</translation>
    </message>
    <message>
        <source>Die Textdatei %1 kann nicht gelesen werden.</source>
        <translation>The text file %1 cannot be read.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden. Seiten und Inhaltsverzeichnis sind unverändert.</source>
        <translation>The file %1 cannot be written. Pages and contents are unchanged.</translation>
    </message>
    <message>
        <source>%1 Seiten, %2 Einträge im Inhaltsverzeichnis.</source>
        <translation>%1 pages, %2 entries in the contents.</translation>
    </message>
    <message>
        <source>Die Bilderliste %1 kann nicht gelesen werden.</source>
        <translation>The picture list %1 cannot be read.</translation>
    </message>
    <message>
        <source>Help\Album0.bmp fehlt: keine Albumseiten hergestellt.</source>
        <translation>Help\Album0.bmp is missing: no album spreads made.</translation>
    </message>
    <message>
        <source>%1 Albumseiten hergestellt.</source>
        <translation>%1 album spreads made.</translation>
    </message>
    <message>
        <source>Die Seitendatei fehlt.</source>
        <translation>The page file is missing.</translation>
    </message>
    <message>
        <source>Das Inhaltsverzeichnis fehlt.</source>
        <translation>The contents are missing.</translation>
    </message>
    <message>
        <source>Die Bilderliste kann nicht gelesen werden.</source>
        <translation>The picture list cannot be read.</translation>
    </message>
    <message>
        <source>Zeile %1: Bildname länger als 40 Zeichen: %2</source>
        <translation>Line %1: picture name longer than 40 characters: %2</translation>
    </message>
    <message>
        <source>Zeile %1: Bild fehlt: %2.bmp</source>
        <translation>Line %1: picture missing: %2.bmp</translation>
    </message>
    <message>
        <source>Bild nicht in der Bilderliste: %1</source>
        <translation>Picture not in the picture list: %1</translation>
    </message>
    <message>
        <source>Bildname länger als 40 Zeichen: %1</source>
        <translation>Picture name longer than 40 characters: %1</translation>
    </message>
    <message>
        <source>Leseteil</source>
        <translation>Reading part</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>%1: Seitendatei fehlt oder kann nicht gelesen werden: %2</source>
        <translation>%1: page file missing or unreadable: %2</translation>
    </message>
    <message>
        <source>%1: Seitendatei endet mit einem unvollständigen Seitensatz.</source>
        <translation>%1: page file ends with an incomplete page record.</translation>
    </message>
    <message>
        <source>%1, Seite %2, Zeile %3: beschädigter Seitensatz.</source>
        <translation>%1, page %2, line %3: damaged page record.</translation>
    </message>
    <message>
        <source>%1, Seite %2: Bild im Text fehlt: %3</source>
        <translation>%1, page %2: picture in the text missing: %3</translation>
    </message>
    <message>
        <source>Keine Probleme gefunden.</source>
        <translation>No problems found.</translation>
    </message>
    <message>
        <source>%1 Probleme gefunden.</source>
        <translation>%1 problems found.</translation>
    </message>
    <message>
        <source>Die Trennmuster %1 fehlen (Paket hyphen-de); ohne sie gibt es keine Silbentrennung.</source>
        <translation>The hyphenation patterns %1 are missing (package hyphen-de); without them there is no hyphenation.</translation>
    </message>
    <message>
        <source>Der Teil von pagora-tool, der Bilder liest und schreibt (pagora-tool-befehle.so), fehlt neben %1; bitte installieren Sie Pagora neu.</source>
        <translation>The part of pagora-tool that reads and writes pictures (pagora-tool-befehle.so) is missing beside %1; please reinstall Pagora.</translation>
    </message>
    <message>
        <source>Der Teil von pagora-tool, der PDF-Dateien schreibt (pagora-tool-pdf.so), fehlt neben %1; bitte installieren Sie Pagora neu.</source>
        <translation>The part of pagora-tool that writes PDF files (pagora-tool-pdf.so) is missing beside %1; please reinstall Pagora.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist der Name einer Datei oder eines Ordners von Pagora selbst, kein Projekt.</source>
        <translation>&quot;%1&quot; is the name of one of Pagora&apos;s own files or folders, not a project.</translation>
    </message>
    <message>
        <source>Aufruf: pagora-tool [--root ORDNER] neu [--behalten|--zuruecksetzen] NAME VERZEICHNIS
Legt ein neues Projekt an wie &quot;Neues Projekt&quot; im Fenster Bearbeitung: das Verzeichnis mit
Album, Slides, Pages und Huge, die Programmdatei NAME.exe, die Standardhilfe und NAME.ini mit
Titel und Pfad. Ohne --root ist die Datenwurzel der Ordner von pagora-tool.
Vorhandene Seiten, Bilderliste und Bilder bleiben erhalten; nur die Programmdatei wird ersetzt.
Gibt es NAME.ini schon, lehnt neu ab, außer mit --behalten (Einstellungen bleiben, nur der Pfad
wird VERZEICHNIS) oder --zuruecksetzen (Einstellungen beginnen neu mit Titel und Pfad).
Rückgabe 1 auch, wenn eine Vorlage fehlte: das Projekt ist dann angelegt, aber unvollständig.
</source>
        <translation>Usage: pagora-tool [--root DIR] neu [--behalten|--zuruecksetzen] NAME FOLDER
Makes a new project as &quot;Neues Projekt&quot; in the authoring window does: the folder with
Album, Slides, Pages and Huge, the programme file NAME.exe, the standard help and NAME.ini with
title and path. Without --root the data root is the folder of pagora-tool.
Existing pages, picture list and pictures stay; only the programme file is replaced.
When NAME.ini exists, neu refuses unless --behalten (settings stay, only the path
becomes FOLDER) or --zuruecksetzen (settings start over with title and path) is given.
Exit status 1 also when a template was missing: the project is then made, but incomplete.
</translation>
    </message>
    <message>
        <source>Das Projekt %1 gibt es schon: %1.ini bliebe nicht, wie sie ist. --behalten legt es neu an und behält seine Einstellungen, --zuruecksetzen beginnt sie neu.</source>
        <translation>The project %1 already exists: %1.ini would not stay as it is. --behalten makes it again and keeps its settings, --zuruecksetzen starts them over.</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei %1 kann nicht gelesen oder geschrieben werden.</source>
        <translation>The settings file %1 cannot be read or written.</translation>
    </message>
    <message>
        <source>%1: Das Inhaltsverzeichnis passt nicht zu den Seiten: &quot;%2&quot; verweist auf Seite %3, die %4.</source>
        <translation>%1: the contents do not match the pages: &quot;%2&quot; points to page %3, which %4.</translation>
    </message>
    <message>
        <source>es nicht gibt</source>
        <translation>does not exist</translation>
    </message>
    <message>
        <source>keine Überschrift hat</source>
        <translation>has no heading</translation>
    </message>
    <message>
        <source>Rest einer unterbrochenen Änderung: %1 (der nächste schreibende Aufruf oder der Start von Pagora räumt ihn auf)</source>
        <translation>Left over from an interrupted change: %1 (the next writing call or the start of Pagora clears it up)</translation>
    </message>
    <message>
        <source>Pagora oder ein anderer Aufruf von pagora-tool schreibt gerade in %1 (%2 ist gesperrt). Bitte schließen Sie Pagora und versuchen Sie es noch einmal.</source>
        <translation>Pagora or another call of pagora-tool is writing in %1 (%2 is locked). Please close Pagora and try again.</translation>
    </message>
    <message>
        <source>Aufruf: pagora-tool --root ORDNER --name NAME pdf --part text|album|help [--from N] [--to N] DATEI
Speichert die Doppelseiten eines Teils (Seiten N bis N) als PDF, eine Doppelseite je Blatt, wie
Pagora sie zeigt und druckt; der Text bleibt durchsuchbar, das Inhaltsverzeichnis wird zu
Lesezeichen des PDF.
</source>
        <translation>Usage: pagora-tool --root DIR --name NAME pdf --part text|album|help [--from N] [--to N] FILE
Saves the spreads of a part (pages N to N) as a PDF, one spread per sheet, as Pagora
shows and prints them; the text stays searchable, the contents become the PDF&apos;s
bookmarks.
</translation>
    </message>
    <message>
        <source>Dieser Teil des Buches hat keine Seiten von %1 bis %2.</source>
        <translation>This part of the book has no pages from %1 to %2.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>The file %1 cannot be written.</translation>
    </message>
    <message>
        <source>%1 Doppelseiten in %2 gespeichert.</source>
        <translation>%1 spreads saved in %2.</translation>
    </message>
    <message>
        <source>Eine unterbrochene Änderung in %1 wurde zu Ende geführt.</source>
        <translation>An interrupted change in %1 was completed.</translation>
    </message>
    <message>
        <source>Aufruf: pagora-tool --root ORDNER --name NAME import --part text|help [--silbentrennung] [--ersetzen] DATEI
Importiert die Textdatei (Windows-1252 oder UTF-8, Markierungen :I: :S: :B:) in den Leseteil (text)
oder die Hilfe (help) und speichert das Inhaltsverzeichnis (.1 bzw. .6).
--silbentrennung trennt Wörter, die nicht mehr in die Zeile passen, nach deutschen
Trennregeln mit Bindestrich (Paket hyphen-de).
Ein UTF-8-Text wird nach Windows-1252 umgewandelt; enthält er Zeichen, die Windows-1252 nicht
kennt, nennt der Import sie und bricht ab. --ersetzen importiert ihn dann ohne diese Zeichen.
</source>
        <translation>Usage: pagora-tool --root DIR --name NAME import --part text|help [--silbentrennung] [--ersetzen] FILE
Imports the text file (Windows-1252 or UTF-8, markers :I: :S: :B:) into the reading part (text)
or the help (help) and saves the contents (.1 or .6).
--silbentrennung hyphenates words that no longer fit on the line by the German
hyphenation rules (package hyphen-de).
A UTF-8 text is converted to Windows-1252; when it holds characters Windows-1252 does not
know, the import names them and stops. --ersetzen then imports it without those characters.
</translation>
    </message>
    <message>
        <source>Aufruf: pagora-tool --root ORDNER --name NAME bilder [--rest] [DATEI]
Übernimmt Fotos (*.jpg, *.jpeg, *.png) aus dem Album-Ordner als 24-Bit-Bitmaps daneben, aufrecht
gedreht, wie die Kamera es vermerkt hat; ohne DATEI alle Fotos, die noch kein Bitmap ihres Namens
haben. Ein vorhandenes Bitmap wird nie ersetzt: das neue heißt dann &quot;Name (2).bmp&quot;.
--rest verschiebt die Fotos danach in den Ordner Rest.
</source>
        <translation>Usage: pagora-tool --root DIR --name NAME bilder [--rest] [FILE]
Takes photos (*.jpg, *.jpeg, *.png) of the album folder in as 24-bit bitmaps beside them, turned
upright as the camera noted; without FILE every photo that has no bitmap of its name yet.
An existing bitmap is never replaced: the new one is then called &quot;Name (2).bmp&quot;.
--rest then moves the photos into the folder Rest.
</translation>
    </message>
    <message>
        <source>%1 ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Ordner) und wird nicht importiert.</source>
        <translation>%1 is not a regular file (a device, a pipe or a folder) and is not imported.</translation>
    </message>
    <message>
        <source>Die Textdatei %1 ist größer als 1 GiB und wird nicht importiert.</source>
        <translation>The text file %1 is larger than 1 GiB and is not imported.</translation>
    </message>
    <message>
        <source>Nichts wurde geschrieben. Mit --ersetzen wird der Text ohne diese Zeichen importiert.</source>
        <translation>Nothing was written. With --ersetzen the text is imported without these characters.</translation>
    </message>
    <message>
        <source>Fotos: %1 von %2</source>
        <translation>Photos: %1 of %2</translation>
    </message>
    <message>
        <source>Die Bitmaps können nicht sicher gespeichert werden.</source>
        <translation>The bitmaps cannot be saved safely.</translation>
    </message>
    <message>
        <source>%1 Fotos übernommen.</source>
        <translation>%1 photos taken in.</translation>
    </message>
    <message>
        <source>Aufruf: pagora-tool --root ORDNER --name NAME BEFEHL [OPTIONEN]

Befehle:
  import --part text|help [--silbentrennung] [--ersetzen] DATEI
                                  Text importieren: Seitendatei (.5/.7) und Inhalt (.1/.6)
  bilder [--rest] [DATEI]         Fotos (JPEG, PNG) im Album-Ordner als Bitmaps übernehmen
  album                           Albumseiten und Albuminhalt (.2 und .8) herstellen
  pages --part text|help [--from N] [--to N]   Seiten als lesbaren Text ausgeben
  contents --part text|album|help Inhaltsverzeichnis ausgeben
  check                           Projekt prüfen (fehlende und nicht gelistete Bilder,
                                  zu lange Namen, beschädigte Seitensätze)
  suche --part text|help|album BEGRIFF   fehlertolerant suchen, ein Treffer je Zeile
  neu NAME VERZEICHNIS            neues Projekt anlegen (--name entfällt; neu --help)
  pdf --part text|album|help [--from N] [--to N] DATEI   einen Teil als PDF speichern

BEFEHL --help zeigt die Hilfe zu einem Befehl.
Rückgabe: 0 Erfolg, 1 Eingabe abgelehnt oder Fehler im Projekt, 2 Aufruffehler.
</source>
        <translation>Usage: pagora-tool --root DIR --name NAME COMMAND [OPTIONS]

Commands:
  import --part text|help [--silbentrennung] [--ersetzen] FILE
                                  import a text: page file (.5/.7) and contents (.1/.6)
  bilder [--rest] [FILE]          take the photos (JPEG, PNG) of the album folder in as bitmaps
  album                           make the album spreads and album contents (.2 and .8)
  pages --part text|help [--from N] [--to N]   print pages as readable text
  contents --part text|album|help print the contents
  check                           check the project (missing and unlisted pictures,
                                  names too long, damaged page records)
  suche --part text|help|album TERM   search with spelling tolerance, one hit a line
  neu NAME FOLDER                 make a new project (without --name; neu --help)
  pdf --part text|album|help [--from N] [--to N] FILE   save a part as a PDF

COMMAND --help explains a command.
Exit status: 0 success, 1 input refused or a problem in the project, 2 usage error.
</translation>
    </message>
</context>
<context>
    <name>album</name>
    <message>
        <source>Das Foto %1 gibt es im Album-Ordner nicht.</source>
        <translation>There is no photo %1 in the album folder.</translation>
    </message>
    <message>
        <source>Das Foto %1 ist größer als 1 GiB und wird nicht übernommen.</source>
        <translation>The photo %1 is larger than 1 GiB and is not taken in.</translation>
    </message>
    <message>
        <source>%1 ist keine gewöhnliche Datei und wird nicht übernommen.</source>
        <translation>%1 is not a regular file and is not taken in.</translation>
    </message>
    <message>
        <source>Das Foto %1 kann nicht gelesen werden: %2</source>
        <translation>The photo %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>The file %1 cannot be written.</translation>
    </message>
    <message>
        <source>Das Foto %1 ist als %2 übernommen, kann aber nicht in den Ordner Rest verschoben werden.</source>
        <translation>The photo %1 was taken in as %2 but cannot be moved into the folder Rest.</translation>
    </message>
</context>
<context>
    <name>album::Albumblatt</name>
    <message>
        <source>Albumseite</source>
        <translation>Album page</translation>
    </message>
    <message>
        <source>Ein Klick auf ein Bild zeigt es bildschirmfüllend.</source>
        <translation>A click on a picture shows it full screen.</translation>
    </message>
</context>
<context>
    <name>album::Bildansicht</name>
    <message>
        <source>Vergrößerte Kopie laden</source>
        <translation>Load enlarged copy</translation>
    </message>
    <message>
        <source>Ein Bildlauf - ähnlich einer Dia-Show - wird gestartet (Abbruch durch beliebigen Mausklick)</source>
        <translation>A picture run - like a slide show - is started (any mouse click stops it)</translation>
    </message>
    <message>
        <source>Bildwechsel nach</source>
        <translation>Next picture after</translation>
    </message>
    <message>
        <source>Sekunden</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>nächstes Bild</source>
        <translation>next picture</translation>
    </message>
    <message>
        <source>Eintrag &quot;%1&quot; löschen?</source>
        <translation>Delete entry &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Der Kommentar &quot;%1&quot; kann nicht gelöscht werden.</source>
        <translation>The comment &quot;%1&quot; cannot be deleted.</translation>
    </message>
    <message>
        <source>Diese Zeichen können nicht gespeichert werden: %1
Ohne sie speichern?</source>
        <translation>These characters cannot be saved: %1
Save without them?</translation>
    </message>
    <message>
        <source>Die Kommentardatei %1 kann nicht gelesen werden; der Kommentar wurde nicht gespeichert.</source>
        <translation>The comment file %1 cannot be read; the comment was not saved.</translation>
    </message>
    <message>
        <source>Der Kommentar kann nicht gespeichert werden.</source>
        <translation>The comment cannot be saved.</translation>
    </message>
    <message>
        <source>Der Bildtext kann nicht gespeichert werden.</source>
        <translation>The picture text cannot be saved.</translation>
    </message>
    <message>
        <source>voriges Bild</source>
        <translation>previous picture</translation>
    </message>
    <message>
        <source>Vergrößerte Kopie laden. Klicken Sie danach auf ein Detail, das Sie größer sehen möchten.</source>
        <translation>Load enlarged copy. Then click on a detail you want to see larger.</translation>
    </message>
    <message>
        <source>Bild</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Vergrößerte Kopie</source>
        <translation>Enlarged copy</translation>
    </message>
</context>
<context>
    <name>album::BildlaufPanel</name>
    <message>
        <source>1 bis 999 Sekunden</source>
        <translation>1 to 999 seconds</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Bildwechsel nach Sekunden</source>
        <translation>Next picture after seconds</translation>
    </message>
</context>
<context>
    <name>album::BildtextPanel</name>
    <message>
        <source>Sichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Bildtext</source>
        <translation>Picture text</translation>
    </message>
</context>
<context>
    <name>album::EingabePanel</name>
    <message>
        <source>Schreiben Sie einen Kommentar zu dem Bildelement oder klicken Sie auf &quot;x&quot;</source>
        <translation>Write a comment on this part of the picture or click &quot;x&quot;</translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Ein Kommentar fasst höchstens 80 Zeichen.</source>
        <translation>A comment holds at most 80 characters.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ohne Kommentar schließen</source>
        <translation>Close without a comment</translation>
    </message>
</context>
<context>
    <name>album::Kleinbild</name>
    <message>
        <source>Ungültiger Dateiname &quot;%1&quot;!</source>
        <translation>Invalid file name &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Die Datei %1.bmp im Verzeichnis ALBUM ist kein lesbares Bitmap.</source>
        <translation>The file %1.bmp in the folder ALBUM is not a readable bitmap.</translation>
    </message>
    <message>
        <source>Kann Datei %1.bmp in den Verzeichnissen ALBUM, SLIDES und HELP nicht finden.</source>
        <translation>Cannot find the file %1.bmp in the folders ALBUM, SLIDES and HELP.</translation>
    </message>
    <message>
        <source>Das Bild %1.bmp (%2 x %3 Pixel) ist zu schmal oder zu niedrig für eine verkleinerte Kopie.</source>
        <translation>The picture %1.bmp (%2 x %3 pixels) is too narrow or too low for a reduced copy.</translation>
    </message>
    <message>
        <source>Kann Datei %1.bmp nicht in das Verzeichnis SLIDES schreiben.</source>
        <translation>Cannot write the file %1.bmp into the folder SLIDES.</translation>
    </message>
</context>
<context>
    <name>app::AnsichtMenue</name>
    <message>
        <source>Buchgröße</source>
        <translation>Book size</translation>
    </message>
    <message>
        <source>Passend</source>
        <translation>Fit to screen</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>1,5-fach</source>
        <translation>1.5 times</translation>
    </message>
    <message>
        <source>2-fach</source>
        <translation>2 times</translation>
    </message>
    <message>
        <source>3-fach</source>
        <translation>3 times</translation>
    </message>
    <message>
        <source>Blättern zeigen</source>
        <translation>Show page turning</translation>
    </message>
    <message>
        <source>Pagora zeigt das Buch in der neuen Größe, sobald Sie es das nächste Mal starten.</source>
        <translation>Pagora shows the book at its new size the next time you start it.</translation>
    </message>
</context>
<context>
    <name>app::BildMenue</name>
    <message>
        <source>Fundliste</source>
        <translation>Found list</translation>
    </message>
    <message>
        <source>Menü</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Bearbeiten: Projekte, Texte, Bilder und Gestaltung</source>
        <translation>Authoring: projects, texts, pictures and design</translation>
    </message>
    <message>
        <source>Im Text weiterlesen</source>
        <translation>Read on in the text</translation>
    </message>
    <message>
        <source>Das Album mit den Bildern</source>
        <translation>The album with the pictures</translation>
    </message>
    <message>
        <source>Hilfe zum Programm</source>
        <translation>Help on the program</translation>
    </message>
    <message>
        <source>Suchen im Text, in der Hilfe oder in den Bildern</source>
        <translation>Search in the text, the help or the pictures</translation>
    </message>
    <message>
        <source>Bildlauf: die Bilder nacheinander zeigen</source>
        <translation>Picture run: show the pictures one after another</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Hintergrundbild wählen</source>
        <translation>Choose background picture</translation>
    </message>
    <message>
        <source>Im Fenster zeigen</source>
        <translation>Show in a window</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Lesezeichen %1</source>
        <translation>Bookmark %1</translation>
    </message>
</context>
<context>
    <name>app::Buchlenkung</name>
    <message>
        <source>Klicken Sie auf das Kapitel Ihrer Wahl!</source>
        <translation>Click the chapter of your choice!</translation>
    </message>
    <message>
        <source>Inhalt (Texte)</source>
        <translation>Contents (texts)</translation>
    </message>
    <message>
        <source>Inhalt (Bilder)</source>
        <translation>Contents (pictures)</translation>
    </message>
    <message>
        <source>Inhalt (Hilfe)</source>
        <translation>Contents (help)</translation>
    </message>
    <message>
        <source>vorige Seite</source>
        <translation>previous page</translation>
    </message>
    <message>
        <source>nächste Seite</source>
        <translation>next page</translation>
    </message>
    <message>
        <source>Ein Lesezeichen kann nur zwischen die Seiten des Buches gelegt werden.</source>
        <translation>A bookmark can only be laid between the pages of the book.</translation>
    </message>
</context>
<context>
    <name>app::Meldungsboxen</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>app::Menuezugang</name>
    <message>
        <source>Bearbeiten</source>
        <translation>Authoring</translation>
    </message>
    <message>
        <source>Lesen</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Bildlauf</source>
        <translation>Picture run</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Hintergrundbild</source>
        <translation>Background picture</translation>
    </message>
    <message>
        <source>Fensterdarstellung</source>
        <translation>Window presentation</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>search::TFundliste</name>
    <message>
        <source>Fundliste</source>
        <translation>Found list</translation>
    </message>
    <message>
        <source>wurde nicht gefunden</source>
        <translation>was not found</translation>
    </message>
</context>
<context>
    <name>app::TImageForm</name>
    <message>
        <source>Schriftskalierungen über 150 % und Zwischenwerte zwischen 100, 125 und 150 % werden nicht zuverlässig unterstützt.</source>
        <translation>Font scalings above 150 % and values between 100, 125 and 150 % are not reliably supported.</translation>
    </message>
    <message>
        <source>Wählen Sie im Startmenü von Windows &quot;Einstellungen / Systemsteuerung / Anzeige / Einstellungen / Schriftgrad&quot; einen der Standardwerte, z.B. &quot;kleine Schriftarten&quot;. Danach wird Windows mit den veränderten Einstellungen gestartet.</source>
        <translation>In the Windows start menu, choose one of the standard values under &quot;Settings / Control Panel / Display / Settings / Font size&quot;, e.g. &quot;small fonts&quot;. Windows will then start with the changed settings.</translation>
    </message>
    <message>
        <source>Lesezeichen</source>
        <translation>Bookmarks</translation>
    </message>
    <message>
        <source>Fundliste</source>
        <translation>Found list</translation>
    </message>
    <message>
        <source>Anleitung nicht mehr zeigen</source>
        <translation>Don&apos;t show the guide again</translation>
    </message>
    <message>
        <source>Legen Sie die CD in ihr Laufwerk!</source>
        <translation>Put the CD into your drive!</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht kopiert werden.</source>
        <translation>The file %1 cannot be copied.</translation>
    </message>
    <message>
        <source>Das Buch ist bereits in einem anderen Pagora-Fenster geöffnet. Es wird hier nur zum Lesen geöffnet: Lesezeichen, Kommentare und Bildtexte werden nicht gespeichert.</source>
        <translation>The book is already open in another Pagora window. It is opened here for reading only: bookmarks, comments and picture texts are not saved.</translation>
    </message>
    <message>
        <source>Der Ordner &quot;Help&quot; fehlt in %1. Ohne ihn fehlen das Buch, seine Bilder und die Hilfe; bitte installieren Sie Pagora neu.</source>
        <translation>The folder &quot;Help&quot; is missing in %1. Without it the book, its pictures and the help are missing; please install Pagora again.</translation>
    </message>
    <message>
        <source>Wir empfehlen eine kleinere Bildschirmauflösung. Das Hintergrundbild ist nur %1x%2 Pixels groß.</source>
        <translation>We recommend a smaller screen resolution. The background picture is only %1x%2 pixels.</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Bildlauf</source>
        <translation>Picture run</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Lesen</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Hintergrundbild</source>
        <translation>Background picture</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Projekte</source>
        <translation>Projects</translation>
    </message>
    <message>
        <source>Neues Projekt</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Griffregister</source>
        <translation>Register tabs</translation>
    </message>
    <message>
        <source>Text importieren</source>
        <translation>Import text</translation>
    </message>
    <message>
        <source>Bilder in die Liste</source>
        <translation>Pictures into the list</translation>
    </message>
    <message>
        <source>Bilder ins Album</source>
        <translation>Pictures into the album</translation>
    </message>
    <message>
        <source>Wechsel zwischen Projekten</source>
        <translation>Switch between projects</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis bearbeiten</source>
        <translation>Edit contents</translation>
    </message>
    <message>
        <source>Die Seite wurde in die Datei %1 gedruckt.</source>
        <translation>The page was printed to the file %1.</translation>
    </message>
    <message>
        <source>Die Bilderliste ist noch geöffnet. Trotzdem beenden?</source>
        <translation>The picture list is still open. Exit anyway?</translation>
    </message>
    <message>
        <source>Die Bearbeitungsfunktionen sind erst ausführbar, wenn das Programm auf einer Festplatte installiert wurde.</source>
        <translation>The authoring functions only work once the program has been installed on a hard disk.</translation>
    </message>
    <message>
        <source>Das Buch braucht einen Bildschirm von mindestens 800 × 600 Bildpunkten; auf diesem Bildschirm (%1 × %2) sind seine Ränder abgeschnitten.</source>
        <translation>The book needs a screen of at least 800 × 600 pixels; on this screen (%1 × %2) its edges are cut off.</translation>
    </message>
    <message>
        <source>Buch als PDF speichern</source>
        <translation>Save book as PDF</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Das Buch wird als PDF gespeichert …</source>
        <translation>Saving the book as PDF …</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>The file %1 cannot be written.</translation>
    </message>
    <message>
        <source>Das Buch wurde als PDF in die Datei %1 gespeichert.</source>
        <translation>The book was saved as PDF in the file %1.</translation>
    </message>
    <message>
        <source>Lesezeichen %1 zwischen die aufgeschlagenen Seiten legen</source>
        <translation>Lay bookmark %1 between the open pages</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei %1 ist größer als 64 MB. Pagora liest ihren Anfang, schreibt sie aber nicht zurück: Änderungen an den Einstellungen werden nicht gespeichert.</source>
        <translation>The settings file %1 is larger than 64 MB. Pagora reads its beginning but does not write it back: changes to the settings are not saved.</translation>
    </message>
</context>
<context>
    <name>app::Tastenuebersicht</name>
    <message>
        <source>Pfeil rechts, Pfeil unten, Bild ab</source>
        <translation>Right arrow, Down arrow, Page Down</translation>
    </message>
    <message>
        <source>weiterblättern; in der Bildansicht das nächste Bild</source>
        <translation>turn forward; in the picture view the next picture</translation>
    </message>
    <message>
        <source>Pfeil links, Pfeil oben, Bild auf</source>
        <translation>Left arrow, Up arrow, Page Up</translation>
    </message>
    <message>
        <source>zurückblättern; in der Bildansicht das vorige Bild</source>
        <translation>turn back; in the picture view the previous picture</translation>
    </message>
    <message>
        <source>Pos1</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis des aufgeschlagenen Teils</source>
        <translation>contents of the part shown</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>End</translation>
    </message>
    <message>
        <source>letzte Doppelseite des aufgeschlagenen Teils</source>
        <translation>last spread of the part shown</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>die Hilfe, dort, wo Sie zuletzt gelesen haben</source>
        <translation>the help, where you last read it</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>diese Tastenübersicht</source>
        <translation>this key map</translation>
    </message>
    <message>
        <source>Strg+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>im Text weiterlesen</source>
        <translation>read on in the text</translation>
    </message>
    <message>
        <source>Strg+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>das Album</source>
        <translation>the album</translation>
    </message>
    <message>
        <source>Strg+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>die Suchleiste</source>
        <translation>the search bar</translation>
    </message>
    <message>
        <source>F3, Eingabe</source>
        <translation>F3, Return</translation>
    </message>
    <message>
        <source>in der Suchleiste: die nächste Fundstelle</source>
        <translation>in the search bar: the next hit</translation>
    </message>
    <message>
        <source>Strg+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>die Fundliste der Bildersuche</source>
        <translation>the found list of the picture search</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Bildlauf: die Bilder nacheinander zeigen</source>
        <translation>Picture run: show the pictures one after another</translation>
    </message>
    <message>
        <source>Strg+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>die Doppelseite oder das Bild drucken</source>
        <translation>print the spread or the picture</translation>
    </message>
    <message>
        <source>Strg+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>Hintergrundbild wählen</source>
        <translation>Choose background picture</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>in einem Fenster zeigen</source>
        <translation>show in a window</translation>
    </message>
    <message>
        <source>Strg+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Bearbeitung: Projekte, Texte, Bilder und Gestaltung</source>
        <translation>Authoring: projects, texts, pictures and design</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>das Menü „Ansicht“: Buchgröße und Blättern zeigen</source>
        <translation>the menu “View”: book size and page turning shown</translation>
    </message>
    <message>
        <source>Strg+1 bis Strg+4</source>
        <translation>Ctrl+1 to Ctrl+4</translation>
    </message>
    <message>
        <source>Lesezeichen 1 bis 4 aufschlagen oder in die Doppelseite legen</source>
        <translation>open bookmark 1 to 4 or lay it into the spread</translation>
    </message>
    <message>
        <source>Alt+1 bis Alt+5</source>
        <translation>Alt+1 to Alt+5</translation>
    </message>
    <message>
        <source>die Register 1 bis 5</source>
        <translation>register tabs 1 to 5</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>zum nächsten Bedienelement: Inhaltsverzeichnis, Album-Bilder, Register, Lesezeichen, Bilder im Text, „Anleitung nicht mehr zeigen“, in der Suchleiste die Suchbereiche</source>
        <translation>to the next control: contents, album pictures, register tabs, bookmarks, pictures in the text, “Don&apos;t show the guide again”, in the search bar the scopes</translation>
    </message>
    <message>
        <source>Eingabe, Leertaste</source>
        <translation>Return, Space</translation>
    </message>
    <message>
        <source>das gewählte Bedienelement auslösen: Bild öffnen, Register aufschlagen, Suchbereich wählen, Haken setzen</source>
        <translation>work the chosen control: open a picture, open a register tab, choose a scope, tick the box</translation>
    </message>
    <message>
        <source>Pfeiltasten im Album</source>
        <translation>Arrow keys in the album</translation>
    </message>
    <message>
        <source>von Bild zu Bild</source>
        <translation>from picture to picture</translation>
    </message>
    <message>
        <source>Entf auf einem Lesezeichen</source>
        <translation>Delete on a bookmark</translation>
    </message>
    <message>
        <source>das Lesezeichen aus dem Buch nehmen</source>
        <translation>take the bookmark out of the book</translation>
    </message>
    <message>
        <source>N, Umschalt+N</source>
        <translation>N, Shift+N</translation>
    </message>
    <message>
        <source>in der Bildansicht: die nächste oder vorige Markierung</source>
        <translation>in the picture view: the next or previous mark</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>in der Bildansicht: eine Markierung an der gewählten Stelle oder in der Bildmitte setzen</source>
        <translation>in the picture view: set a mark at the chosen spot or in the middle of the picture</translation>
    </message>
    <message>
        <source>Entf</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>in der Bildansicht: die gewählte Markierung löschen</source>
        <translation>in the picture view: delete the chosen mark</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>in der Bildansicht: den Bildtext lesen und bearbeiten</source>
        <translation>in the picture view: read and edit the picture text</translation>
    </message>
    <message>
        <source>+, −</source>
        <translation>+, −</translation>
    </message>
    <message>
        <source>in der Bildansicht: die vergrößerte Kopie an der gewählten Stelle zeigen, verbergen</source>
        <translation>in the picture view: show the enlarged copy at the chosen spot, hide it</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>zurück: schließt die Suchleiste und Dialoge, führt aus der Bildansicht zum Buch</source>
        <translation>back: closes the search bar and dialogs, leads from the picture view to the book</translation>
    </message>
    <message>
        <source>Strg+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Pagora beenden</source>
        <translation>exit Pagora</translation>
    </message>
    <message>
        <source>Tasten</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Taste</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Wirkung</source>
        <translation>Effect</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>authoring</name>
    <message>
        <source>Ein Dateiname darf keines der folgenden Zeichen enthalten: \ / : * ? &quot; &lt; &gt; |</source>
        <translation>A file name must not contain any of these characters: \ / : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>Programmname und Verzeichnis dürfen nicht leer sein.</source>
        <translation>Programme name and folder must not be empty.</translation>
    </message>
    <message>
        <source>Ein Programmname darf keinen Punkt, keine Steuerzeichen und keine Leerzeichen am Anfang oder Ende enthalten: Programm- und Einstellungsdatei werden sonst nicht wiedergefunden.</source>
        <translation>A programme name must not contain a full stop, control characters or blanks at its start or end: otherwise the programme and settings files are not found again.</translation>
    </message>
    <message>
        <source>Kann Datei %1 nicht erstellen (%2 fehlt)</source>
        <translation>Cannot make the file %1 (%2 is missing)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht nach %2 kopiert werden. Das Projekt wurde nicht fertig angelegt.</source>
        <translation>The file %1 cannot be copied to %2. The project was not completed.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist der Name einer Datei oder eines Ordners von Pagora selbst und kann kein Projekt benennen.</source>
        <translation>&quot;%1&quot; is the name of one of Pagora&apos;s own files or folders and cannot name a project.</translation>
    </message>
    <message>
        <source>%1 ist eine Datei, kein Verzeichnis.</source>
        <translation>%1 is a file, not a folder.</translation>
    </message>
</context>
<context>
    <name>authoring::Albumfrage</name>
    <message>
        <source>Sollen die Bilder jetzt ins Album eingeklebt werden? Bei großen Bildarchiven kann das einige Minuten dauern. Bis dahin passen die Bildunterschriften im Album womöglich nicht zu den Fotos.</source>
        <translation>Paste the pictures into the album now? With large picture archives this can take a few minutes. Until then the captions in the album may not match the photos.</translation>
    </message>
    <message>
        <source>jetzt </source>
        <translation>now </translation>
    </message>
    <message>
        <source>später</source>
        <translation>later</translation>
    </message>
</context>
<context>
    <name>authoring::Albumherstellung</name>
    <message>
        <source>Die Bilderliste ist leer</source>
        <translation>The picture list is empty</translation>
    </message>
    <message>
        <source>Herstellung der Album-Seiten:</source>
        <translation>Making the album spreads:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>authoring::Albumproduktion</name>
    <message>
        <source>Die Bilderliste hat %1 Zeilen; das Album fasst höchstens %2 (499 Doppelseiten). Es wurden keine Albumseiten hergestellt.</source>
        <translation>The picture list has %1 lines; the album holds at most %2 (499 spreads). No album spreads were made.</translation>
    </message>
    <message>
        <source>Help\Album0.bmp kann nicht gelesen werden: die Datei ist kein lesbares Bitmap oder zu groß (das leere Albumblatt ist 524 x 384 Pixel groß).</source>
        <translation>Help\Album0.bmp cannot be read: the file is not a readable bitmap or too large (the empty album sheet is 524 x 384 pixels).</translation>
    </message>
    <message>
        <source>Das Bild &quot;%1&quot; in Zeile %2 der Bilderliste kann nicht geladen werden.</source>
        <translation>The picture &quot;%1&quot; in line %2 of the picture list cannot be loaded.</translation>
    </message>
    <message>
        <source>Die Albumseiten in %1 können nicht auf die Platte geschrieben werden.</source>
        <translation>The album spreads in %1 cannot be written to the disk.</translation>
    </message>
    <message>
        <source>Kann %1 nicht schreiben.</source>
        <translation>Cannot write %1.</translation>
    </message>
</context>
<context>
    <name>authoring::Copyrightpanel</name>
    <message>
        <source>Schreiben Sie direkt auf die Buchseite und klicken Sie auf OK um den Text zu speichern</source>
        <translation>Write straight onto the book page and click OK to save the text</translation>
    </message>
    <message>
        <source>Copyright- Vermerke werden üblicherweise oben oder unten auf der Seite angeordnet</source>
        <translation>Copyright notes usually go at the top or the bottom of the page</translation>
    </message>
    <message>
        <source>Alle Rechte vorbehalten
© 2026 Hanna Beispiel, Musterstadt</source>
        <translation>All rights reserved
© 2026 Hanna Beispiel, Musterstadt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Die Copyright-Seite steht links neben dem Inhaltsverzeichnis des Textes. Importieren Sie zuerst einen Text.</source>
        <translation>The copyright page is on the left of the contents of the text. Import a text first.</translation>
    </message>
    <message>
        <source>Diese Zeichen können nicht gespeichert werden: %1
Ohne sie speichern?</source>
        <translation>These characters cannot be saved: %1
Save without them?</translation>
    </message>
    <message>
        <source>Die Seite fasst %1 Zeilen, der Text hat %2. Die Zeilen ab Zeile %3 werden nicht gespeichert.
So speichern?</source>
        <translation>The page holds %1 lines, the text has %2. The lines from line %3 on are not saved.
Save like this?</translation>
    </message>
    <message>
        <source>Die Copyright-Seite kann nicht in %1 gespeichert werden.</source>
        <translation>The copyright page cannot be saved in %1.</translation>
    </message>
</context>
<context>
    <name>authoring::DemoLaden</name>
    <message>
        <source>Projekt oder Demo laden:</source>
        <translation>Load a project or demo:</translation>
    </message>
    <message>
        <source>Einstellungsdateien</source>
        <translation>Settings files</translation>
    </message>
    <message>
        <source>Demo- CD</source>
        <translation>Demo CD</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Legen Sie die CD in ihr Laufwerk!</source>
        <translation>Put the CD into your drive!</translation>
    </message>
    <message>
        <source>Die Demo-CDROM befindet sich nicht im CD-Laufwerk!</source>
        <translation>The demo CD-ROM is not in the CD drive!</translation>
    </message>
    <message>
        <source>Das Projekt &quot;%1&quot; gibt es nicht: %2 fehlt.</source>
        <translation>The project &quot;%1&quot; does not exist: %2 is missing.</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei %1 kann nicht gelesen werden.</source>
        <translation>The settings file %1 cannot be read.</translation>
    </message>
</context>
<context>
    <name>authoring::Hintergrundpanel</name>
    <message>
        <source>Hintergrundbild auswählen:</source>
        <translation>Choose background picture:</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Dateiname</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Bitmap-Dateien (*.bmp) in </source>
        <translation>Bitmap files (*.bmp) in </translation>
    </message>
    <message>
        <source>Bitmap-Dateien</source>
        <translation>Bitmap files</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 ist kein lesbares Bild.</source>
        <translation>%1 is not a readable picture.</translation>
    </message>
    <message>
        <source>Im Ordner %1 gibt es kein Bild %2.</source>
        <translation>There is no picture %2 in the folder %1.</translation>
    </message>
</context>
<context>
    <name>authoring::Inhaltsbearbeitung</name>
    <message>
        <source>Doppelklick speichert</source>
        <translation>Double-click saves</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Doppelklick speichert das Inhaltsverzeichnis</source>
        <translation>A double click saves the contents</translation>
    </message>
    <message>
        <source>Das Inhaltsverzeichnis %1 fehlt oder kann nicht gelesen werden. Es entsteht beim Textimport bzw. beim Einkleben der Bilder.</source>
        <translation>The contents %1 are missing or cannot be read. They are made by the text import or by pasting the pictures into the album.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden. Das Inhaltsverzeichnis bleibt, wie es war.</source>
        <translation>The file %1 cannot be written. The contents stay as they were.</translation>
    </message>
</context>
<context>
    <name>authoring::Panel11Inhaltsverzeichnis</name>
    <message>
        <source>Sie können den Text des Inhaltsverzeichnisses von Hand ändern (z.B. Leerzeilen einfügen, um das Verzeichnis stärker zu strukturieren).</source>
        <translation>You can change the text of the contents by hand (e.g. insert empty lines to give the contents more structure).</translation>
    </message>
    <message>
        <source>Wenn Sie fertig sind, klicken Sie auf &quot;Speichern&quot;.</source>
        <translation>When you are done, click &quot;Save&quot;.</translation>
    </message>
    <message>
        <source>Alle anderen Einträge und Änderungen sollten Sie nicht im Inhaltsverzeichnis, sondern im Text vornehmen und danach die Textimportfunktion aufrufen.</source>
        <translation>Make all other entries and changes in the text, not in the contents, and then run the text import.</translation>
    </message>
    <message>
        <source>Wählen Sie eines der Inhaltsverzeichnisse aus:</source>
        <translation>Choose one of the contents:</translation>
    </message>
    <message>
        <source>Leseteil</source>
        <translation>Reading part</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Benutzer-Hilfe</source>
        <translation>User help</translation>
    </message>
    <message>
        <source>Autor-Hilfe</source>
        <translation>Author help</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>authoring::Panel7Import</name>
    <message>
        <source>Text in das Buch importieren:</source>
        <translation>Import text into the book:</translation>
    </message>
    <message>
        <source>Buchtext</source>
        <translation>Book text</translation>
    </message>
    <message>
        <source>Benutzer-Hilfe</source>
        <translation>User help</translation>
    </message>
    <message>
        <source>Autor-Hilfe</source>
        <translation>Author help</translation>
    </message>
    <message>
        <source>Dateiname</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Laufwerk</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>Verzeichnisse</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Textdateien (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Silbentrennung</source>
        <translation>Hyphenation</translation>
    </message>
    <message>
        <source>Wörter, die nicht mehr in die Zeile passen, mit Bindestrich trennen</source>
        <translation>Hyphenate words that no longer fit on the line</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Textdateien (*.txt) in</source>
        <translation>Text files (*.txt) in</translation>
    </message>
    <message>
        <source>Ohne die deutschen Trennmuster (%1, Paket hyphen-de) gibt es keine Silbentrennung.</source>
        <translation>Without the German hyphenation patterns (%1, package hyphen-de) there is no hyphenation.</translation>
    </message>
</context>
<context>
    <name>authoring::Bilderlisteneditor</name>
    <message>
        <source>So können Sie die Liste redigieren</source>
        <translation>How to edit the list</translation>
    </message>
    <message>
        <source>So können Sie die Liste </source>
        <translation>How to edit the</translation>
    </message>
    <message>
        <source>redigieren:</source>
        <translation>list:</translation>
    </message>
    <message>
        <source>- Klicken Sie auf eine Zeile </source>
        <translation>- Click on a line </translation>
    </message>
    <message>
        <source>  Das Rähmen in der Abb. </source>
        <translation>  The frame in the figure </translation>
    </message>
    <message>
        <source>  links zeigt die Position des </source>
        <translation>  on the left shows where the </translation>
    </message>
    <message>
        <source>  Bildes auf der Seite </source>
        <translation>  picture is on the page </translation>
    </message>
    <message>
        <source>- Fügen Sie Leerzeilen ein,</source>
        <translation>- Insert empty lines</translation>
    </message>
    <message>
        <source>  wo kein Bild sein soll</source>
        <translation>  where no picture goes</translation>
    </message>
    <message>
        <source>- Schreiben Sie Titel von</source>
        <translation>- Write titles of</translation>
    </message>
    <message>
        <source>  Abschnitten beginnend</source>
        <translation>  sections starting</translation>
    </message>
    <message>
        <source>  mit </source>
        <translation>  with </translation>
    </message>
    <message>
        <source> in eine leere Zeile</source>
        <translation> on an empty line</translation>
    </message>
    <message>
        <source>Bilderliste</source>
        <translation>Picture list</translation>
    </message>
    <message>
        <source>Neue Bilder schließen</source>
        <translation>Close new pictures</translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Neue Bilder</source>
        <translation>New pictures</translation>
    </message>
    <message>
        <source>Name = Titel</source>
        <translation>Name = title</translation>
    </message>
    <message>
        <source>Alle hinzu</source>
        <translation>Add all</translation>
    </message>
    <message>
        <source>Datei weg</source>
        <translation>Remove file</translation>
    </message>
    <message>
        <source>Spei- chern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Schließen ohne Speichern</source>
        <translation>Close without saving</translation>
    </message>
    <message>
        <source>Schließt die Liste der neuen Bilder</source>
        <translation>Closes the list of new pictures</translation>
    </message>
    <message>
        <source>Verwirft Änderungen an der bestehenden Liste und schließt das Bearbeitungsfenster</source>
        <translation>Discards changes to the existing list and closes the editing window</translation>
    </message>
    <message>
        <source>Sortiert die Liste der neuen Bilder</source>
        <translation>Sorts the list of new pictures</translation>
    </message>
    <message>
        <source>Fügt die neuen Bilder an die bestehende Liste an</source>
        <translation>Appends the new pictures to the existing list</translation>
    </message>
    <message>
        <source>Verschiebt die ausgewählte Datei (Neue Bilder) in das Verzeichnis Rest</source>
        <translation>Moves the chosen file (New pictures) into the folder Rest</translation>
    </message>
    <message>
        <source>Speichert die Liste der vorhandenen Bilder und schließt das Bearbeitungsfenster</source>
        <translation>Saves the list of existing pictures and closes the editing window</translation>
    </message>
    <message>
        <source>Die Bilderliste %1 kann nicht gelesen werden.</source>
        <translation>The picture list %1 cannot be read.</translation>
    </message>
    <message>
        <source>Bisherige Bilder (%1)</source>
        <translation>Pictures so far (%1)</translation>
    </message>
    <message>
        <source> wurde verschoben oder gelöscht!</source>
        <translation> was moved or deleted!</translation>
    </message>
    <message>
        <source>Dateinamen von mehr als 40 Zeichen Länge (</source>
        <translation>File names longer than 40 characters (</translation>
    </message>
    <message>
        <source>) können Schwierigkeiten hervorrufen</source>
        <translation>) can cause trouble</translation>
    </message>
    <message>
        <source>Wählen Sie rechts ein Bild aus, schreiben Sie einen Kurzkommentar und doppelklicken Sie links auf der Zeile, vor der es eingefügt werden soll </source>
        <translation>Choose a picture on the right, write a short comment and double-click on the left on the line before which it is to be inserted </translation>
    </message>
    <message>
        <source>Alle Bilder sind in der endgültigen Bilderliste. Sie können diese Liste wie in einem Texteditor redigieren</source>
        <translation>All pictures are in the final picture list. You can edit this list as in a text editor</translation>
    </message>
    <message>
        <source>Neue Bilder (%1)</source>
        <translation>New pictures (%1)</translation>
    </message>
    <message>
        <source>Im Verzeichnis Rest gibt es schon eine Datei %1. Das Bild liegt dort jetzt als %2.</source>
        <translation>The folder Rest already holds a file %1. The picture is there now as %2.</translation>
    </message>
    <message>
        <source>Die Bilderliste %1 kann nicht gespeichert werden.</source>
        <translation>The picture list %1 cannot be saved.</translation>
    </message>
    <message>
        <source>Die Fotos werden als Bitmaps in den Album-Ordner übernommen. Sollen die Originale danach in den Ordner Rest verschoben werden? (Nein: sie bleiben im Album-Ordner.)</source>
        <translation>The photos are taken into the album folder as bitmaps. Should the originals then be moved into the folder Rest? (No: they stay in the album folder.)</translation>
    </message>
    <message>
        <source>Fotos werden übernommen:</source>
        <translation>Taking photos in:</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Die übernommenen Fotos können nicht sicher gespeichert werden.</source>
        <translation>The photos taken in cannot be saved safely.</translation>
    </message>
</context>
<context>
    <name>authoring::Rahmendaten</name>
    <message>
        <source>Programm-Name</source>
        <translation>Programme name</translation>
    </message>
    <message>
        <source>Verzeichnis</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Eingabe mit Enter bestätigen, mit Esc abbrechen</source>
        <translation>Confirm with Enter, cancel with Esc</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Was Ihr Projekt zuerst braucht, sind ein Programmname und ein Dateiverzeichnis. Wenn beides angelegt ist, kommen die Feinheiten (Titel, Bildschirm-Optionen, Copyright)</source>
        <translation>What your project needs first is a programme name and a folder. Once both are made, the details follow (title, screen options, copyright)</translation>
    </message>
    <message>
        <source>Das Projektverzeichnis wurde nicht geändert. Trotzdem fortfahren?</source>
        <translation>The project folder was not changed. Continue anyway?</translation>
    </message>
    <message>
        <source>Der Programmname wurde nicht geändert. Trotzdem fortfahren?</source>
        <translation>The programme name was not changed. Continue anyway?</translation>
    </message>
    <message>
        <source>Das folgende Projektverzeichnis und die dazu gehörenden Programmdateien erstellen? (Platzbedarf ca. %1 MB)</source>
        <translation>Make the following project folder and its programme files? (about %1 MB of space)</translation>
    </message>
    <message>
        <source>Legen Sie die CD in ihr Laufwerk!</source>
        <translation>Put the CD into your drive!</translation>
    </message>
    <message>
        <source>Das Projekt &quot;%1&quot; gibt es schon. Sollen seine Einstellungen (Titel, Register, Hintergrund, Lesezeichen und alle anderen) zurückgesetzt werden? Mit &quot;Nein&quot; bleiben sie erhalten.</source>
        <translation>The project &quot;%1&quot; already exists. Reset its settings (title, tabs, background, bookmarks and all others)? With &quot;No&quot; they are kept.</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei %1 kann nicht gelesen oder geschrieben werden.</source>
        <translation>The settings file %1 cannot be read or written.</translation>
    </message>
</context>
<context>
    <name>authoring::Registerpanel</name>
    <message>
        <source>Die Beschriftung von Register %1 passt nicht auf den Griff und wird abgeschnitten.</source>
        <translation>The caption of tab %1 does not fit on the tab and is cut off.</translation>
    </message>
    <message>
        <source>Beschriften Sie das Register und beobachten Sie die Textverteilung</source>
        <translation>Label the register tabs and watch how the text is spread</translation>
    </message>
    <message>
        <source>Beschriftung</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Buchteil</source>
        <translation>Part of the book</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Beschriftung %1</source>
        <translation>Label %1</translation>
    </message>
    <message>
        <source>Register %1: %2</source>
        <translation>Tab %1: %2</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Seite %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>authoring::Startpanel</name>
    <message>
        <source>Wechseln zwischen Projekten</source>
        <translation>Switch between projects</translation>
    </message>
    <message>
        <source>Text importieren</source>
        <translation>Import text</translation>
    </message>
    <message>
        <source>Neues Projekt</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>Neue Bilder in die Liste aufnehmen</source>
        <translation>Add new pictures to the list</translation>
    </message>
    <message>
        <source>Bilder ins Album einkleben</source>
        <translation>Paste pictures into the album</translation>
    </message>
    <message>
        <source>Titel </source>
        <translation>Title </translation>
    </message>
    <message>
        <source>Griffregister</source>
        <translation>Register tabs</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
</context>
<context>
    <name>authoring::TBearbeitung</name>
    <message>
        <source>Bearbeitung</source>
        <translation>Authoring</translation>
    </message>
    <message>
        <source>Bilderliste wird geschrieben</source>
        <translation>Writing the picture list</translation>
    </message>
    <message>
        <source>Die Bearbeitungsfunktionen sind erst ausführbar, wenn das Programm auf einer Festplatte installiert wurde.</source>
        <translation>The authoring functions only work once the program has been installed on a hard disk.</translation>
    </message>
    <message>
        <source>Die Einstellungen können nicht in %1 gespeichert werden.</source>
        <translation>The settings cannot be saved in %1.</translation>
    </message>
</context>
<context>
    <name>authoring::Titelpanel</name>
    <message>
        <source>Titel:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Unter- titel:</source>
        <translation>Sub- title:</translation>
    </message>
    <message>
        <source>Geben Sie Titel und Untertitel ein und ändern Sie ggf. deren Position und Größe (Pfeile)</source>
        <translation>Enter title and subtitle and change their position and size if needed (arrows)</translation>
    </message>
    <message>
        <source>Titel links</source>
        <translation>Title left</translation>
    </message>
    <message>
        <source>Titel oben</source>
        <translation>Title top</translation>
    </message>
    <message>
        <source>Schatten links</source>
        <translation>Shadow left</translation>
    </message>
    <message>
        <source>Schatten oben</source>
        <translation>Shadow top</translation>
    </message>
    <message>
        <source>Buchtitel oben</source>
        <translation>Book title top</translation>
    </message>
    <message>
        <source>Untertitel oben</source>
        <translation>Subtitle top</translation>
    </message>
    <message>
        <source>Größe des Titels</source>
        <translation>Size of the title</translation>
    </message>
    <message>
        <source>Größe des Buchtitels</source>
        <translation>Size of the book title</translation>
    </message>
    <message>
        <source>Größe des Untertitels</source>
        <translation>Size of the subtitle</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Titel kleiner</source>
        <translation>Title smaller</translation>
    </message>
    <message>
        <source>Titel größer</source>
        <translation>Title larger</translation>
    </message>
    <message>
        <source>Buchtitel kleiner</source>
        <translation>Book title smaller</translation>
    </message>
    <message>
        <source>Buchtitel größer</source>
        <translation>Book title larger</translation>
    </message>
    <message>
        <source>Untertitel kleiner</source>
        <translation>Subtitle smaller</translation>
    </message>
    <message>
        <source>Untertitel größer</source>
        <translation>Subtitle larger</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Titel nach links</source>
        <translation>Title to the left</translation>
    </message>
    <message>
        <source>Titel nach oben</source>
        <translation>Title up</translation>
    </message>
    <message>
        <source>Titel nach rechts</source>
        <translation>Title to the right</translation>
    </message>
    <message>
        <source>Titel nach unten</source>
        <translation>Title down</translation>
    </message>
    <message>
        <source>Schatten</source>
        <translation>Shadow</translation>
    </message>
    <message>
        <source>Schatten nach links</source>
        <translation>Shadow to the left</translation>
    </message>
    <message>
        <source>Schatten nach oben</source>
        <translation>Shadow up</translation>
    </message>
    <message>
        <source>Schatten nach rechts</source>
        <translation>Shadow to the right</translation>
    </message>
    <message>
        <source>Schatten nach unten</source>
        <translation>Shadow down</translation>
    </message>
    <message>
        <source>Buchtitel</source>
        <translation>Book title</translation>
    </message>
    <message>
        <source>Buchtitel nach oben</source>
        <translation>Book title up</translation>
    </message>
    <message>
        <source>Buchtitel nach unten</source>
        <translation>Book title down</translation>
    </message>
    <message>
        <source>Untertitel</source>
        <translation>Subtitle</translation>
    </message>
    <message>
        <source>Untertitel nach oben</source>
        <translation>Subtitle up</translation>
    </message>
    <message>
        <source>Untertitel nach unten</source>
        <translation>Subtitle down</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>book::BuchPanel</name>
    <message>
        <source>Linke Seite</source>
        <translation>Left page</translation>
    </message>
    <message>
        <source>Rechte Seite</source>
        <translation>Right page</translation>
    </message>
    <message>
        <source>vorige Seite</source>
        <translation>previous page</translation>
    </message>
    <message>
        <source>nächste Seite</source>
        <translation>next page</translation>
    </message>
    <message>
        <source>Zeile mit dem Suchbegriff</source>
        <translation>Line with the search term</translation>
    </message>
    <message>
        <source>Bücherwurm</source>
        <translation>Bookworm</translation>
    </message>
    <message>
        <source>Buch</source>
        <translation>Book</translation>
    </message>
</context>
<context>
    <name>book::GriffHinweis</name>
    <message>
        <source>Inhaltsverzeichnis am Beginn des Abschnitts &quot;%1&quot;</source>
        <translation>Contents at the start of the section &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Beginn des Abschnitts &quot;%1&quot;</source>
        <translation>Start of the section &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>book::Kunstbild</name>
    <message>
        <source>zurückblättern</source>
        <translation>turn back</translation>
    </message>
    <message>
        <source>Viel Freude beim Lesen!</source>
        <translation>Enjoy your reading!</translation>
    </message>
    <message>
        <source>Mit dem Pfeil rechts</source>
        <translation>With the right arrow</translation>
    </message>
    <message>
        <source>schlagen Sie das Buch auf.</source>
        <translation>you open the book.</translation>
    </message>
    <message>
        <source>Bewegen Sie die Maus an den</source>
        <translation>Move the mouse to the</translation>
    </message>
    <message>
        <source>unteren Bildschirmrand:</source>
        <translation>bottom edge of the screen:</translation>
    </message>
    <message>
        <source>dort erscheint das Bildmenü.</source>
        <translation>the image menu appears there.</translation>
    </message>
    <message>
        <source>Am rechten Rand des Buches</source>
        <translation>At the right edge of the book</translation>
    </message>
    <message>
        <source>blättern Sie weiter.</source>
        <translation>you turn the page.</translation>
    </message>
    <message>
        <source>Klicken Sie auf den Pfeil,</source>
        <translation>Click on the arrow</translation>
    </message>
    <message>
        <source>der dort erscheint.</source>
        <translation>that appears there.</translation>
    </message>
</context>
<context>
    <name>book::Lesezeichen</name>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>%1, Seite %2-%3</source>
        <translation>%1, pages %2-%3</translation>
    </message>
</context>
<context>
    <name>book::SeitenMemo</name>
    <message>
        <source>Buchseite</source>
        <translation>Book page</translation>
    </message>
</context>
<context>
    <name>search::Suchleiste</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Suchbegriff</source>
        <translation>Search term</translation>
    </message>
    <message>
        <source>Suche</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>schreibungstolerant</source>
        <translation>spelling-tolerant</translation>
    </message>
    <message>
        <source>Suchbegriff nicht gefunden</source>
        <translation>Search term not found</translation>
    </message>
    <message>
        <source>im Text</source>
        <translation>in the text</translation>
    </message>
    <message>
        <source>im Album</source>
        <translation>in the album</translation>
    </message>
    <message>
        <source>in der Hilfe</source>
        <translation>in the help</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
