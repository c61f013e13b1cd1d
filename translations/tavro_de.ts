<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>tavro::ui::BestPatchWindow</name>
    <message>
        <source>Test card of %1: burn time %2 at %3 % looked best.</source>
        <translation>Testkarte vom %1: Brenndauer %2 bei %3 % sah am besten aus.</translation>
    </message>
    <message>
        <source>No patch picked yet.</source>
        <translation>Noch kein Feld gewählt.</translation>
    </message>
    <message>
        <source>Burn time %1, %2 % black</source>
        <translation>Brenndauer %1, %2 % schwarz</translation>
    </message>
    <message>
        <source>Choose the Best Patch</source>
        <translation>Bestes Feld wählen</translation>
    </message>
    <message>
        <source>Click the patch that looked best on the burnt card, then save it as a preset (or double-click it).</source>
        <translation>Klicken Sie auf das Feld, das auf der gebrannten Karte am besten aussah, und speichern Sie es als Voreinstellung (oder doppelklicken Sie es).</translation>
    </message>
    <message>
        <source>Save as Preset…</source>
        <translation>Als Voreinstellung speichern…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>tavro::document::JobDocument</name>
    <message>
        <source>No chosen picture is on the board.</source>
        <translation>Auf der Vorschau liegt kein gewähltes Bild.</translation>
    </message>
    <message>
        <source>No part of the picture would be on the board.</source>
        <translation>Kein Teil des Bildes läge auf der Vorschau.</translation>
    </message>
</context>
<context>
    <name>tavro::session::JobGuard</name>
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
    <name>tavro::ui::MachineSizeDialog</name>
    <message>
        <source>Machine Size</source>
        <translation>Maschinengröße</translation>
    </message>
    <message>
        <source>Measure a burnt line of known length in dots, or the side of the whole board, to find your machine&apos;s scale. The rulers beside the board show the default, 13.4.</source>
        <translation>Messen Sie eine gebrannte Linie bekannter Punktzahl oder die Seite der ganzen Vorschau, um den Maßstab Ihrer Maschine zu finden. Die Lineale neben der Vorschau zeigen den Standardwert 13,4.</translation>
    </message>
    <message>
        <source>&amp;Dots per millimetre:</source>
        <translation>&amp;Punkte pro Millimeter:</translation>
    </message>
    <message>
        <source>The board is %1 x %1 mm; one dot is %2 mm.</source>
        <translation>Die Vorschau ist %1 x %1 mm groß; ein Punkt misst %2 mm.</translation>
    </message>
</context>
<context>
    <name>tavro::materials::MaterialPresets</name>
    <message>
        <source>A preset needs a name.</source>
        <translation>Eine Voreinstellung braucht einen Namen.</translation>
    </message>
    <message>
        <source>A preset&apos;s name cannot begin or end with a blank.</source>
        <translation>Der Name einer Voreinstellung darf nicht mit einem Leerzeichen beginnen oder enden.</translation>
    </message>
    <message>
        <source>A preset&apos;s name can have at most 64 characters.</source>
        <translation>Der Name einer Voreinstellung hat höchstens 64 Zeichen.</translation>
    </message>
    <message>
        <source>A preset&apos;s name must be one line.</source>
        <translation>Der Name einer Voreinstellung muss eine Zeile sein.</translation>
    </message>
    <message>
        <source>it holds no material presets</source>
        <translation>sie enthält keine Materialvoreinstellungen</translation>
    </message>
    <message>
        <source>it was written by a newer Tavro Laser</source>
        <translation>sie wurde von einem neueren Tavro Laser geschrieben</translation>
    </message>
    <message>
        <source>There can be at most 200 presets.</source>
        <translation>Es kann höchstens 200 Voreinstellungen geben.</translation>
    </message>
    <message>
        <source>The presets could not be saved in %1: %2.</source>
        <translation>Die Voreinstellungen konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The preset&apos;s burn time or tuning is out of range.</source>
        <translation>Brenndauer oder Einstellung der Voreinstellung liegen außerhalb des Bereichs.</translation>
    </message>
    <message>
        <source>The presets could not be exported as %1: %2.</source>
        <translation>Die Voreinstellungen konnten nicht als %1 exportiert werden: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 was not imported: %2.</source>
        <translation>%1 wurde nicht importiert: %2.</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Tavro Laser (version %2); it is left as it is.</source>
        <translation>%1 wurde von einer neueren Version von Tavro Laser (Version %2) geschrieben; die Datei bleibt unverändert.</translation>
    </message>
