<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Accessibility</name>
    <message>
        <source>times ten to the</source>
        <translation>mal zehn hoch</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>Zweitfunktion</translation>
    </message>
    <message>
        <source>shifted</source>
        <translation>Zweitfunktion</translation>
    </message>
    <message>
        <source>Calculator display</source>
        <translation>Rechneranzeige</translation>
    </message>
    <message>
        <source>Tabrix calculator</source>
        <translation>Tabrix-Rechner</translation>
    </message>
</context>
<context>
    <name>Bits</name>
    <message>
        <source>x = %1 %2: %3 of %4 bits set</source>
        <translation>x = %1 %2: %3 von %4 Bits gesetzt</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tabrix</source>
        <translation>Über Tabrix</translation>
    </message>
    <message>
        <source>Tabrix Calculator Version 1.0 (Alpha)</source>
        <translation>Tabrix-Rechner Version 1.0 (Alpha)</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Tabrix developers</source>
        <translation>Copyright (C) 2026 Die Tabrix-Entwickler</translation>
    </message>
    <message>
        <source>Visit the sponsor:</source>
        <translation>Besuchen Sie den Sponsor:</translation>
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
        <translation>Funktion suchen</translation>
    </message>
    <message>
        <source>A few letters of a function: tanh, mod, register…</source>
        <translation>Ein paar Buchstaben einer Funktion: tanh, mod, Register…</translation>
    </message>
    <message>
        <source>&amp;Function:</source>
        <translation>&amp;Funktion:</translation>
    </message>
</context>
<context>
    <name>CFunctionPlotView</name>
    <message>
        <source>Plot of f(x)</source>
        <translation>Graph von f(x)</translation>
    </message>
</context>
<context>
    <name>CKeysWindow</name>
    <message>
        <source>Keys and Keyboard</source>
        <translation>Tasten und Tastatur</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Shifted (after F)</source>
        <translation>Zweitfunktion (nach F)</translation>
    </message>
    <message>
        <source>Keyboard keys</source>
        <translation>Tastaturtasten</translation>
    </message>
    <message>
        <source>Delete clears X; Escape clears the stack and the registers and keeps the modes. Edit &gt; Preferences changes the keyboard keys.</source>
        <translation>Entf löscht X; Esc löscht den Stapel und die Register und behält die Modi bei. Unter Bearbeiten &gt; Einstellungen lassen sich die Tastaturtasten ändern.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
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
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Save State</source>
        <translation>Zustand &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Load State</source>
        <translation>Zustand &amp;laden</translation>
    </message>
    <message>
        <source>R&amp;eset State</source>
        <translation>Zustand &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Copy &amp;Exact</source>
        <translation>E&amp;xakt kopieren</translation>
    </message>
    <message>
        <source>Paste &amp;Number</source>
        <translation>&amp;Zahl einfügen</translation>
    </message>
    <message>
        <source>Pre&amp;ferences…</source>
        <translation>Ein&amp;stellungen…</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>&amp;Vergrößern</translation>
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
        <source>&amp;Tape</source>
        <translation>&amp;Protokoll</translation>
    </message>
    <message>
        <source>&amp;Clear Tape</source>
        <translation>Protokoll &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Save Tape As…</source>
        <translation>Protokoll speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Keyboard Keys</source>
        <translation>&amp;Tastaturtasten</translation>
    </message>
    <message>
        <source>&amp;Keys and Keyboard</source>
        <translation>&amp;Tasten und Tastatur</translation>
    </message>
    <message>
        <source>&amp;About Tabrix...</source>
        <translation>&amp;Über Tabrix...</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>Save Tape</source>
        <translation>Protokoll speichern</translation>
    </message>
    <message>
        <source>Tabrix tape (*.txt)</source>
        <translation>Tabrix-Protokoll (*.txt)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Programs</source>
        <translation>&amp;Programme</translation>
    </message>
    <message>
        <source>&amp;Record Program…</source>
        <translation>Programm &amp;aufzeichnen…</translation>
    </message>
    <message>
        <source>&amp;Stop Recording</source>
        <translation>Aufzeichnung &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Edit Programs…</source>
        <translation>Programme b&amp;earbeiten…</translation>
    </message>
    <message>
        <source>&amp;Import Programs…</source>
        <translation>Programme &amp;importieren…</translation>
    </message>
    <message>
        <source>E&amp;xport Programs…</source>
        <translation>Programme e&amp;xportieren…</translation>
    </message>
    <message>
        <source>F&amp;unctions</source>
        <translation>F&amp;unktionen</translation>
    </message>
    <message>
        <source>&amp;Find Function…</source>
        <translation>Funktion &amp;suchen…</translation>
    </message>
    <message>
        <source>Clear the tape? Undo then begins again with it: what was done before can no longer be undone.</source>
        <translation>Das Protokoll leeren? Rückgängig beginnt dann mit ihm neu: was vorher geschah, lässt sich nicht mehr rückgängig machen.</translation>
    </message>
    <message>
        <source>Clear Tape</source>
        <translation>Protokoll leeren</translation>
    </message>
    <message>
        <source>&amp;High-Contrast LCD</source>
        <translation>Kontrastreiche &amp;Anzeige</translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Mehr</translation>
    </message>
    <message>
        <source>Paste &amp;Data</source>
        <translation>&amp;Daten einfügen</translation>
    </message>
    <message>
        <source>Stat&amp;istics</source>
        <translation>Stat&amp;istik</translation>
    </message>
    <message>
        <source>&amp;Solve…</source>
        <translation>&amp;Lösen…</translation>
    </message>
    <message>
        <source>&amp;Integrate…</source>
        <translation>&amp;Integrieren…</translation>
    </message>
    <message>
        <source>Copy Words with &amp;Base Prefix</source>
        <translation>Wörter mit &amp;Basispräfix kopieren</translation>
    </message>
    <message>
        <source>&amp;Bits</source>
        <translation>&amp;Bitansicht</translation>
    </message>
</context>
<context>
    <name>CNotice</name>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>CNumericDialog</name>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Integrate</source>
        <translation>Integrieren</translation>
    </message>
    <message>
        <source>&amp;Program f(x):</source>
        <translation>&amp;Programm f(x):</translation>
    </message>
    <message>
        <source>First &amp;guess (y):</source>
        <translation>&amp;Erster Schätzwert (y):</translation>
    </message>
    <message>
        <source>&amp;From (y):</source>
        <translation>&amp;Von (y):</translation>
    </message>
    <message>
        <source>Second g&amp;uess (x):</source>
        <translation>&amp;Zweiter Schätzwert (x):</translation>
    </message>
    <message>
        <source>&amp;To (x):</source>
        <translation>&amp;Bis (x):</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message>
        <source>&amp;Integrate</source>
        <translation>&amp;Integrieren</translation>
    </message>
