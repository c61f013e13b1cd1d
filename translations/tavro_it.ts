<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>tavro::job::TuningStrip</name>
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
</context>
<context>
    <name>tavro::job::Session</name>
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
</context>
<context>
    <name>tavro::job::JobGuard</name>
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
        <translation>Un lavoro è in corso. Fermarlo e cancellare l'anteprima?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and reload the picture?</source>
        <translation>Un lavoro è in corso. Fermarlo e ricaricare l'immagine?</translation>
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
        <translation>L'immagine dell'anteprima non è stata inviata alla macchina. Cambiare lingua e perderla?</translation>
    </message>
    <message>
        <source>Picture not sent</source>
        <translation>Immagine non inviata</translation>
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
</context>
<context>
    <name>tavro::shell::MainPanel</name>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
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
</context>
<context>
    <name>tavro::shell::UserGuideWindow</name>
    <message>
        <source>Tavro Laser User Guide</source>
        <translation>Manuale utente di Tavro Laser</translation>
    </message>
</context>
</TS>