</context>
<context>
    <name>tavro::ui::MaterialStrip</name>
    <message>
        <source>No material</source>
        <translation>Kein Material</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>Save as Preset…</source>
        <translation>Als Voreinstellung speichern…</translation>
    </message>
    <message>
        <source>Dot width:</source>
        <translation>Punktbreite:</translation>
    </message>
    <message>
        <source> dots</source>
        <translation> Punkte</translation>
    </message>
    <message>
        <source>Compensate dot gain</source>
        <translation>Tonwertzuwachs ausgleichen</translation>
    </message>
    <message>
        <source>As it will burn</source>
        <translation>Wie es brennt</translation>
    </message>
    <message>
        <source>How wide a burnt dot is on this material, in dots of the board</source>
        <translation>Wie breit ein gebrannter Punkt auf diesem Material ist, in Punkten der Vorschau</translation>
    </message>
    <message>
        <source>Lighten greys so that dots this wide burn them as dark as the picture asks</source>
        <translation>Hellt Grautöne auf, damit so breite Punkte sie so dunkel brennen, wie das Bild verlangt</translation>
    </message>
    <message>
        <source>Show every burnt dot as a disc of the dot width in the material&apos;s colours</source>
        <translation>Zeigt jeden gebrannten Punkt als Scheibe der Punktbreite in den Farben des Materials</translation>
    </message>
</context>
<context>
    <name>tavro::document::Placement</name>
    <message>
        <source>The picture would be %1 x %2 mm (%3 x %4 dots); it can be at most %5 mm (%6 dots) on a side.</source>
        <translation>Das Bild wäre %1 x %2 mm (%3 x %4 Punkte) groß; eine Seite darf höchstens %5 mm (%6 Punkte) lang sein.</translation>
    </message>
    <message>
        <source>At %1 mm from the left and %2 mm from the top, no part of the picture would be on the board.</source>
        <translation>Bei %1 mm von links und %2 mm von oben läge kein Teil des Bildes auf der Vorschau.</translation>
    </message>
    <message>
        <source>The picture cannot be %1 mm on a side: it can be at most %2 mm (%3 dots).</source>
        <translation>Eine Seite des Bildes kann nicht %1 mm lang sein; eine Seite darf höchstens %2 mm (%3 Punkte) lang sein.</translation>
    </message>
</context>
<context>
    <name>tavro::ui::PlacementDialog</name>
    <message>
        <source>Size and Position</source>
        <translation>Größe und Position</translation>
    </message>
    <message>
        <source>Mirror &amp;left to right</source>
        <translation>&amp;Links–rechts spiegeln</translation>
    </message>
    <message>
        <source>Mirror &amp;top to bottom</source>
        <translation>&amp;Oben–unten spiegeln</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>Left &amp;edge:</source>
        <translation>Linker &amp;Rand:</translation>
    </message>
    <message>
        <source>T&amp;op edge:</source>
        <translation>Ob&amp;erer Rand:</translation>
    </message>
    <message>
        <source>Edges are measured from the board&apos;s top-left corner. The board is %1 mm square at %2 dots a millimetre (Machine &gt; Machine Size).</source>
        <translation>Die Ränder werden von der oberen linken Ecke der Vorschau gemessen. Die Vorschau ist bei %2 Punkten pro Millimeter %1 mm im Quadrat (Maschine &gt; Maschinengröße).</translation>
    </message>
</context>
<context>
    <name>tavro::ui::PresetDialog</name>
    <message>
        <source>brightness %1</source>
        <translation>Helligkeit %1</translation>
    </message>
    <message>
        <source>contrast %1</source>
        <translation>Kontrast %1</translation>
    </message>
    <message>
        <source>gamma %1</source>
        <translation>Gamma %1</translation>
    </message>
    <message>
        <source>inverted</source>
        <translation>umgekehrt</translation>
    </message>
    <message>
        <source>dots %1 wide, dot gain compensated</source>
        <translation>Punkte %1 breit, Tonwertzuwachs ausgeglichen</translation>
    </message>
    <message>
        <source>dots %1 wide</source>
        <translation>Punkte %1 breit</translation>
    </message>
    <message>
        <source>Save as Preset</source>
        <translation>Als Voreinstellung speichern</translation>
    </message>
    <message>
        <source>Birch plywood 3 mm</source>
        <translation>Birkensperrholz 3 mm</translation>
    </message>
    <message>
        <source>Material…</source>
        <translation>Material…</translation>
    </message>
    <message>
        <source>Burn…</source>
        <translation>Brandfarbe…</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Burn time:</source>
        <translation>Brenndauer:</translation>
    </message>
    <message>
        <source>Method and tuning:</source>
        <translation>Verfahren und Einstellung:</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>Farben:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>The preset %1 will be replaced.</source>
        <translation>Die Voreinstellung %1 wird ersetzt.</translation>
    </message>
