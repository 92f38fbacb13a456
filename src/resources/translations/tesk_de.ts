<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AViewMemoryTable</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The formatted data is too long to be displayed correctly.
The number of columns has been set to auto.
 The maximum number of columns for this formatted data is %1</source>
        <translation>Die formatierten Daten sind zu lang, um richtig angezeigt zu werden.
Die Spaltenanzahl wurde auf automatisch gesetzt.
 Die höchste Spaltenanzahl für diese formatierten Daten ist %1</translation>
    </message>
</context>
<context>
    <name>AboutDialog</name>
    <message>
        <source>&lt;h2&gt;Third Party Copyright Messages&lt;/h2&gt;&lt;p&gt;</source>
        <translation>&lt;h2&gt;Urheberrechtshinweise Dritter&lt;/h2&gt;&lt;p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;</source>
        <translation>&lt;p&gt;</translation>
    </message>
</context>
<context>
    <name>AboutDialogBase</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Kestrova Debugger, version 1.0, build 1</source>
        <translation>Kestrova Debugger, Version 1.0, Build 1</translation>
    </message>
    <message>
        <source>Copyright the Kestrova Debugger authors.</source>
        <translation>Copyright der Autoren des Kestrova Debugger.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Additional Information:</source>
        <translation>Weitere Informationen:</translation>
    </message>
    <message>
        <source>Parts of this program are the work of other makers; their notices are listed above.</source>
        <translation>Teile dieses Programms sind das Werk anderer Hersteller; ihre Hinweise stehen oben.</translation>
    </message>
</context>
<context>
    <name>BreakpointActionsDlg</name>
    <message>
        <source>Critical Error</source>
        <translation>Kritischer Fehler</translation>
    </message>
    <message>
        <source>The entry point for the &apos;gui&apos; interface could not be found.</source>
        <translation>Der Einstiegspunkt für die Schnittstelle &apos;gui&apos; wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
</context>
<context>
    <name>BreakpointActionsDlgBase</name>
    <message>
        <source>Add Action</source>
        <translation>Aktion hinzufügen</translation>
    </message>
    <message>
        <source>Select the Action you wish to add to the current breakpoint.</source>
        <translation>Wählen Sie die Aktion, die dem aktuellen Haltepunkt hinzugefügt werden soll.</translation>
    </message>
    <message>
        <source>Update Window</source>
        <translation>Fenster aktualisieren</translation>
    </message>
    <message>
        <source>Output Message</source>
        <translation>Meldung ausgeben</translation>
    </message>
    <message>
        <source>Select which window you want updated when the breakpoint is triggered,
or select &apos;All&apos; to update all windows.</source>
        <translation>Wählen Sie das Fenster, das beim Auslösen des Haltepunkts aktualisiert werden soll,
oder wählen Sie &apos;Alle&apos;, um alle Fenster zu aktualisieren.</translation>
    </message>
    <message>
        <source>Enter the message to display when the program stops at the breakpoint.
Entering a number, in the format $num$, at the start of the message will
specify a window to display the message on.</source>
        <translation>Geben Sie die Meldung ein, die beim Anhalten am Haltepunkt angezeigt werden soll.
Eine Zahl im Format $num$ am Anfang der Meldung bestimmt
das Fenster, in dem die Meldung angezeigt wird.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>BreakpointConditionsDlg</name>
    <message>
        <source>Enter expression to evaluate on break</source>
        <translation>Ausdruck eingeben, der beim Anhalten ausgewertet wird</translation>
    </message>
    <message>
        <source>Software Pass Count</source>
        <translation>Software-Durchlaufzähler</translation>
    </message>
    <message>
        <source>Enter a Pass Count value.&lt;br&gt;(0 equals no pass count)</source>
        <translation>Geben Sie einen Durchlaufzähler ein.&lt;br&gt;(0 bedeutet kein Durchlaufzähler)</translation>
    </message>
    <message>
        <source>When Expression True</source>
        <translation>Wenn Ausdruck wahr</translation>
    </message>
    <message>
        <source>When Expression False</source>
        <translation>Wenn Ausdruck falsch</translation>
    </message>
    <message>
        <source>User Macro</source>
        <translation>Benutzermakro</translation>
    </message>
    <message>
        <source>Enter the name of a macro (with arguments) to execute on break</source>
        <translation>Namen eines Makros (mit Argumenten) eingeben, das beim Anhalten ausgeführt wird</translation>
    </message>
    <message>
        <source>C++ Object</source>
        <translation>C++-Objekt</translation>
    </message>
    <message>
        <source>Enter a C++ object (this) to test for on break</source>
        <translation>C++-Objekt (this) eingeben, auf das beim Anhalten geprüft wird</translation>
    </message>
    <message>
        <source>Missing Information</source>
        <translation>Fehlende Angabe</translation>
    </message>
    <message>
        <source>You must enter a value or expression before pressing the OK button</source>
        <translation>Sie müssen einen Wert oder Ausdruck eingeben, bevor Sie OK drücken</translation>
    </message>
</context>
<context>
    <name>BreakpointConditionsDlgBase</name>
    <message>
        <source>Add Condition</source>
        <translation>Bedingung hinzufügen</translation>
    </message>
    <message>
        <source>Select the condition you wish to add to the current breakpoint.</source>
        <translation>Wählen Sie die Bedingung, die dem aktuellen Haltepunkt hinzugefügt werden soll.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>BreakpointDlg</name>
    <message>
        <source>Software Instruction</source>
        <translation>Software-Befehlshaltepunkt</translation>
    </message>
    <message>
        <source>Hardware Instruction</source>
        <translation>Hardware-Befehlshaltepunkt</translation>
    </message>
    <message>
        <source>Hardware Read</source>
        <translation>Hardware-Lesezugriff</translation>
    </message>
    <message>
        <source>Hardware Write</source>
        <translation>Hardware-Schreibzugriff</translation>
    </message>
    <message>
        <source>Hardware Access</source>
        <translation>Hardware-Zugriff</translation>
    </message>
    <message>
        <source>Hardware DataValue Read</source>
        <translation>Hardware-Datenwert lesen</translation>
    </message>
    <message>
        <source>Hardware DataValue Write</source>
        <translation>Hardware-Datenwert schreiben</translation>
    </message>
    <message>
        <source>Hardware DataValue Access</source>
        <translation>Hardware-Datenwertzugriff</translation>
    </message>
    <message>
        <source>Standard Breakpoint</source>
        <translation>Standard-Haltepunkt</translation>
    </message>
    <message>
        <source>HSD Breakpoint</source>
        <translation>HSD-Haltepunkt</translation>
    </message>
    <message>
        <source>System Breakpoint</source>
        <translation>System-Haltepunkt</translation>
    </message>
    <message>
        <source>Tracepoint</source>
        <translation>Tracepoint</translation>
    </message>
    <message>
        <source>Process Breakpoint</source>
        <translation>Prozess-Haltepunkt</translation>
    </message>
    <message>
        <source>Thread Breakpoint</source>
        <translation>Thread-Haltepunkt</translation>
    </message>
    <message>
        <source>Create Breakpoint</source>
        <translation>Haltepunkt erstellen</translation>
    </message>
    <message>
        <source>Edit Breakpoint</source>
        <translation>Haltepunkt bearbeiten</translation>
    </message>
    <message>
        <source>Copy Breakpoint</source>
        <translation>Haltepunkt kopieren</translation>
    </message>
    <message>
        <source>The breakpoint dialog has no breakpoint to show.</source>
        <translation>Der Haltepunktdialog hat keinen Haltepunkt zum Anzeigen.</translation>
    </message>
    <message>
        <source>This breakpoint cannot be edited, or copied, as it is chained to another breakpoint.</source>
        <translation>Dieser Haltepunkt kann nicht bearbeitet oder kopiert werden, da er mit einem anderen Haltepunkt verkettet ist.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Cannot convert HardwarePassCount value to an integer</source>
        <translation>Der Wert für HardwarePassCount kann nicht in eine Ganzzahl umgewandelt werden</translation>
    </message>
    <message>
        <source>Edit Hardware Pass Count</source>
        <translation>Hardware-Durchlaufzähler bearbeiten</translation>
    </message>
    <message>
        <source>Please enter the new value for the HardwarePassCount.&lt;br&gt;Entering 0 turns the HardwarePassCount off.</source>
        <translation>Bitte geben Sie den neuen Wert für HardwarePassCount ein.&lt;br&gt;Die Eingabe 0 schaltet HardwarePassCount aus.</translation>
    </message>
    <message>
        <source>Select value to&lt;br&gt;&apos;%1&apos;</source>
        <translation>Wert auswählen für&lt;br&gt;&apos;%1&apos;</translation>
    </message>
    <message>
        <source>Critical Error</source>
        <translation>Kritischer Fehler</translation>
    </message>
    <message>
        <source>Symbol...</source>
        <translation>Symbol...</translation>
    </message>
    <message>
        <source>Address Range</source>
        <translation>Adressbereich</translation>
    </message>
    <message>
        <source>Address Range by Length</source>
        <translation>Adressbereich nach Länge</translation>
    </message>
    <message>
        <source>Address Mask</source>
        <translation>Adressmaske</translation>
    </message>
    <message>
        <source>NOT Address Compare</source>
        <translation>NICHT-Adressvergleich</translation>
    </message>
    <message>
        <source>Autocomplete Range</source>
        <translation>Bereich automatisch vervollständigen</translation>
    </message>
    <message>
        <source>Value Range</source>
        <translation>Wertebereich</translation>
    </message>
    <message>
        <source>Value Range by Length</source>
        <translation>Wertebereich nach Länge</translation>
    </message>
    <message>
        <source>Value Mask</source>
        <translation>Wertmaske</translation>
    </message>
    <message>
        <source>NOT Value Compare</source>
        <translation>NICHT-Wertvergleich</translation>
    </message>
    <message>
        <source>Select Symbol</source>
        <translation>Symbol auswählen</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>There are no memory mapped registers available.</source>
        <translation>Es sind keine speicherabgebildeten Register verfügbar.</translation>
    </message>
    <message>
        <source>You cannot use Autocomplete on a field which contains a $MASK$.</source>
        <translation>Sie können die automatische Vervollständigung nicht auf ein Feld anwenden, das $MASK$ enthält.</translation>
    </message>
    <message>
        <source>The text is too long to be completed.</source>
        <translation>Der Text ist zu lang, um vervollständigt zu werden.</translation>
    </message>
    <message>
        <source>The entry point for the &apos;eeaccess&apos; interface could not be found.</source>
        <translation>Der Einstiegspunkt für die Schnittstelle &apos;eeaccess&apos; wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>You must select an item in the list before pressing Edit.</source>
        <translation>Sie müssen ein Element in der Liste auswählen, bevor Sie Bearbeiten drücken.</translation>
    </message>
    <message>
        <source>Condition value</source>
        <translation>Bedingungswert</translation>
    </message>
    <message>
        <source>Please enter the new value for &apos;%1&apos;</source>
        <translation>Bitte geben Sie den neuen Wert für &apos;%1&apos; ein</translation>
    </message>
    <message>
        <source>Edit Action</source>
        <translation>Aktion bearbeiten</translation>
    </message>
    <message>
        <source>The $NOT$ text must appear before the address, the address range and the mask value&lt;p&gt;Please put the $NOT$ field at the beginning of the location field.</source>
        <translation>Der Text $NOT$ muss vor der Adresse, dem Adressbereich und dem Maskenwert stehen&lt;p&gt;Bitte setzen Sie das Feld $NOT$ an den Anfang des Adressfelds.</translation>
    </message>
    <message>
        <source>The $NOT$ text must only be entered once into the location field.&lt;p&gt;Please enter the $NOT$ text only once.</source>
        <translation>Der Text $NOT$ darf nur einmal in das Adressfeld eingegeben werden.&lt;p&gt;Bitte geben Sie den Text $NOT$ nur einmal ein.</translation>
    </message>
    <message>
        <source>The value %1 is not a recognized option.</source>
        <translation>Der Wert %1 ist keine bekannte Option.</translation>
    </message>
    <message>
        <source>You have entered more than one $MASK$ value&lt;p&gt;Please must enter only one $MASK$ value</source>
        <translation>Sie haben mehr als einen $MASK$-Wert eingegeben&lt;p&gt;Bitte geben Sie nur einen $MASK$-Wert ein</translation>
    </message>
    <message>
        <source>You cannot enter $MASK$ and range values in the same expression&lt;p&gt;Please correct the expression that you have entered.</source>
        <translation>$MASK$ und Bereichswerte können nicht im selben Ausdruck stehen&lt;p&gt;Bitte korrigieren Sie den eingegebenen Ausdruck.</translation>
    </message>
    <message>
        <source>The format of the mask option is $MASK$=FFFFFFFF&lt;p&gt;Please correct the expression you have entered</source>
        <translation>Das Format der Maskenoption ist $MASK$=FFFFFFFF&lt;p&gt;Bitte korrigieren Sie den eingegebenen Ausdruck</translation>
    </message>
    <message>
        <source>You must enter a valid mask value. The format of the mask option is&lt;p&gt;$MASK$=FFFFFFFF</source>
        <translation>Sie müssen einen gültigen Maskenwert eingeben. Das Format der Maskenoption ist&lt;p&gt;$MASK$=FFFFFFFF</translation>
    </message>
    <message>
        <source>You must only enter one address range</source>
        <translation>Sie dürfen nur einen Adressbereich eingeben</translation>
    </message>
    <message>
        <source>You cannot add a range to a location which has a $MASK$</source>
        <translation>Einer Adresse mit $MASK$ kann kein Bereich hinzugefügt werden</translation>
    </message>
    <message>
        <source>You cannot add a range to a value match which has a $MASK$</source>
        <translation>Einem Wertvergleich mit $MASK$ kann kein Bereich hinzugefügt werden</translation>
    </message>
    <message>
        <source>You cannot add a $MASK$ to a location which has a range.</source>
        <translation>Einer Adresse mit Bereich kann kein $MASK$ hinzugefügt werden.</translation>
    </message>
    <message>
        <source>You cannot add a $MASK$ to a value match which has a range.</source>
        <translation>Einem Wertvergleich mit Bereich kann kein $MASK$ hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Breakpoint Changes</source>
        <translation>Haltepunktänderungen</translation>
    </message>
    <message>
        <source>The entry point for the &apos;gui&apos; interface could not be found.</source>
        <translation>Der Einstiegspunkt für die Schnittstelle &apos;gui&apos; wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The number of the breakpoint being edited could not be obtained from the debugger.&lt;p&gt;The breakpoint has not been changed.</source>
        <translation>Die Nummer des bearbeiteten Haltepunkts konnte nicht vom Debugger ermittelt werden.&lt;p&gt;Der Haltepunkt wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The breakpoint being edited has been cleared, but the debugger refused the new breakpoint.&lt;p&gt;Correct the breakpoint and press OK to set it, or press Cancel.</source>
        <translation>Der bearbeitete Haltepunkt wurde gelöscht, aber der Debugger hat den neuen Haltepunkt abgelehnt.&lt;p&gt;Korrigieren Sie den Haltepunkt und drücken Sie OK, um ihn zu setzen, oder drücken Sie Abbrechen.</translation>
    </message>
    <message>
        <source>The expression &apos;%1&apos; cannot be evaluated.</source>
        <translation>Der Ausdruck &apos;%1&apos; kann nicht ausgewertet werden.</translation>
    </message>
    <message>
        <source>The macro expression &apos;%1&apos; cannot be evaluated.</source>
        <translation>Der Makroausdruck &apos;%1&apos; kann nicht ausgewertet werden.</translation>
    </message>
    <message>
        <source>The breakpoint type %1 is not known.</source>
        <translation>Der Haltepunkttyp %1 ist unbekannt.</translation>
    </message>
    <message>
        <source>You have checked the box to force the breakpoint size however you have not entered a size for the breakpoint.&lt;p&gt;Please enter a size for the breakpoint, or uncheck the box</source>
        <translation>Sie haben das Feld zum Erzwingen der Haltepunktgröße markiert, aber keine Größe für den Haltepunkt eingegeben.&lt;p&gt;Bitte geben Sie eine Größe für den Haltepunkt ein oder entfernen Sie die Markierung</translation>
    </message>
    <message>
        <source>You must supply a Location: for the breakpoint.</source>
        <translation>Sie müssen für den Haltepunkt eine Adresse angeben.</translation>
    </message>
    <message>
        <source>The Location expression %1 cannot be evaluated.</source>
        <translation>Der Adressausdruck %1 kann nicht ausgewertet werden.</translation>
    </message>
    <message>
        <source>$NOT$ address is not allowed for this type of breakpoint&lt;p&gt;Please remove the $NOT$ from the location field.</source>
        <translation>Eine $NOT$-Adresse ist für diesen Haltepunkttyp nicht erlaubt&lt;p&gt;Bitte entfernen Sie $NOT$ aus dem Adressfeld.</translation>
    </message>
    <message>
        <source>Address Masks are not allowed for this type of breakpoint&lt;p&gt;Please remove the $MASK$ expression from the location field.</source>
        <translation>Adressmasken sind für diesen Haltepunkttyp nicht erlaubt&lt;p&gt;Bitte entfernen Sie den $MASK$-Ausdruck aus dem Adressfeld.</translation>
    </message>
    <message>
        <source>The Mask expression %1 cannot be evaluated.</source>
        <translation>Der Maskenausdruck %1 kann nicht ausgewertet werden.</translation>
    </message>
    <message>
        <source>Address ranges are not allowed for this type of breakpoint&lt;p&gt;Please remove the address range from the location field.</source>
        <translation>Adressbereiche sind für diesen Haltepunkttyp nicht erlaubt&lt;p&gt;Bitte entfernen Sie den Adressbereich aus dem Adressfeld.</translation>
    </message>
    <message>
        <source>The Location End expression %1 cannot be evaluated.</source>
        <translation>Der Ausdruck für das Adressende %1 kann nicht ausgewertet werden.</translation>
    </message>
    <message>
        <source>Data matching is not allowed for this breakpoint type.</source>
        <translation>Datenvergleich ist für diesen Haltepunkttyp nicht erlaubt.</translation>
    </message>
    <message>
        <source>The Data value expression %1 cannot be evaluated.</source>
        <translation>Der Datenwertausdruck %1 kann nicht ausgewertet werden.</translation>
    </message>
    <message>
        <source>$NOT$ data is not allowed for this type of breakpoint&lt;p&gt;Please remove the $NOT$ from the value field.</source>
        <translation>$NOT$-Daten sind für diesen Haltepunkttyp nicht erlaubt&lt;p&gt;Bitte entfernen Sie $NOT$ aus dem Wertfeld.</translation>
    </message>
    <message>
        <source>Data value masks are not allowed for this breakpoint type.&lt;p&gt;Please remove the $MASK$ expression from the data value field.</source>
        <translation>Datenwertmasken sind für diesen Haltepunkttyp nicht erlaubt.&lt;p&gt;Bitte entfernen Sie den $MASK$-Ausdruck aus dem Datenwertfeld.</translation>
    </message>
    <message>
        <source>The Data Value Mask expression %1 cannot be evaluated.</source>
        <translation>Der Ausdruck für die Datenwertmaske %1 kann nicht ausgewertet werden.</translation>
    </message>
    <message>
        <source>Data value ranges are not allowed for this breakpoint type.&lt;p&gt;Please remove the range expression from the data value field.</source>
        <translation>Datenwertbereiche sind für diesen Haltepunkttyp nicht erlaubt.&lt;p&gt;Bitte entfernen Sie den Bereichsausdruck aus dem Datenwertfeld.</translation>
    </message>
    <message>
        <source>A data value range cannot be given by its length.&lt;p&gt;Please enter the end of the range instead of its length.</source>
        <translation>Ein Datenwertbereich kann nicht durch seine Länge angegeben werden.&lt;p&gt;Bitte geben Sie statt der Länge das Ende des Bereichs ein.</translation>
    </message>
    <message>
        <source>The Data End Address expression %1 cannot be evaluated.</source>
        <translation>Der Ausdruck für die Datenendadresse %1 kann nicht ausgewertet werden.</translation>
    </message>
    <message>
        <source>Location&lt;br&gt;</source>
        <translation>Adresse&lt;br&gt;</translation>
    </message>
    <message>
        <source>Match Value&lt;br&gt;</source>
        <translation>Vergleichswert&lt;br&gt;</translation>
    </message>
    <message>
        <source>Breakpoint Type&lt;br&gt;</source>
        <translation>Haltepunkttyp&lt;br&gt;</translation>
    </message>
    <message>
        <source>The following breakpoint items have been changed&lt;p&gt;%1&lt;p&gt;Do you want to replace the current breakpoint?&lt;p&gt;If you select No the current breakpoint will be left unchanged and a new breakpoint will be created.</source>
        <translation>Die folgenden Haltepunktangaben wurden geändert&lt;p&gt;%1&lt;p&gt;Möchten Sie den aktuellen Haltepunkt ersetzen?&lt;p&gt;Wenn Sie Nein wählen, bleibt der aktuelle Haltepunkt unverändert und ein neuer Haltepunkt wird erstellt.</translation>
    </message>
