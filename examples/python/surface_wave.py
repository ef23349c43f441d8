"""The surface z = sin(x) cos(y) on a 50 x 50 grid, with numeric X and Z axes."""
import numpy as np

import atrium

x = y = np.linspace(-3.14, 3.14, 50)
X, Y = np.meshgrid(x, y)
chart = atrium.surface(np.sin(X) * np.cos(Y), x=x, y=y, name="sin(x) cos(y)",
                       title="z = sin(x) cos(y)", x_title="x", z_title="y")
chart.save("surface_wave.wrl")