</context>
<context>
    <name>tavro::session::SessionImpl</name>
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
    <message>
        <source>The board holds a picture that was not sent. Put the interrupted job in its place?</source>
        <translation>In der Vorschau ist ein Bild, das nicht gesendet wurde. Den unterbrochenen Auftrag an seine Stelle setzen?</translation>
    </message>
    <message>
        <source>Interrupted job</source>
        <translation>Unterbrochener Auftrag</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nichts rückgängig zu machen</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nichts zu wiederholen</translation>
    </message>
    <message>
        <source>Only a picture chosen in the effect chooser, not yet zoomed out or rotated, can be placed</source>
        <translation>Nur ein in der Effektauswahl gewähltes Bild, das noch nicht verkleinert oder gedreht wurde, lässt sich platzieren</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Not while a job is paused: Start goes on with it, Restart ends it</source>
        <translation>Nicht während ein Auftrag angehalten ist: „Beginnen“ setzt ihn fort, „Reboot“ beendet ihn</translation>
    </message>
</context>
<context>
    <name>tavro::materials::TestCard</name>
    <message>
        <source>Choose 2 to 8 burn times.</source>
        <translation>Wählen Sie 2 bis 8 Brenndauern.</translation>
    </message>
    <message>
        <source>Burn times go from 1 to 100.</source>
        <translation>Brenndauern reichen von 1 bis 100.</translation>
    </message>
    <message>
        <source>Each burn time can be tried once.</source>
        <translation>Jede Brenndauer kann einmal getestet werden.</translation>
    </message>
    <message>
        <source>Choose 1 to 8 grey levels.</source>
        <translation>Wählen Sie 1 bis 8 Graustufen.</translation>
    </message>
    <message>
        <source>Grey levels go from 0 to 100 %.</source>
        <translation>Graustufen reichen von 0 bis 100 %.</translation>
    </message>
    <message>
        <source>Each grey level can be tried once.</source>
        <translation>Jede Graustufe kann einmal getestet werden.</translation>
    </message>
    <message>
        <source>Patches can be 1 to 10 mm wide.</source>
        <translation>Felder können 1 bis 10 mm breit sein.</translation>
    </message>
    <message>
        <source>The tuning is out of range.</source>
        <translation>Die Einstellung liegt außerhalb des Bereichs.</translation>
    </message>
    <message>
        <source>The card would be %1 x %2 mm; the board holds %3 x %3 mm. Choose smaller patches, or fewer burn times or grey levels.</source>
        <translation>Die Karte wäre %1 x %2 mm groß; die Vorschau fasst %3 x %3 mm. Wählen Sie kleinere Felder oder weniger Brenndauern oder Graustufen.</translation>
    </message>
</context>
<context>
    <name>tavro::ui::TestCardDialog</name>
    <message>
        <source>Write the burn times as whole numbers separated by commas.</source>
        <translation>Schreiben Sie die Brenndauern als ganze Zahlen, durch Kommas getrennt.</translation>
    </message>
    <message>
        <source>Write the grey levels as whole numbers separated by commas.</source>
        <translation>Schreiben Sie die Graustufen als ganze Zahlen, durch Kommas getrennt.</translation>
    </message>
    <message>
        <source>A test card is being burnt.</source>
        <translation>Eine Testkarte wird gebrannt.</translation>
    </message>
    <message>
        <source>No machine is connected: the card can be seen, not burnt.</source>
        <translation>Keine Maschine verbunden: Die Karte kann angesehen, aber nicht gebrannt werden.</translation>
    </message>
    <message>
        <source>A job is running: stop it before burning the card.</source>
        <translation>Ein Auftrag läuft: Halten Sie ihn an, bevor Sie die Karte brennen.</translation>
    </message>
    <message>
        <source>%1 burn times x %2 grey levels, patches of %3 dots, %4 dots in all; about %5.</source>
        <translation>%1 Brenndauern x %2 Graustufen, Felder von %3 Punkten, %4 Punkte insgesamt; etwa %5.</translation>
    </message>
    <message>
        <source>Tuning: %1, as set in the effect chooser.</source>
        <translation>Einstellung: %1, wie in der Effektauswahl gesetzt.</translation>
    </message>
    <message>
        <source>The board holds a picture that was never sent. Replace it with the test card?</source>
        <translation>Die Vorschau enthält ein nie gesendetes Bild. Durch die Testkarte ersetzen?</translation>
    </message>
    <message>
        <source>Material Test Card</source>
        <translation>Materialtestkarte</translation>
    </message>
    <message>
        <source>Burns a patch of each grey level at each burn time, one column a burn time, lowest first. The card is shown on the board.</source>
        <translation>Brennt ein Feld jeder Graustufe bei jeder Brenndauer, eine Spalte je Brenndauer, die kürzeste zuerst. Die Karte wird in der Vorschau gezeigt.</translation>
    </message>
    <message>
        <source>Burn times:</source>
        <translation>Brenndauern:</translation>
    </message>
    <message>
        <source>Spread from, to, how many:</source>
        <translation>Verteilt von, bis, wie viele:</translation>
    </message>
    <message>
        <source>Grey levels (% black):</source>
        <translation>Graustufen (% schwarz):</translation>
    </message>
    <message>
        <source>Solid patches only</source>
        <translation>Nur volle Felder</translation>
    </message>
    <message>
        <source>Patch size:</source>
        <translation>Feldgröße:</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>Verfahren:</translation>
    </message>
    <message>
        <source>Burn labels and the date:</source>
        <translation>Beschriftung und Datum brennen:</translation>
    </message>
    <message>
        <source>Burn the Card</source>
        <translation>Karte brennen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>tavro::session::TestCardRun</name>
    <message>
        <source>A test card is being burnt already.</source>
        <translation>Es wird bereits eine Testkarte gebrannt.</translation>
    </message>
    <message>
        <source>The card has columns 1 to %1.</source>
        <translation>Die Karte hat die Spalten 1 bis %1.</translation>
    </message>
    <message>
        <source>Rows go from 0 to 511.</source>
        <translation>Zeilen reichen von 0 bis 511.</translation>
    </message>
    <message>
        <source>No machine is connected.</source>
        <translation>Keine Maschine verbunden.</translation>
    </message>
    <message>
        <source>A job is running; stop it first.</source>
        <translation>Ein Auftrag läuft; halten Sie ihn zuerst an.</translation>
    </message>
    <message>
        <source>The card&apos;s first column could not be sent.</source>
        <translation>Die erste Spalte der Karte konnte nicht gesendet werden.</translation>
    </message>
