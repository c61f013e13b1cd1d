<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>tavro::ui::BestPatchWindow</name>
    <message>
        <source>Test card of %1: burn time %2 at %3 % looked best.</source>
        <translation>Scheda di prova del %1: il tempo di combustione %2 al %3 % era il migliore.</translation>
    </message>
    <message>
        <source>No patch picked yet.</source>
        <translation>Nessun riquadro scelto finora.</translation>
    </message>
    <message>
        <source>Burn time %1, %2 % black</source>
        <translation>Tempo di combustione %1, %2 % di nero</translation>
    </message>
    <message>
        <source>Choose the Best Patch</source>
        <translation>Scegli il riquadro migliore</translation>
    </message>
    <message>
        <source>Click the patch that looked best on the burnt card, then save it as a preset (or double-click it).</source>
        <translation>Fai clic sul riquadro che era il migliore sulla scheda incisa, poi salvalo come preimpostazione (o fai doppio clic).</translation>
    </message>
    <message>
        <source>Save as Preset…</source>
        <translation>Salva come preimpostazione…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>tavro::document::JobDocument</name>
    <message>
        <source>No chosen picture is on the board.</source>
        <translation>Nessuna immagine scelta è sull’anteprima.</translation>
    </message>
    <message>
        <source>No part of the picture would be on the board.</source>
        <translation>Nessuna parte dell’immagine sarebbe sull’anteprima.</translation>
    </message>
</context>
<context>
    <name>tavro::session::JobGuard</name>
    <message>
        <source>A job is running. Stop it and send the new picture?</source>
        <translation>Un lavoro è in corso. Fermarlo e inviare la nuova immagine?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and change the language?</source>
        <translation>Un lavoro è in corso. Fermarlo e cambiare lingua?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and clear the board?</source>
        <translation>Un lavoro è in corso. Fermarlo e cancellare l&apos;anteprima?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and reload the picture?</source>
        <translation>Un lavoro è in corso. Fermarlo e ricaricare l&apos;immagine?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and open the new picture?</source>
        <translation>Un lavoro è in corso. Fermarlo e aprire la nuova immagine?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and open the job?</source>
        <translation>Un lavoro è in corso. Fermarlo e aprire il lavoro?</translation>
    </message>
    <message>
        <source>Job running</source>
        <translation>Lavoro in corso</translation>
    </message>
    <message>
        <source>The picture on the board was not sent to the machine. Change the language and lose it?</source>
        <translation>L&apos;immagine dell&apos;anteprima non è stata inviata alla macchina. Cambiare lingua e perderla?</translation>
    </message>
    <message>
        <source>Picture not sent</source>
        <translation>Immagine non inviata</translation>
    </message>
</context>
<context>
    <name>tavro::ui::MachineSizeDialog</name>
    <message>
        <source>Machine Size</source>
        <translation>Dimensioni della macchina</translation>
    </message>
    <message>
        <source>Measure a burnt line of known length in dots, or the side of the whole board, to find your machine&apos;s scale. The rulers beside the board show the default, 13.4.</source>
        <translation>Misura una linea incisa di un numero noto di punti, o il lato dell’intera anteprima, per trovare la scala della tua macchina. I righelli accanto all’anteprima mostrano il valore predefinito, 13,4.</translation>
    </message>
    <message>
        <source>&amp;Dots per millimetre:</source>
        <translation>&amp;Punti per millimetro:</translation>
    </message>
    <message>
        <source>The board is %1 x %1 mm; one dot is %2 mm.</source>
        <translation>L’anteprima misura %1 x %1 mm; un punto misura %2 mm.</translation>
    </message>
</context>
<context>
    <name>tavro::materials::MaterialPresets</name>
    <message>
        <source>A preset needs a name.</source>
        <translation>Una preimpostazione ha bisogno di un nome.</translation>
    </message>
    <message>
        <source>A preset&apos;s name cannot begin or end with a blank.</source>
        <translation>Il nome di una preimpostazione non può iniziare o finire con uno spazio.</translation>
    </message>
    <message>
        <source>A preset&apos;s name can have at most 64 characters.</source>
        <translation>Il nome di una preimpostazione può avere al massimo 64 caratteri.</translation>
    </message>
    <message>
        <source>A preset&apos;s name must be one line.</source>
        <translation>Il nome di una preimpostazione deve stare su una riga.</translation>
    </message>
    <message>
        <source>it holds no material presets</source>
        <translation>non contiene preimpostazioni di materiale</translation>
    </message>
    <message>
        <source>it was written by a newer Tavro Laser</source>
        <translation>è stato scritto da un Tavro Laser più recente</translation>
    </message>
    <message>
        <source>There can be at most 200 presets.</source>
        <translation>Possono esserci al massimo 200 preimpostazioni.</translation>
    </message>
    <message>
        <source>The presets could not be saved in %1: %2.</source>
        <translation>Impossibile salvare le preimpostazioni in %1: %2.</translation>
    </message>
    <message>
        <source>The preset&apos;s burn time or tuning is out of range.</source>
        <translation>Il tempo di combustione o la regolazione della preimpostazione è fuori intervallo.</translation>
    </message>
    <message>
        <source>The presets could not be exported as %1: %2.</source>
        <translation>Impossibile esportare le preimpostazioni come %1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>%1 was not imported: %2.</source>
        <translation>%1 non è stato importato: %2.</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Tavro Laser (version %2); it is left as it is.</source>
        <translation>%1 è stato scritto da una versione più recente di Tavro Laser (versione %2); il file viene lasciato com’è.</translation>
    </message>
