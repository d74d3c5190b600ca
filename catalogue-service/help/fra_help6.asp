<!DOCTYPE html>
<html lang="fr">
<head>
<meta charset="utf-8">
<title>Aide de Nimbrisco - Minuteries</title>
<style>
body { font-family: sans-serif; max-width: 46em; margin: 2em auto; line-height: 1.5; color: #1b2a41; }
h1 { color: #0d3b66; } h2 { color: #3d5a80; border-bottom: 1px solid #ccd; }
dt { font-weight: bold; margin-top: .6em; } code { background: #eef; padding: 0 .2em; }
</style>
</head>
<body>
<h1>Aide de Nimbrisco - Minuteries</h1>
<p>La page <b>Display Timers</b> du panneau de configuration règle la fréquence à laquelle
Nimbrisco télécharge de nouveau ses images et la durée d'affichage de chaque image. Elle s'ouvre
depuis la page Tools avec l'icône <i>Display Timers</i>.</p>
<h2>Les commandes de la page</h2>
<dl>
<dt>Intervalle connexion (minutes)</dt>
<dd>Minutes entre deux téléchargements des images choisies. Cliquez sur l'icône ou sur sa case
et tapez un nombre. La plus petite valeur gardée est 15 : une valeur plus petite, ou un texte
qui n'est pas un nombre, revient à 15 à l'enregistrement de la configuration.</dd>
<dt>Intervalle d'affichage (secondes)</dt>
<dd>Secondes pendant lesquelles chaque image reste à l'écran ; le minimum est 1 seconde.
Certaines images du catalogue demandent plus de temps (les animations restent quatre fois plus
longtemps) ou moins (les images d'une série passent vite).</dd>
<dt>Mode d'affichage</dt>
<dd>Bascule entre <i>Full Screen</i> (chaque image remplit l'écran) et <i>Normal</i> (chaque
image est centrée à sa taille réelle, réduite seulement si elle ne tient pas).</dd>
<dt>Aide</dt>
<dd>Ouvre cette page.</dd>
<dt>Intervalle-affichage, Choix des images, Démarrer arrêter (colonne de gauche) et Outils</dt>
<dd>Passent à une autre page du panneau.</dd>
</dl>
<p>La case en cours de saisie devient jaune ; les nouvelles valeurs s'appliquent à
l'enregistrement de la configuration ou au lancement du diaporama depuis la page Run / Exit.</p>
</body>
</html>