</context>
<context>
    <name>BreakpointDlgBase</name>
    <message>
        <source>Create Breakpoint</source>
        <translation>Haltepunkt erstellen</translation>
    </message>
    <message>
        <source>&amp;Value Match:</source>
        <translation>&amp;Vergleichswert:</translation>
    </message>
    <message>
        <source>&amp;Location:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;Force Breakpoint Size (bits)</source>
        <translation>Haltepunktgröße &amp;erzwingen (Bits)</translation>
    </message>
    <message>
        <source>Breakpoint Type</source>
        <translation>Haltepunkttyp</translation>
    </message>
    <message>
        <source>Class:</source>
        <translation>Klasse:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;More...</source>
        <translation>&amp;Mehr...</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>Dann</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>An&amp;halten</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>Hardware Support</source>
        <translation>Hardware-Unterstützung</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Bedingungen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
</context>
<context>
    <name>CorvasimConfigDlgBase</name>
    <message>
        <source>Corvasim Configuration</source>
        <translation>Corvasim-Konfiguration</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Prozessor</translation>
    </message>
    <message>
        <source>Floating Point</source>
        <translation>Gleitkomma</translation>
    </message>
    <message>
        <source>No FPU</source>
        <translation>Keine FPU</translation>
    </message>
    <message>
        <source>QMXv2</source>
        <translation>QMXv2</translation>
    </message>
    <message>
        <source>QMXv2 (Fast-mode)</source>
        <translation>QMXv2 (schneller Modus)</translation>
    </message>
    <message>
        <source>ZDU (limited support)</source>
        <translation>ZDU (eingeschränkte Unterstützung)</translation>
    </message>
    <message>
        <source>MMU/MPU Initialization:</source>
        <translation>MMU/MPU-Initialisierung:</translation>
    </message>
    <message>
        <source>Default Page-Tables</source>
        <translation>Standard-Seitentabellen</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Takt</translation>
    </message>
    <message>
        <source>Emulated</source>
        <translation>Emuliert</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Geschwindigkeit:</translation>
    </message>
    <message>
        <source>Real-time</source>
        <translation>Echtzeit</translation>
    </message>
    <message>
        <source>Debug Endian:</source>
        <translation>Debug-Byte-Reihenfolge:</translation>
    </message>
    <message>
        <source>Little</source>
        <translation>Little-Endian</translation>
    </message>
    <message>
        <source>Big</source>
        <translation>Big-Endian</translation>
    </message>
    <message>
        <source>Start Endian:</source>
        <translation>Start-Byte-Reihenfolge:</translation>
    </message>
    <message>
        <source>Debug Endian</source>
        <translation>Debug-Byte-Reihenfolge</translation>
    </message>
    <message>
        <source>Hardware Endian</source>
        <translation>Hardware-Byte-Reihenfolge</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>CuiFileDlg</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>A file name cannot contain any of the following characters:&lt;p&gt;\ / : * ? &quot; &lt; &gt; |</source>
        <translation>Ein Dateiname darf keines der folgenden Zeichen enthalten:&lt;p&gt;\ / : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>Critical Error</source>
        <translation>Kritischer Fehler</translation>
    </message>
    <message>
        <source>The entry point for the &apos;%1&apos; interface could not be found.</source>
        <translation>Der Einstiegspunkt für die Schnittstelle &apos;%1&apos; wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>CuiHelpSystem</name>
    <message>
        <source>Internal Error (help object could not be created)

Please report this information to your
help file vendor.</source>
        <translation>Interner Fehler (Hilfeobjekt konnte nicht erstellt werden)

Bitte melden Sie diese Information dem
Hersteller der Hilfedatei.</translation>
    </message>
    <message>
        <source>Detailed Description</source>
        <translation>Ausführliche Beschreibung</translation>
    </message>
    <message>
        <source>No detailed description is available for this item.</source>
        <translation>Für dieses Element ist keine ausführliche Beschreibung verfügbar.</translation>
    </message>
    <message>
        <source>Internal Error (caught filename buffer overrun)

Please report this information to your
help file vendor.</source>
        <translation>Interner Fehler (Überlauf des Dateinamenpuffers abgefangen)

Bitte melden Sie diese Information dem
Hersteller der Hilfedatei.</translation>
    </message>
    <message>
        <source>Unable to Unload the Help System</source>
        <translation>Das Hilfesystem kann nicht entladen werden</translation>
    </message>
    <message>
        <source>

Please report this information to your
help file vendor.</source>
        <translation>

Bitte melden Sie diese Information dem
Hersteller der Hilfedatei.</translation>
    </message>
</context>
<context>
    <name>CuiLoadMemoryDlg</name>
    <message>
        <source>Load Binary</source>
        <translation>Binärdatei laden</translation>
    </message>
    <message>
        <source>Location is optional signed offset for adding to address in file.</source>
        <translation>Die Adresse ist ein optionaler vorzeichenbehafteter Versatz, der zur Adresse in der Datei addiert wird.</translation>
    </message>
    <message>
        <source>Specify the start address for loading to.</source>
        <translation>Geben Sie die Startadresse zum Laden an.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Please select the type of the file from the list before pressing Open.</source>
        <translation>Bitte wählen Sie den Dateityp aus der Liste, bevor Sie Öffnen drücken.</translation>
    </message>
    <message>
        <source>O&amp;pen</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
</context>
<context>
    <name>CuiMessageBox</name>
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
        <source>Yes to &amp;All</source>
        <translation>Ja für &amp;alle</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;ein für alle</translation>
    </message>
</context>
<context>
    <name>DataNav</name>
    <message>
        <source>Images</source>
        <translation>Abbilder</translation>
    </message>
    <message>
        <source>Modules</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Variables</source>
        <translation>Variablen</translation>
    </message>
</context>
<context>
    <name>DockLocationBox</name>
    <message>
        <source>Select Location</source>
        <translation>Position auswählen</translation>
    </message>
    <message>
        <source>Select a location around the code area for this window:</source>
        <translation>Wählen Sie eine Position um den Codebereich für dieses Fenster:</translation>
    </message>
    <message>
        <source>Docking Areas</source>
        <translation>Andockbereiche</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Do not ask me again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FindToolBar</name>
    <message>
        <source>File </source>
        <translation>Datei </translation>
    </message>
    <message>
        <source>Find  </source>
        <translation>Suchen </translation>
    </message>
    <message>
        <source>Line  </source>
        <translation>Zeile </translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Kodierung</translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Locale</source>
        <translation>Gebietsschema</translation>
    </message>
    <message>
        <source>Locked Read-Only</source>
        <translation>Schreibgeschützt gesperrt</translation>
    </message>
    <message>
        <source>Writable</source>
        <translation>Beschreibbar</translation>
    </message>
    <message>
        <source>Read-Only</source>
        <translation>Schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>GotoLineDlg</name>
    <message>
        <source>Line number (1 - %1)</source>
        <translation>Zeilennummer (1 - %1)</translation>
    </message>
</context>
<context>
    <name>GotoLineDlgBase</name>
    <message>
        <source>Go To Line</source>
        <translation>Gehe zu Zeile</translation>
    </message>
    <message>
        <source>Line number (1 - 99999):</source>
        <translation>Zeilennummer (1 - 99999):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>KPaneTabBar</name>
    <message>
        <source>Duplicate View</source>
        <translation>Ansicht duplizieren</translation>
    </message>
    <message>
        <source>Delete View</source>
        <translation>Ansicht löschen</translation>
    </message>
