<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
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
</context>
<context>
    <name>app::BildMenue</name>
    <message>
        <source>Fundliste</source>
        <translation>Found list</translation>
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
    <name>app::TFundliste</name>
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
        <source>Das folgende Projektverzeichnis und die dazu gehörenden Programmdateien erstellen? (Platzbedarf ca. 2 MB)</source>
        <translation>Make the following project folder and its programme files? (about 2 MB of space)</translation>
    </message>
    <message>
        <source>Legen Sie die CD in ihr Laufwerk!</source>
        <translation>Put the CD into your drive!</translation>
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
    <name>search::Suchleiste</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>search::Suchsteuerung</name>
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
