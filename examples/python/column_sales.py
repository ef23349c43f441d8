"""Quarterly sales of three products as columns: one row of columns per product."""
import atrium

sales = {"Tea": [120, 135, 150, 170], "Coffee": [200, 180, 210, 240], "Cocoa": [80, 95, 70, 110]}
chart = atrium.column(sales, ["Q1", "Q2", "Q3", "Q4"], title="Sales by quarter", y_title="Units")
chart.save("column_sales.wrl")
