<!DOCTYPE html>
<html lang="es">
<head>
<meta charset="utf-8">
<title>Ayuda de Nimbrisco</title>
<style>
body { font-family: sans-serif; max-width: 46em; margin: 2em auto; line-height: 1.5; color: #1b2a41; }
h1 { color: #0d3b66; } h2 { color: #3d5a80; border-bottom: 1px solid #ccd; }
dt { font-weight: bold; margin-top: .6em; } code { background: #eef; padding: 0 .2em; }
</style>
</head>
<body>
<h1>Ayuda de Nimbrisco</h1>
<p>Esta página explica las páginas del panel de configuración de Nimbrisco. El icono <i>Ayudante</i>
de cada página abre esta misma página.</p>
<h2>Temporiz. Imaginas: los temporizadores</h2>
<dl>
<dt>Temporiz. Conexión (minutos)</dt>
<dd>Minutos entre dos descargas de las imágenes elegidas; el valor mínimo es 15.</dd>
<dt>Temporiz. Imaginas (segundos)</dt>
<dd>Segundos que cada imagen permanece en la pantalla; el mínimo es 1 segundo.</dd>
<dt>Modos visualización</dt>
<dd>Cambia entre <i>Full Screen</i> (la imagen llena la pantalla) y <i>Normal</i> (la imagen
centrada en su tamaño real).</dd>
</dl>
<h2>Selección Imágenes</h2>
<dl>
<dt>La lista del catálogo</dt>
<dd>Un clic en una entrada la elige o la quita de la selección; con la casilla de vista previa
marcada se ve su imagen al lado del panel.</dd>
<dt>Imaginas Personale / Eliminar Imm. Pers.</dt>
<dd>Añade una imagen propia a la presentación, entre las imágenes del tiempo (hasta 10 con las
de la carpeta <code>Data/Nimbrisco7_Work/Nimbrisco_SlideShow</code>), o la quita.</dd>
<dt>Backup Colección . / Load_File Colección</dt>
<dd>Guarda la selección como colección en la carpeta
<code>Data/Nimbrisco7_Work/Nimbrisco_Collections</code>, o añade a la selección las entradas de
una colección guardada.</dd>
<dt>Unselect All Pictures</dt>
<dd>Borra toda la selección.</dd>
</dl>
<h2>Inicio Finir: inicio y salida</h2>
<dl>
<dt>Inicia Proyección</dt>
<dd>Guarda la configuración, descarga las imágenes elegidas e inicia la presentación.</dd>
<dt>Concluir programa</dt>
<dd>Guarda la configuración y cierra Nimbrisco.</dd>
<dt>Recordar Impostac.</dt>
<dd>Guarda los temporizadores y la selección sin salir del panel.</dd>
<dt>Detalle</dt>
<dd>Abre esta página. Cuando hay una versión más reciente, la línea de estado al pie de la
pantalla se pone roja y la nombra.</dd>
<dt>Your Town</dt>
<dd>Muestra el cuadro de la ciudad que usan las páginas de previsión.</dd>
<dt>Cancelar configurac.</dt>
<dd>Todos los archivos de configuración serán borrados (útil en caso de errores no
resueltos).</dd>
</dl>
<h2>Utensilio: herramientas</h2>
<p>La página de inicio del panel: abre las otras páginas, la asistencia remota y el cambio de
idioma.</p>
</body>
</html>