</context>
<context>
    <name>KViewMemory</name>
    <message>
        <source>Start address</source>
        <translation>Startadresse</translation>
    </message>
    <message>
        <source>Auto column</source>
        <translation>Automatische Spalten</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Data sizes</source>
        <translation>Datengrößen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 Byte</translation>
    </message>
    <message>
        <source>2 bytes</source>
        <translation>2 Bytes</translation>
    </message>
    <message>
        <source>4 bytes</source>
        <translation>4 Bytes</translation>
    </message>
    <message>
        <source>8 bytes</source>
        <translation>8 Bytes</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>No Address</source>
        <translation>Keine Adresse</translation>
    </message>
    <message>
        <source>User format...</source>
        <translation>Benutzerformat...</translation>
    </message>
    <message>
        <source>Disassembly</source>
        <translation>Disassemblierung</translation>
    </message>
    <message>
        <source>Number of columns</source>
        <translation>Anzahl der Spalten</translation>
    </message>
    <message>
        <source>Size of fields</source>
        <translation>Größe der Felder</translation>
    </message>
    <message>
        <source>Format of fields</source>
        <translation>Format der Felder</translation>
    </message>
    <message>
        <source>[BE] </source>
        <translation>[BE] </translation>
    </message>
    <message>
        <source>Byte Order</source>
        <translation>Byte-Reihenfolge</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Little Endian</source>
        <translation>Little-Endian</translation>
    </message>
    <message>
        <source>Big Endian</source>
        <translation>Big-Endian</translation>
    </message>
    <message>
        <source>Fill Memory...</source>
        <translation>Speicher füllen...</translation>
    </message>
    <message>
        <source>Create Breakpoint At...</source>
        <translation>Haltepunkt erstellen bei...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Show ASCII</source>
        <translation>ASCII anzeigen</translation>
    </message>
    <message>
        <source>Coloring</source>
        <translation>Einfärbung</translation>
    </message>
    <message>
        <source>Memory Map</source>
        <translation>Speicherabbild</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>Disassembly Format</source>
        <translation>Disassemblierungsformat</translation>
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
        <source>Update View</source>
        <translation>Ansicht aktualisieren</translation>
    </message>
    <message>
        <source>Automatic Update</source>
        <translation>Automatisch aktualisieren</translation>
    </message>
    <message>
        <source>Set Start Address</source>
        <translation>Startadresse setzen</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>Toolbar Labels</source>
        <translation>Beschriftungen der Symbolleiste</translation>
    </message>
    <message>
        <source>Timed Update Period</source>
        <translation>Aktualisierungsintervall</translation>
    </message>
    <message>
        <source>Enter Interval in seconds (from completion of previous update):</source>
        <translation>Intervall in Sekunden eingeben (ab Ende der vorigen Aktualisierung):</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
</context>
<context>
    <name>KViewMemoryData</name>
    <message>
        <source>No Address</source>
        <translation>Keine Adresse</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The memory shown changed while the value was edited.
The value was not written.</source>
        <translation>Der angezeigte Speicher hat sich geändert, während der Wert bearbeitet wurde.
Der Wert wurde nicht geschrieben.</translation>
    </message>
</context>
<context>
    <name>KViewMemoryDialog_Fill</name>
    <message>
        <source>Fill Memory</source>
        <translation>Speicher füllen</translation>
    </message>
    <message>
        <source>Start address:</source>
        <translation>Startadresse:</translation>
    </message>
    <message>
        <source>End Address:</source>
        <translation>Endadresse:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Fill size:</source>
        <translation>Füllgröße:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>8 bits</source>
        <translation>8 Bit</translation>
    </message>
    <message>
        <source>16 bits</source>
        <translation>16 Bit</translation>
    </message>
    <message>
        <source>32 bits</source>
        <translation>32 Bit</translation>
    </message>
    <message>
        <source>Expression:</source>
        <translation>Ausdruck:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>The start address is not valid.
</source>
        <translation>Die Startadresse ist ungültig.
</translation>
    </message>
    <message>
        <source>The end address should be greater than the start address.
</source>
        <translation>Die Endadresse muss größer als die Startadresse sein.
</translation>
    </message>
    <message>
        <source>The length is not valid.
</source>
        <translation>Die Länge ist ungültig.
</translation>
    </message>
    <message>
        <source>The length cannot be null.
</source>
        <translation>Die Länge darf nicht null sein.
</translation>
    </message>
    <message>
        <source>You must give an expression.
</source>
        <translation>Sie müssen einen Ausdruck angeben.
</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error on fill memory.
</source>
        <translation>Fehler beim Füllen des Speichers.
</translation>
    </message>
</context>
<context>
    <name>KViewMemoryDialog_updatePeriod</name>
    <message>
        <source>Timed Update Period</source>
        <translation>Aktualisierungsintervall</translation>
    </message>
    <message>
        <source>Interval in seconds: </source>
        <translation>Intervall in Sekunden: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>KViewMemoryDsm</name>
    <message>
        <source>No Address</source>
        <translation>Keine Adresse</translation>
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
    <name>ListSelectionDlg</name>
    <message>
        <source>&lt;Empty&gt;</source>
        <translation>&lt;Leer&gt;</translation>
    </message>
    <message>
        <source>Select Items from List:</source>
        <translation>Elemente aus der Liste auswählen:</translation>
    </message>
    <message>
        <source>Select an Item from List:</source>
        <translation>Ein Element aus der Liste auswählen:</translation>
    </message>
</context>
<context>
    <name>ListSelectionDlgBase</name>
    <message>
        <source>List Selection</source>
        <translation>Listenauswahl</translation>
    </message>
    <message>
        <source>Descriptive Text Line 1
Descriptive Text Line 2
Descriptive Text Line 3</source>
        <translation>Beschreibende Textzeile 1
Beschreibende Textzeile 2
Beschreibende Textzeile 3</translation>
    </message>
    <message>
        <source>Column 1</source>
        <translation>Spalte 1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>LoadMemoryPanel</name>
    <message>
        <source>LoadMemoryPanel</source>
        <translation>LoadMemoryPanel</translation>
    </message>
    <message>
        <source>&amp;Type of File:</source>
        <translation>&amp;Dateityp:</translation>
    </message>
    <message>
        <source>L&amp;ocation:</source>
        <translation>&amp;Position:</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Secure World</source>
        <translation>Secure World</translation>
    </message>
    <message>
        <source>Normal World</source>
        <translation>Normal World</translation>
    </message>
    <message>
        <source>For more information, select Help from Menu</source>
        <translation>Weitere Informationen erhalten Sie über Hilfe im Menü</translation>
    </message>
    <message>
        <source>Kestrova Debugger</source>
        <translation>Kestrova Debugger</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Send Problem Report</source>
        <translation>Problembericht senden</translation>
    </message>
    <message>
        <source>KSO Menu Error</source>
        <translation>KSO-Menüfehler</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Ansichten</translation>
    </message>
    <message>
        <source>Toolbars</source>
        <translation>Symbolleisten</translation>
    </message>
    <message>
        <source>Show Big Icons</source>
        <translation>Große Symbole anzeigen</translation>
    </message>
    <message>
        <source>Show Toolbar Text</source>
        <translation>Text der Symbolleiste anzeigen</translation>
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
        <source>Ln %1, Col %2</source>
        <translation>Z. %1, Sp. %2</translation>
    </message>
</context>
<context>
    <name>MemoryOperationsDlg</name>
    <message>
        <source>Location is range to read: addr..addr or addr..+len</source>
        <translation>Die Position ist der zu lesende Bereich: Adr..Adr oder Adr..+Länge</translation>
    </message>
    <message>
        <source>Location is optional signed offset for adding to address in file</source>
        <translation>Die Position ist ein optionaler vorzeichenbehafteter Versatz, der zur Adresse in der Datei addiert wird</translation>
    </message>
    <message>
        <source>Location is start address for write/verify</source>
        <translation>Die Position ist die Startadresse zum Schreiben/Prüfen</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Please select a type of file before pressing Apply</source>
        <translation>Bitte wählen Sie einen Dateityp, bevor Sie Übernehmen drücken</translation>
    </message>
</context>
<context>
    <name>MemoryOperationsDlgBase</name>
    <message>
        <source>Upload/Download Memory File</source>
        <translation>Speicherdatei hoch-/herunterladen</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>&amp;Load File into Memory</source>
        <translation>Datei in Speicher &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save Memory into File</source>
        <translation>Speicher in Datei sic&amp;hern</translation>
    </message>
    <message>
        <source>&amp;Verify Memory from File</source>
        <translation>Speicher mit Datei &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Filename:</source>
        <translation>&amp;Dateiname:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>&amp;Type of File:</source>
        <translation>Datei&amp;typ:</translation>
    </message>
    <message>
        <source>L&amp;ocation</source>
        <translation>P&amp;osition</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>MessagePromptDlg</name>
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
</context>
<context>
    <name>MessagePromptDlgBase</name>
    <message>
        <source>Dialog Title</source>
        <translation>Dialogtitel</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Eins</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
</context>
<context>
    <name>ModuleFilterDlgBase</name>
    <message>
        <source>Event Configuration</source>
        <translation>Ereigniskonfiguration</translation>
    </message>
    <message>
        <source>Enable &amp;Capturing</source>
        <translation>&amp;Erfassung aktivieren</translation>
    </message>
    <message>
        <source>&lt;b&gt;Warning:&lt;/b&gt; Without enabled filtering all symbol files will be loaded!</source>
        <translation>&lt;b&gt;Warnung:&lt;/b&gt; Ohne aktivierte Filterung werden alle Symboldateien geladen!</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Event Name</source>
        <translation>Ereignisname</translation>
    </message>
    <message>
        <source>Include/Exclude</source>
        <translation>Einschließen/Ausschließen</translation>
    </message>
    <message>
        <source>Event Type</source>
        <translation>Ereignistyp</translation>
    </message>
    <message>
        <source>Process name</source>
        <translation>Prozessname</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>RegEx</source>
        <translation>RegEx</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>Creates a new event</source>
        <translation>Erstellt ein neues Ereignis</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>Edits the selected event</source>
        <translation>Bearbeitet das ausgewählte Ereignis</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Deletes the selected event</source>
        <translation>Löscht das ausgewählte Ereignis</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Filter Properties</source>
        <translation>Filtereigenschaften</translation>
    </message>
    <message>
        <source>&amp;Filter name:</source>
        <translation>&amp;Filtername:</translation>
    </message>
    <message>
        <source>&amp;Active</source>
        <translation>&amp;Aktiv</translation>
    </message>
    <message>
        <source>&amp;Include</source>
        <translation>&amp;Einschließen</translation>
    </message>
    <message>
        <source>&amp;RegEx</source>
        <translation>&amp;RegEx</translation>
    </message>
    <message>
        <source>Pr&amp;ocess name:</source>
        <translation>Pr&amp;ozessname:</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Beliebig</translation>
    </message>
    <message>
        <source>Fi&amp;lename:</source>
        <translation>Datei&amp;name:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>NewEventDlg</name>
    <message>
        <source>New Event</source>
        <translation>Neues Ereignis</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>Ereignis bearbeiten</translation>
    </message>
