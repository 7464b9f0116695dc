<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Veyrith</source>
        <translation>À propos de Veyrith</translation>
    </message>
    <message>
        <source>Veyrith, click to open the user guide</source>
        <translation>Veyrith, cliquez pour ouvrir le guide de l&apos;utilisateur</translation>
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
        <translation>Omis, car Windows-1252 ne peut pas les représenter&#xa0;: %1</translation>
    </message>
    <message>
        <source>Left out, past the %1 characters that fit: %2</source>
        <translation>Omis, au-delà des %1 caractères possibles&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DesktopPrompts</name>
    <message>
        <source>NPF files (*.npf)</source>
        <translation>Fichiers NPF (*.npf)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
</context>
<context>
    <name>EditorCommandLine</name>
    <message>
        <source>Try --help for more.</source>
        <translation>Essayez --help pour en savoir plus.</translation>
    </message>
    <message>
        <source>Edits the character files (.npf) of a vampire role-playing game.</source>
        <translation>Modifie les fichiers de personnage (.npf) d&apos;un jeu de rôle de vampires.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>the name of the one argument in the usage</comment>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>The character file to open.</source>
        <translation>Le fichier de personnage à ouvrir.</translation>
    </message>
    <message>
        <source>Only one file can be opened at a time.</source>
        <translation>Un seul fichier peut être ouvert à la fois.</translation>
    </message>
    <message>
        <source>The file name is empty.</source>
        <translation>Le nom de fichier est vide.</translation>
    </message>
</context>
<context>
    <name>EditorDialog</name>
    <message>
        <source>&amp;About Veyrith...</source>
        <translation>À &amp;propos de Veyrith...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>the base caption, then the path of the file being edited</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>The user guide could not be opened.</source>
        <translation>Impossible d&apos;ouvrir le guide de l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Open this file in a web browser:
%1</source>
        <translation>Ouvrez ce fichier dans un navigateur web&#xa0;:
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
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Clan:</source>
        <translation>Clan&#xa0;:</translation>
    </message>
    <message>
        <source>Clan</source>
        <translation>Clan</translation>
    </message>
    <message>
        <source>Race:</source>
        <translation>Race&#xa0;:</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modèle&#xa0;:</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>ActorFlags:</source>
        <translation>Indicateurs&#xa0;:</translation>
    </message>
    <message>
        <source>ActorFlags</source>
        <translation>Indicateurs</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>Argent&#xa0;:</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Warning: Veyrith still contains some bugs so before saving</source>
        <translation>Attention&#xa0;: Veyrith a encore des bogues ; avant d&apos;enregistrer,</translation>
    </message>
    <message>
        <source>your character please check if the initial values were correct.</source>
        <translation>vérifiez que les valeurs initiales du personnage sont justes.</translation>
    </message>
    <message>
        <source>(If the Type value is set to unkown it is very likely the file was</source>
        <translation>(Si la race est « Inconnue », le fichier a très probablement</translation>
    </message>
    <message>
        <source>misread and you should not try to save)</source>
        <translation>été mal lu et vous ne devriez pas essayer d&apos;enregistrer)</translation>
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
        <translation>Statistiques</translation>
    </message>
