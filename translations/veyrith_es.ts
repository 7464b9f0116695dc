<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Veyrith</source>
        <translation>Acerca de Veyrith</translation>
    </message>
    <message>
        <source>Veyrith, click to open the user guide</source>
        <translation>Veyrith, haga clic para abrir la guía del usuario</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>Cp1252Validator</name>
    <message>
        <source>Left out, as Windows-1252 cannot hold them: %1</source>
        <translation>Omitidos, porque Windows-1252 no puede representarlos: %1</translation>
    </message>
    <message>
        <source>Left out, past the %1 characters that fit: %2</source>
        <translation>Omitidos, más allá de los %1 caracteres que caben: %2</translation>
    </message>
</context>
<context>
    <name>DesktopPrompts</name>
    <message>
        <source>NPF files (*.npf)</source>
        <translation>Archivos NPF (*.npf)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
</context>
<context>
    <name>EditorCommandLine</name>
    <message>
        <source>Try --help for more.</source>
        <translation>Pruebe --help para más información.</translation>
    </message>
    <message>
        <source>Edits the character files (.npf) of a vampire role-playing game.</source>
        <translation>Edita los archivos de personaje (.npf) de un juego de rol de vampiros.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the name of the one argument in the usage</comment>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>The character file to open.</source>
        <translation>El archivo de personaje que se abrirá.</translation>
    </message>
    <message>
        <source>Only one file can be opened at a time.</source>
        <translation>Solo se puede abrir un archivo a la vez.</translation>
    </message>
    <message>
        <source>The file name is empty.</source>
        <translation>El nombre del archivo está vacío.</translation>
    </message>
</context>
<context>
    <name>EditorDialog</name>
    <message>
        <source>&amp;About Veyrith...</source>
        <translation>&amp;Acerca de Veyrith...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>the base caption, then the path of the file being edited</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>The user guide could not be opened.</source>
        <translation>No se pudo abrir la guía del usuario.</translation>
    </message>
    <message>
        <source>Open this file in a web browser:
%1</source>
        <translation>Abra este archivo en un navegador web:
%1</translation>
    </message>
</context>
<context>
    <name>MainPage</name>
    <message>
        <source>Main</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Clan:</source>
        <translation>Clan:</translation>
    </message>
    <message>
        <source>Clan</source>
        <translation>Clan</translation>
    </message>
    <message>
        <source>Race:</source>
        <translation>Raza:</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Raza</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modelo:</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>ActorFlags:</source>
        <translation>Indicadores:</translation>
    </message>
    <message>
        <source>ActorFlags</source>
        <translation>Indicadores</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>Dinero:</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Dinero</translation>
    </message>
    <message>
        <source>Warning: Veyrith still contains some bugs so before saving</source>
        <translation>Aviso: Veyrith aún tiene algunos errores; antes de guardar su</translation>
    </message>
    <message>
        <source>your character please check if the initial values were correct.</source>
        <translation>personaje, compruebe si los valores iniciales son correctos.</translation>
    </message>
    <message>
        <source>(If the Type value is set to unkown it is very likely the file was</source>
        <translation>(Si la raza es «Desconocida», es muy probable que el archivo</translation>
    </message>
    <message>
        <source>misread and you should not try to save)</source>
        <translation>se haya leído mal y no debería intentar guardarlo)</translation>
    </message>
</context>
<context>
    <name>PageTabCtrl</name>
    <message>
        <source>Main</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Estadísticas</translation>
    </message>
</context>
<context>
    <name>StatsPage</name>
    <message>
        <source>Stats</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Generation:</source>
        <translation>Generación:</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Generación</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Salud:</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <source>Mana:</source>
        <translation>Maná:</translation>
    </message>
    <message>
        <source>Mana</source>
        <translation>Maná</translation>
    </message>
    <message>
        <source>Blood:</source>
        <translation>Sangre:</translation>
    </message>
    <message>
        <source>Blood</source>
        <translation>Sangre</translation>
    </message>
    <message>
        <source>BloodRating:</source>
        <translation>Nivel de sangre:</translation>
    </message>
    <message>
        <source>BloodRating</source>
        <translation>Nivel de sangre</translation>
    </message>
    <message>
        <source>Faith:</source>
        <translation>Fe:</translation>
    </message>
    <message>
        <source>Faith</source>
        <translation>Fe</translation>
    </message>
    <message>
        <source>Humanity:</source>
        <translation>Humanidad:</translation>
    </message>
    <message>
        <source>Humanity</source>
        <translation>Humanidad</translation>
    </message>
    <message>
        <source>Total XP:</source>
        <translation>PX totales:</translation>
    </message>
    <message>
        <source>Total XP</source>
        <translation>PX totales</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Fuerza:</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Fuerza</translation>
    </message>
    <message>
        <source>Dexterity:</source>
        <translation>Destreza:</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>Destreza</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>Resistencia:</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Resistencia</translation>
    </message>
    <message>
        <source>Perception:</source>
        <translation>Percepción:</translation>
    </message>
    <message>
        <source>Perception</source>
        <translation>Percepción</translation>
    </message>
    <message>
        <source>Intelligence:</source>
        <translation>Inteligencia:</translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation>Inteligencia</translation>
    </message>
    <message>
        <source>Wits:</source>
        <translation>Astucia:</translation>
    </message>
    <message>
        <source>Wits</source>
        <translation>Astucia</translation>
    </message>
    <message>
        <source>Charisma:</source>
        <translation>Carisma:</translation>
    </message>
    <message>
        <source>Charisma</source>
        <translation>Carisma</translation>
    </message>
    <message>
        <source>Manipulation:</source>
        <translation>Manipulación:</translation>
    </message>
    <message>
        <source>Manipulation</source>
        <translation>Manipulación</translation>
    </message>
    <message>
        <source>Appearance:</source>
        <translation>Apariencia:</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Soaks:</source>
        <translation>Absorción:</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fuego</translation>
    </message>
    <message>
        <source>Soak Fire</source>
        <translation>Absorción fuego</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Soak Sun</source>
        <translation>Absorción sol</translation>
    </message>
    <message>
        <source>Soak Faith</source>
        <translation>Absorción fe</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Frío</translation>
    </message>
    <message>
        <source>Soak Cold</source>
        <translation>Absorción frío</translation>
    </message>
    <message>
        <source>Elec</source>
        <translation>Eléc.</translation>
    </message>
    <message>
        <source>Soak Elec</source>
        <translation>Absorción electricidad</translation>
    </message>
