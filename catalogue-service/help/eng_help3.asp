<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Nimbrisco help - Picture Selection</title>
<style>
body { font-family: sans-serif; max-width: 46em; margin: 2em auto; line-height: 1.5; color: #1b2a41; }
h1 { color: #0d3b66; } h2 { color: #3d5a80; border-bottom: 1px solid #ccd; }
dt { font-weight: bold; margin-top: .6em; } code { background: #eef; padding: 0 .2em; }
</style>
</head>
<body>
<h1>Nimbrisco help - Picture Selection</h1>
<p>The <b>Picture Selection</b> page lists every picture of the catalogue. Select the ones the
slide show is to show: satellite pictures, weather maps, radar loops, forecast pages for your
town. Open it from the Tools page with the <i>Pictures Selection</i> icon.</p>
<h2>The controls of this page</h2>
<dl>
<dt>The catalogue list</dt>
<dd>Click an entry to select it or to take it out of the selection; several entries may be
selected. The selection is kept in the work folder when you save or start the slide show.</dd>
<dt>Preview check box</dt>
<dd>While it is ticked, a click on an entry shows its picture beside the panel, with its
description under it.</dd>
<dt>Add Owner Image</dt>
<dd>Adds a picture of your own (JPEG, GIF, PNG or BMP) to the slide show, between the weather
pictures, for example an advertisement. Up to ten own pictures are shown: the one chosen here
and the pictures of the folder <code>Data/Nimbrisco7_Work/Nimbrisco_SlideShow</code>.</dd>
<dt>Remove Own. Img.</dt>
<dd>Takes your own picture out of the slide show.</dd>
<dt>Backup Collection</dt>
<dd>Saves the current selection as a collection: an XML file and a copy of the selection in the
collections folder <code>Data/Nimbrisco7_Work/Nimbrisco_Collections</code>, named after the date
and time.</dd>
<dt>Load_File Collection</dt>
<dd>Restores a collection file: its entries are added to the current selection.</dd>
<dt>Unselect All Pictures</dt>
<dd>Clears the whole selection.</dd>
<dt>Help</dt>
<dd>Opens this page.</dd>
<dt>Tools</dt>
<dd>Back to the Tools page.</dd>
</dl>
<p>When the maker publishes new collections, Nimbrisco asks you, when the panel opens, whether
to install them into the collections folder; they are then ready for <i>Load_File Collection</i>.</p>
</body>
</html>