</context>
<context>
    <name>tavro::ui::MaterialStrip</name>
    <message>
        <source>No material</source>
        <translation>Nessun materiale</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Materiale:</translation>
    </message>
    <message>
        <source>Save as Preset…</source>
        <translation>Salva come preimpostazione…</translation>
    </message>
    <message>
        <source>Dot width:</source>
        <translation>Larghezza del punto:</translation>
    </message>
    <message>
        <source> dots</source>
        <translation> punti</translation>
    </message>
    <message>
        <source>Compensate dot gain</source>
        <translation>Compensa l’ingrossamento</translation>
    </message>
    <message>
        <source>As it will burn</source>
        <translation>Come verrà inciso</translation>
    </message>
    <message>
        <source>How wide a burnt dot is on this material, in dots of the board</source>
        <translation>Quanto è largo un punto bruciato su questo materiale, in punti dell’anteprima</translation>
    </message>
    <message>
        <source>Lighten greys so that dots this wide burn them as dark as the picture asks</source>
        <translation>Schiarisce i grigi perché punti così larghi li incidano scuri quanto chiede l’immagine</translation>
    </message>
    <message>
        <source>Show every burnt dot as a disc of the dot width in the material&apos;s colours</source>
        <translation>Mostra ogni punto bruciato come un disco della larghezza del punto, nei colori del materiale</translation>
    </message>
</context>
<context>
    <name>tavro::document::Placement</name>
    <message>
        <source>The picture would be %1 x %2 mm (%3 x %4 dots); it can be at most %5 mm (%6 dots) on a side.</source>
        <translation>L’immagine sarebbe di %1 x %2 mm (%3 x %4 punti); un lato può essere al massimo di %5 mm (%6 punti).</translation>
    </message>
    <message>
        <source>At %1 mm from the left and %2 mm from the top, no part of the picture would be on the board.</source>
        <translation>A %1 mm da sinistra e %2 mm dall’alto, nessuna parte dell’immagine sarebbe sull’anteprima.</translation>
    </message>
    <message>
        <source>The picture cannot be %1 mm on a side: it can be at most %2 mm (%3 dots).</source>
        <translation>Un lato dell’immagine non può essere di %1 mm; un lato può essere al massimo di %2 mm (%3 punti).</translation>
    </message>
</context>
<context>
    <name>tavro::ui::PlacementDialog</name>
    <message>
        <source>Size and Position</source>
        <translation>Dimensioni e posizione</translation>
    </message>
    <message>
        <source>Mirror &amp;left to right</source>
        <translation>Specchia &amp;sinistra-destra</translation>
    </message>
    <message>
        <source>Mirror &amp;top to bottom</source>
        <translation>Specchia alto-&amp;basso</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Larghezza:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Altezza:</translation>
    </message>
    <message>
        <source>Left &amp;edge:</source>
        <translation>Bordo si&amp;nistro:</translation>
    </message>
    <message>
        <source>T&amp;op edge:</source>
        <translation>Bordo s&amp;uperiore:</translation>
    </message>
    <message>
        <source>Edges are measured from the board&apos;s top-left corner. The board is %1 mm square at %2 dots a millimetre (Machine &gt; Machine Size).</source>
        <translation>I bordi si misurano dall’angolo in alto a sinistra dell’anteprima. L’anteprima è un quadrato di %1 mm a %2 punti per millimetro (Macchina &gt; Dimensioni della macchina).</translation>
    </message>
</context>
<context>
    <name>tavro::ui::PresetDialog</name>
    <message>
        <source>brightness %1</source>
        <translation>luminosità %1</translation>
    </message>
    <message>
        <source>contrast %1</source>
        <translation>contrasto %1</translation>
    </message>
    <message>
        <source>gamma %1</source>
        <translation>gamma %1</translation>
    </message>
    <message>
        <source>inverted</source>
        <translation>invertito</translation>
    </message>
    <message>
        <source>dots %1 wide, dot gain compensated</source>
        <translation>punti larghi %1, ingrossamento compensato</translation>
    </message>
    <message>
        <source>dots %1 wide</source>
        <translation>punti larghi %1</translation>
    </message>
    <message>
        <source>Save as Preset</source>
        <translation>Salva come preimpostazione</translation>
    </message>
    <message>
        <source>Birch plywood 3 mm</source>
        <translation>Compensato di betulla 3 mm</translation>
    </message>
    <message>
        <source>Material…</source>
        <translation>Materiale…</translation>
    </message>
    <message>
        <source>Burn…</source>
        <translation>Bruciatura…</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Burn time:</source>
        <translation>Tempo di combustione:</translation>
    </message>
    <message>
        <source>Method and tuning:</source>
        <translation>Metodo e regolazione:</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>Colori:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>The preset %1 will be replaced.</source>
        <translation>La preimpostazione %1 sarà sostituita.</translation>
    </message>