</context>
<context>
    <name>tavro::ui::TuningStrip</name>
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
    <message>
        <source>the machine did not ask for the picture within %1 s</source>
        <translation>die Maschine hat das Bild nicht innerhalb von %1 s angefordert</translation>
    </message>
    <message>
        <source>The machine did not ask for the picture: it was not sent.</source>
        <translation>Die Maschine hat das Bild nicht angefordert: Es wurde nicht gesendet.</translation>
    </message>
</context>
<context>
    <name>tavro::machine::DiagnosisText</name>
    <message>
        <source>USB adapter %1</source>
        <translation>USB-Adapter %1</translation>
    </message>
    <message>
        <source>Not a USB device</source>
        <translation>Kein USB-Gerät</translation>
    </message>
    <message>
        <source>Connected: the program uses this machine.</source>
        <translation>Verbunden: das Programm verwendet diese Maschine.</translation>
    </message>
    <message>
        <source>An engraver of this kind answers here.</source>
        <translation>Hier antwortet ein Graviergerät dieser Art.</translation>
    </message>
    <message>
        <source>You may not open this device.</source>
        <translation>Sie dürfen dieses Gerät nicht öffnen.</translation>
    </message>
    <message>
        <source>Held by another program.</source>
        <translation>Von einem anderen Programm belegt.</translation>
    </message>
    <message>
        <source>Held by another copy of Tavro Laser: %1.</source>
        <translation>Von einer anderen Instanz von Tavro Laser belegt: %1.</translation>
    </message>
    <message>
        <source>Held by %1.</source>
        <translation>Belegt von %1.</translation>
    </message>
    <message>
        <source>No answer. Is the engraver switched on? Is it an engraver of this kind?</source>
        <translation>Keine Antwort. Ist das Graviergerät eingeschaltet? Ist es ein Graviergerät dieser Art?</translation>
    </message>
    <message>
        <source>It answers as product %1, not as an engraver of this kind.</source>
        <translation>Es meldet sich als Produkt %1, nicht als Graviergerät dieser Art.</translation>
    </message>
    <message>
        <source>This USB-serial adapter is plugged in, but has no serial device.</source>
        <translation>Dieser USB-Seriell-Adapter ist eingesteckt, hat aber kein serielles Gerät.</translation>
    </message>
    <message>
        <source>It does not open: %1.</source>
        <translation>Es lässt sich nicht öffnen: %1.</translation>
    </message>
    <message>
        <source>%1 has probably taken it for a braille display.</source>
        <translation>%1 hat es vermutlich für eine Braillezeile übernommen.</translation>
    </message>
    <message>
        <source>No driver has taken it. Unplug it and plug it in again.</source>
        <translation>Kein Treiber hat es übernommen. Ziehen Sie es ab und stecken Sie es wieder ein.</translation>
    </message>
    <message>
        <source>It belongs to %1, group %2, mode %3.</source>
        <translation>Es gehört %1, Gruppe %2, Modus %3.</translation>
    </message>
    <message>
        <source>You are in the group %1.</source>
        <translation>Sie sind in der Gruppe %1.</translation>
    </message>
    <message>
        <source>You were added to the group %1; that takes effect when you log in again.</source>
        <translation>Sie wurden der Gruppe %1 hinzugefügt; das wirkt, sobald Sie sich neu anmelden.</translation>
    </message>
    <message>
        <source>You are not in the group %1.</source>
        <translation>Sie sind nicht in der Gruppe %1.</translation>
    </message>
    <message>
        <source>The access rule of Tavro Laser does not cover this device.</source>
        <translation>Die Zugriffsregel von Tavro Laser gilt nicht für dieses Gerät.</translation>
    </message>
    <message>
        <source>The access rule of Tavro Laser is installed; it gives access to whoever sits at this computer, not to remote logins.</source>
        <translation>Die Zugriffsregel von Tavro Laser ist installiert; sie gewährt der Person an diesem Computer Zugriff, nicht aber entfernten Anmeldungen.</translation>
    </message>
    <message>
        <source>The access rule of Tavro Laser is not installed.</source>
        <translation>Die Zugriffsregel von Tavro Laser ist nicht installiert.</translation>
    </message>
    <message>
        <source>Allow access installs it; you are asked for the administrator password.</source>
        <translation>„Zugriff erlauben“ installiert sie; dabei wird nach dem Administratorpasswort gefragt.</translation>
    </message>
    <message>
        <source>Joining the group %1 takes effect when you log in again.</source>
        <translation>Der Beitritt zur Gruppe %1 wirkt, sobald Sie sich neu anmelden.</translation>
    </message>
    <message>
        <source>Close the program that uses it.</source>
        <translation>Schließen Sie das Programm, das es verwendet.</translation>
    </message>
    <message>
        <source>Running now, and known to hold ports like this one: %1.</source>
        <translation>Läuft gerade und belegt bekanntlich solche Anschlüsse: %1.</translation>
    </message>
    <message>
        <source>ModemManager tries new adapters as modems for a few seconds, then lets go. Check again in a moment.</source>
        <translation>ModemManager probiert neue Adapter einige Sekunden lang als Modem aus und gibt sie dann frei. Prüfen Sie gleich noch einmal.</translation>
    </message>
    <message>
        <source>Close the other Tavro Laser window or tavro-burn.</source>
        <translation>Schließen Sie das andere Tavro-Laser-Fenster oder tavro-burn.</translation>
    </message>
    <message>
        <source>Close that program, or make it let go of the port.</source>
        <translation>Schließen Sie dieses Programm oder lassen Sie es den Anschluss freigeben.</translation>
    </message>
    <message>
        <source>brltty&apos;s rule for these adapters is switched off already: unplug the adapter and plug it in again.</source>
        <translation>Die Regel von brltty für diese Adapter ist bereits abgeschaltet: Ziehen Sie den Adapter ab und stecken Sie ihn wieder ein.</translation>
    </message>
    <message>
        <source>brltty serves braille displays and takes USB-serial adapters of this kind for one. If you use no braille display, stop it taking them, then unplug the adapter and plug it in again.</source>
        <translation>brltty bedient Braillezeilen und hält USB-Seriell-Adapter dieser Art für eine solche. Wenn Sie keine Braillezeile verwenden, halten Sie brltty von ihnen fern und stecken Sie den Adapter danach ab und wieder ein.</translation>
    </message>
    <message>
        <source>Allow access</source>
        <translation>Zugriff erlauben</translation>
    </message>
    <message>
        <source>Join the group dialout</source>
        <translation>Der Gruppe dialout beitreten</translation>
    </message>
    <message>
        <source>Stop brltty taking adapters</source>
        <translation>brltty von Adaptern fernhalten</translation>
    </message>
    <message>
        <source>No USB-serial adapter is connected.</source>
        <translation>Kein USB-Seriell-Adapter ist angeschlossen.</translation>
    </message>
    <message>
        <source>No machine: no USB-serial adapter is connected</source>
        <translation>Keine Maschine: kein USB-Seriell-Adapter angeschlossen</translation>
    </message>
    <message>
        <source>No machine: %1 is held by %2</source>
        <translation>Keine Maschine: %1 ist von %2 belegt</translation>
    </message>
    <message>
        <source>No machine: %1 is held by another program</source>
        <translation>Keine Maschine: %1 ist von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>No machine: you may not open %1</source>
        <translation>Keine Maschine: Sie dürfen %1 nicht öffnen</translation>
    </message>
    <message>
        <source>No machine: the USB-serial adapter %1 has no serial device</source>
        <translation>Keine Maschine: Der USB-Seriell-Adapter %1 hat kein serielles Gerät</translation>
    </message>
    <message>
        <source>No machine: %1 answers with another product id</source>
        <translation>Keine Maschine: %1 meldet eine andere Produkt-ID</translation>
    </message>
    <message>
        <source>No machine: %1 does not open</source>
        <translation>Keine Maschine: %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>No machine: %1 does not answer</source>
        <translation>Keine Maschine: %1 antwortet nicht</translation>
    </message>
    <message>
        <source>Check…</source>
        <translation>Prüfen…</translation>
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
    <name>tavro::shell::BoardEditing</name>
    <message>
        <source>Board</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>%1, %2 mm</source>
        <translation>%1; %2 mm</translation>
    </message>
    <message>
        <source>picture %1 x %2 mm</source>
        <translation>Bild %1 x %2 mm</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1-fach</translation>
    </message>
    <message>
        <source>Size and Position</source>
        <translation>Größe und Position</translation>
    </message>
