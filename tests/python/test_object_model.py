"""The object model from Python: every graph kind, property names and aliases, nodes, errors."""
import pytest

import atrium

GRAPH_KINDS = [
    atrium.AreaGraph, atrium.ColumnGraph, atrium.RibbonGraph, atrium.SurfaceGraph, atrium.SCComboGraph,
    atrium.RCComboGraph, atrium.PieGraph, atrium.ScatterGraph, atrium.DensityGraph,
]


def grid_graph_with_series():
    graph = atrium.ColumnGraph()
    graph.grid_props.x_axis_cell_count = 3
    graph.grid_props.z_axis_cell_count = 2
    graph.get_series(1).height = [0.2, 0.4, 0.6]
    return graph


@pytest.mark.parametrize("kind", GRAPH_KINDS, ids=lambda k: k.__name__)
def test_every_kind_takes_a_title_and_a_viewpoint(kind):
    graph = kind()
    if kind is atrium.ScatterGraph:
        graph.point_frame_count = 1
    graph.title_props.text = "  Quarterly sales  "
    viewpoint = graph.viewpoints.add_viewpoint()
    viewpoint.position = (1, 2.5, 30)
    viewpoint.description = "Front"
    world = graph.export_to_string()
    assert world.startswith("#VRML V2.0 utf8\n")
    assert graph.TitleProps.Text == "Quarterly sales"
    assert '"Quarterly sales"' in world
    assert "position 1 2.5 30" in world and '"Front"' in world
    assert graph.ExportToString(False, False).count("\n") == 1


def test_library_names_and_aliases_are_one_property():
    graph = atrium.ColumnGraph()
    graph.TitleProps.TextHeight = 0.25
    assert graph.title_props.text_height == pytest.approx(0.25)
    graph.y_axis_props.numeric_format = "0.0"
    assert graph.YAxisProps.NumericFormat == "0.0"
    graph.x_axis_props.labels = ["Q1", "Q2"]
    assert graph.XAxisProps.LabelCount == 2
    graph.legend_props.key_style = atrium.SPHERE_STYLE
    assert graph.LegendProps.KeyStyle == atrium.LegendKeyStyle.SPHERE_STYLE


@pytest.mark.parametrize("colour, packed", [("#FF8800", 0x0088FF), ("#0072b2", 0xB27200), (0x123456, 0x123456)])
def test_colours_are_packed_or_web_strings(colour, packed):
    text = atrium.ColumnGraph().title_props
    text.text_color = colour
    assert text.TextColor == packed


def test_series_look_through_its_material_node():
    graph = grid_graph_with_series()
    series = graph.get_series(1)
    series.material.diffuse_color = "#0072B2"
    series.legend_text = "Tea"
    series.style = atrium.ROUNDED_COLUMN
    assert series.Material.diffuseColor == pytest.approx((0, 0x72 / 255, 0xB2 / 255))
    assert series.height == pytest.approx([0.2, 0.4, 0.6])
    assert isinstance(series.material, atrium.Material)
    world = graph.export_to_string()
    assert "qrx_RoundedColumnSeries" in world and '"Tea"' in world


@pytest.mark.parametrize("change, message, number", [
    (lambda g: setattr(g.title_props, "text_height", 0), "Invalid Text height, must be greater than 0", 0x80040000),
    (lambda g: setattr(g.grid_props, "width", -1), "The graph must be wider than 0", 0x80040000),
    (lambda g: g.get_series(5), "Invalid series index, series count = 1", None),
    (lambda g: g.viewpoints.get_viewpoint(1), None, 0x800A0009),
])
def test_library_errors_are_value_errors_with_its_message(change, message, number):
    graph = atrium.ColumnGraph()
    before = graph.export_to_string()
    with pytest.raises(atrium.Error) as raised:
        change(graph)
    assert isinstance(raised.value, ValueError)
    if message is not None:
        assert str(raised.value) == message
    if number is not None:
        assert raised.value.number == number
    assert graph.export_to_string() == before


@pytest.mark.parametrize("change, error", [
    (lambda vp: setattr(vp, "position", (1, 2)), ValueError),
    (lambda vp: setattr(vp, "no_such_field", 1), AttributeError),
    (lambda vp: vp.no_such_field, AttributeError),
    (lambda vp: setattr(vp, "description", 3), TypeError),
])
def test_node_fields_refuse_what_they_cannot_hold(change, error):
    viewpoint = atrium.PieGraph().viewpoints.add_viewpoint()
    with pytest.raises(error):
        change(viewpoint)
    assert viewpoint.position == pytest.approx((0, 0, 10))


def test_bad_colour_text_is_refused():
    with pytest.raises(ValueError, match="#RRGGBB"):
        atrium.ColumnGraph().title_props.text_color = "orange"


def test_export_to_a_missing_folder_returns_false(tmp_path):
    assert atrium.ColumnGraph().export_to_file(str(tmp_path / "missing" / "chart.wrl")) is False