</context>
<context>
    <name>tavro::session::SessionImpl</name>
    <message>
        <source>The job %1 cannot be read: %2.</source>
        <translation>Impossibile leggere il lavoro %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a picture, not a Tavro Laser job. Open it with Open Picture… to render it.</source>
        <translation>%1 è un’immagine, non un lavoro Tavro Laser. Aprila con «Apri immagine…» per elaborarla.</translation>
    </message>
    <message>
        <source>%1 is not a Tavro Laser job.</source>
        <translation>%1 non è un lavoro Tavro Laser.</translation>
    </message>
    <message>
        <source>%1 was saved by a newer Tavro Laser (job format %2); this version opens formats up to %3. Nothing was changed.</source>
        <translation>%1 è stato salvato da una versione più recente di Tavro Laser (formato di lavoro %2); questa versione apre i formati fino a %3. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The job %1 is damaged and was not opened: %2. Nothing was changed.</source>
        <translation>Il lavoro %1 è danneggiato e non è stato aperto: %2. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Open Job</source>
        <translation>Apri lavoro</translation>
    </message>
    <message>
        <source>The job could not be saved as %1: %2. A file already there was left as it was.</source>
        <translation>Impossibile salvare il lavoro come %1: %2. Un file già presente è rimasto invariato.</translation>
    </message>
    <message>
        <source>Save Job</source>
        <translation>Salva lavoro</translation>
    </message>
    <message>
        <source>The board could not be exported as %1: %2. A file already there was left as it was.</source>
        <translation>Impossibile esportare l’anteprima come %1: %2. Un file già presente è rimasto invariato.</translation>
    </message>
    <message>
        <source>Export Board</source>
        <translation>Esporta anteprima</translation>
    </message>
    <message>
        <source>The machine holds the picture sent at %1, not the board shown.</source>
        <translation>La macchina contiene l’immagine inviata alle %1, non l’anteprima mostrata.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Send the board first</source>
        <translation>Invia prima l’anteprima</translation>
    </message>
    <message>
        <source>Start anyway</source>
        <translation>Avvia comunque</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>A job is running. Pause the machine and quit?</source>
        <translation>Un lavoro è in corso. Mettere in pausa la macchina e uscire?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>The machine is connected</source>
        <translation>La macchina è collegata</translation>
    </message>
    <message>
        <source>No machine is connected</source>
        <translation>Nessuna macchina collegata</translation>
    </message>
    <message>
        <source>Not while the machine carves</source>
        <translation>Non durante l’incisione</translation>
    </message>
    <message>
        <source>Choose a rendering and send it, or clear the board, first</source>
        <translation>Scegli prima una resa e inviala, oppure cancella l’anteprima</translation>
    </message>
    <message>
        <source>The board holds a picture that was not sent. Put the interrupted job in its place?</source>
        <translation>L&apos;anteprima contiene un&apos;immagine non inviata. Sostituirla con il lavoro interrotto?</translation>
    </message>
    <message>
        <source>Interrupted job</source>
        <translation>Lavoro interrotto</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Niente da annullare</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Niente da ripetere</translation>
    </message>
    <message>
        <source>Only a picture chosen in the effect chooser, not yet zoomed out or rotated, can be placed</source>
        <translation>Si può posizionare solo un’immagine scelta nella scelta dell’effetto, non ancora rimpicciolita né ruotata</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Specchia</translation>
    </message>
    <message>
        <source>Not while a job is paused: Start goes on with it, Restart ends it</source>
        <translation>Non mentre un lavoro è in pausa: «Cominciare» lo riprende, «Ricomincia» lo termina</translation>
    </message>
</context>
<context>
    <name>tavro::materials::TestCard</name>
    <message>
        <source>Choose 2 to 8 burn times.</source>
        <translation>Scegli da 2 a 8 tempi di combustione.</translation>
    </message>
    <message>
        <source>Burn times go from 1 to 100.</source>
        <translation>I tempi di combustione vanno da 1 a 100.</translation>
    </message>
    <message>
        <source>Each burn time can be tried once.</source>
        <translation>Ogni tempo di combustione si può provare una volta sola.</translation>
    </message>
    <message>
        <source>Choose 1 to 8 grey levels.</source>
        <translation>Scegli da 1 a 8 livelli di grigio.</translation>
    </message>
    <message>
        <source>Grey levels go from 0 to 100 %.</source>
        <translation>I livelli di grigio vanno da 0 a 100 %.</translation>
    </message>
    <message>
        <source>Each grey level can be tried once.</source>
        <translation>Ogni livello di grigio si può provare una volta sola.</translation>
    </message>
    <message>
        <source>Patches can be 1 to 10 mm wide.</source>
        <translation>I riquadri possono essere larghi da 1 a 10 mm.</translation>
    </message>
    <message>
        <source>The tuning is out of range.</source>
        <translation>La regolazione è fuori intervallo.</translation>
    </message>
    <message>
        <source>The card would be %1 x %2 mm; the board holds %3 x %3 mm. Choose smaller patches, or fewer burn times or grey levels.</source>
        <translation>La scheda sarebbe di %1 x %2 mm; l’anteprima contiene %3 x %3 mm. Scegli riquadri più piccoli, o meno tempi di combustione o livelli di grigio.</translation>
    </message>
</context>
<context>
    <name>tavro::ui::TestCardDialog</name>
    <message>
        <source>Write the burn times as whole numbers separated by commas.</source>
        <translation>Scrivi i tempi di combustione come numeri interi separati da virgole.</translation>
    </message>
    <message>
        <source>Write the grey levels as whole numbers separated by commas.</source>
        <translation>Scrivi i livelli di grigio come numeri interi separati da virgole.</translation>
    </message>
    <message>
        <source>A test card is being burnt.</source>
        <translation>Una scheda di prova è in incisione.</translation>
    </message>
    <message>
        <source>No machine is connected: the card can be seen, not burnt.</source>
        <translation>Nessuna macchina collegata: la scheda si può vedere, non incidere.</translation>
    </message>
    <message>
        <source>A job is running: stop it before burning the card.</source>
        <translation>Un lavoro è in corso: fermalo prima di incidere la scheda.</translation>
    </message>
    <message>
        <source>%1 burn times x %2 grey levels, patches of %3 dots, %4 dots in all; about %5.</source>
        <translation>%1 tempi di combustione x %2 livelli di grigio, riquadri di %3 punti, %4 punti in tutto; circa %5.</translation>
    </message>
    <message>
        <source>Tuning: %1, as set in the effect chooser.</source>
        <translation>Regolazione: %1, come impostata nella scelta dell’effetto.</translation>
    </message>
    <message>
        <source>The board holds a picture that was never sent. Replace it with the test card?</source>
        <translation>L’anteprima contiene un’immagine mai inviata. Sostituirla con la scheda di prova?</translation>
    </message>
    <message>
        <source>Material Test Card</source>
        <translation>Scheda di prova del materiale</translation>
    </message>
    <message>
        <source>Burns a patch of each grey level at each burn time, one column a burn time, lowest first. The card is shown on the board.</source>
        <translation>Incide un riquadro di ogni livello di grigio a ogni tempo di combustione, una colonna per tempo, dal più basso. La scheda è mostrata nell’anteprima.</translation>
    </message>
    <message>
        <source>Burn times:</source>
        <translation>Tempi di combustione:</translation>
    </message>
    <message>
        <source>Spread from, to, how many:</source>
        <translation>Distribuiti da, a, quanti:</translation>
    </message>
    <message>
        <source>Grey levels (% black):</source>
        <translation>Livelli di grigio (% nero):</translation>
    </message>
    <message>
        <source>Solid patches only</source>
        <translation>Solo riquadri pieni</translation>
    </message>
    <message>
        <source>Patch size:</source>
        <translation>Dimensione dei riquadri:</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>Metodo:</translation>
    </message>
    <message>
        <source>Burn labels and the date:</source>
        <translation>Incidi etichette e data:</translation>
    </message>
    <message>
        <source>Burn the Card</source>
        <translation>Incidi la scheda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>tavro::session::TestCardRun</name>
    <message>
        <source>A test card is being burnt already.</source>
        <translation>Una scheda di prova è già in incisione.</translation>
    </message>
    <message>
        <source>The card has columns 1 to %1.</source>
        <translation>La scheda ha le colonne da 1 a %1.</translation>
    </message>
    <message>
        <source>Rows go from 0 to 511.</source>
        <translation>Le righe vanno da 0 a 511.</translation>
    </message>
    <message>
        <source>No machine is connected.</source>
        <translation>Nessuna macchina collegata.</translation>
    </message>
    <message>
        <source>A job is running; stop it first.</source>
        <translation>Un lavoro è in corso; fermalo prima.</translation>
    </message>
    <message>
        <source>The card&apos;s first column could not be sent.</source>
        <translation>Impossibile inviare la prima colonna della scheda.</translation>
    </message>