</context>
<context>
    <name>NewEventDlgBase</name>
    <message>
        <source>New Event</source>
        <translation>Neues Ereignis</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Filter 1</source>
        <translation>Filter 1</translation>
    </message>
    <message>
        <source>Event Type:</source>
        <translation>Ereignistyp:</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>&amp;Process Name:</source>
        <translation>&amp;Prozessname:</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Beliebig</translation>
    </message>
    <message>
        <source>&amp;File Name:</source>
        <translation>&amp;Dateiname:</translation>
    </message>
    <message>
        <source>&amp;Module Name:</source>
        <translation>&amp;Modulname:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>PaneNameDlgBase</name>
    <message>
        <source>Enter New Window Name</source>
        <translation>Neuen Fensternamen eingeben</translation>
    </message>
    <message>
        <source>Window Name:</source>
        <translation>Fenstername:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ProtocolPacket</name>
    <message>
        <source>Waiting for response...</source>
        <translation>Warte auf Antwort...</translation>
    </message>
    <message>
        <source>Receiving data...</source>
        <translation>Empfange Daten...</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
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
    <message>
        <source>&amp;AND All Filters</source>
        <translation>&amp;UND-Verknüpfung aller Filter</translation>
    </message>
    <message>
        <source>&amp;Add This File to Project</source>
        <translation>Diese Datei zum Projekt &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Address Only</source>
        <translation>Nur &amp;Adresse</translation>
    </message>
    <message>
        <source>&amp;Address as Value</source>
        <translation>&amp;Adresse als Wert</translation>
    </message>
    <message>
        <source>&amp;Analysis Window</source>
        <translation>&amp;Analysefenster</translation>
    </message>
    <message>
        <source>&amp;Analyzer/Trace Control</source>
        <translation>&amp;Analysator-/Trace-Steuerung</translation>
    </message>
    <message>
        <source>&amp;Automatic Tracing Mode</source>
        <translation>&amp;Automatischer Trace-Modus</translation>
    </message>
    <message>
        <source>&amp;Break/Tracepoints</source>
        <translation>Halte-/Tracep&amp;unkte</translation>
    </message>
    <message>
        <source>&amp;Breakpoints</source>
        <translation>Ha&amp;ltepunkte</translation>
    </message>
    <message>
        <source>&amp;Buffer Full Mode</source>
        <translation>Verhalten bei vollem &amp;Puffer</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <source>&amp;Build-Tool Properties</source>
        <translation>Eigenschaften des &amp;Erstellungswerkzeugs</translation>
    </message>
    <message>
        <source>&amp;Build...</source>
        <translation>&amp;Erstellen...</translation>
    </message>
    <message>
        <source>&amp;Call Stack</source>
        <translation>Au&amp;frufstapel</translation>
    </message>
    <message>
        <source>&amp;Clear All Breakpoints/Tracepoints</source>
        <translation>Alle Halte-/Tracepunkte &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Clear Filtering</source>
        <translation>Filter auf&amp;heben</translation>
    </message>
    <message>
        <source>&amp;Clear Trace Buffer</source>
        <translation>Trace-Puffer &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Close Loaded File</source>
        <translation>Geladene Datei s&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Close Project...</source>
        <translation>Projekt &amp;schließen...</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>&amp;Fenster schließen</translation>
    </message>
    <message>
        <source>&amp;Close Workspace</source>
        <translation>Arbeitsbereich s&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Compile</source>
        <translation>&amp;Kompilieren</translation>
    </message>
    <message>
        <source>&amp;Configure Analyzer Properties...</source>
        <translation>Analysator-Eigenschaften &amp;konfigurieren...</translation>
    </message>
    <message>
        <source>&amp;Connection Properties...</source>
        <translation>&amp;Verbindungseigenschaften...</translation>
    </message>
    <message>
        <source>&amp;Continue Collecting on Buffer Full</source>
        <translation>Bei vollem Puffer &amp;weitersammeln</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Count of Calls</source>
        <translation>A&amp;nzahl der Aufrufe</translation>
    </message>
    <message>
        <source>&amp;Count of Hits</source>
        <translation>Anzahl der &amp;Treffer</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Daten</translation>
    </message>
    <message>
        <source>&amp;Data Only</source>
        <translation>Nur &amp;Daten</translation>
    </message>
    <message>
        <source>&amp;Data Tracing Mode</source>
        <translation>&amp;Daten-Trace-Modus</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>Debu&amp;ggen</translation>
    </message>
    <message>
        <source>&amp;Define Processor Speed for Scaling...</source>
        <translation>Prozessortakt für die Skalierung &amp;festlegen...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Disassembly</source>
        <translation>&amp;Disassemblierung</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Enable/Disable Breakpoint at Cursor</source>
        <translation>Haltepunkt am Cursor &amp;ein-/ausschalten</translation>
    </message>
    <message>
        <source>&amp;Exec/B=&gt;E/B=&gt;E Average</source>
        <translation>Ausf./B=&gt;E/B=&gt;E-&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Fill Memory with Pattern...</source>
        <translation>Speicher mit Muster &amp;füllen...</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>&amp;First Instance</source>
        <translation>&amp;Erstes Vorkommen</translation>
    </message>
    <message>
        <source>&amp;Function Boundaries</source>
        <translation>&amp;Funktionsgrenzen</translation>
    </message>
    <message>
        <source>&amp;Go To</source>
        <translation>&amp;Gehe zu</translation>
    </message>
    <message>
        <source>&amp;Hardware</source>
        <translation>&amp;Hardware</translation>
    </message>
    <message>
        <source>&amp;Help on these Settings</source>
        <translation>&amp;Hilfe zu diesen Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Histogram View</source>
        <translation>&amp;Histogrammansicht</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>Startse&amp;ite</translation>
    </message>
    <message>
        <source>&amp;Include Commands from File...</source>
        <translation>Befehle aus Datei &amp;einbinden...</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Befehle</translation>
    </message>
    <message>
        <source>&amp;Instructions Only</source>
        <translation>Nur &amp;Befehle</translation>
    </message>
    <message>
        <source>&amp;Interpretation of Data/Opcode</source>
        <translation>&amp;Interpretation von Daten/Opcode</translation>
    </message>
    <message>
        <source>&amp;Invert Filtering (NOT)</source>
        <translation>&amp;Filter umkehren (NICHT)</translation>
    </message>
    <message>
        <source>&amp;Journal File...</source>
        <translation>&amp;Journaldatei...</translation>
    </message>
    <message>
        <source>&amp;Jump to Function...</source>
        <translation>Zu &amp;Funktion springen...</translation>
    </message>
    <message>
        <source>&amp;Load Image...</source>
        <translation>Abbild &amp;laden...</translation>
    </message>
    <message>
        <source>&amp;Load Trace from File...</source>
        <translation>Trace aus Datei &amp;laden...</translation>
    </message>
    <message>
        <source>&amp;Locals</source>
        <translation>&amp;Lokale Variablen</translation>
    </message>
    <message>
        <source>&amp;Log File...</source>
        <translation>&amp;Protokolldatei...</translation>
    </message>
    <message>
        <source>&amp;Memory/Register Operations</source>
        <translation>&amp;Speicher-/Registeroperationen</translation>
    </message>
    <message>
        <source>&amp;Narrow Register View</source>
        <translation>Sch&amp;male Registeransicht</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;New Code Window</source>
        <translation>&amp;Neues Codefenster</translation>
    </message>
    <message>
        <source>&amp;New Project...</source>
        <translation>&amp;Neues Projekt...</translation>
    </message>
    <message>
        <source>&amp;New Workspace...</source>
        <translation>&amp;Neuer Arbeitsbereich...</translation>
    </message>
    <message>
        <source>&amp;OR All Filters</source>
        <translation>&amp;ODER-Verknüpfung aller Filter</translation>
    </message>
    <message>
        <source>&amp;Off (Use Tracepoints)</source>
        <translation>&amp;Aus (Tracepunkte verwenden)</translation>
    </message>
    <message>
        <source>&amp;Only Changing Registers</source>
        <translation>Nur &amp;veränderte Register</translation>
    </message>
    <message>
        <source>&amp;Opcode</source>
        <translation>&amp;Opcode</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>Projekt &amp;öffnen...</translation>
    </message>
    <message>
        <source>&amp;Open Workspace...</source>
        <translation>Arbeitsbereich &amp;öffnen...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>Aus&amp;gabe</translation>
    </message>
    <message>
        <source>&amp;Pair Matching...</source>
        <translation>&amp;Paarzuordnung...</translation>
    </message>
    <message>
        <source>&amp;Parents of Function</source>
        <translation>A&amp;ufrufer der Funktion</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Patch Assembly...</source>
        <translation>Assembler &amp;patchen...</translation>
    </message>
    <message>
        <source>&amp;Position</source>
        <translation>&amp;Position</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Process Control</source>
        <translation>&amp;Prozesssteuerung</translation>
    </message>
    <message>
        <source>&amp;Processor Exceptions...</source>
        <translation>&amp;Prozessorausnahmen...</translation>
    </message>
    <message>
        <source>&amp;Profiling Data</source>
        <translation>&amp;Profildaten</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Projekt</translation>
    </message>
    <message>
        <source>&amp;Project Properties</source>
        <translation>&amp;Projekteigenschaften</translation>
    </message>
    <message>
        <source>&amp;Rebuild All</source>
        <translation>Alles &amp;neu erstellen</translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation>&amp;Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <source>&amp;Recent Projects</source>
        <translation>&amp;Zuletzt geöffnete Projekte</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Registers</source>
        <translation>&amp;Register</translation>
    </message>
    <message>
        <source>&amp;Relative Time</source>
        <translation>&amp;Relative Zeit</translation>
    </message>
    <message>
        <source>&amp;Reload Image to Target</source>
        <translation>Abbild &amp;erneut auf das Ziel laden</translation>
    </message>
    <message>
        <source>&amp;Reverse Sort</source>
        <translation>&amp;Umgekehrt sortieren</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ausführen</translation>
    </message>
    <message>
        <source>&amp;STDIOlog File...</source>
        <translation>&amp;STDIO-Protokolldatei...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>Änderungen &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Save Trace to File...</source>
        <translation>Trace in Datei &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Save Workspace</source>
        <translation>Arbeitsbereich &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Scale Time Units...</source>
        <translation>Zeiteinheiten &amp;skalieren...</translation>
    </message>
    <message>
        <source>&amp;Set Memory...</source>
        <translation>Speicher &amp;setzen...</translation>
    </message>
    <message>
        <source>&amp;Shift Width...</source>
        <translation>&amp;Einrückweite...</translation>
    </message>
    <message>
        <source>&amp;Show Break Capabilities of HW...</source>
        <translation>Haltefähigkeiten der HW &amp;anzeigen...</translation>
    </message>
    <message>
        <source>&amp;Show Default Entries</source>
        <translation>&amp;Standardeinträge anzeigen</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>S&amp;ortieren</translation>
    </message>
    <message>
        <source>&amp;Stack</source>
        <translation>S&amp;tapel</translation>
    </message>
    <message>
        <source>&amp;Step Into</source>
        <translation>&amp;Hineinspringen</translation>
    </message>
    <message>
        <source>&amp;Stop Collecting on Buffer Full</source>
        <translation>Bei vollem Puffer Sammeln &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Stop Find</source>
        <translation>Suche &amp;abbrechen</translation>
    </message>
    <message>
        <source>&amp;Stop Processor on Trigger</source>
        <translation>Prozessor bei Trigger &amp;anhalten</translation>
    </message>
    <message>
        <source>&amp;Synchronization Control...</source>
        <translation>&amp;Synchronisationssteuerung...</translation>
    </message>
    <message>
        <source>&amp;Toggle Breakpoint at Cursor</source>
        <translation>Haltepunkt am Cursor &amp;umschalten</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Tooltip Evaluation</source>
        <translation>&amp;Auswertung im Tooltip</translation>
    </message>
    <message>
        <source>&amp;Trace Data</source>
        <translation>&amp;Trace-Daten</translation>
    </message>
    <message>
        <source>&amp;Tracepoints</source>
        <translation>&amp;Tracepunkte</translation>
    </message>
    <message>
        <source>&amp;Trigger Mode</source>
        <translation>&amp;Trigger-Modus</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Update Dependencies</source>
        <translation>Abhängigkeiten &amp;aktualisieren</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;View Project Source files...</source>
        <translation>Quelldateien des Projekts &amp;anzeigen...</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Überwachung</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Workspace</source>
        <translation>&amp;Arbeitsbereich</translation>
    </message>
    <message>
        <source>&amp;Workspace Options...</source>
        <translation>Optionen des &amp;Arbeitsbereichs...</translation>
    </message>
    <message>
        <source>&amp;Zero Profiling Data</source>
        <translation>Profildaten &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>A&amp;ll Trace</source>
        <translation>&amp;Gesamter Trace</translation>
    </message>
    <message>
        <source>AND All Filters</source>
        <translation>UND-Verknüpfung aller Filter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Absolute &amp;Time</source>
        <translation>Absolute &amp;Zeit</translation>
    </message>
    <message>
        <source>Absolute Time</source>
        <translation>Absolute Zeit</translation>
    </message>
    <message>
        <source>Access T&amp;ype</source>
        <translation>Z&amp;ugriffsart</translation>
    </message>
    <message>
        <source>Access Type</source>
        <translation>Zugriffsart</translation>
    </message>
    <message>
        <source>Ad&amp;vanced</source>
        <translation>Erweiter&amp;t</translation>
    </message>
    <message>
        <source>Add File&amp;s to Project...</source>
        <translation>&amp;Dateien zum Projekt hinzufügen...</translation>
    </message>
    <message>
        <source>Add Files to Project...</source>
        <translation>Dateien zum Projekt hinzufügen...</translation>
    </message>
    <message>
        <source>Add This File to Project</source>
        <translation>Diese Datei zum Projekt hinzufügen</translation>
    </message>
    <message>
        <source>Add/&amp;Edit Debugger Macros...</source>
        <translation>Debugger-Makros hinzufügen/&amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Add/Edit Debugger Macros...</source>
        <translation>Debugger-Makros hinzufügen/bearbeiten...</translation>
    </message>
    <message>
        <source>Address Only</source>
        <translation>Nur Adresse</translation>
    </message>
    <message>
        <source>Address as &amp;Symbol/Line</source>
        <translation>Adresse als &amp;Symbol/Zeile</translation>
    </message>
    <message>
        <source>Address as Symbol/Line</source>
        <translation>Adresse als Symbol/Zeile</translation>
    </message>
    <message>
        <source>Address as Value</source>
        <translation>Adresse als Wert</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>All Trace</source>
        <translation>Gesamter Trace</translation>
    </message>
    <message>
        <source>Analysis Window</source>
        <translation>Analysefenster</translation>
    </message>
    <message>
        <source>Analyzer/Trace Control</source>
        <translation>Analysator-/Trace-Steuerung</translation>
    </message>
    <message>
        <source>Attach Window to a Connection</source>
        <translation>Fenster an eine Verbindung binden</translation>
    </message>
    <message>
        <source>Auto &amp;Indent</source>
        <translation>Automatisch e&amp;inrücken</translation>
    </message>
    <message>
        <source>Auto Indent</source>
        <translation>Automatisch einrücken</translation>
    </message>
    <message>
        <source>Automatic Tracing Mode</source>
        <translation>Automatischer Trace-Modus</translation>
    </message>
    <message>
        <source>Automatic Update on &amp;New Buffer</source>
        <translation>Automatisch aktualisieren bei &amp;neuem Puffer</translation>
    </message>
    <message>
        <source>Automatic Update on New Buffer</source>
        <translation>Automatisch aktualisieren bei neuem Puffer</translation>
    </message>
    <message>
        <source>Break if &amp;X...</source>
        <translation>Anhalten, wenn &amp;X...</translation>
    </message>
    <message>
        <source>Break if X, &amp;N times...</source>
        <translation>Anhalten, wenn X, &amp;N-mal...</translation>
    </message>
    <message>
        <source>Break if X, &amp;when Y is True...</source>
        <translation>Anhalten, wenn X, &amp;falls Y wahr ist...</translation>
    </message>
    <message>
        <source>Break if X, N times...</source>
        <translation>Anhalten, wenn X, N-mal...</translation>
    </message>
    <message>
        <source>Break if X, when Y is True...</source>
        <translation>Anhalten, wenn X, falls Y wahr ist...</translation>
    </message>
    <message>
        <source>Break if X...</source>
        <translation>Anhalten, wenn X...</translation>
    </message>
    <message>
        <source>Break/Tracepoint &amp;History...</source>
        <translation>&amp;Verlauf der Halte-/Tracepunkte...</translation>
    </message>
    <message>
        <source>Break/Tracepoint F&amp;avorites...</source>
        <translation>F&amp;avoriten der Halte-/Tracepunkte...</translation>
    </message>
    <message>
        <source>Break/Tracepoints</source>
        <translation>Halte-/Tracepunkte</translation>
    </message>
    <message>
        <source>Breakpoints</source>
        <translation>Haltepunkte</translation>
    </message>
    <message>
        <source>Buffer Full Mode</source>
        <translation>Verhalten bei vollem Puffer</translation>
    </message>
    <message>
        <source>Build-Tool Properties</source>
        <translation>Eigenschaften des Erstellungswerkzeugs</translation>
    </message>
    <message>
        <source>Build...</source>
        <translation>Erstellen...</translation>
    </message>
    <message>
        <source>By &amp;Address</source>
        <translation>Nach A&amp;dresse</translation>
    </message>
    <message>
        <source>By &amp;Count</source>
        <translation>Nach &amp;Anzahl</translation>
    </message>
    <message>
        <source>By &amp;First Instance</source>
        <translation>Nach &amp;erstem Vorkommen</translation>
    </message>
    <message>
        <source>By &amp;Minimum B=&gt;E Time</source>
        <translation>Nach &amp;kürzester B=&gt;E-Zeit</translation>
    </message>
    <message>
        <source>By &amp;Name</source>
        <translation>Nach &amp;Name</translation>
    </message>
    <message>
        <source>By &amp;Time</source>
        <translation>Nach &amp;Zeit</translation>
    </message>
    <message>
        <source>By A&amp;verage B=&gt;E Time</source>
        <translation>Nach &amp;mittlerer B=&gt;E-Zeit</translation>
    </message>
    <message>
        <source>By Access T&amp;ype</source>
        <translation>Nach Zu&amp;griffsart</translation>
    </message>
    <message>
        <source>By Access Type</source>
        <translation>Nach Zugriffsart</translation>
    </message>
    <message>
        <source>By Address</source>
        <translation>Nach Adresse</translation>
    </message>
    <message>
        <source>By Average B=&gt;E Time</source>
        <translation>Nach mittlerer B=&gt;E-Zeit</translation>
    </message>
    <message>
        <source>By Count</source>
        <translation>Nach Anzahl</translation>
    </message>
    <message>
        <source>By First Instance</source>
        <translation>Nach erstem Vorkommen</translation>
    </message>
    <message>
        <source>By Ma&amp;ximum B=&gt;E Time</source>
        <translation>Nach &amp;längster B=&gt;E-Zeit</translation>
    </message>
    <message>
        <source>By Maximum B=&gt;E Time</source>
        <translation>Nach längster B=&gt;E-Zeit</translation>
    </message>
    <message>
        <source>By Minimum B=&gt;E Time</source>
        <translation>Nach kürzester B=&gt;E-Zeit</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>Nach Name</translation>
    </message>
    <message>
        <source>By Time</source>
        <translation>Nach Zeit</translation>
    </message>
    <message>
        <source>By Total &amp;B=&gt;E Time</source>
        <translation>Nach gesamter &amp;B=&gt;E-Zeit</translation>
    </message>
    <message>
        <source>By Total B=&gt;E Time</source>
        <translation>Nach gesamter B=&gt;E-Zeit</translation>
    </message>
    <message>
        <source>C&amp;lasses</source>
        <translation>&amp;Klassen</translation>
    </message>
    <message>
        <source>C&amp;lean</source>
        <translation>&amp;Bereinigen</translation>
    </message>
    <message>
        <source>C&amp;lose Window</source>
        <translation>Fenster s&amp;chließen</translation>
    </message>
    <message>
        <source>C&amp;onnect/Disconnect Analyzer</source>
        <translation>Analysator &amp;verbinden/trennen</translation>
    </message>
    <message>
        <source>C&amp;onnections</source>
        <translation>Verbindu&amp;ngen</translation>
    </message>
    <message>
        <source>C&amp;ustom Windows</source>
        <translation>&amp;Eigene Fenster</translation>
    </message>
    <message>
        <source>Call Stack</source>
        <translation>Aufrufstapel</translation>
    </message>
    <message>
        <source>Cancel Current Command</source>
        <translation>Aktuellen Befehl abbrechen</translation>
    </message>
    <message>
        <source>Chil&amp;dren of Function</source>
        <translation>Auf&amp;gerufene der Funktion</translation>
    </message>
    <message>
        <source>Children of Function</source>
        <translation>Aufgerufene der Funktion</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Klassen</translation>
    </message>
    <message>
        <source>Clea&amp;r All Event Triggers</source>
        <translation>Alle Ereignis-Trigger &amp;löschen</translation>
    </message>
    <message>
        <source>Clear All Breakpoints/Tracepoints</source>
        <translation>Alle Halte-/Tracepunkte löschen</translation>
    </message>
    <message>
        <source>Clear All Event Triggers</source>
        <translation>Alle Ereignis-Trigger löschen</translation>
    </message>
    <message>
        <source>Clear Filtering</source>
        <translation>Filter aufheben</translation>
    </message>
    <message>
        <source>Clear Trace Buffer</source>
        <translation>Trace-Puffer leeren</translation>
    </message>
    <message>
        <source>Clos&amp;e Logs/Journals...</source>
        <translation>Protokolle/Journale s&amp;chließen...</translation>
    </message>
    <message>
        <source>Close Loaded File</source>
        <translation>Geladene Datei schließen</translation>
    </message>
    <message>
        <source>Close Logs/Journals...</source>
        <translation>Protokolle/Journale schließen...</translation>
    </message>
    <message>
        <source>Close Project...</source>
        <translation>Projekt schließen...</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Close Workspace</source>
        <translation>Arbeitsbereich schließen</translation>
    </message>
    <message>
        <source>Code &amp;Window Tracking</source>
        <translation>&amp;Mitführen des Codefensters</translation>
    </message>
    <message>
        <source>Code Window Tracking</source>
        <translation>Mitführen des Codefensters</translation>
    </message>
    <message>
        <source>Collect Trace &amp;Around Trigger</source>
        <translation>Trace &amp;um den Trigger sammeln</translation>
    </message>
    <message>
        <source>Collect Trace &amp;Before Trigger</source>
        <translation>Trace &amp;vor dem Trigger sammeln</translation>
    </message>
    <message>
        <source>Collect Trace A&amp;fter Trigger</source>
        <translation>Trace &amp;nach dem Trigger sammeln</translation>
    </message>
    <message>
        <source>Collect Trace After Trigger</source>
        <translation>Trace nach dem Trigger sammeln</translation>
    </message>
    <message>
        <source>Collect Trace Around Trigger</source>
        <translation>Trace um den Trigger sammeln</translation>
    </message>
    <message>
        <source>Collect Trace Before Trigger</source>
        <translation>Trace vor dem Trigger sammeln</translation>
    </message>
    <message>
        <source>Compile</source>
        <translation>Kompilieren</translation>
    </message>
    <message>
        <source>Conditional</source>
        <translation>Bedingt</translation>
    </message>
    <message>
        <source>Configure Analyzer &amp;Properties...</source>
        <translation>Analysator-E&amp;igenschaften konfigurieren...</translation>
    </message>
    <message>
        <source>Configure Analyzer Properties...</source>
        <translation>Analysator-Eigenschaften konfigurieren...</translation>
    </message>
    <message>
        <source>Conn&amp;ection</source>
        <translation>&amp;Verbindung</translation>
    </message>
    <message>
        <source>Connect &amp;Analyzer/Analysis</source>
        <translation>&amp;Analysator/Analyse verbinden</translation>
    </message>
    <message>
        <source>Connect Analyzer/Analysis</source>
        <translation>Analysator/Analyse verbinden</translation>
    </message>
    <message>
        <source>Connect to &amp;Target...</source>
        <translation>Mit &amp;Ziel verbinden...</translation>
    </message>
    <message>
        <source>Connect to Target...</source>
        <translation>Mit Ziel verbinden...</translation>
    </message>
    <message>
        <source>Connect/Disconnect Analyzer</source>
        <translation>Analysator verbinden/trennen</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Verbindungen</translation>
    </message>
    <message>
        <source>Continue Collecting on Buffer Full</source>
        <translation>Bei vollem Puffer weitersammeln</translation>
    </message>
    <message>
        <source>Copy All as Text</source>
        <translation>Alles als Text kopieren</translation>
    </message>
    <message>
        <source>Copy register value to the clipboard</source>
        <translation>Registerwert in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy the current pane view to the clipboard</source>
        <translation>Aktuelle Ansicht des Bereichs in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy to User View</source>
        <translation>In Benutzeransicht kopieren</translation>
    </message>
    <message>
        <source>Count of Calls</source>
        <translation>Anzahl der Aufrufe</translation>
    </message>
    <message>
        <source>Count of Hits</source>
        <translation>Anzahl der Treffer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Custom Windows</source>
        <translation>Eigene Fenster</translation>
    </message>
    <message>
        <source>Cycle Connections</source>
        <translation>Verbindungen durchlaufen</translation>
    </message>
    <message>
        <source>Cycle Threads</source>
        <translation>Threads durchlaufen</translation>
    </message>
    <message>
        <source>Da&amp;ta and Address</source>
        <translation>Daten &amp;und Adresse</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Data &amp;Value in Decimal</source>
        <translation>Daten&amp;wert dezimal</translation>
    </message>
    <message>
        <source>Data Only</source>
        <translation>Nur Daten</translation>
    </message>
    <message>
        <source>Data Tracing Mode</source>
        <translation>Daten-Trace-Modus</translation>
    </message>
    <message>
        <source>Data Value in &amp;Hex</source>
        <translation>Datenwert &amp;hexadezimal</translation>
    </message>
    <message>
        <source>Data Value in Decimal</source>
        <translation>Datenwert dezimal</translation>
    </message>
    <message>
        <source>Data Value in Hex</source>
        <translation>Datenwert hexadezimal</translation>
    </message>
    <message>
        <source>Data and Address</source>
        <translation>Daten und Adresse</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debuggen</translation>
    </message>
    <message>
        <source>Define Processor Speed for Scaling...</source>
        <translation>Prozessortakt für die Skalierung festlegen...</translation>
    </message>
    <message>
        <source>Disassembly</source>
        <translation>Disassemblierung</translation>
    </message>
    <message>
        <source>Disconnect (Defining &amp;Mode)...</source>
        <translation>Trennen (&amp;Definitionsmodus)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>E&amp;xit Window</source>
        <translation>&amp;Fenster verlassen</translation>
    </message>
    <message>
        <source>E-mail SPR...</source>
        <translation>SPR per E-Mail...</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Enable Trace</source>
        <translation>Trace einschalten</translation>
    </message>
    <message>
        <source>Enable/Disable Breakpoint at Cursor</source>
        <translation>Haltepunkt am Cursor ein-/ausschalten</translation>
    </message>
    <message>
        <source>Exec/B=&gt;E/B=&gt;E Average</source>
        <translation>Ausf./B=&gt;E/B=&gt;E-Mittel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exit Window</source>
        <translation>Fenster verlassen</translation>
    </message>
    <message>
        <source>Fi&amp;lter</source>
        <translation>&amp;Filter</translation>
    </message>
    <message>
        <source>Fi&amp;nd</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Filter on &amp;Data Value...</source>
        <translation>Nach &amp;Datenwert filtern...</translation>
    </message>
    <message>
        <source>Filter on &amp;Position...</source>
        <translation>Nach &amp;Position filtern...</translation>
    </message>
    <message>
        <source>Filter on &amp;Symbol Name...</source>
        <translation>Nach &amp;Symbolname filtern...</translation>
    </message>
    <message>
        <source>Filter on &amp;Timestamp...</source>
        <translation>Nach &amp;Zeitstempel filtern...</translation>
    </message>
    <message>
        <source>Filter on Access T&amp;ype...</source>
        <translation>Nach Zu&amp;griffsart filtern...</translation>
    </message>
    <message>
        <source>Filter on Access Type...</source>
        <translation>Nach Zugriffsart filtern...</translation>
    </message>
    <message>
        <source>Filter on Address &amp;Expression...</source>
        <translation>Nach Adress&amp;ausdruck filtern...</translation>
    </message>
    <message>
        <source>Filter on Address Expression...</source>
        <translation>Nach Adressausdruck filtern...</translation>
    </message>
    <message>
        <source>Filter on Data Value...</source>
        <translation>Nach Datenwert filtern...</translation>
    </message>
    <message>
        <source>Filter on Percent Ti&amp;me...</source>
        <translation>Nach Zeitante&amp;il filtern...</translation>
    </message>
    <message>
        <source>Filter on Percent Time...</source>
        <translation>Nach Zeitanteil filtern...</translation>
    </message>
    <message>
        <source>Filter on Position...</source>
        <translation>Nach Position filtern...</translation>
    </message>
    <message>
        <source>Filter on Symbol Name...</source>
        <translation>Nach Symbolname filtern...</translation>
    </message>
    <message>
        <source>Filter on Timestamp...</source>
        <translation>Nach Zeitstempel filtern...</translation>
    </message>
    <message>
        <source>Find &amp;Data Value...</source>
        <translation>&amp;Datenwert suchen...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Find &amp;Position...</source>
        <translation>&amp;Position suchen...</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>&amp;Rückwärts suchen</translation>
    </message>
    <message>
        <source>Find &amp;Symbol Name...</source>
        <translation>&amp;Symbolname suchen...</translation>
    </message>
    <message>
        <source>Find &amp;Trigger</source>
        <translation>&amp;Trigger suchen</translation>
    </message>
    <message>
        <source>Find &amp;in Files...</source>
        <translation>&amp;In Dateien suchen...</translation>
    </message>
    <message>
        <source>Find Address &amp;Expression...</source>
        <translation>Adress&amp;ausdruck suchen...</translation>
    </message>
    <message>
        <source>Find Address Expression...</source>
        <translation>Adressausdruck suchen...</translation>
    </message>
    <message>
        <source>Find Data Value...</source>
        <translation>Datenwert suchen...</translation>
    </message>
    <message>
        <source>Find Position...</source>
        <translation>Position suchen...</translation>
    </message>
    <message>
        <source>Find Symbol Name...</source>
        <translation>Symbolname suchen...</translation>
    </message>
    <message>
        <source>Find Ti&amp;mestamp...</source>
        <translation>&amp;Zeitstempel suchen...</translation>
    </message>
    <message>
        <source>Find Timestamp...</source>
        <translation>Zeitstempel suchen...</translation>
    </message>
    <message>
        <source>Find Trigger</source>
        <translation>Trigger suchen</translation>
    </message>
    <message>
        <source>Find in Files...</source>
        <translation>In Dateien suchen...</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>First Instance</source>
        <translation>Erstes Vorkommen</translation>
    </message>
    <message>
        <source>Flash Memory &amp;Control...</source>
        <translation>Flash-Spei&amp;cher-Steuerung...</translation>
    </message>
    <message>
        <source>Flash Memory Control...</source>
        <translation>Flash-Speicher-Steuerung...</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Format register</source>
        <translation>Register formatieren</translation>
    </message>
    <message>
        <source>Function Boundaries</source>
        <translation>Funktionsgrenzen</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Gehe zu</translation>
    </message>
    <message>
        <source>Goto &amp;Line...</source>
        <translation>Gehe zu &amp;Zeile...</translation>
    </message>
    <message>
        <source>Goto &amp;RTOS Awareness Downloads</source>
        <translation>Zu den &amp;RTOS-Awareness-Downloads</translation>
    </message>
    <message>
        <source>Goto &amp;Update and Utility Downloads</source>
        <translation>Zu den &amp;Update- und Hilfsprogramm-Downloads</translation>
    </message>
    <message>
        <source>Goto Line...</source>
        <translation>Gehe zu Zeile...</translation>
    </message>
    <message>
        <source>Goto RTOS Awareness Downloads</source>
        <translation>Zu den RTOS-Awareness-Downloads</translation>
    </message>
    <message>
        <source>Goto Update and Utility Downloads</source>
        <translation>Zu den Update- und Hilfsprogramm-Downloads</translation>
    </message>
    <message>
        <source>Goto ZEB Development Tool FAQs</source>
        <translation>Zu den FAQ der ZEB-Entwicklungswerkzeuge</translation>
    </message>
    <message>
        <source>Goto ZEB PDF Documentation</source>
        <translation>Zur PDF-Dokumentation von ZEB</translation>
    </message>
    <message>
        <source>Goto ZEB Self Help Forums</source>
        <translation>Zu den Selbsthilfe-Foren von ZEB</translation>
    </message>
    <message>
        <source>Goto ZEB Technical Support</source>
        <translation>Zum technischen Support von ZEB</translation>
    </message>
    <message>
        <source>Goto ZEB Technical Support Downloads</source>
        <translation>Zu den Downloads des technischen Supports von ZEB</translation>
    </message>
    <message>
        <source>HW &amp;While in func/range, Break if X...</source>
        <translation>HW: &amp;Solange in Funktion/Bereich, anhalten, wenn X...</translation>
    </message>
    <message>
        <source>HW Breakpoint if &amp;X, then if Y...</source>
        <translation>HW-Haltepunkt, wenn &amp;X, dann wenn Y...</translation>
    </message>
    <message>
        <source>HW Breakpoint if X, then if Y...</source>
        <translation>HW-Haltepunkt, wenn X, dann wenn Y...</translation>
    </message>
    <message>
        <source>HW Breakpoint if in &amp;Range...</source>
        <translation>HW-Haltepunkt, wenn im &amp;Bereich...</translation>
    </message>
    <message>
        <source>HW Breakpoint if in Range...</source>
        <translation>HW-Haltepunkt, wenn im Bereich...</translation>
    </message>
    <message>
        <source>HW Breakpoint on &amp;Data Value match...</source>
        <translation>HW-Haltepunkt bei passendem &amp;Datenwert...</translation>
    </message>
    <message>
        <source>HW Breakpoint on Data Value match...</source>
        <translation>HW-Haltepunkt bei passendem Datenwert...</translation>
    </message>
    <message>
        <source>HW While in func/range, Break if X...</source>
        <translation>HW: Solange in Funktion/Bereich, anhalten, wenn X...</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Help on &amp;Debugger</source>
        <translation>Hilfe zum &amp;Debugger</translation>
    </message>
    <message>
        <source>Help on &amp;Trace/Analysis</source>
        <translation>Hilfe zu &amp;Trace/Analyse</translation>
    </message>
    <message>
        <source>Help on Debugger</source>
        <translation>Hilfe zum Debugger</translation>
    </message>
    <message>
        <source>Help on Trace/Analysis</source>
        <translation>Hilfe zu Trace/Analyse</translation>
    </message>
    <message>
        <source>Help on the &amp;Analysis Window</source>
        <translation>Hilfe zum &amp;Analysefenster</translation>
    </message>
    <message>
        <source>Help on the Analysis Window</source>
        <translation>Hilfe zum Analysefenster</translation>
    </message>
    <message>
        <source>Help on these Settings</source>
        <translation>Hilfe zu diesen Einstellungen</translation>
    </message>
    <message>
        <source>Histogram View</source>
        <translation>Histogrammansicht</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>I&amp;gnore Holes in Trace</source>
        <translation>Lüc&amp;ken im Trace übergehen</translation>
    </message>
    <message>
        <source>I&amp;nstructions and Data</source>
        <translation>Befehle &amp;und Daten</translation>
    </message>
    <message>
        <source>Ignore Holes in Trace</source>
        <translation>Lücken im Trace übergehen</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Abbild</translation>
    </message>
    <message>
        <source>Include Commands from File...</source>
        <translation>Befehle aus Datei einbinden...</translation>
    </message>
    <message>
        <source>Inferred Re&amp;gisters</source>
        <translation>Abge&amp;leitete Register</translation>
    </message>
    <message>
        <source>Inferred Registers</source>
        <translation>Abgeleitete Register</translation>
    </message>
    <message>
        <source>Instruction B&amp;oundaries</source>
        <translation>B&amp;efehlsgrenzen</translation>
    </message>
    <message>
        <source>Instruction Boundaries</source>
        <translation>Befehlsgrenzen</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Instructions Only</source>
        <translation>Nur Befehle</translation>
    </message>
    <message>
        <source>Instructions and Data</source>
        <translation>Befehle und Daten</translation>
    </message>
    <message>
        <source>Interleaved So&amp;urce</source>
        <translation>Verschränkter &amp;Quelltext</translation>
    </message>
    <message>
        <source>Interleaved Source</source>
        <translation>Verschränkter Quelltext</translation>
    </message>
    <message>
        <source>Interpretation of Data/Opcode</source>
        <translation>Interpretation von Daten/Opcode</translation>
    </message>
    <message>
        <source>Invert Filtering (NOT)</source>
        <translation>Filter umkehren (NICHT)</translation>
    </message>
    <message>
        <source>Journal File...</source>
        <translation>Journaldatei...</translation>
    </message>
    <message>
        <source>Jump &amp;Back</source>
        <translation>&amp;Zurückspringen</translation>
    </message>
    <message>
        <source>Jump Back</source>
        <translation>Zurückspringen</translation>
    </message>
    <message>
        <source>Jump to Function...</source>
        <translation>Zu Funktion springen...</translation>
    </message>
    <message>
        <source>Jump to Function/Include &amp;at Cursor</source>
        <translation>Zu Funktion/Include &amp;am Cursor springen</translation>
    </message>
    <message>
        <source>Jump to Function/Include at Cursor</source>
        <translation>Zu Funktion/Include am Cursor springen</translation>
    </message>
    <message>
        <source>Kestrova Debugger &amp;Help</source>
        <translation>&amp;Hilfe zu Kestrova Debugger</translation>
    </message>
    <message>
        <source>Kestrova Debugger Help</source>
        <translation>Hilfe zu Kestrova Debugger</translation>
    </message>
    <message>
        <source>Load Bin&amp;ary...</source>
        <translation>&amp;Binärdatei laden...</translation>
    </message>
    <message>
        <source>Load Binary...</source>
        <translation>Binärdatei laden...</translation>
    </message>
    <message>
        <source>Load Trace from File...</source>
        <translation>Trace aus Datei laden...</translation>
    </message>
    <message>
        <source>Locals</source>
        <translation>Lokale Variablen</translation>
    </message>
    <message>
        <source>Locate &amp;Line at PC</source>
        <translation>&amp;Zeile am PC suchen</translation>
    </message>
    <message>
        <source>Locate Line at PC</source>
        <translation>Zeile am PC suchen</translation>
    </message>
    <message>
        <source>Log File...</source>
        <translation>Protokolldatei...</translation>
    </message>
    <message>
        <source>Logs and &amp;Journal</source>
        <translation>Protokolle und &amp;Journal</translation>
    </message>
    <message>
        <source>Logs and Journal</source>
        <translation>Protokolle und Journal</translation>
    </message>
    <message>
        <source>Make a copy of the current register to the User View for this pane</source>
        <translation>Eine Kopie des aktuellen Registers in die Benutzeransicht dieses Bereichs aufnehmen</translation>
    </message>
    <message>
        <source>Memor&amp;y</source>
        <translation>&amp;Speicher</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Memory &amp;Map Tab</source>
        <translation>Reiter Spei&amp;cherkarte</translation>
    </message>
    <message>
        <source>Memory Map Tab</source>
        <translation>Reiter Speicherkarte</translation>
    </message>
    <message>
        <source>Memory/Register Operations</source>
        <translation>Speicher-/Registeroperationen</translation>
    </message>
    <message>
        <source>Min/Ma&amp;x Times</source>
        <translation>Min./Ma&amp;x. Zeiten</translation>
    </message>
    <message>
        <source>Min/Max Times</source>
        <translation>Min./Max. Zeiten</translation>
    </message>
    <message>
        <source>Name&amp;d...</source>
        <translation>&amp;Benannt...</translation>
    </message>
    <message>
        <source>Named...</source>
        <translation>Benannt...</translation>
    </message>
    <message>
        <source>Narrow Register View</source>
        <translation>Schmale Registeransicht</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>New Code Window</source>
        <translation>Neues Codefenster</translation>
    </message>
    <message>
        <source>New Project...</source>
        <translation>Neues Projekt...</translation>
    </message>
    <message>
        <source>New Workspace...</source>
        <translation>Neuer Arbeitsbereich...</translation>
    </message>
    <message>
        <source>Next Line/Error</source>
        <translation>Nächste Zeile/nächster Fehler</translation>
    </message>
    <message>
        <source>OR All Filters</source>
        <translation>ODER-Verknüpfung aller Filter</translation>
    </message>
    <message>
        <source>Off (Use Tracepoints)</source>
        <translation>Aus (Tracepunkte verwenden)</translation>
    </message>
    <message>
        <source>Old Memory Pane</source>
        <translation>Alter Speicherbereich</translation>
    </message>
    <message>
        <source>Old Register Pane</source>
        <translation>Alter Registerbereich</translation>
    </message>
    <message>
        <source>Old Synchronization Control...</source>
        <translation>Alte Synchronisationssteuerung...</translation>
    </message>
    <message>
        <source>Only &amp;Known Registers</source>
        <translation>Nur be&amp;kannte Register</translation>
    </message>
    <message>
        <source>Only Changing Registers</source>
        <translation>Nur veränderte Register</translation>
    </message>
    <message>
        <source>Only Known Registers</source>
        <translation>Nur bekannte Register</translation>
    </message>
    <message>
        <source>Opcode</source>
        <translation>Opcode</translation>
    </message>
    <message>
        <source>Open Project...</source>
        <translation>Projekt öffnen...</translation>
    </message>
    <message>
        <source>Open Workspace...</source>
        <translation>Arbeitsbereich öffnen...</translation>
    </message>
    <message>
        <source>Open a Memory Pane at the address definied by this register value</source>
        <translation>Einen Speicherbereich an der Adresse aus diesem Registerwert öffnen</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Pair Matching...</source>
        <translation>Paarzuordnung...</translation>
    </message>
    <message>
        <source>Parent/Child %ages &amp;Relative to Parent/Child B=&gt;E</source>
        <translation>Aufrufer/Aufgerufene in % &amp;relativ zu Aufrufer/Aufgerufenem B=&gt;E</translation>
    </message>
    <message>
        <source>Parent/Child %ages Relative to &amp;Whole Time</source>
        <translation>Aufrufer/Aufgerufene in % relativ zur Gesamt&amp;dauer</translation>
    </message>
    <message>
        <source>Parent/Child %ages Relative to F&amp;unction B=&gt;E</source>
        <translation>Aufrufer/Aufgerufene in % relativ zu &amp;Funktion B=&gt;E</translation>
    </message>
    <message>
        <source>Parent/Child %ages Relative to Function B=&gt;E</source>
        <translation>Aufrufer/Aufgerufene in % relativ zu Funktion B=&gt;E</translation>
    </message>
    <message>
        <source>Parent/Child %ages Relative to Parent/Child B=&gt;E</source>
        <translation>Aufrufer/Aufgerufene in % relativ zu Aufrufer/Aufgerufenem B=&gt;E</translation>
    </message>
    <message>
        <source>Parent/Child %ages Relative to Whole Time</source>
        <translation>Aufrufer/Aufgerufene in % relativ zur Gesamtdauer</translation>
    </message>
    <message>
        <source>Parents of Function</source>
        <translation>Aufrufer der Funktion</translation>
    </message>
    <message>
        <source>Paste register value from the clipboard</source>
        <translation>Registerwert aus der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>Patch Assembly...</source>
        <translation>Assembler patchen...</translation>
    </message>
    <message>
        <source>Physical to &amp;Logical Address Mapping...</source>
        <translation>&amp;Zuordnung physischer zu logischen Adressen...</translation>
    </message>
    <message>
        <source>Physical to Logical Address Mapping...</source>
        <translation>Zuordnung physischer zu logischen Adressen...</translation>
    </message>
    <message>
        <source>Pipel&amp;ine View...</source>
        <translation>&amp;Pipeline-Ansicht...</translation>
    </message>
    <message>
        <source>Pipeline View...</source>
        <translation>Pipeline-Ansicht...</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Print/FAX SPR...</source>
        <translation>SPR drucken/faxen...</translation>
    </message>
    <message>
        <source>Process Control</source>
        <translation>Prozesssteuerung</translation>
    </message>
    <message>
        <source>Profiling Data</source>
        <translation>Profildaten</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Project Con&amp;trol...</source>
        <translation>Projekt&amp;steuerung...</translation>
    </message>
    <message>
        <source>Project Control...</source>
        <translation>Projektsteuerung...</translation>
    </message>
    <message>
        <source>Project Properties</source>
        <translation>Projekteigenschaften</translation>
    </message>
    <message>
        <source>Proper&amp;ties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>R&amp;TOS Specific...</source>
        <translation>R&amp;TOS-spezifisch...</translation>
    </message>
    <message>
        <source>R&amp;ecent &amp;Workspaces</source>
        <translation>&amp;Zuletzt geöffnete Arbeitsbereiche</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>Erset&amp;zen...</translation>
    </message>
    <message>
        <source>R&amp;eset Original Line Numbers</source>
        <translation>Ursprüngliche Zeilennummern &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>RTOS Specific...</source>
        <translation>RTOS-spezifisch...</translation>
    </message>
    <message>
        <source>Range &amp;Symbol</source>
        <translation>Bereichs&amp;symbol</translation>
    </message>
    <message>
        <source>Range &amp;Type</source>
        <translation>Bereichs&amp;typ</translation>
    </message>
    <message>
        <source>Range Symbol</source>
        <translation>Bereichssymbol</translation>
    </message>
    <message>
        <source>Range Type</source>
        <translation>Bereichstyp</translation>
    </message>
    <message>
        <source>Recent &amp;Binaries</source>
        <translation>Zuletzt geladene B&amp;inärdateien</translation>
    </message>
    <message>
        <source>Recent &amp;Images</source>
        <translation>Zuletzt geladene &amp;Abbilder</translation>
    </message>
    <message>
        <source>Recent Binaries</source>
        <translation>Zuletzt geladene Binärdateien</translation>
    </message>
    <message>
        <source>Recent Command Scripts</source>
        <translation>Zuletzt verwendete Befehlsskripte</translation>
    </message>
    <message>
        <source>Recent Connections</source>
        <translation>Zuletzt verwendete Verbindungen</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <source>Recent Images</source>
        <translation>Zuletzt geladene Abbilder</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Zuletzt geöffnete Projekte</translation>
    </message>
    <message>
        <source>Recent Workspaces</source>
        <translation>Zuletzt geöffnete Arbeitsbereiche</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Refresh S&amp;ymbols</source>
        <translation>S&amp;ymbole aktualisieren</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Relative Time</source>
        <translation>Relative Zeit</translation>
    </message>
    <message>
        <source>Reload Image to Target</source>
        <translation>Abbild erneut auf das Ziel laden</translation>
    </message>
    <message>
        <source>Remove a copy of the register from the User View</source>
        <translation>Die Kopie des Registers aus der Benutzeransicht entfernen</translation>
    </message>
    <message>
        <source>Remove from User View</source>
        <translation>Aus Benutzeransicht entfernen</translation>
    </message>
    <message>
        <source>Replace...</source>
        <translation>Ersetzen...</translation>
    </message>
    <message>
        <source>Reset Original Line Numbers</source>
        <translation>Ursprüngliche Zeilennummern zurücksetzen</translation>
    </message>
    <message>
        <source>Reset Tar&amp;get Processor</source>
        <translation>Zielprozessor zu&amp;rücksetzen</translation>
    </message>
    <message>
        <source>Resource &amp;Viewer</source>
        <translation>Ress&amp;ourcenanzeige</translation>
    </message>
    <message>
        <source>Resource Viewer</source>
        <translation>Ressourcenanzeige</translation>
    </message>
    <message>
        <source>Reverse Sort</source>
        <translation>Umgekehrt sortieren</translation>
    </message>
    <message>
        <source>Run to &amp;Cursor</source>
        <translation>Bis zum &amp;Cursor ausführen</translation>
    </message>
    <message>
        <source>Run to Cursor</source>
        <translation>Bis zum Cursor ausführen</translation>
    </message>
    <message>
        <source>S&amp;ymbols</source>
        <translation>S&amp;ymbole</translation>
    </message>
    <message>
        <source>STDIOlog File...</source>
        <translation>STDIO-Protokolldatei...</translation>
    </message>
    <message>
        <source>Sa&amp;ve and Close</source>
        <translation>Speichern und s&amp;chließen</translation>
    </message>
    <message>
        <source>Same Workspace on S&amp;tartup</source>
        <translation>Beim S&amp;tart denselben Arbeitsbereich</translation>
    </message>
    <message>
        <source>Same Workspace on Startup</source>
        <translation>Beim Start denselben Arbeitsbereich</translation>
    </message>
    <message>
        <source>Save &amp;As Workspace...</source>
        <translation>Arbeitsbereich speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save &amp;Filtered Trace to File...</source>
        <translation>&amp;Gefilterten Trace in Datei speichern...</translation>
    </message>
    <message>
        <source>Save A&amp;ll</source>
        <translation>&amp;Alles speichern</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Alles speichern</translation>
    </message>
    <message>
        <source>Save As Workspace...</source>
        <translation>Arbeitsbereich speichern unter...</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>Save Filtered Trace to File...</source>
        <translation>Gefilterten Trace in Datei speichern...</translation>
    </message>
    <message>
        <source>Save Settings on E&amp;xit</source>
        <translation>Einstellungen beim &amp;Beenden speichern</translation>
    </message>
    <message>
        <source>Save Settings on Exit</source>
        <translation>Einstellungen beim Beenden speichern</translation>
    </message>
    <message>
        <source>Save Trace to File...</source>
        <translation>Trace in Datei speichern...</translation>
    </message>
    <message>
        <source>Save Workspace</source>
        <translation>Arbeitsbereich speichern</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>Speichern und schließen</translation>
    </message>
    <message>
        <source>Save/Close Multiple...</source>
        <translation>Mehrere speichern/schließen...</translation>
    </message>
    <message>
        <source>Scale Time Units...</source>
        <translation>Zeiteinheiten skalieren...</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles a&amp;uswählen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Send a Problem Report...</source>
        <translation>Problembericht senden...</translation>
    </message>
    <message>
        <source>Set &amp;Register...</source>
        <translation>&amp;Register setzen...</translation>
    </message>
    <message>
        <source>Set Break/Tracepoint from &amp;List</source>
        <translation>Halte-/Tracepunkt aus Liste &amp;setzen</translation>
    </message>
    <message>
        <source>Set Break/Tracepoint from List</source>
        <translation>Halte-/Tracepunkt aus Liste setzen</translation>
    </message>
    <message>
        <source>Set Memory...</source>
        <translation>Speicher setzen...</translation>
    </message>
    <message>
        <source>Set PC to Entr&amp;y Point</source>
        <translation>PC auf &amp;Einsprungpunkt setzen</translation>
    </message>
    <message>
        <source>Set PC to Entry Point</source>
        <translation>PC auf Einsprungpunkt setzen</translation>
    </message>
    <message>
        <source>Set Register...</source>
        <translation>Register setzen...</translation>
    </message>
    <message>
        <source>Set Source Searc&amp;h Path...</source>
        <translation>Suchpfad für &amp;Quelltexte festlegen...</translation>
    </message>
    <message>
        <source>Set Source Search Path...</source>
        <translation>Suchpfad für Quelltexte festlegen...</translation>
    </message>
    <message>
        <source>Set Trace Buffer Si&amp;ze...</source>
        <translation>&amp;Größe des Trace-Puffers festlegen...</translation>
    </message>
    <message>
        <source>Set Trace Buffer Size...</source>
        <translation>Größe des Trace-Puffers festlegen...</translation>
    </message>
    <message>
        <source>Set from &amp;Function/Label list...</source>
        <translation>Aus &amp;Funktions-/Markenliste setzen...</translation>
    </message>
    <message>
        <source>Set from Function/Label list...</source>
        <translation>Aus Funktions-/Markenliste setzen...</translation>
    </message>
    <message>
        <source>Set/Edit E&amp;vent Triggers...</source>
        <translation>Ereignis-Trigger &amp;setzen/bearbeiten...</translation>
    </message>
    <message>
        <source>Set/Edit Event Triggers...</source>
        <translation>Ereignis-Trigger setzen/bearbeiten...</translation>
    </message>
    <message>
        <source>Shift Lines &amp;Left</source>
        <translation>Zeilen nach &amp;links rücken</translation>
    </message>
    <message>
        <source>Shift Lines &amp;Right</source>
        <translation>Zeilen nach &amp;rechts rücken</translation>
    </message>
    <message>
        <source>Shift Lines Left</source>
        <translation>Zeilen nach links rücken</translation>
    </message>
    <message>
        <source>Shift Lines Right</source>
        <translation>Zeilen nach rechts rücken</translation>
    </message>
    <message>
        <source>Shift Width...</source>
        <translation>Einrückweite...</translation>
    </message>
    <message>
        <source>Sho&amp;w Context of PC</source>
        <translation>&amp;Kontext des PC anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Original Line Numbers</source>
        <translation>&amp;Ursprüngliche Zeilennummern anzeigen</translation>
    </message>
    <message>
        <source>Show Context of PC</source>
        <translation>Kontext des PC anzeigen</translation>
    </message>
    <message>
        <source>Show Default Entries</source>
        <translation>Standardeinträge anzeigen</translation>
    </message>
    <message>
        <source>Show Line &amp;Numbers</source>
        <translation>Zeilen&amp;nummern anzeigen</translation>
    </message>
    <message>
        <source>Show Line Numbers</source>
        <translation>Zeilennummern anzeigen</translation>
    </message>
    <message>
        <source>Show Original Line Numbers</source>
        <translation>Ursprüngliche Zeilennummern anzeigen</translation>
    </message>
    <message>
        <source>Show Position &amp;Relative to Trigger</source>
        <translation>Position &amp;relativ zum Trigger anzeigen</translation>
    </message>
    <message>
        <source>Show Position Relative to Trigger</source>
        <translation>Position relativ zum Trigger anzeigen</translation>
    </message>
    <message>
        <source>Show User View</source>
        <translation>Benutzeransicht anzeigen</translation>
    </message>
    <message>
        <source>Show additional user configurable view</source>
        <translation>Zusätzliche, vom Benutzer einstellbare Ansicht anzeigen</translation>
    </message>
    <message>
        <source>Show register details</source>
        <translation>Einzelheiten des Registers anzeigen</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Stack</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Stall det&amp;ecting/profiling...</source>
        <translation>Stillstands&amp;erkennung/-profil...</translation>
    </message>
    <message>
        <source>Stall detecting/profiling...</source>
        <translation>Stillstandserkennung/-profil...</translation>
    </message>
    <message>
        <source>Step &amp;Until Condition...</source>
        <translation>Schritt &amp;bis Bedingung...</translation>
    </message>
    <message>
        <source>Step Into</source>
        <translation>Hineinspringen</translation>
    </message>
    <message>
        <source>Step O&amp;ut</source>
        <translation>He&amp;rausspringen</translation>
    </message>
    <message>
        <source>Step Out</source>
        <translation>Herausspringen</translation>
    </message>
    <message>
        <source>Step Over (ne&amp;xt)</source>
        <translation>Überspringen (&amp;nächster)</translation>
    </message>
    <message>
        <source>Step Over (next)</source>
        <translation>Überspringen (nächster)</translation>
    </message>
    <message>
        <source>Step Until Condition...</source>
        <translation>Schritt bis Bedingung...</translation>
    </message>
    <message>
        <source>Step by &amp;Cycles</source>
        <translation>Schritt in &amp;Zyklen</translation>
    </message>
    <message>
        <source>Step by Cycles</source>
        <translation>Schritt in Zyklen</translation>
    </message>
    <message>
        <source>Stop &amp;Execution</source>
        <translation>Aus&amp;führung anhalten</translation>
    </message>
    <message>
        <source>Stop &amp;Processor on Buffer Full</source>
        <translation>&amp;Prozessor bei vollem Puffer anhalten</translation>
    </message>
    <message>
        <source>Stop Collecting on Buffer Full</source>
        <translation>Bei vollem Puffer Sammeln beenden</translation>
    </message>
    <message>
        <source>Stop Execution</source>
        <translation>Ausführung anhalten</translation>
    </message>
    <message>
        <source>Stop Find</source>
        <translation>Suche abbrechen</translation>
    </message>
    <message>
        <source>Stop Processor on Buffer Full</source>
        <translation>Prozessor bei vollem Puffer anhalten</translation>
    </message>
    <message>
        <source>Stop Processor on Trigger</source>
        <translation>Prozessor bei Trigger anhalten</translation>
    </message>
    <message>
        <source>Store Control-&amp;Flow Changes Only</source>
        <translation>Nur Änderungen des Programm&amp;flusses speichern</translation>
    </message>
    <message>
        <source>Store Control-Flow Changes Only</source>
        <translation>Nur Änderungen des Programmflusses speichern</translation>
    </message>
    <message>
        <source>Su&amp;m Profiling Data</source>
        <translation>&amp;Profildaten summieren</translation>
    </message>
    <message>
        <source>Sum Profiling Data</source>
        <translation>Profildaten summieren</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Synchronization Control...</source>
        <translation>Synchronisationssteuerung...</translation>
    </message>
    <message>
        <source>T&amp;hreads Tab</source>
        <translation>Reiter T&amp;hreads</translation>
    </message>
    <message>
        <source>T&amp;oggle Source/Disassembly</source>
        <translation>Quelltext/Disassemblierung &amp;umschalten</translation>
    </message>
    <message>
        <source>Ta&amp;b Size...</source>
        <translation>&amp;Tabulatorweite...</translation>
    </message>
    <message>
        <source>Tab Size...</source>
        <translation>Tabulatorweite...</translation>
    </message>
    <message>
        <source>Tar&amp;get</source>
        <translation>&amp;Ziel</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Text &amp;Coloring</source>
        <translation>Text&amp;färbung</translation>
    </message>
    <message>
        <source>Text Coloring</source>
        <translation>Textfärbung</translation>
    </message>
    <message>
        <source>Threads Tab</source>
        <translation>Reiter Threads</translation>
    </message>
    <message>
        <source>Time% &amp;in Self</source>
        <translation>Zeit-% &amp;in sich selbst</translation>
    </message>
    <message>
        <source>Time% Including Children (&amp;B=&gt;E)</source>
        <translation>Zeit-% einschließlich Aufgerufener (&amp;B=&gt;E)</translation>
    </message>
    <message>
        <source>Time% Including Children (B=&gt;E)</source>
        <translation>Zeit-% einschließlich Aufgerufener (B=&gt;E)</translation>
    </message>
    <message>
        <source>Time% in Self</source>
        <translation>Zeit-% in sich selbst</translation>
    </message>
    <message>
        <source>Toggle Breakpoint at Cursor</source>
        <translation>Haltepunkt am Cursor umschalten</translation>
    </message>
    <message>
        <source>Toggle Source/Disassembly</source>
        <translation>Quelltext/Disassemblierung umschalten</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Tooltip Evaluation</source>
        <translation>Auswertung im Tooltip</translation>
    </message>
    <message>
        <source>Trace Data</source>
        <translation>Trace-Daten</translation>
    </message>
    <message>
        <source>Trace Gui</source>
        <translation>Trace der Oberfläche</translation>
    </message>
    <message>
        <source>Trace if A==B in X...</source>
        <translation>Trace, wenn A==B in X...</translation>
    </message>
    <message>
        <source>Trace on X after A==B...</source>
        <translation>Trace bei X nach A==B...</translation>
    </message>
    <message>
        <source>Trace on X after Y [and/or Z]...</source>
        <translation>Trace bei X nach Y [und/oder Z]...</translation>
    </message>
    <message>
        <source>Trace on X after Y executed N times...</source>
        <translation>Trace bei X, nachdem Y N-mal ausgeführt wurde...</translation>
    </message>
    <message>
        <source>Tracepoints</source>
        <translation>Tracepunkte</translation>
    </message>
    <message>
        <source>Tracing &amp;Enabled</source>
        <translation>Trace &amp;eingeschaltet</translation>
    </message>
    <message>
        <source>Tracing Enabled</source>
        <translation>Trace eingeschaltet</translation>
    </message>
    <message>
        <source>Trigger Mode</source>
        <translation>Trigger-Modus</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Up&amp;load/Download Memory file...</source>
        <translation>Speicherdatei hoch&amp;laden/herunterladen...</translation>
    </message>
    <message>
        <source>Update Dependencies</source>
        <translation>Abhängigkeiten aktualisieren</translation>
    </message>
    <message>
        <source>Update all data values</source>
        <translation>Alle Datenwerte aktualisieren</translation>
    </message>
    <message>
        <source>Upload/Download Memory file...</source>
        <translation>Speicherdatei hochladen/herunterladen...</translation>
    </message>
    <message>
        <source>Use &amp;Logarithmic Scale for Histogram</source>
        <translation>&amp;Logarithmische Skala für das Histogramm</translation>
    </message>
    <message>
        <source>Use Logarithmic Scale for Histogram</source>
        <translation>Logarithmische Skala für das Histogramm</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>View Project Source files...</source>
        <translation>Quelldateien des Projekts anzeigen...</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Workspace</source>
        <translation>Arbeitsbereich</translation>
    </message>
    <message>
        <source>Workspace Options...</source>
        <translation>Optionen des Arbeitsbereichs...</translation>
    </message>
    <message>
        <source>ZEB on the &amp;Web</source>
        <translation>ZEB im &amp;Web</translation>
    </message>
    <message>
        <source>ZEB on the Web</source>
        <translation>ZEB im Web</translation>
    </message>
    <message>
        <source>Zero Profiling Data</source>
        <translation>Profildaten zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Unload Image</source>
        <translation>Abbild entladen</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&lt;qt&gt;Another copy of Kestrova Debugger is already running, which is using the same home area as this instance. The home area is&lt;p&gt;&lt;nobr&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/nobr&gt;&lt;p&gt;Multiple copies of Kestrova Debugger sharing the same home area can lead to file corruption!&lt;p&gt;If you wish to start this copy press Yes, otherwise press No.&lt;/qt&gt;</source>
        <translation>&lt;qt&gt;Eine andere Kopie des Kestrova Debugger läuft bereits und verwendet denselben Home-Bereich wie diese Instanz. Der Home-Bereich ist&lt;p&gt;&lt;nobr&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/nobr&gt;&lt;p&gt;Mehrere Kopien des Kestrova Debugger, die denselben Home-Bereich verwenden, können zu beschädigten Dateien führen!&lt;p&gt;Wenn Sie diese Kopie starten möchten, drücken Sie Ja, andernfalls Nein.&lt;/qt&gt;</translation>
    </message>
    <message>
        <source>File </source>
        <translation>Datei </translation>
    </message>
    <message>
        <source>Dock/Float</source>
        <translation>Andocken/Abdocken</translation>
    </message>
    <message>
        <source>&amp;Goto Variables</source>
        <translation>Zu &amp;Variablen</translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Filter</translation>
    </message>
    <message>
        <source>Symbol Statistics</source>
        <translation>Symbolstatistik</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Gültigkeitsbereich</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>Function Breakpoint Selector</source>
        <translation>Funktionshaltepunkt-Auswahl</translation>
    </message>
    <message>
        <source>Critical Error</source>
        <translation>Kritischer Fehler</translation>
    </message>
    <message>
        <source>Event Name</source>
        <translation>Ereignisname</translation>
    </message>
    <message>
        <source>Event Type</source>
        <translation>Ereignistyp</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>View Disassembly</source>
        <translation>Disassemblierung anzeigen</translation>
    </message>
    <message>
        <source>View Source</source>
        <translation>Quelltext anzeigen</translation>
    </message>
    <message>
        <source>Print Type Information</source>
        <translation>Typinformationen ausgeben</translation>
    </message>
    <message>
        <source>Print Full Information</source>
        <translation>Vollständige Informationen ausgeben</translation>
    </message>
    <message>
        <source>Show Publics</source>
        <translation>Öffentliche Symbole anzeigen</translation>
    </message>
    <message>
        <source>Show Statics</source>
        <translation>Statische Symbole anzeigen</translation>
    </message>
    <message>
        <source>Show Labels</source>
        <translation>Labels anzeigen</translation>
    </message>
    <message>
        <source>Show Library Symbols</source>
        <translation>Bibliothekssymbole anzeigen</translation>
    </message>
    <message>
        <source>Function Name</source>
        <translation>Funktionsname</translation>
    </message>
    <message>
        <source>Module Name</source>
        <translation>Modulname</translation>
    </message>
    <message>
        <source>A C++ runtime exception has occured.&lt;p&gt;The following error message was returned&lt;p&gt;&lt;pre&gt;&apos;%1&apos;&lt;/pre&gt;&lt;p&gt;It is recommended that you restart the application</source>
        <translation>Eine C++-Laufzeitausnahme ist aufgetreten.&lt;p&gt;Die folgende Fehlermeldung wurde zurückgegeben&lt;p&gt;&lt;pre&gt;&apos;%1&apos;&lt;/pre&gt;&lt;p&gt;Es wird empfohlen, die Anwendung neu zu starten</translation>
    </message>
    <message>
        <source>Runtime Exception</source>
        <translation>Laufzeitausnahme</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Öffentlich</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statisch</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Print Hex</source>
        <translation>Hexadezimal ausgeben</translation>
    </message>
    <message>
        <source>Print Decimal</source>
        <translation>Dezimal ausgeben</translation>
    </message>
    <message>
        <source>Show Locals</source>
        <translation>Lokale Variablen anzeigen</translation>
    </message>
    <message>
        <source>Variable Name</source>
        <translation>Variablenname</translation>
    </message>
    <message>
        <source>Load Binary</source>
        <translation>Binärdatei laden</translation>
    </message>
    <message>
        <source>Symbols Only</source>
        <translation>Nur Symbole</translation>
    </message>
    <message>
        <source>Replace Existing File(s)</source>
        <translation>Vorhandene Datei(en) ersetzen</translation>
    </message>
    <message>
        <source>Sections:</source>
        <translation>Abschnitte:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Versatz:</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>Auto-Set PC</source>
        <translation>PC automatisch setzen</translation>
    </message>
    <message>
        <source>Set PC to Entry point</source>
        <translation>PC auf Einsprungpunkt setzen</translation>
    </message>
    <message>
        <source>&amp;Type of File:</source>
        <translation>&amp;Dateityp:</translation>
    </message>
    <message>
        <source>L&amp;ocation:</source>
        <translation>&amp;Position:</translation>
    </message>
    <message>
        <source>Specify the start address for loading to.</source>
        <translation>Geben Sie die Startadresse zum Laden an.</translation>
    </message>
    <message>
        <source>Location is optional signed offset for adding to address in file.</source>
        <translation>Die Adresse ist ein optionaler vorzeichenbehafteter Versatz, der zur Adresse in der Datei addiert wird.</translation>
    </message>
    <message>
        <source>O&amp;pen</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
