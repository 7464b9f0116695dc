<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Veyrith</source>
        <translation>Informazioni su Veyrith</translation>
    </message>
    <message>
        <source>Veyrith, click to open the user guide</source>
        <translation>Veyrith, fai clic per aprire la guida utente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>Cp1252Validator</name>
    <message>
        <source>Left out, as Windows-1252 cannot hold them: %1</source>
        <translation>Omessi, perché Windows-1252 non può rappresentarli: %1</translation>
    </message>
    <message>
        <source>Left out, past the %1 characters that fit: %2</source>
        <translation>Omessi, oltre i %1 caratteri consentiti: %2</translation>
    </message>
</context>
<context>
    <name>DesktopPrompts</name>
    <message>
        <source>NPF files (*.npf)</source>
        <translation>File NPF (*.npf)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
</context>
<context>
    <name>EditorCommandLine</name>
    <message>
        <source>Try --help for more.</source>
        <translation>Prova --help per saperne di più.</translation>
    </message>
    <message>
        <source>Edits the character files (.npf) of a vampire role-playing game.</source>
        <translation>Modifica i file dei personaggi (.npf) di un gioco di ruolo sui vampiri.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Mostra la versione.</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the name of the one argument in the usage</comment>
        <translation>FILE</translation>
    </message>
    <message>
        <source>The character file to open.</source>
        <translation>Il file del personaggio da aprire.</translation>
    </message>
    <message>
        <source>Only one file can be opened at a time.</source>
        <translation>Si può aprire un solo file alla volta.</translation>
    </message>
    <message>
        <source>The file name is empty.</source>
        <translation>Il nome del file è vuoto.</translation>
    </message>
</context>
<context>
    <name>EditorDialog</name>
    <message>
        <source>&amp;About Veyrith...</source>
        <translation>Informazioni su &amp;Veyrith...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>the base caption, then the path of the file being edited</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>The user guide could not be opened.</source>
        <translation>Impossibile aprire la guida utente.</translation>
    </message>
    <message>
        <source>Open this file in a web browser:
%1</source>
        <translation>Apri questo file in un browser web:
%1</translation>
    </message>
</context>
<context>
    <name>MainPage</name>
    <message>
        <source>Main</source>
        <translation>Principale</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
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
        <translation>Razza:</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Razza</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modello:</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>ActorFlags:</source>
        <translation>Flag attore:</translation>
    </message>
    <message>
        <source>ActorFlags</source>
        <translation>Flag attore</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>Denaro:</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Denaro</translation>
    </message>
    <message>
        <source>Warning: Veyrith still contains some bugs so before saving</source>
        <translation>Attenzione: Veyrith ha ancora qualche bug, quindi prima di</translation>
    </message>
    <message>
        <source>your character please check if the initial values were correct.</source>
        <translation>salvare il personaggio controlla se i valori iniziali sono giusti.</translation>
    </message>
    <message>
        <source>(If the Type value is set to unkown it is very likely the file was</source>
        <translation>(Se la razza è «Sconosciuta», è molto probabile che il file sia</translation>
    </message>
    <message>
        <source>misread and you should not try to save)</source>
        <translation>stato letto male e non dovresti provare a salvarlo)</translation>
    </message>
</context>
<context>
    <name>PageTabCtrl</name>
    <message>
        <source>Main</source>
        <translation>Principale</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistiche</translation>
    </message>
