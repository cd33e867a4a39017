<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Form1</name>
    <message>
        <source>Units</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Bore</source>
        <translation>Bohr.</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Hub</translation>
    </message>
    <message>
        <source>Combustion Chamber CC</source>
        <translation>Brennraum CC</translation>
    </message>
    <message>
        <source>Piston Dome Vol (-ve if relief) CC</source>
        <translation>Kolbendom CC (Mulde negativ)</translation>
    </message>
    <message>
        <source>Head Gasket</source>
        <translation>Kopfdichtung</translation>
    </message>
    <message>
        <source>Gasket Bore</source>
        <translation>Dichtungs-Ø</translation>
    </message>
    <message>
        <source>Compressed Thickness</source>
        <translation>Verpresste Dicke</translation>
    </message>
    <message>
        <source>Gasket Volume CC</source>
        <translation>Dichtungsvol. CC</translation>
    </message>
    <message>
        <source>Dead Area</source>
        <translation>Feuersteg</translation>
    </message>
    <message>
        <source>Piston Diameter</source>
        <translation>Kolben-Ø</translation>
    </message>
    <message>
        <source>Depth to Top Ring</source>
        <translation>Feuersteghöhe</translation>
    </message>
    <message>
        <source>Compression Ratio</source>
        <translation>Verdichtung</translation>
    </message>
    <message>
        <source>Deck Height</source>
        <translation>Kolbenrückstand</translation>
    </message>
    <message>
        <source>Use this feature</source>
        <translation>Einrechnen</translation>
    </message>
    <message>
        <source>Compression ratio</source>
        <translation>Verdichtungsverhältnis</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Hubraum</translation>
    </message>
    <message>
        <source>Capacity unit</source>
        <translation>Hubraumeinheit</translation>
    </message>
    <message>
        <source>No. of Cyls</source>
        <translation>Zylinderzahl</translation>
    </message>
    <message>
        <source>The small volume trapped between the piston and bore, above the top ring</source>
        <translation>Das kleine Volumen zwischen Kolben und Zylinderwand oberhalb des ersten Kolbenrings</translation>
    </message>
</context>
<context>
    <name>form</name>
    <message>
        <source>&apos;%1&apos; is too large a number.</source>
        <translation>„%1“ ist eine zu große Zahl.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number; write decimals with a comma: %2.</source>
        <translation>„%1“ ist keine Zahl; Dezimalzahlen bitte mit Komma schreiben: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number; write decimals with &quot;%2&quot;: %3.</source>
        <translation>„%1“ ist keine Zahl; Dezimalzahlen bitte mit „%2“ schreiben: %3.</translation>
    </message>
    <message>
        <source>The figures are too large to compute with.</source>
        <translation>Die Werte sind zu groß für die Berechnung.</translation>
    </message>
    <message>
        <source>The clearance volume comes to 0, so there is no ratio.</source>
        <translation>Das Kompressionsvolumen beträgt 0, daher gibt es kein Verdichtungsverhältnis.</translation>
    </message>
    <message>
        <source>The ratio is too large to show.</source>
        <translation>Das Verdichtungsverhältnis ist zu groß für die Anzeige.</translation>
    </message>
    <message>
        <source>All values must be entered</source>
        <translation>Alle Werte müssen eingegeben werden</translation>
    </message>
    <message>
        <source>Enter either the Gasket Volume or the Gasket Bore and Compressed Thickness</source>
        <translation>Geben Sie entweder das Dichtungsvolumen oder die Dichtungsbohrung und die verpresste Dicke ein</translation>
    </message>
    <message>
        <source>Type the compression ratio you want, as a number.</source>
        <translation>Geben Sie die gewünschte Verdichtung als Zahl ein.</translation>
    </message>
    <message>
        <source>A compression ratio is always above 1.</source>
        <translation>Ein Verdichtungsverhältnis ist immer größer als 1.</translation>
    </message>
    <message>
        <source>There is no swept volume: the bore or the stroke is 0.</source>
        <translation>Es gibt kein Hubvolumen: Bohrung oder Hub ist 0.</translation>
    </message>
    <message>
        <source>With a gasket bore of 0, no thickness makes a gasket volume.</source>
        <translation>Bei einer Dichtungsbohrung von 0 ergibt keine Dicke ein Dichtungsvolumen.</translation>
    </message>
    <message>
        <source>Enter the Gasket Bore to solve for the Compressed Thickness</source>
        <translation>Geben Sie die Dichtungsbohrung ein, um die verpresste Dicke zu berechnen</translation>
    </message>
    <message>
        <source>in</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>%1 : 1 needs %2 cc of clearance; the other volumes already come to %3 cc. This field allows at most %4 : 1.</source>
        <translation>Für %1&#xa0;:&#xa0;1 sind %2&#xa0;cc Kompressionsvolumen nötig; die übrigen Volumina ergeben bereits %3&#xa0;cc. Mit diesem Feld sind höchstens %4&#xa0;:&#xa0;1 erreichbar.</translation>
    </message>
    <message>
        <source>The piston would reach the head: the quench distance would be %1 %2. This field allows at most %3 : 1.</source>
        <translation>Der Kolben würde an den Zylinderkopf stoßen: Der Quetschspalt betrüge %1&#xa0;%2. Mit diesem Feld sind höchstens %3&#xa0;:&#xa0;1 erreichbar.</translation>
    </message>
    <message>
        <source>%1 %2 would be written, giving %3 : 1.</source>
        <translation>Neuer Wert: %1&#xa0;%2; damit ergibt sich %3&#xa0;:&#xa0;1.</translation>
    </message>
    <message>
        <source>%1 %2 would replace %3 %2, giving %4 : 1.</source>
        <translation>Neuer Wert: %1&#xa0;%2 statt %3&#xa0;%2; damit ergibt sich %4&#xa0;:&#xa0;1.</translation>
    </message>
    <message>
        <source>A %1 cc dish becomes a %2 cc dome, giving %3 : 1.</source>
        <translation>Aus einer Mulde von %1&#xa0;cc wird ein Dom von %2&#xa0;cc; damit ergibt sich %3&#xa0;:&#xa0;1.</translation>
    </message>
    <message>
        <source>A %1 cc dome becomes a %2 cc dish, giving %3 : 1.</source>
        <translation>Aus einem Dom von %1&#xa0;cc wird eine Mulde von %2&#xa0;cc; damit ergibt sich %3&#xa0;:&#xa0;1.</translation>
    </message>
    <message>
        <source>Quench distance: %1 %2.</source>
        <translation>Quetschspalt: %1&#xa0;%2.</translation>
    </message>
    <message>
        <source>Quench distance: %1 %3 instead of %2 %3.</source>
        <translation>Quetschspalt: %1&#xa0;%3 statt %2&#xa0;%3.</translation>
    </message>
    <message>
        <source>The Gasket Volume is worked out from the Gasket Bore and Compressed Thickness: solve for the Compressed Thickness instead, or empty either of them to type a volume.</source>
        <translation>Das Dichtungsvolumen ergibt sich aus Dichtungsbohrung und verpresster Dicke: Ermitteln Sie stattdessen die verpresste Dicke, oder leeren Sie eines der beiden Felder, um ein Volumen einzugeben.</translation>
    </message>
