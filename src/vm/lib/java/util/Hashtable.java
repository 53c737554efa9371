package java.util;

/** A hash table with the bucket layout and the enumeration order of the Java SE one. */
public class Hashtable {
    private static final class Entry {
        final int hash;
        final Object key;
        Object value;
        Entry next;

        Entry(int hash, Object key, Object value, Entry next) {
            this.hash = hash;
            this.key = key;
            this.value = value;
            this.next = next;
        }
    }

    private Entry[] table;
    private int count;
    private int threshold;

    public Hashtable(int initialCapacity) {
        if (initialCapacity < 0) {
            throw new IllegalArgumentException("Illegal Capacity: " + initialCapacity);
        }
        if (initialCapacity == 0) {
            initialCapacity = 1;
        }
        table = new Entry[initialCapacity];
        threshold = (int) (initialCapacity * 0.75f);
    }

    public Hashtable() {
        this(11);
    }

    public synchronized int size() {
        return count;
    }

    public synchronized boolean isEmpty() {
        return count == 0;
    }

    public synchronized Enumeration keys() {
        return new Enumerator(true);
    }

    public synchronized Enumeration elements() {
        return new Enumerator(false);
    }

    public synchronized boolean contains(Object value) {
        if (value == null) {
            throw new NullPointerException();
        }
        for (int i = table.length; i-- > 0;) {
            for (Entry e = table[i]; e != null; e = e.next) {
                if (e.value.equals(value)) {
                    return true;
                }
            }
        }
        return false;
    }

    public synchronized boolean containsKey(Object key) {
        int hash = key.hashCode();
        int index = (hash & 0x7FFFFFFF) % table.length;
        for (Entry e = table[index]; e != null; e = e.next) {
            if (e.hash == hash && e.key.equals(key)) {
                return true;
            }
        }
        return false;
    }

    public synchronized Object get(Object key) {
        int hash = key.hashCode();
        int index = (hash & 0x7FFFFFFF) % table.length;
        for (Entry e = table[index]; e != null; e = e.next) {
            if (e.hash == hash && e.key.equals(key)) {
                return e.value;
            }
        }
        return null;
    }

    protected void rehash() {
        int oldCapacity = table.length;
        Entry[] oldMap = table;
        int newCapacity = (oldCapacity << 1) + 1;
        Entry[] newMap = new Entry[newCapacity];
        threshold = (int) (newCapacity * 0.75f);
        table = newMap;
        for (int i = oldCapacity; i-- > 0;) {
            for (Entry old = oldMap[i]; old != null;) {
                Entry e = old;
                old = old.next;
                int index = (e.hash & 0x7FFFFFFF) % newCapacity;
                e.next = newMap[index];
                newMap[index] = e;
            }
        }
    }

    public synchronized Object put(Object key, Object value) {
        if (value == null) {
            throw new NullPointerException();
        }
        int hash = key.hashCode();
        int index = (hash & 0x7FFFFFFF) % table.length;
        for (Entry e = table[index]; e != null; e = e.next) {
            if (e.hash == hash && e.key.equals(key)) {
                Object old = e.value;
                e.value = value;
                return old;
            }
        }
        if (count >= threshold) {
            rehash();
            index = (hash & 0x7FFFFFFF) % table.length;
        }
        table[index] = new Entry(hash, key, value, table[index]);
        count++;
        return null;
    }

    public synchronized Object remove(Object key) {
        int hash = key.hashCode();
        int index = (hash & 0x7FFFFFFF) % table.length;
        for (Entry e = table[index], prev = null; e != null; prev = e, e = e.next) {
            if (e.hash == hash && e.key.equals(key)) {
                if (prev != null) {
                    prev.next = e.next;
                } else {
                    table[index] = e.next;
                }
                count--;
                return e.value;
            }
        }
        return null;
    }

    public synchronized void clear() {
        for (int index = table.length; --index >= 0;) {
            table[index] = null;
        }
        count = 0;
    }

    public synchronized String toString() {
        StringBuffer b = new StringBuffer("{");
        boolean first = true;
        for (int i = table.length; i-- > 0;) {
            for (Entry e = table[i]; e != null; e = e.next) {
                if (!first) {
                    b.append(", ");
                }
                first = false;
                b.append(e.key == this ? "(this Map)" : String.valueOf(e.key));
                b.append('=');
                b.append(e.value == this ? "(this Map)" : String.valueOf(e.value));
            }
        }
        return b.append('}').toString();
    }

    private final class Enumerator implements Enumeration {
        private final Entry[] tab = table;
        private int index = tab.length;
        private Entry entry;
        private final boolean keys;

        Enumerator(boolean keys) {
            this.keys = keys;
        }

        public boolean hasMoreElements() {
            Entry e = entry;
            int i = index;
            while (e == null && i > 0) {
                e = tab[--i];
            }
            entry = e;
            index = i;
            return e != null;
        }

        public Object nextElement() {
            Entry e = entry;
            int i = index;
            while (e == null && i > 0) {
                e = tab[--i];
            }
            entry = e;
            index = i;
            if (e != null) {
                entry = e.next;
                return keys ? e.key : e.value;
            }
            throw new NoSuchElementException("Hashtable Enumerator");
        }
    }
}
