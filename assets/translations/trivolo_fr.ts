<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CardNames</name>
    <message>
        <source>one %1 %2 square</source>
        <translation>un carré %1 %2</translation>
    </message>
    <message>
        <source>one %1 %2 circle</source>
        <translation>un cercle %1 %2</translation>
    </message>
    <message>
        <source>one %1 %2 triangle</source>
        <translation>un triangle %1 %2</translation>
    </message>
    <message>
        <source>two %1 %2 squares</source>
        <translation>deux carrés %1 %2</translation>
    </message>
    <message>
        <source>two %1 %2 circles</source>
        <translation>deux cercles %1 %2</translation>
    </message>
    <message>
        <source>two %1 %2 triangles</source>
        <translation>deux triangles %1 %2</translation>
    </message>
    <message>
        <source>three %1 %2 squares</source>
        <translation>trois carrés %1 %2</translation>
    </message>
    <message>
        <source>three %1 %2 circles</source>
        <translation>trois cercles %1 %2</translation>
    </message>
    <message>
        <source>three %1 %2 triangles</source>
        <translation>trois triangles %1 %2</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one square</comment>
        <translation>bleu</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one circle</comment>
        <translation>bleu</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one triangle</comment>
        <translation>bleu</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two squares</comment>
        <translation>bleus</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two circles</comment>
        <translation>bleus</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two triangles</comment>
        <translation>bleus</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three squares</comment>
        <translation>bleus</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three circles</comment>
        <translation>bleus</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three triangles</comment>
        <translation>bleus</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one square</comment>
        <translation>vert</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one circle</comment>
        <translation>vert</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one triangle</comment>
        <translation>vert</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two squares</comment>
        <translation>verts</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two circles</comment>
        <translation>verts</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two triangles</comment>
        <translation>verts</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three squares</comment>
        <translation>verts</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three circles</comment>
        <translation>verts</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three triangles</comment>
        <translation>verts</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one square</comment>
        <translation>rouge</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one circle</comment>
        <translation>rouge</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one triangle</comment>
        <translation>rouge</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two squares</comment>
        <translation>rouges</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two circles</comment>
        <translation>rouges</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two triangles</comment>
        <translation>rouges</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three squares</comment>
        <translation>rouges</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three circles</comment>
        <translation>rouges</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three triangles</comment>
        <translation>rouges</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one square</comment>
        <translation>noir</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one circle</comment>
        <translation>noir</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one triangle</comment>
        <translation>noir</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two squares</comment>
        <translation>noirs</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two circles</comment>
        <translation>noirs</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two triangles</comment>
        <translation>noirs</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three squares</comment>
        <translation>noirs</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three circles</comment>
        <translation>noirs</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three triangles</comment>
        <translation>noirs</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one square</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one circle</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one triangle</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two squares</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two circles</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two triangles</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three squares</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three circles</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three triangles</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one square</comment>
        <translation>vide</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one circle</comment>
        <translation>vide</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one triangle</comment>
        <translation>vide</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two squares</comment>
        <translation>vides</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two circles</comment>
        <translation>vides</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two triangles</comment>
        <translation>vides</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three squares</comment>
        <translation>vides</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three circles</comment>
        <translation>vides</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three triangles</comment>
        <translation>vides</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one square</comment>
        <translation>plein</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one circle</comment>
        <translation>plein</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one triangle</comment>
        <translation>plein</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two squares</comment>
        <translation>pleins</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two circles</comment>
        <translation>pleins</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two triangles</comment>
        <translation>pleins</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three squares</comment>
        <translation>pleins</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three circles</comment>
        <translation>pleins</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three triangles</comment>
        <translation>pleins</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one square</comment>
        <translation>hachuré</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one circle</comment>
        <translation>hachuré</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one triangle</comment>
        <translation>hachuré</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two squares</comment>
        <translation>hachurés</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two circles</comment>
        <translation>hachurés</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two triangles</comment>
        <translation>hachurés</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three squares</comment>
        <translation>hachurés</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three circles</comment>
        <translation>hachurés</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three triangles</comment>
        <translation>hachurés</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>no card</comment>
        <translation>vide</translation>
    </message>