</context>
<context>
    <name>tavro::ui::TuningStrip</name>
    <message>
        <source>Grey from:</source>
        <translation>Grigio da:</translation>
    </message>
    <message>
        <source>As drawn</source>
        <translation>Come prima</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Luma</source>
        <translation>Luminanza</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverti</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Soglia</translation>
    </message>
    <message>
        <source>Dither method</source>
        <translation>Metodo di retinatura</translation>
    </message>
    <message>
        <source>Dither</source>
        <translation>Retinatura</translation>
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
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Which grey level of a colour is read: as each rendering has always read it, the blue channel, the average of red, green and blue, or luma (as the eye sees it)</source>
        <translation>Quale livello di grigio leggere da un colore: come ogni resa lo ha sempre letto, il canale blu, la media di rosso, verde e blu, o la luminanza (come la vede l&apos;occhio)</translation>
    </message>
    <message>
        <source>Left panel: levels below this burn</source>
        <translation>Pannello sinistro: i livelli sotto questo valore bruciano</translation>
    </message>
    <message>
        <source>Right panel: how grey becomes dots</source>
        <translation>Pannello destro: come il grigio diventa punti</translation>
    </message>
</context>
<context>
    <name>tavro::link::EngraverLink</name>
    <message>
        <source>the port is no longer there</source>
        <translation>la porta non c’è più</translation>
    </message>
    <message>
        <source>the machine did not ask for the picture within %1 s</source>
        <translation>la macchina non ha richiesto l&apos;immagine entro %1 s</translation>
    </message>
    <message>
        <source>The machine did not ask for the picture: it was not sent.</source>
        <translation>La macchina non ha richiesto l&apos;immagine: non è stata inviata.</translation>
    </message>
