<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Find-Rep</source>
        <translation>Suchen-Ers.</translation>
    </message>
    <message>
        <source>Rep-Find</source>
        <translation>Ers.-Suchen</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Alle ersetzen</translation>
    </message>
    <message>
        <source>Search Backwards</source>
        <translation>Rückwärts suchen</translation>
    </message>
    <message>
        <source>Stop at Top/Bottom</source>
        <translation>Am Anfang/Ende anhalten</translation>
    </message>
    <message>
        <source>Reg-expression</source>
        <translation>Reg. Ausdruck</translation>
    </message>
    <message>
        <source>Insensitive Searches</source>
        <translation>Groß-/Kleinschreibung ignorieren</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Übermitteln</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>In Arbeit</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Copyright Notice</source>
        <translation>Urheberrechtshinweis</translation>
    </message>
    <message>
        <source>Kestrova Debugger</source>
        <translation>Kestrova Debugger</translation>
    </message>
    <message>
        <source>Paste Operation</source>
        <translation>Einfügevorgang</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Scripts</source>
        <translation>Skripte</translation>
    </message>
    <message>
        <source>A character is not valid for the encoding used in this file</source>
        <translation>Ein Zeichen ist für die Kodierung dieser Datei nicht gültig</translation>
    </message>
    <message>
        <source>This text contains multibyte characters which may not be compatible with the encoding in this file.

Do you wish to complete the Paste operation?</source>
        <translation>Dieser Text enthält Mehrbyte-Zeichen, die mit der Kodierung dieser Datei möglicherweise nicht verträglich sind.

