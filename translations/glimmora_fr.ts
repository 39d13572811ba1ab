<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Glimmora, a puzzle game: clear a field of 3D pieces in groups of like colour.

The game keeps its settings and scores in the folder it is started in; the
launcher, glimmora, starts it in the player&apos;s own folder.

The texts follow the desktop&apos;s language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR sets the size of the windows.</source>
        <translation>Glimmora, un jeu de réflexion : videz un plateau de pièces en 3D par groupes de même couleur.

Le jeu garde ses réglages et ses meilleurs scores dans le dossier où il est lancé ;
le lanceur glimmora le lance dans le dossier propre au joueur.

Les textes suivent la langue du bureau (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) ;
QT_SCALE_FACTOR règle la taille des fenêtres.</translation>
    </message>
    <message>
        <source>Starts on the deal NUMBER, such as 20x12-43200250.</source>
        <translation>Commence par la donne NUMÉRO, par exemple 20x12-43200250.</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <translation>NUMÉRO</translation>
    </message>
    <message>
        <source>Starts on today&apos;s deal, the same for every player.</source>
        <translation>Commence par la donne du jour, la même pour tous les joueurs.</translation>
    </message>
    <message>
        <source>--deal needs a deal number, such as 20x12-43200250</source>
        <translation>--deal attend un numéro de donne, par exemple 20x12-43200250</translation>
    </message>
    <message>
        <source>%1: the field sizes are 20x12, 18x10 and 16x8</source>
        <translation>%1 : les tailles de plateau sont 20x12, 18x10 et 16x8</translation>
    </message>
    <message>
        <source>%1: a deal&apos;s number goes up to 86399999</source>
        <translation>%1 : le numéro d’une donne va jusqu’à 86399999</translation>
    </message>
    <message>
        <source>%1 is no deal number; they read like 20x12-43200250</source>
        <translation>%1 n’est pas un numéro de donne ; ils s’écrivent comme 20x12-43200250</translation>
    </message>
    <message>
        <source>unknown argument: %1</source>
        <translation>argument inconnu : %1</translation>
    </message>
</context>
<context>
    <name>DataPath</name>
    <message>
        <source>The folder the game was started in cannot be used: %1.</source>
        <translation>Le dossier dans lequel le jeu a été lancé est inutilisable : %1.</translation>
    </message>
    <message>
        <source>its name is unknown</source>
        <translation>son nom est inconnu</translation>
    </message>
    <message>
        <source>it no longer exists</source>
        <translation>il n’existe plus</translation>
    </message>
</context>
<context>
    <name>GameAudio</name>
    <message>
        <source>Can&apos;t initialize digital sound system</source>
        <translation>Impossible d’initialiser le système audio numérique</translation>
    </message>
    <message>
        <source>SDL_mixer version 2 was not loaded</source>
        <translation>SDL_mixer version 2 n’a pas été chargé</translation>
    </message>
    <message>
        <source>Can&apos;t initialize CD system</source>
        <translation>Impossible d’initialiser le système CD</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Impossible d’ouvrir le fichier « %1 ». Ce n’est pas un fichier</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d’ouvrir le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot read picture &quot;%1&quot;: %2</source>
        <translation>Impossible de lire l’image « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>takes no arguments</source>
        <translation>n’accepte aucun argument</translation>
    </message>
    <message>
        <source>cannot tell where the launcher is</source>
        <translation>impossible de savoir où se trouve le lanceur</translation>
    </message>
    <message>
        <source>the game is missing: %1</source>
        <translation>le jeu est introuvable : %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is missing: %1</source>
        <translation>les données du jeu sont introuvables : %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is incomplete: %1 has no Pics or defaults folder</source>
        <translation>les données du jeu sont incomplètes : %1 n’a pas de dossier Pics ou defaults</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder for the game</source>
        <translation>HOME n’est pas défini, il n’y a donc pas de dossier pour le jeu</translation>
    </message>
    <message>
        <source>HOME is not an absolute path: %1</source>
        <translation>HOME n’est pas un chemin absolu : %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>cannot enter the folder %1</source>
        <translation>impossible d’entrer dans le dossier %1</translation>
    </message>
    <message>
        <source>cannot write to the folder %1</source>
        <translation>impossible d’écrire dans le dossier %1</translation>
    </message>
    <message>
        <source>cannot remove the broken link %1</source>
        <translation>impossible de supprimer le lien cassé %1</translation>
    </message>
    <message>
        <source>cannot make a link in %1: %2</source>
        <translation>impossible de créer un lien dans %1 : %2</translation>
    </message>
    <message>
        <source>cannot link %1: %2</source>
        <translation>impossible de lier %1 : %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>impossible de copier %1 dans %2 : %3</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2</source>
        <translation>impossible de copier %1 dans %2</translation>
    </message>
