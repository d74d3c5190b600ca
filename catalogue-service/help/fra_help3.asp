<!DOCTYPE html>
<html lang="fr">
<head>
<meta charset="utf-8">
<title>Aide de Nimbrisco - Choix des images</title>
<style>
body { font-family: sans-serif; max-width: 46em; margin: 2em auto; line-height: 1.5; color: #1b2a41; }
h1 { color: #0d3b66; } h2 { color: #3d5a80; border-bottom: 1px solid #ccd; }
dt { font-weight: bold; margin-top: .6em; } code { background: #eef; padding: 0 .2em; }
</style>
</head>
<body>
<h1>Aide de Nimbrisco - Choix des images</h1>
<p>La page <b>Picture Selection</b> liste toutes les images du catalogue. Choisissez celles que
le diaporama doit montrer : images satellite, cartes météo, boucles radar, pages de prévisions
pour votre ville. Elle s'ouvre depuis la page Tools avec l'icône <i>Pictures Selection</i>.</p>
<h2>Les commandes de la page</h2>
<dl>
<dt>La liste du catalogue</dt>
<dd>Un clic sur une entrée la choisit ou la retire du choix ; plusieurs entrées peuvent être
choisies. Le choix est gardé dans le dossier de travail à l'enregistrement ou au lancement du
diaporama.</dd>
<dt>Case de l'aperçu</dt>
<dd>Quand elle est cochée, un clic sur une entrée montre son image à côté du panneau, avec sa
description en dessous.</dd>
<dt>Ajout Image personnali.</dt>
<dd>Ajoute au diaporama une image à vous (JPEG, GIF, PNG ou BMP), entre les images météo, par
exemple une publicité. Jusqu'à dix images à vous sont montrées : celle choisie ici et celles du
dossier <code>Data/Nimbrisco7_Work/Nimbrisco_SlideShow</code>.</dd>
<dt>Enlever Image pers.</dt>
<dd>Retire votre image du diaporama.</dd>
<dt>Backup Collection</dt>
<dd>Enregistre le choix comme collection : un fichier XML et une copie du choix dans le dossier
<code>Data/Nimbrisco7_Work/Nimbrisco_Collections</code>, avec la date et l'heure dans le nom.</dd>
<dt>Load_File Collection</dt>
<dd>Restaure un fichier de collection : ses entrées s'ajoutent au choix en cours.</dd>
<dt>Unselect All Pictures</dt>
<dd>Efface tout le choix.</dd>
<dt>Aide</dt>
<dd>Ouvre cette page.</dd>
<dt>Outils</dt>
<dd>Retour à la page Tools.</dd>
</dl>
<p>Quand de nouvelles collections sont publiées, Nimbrisco vous demande, à l'ouverture du
panneau, s'il faut les installer dans le dossier des collections ; elles sont alors prêtes pour
<i>Load_File Collection</i>.</p>
</body>
</html>
