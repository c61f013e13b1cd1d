<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>tavro::job::TuningStrip</name>
    <message>
        <source>Grey from:</source>
        <translation>Gris depuis :</translation>
    </message>
    <message>
        <source>As drawn</source>
        <translation>Comme avant</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Luma</source>
        <translation>Luminance</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>Dither method</source>
        <translation>Méthode de tramage</translation>
    </message>
    <message>
        <source>Dither</source>
        <translation>Tramage</translation>
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
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Which grey level of a colour is read: as each rendering has always read it, the blue channel, the average of red, green and blue, or luma (as the eye sees it)</source>
        <translation>Quel niveau de gris lire dans une couleur : comme chaque rendu l&apos;a toujours lu, le canal bleu, la moyenne du rouge, du vert et du bleu, ou la luminance (telle que l&apos;œil la voit)</translation>
    </message>
    <message>
        <source>Left panel: levels below this burn</source>
        <translation>Panneau de gauche : les niveaux en dessous brûlent</translation>
    </message>
    <message>
        <source>Right panel: how grey becomes dots</source>
        <translation>Panneau de droite : comment le gris devient des points</translation>
    </message>
</context>
<context>
    <name>tavro::link::EngraverLink</name>
    <message>
        <source>the port is no longer there</source>
        <translation>le port n’existe plus</translation>
    </message>
</context>
<context>
    <name>tavro::platform::QtSerialLine</name>
    <message>
        <source>the image block did not leave the port in %1 s</source>
        <translation>le bloc d’image n’est pas parti en %1 s</translation>
    </message>
    <message>
        <source>the port is closed</source>
        <translation>le port est fermé</translation>
    </message>
</context>
<context>
    <name>tavro::shell::MainWindow</name>
    <message>
        <source>%1 is no longer there and was taken off the list.</source>
        <translation>%1 n’existe plus et a été retiré de la liste.</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>non connecté</translation>
    </message>
    <message>
        <source>Tavro Laser %1

The desktop controller of a small laser engraver.

Licence: MIT
Serial port: %2

%3</source>
        <translation>Tavro Laser %1

Le logiciel de commande d’un petit graveur laser.

Licence : MIT
Port série : %2

%3</translation>
    </message>
    <message>
        <source>About Tavro Laser</source>
        <translation>À propos de Tavro Laser</translation>
    </message>
</context>
<context>
    <name>tavro::job::Session</name>
    <message>
        <source>The job %1 cannot be read: %2.</source>
        <translation>Le travail %1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>%1 is a picture, not a Tavro Laser job. Open it with Open Picture… to render it.</source>
        <translation>%1 est une image, pas un travail Tavro Laser. Ouvrez-la avec « Ouvrir une image… » pour la convertir.</translation>
    </message>
    <message>
        <source>%1 is not a Tavro Laser job.</source>
        <translation>%1 n’est pas un travail Tavro Laser.</translation>
    </message>
    <message>
        <source>%1 was saved by a newer Tavro Laser (job format %2); this version opens formats up to %3. Nothing was changed.</source>
        <translation>%1 a été enregistré par une version plus récente de Tavro Laser (format de travail %2) ; cette version ouvre les formats jusqu’à %3. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The job %1 is damaged and was not opened: %2. Nothing was changed.</source>
        <translation>Le travail %1 est endommagé et n’a pas été ouvert : %2. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Open Job</source>
        <translation>Ouvrir un travail</translation>
    </message>
    <message>
        <source>The job could not be saved as %1: %2. A file already there was left as it was.</source>
        <translation>Le travail n’a pas pu être enregistré sous %1 : %2. Un fichier déjà présent est resté intact.</translation>
    </message>
    <message>
        <source>Save Job</source>
        <translation>Enregistrer le travail</translation>
    </message>
    <message>
        <source>The board could not be exported as %1: %2. A file already there was left as it was.</source>
        <translation>L’aperçu n’a pas pu être exporté sous %1 : %2. Un fichier déjà présent est resté intact.</translation>
    </message>
    <message>
        <source>Export Board</source>
        <translation>Exporter l’aperçu</translation>
    </message>
    <message>
        <source>The machine holds the picture sent at %1, not the board shown.</source>
        <translation>La machine contient l’image envoyée à %1, pas l’aperçu affiché.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Send the board first</source>
        <translation>Envoyer d’abord l’aperçu</translation>
    </message>
    <message>
        <source>Start anyway</source>
        <translation>Démarrer quand même</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>A job is running. Pause the machine and quit?</source>
        <translation>Une tâche est en cours. Mettre la machine en pause et quitter ?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>The machine is connected</source>
        <translation>La machine est connectée</translation>
    </message>
    <message>
        <source>No machine is connected</source>
        <translation>Aucune machine n’est connectée</translation>
    </message>
    <message>
        <source>Not while the machine carves</source>
        <translation>Pas pendant la gravure</translation>
    </message>
    <message>
        <source>Choose a rendering and send it, or clear the board, first</source>
        <translation>Choisissez d’abord un rendu et envoyez-le, ou effacez l’aperçu</translation>
    </message>
