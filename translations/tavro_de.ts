<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>tavro::job::TuningStrip</name>
    <message>
        <source>Grey from:</source>
        <translation>Grau aus:</translation>
    </message>
    <message>
        <source>As drawn</source>
        <translation>Wie bisher</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Luma</source>
        <translation>Luminanz</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Schwelle</translation>
    </message>
    <message>
        <source>Dither method</source>
        <translation>Rasterverfahren</translation>
    </message>
    <message>
        <source>Dither</source>
        <translation>Rastern</translation>
    </message>
    <message>
        <source>Floyd-Steinberg</source>
        <translation>Floyd-Steinberg</translation>
    </message>
    <message>
        <source>Atkinson</source>
        <translation>Atkinson</translation>
    </message>
    <message>
        <source>Jarvis-Judice-Ninke</source>
        <translation>Jarvis-Judice-Ninke</translation>
    </message>
    <message>
        <source>Stucki</source>
        <translation>Stucki</translation>
    </message>
    <message>
        <source>Sierra</source>
        <translation>Sierra</translation>
    </message>
    <message>
        <source>Bayer 8 x 8</source>
        <translation>Bayer 8 x 8</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Which grey level of a colour is read: as each rendering has always read it, the blue channel, the average of red, green and blue, or luma (as the eye sees it)</source>
        <translation>Welcher Grauwert einer Farbe gelesen wird: wie jede Darstellung ihn immer gelesen hat, der Blaukanal, der Mittelwert aus Rot, Grün und Blau, oder die Luminanz (wie das Auge sie sieht)</translation>
    </message>
    <message>
        <source>Left panel: levels below this burn</source>
        <translation>Linkes Feld: Werte darunter werden gebrannt</translation>
    </message>
    <message>
        <source>Right panel: how grey becomes dots</source>
        <translation>Rechtes Feld: wie aus Grau Punkte werden</translation>
    </message>
</context>
<context>
    <name>tavro::link::EngraverLink</name>
    <message>
        <source>the port is no longer there</source>
        <translation>die Schnittstelle ist nicht mehr da</translation>
    </message>
</context>
<context>
    <name>tavro::platform::QtSerialLine</name>
    <message>
        <source>the image block did not leave the port in %1 s</source>
        <translation>der Bildblock hat die Schnittstelle nicht in %1 s verlassen</translation>
    </message>
    <message>
        <source>the port is closed</source>
        <translation>die Schnittstelle ist geschlossen</translation>
    </message>
</context>
<context>
    <name>tavro::shell::MainWindow</name>
    <message>
        <source>%1 is no longer there and was taken off the list.</source>
        <translation>%1 ist nicht mehr vorhanden und wurde aus der Liste entfernt.</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>nicht verbunden</translation>
    </message>
    <message>
        <source>Tavro Laser %1

The desktop controller of a small laser engraver.

Licence: MIT
Serial port: %2

%3</source>
        <translation>Tavro Laser %1

Das Steuerprogramm für einen kleinen Lasergravierer.

Lizenz: MIT
Serielle Schnittstelle: %2

%3</translation>
    </message>
    <message>
        <source>About Tavro Laser</source>
        <translation>Über Tavro Laser</translation>
    </message>
</context>
<context>
    <name>tavro::job::Session</name>
    <message>
        <source>The job %1 cannot be read: %2.</source>
        <translation>Der Auftrag %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is a picture, not a Tavro Laser job. Open it with Open Picture… to render it.</source>
        <translation>%1 ist ein Bild, kein Tavro-Laser-Auftrag. Öffnen Sie es mit „Bild öffnen…“, um es umzuwandeln.</translation>
    </message>
    <message>
        <source>%1 is not a Tavro Laser job.</source>
        <translation>%1 ist kein Tavro-Laser-Auftrag.</translation>
    </message>
    <message>
        <source>%1 was saved by a newer Tavro Laser (job format %2); this version opens formats up to %3. Nothing was changed.</source>
        <translation>%1 wurde von einer neueren Tavro-Laser-Version gespeichert (Auftragsformat %2); diese Version öffnet Formate bis %3. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The job %1 is damaged and was not opened: %2. Nothing was changed.</source>
        <translation>Der Auftrag %1 ist beschädigt und wurde nicht geöffnet: %2. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Open Job</source>
        <translation>Auftrag öffnen</translation>
    </message>
    <message>
        <source>The job could not be saved as %1: %2. A file already there was left as it was.</source>
        <translation>Der Auftrag konnte nicht als %1 gespeichert werden: %2. Eine dort vorhandene Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>Save Job</source>
        <translation>Auftrag speichern</translation>
    </message>
    <message>
        <source>The board could not be exported as %1: %2. A file already there was left as it was.</source>
        <translation>Die Vorschau konnte nicht als %1 exportiert werden: %2. Eine dort vorhandene Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>Export Board</source>
        <translation>Vorschau exportieren</translation>
    </message>
    <message>
        <source>The machine holds the picture sent at %1, not the board shown.</source>
        <translation>Die Maschine hat das um %1 gesendete Bild, nicht die angezeigte Vorschau.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Send the board first</source>
        <translation>Erst die Vorschau senden</translation>
    </message>
    <message>
        <source>Start anyway</source>
        <translation>Trotzdem starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A job is running. Pause the machine and quit?</source>
        <translation>Ein Auftrag läuft. Maschine anhalten und beenden?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>The machine is connected</source>
        <translation>Die Maschine ist verbunden</translation>
    </message>
    <message>
        <source>No machine is connected</source>
        <translation>Keine Maschine verbunden</translation>
    </message>
    <message>
        <source>Not while the machine carves</source>
        <translation>Nicht während die Maschine graviert</translation>
    </message>
    <message>
        <source>Choose a rendering and send it, or clear the board, first</source>
        <translation>Erst eine Darstellung wählen und senden oder die Vorschau leeren</translation>
    </message>
