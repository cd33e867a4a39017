<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Form1</name>
    <message>
        <source>Units</source>
        <translation>Unid.</translation>
    </message>
    <message>
        <source>Bore</source>
        <translation>Diám.</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Carrera</translation>
    </message>
    <message>
        <source>Combustion Chamber CC</source>
        <translation>Cámara de combustión CC</translation>
    </message>
    <message>
        <source>Piston Dome Vol (-ve if relief) CC</source>
        <translation>Cúpula pistón (−&#xa0;si rebaje) CC</translation>
    </message>
    <message>
        <source>Head Gasket</source>
        <translation>Junta de culata</translation>
    </message>
    <message>
        <source>Gasket Bore</source>
        <translation>Diámetro junta</translation>
    </message>
    <message>
        <source>Compressed Thickness</source>
        <translation>Espesor comprimido</translation>
    </message>
    <message>
        <source>Gasket Volume CC</source>
        <translation>Volumen de la junta CC</translation>
    </message>
    <message>
        <source>Dead Area</source>
        <translation>Zona de fuego</translation>
    </message>
    <message>
        <source>Piston Diameter</source>
        <translation>Diámetro pistón</translation>
    </message>
    <message>
        <source>Depth to Top Ring</source>
        <translation>Profundidad al segmento de fuego</translation>
    </message>
    <message>
        <source>Compression Ratio</source>
        <translation>Rel. de compresión</translation>
    </message>
    <message>
        <source>Deck Height</source>
        <translation>Dist. al plano</translation>
    </message>
    <message>
        <source>Use this feature</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Compression ratio</source>
        <translation>Relación de compresión</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pulg.</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Cilindrada</translation>
    </message>
    <message>
        <source>Capacity unit</source>
        <translation>Unidad de cilindrada</translation>
    </message>
    <message>
        <source>No. of Cyls</source>
        <translation>N.º de cilindros</translation>
    </message>
    <message>
        <source>The small volume trapped between the piston and bore, above the top ring</source>
        <translation>El pequeño volumen que queda atrapado entre el pistón y el cilindro, por encima del segmento de fuego</translation>
    </message>
</context>
<context>
    <name>form</name>
    <message>
        <source>&apos;%1&apos; is too large a number.</source>
        <translation>«%1» es un número demasiado grande.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number.</source>
        <translation>«%1» no es un número.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number; write decimals with a comma: %2.</source>
        <translation>«%1» no es un número; escriba los decimales con coma: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number; write decimals with &quot;%2&quot;: %3.</source>
        <translation>«%1» no es un número; escriba los decimales con «%2»: %3.</translation>
    </message>
    <message>
        <source>The figures are too large to compute with.</source>
        <translation>Las cifras son demasiado grandes para calcular con ellas.</translation>
    </message>
    <message>
        <source>The clearance volume comes to 0, so there is no ratio.</source>
        <translation>El volumen de compresión es 0, así que no hay relación de compresión.</translation>
    </message>
    <message>
        <source>The ratio is too large to show.</source>
        <translation>La relación es demasiado grande para mostrarla.</translation>
    </message>
    <message>
        <source>All values must be entered</source>
        <translation>Hay que introducir todos los valores</translation>
    </message>
    <message>
        <source>Enter either the Gasket Volume or the Gasket Bore and Compressed Thickness</source>
        <translation>Introduzca el volumen de la junta, o bien el diámetro de la junta y el espesor comprimido</translation>
    </message>
    <message>
        <source>Type the compression ratio you want, as a number.</source>
        <translation>Escriba como número la relación de compresión que desea.</translation>
    </message>
    <message>
        <source>A compression ratio is always above 1.</source>
        <translation>Una relación de compresión siempre es mayor que 1.</translation>
    </message>
    <message>
        <source>There is no swept volume: the bore or the stroke is 0.</source>
        <translation>No hay cilindrada unitaria: el diámetro o la carrera es 0.</translation>
    </message>
    <message>
        <source>With a gasket bore of 0, no thickness makes a gasket volume.</source>
        <translation>Con un diámetro de junta de 0, ningún espesor da volumen de junta.</translation>
    </message>
    <message>
        <source>Enter the Gasket Bore to solve for the Compressed Thickness</source>
        <translation>Introduzca el diámetro de la junta para calcular el espesor comprimido</translation>
    </message>
    <message>
        <source>in</source>
        <translation>pulg.</translation>
    </message>
    <message>
        <source>%1 : 1 needs %2 cc of clearance; the other volumes already come to %3 cc. This field allows at most %4 : 1.</source>
        <translation>Para %1&#xa0;:&#xa0;1 hacen falta %2&#xa0;cc de volumen de compresión; los demás volúmenes ya suman %3&#xa0;cc. Este campo permite como máximo %4&#xa0;:&#xa0;1.</translation>
    </message>
    <message>
        <source>The piston would reach the head: the quench distance would be %1 %2. This field allows at most %3 : 1.</source>
        <translation>El pistón tocaría la culata: la distancia de squish sería de %1&#xa0;%2. Este campo permite como máximo %3&#xa0;:&#xa0;1.</translation>
    </message>
    <message>
        <source>%1 %2 would be written, giving %3 : 1.</source>
        <translation>Se escribiría %1&#xa0;%2, con lo que la relación sería %3&#xa0;:&#xa0;1.</translation>
    </message>
    <message>
        <source>%1 %2 would replace %3 %2, giving %4 : 1.</source>
        <translation>Se escribiría %1&#xa0;%2 en lugar de %3&#xa0;%2, con lo que la relación sería %4&#xa0;:&#xa0;1.</translation>
    </message>
    <message>
        <source>A %1 cc dish becomes a %2 cc dome, giving %3 : 1.</source>
        <translation>Un rebaje de %1&#xa0;cc pasa a ser una cúpula de %2&#xa0;cc, con lo que la relación sería %3&#xa0;:&#xa0;1.</translation>
    </message>
    <message>
        <source>A %1 cc dome becomes a %2 cc dish, giving %3 : 1.</source>
        <translation>Una cúpula de %1&#xa0;cc pasa a ser un rebaje de %2&#xa0;cc, con lo que la relación sería %3&#xa0;:&#xa0;1.</translation>
    </message>
    <message>
        <source>Quench distance: %1 %2.</source>
        <translation>Distancia de squish: %1&#xa0;%2.</translation>
    </message>
    <message>
        <source>Quench distance: %1 %3 instead of %2 %3.</source>
        <translation>Distancia de squish: %1&#xa0;%3 en lugar de %2&#xa0;%3.</translation>
    </message>
    <message>
        <source>The Gasket Volume is worked out from the Gasket Bore and Compressed Thickness: solve for the Compressed Thickness instead, or empty either of them to type a volume.</source>
        <translation>El volumen de la junta se calcula a partir del diámetro de la junta y del espesor comprimido: busque en su lugar el valor del espesor comprimido, o vacíe uno de los dos campos para escribir un volumen.</translation>
    </message>
</context>
<context>
    <name>numeric</name>
    <message>
        <source>Type mismatch</source>
        <translation>Los tipos no coinciden</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <source>%1, so nothing was printed.</source>
        <translation>%1, así que no se ha impreso nada.</translation>
    </message>
    <message>
        <source>The print server name %1 cannot be found</source>
        <translation>No se encuentra el nombre del servidor de impresión %1</translation>
    </message>
    <message>
        <source>No print server is running at %1 (%2)</source>
        <translation>No hay ningún servidor de impresión en marcha en %1 (%2)</translation>
    </message>
    <message>
        <source>The print server at %1 is not answering</source>
        <translation>El servidor de impresión en %1 no responde</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>sin motivo indicado</translation>
    </message>
    <message>
        <source>the print server is holding it</source>
        <translation>el servidor de impresión la retiene</translation>
    </message>
    <message>
        <source>the print server stopped it</source>
        <translation>el servidor de impresión la ha detenido</translation>
    </message>
    <message>
        <source>it was cancelled</source>
        <translation>se ha cancelado</translation>
    </message>
    <message>
        <source>the print server aborted it</source>
        <translation>el servidor de impresión la ha interrumpido</translation>
    </message>
    <message>
        <source>The CUPS library could not be loaded (%1)</source>
        <translation>No se ha podido cargar la biblioteca CUPS (%1)</translation>
    </message>
    <message>
        <source>The print server could not find the default printer (%1)</source>
        <translation>El servidor de impresión no ha encontrado la impresora predeterminada (%1)</translation>
    </message>
    <message>
        <source>The printer %1 named in %2 does not exist on the print server.</source>
        <translation>La impresora %1 indicada en %2 no existe en el servidor de impresión.</translation>
    </message>
    <message>
        <source>The printer %1 named in %2 does not exist on the print server</source>
        <translation>La impresora %1 indicada en %2 no existe en el servidor de impresión</translation>
    </message>
    <message>
        <source>No default printer is set up</source>
        <translation>No hay ninguna impresora predeterminada configurada</translation>
    </message>
    <message>
        <source>The print server could not tell the state of the printer %1 (%2)</source>
        <translation>El servidor de impresión no ha podido indicar el estado de la impresora %1 (%2)</translation>
    </message>
    <message>
        <source>The printer %1 is refusing jobs (%2)</source>
        <translation>La impresora %1 rechaza los trabajos (%2)</translation>
    </message>
    <message>
        <source>The printer %1 is refusing jobs</source>
        <translation>La impresora %1 rechaza los trabajos</translation>
    </message>
    <message>
        <source>The print server could not take a job for %1 (%2)</source>
        <translation>El servidor de impresión no ha podido aceptar un trabajo para %1 (%2)</translation>
    </message>
    <message>
        <source>The print server could not take the page (%1)</source>
        <translation>El servidor de impresión no ha podido aceptar la página (%1)</translation>
    </message>
    <message>
        <source>The print server could not take the whole page, and job %1 on %2 could not be cancelled either, so part of it may still print.</source>
        <translation>El servidor de impresión no ha podido aceptar la página entera y tampoco se ha podido cancelar el trabajo %1 en %2, así que puede que aún se imprima una parte.</translation>
    </message>
    <message>
        <source>The printer %1 is paused (%2): the page waits in its queue until the printer is resumed.</source>
        <translation>La impresora %1 está en pausa (%2): la página espera en su cola hasta que se reanude la impresora.</translation>
    </message>
    <message>
        <source>The printer %1 is paused: the page waits in its queue until the printer is resumed.</source>
        <translation>La impresora %1 está en pausa: la página espera en su cola hasta que se reanude la impresora.</translation>
    </message>
    <message>
        <source>The page did not print on %1: %2 (%3).</source>
        <translation>La página no se ha impreso en %1: %2 (%3).</translation>
    </message>
    <message>
        <source>The page did not print on %1: %2.</source>
        <translation>La página no se ha impreso en %1: %2.</translation>
    </message>
    <message>
        <source>The printer %1 was paused (%2): the page waits in its queue until the printer is resumed.</source>
        <translation>La impresora %1 se ha puesto en pausa (%2): la página espera en su cola hasta que se reanude la impresora.</translation>
    </message>
    <message>
        <source>The printer %1 was paused: the page waits in its queue until the printer is resumed.</source>
        <translation>La impresora %1 se ha puesto en pausa: la página espera en su cola hasta que se reanude la impresora.</translation>
    </message>
    <message>
        <source>The page did not print: the printer %1 stopped (%2). It waits in the queue until the printer is started again.</source>
        <translation>La página no se ha impreso: la impresora %1 se ha detenido (%2). Espera en la cola hasta que la impresora vuelva a ponerse en marcha.</translation>
    </message>
    <message>
        <source>The page did not print: the printer %1 stopped. It waits in the queue until the printer is started again.</source>
        <translation>La página no se ha impreso: la impresora %1 se ha detenido. Espera en la cola hasta que la impresora vuelva a ponerse en marcha.</translation>
    </message>
    <message>
        <source>The page waits on %1: %2 (%3).</source>
        <translation>La página espera en %1: %2 (%3).</translation>
    </message>
    <message>
        <source>The page waits on %1: %2.</source>
        <translation>La página espera en %1: %2.</translation>
    </message>
    <message>
        <source>the printer is out of paper</source>
        <translation>la impresora no tiene papel</translation>
    </message>
    <message>
        <source>paper is jammed in the printer</source>
        <translation>hay papel atascado en la impresora</translation>
    </message>
    <message>
        <source>a cover of the printer is open</source>
        <translation>hay una tapa de la impresora abierta</translation>
    </message>
    <message>
        <source>the printer is out of toner or ink</source>
        <translation>la impresora no tiene tóner o tinta</translation>
    </message>
    <message>
        <source>the printer cannot be reached</source>
        <translation>no se puede conectar con la impresora</translation>
    </message>
    <message>
        <source>it was set to wait</source>
        <translation>se ha dejado en espera</translation>
    </message>
    <message>
        <source>someone cancelled it</source>
        <translation>alguien la ha cancelado</translation>
    </message>
    <message>
        <source>the print server gave it up</source>
        <translation>el servidor de impresión la ha abandonado</translation>
    </message>
    <message>
        <source>the printer cannot print the page</source>
        <translation>la impresora no puede imprimir la página</translation>
    </message>
    <message>
        <source>the printer stopped</source>
        <translation>la impresora se ha detenido</translation>
    </message>
    <message>
        <source>the printer is not ready</source>
        <translation>la impresora no está lista</translation>
    </message>
    <message>
        <source>the page did not reach the server whole</source>
        <translation>la página no ha llegado entera al servidor</translation>
    </message>
    <message>
        <source>the printer reports a fault</source>
        <translation>la impresora indica un error</translation>
    </message>
    <message>
        <source>The print server name %1 could not be looked up within five seconds</source>
        <translation>No se ha podido resolver el nombre del servidor de impresión %1 en cinco segundos</translation>
    </message>
    <message>
        <source>The print server at %1 closed the connection</source>
        <translation>El servidor de impresión en %1 ha cerrado la conexión</translation>
    </message>
    <message>
        <source>The print server at %1 refused the job: printing there needs a login</source>
        <translation>El servidor de impresión en %1 ha rechazado el trabajo: para imprimir allí hay que iniciar sesión</translation>
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
        <translation>Buscar valor para una relación…</translation>
    </message>
    <message>
        <source>There is not enough memory to finish. Every entry is as you left it.</source>
        <translation>No hay memoria suficiente para terminar. Todos los datos siguen como los dejó.</translation>
    </message>
    <message>
        <source>Printer paused</source>
        <translation>Impresora en pausa</translation>
    </message>
    <message>
        <source>Page waiting</source>
        <translation>Página en espera</translation>
    </message>
    <message>
        <source>%1, or %2 in the right-click menu, finds the figure for this field that gives the compression ratio you want.</source>
        <comment>the shortcut, then the menu entry</comment>
        <translation>%1, o «%2» en el menú del botón derecho, halla el valor de este campo que da la relación de compresión que desea.</translation>
    </message>
    <message>
        <source>Solve for a Ratio</source>
        <translation>Buscar valor para una relación</translation>
    </message>
    <message>
        <source>%1…</source>
        <comment>a field&apos;s caption, in a menu item that opens a dialog</comment>
        <translation>%1…</translation>
    </message>
    <message>
        <source>Out of date: press Calculate, or Return in a field, to work the ratio out from the entries shown.</source>
        <translation>Desactualizado: pulse Calcular, o Intro en un campo, para volver a calcular la relación con los valores mostrados.</translation>
    </message>
    <message>
        <source>Out of date: leave %1, %2 or %3 to work the capacity out from the entries shown.</source>
        <translation>Desactualizado: salga de «%1», «%2» o «%3» para volver a calcular la cilindrada con los valores mostrados.</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Error de impresora</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Error inesperado</translation>
    </message>
</context>
<context>
    <name>ui::FigureLabel</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>ui::RatioAnnouncer</name>
    <message>
        <source>Compression ratio %1 : 1</source>
        <translation>Relación de compresión %1&#xa0;:&#xa0;1</translation>
    </message>
</context>
<context>
    <name>ui::SolveDialog</name>
    <message>
        <source>Solve for a Ratio</source>
        <translation>Buscar valor para una relación</translation>
    </message>
    <message>
        <source>Change “%1” to give a compression ratio of</source>
        <translation>Cambiar «%1» para obtener una relación de compresión de</translation>
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
        <translation>No se ha podido iniciar la impresión (%1), así que no se ha impreso nada.</translation>
    </message>
    <message numerus="yes">
        <source>%1, so %n pages were not printed.</source>
        <translation>
            <numerusform>%1, así que no se ha impreso %n página.</numerusform>
            <numerusform>%1, así que no se han impreso %n páginas.</numerusform>
        </translation>
    </message>
    <message>
        <source>There was not enough memory to make or send the page, so nothing was printed.</source>
        <translation>No había memoria suficiente para preparar o enviar la página, así que no se ha impreso nada.</translation>
    </message>
    <message>
        <source>Printing failed (%1), so nothing was printed.</source>
        <translation>La impresión ha fallado (%1), así que no se ha impreso nada.</translation>
    </message>
</context>
</TS>
