<!DOCTYPE html>
<html lang="fr">
<head>
<meta charset="utf-8">
<title>Aide de Nimbrisco - Lancement / Sortie</title>
<style>
body { font-family: sans-serif; max-width: 46em; margin: 2em auto; line-height: 1.5; color: #1b2a41; }
h1 { color: #0d3b66; } h2 { color: #3d5a80; border-bottom: 1px solid #ccd; }
dt { font-weight: bold; margin-top: .6em; } code { background: #eef; padding: 0 .2em; }
</style>
</head>
<body>
<h1>Aide de Nimbrisco - Lancement / Sortie</h1>
<p>La page <b>Run / Exit</b> lance le diaporama, enregistre la configuration et ferme Nimbrisco.
Elle s'ouvre depuis la page Tools avec l'icône <i>Run - Exit</i>.</p>
<h2>Les commandes de la page</h2>
<dl>
<dt>Lancer diaporama</dt>
<dd>Enregistre la configuration et le choix des images, télécharge les images choisies et lance
le diaporama, qui repart ensuite tout seul.</dd>
<dt>Quitter programme</dt>
<dd>Enregistre la configuration et ferme Nimbrisco.</dd>
<dt>Enregistr. configurat.</dt>
<dd>Enregistre les minuteries et le choix sans quitter le panneau (l'icône montre une barre de
progression, sa légende enregistre sans barre).</dd>
<dt>About</dt>
<dd>Ouvre cette page ; la version de Nimbrisco est écrite au-dessus du panneau. Quand une
version plus récente est publiée, la ligne d'état en bas de l'écran devient rouge et la nomme ;
elle reste gris foncé tant que votre version est la plus récente.</dd>
<dt>Aide</dt>
<dd>Ouvre cette page.</dd>
<dt>Your Town</dt>
<dd>Montre le cadre de la ville : ville, province, région, état et pays que remplissent les
pages de prévisions du catalogue.</dd>
<dt>Cleanup Configurat.</dt>
<dd>Tous les fichiers de configuration seront supprimés (utile en cas d'erreurs insolubles) ; le
prochain lancement sera un premier lancement.</dd>
<dt>Intervalle-affichage, Choix des images, Démarrer arrêter (colonne de gauche) et Outils</dt>
<dd>Passent à une autre page du panneau.</dd>
</dl>
</body>
</html>
