<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>tavro::ui::BestPatchWindow</name>
    <message>
        <source>Test card of %1: burn time %2 at %3 % looked best.</source>
        <translation>Carte de test du %1 : le temps de combustion %2 à %3 % était le meilleur.</translation>
    </message>
    <message>
        <source>No patch picked yet.</source>
        <translation>Aucun pavé choisi pour l’instant.</translation>
    </message>
    <message>
        <source>Burn time %1, %2 % black</source>
        <translation>Temps de combustion %1, %2 % de noir</translation>
    </message>
    <message>
        <source>Choose the Best Patch</source>
        <translation>Choisir le meilleur pavé</translation>
    </message>
    <message>
        <source>Click the patch that looked best on the burnt card, then save it as a preset (or double-click it).</source>
        <translation>Cliquez sur le pavé qui était le meilleur sur la carte gravée, puis enregistrez-le comme préréglage (ou double-cliquez dessus).</translation>
    </message>
    <message>
        <source>Save as Preset…</source>
        <translation>Enregistrer comme préréglage…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>tavro::document::JobDocument</name>
    <message>
        <source>No chosen picture is on the board.</source>
        <translation>Aucune image choisie n’est sur l’aperçu.</translation>
    </message>
    <message>
        <source>No part of the picture would be on the board.</source>
        <translation>Aucune partie de l’image ne serait sur l’aperçu.</translation>
    </message>
</context>
<context>
    <name>tavro::session::JobGuard</name>
    <message>
        <source>A job is running. Stop it and send the new picture?</source>
        <translation>Un travail est en cours. L&apos;arrêter et envoyer la nouvelle image ?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and change the language?</source>
        <translation>Un travail est en cours. L&apos;arrêter et changer de langue ?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and clear the board?</source>
        <translation>Un travail est en cours. L&apos;arrêter et effacer l&apos;aperçu ?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and reload the picture?</source>
        <translation>Un travail est en cours. L&apos;arrêter et recharger l&apos;image ?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and open the new picture?</source>
        <translation>Un travail est en cours. L&apos;arrêter et ouvrir la nouvelle image ?</translation>
    </message>
    <message>
        <source>A job is running. Stop it and open the job?</source>
        <translation>Un travail est en cours. L&apos;arrêter et ouvrir le travail ?</translation>
    </message>
    <message>
        <source>Job running</source>
        <translation>Travail en cours</translation>
    </message>
    <message>
        <source>The picture on the board was not sent to the machine. Change the language and lose it?</source>
        <translation>L&apos;image de l&apos;aperçu n&apos;a pas été envoyée à la machine. Changer de langue et la perdre ?</translation>
    </message>
    <message>
        <source>Picture not sent</source>
        <translation>Image non envoyée</translation>
    </message>
</context>
<context>
    <name>tavro::ui::MachineSizeDialog</name>
    <message>
        <source>Machine Size</source>
        <translation>Taille de la machine</translation>
    </message>
    <message>
        <source>Measure a burnt line of known length in dots, or the side of the whole board, to find your machine&apos;s scale. The rulers beside the board show the default, 13.4.</source>
        <translation>Mesurez une ligne gravée d’un nombre de points connu, ou le côté de l’aperçu entier, pour trouver l’échelle de votre machine. Les règles à côté de l’aperçu montrent la valeur par défaut, 13,4.</translation>
    </message>
    <message>
        <source>&amp;Dots per millimetre:</source>
        <translation>&amp;Points par millimètre :</translation>
    </message>
    <message>
        <source>The board is %1 x %1 mm; one dot is %2 mm.</source>
        <translation>L’aperçu mesure %1 x %1 mm ; un point mesure %2 mm.</translation>
    </message>
</context>
<context>
    <name>tavro::materials::MaterialPresets</name>
    <message>
        <source>A preset needs a name.</source>
        <translation>Un préréglage a besoin d’un nom.</translation>
    </message>
    <message>
        <source>A preset&apos;s name cannot begin or end with a blank.</source>
        <translation>Le nom d’un préréglage ne peut pas commencer ni finir par un espace.</translation>
    </message>
    <message>
        <source>A preset&apos;s name can have at most 64 characters.</source>
        <translation>Le nom d’un préréglage compte au plus 64 caractères.</translation>
    </message>
    <message>
        <source>A preset&apos;s name must be one line.</source>
        <translation>Le nom d’un préréglage doit tenir sur une ligne.</translation>
    </message>
    <message>
        <source>it holds no material presets</source>
        <translation>il ne contient aucun préréglage de matériau</translation>
    </message>
    <message>
        <source>it was written by a newer Tavro Laser</source>
        <translation>il a été écrit par un Tavro Laser plus récent</translation>
    </message>
    <message>
        <source>There can be at most 200 presets.</source>
        <translation>Il peut y avoir au plus 200 préréglages.</translation>
    </message>
    <message>
        <source>The presets could not be saved in %1: %2.</source>
        <translation>Les préréglages n’ont pas pu être enregistrés dans %1 : %2.</translation>
    </message>
    <message>
        <source>The preset&apos;s burn time or tuning is out of range.</source>
        <translation>Le temps de combustion ou le réglage du préréglage est hors limites.</translation>
    </message>
    <message>
        <source>The presets could not be exported as %1: %2.</source>
        <translation>Les préréglages n’ont pas pu être exportés sous %1 : %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>%1 was not imported: %2.</source>
        <translation>%1 n’a pas été importé : %2.</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Tavro Laser (version %2); it is left as it is.</source>
        <translation>%1 a été écrit par une version plus récente de Tavro Laser (version %2) ; le fichier est laissé tel quel.</translation>
    </message>
