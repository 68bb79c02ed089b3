<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About HAVRIK Coach Tool</source>
        <translation>Über HAVRIK Coach Tool</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:15pt; font-weight:600&apos;&gt;HAVRIK Coach Tool&lt;/p&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Records every stone of a curling game &amp;mdash; who threw it, the called shot, the rotation, how well it was made and where the stones came to rest &amp;mdash; and turns the records into percentages per player, position, team and shot, diagrams and house drawings. Keeps both teams&apos; thinking time, a stopwatch and time-outs.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:15pt; font-weight:600&apos;&gt;HAVRIK Coach Tool&lt;/p&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Erfasst jeden Stein eines Curlingspiels &amp;mdash; wer ihn gespielt hat, den angesagten Spielzug, die Rotation, wie gut er gelungen ist und wo die Steine liegen geblieben sind &amp;mdash; und macht daraus Prozentwerte pro Spieler, Position, Team und Spielzug, Diagramme und Hauszeichnungen. Führt die Denkzeit beider Teams, eine Stoppuhr und die Time-outs.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CCategoriesBrowser</name>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Edit category</source>
        <translation>Kategorie bearbeiten</translation>
    </message>
</context>
<context>
    <name>CCategoryDialog</name>
    <message>
        <source>No c&amp;ompetition</source>
        <translation>Kein &amp;Wettkampf</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Kategorie:</translation>
    </message>
    <message>
        <source>Edit &amp;My Team…</source>
        <translation>&amp;Mein Team bearbeiten…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Reset to defaults…</source>
        <translation>Auf Standard &amp;zurücksetzen…</translation>
    </message>
    <message>
        <source>Competition category</source>
        <translation>Wettkampfkategorie</translation>
    </message>
    <message>
        <source>Choose the competition the game belongs to.</source>
        <translation>Wählen Sie den Wettkampf, zu dem das Spiel gehört.</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Edit category</source>
        <translation>Kategorie bearbeiten</translation>
    </message>
</context>
<context>
    <name>CCompetitionDialog</name>
    <message>
        <source>Ask before the last stone &amp;switches</source>
        <translation>Fragen, bevor der letzte Stein &amp;wechselt</translation>
    </message>
    <message>
        <source>Stone &amp;A position:</source>
        <translation>Position von Stein &amp;A:</translation>
    </message>
    <message>
        <source>Competition</source>
        <translation>Wettkampf</translation>
    </message>
    <message>
        <source>Event, session, sheet, place and time of the game.</source>
        <translation>Anlass, Runde, Bahn, Ort und Zeit des Spiels.</translation>
    </message>
    <message>
        <source>&amp;Event:</source>
        <translation>A&amp;nlass:</translation>
    </message>
    <message>
        <source>Se&amp;ssion:</source>
        <translation>&amp;Runde:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>&amp;Bahn:</translation>
    </message>
    <message>
        <source>&amp;City:</source>
        <translation>&amp;Ort:</translation>
    </message>
    <message>
        <source>N&amp;umber of ends:</source>
        <translation>Anzahl &amp;Ends:</translation>
    </message>
    <message>
        <source>&amp;Date and start:</source>
        <translation>&amp;Datum und Beginn:</translation>
    </message>
    <message>
        <source>session</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>sheet</source>
        <translation>Bahn</translation>
    </message>
    <message>
        <source>New %1</source>
        <translation>Neue %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>New event</source>
        <translation>Neuer Anlass</translation>
    </message>
    <message>
        <source>Edit event</source>
        <translation>Anlass bearbeiten</translation>
    </message>
</context>
<context>
    <name>CEventsBrowser</name>
    <message>
        <source>New event</source>
        <translation>Neuer Anlass</translation>
    </message>
    <message>
        <source>Edit event</source>
        <translation>Anlass bearbeiten</translation>
    </message>
</context>
<context>
    <name>CGotoDialog</name>
    <message>
        <source>Go to end</source>
        <translation>Zu End springen</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;End:</translation>
    </message>
</context>
<context>
    <name>CHandleDialog</name>
    <message>
        <source>Handles of the first colour</source>
        <translation>Griffe der ersten Farbe</translation>
    </message>
    <message>
        <source>Handles of the second colour</source>
        <translation>Griffe der zweiten Farbe</translation>
    </message>
    <message>
        <source>Stone colours</source>
        <translation>Steinfarben</translation>
    </message>
