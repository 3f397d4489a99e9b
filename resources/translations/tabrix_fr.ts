<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Accessibility</name>
    <message>
        <source>times ten to the</source>
        <translation>fois dix puissance</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>seconde fonction</translation>
    </message>
    <message>
        <source>shifted</source>
        <translation>seconde fonction</translation>
    </message>
    <message>
        <source>Calculator display</source>
        <translation>Affichage de la calculatrice</translation>
    </message>
    <message>
        <source>Tabrix calculator</source>
        <translation>Calculatrice Tabrix</translation>
    </message>
</context>
<context>
    <name>Bits</name>
    <message>
        <source>x = %1 %2: %3 of %4 bits set</source>
        <translation>x = %1 %2 : %3 bits sur %4 à 1</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tabrix</source>
        <translation>À propos de Tabrix</translation>
    </message>
    <message>
        <source>Tabrix Calculator Version 1.0 (Alpha)</source>
        <translation>Calculatrice Tabrix version 1.0 (alpha)</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Tabrix developers</source>
        <translation>Copyright (C) 2026 Les développeurs de Tabrix</translation>
    </message>
    <message>
        <source>Visit the sponsor:</source>
        <translation>Visitez le site du sponsor&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CBitsPanel</name>
    <message>
        <source>Bits</source>
        <translation>Bits</translation>
    </message>
</context>
<context>
    <name>CFunctionFinder</name>
    <message>
        <source>Find Function</source>
        <translation>Chercher une fonction</translation>
    </message>
    <message>
        <source>A few letters of a function: tanh, mod, register…</source>
        <translation>Quelques lettres d’une fonction : tanh, mod, registre…</translation>
    </message>
    <message>
        <source>&amp;Function:</source>
        <translation>&amp;Fonction :</translation>
    </message>
</context>
<context>
    <name>CFunctionPlotView</name>
    <message>
        <source>Plot of f(x)</source>
        <translation>Courbe de f(x)</translation>
    </message>
</context>
<context>
    <name>CKeysWindow</name>
    <message>
        <source>Keys and Keyboard</source>
        <translation>Touches et clavier</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Shifted (after F)</source>
        <translation>Seconde fonction (après F)</translation>
    </message>
    <message>
        <source>Keyboard keys</source>
        <translation>Touches du clavier</translation>
    </message>
    <message>
        <source>Delete clears X; Escape clears the stack and the registers and keeps the modes. Edit &gt; Preferences changes the keyboard keys.</source>
        <translation>Suppr efface X&#xa0;; Échap efface la pile et les registres et conserve les modes. Édition &gt; Préférences permet de modifier les touches du clavier.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;STO</source>
        <translation>&amp;STO</translation>
    </message>
    <message>
        <source>&amp;RCL</source>
        <translation>&amp;RCL</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Save State</source>
        <translation>&amp;Enregistrer l’état</translation>
    </message>
    <message>
        <source>&amp;Load State</source>
        <translation>&amp;Charger l’état</translation>
    </message>
    <message>
        <source>R&amp;eset State</source>
        <translation>&amp;Réinitialiser l’état</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
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
        <source>Copy &amp;Exact</source>
        <translation>Copier la valeur e&amp;xacte</translation>
    </message>
    <message>
        <source>Paste &amp;Number</source>
        <translation>Coller un &amp;nombre</translation>
    </message>
    <message>
        <source>Pre&amp;ferences…</source>
        <translation>&amp;Préférences…</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <translation>&amp;Bande</translation>
    </message>
    <message>
        <source>&amp;Clear Tape</source>
        <translation>&amp;Effacer la bande</translation>
    </message>
    <message>
        <source>&amp;Save Tape As…</source>
        <translation>Enregi&amp;strer la bande sous…</translation>
    </message>
    <message>
        <source>&amp;Keyboard Keys</source>
        <translation>Touches du &amp;clavier</translation>
    </message>
    <message>
        <source>&amp;Keys and Keyboard</source>
        <translation>&amp;Touches et clavier</translation>
    </message>
    <message>
        <source>&amp;About Tabrix...</source>
        <translation>À &amp;propos de Tabrix...</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>Save Tape</source>
        <translation>Enregistrer la bande</translation>
    </message>
    <message>
        <source>Tabrix tape (*.txt)</source>
        <translation>Bande Tabrix (*.txt)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>&amp;Programs</source>
        <translation>&amp;Programmes</translation>
    </message>
    <message>
        <source>&amp;Record Program…</source>
        <translation>&amp;Enregistrer un programme…</translation>
    </message>
    <message>
        <source>&amp;Stop Recording</source>
        <translation>&amp;Arrêter l’enregistrement</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>&amp;Edit Programs…</source>
        <translation>&amp;Modifier les programmes…</translation>
    </message>
    <message>
        <source>&amp;Import Programs…</source>
        <translation>&amp;Importer des programmes…</translation>
    </message>
    <message>
        <source>E&amp;xport Programs…</source>
        <translation>E&amp;xporter les programmes…</translation>
    </message>
    <message>
        <source>F&amp;unctions</source>
        <translation>Fonc&amp;tions</translation>
    </message>
    <message>
        <source>&amp;Find Function…</source>
        <translation>&amp;Chercher une fonction…</translation>
    </message>
    <message>
        <source>Clear the tape? Undo then begins again with it: what was done before can no longer be undone.</source>
        <translation>Effacer la bande ? Annuler recommence alors avec elle : ce qui a été fait avant ne pourra plus être annulé.</translation>
    </message>
    <message>
        <source>Clear Tape</source>
        <translation>Effacer la bande</translation>
    </message>
    <message>
        <source>&amp;High-Contrast LCD</source>
        <translation>LCD à &amp;fort contraste</translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Plus</translation>
    </message>
    <message>
        <source>Paste &amp;Data</source>
        <translation>Coller des &amp;données</translation>
    </message>
    <message>
        <source>Stat&amp;istics</source>
        <translation>Stat&amp;istiques</translation>
    </message>
    <message>
        <source>&amp;Solve…</source>
        <translation>&amp;Résoudre…</translation>
    </message>
    <message>
        <source>&amp;Integrate…</source>
        <translation>&amp;Intégrer…</translation>
    </message>
    <message>
        <source>Copy Words with &amp;Base Prefix</source>
        <translation>Copier les mots avec préfixe de &amp;base</translation>
    </message>
    <message>
        <source>&amp;Bits</source>
        <translation>V&amp;ue des bits</translation>
    </message>
</context>
<context>
    <name>CNotice</name>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