</context>
<context>
    <name>tavro::ui::MaterialStrip</name>
    <message>
        <source>No material</source>
        <translation>Aucun matériau</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Matériau :</translation>
    </message>
    <message>
        <source>Save as Preset…</source>
        <translation>Enregistrer comme préréglage…</translation>
    </message>
    <message>
        <source>Dot width:</source>
        <translation>Largeur du point :</translation>
    </message>
    <message>
        <source> dots</source>
        <translation> points</translation>
    </message>
    <message>
        <source>Compensate dot gain</source>
        <translation>Compenser l’engraissement</translation>
    </message>
    <message>
        <source>As it will burn</source>
        <translation>Tel qu’il sera gravé</translation>
    </message>
    <message>
        <source>How wide a burnt dot is on this material, in dots of the board</source>
        <translation>Largeur d’un point brûlé sur ce matériau, en points de l’aperçu</translation>
    </message>
    <message>
        <source>Lighten greys so that dots this wide burn them as dark as the picture asks</source>
        <translation>Éclaircit les gris pour que des points de cette largeur les gravent aussi sombres que l’image le demande</translation>
    </message>
    <message>
        <source>Show every burnt dot as a disc of the dot width in the material&apos;s colours</source>
        <translation>Affiche chaque point brûlé comme un disque de la largeur du point, aux couleurs du matériau</translation>
    </message>
</context>
<context>
    <name>tavro::document::Placement</name>
    <message>
        <source>The picture would be %1 x %2 mm (%3 x %4 dots); it can be at most %5 mm (%6 dots) on a side.</source>
        <translation>L’image ferait %1 x %2 mm (%3 x %4 points) ; un côté peut faire au plus %5 mm (%6 points).</translation>
    </message>
    <message>
        <source>At %1 mm from the left and %2 mm from the top, no part of the picture would be on the board.</source>
        <translation>À %1 mm du bord gauche et %2 mm du haut, aucune partie de l’image ne serait sur l’aperçu.</translation>
    </message>
    <message>
        <source>The picture cannot be %1 mm on a side: it can be at most %2 mm (%3 dots).</source>
        <translation>Un côté de l’image ne peut pas faire %1 mm ; un côté peut faire au plus %2 mm (%3 points).</translation>
    </message>
</context>
<context>
    <name>tavro::ui::PlacementDialog</name>
    <message>
        <source>Size and Position</source>
        <translation>Taille et position</translation>
    </message>
    <message>
        <source>Mirror &amp;left to right</source>
        <translation>Miroir &amp;gauche-droite</translation>
    </message>
    <message>
        <source>Mirror &amp;top to bottom</source>
        <translation>Miroir &amp;haut-bas</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur :</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>H&amp;auteur :</translation>
    </message>
    <message>
        <source>Left &amp;edge:</source>
        <translation>Bord gau&amp;che :</translation>
    </message>
    <message>
        <source>T&amp;op edge:</source>
        <translation>Bord s&amp;upérieur :</translation>
    </message>
    <message>
        <source>Edges are measured from the board&apos;s top-left corner. The board is %1 mm square at %2 dots a millimetre (Machine &gt; Machine Size).</source>
        <translation>Les bords se mesurent depuis le coin supérieur gauche de l’aperçu. L’aperçu est un carré de %1 mm à %2 points par millimètre (Machine &gt; Taille de la machine).</translation>
    </message>