</context>
<context>
    <name>CPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Tastatur</translation>
    </message>
    <message>
        <source>&amp;Restore the calculator when Tabrix starts</source>
        <translation>Rechner beim Start von Tabrix &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>The stack, the registers, the modes and the tape are kept while you work, and come back when Tabrix starts without a state file.</source>
        <translation>Stapel, Register, Modi und Protokoll werden während der Arbeit aufbewahrt und kehren zurück, wenn Tabrix ohne Zustandsdatei startet.</translation>
    </message>
    <message>
        <source>Standard keys</source>
        <translation>Standardtasten</translation>
    </message>
    <message>
        <source>Custom keys</source>
        <translation>Eigene Tasten</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Shifted</source>
        <translation>Zweitfunktion</translation>
    </message>
    <message>
        <source>Keyboard keys</source>
        <translation>Tastaturtasten</translation>
    </message>
    <message>
        <source>&amp;Press a Key…</source>
        <translation>Taste &amp;drücken…</translation>
    </message>
    <message>
        <source>&amp;Add a Key…</source>
        <translation>Taste &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>Re&amp;move a Key</source>
        <translation>Taste &amp;entfernen</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation>&amp;Standard wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Map:</source>
        <translation>&amp;Belegung:</translation>
    </message>
    <message>
        <source>The laptop keys are in use.</source>
        <translation>Die Laptop-Tasten sind aktiv.</translation>
    </message>
    <message>
        <source>The standard keys are in use.</source>
        <translation>Die Standardtasten sind aktiv.</translation>
    </message>
    <message>
        <source>Press the keyboard key for %1 (Escape: no key).</source>
        <translation>Drücken Sie die Tastaturtaste für %1 (Esc: keine Taste).</translation>
    </message>
    <message>
        <source>%1 now presses %2.</source>
        <translation>%1 betätigt jetzt %2.</translation>
    </message>
    <message>
        <source>%1 pressed %2; it now presses %3.</source>
        <translation>%1 betätigte bisher %2 und betätigt jetzt %3.</translation>
    </message>
    <message>
        <source>%1 no longer presses %2.</source>
        <translation>%1 betätigt %2 nicht mehr.</translation>
    </message>
    <message>
        <source>No key was changed.</source>
        <translation>Es wurde keine Taste geändert.</translation>
    </message>
    <message>
        <source>%1 is a shortcut of the window; choose another key.</source>
        <translation>%1 ist ein Tastenkürzel des Fensters; bitte eine andere Taste wählen.</translation>
    </message>
    <message>
        <source>Ke&amp;ys of %1:</source>
        <translation>Tasten &amp;von %1:</translation>
    </message>
    <message>
        <source>Tab moves the keyboard between the calculator and the tape; choose another key.</source>
        <translation>Tab bringt die Tastatur zwischen Rechner und Protokoll hin und her; bitte eine andere Taste wählen.</translation>
    </message>
    <message>
        <source>%1 no longer presses %2: a key takes %3 keyboard keys at most.</source>
        <translation>%1 betätigt %2 nicht mehr: Eine Taste nimmt höchstens %3 Tastaturtasten.</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Key that runs it</source>
        <translation>Taste, die es ausführt</translation>
    </message>
    <message>
        <source>&amp;Set Program Key…</source>
        <translation>Programmtaste &amp;festlegen…</translation>
    </message>
    <message>
        <source>&amp;Clear Program Key</source>
        <translation>Programmtaste &amp;löschen</translation>
    </message>
    <message>
        <source>No key runs %1.</source>
        <translation>Keine Taste führt %1 aus.</translation>
    </message>
    <message>
        <source>%1 now runs %2.</source>
        <translation>%1 führt jetzt %2 aus.</translation>
    </message>
    <message>
        <source>%1 ran %2; it now runs %3.</source>
        <translation>%1 führte %2 aus; jetzt führt sie %3 aus.</translation>
    </message>
    <message>
        <source>Press the key that is to run %1 (Escape: no key).</source>
        <translation>Die Taste drücken, die %1 ausführen soll (Escape: keine Taste).</translation>
    </message>
    <message>
        <source>F&amp;unctions</source>
        <translation>F&amp;unktionen</translation>
    </message>
    <message>
        <source>&amp;Function:</source>
        <translation>Fun&amp;ktion:</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Keyboard key</source>
        <translation>Tastaturtaste</translation>
    </message>
    <message>
        <source>&amp;Give It a Key…</source>
        <translation>Taste &amp;zuweisen…</translation>
    </message>
    <message>
        <source>&amp;Remove the Key</source>
        <translation>Taste &amp;ohne Funktion</translation>
    </message>
    <message>
        <source>A keyboard key given to a function performs it as Find Function does; it no longer presses a calculator key.</source>
        <translation>Eine Tastaturtaste, die einer Funktion zugewiesen ist, führt sie aus wie „Funktion suchen“; sie betätigt keine Rechnertaste mehr.</translation>
    </message>
    <message>
        <source>%1 now performs %2.</source>
        <translation>%1 führt jetzt %2 aus.</translation>
    </message>
    <message>
        <source>%1 no longer performs %2.</source>
        <translation>%1 führt %2 nicht mehr aus.</translation>
    </message>
    <message>
        <source>%1 pressed %2; it now performs %3.</source>
        <translation>%1 drückte %2; jetzt führt sie %3 aus.</translation>
    </message>
    <message>
        <source>%1 performed %2; it now performs %3.</source>
        <translation>%1 führte %2 aus; jetzt führt sie %3 aus.</translation>
    </message>
    <message>
        <source>Laptop keys: also = (ENTER) on the main keyboard</source>
        <translation>Laptop-Tasten: auch = (ENTER) auf der Haupttastatur</translation>
    </message>
</context>
<context>
    <name>CProgramEditor</name>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>&amp;Programs:</source>
        <translation>&amp;Programme:</translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation>&amp;Schritte:</translation>
    </message>
    <message>
        <source>Pro&amp;blems:</source>
        <translation>Pro&amp;bleme:</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>Schri&amp;tt</translation>
    </message>
    <message>
        <source>None: the program runs.</source>
        <translation>Keine: das Programm läuft.</translation>
    </message>
    <message>
        <source>New Program</source>
        <translation>Neues Programm</translation>
    </message>
    <message>
        <source>Rename Program</source>
        <translation>Programm umbenennen</translation>
    </message>
    <message>
        <source>There is a program %1 already.</source>
        <translation>Es gibt schon ein Programm %1.</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Programm löschen</translation>
    </message>
    <message>
        <source>Delete the program %1?</source>
        <translation>Das Programm %1 löschen?</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>R&amp;un</source>
        <translation>&amp;Ausführen</translation>
    </message>
    <message>
        <source>f(x) from y to x, as solve and integrate see it:</source>
        <translation>f(x) von y bis x, wie Lösen und Integrieren es sehen:</translation>
    </message>
