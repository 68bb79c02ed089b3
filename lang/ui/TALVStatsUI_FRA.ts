<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About HAVRIK Coach Tool</source>
        <translation>À propos de HAVRIK Coach Tool</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:15pt; font-weight:600&apos;&gt;HAVRIK Coach Tool&lt;/p&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Records every stone of a curling game &amp;mdash; who threw it, the called shot, the rotation, how well it was made and where the stones came to rest &amp;mdash; and turns the records into percentages per player, position, team and shot, diagrams and house drawings. Keeps both teams&apos; thinking time, a stopwatch and time-outs.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:15pt; font-weight:600&apos;&gt;HAVRIK Coach Tool&lt;/p&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Enregistre chaque pierre d&apos;une partie de curling &amp;mdash; qui l&apos;a lancée, le coup annoncé, la rotation, sa réussite et l&apos;endroit où les pierres se sont arrêtées &amp;mdash; et en tire des pourcentages par joueur, position, équipe et coup, des diagrammes et des dessins de la maison. Tient le temps de réflexion des deux équipes, un chronomètre et les temps morts.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CCategoriesBrowser</name>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Edit category</source>
        <translation>Modifier la catégorie</translation>
    </message>
</context>
<context>
    <name>CCategoryDialog</name>
    <message>
        <source>No c&amp;ompetition</source>
        <translation>Aucune c&amp;ompétition</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Catégorie :</translation>
    </message>
    <message>
        <source>Edit &amp;My Team…</source>
        <translation>Modifier &amp;mon équipe…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>&amp;Reset to defaults…</source>
        <translation>&amp;Rétablir les valeurs par défaut…</translation>
    </message>
    <message>
        <source>Competition category</source>
        <translation>Catégorie de compétition</translation>
    </message>
    <message>
        <source>Choose the competition the game belongs to.</source>
        <translation>Choisissez la compétition à laquelle appartient la partie.</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Edit category</source>
        <translation>Modifier la catégorie</translation>
    </message>
</context>
<context>
    <name>CCompetitionDialog</name>
    <message>
        <source>Ask before the last stone &amp;switches</source>
        <translation>Demander avant que la dernière pierre &amp;change de camp</translation>
    </message>
    <message>
        <source>Stone &amp;A position:</source>
        <translation>Position de la pierre &amp;A :</translation>
    </message>
    <message>
        <source>Competition</source>
        <translation>Compétition</translation>
    </message>
    <message>
        <source>Event, session, sheet, place and time of the game.</source>
        <translation>Événement, session, piste, lieu et heure de la partie.</translation>
    </message>
    <message>
        <source>&amp;Event:</source>
        <translation>&amp;Événement :</translation>
    </message>
    <message>
        <source>Se&amp;ssion:</source>
        <translation>Se&amp;ssion :</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>&amp;Piste :</translation>
    </message>
    <message>
        <source>&amp;City:</source>
        <translation>&amp;Ville :</translation>
    </message>
    <message>
        <source>N&amp;umber of ends:</source>
        <translation>N&amp;ombre de manches :</translation>
    </message>
    <message>
        <source>&amp;Date and start:</source>
        <translation>&amp;Date et début :</translation>
    </message>
    <message>
        <source>session</source>
        <translation>session</translation>
    </message>
    <message>
        <source>sheet</source>
        <translation>piste</translation>
    </message>
    <message>
        <source>New %1</source>
        <translation>Nouvelle %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifier la %1</translation>
    </message>
    <message>
        <source>New event</source>
        <translation>Nouvel événement</translation>
    </message>
    <message>
        <source>Edit event</source>
        <translation>Modifier l&apos;événement</translation>
    </message>
</context>
<context>
    <name>CEventsBrowser</name>
    <message>
        <source>New event</source>
        <translation>Nouvel événement</translation>
    </message>
    <message>
        <source>Edit event</source>
        <translation>Modifier l&apos;événement</translation>
    </message>
</context>
<context>
    <name>CGotoDialog</name>
    <message>
        <source>Go to end</source>
        <translation>Aller à la manche</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Manche :</translation>
    </message>
</context>
<context>
    <name>CHandleDialog</name>
    <message>
        <source>Handles of the first colour</source>
        <translation>Poignées de la première couleur</translation>
    </message>
    <message>
        <source>Handles of the second colour</source>
        <translation>Poignées de la deuxième couleur</translation>
    </message>
    <message>
        <source>Stone colours</source>
        <translation>Couleurs des pierres</translation>
    </message>
