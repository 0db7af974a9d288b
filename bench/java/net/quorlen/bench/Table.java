package net.quorlen.bench;

import java.util.ArrayList;
import java.util.List;
import java.util.Locale;

/** The one table the benchmark prints, in Markdown. */
final class Table {
    private final List<String> rows = new ArrayList<>();

    void section(String title) {
        rows.add("| **" + title + "** | | | | |");
    }

    /** A row: median, min–max of the rounds, unit, and its relation to the section's floor. */
    void row(String figure, Measure.Result result, String unit, String relation) {
        rows.add(String.format(Locale.ROOT, "| %s | %s | %s – %s | %s | %s |", figure, number(result.median()),
                number(result.min()), number(result.max()), unit, relation));
    }

    static String ratio(double value, double floor) {
        return String.format(Locale.ROOT, "%.1f×", value / floor);
    }

    static String number(double value) {
        if (value >= 100) {
            return String.format(Locale.ROOT, "%,.0f", value);
        }
        return String.format(Locale.ROOT, "%.1f", value);
    }

    String render() {
        StringBuilder out = new StringBuilder();
        out.append("| Figure | Median | Spread (min – max) | Unit | Against its floor |\n");
        out.append("|---|---:|---:|---|---|\n");
        for (String row : rows) {
            out.append(row).append('\n');
        }
        return out.toString();
    }
}
