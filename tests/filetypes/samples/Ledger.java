// Ledger: types and members of Java, and statements that only look like them.
package org.example.ledger;

import java.util.ArrayList;
import java.util.List;
import java.util.Map;

/**
 * A ledger of entries.
 * Returns total(amounts) as a line of the comment, not a method.
 */
public final class Ledger implements Comparable<Ledger> {
    private final List<Entry> entries = new ArrayList<>();
    private String name;

    public Ledger(String name) {
        this.name = name;
    }

    Ledger() {
        this("unnamed");
    }

    public static <K, V> Map<K, V> index(List<V> values) {
        return null;
    }

    public long total() {
        long sum = 0;
        for (Entry e : entries) {
            sum += e.amount();
        }
        return sum;
    }

    @Override
    public int compareTo(Ledger other) {
        if (other == null) {
            throw new IllegalArgumentException("no ledger");
        }
        return Long.compare(total(), other.total());
    }

    protected synchronized void add(Entry entry)
            throws IllegalStateException {
        entries.add(entry);
        System.out.println(describe(entry));
    }

    String[] names() {
        return entries.stream().map(Entry::name).toArray(String[]::new);
    }

    private static String describe(Entry entry) { return entry.name(); }

    public record Entry(String name, long amount) {}

    interface Listener {
        void changed(Ledger ledger);
    }

    enum Kind { DEBIT, CREDIT }

    public @interface Audited {}

    @Override public final String toString() { return name; }

    public javax.swing.Icon icon() { return null; }

    static final <M> Ledger
    merge(Ledger a, M mark) {
        return a;
    }

    Ledger(String name, long opening,
           Kind kind) {
        this(name);
    }

    Runnable printer() {
        try {
            return new Runnable() {
                public void run() { print(); }
            };
        }
        catch (IllegalStateException e) {
            return () -> print();
        }
    }

    private static final String SQL = """
        public void notAMethod() {
        """;
}