</context>
<context>
    <name>LitGroupText</name>
    <message>
        <source>piece</source>
        <translation>pièce</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, single piece, %2</source>
        <translation>%1, pièce isolée, %2</translation>
    </message>
    <message>
        <source>%1, group of %2, %3</source>
        <translation>%1, groupe de %2, %3</translation>
    </message>
</context>
<context>
    <name>MidiSequencer</name>
    <message>
        <source>No message available</source>
        <translation>Aucun message disponible</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Not a valid MIDI file: %1</source>
        <translation>Fichier MIDI non valide : %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1: %2</source>
        <translation>Impossible d’ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>MIDI file too large: %1</source>
        <translation>Fichier MIDI trop volumineux : %1</translation>
    </message>
</context>
<context>
    <name>MidiSynth</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the soundfont %1</source>
        <translation>Impossible de charger la banque de sons %1</translation>
    </message>
</context>
<context>
    <name>ScaleFactorFloor</name>
    <message>
        <source>The scale factor %1 is too small for the game&apos;s windows: they are drawn at 1.</source>
        <translation>Le facteur d’échelle %1 est trop petit pour les fenêtres du jeu : elles sont affichées à 1.</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;</source>
        <translation>Impossible d’écrire le fichier « %1 »</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;</source>
        <translation>Impossible de créer le fichier « %1 »</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Impossible d’écrire le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n’est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d’ouvrir le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Impossible d’ouvrir le fichier « %1 ». Ce n’est pas un fichier</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Impossible de lire le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>The score table &quot;%1&quot; is busy: another copy of the game is saving to it. Try Save again in a moment.</source>
        <translation>Le tableau des meilleurs scores « %1 » est occupé : une autre copie du jeu y enregistre. Réessayez Enregistrer dans un instant.</translation>
    </message>
</context>
<context>
    <name>TFormDeal</name>
    <message>
        <source>Deal number</source>
        <translation>Numéro de donne</translation>
    </message>
    <message>
        <source>Deal number:</source>
        <translation>Numéro de donne :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Type a deal number, such as 20x12-43200250.</source>
        <translation>Saisissez un numéro de donne, par exemple 20x12-43200250.</translation>
    </message>
    <message>
        <source>This is not a deal number. Write it as 20x12-43200250, or the number after the dash alone.</source>
        <translation>Ce n’est pas un numéro de donne. Écrivez-le sous la forme 20x12-43200250, ou seulement le nombre après le tiret.</translation>
    </message>
    <message>
        <source>The game has no field of that size. The sizes are %1.</source>
        <translation>Le jeu n’a pas de plateau de cette taille. Les tailles sont %1.</translation>
    </message>
    <message>
        <source>The number after the dash is too large: it goes up to %L1.</source>
        <translation>Le nombre après le tiret est trop grand : il va jusqu’à %L1.</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Glimmora! Game</source>
        <translation>Glimmora ! Jeu</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source> Exit</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Indice (H)</translation>
    </message>
    <message>
        <source>Game field</source>
        <translation>Plateau de jeu</translation>
    </message>
    <message>
        <source>Can&apos;t initialize OpenGL: this display offers no OpenGL context for the game&apos;s field</source>
        <translation>Impossible d’initialiser OpenGL : cet affichage n’offre aucun contexte OpenGL pour le plateau du jeu</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Donne %1</translation>
    </message>
    <message>
        <source>SCORE:  %1</source>
        <extracomment>The HUD&apos;s score; the spaces line the number up under POINTS.</extracomment>
        <translation>SCORE :  %1</translation>
    </message>
    <message>
        <source>POINTS: %1</source>
        <extracomment>The HUD&apos;s points of the lit group.</extracomment>
        <translation>POINTS : %1</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Indice : %1</translation>
    </message>
