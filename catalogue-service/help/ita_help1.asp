<!DOCTYPE html>
<html lang="it">
<head>
<meta charset="utf-8">
<title>Guida di Nimbrisco - Avvio / Uscita</title>
<style>
body { font-family: sans-serif; max-width: 46em; margin: 2em auto; line-height: 1.5; color: #1b2a41; }
h1 { color: #0d3b66; } h2 { color: #3d5a80; border-bottom: 1px solid #ccd; }
dt { font-weight: bold; margin-top: .6em; } code { background: #eef; padding: 0 .2em; }
</style>
</head>
<body>
<h1>Guida di Nimbrisco - Avvio / Uscita</h1>
<p>La pagina <b>Run / Exit</b> avvia lo slide show, salva la configurazione e chiude Nimbrisco.
Si apre dalla pagina Tools con l'icona <i>Run - Exit</i>.</p>
<h2>I comandi della pagina</h2>
<dl>
<dt>Inizia Proiezione</dt>
<dd>Salva la configurazione e la selezione, scarica le immagini selezionate e avvia lo slide
show. L'avvio sarà poi automatico.</dd>
<dt>Termina Programma</dt>
<dd>Salva la configurazione e chiude Nimbrisco.</dd>
<dt>Salva Configur.</dt>
<dd>Salva i tempi e la selezione senza lasciare il pannello (l'icona mostra una barra di
avanzamento, la didascalia salva senza barra).</dd>
<dt>About</dt>
<dd>Apre questa pagina; la versione di Nimbrisco è scritta sopra il pannello. Quando viene
pubblicata una versione più recente, la riga di stato in fondo allo schermo diventa rossa e la
nomina; resta grigio scuro finché la tua versione è la più recente.</dd>
<dt>Help</dt>
<dd>Apre questa pagina.</dd>
<dt>Your Town</dt>
<dd>Mostra il riquadro della città: città, provincia, regione, stato e nazione che le pagine di
previsione del catalogo usano.</dd>
<dt>Reset Configuraz.</dt>
<dd>Azzera la configurazione per ripartire da zero (utile in caso di errori non risolvibili); il
prossimo avvio sarà come il primo.</dd>
<dt>Timer Diapositive, Scelta Immagini, Avvio Termina (colonna a sinistra) e Tools</dt>
<dd>Passano a un'altra pagina del pannello.</dd>
</dl>
</body>
</html>