</context>
<context>
    <name>ErrorTexts</name>
    <message>
        <source>There is no audio device to play music on.</source>
        <translation>Il n&apos;y a aucun périphérique audio pour jouer la musique.</translation>
    </message>
    <message>
        <source>Music needs a General-MIDI soundfont, and none is installed (Debian&apos;s package timgm6mb-soundfont has one).</source>
        <translation>La musique a besoin d&apos;une banque de sons General MIDI, et aucune n&apos;est installée (le paquet Debian timgm6mb-soundfont en contient une).</translation>
    </message>
    <message>
        <source>The soundfont &quot;%1&quot; cannot be loaded.</source>
        <translation>Impossible de charger la banque de sons « %1 ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable file.</source>
        <translation>« %1 » n&apos;est pas un fichier lisible.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a MIDI file.</source>
        <translation>« %1 » est trop volumineux pour un fichier MIDI.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MIDI file.</source>
        <translation>« %1 » n&apos;est pas un fichier MIDI.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a damaged or truncated MIDI file.</source>
        <translation>« %1 » est un fichier MIDI endommagé ou incomplet.</translation>
    </message>
    <message>
        <source>The sound library libtrivolo_audio.so is missing.</source>
        <translation>La bibliothèque sonore libtrivolo_audio.so est absente.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, because %2. The game starts with its defaults.</source>
        <translation>Impossible de lire le fichier de réglages « %1 », car %2. Le jeu démarre avec ses réglages par défaut.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written, because %2. It keeps what it held before; not saved: %3.</source>
        <translation>Impossible d&apos;écrire le fichier de réglages « %1 », car %2. Il garde son contenu précédent ; non enregistré : %3.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; holds no topic %2.</source>
        <translation>Le fichier d&apos;aide « %1 » ne contient pas de rubrique %2.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; is missing.</source>
        <translation>Le fichier d&apos;aide « %1 » est absent.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s&apos;est produite.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il est illisible</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is too large to be a settings file</source>
        <translation>il est trop volumineux pour un fichier de réglages</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>son système de fichiers est en lecture seule</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>another program holds its lock &quot;%1&quot; (or it cannot be read)</source>
        <translation>un autre programme détient son verrou « %1 » (ou celui-ci est illisible)</translation>
    </message>
    <message>
        <source>its folder cannot be written to</source>
        <translation>son dossier n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>its lock &quot;%1&quot; cannot be made</source>
        <translation>son verrou « %1 » ne peut pas être créé</translation>
    </message>
