<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_CH">
<context>
    <name></name>
    <message id="1">
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message id="2">
        <source>set-up running</source>
        <translation>Einrichtung läuft</translation>
    </message>
    <message id="3">
        <source>state 3</source>
        <translation>Status 3</translation>
    </message>
    <message id="4">
        <source>state 4</source>
        <translation>Status 4</translation>
    </message>
    <message id="5">
        <source>set up</source>
        <translation>eingerichtet</translation>
    </message>
    <message id="6">
        <source>in progress</source>
        <translation>läuft</translation>
    </message>
    <message id="7">
        <source>state 7</source>
        <translation>Status 7</translation>
    </message>
    <message id="8">
        <source>finished</source>
        <translation>beendet</translation>
    </message>
    <message id="104">
        <source>HAVRIK Coach Tool game</source>
        <translation>HAVRIK Coach Tool Spiel</translation>
    </message>
    <message id="1187">
        <source>Opponents</source>
        <translation>Gegner</translation>
    </message>
    <message id="5000">
        <source>own team</source>
        <translation>eigenes Team</translation>
    </message>
    <message id="5003">
        <source>Context menu 4</source>
        <translation>Kontextmenü 4</translation>
    </message>
    <message id="5004">
        <source>Competition</source>
        <translation>Wettkampf</translation>
    </message>
    <message id="5005">
        <source>Created automatically</source>
        <translation>Automatisch erstellt</translation>
    </message>
    <message id="5006">
        <source>Round robin</source>
        <translation>Vorrunde</translation>
    </message>
    <message id="5007">
        <source>Final</source>
        <translation>Final</translation>
    </message>
    <message id="5008">
        <source>Play-offs</source>
        <translation>Playoffs</translation>
    </message>
    <message id="5010">
        <source>My Team</source>
        <translation>Mein Team</translation>
    </message>
    <message id="5011">
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message id="5012">
        <source>Do you really want to delete "%1"?</source>
        <translation>Soll «%1» wirklich gelöscht werden?</translation>
    </message>
    <message id="5013">
        <source>Session %1</source>
        <translation>Runde %1</translation>
    </message>
    <message id="5014">
        <source>Sheet %1</source>
        <translation>Bahn %1</translation>
    </message>
    <message id="5015">
        <source>Team %1</source>
        <translation>Team %1</translation>
    </message>
    <message id="5022">
        <source>Diagram</source>
        <translation>Diagramm</translation>
    </message>
    <message id="5024">
        <source>End</source>
        <translation>End</translation>
    </message>
    <message id="5025">
        <source>End %1</source>
        <translation>End %1</translation>
    </message>
    <message id="5030">
        <source>The image could not be saved to the file %1.</source>
        <translation>Das Bild konnte nicht in der Datei %1 gespeichert werden.</translation>
    </message>
    <message id="5031">
        <source>Do you want to finish the game?</source>
        <translation>Soll das Spiel beendet werden?</translation>
    </message>
    <message id="5035">
        <source>Game summary – %1</source>
        <translation>Spielbericht – %1</translation>
    </message>
    <message id="5036">
        <source>Game summary – %1</source>
        <translation>Spielbericht – %1</translation>
    </message>
    <message id="5037">
        <source>Game summary – %1</source>
        <translation>Spielbericht – %1</translation>
    </message>
    <message id="5038">
        <source>%1: General remarks</source>
        <translation>%1: Allgemeines</translation>
    </message>
    <message id="5039">
        <source>%1: Strengths</source>
        <translation>%1: Stärken</translation>
    </message>
    <message id="5040">
        <source>%1: Points to improve</source>
        <translation>%1: Verbesserungspunkte</translation>
    </message>
    <message id="5042">
        <source>The game is already in the state "%1". Do you want to change the set-up anyway?</source>
        <translation>Das Spiel hat bereits den Status «%1». Soll die Einrichtung trotzdem geändert werden?</translation>
    </message>
    <message id="5051">
        <source>Which stone colour does %1 play?</source>
        <translation>Welche Steinfarbe spielt %1?</translation>
    </message>
    <message id="5061">
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message id="5062">
        <source>Do you want to mark the current stone as the MIS stone (most important stone)?</source>
        <translation>Soll der aktuelle Stein als MIS-Stein (wichtigster Stein) markiert werden?</translation>
    </message>
    <message id="5063">
        <source>A MIS stone is already set in end %1. Do you want to replace it with the current stone?</source>
        <translation>Im End %1 ist bereits ein MIS-Stein gesetzt. Soll er durch den aktuellen Stein ersetzt werden?</translation>
    </message>
    <message id="5064">
        <source>No MIS stone has been set yet. Please mark the most important stone of the game.</source>
        <translation>Es ist noch kein MIS-Stein gesetzt. Bitte markieren Sie den wichtigsten Stein des Spiels.</translation>
    </message>
    <message id="5066">
        <source>Which player of %1 delivered this stone?</source>
        <translation>Wer von %1 hat diesen Stein gespielt?</translation>
    </message>
    <message id="5068">
        <source>No MIS stone has been set.</source>
        <translation>Es ist kein MIS-Stein gesetzt.</translation>
    </message>
    <message id="5073">
        <source>Statistics (number of stones)</source>
        <translation>Statistik (Anzahl Steine)</translation>
    </message>
    <message id="5074">
        <source>Statistics (percentages)</source>
        <translation>Statistik (Prozent)</translation>
    </message>
    <message id="5075">
        <source>Context menu 1</source>
        <translation>Kontextmenü 1</translation>
    </message>
    <message id="5076">
        <source>Tournament diagram</source>
        <translation>Turnierdiagramm</translation>
    </message>
    <message id="5077">
        <source>Context menu 2</source>
        <translation>Kontextmenü 2</translation>
    </message>
    <message id="5079">
        <source>Context menu 3</source>
        <translation>Kontextmenü 3</translation>
    </message>
    <message id="5081">
        <source>Context menu 5</source>
        <translation>Kontextmenü 5</translation>
    </message>
    <message id="5083">
        <source>By position</source>
        <translation>Nach Position</translation>
    </message>
    <message id="5084">
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="5088">
        <source>All categories, events, teams and players in the registry will be replaced by the default entries. Do you want to reset the registry?</source>
        <translation>Alle Kategorien, Anlässe, Teams und Spieler im Register werden durch die Standardeinträge ersetzt. Soll das Register zurückgesetzt werden?</translation>
    </message>
    <message id="5090">
        <source>The new look has been saved. It will be applied the next time the program starts.</source>
        <translation>Das neue Erscheinungsbild wurde gespeichert. Es wird beim nächsten Programmstart angewendet.</translation>
    </message>
    <message id="5091">
        <source>Result of end %1</source>
        <translation>Resultat End %1</translation>
    </message>
    <message id="5092">
        <source>This stone differs from its stored version. Do you want to keep the change?</source>
        <translation>Dieser Stein weicht von der gespeicherten Fassung ab. Soll die Änderung übernommen werden?</translation>
    </message>
    <message id="5093">
        <source>Do you want to return the game to the set-up state?</source>
        <translation>Soll das Spiel in den Einrichtungszustand zurückgesetzt werden?</translation>
    </message>
    <message id="5094">
        <source>The game has already started. Do you really want to swap the playing direction?</source>
        <translation>Das Spiel hat bereits begonnen. Soll die Spielrichtung wirklich gewechselt werden?</translation>
    </message>
    <message id="5095">
        <source>Sheet %1</source>
        <translation>Bahn %1</translation>
    </message>
    <message id="5096">
        <source>If a team was late, the current end is scored one point for the other team. Do you want to record the current end for a late team?</source>
        <translation>Kam ein Team zu spät, erhält das andere Team für das aktuelle End einen Punkt. Soll das aktuelle End für ein verspätetes Team erfasst werden?</translation>
    </message>
    <message id="5097">
        <source>Do you want to reset the window layout and the toolbars to their defaults?</source>
        <translation>Sollen Fensteranordnung und Symbolleisten auf die Standardwerte zurückgesetzt werden?</translation>
    </message>
    <message id="5098">
        <source>The end was not played out. Do you want to record the remaining stones of this end as not played?</source>
        <translation>Das End wurde nicht zu Ende gespielt. Sollen die restlichen Steine dieses Ends als nicht gespielt erfasst werden?</translation>
    </message>
    <message id="5099">
        <source>The last stone alternates every end, so the team that has just scored also has the last stone in the next end and %1 delivers first. Do you want to accept this?</source>
        <translation>Der letzte Stein wechselt jedes End. Damit hat das Team, das eben gepunktet hat, auch im nächsten End den letzten Stein, und %1 spielt zuerst. Soll das so übernommen werden?</translation>
    </message>
    <message id="5100">
        <source>Through (not counted)</source>
        <translation>Durchs Haus (nicht gezählt)</translation>
    </message>
    <message id="5101">
        <source>Both teams</source>
        <translation>Beide Teams</translation>
    </message>
    <message id="5102">
        <source>Total draws</source>
        <translation>Total Draws</translation>
    </message>
    <message id="5103">
        <source>Clockwise</source>
        <translation>Uhrzeigersinn</translation>
    </message>
    <message id="5104">
        <source>Counter-clockwise</source>
        <translation>Gegenuhrzeigersinn</translation>
    </message>
    <message id="5105">
        <source>Total takeouts</source>
        <translation>Total Takeouts</translation>
    </message>
    <message id="5106">
        <source>Difference to opponent</source>
        <translation>Differenz zum Gegner</translation>
    </message>
    <message id="5107">
        <source>Stone</source>
        <translation>Stein</translation>
    </message>
    <message id="5108">
        <source>The game is linked to the results database. Do you want to change the line-up anyway?</source>
        <translation>Das Spiel ist mit der Resultatdatenbank verknüpft. Soll die Aufstellung trotzdem geändert werden?</translation>
    </message>
    <message id="5109">
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message id="5110">
        <source>The entry is incomplete. Please select the task, the handle and the points.</source>
        <translation>Die Eingabe ist unvollständig. Bitte Aufgabe, Handle und Punkte wählen.</translation>
    </message>
    <message id="5111">
        <source>Do you want to reset the game timer?</source>
        <translation>Soll die Bedenkzeit zurückgesetzt werden?</translation>
    </message>
    <message id="5112">
        <source>Customise...</source>
        <translation>Anpassen...</translation>
    </message>
    <message id="5113">
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message id="5114">
        <source>Stopwatch</source>
        <translation>Stoppuhr</translation>
    </message>
    <message id="5115">
        <source>Game timer</source>
        <translation>Bedenkzeit</translation>
    </message>
    <message id="5116">
        <source>The game is finished and its entries can no longer be changed. Re-open the game to edit them.</source>
        <translation>Das Spiel ist beendet; die Eingaben können nicht mehr geändert werden. Zum Bearbeiten das Spiel wieder eröffnen.</translation>
    </message>
    <message id="5117">
        <source>Game set-up</source>
        <translation>Spiel einrichten</translation>
    </message>
    <message id="5118">
        <source>Page %1 of 3</source>
        <translation>Seite %1 von 3</translation>
    </message>
    <message id="5119">
        <source>Do you really want to change the handle of this stone?</source>
        <translation>Soll das Handle dieses Steins wirklich geändert werden?</translation>
    </message>
    <message id="5120">
        <source>Tag set: %1</source>
        <translation>Markierung gesetzt: %1</translation>
    </message>
    <message id="5121">
        <source>Inside-&gt;out</source>
        <translation>Innen-&gt;aussen</translation>
    </message>
    <message id="5122">
        <source>Outside-&gt;in</source>
        <translation>Aussen-&gt;innen</translation>
    </message>
    <message id="5123">
        <source>Number of tags of this stone: %1. Do you want to remove the last tag?</source>
        <translation>Anzahl Markierungen dieses Steins: %1. Soll die letzte Markierung entfernt werden?</translation>
    </message>
    <message id="5124">
        <source>The current stone has no tags.</source>
        <translation>Der aktuelle Stein hat keine Markierungen.</translation>
    </message>
    <message id="5125">
        <source>The video-analysis application was not found. Do you want to mark the start of the video anyway (dated 5 seconds back)?</source>
        <translation>Die Videoanalyse-Anwendung wurde nicht gefunden. Soll der Videostart trotzdem markiert werden (5 Sekunden zurückdatiert)?</translation>
    </message>
    <message id="5126">
        <source>Do you want to stop the video?</source>
        <translation>Soll das Video gestoppt werden?</translation>
    </message>
    <message id="5127">
        <source>The video-analysis application was not found.</source>
        <translation>Die Videoanalyse-Anwendung wurde nicht gefunden.</translation>
    </message>
    <message id="5128">
        <source>Start video</source>
        <translation>Video starten</translation>
    </message>
    <message id="5129">
        <source>Stop video</source>
        <translation>Video stoppen</translation>
    </message>
    <message id="5130">
        <source>List tags</source>
        <translation>Markierungen anzeigen</translation>
    </message>
    <message id="5131">
        <source>Remove last tag</source>
        <translation>Letzte Markierung entfernen</translation>
    </message>
    <message id="5132">
        <source>Tags of the current stone:

</source>
        <translation>Markierungen des aktuellen Steins:

</translation>
    </message>
    <message id="5133">
        <source>(no tags)</source>
        <translation>(keine Markierungen)</translation>
    </message>
    <message id="5135">
        <source>Changes were confirmed in a list opened from here. Do you want to undo them and restore the previous entries?</source>
        <translation>In einer von hier geöffneten Liste wurden Änderungen bestätigt. Sollen sie rückgängig gemacht und die vorherigen Einträge wiederhergestellt werden?</translation>
    </message>
    <message id="5136">
        <source>Which team is %1 in this game?</source>
        <translation>Welches Team ist %1 in diesem Spiel?</translation>
    </message>
    <message id="5144">
        <source>No game files were added.</source>
        <translation>Es wurden keine Spieldateien hinzugefügt.</translation>
    </message>
    <message id="5146">
        <source>Edit remark</source>
        <translation>Bemerkung bearbeiten</translation>
    </message>
    <message id="5147">
        <source>Edit comment</source>
        <translation>Kommentar bearbeiten</translation>
    </message>
    <message id="5148">
        <source>My Team is normally kept when the registry is reset. Do you want to reset My Team as well?</source>
        <translation>Mein Team bleibt beim Zurücksetzen des Registers normalerweise erhalten. Soll Mein Team ebenfalls zurückgesetzt werden?</translation>
    </message>
    <message id="5149">
        <source>Ends</source>
        <translation>Ends</translation>
    </message>
    <message id="5150">
        <source>End %1</source>
        <translation>End %1</translation>
    </message>
    <message id="5154">
        <source>Stone order</source>
        <translation>Steinreihenfolge</translation>
    </message>
    <message id="5155">
        <source>First stone</source>
        <translation>Erster Stein</translation>
    </message>
    <message id="5156">
        <source>Second stone</source>
        <translation>Zweiter Stein</translation>
    </message>
    <message id="5158">
        <source>Please check the entry before continuing.</source>
        <translation>Bitte prüfen Sie die Eingabe, bevor Sie fortfahren.</translation>
    </message>
    <message id="32021">
        <source>The game is linked to the results database. Please take the result of this end from the database and check it before you confirm it.</source>
        <translation>Das Spiel ist mit der Resultatdatenbank verknüpft. Bitte übernehmen Sie das Resultat dieses Ends aus der Datenbank und prüfen Sie es vor dem Bestätigen.</translation>
    </message>
    <message id="32041">
        <source>Do you want to re-open the finished game?</source>
        <translation>Soll das beendete Spiel wieder eröffnet werden?</translation>
    </message>
    <message id="32045">
        <source>The regular number of ends has not been played yet. Do you really want to finish the game now?</source>
        <translation>Die reguläre Anzahl Ends ist noch nicht gespielt. Soll das Spiel wirklich schon beendet werden?</translation>
    </message>
    <message id="32046">
        <source>The score is tied. Choose No to continue with an extra end. Do you want to finish the game anyway?</source>
        <translation>Der Spielstand ist ausgeglichen. Mit Nein wird ein Zusatzend gespielt. Soll das Spiel trotzdem beendet werden?</translation>
    </message>
    <message id="32112">
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
</context>
</TS>