</context>
<context>
    <name>CLSFEDialog</name>
    <message>
        <source>Last stone in the first end</source>
        <translation>Dernière pierre de la première manche</translation>
    </message>
    <message>
        <source>Which team has the last stone in end 1?</source>
        <translation>Quelle équipe a la dernière pierre dans la manche 1 ?</translation>
    </message>
</context>
<context>
    <name>CLateTeamDialog</name>
    <message>
        <source>Late team</source>
        <translation>Équipe en retard</translation>
    </message>
    <message>
        <source>Which team was late?</source>
        <translation>Quelle équipe était en retard ?</translation>
    </message>
</context>
<context>
    <name>CLineupDialog</name>
    <message>
        <source>The team plays with three players (the second sits out)</source>
        <translation>L&apos;équipe joue à trois (le second ne joue pas)</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Premier</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Troisième</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Quatrième</translation>
    </message>
    <message>
        <source>Alternate</source>
        <translation>Remplaçant</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>&amp;Rename player…</source>
        <translation>&amp;Renommer le joueur…</translation>
    </message>
    <message>
        <source>Rename player</source>
        <translation>Renommer le joueur</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
</context>
<context>
    <name>CLineupWizard</name>
    <message>
        <source>Line-up</source>
        <translation>Composition</translation>
    </message>
</context>
<context>
    <name>CMISDialog</name>
    <message>
        <source>&amp;Go to this stone</source>
        <translation>&amp;Aller à cette pierre</translation>
    </message>
    <message>
        <source>Most important shot</source>
        <translation>Coup le plus important</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texte :</translation>
    </message>
    <message>
        <source>Stone:</source>
        <translation>Pierre :</translation>
    </message>
</context>
<context>
    <name>CMixedDoublesDialog</name>
    <message>
        <source>&amp;Power play</source>
        <translation>&amp;Power play</translation>
    </message>
    <message>
        <source>First thrower</source>
        <translation>Premier lanceur</translation>
    </message>
    <message>
        <source>Thrower</source>
        <translation>Lanceur</translation>
    </message>
    <message>
        <source>Which team delivers first in this end?</source>
        <translation>Quelle équipe lance en premier dans cette manche ?</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>À &amp;gauche</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>À &amp;droite</translation>
    </message>
</context>
<context>
    <name>CNameNoteDialog</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;ote :</translation>
    </message>
</context>
<context>
    <name>CPlayerDialog</name>
    <message>
        <source>Players of team %1</source>
        <translation>Joueurs de l&apos;équipe %1</translation>
    </message>
    <message>
        <source>New player</source>
        <translation>Nouveau joueur</translation>
    </message>
    <message>
        <source>Edit player</source>
        <translation>Modifier le joueur</translation>
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
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;uméro :</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;ote :</translation>
    </message>
</context>
<context>
    <name>CPlayerOrder</name>
    <message>
        <source>Player of this stone</source>
        <translation>Joueur de cette pierre</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Joueur :</translation>
    </message>
</context>
<context>
    <name>CPlayersBrowser</name>
    <message>
        <source>New player</source>
        <translation>Nouveau joueur</translation>
    </message>
    <message>
        <source>Edit player</source>
        <translation>Modifier le joueur</translation>
    </message>
</context>
<context>
    <name>CRegistryListBox</name>
    <message>
        <source>Ne&amp;w…</source>
        <translation>&amp;Nouveau…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Modifier…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>C&amp;lear selection</source>
        <translation>&amp;Effacer la sélection</translation>
    </message>
</context>
<context>
    <name>CResultDialog</name>
    <message>
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
</context>
<context>
    <name>CSetGameTimerDialog</name>
    <message>
        <source>Sa&amp;me time for both teams</source>
        <translation>&amp;Même temps pour les deux équipes</translation>
    </message>
    <message>
        <source>Set game timer</source>
        <translation>Régler le temps de jeu</translation>
    </message>
    <message>
        <source>M&amp;inutes</source>
        <translation>M&amp;inutes</translation>
    </message>
    <message>
        <source>&amp;Seconds</source>
        <translation>&amp;Secondes</translation>
    </message>
</context>
<context>
    <name>CSetupWizard</name>
    <message>
        <source>Game set-up</source>
        <translation>Configuration de la partie</translation>
    </message>
    <message>
        <source>Set up the game</source>
        <translation>Configurer la partie</translation>
    </message>
    <message>
        <source>Describe the game before its first stone.</source>
        <translation>Décrivez la partie avant sa première pierre.</translation>
    </message>
    <message>
        <source>The pages that follow ask for the competition, the two teams and their players, the colour of each team&apos;s stone handles, the team with the last stone in the first end and who records the game.