</context>
<context>
    <name>MainTexts</name>
    <message>
        <source>No more SET possible.<byte value="xd"/>You are at the end.</source>
        <translation>Plus aucun SET possible.<byte value="xd"/>La partie est terminée.</translation>
    </message>
    <message>
        <source>No SET in the deck. Shall I mix up the deck?</source>
        <translation>Aucun SET sur la table. Je mélange ?</translation>
    </message>
    <message>
        <source>I want to mix up the remaining cards.</source>
        <translation>Je veux mélanger les cartes restantes.</translation>
    </message>
    <message>
        <source>I start again.</source>
        <translation>Je recommence.</translation>
    </message>
    <message>
        <source>I need a break.</source>
        <translation>J&apos;ai besoin d&apos;une pause.</translation>
    </message>
    <message>
        <source>Who are the best?</source>
        <translation>Qui sont les meilleurs ?</translation>
    </message>
    <message>
        <source>Please show me a SET.</source>
        <translation>Montre-moi un SET, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source> I want to change the options.</source>
        <translation>Je veux changer les réglages.</translation>
    </message>
    <message>
        <source>Who did these MOLLBERG GAME?</source>
        <translation>Qui a bien pu inventer ce jeu ?</translation>
    </message>
    <message>
        <source>What&apos;s to do here?</source>
        <translation>Que faut-il faire ici ?</translation>
    </message>
    <message>
        <source>I have enough!</source>
        <translation>J&apos;en ai assez !</translation>
    </message>
    <message>
        <source>Ctrl+</source>
        <comment>the control key, as the keyboard names it</comment>
        <translation>Ctrl+</translation>
    </message>
    <message>
        <source>Key: </source>
        <translation>Touche : </translation>
    </message>
    <message>
        <source>Practice over: all cards taken in %1.</source>
        <translation>Entraînement terminé : toutes les cartes prises en %1.</translation>
    </message>
    <message numerus="yes">
        <source>Practice over: no SET left, %n cards still in play.<byte value="xd"/>Time: %1.</source>
        <translation>
            <numerusform>Entraînement terminé : plus de SET, %n carte encore en jeu.<byte value="xd"/>Temps : %1.</numerusform>
            <numerusform>Entraînement terminé : plus de SET, %n cartes encore en jeu.<byte value="xd"/>Temps : %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>I want to practise: no points, free hints.</source>
        <translation>Je veux m’entraîner : sans points, indices gratuits.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <comment>a deal code follows</comment>
        <translation>Donne %1</translation>
    </message>
    <message>
        <source>I want to play a deal again.</source>
        <translation>Je veux rejouer une donne.</translation>
    </message>
</context>
<context>
    <name>TBoardAccessible</name>
    <message>
        <source>Table</source>
        <comment>the board, for screen readers</comment>
        <translation>Table de jeu</translation>
    </message>
</context>
<context>
    <name>TBoardReader</name>
    <message>
        <source>hidden</source>
        <comment>a card while the game is paused</comment>
        <translation>cachée</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Points : %1</translation>
    </message>
    <message>
        <source>game running</source>
        <translation>partie en cours</translation>
    </message>
    <message>
        <source>game paused</source>
        <translation>partie en pause</translation>
    </message>
    <message>
        <source>game over</source>
        <translation>partie terminée</translation>
    </message>
</context>
<context>
    <name>TDealCodeDlg</name>
    <message>
        <source>Play a deal by its code</source>
        <translation>Jouer une donne par son code</translation>
    </message>
    <message>
        <source>The deal&apos;s code:</source>
        <translation>Le code de la donne :</translation>
    </message>
    <message>
        <source>Deal it</source>
        <translation>Distribuer</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Retour au jeu</translation>
    </message>
    <message>
        <source>That is no deal code. A code has 14 letters and digits, like %1.</source>
        <translation>Ce n’est pas un code de donne. Un code a 14 lettres et chiffres, comme %1.</translation>
    </message>
</context>
<context>
    <name>THighscoreDlg</name>
    <message>
        <source>Trivolo - Highscore</source>
        <translation>Trivolo - Meilleurs scores</translation>
    </message>
    <message>
        <source>remove all entries</source>
        <translation>effacer toute la liste</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>put in list</source>
        <translation>inscrire dans la liste</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Fermer la liste</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ton nom</translation>
    </message>
</context>
<context>
    <name>TInfoDlg</name>
    <message>
        <source>Trivolo
Version %1

ein Spiel von Mollberg
a game by Mollberg

Idee, Programm, Grafik und Musik:
Mollberg Spiele

Viel Spaß beim Suchen!
Have fun finding SETs!</source>
        <translation>Trivolo
Version %1

un jeu de Mollberg

Idée, programmation, graphisme et musique :
Mollberg Spiele

Bonne chasse aux SET !</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Retour au jeu</translation>
    </message>
    <message>
        <source>Statistics (T)</source>
        <translation>Statistiques (T)</translation>
    </message>