</context>
<context>
    <name>tavro::ui::PresetDialog</name>
    <message>
        <source>brightness %1</source>
        <translation>luminosité %1</translation>
    </message>
    <message>
        <source>contrast %1</source>
        <translation>contraste %1</translation>
    </message>
    <message>
        <source>gamma %1</source>
        <translation>gamma %1</translation>
    </message>
    <message>
        <source>inverted</source>
        <translation>inversé</translation>
    </message>
    <message>
        <source>dots %1 wide, dot gain compensated</source>
        <translation>points de %1 de large, engraissement compensé</translation>
    </message>
    <message>
        <source>dots %1 wide</source>
        <translation>points de %1 de large</translation>
    </message>
    <message>
        <source>Save as Preset</source>
        <translation>Enregistrer comme préréglage</translation>
    </message>
    <message>
        <source>Birch plywood 3 mm</source>
        <translation>Contreplaqué bouleau 3 mm</translation>
    </message>
    <message>
        <source>Material…</source>
        <translation>Matériau…</translation>
    </message>
    <message>
        <source>Burn…</source>
        <translation>Brûlure…</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Burn time:</source>
        <translation>Temps de combustion :</translation>
    </message>
    <message>
        <source>Method and tuning:</source>
        <translation>Méthode et réglage :</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>Couleurs :</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>The preset %1 will be replaced.</source>
        <translation>Le préréglage %1 sera remplacé.</translation>
    </message>
</context>
<context>
    <name>tavro::session::SessionImpl</name>
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
    <message>
        <source>The board holds a picture that was not sent. Put the interrupted job in its place?</source>
        <translation>L&apos;aperçu contient une image qui n&apos;a pas été envoyée. La remplacer par le travail interrompu ?</translation>
    </message>
    <message>
        <source>Interrupted job</source>
        <translation>Travail interrompu</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Rien à annuler</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Rien à rétablir</translation>
    </message>
    <message>
        <source>Only a picture chosen in the effect chooser, not yet zoomed out or rotated, can be placed</source>
        <translation>Seule une image choisie dans le choix d’effet, ni réduite ni tournée depuis, peut être placée</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Not while a job is paused: Start goes on with it, Restart ends it</source>
        <translation>Pas pendant qu&apos;une tâche est en pause : « Démarrer » la reprend, « Redémarrer » l&apos;arrête</translation>
    </message>
</context>
<context>
    <name>tavro::materials::TestCard</name>
    <message>
        <source>Choose 2 to 8 burn times.</source>
        <translation>Choisissez 2 à 8 temps de combustion.</translation>
    </message>
    <message>
        <source>Burn times go from 1 to 100.</source>
        <translation>Les temps de combustion vont de 1 à 100.</translation>
    </message>
    <message>
        <source>Each burn time can be tried once.</source>
        <translation>Chaque temps de combustion ne peut être essayé qu’une fois.</translation>
    </message>
    <message>
        <source>Choose 1 to 8 grey levels.</source>
        <translation>Choisissez 1 à 8 niveaux de gris.</translation>
    </message>
    <message>
        <source>Grey levels go from 0 to 100 %.</source>
        <translation>Les niveaux de gris vont de 0 à 100 %.</translation>
    </message>
    <message>
        <source>Each grey level can be tried once.</source>
        <translation>Chaque niveau de gris ne peut être essayé qu’une fois.</translation>
    </message>
    <message>
        <source>Patches can be 1 to 10 mm wide.</source>
        <translation>Les pavés peuvent mesurer de 1 à 10 mm.</translation>
    </message>
    <message>
        <source>The tuning is out of range.</source>
        <translation>Le réglage est hors limites.</translation>
    </message>
    <message>
        <source>The card would be %1 x %2 mm; the board holds %3 x %3 mm. Choose smaller patches, or fewer burn times or grey levels.</source>
        <translation>La carte ferait %1 x %2 mm ; l’aperçu contient %3 x %3 mm. Choisissez des pavés plus petits, ou moins de temps de combustion ou de niveaux de gris.</translation>
    </message>
