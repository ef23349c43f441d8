#include "atrium/column_graph.hpp"

namespace atrium {

ColumnGraph::ColumnGraph() : slots_(GridProps()) {
    Assemble();
    slots_.SetColumnsPerCell(1);
    zCellCountChanged_ = GridProps()->OnZCellCountChanged([this](std::int16_t n) { m_gridInfo_ZCellCountChanged(n); });
}

}  // namespace atrium
