Rollover Image Map
An HTML page showing the picture with an image map: every button of the project is a
rollover area that shows its highlighted frame under the mouse and its pushed frame
while pressed. Export the images with the same base name and extension.
<#EXTENSION>png
<#SCRIPTSTART>
<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<title><#BGFILE></title>
<style>
  .stage { position: relative; width: <#BGWIDTH>px; height: <#BGHEIGHT>px; }
  .stage img.frame { position: absolute; display: none; pointer-events: none; }
</style>
</head>
<body>
<div class="stage">
<img src="<#BGFILE>" width="<#BGWIDTH>" height="<#BGHEIGHT>" usemap="#buttons" alt="">
<#LOOP>
<img class="frame" id="<#OBJECT>" src="<#FILE1>" data-highlighted="<#FILE1>" data-pushed="<#FILE2>"
     style="left:<#LEFT>px; top:<#TOP>px" width="<#WIDTH>" height="<#HEIGHT>" alt="<#LABEL>">
<#END>
</div>
<map name="buttons">
<#LOOP>
<area shape="rect" coords="<#LEFT>,<#TOP>,<#RIGHT>,<#BOTTOM>" href="#<#OBJECTNUM>" alt="<#LABEL>" title="<#LABEL>"
      onmouseover="show('<#OBJECT>', 'highlighted')" onmouseout="hide('<#OBJECT>')"
      onmousedown="show('<#OBJECT>', 'pushed')" onmouseup="show('<#OBJECT>', 'highlighted')">
<#END>
</map>
<script>
function show(id, state) {
  var img = document.getElementById(id);
  img.src = img.dataset[state];
  img.style.display = 'block';
}
function hide(id) { document.getElementById(id).style.display = 'none'; }
</script>
</body>
</html>