</context>
<context>
    <name>tavro::ui::TestCardDialog</name>
    <message>
        <source>Write the burn times as whole numbers separated by commas.</source>
        <translation>Écrivez les temps de combustion en nombres entiers séparés par des virgules.</translation>
    </message>
    <message>
        <source>Write the grey levels as whole numbers separated by commas.</source>
        <translation>Écrivez les niveaux de gris en nombres entiers séparés par des virgules.</translation>
    </message>
    <message>
        <source>A test card is being burnt.</source>
        <translation>Une carte de test est en cours de gravure.</translation>
    </message>
    <message>
        <source>No machine is connected: the card can be seen, not burnt.</source>
        <translation>Aucune machine n’est connectée : la carte peut être vue, pas gravée.</translation>
    </message>
    <message>
        <source>A job is running: stop it before burning the card.</source>
        <translation>Un travail est en cours : arrêtez-le avant de graver la carte.</translation>
    </message>
    <message>
        <source>%1 burn times x %2 grey levels, patches of %3 dots, %4 dots in all; about %5.</source>
        <translation>%1 temps de combustion x %2 niveaux de gris, pavés de %3 points, %4 points en tout ; environ %5.</translation>
    </message>
    <message>
        <source>Tuning: %1, as set in the effect chooser.</source>
        <translation>Réglage : %1, tel que défini dans le choix de l’effet.</translation>
    </message>
    <message>
        <source>The board holds a picture that was never sent. Replace it with the test card?</source>
        <translation>L’aperçu contient une image jamais envoyée. La remplacer par la carte de test ?</translation>
    </message>
    <message>
        <source>Material Test Card</source>
        <translation>Carte de test de matériau</translation>
    </message>
    <message>
        <source>Burns a patch of each grey level at each burn time, one column a burn time, lowest first. The card is shown on the board.</source>
        <translation>Grave un pavé de chaque niveau de gris à chaque temps de combustion, une colonne par temps de combustion, du plus court au plus long. La carte est affichée dans l’aperçu.</translation>
    </message>
    <message>
        <source>Burn times:</source>
        <translation>Temps de combustion :</translation>
    </message>
    <message>
        <source>Spread from, to, how many:</source>
        <translation>Répartis de, à, combien :</translation>
    </message>
    <message>
        <source>Grey levels (% black):</source>
        <translation>Niveaux de gris (% noir) :</translation>
    </message>
    <message>
        <source>Solid patches only</source>
        <translation>Pavés pleins seulement</translation>
    </message>
    <message>
        <source>Patch size:</source>
        <translation>Taille des pavés :</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>Méthode :</translation>
    </message>
    <message>
        <source>Burn labels and the date:</source>
        <translation>Graver les étiquettes et la date :</translation>
    </message>
    <message>
        <source>Burn the Card</source>
        <translation>Graver la carte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>tavro::session::TestCardRun</name>
    <message>
        <source>A test card is being burnt already.</source>
        <translation>Une carte de test est déjà en cours de gravure.</translation>
    </message>
    <message>
        <source>The card has columns 1 to %1.</source>
        <translation>La carte a les colonnes 1 à %1.</translation>
    </message>
    <message>
        <source>Rows go from 0 to 511.</source>
        <translation>Les lignes vont de 0 à 511.</translation>
    </message>
    <message>
        <source>No machine is connected.</source>
        <translation>Aucune machine n’est connectée.</translation>
    </message>
    <message>
        <source>A job is running; stop it first.</source>
        <translation>Un travail est en cours ; arrêtez-le d’abord.</translation>
    </message>
    <message>
        <source>The card&apos;s first column could not be sent.</source>
        <translation>La première colonne de la carte n’a pas pu être envoyée.</translation>
    </message>
</context>
<context>
    <name>tavro::ui::TuningStrip</name>
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
    <message>
        <source>the machine did not ask for the picture within %1 s</source>
        <translation>la machine n&apos;a pas demandé l&apos;image dans les %1 s</translation>
    </message>
    <message>
        <source>The machine did not ask for the picture: it was not sent.</source>
        <translation>La machine n&apos;a pas demandé l&apos;image : elle n&apos;a pas été envoyée.</translation>
    </message>
