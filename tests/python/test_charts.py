"""The chart functions: every kind from arrays, lists and pandas objects, the options, the graph
underneath, saving and the errors for data that cannot be drawn."""
import html
import urllib.parse
import urllib.request

import numpy as np
import pandas as pd
import pytest

import atrium

SALES = {"Tea": [120, 135, 150, 170], "Coffee": [200, 180, 210, 240]}
QUARTERS = ["Q1", "Q2", "Q3", "Q4"]
HEIGHTS = np.arange(12.0).reshape(3, 4)
CELLS = np.arange(8.0).reshape(4, 2)  # a surface over the sales' cells: a row per quarter
RANDOM = np.random.default_rng(1)
POINTS = RANDOM.normal(size=(3, 40))

# kind: (build with options, graph class, a node only its world holds)
KINDS = {
    "column": (lambda **o: atrium.column(SALES, QUARTERS, **o), atrium.ColumnGraph, "qrx_OutlinedColumnSeries"),
    "area": (lambda **o: atrium.area(SALES, QUARTERS, **o), atrium.AreaGraph, "qrx_OutlinedAreaSeries"),
    "ribbon": (lambda **o: atrium.ribbon(SALES, QUARTERS, **o), atrium.RibbonGraph, "qrx_OutlinedRibbonSeries"),
    "surface": (lambda **o: atrium.surface(HEIGHTS, x=[0, 1, 2, 4], y=[0, 5, 10], **o), atrium.SurfaceGraph,
                "qrx_Surface"),
    "scatter": (lambda **o: atrium.scatter(*POINTS, **o), atrium.ScatterGraph, "qrx_SphereCollection"),
    "pie": (lambda **o: atrium.pie([950, 420, 180], ["Rent", "Food", "Transport"], **o), atrium.PieGraph,
            "PieSlice {"),
    "density": (lambda **o: atrium.density(POINTS[0], POINTS[1], **o), atrium.DensityGraph, "qrx_Surface"),
    "surface_column": (lambda **o: atrium.surface_column(SALES, CELLS, QUARTERS, **o), atrium.SCComboGraph,
                       "qrx_Surface"),
    "ribbon_surface": (lambda **o: atrium.ribbon_surface(SALES, CELLS, QUARTERS, **o), atrium.RCComboGraph,
                       "qrx_OutlinedRibbonSeries"),
}


@pytest.mark.parametrize("kind", KINDS)
def test_every_kind_builds_its_graph_saves_and_round_trips(kind, tmp_path):
    build, graph_class, node = KINDS[kind]
    chart = build(title="Sales", background="#202020", colors=["#0072B2", 0xD55E00])
    assert isinstance(chart.graph, graph_class)
    world = chart.to_vrml()
    assert world.startswith("#VRML V2.0 utf8\n") and node in world and '"Sales"' in world
    chart.save(tmp_path / "chart.wrl")
    assert (tmp_path / "chart.wrl").read_text() == world
    chart.graph.title_props.text = "Changed through the graph"
    assert '"Changed through the graph"' in chart.to_vrml()
    assert chart.to_vrml(line_breaks=False).count("\n") == 1


@pytest.mark.parametrize("data", [
    pytest.param(SALES, id="dict of lists"),
    pytest.param({k: np.array(v) for k, v in SALES.items()}, id="dict of arrays"),
    pytest.param(pd.DataFrame(SALES, index=QUARTERS), id="DataFrame"),
    pytest.param(np.array(list(SALES.values())).T, id="array, a row per category"),
])
def test_category_data_in_any_form_gives_the_same_world(data):
    names = None if isinstance(data, (dict, pd.DataFrame)) else list(SALES)
    assert atrium.column(data, QUARTERS, names=names).to_vrml() == atrium.column(SALES, QUARTERS).to_vrml()


def test_pandas_series_and_mapping_give_the_same_pie():
    shares = {"Rent": 950, "Food": 420}
    expected = atrium.pie(list(shares.values()), list(shares)).to_vrml()
    assert atrium.pie(shares).to_vrml() == expected
    assert atrium.pie(pd.Series(shares)).to_vrml() == expected


