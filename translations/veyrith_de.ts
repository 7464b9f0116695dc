<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Veyrith</source>
        <translation>Über Veyrith</translation>
    </message>
    <message>
        <source>Veyrith, click to open the user guide</source>
        <translation>Veyrith, klicken, um das Benutzerhandbuch zu öffnen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>Cp1252Validator</name>
    <message>
        <source>Left out, as Windows-1252 cannot hold them: %1</source>
        <translation>Weggelassen, da Windows-1252 sie nicht darstellen kann: %1</translation>
    </message>
    <message>
        <source>Left out, past the %1 characters that fit: %2</source>
        <translation>Weggelassen, da nur %1 Zeichen passen: %2</translation>
    </message>
</context>
<context>
    <name>DesktopPrompts</name>
    <message>
        <source>NPF files (*.npf)</source>
        <translation>NPF-Dateien (*.npf)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
</context>
<context>
    <name>EditorCommandLine</name>
    <message>
        <source>Try --help for more.</source>
        <translation>Mehr dazu mit --help.</translation>
    </message>
    <message>
        <source>Edits the character files (.npf) of a vampire role-playing game.</source>
        <translation>Bearbeitet die Charakterdateien (.npf) eines Vampir-Rollenspiels.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the name of the one argument in the usage</comment>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>The character file to open.</source>
        <translation>Die zu öffnende Charakterdatei.</translation>
    </message>
    <message>
        <source>Only one file can be opened at a time.</source>
        <translation>Es kann nur eine Datei auf einmal geöffnet werden.</translation>
    </message>
    <message>
        <source>The file name is empty.</source>
        <translation>Der Dateiname ist leer.</translation>
    </message>
</context>
<context>
    <name>EditorDialog</name>
    <message>
        <source>&amp;About Veyrith...</source>
        <translation>&amp;Über Veyrith...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>the base caption, then the path of the file being edited</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>The user guide could not be opened.</source>
        <translation>Das Benutzerhandbuch konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Open this file in a web browser:
%1</source>
        <translation>Öffnen Sie diese Datei in einem Webbrowser:
%1</translation>
    </message>
</context>
<context>
    <name>MainPage</name>
    <message>
        <source>Main</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
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
        <translation>Rasse:</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Rasse</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>ActorFlags:</source>
        <translation>Akteur-Flags:</translation>
    </message>
    <message>
        <source>ActorFlags</source>
        <translation>Akteur-Flags</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>Geld:</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Warning: Veyrith still contains some bugs so before saving</source>
        <translation>Warnung: Veyrith hat noch einige Fehler. Prüfen Sie also vor</translation>
    </message>
    <message>
        <source>your character please check if the initial values were correct.</source>
        <translation>dem Speichern, ob die Startwerte Ihres Charakters stimmen.</translation>
    </message>
    <message>
        <source>(If the Type value is set to unkown it is very likely the file was</source>
        <translation>(Steht die Rasse auf „Unbekannt“, wurde die Datei höchst-</translation>
    </message>
    <message>
        <source>misread and you should not try to save)</source>
        <translation>wahrscheinlich falsch gelesen; Sie sollten nicht speichern)</translation>
    </message>
</context>
<context>
    <name>PageTabCtrl</name>
    <message>
        <source>Main</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Werte</translation>
    </message>