Möchten Sie den Einfügevorgang abschließen?</translation>
    </message>
    <message>
        <source>Show this dialog for this file again</source>
        <translation>Diesen Dialog für diese Datei wieder anzeigen</translation>
    </message>
    <message>
        <source>Edit Breakpoint...</source>
        <translation>Haltepunkt bearbeiten...</translation>
    </message>
    <message>
        <source>Create Breakpoint...</source>
        <translation>Haltepunkt erstellen...</translation>
    </message>
    <message>
        <source>Create Conditional Breakpoint...</source>
        <translation>Bedingten Haltepunkt erstellen...</translation>
    </message>
    <message>
        <source>Create Breakpoint At...</source>
        <translation>Haltepunkt erstellen bei...</translation>
    </message>
    <message>
        <source>Create Conditional Breakpoint At...</source>
        <translation>Bedingten Haltepunkt erstellen bei...</translation>
    </message>
    <message>
        <source>Enable Breakpoint</source>
        <translation>Haltepunkt aktivieren</translation>
    </message>
    <message>
        <source>Disable Breakpoint</source>
        <translation>Haltepunkt deaktivieren</translation>
    </message>
    <message>
        <source>Insert Breakpoint on Statement</source>
        <translation>Haltepunkt auf Anweisung einfügen</translation>
    </message>
    <message>
        <source>Insert Breakpoint</source>
        <translation>Haltepunkt einfügen</translation>
    </message>
    <message>
        <source>Remove Breakpoint</source>
        <translation>Haltepunkt entfernen</translation>
    </message>
    <message>
        <source>Insert Tracepoint...</source>
        <translation>Tracepunkt einfügen...</translation>
    </message>
    <message>
        <source>Create Tracepoint...</source>
        <translation>Tracepunkt erstellen...</translation>
    </message>
    <message>
        <source>Enable Tracepoint</source>
        <translation>Tracepunkt aktivieren</translation>
    </message>
    <message>
        <source>Disable Tracepoint</source>
        <translation>Tracepunkt deaktivieren</translation>
    </message>
    <message>
        <source>Remove Tracepoint</source>
        <translation>Tracepunkt entfernen</translation>
    </message>
    <message>
        <source>Toggle Tracepoint</source>
        <translation>Tracepunkt umschalten</translation>
    </message>
    <message>
        <source>Set Trace Range</source>
        <translation>Tracebereich setzen</translation>
    </message>
    <message>
        <source>Set HSD Break</source>
        <translation>HSD-Halt setzen</translation>
    </message>
    <message>
        <source>Set System Break</source>
        <translation>Systemhalt setzen</translation>
    </message>
    <message>
        <source>Set Process Break</source>
        <translation>Prozesshalt setzen</translation>
    </message>
    <message>
        <source>Set Thread Break</source>
        <translation>Thread-Halt setzen</translation>
    </message>
    <message>
        <source>Set PC To Here</source>
        <translation>PC hierher setzen</translation>
    </message>
    <message>
        <source>Run To</source>
        <translation>Ausführen bis</translation>
    </message>
    <message>
        <source>Run To Here</source>
        <translation>Bis hierher ausführen</translation>
    </message>
    <message>
        <source>Interleave Source</source>
        <translation>Quelltext einblenden</translation>
    </message>
    <message>
        <source>Disassembly Format...</source>
        <translation>Disassemblierformat...</translation>
    </message>
    <message>
        <source>View PC</source>
        <translation>PC anzeigen</translation>
    </message>
    <message>
        <source>View Line...</source>
        <translation>Zeile anzeigen...</translation>
    </message>
    <message>
        <source>View Memory At Value</source>
        <translation>Speicher beim Wert anzeigen</translation>
    </message>
    <message>
        <source>View Memory At Address</source>
        <translation>Speicher bei Adresse anzeigen</translation>
    </message>
    <message>
        <source>Scope To</source>
        <translation>Gültigkeitsbereich auf</translation>
    </message>
    <message>
        <source>Display Symbol From Content</source>
        <translation>Symbol aus Inhalt anzeigen</translation>
    </message>
    <message>
        <source>Display Symbol At Address</source>
        <translation>Symbol bei Adresse anzeigen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Breakpoint Properties</source>
        <translation>Haltepunkt-Eigenschaften</translation>
    </message>
    <message>
        <source>Locate PC in Disassembly</source>
        <translation>PC in Disassemblierung suchen</translation>
    </message>
    <message>
        <source>Locate PC in Source</source>
        <translation>PC im Quelltext suchen</translation>
    </message>
    <message>
        <source>Locate Line...</source>
        <translation>Zeile suchen...</translation>
    </message>
    <message>
        <source>Locate Address...</source>
        <translation>Adresse suchen...</translation>
    </message>
    <message>
        <source>Locate Source</source>
        <translation>Quelltext suchen</translation>
    </message>
    <message>
        <source>Locate Disassembly</source>
        <translation>Disassemblierung suchen</translation>
    </message>
    <message>
        <source>Add Watch</source>
        <translation>Überwachung hinzufügen</translation>
    </message>
    <message>
        <source>Modify Value...</source>
        <translation>Wert ändern...</translation>
    </message>
    <message>
        <source>Set Width of Column 1</source>
        <translation>Breite von Spalte 1 setzen</translation>
    </message>
    <message>
        <source>Reset Target</source>
        <translation>Ziel zurücksetzen</translation>
    </message>
    <message>
        <source>Load Image...</source>
        <translation>Abbild laden...</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Reload Symbols</source>
        <translation>Symbole neu laden</translation>
    </message>
    <message>
        <source>Unload</source>
        <translation>Entladen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Load Symbols</source>
        <translation>Symbole laden</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Project Settings...</source>
        <translation>Projekteinstellungen...</translation>
    </message>
    <message>
        <source>Delete Auto-Project File</source>
        <translation>Auto-Projektdatei löschen</translation>
    </message>
    <message>
        <source>Collect From project</source>
        <translation>Aus Projekt sammeln</translation>
    </message>
    <message>
        <source>Collect From Makefile</source>
        <translation>Aus Makefile sammeln</translation>
    </message>
    <message>
        <source>Collect from Image</source>
        <translation>Aus Abbild sammeln</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Rebuild All</source>
        <translation>Alles neu erstellen</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Bereinigen</translation>
    </message>
    <message>
        <source>Update dependencies</source>
        <translation>Abhängigkeiten aktualisieren</translation>
    </message>
    <message>
        <source>Build this File</source>
        <translation>Diese Datei erstellen</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Disable RSD</source>
        <translation>RSD deaktivieren</translation>
    </message>
    <message>
        <source>Enable RSD</source>
        <translation>RSD aktivieren</translation>
    </message>
    <message>
        <source>Stop Target</source>
        <translation>Ziel anhalten</translation>
    </message>
    <message>
        <source>Enable Monitor</source>
        <translation>Monitor aktivieren</translation>
    </message>
    <message>
        <source>Disable Monitor</source>
        <translation>Monitor deaktivieren</translation>
    </message>
    <message>
        <source>Create Map Entry...</source>
        <translation>Zuordnungseintrag erstellen...</translation>
    </message>
    <message>
        <source>Edit Map Entry...</source>
        <translation>Zuordnungseintrag bearbeiten...</translation>
    </message>
    <message>
        <source>Update Map Based on Image</source>
        <translation>Zuordnung nach Abbild aktualisieren</translation>
    </message>
    <message>
        <source>Update Map Based on Processor</source>
        <translation>Zuordnung nach Prozessor aktualisieren</translation>
    </message>
    <message>
        <source>Save Map to Linker Command File...</source>
        <translation>Zuordnung in Linker-Befehlsdatei speichern...</translation>
    </message>
    <message>
        <source>Delete Map Entry</source>
        <translation>Zuordnungseintrag löschen</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Memory Mapping</source>
        <translation>Speicherzuordnung</translation>
    </message>
    <message>
        <source>Update All</source>
        <translation>Alle aktualisieren</translation>
    </message>
    <message>
        <source>Make Current</source>
        <translation>Zum aktuellen machen</translation>
    </message>
    <message>
        <source>Attach Window To</source>
        <translation>Fenster anhängen an</translation>
    </message>
    <message>
        <source>Thread Properties</source>
        <translation>Thread-Eigenschaften</translation>
    </message>
    <message>
        <source>Start Thread</source>
        <translation>Thread starten</translation>
    </message>
    <message>
        <source>Stop Thread</source>
        <translation>Thread anhalten</translation>
    </message>
    <message>
        <source>Actions...</source>
        <translation>Aktionen...</translation>
    </message>
    <message>
        <source>Show Class Definition</source>
        <translation>Klassendefinition anzeigen</translation>
    </message>
    <message>
        <source>Find Class Definition...</source>
        <translation>Klassendefinition suchen...</translation>
    </message>
    <message>
        <source>Set Break on All Member Functions</source>
        <translation>Halt auf allen Memberfunktionen setzen</translation>
    </message>
    <message>
        <source>Show Function Definition</source>
        <translation>Funktionsdefinition anzeigen</translation>
    </message>
    <message>
        <source>Set Break</source>
        <translation>Halt setzen</translation>
    </message>
    <message>
        <source>Set Break...</source>
        <translation>Halt setzen...</translation>
    </message>
    <message>
        <source>Set Break from Function/Label list</source>
        <translation>Halt aus Funktions-/Labelliste setzen</translation>
    </message>
    <message>
        <source>Named Break...</source>
        <translation>Benannter Halt...</translation>
    </message>
    <message>
        <source>Processor Exceptions...</source>
        <translation>Prozessorausnahmen...</translation>
    </message>
    <message>
        <source>Breakpoint/Tracepoint History...</source>
        <translation>Haltepunkt-/Tracepunkt-Verlauf...</translation>
    </message>
    <message>
        <source>Breakpoint/Tracepoint Favorites...</source>
        <translation>Haltepunkt-/Tracepunkt-Favoriten...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Copy Breakpoint/Tracepoint...</source>
        <translation>Haltepunkt/Tracepunkt kopieren...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Break Trigger Group...</source>
        <translation>Halt-Triggergruppe...</translation>
    </message>
    <message>
        <source>View Code</source>
        <translation>Code anzeigen</translation>
    </message>
    <message>
        <source>Reset Pass Counters</source>
        <translation>Durchlaufzähler zurücksetzen</translation>
    </message>
    <message>
        <source>Show Break Capabilities of HW...</source>
        <translation>Haltefähigkeiten der Hardware anzeigen...</translation>
    </message>
    <message>
        <source>Update View</source>
        <translation>Ansicht aktualisieren</translation>
    </message>
    <message>
        <source>Automatic Update</source>
        <translation>Automatisch aktualisieren</translation>
    </message>
    <message>
        <source>Update Item</source>
        <translation>Element aktualisieren</translation>
    </message>
    <message>
        <source>Show Strings</source>
        <translation>Zeichenketten anzeigen</translation>
    </message>
    <message>
        <source>Show Integers in Hex</source>
        <translation>Ganzzahlen hexadezimal anzeigen</translation>
    </message>
    <message>
        <source>Format...</source>
        <translation>Format...</translation>
    </message>
    <message>
        <source>Signed Decimal</source>
        <translation>Dezimal mit Vorzeichen</translation>
    </message>
    <message>
        <source>Unsigned Decimal</source>
        <translation>Dezimal ohne Vorzeichen</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadezimal</translation>
    </message>
    <message>
        <source>Hexadecimal with Leading Zeros</source>
        <translation>Hexadezimal mit führenden Nullen</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Half Words</source>
        <translation>Halbwörter</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Double Words</source>
        <translation>Doppelwörter</translation>
    </message>
    <message>
        <source>Show ASCII</source>
        <translation>ASCII anzeigen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Timed Update When Running</source>
        <translation>Zeitgesteuert aktualisieren während der Ausführung</translation>
    </message>
    <message>
        <source>Timed Update Period...</source>
        <translation>Aktualisierungsintervall...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Add Watch...</source>
        <translation>Überwachung hinzufügen...</translation>
    </message>
    <message>
        <source>Recompute Expression With Original Context</source>
        <translation>Ausdruck im ursprünglichen Kontext neu berechnen</translation>
    </message>
    <message>
        <source>Set Start Address...</source>
        <translation>Startadresse setzen...</translation>
    </message>
    <message>
        <source>Set Start Address From Content</source>
        <translation>Startadresse aus Inhalt setzen</translation>
    </message>
    <message>
        <source>Use Previous Address</source>
        <translation>Vorherige Adresse verwenden</translation>
    </message>
    <message>
        <source>Recompute Start Address</source>
        <translation>Startadresse neu berechnen</translation>
    </message>
    <message>
        <source>Set Value...</source>
        <translation>Wert setzen...</translation>
    </message>
    <message>
        <source>First Watch window</source>
        <translation>Erstes Überwachungsfenster</translation>
    </message>
    <message>
        <source>Second Watch window</source>
        <translation>Zweites Überwachungsfenster</translation>
    </message>
    <message>
        <source>Third Watch window</source>
        <translation>Drittes Überwachungsfenster</translation>
    </message>
    <message>
        <source>Fourth Watch window</source>
        <translation>Viertes Überwachungsfenster</translation>
    </message>
    <message>
        <source>Active Connections List</source>
        <translation>Liste der aktiven Verbindungen</translation>
    </message>
    <message>
        <source>Add from Favorites...</source>
        <translation>Aus Favoriten hinzufügen...</translation>
    </message>
    <message>
        <source>Add or Copy Map Entry...</source>
        <translation>Zuordnungseintrag hinzufügen oder kopieren...</translation>
    </message>
    <message>
        <source>Add/Remove/Edit Devices...</source>
        <translation>Geräte hinzufügen/entfernen/bearbeiten...</translation>
    </message>
    <message>
        <source>Set/Edit Breakpoint...</source>
        <translation>Haltepunkt setzen/bearbeiten...</translation>
    </message>
    <message>
        <source>Application Build Window</source>
        <translation>Fenster für die Anwendungserstellung</translation>
    </message>
    <message>
        <source>Attach Window</source>
        <translation>Fenster anhängen</translation>
    </message>
    <message>
        <source>Base Registers of Processor</source>
        <translation>Basisregister des Prozessors</translation>
    </message>
    <message>
        <source>Break Info...</source>
        <translation>Halt-Info...</translation>
    </message>
    <message>
        <source>Break at...</source>
        <translation>Halt bei...</translation>
    </message>
    <message>
        <source>Break/Tracepoint Favorites...</source>
        <translation>Halt-/Tracepunkt-Favoriten...</translation>
    </message>
    <message>
        <source>Break/Tracepoint History...</source>
        <translation>Halt-/Tracepunkt-Verlauf...</translation>
    </message>
    <message>
        <source>BreakIf...</source>
        <translation>Halt wenn...</translation>
    </message>
    <message>
        <source>Browse C++ Classes</source>
        <translation>C++-Klassen durchsuchen</translation>
    </message>
    <message>
        <source>C++ &apos;this&apos; variable</source>
        <translation>C++-Variable &apos;this&apos;</translation>
    </message>
    <message>
        <source>Call Stack of functions</source>
        <translation>Aufrufstapel der Funktionen</translation>
    </message>
    <message>
        <source>Cexpression</source>
        <translation>C-Ausdruck</translation>
    </message>
    <message>
        <source>Clear All Break/Tracepoints</source>
        <translation>Alle Halt-/Tracepunkte löschen</translation>
    </message>
    <message>
        <source>Clear Break</source>
        <translation>Halt löschen</translation>
    </message>
    <message>
        <source>Clear Output</source>
        <translation>Ausgabe leeren</translation>
    </message>
    <message>
        <source>Close (Ctrl+W)</source>
        <translation>Schließen (Strg+W)</translation>
    </message>
    <message>
        <source>Close File, Keep Tab</source>
        <translation>Datei schließen, Reiter behalten</translation>
    </message>
    <message>
        <source>Code profiling view</source>
        <translation>Code-Profilansicht</translation>
    </message>
    <message>
        <source>Collapse</source>
        <translation>Zuklappen</translation>
    </message>
    <message>
        <source>Collapse All</source>
        <translation>Alle zuklappen</translation>
    </message>
    <message>
        <source>Command/Output Window</source>
        <translation>Befehls-/Ausgabefenster</translation>
    </message>
    <message>
        <source>Configure Device Info...</source>
        <translation>Geräteinformationen konfigurieren...</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Connect (Defining Mode)...</source>
        <translation>Verbinden (Definitionsmodus)...</translation>
    </message>
    <message>
        <source>Connection Properties...</source>
        <translation>Verbindungseigenschaften...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy Break/Tracepoint...</source>
        <translation>Halt-/Tracepunkt kopieren...</translation>
    </message>
    <message>
        <source>Copy Value</source>
        <translation>Wert kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Cycle Counter</source>
        <translation>Zykluszähler</translation>
    </message>
    <message>
        <source>Decrement</source>
        <translation>Verringern</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Disable Break</source>
        <translation>Halt deaktivieren</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Disconnect (Defining Mode)...</source>
        <translation>Trennen (Definitionsmodus)...</translation>
    </message>
    <message>
        <source>Disconnect All</source>
        <translation>Alle trennen</translation>
    </message>
    <message>
        <source>Display Details</source>
        <translation>Details anzeigen</translation>
    </message>
    <message>
        <source>Edit Break/Tracepoint</source>
        <translation>Halt-/Tracepunkt bearbeiten</translation>
    </message>
    <message>
        <source>Edit Break/Tracepoint...</source>
        <translation>Halt-/Tracepunkt bearbeiten...</translation>
    </message>
    <message>
        <source>Edit Map Entry</source>
        <translation>Zuordnungseintrag bearbeiten</translation>
    </message>
    <message>
        <source>Enable Break</source>
        <translation>Halt aktivieren</translation>
    </message>
    <message>
        <source>Enable Memory Mapping</source>
        <translation>Speicherzuordnung aktivieren</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Aufklappen</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Alle aufklappen</translation>
    </message>
    <message>
        <source>Fill Memory with Pattern...</source>
        <translation>Speicher mit Muster füllen...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Rückwärts suchen</translation>
    </message>
    <message>
        <source>Find-In-Files Output Window</source>
        <translation>Ausgabefenster der Dateisuche</translation>
    </message>
    <message>
        <source>General Log Window (all connections)</source>
        <translation>Allgemeines Protokollfenster (alle Verbindungen)</translation>
    </message>
    <message>
        <source>Increment</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation>Abbild laden</translation>
    </message>
    <message>
        <source>Local variables to current function</source>
        <translation>Lokale Variablen der aktuellen Funktion</translation>
    </message>
    <message>
        <source>Memory Mapping Control</source>
        <translation>Steuerung der Speicherzuordnung</translation>
    </message>
    <message>
        <source>Mode Switch</source>
        <translation>Moduswechsel</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste Value</source>
        <translation>Wert einfügen</translation>
    </message>
    <message>
        <source>Patch Asm Interactive...</source>
        <translation>Assembler interaktiv patchen...</translation>
    </message>
    <message>
        <source>Previous Start Address</source>
        <translation>Vorherige Startadresse</translation>
    </message>
    <message>
        <source>Previous Line/Addr List...</source>
        <translation>Liste vorheriger Zeilen/Adressen...</translation>
    </message>
    <message>
        <source>Print &amp;&amp;</source>
        <translation>&amp;&amp; ausgeben</translation>
    </message>
    <message>
        <source>Print *</source>
        <translation>* ausgeben</translation>
    </message>
    <message>
        <source>Print Type</source>
        <translation>Typ ausgeben</translation>
    </message>
    <message>
        <source>Print Values in Hex</source>
        <translation>Werte hexadezimal ausgeben</translation>
    </message>
    <message>
        <source>Process and Image Control</source>
        <translation>Prozess- und Abbildsteuerung</translation>
    </message>
    <message>
        <source>## REMOVED ##</source>
        <translation>## ENTFERNT ##</translation>
    </message>
    <message>
        <source>Re-Open File</source>
        <translation>Datei erneut öffnen</translation>
    </message>
    <message>
        <source>Recall Last Command</source>
        <translation>Letzten Befehl abrufen</translation>
    </message>
    <message>
        <source>Re-evaluate Start Address</source>
        <translation>Startadresse neu auswerten</translation>
    </message>
    <message>
        <source>Refresh Symbols</source>
        <translation>Symbole auffrischen</translation>
    </message>
    <message>
        <source>Reset Map (Delete All)</source>
        <translation>Zuordnung zurücksetzen (alle löschen)</translation>
    </message>
    <message>
        <source>Reset PassCounters/Then-Enables</source>
        <translation>Durchlaufzähler/Folgeaktivierungen zurücksetzen</translation>
    </message>
    <message>
        <source>Reset Target Processor</source>
        <translation>Zielprozessor zurücksetzen</translation>
    </message>
    <message>
        <source>Go To Here</source>
        <translation>Hierher gehen</translation>
    </message>
    <message>
        <source>Run to</source>
        <translation>Ausführen bis</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Scope Down Stack</source>
        <translation>Gültigkeitsbereich im Stapel nach unten</translation>
    </message>
    <message>
        <source>Scope to file</source>
        <translation>Gültigkeitsbereich auf Datei</translation>
    </message>
    <message>
        <source>Scope to Here</source>
        <translation>Gültigkeitsbereich hierher</translation>
    </message>
    <message>
        <source>Scope Up Stack</source>
        <translation>Gültigkeitsbereich im Stapel nach oben</translation>
    </message>
    <message>
        <source>Scope to PC</source>
        <translation>Gültigkeitsbereich auf PC</translation>
    </message>
    <message>
        <source>Select Board File...</source>
        <translation>Platinendatei auswählen...</translation>
    </message>
    <message>
        <source>Semihosting Information</source>
        <translation>Semihosting-Informationen</translation>
    </message>
    <message>
        <source>Set Break All Threads</source>
        <translation>Halt in allen Threads setzen</translation>
    </message>
    <message>
        <source>Set Break At...</source>
        <translation>Halt setzen bei...</translation>
    </message>
    <message>
        <source>Set Break On</source>
        <translation>Halt setzen auf</translation>
    </message>
    <message>
        <source>Set Break on Statement</source>
        <translation>Halt auf Anweisung setzen</translation>
    </message>
    <message>
        <source>Set BreakIf...</source>
        <translation>Halt-wenn setzen...</translation>
    </message>
    <message>
        <source>Set Detailed Tracepoint...</source>
        <translation>Detaillierten Tracepunkt setzen...</translation>
    </message>
    <message>
        <source>Set Disassembly Format...</source>
        <translation>Disassemblierformat setzen...</translation>
    </message>
    <message>
        <source>Set Enumeration...</source>
        <translation>Aufzählung setzen...</translation>
    </message>
    <message>
        <source>Set Instr Break</source>
        <translation>Befehlshalt setzen</translation>
    </message>
    <message>
        <source>Set Memory Interactive...</source>
        <translation>Speicher interaktiv setzen...</translation>
    </message>
    <message>
        <source>Set New Value...</source>
        <translation>Neuen Wert setzen...</translation>
    </message>
    <message>
        <source>Set PC to Here</source>
        <translation>PC hierher setzen</translation>
    </message>
    <message>
        <source>Set Start Address from Content</source>
        <translation>Startadresse aus Inhalt setzen</translation>
    </message>
    <message>
        <source>Set Trace Point...</source>
        <translation>Tracepunkt setzen...</translation>
    </message>
    <message>
        <source>Set Tracepoint...</source>
        <translation>Tracepunkt setzen...</translation>
    </message>
    <message>
        <source>Set Value</source>
        <translation>Wert setzen</translation>
    </message>
    <message>
        <source>Set from Favorites</source>
        <translation>Aus Favoriten setzen</translation>
    </message>
    <message>
        <source>Set from Favorites...</source>
        <translation>Aus Favoriten setzen...</translation>
    </message>
    <message>
        <source>Set start address from Content...</source>
        <translation>Startadresse aus Inhalt setzen...</translation>
    </message>
    <message>
        <source>Set to 0</source>
        <translation>Auf 0 setzen</translation>
    </message>
    <message>
        <source>Set/Toggle Trace Point...</source>
        <translation>Tracepunkt setzen/umschalten...</translation>
    </message>
    <message>
        <source>Set/Toggle Tracepoint...</source>
        <translation>Tracepunkt setzen/umschalten...</translation>
    </message>
    <message>
        <source>Show Code</source>
        <translation>Code anzeigen</translation>
    </message>
    <message>
        <source>Show Context</source>
        <translation>Kontext anzeigen</translation>
    </message>
    <message>
        <source>Show Disassembly/Source at this Location</source>
        <translation>Disassemblierung/Quelltext an dieser Stelle anzeigen</translation>
    </message>
    <message>
        <source>Show Previous Line/Address</source>
        <translation>Vorherige Zeile/Adresse anzeigen</translation>
    </message>
    <message>
        <source>Show Symbol at Address</source>
        <translation>Symbol bei Adresse anzeigen</translation>
    </message>
    <message>
        <source>Show Symbol from Content</source>
        <translation>Symbol aus Inhalt anzeigen</translation>
    </message>
    <message>
        <source>Source Control Output Window</source>
        <translation>Ausgabefenster der Versionsverwaltung</translation>
    </message>
    <message>
        <source>Source code for code trace buffer entries</source>
        <translation>Quelltext zu Einträgen des Code-Tracepuffers</translation>
    </message>
    <message>
        <source>Static variables to current module</source>
        <translation>Statische Variablen des aktuellen Moduls</translation>
    </message>
    <message>
        <source>Switch to Disassembly Mode</source>
        <translation>In den Disassembliermodus wechseln</translation>
    </message>
    <message>
        <source>Switch to Source Mode</source>
        <translation>In den Quelltextmodus wechseln</translation>
    </message>
    <message>
        <source>Synchronize All</source>
        <translation>Alle synchronisieren</translation>
    </message>
    <message>
        <source>Synchronize None</source>
        <translation>Keine synchronisieren</translation>
    </message>
    <message>
        <source>Target STD I/O Window</source>
        <translation>Standard-E/A-Fenster des Ziels</translation>
    </message>
    <message>
        <source>Test JTAG...</source>
        <translation>JTAG testen...</translation>
    </message>
    <message>
        <source>Time Measure from Selected...</source>
        <translation>Zeitmessung ab Auswahl...</translation>
    </message>
    <message>
        <source>Time Measure from Trigger</source>
        <translation>Zeitmessung ab Trigger</translation>
    </message>
    <message>
        <source>Toggle Memory Mapping</source>
        <translation>Speicherzuordnung umschalten</translation>
    </message>
    <message>
        <source>Trace buffer entries</source>
        <translation>Einträge des Tracepuffers</translation>
    </message>
    <message>
        <source>Track in Code Window</source>
        <translation>Im Codefenster verfolgen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Update Map based on Image</source>
        <translation>Zuordnung nach Abbild aktualisieren</translation>
    </message>
    <message>
        <source>Update Map based on Processor</source>
        <translation>Zuordnung nach Prozessor aktualisieren</translation>
    </message>
    <message>
        <source>Update Map based on processor</source>
        <translation>Zuordnung nach Prozessor aktualisieren</translation>
    </message>
    <message>
        <source>View Memory at Address</source>
        <translation>Speicher bei Adresse anzeigen</translation>
    </message>
    <message>
        <source>View Memory at Value</source>
        <translation>Speicher beim Wert anzeigen</translation>
    </message>
    <message>
        <source>View from Location...</source>
        <translation>Ab Stelle anzeigen...</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Überwachen</translation>
    </message>
    <message>
        <source>Stop Target Processor</source>
        <translation>Zielprozessor anhalten</translation>
    </message>
    <message>
        <source>Show Error Code...</source>
        <translation>Fehlercode anzeigen...</translation>
    </message>
    <message>
        <source>Attach Window to Connection</source>
        <translation>Fenster an Verbindung anhängen</translation>
    </message>
    <message>
        <source>Run to Here</source>
        <translation>Bis hierher ausführen</translation>
    </message>
    <message>
        <source>Add this Thread</source>
        <translation>Diesen Thread hinzufügen</translation>
    </message>
    <message>
        <source>Remove this Thread</source>
        <translation>Diesen Thread entfernen</translation>
    </message>
    <message>
        <source>Reset Emulator/Monitor</source>
        <translation>Emulator/Monitor zurücksetzen</translation>
    </message>
    <message>
        <source>Use OnHost Trigger</source>
        <translation>Host-Trigger verwenden</translation>
    </message>
    <message>
        <source>Use HW Trigger</source>
        <translation>Hardware-Trigger verwenden</translation>
    </message>
    <message>
        <source>Configure Corvasim...</source>
        <translation>Corvasim konfigurieren...</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>Erkunden</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Move/Copy to Configuration...</source>
        <translation>In Konfiguration verschieben/kopieren...</translation>
    </message>
    <message>
        <source>Paste Group Into</source>
        <translation>Gruppe einfügen in</translation>
    </message>
    <message>
        <source>Paste Group After</source>
        <translation>Gruppe einfügen nach</translation>
    </message>
    <message>
        <source>Paste as First Child</source>
        <translation>Als erstes Kind einfügen</translation>
    </message>
    <message>
        <source>Paste After</source>
        <translation>Einfügen nach</translation>
    </message>
    <message>
        <source>Paste Rule Here</source>
        <translation>Regel hier einfügen</translation>
    </message>
    <message>
        <source>Paste String</source>
        <translation>Zeichenkette einfügen</translation>
    </message>
    <message>
        <source>Delete Contents</source>
        <translation>Inhalt löschen</translation>
    </message>
    <message>
        <source>Reset Contents</source>
        <translation>Inhalt zurücksetzen</translation>
    </message>
    <message>
        <source>Manage List...</source>
        <translation>Liste verwalten...</translation>
    </message>
    <message>
        <source>Manage Items...</source>
        <translation>Elemente verwalten...</translation>
    </message>
    <message>
        <source>Make New...</source>
        <translation>Neu anlegen...</translation>
    </message>
    <message>
        <source>Make New Group...</source>
        <translation>Neue Gruppe anlegen...</translation>
    </message>
    <message>
        <source>Make Copy...</source>
        <translation>Kopie anlegen...</translation>
    </message>
    <message>
        <source>Add Hot Link to a File...</source>
        <translation>Verknüpfung zu einer Datei hinzufügen...</translation>
    </message>
    <message>
        <source>Detailed Description</source>
        <translation>Ausführliche Beschreibung</translation>
    </message>
    <message>
        <source>Expand whole Tree</source>
        <translation>Ganzen Baum aufklappen</translation>
    </message>
    <message>
        <source>Collapse whole Tree</source>
        <translation>Ganzen Baum zuklappen</translation>
    </message>
    <message>
        <source>Expand/Collapse Tree</source>
        <translation>Baum auf-/zuklappen</translation>
    </message>
    <message>
        <source>Reset to Empty</source>
        <translation>Auf leer zurücksetzen</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Auf Standard zurücksetzen</translation>
    </message>
    <message>
        <source>Edit as Filename...</source>
        <translation>Als Dateiname bearbeiten...</translation>
    </message>
    <message>
        <source>Edit as Directory Name...</source>
        <translation>Als Verzeichnisname bearbeiten...</translation>
    </message>
    <message>
        <source>Edit as Directory Mapping...</source>
        <translation>Als Verzeichniszuordnung bearbeiten...</translation>
    </message>
    <message>
        <source>Edit as String...</source>
        <translation>Als Zeichenkette bearbeiten...</translation>
    </message>
    <message>
        <source>Edit as Font...</source>
        <translation>Als Schriftart bearbeiten...</translation>
    </message>
    <message>
        <source>Edit Value...</source>
        <translation>Wert bearbeiten...</translation>
    </message>
    <message>
        <source>Edit Contents...</source>
        <translation>Inhalt bearbeiten...</translation>
    </message>
    <message>
        <source>Pipeline Viewer</source>
        <translation>Pipeline-Anzeige</translation>
    </message>
    <message>
        <source>Stall Viewer</source>
        <translation>Stall-Anzeige</translation>
    </message>
    <message>
        <source>Thread Control</source>
        <translation>Thread-Steuerung</translation>
    </message>
    <message>
        <source>Connect to Targets</source>
        <translation>Mit Zielen verbinden</translation>
    </message>
    <message>
        <source>Synchronize execution</source>
        <translation>Ausführung synchronisieren</translation>
    </message>
    <message>
        <source>Close Window (Ctrl+W)</source>
        <translation>Fenster schließen (Strg+W)</translation>
    </message>
    <message>
        <source>Status Registers of Processor</source>
        <translation>Statusregister des Prozessors</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>Protokoll leeren</translation>
    </message>
    <message>
        <source>Set Tracepoint on Statement</source>
        <translation>Tracepunkt auf Anweisung setzen</translation>
    </message>
    <message>
        <source>Show Values in Decimal</source>
        <translation>Werte dezimal anzeigen</translation>
    </message>
    <message>
        <source>Show Values in Hex</source>
        <translation>Werte hexadezimal anzeigen</translation>
    </message>
    <message>
        <source>Show Values in Hex with Leading Zeros</source>
        <translation>Werte hexadezimal mit führenden Nullen anzeigen</translation>
    </message>
    <message>
        <source>Display Details As Property</source>
        <translation>Details als Eigenschaft anzeigen</translation>
    </message>
    <message>
        <source>Auto Update Details on Stop</source>
        <translation>Details bei Halt automatisch aktualisieren</translation>
    </message>
    <message>
        <source>Auto Update</source>
        <translation>Automatisch aktualisieren</translation>
    </message>
    <message>
        <source>Event Configuration...</source>
        <translation>Ereigniskonfiguration...</translation>
    </message>
    <message>
        <source>Timed Update when Running</source>
        <translation>Zeitgesteuert aktualisieren während der Ausführung</translation>
    </message>
    <message>
        <source>Update Window</source>
        <translation>Fenster aktualisieren</translation>
    </message>
    <message>
        <source>Show char* and char[] as strings</source>
        <translation>char* und char[] als Zeichenketten anzeigen</translation>
    </message>
    <message>
        <source>Show integers in hex</source>
        <translation>Ganzzahlen hexadezimal anzeigen</translation>
    </message>
    <message>
        <source>Enter New Expression...</source>
        <translation>Neuen Ausdruck eingeben...</translation>
    </message>
    <message>
        <source>Recompute Expression with same Context</source>
        <translation>Ausdruck im selben Kontext neu berechnen</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Encoding...</source>
        <translation>Kodierung...</translation>
    </message>
    <message>
        <source>Hexadecimal, with Leading Zeros</source>
        <translation>Hexadezimal, mit führenden Nullen</translation>
    </message>
    <message>
        <source>Bytes (8 bits)</source>
        <translation>Bytes (8 Bit)</translation>
    </message>
    <message>
        <source>Half Words (16 bits)</source>
        <translation>Halbwörter (16 Bit)</translation>
    </message>
    <message>
        <source>Words (32 bits)</source>
        <translation>Wörter (32 Bit)</translation>
    </message>
    <message>
        <source>Double Words (32 bits)</source>
        <translation>Doppelwörter (32 Bit)</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Eintrag leeren</translation>
    </message>
    <message>
        <source>Function list...</source>
        <translation>Funktionsliste...</translation>
    </message>
    <message>
        <source>Variable list...</source>
        <translation>Variablenliste...</translation>
    </message>
    <message>
        <source>Module list...</source>
        <translation>Modulliste...</translation>
    </message>
    <message>
        <source>Register list...</source>
        <translation>Registerliste...</translation>
    </message>
    <message>
        <source>Current Function</source>
        <translation>Aktuelle Funktion</translation>
    </message>
    <message>
        <source>Current Line</source>
        <translation>Aktuelle Zeile</translation>
    </message>
    <message>
        <source>Favorites...</source>
        <translation>Favoriten...</translation>
    </message>
    <message>
        <source>Unable to Display Help</source>
        <translation>Hilfe kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>Could not find the following help file:

%1

Please set the KSODEBUG_HLPPATH environment variable
to point to the root of help file installation.</source>
        <translation>Die folgende Hilfedatei wurde nicht gefunden:

%1

Bitte lassen Sie die Umgebungsvariable KSODEBUG_HLPPATH
auf die Wurzel der Hilfedatei-Installation zeigen.</translation>
    </message>
    <message>
        <source>Could not find the following help application
context:

		%1

Please report this information to your help
file vendor.</source>
        <translation>Der folgende Hilfe-Anwendungskontext wurde nicht gefunden:

		%1

Bitte melden Sie diese Information dem Hersteller
Ihrer Hilfedateien.</translation>
    </message>
    <message>
        <source>Could not find the following help topic:

		%1

Please report this information to your
help file vendor.</source>
        <translation>Das folgende Hilfethema wurde nicht gefunden:

		%1

Bitte melden Sie diese Information dem Hersteller
Ihrer Hilfedateien.</translation>
    </message>
</context>
<context>
    <name>SyncDlg</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Synchronization Control</source>
        <translation>Synchronisationssteuerung</translation>
    </message>
</context>
<context>
    <name>KWSyncCtrl</name>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Aktionen</translation>
    </message>
    <message>
        <source>&amp;Execution</source>
        <translation>Aus&amp;führung</translation>
    </message>
    <message>
        <source>&amp;Cross Triggering</source>
        <translation>&amp;Kreuz-Trigger</translation>
    </message>
    <message>
        <source>Command Pending Mode</source>
        <translation>Modus für wartende Befehle</translation>
    </message>
    <message>
        <source>Current core running</source>
        <translation>Aktueller Kern läuft</translation>
    </message>
    <message>
        <source>Any synchronized core running</source>
        <translation>Ein beliebiger synchronisierter Kern läuft</translation>
    </message>