Every page can be opened alone later from the Game menu.</source>
        <translation>Les pages suivantes demandent la compétition, les deux équipes et leurs joueurs, la couleur des poignées des pierres de chaque équipe, l&apos;équipe qui a la dernière pierre dans la première manche et qui enregistre la partie.

Chaque page peut être rouverte seule plus tard depuis le menu Partie.</translation>
    </message>
    <message>
        <source>The game is set up</source>
        <translation>La partie est configurée</translation>
    </message>
    <message>
        <source>Every page is filled in.</source>
        <translation>Toutes les pages sont remplies.</translation>
    </message>
    <message>
        <source>Press Finish to keep these settings. The shot-entry form is then ready for the first stone.</source>
        <translation>Cliquez sur Terminer pour conserver ces réglages. Le formulaire de saisie est alors prêt pour la première pierre.</translation>
    </message>
</context>
<context>
    <name>CSplash</name>
    <message>
        <source>Curling statistics</source>
        <translation>Statistiques de curling</translation>
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
        <translation>Statisticien</translation>
    </message>
    <message>
        <source>Who records this game?</source>
        <translation>Qui enregistre cette partie ?</translation>
    </message>
    <message>
        <source>&amp;First statistician:</source>
        <translation>&amp;Premier statisticien :</translation>
    </message>
    <message>
        <source>&amp;Second statistician:</source>
        <translation>&amp;Deuxième statisticien :</translation>
    </message>
    <message>
        <source>New statistician</source>
        <translation>Nouveau statisticien</translation>
    </message>
    <message>
        <source>Edit statistician</source>
        <translation>Modifier le statisticien</translation>
    </message>
</context>
<context>
    <name>CSummaryWizard</name>
    <message>
        <source>Game summary</source>
        <translation>Résumé de la partie</translation>
    </message>
    <message>
        <source>Summary of the game</source>
        <translation>Résumé de la partie</translation>
    </message>
    <message>
        <source>What mattered in this game.</source>
        <translation>Ce qui a compté dans cette partie.</translation>
    </message>
    <message>
        <source>Each of the next three pages holds one free text. Finish keeps them with the game; Cancel leaves the game as it was.</source>
        <translation>Chacune des trois pages suivantes contient un texte libre. Terminer les conserve avec la partie ; Annuler laisse la partie telle qu&apos;elle était.</translation>
    </message>
    <message>
        <source>Summary complete</source>
        <translation>Résumé terminé</translation>
    </message>
    <message>
        <source>All three texts are written.</source>
        <translation>Les trois textes sont rédigés.</translation>
    </message>
    <message>
        <source>Press Finish to keep the three texts with the game.</source>
        <translation>Cliquez sur Terminer pour conserver les trois textes avec la partie.</translation>
    </message>
</context>
<context>
    <name>CTALVGraphicsVIEW</name>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Choose colour…</source>
        <translation>Choisir la couleur…</translation>
    </message>
    <message>
        <source>Reset colours</source>
        <translation>Rétablir les couleurs</translation>
    </message>
    <message>
        <source>Swap ring colours</source>
        <translation>Permuter les couleurs des cercles</translation>
    </message>
    <message>
        <source>Out of play</source>
        <translation>Hors jeu</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Ramasser</translation>
    </message>
    <message>
        <source>Go to its delivery</source>
        <translation>Aller à son lancer</translation>
    </message>
    <message>
        <source>Go back to the shot that last moved it</source>
        <translation>Revenir au coup qui l&apos;a déplacée en dernier</translation>
    </message>
    <message>
        <source>Show broom</source>
        <translation>Afficher le balai</translation>
    </message>
    <message>
        <source>Show target</source>
        <translation>Afficher la cible</translation>
    </message>
    <message>
        <source>Save image…</source>
        <translation>Enregistrer l&apos;image…</translation>
    </message>
</context>
<context>
    <name>CTeamDialog</name>
    <message>
        <source>My Team plays in the &amp;second place</source>
        <translation>Mon équipe joue en &amp;deuxième position</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Équipes</translation>
    </message>
    <message>
        <source>The two teams of the game and their codes.</source>
        <translation>Les deux équipes de la partie et leurs codes.</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Team &amp;%1:</source>
        <translation>Équipe &amp;%1 :</translation>
    </message>
    <message>
        <source>New team</source>
        <translation>Nouvelle équipe</translation>
    </message>
    <message>
        <source>Edit team</source>
        <translation>Modifier l&apos;équipe</translation>
    </message>
