<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Form1</name>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Bore</source>
        <translation>Alés.</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>Combustion Chamber CC</source>
        <translation>Chambre de combustion CC</translation>
    </message>
    <message>
        <source>Piston Dome Vol (-ve if relief) CC</source>
        <translation>Dôme piston (−&#xa0;si cuvette) CC</translation>
    </message>
    <message>
        <source>Head Gasket</source>
        <translation>Joint de culasse</translation>
    </message>
    <message>
        <source>Gasket Bore</source>
        <translation>Alésage joint</translation>
    </message>
    <message>
        <source>Compressed Thickness</source>
        <translation>Épaisseur écrasée</translation>
    </message>
    <message>
        <source>Gasket Volume CC</source>
        <translation>Volume du joint CC</translation>
    </message>
    <message>
        <source>Dead Area</source>
        <translation>Cordon de feu</translation>
    </message>
    <message>
        <source>Piston Diameter</source>
        <translation>Diamètre piston</translation>
    </message>
    <message>
        <source>Depth to Top Ring</source>
        <translation>Hauteur du cordon de feu</translation>
    </message>
    <message>
        <source>Compression Ratio</source>
        <translation>Taux de compression</translation>
    </message>
    <message>
        <source>Deck Height</source>
        <translation>Retrait piston</translation>
    </message>
    <message>
        <source>Use this feature</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Compression ratio</source>
        <translation>Taux de compression</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Cylindrée</translation>
    </message>
    <message>
        <source>Capacity unit</source>
        <translation>Unité de cylindrée</translation>
    </message>
    <message>
        <source>No. of Cyls</source>
        <translation>Nb de cylindres</translation>
    </message>
    <message>
        <source>The small volume trapped between the piston and bore, above the top ring</source>
        <translation>Le petit volume emprisonné entre le piston et le cylindre, au-dessus du segment de feu</translation>
    </message>
</context>
<context>
    <name>form</name>
    <message>
        <source>&apos;%1&apos; is too large a number.</source>
        <translation>«&#xa0;%1&#xa0;» est un nombre trop grand.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number; write decimals with a comma: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre&#xa0;; écrivez les décimales avec une virgule&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number; write decimals with &quot;%2&quot;: %3.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre&#xa0;; écrivez les décimales avec «&#xa0;%2&#xa0;»&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The figures are too large to compute with.</source>
        <translation>Les valeurs sont trop grandes pour le calcul.</translation>
    </message>
    <message>
        <source>The clearance volume comes to 0, so there is no ratio.</source>
        <translation>Le volume mort vaut 0&#xa0;: il n&apos;y a donc pas de taux de compression.</translation>
    </message>
    <message>
        <source>The ratio is too large to show.</source>
        <translation>Le taux est trop grand pour être affiché.</translation>
    </message>
    <message>
        <source>All values must be entered</source>
        <translation>Toutes les valeurs doivent être saisies</translation>
    </message>
    <message>
        <source>Enter either the Gasket Volume or the Gasket Bore and Compressed Thickness</source>
        <translation>Saisissez soit le volume du joint, soit l&apos;alésage du joint et l&apos;épaisseur écrasée</translation>
    </message>
    <message>
        <source>Type the compression ratio you want, as a number.</source>
        <translation>Saisissez en chiffres le taux de compression voulu.</translation>
    </message>
    <message>
        <source>A compression ratio is always above 1.</source>
        <translation>Un taux de compression est toujours supérieur à 1.</translation>
    </message>
    <message>
        <source>There is no swept volume: the bore or the stroke is 0.</source>
        <translation>Il n&apos;y a pas de cylindrée unitaire&#xa0;: l&apos;alésage ou la course vaut 0.</translation>
    </message>
    <message>
        <source>With a gasket bore of 0, no thickness makes a gasket volume.</source>
        <translation>Avec un alésage de joint de 0, aucune épaisseur ne donne de volume de joint.</translation>
    </message>
    <message>
        <source>Enter the Gasket Bore to solve for the Compressed Thickness</source>
        <translation>Saisissez l&apos;alésage du joint pour calculer l&apos;épaisseur écrasée</translation>
    </message>
    <message>
        <source>in</source>
        <translation>pouce</translation>
    </message>
    <message>
        <source>%1 : 1 needs %2 cc of clearance; the other volumes already come to %3 cc. This field allows at most %4 : 1.</source>
        <translation>Pour %1&#xa0;:&#xa0;1, il faut %2&#xa0;cc de volume mort&#xa0;; les autres volumes totalisent déjà %3&#xa0;cc. Ce champ permet au plus %4&#xa0;:&#xa0;1.</translation>
    </message>
    <message>
        <source>The piston would reach the head: the quench distance would be %1 %2. This field allows at most %3 : 1.</source>
        <translation>Le piston toucherait la culasse&#xa0;: le jeu de squish serait de %1&#xa0;%2. Ce champ permet au plus %3&#xa0;:&#xa0;1.</translation>
    </message>
    <message>
        <source>%1 %2 would be written, giving %3 : 1.</source>
        <translation>Valeur à inscrire&#xa0;: %1&#xa0;%2, ce qui donne %3&#xa0;:&#xa0;1.</translation>
    </message>
    <message>
        <source>%1 %2 would replace %3 %2, giving %4 : 1.</source>
        <translation>Valeur à inscrire&#xa0;: %1&#xa0;%2 au lieu de %3&#xa0;%2, ce qui donne %4&#xa0;:&#xa0;1.</translation>
    </message>
    <message>
        <source>A %1 cc dish becomes a %2 cc dome, giving %3 : 1.</source>
        <translation>Une cuvette de %1&#xa0;cc devient un dôme de %2&#xa0;cc, ce qui donne %3&#xa0;:&#xa0;1.</translation>
    </message>
    <message>
        <source>A %1 cc dome becomes a %2 cc dish, giving %3 : 1.</source>
        <translation>Un dôme de %1&#xa0;cc devient une cuvette de %2&#xa0;cc, ce qui donne %3&#xa0;:&#xa0;1.</translation>
    </message>
    <message>
        <source>Quench distance: %1 %2.</source>
        <translation>Jeu de squish&#xa0;: %1&#xa0;%2.</translation>
    </message>
    <message>
        <source>Quench distance: %1 %3 instead of %2 %3.</source>
        <translation>Jeu de squish&#xa0;: %1&#xa0;%3 au lieu de %2&#xa0;%3.</translation>
    </message>
    <message>
        <source>The Gasket Volume is worked out from the Gasket Bore and Compressed Thickness: solve for the Compressed Thickness instead, or empty either of them to type a volume.</source>
        <translation>Le volume du joint se déduit de l&apos;alésage du joint et de l&apos;épaisseur écrasée&#xa0;: trouvez plutôt la valeur de l&apos;épaisseur écrasée, ou videz l&apos;un des deux champs pour saisir un volume.</translation>
    </message>
</context>
<context>
    <name>numeric</name>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <source>%1, so nothing was printed.</source>
        <translation>%1&#xa0;; rien n&apos;a donc été imprimé.</translation>
    </message>
    <message>
        <source>The print server name %1 cannot be found</source>
        <translation>Le nom de serveur d&apos;impression %1 est introuvable</translation>
    </message>
    <message>
        <source>No print server is running at %1 (%2)</source>
        <translation>Aucun serveur d&apos;impression ne fonctionne à l&apos;adresse %1 (%2)</translation>
    </message>
    <message>
        <source>The print server at %1 is not answering</source>
        <translation>Le serveur d&apos;impression %1 ne répond pas</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>aucune raison indiquée</translation>
    </message>
    <message>
        <source>the print server is holding it</source>
        <translation>le serveur d&apos;impression la retient</translation>
    </message>
    <message>
        <source>the print server stopped it</source>
        <translation>le serveur d&apos;impression l&apos;a arrêtée</translation>
    </message>
    <message>
        <source>it was cancelled</source>
        <translation>elle a été annulée</translation>
    </message>
    <message>
        <source>the print server aborted it</source>
        <translation>le serveur d&apos;impression l&apos;a interrompue</translation>
    </message>
    <message>
        <source>The CUPS library could not be loaded (%1)</source>
        <translation>La bibliothèque CUPS n&apos;a pas pu être chargée (%1)</translation>
    </message>
    <message>
        <source>The print server could not find the default printer (%1)</source>
        <translation>Le serveur d&apos;impression n&apos;a pas trouvé l&apos;imprimante par défaut (%1)</translation>
    </message>
    <message>
        <source>The printer %1 named in %2 does not exist on the print server.</source>
        <translation>L&apos;imprimante %1 indiquée dans %2 n&apos;existe pas sur le serveur d&apos;impression.</translation>
    </message>
    <message>
        <source>The printer %1 named in %2 does not exist on the print server</source>
        <translation>L&apos;imprimante %1 indiquée dans %2 n&apos;existe pas sur le serveur d&apos;impression</translation>
    </message>
    <message>
        <source>No default printer is set up</source>
        <translation>Aucune imprimante par défaut n&apos;est configurée</translation>
    </message>
    <message>
        <source>The print server could not tell the state of the printer %1 (%2)</source>
        <translation>Le serveur d&apos;impression n&apos;a pas pu indiquer l&apos;état de l&apos;imprimante %1 (%2)</translation>
    </message>
    <message>
        <source>The printer %1 is refusing jobs (%2)</source>
        <translation>L&apos;imprimante %1 refuse les travaux (%2)</translation>
    </message>
    <message>
        <source>The printer %1 is refusing jobs</source>
        <translation>L&apos;imprimante %1 refuse les travaux</translation>
    </message>
    <message>
        <source>The print server could not take a job for %1 (%2)</source>
        <translation>Le serveur d&apos;impression n&apos;a pas pu accepter de travail pour %1 (%2)</translation>
    </message>
    <message>
        <source>The print server could not take the page (%1)</source>
        <translation>Le serveur d&apos;impression n&apos;a pas pu accepter la page (%1)</translation>
    </message>
    <message>
        <source>The print server could not take the whole page, and job %1 on %2 could not be cancelled either, so part of it may still print.</source>
        <translation>Le serveur d&apos;impression n&apos;a pas pu accepter toute la page, et le travail %1 sur %2 n&apos;a pas pu être annulé non plus&#xa0;: une partie risque donc de s&apos;imprimer quand même.</translation>
    </message>
    <message>
        <source>The printer %1 is paused (%2): the page waits in its queue until the printer is resumed.</source>
        <translation>L&apos;imprimante %1 est en pause (%2)&#xa0;: la page attend dans sa file jusqu&apos;à la reprise de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>The printer %1 is paused: the page waits in its queue until the printer is resumed.</source>
        <translation>L&apos;imprimante %1 est en pause&#xa0;: la page attend dans sa file jusqu&apos;à la reprise de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>The page did not print on %1: %2 (%3).</source>
        <translation>La page ne s&apos;est pas imprimée sur %1&#xa0;: %2 (%3).</translation>
    </message>
    <message>
        <source>The page did not print on %1: %2.</source>
        <translation>La page ne s&apos;est pas imprimée sur %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The printer %1 was paused (%2): the page waits in its queue until the printer is resumed.</source>
        <translation>L&apos;imprimante %1 a été mise en pause (%2)&#xa0;: la page attend dans sa file jusqu&apos;à la reprise de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>The printer %1 was paused: the page waits in its queue until the printer is resumed.</source>
        <translation>L&apos;imprimante %1 a été mise en pause&#xa0;: la page attend dans sa file jusqu&apos;à la reprise de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>The page did not print: the printer %1 stopped (%2). It waits in the queue until the printer is started again.</source>
        <translation>La page ne s&apos;est pas imprimée&#xa0;: l&apos;imprimante %1 s&apos;est arrêtée (%2). Elle attend dans la file jusqu&apos;au redémarrage de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>The page did not print: the printer %1 stopped. It waits in the queue until the printer is started again.</source>
        <translation>La page ne s&apos;est pas imprimée&#xa0;: l&apos;imprimante %1 s&apos;est arrêtée. Elle attend dans la file jusqu&apos;au redémarrage de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>The page waits on %1: %2 (%3).</source>
        <translation>La page est en attente sur %1&#xa0;: %2 (%3).</translation>
    </message>
    <message>
        <source>The page waits on %1: %2.</source>
        <translation>La page est en attente sur %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the printer is out of paper</source>
        <translation>l&apos;imprimante n&apos;a plus de papier</translation>
    </message>
    <message>
        <source>paper is jammed in the printer</source>
        <translation>il y a un bourrage papier</translation>
    </message>
    <message>
        <source>a cover of the printer is open</source>
        <translation>un capot de l&apos;imprimante est ouvert</translation>
    </message>
    <message>
        <source>the printer is out of toner or ink</source>
        <translation>l&apos;imprimante n&apos;a plus de toner ou d&apos;encre</translation>
    </message>
    <message>
        <source>the printer cannot be reached</source>
        <translation>l&apos;imprimante est injoignable</translation>
    </message>
    <message>
        <source>it was set to wait</source>
        <translation>elle a été mise en attente</translation>
    </message>
    <message>
        <source>someone cancelled it</source>
        <translation>quelqu&apos;un l&apos;a annulée</translation>
    </message>
    <message>
        <source>the print server gave it up</source>
        <translation>le serveur d&apos;impression l&apos;a abandonnée</translation>
    </message>
    <message>
        <source>the printer cannot print the page</source>
        <translation>l&apos;imprimante ne peut pas imprimer la page</translation>
    </message>
    <message>
        <source>the printer stopped</source>
        <translation>l&apos;imprimante s&apos;est arrêtée</translation>
    </message>
    <message>
        <source>the printer is not ready</source>
        <translation>l&apos;imprimante n&apos;est pas prête</translation>
    </message>
    <message>
        <source>the page did not reach the server whole</source>
        <translation>la page n&apos;est pas arrivée entière au serveur</translation>
    </message>
    <message>
        <source>the printer reports a fault</source>
        <translation>l&apos;imprimante signale un défaut</translation>
    </message>
    <message>
        <source>The print server name %1 could not be looked up within five seconds</source>
        <translation>Le nom de serveur d&apos;impression %1 n&apos;a pas pu être résolu en cinq secondes</translation>
    </message>
    <message>
        <source>The print server at %1 closed the connection</source>
        <translation>Le serveur d&apos;impression %1 a fermé la connexion</translation>
    </message>
    <message>
        <source>The print server at %1 refused the job: printing there needs a login</source>
        <translation>Le serveur d&apos;impression %1 a refusé le travail&#xa0;: il faut s&apos;y connecter pour imprimer</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>%1: %2</source>
        <comment>a field&apos;s caption, then what is wrong with its figure</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ui::CalculatorWindow</name>
    <message>
        <source>Solve for a Ratio…</source>
        <translation>Trouver la valeur pour un taux…</translation>
    </message>
    <message>
        <source>There is not enough memory to finish. Every entry is as you left it.</source>
        <translation>La mémoire est insuffisante pour terminer. Toutes les saisies sont restées telles quelles.</translation>
    </message>
    <message>
        <source>Printer paused</source>
        <translation>Imprimante en pause</translation>
    </message>
    <message>
        <source>Page waiting</source>
        <translation>Page en attente</translation>
    </message>
    <message>
        <source>%1, or %2 in the right-click menu, finds the figure for this field that gives the compression ratio you want.</source>
        <comment>the shortcut, then the menu entry</comment>
        <translation>%1, ou «&#xa0;%2&#xa0;» dans le menu du clic droit, trouve la valeur de ce champ qui donne le taux de compression voulu.</translation>
    </message>
    <message>
        <source>Solve for a Ratio</source>
        <translation>Trouver la valeur pour un taux</translation>
    </message>
    <message>
        <source>%1…</source>
        <comment>a field&apos;s caption, in a menu item that opens a dialog</comment>
        <translation>%1…</translation>
    </message>
    <message>
        <source>Out of date: press Calculate, or Return in a field, to work the ratio out from the entries shown.</source>
        <translation>Pas à jour&#xa0;: cliquez sur «&#xa0;Calculer&#xa0;» ou appuyez sur Entrée dans un champ pour recalculer le taux à partir des valeurs affichées.</translation>
    </message>
    <message>
        <source>Out of date: leave %1, %2 or %3 to work the capacity out from the entries shown.</source>
        <translation>Pas à jour&#xa0;: quittez «&#xa0;%1&#xa0;», «&#xa0;%2&#xa0;» ou «&#xa0;%3&#xa0;» pour recalculer la cylindrée à partir des valeurs affichées.</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Erreur d&apos;imprimante</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
</context>
<context>
    <name>ui::FigureLabel</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>ui::RatioAnnouncer</name>
    <message>
        <source>Compression ratio %1 : 1</source>
        <translation>Taux de compression %1&#xa0;:&#xa0;1</translation>
    </message>
</context>
<context>
    <name>ui::SolveDialog</name>
    <message>
        <source>Solve for a Ratio</source>
        <translation>Trouver la valeur pour un taux</translation>
    </message>
    <message>
        <source>Change “%1” to give a compression ratio of</source>
        <translation>Modifier «&#xa0;%1&#xa0;» pour obtenir un taux de compression de</translation>
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
        <translation>L&apos;impression n&apos;a pas pu démarrer (%1)&#xa0;: rien n&apos;a donc été imprimé.</translation>
    </message>
    <message numerus="yes">
        <source>%1, so %n pages were not printed.</source>
        <translation>
            <numerusform>%1&#xa0;; %n page n&apos;a donc pas été imprimée.</numerusform>
            <numerusform>%1&#xa0;; %n pages n&apos;ont donc pas été imprimées.</numerusform>
        </translation>
    </message>
    <message>
        <source>There was not enough memory to make or send the page, so nothing was printed.</source>
        <translation>La mémoire était insuffisante pour préparer ou envoyer la page&#xa0;: rien n&apos;a donc été imprimé.</translation>
    </message>
    <message>
        <source>Printing failed (%1), so nothing was printed.</source>
        <translation>L&apos;impression a échoué (%1)&#xa0;: rien n&apos;a donc été imprimé.</translation>
    </message>
</context>
</TS>
