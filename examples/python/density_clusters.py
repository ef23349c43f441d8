"""The density of two clusters of points; the smoothing width is chosen from the data."""
import numpy as np

import atrium

random = np.random.default_rng(7)
calls = {"Morning": random.normal((4, 5), 1.5, size=(200, 2)).T, "Evening": random.normal((11, 9), 1.5, size=(200, 2)).T}
chart = atrium.density(calls, title="Where the calls came from", x_title="km east", z_title="km north")
chart.save("density_clusters.wrl")