</context>
<context>
    <name>tavro::shell::ConnectionCheckWindow</name>
    <message>
        <source>Checking…</source>
        <translation>Prüfe…</translation>
    </message>
    <message>
        <source>Check Connection</source>
        <translation>Verbindung prüfen</translation>
    </message>
    <message>
        <source>The serial devices the program tries when it searches for the machine, and what stands in the way of each.</source>
        <translation>Die seriellen Geräte, die das Programm bei der Suche nach der Maschine versucht, und was jedem im Weg steht.</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>A machine answers.</source>
        <translation>Eine Maschine antwortet.</translation>
    </message>
    <message>
        <source>Plug the engraver&apos;s USB cable in; this window follows.</source>
        <translation>Stecken Sie das USB-Kabel des Graviergeräts ein; dieses Fenster zeigt es sofort an.</translation>
    </message>
    <message>
        <source>The check runs again when a device is plugged in or pulled out.</source>
        <translation>Die Prüfung läuft erneut, wenn ein Gerät eingesteckt oder abgezogen wird.</translation>
    </message>
    <message>
        <source>Waiting for tavro-serial-access; it may ask for the administrator password…</source>
        <translation>Warte auf tavro-serial-access; es fragt eventuell nach dem Administratorpasswort…</translation>
    </message>
    <message>
        <source>tavro-serial-access is done.</source>
        <translation>tavro-serial-access ist fertig.</translation>
    </message>
    <message>
        <source>The administrator password was not given; nothing was changed.</source>
        <translation>Das Administratorpasswort wurde nicht eingegeben; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>tavro-serial-access could not be started: %1</source>
        <translation>tavro-serial-access konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>tavro-serial-access failed (exit status %1): %2</source>
        <translation>tavro-serial-access ist fehlgeschlagen (Exit-Status %1): %2</translation>
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
    <message>
        <source>The test card is done</source>
        <translation>Die Testkarte ist fertig</translation>
    </message>
    <message>
        <source>Machine &gt; Choose the Best Patch… makes a preset of it.</source>
        <translation>Maschine &gt; Bestes Feld wählen… macht daraus eine Voreinstellung.</translation>
    </message>
    <message>
        <source>Test card paused: column %1 of %2, burn time %3</source>
        <translation>Testkarte angehalten: Spalte %1 von %2, Brenndauer %3</translation>
    </message>
    <message>
        <source>Test card: column %1 of %2, burn time %3</source>
        <translation>Testkarte: Spalte %1 von %2, Brenndauer %3</translation>
    </message>
    <message>
        <source>Test card done</source>
        <translation>Testkarte fertig</translation>
    </message>
    <message>
        <source>Interrupted test card: column %1 of %2, %3 % of it burnt</source>
        <translation>Unterbrochene Testkarte: Spalte %1 von %2, zu %3 % gebrannt</translation>
    </message>
    <message>
        <source>Resume from column %1, row %2</source>
        <translation>Ab Spalte %1, Zeile %2 fortsetzen</translation>
    </message>
    <message>
        <source>Not sent: the machine did not ask for the picture</source>
        <translation>Nicht gesendet: Die Maschine hat das Bild nicht angefordert</translation>
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
    <message>
        <source>C&amp;heck Connection…</source>
        <translation>Verbindung p&amp;rüfen…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Mirror &amp;Left to Right</source>
        <translation>&amp;Links–rechts spiegeln</translation>
    </message>
    <message>
        <source>Mirror &amp;Top to Bottom</source>
        <translation>&amp;Oben–unten spiegeln</translation>
    </message>
    <message>
        <source>&amp;Size and Position…</source>
        <translation>&amp;Größe und Position…</translation>
    </message>
    <message>
        <source>Machine Si&amp;ze…</source>
        <translation>Maschinen&amp;größe…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Add &amp;Code…</source>
        <translation>&amp;Code hinzufügen…</translation>
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
    <message>
        <source>%1 cannot be opened as a picture: %2.</source>
        <translation>%1 lässt sich nicht als Bild öffnen: %2.</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Bild öffnen</translation>
    </message>