</context>
<context>
    <name>TOptionDlg</name>
    <message>
        <source>Back to game</source>
        <translation>Retour au jeu</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Réglages :</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Changer de langue</translation>
    </message>
    <message>
        <source>I speak English.</source>
        <translation>Je parle français.</translation>
    </message>
    <message>
        <source>Sound on or off</source>
        <translation>Activer ou couper les bruitages</translation>
    </message>
    <message>
        <source>Sound is on.</source>
        <translation>Bruitages activés.</translation>
    </message>
    <message>
        <source>Sound is off.</source>
        <translation>Bruitages coupés.</translation>
    </message>
    <message>
        <source>Music on or off.</source>
        <translation>Activer ou couper la musique.</translation>
    </message>
    <message>
        <source>No music files available.</source>
        <translation>Aucun fichier de musique.</translation>
    </message>
    <message>
        <source>Music: </source>
        <translation>Musique : </translation>
    </message>
    <message>
        <source>Music is off.</source>
        <translation>Musique coupée.</translation>
    </message>
    <message>
        <source>Change background</source>
        <translation>Changer l&apos;arrière-plan</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>brun</translation>
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
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>Background: </source>
        <translation>Arrière-plan : </translation>
    </message>
    <message>
        <source>Activate/deactivate SET detector</source>
        <translation>Activer/désactiver le détecteur de SET</translation>
    </message>
    <message>
        <source>SETs will be detected.</source>
        <translation>Détecteur de SET activé.</translation>
    </message>
    <message>
        <source>SETs won&apos;t be detected.</source>
        <translation>Détecteur de SET désactivé.</translation>
    </message>
    <message>
        <source>Change the symbols&apos; colours</source>
        <translation>Changer les couleurs des symboles</translation>
    </message>
    <message>
        <source>Colours: easy to tell apart</source>
        <translation>Couleurs : faciles à distinguer</translation>
    </message>
    <message>
        <source>Colours: standard</source>
        <translation>Couleurs : standard</translation>
    </message>
</context>
<context>
    <name>TReviewChart</name>
    <message>
        <source>Seconds per SET</source>
        <translation>Secondes par SET</translation>
    </message>
    <message>
        <source>break-even %1 s</source>
        <translation>seuil de rentabilité %1 s</translation>
    </message>
    <message>
        <source>No SET. </source>
        <translation>Aucun SET. </translation>
    </message>
    <message>
        <source>%1 s: break-even</source>
        <translation>%1 s : seuil</translation>
    </message>
</context>
<context>
    <name>TReviewDlg</name>
    <message>
        <source>Your game</source>
        <translation>Ta partie</translation>
    </message>
    <message>
        <source>show after every game</source>
        <translation>afficher après chaque partie</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Retour au jeu</translation>
    </message>
    <message numerus="yes">
        <source>Score: %1, %n SETs</source>
        <translation>
            <numerusform>Points : %1, %n SET</numerusform>
            <numerusform>Points : %1, %n SET</numerusform>
        </translation>
    </message>
    <message>
        <source>Your game, a deal played again</source>
        <translation>Ta partie, une donne rejouée</translation>
    </message>
</context>
<context>
    <name>TReviewPanel</name>
    <message>
        <source>Score: %1</source>
        <translation>Points : %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Temps : %1</translation>
    </message>
    <message>
        <source>SETs: %1</source>
        <translation>SET : %1</translation>
    </message>
    <message>
        <source>Average: %1 s per SET</source>
        <translation>Moyenne : %1 s par SET</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>Cartes restantes : %1</translation>
    </message>
    <message>
        <source>10 SETs after %1</source>
        <translation>10 SET en %1</translation>
    </message>
    <message>
        <source>20 SETs after %1</source>
        <translation>20 SET en %1</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Indices : %1</translation>
    </message>
    <message>
        <source>Mixes: %1</source>
        <translation>Mélanges : %1</translation>
    </message>
    <message>
        <source>All cards taken</source>
        <translation>Toutes les cartes prises</translation>
    </message>
    <message>
        <source>No SET left</source>
        <translation>Plus aucun SET</translation>
    </message>
    <message>
        <source>Slowest SET: %1 s</source>
        <translation>SET le plus lent : %1 s</translation>
    </message>