</context>
<context>
    <name>CTeamEntryDialog</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code :</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;ote :</translation>
    </message>
</context>
<context>
    <name>CTeamsBrowser</name>
    <message>
        <source>New team</source>
        <translation>Nouvelle équipe</translation>
    </message>
    <message>
        <source>Edit team</source>
        <translation>Modifier l&apos;équipe</translation>
    </message>
    <message>
        <source>Edit My Team</source>
        <translation>Modifier mon équipe</translation>
    </message>
</context>
<context>
    <name>CTimeoutDialog</name>
    <message>
        <source>Time-out</source>
        <translation>Temps mort</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texte :</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Équipe :</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Manche :</translation>
    </message>
    <message>
        <source>Stone:</source>
        <translation>Pierre :</translation>
    </message>
</context>
<context>
    <name>CTypesDialog</name>
    <message>
        <source>&amp;Add to the list</source>
        <translation>&amp;Ajouter à la liste</translation>
    </message>
</context>
<context>
    <name>CWizardEndMainDialog</name>
    <message>
        <source>A free text that stays with the game.</source>
        <translation>Un texte libre conservé avec la partie.</translation>
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
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;New category…</source>
        <translation>&amp;Nouvelle catégorie…</translation>
    </message>
    <message>
        <source>&amp;Delete category…</source>
        <translation>&amp;Supprimer la catégorie…</translation>
    </message>
    <message>
        <source>Edit &amp;My Team…</source>
        <translation>Modifier &amp;mon équipe…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exporter…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>The user guide could not be opened:
%1</source>
        <translation>Le guide de l&apos;utilisateur n&apos;a pas pu être ouvert :
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Previous stone</source>
        <translation>Pierre &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;First stone of the game</source>
        <translation>P&amp;remière pierre de la partie</translation>
    </message>
    <message>
        <source>&amp;Go to end…</source>
        <translation>&amp;Aller à la manche…</translation>
    </message>
    <message>
        <source>&amp;Move stone</source>
        <translation>&amp;Déplacer la pierre</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Vers le &amp;haut</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Vers le &amp;bas</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>Vers la &amp;gauche</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>Vers la &amp;droite</translation>
    </message>
    <message>
        <source>&amp;Set most important shot</source>
        <translation>Définir le &amp;coup le plus important</translation>
    </message>
    <message>
        <source>S&amp;how most important shot…</source>
        <translation>Affic&amp;her le coup le plus important…</translation>
    </message>
    <message>
        <source>Go to most &amp;important shot</source>
        <translation>Aller au coup le plus &amp;important</translation>
    </message>
    <message>
        <source>Remove last &amp;tag</source>
        <translation>Supprimer la dernière &amp;marque</translation>
    </message>
    <message>
        <source>&amp;Clear pending correction</source>
        <translation>&amp;Effacer la correction en attente</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Set up game…</source>
        <translation>Con&amp;figurer la partie…</translation>
    </message>
    <message>
        <source>Set-up pa&amp;ges</source>
        <translation>&amp;Pages de configuration</translation>
    </message>
    <message>
        <source>&amp;Category…</source>
        <translation>&amp;Catégorie…</translation>
    </message>
    <message>
        <source>C&amp;ompetition…</source>
        <translation>C&amp;ompétition…</translation>
    </message>
    <message>
        <source>&amp;Teams…</source>
        <translation>É&amp;quipes…</translation>
    </message>
    <message>
        <source>&amp;Players…</source>
        <translation>&amp;Joueurs…</translation>
    </message>
    <message>
        <source>Stone co&amp;lours…</source>
        <translation>Co&amp;uleurs des pierres…</translation>
    </message>
    <message>
        <source>Last stone in the &amp;first end…</source>
        <translation>Dernière pierre de la &amp;première manche…</translation>
    </message>
    <message>
        <source>&amp;Statistician…</source>
        <translation>&amp;Statisticien…</translation>
    </message>
    <message>
        <source>Back to set-&amp;up…</source>
        <translation>&amp;Retour à la configuration…</translation>
    </message>
    <message>
        <source>&amp;Line-up…</source>
        <translation>C&amp;omposition…</translation>
    </message>
    <message>
        <source>Change line-up &amp;during the game…</source>
        <translation>Changer la composition pendant la parti&amp;e…</translation>
    </message>
    <message>
        <source>&amp;Player of this stone…</source>
        <translation>&amp;Joueur de cette pierre…</translation>
    </message>
    <message>
        <source>&amp;End not played out…</source>
        <translation>Manche &amp;non jouée jusqu&apos;au bout…</translation>
    </message>
    <message>
        <source>L&amp;ate team…</source>
        <translation>É&amp;quipe en retard…</translation>
    </message>
    <message>
        <source>&amp;Correct previous end…</source>
        <translation>Corriger la manc&amp;he précédente…</translation>
    </message>
    <message>
        <source>Choose first &amp;thrower…</source>
        <translation>Choisir le premier &amp;lanceur…</translation>
    </message>
    <message>
        <source>Mixed doubles: thrower &amp;assignment…</source>
        <translation>Double mixte : &amp;attribution des lanceurs…</translation>
    </message>
    <message>
        <source>Power play &amp;left</source>
        <translation>Power play à &amp;gauche</translation>
    </message>
    <message>
        <source>Power play &amp;right</source>
        <translation>Power play à &amp;droite</translation>
    </message>
    <message>
        <source>T&amp;ime-out…</source>
        <translation>&amp;Temps mort…</translation>
    </message>
    <message>
        <source>&amp;Quick statistics</source>
        <translation>&amp;Statistiques rapides</translation>
    </message>
    <message>
        <source>&amp;Finish or re-open game</source>
        <translation>Terminer ou ro&amp;uvrir la partie</translation>
    </message>
    <message>
        <source>Summar&amp;y…</source>
        <translation>R&amp;ésumé…</translation>
    </message>
    <message>
        <source>Switch database link &amp;off</source>
        <translation>Désacti&amp;ver le lien avec la base de données</translation>
    </message>
    <message>
        <source>&amp;Timing</source>
        <translation>C&amp;hronométrage</translation>
    </message>
    <message>
        <source>Start clock of team &amp;1</source>
        <translation>Démarrer l&apos;horloge de l&apos;équipe &amp;1</translation>
    </message>
    <message>
        <source>Start clock of team &amp;2</source>
        <translation>Démarrer l&apos;horloge de l&apos;équipe &amp;2</translation>
    </message>
    <message>
        <source>&amp;Stop clocks</source>
        <translation>&amp;Arrêter les horloges</translation>
    </message>
    <message>
        <source>Game timer &amp;display</source>
        <translation>A&amp;ffichage du temps de jeu</translation>
    </message>
    <message>
        <source>&amp;Used time</source>
        <translation>Temps &amp;utilisé</translation>
    </message>
    <message>
        <source>&amp;Deviation from plan</source>
        <translation>É&amp;cart par rapport au plan</translation>
    </message>
    <message>
        <source>&amp;Remaining time</source>
        <translation>Temps &amp;restant</translation>
    </message>
    <message>
        <source>&amp;Times to comment</source>
        <translation>&amp;Temps dans le commentaire</translation>
    </message>
    <message>
        <source>S&amp;et game timer…</source>
        <translation>&amp;Régler le temps de jeu…</translation>
    </message>
    <message>
        <source>&amp;Reset game timer…</source>
        <translation>Réinitialiser le temps de &amp;jeu…</translation>
    </message>
    <message>
        <source>Stopwatch st&amp;art</source>
        <translation>Démarrer le &amp;chronomètre</translation>
    </message>
    <message>
        <source>Stopwatch st&amp;op</source>
        <translation>Arrêter le chr&amp;onomètre</translation>
    </message>
    <message>
        <source>Stopwatch s&amp;plit</source>
        <translation>Temps &amp;intermédiaire du chronomètre</translation>
    </message>
    <message>
        <source>Stopwatch to &amp;comment</source>
        <translation>Chronomètre dans le co&amp;mmentaire</translation>
    </message>
    <message>
        <source>Stopwatch rese&amp;t</source>
        <translation>Remettre le chronomètre à &amp;zéro</translation>
    </message>
    <message>
        <source>Stopwatch &amp;mode</source>
        <translation>Mod&amp;e du chronomètre</translation>
    </message>
    <message>
        <source>&amp;Start and stop</source>
        <translation>&amp;Démarrage et arrêt</translation>
    </message>
    <message>
        <source>S&amp;plit times</source>
        <translation>Temps &amp;intermédiaires</translation>
    </message>
    <message>
        <source>&amp;Game timer bar</source>
        <translation>Barre du &amp;temps de jeu</translation>
    </message>
    <message>
        <source>Stop&amp;watch bar</source>
        <translation>Barre du &amp;chronomètre</translation>
    </message>
    <message>
        <source>G&amp;uidelines</source>
        <translation>&amp;Directives</translation>
    </message>
    <message>
        <source>&amp;Advanced handle options</source>
        <translation>Options de &amp;poignée avancées</translation>
    </message>
    <message>
        <source>&amp;Position recording</source>
        <translation>Enregistrement des pos&amp;itions</translation>
    </message>
    <message>
        <source>Swap playing &amp;direction</source>
        <translation>Inverser le &amp;sens de jeu</translation>
    </message>
    <message>
        <source>&amp;Second house view</source>
        <translation>Deu&amp;xième vue de la maison</translation>
    </message>
    <message>
        <source>Save &amp;tags</source>
        <translation>Enregistrer les &amp;marques</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open a saved game or a CIS file</source>
        <translation>Ouvrir une partie enregistrée ou un fichier CIS</translation>
    </message>
    <message>
        <source>Open game</source>
        <translation>Ouvrir une partie</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the active game</source>
        <translation>Enregistrer la partie active</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Save the active game under another name</source>
        <translation>Enregistrer la partie active sous un autre nom</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close the active game</source>
        <translation>Fermer la partie active</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Close all games and end the program</source>
        <translation>Fermer toutes les parties et quitter le programme</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Recent games</source>
        <translation>Parties &amp;récentes</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Aff&amp;ichage</translation>
    </message>
    <message>
        <source>&amp;Toolbars</source>
        <translation>&amp;Barres d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Fit panes</source>
        <translation>A&amp;juster les volets</translation>
    </message>
    <message>
        <source>Application &amp;look</source>
        <translation>Apparence de l&apos;&amp;application</translation>
    </message>
    <message>
        <source>Use the %1 look</source>
        <translation>Utiliser l&apos;apparence %1</translation>
    </message>
    <message>
        <source>Look-styled &amp;buttons</source>
        <translation>B&amp;outons selon l&apos;apparence</translation>
    </message>
    <message>
        <source>Draw the form&apos;s buttons in the application look</source>
        <translation>Dessiner les boutons du formulaire avec l&apos;apparence de l&apos;application</translation>
    </message>
    <message>
        <source>&amp;Reset window layout…</source>
        <translation>&amp;Rétablir la disposition des fenêtres…</translation>
    </message>
    <message>
        <source>Put the toolbars back in their places and return to the Blue look</source>
        <translation>Remettre les barres d&apos;outils à leur place et revenir à l&apos;apparence Blue</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Ouvrir le guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Check for &amp;updates</source>
        <translation>Rechercher des &amp;mises à jour</translation>
    </message>
    <message>
        <source>Open the maker&apos;s update page in the browser</source>
        <translation>Ouvrir la page de mises à jour de l&apos;éditeur dans le navigateur</translation>
    </message>
    <message>
        <source>&amp;About HAVRIK Coach Tool</source>
        <translation>À &amp;propos de HAVRIK Coach Tool</translation>
    </message>
    <message>
        <source>Program name and version</source>
        <translation>Nom et version du programme</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Chronomètre</translation>
    </message>
    <message>
        <source>Game timer</source>
        <translation>Temps de jeu</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaïque</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>&amp;Next window</source>
        <translation>Fenêtre &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Previous window</source>
        <translation>Fenêtre &amp;précédente</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>TimerBars</name>
    <message>
        <source>Stop both clocks</source>
        <translation>Arrêter les deux horloges</translation>
    </message>
    <message>
        <source>Start the clock of team %1</source>
        <translation>Démarrer l&apos;horloge de l&apos;équipe %1</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Chronomètre</translation>
    </message>
    <message>
        <source>Start the stopwatch</source>
        <translation>Démarrer le chronomètre</translation>
    </message>
    <message>
        <source>Stop the stopwatch</source>
        <translation>Arrêter le chronomètre</translation>
    </message>
    <message>
        <source>Split time</source>
        <translation>Temps intermédiaire</translation>
    </message>
    <message>
        <source>Reset the stopwatch</source>
        <translation>Remettre le chronomètre à zéro</translation>
    </message>
    <message>
        <source>Write the stopwatch reading into the comment</source>
        <translation>Écrire la valeur du chronomètre dans le commentaire</translation>
    </message>
</context>
</TS>