</context>
<context>
    <name>tavro::job::JobGuard</name>
    <message>
        <source>A job is running. Stop it and send the new picture?</source>
        <translation>Un travail est en cours. L'arrêter et envoyer la nouvelle image ?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and change the language?</source>
        <translation>Un travail est en cours. L'arrêter et changer de langue ?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and clear the board?</source>
        <translation>Un travail est en cours. L'arrêter et effacer l'aperçu ?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and reload the picture?</source>
        <translation>Un travail est en cours. L'arrêter et recharger l'image ?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and open the new picture?</source>
        <translation>Un travail est en cours. L'arrêter et ouvrir la nouvelle image ?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and open the job?</source>
        <translation>Un travail est en cours. L'arrêter et ouvrir le travail ?</translation>
    </message>
    <message>
        <source>Job running</source>
        <translation>Travail en cours</translation>
    </message>
    <message>
        <source>The picture on the board was not sent to the machine. Change the language and lose it?</source>
        <translation>L'image de l'aperçu n'a pas été envoyée à la machine. Changer de langue et la perdre ?</translation>
    </message>
    <message>
        <source>Picture not sent</source>
        <translation>Image non envoyée</translation>
    </message>
</context>
<context>
    <name>tavro::shell::JobStatusBar</name>
    <message>
        <source>The job is done</source>
        <translation>Le travail est terminé</translation>
    </message>
    <message>
        <source>Searching for the machine…</source>
        <translation>Recherche de la machine…</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 connecté</translation>
    </message>
    <message>
        <source>Connection broken, searching…</source>
        <translation>Connexion rompue, recherche…</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>No picture on the machine</source>
        <translation>Aucune image sur la machine</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Interrupted at row %1 (%2 %)</source>
        <translation>Interrompu à la ligne %1 (%2 %)</translation>
    </message>
    <message numerus="yes">
        <source>%n dots, about %1</source>
        <translation>
            <numerusform>%n point, environ %1</numerusform>
            <numerusform>%n points, environ %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dots, %1</source>
        <translation>
            <numerusform>%n point, %1</numerusform>
            <numerusform>%n points, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>environ %1 restantes</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 restantes</translation>
    </message>
    <message numerus="yes">
        <source>Done: %n dots in %1</source>
        <translation>
            <numerusform>Terminé : %n point en %1</numerusform>
            <numerusform>Terminé : %n points en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture not sent since the machine reconnected</source>
        <translation>Aucune image envoyée depuis la reconnexion de la machine</translation>
    </message>
    <message>
        <source>Interrupted job: %1 % burnt</source>
        <translation>Travail interrompu : %1 % gravé</translation>
    </message>
    <message>
        <source>Resume from row %1</source>
        <translation>Reprendre à la ligne %1</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Connection broken (%1), searching…</source>
        <translation>Connexion rompue (%1), recherche…</translation>
    </message>
    <message>
        <source>Machine is carving (not started here)</source>
        <translation>La machine grave (tâche non lancée ici)</translation>
    </message>
    <message>
        <source>Paused (not started here)</source>
        <translation>En pause (tâche non lancée ici)</translation>
    </message>
    <message>
        <source>Board changed since it was sent</source>
        <translation>Aperçu modifié depuis l’envoi</translation>
    </message>
    <message numerus="yes">
        <source>Done: %n dots in %1 (%2 in this run)</source>
        <translation>
            <numerusform>Terminé : %n point en %1 (%2 cette fois)</numerusform>
            <numerusform>Terminé : %n points en %1 (%2 cette fois)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavro::shell::MainMenu</name>
    <message>
        <source>No recent files</source>
        <translation>Aucun fichier récent</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open Picture…</source>
        <translation>&amp;Ouvrir une image…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>Open &amp;Job…</source>
        <translation>Ouvrir un &amp;travail…</translation>
    </message>
    <message>
        <source>&amp;Save Job</source>
        <translation>&amp;Enregistrer le travail</translation>
    </message>
    <message>
        <source>Save Job &amp;As…</source>
        <translation>Enregistrer le travail &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Export Board as PNG…</source>
        <translation>E&amp;xporter l’aperçu en PNG…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Machine</source>
        <translation>&amp;Machine</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Connecter</translation>
    </message>
    <message>
        <source>&amp;Break</source>
        <translation>&amp;Déconnecter</translation>
    </message>
    <message>
        <source>Send &amp;Image To Machine</source>
        <translation>Envoyer l’&amp;image à la machine</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>Dé&amp;marrer</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Power &amp;Off…</source>
        <translation>&amp;Éteindre…</translation>
    </message>
    <message>
        <source>Se&amp;ttings…</source>
        <translation>Ré&amp;glages…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;ffichage</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Tavro Laser &amp;Help</source>
        <translation>&amp;Aide de Tavro Laser</translation>
    </message>
    <message>
        <source>&amp;About Tavro Laser</source>
        <translation>À &amp;propos de Tavro Laser</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Redémarrer</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guide de l’utilisateur</translation>
    </message>
</context>
<context>
    <name>tavro::shell::MainPanel</name>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
</context>
<context>
    <name>tavro::shell::SystemDesktop</name>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Tavro Laser jobs (*%1)</source>
        <translation>Travaux Tavro Laser (*%1)</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>Open Job</source>
        <translation>Ouvrir un travail</translation>
    </message>
    <message>
        <source>Save Job</source>
        <translation>Enregistrer le travail</translation>
    </message>
    <message>
        <source>Export Board as PNG</source>
        <translation>Exporter l’aperçu en PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>tavro::shell::UserGuideWindow</name>
    <message>
        <source>Tavro Laser User Guide</source>
        <translation>Guide de l’utilisateur de Tavro Laser</translation>
    </message>
</context>
</TS>