</context>
<context>
    <name>tavro::machine::DiagnosisText</name>
    <message>
        <source>USB adapter %1</source>
        <translation>Adaptateur USB %1</translation>
    </message>
    <message>
        <source>Not a USB device</source>
        <translation>Pas un périphérique USB</translation>
    </message>
    <message>
        <source>Connected: the program uses this machine.</source>
        <translation>Connecté : le programme utilise cette machine.</translation>
    </message>
    <message>
        <source>An engraver of this kind answers here.</source>
        <translation>Un graveur de ce type répond ici.</translation>
    </message>
    <message>
        <source>You may not open this device.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;ouvrir ce périphérique.</translation>
    </message>
    <message>
        <source>Held by another program.</source>
        <translation>Occupé par un autre programme.</translation>
    </message>
    <message>
        <source>Held by another copy of Tavro Laser: %1.</source>
        <translation>Occupé par une autre instance de Tavro Laser : %1.</translation>
    </message>
    <message>
        <source>Held by %1.</source>
        <translation>Occupé par %1.</translation>
    </message>
    <message>
        <source>No answer. Is the engraver switched on? Is it an engraver of this kind?</source>
        <translation>Pas de réponse. Le graveur est-il allumé ? Est-ce un graveur de ce type ?</translation>
    </message>
    <message>
        <source>It answers as product %1, not as an engraver of this kind.</source>
        <translation>Il répond comme produit %1, pas comme un graveur de ce type.</translation>
    </message>
    <message>
        <source>This USB-serial adapter is plugged in, but has no serial device.</source>
        <translation>Cet adaptateur USB-série est branché, mais n&apos;a pas de périphérique série.</translation>
    </message>
    <message>
        <source>It does not open: %1.</source>
        <translation>Impossible de l&apos;ouvrir : %1.</translation>
    </message>
    <message>
        <source>%1 has probably taken it for a braille display.</source>
        <translation>%1 l&apos;a probablement pris pour un afficheur braille.</translation>
    </message>
    <message>
        <source>No driver has taken it. Unplug it and plug it in again.</source>
        <translation>Aucun pilote ne l&apos;a pris en charge. Débranchez-le et rebranchez-le.</translation>
    </message>
    <message>
        <source>It belongs to %1, group %2, mode %3.</source>
        <translation>Il appartient à %1, groupe %2, mode %3.</translation>
    </message>
    <message>
        <source>You are in the group %1.</source>
        <translation>Vous êtes dans le groupe %1.</translation>
    </message>
    <message>
        <source>You were added to the group %1; that takes effect when you log in again.</source>
        <translation>Vous avez été ajouté au groupe %1 ; cela prend effet à votre prochaine connexion.</translation>
    </message>
    <message>
        <source>You are not in the group %1.</source>
        <translation>Vous n&apos;êtes pas dans le groupe %1.</translation>
    </message>
    <message>
        <source>The access rule of Tavro Laser does not cover this device.</source>
        <translation>La règle d&apos;accès de Tavro Laser ne couvre pas ce périphérique.</translation>
    </message>
    <message>
        <source>The access rule of Tavro Laser is installed; it gives access to whoever sits at this computer, not to remote logins.</source>
        <translation>La règle d&apos;accès de Tavro Laser est installée ; elle donne accès à la personne assise devant cet ordinateur, pas aux connexions à distance.</translation>
    </message>
    <message>
        <source>The access rule of Tavro Laser is not installed.</source>
        <translation>La règle d&apos;accès de Tavro Laser n&apos;est pas installée.</translation>
    </message>
    <message>
        <source>Allow access installs it; you are asked for the administrator password.</source>
        <translation>« Autoriser l&apos;accès » l&apos;installe ; le mot de passe administrateur est demandé.</translation>
    </message>
    <message>
        <source>Joining the group %1 takes effect when you log in again.</source>
        <translation>L&apos;ajout au groupe %1 prend effet à votre prochaine connexion.</translation>
    </message>
    <message>
        <source>Close the program that uses it.</source>
        <translation>Fermez le programme qui l&apos;utilise.</translation>
    </message>
    <message>
        <source>Running now, and known to hold ports like this one: %1.</source>
        <translation>En cours d&apos;exécution, et connu pour occuper des ports comme celui-ci : %1.</translation>
    </message>
    <message>
        <source>ModemManager tries new adapters as modems for a few seconds, then lets go. Check again in a moment.</source>
        <translation>ModemManager essaie les nouveaux adaptateurs comme modems pendant quelques secondes, puis les libère. Vérifiez de nouveau dans un instant.</translation>
    </message>
    <message>
        <source>Close the other Tavro Laser window or tavro-burn.</source>
        <translation>Fermez l&apos;autre fenêtre de Tavro Laser ou tavro-burn.</translation>
    </message>
    <message>
        <source>Close that program, or make it let go of the port.</source>
        <translation>Fermez ce programme ou faites-lui libérer le port.</translation>
    </message>
    <message>
        <source>brltty&apos;s rule for these adapters is switched off already: unplug the adapter and plug it in again.</source>
        <translation>La règle de brltty pour ces adaptateurs est déjà désactivée : débranchez l&apos;adaptateur et rebranchez-le.</translation>
    </message>
    <message>
        <source>brltty serves braille displays and takes USB-serial adapters of this kind for one. If you use no braille display, stop it taking them, then unplug the adapter and plug it in again.</source>
        <translation>brltty sert les afficheurs braille et prend les adaptateurs USB-série de ce type pour l&apos;un d&apos;eux. Si vous n&apos;utilisez pas d&apos;afficheur braille, empêchez-le de les prendre, puis débranchez l&apos;adaptateur et rebranchez-le.</translation>
    </message>
    <message>
        <source>Allow access</source>
        <translation>Autoriser l&apos;accès</translation>
    </message>
    <message>
        <source>Join the group dialout</source>
        <translation>Rejoindre le groupe dialout</translation>
    </message>
    <message>
        <source>Stop brltty taking adapters</source>
        <translation>Empêcher brltty de prendre les adaptateurs</translation>
    </message>
    <message>
        <source>No USB-serial adapter is connected.</source>
        <translation>Aucun adaptateur USB-série n&apos;est branché.</translation>
    </message>
    <message>
        <source>No machine: no USB-serial adapter is connected</source>
        <translation>Pas de machine : aucun adaptateur USB-série branché</translation>
    </message>
    <message>
        <source>No machine: %1 is held by %2</source>
        <translation>Pas de machine : %1 est occupé par %2</translation>
    </message>
    <message>
        <source>No machine: %1 is held by another program</source>
        <translation>Pas de machine : %1 est occupé par un autre programme</translation>
    </message>
    <message>
        <source>No machine: you may not open %1</source>
        <translation>Pas de machine : vous n&apos;avez pas le droit d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>No machine: the USB-serial adapter %1 has no serial device</source>
        <translation>Pas de machine : l&apos;adaptateur USB-série %1 n&apos;a pas de périphérique série</translation>
    </message>
    <message>
        <source>No machine: %1 answers with another product id</source>
        <translation>Pas de machine : %1 répond avec un autre identifiant de produit</translation>
    </message>
    <message>
        <source>No machine: %1 does not open</source>
        <translation>Pas de machine : impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>No machine: %1 does not answer</source>
        <translation>Pas de machine : %1 ne répond pas</translation>
    </message>
    <message>
        <source>Check…</source>
        <translation>Vérifier…</translation>
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
    <name>tavro::shell::BoardEditing</name>
    <message>
        <source>Board</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>%1, %2 mm</source>
        <translation>%1 ; %2 mm</translation>
    </message>
    <message>
        <source>picture %1 x %2 mm</source>
        <translation>image %1 x %2 mm</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>Size and Position</source>
        <translation>Taille et position</translation>
    </message>