</context>
<context>
    <name>CProgramsController</name>
    <message>
        <source>Name of the program:</source>
        <translation>Name des Programms:</translation>
    </message>
    <message>
        <source>“%1” is no program name: a letter, then letters, digits or _, 32 at most.</source>
        <translation>„%1“ ist kein Programmname: ein Buchstabe, dann Buchstaben, Ziffern oder _, höchstens 32.</translation>
    </message>
    <message>
        <source>Record Program</source>
        <translation>Programm aufzeichnen</translation>
    </message>
    <message>
        <source>There is a program %1 already. Record a new one in its place?</source>
        <translation>Es gibt schon ein Programm %1. Ein neues an seiner Stelle aufzeichnen?</translation>
    </message>
    <message>
        <source>Recording %1: every key goes into it until Programs &gt; Stop Recording.</source>
        <translation>%1 wird aufgezeichnet: jede Taste kommt hinein bis Programme &gt; Aufzeichnung beenden.</translation>
    </message>
    <message>
        <source>%1 is recorded.</source>
        <translation>%1 ist aufgezeichnet.</translation>
    </message>
    <message>
        <source>Import Programs</source>
        <translation>Programme importieren</translation>
    </message>
    <message>
        <source>Tabrix programs (*.txt)</source>
        <translation>Tabrix-Programme (*.txt)</translation>
    </message>
    <message>
        <source>%1 holds no programs Tabrix can read: %2</source>
        <translation>%1 enthält keine Programme, die Tabrix lesen kann: %2</translation>
    </message>
    <message>
        <source>The programs of %1 are imported.</source>
        <translation>Die Programme aus %1 sind importiert.</translation>
    </message>
    <message>
        <source>Export Programs</source>
        <translation>Programme exportieren</translation>
    </message>
    <message>
        <source>%1 has programs of the names of yours, which it would replace: %2. Replace them?</source>
        <translation>%1 enthält Programme mit den Namen Ihrer Programme, die es ersetzen würde: %2. Ersetzen?</translation>
    </message>
    <message>
        <source>These programs have problems: %1. tabrix-cli --program and Import Programs refuse a file that holds them. Export them all the same?</source>
        <translation>Diese Programme haben Probleme: %1. tabrix-cli --program und Programme importieren lehnen eine Datei mit ihnen ab. Trotzdem alle exportieren?</translation>
    </message>
</context>
<context>
    <name>CStatisticsPanel</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
</context>
<context>
    <name>CTapePanel</name>
    <message>
        <source>Tape</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Value</source>
        <translation>&amp;Wert kopieren</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>File Error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>There is no text data (ANSI) on the Clipboard.</source>
        <translation>Die Zwischenablage enthält keine Textdaten (ANSI).</translation>
    </message>
    <message>
        <source>Tabrix settings (*.rpn)</source>
        <translation>Tabrix-Einstellungen (*.rpn)</translation>
    </message>
    <message>
        <source>Save State File</source>
        <translation>Zustandsdatei speichern</translation>
    </message>
    <message>
        <source>Load State File</source>
        <translation>Zustandsdatei laden</translation>
    </message>
    <message>
        <source>The file holds more than this version of Tabrix knows; it was loaded without: %1.</source>
        <translation>Die Datei enthält mehr, als diese Version von Tabrix kennt; sie wurde ohne %1 geladen.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>not a kept session</source>
        <translation>keine gespeicherte Sitzung</translation>
    </message>
    <message>
        <source>its calculator cannot be read</source>
        <translation>ihr Rechner kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>a program is running</source>
        <translation>ein Programm läuft</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Platz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Nur lesbares Dateisystem</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Kein Verzeichnis</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Festplattenkontingent überschritten</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>zu groß</translation>
    </message>
    <message>
        <source>not a state file (it goes on after its last field)</source>
        <translation>keine Zustandsdatei (sie geht nach ihrem letzten Feld weiter)</translation>
    </message>
    <message>
        <source>its extension block is damaged (its size is not that of what follows)</source>
        <translation>ihr Erweiterungsblock ist beschädigt (seine Größe passt nicht zu dem, was folgt)</translation>
    </message>
    <message>
        <source>its extension block is damaged (an entry ends early)</source>
        <translation>ihr Erweiterungsblock ist beschädigt (ein Eintrag endet zu früh)</translation>
    </message>
    <message>
        <source>its extension block is damaged (%1 has the wrong size)</source>
        <translation>ihr Erweiterungsblock ist beschädigt (%1 hat die falsche Größe)</translation>
    </message>
    <message>
        <source>not a state file (it is empty)</source>
        <translation>keine Zustandsdatei (sie ist leer)</translation>
    </message>
    <message>
        <source>not a state file (it does not begin as one)</source>
        <translation>keine Zustandsdatei (sie beginnt nicht wie eine)</translation>
    </message>
    <message>
        <source>not a state file (it ends early)</source>
        <translation>keine Zustandsdatei (sie endet zu früh)</translation>
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
        <translation>%1   %2 — Taste %3</translation>
    </message>
    <message>
        <source>No function matches.</source>
        <translation>Keine Funktion passt.</translation>
    </message>
    <message>
        <source>%1 takes a register: type its digit, 0 to 9, then Return.</source>
        <translation>%1 braucht ein Register: seine Ziffer tippen, 0 bis 9, dann Eingabe.</translation>
    </message>
    <message>
        <source>%1 takes a program: type its name, then Return.</source>
        <translation>%1 braucht ein Programm: seinen Namen eingeben, dann Eingabe.</translation>
    </message>
    <message>
        <source>%1 takes a number of bits: type it, 0 to 64, then Return.</source>
        <translation>%1 braucht eine Anzahl Bits: sie eingeben, 0 bis 64, dann Eingabe.</translation>
    </message>