</context>
<context>
    <name>StatsPage</name>
    <message>
        <source>Stats</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Generation:</source>
        <translation>Generation:</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Generation</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Gesundheit:</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Gesundheit</translation>
    </message>
    <message>
        <source>Mana:</source>
        <translation>Mana:</translation>
    </message>
    <message>
        <source>Mana</source>
        <translation>Mana</translation>
    </message>
    <message>
        <source>Blood:</source>
        <translation>Blut:</translation>
    </message>
    <message>
        <source>Blood</source>
        <translation>Blut</translation>
    </message>
    <message>
        <source>BloodRating:</source>
        <translation>Blutwert:</translation>
    </message>
    <message>
        <source>BloodRating</source>
        <translation>Blutwert</translation>
    </message>
    <message>
        <source>Faith:</source>
        <translation>Glaube:</translation>
    </message>
    <message>
        <source>Faith</source>
        <translation>Glaube</translation>
    </message>
    <message>
        <source>Humanity:</source>
        <translation>Menschlichkeit:</translation>
    </message>
    <message>
        <source>Humanity</source>
        <translation>Menschlichkeit</translation>
    </message>
    <message>
        <source>Total XP:</source>
        <translation>EP gesamt:</translation>
    </message>
    <message>
        <source>Total XP</source>
        <translation>EP gesamt</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Stärke:</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Dexterity:</source>
        <translation>Geschick:</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>Geschick</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>Ausdauer:</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Ausdauer</translation>
    </message>
    <message>
        <source>Perception:</source>
        <translation>Wahrnehmung:</translation>
    </message>
    <message>
        <source>Perception</source>
        <translation>Wahrnehmung</translation>
    </message>
    <message>
        <source>Intelligence:</source>
        <translation>Intelligenz:</translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation>Intelligenz</translation>
    </message>
    <message>
        <source>Wits:</source>
        <translation>Geistesschärfe:</translation>
    </message>
    <message>
        <source>Wits</source>
        <translation>Geistesschärfe</translation>
    </message>
    <message>
        <source>Charisma:</source>
        <translation>Charisma:</translation>
    </message>
    <message>
        <source>Charisma</source>
        <translation>Charisma</translation>
    </message>
    <message>
        <source>Manipulation:</source>
        <translation>Manipulation:</translation>
    </message>
    <message>
        <source>Manipulation</source>
        <translation>Manipulation</translation>
    </message>
    <message>
        <source>Appearance:</source>
        <translation>Aussehen:</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aussehen</translation>
    </message>
    <message>
        <source>Soaks:</source>
        <translation>Absorption:</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>Soak Fire</source>
        <translation>Absorption Feuer</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Soak Sun</source>
        <translation>Absorption Sonne</translation>
    </message>
    <message>
        <source>Soak Faith</source>
        <translation>Absorption Glaube</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Kälte</translation>
    </message>
    <message>
        <source>Soak Cold</source>
        <translation>Absorption Kälte</translation>
    </message>
    <message>
        <source>Elec</source>
        <translation>Elektr.</translation>
    </message>
    <message>
        <source>Soak Elec</source>
        <translation>Absorption Elektrizität</translation>
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
        <translation>Die Datei ist keine gültige NPF-Datei.</translation>
    </message>
    <message>
        <source>Invalid file</source>
        <translation>Ungültige Datei</translation>
    </message>
    <message>
        <source>Could not read NPF file.</source>
        <translation>Die NPF-Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>File saved successfully.</source>
        <translation>Datei erfolgreich gespeichert.</translation>
    </message>
    <message>
        <source>File could not be saved.</source>
        <translation>Die Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Please enter no more than 32 characters.</source>
        <translation>Bitte geben Sie höchstens 32 Zeichen ein.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Bitte geben Sie eine Zahl ein.</translation>
    </message>
    <message>
        <source>0 - Vampire</source>
        <translation>0 - Vampir</translation>
    </message>
    <message>
        <source>1 - Ghoul</source>
        <translation>1 - Ghul</translation>
    </message>
    <message>
        <source>2 - Human</source>
        <translation>2 - Mensch</translation>
    </message>
    <message>
        <source>3 - Monster</source>
        <translation>3 - Monster</translation>
    </message>
    <message>
        <source>4 - Lupine</source>
        <translation>4 - Lupin</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>No such file.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>Not a regular file (a device or a pipe, for instance).</source>
        <translation>Keine gewöhnliche Datei (zum Beispiel ein Gerät oder eine Pipe).</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Zugriff verweigert.</translation>
    </message>
    <message>
        <source>Permission denied; the file may be read-only.</source>
        <translation>Zugriff verweigert; die Datei ist vielleicht schreibgeschützt.</translation>
    </message>
    <message>
        <source>It is shorter than 796 bytes, the least that holds every field.</source>
        <translation>Sie ist kürzer als 796 Bytes, das Mindeste, das alle Felder fasst.</translation>
    </message>
    <message>
        <source>The system reported a read error.</source>
        <translation>Das System meldete einen Lesefehler.</translation>
    </message>
    <message>
        <source>The system reported a write error.</source>
        <translation>Das System meldete einen Schreibfehler.</translation>
    </message>
    <message>
        <source>The file changed since it was read and no longer holds every field of an NPF file; nothing was written.</source>
        <translation>Die Datei wurde seit dem Lesen geändert und enthält nicht mehr alle Felder einer NPF-Datei; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>It lies beyond the largest float, 3.4028235e+38.</source>
        <translation>Sie liegt jenseits der größten Gleitkommazahl, 3.4028235e+38.</translation>
    </message>
    <message>
        <source>Zero is taken only from a text that begins with 0.</source>
        <translation>Null wird nur angenommen, wenn der Text mit 0 beginnt.</translation>
    </message>
    <message>
        <source>It rounds to zero, which is taken only from a text that begins with 0.</source>
        <translation>Sie wird zu null gerundet; null wird nur angenommen, wenn der Text mit 0 beginnt.</translation>
    </message>
    <message>
        <source>%1: %2 is stored as %3, the largest the file holds</source>
        <translation>%1: %2 wird als %3 gespeichert, der größte Wert, den die Datei fasst</translation>
    </message>
    <message>
        <source>%1: %2 is stored as %3, the smallest the file holds</source>
        <translation>%1: %2 wird als %3 gespeichert, der kleinste Wert, den die Datei fasst</translation>
    </message>
</context>
</TS>