</context>
<context>
    <name>CNumericDialog</name>
    <message>
        <source>Solve</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>Integrate</source>
        <translation>Intégrer</translation>
    </message>
    <message>
        <source>&amp;Program f(x):</source>
        <translation>&amp;Programme f(x) :</translation>
    </message>
    <message>
        <source>First &amp;guess (y):</source>
        <translation>Première &amp;estimation (y) :</translation>
    </message>
    <message>
        <source>&amp;From (y):</source>
        <translation>&amp;De (y) :</translation>
    </message>
    <message>
        <source>Second g&amp;uess (x):</source>
        <translation>&amp;Deuxième estimation (x) :</translation>
    </message>
    <message>
        <source>&amp;To (x):</source>
        <translation>&amp;À (x) :</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Résoudre</translation>
    </message>
    <message>
        <source>&amp;Integrate</source>
        <translation>&amp;Intégrer</translation>
    </message>
</context>
<context>
    <name>CPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Général</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Clavier</translation>
    </message>
    <message>
        <source>&amp;Restore the calculator when Tabrix starts</source>
        <translation>&amp;Restaurer la calculatrice au démarrage de Tabrix</translation>
    </message>
    <message>
        <source>The stack, the registers, the modes and the tape are kept while you work, and come back when Tabrix starts without a state file.</source>
        <translation>La pile, les registres, les modes et la bande sont conservés pendant que vous travaillez, et reviennent lorsque Tabrix démarre sans fichier d’état.</translation>
    </message>
    <message>
        <source>Standard keys</source>
        <translation>Touches standard</translation>
    </message>
    <message>
        <source>Custom keys</source>
        <translation>Touches personnalisées</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Shifted</source>
        <translation>Seconde fonction</translation>
    </message>
    <message>
        <source>Keyboard keys</source>
        <translation>Touches du clavier</translation>
    </message>
    <message>
        <source>&amp;Press a Key…</source>
        <translation>A&amp;ppuyer sur une touche…</translation>
    </message>
    <message>
        <source>&amp;Add a Key…</source>
        <translation>Ajou&amp;ter une touche…</translation>
    </message>
    <message>
        <source>Re&amp;move a Key</source>
        <translation>&amp;Supprimer une touche</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>Valeurs par &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;Map:</source>
        <translation>&amp;Affectation&#xa0;:</translation>
    </message>
    <message>
        <source>The laptop keys are in use.</source>
        <translation>Les touches pour portable sont utilisées.</translation>
    </message>
    <message>
        <source>The standard keys are in use.</source>
        <translation>Les touches standard sont utilisées.</translation>
    </message>
    <message>
        <source>Press the keyboard key for %1 (Escape: no key).</source>
        <translation>Appuyez sur la touche du clavier pour %1 (Échap&#xa0;: aucune touche).</translation>
    </message>
    <message>
        <source>%1 now presses %2.</source>
        <translation>%1 actionne maintenant %2.</translation>
    </message>
    <message>
        <source>%1 pressed %2; it now presses %3.</source>
        <translation>%1 actionnait %2 et actionne maintenant %3.</translation>
    </message>
    <message>
        <source>%1 no longer presses %2.</source>
        <translation>%1 n’actionne plus %2.</translation>
    </message>
    <message>
        <source>No key was changed.</source>
        <translation>Aucune touche n’a été modifiée.</translation>
    </message>
    <message>
        <source>%1 is a shortcut of the window; choose another key.</source>
        <translation>%1 est un raccourci de la fenêtre&#xa0;; choisissez une autre touche.</translation>
    </message>
    <message>
        <source>Ke&amp;ys of %1:</source>
        <translation>T&amp;ouches de %1&#xa0;:</translation>
    </message>
    <message>
        <source>Tab moves the keyboard between the calculator and the tape; choose another key.</source>
        <translation>Tab fait passer le clavier de la calculatrice au ruban et inversement&#xa0;; choisissez une autre touche.</translation>
    </message>
    <message>
        <source>%1 no longer presses %2: a key takes %3 keyboard keys at most.</source>
        <translation>%1 n’actionne plus %2&#xa0;: une touche prend au plus %3 touches du clavier.</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Key that runs it</source>
        <translation>Touche qui l’exécute</translation>
    </message>
    <message>
        <source>&amp;Set Program Key…</source>
        <translation>&amp;Fixer la touche du programme…</translation>
    </message>
    <message>
        <source>&amp;Clear Program Key</source>
        <translation>&amp;Effacer la touche du programme</translation>
    </message>
    <message>
        <source>No key runs %1.</source>
        <translation>Aucune touche n’exécute %1.</translation>
    </message>
    <message>
        <source>%1 now runs %2.</source>
        <translation>%1 exécute désormais %2.</translation>
    </message>
    <message>
        <source>%1 ran %2; it now runs %3.</source>
        <translation>%1 exécutait %2 ; elle exécute désormais %3.</translation>
    </message>
    <message>
        <source>Press the key that is to run %1 (Escape: no key).</source>
        <translation>Appuyez sur la touche qui doit exécuter %1 (Échap&#xa0;: aucune touche).</translation>
    </message>
    <message>
        <source>F&amp;unctions</source>
        <translation>Fonct&amp;ions</translation>
    </message>
    <message>
        <source>&amp;Function:</source>
        <translation>Fonctio&amp;n :</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Keyboard key</source>
        <translation>Touche du clavier</translation>
    </message>
    <message>
        <source>&amp;Give It a Key…</source>
        <translation>&amp;Lui donner une touche…</translation>
    </message>
    <message>
        <source>&amp;Remove the Key</source>
        <translation>Enle&amp;ver la touche</translation>
    </message>
    <message>
        <source>A keyboard key given to a function performs it as Find Function does; it no longer presses a calculator key.</source>
        <translation>Une touche du clavier donnée à une fonction l’exécute comme « Chercher une fonction » ; elle n’appuie plus sur une touche de la calculatrice.</translation>
    </message>
    <message>
        <source>%1 now performs %2.</source>
        <translation>%1 exécute maintenant %2.</translation>
    </message>
    <message>
        <source>%1 no longer performs %2.</source>
        <translation>%1 n’exécute plus %2.</translation>
    </message>
    <message>
        <source>%1 pressed %2; it now performs %3.</source>
        <translation>%1 appuyait sur %2 ; elle exécute maintenant %3.</translation>
    </message>
    <message>
        <source>%1 performed %2; it now performs %3.</source>
        <translation>%1 exécutait %2 ; elle exécute maintenant %3.</translation>
    </message>
    <message>
        <source>Laptop keys: also = (ENTER) on the main keyboard</source>
        <translation>Touches pour portable&#xa0;: aussi = (ENTER) sur le clavier principal</translation>
    </message>
</context>
<context>
    <name>CProgramEditor</name>
    <message>
        <source>Programs</source>
        <translation>Programmes</translation>
    </message>
    <message>
        <source>&amp;Programs:</source>
        <translation>&amp;Programmes&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation>&amp;Étapes&#xa0;:</translation>
    </message>
    <message>
        <source>Pro&amp;blems:</source>
        <translation>Pro&amp;blèmes&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Nouveau…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>Pas à p&amp;as</translation>
    </message>
    <message>
        <source>None: the program runs.</source>
        <translation>Aucun&#xa0;: le programme s’exécute.</translation>
    </message>
    <message>
        <source>New Program</source>
        <translation>Nouveau programme</translation>
    </message>
    <message>
        <source>Rename Program</source>
        <translation>Renommer le programme</translation>
    </message>
    <message>
        <source>There is a program %1 already.</source>
        <translation>Il existe déjà un programme %1.</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Supprimer le programme</translation>
    </message>
    <message>
        <source>Delete the program %1?</source>
        <translation>Supprimer le programme %1&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Renommer…</translation>
    </message>
    <message>
        <source>R&amp;un</source>
        <translation>E&amp;xécuter</translation>
    </message>
    <message>
        <source>f(x) from y to x, as solve and integrate see it:</source>
        <translation>f(x) de y à x, tel que résoudre et intégrer le voient :</translation>
    </message>
</context>
<context>
    <name>CProgramsController</name>
    <message>
        <source>Name of the program:</source>
        <translation>Nom du programme&#xa0;:</translation>
    </message>
    <message>
        <source>“%1” is no program name: a letter, then letters, digits or _, 32 at most.</source>
        <translation>« %1 » n’est pas un nom de programme&#xa0;: une lettre, puis des lettres, des chiffres ou _, 32 au plus.</translation>
    </message>
    <message>
        <source>Record Program</source>
        <translation>Enregistrer un programme</translation>
    </message>
    <message>
        <source>There is a program %1 already. Record a new one in its place?</source>
        <translation>Il existe déjà un programme %1. En enregistrer un nouveau à sa place&#xa0;?</translation>
    </message>
    <message>
        <source>Recording %1: every key goes into it until Programs &gt; Stop Recording.</source>
        <translation>Enregistrement de %1&#xa0;: chaque touche y entre jusqu’à Programmes &gt; Arrêter l’enregistrement.</translation>
    </message>
    <message>
        <source>%1 is recorded.</source>
        <translation>%1 est enregistré.</translation>
    </message>
    <message>
        <source>Import Programs</source>
        <translation>Importer des programmes</translation>
    </message>
    <message>
        <source>Tabrix programs (*.txt)</source>
        <translation>Programmes Tabrix (*.txt)</translation>
    </message>
    <message>
        <source>%1 holds no programs Tabrix can read: %2</source>
        <translation>%1 ne contient aucun programme que Tabrix sache lire&#xa0;: %2</translation>
    </message>
    <message>
        <source>The programs of %1 are imported.</source>
        <translation>Les programmes de %1 sont importés.</translation>
    </message>
    <message>
        <source>Export Programs</source>
        <translation>Exporter les programmes</translation>
    </message>
    <message>
        <source>%1 has programs of the names of yours, which it would replace: %2. Replace them?</source>
        <translation>%1 contient des programmes portant les noms des vôtres, qu’il remplacerait : %2. Les remplacer ?</translation>
    </message>
    <message>
        <source>These programs have problems: %1. tabrix-cli --program and Import Programs refuse a file that holds them. Export them all the same?</source>
        <translation>Ces programmes ont des problèmes : %1. tabrix-cli --program et Importer des programmes refusent un fichier qui les contient. Les exporter quand même ?</translation>
    </message>
</context>
<context>
    <name>CStatisticsPanel</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
</context>
<context>
    <name>CTapePanel</name>
    <message>
        <source>Tape</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy &amp;Value</source>
        <translation>Copier la &amp;valeur</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>File Error</source>
        <translation>Erreur de fichier</translation>
    </message>
    <message>
        <source>There is no text data (ANSI) on the Clipboard.</source>
        <translation>Le presse-papiers ne contient aucune donnée texte (ANSI).</translation>
    </message>
    <message>
        <source>Tabrix settings (*.rpn)</source>
        <translation>Paramètres Tabrix (*.rpn)</translation>
    </message>
    <message>
        <source>Save State File</source>
        <translation>Enregistrer le fichier d’état</translation>
    </message>
    <message>
        <source>Load State File</source>
        <translation>Charger un fichier d’état</translation>
    </message>
    <message>
        <source>The file holds more than this version of Tabrix knows; it was loaded without: %1.</source>
        <translation>Le fichier contient plus que ce que cette version de Tabrix connaît ; il a été chargé sans : %1.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the folder cannot be made</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>not a kept session</source>
        <translation>pas une session conservée</translation>
    </message>
    <message>
        <source>its calculator cannot be read</source>
        <translation>sa calculatrice ne peut pas être lue</translation>
    </message>
    <message>
        <source>a program is running</source>
        <translation>un programme est en cours</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce nom</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Plus d’espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>N’est pas un dossier</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d’entrée/sortie</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>trop grand</translation>
    </message>
    <message>
        <source>not a state file (it goes on after its last field)</source>
        <translation>pas un fichier d’état (il continue après son dernier champ)</translation>
    </message>
    <message>
        <source>its extension block is damaged (its size is not that of what follows)</source>
        <translation>son bloc d’extension est endommagé (sa taille n’est pas celle de ce qui suit)</translation>
    </message>
    <message>
        <source>its extension block is damaged (an entry ends early)</source>
        <translation>son bloc d’extension est endommagé (une entrée s’arrête trop tôt)</translation>
    </message>
    <message>
        <source>its extension block is damaged (%1 has the wrong size)</source>
        <translation>son bloc d’extension est endommagé (%1 n’a pas la bonne taille)</translation>
    </message>
    <message>
        <source>not a state file (it is empty)</source>
        <translation>pas un fichier d’état (il est vide)</translation>
    </message>
    <message>
        <source>not a state file (it does not begin as one)</source>
        <translation>pas un fichier d’état (il ne commence pas comme tel)</translation>
    </message>
    <message>
        <source>not a state file (it ends early)</source>
        <translation>pas un fichier d’état (il s’arrête trop tôt)</translation>
    </message>
</context>
<context>
    <name>Finder</name>
    <message>
        <source>%1   %2</source>
        <translation>%1   %2</translation>
    </message>
    <message>
        <source>%1   %2 — key %3</source>
        <translation>%1   %2 — touche %3</translation>
    </message>
    <message>
        <source>No function matches.</source>
        <translation>Aucune fonction ne correspond.</translation>
    </message>
    <message>
        <source>%1 takes a register: type its digit, 0 to 9, then Return.</source>
        <translation>%1 prend un registre : tapez son chiffre, de 0 à 9, puis Entrée.</translation>
    </message>
    <message>
        <source>%1 takes a program: type its name, then Return.</source>
        <translation>%1 prend un programme : tapez son nom, puis Entrée.</translation>
    </message>
    <message>
        <source>%1 takes a number of bits: type it, 0 to 64, then Return.</source>
        <translation>%1 prend un nombre de bits : tapez-le, de 0 à 64, puis Entrée.</translation>
    </message>
</context>
<context>
    <name>Functions</name>
    <message>
        <source>e to the power x</source>
        <translation>e puissance x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>logarithme népérien</translation>
    </message>
    <message>
        <source>10 to the power x</source>
        <translation>10 puissance x</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>logarithme décimal</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>sinus</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>arc sinus</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>cosinus</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>arc cosinus</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>tangente</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>arc tangente</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>inverse</translation>
    </message>
    <message>
        <source>y to the power x</source>
        <translation>y puissance x</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>racine carrée</translation>
    </message>
    <message>
        <source>square</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>enter exponent</source>
        <translation>saisir l’exposant</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>display digits</source>
        <translation>décimales affichées</translation>
    </message>
    <message>
        <source>scientific display, digits</source>
        <translation>notation scientifique, chiffres</translation>
    </message>
    <message>
        <source>engineering display, digits</source>
        <translation>notation ingénieur, chiffres</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>diviser</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>pourcentage</translation>
    </message>
    <message>
        <source>exchange x and y</source>
        <translation>échanger x et y</translation>
    </message>
    <message>
        <source>roll the stack down</source>
        <translation>faire tourner la pile vers le bas</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>changer de signe</translation>
    </message>
    <message>
        <source>roll the stack up</source>
        <translation>faire tourner la pile vers le haut</translation>
    </message>
    <message>
        <source>angles in degrees</source>
        <translation>angles en degrés</translation>
    </message>
    <message>
        <source>angles in radians</source>
        <translation>angles en radians</translation>
    </message>
    <message>
        <source>angles in grads</source>
        <translation>angles en grades</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>multiplier</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>factorielle</translation>
    </message>
    <message>
        <source>about Tabrix</source>
        <translation>à propos de Tabrix</translation>
    </message>
    <message>
        <source>hyperbolic functions</source>
        <translation>fonctions hyperboliques</translation>
    </message>
    <message>
        <source>enter, lifting the stack</source>
        <translation>valider, en faisant monter la pile</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>nombre aléatoire</translation>
    </message>
    <message>
        <source>to polar</source>
        <translation>en coordonnées polaires</translation>
    </message>
    <message>
        <source>to rectangular</source>
        <translation>en coordonnées cartésiennes</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>soustraire</translation>
    </message>
    <message>
        <source>radians to degrees</source>
        <translation>radians en degrés</translation>
    </message>
    <message>
        <source>degrees to radians</source>
        <translation>degrés en radians</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>seconde fonction</translation>
    </message>
    <message>
        <source>store in a register</source>
        <translation>stocker dans un registre</translation>
    </message>
    <message>
        <source>recall a register</source>
        <translation>rappeler un registre</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>séparateur décimal</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>retour arrière</translation>
    </message>
    <message>
        <source>clear x</source>
        <translation>effacer x</translation>
    </message>
    <message>
        <source>add</source>
        <translation>additionner</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>tout effacer</translation>
    </message>
    <message>
        <source>compare x with 0: when false, skip the next step</source>
        <translation>comparer x à 0 : si c’est faux, sauter le pas suivant</translation>
    </message>
    <message>
        <source>compare x with y: when false, skip the next step</source>
        <translation>comparer x à y : si c’est faux, sauter le pas suivant</translation>
    </message>
    <message>
        <source>absolute value</source>
        <translation>valeur absolue</translation>
    </message>
    <message>
        <source>integer part, toward zero</source>
        <translation>partie entière, vers zéro</translation>
    </message>
    <message>
        <source>fractional part, with the sign of x</source>
        <translation>partie fractionnaire, du signe de x</translation>
    </message>
    <message>
        <source>y modulo x, with the sign of x</source>
        <translation>y modulo x, du signe de x</translation>
    </message>
    <message>
        <source>x rounded as the display shows it</source>
        <translation>x arrondi comme l’affichage le montre</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>sinus hyperbolique</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>cosinus hyperbolique</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>tangente hyperbolique</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>argument sinus hyperbolique</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>argument cosinus hyperbolique</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>argument tangente hyperbolique</translation>
    </message>
    <message>
        <source>decimal hours to hours, minutes and seconds (H.MMSS)</source>
        <translation>heures décimales en heures, minutes et secondes (H.MMSS)</translation>
    </message>
    <message>
        <source>hours, minutes and seconds (H.MMSS) to decimal hours</source>
        <translation>heures, minutes et secondes (H.MMSS) en heures décimales</translation>
    </message>
    <message>
        <source>combinations of y things taken x at a time</source>
        <translation>combinaisons de y objets pris x à x</translation>
    </message>
    <message>
        <source>permutations of y things taken x at a time</source>
        <translation>arrangements de y objets pris x à x</translation>
    </message>
    <message>
        <source>the x before the last operation</source>
        <translation>le x d’avant la dernière opération</translation>
    </message>
    <message>
        <source>add x to a register</source>
        <translation>ajouter x à un registre</translation>
    </message>
    <message>
        <source>subtract x from a register</source>
        <translation>soustraire x d’un registre</translation>
    </message>
    <message>
        <source>multiply a register by x</source>
        <translation>multiplier un registre par x</translation>
    </message>
    <message>
        <source>divide a register by x</source>
        <translation>diviser un registre par x</translation>
    </message>
    <message>
        <source>run a program from its start</source>
        <translation>exécuter un programme depuis son début</translation>
    </message>
    <message>
        <source>call a program, then go on after the step</source>
        <translation>appeler un programme, puis continuer après le pas</translation>
    </message>
    <message>
        <source>a label of the program</source>
        <translation>une étiquette du programme</translation>
    </message>
    <message>
        <source>jump to a label of the program</source>
        <translation>sauter à une étiquette du programme</translation>
    </message>
    <message>
        <source>return, as reaching the end does</source>
        <translation>revenir, comme à la fin</translation>
    </message>
    <message>
        <source>a register minus 1: when it is 0, skip the next step</source>
        <translation>un registre moins 1 : s’il vaut 0, sauter le pas suivant</translation>
    </message>
    <message>
        <source>a register plus 1: when it is 0, skip the next step</source>
        <translation>un registre plus 1 : s’il vaut 0, sauter le pas suivant</translation>
    </message>
    <message>
        <source>the run stops here (cont goes on)</source>
        <translation>l’exécution s’arrête ici (cont continue)</translation>
    </message>
    <message>
        <source>pause: show the calculator a moment</source>
        <translation>pause : montrer la calculatrice un instant</translation>
    </message>
    <message>
        <source>go on after the stop where a run stopped</source>
        <translation>continuer après l’arrêt où une exécution s’est arrêtée</translation>
    </message>
    <message>
        <source>one step of the stopped run</source>
        <translation>un pas de l’exécution arrêtée</translation>
    </message>
    <message>
        <source>begin a program stopped, then one step</source>
        <translation>commencer un programme à l’arrêt, puis un pas</translation>
    </message>
    <message>
        <source>Number entry</source>
        <translation>Saisie des nombres</translation>
    </message>
    <message>
        <source>Arithmetic</source>
        <translation>Arithmétique</translation>
    </message>
    <message>
        <source>Powers and logarithms</source>
        <translation>Puissances et logarithmes</translation>
    </message>
    <message>
        <source>Trigonometry</source>
        <translation>Trigonométrie</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Conversions</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Probabilités</translation>
    </message>
    <message>
        <source>Stack</source>
        <translation>Pile</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Registres</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programmes</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>add the point (x, y) to the statistics</source>
        <translation>ajouter le point (x, y) aux statistiques</translation>
    </message>
    <message>
        <source>take the point (x, y) back out of the statistics</source>
        <translation>retirer le point (x, y) des statistiques</translation>
    </message>
    <message>
        <source>remove all points</source>
        <translation>retirer tous les points</translation>
    </message>
    <message>
        <source>the number of points</source>
        <translation>le nombre de points</translation>
    </message>
    <message>
        <source>the means: x̄ into x, ȳ into y</source>
        <translation>les moyennes : x̄ dans x, ȳ dans y</translation>
    </message>
    <message>
        <source>sample standard deviations: sx into x, sy into y</source>
        <translation>écarts types de l’échantillon : sx dans x, sy dans y</translation>
    </message>
    <message>
        <source>population standard deviations: σx into x, σy into y</source>
        <translation>écarts types de la population : σx dans x, σy dans y</translation>
    </message>
    <message>
        <source>the mean of x weighted by y</source>
        <translation>la moyenne de x pondérée par y</translation>
    </message>
    <message>
        <source>linear regression y = a + b·x: a into x, b into y</source>
        <translation>régression linéaire y = a + b·x : a dans x, b dans y</translation>
    </message>
    <message>
        <source>ŷ on the regression line for x, and r into y</source>
        <translation>ŷ sur la droite de régression pour x, et r dans y</translation>
    </message>
    <message>
        <source>x̂ on the regression line for the y in x</source>
        <translation>x̂ sur la droite de régression pour le y dans x</translation>
    </message>
    <message>
        <source>the correlation coefficient r</source>
        <translation>le coefficient de corrélation r</translation>
    </message>
    <message>
        <source>the sums: Σx, Σy, Σx², Σy² into x, y, z, t</source>
        <translation>les sommes : Σx, Σy, Σx², Σy² dans x, y, z, t</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>a root of a program&apos;s f(x), from two guesses in y and x</source>
        <translation>une racine du f(x) d’un programme, à partir de deux estimations dans y et x</translation>
    </message>
    <message>
        <source>the integral of a program&apos;s f(x) from y to x, its error estimate into y</source>
        <translation>l’intégrale du f(x) d’un programme de y à x, son estimation d’erreur dans y</translation>
    </message>
    <message>
        <source>integer mode in hexadecimal</source>
        <translation>mode entier en hexadécimal</translation>
    </message>
    <message>
        <source>integer mode in decimal</source>
        <translation>mode entier en décimal</translation>
    </message>
    <message>
        <source>integer mode in octal</source>
        <translation>mode entier en octal</translation>
    </message>
    <message>
        <source>integer mode in binary</source>
        <translation>mode entier en binaire</translation>
    </message>
    <message>
        <source>back to the float modes</source>
        <translation>retour aux modes à virgule flottante</translation>
    </message>
    <message>
        <source>word size in bits, 1 to 64</source>
        <translation>taille de mot en bits, de 1 à 64</translation>
    </message>
    <message>
        <source>words unsigned</source>
        <translation>mots non signés</translation>
    </message>
    <message>
        <source>words in ones&apos; complement</source>
        <translation>mots en complément à un</translation>
    </message>
    <message>
        <source>words in two&apos;s complement</source>
        <translation>mots en complément à deux</translation>
    </message>
    <message>
        <source>the remainder of y ÷ x, with the sign of y</source>
        <translation>le reste de y ÷ x, avec le signe de y</translation>
    </message>
    <message>
        <source>bitwise and of y and x</source>
        <translation>et bit à bit de y et x</translation>
    </message>
    <message>
        <source>bitwise or of y and x</source>
        <translation>ou bit à bit de y et x</translation>
    </message>
    <message>
        <source>bitwise exclusive or of y and x</source>
        <translation>ou exclusif bit à bit de y et x</translation>
    </message>
    <message>
        <source>every bit of x inverted</source>
        <translation>chaque bit de x inversé</translation>
    </message>
    <message>
        <source>shift x left one bit</source>
        <translation>décaler x d’un bit à gauche</translation>
    </message>
    <message>
        <source>shift x left N bits</source>
        <translation>décaler x de N bits à gauche</translation>
    </message>
    <message>
        <source>shift x right one bit</source>
        <translation>décaler x d’un bit à droite</translation>
    </message>
    <message>
        <source>shift x right N bits</source>
        <translation>décaler x de N bits à droite</translation>
    </message>
    <message>
        <source>shift x right one bit, keeping its top bit</source>
        <translation>décaler x d’un bit à droite en gardant son bit de tête</translation>
    </message>
    <message>
        <source>shift x right N bits, keeping its top bit</source>
        <translation>décaler x de N bits à droite en gardant son bit de tête</translation>
    </message>
    <message>
        <source>rotate x left one bit</source>
        <translation>faire tourner x d’un bit à gauche</translation>
    </message>
    <message>
        <source>rotate x left N bits</source>
        <translation>faire tourner x de N bits à gauche</translation>
    </message>
    <message>
        <source>rotate x right one bit</source>
        <translation>faire tourner x d’un bit à droite</translation>
    </message>
    <message>
        <source>rotate x right N bits</source>
        <translation>faire tourner x de N bits à droite</translation>
    </message>
    <message>
        <source>a word of N ones at the top</source>
        <translation>un mot de N uns en tête</translation>
    </message>
    <message>
        <source>a word of N ones at the bottom</source>
        <translation>un mot de N uns en bas</translation>
    </message>
    <message>
        <source>the number of 1 bits in x</source>
        <translation>le nombre de bits à 1 dans x</translation>
    </message>
    <message>
        <source>x shifted left until its top bit is set into y, the places into x</source>
        <translation>x décalé à gauche jusqu’à ce que son bit de tête soit à 1 dans y, le nombre de places dans x</translation>
    </message>
    <message>
        <source>show the higher digits of a long word</source>
        <translation>montrer les chiffres de poids fort d’un long mot</translation>
    </message>
    <message>
        <source>show the lower digits of a long word</source>
        <translation>montrer les chiffres de poids faible d’un long mot</translation>
    </message>
    <message>
        <source>Integers and bases</source>
        <translation>Entiers et bases</translation>
    </message>
    <message>
        <source>toggle bit N of x (bit 0 is the lowest)</source>
        <translation>inverser le bit N de x (le bit 0 est le plus bas)</translation>
    </message>
</context>
<context>
    <name>KeyHelp</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>%1 — keyboard: %2</source>
        <translation>%1 — clavier : %2</translation>
    </message>
    <message>
        <source>%1 — shifted: %2 — keyboard: %3</source>
        <translation>%1 — avec F : %2 — clavier : %3</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>keypad %1</source>
        <translation>pavé numérique %1</translation>
    </message>
</context>
<context>
    <name>PasteData</name>
    <message>
        <source>No points added: no line holds one or two numbers.</source>
        <translation>Aucun point ajouté : aucune ligne ne contient un ou deux nombres.</translation>
    </message>
    <message>
        <source>Added %1 points.</source>
        <translation>%1 points ajoutés.</translation>
    </message>
    <message>
        <source>Line %1 skipped: “%2” holds no number.</source>
        <translation>Ligne %1 ignorée : « %2 » ne contient aucun nombre.</translation>
    </message>
    <message>
        <source>Line %1 skipped: “%2” holds more than two numbers.</source>
        <translation>Ligne %1 ignorée : « %2 » contient plus de deux nombres.</translation>
    </message>
    <message>
        <source>Line %1 skipped: “%2” is not a way of writing a number.</source>
        <translation>Ligne %1 ignorée : « %2 » n’est pas une façon d’écrire un nombre.</translation>
    </message>
    <message>
        <source>Line %1 skipped: “%2” is beyond the range of numbers.</source>
        <translation>Ligne %1 ignorée : « %2 » dépasse la plage des nombres.</translation>
    </message>
    <message>
        <source>%1 more lines skipped.</source>
        <translation>%1 autres lignes ignorées.</translation>
    </message>
</context>
<context>
    <name>PastedNumber</name>
    <message>
        <source>Pasted %1 — read “%2” as %1</source>
        <translation>%1 collé — «&#xa0;%2&#xa0;» lu comme %1</translation>
    </message>
    <message>
        <source>(“%1” is the decimal separator in your locale)</source>
        <translation>(«&#xa0;%1&#xa0;» est le séparateur décimal dans vos paramètres régionaux)</translation>
    </message>
    <message>
        <source>(“%1” groups digits in your locale)</source>
        <translation>(«&#xa0;%1&#xa0;» est le séparateur de milliers dans vos paramètres régionaux)</translation>
    </message>
    <message>
        <source>Nothing pasted: the clipboard text holds no number</source>
        <translation>Rien n’a été collé&#xa0;: le texte du presse-papiers ne contient aucun nombre</translation>
    </message>
    <message>
        <source>Nothing pasted: “%1” and “%2” are two numbers</source>
        <translation>Rien n’a été collé&#xa0;: «&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;» sont deux nombres</translation>
    </message>
    <message>
        <source>Nothing pasted: “%1” is not a way of writing a number</source>
        <translation>Rien n’a été collé&#xa0;: «&#xa0;%1&#xa0;» n’est pas une façon d’écrire un nombre</translation>
    </message>
    <message>
        <source>Nothing pasted: “%1” is beyond the range of numbers</source>
        <translation>Rien n’a été collé&#xa0;: «&#xa0;%1&#xa0;» dépasse la plage des nombres</translation>
    </message>
    <message>
        <source>(rounded to the nearest number the calculator holds)</source>
        <translation>(arrondi au nombre le plus proche que la calculatrice peut contenir)</translation>
    </message>
    <message>
        <source>Nothing pasted: “%1” is too small: it would be 0</source>
        <translation>Rien n’a été collé&#xa0;: «&#xa0;%1&#xa0;» est trop petit, il vaudrait 0</translation>
    </message>
</context>
<context>
    <name>ProgramKeys</name>
    <message>
        <source>[ProgramKeys] %1: no program may have that name</source>
        <translation>[ProgramKeys] %1&#xa0;: aucun programme ne peut porter ce nom</translation>
    </message>
    <message>
        <source>[ProgramKeys] %1=%2: no key a program may have</source>
        <translation>[ProgramKeys] %1=%2&#xa0;: ce n’est pas une touche possible pour un programme</translation>
    </message>
    <message>
        <source>A program key is one key, with Ctrl or Alt if you like.</source>
        <translation>Une touche de programme est une seule touche, avec Ctrl ou Alt si vous voulez.</translation>
    </message>
    <message>
        <source>%1 is typed into the calculator; choose a function key (F5) or a key with Ctrl or Alt (Ctrl+1).</source>
        <translation>%1 est tapée dans la calculatrice&#xa0;; choisissez une touche de fonction (F5) ou une touche avec Ctrl ou Alt (Ctrl+1).</translation>
    </message>
    <message>
        <source>%1 keeps its own work; choose another key.</source>
        <translation>%1 garde son propre rôle&#xa0;; choisissez une autre touche.</translation>
    </message>
    <message>
        <source>%1 presses a key of the calculator; choose another key.</source>
        <translation>%1 appuie sur une touche de la calculatrice&#xa0;; choisissez une autre touche.</translation>
    </message>
    <message>
        <source>%1 is a shortcut of the window; choose another key.</source>
        <translation>%1 est un raccourci de la fenêtre&#xa0;; choisissez une autre touche.</translation>
    </message>
    <message>
        <source>%1 alone is no program key, so that typing stays typing; choose a function key (F5) or a key with Ctrl or Alt (Ctrl+1).</source>
        <translation>%1 seule n’est pas une touche de programme, pour que la frappe reste de la frappe ; choisissez une touche de fonction (F5) ou une touche avec Ctrl ou Alt (Ctrl+1).</translation>
    </message>
</context>
<context>
    <name>ProgramStore</name>
    <message>
        <source>The programs could not be read: %1. They could not be moved aside either; Tabrix starts without programs and keeps none until it is started again.</source>
        <translation>Les programmes n’ont pas pu être lus&#xa0;: %1. Ils n’ont pas pu être mis de côté non plus&#xa0;; Tabrix démarre sans programmes et n’en garde aucun jusqu’au prochain démarrage.</translation>
    </message>
    <message>
        <source>The programs could not be read: %1. Tabrix starts without programs; the file is kept as %2.</source>
        <translation>Les programmes n’ont pas pu être lus&#xa0;: %1. Tabrix démarre sans programmes&#xa0;; le fichier est conservé sous %2.</translation>
    </message>
    <message>
        <source>The programs cannot be kept: %1: %2. Tabrix tries again after the next change.</source>
        <translation>Les programmes ne peuvent pas être conservés&#xa0;: %1&#xa0;: %2. Tabrix réessaie après la prochaine modification.</translation>
    </message>
</context>
<context>
    <name>Programs</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>“%1” is no program name: a letter, then letters, digits or _, 32 at most</source>
        <translation>« %1 » n’est pas un nom de programme&#xa0;: une lettre, puis des lettres, des chiffres ou _, 32 au plus</translation>
    </message>
    <message>
        <source>%1 is no step: a whole run is undone at once</source>
        <translation>%1 n’est pas une étape&#xa0;: une exécution entière s’annule d’un coup</translation>
    </message>
    <message>
        <source>%1 goes on with a stopped run: it is no step</source>
        <translation>%1 reprend une exécution arrêtée&#xa0;: ce n’est pas une étape</translation>
    </message>
    <message>
        <source>%1 is for replaying a tape: a program draws with RAN#</source>
        <translation>%1 sert à rejouer une bande&#xa0;: un programme tire avec RAN#</translation>
    </message>
    <message>
        <source>a def inside the definition of %1</source>
        <translation>un def dans la définition de %1</translation>
    </message>
    <message>
        <source>an end without a def</source>
        <translation>un end sans def</translation>
    </message>
    <message>
        <source>the definition of %1 has no end</source>
        <translation>la définition de %1 n’a pas de end</translation>
    </message>
    <message>
        <source>“%1” stands outside a definition</source>
        <translation>« %1 » se trouve hors d’une définition</translation>
    </message>
    <message>
        <source>“%1” is no label: letters, digits or _</source>
        <translation>« %1 » n’est pas une étiquette&#xa0;: des lettres, des chiffres ou _</translation>
    </message>
    <message>
        <source>the label %1 stands twice in %2</source>
        <translation>l’étiquette %1 figure deux fois dans %2</translation>
    </message>
    <message>
        <source>no program %1 is defined</source>
        <translation>aucun programme %1 n’est défini</translation>
    </message>
    <message>
        <source>%1 takes a register, 0 to 9</source>
        <translation>%1 prend un registre, de 0 à 9</translation>
    </message>
    <message>
        <source>“%1” is no token</source>
        <translation>« %1 » n’est pas un mot du langage</translation>
    </message>
    <message>
        <source>no label %1 in %2</source>
        <translation>pas d’étiquette %1 dans %2</translation>
    </message>
    <message>
        <source>A program is running: Esc stops it</source>
        <translation>Un programme s’exécute&#xa0;: Échap l’arrête</translation>
    </message>
    <message>
        <source>No program %1 is defined</source>
        <translation>Aucun programme %1 n’est défini</translation>
    </message>
    <message>
        <source>%1 calls %2, which is not defined</source>
        <translation>%1 appelle %2, qui n’est pas défini</translation>
    </message>
    <message>
        <source>No program is stopped</source>
        <translation>Aucun programme n’est arrêté</translation>
    </message>
    <message>
        <source>%1 does not run: %2</source>
        <translation>%1 ne s’exécute pas : %2</translation>
    </message>
    <message>
        <source>Running %1 — Esc stops</source>
        <translation>%1 s’exécute — Échap l’arrête</translation>
    </message>
    <message>
        <source>Stopped at step %1</source>
        <translation>Arrêté au pas %1</translation>
    </message>
    <message>
        <source>%1 stopped at step %2 (%3): it reached the step limit of %4 steps.</source>
        <translation>%1 s’est arrêté au pas %2 (%3) : la limite de %4 pas est atteinte.</translation>
    </message>
    <message>
        <source>%1 stopped at step %2 (%3): more than %4 calls were open.</source>
        <translation>%1 s’est arrêté au pas %2 (%3) : plus de %4 appels étaient ouverts.</translation>
    </message>
    <message>
        <source>%1 stopped at step %2 (%3): it calls a program that is not defined.</source>
        <translation>%1 s’est arrêté au pas %2 (%3) : il appelle un programme qui n’est pas défini.</translation>
    </message>
    <message>
        <source>%1 is defined twice (also on line %2)</source>
        <translation>%1 est défini deux fois (aussi à la ligne %2)</translation>
    </message>
    <message>
        <source>%1 (has problems)</source>
        <translation>%1 (a des problèmes)</translation>
    </message>
    <message>
        <source>%1 stopped at step %2 (%3).</source>
        <translation>%1 arrêté au pas %2 (%3).</translation>
    </message>
    <message>
        <source>Solving %1 — Esc stops</source>
        <translation>Résolution de %1 — Échap arrête</translation>
    </message>
    <message>
        <source>Integrating %1 — Esc stops</source>
        <translation>Intégration de %1 — Échap arrête</translation>
    </message>
    <message>
        <source>Solving %1 was stopped: the stack is as before.</source>
        <translation>La résolution de %1 a été arrêtée : la pile est comme avant.</translation>
    </message>
    <message>
        <source>Integrating %1 was stopped: the stack is as before.</source>
        <translation>L’intégration de %1 a été arrêtée : la pile est comme avant.</translation>
    </message>
    <message>
        <source>No root of %1: no sign change found: f looks like it has a minimum near x = %2.</source>
        <translation>Pas de racine de %1 : aucun changement de signe trouvé : f semble avoir un minimum près de x = %2.</translation>
    </message>
    <message>
        <source>No root of %1: a sign change at x = %2 where f jumps (a pole?).</source>
        <translation>Pas de racine de %1 : un changement de signe en x = %2 où f saute (un pôle ?).</translation>
    </message>
    <message>
        <source>No root of %1: f is not defined at x = %2.</source>
        <translation>Pas de racine de %1 : f n’est pas définie en x = %2.</translation>
    </message>
    <message>
        <source>No integral of %1: f is not defined at x = %2.</source>
        <translation>Pas d’intégrale de %1 : f n’est pas définie en x = %2.</translation>
    </message>
    <message>
        <source>The integral of %1 is less certain than 1e-12: its error estimate is %2 (%3 of ∫|f|).</source>
        <translation>L’intégrale de %1 est moins sûre que 1e-12 : son estimation d’erreur est %2 (%3 de ∫|f|).</translation>
    </message>
    <message>
        <source>%1 cannot be solved or integrated: %2 solves or integrates a program itself, and they do not nest.</source>
        <translation>%1 ne peut être résolu ni intégré : %2 résout ou intègre lui-même un programme, et cela ne s’imbrique pas.</translation>
    </message>
    <message>
        <source>A guess is no number.</source>
        <translation>Une estimation n’est pas un nombre.</translation>
    </message>
    <message>
        <source>There is no program yet: Programs &gt; Edit Programs makes one that takes x and leaves f(x).</source>
        <translation>Il n’y a pas encore de programme : Programmes &gt; Modifier les programmes en crée un qui prend x et laisse f(x).</translation>
    </message>
    <message>
        <source>%1 from %2 to %3: %4 sign changes, %5 gaps where f gives no value</source>
        <translation>%1 de %2 à %3 : %4 changements de signe, %5 trous où f n’a pas de valeur</translation>
    </message>
    <message>
        <source>%1 is not at hand in HEX: its key types a digit there.</source>
        <translation>%1 n’est pas disponible en HEX : sa touche y tape un chiffre.</translation>
    </message>
</context>
<context>
    <name>SessionStore</name>
    <message>
        <source>The calculator cannot be kept for the next start: %1: %2. Tabrix tries again after the next change.</source>
        <translation>La calculatrice ne peut pas être conservée pour le prochain démarrage : %1 : %2. Tabrix réessaie après la prochaine modification.</translation>
    </message>
    <message>
        <source>The calculator of the last session could not be read: %1. It could not be moved aside either; Tabrix starts afresh and saves no session until it is started again.</source>
        <translation>La calculatrice de la dernière session n’a pas pu être lue : %1. Elle n’a pas non plus pu être mise de côté ; Tabrix repart de zéro et n’enregistre aucune session avant le prochain démarrage.</translation>
    </message>
    <message>
        <source>The calculator of the last session could not be read: %1. Tabrix starts afresh; the file is kept as %2.</source>
        <translation>La calculatrice de la dernière session n’a pas pu être lue : %1. Tabrix repart de zéro ; le fichier est conservé sous %2.</translation>
    </message>
    <message>
        <source>%1 of the last session&apos;s tape lines could not be read and were left out; the file is kept as %2.</source>
        <translation>%1 lignes du ruban de la dernière session n’ont pas pu être lues et ont été omises ; le fichier est conservé sous %2.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>There are no points yet (Σ+ adds them).</source>
        <translation>Il n’y a pas encore de points (Σ+ les ajoute).</translation>
    </message>
    <message>
        <source>One point is not enough: it needs two at least.</source>
        <translation>Un point ne suffit pas : il en faut au moins deux.</translation>
    </message>
    <message>
        <source>Every x is equal, so no line fits.</source>
        <translation>Tous les x sont égaux, aucune droite ne convient donc.</translation>
    </message>
    <message>
        <source>Every y is equal, so r is undefined.</source>
        <translation>Tous les y sont égaux, r n’est donc pas défini.</translation>
    </message>
    <message>
        <source>The slope is 0, so no x gives that y.</source>
        <translation>La pente est 0, aucun x ne donne donc ce y.</translation>
    </message>
    <message>
        <source>The weights add up to 0 (Σy = 0).</source>
        <translation>La somme des poids est 0 (Σy = 0).</translation>
    </message>
    <message>
        <source>The points are inconsistent: Σ− removed a point that was never added.</source>
        <translation>Les points sont incohérents : Σ− a retiré un point jamais ajouté.</translation>
    </message>
    <message>
        <source>The result is beyond the calculator&apos;s range.</source>
        <translation>Le résultat dépasse la plage de la calculatrice.</translation>
    </message>
    <message>
        <source>The point is not a finite number.</source>
        <translation>Le point n’est pas un nombre fini.</translation>
    </message>
    <message>
        <source>There are no points to remove.</source>
        <translation>Il n’y a aucun point à retirer.</translation>
    </message>
    <message>
        <source>No result from %1.</source>
        <translation>Aucun résultat de %1.</translation>
    </message>
    <message>
        <source>the number of points</source>
        <translation>le nombre de points</translation>
    </message>
    <message>
        <source>the mean of x</source>
        <translation>la moyenne de x</translation>
    </message>
    <message>
        <source>the mean of y</source>
        <translation>la moyenne de y</translation>
    </message>
    <message>
        <source>the sample standard deviation of x</source>
        <translation>l’écart type de l’échantillon de x</translation>
    </message>
    <message>
        <source>the sample standard deviation of y</source>
        <translation>l’écart type de l’échantillon de y</translation>
    </message>
    <message>
        <source>the correlation coefficient</source>
        <translation>le coefficient de corrélation</translation>
    </message>
    <message>
        <source>the intercept of the line y = a + b·x</source>
        <translation>l’ordonnée à l’origine de la droite y = a + b·x</translation>
    </message>
    <message>
        <source>the slope of the line y = a + b·x</source>
        <translation>la pente de la droite y = a + b·x</translation>
    </message>
    <message>
        <source>A word cannot be divided by 0.</source>
        <translation>Un mot ne peut pas être divisé par 0.</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>Reset State</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Copy Exact</source>
        <translation>Copie exacte</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Load State %1</source>
        <translation>Charger l’état %1</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>Coller %1</translation>
    </message>
    <message>
        <source>Paste Number “%1”</source>
        <translation>Coller le nombre « %1 »</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Exécuter %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Pas %1</translation>
    </message>
    <message>
        <source>Program %1</source>
        <translation>Programme %1</translation>
    </message>
    <message>
        <source>%1 stopped at step %2</source>
        <translation>%1 arrêté au pas %2</translation>
    </message>
    <message>
        <source>Paste Data: %1 points</source>
        <translation>Coller des données : %1 points</translation>
    </message>
    <message>
        <source>Solve %1</source>
        <translation>Résoudre %1</translation>
    </message>
    <message>
        <source>Integrate %1</source>
        <translation>Intégrer %1</translation>
    </message>
    <message>
        <source>%1, stopped</source>
        <translation>%1, arrêté</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Save as text</source>
        <translation>Enregistrer en texte</translation>
    </message>
    <message>
        <source>Keep the calculator after a reload</source>
        <translation>Garder la calculatrice après un rechargement</translation>
    </message>
    <message>
        <source>Vibrate on key press</source>
        <translation>Vibrer à l’appui d’une touche</translation>
    </message>
    <message>
        <source>Delete clears X; Escape clears the stack and the registers and keeps the modes. Menu &gt; Settings changes the keyboard keys.</source>
        <translation>Suppr efface X&#xa0;; Échap efface la pile et les registres et garde les modes. Menu &gt; Réglages change les touches du clavier.</translation>
    </message>
    <message>
        <source>The browser does not let the page read the clipboard: paste the text here.</source>
        <translation>Le navigateur ne laisse pas la page lire le presse-papiers&#xa0;: collez le texte ici.</translation>
    </message>
    <message>
        <source>The browser did not let the page copy.</source>
        <translation>Le navigateur n’a pas laissé la page copier.</translation>
    </message>
    <message>
        <source>The calculator of the last visit could not be read; it is kept aside as %1.</source>
        <translation>La calculatrice de la dernière visite n’a pas pu être lue&#xa0;; elle est mise de côté sous %1.</translation>
    </message>
    <message>
        <source>The calculator could not start: %1</source>
        <translation>La calculatrice n’a pas pu démarrer&#xa0;: %1</translation>
    </message>
    <message>
        <source>None: the program runs.</source>
        <translation>Aucun : le programme s’exécute.</translation>
    </message>
    <message>
        <source>There is a program %1 already.</source>
        <translation>Il existe déjà un programme %1.</translation>
    </message>
    <message>
        <source>“%1” is no program name: a letter, then letters, digits or _, 32 at most.</source>
        <translation>« %1 » n’est pas un nom de programme : une lettre, puis des lettres, des chiffres ou _, 32 au plus.</translation>
    </message>
    <message>
        <source>Delete the program %1?</source>
        <translation>Supprimer le programme %1 ?</translation>
    </message>
    <message>
        <source>Tokens that complete the word; Tab takes the first.</source>
        <translation>Jetons qui complètent le mot ; Tab prend le premier.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Enregistré sous %1</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Share X</source>
        <translation>Partager X</translation>
    </message>
    <message>
        <source>A new version of Tabrix is ready.</source>
        <translation>Une nouvelle version de Tabrix est prête.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Stack</source>
        <translation>Pile</translation>
    </message>
    <message>
        <source>Tap a line to put its value in X.</source>
        <translation>Touchez une ligne pour mettre sa valeur dans X.</translation>
    </message>
</context>
</TS>