</context>
<context>
    <name>CLSFEDialog</name>
    <message>
        <source>Last stone in the first end</source>
        <translation>Letzter Stein im ersten End</translation>
    </message>
    <message>
        <source>Which team has the last stone in end 1?</source>
        <translation>Welches Team hat im End 1 den letzten Stein?</translation>
    </message>
</context>
<context>
    <name>CLateTeamDialog</name>
    <message>
        <source>Late team</source>
        <translation>Verspätetes Team</translation>
    </message>
    <message>
        <source>Which team was late?</source>
        <translation>Welches Team war zu spät?</translation>
    </message>
</context>
<context>
    <name>CLineupDialog</name>
    <message>
        <source>The team plays with three players (the second sits out)</source>
        <translation>Das Team spielt zu dritt (der Second setzt aus)</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Lead</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Third</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Fourth</translation>
    </message>
    <message>
        <source>Alternate</source>
        <translation>Ersatzspieler</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>&amp;Rename player…</source>
        <translation>Spieler &amp;umbenennen…</translation>
    </message>
    <message>
        <source>Rename player</source>
        <translation>Spieler umbenennen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
</context>
<context>
    <name>CLineupWizard</name>
    <message>
        <source>Line-up</source>
        <translation>Aufstellung</translation>
    </message>
</context>
<context>
    <name>CMISDialog</name>
    <message>
        <source>&amp;Go to this stone</source>
        <translation>&amp;Zu diesem Stein gehen</translation>
    </message>
    <message>
        <source>Most important shot</source>
        <translation>Wichtigster Stein</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>Stone:</source>
        <translation>Stein:</translation>
    </message>
</context>
<context>
    <name>CMixedDoublesDialog</name>
    <message>
        <source>&amp;Power play</source>
        <translation>&amp;Power Play</translation>
    </message>
    <message>
        <source>First thrower</source>
        <translation>Erster Spieler</translation>
    </message>
    <message>
        <source>Thrower</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Which team delivers first in this end?</source>
        <translation>Welches Team spielt in diesem End zuerst?</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Rechts</translation>
    </message>
</context>
<context>
    <name>CNameNoteDialog</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;otiz:</translation>
    </message>
</context>
<context>
    <name>CPlayerDialog</name>
    <message>
        <source>Players of team %1</source>
        <translation>Spieler des Teams %1</translation>
    </message>
    <message>
        <source>New player</source>
        <translation>Neuer Spieler</translation>
    </message>
    <message>
        <source>Edit player</source>
        <translation>Spieler bearbeiten</translation>
    </message>
</context>
<context>
    <name>CPlayerEntryDialog</name>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Skip</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;ummer:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;otiz:</translation>
    </message>
</context>
<context>
    <name>CPlayerOrder</name>
    <message>
        <source>Player of this stone</source>
        <translation>Spieler dieses Steins</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Spieler:</translation>
    </message>
</context>
<context>
    <name>CPlayersBrowser</name>
    <message>
        <source>New player</source>
        <translation>Neuer Spieler</translation>
    </message>
    <message>
        <source>Edit player</source>
        <translation>Spieler bearbeiten</translation>
    </message>
</context>
<context>
    <name>CRegistryListBox</name>
    <message>
        <source>Ne&amp;w…</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Bearbeiten…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>C&amp;lear selection</source>
        <translation>Auswahl &amp;aufheben</translation>
    </message>
</context>
<context>
    <name>CResultDialog</name>
    <message>
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
</context>
<context>
    <name>CSetGameTimerDialog</name>
    <message>
        <source>Sa&amp;me time for both teams</source>
        <translation>&amp;Gleiche Zeit für beide Teams</translation>
    </message>
    <message>
        <source>Set game timer</source>
        <translation>Spielzeit einstellen</translation>
    </message>
    <message>
        <source>M&amp;inutes</source>
        <translation>M&amp;inuten</translation>
    </message>
    <message>
        <source>&amp;Seconds</source>
        <translation>&amp;Sekunden</translation>
    </message>
</context>
<context>
    <name>CSetupWizard</name>
    <message>
        <source>Game set-up</source>
        <translation>Spiel einrichten</translation>
    </message>
    <message>
        <source>Set up the game</source>
        <translation>Das Spiel einrichten</translation>
    </message>
    <message>
        <source>Describe the game before its first stone.</source>
        <translation>Beschreiben Sie das Spiel vor seinem ersten Stein.</translation>
    </message>
    <message>
        <source>The pages that follow ask for the competition, the two teams and their players, the colour of each team&apos;s stone handles, the team with the last stone in the first end and who records the game.