</context>
<context>
    <name>Functions</name>
    <message>
        <source>e to the power x</source>
        <translation>e hoch x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>natürlicher Logarithmus</translation>
    </message>
    <message>
        <source>10 to the power x</source>
        <translation>10 hoch x</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>dekadischer Logarithmus</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>Arkussinus</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>Kosinus</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>Arkuskosinus</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>Tangens</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>Arkustangens</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>Kehrwert</translation>
    </message>
    <message>
        <source>y to the power x</source>
        <translation>y hoch x</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>enter exponent</source>
        <translation>Exponent eingeben</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>display digits</source>
        <translation>angezeigte Nachkommastellen</translation>
    </message>
    <message>
        <source>scientific display, digits</source>
        <translation>wissenschaftliche Darstellung, Stellen</translation>
    </message>
    <message>
        <source>engineering display, digits</source>
        <translation>technische Darstellung, Stellen</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>dividieren</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>exchange x and y</source>
        <translation>x und y vertauschen</translation>
    </message>
    <message>
        <source>roll the stack down</source>
        <translation>Stapel nach unten rotieren</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>Vorzeichen wechseln</translation>
    </message>
    <message>
        <source>roll the stack up</source>
        <translation>Stapel nach oben rotieren</translation>
    </message>
    <message>
        <source>angles in degrees</source>
        <translation>Winkel in Grad</translation>
    </message>
    <message>
        <source>angles in radians</source>
        <translation>Winkel im Bogenmaß</translation>
    </message>
    <message>
        <source>angles in grads</source>
        <translation>Winkel in Gon</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>multiplizieren</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>Fakultät</translation>
    </message>
    <message>
        <source>about Tabrix</source>
        <translation>Über Tabrix</translation>
    </message>
    <message>
        <source>hyperbolic functions</source>
        <translation>Hyperbelfunktionen</translation>
    </message>
    <message>
        <source>enter, lifting the stack</source>
        <translation>eingeben, Stapel anheben</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>Zufallszahl</translation>
    </message>
    <message>
        <source>to polar</source>
        <translation>in Polarkoordinaten</translation>
    </message>
    <message>
        <source>to rectangular</source>
        <translation>in kartesische Koordinaten</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>subtrahieren</translation>
    </message>
    <message>
        <source>radians to degrees</source>
        <translation>Bogenmaß in Grad</translation>
    </message>
    <message>
        <source>degrees to radians</source>
        <translation>Grad in Bogenmaß</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>Zweitfunktion</translation>
    </message>
    <message>
        <source>store in a register</source>
        <translation>in Register speichern</translation>
    </message>
    <message>
        <source>recall a register</source>
        <translation>Register abrufen</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>Dezimaltrennzeichen</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>Rückschritt</translation>
    </message>
    <message>
        <source>clear x</source>
        <translation>x löschen</translation>
    </message>
    <message>
        <source>add</source>
        <translation>addieren</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>alles löschen</translation>
    </message>
    <message>
        <source>compare x with 0: when false, skip the next step</source>
        <translation>x mit 0 vergleichen: wenn falsch, den nächsten Schritt überspringen</translation>
    </message>
    <message>
        <source>compare x with y: when false, skip the next step</source>
        <translation>x mit y vergleichen: wenn falsch, den nächsten Schritt überspringen</translation>
    </message>
    <message>
        <source>absolute value</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>integer part, toward zero</source>
        <translation>ganzzahliger Teil, zur Null hin</translation>
    </message>
    <message>
        <source>fractional part, with the sign of x</source>
        <translation>Nachkommateil, mit dem Vorzeichen von x</translation>
    </message>
    <message>
        <source>y modulo x, with the sign of x</source>
        <translation>y modulo x, mit dem Vorzeichen von x</translation>
    </message>
    <message>
        <source>x rounded as the display shows it</source>
        <translation>x gerundet, wie die Anzeige es zeigt</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>Sinus hyperbolicus</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>Kosinus hyperbolicus</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>Tangens hyperbolicus</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>Areasinus hyperbolicus</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>Areakosinus hyperbolicus</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>Areatangens hyperbolicus</translation>
    </message>
    <message>
        <source>decimal hours to hours, minutes and seconds (H.MMSS)</source>
        <translation>Dezimalstunden in Stunden, Minuten und Sekunden (H.MMSS)</translation>
    </message>
    <message>
        <source>hours, minutes and seconds (H.MMSS) to decimal hours</source>
        <translation>Stunden, Minuten und Sekunden (H.MMSS) in Dezimalstunden</translation>
    </message>
    <message>
        <source>combinations of y things taken x at a time</source>
        <translation>Kombinationen: y Dinge, x auf einmal gewählt</translation>
    </message>
    <message>
        <source>permutations of y things taken x at a time</source>
        <translation>Permutationen: y Dinge, x auf einmal gewählt</translation>
    </message>
    <message>
        <source>the x before the last operation</source>
        <translation>das x vor der letzten Operation</translation>
    </message>
    <message>
        <source>add x to a register</source>
        <translation>x zu einem Register addieren</translation>
    </message>
    <message>
        <source>subtract x from a register</source>
        <translation>x von einem Register abziehen</translation>
    </message>
    <message>
        <source>multiply a register by x</source>
        <translation>ein Register mit x multiplizieren</translation>
    </message>
    <message>
        <source>divide a register by x</source>
        <translation>ein Register durch x teilen</translation>
    </message>
    <message>
        <source>run a program from its start</source>
        <translation>ein Programm von Anfang an ausführen</translation>
    </message>
    <message>
        <source>call a program, then go on after the step</source>
        <translation>ein Programm aufrufen, dann nach dem Schritt weitermachen</translation>
    </message>
    <message>
        <source>a label of the program</source>
        <translation>eine Marke des Programms</translation>
    </message>
    <message>
        <source>jump to a label of the program</source>
        <translation>zu einer Marke des Programms springen</translation>
    </message>
    <message>
        <source>return, as reaching the end does</source>
        <translation>zurückkehren, wie am Ende</translation>
    </message>
    <message>
        <source>a register minus 1: when it is 0, skip the next step</source>
        <translation>ein Register minus 1: wenn es 0 ist, den nächsten Schritt überspringen</translation>
    </message>
    <message>
        <source>a register plus 1: when it is 0, skip the next step</source>
        <translation>ein Register plus 1: wenn es 0 ist, den nächsten Schritt überspringen</translation>
    </message>
    <message>
        <source>the run stops here (cont goes on)</source>
        <translation>der Lauf hält hier an (cont macht weiter)</translation>
    </message>
    <message>
        <source>pause: show the calculator a moment</source>
        <translation>Pause: den Rechner einen Moment zeigen</translation>
    </message>
    <message>
        <source>go on after the stop where a run stopped</source>
        <translation>nach dem Halt weitermachen, an dem ein Lauf anhielt</translation>
    </message>
    <message>
        <source>one step of the stopped run</source>
        <translation>ein Schritt des angehaltenen Laufs</translation>
    </message>
    <message>
        <source>begin a program stopped, then one step</source>
        <translation>ein Programm angehalten beginnen, dann ein Schritt</translation>
    </message>
    <message>
        <source>Number entry</source>
        <translation>Zahleneingabe</translation>
    </message>
    <message>
        <source>Arithmetic</source>
        <translation>Arithmetik</translation>
    </message>
    <message>
        <source>Powers and logarithms</source>
        <translation>Potenzen und Logarithmen</translation>
    </message>
    <message>
        <source>Trigonometry</source>
        <translation>Trigonometrie</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Umrechnungen</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Wahrscheinlichkeit</translation>
    </message>
    <message>
        <source>Stack</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Tastenfeld</translation>
    </message>
    <message>
        <source>add the point (x, y) to the statistics</source>
        <translation>den Punkt (x, y) zur Statistik hinzufügen</translation>
    </message>
    <message>
        <source>take the point (x, y) back out of the statistics</source>
        <translation>den Punkt (x, y) wieder aus der Statistik nehmen</translation>
    </message>
    <message>
        <source>remove all points</source>
        <translation>alle Punkte entfernen</translation>
    </message>
    <message>
        <source>the number of points</source>
        <translation>die Anzahl der Punkte</translation>
    </message>
    <message>
        <source>the means: x̄ into x, ȳ into y</source>
        <translation>die Mittelwerte: x̄ nach x, ȳ nach y</translation>
    </message>
    <message>
        <source>sample standard deviations: sx into x, sy into y</source>
        <translation>Stichproben-Standardabweichungen: sx nach x, sy nach y</translation>
    </message>
    <message>
        <source>population standard deviations: σx into x, σy into y</source>
        <translation>Standardabweichungen der Grundgesamtheit: σx nach x, σy nach y</translation>
    </message>
    <message>
        <source>the mean of x weighted by y</source>
        <translation>der Mittelwert von x, gewichtet mit y</translation>
    </message>
    <message>
        <source>linear regression y = a + b·x: a into x, b into y</source>
        <translation>lineare Regression y = a + b·x: a nach x, b nach y</translation>
    </message>
    <message>
        <source>ŷ on the regression line for x, and r into y</source>
        <translation>ŷ auf der Regressionsgeraden für x, und r nach y</translation>
    </message>
    <message>
        <source>x̂ on the regression line for the y in x</source>
        <translation>x̂ auf der Regressionsgeraden für das y in x</translation>
    </message>
    <message>
        <source>the correlation coefficient r</source>
        <translation>der Korrelationskoeffizient r</translation>
    </message>
    <message>
        <source>the sums: Σx, Σy, Σx², Σy² into x, y, z, t</source>
        <translation>die Summen: Σx, Σy, Σx², Σy² nach x, y, z, t</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>a root of a program&apos;s f(x), from two guesses in y and x</source>
        <translation>eine Nullstelle von f(x) eines Programms, aus zwei Schätzwerten in y und x</translation>
    </message>
    <message>
        <source>the integral of a program&apos;s f(x) from y to x, its error estimate into y</source>
        <translation>das Integral von f(x) eines Programms von y bis x, die Fehlerschätzung nach y</translation>
    </message>
    <message>
        <source>integer mode in hexadecimal</source>
        <translation>Ganzzahlmodus hexadezimal</translation>
    </message>
    <message>
        <source>integer mode in decimal</source>
        <translation>Ganzzahlmodus dezimal</translation>
    </message>
    <message>
        <source>integer mode in octal</source>
        <translation>Ganzzahlmodus oktal</translation>
    </message>
    <message>
        <source>integer mode in binary</source>
        <translation>Ganzzahlmodus binär</translation>
    </message>
    <message>
        <source>back to the float modes</source>
        <translation>zurück zu den Gleitkommamodi</translation>
    </message>
    <message>
        <source>word size in bits, 1 to 64</source>
        <translation>Wortbreite in Bits, 1 bis 64</translation>
    </message>
    <message>
        <source>words unsigned</source>
        <translation>Wörter ohne Vorzeichen</translation>
    </message>
    <message>
        <source>words in ones&apos; complement</source>
        <translation>Wörter im Einerkomplement</translation>
    </message>
    <message>
        <source>words in two&apos;s complement</source>
        <translation>Wörter im Zweierkomplement</translation>
    </message>
    <message>
        <source>the remainder of y ÷ x, with the sign of y</source>
        <translation>der Rest von y ÷ x, mit dem Vorzeichen von y</translation>
    </message>
    <message>
        <source>bitwise and of y and x</source>
        <translation>bitweises Und von y und x</translation>
    </message>
    <message>
        <source>bitwise or of y and x</source>
        <translation>bitweises Oder von y und x</translation>
    </message>
    <message>
        <source>bitwise exclusive or of y and x</source>
        <translation>bitweises exklusives Oder von y und x</translation>
    </message>
    <message>
        <source>every bit of x inverted</source>
        <translation>jedes Bit von x umgekehrt</translation>
    </message>
    <message>
        <source>shift x left one bit</source>
        <translation>x um ein Bit nach links schieben</translation>
    </message>
    <message>
        <source>shift x left N bits</source>
        <translation>x um N Bits nach links schieben</translation>
    </message>
    <message>
        <source>shift x right one bit</source>
        <translation>x um ein Bit nach rechts schieben</translation>
    </message>
    <message>
        <source>shift x right N bits</source>
        <translation>x um N Bits nach rechts schieben</translation>
    </message>
    <message>
        <source>shift x right one bit, keeping its top bit</source>
        <translation>x um ein Bit nach rechts schieben, oberstes Bit bleibt</translation>
    </message>
    <message>
        <source>shift x right N bits, keeping its top bit</source>
        <translation>x um N Bits nach rechts schieben, oberstes Bit bleibt</translation>
    </message>
    <message>
        <source>rotate x left one bit</source>
        <translation>x um ein Bit nach links rotieren</translation>
    </message>
    <message>
        <source>rotate x left N bits</source>
        <translation>x um N Bits nach links rotieren</translation>
    </message>
    <message>
        <source>rotate x right one bit</source>
        <translation>x um ein Bit nach rechts rotieren</translation>
    </message>
    <message>
        <source>rotate x right N bits</source>
        <translation>x um N Bits nach rechts rotieren</translation>
    </message>
    <message>
        <source>a word of N ones at the top</source>
        <translation>ein Wort mit N Einsen oben</translation>
    </message>
    <message>
        <source>a word of N ones at the bottom</source>
        <translation>ein Wort mit N Einsen unten</translation>
    </message>
    <message>
        <source>the number of 1 bits in x</source>
        <translation>die Anzahl der 1-Bits in x</translation>
    </message>
    <message>
        <source>x shifted left until its top bit is set into y, the places into x</source>
        <translation>x nach links geschoben, bis das oberste Bit gesetzt ist, nach y, die Stellen nach x</translation>
    </message>
    <message>
        <source>show the higher digits of a long word</source>
        <translation>die höheren Ziffern eines langen Wortes zeigen</translation>
    </message>
    <message>
        <source>show the lower digits of a long word</source>
        <translation>die niedrigeren Ziffern eines langen Wortes zeigen</translation>
    </message>
    <message>
        <source>Integers and bases</source>
        <translation>Ganzzahlen und Basen</translation>
    </message>
    <message>
        <source>toggle bit N of x (bit 0 is the lowest)</source>
        <translation>Bit N von x umschalten (Bit 0 ist das niedrigste)</translation>
    </message>
