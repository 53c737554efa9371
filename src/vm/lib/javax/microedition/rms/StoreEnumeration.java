package javax.microedition.rms;

/** The enumeration of a record store's records, filtered and ordered. */
final class StoreEnumeration implements RecordEnumeration {
    private final RecordStore store;
    private final RecordFilter filter;
    private final RecordComparator comparator;
    private boolean keepUpdated;
    private int[] ids = new int[0];
    /** Index of the next record; the previous one is index - 1. */
    private int index;
    private boolean destroyed;

    StoreEnumeration(RecordStore store, RecordFilter filter, RecordComparator comparator,
            boolean keepUpdated) {
        this.store = store;
        this.filter = filter;
        this.comparator = comparator;
        keepUpdated(keepUpdated);
        rebuild();
    }

    private void checkAlive() {
        if (destroyed) {
            throw new IllegalStateException("the enumeration is destroyed");
        }
    }

    @Override
    public void rebuild() {
        checkAlive();
        int[] all = store.ids();
        int[] keep = new int[all.length];
        int n = 0;
        for (int k = 0; k < all.length; k++) {
            byte[] data = store.peek(all[k]);
            if (filter == null || filter.matches(data)) {
                keep[n++] = all[k];
            }
        }
        if (comparator != null) {
            // A stable sort: equivalent records keep their id order.
            for (int i = 1; i < n; i++) {
                int id = keep[i];
                int j = i - 1;
                while (j >= 0 && comparator.compare(store.peek(keep[j]), store.peek(id)) > 0) {
                    keep[j + 1] = keep[j];
                    j--;
                }
                keep[j + 1] = id;
            }
        } else {
            for (int i = 0; i < n / 2; i++) {
                int t = keep[i];
                keep[i] = keep[n - 1 - i];
                keep[n - 1 - i] = t;
            }
        }
        ids = new int[n];
        System.arraycopy(keep, 0, ids, 0, n);
        index = 0;
    }

    void storeChanged() {
        if (keepUpdated && !destroyed) {
            rebuild();
        }
    }

    @Override
    public int numRecords() {
        checkAlive();
        return ids.length;
    }

    @Override
    public int nextRecordId() throws InvalidRecordIDException {
        checkAlive();
        if (index >= ids.length) {
            throw new InvalidRecordIDException("no next record");
        }
        return ids[index++];
    }

    @Override
    public byte[] nextRecord() throws InvalidRecordIDException, RecordStoreNotOpenException,
            RecordStoreException {
        if (!store.isOpen()) {
            throw new RecordStoreNotOpenException();
        }
        return store.getRecord(nextRecordId());
    }

    @Override
    public int previousRecordId() throws InvalidRecordIDException {
        checkAlive();
        if (index <= 0) {
            throw new InvalidRecordIDException("no previous record");
        }
        return ids[--index];
    }

    @Override
    public byte[] previousRecord() throws InvalidRecordIDException, RecordStoreNotOpenException,
            RecordStoreException {
        if (!store.isOpen()) {
            throw new RecordStoreNotOpenException();
        }
        return store.getRecord(previousRecordId());
    }

    @Override
    public boolean hasNextElement() {
        checkAlive();
        return index < ids.length;
    }

    @Override
    public boolean hasPreviousElement() {
        checkAlive();
        return index > 0;
    }

    @Override
    public void reset() {
        checkAlive();
        index = 0;
    }

    @Override
    public void keepUpdated(boolean keep) {
        checkAlive();
        keepUpdated = keep;
        if (keep) {
            if (!store.enumerations.contains(this)) {
                store.enumerations.addElement(this);
            }
            rebuild();
        } else {
            store.enumerations.removeElement(this);
        }
    }

    @Override
    public boolean isKeptUpdated() {
        return keepUpdated;
    }

    @Override
    public void destroy() {
        store.enumerations.removeElement(this);
        destroyed = true;
    }
}