</context>
<context>
    <name>editing::messages</name>
    <message>
        <source>Veyrith</source>
        <translation>Veyrith</translation>
    </message>
    <message>
        <source>File is not a valid NPF file.</source>
        <translation>El archivo no es un archivo NPF válido.</translation>
    </message>
    <message>
        <source>Invalid file</source>
        <translation>Archivo no válido</translation>
    </message>
    <message>
        <source>Could not read NPF file.</source>
        <translation>No se pudo leer el archivo NPF.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>File saved successfully.</source>
        <translation>Archivo guardado correctamente.</translation>
    </message>
    <message>
        <source>File could not be saved.</source>
        <translation>No se pudo guardar el archivo.</translation>
    </message>
    <message>
        <source>Please enter no more than 32 characters.</source>
        <translation>Introduzca como máximo 32 caracteres.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Introduzca un número.</translation>
    </message>
    <message>
        <source>0 - Vampire</source>
        <translation>0 - Vampiro</translation>
    </message>
    <message>
        <source>1 - Ghoul</source>
        <translation>1 - Ghoul</translation>
    </message>
    <message>
        <source>2 - Human</source>
        <translation>2 - Humano</translation>
    </message>
    <message>
        <source>3 - Monster</source>
        <translation>3 - Monstruo</translation>
    </message>
    <message>
        <source>4 - Lupine</source>
        <translation>4 - Lupino</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocida</translation>
    </message>
    <message>
        <source>No such file.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Es una carpeta.</translation>
    </message>
    <message>
        <source>Not a regular file (a device or a pipe, for instance).</source>
        <translation>No es un archivo normal (por ejemplo, un dispositivo o una tubería).</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permiso denegado.</translation>
    </message>
    <message>
        <source>Permission denied; the file may be read-only.</source>
        <translation>Permiso denegado; puede que el archivo sea de solo lectura.</translation>
    </message>
    <message>
        <source>It is shorter than 796 bytes, the least that holds every field.</source>
        <translation>Tiene menos de 796 bytes, el mínimo que contiene todos los campos.</translation>
    </message>
    <message>
        <source>The system reported a read error.</source>
        <translation>El sistema informó de un error de lectura.</translation>
    </message>
    <message>
        <source>The system reported a write error.</source>
        <translation>El sistema informó de un error de escritura.</translation>
    </message>
    <message>
        <source>The file changed since it was read and no longer holds every field of an NPF file; nothing was written.</source>
        <translation>El archivo cambió desde que se leyó y ya no contiene todos los campos de un archivo NPF; no se escribió nada.</translation>
    </message>
    <message>
        <source>It lies beyond the largest float, 3.4028235e+38.</source>
        <translation>Supera el mayor número de coma flotante, 3.4028235e+38.</translation>
    </message>
    <message>
        <source>Zero is taken only from a text that begins with 0.</source>
        <translation>El cero solo se acepta si el texto empieza por 0.</translation>
    </message>
    <message>
        <source>It rounds to zero, which is taken only from a text that begins with 0.</source>
        <translation>Se redondea a cero, que solo se acepta si el texto empieza por 0.</translation>
    </message>
    <message>
        <source>%1: %2 is stored as %3, the largest the file holds</source>
        <translation>%1: %2 se guarda como %3, el mayor valor que admite el archivo</translation>
    </message>
    <message>
        <source>%1: %2 is stored as %3, the smallest the file holds</source>
        <translation>%1: %2 se guarda como %3, el menor valor que admite el archivo</translation>
    </message>
</context>
</TS>
