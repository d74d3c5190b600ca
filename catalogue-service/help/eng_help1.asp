<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Nimbrisco help - Run / Exit</title>
<style>
body { font-family: sans-serif; max-width: 46em; margin: 2em auto; line-height: 1.5; color: #1b2a41; }
h1 { color: #0d3b66; } h2 { color: #3d5a80; border-bottom: 1px solid #ccd; }
dt { font-weight: bold; margin-top: .6em; } code { background: #eef; padding: 0 .2em; }
</style>
</head>
<body>
<h1>Nimbrisco help - Run / Exit</h1>
<p>The <b>Run / Exit</b> page starts the slide show, saves the configuration and ends Nimbrisco.
Open it from the Tools page with the <i>Run - Exit</i> icon.</p>
<h2>The controls of this page</h2>
<dl>
<dt>Start Slide Show</dt>
<dd>Saves the configuration and the selection, downloads the selected pictures and starts the
slide show. From then on Nimbrisco runs by itself, also after a restart of the computer.</dd>
<dt>Quit Program</dt>
<dd>Saves the configuration and ends Nimbrisco.</dd>
<dt>Save Configur.</dt>
<dd>Saves the timers and the selection without leaving the panel (the icon shows a progress
bar, its caption saves silently).</dd>
<dt>About</dt>
<dd>Opens this page: the version of Nimbrisco is shown above the panel. When the maker publishes
a newer version, the status line at the bottom of the screen turns red and names it; it is dark
grey while your version is the newest.</dd>
<dt>Help</dt>
<dd>Opens this page.</dd>
<dt>Your Town</dt>
<dd>Shows the town frame: the town, province, region, state and country that the forecast pages
of the catalogue fill in.</dd>
<dt>Cleanup Config.</dt>
<dd>Deletes every configuration file, useful in case of errors that cannot be solved otherwise;
the next start is then a first start.</dd>
<dt>Display Timers, Picture Selection, Run - Exit (left column) and Tools</dt>
<dd>Move to another page of the panel.</dd>
</dl>
</body>
</html>
