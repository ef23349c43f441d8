#include "atrium/charts/chart_data.hpp"

namespace atrium::charts {

Matrix Matrix::Generate(std::span<const double> x, std::span<const double> z,
                        const std::function<double(double, double)>& f) {
    Matrix m{x.size(), z.size(), {}};
    m.values.reserve(x.size() * z.size());
    for (double zr : z)
        for (double xc : x) m.values.push_back(f(xc, zr));
    return m;
}

std::vector<double> Linspace(double first, double last, std::size_t n) {
    std::vector<double> values(n);
    for (std::size_t i = 0; i < n; ++i)
        values[i] = n == 1 ? first : first + (last - first) * static_cast<double>(i) / static_cast<double>(n - 1);
    return values;
}

}  // namespace atrium::charts