</context>
<context>
    <name>tavro::machine::DiagnosisText</name>
    <message>
        <source>USB adapter %1</source>
        <translation>Adattatore USB %1</translation>
    </message>
    <message>
        <source>Not a USB device</source>
        <translation>Non è un dispositivo USB</translation>
    </message>
    <message>
        <source>Connected: the program uses this machine.</source>
        <translation>Connesso: il programma usa questa macchina.</translation>
    </message>
    <message>
        <source>An engraver of this kind answers here.</source>
        <translation>Qui risponde un incisore di questo tipo.</translation>
    </message>
    <message>
        <source>You may not open this device.</source>
        <translation>Non hai il permesso di aprire questo dispositivo.</translation>
    </message>
    <message>
        <source>Held by another program.</source>
        <translation>Occupato da un altro programma.</translation>
    </message>
    <message>
        <source>Held by another copy of Tavro Laser: %1.</source>
        <translation>Occupato da un&apos;altra istanza di Tavro Laser: %1.</translation>
    </message>
    <message>
        <source>Held by %1.</source>
        <translation>Occupato da %1.</translation>
    </message>
    <message>
        <source>No answer. Is the engraver switched on? Is it an engraver of this kind?</source>
        <translation>Nessuna risposta. L&apos;incisore è acceso? È un incisore di questo tipo?</translation>
    </message>
    <message>
        <source>It answers as product %1, not as an engraver of this kind.</source>
        <translation>Risponde come prodotto %1, non come un incisore di questo tipo.</translation>
    </message>
    <message>
        <source>This USB-serial adapter is plugged in, but has no serial device.</source>
        <translation>Questo adattatore USB-seriale è collegato, ma non ha un dispositivo seriale.</translation>
    </message>
    <message>
        <source>It does not open: %1.</source>
        <translation>Non si apre: %1.</translation>
    </message>
    <message>
        <source>%1 has probably taken it for a braille display.</source>
        <translation>%1 lo ha probabilmente preso per un display braille.</translation>
    </message>
    <message>
        <source>No driver has taken it. Unplug it and plug it in again.</source>
        <translation>Nessun driver lo ha preso in carico. Scollegalo e ricollegalo.</translation>
    </message>
    <message>
        <source>It belongs to %1, group %2, mode %3.</source>
        <translation>Appartiene a %1, gruppo %2, modo %3.</translation>
    </message>
    <message>
        <source>You are in the group %1.</source>
        <translation>Fai parte del gruppo %1.</translation>
    </message>
    <message>
        <source>You were added to the group %1; that takes effect when you log in again.</source>
        <translation>Sei stato aggiunto al gruppo %1; ha effetto al prossimo accesso.</translation>
    </message>
    <message>
        <source>You are not in the group %1.</source>
        <translation>Non fai parte del gruppo %1.</translation>
    </message>
    <message>
        <source>The access rule of Tavro Laser does not cover this device.</source>
        <translation>La regola di accesso di Tavro Laser non copre questo dispositivo.</translation>
    </message>
    <message>
        <source>The access rule of Tavro Laser is installed; it gives access to whoever sits at this computer, not to remote logins.</source>
        <translation>La regola di accesso di Tavro Laser è installata; dà accesso a chi siede davanti a questo computer, non agli accessi remoti.</translation>
    </message>
    <message>
        <source>The access rule of Tavro Laser is not installed.</source>
        <translation>La regola di accesso di Tavro Laser non è installata.</translation>
    </message>
    <message>
        <source>Allow access installs it; you are asked for the administrator password.</source>
        <translation>«Consenti accesso» la installa; viene chiesta la password di amministratore.</translation>
    </message>
    <message>
        <source>Joining the group %1 takes effect when you log in again.</source>
        <translation>L&apos;ingresso nel gruppo %1 ha effetto al prossimo accesso.</translation>
    </message>
    <message>
        <source>Close the program that uses it.</source>
        <translation>Chiudi il programma che lo usa.</translation>
    </message>
    <message>
        <source>Running now, and known to hold ports like this one: %1.</source>
        <translation>In esecuzione, e noto per occupare porte come questa: %1.</translation>
    </message>
    <message>
        <source>ModemManager tries new adapters as modems for a few seconds, then lets go. Check again in a moment.</source>
        <translation>ModemManager prova i nuovi adattatori come modem per qualche secondo, poi li rilascia. Ricontrolla tra poco.</translation>
    </message>
    <message>
        <source>Close the other Tavro Laser window or tavro-burn.</source>
        <translation>Chiudi l&apos;altra finestra di Tavro Laser o tavro-burn.</translation>
    </message>
    <message>
        <source>Close that program, or make it let go of the port.</source>
        <translation>Chiudi quel programma o fagli rilasciare la porta.</translation>
    </message>
    <message>
        <source>brltty&apos;s rule for these adapters is switched off already: unplug the adapter and plug it in again.</source>
        <translation>La regola di brltty per questi adattatori è già disattivata: scollega l&apos;adattatore e ricollegalo.</translation>
    </message>
    <message>
        <source>brltty serves braille displays and takes USB-serial adapters of this kind for one. If you use no braille display, stop it taking them, then unplug the adapter and plug it in again.</source>
        <translation>brltty serve i display braille e scambia gli adattatori USB-seriale di questo tipo per uno di essi. Se non usi un display braille, impediscigli di prenderli, poi scollega l&apos;adattatore e ricollegalo.</translation>
    </message>
    <message>
        <source>Allow access</source>
        <translation>Consenti accesso</translation>
    </message>
    <message>
        <source>Join the group dialout</source>
        <translation>Entra nel gruppo dialout</translation>
    </message>
    <message>
        <source>Stop brltty taking adapters</source>
        <translation>Impedisci a brltty di prendere gli adattatori</translation>
    </message>
    <message>
        <source>No USB-serial adapter is connected.</source>
        <translation>Nessun adattatore USB-seriale è collegato.</translation>
    </message>
    <message>
        <source>No machine: no USB-serial adapter is connected</source>
        <translation>Nessuna macchina: nessun adattatore USB-seriale collegato</translation>
    </message>
    <message>
        <source>No machine: %1 is held by %2</source>
        <translation>Nessuna macchina: %1 è occupato da %2</translation>
    </message>
    <message>
        <source>No machine: %1 is held by another program</source>
        <translation>Nessuna macchina: %1 è occupato da un altro programma</translation>
    </message>
    <message>
        <source>No machine: you may not open %1</source>
        <translation>Nessuna macchina: non hai il permesso di aprire %1</translation>
    </message>
    <message>
        <source>No machine: the USB-serial adapter %1 has no serial device</source>
        <translation>Nessuna macchina: l&apos;adattatore USB-seriale %1 non ha un dispositivo seriale</translation>
    </message>
    <message>
        <source>No machine: %1 answers with another product id</source>
        <translation>Nessuna macchina: %1 risponde con un altro ID prodotto</translation>
    </message>
    <message>
        <source>No machine: %1 does not open</source>
        <translation>Nessuna macchina: %1 non si apre</translation>
    </message>
    <message>
        <source>No machine: %1 does not answer</source>
        <translation>Nessuna macchina: %1 non risponde</translation>
    </message>
    <message>
        <source>Check…</source>
        <translation>Verifica…</translation>
    </message>
</context>
<context>
    <name>tavro::platform::QtSerialLine</name>
    <message>
        <source>the image block did not leave the port in %1 s</source>
        <translation>il blocco dell’immagine non è partito in %1 s</translation>
    </message>
    <message>
        <source>the port is closed</source>
        <translation>la porta è chiusa</translation>
    </message>
</context>
<context>
    <name>tavro::shell::BoardEditing</name>
    <message>
        <source>Board</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>%1, %2 mm</source>
        <translation>%1; %2 mm</translation>
    </message>
    <message>
        <source>picture %1 x %2 mm</source>
        <translation>immagine %1 x %2 mm</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>Size and Position</source>
        <translation>Dimensioni e posizione</translation>
    </message>