</context>
<context>
    <name>StatsPage</name>
    <message>
        <source>Stats</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Generation:</source>
        <translation>Génération&#xa0;:</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Génération</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Santé&#xa0;:</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Mana:</source>
        <translation>Mana&#xa0;:</translation>
    </message>
    <message>
        <source>Mana</source>
        <translation>Mana</translation>
    </message>
    <message>
        <source>Blood:</source>
        <translation>Sang&#xa0;:</translation>
    </message>
    <message>
        <source>Blood</source>
        <translation>Sang</translation>
    </message>
    <message>
        <source>BloodRating:</source>
        <translation>Indice de sang&#xa0;:</translation>
    </message>
    <message>
        <source>BloodRating</source>
        <translation>Indice de sang</translation>
    </message>
    <message>
        <source>Faith:</source>
        <translation>Foi&#xa0;:</translation>
    </message>
    <message>
        <source>Faith</source>
        <translation>Foi</translation>
    </message>
    <message>
        <source>Humanity:</source>
        <translation>Humanité&#xa0;:</translation>
    </message>
    <message>
        <source>Humanity</source>
        <translation>Humanité</translation>
    </message>
    <message>
        <source>Total XP:</source>
        <translation>Total d&apos;XP&#xa0;:</translation>
    </message>
    <message>
        <source>Total XP</source>
        <translation>Total d&apos;XP</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Force&#xa0;:</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Dexterity:</source>
        <translation>Dextérité&#xa0;:</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>Dextérité</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>Vigueur&#xa0;:</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Vigueur</translation>
    </message>
    <message>
        <source>Perception:</source>
        <translation>Perception&#xa0;:</translation>
    </message>
    <message>
        <source>Perception</source>
        <translation>Perception</translation>
    </message>
    <message>
        <source>Intelligence:</source>
        <translation>Intelligence&#xa0;:</translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation>Intelligence</translation>
    </message>
    <message>
        <source>Wits:</source>
        <translation>Astuce&#xa0;:</translation>
    </message>
    <message>
        <source>Wits</source>
        <translation>Astuce</translation>
    </message>
    <message>
        <source>Charisma:</source>
        <translation>Charisme&#xa0;:</translation>
    </message>
    <message>
        <source>Charisma</source>
        <translation>Charisme</translation>
    </message>
    <message>
        <source>Manipulation:</source>
        <translation>Manipulation&#xa0;:</translation>
    </message>
    <message>
        <source>Manipulation</source>
        <translation>Manipulation</translation>
    </message>
    <message>
        <source>Appearance:</source>
        <translation>Apparence&#xa0;:</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Soaks:</source>
        <translation>Encaissement&#xa0;:</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feu</translation>
    </message>
    <message>
        <source>Soak Fire</source>
        <translation>Encaissement feu</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Soak Sun</source>
        <translation>Encaissement soleil</translation>
    </message>
    <message>
        <source>Soak Faith</source>
        <translation>Encaissement foi</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Froid</translation>
    </message>
    <message>
        <source>Soak Cold</source>
        <translation>Encaissement froid</translation>
    </message>
    <message>
        <source>Elec</source>
        <translation>Élec.</translation>
    </message>
    <message>
        <source>Soak Elec</source>
        <translation>Encaissement électricité</translation>
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
        <translation>Le fichier n&apos;est pas un fichier NPF valide.</translation>
    </message>
    <message>
        <source>Invalid file</source>
        <translation>Fichier non valide</translation>
    </message>
    <message>
        <source>Could not read NPF file.</source>
        <translation>Impossible de lire le fichier NPF.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>File saved successfully.</source>
        <translation>Fichier enregistré avec succès.</translation>
    </message>
    <message>
        <source>File could not be saved.</source>
        <translation>Impossible d&apos;enregistrer le fichier.</translation>
    </message>
    <message>
        <source>Please enter no more than 32 characters.</source>
        <translation>Veuillez saisir 32 caractères au maximum.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Veuillez saisir un nombre.</translation>
    </message>
    <message>
        <source>0 - Vampire</source>
        <translation>0 - Vampire</translation>
    </message>
    <message>
        <source>1 - Ghoul</source>
        <translation>1 - Goule</translation>
    </message>
    <message>
        <source>2 - Human</source>
        <translation>2 - Humain</translation>
    </message>
    <message>
        <source>3 - Monster</source>
        <translation>3 - Monstre</translation>
    </message>
    <message>
        <source>4 - Lupine</source>
        <translation>4 - Lupin</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnue</translation>
    </message>
    <message>
        <source>No such file.</source>
        <translation>Ce fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>C&apos;est un dossier.</translation>
    </message>
    <message>
        <source>Not a regular file (a device or a pipe, for instance).</source>
        <translation>Ce n&apos;est pas un fichier ordinaire (par exemple un périphérique ou un tube).</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permission refusée.</translation>
    </message>
    <message>
        <source>Permission denied; the file may be read-only.</source>
        <translation>Permission refusée ; le fichier est peut-être en lecture seule.</translation>
    </message>
    <message>
        <source>It is shorter than 796 bytes, the least that holds every field.</source>
        <translation>Il fait moins de 796 octets, le minimum pour contenir tous les champs.</translation>
    </message>
    <message>
        <source>The system reported a read error.</source>
        <translation>Le système a signalé une erreur de lecture.</translation>
    </message>
    <message>
        <source>The system reported a write error.</source>
        <translation>Le système a signalé une erreur d&apos;écriture.</translation>
    </message>
    <message>
        <source>The file changed since it was read and no longer holds every field of an NPF file; nothing was written.</source>
        <translation>Le fichier a changé depuis sa lecture et ne contient plus tous les champs d&apos;un fichier NPF ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>It lies beyond the largest float, 3.4028235e+38.</source>
        <translation>Il dépasse le plus grand nombre à virgule flottante, 3.4028235e+38.</translation>
    </message>
    <message>
        <source>Zero is taken only from a text that begins with 0.</source>
        <translation>Zéro n&apos;est accepté que si le texte commence par 0.</translation>
    </message>
    <message>
        <source>It rounds to zero, which is taken only from a text that begins with 0.</source>
        <translation>Il s&apos;arrondit à zéro, qui n&apos;est accepté que si le texte commence par 0.</translation>
    </message>
    <message>
        <source>%1: %2 is stored as %3, the largest the file holds</source>
        <translation>%1&#xa0;: %2 est enregistré comme %3, la plus grande valeur que le fichier peut contenir</translation>
    </message>
    <message>
        <source>%1: %2 is stored as %3, the smallest the file holds</source>
        <translation>%1&#xa0;: %2 est enregistré comme %3, la plus petite valeur que le fichier peut contenir</translation>
    </message>
</context>
</TS>