</context>
<context>
    <name>RegisterListDlgBase</name>
    <message>
        <source>Register List</source>
        <translation>Registerliste</translation>
    </message>
    <message>
        <source>Please select a memory mapped register from the list below.</source>
        <translation>Bitte wählen Sie ein speicherabgebildetes Register aus der folgenden Liste.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ScriptToolBar</name>
    <message>
        <source>Add Script</source>
        <translation>Skript hinzufügen</translation>
    </message>
    <message>
        <source>Run Script</source>
        <translation>Skript ausführen</translation>
    </message>
    <message>
        <source>Remove Script</source>
        <translation>Skript entfernen</translation>
    </message>
    <message>
        <source>Scripts </source>
        <translation>Skripte </translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Choose Include File</source>
        <translation>Include-Datei auswählen</translation>
    </message>
    <message>
        <source>Include Files (*.inc *.log);;All Files (*)</source>
        <translation>Include-Dateien (*.inc *.log);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&lt;None&gt;</source>
        <translation>&lt;Keine&gt;</translation>
    </message>
</context>
<context>
    <name>SimpleEntryDlgBase</name>
    <message>
        <source>Enter Value</source>
        <translation>Wert eingeben</translation>
    </message>
    <message>
        <source>textLabel1</source>
        <translation>textLabel1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>SimpleEntryPDDlgBase</name>
    <message>
        <source>Prompt</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>textLabel1</source>
        <translation>textLabel1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>SourceLocationDlg</name>
    <message>
        <source>Source File not found.

