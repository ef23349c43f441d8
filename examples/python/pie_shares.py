"""Shares of a whole as a pie: labels and values, the shares worked out by the chart."""
import atrium

budget = {"Rent": 950, "Food": 420, "Transport": 180, "Savings": 300, "Other": 150}
atrium.pie(budget, title="Monthly budget").save("pie_shares.wrl")
