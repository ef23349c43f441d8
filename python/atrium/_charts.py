"""One function per chart kind: data in the user's own units (NumPy arrays, lists, pandas
objects), the chart's options as keyword arguments, a Chart back."""
import numpy as np

from . import _atrium, _data
from ._show import Chart

# The keyword arguments every chart takes, and the chart option each one sets.
OPTIONS = {
    "title": "title", "x_title": "x_title", "y_title": "y_title", "z_title": "z_title",
    "colors": "colours", "y_min": "y_min", "y_max": "y_max", "value_format": "value_format",
    "width": "width", "height": "height", "depth": "depth", "background": "background",
    "popups": "popups", "legend": "legend",
}


def _options(kind, given):
    options = _atrium.ChartOptions()
    for name, value in given.items():
        if name not in OPTIONS:
            raise TypeError(f"{kind}() got an unexpected keyword argument {name!r}")
        if value is not None:
            setattr(options, OPTIONS[name], list(value) if name == "colors" else value)
    return options


def _category(kind, data, categories, names, options):
    labels, series = _data.category_series(data, categories, names)
    return Chart(_atrium._category_chart(kind, labels, series, _options(kind, options)))


def column(data, categories=None, *, names=None, **options):
    """Columns: one row of columns per series, categories along X.

    data: a DataFrame (index: categories, columns: series), a mapping of series name to values,
    or an array with one row per category and one column per series (names= names them)."""
    return _category("column", data, categories, names, options)


def area(data, categories=None, *, names=None, **options):
    """Filled areas, one row per series; data as for column()."""
    return _category("area", data, categories, names, options)


def ribbon(data, categories=None, *, names=None, **options):
    """Ribbons, one row per series; data as for column()."""
    return _category("ribbon", data, categories, names, options)


def surface(z, x=None, y=None, *, name="Surface", **options):
    """Height surfaces: z[i, j] is the height over (x[j], y[i]); x runs across, y into the depth.
    z may also be a mapping of surface name to such a matrix, all over the same x and y."""
    surfaces = _data.named("z", z, name)
    rows, columns = _data.array(surfaces[0][2], surfaces[0][1], 2).shape
    xs = _data.vector("x", x, columns) if x is not None else list(range(1, columns + 1))
    ys = _data.vector("y", y, rows) if y is not None else list(range(1, rows + 1))
    grids = [(n, *_data.grid(arg, values, len(ys), len(xs))) for n, values, arg in surfaces]
    return Chart(_atrium._surface_chart(xs, ys, grids, _options("surface", options)))


def scatter(x, y, z, *, size=None, color=None, group=None, frame=None, frame_labels=None, **options):
    """Points at (x, y, z), y upwards. size: marker sizes relative to the default; color: one
    colour per point (0xRRGGBB or "#RRGGBB"); group: a group name per point (a colour and a legend
    entry each); frame: a frame number per point (0, 1, ...), stepped through with a slider."""
    points = _atrium._ScatterData()
    points.x = _data.vector("x", x)
    count = len(points.x)
    points.y = _data.vector("y", y, count)
    points.z = _data.vector("z", z, count)
    points.size = _data.optional_vector("size", size, count)
    points.colour = [] if color is None else list(color)
    if points.colour and len(points.colour) != count:
        raise _data.argument_error(f"color has {len(points.colour)} entries where {count} are needed")
    points.group = _data.texts("group", group, count)
    points.frame = [] if frame is None else [int(f) for f in _data.vector("frame", frame, count)]
    points.frame_labels = _data.texts("frame_labels", frame_labels)
    return Chart(_atrium._scatter_chart(points, _options("scatter", options)))


def pie(values, labels=None, **options):
    """Slices sized by their share of the total. values: numbers (labels= names them), a mapping of
    label to value, or a pandas Series (its index gives the labels)."""
    if hasattr(values, "index") and hasattr(values, "to_numpy") and labels is None:
        labels = values.index
    if isinstance(values, _data.Mapping):
        labels, values = list(values), list(values.values())
    numbers = _data.vector("values", values)
    names = _data.texts("labels", labels, len(numbers)) or [str(i + 1) for i in range(len(numbers))]
    return Chart(_atrium._pie_chart(names, numbers, _options("pie", options)))


def density(x, z=None, *, name="Points", bandwidth=None, **options):
    """The smoothed density of points at (x, z) on the floor. x may also be a mapping of set name
    to (x, z) pairs of arrays. bandwidth: the smoothing width in data units (default: chosen from
    the data)."""
    sets = [(name, (x, z), "")] if z is not None else _data.named("x", x, name)
    checked = []
    for set_name, (xs, zs), arg in sets:
        xs = _data.vector(f"{arg or 'x'}" + ("[0]" if arg else ""), xs)
        checked.append((set_name, xs, _data.vector(f"{arg or 'z'}" + ("[1]" if arg else ""), zs, len(xs))))
    return Chart(_atrium._density_chart(checked, bandwidth, _options("density", options)))


def _combo(kind, data, surface, categories, names, options):
    labels, series = _data.category_series(data, categories, names)
    grids = []
    for surface_name, values, arg in _data.named("surface", surface, "Surface"):
        # Given as the data are (a row per category), kept as the chart lays it out (a row per series).
        _, _, flat = _data.grid(arg, values, len(labels), len(series))
        by_series = np.asarray(flat).reshape(len(labels), len(series)).T
        grids.append((surface_name, len(labels), len(series), by_series.ravel().tolist()))
    return Chart(_atrium._combo_chart(kind, labels, series, grids, _options(kind, options)))


def surface_column(data, surface, categories=None, *, names=None, **options):
    """Columns with a surface over the same cells: data as for column(), surface of the same shape
    (one row per category, one column per series), or a mapping of surface name to such."""
    return _combo("surface_column", data, surface, categories, names, options)


def ribbon_surface(data, surface, categories=None, *, names=None, **options):
    """Ribbons with a surface over the same cells; data and surface as for surface_column()."""
    return _combo("ribbon_surface", data, surface, categories, names, options)
