<!DOCTYPE html>
<html lang="it">
<head>
<meta charset="utf-8">
<title>Guida di Nimbrisco - Selezione immagini</title>
<style>
body { font-family: sans-serif; max-width: 46em; margin: 2em auto; line-height: 1.5; color: #1b2a41; }
h1 { color: #0d3b66; } h2 { color: #3d5a80; border-bottom: 1px solid #ccd; }
dt { font-weight: bold; margin-top: .6em; } code { background: #eef; padding: 0 .2em; }
</style>
</head>
<body>
<h1>Guida di Nimbrisco - Selezione immagini</h1>
<p>La pagina <b>Picture Selection</b> elenca tutte le immagini del catalogo (il DATABASE).
Seleziona quelle che lo slide show deve mostrare: immagini da satellite, mappe meteo, animazioni
radar, pagine di previsioni per la tua città. Si apre dalla pagina Tools con l'icona
<i>Pictures Selection</i>.</p>
<h2>I comandi della pagina</h2>
<dl>
<dt>L'elenco del catalogo</dt>
<dd>Un clic su una voce la seleziona o la toglie dalla selezione; si possono selezionare più
voci. La selezione viene salvata nella cartella di lavoro al salvataggio o all'avvio dello slide
show.</dd>
<dt>Casella dell'anteprima</dt>
<dd>Se è spuntata, un clic su una voce mostra la sua immagine accanto al pannello, con la
descrizione sotto.</dd>
<dt>Immagi. Personale</dt>
<dd>Aggiunge allo slide show un'immagine propria (JPEG, GIF, PNG o BMP), intercalata alle
immagini meteo, per esempio una pubblicità. Si mostrano fino a 10 immagini proprie: quella
scelta qui e quelle della cartella <code>Data/Nimbrisco7_Work/Nimbrisco_SlideShow</code>.</dd>
<dt>Elimina Imm. Pers.</dt>
<dd>Elimina dallo slide show la tua immagine personale.</dd>
<dt>Salva Collection</dt>
<dd>Salva la selezione come collection: un file XML e una copia della selezione nella cartella
<code>Data/Nimbrisco7_Work/Nimbrisco_Collections</code>, con data e ora nel nome.</dd>
<dt>Carica Collection</dt>
<dd>Ripristina un file di collection: le sue voci si aggiungono alla selezione.</dd>
<dt>Deseleziona Tutte Immagini</dt>
<dd>Elimina tutte le immagini selezionate.</dd>
<dt>Help</dt>
<dd>Apre questa pagina.</dd>
<dt>Tools</dt>
<dd>Torna alla pagina Tools.</dd>
</dl>
<p>Quando vengono pubblicate nuove collections, all'apertura del pannello Nimbrisco chiede se
installarle nella cartella delle collections; sono poi pronte per <i>Carica Collection</i>.</p>
</body>
</html>