</context>
<context>
    <name>tavro::shell::MaterialMenu</name>
    <message>
        <source>No material</source>
        <translation>Kein Material</translation>
    </message>
    <message>
        <source>Export Presets</source>
        <translation>Voreinstellungen exportieren</translation>
    </message>
    <message>
        <source>Import Presets</source>
        <translation>Voreinstellungen importieren</translation>
    </message>
    <message>
        <source>Presets imported from %1: %2.</source>
        <translation>Voreinstellungen aus %1 importiert: %2.</translation>
    </message>
    <message>
        <source>Remove the preset %1?</source>
        <translation>Die Voreinstellung %1 entfernen?</translation>
    </message>
    <message>
        <source>Remove Preset</source>
        <translation>Voreinstellung entfernen</translation>
    </message>
    <message>
        <source>&amp;Material Test Card…</source>
        <translation>Materialtest&amp;karte…</translation>
    </message>
    <message>
        <source>Choos&amp;e the Best Patch…</source>
        <translation>Bestes &amp;Feld wählen…</translation>
    </message>
    <message>
        <source>M&amp;aterial</source>
        <translation>&amp;Material</translation>
    </message>
    <message>
        <source>&amp;Save as Preset…</source>
        <translation>Als Voreinstellung &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Remove Chosen Preset…</source>
        <translation>Gewählte Voreinstellung &amp;entfernen…</translation>
    </message>
    <message>
        <source>&amp;Export Presets…</source>
        <translation>Voreinstellungen e&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Import Presets…</source>
        <translation>Voreinstellungen &amp;importieren…</translation>
    </message>
    <message>
        <source>As It Will &amp;Burn</source>
        <translation>Wie es &amp;brennt</translation>
    </message>