</context>
<context>
    <name>tavro::shell::ConnectionCheckWindow</name>
    <message>
        <source>Checking…</source>
        <translation>Verifica in corso…</translation>
    </message>
    <message>
        <source>Check Connection</source>
        <translation>Verifica connessione</translation>
    </message>
    <message>
        <source>The serial devices the program tries when it searches for the machine, and what stands in the way of each.</source>
        <translation>I dispositivi seriali che il programma prova quando cerca la macchina, e cosa ostacola ciascuno.</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Verifica di nuovo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>A machine answers.</source>
        <translation>Una macchina risponde.</translation>
    </message>
    <message>
        <source>Plug the engraver&apos;s USB cable in; this window follows.</source>
        <translation>Collega il cavo USB dell&apos;incisore; questa finestra si aggiorna.</translation>
    </message>
    <message>
        <source>The check runs again when a device is plugged in or pulled out.</source>
        <translation>La verifica riparte quando un dispositivo viene collegato o scollegato.</translation>
    </message>
    <message>
        <source>Waiting for tavro-serial-access; it may ask for the administrator password…</source>
        <translation>In attesa di tavro-serial-access; potrebbe chiedere la password di amministratore…</translation>
    </message>
    <message>
        <source>tavro-serial-access is done.</source>
        <translation>tavro-serial-access ha terminato.</translation>
    </message>
    <message>
        <source>The administrator password was not given; nothing was changed.</source>
        <translation>La password di amministratore non è stata inserita; non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>tavro-serial-access could not be started: %1</source>
        <translation>Impossibile avviare tavro-serial-access: %1</translation>
    </message>
    <message>
        <source>tavro-serial-access failed (exit status %1): %2</source>
        <translation>tavro-serial-access non è riuscito (stato di uscita %1): %2</translation>
    </message>
</context>
<context>
    <name>tavro::shell::JobStatusBar</name>
    <message>
        <source>The job is done</source>
        <translation>Il lavoro è finito</translation>
    </message>
    <message>
        <source>Searching for the machine…</source>
        <translation>Ricerca della macchina…</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 connesso</translation>
    </message>
    <message>
        <source>Connection broken, searching…</source>
        <translation>Connessione interrotta, ricerca…</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connesso</translation>
    </message>
    <message>
        <source>No picture on the machine</source>
        <translation>Nessuna immagine sulla macchina</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>In corso</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Finito</translation>
    </message>
    <message>
        <source>Interrupted at row %1 (%2 %)</source>
        <translation>Interrotto alla riga %1 (%2 %)</translation>
    </message>
    <message numerus="yes">
        <source>%n dots, about %1</source>
        <translation>
            <numerusform>%n punto, circa %1</numerusform>
            <numerusform>%n punti, circa %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dots, %1</source>
        <translation>
            <numerusform>%n punto, %1</numerusform>
            <numerusform>%n punti, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>circa %1 rimanenti</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 rimanenti</translation>
    </message>
    <message numerus="yes">
        <source>Done: %n dots in %1</source>
        <translation>
            <numerusform>Fatto: %n punto in %1</numerusform>
            <numerusform>Fatto: %n punti in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture not sent since the machine reconnected</source>
        <translation>Nessuna immagine inviata dalla riconnessione della macchina</translation>
    </message>
    <message>
        <source>Interrupted job: %1 % burnt</source>
        <translation>Lavoro interrotto: %1 % inciso</translation>
    </message>
    <message>
        <source>Resume from row %1</source>
        <translation>Riprendi dalla riga %1</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Ricomincia da capo</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Connection broken (%1), searching…</source>
        <translation>Connessione interrotta (%1), ricerca…</translation>
    </message>
    <message>
        <source>Machine is carving (not started here)</source>
        <translation>La macchina sta incidendo (non avviato qui)</translation>
    </message>
    <message>
        <source>Paused (not started here)</source>
        <translation>In pausa (non avviato qui)</translation>
    </message>
    <message>
        <source>Board changed since it was sent</source>
        <translation>Anteprima cambiata dopo l’invio</translation>
    </message>
    <message numerus="yes">
        <source>Done: %n dots in %1 (%2 in this run)</source>
        <translation>
            <numerusform>Fatto: %n punto in %1 (%2 in questa esecuzione)</numerusform>
            <numerusform>Fatto: %n punti in %1 (%2 in questa esecuzione)</numerusform>
        </translation>
    </message>
    <message>
        <source>The test card is done</source>
        <translation>La scheda di prova è finita</translation>
    </message>
    <message>
        <source>Machine &gt; Choose the Best Patch… makes a preset of it.</source>
        <translation>Macchina &gt; Scegli il riquadro migliore… ne fa una preimpostazione.</translation>
    </message>
    <message>
        <source>Test card paused: column %1 of %2, burn time %3</source>
        <translation>Scheda di prova in pausa: colonna %1 di %2, tempo di combustione %3</translation>
    </message>
    <message>
        <source>Test card: column %1 of %2, burn time %3</source>
        <translation>Scheda di prova: colonna %1 di %2, tempo di combustione %3</translation>
    </message>
    <message>
        <source>Test card done</source>
        <translation>Scheda di prova finita</translation>
    </message>
    <message>
        <source>Interrupted test card: column %1 of %2, %3 % of it burnt</source>
        <translation>Scheda di prova interrotta: colonna %1 di %2, incisa al %3 %</translation>
    </message>
    <message>
        <source>Resume from column %1, row %2</source>
        <translation>Riprendi dalla colonna %1, riga %2</translation>
    </message>
    <message>
        <source>Not sent: the machine did not ask for the picture</source>
        <translation>Non inviata: la macchina non ha richiesto l&apos;immagine</translation>
    </message>
