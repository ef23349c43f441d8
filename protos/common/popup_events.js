// The pointer over the markers: nearest(p) and show(i) are the
// collection's own; current is the marker whose panel is shown (-1: none).
function label(i) {
    var t = i < popupText.length ? popupText[i] : '';
    return t != '' ? t : defaultPopupText;
}
// shows the panel of marker i, whose centre is at c and whose size from
// the centre is r
function showPanel(i, c, r) {
    panelCenter = c;
    panelSize = r;
    panelText = label(i);
}
function hidePanel() { current = -1; panelText = ''; }
function pointerAt(p) {
    var i = nearest(p);
    if (i < 0 || i == current) return;
    current = i;
    mouseOverIndex = i;
    show(i);
}
function pointerOver(on) { if (!on) hidePanel(); }
function clicked(t) { if (current >= 0) mouseClickedIndex = current; }
function touchSwitched(on) { if (!on) hidePanel(); }
function set_popupText(v) { popupText = v; if (current >= 0) show(current); }