</context>
<context>
    <name>tavro::shell::SerialAccessRunner</name>
    <message>
        <source>tavro-serial-access is running already.</source>
        <translation>tavro-serial-access läuft bereits.</translation>
    </message>
    <message>
        <source>tavro-serial-access is not installed at %1.</source>
        <translation>tavro-serial-access ist nicht unter %1 installiert.</translation>
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
    <message>
        <source>Export Presets</source>
        <translation>Voreinstellungen exportieren</translation>
    </message>
    <message>
        <source>Material presets (*.ini)</source>
        <translation>Materialvoreinstellungen (*.ini)</translation>
    </message>
    <message>
        <source>Import Presets</source>
        <translation>Voreinstellungen importieren</translation>
    </message>
</context>
<context>
    <name>tavro::shell::UserGuideWindow</name>
    <message>
        <source>Tavro Laser User Guide</source>
        <translation>Tavro-Laser-Benutzerhandbuch</translation>
    </message>
</context>
<context>
    <name>tavro::run::RunDriver</name>
    <message>
        <source>The machine finished the interrupted job on its own.</source>
        <translation>Die Maschine hat den unterbrochenen Auftrag selbst zu Ende gebracht.</translation>
    </message>
</context>
<context>
    <name>tavro::codes::CodeSymbol</name>
    <message>
        <source>An EAN-13 code takes 12 digits, or 13 with the check digit.</source>
        <translation>Ein EAN-13-Code besteht aus 12 Ziffern, oder aus 13 mit der Prüfziffer.</translation>
    </message>
    <message>
        <source>The last digit of an EAN-13 code is its check digit: for %1 it is %2, not %3.</source>
        <translation>Die letzte Ziffer eines EAN-13-Codes ist seine Prüfziffer: für %1 ist sie %2, nicht %3.</translation>
    </message>
    <message>
        <source>Code 128 holds only Western European letters, digits and signs, not &quot;%1&quot;.</source>
        <translation>Code 128 enthält nur westeuropäische Buchstaben, Ziffern und Zeichen, nicht „%1“.</translation>
    </message>
    <message>
        <source>There is no text to make a code of.</source>
        <translation>Es gibt keinen Text, aus dem ein Code werden könnte.</translation>
    </message>
    <message>
        <source>The text is too long for a QR code at error correction %1; a lower level or a shorter text fits.</source>
        <translation>Der Text ist zu lang für einen QR-Code mit Fehlerkorrektur %1; eine niedrigere Stufe oder ein kürzerer Text passt.</translation>
    </message>
    <message>
        <source>The text is too long for a %1 code.</source>
        <translation>Der Text ist zu lang für einen %1-Code.</translation>
    </message>
    <message>
        <source>The text cannot be made into a %1 code.</source>
        <translation>Aus dem Text lässt sich kein %1-Code machen.</translation>
    </message>