NAN_HEIGHTS = HEIGHTS.copy()
NAN_HEIGHTS[1, 2] = np.nan


@pytest.mark.parametrize("build, message", [
    (lambda: atrium.surface(NAN_HEIGHTS), r"z\[1, 2\] is nan"),
    (lambda: atrium.surface(HEIGHTS, x=[0, 1, 2]), "x has 3 values where 4 are needed"),
    (lambda: atrium.surface(HEIGHTS[0]), r"z must have 2 dimensions, not shape \(4,\)"),
    (lambda: atrium.surface({"a": HEIGHTS, "b": HEIGHTS.T}), r"z\['b'\] has shape \(4, 3\)"),
    (lambda: atrium.scatter([1, 2, 3], [1, 2], [1, 2, 3]), "y has 2 values where 3 are needed"),
    (lambda: atrium.scatter([1, np.inf], [1, 2], [1, 2]), r"x\[1\] is inf"),
    (lambda: atrium.column({"Tea": [1, 2], "Coffee": [1]}), "different lengths"),
    (lambda: atrium.column(pd.DataFrame({"Tea": [1.0, None]})), r"data\[1, 0\] is nan"),
    (lambda: atrium.column({"Tea": ["a", "b"]}), "must hold numbers"),
    (lambda: atrium.column(SALES, ["Q1", "Q2"]), "categories has 2 entries where 4 are needed"),
    (lambda: atrium.surface_column(SALES, CELLS.T, QUARTERS), r"surface has shape \(2, 4\)"),
    (lambda: atrium.pie([3, -1], ["a", "b"]), ""),
    (lambda: atrium.column({}), ""),
])
def test_data_that_cannot_be_drawn_raise_value_errors_naming_where(build, message):
    with pytest.raises(atrium.Error, match=message) as raised:
        build()
    assert isinstance(raised.value, ValueError) and str(raised.value)


@pytest.mark.parametrize("build, error", [
    (lambda: atrium.column(SALES, titel="Sales"), TypeError),
    (lambda: atrium.column(SALES, colors=["orange"]), ValueError),
])
def test_options_are_checked(build, error):
    with pytest.raises(error):
        build()


def test_a_failed_save_raises_the_reason_and_keeps_the_old_file(tmp_path):
    chart = atrium.column(SALES)
    with pytest.raises(atrium.Error, match="No such file or directory"):
        chart.save(tmp_path / "missing" / "chart.wrl")
    assert not (tmp_path / "missing").exists()
    old = tmp_path / "chart.wrl"
    old.write_text("old")
    with pytest.raises(atrium.Error):
        chart.save(tmp_path / "chart.unknown")
    assert old.read_text() == "old" and not (tmp_path / "chart.unknown").exists()


def test_a_page_is_saved_whole_and_shown_in_notebooks(tmp_path):
    chart = atrium.pie([1, 3], ["a", "b"])
    try:
        page = chart.to_html("shares.wrl")
    except atrium.Error as error:
        pytest.skip(f"no viewer page: {error}")
    chart.save(tmp_path / "shares.html")
    assert (tmp_path / "shares.html").read_text() == page
    assert "PieSlice {" in page and page.lstrip().lower().startswith("<!doctype html")
    shown = chart._repr_html_()
    assert shown.startswith('<iframe srcdoc="') and html.unescape(shown.split('"')[1]) == chart.to_html()


def test_show_serves_the_chart_on_loopback_until_stopped():
    try:
        viewer = atrium.column(SALES).show(open_browser=False, block=False)
    except FileNotFoundError:
        pytest.skip("atrium-view is not built")
    try:
        assert viewer.url.startswith("http://127.0.0.1:")
        with urllib.request.urlopen(urllib.parse.urljoin(viewer.url, "chart.wrl"), timeout=60) as reply:
            assert b"qrx_OutlinedColumnSeries {" in reply.read()
    finally:
        viewer.stop()
    with pytest.raises(OSError):
        urllib.request.urlopen(viewer.url, timeout=60)