</context>
<context>
    <name>tavro::shell::MainMenu</name>
    <message>
        <source>No recent files</source>
        <translation>Nessun file recente</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open Picture…</source>
        <translation>&amp;Apri immagine…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>File &amp;recenti</translation>
    </message>
    <message>
        <source>Open &amp;Job…</source>
        <translation>Apri &amp;lavoro…</translation>
    </message>
    <message>
        <source>&amp;Save Job</source>
        <translation>&amp;Salva lavoro</translation>
    </message>
    <message>
        <source>Save Job &amp;As…</source>
        <translation>Salva lavoro &amp;come…</translation>
    </message>
    <message>
        <source>&amp;Export Board as PNG…</source>
        <translation>Es&amp;porta l’anteprima come PNG…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Machine</source>
        <translation>&amp;Macchina</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Collega</translation>
    </message>
    <message>
        <source>&amp;Break</source>
        <translation>&amp;Scollega</translation>
    </message>
    <message>
        <source>Send &amp;Image To Machine</source>
        <translation>Invia l’&amp;immagine alla macchina</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Avvia</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Power &amp;Off…</source>
        <translation>Spe&amp;gni…</translation>
    </message>
    <message>
        <source>Se&amp;ttings…</source>
        <translation>I&amp;mpostazioni…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Tavro Laser &amp;Help</source>
        <translation>&amp;Guida di Tavro Laser</translation>
    </message>
    <message>
        <source>&amp;About Tavro Laser</source>
        <translation>&amp;Informazioni su Tavro Laser</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Ricomincia</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>Manuale &amp;utente</translation>
    </message>
    <message>
        <source>C&amp;heck Connection…</source>
        <translation>&amp;Verifica la connessione…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>M&amp;odifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Mirror &amp;Left to Right</source>
        <translation>Specchia &amp;sinistra-destra</translation>
    </message>
    <message>
        <source>Mirror &amp;Top to Bottom</source>
        <translation>Specchia alto-&amp;basso</translation>
    </message>
    <message>
        <source>&amp;Size and Position…</source>
        <translation>&amp;Dimensioni e posizione…</translation>
    </message>
    <message>
        <source>Machine Si&amp;ze…</source>
        <translation>&amp;Dimensioni della macchina…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ingra&amp;ndisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Rimpi&amp;cciolisci</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Dimensioni &amp;reali</translation>
    </message>
    <message>
        <source>Add &amp;Code…</source>
        <translation>Aggiungi &amp;codice…</translation>
    </message>
</context>
<context>
    <name>tavro::shell::MainPanel</name>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
</context>
<context>
    <name>tavro::shell::MainWindow</name>
    <message>
        <source>%1 is no longer there and was taken off the list.</source>
        <translation>%1 non esiste più ed è stato tolto dall’elenco.</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>File recenti</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>non collegato</translation>
    </message>
    <message>
        <source>Tavro Laser %1

The desktop controller of a small laser engraver.

Licence: MIT
Serial port: %2

%3</source>
        <translation>Tavro Laser %1

Il programma di controllo di un piccolo incisore laser.

Licenza: MIT
Porta seriale: %2

%3</translation>
    </message>
    <message>
        <source>About Tavro Laser</source>
        <translation>Informazioni su Tavro Laser</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a picture: %2.</source>
        <translation>%1 non può essere aperto come immagine: %2.</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Apri immagine</translation>
    </message>
</context>
<context>
    <name>tavro::shell::MaterialMenu</name>
    <message>
        <source>No material</source>
        <translation>Nessun materiale</translation>
    </message>
    <message>
        <source>Export Presets</source>
        <translation>Esporta preimpostazioni</translation>
    </message>
    <message>
        <source>Import Presets</source>
        <translation>Importa preimpostazioni</translation>
    </message>
    <message>
        <source>Presets imported from %1: %2.</source>
        <translation>Preimpostazioni importate da %1: %2.</translation>
    </message>
    <message>
        <source>Remove the preset %1?</source>
        <translation>Rimuovere la preimpostazione %1?</translation>
    </message>
    <message>
        <source>Remove Preset</source>
        <translation>Rimuovi preimpostazione</translation>
    </message>
    <message>
        <source>&amp;Material Test Card…</source>
        <translation>Sc&amp;heda di prova del materiale…</translation>
    </message>
    <message>
        <source>Choos&amp;e the Best Patch…</source>
        <translation>Sc&amp;egli il riquadro migliore…</translation>
    </message>
    <message>
        <source>M&amp;aterial</source>
        <translation>Ma&amp;teriale</translation>
    </message>
    <message>
        <source>&amp;Save as Preset…</source>
        <translation>&amp;Salva come preimpostazione…</translation>
    </message>
    <message>
        <source>&amp;Remove Chosen Preset…</source>
        <translation>&amp;Rimuovi la preimpostazione scelta…</translation>
    </message>
    <message>
        <source>&amp;Export Presets…</source>
        <translation>&amp;Esporta preimpostazioni…</translation>
    </message>
    <message>
        <source>&amp;Import Presets…</source>
        <translation>&amp;Importa preimpostazioni…</translation>
    </message>
    <message>
        <source>As It Will &amp;Burn</source>
        <translation>Come verrà &amp;inciso</translation>
    </message>
</context>
<context>
    <name>tavro::shell::SerialAccessRunner</name>
    <message>
        <source>tavro-serial-access is running already.</source>
        <translation>tavro-serial-access è già in esecuzione.</translation>
    </message>
    <message>
        <source>tavro-serial-access is not installed at %1.</source>
        <translation>tavro-serial-access non è installato in %1.</translation>
    </message>
</context>
<context>
    <name>tavro::shell::SystemDesktop</name>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Tavro Laser jobs (*%1)</source>
        <translation>Lavori Tavro Laser (*%1)</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Apri immagine</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Immagini (%1)</translation>
    </message>
    <message>
        <source>Open Job</source>
        <translation>Apri lavoro</translation>
    </message>
    <message>
        <source>Save Job</source>
        <translation>Salva lavoro</translation>
    </message>
    <message>
        <source>Export Board as PNG</source>
        <translation>Esporta l’anteprima come PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>Export Presets</source>
        <translation>Esporta preimpostazioni</translation>
    </message>
    <message>
        <source>Material presets (*.ini)</source>
        <translation>Preimpostazioni di materiale (*.ini)</translation>
    </message>
    <message>
        <source>Import Presets</source>
        <translation>Importa preimpostazioni</translation>
    </message>
</context>
<context>
    <name>tavro::shell::UserGuideWindow</name>
    <message>
        <source>Tavro Laser User Guide</source>
        <translation>Manuale utente di Tavro Laser</translation>
    </message>
