<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Form1</name>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combustion Chamber CC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piston Dome Vol (-ve if relief) CC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Head Gasket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gasket Bore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compressed Thickness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gasket Volume CC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dead Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piston Diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth to Top Ring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this feature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. of Cyls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The small volume trapped between the piston and bore, above the top ring</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>form</name>
    <message>
        <source>&apos;%1&apos; is too large a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number; write decimals with a comma: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number; write decimals with &quot;%2&quot;: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figures are too large to compute with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clearance volume comes to 0, so there is no ratio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ratio is too large to show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All values must be entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter either the Gasket Volume or the Gasket Bore and Compressed Thickness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the compression ratio you want, as a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A compression ratio is always above 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no swept volume: the bore or the stroke is 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With a gasket bore of 0, no thickness makes a gasket volume.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : 1 needs %2 cc of clearance; the other volumes already come to %3 cc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the Gasket Bore to solve for the Compressed Thickness</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>numeric</name>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <source>%1, so nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print server name %1 cannot be found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No print server is running at %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print server at %1 is not answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the print server is holding it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the print server stopped it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the print server aborted it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CUPS library could not be loaded (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print server could not find the default printer (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 named in %2 does not exist on the print server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 named in %2 does not exist on the print server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No default printer is set up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print server could not tell the state of the printer %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 is refusing jobs (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 is refusing jobs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print server could not tell the settings of the printer %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print server could not take a job for %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print server could not take the page (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print server could not take the whole page, and job %1 on %2 could not be cancelled either, so part of it may still print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 is paused (%2): the page waits in its queue until the printer is resumed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 is paused: the page waits in its queue until the printer is resumed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page did not print on %1: %2 (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page did not print on %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 was paused (%2): the page waits in its queue until the printer is resumed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 was paused: the page waits in its queue until the printer is resumed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page did not print: the printer %1 stopped (%2). It waits in the queue until the printer is started again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page did not print: the printer %1 stopped. It waits in the queue until the printer is started again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page waits on %1: %2 (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page waits on %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer is out of paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paper is jammed in the printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a cover of the printer is open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer is out of toner or ink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer cannot be reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was set to wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>someone cancelled it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the print server gave it up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer cannot print the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer is not ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the page did not reach the server whole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer reports a fault</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>%1: %2</source>
        <comment>a field&apos;s caption, then what is wrong with its figure</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::FigureLabel</name>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::Form1Window</name>
    <message>
        <source>Solve for a Ratio…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+T, or Solve for a Ratio… in the right-click menu, finds the figure for this field that gives the compression ratio you want.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory to finish. Every entry is as you left it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page waiting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::RatioAnnouncer</name>
    <message>
        <source>Compression ratio %1 : 1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::SolveDialog</name>
    <message>
        <source>Solve for a Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change “%1” to give a compression ratio of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 would be written, giving %3 : 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quench distance: %1 %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::WindowPrinter</name>
    <message>
        <source>The print could not be started (%1), so nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1, so %n pages were not printed.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>There was not enough memory to make or send the page, so nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing failed (%1), so nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
