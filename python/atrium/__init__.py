"""Atrium: interactive 3-D charts as VRML 97 worlds, from Python.

    chart = atrium.column({"Tea": [3, 5, 4], "Coffee": [6, 4, 5]}, ["Q1", "Q2", "Q3"], title="Sales")
    chart.save("sales.wrl")

One function per kind (column, area, ribbon, surface, scatter, pie, density, surface_column,
ribbon_surface) takes NumPy arrays, lists or pandas objects and returns a Chart: save(), to_vrml(),
to_html(), show(), and graph, the graph it built; in a notebook a chart shows itself.
The object model of the libraries (graphs, their parts and VRML nodes) comes from the extension
atrium._atrium; every property has its library name (TitleProps, TextHeight) and a snake_case
alias (title_props, text_height). Errors of the libraries raise atrium.Error, a ValueError.
"""
from ._atrium import *  # noqa: F401,F403 (the object model is the package's namespace)
from ._atrium import Error, __version__  # noqa: F401
from ._charts import area, column, density, pie, ribbon, ribbon_surface, scatter, surface, surface_column  # noqa: F401
from ._show import Chart, Viewer  # noqa: F401

from . import _programs
from ._atrium import _set_data_folder


def _use_data_folder():
    """HTML pages are built from the proto files and viewer installed beside this package."""
    import os
    folder = os.path.normpath(os.path.join(os.path.dirname(__file__), _programs.ATRIUM_DATA))
    if os.path.isdir(os.path.join(folder, "protos")):
        _set_data_folder(folder)


_use_data_folder()