</context>
<context>
    <name>TRulePictures</name>
    <message>
        <source>A SET: only the colour differs, everything else is alike.</source>
        <translation>Un SET : seule la couleur diffère, tout le reste est pareil.</translation>
    </message>
    <message>
        <source>A SET: colour and number differ, shape and fill are alike.</source>
        <translation>Un SET : la couleur et le nombre diffèrent, la forme et le remplissage sont pareils.</translation>
    </message>
    <message>
        <source>A SET: colour, shape and fill differ, the number is alike.</source>
        <translation>Un SET : la couleur, la forme et le remplissage diffèrent, le nombre est pareil.</translation>
    </message>
    <message>
        <source>A SET: all four attributes differ.</source>
        <translation>Un SET : les quatre caractéristiques diffèrent.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same colour, the third has another.</source>
        <translation>Pas un SET : deux cartes ont la même couleur, la troisième une autre.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same shape, the third has another.</source>
        <translation>Pas un SET : deux cartes ont la même forme, la troisième une autre.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same fill, the third has another.</source>
        <translation>Pas un SET : deux cartes ont le même remplissage, la troisième un autre.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same number of symbols, the third has another.</source>
        <translation>Pas un SET : deux cartes ont le même nombre de symboles, la troisième un autre.</translation>
    </message>
    <message>
        <source>The cards: %1.</source>
        <translation>Les cartes : %1.</translation>
    </message>
    <message>
        <source>Worked out: shape and fill are alike, colour and number differ.</source>
        <translation>Le calcul : la forme et le remplissage sont pareils, la couleur et le nombre diffèrent.</translation>
    </message>
    <message>
        <source>3 cards × %1 = %2 points</source>
        <translation>3 cartes × %1 = %2 points</translation>
    </message>
    <message>
        <source>2 attributes alike × %1 = %2 points</source>
        <translation>2 caractéristiques pareilles × %1 = %2 points</translation>
    </message>
    <message>
        <source>2 attributes different × %1 = %2 points</source>
        <translation>2 caractéristiques différentes × %1 = %2 points</translation>
    </message>
    <message>
        <source>With the SET detector on: %1 + %2 = %3 points</source>
        <translation>Avec le détecteur de SET : %1 + %2 = %3 points</translation>
    </message>
    <message>
        <source>With the SET detector off the bonus counts twice: %1 + 2 × %2 = %3 points</source>
        <translation>Sans le détecteur de SET, le bonus compte double : %1 + 2 × %2 = %3 points</translation>
    </message>
    <message>
        <source>The buttons, each with its key: the bar above the cards, left and right, then the practice game&apos;s button left of the cards.</source>
        <translation>Les boutons, chacun avec sa touche : la barre au-dessus des cartes, à gauche et à droite, puis le bouton de la partie d’entraînement à gauche des cartes.</translation>
    </message>
</context>
<context>
    <name>TStatsDlg</name>
    <message>
        <source>Played to the end: %1</source>
        <translation>Parties terminées : %1</translation>
    </message>
    <message>
        <source>Abandoned: %1</source>
        <translation>Abandonnées : %1</translation>
    </message>
    <message>
        <source>SETs: %1</source>
        <translation>SET : %1</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Temps de jeu : %1</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Meilleur score : %1</translation>
    </message>
    <message>
        <source>Fastest game: %1</source>
        <translation>Plus rapide : %1</translation>
    </message>
    <message>
        <source>Best average: %1 s per SET</source>
        <translation>Meilleure moyenne : %1 s/SET</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Indices : %1</translation>
    </message>
    <message>
        <source>Mixes: %1</source>
        <translation>Mélanges : %1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>reset statistics</source>
        <translation>effacer les statistiques</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Retour au jeu</translation>
    </message>
    <message>
        <source>Last game</source>
        <translation>Dernière partie</translation>
    </message>
    <message>
        <source>Last game: none played to its end yet</source>
        <translation>Dernière partie : aucune terminée pour l&apos;instant</translation>
    </message>
    <message>
        <source>Delete all statistics?</source>
        <translation>Effacer toutes les statistiques ?</translation>
    </message>
    <message>
        <source>Last game, a deal played again</source>
        <translation>Dernière partie, une donne rejouée</translation>
    </message>