</context>
<context>
    <name>TFormOpt</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Player Name:</source>
        <translation>Joueur :</translation>
    </message>
    <message>
        <source>Rotate Objects</source>
        <translation>Faire tourner les pièces</translation>
    </message>
    <message>
        <source>Game Scheme:</source>
        <translation>Thème :</translation>
    </message>
    <message>
        <source>Scheme1</source>
        <translation>Thème 1</translation>
    </message>
    <message>
        <source>Scheme2</source>
        <translation>Thème 2</translation>
    </message>
    <message>
        <source>Scheme3</source>
        <translation>Thème 3</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Sound ON/OFF</source>
        <translation>Son activé/désactivé</translation>
    </message>
    <message>
        <source>Music ON/OFF</source>
        <translation>Musique activée/désactivée</translation>
    </message>
    <message>
        <source>Place worker to desired position</source>
        <translation>Placer l’ouvrier à l’endroit voulu</translation>
    </message>
    <message>
        <source>20 x 12 Game Field</source>
        <translation>Plateau 20 x 12</translation>
    </message>
    <message>
        <source>Choose wall primitive</source>
        <translation>Choisir la primitive de mur</translation>
    </message>
    <message>
        <source>18 x 10 Game Field</source>
        <translation>Plateau 18 x 10</translation>
    </message>
    <message>
        <source>Choose Box primitive</source>
        <translation>Choisir la primitive de caisse</translation>
    </message>
    <message>
        <source>16 x 08 Game Field</source>
        <translation>Plateau 16 x 08</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>Sound volume down</source>
        <translation>Baisser le volume du son</translation>
    </message>
    <message>
        <source>Sound volume up</source>
        <translation>Monter le volume du son</translation>
    </message>
    <message>
        <source>Sound volume</source>
        <translation>Volume du son</translation>
    </message>
    <message>
        <source>Music volume down</source>
        <translation>Baisser le volume de la musique</translation>
    </message>
    <message>
        <source>Music volume up</source>
        <translation>Monter le volume de la musique</translation>
    </message>
    <message>
        <source>Music volume</source>
        <translation>Volume de la musique</translation>
    </message>
    <message>
        <source>Game Scheme</source>
        <translation>Thème</translation>
    </message>
</context>
<context>
    <name>TFormScore</name>
    <message>
        <source>HighScores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source> Save</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source> Close</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Plays the best line found on the field; a click or a key ends it</source>
        <translation>Joue la meilleure suite trouvée sur le plateau ; un clic ou une touche l’arrête</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Donne %1</translation>
    </message>
    <message>
        <source>Deal %1, with a hint</source>
        <translation>Donne %1, avec indice</translation>
    </message>
    <message>
        <source>Not entered: a hint was used</source>
        <translation>Non inscrit : indice utilisé</translation>
    </message>
    <message>
        <source>The search for the best line is off</source>
        <translation>La recherche de la meilleure suite est désactivée</translation>
    </message>
    <message>
        <source>Searching for the best line...</source>
        <translation>Recherche de la meilleure suite...</translation>
    </message>
    <message numerus="yes">
        <source>Best line found for this deal: %n points</source>
        <translation>
            <numerusform>Meilleure suite trouvée : %n point</numerusform>
            <numerusform>Meilleure suite trouvée : %n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best line so far: %n points...</source>
        <translation>
            <numerusform>Meilleure suite provisoire : %n point...</numerusform>
            <numerusform>Meilleure suite provisoire : %n points...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>The settings file %1 is larger than %2 KB and was not read; the default settings are used.</source>
        <translation>Le fichier de réglages %1 dépasse %2 Ko et n’a pas été lu ; les réglages par défaut sont utilisés.</translation>
    </message>
    <message>
        <source>Unable to write %1 to %2: the value holds a line break</source>
        <translation>Impossible d’écrire %1 dans %2 : la valeur contient un saut de ligne</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
</context>
</TS>