</context>
<context>
    <name>KeyHelp</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 — keyboard: %2</source>
        <translation>%1 — Tastatur: %2</translation>
    </message>
    <message>
        <source>%1 — shifted: %2 — keyboard: %3</source>
        <translation>%1 — umgeschaltet: %2 — Tastatur: %3</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>keypad %1</source>
        <translation>Ziffernblock %1</translation>
    </message>
</context>
<context>
    <name>PasteData</name>
    <message>
        <source>No points added: no line holds one or two numbers.</source>
        <translation>Keine Punkte hinzugefügt: keine Zeile enthält eine oder zwei Zahlen.</translation>
    </message>
    <message>
        <source>Added %1 points.</source>
        <translation>%1 Punkte hinzugefügt.</translation>
    </message>
    <message>
        <source>Line %1 skipped: “%2” holds no number.</source>
        <translation>Zeile %1 übersprungen: „%2“ enthält keine Zahl.</translation>
    </message>
    <message>
        <source>Line %1 skipped: “%2” holds more than two numbers.</source>
        <translation>Zeile %1 übersprungen: „%2“ enthält mehr als zwei Zahlen.</translation>
    </message>
    <message>
        <source>Line %1 skipped: “%2” is not a way of writing a number.</source>
        <translation>Zeile %1 übersprungen: „%2“ ist keine Schreibweise einer Zahl.</translation>
    </message>
    <message>
        <source>Line %1 skipped: “%2” is beyond the range of numbers.</source>
        <translation>Zeile %1 übersprungen: „%2“ liegt außerhalb des Zahlenbereichs.</translation>
    </message>
    <message>
        <source>%1 more lines skipped.</source>
        <translation>%1 weitere Zeilen übersprungen.</translation>
    </message>