Enter a corrected filename and press Retry
or press Cancel to ignore the file.</source>
        <translation>Quelldatei nicht gefunden.

Geben Sie einen korrigierten Dateinamen ein und drücken Sie Wiederholen
oder drücken Sie Abbrechen, um die Datei zu übergehen.</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Source Files (*.c *.ac *.tc *.cpp *.cxx *.c++ *.ac++ *.cp *.acpp *.acp *.tc++ *.tcpp *.tcp *.h *.S *.asm);;All Files (*)</source>
        <translation>Quelldateien (*.c *.ac *.tc *.cpp *.cxx *.c++ *.ac++ *.cp *.acpp *.acp *.tc++ *.tcpp *.tcp *.h *.S *.asm);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>SourceLocationDlgBase</name>
    <message>
        <source>Source File Location</source>
        <translation>Ort der Quelldatei</translation>
    </message>
    <message>
        <source>textLabel1</source>
        <translation>textLabel1</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SourceSearchPathDlgBase</name>
    <message>
        <source>Source Search and Mappings</source>
        <translation>Quelltextsuche und Zuordnungen</translation>
    </message>
    <message>
        <source>Source Search Path</source>
        <translation>Quelltext-Suchpfad</translation>
    </message>
    <message>
        <source>Object Search Path</source>
        <translation>Objekt-Suchpfad</translation>
    </message>
    <message>
        <source>Source Mapping</source>
        <translation>Quelltextzuordnung</translation>
    </message>
    <message>
        <source>Object Mapping</source>
        <translation>Objektzuordnung</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Mapped</source>
        <translation>Zugeordnet</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>SymtabDataSource</name>
    <message>
        <source>The pattern is too complex to test against some names: they may be missing from the list.</source>
        <translation>Das Muster ist zu aufwendig, um es gegen einige Namen zu prüfen: Sie fehlen möglicherweise in der Liste.</translation>
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
    <name>TopLevelWindow</name>
    <message>
        <source>Connect/Synch Help</source>
        <translation>Hilfe zu Verbindung/Synchronisation</translation>
    </message>
    <message>
        <source>Display Help on using the Connections Control</source>
        <translation>Hilfe zur Verwendung der Verbindungssteuerung anzeigen</translation>
    </message>
    <message>
        <source>Send a Problem Report...</source>
        <translation>Problembericht senden...</translation>
    </message>
    <message>
        <source>Opens a window to prepare and send a problem report</source>
        <translation>Öffnet ein Fenster zum Erstellen und Senden eines Problemberichts</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Shows information on product and licenses</source>
        <translation>Zeigt Informationen zum Produkt und zu Lizenzen</translation>
    </message>