Every page can be opened alone later from the Game menu.</source>
        <translation>Die folgenden Seiten fragen nach dem Wettkampf, den beiden Teams und ihren Spielern, der Griff-Farbe der Steine jedes Teams, dem Team mit dem letzten Stein im ersten End und danach, wer das Spiel erfasst.

Jede Seite lässt sich später einzeln über das Menü Spiel öffnen.</translation>
    </message>
    <message>
        <source>The game is set up</source>
        <translation>Das Spiel ist eingerichtet</translation>
    </message>
    <message>
        <source>Every page is filled in.</source>
        <translation>Alle Seiten sind ausgefüllt.</translation>
    </message>
    <message>
        <source>Press Finish to keep these settings. The shot-entry form is then ready for the first stone.</source>
        <translation>Klicken Sie auf Abschliessen, um diese Einstellungen zu übernehmen. Danach ist das Erfassungsformular für den ersten Stein bereit.</translation>
    </message>
</context>
<context>
    <name>CSplash</name>
    <message>
        <source>Curling statistics</source>
        <translation>Curling-Statistik</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>CStatisticianDialog</name>
    <message>
        <source>Statistician</source>
        <translation>Statistiker</translation>
    </message>
    <message>
        <source>Who records this game?</source>
        <translation>Wer erfasst dieses Spiel?</translation>
    </message>
    <message>
        <source>&amp;First statistician:</source>
        <translation>&amp;Erster Statistiker:</translation>
    </message>
    <message>
        <source>&amp;Second statistician:</source>
        <translation>&amp;Zweiter Statistiker:</translation>
    </message>
    <message>
        <source>New statistician</source>
        <translation>Neuer Statistiker</translation>
    </message>
    <message>
        <source>Edit statistician</source>
        <translation>Statistiker bearbeiten</translation>
    </message>
</context>
<context>
    <name>CSummaryWizard</name>
    <message>
        <source>Game summary</source>
        <translation>Spielzusammenfassung</translation>
    </message>
    <message>
        <source>Summary of the game</source>
        <translation>Zusammenfassung des Spiels</translation>
    </message>
    <message>
        <source>What mattered in this game.</source>
        <translation>Worauf es in diesem Spiel ankam.</translation>
    </message>
    <message>
        <source>Each of the next three pages holds one free text. Finish keeps them with the game; Cancel leaves the game as it was.</source>
        <translation>Jede der nächsten drei Seiten enthält einen freien Text. Abschliessen speichert sie mit dem Spiel; Abbrechen lässt das Spiel, wie es war.</translation>
    </message>
    <message>
        <source>Summary complete</source>
        <translation>Zusammenfassung vollständig</translation>
    </message>
    <message>
        <source>All three texts are written.</source>
        <translation>Alle drei Texte sind geschrieben.</translation>
    </message>
    <message>
        <source>Press Finish to keep the three texts with the game.</source>
        <translation>Klicken Sie auf Abschliessen, um die drei Texte mit dem Spiel zu speichern.</translation>
    </message>
</context>
<context>
    <name>CTALVGraphicsVIEW</name>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Choose colour…</source>
        <translation>Farbe wählen…</translation>
    </message>
    <message>
        <source>Reset colours</source>
        <translation>Farben zurücksetzen</translation>
    </message>
    <message>
        <source>Swap ring colours</source>
        <translation>Ringfarben tauschen</translation>
    </message>
    <message>
        <source>Out of play</source>
        <translation>Aus dem Spiel</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Go to its delivery</source>
        <translation>Zu seiner Abgabe gehen</translation>
    </message>
    <message>
        <source>Go back to the shot that last moved it</source>
        <translation>Zum Spielzug zurück, der ihn zuletzt bewegt hat</translation>
    </message>
    <message>
        <source>Show broom</source>
        <translation>Besen anzeigen</translation>
    </message>
    <message>
        <source>Show target</source>
        <translation>Ziel anzeigen</translation>
    </message>
    <message>
        <source>Save image…</source>
        <translation>Bild speichern…</translation>
    </message>
</context>
<context>
    <name>CTeamDialog</name>
    <message>
        <source>My Team plays in the &amp;second place</source>
        <translation>Mein Team spielt an &amp;zweiter Stelle</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source>The two teams of the game and their codes.</source>
        <translation>Die beiden Teams des Spiels und ihre Kürzel.</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Team &amp;%1:</source>
        <translation>Team &amp;%1:</translation>
    </message>
    <message>
        <source>New team</source>
        <translation>Neues Team</translation>
    </message>
    <message>
        <source>Edit team</source>
        <translation>Team bearbeiten</translation>
    </message>