</context>
<context>
    <name>tavro::shell::ConnectionCheckWindow</name>
    <message>
        <source>Checking…</source>
        <translation>Vérification…</translation>
    </message>
    <message>
        <source>Check Connection</source>
        <translation>Vérifier la connexion</translation>
    </message>
    <message>
        <source>The serial devices the program tries when it searches for the machine, and what stands in the way of each.</source>
        <translation>Les périphériques série que le programme essaie lorsqu&apos;il cherche la machine, et ce qui fait obstacle à chacun.</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Vérifier de nouveau</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>A machine answers.</source>
        <translation>Une machine répond.</translation>
    </message>
    <message>
        <source>Plug the engraver&apos;s USB cable in; this window follows.</source>
        <translation>Branchez le câble USB du graveur ; cette fenêtre suit.</translation>
    </message>
    <message>
        <source>The check runs again when a device is plugged in or pulled out.</source>
        <translation>La vérification recommence quand un périphérique est branché ou débranché.</translation>
    </message>
    <message>
        <source>Waiting for tavro-serial-access; it may ask for the administrator password…</source>
        <translation>En attente de tavro-serial-access ; il peut demander le mot de passe administrateur…</translation>
    </message>
    <message>
        <source>tavro-serial-access is done.</source>
        <translation>tavro-serial-access a terminé.</translation>
    </message>
    <message>
        <source>The administrator password was not given; nothing was changed.</source>
        <translation>Le mot de passe administrateur n&apos;a pas été donné ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>tavro-serial-access could not be started: %1</source>
        <translation>tavro-serial-access n&apos;a pas pu être lancé : %1</translation>
    </message>
    <message>
        <source>tavro-serial-access failed (exit status %1): %2</source>
        <translation>tavro-serial-access a échoué (code de sortie %1) : %2</translation>
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
    <message>
        <source>The test card is done</source>
        <translation>La carte de test est terminée</translation>
    </message>
    <message>
        <source>Machine &gt; Choose the Best Patch… makes a preset of it.</source>
        <translation>Machine &gt; Choisir le meilleur pavé… en fait un préréglage.</translation>
    </message>
    <message>
        <source>Test card paused: column %1 of %2, burn time %3</source>
        <translation>Carte de test en pause : colonne %1 sur %2, temps de combustion %3</translation>
    </message>
    <message>
        <source>Test card: column %1 of %2, burn time %3</source>
        <translation>Carte de test : colonne %1 sur %2, temps de combustion %3</translation>
    </message>
    <message>
        <source>Test card done</source>
        <translation>Carte de test terminée</translation>
    </message>
    <message>
        <source>Interrupted test card: column %1 of %2, %3 % of it burnt</source>
        <translation>Carte de test interrompue : colonne %1 sur %2, gravée à %3 %</translation>
    </message>
    <message>
        <source>Resume from column %1, row %2</source>
        <translation>Reprendre à la colonne %1, ligne %2</translation>
    </message>
    <message>
        <source>Not sent: the machine did not ask for the picture</source>
        <translation>Non envoyée : la machine n&apos;a pas demandé l&apos;image</translation>
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
        <translation>Affic&amp;hage</translation>
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
    <message>
        <source>C&amp;heck Connection…</source>
        <translation>&amp;Vérifier la connexion…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Mirror &amp;Left to Right</source>
        <translation>Miroir &amp;gauche-droite</translation>
    </message>
    <message>
        <source>Mirror &amp;Top to Bottom</source>
        <translation>Miroir &amp;haut-bas</translation>
    </message>
    <message>
        <source>&amp;Size and Position…</source>
        <translation>&amp;Taille et position…</translation>
    </message>
    <message>
        <source>Machine Si&amp;ze…</source>
        <translation>Taille de la machi&amp;ne…</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Agrandir la vue</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Réduire la vue</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>Add &amp;Code…</source>
        <translation>Ajouter un &amp;code…</translation>
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
    <message>
        <source>%1 cannot be opened as a picture: %2.</source>
        <translation>%1 ne peut pas être ouvert comme image : %2.</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Ouvrir une image</translation>
    </message>