</context>
<context>
    <name>tavro::codes::CodeFit</name>
    <message>
        <source>At %1 dots a module the code would be %2 x %3 dots with its quiet zone; the board is %4 dots a side.</source>
        <translation>Bei %1 Punkten je Modul wäre der Code mit seiner Ruhezone %2 x %3 Punkte groß; die Vorschau hat %4 Punkte je Seite.</translation>
    </message>
    <message>
        <source>The code cannot be %1 mm wide: with its quiet zone it takes at least %2 mm (%3 dots).</source>
        <translation>Der Code kann nicht %1 mm breit sein: mit seiner Ruhezone braucht er mindestens %2 mm (%3 Punkte).</translation>
    </message>
</context>
<context>
    <name>tavro::pictures::SvgCheck</name>
    <message>
        <source>it uses a style sheet from outside the picture</source>
        <translation>es verwendet ein Stylesheet von außerhalb des Bildes</translation>
    </message>
    <message>
        <source>it refers to %1, outside the picture</source>
        <translation>es verweist auf %1 außerhalb des Bildes</translation>
    </message>
    <message>
        <source>it embeds a picture that is too large or cannot be read</source>
        <translation>es enthält ein Bild, das zu groß oder nicht lesbar ist</translation>
    </message>
    <message>
        <source>it declares a width, height or viewBox that is empty, negative or absurd</source>
        <translation>es gibt eine Breite, Höhe oder viewBox an, die leer, negativ oder unsinnig ist</translation>
    </message>
    <message>
        <source>it declares a size larger than %1 mm</source>
        <translation>es gibt eine Größe über %1 mm an</translation>
    </message>
    <message>
        <source>it has more than %1 elements</source>
        <translation>es hat mehr als %1 Elemente</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>seine Elemente sind mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>it is not an SVG picture</source>
        <translation>es ist kein SVG-Bild</translation>
    </message>
    <message>
        <source>it declares entities, which could make it grow without end</source>
        <translation>es deklariert Entitäten, durch die es endlos wachsen könnte</translation>
    </message>
    <message>
        <source>a &lt;use&gt; element refers to itself</source>
        <translation>ein &lt;use&gt;-Element verweist auf sich selbst</translation>
    </message>
    <message>
        <source>the SVG is damaged (line %1: %2)</source>
        <translation>das SVG ist beschädigt (Zeile %1: %2)</translation>
    </message>
    <message>
        <source>no elements</source>
        <translation>keine Elemente</translation>
    </message>
    <message>
        <source>its &lt;use&gt; elements would draw more than %1 elements</source>
        <translation>seine &lt;use&gt;-Elemente würden mehr als %1 Elemente zeichnen</translation>
    </message>
</context>
<context>
    <name>tavro::pictures::VectorPicture</name>
    <message>
        <source>it cannot be drawn</source>
        <translation>es lässt sich nicht zeichnen</translation>
    </message>
    <message>
        <source>it has no size</source>
        <translation>es hat keine Größe</translation>
    </message>
</context>
<context>
    <name>tavro::ui::AddCodeDialog</name>
    <message>
        <source>Add Code</source>
        <translation>Code hinzufügen</translation>
    </message>
    <message>
        <source>QR code</source>
        <translation>QR-Code</translation>
    </message>
    <message>
        <source>Data Matrix</source>
        <translation>Data Matrix</translation>
    </message>
    <message>
        <source>Code 128</source>
        <translation>Code 128</translation>
    </message>
    <message>
        <source>EAN-13</source>
        <translation>EAN-13</translation>
    </message>
    <message>
        <source>L (7 %)</source>
        <translation>L (7 %)</translation>
    </message>
    <message>
        <source>M (15 %)</source>
        <translation>M (15 %)</translation>
    </message>
    <message>
        <source>Q (25 %)</source>
        <translation>Q (25 %)</translation>
    </message>
    <message>
        <source>H (30 %)</source>
        <translation>H (30 %)</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>&amp;Error correction:</source>
        <translation>&amp;Fehlerkorrektur:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>Type the text the code holds.</source>
        <translation>Geben Sie den Text ein, den der Code enthält.</translation>
    </message>
    <message>
        <source>%1 x %2 mm with its quiet zone; a module is %3 mm (dots a module: %4).</source>
        <translation>%1 x %2 mm mit Ruhezone; ein Modul misst %3 mm (Punkte je Modul: %4).</translation>
    </message>
    <message>
        <source>Modules smaller than 3 dots burn unreadably on wood: make the code larger.</source>
        <translation>Module unter 3 Punkten werden auf Holz unlesbar gebrannt: machen Sie den Code größer.</translation>
    </message>
</context>
</TS>