</context>
<context>
    <name>StatsPage</name>
    <message>
        <source>Stats</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Generation:</source>
        <translation>Generazione:</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Generazione</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Salute:</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salute</translation>
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
        <translation>Sangue:</translation>
    </message>
    <message>
        <source>Blood</source>
        <translation>Sangue</translation>
    </message>
    <message>
        <source>BloodRating:</source>
        <translation>Livello di sangue:</translation>
    </message>
    <message>
        <source>BloodRating</source>
        <translation>Livello di sangue</translation>
    </message>
    <message>
        <source>Faith:</source>
        <translation>Fede:</translation>
    </message>
    <message>
        <source>Faith</source>
        <translation>Fede</translation>
    </message>
    <message>
        <source>Humanity:</source>
        <translation>Umanità:</translation>
    </message>
    <message>
        <source>Humanity</source>
        <translation>Umanità</translation>
    </message>
    <message>
        <source>Total XP:</source>
        <translation>PE totali:</translation>
    </message>
    <message>
        <source>Total XP</source>
        <translation>PE totali</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Forza:</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Forza</translation>
    </message>
    <message>
        <source>Dexterity:</source>
        <translation>Destrezza:</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>Destrezza</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>Costituzione:</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Costituzione</translation>
    </message>
    <message>
        <source>Perception:</source>
        <translation>Percezione:</translation>
    </message>
    <message>
        <source>Perception</source>
        <translation>Percezione</translation>
    </message>
    <message>
        <source>Intelligence:</source>
        <translation>Intelligenza:</translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation>Intelligenza</translation>
    </message>
    <message>
        <source>Wits:</source>
        <translation>Prontezza:</translation>
    </message>
    <message>
        <source>Wits</source>
        <translation>Prontezza</translation>
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
        <translation>Persuasione:</translation>
    </message>
    <message>
        <source>Manipulation</source>
        <translation>Persuasione</translation>
    </message>
    <message>
        <source>Appearance:</source>
        <translation>Aspetto:</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Soaks:</source>
        <translation>Assorbimento:</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fuoco</translation>
    </message>
    <message>
        <source>Soak Fire</source>
        <translation>Assorbimento fuoco</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>Soak Sun</source>
        <translation>Assorbimento sole</translation>
    </message>
    <message>
        <source>Soak Faith</source>
        <translation>Assorbimento fede</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Freddo</translation>
    </message>
    <message>
        <source>Soak Cold</source>
        <translation>Assorbimento freddo</translation>
    </message>
    <message>
        <source>Elec</source>
        <translation>Elettr.</translation>
    </message>
    <message>
        <source>Soak Elec</source>
        <translation>Assorbimento elettricità</translation>
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
        <translation>Il file non è un file NPF valido.</translation>
    </message>
    <message>
        <source>Invalid file</source>
        <translation>File non valido</translation>
    </message>
    <message>
        <source>Could not read NPF file.</source>
        <translation>Impossibile leggere il file NPF.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>File saved successfully.</source>
        <translation>File salvato correttamente.</translation>
    </message>
    <message>
        <source>File could not be saved.</source>
        <translation>Impossibile salvare il file.</translation>
    </message>
    <message>
        <source>Please enter no more than 32 characters.</source>
        <translation>Inserisci al massimo 32 caratteri.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Inserisci un numero intero.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Inserisci un numero.</translation>
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
        <translation>2 - Umano</translation>
    </message>
    <message>
        <source>3 - Monster</source>
        <translation>3 - Mostro</translation>
    </message>
    <message>
        <source>4 - Lupine</source>
        <translation>4 - Lupino</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuta</translation>
    </message>
    <message>
        <source>No such file.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>È una cartella.</translation>
    </message>
    <message>
        <source>Not a regular file (a device or a pipe, for instance).</source>
        <translation>Non è un file normale (per esempio un dispositivo o una pipe).</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permesso negato.</translation>
    </message>
    <message>
        <source>Permission denied; the file may be read-only.</source>
        <translation>Permesso negato; il file potrebbe essere di sola lettura.</translation>
    </message>
    <message>
        <source>It is shorter than 796 bytes, the least that holds every field.</source>
        <translation>È più corto di 796 byte, il minimo che contiene tutti i campi.</translation>
    </message>
    <message>
        <source>The system reported a read error.</source>
        <translation>Il sistema ha segnalato un errore di lettura.</translation>
    </message>
    <message>
        <source>The system reported a write error.</source>
        <translation>Il sistema ha segnalato un errore di scrittura.</translation>
    </message>
    <message>
        <source>The file changed since it was read and no longer holds every field of an NPF file; nothing was written.</source>
        <translation>Il file è cambiato da quando è stato letto e non contiene più tutti i campi di un file NPF; non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>It lies beyond the largest float, 3.4028235e+38.</source>
        <translation>Supera il più grande numero in virgola mobile, 3.4028235e+38.</translation>
    </message>
    <message>
        <source>Zero is taken only from a text that begins with 0.</source>
        <translation>Lo zero è accettato solo se il testo inizia con 0.</translation>
    </message>
    <message>
        <source>It rounds to zero, which is taken only from a text that begins with 0.</source>
        <translation>Si arrotonda a zero, che è accettato solo se il testo inizia con 0.</translation>
    </message>
    <message>
        <source>%1: %2 is stored as %3, the largest the file holds</source>
        <translation>%1: %2 viene salvato come %3, il valore più grande che il file può contenere</translation>
    </message>
    <message>
        <source>%1: %2 is stored as %3, the smallest the file holds</source>
        <translation>%1: %2 viene salvato come %3, il valore più piccolo che il file può contenere</translation>
    </message>
</context>
</TS>