</context>
<context>
    <name>numeric</name>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch Null</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <source>%1, so nothing was printed.</source>
        <translation>%1, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The print server name %1 cannot be found</source>
        <translation>Der Druckservername %1 ist nicht auffindbar</translation>
    </message>
    <message>
        <source>No print server is running at %1 (%2)</source>
        <translation>Unter %1 läuft kein Druckserver (%2)</translation>
    </message>
    <message>
        <source>The print server at %1 is not answering</source>
        <translation>Der Druckserver unter %1 antwortet nicht</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>ohne Angabe eines Grundes</translation>
    </message>
    <message>
        <source>the print server is holding it</source>
        <translation>der Druckserver hält den Auftrag zurück</translation>
    </message>
    <message>
        <source>the print server stopped it</source>
        <translation>der Druckserver hat den Auftrag angehalten</translation>
    </message>
    <message>
        <source>it was cancelled</source>
        <translation>der Auftrag wurde abgebrochen</translation>
    </message>
    <message>
        <source>the print server aborted it</source>
        <translation>der Druckserver hat den Auftrag abgebrochen</translation>
    </message>
    <message>
        <source>The CUPS library could not be loaded (%1)</source>
        <translation>Die CUPS-Bibliothek konnte nicht geladen werden (%1)</translation>
    </message>
    <message>
        <source>The print server could not find the default printer (%1)</source>
        <translation>Der Druckserver konnte den Standarddrucker nicht finden (%1)</translation>
    </message>
    <message>
        <source>The printer %1 named in %2 does not exist on the print server.</source>
        <translation>Den in %2 genannten Drucker %1 gibt es auf dem Druckserver nicht.</translation>
    </message>
    <message>
        <source>The printer %1 named in %2 does not exist on the print server</source>
        <translation>Den in %2 genannten Drucker %1 gibt es auf dem Druckserver nicht</translation>
    </message>
    <message>
        <source>No default printer is set up</source>
        <translation>Es ist kein Standarddrucker eingerichtet</translation>
    </message>
    <message>
        <source>The print server could not tell the state of the printer %1 (%2)</source>
        <translation>Der Druckserver konnte den Zustand des Druckers %1 nicht ermitteln (%2)</translation>
    </message>
    <message>
        <source>The printer %1 is refusing jobs (%2)</source>
        <translation>Der Drucker %1 nimmt keine Aufträge an (%2)</translation>
    </message>
    <message>
        <source>The printer %1 is refusing jobs</source>
        <translation>Der Drucker %1 nimmt keine Aufträge an</translation>
    </message>
    <message>
        <source>The print server could not take a job for %1 (%2)</source>
        <translation>Der Druckserver konnte keinen Auftrag für %1 annehmen (%2)</translation>
    </message>
    <message>
        <source>The print server could not take the page (%1)</source>
        <translation>Der Druckserver konnte die Seite nicht annehmen (%1)</translation>
    </message>
    <message>
        <source>The print server could not take the whole page, and job %1 on %2 could not be cancelled either, so part of it may still print.</source>
        <translation>Der Druckserver konnte die Seite nicht vollständig annehmen, und Auftrag %1 auf %2 ließ sich auch nicht abbrechen; ein Teil davon wird daher womöglich noch gedruckt.</translation>
    </message>
    <message>
        <source>The printer %1 is paused (%2): the page waits in its queue until the printer is resumed.</source>
        <translation>Der Drucker %1 ist angehalten (%2): Die Seite wartet in seiner Warteschlange, bis der Drucker fortgesetzt wird.</translation>
    </message>
    <message>
        <source>The printer %1 is paused: the page waits in its queue until the printer is resumed.</source>
        <translation>Der Drucker %1 ist angehalten: Die Seite wartet in seiner Warteschlange, bis der Drucker fortgesetzt wird.</translation>
    </message>
    <message>
        <source>The page did not print on %1: %2 (%3).</source>
        <translation>Die Seite wurde auf %1 nicht gedruckt: %2 (%3).</translation>
    </message>
    <message>
        <source>The page did not print on %1: %2.</source>
        <translation>Die Seite wurde auf %1 nicht gedruckt: %2.</translation>
    </message>
    <message>
        <source>The printer %1 was paused (%2): the page waits in its queue until the printer is resumed.</source>
        <translation>Der Drucker %1 wurde angehalten (%2): Die Seite wartet in seiner Warteschlange, bis der Drucker fortgesetzt wird.</translation>
    </message>
    <message>
        <source>The printer %1 was paused: the page waits in its queue until the printer is resumed.</source>
        <translation>Der Drucker %1 wurde angehalten: Die Seite wartet in seiner Warteschlange, bis der Drucker fortgesetzt wird.</translation>
    </message>
    <message>
        <source>The page did not print: the printer %1 stopped (%2). It waits in the queue until the printer is started again.</source>
        <translation>Die Seite wurde nicht gedruckt: Der Drucker %1 wurde gestoppt (%2). Sie wartet in der Warteschlange, bis der Drucker wieder gestartet wird.</translation>
    </message>
    <message>
        <source>The page did not print: the printer %1 stopped. It waits in the queue until the printer is started again.</source>
        <translation>Die Seite wurde nicht gedruckt: Der Drucker %1 wurde gestoppt. Sie wartet in der Warteschlange, bis der Drucker wieder gestartet wird.</translation>
    </message>
    <message>
        <source>The page waits on %1: %2 (%3).</source>
        <translation>Die Seite wartet bei %1: %2 (%3).</translation>
    </message>
    <message>
        <source>The page waits on %1: %2.</source>
        <translation>Die Seite wartet bei %1: %2.</translation>
    </message>
    <message>
        <source>the printer is out of paper</source>
        <translation>der Drucker hat kein Papier mehr</translation>
    </message>
    <message>
        <source>paper is jammed in the printer</source>
        <translation>im Drucker ist ein Papierstau</translation>
    </message>
    <message>
        <source>a cover of the printer is open</source>
        <translation>eine Klappe des Druckers ist offen</translation>
    </message>
    <message>
        <source>the printer is out of toner or ink</source>
        <translation>der Drucker hat keinen Toner oder keine Tinte mehr</translation>
    </message>
    <message>
        <source>the printer cannot be reached</source>
        <translation>der Drucker ist nicht erreichbar</translation>
    </message>
    <message>
        <source>it was set to wait</source>
        <translation>der Auftrag wurde zurückgestellt</translation>
    </message>
    <message>
        <source>someone cancelled it</source>
        <translation>jemand hat den Auftrag abgebrochen</translation>
    </message>
    <message>
        <source>the print server gave it up</source>
        <translation>der Druckserver hat den Auftrag verworfen</translation>
    </message>
    <message>
        <source>the printer cannot print the page</source>
        <translation>der Drucker kann die Seite nicht drucken</translation>
    </message>
    <message>
        <source>the printer stopped</source>
        <translation>der Drucker wurde gestoppt</translation>
    </message>
    <message>
        <source>the printer is not ready</source>
        <translation>der Drucker ist nicht bereit</translation>
    </message>
    <message>
        <source>the page did not reach the server whole</source>
        <translation>die Seite kam nicht vollständig beim Server an</translation>
    </message>
    <message>
        <source>the printer reports a fault</source>
        <translation>der Drucker meldet eine Störung</translation>
    </message>
    <message>
        <source>The print server name %1 could not be looked up within five seconds</source>
        <translation>Der Druckservername %1 ließ sich nicht innerhalb von fünf Sekunden auflösen</translation>
    </message>
    <message>
        <source>The print server at %1 closed the connection</source>
        <translation>Der Druckserver unter %1 hat die Verbindung getrennt</translation>
    </message>
    <message>
        <source>The print server at %1 refused the job: printing there needs a login</source>
        <translation>Der Druckserver unter %1 hat den Auftrag abgelehnt: Zum Drucken ist dort eine Anmeldung nötig</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>%1: %2</source>
        <comment>a field&apos;s caption, then what is wrong with its figure</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ui::CalculatorWindow</name>
    <message>
        <source>Solve for a Ratio…</source>
        <translation>Wert für Zielverdichtung ermitteln…</translation>
    </message>
    <message>
        <source>There is not enough memory to finish. Every entry is as you left it.</source>
        <translation>Der Speicher reicht nicht aus, um fertig zu rechnen. Alle Eingaben sind unverändert.</translation>
    </message>
    <message>
        <source>Printer paused</source>
        <translation>Drucker angehalten</translation>
    </message>
    <message>
        <source>Page waiting</source>
        <translation>Seite wartet</translation>
    </message>
    <message>
        <source>%1, or %2 in the right-click menu, finds the figure for this field that gives the compression ratio you want.</source>
        <comment>the shortcut, then the menu entry</comment>
        <translation>Mit %1 oder „%2“ im Kontextmenü bestimmen Sie den Wert dieses Felds, der die gewünschte Verdichtung ergibt.</translation>
    </message>
    <message>
        <source>Solve for a Ratio</source>
        <translation>Wert für Zielverdichtung ermitteln</translation>
    </message>
    <message>
        <source>%1…</source>
        <comment>a field&apos;s caption, in a menu item that opens a dialog</comment>
        <translation>%1…</translation>
    </message>
    <message>
        <source>Out of date: press Calculate, or Return in a field, to work the ratio out from the entries shown.</source>
        <translation>Veraltet: Klicken Sie auf „Berechnen“ oder drücken Sie in einem Feld die Eingabetaste, um die Verdichtung aus den angezeigten Werten neu zu ermitteln.</translation>
    </message>
    <message>
        <source>Out of date: leave %1, %2 or %3 to work the capacity out from the entries shown.</source>
        <translation>Veraltet: Verlassen Sie „%1“, „%2“ oder „%3“, um den Hubraum aus den angezeigten Werten neu zu ermitteln.</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Druckerfehler</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