</context>
<context>
    <name>SyncTableCores</name>
    <message>
        <source>Core</source>
        <translation>Kern</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sync</translation>
    </message>
    <message>
        <source> *** No Connected Items *** </source>
        <translation> *** Keine verbundenen Elemente *** </translation>
    </message>
</context>
<context>
    <name>SyncActionsTableSmall</name>
    <message>
        <source>Load Image</source>
        <translation>Image laden</translation>
    </message>
    <message>
        <source>Unload Image</source>
        <translation>Image entladen</translation>
    </message>
    <message>
        <source>Reload Image</source>
        <translation>Image neu laden</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Set PC</source>
        <translation>PC setzen</translation>
    </message>
    <message>
        <source>Load Binary</source>
        <translation>Binärdatei laden</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>SyncExecTableSmall</name>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Execution</source>
        <translation>Ausführung</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>SyncTrigTable</name>
    <message>
        <source>Core</source>
        <translation>Kern</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>HW In</source>
        <translation>HW Ein</translation>
    </message>
    <message>
        <source>HW Out</source>
        <translation>HW Aus</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source> *** No Connected Items *** </source>
        <translation> *** Keine verbundenen Elemente *** </translation>
    </message>
</context>
<context>
    <name>SyncTableGeneric</name>
    <message>
        <source>Software Trigger (on host)</source>
        <translation>Software-Trigger (auf dem Host)</translation>
    </message>
    <message>
        <source>Hardware Trigger</source>
        <translation>Hardware-Trigger</translation>
    </message>
    <message>
        <source>Mixed Trigger</source>
        <translation>Gemischter Trigger</translation>
    </message>
    <message>
        <source>Load a target application file</source>
        <translation>Eine Zielanwendungsdatei laden</translation>
    </message>
    <message>
        <source>Unload an image</source>
        <translation>Ein Image entladen</translation>
    </message>
    <message>
        <source>Reload the current image file</source>
        <translation>Die aktuelle Image-Datei neu laden</translation>
    </message>
    <message>
        <source>Reset program counter</source>
        <translation>Programmzähler zurücksetzen</translation>
    </message>
    <message>
        <source>Reset target processor</source>
        <translation>Zielprozessor zurücksetzen</translation>
    </message>
    <message>
        <source>Set program counter</source>
        <translation>Programmzähler setzen</translation>
    </message>
    <message>
        <source>Load binary file</source>
        <translation>Binärdatei laden</translation>
    </message>
    <message>
        <source>Tightly coupled</source>
        <comment>SyncDataModelExecutionSet::getComment</comment>
        <translation>Eng gekoppelt</translation>
    </message>
    <message>
        <source>Loosely coupled</source>
        <comment>SyncDataModelExecutionSet::getComment</comment>
        <translation>Lose gekoppelt</translation>
    </message>
    <message>
        <source>Mixed coupling</source>
        <comment>SyncDataModelExecutionSet::getComment</comment>
        <translation>Gemischte Kopplung</translation>
    </message>
</context>
</TS>