</context>
<context>
    <name>PastedNumber</name>
    <message>
        <source>Pasted %1 — read “%2” as %1</source>
        <translation>%1 eingefügt — „%2“ als %1 gelesen</translation>
    </message>
    <message>
        <source>(“%1” is the decimal separator in your locale)</source>
        <translation>(„%1“ ist in Ihrem Gebietsschema das Dezimaltrennzeichen)</translation>
    </message>
    <message>
        <source>(“%1” groups digits in your locale)</source>
        <translation>(„%1“ ist in Ihrem Gebietsschema das Tausendertrennzeichen)</translation>
    </message>
    <message>
        <source>Nothing pasted: the clipboard text holds no number</source>
        <translation>Nichts eingefügt: Der Text in der Zwischenablage enthält keine Zahl</translation>
    </message>
    <message>
        <source>Nothing pasted: “%1” and “%2” are two numbers</source>
        <translation>Nichts eingefügt: „%1“ und „%2“ sind zwei Zahlen</translation>
    </message>
    <message>
        <source>Nothing pasted: “%1” is not a way of writing a number</source>
        <translation>Nichts eingefügt: „%1“ ist keine Schreibweise einer Zahl</translation>
    </message>
    <message>
        <source>Nothing pasted: “%1” is beyond the range of numbers</source>
        <translation>Nichts eingefügt: „%1“ liegt außerhalb des Zahlenbereichs</translation>
    </message>
    <message>
        <source>(rounded to the nearest number the calculator holds)</source>
        <translation>(auf die nächste Zahl gerundet, die der Rechner halten kann)</translation>
    </message>
    <message>
        <source>Nothing pasted: “%1” is too small: it would be 0</source>
        <translation>Nichts eingefügt: „%1“ ist zu klein, es wäre 0</translation>
    </message>
</context>
<context>
    <name>ProgramKeys</name>
    <message>
        <source>[ProgramKeys] %1: no program may have that name</source>
        <translation>[ProgramKeys] %1: so darf kein Programm heißen</translation>
    </message>
    <message>
        <source>[ProgramKeys] %1=%2: no key a program may have</source>
        <translation>[ProgramKeys] %1=%2: keine Taste, die ein Programm haben darf</translation>
    </message>
    <message>
        <source>A program key is one key, with Ctrl or Alt if you like.</source>
        <translation>Eine Programmtaste ist eine Taste, wenn gewünscht mit Strg oder Alt.</translation>
    </message>
    <message>
        <source>%1 is typed into the calculator; choose a function key (F5) or a key with Ctrl or Alt (Ctrl+1).</source>
        <translation>%1 wird in den Rechner getippt; bitte eine Funktionstaste (F5) oder eine Taste mit Strg oder Alt (Strg+1) wählen.</translation>
    </message>
    <message>
        <source>%1 keeps its own work; choose another key.</source>
        <translation>%1 behält ihre eigene Aufgabe; bitte eine andere Taste wählen.</translation>
    </message>
    <message>
        <source>%1 presses a key of the calculator; choose another key.</source>
        <translation>%1 drückt eine Taste des Rechners; bitte eine andere Taste wählen.</translation>
    </message>
    <message>
        <source>%1 is a shortcut of the window; choose another key.</source>
        <translation>%1 ist ein Tastenkürzel des Fensters; bitte eine andere Taste wählen.</translation>
    </message>
    <message>
        <source>%1 alone is no program key, so that typing stays typing; choose a function key (F5) or a key with Ctrl or Alt (Ctrl+1).</source>
        <translation>%1 allein ist keine Programmtaste, damit Tippen Tippen bleibt; bitte eine Funktionstaste (F5) oder eine Taste mit Strg oder Alt (Strg+1) wählen.</translation>
    </message>
</context>
<context>
    <name>ProgramStore</name>
    <message>
        <source>The programs could not be read: %1. They could not be moved aside either; Tabrix starts without programs and keeps none until it is started again.</source>
        <translation>Die Programme konnten nicht gelesen werden: %1. Sie konnten auch nicht beiseitegelegt werden; Tabrix startet ohne Programme und speichert keine, bis es neu gestartet wird.</translation>
    </message>
    <message>
        <source>The programs could not be read: %1. Tabrix starts without programs; the file is kept as %2.</source>
        <translation>Die Programme konnten nicht gelesen werden: %1. Tabrix startet ohne Programme; die Datei ist als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>The programs cannot be kept: %1: %2. Tabrix tries again after the next change.</source>
        <translation>Die Programme können nicht gespeichert werden: %1: %2. Tabrix versucht es nach der nächsten Änderung wieder.</translation>
    </message>
