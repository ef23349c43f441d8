"""Atrium: interactive 3-D charts as VRML 97 worlds, from Python.

The object model of the libraries (graphs, their parts and VRML nodes) comes from the extension
atrium._atrium; every property has its library name (TitleProps, TextHeight) and a snake_case
alias (title_props, text_height). Errors of the libraries raise atrium.Error, a ValueError.
"""
from ._atrium import *  # noqa: F401,F403 (the object model is the package's namespace)
from ._atrium import Error, __version__  # noqa: F401
