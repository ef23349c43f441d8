"""1,000 random points as a scatter, coloured by their distance from the centre."""
import numpy as np

import atrium

x, y, z = np.random.default_rng(2024).normal(50, 15, size=(3, 1000))
near = np.sqrt((x - 50) ** 2 + (y - 50) ** 2 + (z - 50) ** 2) < 20
chart = atrium.scatter(x, y, z, group=np.where(near, "near the centre", "further out"),
                       title="1,000 random points", x_title="x", y_title="y", z_title="z")
chart.save("scatter_cloud.wrl")