</context>
<context>
    <name>Programs</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>“%1” is no program name: a letter, then letters, digits or _, 32 at most</source>
        <translation>„%1“ ist kein Programmname: ein Buchstabe, dann Buchstaben, Ziffern oder _, höchstens 32</translation>
    </message>
    <message>
        <source>%1 is no step: a whole run is undone at once</source>
        <translation>%1 ist kein Schritt: ein ganzer Lauf wird auf einmal rückgängig gemacht</translation>
    </message>
    <message>
        <source>%1 goes on with a stopped run: it is no step</source>
        <translation>%1 setzt einen angehaltenen Lauf fort: es ist kein Schritt</translation>
    </message>
    <message>
        <source>%1 is for replaying a tape: a program draws with RAN#</source>
        <translation>%1 dient dem Abspielen eines Protokolls: ein Programm zieht mit RAN#</translation>
    </message>
    <message>
        <source>a def inside the definition of %1</source>
        <translation>ein def innerhalb der Definition von %1</translation>
    </message>
    <message>
        <source>an end without a def</source>
        <translation>ein end ohne def</translation>
    </message>
    <message>
        <source>the definition of %1 has no end</source>
        <translation>die Definition von %1 hat kein end</translation>
    </message>
    <message>
        <source>“%1” stands outside a definition</source>
        <translation>„%1“ steht außerhalb einer Definition</translation>
    </message>
    <message>
        <source>“%1” is no label: letters, digits or _</source>
        <translation>„%1“ ist keine Marke: Buchstaben, Ziffern oder _</translation>
    </message>
    <message>
        <source>the label %1 stands twice in %2</source>
        <translation>die Marke %1 steht zweimal in %2</translation>
    </message>
    <message>
        <source>no program %1 is defined</source>
        <translation>kein Programm %1 ist definiert</translation>
    </message>
    <message>
        <source>%1 takes a register, 0 to 9</source>
        <translation>%1 braucht ein Register, 0 bis 9</translation>
    </message>
    <message>
        <source>“%1” is no token</source>
        <translation>„%1“ ist kein Wort der Sprache</translation>
    </message>
    <message>
        <source>no label %1 in %2</source>
        <translation>keine Marke %1 in %2</translation>
    </message>
    <message>
        <source>A program is running: Esc stops it</source>
        <translation>Ein Programm läuft: Esc hält es an</translation>
    </message>
    <message>
        <source>No program %1 is defined</source>
        <translation>Kein Programm %1 ist definiert</translation>
    </message>
    <message>
        <source>%1 calls %2, which is not defined</source>
        <translation>%1 ruft %2 auf, das nicht definiert ist</translation>
    </message>
    <message>
        <source>No program is stopped</source>
        <translation>Kein Programm ist angehalten</translation>
    </message>
    <message>
        <source>%1 does not run: %2</source>
        <translation>%1 läuft nicht: %2</translation>
    </message>
    <message>
        <source>Running %1 — Esc stops</source>
        <translation>%1 läuft — Esc hält an</translation>
    </message>
    <message>
        <source>Stopped at step %1</source>
        <translation>Angehalten bei Schritt %1</translation>
    </message>
    <message>
        <source>%1 stopped at step %2 (%3): it reached the step limit of %4 steps.</source>
        <translation>%1 hielt bei Schritt %2 (%3) an: die Grenze von %4 Schritten ist erreicht.</translation>
    </message>
    <message>
        <source>%1 stopped at step %2 (%3): more than %4 calls were open.</source>
        <translation>%1 hielt bei Schritt %2 (%3) an: mehr als %4 Aufrufe waren offen.</translation>
    </message>
    <message>
        <source>%1 stopped at step %2 (%3): it calls a program that is not defined.</source>
        <translation>%1 hielt bei Schritt %2 (%3) an: es ruft ein Programm auf, das nicht definiert ist.</translation>
    </message>
    <message>
        <source>%1 is defined twice (also on line %2)</source>
        <translation>%1 ist zweimal definiert (auch in Zeile %2)</translation>
    </message>
    <message>
        <source>%1 (has problems)</source>
        <translation>%1 (hat Probleme)</translation>
    </message>
    <message>
        <source>%1 stopped at step %2 (%3).</source>
        <translation>%1 angehalten bei Schritt %2 (%3).</translation>
    </message>
    <message>
        <source>Solving %1 — Esc stops</source>
        <translation>%1 wird gelöst — Esc hält an</translation>
    </message>
    <message>
        <source>Integrating %1 — Esc stops</source>
        <translation>%1 wird integriert — Esc hält an</translation>
    </message>
    <message>
        <source>Solving %1 was stopped: the stack is as before.</source>
        <translation>Das Lösen von %1 wurde angehalten: der Stapel ist wie zuvor.</translation>
    </message>
    <message>
        <source>Integrating %1 was stopped: the stack is as before.</source>
        <translation>Das Integrieren von %1 wurde angehalten: der Stapel ist wie zuvor.</translation>
    </message>
    <message>
        <source>No root of %1: no sign change found: f looks like it has a minimum near x = %2.</source>
        <translation>Keine Nullstelle von %1: kein Vorzeichenwechsel gefunden: f scheint ein Minimum nahe x = %2 zu haben.</translation>
    </message>
    <message>
        <source>No root of %1: a sign change at x = %2 where f jumps (a pole?).</source>
        <translation>Keine Nullstelle von %1: ein Vorzeichenwechsel bei x = %2, wo f springt (ein Pol?).</translation>
    </message>
    <message>
        <source>No root of %1: f is not defined at x = %2.</source>
        <translation>Keine Nullstelle von %1: f ist bei x = %2 nicht definiert.</translation>
    </message>
    <message>
        <source>No integral of %1: f is not defined at x = %2.</source>
        <translation>Kein Integral von %1: f ist bei x = %2 nicht definiert.</translation>
    </message>
    <message>
        <source>The integral of %1 is less certain than 1e-12: its error estimate is %2 (%3 of ∫|f|).</source>
        <translation>Das Integral von %1 ist unsicherer als 1e-12: seine Fehlerschätzung ist %2 (%3 von ∫|f|).</translation>
    </message>
    <message>
        <source>%1 cannot be solved or integrated: %2 solves or integrates a program itself, and they do not nest.</source>
        <translation>%1 kann nicht gelöst oder integriert werden: %2 löst oder integriert selbst ein Programm, und das lässt sich nicht verschachteln.</translation>
    </message>
    <message>
        <source>A guess is no number.</source>
        <translation>Ein Schätzwert ist keine Zahl.</translation>
    </message>
    <message>
        <source>There is no program yet: Programs &gt; Edit Programs makes one that takes x and leaves f(x).</source>
        <translation>Es gibt noch kein Programm: Programme &gt; Programme bearbeiten erstellt eines, das x nimmt und f(x) hinterlässt.</translation>
    </message>
    <message>
        <source>%1 from %2 to %3: %4 sign changes, %5 gaps where f gives no value</source>
        <translation>%1 von %2 bis %3: %4 Vorzeichenwechsel, %5 Lücken, wo f keinen Wert hat</translation>
    </message>
    <message>
        <source>%1 is not at hand in HEX: its key types a digit there.</source>
        <translation>%1 ist in HEX nicht verfügbar: seine Taste tippt dort eine Ziffer.</translation>
    </message>
