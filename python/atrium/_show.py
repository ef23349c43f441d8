"""The chart object the chart functions return: saving, the world as text, showing it in the
browser through atrium-view, and display in notebooks."""
import atexit
import html
import os
import shutil
import signal
import subprocess
import tempfile

from . import _programs


def _atrium_view():
    """The atrium-view program: the one installed or built with this package, else on PATH."""
    beside = os.path.normpath(os.path.join(os.path.dirname(__file__), _programs.ATRIUM_VIEW))
    if os.access(beside, os.X_OK):
        return beside
    found = shutil.which("atrium-view")
    if not found:
        raise FileNotFoundError("atrium-view is not installed beside the atrium package nor on PATH")
    return found


class Viewer:
    """A running atrium-view serving one chart on 127.0.0.1; stop() ends it (so does the end of Python)."""

    def __init__(self, world, open_browser):
        args = [_atrium_view(), world] + ([] if open_browser else ["--no-open"])
        self._process = subprocess.Popen(args, stdout=subprocess.PIPE, text=True)
        self._folder = os.path.dirname(world)
        atexit.register(self.stop)
        self.url = None
        for line in self._process.stdout:
            if line.startswith("http://"):
                self.url = line.strip()
                break
        if self.url is None:
            self.stop()
            raise RuntimeError("atrium-view ended before it served the chart")

    def wait(self):
        """Serves until the program is stopped (Ctrl-C ends it)."""
        try:
            self._process.wait()
        except KeyboardInterrupt:
            pass
        finally:
            self.stop()

    def stop(self):
        if self._process.poll() is None:
            self._process.send_signal(signal.SIGTERM)
            self._process.wait()
        self._process.stdout.close()
        shutil.rmtree(self._folder, ignore_errors=True)


class Chart:
    """A chart built from data. graph is its graph (atrium.ColumnGraph, ...) for anything the chart
    functions do not set; changes to it show in the next save()."""

    def __init__(self, built):
        self._built = built

    @property
    def graph(self):
        return self._built.Graph

    def save(self, file):
        """Writes the chart to file, replacing it atomically; the extension picks the format
        (".wrl": a VRML 97 world; ".html": one page that opens from disk with no server, as
        to_html() builds it). On failure raises atrium.Error and leaves any old file intact."""
        self._built.Save(os.fspath(file))

    def to_html(self, world_name="chart.wrl"):
        """The chart as one self-contained HTML page: the viewer, the world, its proto files and
        the 3-D runtime; world_name is the name it shows and saves pictures under."""
        return self._built.ToHtml(world_name)

    def _repr_html_(self):
        """Notebook display: the self-contained page inside an iframe."""
        page = html.escape(self.to_html(), quote=True)
        return f'<iframe srcdoc="{page}" style="width:100%;height:520px;border:0"></iframe>'

    def to_vrml(self, line_breaks=True, tabs=True):
        """The world as VRML 97 text."""
        return self._built.ToVrml(line_breaks, tabs)

    def show(self, open_browser=True, block=True):
        """Serves the chart on 127.0.0.1 and opens it in the default browser, as atrium-view does.
        Blocks until Ctrl-C; with block=False returns the Viewer (its url, stop())."""
        folder = tempfile.mkdtemp(prefix="atrium-")
        world = os.path.join(folder, "chart.wrl")
        self.save(world)
        viewer = Viewer(world, open_browser)
        print(viewer.url)
        if not block:
            return viewer
        viewer.wait()
        return None

    def __repr__(self):
        return f"<atrium chart: {type(self._built).__name__}>"