</context>
<context>
    <name>tavro::shell::MaterialMenu</name>
    <message>
        <source>No material</source>
        <translation>Aucun matériau</translation>
    </message>
    <message>
        <source>Export Presets</source>
        <translation>Exporter les préréglages</translation>
    </message>
    <message>
        <source>Import Presets</source>
        <translation>Importer des préréglages</translation>
    </message>
    <message>
        <source>Presets imported from %1: %2.</source>
        <translation>Préréglages importés de %1 : %2.</translation>
    </message>
    <message>
        <source>Remove the preset %1?</source>
        <translation>Supprimer le préréglage %1 ?</translation>
    </message>
    <message>
        <source>Remove Preset</source>
        <translation>Supprimer le préréglage</translation>
    </message>
    <message>
        <source>&amp;Material Test Card…</source>
        <translation>Carte de &amp;test de matériau…</translation>
    </message>
    <message>
        <source>Choos&amp;e the Best Patch…</source>
        <translation>C&amp;hoisir le meilleur pavé…</translation>
    </message>
    <message>
        <source>M&amp;aterial</source>
        <translation>M&amp;atériau</translation>
    </message>
    <message>
        <source>&amp;Save as Preset…</source>
        <translation>&amp;Enregistrer comme préréglage…</translation>
    </message>
    <message>
        <source>&amp;Remove Chosen Preset…</source>
        <translation>&amp;Supprimer le préréglage choisi…</translation>
    </message>
    <message>
        <source>&amp;Export Presets…</source>
        <translation>E&amp;xporter les préréglages…</translation>
    </message>
    <message>
        <source>&amp;Import Presets…</source>
        <translation>&amp;Importer des préréglages…</translation>
    </message>
    <message>
        <source>As It Will &amp;Burn</source>
        <translation>Tel qu’il sera &amp;gravé</translation>
    </message>
</context>
<context>
    <name>tavro::shell::SerialAccessRunner</name>
    <message>
        <source>tavro-serial-access is running already.</source>
        <translation>tavro-serial-access est déjà en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>tavro-serial-access is not installed at %1.</source>
        <translation>tavro-serial-access n&apos;est pas installé dans %1.</translation>
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
    <message>
        <source>Export Presets</source>
        <translation>Exporter les préréglages</translation>
    </message>
    <message>
        <source>Material presets (*.ini)</source>
        <translation>Préréglages de matériau (*.ini)</translation>
    </message>
    <message>
        <source>Import Presets</source>
        <translation>Importer des préréglages</translation>
    </message>
</context>
<context>
    <name>tavro::shell::UserGuideWindow</name>
    <message>
        <source>Tavro Laser User Guide</source>
        <translation>Guide de l’utilisateur de Tavro Laser</translation>
    </message>
</context>
<context>
    <name>tavro::run::RunDriver</name>
    <message>
        <source>The machine finished the interrupted job on its own.</source>
        <translation>La machine a terminé seule la tâche interrompue.</translation>
    </message>
