<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Nimbrisco help - Display Timers</title>
<style>
body { font-family: sans-serif; max-width: 46em; margin: 2em auto; line-height: 1.5; color: #1b2a41; }
h1 { color: #0d3b66; } h2 { color: #3d5a80; border-bottom: 1px solid #ccd; }
dt { font-weight: bold; margin-top: .6em; } code { background: #eef; padding: 0 .2em; }
</style>
</head>
<body>
<h1>Nimbrisco help - Display Timers</h1>
<p>The <b>Display Timers</b> page of the configuration panel sets how often Nimbrisco downloads
its pictures again and how long each picture stays on the screen. Open it from the Tools page
with the <i>Display Timers</i> icon.</p>
<h2>The controls of this page</h2>
<dl>
<dt>Download Img. Times (minutes)</dt>
<dd>Minutes between two downloads of the selected pictures. Click the icon or its box and type
a number. The smallest value kept is 15: a smaller one is set back to 15 when the configuration
is saved, and a text that is not a number too.</dd>
<dt>Slide Show Img. Timer (seconds)</dt>
<dd>Seconds each picture stays on the screen before the next one. The smallest value kept is 1
second. Some pictures of the catalogue ask for more time (animated loops stay four times as
long) or less (the pictures of a series pass quickly).</dd>
<dt>Display Picture Mode</dt>
<dd>Switches between <i>Full Screen</i> (every picture fills the screen) and <i>Normal</i>
(every picture is centred at its natural size, scaled down only when it does not fit).</dd>
<dt>Help</dt>
<dd>Opens this page.</dd>
<dt>Display Timers, Picture Selection, Run - Exit (left column) and Tools</dt>
<dd>Move to another page of the panel.</dd>
</dl>
<p>The box being edited turns pale yellow; the new values take effect when you save the
configuration or start the slide show from the Run / Exit page.</p>
</body>
</html>