</context>
<context>
    <name>SessionStore</name>
    <message>
        <source>The calculator cannot be kept for the next start: %1: %2. Tabrix tries again after the next change.</source>
        <translation>Der Rechner kann nicht für den nächsten Start aufbewahrt werden: %1: %2. Tabrix versucht es nach der nächsten Änderung erneut.</translation>
    </message>
    <message>
        <source>The calculator of the last session could not be read: %1. It could not be moved aside either; Tabrix starts afresh and saves no session until it is started again.</source>
        <translation>Der Rechner der letzten Sitzung konnte nicht gelesen werden: %1. Er konnte auch nicht beiseitegelegt werden; Tabrix beginnt von vorn und speichert keine Sitzung bis zum nächsten Start.</translation>
    </message>
    <message>
        <source>The calculator of the last session could not be read: %1. Tabrix starts afresh; the file is kept as %2.</source>
        <translation>Der Rechner der letzten Sitzung konnte nicht gelesen werden: %1. Tabrix beginnt von vorn; die Datei wird als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 of the last session&apos;s tape lines could not be read and were left out; the file is kept as %2.</source>
        <translation>%1 Zeilen des Protokolls der letzten Sitzung konnten nicht gelesen werden und wurden ausgelassen; die Datei wird als %2 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>There are no points yet (Σ+ adds them).</source>
        <translation>Es gibt noch keine Punkte (Σ+ fügt sie hinzu).</translation>
    </message>
    <message>
        <source>One point is not enough: it needs two at least.</source>
        <translation>Ein Punkt reicht nicht: es braucht mindestens zwei.</translation>
    </message>
    <message>
        <source>Every x is equal, so no line fits.</source>
        <translation>Alle x sind gleich, daher passt keine Gerade.</translation>
    </message>
    <message>
        <source>Every y is equal, so r is undefined.</source>
        <translation>Alle y sind gleich, daher ist r nicht definiert.</translation>
    </message>
    <message>
        <source>The slope is 0, so no x gives that y.</source>
        <translation>Die Steigung ist 0, daher ergibt kein x dieses y.</translation>
    </message>
    <message>
        <source>The weights add up to 0 (Σy = 0).</source>
        <translation>Die Gewichte ergeben zusammen 0 (Σy = 0).</translation>
    </message>
    <message>
        <source>The points are inconsistent: Σ− removed a point that was never added.</source>
        <translation>Die Punkte sind widersprüchlich: Σ− hat einen Punkt entfernt, der nie hinzugefügt wurde.</translation>
    </message>
    <message>
        <source>The result is beyond the calculator&apos;s range.</source>
        <translation>Das Ergebnis liegt außerhalb des Bereichs des Rechners.</translation>
    </message>
    <message>
        <source>The point is not a finite number.</source>
        <translation>Der Punkt ist keine endliche Zahl.</translation>
    </message>
    <message>
        <source>There are no points to remove.</source>
        <translation>Es gibt keine Punkte zum Entfernen.</translation>
    </message>
    <message>
        <source>No result from %1.</source>
        <translation>Kein Ergebnis von %1.</translation>
    </message>
    <message>
        <source>the number of points</source>
        <translation>die Anzahl der Punkte</translation>
    </message>
    <message>
        <source>the mean of x</source>
        <translation>der Mittelwert von x</translation>
    </message>
    <message>
        <source>the mean of y</source>
        <translation>der Mittelwert von y</translation>
    </message>
    <message>
        <source>the sample standard deviation of x</source>
        <translation>die Stichproben-Standardabweichung von x</translation>
    </message>
    <message>
        <source>the sample standard deviation of y</source>
        <translation>die Stichproben-Standardabweichung von y</translation>
    </message>
    <message>
        <source>the correlation coefficient</source>
        <translation>der Korrelationskoeffizient</translation>
    </message>
    <message>
        <source>the intercept of the line y = a + b·x</source>
        <translation>der Achsenabschnitt der Geraden y = a + b·x</translation>
    </message>
    <message>
        <source>the slope of the line y = a + b·x</source>
        <translation>die Steigung der Geraden y = a + b·x</translation>
    </message>
    <message>
        <source>A word cannot be divided by 0.</source>
        <translation>Ein Wort kann nicht durch 0 geteilt werden.</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>Reset State</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Copy Exact</source>
        <translation>Exakte Kopie</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Load State %1</source>
        <translation>Zustand laden %1</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>Einfügen %1</translation>
    </message>
    <message>
        <source>Paste Number “%1”</source>
        <translation>Zahl einfügen „%1“</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Ausführen %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>Program %1</source>
        <translation>Programm %1</translation>
    </message>
    <message>
        <source>%1 stopped at step %2</source>
        <translation>%1 angehalten bei Schritt %2</translation>
    </message>
    <message>
        <source>Paste Data: %1 points</source>
        <translation>Daten einfügen: %1 Punkte</translation>
    </message>
    <message>
        <source>Solve %1</source>
        <translation>Lösen %1</translation>
    </message>
    <message>
        <source>Integrate %1</source>
        <translation>Integrieren %1</translation>
    </message>
    <message>
        <source>%1, stopped</source>
        <translation>%1, angehalten</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Save as text</source>
        <translation>Als Text speichern</translation>
    </message>
    <message>
        <source>Keep the calculator after a reload</source>
        <translation>Rechner nach dem Neuladen behalten</translation>
    </message>
    <message>
        <source>Vibrate on key press</source>
        <translation>Beim Tastendruck vibrieren</translation>
    </message>
    <message>
        <source>Delete clears X; Escape clears the stack and the registers and keeps the modes. Menu &gt; Settings changes the keyboard keys.</source>
        <translation>Entf löscht X; Escape löscht den Stapel und die Register und behält die Modi. Menü &gt; Einstellungen ändert die Tastaturtasten.</translation>
    </message>
    <message>
        <source>The browser does not let the page read the clipboard: paste the text here.</source>
        <translation>Der Browser lässt die Seite die Zwischenablage nicht lesen: den Text hier einfügen.</translation>
    </message>
    <message>
        <source>The browser did not let the page copy.</source>
        <translation>Der Browser hat die Seite nicht kopieren lassen.</translation>
    </message>
    <message>
        <source>The calculator of the last visit could not be read; it is kept aside as %1.</source>
        <translation>Der Rechner des letzten Besuchs konnte nicht gelesen werden; er ist als %1 beiseitegelegt.</translation>
    </message>
    <message>
        <source>The calculator could not start: %1</source>
        <translation>Der Rechner konnte nicht starten: %1</translation>
    </message>
    <message>
        <source>None: the program runs.</source>
        <translation>Keine: das Programm läuft.</translation>
    </message>
    <message>
        <source>There is a program %1 already.</source>
        <translation>Es gibt schon ein Programm %1.</translation>
    </message>
    <message>
        <source>“%1” is no program name: a letter, then letters, digits or _, 32 at most.</source>
        <translation>„%1“ ist kein Programmname: ein Buchstabe, dann Buchstaben, Ziffern oder _, höchstens 32.</translation>
    </message>
    <message>
        <source>Delete the program %1?</source>
        <translation>Das Programm %1 löschen?</translation>
    </message>
    <message>
        <source>Tokens that complete the word; Tab takes the first.</source>
        <translation>Tokens, die das Wort ergänzen; Tab nimmt das erste.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Share X</source>
        <translation>X teilen</translation>
    </message>
    <message>
        <source>A new version of Tabrix is ready.</source>
        <translation>Eine neue Version von Tabrix ist bereit.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Stack</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Tap a line to put its value in X.</source>
        <translation>Tippen Sie auf eine Zeile, um ihren Wert nach X zu holen.</translation>
    </message>
</context>
</TS>
