// Ledger: namespaces, types and members of C#, and statements that only look like them.
using System;
using System.Collections.Generic;

namespace Example.Accounts
{
    /// <summary>Total(amounts) in a doc comment is text.</summary>
    public sealed class Ledger : IComparable<Ledger>
    {
        private readonly List<Entry> _entries = new List<Entry>();

        public Ledger(string name)
        {
            Name = name;
        }

        public string Name { get; }

        public long Total()
        {
            long sum = 0;
            foreach (var e in _entries)
            {
                sum += e.Amount;
            }
            return sum;
        }

        public int CompareTo(Ledger other) => Total().CompareTo(other?.Total() ?? 0);

        internal static async Task<bool> SaveAsync<T>(string path, T data)
        {
            if (string.IsNullOrEmpty(path))
            {
                throw new ArgumentException("no path");
            }
            await Task.Delay(1);
            return Validate(path);
        }

        protected virtual void Add(Entry entry)
        {
            _entries.Add(entry);
            Console.WriteLine(Describe(entry));
        }

        private static string Describe(Entry entry) { return entry.Name; }

        private static bool Validate(string path) => path.Length > 0;
    }

    public record Entry(string Name, long Amount);

    internal struct Point
    {
        public double X, Y;
    }

    public interface IListener
    {
        void Changed(Ledger ledger);
    }

    public sealed class Money
    {
        public static Money operator +(Money a, Money b)
        {
            return new Money(a.Cents + b.Cents);
        }

        public static Money Parse(
            string text, IFormatProvider provider)
        {
            var cached = Lookup(text) ?? Create(text);
            return Normalize(cached);
        }
    }

    public enum Kind { Debit, Credit }

    public delegate void Posted(Ledger ledger, long amount);

    public record struct Range(long From, long To);

    public abstract class Book<T> : IEnumerable<T> where T : class
    {
        public event EventHandler Changed;
        public int Count { get; private set; }
        public bool IsEmpty => Count == 0;
        public T this[int index] => Find(index);
        public static implicit operator long(Book<T> book) => book.Count;

        public string Title
        {
            get { return _title ?? Load(); }
        }

        protected abstract T Find(int index);
        IEnumerator IEnumerable.GetEnumerator() => GetEnumerator();
        public TOut Convert<TIn, TOut>(TIn value) where TIn : struct => default;

        public static Book<T> Merge<TKey>
            (Book<T> a, Book<T> b)
        {
            return a ?? b;
        }

        ~Book() { Close(); }

        public async Task RunAsync()
        {
            await SaveAsync(Title);
            var kind = entry switch
            {
                Debit d => d.Amount,
                Credit _ => 0,
            };
            items.Select(x => Describe(x)).ToList();
            Assert.Equal(Total(), 0);
            int Local(int x) => x + 1;
        }

        private const string Template = @"
            public class NotAType { }
            void NotAMethod() { }";
        private const string Raw = """
            public int NotAProperty { get; }
            """;
    }
}
