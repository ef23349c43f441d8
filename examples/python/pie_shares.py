"""Shares of a whole as a pie: labels and values, the shares worked out by the chart; saved as a
world and as one HTML page that opens from disk (in a notebook, the chart shows itself)."""
import atrium

budget = {"Rent": 950, "Food": 420, "Transport": 180, "Savings": 300, "Other": 150}
chart = atrium.pie(budget, title="Monthly budget")
chart.save("pie_shares.wrl")
chart.save("pie_shares.html")