</context>
<context>
    <name>TYesNoDlg</name>
    <message>
        <source>Hurrah, you did it!</source>
        <translation>Hourra, tu as réussi !</translation>
    </message>
    <message>
        <source>Do you really want to give up the level?</source>
        <translation>Veux-tu vraiment abandonner ce niveau ?</translation>
    </message>
    <message>
        <source>Do you really want to go?</source>
        <translation>Veux-tu vraiment déjà partir ?</translation>
    </message>
    <message>
        <source>Do you really want to give up the game?</source>
        <translation>Veux-tu vraiment abandonner la partie ?</translation>
    </message>
    <message>
        <source>Sorry, you weren&apos;t quick enough!</source>
        <translation>Dommage, tu n&apos;as pas été assez rapide !</translation>
    </message>
    <message>
        <source>Congratulation, you solved all levels.</source>
        <translation>Bravo, tu as réussi tous les niveaux.</translation>
    </message>
    <message>
        <source>Sorry, game over!</source>
        <translation>Dommage, la partie est finie !</translation>
    </message>
    <message>
        <source>The next level is waiting!</source>
        <translation>Le niveau suivant t&apos;attend !</translation>
    </message>
    <message>
        <source>Sorry, that was it!</source>
        <translation>Dommage, tu as perdu !</translation>
    </message>
    <message>
        <source>Game paused.<byte value="xd"/>Continue?</source>
        <translation>Partie en pause.<byte value="xd"/>On continue ?</translation>
    </message>
    <message>
        <source>That was it!<byte value="xd"/>Repeat level?</source>
        <translation>Perdu !<byte value="xd"/>Recommencer le niveau ?</translation>
    </message>
    <message>
        <source>Hurrah, you made it!<byte value="xd"/>Continue with next level?</source>
        <translation>Hourra, réussi !<byte value="xd"/>Passer au niveau suivant ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>Tmainform</name>
    <message>
        <source>Score:</source>
        <translation>Points :</translation>
    </message>
    <message>
        <source>New here? The rules show the SETs in pictures, and a practice game (%1) counts no points.</source>
        <translation>Nouveau ici ? Les règles montrent les SET en images, et une partie d’entraînement (%1) ne compte aucun point.</translation>
    </message>
    <message>
        <source>Practice, seconds:</source>
        <translation>Exercice, secondes :</translation>
    </message>
    <message>
        <source>SETs on the table: %1</source>
        <translation>SET sur la table : %1</translation>
    </message>
    <message>
        <source>Practice, time played: %1, SETs on the table: %2</source>
        <translation>Entraînement, temps joué : %1, SET sur la table : %2</translation>
    </message>
    <message>
        <source>Play this deal again</source>
        <translation>Rejouer cette donne</translation>
    </message>
    <message>
        <source>Play a deal by its code…</source>
        <translation>Jouer une donne par son code…</translation>
    </message>
</context>
<context>
    <name>WrongPick</name>
    <message>
        <source>colour two alike, one different</source>
        <translation>deux couleurs pareilles, une différente</translation>
    </message>
    <message>
        <source>shape two alike, one different</source>
        <translation>deux formes pareilles, une différente</translation>
    </message>
    <message>
        <source>number two alike, one different</source>
        <translation>deux nombres pareils, un différent</translation>
    </message>
    <message>
        <source>fill two alike, one different</source>
        <translation>deux remplissages pareils, un différent</translation>
    </message>
    <message>
        <source>Not a SET: </source>
        <translation>Pas un SET : </translation>
    </message>
</context>
</TS>