</context>
<context>
    <name>UserInfoDlg</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Cannot find the input template file &lt;p&gt;&apos;%1&apos;&lt;p&gt;This means the user information cannot be saved.</source>
        <translation>Die Eingabevorlage &lt;p&gt;&apos;%1&apos;&lt;p&gt;wurde nicht gefunden. Die Benutzerinformationen können daher nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Cannot read the input file&lt;p&gt;&apos;%1&apos;&lt;p&gt;This means the user information cannot be saved.</source>
        <translation>Die Eingabedatei&lt;p&gt;&apos;%1&apos;&lt;p&gt;kann nicht gelesen werden. Die Benutzerinformationen können daher nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The user information file&lt;p&gt;&apos;%1&apos;&lt;p&gt;cannot be created.</source>
        <translation>Die Benutzerinformationsdatei&lt;p&gt;&apos;%1&apos;&lt;p&gt;kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The user information file&lt;p&gt;&apos;%1&apos;&lt;p&gt;cannot be written.</source>
        <translation>Die Benutzerinformationsdatei&lt;p&gt;&apos;%1&apos;&lt;p&gt;kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>UserInfoDlgBase</name>
    <message>
        <source>User Information</source>
        <translation>Benutzerinformationen</translation>
    </message>
    <message>
        <source>Enter your contact information below. This information will be inserted into the SPR form.</source>
        <translation>Geben Sie unten Ihre Kontaktdaten ein. Diese Angaben werden in das SPR-Formular eingefügt.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Company:</source>
        <translation>&amp;Firma:</translation>
    </message>
    <message>
        <source>&amp;Phone:</source>
        <translation>&amp;Telefon:</translation>
    </message>
    <message>
        <source>&amp;E-Mail:</source>
        <translation>&amp;E-Mail:</translation>
    </message>
    <message>
        <source>&amp;Address 1:</source>
        <translation>&amp;Adresse 1:</translation>
    </message>
    <message>
        <source>A&amp;ddress 2:</source>
        <translation>A&amp;dresse 2:</translation>
    </message>
    <message>
        <source>Ci&amp;ty/Province:</source>
        <translation>&amp;Ort/Provinz:</translation>
    </message>
    <message>
        <source>&amp;State/Country:</source>
        <translation>&amp;Bundesland/Staat:</translation>
    </message>
    <message>
        <source>&amp;ZIP/Postal Code:</source>
        <translation>&amp;PLZ:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>loadimagepanel</name>
    <message>
        <source>Load Image Panel</source>
        <translation>Abbild laden</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>&amp;Auto-Set PC</source>
        <translation>PC &amp;automatisch setzen</translation>
    </message>
    <message>
        <source>Set &amp;PC to Entry point</source>
        <translation>&amp;PC auf Einstiegspunkt setzen</translation>
    </message>
    <message>
        <source>&amp;Symbols Only</source>
        <translation>Nur &amp;Symbole</translation>
    </message>
    <message>
        <source>&amp;Replace Existing Files</source>
        <translation>Vorhandene Dateien &amp;ersetzen</translation>
    </message>
    <message>
        <source>A&amp;rguments:</source>
        <translation>A&amp;rgumente:</translation>
    </message>
    <message>
        <source>S&amp;ections:</source>
        <translation>Ab&amp;schnitte:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Versatz:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please select the type of the file from the list before pressing Open.</source>
        <translation>Bitte wählen Sie den Dateityp aus der Liste, bevor Sie Öffnen drücken.</translation>
    </message>
    <message>
        <source>You must supply a valid location</source>
        <translation>Sie müssen eine gültige Position angeben</translation>
    </message>
    <message>
        <source>Please enter a valid value in the Location field.</source>
        <translation>Bitte geben Sie einen gültigen Wert in das Feld Position ein.</translation>
    </message>
</context>
<context>
    <name>mappingEntryDlgBase</name>
    <message>
        <source>New Mapping</source>
        <translation>Neue Zuordnung</translation>
    </message>
    <message>
        <source>Original Path</source>
        <translation>Originalpfad</translation>
    </message>
    <message>
        <source>Mapped Path</source>
        <translation>Zugeordneter Pfad</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Choose a directory</source>
        <translation>Verzeichnis auswählen</translation>
    </message>
</context>
</TS>