</context>
<context>
    <name>CTeamEntryDialog</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Kürzel:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;otiz:</translation>
    </message>
</context>
<context>
    <name>CTeamsBrowser</name>
    <message>
        <source>New team</source>
        <translation>Neues Team</translation>
    </message>
    <message>
        <source>Edit team</source>
        <translation>Team bearbeiten</translation>
    </message>
    <message>
        <source>Edit My Team</source>
        <translation>Mein Team bearbeiten</translation>
    </message>
</context>
<context>
    <name>CTimeoutDialog</name>
    <message>
        <source>Time-out</source>
        <translation>Time-out</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Team:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>End:</translation>
    </message>
    <message>
        <source>Stone:</source>
        <translation>Stein:</translation>
    </message>
</context>
<context>
    <name>CTypesDialog</name>
    <message>
        <source>&amp;Add to the list</source>
        <translation>Zur Liste &amp;hinzufügen</translation>
    </message>
</context>
<context>
    <name>CWizardEndMainDialog</name>
    <message>
        <source>A free text that stays with the game.</source>
        <translation>Ein freier Text, der beim Spiel bleibt.</translation>
    </message>
</context>
<context>
    <name>CWizardPropertySheet</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ConfigMenu</name>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Konfiguration</translation>
    </message>
    <message>
        <source>&amp;New category…</source>
        <translation>&amp;Neue Kategorie…</translation>
    </message>
    <message>
        <source>&amp;Delete category…</source>
        <translation>Kategorie &amp;löschen…</translation>
    </message>
    <message>
        <source>Edit &amp;My Team…</source>
        <translation>&amp;Mein Team bearbeiten…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Neue Kategorie</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>The user guide could not be opened:
%1</source>
        <translation>Das Benutzerhandbuch konnte nicht geöffnet werden:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Previous stone</source>
        <translation>&amp;Vorheriger Stein</translation>
    </message>
    <message>
        <source>&amp;First stone of the game</source>
        <translation>&amp;Erster Stein des Spiels</translation>
    </message>
    <message>
        <source>&amp;Go to end…</source>
        <translation>Zu End &amp;springen…</translation>
    </message>
    <message>
        <source>&amp;Move stone</source>
        <translation>Stein &amp;bewegen</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>Nach &amp;links</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>Nach &amp;rechts</translation>
    </message>
    <message>
        <source>&amp;Set most important shot</source>
        <translation>Wichtigsten Stein &amp;festlegen</translation>
    </message>
    <message>
        <source>S&amp;how most important shot…</source>
        <translation>Wichtigsten Stein &amp;anzeigen…</translation>
    </message>
    <message>
        <source>Go to most &amp;important shot</source>
        <translation>Zum w&amp;ichtigsten Stein gehen</translation>
    </message>
    <message>
        <source>Remove last &amp;tag</source>
        <translation>Letzte &amp;Markierung entfernen</translation>
    </message>
    <message>
        <source>&amp;Clear pending correction</source>
        <translation>Ausstehende &amp;Korrektur aufheben</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Set up game…</source>
        <translation>Spiel &amp;einrichten…</translation>
    </message>
    <message>
        <source>Set-up pa&amp;ges</source>
        <translation>Einrichtungs&amp;seiten</translation>
    </message>
    <message>
        <source>&amp;Category…</source>
        <translation>&amp;Kategorie…</translation>
    </message>
    <message>
        <source>C&amp;ompetition…</source>
        <translation>&amp;Wettkampf…</translation>
    </message>
    <message>
        <source>&amp;Teams…</source>
        <translation>&amp;Teams…</translation>
    </message>
    <message>
        <source>&amp;Players…</source>
        <translation>&amp;Spieler…</translation>
    </message>
    <message>
        <source>Stone co&amp;lours…</source>
        <translation>Stein&amp;farben…</translation>
    </message>
    <message>
        <source>Last stone in the &amp;first end…</source>
        <translation>Letzter Stein im &amp;ersten End…</translation>
    </message>
    <message>
        <source>&amp;Statistician…</source>
        <translation>St&amp;atistiker…</translation>
    </message>
    <message>
        <source>Back to set-&amp;up…</source>
        <translation>Zurück zur Ein&amp;richtung…</translation>
    </message>
    <message>
        <source>&amp;Line-up…</source>
        <translation>&amp;Aufstellung…</translation>
    </message>
    <message>
        <source>Change line-up &amp;during the game…</source>
        <translation>Aufstellung &amp;während des Spiels ändern…</translation>
    </message>
    <message>
        <source>&amp;Player of this stone…</source>
        <translation>S&amp;pieler dieses Steins…</translation>
    </message>
    <message>
        <source>&amp;End not played out…</source>
        <translation>End &amp;nicht fertig gespielt…</translation>
    </message>
    <message>
        <source>L&amp;ate team…</source>
        <translation>&amp;Verspätetes Team…</translation>
    </message>
    <message>
        <source>&amp;Correct previous end…</source>
        <translation>Vorheriges End &amp;korrigieren…</translation>
    </message>
    <message>
        <source>Choose first &amp;thrower…</source>
        <translation>Ersten Spie&amp;ler wählen…</translation>
    </message>
    <message>
        <source>Mixed doubles: thrower &amp;assignment…</source>
        <translation>Mixed Doubles: Spieler&amp;zuteilung…</translation>
    </message>
    <message>
        <source>Power play &amp;left</source>
        <translation>Power Play l&amp;inks</translation>
    </message>
    <message>
        <source>Power play &amp;right</source>
        <translation>Power Play re&amp;chts</translation>
    </message>
    <message>
        <source>T&amp;ime-out…</source>
        <translation>&amp;Time-out…</translation>
    </message>
    <message>
        <source>&amp;Quick statistics</source>
        <translation>Sc&amp;hnellstatistik</translation>
    </message>
    <message>
        <source>&amp;Finish or re-open game</source>
        <translation>Spiel a&amp;bschliessen oder wieder öffnen</translation>
    </message>
    <message>
        <source>Summar&amp;y…</source>
        <translation>Zusammen&amp;fassung…</translation>
    </message>
    <message>
        <source>Switch database link &amp;off</source>
        <translation>Datenbankverknüpfung a&amp;usschalten</translation>
    </message>
    <message>
        <source>&amp;Timing</source>
        <translation>&amp;Zeitmessung</translation>
    </message>
    <message>
        <source>Start clock of team &amp;1</source>
        <translation>Uhr von Team &amp;1 starten</translation>
    </message>
    <message>
        <source>Start clock of team &amp;2</source>
        <translation>Uhr von Team &amp;2 starten</translation>
    </message>
    <message>
        <source>&amp;Stop clocks</source>
        <translation>Uhren &amp;stoppen</translation>
    </message>
    <message>
        <source>Game timer &amp;display</source>
        <translation>&amp;Anzeige der Spielzeit</translation>
    </message>
    <message>
        <source>&amp;Used time</source>
        <translation>&amp;Verbrauchte Zeit</translation>
    </message>
    <message>
        <source>&amp;Deviation from plan</source>
        <translation>&amp;Abweichung vom Plan</translation>
    </message>
    <message>
        <source>&amp;Remaining time</source>
        <translation>&amp;Restzeit</translation>
    </message>
    <message>
        <source>&amp;Times to comment</source>
        <translation>&amp;Zeiten in den Kommentar</translation>
    </message>
    <message>
        <source>S&amp;et game timer…</source>
        <translation>Spielzeit &amp;einstellen…</translation>
    </message>
    <message>
        <source>&amp;Reset game timer…</source>
        <translation>Spielzeit zu&amp;rücksetzen…</translation>
    </message>
    <message>
        <source>Stopwatch st&amp;art</source>
        <translation>Stoppuhr s&amp;tarten</translation>
    </message>
    <message>
        <source>Stopwatch st&amp;op</source>
        <translation>Stoppuhr st&amp;oppen</translation>
    </message>
    <message>
        <source>Stopwatch s&amp;plit</source>
        <translation>Stoppuhr Zwisc&amp;henzeit</translation>
    </message>
    <message>
        <source>Stopwatch to &amp;comment</source>
        <translation>Stoppuhr in den &amp;Kommentar</translation>
    </message>
    <message>
        <source>Stopwatch rese&amp;t</source>
        <translation>Stoppuhr &amp;nullstellen</translation>
    </message>
    <message>
        <source>Stopwatch &amp;mode</source>
        <translation>Stoppuhr-&amp;Modus</translation>
    </message>
    <message>
        <source>&amp;Start and stop</source>
        <translation>&amp;Start und Stopp</translation>
    </message>
    <message>
        <source>S&amp;plit times</source>
        <translation>&amp;Zwischenzeiten</translation>
    </message>
    <message>
        <source>&amp;Game timer bar</source>
        <translation>&amp;Spielzeit-Leiste</translation>
    </message>
    <message>
        <source>Stop&amp;watch bar</source>
        <translation>Stopp&amp;uhr-Leiste</translation>
    </message>
    <message>
        <source>G&amp;uidelines</source>
        <translation>&amp;Richtlinien</translation>
    </message>
    <message>
        <source>&amp;Advanced handle options</source>
        <translation>Erweiterte &amp;Griffoptionen</translation>
    </message>
    <message>
        <source>&amp;Position recording</source>
        <translation>&amp;Positionserfassung</translation>
    </message>
    <message>
        <source>Swap playing &amp;direction</source>
        <translation>Spielrichtung &amp;tauschen</translation>
    </message>
    <message>
        <source>&amp;Second house view</source>
        <translation>&amp;Zweite Hausansicht</translation>
    </message>
    <message>
        <source>Save &amp;tags</source>
        <translation>Markierungen spei&amp;chern</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open a saved game or a CIS file</source>
        <translation>Ein gespeichertes Spiel oder eine CIS-Datei öffnen</translation>
    </message>
    <message>
        <source>Open game</source>
        <translation>Spiel öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the active game</source>
        <translation>Das aktive Spiel speichern</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Save the active game under another name</source>
        <translation>Das aktive Spiel unter einem anderen Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chliessen</translation>
    </message>
    <message>
        <source>Close the active game</source>
        <translation>Das aktive Spiel schliessen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Close all games and end the program</source>
        <translation>Alle Spiele schliessen und das Programm beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Recent games</source>
        <translation>&amp;Zuletzt geöffnete Spiele</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbars</source>
        <translation>&amp;Symbolleisten</translation>
    </message>
    <message>
        <source>&amp;Fit panes</source>
        <translation>Bereiche &amp;anpassen</translation>
    </message>
    <message>
        <source>Application &amp;look</source>
        <translation>&amp;Erscheinungsbild</translation>
    </message>
    <message>
        <source>Use the %1 look</source>
        <translation>Erscheinungsbild %1 verwenden</translation>
    </message>
    <message>
        <source>Look-styled &amp;buttons</source>
        <translation>Sc&amp;haltflächen im Erscheinungsbild</translation>
    </message>
    <message>
        <source>Draw the form&apos;s buttons in the application look</source>
        <translation>Die Schaltflächen des Formulars im Erscheinungsbild der Anwendung zeichnen</translation>
    </message>
    <message>
        <source>&amp;Reset window layout…</source>
        <translation>&amp;Fensteranordnung zurücksetzen…</translation>
    </message>
    <message>
        <source>Put the toolbars back in their places and return to the Blue look</source>
        <translation>Die Symbolleisten an ihren Platz zurücksetzen und zum Erscheinungsbild Blue zurückkehren</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Das Benutzerhandbuch öffnen</translation>
    </message>
    <message>
        <source>Check for &amp;updates</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>Open the maker&apos;s update page in the browser</source>
        <translation>Die Update-Seite des Herstellers im Browser öffnen</translation>
    </message>
    <message>
        <source>&amp;About HAVRIK Coach Tool</source>
        <translation>Ü&amp;ber HAVRIK Coach Tool</translation>
    </message>
    <message>
        <source>Program name and version</source>
        <translation>Programmname und Version</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>Game timer</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <source>&amp;Next window</source>
        <translation>Nä&amp;chstes Fenster</translation>
    </message>
    <message>
        <source>&amp;Previous window</source>
        <translation>&amp;Vorheriges Fenster</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>TimerBars</name>
    <message>
        <source>Stop both clocks</source>
        <translation>Beide Uhren stoppen</translation>
    </message>
    <message>
        <source>Start the clock of team %1</source>
        <translation>Uhr von Team %1 starten</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>Start the stopwatch</source>
        <translation>Stoppuhr starten</translation>
    </message>
    <message>
        <source>Stop the stopwatch</source>
        <translation>Stoppuhr stoppen</translation>
    </message>
    <message>
        <source>Split time</source>
        <translation>Zwischenzeit</translation>
    </message>
    <message>
        <source>Reset the stopwatch</source>
        <translation>Stoppuhr nullstellen</translation>
    </message>
    <message>
        <source>Write the stopwatch reading into the comment</source>
        <translation>Stoppuhr-Stand in den Kommentar schreiben</translation>
    </message>
</context>
</TS>