</context>
<context>
    <name>tavro::codes::CodeSymbol</name>
    <message>
        <source>An EAN-13 code takes 12 digits, or 13 with the check digit.</source>
        <translation>Un code EAN-13 compte 12 chiffres, ou 13 avec le chiffre de contrôle.</translation>
    </message>
    <message>
        <source>The last digit of an EAN-13 code is its check digit: for %1 it is %2, not %3.</source>
        <translation>Le dernier chiffre d’un code EAN-13 est son chiffre de contrôle : pour %1, c’est %2, et non %3.</translation>
    </message>
    <message>
        <source>Code 128 holds only Western European letters, digits and signs, not &quot;%1&quot;.</source>
        <translation>Le Code 128 ne contient que des lettres, chiffres et signes d’Europe de l’Ouest, pas « %1 ».</translation>
    </message>
    <message>
        <source>There is no text to make a code of.</source>
        <translation>Il n’y a pas de texte dont faire un code.</translation>
    </message>
    <message>
        <source>The text is too long for a QR code at error correction %1; a lower level or a shorter text fits.</source>
        <translation>Le texte est trop long pour un code QR avec la correction d’erreurs %1 ; un niveau plus bas ou un texte plus court tient.</translation>
    </message>
    <message>
        <source>The text is too long for a %1 code.</source>
        <translation>Le texte est trop long pour un code %1.</translation>
    </message>
    <message>
        <source>The text cannot be made into a %1 code.</source>
        <translation>Le texte ne peut pas devenir un code %1.</translation>
    </message>
</context>
<context>
    <name>tavro::codes::CodeFit</name>
    <message>
        <source>At %1 dots a module the code would be %2 x %3 dots with its quiet zone; the board is %4 dots a side.</source>
        <translation>À %1 points par module, le code ferait %2 x %3 points avec sa zone de silence ; l’aperçu fait %4 points de côté.</translation>
    </message>
    <message>
        <source>The code cannot be %1 mm wide: with its quiet zone it takes at least %2 mm (%3 dots).</source>
        <translation>Le code ne peut pas faire %1 mm de large : avec sa zone de silence, il lui faut au moins %2 mm (%3 points).</translation>
    </message>
</context>
<context>
    <name>tavro::pictures::SvgCheck</name>
    <message>
        <source>it uses a style sheet from outside the picture</source>
        <translation>il utilise une feuille de style extérieure à l’image</translation>
    </message>
    <message>
        <source>it refers to %1, outside the picture</source>
        <translation>il fait référence à %1, hors de l’image</translation>
    </message>
    <message>
        <source>it embeds a picture that is too large or cannot be read</source>
        <translation>il contient une image trop grande ou illisible</translation>
    </message>
    <message>
        <source>it declares a width, height or viewBox that is empty, negative or absurd</source>
        <translation>il déclare une largeur, une hauteur ou une viewBox vide, négative ou absurde</translation>
    </message>
    <message>
        <source>it declares a size larger than %1 mm</source>
        <translation>il déclare une taille supérieure à %1 mm</translation>
    </message>
    <message>
        <source>it has more than %1 elements</source>
        <translation>il contient plus de %1 éléments</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>ses éléments sont imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>it is not an SVG picture</source>
        <translation>ce n’est pas une image SVG</translation>
    </message>
    <message>
        <source>it declares entities, which could make it grow without end</source>
        <translation>il déclare des entités, qui pourraient le faire grossir sans fin</translation>
    </message>
    <message>
        <source>a &lt;use&gt; element refers to itself</source>
        <translation>un élément &lt;use&gt; fait référence à lui-même</translation>
    </message>
    <message>
        <source>the SVG is damaged (line %1: %2)</source>
        <translation>le SVG est endommagé (ligne %1 : %2)</translation>
    </message>
    <message>
        <source>no elements</source>
        <translation>aucun élément</translation>
    </message>
    <message>
        <source>its &lt;use&gt; elements would draw more than %1 elements</source>
        <translation>ses éléments &lt;use&gt; dessineraient plus de %1 éléments</translation>
    </message>
</context>
<context>
    <name>tavro::pictures::VectorPicture</name>
    <message>
        <source>it cannot be drawn</source>
        <translation>il ne peut pas être dessiné</translation>
    </message>
    <message>
        <source>it has no size</source>
        <translation>il n’a pas de taille</translation>
    </message>
</context>
<context>
    <name>tavro::ui::AddCodeDialog</name>
    <message>
        <source>Add Code</source>
        <translation>Ajouter un code</translation>
    </message>
    <message>
        <source>QR code</source>
        <translation>Code QR</translation>
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
        <translation>&amp;Texte :</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>&amp;Error correction:</source>
        <translation>&amp;Correction d’erreurs :</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur :</translation>
    </message>
    <message>
        <source>Type the text the code holds.</source>
        <translation>Tapez le texte que le code contient.</translation>
    </message>
    <message>
        <source>%1 x %2 mm with its quiet zone; a module is %3 mm (dots a module: %4).</source>
        <translation>%1 x %2 mm avec sa zone de silence ; un module mesure %3 mm (points par module : %4).</translation>
    </message>
    <message>
        <source>Modules smaller than 3 dots burn unreadably on wood: make the code larger.</source>
        <translation>Des modules de moins de 3 points brûlent illisibles sur le bois : agrandissez le code.</translation>
    </message>
</context>
</TS>
