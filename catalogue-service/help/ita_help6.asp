<!DOCTYPE html>
<html lang="it">
<head>
<meta charset="utf-8">
<title>Guida di Nimbrisco - Timers</title>
<style>
body { font-family: sans-serif; max-width: 46em; margin: 2em auto; line-height: 1.5; color: #1b2a41; }
h1 { color: #0d3b66; } h2 { color: #3d5a80; border-bottom: 1px solid #ccd; }
dt { font-weight: bold; margin-top: .6em; } code { background: #eef; padding: 0 .2em; }
</style>
</head>
<body>
<h1>Guida di Nimbrisco - Timers</h1>
<p>La pagina <b>Display Timers</b> del pannello di configurazione stabilisce ogni quanto
Nimbrisco scarica di nuovo le immagini e per quanto tempo ogni immagine resta sullo schermo. Si
apre dalla pagina Tools con l'icona <i>Display Timers</i>.</p>
<h2>I comandi della pagina</h2>
<dl>
<dt>Tempo Riconnessione (minuti)</dt>
<dd>Minuti tra due aggiornamenti ONLINE delle immagini selezionate. Fai clic sull'icona o sulla
sua casella e scrivi un numero. Il valore più piccolo accettato è 15: un valore minore, o un
testo che non è un numero, torna a 15 quando la configurazione viene salvata.</dd>
<dt>Timer Diapositive (secondi)</dt>
<dd>Secondi di persistenza di ogni immagine prima della successiva; il minimo è 1 secondo.
Alcune immagini del catalogo chiedono più tempo (le animazioni restano quattro volte di più) o
meno (le immagini di una serie scorrono veloci).</dd>
<dt>Modo Visualizz.</dt>
<dd>Commuta tra <i>Full Screen</i> (ogni immagine riempie lo schermo) e <i>Normal</i> (ogni
immagine è centrata nella sua dimensione reale, ridotta solo se non entra).</dd>
<dt>Help</dt>
<dd>Apre questa pagina.</dd>
<dt>Timer Diapositive, Scelta Immagini, Avvio Termina (colonna a sinistra) e Tools</dt>
<dd>Passano a un'altra pagina del pannello.</dd>
</dl>
<p>La casella in modifica diventa gialla; i nuovi valori valgono dopo il salvataggio della
configurazione o l'avvio dello slide show dalla pagina Run / Exit.</p>
</body>
</html>
