package net.quorlen.bench;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/** Warm-up, then several timed rounds; the median and the spread of the rounds. */
final class Measure {
    /** Does `count` operations and returns the nanoseconds that the measured part took. */
    interface Batch {
        long run(int count) throws Exception;
    }

    /** Nanoseconds per operation: median and the extremes of the rounds. */
    record Result(double median, double min, double max) {
        Result scaled(double factor) {
            return new Result(median * factor, min * factor, max * factor);
        }
    }

    private final int warmups;
    private final int rounds;

    Measure(int warmups, int rounds) {
        this.warmups = warmups;
        this.rounds = rounds;
    }

    Result perOperation(int count, Batch batch) throws Exception {
        for (int i = 0; i < warmups; i++) {
            batch.run(count);
        }
        double[] each = new double[rounds];
        for (int i = 0; i < rounds; i++) {
            each[i] = batch.run(count) / (double) count;
        }
        return of(each);
    }

    /**
     * Like perOperation for several batches at once, taking their rounds in
     * turn, so that a burst of load from elsewhere on the machine falls on all
     * of them and leaves their ratios alone.
     */
    List<Result> interleaved(int count, List<Batch> batches) throws Exception {
        for (int i = 0; i < warmups; i++) {
            for (Batch batch : batches) {
                batch.run(count);
            }
        }
        double[][] each = new double[batches.size()][rounds];
        for (int i = 0; i < rounds; i++) {
            for (int b = 0; b < batches.size(); b++) {
                each[b][i] = batches.get(b).run(count) / (double) count;
            }
        }
        List<Result> results = new ArrayList<>();
        for (double[] values : each) {
            results.add(of(values));
        }
        return results;
    }

    static Result of(double[] values) {
        double[] sorted = values.clone();
        Arrays.sort(sorted);
        int n = sorted.length;
        double median = n % 2 == 1 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
        return new Result(median, sorted[0], sorted[n - 1]);
    }

    /** Times a loop body that needs no setup between operations. */
    static Batch loop(Runnable body) {
        return count -> {
            long start = System.nanoTime();
            for (int i = 0; i < count; i++) {
                body.run();
            }
            return System.nanoTime() - start;
        };
    }
}
