CSS Sprite Buttons
An HTML page whose buttons are links cut out of the background picture as a CSS
sprite; under the mouse a link shows its highlighted frame, while pressed its pushed
frame. Export the images with the same base name and extension.
<#EXTENSION>png
<#SCRIPTSTART>
<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<title><#BGFILE></title>
<style>
  .stage { position: relative; width: <#BGWIDTH>px; height: <#BGHEIGHT>px;
           background: url("<#BGFILE>") no-repeat; }
  .stage a { position: absolute; display: block; background-image: url("<#BGFILE>");
             background-repeat: no-repeat; }
<#LOOP>
  #<#OBJECT> { left: <#LEFT>px; top: <#TOP>px; width: <#WIDTH>px; height: <#HEIGHT>px;
             background-position: -<#LEFT>px -<#TOP>px; }
  #<#OBJECT>:hover { background: url("<#FILE1>") 0 0 no-repeat; }
  #<#OBJECT>:active { background: url("<#FILE2>") 0 0 no-repeat; }
<#END>
</style>
</head>
<body>
<div class="stage">
<#LOOP>
<a id="<#OBJECT>" href="#<#OBJECTNUM>" title="<#LABEL>"></a>
<#END>
</div>
</body>
</html>