</context>
<context>
    <name>tavro::run::RunDriver</name>
    <message>
        <source>The machine finished the interrupted job on its own.</source>
        <translation>La macchina ha terminato da sola il lavoro interrotto.</translation>
    </message>
</context>
<context>
    <name>tavro::codes::CodeSymbol</name>
    <message>
        <source>An EAN-13 code takes 12 digits, or 13 with the check digit.</source>
        <translation>Un codice EAN-13 ha 12 cifre, o 13 con la cifra di controllo.</translation>
    </message>
    <message>
        <source>The last digit of an EAN-13 code is its check digit: for %1 it is %2, not %3.</source>
        <translation>L’ultima cifra di un codice EAN-13 è la cifra di controllo: per %1 è %2, non %3.</translation>
    </message>
    <message>
        <source>Code 128 holds only Western European letters, digits and signs, not &quot;%1&quot;.</source>
        <translation>Il Code 128 contiene solo lettere, cifre e segni dell’Europa occidentale, non «%1».</translation>
    </message>
    <message>
        <source>There is no text to make a code of.</source>
        <translation>Non c’è alcun testo da cui creare un codice.</translation>
    </message>
    <message>
        <source>The text is too long for a QR code at error correction %1; a lower level or a shorter text fits.</source>
        <translation>Il testo è troppo lungo per un codice QR con correzione degli errori %1; un livello più basso o un testo più corto ci sta.</translation>
    </message>
    <message>
        <source>The text is too long for a %1 code.</source>
        <translation>Il testo è troppo lungo per un codice %1.</translation>
    </message>
    <message>
        <source>The text cannot be made into a %1 code.</source>
        <translation>Dal testo non si può creare un codice %1.</translation>
    </message>
</context>
<context>
    <name>tavro::codes::CodeFit</name>
    <message>
        <source>At %1 dots a module the code would be %2 x %3 dots with its quiet zone; the board is %4 dots a side.</source>
        <translation>A %1 punti per modulo il codice sarebbe di %2 x %3 punti con la sua zona di rispetto; l’anteprima ha %4 punti per lato.</translation>
    </message>
    <message>
        <source>The code cannot be %1 mm wide: with its quiet zone it takes at least %2 mm (%3 dots).</source>
        <translation>Il codice non può essere largo %1 mm: con la sua zona di rispetto occupa almeno %2 mm (%3 punti).</translation>
    </message>
</context>
<context>
    <name>tavro::pictures::SvgCheck</name>
    <message>
        <source>it uses a style sheet from outside the picture</source>
        <translation>usa un foglio di stile esterno all’immagine</translation>
    </message>
    <message>
        <source>it refers to %1, outside the picture</source>
        <translation>fa riferimento a %1, fuori dall’immagine</translation>
    </message>
    <message>
        <source>it embeds a picture that is too large or cannot be read</source>
        <translation>contiene un’immagine troppo grande o illeggibile</translation>
    </message>
    <message>
        <source>it declares a width, height or viewBox that is empty, negative or absurd</source>
        <translation>dichiara una larghezza, un’altezza o una viewBox vuota, negativa o assurda</translation>
    </message>
    <message>
        <source>it declares a size larger than %1 mm</source>
        <translation>dichiara una dimensione superiore a %1 mm</translation>
    </message>
    <message>
        <source>it has more than %1 elements</source>
        <translation>contiene più di %1 elementi</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>i suoi elementi sono annidati per più di %1 livelli</translation>
    </message>
    <message>
        <source>it is not an SVG picture</source>
        <translation>non è un’immagine SVG</translation>
    </message>
    <message>
        <source>it declares entities, which could make it grow without end</source>
        <translation>dichiara entità, che potrebbero farlo crescere senza fine</translation>
    </message>
    <message>
        <source>a &lt;use&gt; element refers to itself</source>
        <translation>un elemento &lt;use&gt; fa riferimento a se stesso</translation>
    </message>
    <message>
        <source>the SVG is damaged (line %1: %2)</source>
        <translation>l’SVG è danneggiato (riga %1: %2)</translation>
    </message>
    <message>
        <source>no elements</source>
        <translation>nessun elemento</translation>
    </message>
    <message>
        <source>its &lt;use&gt; elements would draw more than %1 elements</source>
        <translation>i suoi elementi &lt;use&gt; disegnerebbero più di %1 elementi</translation>
    </message>
</context>
<context>
    <name>tavro::pictures::VectorPicture</name>
    <message>
        <source>it cannot be drawn</source>
        <translation>non può essere disegnato</translation>
    </message>
    <message>
        <source>it has no size</source>
        <translation>non ha dimensioni</translation>
    </message>
</context>
<context>
    <name>tavro::ui::AddCodeDialog</name>
    <message>
        <source>Add Code</source>
        <translation>Aggiungi codice</translation>
    </message>
    <message>
        <source>QR code</source>
        <translation>Codice QR</translation>
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
        <translation>L (7%)</translation>
    </message>
    <message>
        <source>M (15 %)</source>
        <translation>M (15%)</translation>
    </message>
    <message>
        <source>Q (25 %)</source>
        <translation>Q (25%)</translation>
    </message>
    <message>
        <source>H (30 %)</source>
        <translation>H (30%)</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Testo:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Error correction:</source>
        <translation>&amp;Correzione degli errori:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Larghezza:</translation>
    </message>
    <message>
        <source>Type the text the code holds.</source>
        <translation>Scrivete il testo che il codice contiene.</translation>
    </message>
    <message>
        <source>%1 x %2 mm with its quiet zone; a module is %3 mm (dots a module: %4).</source>
        <translation>%1 x %2 mm con la zona di rispetto; un modulo misura %3 mm (punti per modulo: %4).</translation>
    </message>
    <message>
        <source>Modules smaller than 3 dots burn unreadably on wood: make the code larger.</source>
        <translation>Moduli sotto i 3 punti risultano illeggibili sul legno: ingrandite il codice.</translation>
    </message>
</context>
</TS>
