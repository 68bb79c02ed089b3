<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CH">
<context>
    <name></name>
    <message id="1">
        <source>new</source>
        <translation>nouveau</translation>
    </message>
    <message id="2">
        <source>set-up running</source>
        <translation>configuration en cours</translation>
    </message>
    <message id="3">
        <source>state 3</source>
        <translation>état 3</translation>
    </message>
    <message id="4">
        <source>state 4</source>
        <translation>état 4</translation>
    </message>
    <message id="5">
        <source>set up</source>
        <translation>configuré</translation>
    </message>
    <message id="6">
        <source>in progress</source>
        <translation>en cours</translation>
    </message>
    <message id="7">
        <source>state 7</source>
        <translation>état 7</translation>
    </message>
    <message id="8">
        <source>finished</source>
        <translation>terminé</translation>
    </message>
    <message id="104">
        <source>HAVRIK Coach Tool game</source>
        <translation>Match HAVRIK Coach Tool</translation>
    </message>
    <message id="1187">
        <source>Opponents</source>
        <translation>Adversaires</translation>
    </message>
    <message id="5000">
        <source>own team</source>
        <translation>votre équipe</translation>
    </message>
    <message id="5003">
        <source>Context menu 4</source>
        <translation>Menu contextuel 4</translation>
    </message>
    <message id="5004">
        <source>Competition</source>
        <translation>Compétition</translation>
    </message>
    <message id="5005">
        <source>Created automatically</source>
        <translation>Créé automatiquement</translation>
    </message>
    <message id="5006">
        <source>Round robin</source>
        <translation>Tour préliminaire</translation>
    </message>
    <message id="5007">
        <source>Final</source>
        <translation>Finale</translation>
    </message>
    <message id="5008">
        <source>Play-offs</source>
        <translation>Play-offs</translation>
    </message>
    <message id="5010">
        <source>My Team</source>
        <translation>Mon équipe</translation>
    </message>
    <message id="5011">
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message id="5012">
        <source>Do you really want to delete "%1"?</source>
        <translation>Voulez-vous vraiment supprimer « %1 » ?</translation>
    </message>
    <message id="5013">
        <source>Session %1</source>
        <translation>Session %1</translation>
    </message>
    <message id="5014">
        <source>Sheet %1</source>
        <translation>Piste %1</translation>
    </message>
    <message id="5015">
        <source>Team %1</source>
        <translation>Équipe %1</translation>
    </message>
    <message id="5022">
        <source>Diagram</source>
        <translation>Diagramme</translation>
    </message>
    <message id="5024">
        <source>End</source>
        <translation>Manche</translation>
    </message>
    <message id="5025">
        <source>End %1</source>
        <translation>Manche %1</translation>
    </message>
    <message id="5030">
        <source>The image could not be saved to the file %1.</source>
        <translation>Impossible d'enregistrer l'image dans le fichier %1.</translation>
    </message>
    <message id="5031">
        <source>Do you want to finish the game?</source>
        <translation>Voulez-vous terminer le match ?</translation>
    </message>
    <message id="5035">
        <source>Game summary – %1</source>
        <translation>Résumé du match – %1</translation>
    </message>
    <message id="5036">
        <source>Game summary – %1</source>
        <translation>Résumé du match – %1</translation>
    </message>
    <message id="5037">
        <source>Game summary – %1</source>
        <translation>Résumé du match – %1</translation>
    </message>
    <message id="5038">
        <source>%1: General remarks</source>
        <translation>%1 : Remarques générales</translation>
    </message>
    <message id="5039">
        <source>%1: Strengths</source>
        <translation>%1 : Points forts</translation>
    </message>
    <message id="5040">
        <source>%1: Points to improve</source>
        <translation>%1 : Points à améliorer</translation>
    </message>
    <message id="5042">
        <source>The game is already in the state "%1". Do you want to change the set-up anyway?</source>
        <translation>Le match est déjà dans l'état « %1 ». Voulez-vous quand même modifier la configuration ?</translation>
    </message>
    <message id="5051">
        <source>Which stone colour does %1 play?</source>
        <translation>Quelle couleur de pierres joue %1 ?</translation>
    </message>
    <message id="5061">
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message id="5062">
        <source>Do you want to mark the current stone as the MIS stone (most important stone)?</source>
        <translation>Voulez-vous marquer la pierre actuelle comme pierre MIS (pierre la plus importante) ?</translation>
    </message>
    <message id="5063">
        <source>A MIS stone is already set in end %1. Do you want to replace it with the current stone?</source>
        <translation>Une pierre MIS est déjà définie dans la manche %1. Voulez-vous la remplacer par la pierre actuelle ?</translation>
    </message>
    <message id="5064">
        <source>No MIS stone has been set yet. Please mark the most important stone of the game.</source>
        <translation>Aucune pierre MIS n'a encore été définie. Veuillez marquer la pierre la plus importante du match.</translation>
    </message>
    <message id="5066">
        <source>Which player of %1 delivered this stone?</source>
        <translation>Quel joueur de %1 a joué cette pierre ?</translation>
    </message>
    <message id="5068">
        <source>No MIS stone has been set.</source>
        <translation>Aucune pierre MIS n'est définie.</translation>
    </message>
    <message id="5073">
        <source>Statistics (number of stones)</source>
        <translation>Statistiques (nombre de pierres)</translation>
    </message>
    <message id="5074">
        <source>Statistics (percentages)</source>
        <translation>Statistiques (pourcentages)</translation>
    </message>
    <message id="5075">
        <source>Context menu 1</source>
        <translation>Menu contextuel 1</translation>
    </message>
    <message id="5076">
        <source>Tournament diagram</source>
        <translation>Diagramme du tournoi</translation>
    </message>
    <message id="5077">
        <source>Context menu 2</source>
        <translation>Menu contextuel 2</translation>
    </message>
    <message id="5079">
        <source>Context menu 3</source>
        <translation>Menu contextuel 3</translation>
    </message>
    <message id="5081">
        <source>Context menu 5</source>
        <translation>Menu contextuel 5</translation>
    </message>
    <message id="5083">
        <source>By position</source>
        <translation>Par position</translation>
    </message>
    <message id="5084">
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message id="5088">
        <source>All categories, events, teams and players in the registry will be replaced by the default entries. Do you want to reset the registry?</source>
        <translation>Toutes les catégories, tous les événements, toutes les équipes et tous les joueurs du registre seront remplacés par les entrées par défaut. Voulez-vous réinitialiser le registre ?</translation>
    </message>
    <message id="5090">
        <source>The new look has been saved. It will be applied the next time the program starts.</source>
        <translation>La nouvelle apparence a été enregistrée. Elle sera appliquée au prochain démarrage du programme.</translation>
    </message>
    <message id="5091">
        <source>Result of end %1</source>
        <translation>Résultat de la manche %1</translation>
    </message>
    <message id="5092">
        <source>This stone differs from its stored version. Do you want to keep the change?</source>
        <translation>Cette pierre diffère de la version enregistrée. Voulez-vous conserver la modification ?</translation>
    </message>
    <message id="5093">
        <source>Do you want to return the game to the set-up state?</source>
        <translation>Voulez-vous remettre le match à l'état de configuration ?</translation>
    </message>
    <message id="5094">
        <source>The game has already started. Do you really want to swap the playing direction?</source>
        <translation>Le match a déjà commencé. Voulez-vous vraiment inverser le sens de jeu ?</translation>
    </message>
    <message id="5095">
        <source>Sheet %1</source>
        <translation>Piste %1</translation>
    </message>
    <message id="5096">
        <source>If a team was late, the current end is scored one point for the other team. Do you want to record the current end for a late team?</source>
        <translation>Si une équipe est arrivée en retard, la manche actuelle vaut un point pour l'autre équipe. Voulez-vous enregistrer la manche actuelle pour une équipe en retard ?</translation>
    </message>
    <message id="5097">
        <source>Do you want to reset the window layout and the toolbars to their defaults?</source>
        <translation>Voulez-vous rétablir la disposition par défaut des fenêtres et des barres d'outils ?</translation>
    </message>
    <message id="5098">
        <source>The end was not played out. Do you want to record the remaining stones of this end as not played?</source>
        <translation>La manche n'a pas été jouée jusqu'au bout. Voulez-vous enregistrer les pierres restantes de cette manche comme non jouées ?</translation>
    </message>
    <message id="5099">
        <source>The last stone alternates every end, so the team that has just scored also has the last stone in the next end and %1 delivers first. Do you want to accept this?</source>
        <translation>La dernière pierre alterne à chaque manche : l'équipe qui vient de marquer a aussi la dernière pierre dans la manche suivante et %1 joue en premier. Voulez-vous accepter ?</translation>
    </message>
    <message id="5100">
        <source>Through (not counted)</source>
        <translation>À travers la maison (non compté)</translation>
    </message>
    <message id="5101">
        <source>Both teams</source>
        <translation>Les deux équipes</translation>
    </message>
    <message id="5102">
        <source>Total draws</source>
        <translation>Total placements</translation>
    </message>
    <message id="5103">
        <source>Clockwise</source>
        <translation>À droite</translation>
    </message>
    <message id="5104">
        <source>Counter-clockwise</source>
        <translation>À gauche</translation>
    </message>
    <message id="5105">
        <source>Total takeouts</source>
        <translation>Total sorties</translation>
    </message>
    <message id="5106">
        <source>Difference to opponent</source>
        <translation>Différence par rapport à l'adversaire</translation>
    </message>
    <message id="5107">
        <source>Stone</source>
        <translation>Pierre</translation>
    </message>
    <message id="5108">
        <source>The game is linked to the results database. Do you want to change the line-up anyway?</source>
        <translation>Le match est lié à la base de données des résultats. Voulez-vous quand même modifier la composition de l'équipe ?</translation>
    </message>
    <message id="5109">
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message id="5110">
        <source>The entry is incomplete. Please select the task, the handle and the points.</source>
        <translation>La saisie est incomplète. Veuillez choisir le coup, la rotation et les points.</translation>
    </message>
    <message id="5111">
        <source>Do you want to reset the game timer?</source>
        <translation>Voulez-vous réinitialiser le temps de réflexion ?</translation>
    </message>
    <message id="5112">
        <source>Customise...</source>
        <translation>Personnaliser...</translation>
    </message>
    <message id="5113">
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message id="5114">
        <source>Stopwatch</source>
        <translation>Chronomètre</translation>
    </message>
    <message id="5115">
        <source>Game timer</source>
        <translation>Temps de réflexion</translation>
    </message>
    <message id="5116">
        <source>The game is finished and its entries can no longer be changed. Re-open the game to edit them.</source>
        <translation>Le match est terminé ; les saisies ne peuvent plus être modifiées. Rouvrez le match pour les modifier.</translation>
    </message>
    <message id="5117">
        <source>Game set-up</source>
        <translation>Configuration du match</translation>
    </message>
    <message id="5118">
        <source>Page %1 of 3</source>
        <translation>Page %1 sur 3</translation>
    </message>
    <message id="5119">
        <source>Do you really want to change the handle of this stone?</source>
        <translation>Voulez-vous vraiment modifier la rotation de cette pierre ?</translation>
    </message>
    <message id="5120">
        <source>Tag set: %1</source>
        <translation>Marqueur posé : %1</translation>
    </message>
    <message id="5121">
        <source>Inside-&gt;out</source>
        <translation>Intérieur-&gt;extérieur</translation>
    </message>
    <message id="5122">
        <source>Outside-&gt;in</source>
        <translation>Extérieur-&gt;intérieur</translation>
    </message>
    <message id="5123">
        <source>Number of tags of this stone: %1. Do you want to remove the last tag?</source>
        <translation>Nombre de marqueurs de cette pierre : %1. Voulez-vous supprimer le dernier marqueur ?</translation>
    </message>
    <message id="5124">
        <source>The current stone has no tags.</source>
        <translation>La pierre actuelle n'a aucun marqueur.</translation>
    </message>
    <message id="5125">
        <source>The video-analysis application was not found. Do you want to mark the start of the video anyway (dated 5 seconds back)?</source>
        <translation>L'application d'analyse vidéo est introuvable. Voulez-vous quand même marquer le début de la vidéo (daté de 5 secondes plus tôt) ?</translation>
    </message>
    <message id="5126">
        <source>Do you want to stop the video?</source>
        <translation>Voulez-vous arrêter la vidéo ?</translation>
    </message>
    <message id="5127">
        <source>The video-analysis application was not found.</source>
        <translation>L'application d'analyse vidéo est introuvable.</translation>
    </message>
    <message id="5128">
        <source>Start video</source>
        <translation>Démarrer la vidéo</translation>
    </message>
    <message id="5129">
        <source>Stop video</source>
        <translation>Arrêter la vidéo</translation>
    </message>
    <message id="5130">
        <source>List tags</source>
        <translation>Afficher les marqueurs</translation>
    </message>
    <message id="5131">
        <source>Remove last tag</source>
        <translation>Supprimer le dernier marqueur</translation>
    </message>
    <message id="5132">
        <source>Tags of the current stone:

</source>
        <translation>Marqueurs de la pierre actuelle :

</translation>
    </message>
    <message id="5133">
        <source>(no tags)</source>
        <translation>(aucun marqueur)</translation>
    </message>
    <message id="5135">
        <source>Changes were confirmed in a list opened from here. Do you want to undo them and restore the previous entries?</source>
        <translation>Des modifications ont été confirmées dans une liste ouverte depuis celle-ci. Voulez-vous les annuler et rétablir les entrées précédentes ?</translation>
    </message>
    <message id="5136">
        <source>Which team is %1 in this game?</source>
        <translation>Quelle équipe est %1 dans ce match ?</translation>
    </message>
    <message id="5144">
        <source>No game files were added.</source>
        <translation>Aucun fichier de match n'a été ajouté.</translation>
    </message>
    <message id="5146">
        <source>Edit remark</source>
        <translation>Modifier la remarque</translation>
    </message>
    <message id="5147">
        <source>Edit comment</source>
        <translation>Modifier le commentaire</translation>
    </message>
    <message id="5148">
        <source>My Team is normally kept when the registry is reset. Do you want to reset My Team as well?</source>
        <translation>Mon équipe est normalement conservée lors de la réinitialisation du registre. Voulez-vous aussi réinitialiser Mon équipe ?</translation>
    </message>
    <message id="5149">
        <source>Ends</source>
        <translation>Manches</translation>
    </message>
    <message id="5150">
        <source>End %1</source>
        <translation>Manche %1</translation>
    </message>
    <message id="5154">
        <source>Stone order</source>
        <translation>Ordre des pierres</translation>
    </message>
    <message id="5155">
        <source>First stone</source>
        <translation>Première pierre</translation>
    </message>
    <message id="5156">
        <source>Second stone</source>
        <translation>Deuxième pierre</translation>
    </message>
    <message id="5158">
        <source>Please check the entry before continuing.</source>
        <translation>Veuillez vérifier la saisie avant de continuer.</translation>
    </message>
    <message id="32021">
        <source>The game is linked to the results database. Please take the result of this end from the database and check it before you confirm it.</source>
        <translation>Le match est lié à la base de données des résultats. Veuillez reprendre le résultat de cette manche depuis la base de données et le vérifier avant de le confirmer.</translation>
    </message>
    <message id="32041">
        <source>Do you want to re-open the finished game?</source>
        <translation>Voulez-vous rouvrir le match terminé ?</translation>
    </message>
    <message id="32045">
        <source>The regular number of ends has not been played yet. Do you really want to finish the game now?</source>
        <translation>Le nombre réglementaire de manches n'a pas encore été joué. Voulez-vous vraiment terminer le match maintenant ?</translation>
    </message>
    <message id="32046">
        <source>The score is tied. Choose No to continue with an extra end. Do you want to finish the game anyway?</source>
        <translation>Le score est à égalité. Choisissez Non pour jouer une manche supplémentaire. Voulez-vous quand même terminer le match ?</translation>
    </message>
    <message id="32112">
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
</context>
</TS>