</context>
<context>
    <name>ui::FigureLabel</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>ui::RatioAnnouncer</name>
    <message>
        <source>Compression ratio %1 : 1</source>
        <translation>Verdichtungsverhältnis %1&#xa0;:&#xa0;1</translation>
    </message>
</context>
<context>
    <name>ui::SolveDialog</name>
    <message>
        <source>Solve for a Ratio</source>
        <translation>Wert für Zielverdichtung ermitteln</translation>
    </message>
    <message>
        <source>Change “%1” to give a compression ratio of</source>
        <translation>Auf welche Verdichtung soll „%1“ abgestimmt werden?</translation>
    </message>
    <message>
        <source>: 1</source>
        <translation>:&#xa0;1</translation>
    </message>
</context>
<context>
    <name>ui::WindowPrinter</name>
    <message>
        <source>The print could not be started (%1), so nothing was printed.</source>
        <translation>Der Druck konnte nicht gestartet werden (%1), daher wurde nichts gedruckt.</translation>
    </message>
    <message numerus="yes">
        <source>%1, so %n pages were not printed.</source>
        <translation>
            <numerusform>%1, daher wurde %n Seite nicht gedruckt.</numerusform>
            <numerusform>%1, daher wurden %n Seiten nicht gedruckt.</numerusform>
        </translation>
    </message>
    <message>
        <source>There was not enough memory to make or send the page, so nothing was printed.</source>
        <translation>Der Speicher reichte nicht, um die Seite zu erstellen oder zu senden, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Printing failed (%1), so nothing was printed.</source>
        <translation>Das Drucken ist fehlgeschlagen (%1), daher wurde nichts gedruckt.</translation>
    </message>
</context>
</TS>
