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
        java.util.ArrayList<Integer> keep = new java.util.ArrayList<>();
        for (int id : all) {
            byte[] data = store.peek(id);
            if (filter == null || filter.matches(data)) {
                keep.add(id);
            }
        }
        if (comparator != null) {
            keep.sort((a, b) -> comparator.compare(store.peek(a), store.peek(b)));
        } else {
            java.util.Collections.reverse(keep);
        }
        ids = new int[keep.size()];
        for (int i = 0; i < ids.length; i++) {
            ids[i] = keep.get(i);
        }
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
