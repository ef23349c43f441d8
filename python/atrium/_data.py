"""The user's data (NumPy arrays, lists, pandas objects) turned into the plain lists the charts
are built from. Anything that cannot be drawn raises atrium.Error naming the argument and the
position, before anything is built or written."""
from collections.abc import Mapping

import numpy as np

from ._atrium import Error

INVALID_ARGUMENT = 0x80070057


def argument_error(message):
    """An atrium.Error for a bad argument, numbered as the libraries number theirs."""
    error = Error(message)
    error.number = INVALID_ARGUMENT
    return error


def array(name, values, ndim):
    """values as a float array of ndim dimensions whose entries are all finite."""
    try:
        result = np.asarray(values, dtype=float)
    except (TypeError, ValueError) as e:
        raise argument_error(f"{name} must hold numbers ({e})") from None
    if result.ndim != ndim:
        raise argument_error(f"{name} must have {ndim} dimension{'s' if ndim > 1 else ''}, not shape {result.shape}")
    bad = np.argwhere(~np.isfinite(result))
    if len(bad):
        at = tuple(int(i) for i in bad[0])
        where = ", ".join(map(str, at))
        raise argument_error(f"{name}[{where}] is {result[at]}; every value must be a finite number")
    return result


def vector(name, values, length=None):
    """values as a list of finite floats; length, when given, is the count they must have."""
    result = array(name, values, 1)
    if length is not None and len(result) != length:
        raise argument_error(f"{name} has {len(result)} values where {length} are needed")
    return result.tolist()


def optional_vector(name, values, length):
    return [] if values is None else vector(name, values, length)


def texts(name, values, length=None):
    if values is None:
        return []
    result = [str(v) for v in (values.tolist() if hasattr(values, "tolist") else values)]
    if length is not None and len(result) != length:
        raise argument_error(f"{name} has {len(result)} entries where {length} are needed")
    return result


def is_frame(data):
    """True for a pandas DataFrame (or anything shaped like one), without importing pandas."""
    return all(hasattr(data, a) for a in ("index", "columns", "to_numpy"))


def named_columns(data, names, default_name):
    """(names, 2-D values) of data: a DataFrame (its columns), a mapping of name to values, or an
    array of one value per row and one column per name (1-D: one column)."""
    if is_frame(data):
        return [str(c) for c in data.columns], array("data", data.to_numpy(), 2)
    if isinstance(data, Mapping):
        columns = [vector(f"data[{k!r}]", v) for k, v in data.items()]
        lengths = {len(c) for c in columns}
        if len(lengths) > 1:
            raise argument_error(f"the series in data have different lengths: {sorted(lengths)}")
        return [str(k) for k in data], np.array(columns, dtype=float).T if columns else np.empty((0, 0))
    try:
        ndim = np.asarray(data, dtype=object).ndim
    except ValueError:
        ndim = 1
    values = array("data", data, 2 if ndim == 2 else 1)
    if values.ndim == 1:
        values = values[:, None]
    names = texts("names", names, values.shape[1]) or [f"{default_name} {j + 1}" for j in range(values.shape[1])]
    return names, values


def categories_of(data, categories, count):
    """The category labels: given, the DataFrame's index, or 1, 2, 3, ..."""
    if categories is None and is_frame(data):
        categories = data.index
    if categories is None:
        return [str(i + 1) for i in range(count)]
    return texts("categories", categories, count)


def category_series(data, categories, names):
    """(categories, [(series name, values)]) of the data of an area, column or ribbon chart."""
    names, values = named_columns(data, names, "Series")
    labels = categories_of(data, categories, values.shape[0])
    return labels, [(name, values[:, j].tolist()) for j, name in enumerate(names)]


def grid(name, values, rows, columns):
    """A matrix of rows x columns finite values as (columns, rows, values row by row)."""
    result = array(name, values, 2)
    if result.shape != (rows, columns):
        raise argument_error(f"{name} has shape {result.shape}; its coordinates need ({rows}, {columns})")
    return columns, rows, result.ravel().tolist()


def named(name, data, default):
    """[(name, item)] of one item or of a mapping of name to item."""
    if isinstance(data, Mapping):
        return [(str(k), v, f"{name}[{k!r}]") for k, v in data.items()]
    return [(default, data, name)]