</context>
<context>
    <name>tavro::job::JobGuard</name>
    <message>
        <source>A job is running. Stop it and send the new picture?</source>
        <translation>Ein Auftrag läuft. Anhalten und das neue Bild senden?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and change the language?</source>
        <translation>Ein Auftrag läuft. Anhalten und die Sprache wechseln?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and clear the board?</source>
        <translation>Ein Auftrag läuft. Anhalten und die Vorschau leeren?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and reload the picture?</source>
        <translation>Ein Auftrag läuft. Anhalten und das Bild neu laden?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and open the new picture?</source>
        <translation>Ein Auftrag läuft. Anhalten und das neue Bild öffnen?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and open the job?</source>
        <translation>Ein Auftrag läuft. Anhalten und den Auftrag öffnen?</translation>
    </message>
    <message>
        <source>Job running</source>
        <translation>Auftrag läuft</translation>
    </message>
    <message>
        <source>The picture on the board was not sent to the machine. Change the language and lose it?</source>
        <translation>Das Bild in der Vorschau wurde nicht an die Maschine gesendet. Die Sprache wechseln und es verlieren?</translation>
    </message>
    <message>
        <source>Picture not sent</source>
        <translation>Bild nicht gesendet</translation>
    </message>
</context>
<context>
    <name>tavro::shell::JobStatusBar</name>
    <message>
        <source>The job is done</source>
        <translation>Der Auftrag ist fertig</translation>
    </message>
    <message>
        <source>Searching for the machine…</source>
        <translation>Suche nach der Maschine…</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 verbunden</translation>
    </message>
    <message>
        <source>Connection broken, searching…</source>
        <translation>Verbindung unterbrochen, Suche…</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>No picture on the machine</source>
        <translation>Kein Bild auf der Maschine</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Interrupted at row %1 (%2 %)</source>
        <translation>Unterbrochen in Zeile %1 (%2 %)</translation>
    </message>
    <message numerus="yes">
        <source>%n dots, about %1</source>
        <translation>
            <numerusform>%n Punkt, etwa %1</numerusform>
            <numerusform>%n Punkte, etwa %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dots, %1</source>
        <translation>
            <numerusform>%n Punkt, %1</numerusform>
            <numerusform>%n Punkte, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>noch etwa %1</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message numerus="yes">
        <source>Done: %n dots in %1</source>
        <translation>
            <numerusform>Fertig: %n Punkt in %1</numerusform>
            <numerusform>Fertig: %n Punkte in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture not sent since the machine reconnected</source>
        <translation>Seit dem Wiederverbinden der Maschine kein Bild gesendet</translation>
    </message>
    <message>
        <source>Interrupted job: %1 % burnt</source>
        <translation>Unterbrochener Auftrag: %1 % gebrannt</translation>
    </message>
    <message>
        <source>Resume from row %1</source>
        <translation>Ab Zeile %1 fortsetzen</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Von vorn</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Connection broken (%1), searching…</source>
        <translation>Verbindung unterbrochen (%1), Suche…</translation>
    </message>
    <message>
        <source>Machine is carving (not started here)</source>
        <translation>Maschine graviert (nicht hier gestartet)</translation>
    </message>
    <message>
        <source>Paused (not started here)</source>
        <translation>Pausiert (nicht hier gestartet)</translation>
    </message>
    <message>
        <source>Board changed since it was sent</source>
        <translation>Vorschau seit dem Senden geändert</translation>
    </message>
    <message numerus="yes">
        <source>Done: %n dots in %1 (%2 in this run)</source>
        <translation>
            <numerusform>Fertig: %n Punkt in %1 (%2 in diesem Lauf)</numerusform>
            <numerusform>Fertig: %n Punkte in %1 (%2 in diesem Lauf)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavro::shell::MainMenu</name>
    <message>
        <source>No recent files</source>
        <translation>Keine zuletzt geöffneten Dateien</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open Picture…</source>
        <translation>Bild ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Open &amp;Job…</source>
        <translation>&amp;Auftrag öffnen…</translation>
    </message>
    <message>
        <source>&amp;Save Job</source>
        <translation>Auftrag &amp;speichern</translation>
    </message>
    <message>
        <source>Save Job &amp;As…</source>
        <translation>Auftrag speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Export Board as PNG…</source>
        <translation>Vorschau als PNG e&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Machine</source>
        <translation>&amp;Maschine</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Break</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>Send &amp;Image To Machine</source>
        <translation>&amp;Bild an die Maschine senden</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Power &amp;Off…</source>
        <translation>&amp;Ausschalten…</translation>
    </message>
    <message>
        <source>Se&amp;ttings…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Tavro Laser &amp;Help</source>
        <translation>Tavro-Laser-&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Tavro Laser</source>
        <translation>&amp;Über Tavro Laser</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Neustart</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
</context>
<context>
    <name>tavro::shell::MainPanel</name>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
</context>
<context>
    <name>tavro::shell::SystemDesktop</name>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Tavro Laser jobs (*%1)</source>
        <translation>Tavro-Laser-Aufträge (*%1)</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>Open Job</source>
        <translation>Auftrag öffnen</translation>
    </message>
    <message>
        <source>Save Job</source>
        <translation>Auftrag speichern</translation>
    </message>
    <message>
        <source>Export Board as PNG</source>
        <translation>Vorschau als PNG exportieren</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
</context>
<context>
    <name>tavro::shell::UserGuideWindow</name>
    <message>
        <source>Tavro Laser User Guide</source>
        <translation>Tavro-Laser-Benutzerhandbuch</translation>
    </message>
</context>
</TS>
