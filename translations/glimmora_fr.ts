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
    <name>ScaleFactorFloor</name>
    <message>
        <source>The scale factor %1 is too small for the game&apos;s windows: they are drawn at 1.</source>
        <translation>Le facteur d’échelle %1 est trop petit pour les fenêtres du jeu : elles sont affichées à 1.</translation>
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
