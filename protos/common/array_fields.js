// v3 turns a flat array of x, y, z numbers into an MFVec3f, i32 an array
// of numbers into an MFInt32: geometry is built in plain arrays and handed
// to the scene in one assignment per field.
function v3(a) {
    var m = new MFVec3f(), n = a.length / 3, i;
    m.length = n;
    for (i = 0; i < n; i++) m[i] = new SFVec3f(a[3 * i], a[3 * i + 1], a[3 * i + 2]);
    return m;
}
function i32(a) {
    var m = new MFInt32(), i;
    m.length = a.length;
    for (i = 0; i < a.length; i++) m[i] = a[i];
    return m;
}
